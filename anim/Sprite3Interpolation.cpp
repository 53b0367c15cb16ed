// Keyframe interpolation of CSPRITE3: each key keeps the change per tick of its values
// towards the next keyframe; a value at a frame is the key's plus the elapsed ticks times it.
#include "anim/Sprite3.h"

#include "anim/Sprite3Interne.h"

#include <algorithm>
#include <cmath>

void CSPRITE3::calculerPentes(int a, int ae, int k, int /*f*/)
{
    CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim || k < 0 || k >= static_cast<int>(anim->keyframes.size()))
        return;
    CSPRITE3_KEYFRAME& kf = *anim->keyframes[static_cast<size_t>(k)];
    if (ae < 0 || ae >= static_cast<int>(kf.cles.size()))
        return;
    CSPRITE3_KEYANIMELEM& cle = kf.cles[static_cast<size_t>(ae)];
    cle.pentePosition = cle.penteEchelle = sf::Vector2f();
    cle.penteRotation = 0;
    std::fill(std::begin(cle.penteCouleur), std::end(cle.penteCouleur), 0.0f);
    cle.penteMaillage.clear();  // no entry: no mesh movement (the usual case)

    const CSPRITE3_KEYFRAME* suivante =
        k + 1 < static_cast<int>(anim->keyframes.size()) ? anim->keyframes[static_cast<size_t>(k) + 1].get() : nullptr;
    const float ticks = suivante ? static_cast<float>(suivante->frame - kf.frame) * anim->vitesse : 0.0f;
    if (!suivante || !(ticks > 0) || ae >= static_cast<int>(suivante->cles.size()))
        return;
    const CSPRITE3_KEYANIMELEM& fin = suivante->cles[static_cast<size_t>(ae)];
    cle.pentePosition = (fin.position - cle.position) / ticks;
    cle.penteEchelle = (fin.echelle - cle.echelle) / ticks;
    cle.penteRotation = (fin.rotation - cle.rotation) / ticks;
    cle.penteCouleur[0] = (static_cast<float>(fin.couleur.r) - cle.couleur.r) / ticks;
    cle.penteCouleur[1] = (static_cast<float>(fin.couleur.g) - cle.couleur.g) / ticks;
    cle.penteCouleur[2] = (static_cast<float>(fin.couleur.b) - cle.couleur.b) / ticks;
    cle.penteCouleur[3] = (static_cast<float>(fin.couleur.a) - cle.couleur.a) / ticks;
    const size_t n = std::min(cle.maillage.size(), fin.maillage.size());
    if (std::equal(cle.maillage.begin(), cle.maillage.begin() + static_cast<long>(n), fin.maillage.begin()))
        return;
    cle.penteMaillage.resize(n);
    for (size_t i = 0; i < n; ++i)
        cle.penteMaillage[i] = (fin.maillage[i] - cle.maillage[i]) / ticks;
}

void CSPRITE3::recalculerPentes(int a)
{
    CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim)
        return;
    for (int k = 0; k < static_cast<int>(anim->keyframes.size()); ++k)
        for (int ae = 0; ae < static_cast<int>(anim->keyframes[static_cast<size_t>(k)]->cles.size()); ++ae)
            calculerPentes(a, ae, k, anim->keyframes[static_cast<size_t>(k)]->frame);
}

namespace {

// The key and the elapsed ticks of an interpolated getter; null key on a bad index.
struct Echantillon {
    const CSPRITE3_KEYANIMELEM* cle = nullptr;
    float ticks = 0;  // 0 when the animation does not interpolate
};

Echantillon echantillon(const CSPRITE3& s, int a, int ae, int k, int f, int fk, bool bLecture)
{
    Echantillon e;
    const CSPRITE3_ANIMATION* anim = s.getAnim(a);
    if (!anim || k < 0 || k >= static_cast<int>(anim->keyframes.size()))
        return e;
    const CSPRITE3_KEYFRAME& kf = *anim->keyframes[static_cast<size_t>(k)];
    if (ae < 0 || ae >= static_cast<int>(kf.cles.size()))
        return e;
    e.cle = &kf.cles[static_cast<size_t>(ae)];
    e.ticks = sprite3::ticksInterpolation(*anim, f, fk, bLecture);
    return e;
}

} // namespace

