// The script monitor's listing and display: which scripts the selection lists, the texts,
// states and markers of the shown script, the AIs made during play, and rebuilds that stay
// inside the engine's list however it changes between frames.
#include "OutilsMoniteur.h"

#include "gui/plux_theme.h"

using Lignes = std::vector<std::string>;

class MoniteurScripts : public MoniteurTest {};

TEST_F(MoniteurScripts, TheSelectionDecidesWhichScriptsAreListed)
{
    CSPRITE* sd = sprite(2, "DEC");
    CSPRITE* vide = sprite(2, "DEC");
    CPerso* ia = perso(true, 600, 400);
    script("niveau.scp", "PRINT(a;0;0)");
    script("sd1.scp", "", sd);
    script("sd2.scp", "", sd);
    script("ia.scp", "", ia->sprite)->pIAPropre = ia;
    struct Cas {
        CSPRITE* sprite;
        CPerso* perso;
        std::vector<int> listes;
        const char* titre;
    };
    const char* const NIVEAU = "Tous les scripts du niveau.";
    const char* const SPRITE = "Tous les scripts du sprite sélectionné.";
    const Cas cas[] = {
        {nullptr, nullptr, {0, 1, 2, 3}, NIVEAU},
        {sd, nullptr, {1, 2}, SPRITE},
        {nullptr, ia, {0, 3}, NIVEAU},  // the scripts of no sprite, and its own
        {sd, ia, {1, 2, 3}, SPRITE},
        {vide, nullptr, {}, "Pas de script."},
    };
    for (const Cas& c : cas) {
        decor().pSDSelection = c.sprite;
        jeu->pPersoSelection = c.perso;
        mon->refreshListeScripts();
        EXPECT_EQ(mon->listeScripts, c.listes) << "sprite " << c.sprite << ", character " << c.perso;
        EXPECT_EQ(mon->nbScripts, static_cast<int>(c.listes.size()));
        EXPECT_EQ(texte(ids::TEXTE_TITRE), c.titre);
    }
    EXPECT_EQ(texte(ids::SAISIE_NB_RUN), "-1") << "the empty display";
    EXPECT_EQ(texte(ids::TEXTE_NB), "0");

    decor().pSDSelection = nullptr;
    jeu->pPersoSelection = nullptr;
    mon->refreshListeScripts();
    EXPECT_EQ(lignes(ids::LISTE_SCRIPTS)[0], "1|niveau.scp   (en attente...)") << "scripts count from 1";
    EXPECT_EQ(lignes(ids::LISTE_COMMANDES), Lignes{"0|PRINT(a ; 0 ; 0)"}) << "commands count from 0";
}

