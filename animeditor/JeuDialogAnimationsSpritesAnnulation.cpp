// Undo of the animation editor: the records pushed before a change of an AE key, their pop,
// the mesh-point drag step that records one, and what becomes of the editor's references to
// the sprite's indexes (undo records, copy buffers, bound dialogs) when a change renumbers
// them: undo must put values back where they were taken, never into another AE.
#include "animeditor/JeuDialogAnimationsSprites.h"
#include "animeditor/JeuDialogEventsAnm.h"
#include "animeditor/JeuDialogScriptAnm.h"
#include "editor/JeuDialogPhysParticulesOptions.h"
#include "editor/JeuDialogShaderVERT.h"

#include "anim/Sprite3.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"

#include <cmath>

namespace {
using R = AnmUndoRecord;

// The record still names a key: its AE and a keyframe in force at its frame; a mesh record
// also a point of the AE's element.
bool cleExiste(const CSPRITE3& s, const R& r)
{
    if (!s.getAnimElem(r.animation, r.animElem) || !s.getCle(r.animation, r.frame, r.animElem))
        return false;
    if (r.type != R::FAE_MAILLE)
        return true;
    const CSPRITE3_ELEMENT* e = s.getElement(s.getElementAnimElem(r.animation, r.animElem));
    return e && std::isfinite(r.valeur3) && r.valeur3 > -1.f && r.valeur3 < static_cast<float>(e->getNbPoints());
}

void restaurer(CSPRITE3& s, const R& r)
{
    const int a = r.animation, f = r.frame, ae = r.animElem;
    const bool positions = (r.enfants & R::ENFANTS_POSITIONS) != 0;
    const bool echelles = (r.enfants & R::ENFANTS_ECHELLES) != 0;
    const std::string& t = r.type;
    if (t == R::FAE_MOVE) {
        s.setKeyAnimElemPosition(a, f, ae, r.valeur1, r.valeur2, positions);
    } else if (t == R::FAE_SCALE) {
        // Scaled back about where the AE went, then moved back: the children land where they were.
        s.setKeyAnimElemEchelle(a, f, ae, r.valeur1, r.valeur2, positions, echelles);
        s.setKeyAnimElemPosition(a, f, ae, r.valeur3, r.valeur4, positions);
    } else if (t == R::FAE_ROT) {
        s.setKeyAnimElemRotation(a, f, ae, r.valeur1, positions, echelles);
    } else if (t == R::FAE_ORIGIN) {
        s.setKeyAnimElemOrigine(a, f, ae, r.valeur1, r.valeur2);
    } else if (t == R::FAE_MAILLE) {
        s.setPointMaillage(a, f, ae, static_cast<int>(r.valeur3), r.valeur1, r.valeur2);
    } else if (t == R::FAE_VISIBLE) {
        s.setKeyAnimElemVisible(a, f, ae, r.valeur1 != 0, positions);
    } else if (t == R::FAE_AVP) {
        s.setKeyAnimElemAvantPlan(a, f, ae, r.valeur1 != 0);
    } else if (t == R::FAE_FLIPH || t == R::FAE_FLIPV) {
        s.setKeyAnimElemEchelle(a, f, ae, r.valeur1, r.valeur2, positions, echelles);
    }
}
} // namespace

void CJeuDialogAnimationsSprites::ajouterAnnulation(const std::string& type, int animation, int frame, int animElem,
                                                    float v1, float v2, float v3, float v4, int enfants)
{
    AnmUndoRecord& r = listeAnnulations.emplace_back();
    r.type = type;
    r.animation = animation;
    r.frame = frame;
    r.animElem = animElem;
    r.valeur1 = v1;
    r.valeur2 = v2;
    r.valeur3 = v3;
    r.valeur4 = v4;
    r.enfants = enfants;
    while (listeAnnulations.size() > MAX_ANNULATIONS)
        listeAnnulations.pop_front();
}

