#pragma once
// The AI controller: per-frame update of the level's AIs and the pilot of a
// computer second player.
#include <string>

class CIABehaviours {
public:
    CIABehaviours() = default;
    void majIA();
    void piloterJoueur2();
    // Whether a character of the level's AI list has this id (a later step of the AI fills
    // it).
    bool persoExiste(const std::string& id) const { return false; }
};
