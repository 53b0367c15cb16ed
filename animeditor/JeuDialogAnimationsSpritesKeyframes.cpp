// Keyframe edits of the animation editor: the AE panel written into the selected keyframe,
// a keyframe made at the current frame (interpolated, or copied from the keyframe before
// it), the checked channels of the selected AE copied into other keyframes, and the frame
// selection brought back in line after keyframes or frames changed.
#include "animeditor/ControlTimeline.h"
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"

#include "anim/Sprite3.h"
#include "gui/CPLUX.h"
#include "gui/OutilsControles.h"

#include <algorithm>
#include <cmath>

namespace {
// The AE panel's values; a control missing from the model, or a number that is none, keeps
// the key's own value.
struct ValeursPanneau {
    bool visible, avantPlan, filleVisible;
    sf::Vector2f position, origine, echelle;
    float rotation;
};

ValeursPanneau lirePanneauAE(const CPLUXDialog& d, const CSPRITE3_KEYANIMELEM& cle, bool filleVisible)
{
    auto nombre = [&d](const char* id, float actuel) {
        const CPLUXControl* c = d.getControl(id);
        const float v = c ? CPLUX::stof(c->getText()) : actuel;
        return std::isfinite(v) ? v : actuel;
    };
    auto coche = [&d](const char* id, bool actuel) {
        const CPLUXControlButtonCheck* c = d.ctrlButtonCheck(id);
        return c ? c->isChecked() : actuel;
    };
    ValeursPanneau v;
    v.visible = coche(IdAnm::myButtonCheckElemAnimCourVisible, cle.visible != 0);
    v.position = {nombre(IdAnm::myTextInputAnimCourX, cle.position.x), nombre(IdAnm::myTextInputAnimCourY, cle.position.y)};
    v.origine = {nombre(IdAnm::myTextInputAnimCourOx, cle.origine.x), nombre(IdAnm::myTextInputAnimCourOy, cle.origine.y)};
    v.echelle = {nombre(IdAnm::myTextInputAnimCourSx, cle.echelle.x), nombre(IdAnm::myTextInputAnimCourSy, cle.echelle.y)};
    v.rotation = nombre(IdAnm::myTextInputAnimCourAngle, cle.rotation);
    v.avantPlan = coche(IdAnm::myButtonCheckAnimElementAvantPlan, cle.avantPlan != 0);
    v.filleVisible = coche(IdAnm::myButtonCheckAnimElementFilleVisible, filleVisible);
    return v;
}

// The channels "myButtonCheckCAE..." ask to copy; unchecked when missing.
struct Canaux {
    bool visible, avantPlan, position, origine, rotation, echelle, maillage;
};

Canaux lireCanaux(const CPLUXDialog& d)
{
    auto coche = [&d](const char* id) {
        const CPLUXControlButtonCheck* c = d.ctrlButtonCheck(id);
        return c && c->isChecked();
    };
    return {coche(IdAnm::myButtonCheckCAEVisible),  coche(IdAnm::myButtonCheckCAEAvplan),
            coche(IdAnm::myButtonCheckCAEPosition), coche(IdAnm::myButtonCheckCAEOrigine),
            coche(IdAnm::myButtonCheckCAERotation), coche(IdAnm::myButtonCheckCAEEchelle),
            coche(IdAnm::myButtonCheckCAEMaillage)};
}

void copierMaillage(std::vector<sf::Vector2f>& vers, const std::vector<sf::Vector2f>& de)
{
    std::copy(de.begin(), de.begin() + static_cast<long>(std::min(de.size(), vers.size())), vers.begin());
}
} // namespace

void CJeuDialogAnimationsSprites::appliquerPanneauAE()
{
    const int a = numAnimationSel, k = numKeyFrameSel, ae = numAnimElemSel;
    // Only on a keyframe: between keyframes the key in force is another frame's.
    if (k == -1 || !pSprite->isKeyframe(a, k) || !pSprite->getCle(a, k, ae))
        return;
    const ValeursPanneau v = lirePanneauAE(*this, *pSprite->getCle(a, k, ae), pSprite->getKeyframeFlag(a, k));
    pSprite->setKeyAnimElemValeurs(a, k, ae, pSprite->getElementAnimElem(a, ae), v.visible, v.position.x,
                                   v.position.y, v.origine.x, v.origine.y, v.echelle.x, v.echelle.y, v.rotation,
                                   v.avantPlan);
    pSprite->setKeyframeFlag(a, k, v.filleVisible);
    rafraichirKeyframes(k);
}

void CJeuDialogAnimationsSprites::ajouterKeyframeInterpolee() { creerKeyframe(true); }

void CJeuDialogAnimationsSprites::copierKeyframePrecedente() { creerKeyframe(false); }

