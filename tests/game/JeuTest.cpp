#include "characters/Perso.h"
#include "core/Globals.h"
#include "core/Sprite.h"
#include "game/Jeu.h"
#include "game/JeuHUD.h"
#include "core/Manettes.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXMessageBox.h"
#include "gui/CPLUXTest.h"
#include "level/Decor.h"
#include "OutilsJeu.h"
#include "support/SourceSansFocus.h"

#include <gtest/gtest.h>

#include <csignal>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <sstream>

#include <sys/resource.h>

namespace {

struct Interrupteur {
    explicit Interrupteur(bool dev) { CSFMLJeuGlobal::bModeTest = dev; }
    ~Interrupteur() { CSFMLJeuGlobal::bModeTest = false; }
};

std::vector<std::string> fichiersCommencantPar(const std::string& prefixe)
{
    std::vector<std::string> r;
    for (const auto& e : std::filesystem::directory_iterator("."))
        if (e.path().filename().string().rfind(prefixe, 0) == 0)
            r.push_back(e.path().filename().string());
    return r;
}

} // namespace

void listerDialogues();

TEST(Jeu, SansViewportPasDeFenetre)
{
    DossierDeTravail d;
    CSFMLJeu jeu;
    EXPECT_EQ(jeu.init("jeu.ini"), -1);
    EXPECT_EQ(jeu.fenetre, nullptr);
    EXPECT_FALSE(jeu.etape());
    ecrireTexte("jeu.ini", "FRAMERATE=60\n");
    CSFMLJeu jeu2;
    EXPECT_EQ(jeu2.init("jeu.ini"), -1);
    EXPECT_EQ(CSFMLJeuGlobal::prenderTexture, nullptr);

    // A size that cannot be a window falls back to the usual one.
    ecrireTexte("jeu.ini", "VIEWPORT=0;99999\n");
    CSFMLJeu jeu3;
    ASSERT_EQ(jeu3.init("jeu.ini"), 0);
    EXPECT_EQ(jeu3.fenetre->getSize(), sf::Vector2u(1280, 720));
}

TEST(Jeu, FenetrePlusGrandeQueLEcranDite)
{
    EXPECT_EQ(CSFMLJeu::fenetreTropGrande(1280, 720, 1920, 1080) + CSFMLJeu::fenetreTropGrande(1920, 1080, 1920, 1080),
              "") << "smaller than the screen or its own size: nothing said";
    EXPECT_NE(CSFMLJeu::fenetreTropGrande(1280, 720, 1280, 719), "") << "a pixel too high";
    EXPECT_EQ(CSFMLJeu::fenetreTropGrande(1921, 1080, 1920, 1080),
              "jeu: the window of VIEWPORT=1921;1080 is larger than the screen (1920x1080): part of it is off "
              "the screen; give jeu.ini a VIEWPORT the screen holds.");
}

