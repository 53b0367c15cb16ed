#pragma once
// A dig hole: a rectangle cut into a decor sprite's ground, drawn as a dark hole with two
// images and deepened step by step. At creation it measures the slope of the sprite's mask
// at the hole's edge, which the editor shows as a tilted mark.
#include <SFML/Graphics/Sprite.hpp>

class CDecor;
class CSPRITE;
class CSPRITE3;
namespace sf { class RenderTarget; }

class CCreusement {
public:
    // The maximum depth comes from the game's player character (0 without one).
    CCreusement();

    // Places the hole at the dig point (x, y) of the decor sprite s of that level world.
    void init(CDecor& decor, CSPRITE* s, int x, int y);
    // One dig deeper, until the maximum depth is reached.
    void creuser();
    // What lies behind the characters, and what lies in front of them.
    void dessiner(sf::RenderTarget& cible);
    void dessinerDevant(sf::RenderTarget& cible);

    // How far the slope search goes from the dig point, at most.
    static constexpr int RECHERCHE_PENTE_MAX = 200;

    float profondeurMax = 0;
    float pas = 10.0f;
    float largeur = 90.0f;
    int hauteurSurface = 30;
    float angle = 0;
    int profondeurDepart = 50;
    int rectX = 0, rectY = 0, rectLargeur = 0, profondeur = 0;
    sf::Sprite spriteTrou;
    sf::Sprite spriteBord;
    CSPRITE3* pSDSol = nullptr;  // the level's dig-hole ground sprite; not owned
    float pointPenteX = 0, pointPenteY = 0;
    float coinSDX = 0, coinSDY = 0;

private:
    void placerImages(const CSPRITE& s, int x, int y);
    // Offset of the slope from the dig point along the column, searching up inside the
    // ground or down outside it.
    int chercherPente(CDecor& decor, CSPRITE* s, float colonne, float yRel);
};
