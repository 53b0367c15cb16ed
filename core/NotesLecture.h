#pragma once
// What a reader of a key-and-values file took otherwise than written: a bad value replaced,
// a value bounded, values a short line lacks. One note a line,
// "file:line: KEY value n «written» reason, read as X", in the order met; the reader
// prints them on the console and, where an editor read the file, shows them to its author.
#include "core/TuvFile.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace tuv {

class RecueilNotes {
public:
    // The file the notes name; the notes of an earlier file go.
    void commencer(const std::string& fichier);
    // The value just read from f (the last one f gave) was taken as commeLu: pourquoi says why.
    void noterValeur(const CTUVFile& f, const std::string& pourquoi, const std::string& commeLu);
    // What f found its current line read as otherwise than written (CTUVFile::verifierDans).
    void noterEcart(const CTUVFile& f, const CTUVFile::Ecart& e);
    // The same for a reader that splits the line itself: value number indice (from 1) of
    // f's current line, written `ecrit`.
    void noterValeur(const CTUVFile& f, int indice, std::string_view ecrit, const std::string& pourquoi,
                     const std::string& commeLu);
    // A note of the current line that names no value (an unknown weapon, a line dropped).
    void noter(const CTUVFile& f, const std::string& texte);
    // "file:line: KEY" of f's current line, for a note made later (ajouter).
    std::string lieu(const CTUVFile& f) const;
    void ajouter(const std::string& note) { lignes.push_back(note); }

    const std::vector<std::string>& notes() const { return lignes; }
    bool vide() const { return lignes.empty(); }
    // Each note on a line of its own, prefixed ("Décor : ").
    void ecrire(std::ostream& sortie, const std::string& prefixe) const;
    // The same on standard error, each note once in the program's run: a definition read
    // again for every sprite made from it says its notes once.
    void direUneFois(const std::string& prefixe) const;
    // The first `max` notes and how many more there are, for a message box.
    std::string resume(size_t max) const;

private:
    std::string fichier;
    std::vector<std::string> lignes;
};

} // namespace tuv
