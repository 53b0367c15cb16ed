// Sheet and element buttons of the animation editor: elements cut from the sheet (a row of
// them at once), changed, centred, linked and deleted, their origin given to the keys, their
// mesh reset, and the press on the sheet that picks the element under the mouse.
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

using editeur::afficher;

namespace {
// One press adds at most this many elements, whatever the count input holds.
constexpr int MAX_ELEMENTS_PAR_AJOUT = 1000;
} // namespace

void CJeuDialogAnimationsSprites::boutonsPlanche(TableBoutons& t)
{
    using D = CJeuDialogAnimationsSprites;
    t[IdAnm::myButtonResetMaillageElement] = [](D& d, const AppuiGauche&) { d.appliquerTailleMaillage(); };
    t[IdAnm::myImagePlancheSprites] = [](D& d, const AppuiGauche& p) { d.appuiPlanche(p.x, p.y); };
    t[IdAnm::myButtonAjouterElement] = [](D& d, const AppuiGauche&) { d.ajouterElements(); };
    t[IdAnm::myButtonModifierElement] = [](D& d, const AppuiGauche&) { d.modifierElement(true); };
    t[IdAnm::myButtonAppliquerOrigineTous] = [](D& d, const AppuiGauche&) {
        d.pSprite->appliquerOrigineElement(d.elementSel);
    };
    t[IdAnm::myButtonInitLienElement] = [](D& d, const AppuiGauche&) {
        const CPLUXControlComboBox* lien = d.ctrlComboBox(IdAnm::myComboBoxLienElement);
        if (d.pSprite->getElement(d.elementSel) && lien && lien->getNumSel() > 0)
            d.pSprite->copierKeysElementLie(d.elementSel);
    };
    t[IdAnm::myButtonSupprimerElement] = [](D& d, const AppuiGauche&) { d.supprimerElementSel(); };
    t[IdAnm::myButtonElementCentreO] = [](D& d, const AppuiGauche&) { d.centrerOrigineElement(); };
}

// The element under the press, chosen in the list; on empty sheet the zone starts there and
// no element is chosen.
void CJeuDialogAnimationsSprites::appuiPlanche(int x, int y)
{
    bChercherCercleMaillage = true;
    const int rx = x - getLeft(), ry = y - getTop();
    elementSel = getElementSousSouris(IdAnm::myImagePlancheSprites, rx, ry);
    CPLUXControlList* liste = ctrlList(IdAnm::myListElementsPlanche);
    if (elementSel != -1) {
        if (liste) {
            liste->setNumSel(elementSel);
            liste->setScrollPosition(elementSel);
        }
        return;
    }
    if (pZonePlanche) {
        pZonePlanche->setPosition(static_cast<float>(rx), static_cast<float>(ry));
        zoneDeplacee(false);
    }
    if (liste)
        liste->setNumSel(-1);
}

// A row of elements of the panel's size, side by side with the chosen gap; several are
// numbered "_1", "_2"... The last one is chosen.
void CJeuDialogAnimationsSprites::ajouterElements()
{
    auto texte = [this](const char* id) {
        const CPLUXControl* c = getControl(id);
        return c ? c->getText() : std::string();
    };
    auto ligne = [this](const char* id) {
        const CPLUXControlComboBox* c = ctrlComboBox(id);
        return c ? std::max(-1, c->getNumSel() - 1) : -1;
    };
    // The zone in whole pixels; a number that is none is refused and keeps the zone's value,
    // or the chosen element's origin. An empty field (no element chosen) keeps it unasked.
    auto nombre = [this, &texte](const char* id, float actuel) {
        if (!texte(id).empty())
            editeur::lireNombre(*this, id, actuel);
        return actuel;
    };
    const CSPRITE3_ELEMENT* choisi = pSprite->getElement(elementSel);
    const sf::Vector2f origine = choisi ? choisi->origine : sf::Vector2f();
    const std::string nom = CSPRITE3::nomFichier(texte(IdAnm::myTextInputNomElement));
    float x = std::trunc(nombre(IdAnm::myTextInputElementX, rectZonePlanche.left));
    const float y = std::trunc(nombre(IdAnm::myTextInputElementY, rectZonePlanche.top));
    const float l = std::trunc(nombre(IdAnm::myTextInputElementL, rectZonePlanche.width));
    const float h = std::trunc(nombre(IdAnm::myTextInputElementH, rectZonePlanche.height));
    const float ox = nombre(IdAnm::myTextInputElementOx, origine.x);
    const float oy = nombre(IdAnm::myTextInputElementOy, origine.y);
    const CPLUXControlButtonCheck* couleur = ctrlButtonCheck(IdAnm::myButtonCheckUseSpriteColor);
    const int arme = ligne(IdAnm::myComboBoxArmeElement), lie = ligne(IdAnm::myComboBoxLienElement);
    const int n = std::min(nombreElements, MAX_ELEMENTS_PAR_AJOUT);
    for (int i = 1; i <= n; ++i) {
        pSprite->ajouterElement(n == 1 ? nom : nom + "_" + CPLUX::itos(i), x, y, l, h, ox, oy, 2, 2, arme, lie,
                                couleur && couleur->isChecked());
        x += static_cast<float>(espacementElements) + l;
    }
    majListeElements();
    elementSel = pSprite->getNbElements() - 1;
    if (CPLUXControlList* liste = ctrlList(IdAnm::myListElementsPlanche))
        liste->setNumSel(elementSel);
}

// The anim elements that showed it go with it: every index the editor keeps is forgotten.
void CJeuDialogAnimationsSprites::supprimerElementSel()
{
    if (!pSprite->getElement(elementSel))
        return;
    pSprite->supprimerElement(elementSel);
    oublierReferences(-1);
    numAnimElemSel = numAnimElemSelPrec = -1;
    mapCerclesMaillage.clear();
    majListeElements();
    majListeAnimElems();
    colorerListeAnimElems(numKeyFrameSel);
    elementSel = -1;
    if (CPLUXControlList* liste = ctrlList(IdAnm::myListElementsPlanche))
        liste->setNumSel(-1);
    if (CPLUXControlList* liste = ctrlList(IdAnm::myListAnimationElements))
        liste->setNumSel(-1);
    numAnimElemSelPrec = -1;
}

void CJeuDialogAnimationsSprites::centrerOrigineElement()
{
    if (!pSprite->getElement(elementSel))
        return;
    const sf::FloatRect r = pSprite->getRectElement(elementSel);
    pSprite->setOrigineElement(elementSel, r.width * 0.5f, r.height * 0.5f);
    const sf::Vector2f o = pSprite->getOrigineElement(elementSel);
    afficher(*this, IdAnm::myTextInputElementOx, CPLUX::ftos(o.x));
    afficher(*this, IdAnm::myTextInputElementOy, CPLUX::ftos(o.y));
}
