// A character's movement: the small per-frame steps of walking, jumping, falling, landing,
// crouching, the dash, push back, patrols, bounce pads and turrets. Every step asks the active
// level whether a body column is free and moves the character only through setAnimation.
//
// Frame rate: distances come from speeds times the frame coefficient and are kept as floats,
// the probe steps that derive from speeds shrink with them, and counts of frames (rises, the
// dash) are divided by the coefficient, so that two frames at 60 per second cover what one
// covers at 30.
#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "core/Chemin.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/Physique.h"
#include "core/Services.h"
#include "core/Texte.h"
#include "level/Creusement.h"
#include "level/Decor.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace EtatPerso;

constexpr float PAS_CHUTE = 8;        // probe step of a fall, pixels at 30 fps
constexpr float PAS_CHUTE_LENT = 1;   // of a dead or victorious character
constexpr float MARGE_PLAFOND = 5;    // a rise probes from this far above the feet
constexpr float LEVEE_REBOND = 12;    // a bounce pad lifts the character this much at once
constexpr int ANIM_VICTOIRE = 34;
constexpr int ANIM_BAISSE = 35, ANIM_BAISSE_MARCHE = 36, ANIM_BAISSE_VISEE = 38;
const char* const OVER_TOURELLE = "OVERXBAS";  // the turret's seat, hidden while someone sits in it

float tronque(float v) { return static_cast<float>(tuv::floatVersInt(v)); }

// The entry of a ten-animation family that an aim step selects: the plain one, then 0, 30,
// 45, 70, 90, 110, 135, 150 and 180 degrees.
int entreeVisee(int visee)
{
    switch (visee) {
    case 3: return 1;
    case 10: return 2;
    case 0: return 3;
    case 11: return 4;
    case 1: return 5;
    case 12: return 6;
    case 2: return 7;
    case 13: return 8;
    case 4: return 9;
    default: return 0;
    }
}

// The crouched animation of an aim step (plain sprites).
int animAccroupi(int visee)
{
    switch (visee) {
    case 3: return 39;
    case 0: return 40;
    case 1: return 41;
    case 2: return 42;
    case 4: return 43;
    default: return 37;
    }
}

int vitesseBornee(int v) { return std::clamp(v, -CPerso::LIMITE_VITESSE, CPerso::LIMITE_VITESSE); }

} // namespace

// ---------------------------------------------------------------- helpers

unsigned long CPerso::nbSondes = 0;

CDecor* CPerso::decorActif() const
{
    // Carriers are a few levels deep; the bound only guards against a loop.
    const CPerso* p = this;
    for (int n = 0; p && n < 16; ++n, p = p->porteur.get())
        if (p->pMonde)
            return p->pMonde;
    MondeJeu* jeu = faceJeu::monde();
    return jeu ? jeu->pdecor : nullptr;
}
std::vector<sf::FloatRect>* CPerso::journalSondes = nullptr;

int CPerso::dureeFrames(int frames) { return dureeFrames(frames, coefficientTemps()); }

void CPerso::jouerSon(const std::string& nom)
{
    if (ServicesJeu* jeu = faceJeu::services())
        jeu->jouerSon(nom);
}

int CPerso::dureeFrames(int frames, float coeff)
{
    const int n = std::clamp(frames, 0, LIMITE_COMPTE);
    return std::max(1, tuv::floatVersInt(static_cast<float>(n) / coeff));
}

bool CPerso::peutBouger() const
{
    if (!sprite)
        return false;
    return sprite->bAnime ? sprite->getNbAnimations() > 0 : sprite->pDEC != nullptr;
}

float CPerso::piedsY() const
{
    return sprite->y - static_cast<float>(std::clamp(posPieds, -LIMITE_HAUTEUR, LIMITE_HAUTEUR)) * sprite->getSY();
}

float CPerso::tete(int i) const
{
    const float h = static_cast<float>(std::clamp(posTete[i], -LIMITE_HAUTEUR, LIMITE_HAUTEUR)) * sprite->getSY();
    return std::clamp(h, -1e6f, 1e6f);
}

