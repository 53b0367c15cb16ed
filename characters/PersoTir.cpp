// A character's weapons: the current slot, the firing origin of each aim step and stance, the
// shot with its patterns, spread and ammunition, the turret it holds, the weapons a dead AI
// leaves, and the firing part of a player's command step.
#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "characters/TirsCommun.h"
#include "core/Commandes.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/Services.h"
#include "core/Texte.h"
#include "level/Decor.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr int SLOT_DE_SECOURS = 9;  // the adventure's weapon that never runs dry
constexpr float DUREE_NOM_ARME = 150;  // frames at 30 per second

// Stances of the firing positions and the angles of each group, in their stored order.
enum Posture { DEBOUT = 0, ACCROUPI = 1, ACCROUPI_MARCHE = 2, SANS_POSTURE = -1 };
enum IndiceAngle { A0 = 0, A180 = 1, A45 = 2, A90 = 3, A135 = 4, A30 = 5, A70 = 6, A110 = 7, A150 = 8 };


Posture posture(int mode)
{
    switch (mode) {
    case EtatPerso::ARRET: case EtatPerso::MARCHE: case EtatPerso::SAUT_MONTE: case EtatPerso::CHUTE_SAUT:
    case EtatPerso::CHUTE: case EtatPerso::REBOND: case EtatPerso::DASH:
        return DEBOUT;
    case EtatPerso::BAISSE: case EtatPerso::ARRET_BAISSE: case EtatPerso::RECEPTION_CHUTE: case EtatPerso::RECEPTION:
        return ACCROUPI;
    case EtatPerso::BAISSE_MARCHE:
        return ACCROUPI_MARCHE;
    default:
        return SANS_POSTURE;
    }
}

// The angle index of an aim step; -1 for steps without a position of their own.
int indiceVisee(int visee)
{
    switch (visee) {
    case 3: return A0;
    case 10: return A30;
    case 0: return A45;
    case 11: return A70;
    case 1: return A90;
    case 12: return A110;
    case 2: return A135;
    case 13: return A150;
    case 4: return A180;
    default: return -1;
    }
}

const int* paire(const SlotArme& s, Posture p, int angle)
{
    return s.positionsTir[p * SlotArme::POSITIONS_PAR_POSTURE + angle];
}

// (x, y) turned by a degrees as the firing positions turn with a free aim.
void tournerPosition(int& x, int& y, float degres)
{
    const double c = tirs::cosDeg(degres), s = tirs::sinDeg(degres);
    const int nx = tuv::floatVersInt(float(-(x * c + y * s)));
    const int ny = tuv::floatVersInt(float(y * c - x * s));
    x = nx;
    y = ny;
}

// The weapon name is shown as long at 60 frames per second as at 30.
void montrerNomArme(int joueur)
{
    if (ServicesJeu* j = faceJeu::services())
        j->afficherNomArme(joueur, imagesAuTaux(DUREE_NOM_ARME));
}


int typeJeu()
{
    const PartieJeu* partie = faceJeu::partie();
    return partie ? partie->typeJeu : 0;
}

} // namespace

void CPerso::selectArme(int i)
{
    if (i < 0 || i >= nbSlots())
        return;
    armeCourante = i;
    if (sprite)
        sprite->armeCourante = armes[size_t(i)]->numero;
}

namespace {

// What both switches do first: without a current slot slot 0 becomes current (1, or 0 without
// slots); with a single slot there is no choice (0); -1 leaves the walk to the caller.
int debutChoixArme(CPerso& p)
{
    if (!p.slotCourant()) {
        if (p.nbSlots() < 1)
            return 0;
        p.selectArme(0);
        return 1;
    }
    return p.nbSlots() < 2 ? 0 : -1;
}

} // namespace

int CPerso::armeSuivante()
{
    montrerNomArme(numJoueur);
    const int debut = debutChoixArme(*this);
    if (debut >= 0)
        return debut;
    const int nb = nbSlots();
    const int depart = armeCourante;
    for (int i = (depart + 1) % nb; i != depart; i = (i + 1) % nb) {
        const SlotArme& s = *armes[size_t(i)];
        if (s.bPossedee && s.munitions != 0) {
            selectArme(i);
            return 1;
        }
    }
    selectArme(depart);
    return 1;
}

