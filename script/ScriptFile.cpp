#include "script/ScriptFile.h"

#include "core/Fichiers.h"
#include "core/Texte.h"

#include <algorithm>

namespace texte_scp {

namespace {
bool estBlancCar(char c) { return c == ' ' || c == '\t'; }
}

size_t chercherHorsGuillemets(const std::string& t, char c, size_t debut)
{
    bool guillemets = false;
    for (size_t i = debut; i < t.size(); ++i) {
        if (t[i] == '"')
            guillemets = !guillemets;
        else if (!guillemets && t[i] == c)
            return i;
    }
    return npos;
}

namespace {
// First occurrence of mot outside double quotes whose start passes avant and whose end
// passes apres.
template <typename Avant, typename Apres>
size_t chercherBorne(const std::string& t, const std::string& mot, Avant avant, Apres apres)
{
    bool guillemets = false;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '"') {
            guillemets = !guillemets;
            continue;
        }
        if (guillemets || t[i] != mot[0] || t.compare(i, mot.size(), mot) != 0)
            continue;
        if (avant(i) && apres(i + mot.size()))
            return i;
    }
    return npos;
}
}

size_t chercherTexte(const std::string& t, const std::string& motif)
{
    return chercherBorne(t, motif, [](size_t) { return true; }, [](size_t) { return true; });
}

size_t chercherMot(const std::string& t, const std::string& mot)
{
    return chercherBorne(
        t, mot, [&](size_t i) { return i == 0 || estBlancCar(t[i - 1]); },
        [&](size_t fin) { return fin == t.size() || estBlancCar(t[fin]); });
}

size_t chercherSi(const std::string& t)
{
    // Most lines hold no "if (" at all: a plain search tells it at once.
    if (t.find("if (") == npos)
        return npos;
    return chercherBorne(
        t, "if (", [&](size_t i) { return i == 0 || estBlancCar(t[i - 1]); },
        [](size_t) { return true; });
}

void couperCommentaire(std::string& t)
{
    const size_t diese = chercherHorsGuillemets(t, '#');
    if (diese != npos)
        t.erase(diese);
}

bool estBlanc(const std::string& t)
{
    for (char c : t)
        if (!estBlancCar(c))
            return false;
    return true;
}

} // namespace texte_scp

using texte_scp::npos;

bool CScriptFile::open(const std::string& fichier, bool ecriture)
{
    close();
    if (ecriture)
        return sortie.open(fichier, true);
    // Only a regular file: a folder would open as an empty stream.
    if (!tuv::fichierExiste(fichier))
        return false;
    fichierEntree.open(fichier, std::ios::in | std::ios::binary);
    if (!fichierEntree.is_open())
        return false;
    entree = &fichierEntree;
    bDebutFichier = true;
    return true;
}

void CScriptFile::ouvrirFlux(std::istream& flux)
{
    close();
    entree = &flux;
    bDebutFichier = true;
}

bool CScriptFile::close()
{
    if (fichierEntree.is_open())
        fichierEntree.close();
    fichierEntree.clear();
    entree = nullptr;
    return sortie.close();
}

void CScriptFile::rembobiner()
{
    if (!entree)
        return;
    entree->clear();
    entree->seekg(0);
    bDebutFichier = true;
}

bool CScriptFile::lireLigneFichier(std::string& ligne)
{
    // A byte-order mark would spoil the first keyword.
    return entree && tuv::lireLigneTexte(*entree, ligne, bDebutFichier);
}

bool CScriptFile::ligneGeneree(std::string& motCle)
{
    strLigne = lignesGenerees[nLigneGeneree];
    nettoyerEnPlace(strLigne);
    strGauche.clear();
    const bool trouve = separerMotCle(motCle, false);
    if (++nLigneGeneree >= lignesGenerees.size()) {
        nLigneGeneree = 0;
        lignesGenerees.clear();
    }
    return trouve && !motCle.empty();
}

std::string CScriptFile::lireLigneSuivante()
{
    bDernierArg = false;
    std::string motCle;
    for (;;) {
        motCle.clear();
        if (!lignesGenerees.empty()) {
            // Generated lines are never examined for conditionals again.
            if (ligneGeneree(motCle))
                break;
            continue;
        }
        if (!lireLigneFichier(strLigne))
            return std::string();
        strGauche.clear();
        texte_scp::couperCommentaire(strLigne);
        const bool si = traiterIf();
        if (!si) {
            // An else or endif line makes nothing more; NULL when it queued lines.
            if (traiterElse(motCle) || traiterEndif(motCle))
                break;
            if (!motCle.empty())
                continue;
        }
        nettoyerEnPlace(strLigne);
        // A statement without keyword ("(x)", "=(x)") is no statement.
        if (separerMotCle(motCle, si) && !motCle.empty())
            break;
    }
    for (char& c : motCle)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return motCle;
}

std::string CScriptFile::nettoyerLigne(const std::string& ligne)
{
    std::string r = ligne;
    nettoyerEnPlace(r);
    return r;
}

void CScriptFile::nettoyerEnPlace(std::string& ligne)
{
    size_t fin = 0;
    bool guillemets = false;
    for (size_t i = 0; i < ligne.size(); ++i) {
        const char c = ligne[i];
        if (c == '"')
            guillemets = !guillemets;
        else if (!guillemets && (c == ' ' || c == '\t'))
            continue;
        else if (!guillemets && c == '#')
            break;
        ligne[fin++] = c;
    }
    ligne.resize(fin);
}

