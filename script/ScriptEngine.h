#pragma once
// The script engine of one level world: owns its scripts, compiles their ".scp" files and
// runs them one step per frame.
//
// A frame always ends: within one pass of lancerScripts a script takes at most as many steps
// as it has commands, scripts made during the pass take none, and nothing destroys or
// recompiles a script while a pass (or a single step asked from outside) runs: such
// operations wait in a queue that runs once the pass is over.
#include "core/SpriteSimple.h"
#include "script/Script.h"
#include "script/ScriptFile.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>

#include <cstdint>
#include <functional>
#include <istream>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace sf { class RenderWindow; class RenderTarget; }
class CPLUXControlList;
class CPerso;
class CSPRITE3;
class CDecor;
struct MondeJeu;

class CScriptEngine;
// A command handler: runs the script's current command (see executerCommande).
using CommandeScript = void (CScriptEngine::*)(CScript*);
// Keyword -> handler, filled once by the handlers' families (enregistrerCommandes).
using TableCommandes = std::unordered_map<std::string, CommandeScript>;

// What a restart dropped of a script read from the level file, so that the level writer
// can still write its "SCRIPTRUN" line at its place (merged by creation number).
struct ScriptAbandonne {
    std::string strFichier;
    CSPRITE* pSD = nullptr;  // owner sprite; null for a level script
    int nDeclencheur = 0;
    bool bRelease = false;   // the first creation flag
    int nbRunMax = -1;
    int nChrono = 0;
    bool bSupprimerAuRedemarrage = false;
    unsigned numCreation = 0;
    std::vector<std::string> modelesIA;  // CScript::modelesIA
};

// The zone of a script's decor sprite in world pixels; not valide without one.
struct ZoneScript {
    bool valide = false;
    float x = 0, y = 0, largeur = 0, hauteur = 0;
};

class CScriptEngine {
public:
    // At most this many SCRIPTRUN scripts stay listed in one engine.
    static constexpr int NB_SCRIPTRUN_MAX = 256;
    // At most this many PRINT texts per script.
    static constexpr size_t NB_PRINTS_MAX = 100;

    CScriptEngine();
    ~CScriptEngine();
    CScriptEngine(const CScriptEngine&) = delete;
    CScriptEngine& operator=(const CScriptEngine&) = delete;

    // ---- creation and removal (ScriptEngine.cpp) -----------------------------------------
    CScript* creerScript(const std::string& fichier, CSPRITE* sd, int declencheur, int nbRunMax, bool bRelease,
                         bool bDeclareDEC);
    CScript* creerScriptEx(const std::string& nom, const std::string& fichier, CSPRITE* sd, int declencheur,
                           int nbRunMax, bool bRelease, bool bDeclareDEC);
    // Script i (valid index required); 1.
    int supprimerScript(int i);
    // 1 when i is a valid index and the script was removed (or queued), else 0.
    int supprimerScriptNum(int i);
    int supprimerScriptSiValide(int i) { return supprimerScriptNum(i); }
    int supprimerScriptNom(const std::string& nom);
    // 1 when the engine held the script.
    int supprimerScriptPtr(CScript* script);
    // Every script attached to the sprite, and the records of its dropped level-file scripts.
    void supprimerScriptsSD(CSPRITE* sd);
    void viderScripts();
    // A character is being freed: the scripts of its own AI and of its animated sprite go.
    void oublierPerso(CPerso* perso);
    // Restart of every script at a level (re)start, with the weapon fountains.
    void initFontainesDArmes();
    bool contient(const CScript* script) const;
    int indexDe(const CScript* script) const;
    // Index of the script of that creation number, -1 when it is gone. Queued work names
    // scripts by it: an address may be reused by a script made meanwhile.
    int indexCreation(unsigned numero) const;

