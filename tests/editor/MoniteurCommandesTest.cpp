// The script monitor's commands, pressed as the author would: moving through the list, run and
// pause, single steps that always end, new, delete and reload, and the edits of the settings.
#include "OutilsMoniteur.h"

#include "characters/Armes.h"
#include "gui/CPLUXMessageBox.h"

class MoniteurCommandes : public MoniteurTest {
protected:
    void SetUp() override
    {
        MoniteurTest::SetUp();
        a = script("a.scp", "PRINT(a;0;0)\nPRINT(b;0;0)\nPRINT(c;0;0)");
        script("b.scp", "");
        script("c.scp", "PAUSE(5000)");
        image();
    }
    void montrer(int n)
    {
        mon->numScript = n;
        mon->rafraichir();
    }
    CScript* affiche() { return moteur->scripts[static_cast<size_t>(mon->listeScripts[mon->numScript])].get(); }
    CScript* a = nullptr;
};

TEST_F(MoniteurCommandes, ButtonsActOnTheShownScript)
{
    struct Cas {
        int montre;
        const char* bouton;
        int cmdAvant;
        int montreApres, cmdApres;
        bool pauseApres;
    };
    const Cas cas[] = {
        {1, "myButtonPrec", 0, 0, 0, false},
        {0, "myButtonPrec", 0, 0, 0, false},  // already the first
        {1, "myButtonSuiv", 0, 2, 0, false},
        {2, "myButtonSuiv", 0, 2, 0, false},  // already the last
        {0, "myButtonCmdSuiv", 2, 0, 0, false},
        {0, "myButtonCmdPrec", 0, 0, 2, false},
        {1, "myButtonCmdPrec", 0, 1, 0, false},  // no commands: stays on 0
        {0, "myButtonPauseScript", 1, 0, 1, true},
        {0, "myButtonRunScript", 1, 0, 1, false},
        {0, "myButtonCentrerSD", 1, 0, 1, false},
        {0, "myButtonCmdRun", 1, 0, 2, true},  // one command, then left paused
    };
    for (const Cas& c : cas) {
        montrer(c.montre);
        affiche()->numCmdCour = c.cmdAvant;
        affiche()->bPause = false;
        ASSERT_TRUE(presser(ids::DIALOGUE, c.bouton)) << c.bouton;
        EXPECT_EQ(mon->numScript, c.montreApres) << c.bouton << " on script " << c.montre;
        EXPECT_EQ(affiche()->numCmdCour, c.cmdApres) << c.bouton << " on script " << c.montre;
        EXPECT_EQ(affiche()->bPause, c.pauseApres) << c.bouton << " on script " << c.montre;
    }
    EXPECT_EQ(a->prints.size(), 1u) << "the step ran the second PRINT";
    moteur->lancerScripts();
    EXPECT_EQ(a->numCmdCour, 2) << "the frame loop leaves a stepped script alone";

    // Pause all, then run all: every script unpaused, the caption back.
    presser(ids::DIALOGUE, ids::BOUTON_TOUS);
    EXPECT_TRUE(moteur->scripts[1]->bPause && moteur->scripts[2]->bPause);
    EXPECT_EQ(mon->ctrlButton(ids::BOUTON_TOUS)->getText(), "Lance tous les scripts");
    presser(ids::DIALOGUE, ids::BOUTON_TOUS);
    for (const auto& s : moteur->scripts)
        EXPECT_FALSE(s->bPause) << s->strFichier;
    EXPECT_EQ(mon->ctrlButton(ids::BOUTON_TOUS)->getText(), "Pause tous les scripts");

    CPLUXTest::selectRow(ids::DIALOGUE, ids::LISTE_SCRIPTS, 2);
    EXPECT_EQ(mon->numScript, 2) << "a row of the list shows its script";
    // A row of a list the selection has since shortened is past the listed scripts.
    decor().pSDSelection = sprite(2, "DEC");
    moteur->creerScript("d.scp", decor().pSDSelection, declencheur::IMMEDIAT, -1, false, false);
    CPLUXTest::selectRow(ids::DIALOGUE, ids::LISTE_SCRIPTS, 1);
    EXPECT_EQ(mon->nbScripts, 1);
    EXPECT_EQ(mon->numScript, 0);
}

TEST_F(MoniteurCommandes, SingleStepsAlwaysEnd)
{
    // No commands: the step stops at once; a wait longer than the bound ends with it.
    montrer(1);
    presser(ids::DIALOGUE, "myButtonCmdRun");
    EXPECT_EQ(affiche()->numCmdCour, 0);
    montrer(2);
    affiche()->bEnCours = true;
    presser(ids::DIALOGUE, "myButtonCmdRun");
    EXPECT_EQ(affiche()->numCmdCour, 0) << "still waiting";
    EXPECT_EQ(affiche()->commandes[0]->nCompteur, 5000 - 1000) << "after 1000 steps";
    // A run that ends within the step stops it too.
    montrer(0);
    a->bEnCours = true;
    a->numCmdCour = 2;
    presser(ids::DIALOGUE, "myButtonCmdRun");
    EXPECT_FALSE(a->bEnCours);
    EXPECT_EQ(a->nbRunFaits, 1);
}

