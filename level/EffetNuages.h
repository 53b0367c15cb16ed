#pragma once
// Clouds: groups of faint puffs drifting right.
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <memory>
#include <vector>

namespace sf { class RenderTarget; }

class CEffetNuages {
public:
    static constexpr const char* IMAGE = "./effets/nuage.png";
    static constexpr float ORIGINE = 25;  // centre of the 50 x 50 image

    // Loads the image and makes nbGroupes groups of 8 clouds over a level of that size.
    CEffetNuages(int nbGroupes, int largeur, int hauteur);
    void creerNuages(int nbGroupes, int vitesse, int largeur, int hauteur);
    // Turns, moves and draws every cloud into the scene at offset (dx, dy); cible is not used.
    void afficher(sf::RenderTarget* cible, float dx, float dy);

    unsigned char drapeau = 1;
    sf::Texture texture;
    int vitesse = 0;
    int largeur = 0, hauteur = 0;
    int nbGroupes = 0;
    int nuagesParGroupe = 8;
    std::vector<std::unique_ptr<sf::Sprite>> nuages;
};
