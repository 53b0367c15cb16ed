// The script monitor's commands: moving through the list, new, delete and reload, run and
// pause, one command at a time, and the edits of the shown script's settings.
#include "editor/JeuDialogScripts.h"

#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Texte.h"
#include "editor/IdsScripts.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTextInput.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "script/ScriptEngine.h"

#include <algorithm>
#include <vector>

namespace {

namespace ids = IdScripts;

const char* const FICHIER_NOUVEAU = "./niveaux/scripts/monscript.scp";
const char* const SPRITE_VIDE = "./decors/Divers/SDvide.dec";
constexpr int PLAN_PRINCIPAL = 2;
// One step of a script ends at the latest after this many commands: a command that waits for
// the level (a path, an animation, another script) never moves on while the level stands.
constexpr int NB_EXECUTIONS_PAS_MAX = 1000;

using Commande = void (CJeuDialogScripts::*)();
struct Bouton {
    const char* id;
    Commande commande;
};

} // namespace

bool CJeuDialogScripts::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    static const Bouton BOUTONS[] = {
        {"myButtonPrec", &CJeuDialogScripts::precedent},
        {"myButtonSuiv", &CJeuDialogScripts::suivant},
        {"myButtonNew", &CJeuDialogScripts::nouveau},
        {"myButtonDel", &CJeuDialogScripts::supprimer},
        {"myButtonReloadAllScripts", &CJeuDialogScripts::rechargerTous},
        {"myButtonCentrerSD", nullptr},
        {"myButtonReload", &CJeuDialogScripts::recharger},
        {"myButtonInitScripts", &CJeuDialogScripts::refreshListeScripts},
        {"myButtonRunScript", &CJeuDialogScripts::lancer},
        {"myButtonPauseScript", &CJeuDialogScripts::pauser},
        {ids::BOUTON_TOUS, &CJeuDialogScripts::basculerTous},
        {"myButtonCmdSuiv", &CJeuDialogScripts::commandeSuivante},
        {"myButtonCmdPrec", &CJeuDialogScripts::commandePrecedente},
        {"myButtonCmdRun", &CJeuDialogScripts::unPas},
    };
    CPLUXDialog::onPressLeft(w, x, y, c);
    if (!c)
        return true;
    // The row the author chose, read before a rebuild refills the list.
    auto* liste = c->getId() == ids::LISTE_SCRIPTS ? dynamic_cast<CPLUXControlList*>(c) : nullptr;
    const int ligne = liste ? liste->getNumSel() : -1;
    mettreAJour();
    for (const Bouton& b : BOUTONS)
        if (c->getId() == b.id) {
            if (b.commande)
                (this->*b.commande)();
            return true;
        }
    if (liste)
        choisirDansListe(ligne);
    return true;
}

void CJeuDialogScripts::precedent()
{
    if (numScript > 0) {
        --numScript;
        rafraichir();
    }
}

void CJeuDialogScripts::suivant()
{
    if (numScript < nbScripts - 1) {
        ++numScript;
        rafraichir();
    }
}

void CJeuDialogScripts::choisirDansListe(int ligne)
{
    if (ligne >= 0 && ligne < nbScripts && ligne != numScript) {
        numScript = ligne;
        rafraichir();
    }
}

void CJeuDialogScripts::nouveau()
{
    MondeJeu* jeu = faceJeu::monde();
    CScriptEngine* m = moteur();
    CDecor* d = jeu ? jeu->pdecor : nullptr;
    if (!m || !d)
        return;
    CSPRITE* sd = d->pSDSelection;
    if (!sd) {
        // A script needs a sprite: an empty one is made where the player stands.
        jeu->pPersoSelection = nullptr;
        CCalqueSD* plan = d->pPlans[PLAN_PRINCIPAL];
        sd = plan ? d->creerSDFichier(SPRITE_VIDE, plan) : nullptr;
        if (!sd) {
            refreshListeScripts();
            return;
        }
        d->pSDSelection = sd;
        d->pPlanSelection = plan;
    }
    // Not declared by a definition: the level file keeps it.
    if (CScript* s = m->creerScript(FICHIER_NOUVEAU, sd, declencheur::ZONE_CAMERA, -1, false, false))
        s->bFichierNiveau = true;
    refreshListeScripts();
    numScript = std::max(0, nbScripts - 1);
    rafraichir();
}

void CJeuDialogScripts::supprimer()
{
    if (scriptAffiche())
        moteur()->supprimerScriptSiValide(listeScripts[static_cast<size_t>(numScript)]);
    refreshListeScripts();
}

void CJeuDialogScripts::rechargerTous()
{
    if (CScriptEngine* m = moteur())
        m->initFontainesDArmes();
    refreshListeScripts();
}

