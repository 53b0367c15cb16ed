#pragma once
// The level options dialog ("JeuDialogOptionsNiv"): the characters zone, the game type, the
// level file's path, the seven weather and ambient effects, the game map and the saved view
// mode of the running level, each change written into the game or the level at once. The
// level reader refills it at the end of every load (CPLUX::refresh reaches init). A number
// field whose text cannot become a number, or a number it does not take (a game type outside
// 0 to 2, a background blur below 0 or scale of 0 or below), is refused: the value stays, and
// a box says so; the background image's numbers, which the library edits by name, too.
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

    void onCtrlInputLeave(CPLUXControlTextInput* c) override;

private:
    // The checks and the view mode from the level and the game.
    void remplirCases();
    // The background's blur and scale held to what draws (quitte: the field was left).
    void bornerFond(CPLUXControlTextInput& c, bool quitte);
    // Their values before the last edit, for a refusal to put back.
    float gardesFond[2] = {0.f, 1.f};
};
