// The end of a level or round, driven with the world's fields set by the test.
#include "OutilsMenus.h"

#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/OptionsMulti.h"
#include "characters/Perso.h"
#include "game/FinNiveau.h"
#include "level/Vue.h"

#include <gtest/gtest.h>

namespace {

// A character that can strike a pose (a layered sprite with one animation).
CPerso* perso(int joueur)
{
    auto* p = new CPerso();
    p->sprite->ajouterAnimation("a", true);
    p->sprite->bAnime = true;
    p->bCollisions = false;
    p->numJoueur = joueur;
    return p;
}

// A game in level mode on its game world, with a camera, the end menus and two chrono
// levels, the first one loaded.
struct BancFin {
    explicit BancFin(float coeff = 1.0f)
    {
        ecrireMenus(2);
        std::filesystem::create_directories("niveaux/a");
        ecrireTexte("niveaux/a/niveau.niv", "");
        ecrireTexte("niveaux/niveaux_chrono.ini", "NIV=./niveaux/a/;1\nNIV=./niveaux/b/;2\n");
        ecrireTexte("niveaux/niveaux_aventure.ini", "NIV=./niveaux/a/;1\nNIV=./niveaux/b/;2\n");
        ecrireTexte("niveaux/niveaux_multi.ini", "NIV=./niveaux/a/;1\nNIV=./niveaux/b/;2\n");
        CSFMLJeu& j = b.jeu;
        j.pOptionsMulti = new COptionsMulti(j.armesFontaine);
        j.pvueJeu = new CVue(1280, 720);
        j.pvue = j.pvueJeu;
        j.pdecor = j.pdecorJeu;
        j.framerateCoeff = coeff;
        j.mode = 1;
        m().joueurs = {"Zo"};
        m().joueurActif = 0;
    }
    CJeuMenus& m() { return b.menus(); }
    CDecor& monde() { return *b.jeu.pdecorJeu; }
    // Chooses entry `index` of a list as the level choice does, without starting it.
    void choisir(int menuListe, int index)
    {
        m().ouvrirMenu(menuListe);
        m().indexNiveau = index;
        m().strNiveauCharge = m().fichierNiveauListe(index);
        b.jeu.mode = 1;
    }
    // Frames of the end step until the menu opens; how many.
    int jusquAuMenu()
    {
        int n = 0;
        while (b.jeu.mode == 1 && n < 1000) {
            b.jeu.pFinNiveau->etape(b.jeu);
            ++n;
        }
        return n;
    }

    BancMenus b;
};

} // namespace

TEST(FinNiveau, EtoilesEtTemps)
{
    // Thresholds, time, then the stars.
    const struct {
        int seuils[3];
        int temps, etoiles;
    } cas[] = {{{30, 60, 90}, 30, 3}, {{30, 60, 90}, 31, 2}, {{30, 60, 90}, 60, 2}, {{30, 60, 90}, 61, 1},
               {{30, 60, 90}, 90, 1}, {{30, 60, 90}, 91, 0}, {{30, 60, 90}, 500, 0}, {{0, 60, 0}, 10, 1},
               {{0, 0, 0}, 0, 0},     {{-5, 20, 20}, 0, 2}};
    for (const auto& c : cas)
        EXPECT_EQ(CFinNiveau::etoiles(c.temps, c.seuils), c.etoiles)
            << c.seuils[0] << "/" << c.seuils[1] << "/" << c.seuils[2] << " in " << c.temps;
    EXPECT_EQ(CFinNiveau::tempsNiveau(100, 58), 42);
    EXPECT_EQ(CFinNiveau::tempsNiveau(10, 12), 0) << "never negative";
}

