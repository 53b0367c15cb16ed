// Revival of a player's character: alive, full life, its weapon, no death marks, at the
// level's respawn point or its own start.
#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Chemin.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Particules.h"
#include "core/Texte.h"
#include "level/Decor.h"

#include <algorithm>

namespace {

constexpr int TYPE_JEU_MULTI = 2;
// The death overlays of the sprite's animations: arrow, arrow in the head, spikes, fire.
const char* const SURIMPRESSIONS_MORT[] = {"mort_fleche", "mort_fleche_tete", "mort_piques", "mort_feu"};
// Overs left by hits and by picked-up crystals.
const char* const OVERS_BLESSURES[] = {"SANG", "OVER_FLECHE"};
const char* const OVERS_CRISTAUX[] = {"LUX21", "CRISTAL", "CRISTAL1", "CRISTAL2", "CRISTAL3"};

void remettreEnVie(CPerso& p)
{
    p.bVaisseau = false;
    p.mode = EtatPerso::ARRET;
    p.setEtat(EtatPerso::ARRET);
    p.bDel = p.bMortTerminee = p.bMortLancee = false;
    p.bPasdesaut = p.bInversionGD = p.bTourelle = p.bParalyse = false;
    p.vie = p.vieMax;
    p.compteurClignote = 0;
    p.compteurTouche = -1;
}

// What the last blows left. The push, recoil and drift are more than a revival has to undo to
// bring him back to life, but they are cleared on purpose: the killing blow's push (up to 40
// frames at walking speed) and recoil are held while he lies dead, and a force zone goes on
// writing its drift into a body lying in it. Left in, the revived hero took them up at his
// first frame, sliding up to 240 px from his start or the checkpoint through the doors and the
// countdown, when no player may move, and turning toward where the blow came from.
void oublierCoups(CPerso& p)
{
    p.compteurDash2 = p.compteurRecul = 0;
    p.vitesseForceX = p.vitesseForceY = 0;
    p.compteurMort = 0;
    p.derniereArme.clear();
    p.bToucheTete = p.bTirTete = p.bTirJambes = p.bFlecheGenou = false;
    p.captures.clear();
    p.bCoup = false;
    p.tempsCoup = 0;
    p.etapeCoup = 0;
}

// Every slot gets its weapon's full load again, as the character's load gave it: a hero
// revived after spending the rounds of his other weapons does not come back without them.
void rechargerTout(CPerso& p)
{
    const CArmes* liste = armesDuJeu();
    for (SlotArme* slot : p.armes)
        if (const CArme* arme = slot && liste ? liste->arme(slot->numero) : nullptr)
            slot->munitions = arme->munitions;
}

// The current slot gets its weapon's full load again.
void recharger(CPerso& p)
{
    if (p.armeCourante < 0 || p.armeCourante >= static_cast<int>(p.armes.size()) || !p.armes[p.armeCourante])
        return;
    const CArmes* liste = armesDuJeu();
    const CArme* arme = liste ? liste->arme(p.armes[p.armeCourante]->numero) : nullptr;
    if (arme)
        p.armes[p.armeCourante]->munitions = arme->munitions;
}

// A round's drawn start weapon is one of the nine fountain weapons, which a hero carrying fewer
// slots may not have: he then takes his first weapon rather than start the round unable to fire.
void premiereArme(CPerso& p)
{
    const int nb = std::min(p.nbarmesperso, static_cast<int>(p.armes.size()));
    for (int i = 0; i < nb; ++i)
        if (p.armes[static_cast<size_t>(i)] && p.armes[static_cast<size_t>(i)]->bPossedee) {
            p.selectArme(i);
            return;
        }
}

// A two-player round's start weapon: slot k of a hero holds weapon k of the options' row, so
// the weapon drawn among the ticked ones is the slot he starts on, given him for the round,
// besides his own weapons; what the round before or a fountain gave him is taken back. With
// nothing drawn (no weapon ticked, or a hero without that slot) he holds his first own one.
void armerPourLaManche(CPerso& p, int slot)
{
    for (SlotArme* s : p.armes)
        if (s)
            s->bPossedee = s->bPossedeeDefinition;
    SlotArme* donnee = slot >= 0 && slot < p.nbSlots() ? p.armes[static_cast<size_t>(slot)] : nullptr;
    if (!donnee) {
        premiereArme(p);
        return;
    }
    donnee->bPossedee = true;
    p.selectArme(slot);
}

void placerAuDepart(CSPRITE3& s) { s.placerImage(0, 0, tuv::floatVersInt(s.x0), tuv::floatVersInt(s.y0)); }

// An AI's sprite as its creation placed it: at its start, unturned, in the first frame of its
// first animation, played forward. A cannon's base whose turn, or the hits that play it, left
// it on another frame or playing backwards took the gun it carries to the wrong side, hidden.
void placerCommeACreation(CSPRITE3& s)
{
    s.placer(0, tuv::floatVersInt(s.x0), tuv::floatVersInt(s.y0));
    s.sensAnim = 1;
    s.tempsFrame = 0;
    s.setRotation(0);
}

// The hit and end emitters always stop; the death emitter only outside a two-player round.
void arreterEmetteurs(CPerso& p)
{
    const PartieJeu* jeu = faceJeu::partie();
    const bool manchesVides = !jeu || std::all_of(std::begin(jeu->manchesGagnees), std::end(jeu->manchesGagnees),
                                                  [](int n) { return n == 0; });
    for (CParticules* e : {p.particuleTouche, manchesVides ? p.particuleMort : nullptr, p.particuleFin})
        if (e)
            e->bStop = true;
}

} // namespace

