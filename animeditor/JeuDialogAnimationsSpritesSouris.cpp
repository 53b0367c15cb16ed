// The mouse in the animation editor's views: the sheet's selection zone moved or resized,
// right presses (frames on the timeline, an AE's editor visibility, a new AE, the sheet's
// mesh), and the drag steps: on the sheet, on the zone (an element's origin), in the
// animation view (the selected AE's corners, origin and rotation handles, or the AE itself,
// one undo record per drag; the mesh in mesh mode) and the right drags (aim circle, pan).
#include "animeditor/ControlTimeline.h"
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"

#include "anim/Sprite3.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlList.h"
#include "gui/OutilsControles.h"

#include <algorithm>
#include <cmath>

using tuv::floatVersInt;

namespace {
bool fini(sf::Vector2f v) { return std::isfinite(v.x) && std::isfinite(v.y); }
} // namespace

// The selection zone ---------------------------------------------------------------------------------

void CJeuDialogAnimationsSprites::onCtrlMove(CPLUXControl* c)
{
    CPLUXDialog::onCtrlMove(c);
    if (c && c == pZonePlanche)
        zoneDeplacee(false);
}

void CJeuDialogAnimationsSprites::onCtrlSizeChange(CPLUXControl* c)
{
    CPLUXDialog::onCtrlSizeChange(c);
    if (c && c == pZonePlanche)
        zoneDeplacee(true);
}

// The zone in sheet pixels: a move keeps its size there, a resize takes all four values.
void CJeuDialogAnimationsSprites::zoneDeplacee(bool taille)
{
    if (!pZonePlanche)
        return;
    const sf::FloatRect z = pZonePlanche->getRect();
    const sf::FloatRect r = ecranVersImage(IdAnm::myImagePlancheSprites, z.left, z.top, z.width, z.height);
    rectZonePlanche.left = r.left;
    rectZonePlanche.top = r.top;
    if (taille) {
        rectZonePlanche.width = r.width;
        rectZonePlanche.height = r.height;
    }
    editeur::afficher(*this, IdAnm::myTextInputElementX, CPLUX::ftos(rectZonePlanche.left));
    editeur::afficher(*this, IdAnm::myTextInputElementY, CPLUX::ftos(rectZonePlanche.top));
    editeur::afficher(*this, IdAnm::myTextInputElementL, CPLUX::ftos(rectZonePlanche.width));
    editeur::afficher(*this, IdAnm::myTextInputElementH, CPLUX::ftos(rectZonePlanche.height));
}

// Right presses --------------------------------------------------------------------------------------

bool CJeuDialogAnimationsSprites::onPressRight(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressRight(w, x, y, c);
    if (!c)
        return true;
    const std::string& id = c->getId();
    if (c == pTimeline || id == IdAnm::maTimelineSpriteAnimation) {
        // Control deletes the current frame, else a frame is inserted there.
        changerFrames(!CPLUX::isKeyCtrlPress());
    } else if (id == IdAnm::myListAnimationElements) {
        CSPRITE3_ANIMELEM* ae = pSprite->getAnimElem(numAnimationSel, numAnimElemSel);
        if (!ae)
            return true;
        ae->option = !ae->option;
        editeur::cocher(*this, IdAnm::myButtonCheckVisibleAnimElem, ae->option != 0);
        colorerListeAnimElems(numKeyFrameSel);
    } else if (id == IdAnm::myListElementsPlanche) {
        ajouterAnimElemSel();
    } else if (c == pImagePlanche) {
        bChercherCercleMaillage = true;
    }
    return true;
}

// Left drag steps -------------------------------------------------------------------------------------