TEST(FinNiveau, VictoireParLaSortie)
{
    for (int type : {0, 1}) {
        BancFin t;
        CSFMLJeu& jeu = t.b.jeu;
        t.choisir(type == 0 ? 320 : 330, 0);
        ecrireWav("fin.wav", 2000);
        t.monde().musiqueFin.openFromFile("fin.wav");
        CPerso* sorti = perso(0);
        t.monde().persos = {sorti, perso(0)};
        t.monde().chronoRef = 100;
        t.monde().chrono = 58;
        const int seuils[3] = {60, 40, 0};
        std::copy(seuils, seuils + 3, t.monde().etoiles);
        jeu.typeJeu = type;
        jeu.bSansFaute = true;
        jeu.commandes[0].bA = true;
        const std::string nom = type == 0 ? "adventure" : "chrono";
        // One of the two characters out: the level goes on.
        jeu.compteurPexlon = 1;
        jeu.pFinNiveau->etape(jeu);
        EXPECT_FALSE(t.monde().niveauFini) << nom << ": one of two characters left";
        jeu.compteurPexlon = 2;
        jeu.pPersoSorti = sorti;
        jeu.bControleJoueurs = true;
        jeu.pFinNiveau->etape(jeu);
        EXPECT_TRUE(t.monde().niveauFini && !jeu.bControleJoueurs) << nom;
        EXPECT_EQ(sorti->mode, EtatPerso::VICTOIRE) << nom << ": the last one out strikes the pose";
        EXPECT_TRUE(t.monde().musiqueFin.getStatus() == sf::Music::Playing && t.monde().musiqueFin.getLoop()) << nom;
        EXPECT_EQ(t.jusquAuMenu(), 90) << nom;
        EXPECT_TRUE(t.m().idMenu == 20 && fichierAffiche(t.m()) == "menu_victoire.mnu") << nom;
        EXPECT_TRUE(jeu.tempsNiveau == 42 && jeu.nbEtoiles == 1 && jeu.bNouveauRecord) << nom;
        EXPECT_TRUE(t.m().boutonsPrecedents[0]) << nom << ": A still held is masked";
        const char* fichier = type == 0 ? "niveaux/scores_aventure.scr" : "niveaux/scores.scr";
        EXPECT_EQ(lireTexte(fichier), "SCORE=1;42;Zo;1;1\nSCORE=1;999;---;0;0\n") << nom << ": the next level unlocked";
        EXPECT_EQ(lireTexte("niveaux/progression.ini"), "NIVEAU_COURANT=1\n") << nom;
    }
    // The character that left was freed meanwhile: the pause runs without a winner.
    BancFin t;
    t.choisir(320, 0);
    t.b.jeu.typeJeu = 0;
    CPerso* sorti = perso(0);
    t.b.jeu.pPersoSorti = sorti;
    delete sorti;
    t.b.jeu.compteurPexlon = 1;
    EXPECT_EQ(t.jusquAuMenu(), 91);
    EXPECT_EQ(t.m().idMenu, 20);
}

TEST(FinNiveau, RecordsEtProgression)
{
    BancFin t;
    CJeuMenus& m = t.m();
    // Best time and shield of the record, the run's time and shield, then the record after.
    const struct {
        int meilleur;
        bool bouclier;
        int temps;
        bool avecBouclier;
        int apres;
        bool record;
    } cas[] = {{50, false, 40, false, 40, true}, {50, false, 50, true, 50, true},  {50, false, 50, false, 50, false},
               {50, false, 60, true, 50, false}, {50, true, 50, true, 50, false}, {999, false, 998, false, 998, true}};
    for (const auto& c : cas) {
        t.choisir(330, 1);
        m.scores[1]->meilleurTemps = c.meilleur;
        m.scores[1]->bBouclier = c.bouclier;
        m.scores[1]->strJoueur = "Al";
        EXPECT_EQ(CFinNiveau::enregistrerVictoire(m, c.temps, 2, c.avecBouclier), c.record)
            << c.meilleur << (c.bouclier ? "+shield" : "") << " against " << c.temps << (c.avecBouclier ? "+shield" : "");
        EXPECT_EQ(m.scores[1]->meilleurTemps, c.apres);
        EXPECT_EQ(m.scores[1]->strJoueur, c.record ? "Zo" : "Al");
    }
    // The progression never goes back, and stops at the last level.
    for (auto [avant, index, apres] : {std::tuple{0, 0, 1}, std::tuple{5, 0, 5}, std::tuple{0, 1, 1}}) {
        t.choisir(330, index);
        m.niveauCourant = avant;
        CFinNiveau::enregistrerVictoire(m, 10, 0, false);
        EXPECT_EQ(m.niveauCourant, apres) << "from " << avant << " after level " << index;
    }
    // A level that the list does not name (loaded by other means) records nothing.
    t.choisir(330, 0);
    m.strNiveauCharge = "./niveaux/autre/niveau.niv";
    std::filesystem::remove("niveaux/scores.scr");
    EXPECT_FALSE(CFinNiveau::enregistrerVictoire(m, 1, 3, true));
    EXPECT_FALSE(std::filesystem::exists("niveaux/scores.scr"));
    // Each list starts its own file: created locked but for the first entry (the two-player
    // list wholly unlocked), written with the first win.
    for (int liste : {320, 340}) {
        t.m().ouvrirMenu(liste);
        ASSERT_EQ(m.scores.size(), 2u);
        EXPECT_TRUE(m.scores[0]->bDebloque && m.scores[1]->bDebloque == (liste == 340)) << liste;
        EXPECT_TRUE(m.scores[1]->meilleurTemps == 999 && m.scores[1]->strJoueur == "---" && m.scores[1]->etoiles == 0);
    }
    EXPECT_FALSE(std::filesystem::exists("niveaux/scores_aventure.scr") || std::filesystem::exists("niveaux/scores_multi.scr"));
}

