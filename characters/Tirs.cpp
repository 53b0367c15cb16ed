// Shots in flight: firing, the per-frame flight with its sub-steps, steering by weapon, the
// impacts, fragments and mines. The impact tests are in TirsImpact.cpp, the drawing in
// TirsDessin.cpp.
//
// Frame rate: at 30 frames per second every step is the rule as written. At a higher rate a
// frame is a part c of a 30-per-second frame: a shot makes that part of the sub-steps (of the
// same length) a 30-per-second frame makes, the part owed carried to the next frame, its range
// is counted as each 30-per-second frame begins, and its turns are scaled by c; so a straight
// 60-per-second flight passes through the very positions of the 30-per-second one.
#include "characters/Armes.h"
#include "characters/IABehaviours.h"
#include "characters/Perso.h"
#include "characters/TirsCommun.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/Particules.h"
#include "core/Services.h"
#include "core/SetTextures.h"
#include "core/Texte.h"

#include <cmath>

namespace {

constexpr int NB_FRAGMENTS_GRENADE = 18;
constexpr int NB_FRAGMENTS_MISSILE = 36;
constexpr float VITESSE_MIN_FLECHE = 15;

// The frames of a 30-per-second timer at the current rate, at least 1.
int frames(float frames30, float coeff) { return std::max(1, tuv::floatVersInt(frames30 / coeff)); }

} // namespace

GenreTir genreTir(const std::string& nom)
{
    static const std::pair<const char*, GenreTir> GENRES[] = {
        {"ARME 1", GenreTir::Feu},      {"ARME 3", GenreTir::Fusil},    {"ARME 4", GenreTir::Mine},
        {"ARME 5", GenreTir::Laser},    {"ARME 6", GenreTir::Rocker},   {"ARME 8", GenreTir::Fleche},
        {"ARME 9", GenreTir::Grenade},  {"ARME 9-1", GenreTir::Eclats}, {"ARME 10", GenreTir::Missile},
    };
    for (const auto& [n, g] : GENRES)
        if (nom == n)
            return g;
    return GenreTir::Normal;
}

namespace tirs {

CDecor* decorActif() { return faceJeu::monde() ? faceJeu::monde()->pdecor : nullptr; }

bool particulesArmes() { return faceJeu::options() && faceJeu::options()->bUseParticulesArmes; }

void jouer(const std::string& son)
{
    ServicesJeu* jeu = faceJeu::services();
    if (jeu && !son.empty())
        jeu->jouerSon(son);
}

void secouer(int duree, int amplitude)
{
    if (ServicesJeu* jeu = faceJeu::services())
        jeu->secouerCamera(duree, amplitude);
}

void montrerImage(CTir& t, const CDEC* banque)
{
    t.frame = 0;
    t.accumulateur = 0;
    t.nbBoucles = 0;
    const CSetTextures* anim = banque ? banque->trouverAnim(0) : nullptr;
    t.nbFrames = anim ? anim->nbTextures : 0;
    t.vitesseAnim = anim ? anim->vitesse : 0;
    t.resteSousPas = 0;
}

double sinDeg(double degres)
{
    const double s = std::sin(degres * M_PI / 180.0);
    return std::fabs(s) < 1e-9 ? 0.0 : s;
}

double cosDeg(double degres)
{
    const double c = std::cos(degres * M_PI / 180.0);
    return std::fabs(c) < 1e-9 ? 0.0 : c;
}

} // namespace tirs

using namespace tirs;

int CArmes::tirer(int numArme, int x, int y, int direction, float angle, bool bSon, CPerso* tireur)
{
    if (!tireur)
        return 0;
    return creerTir(numArme, x, y, direction, angle, bSon, tireur) ? 1 : 0;
}

CTir* CArmes::creerTir(int numArme, int x, int y, int direction, float angle, bool bSon, CPerso* tireur)
{
    const CArme* a = arme(numArme);
    if (!a || tirs.size() >= NB_TIRS_MAX)
        return nullptr;
    auto* t = new CTir();
    t->x = t->xDepart = x;
    t->y = t->yDepart = y;
    t->direction = direction;
    t->numArme = numArme;
    t->pTireur = tireur;
    t->vitesse = a->vitesse;
    t->porteeRestante = a->portee;
    t->etat = CTir::CANON;
    montrerImage(*t, a->pDecCanon.get());
    if (a->pParticulesTir) {
        t->pParticules = new CParticules(*a->pParticulesTir);
        t->pParticules->setPosition(float(x), float(y));
        t->pParticules->reset();
        t->etatParticules = 1;
    }
    t->genre = genreTir(a->nom);
    const float c = coefficientTemps();
    const float parDefaut = direction == 0 ? 90.0f : 270.0f;
    switch (t->genre) {
    case GenreTir::Mine:
        t->minuterie = frames(60, c);
        t->angle = 90;
        break;
    case GenreTir::Grenade:
        t->minuterie = frames(60, c);
        t->minuterie2 = frames(30, c);
        t->angle = angle == -1 ? parDefaut : angle;
        break;
    case GenreTir::Missile:
        // Fired a little higher than aimed: it drops before it ignites.
        t->minuterie = frames(18, c);
        if (angle == -1)
            t->angle = direction == 0 ? 80.0f : 280.0f;
        else if (direction == 0)
            t->angle = angle > 10 ? angle - 10 : angle;
        else
            t->angle = angle < 350 ? angle + 10 : angle;
        break;
    default:
        t->angle = angle == -1 ? parDefaut : angle;
        break;
    }
    if (bSon)
        jouer(a->son);
    secouer(a->dureeRecul, a->amplitudeRecul);
    tirs.push_back(t);
    return t;
}