bool CJeuDialogAnimationsSprites::onClicLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    // With Control the zone stays put: the drag places the element's origin in it.
    const bool origine = c && c == pZonePlanche && CPLUX::isKeyCtrlPress();
    if (!origine)
        CPLUXDialog::onClicLeft(w, x, y, c);
    if (!c)
        return true;
    if (c == pImagePlanche) {
        // A drag on the sheet lets the element go (the library sends a step at every frame
        // the button is held: a click that lasts leaves the element chosen).
        const sf::Vector2f d = c->getDragDelta();
        if (elementSel != -1 && (d.x != 0 || d.y != 0)) {
            elementSel = -1;
            if (pZonePlanche)
                pZonePlanche->setLineThickness(1);
            finDragCercleMaillagePlanche(w, x, y, c);
        }
    } else if (origine) {
        const float s = pImagePlanche ? pImagePlanche->getScale() : 0.f;
        if (!pSprite->getElement(elementSel) || !(s > 0))
            return true;
        pSprite->setOrigineElement(elementSel, (static_cast<float>(x - getLeft()) - pZonePlanche->getLeft()) / s,
                                   (static_cast<float>(y - getTop()) - pZonePlanche->getTop()) / s);
        const sf::Vector2f o = pSprite->getOrigineElement(elementSel);
        editeur::afficher(*this, IdAnm::myTextInputElementOx, CPLUX::ftos(o.x));
        editeur::afficher(*this, IdAnm::myTextInputElementOy, CPLUX::ftos(o.y));
    } else if (c == pImageAnimation) {
        // The first step grabs what lies under the press: the library's first step may
        // already carry the mouse's movement.
        if (bDebutDrag) {
            const sf::Vector2f d = c->getDragDelta();
            x -= floatVersInt(d.x);
            y -= floatVersInt(d.y);
        }
        if (deplacerPoigneesRect(x, y))
            return true;
        if (bModeMaillage) {
            selectionnerDansVue(w, x, y, c);
            return true;
        }
        const bool premierPas = bDebutDrag;
        bDebutDrag = false;
        if (premierPas && choisirPoigneeAE({static_cast<float>(x - getLeft()), static_cast<float>(y - getTop())}) ==
                              ChoixDrag::Panner)
            pannerVue();
        else
            etapeEditionAE(premierPas);
    }
    return true;
}

// Where the view draws an AE's position (dialog pixels) and with which rotation: the hit test
// of its handles turns the mouse back about that point.
sf::Vector2f CJeuDialogAnimationsSprites::ancreAE(int animation, int frame, int animElem, float* rotation)
{
    const ValeursAE v = valeursAE(animation, frame, animElem);
    if (rotation)
        *rotation = v.rotation;
    return placeEcranAE(v.position, false) + decalageFille(animation, frame);
}

// The first step of a drag: the handle of the selected AE under the mouse (with Control only
// its origin), else, unless the selection is locked, the AE under the mouse becomes the
// selected one; nothing there: the drag pans.
CJeuDialogAnimationsSprites::ChoixDrag CJeuDialogAnimationsSprites::choisirPoigneeAE(sf::Vector2f souris)
{
    poigneeAE = PoigneeAE::Aucune;
    const int a = numAnimationSel, f = pSprite->getFrameCourante();
    if (!pSprite->getAnim(a))
        return numAnimElemSel != -1 ? ChoixDrag::Editer : ChoixDrag::Panner;
    const bool ctrl = CPLUX::isKeyCtrlPress();
    if (pSprite->getCle(a, f, numAnimElemSel)) {
        float rotation = 0;
        const sf::Vector2f P = ancreAE(a, f, numAnimElemSel, &rotation);
        const sf::Vector2f M = tournerPoint(souris.x, souris.y, rotation, P.x, P.y);
        auto touche = [&](const char* cle) {
            const sf::Vector2f h = P + zoom * mapPoignees[cle].getOrigin();
            return std::hypot(M.x - h.x, M.y - h.y) <= static_cast<float>(rayonPoignee);
        };
        if (ctrl) {
            if (touche("O"))
                poigneeAE = PoigneeAE::O;
            return ChoixDrag::Editer;
        }
        const std::pair<const char*, PoigneeAE> ordre[] = {{"HG", PoigneeAE::HG}, {"HD", PoigneeAE::HD},
                                                           {"BG", PoigneeAE::BG}, {"BD", PoigneeAE::BD},
                                                           {"R", PoigneeAE::R}};
        for (const auto& [cle, poignee] : ordre)
            if (touche(cle)) {
                poigneeAE = poignee;
                return ChoixDrag::Editer;
            }
    } else if (ctrl) {
        return ChoixDrag::Editer;
    }
    if (bLockAnimElemSel)
        return numAnimElemSel != -1 ? ChoixDrag::Editer : ChoixDrag::Panner;
    const int pris = animElemSous(floatVersInt(souris.x), floatVersInt(souris.y), f, true);
    if (pris == -1)
        return ChoixDrag::Panner;
    // Picked again, the selected AE would lose its mesh selection to the list's refresh.
    if (pris != numAnimElemSel)
        choisirLigneAnimElem(pris);
    return ChoixDrag::Editer;
}

