#include "level/EffetsCommuns.h"

#include "core/Fichiers.h"
#include "core/Hasard.h"
#include "core/Sprite.h"
#include "core/SpriteSimple.h"

#include <SFML/Graphics/Sprite.hpp>

namespace effets {

std::unique_ptr<CSPRITE_SIMPLE> chargerSprite(const char* definition, float echelle)
{
    auto s = std::make_unique<CSPRITE_SIMPLE>();
    if (!tuv::fichierExiste(definition) || !s->charger(definition) || !s->getSprite())
        return nullptr;
    CSPRITE& sp = *s->getSprite();
    sp.setOrigine(static_cast<float>(sp.getLargeur() / 2), static_cast<float>(sp.getHauteur() / 2));
    s->setScale(echelle, echelle);
    return s;
}

void avancerEtDessiner(CSPRITE_SIMPLE& s, sf::RenderTarget* cible)
{
    CSPRITE* sp = s.getSprite();
    if (!sp)
        return;
    sp->animer(-1);
    if (cible)
        sp->dessinerImage(*cible, 0, 0);
}

void semer(std::vector<sf::Sprite>& sprites, int n, const sf::Texture& texture, int largeur, int marge, int hauteur,
           float diviseur)
{
    sprites.assign(static_cast<size_t>(n), sf::Sprite());
    for (sf::Sprite& s : sprites) {
        s.setTexture(texture, true);
        const int x = tuv::randModulo(static_cast<long long>(marge) + largeur);
        const int y = -tuv::randModulo(hauteur);
        s.setPosition(static_cast<float>(x), static_cast<float>(y));
        const float e = (tuv::randFraction() * 0.8f + 0.3f) * 10 / diviseur;
        s.setScale(e, e);
        s.setColor(sf::Color(255, 255, 255, static_cast<sf::Uint8>(tuv::rand() % 200 + 56)));
    }
}

} // namespace effets
