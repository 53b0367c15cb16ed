#include "anim/Sprite3.h"

#include "anim/Sprite3Interne.h"
#include "core/Fichiers.h"
#include "core/Services.h"

#include <algorithm>
#include <cmath>

namespace {

// Files and the editor may ask for anything; a mesh beyond this is no longer a
// deformation grid but a memory bomb (every key holds one offset per vertex).
constexpr int MAILLAGE_MAX = 32;

int bornerMaillage(int n) { return std::clamp(n, 2, MAILLAGE_MAX); }

// Pixel sizes of the base sprite from float rectangles that the editor may set to anything.
int versEntier(float v) { return std::isfinite(v) ? static_cast<int>(std::clamp(v, -1e9f, 1e9f)) : 0; }

} // namespace

// ==================================================================== records

void copierPose(CSPRITE3_KEYANIMELEM& vers, const CSPRITE3_KEYANIMELEM& de, unsigned canaux)
{
    using namespace canalPose;
    if (canaux & element)
        vers.element = de.element;
    if (canaux & visible)
        vers.visible = de.visible;
    if (canaux & avantPlan)
        vers.avantPlan = de.avantPlan;
    if (canaux & position)
        vers.position = de.position;
    if (canaux & origine)
        vers.origine = de.origine;
    if (canaux & echelle)
        vers.echelle = de.echelle;
    if (canaux & rotation)
        vers.rotation = de.rotation;
    if (canaux & maillage) {
        const size_t n = std::min(vers.maillage.size(), de.maillage.size());
        std::copy(de.maillage.begin(), de.maillage.begin() + static_cast<long>(n), vers.maillage.begin());
    }
}

CSPRITE3_ELEMENT::CSPRITE3_ELEMENT() : vertices(sf::Quads) { construireMaillage(); }

CSPRITE3_ELEMENT::CSPRITE3_ELEMENT(const CSPRITE3_ELEMENT& autre)
    : nom(autre.nom), rect(autre.rect), origine(autre.origine), elementLie(autre.elementLie),
      nbColonnes(autre.nbColonnes), nbLignes(autre.nbLignes), vertices(autre.vertices),
      indexPoints(autre.indexPoints), bTexCoordsModifiees(autre.bTexCoordsModifiees),
      bCouleurGlobale(autre.bCouleurGlobale), pSpriteLie(autre.pSpriteLie), strAnmRef(autre.strAnmRef),
      bAnmDirLien(autre.bAnmDirLien), strImage(autre.strImage), bTailles(autre.bTailles), arme(autre.arme),
      derniereSelection(autre.derniereSelection)
{
    std::copy(std::begin(autre.lienAnim), std::end(autre.lienAnim), std::begin(lienAnim));
    for (int i = 0; i < 3; ++i)
        selections[i] = autre.selections[i];
    if (autre.pTexture)
        pTexture = std::make_unique<sf::Texture>(*autre.pTexture);
}

CSPRITE3_ELEMENT::~CSPRITE3_ELEMENT() = default;

void CSPRITE3_ELEMENT::construireMaillage()
{
    nbColonnes = bornerMaillage(nbColonnes);
    nbLignes = bornerMaillage(nbLignes);
    const int cellsX = nbColonnes - 1, cellsY = nbLignes - 1;
    vertices.setPrimitiveType(sf::Quads);
    vertices.resize(static_cast<size_t>(4 * cellsX * cellsY));
    auto point = [&](int i, int j) {
        return sf::Vector2f(rect.width * i / cellsX, rect.height * j / cellsY);
    };
    for (int cj = 0; cj < cellsY; ++cj)
        for (int ci = 0; ci < cellsX; ++ci) {
            const size_t v = static_cast<size_t>(4 * (cj * cellsX + ci));
            const sf::Vector2f coins[4] = {point(ci, cj), point(ci + 1, cj), point(ci + 1, cj + 1),
                                           point(ci, cj + 1)};
            for (int c = 0; c < 4; ++c) {
                vertices[v + c].position = coins[c];
                vertices[v + c].texCoords = coins[c] + sf::Vector2f(rect.left, rect.top);
                vertices[v + c].color = sf::Color::White;
            }
        }
    indexPoints.assign(static_cast<size_t>(nbColonnes * nbLignes), {-1, -1, -1, -1});
    for (int j = 0; j < nbLignes; ++j)
        for (int i = 0; i < nbColonnes; ++i) {
            auto& idx = indexPoints[static_cast<size_t>(j * nbColonnes + i)];
            auto cellule = [&](int ci, int cj) { return 4 * (cj * cellsX + ci); };
            if (i < cellsX && j < cellsY)
                idx[0] = cellule(i, j);  // top-left corner of the cell below-right
            if (i > 0 && j < cellsY)
                idx[1] = cellule(i - 1, j) + 1;
            if (i > 0 && j > 0)
                idx[2] = cellule(i - 1, j - 1) + 2;
            if (i < cellsX && j > 0)
                idx[3] = cellule(i, j - 1) + 3;
        }
    bTexCoordsModifiees = false;
}

