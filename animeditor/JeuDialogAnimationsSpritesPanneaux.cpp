// The keyframe panel and the anim-element panel, filled from the sprite at its current frame,
// and the run count of a keyframe's script taken back from its input.
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"
#include "animeditor/JeuDialogScriptAnm.h"

#include "anim/Sprite3.h"
#include "core/Services.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlColor.h"
#include "gui/CPLUXControlList.h"
#include "gui/OutilsControles.h"

using editeur::afficher;
using editeur::cocher;
using editeur::colorer;

namespace {
// Line 0 of the sound combo is "(aucun)": a sound the game did not load shows as none.
void choisirSon(CPLUXControlComboBox* c, const std::string& son)
{
    const int l = son.empty() ? -1 : c->getLine(son);
    c->setNumSel(l >= 0 ? l : 0);
}
} // namespace

// Keyframe panel --------------------------------------------------------------------------------------

void CJeuDialogAnimationsSprites::majPanneauKeyFrame()
{
    const int a = numAnimationSel, f = pSprite->getFrameCourante();
    // The getters answer their defaults for a missing animation or keyframe.
    const sf::Vector2f delta = pSprite->getKeyframeDelta(a, f);
    afficher(*this, IdAnm::myTextInputDxMere, CPLUX::ftos(delta.x));
    afficher(*this, IdAnm::myTextInputDyMere, CPLUX::ftos(delta.y));
    const sf::Vector2i aller = pSprite->getKeyframeGoto(a, f);
    afficher(*this, IdAnm::myTextInputGotoFrameAnim, CPLUX::itos(aller.x));
    afficher(*this, IdAnm::myTextInputNbGotoFrameAnim, CPLUX::itos(aller.y));
    cocher(*this, IdAnm::myButtonCheckSensLectureFrame, pSprite->isKeyframeSensInverse(a, f));
    cocher(*this, IdAnm::myButtonCheckFrameSensLectureSansChangement, pSprite->getKeyframeSensChange(a, f) != 0);
    colorer(*this, IdAnm::myColorFrameElements, pSprite->getKeyframeCouleur(a, f));

    retargeterScriptFrame(a, f);

    CPLUXControlComboBox* sons = ctrlComboBox(IdAnm::myComboBoxSonFrame);
    const CSPRITE3_KEYFRAME* kf = pSprite->isKeyframe(a, f) ? pSprite->getKeyframeEnForce(a, f) : nullptr;
    if (!kf) {
        cocher(*this, IdAnm::myButtonCheckPlaySonSiStop, false);
        if (sons)
            sons->setNumSel(0);
        afficher(*this, IdAnm::myTextInputScriptFrame, "");
        afficher(*this, IdAnm::myTextInputNbRunScript, "0");
        return;
    }
    if (sons && sons->getNbElements() > 1) {
        cocher(*this, IdAnm::myButtonCheckPlaySonSiStop, !kf->son.empty() && kf->bSonSiStop);
        choisirSon(sons, kf->son);
    }
    const bool script = !kf->script.empty();
    afficher(*this, IdAnm::myTextInputScriptFrame, script ? kf->script : "");
    afficher(*this, IdAnm::myTextInputNbRunScript, script ? CPLUX::itos(kf->nbExecutions) : "0");
}

// The frame script dialog follows the keyframe under the current frame. It is told only when
// that keyframe changes: the view refills the panels at every drawing while the sprite plays,
// and each retarget empties the dialog's list and its selection.
void CJeuDialogAnimationsSprites::retargeterScriptFrame(int animation, int frame)
{
    const bool surKeyframe = pSprite->isKeyframe(animation, frame);
    CibleScript cible;
    cible.sprite = surKeyframe ? pSprite : nullptr;
    cible.animation = surKeyframe ? animation : -1;
    cible.frame = surKeyframe ? frame : -1;
    cible.valide = true;
    if (cibleScript_.valide && cibleScript_.sprite == cible.sprite && cibleScript_.animation == cible.animation &&
        cibleScript_.frame == cible.frame)
        return;
    auto* dialogue = dynamic_cast<CJeuDialogScriptAnm*>(CPLUX::getDialog("JeuDialogScriptAnm"));
    if (!dialogue)
        return;
    cibleScript_ = cible;
    dialogue->editScriptFrame(surKeyframe ? pSprite : nullptr);
}

