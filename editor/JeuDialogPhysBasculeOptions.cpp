// The seesaw options: its eight values shown, and written together by "myButtonOk".
#include "editor/JeuDialogPhysBasculeOptions.h"

#include "core/Physique.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "editor/IdsSprite.h"
#include "editor/JeuDialogSprite.h"
#include "gui/OutilsControles.h"

namespace {

namespace ids = IdSprite::Bascule;

// The seven whole values of the seesaw, in the order of its fields; the tilting speed apart.
const struct {
    const char* id;
    int CPhysBascule::*champ;
} ENTIERS[] = {
    {ids::myTextInputPivot, &CPhysBascule::pivot},
    {ids::myTextInputLargeurPivot, &CPhysBascule::largeurPivot},
    {ids::myTextInputButeeGauche, &CPhysBascule::buteeGauche},
    {ids::myTextInputButeeDroite, &CPhysBascule::buteeDroite},
    {ids::myTextInputPoidsBascule, &CPhysBascule::poidsBascule},
    {ids::myTextInputCPG, &CPhysBascule::cpg},
    {ids::myTextInputCPD, &CPhysBascule::cpd},
};

CPhysBascule* basculeSelection()
{
    const CSPRITE* sd = CJeuDialogSprite::selection();
    return sd ? sd->pPhysB : nullptr;
}

} // namespace

void CJeuDialogPhysBasculeOptions::init()
{
    const bool avant = bRemplissage;
    bRemplissage = true;
    if (const CPhysBascule* b = basculeSelection()) {
        for (const auto& e : ENTIERS)
            editeur::afficher(*this, e.id, b->*e.champ);
        editeur::afficher(*this, ids::myTextInputVitesseRot, b->vitesseRot);
    }
    bRemplissage = avant;
}

// Blanks aside; a text that is no number is refused and keeps the seesaw's value.
void CJeuDialogPhysBasculeOptions::valider()
{
    CPhysBascule* b = basculeSelection();
    if (!b)
        return;
    for (const auto& e : ENTIERS)
        editeur::lireNombre(*this, e.id, b->*e.champ);
    editeur::lireNombre(*this, ids::myTextInputVitesseRot, b->vitesseRot);
}

bool CJeuDialogPhysBasculeOptions::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    if (!c)
        return true;
    if (c->getId() == ids::myButtonOk)
        valider();
    else if (c->getId() == ids::myButtonAnnuler)
        init();
    return true;
}