int CPerso::armePrecedente()
{
    const int debut = debutChoixArme(*this);
    if (debut >= 0)
        return debut;
    const int nb = nbSlots();
    // Each step's slot becomes current, owned or not; a full cycle ends on the start.
    const int depart = armeCourante;
    int i = depart;
    do {
        i = i == 0 ? nb - 1 : i - 1;
        armeCourante = i;
    } while (!armes[size_t(i)]->bPossedee && i != depart);
    selectArme(i);
    return armes[size_t(i)]->bPossedee ? 1 : 0;
}

void CPerso::getPositionTir(int& x, int& y, const int& signe)
{
    x = y = 0;
    const SlotArme* s = slotCourant();
    if (!s)
        return;
    if (visee == 6) {
        const int* p = paire(*s, DEBOUT, A0);
        x = p[0] * signe;
        y = p[1];
        tournerPosition(x, y, angleVisee);
        return;
    }
    const Posture groupe = posture(mode);
    // An AI aims no set direction (its sight turns it to face what it sees): it fires
    // straight ahead, from where its ".per" says, not from its feet, which lie in the ground.
    const int angle = indiceVisee(visee < 0 && modeIA != -1 ? 1 : visee);
    // The crouch-walking group has no position for the intermediate angles.
    if (groupe == SANS_POSTURE || angle < 0 || (groupe == ACCROUPI_MARCHE && angle >= A30))
        return;
    const int* p = paire(*s, groupe, angle);
    x = p[0] * signe;
    y = p[1];
}

int CPerso::tirer(int)
{
    if (sprite && (sprite->ID == "ZADIRIREZI_J1" || sprite->ID == "ZADIRIREZI_J2") && superPouvoir())
        return 0;
    SlotArme* s = slotCourant();
    if (!s) {
        armeCourante = -1;
        if (sprite)
            sprite->armeCourante = -1;
        return 0;
    }
    const int m = s->munitions;
    const bool joueur = modeIA == -1;
    // An AI of the adventure never runs dry: its empty slot fires and turns unlimited.
    const bool vide = m < 1 && m != -1 && (joueur || typeJeu() != 0);
    if (vide || !s->bPossedee || compteurCadence >= s->cadence)
        return refuserTir(m);
    if (!bParalyse) {
        const int signe = direction == 1 ? -1 : 1;
        if (bVaisseau)
            tirVaisseau(*s, signe);
        else
            tirVise(*s, signe);
        ++nbTirs;
    }
    if (m == -1)
        return -1;
    s->munitions = m - 1;
    return s->munitions;
}

// A refused shot: silent for the cadence and ownership, "TIRVIDE" for an empty slot, after
// which a player of the adventure falls back on slot 9.
int CPerso::refuserTir(int munitions)
{
    if (munitions != 0)
        return munitions;
    jouerSon("TIRVIDE");
    if (modeIA == -1 && typeJeu() == 0 && armeCourante != SLOT_DE_SECOURS && nbSlots() > SLOT_DE_SECOURS) {
        selectArme(SLOT_DE_SECOURS);
        montrerNomArme(numJoueur);
    }
    return 0;
}

// Aimed firing: one shot, or 2t + 1 shots two degrees and two pixels apart.
void CPerso::tirVise(const SlotArme& s, int signe)
{
    CArmes* liste = armesDuJeu();
    if (!liste || !sprite)
        return;
    int x = 0, y = 0;
    if (sprite->bAnime) {
        // From the aim circle of the current animation.
        const int anim = sprite->getAnimation();
        const sf::Vector2f p = sprite->getPointVisee(anim, float(tuv::floatVersInt(angleVisee + 270) % 360));
        const sf::Vector2f g = sprite->getOrigineGlobale(anim);
        x = tuv::floatVersInt(p.x * sprite->sx + sprite->x - g.x * sprite->sx);
        y = tuv::floatVersInt(p.y * sprite->sy + sprite->y - g.y * sprite->sy);
    } else {
        int ox = 0, oy = 0;
        getPositionTir(ox, oy, signe);
        x = tuv::floatVersInt(float(ox + (tuv::rand() % 5) * signe) + sprite->x);
        y = tuv::floatVersInt(float(oy + tuv::rand() % 5) + sprite->y);
    }
    if (s.typeTir == 1) {
        liste->tirer(s.numero, x, y, direction, angleVisee, true, this);
        return;
    }
    if (angleVisee == -1)
        angleVisee = direction == 0 ? 90.0f : 270.0f;
    for (int k = -s.typeTir; k <= s.typeTir; ++k) {
        const int o = 2 * k;
        const float angle = float(tuv::floatVersInt(float(o) + angleVisee) % 360);
        if (!liste->tirer(s.numero, x + o, y - o, direction, angle, true, this))
            break;  // an unknown weapon or a full shot list takes no more
    }
}

