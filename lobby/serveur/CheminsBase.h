#pragma once
// The base's paths as the server holds them, and as the commands it suggests to the operator
// write them.
#include <string>

namespace chemins {

// The base's path as the server holds it: absolute from the start, so that it still names the
// base once the working folder the server was started in is removed and made again. ":memory:"
// stays as it is.
std::string cheminAbsolu(const std::string& chemin);
// The file a name leads to, as SQLite opens it: its folder resolved, then its last part followed
// while it is a symbolic link, one that leads to no file yet included (the file SQLite would
// make). Every name of one file gives the same path. Of a name whose folder does not exist,
// what exists is resolved and the rest tidied; a chain of links that never ends gives its last
// name.
std::string cheminResolu(const std::string& chemin);
// An absolute path tidied (no "." nor ".."), for a command the server suggests: it works from
// the folder the operator is in, not only from the one the server was started in.
std::string cheminComplet(const std::string& chemin);
// A path as a "file:" URI has it: every byte but the unreserved ones and '/' escaped.
std::string cheminUri(const std::string& chemin);
// A word as a shell reads it back whole: bare when it holds nothing the shell reads otherwise,
// else between single quotes.
std::string pourLeShell(const std::string& t);
// The command that puts the log `journal` aside under "<journal><suffixe>".
std::string mettreLeJournalDeCote(const std::string& journal, const char* suffixe);

} // namespace chemins
