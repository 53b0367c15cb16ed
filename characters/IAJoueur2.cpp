// The computer-driven second player: each frame, before the second player's input step, the
// pilot fills a command record and a wanted aim that the input and command steps then obey as
// they would a human's keys. It chases the first player or a useful weapon fountain, aims at
// the first player when it can see it, fires when its weapon is ready, jumps over incoming
// shots and now and then while chasing.
#include "characters/Armes.h"
#include "characters/IABehaviours.h"
#include "characters/IAOutils.h"
#include "core/Dec.h"
#include "level/Decor.h"
#include "script/Script.h"
#include "script/ScriptEngine.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace EtatPerso;

constexpr float RADIANS_EN_DEGRES = 57.3f;
constexpr float PAS_VISEE = 10;           // pixels between two points of the sight check
constexpr int DISTANCE_MENACE = 250;      // a shot this near, heading in, is jumped over
constexpr int PAS_SEQUENCE_SAUT = 5;      // frames at 30 per second between the two presses
constexpr int FENETRE_SANS_VISEE = 4;     // frames at 30 per second without aiming after them
constexpr int CHANCE_SAUT_POURSUITE = 8;
constexpr float ZONE_MORTE = 5;           // no move within this many pixels of the target
constexpr float PORTEE_ACTION = 50;
constexpr int COMMANDE_FONTAINE = 2;      // FONTAINEDARMES's first argument for a fountain
const char* const MOT_CLE_FONTAINE = "FONTAINEDARMES";
const char* const DEFINITION_TRANSPARENTE = "DECVIDE";

bool participe(const CPerso* p)
{
    return p && p->sprite && p->sprite->bVisible && !p->bParalyse && ia::vivant(*p);
}

// Where a character aims from: its head.
sf::Vector2f pointVisee(const CPerso& p)
{
    return {p.sprite->x, p.sprite->y - static_cast<float>(p.posTete[0]) * p.sprite->sy};
}

float distance(sf::Vector2f a, sf::Vector2f b) { return std::hypot(b.x - a.x, b.y - a.y); }

// The name of the weapon of the character's current slot; "" without one.
std::string nomArme(const CPerso& p)
{
    const SlotArme* s = p.slotCourant();
    const CArmes* liste = armesDuJeu();
    const CArme* a = s && liste ? liste->arme(s->numero) : nullptr;
    return a ? a->nom : std::string();
}

// The aim step that comes closest to the angle.
int viseeDeAngle(int a)
{
    if (a < 22 || a > 337)
        return 3;
    if (a <= 67)
        return 0;
    if (a <= 113)
        return 1;
    if (a <= 157)
        return 2;
    if (a <= 203)
        return 4;
    if (a <= 247)
        return 2;
    if (a <= 291)
        return 1;
    return 0;
}

} // namespace

void CIABehaviours::piloterJoueur2()
{
    for (int i = 0; i < NB_OCTETS_PILOTE; ++i)
        if (i != 8 && i != 9)
            commandesPilote[i] = 0;
    CDecor* d = ia::decor();
    if (!d)
        return;
    std::vector<CPerso*> j1, j2;
    for (CPerso* p : d->persos) {
        if (!p || !p->sprite)
            continue;
        // A dead second player asks for its key while its death has not played once.
        if (p->numJoueurBis == 1 && p->sprite->bVisible && !p->bParalyse && !ia::vivant(*p) &&
            ia::boucles(*p->sprite) < 1)
            commandesPilote[PILOTE_MORT] = 1;
        if (!participe(p))
            continue;
        if (p->numJoueurBis == 0)
            j1.push_back(p);
        else if (p->numJoueurBis == 1)
            j2.push_back(p);
    }
    if (sequenceSaut()) {
        viserJoueur1(j1, j2);
        sauterMenace(j2);
    }
    if (j1.empty())
        return;
    const sf::Vector2f cible = pointVisee(*j1.back());
    float cx = std::trunc(cible.x), cy = std::trunc(cible.y);
    bCibleFontaine = false;
    chercherFontaines(j1, j2, cx, cy);
    CPerso* self = nullptr;
    float meilleure = 0;
    for (CPerso* s : j2) {
        const float dist = distance(pointVisee(*s), {cx, cy});
        if (!self || dist < meilleure) {
            self = s;
            meilleure = dist;
        }
    }
    if (self)
        poursuivre(*self, cx, cy);
}

