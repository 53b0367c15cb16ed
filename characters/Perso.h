#pragma once
// A character: the hero of a player, an AI enemy, a controllable turret, a vehicle, or a
// part attached to one of these. It is made empty and filled from a character definition
// (CPersoDef::appliquer), or copied from a model character (the AIs of a level).
//
// A character owns its sprites, emitters, icon menu, weapon slots, messages, captures and
// children; a copy shares none of them with its model. It does not own what it stands on
// (support, plateformes) nor the characters it refers to (RefPerso fields).
#include "characters/MessagePerso.h"
#include "core/RefPerso.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <algorithm>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <vector>

struct CommandesJoueur;
class CDecor;
class CMenuImage;
class CParticules;
class CPersoDef;
class CSPRITE;
class CSPRITE3;
class CSPRITE_SIMPLE;
namespace sf { class RenderTarget; class RenderWindow; }

// One weapon slot of a character (a plain record, copied member by member).
struct SlotArme {
    // Stances of positionsTir, and the angles of each stance in their order.
    static constexpr int NB_POSITIONS = 27;
    static constexpr int POSITIONS_PAR_POSTURE = 9;  // 0, 180, 45, 90, 135, 30, 70, 110, 150 degrees

    int numero = 0;       // index in the game's weapon list
    int munitions = 0;    // -1 unlimited
    bool bPossedee = false;
    int etatSlot = -1;    // reload countdown; a slot with no ammunition is still listed while >= 0
    int option = 0;       // third value of the ".per" ARME line
    int typeTir = 0;      // fourth value: the firing pattern
    int cadence = 0;
    int rechargeAuto = -1;
    int premierSprite[2] = {-1, -1};
    // Firing origins from the sprite position: standing, crouched, crouch-walking.
    int positionsTir[NB_POSITIONS][2] = {};
    // Owned by the character's file; a two-player round takes back what the round before gave.
    bool bPossedeeDefinition = false;
};

// A snapshot of the scene around the character.
struct CapturePerso {
    sf::Texture texture;
    int x = 0, y = 0, largeur = 0, hauteur = 0;
};

// On a cache line of its own: the fields every frame's steps read (first ones of the class,
// grouped below) then lie on three lines of each character rather than on three or four.
class alignas(64) CPerso {
public:
    // An empty character with the defaults; a missing font is reported (once per run).
    CPerso();
    // Construction from a model: the model's settings, fresh sprites, emitters, slots and
    // children. Reads no file.
    CPerso(const CPerso& modele);
    CPerso& operator=(const CPerso&) = delete;
    ~CPerso();

    // Defaults that construction does not set itself; makes the owned sprites, the icon
    // menu and the texts.
    void init();
    // Frees the icon menu, the weapon slots, the three sprites and the messages.
    void liberer();
    // Appends one slot per weapon line of the definition; true.
    bool copierArmes(const CPersoDef& def);

    // States and animations (PersoEtats.cpp) -------------------------------------------
    // 0 when the character is dead (nothing changes), else 1.
    int setEtat(int etat);
    void setDirection(int d);
    // Plays animation n of the sprite (-1 keeps the current one) and moves it by (dx, dy),
    // the children with it.
    void setAnimation(int numero, float dx, float dy);
    void setAnimationFixe();
    void animerTouche();
    std::string getNomAnimation() const;
    bool estVisible() const;

    // Drops every hold on a decor sprite that the level is about to free (the children's too).
    void oublierSprite(CSPRITE* sd);

