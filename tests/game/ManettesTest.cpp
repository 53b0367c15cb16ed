#include "core/Manettes.h"

#include <gtest/gtest.h>

namespace {

// Feeds one reading for pad 1; every other pad is disconnected.
struct ManetteInjectee {
    explicit ManetteInjectee(EtatManette e)
    {
        etat = e;
        setLecteurManette([this](unsigned int n) { return n == 1 ? etat : EtatManette(); });
    }
    ~ManetteInjectee() { setLecteurManette(nullptr); }
    EtatManette etat;
};

EtatManette connectee()
{
    EtatManette e;
    e.bConnecte = true;
    return e;
}

} // namespace

TEST(Manettes, ConversionDesSticks)
{
    struct Cas { int x, y; float attenduX, attenduY; } cas[] = {
        {7848, 0, 0, 0},        {7849, 0, 24, 0},     {7849, 100, 24, 0},
        {0, -7849, 0, -24},     {-7848, 7848, 0, 0},  {32767, 0, 100, 0},
        {-32768, 0, -100, 0},   {0, 32767, 0, 100},   {-7849, -32768, -24, -100},
    };
    for (const Cas& c : cas) {
        sf::Vector2f v = convertirStick(c.x, c.y);
        EXPECT_EQ(v.x, c.attenduX) << c.x << "," << c.y;
        EXPECT_EQ(v.y, c.attenduY) << c.x << "," << c.y;
    }
}

TEST(Manettes, LecturesParLeLecteurInjecte)
{
    EtatManette e = connectee();
    e.boutons = MANETTE_A | MANETTE_START;
    e.gachetteG = 255;
    e.gachetteD = 0;
    e.gaucheX = 7849;
    e.gaucheY = 100;
    e.droitX = -32768;
    e.droitY = 32767;
    ManetteInjectee m(e);

    EXPECT_TRUE(joystickConnecte(1));
    EXPECT_TRUE(joystickBouton(1, MANETTE_A));
    EXPECT_FALSE(joystickBouton(1, MANETTE_B));
    EXPECT_TRUE(joystickBouton(1, MANETTE_B | MANETTE_START));  // any bit of the mask
    float g = -1, d = -1;
    joystickGachettes(1, g, d);
    EXPECT_EQ(g, 1.0f);
    EXPECT_EQ(d, 0.0f);
    sf::Vector2f sg, sd;
    joystickSticks(1, sg, sd);
    EXPECT_EQ(sg, sf::Vector2f(24, 0));
    EXPECT_EQ(sd, sf::Vector2f(-100, 100));
}

TEST(Manettes, ManetteDebrancheeLitToutARepos)
{
    EtatManette e;  // disconnected, yet with stale values in it
    e.boutons = 0xFFFF;
    e.gachetteG = 200;
    e.gaucheX = 30000;
    ManetteInjectee m(e);
    for (unsigned int n : {0u, 1u, 3u, 4u, 99u}) {
        EXPECT_FALSE(joystickConnecte(n));
        EXPECT_FALSE(joystickBouton(n, 0xFFFF));
        float g = -1, d = -1;
        joystickGachettes(n, g, d);
        EXPECT_EQ(g, 0.0f);
        EXPECT_EQ(d, 0.0f);
        sf::Vector2f sg(5, 5), sd(5, 5);
        joystickSticks(n, sg, sd);
        EXPECT_EQ(sg, sf::Vector2f(0, 0));
        EXPECT_EQ(sd, sf::Vector2f(0, 0));
    }
}
