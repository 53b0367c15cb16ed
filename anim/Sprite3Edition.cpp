// Editing operations of CSPRITE3: elements, anim elements, keyframes and keys.
#include "anim/Sprite3.h"

#include "anim/Sprite3Interne.h"
#include "core/Services.h"

#include <algorithm>
#include <cmath>

namespace {

bool nomCorrespond(const CSPRITE3& s, const CSPRITE3_ANIMELEM& ae, const std::string& nom)
{
    if (!ae.nom.empty())
        return ae.nom == nom;
    const CSPRITE3_ELEMENT* e = s.getElement(ae.element);
    return e && e->nom == nom;
}

int nbAE(const CSPRITE3_ANIMATION& anim) { return static_cast<int>(anim.animElems.size()); }

// What a linked element takes of its model's keys: where it stands, its size, turn and
// depth. Its visibility, its pivot and its mesh stay its own (another element, another mesh).
constexpr unsigned SUIT_ELEMENT_LIE = canalPose::position | canalPose::echelle | canalPose::rotation |
                                      canalPose::avantPlan;

} // namespace

// ==================================================================== helpers

std::vector<int> CSPRITE3::descendants(const CSPRITE3_ANIMATION& anim, int ae) const
{
    // Children lists come from files and the editor: they may loop or name any index.
    std::vector<int> resultat;
    std::vector<char> vu(anim.animElems.size(), 0);
    if (ae < 0 || ae >= nbAE(anim))
        return resultat;
    vu[static_cast<size_t>(ae)] = 1;
    std::vector<int> aVisiter{ae};
    while (!aVisiter.empty()) {
        const int courant = aVisiter.back();
        aVisiter.pop_back();
        for (int enfant : anim.animElems[static_cast<size_t>(courant)]->enfants) {
            if (enfant < 0 || enfant >= nbAE(anim) || vu[static_cast<size_t>(enfant)])
                continue;
            vu[static_cast<size_t>(enfant)] = 1;
            resultat.push_back(enfant);
            aVisiter.push_back(enfant);
        }
    }
    return resultat;
}

void CSPRITE3::deplacerEnfants(CSPRITE3_ANIMATION& anim, CSPRITE3_KEYFRAME& kf, int ae, sf::Vector2f d)
{
    for (int enfant : descendants(anim, ae))
        if (enfant < static_cast<int>(kf.cles.size()))
            kf.cles[static_cast<size_t>(enfant)].position += d;
}

void CSPRITE3::normaliser(CSPRITE3_ANIMATION& anim)
{
    const int n = nbAE(anim);
    for (auto& ae : anim.animElems) {
        auto& enf = ae->enfants;
        enf.erase(std::remove_if(enf.begin(), enf.end(), [n](int i) { return i < 0 || i >= n; }), enf.end());
    }
    // Mesh sizes per AE, counted once for every keyframe.
    std::vector<size_t> sommets(static_cast<size_t>(n));
    for (size_t i = 0; i < sommets.size(); ++i)
        sommets[i] = static_cast<size_t>(nbSommetsElement(anim.animElems[i]->element));
    for (auto& kf : anim.keyframes) {
        if (static_cast<int>(kf->cles.size()) > n)
            kf->cles.resize(static_cast<size_t>(n));
        while (static_cast<int>(kf->cles.size()) < n) {
            const int e = anim.animElems[kf->cles.size()]->element;
            const CSPRITE3_ELEMENT* el = getElement(e);
            kf->cles.push_back(nouvelleCle(e, el ? el->origine : sf::Vector2f()));
        }
        for (size_t i = 0; i < sommets.size(); ++i)
            kf->cles[i].maillage.resize(sommets[i]);
    }
}

// ==================================================================== elements

void CSPRITE3::ajouterElement(const std::string& nomElement, float ex, float ey, float l, float h, float eox,
                              float eoy, int colonnes, int lignes, int arme, int lie, bool bCouleur)
{
    if (!pTextureFeuille)
        return;
    auto e = std::make_unique<CSPRITE3_ELEMENT>();
    e->nom = nomElement;
    e->rect = sf::FloatRect(ex, ey, l, h);
    e->origine = sf::Vector2f(eox, eoy);
    e->nbColonnes = colonnes;
    e->nbLignes = lignes;
    e->arme = arme;
    e->elementLie = lie;
    e->bCouleurGlobale = bCouleur;
    e->construireMaillage();
    elements.push_back(std::move(e));
}

