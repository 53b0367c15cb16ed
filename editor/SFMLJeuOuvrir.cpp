#include "editor/SFMLJeuOuvrir.h"

#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "editor/DialogueFichierPropre.h"
#include "level/Decor.h"

namespace {
constexpr int GENRE_OUVRIR = 1;
const char* const DOSSIER_DEPART = "./";
} // namespace

CSFMLJeuOuvrir::CSFMLJeuOuvrir()
{
    pDialogFichier = creerDialogueFichierPropre(this, GENRE_OUVRIR, TITRE, {GAUCHE, HAUT, LARGEUR, HAUTEUR},
                                                DOSSIER_DEPART, &CSFMLJeuOuvrir::rappel);
}

CSFMLJeuOuvrir::~CSFMLJeuOuvrir() { libererDialogueFichierPropre(pDialogFichier); }

bool CSFMLJeuOuvrir::rappel(void*, CPLUXDialogFile* dlg, CPLUXControl* c, int code)
{
    // Without a chosen file the folder itself would be loaded: the level emptied for nothing.
    if (!c || c->getId() != "open" || code != 0 || !dlg || dlg->GetFile().empty())
        return false;
    if (MondeJeu* jeu = faceJeu::monde(); jeu && jeu->pdecor)
        jeu->pdecor->chargerNiveau(dlg->GetPath() + dlg->GetFile(), 1);
    return false;
}
