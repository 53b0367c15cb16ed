// Animation and anim-element buttons of the animation editor: animations added, renamed,
// copied and deleted; AEs added, renamed, deleted, moved in the drawing order and linked into
// a tree (Control and a press on the AE list); the daughter animation followed; the view
// centred on the sprite's origin or on the selected AE.
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"

#include "anim/Sprite3.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlList.h"

namespace {
std::string texteDe(const CPLUXDialog& d, const char* id)
{
    const CPLUXControl* c = d.getControl(id);
    return c ? c->getText() : std::string();
}
} // namespace

void CJeuDialogAnimationsSprites::boutonsAnimations(TableBoutons& t)
{
    using D = CJeuDialogAnimationsSprites;
    t[IdAnm::myListAnimationElements] = [](D& d, const AppuiGauche&) {
        if (CPLUX::isKeyCtrlPress())
            d.lierAnimElems();
    };
    t[IdAnm::myButtonAnimationFilleGo] = [](D& d, const AppuiGauche&) { d.allerAFille(); };
    t[IdAnm::myButtonRazAxeAnimation] = [](D& d, const AppuiGauche&) { d.centrerVue(); };
    t[IdAnm::myButtonAjouterAnimation] = [](D& d, const AppuiGauche&) { d.ajouterAnimation(); };
    t[IdAnm::myButtonModifierAnimation] = [](D& d, const AppuiGauche&) {
        if (!d.pSprite->getAnim(d.numAnimationSel))
            return;
        d.pSprite->setNomAnimation(d.numAnimationSel, CSPRITE3::nomFichier(texteDe(d, IdAnm::myTextInputNomAnimation)));
        d.majListeAnimations();
        if (CPLUXControlList* l = d.ctrlList(IdAnm::myListAnimations))
            l->setNumSel(d.numAnimationSel);
    };
    t[IdAnm::myButtonSupprimerAnimation] = [](D& d, const AppuiGauche&) { d.supprimerAnimationSel(); };
    t[IdAnm::myButtonCopieAnimation] = [](D& d, const AppuiGauche&) {
        if (!d.pSprite->getAnim(d.numAnimationSel))
            return;
        d.pSprite->copierAnimation(d.numAnimationSel);
        d.majListeAnimations();
        if (CPLUXControlList* l = d.ctrlList(IdAnm::myListAnimations))
            l->setNumSel(d.numAnimationSel);
    };
    t[IdAnm::myButtonAjouterElementAnimation] = [](D& d, const AppuiGauche&) { d.ajouterAnimElemSel(); };
    t[IdAnm::myButtonSupprimerElementAnimation] = [](D& d, const AppuiGauche&) { d.supprimerAnimElemSel(); };
    t[IdAnm::myButtonModifierNomAnimElem] = [](D& d, const AppuiGauche&) { d.renommerAnimElem(); };
    t[IdAnm::myButtonMonterAnimElem] = [](D& d, const AppuiGauche&) { d.deplacerAnimElem(-1); };
    t[IdAnm::myButtonDescendreAnimElem] = [](D& d, const AppuiGauche&) { d.deplacerAnimElem(1); };
}

// The list line that reads the AE's number (in the tree, lines and AEs are not in one order).
void CJeuDialogAnimationsSprites::choisirLigneAnimElem(int animElem)
{
    if (CPLUXControlList* l = ctrlList(IdAnm::myListAnimationElements))
        l->setNumSel(animElem < 0 ? -1 : l->getLine(CPLUX::itos(animElem + 1)));
}

// The AE just chosen becomes a child of the one chosen before it (cut out of its subtree
// first, so that no loop forms), or a root when both are the same. The sprite's tree
// operations work on its current animation: another one than the selected animation is left
// alone.
void CJeuDialogAnimationsSprites::lierAnimElems()
{
    const int a = numAnimationSel, t = numAnimElemSelPrec, s = numAnimElemSel;
    CSPRITE3_ANIMATION* anim = pSprite->getAnim(a);
    if (!anim || pSprite->getAnimation() != a || !pSprite->getAnimElem(a, t) || !pSprite->getAnimElem(a, s))
        return;
    if (t == s) {
        pSprite->detacherAnimElem(t);
    } else {
        pSprite->detacherAnimElem(s);
        pSprite->retirerDescendant(s, t);
        anim->animElems[static_cast<size_t>(t)]->enfants.push_back(s);
    }
    majListeAnimElems();
    choisirLigneAnimElem(t);
}

void CJeuDialogAnimationsSprites::allerAFille()
{
    const CSPRITE3_ANIMATION* mere = pSprite->getAnim(numAnimationMere);
    if (!pSprite->getAnim(numAnimationSel) || !mere || !pSprite->getAnim(mere->fille))
        return;
    numAnimationFilleSel = mere->fille;
    // The list's change keeps the mother.
    bNouvelleMere = false;
    if (CPLUXControlList* l = ctrlList(IdAnm::myListAnimations))
        l->setNumSel(numAnimationFilleSel);
}