CSPRITE* CPerso::segment(float x1, float y1, float x2, float y2) { return segment(decorActif(), x1, y1, x2, y2); }

CSPRITE* CPerso::segment(CDecor* d, float x1, float y1, float x2, float y2)
{
    if (!d)
        return nullptr;
    ++nbSondes;
    if (journalSondes)
        journalSondes->push_back(sf::FloatRect(x1, y1, x2, y2));
    return d->testCollision(this, x1, y1, x2, y2);
}

CSPRITE* CPerso::colonne(CDecor* d, float dx, float dy, float h)
{
    const float x = tronque(sprite->x + dx);
    const float y = tronque(piedsY() + dy);
    return segment(d, x, y, x, tronque(y - h));
}

void CPerso::suivreSupport(int x, int y, CSPRITE* sol)
{
    // What suivrePlateforme does for such a sprite: no slide under the feet.
    if (sol && !sol->bPhysG && !sol->bPhysC && !sol->bPhysE && !sol->bPhysR) {
        if (!bDel && peutBouger() && sprite->estVisible())
            decalagePlateforme = 0;
        return;
    }
    suivrePlateforme(x, y, sol);
}

int CPerso::chercherMontee(CDecor* d, float dx, float h, int debut)
{
    const int escalier = std::clamp(maxEscalier, 0, LIMITE_COMPTE);
    for (int k = debut; k >= -escalier; --k)
        if (!colonne(d, dx, static_cast<float>(k), h))
            return k;
    return 1;
}

int CPerso::chercherSol(CDecor* d, float dx, float h, CSPRITE*& sol)
{
    const int escalier = std::clamp(maxEscalier, 0, LIMITE_COMPTE);
    for (int k = 1; k < escalier; ++k)
        if ((sol = colonne(d, dx, static_cast<float>(k), h)))
            return k;
    return -1;
}

bool CPerso::plafond(float montee)
{
    const float x = tronque(sprite->x), y = piedsY();
    return segment(x, tronque(y - montee - MARGE_PLAFOND), x, tronque(y - montee - tete(0))) != nullptr;
}

bool CPerso::teteLibre()
{
    const float x = tronque(sprite->x + static_cast<float>(decalagePlateforme) * coefficientTemps());
    const float y = piedsY();
    return !segment(x, tronque(y - MARGE_PLAFOND), x, tronque(y - tete(0)));
}

void CPerso::jouerFamille(const int famille[10], float dx, float dy)
{
    setAnimation(famille[entreeVisee(visee)], dx, dy);
}

bool CPerso::boucleTerminee() const
{
    if (sprite->bAnime)
        return sprite->getNbBoucles(sprite->getAnimation()) > 0;
    return sprite->nbanimtotale >= 1;
}

void CPerso::passerEtat(int etat)
{
    // Entering a state restarts its animation: a step that stays in its state keeps playing.
    if (mode != etat)
        setEtat(etat);
}

void CPerso::tourner(int d)
{
    if (!sprite)
        return;
    if (d != direction) {
        sprite->flipH = -sprite->flipH;
        sprite->setScale(sprite->getSX(), sprite->getSY());
        direction = d;
    }
    sprite->miroir = d == 1 ? -1 : 1;
}

// ---------------------------------------------------------------- walking

