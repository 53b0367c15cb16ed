#include "level/LotSprites.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cstdlib>

CLotSprites::CLotSprites(sf::RenderTarget* c) : cible(c) {}

CLotSprites::~CLotSprites() { vider(); }

void CLotSprites::ajouter(const sf::Sprite& s)
{
    const sf::Texture* t = s.getTexture();
    if (!t || !cible)
        return;
    if (t != texture) {
        vider();
        texture = t;
    }
    // The corners and texture coordinates of sf::Sprite, in its strip order 0 1 2 3; its
    // two triangles are (0, 1, 2) and (1, 2, 3).
    const sf::IntRect r = s.getTextureRect();
    const float l = static_cast<float>(std::abs(r.width)), h = static_cast<float>(std::abs(r.height));
    const float gauche = static_cast<float>(r.left), droite = gauche + r.width;
    const float haut = static_cast<float>(r.top), bas = haut + r.height;
    const sf::Transform& m = s.getTransform();
    const sf::Color c = s.getColor();
    const sf::Vertex coins[4] = {
        sf::Vertex(m.transformPoint(0, 0), c, {gauche, haut}),
        sf::Vertex(m.transformPoint(0, h), c, {gauche, bas}),
        sf::Vertex(m.transformPoint(l, 0), c, {droite, haut}),
        sf::Vertex(m.transformPoint(l, h), c, {droite, bas}),
    };
    for (int i : {0, 1, 2, 1, 2, 3})
        sommets.push_back(coins[i]);
}

void CLotSprites::vider()
{
    if (!sommets.empty() && cible && texture) {
        sf::RenderStates etats;
        etats.texture = texture;
        cible->draw(sommets.data(), sommets.size(), sf::Triangles, etats);
        ++dessins;
    }
    sommets.clear();
    texture = nullptr;
}