void CJeuDialogAnimationsSprites::ciblerScriptFrame()
{
    cibleScript_ = CibleScript();
    retargeterScriptFrame(numAnimationSel, pSprite->getFrameCourante());
}

void CJeuDialogAnimationsSprites::majNbExecutionsScript()
{
    const int a = numAnimationSel, f = pSprite->getFrameCourante();
    if (a == -1 || !pSprite->isKeyframe(a, f))
        return;
    CSPRITE3_KEYFRAME* kf = pSprite->getKeyframeEnForce(a, f);
    if (!kf || !ctrlTextInput(IdAnm::myTextInputNbRunScript) ||
        !editeur::lireNombre(*this, IdAnm::myTextInputNbRunScript, kf->nbExecutions))
        return;
    if (!kf->scriptVivant())
        return;
    // Made again with the new count.
    kf->supprimerScript();
    kf->creerScript(kf->script, nullptr);
}

// Anim-element panel ----------------------------------------------------------------------------------

namespace {
const char* const SAISIES_AE[] = {IdAnm::myTextInputAnimCourX,  IdAnm::myTextInputAnimCourY,
                                  IdAnm::myTextInputAnimCourSx, IdAnm::myTextInputAnimCourSy,
                                  IdAnm::myTextInputAnimCourOx, IdAnm::myTextInputAnimCourOy,
                                  IdAnm::myTextInputAnimCourAngle};
const char* const CASES_AE[] = {IdAnm::myButtonCheckElemAnimCourVisible, IdAnm::myButtonCheckAnimElementAvantPlan,
                                IdAnm::myButtonCheckAnimElementFilleVisible};
} // namespace

void CJeuDialogAnimationsSprites::majPanneauAE()
{
    const int a = numAnimationSel, e = numAnimElemSel, f = pSprite->getFrameCourante();
    const int nb = pSprite->getNbAnimElems(a);
    const CSPRITE3_KEYANIMELEM* cle = pSprite->getCle(a, f, e);
    if (a < 0 || e < 0 || e >= nb || nb < 1 || !cle) {
        for (const char* id : SAISIES_AE)
            afficher(*this, id, "");
        for (const char* id : CASES_AE)
            cocher(*this, id, false);
        colorer(*this, IdAnm::myColorFrameAE, sf::Color(255, 255, 255, 255));
        return;
    }
    // On a keyframe, or between keyframes without interpolation, the key itself; otherwise the
    // values interpolated from the keyframe in force.
    float valeurs[7];
    sf::Color c = cle->couleur;
    if (pSprite->isKeyframe(a, f) || !pSprite->getInterpolation(a)) {
        const float directes[7] = {cle->position.x, cle->position.y, cle->echelle.x, cle->echelle.y,
                                   cle->origine.x,  cle->origine.y,  cle->rotation};
        std::copy(std::begin(directes), std::end(directes), valeurs);
    } else {
        const int k = pSprite->getKeyframe(a, f);
        pSprite->calculerPentes(a, e, k, f);
        const int fk = pSprite->getKeyframeFrame(a, k);
        const float interpolees[7] = {pSprite->getXInterpole(a, e, k, f, fk, false),
                                      pSprite->getYInterpole(a, e, k, f, fk, false),
                                      pSprite->getSXInterpole(a, e, k, f, fk, false),
                                      pSprite->getSYInterpole(a, e, k, f, fk, false),
                                      cle->origine.x,
                                      cle->origine.y,
                                      pSprite->getRotationInterpolee(a, e, k, f, fk, false)};
        std::copy(std::begin(interpolees), std::end(interpolees), valeurs);
        c = pSprite->getCouleurInterpolee(a, e, k, f, fk, false);
    }
    for (int i = 0; i < 7; ++i)
        afficher(*this, SAISIES_AE[i], CPLUX::ftos(valeurs[i]));
    cocher(*this, IdAnm::myButtonCheckElemAnimCourVisible, cle->visible != 0);
    cocher(*this, IdAnm::myButtonCheckAnimElementAvantPlan, cle->avantPlan != 0);
    cocher(*this, IdAnm::myButtonCheckAnimElementFilleVisible, pSprite->getKeyframeFlag(a, f));
    colorer(*this, IdAnm::myColorFrameAE, c);
}