TEST(Jeu, ConfigurationEnDeuxPassesEtValeursInvalides)
{
    DossierDeTravail d;
    ecrireTexte("jeu.ini",
                "# essai\nINCONNUE=1;2\nFRAMERATE=31\nVOLUME_EFFETS=fort\nVOLUME_MUSIQUE=150\n"
                "XINPUT=1\nUSESHADER=oui\nLOADIA=./personnages/a.per\nLOADPERSO=./personnages/b.per\n"
                "VIE_INFINIE=1\nLOADOVER=etoile;./effets/absente.dec\nVIEWPORT=320;200\r\n");
    ecrireTexte("anmglobaux.ini", "# globales\nLOAD_ANM_EXT=./absente.anm\n");
    CSFMLJeu jeu;
    jeu.pSourceEntrees = std::make_unique<SourceSansFocus>(jeu);
    ASSERT_EQ(jeu.init("jeu.ini"), 0);
    ASSERT_NE(jeu.fenetre, nullptr);
    EXPECT_EQ(jeu.fenetre->getSize(), sf::Vector2u(320, 200));
    ASSERT_NE(CSFMLJeuGlobal::prenderTexture, nullptr);
    EXPECT_EQ(CSFMLJeuGlobal::prenderTexture->getSize(), sf::Vector2u(320, 200));
    EXPECT_EQ(jeu.framerateCoeff, 0.5f);
    EXPECT_EQ(jeu.volumeEffets, 100.0f);  // not a number: default
    EXPECT_EQ(jeu.volumeMusique, 100.0f);  // clamped
    EXPECT_TRUE(jeu.bXInput);
    EXPECT_FALSE(jeu.bUseShader);
    EXPECT_FALSE(jeu.bVieInfinie);  // cheats need the development switch
    EXPECT_EQ(jeu.iasPrechargees.size(), 1u);
    EXPECT_EQ(jeu.persosPrecharges.size(), 1u);
    EXPECT_EQ(jeu.pdecor, jeu.pdecorMenu) << "the game opens on the menus' world";
    // An over-image whose file is missing is there, empty; a missing animation is not.
    EXPECT_EQ(jeu.overs.count("etoile"), 1u);
    EXPECT_EQ(jeu.getAnimGlobale("./absente.anm"), nullptr);
    EXPECT_TRUE(jeu.animsGlobales.empty());
    CPLUXTest::reset();

    // Menu and game frames, then the frame limit closes the window.
    jeu.nbImagesMax = 4;
    EXPECT_TRUE(jeu.etape());
    jeu.mode = 1;
    jeu.typeJeu = 2;
    jeu.killcamTaille = 3;
    EXPECT_TRUE(jeu.etape());
    EXPECT_TRUE(jeu.etape());
    EXPECT_FALSE(jeu.etape());
    EXPECT_EQ(jeu.compteurImages, 4);
    EXPECT_EQ(jeu.killcamImages.size(), 3u);
    EXPECT_EQ(jeu.killcamPosition, 0);  // three game frames: 1, 2, 0
}

TEST(Jeu, OptionKillcam)
{
    // KILLCAM (null: no key), frames per second, then the option and the ring's length.
    const struct {
        const char* valeur;
        int images, option, taille;
    } cas[] = {{nullptr, 30, 0, 0}, {"0", 30, 0, 0},    {"-5", 30, 0, 0},     {"x", 30, 0, 0},
               {"60", 30, 60, 60},   {"60", 60, 60, 120}, {"10000", 30, 90, 90}};
    for (const auto& c : cas) {
        DossierDeTravail d;
        CPLUXTest::reset();
        ecrireTexte("jeu.ini", "VIEWPORT=64;48\nFRAMERATE=" + std::to_string(c.images) + "\n" +
                                   (c.valeur ? std::string("KILLCAM=") + c.valeur + "\n" : ""));
        CSFMLJeu jeu;
        jeu.pSourceEntrees = std::make_unique<SourceSansFocus>(jeu);
        ASSERT_EQ(jeu.init("jeu.ini"), 0);
        const std::string nom = std::string(c.valeur ? c.valeur : "absent") + " at " + std::to_string(c.images);
        EXPECT_TRUE(jeu.optionKillcam == c.option && jeu.killcamTaille == c.taille) << nom;
        if (c.taille == 0)
            continue;
        jeu.mode = 1;
        jeu.typeJeu = 2;
        jeu.etape();
        ASSERT_EQ(jeu.killcamImages.size(), static_cast<size_t>(c.taille)) << nom;
        EXPECT_EQ(jeu.killcamImages[jeu.killcamPosition].getSize(), sf::Vector2u(32, 24)) << "half the window";
    }
}

