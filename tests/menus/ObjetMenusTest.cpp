// The menu object: construction, killcam replay, the KILLCAM option and the world switch.
#include "OutilsMenus.h"

#include "game/Vue.h"
#include "gui/CPLUX.h"
#include "script/ScriptEngine.h"

#include <SFML/Graphics/RenderWindow.hpp>

#include <gtest/gtest.h>

namespace {

// A one-frame ".dec" on a small picture.
void ecrireDec(const std::string& chemin)
{
    ecrireImage(chemin + ".png", 8, 8, sf::Color::Yellow);
    ecrireTexte(chemin, "ID=ICONE\nPLANCHE=" + chemin + ".png\nSPRITE=0;0;1;8;8;0;0\n");
}

} // namespace

TEST(ObjetMenus, ConstructionDansUnDossierVideEtAvecLesIcones)
{
    {
        BancMenus b;
        CJeuMenus& m = b.creerMenus();
        EXPECT_EQ(m.langue, "fr_");
        EXPECT_TRUE(m.joueurs.empty());
        EXPECT_TRUE(m.scores.empty());
        EXPECT_EQ(m.idMenu, 0);
        EXPECT_EQ(m.ligneActive, -1);
        EXPECT_EQ(m.portesX, -640);
        EXPECT_EQ(m.indexKillcam, -1);
        EXPECT_EQ(m.nomsPersos[3], L"Zaruvared");
        EXPECT_TRUE(m.pInventaire);
        EXPECT_FALSE(m.spriteEtoile.pSprite) << "missing icons stay empty";
        EXPECT_TRUE(m.polices[0].getInfo().family.empty());
        EXPECT_TRUE(CPLUX::getMessageBoxes().empty()) << "missing resources are not reported";
    }
    BancMenus b;
    std::filesystem::create_directories("polices");
    const char* donnees = std::getenv("TUV_DATA_DIR");
    ASSERT_NE(donnees, nullptr);
    for (const char* police : {"SF_Minced_Meat.ttf", "Chaos in Wisconsin.ttf", "MASQUE__.ttf"})
        std::filesystem::copy_file(std::string(donnees) + "/polices/" + police, std::string("polices/") + police);
    for (const char* dec : {"./niveaux/star.dec", "./niveaux/star-vide.dec", "./niveaux/bouclier.dec",
                            "./niveaux/temps.dec", "./menus/barre_progression.dec"})
        ecrireDec(dec);
    ecrireTexte("langue.ini", "LANGUE=en_\n");
    ecrireTexte("niveaux/joueurs.ini", "JOUEUR_ACTIF=1\nJOUEUR=a\nJOUEUR=b\n");
    ecrireTexte("niveaux/scores.scr", "SCORE=1;10;a;2;1\n");
    CJeuMenus& m = b.creerMenus();
    EXPECT_EQ(m.langue, "en_");
    EXPECT_EQ(m.joueurActif, 1);
    EXPECT_EQ(m.scores.size(), 1u);
    for (const CSPRITE_SIMPLE* s : {&m.spriteEtoile, &m.spriteEtoileVide, &m.spriteBouclier, &m.spriteTemps,
                                    &m.spriteBarreProgression})
        EXPECT_TRUE(s->pSprite) << "an icon the HUD draws is loaded";
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(m.polices[i].getInfo().family.empty()) << "font " << i;
    EXPECT_TRUE(m.polices[3].getInfo().family.empty());
}

TEST(ObjetMenus, RevoirKillcam)
{
    BancMenus b;
    CJeuMenus& m = b.creerMenus();
    b.jeu.killcamImages.resize(4);
    b.jeu.killcamPosition = 1;
    m.bRevoirKillcam = true;
    std::vector<int> vus;
    while (m.bRevoirKillcam && vus.size() < 10) {
        m.revoirKillcam(nullptr);
        if (m.bRevoirKillcam)
            vus.push_back(m.indexKillcam);
    }
    EXPECT_EQ(vus, (std::vector<int>{2, 3, 0})) << "L - 1 frames from the slot after P, wrapping";
    b.jeu.killcamPosition = 3;
    m.chargerMenu("./menus/", "absent.mnu");
    m.bRevoirKillcam = true;
    m.afficher(nullptr);
    EXPECT_EQ(m.indexKillcam, 0) << "after a menu load the replay starts again after P";

    // Frames kept at half size are drawn back at the window's size.
    sf::RenderWindow fenetre(sf::VideoMode(8, 6), "killcam", sf::Style::None);
    for (sf::Texture& t : b.jeu.killcamImages) {
        sf::Image rouge;
        rouge.create(4, 3, sf::Color::Red);
        t.loadFromImage(rouge);
    }
    fenetre.clear(sf::Color::Blue);
    m.revoirKillcam(&fenetre);
    sf::Texture ecran;
    ecran.create(8, 6);
    ecran.update(fenetre);
    const sf::Image pixels = ecran.copyToImage();
    EXPECT_EQ(pixels.getPixel(7, 5), sf::Color::Red) << "the corner of the window is covered";
    EXPECT_EQ(pixels.getPixel(0, 0), sf::Color::Red);
}

