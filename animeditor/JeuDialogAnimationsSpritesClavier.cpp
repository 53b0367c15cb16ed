// Keyboard shortcuts of the animation editor: deselect the anim element, show or hide the sheet
// zone, copy and paste a frame, undo, the view's edit mode, how a click selects mesh points,
// and three saved mesh selections per sheet element.
#include "animeditor/ControlTimeline.h"
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"

#include "anim/Sprite3.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTab.h"
#include "gui/OutilsControles.h"

#include <string>

using editeur::afficher;
using editeur::cocher;
using Touche = sf::Keyboard::Key;

namespace {
// The selected circles of the mesh selection are filled in this red.
constexpr sf::Uint8 ROUGE_CHOISI = 255;

// Ctrl+Numpad n: how a click selects mesh points.
const wchar_t* const MODES_SELECTION[] = {L"Sélection maillage : point simple", L"Sélection maillage : toute la ligne",
                                          L"Sélection maillage : toute la colonne",
                                          L"Sélection maillage : ligne et colonne"};

// The slot of a number-row key, 0 to 3; -1 for any other key.
int slotTouche(Touche t)
{
    switch (t) {
    case Touche::Num0: return 0;
    case Touche::Num1: return 1;
    case Touche::Num2: return 2;
    case Touche::Num3: return 3;
    default: return -1;
    }
}

int modeTouche(Touche t)
{
    switch (t) {
    case Touche::Numpad0: return 0;
    case Touche::Numpad1: return 1;
    case Touche::Numpad2: return 2;
    case Touche::Numpad3: return 3;
    default: return -1;
    }
}
} // namespace

void CJeuDialogAnimationsSprites::onKeyPress(const sf::Event::KeyEvent& k)
{
    CPLUXDialog::onKeyPress(k);
    const int onglet = pTab ? pTab->getNumTabElemActif() : -1;
    if (k.code == Touche::Escape) {
        if (onglet == ONGLET_ANIMATION) {
            numAnimElemSel = -1;
            numAnimElemSelPrec = -1;
            if (CPLUXControlList* l = ctrlList(IdAnm::myListAnimationElements))
                l->setNumSel(-1);
        }
        return;
    }
    if (k.code == Touche::LShift && onglet == ONGLET_PLANCHE) {
        if (pZonePlanche)
            pZonePlanche->setVisible(!pZonePlanche->isVisible());
        return;
    }
    if (k.control && toucheControle(k.code, onglet))
        return;
    if (k.shift && toucheSelectionMaillage(k.code, k.control))
        return;
    if (k.code == Touche::RShift) {
        bLockAnimElemSel = !bLockAnimElemSel;
        cocher(*this, IdAnm::myButtonCheckLockAnimElemSel, bLockAnimElemSel);
    }
}

// True when the key was one of the Control shortcuts (acting or not).
bool CJeuDialogAnimationsSprites::toucheControle(sf::Keyboard::Key code, int onglet)
{
    const bool vue = onglet == ONGLET_ANIMATION;
    if (code == Touche::C) {
        if (vue)
            copierFrameCourante();
        return true;
    }
    if (code == Touche::V) {
        if (vue && bCopieFrame)
            collerFrame();
        return true;
    }
    if (code == Touche::Z) {
        if (vue && !listeAnnulations.empty())
            annulerDerniereAction();
        return true;
    }
    if (code == Touche::D) {
        setModeMaillage(!bModeMaillage);
        return true;
    }
    const int mode = modeTouche(code);
    if (mode < 0)
        return false;
    modeSelectionMaillage = mode;
    afficherMessage(MODES_SELECTION[mode]);
    return true;
}

void CJeuDialogAnimationsSprites::setModeMaillage(bool maillage)
{
    bModeMaillage = maillage;
    cocher(*this, IdAnm::myButtonCheckModeMaillage, maillage);
    cocher(*this, IdAnm::myButtonCheckModeSizeMoveRot, !maillage);
}

// Frames ------------------------------------------------------------------------------------------------

void CJeuDialogAnimationsSprites::copierFrameCourante()
{
    bCopieFrame = true;
    numAnimationCopie = numAnimationSel;
    numFrameCopie = pSprite->getFrame(numAnimationSel);
    numAnimElemCopie = numAnimElemSel;
}

