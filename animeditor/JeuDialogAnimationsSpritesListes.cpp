// Lists and combos of the animation editor: elements, anim elements (flat or as a tree),
// animations, daughters, links, sounds, base animations and the timeline's markers; and the
// element inputs written back into the selected element.
#include "animeditor/ControlTimeline.h"
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"

#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlList.h"
#include "gui/OutilsControles.h"

#include <algorithm>

namespace {
const sf::Color VERT(0, 130, 0, 255);
const sf::Color GRIS(150, 150, 150, 255);
const sf::Color BLEU_MERE(0, 0, 180, 255);
const sf::Color VERT_FILLE(0, 180, 0, 255);
const sf::Color AE_SANS_OPTION(200, 0, 0, 150);
const sf::Color AE_CACHE(100, 0, 0, 100);
const sf::Color AE_LIBRE(0, 0, 200, 255);
const sf::Color AE_VERROUILLE(200, 170, 0, 255);
// Daughters listed after the mother: a chain that loops back stops there.
constexpr int MAX_FILLES = 19;
// Lines of the AE tree: children shared by several parents in a hand-made file could
// otherwise multiply the lines beyond any use.
constexpr int MAX_LIGNES_ARBRE = 20000;


// "(aucune)" (second column "-1"), then the animations of the sprite, the one being edited grey.
void remplirAnimations(CPLUXControlComboBox* c, const CSPRITE3& sprite, int grisee)
{
    c->reset();
    c->setVisibleCol2(false);
    c->AddElement("(aucune)");
    c->AddElementCol2("-1");
    c->setColor(VERT, 0);
    for (int i = 0; i < sprite.getNbAnimations(); ++i) {
        c->AddElement(sprite.getAnim(i)->nom);
        c->setColor(i == grisee ? GRIS : VERT, i + 1);
    }
}
} // namespace

// Elements ----------------------------------------------------------------------------------------------

void CJeuDialogAnimationsSprites::majListeElements()
{
    const int n = pSprite->getNbElements();
    if (CPLUXControlList* l = ctrlList(IdAnm::myListElementsPlanche)) {
        l->setVisibleCol2(true);
        l->setLargeurCol2(150);
        l->reset();
        for (int i = 0; i < n; ++i) {
            l->AddElement(CPLUX::itos(i + 1));
            l->AddElementCol2(pSprite->getElement(i)->nom);
        }
    }
    if (CPLUXControlComboBox* c = ctrlComboBox(IdAnm::myComboBoxLienElement)) {
        c->reset();
        c->AddElement("(aucun)");
        for (int i = 0; i < n; ++i)
            c->AddElement("(" + CPLUX::itos(i + 1) + ") " + pSprite->getElement(i)->nom);
        c->setNumSel(0);
    }
    if (CPLUXControlComboBox* c = ctrlComboBox(IdAnm::myComboBoxArmeElement)) {
        c->reset();
        c->AddElement(L"(aucune)");
        if (faceJeu::monde() && faceJeu::monde()->parmes)
            for (const CArme* a : faceJeu::monde()->parmes->armes)
                if (a)
                    c->AddElement(CPLUX::utf8toWStr(a->nom));
        c->setNumSel(0);
    }
}

void CJeuDialogAnimationsSprites::majCombosLienElementAnim()
{
    const CSPRITE3_ELEMENT* e = pSprite->getElement(elementSel);
    const CSPRITE3* source = e && e->pSpriteLie ? e->pSpriteLie : pSprite;
    const std::pair<const char*, int> combos[] = {{IdAnm::myComboBoxLienElementAnim, 0},
                                                  {IdAnm::myComboBoxLienElementAnimTir, 2}};
    for (const auto& [id, lien] : combos) {
        CPLUXControlComboBox* c = ctrlComboBox(id);
        if (!c)
            continue;
        remplirAnimations(c, *source, -1);
        editeur::choisirLigne(c, e ? std::max(0, e->lienAnim[lien] + 1) : 0);
    }
}

