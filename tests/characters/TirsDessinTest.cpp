// The shots' drawing into a render texture: the image of each state, its rotation, the blink
// of an arming shot, the missile's large impacts, and how long one-frame images last.
#include "OutilsTirs.h"

#include <SFML/Graphics/RenderTexture.hpp>

namespace {

const sf::Color JAUNE(255, 255, 0), MAGENTA(255, 0, 255), NOIR(0, 0, 0);

class TirsDessin : public TirsTest {
protected:
    void SetUp() override
    {
        TirsTest::SetUp();
        // Shot 8 x 4, red left and blue right; flash green, wall impact yellow, character
        // impact magenta, 4 x 4 each.
        sf::Image planche;
        planche.create(32, 8, sf::Color::Transparent);
        for (unsigned y = 0; y < 4; ++y) {
            for (unsigned x = 0; x < 8; ++x)
                planche.setPixel(x, y, x < 4 ? sf::Color::Red : sf::Color::Blue);
            for (unsigned x = 0; x < 4; ++x) {
                planche.setPixel(8 + x, y, sf::Color::Green);
                planche.setPixel(16 + x, y, JAUNE);
                planche.setPixel(24 + x, y, MAGENTA);
            }
        }
        planche.saveToFile("planche.png");
        const std::string images = "PLANCHE=planche.png\nSPRITETIR=0;0;1;8;4;1;0\nSPRITETIRCANON=8;0;1;4;4;1;1\n"
                                   "SPRITETIRIMPACTMUR=16;0;1;4;4;1;1\nSPRITETIRIMPACTPERSO=24;0;1;4;4;1;1";
        armes({"ARME=ARME 2;Balle;10;10;60;300\n" + images, "ARME=ARME 10;Missile;6;100;4;1200\n" + images});
        ASSERT_TRUE(cible.create(64, 64));
        tireur = perso(1000, 1000);
    }
    sf::Image dessiner()
    {
        cible.clear(NOIR);
        liste().afficherTirs(cible);
        cible.display();
        return cible.getTexture().copyToImage();
    }
    CTir* tir(int arme, int x, int y, float angle, int etat)
    {
        liste().tirer(arme, x, y, 0, angle, false, tireur);
        CTir* t = liste().tirs.back();
        t->etat = etat;
        t->minuterie = 0;
        return t;
    }

    sf::RenderTexture cible;
    CPerso* tireur = nullptr;
};

TEST_F(TirsDessin, EachStateItsImageTurnedByAngleLessNinety)
{
    struct Cas {
        int arme, etat;
        float angle;
        int minuterie;
        std::vector<std::pair<sf::Vector2u, sf::Color>> pixels;
    };
    const sf::Color demiRouge(128, 0, 0);
    const Cas cas[] = {
        {0, CTir::VOL, 90, 0, {{{29, 31}, sf::Color::Red}, {{34, 31}, sf::Color::Blue}, {{32, 36}, NOIR}}},
        {0, CTir::VOL, 180, 0, {{{32, 29}, sf::Color::Red}, {{32, 34}, sf::Color::Blue}, {{29, 31}, NOIR}}},
        {0, CTir::VOL, 90, 2, {{{29, 31}, demiRouge}}},  // arming: half-transparent white
        {0, CTir::CANON, 90, 0, {{{32, 32}, sf::Color::Green}}},
        {0, CTir::IMPACT_PERSO, 90, 0, {{{32, 32}, MAGENTA}, {{40, 32}, NOIR}}},
        // The missile's impacts: five times larger (fired at 80 degrees, turned by -10).
        {1, CTir::IMPACT_PERSO, 90, 0, {{{32, 32}, MAGENTA}, {{39, 32}, MAGENTA}, {{26, 26}, MAGENTA}}},
        {1, CTir::IMPACT_DECOR, 90, 0, {{{37, 37}, JAUNE}, {{45, 32}, NOIR}}},
    };
    for (const Cas& c : cas) {
        liste().viderTirs();
        tir(c.arme, 32, 32, c.angle, c.etat)->minuterie = c.minuterie;
        const sf::Image image = dessiner();
        for (const auto& [p, couleur] : c.pixels) {
            const sf::Color lu = image.getPixel(p.x, p.y);
            EXPECT_NEAR(lu.r, couleur.r, 2) << "weapon " << c.arme << " state " << c.etat << " angle " << c.angle
                                            << " timer " << c.minuterie << " at " << p.x << "," << p.y;
            EXPECT_NEAR(lu.g, couleur.g, 2) << "at " << p.x << "," << p.y;
            EXPECT_NEAR(lu.b, couleur.b, 2) << "at " << p.x << "," << p.y;
        }
    }
}

TEST_F(TirsDessin, OneFrameImagesLastAThirtiethOfASecond)
{
    for (float c : {1.0f, 0.5f}) {
        coeff = c;
        liste().viderTirs();
        CTir* t = tir(0, 10, 10, 90, CTir::CANON);
        CTir* impact = tir(0, 20, 20, 90, CTir::IMPACT_PERSO);
        const int frames = c == 1.0f ? 1 : 2;
        for (int f = 1; f < frames; ++f)
            liste().afficherTirs(ecran());
        EXPECT_EQ(t->etat, CTir::CANON) << "coefficient " << c;
        liste().afficherTirs(ecran());
        EXPECT_EQ(t->etat, CTir::VOL) << "the flash is over, coefficient " << c;
        EXPECT_TRUE(impact->bFini) << "the impact is over, coefficient " << c;
        liste().majTirs();
        EXPECT_EQ(liste().tirs.size(), 1u) << "finished shots leave at the next update";
    }
}

} // namespace
