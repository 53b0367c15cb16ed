#pragma once
// The level options dialog ("JeuDialogOptionsNiv"): the characters zone, the game type, the
// level file's path, the seven weather and ambient effects, the game map and the saved view
// mode of the running level, each change written into the game or the level at once. The
// level reader refills it at the end of every load (CPLUX::refresh reaches init). A number
// field whose text cannot become a number is refused: the value stays, and a box says so;
// the background image's numbers, which the library edits by name, too.
#include "gui/CPLUXDialog.h"

#include <string>

class CJeuDialogOptionsNiv : public CPLUXDialog {
public:
    // Every control from the running level and the game.
    void init();

    void onShow() override;
    void onRefresh() override;
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    void onCtrlInputChange(CPLUXControlTextInput* c) override;
    void onCtrlCheckChange(CPLUXControlButtonCheck* c) override;
    void onCtrlComboChange(CPLUXControlComboBox* c) override;

private:
    // The checks and the view mode from the level and the game.
    void remplirCases();
};
