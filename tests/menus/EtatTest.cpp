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
    EXPECT_EQ(m.langue, "fr_") << "no langue.ini";
    // File read (CR LF, BOM, comments, unknown keys), then the bytes written back.
    const struct {
        const char* fichier;
        const char* lu;
        const char* ecrit;
        bool (CJeuMenus::*lire)(const std::string&);
        bool (CJeuMenus::*ecrire)(const std::string&);
    } cas[] = {
        {"langue.ini", "\xEF\xBB\xBF# old\r\nLANGUE=en_\r\n", "LANGUE=en_\n", &CJeuMenus::lireLangue,
         &CJeuMenus::ecrireLangue},
        {"niveaux/joueurs.ini", "JOUEUR_ACTIF=1\r\nJOUEUR=Anne\r\nAUTRE=1\r\nJOUEUR=Bob \r\r\r\n",
         "JOUEUR_ACTIF=1\nJOUEUR=Anne\nJOUEUR=Bob \n", &CJeuMenus::lireJoueurs, &CJeuMenus::ecrireJoueurs},
        {"niveaux/progression.ini", "NIVEAU_COURANT=2\nNIVEAU_COURANT=4", "NIVEAU_COURANT=4\n",
         &CJeuMenus::lireProgression, &CJeuMenus::ecrireProgression},
        {"niveaux/scores.scr", "SCORE=1;120;Anne;3;0\r\nSCORE=7;90;Bob;2;-4\r\nSCORE=0;5;x;9;0\r\n",
         "SCORE=1;120;Anne;3;0\nSCORE=1;90;Bob;2;1\nSCORE=0;5;x;3;0\n", &CJeuMenus::lireScores,
         &CJeuMenus::ecrireScores},
    };
    for (const auto& c : cas) {
        ecrireTexte(c.fichier, c.lu);
        EXPECT_TRUE((m.*c.lire)(c.fichier)) << c.fichier;
        ASSERT_TRUE((m.*c.ecrire)(c.fichier)) << c.fichier;
        EXPECT_EQ(lireTexte(c.fichier), c.ecrit) << c.fichier << ": no banner, LF, booleans 0/1, stars 0-3";
    }
    EXPECT_EQ(m.langue, "en_") << "a CR after en_ is not part of it";
    EXPECT_EQ(m.joueurs[1], "Bob ") << "no CR in names";
    ASSERT_EQ(m.scores.size(), 3u);
    EXPECT_TRUE(m.scores[0]->bDebloque && m.scores[0]->meilleurTemps == 120 && m.scores[0]->strJoueur == "Anne" &&
                m.scores[0]->etoiles == 3 && !m.scores[0]->bBouclier);
    m.scores.clear();
    ASSERT_TRUE(m.ecrireScores("niveaux/scores.scr"));
    EXPECT_TRUE(std::filesystem::exists("niveaux/scores.scr") && lireTexte("niveaux/scores.scr").empty())
        << "no record: an empty file";

    // Level lists stay paired, even when a line has no number.
    ecrireTexte("niveaux/liste.ini", "NIV=./niveaux/a/;3\r\nNIV=./niveaux/b/;1\nNIV=./c/\nNIV=\n");
    ASSERT_TRUE(m.lireListeNiveaux("./niveaux/liste.ini"));
    EXPECT_EQ(m.listeNiveaux, (std::vector<std::string>{"./niveaux/a/", "./niveaux/b/", "./c/", ""}));
    EXPECT_EQ(m.numerosNiveaux, (std::vector<int>{3, 1, 0, 0}));
}

