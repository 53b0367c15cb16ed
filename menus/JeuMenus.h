#pragma once
// The menu object: front end, progression and scores.
#include <string>

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
};
