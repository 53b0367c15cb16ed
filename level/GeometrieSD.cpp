#include "level/GeometrieSD.h"

#include "anim/Sprite3.h"
#include "core/SetTextures.h"
#include "core/Sprite.h"

#include <cmath>

namespace geometrie {

sf::Vector2i tailleFrame(const CSPRITE& sd)
{
    if (sd.bTailleFixe)
        return {sd.largeurFixe, sd.hauteurFixe};
    const CSetTextures* set = sd.getSet(sd.numAnim);
    return set ? sf::Vector2i(set->largeur, set->hauteur) : sf::Vector2i(0, 0);
}

sf::Vector2f tournerInverse(float x, float y, float cx, float cy, float degres)
{
    const float dx = x - cx, dy = y - cy;
    if (degres == 0)
        return {x, y};
    const float a = degres * 3.14159265f / 180.0f;
    const float c = std::cos(a), s = std::sin(a);
    return {dx * c + dy * s + cx, dy * c - dx * s + cy};
}

bool versLocal(const CSPRITE& sd, float x, float y, sf::Vector2f& local)
{
    if (sd.sx == 0 || sd.sy == 0)
        return false;
    const sf::Vector2f t = tournerInverse(x, y, sd.x, sd.y, sd.getAngleTotal());
    local.x = sd.flipH * (t.x - sd.x) / sd.sx + sd.x;
    local.y = sd.flipV * (t.y - sd.y) / sd.sy + sd.y;
    return std::isfinite(local.x) && std::isfinite(local.y);
}

sf::FloatRect boiteAnimee(const CSPRITE3& s)
{
    // The rectangle is in the animation's frame, whose global origin stands at the sprite's
    // position (as the drawing places it).
    sf::FloatRect h = s.getRectHitbox(s.getAnimation());
    const sf::Vector2f o = s.getOrigineGlobaleCourante();
    h.left -= o.x;
    h.top -= o.y;
    const float gauche = s.miroir == 1 ? h.left * s.sx + s.x : s.x - (h.left + h.width) * s.sx;
    return {gauche, h.top * s.sy + s.y, h.width * s.sx, h.height * s.sy};
}

} // namespace geometrie
