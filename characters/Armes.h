#pragma once
// The weapon list of "./personnages/armes.arm" and the shots in flight.
#include <string>
#include <vector>

class CArmes {
public:
    CArmes() = default;
    // Reads the weapon file; 0 in every case.
    int charger(const std::string& fichier);
    // Per-frame update of the shots.
    void majTirs();

    int nbArmes = 0;
};
