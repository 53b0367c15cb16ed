// The game's side of a player's command step: which character obeys which record, the go of
// the chrono, and the stop of every character while the level is not running.
#include "game/Jeu.h"

#include "characters/IABehaviours.h"
#include "characters/Perso.h"
#include "level/Decor.h"

namespace {

const char* const ID_TOURELLE = "TOURELLE_CONTROLABLE";
constexpr int MODE_JEU = 1;
constexpr int TYPE_MULTI = 2;

// Any command but pause: the player has acted.
bool commandeDonnee(const CommandesJoueur& c)
{
    static constexpr bool CommandesJoueur::*COMMANDES[] = {
        &CommandesJoueur::bA,          &CommandesJoueur::bB,        &CommandesJoueur::bX,
        &CommandesJoueur::bY,          &CommandesJoueur::bLB,       &CommandesJoueur::bRB,
        &CommandesJoueur::bBack,       &CommandesJoueur::bHaut,     &CommandesJoueur::bBas,
        &CommandesJoueur::bLS,         &CommandesJoueur::bRS,       &CommandesJoueur::bRelA,
        &CommandesJoueur::bRelB,       &CommandesJoueur::bRelX,     &CommandesJoueur::bRelY,
        &CommandesJoueur::bRelHaut,    &CommandesJoueur::bRelBas,   &CommandesJoueur::bRelLS,
        &CommandesJoueur::bRelRS,      &CommandesJoueur::bRelLB,    &CommandesJoueur::bRelRB,
        &CommandesJoueur::bRelBack,    &CommandesJoueur::bGauche,   &CommandesJoueur::bDroite,
        &CommandesJoueur::bHautClavier, &CommandesJoueur::bBasClavier, &CommandesJoueur::bSaut,
        &CommandesJoueur::bAccroupi,   &CommandesJoueur::bTir,      &CommandesJoueur::bCorpsACorps,
        &CommandesJoueur::bAction,     &CommandesJoueur::bDash,     &CommandesJoueur::bArmeSuivante,
        &CommandesJoueur::bArmePrecedente, &CommandesJoueur::bTirMaintenu, &CommandesJoueur::bSautMaintenu,
    };
    for (auto champ : COMMANDES)
        if (c.*champ)
            return true;
    return false;
}

} // namespace

void CSFMLJeu::commandesJoueur(int joueur)
{
    if (joueur < 0 || joueur > 1 || !pdecor)
        return;
    if (mode == MODE_JEU && bControleJoueurs && !bGoChrono && commandeDonnee(commandes[joueur]))
        bGoChrono = true;
    if (!bJoue) {
        if (joueur == 0)
            for (CPerso* p : pdecor->persos)
                if (p)
                    p->etapeArret();
        return;
    }
    CPerso* perso = nullptr;
    if (joueur == 0) {
        // Once per frame, before either player acts: a turret taken or left this frame
        // cannot be taken again by the other player in the same frame.
        for (auto* liste : {&pdecor->persos, &pdecor->ias})
            for (CPerso* p : *liste)
                if (p && p->id == ID_TOURELLE)
                    p->bActionTourelle = false;
        perso = pPerso;
    } else {
        for (CPerso* p : pdecor->persos)
            if (p && p->numJoueur == 1 && !p->bDel) {
                perso = p;
                break;
            }
    }
    if (!perso)
        return;
    // Without control (before the level's go, during its end) the record counts as empty:
    // the steps still run, so that a falling character lands.
    static const CommandesJoueur AUCUNE = {};
    // The computer pilot aims for the second player's character and turns it to its target:
    // before the step, which fires with that aim, and again after it, walking having turned it.
    const CIABehaviours* pilote = joueur == 1 && pilotee() ? pIABehaviours : nullptr;
    perso->bViseePilotee = pilote != nullptr;
    if (pilote) {
        perso->visee = pilote->viseeJ2;
        perso->angleVisee = static_cast<float>(pilote->angleJ2);
        perso->setDirection(pilote->directionJ2);
    }
    perso->appliquerCommandes(bControleJoueurs ? commandes[joueur] : AUCUNE);
    if (pilote)
        perso->setDirection(pilote->directionJ2);
}

bool CSFMLJeu::pilotee() const { return mode == MODE_JEU && typeJeu == TYPE_MULTI && bIAJoueur2 && pIABehaviours; }
