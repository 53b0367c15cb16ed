#pragma once
// The face of the game that the folders below game/ see: the game object (CSFMLJeu) is made
// of these facets, and level/, characters/, script/, menus/, the editors and the lobby reach
// them through the accessors at the end, never through game/. Each facet holds plain values
// and pointers the game owns; the services are virtual calls whose defaults do nothing, so
// that a facet can stand without a game.
#include "core/Commandes.h"
#include "core/RefPerso.h"

#include <SFML/Window/Keyboard.hpp>

#include <map>
#include <string>
#include <vector>

class CArmes;
class CDecor;
class CExplosions;
class CIABehaviours;
class CJeuMenus;
class COptionsMulti;
class CPerso;
class CScriptEngine;
class CSFMLJeu;
class CShaderManager;
class CSPRITE;
class CSPRITE3;
class CSPRITE_SIMPLE;
class CVue;
namespace sf { class Font; class RenderTexture; class RenderWindow; class Shader; class Text; class Texture; }

// The worlds, their cameras and script engines, and the characters, weapons and AI they use.
struct MondeJeu {
    CDecor* pdecor = nullptr;
    CDecor* pdecorMenu = nullptr;
    CDecor* pdecorJeu = nullptr;
    CVue* pvue = nullptr;
    CVue* pvueMenu = nullptr;
    CVue* pvueJeu = nullptr;
    CScriptEngine* pscriptEngine = nullptr;
    CScriptEngine*& pScriptEngine = pscriptEngine;
    CScriptEngine* pscriptEngineMenu = nullptr;
    CScriptEngine* pscriptEngineJeu = nullptr;
    CArmes* parmes = nullptr;
    CExplosions* pExplosions = nullptr;
    CIABehaviours* pIABehaviours = nullptr;
    COptionsMulti* pOptionsMulti = nullptr;
    // The menus: the folders below menus/ reach them through the services instead.
    CJeuMenus* pMenus = nullptr;
    // Checked references: they read null once their character is freed.
    RefPerso pPerso;  // the player, followed by the camera
    CPerso* pPersoDefaut = nullptr;
    std::vector<CPerso*> persosPrecharges;
    std::vector<CPerso*> iasPrechargees;
    std::vector<CPerso*> persosMorts;
    RefPerso pPersoSelection;  // the editor's selected character (an AI or a player)
    RefPerso pPersoModele;     // the model of the editor's placement
    CSPRITE3* pAnimFeu = nullptr;
    CSPRITE3* pAnimLapin = nullptr;
};

// The game in progress: its type and mode, the time coefficient, the players' input records,
// the rules' counters and the results.
struct PartieJeu {
    static constexpr int MODE_EDITEUR = 2;  // `mode` while the editor is on (0 menus, 1 play)
    int mode = 0;
    int typeJeu = 0;
    float framerateCoeff = 1.0f;

    // Input records ----------------------------------------------------------------------------
    CommandesJoueur commandes[4] = {};
    int manetteJoueur1 = 0, manetteJoueur2 = 1;
    bool bXInput = false;
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
};

// The options of "jeu.ini" and of the menus, and the editor's switches.
struct OptionsJeu {
    int vuemode_save = -1;
    bool bFreeTextureMem = false;
    bool bNeverFreeTextures = false;
    bool bFreeIasMemory = false;
    bool bHUDVisible = true;
    float volumeEffets = 100.0f;
    float volumeMusique = 100.0f;
    bool bSonMenu = true;
    // "KILLCAM": length of the ring in frames at 30 per second, 0 (off) to 90.
    int optionKillcam = 0;

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
};

// What the game draws with and lends to the level: the window, the shadow texture, the
// shader programs and the shared over-images and icons (all owned by the game).
struct AffichageJeu {
    sf::RenderWindow* fenetre = nullptr;
    int largeurVue = 0, hauteurVue = 0;
    sf::RenderTexture* pRenderTextureOmbre = nullptr;
    CShaderManager* pShaderManager = nullptr;
    std::map<std::string, sf::Shader*> shaders;
    std::map<std::string, CSPRITE_SIMPLE*> overs;
    std::map<std::string, sf::Texture*> imagesInfo;
    // Status icons over a character: inverted controls, no jump (null when their file is missing).
    CSPRITE_SIMPLE* iconeInverse = nullptr;
    CSPRITE_SIMPLE* iconeSansSaut = nullptr;
};

// What the lower folders ask the game to do. Without a game nothing happens and the answers
// are empty: no sound plays, no key is down, the HUD and the menus are absent.
class ServicesJeu {
public:
    virtual ~ServicesJeu() = default;

    // Named sounds.
    virtual void jouerSon(const std::string& nom) {}
    virtual void arreterSon(const std::string& nom) {}
    virtual void arreterSons() {}
    virtual void bouclerSon(const std::string& nom, bool boucle) {}
    // 0 stopped, 1 paused, 2 playing; 0 when absent.
    virtual int sonEnCours(const std::string& nom) { return 0; }
    virtual void appliquerVolumes() {}
    virtual bool attacherSon(const std::string& nom, CSPRITE* sd) { return false; }
    // The names of the loaded sounds, in order.
    virtual std::vector<std::string> nomsSons() const { return {}; }

