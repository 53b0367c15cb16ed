// Hit boxes of sprites and characters, segments against rectangles, parallax offsets and the
// plane queries of the level writer and the editor.
#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/Texte.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/GeometrieSD.h"
#include "level/Vue.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Boite {
    float gauche, haut, largeur, hauteur;
};

// The sprite's hit box (image less the HITBOX margins, scaled), moved by (dx, dy); the top
// margin grows by margeHaut.
Boite boiteSprite(const CSPRITE& s, float dx, float dy, int margeHaut = 0)
{
    const int l = s.hitbox[0], t = s.hitbox[1] + margeHaut, r = s.hitbox[2], b = s.hitbox[3];
    return {float(l) * s.sx + dx + s.x - s.sx * s.ox, float(t) * s.sy + dy + s.y - s.sy * s.oy,
            float(s.getLargeur()) * s.sx - float(l + r) * s.sx, float(s.getHauteur()) * s.sy - float(t + b) * s.sy};
}

// Strict overlap: boxes that only share an edge do not collide.
bool chevauchent(const Boite& a, const Boite& b)
{
    return a.gauche < b.gauche + b.largeur && b.gauche < a.gauche + a.largeur && a.haut < b.haut + b.hauteur &&
           b.haut < a.haut + a.hauteur;
}

constexpr int ETAT_BAISSE = 2, ETAT_BAISSE_MARCHE = 3, ETAT_BAISSE_VISEE = 4;

Boite boitePerso(const CPerso& p)
{
    const CSPRITE3& s = *p.sprite;
    if (s.bAnime) {
        const sf::FloatRect h = geometrie::boiteAnimee(s);
        return {h.left, h.top, h.width, h.height};
    }
    const bool accroupi = p.mode == ETAT_BAISSE || p.mode == ETAT_BAISSE_MARCHE || p.mode == ETAT_BAISSE_VISEE;
    return boiteSprite(s, 0, 0, accroupi ? p.posTete[0] - p.posTete[1] : 0);
}

// Where the active camera stands; the origin without a game.
sf::Vector2f positionCamera()
{
    MondeJeu* jeu = faceJeu::monde();
    if (!jeu || !jeu->pvue)
        return {0, 0};
    return {jeu->pvue->x, jeu->pvue->y};
}

// Planes 0 and 1 lie in front of the main plane and move against the camera.
float decalagePlan(int plan, float camera, int axe, const float (&facteurs)[6][2])
{
    if (plan < 0 || plan > 5)
        return std::numeric_limits<float>::quiet_NaN();
    const float signe = plan <= 1 ? -1.0f : 1.0f;
    return signe * camera * facteurs[plan][axe];
}

bool dans(float v, float a, float b) { return a <= v && v <= b; }

} // namespace

bool CDecor::collisionSpritesDecales(CSPRITE* a, CSPRITE* b, int dx1, int dy1, int dx2, int dy2) const
{
    if (!a || !b)
        return false;
    return chevauchent(boiteSprite(*a, float(dx1), float(dy1)), boiteSprite(*b, float(dx2), float(dy2)));
}

bool CDecor::collisionSprites(CSPRITE* a, CSPRITE* b) const { return collisionSpritesDecales(a, b, 0, 0, 0, 0); }

bool CDecor::collisionSD(CSPRITE* s, bool memeGroupe, int dx1, int dy1, int dx2, int dy2) const
{
    CCalqueSD* plan = getPlan(PLAN_PRINCIPAL);
    if (!s || !plan)
        return false;
    MondeJeu* jeu = faceJeu::monde();
    const int calque = jeu && jeu->pdecor ? jeu->pdecor->calqueVisible : calqueVisible;
    const Boite boite = boiteSprite(*s, float(dx1), float(dy1));
    // Only sprites whose own box (moved by dx2, dy2) may meet this one's, in list order.
    const float gauche = std::min(boite.gauche, boite.gauche + boite.largeur) - float(dx2);
    const float droite = std::max(boite.gauche, boite.gauche + boite.largeur) - float(dx2);
    const float haut = std::min(boite.haut, boite.haut + boite.hauteur) - float(dy2);
    const float bas = std::max(boite.haut, boite.haut + boite.hauteur) - float(dy2);
    CIndexSD::Parcours candidats = plan->index.chevauchant(gauche, haut, droite, bas);
    CSPRITE* t = nullptr;
    while (candidats.suivant(t)) {
        // A sprite of the plane does not collide with itself.
        if (!t || t == s || !t->bVisible || (t->calque != 0 && t->calque != calque) || t->collision == 0 ||
            t->getAngleTotal() != 0 || (memeGroupe && t->groupe == s->groupe))
            continue;
        if (chevauchent(boite, boiteSprite(*t, float(dx2), float(dy2))))
            return true;
    }
    return false;
}

