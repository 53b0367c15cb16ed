// General events of the animation editor: the wheel's zoom, drawing by page, the timeline's
// and the sprite's events, the hover test over the anim elements; and the geometry they share.
#include "animeditor/ControlTimeline.h"
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"

#include "anim/Sprite3.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlTab.h"

#include <algorithm>
#include <cmath>

// Geometry ---------------------------------------------------------------------------------------

sf::Vector2f CJeuDialogAnimationsSprites::tournerPoint(float x, float y, float angle, float cx, float cy)
{
    if (angle == 0)
        return {x, y};
    const float t = static_cast<float>(angle * 0.017453293);
    const float dx = x - cx, dy = y - cy;
    const float c = std::cos(t), s = std::sin(t);
    return {cx + dx * c + dy * s, cy - dx * s + dy * c};
}

sf::FloatRect CJeuDialogAnimationsSprites::ecranVersImage(const std::string& idImage, float x, float y, float l,
                                                          float h) const
{
    const CPLUXControlImage* i = ctrlImage(idImage);
    if (!i)
        return {x, y, l, h};
    const float z = i->getScale();
    return {(x - i->getLeft()) / z + static_cast<float>(i->getScrollX()),
            (y - i->getTop()) / z + static_cast<float>(i->getScrollY()), l / z, h / z};
}

sf::FloatRect CJeuDialogAnimationsSprites::imageVersEcran(const std::string& idImage, float x, float y, float l,
                                                          float h) const
{
    const CPLUXControlImage* i = ctrlImage(idImage);
    if (!i)
        return {x, y, l, h};
    const float z = i->getScale();
    return {x * z + i->getLeft() - static_cast<float>(i->getScrollX()) * z,
            y * z + i->getTop() - static_cast<float>(i->getScrollY()) * z, l * z, h * z};
}

// Wheel ----------------------------------------------------------------------------------------------

bool CJeuDialogAnimationsSprites::onMouseWheel(int delta, CPLUXControl* under)
{
    CPLUXDialog::onMouseWheel(delta, under);
    if (!under)
        return true;
    if (under == pImagePlanche) {
        // The image zoomed itself: the zone follows the same sheet pixels.
        replacerZonePlanche();
    } else if (under == pZonePlanche && pZonePlanche) {
        if (pImagePlanche)
            pImagePlanche->onMouseWheel(delta, this);
        replacerZonePlanche();
    } else if (under == pImageAnimation || under == pImageEtats) {
        changerZoomVue(delta);
    }
    return true;
}

void CJeuDialogAnimationsSprites::replacerZonePlanche()
{
    if (!pImagePlanche)
        return;
    placerZonePlanche();
    if (CPLUXControl* c = getControl(IdAnm::myTextInputZoomImagePlanche))
        c->setText(CPLUX::ftos(pImagePlanche->getScale()));
}

void CJeuDialogAnimationsSprites::placerZonePlanche()
{
    if (!pImagePlanche || !pZonePlanche)
        return;
    const sf::FloatRect r = imageVersEcran(IdAnm::myImagePlancheSprites, rectZonePlanche.left, rectZonePlanche.top,
                                           rectZonePlanche.width, rectZonePlanche.height);
    pZonePlanche->setPosition(r.left, r.top);
    pZonePlanche->setVisibleDimension(r.width, r.height);
}

// One zoom for the animation view and the preview, 0.1 a notch between 0.1 and 10.
void CJeuDialogAnimationsSprites::changerZoomVue(int delta)
{
    double z = zoom;
    if (delta < 0)
        z = std::min(z + PAS_ZOOM, static_cast<double>(ZOOM_MAX));
    else
        z = std::max(z - PAS_ZOOM, static_cast<double>(ZOOM_MIN));
    zoom = static_cast<float>(z);
    if (CPLUXControl* c = getControl(IdAnm::myTextInputZoomAnimation))
        c->setText(zoom);
}

// Drawing ------------------------------------------------------------------------------------------------