namespace sprite3 {

float ticksInterpolation(const CSPRITE3_ANIMATION& an, int f, int fk, bool bLecture)
{
    if (!an.bInterpolation)
        return 0.0f;
    const float t = static_cast<float>(f - fk) * an.vitesse + (bLecture ? an.compteurTick : 0.0f);
    return std::max(t, 0.0f);
}

sf::Color couleurInterpolee(const CSPRITE3_KEYANIMELEM& cle, float ticks)
{
    auto canal = [&](sf::Uint8 v, int i) {
        const float x = static_cast<float>(v) + ticks * cle.penteCouleur[i];
        return static_cast<sf::Uint8>(std::clamp(std::lround(x), 0L, 255L));
    };
    const sf::Color& c = cle.couleur;
    return sf::Color(canal(c.r, 0), canal(c.g, 1), canal(c.b, 2), canal(c.a, 3));
}

} // namespace sprite3

float CSPRITE3::getXInterpole(int a, int ae, int k, int f, int fk, bool bLecture) const
{
    const Echantillon e = echantillon(*this, a, ae, k, f, fk, bLecture);
    return e.cle ? e.cle->position.x + e.ticks * e.cle->pentePosition.x : 0.0f;
}

float CSPRITE3::getYInterpole(int a, int ae, int k, int f, int fk, bool bLecture) const
{
    const Echantillon e = echantillon(*this, a, ae, k, f, fk, bLecture);
    return e.cle ? e.cle->position.y + e.ticks * e.cle->pentePosition.y : 0.0f;
}

float CSPRITE3::getSXInterpole(int a, int ae, int k, int f, int fk, bool bLecture) const
{
    const Echantillon e = echantillon(*this, a, ae, k, f, fk, bLecture);
    return e.cle ? e.cle->echelle.x + e.ticks * e.cle->penteEchelle.x : 0.0f;
}

float CSPRITE3::getSYInterpole(int a, int ae, int k, int f, int fk, bool bLecture) const
{
    const Echantillon e = echantillon(*this, a, ae, k, f, fk, bLecture);
    return e.cle ? e.cle->echelle.y + e.ticks * e.cle->penteEchelle.y : 0.0f;
}

float CSPRITE3::getRotationInterpolee(int a, int ae, int k, int f, int fk, bool bLecture) const
{
    const Echantillon e = echantillon(*this, a, ae, k, f, fk, bLecture);
    return e.cle ? e.cle->rotation + e.ticks * e.cle->penteRotation : 0.0f;
}

sf::Color CSPRITE3::getCouleurInterpolee(int a, int ae, int k, int f, int fk, bool bLecture) const
{
    const Echantillon e = echantillon(*this, a, ae, k, f, fk, bLecture);
    return e.cle ? sprite3::couleurInterpolee(*e.cle, e.ticks) : sf::Color(0, 0, 0, 0);
}

float CSPRITE3::getPointXInterpole(int a, int ae, int k, int f, int fk, bool bLecture, int sommet) const
{
    const Echantillon e = echantillon(*this, a, ae, k, f, fk, bLecture);
    if (!e.cle || sommet < 0 || sommet >= static_cast<int>(e.cle->maillage.size()))
        return 0.0f;
    const size_t s = static_cast<size_t>(sommet);
    const float pente = s < e.cle->penteMaillage.size() ? e.cle->penteMaillage[s].x : 0.0f;
    return e.cle->maillage[s].x + e.ticks * pente;
}

float CSPRITE3::getPointYInterpole(int a, int ae, int k, int f, int fk, bool bLecture, int sommet) const
{
    const Echantillon e = echantillon(*this, a, ae, k, f, fk, bLecture);
    if (!e.cle || sommet < 0 || sommet >= static_cast<int>(e.cle->maillage.size()))
        return 0.0f;
    const size_t s = static_cast<size_t>(sommet);
    const float pente = s < e.cle->penteMaillage.size() ? e.cle->penteMaillage[s].y : 0.0f;
    return e.cle->maillage[s].y + e.ticks * pente;
}

sf::Vector2f CSPRITE3::getPositionInterpolee(int a, int f, int ae) const
{
    if (ae < 0)
        return sf::Vector2f();
    const int k = getKeyframe(a, f);
    const int fk = getKeyframeFrame(a, k);
    return sf::Vector2f(getXInterpole(a, ae, k, f, fk, false), getYInterpole(a, ae, k, f, fk, false));
}

