// Anim-element copy, shader, particle, state and script-dialog buttons of the animation
// editor: an AE copied and pasted into another animation, its checked channels applied to
// other keyframes, the shader and particle dialogs opened on it, its emitter added or
// removed, the shader lists read again, a state name added, the script dialogs shown or
// hidden. A dialog that is not there is left alone.
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"
#include "animeditor/JeuDialogEventsAnm.h"
#include "animeditor/JeuDialogScriptAnm.h"
#include "editor/JeuDialogPhysParticulesOptions.h"
#include "editor/JeuDialogShaderVERT.h"

#include "anim/Sprite3.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTextInput.h"

namespace {
const char* const CANAUX[] = {IdAnm::myButtonCheckCAEVisible,  IdAnm::myButtonCheckCAEAvplan,
                              IdAnm::myButtonCheckCAEPosition, IdAnm::myButtonCheckCAEOrigine,
                              IdAnm::myButtonCheckCAERotation, IdAnm::myButtonCheckCAEEchelle,
                              IdAnm::myButtonCheckCAEMaillage};

void cocherCanaux(const CPLUXDialog& d, bool b)
{
    for (const char* id : CANAUX)
        if (CPLUXControlButtonCheck* c = d.ctrlButtonCheck(id))
            c->setCheck(b);
}

// Shown when hidden, hidden when shown; the dialog when it has just been shown.
template <class Dialogue>
Dialogue* basculer(const char* id)
{
    auto* d = dynamic_cast<Dialogue*>(CPLUX::getDialog(id));
    if (!d)
        return nullptr;
    if (CPLUX::isDialogVisible(id)) {
        CPLUX::hide(id);
        return nullptr;
    }
    CPLUX::show(id);
    return d;
}
} // namespace

void CJeuDialogAnimationsSprites::boutonsAnimElems(TableBoutons& t)
{
    using D = CJeuDialogAnimationsSprites;
    t[IdAnm::myButtonCopieAE] = [](D& d, const AppuiGauche&) {
        d.numAnimationCopieAE = d.numAnimationSel;
        d.numAnimElemCopieAE = d.numAnimElemSel;
        d.numFrameCopieAE = d.pSprite->getFrameCourante();
    };
    t[IdAnm::myButtonColleAE] = [](D& d, const AppuiGauche&) { d.collerAE(); };
    t[IdAnm::myButtonCopieAESelRien] = [](D& d, const AppuiGauche&) { cocherCanaux(d, false); };
    t[IdAnm::myButtonCopieAESelTout] = [](D& d, const AppuiGauche&) { cocherCanaux(d, true); };
    t[IdAnm::myButtonAppliquerFrame] = [](D& d, const AppuiGauche&) { d.appliquerVersFrame(); };
    t[IdAnm::myButtonAppliquerMaillageToutesFrames] = [](D& d, const AppuiGauche&) { d.appliquerAEKeyframes(-1); };
    t[IdAnm::myButtonAppliquerMaillageFrameSuiv] = [](D& d, const AppuiGauche&) { d.appliquerVersKeyframeVoisine(1); };
    t[IdAnm::myButtonAppliquerMaillageFramePrec] = [](D& d, const AppuiGauche&) { d.appliquerVersKeyframeVoisine(-1); };
    t[IdAnm::myButtonShowOptionsShaders] = [](D& d, const AppuiGauche&) { d.montrerOptionsShaders(); };
    t[IdAnm::myButtonShowOptionsParticules] = [](D& d, const AppuiGauche&) { d.montrerOptionsParticules(); };
    t[IdAnm::myButtonReloadShaders] = [](D& d, const AppuiGauche&) { d.remplirCombosShaders(); };
    t[IdAnm::myButtonNewDelEmetteur] = [](D& d, const AppuiGauche& p) { d.basculerEmetteur(p.fenetre); };
    t[IdAnm::myButtonAddEtat] = [](D& d, const AppuiGauche&) { d.ajouterEtat(); };
    // Shown from here, the script dialog edits the frame's script; shown on an AE's event
    // script (from the events dialog), it comes back to the frame's instead of hiding.
    t[IdAnm::myButtonScriptAnmInterne] = [](D& d, const AppuiGauche&) {
        const auto* script = dynamic_cast<CJeuDialogScriptAnm*>(CPLUX::getDialog("JeuDialogScriptAnm"));
        if ((script && script->bScriptAE && CPLUX::isDialogVisible("JeuDialogScriptAnm")) ||
            basculer<CJeuDialogScriptAnm>("JeuDialogScriptAnm"))
            d.ciblerScriptFrame();
    };
    t[IdAnm::myButtonEventsAE] = [](D& d, const AppuiGauche&) {
        if (auto* evenements = basculer<CJeuDialogEventsAnm>("JeuDialogEventsAnm"))
            evenements->setElement(d.pSprite, d.numAnimationSel, d.numAnimElemSel, true);
    };
}

// What the copied AE is now (not when it was copied), appended to the selected animation.
// Nothing to paste (no copy, or the AEs of the copied one's animation changed since): the
// message over the view says so.
void CJeuDialogAnimationsSprites::collerAE()
{
    if (!pSprite->getAnimElem(numAnimationCopieAE, numAnimElemCopieAE)) {
        afficherMessage(L"Aucun AE copié (« Copier AE » sur l'AE à coller) : rien de collé");
        return;
    }
    if (!pSprite->getAnim(numAnimationSel))
        return;
    pSprite->collerAnimElem(numAnimationCopieAE, numAnimationSel, numAnimElemCopieAE, numFrameCopieAE);
    majListeAnimElems();
}

