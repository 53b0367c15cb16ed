#pragma once
// The in-game HUD. The HUD subsystem fills in its drawing.
namespace sf { class RenderWindow; }

class CSFMLJeuHUD {
public:
    CSFMLJeuHUD() = default;
    int dessiner(sf::RenderWindow& fenetre);
    void dessinerOverlay(sf::RenderWindow& fenetre);

    bool bInfosVisible = false;
    // Frames before "go" of a round; below 0 once the round runs.
    int compteurDepart = -1;
};