TEST(FinNiveau, Defaites)
{
    // Game type, death, chrono left, then the menu.
    const struct {
        int type;
        bool mort;
        int chrono, menu;
    } cas[] = {{0, true, 50, 210}, {1, true, 50, 21}, {1, false, 0, 21}, {0, false, 0, -1}};
    for (const auto& c : cas) {
        BancFin t;
        CSFMLJeu& jeu = t.b.jeu;
        jeu.typeJeu = c.type;
        jeu.bPersoIAdcd = c.mort;
        t.monde().chronoRef = 60;
        t.monde().chrono = c.chrono;
        t.m().ouvrirMenu(1);
        jeu.mode = 1;
        const std::string nom = "type " + std::to_string(c.type) + (c.mort ? " dead" : " chrono 0");
        if (c.menu < 0) {
            t.b.jeu.pFinNiveau->etape(jeu);
            EXPECT_FALSE(t.monde().niveauFini) << "an adventure level has no time limit";
            continue;
        }
        EXPECT_EQ(t.jusquAuMenu(), 31) << nom << ": a second's pause";
        EXPECT_TRUE(t.m().idMenu == c.menu && fichierAffiche(t.m()) == IdMenu::fichier(c.menu)) << nom;
        EXPECT_FALSE(std::filesystem::exists("niveaux/progression.ini")) << nom << ": a defeat writes nothing";
    }
}

TEST(FinNiveau, Manches)
{
    BancFin t;
    CSFMLJeu& jeu = t.b.jeu;
    jeu.typeJeu = 2;
    CPerso* j1 = perso(0);
    CPerso* j2 = perso(1);
    t.monde().persos = {j1, j2};
    // Round after round: player 2 eliminated twice (rounds won 1, then 2 ...), then both.
    const struct {
        int elimines, paralysesJ2, menu, gagnant, manchesJ1;
    } cas[] = {{1, 2, 410, 0, 1}, {1, 2, 410, 0, 2}, {1, 2, 420, 0, 3}, {2, 2, 430, -1, 3}};
    int explosions = 0;
    for (const auto& c : cas) {
        t.monde().niveauFini = false;
        j1->mode = 0;
        jeu.mode = 1;
        jeu.nbJoueursMultiDcd = c.elimines;
        jeu.paralysie[0] = c.elimines == 2 ? 2 : 0;
        jeu.paralysie[1] = c.paralysesJ2;
        jeu.pFinNiveau->etape(jeu);
        EXPECT_EQ(jeu.parmes->nbAppelsDeclencherExplosions, ++explosions) << "the mines go off once per round end";
        EXPECT_EQ(j1->mode, c.gagnant == 0 ? EtatPerso::VICTOIRE : 0) << "the survivor strikes the pose";
        t.jusquAuMenu();
        EXPECT_EQ(jeu.parmes->nbAppelsDeclencherExplosions, explosions) << "once";
        EXPECT_EQ(t.m().idMenu, c.menu);
        EXPECT_EQ(t.m().gagnant, c.gagnant);
        EXPECT_EQ(jeu.manchesGagnees[0], c.manchesJ1);
    }
    // A round goes on while two players are left.
    t.monde().niveauFini = false;
    jeu.mode = 1;
    jeu.nbJoueursMultiDcd = 0;
    jeu.pFinNiveau->etape(jeu);
    EXPECT_FALSE(t.monde().niveauFini);
}

TEST(FinNiveau, PauseEtZoomAuxDeuxCadences)
{
    for (bool victoire : {true, false})
        for (float coeff : {1.0f, 0.5f}) {
            BancFin t(coeff);
            CSFMLJeu& jeu = t.b.jeu;
            jeu.typeJeu = 1;
            if (victoire)
                jeu.compteurPexlon = 1;
            else
                jeu.bPersoIAdcd = true;
            const float zoom = jeu.pvue->zoom;
            const int images = t.jusquAuMenu() - 1;
            const std::string nom = std::string(victoire ? "win" : "loss") + " at " + std::to_string(coeff);
            const int secondes = victoire ? 3 : 1;
            EXPECT_EQ(images, static_cast<int>(30 * secondes / coeff)) << nom << ": " << secondes << " s at either rate";
            EXPECT_NEAR(zoom - jeu.pvue->zoom, victoire ? 0.225f : 0.15f, 1e-4f) << nom << ": the same zoom";
        }
    // The level started again during the pause: its end is forgotten.
    BancFin t;
    t.b.jeu.typeJeu = 1;
    t.b.jeu.bPersoIAdcd = true;
    t.b.jeu.pFinNiveau->etape(t.b.jeu);
    t.monde().niveauFini = false;
    t.b.jeu.bPersoIAdcd = false;
    for (int i = 0; i < 200; ++i)
        t.b.jeu.pFinNiveau->etape(t.b.jeu);
    EXPECT_EQ(t.b.jeu.mode, 1) << "no menu after a restart";
}
