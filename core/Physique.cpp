#include "core/Physique.h"

#include "core/Services.h"
#include "core/Sprite.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace {

constexpr float PI = 3.14159265f;
// How far above its top edge a character still counts as standing on a sprite.
constexpr float TOLERANCE_DESSUS = 4;
// Fastest collapse, px per frame at 30 fps: more leaves the level in one frame, and a speed
// read from a file as large as an int would overflow the step.
constexpr int VITESSE_MAX_EFFONDREMENT = 1000;

bool surLaBoite(const sf::FloatRect& r, int x, int y)
{
    return x >= r.left && x <= r.left + r.width && y >= r.top - TOLERANCE_DESSUS && y <= r.top + r.height;
}

} // namespace

// ---------------------------------------------------------------- slide

int CPhysG::maj(int x, int y, CSPRITE* sd)
{
    if (!sd || !surLaBoite(sd->getBoite(), x, y))
        return 0;
    return int(std::trunc(std::sin(sd->getAngleTotal() * PI / 180) * 8));
}

// ---------------------------------------------------------------- seesaw

CPhysBascule::CPhysBascule(int bg, int bd, int p, int lp, float v, int pb, int g, int d)
    : pivot(p), largeurPivot(lp), buteeGauche(bg), buteeDroite(bd), vitesseRot(v), poidsBascule(pb), cpg(g),
      cpd(d)
{
}

void CPhysBascule::maj(CSPRITE* sd)
{
    if (!sd)
        return;
    float echelle = std::fabs(sd->sx);
    float gauche = sd->x - sd->ox * echelle;
    float xPivot = gauche + (pivot < 0 ? sd->getLargeur() * echelle / 2 : pivot * echelle);

    std::vector<Charge> charges;
    g_services.chargesSurSprite(sd, charges);
    float poidsG = float(cpg), poidsD = float(cpd);
    for (const Charge& c : charges) {
        if (c.x < xPivot - largeurPivot)
            poidsG += c.poids;
        else if (c.x > xPivot + largeurPivot)
            poidsD += c.poids;
    }

    float pas = std::fabs(vitesseRot) * coefficientTemps();
    if (std::isnan(pas))
        pas = 0;
    float& angle = sd->angleDynamique;
    if (std::fabs(poidsG - poidsD) > poidsBascule) {
        // Screen y points down: the left side goes down with a negative angle.
        angle += (poidsG > poidsD) ? -pas : pas;
    } else if (angle > 0) {
        angle = std::max(0.0f, angle - pas);
    } else if (angle < 0) {
        angle = std::min(0.0f, angle + pas);
    }
    if (buteeGauche >= 0)
        angle = std::max(angle, -float(buteeGauche));
    if (buteeDroite >= 0)
        angle = std::min(angle, float(buteeDroite));
}

// ---------------------------------------------------------------- bounce

int CPhysRebond::maj(int x, int y, CSPRITE* sd)
{
    if (!bActif || !sd)
        return -1;
    if (etat == 0) {
        sf::FloatRect r = sd->getBoite();
        if (x >= r.left && x <= r.left + r.width && std::fabs(y - r.top) <= TOLERANCE_DESSUS) {
            etat = 1;
            sd->setAnim(1);
        }
    } else if (etat == 1) {
        if (sd->getNumAnim() != 1 || sd->nbanimtotale >= 1 || !sd->getSet(1)) {
            etat = 2;
            sd->setAnim(0);
        }
    }
    return etat;
}

// ---------------------------------------------------------------- collapse

CPhysEffondrement::CPhysEffondrement(int h, int v, bool bAuto) : hauteur(h), bHauteurAuto(bAuto), vitesse(v) {}

void CPhysEffondrement::reinitialiser()
{
    const bool visible = bHauteurVisible;
    *this = CPhysEffondrement(hauteur, vitesse, bHauteurAuto);
    bHauteurVisible = visible;
}

int CPhysEffondrement::maj(CSPRITE* sd)
{
    if (!sd || !sd->bPhysE)
        return -1;
    if (bTermine)
        return -2;
    if (bEnAttente)
        return etat;

    // A speed of 0 or less would leave the platform hanging in mid-fall.
    float v = vitesse > 0 ? float(std::min(vitesse, VITESSE_MAX_EFFONDREMENT)) : 1.0f;
    int pas = 0;
    if (etat != 2) {
        reste += v * coefficientTemps();
        pas = int(reste);
        reste -= pas;
    }
    if (etat == 0) {
        etat = 1;
        parcouru = 0;
    } else if (etat == 1) {
        parcouru = int(std::min<long long>(static_cast<long long>(parcouru) + pas, INT_MAX));
        if (bHauteurAuto) {
            if (g_services.estCollision(sd->x, sd->y, sd->x, sd->y + pas))
                etat = 2;
        } else if (parcouru >= hauteur) {
            etat = 2;
        }
    } else {
        // A sprite without that animation has nothing to wait for.
        if (sd->nbanimtotale >= 1 || !sd->getSet(2)) {
            bEnAttente = true;
            bTermine = true;
        }
    }
    sd->deplacer(etat, 0, float(pas));
    return etat;
}

// ---------------------------------------------------------------- destruction

CPhysDestruction::CPhysDestruction(bool actif, int res, int anim, int a4, int a5, int a6, bool disparait, int cr,
                                   int cg, int cb, int ca)
    : bActif(actif), resistance(res), animDetruit(anim), v4(a4), v5(a5), v6(a6), bDisparait(disparait),
      r(sf::Uint8(std::clamp(cr, 0, 255))), g(sf::Uint8(std::clamp(cg, 0, 255))),
      b(sf::Uint8(std::clamp(cb, 0, 255))), a(sf::Uint8(std::clamp(ca, 0, 255)))
{
}

void CPhysDestruction::reinitialiser()
{
    *this = CPhysDestruction(bActif, resistance, animDetruit, v4, v5, v6, bDisparait, r, g, b, a);
}

void CPhysDestruction::toucher(CSPRITE* sd, int degats)
{
    if (!sd || !bActif || bDetruit)
        return;
    degatsRecus = int(std::min<long long>(static_cast<long long>(degatsRecus) + std::max(degats, 0), INT_MAX));
    compteurTeinte = DUREE_TEINTE;
    sd->sprite.setColor(sf::Color(r, g, b, a));
    if (degatsRecus < resistance)
        return;
    bDetruit = true;
    if (!bDisparait && animDetruit >= 0 && sd->getSet(animDetruit))
        sd->setAnim(animDetruit);
    else
        sd->setVisible(false);
}

void CPhysDestruction::maj(CSPRITE* sd)
{
    if (!sd || compteurTeinte <= 0)
        return;
    if (--compteurTeinte == 0)
        sd->sprite.setColor(sd->couleur);
}
