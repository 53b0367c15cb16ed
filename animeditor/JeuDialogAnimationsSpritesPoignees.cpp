// Handles of the animation editor and the hit tests of its image controls: an AE's values at
// a frame as the view shows them, its six handles and its mesh circles, the mesh circles of
// the selected sheet element, the element under the mouse on the sheet, the AE under the
// mouse in the view.
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"
#include "core/LotFormes.h"

#include "anim/Sprite3.h"
#include "core/Texte.h"
#include "gui/CPLUXControlImage.h"

#include <cmath>

using tuv::floatVersInt;

namespace {
// The look of the sheet's mesh circles.
constexpr float RAYON_CERCLE_PLANCHE = 2.f;
const sf::Color FOND_CERCLE_PLANCHE(20, 20, 20, 200);
const sf::Color CONTOUR_CERCLE_PLANCHE(255, 0, 0, 200);

// A handle is drawn turned by the AE's rotation plus a half-turn about its own origin: the
// half-turn brings the stored offset back on the right side (see majPoigneesAE).
float rotationPoignee(float rotation) { return static_cast<float>((floatVersInt(rotation) + 180) % 360); }

sf::Vector2f texCoords(const CSPRITE3_ELEMENT& e, int sommet)
{
    if (sommet < 0 || sommet >= e.getNbSommets())
        return {};
    return e.vertices[static_cast<size_t>(sommet)].texCoords;
}
} // namespace

// Values of an AE --------------------------------------------------------------------------------------

CJeuDialogAnimationsSprites::ValeursAE CJeuDialogAnimationsSprites::valeursAE(int a, int f, int ae)
{
    ValeursAE v;
    // No keyframe in the animation: no key to read.
    if (a < 0 || f < 0 || ae < 0 || f >= pSprite->getNbFrames(a) || !pSprite->getCle(a, f, ae))
        return v;
    v.origine = pSprite->getKeyAnimElemOrigine(a, f, ae);
    if (!pSprite->getInterpolation(a)) {
        v.position = pSprite->getPositionInterpolee(a, f, ae);
        v.echelle = pSprite->getKeyAnimElemEchelle(a, f, ae);
        v.rotation = pSprite->getKeyAnimElemRotation(a, f, ae);
    } else {
        v.interpolee = true;
        v.keyframe = pSprite->isKeyframe(a, f) ? pSprite->getKeyframe(a, f) : pSprite->getKeyframeAvant(a, f);
        pSprite->calculerPentes(a, ae, v.keyframe, f);
        v.frameKeyframe = pSprite->getKeyframeFrame(a, v.keyframe);
        const int k = v.keyframe, fk = v.frameKeyframe;
        v.position = {pSprite->getXInterpole(a, ae, k, f, fk, true), pSprite->getYInterpole(a, ae, k, f, fk, true)};
        v.echelle = {pSprite->getSXInterpole(a, ae, k, f, fk, true), pSprite->getSYInterpole(a, ae, k, f, fk, true)};
        v.rotation = pSprite->getRotationInterpolee(a, ae, k, f, fk, true);
    }
    v.element = pSprite->getElementAnimElem(a, ae);
    v.valide = true;
    return v;
}

sf::Vector2f CJeuDialogAnimationsSprites::decalageFille(int a, int f) const
{
    const CSPRITE3_ANIMATION* an = pSprite->getAnim(a);
    const CSPRITE3_ANIMATION* fille = an ? pSprite->getAnim(an->fille) : nullptr;
    if (!fille || !fille->bDeltaActif || !pSprite->getKeyframeFlag(a, f))
        return {};
    return pSprite->getKeyframeDelta(an->fille, pSprite->getFrame(an->fille));
}

sf::Vector2f CJeuDialogAnimationsSprites::placeEcranAE(sf::Vector2f position, bool ecran) const
{
    if (!pImageAnimation)
        return {};
    const sf::Vector2f coin = ecran ? pImageAnimation->getPositionScreen() : pImageAnimation->getPosition();
    return {static_cast<float>(centreVueX) + coin.x + zoom * position.x,
            static_cast<float>(centreVueY) + coin.y + zoom * position.y};
}

sf::Vector2f CJeuDialogAnimationsSprites::pointAE(int a, int f, int ae, int point) const
{
    const CSPRITE3_ELEMENT* e = pSprite->getElement(pSprite->getElementAnimElem(a, ae));
    if (!e)
        return {};
    const int s = pSprite->getSommetPointMaillage(a, ae, point);
    const sf::Vector2f uv = texCoords(*e, s);
    const sf::Vector2f d = pSprite->getPointMaillageInterpole(a, f, ae, s);
    return {uv.x - e->rect.left + d.x, uv.y - e->rect.top + d.y};
}

