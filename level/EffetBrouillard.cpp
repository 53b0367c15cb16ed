#include "level/EffetBrouillard.h"

#include "core/Media.h"
#include "core/Texte.h"
#include "level/ContexteNiveau.h"
#include "level/LotSprites.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <algorithm>

namespace {

constexpr float ALPHA_MAX = 255;
constexpr float VITESSE = 5;  // pixels per frame at 30 per second

} // namespace

CEffetBrouillard::CEffetBrouillard(int largeur, int hauteur)
{
    tuv::chargerMedia(texture, IMAGE);
    const sf::Vector2f echelle(static_cast<float>(largeur) / LARGEUR_IMAGE,
                               (static_cast<float>(hauteur) + 50) / HAUTEUR_IMAGE);
    for (sf::Sprite* s : {&sprite1, &sprite2}) {
        s->setTexture(texture, true);
        s->setScale(echelle);
        s->setColor(sf::Color(255, 255, 255, static_cast<sf::Uint8>(alpha)));
    }
    sprite1.setPosition(0, 0);
    sprite2.setPosition(static_cast<float>(-distanceBoucle), 0);
}

void CEffetBrouillard::afficher(sf::RenderTarget*)
{
    {
        CLotSprites lot(niveau::scene());
        lot.ajouter(sprite1);
        lot.ajouter(sprite2);
    }
    const float coeff = niveau::coefficient();
    if (alpha < ALPHA_MAX) {
        alpha = std::min(ALPHA_MAX, alpha + coeff);
        const sf::Color c(255, 255, 255, static_cast<sf::Uint8>(tuv::floatVersInt(alpha)));
        sprite1.setColor(c);
        sprite2.setColor(c);
    }
    for (sf::Sprite* s : {&sprite1, &sprite2}) {
        s->move(VITESSE * coeff, 0);
        if (s->getPosition().x >= static_cast<float>(distanceBoucle))
            s->setPosition(static_cast<float>(-distanceBoucle), 0);
    }
}
