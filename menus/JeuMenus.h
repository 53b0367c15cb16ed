#pragma once
// The menu object: front end, progression and scores.
#include "core/SpriteSimple.h"

#include <string>
#include <vector>

class CInventaire;
namespace sf { class RenderWindow; }

class CJeuMenus {
public:
    CJeuMenus() = default;
    int chargerMenu(const std::string& dossier, const std::string& fichier);
    void entrerMenu(int idMenu);
    // Draws the menu screen.
    void afficher(sf::RenderWindow* fenetre);
    // Input and actions of the menu on screen.
    void gererMenu();

    int idMenu = 0;

    // Read by the HUD.
    std::string langue = "fr_";
    CSPRITE_SIMPLE spriteEtoile, spriteEtoileVide, spriteBouclier, spriteTemps, spriteBarreProgression;
    std::vector<std::string> joueurs;  // player names (UTF-8)
    int joueurActif = 0;
    // Objects found by the player; the decor's object sprites report to it.
    CInventaire* pInventaire = nullptr;
};
