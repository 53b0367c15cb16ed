#pragma once
// Process-wide state shared by every subsystem. The pointees are owned elsewhere
// (the game object, main); core only declares them.
#include <SFML/System/Mutex.hpp>

class CSFMLJeu;
class CSFMLJeuChoixDec;
class CSFMLJeuChoixPer;
namespace sf { class RenderTexture; }

class CSFMLJeuGlobal {
public:
    static CSFMLJeu* pmonjeu;
    // Recursive in SFML 2: a loader may hold it around image-bank calls that lock it again.
    static sf::Mutex mutex;
    static sf::RenderTexture* prenderTexture;
    static bool bChargement;
    // The development switch ("--dev"): editor, cheats and diagnostics.
    static bool bModeTest;
    static CSFMLJeuChoixDec* pChoixDec;
    static CSFMLJeuChoixPer* pChoixPer;
};
