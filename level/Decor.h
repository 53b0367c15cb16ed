#pragma once
// A level world: one running level with its background, five planes of decor sprites,
// characters and AIs, musics, weather and ambient effects, footprints, dig holes, one-shot
// effects, the colour filter, the screen veil and the editor's selection. The game owns two:
// the world behind the menus and the played or edited one.
#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CCalqueSD;
class CCreusement;
class CDEC;
class CEffetBrouillard;
class CEffetEtoiles;
class CEffetLucioles;
class CEffetNeige;
class CEffetNuagePoussiere;
class CEffetNuages;
class CEffetOrage;
class CEffetPluie;
class CFichierNiveau;
class CFondImage;
class CForceSD;
class CMenuImage;
class CPerso;
class CPersoDef;
class CScriptEngine;
class CSPRITE;
class CSPRITE3;
class CSPRITE_SIMPLE;
class CVue;
namespace sf { class RenderTarget; class RenderTexture; class RenderWindow; class Sprite; class Window; }
struct Charge;

// The screen veil: a coloured square laid at one depth of the drawing, fading to a target.
struct CVoile {
    bool bActif = false;
    bool bArretFin = false;  // switched off when the target is reached
    bool bFini = false;      // the target was reached and fading stopped
    int plan = 0;            // 5 just over the background ... 0 over everything
    sf::Color couleur = sf::Color(0, 0, 0, 0);
    int pas = 0;             // alpha change per fading step
    int periode = 0;         // frames between steps
    int alphaCible = 0;
    int compteur = 0;
    sf::RectangleShape rectangle;
};

// Collision types of decor sprites, as level and definition files store them.
enum class TypeCollision : int { Aucune = 0, Masque = 1, Boite = 2, BoitePoint = 3, MasqueDegats = 4, Objet = 5,
                                 MasqueSimple = 6 };

class CDecor {
public:
    static constexpr int NB_PLANS = 5;
    static constexpr int PLAN_PRINCIPAL = 2;
    static constexpr std::size_t NB_TRACES_MAX = 20;
    static constexpr std::size_t NB_EFFETS_MAX = 10;
    // Levels of the drawing order at which AIs and the veil lie: the background, then the
    // planes from the farthest (4) to the nearest (0).
    static constexpr int NIVEAU_FOND = 5;
    static constexpr int NB_NIVEAUX = 6;
    // AI behaviour of the fire meteors.
    static constexpr int MODE_IA_METEORE = 103;
    static constexpr const char* MODELE_METEORE = "METEORE_FEU";
    // The counts of the editor's switches.
    static constexpr int NB_GOUTTES = 200;
    static constexpr int NB_GROUPES_NUAGES = 6;
    static constexpr int CHUTE_NEIGE = 10, DERIVE_NEIGE = 2;

    CDecor();
    ~CDecor();
    CDecor(const CDecor&) = delete;
    CDecor& operator=(const CDecor&) = delete;

    // Level load, start and restart (DecorChargerNiveau.cpp, DecorDemarrer.cpp) -------------
    // Empties the world and loads a ".niv" level into it, showing sub-layer calque (kept in
    // optionChargement for the editor's reload); always 0. A file that does not read leaves an
    // empty world and says so in a message box.
    int chargerNiveau(const std::string& fichier, int calque);
    // The editor is entered on this world: a load message no one saw (a menu's background
    // level, read behind the menus) is shown now, before R can save what was misread.
    void montrerMessageChargementTenu();
    // Puts the loaded level into its starting state, showing sub-layer calque; always 1.
    int demarrerNiveau(int calque);
    // The first respawn sprite of the main plane with that id has been reached (animation 1).
    bool respawnActif(const std::string& id) const;
    // The weapon slot revived players start with: 9 adventure, 0 chrono, else a fountain's draw.
    int armeDeDepart() const;
    // The slot p starts with for the start weapon arme: the adventure's tenth slot names the
    // hero's own start weapon, his first slot when he carries fewer (both a load and a restart
    // start him on it).
    static int slotDeDepart(const CPerso& p, int arme);
    // Pads of players 1 and 2: the first two connected pads, else 0 and 1.
    void affecterManettes();
    // Two-player game: the two halves of persos exchange their start positions.
    void echangerPositionsMulti();