int CJeuDialogAnimationsSprites::enfantsSelonTouches()
{
    return (CPLUX::isKeyCtrlPress() ? 0 : AnmUndoRecord::ENFANTS_POSITIONS) |
           (CPLUX::isKeyAltPress() ? 0 : AnmUndoRecord::ENFANTS_ECHELLES);
}

// Every step: the held handle or the AE follows the mouse, on a keyframe of the selected
// animation and an AE that is not locked; while the sprite plays the drag pans.
void CJeuDialogAnimationsSprites::etapeEditionAE(bool premierPas)
{
    if (pSprite->bPlay || (!premierPas && numAnimElemSel == -1)) {
        pannerVue();
        return;
    }
    const int a = numAnimationSel, f = pSprite->getFrameCourante(), ae = numAnimElemSel;
    if (!pSprite->getAnim(a) || !pSprite->isKeyframe(a, f) || !pSprite->getCle(a, f, ae) ||
        pSprite->getAnimElemVerrou(a, ae) || !pImageAnimation || !(zoom > 0))
        return;
    const sf::Vector2f delta = pImageAnimation->getDragDelta();
    // The movement in the AE's own axes.
    const sf::Vector2f d =
        tournerPoint(delta.x / zoom, delta.y / zoom, pSprite->getKeyAnimElemRotation(a, f, ae), 0, 0);
    switch (poigneeAE) {
    case PoigneeAE::HG:
    case PoigneeAE::HD:
    case PoigneeAE::BG:
    case PoigneeAE::BD:
        if (premierPas) {
            const CSPRITE3_KEYANIMELEM& cle = *pSprite->getCle(a, f, ae);
            ajouterAnnulation(AnmUndoRecord::FAE_SCALE, a, f, ae, cle.echelle.x, cle.echelle.y, cle.position.x,
                              cle.position.y, enfantsSelonTouches());
        }
        editerEchelleAE(a, f, ae, d);
        break;
    case PoigneeAE::O: {
        const sf::Vector2f o = pSprite->getKeyAnimElemOrigine(a, f, ae);
        if (premierPas)
            ajouterAnnulation(AnmUndoRecord::FAE_ORIGIN, a, f, ae, o.x, o.y, 0, 0, 0);
        if (fini(o + d))
            pSprite->setKeyAnimElemOrigine(a, f, ae, o.x + d.x, o.y + d.y);
        majPoigneesAE(a, f, ae);
        majPanneauAE();
        break;
    }
    case PoigneeAE::R: editerRotationAE(a, f, ae, d, premierPas); break;
    case PoigneeAE::Aucune: deplacerAE(a, f, ae); break;
    }
}

// A corner handle: the AE's size along each axis grows by the movement, the opposite corner
// staying; Control scales both axes from the vertical movement. An axis of no size keeps its
// scale and position (no ratio).
void CJeuDialogAnimationsSprites::editerEchelleAE(int a, int f, int ae, sf::Vector2f d)
{
    const CSPRITE3_KEYANIMELEM& cle = *pSprite->getCle(a, f, ae);
    const sf::Vector2f p = cle.position, s = cle.echelle, o = cle.origine;
    const sf::FloatRect r = pSprite->getRectElement(pSprite->getElementAnimElem(a, ae));
    const bool ctrl = CPLUX::isKeyCtrlPress(), alt = CPLUX::isKeyAltPress();
    const bool gauche = poigneeAE == PoigneeAE::HG || poigneeAE == PoigneeAE::BG;
    const bool haut = poigneeAE == PoigneeAE::HG || poigneeAE == PoigneeAE::HD;
    const float u = ctrl ? d.y : d.x;
    sf::Vector2f echelle = s, position = p;
    if (r.width != 0) {
        echelle.x = (r.width * s.x + (gauche ? -u : u)) / r.width;
        position.x = p.x + (gauche ? r.width - o.x : o.x) * u / r.width;
    }
    if (r.height != 0) {
        echelle.y = (r.height * s.y + (haut ? -d.y : d.y)) / r.height;
        position.y = p.y + (haut ? r.height - o.y : o.y) * d.y / r.height;
    }
    if (fini(echelle) && fini(position)) {
        pSprite->setKeyAnimElemEchelle(a, f, ae, echelle.x, echelle.y, !ctrl, !alt);
        pSprite->setKeyAnimElemPosition(a, f, ae, position.x, position.y, !ctrl);
    }
    majPoigneesAE(a, f, ae);
    majPanneauAE();
}

