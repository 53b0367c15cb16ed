#include "level/EffetNuages.h"

#include "core/Hasard.h"
#include "core/Media.h"
#include "level/ContexteNiveau.h"
#include "level/LotSprites.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <algorithm>

namespace {

constexpr sf::Uint8 ALPHA = 20;
constexpr int HAUTEUR_GROUPES = 300;  // group corners lie in the top 300 pixels
constexpr int ETENDUE_X = 600, ETENDUE_Y = 100;
constexpr float SORTIE = 200;  // past the right edge by this much, a cloud comes back left

} // namespace

CEffetNuages::CEffetNuages(int groupes, int l, int h)
{
    tuv::chargerMedia(texture, IMAGE);
    creerNuages(groupes, 1, l, h);
}

void CEffetNuages::creerNuages(int groupes, int v, int l, int h)
{
    nbGroupes = std::clamp(groupes, 0, niveau::NB_PARTICULES_MAX / nuagesParGroupe);
    vitesse = v;
    largeur = l;
    hauteur = h;
    nuages.clear();
    int gx = 0, gy = 0;
    for (int i = 0; i < nbGroupes * nuagesParGroupe; ++i) {
        auto s = std::make_unique<sf::Sprite>(texture);
        s->setOrigin(ORIGINE, ORIGINE);
        s->setColor(sf::Color(255, 255, 255, ALPHA));
        if (i % nuagesParGroupe == 0) {
            gx = tuv::randModulo(largeur);
            gy = tuv::rand() % HAUTEUR_GROUPES;
        }
        const int x = gx + tuv::rand() % ETENDUE_X;
        const int y = gy + tuv::rand() % ETENDUE_Y;
        s->setPosition(static_cast<float>(x), static_cast<float>(y));
        const float e = tuv::randFraction() * 8 + 2;
        s->setScale(e, e);
        nuages.push_back(std::move(s));
    }
}

void CEffetNuages::afficher(sf::RenderTarget*, float dx, float dy)
{
    const float coeff = niveau::coefficient();
    CLotSprites lot(niveau::scene());
    for (auto& s : nuages) {
        // Turns and drifts per frame at 30 per second: half of each at 60.
        const int r = tuv::rand() % 3;
        s->rotate(static_cast<float>(r) * (0.7f - tuv::randFraction()) * coeff);
        const float xAvant = s->getPosition().x;
        s->setPosition(xAvant + tuv::randFraction() * static_cast<float>(vitesse) * coeff + dx,
                       s->getPosition().y + dy);
        lot.ajouter(*s);
        if (xAvant > static_cast<float>(largeur) + SORTIE)
            s->setPosition(-SORTIE, s->getPosition().y);
    }
}
