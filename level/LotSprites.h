#pragma once
// Draws many sf::Sprite with few draw calls: consecutive sprites on one texture go into one
// vertex array, drawn when the texture changes and at the end. Each sprite's corners are
// transformed on the CPU exactly as SFML does for a lone sprite, and the drawing order is
// kept, so the pixels are those of drawing the sprites one by one.
#include <SFML/Graphics/Vertex.hpp>

#include <vector>

namespace sf { class RenderTarget; class Sprite; class Texture; }

class CLotSprites {
public:
    // cible may be null: nothing is drawn then.
    explicit CLotSprites(sf::RenderTarget* cible);
    ~CLotSprites();  // draws what is pending
    CLotSprites(const CLotSprites&) = delete;
    CLotSprites& operator=(const CLotSprites&) = delete;

    // Queues the sprite as it stands now (a sprite without texture draws nothing).
    void ajouter(const sf::Sprite& sprite);
    // Draws what is pending.
    void vider();
    // Draw calls made so far.
    int nbDessins() const { return dessins; }

private:
    sf::RenderTarget* cible;
    const sf::Texture* texture = nullptr;
    std::vector<sf::Vertex> sommets;
    int dessins = 0;
};
