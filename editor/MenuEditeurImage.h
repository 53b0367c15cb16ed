#pragma once
// An icon menu of the editor drawn over the level from "./menus/menusediteur.png", at a fixed
// offset from the game camera; its cell 5, Control-clicked, switches the level's masks. No
// part of the editor creates it yet: its creator sets pjeu and calls it each frame.
#include "gui/CPLUXDialogFile.h"

#include <memory>

class CMenuImage;
struct MondeJeu;
namespace sf { class RenderTarget; class Window; }

class CMenuEditeurImage {
public:
    static constexpr const char* IMAGE = "./menus/menusediteur.png";
    static constexpr int TAILLE_CASE = 32;
    static constexpr int CASE_MASQUES = 5;

    CMenuEditeurImage();
    ~CMenuEditeurImage();

    // Places the grid at the offset from the camera and draws it.
    int dessiner(sf::RenderTarget& cible);
    // Follows the mouse (true when over the grid); a Control-click released on cell 5 inverts
    // the level's masks.
    bool gerer(sf::Window& fenetre, int, int);

    std::unique_ptr<CMenuImage> pMenu;
    int decalageX = 400;
    int decalageY = 0;
    int largeurCase = 0, hauteurCase = 0;
    MondeJeu* pjeu = nullptr;  // the game's world facet, not owned
    CPLUXDialogFileImages dialogueImages;
    CPLUXDialogFileSave dialogueSauver;
};
