// Arbitrary bytes as ".scp" script text, compiled several times in a row through one engine
// (open conditionals, the block depth and the counters carry from one compilation to the
// next). Every command must hold exactly the argument count of its keyword.
#include "script/ScriptEngine.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    static CScriptEngine* moteur = new CScriptEngine;
    const std::string texte(reinterpret_cast<const char*>(donnees), taille);
    CScript s;
    for (int passe = 0; passe < 3; ++passe) {
        std::istringstream flux(texte);
        moteur->chargerScriptFlux(&s, flux);
        if (s.nbCommandes != static_cast<int>(s.commandes.size()))
            std::abort();
        for (const auto& c : s.commandes)
            if (c->arguments.size() != static_cast<size_t>(CScriptEngine::nbArgumentsMotCle(c->strMotCle)))
                std::abort();
        for (const auto& [nom, i] : s.labels)
            if (s.commandes[static_cast<size_t>(i)]->strMotCle != ":")
                std::abort();
    }
    return 0;
}