    // Editor (DecorEditeur.cpp, DecorMenuSD.cpp) ---------------------------------------------
    // Picking, dragging and right-click placing under the mouse; true while a gesture runs.
    bool souris(sf::Window* fenetre, int camX, int camY);
    // The selected sprite's icon strip, else the picking; true when the mouse is over the strip.
    bool gererMenuSD(sf::Window* fenetre, int camX, int camY);
    // Writes this world as a level file and tells the user how it went; true when written.
    bool sauverNiveau(const char* fichier);
    // The level's once-per-frame update and drawing into the scene render texture, back to
    // front (DecorDessin.cpp). fenetre is not used.
    void dessiner(sf::RenderWindow* fenetre);
    // The frame's meteor timer: relaunches the showers every 600 frames at 30 per second.
    void majMeteores();

    // AI characters (DecorIA.cpp) -------------------------------------------------------------
    // An AI made from the level's character model of that name with its attached characters,
    // appended to ias unless attache (a child, owned by its carrier); null when nothing was made.
    // Nothing is made while a level character carries the model's name as its id, unless the
    // AI is given an id of its own (id) that none carries: it then takes that id.
    CPerso* creerIA(const std::string& modele, int x, int y, int direction, float sx, float sy, int inutilise,
                    int flottant, int valeur, bool attache, const std::string& id = std::string());
    // A copy of an existing character appended to ias; null when nothing was added.
    CPerso* ajouterIA(CPerso* modele, int x, int y);
    // The editor places one character of a name at a time: creerIA, and ajouterIA for a model
    // without its own animation, make nothing while a level character carries that name as
    // its id. True when nom is so taken, and the player is told so over the level, in his
    // language.
    bool signalerNomPris(const std::string& nom) const;
    // The editor's copy of a character (a right click, a Shift+click): ajouterIA, the refusal
    // of a taken name said as above. A copy made gets an id of its own, its model's name and
    // the first number no AI of this world carries (GARDE1, GARDE2...), which the save writes
    // and the next load makes it by.
    CPerso* copierIAEditeur(CPerso* modele, int x, int y);
    // The character picker's character at (x, y), as a level line naming its model makes it
    // (the model's facing, scales, weight and collision value), its model read into the
    // level's models the first time. Null when nothing was made (no choice, no file, the name
    // taken: said as above).
    CPerso* placerPersoChoisi(int x, int y);
    // The first of nom1, nom2... that no AI of this world carries as its id.
    std::string idLibre(const std::string& nom) const;
    // The game's preloaded AI model ("LOADIA") whose sprite has that id; null when none.
    CPerso* getModeleIA(const std::string& nom) const;
    // The first AI of the level with exactly that id; null when none.
    CPerso* iaParId(const std::string& id) const;
    // Tests of the purges: a finished AI (never a meteor, which the showers bring back), a
    // character removed by the editor.
    bool iaASupprimer(const CPerso* perso) const;
    bool persoASupprimer(const CPerso* perso) const;
    // Destroys the characters of ias (persos) that the test marks; how many went.
    int purgerIAs();
    int purgerPersos();
    // The one way the world frees a character: out of persos or ias, out of its carrier's
    // children (the slot stays, null), then deleted.
    void detruirePerso(CPerso* perso);
    // The editor's removal of an AI: out of ias at once, its attached characters with it, so
    // that no walk of the AIs, save or start finds it; freed by libererIAsRetirees, which each
    // frame calls first (the removal comes from the AI's own icon menu). False when ia is not
    // one of ias.
    bool retirerIA(CPerso* ia);
    void libererIAsRetirees();
    // Brings a player's character back to a playable state (DecorRanimer.cpp).
    void ranimerPerso(CPerso* perso, int armeSlot);

    // Meteor showers (DecorMeteores.cpp) ------------------------------------------------------
    // Adds n inert meteors above the level; the first relaunch comes 200 frames later.
    void lancerMeteores(int n);
    // Brings every meteor back to life above the level, all from one side.
    void relancerMeteores();

