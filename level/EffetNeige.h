#pragma once
// Snow: flakes drifting down over the level.
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <vector>

class CEffetNeige {
public:
    unsigned char drapeau = 1;
    sf::Texture texture;
    int vitesseChute = 0;
    int derive = 0;
    int largeur = 0, hauteur = 0;
    int marge = 50;
    int nbFlocons = 0;
    std::vector<sf::Sprite> flocons;
};
