// The AI controller: the per-frame update, the dispatch by AI type, the generic AI with its
// detection of players and its alert, general alerts, aim steps and the turn routine.
#include "characters/IABehaviours.h"

#include "characters/IAOutils.h"
#include "core/Dec.h"
#include "level/Decor.h"
#include "level/Vue.h"

#include <cmath>

namespace {

using namespace EtatPerso;

constexpr float PI = 3.14159265358979f;
constexpr float RADIANS_EN_DEGRES = 57.3f;  // the detection's own conversion of its slope
constexpr float PENTE_INITIALE = 1.57f;     // the slope a detection starts from (radians)
constexpr float PAS_VISEE = 40;             // pixels between two points of a line of sight
constexpr float DIVISEUR_HAUTEUR_CIBLE = 1.8f;
constexpr int HAUTEUR_MARQUE = 70;          // the alert mark floats this far above the head
const char* const NOM_ALERTE = "Alerte";
const char* const IMAGE_ALERTE = "EXCLAMATION";
const char* const DEFINITION_TRANSPARENTE = "DECVIDE";

bool enBoule(int mode) { return mode == BAISSE || mode == ARRET_BAISSE || mode == RECEPTION_CHUTE || mode == RECEPTION; }

// A decor sprite that hides what lies behind it from an AI: not an empty definition, not a
// platform travelling along a path.
bool masqueLaVue(const CSPRITE& sd)
{
    if (sd.bPhysC && sd.pChemin)
        return false;
    if (sd.pDEC && sd.pDEC->nom == DEFINITION_TRANSPARENTE)
        return false;
    return sd.getIdDEC() != DEFINITION_TRANSPARENTE;
}

// Aim steps of the angle's sector when no clamping applies.
int pasDuSecteur(float a)
{
    struct Secteur {
        float debut, fin;  // [debut, fin) up to 195, (debut, fin] after it
        int pas;
    };
    static const Secteur AVANT[] = {{15, 35, 10}, {35, 55, 0}, {55, 80, 11}, {80, 100, 1},
                                    {100, 120, 12}, {120, 145, 2}, {145, 165, 13}, {165, 195, 4}};
    static const Secteur APRES[] = {{215, 240, 2}, {240, 260, 12}, {260, 280, 1},
                                    {280, 305, 11}, {305, 325, 0}, {325, 345, 10}};
    if (a > 345 || a < 15)
        return 3;
    for (const Secteur& s : AVANT)
        if (a >= s.debut && a < s.fin)
            return s.pas;
    if (a >= 195 && a <= 215)
        return 13;
    for (const Secteur& s : APRES)
        if (a > s.debut && a <= s.fin)
            return s.pas;
    return 3;  // not a number
}

} // namespace

std::vector<float>* CIABehaviours::journalSondes = nullptr;

// The ranges and the alert's length are the fields' own values; the alert counts detections,
// so it lasts as many seconds at every frame rate.
CIABehaviours::CIABehaviours() = default;

BordsVue bordsVue()
{
    BordsVue b;
    const AffichageJeu* j = faceJeu::affichage();
    if (!j)
        return b;
    if (const CVue* v = faceJeu::monde()->pvue) {
        b.gauche = v->x + v->cx;
        b.largeur = v->largeur;
        b.hauteur = v->hauteur;
        b.largeurZoom = v->sx;
    } else {
        b.largeur = b.largeurZoom = static_cast<float>(j->largeurVue);
        b.hauteur = static_cast<float>(j->hauteurVue);
    }
    return b;
}

// ------------------------------------------------------------------------------ per frame

void CIABehaviours::majIA()
{
    PartieJeu* j = faceJeu::partie();
    CDecor* d = ia::decor();
    if (!j || !d)
        return;
    for (CPerso* p : d->ias) {
        if (!p)
            continue;
        if (!p->bDel) {
            if (j->bIA) {
                degatsContact(*p, *d);
                comportement(p);
            } else if (p->sprite && ia::animation(*p->sprite) != 0) {
                // Stopped AIs stand in their first animation.
                if (p->sprite->bAnime)
                    p->sprite->setAnimation(0, 0, true);
                else
                    p->sprite->animer(0);
            }
        }
        decompterDetection(*p);
    }
}