void CJeuDialogScripts::recharger()
{
    CScript* s = scriptAffiche();
    if (!s)
        return;
    MondeJeu* jeu = faceJeu::monde();
    if (jeu->parmes)
        jeu->parmes->viderTirs();
    auto* suppr = dynamic_cast<CPLUXControlButtonCheck*>(CPLUX::getControl(ids::DIALOGUE, ids::CASE_SUPPR_OBJETS));
    if (suppr && suppr->isChecked())
        supprimerObjetsDe(*s);
    // Freeing an AI also frees the scripts on its sprite: S may be one of them.
    CScriptEngine* m = moteur();
    if (m && m->contient(s))
        m->chargerScript(s);
    refreshListeScripts();
}

void CJeuDialogScripts::supprimerObjetsDe(const CScript& s)
{
    MondeJeu* jeu = faceJeu::monde();
    CDecor* d = jeu->pdecor;
    CScriptEngine* m = moteur();
    if (!d || !m || d->ias.empty())
        return;
    for (CPerso* ia : d->ias) {
        if (!ia || ia->fichierScriptIA != s.strFichier)
            continue;
        ia->bSupprime = true;
        for (size_t i = 0; i < m->scripts.size();) {
            const CScript& autre = *m->scripts[i];
            const bool lie = (ia->sprite && autre.pSD == ia->sprite) || autre.pPersoDeclencheur == ia ||
                             autre.pIACourante == ia;
            // After a removal the same index holds the next script.
            if (&autre == &s || !lie || !m->supprimerScriptSiValide(static_cast<int>(i)))
                ++i;
        }
    }
    std::vector<CPerso*> marques;
    for (CPerso* ia : d->ias)
        if (d->persoASupprimer(ia))
            marques.push_back(ia);
    for (CPerso* ia : marques)
        d->detruirePerso(ia);
}

void CJeuDialogScripts::lancer()
{
    if (CScript* s = scriptAffiche()) {
        s->bPause = false;
        rafraichir();
    }
}

void CJeuDialogScripts::pauser()
{
    if (CScript* s = scriptAffiche()) {
        s->bPause = true;
        rafraichir();
    }
}

void CJeuDialogScripts::basculerTous()
{
    if (CScriptEngine* m = moteur())
        for (const auto& s : m->scripts)
            s->bPause = bScriptsRun;
    bScriptsRun = !bScriptsRun;
    rafraichir();  // the button's caption follows the switch
}

void CJeuDialogScripts::commandeSuivante()
{
    if (CScript* s = scriptAffiche())
        s->numCmdCour = s->numCmdCour + 1 >= s->nbCommandes ? 0 : s->numCmdCour + 1;
}

void CJeuDialogScripts::commandePrecedente()
{
    // A script without commands stays on index 0.
    if (CScript* s = scriptAffiche())
        s->numCmdCour = s->numCmdCour - 1 < 0 ? std::max(0, s->nbCommandes - 1) : s->numCmdCour - 1;
}

void CJeuDialogScripts::unPas()
{
    CScript* s = scriptAffiche();
    if (!s)
        return;
    CScriptEngine* m = moteur();
    // Paused, the engine's frame loop leaves it to the author.
    s->bPause = true;
    const int depart = s->numCmdCour;
    const unsigned numero = s->numCreation;
    for (int n = 0; n < NB_EXECUTIONS_PAS_MAX; ++n) {
        const int r = m->executerCommande(s);
        // The queue run at the end of the step may have removed S, and a script made meanwhile
        // may stand at its address.
        const int i = m->indexDe(s);
        if (i < 0 || m->scripts[static_cast<size_t>(i)]->numCreation != numero)
            break;
        if (r < 0 || s->numCmdCour != depart || !s->bEnCours)
            break;
    }
}

void CJeuDialogScripts::onCtrlInputChange(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputChange(c);
    if (!c)
        return;
    mettreAJour();
    CScript* s = scriptAffiche();
    if (nbScripts <= 0 || !s)
        return;
    const std::string& id = c->getId();
    if (id == ids::SAISIE_SCRIPT) {
        s->strFichier = c->getText();
        afficherFichier(s->strFichier);
    }
    else if (id == ids::SAISIE_NB_RUN)
        c->lireNombre(s->nbRunMax);
    else if (id == ids::SAISIE_CHRONO)
        c->lireNombre(s->nChrono);
}

void CJeuDialogScripts::onCtrlCheckChange(CPLUXControlButtonCheck* c)
{
    CPLUXDialog::onCtrlCheckChange(c);
    if (!c)
        return;
    mettreAJour();
    if (c->getId() == ids::CASE_RELEASE) {
        if (CScript* s = scriptAffiche())
            s->bRelease = c->isChecked();
    } else if (c->getId() == ids::CASE_VARIABLES_AUTO) {
        bRefreshAutoVariables = c->isChecked();
    }
}

void CJeuDialogScripts::onCtrlComboChange(CPLUXControlComboBox* c)
{
    CPLUXDialog::onCtrlComboChange(c);
    if (!c || c->getId() != ids::COMBO_DECLENCHEUR)
        return;
    mettreAJour();
    CScript* s = scriptAffiche();
    const int choix = c->getNumSel();
    if (s && choix >= 0)
        s->setDeclencheur(choix);
}