// A vehicle's fixed patterns; the typeTir values 1, 2, 3, 8, 9 and 10 fire 1, 2, 3, 8, 9 and 10
// shots.
void CPerso::tirVaisseau(const SlotArme& s, int signe)
{
    CArmes* liste = armesDuJeu();
    if (!liste || !sprite)
        return;
    const int t = s.typeTir;
    const float sx = sprite->x, sy = sprite->y;
    auto tir = [&](int x, int y, float angle, bool son) {
        liste->tirer(s.numero, x, y, direction, angle, son, this);
    };
    if (t == 1 || t == 2 || t == 3 || t == 9 || t == 10) {
        const int* p = paire(s, DEBOUT, A90);
        int px = p[0] * signe + (tuv::rand() % 10) * signe;
        int py = p[1] + tuv::rand() % 10;
        tournerPosition(px, py, angleVisee);
        tir(tuv::floatVersInt(float(px) + sx), tuv::floatVersInt(float(py) + sy), angleVisee, true);
    }
    if (t == 2 || t == 10) {
        const int* p = paire(s, ACCROUPI, A90);
        const int py = p[1] + tuv::rand() % 5;
        tir(tuv::floatVersInt(float(p[0] * signe) + sx), tuv::floatVersInt(float(py) + sy), angleVisee, false);
    }
    if (t == 3)
        for (const auto& [indice, angle] : {std::pair<int, float>{A45, 45.0f}, {A135, 135.0f}}) {
            const int* p = paire(s, DEBOUT, indice);
            const int py = p[1] + tuv::rand() % 5;
            tir(tuv::floatVersInt(float(p[0] * signe) + sx), tuv::floatVersInt(float(py) + sy), angle, false);
        }
    if (t == 8 || t == 9 || t == 10) {
        const int* p = paire(s, ACCROUPI_MARCHE, A90);
        for (int i = 0; i < 8; ++i)
            tir(tuv::floatVersInt(float(p[0] * signe) + sx), tuv::floatVersInt(float(p[1]) + sy), float(45 * i), false);
    }
}

void CPerso::tirerTourelle(bool bTir)
{
    CPerso* t = tourelle;
    if (!t)
        return;
    float a = angleVisee;
    if (a == -1)
        a = direction == 1 ? 270.0f : 90.0f;
    float r = 0;
    if (t->direction != 0) {
        if (a < 180)
            a = 360 - a;
        a = std::clamp(a, 215.0f, 315.0f);
        r = a + 90;
    } else {
        if (a > 180)
            a = 360 - a;
        a = std::clamp(a, 45.0f, 135.0f);
        r = a - 90;
    }
    angleVisee = a;
    const size_t nb = std::min(t->enfants.size(), size_t(std::max(0, t->nbEnfants)));
    for (size_t i = 0; i < nb; ++i)
        if (t->enfants[i] && t->enfants[i]->sprite)
            t->enfants[i]->sprite->setRotation(float(tuv::floatVersInt(r)));
    if (!bTir)
        return;
    t->visee = 6;
    t->angleVisee = a;
    t->tirer(0);
    // The turret's shot costs its gunner a unit of the weapon in hand.
    CDecor* d = faceJeu::monde() ? faceJeu::monde()->pdecor : nullptr;
    const bool present = d && std::any_of(d->persos.begin(), d->persos.end(), [this](const CPerso* p) {
        return p && p->numJoueur == numJoueur && !p->bTourelle;
    });
    SlotArme* s = slotCourant();
    if (present && s && s->bPossedee && s->munitions > 0 && compteurCadence < s->cadence && !bMunitionsInfinies)
        --s->munitions;
}

CPerso* CPerso::getTourelleProche()
{
    CDecor* d = faceJeu::monde() ? faceJeu::monde()->pdecor : nullptr;
    if (!d)
        return nullptr;
    for (CPerso* ia : d->ias)
        if (ia && !ia->bDel && ia->estVisible() && ia->id == "TOURELLE_CONTROLABLE" && d->collisionPersos(this, ia))
            return ia;
    return nullptr;
}

int CPerso::chercherTourelle() { return getTourelleProche() ? 1 : 0; }