    // ---- weapon fountains -----------------------------------------------------------------
    // The weapons of the options' "Fountain weapons" row.
    static constexpr int NB_ARMES_FONTAINE = 9;
    // An enabled weapon (flag 1 of CSFMLJeu::armesFontaine) below `limite`, -1 when none is.
    int choisirArmeAuHasard(int limite = NB_ARMES_FONTAINE);
    // A fountain's weapon: enabled, and in a slot of every player's character of the active
    // world (a fountain gives slot w of the row's weapon w); -1 when none is.
    int choisirArmeFontaine();
    // Weapon w of a fountain may go to p: enabled, and p has slot w.
    static bool armeDonnable(int w, const CPerso& p);
    // Shows weapon w (0-8) on the fountain of the script's sprite; other values change nothing.
    void afficherArmeFontaine(CScript* script, int w);
    // The fountain of the script's sprite lit with weapon w (animation 0, its lights, the
    // weapon over it), or, for no weapon (w < 0), out: dark, nothing over it, nothing to take.
    void allumerFontaine(CScript& script, int w);
    // Each weapon fountain of the script lit with a weapon drawn, or out when none can be.
    void preparerFontaines(CScript& script);

    // ---- lookups shared by the handlers ---------------------------------------------------
    void setVariableGlobale(const std::string& nom, const std::string& valeur);
    CScript* getScriptNom(const std::string& nom) const;
    CPerso* chercherIA(const std::string& id) const;
    CSPRITE* chercherSD(const std::string& id) const;
    CSPRITE3* chercherSprite3(const std::string& nom) const;
    int jouerSonSD(CSPRITE* sd);
    // The animation editor's current animated sprite, first candidate of chercherSprite3;
    // the animation editor sets it (null while it has none or does not exist).
    static std::function<CSPRITE3*()> spriteEditeurAnimations;
    // How CHARGERNIV changes the level, after the pass: the world's restart (redemarrer) with
    // the zone, or its load of the path. The level world's own calls; tests may watch them.
    static std::function<void(CDecor& monde, const std::string& chemin, int zone, bool redemarrer)> changerMonde;

    // ---- services of the handlers ---------------------------------------------------------
    // Moves another script on by one command; past its last command its run closes as a
    // finished one.
    void avancerScript(CScript* script);
    // A count of frames at 30 per second as a count at the current rate: trunc(n / coeff),
    // at least 1 when n >= 1.
    int imagesAuTaux(int n) const;
    // A chrono period in seconds as the countdown of trigger 12: trunc(seconds x 30 / coeff).
    int imagesChrono(int secondes) const;
    // Runs the action now, or after the pass when a pass or a single step is running.
    void apresPasse(std::function<void()> action);
    bool passeEnCours() const { return nPasse > 0; }
    // The records of dropped level-file scripts of an owner (null: the level's own).
    std::vector<ScriptAbandonne> scriptsAbandonnesDe(const CSPRITE* proprietaire) const;

    // ---- run loop (ScriptBoucle.cpp) ------------------------------------------------------
    // One pass over the scripts; 1.
    int lancerScripts();
    void prefetcherScripts(size_t i) const;
    // The trigger zone of the script's decor sprite, in whole pixels: truncated as the
    // triggers use it, or rounded as the editor's view draws it.
    static ZoneScript zoneScript(const CScript& script, bool arrondir = false);
    // Skipped by the pass and the zone view: a sprite of another zone, or an own AI while
    // the game's AI switch is off.
    bool estFiltre(const CScript& script) const;
    // Steps taken by the last pass, and the most it was allowed.
    int nbEtapesPasse = 0;
    int borneEtapesPasse = 0;
    // A DRAWMSG box is shown and waits in this pass (melee reads it on the active engine).
    bool bMessageAffiche = false;

    // ---- dispatcher (ScriptCommandes.cpp) ---------------------------------------------------
    // One step of a running script: -1 when its index was outside its commands, else 1.
    int executerCommande(CScript* script);
    static const TableCommandes& tableCommandes();

