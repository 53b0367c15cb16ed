#pragma once
// How the level sees a decor sprite: its frame size, and a level point brought back into
// the sprite's own unturned, unscaled, unflipped frame. Shared by collisions and picking.
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

class CSPRITE;
class CSPRITE3;

namespace geometrie {

// Size of the current frame (the explicit size of a fixed-size sprite); (0, 0) without one.
sf::Vector2i tailleFrame(const CSPRITE& sd);
// The point (x, y) undone of the sprite's rotation (total angle), scale and flips about its
// anchor, in level coordinates (the anchor stays where it is). False when a scale of 0 or a
// position that is not a number makes it meaningless: such a sprite is neither hit nor picked.
bool versLocal(const CSPRITE& sd, float x, float y, sf::Vector2f& local);
// Turns (x, y) about (cx, cy) by the inverse of a rotation of `degres`.
sf::Vector2f tournerInverse(float x, float y, float cx, float cy, float degres);
// The hit box of a layered sprite's current animation in level coordinates (its rectangle
// less the animation's global origin), scaled and mirrored as the sprite is drawn.
sf::FloatRect boiteAnimee(const CSPRITE3& s);

} // namespace geometrie
