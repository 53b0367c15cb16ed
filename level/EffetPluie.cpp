#include "level/EffetPluie.h"

#include "core/Hasard.h"
#include "core/Media.h"
#include "core/Services.h"
#include "core/Texte.h"
#include "level/ContexteNiveau.h"
#include "level/EffetsCommuns.h"
#include "level/LotSprites.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <algorithm>

namespace {

constexpr int CHANCES_VENT = 20;

} // namespace

CEffetPluie::CEffetPluie(int n, int l, int h)
{
    tuv::chargerMedia(textureGoutte, IMAGE_GOUTTE);
    tuv::chargerMedia(textureEclaboussure, IMAGE_ECLABOUSSURE);
    creerGouttes(n, chuteBase, deriveBase, l, h);
}

void CEffetPluie::creerGouttes(int n, int chute, int derive, int l, int h)
{
    chuteBase = pasChute = chute;
    deriveBase = pasDerive = derive;
    largeur = l;
    hauteur = h;
    nbGouttes = niveau::bornerCompte(n);
    effets::semer(gouttes, nbGouttes, textureGoutte, largeur, marge, hauteur, 15);
    etats.assign(static_cast<size_t>(nbGouttes), TOMBE);
}

// Now and then (one drawing in 20 at 30 frames per second, in 40 at 60) the wind and the fall
// change a little.
void CEffetPluie::changerVent()
{
    if (tuv::rand() % niveau::images(CHANCES_VENT) != 0)
        return;
    const int r = tuv::rand() % 20;
    const float coeff = niveau::coefficient();
    pasDerive = tuv::floatVersInt(static_cast<float>(deriveBase + r) * coeff);
    pasChute = tuv::floatVersInt(static_cast<float>(chuteBase + r) * coeff);
}

void CEffetPluie::afficher(sf::RenderTarget*, int premier, int fin, bool collision)
{
    changerVent();
    premier = std::max(premier, 0);
    fin = std::min(fin, nbGouttes);
    CLotSprites lot(niveau::scene());
    for (int i = premier; i < fin; ++i) {
        sf::Sprite& g = gouttes[static_cast<size_t>(i)];
        int& etat = etats[static_cast<size_t>(i)];
        if (etat == A_REPLACER) {
            const int x = tuv::randModulo(static_cast<long long>(largeur) + 2LL * marge);
            g.setTexture(textureGoutte, true);
            g.setPosition(static_cast<float>(x), 0);
            etat = TOMBE;
        } else if (etat > 0) {
            lot.ajouter(g);
            --etat;
        } else {
            const sf::Vector2f p = g.getPosition();
            const bool teste = collision && tuv::rand() % 2 == 0;
            if ((teste && g_services.estCollision(p.x, p.y, p.x, p.y)) || p.y > static_cast<float>(hauteur)) {
                lot.ajouter(g);
                g.setTexture(textureEclaboussure, true);
                etat = ECLABOUSSURE;
                lot.ajouter(g);
            } else {
                const float chute = tuv::randFraction() * static_cast<float>(pasChute);
                g.setPosition(p.x - static_cast<float>(pasDerive), p.y + chute);
                lot.ajouter(g);
            }
        }
    }
}
