#pragma once
// The frame and anim-element script editor of the animation editor ("JeuDialogScriptAnm").
// The animation editor retargets it each time its keyframe panel changes keyframe.
#include "gui/CPLUXDialog.h"

class CSPRITE3;

class CJeuDialogScriptAnm : public CPLUXDialog {
public:
    // Targets the script of the keyframe under the sprite's current frame; null: nothing.
    void editScriptFrame(CSPRITE3* sprite);
};