// One unit of horizontal movement in the AE's axes turns it by one degree; the angle stays
// within a turn either way.
void CJeuDialogAnimationsSprites::editerRotationAE(int a, int f, int ae, sf::Vector2f d, bool premierPas)
{
    const float r = pSprite->getKeyAnimElemRotation(a, f, ae);
    const bool ctrl = CPLUX::isKeyCtrlPress(), alt = CPLUX::isKeyAltPress();
    if (premierPas)
        ajouterAnnulation(AnmUndoRecord::FAE_ROT, a, f, ae, r, ctrl ? 0.f : 1.f, 0, 0, enfantsSelonTouches());
    const long long angle = (static_cast<long long>(floatVersInt(r)) + floatVersInt(d.x)) % 360;
    pSprite->setKeyAnimElemRotation(a, f, ae, static_cast<float>(angle), !ctrl, !alt);
    majPoigneesAE(a, f, ae);
    majPanneauAE();
}

// The AE follows the mouse in the view's axes. The record is taken at the first step that
// moves: the library's first step after a press often carries no movement.
void CJeuDialogAnimationsSprites::deplacerAE(int a, int f, int ae)
{
    const sf::Vector2f delta = pImageAnimation->getDragDelta();
    if (delta.x == 0 && delta.y == 0) {
        majPanneauAE();
        return;
    }
    const bool ctrl = CPLUX::isKeyCtrlPress();
    const sf::Vector2f p = pSprite->getCle(a, f, ae)->position;
    const sf::Vector2f n(p.x + delta.x / zoom, p.y + delta.y / zoom);
    if (!fini(n))
        return;
    if (bAnnulationDeplacement) {
        ajouterAnnulation(AnmUndoRecord::FAE_MOVE, a, f, ae, p.x, p.y, ctrl ? 0.f : 1.f, 0,
                          ctrl ? 0 : AnmUndoRecord::ENFANTS_POSITIONS);
        bAnnulationDeplacement = false;
    }
    pSprite->setKeyAnimElemPosition(a, f, ae, n.x, n.y, !ctrl);
    majPanneauAE();
}

// Right drag steps ------------------------------------------------------------------------------------

bool CJeuDialogAnimationsSprites::onClicRight(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onClicRight(w, x, y, c);
    if (!c)
        return true;
    if (c == pImagePlanche) {
        finDragCercleMaillagePlanche(w, x, y, c);
    } else if (c == pImageEtats) {
        pannerVueSansDeselection(pImageEtats);
    } else if (c == pImageAnimation) {
        const sf::Vector2f d = pImageAnimation->getDragDelta();
        if (CPLUX::isKeyShiftPress()) {
            // The aim circle, in view pixels.
            if (!fini(cercleVisee.getPosition() + d))
                return true;
            cercleVisee.move(d);
            pSprite->setCercleViseePos(numAnimationSel, cercleVisee.getPosition().x, cercleVisee.getPosition().y);
        } else if (CPLUX::isKeyCtrlPress()) {
            // Its radius, never below 1: a circle of no size could not be taken again.
            rayonVisee = std::max(1, floatVersInt(static_cast<float>(rayonVisee) + d.x));
            const float r = static_cast<float>(rayonVisee);
            cercleVisee.setOrigin(r, r);
            cercleVisee.setRadius(r);
            pSprite->setCercleViseeRayon(numAnimationSel, rayonVisee);
        } else {
            pannerVueSansDeselection(pImageAnimation);
        }
    }
    return true;
}

// The views' centre follows the drag of that image.
void CJeuDialogAnimationsSprites::pannerVueSansDeselection(CPLUXControlImage* image)
{
    if (!image)
        return;
    const sf::Vector2f d = image->getDragDelta();
    centreVueX = floatVersInt(static_cast<float>(centreVueX) + d.x);
    centreVueY = floatVersInt(static_cast<float>(centreVueY) + d.y);
}
