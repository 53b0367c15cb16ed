#pragma once
// What the weather effects share: the light sprite of the dust cloud and the storm, read from
// a definition only when the file is there (a missing effect file is not reported), and the
// scattering of rain drops and snow flakes.
#include <memory>
#include <vector>

class CSPRITE_SIMPLE;
namespace sf { class RenderTarget; class Sprite; class Texture; }

namespace effets {

// The sprite of the definition, its origin at the centre of its first frame and its scale
// (echelle, echelle); null when the file does not load.
std::unique_ptr<CSPRITE_SIMPLE> chargerSprite(const char* definition, float echelle);
// Advances the animation, then draws the current image into the target (when there is one).
void avancerEtDessiner(CSPRITE_SIMPLE& s, sf::RenderTarget* cible);
// n sprites on the texture above an area, at x = rand % (largeur + marge) and
// y = -(rand % hauteur), scaled by (rand / 32767 x 0.8 + 0.3) x 10 / diviseur, with an alpha
// of 56 to 255.
void semer(std::vector<sf::Sprite>& sprites, int n, const sf::Texture& texture, int largeur, int marge, int hauteur,
           float diviseur);

} // namespace effets
