#pragma once
// Clouds: groups of faint puffs drifting right.
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <memory>
#include <vector>

class CEffetNuages {
public:
    unsigned char drapeau = 1;
    sf::Texture texture;
    int vitesse = 0;
    int largeur = 0, hauteur = 0;
    int nbGroupes = 0;
    int nuagesParGroupe = 8;
    std::vector<std::unique_ptr<sf::Sprite>> nuages;
};
