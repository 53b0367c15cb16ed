// Keyframe, frame, mesh and timeline buttons of the animation editor: keyframes made and
// deleted, frames inserted and deleted, the selected AE flipped, centred on its origin,
// brought back to scale 1 (each recorded for undo), its mesh reset, and the timeline scrolled
// and zoomed.
#include "animeditor/ControlTimeline.h"
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"

#include "anim/Sprite3.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlList.h"
#include "gui/OutilsControles.h"

#include <algorithm>

namespace {
// The timeline's cell width stays within these through its buttons.
constexpr int LARGEUR_FRAME_MIN = 4;
constexpr int LARGEUR_FRAME_MAX = 14;
} // namespace

void CJeuDialogAnimationsSprites::boutonsKeyframes(TableBoutons& t)
{
    using D = CJeuDialogAnimationsSprites;
    t[IdAnm::myComboBoxSonFrame] = [](D& d, const AppuiGauche&) {
        const CPLUXControlComboBox* c = d.ctrlComboBox(IdAnm::myComboBoxSonFrame);
        if (c && c->getNbElements() <= 1)
            d.majComboSonFrame();
    };
    t[IdAnm::myButtonAjouterKeyAnim] = [](D& d, const AppuiGauche&) { d.ajouterKeyframeInterpolee(); };
    t[IdAnm::myButtonCopyKeyAnim] = [](D& d, const AppuiGauche&) { d.copierKeyframePrecedente(); };
    t[IdAnm::myButtonFlipH] = [](D& d, const AppuiGauche&) { d.retournerAE(true); };
    t[IdAnm::myButtonFlipV] = [](D& d, const AppuiGauche&) { d.retournerAE(false); };
    t[IdAnm::myButtonSupprimerKeyAnim] = [](D& d, const AppuiGauche&) { d.supprimerKeyframeSel(); };
    t[IdAnm::myButtonInsererFrameInterpolation] = [](D& d, const AppuiGauche&) { d.changerFrames(true); };
    t[IdAnm::myButtonSupprimerFrameInterpolation] = [](D& d, const AppuiGauche&) { d.changerFrames(false); };
    t[IdAnm::myButtonTLGauche] = [](D& d, const AppuiGauche&) { d.defilerTimeline(-1); };
    t[IdAnm::myButtonTLDroite] = [](D& d, const AppuiGauche&) { d.defilerTimeline(1); };
    t[IdAnm::myButtonTLMoins] = [](D& d, const AppuiGauche&) {
        if (d.pTimeline && d.pTimeline->getLargeurFrame() > LARGEUR_FRAME_MIN)
            d.pTimeline->setLargeurFrame(d.pTimeline->getLargeurFrame() - 1);
    };
    t[IdAnm::myButtonTLPlus] = [](D& d, const AppuiGauche&) {
        if (d.pTimeline && d.pTimeline->getLargeurFrame() < LARGEUR_FRAME_MAX)
            d.pTimeline->setLargeurFrame(d.pTimeline->getLargeurFrame() + 1);
    };
    t[IdAnm::myButtonOriginCenter] = [](D& d, const AppuiGauche&) { d.centrerOrigineAE(); };
    t[IdAnm::myButtonTailleUn] = [](D& d, const AppuiGauche&) { d.tailleUnAE(); };
    t[IdAnm::myButtonCreerAnimSimpleAuto] = [](D& d, const AppuiGauche&) {
        // The answer (one frame per AE) is the message-box handler's.
        if (d.pSprite->getAnim(d.numAnimationSel))
            CPLUX::MessageBoxW("ATTENTION !",
                               "Créer une animation simple ? Toutes les keyframes de l'animation seront "
                               "remplacées, une frame par élément.",
                               "IDMBANIMAUTO", &d, 2);
    };
    t[IdAnm::myButtonRazMaillageElementToutesFrames] = [](D& d, const AppuiGauche&) { d.razMaillageAE(true); };
    t[IdAnm::myButtonRazMaillageElement] = [](D& d, const AppuiGauche&) { d.razMaillageAE(false); };
}

// The AE mirrored in the selected keyframe (not in the keyframe in force between two):
// its children with it, unless Control keeps them or Alt keeps their own scale.
void CJeuDialogAnimationsSprites::retournerAE(bool horizontal)
{
    const int a = numAnimationSel, k = numKeyFrameSel, ae = numAnimElemSel;
    if (refuserHorsKeyframe(true) || !pSprite->isKeyframe(a, k) || !pSprite->getCle(a, k, ae))
        return;
    const sf::Vector2f s = pSprite->getKeyAnimElemEchelle(a, k, ae);
    ajouterAnnulation(horizontal ? AnmUndoRecord::FAE_FLIPH : AnmUndoRecord::FAE_FLIPV, a, k, ae, s.x, s.y, 0, 0,
                      enfantsSelonTouches());
    const bool alt = CPLUX::isKeyAltPress(), ctrl = CPLUX::isKeyCtrlPress();
    pSprite->setKeyAnimElemEchelle(a, k, ae, horizontal ? -s.x : s.x, horizontal ? s.y : -s.y, !ctrl, !alt);
    majPoigneesAE(a, k, ae);
    majPanneauAE();
}

