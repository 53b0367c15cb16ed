// Entry point. Until the game object exists this opens the game's window and
// keeps it open until it is closed.
#include "core/Globals.h"

#include <SFML/Graphics.hpp>

#include <cstring>

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--dev") == 0)
            CSFMLJeuGlobal::bModeTest = true;

    sf::RenderWindow fenetre(sf::VideoMode(1280, 720), "Jeu");
    fenetre.setFramerateLimit(60);
    while (fenetre.isOpen()) {
        sf::Event e;
        while (fenetre.pollEvent(e))
            if (e.type == sf::Event::Closed)
                fenetre.close();
        fenetre.clear(sf::Color(150, 150, 150));
        fenetre.display();
    }
    return 0;
}
