#pragma once
// Options of the two-player game, written by the menus.
class COptionsMulti {
public:
    COptionsMulti() = default;
};
