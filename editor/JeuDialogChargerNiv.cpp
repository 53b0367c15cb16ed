#include "editor/JeuDialogChargerNiv.h"

#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "gui/CPLUX.h"
#include "level/Decor.h"
#include "menus/JeuMenus.h"

namespace {
const char* const OPTIONS_NIV = "JeuDialogOptionsNiv";
}

CJeuDialogChargerNiv::CJeuDialogChargerNiv()
{
    addExtension("niv");
    InitDossiers(DOSSIER_NIVEAUX);
}

bool CJeuDialogChargerNiv::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialogFile::onPressLeft(w, x, y, c);
    if (!c)
        return true;
    // "open" without a chosen file would load the folder: the running level would be
    // emptied for nothing.
    if (c->getId() == BOUTON_OUVRIR && !GetFile().empty())
        chargerNiveau(GetPath(), GetFile());
    else if (c->getId() == BOUTON_NOUVEAU)
        chargerNiveau(DOSSIER_NIVEAUX, FICHIER_VIDE);
    return true;
}

void CJeuDialogChargerNiv::chargerNiveau(const std::string& dossier, const std::string& fichier)
{
    MondeJeu* jeu = faceJeu::monde();
    if (!jeu || !jeu->pdecor)
        return;
    jeu->pdecor->chargerNiveau(dossier + fichier, 1);
    // Opened over the menus, its work is done: left open it would stand over the level shown
    // behind them. The editor keeps it for the next file.
    if (const PartieJeu* partie = faceJeu::partie(); partie && partie->mode != PartieJeu::MODE_EDITEUR)
        if (CPLUXDialog* d = CPLUX::getDialog(ID))
            d->close();
    CPLUX::refresh(OPTIONS_NIV);
    if (jeu->pMenus) {
        jeu->pMenus->strDossierNiveau = dossier;
        jeu->pMenus->strCheminNiveau = dossier + fichier;
    }
}
