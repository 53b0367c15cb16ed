#pragma once
// An element's deformation mesh is kept as quads (four vertices per cell, texture
// coordinates in sheet pixels), the form the editor edits. SFML 2 draws triangles best,
// and one draw call per element (or per batch of elements) instead of one per cell, so
// drawing turns the cells into two triangles each, already transformed.
#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Transform.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <cstddef>

namespace maillage {

// Appends to `sortie` (primitive type Triangles) six vertices per complete quad of `quads`:
// position = t * (quad position + offset of that vertex), the quad's texture coordinates,
// colour `couleur`. `decalages` holds one offset per vertex of `quads`; missing ones count
// as (0, 0). Texture coordinates are shifted by decalageTex. A trailing incomplete quad is
// ignored.
void ajouterTriangles(sf::VertexArray& sortie, const sf::VertexArray& quads, const sf::Vector2f* decalages,
                      std::size_t nbDecalages, const sf::Transform& t, sf::Color couleur,
                      sf::Vector2f decalageTex = sf::Vector2f());

// Bounding box of the transformed, offset vertices; (0, 0, 0, 0) for an empty mesh.
sf::FloatRect boite(const sf::VertexArray& quads, const sf::Vector2f* decalages, std::size_t nbDecalages,
                    const sf::Transform& t);

} // namespace maillage
