#pragma once
// Options of the selected decor sprite's seesaw ("JeuDialogPhysBasculeOptions"): typing writes
// nothing; "myButtonOk" writes the eight values together, "myButtonAnnuler" shows the
// seesaw's values again.
#include "gui/CPLUXDialog.h"

class CJeuDialogPhysBasculeOptions : public CPLUXDialog {
public:
    // Refills the dialog from the selected sprite's seesaw; the inputs keep their texts
    // without one.
    void init();

    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;

    // True while init writes the controls.
    bool bRemplissage = false;

private:
    void valider();
};
