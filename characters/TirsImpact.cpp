// What a shot meets where it stands: the decor (bounces, arrows that stick, breakable
// sprites, mines that fall), then the characters it may hurt, with the head and knee zones of
// players and the friendly-fire rules; and the threat test of the computer second player.
#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/EtatsPerso.h"
#include "characters/OptionsMulti.h"
#include "characters/Perso.h"
#include "characters/TirsCommun.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/FichierDec.h"
#include "core/Physique.h"
#include "core/Texte.h"
#include "level/Decor.h"
#include "level/GeometrieSD.h"

#include <cmath>

using namespace tirs;

namespace {

constexpr int CONTINUER = -1;  // the decor lets the shot on to the character tests
constexpr int DEGATS_TETE = 100;
constexpr int DEGATS_GENOU = 5;

// DECVIDE sprites and sprites on a path of key points do not stop shots.
bool estSolide(const CSPRITE* sd)
{
    if (!sd || sd->bPhysC)
        return false;
    return !(sd->pDEC && sd->pDEC->pFichierDEC && sd->pDEC->pFichierDEC->id == "DECVIDE");
}

CSPRITE* sonder(CDecor* d, int x, int y)
{
    return d ? d->testCollision(nullptr, float(x), float(y), float(x), float(y)) : nullptr;
}

// A grenade against the decor: a quarter turn on the first contact, more on the next ones.
void rebondir(CTir& t)
{
    ++t.nbContacts;
    float a = t.angle;
    if (t.nbContacts == 1) {
        if (a >= 0 && a < 90)
            a += 90;
        else if (a >= 90 && a < 180)
            a -= 90;
        else if (a >= 180 && a < 270)
            a += 90;
        else if (a >= 270 && a < 360)
            a -= 90;
    } else {
        a += float((90 * (t.nbContacts % 4)) % 360);
    }
    t.angle = float(tuv::floatVersInt(a) % 360);
}

// An arrow stuck in the decor swings about the angle it stuck at; the ten swings add up to
// nothing.
void trembler(CTir& t)
{
    const int v = t.vibrations, s = t.sensVibration;
    if (v >= 10) {
        t.angle += float(2 * v * s);
    } else {
        t.sensVibration = -s;
        t.angle -= float(4 * v * s);
    }
    --t.vibrations;
}

// The protection of the super power: its player's record holds the flag.
bool protege(const CPerso& p)
{
    PartieJeu* j = faceJeu::partie();
    if (!j || p.numJoueur < 0 || p.numJoueur >= 4 || !j->commandes[p.numJoueur].bSuperPouvoir || !p.sprite)
        return false;
    return p.sprite->ID == "ZADIRIREZI_J1" || p.sprite->ID == "ZADIRIREZI_J2";
}

bool candidat(const CPerso* p) { return p && !p->bDel && !p->bMortLancee && p->estVisible(); }

// A player's shot hurts the other player's characters, and its own side's only while they are
// paralysed; dead bodies and the explosive weapons hurt anyone.
bool eligible(const CPerso& p, const CPerso& tireur, GenreTir genre)
{
    const bool memeJoueur = p.numJoueur == tireur.numJoueur;
    if ((memeJoueur && p.bParalyse) || (!memeJoueur && !p.bParalyse))
        return true;
    return p.mode == EtatPerso::MORT || genre == GenreTir::Mine || genre == GenreTir::Grenade ||
           genre == GenreTir::Eclats;
}

// The character's box as the shots see it (left, top, right, bottom).
sf::FloatRect boiteCible(const CSPRITE3& s)
{
    if (s.bTailleFixe) {
        const float l = float(s.largeurFixe) * s.sx, h = float(s.hauteurFixe) * s.sy;
        return {s.x - l / 2, s.y - h, l, h};
    }
    if (s.bAnime)
        return geometrie::boiteAnimee(s);
    const float w = float(s.getLargeur()), h = float(s.getHauteur());
    const float gauche = s.x - (s.ox - float(s.hitbox[0])) * s.sx;
    const float haut = s.y - (s.oy - float(s.hitbox[1])) * s.sy;
    const float droite = s.x - (s.ox - w + float(s.hitbox[2])) * s.sx;
    const float bas = s.y - (s.oy - h + float(s.hitbox[3])) * s.sy;
    return {gauche, haut, droite - gauche, bas - haut};
}

// The threat test's box: a fixed-size sprite stands at its animation's hit-box corner.
sf::FloatRect boiteMenace(const CSPRITE3& s)
{
    if (!s.bTailleFixe)
        return boiteCible(s);
    const sf::FloatRect h = s.getRectHitbox(s.getAnimation());
    const float gauche = s.x - h.left * s.sx, haut = s.y - h.top * s.sy;
    return {gauche, haut, float(s.largeurFixe) * s.sx, float(s.hauteurFixe) * s.sy};
}

// Height in pixels of the character as drawn.
float hauteurPixels(const CSPRITE3& s)
{
    if (s.bTailleFixe)
        return float(s.hauteurFixe) * s.sy;
    if (s.bAnime)
        return s.getRectHitbox(s.getAnimation()).height * s.sy;
    return float(s.getHauteur()) * s.sy;
}

} // namespace