sf::Vector2f CSPRITE3::getPointMaillageInterpole(int a, int f, int ae, int sommet) const
{
    const int k = getKeyframe(a, f);
    const int fk = getKeyframeFrame(a, k);
    return sf::Vector2f(getPointXInterpole(a, ae, k, f, fk, false, sommet),
                        getPointYInterpole(a, ae, k, f, fk, false, sommet));
}

namespace {

// What an AE looks like at a frame: the keyframe in force's flags and origin, the
// interpolated position, scale, rotation and mesh offsets.
CSPRITE3_KEYANIMELEM etatA(const CSPRITE3& s, int a, int f, int ae)
{
    const int k = s.getKeyframe(a, f);
    const int fk = s.getKeyframeFrame(a, k);
    CSPRITE3_KEYANIMELEM etat = *s.getCle(a, f, ae);
    etat.position = sf::Vector2f(s.getXInterpole(a, ae, k, f, fk, false), s.getYInterpole(a, ae, k, f, fk, false));
    etat.echelle = sf::Vector2f(s.getSXInterpole(a, ae, k, f, fk, false), s.getSYInterpole(a, ae, k, f, fk, false));
    etat.rotation = s.getRotationInterpolee(a, ae, k, f, fk, false);
    for (int i = 0; i < static_cast<int>(etat.maillage.size()); ++i)
        etat.maillage[static_cast<size_t>(i)] = sf::Vector2f(s.getPointXInterpole(a, ae, k, f, fk, false, i),
                                                             s.getPointYInterpole(a, ae, k, f, fk, false, i));
    return etat;
}

// The element stays the target's: a paste goes only onto AEs showing the source's elements.
constexpr unsigned POSE_COLLEE = canalPose::tous & ~canalPose::element;

} // namespace

int CSPRITE3::copierFrame(int aSrc, int fSrc, int aDst, int fDst)
{
    const CSPRITE3_ANIMATION* src = getAnim(aSrc);
    CSPRITE3_ANIMATION* dst = getAnim(aDst);
    if (!src || !dst || src->keyframes.empty() || fDst < 0)
        return 0;
    const int n = static_cast<int>(src->animElems.size());
    if (aSrc != aDst) {
        if (static_cast<int>(dst->animElems.size()) < n)
            return 0;
        for (int i = 0; i < n; ++i)
            if (dst->animElems[static_cast<size_t>(i)]->element != src->animElems[static_cast<size_t>(i)]->element)
                return 0;
    }
    // Read everything before the target keyframe may be inserted into the same list.
    std::vector<CSPRITE3_KEYANIMELEM> etats;
    for (int i = 0; i < n; ++i)
        etats.push_back(etatA(*this, aSrc, fSrc, i));
    const unsigned char bFille = getKeyframeEnForce(aSrc, fSrc)->bFille;

    ajouterKeyframe(aDst, fDst);
    CSPRITE3_KEYFRAME* cible = getKeyframeEnForce(aDst, fDst);
    if (!cible || cible->frame != fDst)
        return 0;
    for (int i = 0; i < n && i < static_cast<int>(cible->cles.size()); ++i)
        copierPose(cible->cles[static_cast<size_t>(i)], etats[static_cast<size_t>(i)], POSE_COLLEE);
    cible->bFille = bFille;
    recalculerPentes(aDst);
    return 1;
}

int CSPRITE3::appliquerInterpolationKeyframe(int aSrc, int fSrc, int aDst, int fDst, int ae)
{
    const CSPRITE3_ANIMATION* src = getAnim(aSrc);
    CSPRITE3_ANIMATION* dst = getAnim(aDst);
    if (!src || !dst || !getCle(aSrc, fSrc, ae) || !getAnimElem(aDst, ae))
        return 0;
    if (aSrc != aDst && getElementAnimElem(aSrc, ae) != getElementAnimElem(aDst, ae))
        return 0;
    if (!isKeyframe(aDst, fDst))
        return 0;
    const CSPRITE3_KEYANIMELEM etat = etatA(*this, aSrc, fSrc, ae);
    CSPRITE3_KEYANIMELEM* cle = getCle(aDst, fDst, ae);
    if (!cle)
        return 0;
    copierPose(*cle, etat, POSE_COLLEE);
    recalculerPentes(aDst);
    if (aSrc != aDst)
        recalculerPentes(aSrc);
    return 1;
}
