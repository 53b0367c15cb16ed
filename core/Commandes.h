#pragma once
// Per-player command records: filled by input (keyboard, gamepads, AI pilot),
// read by characters, hit rules and script triggers. The byte layout is fixed
// because the AI pilot record and the script triggers address it by offset.
#include <cstddef>

struct CommandesJoueur {
    // 0-7: pressed this frame
    bool bA, bB, bX, bY, bLB, bRB, bBack, bStart;
    // 8-12
    bool bHaut, bBas, bLS, bRS, bReserve12;
    // 13-16: released this frame
    bool bRelA, bRelB, bRelX, bRelY;
    // 17-20
    bool bRelHaut, bRelBas, bRelLS, bRelRS;
    // 21-24
    bool bRelLB, bRelRB, bRelBack, bRelStart;
    // 25-47: keyboard and derived commands. bEntree: player 1 pressed Return in play; the
    // key's event marks the record in use, and the next record, built in the same frame,
    // takes it as the pad's B pressed and released.
    bool bGauche, bDroite, bHautClavier, bBasClavier, bSaut, bAccroupi, bTir, bCorpsACorps,
        bAction, bDash, bArmeSuivante, bArmePrecedente, bPause, bTirMaintenu, bSautMaintenu,
        bEntree, bReserve41, bReserve42, bReserve43, bReserve44, bReserve45, bReserve46,
        bReserve47;
    // 48
    bool bSuperPouvoir;
    bool bReserve49, bReserve50, bReserve51;
    // 52+: analog values; stick y axes are negated so that up is positive
    float stickGX, stickGY, stickDX, stickDY, gachetteG, gachetteD;
};

static_assert(offsetof(CommandesJoueur, bA) == 0);
static_assert(offsetof(CommandesJoueur, bStart) == 7);
static_assert(offsetof(CommandesJoueur, bHaut) == 8);
static_assert(offsetof(CommandesJoueur, bRelA) == 13);
static_assert(offsetof(CommandesJoueur, bRelHaut) == 17);
static_assert(offsetof(CommandesJoueur, bRelLB) == 21);
static_assert(offsetof(CommandesJoueur, bGauche) == 25);
static_assert(offsetof(CommandesJoueur, bSuperPouvoir) == 48);
static_assert(offsetof(CommandesJoueur, stickGX) == 52);

struct ManetteJoueur {
    float jauge = 100.0f;
    bool bPouvoirActif = false;
    // Last raw readings, for press/release edge detection.
    unsigned int boutonsPrecedents = 0;
    float gachettes[2] = {0, 0};
    float sticks[4] = {0, 0, 0, 0};
};