void CSPRITE3::setElement(int i, const std::string& nomElement, float ex, float ey, float l, float h, float eox,
                          float eoy, int arme, int lie, bool bCouleur)
{
    CSPRITE3_ELEMENT* e = getElement(i);
    if (!e)
        return;
    e->nom = nomElement;
    const sf::FloatRect rect(ex, ey, l, h);
    if (rect != e->rect) {
        e->rect = rect;
        e->construireMaillage();  // same point count: the keys' offsets stay valid
    }
    e->origine = sf::Vector2f(eox, eoy);
    e->arme = arme;
    e->elementLie = lie;
    e->bCouleurGlobale = bCouleur;
}

void CSPRITE3::supprimerElement(int e)
{
    if (!getElement(e))
        return;
    for (int a = 0; a < getNbAnimations(); ++a) {
        CSPRITE3_ANIMATION& anim = *animations[static_cast<size_t>(a)];
        for (int ae = nbAE(anim) - 1; ae >= 0; --ae)
            if (anim.animElems[static_cast<size_t>(ae)]->element == e)
                supprimerAnimElem(a, ae);
        for (auto& ae : anim.animElems)
            if (ae->element > e)
                --ae->element;
        for (auto& kf : anim.keyframes)
            for (auto& cle : kf->cles)
                if (cle.element > e)
                    --cle.element;
    }
    elements.erase(elements.begin() + e);
    for (auto& el : elements) {
        if (el->elementLie == e)
            el->elementLie = -1;
        else if (el->elementLie > e)
            --el->elementLie;
    }
}

sf::FloatRect CSPRITE3::getRectElement(int e) const
{
    const CSPRITE3_ELEMENT* el = getElement(e);
    return el ? el->rect : sf::FloatRect();
}

sf::Vector2f CSPRITE3::getOrigineElement(int e) const
{
    const CSPRITE3_ELEMENT* el = getElement(e);
    return el ? el->origine : sf::Vector2f();
}

void CSPRITE3::setOrigineElement(int e, float px, float py)
{
    if (CSPRITE3_ELEMENT* el = getElement(e))
        el->origine = sf::Vector2f(px, py);
}

void CSPRITE3::appliquerOrigineElement(int e)
{
    const CSPRITE3_ELEMENT* el = getElement(e);
    if (!el)
        return;
    for (auto& anim : animations)
        for (auto& kf : anim->keyframes)
            for (size_t i = 0; i < kf->cles.size() && i < anim->animElems.size(); ++i)
                if (anim->animElems[i]->element == e)
                    kf->cles[i].origine = el->origine;
}

void CSPRITE3::copierKeysElementLie(int e)
{
    const CSPRITE3_ELEMENT* el = getElement(e);
    if (!el || !getElement(el->elementLie) || el->elementLie == e)
        return;
    for (int a = 0; a < getNbAnimations(); ++a) {
        CSPRITE3_ANIMATION& anim = *animations[static_cast<size_t>(a)];
        int source = -1;
        for (int i = 0; i < nbAE(anim) && source < 0; ++i)
            if (anim.animElems[static_cast<size_t>(i)]->element == el->elementLie)
                source = i;
        if (source < 0)
            continue;
        for (auto& kf : anim.keyframes) {
            if (source >= static_cast<int>(kf->cles.size()))
                continue;
            const CSPRITE3_KEYANIMELEM modele = kf->cles[static_cast<size_t>(source)];
            for (size_t i = 0; i < kf->cles.size() && i < anim.animElems.size(); ++i)
                if (anim.animElems[i]->element == e)
                    copierPose(kf->cles[i], modele, SUIT_ELEMENT_LIE);
        }
        recalculerPentes(a);
    }
}

sf::Vector2i CSPRITE3::getMaillageElement(int e) const
{
    const CSPRITE3_ELEMENT* el = getElement(e);
    return el ? sf::Vector2i(el->nbColonnes, el->nbLignes) : sf::Vector2i();
}

void CSPRITE3::setMaillage(int e, int colonnes, int lignes)
{
    CSPRITE3_ELEMENT* el = getElement(e);
    if (!el)
        return;
    el->nbColonnes = colonnes;
    el->nbLignes = lignes;
    el->construireMaillage();
    const size_t n = static_cast<size_t>(el->getNbSommets());
    for (int a = 0; a < getNbAnimations(); ++a) {
        CSPRITE3_ANIMATION& anim = *animations[static_cast<size_t>(a)];
        for (auto& kf : anim.keyframes)
            for (size_t i = 0; i < kf->cles.size() && i < anim.animElems.size(); ++i)
                if (anim.animElems[i]->element == e)
                    kf->cles[i].maillage.assign(n, sf::Vector2f());
        recalculerPentes(a);
    }
}

