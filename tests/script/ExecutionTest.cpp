// Runs and blocks: frames per run, "{" ... "}" within one frame, waits inside blocks, runs
// closed by IF and by other scripts, the commands run inline, and a frame that always ends.
#include "script/OutilsScript.h"

#include "support/Outils.h"

namespace {

using Execution = AvecMoteur;

CScript* avecCommandes(CScriptEngine& m, std::initializer_list<std::pair<const char*, std::vector<std::wstring>>> cs,
                       int type = declencheur::IMMEDIAT, int nbRunMax = -1)
{
    CScript* s = m.creerScript("", nullptr, type, nbRunMax, false, false);
    for (const auto& [motCle, args] : cs) {
        s->ajouterCommande(motCle, args);
        if (std::string(motCle) == ":")
            s->commandes.back()->strTexte = args[0];
    }
    m.construireLabels(s);
    return s;
}

} // namespace

TEST_F(Execution, ImagesParRun)
{
    CScript* cinq = script("BASCULE()\nBASCULE()\nBASCULE()\nBASCULE()\nBASCULE()", declencheur::IMMEDIAT, 1);
    CScript* bloc = script("{\nBASCULE()\nBASCULE()\nBASCULE()\nBASCULE()\nBASCULE()\n}", declencheur::IMMEDIAT, 1);
    CScript* labels = script(":a\n:b\n:c", declencheur::IMMEDIAT, 1);
    images(2);
    EXPECT_EQ(bloc->nbRunFaits, 1) << "a block runs whole in the frame after its firing";
    images(2);
    EXPECT_EQ(labels->nbRunFaits, 1) << "one step per label";
    images(1);
    EXPECT_EQ(cinq->nbRunFaits, 0);
    images(1);
    EXPECT_EQ(cinq->nbRunFaits, 1) << "five commands: five frames after the firing one";

    // "{" as the last command leaves the flag set only until the run closes.
    CScript* dernier = script("BASCULE()\n{");
    images(3);
    EXPECT_EQ(dernier->nbRunFaits, 1);
    EXPECT_FALSE(dernier->bBlocOuvert);
    // A keyword without handler costs one step.
    CScript* inconnu = avecCommandes(*moteur, {{"INCONNU", {}}, {"KP", {L"1"}}}, declencheur::IMMEDIAT, 1);
    images(3);
    EXPECT_EQ(inconnu->nbRunFaits, 1);
}

// A wait inside a block (only ajouterCommande can put one there) ends its frame; the block
// resumes and finishes within the frame in which the wait ends.
TEST_F(Execution, AttenteDansUnBloc)
{
    CScript* s = avecCommandes(*moteur, {{"{", {}}, {"BASCULE", {}}, {"PAUSE", {L"3"}}, {"BASCULE", {}}, {"}", {}},
                                         {"BASCULE", {}}});
    images(3);
    EXPECT_EQ(s->numCmdCour, 2) << "stopped on the pause";
    images(1);
    EXPECT_EQ(s->numCmdCour, 5) << "the rest of the block ran in the frame the pause ended";

    // A loop inside a block is cut at one step per command each frame.
    CScript* boucle = avecCommandes(*moteur, {{"{", {}}, {":", {L"a"}}, {"GOTO", {L"a"}}, {"}", {}}});
    images(1);
    images(5);  // each pass checked against its bound
    EXPECT_TRUE(boucle->bEnCours);
    // An IF without labels inside a block ends the run instead of restarting it.
    CScript* si = avecCommandes(*moteur, {{"{", {}}, {"IF", {L"1", L">", L"2", L"4"}}, {"BASCULE", {}}, {"}", {}}},
                                declencheur::IMMEDIAT, 1);
    images(2);
    EXPECT_EQ(si->nbRunFaits, 1);
    EXPECT_FALSE(si->bEnCours || si->bBlocOuvert);
}

TEST_F(Execution, ScriptPousseAuDelaDeSaFin)
{
    CScript* autre = script("BASCULE()\nPAUSE(50)", declencheur::IMMEDIAT_PAUSE, 1);
    images(2);
    ASSERT_EQ(autre->numCmdCour, 1);
    moteur->avancerScript(autre);
    EXPECT_EQ(autre->nbRunFaits, 1) << "its run counts";
    EXPECT_TRUE(autre->bPause) << "a frame script pauses after a run";
    autre->bPause = false;
    images(5);
    EXPECT_EQ(autre->nbRunFaits, 1) << "a one-shot script does not run again";
    CScript etranger;
    moteur->avancerScript(&etranger);
    EXPECT_EQ(etranger.numCmdCour, 0) << "only a script of the engine moves";
}

