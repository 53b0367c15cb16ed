#pragma once
// Options of the selected decor sprite's collapse behaviour ("JeuDialogPhysEffondrementOptions").
// Declared with what the sprite properties dialog calls; its controls are not handled yet.
#include "gui/CPLUXDialog.h"

class CJeuDialogPhysEffondrementOptions : public CPLUXDialog {
public:
    // Refills the dialog from the selected sprite's collapse behaviour.
    void init() {}

    // True while init writes the controls.
    bool bRemplissage = false;
};