sf::FloatRect CDecor::rectPerso(const CPerso& p)
{
    if (!p.sprite)
        return {};
    const Boite b = ::boitePerso(p);
    return {b.gauche, b.haut, b.largeur, b.hauteur};
}

bool CDecor::collisionPersos(CPerso* a, CPerso* b) const
{
    if (!a || !b || !a->sprite || !b->sprite)
        return false;
    return chevauchent(boitePerso(*a), boitePerso(*b));
}

bool CDecor::intersectionSegmentRect(float x1, float y1, float x2, float y2, float gauche, float haut, float droite,
                                     float bas)
{
    if ((x1 < gauche && x2 < gauche) || (y1 < haut && y2 < haut) || (x1 > droite && x2 > droite) ||
        (y1 > bas && y2 > bas))
        return false;
    const float m = x1 == x2 ? 0.0f : (y2 - y1) / (x2 - x1);
    if (dans((gauche - x1) * m + y1, haut, bas) || dans((droite - x1) * m + y1, haut, bas))
        return true;
    if (m == 0)
        return dans(x1, gauche, droite);
    if (dans((haut - y1) / m + x1, gauche, droite))
        return true;
    return dans((bas - y1) / m + x1, gauche, droite);
}

bool CDecor::collisionRectTourne(float x1, float y1, float x2, float y2, float gauche, float haut, float droite,
                                 float bas, float angle, float cx, float cy)
{
    // The segment goes into the rectangle's unturned frame, as the box is drawn turned.
    const sf::Vector2f a = geometrie::tournerInverse(x1, y1, cx, cy, angle);
    const sf::Vector2f b = geometrie::tournerInverse(x2, y2, cx, cy, angle);
    return intersectionSegmentRect(a.x, a.y, b.x, b.y, gauche, haut, droite, bas);
}

bool CDecor::pointDansRect(int x, int y, int rx, int ry, int largeur, int hauteur)
{
    // In 64 bits: a rectangle near the end of the int range must not wrap around.
    return rx <= x && static_cast<long long>(x) < static_cast<long long>(rx) + largeur && ry <= y &&
           static_cast<long long>(y) < static_cast<long long>(ry) + hauteur;
}

float CDecor::decalagePlanX(int plan) const { return decalagePlan(plan, positionCamera().x, 0, scrollPlans); }

float CDecor::decalagePlanY(int plan) const { return decalagePlan(plan, positionCamera().y, 1, scrollPlans); }

bool CDecor::definitionUtilisee(const std::string& nom) const
{
    for (const CCalqueSD* plan : pPlans)
        for (const CSPRITE* sd : plan->sprites)
            if (sd && ((sd->pDEC && sd->pDEC->nom == nom) || sd->strID == nom))
                return true;
    return false;
}

bool CDecor::modelePersoUtilise(const std::string& nom) const
{
    auto utilise = [&nom](const CPerso* p) { return p && p->sprite && p->sprite->pDEC && p->sprite->pDEC->nom == nom; };
    for (const CPerso* p : persos)
        if (utilise(p))
            return true;
    // AIs made during play (meteors, script commands) are not written with the level.
    for (const CPerso* p : ias)
        if (p && !p->bTemporaire && !p->bCreeParScript && utilise(p))
            return true;
    return false;
}
