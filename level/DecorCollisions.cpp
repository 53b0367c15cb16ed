// The level's collision query: is this point, or the segment between two points, solid?
// Only the main plane's decor sprites and the dig holes answer; damaging decor hurts the
// character that asks, and an object sprite is picked up by the player.
#include "anim/Sprite3.h"
#include "characters/Inventaire.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/SetTextures.h"
#include "core/Texte.h"
#include "level/CalqueSD.h"
#include "level/Creusement.h"
#include "level/Decor.h"
#include "level/GeometrieSD.h"

#include <algorithm>
#include <cmath>

namespace {

const sf::Color VERT(0, 255, 0, 255);
const sf::Color BLEU(0, 0, 255, 255);
const sf::Color ROUGE(255, 0, 0, 255);

// Character states the query looks at.
constexpr int ETAT_SAUT_MONTE = 5;
constexpr int ETAT_REBOND_MONTE = 8;
constexpr int ETAT_MORT = 12;
// The floor of a dig hole: its bottom rows, where a character stands.
constexpr int EPAISSEUR_FOND_TROU = 10;
constexpr int EPAISSEUR_PAROI_TROU = 2;

// The mask pixel under a local point (the sprite's unturned, unscaled frame) is that colour.
// Masks may be smaller than their frame, or missing: no hit there.
bool pixelMasque(const CSPRITE& sd, float lx, float ly, sf::Color couleur)
{
    const sf::Vector2i taille = geometrie::tailleFrame(sd);
    const float gauche = sd.x - sd.ox, haut = sd.y - sd.oy;
    if (lx < gauche || lx >= gauche + float(taille.x) || ly < haut || ly >= haut + float(taille.y))
        return false;
    const sf::Image* masque = sd.getMasque(sd.numAnim, sd.numFrame);
    if (!masque)
        return false;
    const int u = tuv::floatVersInt(lx - sd.x + sd.ox), v = tuv::floatVersInt(ly - sd.y + sd.oy);
    const sf::Vector2u t = masque->getSize();
    if (u < 0 || v < 0 || u >= int(t.x) || v >= int(t.y))
        return false;
    return masque->getPixel(unsigned(u), unsigned(v)) == couleur;
}

// The sprite's box of the collision types 2, 3 and 5 (image less the HITBOX margins).
sf::FloatRect boiteCollision(const CSPRITE& sd)
{
    const sf::Vector2i taille = geometrie::tailleFrame(sd);
    const float gauche = sd.x - (sd.ox - float(sd.hitbox[0])) * sd.sx;
    const float haut = sd.y - (sd.oy - float(sd.hitbox[1])) * sd.sy;
    const float droite = sd.x + (float(taille.x) - sd.ox - float(sd.hitbox[2])) * sd.sx;
    const float bas = sd.y + (float(taille.y) - sd.oy - float(sd.hitbox[3])) * sd.sy;
    return {gauche, haut, droite - gauche, bas - haut};
}

// A point brought into the box's frame: the sprite's turn and flips undone about its anchor.
sf::Vector2f dansRepereBoite(const CSPRITE& sd, float x, float y)
{
    const sf::Vector2f t = geometrie::tournerInverse(x, y, sd.x, sd.y, sd.getAngleTotal());
    return {sd.x + float(sd.flipH) * (t.x - sd.x), sd.y + float(sd.flipV) * (t.y - sd.y)};
}

bool solideEnMontee(const CPerso& p, bool rebondCompte)
{
    const bool monte = p.mode == ETAT_SAUT_MONTE || (rebondCompte && p.mode == ETAT_REBOND_MONTE);
    return !monte || p.bSolideEnMontee;
}

} // namespace

