// State files: language, players, progression, scores and level lists.
#include "OutilsMenus.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

TEST(EtatMenus, AllersRetoursOctetParOctet)
{
    BancMenus b;
    CJeuMenus& m = b.creerMenus();
    const std::string bom = "\xEF\xBB\xBF";

    ecrireTexte("langue.ini", bom + "# old banner\r\nLANGUE=en_\r\n");
    EXPECT_TRUE(m.lireLangue("langue.ini"));
    EXPECT_EQ(m.langue, "en_") << "a CR after en_ must not fall back to fr_";
    ASSERT_TRUE(m.ecrireLangue("langue.ini"));
    EXPECT_EQ(lireTexte("langue.ini"), "LANGUE=en_\n");

    ecrireTexte("niveaux/joueurs.ini", bom + "JOUEUR_ACTIF=1\r\nJOUEUR=Anne\r\nAUTRE=1\r\nJOUEUR=Bob \r\n");
    ASSERT_TRUE(m.lireJoueurs("./niveaux/joueurs.ini"));
    EXPECT_EQ(m.joueurs, (std::vector<std::string>{"Anne", "Bob "})) << "no CR in names";
    ASSERT_TRUE(m.ecrireJoueurs("./niveaux/joueurs.ini"));
    EXPECT_EQ(lireTexte("niveaux/joueurs.ini"), "JOUEUR_ACTIF=1\nJOUEUR=Anne\nJOUEUR=Bob \n");

    ecrireTexte("niveaux/progression.ini", "NIVEAU_COURANT=2\nNIVEAU_COURANT=4");
    ASSERT_TRUE(m.lireProgression("./niveaux/progression.ini"));
    EXPECT_EQ(m.niveauCourant, 4) << "the last key counts";
    ASSERT_TRUE(m.ecrireProgression("./niveaux/progression.ini"));
    EXPECT_EQ(lireTexte("niveaux/progression.ini"), "NIVEAU_COURANT=4\n");

    ecrireTexte("niveaux/scores.scr", "SCORE=1;120;Anne;3;0\r\nSCORE=7;90;Bob;2;-4\r\nSCORE=0;5;x;9;0\r\n");
    ASSERT_TRUE(m.lireScores("./niveaux/scores.scr"));
    ASSERT_EQ(m.scores.size(), 3u);
    EXPECT_TRUE(m.scores[0]->bDebloque);
    EXPECT_EQ(m.scores[0]->meilleurTemps, 120);
    EXPECT_EQ(m.scores[0]->strJoueur, "Anne");
    EXPECT_EQ(m.scores[0]->etoiles, 3);
    EXPECT_FALSE(m.scores[0]->bBouclier);
    ASSERT_TRUE(m.ecrireScores("./niveaux/scores.scr"));
    EXPECT_EQ(lireTexte("niveaux/scores.scr"), "SCORE=1;120;Anne;3;0\nSCORE=1;90;Bob;2;1\nSCORE=0;5;x;3;0\n")
        << "booleans as 0 and 1 whatever was read, stars within 0-3";

    m.scores.clear();
    ASSERT_TRUE(m.ecrireScores("./niveaux/scores.scr"));
    EXPECT_TRUE(std::filesystem::exists("niveaux/scores.scr"));
    EXPECT_EQ(lireTexte("niveaux/scores.scr"), "") << "no record: an empty file";

    // A short line reads as the file reader gives: the last value again.
    ecrireTexte("niveaux/scores.scr", "SCORE=1;120\n");
    m.lireScores("./niveaux/scores.scr");
    ASSERT_EQ(m.scores.size(), 1u);
    EXPECT_EQ(m.scores[0]->strJoueur, "120");
    EXPECT_EQ(m.scores[0]->etoiles, 3);

    // Level lists stay paired, even when a line has no number.
    ecrireTexte("niveaux/liste.ini", "NIV=./niveaux/a/;3\r\nNIV=./niveaux/b/;1\nNIV=./c/\nNIV=\n");
    ASSERT_TRUE(m.lireListeNiveaux("./niveaux/liste.ini"));
    EXPECT_EQ(m.listeNiveaux, (std::vector<std::string>{"./niveaux/a/", "./niveaux/b/", "./c/", ""}));
    EXPECT_EQ(m.numerosNiveaux, (std::vector<int>{3, 1, 0, 0}));
    EXPECT_FALSE(m.lireListeNiveaux("./niveaux/absente.ini"));
    EXPECT_TRUE(m.listeNiveaux.empty() && m.numerosNiveaux.empty());
}

