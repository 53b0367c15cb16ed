#include "editor/SFMLJeuSauver.h"

#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "editor/DialogueFichierPropre.h"
#include "level/Decor.h"

namespace {
constexpr int GENRE_SAUVER = 3;
const char* const DOSSIER_DEPART = "./jeux";
} // namespace

CSFMLJeuSauver::CSFMLJeuSauver()
{
    CPLUXDialogFile* f = creerDialogueFichierPropre(this, GENRE_SAUVER, TITRE, {GAUCHE, HAUT, LARGEUR, HAUTEUR},
                                                    DOSSIER_DEPART, &CSFMLJeuSauver::rappel);
    pDialogFichier = dynamic_cast<CPLUXDialogFileSave*>(f);
}

CSFMLJeuSauver::~CSFMLJeuSauver() { libererDialogueFichierPropre(pDialogFichier); }

bool CSFMLJeuSauver::rappel(void*, CPLUXDialogFile* dlg, CPLUXControl* c, int code)
{
    auto* f = dynamic_cast<CPLUXDialogFileSave*>(dlg);
    if (!c || c->getId() != "save" || code != 0 || !f)
        return true;
    if (MondeJeu* jeu = faceJeu::monde(); jeu && jeu->pdecor)
        jeu->pdecor->sauverNiveau((f->GetPath() + f->getFileSave()).c_str());
    return true;
}
