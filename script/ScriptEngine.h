#pragma once
// The script engine of one level world: owns its scripts, compiles their ".scp" files and
// runs them one step per frame.
//
// A frame always ends: within one pass of lancerScripts a script takes at most as many steps
// as it has commands, scripts made during the pass take none, and nothing destroys or
// recompiles a script while a pass (or a single step asked from outside) runs: such
// operations wait in a queue that runs once the pass is over.
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
#include <unordered_map>
#include <vector>

namespace sf { class RenderWindow; class RenderTarget; }
class CPLUXControlList;
class CSPRITE3;
class CDecor;
class CSFMLJeu;

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
    // An enabled weapon (flag 1 of CSFMLJeu::armesFontaine), -1 when none is.
    int choisirArmeAuHasard();
    // Shows weapon w (0-8) on the fountain of the script's sprite; other values change nothing.
    void afficherArmeFontaine(CScript* script, int w);

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

private:
    void compiler(CScript& script);
    // Reads the arguments of one statement; false when the command is not to be kept.
    bool lireCommande(const std::string& motCle, const std::string& prefixe, std::wstring& texte,
                      int& compteur, bool& sortDuBloc);
    // Language prefix of the menus: "fr_" or "en_".
    static std::string langue();

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

    // Dispatcher.
    int etape(CScript* s);
    void finirRun(CScript* s, bool courant);
    void lancerCommande(CScript* s, CScriptCommand& c);
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
    unsigned numCreationSuivant = 1;
};

// The four script hooks of the foundation (creation in the active engine; pause, resume and
// removal only of a script one of the game's two engines holds). CSFMLJeu::init calls it;
// tests that skip init call it themselves.
void installerServicesScripts(CSFMLJeu& jeu);
