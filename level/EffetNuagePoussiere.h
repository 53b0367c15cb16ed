#pragma once
// Dust cloud: a big animated puff crossing the view while the colour filter swings.
#include "core/SpriteSimple.h"

#include <SFML/Graphics/Color.hpp>

#include <memory>

class CEffetNuagePoussiere {
public:
    void liberer() { pSprite.reset(); }

    unsigned char drapeau = 1;
    std::unique_ptr<CSPRITE_SIMPLE> pSprite;
    int vitesse = 0;
    sf::Color teinte;
    int sensTeinte = 1;
};