// Into the keyframe typed in its field. A frame that is no number is refused (the field is
// emptied); one that is no keyframe, or no AE to copy from, is refused with a box.
void CJeuDialogAnimationsSprites::appliquerVersFrame()
{
    CPLUXControlTextInput* c = ctrlTextInput(IdAnm::myTextInputNumFrameAppliquer);
    int n = -1;
    if (c && !CPLUXControlTextInput::lireEntier(c->getText(), n)) {
        c->refuserNombre(std::string(), false);
        return;
    }
    const int a = numAnimationSel;
    if (pSprite->getAnimElem(a, numAnimElemSel) && pSprite->isKeyframe(a, n)) {
        appliquerAEKeyframes(n);
        return;
    }
    const std::wstring pourquoi = !pSprite->getAnimElem(a, numAnimElemSel)
                                      ? L"aucun AE n'est choisi."
                                      : L"la frame " + CPLUX::itows(n) +
                                            L" n'est pas une keyframe (« Ajouter clé » en fait une).";
    CPLUX::MessageBoxW(getTitleW(), L"Rien n'est appliqué : " + pourquoi);
}

// Into the keyframe after (1) or before (-1) the one in force at the current frame.
void CJeuDialogAnimationsSprites::appliquerVersKeyframeVoisine(int sens)
{
    const CSPRITE3_ANIMATION* anim = pSprite->getAnim(numAnimationSel);
    if (!anim)
        return;
    const int k = pSprite->getKeyframe(numAnimationSel, pSprite->getFrameCourante());
    const int voisine = k + sens, n = static_cast<int>(anim->keyframes.size());
    if (k < 0 || k >= n || voisine < 0 || voisine >= n)
        return;
    appliquerAEKeyframes(pSprite->getKeyframeFrame(numAnimationSel, voisine));
}

void CJeuDialogAnimationsSprites::montrerOptionsShaders()
{
    CSPRITE3_ANIMELEM* ae = pSprite->getAnimElem(numAnimationSel, numAnimElemSel);
    auto* dialogue = dynamic_cast<CJeuDialogShaderVERT*>(CPLUX::getDialog("JeuDialogShader"));
    if (!ae || !dialogue)
        return;
    dialogue->disableControl("btnMinimize");
    dialogue->show(getHwnd());
    dialogue->pUniformsVert = &ae->uniformsVert;
    dialogue->pUniformsFrag = &ae->uniformsFrag;
    dialogue->init();
}

void CJeuDialogAnimationsSprites::montrerOptionsParticules()
{
    CSPRITE3_ANIMELEM* ae = pSprite->getAnimElem(numAnimationSel, numAnimElemSel);
    auto* dialogue =
        dynamic_cast<CJeuDialogPhysParticulesOptions*>(CPLUX::getDialog("JeuDialogPhysParticulesOptions"));
    if (!ae || !dialogue)
        return;
    dialogue->disableControl("btnMinimize");
    dialogue->show(getHwnd());
    dialogue->init(ae->pParticules.get(), pSprite);
}

const char* CJeuDialogAnimationsSprites::texteBoutonEmetteur(bool aUnEmetteur)
{
    return aUnEmetteur ? "Retirer émetteur" : "Ajouter émetteur";
}

// The particle dialog lets go of an emitter before it is deleted.
void CJeuDialogAnimationsSprites::basculerEmetteur(sf::RenderWindow* fenetre)
{
    const int a = numAnimationSel, ae = numAnimElemSel;
    if (!pSprite->getAnimElem(a, ae))
        return;
    CPLUXControlButton* bouton = ctrlButton(IdAnm::myButtonNewDelEmetteur);
    if (pSprite->hasEmetteur(a, ae)) {
        if (auto* dialogue =
                dynamic_cast<CJeuDialogPhysParticulesOptions*>(CPLUX::getDialog("JeuDialogPhysParticulesOptions")))
            dialogue->init(nullptr, nullptr);
        pSprite->supprimerEmetteur(a, ae);
        if (bouton)
            bouton->setButtonText(texteBoutonEmetteur(false));
    } else {
        pSprite->ajouterEmetteur(fenetre, nullptr, a, ae);
        if (bouton)
            bouton->setButtonText(texteBoutonEmetteur(true));
    }
}

// A name already there is refused: its link stays, the box names it.
void CJeuDialogAnimationsSprites::ajouterEtat()
{
    const CPLUXControl* saisie = getControl(IdAnm::myTextInputNomEtat);
    const std::string nom = CSPRITE3::nomFichier(saisie ? saisie->getText() : std::string());
    if (nom.empty())
        return;
    if (const auto it = pSprite->etats.find(nom); it != pSprite->etats.end()) {
        const CSPRITE3_ANIMATION* lie = pSprite->getAnim(it->second);
        CPLUX::MessageBoxW(getTitle(), "L'état « " + nom + " » existe déjà : " +
                                           (lie ? "il reste lié à l'animation " + lie->nom + "." : "il n'est lié à aucune animation."));
        return;
    }
    pSprite->etats[nom] = -1;
    if (CPLUXControlComboBox* c = ctrlComboBox(IdAnm::myComboBoxEtatJeu))
        c->AddElement(nom);
    if (CPLUXControlList* l = ctrlList(IdAnm::myListEtats))
        l->AddElement(nom);
}
