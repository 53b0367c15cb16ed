// The fill of the path options and the write-back of its platform inputs and checks.
#include "editor/JeuDialogPhysCheminOptions.h"

#include "core/Chemin.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "editor/IdsSprite.h"
#include "editor/JeuDialogSprite.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/OutilsControles.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"

namespace {

namespace ids = IdSprite::Chemin;

// The travel-mode boxes in the order of their values (0, 1, 2).
const char* const PARCOURS[] = {ids::myButtonCheckAR, ids::myButtonCheckAS, ids::myButtonCheckB};

// The platform inputs and what they write.
const struct {
    const char* id;
    int CChemin::*champ;
} PLATEFORME[] = {
    {ids::myTextInputDepH, &CChemin::depH},
    {ids::myTextInputDepV, &CChemin::depV},
    {ids::myTextInputDepVitesse, &CChemin::depVitesse},
};

} // namespace

CAncrageKP* CJeuDialogPhysCheminOptions::kpSelectionne(const CChemin& c)
{
    return c.numKP >= 0 && c.numKP < c.nbKP ? c.getKP(c.numKP) : nullptr;
}

template <class T>
void CJeuDialogPhysCheminOptions::afficher(const char* id, const T& valeur)
{
    const CPLUXControl* c = getControl(id);
    if (c && !(bEnMarche && gardee(c)))
        editeur::afficher(*this, id, valeur);
}

bool CJeuDialogPhysCheminOptions::gardee(const CPLUXControl* c) const
{
    return c == CPLUX::getKeyboardFocus() || saisiesTapees.count(c) > 0;
}

void CJeuDialogPhysCheminOptions::onCreate()
{
    CPLUXDialog::onCreate();
    init();
}

void CJeuDialogPhysCheminOptions::rafraichirEnMarche()
{
    bEnMarche = true;
    init();
    bEnMarche = false;
}

void CJeuDialogPhysCheminOptions::init()
{
    const bool avant = bRemplissage;
    bRemplissage = true;
    if (!bEnMarche)
        saisiesTapees.clear();
    const CSPRITE* sd = CJeuDialogSprite::selection();
    if (!sd || !sd->bPhysC || !sd->pChemin) {
        reinitialiser();
    } else {
        const CChemin& c = *sd->pChemin;
        editeur::cocher(*this, ids::myButtonCheckAnimationKP, c.typeAnimation == 0);
        editeur::cocher(*this, ids::myButtonCheckAnimationPlateforme, c.typeAnimation == 1);
        for (const auto& p : PLATEFORME)
            afficher(p.id, c.*p.champ);
        editeur::cocher(*this, ids::myButtonCheck, c.bAfficherChemin);
        editeur::cocher(*this, ids::myButtonCheckPause, c.bPause);
        // Without a selected key point its controls keep what they showed.
        if (const CAncrageKP* kp = kpSelectionne(c))
            remplirKP(c, *kp);
    }
    bRemplissage = avant;
}

// No path to show: the key point, the platform and the checks read zero; the global
// speeds keep their texts.
void CJeuDialogPhysCheminOptions::reinitialiser()
{
    for (const char* id : {ids::myTextInputX, ids::myTextInputY, ids::myTextInputSx, ids::myTextInputSy,
                           ids::myTextInputR, ids::myTextInputCR, ids::myTextInputCG, ids::myTextInputCB,
                           ids::myTextInputCA, ids::myTextInputNBChemin, ids::myTextInputDepH, ids::myTextInputDepV,
                           ids::myTextInputDepVitesse})
        afficher(id, 0);
    for (const char* id : {ids::myTextInputV, ids::myTextInputVS, ids::myTextInputVR, ids::myTextInputVC})
        afficher(id, -1);
    for (const char* id : {ids::myButtonCheckFH, ids::myButtonCheckFV, ids::myButtonCheckAR, ids::myButtonCheckAS,
                           ids::myButtonCheckB, ids::myButtonCheck, ids::myButtonCheckPause,
                           ids::myButtonCheckPauseAll, ids::myButtonCheckAnimationKP,
                           ids::myButtonCheckAnimationPlateforme})
        editeur::cocher(*this, id, false);
    editeur::afficher(*this, ids::myTextNum, std::string(IdSprite::COMPTEUR_INCONNU));
}