// The jump sequence: a jump pressed, a second press some frames later (a dash), then a moment
// without aiming. False on the frames that do not aim.
bool CIABehaviours::sequenceSaut()
{
    int& c = compteurSaut;
    if (c == 0) {
        commandesPilote[PILOTE_SAUT] = 1;
        c = -1;
        return false;
    }
    if (c <= -1 && c >= -ia::frames(FENETRE_SANS_VISEE)) {
        --c;
        return false;
    }
    return true;
}

// After aiming: the sequence counts down, and a shot heading at a second player starts one.
void CIABehaviours::sauterMenace(const std::vector<CPerso*>& j2)
{
    int& c = compteurSaut;
    if (c >= 0)
        --c;
    CArmes* liste = armesDuJeu();
    if (c >= 0 || !liste)
        return;
    for (CPerso* s : j2)
        if (liste->tirMenace(s, DISTANCE_MENACE)) {
            commandesPilote[PILOTE_SAUT] = 1;
            c = ia::frames(PAS_SEQUENCE_SAUT) - 1;
            return;
        }
}

void CIABehaviours::viserJoueur1(const std::vector<CPerso*>& j1, const std::vector<CPerso*>& j2)
{
    angleJ2 = -1;
    commandesPilote[PILOTE_TIR] = 0;
    bool pris = false, cibleVue = false;
    float meilleure = 0, pente = 0;
    CPerso* tireur = nullptr;
    for (CPerso* s : j2) {
        const sf::Vector2f depart = pointVisee(*s);
        for (CPerso* o : j1) {
            const sf::Vector2f cible(o->sprite->x,
                                     o->sprite->y - (static_cast<float>(o->posTete[0]) * o->sprite->sy) / 3);
            const float d = distance(depart, cible);
            if (pris && d >= meilleure)
                continue;
            if (cible.x != depart.x)
                pente = std::atan((cible.y - depart.y) / (cible.x - depart.x));
            const bool aGauche = cible.x < depart.x;
            int angle = tuv::floatVersInt(pente * RADIANS_EN_DEGRES + 450) % 360;
            if (aGauche)
                angle += 180;
            if (!candidatVisible(*s, depart.x, depart.y, static_cast<float>(angle), d)) {
                cibleVue = false;
                continue;
            }
            angleJ2 = angle;
            directionJ2 = aGauche ? 1 : 0;
            meilleure = d;
            tireur = s;
            cibleVue = pris = true;
        }
    }
    choisirAngleJ2();
    deciderTir(tireur, cibleVue);
}

// "ARME 4" never aims at a player, "ARME 5" shoots through walls; any other weapon needs a line
// of sight that only empty definitions let through.
bool CIABehaviours::candidatVisible(CPerso& tireur, float x, float y, float angle, float d) const
{
    const std::string arme = nomArme(tireur);
    if (arme == "ARME 4")
        return false;
    if (arme == "ARME 5")
        return true;
    CDecor* decor = ia::decor();
    if (!decor)
        return true;
    const float r = (angle - 90) * 3.14159265f / 180;
    const float dx = PAS_VISEE * std::cos(r), dy = PAS_VISEE * std::sin(r);
    for (float parcouru = 0; parcouru < d; parcouru += PAS_VISEE) {
        x += dx;
        y += dy;
        const CSPRITE* sd = decor->testCollision(nullptr, x, y, x, y);
        if (sd && !(sd->pDEC && sd->pDEC->nom == DEFINITION_TRANSPARENTE) && sd->getIdDEC() != DEFINITION_TRANSPARENTE)
            return false;
    }
    return true;
}

