// The walk step: distance per frame, steps up and down, walls, the ground marks it leaves.
#include "OutilsMouvement.h"

#include "characters/EtatsPerso.h"

namespace {

class Marche : public Mouvement {};

} // namespace

TEST_F(Marche, DistanceSurSolPlatAuxDeuxCadences)
{
    // Probes every vitesse / 2 pixels (at least 1) while within vitesse: the grid result per
    // frame at 30 fps is 1, 3, 4 and 8 pixels.
    struct Cas {
        int vitesse;
        float parImage;
    };
    const Cas cas[] = {{1, 1}, {3, 3}, {5, 4}, {8, 8}};
    for (float c : COEFFICIENTS)
        for (const Cas& k : cas) {
            coefficient(c);
            bloc(0, 500, 2000, 40);
            CPerso* p = perso(100, 500);
            p->vitesse = k.vitesse;
            for (int i = 0; i < images(10); ++i)
                EXPECT_EQ(p->marcher(0, 1), 0) << "speed " << k.vitesse << " at " << c << ": nothing blocks";
            EXPECT_NEAR(x(p), 100 + 10 * k.parImage, c < 1 ? 1.0f : 0.0f)
                << "speed " << k.vitesse << " coefficient " << c;
            EXPECT_EQ(y(p), 500) << "flat ground keeps the feet on its top row";
            // Back to the left: turned and mirrored.
            p->marcher(1, 1);
            EXPECT_EQ(p->sprite->flipH, -1) << "a walk to the left mirrors the sprite";
            TearDown();
            SetUp();
        }
}

TEST_F(Marche, MarchesEtDescentes)
{
    // maxEscalier 10: a step of 9 pixels is climbed in the walk, one of 10 blocks; a drop of
    // 9 is followed in the same frame, one of 10 starts a fall while the walk runs its distance.
    struct Cas {
        int marche;  // height of a step at x >= 140 (negative: a drop at x >= 104)
        float yFinal;
        int etat;
        bool bloque;
    };
    const Cas cas[] = {
        {9, 491, EtatPerso::MARCHE, false},
        {10, 500, EtatPerso::MARCHE, true},
        {-9, 509, EtatPerso::MARCHE, false},
        {-10, 500, EtatPerso::CHUTE, false},
    };
    for (float c : COEFFICIENTS)
        for (const Cas& k : cas) {
            coefficient(c);
            if (k.marche > 0) {
                bloc(0, 500, 2000, 40);
                bloc(140, float(500 - k.marche), 100, k.marche);
            } else {
                bloc(0, 500, 104, 40);
                bloc(104, float(500 - k.marche), 2000, 40);
            }
            CPerso* p = perso(100, 500);
            p->vitesse = 8;
            p->maxEscalier = 10;
            bool bloque = false;
            for (int i = 0; i < images(6); ++i)
                bloque = p->marcher(0, 1) != 0;
            EXPECT_EQ(y(p), k.yFinal) << "step " << k.marche << " at " << c;
            EXPECT_EQ(p->mode, k.etat) << "step " << k.marche << " at " << c;
            EXPECT_EQ(bloque, k.bloque) << "step " << k.marche << " at " << c;
            if (k.bloque)
                EXPECT_LT(x(p), 140) << "never inside the step it could not climb";
            else
                EXPECT_EQ(x(p), 148) << "the full distance, also over a drop";
            TearDown();
            SetUp();
        }
}

TEST_F(Marche, MurAvantOuDesLaPremiereSonde)
{
    bloc(0, 500, 2000, 40);
    bloc(140, 300, 40, 200);
    CPerso* p = perso(134, 500);
    p->vitesse = 8;
    EXPECT_EQ(p->marcher(0, 1), 1);
    EXPECT_EQ(x(p), 138) << "stops at the last free offset (134 + 4), never backwards";
    EXPECT_EQ(p->mode, EtatPerso::MARCHE);
    EXPECT_EQ(p->marcher(0, 1), 1);
    EXPECT_EQ(x(p), 138) << "the next walk is blocked at its second offset: no move";
    CPerso* contre = perso(140, 500);
    contre->vitesse = 8;
    EXPECT_EQ(contre->marcher(0, 1), 1);
    EXPECT_EQ(x(contre), 140) << "blocked at the very first probe: no move";

    // maxEscalier 0: even the flat ground blocks, and every edge is a fall.
    CPerso* q = perso(300, 500);
    q->maxEscalier = 0;
    q->vitesse = 4;
    EXPECT_EQ(q->marcher(1, 1), 1);
    EXPECT_EQ(x(q), 300);
    CPerso* r = perso(2100, 500);  // beyond the ground's right end
    r->maxEscalier = 0;
    EXPECT_EQ(r->marcher(0, 1), 0);
    EXPECT_EQ(r->mode, EtatPerso::CHUTE);

    // A negative speed moves nothing and is no block.
    CPerso* n = perso(500, 500);
    n->vitesse = -6;
    EXPECT_EQ(n->marcher(0, 1), 0);
    EXPECT_EQ(x(n), 500);
    EXPECT_EQ(n->mode, EtatPerso::ARRET);
}

TEST_F(Marche, TracesEtPoussiereSelonLeMarcheurEtLeSol)
{
    struct Cas {
        bool meuble;
        int modeIA;
        bool poussiere;
        size_t traces, effets;
    };
    const Cas cas[] = {
        {false, -1, false, 0, 3},  // a player on hard ground: dust only
        {true, -1, false, 3, 3},   // on soft ground: footprints and dust
        {true, 2, false, 0, 0},    // an AI leaves nothing
        {true, 2, true, 3, 3},     // unless its dust is on
    };
    for (const Cas& k : cas) {
        if (k.meuble)
            blocMeuble(0, 500, 2000, 40);
        else
            bloc(0, 500, 2000, 40);
        CPerso* p = perso(100, 500);
        p->vitesse = 4;
        p->modeIA = k.modeIA;
        p->bPoussiere = k.poussiere;
        for (int i = 0; i < 3; ++i)
            p->marcher(0, 1);
        EXPECT_EQ(decor->tracesPas.size(), k.traces) << "soft " << k.meuble << " AI " << k.modeIA;
        EXPECT_EQ(decor->effets.size(), k.effets) << "soft " << k.meuble << " AI " << k.modeIA;
        p->sprite->setVisible(false);
        p->marcher(0, 1);
        EXPECT_EQ(decor->effets.size(), k.effets) << "a hidden walker leaves nothing";
        TearDown();
        SetUp();
    }
}
