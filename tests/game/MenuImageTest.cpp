#include "level/MenuImage.h"

#include "support/Outils.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Window/Window.hpp>
#include <gtest/gtest.h>

namespace {

// A 96 x 64 white grid of 32-pixel cells at (100, 50), with a scripted mouse.
class MenuImageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sf::Image image;
        image.create(96, 64, sf::Color::White);
        ASSERT_TRUE(image.saveToFile(dossier / "grille.png"));
        SourisJeu::lire = [this](const sf::Window&) { return souris; };
        SourisJeu::ctrlGauche = [this] { return ctrl; };
        menu.charger(dossier / "grille.png", 32, 32, 100, 50);
        menu.setActif(true);
    }
    void TearDown() override { SourisJeu::reinitialiser(); }

    bool survol(int mx, int my, bool gauche = false, bool droit = false)
    {
        souris = {gauche, droit, {mx, my}};
        return menu.survol(fenetre);
    }
    sf::Color pixel(int x, int y)
    {
        sf::RenderTexture rt;
        rt.create(240, 160);
        rt.clear(sf::Color::Blue);
        menu.dessiner(rt);
        rt.display();
        return rt.getTexture().copyToImage().getPixel(x, y);
    }

    DossierTemp dossier;
    EtatSouris souris;
    bool ctrl = false;
    sf::Window fenetre;  // never opened: the mouse comes from the test
    CMenuImage menu;
};

TEST_F(MenuImageTest, CellUnderTheMouseWithStrictEdges)
{
    struct Cas { int mx, my, index; } cas[] = {
        {100, 60, -1}, {150, 50, -1}, {196, 60, -1}, {150, 114, -1},  // on the edges
        {101, 51, 0},  {140, 90, 4},  {195, 113, 5}};
    for (const Cas& c : cas) {
        EXPECT_EQ(survol(c.mx, c.my), c.index >= 0) << c.mx << "," << c.my;
        EXPECT_EQ(menu.getIndex(), c.index) << c.mx << "," << c.my;
    }
    survol(140, 90);
    EXPECT_EQ(menu.colonne, 1);
    EXPECT_EQ(menu.ligne, 1);

    // A grid placed at the far end of the integers still finds its cells.
    menu.setPosition(2147483600, -2147483600);
    EXPECT_TRUE(survol(2147483640, -2147483590));
    EXPECT_EQ(menu.getIndex(), 1);
    menu.setPosition(100, 50);

    CMenuImage vide;  // missing image, bad cell size
    vide.charger(dossier / "absent.png", 0, -3, 0, 0);
    vide.setActif(true);
    EXPECT_FALSE(vide.survol(fenetre));
    EXPECT_EQ(vide.getIndex(), -1);
}

TEST_F(MenuImageTest, ReleaseIsReportedOnceAndOnlyWithControl)
{
    ctrl = true;
    survol(140, 90, true);
    EXPECT_TRUE(menu.clicGaucheEnCoursCtrl());
    EXPECT_FALSE(menu.clicGaucheCtrl());
    EXPECT_EQ(pixel(150, 81), sf::Color::Red);  // held: red outline on top of cell 4
    survol(140, 90);
    EXPECT_TRUE(menu.clicGaucheCtrl());
    survol(140, 90);
    EXPECT_FALSE(menu.clicGaucheCtrl());

    ctrl = false;
    survol(140, 90, true);
    survol(140, 90);
    EXPECT_TRUE(menu.bGaucheRelache);
    EXPECT_FALSE(menu.clicGaucheCtrl());
    ctrl = true;
    survol(140, 90, false, true);
    EXPECT_TRUE(menu.clicDroitEnCoursCtrl());

    // Off the image: no cell, no highlight. An inactive grid keeps its state and hides.
    survol(10, 10);
    EXPECT_EQ(pixel(150, 81), sf::Color::White);
    survol(140, 90, true);
    menu.setActif(false);
    EXPECT_FALSE(survol(101, 51));
    EXPECT_EQ(menu.getIndex(), 4);
    EXPECT_EQ(pixel(150, 81), sf::Color::Blue);
}

// The level's mouse is the one the window's events left, frame after frame, whatever the
// device says meanwhile (here: never pressed); a press the dialogs took holds nothing.
TEST(SourisJeu, LaSourisEstCelleDesEvenements)
{
    SourisJeu::reinitialiser();
    const sf::Window fenetre;
    auto bouton = [](sf::Event::EventType t, int x, int y) {
        sf::Event e;
        e.type = t;
        e.mouseButton = {sf::Mouse::Left, x, y};
        return e;
    };
    SourisJeu::debutImage();
    SourisJeu::evenement(bouton(sf::Event::MouseButtonPressed, 50, 60), false);
    SourisJeu::debutImage();
    sf::Event mouvement;
    mouvement.type = sf::Event::MouseMoved;
    mouvement.mouseMove = {70, 80};
    SourisJeu::evenement(mouvement, true);
    EtatSouris e = SourisJeu::lire(fenetre);
    EXPECT_TRUE(e.gauche) << "held since its press, a frame later";
    EXPECT_EQ(e.position, sf::Vector2i(70, 80));
    SourisJeu::evenement(bouton(sf::Event::MouseButtonReleased, 90, 10), true);
    EXPECT_FALSE(SourisJeu::lire(fenetre).gauche) << "let go, even over a dialog";
    SourisJeu::debutImage();
    SourisJeu::evenement(bouton(sf::Event::MouseButtonPressed, 90, 10), true);
    EXPECT_FALSE(SourisJeu::lire(fenetre).gauche) << "a press on a dialog is not the level's";
    SourisJeu::reinitialiser();
}

} // namespace
