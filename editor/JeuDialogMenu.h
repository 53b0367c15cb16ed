#pragma once
// The editor main menu ("JeuDialogMenu"): fifteen buttons, each showing or hiding one of the
// editor's other dialogs by its id. It holds no state.
#include "gui/CPLUXDialog.h"

class CJeuDialogMenu : public CPLUXDialog {
public:
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
};
