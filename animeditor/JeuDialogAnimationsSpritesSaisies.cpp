// Text inputs of the animation editor. Validated inputs act on Enter: frames, speeds, play
// counts, shadow, keyframe and anim-element values (those of the AE record an undo step first);
// live inputs act on every change: the sheet zone, the sheet view, the batch of elements to
// add, the bounce of the animation and the path's precision. A number input refuses a text
// that is no number (CPLUXControlTextInput::lireNombre): at Enter, or as it is typed.
#include "animeditor/ControlTimeline.h"
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"

#include "anim/Sprite3.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/OutilsControles.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

using editeur::afficher;
using tuv::floatVersInt;

namespace {
using D = CJeuDialogAnimationsSprites;
using R = AnmUndoRecord;
using Saisie = CPLUXControlTextInput;
using Action = void (*)(D&, Saisie& saisie);
using Table = std::unordered_map<std::string, Action>;

// An aim animation holds its frames per degree for each degree of a half turn.
constexpr long long DEGRES_VISEE = 180;

bool animation(const D& d) { return d.pSprite->getAnim(d.numAnimationSel) != nullptr; }
int frame(const D& d) { return d.pSprite->getFrameCourante(); }
// Numbers go by the number fields' rule: a validated input (Return) refuses a text that is no
// number, with a box, and shows the value kept; a live one does so as it is typed.
template <class T>
bool valide(Saisie& saisie, T& valeur)
{
    return saisie.lireNombre(valeur, true);
}
// The inputs count from 1, the sprite from 0.
int versUn(int n) { return n == INT_MIN || n == INT_MAX ? n : n + 1; }
int depuisUn(int n) { return n == INT_MIN ? INT_MIN : n - 1; }

// The typed one of a pair of inputs (x, y), the value kept being the key's.
bool valideCouple(Saisie& saisie, const char* idX, sf::Vector2f actuel)
{
    return valide(saisie, saisie.getId() == idX ? actuel.x : actuel.y);
}

// Anim-element values: the value before the change is recorded, then the whole panel is
// written into the keyframe (modifierPanneauAE). The panel moves no child, and its undo moves
// none either. A value refused records nothing.
void angleAE(D& d, Saisie& saisie)
{
    if (!animation(d))
        return;
    float r = d.pSprite->getKeyAnimElemRotation(d.numAnimationSel, frame(d), d.numAnimElemSel);
    const float avant = r;
    if (valide(saisie, r))
        d.modifierPanneauAE(R::FAE_ROT, avant, 0, 0, 0);
}

void origineAE(D& d, Saisie& saisie)
{
    if (!animation(d))
        return;
    const sf::Vector2f o = d.pSprite->getKeyAnimElemOrigine(d.numAnimationSel, frame(d), d.numAnimElemSel);
    if (valideCouple(saisie, IdAnm::myTextInputAnimCourOx, o))
        d.modifierPanneauAE(R::FAE_ORIGIN, o.x, o.y, 0, 0);
}

void echelleAE(D& d, Saisie& saisie)
{
    if (!animation(d))
        return;
    const sf::Vector2f e = d.pSprite->getKeyAnimElemEchelle(d.numAnimationSel, frame(d), d.numAnimElemSel);
    const sf::Vector2f p = d.pSprite->getPositionInterpolee(d.numAnimationSel, frame(d), d.numAnimElemSel);
    if (valideCouple(saisie, IdAnm::myTextInputAnimCourSx, e))
        d.modifierPanneauAE(R::FAE_SCALE, e.x, e.y, p.x, p.y);
}

void positionAE(D& d, Saisie& saisie)
{
    if (!animation(d))
        return;
    const sf::Vector2f p = d.pSprite->getPositionInterpolee(d.numAnimationSel, frame(d), d.numAnimElemSel);
    if (valideCouple(saisie, IdAnm::myTextInputAnimCourX, p))
        d.modifierPanneauAE(R::FAE_MOVE, p.x, p.y, 0, 0);
}

// Frames ----------------------------------------------------------------------------------------------

// A frame outside the animation selects frame 0; the timeline, the panels and numKeyFrameSel
// follow the sprite's frame.
void frameCourante(D& d, Saisie& saisie)
{
    if (!animation(d)) {
        afficher(d, IdAnm::myTextInputAnimFrameCour, "0");
        return;
    }
    int f = frame(d);
    if (!valide(saisie, f))
        return;
    if (f < 0 || f >= d.pSprite->getNbFrames(d.numAnimationSel))
        f = 0;
    d.allerAFrame(f);
}

// A larger count takes effect; a smaller one drops the keyframes beyond it, so it is asked first.
void nbFrames(D& d, Saisie& saisie)
{
    const int a = d.numAnimationSel;
    if (!animation(d)) {
        afficher(d, IdAnm::myTextInputAnimFrameNb, "0");
        return;
    }
    const int actuel = d.pSprite->getNbFrames(a);
    int n = actuel;
    if (!valide(saisie, n))
        return;
    n = std::max(1, n);
    if (n > actuel) {
        d.changerNbFrames(a, n);
    } else if (n < actuel) {
        CPLUX::MessageBoxW(L"ATTENTION !",
                           L"Réduire l'animation à " + CPLUX::itows(n) +
                               L" frames ? Les keyframes au-delà seront supprimées.",
                           D::IDMB_CHANGE_NBFRAMES, &d, 2);
    }
}

void nbFramesVisee(D& d, Saisie& saisie)
{
    const int a = d.numAnimationSel;
    float typee = static_cast<float>(d.pSprite->getNbFramesVisee(a));
    if (!animation(d))
        return d.viderPanneauAnimation();
    if (!valide(saisie, typee))
        return;
    // Shown as stored: whole, at least 1.
    const int n = std::max(1, floatVersInt(typee));
    d.pSprite->setNbFramesVisee(a, n);
    afficher(d, IdAnm::myTextInputNbFramesVisee, n);
    if (d.pTimeline)
        d.pTimeline->setNbFramesParDegre(n);
    if (!d.pSprite->isVisee(a))
        return;
    const int avant = d.pSprite->getNbFrames(a);
    d.changerNbFrames(a, n * DEGRES_VISEE);
    // Fewer frames may have taken keyframes with them.
    if (d.pSprite->getNbFrames(a) < avant) {
        d.oublierReferences(a);
        d.allerAFrame(d.pSprite->getFrameCourante());
    }
}

void vitesse(D& d, Saisie& saisie)
{
    int v = d.pSprite->getVitesseAnim(d.numAnimationSel);
    if (!animation(d))
        afficher(d, IdAnm::myTextInputVitesseAnimCour, "1");
    else if (valide(saisie, v))
        d.pSprite->setVitesseAnim(d.numAnimationSel, v);
}

// Both values of a pair of inputs into `v`, each left as it was when refused; true when both read.
// The second is read even after the first was refused: refused too, it shows its kept value.
template <class T>
bool lireCouple(const D& d, const char* idX, const char* idY, sf::Vector2<T>& v)
{
    const bool x = editeur::lireNombre(d, idX, v.x);
    const bool y = editeur::lireNombre(d, idY, v.y);
    return x && y;
}

// The target and its count are read together; either refused, nothing changes. Like every
// value of the keyframe panel, they go to the keyframe shown, refused between keyframes.
void gotoKeyframe(D& d, Saisie&)
{
    if (!animation(d) || d.refuserHorsKeyframe(false))
        return;
    sf::Vector2i g = d.pSprite->getKeyframeGoto(d.numAnimationSel, frame(d));
    if (lireCouple(d, IdAnm::myTextInputGotoFrameAnim, IdAnm::myTextInputNbGotoFrameAnim, g))
        d.pSprite->setKeyframeGoto(d.numAnimationSel, frame(d), g.x, g.y);
}

void gotoKeyframeEtMarqueurs(D& d, Saisie& saisie)
{
    gotoKeyframe(d, saisie);
    if (!animation(d) || !d.pSprite->isKeyframe(d.numAnimationSel, frame(d)))
        return;
    d.majMarqueursTimeline(d.pSprite, d.pTimeline);
    afficher(d, IdAnm::myTextInputAnimFrameNb, CPLUX::itos(d.pSprite->getNbFrames(d.numAnimationSel)));
}

// Animation, shadow, view and files ---------------------------------------------------------------

void imageElement(D& d, Saisie& saisie)
{
    if (d.pSprite->getElement(d.elementSel))
        d.chargerImageElement(d.elementSel, saisie.getText());
}

void lecturesAvantGoto(D& d, Saisie& saisie)
{
    CSPRITE3_ANIMATION* an = d.pSprite->getAnim(d.numAnimationSel);
    if (!an)
        return d.viderPanneauAnimation();
    int n = versUn(an->nbLecturesGoto);
    if (valide(saisie, n))
        an->nbLecturesGoto = depuisUn(n);
}

void animationGoto(D& d, Saisie& saisie)
{
    CSPRITE3_ANIMATION* an = d.pSprite->getAnim(d.numAnimationSel);
    if (!an)
        return d.viderPanneauAnimation();
    int n = versUn(an->animGoto);
    if (valide(saisie, n))
        an->animGoto = depuisUn(n);
}

// A move by (Dx, Dy): a text that is no number moves nothing.
void deplacerAnimation(D& d, Saisie&)
{
    sf::Vector2f v;
    if (animation(d) && lireCouple(d, IdAnm::myTextInputMoveAnimDx, IdAnm::myTextInputMoveAnimDy, v))
        d.pSprite->deplacerAnimation(d.numAnimationSel, v.x, v.y);
}

// Kept within the wheel's bounds: a zoom of 0 would divide the drags by zero.
void zoomVue(D& d, Saisie& saisie)
{
    float z = d.zoom;
    if (valide(saisie, z) && z > 0)
        d.zoom = std::clamp(z, D::ZOOM_MIN, D::ZOOM_MAX);
    afficher(d, IdAnm::myTextInputZoomAnimation, d.zoom);
}

void deltaMere(D& d, Saisie&)
{
    if (d.numAnimationSel < 0 || d.refuserHorsKeyframe(false))
        return;
    sf::Vector2f v = d.pSprite->getKeyframeDelta(d.numAnimationSel, frame(d));
    if (lireCouple(d, IdAnm::myTextInputDxMere, IdAnm::myTextInputDyMere, v))
        d.pSprite->setKeyframeDelta(d.numAnimationSel, frame(d), v.x, v.y);
}

void ombreEcrasement(D& d, Saisie&)
{
    if (!animation(d))
        return d.viderPanneauAnimation();
    sf::Vector2f v = d.pSprite->getOmbreEcrasement(d.numAnimationSel);
    if (lireCouple(d, IdAnm::myTextInputOmbreEcraseX, IdAnm::myTextInputOmbreEcraseY, v))
        d.pSprite->setOmbreEcrasement(d.numAnimationSel, v.x, v.y);
}

void ombreDecalage(D& d, Saisie&)
{
    if (!animation(d))
        return d.viderPanneauAnimation();
    sf::Vector2f v = d.pSprite->getOmbreDecalage(d.numAnimationSel);
    if (lireCouple(d, IdAnm::myTextInputOmbreDx, IdAnm::myTextInputOmbreDy, v))
        d.pSprite->setOmbreDecalage(d.numAnimationSel, v.x, v.y);
}

void ombreRotation(D& d, Saisie& saisie)
{
    if (!animation(d))
        return d.viderPanneauAnimation();
    int r = d.pSprite->getOmbreRotation(d.numAnimationSel);
    if (valide(saisie, r))
        d.pSprite->setOmbreRotation(d.numAnimationSel, r);
}

// Cells below one pixel would never end the grid's loop.
void tailleQuadrillage(D& d, Saisie& saisie)
{
    int n = d.tailleQuadrillage;
    if (valide(saisie, n) && n >= 1)
        d.tailleQuadrillage = n;
}

const Table& saisiesValidees()
{
    static const Table table = {
        {IdAnm::myTextInputAnimFrameCour, frameCourante},
        {IdAnm::myTextInputElementImageExterne, imageElement},
        {IdAnm::myTextInputElementImageExt, imageElement},
        {IdAnm::myTextInputAnimFrameNb, nbFrames},
        {IdAnm::myTextInputScriptFrame, [](D& d, Saisie& saisie) { d.choisirScriptFrame(saisie.getText()); }},
        {IdAnm::myTextInputNbRunScript,
         [](D& d, Saisie&) {
             if (d.refuserHorsKeyframe(false))
                 return;
             d.majNbExecutionsScript();
             d.majMarqueursTimeline(d.pSprite, d.pTimeline);
         }},
        {IdAnm::myTextInputNbLecturesAvantNouvelleAnim, lecturesAvantGoto},
        {IdAnm::myTextInputNumAnimACharger, animationGoto},
        {IdAnm::myTextInputMoveAnimDx, deplacerAnimation},
        {IdAnm::myTextInputMoveAnimDy, deplacerAnimation},
        {IdAnm::myTextInputVitesseAnimCour, vitesse},
        {IdAnm::myTextInputZoomAnimation, zoomVue},
        {IdAnm::myTextInputAnimCourAngle, angleAE},
        {IdAnm::myTextInputAnimCourOx, origineAE},
        {IdAnm::myTextInputAnimCourOy, origineAE},
        {IdAnm::myTextInputAnimCourSx, echelleAE},
        {IdAnm::myTextInputAnimCourSy, echelleAE},
        {IdAnm::myTextInputAnimCourX, positionAE},
        {IdAnm::myTextInputAnimCourY, positionAE},
        {IdAnm::myTextInputNbFramesVisee, nbFramesVisee},
        {IdAnm::myTextInputMaillageNbCols, [](D& d, Saisie&) { d.appliquerTailleMaillage(); }},
        {IdAnm::myTextInputMaillageNbLignes, [](D& d, Saisie&) { d.appliquerTailleMaillage(); }},
        {IdAnm::myTextInputDxMere, deltaMere},
        {IdAnm::myTextInputDyMere, deltaMere},
        {IdAnm::myTextInputGotoFrameAnim, gotoKeyframeEtMarqueurs},
        {IdAnm::myTextInputNbGotoFrameAnim, gotoKeyframe},
        {IdAnm::myTextInputOmbreEcraseX, ombreEcrasement},
        {IdAnm::myTextInputOmbreEcraseY, ombreEcrasement},
        {IdAnm::myTextInputOmbreDx, ombreDecalage},
        {IdAnm::myTextInputOmbreDy, ombreDecalage},
        {IdAnm::myTextInputOmbreRot, ombreRotation},
        {IdAnm::myTextInputOptionTailleQuadrillage, tailleQuadrillage},
        {IdAnm::myTextInputScriptTir, [](D& d, Saisie& saisie) { d.pSprite->scriptTir = saisie.getText(); }},
    };
    return table;
}

// Live inputs ------------------------------------------------------------------------------------------

// One side of the zone, in sheet pixels; the zone control follows.
template <float sf::FloatRect::*cote>
void zone(D& d, Saisie& saisie)
{
    if (saisie.lireNombre(d.rectZonePlanche.*cote))
        d.placerZonePlanche();
}

// A half-typed "0." is no zoom: the sheet keeps its own until a real one is typed. The zone
// and the mesh circles stay on the same sheet pixels.
void zoomPlanche(D& d, Saisie& saisie)
{
    if (!d.pImagePlanche)
        return;
    float z = d.pImagePlanche->getScale();
    if (!saisie.lireNombre(z) || !(z > 0))
        return;
    d.pImagePlanche->setScale(z);
    d.placerZonePlanche();
    if (d.elementSel >= 0)
        d.placerPoigneesMaillagePlanche(d.elementSel);
}

// The sprite's own cell size (GRILLECASE), as the grid check is its GRILLEVISIBLE; below a
// pixel the grid would never end. A text on its way to a number is let be.
void caseGrillePlanche(D& d, Saisie& saisie)
{
    int taille = d.pSprite->grilleCase;
    if (!saisie.lireNombre(taille, 1, INT_MAX))
        return;
    d.pSprite->grilleCase = taille;
    if (d.pImagePlanche)
        d.pImagePlanche->setGridCellSize(static_cast<float>(taille));
}

// An integer of the dialog, at least `minimum`.
template <int D::*champ, int minimum>
void entierLive(D& d, Saisie& saisie)
{
    int n = d.*champ;
    if (saisie.lireNombre(n))
        d.*champ = std::max(minimum, n);
}

// A bound of the bounce, typed as a decimal and kept whole.
template <int CSPRITE3_ANIMATION::*borne>
void borneSoubresaut(D& d, Saisie& saisie)
{
    CSPRITE3_ANIMATION* an = d.pSprite->getAnim(d.numAnimationSel);
    float v = an ? static_cast<float>(an->*borne) : 0.f;
    if (an && saisie.lireNombre(v))
        an->*borne = floatVersInt(v);
}

template <float CSPRITE3_ANIMATION::*valeur>
void soubresaut(D& d, Saisie& saisie)
{
    if (CSPRITE3_ANIMATION* an = d.pSprite->getAnim(d.numAnimationSel))
        saisie.lireNombre(an->*valeur);
}

const Table& saisiesLive()
{
    static const Table table = {
        {IdAnm::myTextInputElementEspace, entierLive<&D::espacementElements, 0>},
        {IdAnm::myTextInputElementNombre, entierLive<&D::nombreElements, 1>},
        {IdAnm::myTextInputElementX, zone<&sf::FloatRect::left>},
        {IdAnm::myTextInputElementY, zone<&sf::FloatRect::top>},
        {IdAnm::myTextInputElementL, zone<&sf::FloatRect::width>},
        {IdAnm::myTextInputElementH, zone<&sf::FloatRect::height>},
        {IdAnm::myTextInputZoomImagePlanche, zoomPlanche},
        {IdAnm::myTextInputTailleCaseGrillePlanche, caseGrillePlanche},
        {IdAnm::myTextInputSoubressautBorneInf, borneSoubresaut<&CSPRITE3_ANIMATION::borneInf>},
        {IdAnm::myTextInputSoubressautBorneSup, borneSoubresaut<&CSPRITE3_ANIMATION::borneSup>},
        {IdAnm::myTextInputSoubressautMax, soubresaut<&CSPRITE3_ANIMATION::maxSoubressaut>},
        {IdAnm::myTextInputSoubressautVitesse, soubresaut<&CSPRITE3_ANIMATION::vitesseSoubressaut>},
        {IdAnm::myTextInputPrecisionCheminAnimation, entierLive<&D::precisionCheminAnimation, 1>},
    };
    return table;
}

void agir(const Table& table, D& d, CPLUXControlTextInput* c)
{
    if (!c)
        return;
    const auto it = table.find(c->getId());
    if (it != table.end())
        it->second(d, *c);
}
} // namespace

void CJeuDialogAnimationsSprites::onCtrlInputEnterPress(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputEnterPress(c);
    agir(saisiesValidees(), *this, c);
}

void CJeuDialogAnimationsSprites::onCtrlInputChange(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputChange(c);
    agir(saisiesLive(), *this, c);
}

void CJeuDialogAnimationsSprites::changerNbFrames(int a, long long n)
{
    if (!pSprite->getAnim(a))
        return;
    pSprite->setNbFrames(a, static_cast<int>(std::clamp(n, 1LL, static_cast<long long>(INT_MAX))));
    const int stocke = pSprite->getNbFrames(a);
    if (pTimeline)
        pTimeline->setNbFrames(stocke);
    afficher(*this, IdAnm::myTextInputAnimFrameNb, stocke);
}
