#pragma once
// Properties of one character of the running level ("JeuDialogPerso"): the player or an AI,
// edited in place. The callers point it at its character, then refill it with init; every
// change of a control is written straight into the character, its sprite or its bank.
#include "core/RefPerso.h"
#include "gui/CPLUXDialog.h"

class CPerso;

class CJeuDialogPerso : public CPLUXDialog {
public:
    // Refills the controls from the character, silently; all empty and inactive without one.
    void init();

    // Made without a character: empty.
    void onCreate() override;
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    void onCtrlInputChange(CPLUXControlTextInput* c) override;
    void onCtrlCheckChange(CPLUXControlButtonCheck* c) override;
    // A level load: the character shown is gone, or still there; the fields say which.
    void onRefresh() override;
    // The character's place follows it as it moves (a drag, a fall), except in a field the
    // author is typing in; a character freed meanwhile empties the dialog.
    void onFrame() override;

    // The character being edited; reads null once that character is freed.
    RefPerso pPerso;

private:
    bool rempli = false;  // the controls show a character
};

namespace editeur {
// The hook of a character's icon menu (g_services.editerPerso): the character dialog takes
// the character and is refilled; with basculer it is shown when minimised, hidden otherwise.
// Nothing without the dialog.
void editerPerso(CPerso* perso, bool basculer);
} // namespace editeur
