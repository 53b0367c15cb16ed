#pragma once
// Options of the selected decor sprite's force zone ("JeuDialogPhysForceOptions").
// Declared with what the sprite properties dialog calls; its controls are not handled yet.
#include "gui/CPLUXDialog.h"

class CJeuDialogPhysForceOptions : public CPLUXDialog {
public:
    // Refills the dialog from the selected sprite's force zone.
    void refreshFromSprite() {}
};
