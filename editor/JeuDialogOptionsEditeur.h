#pragma once
// The editor options dialog ("JeuDialogOptionsEditeur"): light sprites shown again, every AI
// put back where it started, the level reloaded (with or without moving the player), saved,
// and the switch between playing and editing. Its check buttons are bound by name to the
// game's editor flags; any change makes the toolbar read its flags again.
#include "gui/CPLUXDialog.h"

class CPerso;

class CJeuDialogOptionsEditeur : public CPLUXDialog {
public:
    void onCreate() override;
    void onShow() override;
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    void onCtrlCheckChange(CPLUXControlButtonCheck* c) override;

private:
    // "myButtonChargePosIAs" for one character and its children.
    static void replacerIA(CPerso& ia);
    void rechargerSaufJoueur();
    void basculerModeJeu();
};
