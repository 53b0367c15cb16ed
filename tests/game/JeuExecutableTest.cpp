// The real executable, started in a copy of data/ as a player would start it.
#include "support/Outils.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

std::string dossierDonnees()
{
    const char* d = std::getenv("TUV_DATA_DIR");
    return d ? d : TUV_DATA_DIR_SOURCE;
}

// Runs the game in `dossier` and gives its exit status (-1 when it did not exit normally).
int lancerJeu(const std::string& dossier, const std::string& environnement, const std::string& arguments)
{
    // Under the sanitizers the game is checked for leaks as the test binaries are, through
    // the whole run and its shutdown (the editor included).
    std::string commande = "cd '" + dossier + "' && ALSOFT_DRIVERS=null " +
                           environnement + " '" + TUV_JEU_EXE + "' " + arguments + " >sortie.txt 2>&1";
    int r = std::system(commande.c_str());
    return WIFEXITED(r) ? WEXITSTATUS(r) : -1;
}

std::vector<fs::path> captures(const std::string& dossier)
{
    std::vector<fs::path> r;
    for (const auto& e : fs::directory_iterator(dossier))
        if (e.path().filename().string().rfind("capture_", 0) == 0)
            r.push_back(e.path());
    return r;
}

} // namespace

TEST(JeuExecutable, DemarreTourneEtCapture)
{
    DossierTemp d;
    fs::copy(dossierDonnees(), d.str(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    ASSERT_NE(lireTexte(d / "jeu.ini").find("VIEWPORT=1280;720"), std::string::npos);

    EXPECT_EQ(lancerJeu(d.str(), "TUV_FRAMES_MAX=120 TUV_TOUCHES=60:F12", ""), 0) << lireTexte(d / "sortie.txt");
    std::vector<fs::path> c = captures(d.str());
    ASSERT_EQ(c.size(), 1u);
    sf::Image image;
    ASSERT_TRUE(image.loadFromFile(c[0].string()));
    EXPECT_EQ(image.getSize(), sf::Vector2u(1280, 720));

    // Development switch with a level to edit that does not exist.
    ecrireTexte(d / "jeu.ini", lireTexte(d / "jeu.ini") + "EDITEUR=./niveaux/absent.niv\n");
    EXPECT_EQ(lancerJeu(d.str(), "TUV_FRAMES_MAX=30 TUV_TOUCHES=10:M,20:M", "--dev"), 0)
        << lireTexte(d / "sortie.txt");

    // Without "jeu.ini" there is no window: an error, not a hang.
    fs::remove(d / "jeu.ini");
    EXPECT_NE(lancerJeu(d.str(), "TUV_FRAMES_MAX=5", ""), 0);
    EXPECT_NE(lireTexte(d / "sortie.txt").find("jeu.ini"), std::string::npos);
}

// A replay file drives the real executable on its frame clock: English, the options
// (volume up, a capture), then "quit" from the main menu.
TEST(JeuExecutable, RejoueUnFichierDEntrees)
{
    DossierTemp d;
    fs::copy(dossierDonnees(), d.str(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    std::string rejeu;
    long image = 5;
    auto touche = [&](const char* nom) {
        rejeu += "TOUCHE=" + std::to_string(image) + ";" + nom + ";1\nTOUCHE=" + std::to_string(image + 2) + ";" +
                 nom + ";0\n";
        image += 12;
    };
    touche("Down");    // menu 0: English
    touche("Return");
    for (int i = 0; i < 6; ++i)
        touche("Down");  // menu 1 opens on line 1; options on line 7
    touche("Return");
    touche("Right");     // effects volume up
    rejeu += "CAPTURE=" + std::to_string(image) + ";options.png\n";
    touche("Escape");
    for (int i = 0; i < 8; ++i)
        touche("Down");  // to the last line, quit
    touche("Return");
    // Neither reached when "quit" closed the game.
    rejeu += "CAPTURE=" + std::to_string(image + 60) + ";apres.png\nFIN=" + std::to_string(image + 300) + "\n";
    ecrireTexte(d / "rejeu.txt", rejeu);

    EXPECT_EQ(lancerJeu(d.str(), "JEU_REJOUER=rejeu.txt TUV_FRAMES_MAX=2000", ""), 0) << lireTexte(d / "sortie.txt");
    EXPECT_EQ(lireTexte(d / "langue.ini"), "LANGUE=en_\n");
    sf::Image options;
    EXPECT_TRUE(options.loadFromFile(d / "options.png")) << "the capture of the replay";
    EXPECT_FALSE(fs::exists(d / "apres.png")) << "the game went on after quit";
    EXPECT_EQ(lireTexte(d / "sortie.txt").find("do not read"), std::string::npos) << lireTexte(d / "sortie.txt");
}
