// Arbitrary bytes as "jeu.ini": both passes of the configuration reader, on a game whose
// window already exists (a VIEWPORT line then makes none, as in a real second read), then
// the values are applied. What was read must stay within what the game can run with.
#include "game/Jeu.h"

#include "FuzzOutils.h"

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    fuzz::preparer();
    static sf::RenderWindow* fenetre = new sf::RenderWindow(sf::VideoMode(64, 64), "fuzz", sf::Style::None);
    const std::string chemin = fuzz::ecrireEntree("jeu.ini", donnees, taille);
    CSFMLJeu jeu;
    jeu.fenetre = fenetre;
    jeu.lireConfiguration(chemin, true);
    jeu.lireConfiguration(chemin, false);
    if (jeu.fenetre != fenetre || !(jeu.volumeEffets >= 0 && jeu.volumeEffets <= 100) ||
        !(jeu.volumeMusique >= 0 && jeu.volumeMusique <= 100) ||
        (jeu.framerateCoeff != 1.0f && jeu.framerateCoeff != 0.5f))
        std::abort();
    jeu.fenetre = nullptr;  // shared by every run
    return 0;
}
