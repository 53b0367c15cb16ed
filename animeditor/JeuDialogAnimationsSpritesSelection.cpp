// The three selection lists of the animation editor: a sheet element, an animation or an anim
// element chosen sets the selection and fills every panel that shows it.
#include "animeditor/ControlTimeline.h"
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"
#include "animeditor/JeuDialogEventsAnm.h"

#include "anim/Sprite3.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTab.h"
#include "gui/OutilsControles.h"

#include <algorithm>
#include <string>

using editeur::afficher;
using editeur::choisirLigne;
using editeur::choisirTexte;
using editeur::cocher;

namespace {
// An aim animation has a frame per degree from 0 to 180, or more.
constexpr int DEGRES_VISEE = 180;
constexpr long long MAX_FRAMES_VISEE = 2000000000;
const char* const SAISIES_ELEMENT[] = {IdAnm::myTextInputNomElement, IdAnm::myTextInputElementOx,
                                       IdAnm::myTextInputElementOy, IdAnm::myTextInputMaillageNbCols,
                                       IdAnm::myTextInputMaillageNbLignes};
const char* const CASES_FILLE[] = {IdAnm::myButtonCheckAfficheFilleAvant, IdAnm::myButtonCheckAfficheFilleEntre,
                                   IdAnm::myButtonCheckAfficheFilleApres};
} // namespace

void CJeuDialogAnimationsSprites::onCtrlListChange(CPLUXControlList* c)
{
    CPLUXDialog::onCtrlListChange(c);
    if (!c)
        return;
    const std::string& id = c->getId();
    if (id == IdAnm::myListElementsPlanche)
        elementChoisi(c);
    else if (id == IdAnm::myListAnimations)
        animationChoisie(c);
    else if (id == IdAnm::myListAnimationElements)
        animElemChoisi(c);
}

// Sheet elements ---------------------------------------------------------------------------------------
//
// The selection zone goes onto the chosen element; without one it stays where it is. The
// element inputs show the zone's rectangle in sheet pixels either way.

void CJeuDialogAnimationsSprites::elementChoisi(CPLUXControlList* l)
{
    if (!pZonePlanche)
        return;
    const int e = l->getNumSel();
    const CSPRITE3_ELEMENT* el = pSprite->getElement(e);
    elementSel = el ? e : -1;
    if (!el) {
        const sf::FloatRect z = pZonePlanche->getRect();
        rectZonePlanche = ecranVersImage(IdAnm::myImagePlancheSprites, z.left, z.top, z.width, z.height);
        pZonePlanche->setLineThickness(1);
        for (const char* id : SAISIES_ELEMENT)
            afficher(*this, id, "");
        cocher(*this, IdAnm::myButtonCheckUseSpriteColor, false);
        for (const char* id :
             {IdAnm::myComboBoxLienElement, IdAnm::myComboBoxArmeElement, IdAnm::myComboBoxLienElementAnim})
            choisirLigne(*this, id, 0);
        afficher(*this, IdAnm::myTextInputElementImageExt, "");
    } else {
        rectZonePlanche = el->rect;
        pZonePlanche->setLineThickness(2);
        const sf::FloatRect z = imageVersEcran(IdAnm::myImagePlancheSprites, el->rect.left, el->rect.top,
                                               el->rect.width, el->rect.height);
        pZonePlanche->setPosition(z.left, z.top);
        pZonePlanche->setVisibleDimension(z.width, z.height);
        afficher(*this, IdAnm::myTextInputNomElement, el->nom);
        const sf::Vector2f o = pSprite->getOrigineElement(e);
        afficher(*this, IdAnm::myTextInputElementOx, CPLUX::ftos(o.x));
        afficher(*this, IdAnm::myTextInputElementOy, CPLUX::ftos(o.y));
        choisirLigne(*this, IdAnm::myComboBoxArmeElement, el->arme + 1LL);
        choisirLigne(*this, IdAnm::myComboBoxLienElement, el->elementLie + 1LL);
        cocher(*this, IdAnm::myButtonCheckUseSpriteColor, el->bCouleurGlobale);
        cocher(*this, IdAnm::myButtonCheckLienAnmDirection, el->bAnmDirLien);
        cocher(*this, IdAnm::myButtonCheckLienTailleElemAnim, el->bTailles);
        const sf::Vector2i m = pSprite->getMaillageElement(e);
        afficher(*this, IdAnm::myTextInputMaillageNbCols, CPLUX::itos(m.x - 1));
        afficher(*this, IdAnm::myTextInputMaillageNbLignes, CPLUX::itos(m.y - 1));
        creerPoigneesMaillagePlanche();
        placerPoigneesMaillagePlanche(e);
        majComboAnmBase(false);
        majCombosLienElementAnim();
        afficher(*this, IdAnm::myTextInputElementImageExt, el->strImage);
    }
    afficher(*this, IdAnm::myTextInputElementX, CPLUX::ftos(rectZonePlanche.left));
    afficher(*this, IdAnm::myTextInputElementY, CPLUX::ftos(rectZonePlanche.top));
    afficher(*this, IdAnm::myTextInputElementL, CPLUX::ftos(rectZonePlanche.width));
    afficher(*this, IdAnm::myTextInputElementH, CPLUX::ftos(rectZonePlanche.height));
}

