#pragma once
// Force zone of a decor sprite: pushes, pulls or attracts the characters in it.
// Which characters lie in the zone and how their velocity changes belongs to the
// character code, reached through g_services.appliquerForce.
#include <string>

class CSPRITE;
class CScript;

class CForceSD {
public:
    CForceSD() = default;
    // Another zone's settings; the scripts are made by whoever owns the copy, and its cycle
    // starts anew.
    CForceSD(const CForceSD& autre);
    CForceSD& operator=(const CForceSD&) = delete;
    ~CForceSD() = default;

    // One frame: at each new cycle draws the cycle length, the duration, the signs and the
    // speed limits, then hands the zone to the characters while it is on.
    void maj(CSPRITE* sd);
    // Starts a new cycle now (level start).
    void reinitialiser();

    // Force per axis for this cycle, sign included; 0 while the zone is off in its cycle.
    float forceCouranteX() const { return bEnForce ? ForceX * signeX : 0.0f; }
    float forceCouranteY() const { return bEnForce ? ForceY * signeY : 0.0f; }

    // --- settings, in the zone's order ---
    int CycleMin = 0, CycleMax = 0;
    int DureeMin = 0, DureeMax = 0;
    float ForceX = 0, ForceY = 0;
    int portee = 1;     // 0 local, 1 all planes, 2 this plane
    int modeForce = 0;  // 0 set, 1 multiply, 2 add
    bool InvSensX = false, InvSensY = false;
    int ButeeX = 0, ButeeY = 0, MaxButeeX = 0, MaxButeeY = 0;
    CScript* pScript = nullptr;  // owned by the script engine
    std::string Script;
    CScript* pScriptFermeture = nullptr;
    std::string ScriptFermeture;
    bool ForceActive = false;  // the per-frame update does nothing while it is set
    bool SpriteVisible = false;
    bool Attracteur = false;
    bool AccelDistance = false;
    float ModifAngleMax = 0.01f;
    int RayonAttraction = 500;
    int RayonAttracteur = 50;
    int EcartAngle = 10;
    float AccelerationDistance = 0.0f;
    bool ModForceActif = true;
    bool DisparitionImpact = false;
    bool bDrapeau = false;  // the last stored flag, edited by no dialog

    // --- run state ---
    float compteurCycle = 0;  // frames left in the current cycle
    float compteurDuree = 0;  // frames left with the force on
    int longueurCycle = 0, duree = 0;
    int signeX = 1, signeY = 1;
    int limiteX = 0, limiteY = 0;
    bool bEnForce = false;
    bool bNouveauCycle = true;
};