// Flattened, as the fall and the jump: their probes and helpers run inline, several times per
// frame for every character.
[[gnu::flatten]] int CPerso::marcher(int d, float facteur)
{
    if (!peutBouger())
        return 0;
    support = nullptr;
    bMarche = true;
    tourner(d);
    const float coeff = coefficientTemps();
    const int v = vitesseBornee(vitesse);
    const float distance = std::min(static_cast<float>(v) * facteur * coeff, static_cast<float>(LIMITE_VITESSE));
    if (!(distance >= 0))
        return 0;
    const float pas = static_cast<float>(std::max(1, v / 2)) * coeff;
    const float sens = d == 0 ? 1.0f : -1.0f;
    const float h = tete(0);
    const int xPied = tuv::floatVersInt(sprite->x), yPied = tuv::floatVersInt(piedsY());
    float dx = 0, dy = 0;  // the last offset walked to
    bool bloque = false;
    CDecor* const decor = decorActif();
    for (int i = 0; static_cast<float>(i) * pas <= distance; ++i) {
        const float o = sens * static_cast<float>(i) * pas;
        if (CSPRITE* obstacle = colonne(decor, o, 0, h)) {
            support = obstacle;
            suivreSupport(xPied, yPied, obstacle);
            const int k = chercherMontee(decor, o, h, -1);
            if (k > 0) {
                bloque = true;
                break;
            }
            dy = static_cast<float>(k + 1);  // the feet stay one pixel inside the step
        } else {
            CSPRITE* sol = nullptr;
            const int k = chercherSol(decor, o, h, sol);
            if (k >= 0) {
                support = sol;
                suivreSupport(xPied, yPied, sol);
                dy = static_cast<float>(k);
            } else {
                dy = 0;
                decalagePlateforme = 0;
                if (mode != SAUT_MONTE && mode != TOUCHE)
                    passerEtat(CHUTE);
            }
        }
        dx = o;
    }
    if (mode != SAUT_MONTE && mode != CHUTE_SAUT && mode != CHUTE && mode != TOUCHE)
        passerEtat(MARCHE);
    animerMarche(dx, dy, bloque);
    if (modeIA == -1 || bPoussiere)
        marquerSol(false);
    return bloque ? 1 : 0;
}

// A blocked walk stops at the last free offset it probed: it never moves backwards.
void CPerso::animerMarche(float dx, float dy, bool bloque)
{
    // Without a slide the offset is 0 whatever the frame rate: the clock is not asked.
    const float decal =
        bloque || decalagePlateforme == 0 ? 0.0f : static_cast<float>(decalagePlateforme) * coefficientTemps();
    if (mode == TOUCHE)
        jouerFamille(bloque ? animArret : animSautDsc, decal + dx, dy);
    else if (bCoup)
        coup((decal + dx) / 4, dy / 4);
    else if (mode == CHUTE)
        jouerFamille(animSautDsc, decal + dx, dy);
    else
        jouerFamille(bloque ? animArret : animMarche, decal + dx, dy);
}

// Footprints on soft ground and dust at the feet. The walk leaves them only on a decor sprite;
// a landing leaves its dust on any ground.
void CPerso::marquerSol(bool atterrissage)
{
    CDecor* d = decorActif();
    if (!d || !sprite->estVisible())
        return;
    const bool surDecor = support && support != d->pSDCreusement;
    if (!atterrissage && !surDecor)
        return;
    const float x = sprite->x, yp = piedsY(), sx = sprite->getSX();
    if (surDecor && solMeuble(support)) {
        if (atterrissage) {
            d->ajouterTracePas(tuv::floatVersInt(x - 2 + static_cast<float>(tuv::rand() % 3)),
                               tuv::floatVersInt(sprite->y + static_cast<float>(tuv::rand() % 6)), 3 * sx);
            d->ajouterEffet(x - 80, yp - 10, 2 * sx, 2 * sx);
        } else {
            d->ajouterTracePas(tuv::floatVersInt(x), tuv::floatVersInt(sprite->y - static_cast<float>(tuv::rand() % 6)),
                               2 * sx);
            d->ajouterEffet(x - 40, yp - 5, sx, sx);
        }
    } else if (atterrissage) {
        d->ajouterEffet(x - 20, yp - 2.5f, 0.5f * sx, 0.5f * sx);
    } else {
        d->ajouterEffet(x - 10, yp - 1.25f, 0.25f * sx, 0.25f * sx);
    }
}

int CPerso::deplacerHorizontal(int d, float distance, const int famille[10])
{
    const float dx = d == 0 ? distance : -distance;
    // Crouch-walking, the feet rest one pixel inside the ground: the crouched body is probed
    // from just above them, else the ground itself would block every step.
    const bool auSol = mode == BAISSE_MARCHE;
    const bool bloque = colonne(decorActif(), dx, auSol ? -1.0f : 0.0f, tete(auSol ? 1 : 0)) != nullptr;
    if (bCoup)
        coup(bloque ? 0 : dx, 0);
    else
        jouerFamille(famille, bloque ? 0 : dx, 0);
    return bloque ? 1 : 0;
}