    // Weather switches (DecorMeteo.cpp): on makes the effect at the level size, replacing an
    // old one; off frees it. Counts are held to 0..10,000. The snow falls over the level's
    // width at that zoom and `hauteur` pixels.
    void activerPluie(bool actif);
    void activerNeige(bool actif, int nbFlocons, float zoom, int hauteur);
    void activerLucioles(bool actif, int nbLucioles);
    void activerBrouillard(bool actif);
    void activerNuages(bool actif);
    void activerEtoiles(bool actif, int nbEtoiles);
    void activerNuagePoussiere(bool actif);
    void activerOrage(bool actif);

    // Forces on characters (DecorForces.cpp) -------------------------------------------------
    // Where the characters standing on the sprite stand, and their weights.
    void chargesSurSprite(CSPRITE* sd, std::vector<Charge>& charges) const;
    // Hands the zone's force to the characters in its scope whose box meets the sprite's.
    void appliquerForce(CSPRITE* sd, const CForceSD& force);
    // One frame of the zones' push for every character and AI of the world.
    void pousserPersos();
    // Kills the players' characters that have fallen below the level's bottom.
    void tuerPersosTombes();

    // Planes ------------------------------------------------------------------------------
    CCalqueSD* getPlan(int plan) const;
    // Frees every decor sprite, or those marked for deletion, of the five planes.
    void viderPlans();
    void purgerPlans();
    // Forgets every pointer to a decor sprite that is about to be freed.
    void detacherSD(CSPRITE* sd);
    // Sprites were added, removed, moved or resized in the middle of a frame: the planes'
    // queries by place look at them again.
    void invaliderIndex();
    float decalagePlanX(int plan) const;
    float decalagePlanY(int plan) const;
    bool definitionUtilisee(const std::string& nom) const;
    bool modelePersoUtilise(const std::string& nom) const;
    // Position 0-4 of the plane among this world's; 0 for any other plane.
    int indexPlan(const CCalqueSD* plan) const;

    // Decor sprites made from definitions (DecorCreationSD.cpp) -----------------------------
    // Every sprite uses this world's own copy of its definition in modelesDEC, never the
    // caller's object. A sprite of the definition at (x, y) less the plane's scroll offset,
    // appended to the plane; its ".dec" is read again into the world's copy at each call.
    // Null without a definition or a plane.
    CSPRITE3* creerSD(CDEC* definition, int x, int y, CCalqueSD* plan);
    // The same from a ".dec" file, at the player's position ((500, 500) without a player).
    CSPRITE3* creerSDFichier(const std::string& fichier, CCalqueSD* plan);
    // The sprite of the level file's last "SD" record, appended to the plane; null when its
    // definition name is empty or names no definition preloaded in modelesDEC.
    CSPRITE3* creerSDNiveau(CFichierNiveau* fichier, CCalqueSD* plan);
    // The editor's copy of a decor sprite at (x, y) less the plane's scroll offset, appended
    // to the plane: what it does comes with it (behaviours and their settings, collision and
    // "DEC par défaut", shadow, colour, shaders), not its scripts; a sprite with an id gives
    // its copy the id followed by the first number no decor sprite carries (SORTIE1...).
    // Null without a model or a plane.
    CSPRITE3* dupliquerSD(CSPRITE3* modele, int x, int y, CCalqueSD* plan);
    // The force zone's two scripts (its "Script" and closing one) made in this world's engine,
    // waiting: the zone starts them.
    void creerScriptsForce(CSPRITE& sd);
    // The script engine of this world (pMoteur); null while it has none.
    CScriptEngine* moteurScripts() const { return pMoteur; }
    // The game's played world: the game world, or the active one while the game has no game
    // world; false without a game. Only its game type is the game's own.
    bool estMondeJeu() const;
    // The view mode chosen for the level: its file's "SCROLLVUE" or the author's choice in the
    // level options. The game world keeps it in the game's vuemode_save, a menu's level in
    // its own scrollVue. choisirModeVue changes it; reprendreModeVue gives it to the world's
    // camera, back at the level's zoom, as play resumes from the editor.
    int modeVueChoisi() const;
    void choisirModeVue(int mode);
    void reprendreModeVue();