void CPerso::lacherCristaux()
{
    if (!sprite)
        return;
    const float sx = sprite->sx, sy = sprite->sy;
    for (int i = 0; i < nbSlots(); ++i) {
        const SlotArme& s = *armes[size_t(i)];
        if (!s.bPossedee || (s.munitions == 0 && s.rechargeAuto < 0))
            continue;
        const int r = tuv::rand();
        const std::string numero = std::to_string(s.numero);
        sprite->Over("0-LUX21" + numero, "LUX21", 0, float((r % 200 - 100) * 2), -160, 0.15f / sx, 0.15f / sy, 0,
                     true);
        const char* cristal = s.numero == 1 ? "CRISTAL1" : s.numero == 2 ? "CRISTAL2" : s.numero == 3 ? "CRISTAL3"
                                                                                                      : "CRISTAL";
        sprite->Over("1-CRISTAL" + numero, cristal, 0, float(r % 200 - 100), -80, 0.3f / sx, 0.3f / sy, 0, true);
    }
    // The loot can be picked up from further above.
    sprite->hitbox[1] *= 3;
}

// ---- the firing part of a player's command step ----------------------------------------------

namespace {

constexpr float SEUIL_STICK = 40;

// The angle of each keyboard aim step, facing right.
float angleDeVisee(int visee)
{
    switch (visee) {
    case 3: return 0;
    case 0: return 45;
    case 2: return 135;
    case 4: return 180;
    default: return 90;
    }
}

} // namespace

[[gnu::flatten]] void CPerso::commandesTir(const CommandesJoueur& c)
{
    if (mode == EtatPerso::MORT)
        return;
    // Chrono levels are run without aiming; the computer pilot sets its character's aim itself.
    if (typeJeu() != 1 && !bViseePilotee)
        deciderVisee(c);
    if (mode == EtatPerso::CONTROLE_TOURELLE && tourelle)
        tirerTourelle(c.bTirMaintenu);
    else
        tirCadence(c);
    // RB and LB switch on their release, the keys on the frame they go down.
    const bool suivante = c.bRelRB || (c.bArmeSuivante && !bArmeSuivanteAvant);
    const bool precedente = c.bRelLB || (c.bArmePrecedente && !bArmePrecedenteAvant);
    bArmeSuivanteAvant = c.bArmeSuivante;
    bArmePrecedenteAvant = c.bArmePrecedente;
    if (suivante)
        armeSuivante();
    if (precedente)
        armePrecedente();
}

// The right stick aims freely and turns the character; otherwise up, down and the sides give
// one of five steps, mirrored when facing left.
void CPerso::deciderVisee(const CommandesJoueur& c)
{
    // Up is the side that makes the left stick's up command (a negative value).
    const float dx = c.stickDX, haut = -c.stickDY;
    if (std::sqrt(dx * dx + haut * haut) > SEUIL_STICK) {
        if (dx > 0)
            setDirection(0);
        else if (dx < 0)
            setDirection(1);
        float a = float(std::atan2(double(dx), double(haut)) * 180 / M_PI);
        if (a < 0)
            a += 360;
        visee = 6;
        angleVisee = a;
        return;
    }
    const bool cote = c.bGauche || c.bDroite;
    if (c.bHautClavier)
        visee = cote ? 0 : 3;
    else if (c.bBasClavier)
        visee = cote ? 2 : 4;
    else
        visee = 1;
    // The side held is the side the step turns the character to.
    int face = direction;
    if (c.bGauche != c.bDroite)
        face = (c.bGauche != bInversionGD) ? 1 : 0;
    const float a = angleDeVisee(visee);
    angleVisee = face == 1 ? 360 - a : a;
}

// Fire held: a shot when the weapon is ready, then the slot's cadence counts down as a
// cooldown, in 30-per-second frames.
void CPerso::tirCadence(const CommandesJoueur& c)
{
    const bool pret = compteurCadence <= 0;
    if (pret && !c.bTirMaintenu)
        return;  // neither a shot nor a cooldown: the slot and the clock are not asked
    // The cadence of the slot as it was before the shot.
    const SlotArme* s = slotCourant();
    const int limite = imagesAuTaux(float(s ? s->cadence : 0));
    if (pret) {
        compteurCadence = 0;
        tirer(0);
    }
    ++compteurCadence;
    if (compteurCadence >= limite)
        compteurCadence = 0;
}