int CSPRITE3::getSommetPointElement(int e, int point) const
{
    const CSPRITE3_ELEMENT* el = getElement(e);
    if (!el || point < 0 || point >= static_cast<int>(el->indexPoints.size()))
        return 0;
    const auto& idx = el->indexPoints[static_cast<size_t>(point)];
    for (int v : idx)
        if (v >= 0)
            return v;
    return idx[3];
}

int CSPRITE3::getSommetPointMaillage(int a, int ae, int point) const
{
    return getSommetPointElement(getElementAnimElem(a, ae), point);
}

void CSPRITE3::setTexCoordsPointMaillage(int e, int point, float u, float v)
{
    CSPRITE3_ELEMENT* el = getElement(e);
    if (!el || point < 0 || point >= static_cast<int>(el->indexPoints.size()))
        return;
    for (int s : el->indexPoints[static_cast<size_t>(point)])
        if (s >= 0)
            el->vertices[static_cast<size_t>(s)].texCoords = sf::Vector2f(u, v);
    el->bTexCoordsModifiees = true;
}

// ==================================================================== anim elements

int CSPRITE3::getNbAnimElems(int a) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    return anim ? nbAE(*anim) : -1;
}

int CSPRITE3::getElementAnimElem(int a, int ae) const
{
    const CSPRITE3_ANIMELEM* p = getAnimElem(a, ae);
    return p ? p->element : -1;
}

void CSPRITE3::ajouterAnimElem(int a, int e, const std::string& nomAE, int verrou, int option, int parent)
{
    CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim)
        return;
    auto ae = std::make_unique<CSPRITE3_ANIMELEM>();
    ae->element = e;
    ae->nom = nomAE;
    ae->verrou = static_cast<unsigned char>(verrou != 0);
    ae->option = static_cast<unsigned char>(option != 0);
    anim->animElems.push_back(std::move(ae));
    const int nouveau = nbAE(*anim) - 1;
    for (auto& kf : anim->keyframes)
        kf->cles.push_back(nouvelleCle(e, getOrigineElement(e)));
    if (parent >= 0 && parent < nouveau)
        anim->animElems[static_cast<size_t>(parent)]->enfants.push_back(nouveau);
    recalculerPentes(a);
}

void CSPRITE3::collerAnimElem(int aSrc, int aDst, int aeSrc, int /*frameSrc*/)
{
    const CSPRITE3_ANIMELEM* source = getAnimElem(aSrc, aeSrc);
    CSPRITE3_ANIMATION* anim = getAnim(aDst);
    if (!source || !anim)
        return;
    auto ae = std::make_unique<CSPRITE3_ANIMELEM>(*source);
    ae->nom.clear();
    ae->option = 1;
    ae->enfants.clear();  // child numbers mean nothing in another list
    const int e = ae->element;
    anim->animElems.push_back(std::move(ae));
    for (auto& kf : anim->keyframes)
        kf->cles.push_back(nouvelleCle(e, getOrigineElement(e)));
    recalculerPentes(aDst);
}

void CSPRITE3::supprimerAnimElem(int a, int ae)
{
    CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!getAnimElem(a, ae))
        return;
    anim->animElems.erase(anim->animElems.begin() + ae);
    for (auto& kf : anim->keyframes)
        if (ae < static_cast<int>(kf->cles.size()))
            kf->cles.erase(kf->cles.begin() + ae);
    for (auto& p : anim->animElems) {
        auto& enf = p->enfants;
        enf.erase(std::remove(enf.begin(), enf.end(), ae), enf.end());
        for (int& i : enf)
            if (i > ae)
                --i;
    }
    recalculerPentes(a);
}

namespace {

void echangerAnimElems(CSPRITE3_ANIMATION& anim, int i, int j)
{
    std::swap(anim.animElems[static_cast<size_t>(i)], anim.animElems[static_cast<size_t>(j)]);
    for (auto& kf : anim.keyframes)
        if (std::max(i, j) < static_cast<int>(kf->cles.size()))
            std::swap(kf->cles[static_cast<size_t>(i)], kf->cles[static_cast<size_t>(j)]);
    for (auto& ae : anim.animElems)
        for (int& enfant : ae->enfants)
            enfant = enfant == i ? j : enfant == j ? i : enfant;
}

} // namespace

