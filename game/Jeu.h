#pragma once
// The game object: owns the window, the two level worlds with their cameras and script
// engines, the player's character, weapons, AI, explosions, menus, HUD, toolbar, the named
// sounds and the global animations. One instance, reached as CSFMLJeuGlobal::pmonjeu.
// It is a dialog so that it receives message-box answers, and reads "jeu.ini" as a CTUVFile.
// What the folders below game/ see of it are its facets (core/EtatJeu.h): their fields live
// there, and it answers their services.
#include "core/Commandes.h"
#include "core/EtatJeu.h"
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

// The world's classes come declared with the facets (core/EtatJeu.h).
class CDEC;
class CFinNiveau;
class CPLUX;
class CSFMLJeuBarreOutils;
class CSFMLJeuHUD;
class SourceEntrees;

// CPLUXDialog stays the first base: a dialog pointer of the game is its address.
class CSFMLJeu : public CPLUXDialog,
                 public CTUVFile,
                 public MondeJeu,
                 public PartieJeu,
                 public OptionsJeu,
                 public AffichageJeu,
                 public ServicesJeu {
public:
    // The first game made installs its facets (faceJeu::installer) and its destruction
    // uninstalls them.
    CSFMLJeu();
    ~CSFMLJeu() override;
    // This game as the face's installer takes it.
    FacettesJeu facettes() { return {this, this, this, this, this, this}; }

    // Builds the game and reads the configuration (normally "jeu.ini"). Returns 0, or -1
    // when the file gave no "VIEWPORT" (then there is no window).
    int init(const std::string& fichier);
    // One of init's two passes over the configuration: the first makes the window (unless
    // there is one) and the over-images, the second reads every other key.
    void lireConfiguration(const std::string& fichier, bool premierePasse);
    // What a start says on standard error about a window wider or taller than the screen
    // (it opens partly off the screen); empty when the window fits.
    static std::string fenetreTropGrande(int largeur, int hauteur, unsigned ecranLargeur, unsigned ecranHauteur);
    // Runs frames until the window closes.
    void boucle();
    // One frame of the main loop; false once the window is closed.
    bool etape();

    // Named sounds ------------------------------------------------------------------------
    void chargerSons(const std::string& fichier = "sons.ini");
    void jouerSon(const std::string& nom) override;
    // Hears every name played (tests set it), also the names nobody registered.
    std::function<void(const std::string&)> espionSons;
    void arreterSon(const std::string& nom) override;
    void arreterSons() override;
    void bouclerSon(const std::string& nom, bool boucle) override;
    // 0 stopped, 1 paused, 2 playing; 0 when absent.
    int sonEnCours(const std::string& nom) override;
    void appliquerVolumes() override;
    bool attacherSon(const std::string& nom, CSPRITE* sd) override;

    // Global animations and over-images --------------------------------------------------
    void chargerAnimsGlobales(const std::string& fichier) override;
    CSPRITE3* getAnimGlobale(const std::string& nom) override;
    void animerOvers() override;
    // The texture of a key, read from `chemin` the first time; null when it does not load.
    sf::Texture* textureEnCache(const std::string& cle, const std::string& chemin);
    // The game's sprite definition of that name (definitionsSprites), read from `fichier` the
    // first time; null when it does not load (said once on standard error).
    CDEC* definitionSprite(const std::string& nom, const std::string& fichier);

    // Services to the level, characters and scripts ---------------------------------------
    void afficherMessage(const std::wstring& texte, int dureeFrames) override;
    void secouerCamera(int duree, int amplitude) override;
    void menuPause() override;
    void ajouterPersoMort(CPerso* perso) override;
    void chargerPersoIA(const std::string& per, bool ia);
    void placerTexte(const std::wstring& texte, float x, float y, sf::Text* pTexte) override;
    std::wstring toucheBClavier() const override;
    void dessinerTexteIcone(sf::RenderWindow& cible, sf::Text* pTexte) override;
    void dessinerIconesJoueurs(sf::RenderWindow& cible) override;
    void afficherStatut(const std::wstring& texte) override;
    const sf::Font* policeJeu() const override { return &police; }
    sf::Text* texteJeu() override { return &texte; }
    sf::Text* texteFPSJeu() override { return &texteFPS; }
    std::vector<std::string> nomsSons() const override;
    std::vector<std::pair<std::string, CSPRITE3*>> listeAnimsGlobales() const override;
    void fermerFenetre() override;
    int nbImagesKillcam() const override { return static_cast<int>(killcamImages.size()); }
    int positionKillcam() const override { return killcamPosition; }
    const sf::Texture* imageKillcam(int index) const override;
    void poserEffetEcran(int slot, CSPRITE* sd) override;
    void spriteSupprime(CSPRITE* sd) override;

    // The HUD's and the menus' parts of the services (game/JeuServicesInterface.cpp).
    void chargerHUD() override;
    void armerCompteDepart(int images) override;
    bool sourisSurCarte() const override;
    void afficherNomArme(int joueur, int images) override;
    void pulserArme(int slot, int images) override;
    void montrerInfos(bool visible) override;
    void montrerAttente(bool visible) override;
    std::string langue() const override;
    void objetTrouve(CSPRITE* sd) override;
    void niveauCharge(const std::string& fichier, int calque) override;
    std::string fichierNiveauCharge() const override;
    void niveauChoisi(const std::string& dossier, const std::string& chemin) override;
    void ouvrirPortes(bool chargement) override;
    void afficherTitreNiveau(sf::RenderWindow& fenetre) override;
    CSPRITE_SIMPLE* spriteBarreProgression() override;

    // Input -------------------------------------------------------------------------------
    // The frame's one poll of the input source: each event goes to the GUI first, then to
    // the game's keys; in menu mode what the GUI left is queued for the menus.
    void traiterEvenementsFenetre();
    // Key state as the input source reports it.
    bool toucheEnfoncee(sf::Keyboard::Key touche) const override;
    void evenements(int joueur, bool depuisIA, bool sonder) override;
    void touchesJeu(sf::Keyboard::Key touche);
    void touchesEditeur(sf::Keyboard::Key touche);
    // The command step of a player (0 or 1) for this frame, after its input: the player's
    // character obeys its record while the level runs; while it does not, every character of
    // the level is stopped (on player 0's step).
    void commandesJoueur(int joueur);
    // The computer drives the second player this frame ("IA_JOUEUR2" in a two-player game).
    bool pilotee() const;
    void resetManette(int joueur) override;

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
    sf::Font police;
    sf::Text texte;
    sf::Text texteStatut;
    sf::Text texteFPS;
    CSPRITE* effetsEcran[2] = {nullptr, nullptr};
    sf::Shader* shaderEcran = nullptr;  // the screen effect's shader of the frame, not owned
    // The result of slot 0's pass while both screen effects run; made once.
    std::unique_ptr<sf::RenderTexture> sceneIntermediaire;
    bool bUseShader = false;
    // The killcam ring: frames kept at half the window's size, oldest after killcamPosition.
    std::vector<sf::Texture> killcamImages;
    int killcamTaille = 0;
    int killcamPosition = 0;
    sf::Clock horloge;
    // Replay mode (JEU_REJOUER): every frame counts exactly 1 / FRAMERATE seconds of game
    // time and the loop does not wait, so that a run is reproducible and fast.
    bool bRejeu = false;

    // Time and modes ------------------------------------------------------------------------
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
    CSFMLJeuHUD* pHUD = nullptr;
    CSFMLJeuBarreOutils* pBarreOutils = nullptr;
    CPLUX* pPLUX = nullptr;
    std::map<std::string, CSPRITE3*> animsGlobales;
    std::vector<CSPRITE3*> animsGlobalesRetirees;
    std::map<std::string, CDEC*> definitionsSprites;  // owned; null: the file did not load
    std::map<std::string, sf::Texture*> texturesCache;
    std::map<std::string, sf::Texture*> iconesBoutons;

    // Sounds ---------------------------------------------------------------------------------
    // The loaded sounds by name; the voices of voixSons play them.
    std::map<std::string, sf::SoundBuffer> buffersSons;
    CVoixSons voixSons;

    // Input records ----------------------------------------------------------------------------
    ManetteJoueur manettes[4];
    bool bIAJoueur2 = false;

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
    // The keyboard belongs to the dialogs: a text field holds it, or the animation editor,
    // which fills the window, is shown (the level's keys would act on a level out of sight).
    static bool clavierAuxDialogues();
    // The four Shift and Control flags, from the input source.
    void lireModificateurs();
    void molette(float delta);
    void imageMenu();
    void imageNiveau();
    void preparerShaderEcran(sf::Shader& shader, const CSPRITE& sd);
    void majGUI(bool editeur);
    void finImage();
    void entreesJoueurs();
    void capturerKillcam();
    void reduireFenetreKillcam();
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
