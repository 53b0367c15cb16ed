#pragma once
// The one commit point of every file the program writes. The bytes go to a temporary file
// of a unique name beside the target ("<file>.XXXXXX.tmp": a rename across file systems is
// not atomic), which replaces the target only when valider() finds it whole and on disk.
// Anything else (an early return, an exception, a full disk, a second writer of the same
// file) leaves the target as it was: an unfinished write is dropped by the destructor.
#include <fstream>
#include <string>

class CEcritureSure {
public:
    CEcritureSure() = default;
    ~CEcritureSure();
    CEcritureSure(const CEcritureSure&) = delete;
    CEcritureSure& operator=(const CEcritureSure&) = delete;

    // Drops any unfinished write, then makes the temporary file for `cible` and opens the
    // stream on it. False when no file can be made there (missing or read-only folder,
    // a folder named `cible`).
    bool ouvrir(const std::string& cible);
    bool ouverte() const { return fd >= 0; }
    // Where the writer puts its bytes; writes go nowhere once it is closed.
    std::ofstream& flux() { return out; }

    // Flushes and checks the stream, syncs the file to the disk and renames it over the
    // target, then removes the temporary files that killed saves of the same target left.
    // False (target untouched, temporary file removed) on any failure, and when nothing
    // was open.
    bool valider();
    // Removes the temporary file; the target stays as it was.
    void abandonner();

private:
    void fermer();

    std::ofstream out;
    std::string cheminCible;
    std::string cheminTemp;
    int fd = -1;
};