TEST(EtatMenus, LangueJoueurActifEtProgressionParDefaut)
{
    BancMenus b;
    CJeuMenus& m = b.creerMenus();
    EXPECT_EQ(m.langue, "fr_") << "no langue.ini";
    const struct {
        const char* contenu;
        const char* langue;
    } langues[] = {{"LANGUE=de_\n", "fr_"}, {"LANGUE=en_\nLANGUE=fr_\n", "fr_"},
                   {"LANGUE=en\n", "fr_"},  {"LANGUE=en_;x\n", "en_"}};
    for (const auto& l : langues) {
        ecrireTexte("langue.ini", l.contenu);
        m.langue = "en_";
        m.lireLangue("langue.ini");
        EXPECT_EQ(m.langue, l.langue) << l.contenu;
    }

    const struct {
        const char* contenu;
        int actif;
    } actifs[] = {{"JOUEUR_ACTIF=5\nJOUEUR=a\nJOUEUR=b\n", 1},
                  {"JOUEUR_ACTIF=-1\nJOUEUR=a\nJOUEUR=b\n", 1},
                  {"JOUEUR=a\nJOUEUR=b\nJOUEUR_ACTIF=0\n", 0},
                  {"JOUEUR_ACTIF=0\n", -1}};
    for (const auto& a : actifs) {
        ecrireTexte("niveaux/joueurs.ini", a.contenu);
        m.lireJoueurs("./niveaux/joueurs.ini");
        EXPECT_EQ(m.joueurActif, a.actif) << a.contenu;
    }
    ecrireTexte("niveaux/progression.ini", "AUTRE=3\n");
    m.lireProgression("./niveaux/progression.ini");
    EXPECT_EQ(m.niveauCourant, 1) << "no NIVEAU_COURANT key";

    // No players file: nobody, the index untouched; the first player added creates it.
    std::filesystem::remove("niveaux/joueurs.ini");
    std::filesystem::remove("niveaux/progression.ini");
    m.joueurActif = 3;
    EXPECT_FALSE(m.lireJoueurs("./niveaux/joueurs.ini"));
    EXPECT_TRUE(m.joueurs.empty());
    EXPECT_EQ(m.joueurActif, 3);
    EXPECT_FALSE(m.lireProgression("./niveaux/progression.ini"));
    EXPECT_EQ(m.niveauCourant, 1);
    m.joueurs.push_back("Zoe");
    m.joueurActif = 0;
    ASSERT_TRUE(m.ecrireJoueurs("./niveaux/joueurs.ini"));
    EXPECT_EQ(lireTexte("niveaux/joueurs.ini"), "JOUEUR_ACTIF=0\nJOUEUR=Zoe\n");

    // Fourteen players are all kept and written back.
    std::string quatorze = "JOUEUR_ACTIF=13\n";
    for (int i = 0; i < 14; ++i)
        quatorze += "JOUEUR=j" + std::to_string(i) + "\n";
    ecrireTexte("niveaux/joueurs.ini", quatorze);
    m.lireJoueurs("./niveaux/joueurs.ini");
    EXPECT_EQ(m.joueurs.size(), 14u);
    ASSERT_TRUE(m.ecrireJoueurs("./niveaux/joueurs.ini"));
    EXPECT_EQ(lireTexte("niveaux/joueurs.ini"), quatorze);
}

TEST(EtatMenus, EcritureImpossibleLaisseLAncienFichier)
{
    BancMenus b;
    CJeuMenus& m = b.creerMenus();
    ecrireTexte("niveaux/joueurs.ini", "JOUEUR_ACTIF=0\nJOUEUR=Ancien\n");
    m.lireJoueurs("./niveaux/joueurs.ini");
    m.joueurs = {"Nouveau"};

    // A folder that cannot hold files: its path runs through a file.
    ecrireTexte("fichier", "x");
    EXPECT_FALSE(m.ecrireJoueurs("fichier/joueurs.ini"));
    EXPECT_FALSE(m.ecrireLangue("fichier/langue.ini"));
    EXPECT_FALSE(m.ecrireProgression("fichier/progression.ini"));
    EXPECT_FALSE(m.ecrireScores("fichier/scores.scr"));

    // A read-only folder (root writes anyway: then only the case above counts).
    if (::geteuid() != 0) {
        std::filesystem::permissions("niveaux", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_FALSE(m.ecrireJoueurs("./niveaux/joueurs.ini"));
        std::filesystem::permissions("niveaux", std::filesystem::perms::owner_all);
    }

    // A write that fails on the way (a file-size limit): close() refuses to commit.
    struct rlimit ancienne;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &ancienne), 0);
    m.joueurs = {std::string(4000, 'n')};
    auto signal = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit petite = ancienne;
    petite.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &petite), 0);
    const bool ecrit = m.ecrireJoueurs("./niveaux/joueurs.ini");
    ::setrlimit(RLIMIT_FSIZE, &ancienne);
    std::signal(SIGXFSZ, signal);
    EXPECT_FALSE(ecrit) << "a truncated write is a failure";

    EXPECT_EQ(lireTexte("niveaux/joueurs.ini"), "JOUEUR_ACTIF=0\nJOUEUR=Ancien\n") << "the old file is intact";
    EXPECT_EQ(m.joueurs.size(), 1u) << "the values in memory are kept";
    for (const auto& e : std::filesystem::directory_iterator("niveaux"))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path() << " left behind";
}