    // Movement (PersoMouvement.cpp) --------------------------------------------------------
    // Steps of one frame; none reads input. Every step does nothing for a character whose
    // sprite has neither an image bank nor a layered animation. Distances are scaled by the
    // frame coefficient, counts of frames divided by it, so that 30 and 60 frames per second
    // play alike.
    // One walk step toward direction (0 right, 1 left); 1 when blocked.
    int marcher(int direction, float facteur);
    // Horizontal step while rising (states 5, 8) or crouch-walking (state 3).
    int deplacerEnSaut(int direction);
    // Moves the character by the push force zones left in vitesseForceX/Y, where the decor
    // lets it, then lets the push fade.
    void subirPoussee();
    // Horizontal step while falling (states 6, 7).
    int deplacerEnLAir(int direction);
    int gererSaut();
    // Bounce-pad rise (state 8).
    int gererSautMontee();
    // Gravity: falls and lands (state 10).
    int tomber();
    // tomber() while the character collides; 1 without falling otherwise.
    int gererChute();
    // States 10 and 11.
    int gererReception();
    // Ground contact: follows the platform under the feet, climbs onto it, steps down a small
    // drop or starts a fall. sol: what the caller found under the feet, null to look.
    int poserAuSol(CSPRITE* sol = nullptr);
    int baisser();
    // Back to standing (a blow is cancelled): only where the head has room.
    int resetEtat();
    int gererAction();
    int gererDash(int direction);
    // One frame of push back after a hit, toward p, the character still facing the hit.
    int majPoussee(int p);
    // One frame of recoil after firing, away from facing f.
    int majRecul(int f);
    // An AI's patrol step; 0 without a patrol.
    int demiTour();
    // Launches the character from a bounce pad it stands on; once per frame, from drawing.
    int testRebond();
    int victoire();
    // Takes the controllable turret found touching the character, or leaves the one it holds.
    int utiliserTourelle();
    // The same with the turret the search found (null: none).
    int utiliserTourelle(CPerso* proche);
    int lacherTourelle();

    // Platforms, effects and shadows (PersoPlateformes.cpp) -------------------------------
    // Reacts to the decor sprite under the feet at (x, y): slide, bounce pad, moving platform,
    // collapse. 10 when the character is to be removed, 9 when its sprite is hidden, else 0.
    int suivrePlateforme(int x, int y, CSPRITE* plateforme);
    // Digs into the ground under the feet; 0.
    int creuser();
    // Keeps the emitters on the character and updates them; draws them into cible when given.
    void majParticules(sf::RenderTarget* cible = nullptr);
    // The shadow on the ground below, into the scene texture: layered and plain sprites.
    void dessinerOmbre();
    void dessinerOmbreSprite();
    void afficherTexte(const std::wstring& chaine, int dx, int dy);
    // Asks for a snapshot of the scene around the character, which prendreCapture appends
    // to captures (keeping the last NB_CAPTURES_MAX) once the frame's scene is whole: taken
    // at once, in the middle of the level's drawing, it would hold the far planes only.
    static constexpr std::size_t NB_CAPTURES_MAX = 8;
    void capturerIcone() { bCaptureDemandee = true; }
    void prendreCapture();

    // The player's command step (PersoCommandes.cpp) ----------------------------------------
    // One frame of the character of a player who gives these commands.
    void appliquerCommandes(const CommandesJoueur& c);
    // One frame while the game is not running: falls end, everyone else stands.
    void etapeArret();

    // Members other steps of the characters fill --------------------------------------------
    // Weapons and firing (PersoTir.cpp) ------------------------------------------------------
    void selectArme(int i);
    // 1 when a slot is current afterwards, 0 when there is no choice.
    int armeSuivante();
    int armePrecedente();
    // The firing origin of the current slot from the sprite position, for the aim step and
    // the state; (0, 0) without a current slot.
    void getPositionTir(int& x, int& y, const int& signe);
    // Fires the current slot; the ammunition left (-1 unlimited), or 0 when nothing could be
    // fired.
    int tirer(int sansEffet);
    // Points the controlled turret and, with bTir, fires it.
    void tirerTourelle(bool bTir);
    // The collision value with the first controllable turret touching the character, and
    // that turret; 0 and null when none.
    int chercherTourelle();
    CPerso* getTourelleProche();
    // The weapons and crystals a dead AI shows over its sprite.
    void lacherCristaux();
    // The slots in use (nbarmesperso, within the list), the current one (null when its index
    // is outside them), and whether the character's player has its super power on.
    int nbSlots() const { return std::min(std::max(0, nbarmesperso), static_cast<int>(armes.size())); }
    SlotArme* slotCourant() const;
    bool superPouvoir() const;