int CArmes::testerImpact(CTir* t)
{
    const CArme* a = t ? arme(t->numArme) : nullptr;
    if (!a)
        return 0;
    const int r = testerDecor(*t, *a);
    return r == CONTINUER ? testerPersos(*t, *a) : r;
}

int CArmes::testerDecor(CTir& t, const CArme& a)
{
    CDecor* d = decorActif();
    CSPRITE* sd = sonder(d, t.x, t.genre == GenreTir::Mine ? t.y + 2 : t.y);
    t.bDansDecor = sd != nullptr;
    const bool solide = estSolide(sd);
    switch (t.genre) {
    case GenreTir::Mine:
        // A mine falls until it rests on the decor, slowly when the decor is near.
        if (!solide)
            t.y += sonder(d, t.x, t.y + 10) ? 1 : 5;
        return CONTINUER;
    case GenreTir::Laser:
        return CONTINUER;
    case GenreTir::Grenade:
        if (t.minuterie2 <= 0)
            return 1;
        if (!solide) {
            t.nbContacts = 0;
            if (t.vitesse > 5)
                t.vitesse -= 0.05f;
            return CONTINUER;
        }
        rebondir(t);
        return 6;
    default:
        break;
    }
    if (!solide)
        return CONTINUER;
    if (t.etat == CTir::VOL) {
        if (sd->bPhysDestruction && sd->pPhysDestruction)
            sd->pPhysDestruction->toucher(sd, a.degats);
        if (faceJeu::partie() && faceJeu::partie()->typeJeu != 0 && sd->marqueTir == 0)
            sd->marqueTir = 2;
    }
    if (t.genre == GenreTir::Fleche && t.vibrations > 0)
        trembler(t);
    return 1;
}

int CArmes::testerPersos(CTir& t, const CArme& a)
{
    CDecor* d = decorActif();
    // An arming shot hurts nobody, nor does a shot that is no longer flying.
    if (t.minuterie > 0 || !d || t.etat != CTir::VOL)
        return 0;
    CPerso* tireur = t.pTireur;
    // An AI's shot (or one whose shooter is gone) hurts players only.
    if (!tireur || (tireur->modeIA != -1 && tireur->id != "TOURELLE_CONTROLABLE")) {
        for (CPerso* p : d->persos)
            if (candidat(p) && toucheTir(p, &t)) {
                coupCommun(*p, t, a);
                return 2;
            }
        return 0;
    }
    for (CPerso* p : d->persos)
        if (candidat(p) && eligible(*p, *tireur, t.genre) && !protege(*p) && toucheTir(p, &t)) {
            coupJoueur(*p, t, a);
            return 4;
        }
    for (CPerso* p : d->ias) {
        if (!candidat(p) || (p->modeCollisions != 1 && p->modeCollisions != 2))
            continue;
        const size_t nb = std::min(p->enfants.size(), size_t(std::max(0, p->nbEnfants)));
        for (size_t i = 0; i < nb; ++i) {
            CPerso* e = p->enfants[i];
            if (e && !protege(*e) && toucheTir(e, &t)) {
                coupCommun(*e, t, a);
                return 2;
            }
        }
        if (!protege(*p) && toucheTir(p, &t)) {
            coupCommun(*p, t, a);
            return 2;
        }
    }
    return 0;
}