TEST(Jeu, EditeurSansInterrupteurNeChargeRien)
{
    DossierDeTravail d;
    ASSERT_TRUE(ecrireWav("un.wav", 100));
    ecrireTexte("sons.ini", "LOADSOUND=A;un.wav\n");
    ecrireTexte("jeu.ini", "VIEWPORT=160;120\nEDITEUR=./niveaux/absent.niv\n");
    {
        CSFMLJeu jeu;
        jeu.pSourceEntrees = std::make_unique<SourceSansFocus>(jeu);
        ASSERT_EQ(jeu.init("jeu.ini"), 0);
        EXPECT_EQ(jeu.mode, 2);
        EXPECT_TRUE(jeu.buffersSons.empty());
        EXPECT_EQ(jeu.pdecor, jeu.pdecorMenu);
        EXPECT_TRUE(jeu.etape());
        jeu.touchesEditeur(sf::Keyboard::M);  // the editor's way out needs the switch
        EXPECT_EQ(jeu.mode, 2);
    }
    Interrupteur dev(true);
    CSFMLJeu jeu;
    jeu.pSourceEntrees = std::make_unique<SourceSansFocus>(jeu);
    ASSERT_EQ(jeu.init("jeu.ini"), 0);
    EXPECT_EQ(jeu.mode, 2);
    EXPECT_EQ(jeu.buffersSons.size(), 1u);
    EXPECT_EQ(jeu.pdecor, jeu.pdecorJeu);
    EXPECT_FALSE(CSFMLJeuGlobal::bChargement);
    EXPECT_TRUE(jeu.etape());
    CPerso joueur;
    jeu.pPerso = &joueur;
    jeu.touchesEditeur(sf::Keyboard::P);  // character mode: the player's collisions off
    EXPECT_TRUE(!joueur.bCollisions && jeu.bModePerso);
    jeu.touchesEditeur(sf::Keyboard::P);
    EXPECT_TRUE(joueur.bCollisions && !jeu.bModePerso);
    jeu.touchesEditeur(sf::Keyboard::M);
    EXPECT_EQ(jeu.mode, 1);
    EXPECT_FALSE(jeu.bCarteJeu);
    jeu.pPerso = nullptr;
    jeu.touchesJeu(sf::Keyboard::M);
    EXPECT_EQ(jeu.mode, 2);
}

TEST(Jeu, CapturesEtRapportSansEcraser)
{
    DossierDeTravail d;
    ecrireTexte("jeu.ini", "VIEWPORT=200;100\nVIEWPORT=640;480\n");
    CSFMLJeu jeu;
    jeu.pSourceEntrees = std::make_unique<SourceSansFocus>(jeu);
    ASSERT_EQ(jeu.init("jeu.ini"), 0);
    jeu.etape();

    // Files that merely look like the image writer's scratch files are left alone.
    std::vector<std::string> temoins;
    for (std::time_t t = std::time(nullptr), s = 0; s < 3; ++s) {
        std::time_t instant = t + s;
        std::tm tm{};
        localtime_r(&instant, &tm);
        char date[64];
        std::strftime(date, sizeof date, "%Y-%m-%d %Hh %Mm %Ss", &tm);
        temoins.push_back(std::string("capture_") + date + ".png.brouillon.png");
        ecrireTexte(temoins.back(), "a moi");
    }
    std::string a = jeu.capturerEcran();
    std::string b = jeu.capturerEcran();
    ASSERT_FALSE(a.empty());
    ASSERT_FALSE(b.empty());
    EXPECT_NE(a, b);
    EXPECT_EQ(a.rfind("capture_", 0), 0u);
    sf::Image image;
    ASSERT_TRUE(image.loadFromFile(b));
    EXPECT_EQ(image.getSize(), sf::Vector2u(200, 100));
    for (const std::string& t : temoins)
        EXPECT_EQ(lireTexte(t), "a moi") << t;

    // F8: the description is asked in a box; "OK" writes the report and its screenshot.
    jeu.pdecor->numNiveau = 7;
    jeu.demanderRapport();
    ASSERT_FALSE(CPLUX::getMessageBoxes().empty());
    int boite = CPLUX::getMessageBoxes().back()->getHwnd();
    ASSERT_TRUE(CPLUXTest::answerMessageBox(boite, 0, "le saut ne marche pas"));
    jeu.onMBClose(-1, "IDMBRAPPORT", true, false, false, "deuxième");
    jeu.onMBClose(-1, "IDMBRAPPORT", false, false, true, "annulé");
    std::vector<std::string> rapports = fichiersCommencantPar("rapport_erreur_");
    ASSERT_EQ(rapports.size(), 4u);  // two reports, each with its screenshot
    std::string texte;
    for (const std::string& r : rapports)
        if (r.size() > 4 && r.compare(r.size() - 4, 4, ".txt") == 0)
            texte += lireTexte(r);
    EXPECT_NE(texte.find("le saut ne marche pas"), std::string::npos);
    EXPECT_NE(texte.find("deuxième"), std::string::npos);
    EXPECT_NE(texte.find("int mode=0\n"), std::string::npos);
    EXPECT_NE(texte.find("float framerateCoeff=1\n"), std::string::npos);
    EXPECT_NE(texte.find("int numNiveau=7\n"), std::string::npos);
    CPLUXTest::reset();
}

