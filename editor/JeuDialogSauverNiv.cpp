#include "editor/JeuDialogSauverNiv.h"

#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "editor/Editeur.h"
#include "gui/CPLUX.h"
#include "level/Decor.h"

namespace {
const char* const OPTIONS_NIV = "JeuDialogOptionsNiv";
const char* const DOSSIER_NIVEAUX = "./niveaux/";
} // namespace

CJeuDialogSauverNiv::CJeuDialogSauverNiv()
{
    addExtension("niv");
    InitDossiers(DOSSIER_NIVEAUX);
}

bool CJeuDialogSauverNiv::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialogFileSave::onPressLeft(w, x, y, c);
    if (!c || c->getId() != BOUTON_SAUVER || getFileSave().empty())
        return true;
    MondeJeu* jeu = faceJeu::monde();
    if (!jeu || !jeu->pdecor)
        return true;
    // The level world tells the author how the save went.
    const std::string chemin = getFullPathSave();
    if (jeu->pdecor->sauverNiveau(chemin.c_str())) {
        CPLUX::refresh(OPTIONS_NIV);
        // The new file shows in both lists at once.
        actualiser();
        CPLUX::refresh(editeur::id::CHARGER_NIV);
    }
    return true;
}
