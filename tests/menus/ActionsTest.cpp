// What validation, back and the pad buttons do in each menu, through scripted frames.
#include "OutilsMenus.h"

#include "characters/Inventaire.h"
#include "game/FinNiveau.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXDialog.h"

#include <gtest/gtest.h>

using K = sf::Keyboard;

namespace {

// One input of a frame: "V" validate, "R" back (with "+haut", "+bas", "+gauche" or
// "+droite" for a key held with it), "Bn" the release of pad button n, "B3+B2" both, "X"
// and "Y" those keys.
void entree(BancMenus& b, const std::string& e)
{
    const std::map<std::string, K::Key> tenues = {{"haut", K::Up}, {"bas", K::Down}, {"gauche", K::Left}, {"droite", K::Right}};
    const std::map<std::string, uint16_t> pad = {{"B1", MANETTE_B}, {"B2", MANETTE_X}, {"B3", MANETTE_Y}, {"B6", MANETTE_BACK},
                                                 {"B7", MANETTE_START}, {"B3+B2", MANETTE_X | MANETTE_Y}};
    if (pad.count(e)) {
        boutons(b, pad.at(e));
        return;
    }
    const K::Key touche = e == "X" ? K::X : e == "Y" ? K::Y : e[0] == 'V' ? K::Return : K::Escape;
    Touches apres = {touche};
    if (e.size() > 2)
        apres.insert(tenues.at(e.substr(2)));
    b.image({{SourceScriptee::toucheAppuyee(touche), apres}});
}

// Two adventure levels, the first with its file, and the chrono list alike.
void ecrireNiveaux()
{
    std::filesystem::create_directories("niveaux/a");
    std::filesystem::create_directories("niveaux/b");
    for (const char* liste : {"niveaux/niveaux_aventure.ini", "niveaux/niveaux_chrono.ini", "niveaux/niveaux_multi.ini"})
        ecrireTexte(liste, "NIV=./niveaux/a/;4\nNIV=./niveaux/b/;5\n");
    ecrireTexte("niveaux/a/niveau.niv", "NOM=a;4\n");
}

} // namespace

TEST(ActionsMenus, TableDesLignes)
{
    // Menu, active line, input, then the menu on screen and the mode after it.
    const struct {
        int menu, ligne;
        const char* entree;
        int attendu, mode;
    } cas[] = {
        {0, 0, "V", 1, 0},      {0, 2, "V", 1, 0},      {1, 1, "V", 30, 0},     {1, 3, "V", 320, 0},
        {1, 4, "V", 330, 0},    {1, 5, "V", 340, 0},    {1, 6, "V", 1, 0},      {1, 7, "V", 7, 0},
        {1, 8, "V", 100, 0},    {1, 2, "V", 1, 0},      {1, 2, "R", 0, 0},      {1, 3, "R+haut", 1, 0},
        {1, 3, "R+bas", 1, 0},  {7, 0, "V", 7, 0},      {7, 1, "R", 1, 0},      {7, 1, "R+droite", 7, 0},
        {100, 0, "R", 1, 0},    {401, 0, "V", 401, 0},  {401, 0, "R", 1, 0},    {30, 0, "R", 1, 0},
        {33, 0, "R", 60, 0},    {320, 0, "R", 1, 0},    {320, 0, "R+gauche", 320, 0}, {320, 1, "V", 1000, 0},
        {330, 1, "V", 1000, 0}, {340, 1, "V", 400, 0},  {340, 0, "R", 1, 0},    {1000, 0, "V", 1000, 1},
        {6, 0, "V", 6, 1},      {6, 1, "V", 6, 1},      {6, 2, "V", 320, 0},    {6, 3, "V", 33, 0},
        {6, 6, "R", 6, 1},      {6, 6, "B7", 6, 1},     {60, 0, "V", 60, 1},    {60, 1, "V", 60, 1},
        {60, 2, "V", 60, 1},    {60, 3, "V", 320, 0},   {60, 4, "V", 33, 0},    {60, 7, "R", 60, 1},
        {60, 7, "B7", 60, 1},   {20, 0, "V", 33, 0},    {20, 1, "V", 20, 1},    {20, 3, "V", 1, 0},
        {20, 5, "R", 1, 0},     {21, 2, "V", 33, 0},    {21, 3, "V", 21, 1},    {21, 4, "V", 1, 0},
        {21, 0, "R", 1, 0},     {210, 2, "V", 210, 1},  {210, 3, "V", 210, 1},  {210, 4, "V", 33, 0},
        {210, 5, "V", 1, 0},    {210, 0, "R", 1, 0},    {410, 0, "B3", 410, 1}, {430, 0, "B3", 430, 1},
        {420, 1, "V", 400, 0},  {420, 0, "B3", 420, 1}, {410, 0, "R", 410, 0},
    };
    for (const auto& c : cas) {
        BancMenus b;
        ecrireMenus();
        ecrireNiveaux();
        CJeuMenus& m = b.menus();
        m.menuRetour = 60;
        m.ouvrirMenu(c.menu);
        m.ligneActive = c.ligne;
        entree(b, c.entree);
        const std::string nom = "menu " + std::to_string(c.menu) + " line " + std::to_string(c.ligne) + " " + c.entree;
        EXPECT_EQ(m.idMenu, c.attendu) << nom;
        EXPECT_EQ(fichierAffiche(m), IdMenu::fichier(c.attendu)) << nom;
        EXPECT_EQ(b.jeu.mode, c.mode) << nom;
        EXPECT_FALSE(b.source->bFermee) << nom << ": only menu 0's back and menu 1's line 9 quit";
    }
    for (auto [menu, ligne, e] : {std::tuple{0, 0, "R"}, std::tuple{1, 9, "V"}}) {
        BancMenus b;
        ecrireMenus();
        b.menus().ouvrirMenu(menu);
        b.menus().ligneActive = ligne;
        entree(b, e);
        EXPECT_TRUE(b.source->bFermee) << "menu " << menu << " " << e << " quits";
    }
}

