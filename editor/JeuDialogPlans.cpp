#include "editor/JeuDialogPlans.h"

#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Texte.h"
#include "editor/Editeur.h"
#include "gui/CPLUXControlTextInput.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"

#include <algorithm>
#include <string>

namespace {

constexpr const char* SAISIE_TRAVAIL = "myTextInputCalqueTravail";
constexpr const char* SAISIE_VISIBLE = "myTextInputCalqueVisible";
// "chkPlan0" to "chkPlan4" choose the working plane (one group), "chkPlanV0" to "chkPlanV4"
// show or hide a plane.
constexpr const char* CASE_PLAN = "chkPlan";
constexpr const char* CASE_VISIBLE = "chkPlanV";

std::string idPlan(const char* prefixe, int n) { return prefixe + std::to_string(n); }

CDecor* decorCourant()
{
    MondeJeu* jeu = faceJeu::monde();
    return jeu ? jeu->pdecor : nullptr;
}

} // namespace

void CJeuDialogPlans::onCreate()
{
    CPLUXDialog::onCreate();
    remplir();
}

void CJeuDialogPlans::onShow()
{
    CPLUXDialog::onShow();
    remplir();
}

void CJeuDialogPlans::remplir()
{
    CDecor* d = decorCourant();
    if (!d)
        return;
    editeur::remplirTexte(getControl(SAISIE_TRAVAIL), d->calqueTravail);
    editeur::remplirTexte(getControl(SAISIE_VISIBLE), d->calqueVisible);
    if (d->numPlanTravail >= 0 && d->numPlanTravail < CDecor::NB_PLANS)
        setCheckGroup(idPlan(CASE_PLAN, d->numPlanTravail));
    for (int n = 0; n < CDecor::NB_PLANS; ++n)
        if (CPLUXControlButtonCheck* c = ctrlButtonCheck(idPlan(CASE_VISIBLE, n)); c && d->pPlans[n])
            c->setCheck(d->pPlans[n]->bVisible);
}

bool CJeuDialogPlans::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    CDecor* d = decorCourant();
    if (!c || !d)
        return false;
    for (int n = 0; n < CDecor::NB_PLANS; ++n) {
        if (c->getId() == idPlan(CASE_PLAN, n)) {
            setCheckGroup(c->getId());
            d->numPlanTravail = n;
            d->pPlanTravail = d->pPlans[n];
            return false;
        }
    }
    for (int n = 0; n < CDecor::NB_PLANS; ++n) {
        if (c->getId() == idPlan(CASE_VISIBLE, n) && d->pPlans[n]) {
            CCalqueSD& plan = *d->pPlans[n];
            plan.bVisible = !plan.bVisible;
            if (auto* coche = dynamic_cast<CPLUXControlButtonCheck*>(c))
                coche->setCheck(plan.bVisible);
            return false;
        }
    }
    return false;
}

// Layer numbers: negatives give 0; a text that is no number is refused.
void CJeuDialogPlans::onCtrlInputChange(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputChange(c);
    CDecor* d = decorCourant();
    if (!c || !d || (c->getId() != SAISIE_TRAVAIL && c->getId() != SAISIE_VISIBLE))
        return;
    int n = c->getId() == SAISIE_TRAVAIL ? d->calqueTravail : d->calqueVisible;
    if (!c->lireNombre(n))
        return;
    n = std::max(0, n);
    if (c->getId() == SAISIE_TRAVAIL) {
        d->calqueTravail = n;
    } else if (c->getId() == SAISIE_VISIBLE && n != d->calqueVisible) {
        d->calqueVisible = n;
        for (CCalqueSD* plan : d->pPlans)
            if (plan)
                plan->afficherCalque(n);
    }
}
