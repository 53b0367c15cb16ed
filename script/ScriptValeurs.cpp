// Values of the script language: the argument readers every handler uses, typed script
// variables, global (text) variables, return values, and the commands "=", IF, GOTO,
// SETVARIABLE, GETVARIABLEINT/FLOAT/STRING and RAND.
#include "script/ScriptEngine.h"

#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/Texte.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

std::string sansGuillemets(std::string t)
{
    t.erase(std::remove(t.begin(), t.end(), '"'), t.end());
    return t;
}

int borneInt(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

// A float read from text, where "," counts as the decimal point ("7,5" is 7.5).
float lireFlottant(std::string t)
{
    std::replace(t.begin(), t.end(), ',', '.');
    return tuv::stof(t);
}

// An operand of "=" and IF, typed from its raw text.
struct Operande {
    int type = Variable::Indefini;
    float nombre = 0.0f;    // numbers are computed as floats
    long long entier = 0;   // an int operand exactly, for plain copies
    std::string texte;
};

using Variables = std::map<std::string, Variable>;

Operande typer(const Variables& variables, std::string t)
{
    Operande o;
    long long signe = 1;
    if (!t.empty() && t[0] == '-') {
        t.erase(0, 1);
        signe = -1;
    }
    auto entier = [&o](long long v) {
        o.type = Variable::Entier;
        o.entier = v;
        o.nombre = static_cast<float>(v);
        o.texte = std::to_string(v);
    };
    auto flottant = [&o](float f) {
        o.type = Variable::Flottant;
        o.nombre = f;
        o.texte = tuv::ftos(f);
    };
    if (!t.empty() && t[0] == '"') {
        o.type = Variable::Texte;
        o.texte = sansGuillemets(t);
        return o;
    }
    const auto it = variables.find(t);
    if (it != variables.end()) {
        const Variable& v = it->second;
        if (v.type == Variable::Entier)
            entier(signe * v.i);
        else if (v.type == Variable::Flottant)
            flottant(static_cast<float>(signe) * v.f);
        else if (v.type == Variable::Texte) {
            o.type = Variable::Texte;
            o.texte = sansGuillemets(v.s);
        }
        return o;  // an undefined variable: type 0, 0.0, ""
    }
    if (CScriptEngine::estFlottant(t))
        flottant(static_cast<float>(signe) * lireFlottant(t));
    else
        entier(signe * tuv::stoi(t));
    return o;
}

Variable valeurDe(const Operande& o)
{
    Variable v;
    v.type = o.type;
    if (o.type == Variable::Entier)
        v.i = borneInt(o.entier);
    else if (o.type == Variable::Flottant)
        v.f = o.nombre;
    else if (o.type == Variable::Texte)
        v.s = o.texte;
    return v;
}

// a op b in floats; false when the result is no number (division by 0, overflow).
bool calculer(float a, const std::string& op, float b, float& r)
{
    if (op == "+")
        r = a + b;
    else if (op == "-")
        r = a - b;
    else if (op == "*")
        r = a * b;
    else if (op == "/") {
        if (b == 0.0f)
            return false;
        r = a / b;
    } else
        r = 0.0f;
    return std::isfinite(r);
}

bool comparer(const Operande& a, const std::string& op, const Operande& b)
{
    int c;
    if (a.type == Variable::Texte || b.type == Variable::Texte)
        c = a.texte.compare(b.texte);
    else
        c = a.nombre < b.nombre ? -1 : (a.nombre > b.nombre ? 1 : 0);
    if (op == "<")
        return c < 0;
    if (op == ">")
        return c > 0;
    if (op == "<=")
        return c <= 0;
    if (op == ">=")
        return c >= 0;
    if (op == "=")
        return c == 0;
    if (op == "!=")
        return c != 0;
    return false;  // an operator outside the six makes the condition false
}

} // namespace

void CScriptEngine::enregistrerValeurs(TableCommandes& t)
{
    t["="] = &CScriptEngine::cmdEgal;
    t["IF"] = &CScriptEngine::cmdIF;
    t["GOTO"] = &CScriptEngine::cmdGOTO;
    t["SETVARIABLE"] = &CScriptEngine::cmdSETVARIABLE;
    t["GETVARIABLEINT"] = &CScriptEngine::cmdGETVARIABLEINT;
    t["GETVARIABLEFLOAT"] = &CScriptEngine::cmdGETVARIABLEFLOAT;
    t["GETVARIABLESTRING"] = &CScriptEngine::cmdGETVARIABLESTRING;
    t["RAND"] = &CScriptEngine::cmdRAND;
}

