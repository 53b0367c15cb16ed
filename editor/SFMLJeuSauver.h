#pragma once
// Level save dialog in its self-registering form: it has the library make a save-file
// dialog of its own (owned, freed with it) and hears the author's choice through that
// dialog's callback. Nothing in the game creates one; the editor uses "JeuDialogSauverNiv".
#include "gui/CPLUXDialogFile.h"

class CSFMLJeuSauver : public CPLUXDialogFile {
public:
    static constexpr const char* TITRE = "Sauvegarde du niveau de jeu";
    // Placed so that the whole window shows in a 1280 x 720 game window.
    static constexpr int GAUCHE = 300, HAUT = 175, LARGEUR = 590, HAUTEUR = 520;

    CSFMLJeuSauver();
    ~CSFMLJeuSauver() override;

    // "save" with code 0 writes the running level to the dialog's folder + typed name (the
    // library reports it only with a name, once a replaced file is confirmed); every other
    // report is ignored. Always true.
    static bool rappel(void* owner, CPLUXDialogFile* dlg, CPLUXControl* c, int code);

    CPLUXDialogFileSave* pDialogFichier = nullptr;  // owned, made by the library
};
