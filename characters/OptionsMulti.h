#pragma once
// Options of the two-player game, written by the menus.
class COptionsMulti {
public:
    COptionsMulti() = default;

    int nbJoueurs[2] = {2, 2};
    int manches = 3;  // rounds a player must win
};
