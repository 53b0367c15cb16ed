#include "level/EffetEtoiles.h"

#include "core/Hasard.h"
#include "core/Media.h"
#include "core/Texte.h"
#include "level/ContexteNiveau.h"
#include "level/LotSprites.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <algorithm>

namespace {

constexpr int COTE_DEFAUT = 100;
constexpr int PERIODE_SCINTILLEMENT = 20;  // one star in 20 twinkles per frame at 30 per second

} // namespace

void CEffetEtoiles::charger(int tailleJeuX, int tailleJeuY, float scrollFondX)
{
    for (int i = 0; i < NB_IMAGES_CHARGEES; ++i) {
        textures[i] = std::make_unique<sf::Texture>();
        tuv::chargerMedia(*textures[i], "./halos/etoile" + std::to_string(i) + ".png");
    }
    sprite = std::make_unique<sf::Sprite>();
    nbImages = NB_IMAGES_CHARGEES;
    largeur = tuv::floatVersInt(static_cast<float>(tailleJeuX) * scrollFondX);
    hauteur = tailleJeuY;
    if (largeur <= 0)
        largeur = COTE_DEFAUT;
    if (hauteur <= 0)
        hauteur = COTE_DEFAUT;
    nbEtoiles = 1000;
}

void CEffetEtoiles::creerEtoiles()
{
    nbEtoiles = niveau::bornerCompte(nbEtoiles);
    etoiles.clear();
    etoiles.reserve(static_cast<size_t>(nbEtoiles));
    for (int i = 0; i < nbEtoiles; ++i) {
        auto e = std::make_unique<Etoile>();
        e->x = static_cast<float>(tuv::randModulo(largeur));
        e->y = static_cast<float>(tuv::randModulo(hauteur));
        e->image = tuv::randModulo(nbImages);
        e->sx = e->sy = 1.0f / static_cast<float>(tuv::rand() % 8 + 1);
        etoiles.push_back(std::move(e));
    }
    std::stable_sort(etoiles.begin(), etoiles.end(),
                     [](const auto& a, const auto& b) { return a->image < b->image; });
}

void CEffetEtoiles::dessiner(sf::RenderTarget*, int, int, float dx, float dy)
{
    if (!sprite)
        return;
    // "One time in 20" at 30 frames per second is one in 40 at 60: the same twinkles per second.
    const int periode = niveau::images(PERIODE_SCINTILLEMENT);
    CLotSprites lot(niveau::scene());
    for (const auto& e : etoiles) {
        sf::Uint8 alpha = 255;
        if (tuv::rand() % periode == 0)
            alpha = static_cast<sf::Uint8>(20 + tuv::rand() % 230);
        const sf::Texture* t = e->image >= 0 && e->image < nbImages ? textures[e->image].get() : nullptr;
        if (!t)
            continue;
        sprite->setTexture(*t, true);
        sprite->setColor(sf::Color(255, 255, 255, alpha));
        sprite->setScale(e->sx, e->sy);
        sprite->setPosition(dx + e->x, dy + e->y);
        lot.ajouter(*sprite);
    }
}
