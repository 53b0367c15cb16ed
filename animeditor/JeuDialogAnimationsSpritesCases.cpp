// Check buttons of the animation editor: display options of the views, flags of the sprite, of
// the selected animation, of its keyframe at the current frame, of the selected anim element
// and of the selected sheet element, the aim switch and the view's edit mode.
#include "animeditor/ControlTimeline.h"
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"

#include "anim/Sprite3.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/OutilsControles.h"

#include <algorithm>
#include <unordered_map>

using editeur::afficher;
using editeur::cocher;

namespace {
using D = CJeuDialogAnimationsSprites;
using R = AnmUndoRecord;
using Action = void (*)(D&, bool coche);
using Table = std::unordered_map<std::string, Action>;

constexpr long long DEGRES_VISEE = 180;
const char* const CASES_FILLE[] = {IdAnm::myButtonCheckAfficheFilleAvant, IdAnm::myButtonCheckAfficheFilleEntre,
                                   IdAnm::myButtonCheckAfficheFilleApres};
const char* const BOUTONS_LISTE_AE[] = {IdAnm::myButtonMonterAnimElem, IdAnm::myButtonDescendreAnimElem,
                                        IdAnm::myButtonCopieAE, IdAnm::myButtonColleAE,
                                        IdAnm::myButtonSupprimerElementAnimation};

bool animation(const D& d) { return d.pSprite->getAnim(d.numAnimationSel) != nullptr; }
// No AE chosen: its checks are emptied, as nothing takes them.
bool sansAE(D& d)
{
    if (d.pSprite->getAnimElem(d.numAnimationSel, d.numAnimElemSel))
        return false;
    d.viderPanneauAnimElem();
    return true;
}
int frame(const D& d) { return d.pSprite->getFrameCourante(); }
CSPRITE3_ELEMENT* element(D& d) { return d.pSprite->getElement(d.elementSel); }

// The daughter is drawn before the mother (0), between its two passes (1) or after it (2); the
// three checks show the mode, as the animation's panel does.
void modeFille(D& d, int mode, bool coche)
{
    if (coche)
        d.pSprite->setModeAnimationFille(d.numAnimationSel, mode);
    const int actuel = d.pSprite->getModeAnimationFille(d.numAnimationSel);
    if (animation(d))
        for (int i = 0; i < 3; ++i)
            cocher(d, CASES_FILLE[i], i == actuel);
}

// An element sized after its sub-sprite's animation takes the global rectangle's size.
void taillesLiees(D& d, bool coche)
{
    CSPRITE3_ELEMENT* el = element(d);
    if (!el)
        return;
    el->bTailles = coche;
    const CSPRITE3* lie = el->pSpriteLie;
    if (!coche || !lie || !lie->getAnim(lie->getAnimation()))
        return;
    sf::FloatRect r;
    lie->getRectGlobal(r, lie->getAnimation());
    el->rect.width = r.width;
    el->rect.height = r.height;
    d.appliquerTailleMaillage();
}

// A stopped sprite unticked goes back to its first frame; stopped, the frame it shows is the
// chosen one.
void lecture(D& d, bool coche)
{
    if (!coche && !d.pSprite->bPlay)
        d.pSprite->setFrameCourante(0);
    d.pSprite->bPlay = coche;
    if (!coche && animation(d))
        d.allerAFrame(frame(d));
}

// The key's flag before the change is recorded, then the panel is written (no child moves).
void drapeauAE(D& d, const char* type, bool avant)
{
    if (animation(d))
        d.modifierPanneauAE(type, avant ? 1.f : 0.f, 0, 0, 0);
}

// An aim animation has at least a frame per degree of a half turn; a count of frames per
// degree of 0 (possible in a file) stands for 1.
void visee(D& d, bool coche)
{
    const int a = d.numAnimationSel;
    if (!animation(d))
        return d.viderPanneauAnimation();
    d.pSprite->setVisee(a, coche);
    if (d.pTimeline)
        d.pTimeline->setModeVisee(coche);
    if (!coche)
        return;
    const int parDegre = std::max(1, d.pSprite->getNbFramesVisee(a));
    if (d.pTimeline)
        d.pTimeline->setNbFramesParDegre(parDegre);
    long long n = d.pSprite->getNbFrames(a);
    if (n < DEGRES_VISEE)
        n = parDegre * DEGRES_VISEE;
    d.changerNbFrames(a, n);
}

// Flat list (0) with the buttons that reorder it, or the AE tree (1).
void styleListeAE(D& d, bool coche)
{
    d.styleAE = coche ? 0 : 1;
    for (const char* id : BOUTONS_LISTE_AE)
        if (CPLUXControl* b = d.getControl(id))
            b->setVisible(coche);
    d.majListeAnimElems();
}

void sonSiArret(D& d, bool coche)
{
    const int a = d.numAnimationSel;
    if (!animation(d) || !d.pSprite->isKeyframe(a, frame(d)))
        return;
    if (CSPRITE3_KEYFRAME* kf = d.pSprite->getKeyframeEnForce(a, frame(d)))
        kf->bSonSiStop = coche;
    d.majPanneauKeyFrame();
}

// The list's colours follow the frame shown, keyframe or not.
void colorerAE(D& d) { d.colorerListeAnimElemsCourante(); }

void verrouAE(D& d, bool coche)
{
    if (sansAE(d))
        return;
    d.pSprite->setAnimElemVerrou(d.numAnimationSel, d.numAnimElemSel, coche);
    colorerAE(d);
}

// Shown and pickable in the editor.
void optionAE(D& d, bool coche)
{
    if (sansAE(d))
        return;
    d.pSprite->getAnimElem(d.numAnimationSel, d.numAnimElemSel)->option = coche;
    colorerAE(d);
}

// The daughter's own flag lets the mother's KF_DELTA move it.
void decalageMere(D& d, bool coche)
{
    const CSPRITE3_ANIMATION* an = d.pSprite->getAnim(d.numAnimationSel);
    if (CSPRITE3_ANIMATION* fille = an ? d.pSprite->getAnim(an->fille) : nullptr)
        fille->bDeltaActif = coche;
}

void sensInverse(D& d, bool coche)
{
    if (!animation(d) || d.refuserHorsKeyframe(false))
        return;
    d.pSprite->setKeyframeSensInverse(d.numAnimationSel, frame(d), coche);
    d.majMarqueursTimeline(d.pSprite, d.pTimeline);
    afficher(d, IdAnm::myTextInputAnimFrameNb, d.pSprite->getNbFrames(d.numAnimationSel));
}

const Table& casesSprite()
{
    static const Table table = {
        {IdAnm::myButtonCheckNomsVisibles, [](D& d, bool c) { d.bNomsVisibles = c; }},
        {IdAnm::myButtonCheckLienTailleElemAnim, taillesLiees},
        {IdAnm::myButtonCheckGrillePlanche,
         [](D& d, bool c) {
             if (d.pImagePlanche)
                 d.pImagePlanche->setGrid(c);
             d.pSprite->bGrilleVisible = c;
         }},
        {IdAnm::myButtonCheckReculTir, [](D& d, bool c) { d.pSprite->bReculArme = c; }},
        {IdAnm::myButtonCheckAfficheCheminAnimation, [](D& d, bool c) { d.bAfficheCheminAnimation = c; }},
        {IdAnm::myButtonCheckPlayPauseAnim, lecture},
        {IdAnm::myButtonCheckTousShadersActifs, [](D& d, bool c) { d.pSprite->bShadersTous = c; }},
        {IdAnm::myButtonCheckAfficherFille, [](D& d, bool c) { d.pSprite->bDessinerFille = c; }},
        {IdAnm::myButtonCheckAfficherMere, [](D& d, bool c) { d.pSprite->bDessinerMere = c; }},
        {IdAnm::myButtonCheckScriptsActifs, [](D& d, bool c) { d.pSprite->bScriptsFrames = c; }},
        {IdAnm::myButtonCheckDrawHierarchie, [](D& d, bool c) { d.bDrawHierarchie = !c; }},
        {IdAnm::myButtonCheckLectureAnimBoucle, [](D& d, bool c) { d.pSprite->bBoucle = c; }},
        {IdAnm::myButtonCheckGrilleAnimation, [](D& d, bool c) { d.bGrilleAnimation = c; }},
        {IdAnm::myButtonCheckOptionQuadrillage, [](D& d, bool c) { d.bQuadrillage = c; }},
        {IdAnm::myButtonCheckModeSizeMoveRot, [](D& d, bool) { d.setModeMaillage(false); }},
        {IdAnm::myButtonCheckModeMaillage, [](D& d, bool) { d.setModeMaillage(true); }},
        {IdAnm::myButtonCheckLockAnimElemSel, [](D& d, bool c) { d.bLockAnimElemSel = c; }},
        {IdAnm::myButtonCheckSuiviSourisVisee,
         [](D& d, bool c) {
             d.bSuiviSourisVisee = c;
             d.majPoigneesAE(d.numAnimationSel, frame(d), d.numAnimElemSel);
         }},
        {IdAnm::myButtonCheckCadreTousElements, [](D& d, bool c) { d.bCadreTousElements = c; }},
        {IdAnm::myButtonCheckCadreSurSelection, [](D& d, bool c) { d.bCadreSurSelection = c; }},
        {IdAnm::myButtonCheckAfficheRectGlobal, [](D& d, bool c) { d.bAfficheRectGlobal = c; }},
        {IdAnm::myButtonCheckAfficheRectHitbox, [](D& d, bool c) { d.bAfficheRectHitbox = c; }},
        {IdAnm::myButtonCheckUseSpriteColor,
         [](D& d, bool c) {
             if (CSPRITE3_ELEMENT* el = element(d))
                 el->bCouleurGlobale = c;
         }},
        {IdAnm::myButtonCheckLienAnmDirection,
         [](D& d, bool c) {
             if (CSPRITE3_ELEMENT* el = element(d))
                 el->bAnmDirLien = c;
         }},
        {IdAnm::myButtonCheckAEStyle, styleListeAE},
    };
    return table;
}

const Table& casesAnimation()
{
    static const Table table = {
        {IdAnm::myButtonCheckAnimElementAvantPlan,
         [](D& d, bool) {
             drapeauAE(d, R::FAE_AVP,
                       d.pSprite->isKeyAnimElemAvantPlan(d.numAnimationSel, frame(d), d.numAnimElemSel));
         }},
        {IdAnm::myButtonCheckAnimElementFilleVisible,
         [](D& d, bool) {
             if (animation(d))
                 d.modifierPanneauAE(nullptr, 0, 0, 0, 0);
         }},
        {IdAnm::myButtonCheckFrameSensLectureSansChangement,
         [](D& d, bool c) {
             if (animation(d) && !d.refuserHorsKeyframe(false))
                 d.pSprite->setKeyframeSensChange(d.numAnimationSel, frame(d), c);
         }},
        {IdAnm::myButtonCheckAfficheFilleAvant, [](D& d, bool c) { modeFille(d, 0, c); }},
        {IdAnm::myButtonCheckAfficheFilleEntre, [](D& d, bool c) { modeFille(d, 1, c); }},
        {IdAnm::myButtonCheckAfficheFilleApres, [](D& d, bool c) { modeFille(d, 2, c); }},
        {IdAnm::myButtonCheckViseeMarcheSoubressaut,
         [](D& d, bool c) {
             if (CSPRITE3_ANIMATION* an = d.pSprite->getAnim(d.numAnimationSel))
                 an->bSoubressaut = c;
         }},
        {IdAnm::myButtonCheckLockAnimElem, verrouAE},
        {IdAnm::myButtonCheckDecalageMere, decalageMere},
        {IdAnm::myButtonCheckVisibleAnimElem, optionAE},
        {IdAnm::myButtonCheckShaderActif,
         [](D& d, bool c) {
             if (sansAE(d))
                 return;
             d.pSprite->setShaderActif(d.numAnimationSel, d.numAnimElemSel, c);
         }},
        {IdAnm::myButtonCheckAnimAvecInterpolation,
         [](D& d, bool c) {
             if (!animation(d))
                 return d.viderPanneauAnimation();
             d.pSprite->setInterpolation(d.numAnimationSel, c);
         }},
        {IdAnm::myButtonCheckElemAnimCourVisible,
         [](D& d, bool) {
             drapeauAE(d, R::FAE_VISIBLE,
                       d.pSprite->isKeyAnimElemVisible(d.numAnimationSel, frame(d), d.numAnimElemSel));
         }},
        {IdAnm::myButtonCheckTimelineVisee, visee},
        {IdAnm::myButtonCheckSensLectureFrame, sensInverse},
        {IdAnm::myButtonCheckEmetteurParticules,
         [](D& d, bool c) {
             if (sansAE(d))
                 return;
             // Kept with the emitter only: without one the file has nowhere to keep it.
             if (!d.pSprite->hasEmetteur(d.numAnimationSel, d.numAnimElemSel)) {
                 cocher(d, IdAnm::myButtonCheckEmetteurParticules, false);
                 CPLUX::MessageBoxW(d.getTitleW(), L"Valeur non gardée : l'AE n'a pas d'émetteur (« Émetteur ± » "
                                                   L"en ajoute un).");
                 return;
             }
             d.pSprite->setEmetteurActif(d.numAnimationSel, d.numAnimElemSel, c);
         }},
        {IdAnm::myButtonCheckOmbreActive,
         [](D& d, bool c) {
             if (!animation(d))
                 return d.viderPanneauAnimation();
             d.pSprite->setOmbre(d.numAnimationSel, c);
         }},
        {IdAnm::myButtonCheckPlaySonSiStop, sonSiArret},
    };
    return table;
}
} // namespace

void CJeuDialogAnimationsSprites::onCtrlCheckChange(CPLUXControlButtonCheck* c)
{
    CPLUXDialog::onCtrlCheckChange(c);
    if (!c)
        return;
    const bool coche = c->isChecked();
    for (const Table* table : {&casesSprite(), &casesAnimation()}) {
        const auto it = table->find(c->getId());
        if (it != table->end()) {
            it->second(*this, coche);
            return;
        }
    }
}