bool CScriptFile::separerMotCle(std::string& motCle, bool sansAffectation)
{
    const size_t fin = texte_scp::chercherHorsGuillemets(strLigne, ')');
    if (fin != npos)
        strLigne.erase(fin);
    if (!sansAffectation)
        traiterAffectation();
    if (strLigne.empty() || strLigne[0] == '\n' || strLigne[0] == '\r') {
        motCle.clear();
        return false;
    }
    if (strLigne[0] == '{' || strLigne[0] == '}' || strLigne[0] == ':') {
        motCle.assign(1, strLigne[0]);
        nPosArg = 1;
        return true;
    }
    const size_t p = strLigne.find('(');
    if (p == npos)
        return false;
    motCle.assign(strLigne, 0, p);
    motCle.erase(std::remove_if(motCle.begin(), motCle.end(), [](char c) { return c == ' ' || c == '\t'; }),
                 motCle.end());
    nPosArg = static_cast<uint32_t>(p + 1);
    return true;
}

void CScriptFile::traiterAffectation()
{
    strGauche.clear();
    if (strLigne.empty() || strLigne[0] == ':' || strLigne[0] == '{' || strLigne[0] == '}')
        return;
    const size_t e = texte_scp::chercherHorsGuillemets(strLigne, '=');
    if (e == npos)
        return;
    // A "=" inside a command's arguments ("SETVARIABLE(x;a=b)", "IF(a;<=;b;1)") is text.
    const size_t parenthese = texte_scp::chercherHorsGuillemets(strLigne, '(');
    if (parenthese != npos && parenthese < e)
        return;
    if (parenthese != npos) {
        strGauche = tuv::delspaces(strLigne.substr(0, e));
        strLigne.erase(0, e + 1);
        return;
    }
    const std::string nom = strLigne.substr(0, e);
    // A "-" just after "=" is the sign of the first operand.
    const size_t debut = (e + 1 < strLigne.size() && strLigne[e + 1] == '-') ? e + 2 : e + 1;
    size_t k = npos;
    bool guillemets = false;
    for (size_t i = debut; i < strLigne.size() && k == npos; ++i) {
        const char c = strLigne[i];
        if (c == '"')
            guillemets = !guillemets;
        else if (!guillemets && (c == '+' || c == '-' || c == '*' || c == '/'))
            k = i;
    }
    std::string a, op, b;
    if (k == npos) {
        a = strLigne.substr(e + 1);
    } else {
        a = strLigne.substr(e + 1, k - e - 1);
        op.assign(1, strLigne[k]);
        b = strLigne.substr(k + 1);
    }
    std::string ligne;
    ligne.reserve(strLigne.size() + 6);
    ligne.append("=(").append(nom).append(1, ';').append(a).append(1, ';').append(op).append(1, ';').append(b);
    strLigne = std::move(ligne);
}

namespace {
// UTF-8 text between two indexes as a wide string; plain ASCII needs no decoding.
std::wstring versWide(const std::string& t, size_t debut, size_t fin)
{
    for (size_t i = debut; i < fin; ++i)
        if (static_cast<unsigned char>(t[i]) >= 0x80)
            return tuv::utf8toWStr(t.substr(debut, fin - debut));
    return std::wstring(t.begin() + static_cast<std::ptrdiff_t>(debut), t.begin() + static_cast<std::ptrdiff_t>(fin));
}
}

std::wstring CScriptFile::getArgW()
{
    const size_t p = strLigne.find(';', nPosArg);
    if (p != npos) {
        std::wstring r = versWide(strLigne, nPosArg, p);
        nPosArg = static_cast<uint32_t>(p + 1);
        return r;
    }
    if (nPosArg < strLigne.size() && !bDernierArg) {
        bDernierArg = true;
        return versWide(strLigne, nPosArg, strLigne.size());
    }
    return std::wstring();
}

void CScriptFile::setLigne(const std::string& ligne)
{
    strLigne = ligne;
    nPosArg = 0;
}

std::string CScriptFile::lireArg()
{
    if (nPosArg >= strLigne.size())
        return std::string();
    const size_t p = strLigne.find(';', nPosArg);
    if (p == npos)
        return strLigne.substr(nPosArg);
    std::string r = strLigne.substr(nPosArg, p - nPosArg);
    nPosArg = static_cast<uint32_t>(p + 1);
    return r;
}

int CScriptFile::lireArgInt()
{
    return tuv::stoi(tuv::delspaces(lireArg()));
}

float CScriptFile::lireArgFloat()
{
    std::string t = tuv::delspaces(lireArg());
    for (char& c : t)
        if (c == ',')
            c = '.';
    return tuv::stof(t);
}

std::wstring CScriptFile::getArgWBis()
{
    return tuv::utf8toWStr(lireArg());
}

namespace {
template <typename Texte, typename Car>
Texte sansCar(const Texte& texte, Car c)
{
    Texte r;
    r.reserve(texte.size());
    for (Car x : texte)
        if (x != c)
            r += x;
    return r;
}
}

std::string CScriptFile::supprimerCar(const std::string& texte, char c)
{
    return sansCar(texte, c);
}

std::wstring CScriptFile::supprimerCarW(const std::wstring& texte, wchar_t c)
{
    return sansCar(texte, c);
}

void CScriptFile::ecrire(const std::string& texte)
{
    sortie.write(texte);
}

void CScriptFile::ecrireLigne(const std::string& texte)
{
    sortie.writeLine(texte);
}

void CScriptFile::finLigne()
{
    sortie.endLine();
}