    // Hits, damage and death (PersoCoups.cpp, PersoMort.cpp) -------------------------------
    // The one hit handler; decor damage calls it with (damage, direction, 0, 1). indirect:
    // 0 a shot, a kick or the spirit; 1 decor damage and indirect blows; 2 AI contact.
    void prendreCoup(int degats, int directionPoussee, int inutilise, int indirect);
    // One frame of a dead character: 2 once its death is over, -2 with infinite life, 0 for
    // an AI whose death was taken over, else 1.
    int mourir();
    // The same, under the name the menus use.
    int arreter() { return mourir(); }
    // The hit timer, once per drawn frame: the hit animation replays, then the fall state,
    // then the sprite's own colour comes back.
    void majTouche();
    // The character's spirit leaves it; elimine: its player has just been eliminated.
    void libererEsprit(bool elimine);

    // Melee blows (PersoMelee.cpp) ------------------------------------------------------------
    // Advances a melee blow by one frame with the displacement the calling step would have
    // made (plain sprites only); -1 when a plain sprite's bank lacks the blow animation.
    int coup(float dx, float dy);
    // Starts a blow where the rules allow it; true when it started.
    bool commencerCoup();

    // Drawing (PersoDessin.cpp, PersoDessinEditeur.cpp, PersoShader.cpp) ------------------------
    // The per-frame look of the character into the scene: 10 removed, 0 nothing to draw,
    // 9 hidden, 8 an AI far outside the camera, 1 drawn.
    int dessiner(sf::RenderTarget& cible);
    // Draws the character when its bDevantParent equals plan; 1 when it drew.
    int dessinerSiPlan(sf::RenderTarget& cible, bool plan);
    // The thick line from (ax, ay) to (bx, by) through the definition's link shader.
    void appliquerShader(sf::RenderTarget& cible, float ax, float ay, float bx, float by, sf::Color remplissage,
                         sf::Color contour, int epaisseur, bool avecShader);

    // The level editor (PersoEditeur.cpp) --------------------------------------------------
    // The character's icon menu and mouse in the editor, the camera at (camX, camY): true when
    // the mouse is over the menu, which then acts on its own clicks.
    bool dialoguePerso(sf::RenderWindow& fenetre, int camX, int camY);
    // Placing an AI: Shift with the right button adds one at the mouse, the left button drags
    // this one; 1 while it is dragged.
    int placerPersoEditeur(sf::RenderWindow& fenetre, int camX, int camY);
    // The drag alone: true while the left button holds the character.
    bool dialogueChoixPer(sf::RenderWindow& fenetre, int camX, int camY);
    // Where the mouse takes the character: the frame drawn around it once selected, in level
    // pixels, without its rotation.
    sf::FloatRect cadreSaisie() const;
    // Moves the children (and theirs) by (dx, dy); depart: each takes its new place as its
    // start position.
    void deplacerEnfants(float dx, float dy, bool depart);

    // Fonts, the spirit prototype and the "missing font" report are shared by every
    // character of a run; the game drops them when it is destroyed (its texture cache,
    // which the spirit's sheet comes from, goes with it).
    static void libererRessourcesPartagees();

    // Limits applied where values of ".per" files and scripts are used (the fields keep them).
    static constexpr int LIMITE_COMPTE = 1000;     // maxEscalier, maxSaut, maxSautAuto
    static constexpr int LIMITE_VITESSE = 1000;
    static constexpr int LIMITE_HAUTEUR = 10000;   // posTete, posPieds
    // Decor probes asked by every character since start, and when set the segments asked
    // (x1, y1, x2, y2 in a rectangle's four fields): what the movement benchmark replays.
    static unsigned long nbSondes;
    static std::vector<sf::FloatRect>* journalSondes;