    // ---- values, variables and flow (ScriptValeurs.cpp) -------------------------------------
    // The command at numCmdCour, null when the index lies outside the commands.
    static CScriptCommand* commandeCourante(const CScript* script)
    {
        if (!script || script->numCmdCour < 0 || script->numCmdCour >= static_cast<int>(script->commandes.size()))
            return nullptr;
        return script->commandes[static_cast<size_t>(script->numCmdCour)].get();
    }
    // Sets bFait of the current command: the handler ran.
    static void marquerFait(CScript* script)
    {
        if (CScriptCommand* c = commandeCourante(script))
            c->bFait = 1;
    }
    std::string getArgString(const CScript* script, int k) const;
    std::wstring getArgWString(const CScript* script, int k) const;
    int getArgInt(const CScript* script, int k) const;
    float getArgFloat(const CScript* script, int k) const;
    static int texteVersInt(const std::string& texte);
    static float texteVersFloat(const std::string& texte);
    static bool estFlottant(const std::string& texte);
    // What an operand of "=" or IF that names no variable is read as: a number, or a text
    // in double quotes.
    static std::string operandeLuComme(const std::string& operande);
    static std::string getVariableTexte(const CScript* script, const std::string& nom);
    static float getVariableFloat(const CScript* script, const std::string& nom);
    static int getVariableInt(const CScript* script, const std::string& nom);
    static std::string texteValeur(const Variable& v);
    static void ajouterRetourInt(CScript* script, int valeur);
    static void ajouterRetourFloat(CScript* script, float valeur);
    static void ajouterRetourString(CScript* script, const std::string& texte);

    void cmdEgal(CScript* s);
    void cmdIF(CScript* s);
    void cmdGOTO(CScript* s);
    void cmdSETVARIABLE(CScript* s);
    void cmdGETVARIABLEINT(CScript* s);
    void cmdGETVARIABLEFLOAT(CScript* s);
    void cmdGETVARIABLESTRING(CScript* s);
    void cmdRAND(CScript* s);

    // ---- texts, pauses, started scripts, monitor (ScriptTextes.cpp) ------------------------
    void cmdPRINT(CScript* s);
    void cmdCLRPRINT(CScript* s);
    void cmdPAUSE(CScript* s);
    void cmdSCRIPTRUN(CScript* s);
    void dessinerPrints(sf::RenderWindow* fenetre);
    // Editor view of the trigger zones, into the scene render texture.
    void dessinerZones();
    void dessinerZones(sf::RenderTarget& cible);
    void remplirListeVariables(const CScript* script, CPLUXControlList* liste) const;

    // ---- message resources (ScriptMessages.cpp) ------------------------------------------------
    // Filled from "jeu.ini" ("FONDINFO", "BULLE", "IMGPARLE", "IMGPARLE2") for each engine,
    // each with its own copy; false when the file did not load (the old resource stays).
    bool chargerFondMessage(const std::string& fichier);
    bool chargerBulle(const std::string& fichier);
    bool ajouterImageParle(const std::string& nom, const std::string& fichier);
    bool ajouterImageParle2(const std::string& nom, const std::string& fichierDec);

