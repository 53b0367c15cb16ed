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
    // Maps the AI's aim angle onto its aim step within angleMax (-1 resets); 1 when the angle
    // was clamped or reset. Filled with the AI behaviours; 0 yet.
    int initAngleTir(CPerso* ia, int angleMax) { return 0; }
};
