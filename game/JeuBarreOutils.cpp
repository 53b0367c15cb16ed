#include "game/JeuBarreOutils.h"

int CSFMLJeuBarreOutils::dessiner(sf::RenderWindow& fenetre, int camX, int camY)
{
    return 0;
}

int CSFMLJeuBarreOutils::souris(sf::RenderWindow& fenetre, int camX, int camY)
{
    return 0;
}