// Animations -------------------------------------------------------------------------------------------------

void CJeuDialogAnimationsSprites::animationChoisie(CPLUXControlList* l)
{
    const int a = l->getNumSel();
    const CSPRITE3_ANIMATION* an = pSprite->getAnim(a);
    numAnimationSel = an ? a : -1;
    // The anim elements listed are the new animation's: none of them is chosen yet. (Refilled
    // first, the list would choose the old index again, in the new animation.)
    numAnimElemSel = -1;
    if (!an) {
        majListeAnimElems();
        viderPanneauAnimation();
        pSprite->setAnimation2(-1, -1);
        majMarqueursTimeline(pSprite, pTimeline);
        return;
    }
    afficher(*this, IdAnm::myTextInputNomAnimation, an->nom);
    afficher(*this, IdAnm::myTextInputAnimFrameNb, pSprite->getNbFrames(a));
    afficher(*this, IdAnm::myTextInputVitesseAnimCour, pSprite->getVitesseAnim(a));
    pSprite->setAnimation(a, -1, true);
    if (pTab && pTab->getNumTabElemActif() == ONGLET_APERCU && !pSprite->isVisee(a))
        pSprite->setFrameCourante(0);
    majListeAnimElems();
    placerPoigneesRect(a);
    cocher(*this, IdAnm::myButtonCheckAnimAvecInterpolation, pSprite->getInterpolation(a));
    cocher(*this, IdAnm::myButtonCheckTimelineVisee, pSprite->isVisee(a));
    if (pTimeline) {
        const CPLUXControlButtonCheck* visee = ctrlButtonCheck(IdAnm::myButtonCheckTimelineVisee);
        pTimeline->setModeVisee(visee ? visee->isChecked() : pSprite->isVisee(a));
    }
    if (pSprite->isVisee(a))
        viseeChoisie(a);
    else
        afficher(*this, IdAnm::myTextInputNbFramesVisee, pSprite->getNbFramesVisee(a));
    panneauAnimation(a);
    majComboAnimationFille();
    choisirLigne(*this, IdAnm::myComboBoxAnimationFille, an->fille + 1LL);
    if (bNouvelleMere) {
        numAnimationMere = a;
        numAnimationFilleSel = -1;
        numAnimationComboMereFilles = 0;
        numLigneMereFilles = 0;
    }
    bNouvelleMere = true;
    choisirTexte(*this, IdAnm::myComboBoxEtatJeu, pSprite->getEtatAnimation(a));
    majComboAnimationMereFilles();
    majComboAnimationLienAE();
    majMarqueursTimeline(pSprite, pTimeline);
    // The frame shown is the one chosen: a keyframe there takes what the AE panel is given.
    allerAFrame(pSprite->getFrameCourante());
}

