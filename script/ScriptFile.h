#pragma once
// Reader of ".scp" script files: hands out one statement at a time as an upper-case
// keyword and its arguments, after removing blanks and comments, rewriting assignments
// into commands and "if / else / endif" lines into IF, GOTO and numbered labels.
// It reads any std::istream, so text can be compiled without a file.
#include "core/TuvFile.h"
#include "script/LigneIllisible.h"

#include <cstdint>
#include <fstream>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

class CScriptFile {
public:
    CScriptFile() = default;
    CScriptFile(const CScriptFile&) = delete;
    CScriptFile& operator=(const CScriptFile&) = delete;

    // Closes both streams, then opens the file for reading (or, with ecriture, for a safe
    // write). A folder or a missing file does not open.
    bool open(const std::string& fichier, bool ecriture = false);
    // Reads from a stream the caller keeps alive until close() or the next open.
    void ouvrirFlux(std::istream& flux);
    // Closes both streams; false when a file opened for writing was not written whole.
    bool close();
    // Back to the start of the input.
    void rembobiner();

    // Keyword of the next statement, upper case; "" only at the end of the input.
    std::string lireLigneSuivante();
    // Next argument of the current statement; "" once they are all read.
    std::wstring getArgW();
    // Names to assign the statement's results to ("x;y"), "" when none.
    const std::string& getMotCle() const { return strGauche; }
    // The statement's arguments not yet read, as getArgW cuts them (";" between them); before
    // the first getArgW, all of them.
    std::string_view argumentsEcrits() const;
    // The statement is the IF an "if (...)" line was rewritten into: its last argument is the
    // conditional's number, not the author's.
    bool ligneSi() const { return bLigneSi; }

    // Parsing of a short "name(arg;arg)" text without a file.
    void setLigne(const std::string& ligne);
    // Next argument as text; the last one comes back again on further calls.
    std::string lireArg();
    int lireArgInt();
    // Decimal commas are accepted: "1,5" reads 1.5.
    float lireArgFloat();
    std::wstring getArgWBis();

    // The lines skipped or not read whole since the last open, in the order met.
    std::vector<LigneIllisible> lignesIllisibles;
    // The current line (the last line of the input read) with what is wrong with it; signaler
    // adds it to the lines above.
    LigneIllisible decrire(LigneIllisible::Raison raison, std::string detail = {}) const;
    void signaler(LigneIllisible::Raison raison, std::string detail = {});
    // The ifs of several lines still open, each as it will be named if no endif closes it.
    std::vector<LigneIllisible> sisOuverts;

    static std::string supprimerCar(const std::string& texte, char c);
    static std::wstring supprimerCarW(const std::wstring& texte, wchar_t c);
    // Blanks and tabs removed and a "#" comment cut, outside double quotes.
    static std::string nettoyerLigne(const std::string& ligne);

    bool separerMotCle(std::string& motCle, bool sansAffectation);
    void traiterAffectation();
    // Conditional lines (ScriptConditions.cpp). traiterIf works on the line with its blanks,
    // after the comment is removed; true when it rewrote the line into an IF line.
    bool traiterIf();
    // Set motCle to "NULL" when the line is theirs; true when they queued lines.
    bool traiterElse(std::string& motCle);
    bool traiterEndif(std::string& motCle);

    // Writers to the output stream (nothing in the game writes scripts).
    void ecrire(const std::string& texte);
    void ecrireLigne(const std::string& texte);
    void finLigne();

    std::string strLigne;
    std::string strGauche;
    uint32_t nPosArg = 0;
    bool bDernierArg = false;
    std::vector<std::string> lignesGenerees;
    uint32_t nLigneGeneree = 0;
    int nCompteurIf = 0;
    std::vector<int> pileIf;

private:
    // Next line of the input without its line end, byte-order mark or final CR.
    bool lireLigneFichier(std::string& ligne);
    // separerMotCle, first removing blanks and the comment when nettoyer is set.
    bool decouper(std::string& motCle, bool sansAffectation, bool nettoyer);
    // With the first "=" and "(" outside quotes already found; true when it rewrote the line.
    bool traiterAffectation(size_t egal, size_t parenthese);
    // True when the next generated line made a statement.
    bool ligneGeneree(std::string& motCle);
    // Rewrites the first longueur characters of the line, "if (" a op b ")", into the IF
    // line of conditional n.
    void copierCondition(size_t longueur, int n);
    void ajouterLigneGeneree(std::string ligne) { lignesGenerees.push_back(std::move(ligne)); }

    // After a line was cut into a statement: names what kept it from being read whole.
    void verifierLigne(bool trouve, const std::string& motCle);

    std::ifstream fichierEntree;
    std::istream* entree = nullptr;
    bool bDebutFichier = true;
    CTUVFile sortie;
    // Scratch line swapped with strLigne by the rewritings, so that lines reuse its room.
    std::string tampon;
    // The last line of the input read, as written, and its number from 1.
    std::string ligneBrute;
    int nLigne = 0;
    // What the last cut found: the closing ")" outside quotes, a quote left open, an
    // assignment of an operation (which has no ")").
    bool bFermee = false;
    bool bGuillemetOuvert = false;
    bool bExpression = false;
    bool bLigneSi = false;
};

// Helpers on script text, shared by the reader and the conditional rewriting.
namespace texte_scp {

constexpr size_t npos = std::string::npos;
// First c at or after debut outside double quotes (quotes counted from debut).
size_t chercherHorsGuillemets(const std::string& t, char c, size_t debut = 0);
// First occurrence of motif outside double quotes.
size_t chercherTexte(const std::string& t, const std::string& motif);
// First occurrence of mot outside double quotes standing as a whole word: a blank, a tab or
// an end of the text on each side.
size_t chercherMot(const std::string& t, const std::string& mot);
// First "if (" outside double quotes at the start of a word.
size_t chercherSi(const std::string& t);
// Cuts the text at its first "#" outside double quotes.
void couperCommentaire(std::string& t);
// Only blanks and tabs.
bool estBlanc(const std::string& t);

} // namespace texte_scp