// The detection countdown runs every frame, also for stopped and removed AIs; the children an
// AI carries count with it.
void CIABehaviours::decompterDetection(CPerso& p)
{
    if (p.compteurDetection < 1)
        p.compteurDetection = ia::frames(p.periodeDetection);
    --p.compteurDetection;
    const size_t nb = std::min(p.enfants.size(), static_cast<size_t>(std::max(0, p.nbEnfants)));
    for (size_t i = 0; i < nb; ++i)
        if (p.enfants[i])
            decompterDetection(*p.enfants[i]);
}

// On its detection frames an AI in contact mode 1 and a player that touch both take a hit.
void CIABehaviours::degatsContact(CPerso& ia, CDecor& decor)
{
    if (!ia::vivant(ia) || ia.compteurDetection >= 1 || ia.modeCollisions != 1)
        return;
    for (CPerso* joueur : decor.persos) {
        if (!ia::vivant(ia))
            break;
        if (!joueur || !joueur->sprite || !joueur->sprite->bVisible || joueur->compteurTouche > 0)
            continue;
        if (!decor.collisionPersos(&ia, joueur))
            continue;
        ia.dernierAttaquant = joueur;
        ia.derniereArme.clear();
        ia.prendreCoup(ia.degats[1], joueur->direction, 1, 2);
        joueur->dernierAttaquant = &ia;
        joueur->derniereArme.clear();
        joueur->prendreCoup(ia.degats[0], ia.direction, 1, 2);
    }
}

void CIABehaviours::comportement(CPerso* ia)
{
    if (!ia || ia->bDel)
        return;
    switch (ia->modeIA) {
    case TypeIA::TIREUR_SOL: case TypeIA::TRAVERSEUR: case TypeIA::TRAVERSEUR_SAUTANT: case TypeIA::CULBUTEUR:
    case TypeIA::VOLANT: case TypeIA::VOLANT_RAPIDE: case TypeIA::ONDULANT_H: case TypeIA::TIREUR_HASARD:
    case TypeIA::ONDULANT_V: case TypeIA::ANIME_PRES: case TypeIA::IMMOBILE:
        comportementFixe(*ia, ia->modeIA);
        break;
    case TypeIA::INERTE:
    case TypeIA::INERTE_2:
        break;
    case TypeIA::VOLANT_AMBIANT: volantAmbiant(*ia); break;
    case TypeIA::CANON_ROTATIF: canonRotatif(*ia); break;
    default: iaGenerique(*ia); break;
    }
    const size_t nb = std::min(ia->enfants.size(), static_cast<size_t>(std::max(0, ia->nbEnfants)));
    for (size_t i = 0; i < nb; ++i)
        comportement(ia->enfants[i]);
}

// ------------------------------------------------------------------------------ generic AI

void CIABehaviours::iaGenerique(CPerso& ia)
{
    if (!ia.sprite || !ia.sprite->bVisible)
        return;
    etapeEtat(ia);
    if (!ia::vivant(ia))
        return;
    // A hit alerts the AI.
    if (ia.compteurTouche > 0)
        ia.compteurAlerte = dureeAlerte;
    majAlerte(ia);
}

void CIABehaviours::etapeEtat(CPerso& ia)
{
    switch (ia.mode) {
    case MORT:
        if (!ia.bVaisseau || ia.bChuteVaisseauMort)
            ia.gererChute();
        ia.mourir();
        break;
    case TOUCHE:
        ia.animerTouche();
        if (ia::boucles(*ia.sprite) > 0)
            ia.setEtat(ARRET);
        break;
    case ARRET: ia.resetEtat(); break;
    case RECEPTION_CHUTE: ia.gererReception(); break;
    case RECEPTION:
        ia.gererReception();
        ia.resetEtat();
        break;
    case CHUTE_SAUT:
    case CHUTE:
        ia.bSautEnCours = false;
        ia.gererChute();
        break;
    case SAUT_MONTE: ia.gererSaut(); break;
    case ACTION: ia.gererAction(); break;
    case MARCHE:
        if (ia.marcher(ia.direction, 1) == 1 && ia.bDemiTourAuto)
            ia.setDirection(ia.direction == 0 ? 1 : 0);
        break;
    default: ia::continuerAnimation(ia); break;
    }
}

