#pragma once
// Rain: drops falling over the level, splashing on the decor or below the level.
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <vector>

class CEffetPluie {
public:
    unsigned char drapeau = 1;
    sf::Texture textureGoutte;
    sf::Texture textureEclaboussure;
    int chuteBase = 100;
    int deriveBase = 20;
    int pasDerive = 20;  // current drift step
    int pasChute = 100;  // current fall step
    int largeur = 0, hauteur = 0;
    int marge = 300;
    int nbGouttes = 0;
    std::vector<sf::Sprite> gouttes;
    std::vector<int> etats;  // -1 falling, 1 to 4 splash frames left, 0 to be put back
};
