// Entry point: builds the game from "jeu.ini", loads the named sounds, runs the loop and
// tears down in order. "--dev" turns the development switch on (editor, cheats, diagnostics).
#include "core/Globals.h"
#include "core/PiloteGL.h"
#include "editor/SFMLJeuChoix.h"
#include "game/Jeu.h"
#include "game/SortieSon.h"

#include <X11/Xlib.h>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

// Automated runs: TUV_FRAMES_MAX stops after that many frames, TUV_TOUCHES="frame:key,..."
// presses keys (F8, F9, F12, M) at those frames, JEU_REJOUER replays an input file (see
// game/SourceRejouee.h) on the replay clock. False when the replay cannot be read.
bool lireEnvironnementAutomatique(CSFMLJeu& jeu)
{
    if (const char* rejeu = std::getenv("JEU_REJOUER"); rejeu && *rejeu && !jeu.rejouer(rejeu)) {
        std::cerr << "jeu: cannot read the replay \"" << rejeu << "\"\n";
        return false;
    }
    if (const char* max = std::getenv("TUV_FRAMES_MAX"))
        jeu.nbImagesMax = std::max(0L, std::atol(max));
    const char* touches = std::getenv("TUV_TOUCHES");
    if (!touches)
        return true;
    std::string liste = touches;
    size_t debut = 0;
    while (debut < liste.size()) {
        size_t fin = liste.find(',', debut);
        std::string item = liste.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut);
        size_t deuxPoints = item.find(':');
        if (deuxPoints != std::string::npos) {
            long image = std::atol(item.substr(0, deuxPoints).c_str());
            std::string nom = item.substr(deuxPoints + 1);
            sf::Keyboard::Key k = nom == "F8"    ? sf::Keyboard::F8
                                  : nom == "F9"  ? sf::Keyboard::F9
                                  : nom == "F12" ? sf::Keyboard::F12
                                  : nom == "M"   ? sf::Keyboard::M
                                                 : sf::Keyboard::Unknown;
            if (k != sf::Keyboard::Unknown)
                jeu.touchesProgrammees[image] = k;
        }
        if (fin == std::string::npos)
            break;
        debut = fin + 1;
    }
    return true;
}

const char* const AIDE =
    "usage: jeu [--dev]      (./run.sh [--neuf] [--dev] starts it)\n"
    "Plays the game in the working folder (jeu.ini, menus, levels...).\n"
    "  --dev    development switch: level editor, animation editor, tools, cheats\n"
    "  --neuf   (./run.sh) starts from a fresh copy of data/: players, scores and\n"
    "           progression start over\n"
    "  --help   this text\n";

// Without a display the window library would abort: say it in one line instead.
bool ecranDisponible()
{
    const char* nom = std::getenv("DISPLAY");
    if (!nom || !*nom)
        return false;
    Display* ecran = XOpenDisplay(nullptr);
    if (!ecran)
        return false;
    XCloseDisplay(ecran);
    return true;
}

// Builds the game, runs it and tears it down; the process' status.
int jouer()
{
    auto* jeu = new CSFMLJeu();
    if (jeu->init("jeu.ini") != 0) {
        std::cerr << "jeu: \"jeu.ini\" is missing or has no VIEWPORT line in the working folder; no window can be opened.\n";
        delete jeu;
        CSFMLJeuChoix::libererSelecteurs();
        return 1;
    }
    tuv::garderPiloteGLJusquALaFin();
    if (!lireEnvironnementAutomatique(*jeu)) {
        delete jeu;
        return 1;
    }
    if (jeu->mode != 2)
        jeu->chargerSons();
    jeu->boucle();

    delete jeu;
    CSFMLJeuChoix::libererSelecteurs();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--dev") == 0) {
            CSFMLJeuGlobal::bModeTest = true;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << AIDE;
            return 0;
        } else {
            std::cerr << "jeu: unknown argument \"" << argv[i] << "\" (jeu --help lists them)\n";
            return 2;
        }
    }
    if (!ecranDisponible()) {
        std::cerr << "jeu: no display to open the window on (DISPLAY is not set or cannot be reached)\n";
        return 1;
    }
    // Before the game makes its first sound object (the menus' musics).
    sortieSon::choisir();
    sortieSon::TenuePeripherique peripherique;
    const int statut = jouer();
    // Everything the game writes is written and its window is gone: only the device is left.
    peripherique.fermer(statut);
    return statut;
}
