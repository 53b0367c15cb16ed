#pragma once
// A level world: what the game shell owns and reads of it so far. The level
// subsystem fills in its loading, update and drawing.
#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Color.hpp>

#include <list>
#include <string>

class CPerso;
namespace sf { class RenderWindow; }

class CDecor {
public:
    CDecor();
    ~CDecor();
    CDecor(const CDecor&) = delete;
    CDecor& operator=(const CDecor&) = delete;

    // Loads a ".niv" level into this world; always 0.
    int chargerNiveau(const std::string& fichier, int numero);
    // The level's once-per-frame update and drawing into the scene render texture.
    void dessiner(sf::RenderWindow* fenetre);

    // Characters (owned).
    std::list<CPerso*> persos;
    std::list<CPerso*> ias;

    // Musics; the game's music volume applies to all five.
    bool bMusiquesStreamees = true;
    sf::Music musique;
    sf::Music musiqueAmbiance;
    sf::Music musiqueFin;
    sf::SoundBuffer bufferMusique, bufferMusiqueAmbiance;
    sf::Sound sonMusique, sonMusiqueAmbiance;
    std::string cheminMusique, cheminMusiqueAmbiance;

    bool bCouleurFond = true;
    sf::Color couleurFond = sf::Color(0, 0, 64, 128);
    float scalePersosX = 1.0f, scalePersosY = 1.0f;
    int chrono = 0;
    int chronoRef = 0;
    bool niveauFini = false;
    int tailleJeuX = 0, tailleJeuY = 0;
    int zone[4] = {100, 100, 500, 500};  // characters' zone: left, top, right, bottom ("ZONE")
    bool bCarte = false;                  // the level has a map ("CARTE")
    std::wstring nomNiveau;
    int numNiveau = 0;
    int compteurPersoTouche = 0;
    // Colour filter held by a player's power.
    bool bFiltre = false;
};
