// The menu object: construction, killcam replay and the world switch.
#include "OutilsMenus.h"

#include "gui/CPLUX.h"
#include "level/Vue.h"
#include "script/ScriptEngine.h"

#include <SFML/Graphics/RenderWindow.hpp>

#include <gtest/gtest.h>

TEST(ObjetMenus, ConstructionDansUnDossierVideEtAvecLesIcones)
{
    {
        BancMenus b;
        CJeuMenus& m = b.creerMenus();
        EXPECT_TRUE(m.langue == "fr_" && m.joueurs.empty() && m.pInventaire) << "an empty folder";
        EXPECT_FALSE(m.spriteEtoile.pSprite) << "missing icons stay empty";
        EXPECT_TRUE(CPLUX::getMessageBoxes().empty()) << "missing resources are not reported";
    }
    BancMenus b;
    std::filesystem::create_directories("polices");
    for (const char* police : {"SF_Minced_Meat.ttf", "Chaos in Wisconsin.ttf", "MASQUE__.ttf"})
        std::filesystem::copy_file(std::string(std::getenv("TUV_DATA_DIR")) + "/polices/" + police,
                                   std::string("polices/") + police);
    ecrireImage("icone.png", 8, 8, sf::Color::Yellow);
    for (const char* dec : {"./niveaux/star.dec", "./niveaux/star-vide.dec", "./niveaux/bouclier.dec",
                            "./niveaux/temps.dec", "./menus/barre_progression.dec"})
        ecrireTexte(dec, "ID=ICONE\nPLANCHE=./icone.png\nSPRITE=0;0;1;8;8;0;0\n");
    ecrireTexte("langue.ini", "LANGUE=en_\n");
    ecrireTexte("niveaux/joueurs.ini", "JOUEUR_ACTIF=1\nJOUEUR=a\nJOUEUR=b\n");
    CJeuMenus& m = b.creerMenus();
    EXPECT_TRUE(m.langue == "en_" && m.joueurActif == 1);
    for (const CSPRITE_SIMPLE* s : {&m.spriteEtoile, &m.spriteEtoileVide, &m.spriteBouclier, &m.spriteTemps,
                                    &m.spriteBarreProgression})
        EXPECT_TRUE(s->pSprite) << "an icon of the HUD is loaded";
    for (int i = 0; i < CJeuMenus::NB_POLICES; ++i)
        EXPECT_EQ(m.polices[i].getInfo().family.empty(), i >= 3) << "font " << i;
}

TEST(ObjetMenus, RevoirKillcam)
{
    BancMenus b;
    CJeuMenus& m = b.creerMenus();
    b.jeu.killcamImages.resize(4);
    b.jeu.killcamPosition = 1;
    m.bRevoirKillcam = true;
    std::vector<int> vus;
    for (int i = 0; i < 10 && m.bRevoirKillcam; ++i) {
        m.revoirKillcam(nullptr);
        vus.push_back(m.bRevoirKillcam ? m.indexKillcam : -1);
    }
    EXPECT_EQ(vus, (std::vector<int>{2, 3, 0, -1})) << "L - 1 frames from the slot after P, then the end";
    b.jeu.killcamPosition = 3;
    m.chargerMenu("./menus/", "absent.mnu");  // a load stops the replay and forgets its place
    m.bRevoirKillcam = true;
    m.afficher(nullptr);
    EXPECT_EQ(m.indexKillcam, 0) << "after a menu load the replay starts again after P";

    // Frames kept at half size are drawn back over the whole window.
    sf::RenderWindow fenetre(sf::VideoMode(8, 6), "killcam", sf::Style::None);
    sf::Image rouge;
    rouge.create(4, 3, sf::Color::Red);
    for (sf::Texture& t : b.jeu.killcamImages)
        t.loadFromImage(rouge);
    fenetre.clear(sf::Color::Blue);
    m.revoirKillcam(&fenetre);
    sf::Texture ecran;
    ecran.create(8, 6);
    ecran.update(fenetre);
    const sf::Image pixels = ecran.copyToImage();
    EXPECT_TRUE(pixels.getPixel(0, 0) == sf::Color::Red && pixels.getPixel(7, 5) == sf::Color::Red);
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
    // After each switch: active world, camera and engine; shots cleared; life information;
    // the other world silenced and the active one's musics taken up.
    m.selectionnerDecor(true);
    EXPECT_TRUE(jeu.pdecor == &partie && jeu.pvue == jeu.pvueJeu && jeu.pscriptEngine == jeu.pscriptEngineJeu);
    EXPECT_EQ(jeu.parmes->nbAppelsViderTirs, 1);
    EXPECT_TRUE(partie.bInfosVie && menu.appels.stopApplaudissements == 1 && partie.appels.jouerMusiques == 1);
    m.selectionnerDecor(false);
    EXPECT_TRUE(jeu.pdecor == &menu && jeu.pvue == jeu.pvueMenu && jeu.pscriptEngine == jeu.pscriptEngineMenu);
    EXPECT_EQ(jeu.parmes->nbAppelsViderTirs, 2);
    EXPECT_TRUE(!menu.bInfosVie && partie.appels.stopApplaudissements == 1 && menu.appels.jouerMusiques == 1)
        << "and back";

    // Early in start-up parts are missing: those steps are skipped.
    delete jeu.parmes;
    jeu.parmes = nullptr;
    CVue* vueJeu = jeu.pvueJeu;
    jeu.pvueJeu = nullptr;
    m.selectionnerDecor(true);
    EXPECT_TRUE(jeu.pdecor == &partie && jeu.pvue == jeu.pvueMenu) << "no game camera: the camera stays";
    jeu.pvueJeu = vueJeu;
}
