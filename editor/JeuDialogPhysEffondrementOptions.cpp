// The collapse options: speed and height typed into the selected sprite's behaviour, the two
// flags, and the resets of one platform or of every platform of the main plane.
#include "editor/JeuDialogPhysEffondrementOptions.h"

#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Physique.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "editor/IdsSprite.h"
#include "editor/JeuDialogSprite.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/OutilsControles.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"

#include <functional>

namespace {

namespace ids = IdSprite::Effondrement;

// The collapse of the selected sprite; null without a selection or without the behaviour.
CPhysEffondrement* effondrementSelection()
{
    const CSPRITE* sd = CJeuDialogSprite::selection();
    return sd ? sd->pPhysE : nullptr;
}

// Each visible sprite of the main plane whose collapse is on, in list order.
void pourChaquePlateforme(const std::function<void(CSPRITE&)>& f)
{
    const MondeJeu* jeu = faceJeu::monde();
    const CCalqueSD* plan = jeu && jeu->pdecor ? jeu->pdecor->pPlans[CDecor::PLAN_PRINCIPAL] : nullptr;
    if (!plan)
        return;
    for (CSPRITE* sd : plan->sprites)
        if (sd && sd->bVisible && sd->bPhysE && sd->pPhysE)
            f(*sd);
}

// Typed speeds and heights are read as numbers and truncated toward zero ("7.9" is 7); a text
// that is no number is refused.
void lireTronque(CPLUXControlTextInput& c, int& valeur)
{
    float v = static_cast<float>(valeur);
    if (c.lireNombre(v))
        valeur = tuv::floatVersInt(v);
}

// A height below 0 would lift the platform instead of dropping it: refused with the box, the
// height kept.
void lireHauteur(CPLUXControlTextInput& c, int& hauteur)
{
    int lue = hauteur;
    lireTronque(c, lue);
    if (lue >= 0)
        hauteur = lue;
    else
        c.refuserHorsBornes(std::to_string(hauteur), "un nombre de 0 ou plus");
}

} // namespace

void CJeuDialogPhysEffondrementOptions::init()
{
    const bool avant = bRemplissage;
    bRemplissage = true;
    if (const CPhysEffondrement* e = effondrementSelection()) {
        editeur::afficher(*this, ids::myTextInputVitesse, e->vitesse);
        editeur::afficher(*this, ids::myTextInputHauteur, e->hauteur);
        editeur::cocher(*this, ids::myButtonCheckHauteurAuto, e->bHauteurAuto);
        editeur::cocher(*this, ids::myButtonCheckHauteurVisible, e->bHauteurVisible);
    } else {
        for (const char* id : {ids::myTextInputVitesse, ids::myTextInputHauteur})
            editeur::afficher(*this, id, std::string());
        for (const char* id : {ids::myButtonCheckHauteurAuto, ids::myButtonCheckHauteurVisible})
            editeur::cocher(*this, id, false);
    }
    bRemplissage = avant;
}

void CJeuDialogPhysEffondrementOptions::onCtrlInputChange(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputChange(c);
    CPhysEffondrement* e = bRemplissage || !c ? nullptr : effondrementSelection();
    if (!e)
        return;
    if (c->getId() == ids::myTextInputVitesse)
        lireTronque(*c, e->vitesse);
    else if (c->getId() == ids::myTextInputHauteur)
        lireHauteur(*c, e->hauteur);
}

void CJeuDialogPhysEffondrementOptions::onCtrlCheckChange(CPLUXControlButtonCheck* c)
{
    CPLUXDialog::onCtrlCheckChange(c);
    if (!c)
        return;
    const bool etat = c->isChecked();
    if (c->getId() == ids::myButtonCheckHauteurVisible) {
        pourChaquePlateforme([etat](CSPRITE& sd) { sd.pPhysE->bHauteurVisible = etat; });
    } else if (c->getId() == ids::myButtonCheckHauteurAuto) {
        if (CPhysEffondrement* e = effondrementSelection())
            e->bHauteurAuto = etat;
    }
}

void CJeuDialogPhysEffondrementOptions::remettre(CSPRITE& sd)
{
    const int x0 = tuv::floatVersInt(sd.x0), y0 = tuv::floatVersInt(sd.y0);
    sd.setPosInit(x0, y0, -1.0f, -1.0f);
    sd.placer(0, x0, y0);
    if (CPhysEffondrement* e = sd.pPhysE) {
        e->bEnAttente = true;
        e->bTermine = false;
        e->etat = 0;
        e->parcouru = 0;
        // The fraction of a pixel left by the last fall would shorten the next one.
        e->reste = 0;
    }
}

bool CJeuDialogPhysEffondrementOptions::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    if (!c)
        return true;
    const std::string& id = c->getId();
    CSPRITE* sd = CJeuDialogSprite::selection();
    if (id == ids::myButtonRAZPos) {
        if (sd)
            remettre(*sd);
    } else if (id == ids::myButtonPosInit) {
        if (sd)
            sd->setPosInit(tuv::floatVersInt(sd->x), tuv::floatVersInt(sd->y), -1.0f, -1.0f);
    } else if (id == ids::myButtonRAZPosTous) {
        pourChaquePlateforme(remettre);
    }
    return true;
}