    // ---- handlers of the command families -------------------------------------------------
    // AI and character commands (ScriptIA.cpp).
    void cmdSETIASTATE(CScript* s);
    void cmdIAPATROL(CScript* s);
    void cmdSETIDIA(CScript* s);
    void cmdIASHOOT(CScript* s);
    void cmdINITIADEF(CScript* s);
    void cmdISIADETECTPERSO(CScript* s);
    void cmdISIAALERT(CScript* s);
    void cmdGETIDIA(CScript* s);
    void cmdGETIALIFE(CScript* s);
    void cmdGETIALIFEMAX(CScript* s);
    void cmdGETIAPOSX(CScript* s);
    void cmdGETIAPOSY(CScript* s);
    void cmdGETIAPOS(CScript* s);
    void cmdGETIASHOOTANGLE(CScript* s);
    void cmdISIAVISIBLE(CScript* s);
    void cmdINITIADETECTPERSO(CScript* s);
    void cmdSETIADETECTDIR(CScript* s);
    void cmdSETIACHANGEDIRAUTO(CScript* s);
    void cmdSETIASHIP(CScript* s);
    void cmdSETIADUST(CScript* s);
    void cmdSETIASPEED(CScript* s);
    void cmdSETIASHOOTANGLE(CScript* s);
    void cmdSETIAFACTION(CScript* s);
    void cmdIAGENERALALERT(CScript* s);
    void cmdINITIASHOOTANGLE(CScript* s);
    void cmdIADESTROYONRELOAD(CScript* s);
    void cmdIAMODE(CScript* s);
    void cmdIAANIM(CScript* s);
    void cmdIA_POSITION(CScript* s);
    void cmdIA_VISIBLE(CScript* s);
    void cmdOMBREIA(CScript* s);
    void cmdIA(CScript* s);
    void cmdSCALEIA(CScript* s);
    void cmdTEXTURE_PER(CScript* s);
    void cmdCHANGEDIRPERSO(CScript* s);
    void cmdTUE_PERSO(CScript* s);
    void cmdIAEXIT(CScript* s);
    void cmdGETZEPHGRAVPOS(CScript* s);
    void cmdPERSO_VISIBLE(CScript* s);
    void cmdINFOS_VIE(CScript* s);
    void cmdSETINFOSVISIBLE(CScript* s);
    // Key points, paths, groups, doors, teleporters and walks (ScriptChemins.cpp).
    void cmdKP_INIT(CScript* s);
    void cmdKPG(CScript* s);
    void cmdKP(CScript* s);
    void cmdATTENDRE_FIN_ANIMKP(CScript* s);
    void cmdANIMKP_ONOFF(CScript* s);
    void cmdSETKPPAUSE(CScript* s);
    void cmdSETKPSTEPBYSTEP(CScript* s);
    void cmdISKPPAUSE(CScript* s);
    void cmdGETKPNUM(CScript* s);
    void cmdGETKPNB(CScript* s);
    void cmdGETKPPOS(CScript* s);
    void cmdGETKPNEXTPOS(CScript* s);
    void cmdBOUGE_GROUPE(CScript* s);
    void cmdPORTE_ONOFF(CScript* s);
    void cmdTELEPORTEVERS(CScript* s);
    void cmdDEPLACE(CScript* s);
    // Decor sprites and pickups (ScriptSprites.cpp).
    void cmdSETSDVISIBLE(CScript* s);
    void cmdSETSDPOS(CScript* s);
    void cmdSETSDCOLOR(CScript* s);
    void cmdISSDVISIBLE(CScript* s);
    void cmdGETSDPOS(CScript* s);
    void cmdGETIDSD(CScript* s);
    void cmdSDANIM(CScript* s);
    void cmdCHANGE_ANIM(CScript* s);
    void cmdPHYSPARTICULE(CScript* s);
    void cmdSETETATPARTICULESSP3(CScript* s);
    void cmdADD_OVER(CScript* s);
    void cmdCHUTE(CScript* s);
    void cmdFONTAINEDARMES(CScript* s);
    void cmdINVERTOLITE(CScript* s);
    void cmdPADSOTOLITE(CScript* s);
    // Messages and dialogue (ScriptMessages.cpp).
    void cmdSETMSGBG(CScript* s);
    void cmdSETMSGBGPOS(CScript* s);
    void cmdSETMSGIMGPOS(CScript* s);
    void cmdSETMSGTXTPOS(CScript* s);
    void cmdSETMSGTXTCOLOR(CScript* s);
    void cmdSETMSGTXTSIZE(CScript* s);
    void cmdSETMSGTXTSTYLE(CScript* s);
    void cmdDRAWMSG(CScript* s);
    void cmdPARLE(CScript* s);
    void cmdNOPARLE(CScript* s);
    void cmdSETWAITMESSAGEVISIBLE(CScript* s);
    // View, sound, effects and level changes (ScriptVue.cpp).
    void cmdGETVUEX(CScript* s);
    void cmdGETVUEY(CScript* s);
    void cmdGETVUEZOOM(CScript* s);
    void cmdWORLDTOSCREEN(CScript* s);
    void cmdSCROLL(CScript* s);
    void cmdZOOMVUE(CScript* s);
    void cmdCMD_ZOOM(CScript* s);
    void cmdRUNFUNCTION(CScript* s);
    void cmdVIBRATION(CScript* s);
    void cmdJOUE(CScript* s);
    void cmdPLAYSON(CScript* s);
    void cmdEXPLOSION(CScript* s);
    void cmdEFFET_PLANTE_BOOST(CScript* s);
    void cmdVOILEACTIF(CScript* s);
    void cmdVOILE(CScript* s);
    void cmdINITSHADERGLOBAL(CScript* s);
    void cmdRELOAD(CScript* s);
    void cmdCHARGERNIV(CScript* s);

