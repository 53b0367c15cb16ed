// The door transitions and the level banner.
#include "OutilsMenus.h"

#include "core/SpriteSimple.h"

#include <SFML/Graphics/RenderWindow.hpp>

#include <gtest/gtest.h>

TEST(PortesEtTitre, OuvertureEtFermetureEn65Images)
{
    BancMenus b;
    ecrireIcone("effets/poussiere.dec", sf::Color::White);
    CJeuMenus& m = b.menus();
    CDecor& monde = *b.jeu.pdecor;
    monde.pPoussierePas = new CSPRITE_SIMPLE();
    monde.pPoussierePas->charger("./effets/poussiere.dec");
    std::vector<std::string> sons;
    b.jeu.espionSons = [&](const std::string& s) { sons.push_back(s); };
    std::vector<int> attendu;
    for (int x = 0; x >= -640; x -= 10)
        attendu.push_back(x);
    // Opening from closed doors: drawn at 0, -10, ..., -640, "PORTES" on the first.
    m.portesX = 0;
    m.bOuverturePortes = true;
    std::vector<int> vues;
    while (m.bOuverturePortes && vues.size() < 100) {
        vues.push_back(m.portesX);
        m.ouvrirPortes(nullptr);
    }
    EXPECT_EQ(vues, attendu) << "65 frames";
    EXPECT_EQ(sons, std::vector<std::string>{"PORTES"});
    // Closing from open doors: the same frames the other way, then the closing sound and
    // one puff of dust where the doors meet.
    sons.clear();
    vues.clear();
    m.bFermeturePortes = true;
    while (m.bFermeturePortes && vues.size() < 100) {
        vues.push_back(m.portesX);
        m.fermerPortes(nullptr);
    }
    std::reverse(attendu.begin(), attendu.end());
    EXPECT_EQ(vues, attendu) << "65 frames";
    EXPECT_EQ(sons, (std::vector<std::string>{"PORTES", "PORTES_FERMETURE"}));
    ASSERT_EQ(monde.effets.size(), 1u);
    EXPECT_TRUE(monde.effets[0]->getSprite()->x == 550 && monde.effets[0]->getSprite()->y == 360);
}

TEST(PortesEtTitre, PortesDessineesEtMenu33)
{
    BancMenus b;
    ecrireMenus(2);
    ecrireIcone("niveaux/transition.dec", sf::Color::Red, 640, 720);
    CJeuMenus& m = b.creerMenus();
    std::vector<std::string> sons;
    b.jeu.espionSons = [&](const std::string& s) { sons.push_back(s); };
    sf::RenderWindow fenetre(sf::VideoMode(1280, 720), "portes", sf::Style::None);
    // Menu 33 shows the doors closed at once, without a sound.
    m.portesX = -640;
    m.ouvrirMenu(33);
    fenetre.clear(sf::Color::Black);
    m.afficherMenu(&fenetre);
    sf::Image i = ecran(fenetre);
    EXPECT_TRUE(i.getPixel(5, 700) == sf::Color::Red && i.getPixel(1275, 700) == sf::Color::Red &&
                i.getPixel(639, 10) == sf::Color::Red && i.getPixel(641, 10) == sf::Color::Red)
        << "both halves meet in the middle";
    EXPECT_TRUE(sons.empty());
    // Half open: the left half ends 320 pixels in, the mirrored right half starts at 960.
    fenetre.clear(sf::Color::Black);
    m.portesX = -320;
    m.ouvrirPortes(&fenetre);
    i = ecran(fenetre);
    EXPECT_TRUE(i.getPixel(318, 300) == sf::Color::Red && i.getPixel(322, 300) == sf::Color::Black &&
                i.getPixel(958, 300) == sf::Color::Black && i.getPixel(962, 300) == sf::Color::Red);
}

TEST(PortesEtTitre, TexteDuBandeau)
{
    BancMenus b;
    CJeuMenus& m = b.menus();
    std::vector<CJeuMenus::TexteDessine> journal;
    m.journalTextes = &journal;
    // Two adventure levels, the last chosen from its menu, and a chrono level in another list.
    ecrireTexte("niveaux/niveaux_aventure.ini", "NIV=./niveaux/foret/;1\nNIV=./niveaux/ete/;2\n");
    ecrireTexte("niveaux/niveaux_chrono.ini", "# chrono\nNIV=./niveaux/dunes/;1\n");
    for (const char* n : {"foret", "ete", "dunes"}) {
        std::filesystem::create_directories(std::string("niveaux/") + n);
        ecrireTexte(std::string("niveaux/") + n + "/niveau.niv", "NOM=x;1\n");
    }
    const std::string titre = "LIGNE=40;20;0;;Titre;1;40;255;240;200\n";
    ecrireTexte("menus/fr_menu320_choixniveau_aventure.mnu",
                titre + "LIGNE=40;110;1;;La forêt;0;22;1;1;1\nLIGNE=40;210;1;;Été;0;22;1;1;1\n");
    ecrireTexte("menus/en_menu330_choixniveau_chrono.mnu", titre + "LIGNE=40;110;1;a.png;The dunes;0;17;1;1;1;Sand\n");
    ecrireTexte("menus/fr_menu330_choixniveau_chrono.mnu", titre + "LIGNE=40;110;1;;Les dunes\n");
    m.listeNiveaux = {"./niveaux/foret/", "./niveaux/ete/"};
    m.nomsNiveaux = {"La forêt", "Été"};
    // Language, mode, level index, the running world's file, then the banner.
    const struct {
        const char* langue;
        int mode, index;
        const char* fichier;
        const wchar_t* attendu;
    } cas[] = {
        {"fr_", 0, 1, "./niveaux/ete/niveau.niv", L"Été"}, {"fr_", 0, 0, "./niveaux/ete/niveau.niv", L"Été"},
        {"en_", 0, 0, "./niveaux/dunes/niveau.niv", L"The dunes"},  // "Charger": another list
        {"fr_", 1, 5, "niveaux/dunes/niveau.niv", L"Les dunes"},
        {"fr_", 0, 2, "./niveaux/ete/niveau.niv", L"Fin de la démo :("},  // won past the last
        {"fr_", 2, 0, "./niveaux/autre.niv", L"Editeur"},          {"en_", 2, -1, "", L"Editor"},
        {"en_", 0, 1, "./niveaux/autre.niv", L"End of the demo :("}, {"de_", 0, 9, "", L"End of the demo :("},
    };
    for (const auto& c : cas) {
        m.langue = c.langue;
        b.jeu.mode = c.mode;
        m.indexNiveau = c.index;
        b.jeu.pdecor->fichierNiveau = c.fichier;
        journal.clear();
        m.afficherTitreNiveau(nullptr);
        ASSERT_EQ(journal.size(), 1u);
        EXPECT_EQ(journal[0].chaine, c.attendu) << c.langue << " mode " << c.mode << " " << c.fichier;
    }
}
