#pragma once
// The AI controller: per-frame update of the level's AIs and the pilot of a
// computer second player.
class CIABehaviours {
public:
    CIABehaviours() = default;
    void majIA();
    void piloterJoueur2();
};
