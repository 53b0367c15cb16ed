#pragma once
// A character (player, AI, turret or vehicle). The characters subsystem fills it in.
#include <list>
#include <string>
#include <vector>

class CSPRITE;
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

    // Cancels a blow and returns the character to standing (the characters subsystem fills it).
    void resetEtat() {}

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

    // Read by the level's collision query, character boxes and dig holes.
    bool bNoDegats = false;            // takes no decor damage (a shadow probe is running)
    bool bSolideEnMontee = false;      // decor of collision types 1 and 3 holds it while rising
    int compteurTouche = -1;           // hit recovery: decor damage only while negative
    std::string derniereArme;          // weapon of the last hit ("FANTOME", "DECOR_DOMMAGES"...)
    CPerso* dernierAttaquant = nullptr;  // not owned
    int maxSaut = 14;                  // frames of a jump's rise
    int vitesseSaut = 1;               // rising speed of a jump
    int posTete[2] = {0, 0};           // head height standing, crouching
    int posPieds = 0;                  // feet height above the sprite's position
    int numPlanIA = 2;                 // plane of an AI
    bool bTemporaire = false;          // meteor-like AI: its model does not count as used
    CSPRITE* support = nullptr;        // decor sprite under the feet; not owned
    std::list<CSPRITE*> plateformes;   // bounce pads met under the feet; not owned

    // Drops every hold on a decor sprite that the level is about to free.
    void oublierSprite(CSPRITE* sd)
    {
        if (support == sd)
            support = nullptr;
        plateformes.remove(sd);
    }
    // The one hit handler; decor damage calls it with (damage, direction, 0, 1).
    void prendreCoup(int degats, int directionPoussee, int inutilise, int indirect) {}
};