CSPRITE* CDecor::testCollision(CPerso* perso, float x1, float y1, float x2, float y2)
{
    CCalqueSD* plan = pPlans[PLAN_PRINCIPAL];
    if (!plan || !plan->bVisible)
        return nullptr;
    if (perso && !perso->bCollisions)
        return nullptr;
    CSPRITE* trou = nullptr;
    if (perso && collisionCreusement(*perso, x1, y1, trou))
        return trou;
    // Sprites mostly share a few banks: the frame size of the last bank and animation met is
    // kept for the next sprite (nothing changes the banks during one query).
    const CDEC* banque = nullptr;
    int anim = -1;
    sf::Vector2i taille;
    // The plane's sprites that may be near either end, in list order: the first hit wins.
    CIndexSD::Parcours candidats = plan->index.pres(x1, y1, x2, y2);
    CSPRITE* sd = nullptr;
    while (candidats.suivant(sd)) {
        if (!sd || !sd->bVisible || sd->collision == 0)
            continue;
        if (!candidats.dejaProche()) {
            if (sd->bTailleFixe || sd->pDEC != banque || sd->numAnim != anim || !banque) {
                taille = geometrie::tailleFrame(*sd);
                banque = sd->bTailleFixe ? nullptr : sd->pDEC;
                anim = sd->numAnim;
            }
            const float r = std::max(float(taille.x) * sd->sx, float(taille.y) * sd->sy);
            const bool proche1 = std::fabs(x1 - sd->x) < r && std::fabs(y1 - sd->y) < r;
            const bool proche2 = std::fabs(x2 - sd->x) < r && std::fabs(y2 - sd->y) < r;
            if (!proche1 && !proche2)
                continue;
        }
        if (degats(perso, sd, x1, y1, x2, y2))
            return sd;
    }
    return nullptr;
}

bool CDecor::estCollision(CPerso* perso, float x1, float y1, float x2, float y2)
{
    return testCollision(perso, x1, y1, x2, y2) != nullptr;
}

// The first hole holding the point decides alone: its floor and the far wall the character
// walks into are solid, its inside is free.
bool CDecor::collisionCreusement(CPerso& perso, float x1, float y1, CSPRITE*& resultat) const
{
    const int ix = tuv::floatVersInt(x1), iy = tuv::floatVersInt(y1);
    for (CCreusement* c : creusements) {
        if (!pointDansRect(ix, iy, c->rectX, c->rectY, c->rectLargeur, c->profondeur))
            continue;
        const bool paroi = (perso.direction == 1 && x1 <= float(c->rectX)) ||
                           (perso.direction == 0 && x1 > float(c->rectX + c->rectLargeur - EPAISSEUR_PAROI_TROU));
        if (paroi)
            resultat = getCreusement(c, ix, iy) ? nullptr : pSDCreusement;
        else
            resultat = y1 >= float(c->rectY + c->profondeur - EPAISSEUR_FOND_TROU) ? pSDCreusement : nullptr;
        return true;
    }
    return false;
}

bool CDecor::degats(CPerso* perso, CSPRITE* sd, float x1, float y1, float x2, float y2)
{
    if (!sd || !sd->bCollisionsActives)
        return false;
    auto masqueSolide = [&] {
        return collisionCouleur(sd, x1, y1, VERT) || collisionCouleur(sd, x1, y1, BLEU);
    };
    switch (static_cast<TypeCollision>(sd->collision)) {
    case TypeCollision::Masque:
        if (!perso)
            return masqueSolide();
        return solideEnMontee(*perso, true) && collisionCouleur(sd, x1, y1, VERT);
    case TypeCollision::Boite:
        if (x1 == x2 && y1 == y2)
            return pointDansBoite(*sd, x1, y1);
        return segmentDansBoite(*sd, x1, y1, x2, y2);
    case TypeCollision::BoitePoint:
        if (perso && !solideEnMontee(*perso, false))
            return false;
        return pointDansBoite(*sd, x1, y1);
    case TypeCollision::MasqueDegats:
        if (!perso || perso->mode == ETAT_MORT)
            return masqueSolide();
        return degatsMasque(*perso, sd, x1, y1, x2, y2);
    case TypeCollision::Objet: {
        MondeJeu* jeu = faceJeu::monde();
        if (perso && jeu && perso == jeu->pPerso && segmentDansBoite(*sd, x1, y1, x2, y2))
            faceJeu::services()->objetTrouve(sd);
        return false;
    }
    case TypeCollision::MasqueSimple:
        return perso ? collisionCouleur(sd, x1, y1, VERT) : masqueSolide();
    default:
        return false;
    }
}

