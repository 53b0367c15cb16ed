#pragma once
// The explosions of "./explosions/explos.ini".
#include <string>

class CExplosions {
public:
    CExplosions() = default;
    // 0 in every case.
    int charger(const std::string& fichier);
};
