// Mesh points in the views: the circles of the selected AE's mesh and their selection (one
// point, its row, its column or both), the presses of the animation view in mesh mode (grab a
// circle, pick an AE, toggle, move the points, or pan), the mesh size of an element, and the
// drag of a texture coordinate on the sheet.
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"
#include "core/LotFormes.h"

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
// A selection holds at most this many circles: a larger mesh is not selected point by point.
constexpr int MAX_CERCLES = 1000;
constexpr float RAYON_CERCLE_AE = 3.f;
const sf::Color CERCLE_CHOISI(255, 0, 0, 255);
const sf::Color CERCLE_LIBRE(250, 250, 250, 255);
const sf::Color CONTOUR_CERCLE(0, 0, 0, 200);
// The modes of modeSelectionMaillage.
enum ModeSelection { POINT = 0, LIGNE = 1, COLONNE = 2, LIGNE_ET_COLONNE = 3 };

sf::CircleShape cercleMaillage(bool choisi)
{
    sf::CircleShape c(RAYON_CERCLE_AE, CLotFormes::pointsCercle(RAYON_CERCLE_AE + 1));
    c.setFillColor(choisi ? CERCLE_CHOISI : CERCLE_LIBRE);
    c.setOutlineColor(CONTOUR_CERCLE);
    c.setOutlineThickness(1);
    return c;
}

float distance(sf::Vector2f a, sf::Vector2f b) { return std::hypot(a.x - b.x, a.y - b.y); }
} // namespace

// Selection ----------------------------------------------------------------------------------------------
//
// The map holds a circle for every point of the mesh, red when selected: from none selected,
// or from the element's last saved selection.

void CJeuDialogAnimationsSprites::initSelectionMaillage()
{
    const int e = pSprite->getElementAnimElem(numAnimationSel, numAnimElemSel);
    const CSPRITE3_ELEMENT* el = pSprite->getElement(e);
    if (e == -1)
        return;
    selectionMaillage.clear();
    rayonCercleMaillageSel = static_cast<int>(RAYON_CERCLE_AE);
    const int n = el ? el->getNbPoints() : 0;
    if (n < 1 || n > MAX_CERCLES)
        return;
    for (int p = 0; p < n; ++p)
        selectionMaillage.emplace(p, cercleMaillage(false));
    const int slot = el->derniereSelection;
    if (slot < 1 || slot > 3)
        return;
    for (int p : el->selections[slot - 1])
        if (p >= 0 && p < n)
            selectionMaillage[p].setFillColor(CERCLE_CHOISI);
}

void CJeuDialogAnimationsSprites::appliquerTailleMaillage()
{
    const sf::Vector2i actuel = pSprite->getMaillageElement(elementSel);
    if (!pSprite->getElement(elementSel))
        return;
    // The inputs count cells, the mesh points.
    auto points = [this](const char* id, int actuelle) {
        int cellules = actuelle - 1;
        if (!editeur::lireNombre(*this, id, cellules))
            return actuelle;
        return static_cast<int>(std::clamp(static_cast<long long>(cellules) + 1, -1000000LL, 1000000LL));
    };
    pSprite->setMaillage(elementSel, points(IdAnm::myTextInputMaillageNbCols, actuel.x),
                         points(IdAnm::myTextInputMaillageNbLignes, actuel.y));
    if (numAnimElemSel != -1 && numAnimationSel != -1) {
        initSelectionMaillage();
        majPoigneesMaillageAE(numAnimationSel, pSprite->getFrameCourante(), numAnimElemSel);
    }
    creerPoigneesMaillagePlanche();
    placerPoigneesMaillagePlanche(elementSel);
}