// Handles of the selected AE -------------------------------------------------------------------------
//
// Each handle keeps at its origin its offset from the AE's position, scaled but not zoomed nor
// turned, and the AE's rotation plus a half-turn: drawn at the AE's place with its origin
// zoomed (plus its radius), it lands on the turned offset.

void CJeuDialogAnimationsSprites::majPoigneesAE(int animation, int frame, int animElem)
{
    if (animElem < 0)
        return;
    majPoigneesMaillageAE(animation, frame, animElem);
    const ValeursAE v = valeursAE(animation, frame, animElem);
    if (!v.valide)
        return;
    const sf::FloatRect r = pSprite->getRectElement(v.element);
    const float sx = v.echelle.x, sy = v.echelle.y, ox = v.origine.x * sx, oy = v.origine.y * sy;
    const float l = r.width * sx, h = r.height * sy;
    const std::pair<const char*, sf::Vector2f> places[] = {
        {"HG", {-ox, -oy}}, {"HD", {l - ox, -oy}},    {"BG", {-ox, h - oy}},
        {"BD", {l - ox, h - oy}}, {"O", {0, 0}}, {"R", {0.5f * l - ox, -oy}}};
    const float rot = rotationPoignee(v.rotation);
    for (const auto& [cle, origine] : places) {
        sf::CircleShape& c = mapPoignees[cle];
        c.setOrigin(origine);
        c.setRotation(rot);
        c.setPosition(0, 0);
    }
}

void CJeuDialogAnimationsSprites::majPoigneesMaillageAE(int animation, int frame, int animElem)
{
    if (selectionMaillage.empty())
        return;
    const ValeursAE v = valeursAE(animation, frame, animElem);
    const CSPRITE3_ELEMENT* e = v.valide ? pSprite->getElement(v.element) : nullptr;
    if (!e)
        return;
    const float rot = rotationPoignee(v.rotation);
    const sf::Vector2f s = v.echelle;
    for (int p = 0; p < e->getNbPoints(); ++p) {
        const auto it = selectionMaillage.find(p);
        if (it == selectionMaillage.end())
            continue;
        const int sommet = pSprite->getSommetPointMaillage(animation, animElem, p);
        const sf::Vector2f d =
            v.interpolee ? sf::Vector2f(pSprite->getPointXInterpole(animation, animElem, v.keyframe, frame,
                                                                    v.frameKeyframe, true, sommet),
                                        pSprite->getPointYInterpole(animation, animElem, v.keyframe, frame,
                                                                    v.frameKeyframe, true, sommet))
                         : pSprite->getKeyAnimElemPoint(animation, frame, animElem, sommet);
        const sf::Vector2f uv = texCoords(*e, sommet);
        it->second.setOrigin((uv.x - e->rect.left) * s.x - (v.origine.x - d.x) * s.x,
                             (uv.y - e->rect.top) * s.y - (v.origine.y - d.y) * s.y);
        it->second.setPosition(0, 0);
        it->second.setRotation(rot);
    }
}

// Mesh circles of the sheet ---------------------------------------------------------------------------

void CJeuDialogAnimationsSprites::creerPoigneesMaillagePlanche()
{
    const CSPRITE3_ELEMENT* e = pSprite->getElement(elementSel);
    if (!e)
        return;
    mapCerclesMaillage.clear();
    rayonCercleMaillage = static_cast<int>(RAYON_CERCLE_PLANCHE);
    sf::CircleShape modele(RAYON_CERCLE_PLANCHE, CLotFormes::pointsCercle(RAYON_CERCLE_PLANCHE + 1));
    modele.setFillColor(FOND_CERCLE_PLANCHE);
    modele.setOutlineColor(CONTOUR_CERCLE_PLANCHE);
    modele.setOutlineThickness(1.f);
    for (int p = 0; p < e->getNbPoints(); ++p)
        mapCerclesMaillage.emplace(p, modele);
}

// Each circle sits on its point's texture coordinates, zoomed, from the sheet's corner.
void CJeuDialogAnimationsSprites::placerPoigneesMaillagePlanche(int element)
{
    const CSPRITE3_ELEMENT* e = pSprite->getElement(element);
    if (!e)
        return;
    const float z = pImagePlanche ? pImagePlanche->getScale() : 1.f;
    for (int p = 0; p < e->getNbPoints(); ++p) {
        const auto it = mapCerclesMaillage.find(p);
        if (it == mapCerclesMaillage.end())
            continue;
        const sf::Vector2f uv = texCoords(*e, pSprite->getSommetPointElement(element, p));
        it->second.setOrigin(0, 0);
        it->second.setPosition(uv.x * z, uv.y * z);
    }
}

void CJeuDialogAnimationsSprites::dessinerPoigneesMaillagePlanche(sf::RenderTarget& cible)
{
    collecterPoigneesMaillagePlanche();
    lot_->vider(cible);
}