// The refresh names the selection, not the record: what the user sees is refreshed.
void CJeuDialogAnimationsSprites::annulerDerniereAction()
{
    if (listeAnnulations.empty())
        return;
    if (cleExiste(*pSprite, listeAnnulations.back()))
        restaurer(*pSprite, listeAnnulations.back());
    listeAnnulations.pop_back();
    majPoigneesAE(numAnimationSel, pSprite->getFrame(numAnimationSel), numAnimElemSel);
    majPanneauAE();
}

// One drag step on mesh point j of the selected AE: the mouse's movement in the element's
// own axes (unzoomed, turned back, mirrored with the AE). The first step of the drag records
// where the point was; a drag of several points records each of them.
void CJeuDialogAnimationsSprites::deplacerPointMaillage(int j)
{
    const int a = numAnimationSel, f = pSprite->getFrameCourante(), e = numAnimElemSel;
    const CSPRITE3_ELEMENT* el = pSprite->getElement(pSprite->getElementAnimElem(a, e));
    if (!el || !pSprite->getCle(a, f, e) || j < 0 || j >= el->getNbPoints() || !pImageAnimation || !(zoom > 0))
        return;
    const sf::Vector2f p = pSprite->getKeyAnimElemPoint(a, f, e, pSprite->getSommetPointMaillage(a, e, j));
    if (bDebutDrag)
        ajouterAnnulation(AnmUndoRecord::FAE_MAILLE, a, f, e, p.x, p.y, static_cast<float>(j), 0, 0);
    const sf::Vector2f d = pImageAnimation->getDragDelta();
    sf::Vector2f r = tournerPoint(d.x / zoom, d.y / zoom, pSprite->getKeyAnimElemRotation(a, f, e), 0, 0);
    const sf::Vector2f echelle = pSprite->getKeyAnimElemEchelle(a, f, e);
    if (echelle.x < 0)
        r.x = -r.x;
    if (echelle.y < 0)
        r.y = -r.y;
    const sf::Vector2f n = p + r;
    if (std::isfinite(n.x) && std::isfinite(n.y))
        pSprite->setPointMaillage(a, f, e, j, n.x, n.y);
}

// References to the sprite's indexes --------------------------------------------------------------

void CJeuDialogAnimationsSprites::oublierReferences(int animation, bool animElems)
{
    if (animation < 0) {
        listeAnnulations.clear();
        bCopieFrame = false;
        numAnimationCopie = -1;
        numAnimationCopieAE = numAnimElemCopieAE = -1;
        detacherDialoguesLies();
        return;
    }
    listeAnnulations.remove_if([animation](const AnmUndoRecord& r) { return r.animation == animation; });
    if (!animElems)
        return;
    if (numAnimationCopie == animation) {
        bCopieFrame = false;
        numAnimationCopie = -1;
    }
    if (numAnimationCopieAE == animation)
        numAnimationCopieAE = numAnimElemCopieAE = -1;
    detacherDialoguesLies();
}

void CJeuDialogAnimationsSprites::detacherDialoguesLies()
{
    if (auto* shaders = dynamic_cast<CJeuDialogShaderVERT*>(CPLUX::getDialog("JeuDialogShader"))) {
        shaders->pUniformsVert = nullptr;
        shaders->pUniformsFrag = nullptr;
        shaders->iListeCourante = -1;
        shaders->init();
    }
    if (auto* particules =
            dynamic_cast<CJeuDialogPhysParticulesOptions*>(CPLUX::getDialog("JeuDialogPhysParticulesOptions")))
        particules->init(nullptr, nullptr);
    if (auto* evenements = dynamic_cast<CJeuDialogEventsAnm*>(CPLUX::getDialog("JeuDialogEventsAnm")))
        evenements->setElement(pSprite, -1, -1);
    if (auto* script = dynamic_cast<CJeuDialogScriptAnm*>(CPLUX::getDialog("JeuDialogScriptAnm")))
        script->editScriptFrame(nullptr);
    // The next keyframe panel tells the script dialog its keyframe again.
    cibleScript_ = CibleScript();
}