    // Global animations and over-images.
    virtual void chargerAnimsGlobales(const std::string& fichier) {}
    virtual CSPRITE3* getAnimGlobale(const std::string& nom) { return nullptr; }
    // The global animations by file, in order.
    virtual std::vector<std::pair<std::string, CSPRITE3*>> listeAnimsGlobales() const { return {}; }
    virtual void animerOvers() {}

    // Camera, messages, text.
    virtual void afficherMessage(const std::wstring& texte, int dureeFrames) {}
    // The status line under the level (load time...).
    virtual void afficherStatut(const std::wstring& texte) {}
    virtual void secouerCamera(int duree, int amplitude) {}
    virtual void menuPause() {}
    virtual void ajouterPersoMort(CPerso* perso) {}
    virtual void placerTexte(const std::wstring& texte, float x, float y, sf::Text* pTexte) {}
    // What a keyboard player reads for the pad's B in play, whose work the key Return does;
    // empty while a pad is in use, whose button picture then shows.
    virtual std::wstring toucheBClavier() const { return {}; }
    virtual void dessinerTexteIcone(sf::RenderWindow& cible, sf::Text* pTexte) {}
    virtual void dessinerIconesJoueurs(sf::RenderWindow& cible) {}
    // The game's font and its shared text object; null without a game.
    virtual const sf::Font* policeJeu() const { return nullptr; }
    virtual sf::Text* texteJeu() { return nullptr; }
    virtual sf::Text* texteFPSJeu() { return nullptr; }

    // Input.
    virtual bool toucheEnfoncee(sf::Keyboard::Key touche) const { return false; }
    virtual void evenements(int joueur, bool depuisIA, bool sonder) {}
    virtual void resetManette(int joueur) {}
    // Closes the window through the input source (the game then ends).
    virtual void fermerFenetre() {}

    // Killcam ring: its size, its write position and one of its frames (null when out of it).
    virtual int nbImagesKillcam() const { return 0; }
    virtual int positionKillcam() const { return 0; }
    virtual const sf::Texture* imageKillcam(int index) const { return nullptr; }

    // Screen effects: a sprite becomes the effect of slot 0 or 1; a decor sprite about to be
    // freed leaves the screen effects and the scripts both engines hold for it.
    virtual void poserEffetEcran(int slot, CSPRITE* sd) {}
    virtual void spriteSupprime(CSPRITE* sd) {}

    // HUD.
    virtual void chargerHUD() {}
    // Arms the round's countdown, in frames.
    virtual void armerCompteDepart(int images) {}
    virtual bool sourisSurCarte() const { return false; }
    // Shows the name of a player's weapon for that many frames.
    virtual void afficherNomArme(int joueur, int images) {}
    // The weapon of a slot pulses for that many frames.
    virtual void pulserArme(int slot, int images) {}
    virtual void montrerInfos(bool visible) {}
    virtual void montrerAttente(bool visible) {}

    // Menus.
    // The language prefix of the menus' texts ("fr_", "en_"...).
    virtual std::string langue() const { return "fr_"; }
    virtual void objetTrouve(CSPRITE* sd) {}
    // The level that "Restart" and the level list act on, and its zone.
    virtual void niveauCharge(const std::string& fichier, int calque) {}
    virtual std::string fichierNiveauCharge() const { return ""; }
    // A script changes level: the menus learn its folder and path.
    virtual void niveauChoisi(const std::string& dossier, const std::string& chemin) {}
    // The doors stand closed over a level that starts and open; at a load they open again
    // from the edge.
    virtual void ouvrirPortes(bool chargement) {}
    // The level's title and the loading bar's sprite over the loading screen.
    virtual void afficherTitreNiveau(sf::RenderWindow& fenetre) {}
    virtual CSPRITE_SIMPLE* spriteBarreProgression() { return nullptr; }
};

// The objects that answer for the game. The game installs itself; a test, a benchmark or a
// fuzz target that has no game installs the parts it makes. Null: absent.
struct FacettesJeu {
    MondeJeu* monde = nullptr;
    PartieJeu* partie = nullptr;
    OptionsJeu* options = nullptr;
    AffichageJeu* affichage = nullptr;
    ServicesJeu* services = nullptr;
    // The game object itself, CSFMLJeuGlobal::pmonjeu (game/ only); null without a game.
    CSFMLJeu* jeu = nullptr;
};

// The game's facets; each is null until installed.
namespace faceJeu {
// The one writer of the installed facets and of CSFMLJeuGlobal::pmonjeu; FacettesJeu{}
// uninstalls. Whoever installs an object uninstalls it before freeing it.
void installer(const FacettesJeu& facettes);
const FacettesJeu& installees();
MondeJeu* monde();
PartieJeu* partie();
OptionsJeu* options();
AffichageJeu* affichage();
ServicesJeu* services();
// The player chose English in the menus: what the game tells him is then in English. False
// without a game (the menus start in French).
bool enAnglais();
} // namespace faceJeu
