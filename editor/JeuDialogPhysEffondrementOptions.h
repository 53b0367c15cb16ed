#pragma once
// Options of the selected decor sprite's collapse behaviour ("JeuDialogPhysEffondrementOptions"):
// the fall's speed and height, and the buttons that put collapsed platforms back.
#include "gui/CPLUXDialog.h"

class CSPRITE;

class CJeuDialogPhysEffondrementOptions : public CPLUXDialog {
public:
    // Refills the dialog from the selected sprite's collapse behaviour; empty without one.
    void init();

    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    void onCtrlInputChange(CPLUXControlTextInput* c) override;
    void onCtrlCheckChange(CPLUXControlButtonCheck* c) override;

    // Puts the sprite back at its initial position on animation 0 and, when it has the
    // behaviour, makes its collapse ready to be triggered again.
    static void remettre(CSPRITE& sd);

    // True while init writes the controls.
    bool bRemplissage = false;
};
