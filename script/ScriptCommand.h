#pragma once
// The records a compiled script is made of: one command per statement, and the typed
// value of a script variable or of a command's return value.
#include <cstdint>
#include <string>
#include <vector>

class CScript;
class CScriptEngine;

struct Variable {
    enum Type { Indefini = 0, Flottant = 1, Entier = 2, Texte = 3 };
    int type = Indefini;  // readers look only at the field the type names
    float f = 0.0f;
    int i = 0;
    std::string s;
};

class CScriptCommand {
public:
    std::string strMotCle;  // upper case, including "{", "}", ":" and "="
    // Preset by the loader from the argument of PAUSE, PARLE, PARLE_EN and VIBRATION.
    int nCompteur = 0;
    int nEtat = 0;
    int nAux = 0;
    float fTemps1 = 0.0f;
    float fTemps2 = 0.0f;
    float fTemps3 = 0.0f;
    std::wstring strTexte;  // label name of a ":" command
    std::vector<std::wstring> arguments;
    int32_t bFait = 0;
    // The dispatcher's handler for strMotCle, looked up on the first step and kept (the
    // keyword never changes after the command is made); null before, and for a keyword
    // without handler, which is passed over.
    void (CScriptEngine::*gestionnaire)(CScript*) = nullptr;
    bool bGestionnaireCherche = false;
};