void CSPRITE3::monterAnimElem(int a, int ae)
{
    if (ae < 1 || !getAnimElem(a, ae))
        return;
    echangerAnimElems(*getAnim(a), ae, ae - 1);
    recalculerPentes(a);
}

void CSPRITE3::descendreAnimElem(int a, int ae)
{
    if (!getAnimElem(a, ae) || !getAnimElem(a, ae + 1))
        return;
    echangerAnimElems(*getAnim(a), ae, ae + 1);
    recalculerPentes(a);
}

void CSPRITE3::detacherAnimElem(int ae)
{
    CSPRITE3_ANIMATION* anim = getAnim(animCourante);
    if (!anim)
        return;
    for (auto& p : anim->animElems)
        p->enfants.erase(std::remove(p->enfants.begin(), p->enfants.end(), ae), p->enfants.end());
}

void CSPRITE3::retirerDescendant(int ae, int autre)
{
    CSPRITE3_ANIMATION* anim = getAnim(animCourante);
    if (!anim || ae < 0 || ae >= nbAE(*anim))
        return;
    std::vector<int> lignee = descendants(*anim, ae);
    lignee.push_back(ae);
    for (int i : lignee) {
        auto& enf = anim->animElems[static_cast<size_t>(i)]->enfants;
        enf.erase(std::remove(enf.begin(), enf.end(), autre), enf.end());
    }
}

bool CSPRITE3::isAnimElemRacine(int ae) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(animCourante);
    if (!anim)
        return true;
    for (int i = 0; i < nbAE(*anim); ++i) {
        const auto& enf = anim->animElems[static_cast<size_t>(i)]->enfants;
        if (i != ae && std::find(enf.begin(), enf.end(), ae) != enf.end())
            return false;
    }
    return true;
}

std::string CSPRITE3::getNomAnimElem(int a, int ae) const
{
    if (!getAnim(a))
        return "NULL";
    const CSPRITE3_ANIMELEM* p = getAnimElem(a, ae);
    return p ? p->nom : std::string();
}

void CSPRITE3::setNomAnimElem(int a, int ae, const std::string& nomAE)
{
    if (CSPRITE3_ANIMELEM* p = getAnimElem(a, ae))
        p->nom = nomAE;
}

bool CSPRITE3::getAnimElemVerrou(int a, int ae) const
{
    const CSPRITE3_ANIMELEM* p = getAnimElem(a, ae);
    return p && p->verrou;
}

void CSPRITE3::setAnimElemVerrou(int a, int ae, bool b)
{
    if (CSPRITE3_ANIMELEM* p = getAnimElem(a, ae))
        p->verrou = b;
}

bool CSPRITE3::getAnimElemOption(int a, int ae) const
{
    const CSPRITE3_ANIMELEM* p = getAnimElem(a, ae);
    return p && p->option;
}

std::string CSPRITE3::getShaderVert(int a, int ae) const
{
    const CSPRITE3_ANIMELEM* p = getAnimElem(a, ae);
    return p ? p->strShaderVert : std::string();
}

std::string CSPRITE3::getShaderFrag(int a, int ae) const
{
    const CSPRITE3_ANIMELEM* p = getAnimElem(a, ae);
    return p ? p->strShaderFrag : std::string();
}

void CSPRITE3::setShaderVert(int a, int ae, const std::string& nomShader)
{
    if (CSPRITE3_ANIMELEM* p = getAnimElem(a, ae))
        p->strShaderVert = nomShader;
}

void CSPRITE3::setShaderFrag(int a, int ae, const std::string& nomShader)
{
    if (CSPRITE3_ANIMELEM* p = getAnimElem(a, ae))
        p->strShaderFrag = nomShader;
}

bool CSPRITE3::isShaderActif(int a, int ae) const
{
    const CSPRITE3_ANIMELEM* p = getAnimElem(a, ae);
    return p && p->bShaderActif;
}

void CSPRITE3::setShaderActif(int a, int ae, bool b)
{
    if (CSPRITE3_ANIMELEM* p = getAnimElem(a, ae))
        p->bShaderActif = b;
}

