#pragma once
// The level editor's toolbar: draws the icon grids of the selected decor sprite, the player
// and the selected AI above their owners, and routes the mouse that no dialog took to the
// HUD's map, the characters' menus, the level's sprite menu and picking, and the choice of
// the selected character (an AI or a player).
class CPerso;
class CSFMLJeu;
namespace sf { class RenderTarget; class RenderWindow; }

class CSFMLJeuBarreOutils {
public:
    CSFMLJeuBarreOutils() = default;
    int dessiner(sf::RenderWindow& fenetre, int camX, int camY);
    // The same into any target in window pixels.
    int dessiner(sf::RenderTarget& cible, int camX, int camY);
    int souris(sf::RenderWindow& fenetre, int camX, int camY);

    CSFMLJeu* jeu = nullptr;

private:
    // The character's grid with its bottom edge at the character's origin on screen.
    void dessinerMenuPerso(sf::RenderTarget& cible, CPerso* perso, int camX, int camY);
    // Shift: the AI the mouse holds, or else the player it holds, becomes the selected
    // character; the character dialogs follow.
    void choisirIA(sf::RenderWindow& fenetre, int camX, int camY);
    // The selected character's drag ends once the left button is up, with or without Shift.
    void lacherPerso(sf::RenderWindow& fenetre, int camX, int camY);
};
