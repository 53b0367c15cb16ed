// What the decor's behaviours ask of the characters: who weighs on a seesaw, whom a force
// zone pushes, and who has fallen out of the level. The foundation reaches the first two
// through g_services (chargesSurSprite, appliquerForce), which the game points at its
// active world.
#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "core/ForceSD.h"
#include "core/Services.h"
#include "level/Decor.h"

#include <cmath>

namespace {

enum Portee { PORTEE_LOCALE = 0, PORTEE_TOUS_PLANS = 1, PORTEE_CE_PLAN = 2 };
enum ModeForce { FORCE_VALEUR = 0, FORCE_MULT = 1, FORCE_AJOUT = 2 };

// Set, multiplied or added; the last two only while the velocity is within the cycle's limit.
float appliquerAxe(float v, float force, int mode, int limite)
{
    const bool sousLimite = std::fabs(v) < static_cast<float>(limite);
    if (mode == FORCE_MULT)
        return sousLimite ? v * force : v;
    if (mode == FORCE_AJOUT)
        return sousLimite ? v + force : v;
    return force;
}

bool dansPortee(const CForceSD& f, const CSPRITE& zone, const sf::FloatRect& boiteZone, const CPerso& p, int plan)
{
    if (f.portee == PORTEE_TOUS_PLANS)
        return true;
    if (plan != zone.plan)
        return false;
    // Local: the character's feet stand inside the zone.
    return f.portee != PORTEE_LOCALE || boiteZone.contains(p.sprite->x, p.sprite->y);
}

// An attracting zone pulls toward its centre with the strength of its force, harder when
// AccelDistance asks it, up to RayonAttraction away; within RayonAttracteur the character is
// held. False when the character is out of reach.
bool forceAttraction(const CForceSD& f, const sf::FloatRect& zone, const sf::FloatRect& boite, sf::Vector2f& force)
{
    const sf::Vector2f vers(zone.left + zone.width / 2 - (boite.left + boite.width / 2),
                            zone.top + zone.height / 2 - (boite.top + boite.height / 2));
    const float d = std::hypot(vers.x, vers.y);
    if (d > static_cast<float>(f.RayonAttraction))
        return false;
    if (d <= static_cast<float>(f.RayonAttracteur) || d == 0) {
        force = {0, 0};
        return true;
    }
    float intensite = std::hypot(f.forceCouranteX(), f.forceCouranteY());
    if (f.AccelDistance && f.RayonAttraction > 0)
        intensite *= 1 + f.AccelerationDistance * (1 - d / static_cast<float>(f.RayonAttraction));
    force = {vers.x / d * intensite, vers.y / d * intensite};
    return true;
}

} // namespace

void CDecor::chargesSurSprite(CSPRITE* sd, std::vector<Charge>& charges) const
{
    if (!sd)
        return;
    for (const auto* liste : {&persos, &ias})
        for (const CPerso* p : *liste)
            if (p && p->sprite && p->support == sd)
                charges.push_back(Charge{p->sprite->x, static_cast<float>(p->poids)});
}

void CDecor::appliquerForce(CSPRITE* sd, const CForceSD& f)
{
    if (!sd)
        return;
    const sf::FloatRect zone = sd->getBoite();
    auto pousser = [&](CPerso* p, int plan) {
        if (!p || !p->sprite || !dansPortee(f, *sd, zone, *p, plan))
            return;
        const sf::FloatRect boite = rectPerso(*p);
        if (!boite.intersects(zone))
            return;
        sf::Vector2f force(f.forceCouranteX(), f.forceCouranteY());
        if (f.Attracteur && !forceAttraction(f, zone, boite, force))
            return;
        p->vitesseForceX = appliquerAxe(p->vitesseForceX, force.x, f.modeForce, f.limiteX);
        p->vitesseForceY = appliquerAxe(p->vitesseForceY, force.y, f.modeForce, f.limiteY);
    };
    for (CPerso* p : persos)
        pousser(p, PLAN_PRINCIPAL);
    for (CPerso* p : ias)
        pousser(p, p ? p->numPlanIA : 0);
}

void CDecor::pousserPersos()
{
    for (const auto* liste : {&persos, &ias})
        for (CPerso* p : *liste)
            if (p && !p->bDel)
                p->subirPoussee();
}

// A player's character whose feet have gone below the level's bottom has fallen out of it:
// nothing can catch it any more, so the fall kills it as the decor's damage would, and the
// level's rules follow (the failure menu, the checkpoint, the round's count). Feet that land
// a few pixels into ground lying near the bottom are held by it: they stand, not fall, whether
// or not the last step noted what they stand on.
void CDecor::tuerPersosTombes()
{
    const float bas = static_cast<float>(tailleJeuY);
    for (CPerso* p : persos) {
        if (!p || p->bDel || !p->sprite || !p->bCollisions || p->mode == EtatPerso::MORT || p->vie <= 0)
            continue;
        const float x = p->sprite->x, y = p->sprite->y;
        if (y <= bas || p->compteurTouche >= 0 || p->support || estCollision(nullptr, x, y, x, y))
            continue;
        if (p->derniereArme != "FANTOME") {
            p->derniereArme = "DECOR_DOMMAGES";
            p->dernierAttaquant = p;
        }
        p->prendreCoup(p->vie, p->direction, 0, 1);
    }
}
