#pragma once
// The records of the menu object: a line of a menu, the score of a level, the input of one
// menu frame, and the menu ids with their files.
#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <memory>
#include <string>

// One line of a menu: read from a ".mnu" file, or a player line added on entering the
// player menus. Positions already hold the menu's background offset.
struct LigneMenu {
    int x = 0;
    int y = 0;
    std::unique_ptr<sf::Texture> pTexture;  // the line's image, null without one
    std::unique_ptr<sf::Sprite> pSprite;    // shows pTexture
    bool bSelectionnable = false;
    std::unique_ptr<sf::Text> pTexte1;
    std::unique_ptr<sf::Text> pTexte2;
    sf::Color couleur;  // the first text's colour; opaque black without text
};

// A best time of this value or more means the level has none yet.
constexpr int SANS_MEILLEUR_TEMPS = 999;

// Best result of one level, by index in the level list being played.
struct ScoreNiveau {
    bool bDebloque = false;
    int meilleurTemps = 0;  // smaller is better
    std::string strJoueur;  // UTF-8
    int etoiles = 0;        // 0 to 3
    bool bBouclier = false;
};

// What the player asked of the menu in one frame; rebuilt every frame.
struct EntreesMenu {
    bool bValider = false;  // pad button 0 released, A or Return pressed
    bool bRetour = false;   // pad button 1 released, B or Escape pressed
    // Pad buttons 2 to 7 released; the keys X, Y, LShift and RShift stand for buttons 2 to 5.
    bool bRelache2 = false, bRelache3 = false, bRelache4 = false;
    bool bRelache5 = false, bRelache6 = false, bRelache7 = false;
    bool bGauche = false, bDroite = false, bHaut = false, bBas = false;
    bool bToucheFrappee = false;  // a key-press event arrived
    // Presses of the up and down arrows this frame, counted from the events: a key pressed
    // and released between two frames is no longer held when the frame reads the keys.
    int appuisHaut = 0, appuisBas = 0;
};

// Menu ids: the number in each menu's file name, which the actions test.
namespace IdMenu {
constexpr int LANGUE = 0;
constexpr int PRINCIPAL = 1;
constexpr int PAUSE = 6;
constexpr int PAUSE_AVENTURE = 60;
constexpr int OPTIONS = 7;
constexpr int INVENTAIRE = 10;
constexpr int VICTOIRE = 20;
constexpr int ECHEC = 21;
constexpr int ECHEC_AVENTURE = 210;
constexpr int NOUVEAU_JOUEUR = 30;
constexpr int CHANGER_JOUEUR = 33;
constexpr int AIDE = 100;
constexpr int CHOIX_AVENTURE = 320;
constexpr int CHOIX_CHRONO = 330;
constexpr int CHOIX_MULTI = 340;
constexpr int OPTIONS_MULTI = 400;
constexpr int INTERNET = 401;
constexpr int VICTOIRE_MANCHE = 410;
constexpr int VICTOIRE_PARTIE = 420;
constexpr int EXAEQUO_MANCHE = 430;
constexpr int ATTENTE = 1000;

// The file of a menu under "./menus/", without the language prefix; "" for an unknown id.
const char* fichier(int id);
} // namespace IdMenu

// a + b held within the int range: positions read from files may be any int.
inline int sommeBornee(int a, long long b)
{
    const long long s = a + b;
    return s > 2147483647LL ? 2147483647 : s < -2147483648LL ? -2147483647 - 1 : static_cast<int>(s);
}
