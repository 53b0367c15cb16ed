#pragma once
// Key-and-values text files: one record per line, "KEY=value;value;value",
// "#" comment lines, "{" and "}" block lines. Every loader and writer of the game
// uses this object, some as a base class.
#include "core/EcritureSure.h"

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace tuv { class RecueilNotes; }

class CTUVFile {
public:
    CTUVFile() = default;
    virtual ~CTUVFile();
    CTUVFile(const CTUVFile&) = delete;
    CTUVFile& operator=(const CTUVFile&) = delete;

    // Closes the file read and drops an unfinished write, then opens for reading or
    // (ecriture) for writing. Writing goes to a temporary file that replaces the target
    // only at close(): a write that is never closed (an early return, an exception) or
    // fails leaves the old file as it was.
    bool open(const std::string& fichier, bool ecriture);
    // Reads a text held in memory (an answer of a server) under every rule of open() for
    // reading: CR LF, a BOM, "#" lines, empty keys, the last value repeated on a short line.
    void openTexte(const std::string& texte);
    // open() for reading, the whole file read at once and its lines then taken from memory:
    // for a long file read from its start to its end (a level of thousands of lines), one
    // read instead of a stream's buffer refilled and each line scanned through it.
    bool openEntier(const std::string& fichier);
    // Commits a file opened for writing: false when it could not be written completely
    // and put in place (the old file is then untouched), and every caller says so.
    bool close();

    // Next key; "" at the end of the file (and on every later call). Blanks in a key
    // are dropped.
    std::string getKey();
    // The same key as a view, valid until the next line is read: for readers that only
    // compare it.
    std::string_view getKeyView();
    // Next value up to ";". Without a further ";" the rest of the line comes back
    // and the position stays, so a further call gives the same value again.
    std::string getValue();
    // The same value as a view into the current line, valid until the next line is read.
    std::string_view getValueView();
    // The next value as a number, read in place; its blanks do not count ("1 2" is 12).
    int getValueInt();
    float getValueFloat();
    std::wstring getValueW();
    std::string getValueBetween(const std::string& prefixe, const std::string& separateur);
    void skipLines(int n);

    void write(const std::string& texte);
    void writeLine(const std::string& texte);
    void endLine();

    const std::string& getLigneCourante() const { return ligneCourante; }
    // The current line's number in the file, from 1 (comment and empty lines count).
    int numeroLigne() const { return nLignes; }
    // How many values of the current line were read so far, the last one's number among
    // them (from 1), its text as written, and how many were asked for past the line's end:
    // those read as the last value again (or, for a reader that says so, as nothing), which
    // the reader names as it names a bad value.
    int nbValeursLues() const { return nValeursLues; }
    std::string_view valeurEcrite() const { return {ligneCourante.data() + debutValeur, finValeur - debutValeur}; }
    int valeursManquantes() const { return nManquantes; }
    // True when the last value read ended its line (no ";" after it): a further value
    // read would only give that one again. False right after getKey.
    bool finDeLigne() const { return bFinDeLigne; }

    // ---- What the reader took otherwise than written ----------------------------------------
    // A line read otherwise than written, as the file sees it: values asked past the line's
    // end, a value that is no number where a number is read, values past those the reader
    // asked for, a line without "=", a key the reader does not take, a line it drops.
    struct Ecart {
        enum class Type { ValeursAbsentes, PasUnNombre, ValeursEnTrop, SansEgal, CleNonPrise, LigneIgnoree };
        Type type = Type::ValeursAbsentes;
        int premiere = 0, derniere = 0;  // the values concerned, from 1
        std::string_view ecrit;          // as written: the value, the values in excess, the line
        std::string commeLu;             // what they were read as; for LigneIgnoree, why
    };
    // From now to the next open, each line read otherwise than written is said
    // (signalerEcart: into notes, or the reader's own form). Off after open(): a pass that
    // only looks for a key (a count, a name) says nothing.
    void verifierDans(tuv::RecueilNotes* notes)
    {
        pNotes = notes;
        bVerifier = true;
    }
    // The reader does not take the current key ("{" and "}" lines are no keys).
    void cleNonPrise();
    // The reader drops the current line: said with why; silent with no why (a line of an
    // object that was not made, which the reader said already).
    void ligneIgnoree(const std::string& pourquoi = std::string());
    // The rest of the current line is the reader's: it splits or hands it on itself.
    void resteLu() { bResteLu = true; }
    // What a reader that splits the rest itself (a shader record) found there, said as the
    // file says its own: only while the current line is checked.
    void ecartDuReste(const Ecart& e)
    {
        if (bLigneAVerifier)
            signalerEcart(e);
    }
    // What the values the reader did not ask for are: empty when the line was read to its end
    // (or its rest only holds empty values).
    std::string_view resteNonLu() const;
    // What a missing value is read as, for a reader that does not give the last one again
    // (null: the last one).
    void valeurAbsenteLueComme(const char* texte) { manqueLuComme = texte; }

protected:
    std::ifstream in;
    std::istringstream texte;
    bool bTexte = false;
    CEcritureSure ecritureSure;
    std::string ligneCourante;
    size_t pos = 0;
    bool bFinDeLigne = false;
    int nManquantes = 0;  // see valeursManquantes

    // Says e (a reader with a form of its own overrides it); by default into the notes given
    // to verifierDans.
    virtual void signalerEcart(const Ecart& e);

    // A value read from debut to fin of the current line; manque: past the line's end.
    void noterValeur(size_t debut, size_t fin, bool manque)
    {
        debutValeur = debut;
        finValeur = fin;
        ++nValeursLues;
        nManquantes += manque;
    }

private:
    void reinitialiser();
    bool lireLigne(std::string& ligne);
    bool lireLigneEntier(std::string& ligne);
    void passerValeur(size_t fin);
    // The general readers of the current value, out of the fast paths' way.
    int valeurIntGenerale();
    float valeurFloatGenerale();
    std::string valeurJusqua(const std::string& separateur);

    void nouvelleLigne();
    // The checks of the key line just read, before the next one is.
    void finirLigne();
    void signalerNonNombre(std::string_view ecrit, const std::string& commeLu);

    int nLignes = 0;
    int nValeursLues = 0;
    size_t debutValeur = 0, finValeur = 0;
    std::string cleSansBlancs;  // the current key when the line spells it with blanks
    bool bDebutFichier = true;
    // The file openEntier read, and where its next line starts.
    std::string entier;
    size_t posEntier = 0;
    bool bEntier = false;
    // Checks (verifierDans): on, the current line is a key line not yet checked, its rest is
    // the reader's.
    bool bVerifier = false;
    bool bLigneAVerifier = false;
    bool bResteLu = false;
    tuv::RecueilNotes* pNotes = nullptr;
    const char* manqueLuComme = nullptr;
};
