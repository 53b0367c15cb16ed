// The fixed AI behaviours: shooters and crossers, the tumbler, the erratic flyers, the wave
// movers, the animated and standing AIs, and the ambient flyer. Positions are level pixels;
// the view's edges come from the game camera. Moves and chances are per frame at 30 frames
// per second, scaled so that 60 frames per second play the same paths per second.
#include "characters/IABehaviours.h"

#include "characters/IAOutils.h"
#include "level/Decor.h"

#include <climits>

namespace {

using namespace EtatPerso;

constexpr float MARGE_TIREUR = 500;      // type 100 acts this far beyond the view's sides
constexpr float MARGE_VOLANT = 150;      // types 104 and 105 act until this far right of it
constexpr float BANDE_ONDULANT_H = 200, BANDE_ONDULANT_V = 250;
constexpr int PAS_ONDULANT_H = 3, PAS_ONDULANT_V = 8;
constexpr int CHANCE_TIR_SOL = 30, CHANCE_TIR_HASARD = 10, CHANCE_SAUT = 3;
const sf::Color COULEUR_VOLANT_RAPIDE(0, 100, 0, 255);
constexpr int FACTEUR_VOLANT_RAPIDE = 4;
// The ambient flyer.
constexpr int CHANCE_DEMI_TOUR_DROITE = 180, CHANCE_DEMI_TOUR_GAUCHE = 200, CHANCE_PLANE = 40;
constexpr float MONTEE_MAX = 200;   // it flies back down once this far above its start height
constexpr int MONTEE_HASARD = 40;
constexpr int BOUCLES_PLANE = 25;
constexpr float FACTEUR_PLANE = 0.9f;

// The walk speed the behaviours use, held to the characters' limit; signed by the facing.
float vitesseSignee(const CPerso& p)
{
    const float v = static_cast<float>(std::clamp(p.vitesse, -CPerso::LIMITE_VITESSE, CPerso::LIMITE_VITESSE));
    return p.direction == 0 ? v : -v;
}

int multiplier(int valeur, int facteur)
{
    const long long r = static_cast<long long>(valeur) * facteur;
    return static_cast<int>(std::clamp<long long>(r, INT_MIN, INT_MAX));
}

void tourner(CPerso& p) { p.setDirection(p.direction == 0 ? 1 : 0); }

bool collisionDecor(CPerso& p, float x, float y)
{
    CDecor* d = ia::decor();
    const float xi = static_cast<float>(tuv::floatVersInt(x)), yi = static_cast<float>(tuv::floatVersInt(y));
    return d && d->estCollision(&p, xi, yi, xi, yi - 5);
}

} // namespace

void CIABehaviours::comportementFixe(CPerso& ia, int type)
{
    if (!ia.sprite)
        return;
    if (ia.mode == MORT) {
        if (type == TypeIA::VOLANT)
            volantDevientRapide(ia);
        ia.mourir();
        return;
    }
    if (ia.mode == TOUCHE) {
        ia.animerTouche();
        if (type == TypeIA::IMMOBILE)
            return;
    }
    deplacementFixe(ia, type);
}

void CIABehaviours::deplacementFixe(CPerso& ia, int type)
{
    const BordsVue b = bordsVue();
    const float c = ia::coeff();
    const float x = ia.sprite->x, y = ia.sprite->y;
    const float v = vitesseSignee(ia);
    const float vitesse = std::fabs(v);
    switch (type) {
    case TypeIA::TIREUR_SOL:
        if (b.gauche - MARGE_TIREUR < x && x < b.gauche + b.largeur + MARGE_TIREUR) {
            ia.setAnimation(1, v * c, 0);
            if (ia::chance(CHANCE_TIR_SOL))
                ia.tirer(1);
        }
        break;
    case TypeIA::TRAVERSEUR:
        if (x < b.gauche + 2 * b.largeur)
            ia.setAnimation(0, v * c, 0);
        break;
    case TypeIA::TRAVERSEUR_SAUTANT:
        // A hop is an event of its own: its chance follows the frame rate, its height does not.
        if (x < b.gauche + 2 * b.largeur)
            ia.setAnimation(0, v * c, ia::chance(CHANCE_SAUT) ? vitesse : 0);
        break;
    case TypeIA::CULBUTEUR: {
        if (collisionDecor(ia, x, y)) {
            ia.vie = 0;
            ia.setEtat(MORT);
            break;
        }
        static const float PAS[4][2] = {{-0.1f, 0.5f}, {-0.5f, 1}, {-2, 2}, {-0.5f, 2}};
        const float* p = PAS[tuv::randModulo(4)];
        ia.setAnimation(0, p[0] * v * c, p[1] * vitesse * c);
        break;
    }
    case TypeIA::VOLANT:
    case TypeIA::VOLANT_RAPIDE: {
        if (x >= b.gauche + b.largeur + MARGE_VOLANT)
            break;
        ia.bNoDegats = true;
        const bool rapide = type == TypeIA::VOLANT_RAPIDE;
        const float signe = ia.direction == 0 ? 1.0f : -1.0f;
        const float dx = static_cast<float>(rapide ? tuv::randModulo(20) + 10 : tuv::randModulo(10) + 5) * signe * c;
        const float dy = static_cast<float>(rapide ? tuv::randModulo(41) - 20 : tuv::randModulo(29) - 14) * c;
        if (collisionDecor(ia, x + dx, y + dy))
            tourner(ia);
        else
            ia.setAnimation(0, dx, dy);
        break;
    }
    case TypeIA::ONDULANT_H:
    case TypeIA::ONDULANT_V: {
        if (x >= b.gauche + 4 * b.largeur)
            break;
        const bool horizontal = type == TypeIA::ONDULANT_H;
        const float bande = horizontal ? BANDE_ONDULANT_H : BANDE_ONDULANT_V;
        const int pas = horizontal ? PAS_ONDULANT_H : PAS_ONDULANT_V;
        if (ia.pasVertical == 0)
            ia.pasVertical = 1;
        if (y < b.hauteur / 2 - bande)
            ia.pasVertical = pas;
        else if (y > b.hauteur / 2 + bande)
            ia.pasVertical = -pas;
        ia.setAnimation(0, horizontal ? vitesse * c : 0, static_cast<float>(ia.pasVertical) * c);
        break;
    }
    case TypeIA::TIREUR_HASARD:
        if (x < b.gauche + 4 * b.largeur && ia::chance(CHANCE_TIR_HASARD))
            ia.tirer(1);
        break;
    case TypeIA::ANIME_PRES:
        if (x < b.gauche + 1.5f * b.largeur)
            ia::continuerAnimation(ia);
        break;
    case TypeIA::IMMOBILE:
        ia.visee = -1;
        ia.resetEtat();
        break;
    default:
        break;
    }
}