// Some desktops leave a new window partly below the screen: the game's whole window lies on
// the desktop, centred.
TEST(Jeu, LaFenetreEstEntiereSurLeBureau)
{
    DossierDeTravail d;
    ecrireTexte("jeu.ini", "VIEWPORT=1280;720\n");
    CSFMLJeu jeu;
    jeu.pSourceEntrees = std::make_unique<SourceSansFocus>(jeu);
    ASSERT_EQ(jeu.init("jeu.ini"), 0);
    jeu.etape();
    const sf::VideoMode bureau = sf::VideoMode::getDesktopMode();
    const sf::Vector2i p = jeu.fenetre->getPosition();
    const sf::Vector2u t = jeu.fenetre->getSize();
    EXPECT_EQ(t, sf::Vector2u(1280, 720));
    EXPECT_GE(p.x, 0) << "left edge on the desktop";
    EXPECT_GE(p.y, 0) << "top edge on the desktop";
    EXPECT_LE(p.x + static_cast<int>(t.x), static_cast<int>(bureau.width)) << "right edge on the desktop";
    EXPECT_LE(p.y + static_cast<int>(t.y), static_cast<int>(bureau.height)) << "bottom edge on the desktop";
    if (bureau.width >= t.x && bureau.height >= t.y) {
        EXPECT_NEAR(p.x, (static_cast<int>(bureau.width) - 1280) / 2, 1) << "centred";
    }
}

TEST(Jeu, UneCaptureOuUnRapportQuiNePeutSEcrireEstSignale)
{
    DossierDeTravail d;
    ecrireTexte("jeu.ini", "VIEWPORT=200;100\n");
    CSFMLJeu jeu;
    jeu.pSourceEntrees = std::make_unique<SourceSansFocus>(jeu);
    ASSERT_EQ(jeu.init("jeu.ini"), 0);
    jeu.etape();
    jeu.killcamImages.assign(2, sf::Texture());
    ASSERT_TRUE(jeu.killcamImages[0].create(4, 4));

    // No byte can be written to a file (SIGXFSZ ignored, so that writes fail instead).
    std::stringstream erreurs;
    std::streambuf* ancienneSortie = std::cerr.rdbuf(erreurs.rdbuf());
    auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit ancienneLimite{};
    ::getrlimit(RLIMIT_FSIZE, &ancienneLimite);
    rlimit zero{0, ancienneLimite.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &zero);
    jeu.touchesProgrammees[jeu.compteurImages] = sf::Keyboard::F12;
    jeu.etape();
    jeu.touchesProgrammees[jeu.compteurImages] = sf::Keyboard::F9;
    jeu.etape();
    jeu.demanderRapport();
    jeu.onMBClose(-1, "IDMBRAPPORT", true, false, false, "rien ne s'écrit");
    ::setrlimit(RLIMIT_FSIZE, &ancienneLimite);
    std::signal(SIGXFSZ, ancienSignal);
    std::cerr.rdbuf(ancienneSortie);
    CPLUXTest::reset();

    const std::string dit = erreurs.str();
    EXPECT_NE(dit.find("capture d'écran"), std::string::npos) << "F12 failed silently: " << dit;
    EXPECT_NE(dit.find("killcam"), std::string::npos) << "F9 failed silently: " << dit;
    EXPECT_NE(dit.find("rapport d'erreur"), std::string::npos) << "the report failed silently: " << dit;
    EXPECT_TRUE(fichiersCommencantPar("capture_").empty());
    EXPECT_TRUE(fichiersCommencantPar("rapport_erreur_").empty());
    for (const auto& e : std::filesystem::recursive_directory_iterator("."))
        EXPECT_EQ(e.path().string().find(".tmp"), std::string::npos) << "left behind: " << e.path();
    // Once the disk takes bytes again, so do the saves.
    EXPECT_TRUE(jeu.sauverKillcam());
    EXPECT_FALSE(jeu.capturerEcran().empty());
}

