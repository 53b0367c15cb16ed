#pragma once
// The weapon list of "./personnages/armes.arm" and the shots in flight. One list, made and
// loaded by the game at start; a weapon is addressed everywhere by its index in it.
#include "characters/FichierValeurs.h"
#include "core/RefPerso.h"

#include <SFML/Graphics/Color.hpp>

#include <list>
#include <memory>
#include <string>
#include <vector>

class CDEC;
class CParticules;
class CPerso;
class CSPRITE;
namespace sf { class RenderTarget; }

// One weapon (one "ARME" line and the keys after it). Its images, banks and emitters
// belong to it.
class CArme {
public:
    CArme();
    ~CArme();
    CArme(const CArme&) = delete;
    CArme& operator=(const CArme&) = delete;

    std::string nom;         // "ARME 1" ... compared by the rules of shots and deaths
    std::string nomAffiche;    // shown by the HUD beside the damage
    std::string nomAfficheEn;  // the same in English ("NOM_EN"); empty: nomAffiche
    int dureeRecul = 0, amplitudeRecul = 0;  // camera shake at each shot
    std::string son;
    float vitesse = 0;  // pixels per frame
    int degats = 0;
    int munitions = 0;  // a full load
    int portee = 0;     // pixels
    // The shot, the muzzle flash, the impact on the decor, the impact on a character: each
    // sprite is bound to its own bank.
    std::unique_ptr<CSPRITE> pSpriteTir, pSpriteCanon, pSpriteImpactMur, pSpriteImpactPerso;
    std::unique_ptr<CDEC> pDecTir, pDecCanon, pDecImpactMur, pDecImpactPerso;
    std::unique_ptr<CParticules> pParticulesTir, pParticulesTir2;  // may be null
    sf::Color couleur = sf::Color::White;
    int cadenceTir = 10;

    // The name shown to a player of that language.
    const std::string& nomPour(bool anglais) const
    {
        return anglais && !nomAfficheEn.empty() ? nomAfficheEn : nomAffiche;
    }
};

// How a weapon's shots behave, told by its identifier ("ARME 1" ...); any other identifier
// flies straight.
enum class GenreTir { Normal, Feu, Fusil, Mine, Laser, Rocker, Fleche, Grenade, Eclats, Missile };
GenreTir genreTir(const std::string& nom);

// One shot in flight (Tirs.cpp, TirsImpact.cpp, TirsDessin.cpp).
class CTir {
public:
    // States (etat).
    static constexpr int VOL = 0;           // flying
    static constexpr int CANON = 1;         // muzzle flash
    static constexpr int IMPACT_DECOR = 2;  // impact on the decor
    static constexpr int IMPACT_PERSO = 3;  // impact on a character

    CTir() = default;
    ~CTir();
    CTir(const CTir&) = delete;
    CTir& operator=(const CTir&) = delete;

    int x = 0, y = 0;
    int xDepart = 0, yDepart = 0;
    float vitesse = 0;
    CParticules* pParticules = nullptr;  // owned, may be null
    int direction = 0;  // 0 right, 1 left
    float angle = 0;    // degrees, clockwise from straight up
    int porteeRestante = 0;
    RefPerso pTireur;   // not owned; null once the shooter is freed
    int numArme = 0;
    bool bFini = false;
    int etat = 0;  // 0 flying, 1 muzzle flash, 2 impact on decor, 3 impact on a character
    int frame = 0;
    float accumulateur = 0;
    int nbFrames = 0;
    float vitesseAnim = 0;
    int nbBouclesMax = 1;
    int nbBoucles = 0;
    int minuterie = 0;
    int vibrations = 10, sensVibration = 1;
    bool bDansDecor = false;
    int etatParticules = 0;
    int nbContacts = 0;
    int minuterie2 = 0;

    GenreTir genre = GenreTir::Normal;  // of weapon numArme, fixed when fired
    bool bFragment = false;  // made by an explosion: it never makes fragments itself
    bool bAllume = false;    // a missile has ignited
    // Above 30 frames per second a frame is a part of a 30-per-second frame: the part of one
    // already flown (the range is counted as each begins), and the sub-steps owed.
    float tempsVol = 0;
    float resteSousPas = 0;
};

class CArmes : public CFichierValeurs {
public:
    CArmes() = default;
    ~CArmes() override;

    // Reads the weapon file; 0 in every case. A file that does not open leaves the list
    // as it was (empty at start).
    int charger(const std::string& fichier);
    // Fires a shot of weapon numArme from (x, y); angle -1 asks for the weapon's own. 1, or 0
    // (nothing made) without a shooter, for a weapon number outside the list, or when the list
    // is full.
    int tirer(int numArme, int x, int y, int direction, float angle, bool bSon, CPerso* tireur);
    // Per-frame update of the shots: flight, impacts, fragments.
    void majTirs();
    // Draws every shot into the target (the level's scene) and plays its image; 0.
    int afficherTirs(sf::RenderTarget& cible);
    // Detonates every mine.
    void declencherExplosions();
    // Ends the shots of a character that are still in their muzzle flash (the character is
    // being freed).
    void supprimerTirsDe(CPerso* perso);
    // Frees every shot.
    void viderTirs();
    // The impact test of a shot where it stands: 0 nothing, 1 decor, 2 a character, 4 a
    // player (with head and knee zones), 6 a grenade's bounce.
    int testerImpact(CTir* t);
    // Whether a flying shot is coming at the character from closer than distance.
    bool tirMenace(CPerso* perso, int distance);
    // Whether the shot's 2 x 2 square meets the character's box.
    bool toucheTir(CPerso* perso, CTir* t);
    // Calls of viderTirs, for the tests of the world switches.
    int nbAppelsViderTirs = 0;
    // Calls of declencherExplosions, for the tests of the ends of rounds.
    int nbAppelsDeclencherExplosions = 0;
    // Weapon i, or null when i is not an index of the list.
    const CArme* arme(int i) const;

    std::vector<CArme*> armes;  // file order; owned
    int nbArmes = 0;
    std::list<CTir*> tirs;      // owned
    std::list<CPerso*>::iterator itPerso;  // the impact test's cursor over the level's characters

    // A shot list this long takes no more shots.
    static constexpr std::size_t NB_TIRS_MAX = 4096;
    // Grenades and missiles burst into shots of this weapon.
    static constexpr int ARME_FRAGMENTS = 21;

private:
    // Flight and impacts (Tirs.cpp).
    CTir* creerTir(int numArme, int x, int y, int direction, float angle, bool bSon, CPerso* tireur);
    void voler(CTir& t, const CArme& a, float coeff);
    void piloter(CTir& t, const CArme& a, float coeff);
    bool parcourir(CTir& t, float coeff);
    int sousPas(CTir& t, float coeff);
    void impact(CTir& t, const CArme& a, int resultat);
    void eclater(CTir& t, int nombre);
    void majImpactMur(CTir& t, float coeff);
    // Impact tests (TirsImpact.cpp).
    int testerDecor(CTir& t, const CArme& a);
    int testerPersos(CTir& t, const CArme& a);
    void coupCommun(CPerso& p, CTir& t, const CArme& a);
    void coupJoueur(CPerso& p, CTir& t, const CArme& a);

    void nouvelleArme();
    void lireCle(const std::string& cle);
    void lireSpriteTir(CDEC& banque, CSPRITE& sprite);
    void lireOrigine(CSPRITE& sprite);
    void lireEmetteur(std::unique_ptr<CParticules>& emetteur);
    void viderArmes();

    CArme* courante = nullptr;  // the weapon of the latest ARME line
};

// The game's weapon list, null without a game.
CArmes* armesDuJeu();