bool CSPRITE3::hasEmetteur(int a, int ae) const
{
    const CSPRITE3_ANIMELEM* p = getAnimElem(a, ae);
    return p && p->pParticules;
}

bool CSPRITE3::isEmetteurActif(int a, int ae) const
{
    const CSPRITE3_ANIMELEM* p = getAnimElem(a, ae);
    return p && p->bEmetteurActif;
}

void CSPRITE3::setEmetteurActif(int a, int ae, bool b)
{
    if (CSPRITE3_ANIMELEM* p = getAnimElem(a, ae))
        p->bEmetteurActif = b;
}

void CSPRITE3::ajouterEmetteur(sf::RenderTarget* /*cible*/, void* /*proprio*/, int a, int ae)
{
    // The emitter is drawn into whatever target the sprite is drawn into, so it keeps
    // neither the target nor the owner.
    CSPRITE3_ANIMELEM* p = getAnimElem(a, ae);
    if (p && !p->pParticules)
        p->pParticules = std::make_unique<CParticules>();
}

void CSPRITE3::supprimerEmetteur(int a, int ae)
{
    if (CSPRITE3_ANIMELEM* p = getAnimElem(a, ae))
        p->pParticules.reset();
}

void CSPRITE3::appliquerAnimElems(int a, const std::string& nomAE, bool bAffiche, bool bEnfants)
{
    CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim)
        return;
    std::vector<int> cibles;
    for (int i = 0; i < nbAE(*anim); ++i) {
        if (!nomCorrespond(*this, *anim->animElems[static_cast<size_t>(i)], nomAE))
            continue;
        cibles.push_back(i);
        if (bEnfants)
            for (int d : descendants(*anim, i))
                cibles.push_back(d);
    }
    for (auto& kf : anim->keyframes)
        for (int i : cibles)
            if (i < static_cast<int>(kf->cles.size()))
                kf->cles[static_cast<size_t>(i)].visible = bAffiche;
}

void CSPRITE3::appliquerAnimElemsParNom(const std::string& nomAE, bool bAffiche, bool bEnfants)
{
    for (int a = 0; a < getNbAnimations(); ++a)
        appliquerAnimElems(a, nomAE, bAffiche, bEnfants);
}

CSPRITE3_ANIMELEM* CSPRITE3::getAnimationParNom(const std::string& nomAnim, const std::string& nomAE)
{
    for (auto& anim : animations) {
        if (anim->nom != nomAnim)
            continue;
        for (auto& ae : anim->animElems)
            if (nomCorrespond(*this, *ae, nomAE))
                return ae.get();
        return nullptr;
    }
    return nullptr;
}

// ==================================================================== keyframes

// Keyframes are kept in frame order, one per frame (every edit keeps it so): lookups are
// binary searches, so that long animations cost no more per frame than short ones.
int CSPRITE3::getKeyframe(int a, int f) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim)
        return 0;
    const auto& kfs = anim->keyframes;
    auto apres = std::upper_bound(kfs.begin(), kfs.end(), f, [](int x, const auto& kf) { return x < kf->frame; });
    return apres == kfs.begin() ? 0 : static_cast<int>(apres - kfs.begin()) - 1;
}

int CSPRITE3::getKeyframeAvant(int a, int f) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim)
        return 0;
    const auto& kfs = anim->keyframes;
    auto pos = std::lower_bound(kfs.begin(), kfs.end(), f, [](const auto& kf, int x) { return kf->frame < x; });
    return pos == kfs.begin() ? 0 : static_cast<int>(pos - kfs.begin()) - 1;
}

bool CSPRITE3::isKeyframe(int a, int f) const
{
    const CSPRITE3_KEYFRAME* kf = getKeyframeEnForce(a, f);
    return kf && kf->frame == f;
}

int CSPRITE3::getKeyframeFrame(int a, int k) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim || k < 0 || k >= static_cast<int>(anim->keyframes.size()))
        return 0;
    return anim->keyframes[static_cast<size_t>(k)]->frame;
}