void CJeuDialogAnimationsSprites::modifierElement(bool rafraichir)
{
    const CSPRITE3_ELEMENT* e = pSprite->getElement(elementSel);
    if (!e)
        return;
    // A control missing from the model, or a number that is none (refused), keeps the
    // element's own value.
    auto nombre = [this](const char* id, float actuel) {
        editeur::lireNombre(*this, id, actuel);
        return actuel;
    };
    auto ligne = [this](const char* id, int actuel) {
        const CPLUXControlComboBox* c = ctrlComboBox(id);
        return c ? std::max(-1, c->getNumSel() - 1) : actuel;
    };
    const CPLUXControl* nom = getControl(IdAnm::myTextInputNomElement);
    const CPLUXControlButtonCheck* couleur = ctrlButtonCheck(IdAnm::myButtonCheckUseSpriteColor);
    const int lie = ligne(IdAnm::myComboBoxLienElement, e->elementLie);
    // Stored as the file will hold it.
    const std::string nomElement = nom ? CSPRITE3::nomFichier(nom->getText()) : e->nom;
    pSprite->setElement(elementSel, nomElement, nombre(IdAnm::myTextInputElementX, e->rect.left),
                        nombre(IdAnm::myTextInputElementY, e->rect.top), nombre(IdAnm::myTextInputElementL, e->rect.width),
                        nombre(IdAnm::myTextInputElementH, e->rect.height),
                        nombre(IdAnm::myTextInputElementOx, e->origine.x),
                        nombre(IdAnm::myTextInputElementOy, e->origine.y), ligne(IdAnm::myComboBoxArmeElement, e->arme),
                        lie, couleur ? couleur->isChecked() : e->bCouleurGlobale);
    // The link is stored; the AEs' keys take the linked element's pose only on "Init lien"
    // (a change of name or rectangle must not overwrite the keys an author posed).
    if (!rafraichir)
        return;
    majListeElements();
    if (CPLUXControlList* l = ctrlList(IdAnm::myListElementsPlanche))
        l->setNumSel(elementSel);
    majListeAnimElems();
}

// Anim elements ---------------------------------------------------------------------------------------------

void CJeuDialogAnimationsSprites::ajouterLigneAnimElem(int animElem, int profondeur)
{
    CPLUXControlList* l = ctrlList(IdAnm::myListAnimationElements);
    if (!l)
        return;
    l->AddElement(CPLUX::itos(animElem + 1));
    const int e = pSprite->getElementAnimElem(numAnimationSel, animElem);
    const CSPRITE3_ELEMENT* el = pSprite->getElement(e);
    if (!el)
        return;
    const std::string prefixe = profondeur > 0 ? std::string(static_cast<size_t>(profondeur) * 4, ' ') + "|__" : "";
    const CSPRITE3_ANIMELEM* ae = pSprite->getAnimElem(numAnimationSel, animElem);
    const std::string nom = ae && !ae->nom.empty() ? ae->nom : el->nom;
    l->AddElementCol2(prefixe + nom + " (" + CPLUX::itos(e + 1) + ")");
}

void CJeuDialogAnimationsSprites::ajouterArbreAnimElem(int animElem, int profondeur)
{
    int reste = MAX_LIGNES_ARBRE;
    ajouterArbre(animElem, profondeur, reste);
}

// Depth first, without recursion: a hand-made file may nest as deep as it likes. An AE that
// is already on the way down (a cycle, or an AE listing itself) is not entered again.
void CJeuDialogAnimationsSprites::ajouterArbre(int racine, int profondeur, int& reste)
{
    const CSPRITE3_ANIMATION* anim = pSprite->getAnim(numAnimationSel);
    if (!anim || !pSprite->getAnimElem(numAnimationSel, racine))
        return;
    struct Etape {
        int ae;
        size_t enfant;
    };
    std::vector<Etape> chemin;
    std::vector<bool> surChemin(anim->animElems.size(), false);
    auto entrer = [&](int ae) {
        if (reste <= 0)
            return;
        --reste;
        ajouterLigneAnimElem(ae, profondeur + static_cast<int>(chemin.size()));
        chemin.push_back({ae, 0});
        surChemin[static_cast<size_t>(ae)] = true;
    };
    entrer(racine);
    while (!chemin.empty()) {
        Etape& haut = chemin.back();
        const std::vector<int>& enfants = anim->animElems[static_cast<size_t>(haut.ae)]->enfants;
        if (haut.enfant >= enfants.size() || reste <= 0) {
            surChemin[static_cast<size_t>(haut.ae)] = false;
            chemin.pop_back();
            continue;
        }
        const int enfant = enfants[haut.enfant++];
        if (enfant >= 0 && enfant < static_cast<int>(surChemin.size()) && !surChemin[static_cast<size_t>(enfant)])
            entrer(enfant);
    }
}

