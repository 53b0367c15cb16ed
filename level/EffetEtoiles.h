#pragma once
// Stars: small twinkling images spread over the background.
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <memory>
#include <vector>

struct Etoile {
    float x = 0, y = 0;
    float sx = 1, sy = 1;
    int image = 0;
};

class CEffetEtoiles {
public:
    // Frees the stars, the sprite and the textures.
    void liberer()
    {
        etoiles.clear();
        sprite.reset();
        for (auto& t : textures)
            t.reset();
    }

    unsigned char drapeau = 1;
    int largeur = 0, hauteur = 0;
    std::unique_ptr<sf::Texture> textures[10];  // the first four are loaded
    std::unique_ptr<sf::Sprite> sprite;
    int nbImages = 4;
    int nbEtoiles = 1000;
    std::vector<std::unique_ptr<Etoile>> etoiles;
};
