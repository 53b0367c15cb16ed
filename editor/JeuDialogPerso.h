#pragma once
// Properties of one character of the running level ("JeuDialogPerso"): the player or an AI,
// edited in place. The callers point it at its character, then refill it with init.
#include "characters/RefPerso.h"
#include "gui/CPLUXDialog.h"

class CJeuDialogPerso : public CPLUXDialog {
public:
    // Refills the controls from the character.
    void init() {}

    // The character being edited; reads null once that character is freed.
    RefPerso pPerso;
};