// Without a target the aim wanders now and then, else points ahead.
void CIABehaviours::choisirAngleJ2()
{
    if (angleJ2 == -1) {
        if (tuv::randModulo(4) == 0)
            angleJ2 = tuv::randModulo(180) + (directionJ2 == 0 ? 0 : 180);
        else
            angleJ2 = directionJ2 == 0 ? 90 : 270;
    }
    viseeJ2 = viseeDeAngle(angleJ2);
}

void CIABehaviours::deciderTir(CPerso* tireur, bool cibleVue)
{
    const SlotArme* s = tireur ? tireur->slotCourant() : nullptr;
    if (!cibleVue || !s || !(s->munitions == -1 || s->munitions > 0) || !s->bPossedee ||
        tireur->compteurCadence >= s->cadence)
        return;
    if (tuv::randModulo(2) == 0)
        commandesPilote[PILOTE_TIR] = 1;
}

// A fountain of the active scripts that offers a weapon worth fetching replaces the first
// player as the target when a second player is nearer to it.
void CIABehaviours::chercherFontaines(const std::vector<CPerso*>& j1, const std::vector<CPerso*>& j2, float& cx,
                                      float& cy)
{
    MondeJeu* j = faceJeu::monde();
    CScriptEngine* moteur = j ? j->pscriptEngine : nullptr;
    if (!moteur || j1.empty())
        return;
    const SlotArme* slotJ1 = j1.back()->slotCourant();
    const bool j1Vide = !slotJ1 || slotJ1->munitions <= 0;
    float meilleure = -1;
    for (const auto& script : moteur->scripts) {
        if (!script || script->numCmdCour < 0 || script->numCmdCour >= static_cast<int>(script->commandes.size()))
            continue;
        const CScriptCommand* cmd = script->commandes[static_cast<size_t>(script->numCmdCour)].get();
        CSPRITE* sd = script->pSD;
        if (!cmd || cmd->strMotCle != MOT_CLE_FONTAINE || moteur->getArgInt(script.get(), 0) != COMMANDE_FONTAINE ||
            !sd || sd->getNumAnim() != 0)
            continue;
        const int arme = sd->numArmeFontaine;
        if (!j1Vide && arme != 1 && arme != 2 && arme != 4)
            continue;
        const sf::Vector2f f(std::trunc(sd->x), std::trunc(sd->y));
        for (CPerso* s : j2) {
            const float dist = distance(pointVisee(*s), f);
            if (meilleure == -1 || dist < meilleure) {
                meilleure = dist;
                cx = f.x;
                cy = f.y;
            }
        }
        bCibleFontaine = true;
    }
}

void CIABehaviours::poursuivre(CPerso& self, float cx, float cy)
{
    const CSPRITE3& s = *self.sprite;
    if (s.x < cx - ZONE_MORTE)
        commandesPilote[PILOTE_DROITE] = 1;
    else if (s.x > cx + ZONE_MORTE)
        commandesPilote[PILOTE_GAUCHE] = 1;
    if (compteurSaut < 0 && ia::chance(CHANCE_SAUT_POURSUITE)) {
        commandesPilote[PILOTE_SAUT] = 1;
        compteurSaut = ia::frames(PAS_SEQUENCE_SAUT) - 1;
        const bool droite = self.direction == 0;
        const bool auDessus = cy < s.y;
        const bool premier = tuv::randModulo(2) == 0;
        if (auDessus) {
            viseeJ2 = premier ? 3 : 0;
            angleJ2 = premier ? (droite ? 1 : 359) : (droite ? 45 : 315);
        } else {
            viseeJ2 = premier ? 2 : 4;
            angleJ2 = premier ? (droite ? 135 : 225) : (droite ? 181 : 179);
        }
    }
    if (std::fabs(s.x - cx) < PORTEE_ACTION && std::fabs(s.y - cy) < PORTEE_ACTION && !bCibleFontaine &&
        tuv::randModulo(2) == 0)
        commandesPilote[PILOTE_ACTION] = 1;
}
