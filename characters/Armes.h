#pragma once
// The weapon list of "./personnages/armes.arm" and the shots in flight.
#include <string>
#include <vector>

// One weapon of the list.
class CArme {
public:
    std::string nom;
    std::string nomAffiche;  // shown by the HUD beside the damage
    int degats = 0;
};

class CArmes {
public:
    CArmes() = default;
    // Reads the weapon file; 0 in every case.
    int charger(const std::string& fichier);
    // Per-frame update of the shots.
    void majTirs();
    // Deletes every shot in flight.
    void viderTirs();
    // Calls of viderTirs, for the tests of the world switches.
    int nbAppelsViderTirs = 0;

    int nbArmes = 0;
    std::vector<CArme*> armes;  // file order
};