// The first frame a type-104 flyer is seen dead, the other flyers of its kind turn faster and
// tougher; its later frames change nothing.
void CIABehaviours::volantDevientRapide(CPerso& mort)
{
    volantsMorts.erase(std::remove(volantsMorts.begin(), volantsMorts.end(), nullptr), volantsMorts.end());
    if (std::find(volantsMorts.begin(), volantsMorts.end(), &mort) != volantsMorts.end())
        return;
    volantsMorts.push_back(&mort);
    CDecor* d = ia::decor();
    if (!d)
        return;
    for (CPerso* p : d->ias) {
        if (!p || p == &mort || p->bDel || p->modeIA != TypeIA::VOLANT)
            continue;
        p->modeIA = TypeIA::VOLANT_RAPIDE;
        if (p->sprite)
            p->sprite->setColor(COULEUR_VOLANT_RAPIDE);
        p->vie = multiplier(p->vie, FACTEUR_VOLANT_RAPIDE);
        p->vieMax = multiplier(p->vieMax, FACTEUR_VOLANT_RAPIDE);
        p->degats[0] = multiplier(p->degats[0], FACTEUR_VOLANT_RAPIDE);
    }
}

// ------------------------------------------------------------------------------ ambient flyer

// Flies across the view and some way beyond it, turning back at random once out of sight; it
// never dies and ignores hits.
void CIABehaviours::volantAmbiant(CPerso& ia)
{
    if (!ia.sprite)
        return;
    const BordsVue b = bordsVue();
    const float m = std::trunc(b.largeurZoom - b.largeur);
    const float gauche = b.gauche - m, droite = b.gauche + b.largeur + m;
    const float x = ia.sprite->x;
    const float v = vitesseSignee(ia);
    bool anime = false;
    if (x > droite || x < gauche) {
        const bool aDroite = x > droite;
        const bool sEloigne = (ia.direction == 0) == aDroite;
        if (sEloigne && ia::chance(aDroite ? CHANCE_DEMI_TOUR_DROITE : CHANCE_DEMI_TOUR_GAUCHE)) {
            // Back toward the view, first down to its start height when it rose too high.
            const CSPRITE3& s = *ia.sprite;
            const float dy = s.y <= s.y0 - MONTEE_MAX ? s.y0 - s.y : -static_cast<float>(tuv::randModulo(MONTEE_HASARD));
            ia.setAnimation(ia.mode, 0, dy);
            tourner(ia);
        } else {
            ia.setAnimation(ia.mode, v * ia::coeff(), 0);
        }
        anime = true;
    } else {
        volantAmbiantDansBande(ia, v, anime);
    }
    if (!anime)
        ia::continuerAnimation(ia);
}

void CIABehaviours::volantAmbiantDansBande(CPerso& ia, float v, bool& anime)
{
    const float c = ia::coeff();
    if (ia.mode == ARRET) {
        if (ia::chance(CHANCE_PLANE))
            ia.setEtat(MARCHE);
        return;
    }
    anime = true;
    if (ia.mode == MARCHE) {
        // Gliding down.
        const float dx = std::trunc(v * FACTEUR_PLANE);
        ia.setAnimation(MARCHE, dx * c, static_cast<float>(tuv::randModulo(2) + 1) * c);
        if (ia::boucles(*ia.sprite) >= BOUCLES_PLANE)
            ia.setEtat(ARRET);
        return;
    }
    // Flapping up.
    ia.setAnimation(ia.mode, v * c, -static_cast<float>(tuv::randModulo(2) + 1) * c);
}
