#pragma once
// Fog: two wide sprites sliding across the view, one after the other.
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

class CEffetBrouillard {
public:
    unsigned char drapeau = 1;
    sf::Texture texture;
    sf::Sprite sprite1;
    sf::Sprite sprite2;
    int distanceBoucle = 600;
};