void CSPRITE3::ajouterKeyframe(int a, int f)
{
    CSPRITE3_ANIMATION* anim = getAnim(a);
    // A second keyframe at the same frame could never be found again.
    if (!anim || f < 0 || f > sprite3::FRAMES_MAX || isKeyframe(a, f))
        return;
    auto& kfs = anim->keyframes;
    const CSPRITE3_KEYFRAME* avant = nullptr;
    for (const auto& kf : kfs)
        if (kf->frame < f)
            avant = kf.get();
    auto kf = std::make_unique<CSPRITE3_KEYFRAME>();
    kf->frame = f;
    for (size_t i = 0; i < anim->animElems.size(); ++i) {
        const int e = anim->animElems[i]->element;
        CSPRITE3_KEYANIMELEM cle = nouvelleCle(e, sf::Vector2f());
        // The pose of the key before, but a new key starts behind the others with its mesh at
        // rest: the editor's keyframe copies carry those two over themselves.
        if (f > 0 && avant && i < avant->cles.size())
            copierPose(cle, avant->cles[i], canalPose::tous & ~(canalPose::avantPlan | canalPose::maillage));
        kf->cles.push_back(std::move(cle));
    }
    auto pos = std::find_if(kfs.begin(), kfs.end(), [f](const auto& k) { return k->frame >= f; });
    kfs.insert(pos, std::move(kf));
    recalculerPentes(a);
}

void CSPRITE3::supprimerKeyframe(int a, int f)
{
    CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim || anim->keyframes.empty())
        return;
    const int k = getKeyframe(a, f);
    if (k == 0 && !anim->bVisee)
        return;
    anim->keyframes[static_cast<size_t>(k)]->supprimerScript();
    anim->keyframes.erase(anim->keyframes.begin() + k);
    recalculerPentes(a);
}

void CSPRITE3::supprimerKeyframes(int a)
{
    CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim)
        return;
    for (auto& kf : anim->keyframes)
        kf->supprimerScript();
    anim->keyframes.clear();
}

bool CSPRITE3::getKeyframeFlag(int a, int f) const
{
    const CSPRITE3_KEYFRAME* kf = getKeyframeEnForce(a, f);
    return kf && kf->bFille;
}

void CSPRITE3::setKeyframeFlag(int a, int f, bool b)
{
    if (CSPRITE3_KEYFRAME* kf = getKeyframeEnForce(a, f))
        kf->bFille = b;
}

sf::Vector2f CSPRITE3::getKeyframeDelta(int a, int f) const
{
    const CSPRITE3_KEYFRAME* kf = getKeyframeEnForce(a, f);
    return kf ? kf->delta : sf::Vector2f();
}

void CSPRITE3::setKeyframeDelta(int a, int f, float dx, float dy)
{
    if (CSPRITE3_KEYFRAME* kf = getKeyframeEnForce(a, f))
        kf->delta = sf::Vector2f(dx, dy);
}

sf::Vector2i CSPRITE3::getKeyframeGoto(int a, int f) const
{
    const CSPRITE3_KEYFRAME* kf = getKeyframeEnForce(a, f);
    return kf ? sf::Vector2i(kf->gotoCible, kf->gotoMax) : sf::Vector2i(-1, 0);
}

void CSPRITE3::setKeyframeGoto(int a, int f, int cible, int nb)
{
    if (CSPRITE3_KEYFRAME* kf = getKeyframeEnForce(a, f)) {
        kf->gotoCible = cible;
        kf->gotoMax = nb;
    }
}

bool CSPRITE3::isKeyframeSensInverse(int a, int f) const
{
    const CSPRITE3_KEYFRAME* kf = getKeyframeEnForce(a, f);
    return kf && kf->sensLecture == -1;
}

void CSPRITE3::setKeyframeSensInverse(int a, int f, bool b)
{
    if (CSPRITE3_KEYFRAME* kf = getKeyframeEnForce(a, f))
        kf->sensLecture = b ? -1 : 1;
}

int CSPRITE3::getKeyframeSensChange(int a, int f) const
{
    const CSPRITE3_KEYFRAME* kf = getKeyframeEnForce(a, f);
    return kf ? kf->sensChange : 1;
}

void CSPRITE3::setKeyframeSensChange(int a, int f, bool b)
{
    if (CSPRITE3_KEYFRAME* kf = getKeyframeEnForce(a, f))
        kf->sensChange = b;
}

sf::Color CSPRITE3::getKeyframeCouleur(int a, int f) const
{
    const CSPRITE3_KEYFRAME* kf = getKeyframeEnForce(a, f);
    return kf ? kf->couleur : sf::Color::White;
}

void CSPRITE3::setKeyframeCouleur(int a, int f, sf::Color c)
{
    if (CSPRITE3_KEYFRAME* kf = getKeyframeEnForce(a, f))
        kf->couleur = c;
}