TEST(ObjetMenus, OptionKillcam)
{
    // Value of KILLCAM (empty: no key), frame rate, option and ring length expected.
    const struct {
        const char* valeur;
        int images;
        int option;
        int taille;
    } cas[] = {{nullptr, 30, 0, 0}, {"0", 30, 0, 0},   {"-5", 30, 0, 0},     {"x", 30, 0, 0},
               {"60", 30, 60, 60},   {"60", 60, 60, 120}, {"10000", 30, 90, 90}};
    for (const auto& c : cas) {
        DossierDeTravail d;
        CPLUXTest::reset();
        std::string ini = "VIEWPORT=64;48\nFRAMERATE=" + std::to_string(c.images) + "\n";
        if (c.valeur)
            ini += std::string("KILLCAM=") + c.valeur + "\n";
        ecrireTexte("jeu.ini", ini);
        CSFMLJeu jeu;
        ASSERT_EQ(jeu.init("jeu.ini"), 0);
        EXPECT_EQ(jeu.optionKillcam, c.option) << (c.valeur ? c.valeur : "absent");
        EXPECT_EQ(jeu.killcamTaille, c.taille) << (c.valeur ? c.valeur : "absent") << " at " << c.images;
        if (c.taille == 0)
            continue;
        // A ring frame is half the window.
        jeu.mode = 1;
        jeu.typeJeu = 2;
        jeu.etape();
        ASSERT_EQ(jeu.killcamImages.size(), static_cast<size_t>(c.taille));
        EXPECT_EQ(jeu.killcamImages[jeu.killcamPosition].getSize(), sf::Vector2u(32, 24));
    }
}

TEST(ObjetMenus, BasculeEntreLesMondes)
{
    BancMenus b;
    CJeuMenus& m = b.creerMenus();
    CSFMLJeu& jeu = b.jeu;
    jeu.pvueMenu = new CVue(10, 10);
    jeu.pvueJeu = new CVue(10, 10);
    jeu.pscriptEngineMenu = new CScriptEngine();
    jeu.pscriptEngineJeu = new CScriptEngine();
    CDecor& menu = *jeu.pdecorMenu;
    CDecor& partie = *jeu.pdecorJeu;
    menu.bInfosVie = true;

    m.selectionnerDecor(true);
    EXPECT_EQ(jeu.pdecor, &partie);
    EXPECT_EQ(jeu.pvue, jeu.pvueJeu);
    EXPECT_EQ(jeu.pscriptEngine, jeu.pscriptEngineJeu);
    EXPECT_EQ(jeu.parmes->nbAppelsViderTirs, 1) << "no shot survives a switch";
    EXPECT_TRUE(partie.bInfosVie);
    EXPECT_EQ(menu.appels.stopApplaudissements, 1) << "the menu world is silenced";
    EXPECT_EQ(partie.appels.jouerMusiques, 1) << "the game world takes up its musics";

    m.selectionnerDecor(false);
    EXPECT_EQ(jeu.pdecor, &menu);
    EXPECT_EQ(jeu.pvue, jeu.pvueMenu);
    EXPECT_EQ(jeu.pscriptEngine, jeu.pscriptEngineMenu);
    EXPECT_EQ(jeu.parmes->nbAppelsViderTirs, 2);
    EXPECT_FALSE(menu.bInfosVie);
    EXPECT_TRUE(partie.bInfosVie);
    EXPECT_EQ(partie.appels.stopApplaudissements, 1);
    EXPECT_EQ(menu.appels.jouerMusiques, 1);
    EXPECT_EQ(menu.appels.stopApplaudissements, 1);
    EXPECT_EQ(partie.appels.jouerMusiques, 1);

    // Early in start-up or in tests parts are missing: what is missing is skipped.
    delete jeu.parmes;
    jeu.parmes = nullptr;
    CVue* vueJeu = jeu.pvueJeu;
    jeu.pvueJeu = nullptr;
    m.selectionnerDecor(true);
    EXPECT_EQ(jeu.pdecor, &partie);
    EXPECT_EQ(jeu.pvue, jeu.pvueMenu) << "no game camera: the camera stays";
    jeu.pvueJeu = vueJeu;
}
