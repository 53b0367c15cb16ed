// The script hooks of the foundation: animated sprites create the scripts of their frames and
// shots, pause them until their frame comes, resume and remove them.
#include "core/EtatJeu.h"
#include "script/ScriptEngine.h"

#include "core/Services.h"

namespace {
// The engine of the game that holds the script: sprites may keep a pointer to a script that
// an engine has since removed, and such a pointer must not be followed.
CScriptEngine* moteurDe(const MondeJeu& jeu, const CScript* s)
{
    for (CScriptEngine* e : {jeu.pscriptEngineMenu, jeu.pscriptEngineJeu})
        if (e && e->contient(s))
            return e;
    return nullptr;
}
} // namespace

void installerServicesScripts(MondeJeu& jeu)
{
    ServicesFondation& s = g_services;
    s.creerScript = [&jeu](const std::string& fichier, CSPRITE* sd, int declencheur, int nbRunMax, bool bRelease,
                           bool bDeclareDEC) -> CScript* {
        return jeu.pscriptEngine ? jeu.pscriptEngine->creerScript(fichier, sd, declencheur, nbRunMax, bRelease, bDeclareDEC)
                                 : nullptr;
    };
    s.pauserScript = [&jeu](CScript* script) {
        if (moteurDe(jeu, script))
            script->bPause = true;
    };
    s.reprendreScript = [&jeu](CScript* script) {
        if (moteurDe(jeu, script))
            script->bPause = false;
    };
    s.numeroScript = [&jeu](const CScript* script) { return moteurDe(jeu, script) ? script->numCreation : 0U; };
    s.supprimerScript = [&jeu](CScript* script) {
        if (CScriptEngine* e = moteurDe(jeu, script))
            e->supprimerScriptPtr(script);
    };
}
