#pragma once
// The menu object: the game's front end and keeper of progression. It holds the menu on
// screen (lines read from a ".mnu" file), the fonts and images of the menu screens, the
// players, language, progression, scores and level lists, the door transition and the
// killcam replay, and switches the game between its menu world and its game world.
// Every file it reads or writes goes through its CTUVFile base, one at a time.
#include "anim/Sprite3.h"
#include "core/SpriteSimple.h"
#include "core/TuvFile.h"
#include "menus/MenuTypes.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Window/Event.hpp>

#include <deque>
#include <memory>
#include <string>
#include <vector>

class CDecor;
class CInventaire;
class CScriptEngine;
class CVue;
namespace sf { class RenderWindow; }

class CJeuMenus : public CTUVFile {
public:
    // Loads the fonts, icons, animations and the state files; does not open a menu.
    CJeuMenus();
    ~CJeuMenus() override;

    // World switches --------------------------------------------------------------------
    // true: the game world becomes the active one; false: the menu world.
    void selectionnerDecor(bool decorJeu);
    void selectionnerDecorMenu();

    // Menus ------------------------------------------------------------------------------
    // Replaces the menu on screen by the file dossier + langue + fichier.
    void chargerMenu(const std::string& dossier, const std::string& fichier);
    // Sets up menu `id` after its file was read.
    void entrerMenu(int id);
    // Reads the file of menu `id` and enters it.
    void ouvrirMenu(int id);

    // Drawing ----------------------------------------------------------------------------
    // One frame of the menu screen, or of the killcam replay while it runs.
    void afficher(sf::RenderWindow* fenetre);
    void afficherMenu(sf::RenderWindow* fenetre);
    // Draws the next frame of the killcam replay; clears bRevoirKillcam after the last.
    void revoirKillcam(sf::RenderWindow* fenetre);
    // The level-title banner of the loading screen (a later step of the menus draws it).
    void afficherTitreNiveau(sf::RenderWindow& fenetre) {}

    // Input ------------------------------------------------------------------------------
    // One frame of menu input, movement and action.
    void gererMenu();
    // Window events that the GUI did not take, queued by the game for the next gererMenu.
    void recevoirEvenement(const sf::Event& e) { evenements.push_back(e); }
    void viderEvenements() { evenements.clear(); }

    // State files (each returns false when the file could not be read or written) -------
    bool lireLangue(const std::string& fichier);
    bool ecrireLangue(const std::string& fichier);
    bool lireJoueurs(const std::string& fichier);
    bool ecrireJoueurs(const std::string& fichier);
    bool lireProgression(const std::string& fichier);
    bool ecrireProgression(const std::string& fichier);
    bool lireScores(const std::string& fichier);
    bool ecrireScores(const std::string& fichier);
    bool lireListeNiveaux(const std::string& fichier);
    // Tells the player that a file could not be saved.
    void signalerEchecEcriture(const std::string& fichier);

    // Fields -------------------------------------------------------------------------------
    std::unique_ptr<CInventaire> pInventaire;
    std::wstring nomsPersos[4];
    int decalageOptionsMulti = 2;
    bool bRevoirKillcam = false;
    int indexKillcam = -1;
    std::string langue;  // "fr_" or "en_": prefix of every menu file
    int idMenu = 0;
    int ongletInventaire = 0;
    int indexNiveau = 0;
    static constexpr int NB_POLICES = 10;
    sf::Font polices[NB_POLICES];  // 0 to 2 loaded, 3 to 9 empty
    std::string strEntreeNiveau;
    std::string strFichierNiveau;
    std::string strNiveauCharge;
    int numNiveau = 0;
    int numNiveauCharge = 0;
    int niveauCourant = 0;
    bool bSaisieTerminee = true;
    std::string strNouveauJoueur;
    int premiereLigneJoueur = 0;
    // [0] masks the next release of pad button 0; [1..8] pad buttons 0 to 7 last frame.
    bool boutonsPrecedents[9] = {};
    int fondX = 0, fondY = 0;
    std::unique_ptr<sf::Texture> pTextureFond;
    std::unique_ptr<sf::Sprite> pSpriteFond;
    std::string strFondNiv;
    std::unique_ptr<sf::Texture> pTextureCurseur;
    std::unique_ptr<sf::Sprite> pSpriteCurseur;
    CSPRITE_SIMPLE spriteEtoile, spriteEtoileVide, spriteMort, spriteBouclier, spriteTemps;
    CSPRITE_SIMPLE spritePortes, spriteBarreProgression, spriteMulti;
    CSPRITE3 animsVictoire[8];  // 2h: hero h for player 1, 2h + 1 for player 2
    CSPRITE_SIMPLE spriteFilm;
    CSPRITE_SIMPLE vignettes[4];
    bool bFermeturePortes = false;
    bool bOuverturePortes = false;
    bool bPortesFermees = false;
    int portesX = -640, portesY = 0;
    std::vector<std::unique_ptr<ScoreNiveau>> scores;
    std::vector<std::string> listeNiveaux;
    std::vector<std::string> nomsNiveaux;
    std::vector<int> numerosNiveaux;
    std::vector<std::string> joueurs;  // UTF-8 names
    int joueurActif = 0;
    int menuRetour = 0;
    int gagnant = 0;
    std::vector<std::unique_ptr<LigneMenu>> lignes;
    int nbLignes = 0;  // lines shown and reachable (the last may be hidden)
    int ligneActive = -1;
    sf::Color couleurLigneActive = sf::Color(255, 255, 255, 255);
    // Remembered active line of menus 400, 340, 330, 320 and 1, in this order.
    int lignesMemorisees[5] = {-1, -1, -1, -1, -1};
    bool bCurseur = true;
    int compteurRepetition = 0;
    int compteurRepetitionMulti = 0;
    // The input that the last gererMenu read; rebuilt from nothing each frame, kept only
    // so that tests can see it.
    EntreesMenu entreesDerniereImage;

private:
    bool ecrireLignes(const std::string& fichier, const std::vector<std::string>& lignesFichier);
    // Makes one world active with its camera and script engine; the other one is silenced.
    void activerMonde(CDecor* monde, CVue* vue, CScriptEngine* scripts, CDecor* autre, bool infosVie);

    // Menu files
    void lireFond();
    void lireFondNiv();
    void lireCurseur();
    void lireLigne(bool choixNiveau);
    std::unique_ptr<sf::Text> lireTexte(const std::wstring& texte, sf::Color& couleur);
    std::string valeurLigne();
    int entierLigne();

    // Input
    void lireManette(EntreesMenu& e);
    void traiterEvenements(EntreesMenu& e, bool bloque);
    void touche(const sf::Event::KeyEvent& k, EntreesMenu& e);
    void saisirCaractere(sf::Uint32 c);
    void redimensionner(unsigned largeur, unsigned hauteur);
    void basculerEditeur();
    bool saisieEnCours() const;
    void deplacerVerticalement(const EntreesMenu& e);
    void deplacerDansGrille(const EntreesMenu& e);
    void memoriserLigne(const EntreesMenu& e);
    void ajouterLignesJoueurs(bool changerJoueur);
    void bornerLigneActive();
    int* ligneMemorisee(int id);

    // The action table of the current menu, at the end of gererMenu.
    void actionMenu(const EntreesMenu& e);
    void fermerFenetre();

    std::deque<sf::Event> evenements;
};
