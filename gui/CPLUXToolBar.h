#pragma once
// The library toolbar: a bar at the bottom of the window with one button per dialog listed
// in it, each as wide as its whole title, in as many rows as they need; a press shows a
// hidden dialog and hides a shown one. Hidden by default.
#include "gui/CPLUXDialog.h"

#include <vector>

class CPLUXToolBar : public CPLUXDialog {
public:
    CPLUXToolBar();
    // Rebuilds the buttons when the listed dialogs changed and lays the bar out along the
    // bottom of a window of that size, as high as its rows.
    void actualiser(sf::Vector2u tailleFenetre);
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    void draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy) override;

private:
    std::vector<int> handles_;
};
