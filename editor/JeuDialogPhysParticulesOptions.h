#pragma once
// The particle emitter options dialog ("JeuDialogPhysParticulesOptions"): every parameter
// of one emitter, which belongs to the sprite that carries it (a decor sprite, or the
// animation editor's sprite for an anim element's emitter). Each change goes into the live
// emitter at once; only the count, the two emission checks and "myButtonInit" restart it.
#include "gui/CPLUXDialog.h"

class CParticules;
class CSPRITE;

class CJeuDialogPhysParticulesOptions : public CPLUXDialog {
public:
    // The emitter to edit (null: none) and the sprite that owns it; fills the controls
    // (JeuDialogPhysParticulesOptions.cpp).
    void init(CParticules* particules, CSPRITE* proprietaire);

    // Write-back and the two buttons (JeuDialogPhysParticulesOptionsSaisies.cpp).
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    void onCtrlInputChange(CPLUXControlTextInput* c) override;
    void onCtrlCheckChange(CPLUXControlButtonCheck* c) override;
    void onCtrlColorChange(CPLUXControlColor* c) override;

    // Borrowed: whoever frees the emitter or its owner detaches the dialog first.
    CParticules* pParticules = nullptr;
    CSPRITE* pProprietaire = nullptr;
    // True while the dialog writes its own inputs: what they report then was not typed.
    bool bRemplissage = false;

private:
    void remplir(const CParticules& p);
    void vider();
    // Restarts the emitter at its owner with the given type (its own without an owner: 0).
    void redemarrer(int type);
    // The edited emitter's copy becomes the shot emitter of the player's current weapon.
    void testerArme();
    // The four channel inputs show the emitter's colour.
    void afficherCanaux();
};