TEST(ActionsMenus, RetoursDesPauses)
{
    BancMenus b;
    ecrireMenus();
    CJeuMenus& m = b.menus();

    // Resume makes the game world active again; restart counts on the game world.
    for (int menu : {6, 60}) {
        CSFMLJeu& jeu = b.jeu;
        jeu.mode = 0;
        jeu.pdecor = jeu.pdecorMenu;
        m.ouvrirMenu(menu);
        m.bOuverturePortes = false;
        m.ligneActive = 0;
        entree(b, "V");
        EXPECT_TRUE(jeu.pdecor == jeu.pdecorJeu && m.bOuverturePortes) << "resume from " << menu;
    }
    // Back in the menus: the menus only hear the keys of menu mode.
    auto entreeMenu = [&](const char* e) {
        b.jeu.mode = 0;
        entree(b, e);
    };
    CDecor& jeuMonde = *b.jeu.pdecorJeu;
    jeuMonde.calqueVisible = 7;
    jeuMonde.checkpointX = jeuMonde.checkpointY = 50;
    b.jeu.manchesGagnees[1] = 2;
    m.ouvrirMenu(6);
    m.ligneActive = 1;
    entreeMenu("V");
    EXPECT_EQ(jeuMonde.appels.calqueDemarre, 7) << "restarted with the number it was last started with";
    EXPECT_EQ(b.jeu.manchesGagnees[1], 0) << "menu 6's restart clears the rounds won";
    EXPECT_EQ(jeuMonde.checkpointX, 50) << "and keeps the checkpoint";
    m.ouvrirMenu(60);
    m.ligneActive = 2;
    entreeMenu("V");
    EXPECT_TRUE(jeuMonde.checkpointX == -1 && jeuMonde.checkpointY == -1) << "60 line 2: from the very start";
    m.numNiveau = 3;
    jeuMonde.checkpointX = 9;
    m.ouvrirMenu(210);
    m.ligneActive = 3;
    entreeMenu("V");
    EXPECT_TRUE(jeuMonde.checkpointX == -1 && jeuMonde.appels.calqueDemarre == 3) << "210 line 3";
    for (int type : {1, 2}) {
        b.jeu.typeJeu = type;
        m.ouvrirMenu(60);
        m.ligneActive = 3;
        entreeMenu("V");
        EXPECT_EQ(m.idMenu, type == 1 ? 330 : 400) << "level choice by game type";
    }
    // Change of player from 60 and back to "menu60.mnu".
    m.ouvrirMenu(60);
    m.ligneActive = 4;
    entreeMenu("V");
    ASSERT_EQ(m.idMenu, 33);
    entreeMenu("R");
    EXPECT_EQ(fichierAffiche(m), "menu60.mnu");
    // Menu 1000 lets no held A or X through to the first frame of play.
    for (CommandesJoueur& c : b.jeu.commandes)
        c.bA = c.bRelA = c.bX = c.bRelX = c.bB = true;
    m.ouvrirMenu(1000);
    entreeMenu("V");
    EXPECT_TRUE(!b.jeu.commandes[3].bA && !b.jeu.commandes[0].bRelX && b.jeu.commandes[2].bB);
}