// Red hurts a living character but never blocks it: the answer is the green test alone.
bool CDecor::degatsMasque(CPerso& perso, CSPRITE* sd, float x1, float y1, float x2, float y2)
{
    const bool sol = collisionCouleur(sd, x1, y1, VERT);
    if (perso.bNoDegats)
        return sol;
    const bool blesse = collisionCouleur(sd, x1, y1 - 5, ROUGE) || collisionCouleur(sd, x2, y2, ROUGE);
    if (blesse && perso.compteurTouche < 0) {
        if (perso.derniereArme != "FANTOME") {
            perso.derniereArme = "DECOR_DOMMAGES";
            perso.dernierAttaquant = &perso;
        }
        perso.prendreCoup(sd->degats[0], perso.direction, 0, 1);
    }
    return sol;
}

bool CDecor::segmentDansBoite(CSPRITE& sd, float x1, float y1, float x2, float y2) const
{
    const sf::FloatRect b = boiteCollision(sd);
    const sf::Vector2f a = dansRepereBoite(sd, x1, y1), c = dansRepereBoite(sd, x2, y2);
    return intersectionSegmentRect(a.x, a.y, c.x, c.y, b.left, b.top, b.left + b.width, b.top + b.height);
}

bool CDecor::pointDansBoite(CSPRITE& sd, float x, float y) const
{
    const sf::FloatRect b = boiteCollision(sd);
    const sf::Vector2f p = dansRepereBoite(sd, x, y);
    const long long gauche = tuv::floatVersInt(b.left), haut = tuv::floatVersInt(b.top);
    const long long px = tuv::floatVersInt(p.x), py = tuv::floatVersInt(p.y);
    return gauche <= px && px < tuv::floatVersInt(b.width) + gauche && haut <= py &&
           py < tuv::floatVersInt(b.height) + haut;
}

bool CDecor::collisionCouleur(CSPRITE* sd, float x, float y, sf::Color couleur) const
{
    sf::Vector2f l;
    if (!sd || !geometrie::versLocal(*sd, x, y, l))
        return false;
    return pixelMasque(*sd, l.x, l.y, couleur);
}

// The integer form used by seesaws and dig holes: every step truncated.
bool CDecor::collisionPixel(CSPRITE* sd, int x, int y, sf::Color couleur) const
{
    const CCalqueSD* plan = pPlans[PLAN_PRINCIPAL];
    if (!plan || !plan->bVisible || !sd || !sd->bVisible || sd->sx == 0 || sd->sy == 0)
        return false;
    if (!sd->bAnime && (!sd->pDEC || sd->pDEC->anims.empty()))
        return false;
    auto tronc = [](float v) { return float(tuv::floatVersInt(v)); };
    float dx = tronc(float(x) - sd->x), dy = tronc(float(y) - sd->y);
    const float angle = sd->getAngleTotal();
    if (angle != 0) {
        const sf::Vector2f t = geometrie::tournerInverse(dx, dy, 0, 0, angle);
        dx = tronc(t.x);
        dy = tronc(t.y);
    }
    const float lx = tronc(tronc(float(sd->flipH) * dx / sd->sx) + sd->x);
    const float ly = tronc(tronc(float(sd->flipV) * dy / sd->sy) + sd->y);
    if (sd->bAnime)
        return false;
    return pixelMasque(*sd, lx, ly, couleur);
}