CSPRITE3_ANIMELEM::CSPRITE3_ANIMELEM(const CSPRITE3_ANIMELEM& autre)
    : element(autre.element), nom(autre.nom), enfants(autre.enfants), verrou(autre.verrou), option(autre.option),
      evenements(autre.evenements), strShaderVert(autre.strShaderVert), strShaderFrag(autre.strShaderFrag),
      uniformsVert(autre.uniformsVert), uniformsFrag(autre.uniformsFrag), bShaderActif(autre.bShaderActif),
      bEmetteurActif(autre.bEmetteurActif)
{
    if (autre.pParticules)
        pParticules = std::make_unique<CParticules>(*autre.pParticules);
}

CSPRITE3_ANIMELEM::~CSPRITE3_ANIMELEM() = default;

CSPRITE3_ANIMATION::CSPRITE3_ANIMATION(const CSPRITE3_ANIMATION& autre)
    : nom(autre.nom), nbFrames(autre.nbFrames), vitesse(autre.vitesse), bInterpolation(autre.bInterpolation),
      bVisee(autre.bVisee), nbFramesVisee(autre.nbFramesVisee), cercleViseePos(autre.cercleViseePos),
      cercleViseeRayon(autre.cercleViseeRayon), cercleViseeRayonArmes(autre.cercleViseeRayonArmes),
      fille(autre.fille), modeFille(autre.modeFille), bFilleSuitMere(autre.bFilleSuitMere),
      bDeltaActif(autre.bDeltaActif), bSoubressaut(autre.bSoubressaut),
      vitesseSoubressaut(autre.vitesseSoubressaut), maxSoubressaut(autre.maxSoubressaut),
      borneInf(autre.borneInf), borneSup(autre.borneSup), nbLecturesGoto(autre.nbLecturesGoto),
      animGoto(autre.animGoto), etatJeu(autre.etatJeu), rectGlobal(autre.rectGlobal),
      rectHitbox(autre.rectHitbox), origineGlobale(autre.origineGlobale), bOmbre(autre.bOmbre),
      ombreRotation(autre.ombreRotation), ombreDecalage(autre.ombreDecalage),
      ombreEcrasement(autre.ombreEcrasement), frame(autre.frame), compteurTick(autre.compteurTick),
      sens(autre.sens), nbLectures(autre.nbLectures)
{
    for (const auto& ae : autre.animElems)
        animElems.push_back(std::make_unique<CSPRITE3_ANIMELEM>(*ae));
    for (const auto& kf : autre.keyframes) {
        keyframes.push_back(std::make_unique<CSPRITE3_KEYFRAME>(*kf));
        keyframes.back()->pScript = nullptr;  // belongs to the script engine
        keyframes.back()->numScript = 0;
    }
}

CSPRITE3_ANIMATION::~CSPRITE3_ANIMATION() = default;

void CSPRITE3_KEYFRAME::creerScript(const std::string& chemin, CSPRITE* sd)
{
    pScript = g_services.creerScript(chemin, sd, 13, nbExecutions, false, true);
    numScript = g_services.numeroScript(pScript);
    if (pScript)
        g_services.pauserScript(pScript);
}

void CSPRITE3_KEYFRAME::supprimerScript()
{
    if (CScript* s = scriptVivant())
        g_services.supprimerScript(s);
    pScript = nullptr;
    numScript = 0;
}