TEST_F(MoniteurScripts, StatesCommandsAndMarkersOfTheShownScript)
{
    CScript* s = script("s.scp", "SETVARIABLE(x;3)\n:FIN\nPRINT(\"a\";1;2)", nullptr, declencheur::CHRONO, 1);
    s->nChrono = 7;
    s->bRelease = true;
    s->variables["x"] = Variable{Variable::Entier, 0, 3, ""};
    struct Cas {
        bool enCours, pause, run;
        int runsFaits, numCmd, nbRunMax;
        const char *etat, *cmd, *marque;
    };
    const Cas cas[] = {
        {false, false, true, 0, 0, 1, "en attente...", "", "   (en attente...)"},
        {false, false, true, 1, 0, 1, "terminé", "", "   (fini)"},
        {false, false, true, 5, 0, -1, "en attente...", "", "   (en attente...)"},
        {true, false, true, 0, 1, 1, "en cours...", ":FIN", "   (en cours...)"},
        {true, true, true, 0, 0, 1, "en pause...", "SETVARIABLE(x ; 3)", "   (en pause...)"},
        {true, true, false, 0, 2, 1, "en pause...", "PRINT(\"a\" ; 1 ; 2)", "    (PAUSE)"},
        {false, true, false, 0, 0, 1, "en attente...", "", "    (PAUSE)"},
        {true, false, false, 0, 2, 1, "en cours...", "PRINT(\"a\" ; 1 ; 2)", "    (RUN)"},
        // Past its commands a running script keeps the last command shown.
        {true, false, false, 0, 3, 1, "en cours...", "PRINT(\"a\" ; 1 ; 2)", "    (RUN)"},
        {false, false, false, 0, 0, 1, "en attente...", "", ""},
    };
    for (const Cas& c : cas) {
        s->bEnCours = c.enCours;
        s->bPause = c.pause;
        s->nbRunFaits = c.runsFaits;
        s->numCmdCour = c.numCmd;
        s->nbRunMax = c.nbRunMax;
        mon->bScriptsRun = c.run;
        mon->refreshListeScripts();
        const std::string ligne = "runs " + std::to_string(c.runsFaits) + "/" + std::to_string(c.nbRunMax) +
                                  (c.enCours ? " running" : "") + (c.pause ? " paused" : "");
        EXPECT_EQ(texte(ids::SAISIE_ETAT), c.etat) << ligne;
        EXPECT_EQ(texte(ids::SAISIE_CMD), c.cmd) << ligne;
        EXPECT_EQ(lignes(ids::LISTE_SCRIPTS), Lignes{"1|s.scp" + std::string(c.marque)}) << ligne;
        EXPECT_EQ(texte(ids::SAISIE_NUM_CMD), std::to_string(c.numCmd));
    }
    EXPECT_EQ(mon->ctrlButton(ids::BOUTON_TOUS)->getText(), "Lance tous les scripts");
    EXPECT_EQ(lignes(ids::LISTE_COMMANDES), (Lignes{"0|SETVARIABLE(x ; 3)", "1|:FIN", "2|PRINT(\"a\" ; 1 ; 2)"}));
    EXPECT_EQ(lignes(ids::LISTE_VARIABLES), Lignes{"0|x=3"});
    EXPECT_EQ(texte(ids::SAISIE_SCRIPT), "s.scp");
    EXPECT_EQ(texte(ids::SAISIE_CHRONO), "7");
    EXPECT_EQ(texte(ids::SAISIE_POS), "1");
    EXPECT_EQ(mon->ctrlComboBox(ids::COMBO_DECLENCHEUR)->getNumSel(), declencheur::CHRONO);
    EXPECT_TRUE(mon->ctrlButtonCheck(ids::CASE_RELEASE)->isChecked());
    EXPECT_EQ(texte(ids::TEXTE_INFO_DEC_NIV), "Script déclaré dans un DEC ou un ANM (non sauvegardé dans le NIV)")
        << "a script the level file does not keep";
    s->bFichierNiveau = true;
    mon->rafraichir();
    EXPECT_EQ(texte(ids::TEXTE_INFO_DEC_NIV), "Script non déclaré dans un DEC ou un ANM (sauvegardé dans le NIV)");

    // Every frame the state, command, runs and variables follow the script; the rest waits.
    s->bEnCours = true;
    s->bPause = false;
    s->numCmdCour = 0;
    s->nbRunFaits = 4;
    s->strFichier = "autre.scp";
    s->variables["y"] = Variable{Variable::Texte, 0, 0, "oui"};
    image();
    EXPECT_EQ(texte(ids::SAISIE_ETAT), "en cours...");
    EXPECT_EQ(texte(ids::SAISIE_CMD), "SETVARIABLE(x ; 3)");
    EXPECT_EQ(texte(ids::SAISIE_RUNS_FAITS), "4");
    EXPECT_EQ(lignes(ids::LISTE_VARIABLES), (Lignes{"0|x=3", "1|y=oui"}));
    EXPECT_EQ(mon->ctrlList(ids::LISTE_COMMANDES)->getNumSel(), 0);
    EXPECT_EQ(texte(ids::SAISIE_SCRIPT), "s.scp") << "the file shows at the next refresh";

    // The lines its file could not read whole: the line's number and why, then the line, each
    // wrapped into rows that the column shows whole.
    EXPECT_TRUE(lignes(ids::LISTE_ILLISIBLES).empty());
    std::istringstream flux("PRINT(a;0;0)\nPAUZE(3)\nPRINT(\"un texte sans fin qui deborde de la colonne;0;0)\n");
    moteur->chargerScriptFlux(s, flux);
    mon->rafraichir();
    EXPECT_EQ(texte(ids::TEXTE_ILLISIBLES), "Lignes non lues (2)");
    const Lignes rangs = lignes(ids::LISTE_ILLISIBLES);
    EXPECT_EQ(rangs, (Lignes{"2|commande inconnue PAUZE :", "|ignorée", "|PAUZE(3)", "3|guillemet non fermé : lu jusqu'au",
                             "|bout", "|PRINT(\"un texte sans fin qui deborde", "|de la colonne;0;0)"}));
    const CPLUXControlList& liste = *mon->ctrlList(ids::LISTE_ILLISIBLES);
    for (int i = 0; i < liste.getNbElements(); ++i)
        EXPECT_LE(plux::largeurTexte(liste.getTextCol2W(i), liste.getTextSize()), liste.largeurTexteCol2()) << rangs[i];
}