// The point's row, column or both take the colour the point's own toggle gives it.
void CJeuDialogAnimationsSprites::basculerPointMaillage(int mode, int j)
{
    const CSPRITE3_ELEMENT* e = pSprite->getElement(pSprite->getElementAnimElem(numAnimationSel, numAnimElemSel));
    const int n = e ? e->getNbPoints() : 0, c = e ? e->nbColonnes : 1;
    if (j < 0 || j >= n || n > MAX_CERCLES)
        return;
    auto cercle = [this](int p) -> sf::CircleShape& {
        return selectionMaillage.try_emplace(p, cercleMaillage(false)).first->second;
    };
    const sf::Color couleur = cercle(j).getFillColor().r == 255 ? CERCLE_LIBRE : CERCLE_CHOISI;
    cercle(j).setFillColor(couleur);
    if (mode == LIGNE || mode == LIGNE_ET_COLONNE)
        for (int p = j - j % c; p < j - j % c + c; ++p)
            cercle(p).setFillColor(couleur);
    if (mode == COLONNE || mode == LIGNE_ET_COLONNE)
        for (int p = j % c; p < n; p += c)
            cercle(p).setFillColor(couleur);
    if (static_cast<int>(selectionMaillage.size()) > MAX_CERCLES)
        selectionMaillage.clear();
}

// Presses in the animation view --------------------------------------------------------------------------
//
// Each step of a left press in mesh mode. The first step grabs the selected AE's circle under
// the mouse or, off its circles, picks the AE under the mouse; with Control it toggles the
// grabbed point. A press that hits nothing deselects and pans, as does every step while the
// sprite plays; the steps of a press on a circle move the selected points.

void CJeuDialogAnimationsSprites::selectionnerDansVue(sf::RenderWindow* w, int mouseX, int mouseY, CPLUXControl* c)
{
    // Cleared when the step is done: the points moved on the first step record their undo.
    struct FinEtape {
        bool& debut;
        ~FinEtape() { debut = false; }
    } fin{bDebutDrag};
    const sf::Vector2f m(static_cast<float>(mouseX - getLeft()), static_cast<float>(mouseY - getTop()));
    const int a = numAnimationSel, f = pSprite->getFrameCourante();
    const bool animation = pSprite->getAnim(a) && f != -1;
    if (bDebutDrag) {
        numCercleMaillageAESel = -1;
        bool touche = !animation && numAnimElemSel != -1;
        if (animation && numAnimElemSel != -1)
            touche = saisirCercleMaillageAE(m, f);
        if (animation && !touche && bLockAnimElemSel) {
            // A locked selection is kept: the press picks nothing and deselects nothing.
            touche = numAnimElemSel != -1;
        } else if (animation && !touche) {
            const int ae = animElemSous(floatVersInt(m.x), floatVersInt(m.y), f, true);
            touche = ae != -1;
            // Picking the selected AE again would rebuild its circles and lose its selection.
            if (touche && ae != numAnimElemSel)
                if (CPLUXControlList* l = ctrlList(IdAnm::myListAnimationElements))
                    l->setNumSel(l->getLine(CPLUX::itos(ae + 1)));
        }
        if (CPLUX::isKeyCtrlPress())
            basculerPointMaillage(modeSelectionMaillage, numCercleMaillageAESel);
        if (!touche) {
            pannerVue();
            return;
        }
    }
    if (pSprite->bPlay || numAnimElemSel == -1) {
        pannerVue();
        return;
    }
    if (numCercleMaillageAESel != -1 && pSprite->isKeyframe(a, f) && !pSprite->getAnimElemVerrou(a, numAnimElemSel)) {
        std::vector<int> choisis;
        for (const auto& [p, cercle] : selectionMaillage)
            if (cercle.getFillColor().r == 255 && static_cast<int>(choisis.size()) < MAX_CERCLES)
                choisis.push_back(p);
        for (int p : choisis)
            deplacerPointMaillage(p);
        if (std::find(choisis.begin(), choisis.end(), numCercleMaillageAESel) == choisis.end())
            deplacerPointMaillage(numCercleMaillageAESel);
    }
    majPoigneesAE(a, f, numAnimElemSel);
}