    // ---- compiler (ScriptChargement.cpp) ------------------------------------------------------
    // Compiles the script's file into its commands. A file that does not open (or a folder)
    // leaves the script as it was; only its labels are rebuilt. On a script of the engine
    // during a pass, it waits for the end of the pass.
    void chargerScript(CScript* script);
    // The same on text already at hand.
    void chargerScriptFlux(CScript* script, std::istream& flux);
    // Label name -> index of its ":" command; a repeated label keeps the last one.
    void construireLabels(CScript* script);
    // Arguments the compiler reads for a keyword; -1 for a keyword outside the table.
    static int nbArgumentsMotCle(const std::string& motCle);
    // Every keyword of that table with its number of arguments.
    static std::vector<std::pair<std::string, int>> motsCles();
    // The skipped or unreadable lines last written on the console, by file: a file compiled
    // again with the same lines (a restart, scripts sharing it) is not named again. A level
    // load forgets them.
    std::map<std::string, std::vector<LigneIllisible>> lignesSignalees;

    CScriptFile fichier;
    std::vector<std::wstring> argumentsLigne;
    std::map<std::string, std::string> variablesGlobales;
    sf::Font police;
    bool bPoliceChargee = false;
    // Always made; draws nothing when the font did not load.
    std::unique_ptr<sf::Text> pTexte;
    uint8_t bBloc = 0;
    uint8_t bPasserPause = 0;
    CScript* pScriptRun = nullptr;
    CScript* pScriptEnChargement = nullptr;
    std::vector<std::unique_ptr<CScript>> scripts;
    int nbScripts = 0;  // always scripts.size()
    // Per-frame counters of ANIMKP_ONOFF and PORTE_ONOFF, reset by each pass.
    int nbAnimKPImage = 0;
    int nbPorteImage = 0;
    std::vector<ScriptAbandonne> scriptsAbandonnes;

    // State of the handler families. Message resources: the message-box background, the
    // speech bubble, the still and the animated speaker images by name.
    sf::Texture textureFondMessage;
    sf::Texture textureBulle;
    std::map<std::string, std::unique_ptr<sf::Texture>> imagesParle;
    std::map<std::string, std::unique_ptr<CSPRITE_SIMPLE>> spritesParle;
    // The three lines of the message being shown, then its prompt as a keyboard player reads
    // it: one text each, so that a line that stays the same from frame to frame is not laid
    // out again.
    sf::Text textesLignes[4];
    uint8_t octetMessages = 0;  // kept with the record; nothing reads it
    // Speech layout: box x, box y and the text's offset from the box.
    int nBulleX = 100, nBulleY = 500;
    int nReserve1080 = 1080, nReserve200 = 200;  // kept with the record; nothing reads them
    int nDecalageTexteBulle = 250;
    // Frames left of the running CHARGERNIV fade.
    int nCompteurFondu = 255;
    // CHANGEDIRPERSO: degrees per step at 30 frames per second, and the turn so far (for
    // every script of the engine).
    int nPasTourne = 5;
    float fCumulTourne = 0;
    // A ZOOMVUE has already moved on the scripts standing on ZOOMVUE in this pass.
    bool bZoomVueImage = false;

private:
    void compiler(CScript& script);
    // Reads the arguments of one statement; false when the command is not to be kept.
    bool lireCommande(const std::string& motCle, const std::string& prefixe, std::wstring& texte,
                      int& compteur, bool& sortDuBloc);
    // Names what the statement's arguments, not yet read, make it take otherwise than
    // written (ScriptVerifications.cpp).
    void verifierArguments(const std::string& motCle, int nbArguments);
    void verifierOperation(const std::string& a, const std::string& op, const std::string& b);
    void verifierOperandes(const std::string& a, const std::string& b);
    void verifierCondition(std::string_view ecrits, size_t nbEcrits);
    // Language prefix of the menus: "fr_" or "en_".
    static std::string langue();
    // The reader's findings become the script's; the console names them when they changed.
    void releverLignesIllisibles(CScript& script);

    // Removal now, by pointer; outside a pass only.
    void detruireScript(size_t i);
    // Removal now, or marked and queued during a pass; its sprite is forgotten at once.
    void retirerScript(CScript* script);
    void oublierAbandonnes(const CSPRITE* sd);
    void abandonner(const CScript& script);
    void redemarrerScript(CScript& script);
    void executerActionsDifferees();
    // The script monitor rebuilds its list (development switch, dialog present).
    static void rafraichirMoniteur();
    // The active level world, null without a game.
    static CDecor* monde();
    // The game's framerateCoeff, 1 without a game or when it holds no usable value.
    static float coefficient();