void CJeuDialogAnimationsSprites::collecterPoigneesMaillagePlanche()
{
    if (!pImagePlanche)
        return;
    const float z = pImagePlanche->getScale();
    const sf::Vector2f coin(static_cast<float>(pImagePlanche->getLeftScreen()) -
                                static_cast<float>(pImagePlanche->getScrollX()) * z,
                            static_cast<float>(pImagePlanche->getTopScreen()) -
                                static_cast<float>(pImagePlanche->getScrollY()) * z);
    const float r = static_cast<float>(rayonCercleMaillage);
    for (auto& [point, c] : mapCerclesMaillage) {
        const sf::Vector2f p = c.getPosition(), o = c.getOrigin();
        c.setOrigin(r + z * o.x, r + z * o.y);
        c.setPosition(coin + p);
        lot_->forme(c);
        c.setOrigin(o);
        c.setPosition(p);
    }
}

// Hit tests ------------------------------------------------------------------------------------------------

int CJeuDialogAnimationsSprites::getElementSousSouris(const std::string& idImage, int x, int y) const
{
    const CPLUXControlImage* i = ctrlImage(idImage);
    if (!i || pSprite->getNbElements() == 0)
        return -1;
    const float z = i->getScale();
    const int ix = floatVersInt((static_cast<float>(x) - i->getLeft()) / z + static_cast<float>(i->getScrollX()));
    const int iy = floatVersInt((static_cast<float>(y) - i->getTop()) / z + static_cast<float>(i->getScrollY()));
    for (int e = 0; e < pSprite->getNbElements(); ++e) {
        const sf::FloatRect r = pSprite->getRectElement(e);
        if (isInRect(ix, iy, floatVersInt(r.left), floatVersInt(r.top), floatVersInt(r.width),
                     floatVersInt(r.height)))
            return e;
    }
    return -1;
}

// Edges on the control's border count as visible.
bool CJeuDialogAnimationsSprites::isRectVisible(const std::string& idImage, int x, int y, int l, int h) const
{
    const CPLUXControlImage* i = ctrlImage(idImage);
    if (!i)
        return false;
    const double z = i->getScale(), sx = i->getScrollX() * z, sy = i->getScrollY() * z;
    return !(z * x - sx < 0 || z * y - sy < 0 || (static_cast<double>(x) + l) * z - sx > i->getWidth() ||
             (static_cast<double>(y) + h) * z - sy > i->getHeight());
}

// The box of an AE is its element's rectangle at the AE's scale, placed by its origin, turned
// about its position; a mirrored AE (negative scale) extends to the other side of it. The
// mouse is turned back instead of the box.
int CJeuDialogAnimationsSprites::animElemSous(int x, int y, int f, bool sansVerrouilles)
{
    const int a = numAnimationSel;
    const CSPRITE3_KEYFRAME* kf = pSprite->getKeyframeEnForce(a, f);
    if (!kf || !pImageAnimation)
        return -1;
    const float z = zoom;
    for (int i = static_cast<int>(kf->cles.size()) - 1; i >= 0; --i) {
        if (!pSprite->isKeyAnimElemVisible(a, f, i) || !pSprite->getAnimElemOption(a, i) ||
            (sansVerrouilles && pSprite->getAnimElemVerrou(a, i)))
            continue;
        const sf::Vector2f o = pSprite->getKeyAnimElemOrigine(a, f, i);
        const sf::Vector2f s = pSprite->getKeyAnimElemEchelle(a, f, i);
        const float r = pSprite->getKeyAnimElemRotation(a, f, i);
        const int e = pSprite->getElementAnimElem(a, i);
        const sf::FloatRect R = pSprite->getRectElement(e);
        const float W = R.width * std::fabs(s.x), H = R.height * std::fabs(s.y);
        const float ox = o.x * s.x * z + (s.x < 0 ? W * z : 0.f);
        const float oy = o.y * s.y * z + (s.y < 0 ? H * z : 0.f);
        const sf::Vector2f ancre = placeEcranAE(pSprite->getPositionInterpolee(a, f, i), false);
        const sf::Vector2f m = tournerPoint(static_cast<float>(x), static_cast<float>(y), r, ancre.x, ancre.y);
        if (!isInRect(floatVersInt(m.x), floatVersInt(m.y), floatVersInt(ancre.x - ox), floatVersInt(ancre.y - oy),
                      floatVersInt(W * z), floatVersInt(H * z)))
            continue;
        const CSPRITE3_ELEMENT* el = pSprite->getElement(e);
        const int arme = el ? el->arme : -1;
        if (arme == -1 || arme == pSprite->armeCourante)
            return i;
    }
    return -1;
}
