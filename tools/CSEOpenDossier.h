#pragma once
// The slicer's folder picker: "open" gives the current folder to the slicer
// ("CSESelectionZone", reached by its id) and closes; the sequence loads when the user then
// presses the slicer's "myButtonOpenAnimation".
#include "gui/CPLUXDialogFile.h"

class CCSEOpenDossier : public CPLUXDialogFile {
public:
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
};