TEST(Jeu, CommandesDesJoueursDepuisLaManette)
{
    CSFMLJeu jeu;
    jeu.bXInput = true;
    jeu.mode = 1;
    EtatManette e;
    e.bConnecte = true;
    e.boutons = MANETTE_A | MANETTE_HAUT;
    e.gaucheX = -32768;
    e.gaucheY = 32767;  // pushed up
    e.droitY = -16000;
    e.gachetteD = 255;
    setLecteurManette([&](unsigned n) { return n == 0 ? e : EtatManette(); });

    jeu.commandes[0].bSuperPouvoir = true;
    jeu.evenements(0, false, true);
    const CommandesJoueur& c = jeu.commandes[0];
    EXPECT_TRUE(c.bA && c.bHaut && !c.bB && !c.bRelA);
    EXPECT_EQ(c.stickGX, -100.0f);
    EXPECT_EQ(c.stickGY, -100.0f);  // stored negated
    EXPECT_EQ(c.stickDY, 48.0f);
    EXPECT_EQ(c.gachetteD, 1.0f);
    EXPECT_TRUE(c.bGauche && c.bHautClavier && !c.bDroite);
    EXPECT_TRUE(c.bSuperPouvoir);  // the scripts' flag survives sampling

    e.boutons = 0;
    jeu.evenements(0, false, true);
    EXPECT_TRUE(c.bRelA && c.bRelHaut && !c.bA && !c.bRelB);
    jeu.evenements(0, false, true);
    EXPECT_FALSE(c.bRelA);
    jeu.touchesJeu(sf::Keyboard::Return);
    jeu.evenements(0, false, true);
    EXPECT_TRUE(c.bB && c.bRelB) << "player 1's Return in play: the pad's B pressed and released";
    jeu.evenements(0, false, true);
    EXPECT_FALSE(c.bRelB) << "once a press";
    jeu.touchesEditeur(sf::Keyboard::Return);
    jeu.evenements(0, false, true);
    EXPECT_TRUE(c.bRelB) << "in the editor too: a script's message box closes";

    // Before "go" of a round, nothing moves.
    CSFMLJeuHUD hud;
    hud.compteurDepart = 10;
    jeu.pHUD = &hud;
    jeu.typeJeu = 2;
    e.boutons = MANETTE_A;
    jeu.evenements(0, false, true);
    EXPECT_FALSE(c.bA || c.bGauche);
    jeu.pHUD = nullptr;
    setLecteurManette(nullptr);
}

TEST(Jeu, ChronoEtEffetsEcranSeDecomptentParImage)
{
    DossierDeTravail d;
    ecrireTexte("jeu.ini", "VIEWPORT=160;120\nFRAMERATE=30\n");
    CSFMLJeu jeu;
    jeu.pSourceEntrees = std::make_unique<SourceSansFocus>(jeu);
    ASSERT_EQ(jeu.init("jeu.ini"), 0);
    jeu.fenetre->setFramerateLimit(0);
    jeu.mode = 1;
    jeu.typeJeu = 1;
    jeu.pdecor = jeu.pdecorJeu;
    jeu.pdecor->chrono = jeu.pdecor->chronoRef = 20;
    auto images = [&](int n) {
        for (int i = 0; i < n; ++i)
            jeu.etape();
    };
    images(45);
    EXPECT_EQ(jeu.pdecor->chrono, 20);  // the player has not acted yet
    jeu.bGoChrono = true;
    images(29);
    EXPECT_EQ(jeu.pdecor->chrono, 20);
    images(1);
    EXPECT_EQ(jeu.pdecor->chrono, 19);  // time left goes down

    // Screen effects live their count of frames; a negative life never ends.
    CSPRITE toujours, court;
    toujours.effetVie = -1;
    court.effetVie = 2;
    jeu.effetsEcran[0] = &toujours;
    jeu.effetsEcran[1] = &court;
    images(1);
    EXPECT_EQ(jeu.effetsEcran[1], &court);
    images(1);
    EXPECT_EQ(jeu.effetsEcran[1], nullptr);
    EXPECT_EQ(jeu.effetsEcran[0], &toujours);
    jeu.effetsEcran[0] = nullptr;
    jeu.mode = 0;
    images(40);
    EXPECT_EQ(jeu.pdecor->chrono, 19);  // not while a menu is up
}