CScript* CSPRITE3_KEYFRAME::scriptVivant()
{
    if (pScript && g_services.numeroScript(pScript) != numScript) {
        pScript = nullptr;
        numScript = 0;
    }
    return pScript;
}

// ==================================================================== lifecycle

CSPRITE3::CSPRITE3() = default;

CSPRITE3::CSPRITE3(const CSPRITE3& autre)
    : CSPRITE(autre), nom(autre.nom), ID(autre.ID), strFichier(autre.strFichier),
      bCoupeSignalee(autre.bCoupeSignalee), strTexture(autre.strTexture),
      scriptTir(autre.scriptTir), bPlay(autre.bPlay), bBoucle(autre.bBoucle), bStopFin(autre.bStopFin),
      bRestart(autre.bRestart), miroir(autre.miroir), armeCourante(autre.armeCourante),
      bAnimForcee(autre.bAnimForcee), couleurFond(autre.couleurFond), couleurGlobale(autre.couleurGlobale),
      etats(autre.etats), bGrilleVisible(autre.bGrilleVisible), grilleCase(autre.grilleCase),
      bReculArme(autre.bReculArme), vitesseVerticale(autre.vitesseVerticale),
      bDessinerFille(autre.bDessinerFille), bDessinerMere(autre.bDessinerMere), bShadersTous(autre.bShadersTous),
      bScriptsFrames(autre.bScriptsFrames), bScriptsKeyframesEnJeu(autre.bScriptsKeyframesEnJeu),
      pDialogue(autre.pDialogue), animCourante(autre.animCourante),
      viseeAuto(autre.viseeAuto), pTextureFeuille(autre.pTextureFeuille)
{
    for (const auto& e : autre.elements)
        elements.push_back(std::make_unique<CSPRITE3_ELEMENT>(*e));
    for (const auto& a : autre.animations)
        animations.push_back(std::make_unique<CSPRITE3_ANIMATION>(*a));
    // A copy plays on its own: each character made from a model runs its frame scripts on
    // its own sprite, with its own count, also when the model's went with an earlier level.
    if (bScriptsKeyframesEnJeu)
        creerScriptsKeyframes();
}

void CSPRITE3::creerScriptsKeyframes()
{
    for (auto& anim : animations)
        for (auto& kf : anim->keyframes)
            if (!kf->script.empty())
                kf->creerScript(kf->script, this);
}

CSPRITE3::~CSPRITE3() { viderAnimations(); }

void CSPRITE3::viderElements() { elements.clear(); }

void CSPRITE3::viderAnimations()
{
    for (auto& a : animations)
        for (auto& kf : a->keyframes)
            kf->supprimerScript();
    animations.clear();
}

bool CSPRITE3::chargerTexture(const std::string& cle, const std::string& chemin)
{
    if (!tuv::fichierExiste(chemin))
        return false;
    strTexture = chemin;
    pTextureFeuille = g_services.textureCache(cle, chemin);
    return true;
}

void CSPRITE3::relierAnimsGlobales()
{
    for (auto& e : elements)
        e->pSpriteLie = e->strAnmRef.empty() ? nullptr : g_services.animGlobale(e->strAnmRef);
}

// ==================================================================== checked access

CSPRITE3_ELEMENT* CSPRITE3::getElement(int e) const
{
    return e >= 0 && e < getNbElements() ? elements[static_cast<size_t>(e)].get() : nullptr;
}

CSPRITE3_ANIMATION* CSPRITE3::getAnim(int a) const
{
    return a >= 0 && a < getNbAnimations() ? animations[static_cast<size_t>(a)].get() : nullptr;
}

CSPRITE3_ANIMELEM* CSPRITE3::getAnimElem(int a, int ae) const
{
    CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim || ae < 0 || ae >= static_cast<int>(anim->animElems.size()))
        return nullptr;
    return anim->animElems[static_cast<size_t>(ae)].get();
}

CSPRITE3_KEYFRAME* CSPRITE3::getKeyframeEnForce(int a, int f) const
{
    CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim || anim->keyframes.empty())
        return nullptr;
    return anim->keyframes[static_cast<size_t>(getKeyframe(a, f))].get();
}

