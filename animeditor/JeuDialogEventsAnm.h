#pragma once
// The dialog that binds scripts to the mouse events of an anim element ("JeuDialogEventsAnm").
// The animation editor tells it which anim element it shows whenever the selection changes.
#include "gui/CPLUXDialog.h"

class CSPRITE3;

class CJeuDialogEventsAnm : public CPLUXDialog {
public:
    // The anim element animElem of animation `animation` of the sprite; -1 for none.
    void setElement(CSPRITE3* sprite, int animation, int animElem);
};
