// The animation editor's answers to its two questions, the change of page, the colour pickers,
// the hover over the anim-element list and the resize of the dialog.
#include "animeditor/ControlTimeline.h"
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"

#include "anim/Sprite3.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlColor.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTab.h"
#include "gui/OutilsControles.h"

#include <climits>

using editeur::afficher;
using editeur::cocher;

namespace {
// The zone a resize puts at the sheet's top-left corner, one pixel in.
constexpr float COTE_ZONE = 100.f;
} // namespace

// Questions ------------------------------------------------------------------------------------------------

void CJeuDialogAnimationsSprites::onMBClose(int handle, std::string id, bool answer1, bool answer2, bool answer3,
                                            std::string text)
{
    CPLUXDialog::onMBClose(handle, id, answer1, answer2, answer3, text);
    const int a = numAnimationSel;
    // "Non" keeps the count: the field shows it again, not the one refused.
    if (!answer1 && id == IDMB_CHANGE_NBFRAMES && pSprite->getAnim(a))
        afficher(*this, IdAnm::myTextInputAnimFrameNb, pSprite->getNbFrames(a));
    if (!answer1 || !pSprite->getAnim(a))
        return;
    if (id == IDMB_CHANGE_NBFRAMES)
        changerNbFrames(a, CPLUX::stoi(editeur::texte(*this, IdAnm::myTextInputAnimFrameNb)));
    else if (id == IDMBANIMAUTO)
        creerAnimationSimple(a);
    else
        return;
    // Keyframes may have gone: nothing may name them any more.
    oublierReferences(a);
    allerAFrame(pSprite->getFrameCourante());
}

// One frame per AE, each showing its AE alone at the sprite's origin, unscaled and unturned.
void CJeuDialogAnimationsSprites::creerAnimationSimple(int a)
{
    pSprite->supprimerKeyframes(a);
    const int n = pSprite->getNbAnimElems(a);
    for (int i = 0; i < n; ++i) {
        pSprite->ajouterKeyframe(a, i);
        // Written into the keys, the slopes worked out once below.
        for (int j = 0; j < n; ++j) {
            if (CSPRITE3_KEYANIMELEM* cle = pSprite->getCle(a, i, j)) {
                cle->element = pSprite->getElementAnimElem(a, j);
                cle->visible = i == j;
                cle->position = {0, 0};
                cle->origine = {0, 0};
                cle->echelle = {1, 1};
                cle->rotation = 0;
                cle->avantPlan = 0;
            }
        }
    }
    pSprite->recalculerPentes(a);
    pSprite->setNbFrames(a, n);
    majMarqueursTimeline(pSprite, pTimeline);
    afficher(*this, IdAnm::myTextInputAnimFrameNb, CPLUX::itos(pSprite->getNbFrames(a)));
    colorerListeAnimElemsCourante();
}

// Pages: the animation page is a still editing view; the preview plays on.
void CJeuDialogAnimationsSprites::onCtrlTabChange(CPLUXControlTab* c)
{
    CPLUXDialog::onCtrlTabChange(c);
    if (!c || c != pTab)
        return;
    const int onglet = c->getNumTabElemActif();
    if (onglet != ONGLET_APERCU)
        marquerAnimationApercu(-1);
    if (onglet == ONGLET_ANIMATION) {
        pSprite->bStopFin = true;
        pSprite->bPlay = false;
        cocher(*this, IdAnm::myButtonCheckPlayPauseAnim, false);
        pSprite->miroir = 1;
        // The preview played animations of its own choosing: the page shows the chosen one.
        if (pSprite->getAnim(numAnimationSel)) {
            pSprite->setAnimation(numAnimationSel, -1, false);
            allerAFrame(pSprite->getFrameCourante());
        }
    } else if (onglet == ONGLET_APERCU) {
        pSprite->bStopFin = false;
    }
}

// Colours -------------------------------------------------------------------------------------------------

void CJeuDialogAnimationsSprites::onCtrlColorChange(CPLUXControlColor* c)
{
    CPLUXDialog::onCtrlColorChange(c);
    if (!c)
        return;
    const std::string& id = c->getId();
    const sf::Color couleur = c->getColor();
    const int a = numAnimationSel;
    if (id == IdAnm::myColorFond) {
        pSprite->couleurFond = couleur;
        for (CPLUXControlImage* i : {pImageAnimation, pImageEtats, pImagePlanche})
            if (i)
                i->setColorCadre(couleur);
    } else if (id == IdAnm::myColorGlobale) {
        pSprite->couleurGlobale = couleur;
    } else if (id == IdAnm::myColorFrameElements) {
        // Only the keyframe shown: off a keyframe there is nothing of this frame to colour.
        if (pSprite->getAnim(a) && !refuserHorsKeyframe(false))
            pSprite->setKeyframeCouleur(a, pSprite->getFrameCourante(), couleur);
    } else if (id == IdAnm::myColorFrameAE) {
        if (!refuserHorsKeyframe(true))
            pSprite->setKeyAnimElemCouleur(a, pSprite->getFrameCourante(), numAnimElemSel, couleur);
    }
}

// Hover over the AE list: its line's AE is framed in the view, unless another weapon's.
bool CJeuDialogAnimationsSprites::onMouseIn(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onMouseIn(w, x, y, c);
    if (!c || c->getId() != IdAnm::myListAnimationElements)
        return true;
    const auto* l = dynamic_cast<const CPLUXControlList*>(c);
    const int ligne = l ? l->getMouseOnLine() : -1;
    if (ligne < 0)
        return true;
    // The first column counts the AEs from 1.
    const int numero = CPLUX::stoi(l->getText(ligne));
    const int n = numero == INT_MIN ? -1 : numero - 1;
    const CSPRITE3_ELEMENT* el = pSprite->getElement(pSprite->getElementAnimElem(numAnimationSel, n));
    if (el && (el->arme == -1 || el->arme == pSprite->armeCourante))
        numAnimElemSurvol = n;
    return true;
}

// The timeline over its placeholder; the zone back at the sheet's corner, where its
// rectangle in sheet pixels follows it.
bool CJeuDialogAnimationsSprites::onResize(int w, int h)
{
    CPLUXDialog::onResize(w, h);
    const CPLUXControl* place = getControl(IdAnm::myImageTimeLine);
    if (pTimeline && place) {
        pTimeline->setPosition(place->getLeft(), place->getTop());
        pTimeline->setVisibleDimension(place->getWidth(), place->getHeight());
    }
    if (pZonePlanche && pImagePlanche) {
        pZonePlanche->setPosition(pImagePlanche->getLeft() + 1, pImagePlanche->getTop() + 1);
        pZonePlanche->setVisibleDimension(COTE_ZONE, COTE_ZONE);
        rectZonePlanche =
            ecranVersImage(IdAnm::myImagePlancheSprites, pImagePlanche->getLeft() + 1, pImagePlanche->getTop() + 1,
                           COTE_ZONE, COTE_ZONE);
    }
    return true;
}
