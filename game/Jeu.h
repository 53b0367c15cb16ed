#pragma once
// The game object: owns the window, the two level worlds with their cameras and script
// engines, the player's character, weapons, AI, explosions, menus, HUD, toolbar, the named
// sounds and the global animations. One instance, reached as CSFMLJeuGlobal::pmonjeu.
// It is a dialog so that it receives message-box answers, and reads "jeu.ini" as a CTUVFile.
#include "core/RefPerso.h"
#include "core/Commandes.h"
#include "core/Globals.h"
#include "core/TuvFile.h"
#include "game/RegleFramerate.h"
#include "game/VoixSons.h"
#include "gui/CPLUXDialog.h"

#include <SFML/Audio.hpp>
#include <SFML/Graphics.hpp>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CArmes;
class CDecor;
class CDEC;
class CExplosions;
class CFinNiveau;
class CIABehaviours;
class CJeuMenus;
class COptionsMulti;
class CPerso;
class CScriptEngine;
class CShaderManager;
class CSPRITE;
class CSPRITE3;
class CSPRITE_SIMPLE;
class CSFMLJeuBarreOutils;
class CSFMLJeuHUD;
class CVue;
class CPLUX;
class SourceEntrees;

class CSFMLJeu : public CPLUXDialog, public CTUVFile {
public:
    CSFMLJeu();
    ~CSFMLJeu() override;

    // Builds the game and reads the configuration (normally "jeu.ini"). Returns 0, or -1
    // when the file gave no "VIEWPORT" (then there is no window).
    int init(const std::string& fichier);
    // One of init's two passes over the configuration: the first makes the window (unless
    // there is one) and the over-images, the second reads every other key.
    void lireConfiguration(const std::string& fichier, bool premierePasse);
    // Runs frames until the window closes.
    void boucle();
    // One frame of the main loop; false once the window is closed.
    bool etape();

    // Named sounds ------------------------------------------------------------------------
    void chargerSons(const std::string& fichier = "sons.ini");
    void jouerSon(const std::string& nom);
    // Hears every name played (tests set it), also the names nobody registered.
    std::function<void(const std::string&)> espionSons;
    void arreterSon(const std::string& nom);
    void arreterSons();
    void bouclerSon(const std::string& nom, bool boucle);
    // 0 stopped, 1 paused, 2 playing; 0 when absent.
    int sonEnCours(const std::string& nom);
    void appliquerVolumes();
    bool attacherSon(const std::string& nom, CSPRITE* sd);

    // Global animations and over-images --------------------------------------------------
    void chargerAnimsGlobales(const std::string& fichier);
    CSPRITE3* getAnimGlobale(const std::string& nom);
    void animerOvers();
    // The texture of a key, read from `chemin` the first time; null when it does not load.
    sf::Texture* textureEnCache(const std::string& cle, const std::string& chemin);
    // The game's sprite definition of that name (definitionsSprites), read from `fichier` the
    // first time; null when it does not load (said once on standard error).
    CDEC* definitionSprite(const std::string& nom, const std::string& fichier);

    // Services to the level, characters and scripts ---------------------------------------
    void afficherMessage(const std::wstring& texte, int dureeFrames);
    void secouerCamera(int duree, int amplitude);
    void menuPause();
    void ajouterPersoMort(CPerso* perso);
    void chargerPersoIA(const std::string& per, bool ia);
    void placerTexte(const std::wstring& texte, float x, float y, sf::Text* pTexte);
    void dessinerTexteIcone(sf::RenderWindow& cible, sf::Text* pTexte);
    void dessinerIconesJoueurs(sf::RenderWindow& cible);