// On detection frames: a player seen keeps the alert up with the mark shown; otherwise the
// alert runs down by one detection and the mark goes when it ends.
void CIABehaviours::majAlerte(CPerso& ia)
{
    if (!ia.bDetection || ia.compteurDetection >= 1)
        return;
    ia.pPersoDetecte = detecterPerso(&ia);
    if (ia.pPersoDetecte) {
        ia.compteurAlerte = dureeAlerte;
        afficherAlerte(&ia, true);
    } else if (ia.compteurAlerte == 0) {
        afficherAlerte(&ia, false);
        ia.compteurAlerte = -1;
    } else if (ia.compteurAlerte < 0) {
        ia.compteurAlerte = -1;
    } else {
        --ia.compteurAlerte;
    }
}

// ------------------------------------------------------------------------------ detection

CPerso* CIABehaviours::detecterPerso(CPerso* ia)
{
    OptionsJeu* j = faceJeu::options();
    CDecor* d = ia::decor();
    if (!ia || !ia->sprite || !d || (j && j->bModeFantome))
        return nullptr;
    distanceDetection = -1;
    const int portee = ia->compteurAlerte < 1               ? porteeCalme
                       : ia->compteurAlerte > dureeAlerte / 2 ? porteeAlerteForte
                                                            : porteeAlerte;
    const float oeilX = ia->sprite->x;
    const float oeilY = ia->sprite->y - static_cast<float>(ia->posTete[0]) * ia->sprite->sy;
    float pente = PENTE_INITIALE;
    CPerso* vu = nullptr;
    for (CPerso* cible : d->persos) {
        if (!cible || !cible->sprite || !cible->sprite->bVisible || cible->bParalyse || !ia::vivant(*cible))
            continue;
        const float h = static_cast<float>(cible->posTete[enBoule(cible->mode) ? 1 : 0]);
        const float cx = cible->sprite->x;
        const float cy = cible->sprite->y - (h / DIVISEUR_HAUTEUR_CIBLE) * cible->sprite->sy;
        const int distance = tuv::floatVersInt(std::hypot(cx - oeilX, cy - oeilY));
        if (distance > portee || (distanceDetection != -1 && distance >= distanceDetection))
            continue;
        if (cx != oeilX)
            pente = std::atan((cy - oeilY) / (cx - oeilX));
        const bool aDroite = oeilX <= cx;
        // Calm and looking ahead only: a player behind is not seen.
        if (ia->bDetectionDevant && ia->compteurAlerte < 1 && ia->direction == (aDroite ? 1 : 0))
            continue;
        int angle = tuv::floatVersInt(pente * RADIANS_EN_DEGRES + 450) % 360;
        if (!aDroite)
            angle += 180;
        if (distance > 0 && !visible(oeilX, oeilY, angle, distance, *d))
            continue;
        distanceDetection = distance;
        ia->angleVisee = static_cast<float>(angle);
        ia->setDirection(aDroite ? 0 : 1);
        vu = cible;
    }
    return vu;
}

// Walks the line of sight from (x, y) along the aim angle in steps of 40 pixels until it has
// covered the distance; false at the first decor sprite that hides the view.
bool CIABehaviours::visible(float x, float y, int angle, int distance, CDecor& decor) const
{
    const float r = static_cast<float>(angle - 90) * PI / 180;
    const float dx = PAS_VISEE * std::cos(r), dy = PAS_VISEE * std::sin(r);
    for (int parcouru = 0; parcouru < distance; parcouru += static_cast<int>(PAS_VISEE)) {
        x += dx;
        y += dy;
        if (journalSondes) {
            journalSondes->push_back(x);
            journalSondes->push_back(y);
        }
        const CSPRITE* sd = decor.testCollision(nullptr, x, y, x, y);
        if (sd && masqueLaVue(*sd))
            return false;
    }
    return true;
}

// ------------------------------------------------------------------------------ alerts

