#pragma once
// The inventory of found objects, held by the menu object.
#include <string>
#include <vector>

class CSPRITE;
namespace sf { class RenderWindow; }

class CInventaire {
public:
    // Counts the object that the decor sprite stands for as found.
    void objetTrouve(CSPRITE* sd) {}

    // What the inventory menu moves and asks; a later step of the characters fills them.
    // Recomputes nbObjetsCategorie.
    void compterObjets() {}
    // Makes the image of the selected object.
    void chargerSprites() {}
    // Uses the selected object on the player.
    void utiliserObjet() {}
    // Draws the inventory screen.
    void dessinerListe(sf::RenderWindow& fenetre) {}

    int colonne = 0;  // 0 categories, 1 objects
    std::vector<std::wstring> categories;
    int categorieCourante = 0;
    int objetCourant = 0;
    int nbObjetsCategorie = 0;
};