CSPRITE3_KEYANIMELEM* CSPRITE3::getCle(int a, int f, int ae) const
{
    CSPRITE3_KEYFRAME* kf = getKeyframeEnForce(a, f);
    if (!kf || ae < 0 || ae >= static_cast<int>(kf->cles.size()))
        return nullptr;
    return &kf->cles[static_cast<size_t>(ae)];
}

int CSPRITE3::nbSommetsElement(int e) const
{
    const CSPRITE3_ELEMENT* el = getElement(e);
    return el ? el->getNbSommets() : 0;
}

CSPRITE3_KEYANIMELEM CSPRITE3::nouvelleCle(int e, sf::Vector2f origine) const
{
    CSPRITE3_KEYANIMELEM cle;
    cle.element = e;
    cle.origine = origine;
    cle.maillage.assign(static_cast<size_t>(nbSommetsElement(e)), sf::Vector2f());
    return cle;
}

// ==================================================================== animations

void CSPRITE3::setAnimation(int a, int frame, bool restart)
{
    animCourante = a;
    numAnim = a;
    CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim)
        return;
    if (restart)
        anim->nbLectures = 0;
    if (frame >= 0 && frame < anim->nbFrames) {
        setFrame(a, frame);
        anim->sens = 1;
    }
    // The base sprite's size, hit box and origin follow the animation's rectangles.
    const sf::FloatRect& g = anim->rectGlobal;
    const sf::FloatRect& h = anim->rectHitbox;
    bTailleFixe = true;
    largeurFixe = versEntier(g.width);
    hauteurFixe = versEntier(g.height);
    hitbox[0] = versEntier(h.left - g.left);
    hitbox[1] = versEntier(h.top - g.top);
    hitbox[2] = versEntier((g.left + g.width) - (h.left + h.width));
    hitbox[3] = versEntier((g.top + g.height) - (h.top + h.height));
    ox = anim->origineGlobale.x;
    oy = anim->origineGlobale.y;
}

void CSPRITE3::ajouterAnimation(const std::string& nomAnim, bool bKeyframe0)
{
    auto anim = std::make_unique<CSPRITE3_ANIMATION>();
    anim->nom = nomAnim;
    animations.push_back(std::move(anim));
    if (bKeyframe0)
        ajouterKeyframe(getNbAnimations() - 1, 0);
}

void CSPRITE3::copierAnimation(int a)
{
    if (CSPRITE3_ANIMATION* anim = getAnim(a))
        animations.push_back(std::make_unique<CSPRITE3_ANIMATION>(*anim));
}

void CSPRITE3::supprimerAnimation(int a)
{
    if (!getAnim(a))
        return;
    for (auto& kf : animations[static_cast<size_t>(a)]->keyframes)
        kf->supprimerScript();
    animations.erase(animations.begin() + a);
    // Animation numbers stored elsewhere follow the list.
    auto renumeroter = [a](int& n) {
        if (n == a)
            n = -1;
        else if (n > a)
            --n;
    };
    // An element without a sub-sprite of its own links this sprite's animations, as do the
    // keys of its AEs; a sub-sprite's animations do not move.
    auto propre = [this](int e) {
        const CSPRITE3_ELEMENT* el = getElement(e);
        return el && (!el->pSpriteLie || el->pSpriteLie == this);
    };
    for (auto& anim : animations) {
        renumeroter(anim->fille);
        renumeroter(anim->animGoto);
        for (auto& kf : anim->keyframes)
            for (size_t i = 0; i < kf->cles.size() && i < anim->animElems.size(); ++i)
                if (propre(anim->animElems[i]->element))
                    renumeroter(kf->cles[i].lienAnim);
    }
    for (int e = 0; e < getNbElements(); ++e)
        if (propre(e))
            for (int& lien : elements[static_cast<size_t>(e)]->lienAnim)
                renumeroter(lien);
    for (auto& [nomEtat, n] : etats)
        renumeroter(n);
    if (animCourante == a)
        animCourante = -1;
    else if (animCourante > a)
        --animCourante;
    numAnim = animCourante;
}

void CSPRITE3::setNomAnimation(int a, const std::string& nomAnim)
{
    if (CSPRITE3_ANIMATION* anim = getAnim(a))
        anim->nom = nomAnim;
}