// The new keys are worked out before the keyframe is inserted (after it, the keyframe before
// would lead to the new one), written straight into the keys, and the slopes recomputed once.
// Without a keyframe before the frame the new one keeps the sprite's defaults.
void CJeuDialogAnimationsSprites::creerKeyframe(bool interpolee)
{
    const int a = numAnimationSel, f = pSprite->getFrameCourante();
    const CSPRITE3_ANIMATION* anim = pSprite->getAnim(a);
    if (!anim || f < 0 || pSprite->isKeyframe(a, f))
        return;
    const bool avant = !anim->keyframes.empty() && anim->keyframes.front()->frame < f;
    std::vector<CSPRITE3_KEYANIMELEM> cles;
    unsigned char fille = 1;
    if (avant) {
        const int k = pSprite->getKeyframeAvant(a, f), fk = pSprite->getKeyframeFrame(a, k);
        const CSPRITE3_KEYFRAME& source = *anim->keyframes[static_cast<size_t>(k)];
        fille = source.bFille;
        cles = source.cles;
        for (int i = 0; interpolee && i < static_cast<int>(cles.size()); ++i) {
            CSPRITE3_KEYANIMELEM& c = cles[static_cast<size_t>(i)];
            c.position = {pSprite->getXInterpole(a, i, k, f, fk, false), pSprite->getYInterpole(a, i, k, f, fk, false)};
            c.echelle = {pSprite->getSXInterpole(a, i, k, f, fk, false), pSprite->getSYInterpole(a, i, k, f, fk, false)};
            c.rotation = pSprite->getRotationInterpolee(a, i, k, f, fk, false);
            for (int j = 0; j < static_cast<int>(c.maillage.size()); ++j)
                c.maillage[static_cast<size_t>(j)] = {pSprite->getPointXInterpole(a, i, k, f, fk, false, j),
                                                      pSprite->getPointYInterpole(a, i, k, f, fk, false, j)};
        }
    }
    pSprite->ajouterKeyframe(a, f);
    CSPRITE3_KEYFRAME* nouvelle = pSprite->getKeyframeEnForce(a, f);
    if (!nouvelle || nouvelle->frame != f)
        return;
    if (avant) {
        nouvelle->bFille = fille;
        for (size_t i = 0; i < cles.size() && i < nouvelle->cles.size(); ++i) {
            CSPRITE3_KEYANIMELEM& c = nouvelle->cles[i];
            c.visible = cles[i].visible;
            c.avantPlan = cles[i].avantPlan;
            c.origine = cles[i].origine;
            c.position = cles[i].position;
            c.echelle = cles[i].echelle;
            c.rotation = cles[i].rotation;
            copierMaillage(c.maillage, cles[i].maillage);
        }
        pSprite->recalculerPentes(a);
    }
    numKeyFrameSel = f;
    pSprite->setFrameCourante(f);
    rafraichirKeyframes(numKeyFrameSel);
    setPanneauAELectureSeule(false);
    allerAFrame(pSprite->getFrameCourante());
}

// The values go straight into the keys: no child follows; the slopes are recomputed after,
// or the view and the saved file would interpolate towards the old values.
void CJeuDialogAnimationsSprites::appliquerAEKeyframes(int frameCible)
{
    const int a = numAnimationSel, ae = numAnimElemSel, f = pSprite->getFrameCourante();
    if (frameCible != -1 && !pSprite->isKeyframe(a, frameCible))
        return;
    const Canaux canaux = lireCanaux(*this);
    CSPRITE3_ANIMATION* anim = pSprite->getAnim(a);
    const CSPRITE3_KEYANIMELEM* source = pSprite->getCle(a, f, ae);
    if (!anim || f < 0 || !source)
        return;
    const ValeursPanneau v = lirePanneauAE(*this, *source, pSprite->getKeyframeFlag(a, f));
    const std::vector<sf::Vector2f> maillage = source->maillage;
    for (auto& kf : anim->keyframes) {
        if ((frameCible != -1 && kf->frame != frameCible) || ae >= static_cast<int>(kf->cles.size()))
            continue;
        CSPRITE3_KEYANIMELEM& cle = kf->cles[static_cast<size_t>(ae)];
        if (canaux.visible)
            cle.visible = v.visible;
        if (canaux.position)
            cle.position = v.position;
        if (canaux.origine)
            cle.origine = v.origine;
        if (canaux.echelle)
            cle.echelle = v.echelle;
        if (canaux.rotation)
            cle.rotation = v.rotation;
        if (canaux.avantPlan)
            cle.avantPlan = v.avantPlan;
        if (frameCible != -1)
            copierMaillage(cle.maillage, maillage);
    }
    if (frameCible == -1 && canaux.maillage)
        pSprite->copierMaillageToutesKeyframes(a, ae, f);
    pSprite->recalculerPentes(a);
    rafraichirKeyframes(numKeyFrameSel);
}

void CJeuDialogAnimationsSprites::rafraichirKeyframes(int frame)
{
    colorerListeAnimElems(frame);
    majMarqueursTimeline(pSprite, pTimeline);
    // Refilled, the timeline lost its selection: the current frame is still the chosen one.
    if (pTimeline) {
        const int f = pSprite->getFrameCourante();
        pTimeline->frameSel = f;
        pTimeline->selectionnerFrame(f);
    }
    editeur::afficher(*this, IdAnm::myTextInputAnimFrameNb, pSprite->getNbFrames(numAnimationSel));
    majPoigneesAE(numAnimationSel, frame, numAnimElemSel);
}

void CJeuDialogAnimationsSprites::allerAFrame(int f)
{
    if (!pTimeline) {
        frameChoisie(f, pSprite->isKeyframe(numAnimationSel, f));
        return;
    }
    pTimeline->frameSel = f;
    pTimeline->selectionnerFrame(f);
    frameChoisie(pTimeline);
}
