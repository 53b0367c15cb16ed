#include "anim/MaillageTriangles.h"

#include <algorithm>

namespace maillage {

namespace {

sf::Vector2f positionDecalee(const sf::VertexArray& quads, const sf::Vector2f* decalages, std::size_t nb,
                             std::size_t i)
{
    sf::Vector2f p = quads[i].position;
    if (decalages && i < nb)
        p += decalages[i];
    return p;
}

} // namespace

void ajouterTriangles(sf::VertexArray& sortie, const sf::VertexArray& quads, const sf::Vector2f* decalages,
                      std::size_t nbDecalages, const sf::Transform& t, sf::Color couleur, sf::Vector2f decalageTex)
{
    // Quad corners a b c d (SFML order) become triangles a b c and a c d.
    static const std::size_t ordre[6] = {0, 1, 2, 0, 2, 3};
    const std::size_t nbQuads = quads.getVertexCount() / 4;
    for (std::size_t q = 0; q < nbQuads; ++q) {
        for (std::size_t k : ordre) {
            std::size_t i = q * 4 + k;
            sortie.append(sf::Vertex(t.transformPoint(positionDecalee(quads, decalages, nbDecalages, i)), couleur,
                                     quads[i].texCoords + decalageTex));
        }
    }
}

sf::FloatRect boite(const sf::VertexArray& quads, const sf::Vector2f* decalages, std::size_t nbDecalages,
                    const sf::Transform& t)
{
    const std::size_t n = quads.getVertexCount();
    if (n == 0)
        return sf::FloatRect();
    sf::Vector2f p = t.transformPoint(positionDecalee(quads, decalages, nbDecalages, 0));
    float x0 = p.x, x1 = p.x, y0 = p.y, y1 = p.y;
    for (std::size_t i = 1; i < n; ++i) {
        p = t.transformPoint(positionDecalee(quads, decalages, nbDecalages, i));
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
    }
    return sf::FloatRect(x0, y0, x1 - x0, y1 - y0);
}

} // namespace maillage