int CPerso::deplacerEnSaut(int d)
{
    if (!peutBouger())
        return 0;
    support = nullptr;
    tourner(d);
    float distance = static_cast<float>(vitesseBornee(vitesseSaut)) * coefficientTemps();
    // Inside a dig hole the character goes no further than the hole's wall.
    if (CDecor* dec = decorActif())
        if (const CCreusement* c = dec->getCreusement(nullptr, tuv::floatVersInt(sprite->x),
                                                      tuv::floatVersInt(sprite->y))) {
            const float bord = d == 0 ? static_cast<float>(c->rectX + c->rectLargeur - 1) - sprite->x
                                      : sprite->x - static_cast<float>(c->rectX);
            distance = std::min(distance, std::max(0.0f, bord));
        }
    return deplacerHorizontal(d, distance, animSautAsc);
}

int CPerso::deplacerEnLAir(int d)
{
    if (!peutBouger())
        return 0;
    support = nullptr;
    tourner(d);
    return deplacerHorizontal(d, static_cast<float>(vitesseBornee(vitesseChute)) * coefficientTemps(), animSautDsc);
}

// ---------------------------------------------------------------- jumps and falls

[[gnu::flatten]] int CPerso::gererSaut()
{
    if (!peutBouger())
        return 0;
    support = nullptr;
    if (mode == SAUT_MONTE) {
        const float coeff = coefficientTemps();
        const float montee = static_cast<float>(vitesseBornee(vitesseSaut)) * coeff;
        if (plafond(montee)) {
            passerEtat(CHUTE_SAUT);
            return 0;
        }
        ++compteurSaut;
        if (bCoup)
            coup(0, -montee);
        else
            jouerFamille(animSautAsc, 0, -montee);
        if (compteurSaut >= dureeFrames(maxSaut, coeff))
            passerEtat(CHUTE_SAUT);
    } else if (mode == CHUTE_SAUT) {
        --compteurSaut;
        if (bCollisions)
            tomber();
    } else if (mode != TOUCHE) {
        compteurSaut = 0;
        passerEtat(SAUT_MONTE);
    }
    return 0;
}

int CPerso::gererSautMontee()
{
    if (!peutBouger() || mode != REBOND)
        return 0;
    support = nullptr;
    const float coeff = coefficientTemps();
    const float montee = static_cast<float>(vitesseBornee(vitesseSaut)) * coeff;
    if (plafond(montee)) {
        passerEtat(CHUTE_SAUT);
        return 0;
    }
    ++compteurSautAuto;
    ++compteurSaut;
    jouerFamille(animSautAsc, 0, -montee);
    if (compteurSaut >= dureeFrames(maxSautAuto, coeff))
        passerEtat(CHUTE_SAUT);
    return 0;
}

[[gnu::flatten]] int CPerso::tomber()
{
    // A character the editor's mouse carries stays where the mouse holds it.
    if (!peutBouger() || bSaisiSouris)
        return 0;
    support = nullptr;
    if (mode != CHUTE_SAUT && mode != CHUTE && mode != MORT && mode != VICTOIRE)
        passerEtat(CHUTE);
    const bool lent = mode == MORT || mode == VICTOIRE;
    const float coeff = coefficientTemps();
    const float pas = (lent ? PAS_CHUTE_LENT : PAS_CHUTE) * coeff;
    const float distance = static_cast<float>(vitesseBornee(vitesseChute)) * coeff;
    const float h = tete(1);
    float dy = -1;
    int i = 0;
    CDecor* const decor = decorActif();
    for (; static_cast<float>(i) * pas <= distance; ++i) {
        const float o = static_cast<float>(i) * pas;
        if (CSPRITE* sol = colonne(decor, 0, o, h)) {
            support = sol;
            // The feet stop above the next probe; the next ground contact lifts them out.
            dy = o + std::max(pas - 1, 0.0f);
            // A victory pose lands too; victoire() then takes it back to its pose, whose
            // animation must not restart on each landing.
            if (mode == VICTOIRE)
                mode = RECEPTION_CHUTE;
            else if (mode != MORT)
                passerEtat(RECEPTION_CHUTE);
            break;
        }
    }
    if (dy < 0)
        dy = static_cast<float>(i) * pas;  // the first step beyond the distance, not probed
    if (mode == MORT)
        setAnimation(animMort, 0, dy);
    else if (bCoup)
        coup(0, dy);
    else
        jouerFamille(animSautDsc, 0, dy);
    return 0;
}