// The first circle whose point lies within reach of the mouse, both seen unturned from the
// selected AE's place.
bool CJeuDialogAnimationsSprites::saisirCercleMaillageAE(sf::Vector2f souris, int f)
{
    const int n = static_cast<int>(selectionMaillage.size());
    if (n < 1 || n > MAX_CERCLES)
        return false;
    const int a = numAnimationSel, ae = numAnimElemSel;
    const sf::Vector2f place = placeEcranAE(pSprite->getPositionInterpolee(a, f, ae), false) + decalageFille(a, f);
    const sf::Vector2f m = tournerPoint(souris.x, souris.y, pSprite->getKeyAnimElemRotation(a, f, ae), place.x, place.y);
    const float portee = static_cast<float>(rayonCercleMaillageSel + 1);
    for (const auto& [p, cercle] : selectionMaillage) {
        if (distance(m, place + zoom * cercle.getOrigin()) <= portee) {
            numCercleMaillageAESel = p;
            return true;
        }
    }
    return false;
}

// The view follows the drag, without a selected AE.
void CJeuDialogAnimationsSprites::pannerVue()
{
    numAnimElemSel = -1;
    if (CPLUXControlList* l = ctrlList(IdAnm::myListAnimationElements); l && l->getNumSel() != -1)
        l->setNumSel(-1);
    pannerVueSansDeselection(pImageAnimation);
}

// Sheet view --------------------------------------------------------------------------------------------------
//
// A press on the sheet looks for the selected element's circle under the mouse (the last one
// within reach wins); every step of the drag then moves that point's texture coordinates by
// the mouse's movement in sheet pixels.

void CJeuDialogAnimationsSprites::finDragCercleMaillagePlanche(sf::RenderWindow* w, int mouseX, int mouseY,
                                                               CPLUXControl* c)
{
    const float z = pImagePlanche ? pImagePlanche->getScale() : 1.f;
    const sf::Vector2f delta = pImagePlanche ? pImagePlanche->getDragDelta() : sf::Vector2f();
    if (bChercherCercleMaillage) {
        numCercleMaillageElementSel = -1;
        if (elementSel != -1 && pImagePlanche) {
            const sf::Vector2f m(static_cast<float>(mouseX - getLeft()), static_cast<float>(mouseY - getTop()));
            const sf::Vector2f coin(pImagePlanche->getLeft() - static_cast<float>(pImagePlanche->getScrollX()) * z,
                                    pImagePlanche->getTop() - static_cast<float>(pImagePlanche->getScrollY()) * z);
            for (const auto& [p, cercle] : mapCerclesMaillage)
                if (distance(m, coin + cercle.getPosition()) <= static_cast<float>(rayonCercleMaillage + 1))
                    numCercleMaillageElementSel = p;
        }
    }
    if (numCercleMaillageElementSel != -1 && pSprite->getElement(elementSel)) {
        const CSPRITE3_ELEMENT& e = *pSprite->getElement(elementSel);
        const int s = pSprite->getSommetPointElement(elementSel, numCercleMaillageElementSel);
        if (s >= 0 && s < e.getNbSommets()) {
            const sf::Vector2f uv = e.vertices[static_cast<size_t>(s)].texCoords;
            pSprite->setTexCoordsPointMaillage(elementSel, numCercleMaillageElementSel, uv.x + delta.x / z,
                                               uv.y + delta.y / z);
        }
        placerPoigneesMaillagePlanche(elementSel);
        if (numAnimationSel != -1 && numAnimElemSel != -1)
            majPoigneesMaillageAE(numAnimationSel, pSprite->getFrameCourante(), numAnimElemSel);
    }
    bChercherCercleMaillage = false;
    CPLUX::setConsoleText("zoom = " + CPLUX::ftos(z), 7);
    CPLUX::setConsoleText("numCercleMaillageElementSel = " + CPLUX::itos(numCercleMaillageElementSel), 8);
    CPLUX::setConsoleText("elementSel = " + CPLUX::itos(elementSel), 9);
    CPLUX::setConsoleText("Souris dx,dy = " + CPLUX::ftos(delta.x) + " , " + CPLUX::ftos(delta.y), 10);
}