// ---------------------------------------------------------------- readers

namespace {
// Argument k of the current command, null when there is none.
const std::wstring* argument(const CScript* s, int k)
{
    const CScriptCommand* c = CScriptEngine::commandeCourante(s);
    if (!c || k < 0 || k >= static_cast<int>(c->arguments.size()))
        return nullptr;
    return &c->arguments[static_cast<size_t>(k)];
}
} // namespace

std::string CScriptEngine::getArgString(const CScript* s, int k) const
{
    const std::wstring* a = argument(s, k);
    if (!a)
        return "";
    std::string t = tuv::wstrToUtf8(*a);
    const std::string& motCle = commandeCourante(s)->strMotCle;
    if (motCle == "=" || motCle == "IF")
        return t;  // they type their operands themselves
    if (s->variables.count(t))
        t = getVariableTexte(s, t);
    return sansGuillemets(t);
}

std::wstring CScriptEngine::getArgWString(const CScript* s, int k) const
{
    const std::wstring* a = argument(s, k);
    if (!a)
        return L"";
    std::wstring t = *a;
    const std::string nom = tuv::wstrToUtf8(t);
    if (s->variables.count(nom))
        t = tuv::utf8toWStr(getVariableTexte(s, nom));
    t.erase(std::remove(t.begin(), t.end(), L'"'), t.end());
    return t;
}

int CScriptEngine::getArgInt(const CScript* s, int k) const
{
    const std::wstring* a = argument(s, k);
    if (!a)
        return 0;
    const std::string t = tuv::wstrToUtf8(*a);
    return s->variables.count(t) ? getVariableInt(s, t) : texteVersInt(t);
}

float CScriptEngine::getArgFloat(const CScript* s, int k) const
{
    const std::wstring* a = argument(s, k);
    if (!a)
        return 0.0f;
    const std::string t = tuv::wstrToUtf8(*a);
    return s->variables.count(t) ? getVariableFloat(s, t) : texteVersFloat(t);
}

int CScriptEngine::texteVersInt(const std::string& texte)
{
    return tuv::stoi(CSFMLJeuGlobal::bModeTest ? tuv::delspaces(texte) : texte);
}

float CScriptEngine::texteVersFloat(const std::string& texte)
{
    const float f = lireFlottant(CSFMLJeuGlobal::bModeTest ? tuv::delspaces(texte) : texte);
    return std::isfinite(f) ? f : 0.0f;
}

bool CScriptEngine::estFlottant(const std::string& texte)
{
    return texte.find_first_of(".,") != std::string::npos;
}

std::string CScriptEngine::operandeLuComme(const std::string& operande)
{
    const Operande o = typer(Variables(), operande);
    return o.type == Variable::Texte ? "\"" + o.texte + "\"" : o.texte;
}

// ---------------------------------------------------------------- variables and return values

std::string CScriptEngine::texteValeur(const Variable& v)
{
    switch (v.type) {
    case Variable::Entier: return tuv::itos(v.i);
    case Variable::Flottant: return tuv::ftos(v.f);
    case Variable::Texte: return v.s;
    default: return "NULL";
    }
}

std::string CScriptEngine::getVariableTexte(const CScript* s, const std::string& nom)
{
    const auto it = s->variables.find(nom);
    return it == s->variables.end() ? std::string("NULL") : texteValeur(it->second);
}

float CScriptEngine::getVariableFloat(const CScript* s, const std::string& nom)
{
    const auto it = s->variables.find(nom);
    if (it == s->variables.end())
        return 0.0f;
    const Variable& v = it->second;
    float f = 0.0f;
    if (v.type == Variable::Flottant)
        f = v.f;
    else if (v.type == Variable::Entier)
        f = static_cast<float>(v.i);
    else if (v.type == Variable::Texte)
        f = lireFlottant(v.s);
    return std::isfinite(f) ? f : 0.0f;
}

int CScriptEngine::getVariableInt(const CScript* s, const std::string& nom)
{
    const auto it = s->variables.find(nom);
    if (it == s->variables.end())
        return 0;
    const Variable& v = it->second;
    if (v.type == Variable::Entier)
        return v.i;
    if (v.type == Variable::Flottant)
        return tuv::floatVersInt(v.f);
    if (v.type == Variable::Texte)
        return tuv::stoi(v.s);
    return 0;
}

void CScriptEngine::ajouterRetourInt(CScript* s, int valeur)
{
    Variable v;
    v.type = Variable::Entier;
    v.i = valeur;
    s->retours.push_back(v);
}