// The sheet's zone is drawn by the sheet view, cut to the view: the dialog's own pass over its
// controls would draw it whole, past the view and the dialog when the zone reaches beyond.
void CJeuDialogAnimationsSprites::draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy)
{
    const bool zone = pZonePlanche && pZonePlanche->isVisible();
    if (zone)
        pZonePlanche->setVisible(false);
    CPLUXDialog::draw(w, mouseX, mouseY, ox, oy);
    if (zone)
        pZonePlanche->setVisible(true);
    if (!pTab)
        return;
    switch (pTab->getNumTabElemActif()) {
    case ONGLET_PLANCHE: dessinerPlanche(w, mouseX, mouseY, ox, oy); break;
    case ONGLET_ANIMATION: dessinerVue(w, mouseX, mouseY, ox, oy); break;
    case ONGLET_APERCU: dessinerApercu(w, mouseX, mouseY, ox, oy); break;
    default: break;
    }
}

bool CJeuDialogAnimationsSprites::onDialogPressRight(sf::RenderWindow* w, int x, int y)
{
    CPLUXDialog::onDialogPressRight(w, x, y);
    for (CPLUXControlImage* i : {pImagePlanche, pImageAnimation, pImageEtats})
        if (i)
            i->refresh();
    return true;
}

// User events ----------------------------------------------------------------------------------------------

void CJeuDialogAnimationsSprites::onCtrlUserChange(CPLUXControl* c, std::string event, void* data)
{
    CPLUXDialog::onCtrlUserChange(c, event, data);
    if (event == "framechanged") {
        auto* t = dynamic_cast<CControlTimeline*>(c);
        frameChoisie(t ? t : pTimeline);
    } else if (event == "CSPRITE3_bPlay_changed") {
        if (CPLUXControlButtonCheck* b = ctrlButtonCheck(IdAnm::myButtonCheckPlayPauseAnim))
            b->setCheck(pSprite->bPlay);
        // Stopped at its end: the frame it shows is the chosen one.
        if (!pSprite->bPlay && pSprite->getAnim(numAnimationSel))
            allerAFrame(pSprite->getFrameCourante());
    }
}

void CJeuDialogAnimationsSprites::frameChoisie(CControlTimeline* timeline)
{
    if (timeline)
        frameChoisie(timeline->getFrameSel(), timeline->isMarqueurSel());
}

// A frame chosen on the timeline: between keyframes the AE's values are read-only.
void CJeuDialogAnimationsSprites::frameChoisie(int f, bool keyframe)
{
    if (CPLUXControl* c = getControl(IdAnm::myTextInputAnimFrameCour))
        c->setText(CPLUX::itos(f));
    if (keyframe) {
        numKeyFrameSel = f;
        setPanneauAELectureSeule(false);
    } else {
        numKeyFrameSel = -1;
        setPanneauAELectureSeule(true);
    }
    colorerListeAnimElems(f);
    majComboAnimationLienAE();
    pSprite->setFrameCourante(f);
    majPanneauAE();
    majPanneauKeyFrame();
    majPoigneesAE(numAnimationSel, pSprite->getFrameCourante(), numAnimElemSel);
}

// Hover test -------------------------------------------------------------------------------------------------

bool CJeuDialogAnimationsSprites::onDialogIn(sf::RenderWindow* w, int x, int y)
{
    CPLUXDialog::onDialogIn(w, x, y);
    if (pTab && pTab->getNumTabElemActif() == ONGLET_ANIMATION && !bLockAnimElemSel &&
        numAnimationSel >= 0 && numAnimationSel < pSprite->getNbAnimations())
        testerSurvol(x - getLeft(), y - getTop());
    return true;
}

// The topmost shown AE under (x, y), dialog pixels, becomes numAnimElemSurvol; an AE tied to
// another weapon than the sprite's is passed over.
void CJeuDialogAnimationsSprites::testerSurvol(int x, int y)
{
    const int ae = animElemSous(x, y, pSprite->getFrameCourante(), false);
    if (ae >= 0)
        numAnimElemSurvol = ae;
}