    // What a level load needs of the world (DecorChargement.cpp) ------------------------------
    // Back to its construction value, every field that a level-wide line of a level file
    // sets: a file that leaves a setting out gets the default, not the previous level's. The
    // background is emptied in place (dialogs may be bound to its fields); the weather goes.
    void reinitialiserReglages();
    // "FREE_TEXTURE_MEM": empties both model maps. A definition nothing uses any more is
    // deleted at once; one still used by a sprite or a character waits in
    // definitionsRetirees until a later load or the world's end finds it unused.
    void retirerModeles();
    // Takes the definition filed under nom out of modeles (one of the two maps) as
    // retirerModeles does: the next line naming it reads its file again.
    void retirerModele(std::map<std::string, CDEC*>& modeles, const std::string& nom);
    // Deletes the retired definitions that nothing uses any more.
    void libererDefinitionsRetirees();
    // Whether a sprite of either world, or a character of either world or of the game's
    // preloaded ones, draws from the bank.
    static bool banqueUtilisee(const CDEC* banque);

    // Geometry ----------------------------------------------------------------------------
    bool collisionSpritesDecales(CSPRITE* a, CSPRITE* b, int dx1, int dy1, int dx2, int dy2) const;
    bool collisionSprites(CSPRITE* a, CSPRITE* b) const;
    bool collisionSD(CSPRITE* s, bool memeGroupe, int dx1, int dy1, int dx2, int dy2) const;
    bool collisionPersos(CPerso* a, CPerso* b) const;
    // The character's hit box in level coordinates (empty without a sprite).
    static sf::FloatRect rectPerso(const CPerso& p);
    static bool intersectionSegmentRect(float x1, float y1, float x2, float y2, float gauche, float haut,
                                        float droite, float bas);
    static bool collisionRectTourne(float x1, float y1, float x2, float y2, float gauche, float haut,
                                    float droite, float bas, float angle, float cx, float cy);
    static bool pointDansRect(int x, int y, int rx, int ry, int largeur, int hauteur);

    // Collisions ----------------------------------------------------------------------------
    // The decor sprite (or the dig-hole marker) at the point or along the segment; null: free.
    CSPRITE* testCollision(CPerso* perso, float x1, float y1, float x2, float y2);
    bool estCollision(CPerso* perso, float x1, float y1, float x2, float y2);
    bool degats(CPerso* perso, CSPRITE* sd, float x1, float y1, float x2, float y2);
    bool collisionCouleur(CSPRITE* sd, float x, float y, sf::Color couleur) const;
    bool collisionPixel(CSPRITE* sd, int x, int y, sf::Color couleur) const;

    // Dig holes -------------------------------------------------------------------------------
    void ajouterCreusement(CSPRITE* sd, int x, int y);
    CCreusement* getCreusement(CCreusement* exclu, int x, int y) const;

    // Footprints, one-shot effects, selection -------------------------------------------------
    void ajouterTracePas(int x, int y, float echelle);
    void afficherTracesPas(sf::RenderTarget& cible);
    void ajouterEffet(float x, float y, float sx, float sy);
    void afficherEffets(sf::RenderTarget& cible);
    void afficherEffetsFenetre(sf::RenderWindow& fenetre);
    void viderEffets();
    void deselectionner();

    // Musics --------------------------------------------------------------------------------
    // Starts the level's music and ambience (opening them first when charger); -1 when a
    // track could not be opened.
    int jouerMusiques(bool charger);
    void stopApplaudissements();

    // The camera and the script engine the game pairs with this world (both the game's); null
    // until paired: a world without a camera draws from (0, 0) unclipped, one without an
    // engine makes no scripts.
    CVue* pCamera = nullptr;
    CScriptEngine* pMoteur = nullptr;

