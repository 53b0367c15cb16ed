#pragma once
// Storm: lightning strokes, flashes of the colour filter and thunder.
#include "core/SpriteSimple.h"

#include <memory>

class CEffetOrage {
public:
    void liberer() { pEclair.reset(); }

    std::unique_ptr<CSPRITE_SIMPLE> pEclair;
    int compteurFlash = -1;
};
