#pragma once
// Stars: small twinkling images spread over the background.
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <memory>
#include <vector>

namespace sf { class RenderTarget; }

struct Etoile {
    float x = 0, y = 0;
    float sx = 1, sy = 1;
    int image = 0;
};

class CEffetEtoiles {
public:
    // "./halos/etoile0.png" to "./halos/etoile3.png".
    static constexpr int NB_IMAGES_CHARGEES = 4;

    // Loads the four images; the area is the level's width times the background's horizontal
    // scroll factor by its height (100 for a side of 0 or less); 1000 stars until set.
    void charger(int tailleJeuX, int tailleJeuY, float scrollFondX);
    // Makes nbEtoiles stars (held to 0..10,000). They are kept grouped by image, so that a
    // drawing needs one draw call per image.
    void creerEtoiles();
    // Draws every star into the scene at offset (dx, dy), twinkling now and then; cible and the
    // two ints are not used.
    void dessiner(sf::RenderTarget* cible, int, int, float dx, float dy);
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
