#pragma once
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace tuv {

bool fichierExiste(const std::string& chemin);
// What tells that a file changed since it was read: its modification time and size (none for
// a file that is not there).
struct EmpreinteFichier {
    long long secondes = -1, nanosecondes = 0, taille = -1;
    bool existe() const { return taille >= 0; }
    bool operator==(const EmpreinteFichier& o) const
    {
        return secondes == o.secondes && nanosecondes == o.nanosecondes && taille == o.taille;
    }
    bool operator!=(const EmpreinteFichier& o) const { return !(*this == o); }
};
EmpreinteFichier empreinteFichier(const std::string& chemin);
bool dossierExiste(const std::string& chemin);
// Whether the two paths name the same file ("./a/b.niv" and "a/b.niv"), whether it exists
// or not.
bool memeFichier(const std::string& a, const std::string& b);
// Next line of a text file without its line end: a UTF-8 byte-order mark is dropped from the
// first line (debutFichier, cleared here) and a final CR from every line. False at the end.
bool lireLigneTexte(std::istream& in, std::string& ligne, bool& debutFichier);
// Byte copy through the safe write, used for the ".save" backup before a tool file is
// overwritten: false, and the destination untouched, when any read or write fails.
bool copierFichier(const std::string& source, const std::string& destination);
// The whole content of a regular file; false (and octets empty or partial) when it is not
// one or a read fails.
bool lireFichier(const std::string& chemin, std::string& octets);

struct EntreeDossier {
    std::string nom;
    bool bDossier = false;
};
// Entries of a folder (no "." or ".."), sorted by name; empty when it does not exist.
std::vector<EntreeDossier> listerDossier(const std::string& dossier);

// Creates an empty file named chemin + ".XXXXXX" + suffixe (six random characters) that no
// other writer holds, for a writer that needs a path of its own; its name, "" on failure.
std::string creerFichierTemporaire(const std::string& chemin, const std::string& suffixe);

// Writes a whole file through the program's one commit point (CEcritureSure): the writer
// fills a temporary file and returns whether it wrote everything; only then is the file
// synced and renamed over chemin. On any failure, or when the writer throws, the old file
// is left untouched, the temporary file removed and false returned (or the exception
// passed on).
bool ecrireFichierSur(const std::string& chemin, const std::function<bool(std::ostream&)>& ecrivain);
// The ".save" copy that the level, animation and state-list writers make of the file they
// are about to replace. True when it is made or there is no file to copy; a writer that
// gets false must not go on: the old file is then the author's only backup.
bool copierSauvegarde(const std::string& fichier);

} // namespace tuv
