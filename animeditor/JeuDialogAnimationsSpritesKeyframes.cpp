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
#include <utility>

namespace {
// The AE panel's values: the key as the panel shows it, and the keyframe's daughter flag. A
// control missing from the model, or a number that is none (refused), keeps the key's own value.
struct ValeursPanneau {
    CSPRITE3_KEYANIMELEM cle;
    bool filleVisible;
};

ValeursPanneau lirePanneauAE(const CPLUXDialog& d, const CSPRITE3_KEYANIMELEM& cle, bool filleVisible)
{
    auto nombre = [&d](const char* id, float actuel) {
        editeur::lireNombre(d, id, actuel);
        return actuel;
    };
    auto coche = [&d](const char* id, bool actuel) {
        const CPLUXControlButtonCheck* c = d.ctrlButtonCheck(id);
        return c ? c->isChecked() : actuel;
    };
    ValeursPanneau v{cle, coche(IdAnm::myButtonCheckAnimElementFilleVisible, filleVisible)};
    CSPRITE3_KEYANIMELEM& c = v.cle;
    c.visible = coche(IdAnm::myButtonCheckElemAnimCourVisible, cle.visible != 0);
    c.position = {nombre(IdAnm::myTextInputAnimCourX, cle.position.x), nombre(IdAnm::myTextInputAnimCourY, cle.position.y)};
    c.origine = {nombre(IdAnm::myTextInputAnimCourOx, cle.origine.x), nombre(IdAnm::myTextInputAnimCourOy, cle.origine.y)};
    c.echelle = {nombre(IdAnm::myTextInputAnimCourSx, cle.echelle.x), nombre(IdAnm::myTextInputAnimCourSy, cle.echelle.y)};
    c.rotation = nombre(IdAnm::myTextInputAnimCourAngle, cle.rotation);
    c.avantPlan = coche(IdAnm::myButtonCheckAnimElementAvantPlan, cle.avantPlan != 0);
    return v;
}

// The channels (canalPose) "myButtonCheckCAE..." ask to copy; unchecked when missing.
unsigned lireCanaux(const CPLUXDialog& d)
{
    const std::pair<const char*, unsigned> cases[] = {
        {IdAnm::myButtonCheckCAEVisible, canalPose::visible},   {IdAnm::myButtonCheckCAEAvplan, canalPose::avantPlan},
        {IdAnm::myButtonCheckCAEPosition, canalPose::position}, {IdAnm::myButtonCheckCAEOrigine, canalPose::origine},
        {IdAnm::myButtonCheckCAERotation, canalPose::rotation}, {IdAnm::myButtonCheckCAEEchelle, canalPose::echelle},
        {IdAnm::myButtonCheckCAEMaillage, canalPose::maillage}};
    unsigned canaux = 0;
    for (const auto& [id, canal] : cases)
        if (const CPLUXControlButtonCheck* c = d.ctrlButtonCheck(id); c && c->isChecked())
            canaux |= canal;
    return canaux;
}

// A made keyframe takes the whole pose of its source keys; the element is already the same
// (same animation, same AE).
constexpr unsigned POSE_KEYFRAME = canalPose::tous & ~canalPose::element;
} // namespace

// The keyframe shown: the current frame, a keyframe, standing still. Between keyframes the
// key in force is another frame's; while the animation plays, the frame shown passes.
bool CJeuDialogAnimationsSprites::panneauAEEcrivable() const
{
    const int a = numAnimationSel, f = pSprite->getFrameCourante();
    return !pSprite->bPlay && pSprite->isKeyframe(a, f) && pSprite->getCle(a, f, numAnimElemSel);
}

// The key keeps its own picture: a key may show another element than its AE's first one
// (a hop's second picture), and the panel has no say in it.
void CJeuDialogAnimationsSprites::appliquerPanneauAE()
{
    const int a = numAnimationSel, f = pSprite->getFrameCourante(), ae = numAnimElemSel;
    if (!panneauAEEcrivable())
        return;
    const ValeursPanneau v = lirePanneauAE(*this, *pSprite->getCle(a, f, ae), pSprite->getKeyframeFlag(a, f));
    const CSPRITE3_KEYANIMELEM& c = v.cle;
    pSprite->setKeyAnimElemValeurs(a, f, ae, c.element, c.visible, c.position.x,
                                   c.position.y, c.origine.x, c.origine.y, c.echelle.x, c.echelle.y, c.rotation,
                                   c.avantPlan);
    pSprite->setKeyframeFlag(a, f, v.filleVisible);
    rafraichirKeyframes(f);
}

// Nothing typed, ticked or pressed stays in the panel as if it were taken: refused, the box
// says why and the panels show the keyframe's values again. A frame's own values (its
// script) need no AE.
bool CJeuDialogAnimationsSprites::refuserHorsKeyframe(bool pourAE)
{
    const int a = numAnimationSel, f = pSprite->getFrameCourante();
    const bool ecrivable = pourAE ? panneauAEEcrivable() : !pSprite->bPlay && pSprite->isKeyframe(a, f);
    if (ecrivable)
        return false;
    const std::wstring pourquoi =
        !pSprite->getAnim(a)                              ? L"aucune animation n'est choisie."
        : pourAE && !pSprite->getAnimElem(a, numAnimElemSel) ? L"aucun AE n'est choisi."
        : pSprite->bPlay ? L"l'animation joue (décochez « Lecture » pour modifier la frame montrée)."
                         : L"la frame " + CPLUX::itows(f) + L" n'est pas une keyframe (« Ajouter clé » en fait une).";
    CPLUX::MessageBoxW(getTitleW(), L"Valeur non gardée : " + pourquoi);
    if (pourAE)
        majPanneauAE();
    else
        majPanneauKeyFrame();
    return true;
}

void CJeuDialogAnimationsSprites::modifierPanneauAE(const char* annulation, float v1, float v2, float v3, float v4)
{
    if (refuserHorsKeyframe(true))
        return;
    if (annulation)
        ajouterAnnulation(annulation, numAnimationSel, pSprite->getFrameCourante(), numAnimElemSel, v1, v2, v3, v4,
                          0);
    appliquerPanneauAE();
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
        for (size_t i = 0; i < cles.size() && i < nouvelle->cles.size(); ++i)
            copierPose(nouvelle->cles[i], cles[i], POSE_KEYFRAME);
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
    const unsigned canaux = lireCanaux(*this);
    CSPRITE3_ANIMATION* anim = pSprite->getAnim(a);
    const CSPRITE3_KEYANIMELEM* source = pSprite->getCle(a, f, ae);
    if (!anim || f < 0 || !source)
        return;
    // The panel's key carries the mesh of the current frame. Into one keyframe the mesh goes
    // whatever its check says; into every keyframe, only when checked and after the loop.
    const ValeursPanneau v = lirePanneauAE(*this, *source, pSprite->getKeyframeFlag(a, f));
    const unsigned copies = frameCible != -1 ? canaux | canalPose::maillage : canaux & ~canalPose::maillage;
    for (auto& kf : anim->keyframes)
        if ((frameCible == -1 || kf->frame == frameCible) && ae < static_cast<int>(kf->cles.size()))
            copierPose(kf->cles[static_cast<size_t>(ae)], v.cle, copies);
    if (frameCible == -1 && (canaux & canalPose::maillage))
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
