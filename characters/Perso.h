#pragma once
// A character (player, AI, turret or vehicle). The characters subsystem fills it in.
#include <string>
#include <vector>

class CSPRITE3;

// One weapon slot of a character.
struct SlotArme {
    int numero = 0;       // index in the game's weapon list
    int munitions = 0;    // -1 unlimited
    bool bPossedee = false;
    int etatSlot = -1;    // reload countdown; a slot with no ammunition is still listed while >= 0
};

class CPerso {
public:
    CPerso() = default;
    ~CPerso() = default;
    CPerso(const CPerso&) = default;

    std::string fichier;
    bool bCollisions = true;
    bool bVieInfinie = false;
    bool bBoostInfinie = false;

    // Read by the camera and the HUD.
    CSPRITE3* sprite = nullptr;  // the character's animated sprite
    int mode = 0;                // state: 2-4 crouching, 5-8 in the air, 12 dead
    int direction = 1;           // 0 right, 1 left
    int vitesse = 1;             // walking speed
    int hauteurHitbox = 0;
    bool bMonte = false;         // mounted: the camera's group framing leaves it out
    bool bHorsVue = false;       // left out of the group framing as well
    float ecartGroupeX = 0, ecartGroupeY = 0;  // offset from the group centre (camera mode 4)
    bool bVaisseau = true;
    int vie = 100;
    std::vector<SlotArme*> armes;
    int armeCourante = -1;
    int nbarmesperso = 0;
    int numJoueur = 0;
    int numManette = 0;
};
