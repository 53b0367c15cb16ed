#include "game/RegleFramerate.h"

#include <gtest/gtest.h>

namespace {

// Shows `parSeconde` frames in each of `secondes` seconds from `debut`, evenly spread;
// returns how many calls reported a change of target.
int jouer(CRegleFramerate& r, double& debut, int secondes, int parSeconde)
{
    int changements = 0;
    for (int s = 0; s < secondes; ++s) {
        for (int i = 0; i < parSeconde; ++i)
            changements += r.image(debut + s + (i + 0.5) / parSeconde);
    }
    debut += secondes;
    return changements;
}

} // namespace

TEST(RegleFramerate, CibleEtCoefficientSelonLaConfiguration)
{
    CRegleFramerate r;
    EXPECT_EQ(r.getCoeff(), 1.0f);  // before "jeu.ini" is read

    struct Cas { int framerate; bool vsync, autoFr; int cible; float coeff; } cas[] = {
        {30, false, false, 30, 1.0f}, {31, false, false, 60, 0.5f}, {60, false, false, 60, 0.5f},
        {0, false, false, 30, 1.0f},  {-5, false, false, 30, 1.0f}, {144, false, false, 60, 0.5f},
        {30, true, false, 60, 0.5f},  {30, false, true, 60, 0.5f},
    };
    for (const Cas& c : cas) {
        r.configurer(c.framerate, c.vsync, c.autoFr);
        EXPECT_EQ(r.getCible(), c.cible) << c.framerate << c.vsync << c.autoFr;
        EXPECT_EQ(r.getCoeff(), c.coeff) << c.framerate << c.vsync << c.autoFr;
        EXPECT_EQ(r.getVsync(), c.vsync);
    }
}

TEST(RegleFramerate, AutoTombeA30PourDeBonApresDeuxSecondesLentes)
{
    CRegleFramerate r;
    r.configurer(60, true, true);
    double t = 0;
    // One slow second in a check period is tolerated.
    EXPECT_EQ(jouer(r, t, 3, 60) + jouer(r, t, 1, 40), 0);
    EXPECT_EQ(r.getCible(), 60);
    EXPECT_EQ(r.getMesure(), 60);  // seconds 0-2 at 60, second 3 closes at the next frame
    // Two slow seconds, not in a row: the check at the end of second 8 drops to 30.
    EXPECT_EQ(jouer(r, t, 1, 49) + jouer(r, t, 1, 60) + jouer(r, t, 1, 30), 0);
    EXPECT_EQ(r.getCible(), 60);  // the check has not run yet
    EXPECT_EQ(jouer(r, t, 1, 60) + jouer(r, t, 1, 60), 1);
    EXPECT_EQ(r.getCible(), 30);
    EXPECT_EQ(r.getCoeff(), 1.0f);
    EXPECT_FALSE(r.getVsync());
    // Fast seconds never bring 60 back.
    EXPECT_EQ(jouer(r, t, 12, 60), 0);
    EXPECT_EQ(r.getCible(), 30);
}

TEST(RegleFramerate, LesSecondesCommencentALaPremiereImage)
{
    CRegleFramerate r;
    r.configurer(60, false, true);
    double t = 0.9;  // the loop starts late in the clock's first second
    EXPECT_EQ(jouer(r, t, 1, 60) + jouer(r, t, 1, 40) + jouer(r, t, 3, 60), 0);
    EXPECT_EQ(r.getCible(), 60);  // one slow second only
}

TEST(RegleFramerate, UneSynchroQuiNeRetientPasRevientALaLimite)
{
    CRegleFramerate r;
    r.configurer(30, true, false);
    double t = 0;
    EXPECT_EQ(jouer(r, t, 2, 60), 0);
    EXPECT_TRUE(r.getVsync());
    EXPECT_EQ(jouer(r, t, 1, 400) + jouer(r, t, 1, 60), 1);
    EXPECT_FALSE(r.getVsync());
    EXPECT_EQ(r.getCible(), 60);
    EXPECT_EQ(r.getCoeff(), 0.5f);
}

TEST(RegleFramerate, SansAutoRienNeChangeEtUnArretCompteCommeLent)
{
    CRegleFramerate fixe;
    fixe.configurer(60, false, false);
    double t = 0;
    EXPECT_EQ(jouer(fixe, t, 8, 10), 0);
    EXPECT_EQ(fixe.getCible(), 60);

    // A stall of several seconds (no frame at all) counts as slow seconds.
    CRegleFramerate r;
    r.configurer(60, false, true);
    EXPECT_FALSE(r.image(0.1));
    EXPECT_TRUE(r.image(4.2));
    EXPECT_TRUE(r.getNouvelleSeconde());
    EXPECT_EQ(r.getCible(), 30);
}
