// The character's side of a player's command step: what one frame of commands makes the
// character do, state by state. The game calls it once per frame for each player's character
// (CSFMLJeu::commandesJoueur); the weapons, the hits and the computer pilot add their parts.
#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "core/Commandes.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Services.h"
#include "core/Texte.h"

#include <algorithm>

namespace {

using namespace EtatPerso;

constexpr int DUREE_DASH = 10;             // frames at 30 fps
constexpr int SECOUSSE_DASH_DUREE = 4, SECOUSSE_DASH_AMPLITUDE = 2;
constexpr float FRACTION_SAUT_MINIMUM = 1.5f;  // a released jump rises to maxSaut / 1.5 at least
constexpr int TYPE_CHRONO = 1;

bool niveauChrono()
{
    const PartieJeu* jeu = faceJeu::partie();
    return jeu && jeu->typeJeu == TYPE_CHRONO;
}

} // namespace

// Flattened: the jump rules and the state's branch run inline, once per frame per player.
[[gnu::flatten]] void CPerso::appliquerCommandes(const CommandesJoueur& c)
{
    bMarche = false;
    if (!peutBouger())
        return;
    // A dead player only goes through its death.
    if (mode == MORT && estVisible()) {
        mourir();
        return;
    }
    if (!bCollisions) {
        deplacerLibrement(c);
        return;
    }
    if (!bVaisseau) {
        if (compteurDash2 > 0)
            majPoussee(directionPoussee);
        if (compteurRecul > 0)
            majRecul(direction);
    }
    if (c.bCorpsACorps)
        commencerCoup();
    // The weapons: aim, fire, switches (before the state's branch, which may reset the aim step).
    commandesTir(c);
    int dir = -1;
    if (c.bGauche != c.bDroite)
        dir = c.bGauche ? 1 : 0;
    if (bInversionGD && dir >= 0)
        dir = 1 - dir;
    const bool saut = reglesSaut(c);
    // One press of the action command acts once, however long it is held.
    const bool action = c.bAction && !bActionPrecedente;
    bActionPrecedente = c.bAction;
    if (action) {
        if (bTourelle || chercherTourelle() != 0) {
            utiliserTourelle();
            return;
        }
        if (mode == ARRET || mode == MARCHE) {
            gererAction();
            return;
        }
    }
    brancheEtat(dir, saut, c.bAccroupi);
}

// The jump command of this frame, and the start of a dash.
bool CPerso::reglesSaut(const CommandesJoueur& c)
{
    const bool tenu = c.bSautMaintenu;
    if (tenu && !bCoup && bDashPossible && compteurDash < 1 && (mode == SAUT_MONTE || mode == REBOND)) {
        const float x = static_cast<float>(tuv::floatVersInt(sprite->x)), y = piedsY();
        if (!segment(x, static_cast<float>(tuv::floatVersInt(y)), x, static_cast<float>(tuv::floatVersInt(y - tete(0))))) {
            passerEtat(DASH);
            compteurDash = dureeFrames(DUREE_DASH);
            bnodash = true;
            if (ServicesJeu* jeu = faceJeu::services()) {
                jeu->secouerCamera(SECOUSSE_DASH_DUREE, SECOUSSE_DASH_AMPLITUDE);
                jeu->jouerSon("DASH");
            }
            bDashPossible = false;
        } else {
            compteurDash = 0;
        }
    }
    bool saut = false;
    // The minimum rise, asked only of a released jump.
    const auto minimum = [this] {
        return static_cast<float>(std::clamp(maxSaut, 0, LIMITE_COMPTE)) / (FRACTION_SAUT_MINIMUM * coefficientTemps());
    };
    if (tenu) {
        if (mode != CHUTE_SAUT && mode != CHUTE) {
            saut = true;
            bSautEnCours = true;
        }
    } else if (bSautEnCours && static_cast<float>(compteurSaut) <= minimum()) {
        // Released early: the jump goes on to its minimum height, and a second press dashes.
        if (!niveauChrono())
            bDashPossible = true;
        saut = true;
    } else {
        bSautEnCours = false;
        bDashPossible = false;
        compteurDash = 0;
    }
    if (bPasdesaut || bTourelle)
        saut = false;
    return saut;
}

// The branch of the state: dir is the held direction (-1 none).
void CPerso::brancheEtat(int dir, bool saut, bool accroupi)
{
    switch (mode) {
    case BAISSE:
    case BAISSE_MARCHE:
    case ARRET_BAISSE:
        if (!accroupi && teteLibre()) {
            resetEtat();  // stands up where the head has room
        } else if (mode == BAISSE) {
            baisser();
        } else if (dir >= 0) {
            passerEtat(BAISSE_MARCHE);
            baisser();
            deplacerEnSaut(dir);
        } else {
            passerEtat(ARRET_BAISSE);
            baisser();
        }
        break;
    case DASH:
        gererDash(direction);
        break;
    case VICTOIRE:
        victoire();
        break;
    case RECEPTION_CHUTE:
        gererReception();
        break;
    case RECEPTION:
        if (accroupi) {
            passerEtat(ARRET_BAISSE);
        } else {
            gererReception();
            resetEtat();
        }
        break;
    case CHUTE_SAUT:
    case CHUTE:
        bSautEnCours = false;
        gererChute();
        if (dir >= 0)
            deplacerEnLAir(dir);
        break;
    case SAUT_MONTE:
        if (saut) {
            gererSaut();
            if (dir >= 0)
                deplacerEnSaut(dir);
        } else {
            gererChute();
        }
        break;
    case REBOND:
        if (saut && compteurSautAuto == 0) {
            compteurSaut -= dureeFrames(maxSautAuto);  // held, the rise lasts twice as long
            compteurSautAuto = 3;
        }
        gererSautMontee();
        if (dir >= 0)
            deplacerEnSaut(dir);
        break;
    case MORT:
        gererChute();
        break;
    case ACTION:
        gererAction();
        break;
    case PARALYSE:
    case CONTROLE_TOURELLE:
        break;
    default:
        if (!bCoup) {
            if (dir >= 0)
                marcher(dir, 1);
            else if (mode == MARCHE)
                resetEtat();  // the walk stops
            else if (mode == ARRET)
                resterDebout();  // stays on its platform, or falls when the ground goes
        }
        if (saut)
            gererSaut();
        else if (accroupi)
            baisser();
        break;
    }
}

// Collisions off: the character flies in the held directions, through everything.
void CPerso::deplacerLibrement(const CommandesJoueur& c)
{
    const float pas = static_cast<float>(std::clamp(vitesse, -LIMITE_VITESSE, LIMITE_VITESSE)) * coefficientTemps();
    bool gauche = c.bGauche, droite = c.bDroite;
    if (bInversionGD)
        std::swap(gauche, droite);
    float dx = 0, dy = 0;
    if (gauche)
        dx -= pas;
    if (droite)
        dx += pas;
    if (c.bHautClavier || c.bHaut)
        dy -= pas;
    if (c.bBasClavier || c.bBas)
        dy += pas;
    if (dx != 0 || dy != 0)
        setAnimation(-1, dx, dy);
}

void CPerso::etapeArret()
{
    bMarche = false;
    if (!peutBouger())
        return;
    if (bVaisseau) {
        setAnimation(0, 0, 0);
        return;
    }
    if (mode >= SAUT_MONTE && mode <= CHUTE)
        gererChute();
    else
        resetEtat();
}