int CPerso::gererChute()
{
    if (!bCollisions)
        return 1;
    return tomber();
}

int CPerso::gererReception()
{
    if (!peutBouger())
        return 0;
    if (mode == RECEPTION_CHUTE) {
        setAnimation(visee != -1 ? animSautReceptionArme : animSautReception, 0, 0);
        if (boucleTerminee())
            passerEtat(RECEPTION);
        bnodash = false;
        poserAuSol(nullptr);
        marquerSol(true);
    } else if (mode == RECEPTION) {
        passerEtat(ARRET);
        poserAuSol(nullptr);
    }
    return 0;
}

int CPerso::poserAuSol(CSPRITE* sol)
{
    if (!peutBouger())
        return 0;
    if (bVaisseau) {
        setAnimation(-1, 0, 0);
        return 0;
    }
    const bool baisse = mode == BAISSE || mode == BAISSE_MARCHE || mode == ARRET_BAISSE || mode == RECEPTION_CHUTE;
    const float h = tete(baisse ? 1 : 0);
    const int xPied = tuv::floatVersInt(sprite->x), yPied = tuv::floatVersInt(piedsY());
    support = sol;
    CDecor* const decor = decorActif();
    if (!sol && !(sol = colonne(decor, 0, 0, h))) {
        CSPRITE* bas = nullptr;
        const int k = chercherSol(decor, 0, h, bas);
        if (k < 0) {
            decalagePlateforme = 0;
            if (mode != SAUT_MONTE)
                passerEtat(CHUTE);
            return 0;
        }
        support = bas;
        suivreSupport(xPied, yPied, bas);
        if (!bCoup)
            setAnimation(-1, static_cast<float>(decalagePlateforme) * coefficientTemps(), static_cast<float>(k - 1));
        return 0;
    }
    support = sol;
    suivreSupport(xPied, yPied, sol);
    const float decal = static_cast<float>(decalagePlateforme) * coefficientTemps();
    const int k = chercherMontee(decor, decal, h, 0);
    if (k <= 0 && !bCoup)
        setAnimation(-1, decal, static_cast<float>(k + 1));
    return 0;
}

// ---------------------------------------------------------------- crouching, standing, action

int CPerso::baisser()
{
    if (!peutBouger())
        return 1;
    if (mode != BAISSE && mode != BAISSE_MARCHE && mode != ARRET_BAISSE)
        passerEtat(BAISSE);
    if (mode == BAISSE) {
        setAnimation(visee == -1 ? ANIM_BAISSE : ANIM_BAISSE_VISEE, 0, 0);
        if (boucleTerminee()) {
            passerEtat(ARRET_BAISSE);
            if (!sprite->bAnime)
                setAnimation(animAccroupi(visee), 0, 0);
        }
    } else if (mode == ARRET_BAISSE) {
        if (bCoup)
            coup(0, 0);
        else
            setAnimation(animAccroupi(visee), 0, 0);
    } else {
        setAnimation(ANIM_BAISSE_MARCHE, 0, 0);
    }
    poserAuSol(nullptr);
    return 1;
}

