#pragma once
// Fireflies: halos circling about their own centres and blinking.
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <memory>
#include <vector>

struct Luciole {
    float x = 0, y = 0;              // current position
    float centreX = 0, centreY = 0;
    float pasAlpha = 0;
    float rayon = 0;
    float vitesseAngulaire = 0;      // radians per frame
    float decalage = 0;              // draw offset
    sf::Sprite sprite;
};

class CEffetLucioles {
public:
    unsigned char drapeau = 1;
    sf::Texture texture;
    int largeur = 0, hauteur = 0;
    int departGauche = 0;
    int nbLucioles = 0;
    std::vector<std::unique_ptr<Luciole>> lucioles;
};
