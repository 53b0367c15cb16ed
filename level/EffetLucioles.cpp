#include "level/EffetLucioles.h"

#include "core/Hasard.h"
#include "core/Media.h"
#include "core/Texte.h"
#include "level/ContexteNiveau.h"
#include "level/LotSprites.h"
#include "level/Vue.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <algorithm>
#include <cmath>

namespace {

constexpr int ALPHA_MIN = 80;
constexpr int ALPHA_MAX = 255;

} // namespace

CEffetLucioles::CEffetLucioles(int n, int l, int h) : largeur(l), hauteur(h), departGauche(-(l / 5))
{
    tuv::chargerMedia(texture, IMAGE);
    nbLucioles = niveau::bornerCompte(n);
    const CVue* vue = niveau::camera();
    const float zoom = vue ? vue->zoom : 1.0f;
    lucioles.reserve(static_cast<size_t>(nbLucioles));
    for (int i = 0; i < nbLucioles; ++i) {
        auto l = std::make_unique<Luciole>();
        creerLuciole(*l, zoom);
        lucioles.push_back(std::move(l));
    }
}

void CEffetLucioles::creerLuciole(Luciole& l, float zoom)
{
    l.centreX = static_cast<float>(static_cast<long long>(tuv::randModulo(largeur)) + departGauche);
    l.centreY = static_cast<float>(tuv::randModulo(hauteur));
    l.sprite.setTexture(texture, true);
    l.sprite.setColor(sf::Color(255, 255, 255, static_cast<sf::Uint8>(tuv::rand() % 255)));
    l.pasAlpha = static_cast<float>((tuv::rand() % 3) * 2 - 2);
    const float k = (tuv::randFraction() + 0.2f) * 0.0625f * zoom;
    l.sprite.setScale(k, k);
    l.decalage = std::max(30 * k, 1.0f);
    l.vitesseAngulaire = static_cast<float>(tuv::rand() % 20) / 1000 - 0.001f;
    if (l.vitesseAngulaire == 0)
        l.vitesseAngulaire = 0.01f;
    l.rayon = static_cast<float>(tuv::rand() % 400 + 50);
    l.x = tuv::rand() % 2 == 0 ? l.centreX + l.rayon : l.centreX - l.rayon;
    l.y = l.centreY;
}

void CEffetLucioles::animer(Luciole& l, float coeff)
{
    const float angle = l.vitesseAngulaire * coeff;
    const float c = std::cos(angle), s = std::sin(angle);
    const float ex = l.x - l.centreX, ey = l.y - l.centreY;
    l.x = l.centreX + ex * c - ey * s;
    l.y = l.centreY + ey * c + ex * s;
    if (tuv::rand() % 3 != 0)
        return;
    sf::Color couleur = l.sprite.getColor();
    const int a = tuv::floatVersInt(static_cast<float>(couleur.a) + l.pasAlpha * coeff);
    if (a >= ALPHA_MIN && a <= ALPHA_MAX) {
        couleur.a = static_cast<sf::Uint8>(a);
        l.sprite.setColor(couleur);
    } else {
        l.pasAlpha = -l.pasAlpha;
    }
}

void CEffetLucioles::afficher(sf::RenderTarget*, int premier, int fin, float dx, float dy)
{
    if (premier < 0 || premier > nbLucioles)
        premier = 0;
    if (fin < 0 || fin > nbLucioles)
        fin = nbLucioles;
    const float coeff = niveau::coefficient();
    CLotSprites lot(niveau::scene());
    for (int i = premier; i < fin; ++i) {
        Luciole& l = *lucioles[static_cast<size_t>(i)];
        animer(l, coeff);
        l.sprite.setPosition(dx + l.x + l.decalage, dy + l.y + l.decalage);
        lot.ajouter(l.sprite);
    }
}