int CPerso::resetEtat()
{
    if (!peutBouger())
        return 0;
    if (bCoup) {
        coup(0, 0);
        passerEtat(ARRET);
        return 0;
    }
    // A dead character keeps its pose; anyone else stands up where the head has room.
    if (mode != MORT && teteLibre()) {
        if (mode == TOUCHE) {
            animerTouche();
        } else {
            passerEtat(ARRET);
            jouerFamille(animArret, static_cast<float>(decalagePlateforme) * coefficientTemps(), 0);
        }
    }
    poserAuSol(nullptr);
    return 0;
}

// A frame of standing still: the standing pose (a plain sprite coming back from another one
// switches to it) and the ground contact, which plays it once and follows the platform.
int CPerso::resterDebout()
{
    if (!peutBouger())
        return 0;
    const int debout = animArret[entreeVisee(visee)];
    if (!sprite->bAnime && sprite->getNumAnim() != debout)
        sprite->setAnim(debout);
    return poserAuSol(nullptr);
}

int CPerso::gererAction()
{
    if (!peutBouger())
        return 0;
    if (teteLibre()) {
        if (mode == TOUCHE) {
            animerTouche();
        } else {
            passerEtat(ACTION);
            setAnimation(animAction, static_cast<float>(decalagePlateforme) * coefficientTemps(), 0);
            if (boucleTerminee())
                passerEtat(ARRET);
        }
    }
    poserAuSol(nullptr);
    return 0;
}

// ---------------------------------------------------------------- dash, push back, recoil, patrol

int CPerso::gererDash(int d)
{
    if (!peutBouger())
        return 0;
    // Whole multiples of the walk speed per frame at 30 fps, scaled like every distance.
    const float v = static_cast<float>(vitesseBornee(vitesse)) * coefficientTemps();
    const float sens = d == 0 ? 1.0f : -1.0f;
    float dx = 0, dy = 0;
    int anim = -1;
    switch (visee) {
    case 3: dy = -4 * v; anim = 29; break;
    case 0: dx = 3 * v; dy = -3 * v; anim = 30; break;
    case 1: dx = 4 * v; anim = 31; break;
    case 2: dx = 3 * v; dy = 3 * v; anim = 32; break;
    case 4: dy = 4 * v; anim = 33; break;
    default: break;
    }
    dx *= sens;
    const float h = tete(0);
    CDecor* const decor = decorActif();
    if (colonne(decor, dx, dy, h)) {
        // Blocked ahead: straight up (or down for a downward aim) when that way is free.
        if (visee == 0 || visee == 1) {
            dx = 0;
            dy = -4 * v;
        } else if (visee == 2) {
            dx = 0;
            dy = 4 * v;
        }
        if (colonne(decor, dx, dy, h)) {
            passerEtat(CHUTE);
            compteurDash = 0;
            return 0;
        }
    }
    if (compteurDash <= 0) {
        passerEtat(CHUTE);
        compteurDash = 0;
        return 0;
    }
    if (anim >= 0)
        setAnimation(anim, dx, dy);
    --compteurDash;
    return 0;
}

int CPerso::majPoussee(int p)
{
    if (compteurDash2 < 1) {
        compteurDash2 = 0;
        return 0;
    }
    if (!peutBouger())
        return 0;
    marcher(p, 1);
    // The walk turned the character toward the push: it keeps facing where the hit came from.
    tourner(p == 1 ? 0 : 1);
    sprite->sens = p == 1 ? 1 : -1;
    --compteurDash2;
    return 0;
}

int CPerso::majRecul(int f)
{
    if (compteurRecul < 1) {
        compteurRecul = 0;
        return 0;
    }
    marcher(f == 0 ? 1 : 0, 1);
    --compteurRecul;
    return 0;
}

int CPerso::demiTour()
{
    if (distancePatrouille < 1)
        return 0;
    if (!peutBouger())
        return 1;
    compteurCadence = 0;
    const bool bloque = marcher(direction, 1) != 0;
    if (mode == MORT)
        return 1;
    const float limite = static_cast<float>(distancePatrouille);
    if (direction == 1) {
        if (bloque || sprite->x <= sprite->x0 - limite) {
            tourner(0);
            sprite->sens = 1;
        }
    } else if (bloque || sprite->x > sprite->x0 + limite) {
        tourner(1);
        sprite->sens = -1;
    }
    return 1;
}

