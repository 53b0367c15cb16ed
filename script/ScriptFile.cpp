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
    nLigne = 0;
    lignesIllisibles.clear();
    return true;
}

void CScriptFile::ouvrirFlux(std::istream& flux)
{
    close();
    entree = &flux;
    bDebutFichier = true;
    nLigne = 0;
    lignesIllisibles.clear();
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
    if (!entree || !tuv::lireLigneTexte(*entree, ligne, bDebutFichier))
        return false;
    ++nLigne;
    ligneBrute = ligne;
    return true;
}

LigneIllisible CScriptFile::decrire(LigneIllisible::Raison raison, std::string detail) const
{
    const size_t debut = ligneBrute.find_first_not_of(" \t");
    const size_t fin = ligneBrute.find_last_not_of(" \t");
    const std::string_view ligne =
        debut == npos ? std::string_view() : std::string_view(ligneBrute).substr(debut, fin - debut + 1);
    return {nLigne, raison, tuv::debutUtf8(ligne, LigneIllisible::LIGNE_CITEE_MAX), std::move(detail), {}};
}

void CScriptFile::signaler(LigneIllisible::Raison raison, std::string detail)
{
    lignesIllisibles.push_back(decrire(raison, std::move(detail)));
}

void CScriptFile::verifierLigne(bool trouve, const std::string& motCle)
{
    using Raison = LigneIllisible::Raison;
    if (!trouve || motCle.empty()) {
        // A line of blanks or of a comment alone is empty once cut.
        if (!strLigne.empty())
            signaler(Raison::SansCommande);
        return;
    }
    const bool marque = motCle.size() == 1 && (motCle[0] == '{' || motCle[0] == '}' || motCle[0] == ':');
    if (bGuillemetOuvert)
        signaler(Raison::GuillemetOuvert);
    else if (!bFermee && !marque && !bExpression)
        signaler(Raison::ParentheseManquante);
}

bool CScriptFile::ligneGeneree(std::string& motCle)
{
    strLigne.swap(lignesGenerees[nLigneGeneree]);
    strGauche.clear();
    const bool trouve = decouper(motCle, false, true);
    verifierLigne(trouve, motCle);
    if (++nLigneGeneree >= lignesGenerees.size()) {
        nLigneGeneree = 0;
        lignesGenerees.clear();
    }
    return trouve && !motCle.empty();
}

namespace {
bool peutEtreConditionnelle(const std::string& ligne)
{
    size_t debut = 0;
    while (debut < ligne.size() && (ligne[debut] == ' ' || ligne[debut] == '\t'))
        ++debut;
    return (debut < ligne.size() && ligne[debut] == 'e') || ligne.find("if (") != npos;
}
}

std::string CScriptFile::lireLigneSuivante()
{
    bDernierArg = false;
    bLigneSi = false;
    std::string motCle;
    // A stray else or endif on the file's last line ends it with "NULL"; the next call gives "".
    bool elseOuEndifSeul = false;
    for (;;) {
        motCle.clear();
        if (!lignesGenerees.empty()) {
            // Generated lines are never examined for conditionals again.
            if (ligneGeneree(motCle))
                break;
            continue;
        }
        if (!lireLigneFichier(strLigne))
            return elseOuEndifSeul ? "NULL" : std::string();
        elseOuEndifSeul = false;
        strGauche.clear();
        bool si = false;
        // Only a line holding "if (" or beginning with "e" can be a conditional line; the
        // others lose their comment with their blanks.
        if (peutEtreConditionnelle(strLigne)) {
            texte_scp::couperCommentaire(strLigne);
            si = traiterIf();
            // An else or endif line makes nothing more; NULL when it queued lines.
            if (!si && (traiterElse(motCle) || traiterEndif(motCle)))
                break;
            if (!si && !motCle.empty()) {
                signaler(LigneIllisible::Raison::SinonSansSi);
                elseOuEndifSeul = true;
                continue;
            }
        }
        // A statement without keyword ("(x)", "=(x)") is no statement.
        const bool trouve = decouper(motCle, si, true);
        verifierLigne(trouve, motCle);
        if (trouve && !motCle.empty()) {
            bLigneSi = si;
            break;
        }
    }
    for (char& c : motCle)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return motCle;
}

