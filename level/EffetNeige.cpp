#include "level/EffetNeige.h"

#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/Hasard.h"
#include "core/Media.h"
#include "core/Texte.h"
#include "level/ContexteNiveau.h"
#include "level/EffetsCommuns.h"
#include "level/LotSprites.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <algorithm>
#include <climits>

namespace {

// A flake that left the level comes back this far left of the player, and up to 2100 right.
constexpr int RETOUR_GAUCHE = 2500;
constexpr int RETOUR_ETENDUE = 4500;

} // namespace

CEffetNeige::CEffetNeige() { tuv::chargerMedia(texture, IMAGE); }

void CEffetNeige::creer(int n, int chute, int d, int largeurNiveau, int hauteur, float zoom)
{
    creerFlocons(n, chute, d, tuv::floatVersInt(static_cast<float>(largeurNiveau) * zoom), hauteur);
}

int CEffetNeige::hauteurAvecMarge(int hauteurNiveau)
{
    return static_cast<int>(std::min<long long>(static_cast<long long>(hauteurNiveau) + 100, INT_MAX));
}

void CEffetNeige::creerFlocons(int n, int chute, int d, int l, int h)
{
    vitesseChute = chute;
    derive = d;
    largeur = l;
    hauteur = h;
    nbFlocons = niveau::bornerCompte(n);
    effets::semer(flocons, nbFlocons, texture, largeur, marge, hauteur, 40);
}

void CEffetNeige::afficher(sf::RenderTarget*)
{
    const float coeff = niveau::coefficient();
    const CPerso* joueur = niveau::joueur();
    CLotSprites lot(niveau::scene());
    for (sf::Sprite& f : flocons) {
        const float yAvant = f.getPosition().y;
        f.move(-static_cast<float>(derive) * coeff, static_cast<float>(vitesseChute) * coeff);
        // The random turn is per frame at 30 per second: half of it at 60.
        f.rotate(static_cast<float>(tuv::rand() % 6) * coeff);
        lot.ajouter(f);
        if (yAvant > static_cast<float>(hauteur) && joueur) {
            const int x = tuv::floatVersInt(joueur->sprite->x) - RETOUR_GAUCHE +
                          tuv::randModulo(2LL * marge + RETOUR_ETENDUE);
            f.setPosition(static_cast<float>(x), 0);
        }
    }
}