// The whole frame, or only the AE selected at the copy, and that only onto a keyframe.
void CJeuDialogAnimationsSprites::collerFrame()
{
    const int a = numAnimationSel;
    if (!pSprite->getAnim(a) || !pSprite->getAnim(numAnimationCopie) || numFrameCopie < 0 ||
        numFrameCopie >= pSprite->getNbFrames(numAnimationCopie))
        return;
    const int f = pSprite->getFrame(a);
    // An AE alone has no keyframe to go into there: said as "Appliquer frame" says it.
    if (numAnimElemCopie != -1 && !pSprite->isKeyframe(a, f)) {
        CPLUX::MessageBoxW(getTitleW(), L"Rien n'est collé : la frame " + CPLUX::itows(f) +
                                            L" n'est pas une keyframe (« Ajouter clé » en fait une).");
        return;
    }
    int colle = 0;
    if (numAnimElemCopie == -1)
        colle = pSprite->copierFrame(numAnimationCopie, numFrameCopie, a, f);
    else
        colle = pSprite->appliquerInterpolationKeyframe(numAnimationCopie, numFrameCopie, a, f, numAnimElemCopie);
    majMarqueursTimeline(pSprite, pTimeline);
    afficher(*this, IdAnm::myTextInputAnimFrameNb, pSprite->getNbFrames(a));
    // A whole frame pasted between keyframes made one: the panels show what the frame holds now.
    if (colle)
        allerAFrame(pSprite->getFrameCourante());
}

// Saved mesh selections ----------------------------------------------------------------------------------
//
// Each sheet element keeps three selections of its mesh points (by point index) and the
// number of the slot last used; they are saved in the ".anm" file.

bool CJeuDialogAnimationsSprites::toucheSelectionMaillage(sf::Keyboard::Key code, bool controle)
{
    const int slot = code == Touche::Delete ? -2 : slotTouche(code);
    if (slot == -1)
        return false;
    CSPRITE3_ELEMENT* el = pSprite->getElement(pSprite->getElementAnimElem(numAnimationSel, numAnimElemSel));
    if (!el)
        return true;
    if (!controle) {
        if (slot >= 1)
            sauverSelectionMaillage(*el, slot);
        return true;
    }
    if (slot >= 1) {
        restaurerSelectionMaillage(*el, slot);
        return true;
    }
    if (slot == -2) {
        const int dernier = el->derniereSelection;
        if (dernier >= 1 && dernier <= 3)
            el->selections[dernier - 1].clear();
        afficherMessage(L"Sélection maillage n°" + CPLUX::itows(dernier) + L" supprimée !");
    } else {
        afficherMessage(L"Pas de sélection");
    }
    el->derniereSelection = 0;
    initSelectionMaillage();
    majPoigneesAE(numAnimationSel, pSprite->getFrameCourante(), numAnimElemSel);
    return true;
}

// No point chosen: the slot keeps what it held, and the message says why.
void CJeuDialogAnimationsSprites::sauverSelectionMaillage(CSPRITE3_ELEMENT& el, int slot)
{
    std::vector<int> points;
    for (const auto& [point, cercle] : selectionMaillage)
        if (cercle.getFillColor().r == ROUGE_CHOISI)
            points.push_back(point);
    const std::wstring n = CPLUX::itows(slot);
    if (points.empty()) {
        afficherMessage(L"Aucun point de maillage choisi (Ctrl+clic) : sélection n°" + n + L" inchangée");
        return;
    }
    el.derniereSelection = slot;
    el.selections[slot - 1] = std::move(points);
    afficherMessage(L"Sélection maillage n°" + n + L" sauvegardé : SHIFT+CTRL+" + n +
                    L" pour appliquer cette sélection à nouveau");
}

// The selection is rebuilt from the slot (as when the AE is chosen): points that are no
// longer points of the element are passed over.
void CJeuDialogAnimationsSprites::restaurerSelectionMaillage(CSPRITE3_ELEMENT& el, int slot)
{
    el.derniereSelection = slot;
    const std::wstring n = CPLUX::itows(slot);
    if (el.selections[slot - 1].empty()) {
        afficherMessage(L"Sélection maillage n°" + n + L" vide : SHIFT+" + n +
                        L" pour sauver une sélection pour un élément");
        return;
    }
    initSelectionMaillage();
    majPoigneesAE(numAnimationSel, pSprite->getFrameCourante(), numAnimElemSel);
    afficherMessage(L"Sélection maillage n°" + n + L" restaurée");
}