    // ---- fields, in their documented order --------------------------------------------
    bool bCoup = false;
    float tempsCoup = 0;
    int etapeCoup = 0;
    int degatsCoup = 25;
    int compteurRecul = 0;
    int compteurDash2 = 0;
    int compteurDash = 0;
    bool bnodash = false;
    bool bDashPossible = false;
    bool bDetectionDevant = false;
    bool bDemiTourAuto = false;
    // Read by every frame's command and movement steps of every character, kept together so
    // that a frame of hundreds of characters touches few cache lines of each (the fields
    // around keep their documented order).
    CSPRITE3* sprite = nullptr;    // owned: the character's animated sprite
    CSPRITE* support = nullptr;    // not owned
    std::vector<CPerso*> enfants;  // owned; an entry may be null
    int mode = 0;                  // state, EtatPerso (characters/EtatsPerso.h)
    int direction = 1;             // 0 right, 1 left
    int visee = -1;
    float angleVisee = -1;
    int compteurSaut = 0;
    int compteurSautAuto = 0;
    int vitesse = 1;
    int vitesseChute = 1;
    int vitesseSaut = 1;
    int maxSaut = 14;
    int maxSautAuto = 16;
    int maxEscalier = 40;
    int posTete[2] = {0, 0};  // standing, crouched
    int posPieds = 0;
    int decalagePlateforme = 0;
    int compteurCadence = 0;
    int nbEnfants = 0;
    int modeIA = -1;
    bool bCollisions = true;
    bool bVaisseau = true;
    bool bMarche = false;
    bool bTourelle = false;
    bool bNoDegats = false;
    bool bSautEnCours = false;
    bool bPasdesaut = false;
    bool bInversionGD = false;
    bool bDel = false;
    bool bMortTerminee = false;
    bool bPoussiere = false;
    bool bSolideEnMontee = false;    // decor of collision types 1 and 3 holds it while rising
    bool bActionPrecedente = false;  // the action command was held last frame: one press acts once
    bool bViseePilotee = false;      // the computer pilot gives this character its aim: the command step keeps it
    // The weapon keys as the last command step saw them: a held key switches once.
    bool bArmeSuivanteAvant = false, bArmePrecedenteAvant = false;
    // Asked by every probe that finds the active level (decorActif).
    RefPerso porteur;
    // The world that holds it, set when a world makes or takes it (not owned); null for a
    // character of no world (a preloaded model, the editor's picker). A child copied with its
    // carrier finds it through the carrier.
    CDecor* pMonde = nullptr;
    CParticules* particuleTouche = nullptr;  // owned
    CParticules* particuleMort = nullptr;    // owned
    CParticules* particuleFin = nullptr;     // owned
    CParticules* particuleLien = nullptr;    // owned
    float reel1 = 0, reel2 = 0;
    CSPRITE3* spriteEsprit = nullptr;  // owned
    bool bToucheTete = false;
    bool bTirTete = false;
    bool bTirJambes = false;
    bool bFlecheGenou = false;
    bool drapeau6 = false;
    float reel3 = 0, reel4 = 0;
    std::string derniereArme;
    float reel5 = 0, reel6 = 0;
    // Without aiming, then aiming at 0, 30, 45, 70, 90, 110, 135, 150 and 180 degrees.
    int animArret[10] = {0, 1, 0, 2, 0, 3, 0, 4, 0, 5};
    int animMarche[10] = {6, 7, 0, 8, 0, 9, 0, 10, 0, 11};
    int animAction = 12;
    int animTouche = 13;
    int animMort = 14;
    int animSautAsc[10] = {15, 16, 0, 17, 0, 18, 0, 19, 0, 20};
    int animSautDsc[10] = {21, 22, 0, 23, 0, 24, 0, 25, 0, 26};
    int animSautReception = 27;
    int animSautReceptionArme = 28;
    int compteurTouche = -1;
    sf::Color couleur = sf::Color::White;
    int compteurClignote = 0;
    RefPerso dernierAttaquant;
    int compteurAlerte = 0;
    CMenuImage* menuPerso = nullptr;  // owned
    float decalageSourisX = 0, decalageSourisY = 0;
    bool bSaisiSouris = false;
    // Where the mouse took it, and whether it moved since: a press and release that does not
    // move the mouse only selects.
    sf::Vector2f sourisSaisie;
    bool bSourisDeplacee = false;
    std::string chaine1;
    bool bActionTourelle = false;
    int compteur5 = 0, compteur6 = 0, compteur7 = 0, compteur8 = 0, compteur9 = 0, compteur10 = 0,
        compteur11 = 0;
    bool bParalyse = false;
    bool bDetection = false;
    int numJoueur = 0;
    int numJoueurBis = 0;
    int faction = 0;
    std::list<CSPRITE*> plateformes;  // not owned
    std::string id;
    std::string sonDegats = "TOUCHE";
    std::string chaine2;
    int distancePatrouille = 0;
    bool bChuteVaisseauMort = false;
    int compteur14 = 1, compteur15 = 1;
    int numPlanIA = 2;
    int compteurDetection = 0;
    int periodeDetection = 15;
    RefPerso pPersoDetecte;
    bool bDetruireAuRechargement = false;
    std::string fichierScriptIA;
    bool drapeau13 = false;
    bool bMortLancee = false;
    bool bSupprimerMort = true;
    bool bVieInfinie = false;
    bool bBoostInfini = false;
    bool bMunitionsInfinies = false;
    bool bCreeParScript = false;
    bool bVieVisible = true;
    float tempsTeleportation = 0;
    bool bOmbre = true;
    bool bOmbreDynamique = true;
    int correctionY = 25;
    int ombreYFixe = 0;
    float ombreEchelle = 0.3f;
    float ombreMinScale = 0.15f;
    float ombreHmax = 350;
    bool bDevantParent = true;
    RefPerso tourelle;
    bool drapeau19 = false;
    int vitesseCourante = 1;
    int vitesseBas = 1;
    int compteur21 = 1;
    int poids = 10;
    int vie = 100;
    int vieMax = 100;
    std::list<MessagePerso*> messages;  // owned
    int vieParalysie = 100;
    bool bBouclier = false;
    bool bBouclierActif = false;
    int bouclierEnergie = 100;
    CSPRITE_SIMPLE* spriteSimple = nullptr;  // owned: the shield's light sprite
    CSPRITE* spriteBouclier = nullptr;       // owned: the explosion sprite
    sf::Sprite image;
    bool bOverlayEditeur = true;
    bool bSansDegats = false;
    int nbTirs = 0;
    int distanceRecul = 2;
    int modeCollisions = 0;
    int degats[2] = {0, 0};
    int posMitrailleuse[2] = {0, 0};
    int dernierePosParticules[2] = {0, 0};
    std::string chaine4;
    int compteur25 = 0, pasVertical = 0;
    std::vector<SlotArme*> armes;  // owned
    int armeCourante = -1;
    int nbarmesperso = 0;
    float reserveBouclier = 100;
    float usureBouclier = 0.05f;
    int directionPoussee = 0;
    // Fonts are shared by every character that uses the same file.
    std::shared_ptr<const sf::Font> policeTexte;  // "./polices/arial.ttf"
    sf::Text texte;
    std::shared_ptr<const sf::Font> policeFeu;    // cheminPolice
    sf::Text texteFeu;
    std::string cheminPolice = "./polices/chp-fire.ttf";
    int compteurMort = 0;
    std::vector<CapturePerso> captures;
    bool bCaptureDemandee = false;
    int compteur27 = 50;