// Only the selected keyframe: without one the keyframe in force would go.
void CJeuDialogAnimationsSprites::supprimerKeyframeSel()
{
    const int a = numAnimationSel;
    if (!pSprite->getAnim(a) || numKeyFrameSel < 0 || !pSprite->isKeyframe(a, numKeyFrameSel))
        return;
    pSprite->supprimerKeyframe(a, numKeyFrameSel);
    if (!pSprite->isKeyframe(a, numKeyFrameSel))
        oublierReferences(a);
    majMarqueursTimeline(pSprite, pTimeline);
    editeur::afficher(*this, IdAnm::myTextInputAnimFrameNb, pSprite->getNbFrames(a));
    allerAFrame(pSprite->getFrameCourante());
}

// A frame inserted at the current frame (later keyframes one frame later), or the current
// frame deleted when no keyframe stands on it (later keyframes one earlier).
void CJeuDialogAnimationsSprites::changerFrames(bool inserer)
{
    const int a = numAnimationSel;
    if (!pSprite->getAnim(a))
        return;
    const int f = pSprite->getFrameCourante(), avant = pSprite->getNbFrames(a);
    if (inserer) {
        pSprite->insererFrame(a, f);
    } else {
        pSprite->supprimerFrame(a, f);
        const int courante = pSprite->getFrameCourante();
        if (courante >= pSprite->getNbFrames(a) && courante > 0)
            pSprite->setFrameCourante(courante - 1);
    }
    if (pSprite->getNbFrames(a) != avant)
        oublierReferences(a);
    majMarqueursTimeline(pSprite, pTimeline);
    editeur::afficher(*this, IdAnm::myTextInputAnimFrameNb, pSprite->getNbFrames(a));
    allerAFrame(pSprite->getFrameCourante());
}

// One step of scrolling, the timeline kept over its placeholder.
void CJeuDialogAnimationsSprites::defilerTimeline(int sens)
{
    if (!pTimeline)
        return;
    pTimeline->defiler(sens);
    if (const CPLUXControl* p = getControl(IdAnm::myImageTimeLine)) {
        pTimeline->setPosition(p->getLeft(), p->getTop());
        pTimeline->setVisibleDimension(p->getWidth(), p->getHeight());
    }
}

// These act on the keyframe shown, as a typed value does: between keyframes the key in
// force is another frame's, so they are refused with the same box.
void CJeuDialogAnimationsSprites::centrerOrigineAE()
{
    const int a = numAnimationSel, f = pSprite->getFrameCourante(), ae = numAnimElemSel;
    if (refuserHorsKeyframe(true))
        return;
    const sf::FloatRect r = pSprite->getRectElement(pSprite->getElementAnimElem(a, ae));
    const sf::Vector2f o = pSprite->getKeyAnimElemOrigine(a, f, ae);
    ajouterAnnulation(AnmUndoRecord::FAE_ORIGIN, a, f, ae, o.x, o.y, 0, 0, 0);
    pSprite->setKeyAnimElemOrigine(a, f, ae, r.width * 0.5f, r.height * 0.5f);
    majPoigneesAE(a, f, ae);
    majPanneauAE();
}

// The record keeps the key's own position: between keyframes the interpolated one would be
// written into the keyframe in force by the undo.
void CJeuDialogAnimationsSprites::tailleUnAE()
{
    const int a = numAnimationSel, f = pSprite->getFrameCourante(), ae = numAnimElemSel;
    if (refuserHorsKeyframe(true))
        return;
    const CSPRITE3_KEYANIMELEM* cle = pSprite->getCle(a, f, ae);
    ajouterAnnulation(AnmUndoRecord::FAE_SCALE, a, f, ae, cle->echelle.x, cle->echelle.y, cle->position.x,
                      cle->position.y, enfantsSelonTouches());
    pSprite->setKeyAnimElemEchelle(a, f, ae, 1, 1, !CPLUX::isKeyCtrlPress(), !CPLUX::isKeyAltPress());
    majPoigneesAE(a, f, ae);
    majPanneauAE();
}

// The mesh offsets of the AE back to 0, in every keyframe or in the one shown. Written
// into the keys at once, the slopes recomputed once.
void CJeuDialogAnimationsSprites::razMaillageAE(bool toutesKeyframes)
{
    const int a = numAnimationSel, f = pSprite->getFrameCourante(), ae = numAnimElemSel;
    CSPRITE3_ANIMATION* anim = pSprite->getAnim(a);
    if (!anim || !pSprite->getAnimElem(a, ae) || (!toutesKeyframes && refuserHorsKeyframe(true)))
        return;
    auto raz = [](CSPRITE3_KEYANIMELEM& cle) { std::fill(cle.maillage.begin(), cle.maillage.end(), sf::Vector2f()); };
    if (!toutesKeyframes) {
        if (CSPRITE3_KEYANIMELEM* cle = pSprite->getCle(a, f, ae))
            raz(*cle);
    } else {
        for (auto& kf : anim->keyframes)
            if (ae < static_cast<int>(kf->cles.size()))
                raz(kf->cles[static_cast<size_t>(ae)]);
    }
    pSprite->recalculerPentes(a);
    majPoigneesAE(a, f, ae);
}