TEST(ActionsMenus, Joueurs)
{
    BancMenus b;
    ecrireMenus(3);
    CJeuMenus& m = b.menus();
    auto ouvrir30 = [&](std::vector<std::string> joueurs, int actif) {
        m.joueurs = std::move(joueurs);
        m.joueurActif = actif;
        m.ouvrirMenu(30);
    };
    // Typing a name: Return starts, letters type, Return ends and adds.
    ouvrir30({"a"}, 0);
    m.ligneActive = 1;
    entree(b, "V");
    EXPECT_FALSE(m.bSaisieTerminee);
    entree(b, "V");
    EXPECT_TRUE(m.bSaisieTerminee && m.joueurs.size() == 1u) << "an empty name adds nobody";
    EXPECT_FALSE(std::filesystem::exists("niveaux/joueurs.ini")) << "and writes nothing";
    entree(b, "V");
    b.image({{SourceScriptee::texte('Z'), {}}, {SourceScriptee::texte('o'), {}}});
    entree(b, "V");
    EXPECT_EQ(m.joueurs, (std::vector<std::string>{"a", "Zo"}));
    EXPECT_EQ(lireTexte("niveaux/joueurs.ini"), "JOUEUR_ACTIF=1\nJOUEUR=a\nJOUEUR=Zo\n");
    EXPECT_EQ(m.ligneActive, m.premiereLigneJoueur + 1) << "menu 30 again, on the new player";
    entree(b, "R");
    EXPECT_EQ(m.idMenu, 1) << "back without typing";

    ouvrir30(std::vector<std::string>(11, "x"), 0);
    m.ligneActive = 1;
    entree(b, "V");
    EXPECT_TRUE(m.bSaisieTerminee) << "11 players: the new-player line does nothing";

    // Erasing with B2: before, on and after the active player, and the first never.
    const struct {
        int efface, actif, actifApres;
    } effacements[] = {{1, 3, 2}, {2, 2, 2}, {3, 3, 2}, {3, 1, 1}, {0, 1, 1}};
    for (const auto& e : effacements) {
        ouvrir30({"a", "b", "c", "d"}, e.actif);
        m.ligneActive = m.premiereLigneJoueur + e.efface;
        entree(b, e.efface == 2 ? "X" : "B2");
        const size_t reste = e.efface == 0 ? 4u : 3u;
        EXPECT_EQ(m.joueurs.size(), reste) << "erase " << e.efface;
        EXPECT_EQ(m.joueurActif, e.actifApres) << "erase " << e.efface << " with " << e.actif << " active";
        if (e.efface > 0) {
            EXPECT_EQ(m.ligneActive, m.premiereLigneJoueur + m.joueurActif) << "menu 30 again on the active player";
        }
    }
    // Choosing a player line of 33 makes it active and returns to the caller.
    m.joueurs = {"a", "b"};
    m.menuRetour = 20;
    m.ouvrirMenu(33);
    m.ligneActive = m.premiereLigneJoueur + 1;
    entree(b, "V");
    EXPECT_TRUE(m.joueurActif == 1 && m.idMenu == 20 && fichierAffiche(m) == "menu_victoire.mnu");
}