    // Input -------------------------------------------------------------------------------
    // The frame's one poll of the input source: each event goes to the GUI first, then to
    // the game's keys; in menu mode what the GUI left is queued for the menus.
    void traiterEvenementsFenetre();
    // Key state as the input source reports it.
    bool toucheEnfoncee(sf::Keyboard::Key touche) const;
    void evenements(int joueur, bool depuisIA, bool sonder);
    void touchesJeu(sf::Keyboard::Key touche);
    void touchesEditeur(sf::Keyboard::Key touche);
    // The command step of a player (0 or 1) for this frame, after its input: the player's
    // character obeys its record while the level runs; while it does not, every character of
    // the level is stopped (on player 0's step).
    void commandesJoueur(int joueur);
    // The computer drives the second player this frame ("IA_JOUEUR2" in a two-player game).
    bool pilotee() const;
    void resetManette(int joueur);

    // Screenshots, killcam, error report ----------------------------------------------------
    // Writes the window into "capture_<date>.png"; the name written, "" on failure.
    std::string capturerEcran();
    // The window's last frame saved under that name; false when it could not be written.
    bool capturerEcranSous(const std::string& fichier);
    // Seconds of the game's clock: real time, or the frames counted in replay mode.
    double secondesJeu() const;
    // Replays the input file (JEU_REJOUER) instead of the window's; false when it cannot be read.
    bool rejouer(const std::string& fichier);
    // Writes the killcam ring, oldest first, into "./killcam/"; false when a frame could
    // not be written.
    bool sauverKillcam();
    // F8: captures the screen and asks for a description.
    void demanderRapport();
    // Writes "rapport_erreur_<date>.txt" and its screenshot; the report's name, "" on failure.
    std::string ecrireRapport(const std::wstring& description);
    void onMBClose(int handle, std::string id, bool answer1, bool answer2, bool answer3,
                   std::string text) override;
    // Tells the user that a save did not happen, for the saves whose feature has no
    // message box of its own: on standard error.
    static void signalerEchec(const std::string& message);

    // GUI set-up ----------------------------------------------------------------------------
    void initPLUX();
    // Deletes the declared dialogs the GUI set-up had the library make (it never frees them).
    void libererDialogues();
    // What a sprite tells the dialog it reports to (CSPRITE3::pDialogue, a CPLUXDialog*): the
    // dialog hears it as a user event without control, while it lives.
    static void notifierDialogue(void* dialogue, const std::string& evenement);

    // Window, views, rendering ----------------------------------------------------------------
    // Copies the scene into the window, through the running screen effects' shaders.
    void afficherScene(const sf::RenderTexture& scene);
    // Counts the screen effects' lives down by a frame; a slot whose life ends is emptied.
    void decompterEffetsEcran();
    sf::RenderWindow* fenetre = nullptr;
    int largeurVue = 0, hauteurVue = 0;
    CVue* pvue = nullptr;
    CVue* pvueMenu = nullptr;
    CVue* pvueJeu = nullptr;
    sf::RenderTexture* pRenderTextureOmbre = nullptr;
    sf::Font police;
    sf::Text texte;
    sf::Text texteStatut;
    sf::Text texteFPS;
    CSPRITE* effetsEcran[2] = {nullptr, nullptr};
    sf::Shader* shaderEcran = nullptr;  // the screen effect's shader of the frame, not owned
    // The result of slot 0's pass while both screen effects run; made once.
    std::unique_ptr<sf::RenderTexture> sceneIntermediaire;
    CShaderManager* pShaderManager = nullptr;
    std::map<std::string, sf::Shader*> shaders;
    bool bUseShader = false;
    // The killcam ring: frames kept at half the window's size, oldest after killcamPosition.
    std::vector<sf::Texture> killcamImages;
    int killcamTaille = 0;
    int killcamPosition = 0;
    // "KILLCAM": length of the ring in frames at 30 per second, 0 (off) to 90.
    int optionKillcam = 0;
    sf::Clock horloge;
    // Replay mode (JEU_REJOUER): every frame counts exactly 1 / FRAMERATE seconds of game
    // time and the loop does not wait, so that a run is reproducible and fast.
    bool bRejeu = false;

