// Combo boxes of the animation editor: an anim element's shaders and linked animation, the
// global animation an element shows with its links, an animation's daughter, game state and
// family line, the previewed weapon and a keyframe's sound. In the combos that choose an
// animation, an element or a weapon, line 0 is none and line L index L - 1.
#include "animeditor/ControlTimeline.h"
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"

#include "anim/Sprite3.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/ShaderManager.h"
#include "editor/JeuDialogShaderVERT.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlList.h"
#include "gui/OutilsControles.h"

#include <unordered_map>

namespace {
using D = CJeuDialogAnimationsSprites;
using Action = void (*)(D&, CPLUXControlComboBox&, int ligne);
using Table = std::unordered_map<std::string, Action>;

// Line L of a combo of animations, elements or weapons: -1 for line 0 (or none).
int indexLigne(int ligne) { return ligne > 0 ? ligne - 1 : -1; }
int frame(const D& d) { return d.pSprite->getFrameCourante(); }
CSPRITE3_ELEMENT* element(D& d) { return d.pSprite->getElement(d.elementSel); }

// Line 0 takes the stage's shader away with its uniforms; a shader chosen has its uniform
// declarations read into the AE's list for that stage.
void shader(D& d, CPLUXControlComboBox& c, int ligne, bool vertex)
{
    CSPRITE3_ANIMELEM* ae = d.pSprite->getAnimElem(d.numAnimationSel, d.numAnimElemSel);
    if (!ae)
        return;
    std::string& nom = vertex ? ae->strShaderVert : ae->strShaderFrag;
    CSPRITE::Uniforms& uniforms = vertex ? ae->uniformsVert : ae->uniformsFrag;
    nom = ligne == 0 ? std::string() : c.getTextSel();
    CShaderManager* shaders = d.gestionnaireShaders();
    shaders->getShader(ae->strShaderFrag, ae->strShaderVert);
    if (nom.empty())
        uniforms.clear();
    else
        shaders->lireUniforms(shaders->dossier + nom, ae->uniformsVert, ae->uniformsFrag, vertex ? 0 : 1);
    // The shader variables dialog shows the AE's uniforms, when there is one.
    if (auto* variables = dynamic_cast<CJeuDialogShaderVERT*>(CPLUX::getDialog("JeuDialogShader"))) {
        variables->pUniformsVert = &ae->uniformsVert;
        variables->pUniformsFrag = &ae->uniformsFrag;
        variables->init();
    }
}

// The element shows the global animation of that key (the second column); the reference is
// saved by its key and found again when the file is read.
void anmBase(D& d, CPLUXControlComboBox& c, int)
{
    CSPRITE3_ELEMENT* el = element(d);
    if (!el) {
        c.setEventOnChange(false);
        c.setNumSel(0);
        c.setEventOnChange(true);
        return;
    }
    const std::string cle = c.getTextSelCol2();
    ServicesJeu* jeu = faceJeu::services();
    CSPRITE3* p = jeu && !cle.empty() ? jeu->getAnimGlobale(cle) : nullptr;
    if (p == el->pSpriteLie)
        return;
    el->pSpriteLie = p;
    el->strAnmRef = p ? cle : std::string();
    for (int& lien : el->lienAnim)
        lien = -1;
    d.majCombosLienElementAnim();
}

// The animation itself is no daughter of its own, nor a link of its own keys.
int autreAnimation(const D& d, int ligne)
{
    const int n = indexLigne(ligne);
    return n == d.numAnimationSel || !d.pSprite->getAnim(n) ? -1 : n;
}

void famille(D& d, CPLUXControlComboBox& c, int ligne)
{
    if (ligne < 0)
        return;
    d.numLigneMereFilles = ligne;
    const int n = CPLUX::stoi(c.getTextSelCol2());
    d.numAnimationComboMereFilles = n;
    if (!d.pSprite->getAnim(n))
        return;
    // The list's change selects n and keeps the mother.
    d.bNouvelleMere = false;
    d.numAnimationFilleSel = ligne == 0 ? -1 : n;
    if (CPLUXControlList* l = d.ctrlList(IdAnm::myListAnimations))
        l->setNumSel(n);
}

// The chosen animation (the list's selection, also on the preview page, whose playing one is
// only marked). Only an animation that carries a state leaves it: an empty name would become
// a state. The combo then shows the state the animation plays for (another may link it too).
void etatJeu(D& d, CPLUXControlComboBox& c, int ligne)
{
    const int a = d.numAnimationSel;
    if (!d.pSprite->getAnim(a))
        return;
    const std::string etat = ligne > 0 ? c.getTextSel() : d.pSprite->getEtatAnimation(a);
    if (!etat.empty())
        d.pSprite->setEtatAnimation(etat, a, ligne > 0 ? a : -1);
    editeur::choisirTexte(d, IdAnm::myComboBoxEtatJeu, d.pSprite->getEtatAnimation(a));
}

// An AE of an element tied to another weapon is not shown: it is no longer selected.
void arme(D& d, CPLUXControlComboBox&, int ligne)
{
    d.pSprite->armeCourante = indexLigne(ligne);
    const int a = d.numAnimationSel;
    d.rayonVisee = d.pSprite->getCercleViseeRayon(a);
    const float r = static_cast<float>(d.rayonVisee);
    d.cercleVisee.setRadius(r);
    d.cercleVisee.setOrigin(r, r);
    d.cercleVisee.setPosition(d.pSprite->getCercleViseePos(a));
    const CSPRITE3_ELEMENT* el = d.pSprite->getElement(d.pSprite->getElementAnimElem(a, d.numAnimElemSel));
    if (!d.pSprite->getAnimElem(a, d.numAnimElemSel) || (el && el->arme == d.pSprite->armeCourante))
        return;
    d.numAnimElemSel = -1;
    if (CPLUXControlList* l = d.ctrlList(IdAnm::myListAnimationElements))
        l->setNumSel(-1);
}

// A sound chosen is heard at once, alone; line 0 clears it once the combo lists the sounds.
void sonFrame(D& d, CPLUXControlComboBox& c, int ligne)
{
    const int a = d.numAnimationSel;
    if (a < 0 || d.numKeyFrameSel == -1 || !d.pSprite->isKeyframe(a, frame(d)) || ligne < 0)
        return;
    CSPRITE3_KEYFRAME* kf = d.pSprite->getKeyframeEnForce(a, frame(d));
    if (!kf)
        return;
    if (ligne > 0) {
        kf->son = c.getTextSel();
        if (ServicesJeu* jeu = faceJeu::services()) {
            jeu->arreterSons();
            jeu->jouerSon(kf->son);
        }
    } else if (c.getNbElements() > 1) {
        kf->son.clear();
    }
    d.majMarqueursTimeline(d.pSprite, d.pTimeline);
}

const Table& tableCombos()
{
    static const Table table = {
        {IdAnm::myComboBoxShadersVert, [](D& d, CPLUXControlComboBox& c, int l) { shader(d, c, l, true); }},
        {IdAnm::myComboBoxShadersFrag, [](D& d, CPLUXControlComboBox& c, int l) { shader(d, c, l, false); }},
        {IdAnm::Z_myComboBoxAnmBase, anmBase},
        {IdAnm::myComboBoxAnimationFille,
         [](D& d, CPLUXControlComboBox&, int l) {
             CSPRITE3_ANIMATION* an = d.pSprite->getAnim(d.numAnimationSel);
             if (!an)
                 return;
             an->fille = autreAnimation(d, l);
             d.majComboAnimationMereFilles();
         }},
        {IdAnm::myComboBoxAnimationLienAE,
         [](D& d, CPLUXControlComboBox&, int l) {
             if (d.pSprite->getAnim(d.numAnimationSel) && d.numAnimElemSel != -1)
                 d.pSprite->setKeyAnimElemLienAnim(d.numAnimationSel, frame(d), d.numAnimElemSel, autreAnimation(d, l));
         }},
        {IdAnm::myComboBoxLienElement,
         [](D& d, CPLUXControlComboBox&, int l) {
             if (CSPRITE3_ELEMENT* el = element(d))
                 el->elementLie = indexLigne(l);
         }},
        {IdAnm::myComboBoxLienElementAnim,
         [](D& d, CPLUXControlComboBox&, int l) {
             CSPRITE3_ELEMENT* el = element(d);
             if (!el)
                 return;
             el->lienAnim[0] = el->lienAnim[1] = indexLigne(l);
             if (el->pSpriteLie && l > 0)
                 el->pSpriteLie->setAnimation2(l - 1, 0);
         }},
        {IdAnm::myComboBoxLienElementAnimTir,
         [](D& d, CPLUXControlComboBox&, int l) {
             if (CSPRITE3_ELEMENT* el = element(d))
                 el->lienAnim[2] = indexLigne(l);
         }},
        {IdAnm::myComboBoxAnimationMereFilles, famille},
        {IdAnm::myComboBoxEtatJeu, etatJeu},
        {IdAnm::myComboBoxEtatsListeArmes, arme},
        {IdAnm::myComboBoxArmes, arme},
        {IdAnm::myComboBoxSonFrame, sonFrame},
    };
    return table;
}
} // namespace

void CJeuDialogAnimationsSprites::onCtrlComboChange(CPLUXControlComboBox* c)
{
    CPLUXDialog::onCtrlComboChange(c);
    if (!c)
        return;
    const auto it = tableCombos().find(c->getId());
    if (it != tableCombos().end())
        it->second(*this, *c, c->getNumSel());
}
