#pragma once
// Options of the selected decor sprite's seesaw ("JeuDialogPhysBasculeOptions").
// Declared with what the sprite properties dialog calls; its controls are not handled yet.
#include "gui/CPLUXDialog.h"

class CJeuDialogPhysBasculeOptions : public CPLUXDialog {
public:
    // Refills the dialog from the selected sprite's seesaw.
    void init() {}

    // True while init writes the controls.
    bool bRemplissage = false;
};
