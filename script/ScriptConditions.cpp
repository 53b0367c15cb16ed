// "if / else / endif" lines rewritten into an IF line, GOTO lines and numbered labels:
// the engine itself only knows IF, a conditional jump to "ELSE"n or "ENDIF"n, and GOTO.
// The lines examined here have lost their comment but kept their blanks, so that
// "then", "else" and "endif" are found as whole words only, and never inside quotes.
#include "script/ScriptFile.h"

#include "core/Texte.h"

using texte_scp::npos;

namespace {

// The text after a word and the one character that follows it; empty at the line's end.
std::string apresMot(const std::string& ligne, size_t pos, size_t longueur)
{
    const size_t debut = pos + longueur + 1;
    return debut < ligne.size() ? ligne.substr(debut) : std::string();
}

// Whether the line, after its leading blanks, begins with the word mot.
bool commencePar(const std::string& ligne, const std::string& mot)
{
    size_t i = 0;
    while (i < ligne.size() && (ligne[i] == ' ' || ligne[i] == '\t'))
        ++i;
    if (ligne.compare(i, mot.size(), mot) != 0)
        return false;
    const size_t fin = i + mot.size();
    return fin == ligne.size() || ligne[fin] == ' ' || ligne[fin] == '\t';
}

} // namespace

bool CScriptFile::traiterIf()
{
    const size_t si = texte_scp::chercherSi(strLigne);
    if (si == npos)
        return false;
    std::string sinon;
    const size_t e = texte_scp::chercherMot(strLigne, "else");
    if (e != npos) {
        sinon = apresMot(strLigne, e, 4);
        strLigne.resize(e == 0 ? 0 : e - 1);  // the blank before "else" goes too
    }
    const size_t t = texte_scp::chercherMot(strLigne, "then");
    if (t == npos) {
        // "if (...) else ..." without "then" is read as an ordinary line, cut before "else".
        if (e != npos)
            return false;
        const int n = ++nCompteurIf;
        pileIf.push_back(n);
        sisOuverts.push_back(decrire(LigneIllisible::Raison::SiSansFin));
        copierCondition(strLigne.size(), n);
        return true;
    }
    if (si >= t)
        return false;
    std::string alors = apresMot(strLigne, t, 4);
    const int n = ++nCompteurIf;
    copierCondition(t - 1, n);
    // A one-line conditional always ends on its label, so that IF has a place to jump to.
    const std::string numero = tuv::itos(n);
    if (!texte_scp::estBlanc(alors))
        ajouterLigneGeneree(std::move(alors));
    if (!texte_scp::estBlanc(sinon)) {
        ajouterLigneGeneree("GOTO(ENDIF" + numero + ")");
        ajouterLigneGeneree(":ELSE" + numero);
        ajouterLigneGeneree(std::move(sinon));
    }
    ajouterLigneGeneree(":ENDIF" + numero);
    return true;
}

void CScriptFile::copierCondition(size_t longueur, int n)
{
    const std::string& condition = strLigne;
    const std::string fin = ";" + tuv::itos(n) + ")";
    std::string& r = tampon;
    r.clear();
    bool guillemets = false;
    bool fermee = false;
    // The condition ends at its first ")" outside quotes; without one, the whole text is
    // taken, as a command's missing ")" is.
    for (size_t i = 0; i < longueur && !fermee; ++i) {
        const char c = condition[i];
        const bool suiviEgal = i + 1 < longueur && condition[i + 1] == '=';
        if (c == '"')
            guillemets = !guillemets;
        if (guillemets || c == '"') {
            r += c;
            continue;
        }
        switch (c) {
        case '<': r += suiviEgal ? ";<=;" : ";<;"; i += suiviEgal; break;
        case '>': r += suiviEgal ? ";>=;" : ";>;"; i += suiviEgal; break;
        case '=': r += ";=;"; i += suiviEgal; break;
        case '!':
            if (suiviEgal) {
                r += ";!=;";
                ++i;
            } else {
                r += c;
            }
            break;
        case ')': r += fin; fermee = true; break;
        default: r += c;
        }
    }
    if (!fermee)
        r += fin;
    strLigne.swap(r);
}

bool CScriptFile::traiterElse(std::string& motCle)
{
    // "elseif", "else if (...)" and the one-line forms are no else lines.
    if (!commencePar(strLigne, "else") || texte_scp::chercherTexte(strLigne, "if") != npos ||
        texte_scp::chercherMot(strLigne, "then") != npos)
        return false;
    motCle = "NULL";
    if (pileIf.empty())
        return false;
    const std::string numero = tuv::itos(pileIf.back());
    ajouterLigneGeneree("GOTO(ENDIF" + numero + ")");
    ajouterLigneGeneree(":ELSE" + numero);
    return true;
}

bool CScriptFile::traiterEndif(std::string& motCle)
{
    if (!commencePar(strLigne, "endif"))
        return false;
    motCle = "NULL";
    if (pileIf.empty())
        return false;
    ajouterLigneGeneree(":ENDIF" + tuv::itos(pileIf.back()));
    pileIf.pop_back();
    if (!sisOuverts.empty())
        sisOuverts.pop_back();
    return true;
}
