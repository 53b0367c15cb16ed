#pragma once
// Loading one model file of data/PLUX_Modeles/Mod2 onto a dialog of the library class the
// program derives that dialog from, registered and created as the set-up would.
#include "gui/CPLUX.h"
#include "gui/CPLUXDialogFile.h"
#include "gui/CPLUXModeleDef.h"
#include "gui/plux_theme.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

inline std::string dossierModeles()
{
    const char* d = std::getenv("TUV_DATA_DIR");
    std::string data = d ? d : std::string(__FILE__).substr(0, std::string(__FILE__).rfind("/tests/")) + "/data";
    return data + "/PLUX_Modeles/Mod2/";
}

inline CPLUXDialog* dialogueDuModele(const std::string& id)
{
    if (id == "JeuDialogChargerNiv" || id == "CSEOpenDossier")
        return new CPLUXDialogFile;
    if (id == "JeuDialogSauverNiv")
        return new CPLUXDialogFileSave;
    if (id == "SFMLJeuChoixPer" || id == "SFMLJeuChoixDec") {
        // The pickers keep the band of their three lines and their buttons above the preview
        // (CSFMLJeuChoix::HAUT_APERCU).
        auto* d = new CPLUXDialogImage;
        d->setHautApercu(105);
        return d;
    }
    return new CPLUXDialog;
}

struct ModeleCharge {
    explicit ModeleCharge(const std::string& id) : d(dialogueDuModele(id))
    {
        d->setId(id);
        CPLUX::pModeleDef->viderErreurs();
        lu = CPLUX::pModeleDef->appliquerFichier(d.get(), dossierModeles() + id + ".mod");
        erreurs = CPLUX::pModeleDef->getErreurs();
        CPLUX::addDialog(nullptr, d.get(), nullptr, 0);
    }
    std::unique_ptr<CPLUXDialog> d;
    bool lu = false;
    std::vector<std::string> erreurs;
};

// Width the control's caption needs in its rectangle (0 for kinds without one).
inline float largeurTexte(const CPLUXControl* c)
{
    float marge;
    switch (c->getGenre()) {
    case CPLUXControl::GENRE_TEXTE: marge = 0.f; break;
    case CPLUXControl::GENRE_BOUTON: marge = 6.f; break;
    case CPLUXControl::GENRE_CASE: marge = 20.f; break;
    default: return 0.f;
    }
    if (c->getTextW().empty())
        return 0.f;
    sf::Text t(plux::versSf(c->getTextW()), plux::police(), c->getTextSize());
    return t.getLocalBounds().width + marge;
}