    // Background and planes
    CFondImage* pFondImage = nullptr;  // owned
    std::string strImageChargement;
    sf::Color couleurFond = sf::Color(0, 0, 64, 128);
    bool bCouleurFond = true;
    CCalqueSD* pPlans[NB_PLANS] = {};  // owned
    int compteurMeteores = 0;
    int nbMeteores = 0;
    CSPRITE* pSDSelection = nullptr;
    CCalqueSD* pPlanTravail = nullptr;
    int numPlanTravail = 2;
    int scrollVue = 1;
    float vitesseScrollVue = 18;
    float zoomVue = 1.0f;
    float scalePersosX = 1.0f, scalePersosY = 1.0f;

    // Characters (owned).
    std::list<CPerso*> persos;
    std::list<CPerso*> ias;

    // Musics; the game's music volume applies to all five.
    bool bMusiquesStreamees = true;
    bool bMusiqueBoucle = true;
    bool bMusiqueAmbianceBoucle = true;
    bool bInfos = true;
    bool bCarte = false;  // the level has a map ("CARTE")
    sf::Music musique;
    sf::Music musiqueAmbiance;
    sf::Music musiqueFin;
    sf::SoundBuffer bufferMusique, bufferMusiqueAmbiance;
    sf::Sound sonMusique, sonMusiqueAmbiance;
    std::string cheminMusique, cheminMusiqueAmbiance;

    CVoile voile;

    // Its file: the one it was last read from or written to (empty: none yet), and the one
    // the editor's quick save writes: the same, unless the author typed another path.
    std::string fichierNiveau, fichierSaisi;
    // The last load's message when it was not shown, in English and French (empty: none).
    std::wstring messageChargementTenu[2];
    // The game type its file gives ("TYPEJEU"); the game world's is also the game's own type.
    int typeJeu = 0;

    // Level state
    int chrono = 0;
    int chronoRef = 0;
    bool niveauFini = false;
    std::map<std::string, CDEC*> modelesPersos;  // entries owned
    std::map<std::string, CDEC*> modelesDEC;     // entries owned
    std::map<std::string, sf::Texture*> texturesSprites3;  // owned
    // Definitions taken out of the model maps while something still drew from them.
    std::vector<std::unique_ptr<CDEC>> definitionsRetirees;

    // Editor state
    CCalqueSD* pPlanSelection = nullptr;
    int numPlanSelection = 0;
    CMenuImage* pMenuSD = nullptr;  // owned
    float decalageSelectionX = 0, decalageSelectionY = 0;
    bool bGlisser = false;
    int calqueVisible = 1;
    int calqueTravail = 0;
    int clicX = 0, clicY = 0;
    bool bSourisEnfoncee = false;
    int ancreMenuSDX = 0, ancreMenuSDY = 0;
    int optionChargement = 0;  // the sub-layer of the last load, which the editor's reload reuses

    // Level identity and size
    int tailleJeuX = 1280, tailleJeuY = 720;
    std::wstring nomNiveau;
    int numNiveau = 1;
    int compteurPersoTouche = 0;
    int etoiles[3] = {0, 0, 0};
    int zone[4] = {100, 100, 500, 500};  // characters' zone: left, top, right, bottom ("ZONE")
    bool bZone = false;

    // Effects
    std::vector<CSPRITE_SIMPLE*> effets;  // owned
    CSPRITE_SIMPLE* pPoussierePas = nullptr;  // owned
    CEffetPluie* pPluie = nullptr;
    bool bPluie = false;
    CEffetNeige* pNeige = nullptr;
    bool bNeige = false;
    CEffetLucioles* pLucioles = nullptr;
    bool bLucioles = false;
    CEffetBrouillard* pBrouillard = nullptr;
    bool bBrouillard = false;
    CEffetNuages* pNuages = nullptr;
    bool bNuages = false;
    CEffetEtoiles* pEtoiles = nullptr;
    bool bEtoiles = false;
    CEffetNuagePoussiere* pNuagePoussiere = nullptr;
    bool bNuagePoussiere = false;
    CEffetOrage* pOrage = nullptr;
    bool bOrage = false;
    sf::Texture textureTracePas;
    std::list<sf::Sprite*> tracesPas;  // owned
    CSPRITE3* pSDCreusement = nullptr;  // owned: the ground of dig holes
    std::list<CCreusement*> creusements;  // owned
    std::string strPoussierePas = "./effets/poussiere.dec";
    std::string strTracePas = "./effets/pasdunes.png";
    CSPRITE_SIMPLE* pFiltre = nullptr;  // owned
    bool bFiltre = false;
    bool bLuxVisibles = true;
    bool bInfosVie = true;
    bool bMasques = false;  // the editor shows the collision masks of characters
    int checkpointX = -1, checkpointY = -1;
    std::vector<CSPRITE*> positionsDepart;  // the start-marker sprites; not owned
    float scrollPlans[6][2] = {};  // camera-follow factors of planes 0-4 and the background

