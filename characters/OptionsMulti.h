#pragma once
// Options of the two-player game: the menus write them, the HUD, the rounds, the hits and the
// weapon fountains read them. They start from their defaults; nothing saves them.
#include <SFML/Graphics/Color.hpp>

#include <string>

class COptionsMulti {
public:
    static constexpr int NB_ARMES_FONTAINE = 9;
    using ArmesFontaine = int[NB_ARMES_FONTAINE];

    // With fountain flags of its own.
    COptionsMulti();
    // With the game's fountain flags, which the fountains read: one storage under two names.
    explicit COptionsMulti(ArmesFontaine& armesJeu);
    COptionsMulti(const COptionsMulti&) = delete;
    COptionsMulti& operator=(const COptionsMulti&) = delete;

    // Makes the two colours and sets every default.
    void init();
    void defauts();
    // Reads the keys of a file of options; 1. A file that does not open restores the defaults.
    int charger(const std::string& fichier);

    int choixJ1 = 0, choixJ2 = 0;
    sf::Color couleurJ1, couleurJ2;
    ArmesFontaine& armesFontaine;  // 1: a fountain may offer that weapon
    int optionMenu = 0;
    int nbJoueurs[2] = {2, 2};
    int nbClones[2] = {1, 4};  // clones, and their maximum
    int manches = 3;           // rounds a player must win
    bool invertolites[2] = {false, true};
    bool bisouillettes[2] = {false, true};
    bool padsOtolite[2] = {false, true};
    bool mitrailleuse[2] = {false, true};
    // The four yes/no options of the options screen, in the order of its lines.
    bool drapeauxMenu[4] = {false, false, true, false};
    int armesDepart = 1;
    bool minesAuto = true;
    bool minesManuelles = true;
    bool superResistant = true;
    bool livraisonArmes = true;
    bool drapeauxPartie[2] = {false, false};
    // Damage settings of the two players: 4 halves a shot's damage, 3 multiplies it by 1.5,
    // 1 and 4 stop head shots.
    int reglageJ1 = 0, reglageJ2 = 0;

private:
    ArmesFontaine armesPropres = {0, 1, 0, 0, 1, 0, 0, 0, 0};
};