void CJeuDialogAnimationsSprites::majListeAnimElems()
{
    CPLUXControlList* l = ctrlList(IdAnm::myListAnimationElements);
    if (!l || (styleAE != 0 && styleAE != 1))
        return;
    l->setVisibleCol2(true);
    l->setLargeurCol2(160);
    l->reset();
    const CSPRITE3_ANIMATION* anim = pSprite->getAnim(numAnimationSel);
    const int nb = anim ? static_cast<int>(anim->animElems.size()) : 0;
    if (styleAE == 0) {
        for (int i = 0; i < nb; ++i)
            ajouterLigneAnimElem(i, 0);
    } else if (anim) {
        // Roots of the selected animation (the preview may be playing another one): AEs that
        // no other AE lists as a child.
        std::vector<bool> enfant(static_cast<size_t>(nb), false);
        for (int i = 0; i < nb; ++i)
            for (int c : anim->animElems[static_cast<size_t>(i)]->enfants)
                if (c >= 0 && c < nb && c != i)
                    enfant[static_cast<size_t>(c)] = true;
        int reste = MAX_LIGNES_ARBRE;
        for (int i = 0; i < nb && reste > 0; ++i)
            if (!enfant[static_cast<size_t>(i)])
                ajouterArbre(i, 0, reste);
    }
    colorerListeAnimElemsCourante();
    if (numAnimElemSel >= pSprite->getNbAnimElems(numAnimationSel) || l->getNbElements() <= numAnimElemSel)
        numAnimElemSel = -1;
    // The line of the selected AE: in the tree the lines are not in AE order.
    int ligne = -1;
    for (int i = 0; numAnimElemSel >= 0 && i < l->getNbElements() && ligne < 0; ++i)
        if (CPLUX::stoi(l->getText(i)) == numAnimElemSel + 1)
            ligne = i;
    l->setNumSel(ligne);
}

void CJeuDialogAnimationsSprites::colorerListeAnimElems(int frame)
{
    const CSPRITE3_ANIMATION* anim = pSprite->getAnim(numAnimationSel);
    CPLUXControlList* l = ctrlList(IdAnm::myListAnimationElements);
    if (!anim || !l)
        return;
    // The last keyframe standing at the frame, else the last one before it.
    int k = -1;
    for (size_t i = 0; i < anim->keyframes.size(); ++i)
        if (anim->keyframes[i]->frame == frame)
            k = static_cast<int>(i);
    if (k < 0)
        k = pSprite->getKeyframeAvant(numAnimationSel, frame);
    if (k < 0 || k >= static_cast<int>(anim->keyframes.size()))
        return;
    const CSPRITE3_KEYFRAME& kf = *anim->keyframes[static_cast<size_t>(k)];
    const int nbCles = static_cast<int>(std::min(kf.cles.size(), anim->animElems.size()));
    // Every line: in the tree an AE may be listed more than once.
    for (int ligne = 0; ligne < l->getNbElements(); ++ligne) {
        const int ae = CPLUX::stoi(l->getText(ligne)) - 1;
        if (ae < 0 || ae >= nbCles)
            continue;
        const CSPRITE3_ANIMELEM& elem = *anim->animElems[static_cast<size_t>(ae)];
        const sf::Color c = !elem.option                          ? AE_SANS_OPTION
                            : !kf.cles[static_cast<size_t>(ae)].visible ? AE_CACHE
                            : !elem.verrou                        ? AE_LIBRE
                                                                  : AE_VERROUILLE;
        l->setColor(c, ligne);
    }
}

void CJeuDialogAnimationsSprites::colorerListeAnimElemsCourante() { colorerListeAnimElems(pSprite->getFrameCourante()); }

void CJeuDialogAnimationsSprites::setPanneauAELectureSeule(bool lectureSeule)
{
    for (const char* id : {IdAnm::myTextInputAnimCourX, IdAnm::myTextInputAnimCourY, IdAnm::myTextInputAnimCourOx,
                           IdAnm::myTextInputAnimCourOy, IdAnm::myTextInputAnimCourSx, IdAnm::myTextInputAnimCourSy,
                           IdAnm::myTextInputAnimCourAngle})
        if (CPLUXControl* c = getControl(id))
            c->setReadOnly(lectureSeule);
}

// Animations --------------------------------------------------------------------------------------------

void CJeuDialogAnimationsSprites::majListeAnimations()
{
    CPLUXControlList* l = ctrlList(IdAnm::myListAnimations);
    if (!l)
        return;
    l->setVisibleCol2(true);
    l->setLargeurCol2(150);
    l->reset();
    for (int i = 0; i < pSprite->getNbAnimations(); ++i) {
        l->AddElement(CPLUX::itos(i + 1));
        l->AddElementCol2(pSprite->getAnim(i)->nom);
    }
}