void CArmes::coupCommun(CPerso& p, CTir& t, const CArme& a)
{
    p.dernierAttaquant = t.pTireur.get();
    p.prendreCoup(a.degats, t.direction, tuv::floatVersInt(t.angle), 0);
}

void CArmes::coupJoueur(CPerso& p, CTir& t, const CArme& a)
{
    int d = a.degats;
    if (p.derniereArme != "FANTOME") {
        p.derniereArme = a.nom;
        p.dernierAttaquant = t.pTireur.get();
    }
    const CSPRITE3& s = *p.sprite;
    p.reel5 = float(s.miroir) * (s.x - float(t.x));
    p.reel6 = s.y - float(t.y);
    p.reel3 = s.x;
    p.reel4 = s.y;
    p.bTirTete = p.bTirJambes = false;
    const COptionsMulti* options = faceJeu::monde() ? faceJeu::monde()->pOptionsMulti : nullptr;
    const int reglage = !options ? 0 : p.numJoueur == 0 ? options->reglageJ1 : p.numJoueur == 1 ? options->reglageJ2 : 0;
    if (t.genre == GenreTir::Fleche || t.genre == GenreTir::Laser || t.genre == GenreTir::Fusil) {
        const float h = hauteurPixels(s), q = h / 5;
        if (p.reel6 > h - q) {
            p.bTirTete = true;
            d = (reglage == 1 || reglage == 4) ? 0 : DEGATS_TETE;  // a helmet stops the head shot
        } else if (p.reel6 < h - 3 * q) {
            p.bTirJambes = true;
            d = DEGATS_GENOU;
        }
    }
    if (reglage == 4)
        d /= 2;
    else if (reglage == 3)
        d = tuv::floatVersInt(float(d) * 1.5f);
    p.prendreCoup(d, t.direction, tuv::floatVersInt(t.angle), 0);
}

bool CArmes::toucheTir(CPerso* perso, CTir* t)
{
    if (!perso || !t || !perso->sprite)
        return false;
    const CSPRITE3& s = *perso->sprite;
    const sf::FloatRect b = boiteCible(s);
    return CDecor::collisionRectTourne(float(t->x), float(t->y), float(t->x + 2), float(t->y + 2), b.left, b.top,
                                       b.left + b.width, b.top + b.height, s.getAngleTotal(), s.x, s.y);
}

bool CArmes::tirMenace(CPerso* perso, int distance)
{
    if (!perso || !perso->sprite)
        return false;
    const CSPRITE3& s = *perso->sprite;
    const sf::FloatRect b = boiteMenace(s);
    for (const CTir* t : tirs) {
        if (t->etat != CTir::VOL || t->bFini)
            continue;
        const double dx = double(s.x) - t->x, dy = double(s.y) - t->y;
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d >= distance)
            continue;
        // Where the shot will be once it has flown that far on its heading.
        const double fx = t->x + d * cosDeg(double(t->angle) - 90), fy = t->y + d * sinDeg(double(t->angle) - 90);
        if (CDecor::intersectionSegmentRect(float(t->x), float(t->y), float(fx), float(fy), b.left, b.top,
                                            b.left + b.width, b.top + b.height))
            return true;
    }
    return false;
}