void CSPRITE3::deplacerAnimation(int a, float dx, float dy)
{
    CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim)
        return;
    for (auto& kf : anim->keyframes)
        for (auto& cle : kf->cles)
            cle.position += sf::Vector2f(dx, dy);
}

int CSPRITE3::getNbFrames(int a) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    return anim ? anim->nbFrames : 0;
}

void CSPRITE3::setNbFrames(int a, int n)
{
    CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim)
        return;
    anim->nbFrames = std::clamp(n, 1, sprite3::FRAMES_MAX);
    auto& kfs = anim->keyframes;
    for (auto it = kfs.begin(); it != kfs.end();) {
        if ((*it)->frame > anim->nbFrames) {
            (*it)->supprimerScript();
            it = kfs.erase(it);
        } else {
            ++it;
        }
    }
    if (anim->frame >= anim->nbFrames)
        anim->frame = anim->nbFrames - 1;
    recalculerPentes(a);
}

void CSPRITE3::insererFrame(int a, int f)
{
    CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim || anim->nbFrames >= sprite3::FRAMES_MAX)
        return;
    ++anim->nbFrames;
    for (auto& kf : anim->keyframes)
        if (kf->frame > f)
            ++kf->frame;
    recalculerPentes(a);
}

void CSPRITE3::supprimerFrame(int a, int f)
{
    CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim || f < 0 || f >= anim->nbFrames || isKeyframe(a, f))
        return;
    for (auto& kf : anim->keyframes)
        if (kf->frame > f)
            --kf->frame;
    setNbFrames(a, anim->nbFrames - 1);
}

int CSPRITE3::getVitesseAnim(int a) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    return anim ? anim->vitesse : 0;
}

void CSPRITE3::setVitesseAnim(int a, int n)
{
    if (CSPRITE3_ANIMATION* anim = getAnim(a)) {
        anim->vitesse = n;
        recalculerPentes(a);
    }
}

bool CSPRITE3::getInterpolation(int a) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    return anim ? anim->bInterpolation : true;
}

void CSPRITE3::setInterpolation(int a, bool b)
{
    if (CSPRITE3_ANIMATION* anim = getAnim(a))
        anim->bInterpolation = b;
}

bool CSPRITE3::isVisee(int a) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    return anim && anim->bVisee;
}

void CSPRITE3::setVisee(int a, bool b)
{
    if (CSPRITE3_ANIMATION* anim = getAnim(a))
        anim->bVisee = b;
}

int CSPRITE3::getNbFramesVisee(int a) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    return anim ? anim->nbFramesVisee : 0;
}

void CSPRITE3::setNbFramesVisee(int a, int n)
{
    if (CSPRITE3_ANIMATION* anim = getAnim(a))
        anim->nbFramesVisee = n;
}

sf::Vector2f CSPRITE3::getCercleViseePos(int a) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    return anim ? anim->cercleViseePos : sf::Vector2f();
}

void CSPRITE3::setCercleViseePos(int a, float px, float py)
{
    if (CSPRITE3_ANIMATION* anim = getAnim(a))
        anim->cercleViseePos = sf::Vector2f(px, py);
}

int CSPRITE3::getCercleViseeRayon(int a) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim)
        return 0;
    if (armeCourante >= 0) {
        auto it = anim->cercleViseeRayonArmes.find(armeCourante);
        if (it != anim->cercleViseeRayonArmes.end())
            return it->second;
    }
    return anim->cercleViseeRayon;
}

void CSPRITE3::setCercleViseeRayon(int a, int rayon)
{
    CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim)
        return;
    if (armeCourante >= 0) {
        auto it = anim->cercleViseeRayonArmes.find(armeCourante);
        if (it != anim->cercleViseeRayonArmes.end()) {
            it->second = rayon;
            return;
        }
    }
    anim->cercleViseeRayon = rayon;
}

sf::Vector2f CSPRITE3::getPointVisee(int a, float angle) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim)
        return sf::Vector2f();
    const float rad = angle * 3.14159265f / 180.0f;
    const float r = static_cast<float>(getCercleViseeRayon(a));
    return anim->cercleViseePos + sf::Vector2f(std::cos(rad) * r, std::sin(rad) * r);
}

