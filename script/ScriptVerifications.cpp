// What a statement's arguments make the compiler take otherwise than written, named beside the
// reader's findings: arguments past the keyword's count, a ";" that cut a quoted text, and an
// operation or a condition that is not one operator between two values.
#include "script/ScriptEngine.h"

#include <algorithm>

namespace {

using Raison = LigneIllisible::Raison;
constexpr size_t npos = std::string_view::npos;

size_t nbArgumentsEcrits(std::string_view ecrits)
{
    return ecrits.empty() ? 0 : 1 + static_cast<size_t>(std::count(ecrits.begin(), ecrits.end(), ';'));
}

// Argument i as getArgW cuts it; empty past the last.
std::string argumentEcrit(std::string_view ecrits, size_t i)
{
    size_t debut = 0;
    for (; i > 0 && debut != npos; --i) {
        debut = ecrits.find(';', debut);
        if (debut != npos)
            ++debut;
    }
    if (debut == npos || debut > ecrits.size())
        return {};
    return std::string(ecrits.substr(debut, ecrits.find(';', debut) - debut));
}

// A ";" between double quotes that close again: the reader cut the text there.
bool pointVirguleEntreGuillemets(std::string_view t)
{
    bool guillemets = false, coupe = false;
    for (char c : t) {
        if (c == '"')
            guillemets = !guillemets;
        else if (c == ';' && guillemets)
            coupe = true;
    }
    return coupe && !guillemets;
}

// An arithmetic operator outside double quotes, past the operand's sign.
bool contientOperateur(const std::string& operande)
{
    bool guillemets = false;
    for (size_t i = 0; i < operande.size(); ++i) {
        const char c = operande[i];
        if (c == '"')
            guillemets = !guillemets;
        else if (!guillemets && (c == '+' || c == '*' || c == '/' || (c == '-' && i > 0)))
            return true;
    }
    return false;
}

bool estOperateur(const std::string& op) { return op == "+" || op == "-" || op == "*" || op == "/"; }

bool estComparaison(const std::string& op)
{
    return op == "<" || op == ">" || op == "<=" || op == ">=" || op == "=" || op == "!=";
}

} // namespace

void CScriptEngine::verifierArguments(const std::string& motCle, int nbArguments)
{
    const std::string_view ecrits = fichier.argumentsEcrits();
    if (pointVirguleEntreGuillemets(ecrits)) {
        fichier.signaler(Raison::PointVirgule);
        return;
    }
    const size_t n = static_cast<size_t>(std::max(nbArguments, 0));
    const size_t nbEcrits = nbArgumentsEcrits(ecrits);
    const bool si = motCle == "IF";
    // An if line's extra pieces are comparisons, named below.
    if (nbEcrits > n && !(si && fichier.ligneSi())) {
        size_t debut = 0;
        for (size_t i = 0; i < n; ++i)
            debut = ecrits.find(';', debut) + 1;
        const std::string_view reste = ecrits.substr(debut);
        // Empty ones (a trailing ";") drop nothing.
        if (reste.find_first_not_of(';') != npos)
            fichier.signaler(Raison::EnTrop, std::string(reste));
    }
    if (si)
        verifierCondition(ecrits, nbEcrits);
    else if (motCle == "=")
        verifierOperation(argumentEcrit(ecrits, 1), argumentEcrit(ecrits, 2), argumentEcrit(ecrits, 3));
}

void CScriptEngine::verifierOperation(const std::string& a, const std::string& op, const std::string& b)
{
    if (op.empty()) {
        if (a.empty())
            fichier.signaler(Raison::OperandeManquant);
        return;
    }
    if (estOperateur(op))
        verifierOperandes(a, b);
}

void CScriptEngine::verifierOperandes(const std::string& a, const std::string& b)
{
    if (a.empty() || b.empty()) {
        fichier.signaler(Raison::OperandeManquant);
        return;
    }
    for (const std::string* operande : {&a, &b})
        if (contientOperateur(*operande)) {
            LigneIllisible l = fichier.decrire(Raison::OperateurEnTrop, *operande);
            l.lue = operandeLuComme(*operande);
            fichier.lignesIllisibles.push_back(std::move(l));
        }
}

void CScriptEngine::verifierCondition(std::string_view ecrits, size_t nbEcrits)
{
    const std::string a = argumentEcrit(ecrits, 0), op = argumentEcrit(ecrits, 1), b = argumentEcrit(ecrits, 2);
    // An if line is rewritten into "IF(a;op;b;n)": without its comparison ("if (vu)") or with
    // two ("if (a < b < c)"), the conditional's number n is not in its place, and a false
    // condition finds no label to go on from.
    if (fichier.ligneSi() && nbEcrits != 4) {
        if (estComparaison(op))
            fichier.signaler(Raison::ComparaisonEnTrop, a + " " + op + " " + b);
        else
            fichier.signaler(Raison::SansComparaison);
        return;
    }
    if (estComparaison(op))
        verifierOperandes(a, b);
}