    // Time and modes ------------------------------------------------------------------------
    int mode = 0;
    int typeJeu = 0;
    float framerateCoeff = 1.0f;
    long compteurImages = 0;
    CRegleFramerate regleFramerate;
    bool bFocusJeu = true;
    // Stops the loop after that many frames (0: never); set by main for automated runs.
    long nbImagesMax = 0;
    // Keys pressed by the program itself at a given frame, for automated runs.
    std::map<long, sf::Keyboard::Key> touchesProgrammees;
    // Where events and key states come from: the window unless a test or a replay set another.
    std::unique_ptr<SourceEntrees> pSourceEntrees;
    // The end of the level being played and the pause after it.
    std::unique_ptr<CFinNiveau> pFinNiveau;

    // Worlds, engines and owned lists --------------------------------------------------------
    CDecor* pdecor = nullptr;
    CDecor* pdecorMenu = nullptr;
    CDecor* pdecorJeu = nullptr;
    CScriptEngine* pscriptEngine = nullptr;
    CScriptEngine*& pScriptEngine = pscriptEngine;
    CScriptEngine* pscriptEngineMenu = nullptr;
    CScriptEngine* pscriptEngineJeu = nullptr;
    CArmes* parmes = nullptr;
    CExplosions* pExplosions = nullptr;
    CIABehaviours* pIABehaviours = nullptr;
    COptionsMulti* pOptionsMulti = nullptr;
    CJeuMenus* pMenus = nullptr;
    CSFMLJeuHUD* pHUD = nullptr;
    bool bHUDVisible = true;
    CSFMLJeuBarreOutils* pBarreOutils = nullptr;
    CPLUX* pPLUX = nullptr;
    // Checked references: they read null once their character is freed.
    RefPerso pPerso;  // the player, followed by the camera
    CPerso* pPersoDefaut = nullptr;
    std::vector<CPerso*> persosPrecharges;
    std::vector<CPerso*> iasPrechargees;
    std::vector<CPerso*> persosMorts;
    RefPerso pPersoSelection;  // the editor's selected AI
    RefPerso pPersoModele;     // the model of the editor's placement
    CSPRITE3* pAnimFeu = nullptr;
    CSPRITE3* pAnimLapin = nullptr;
    std::map<std::string, CSPRITE3*> animsGlobales;
    std::vector<CSPRITE3*> animsGlobalesRetirees;
    std::map<std::string, CDEC*> definitionsSprites;  // owned; null: the file did not load
    std::map<std::string, sf::Texture*> texturesCache;
    std::map<std::string, CSPRITE_SIMPLE*> overs;
    std::map<std::string, sf::Texture*> imagesInfo;
    std::map<std::string, sf::Texture*> iconesBoutons;
    // Status icons over a character: inverted controls, no jump (null when their file is missing).
    CSPRITE_SIMPLE* iconeInverse = nullptr;
    CSPRITE_SIMPLE* iconeSansSaut = nullptr;

    // Sounds ---------------------------------------------------------------------------------
    // The loaded sounds by name; the voices of voixSons play them.
    std::map<std::string, sf::SoundBuffer> buffersSons;
    CVoixSons voixSons;
    float volumeEffets = 100.0f;
    float volumeMusique = 100.0f;
    bool bSonMenu = true;

    // Input records ----------------------------------------------------------------------------
    CommandesJoueur commandes[4] = {};
    ManetteJoueur manettes[4];
    int manetteJoueur1 = 0, manetteJoueur2 = 1;
    bool bXInput = false;
    bool bIAJoueur2 = false;
    bool bShiftD = false, bCtrlD = false, bShiftG = false, bCtrlG = false;
    bool bControleJoueurs = false;
    bool bZoomEntree = false;
    int paralysie[4] = {0, 0, 0, 0};
    int chargementArmesJoueur1 = 0, chargementArmesJoueur2 = 0;

