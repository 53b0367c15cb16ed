// Text inputs of the animation editor. Validated inputs act on Enter: frames, speeds, play
// counts, shadow, keyframe and anim-element values (those of the AE record an undo step first);
// live inputs act on every change: the sheet zone, the sheet view, the batch of elements to
// add, the bounce of the animation and the path's precision.
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
using editeur::texte;
using tuv::floatVersInt;

namespace {
using D = CJeuDialogAnimationsSprites;
using R = AnmUndoRecord;
using Action = void (*)(D&, const std::string& texte);
using Table = std::unordered_map<std::string, Action>;

// An aim animation holds its frames per degree for each degree of a half turn.
constexpr long long DEGRES_VISEE = 180;

bool animation(const D& d) { return d.pSprite->getAnim(d.numAnimationSel) != nullptr; }
int frame(const D& d) { return d.pSprite->getFrameCourante(); }
float nombre(const D& d, const char* id) { return CPLUX::stof(texte(d, id)); }
// The inputs count from 1, the sprite from 0.
int depuisUn(const std::string& t)
{
    const int n = CPLUX::stoi(t);
    return n == INT_MIN ? INT_MIN : n - 1;
}

// Anim-element values: the value before the change is recorded, then the whole panel is
// written into the keyframe. The panel moves no child, and its undo moves none either. Off a
// keyframe nothing is written, and nothing recorded: undoing it would write this frame's
// values into the keyframe before it.
void annulerPuisAppliquer(D& d, const char* type, float v1, float v2, float v3, float v4)
{
    if (d.panneauAEEcrivable())
        d.ajouterAnnulation(type, d.numAnimationSel, frame(d), d.numAnimElemSel, v1, v2, v3, v4, 0);
    d.appliquerPanneauAE();
}

void angleAE(D& d, const std::string&)
{
    if (animation(d))
        annulerPuisAppliquer(d, R::FAE_ROT,
                             d.pSprite->getKeyAnimElemRotation(d.numAnimationSel, frame(d), d.numAnimElemSel), 0, 0, 0);
}

void origineAE(D& d, const std::string&)
{
    if (!animation(d))
        return;
    const sf::Vector2f o = d.pSprite->getKeyAnimElemOrigine(d.numAnimationSel, frame(d), d.numAnimElemSel);
    annulerPuisAppliquer(d, R::FAE_ORIGIN, o.x, o.y, 0, 0);
}

void echelleAE(D& d, const std::string&)
{
    if (!animation(d))
        return;
    const sf::Vector2f e = d.pSprite->getKeyAnimElemEchelle(d.numAnimationSel, frame(d), d.numAnimElemSel);
    const sf::Vector2f p = d.pSprite->getPositionInterpolee(d.numAnimationSel, frame(d), d.numAnimElemSel);
    annulerPuisAppliquer(d, R::FAE_SCALE, e.x, e.y, p.x, p.y);
}

void positionAE(D& d, const std::string&)
{
    if (!animation(d))
        return;
    const sf::Vector2f p = d.pSprite->getPositionInterpolee(d.numAnimationSel, frame(d), d.numAnimElemSel);
    annulerPuisAppliquer(d, R::FAE_MOVE, p.x, p.y, 0, 0);
}

// Frames ----------------------------------------------------------------------------------------------

// A frame outside the animation selects frame 0; the timeline, the panels and numKeyFrameSel
// follow the sprite's frame.
void frameCourante(D& d, const std::string& t)
{
    if (!animation(d)) {
        afficher(d, IdAnm::myTextInputAnimFrameCour, "0");
        return;
    }
    int f = CPLUX::stoi(t);
    if (f < 0 || f >= d.pSprite->getNbFrames(d.numAnimationSel))
        f = 0;
    d.allerAFrame(f);
}

// A larger count takes effect; a smaller one drops the keyframes beyond it, so it is asked first.
void nbFrames(D& d, const std::string& t)
{
    const int a = d.numAnimationSel;
    if (!animation(d)) {
        afficher(d, IdAnm::myTextInputAnimFrameNb, "0");
        return;
    }
    const long long n = std::max(1, CPLUX::stoi(t));
    const int actuel = d.pSprite->getNbFrames(a);
    if (n > actuel) {
        d.changerNbFrames(a, n);
    } else if (n < actuel) {
        CPLUX::MessageBoxW(L"ATTENTION !",
                           L"Réduire l'animation à " + CPLUX::itows(static_cast<int>(n)) +
                               L" frames ? Les keyframes au-delà seront supprimées.",
                           D::IDMB_CHANGE_NBFRAMES, &d, 2);
    }
}

void nbFramesVisee(D& d, const std::string& t)
{
    const int a = d.numAnimationSel;
    if (!animation(d))
        return;
    const int n = std::max(1, floatVersInt(CPLUX::stof(t)));
    d.pSprite->setNbFramesVisee(a, n);
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

void vitesse(D& d, const std::string& t)
{
    if (!animation(d))
        afficher(d, IdAnm::myTextInputVitesseAnimCour, "1");
    else
        d.pSprite->setVitesseAnim(d.numAnimationSel, CPLUX::stoi(t));
}

void gotoKeyframe(D& d, const std::string&)
{
    if (animation(d))
        d.pSprite->setKeyframeGoto(d.numAnimationSel, frame(d), CPLUX::stoi(texte(d, IdAnm::myTextInputGotoFrameAnim)),
                                   CPLUX::stoi(texte(d, IdAnm::myTextInputNbGotoFrameAnim)));
}

void gotoKeyframeEtMarqueurs(D& d, const std::string& t)
{
    if (!animation(d))
        return;
    gotoKeyframe(d, t);
    d.majMarqueursTimeline(d.pSprite, d.pTimeline);
    afficher(d, IdAnm::myTextInputAnimFrameNb, CPLUX::itos(d.pSprite->getNbFrames(d.numAnimationSel)));
}

// Animation, shadow, view and files ---------------------------------------------------------------

void imageElement(D& d, const std::string& t)
{
    if (d.pSprite->getElement(d.elementSel))
        d.chargerImageElement(d.elementSel, t);
}

void lecturesAvantGoto(D& d, const std::string& t)
{
    if (animation(d))
        d.pSprite->getAnim(d.numAnimationSel)->nbLecturesGoto = depuisUn(t);
}

void animationGoto(D& d, const std::string& t)
{
    if (animation(d))
        d.pSprite->getAnim(d.numAnimationSel)->animGoto = depuisUn(t);
}

void deplacerAnimation(D& d, const std::string&)
{
    if (animation(d))
        d.pSprite->deplacerAnimation(d.numAnimationSel, nombre(d, IdAnm::myTextInputMoveAnimDx),
                                     nombre(d, IdAnm::myTextInputMoveAnimDy));
}

// Kept within the wheel's bounds: a zoom of 0 would divide the drags by zero.
void zoomVue(D& d, const std::string& t)
{
    const float z = CPLUX::stof(t);
    if (z > 0)
        d.zoom = std::clamp(z, D::ZOOM_MIN, D::ZOOM_MAX);
    afficher(d, IdAnm::myTextInputZoomAnimation, d.zoom);
}

void deltaMere(D& d, const std::string&)
{
    if (d.numAnimationSel >= 0)
        d.pSprite->setKeyframeDelta(d.numAnimationSel, frame(d), nombre(d, IdAnm::myTextInputDxMere),
                                    nombre(d, IdAnm::myTextInputDyMere));
}

void ombreEcrasement(D& d, const std::string&)
{
    d.pSprite->setOmbreEcrasement(d.numAnimationSel, nombre(d, IdAnm::myTextInputOmbreEcraseX),
                                  nombre(d, IdAnm::myTextInputOmbreEcraseY));
}

void ombreDecalage(D& d, const std::string&)
{
    d.pSprite->setOmbreDecalage(d.numAnimationSel, nombre(d, IdAnm::myTextInputOmbreDx),
                                nombre(d, IdAnm::myTextInputOmbreDy));
}

// Cells below one pixel would never end the grid's loop.
void tailleQuadrillage(D& d, const std::string& t)
{
    const int n = CPLUX::stoi(t);
    if (n >= 1)
        d.tailleQuadrillage = n;
}

const Table& saisiesValidees()
{
    static const Table table = {
        {IdAnm::myTextInputAnimFrameCour, frameCourante},
        {IdAnm::myTextInputElementImageExterne, imageElement},
        {IdAnm::myTextInputElementImageExt, imageElement},
        {IdAnm::myTextInputAnimFrameNb, nbFrames},
        {IdAnm::myTextInputNbRunScript,
         [](D& d, const std::string&) {
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
        {IdAnm::myTextInputMaillageNbCols, [](D& d, const std::string&) { d.appliquerTailleMaillage(); }},
        {IdAnm::myTextInputMaillageNbLignes, [](D& d, const std::string&) { d.appliquerTailleMaillage(); }},
        {IdAnm::myTextInputDxMere, deltaMere},
        {IdAnm::myTextInputDyMere, deltaMere},
        {IdAnm::myTextInputGotoFrameAnim, gotoKeyframeEtMarqueurs},
        {IdAnm::myTextInputNbGotoFrameAnim, gotoKeyframe},
        {IdAnm::myTextInputOmbreEcraseX, ombreEcrasement},
        {IdAnm::myTextInputOmbreEcraseY, ombreEcrasement},
        {IdAnm::myTextInputOmbreDx, ombreDecalage},
        {IdAnm::myTextInputOmbreDy, ombreDecalage},
        {IdAnm::myTextInputOmbreRot,
         [](D& d, const std::string& t) { d.pSprite->setOmbreRotation(d.numAnimationSel, CPLUX::stoi(t)); }},
        {IdAnm::myTextInputOptionTailleQuadrillage, tailleQuadrillage},
        {IdAnm::myTextInputScriptTir, [](D& d, const std::string& t) { d.pSprite->scriptTir = t; }},
    };
    return table;
}

// Live inputs ------------------------------------------------------------------------------------------

// One side of the zone, in sheet pixels; the zone control follows.
template <float sf::FloatRect::*cote>
void zone(D& d, const std::string& t)
{
    d.rectZonePlanche.*cote = CPLUX::stof(t);
    d.placerZonePlanche();
}

// A half-typed "0." is no zoom: the sheet keeps its own until a real one is typed. The zone
// and the mesh circles stay on the same sheet pixels.
void zoomPlanche(D& d, const std::string& t)
{
    const float z = CPLUX::stof(t);
    if (!d.pImagePlanche || !(z > 0))
        return;
    d.pImagePlanche->setScale(z);
    d.placerZonePlanche();
    if (d.elementSel >= 0)
        d.placerPoigneesMaillagePlanche(d.elementSel);
}

void caseGrillePlanche(D& d, const std::string& t)
{
    const float taille = CPLUX::stof(t);
    if (d.pImagePlanche && taille >= 1)
        d.pImagePlanche->setGridCellSize(taille);
}

CSPRITE3_ANIMATION* animationSel(D& d) { return d.pSprite->getAnim(d.numAnimationSel); }

const Table& saisiesLive()
{
    static const Table table = {
        {IdAnm::myTextInputElementEspace,
         [](D& d, const std::string& t) { d.espacementElements = std::max(0, CPLUX::stoi(t)); }},
        {IdAnm::myTextInputElementNombre,
         [](D& d, const std::string& t) { d.nombreElements = std::max(1, CPLUX::stoi(t)); }},
        {IdAnm::myTextInputElementX, zone<&sf::FloatRect::left>},
        {IdAnm::myTextInputElementY, zone<&sf::FloatRect::top>},
        {IdAnm::myTextInputElementL, zone<&sf::FloatRect::width>},
        {IdAnm::myTextInputElementH, zone<&sf::FloatRect::height>},
        {IdAnm::myTextInputZoomImagePlanche, zoomPlanche},
        {IdAnm::myTextInputTailleCaseGrillePlanche, caseGrillePlanche},
        {IdAnm::myTextInputSoubressautBorneInf,
         [](D& d, const std::string& t) {
             if (CSPRITE3_ANIMATION* an = animationSel(d))
                 an->borneInf = floatVersInt(CPLUX::stof(t));
         }},
        {IdAnm::myTextInputSoubressautBorneSup,
         [](D& d, const std::string& t) {
             if (CSPRITE3_ANIMATION* an = animationSel(d))
                 an->borneSup = floatVersInt(CPLUX::stof(t));
         }},
        {IdAnm::myTextInputSoubressautMax,
         [](D& d, const std::string& t) {
             if (CSPRITE3_ANIMATION* an = animationSel(d))
                 an->maxSoubressaut = CPLUX::stof(t);
         }},
        {IdAnm::myTextInputSoubressautVitesse,
         [](D& d, const std::string& t) {
             if (CSPRITE3_ANIMATION* an = animationSel(d))
                 an->vitesseSoubressaut = CPLUX::stof(t);
         }},
        {IdAnm::myTextInputPrecisionCheminAnimation,
         [](D& d, const std::string& t) { d.precisionCheminAnimation = std::max(1, CPLUX::stoi(t)); }},
    };
    return table;
}

void agir(const Table& table, D& d, const CPLUXControlTextInput* c)
{
    if (!c)
        return;
    const auto it = table.find(c->getId());
    if (it != table.end())
        it->second(d, c->getText());
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