TEST_F(MoniteurCommandes, NewScriptsGoOnTheSelectedSpriteOrOnAnEmptyOne)
{
    copierDonnee("decors/Divers/SDvide.dec");
    copierDonnee("decors/Divers/vide.png");
    copierDonnee("niveaux/scripts/monscript.scp");
    jeu->pPerso = nullptr;
    jeu->pPersoSelection = perso(true, 50, 50);
    presser(ids::DIALOGUE, "myButtonNew");
    CSPRITE* vide = decor().pSDSelection;
    ASSERT_NE(vide, nullptr);
    EXPECT_EQ(decor().pPlanSelection, decor().pPlans[2]);
    EXPECT_EQ(decor().pPlans[2]->sprites.back(), vide) << "made on the main plane";
    EXPECT_EQ(vide->getIdDEC(), "SDVIDE");
    EXPECT_TRUE(vide->x == 500 && vide->y == 500) << "where a player would stand";
    EXPECT_EQ(jeu->pPersoSelection, nullptr);
    ASSERT_EQ(mon->nbScripts, 1) << "its script alone";
    CScript* s = affiche();
    EXPECT_EQ(s->pSD, vide);
    EXPECT_TRUE(s->bFichierNiveau) << "the level file keeps it";
    EXPECT_EQ(s->strFichier, "./niveaux/scripts/monscript.scp");
    EXPECT_EQ(s->nbCommandes, 3);
    EXPECT_EQ(s->getDeclencheur(), declencheur::ZONE_CAMERA);

    // With a sprite selected, the new script is that sprite's last and shown.
    presser(ids::DIALOGUE, "myButtonNew");
    EXPECT_EQ(mon->nbScripts, 2);
    EXPECT_EQ(mon->numScript, 1);
    EXPECT_EQ(affiche(), moteur->scripts.back().get());
    EXPECT_EQ(decor().pPlans[2]->sprites.back(), vide) << "no second empty sprite";

    // Delete on the last listed script shows the first.
    presser(ids::DIALOGUE, "myButtonDel");
    EXPECT_EQ(mon->nbScripts, 1);
    EXPECT_EQ(mon->numScript, 0);
    EXPECT_EQ(moteur->nbScripts, 4);
}

TEST_F(MoniteurCommandes, WithoutItsFilesNewMakesAnEmptySpriteAndAScriptWithoutCommands)
{
    presser(ids::DIALOGUE, "myButtonNew");
    ASSERT_NE(decor().pSDSelection, nullptr);
    ASSERT_EQ(mon->nbScripts, 1);
    EXPECT_EQ(affiche()->nbCommandes, 0);
    EXPECT_EQ(mon->getControl(ids::TEXTE_COMMANDES)->getText(), "Commandes (fichier introuvable : non relu)")
        << "the monitor says the file is not there";
}

TEST_F(MoniteurCommandes, ReloadReadsTheScriptAgainAndMayRemoveWhatItMade)
{
    jeu->parmes = new CArmes();
    ecrireTexte("a.scp", "PRINT(a;0;0)\nPRINT(b;0;0)\n");
    CPerso* cree = perso(true, 100, 100);
    cree->fichierScriptIA = "a.scp";
    CPerso* autre = perso(true, 200, 100);
    autre->fichierScriptIA = "b.scp";
    a->pIACourante = cree;
    script("sur.scp", "", cree->sprite);
    script("courante.scp", "")->pIACourante = cree;
    script("autre.scp", "", autre->sprite);
    montrer(0);
    a->numCmdCour = 2;
    a->bEnCours = true;
    a->prints.emplace_back();  // a text its run wrote
    dlgPerso->pPerso = cree;

    presser(ids::DIALOGUE, "myButtonReload");
    EXPECT_EQ(jeu->parmes->nbAppelsViderTirs, 1) << "shots cleared";
    EXPECT_EQ(decor().ias.size(), 2u) << "the check is off: the AIs stay";
    EXPECT_TRUE(a->numCmdCour == 0 && !a->bEnCours) << "stopped";
    EXPECT_TRUE(a->prints.empty()) << "what it wrote goes with it";
    EXPECT_EQ(a->nbCommandes, 2) << "read again from its file";
    EXPECT_EQ(mon->getControl(ids::TEXTE_COMMANDES)->getText(), "Commandes");

    mon->ctrlButtonCheck(ids::CASE_SUPPR_OBJETS)->setCheck(true);
    presser(ids::DIALOGUE, "myButtonReload");
    EXPECT_EQ(decor().ias, std::list<CPerso*>{autre}) << "only what scripts of a.scp made goes";
    std::vector<std::string> restants;
    for (const auto& s : moteur->scripts)
        restants.push_back(s->strFichier);
    EXPECT_EQ(restants, (std::vector<std::string>{"a.scp", "b.scp", "c.scp", "autre.scp"}));
    EXPECT_EQ(a->pIACourante, nullptr) << "S stays, its reference reads null";
    EXPECT_EQ(dlgPerso->pPerso, nullptr);
    presser(editeur::id::PERSO, "myButtonPosInit");

    // A script on the sprite of an AI it made goes with that AI.
    CPerso* porteur = perso(true, 300, 100);
    porteur->fichierScriptIA = "porte.scp";
    script("porte.scp", "", porteur->sprite);
    mon->refreshListeScripts();
    montrer(mon->nbScripts - 1);
    presser(ids::DIALOGUE, "myButtonReload");
    EXPECT_EQ(moteur->nbScripts, 4);
    EXPECT_EQ(mon->nbScripts, 4);
}

