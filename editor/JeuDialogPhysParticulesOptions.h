#pragma once
// The particle emitter options dialog ("JeuDialogPhysParticulesOptions"): every parameter
// of one emitter, which belongs to the sprite that carries it (a decor sprite, or the
// animation editor's sprite for an anim element's emitter).
#include "gui/CPLUXDialog.h"

class CParticules;
class CSPRITE;

class CJeuDialogPhysParticulesOptions : public CPLUXDialog {
public:
    // The emitter to edit (null: none) and the sprite that owns it.
    void init(CParticules* particules, CSPRITE* proprietaire);

    // Borrowed: whoever frees the emitter or its owner detaches the dialog first.
    CParticules* pParticules = nullptr;
    CSPRITE* pProprietaire = nullptr;
};