    // Game rules and results -------------------------------------------------------------------
    bool bJoue = false;
    bool bIA = true;
    bool bPersoIAdcd = false;
    bool bGoChrono = false;
    int compteurPexlon = 0;
    int nbEtoiles = 0;
    bool bSansFaute = false;
    bool bNouveauRecord = false;
    int tempsNiveau = 0;
    int compteurMultiPause = 0;
    int nbJoueursMultiDcd = 0;
    int compteurFinJeu = 0;
    int manchesGagnees[4] = {0, 0, 0, 0};
    // The end-of-round screen animates the eliminated players' icons (its back toggles it).
    bool bAnimerIconesJoueurs = false;
    // The last player character that left the level through IAEXIT: the winner of a won level.
    RefPerso pPersoSorti;
    // Reset by level start and load; no rule reads them yet: the hit rule's per-player table,
    // the two per-level counters and the game counter.
    int tableCoups[4] = {0, 0, 0, 0};
    int compteursNiveau[2] = {0, 0};
    int compteurJeu = 0;
    unsigned char bFiltrePouvoir = 0;
    std::string fichierJeu;
    double execTemps = 0;
    int vuemode_save = -1;
    bool bFreeTextureMem = false;
    bool bNeverFreeTextures = false;
    bool bFreeIasMemory = false;

    // Options ------------------------------------------------------------------------------------
    bool bParticules = true;
    bool bUseParticulesArmes = false;
    // 1: a weapon fountain may offer that weapon; the multiplayer options edit the same nine.
    int armesFontaine[9] = {1, 1, 1, 1, 1, 1, 1, 1, 1};
    bool bVieInfinie = false;
    bool bTirInfini = false;

    // Editor state ---------------------------------------------------------------------------------
    bool bModeFantome = false;
    bool bSizeX = false, bSizeY = false;
    bool bLocksSelect = false;
    bool bScriptsActifs = true;
    bool bAfficheIAs = true;
    bool bAfficherZonesScripts = true;
    bool bAfficheHitboxes = false;
    bool bAfficheGrille = false;
    bool bModePerso = false;
    bool bCarteJeu = true;

    // On-screen message of afficherMessage.
    sf::Text texteMessage;
    int compteurMessage = 0;

private:
    void creerObjets();
    void chargerAnimsIntegrees();
    void chargerOver(const std::string& nom, const std::string& fichierDec);
    void chargerImageInfo(const std::string& nom, const std::string& fichier);
    void lireRessourceMessages(const std::string& cle);
    void detruireRessources();
    void lireCle(const std::string& cle, bool premierePasse);
    void creerFenetre(int largeur, int hauteur);
    void appliquerFramerate();
    void chargerPolice();
    void installerServices();

    void toucheAppuyee(sf::Keyboard::Key touche);
    void molette(float delta);
    void imageMenu();
    void imageNiveau();
    void preparerShaderEcran(sf::Shader& shader, const CSPRITE& sd);
    void majGUI(bool editeur);
    void finImage();
    void entreesJoueurs();
    void capturerKillcam();
    void decompterChrono();
    // The end of a level or round (game/FinNiveau.cpp).
    void finNiveau();
    // Player 1's pause and inventory commands, in game mode.
    void commandesMenus();
    void lireClavier(int joueur, CommandesJoueur& c);
    void lireManette(int joueur, CommandesJoueur& c);

    // Values of "jeu.ini" applied once both passes are read.
    std::string fichierEditeur;
    int configFramerate = 30;
    bool configVsync = false;
    bool configAutoFramerate = false;

    // Frames since the chrono last lost a second.
    int imagesChrono = 0;
    // Escape and Tab as last seen in game mode; held while the menus run, so that a key
    // still down on the return to the game does not open its menu again.
    bool bPausePrecedente = true;
    bool bInventairePrecedent = true;

    // Scratch of the killcam capture: the window, then the window at half size.
    sf::Texture killcamFenetre;
    std::unique_ptr<sf::RenderTexture> killcamReduction;

    bool bCaptureDemandee = false;
    bool bRapportDemande = false;
    sf::Image imageRapport;
    int idRapport = -1;
};
