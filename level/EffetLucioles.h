#pragma once
// Fireflies: halos circling about their own centres and blinking.
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <memory>
#include <vector>

namespace sf { class RenderTarget; }

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
    static constexpr const char* IMAGE = "./halos/halo1.png";

    // Loads the halo and makes n fireflies (0 to 10,000) over a level of that size.
    CEffetLucioles(int n, int largeur, int hauteur);
    // Moves and draws fireflies premier .. fin - 1 into the scene at offset (dx, dy); cible is
    // not used.
    void afficher(sf::RenderTarget* cible, int premier, int fin, float dx, float dy);

    unsigned char drapeau = 1;
    sf::Texture texture;
    int largeur = 0, hauteur = 0;
    int departGauche = 0;
    int nbLucioles = 0;
    std::vector<std::unique_ptr<Luciole>> lucioles;

private:
    void creerLuciole(Luciole& l, float zoom);
    void animer(Luciole& l, float coeff);
};