void CDecor::ranimerPerso(CPerso* perso, int armeSlot)
{
    if (!perso || !perso->sprite)
        return;
    CPerso& p = *perso;
    CSPRITE3& s = *p.sprite;
    const PartieJeu* jeu = faceJeu::partie();
    const bool multi = jeu && jeu->typeJeu == TYPE_JEU_MULTI;
    remettreEnVie(p);
    if (multi)
        armerPourLaManche(p, armeSlot);
    else if (armeSlot >= 0 && armeSlot < p.nbarmesperso)
        p.selectArme(armeSlot);
    oublierCoups(p);
    for (const char* nom : SURIMPRESSIONS_MORT)
        s.appliquerAnimElemsParNom(nom, false, true);
    s.setCouleurGlobale(sf::Color(255, 255, 255, 255));
    p.vitesseCourante = p.vitesse;
    rechargerTout(p);
    s.sprite.setColor(s.couleur);
    const bool sansReprise = checkpointX == -1 || checkpointY == -1;
    if (sansReprise)
        placerAuDepart(s);
    else
        s.placerImage(0, 0, checkpointX, checkpointY);
    s.setScale(s.sxMax, s.syMax);
    p.setDirection(p.directionInitiale);
    s.rotangle = 0;
    for (const char* nom : OVERS_BLESSURES)
        s.supprimerOver(nom);
    p.lacherTourelle();
    arreterEmetteurs(p);
    for (const char* nom : OVERS_CRISTAUX)
        s.supprimerOver(nom);
    s.setVisible(!multi);
    s.bTailleFixe = multi;
}

// An AI back at its start as a load makes it: alive, its model's hit box (the loot its death
// dropped widened it, whether or not the death had played to its end), falling or hovering in
// its first animation, facing its "Direction", with its first weapon loaded; controllable
// turrets keep their visibility. Its attached characters (a cannon's gun, which is not in the
// level's list of AIs) come back the same way, each at its own place on its carrier.
void CDecor::ranimerIA(CPerso& ia)
{
    const CPersoDef* def = ia.sprite && ia.sprite->pDEC ? ia.sprite->pDEC->pPersoDef : nullptr;
    if (def)
        std::copy(std::begin(def->hitbox), std::end(def->hitbox), ia.sprite->hitbox);
    // Out of the death state first: a dead character takes no other.
    ia.mode = EtatPerso::ARRET;
    ia.setEtat(ia.bVaisseau ? EtatPerso::ARRET : EtatPerso::CHUTE);
    if (ia.sprite && ia.id != "TOURELLE_CONTROLABLE")
        ia.sprite->setVisible(true);
    ia.bDel = ia.bMortTerminee = ia.bPasdesaut = ia.bInversionGD = ia.bParalyse = ia.bMortLancee = false;
    ia.vie = ia.vieMax;
    ia.compteurClignote = 0;
    ia.compteurTouche = -1;
    if (ia.sprite)
        placerCommeACreation(*ia.sprite);
    ia.setDirection(ia.directionInitiale);
    ia.visee = ia.bVaisseau ? 1 : -1;
    ia.armeCourante = 0;
    recharger(ia);
    for (CPerso* enfant : ia.enfants)
        if (enfant && enfant != &ia)
            ranimerIA(*enfant);
    if (ia.sprite && ia.sprite->pChemin)
        ia.sprite->pChemin->reinitialiser();
    for (CParticules* e : {ia.particuleTouche, ia.particuleMort, ia.particuleFin})
        if (e)
            e->bStop = true;
}