    // Run loop.
    void nettoyer();
    void executerBloc(CScript* s);
    void declencher(CScript* s);
    bool chronoEcoule(CScript& s);
    CPerso* persoDansZone(const ZoneScript& z, bool ias, bool visibles);
    // The characters' segments, read once for the idle scripts between two steps (a step may
    // move, make or free characters).
    struct SegmentPerso {
        CPerso* perso;
        float x, bas, haut;
        bool visible;
    };
    void lireSegmentsPersos();
    std::vector<SegmentPerso> segmentsJoueurs, segmentsIAs;
    bool bSegmentsAJour = false;

    // Per-pass state of the handlers, cleared when a pass starts.
    void debutPasseCommandes();
    // The active level's player characters, then its AIs (a copy: a step may change them).
    static std::vector<CPerso*> persosDuNiveau();
    // Where an AI command finds its AI when its id argument is empty.
    enum class SiVide { Chercher, Courante, Propre };
    // The AI named by argument k (the empty id names the current or own AI as asked).
    CPerso* iaArg(const CScript* s, int k, SiVide siVide) const;
    // The AI of the level with that id or, when enfant is not empty, its attached character of
    // that id; the last match in list order wins. Null when none.
    CPerso* iaOuEnfant(const std::string& id, const std::string& enfant) const;
    // The target rule of the path commands: empty = the current AI's sprite, else the
    // script's sprite; otherwise the sprite of the AI of that id, else the decor sprite.
    CSPRITE* spriteCible(const CScript* s, int k) const;
    // The decor sprite of argument k; with propre, the empty id names the script's own.
    CSPRITE* sdArg(const CScript* s, int k, bool propre) const;
    // Handlers sharing a body.
    void pousserIA(CScript* s, SiVide siVide, void (*lire)(CScript*, CPerso*));
    void drapeauIA(CScript* s, SiVide siVide, bool CPerso::*champ);
    void lireKP(CScript* s, bool suivant);
    void pastille(CScript* s, bool CPerso::*garde, bool CPerso::*autre);
    void dessinerMessage(CScript* s, sf::RenderWindow& f);
    void dessinerBulle(CScript* s, sf::RenderWindow& f, int& decalage);
    void dessinerInviteBulle(sf::RenderWindow& f, int decalage);
    void changerNiveau(const std::string& chemin, const std::string& dossier, int zone);
    bool bougerMembre(CSPRITE* sd, float dx, float dy, int direction);
    void ecraserPersos();
    static void enregistrerIA(TableCommandes& t);
    static void enregistrerChemins(TableCommandes& t);
    static void enregistrerSprites(TableCommandes& t);
    static void enregistrerMessages(TableCommandes& t);
    static void enregistrerVue(TableCommandes& t);
    // The level change CHARGERNIV asked for in this pass (the last one asked wins).
    struct ChangementNiveau {
        std::string chemin, dossier;
        int zone = 0;
    };
    std::unique_ptr<ChangementNiveau> changementNiveau;

    // Dispatcher.
    int etape(CScript* s);
    void finirRun(CScript* s, bool courant);
    void lancerCommande(CScript* s, CScriptCommand& c);
    void lancerSansGestionnaire(CScript* s, CScriptCommand& c);
    static void enregistrerCommandes(TableCommandes& t);
    static void enregistrerValeurs(TableCommandes& t);
    static void enregistrerTextes(TableCommandes& t);
    static void enregistrerInline(TableCommandes& t);
    void cmdBACKTOMENU(CScript* s);
    void cmdSTOPIA(CScript* s);
    void cmdRUNIA(CScript* s);
    void cmdBASCULE(CScript* s);
    void cmdCHECKPOINT(CScript* s);

    // Depth of passes and outside single steps; the queue runs when it falls back to 0.
    int nPasse = 0;
    std::vector<std::function<void()>> actionsDifferees;
    // Shared by the game's engines: a number names one script only, whichever engine made it.
    static inline unsigned numCreationSuivant = 1;
};

// The script hooks of the foundation (creation in the active engine; pause, resume, removal and
// creation number only of a script one of the game's two engines holds). CSFMLJeu::init calls it;
// tests that skip init call it themselves.
void installerServicesScripts(MondeJeu& jeu);
