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
#include "menus/NomsListes.h"

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

    // Drawing (JeuMenusDessin.cpp, JeuMenusExtras.cpp) ----------------------------------------
    // One frame of the menu screen, or of the killcam replay while it runs.
    void afficher(sf::RenderWindow* fenetre);
    // The live level behind the menu, the scene, the doors, the background, the cursor and
    // each line after the extras its menu draws for it.
    void afficherMenu(sf::RenderWindow* fenetre);
    // Draws the next frame of the killcam replay; clears bRevoirKillcam after the last.
    void revoirKillcam(sf::RenderWindow* fenetre);
    // Every text the menu object draws goes through here: drawn through the game's
    // dessinerTexteIcone (a "~" becomes a pad button; for a keyboard player "~A" reads
    // "[A]", the key of the same letter) and recorded, as drawn, while a log is set. A
    // null window draws nothing but still records.
    void dessinerTexte(sf::RenderWindow* fenetre, sf::Text& texte);
    static sf::String touchesClavier(const sf::String& texte);
    struct TexteDessine {
        std::wstring chaine;
        sf::Vector2f position;
        unsigned taille = 0;
        sf::Color couleur;
        sf::FloatRect bornes;  // what was drawn, pad pictures included
    };
    std::vector<TexteDessine>* journalTextes = nullptr;

    // Doors and banner (JeuMenusPortes.cpp); a null window draws nothing, the doors still move.
    // One frame of the opening, over a game frame.
    void ouvrirPortes(sf::RenderWindow* fenetre);
    // One frame of the closing, with the banner.
    void fermerPortes(sf::RenderWindow* fenetre);
    // The closed doors, the banner and the active world's one-shot effects.
    void portesFermees(sf::RenderWindow* fenetre);
    void afficherTitreNiveau(sf::RenderWindow* fenetre);
    // The banner's text: the current level's name, else "Editeur" in the editor, else the
    // end of the demo.
    sf::String titreNiveau() const;
    // The name (UTF-8) the level lists give the level the running world holds, however it
    // was loaded; empty for a level no list holds, and past the list's last level won (the
    // demo is over).
    std::string nomNiveauJoue() const;
    // Headline, victory animations, rounds and lost clones of menus 410, 420 and 430
    // (JeuMenusFinPartie.cpp).
    void messageFinPartie(sf::RenderWindow* fenetre);

    // Input ------------------------------------------------------------------------------
    // One frame of menu input, movement and action.
    void gererMenu();
    // Window events that the GUI did not take, queued by the game for the next gererMenu.
    void recevoirEvenement(const sf::Event& e) { evenements.push_back(e); }
    void viderEvenements() { evenements.clear(); }

    // Handlers of menus 210 and 60 and of the multiplayer options menu 400, given the
    // frame's input.
    void gererMenuEchecAventure(bool bValider, bool bRetour);
    void gererMenuPauseAventure(bool bValider, bool bRetour, bool bRelache7, bool bDroite, bool bGauche,
                                bool bToucheFrappee);
    void lancerPartieMulti(bool bValider, bool bRetour, bool bRelache2, bool bDroite, bool bGauche,
                           bool bToucheFrappee);
    // Entry i of the level list can be started: it exists, its record is unlocked and its
    // level file is there.
    bool niveauChoisissable(int i) const;
    // The level file of entry i of the list ("" outside it).
    std::string fichierNiveauListe(int i) const;

    // The language prefix of the menu files ("fr_" or "en_"), which the inventory follows.
    void changerLangue(const std::string& prefixe);

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
    // The scores of the list of a level-choice menu (320, 330 or 340), then a record for
    // every entry that has none: unlocked for the first entry and for the whole
    // two-player list, locked otherwise, without a best time.
    void lireScoresListe(int id);
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
    // The level folder ("./niveaux/" and a folder) and path that CHARGERNIV asked for last.
    std::string strDossierNiveau;
    std::string strCheminNiveau;
    int numNiveau = 0;
    int numNiveauCharge = 0;
    int niveauCourant = 0;
    bool bSaisieTerminee = true;
    std::string strNouveauJoueur;
    int premiereLigneJoueur = 0;
    // [0] masks the next release of pad button 0; [1..8] pad buttons 0 to 7 last frame.
    bool boutonsPrecedents[9] = {};
    // Frames left during which the menu takes no key or button (set as a round's or a game's
    // end opens), and the pad buttons (bit b for button b) down during them: their release is
    // not the menu's. A key held through them sends no new press until it is struck again.
    int imagesSourdes = 0;
    unsigned boutonsMasques = 0;
    int fondX = 0, fondY = 0;
    std::unique_ptr<sf::Texture> pTextureFond;
    std::unique_ptr<sf::Sprite> pSpriteFond;
    std::string strFondNiv;
    bool bFondNiv = false;  // the current menu has a live level behind it ("FONDNIV")
    // The level played lives in the menu world: the editor, entered from a menu, plays it
    // there. A pause or an end panel then resumes and restarts that world, not the game's.
    // Set by the switch to the editor, cleared when the game world is chosen or a menu loads
    // its live level over it.
    bool bJeuMondeMenu = false;
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
    std::string fichierScores;  // the file `scores` came from, which the score rule writes
    std::vector<std::string> listeNiveaux;
    std::vector<std::string> nomsNiveaux;
    mutable NomsListes nomsListes;
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
    // The player last used the keyboard (or has no pad): the hints name keys, not pad buttons.
    bool bClavierUtilise = true;
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

    // The action table of the current menu, at the end of gererMenu (JeuMenusActions.cpp):
    // one function per menu, the first row that applies acts.
    void actionMenu(const EntreesMenu& e);
    void fermerFenetre();
    void actionLangue(const EntreesMenu& e);
    void actionPrincipal(const EntreesMenu& e);
    void actionOptions(const EntreesMenu& e);
    void actionAide(const EntreesMenu& e);
    void actionInternet(const EntreesMenu& e);
    void actionNouveauJoueur(const EntreesMenu& e);
    void actionChangerJoueur(const EntreesMenu& e);
    void actionChoixNiveau(const EntreesMenu& e);
    void actionAttente(const EntreesMenu& e);
    void actionPause(const EntreesMenu& e);
    void actionPauseAventure(const EntreesMenu& e);
    void actionVictoire(const EntreesMenu& e);
    void actionEchec(const EntreesMenu& e);
    void actionEchecAventure(const EntreesMenu& e);
    void actionFinManche(const EntreesMenu& e);
    void actionFinPartie(const EntreesMenu& e);
    void actionOptionsMulti(const EntreesMenu& e);
    void actionInventaire(const EntreesMenu& e);
    // Shared steps of the actions.
    void reprendre();
    void recommencer(int numero);
    // The world whose level is played: the game world, or the menu world (bJeuMondeMenu).
    CDecor* mondeJoue() const;
    void choisirNiveauSelonType();
    void changerJoueurDepuis(int menu);
    bool pasVolume(bool effets, bool droite, bool gauche);
    void lancerNiveauListe(int i, bool choix);
    void mancheSuivante();
    void revoirSiPossible();
    void ecrireJoueursOuSignaler();
    void effacerJoueur(int e);
    void deplacerSelectionInventaire(bool haut);

    // Multiplayer options and round start (JeuMenusManche.cpp).
    void changerOptionMulti(int ligne, int pas);
    void bornerOptionsMulti(int pas);
    void regleArmesMulti();
    void demarrerManche();
    std::vector<sf::Vector2i> pointsDepart() const;
    void creerClones(int joueur, sf::Vector2i depart, int arme);

    // Drawing (JeuMenusDessin.cpp, JeuMenusExtras.cpp).
    void dessinerNiveauVivant(sf::RenderWindow* fenetre);
    void dessinerScene(sf::RenderWindow* fenetre);
    void dessinerLigne(sf::RenderWindow* fenetre, int i);
    void dessinerExtras(sf::RenderWindow* fenetre, int i);
    void extraJoueurActif(sf::RenderWindow* fenetre);
    void extraVolumes(sf::RenderWindow* fenetre);
    void extraInventaire(sf::RenderWindow* fenetre);
    void extraVictoire(sf::RenderWindow* fenetre);
    void extraNouveauJoueur(sf::RenderWindow* fenetre);
    void extraChoixNiveau(sf::RenderWindow* fenetre, int i);
    void extraOptionsMulti(sf::RenderWindow* fenetre, int i);
    void extraPortraits(sf::RenderWindow* fenetre, int y, int choix, sf::Color cadre);
    void extraCases(sf::RenderWindow* fenetre, int y, int nb, const bool* actives, int curseur);
    void extraChapeau(sf::RenderWindow* fenetre, int y, int chapeau);
    void dessinerPortes(sf::RenderWindow* fenetre, int x);
    // A text in the first font, drawn through dessinerTexte; one wider than `largeurMax` (when
    // given) is drawn smaller to fit it.
    void texte(sf::RenderWindow* fenetre, const sf::String& chaine, float x, float y, unsigned taille,
               sf::Color couleur, float largeurMax = 0);

    std::deque<sf::Event> evenements;
};
