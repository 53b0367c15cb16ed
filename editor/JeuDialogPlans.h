#pragma once
// The layers dialog ("JeuDialogPlans"): the level's working plane, which of its five planes
// are drawn, the layer number new decor sprites receive and the one layer shown.
#include "gui/CPLUXDialog.h"

class CJeuDialogPlans : public CPLUXDialog {
public:
    void onCreate() override;
    void onShow() override;
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    void onCtrlInputChange(CPLUXControlTextInput* c) override;

private:
    // The two inputs, the working plane's check and the five visibility checks from the level.
    void remplir();
};
