#pragma once
// One script of a level world: its compiled commands, labels, variables, return values,
// on-screen texts and trigger. Created and owned by the script engine.
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

class CScript {
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

    std::string strNom;
    std::string strFichier;  // the ".scp" path, used unchanged
    CSPRITE* pSD = nullptr;  // decor sprite the script is attached to
    bool bRelease = false;   // button triggers fire on release
    int nbRunMax = -1;       // -1: no limit
    int nbRunFaits = 0;
    bool bEnCours = false;
    std::vector<std::unique_ptr<CScriptCommand>> commandes;
    int nbCommandes = 0;  // always commandes.size()
    int numCmdCour = 0;
    bool bPause = false;
    bool bDeclareDEC = false;  // declared by a ".dec" or ".anm" file, not saved with the level
    bool bActif = true;        // kept with the record; nothing in the scripts reads it
    bool bSupprimerAuRedemarrage = false;
    bool bDetruireFin = false;
    CPerso* pPersoDeclencheur = nullptr;
    CPerso* pIACourante = nullptr;  // the script's current AI
    CPerso* pIAPropre = nullptr;    // the AI whose character file started the script
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

    int nDeclencheur = 0;
    // Made from a "SCRIPTRUN" line of the level file: the level writer saves exactly these.
    // Kept when the script is recompiled or restarted.
    bool bFichierNiveau = false;
};