std::string CSPRITE3::getKeyframeSon(int a, int f) const
{
    const CSPRITE3_KEYFRAME* kf = getKeyframeEnForce(a, f);
    return kf ? kf->son : std::string();
}

// ==================================================================== keys

sf::Vector2f CSPRITE3::getKeyAnimElemOrigine(int a, int f, int ae) const
{
    const CSPRITE3_KEYANIMELEM* c = getCle(a, f, ae);
    return c ? c->origine : sf::Vector2f();
}

sf::Vector2f CSPRITE3::getKeyAnimElemEchelle(int a, int f, int ae) const
{
    const CSPRITE3_KEYANIMELEM* c = getCle(a, f, ae);
    return c ? c->echelle : sf::Vector2f(1, 1);
}

float CSPRITE3::getKeyAnimElemRotation(int a, int f, int ae) const
{
    const CSPRITE3_KEYANIMELEM* c = getCle(a, f, ae);
    return c ? c->rotation : 0.0f;
}

bool CSPRITE3::isKeyAnimElemVisible(int a, int f, int ae) const
{
    const CSPRITE3_KEYANIMELEM* c = getCle(a, f, ae);
    return c && c->visible;
}

bool CSPRITE3::isKeyAnimElemAvantPlan(int a, int f, int ae) const
{
    const CSPRITE3_KEYANIMELEM* c = getCle(a, f, ae);
    return c && c->avantPlan;
}

int CSPRITE3::getKeyAnimElemLienAnim(int a, int f, int ae) const
{
    const CSPRITE3_KEYANIMELEM* c = getCle(a, f, ae);
    return c ? c->lienAnim : -1;
}

sf::Vector2f CSPRITE3::getKeyAnimElemPoint(int a, int f, int ae, int sommet) const
{
    const CSPRITE3_KEYANIMELEM* c = getCle(a, f, ae);
    if (!c || sommet < 0 || sommet >= static_cast<int>(c->maillage.size()))
        return sf::Vector2f();
    return c->maillage[static_cast<size_t>(sommet)];
}

void CSPRITE3::setKeyAnimElemPoint(int a, int f, int ae, int sommet, float px, float py)
{
    CSPRITE3_KEYANIMELEM* c = getCle(a, f, ae);
    if (!c || sommet < 0 || sommet >= static_cast<int>(c->maillage.size()))
        return;
    c->maillage[static_cast<size_t>(sommet)] = sf::Vector2f(px, py);
    recalculerPentes(a);
}

void CSPRITE3::setKeyAnimElemValeurs(int a, int f, int ae, int e, bool visible, float px, float py, float kox,
                                     float koy, float ksx, float ksy, float rot, bool avantPlan)
{
    CSPRITE3_KEYANIMELEM* c = getCle(a, f, ae);
    if (!c)
        return;
    c->element = e;
    c->visible = visible;
    c->position = sf::Vector2f(px, py);
    c->origine = sf::Vector2f(kox, koy);
    c->echelle = sf::Vector2f(ksx, ksy);
    c->rotation = rot;
    c->avantPlan = avantPlan;
    recalculerPentes(a);
}

void CSPRITE3::setKeyAnimElemPosition(int a, int f, int ae, float px, float py, bool bEnfants)
{
    CSPRITE3_KEYANIMELEM* c = getCle(a, f, ae);
    if (!c)
        return;
    const sf::Vector2f d = sf::Vector2f(px, py) - c->position;
    c->position = sf::Vector2f(px, py);
    if (bEnfants)
        deplacerEnfants(*getAnim(a), *getKeyframeEnForce(a, f), ae, d);
    recalculerPentes(a);
}

void CSPRITE3::setKeyAnimElemEchelle(int a, int f, int ae, float esx, float esy, bool bEnfants,
                                     bool bEchelleEnfants)
{
    CSPRITE3_KEYANIMELEM* c = getCle(a, f, ae);
    if (!c)
        return;
    const sf::Vector2f ancienne = c->echelle;
    const sf::Vector2f centre = c->position;
    c->echelle = sf::Vector2f(esx, esy);
    if (bEnfants) {
        CSPRITE3_KEYFRAME& kf = *getKeyframeEnForce(a, f);
        for (int d : descendants(*getAnim(a), ae)) {
            if (d >= static_cast<int>(kf.cles.size()))
                continue;
            CSPRITE3_KEYANIMELEM& enfant = kf.cles[static_cast<size_t>(d)];
            if (bEchelleEnfants)
                enfant.echelle += sf::Vector2f(esx, esy) - ancienne;
            // An axis whose old scale is 0 has no ratio: its positions stay.
            if (ancienne.x != 0)
                enfant.position.x = centre.x + (enfant.position.x - centre.x) * esx / ancienne.x;
            if (ancienne.y != 0)
                enfant.position.y = centre.y + (enfant.position.y - centre.y) * esy / ancienne.y;
        }
    }
    recalculerPentes(a);
}

