#pragma once
// Snow: flakes drifting down over the level.
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <vector>

namespace sf { class RenderTarget; }

class CEffetNeige {
public:
    static constexpr const char* IMAGE = "./effets/neige.png";

    // Loads the flake image.
    CEffetNeige();
    // Makes the flakes over a level of that width seen at that zoom: the area is the level's
    // width times the zoom and `hauteur` high.
    void creer(int n, int chute, int derive, int largeurNiveau, int hauteur, float zoom);
    // The height of a level plus the 100 pixels below it where falling flakes leave it.
    static int hauteurAvecMarge(int hauteurNiveau);
    // Makes n flakes (0 to 10,000) over an area of that size.
    void creerFlocons(int n, int chute, int derive, int largeur, int hauteur);
    // Moves, turns and draws every flake into the scene; cible is not used.
    void afficher(sf::RenderTarget* cible);

    unsigned char drapeau = 1;
    sf::Texture texture;
    int vitesseChute = 0;
    int derive = 0;
    int largeur = 0, hauteur = 0;
    int marge = 50;
    int nbFlocons = 0;
    std::vector<sf::Sprite> flocons;
};
