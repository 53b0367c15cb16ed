#pragma once
// The AI controller: per-frame update of the level's AIs and the pilot of a
// computer second player.
#include <string>

class CPerso;

class CIABehaviours {
public:
    CIABehaviours() = default;
    void majIA();
    void piloterJoueur2();
    // Whether a character of the level's AI list has this id (a later step of the AI fills
    // it).
    bool persoExiste(const std::string& id) const { return false; }
    // Alerts (mode 1) or calms (mode 0) the AIs of faction 2 within rayon of (x, y); source
    // is the AI that gave the alert, or null. Not built yet: it does nothing.
    void alerteGenerale(CPerso* source, int x, int y, int mode, int rayon);
};