// Bounce, shadow, daughter and the animation that follows.
// No animation chosen: its fields show nothing of the one chosen before, and a value typed or
// ticked there, which nothing takes, goes as it came.
void CJeuDialogAnimationsSprites::viderPanneauAnimation()
{
    for (const char* id :
         {IdAnm::myTextInputNomAnimation, IdAnm::myTextInputSoubressautBorneInf, IdAnm::myTextInputSoubressautBorneSup,
          IdAnm::myTextInputSoubressautMax, IdAnm::myTextInputSoubressautVitesse, IdAnm::myTextInputOmbreRot,
          IdAnm::myTextInputOmbreDx, IdAnm::myTextInputOmbreDy, IdAnm::myTextInputOmbreEcraseX,
          IdAnm::myTextInputOmbreEcraseY, IdAnm::myTextInputNbFramesVisee,
          IdAnm::myTextInputNbLecturesAvantNouvelleAnim, IdAnm::myTextInputNumAnimACharger})
        afficher(*this, id, "");
    afficher(*this, IdAnm::myTextInputAnimFrameNb, "0");
    afficher(*this, IdAnm::myTextInputVitesseAnimCour, "1");
    for (const char* id : {IdAnm::myButtonCheckViseeMarcheSoubressaut, IdAnm::myButtonCheckOmbreActive,
                           IdAnm::myButtonCheckAnimAvecInterpolation, IdAnm::myButtonCheckTimelineVisee})
        cocher(*this, id, false);
    for (const char* id : CASES_FILLE)
        cocher(*this, id, false);
}

void CJeuDialogAnimationsSprites::panneauAnimation(int a)
{
    const CSPRITE3_ANIMATION* an = pSprite->getAnim(a);
    cocher(*this, IdAnm::myButtonCheckViseeMarcheSoubressaut, an->bSoubressaut);
    afficher(*this, IdAnm::myTextInputSoubressautBorneInf, an->borneInf);
    afficher(*this, IdAnm::myTextInputSoubressautBorneSup, an->borneSup);
    afficher(*this, IdAnm::myTextInputSoubressautMax, an->maxSoubressaut);
    afficher(*this, IdAnm::myTextInputSoubressautVitesse, an->vitesseSoubressaut);
    cocher(*this, IdAnm::myButtonCheckOmbreActive, pSprite->hasOmbre(a));
    afficher(*this, IdAnm::myTextInputOmbreRot, pSprite->getOmbreRotation(a));
    afficher(*this, IdAnm::myTextInputOmbreDx, pSprite->getOmbreDecalage(a).x);
    afficher(*this, IdAnm::myTextInputOmbreDy, pSprite->getOmbreDecalage(a).y);
    afficher(*this, IdAnm::myTextInputOmbreEcraseX, pSprite->getOmbreEcrasement(a).x);
    afficher(*this, IdAnm::myTextInputOmbreEcraseY, pSprite->getOmbreEcrasement(a).y);
    const int mode = pSprite->getModeAnimationFille(a);
    for (int i = 0; i < 3; ++i)
        cocher(*this, CASES_FILLE[i], i == mode);
    cocher(*this, IdAnm::myButtonCheckAfficherFille, pSprite->bDessinerFille);
    // The daughter's own flag: whether the mother's keyframes offset it (KF_DELTA).
    if (const CSPRITE3_ANIMATION* fille = pSprite->getAnim(an->fille))
        cocher(*this, IdAnm::myButtonCheckDecalageMere, fille->bDeltaActif != 0);
    afficher(*this, IdAnm::myTextInputNbLecturesAvantNouvelleAnim, std::to_string(an->nbLecturesGoto + 1LL));
    afficher(*this, IdAnm::myTextInputNumAnimACharger, std::to_string(an->animGoto + 1LL));
}

// An aim animation shorter than its degrees gets a frame count of its frames per degree times
// 180 (a count of 0, possible from a file, stands for 1); its aim circle comes with it.
void CJeuDialogAnimationsSprites::viseeChoisie(int a)
{
    const int parDegre = std::max(1, pSprite->getNbFramesVisee(a));
    long long n = pSprite->getNbFrames(a);
    if (n < DEGRES_VISEE)
        n = std::min(static_cast<long long>(parDegre) * DEGRES_VISEE, MAX_FRAMES_VISEE);
    pSprite->setNbFrames(a, static_cast<int>(n));
    const int nb = pSprite->getNbFrames(a);
    if (pTimeline) {
        pTimeline->setNbFrames(nb);
        pTimeline->setNbFramesParDegre(parDegre);
    }
    afficher(*this, IdAnm::myTextInputAnimFrameNb, nb);
    afficher(*this, IdAnm::myTextInputNbFramesVisee, parDegre);
    rayonVisee = pSprite->getCercleViseeRayon(a);
    const float r = static_cast<float>(rayonVisee);
    cercleVisee.setRadius(r);
    cercleVisee.setOrigin(r, r);
    cercleVisee.setPosition(pSprite->getCercleViseePos(a));
}

