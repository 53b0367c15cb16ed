// The real executable, started in a copy of data/ as a player would start it.
#include "game/SortieSon.h"
#include "support/ChienDeGarde.h"
#include "support/Outils.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string dossierDonnees()
{
    const char* d = std::getenv("TUV_DATA_DIR");
    return d ? d : TUV_DATA_DIR_SOURCE;
}

// Runs the game in `dossier` and gives its exit status (-1 when it did not exit normally).
// Its sounds go to OpenAL's silent output, or with `sonDuSysteme` to the machine's device if
// any (a hang then fails after 5 minutes). No file it writes grows past 10 MB.
int lancerJeu(const std::string& dossier, const std::string& environnement, const std::string& arguments,
              bool sonDuSysteme = false)
{
    // Under the sanitizers the game is checked for leaks as the test binaries are, through
    // the whole run and its shutdown (the editor included).
    std::string commande = "cd '" + dossier + "' && ulimit -f 20480 && " +
                           (sonDuSysteme ? "env -u ALSOFT_DRIVERS " + environnement + " timeout 300"
                                         : "ALSOFT_DRIVERS=null " + environnement) +
                           " '" + TUV_JEU_EXE + "' " + arguments + " >sortie.txt 2>&1";
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

// Whether OpenAL opens a sound device on this machine, asked by a process of its own: this
// one already chose the silent output.
bool peripheriqueSon()
{
    return std::system("env -u ALSOFT_DRIVERS python3 -c \"import ctypes, sys; al = ctypes.CDLL('libopenal.so.1'); "
                       "al.alcOpenDevice.restype = ctypes.c_void_p; sys.exit(0 if al.alcOpenDevice(None) else 1)\" "
                       ">/dev/null 2>&1") == 0;
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

// Without a sound device (CI's machine has none) the game says so once and plays on, silent:
// it used to crash or write the sound library's errors without end.
TEST(JeuExecutable, SansPeripheriqueSonJoueEnSilence)
{
    DossierTemp d;
    fs::copy(dossierDonnees(), d.str(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    ecrireTexte(d / "rejeu.txt", "CAPTURE=60;langue.png\nFIN=61\n");
    const int statut = lancerJeu(d.str(), "JEU_REJOUER=rejeu.txt", "", true);
    const std::string sortie = lireTexte(d / "sortie.txt");
    ASSERT_EQ(statut, 0) << sortie.substr(0, 2000);
    EXPECT_LT(sortie.size(), 4096u) << "the sound library's errors written on: " << sortie.substr(0, 2000);
    const std::string ligne = "no sound device could be opened";
    EXPECT_EQ(sortie.find(ligne) != std::string::npos, !peripheriqueSon())
        << "said on a machine without a device only: " << sortie;
    EXPECT_EQ(sortie.find(ligne), sortie.rfind(ligne)) << "said once: " << sortie;

    // The language menu's dark blue panel, at the window's centre.
    sf::Image image;
    ASSERT_TRUE(image.loadFromFile(d / "langue.png"));
    int panneau = 0;
    for (unsigned y = 190; y < 270; ++y)
        for (unsigned x = 360; x < 920; ++x) {
            const sf::Color c = image.getPixel(x, y);
            panneau += c.b > c.r + 20 && std::max({c.r, c.g, c.b}) < 100;
        }
    EXPECT_GT(panneau, 80 * 560 * 9 / 10) << "the language menu's panel is not drawn";
}

// The probe's answers: a device, none, a crash in the sound library, and a device whose
// opening blocks, which must not hold the start: the child is ended and reaped in time.
TEST(JeuExecutable, LaSondeDuSonRepondOuRendLaMain)
{
    using sortieSon::sonderDansUnEnfant;
    ChienDeGarde garde(ChienDeGarde::BLOCAGE, "the sound probe of a blocked device");
    const std::chrono::seconds large{30};
    EXPECT_TRUE(sonderDansUnEnfant([] { return true; }, large)) << "a device that opens";
    EXPECT_FALSE(sonderDansUnEnfant([] { return false; }, large)) << "no device";
    EXPECT_FALSE(sonderDansUnEnfant([] { return ::raise(SIGKILL) != 0; }, large)) << "a crash";
    EXPECT_FALSE(sonderDansUnEnfant([]() -> bool { for (;;) ::pause(); }, std::chrono::milliseconds(200)));
    EXPECT_TRUE(::waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD) << "a probe's child is left";
}

// The end's close of the sound device: one that closes lets the end go on (the child leaves with 3);
// one stuck in a write to its output, holding that file's lock, must not hold the ended game.
TEST(JeuExecutable, LaFermetureDuSonRendLaMainOuTermine)
{
    void (*const fermee)() = [] {};
    void (*const bloquee)() = [] {
        ::flockfile(std::tmpfile());
        for (;;)
            ::pause();
    };
    for (const auto& [fermeture, statutAttendu] : {std::pair{fermee, 3}, std::pair{bloquee, 0}}) {
        const char* quoi = statutAttendu ? "a device that closes" : "a stalled device";
        DossierTemp d;
        const std::string fichier = d / "sortie.txt";
        std::fflush(nullptr);
        const pid_t enfant = ::fork();
        if (enfant == 0) {
            const int f = ::open(fichier.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(f, STDOUT_FILENO);
            ::dup2(f, STDERR_FILENO);
            std::cout << "[written before the end]";  // no line end: kept in the buffer
            sortieSon::fermerOuTerminer(fermeture, std::chrono::milliseconds(200), 0);
            std::cout << "[returned]" << std::flush;
            ::_exit(3);
        }
        // 30 s for a bound of 0.2 s: a child still there then is stuck, and goes.
        int statut = -1;
        pid_t fini = 0;
        for (int i = 0; i < 3000 && (fini = ::waitpid(enfant, &statut, WNOHANG)) == 0; ++i)
            ::usleep(10000);
        if (fini == 0 && ::kill(enfant, SIGKILL) == 0)
            ::waitpid(enfant, &statut, 0);
        EXPECT_TRUE(fini == enfant && WIFEXITED(statut)) << quoi << ": the end did not come";
        EXPECT_EQ(WEXITSTATUS(statut), statutAttendu) << quoi;
        // Past the bound, the line once and what was still in the buffers, on disk.
        const std::string dit = statutAttendu ? "[returned]" : sortieSon::LIGNE_FERMETURE + std::string("\n");
        EXPECT_EQ(lireTexte(fichier), "[written before the end]" + dit) << quoi;
    }
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

// Saves that fail at the keyboard ("langue.ini" and the players' file are folders, which no
// user may replace): the Return that chose the action does not also close the error box; the
// box stays over the menu until a fresh key answers it.
TEST(JeuExecutable, UneSauvegardeRateeResteALEcranJusquALaReponse)
{
    DossierTemp d;
    fs::copy(dossierDonnees(), d.str(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    for (const char* f : {"langue.ini", "niveaux/joueurs.ini"}) {
        fs::remove(d / f);
        fs::create_directory(d / f);
    }
    const std::string rejeu = "TOUCHE=5;Down;1\nTOUCHE=6;Down;0\n"                  // English
                              "TOUCHE=10;Return;1\nTOUCHE=12;Return;0\n"            // language saved
                              "CAPTURE=10;l1.png\nCAPTURE=120;l2.png\n"
                              "TOUCHE=130;Return;1\nTOUCHE=132;Return;0\nCAPTURE=131;l3.png\n"
                              "TOUCHE=140;Return;1\nTOUCHE=142;Return;0\n"          // change player
                              "TOUCHE=150;Return;1\nTOUCHE=152;Return;0\nTEXTE=160;B\n"
                              "TOUCHE=170;Return;1\nTOUCHE=172;Return;0\n"          // player saved
                              "CAPTURE=170;j1.png\nCAPTURE=260;j2.png\n"
                              "TOUCHE=270;Escape;1\nTOUCHE=272;Escape;0\nCAPTURE=271;j3.png\nFIN=280\n";
    ecrireTexte(d / "rejeu.txt", rejeu);
    ASSERT_EQ(lancerJeu(d.str(), "JEU_REJOUER=rejeu.txt TUV_FRAMES_MAX=1000", ""), 0) << lireTexte(d / "sortie.txt");

    // The box is drawn light grey at the window's centre, over the dark menu panel.
    auto boiteVue = [&](const std::string& capture) {
        sf::Image image;
        if (!image.loadFromFile(d / capture))
            return false;
        int clairs = 0, total = 0;
        for (unsigned y = 330; y < 390; ++y)
            for (unsigned x = 500; x < 780; ++x, ++total) {
                const sf::Color c = image.getPixel(x, y);
                const int bas = std::min({c.r, c.g, c.b}), haut = std::max({c.r, c.g, c.b});
                clairs += bas > 225 && haut - bas < 20;
            }
        return clairs * 2 > total;
    };
    for (const char* vue : {"l1.png", "l2.png", "j1.png", "j2.png"})
        EXPECT_TRUE(boiteVue(vue)) << vue << ": the failed save's box, before any answer";
    for (const char* reponse : {"l3.png", "j3.png"})
        EXPECT_FALSE(boiteVue(reponse)) << reponse << ": a fresh key closes it";
    EXPECT_TRUE(fs::is_directory(d / "niveaux/joueurs.ini")) << "nothing replaced what could not be written";
}