TEST_F(Execution, CommandesEnLigne)
{
    CSPRITE* sd = sprite(103.9f, -4.2f);
    CScript* s = script("CHECKPOINT()\nSTOPIA()", declencheur::IMMEDIAT, 1, sd);
    images(3);
    EXPECT_EQ(decor->checkpointX, 103);
    EXPECT_EQ(decor->checkpointY, -4);
    EXPECT_FALSE(jeu->bIA);
    EXPECT_EQ(s->nbRunFaits, 1);
    script("CHECKPOINT()\nRUNIA()", declencheur::IMMEDIAT, 1);
    images(3);
    EXPECT_EQ(decor->checkpointX, 103) << "without a sprite the point stays";
    EXPECT_TRUE(jeu->bIA);

    script("BACKTOMENU()", declencheur::IMMEDIAT, 1);
    images(2);
    EXPECT_EQ(jeu->pausesMenu, 1) << "the pause menu is asked for";
}

// Seeded random scripts of every kind of statement, with waits inside blocks and scripts that
// start themselves: every pass stays within its bound and memory stays bounded.
TEST_F(Execution, ScriptsAuHasard)
{
    DossierTemp dossier;
    tuv::srand(2024);
    const char* const lignes[] = {
        "BASCULE()", "PAUSE(2)", ":a", ":b", "GOTO(a)", "GOTO(b)", "GOTO(z)", "{", "}", "x = x + 1",
        "IF(x;<;3;1)", "if (x < 2)", "else", "endif", "INCONNU(1)", "PRINT(\"t\";1;2)", "CLRPRINT()",
        "y = RAND(0;5)", "x = 1 / 0", "y = \"nan\" * 3", "SETVARIABLE(g;99999999999)", "z = GETVARIABLEFLOAT(g)",
        "w = 1.0e40 * 1.0e40", "PAUSE(n)", "n = -7", "SCRIPTRUN(@)", "CHECKPOINT()", "RUNIA()", "x = x / 0.0",
    };
    const int nbLignes = sizeof(lignes) / sizeof(lignes[0]);
    for (int k = 0; k < 200; ++k) {
        const std::string chemin = dossier / ("s" + std::to_string(k) + ".scp");
        std::string texte;
        for (int n = tuv::rand() % 25; n > 0; --n) {
            std::string l = lignes[tuv::rand() % nbLignes];
            if (l == "SCRIPTRUN(@)")
                l = tuv::rand() % 3 ? "BASCULE()" : "SCRIPTRUN(" + chemin + ")";
            texte += l + "\n";
        }
        ecrireTexte(chemin, texte);
        // Mostly triggers that fire without a zone; some outside the table.
        const int types[] = {2, 2, 2, 12, 13, 0, 14, -1};
        const int type = types[tuv::rand() % 8];
        const int runs[] = {-1, -1, 0, 1, 3, -5};
        CScript* s = moteur->creerScript(chemin, nullptr, type, runs[tuv::rand() % 6], false, false);
        s->bDetruireFin = tuv::rand() % 4 == 0;
        if (tuv::rand() % 3 == 0) {
            s->ajouterCommande("{", {});
            s->ajouterCommande("PAUSE", {L"2"});
            s->ajouterCommande("BASCULE", {});
        }
    }
    perso(50, 50);
    long etapes = 0;
    for (int i = 0; i < 300; ++i) {
        jeu->commandes[0].bRelX = i % 37 == 0;
        images(1);
        etapes += moteur->nbEtapesPasse;
        ASSERT_LE(moteur->nbScripts, 200 + CScriptEngine::NB_SCRIPTRUN_MAX) << "frame " << i;
    }
    EXPECT_GT(etapes, 10000) << "the scripts ran";
    for (const auto& s : moteur->scripts)
        ASSERT_LE(s->prints.size(), CScriptEngine::NB_PRINTS_MAX);
}