// Anim elements ----------------------------------------------------------------------------------------------
//
// A line reads its AE's number (from 1) in its first column: in tree style lines and AEs
// are not in the same order.

void CJeuDialogAnimationsSprites::animElemChoisi(CPLUXControlList* l)
{
    numAnimElemSelPrec = numAnimElemSel;
    if (l->getNumSel() != -1) {
        const int ae = CPLUX::stoi(l->getTextSel()) - 1;
        numAnimElemSel = ae >= 0 && ae < pSprite->getNbAnimElems(numAnimationSel) ? ae : -1;
    }
    const int a = numAnimationSel;
    if (pSprite->getAnim(a) && pSprite->getFrameCourante() < pSprite->getNbFrames(a)) {
        if (numAnimElemSel != -1)
            panneauxAnimElem(a, numAnimElemSel);
    }
    if (!pSprite->getAnimElem(a, numAnimElemSel))
        viderPanneauAnimElem();
    majComboAnimationLienAE();
    if (auto* evenements = dynamic_cast<CJeuDialogEventsAnm*>(CPLUX::getDialog("JeuDialogEventsAnm")))
        evenements->setElement(pSprite, numAnimationSel, numAnimElemSel);
}

// No AE chosen: the AE's own settings show nothing of the one chosen before; ticked, they
// are ticked back off (nothing takes them).
void CJeuDialogAnimationsSprites::viderPanneauAnimElem()
{
    afficher(*this, IdAnm::myTextInputNomAnimElem, "");
    for (const char* id : {IdAnm::myButtonCheckLockAnimElem, IdAnm::myButtonCheckVisibleAnimElem,
                           IdAnm::myButtonCheckShaderActif, IdAnm::myButtonCheckEmetteurParticules})
        cocher(*this, id, false);
    choisirLigne(*this, IdAnm::myComboBoxShadersVert, 0);
    choisirLigne(*this, IdAnm::myComboBoxShadersFrag, 0);
}

void CJeuDialogAnimationsSprites::panneauxAnimElem(int a, int ae)
{
    const int e = pSprite->getElementAnimElem(a, ae);
    // The element list reports the change: the element's panel follows.
    if (CPLUXControlList* elements = ctrlList(IdAnm::myListElementsPlanche))
        elements->setNumSel(e);
    const CSPRITE3_ELEMENT* el = pSprite->getElement(e);
    const CSPRITE3_ANIMELEM* animElem = pSprite->getAnimElem(a, ae);
    afficher(*this, IdAnm::myTextInputNomAnimElem,
             animElem && !animElem->nom.empty() ? animElem->nom : el ? el->nom : std::string());
    cocher(*this, IdAnm::myButtonCheckLockAnimElem, pSprite->getAnimElemVerrou(a, ae));
    if (el && el->arme >= 0) {
        choisirLigne(*this, IdAnm::myComboBoxEtatsListeArmes, el->arme + 1LL);
        choisirLigne(*this, IdAnm::myComboBoxArmes, el->arme + 1LL);
    }
    cocher(*this, IdAnm::myButtonCheckVisibleAnimElem, pSprite->getAnimElemOption(a, ae));
    initSelectionMaillage();
    majPanneauAE();
    majPoigneesAE(a, pSprite->getFrameCourante(), ae);
    cocher(*this, IdAnm::myButtonCheckShaderActif, pSprite->isShaderActif(a, ae));
    choisirTexte(*this, IdAnm::myComboBoxShadersVert, pSprite->getShaderVert(a, ae));
    choisirTexte(*this, IdAnm::myComboBoxShadersFrag, pSprite->getShaderFrag(a, ae));
    cocher(*this, IdAnm::myButtonCheckEmetteurParticules, pSprite->isEmetteurActif(a, ae));
    afficher(*this, IdAnm::myButtonNewDelEmetteur, texteBoutonEmetteur(pSprite->hasEmetteur(a, ae)));
}
