#pragma once
// Level open dialog in its self-registering form: it has the library make an open-file
// dialog of its own (owned, freed with it) and hears the author's choice through that
// dialog's callback. Nothing in the game creates one; the editor uses "JeuDialogChargerNiv".
#include "gui/CPLUXDialogFile.h"

class CSFMLJeuOuvrir : public CPLUXDialogFile {
public:
    static constexpr const char* TITRE = "Charger niveau";
    static constexpr int GAUCHE = 80, HAUT = 80, LARGEUR = 590, HAUTEUR = 520;

    CSFMLJeuOuvrir();
    ~CSFMLJeuOuvrir() override;

    // "open" with code 0 loads the dialog's folder + file into the running level (start
    // number 1); every other report is ignored. Always false.
    static bool rappel(void* owner, CPLUXDialogFile* dlg, CPLUXControl* c, int code);

    CPLUXDialogFile* pDialogFichier = nullptr;  // owned, made by the library
};
