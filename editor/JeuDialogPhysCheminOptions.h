#pragma once
// Options of the selected decor sprite's key-point path ("JeuDialogPhysCheminOptions").
// Declared with what the sprite properties dialog calls; its controls are not handled yet.
#include "gui/CPLUXDialog.h"

class CJeuDialogPhysCheminOptions : public CPLUXDialog {
public:
    // Refills the dialog from the selected sprite's path.
    void init() {}

    // True while init writes the controls.
    bool bRemplissage = false;
};
