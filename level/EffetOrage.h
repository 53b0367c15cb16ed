#pragma once
// Storm: lightning strokes, flashes of the colour filter and thunder.
#include "core/SpriteSimple.h"

#include <memory>

class CDecor;

class CEffetOrage {
public:
    static constexpr const char* DEFINITION = "./effets/eclair1.dec";
    // A flash keeps the filter on for this many more drawings (at 30 frames per second).
    static constexpr int DUREE_FLASH = 2;

    // Loads the lightning for that world; the four values are not used. A definition that
    // does not load leaves a storm that draws nothing and leaves the filter alone.
    void charger(CDecor& decor, int, int, int, int);
    // One drawing: the flash counter, a running stroke, and now and then a new stroke or a
    // flash with thunder and a shake of the camera.
    void afficher();
    void liberer() { pEclair.reset(); }

    std::unique_ptr<CSPRITE_SIMPLE> pEclair;
    int compteurFlash = -1;
    CDecor* pDecor = nullptr;  // the world whose filter it flashes; not owned

private:
    void frapper();
    void flash();
};
