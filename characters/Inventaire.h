#pragma once
// The inventory of found objects, held by the menu object.
class CSPRITE;

class CInventaire {
public:
    // Counts the object that the decor sprite stands for as found.
    void objetTrouve(CSPRITE* sd) {}
};
