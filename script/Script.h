#pragma once
// One script of a level world: its compiled commands, labels, variables, return values,
// on-screen texts and trigger. Created and owned by the script engine.
#include "core/RefPerso.h"
#include "script/LigneIllisible.h"
#include "script/ScriptCommand.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Text.hpp>

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class CSPRITE;
class CPerso;

// Trigger types (`nDeclencheur`), as level, definition and animation files store them.
namespace declencheur {
constexpr int ZONE_JOUEUR = 0;     // a visible player character stands in the zone
constexpr int ZONE_CAMERA = 1;     // the camera position lies in the zone
constexpr int IMMEDIAT = 2;        // at once, while runs are left
constexpr int BOUTON_A = 3;        // 3-10: a button of the first player, a player in the zone
constexpr int BOUTON_B = 4;
constexpr int BOUTON_X = 5;
constexpr int BOUTON_Y = 6;        // also shows the zone cue while a player stands there
constexpr int BOUTON_RB = 7;
constexpr int BOUTON_LB = 8;
constexpr int BOUTON_START = 9;
constexpr int BOUTON_BACK = 10;
constexpr int ZONE_IA = 11;        // an AI stands in the zone
constexpr int CHRONO = 12;         // a countdown of nChrono seconds
constexpr int IMMEDIAT_PAUSE = 13; // at once, paused after each run (frame scripts)
} // namespace declencheur

// On a cache line of its own, which holds all that the run loop reads of an idle script.
class alignas(64) CScript {
public:
    CScript() = default;
    CScript(const CScript&) = delete;
    CScript& operator=(const CScript&) = delete;

    // Appends a command with a copy of the arguments, every counter at 0.
    void ajouterCommande(const std::string& motCle, std::vector<std::wstring> args);
    void setDeclencheur(int type) { nDeclencheur = type; }
    int getDeclencheur() const { return nDeclencheur; }
    // One line per command: keyword, nCompteur, then each argument in brackets ("[]" for an
    // empty one), in UTF-8. For tests and the script monitor.
    std::string listing() const;
    // The character models its IA commands name, as written (without quotes).
    std::vector<std::string> modelesIA() const;

    // What the run loop reads of every idle script each frame comes first, within the first
    // 64 bytes: a level holds thousands of idle zone scripts.
    int nDeclencheur = 0;      // the trigger type (see declencheur above)
    // Its removal was asked during a pass: it takes no step until the pass is over.
    bool bSupprime = false;
    bool bEnCours = false;
    bool bPause = false;
    bool bRelease = false;     // button triggers fire on release
    bool bDetruireFin = false; // removed once its runs are spent
    int nbRunMax = -1;         // -1: no limit
    int nbRunFaits = 0;
    CSPRITE* pSD = nullptr;    // decor sprite the script is attached to
    std::vector<std::unique_ptr<CScriptCommand>> commandes;
    RefPerso pIAPropre;        // the AI whose character file started the script
    int numCmdCour = 0;
    int nbCommandes = 0;       // always commandes.size()

    std::string strNom;
    std::string strFichier;    // the ".scp" path, used unchanged
    bool bDeclareDEC = false;  // declared by a ".dec" or ".anm" file, not saved with the level
    bool bActif = true;        // kept with the record; nothing in the scripts reads it
    bool bSupprimerAuRedemarrage = false;
    // Characters are checked references: null once the character is freed.
    RefPerso pPersoDeclencheur;  // the character whose presence fired the trigger
    RefPerso pIACourante;        // the script's current AI
    int nChrono = 0;
    int nCompteChrono = 0;
    std::unordered_map<std::string, int> labels;
    std::map<std::string, Variable> variables;
    std::vector<sf::Text> prints;
    std::vector<Variable> retours;

    // Layout of the message commands.
    int nPosImageX = 180, nPosImageY = 70;
    int nPosTexteX = 250, nPosTexteY = 10;
    int nPosFondX = 180, nPosFondY = 50;
    sf::Color couleurTexte = sf::Color(232, 232, 232, 255);
    float fEchelleFondX = 1.0f, fEchelleFondY = 1.0f;
    int nStyleTexte = 0;
    int nTailleTexte = 14;

    // The lines its last compilation skipped or did not read whole, in file order.
    std::vector<LigneIllisible> lignesIllisibles;

    // Made from a "SCRIPTRUN" line of the level file: the level writer saves exactly these.
    // Kept when the script is recompiled or restarted.
    bool bFichierNiveau = false;

    // Run state the engine keeps beside the fields above.
    // A "{" of this script is open: its next step runs on within the frame. Cleared by "}"
    // and when a run ends.
    bool bBlocOuvert = false;
    // Started by SCRIPTRUN: counts against the engine's cap on such scripts.
    bool bScriptRun = false;
    // Order in which the engine made it (from 1); 0 for a script the engine did not make.
    unsigned numCreation = 0;
};
