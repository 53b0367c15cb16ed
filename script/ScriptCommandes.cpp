// The command dispatcher: one step of a running script, the keyword table its handlers
// register into, the block and label marks, the commands it runs itself and the end of a run.
#include "script/ScriptEngine.h"

#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "level/Decor.h"

#include <climits>

// Every handler family registers here, one line per keyword.
void CScriptEngine::enregistrerCommandes(TableCommandes& t)
{
    enregistrerValeurs(t);
    enregistrerTextes(t);
    enregistrerInline(t);
    enregistrerIA(t);
    enregistrerChemins(t);
    enregistrerSprites(t);
    enregistrerMessages(t);
    enregistrerVue(t);
}

void CScriptEngine::enregistrerInline(TableCommandes& t)
{
    t["BACKTOMENU"] = &CScriptEngine::cmdBACKTOMENU;
    t["STOPIA"] = &CScriptEngine::cmdSTOPIA;
    t["RUNIA"] = &CScriptEngine::cmdRUNIA;
    t["BASCULE"] = &CScriptEngine::cmdBASCULE;
    t["CHECKPOINT"] = &CScriptEngine::cmdCHECKPOINT;
}

const TableCommandes& CScriptEngine::tableCommandes()
{
    static const TableCommandes table = [] {
        TableCommandes t;
        enregistrerCommandes(t);
        return t;
    }();
    return table;
}

int CScriptEngine::executerCommande(CScript* s)
{
    if (!s)
        return -1;
    // A single step asked from outside a pass (the monitor) holds removals like a pass.
    ++nPasse;
    bSegmentsAJour = false;
    bBloc = s->bBlocOuvert ? 1 : 0;
    const int r = etape(s);
    // A command may move, show, create or remove any decor sprite: the level's queries by
    // place look at the sprites again before they answer.
    if (CDecor* d = monde())
        d->invaliderIndex();
    s->bBlocOuvert = bBloc != 0;
    --nPasse;
    if (nPasse == 0)
        executerActionsDifferees();
    return r;
}

int CScriptEngine::etape(CScript* s)
{
    const PartieJeu* jeu = faceJeu::partie();
    if (jeu && jeu->commandes[0].bRelX)
        bPasserPause = 1;
    if (s->numCmdCour < 0 || s->numCmdCour >= static_cast<int>(s->commandes.size())) {
        s->pPersoDeclencheur = nullptr;
        s->bEnCours = false;
        bBloc = 0;
        return -1;
    }
    CScriptCommand& c = *s->commandes[static_cast<size_t>(s->numCmdCour)];
    if (c.strMotCle != "=")
        s->retours.clear();
    lancerCommande(s, c);
    if (s->numCmdCour >= static_cast<int>(s->commandes.size()))
        finirRun(s, true);
    return 1;
}

void CScriptEngine::lancerCommande(CScript* s, CScriptCommand& c)
{
    // Most steps run a keyword already looked up; block and label marks never have a handler.
    if (c.gestionnaire) {
        (this->*c.gestionnaire)(s);
        return;
    }
    const std::string& k = c.strMotCle;
    if (k.size() == 1 && (k[0] == '{' || k[0] == '}' || k[0] == ':')) {
        if (k[0] != ':')
            bBloc = k[0] == '{' ? 1 : 0;
        ++s->numCmdCour;
        return;
    }
    lancerSansGestionnaire(s, c);
}

// Kept apart from the step's short path (not inlined there: its calls would make every step
// save registers): the first step of each command, and the keywords without handler.
[[gnu::noinline]] void CScriptEngine::lancerSansGestionnaire(CScript* s, CScriptCommand& c)
{
    if (!c.bGestionnaireCherche) {
        c.bGestionnaireCherche = true;
        const TableCommandes& table = tableCommandes();
        const auto it = table.find(c.strMotCle);
        if (it != table.end() && it->second) {
            c.gestionnaire = it->second;
            (this->*c.gestionnaire)(s);
            return;
        }
    }
    ++s->numCmdCour;  // a keyword without handler is passed over
}

void CScriptEngine::finirRun(CScript* s, bool courant)
{
    if (s->nbRunFaits < INT_MAX)
        ++s->nbRunFaits;
    s->numCmdCour = 0;
    s->bEnCours = false;
    s->bBlocOuvert = false;
    s->pPersoDeclencheur = nullptr;
    bPasserPause = 0;
    if (courant)
        bBloc = 0;
    if (s->nDeclencheur == declencheur::IMMEDIAT_PAUSE)
        s->bPause = true;
    rafraichirMoniteur();
}

// ---------------------------------------------------------------- commands run inline

void CScriptEngine::cmdBACKTOMENU(CScript* s)
{
    marquerFait(s);
    if (ServicesJeu* jeu = faceJeu::services())
        jeu->menuPause();
    ++s->numCmdCour;
}

void CScriptEngine::cmdSTOPIA(CScript* s)
{
    marquerFait(s);
    if (PartieJeu* jeu = faceJeu::partie())
        jeu->bIA = false;
    ++s->numCmdCour;
}

void CScriptEngine::cmdRUNIA(CScript* s)
{
    marquerFait(s);
    if (PartieJeu* jeu = faceJeu::partie())
        jeu->bIA = true;
    ++s->numCmdCour;
}

void CScriptEngine::cmdBASCULE(CScript* s)
{
    marquerFait(s);
    ++s->numCmdCour;
}

// Without a decor sprite the restart point stays where it is.
void CScriptEngine::cmdCHECKPOINT(CScript* s)
{
    marquerFait(s);
    CDecor* d = monde();
    if (s->pSD && d) {
        d->checkpointX = tuv::floatVersInt(s->pSD->x);
        d->checkpointY = tuv::floatVersInt(s->pSD->y);
    }
    ++s->numCmdCour;
}