TEST_F(MoniteurCommandes, InputsChecksAndTheComboEditTheShownScript)
{
    montrer(2);
    CScript* s = affiche();
    struct Cas {
        const char* id;
        const char* saisi;
        int nbRunMax, chrono;
        const char* fichier;
        bool refuse;
    };
    const Cas cas[] = {
        {ids::SAISIE_NB_RUN, "-7", -7, 0, "c.scp", false},
        {ids::SAISIE_NB_RUN, " 1 2", 12, 0, "c.scp", false},
        {ids::SAISIE_NB_RUN, "12x", 12, 0, "c.scp", true},
        {ids::SAISIE_CHRONO, "99999999999", 12, 0, "c.scp", true},
        {ids::SAISIE_CHRONO, "abc", 12, 0, "c.scp", true},
        {ids::SAISIE_SCRIPT, "./niveaux/scripts/x y.scp", 12, 0, "./niveaux/scripts/x y.scp", false},
        {ids::SAISIE_POS, "3", 12, 0, "./niveaux/scripts/x y.scp", false},
    };
    for (const Cas& c : cas) {
        saisir(ids::DIALOGUE, c.id, c.saisi);
        ASSERT_EQ(CPLUX::getMessageBoxes().size(), c.refuse ? 1u : 0u) << "\"" << c.saisi << "\" refused or not";
        if (c.refuse)
            CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes()[0]->getHwnd(), 0);
        EXPECT_EQ(s->nbRunMax, c.nbRunMax) << c.id << " \"" << c.saisi << "\"";
        EXPECT_EQ(s->nChrono, c.chrono) << c.id << " \"" << c.saisi << "\"";
        EXPECT_EQ(s->strFichier, c.fichier) << c.id << " \"" << c.saisi << "\"";
    }
    presser(ids::DIALOGUE, ids::CASE_RELEASE);
    EXPECT_TRUE(s->bRelease);
    presser(ids::DIALOGUE, ids::CASE_VARIABLES_AUTO);
    EXPECT_FALSE(mon->bRefreshAutoVariables);
    ASSERT_TRUE(CPLUXTest::chooseEntry(ids::DIALOGUE, ids::COMBO_DECLENCHEUR, declencheur::CHRONO));
    EXPECT_EQ(s->getDeclencheur(), declencheur::CHRONO);
    mon->ctrlComboBox(ids::COMBO_DECLENCHEUR)->setNumSel(-1);
    mon->onCtrlComboChange(mon->ctrlComboBox(ids::COMBO_DECLENCHEUR));
    EXPECT_EQ(s->getDeclencheur(), declencheur::CHRONO) << "no choice changes nothing";

    // A rebuild (any script ending a run asks one) leaves the field being typed in as typed.
    ASSERT_TRUE(CPLUXTest::click(ids::DIALOGUE, ids::SAISIE_NB_RUN));
    CPLUXTest::key(sf::Keyboard::A, true);
    CPLUXTest::type("-");
    CPLUX::refresh(ids::DIALOGUE);
    image();
    CPLUXTest::type("3");
    EXPECT_EQ(s->nbRunMax, -3) << "the sign typed before the rebuild is kept";

    // With nothing listed, the edits have nothing to change.
    decor().pSDSelection = sprite(2, "DEC");
    mon->refreshListeScripts();
    saisir(ids::DIALOGUE, ids::SAISIE_NB_RUN, "3");
    presser(ids::DIALOGUE, ids::CASE_RELEASE);
    for (const auto& e : moteur->scripts)
        EXPECT_TRUE(e->nbRunMax != 3 && (e.get() == s || !e->bRelease)) << e->strFichier;
}