// The sprite's origin, or the selected AE at the current zoom, to the middle of the view.
void CJeuDialogAnimationsSprites::centrerVue()
{
    if (!pImageAnimation)
        return;
    const int demiL = tuv::floatVersInt(pImageAnimation->getWidth()) / 2;
    const int demiH = tuv::floatVersInt(pImageAnimation->getHeight()) / 2;
    if (numAnimElemSel == -1) {
        centreVueX = demiL;
        centreVueY = demiH;
    } else if (pSprite->getAnim(numAnimationSel)) {
        const sf::Vector2f p = pSprite->getPositionInterpolee(numAnimationSel, pSprite->getFrameCourante(), numAnimElemSel);
        centreVueY = tuv::floatVersInt(static_cast<float>(demiH) - p.y * zoom);
        centreVueX = tuv::floatVersInt(static_cast<float>(demiL) - p.x * zoom);
    }
}

void CJeuDialogAnimationsSprites::ajouterAnimation()
{
    pSprite->ajouterAnimation(CSPRITE3::nomFichier(texteDe(*this, IdAnm::myTextInputNomAnimation)), true);
    majListeAnimations();
    numAnimationSel = pSprite->getNbAnimations() - 1;
    if (CPLUXControlList* l = ctrlList(IdAnm::myListAnimations))
        l->setNumSel(numAnimationSel);
}

// Later animations move down one index: every index the editor keeps is forgotten.
void CJeuDialogAnimationsSprites::supprimerAnimationSel()
{
    if (!pSprite->getAnim(numAnimationSel))
        return;
    pSprite->supprimerAnimation(numAnimationSel);
    oublierReferences(-1);
    numAnimationMere = numAnimationFilleSel = -1;
    bNouvelleMere = true;
    if (CPLUXControlComboBox* c = ctrlComboBox(IdAnm::myComboBoxAnimationMereFilles))
        c->reset();
    majListeAnimations();
    numAnimationSel = -1;
    if (CPLUXControlList* l = ctrlList(IdAnm::myListAnimations))
        l->setNumSel(-1);
}

// The element chosen on the sheet page; without one, the message over the view says so.
void CJeuDialogAnimationsSprites::ajouterAnimElemSel()
{
    const int a = numAnimationSel;
    if (!pSprite->getAnim(a))
        return;
    if (!pSprite->getElement(elementSel)) {
        afficherMessage(L"Aucun élément choisi (onglet « Planche ») : pas d'AE ajouté");
        return;
    }
    pSprite->ajouterAnimElem(a, elementSel, "", 0, 1, -1);
    majListeAnimElems();
    numAnimElemSelPrec = numAnimElemSel;
    numAnimElemSel = pSprite->getNbAnimElems(a) - 1;
    choisirLigneAnimElem(numAnimElemSel);
    // Its panel shows its key at once, as for an AE chosen in the list: a value typed next
    // then changes that value only (the panel is written whole into the key).
    panneauxAnimElem(a, numAnimElemSel);
}

// Later AEs move down one index: the records, buffers and dialogs that name the animation's
// AEs are forgotten.
void CJeuDialogAnimationsSprites::supprimerAnimElemSel()
{
    const int a = numAnimationSel;
    if (!pSprite->getAnimElem(a, numAnimElemSel))
        return;
    pSprite->supprimerAnimElem(a, numAnimElemSel);
    oublierReferences(a, true);
    numAnimElemSel = -1;
    majListeAnimElems();
    colorerListeAnimElems(numKeyFrameSel);
    choisirLigneAnimElem(-1);
    numAnimElemSelPrec = -1;
}

// An AE named as its element shows the element's name: it keeps none of its own.
void CJeuDialogAnimationsSprites::renommerAnimElem()
{
    const int a = numAnimationSel, ae = numAnimElemSel;
    if (!pSprite->getAnimElem(a, ae))
        return;
    std::string nom = CSPRITE3::nomFichier(texteDe(*this, IdAnm::myTextInputNomAnimElem));
    const CSPRITE3_ELEMENT* e = pSprite->getElement(pSprite->getElementAnimElem(a, ae));
    if (e && nom == e->nom)
        nom.clear();
    pSprite->setNomAnimElem(a, ae, nom);
    majListeAnimElems();
    choisirLigneAnimElem(ae);
}

// One place earlier (-1) or later (1) in the drawing order, in the flat list only.
void CJeuDialogAnimationsSprites::deplacerAnimElem(int sens)
{
    const int a = numAnimationSel, ae = numAnimElemSel, n = pSprite->getNbAnimElems(a);
    if (styleAE != 0 || !pSprite->getAnim(a) || ae + sens < 0 || ae + sens >= n || ae < 0)
        return;
    if (sens < 0)
        pSprite->monterAnimElem(a, ae);
    else
        pSprite->descendreAnimElem(a, ae);
    oublierReferences(a, true);
    numAnimElemSel = ae + sens;
    majListeAnimElems();
    colorerListeAnimElems(numKeyFrameSel);
    choisirLigneAnimElem(numAnimElemSel);
    numAnimElemSelPrec = -1;
}