    // ---- read by the level writer, the camera and the HUD ------------------------------
    std::string fichier;        // the ".per" file the character was made from
    int hauteurHitbox = 0;      // height of the hit box, framed by the camera
    bool bMonte = false;        // mounted: the camera's group framing leaves it out
    bool bHorsVue = false;      // left out of the group framing as well
    float ecartGroupeX = 0, ecartGroupeY = 0;  // offset from the group centre (camera mode 4)
    int numManette = 0;         // the pad shown by the two-player HUD
    bool bTemporaire = false;      // meteor-like AI: its model does not count as used
    int directionInitiale = 1;     // the facing it was made or placed with; revival returns to it
    bool bSupprime = false;        // removed by the editor: persoASupprimer takes it out of the list
    // Velocity given by force zones, in pixels per frame at 30 per second; the movement
    // steps move the character by it.
    float vitesseForceX = 0, vitesseForceY = 0;
    // The right button was down at the editor's last placing step: one AI placed per press.
    bool bDroitPlacement = false;

private:
    // Movement helpers (PersoMouvement.cpp): the foot point, head heights (0 standing,
    // 1 crouched), the probe of the body column at (dx, dy) and of a segment, the animation of
    // a family by aim, turning, and the limits that keep absurd file values from hanging a frame.
    // A step that probes several times looks up the level once and hands it to the probes
    // (null: no level, nothing is ever hit): its own world or its carrier's, else the active one.
    CDecor* decorActif() const;
    bool peutBouger() const;
    float piedsY() const;
    float tete(int i) const;
    CSPRITE* colonne(CDecor* decor, float dx, float dy, float h);
    // suivrePlateforme for the sprite a step found under or before the feet, without the call
    // when the sprite has none of the behaviours it reacts to (the walk asks it each probe step).
    void suivreSupport(int x, int y, CSPRITE* sol);
    [[gnu::noinline]] void animerAvecEnfants(int numero, float dx, float dy);
    CSPRITE* segment(float x1, float y1, float x2, float y2);
    CSPRITE* segment(CDecor* decor, float x1, float y1, float x2, float y2);
    void jouerFamille(const int famille[10], float dx, float dy);
    // The first free column at (dx, k) climbing from k = debut to -maxEscalier; 1 when none.
    int chercherMontee(CDecor* decor, float dx, float h, int debut);
    // The ground at (dx, k) for k = 1 .. maxEscalier - 1 (k = 0 is known free); -1 when none.
    int chercherSol(CDecor* decor, float dx, float h, CSPRITE*& sol);
    // Something above the head once it has risen by montee.
    bool plafond(float montee);
    // Room to stand up where the feet are.
    bool teteLibre();
    bool boucleTerminee() const;
    void passerEtat(int etat);
    void tourner(int d);
    // A count of frames at 30 fps as frames at the current rate (at least 1).
    static int dureeFrames(int frames);
    static int dureeFrames(int frames, float coeff);
    // A named sound through the game; silent without one.
    static void jouerSon(const std::string& nom);
    void animerMarche(float dx, float dy, bool bloque);
    int deplacerHorizontal(int d, float distance, const int famille[10]);
    void prendre(CPerso& tourelle);
    int resterDebout();
    // The ground below the shadow: its distance from y0 probing every pas pixels down to portee,
    // -1 when none.
    float chercherOmbre(float y0, int pas, int portee);
    // Footprints on soft ground and dust at the feet; atterrissage: the landing's larger marks.
    void marquerSol(bool atterrissage);
    // Ground that takes footprints and can be dug: its definition has a dig texture.
    static bool solMeuble(const CSPRITE* sd);
    // Command step helpers (PersoCommandes.cpp).
    bool reglesSaut(const CommandesJoueur& c);
    void deplacerLibrement(const CommandesJoueur& c);
    void brancheEtat(int dir, bool saut, bool accroupi);
    // The firing part of the command step: aim, fire at the slot's cadence, weapon switching,
    // or the turret held (PersoTir.cpp).
    void commandesTir(const CommandesJoueur& c);
    void deciderVisee(const CommandesJoueur& c);
    void tirCadence(const CommandesJoueur& c);
    // Two steps of the hit handler: life lost, and the hit state started.
    void subirDegats(int degats, int indirect);
    void commencerTouche();
    // Firing (PersoTir.cpp).
    int refuserTir(int munitions);
    void tirVise(const SlotArme& s, int signe);
    void tirVaisseau(const SlotArme& s, int signe);

