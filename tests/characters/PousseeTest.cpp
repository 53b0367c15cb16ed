// The push of force zones: how far it carries a character, what stops it, and that it fades
// alike at 30 and 60 frames per second.
#include "OutilsMouvement.h"

#include "characters/EtatsPerso.h"

namespace {

class Poussee : public Mouvement {};

} // namespace

TEST_F(Poussee, UnePousseeLacheeSEteintAuxDeuxCadences)
{
    for (float c : COEFFICIENTS) {
        coefficient(c);
        bloc(0, 500, 2000, 40);
        CPerso* p = perso(100, 500);
        p->vitesseForceX = 4;
        for (int i = 0; i < images(60); ++i)
            p->subirPoussee();
        // 4 + 3.2 + 2.56 + ... = 4 / (1 - 0.8) = 20 pixels at 30 fps; at 60 fps each half frame
        // keeps sqrt(0.8) of the push: 2 / (1 - 0.894) = 18.9 pixels.
        EXPECT_NEAR(x(p), 120, 1.5f) << "the push fades out at coefficient " << c;
        EXPECT_EQ(y(p), 500) << "a sideways push keeps the feet on the ground";
        EXPECT_EQ(p->vitesseForceX, 0) << "a faded push stops at coefficient " << c;
        TearDown();
        SetUp();
    }
}

TEST_F(Poussee, UneZoneQuiMaintientSaPousseePorteAVitesseConstante)
{
    for (float c : COEFFICIENTS) {
        coefficient(c);
        bloc(0, 500, 2000, 40);
        CPerso* p = perso(100, 500);
        for (int i = 0; i < images(10); ++i) {
            p->vitesseForceX = -3;  // what a zone that sets the push writes every frame
            p->subirPoussee();
        }
        EXPECT_NEAR(x(p), 70, 0.01f) << "3 pixels per frame at 30 fps for 10 frames, at " << c;
        TearDown();
        SetUp();
    }
}

TEST_F(Poussee, LeDecorArreteLaPoussee)
{
    bloc(0, 500, 2000, 40);
    bloc(130, 400, 20, 100);  // a wall right of the character, whose body spans 84 to 116
    bloc(0, 420, 90, 20);     // a ceiling just above the head at x 60 (head 60 above the feet)
    CPerso* p = perso(100, 500);
    for (int i = 0; i < 20; ++i) {
        p->vitesseForceX = 5;
        p->vitesseForceY = 5;
        p->subirPoussee();
    }
    EXPECT_LT(x(p), 130.0f) << "the wall holds the character back";
    EXPECT_GE(x(p), 122.0f) << "the character came up to the wall";
    CPerso* fort = perso(100, 500);
    fort->vitesseForceX = 200;
    fort->subirPoussee();
    EXPECT_LT(x(fort), 130.0f) << "a strong push does not cross the wall";
    EXPECT_EQ(y(p), 500) << "the ground holds a push downwards";

    p->sprite->x = 60;
    p->vitesseForceX = 0;
    p->vitesseForceY = -80;
    p->subirPoussee();
    EXPECT_EQ(y(p), 500) << "a ceiling holds a push upwards";

    CPerso* libre = perso(500, 500);
    libre->mode = EtatPerso::ARRET;
    libre->vitesseForceY = -10;
    libre->subirPoussee();
    EXPECT_EQ(y(libre), 490) << "nothing above: the push lifts the character";
    EXPECT_EQ(libre->mode, EtatPerso::CHUTE) << "lifted off the ground, it falls back";
}

TEST_F(Poussee, UnePousseeAberranteNeDeplacePasSansLimite)
{
    bloc(0, 500, 5000, 40);
    CPerso* p = perso(100, 500);
    p->vitesseForceX = std::numeric_limits<float>::quiet_NaN();
    p->subirPoussee();
    EXPECT_EQ(x(p), 100) << "a NaN push is dropped";
    EXPECT_EQ(p->vitesseForceX, 0);
    p->vitesseForceX = 1e30f;
    p->subirPoussee();
    EXPECT_LE(x(p), 100.0f + CPerso::LIMITE_VITESSE) << "a push is bounded like any speed";
    EXPECT_GT(x(p), 100.0f);
}