TEST(Jeu, ChaqueTildeFaitPlaceAUneIcone)
{
    DossierDeTravail d;
    ecrireTexte("jeu.ini", "VIEWPORT=160;120\n");
    CSFMLJeu jeu;
    ASSERT_EQ(jeu.init("jeu.ini"), 0);
    sf::Text t("", jeu.police, 12);
    jeu.placerTexte(L"~A puis ~B", 0, 0, &t);
    EXPECT_EQ(t.getString(), sf::String(L"  A puis   B"));
}

TEST(Jeu, CacheDeTexturesParCleEtFichier)
{
    DossierDeTravail d;
    sf::Image rouge, bleu;
    rouge.create(2, 2, sf::Color::Red);
    bleu.create(3, 3, sf::Color::Blue);
    rouge.saveToFile("rouge.png");
    bleu.saveToFile("bleu.png");
    CSFMLJeu jeu;
    sf::Texture* a = jeu.textureEnCache("", "rouge.png");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(jeu.textureEnCache("", "rouge.png"), a);  // found again
    sf::Texture* b = jeu.textureEnCache("", "bleu.png");  // same key, another sheet
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->getSize(), sf::Vector2u(3, 3));
    EXPECT_EQ(jeu.textureEnCache("x", "absent.png"), nullptr);
}

TEST(Jeu, DialoguesDeclaresDansLOrdreAvecEtSansInterrupteur)
{
    using Paires = std::vector<std::pair<std::string, std::string>>;
    const Paires attendues = {
        {"JeuDialogPhysEffondrementOptions", "CJeuDialogPhysEffondrementOptions"},
        {"JeuDialogPhysBasculeOptions", "CJeuDialogPhysBasculeOptions"},
        {"JeuDialogSauverNiv", "CJeuDialogSauverNiv"},
        {"JeuDialogPhysCheminOptions", "CJeuDialogPhysCheminOptions"},
        {"JeuDialogChargerNiv", "CJeuDialogChargerNiv"},
        {"JeuDialogPhysParticulesOptions", "CJeuDialogPhysParticulesOptions"},
        {"JeuDialogScripts", "CJeuDialogScripts"},
        {"JeuDialogSprite", "CJeuDialogSprite"},
        {"JeuDialogPhysForceOptions", "CJeuDialogPhysForceOptions"},
        {"JeuDialogListeSD", "CJeuDialogListeSD"},
        {"JeuDialogShader", "CJeuDialogShaderVERT"},
        {"CSESelectionZone", "CCSESelectionZone"},
        {"SFMLJeuChoixPer", "CSFMLJeuChoixPer"},
        {"SFMLJeuChoixDec", "CSFMLJeuChoixDec"},
        {"JeuDialogOptionsNiv", "CJeuDialogOptionsNiv"},
        {"JeuDialogOptionsEditeur", "CJeuDialogOptionsEditeur"},
        {"JeuDialogInternet", "CJeuDialogInternet"},
        {"JeuDialogMenuEditeur", "CJeuDialogMenuEditeur"},
        {"JeuDialogEventsAnm", "CJeuDialogEventsAnm"},
        {"JeuDialogAnimationsSprites", "CJeuDialogAnimationsSprites"},
        {"JeuDialogScriptAnm", "CJeuDialogScriptAnm"},
    };
    CPLUXTest::reset();
    listerDialogues();  // players reach the lobby without the switch
    EXPECT_EQ(CPLUX::getDeclaredDialogs(), Paires({{"JeuDialogInternet", "CJeuDialogInternet"}}));
    CPLUXTest::reset();
    {
        Interrupteur dev(true);
        listerDialogues();
    }
    EXPECT_EQ(CPLUX::getDeclaredDialogs(), attendues);
    CPLUXTest::reset();
}