void CIABehaviours::afficherAlerte(CPerso* ia, bool afficher)
{
    if (!ia || !ia->sprite || ia->bDel || ia->bMortTerminee)
        return;
    if (afficher)
        ia->sprite->Over(NOM_ALERTE, IMAGE_ALERTE, 0, 0, -static_cast<float>(HAUTEUR_MARQUE + ia->posTete[0]), 1, 1,
                         0, true);
    else
        ia->sprite->supprimerOver(NOM_ALERTE);
}

void CIABehaviours::alerteGenerale(CPerso* source, int x, int y, int mode, int rayon)
{
    CDecor* d = ia::decor();
    if (!d || (mode != 0 && mode != 1))
        return;
    const float r = static_cast<float>(rayon);
    for (CPerso* p : d->ias) {
        if (!p || !p->sprite || p->faction != 2 || p->bDel || p == source || p->bMortTerminee)
            continue;
        if (std::fabs(p->sprite->x - static_cast<float>(x)) > r || std::fabs(p->sprite->y - static_cast<float>(y)) > r)
            continue;
        if (mode == 0) {
            p->compteurAlerte = 0;
            afficherAlerte(p, false);
        } else if (p->compteurAlerte <= 0) {
            p->compteurAlerte = dureeAlerte;
            afficherAlerte(p, true);
            p->setDirection(static_cast<float>(x) > p->sprite->x ? 0 : 1);
        }
    }
}

// ------------------------------------------------------------------------------ aim steps

int CIABehaviours::initAngleTir(CPerso* ia, int angleMax)
{
    if (!ia)
        return 0;
    if (angleMax == -1) {
        ia->angleVisee = -1;
        ia->visee = -1;
        return 1;
    }
    // Per maximum angle: lo, hi, then angle and step for below lo, above 360 - lo, in
    // (hi, 180] and in [180, 360 - hi).
    struct Bornes {
        int max, lo, hi;
        int bas[2], haut[2], arriereDroit[2], arriereGauche[2];
    };
    static const Bornes TABLE[] = {
        {30, 15, 165, {15, 10}, {345, 10}, {165, 4}, {195, 13}},
        {45, 35, 145, {35, 0}, {325, 0}, {145, 13}, {215, 13}},
        {70, 55, 120, {55, 11}, {305, 11}, {120, 2}, {240, 2}},
        {90, 80, 100, {80, 1}, {280, 1}, {100, 12}, {260, 12}},
    };
    const float a = ia->angleVisee;
    for (const Bornes& b : TABLE) {
        if (b.max != angleMax)
            continue;
        const int* choix = nullptr;
        if (a < static_cast<float>(b.lo))
            choix = b.bas;
        else if (a > static_cast<float>(360 - b.lo))
            choix = b.haut;
        else if (a > static_cast<float>(b.hi) && a <= 180)
            choix = b.arriereDroit;
        else if (a >= 180 && a < static_cast<float>(360 - b.hi))
            choix = b.arriereGauche;
        if (choix) {
            ia->angleVisee = static_cast<float>(choix[0]);
            ia->visee = choix[1];
            return 1;
        }
    }
    ia->visee = pasDuSecteur(a);
    return 0;
}

bool CIABehaviours::persoExiste(const std::string& id) const
{
    const CDecor* d = ia::decor();
    if (!d)
        return false;
    for (const CPerso* p : d->ias)
        if (p && p->id == id)
            return true;
    return false;
}

// ------------------------------------------------------------------------------ turn routine

int CIABehaviours::jouerAnimVers(CPerso* perso, int anim, int de, int vers)
{
    if (!perso || !perso->sprite)
        return 0;
    CSPRITE3& s = *perso->sprite;
    if (ia::animation(s) != anim) {
        // A layered sprite keeps its state's animation through the character: switch it here.
        if (s.bAnime)
            s.setAnimation(anim, 0, true);
        else
            perso->setAnimation(anim, 0, 0);
        return 0;
    }
    if (ia::frame(s) == vers)
        return 1;
    const int sens = de >= vers ? -1 : 1;
    if (s.bAnime) {
        if (CSPRITE3_ANIMATION* a = s.getAnim(anim))
            a->sens = sens;
        s.play();
        s.update(nullptr, s.getSX(), s.x, s.y, anim);
    } else {
        s.sensAnim = sens;
        s.animer(-1);
    }
    return 0;
}