namespace {
// Characters the line walks stop at; every other byte is copied or passed at once.
enum : unsigned char { Autre, Blanc, Guillemet, Diese, Fermante, Egal, Ouvrante };
struct TableCaracteres {
    unsigned char classe[256] = {};
    TableCaracteres()
    {
        classe[static_cast<unsigned char>(' ')] = classe[static_cast<unsigned char>('\t')] = Blanc;
        classe[static_cast<unsigned char>('"')] = Guillemet;
        classe[static_cast<unsigned char>('#')] = Diese;
        classe[static_cast<unsigned char>(')')] = Fermante;
        classe[static_cast<unsigned char>('=')] = Egal;
        classe[static_cast<unsigned char>('(')] = Ouvrante;
    }
    unsigned char operator()(char c) const { return classe[static_cast<unsigned char>(c)]; }
};
const TableCaracteres classeDe;
}

std::string CScriptFile::nettoyerLigne(const std::string& ligne)
{
    std::string r;
    r.reserve(ligne.size());
    bool guillemets = false;
    for (char c : ligne) {
        const unsigned char k = classeDe(c);
        if (k == Guillemet)
            guillemets = !guillemets;
        else if (!guillemets && k == Blanc)
            continue;
        else if (!guillemets && k == Diese)
            break;
        r += c;
    }
    return r;
}

bool CScriptFile::separerMotCle(std::string& motCle, bool sansAffectation)
{
    return decouper(motCle, sansAffectation, false);
}

bool CScriptFile::decouper(std::string& motCle, bool sansAffectation, bool nettoyer)
{
    // One walk (removing blanks and the comment when asked) cuts the line at its closing ")"
    // and finds, before it, the first "=" and "(" outside quotes and the first "(" at all
    // (the keyword's end). Through a plain pointer: writes through the string would make
    // every step reload it.
    size_t egal = npos, parenthese = npos, p = npos;
    bool guillemets = false;
    bFermee = false;
    char* t = strLigne.data();
    const size_t n = strLigne.size();
    size_t fin = 0;
    for (size_t i = 0; i < n; ++i) {
        const char c = t[i];
        const unsigned char k = classeDe(c);
        if (k != Autre) {
            if (k == Guillemet) {
                guillemets = !guillemets;
            } else if (!guillemets && nettoyer && k == Blanc) {
                continue;
            } else if (!guillemets && ((nettoyer && k == Diese) || k == Fermante)) {
                bFermee = k == Fermante;
                break;
            } else if (k == Ouvrante) {
                if (p == npos)
                    p = fin;
                if (!guillemets && parenthese == npos)
                    parenthese = fin;
            } else if (k == Egal && !guillemets && egal == npos) {
                egal = fin;
            }
        }
        t[fin++] = c;
    }
    strLigne.resize(fin);
    bGuillemetOuvert = guillemets;
    bExpression = false;
    if (!sansAffectation && traiterAffectation(egal, parenthese)) {
        bExpression = parenthese == npos;
        p = strLigne.find('(');
    }
    if (strLigne.empty() || strLigne[0] == '\n' || strLigne[0] == '\r') {
        motCle.clear();
        return false;
    }
    if (strLigne[0] == '{' || strLigne[0] == '}' || strLigne[0] == ':') {
        motCle.assign(1, strLigne[0]);
        nPosArg = 1;
        return true;
    }
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
    traiterAffectation(texte_scp::chercherHorsGuillemets(strLigne, '='),
                       texte_scp::chercherHorsGuillemets(strLigne, '('));
}

bool CScriptFile::traiterAffectation(size_t e, size_t parenthese)
{
    strGauche.clear();
    if (strLigne.empty() || strLigne[0] == ':' || strLigne[0] == '{' || strLigne[0] == '}')
        return false;
    // A "=" inside a command's arguments ("SETVARIABLE(x;a=b)", "IF(a;<=;b;1)") is text.
    if (e == npos || (parenthese != npos && parenthese < e))
        return false;
    if (parenthese != npos) {
        strGauche = tuv::delspaces(strLigne.substr(0, e));
        strLigne.erase(0, e + 1);
        return true;
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
    std::string& ligne = tampon;
    ligne.clear();
    ligne.append("=(").append(nom).append(1, ';').append(a).append(1, ';').append(op).append(1, ';').append(b);
    strLigne.swap(ligne);
    return true;
}

namespace {
// UTF-8 text between two indexes as a wide string; plain ASCII needs no decoding.
std::wstring versWide(const std::string& t, size_t debut, size_t fin)
{
    const auto* source = reinterpret_cast<const unsigned char*>(t.data());
    for (size_t i = debut; i < fin; ++i)
        if (source[i] >= 0x80)
            return tuv::utf8toWStr(t.substr(debut, fin - debut));
    return std::wstring(source + debut, source + fin);
}
}

std::string_view CScriptFile::argumentsEcrits() const
{
    return std::string_view(strLigne).substr(std::min<size_t>(nPosArg, strLigne.size()));
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