int CSPRITE3::getModeAnimationFille(int a) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    return anim ? anim->modeFille : 0;
}

void CSPRITE3::setModeAnimationFille(int a, int mode)
{
    if (CSPRITE3_ANIMATION* anim = getAnim(a))
        anim->modeFille = mode;
}

bool CSPRITE3::hasOmbre(int a) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    return anim && anim->bOmbre;
}

void CSPRITE3::setOmbre(int a, bool b)
{
    if (CSPRITE3_ANIMATION* anim = getAnim(a))
        anim->bOmbre = b;
}

int CSPRITE3::getOmbreRotation(int a) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    return anim ? anim->ombreRotation : 0;
}

void CSPRITE3::setOmbreRotation(int a, int r)
{
    if (CSPRITE3_ANIMATION* anim = getAnim(a))
        anim->ombreRotation = r;
}

sf::Vector2f CSPRITE3::getOmbreDecalage(int a) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    return anim ? anim->ombreDecalage : sf::Vector2f();
}

void CSPRITE3::setOmbreDecalage(int a, float dx, float dy)
{
    if (CSPRITE3_ANIMATION* anim = getAnim(a))
        anim->ombreDecalage = sf::Vector2f(dx, dy);
}

sf::Vector2f CSPRITE3::getOmbreEcrasement(int a) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    return anim ? anim->ombreEcrasement : sf::Vector2f();
}

void CSPRITE3::setOmbreEcrasement(int a, float esx, float esy)
{
    if (CSPRITE3_ANIMATION* anim = getAnim(a))
        anim->ombreEcrasement = sf::Vector2f(esx, esy);
}

sf::Vector2f CSPRITE3::getOrigineGlobale(int a) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    return anim ? anim->origineGlobale : sf::Vector2f();
}

sf::Vector2f CSPRITE3::getOrigineGlobaleCourante() const { return getOrigineGlobale(numAnim); }

sf::FloatRect CSPRITE3::getRectHitbox(int a) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    return anim ? anim->rectHitbox : sf::FloatRect();
}

void CSPRITE3::getRectGlobal(sf::FloatRect& rect, int a) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    rect = anim ? anim->rectGlobal : sf::FloatRect();
}

// The state last linked to the animation while it still links it; else the first state an
// "ETAT" line links to it.
std::string CSPRITE3::getEtatAnimation(int a) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim)
        return {};
    if (!anim->etatJeu.empty() && getEtat(anim->etatJeu) == a)
        return anim->etatJeu;
    for (const auto& [nomEtat, n] : etats)
        if (n == a)
            return nomEtat;
    return {};
}

// A state links one animation: the one it linked before no longer names it.
void CSPRITE3::setEtatAnimation(const std::string& nomEtat, int a, int valeur)
{
    for (auto& anim : animations)
        if (anim->etatJeu == nomEtat)
            anim->etatJeu.clear();
    if (CSPRITE3_ANIMATION* anim = getAnim(a); anim && valeur != -1)
        anim->etatJeu = nomEtat;
    etats[nomEtat] = valeur;
}

int CSPRITE3::getEtat(const std::string& nomEtat) const
{
    auto it = etats.find(nomEtat);
    return it == etats.end() ? -1 : it->second;
}

int CSPRITE3::getNbBoucles(int a) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    return anim ? anim->nbLectures : 0;
}

int CSPRITE3::getFrame(int a) const
{
    const CSPRITE3_ANIMATION* anim = getAnim(a);
    return anim ? anim->frame : 0;
}

void CSPRITE3::setFrame(int a, int f)
{
    CSPRITE3_ANIMATION* anim = getAnim(a);
    if (!anim)
        return;
    anim->frame = std::clamp(f, 0, std::max(anim->nbFrames - 1, 0));
    anim->compteurTick = 0;
}

int CSPRITE3::getFrameCourante() const { return getFrame(animCourante); }

void CSPRITE3::setFrameCourante(int f)
{
    CSPRITE3_ANIMATION* anim = getAnim(animCourante);
    if (!anim)
        return;
    anim->frame = (f < 0 || f >= anim->nbFrames) ? 0 : f;
    anim->compteurTick = 0;
}
