// The anim-script editor: its targets (a keyframe's script or an AE event's script), the list
// filled from the target and written back into it, and the command catalogue in its combo.
#include "animeditor/JeuDialogScriptAnm.h"

#include "anim/InterpreteurAnm.h"
#include "anim/ScriptAnm.h"
#include "anim/Sprite3.h"
#include "gui/CPLUXControlList.h"

namespace {
const char* const BOUTONS_LIGNES[] = {"myButtonAddInstruction", "myButtonDelInstruction", "myButtonEditInstruction"};
const sf::Color COULEUR_LIGNES(50, 50, 50, 200);
constexpr int TAILLE_LIGNES = 12;
// Second columns once the dialog is wide enough: the dialog's width less these.
constexpr int MARGE_COL2_LISTE = 300;
constexpr int MARGE_COL2_COMBO = 250;
} // namespace

// Targets ------------------------------------------------------------------------------------------

void CJeuDialogScriptAnm::editScriptFrame(CSPRITE3* sprite)
{
    // The keyframe in force at the current frame; none without an animation or keyframes.
    int a = -1, fk = -1;
    if (sprite && sprite->getAnim(sprite->getAnimation()) &&
        !sprite->getAnim(sprite->getAnimation())->keyframes.empty()) {
        a = sprite->getAnimation();
        const int f = sprite->getFrameCourante();
        fk = sprite->getKeyframeFrame(a, sprite->getKeyframe(a, f));
    }
    if (!bScriptAE && cibleFrameConnue_ && pSprite == sprite && animationKeyframe == a && frameKeyframe == fk)
        return;
    setTitle(TITRE_FRAME);
    pSprite = sprite;
    bScriptAE = false;
    animationKeyframe = a;
    frameKeyframe = fk;
    cibleFrameConnue_ = true;
    remplirListe();
}

void CJeuDialogScriptAnm::editScriptAE(CSPRITE3* sprite, int animation, int animElem, const std::string& event)
{
    setTitle(TITRE_AE);
    bScriptAE = true;
    pSprite = sprite;
    numAnimation = animation;
    numAnimElem = animElem;
    strEvent = event;
    cibleFrameConnue_ = false;
    remplirListe();
}

CScriptAnm* CJeuDialogScriptAnm::getScriptCible() const
{
    if (!pSprite)
        return nullptr;
    if (!bScriptAE) {
        // Only while the keyframe shown still stands there: the frame may have moved since.
        if (!pSprite->isKeyframe(animationKeyframe, frameKeyframe))
            return nullptr;
        CSPRITE3_KEYFRAME* kf = pSprite->getKeyframeEnForce(animationKeyframe, frameKeyframe);
        return kf ? &kf->scp : nullptr;
    }
    CSPRITE3_ANIMELEM* ae = pSprite->getAnimElem(numAnimation, numAnimElem);
    if (!ae)
        return nullptr;
    // A lookup that never makes an entry: an event without a script stays without one.
    auto it = ae->evenements.find(strEvent);
    return it == ae->evenements.end() ? nullptr : &it->second;
}

void CJeuDialogScriptAnm::remplirListe()
{
    const CScriptAnm* script = getScriptCible();
    if (CPLUXControlList* l = ctrlList(LISTE)) {
        l->reset();
        if (script)
            script->getLignes(l);
    }
    for (const char* id : BOUTONS_LIGNES)
        if (CPLUXControl* b = getControl(id))
            b->setActive(script != nullptr);
}

void CJeuDialogScriptAnm::sauverLignes()
{
    CScriptAnm* script = getScriptCible();
    CPLUXControlList* l = ctrlList(LISTE);
    if (script && l)
        script->setLignes(l);
}

// Events ---------------------------------------------------------------------------------------------

void CJeuDialogScriptAnm::onCreate()
{
    CPLUXDialog::onCreate();
    if (CPLUXControlList* l = ctrlList(LISTE)) {
        l->setVisibleCol2(true);
        l->setLargeurCol2(LARGEUR_COL2_LISTE);
        l->initFont(TAILLE_LIGNES, COULEUR_LIGNES);
        l->setUnselectIfNotOnLines(true);
        l->reset();
    }
    if (CPLUXControlComboBox* c = ctrlComboBox(COMBO)) {
        c->setRoll(true);
        c->setVisibleCol2(true);
        c->setLargeurCol2(LARGEUR_COL2_COMBO);
        c->reset();
        // The interpreter's own table: the editor offers exactly what it runs.
        for (const EntreeCatalogueAnm& e : CInterpreteurAnm::catalogue()) {
            c->AddElement(e.commande);
            c->AddElementCol2(e.signature);
        }
    }
    remplirListe();
}

bool CJeuDialogScriptAnm::onResize(int w, int h)
{
    CPLUXDialog::onResize(w, h);
    if (getWidth() > LARGEUR_MIN_COLONNES) {
        if (CPLUXControlList* l = ctrlList(LISTE))
            l->setLargeurCol2(w - MARGE_COL2_LISTE);
        if (CPLUXControlComboBox* c = ctrlComboBox(COMBO))
            c->setLargeurCol2(w - MARGE_COL2_COMBO);
    }
    return true;
}

// A chosen line preselects its command, for a replacement or an insertion.
void CJeuDialogScriptAnm::onCtrlListChange(CPLUXControlList* c)
{
    CPLUXDialog::onCtrlListChange(c);
    if (!c || c->getId() != LISTE)
        return;
    if (CPLUXControlComboBox* combo = ctrlComboBox(COMBO))
        combo->setStrSel(c->getTextSel());
}

// The combo's choice is read when a button is pressed or the combo is right-pressed.
void CJeuDialogScriptAnm::onCtrlComboChange(CPLUXControlComboBox* c) { CPLUXDialog::onCtrlComboChange(c); }
