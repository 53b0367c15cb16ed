#pragma once
// Properties dialog of the level's selected decor sprite ("JeuDialogSprite"). It keeps no copy
// of the sprite: every handler works on the active world's selection, and those that write
// do nothing without one. Each edit is written into the sprite at once; init refills the
// controls and the behaviours' option dialogs after the selection changed.
#include "gui/CPLUXDialog.h"

#include <string>

class CSPRITE;

class CJeuDialogSprite : public CPLUXDialog {
public:
    // Refills the option dialogs and every control from the selection (JeuDialogSprite.cpp).
    void init();

    // Write-back of the inputs, checks and colour (JeuDialogSpriteSaisies.cpp).
    void onCtrlInputChange(CPLUXControlTextInput* c) override;
    void onCtrlCheckChange(CPLUXControlButtonCheck* c) override;
    void onCtrlColorChange(CPLUXControlColor* c) override;
    // Buttons and the choice of the shaders (JeuDialogSpriteBoutons.cpp).
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    void onCtrlComboChange(CPLUXControlComboBox* c) override;

    // The active world's selected decor sprite; null without one.
    static CSPRITE* selection();

    // Whether the sprite's sound is taken to be playing: set by init, flipped by play/pause.
    bool bSonEnLecture = true;
    // True while the dialog writes its own inputs: what they report then was not typed.
    bool bRemplissage = false;

private:
    // The vertex map this dialog gave the shader variables dialog last (compared, never
    // followed): with no selection, it takes back its own, not the animation editor's.
    const void* uniformsDonnees = nullptr;
    // The behaviours' option dialogs from the selection (null: none).
    static void rafraichirOptions(CSPRITE* sd);
    void remplirSprite(CSPRITE& sd);
    void remplirShaders(const CSPRITE& sd);
    void remplirStatutSon(const CSPRITE& sd);
    // Shows the start the sprite keeps after its position was typed.
    void montrerDepart(const CSPRITE& sd);
    // The controls of the fill table from the sprite, or their no-selection values (null).
    void remplirControles(const CSPRITE* sd);

    // The eight behaviour checks; false for another id.
    bool basculerComportement(CSPRITE& sd, const std::string& id, bool etat);
    void basculerSonLocal(CSPRITE& sd, bool etat);

    void jouerPauseSon(CSPRITE& sd);
    // The shadow buttons; false for another id.
    bool deplacerOmbre(CSPRITE& sd, const std::string& id);
    void choisirShader(CSPRITE& sd, const CPLUXControlComboBox& combo, bool fragment);
};
