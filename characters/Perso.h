#pragma once
// A character (player, AI, turret or vehicle). The characters subsystem fills it in.
#include <string>

class CPerso {
public:
    CPerso() = default;
    ~CPerso() = default;
    CPerso(const CPerso&) = default;

    std::string fichier;
    bool bCollisions = true;
    bool bVieInfinie = false;
    bool bBoostInfinie = false;
};
