#pragma once
// Dust cloud: a big animated puff crossing the view while the colour filter swings.
#include "core/SpriteSimple.h"

#include <SFML/Graphics/Color.hpp>

#include <memory>

class CDecor;
namespace sf { class RenderTarget; }

class CEffetNuagePoussiere {
public:
    static constexpr const char* DEFINITION = "./effets/poussiere2.dec";

    // Loads the cloud for that world and switches its colour filter on. A definition that
    // does not load leaves an effect that draws nothing and leaves the filter alone.
    void charger(CDecor& decor);
    // Moves, animates and draws the cloud into the scene and swings the filter's tint; cible
    // is not used.
    void afficher(sf::RenderTarget* cible);
    void liberer() { pSprite.reset(); }

    unsigned char drapeau = 1;
    std::unique_ptr<CSPRITE_SIMPLE> pSprite;
    int vitesse = 0;
    sf::Color teinte;
    int sensTeinte = 1;
    CDecor* pDecor = nullptr;  // the world whose filter it tints; not owned

private:
    void replacer();
    void varierTeinte();
};
