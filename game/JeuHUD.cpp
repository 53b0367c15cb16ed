#include "game/JeuHUD.h"

int CSFMLJeuHUD::dessiner(sf::RenderWindow& fenetre)
{
    return 0;
}

void CSFMLJeuHUD::dessinerOverlay(sf::RenderWindow& fenetre)
{
}