void CSPRITE3::setKeyAnimElemRotation(int a, int f, int ae, float angle, bool bTournerPositions, bool bEnfants)
{
    CSPRITE3_KEYANIMELEM* c = getCle(a, f, ae);
    if (!c)
        return;
    const float diff = angle - c->rotation;
    const sf::Vector2f centre = c->position;
    c->rotation = angle;
    if (diff != 0 && (bEnfants || bTournerPositions)) {
        CSPRITE3_KEYFRAME& kf = *getKeyframeEnForce(a, f);
        const float rad = diff * 3.14159265f / 180.0f;
        const float cs = std::cos(rad), sn = std::sin(rad);
        for (int d : descendants(*getAnim(a), ae)) {
            if (d >= static_cast<int>(kf.cles.size()))
                continue;
            CSPRITE3_KEYANIMELEM& enfant = kf.cles[static_cast<size_t>(d)];
            if (bEnfants)
                enfant.rotation += diff;
            if (bTournerPositions) {
                const sf::Vector2f r = enfant.position - centre;
                enfant.position = centre + sf::Vector2f(r.x * cs - r.y * sn, r.x * sn + r.y * cs);
            }
        }
    }
    recalculerPentes(a);
}

void CSPRITE3::setKeyAnimElemOrigine(int a, int f, int ae, float px, float py)
{
    if (CSPRITE3_KEYANIMELEM* c = getCle(a, f, ae))
        c->origine = sf::Vector2f(px, py);
}

void CSPRITE3::setKeyAnimElemVisible(int a, int f, int ae, bool visible, bool bRecursif)
{
    CSPRITE3_KEYANIMELEM* c = getCle(a, f, ae);
    if (!c)
        return;
    c->visible = visible;
    if (!bRecursif)
        return;
    CSPRITE3_KEYFRAME& kf = *getKeyframeEnForce(a, f);
    for (int d : descendants(*getAnim(a), ae))
        if (d < static_cast<int>(kf.cles.size()))
            kf.cles[static_cast<size_t>(d)].visible = visible;
}

void CSPRITE3::setKeyAnimElemAvantPlan(int a, int f, int ae, bool b)
{
    if (CSPRITE3_KEYANIMELEM* c = getCle(a, f, ae))
        c->avantPlan = b;
}

void CSPRITE3::setKeyAnimElemCouleur(int a, int f, int ae, sf::Color couleurCle)
{
    if (CSPRITE3_KEYANIMELEM* c = getCle(a, f, ae)) {
        c->couleur = couleurCle;
        recalculerPentes(a);
    }
}

void CSPRITE3::setKeyAnimElemLienAnim(int a, int f, int ae, int n)
{
    if (CSPRITE3_KEYANIMELEM* c = getCle(a, f, ae))
        c->lienAnim = n;
}

void CSPRITE3::setPointMaillage(int a, int f, int ae, int point, float px, float py)
{
    CSPRITE3_KEYANIMELEM* c = getCle(a, f, ae);
    const CSPRITE3_ELEMENT* el = getElement(getElementAnimElem(a, ae));
    if (!c || !el || point < 0 || point >= static_cast<int>(el->indexPoints.size()))
        return;
    for (int s : el->indexPoints[static_cast<size_t>(point)])
        if (s >= 0 && s < static_cast<int>(c->maillage.size()))
            c->maillage[static_cast<size_t>(s)] = sf::Vector2f(px, py);
    recalculerPentes(a);
}

void CSPRITE3::copierMaillageToutesKeyframes(int a, int ae, int f)
{
    const CSPRITE3_KEYANIMELEM* c = getCle(a, f, ae);
    if (!c)
        return;
    const std::vector<sf::Vector2f> modele = c->maillage;
    for (auto& kf : getAnim(a)->keyframes)
        if (ae < static_cast<int>(kf->cles.size()))
            kf->cles[static_cast<size_t>(ae)].maillage = modele;
    recalculerPentes(a);
}
