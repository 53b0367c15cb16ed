#pragma once
// The states of a character (its field `mode`). The numbers are stored by level files and
// compared by scripts: they never change.
namespace EtatPerso {

constexpr int ARRET = 0;              // standing, aiming
constexpr int MARCHE = 1;             // walking, aiming
constexpr int BAISSE = 2;             // crouching down
constexpr int BAISSE_MARCHE = 3;      // crouch-walking
constexpr int ARRET_BAISSE = 4;       // crouched, aiming
constexpr int SAUT_MONTE = 5;         // rising jump
constexpr int CHUTE_SAUT = 6;         // falling after a jump
constexpr int CHUTE = 7;              // falling
constexpr int REBOND = 8;             // rising from a bounce pad
constexpr int TOUCHE = 9;             // hit
constexpr int RECEPTION_CHUTE = 10;   // landing after a fall
constexpr int RECEPTION = 11;         // landing
constexpr int MORT = 12;              // dead
constexpr int ACTION = 13;            // action
constexpr int DASH = 14;              // dash
constexpr int LIBRE_15 = 15;          // set by nothing of the characters
constexpr int LIBRE_16 = 16;
constexpr int PARALYSE = 17;          // paralysed
constexpr int VICTOIRE = 18;          // victory
constexpr int CONTROLE_TOURELLE = 19; // controlling a turret

constexpr int NB_ETATS = 20;

} // namespace EtatPerso