void CScriptEngine::ajouterRetourFloat(CScript* s, float valeur)
{
    Variable v;
    v.type = Variable::Flottant;
    v.f = std::isfinite(valeur) ? valeur : 0.0f;
    s->retours.push_back(v);
}

void CScriptEngine::ajouterRetourString(CScript* s, const std::string& texte)
{
    Variable v;
    v.type = Variable::Texte;
    v.s = texte;
    s->retours.push_back(v);
}

// ---------------------------------------------------------------- commands

void CScriptEngine::cmdEgal(CScript* s)
{
    const std::string cible = getArgString(s, 0), a = getArgString(s, 1), op = getArgString(s, 2),
                      b = getArgString(s, 3);
    if (op == "RETURN") {
        const int k = tuv::stoi(!a.empty() && a[0] == '-' ? a.substr(1) : a);
        if (k >= 0 && k < static_cast<int>(s->retours.size()))
            s->variables[cible] = s->retours[static_cast<size_t>(k)];
    } else if (!op.empty()) {
        const Operande oa = typer(s->variables, a), ob = typer(s->variables, b);
        Variable& v = s->variables[cible];
        if (oa.type == Variable::Texte || ob.type == Variable::Texte) {
            v = Variable();
            v.type = Variable::Texte;
            v.s = oa.texte + ob.texte;  // strings join, whatever the operator
        } else {
            float r = 0.0f;
            if (calculer(oa.nombre, op, ob.nombre, r)) {
                v.type = Variable::Flottant;
                v.f = r;
            } else {
                v.type = Variable::Indefini;
            }
        }
    } else {
        s->variables[cible] = valeurDe(typer(s->variables, a));
    }
    ++s->numCmdCour;
}

void CScriptEngine::cmdIF(CScript* s)
{
    marquerFait(s);
    const Operande a = typer(s->variables, getArgString(s, 0)), b = typer(s->variables, getArgString(s, 2));
    if (comparer(a, getArgString(s, 1), b)) {
        ++s->numCmdCour;
        return;
    }
    // The jump lands on the label, which the next step passes. Without either label the run
    // ends: going back to command 0 would restart it, for ever inside a block.
    const std::string n = getArgString(s, 3);
    auto it = s->labels.find("ELSE" + n);
    if (it == s->labels.end())
        it = s->labels.find("ENDIF" + n);
    s->numCmdCour = it != s->labels.end() ? it->second : static_cast<int>(s->commandes.size());
}

void CScriptEngine::cmdGOTO(CScript* s)
{
    marquerFait(s);
    const auto it = s->labels.find(getArgString(s, 0));
    s->numCmdCour = it != s->labels.end() ? it->second + 1 : s->numCmdCour + 1;
}

void CScriptEngine::cmdSETVARIABLE(CScript* s)
{
    marquerFait(s);
    variablesGlobales[getArgString(s, 0)] = getArgString(s, 1);
    ++s->numCmdCour;
}

void CScriptEngine::cmdGETVARIABLEINT(CScript* s)
{
    marquerFait(s);
    const auto it = variablesGlobales.find(getArgString(s, 0));
    ajouterRetourInt(s, it != variablesGlobales.end() ? tuv::stoi(it->second) : 0);
    ++s->numCmdCour;
}

void CScriptEngine::cmdGETVARIABLEFLOAT(CScript* s)
{
    marquerFait(s);
    const auto it = variablesGlobales.find(getArgString(s, 0));
    ajouterRetourFloat(s, it != variablesGlobales.end() ? lireFlottant(it->second) : 0.0f);
    ++s->numCmdCour;
}

void CScriptEngine::cmdGETVARIABLESTRING(CScript* s)
{
    marquerFait(s);
    const auto it = variablesGlobales.find(getArgString(s, 0));
    ajouterRetourString(s, it != variablesGlobales.end() ? it->second : std::string("NULL"));
    ++s->numCmdCour;
}

// A value from lo to hi - 1; equal bounds give lo.
void CScriptEngine::cmdRAND(CScript* s)
{
    marquerFait(s);
    int lo = getArgInt(s, 0), hi = getArgInt(s, 1);
    if (lo > hi)
        std::swap(lo, hi);
    const long long etendue = static_cast<long long>(hi) - lo;
    const long long r = etendue > 0 ? lo + tuv::rand() % etendue : lo;
    ajouterRetourInt(s, static_cast<int>(r));
    ++s->numCmdCour;
}
