#pragma once
// The level editor's toolbar. The editor subsystem fills in its drawing and mouse.
class CSFMLJeu;
namespace sf { class RenderWindow; }

class CSFMLJeuBarreOutils {
public:
    CSFMLJeuBarreOutils() = default;
    int dessiner(sf::RenderWindow& fenetre, int camX, int camY);
    int souris(sf::RenderWindow& fenetre, int camX, int camY);

    CSFMLJeu* jeu = nullptr;
};