void CJeuDialogPhysCheminOptions::remplirKP(const CChemin& c, const CAncrageKP& kp)
{
    afficher(ids::myTextInputSx, kp.sx);
    afficher(ids::myTextInputSy, kp.sy);
    afficher(ids::myTextInputR, kp.pAncre ? kp.pAncre->rotangle : 0.0f);
    afficher(ids::myTextInputCR, kp.r);
    afficher(ids::myTextInputCG, kp.g);
    afficher(ids::myTextInputCB, kp.b);
    afficher(ids::myTextInputCA, kp.a);
    afficher(ids::myTextInputV, kp.v);
    afficher(ids::myTextInputVS, kp.vs);
    afficher(ids::myTextInputVR, kp.vr);
    afficher(ids::myTextInputVC, kp.vc);
    editeur::cocher(*this, ids::myButtonCheckFH, kp.flipH != 0);
    editeur::cocher(*this, ids::myButtonCheckFV, kp.flipV != 0);
    afficher(ids::myTextInputVGlobale, c.vGlobale);
    afficher(ids::myTextInputVGlobaleC, c.vGlobaleC);
    afficher(ids::myTextInputVGlobaleS, c.vGlobaleS);
    afficher(ids::myTextInputVGlobaleR, c.vGlobaleR);
    afficher(ids::myTextInputNBChemin, c.nbChemin);
    const int mode = c.modeParcours == 0 || c.modeParcours == 1 ? c.modeParcours : 2;
    for (int m = 0; m < 3; ++m)
        editeur::cocher(*this, PARCOURS[m], m == mode);
    editeur::afficher(*this, ids::myTextNum, tuv::itos(c.numKP + 1) + " / " + tuv::itos(c.nbKP));
}

void CJeuDialogPhysCheminOptions::onCtrlInputChange(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputChange(c);
    if (!bRemplissage && c)
        saisiesTapees.insert(c);
    const CSPRITE* sd = bRemplissage || !c ? nullptr : CJeuDialogSprite::selection();
    if (!sd || !sd->pChemin)
        return;
    for (const auto& p : PLATEFORME)
        if (c->getId() == p.id)
            c->lireNombre(sd->pChemin->*p.champ);
}

void CJeuDialogPhysCheminOptions::pauserTous(bool pause)
{
    const MondeJeu* jeu = faceJeu::monde();
    if (!jeu || !jeu->pdecor)
        return;
    for (const CCalqueSD* plan : jeu->pdecor->pPlans)
        if (plan)
            for (CSPRITE* sd : plan->sprites)
                if (sd && sd->pChemin)
                    sd->pChemin->bPause = pause;
}

void CJeuDialogPhysCheminOptions::onCtrlCheckChange(CPLUXControlButtonCheck* c)
{
    CPLUXDialog::onCtrlCheckChange(c);
    if (!c)
        return;
    const std::string& id = c->getId();
    const bool etat = c->isChecked();
    if (id == ids::myButtonCheckPauseAll) {
        pauserTous(etat);
        return;
    }
    const CSPRITE* sd = CJeuDialogSprite::selection();
    CChemin* chemin = sd ? sd->pChemin : nullptr;
    if (!chemin)
        return;
    // The type and travel-mode boxes write their value whatever their new state.
    if (id == ids::myButtonCheckAnimationKP)
        chemin->typeAnimation = 0;
    else if (id == ids::myButtonCheckAnimationPlateforme)
        chemin->typeAnimation = 1;
    else if (id == ids::myButtonCheck)
        chemin->bAfficherChemin = etat;
    else if (id == ids::myButtonCheckPause)
        chemin->bPause = etat;
    for (int m = 0; m < 3; ++m)
        if (id == PARCOURS[m])
            chemin->modeParcours = m;
    CAncrageKP* kp = kpSelectionne(*chemin);
    if (kp && id == ids::myButtonCheckFH)
        kp->flipH = etat ? 1 : 0;
    else if (kp && id == ids::myButtonCheckFV)
        kp->flipV = etat ? 1 : 0;
}