TEST_F(MoniteurScripts, ObjectsListTheAIsMadeDuringPlay)
{
    CPerso* cree = perso(true, 100, 100);
    cree->id = "garde";
    cree->bCreeParScript = true;
    cree->fichierScriptIA = "./niveaux/scripts/gardes.scp";
    perso(true, 200, 100)->id = "simple";
    script("s.scp", "");
    mon->refreshListeScripts();
    EXPECT_EQ(lignes(ids::LISTE_OBJETS), Lignes{"0|garde  (./niveaux/scripts/gardes.scp)"});
}

TEST_F(MoniteurScripts, RebuildsStayInsideTheEngineWhateverChangesBetweenFrames)
{
    CSPRITE* sd = sprite(2, "DEC");
    for (int i = 0; i < 4; ++i)
        script("s" + std::to_string(i) + ".scp", "", i < 2 ? sd : nullptr);
    image();
    mon->numScript = 3;
    decor().pSDSelection = sd;
    mon->refreshListeScripts();
    EXPECT_EQ(mon->numScript, 0) << "a position past the rebuilt list goes back to the first";

    decor().pSDSelection = nullptr;
    mon->refreshListeScripts();
    mon->numScript = 3;
    mon->rafraichir();
    // The engine frees scripts on its own, without a request: the next frame lists again.
    moteur->supprimerScriptNum(3);
    moteur->supprimerScriptNum(0);
    image();
    EXPECT_EQ(mon->listeScripts, (std::vector<int>{0, 1}));
    EXPECT_EQ(texte(ids::SAISIE_SCRIPT), "s1.scp");
    presser(ids::DIALOGUE, "myButtonCmdRun");

    // The menu world's engine becomes the active one: empty display, commands do nothing.
    jeu->pscriptEngine = jeu->pscriptEngineMenu;
    image();
    EXPECT_EQ(mon->nbScripts, 0);
    EXPECT_EQ(texte(ids::TEXTE_TITRE), "Pas de script.");
    for (const char* b : {"myButtonDel", "myButtonReload", "myButtonCmdRun", "myButtonCmdPrec", "myButtonRunScript"})
        presser(ids::DIALOGUE, b);
    EXPECT_EQ(moteur->nbScripts, 2);
    jeu->pscriptEngine = nullptr;
    image();
    presser(ids::DIALOGUE, "myButtonNew");
    EXPECT_EQ(mon->nbScripts, 0) << "no engine, no new script";
}

TEST_F(MoniteurScripts, RequestsOfOneFrameGiveOneRebuild)
{
    image();
    const int avant = mon->nbReconstructions;
    // Each creation asks the monitor for a rebuild.
    for (int i = 0; i < 2000; ++i)
        moteur->creerScript("s.scp", nullptr, declencheur::IMMEDIAT, -1, false, false);
    EXPECT_EQ(mon->nbReconstructions, avant) << "asked, not done";
    image();
    EXPECT_EQ(mon->nbReconstructions, avant + 1);
    EXPECT_EQ(mon->nbScripts, 2000);
    image();
    EXPECT_EQ(mon->nbReconstructions, avant + 1) << "nothing changed since";
}