    // Hits (PersoCoups.cpp, PersoMort.cpp).
    void ajouterMessage(int degats, bool vivant);
    void lancerShaderCoup();
    void mortOuParalysie();
    void mortJoueurMulti();
    void eliminerJoueur();
    void mortGenerale();
    void saigner();
    int animationMort();
    void explosionMort();
    // Melee (PersoMelee.cpp).
    int coupSimple(float dx, float dy);
    int coupAnime();
    int frapper(CPerso& victime, int indirect);
    void finCoup(bool arret);
    // Drawing steps (PersoDessin.cpp, PersoDessinEditeur.cpp).
    int codeDessin() const;
    void majVisee();
    void rechargerArmes();
    void dessinerLienCamera(sf::RenderTarget& cible);
    int dessinerOmbreEtEnfoncement();
    bool ombrePortee() const;
    void dessinerArme(sf::RenderTarget& cible, int couche);
    void dessinerEnfants(sf::RenderTarget& cible, bool plan);
    void dessinerCorps(sf::RenderTarget& cible, int coupe);
    void dessinerMortOuMunitions(sf::RenderTarget& cible);
    void dessinerBouclier(sf::RenderTarget& cible);
    void dessinerMasque(sf::RenderTarget& cible);
    void dessinerDessus(sf::RenderTarget& cible);
    void dessinerIcone(sf::RenderTarget& cible);
    void dessinerClignotement(sf::RenderTarget& cible);
    void dessinerMessages(sf::RenderTarget& cible);
    void dessinerBarreVie(sf::RenderTarget& cible);
    void dessinerOverlayEditeur(sf::RenderTarget& cible);
    void dessinerHitbox(sf::RenderTarget& cible, float zoom);
    void dessinerCheminEditeur(sf::RenderTarget& cible);
    void afficherConsole();
    // The sprite's size in pixels: a plain sprite's frame, a layered sprite's global rectangle.
    sf::Vector2f taillePixels() const;
    // Editor helpers (PersoEditeur.cpp).
    void actionMenuPerso(int index);
    void modifierEchelle(float pas);
    void tournerEditeur(float pas);
    int glisser(const sf::Vector2f& souris, bool gauche);

    // Copies the model's emitters and children into this character.
    void copierEmetteurs(const CPerso& modele);
    void copierEnfants(const CPerso& modele);
    void copierReglages(const CPerso& m);
    // The texts of the character; signalerEchec: say (once per run) that the font is missing.
    void chargerPolices(bool signalerEchec);
};

// Every character of the active level: players, then AIs.
void pourChaquePerso(const std::function<void(CPerso&)>& f);
// The animation of a state name. A name the sprite lacks is added with index 0, and a
// name mapped to -1 (a state list's unassigned state) plays animation 0 as well.
int animationEtat(CSPRITE3& s, const std::string& nom);
// The state of a decor sprite's bounce pad (0 idle, 1 pressed, 2 launch); 0 without one or off.
int getEtatRebond(const CSPRITE* sd);
// The first AI of the active level whose id is exactly id; null when none.
CPerso* trouverPersoParId(const std::string& id);
