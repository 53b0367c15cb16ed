#pragma once
// The script engine of one level world: owns its scripts, compiles their ".scp" files and
// runs them one step per frame.
#include "script/Script.h"
#include "script/ScriptFile.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>

#include <cstdint>
#include <istream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace sf { class RenderWindow; }

class CScriptEngine {
public:
    CScriptEngine();
    ~CScriptEngine();
    CScriptEngine(const CScriptEngine&) = delete;
    CScriptEngine& operator=(const CScriptEngine&) = delete;

    // One command step of every running script; 1.
    int lancerScripts();
    void dessinerPrints(sf::RenderWindow* fenetre);
    // Editor view of the trigger zones.
    void dessinerZones();

    // Compiles the script's file into its commands. A file that does not open (or a folder)
    // leaves the script as it was; only its labels are rebuilt.
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
    std::unique_ptr<sf::Text> pTexte;  // null when the font did not load
    uint8_t bBloc = 0;
    uint8_t bPasserPause = 0;
    CScript* pScriptRun = nullptr;
    CScript* pScriptEnChargement = nullptr;
    std::vector<std::unique_ptr<CScript>> scripts;
    int nbScripts = 0;  // always scripts.size()

private:
    void compiler(CScript& script);
    // Reads the arguments of one statement; false when the command is not to be kept.
    bool lireCommande(const std::string& motCle, const std::string& prefixe, std::wstring& texte,
                      int& compteur, bool& sortDuBloc);
    // Language prefix of the menus: "fr_" or "en_".
    static std::string langue();
};