TEST(EtatMenus, ValeursParDefautEtIndexActif)
{
    BancMenus b;
    CJeuMenus& m = b.creerMenus();
    for (const char* autre : {"LANGUE=de_\n", "LANGUE=en_\nLANGUE=fr_\n", "LANGUE=en\n"}) {
        ecrireTexte("langue.ini", autre);
        m.langue = "en_";
        m.lireLangue("langue.ini");
        EXPECT_EQ(m.langue, "fr_") << autre;
    }
    const std::pair<const char*, int> actifs[] = {{"JOUEUR_ACTIF=5\nJOUEUR=a\nJOUEUR=b\n", 1},
                                                  {"JOUEUR_ACTIF=-1\nJOUEUR=a\nJOUEUR=b\n", 1},
                                                  {"JOUEUR=a\nJOUEUR=b\nJOUEUR_ACTIF=0\n", 0},
                                                  {"JOUEUR_ACTIF=0\n", -1}};
    for (const auto& [contenu, actif] : actifs) {
        ecrireTexte("niveaux/joueurs.ini", contenu);
        m.lireJoueurs("./niveaux/joueurs.ini");
        EXPECT_EQ(m.joueurActif, actif) << contenu;
    }
    ecrireTexte("niveaux/progression.ini", "AUTRE=3\n");
    m.lireProgression("./niveaux/progression.ini");
    EXPECT_EQ(m.niveauCourant, 1) << "no NIVEAU_COURANT key";
    ecrireTexte("niveaux/scores.scr", "SCORE=1;120\n");
    m.lireScores("./niveaux/scores.scr");
    EXPECT_TRUE(m.scores[0]->strJoueur == "120" && m.scores[0]->etoiles == 3) << "a short line repeats its last value";

    // No players file: nobody, the index untouched; the first player added creates it.
    std::filesystem::remove("niveaux/joueurs.ini");
    m.joueurActif = 3;
    EXPECT_FALSE(m.lireJoueurs("./niveaux/joueurs.ini"));
    EXPECT_TRUE(m.joueurs.empty() && m.joueurActif == 3);
    m.joueurs = {"Zoe"};
    m.joueurActif = 0;
    ASSERT_TRUE(m.ecrireJoueurs("./niveaux/joueurs.ini"));
    EXPECT_EQ(lireTexte("niveaux/joueurs.ini"), "JOUEUR_ACTIF=0\nJOUEUR=Zoe\n");
    // Fourteen players are all kept and written back.
    std::string quatorze = "JOUEUR_ACTIF=13\n";
    for (int i = 0; i < 14; ++i)
        quatorze += "JOUEUR=j" + std::to_string(i) + "\n";
    ecrireTexte("niveaux/joueurs.ini", quatorze);
    m.lireJoueurs("./niveaux/joueurs.ini");
    ASSERT_TRUE(m.ecrireJoueurs("./niveaux/joueurs.ini"));
    EXPECT_EQ(lireTexte("niveaux/joueurs.ini"), quatorze);
}

TEST(EtatMenus, EcritureImpossibleLaisseLAncienFichier)
{
    BancMenus b;
    CJeuMenus& m = b.creerMenus();
    const std::string ancien = "JOUEUR_ACTIF=0\nJOUEUR=Ancien\n";
    ecrireTexte("niveaux/joueurs.ini", ancien);
    m.joueurs = {"Nouveau"};
    ecrireTexte("fichier", "x");  // a folder path that runs through a file
    EXPECT_FALSE(m.ecrireJoueurs("fichier/joueurs.ini") || m.ecrireLangue("fichier/langue.ini") ||
                 m.ecrireProgression("fichier/p.ini") || m.ecrireScores("fichier/s.scr"));
    if (::geteuid() != 0) {  // root writes into a read-only folder anyway
        std::filesystem::permissions("niveaux", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_FALSE(m.ecrireJoueurs("./niveaux/joueurs.ini"));
        std::filesystem::permissions("niveaux", std::filesystem::perms::owner_all);
    }
    // A write cut short by a file-size limit: close() does not commit it.
    m.joueurs = {std::string(4000, 'n')};
    struct rlimit avant;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &avant), 0);
    struct rlimit petite = avant;
    petite.rlim_cur = 64;
    auto signal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &petite), 0);
    const bool ecrit = m.ecrireJoueurs("./niveaux/joueurs.ini");
    ::setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, signal);
    EXPECT_FALSE(ecrit);
    EXPECT_EQ(lireTexte("niveaux/joueurs.ini"), ancien) << "the old file is intact";
    EXPECT_EQ(m.joueurs.size(), 1u) << "the values in memory are kept";
    for (const auto& e : std::filesystem::directory_iterator("niveaux"))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path() << " left behind";
}
