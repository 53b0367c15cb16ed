// The key-point buttons of the path options: step the selection, delete, add, capture the
// sprite's look, apply the typed values. Key points are reached by index only: no button
// moves the sprite or an anchor.
#include "editor/JeuDialogPhysCheminOptions.h"

#include "core/Chemin.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "editor/IdsSprite.h"
#include "editor/JeuDialogSprite.h"

namespace {

namespace ids = IdSprite::Chemin;

} // namespace

bool CJeuDialogPhysCheminOptions::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    CSPRITE* sd = c ? CJeuDialogSprite::selection() : nullptr;
    if (!sd || !sd->pChemin)
        return true;
    CChemin& chemin = *sd->pChemin;
    const std::string& id = c->getId();
    // The button names are historical: "G" runs KPsuivant, "D" KPprecedent.
    if (id == ids::myButtonG) {
        chemin.bPause = true;
        chemin.KPsuivant(sd);
    } else if (id == ids::myButtonD) {
        chemin.bPause = true;
        chemin.KPprecedent(sd);
    } else if (id == ids::myButtonSuppr) {
        chemin.bPause = true;
        chemin.supprimerKP(chemin.numKP);
    } else if (id == ids::myButtonNouveau) {
        chemin.bPause = true;
        chemin.ajouterKP(sd);
    } else if (id == ids::myButtonMAJ) {
        const float v = nombre(ids::myTextInputV), vs = nombre(ids::myTextInputVS);
        const float vr = nombre(ids::myTextInputVR), vc = nombre(ids::myTextInputVC);
        chemin.majKP(sd, v, vs, vr, vc);
    } else if (id == ids::myButtonKPOK) {
        // The controls go on showing the values just applied: no refill.
        appliquerKP(chemin);
        return true;
    } else {
        return true;
    }
    init();
    return true;
}

// A typed number, blanks removed; 0 for a text without one.
float CJeuDialogPhysCheminOptions::nombre(const char* id) const
{
    const CPLUXControl* t = getControl(id);
    return t ? tuv::stof(tuv::delspaces(t->getText())) : 0.0f;
}

void CJeuDialogPhysCheminOptions::appliquerKP(CChemin& chemin)
{
    CAncrageKP* kp = kpSelectionne(chemin);
    if (!kp)
        return;
    // Colour values are truncated, not clamped: the path clamps them when it runs.
    auto canal = [this](const char* id) { return tuv::floatVersInt(nombre(id)); };
    kp->sx = nombre(ids::myTextInputSx);
    kp->sy = nombre(ids::myTextInputSy);
    kp->r = canal(ids::myTextInputCR);
    kp->g = canal(ids::myTextInputCG);
    kp->b = canal(ids::myTextInputCB);
    kp->a = canal(ids::myTextInputCA);
    kp->v = nombre(ids::myTextInputV);
    kp->vr = nombre(ids::myTextInputVR);
    kp->vs = nombre(ids::myTextInputVS);
    kp->vc = nombre(ids::myTextInputVC);
    chemin.vGlobale = nombre(ids::myTextInputVGlobale);
    chemin.vGlobaleC = nombre(ids::myTextInputVGlobaleC);
    chemin.vGlobaleS = nombre(ids::myTextInputVGlobaleS);
    chemin.vGlobaleR = nombre(ids::myTextInputVGlobaleR);
    chemin.deselectionner();
}
