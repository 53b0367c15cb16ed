#pragma once
// The particle emitter options dialog ("JeuDialogPhysParticulesOptions"): every parameter
// of one emitter, which belongs to the sprite that carries it.
#include "gui/CPLUXDialog.h"

class CParticules;
class CSPRITE;

class CJeuDialogPhysParticulesOptions : public CPLUXDialog {
public:
    // The emitter to edit (null: none) and the sprite that owns it.
    void init(CParticules* particules, CSPRITE* proprietaire);
};