int CPerso::victoire()
{
    if (!peutBouger())
        return 0;
    const bool enPose = mode == VICTOIRE;
    if (bCollisions)
        tomber();
    if (enPose && mode == RECEPTION_CHUTE)
        mode = VICTOIRE;  // the pose goes on where it was
    else
        passerEtat(VICTOIRE);
    // A layered sprite plays the state's named animation; a plain one its numbered pose.
    if (!sprite->bAnime)
        sprite->animer(ANIM_VICTOIRE);
    return 0;
}

// ---------------------------------------------------------------- bounce pads

// A pad under the feet is listed by suivrePlateforme. Each frame its own step runs for the
// feet: an idle pad they stand on is pressed, a pressed one whose animation has played
// launches. The character it launches while still standing on it rises; either way the
// character takes the launch (the pad goes back to idle), and idle pads leave the list.
int CPerso::testRebond()
{
    if (!sprite)
        return 0;
    if (sprite->bPhysC && sprite->pChemin)
        sprite->pChemin->maj(tuv::floatVersInt(sprite->x), tuv::floatVersInt(sprite->y), sprite);
    if (!peutBouger())
        return 0;
    const int x = tuv::floatVersInt(sprite->x), y = tuv::floatVersInt(piedsY());
    for (CSPRITE* pad : std::list<CSPRITE*>(plateformes)) {
        if (!pad || !pad->bPhysR || !pad->pPhysR || pad->pPhysR->maj(x, y, pad) != 2)
            continue;
        if (pad == support && mode != REBOND) {
            compteurSaut = 0;
            compteurSautAuto = 0;
            passerEtat(REBOND);
            setAnimation(-1, 0, -LEVEE_REBOND);
        }
        pad->pPhysR->etat = 0;
        pad->bChange = true;
    }
    plateformes.remove_if([](CSPRITE* pad) { return getEtatRebond(pad) == 0; });
    return 0;
}

// ---------------------------------------------------------------- turrets

int CPerso::utiliserTourelle() { return utiliserTourelle(bTourelle ? nullptr : getTourelleProche()); }

int CPerso::utiliserTourelle(CPerso* proche)
{
    if (bTourelle) {
        if (CPerso* t = tourelle)
            t->bActionTourelle = true;
        lacherTourelle();
        return 0;
    }
    if (!proche || proche->bActionTourelle || proche == this)
        return 0;
    if (CPerso* tenant = proche->tourelle) {
        // Only a character of the same player is made to leave it.
        if (tenant->numJoueur == numJoueur)
            tenant->utiliserTourelle(nullptr);
        return 0;
    }
    prendre(*proche);
    return 0;
}

void CPerso::prendre(CPerso& t)
{
    if (t.sprite)
        t.sprite->setOverVisible(OVER_TOURELLE, false);
    bTourelle = true;
    tourelle = &t;
    t.tourelle = this;
    t.numJoueur = numJoueur;
    passerEtat(ARRET_BAISSE);
    baisser();
    passerEtat(CONTROLE_TOURELLE);
    if (sprite && t.sprite) {
        tourner(t.direction);
        const float s = static_cast<float>(sprite->miroir);
        sprite->placer(-1, tuv::floatVersInt(t.sprite->x - s * static_cast<float>(posMitrailleuse[0])),
                       tuv::floatVersInt(t.sprite->y - static_cast<float>(posMitrailleuse[1])));
    }
    t.bActionTourelle = true;
}

// A turret freed meanwhile reads null: the character only lets go of it.
int CPerso::lacherTourelle()
{
    if (!bTourelle && !tourelle)
        return 0;
    CPerso* t = tourelle;
    bTourelle = false;
    passerEtat(ARRET);
    if (t) {
        if (t->sprite)
            t->sprite->setOverVisible(OVER_TOURELLE, true);
        t->tourelle = nullptr;
    }
    tourelle = nullptr;
    return 0;
}