TEST(ActionsMenus, ChoixDeNiveauxEtNiveauSuivant)
{
    BancMenus b;
    ecrireMenus();
    ecrireNiveaux();
    ecrireTexte("niveaux/scores_aventure.scr", "SCORE=1;50;z;1;0\nSCORE=0;999;---;0;0\n");
    CJeuMenus& m = b.menus();
    CDecor& monde = *b.jeu.pdecorJeu;
    // A locked level, a level without its file, a line beyond the list: nothing.
    for (int ligne : {2, 3, 9}) {
        m.ouvrirMenu(320);
        m.ligneActive = ligne;
        entree(b, "V");
        EXPECT_EQ(m.idMenu, 320) << "line " << ligne;
    }
    m.scores[1]->bDebloque = true;
    m.ouvrirMenu(320);
    m.scores[1]->bDebloque = true;
    m.ligneActive = 2;
    entree(b, "V");
    EXPECT_EQ(m.idMenu, 320) << "unlocked but its level file is missing";
    // The same level twice: loaded once, then restarted.
    for (int fois = 0; fois < 2; ++fois) {
        m.ouvrirMenu(320);
        m.ligneActive = 1;
        entree(b, "V");
        EXPECT_EQ(m.idMenu, 1000);
        EXPECT_TRUE(b.jeu.pdecor == &monde) << "the game world plays it";
    }
    EXPECT_EQ(monde.appels.chargerNiveau, 1);
    EXPECT_EQ(monde.appels.fichierCharge, "./niveaux/a/niveau.niv");
    EXPECT_EQ(monde.appels.demarrerNiveau, 1);
    EXPECT_EQ(monde.appels.calqueDemarre, 4) << "the list's number";
    EXPECT_TRUE(m.strNiveauCharge == "./niveaux/a/niveau.niv" && m.indexNiveau == 0 && m.numNiveauCharge == 4);

    // Next level: the second entry once it can be played; past the last, the index stays
    // at the list's size and menu 20 stays.
    ecrireTexte("niveaux/b/niveau.niv", "NOM=b;5\n");
    m.scores[1]->bDebloque = true;
    m.ouvrirMenu(20);
    m.ligneActive = 2;
    entree(b, "V");
    EXPECT_TRUE(m.idMenu == 1000 && m.indexNiveau == 1 && m.numNiveau == 5);
    for (int fois = 0; fois < 2; ++fois) {
        m.ouvrirMenu(20);
        m.ligneActive = 2;
        entree(b, "V");
        EXPECT_TRUE(m.idMenu == 20 && m.indexNiveau == 2) << "next level past the end, press " << fois;
    }
    // Menu 340 keeps the entry for menu 400.
    m.ouvrirMenu(340);
    m.ligneActive = 2;
    entree(b, "V");
    EXPECT_TRUE(m.idMenu == 400 && m.strFichierNiveau == "./niveaux/b/niveau.niv" && m.indexNiveau == 1);
}

TEST(ActionsMenus, VolumesAuxDeuxCadences)
{
    for (float coeff : {1.0f, 0.5f}) {
        BancMenus b;
        ecrireMenus();
        b.jeu.framerateCoeff = coeff;
        b.jeu.volumeEffets = 10;
        b.jeu.volumeMusique = 95;
        CJeuMenus& m = b.menus();
        m.ouvrirMenu(7);
        m.ligneActive = 1;
        b.stick(100, 0);
        for (int i = 0; i < 30; ++i)
            b.image();
        EXPECT_FLOAT_EQ(b.jeu.volumeEffets, 10 + 30 * coeff) << "30 frames held at " << coeff;
        m.ligneActive = 2;
        for (int i = 0; i < 30; ++i)
            b.image();
        EXPECT_FLOAT_EQ(b.jeu.volumeMusique, 100) << "capped";
        b.stick(-100, 0);
        m.ouvrirMenu(6);
        m.ligneActive = 4;
        for (int i = 0; i < 60; ++i)
            b.image();
        EXPECT_FLOAT_EQ(b.jeu.volumeEffets, std::max(0.0f, 10 + 30 * coeff - 60 * coeff)) << "floored at 0";
    }
}

