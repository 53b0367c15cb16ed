#pragma once
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace tuv {

bool fichierExiste(const std::string& chemin);
bool dossierExiste(const std::string& chemin);
// Byte copy, used for the ".save" backup before a tool file is overwritten.
bool copierFichier(const std::string& source, const std::string& destination);

struct EntreeDossier {
    std::string nom;
    bool bDossier = false;
};
// Entries of a folder (no "." or ".."), sorted by name; empty when it does not exist.
std::vector<EntreeDossier> listerDossier(const std::string& dossier);

// The one way the program writes a file: the writer fills "chemin.tmp", the stream is
// flushed and checked, then renamed over chemin. On any failure the old file is left
// untouched, the temporary file removed and false returned.
bool ecrireFichierSur(const std::string& chemin, const std::function<bool(std::ostream&)>& ecrivain);

} // namespace tuv
