// The key-point buttons of the path options: step the selection, delete, add, capture the
// sprite's look, apply the typed values. Key points are reached by index only: no button
// moves the sprite or an anchor.
#include "editor/JeuDialogPhysCheminOptions.h"

#include "core/Chemin.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "editor/IdsSprite.h"
#include "editor/JeuDialogSprite.h"
#include "gui/OutilsControles.h"

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
        // The speeds shown are those of the key point chosen, or the global speed's -1.
        const CAncrageKP* kp = kpSelectionne(chemin);
        const float v = nombre(ids::myTextInputV, kp ? kp->v : -1), vs = nombre(ids::myTextInputVS, kp ? kp->vs : -1);
        const float vr = nombre(ids::myTextInputVR, kp ? kp->vr : -1), vc = nombre(ids::myTextInputVC, kp ? kp->vc : -1);
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

// A typed number by the number fields' rule, the text validated by a button: `actuel` when the
// model lacks the field or its text is refused.
float CJeuDialogPhysCheminOptions::nombre(const char* id, float actuel) const
{
    editeur::lireNombre(*this, id, actuel);
    return actuel;
}

void CJeuDialogPhysCheminOptions::appliquerKP(CChemin& chemin)
{
    CAncrageKP* kp = kpSelectionne(chemin);
    if (!kp)
        return;
    // Colour values are truncated, not clamped: the path clamps them when it runs.
    auto canal = [this](const char* id, int actuel) {
        return tuv::floatVersInt(nombre(id, static_cast<float>(actuel)));
    };
    kp->sx = nombre(ids::myTextInputSx, kp->sx);
    kp->sy = nombre(ids::myTextInputSy, kp->sy);
    kp->r = canal(ids::myTextInputCR, kp->r);
    kp->g = canal(ids::myTextInputCG, kp->g);
    kp->b = canal(ids::myTextInputCB, kp->b);
    kp->a = canal(ids::myTextInputCA, kp->a);
    kp->v = nombre(ids::myTextInputV, kp->v);
    kp->vr = nombre(ids::myTextInputVR, kp->vr);
    kp->vs = nombre(ids::myTextInputVS, kp->vs);
    kp->vc = nombre(ids::myTextInputVC, kp->vc);
    chemin.vGlobale = nombre(ids::myTextInputVGlobale, chemin.vGlobale);
    chemin.vGlobaleC = nombre(ids::myTextInputVGlobaleC, chemin.vGlobaleC);
    chemin.vGlobaleS = nombre(ids::myTextInputVGlobaleS, chemin.vGlobaleS);
    chemin.vGlobaleR = nombre(ids::myTextInputVGlobaleR, chemin.vGlobaleR);
    chemin.deselectionner();
    // Applied: the texts are the path's values now.
    saisiesTapees.clear();
}
