#pragma once
// The explosions of "./explosions/explos.ini".
#include <map>
#include <string>

class CDEC;

class CExplosions {
public:
    CExplosions() = default;
    // 0 in every case.
    int charger(const std::string& fichier);

    // Read by name: the bank an explosion sprite is bound to, and the sound it plays.
    std::map<std::string, CDEC*> explosions;
    std::map<std::string, std::string> sonsExplosions;
};
