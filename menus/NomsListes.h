#pragma once
// The name a level file wears in the game's level lists, whatever way it was loaded (a
// choice menu, the editor's "Charger", a start in the editor): the list whose "NIV=" entry
// followed by "niveau.niv" is the file, and the text 1 of the line that names that entry in
// the list's choice menu, in the language asked (line L of the menu names entry L - 1).
#include <string>

class NomsListes {
public:
    // UTF-8, empty when no list holds the file. The answer for the last file and language
    // asked is kept: the banner asks every frame.
    const std::string& nom(const std::string& fichier, const std::string& langue);

private:
    std::string fichier_, langue_, nom_;
    bool lu_ = false;
};
