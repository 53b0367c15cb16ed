#pragma once
// The script monitor ("JeuDialogScripts"): lists the scripts of the active engine that belong
// to the editor's selection (all of them when nothing is selected), shows one of them with its
// settings, state, commands and variables, the AIs made during play, and drives the scripts:
// new, delete, reload, run and pause, one command at a time. It owns no script and keeps no
// copy of one: each refresh reads the engine and the level through the game object.
#include "gui/CPLUXDialog.h"

#include <string>
#include <vector>

class CScript;
class CScriptEngine;

class CJeuDialogScripts : public CPLUXDialog {
public:
    CJeuDialogScripts() = default;
    ~CJeuDialogScripts() override = default;

    // ---- listing and display (JeuDialogScripts.cpp) --------------------------------------
    // Lists the scripts of the selection again, then refills every control.
    void refreshListeScripts();
    // Refills every control from the shown script.
    void rafraichir();
    // The library's drawing, then the shown script's state, current command and variables.
    void draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy) override;
    // A rebuild asked from outside (script made, run ended, selection changed, level loaded):
    // marked, and done once before the next draw, command or showing, however many came.
    void onRefresh() override;
    void onShow() override;

    // ---- commands (JeuDialogScriptsCommandes.cpp) -----------------------------------------
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    void onCtrlInputChange(CPLUXControlTextInput* c) override;
    void onCtrlCheckChange(CPLUXControlButtonCheck* c) override;
    void onCtrlComboChange(CPLUXControlComboBox* c) override;

    int numScript = 0;               // position of the shown script in listeScripts
    std::vector<int> listeScripts;   // engine index of each listed script, in the engine's order
    int nbScripts = 0;
    bool bRefreshAutoVariables = true;
    bool bScriptsRun = true;         // the run-or-pause-all switch stands on run

    // Rebuilds done so far (the tests and the benchmark count them).
    int nbReconstructions = 0;

private:
    // The active engine, null without a game.
    static CScriptEngine* moteur();
    // The list still names what the engine holds: same engine, same count, each listed
    // script still at its index. Listed pointers are compared, never followed.
    bool listeValide() const;
    // Rebuilds when a rebuild was asked or the engine changed under the list.
    void mettreAJour();
    // The shown script, after mettreAJour; null when nothing is listed.
    CScript* scriptAffiche() const;

    void afficherVide();
    void afficherReglages(const CScript& s);
    // Over the commands: whether the shown script's file is there to be read.
    void afficherFichier(const std::string& fichier);
    // State, current command and runs done, the part that follows the script every frame.
    void afficherEtat(const CScript& s);
    void remplirCommandes(const CScript& s);
    // The lines of its file its last compilation skipped or did not read whole.
    void remplirIllisibles(const CScript& s);
    void remplirVariables(const CScript& s);
    void remplirScripts();
    void remplirObjets();

    // Commands of the table of onPressLeft.
    void precedent();
    void suivant();
    void nouveau();
    void supprimer();
    void rechargerTous();
    void recharger();
    void lancer();
    void pauser();
    void basculerTous();
    void commandeSuivante();
    void commandePrecedente();
    void unPas();
    void choisirDansListe(int ligne);
    // Reload's removal of the AIs that scripts of S's file made, with their scripts.
    void supprimerObjetsDe(const CScript& s);

    bool bAReconstruire = true;
    // The script whose settings the fields show (compared, never followed).
    const CScript* scriptRegle = nullptr;
    unsigned numCreationRegle = 0;
    const CScriptEngine* moteurLu = nullptr;
    size_t nbScriptsMoteurLu = 0;
    std::vector<const CScript*> scriptsListes;  // beside listeScripts, for the checks
};
