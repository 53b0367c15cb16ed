#pragma once
// The editor's level save dialog ("JeuDialogSauverNiv"): "save" writes the running level to
// the typed name in the shown folder (the library has asked before replacing a file). Once
// written, the level options dialog shows the new file, which the quick save then writes to.
// It stays open.
#include "gui/CPLUXDialogFile.h"

#include <string>

class CJeuDialogSauverNiv : public CPLUXDialogFileSave {
public:
    static constexpr const char* ID = "JeuDialogSauverNiv";
    static constexpr const char* BOUTON_SAUVER = "save";

    CJeuDialogSauverNiv();
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
};
