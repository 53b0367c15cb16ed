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
    if (nbQuads == 0)
        return;
    // The output is sized once and written in place; each corner is transformed once, with
    // the products of sf::Transform::transformPoint.
    const std::size_t debut = sortie.getVertexCount();
    sortie.resize(debut + 6 * nbQuads);
    sf::Vertex* sommet = &sortie[debut];
    const sf::Vertex* entree = &quads[0];
    const float* m = t.getMatrix();
    for (std::size_t q = 0; q < nbQuads; ++q) {
        sf::Vertex coins[4];
        for (std::size_t k = 0; k < 4; ++k) {
            const std::size_t i = q * 4 + k;
            sf::Vector2f p = entree[i].position;
            if (decalages && i < nbDecalages)
                p += decalages[i];
            coins[k] = sf::Vertex(sf::Vector2f(m[0] * p.x + m[4] * p.y + m[12], m[1] * p.x + m[5] * p.y + m[13]),
                                  couleur, entree[i].texCoords + decalageTex);
        }
        for (std::size_t k : ordre)
            *sommet++ = coins[k];
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
