#pragma once
// Fog: two wide sprites sliding across the view, one after the other.
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

namespace sf { class RenderTarget; }

class CEffetBrouillard {
public:
    static constexpr const char* IMAGE = "./effets/brouillard.png";
    // The image's design size, which the sprites are scaled from.
    static constexpr float LARGEUR_IMAGE = 600, HAUTEUR_IMAGE = 400;

    // Loads the image and lays both sprites over a level of that size, half transparent.
    CEffetBrouillard(int largeur, int hauteur);
    // Draws both sprites into the scene, then thickens and slides them; cible is not used.
    void afficher(sf::RenderTarget* cible);

    unsigned char drapeau = 1;
    sf::Texture texture;
    sf::Sprite sprite1;
    sf::Sprite sprite2;
    int distanceBoucle = 600;
    // The sprites' alpha, kept as a float so that it rises by the same amount per second at
    // 30 and 60 frames per second.
    float alpha = 128;
};