void CArmes::majTirs()
{
    const float c = coefficientTemps();
    // Shots made during the pass (fragments) are reached in the same pass.
    for (CTir* t : tirs) {
        const CArme* a = arme(t->numArme);
        if (t->bFini || !a)
            continue;
        if (t->etat == CTir::VOL)
            voler(*t, *a, c);
        else if (t->etat == CTir::IMPACT_DECOR)
            majImpactMur(*t, c);
    }
    tirs.remove_if([](CTir* t) {
        if (!t->bFini)
            return false;
        delete t;
        return true;
    });
}

void CArmes::voler(CTir& t, const CArme& a, float coeff)
{
    if (t.minuterie > 0)
        --t.minuterie;
    piloter(t, a, coeff);
    if (!parcourir(t, coeff)) {
        t.bFini = true;
        return;
    }
    const int r = sousPas(t, coeff);
    if (r > 0)
        impact(t, a, r);
}

namespace {

// The shot's emitter becomes a fresh copy of the weapon's second one, at the shot.
void changerEmetteur(CTir& t, const CArme& a)
{
    delete t.pParticules;
    t.pParticules = new CParticules(*a.pParticulesTir2);
    t.pParticules->setPosition(float(t.x), float(t.y));
    t.pParticules->reset();
    t.etatParticules = 2;
}

void piloterFleche(CTir& t, float c)
{
    if (t.angle == 0)
        t.angle = 0.5f;
    if (t.vitesse > VITESSE_MIN_FLECHE) {
        t.angle = float(t.angle + sinDeg(t.angle) * c);
        // Speeds up while heading down, slows otherwise.
        const bool descend = t.angle > 160 && t.angle < 200;
        t.vitesse = float(double(t.vitesse) * std::pow(descend ? 1.05 : 0.95, double(c)));
        if (t.vitesse <= VITESSE_MIN_FLECHE)
            t.vitesse = VITESSE_MIN_FLECHE;
    } else {
        t.angle = float(t.angle + 6 * sinDeg(t.angle) * c);
    }
}

} // namespace

void CArmes::piloter(CTir& t, const CArme& a, float c)
{
    switch (t.genre) {
    case GenreTir::Fleche:
        piloterFleche(t, c);
        break;
    case GenreTir::Feu:
        // The flame rises at the end of its reach.
        if (t.porteeRestante <= 199)
            t.angle = float(t.angle - 6 * sinDeg(t.angle) * c);
        break;
    case GenreTir::Grenade:
        if (t.angle == 0)
            t.angle = 1.0349048f;
        else
            t.angle = float(t.angle + 2 * sinDeg(t.angle) * c);
        if (t.minuterie <= 0) {
            if (t.etatParticules != 2 && particulesArmes() && a.pParticulesTir2)
                changerEmetteur(t, a);
            --t.minuterie2;
        }
        break;
    case GenreTir::Missile:
        if (t.minuterie > 0) {
            t.angle = float(t.angle + sinDeg(t.angle) * c);
        } else if (!t.bAllume) {
            t.bAllume = true;
            t.vitesse *= 10;
            jouer("MISSILE");
            if (particulesArmes() && a.pParticulesTir2)
                changerEmetteur(t, a);
        }
        break;
    default:
        break;
    }
}

// The range goes down by a 30-per-second frame's travel as each such frame begins; false when
// the shot is over. Above 30 frames per second a game frame is a part of one: the range is
// counted in the frame where a 30-per-second frame begins, so that a shot ends at the moment
// and place it would at 30 frames per second.
bool CArmes::parcourir(CTir& t, float c)
{
    // A shot that does not move forward would never end (a mine rests until detonated).
    if (t.vitesse <= 0 && t.genre != GenreTir::Mine)
        return false;
    constexpr float EPS = 1e-4f;
    const bool debut = t.tempsVol < EPS || t.tempsVol > 1 - c + EPS;
    t.tempsVol += c;
    if (t.tempsVol >= 1 - EPS)
        t.tempsVol = std::max(0.0f, t.tempsVol - 1);
    if (!debut)
        return true;
    t.porteeRestante = tuv::floatVersInt(float(t.porteeRestante) - t.vitesse);
    return t.porteeRestante > 0;
}

