#pragma once
// The shader variables dialog ("JeuDialogShader"): the values of the uniforms that a vertex
// and a fragment shader declare, written into two uniform tables that belong to whoever
// opened it (a decor sprite, or an anim element of the animation editor).
#include "core/Sprite.h"
#include "gui/CPLUXDialog.h"

class CJeuDialogShaderVERT : public CPLUXDialog {
public:
    // Which table the value inputs edit: -1 none, 0 the vertex table, 1 the fragment table.
    int iListeCourante = -1;
    // Set together by the opener (both null or both set); never owned.
    CSPRITE::Uniforms* pUniformsVert = nullptr;
    CSPRITE::Uniforms* pUniformsFrag = nullptr;

    // Refills the dialog from the two tables.
    void init();
};