void CJeuDialogAnimationsSprites::majComboAnimationFille()
{
    CPLUXControlComboBox* c = ctrlComboBox(IdAnm::myComboBoxAnimationFille);
    if (!c)
        return;
    c->reset();
    c->AddElement("(sans fille)");
    for (int i = 0; i < pSprite->getNbAnimations(); ++i) {
        c->AddElement(pSprite->getAnim(i)->nom);
        c->setColor(i == numAnimationSel ? GRIS : VERT, i + 1);
    }
}

void CJeuDialogAnimationsSprites::majComboAnimationMereFilles()
{
    const CSPRITE3_ANIMATION* mere = pSprite->getAnim(numAnimationMere);
    CPLUXControlComboBox* c = ctrlComboBox(IdAnm::myComboBoxAnimationMereFilles);
    if (!mere || !c)
        return;
    c->reset();
    c->setVisibleCol2(false);
    c->AddElement(mere->nom);
    c->AddElementCol2(CPLUX::itos(numAnimationMere));
    c->setColor(BLEU_MERE, 0);
    int n = 1;
    for (int d = mere->fille; d != -1 && n <= MAX_FILLES; ++n) {
        const CSPRITE3_ANIMATION* fille = pSprite->getAnim(d);
        if (!fille)
            break;
        c->AddElementCol2(CPLUX::itos(d));
        c->AddElement(fille->nom);
        c->setColor(VERT_FILLE, n);
        d = fille->fille;
    }
    editeur::choisirLigne(c, numLigneMereFilles);
}

void CJeuDialogAnimationsSprites::majComboSonFrame()
{
    if (CPLUXControlComboBox* c = ctrlComboBox(IdAnm::myComboBoxSonFrame)) {
        c->reset();
        c->AddElement(L"(aucun)");
        if (const ServicesJeu* jeu = faceJeu::services())
            for (const std::string& son : jeu->nomsSons())
                c->AddElement(CPLUX::utf8toWStr(son));
    }
    if (pSprite->getAnim(numAnimationSel))
        majPanneauKeyFrame();
}

void CJeuDialogAnimationsSprites::majMarqueursTimeline(CSPRITE3* sprite, CControlTimeline* timeline)
{
    const CPLUXControlComboBox* sons = ctrlComboBox(IdAnm::myComboBoxSonFrame);
    if (sons && sons->getNbElements() <= 1)
        majComboSonFrame();
    if (!sprite || !timeline)
        return;
    const int a = sprite->getAnimation();
    timeline->viderMarqueurs();
    timeline->setNbFrames(sprite->getNbFrames(a));
    const CSPRITE3_ANIMATION* anim = sprite->getAnim(a);
    if (!anim)
        return;
    for (const auto& kf : anim->keyframes) {
        const bool action = kf->gotoCible >= 0 || kf->sensLecture < 0 || !kf->son.empty();
        const bool script = !kf->script.empty() || kf->scp.getNbLignes() > 0;
        timeline->ajouterMarqueur(kf->frame, action, script);
    }
}

void CJeuDialogAnimationsSprites::majComboAnimationLienAE()
{
    CPLUXControlComboBox* c = ctrlComboBox(IdAnm::myComboBoxAnimationLienAE);
    if (!c)
        return;
    remplirAnimations(c, *pSprite, numAnimationSel);
    int ligne = 0;
    if (numAnimElemSel >= 0 && numAnimElemSel < pSprite->getNbAnimElems(numAnimationSel)) {
        const int n =
            pSprite->getKeyAnimElemLienAnim(numAnimationSel, pSprite->getFrameCourante(), numAnimElemSel);
        ligne = n >= 0 ? n + 1 : 0;
    }
    editeur::choisirLigne(c, ligne);
}

// Global animations: column 1 their ID, column 2 their key in the game's map (the ".anm" path).
void CJeuDialogAnimationsSprites::majComboAnmBase(bool remplir)
{
    CPLUXControlComboBox* c = ctrlComboBox(IdAnm::Z_myComboBoxAnmBase);
    if (!c)
        return;
    if (remplir) {
        c->reset();
        c->setVisibleCol2(false);
        c->AddElement("(courant)");
        c->AddElementCol2("");
        c->setColor(VERT, 0);
        if (const ServicesJeu* jeu = faceJeu::services())
            for (const auto& [chemin, anm] : jeu->listeAnimsGlobales()) {
                c->AddElement(anm ? anm->ID : std::string());
                c->AddElementCol2(chemin);
            }
    }
    int ligne = 0;
    const CSPRITE3_ELEMENT* e = pSprite->getElement(elementSel);
    if (e && e->pSpriteLie)
        for (int i = 1; i < c->getNbElements() && ligne == 0; ++i)
            if (c->getTextCol2(i) == e->strAnmRef)
                ligne = i;
    editeur::choisirLigne(c, ligne);
}
