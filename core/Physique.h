#pragma once
// Decor-sprite behaviours a level author can switch on: slide, seesaw, bounce pad,
// collapse and destruction. Characters and collisions are reached through g_services.
#include <SFML/Config.hpp>

class CSPRITE;

// Slide (G): a tilted sprite pushes the characters standing on it.
class CPhysG {
public:
    // Slide value for a character standing at (x, y); 0 off the sprite.
    int maj(int x, int y, CSPRITE* sd);
};

// Seesaw (B).
class CPhysBascule {
public:
    CPhysBascule() = default;
    // In the order of the level record.
    CPhysBascule(int buteeGauche, int buteeDroite, int pivot, int largeurPivot, float vitesseRot,
                 int poidsBascule, int cpg, int cpd);

    // One frame: tilts the sprite's angleDynamique toward the heavier side, within the stops.
    void maj(CSPRITE* sd);

    int pivot = -1;         // px from the left edge, -1 middle
    int largeurPivot = 0;   // half-width around the pivot that weighs on neither side
    int buteeGauche = -1;   // degrees, -1 none
    int buteeDroite = -1;
    float vitesseRot = 1.5f;
    int poidsBascule = 0;   // difference below which it does not tilt
    int cpg = 0, cpd = 0;   // weights always present on each side
};

// Bounce pad (R).
class CPhysRebond {
public:
    // -1 when off, else the state after the step (0 idle, 1 triggered, 2 launch).
    int maj(int x, int y, CSPRITE* sd);
    // Back to idle, as the level made it.
    void reinitialiser() { etat = 0; }

    bool bActif = true;
    int etat = 0;
};

// Collapse (E): the sprite falls once a character has stepped on it.
class CPhysEffondrement {
public:
    CPhysEffondrement() = default;
    // The level record's values; vitesse is not in the level file: the caller passes a default.
    CPhysEffondrement(int hauteur, int vitesse, bool bHauteurAuto);

    // Speed for a level record that carries none (the level file stores only two values).
    static constexpr int VITESSE_DEFAUT = 4;

    // -1 when the sprite's flag E is off, -2 when finished, else the state after the step.
    int maj(CSPRITE* sd);
    // Waiting again with nothing fallen: the settings stay, the fall's state is made anew.
    void reinitialiser();

    int etat = 0;             // 0 waiting, 1 falling, 2 fallen
    bool bEnAttente = true;   // cleared by the character that triggers the fall
    int hauteur = 0;
    int parcouru = 0;
    bool bHauteurAuto = true;
    int vitesse = 0;          // px per frame at 30 fps
    bool bTermine = false;
    bool bHauteurVisible = false;

    // Fraction of a pixel carried to the next frame, so that slow falls still move at 60 fps.
    float reste = 0;
};

// Destruction: shots damage the sprite until it breaks.
class CPhysDestruction {
public:
    CPhysDestruction() = default;
    CPhysDestruction(bool bActif, int resistance, int animDetruit, int v4, int v5, int v6, bool bDisparait,
                     int r, int g, int b, int a);

    void toucher(CSPRITE* sd, int degats);
    // Per-frame: fades the hit tint out.
    void maj(CSPRITE* sd);
    // Whole again, no damage and no tint: the settings stay, the run state is made anew. The
    // sprite it broke is the caller's to show and rewind.
    void reinitialiser();

    bool bActif = true;
    int resistance = 1;
    int animDetruit = -1;
    int v4 = 0, v5 = 0, v6 = 0;
    bool bDisparait = false;
    sf::Uint8 r = 255, g = 0, b = 0, a = 255;

    int degatsRecus = 0;
    int compteurTeinte = 0;
    bool bDetruit = false;

    static constexpr int DUREE_TEINTE = 6;
};