// Moves the shot in sub-steps of at most about 10 pixels, testing each; the last impact test's
// result (0 when the frame ended free).
int CArmes::sousPas(CTir& t, float c)
{
    const double n = double(t.vitesse) / 10 + 1;
    const int pasEntiers = std::max(1, int(std::ceil(n)));
    int nbPas = pasEntiers;
    if (c < 1) {
        t.resteSousPas += c * float(pasEntiers);
        nbPas = int(t.resteSousPas + 1e-4f);
        t.resteSousPas = std::max(0.0f, t.resteSousPas - float(nbPas));
    }
    const double dx = double(t.vitesse) * cosDeg(double(t.angle) - 90) / n;
    const double dy = double(t.vitesse) * sinDeg(double(t.angle) - 90) / n;
    const bool particules = particulesArmes();
    int r = 0;
    for (int k = 0; k < nbPas && r == 0; ++k) {
        t.x = tuv::floatVersInt(float(t.x + dx));
        t.y = tuv::floatVersInt(float(t.y + dy));
        r = testerImpact(&t);
        if (r == 6) {  // a grenade's bounce: back out of the decor
            t.x = tuv::floatVersInt(float(t.x - dx));
            t.y = tuv::floatVersInt(float(t.y - dy));
        }
        if (particules && t.pParticules) {
            t.pParticules->setPosition(float(t.x), float(t.y));
            t.pParticules->majTout();
        }
    }
    return r;
}

void CArmes::impact(CTir& t, const CArme& a, int r)
{
    MondeJeu* j = faceJeu::monde();
    if (j && faceJeu::partie()->typeJeu == 0 && j->pIABehaviours)
        j->pIABehaviours->alerteGenerale(nullptr, t.x, t.y, 1, 500);
    if (t.genre == GenreTir::Missile)
        secouer(8, 14);
    else
        secouer(4, 2);
    switch (t.genre) {
    case GenreTir::Feu:
    case GenreTir::Eclats:
        break;
    case GenreTir::Rocker:
        jouer("ROCKER_PROPAGATION");
        break;
    case GenreTir::Fleche:
        jouer("IMPACT_FLECHE");
        break;
    case GenreTir::Grenade:
        if (r == 6) {
            jouer("REBOND_GRENADE");
            return;
        }
        jouer("EXPLOSION");
        eclater(t, NB_FRAGMENTS_GRENADE);
        break;
    case GenreTir::Missile:
        jouer("EXPLOSION");
        eclater(t, NB_FRAGMENTS_MISSILE);
        break;
    default:
        jouer("EXPLOSION");
        break;
    }
    if (r == 1) {
        t.etat = CTir::IMPACT_DECOR;
        montrerImage(t, a.pDecImpactMur.get());
    } else if (r == 2 || r == 4) {
        t.etat = CTir::IMPACT_PERSO;
        montrerImage(t, a.pDecImpactPerso.get());
    }
}

// Fragments all around, shots of the fragment weapon with the exploding shot's shooter (none
// when it is gone). A fragment never bursts itself: one explosion must not feed another
// without end.
void CArmes::eclater(CTir& t, int nombre)
{
    if (t.bFragment)
        return;
    const int d = t.angle >= 180 ? 1 : 0;
    const float pas = 360.0f / float(nombre);
    CPerso* tireur = t.pTireur;
    for (int i = 0; i < nombre; ++i)
        if (CTir* f = creerTir(ARME_FRAGMENTS, t.x, t.y, d, float(i) * pas, true, tireur))
            f->bFragment = true;
}

// An arrow in the decor quivers: one impact test per 30-per-second frame.
void CArmes::majImpactMur(CTir& t, float c)
{
    if (c < 1) {
        t.resteSousPas += c;
        if (t.resteSousPas < 1 - 1e-4f)
            return;
        t.resteSousPas = 0;
    }
    testerImpact(&t);
}

void CArmes::declencherExplosions()
{
    ++nbAppelsDeclencherExplosions;
    for (CTir* t : tirs) {
        const CArme* a = arme(t->numArme);
        if (!a || t->genre != GenreTir::Mine)
            continue;
        secouer(6, 4);
        jouer("EXPLOSION");
        t->etat = CTir::IMPACT_PERSO;
        montrerImage(*t, a->pDecImpactPerso.get());
    }
}

void CArmes::supprimerTirsDe(CPerso* perso)
{
    if (!perso)
        return;
    for (CTir* t : tirs)
        if (t->etat == CTir::CANON && t->pTireur == perso)
            t->bFini = true;
}

void CArmes::viderTirs()
{
    ++nbAppelsViderTirs;
    for (CTir* t : tirs)
        delete t;
    tirs.clear();
}