    // How often the menus and scripts called the world's entry points, and with what last:
    // what their tests observe of a world that is not loaded.
    struct Appels {
        int chargerNiveau = 0;
        std::string fichierCharge;
        int numeroCharge = 0;
        int demarrerNiveau = 0;
        int calqueDemarre = 0;
        int jouerMusiques = 0;
        int stopApplaudissements = 0;
        int dessiner = 0;
    };
    Appels appels;

private:
    // AIs the editor removed, owned until libererIAsRetirees frees them.
    std::vector<CPerso*> iasRetirees;
    // What one frame reads of the game and the camera.
    struct ContexteImage;
    ContexteImage contexteImage() const;
    void dessinerLointain(const ContexteImage& c);
    void dessinerPrincipal(const ContexteImage& c);
    void dessinerProche(const ContexteImage& c);
    void dessinerFinImage(const ContexteImage& c);
    void dessinerIAs(int niveau, const ContexteImage& c);
    void dessinerVoile(int niveau, const ContexteImage& c);
    void dessinerZone(sf::RenderTexture& scene);
    void dessinerFiltre(sf::RenderTexture& scene);
    // AI creation along one chain of attached models (a model met again on it is not made).
    struct ChaineIA;
    CPerso* creerIA(const std::string& modele, int x, int y, int direction, float sx, float sy, int flottant,
                    int valeur, bool attache, ChaineIA& chaine, const std::string& id = std::string());
    void creerEnfants(CPerso& parent, CDEC& banque, float sx, float sy, ChaineIA& chaine);
    void creerScriptsIA(CPerso& ia, const CPersoDef& def);
    int purger(std::list<CPerso*>& liste, bool (CDecor::*aSupprimer)(const CPerso*) const);
    // Forgets the character's sprites (its attached characters' too) before they are freed.
    void oublierSpritesPerso(const CPerso& perso);
    void libererEffetsMeteo();
    // Stages of a load and of a start.
    void viderNiveau();
    void preparerNiveau(const std::string& fichier, int calque);
    void armerJoueursCharges();
    void rembobinerSD();
    void ranimerIAs();
    void ranimerIA(CPerso& ia);
    void remplacerMeteores();
    void reprendreJeu(bool chargement);
    void placerCamera();
    void viderTracesPas();
    void cacherMenusEditeur();
    // Editor helpers: the world point under the mouse, the placing of a right click, a new
    // selection, and the strip's actions.
    sf::Vector2i pointSouris(const sf::Window* fenetre, int camX, int camY) const;
    bool placerClicDroit(int mx, int my);
    bool selectionner(int mx, int my, int camX, int camY);
    void actionMenuSD(int index, bool clic, bool gauche);
    void changerPlanSelection(int sens);
    void supprimerSelection();
    // Box tests of collision types 2, 3 and 5.
    bool segmentDansBoite(CSPRITE& sd, float x1, float y1, float x2, float y2) const;
    bool pointDansBoite(CSPRITE& sd, float x, float y) const;
    bool degatsMasque(CPerso& perso, CSPRITE* sd, float x1, float y1, float x2, float y2);
    bool collisionCreusement(CPerso& perso, float x1, float y1, CSPRITE*& resultat) const;
};

// List predicate of the character lists: destroys the character and says so.
bool supprimerPerso(CPerso* perso);