TEST(ActionsMenus, FinsDeMancheEtKillcam)
{
    BancMenus b;
    ecrireMenus();
    CJeuMenus& m = b.menus();
    CSFMLJeu& jeu = b.jeu;
    jeu.optionKillcam = 30;
    jeu.killcamImages.resize(3);
    // Opened at a round's end, for half a second the panel takes neither the key X struck at
    // every frame nor the release of pad button Y, held since it opened.
    CFinNiveau::ouvrirMenuFin(jeu, 410);
    b.stick(0, 0, MANETTE_Y);
    for (int i = 0; i < 15; ++i)
        b.image({{SourceScriptee::toucheAppuyee(K::X), {}}});
    b.stick(0, 0, 0);
    b.image();
    EXPECT_TRUE(jeu.mode == 0 && !m.bRevoirKillcam) << "nothing taken in the first half second";
    entree(b, "X");
    EXPECT_TRUE(m.bRevoirKillcam) << "a fresh X after it";
    m.bRevoirKillcam = false;
    m.numNiveau = 6;
    m.ouvrirMenu(410);
    entree(b, "B3+B2");
    EXPECT_TRUE(jeu.mode == 1 && !m.bRevoirKillcam && m.bOuverturePortes) << "B3 first: the next round only";
    EXPECT_EQ(jeu.pdecorJeu->appels.calqueDemarre, 6);
    jeu.mode = 0;
    m.ouvrirMenu(430);
    entree(b, "X");
    EXPECT_TRUE(m.bRevoirKillcam) << "the key X replays as B2 does";
    jeu.optionKillcam = 0;
    m.ouvrirMenu(410);
    entree(b, "B2");
    EXPECT_FALSE(m.bRevoirKillcam) << "the killcam is off: B2 does nothing";
    jeu.optionKillcam = 30;
    jeu.killcamImages.clear();
    m.ouvrirMenu(420);
    entree(b, "B2");
    EXPECT_FALSE(m.bRevoirKillcam) << "an empty ring has nothing to show";
    entree(b, "R");
    EXPECT_TRUE(jeu.bAnimerIconesJoueurs) << "back toggles the icons' animation";
    jeu.manchesGagnees[0] = 2;
    entree(b, "Y");
    EXPECT_TRUE(jeu.mode == 1 && jeu.manchesGagnees[0] == 0) << "420, the key Y as B3: a new game";
}

TEST(ActionsMenus, InventaireEtSalon)
{
    BancMenus b;
    ecrireMenus(3);
    CJeuMenus& m = b.menus();
    CInventaire& inv = *m.pInventaire;
    inv.categories = {L"a", L"b", L"c", L"d", L"e"};
    m.chargerMenu("./menus/", "menu_inventaire.mnu");
    m.idMenu = 10;
    b.stick(0, 100);
    std::vector<int> vues;
    for (int i = 0; i < 9; ++i) {
        b.image();
        vues.push_back(inv.categorieCourante);
    }
    EXPECT_EQ(vues, (std::vector<int>{0, 0, 1, 1, 1, 2, 2, 2, 3})) << "every third frame, the first in the third";
    b.stick(0, 0);
    const struct {
        const char* entree;
        int onglet;
    } onglets[] = {{"LB", 2}, {"LB", 1}, {"RB", 2}, {"RB", 0}};
    for (const auto& o : onglets) {
        boutons(b, std::string(o.entree) == "LB" ? MANETTE_LB : MANETTE_RB);
        EXPECT_EQ(m.ongletInventaire, o.onglet) << o.entree;
    }
    inv.nbObjetsCategorie = 0;
    b.stick(100, 0);
    b.image();
    EXPECT_EQ(inv.colonne, 0) << "no object: the object column cannot take the focus";
    b.stick(0, 0);
    entree(b, "B6");
    EXPECT_EQ(b.jeu.mode, 1) << "BACK returns to the game";

    // Menu 1 line 6: without the lobby the player stays; with it, menu 401 and back.
    b.jeu.mode = 0;
    m.ouvrirMenu(1);
    m.ligneActive = 6;
    entree(b, "V");
    EXPECT_EQ(m.idMenu, 1);
    CPLUXDialog salon;
    salon.setId("JeuDialogInternet");
    CPLUX::enregistrer(&salon);
    m.ligneActive = 6;
    entree(b, "V");
    EXPECT_TRUE(m.idMenu == 401 && CPLUX::isDialogVisible("JeuDialogInternet"));
    entree(b, "B1");
    EXPECT_TRUE(m.idMenu == 1 && !CPLUX::isDialogVisible("JeuDialogInternet")) << "leaving the lobby hides it";
}
