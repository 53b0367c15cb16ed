// The whip model: creation, one relaxation step worked by hand, the links at the tip, the
// buffers' exchange, the path of key points and their pauses.
#include "OutilsOutils.h"

#include "tools/Fouet.h"

#include <cmath>

namespace {

// A marker added at (x, y) from the picture's corner is centred on screen at (x + 10, y + 20).
struct Scene : ScenePicture {
    Scene() : ScenePicture(0, 0, 10, 20, 200, 100) {}
};

// Unit mass chain in a plain world: no friction loss unless given.
void parametrer(CFouet& f, int rigidite, float longueur, float gravite, float friction, float ral)
{
    f.rigidite = rigidite;
    f.longueur = longueur;
    f.gravite = gravite;
    f.friction = friction;
    f.ral = ral;
}

void placer(CFouet& f, int i, float x, float y)
{
    for (auto* tampon : {&f.noeuds, &f.noeudsSuivants}) {
        (*tampon)[static_cast<size_t>(i)].x = x;
        (*tampon)[static_cast<size_t>(i)].y = y;
    }
}

} // namespace

TEST(Fouet, CreationPlacesNodesAlongXWithTheMassesOfEachMode)
{
    const struct {
        int mode;
        float masse, facteur;
        float attendues[4];
    } cas[] = {
        {CFouet::MASSE_CONSTANTE, 2.f, 0.5f, {2, 2, 2, 2}},
        {CFouet::MASSE_CROISSANTE, 2.f, 0.5f, {2, 2.5f, 3, 3.5f}},
        {CFouet::MASSE_DECROISSANTE, 1.f, 1.f, {1, 0, 0, 0}},
        {7, 2.f, 0.5f, {2, 2, 2, 2}},  // an unknown mode weighs as the constant one
    };
    for (const auto& c : cas) {
        CFouet f;
        f.longueur = 10.f;
        f.creer(4, 100.f, 50.f, c.masse, c.mode, c.facteur);
        ASSERT_EQ(f.noeuds.size(), 4u) << "mode " << c.mode;
        EXPECT_EQ(f.noeudsSuivants.size(), 4u) << "mode " << c.mode;
        EXPECT_EQ(f.liens.size(), 4u) << "2 x rigidite link records";
        for (int i = 0; i < 4; ++i) {
            const NoeudFouet& n = f.noeuds[static_cast<size_t>(i)];
            EXPECT_FLOAT_EQ(n.x, 100.f + 10.f * i) << "mode " << c.mode << " node " << i;
            EXPECT_FLOAT_EQ(n.y, 50.f) << "mode " << c.mode << " node " << i;
            EXPECT_FLOAT_EQ(n.vx, 1.f) << "mode " << c.mode << " node " << i;
            EXPECT_FLOAT_EQ(n.vy, 1.f) << "mode " << c.mode << " node " << i;
            EXPECT_FLOAT_EQ(n.masse, c.attendues[i]) << "mode " << c.mode << " node " << i;
            EXPECT_FLOAT_EQ(f.noeudsSuivants[static_cast<size_t>(i)].masse, c.attendues[i]) << "copy of node " << i;
        }
    }
}

TEST(Fouet, OneStepOfThreeNodesWorkedByHand)
{
    CFouet f;
    parametrer(f, 1, 2.f, 0.5f, 0.5f, 0.25f);
    f.creer(3, 0.f, 0.f, 1.f, CFouet::MASSE_CONSTANTE, 0.f);
    placer(f, 1, 3.f, 4.f);
    placer(f, 2, 3.f, 10.f);
    f.simuler(false, false);
    // Node 1: link to node 0 (-3, -4), length 5, gap 3 -> (-1.8, -2.4); to node 2 (0, 6),
    // length 6, gap 4 -> (0, 4); gravity 0.5. v = 0.5 (1, 1) + 0.25 (-1.8, 2.1) = (0.05, 1.025).
    EXPECT_NEAR(f.noeuds[1].vx, 0.05f, 1e-5) << "node 1 velocity x";
    EXPECT_NEAR(f.noeuds[1].vy, 1.025f, 1e-5) << "node 1 velocity y";
    EXPECT_NEAR(f.noeuds[1].x, 3.05f, 1e-5) << "node 1 position x";
    EXPECT_NEAR(f.noeuds[1].y, 5.025f, 1e-5) << "node 1 position y";
    // Node 2 (the tip): link to node 1 (0, -6) -> (0, -4), no neighbour beyond; gravity 0.5.
    EXPECT_NEAR(f.noeuds[2].vx, 0.5f, 1e-5) << "tip velocity x";
    EXPECT_NEAR(f.noeuds[2].vy, -0.375f, 1e-5) << "tip velocity y";
    EXPECT_NEAR(f.noeuds[2].x, 3.5f, 1e-5) << "tip position x";
    EXPECT_NEAR(f.noeuds[2].y, 9.625f, 1e-5) << "tip position y";
    EXPECT_FLOAT_EQ(f.noeuds[0].x, 0.f) << "the handle is never moved by relaxation";
    EXPECT_FLOAT_EQ(f.noeuds[1].masse, 1.f) << "masses stay";
}

TEST(Fouet, LinksPastTheTipAreNullOrCancelTheBackwardOnes)
{
    for (const bool tire : {true, false}) {
        CFouet f;
        parametrer(f, 2, 5.f, 0.f, 1.f, 1.f);
        f.creer(5, 0.f, 0.f, 1.f, CFouet::MASSE_CONSTANTE, 0.f);
        for (int i = 0; i < 5; ++i)
            placer(f, i, 10.f * i, 0.f);
        f.bBoutTire = tire;
        f.simuler(false, false);
        // The records hold node 4's links: backward to nodes 3 and 2, forward past the tip.
        ASSERT_EQ(f.liens.size(), 4u);
        EXPECT_FLOAT_EQ(f.liens[0].dx, -10.f) << "backward k=1";
        EXPECT_FLOAT_EQ(f.liens[0].ecart, 5.f) << "backward k=1";
        EXPECT_FLOAT_EQ(f.liens[2].dx, -20.f) << "backward k=2";
        EXPECT_FLOAT_EQ(f.liens[2].norme, 20.f) << "backward k=2";
        EXPECT_FLOAT_EQ(f.liens[1].dx, tire ? 0.f : 10.f) << "forward k=1, bBoutTire " << tire;
        EXPECT_FLOAT_EQ(f.liens[1].norme, tire ? 1.f : 10.f) << "forward k=1, bBoutTire " << tire;
        EXPECT_FLOAT_EQ(f.liens[3].dx, tire ? 0.f : 20.f) << "forward k=2, bBoutTire " << tire;
        // Pulled back by 5 + 15 when the tip is free; no pull when the pairs cancel.
        EXPECT_FLOAT_EQ(f.noeuds[4].x, tire ? 21.f : 41.f) << "tip after one step, bBoutTire " << tire;
    }
}

TEST(Fouet, TwoNodesOnOnePointAddNoForce)
{
    CFouet f;
    parametrer(f, 2, 0.5f, 0.f, 1.f, 1.f);
    f.creer(2, 30.f, 40.f, 1.f, CFouet::MASSE_CONSTANTE, 0.f);
    placer(f, 1, 30.f, 40.f);
    f.simuler(false, false);
    EXPECT_FLOAT_EQ(f.liens[0].norme, 1e-7f) << "a zero length becomes 1e-7";
    EXPECT_FLOAT_EQ(f.noeuds[1].x, 31.f) << "only the velocity (1, 1) moved the node";
    EXPECT_FLOAT_EQ(f.noeuds[1].y, 41.f) << "only the velocity (1, 1) moved the node";
}

TEST(Fouet, BuffersAreExchangedEveryStepAlsoWithZeroOrOneNode)
{
    CFouet f;
    f.creer(0, 0.f, 0.f, 1.f, 0, 0.f);
    f.simuler(false, false);
    EXPECT_TRUE(f.noeuds.empty() && f.noeudsSuivants.empty()) << "an empty chain stays empty";

    f.creer(1, 5.f, 6.f, 1.f, 0, 0.f);
    f.noeuds[0].x = 77.f;  // only in the current buffer
    f.simuler(false, false);
    EXPECT_FLOAT_EQ(f.noeuds[0].x, 5.f) << "the other buffer is current after a step";
    f.simuler(false, false);
    EXPECT_FLOAT_EQ(f.noeuds[0].x, 77.f) << "and back after the next one";
}

TEST(Fouet, StiffnessRaisedWithoutANewChainResizesTheLinks)
{
    CFouet f;
    f.creer(8, 0.f, 0.f, 1.f, 0, 0.f);
    ASSERT_EQ(f.liens.size(), 4u);
    f.rigidite = 6;
    f.simuler(false, false);
    EXPECT_EQ(f.liens.size(), 12u) << "2 x the new stiffness";
    f.rigidite = -3;
    f.simuler(false, false);
    EXPECT_TRUE(f.liens.empty()) << "a negative stiffness has no links";
    EXPECT_TRUE(std::isfinite(f.noeuds[7].y)) << "gravity alone still moves the chain";
}

TEST(Fouet, HandleFollowsKeyPointsAndCountsTheirPauses)
{
    Scene s;
    CFouet f;
    ASSERT_TRUE(f.ajouterKP(&s.d, s.image, 50, 30, 3, "__KP__"));  // centre (60, 50)
    ASSERT_TRUE(f.ajouterKP(&s.d, s.image, 100, 60, 2, "__KP__"));  // centre (110, 80)
    ASSERT_TRUE(f.ajouterKP(&s.d, s.image, 150, 10, 4, "__KP__"));  // centre (160, 30)
    f.creer(2, 0.f, 0.f, 1.f, 0, 0.f);
    f.numKPActif = f.numKPPrec = 0;
    f.compteurPause = 3;
    // After each step: previous key point, active key point, pause left.
    const int attendus[][3] = {{0, 0, 2}, {0, 0, 1}, {0, 1, 2}, {0, 1, 1}, {1, 2, 4},
                               {1, 2, 3}, {1, 2, 2}, {1, 2, 1}, {2, 0, 3}};
    for (int pas = 0; pas < 9; ++pas) {
        f.simuler(true, true);
        EXPECT_EQ(f.numKPPrec, attendus[pas][0]) << "step " << pas + 1;
        EXPECT_EQ(f.numKPActif, attendus[pas][1]) << "step " << pas + 1;
        EXPECT_EQ(f.compteurPause, attendus[pas][2]) << "step " << pas + 1;
    }
    EXPECT_EQ(s.d.getControl("__KP__2")->getColorCadre(), f.couleurCadreKP) << "the key point left";
    EXPECT_EQ(s.d.getControl("__KP__0")->getColorCadre(), f.couleurCadreKPCourant) << "the key point reached";
    // Step 10 goes from key point 2 to key point 0: the handle (placed in the buffer that was
    // current, now the second one) lands on 0, the rest of the chain moves by (-100, 20).
    const float x1 = f.noeuds[1].x, y1 = f.noeuds[1].y;
    f.simuler(true, false);
    EXPECT_FLOAT_EQ(f.noeudsSuivants[0].x, 60.f) << "handle on key point 0";
    EXPECT_FLOAT_EQ(f.noeudsSuivants[0].y, 50.f) << "handle on key point 0";
    EXPECT_NEAR(f.noeudsSuivants[1].x, x1 - 100.f, 1e-3) << "node 1 moved with the handle";
    EXPECT_NEAR(f.noeudsSuivants[1].y, y1 + 20.f, 1e-3) << "node 1 moved with the handle";
    EXPECT_EQ(f.compteurPause, 3) << "no pause counted without compterPause";
}

TEST(Fouet, KeyPointsAddAndRemoveTheirMarkers)
{
    Scene s;
    CFouet f;
    EXPECT_TRUE(f.ajouterKP(&s.d, s.image, 50, 30, 0, "m"));
    EXPECT_TRUE(f.ajouterKP(&s.d, s.image, 50, 30, -5, "m"));
    EXPECT_EQ(f.keyPoints[0].pause, 1) << "pause 0 becomes 1";
    EXPECT_EQ(f.keyPoints[1].pause, 1) << "pause -5 becomes 1";
    const CPLUXControl* m1 = s.d.getControl("m1");
    ASSERT_NE(m1, nullptr);
    EXPECT_EQ(m1->getText(), "1");
    EXPECT_EQ(m1->getData(), "1");
    EXPECT_EQ(m1->getRect(), sf::FloatRect(53, 43, 14, 14)) << "centred on (50, 30) from the picture";
    EXPECT_TRUE(m1->isMovable());
    // An edge that would be negative puts the marker's corner at the picture's middle.
    EXPECT_TRUE(f.ajouterKP(&s.d, s.image, -20, -20, 1, "m"));
    EXPECT_EQ(s.d.getControl("m2")->getPosition(), sf::Vector2f(110, 70));
    f.cacherKP();
    EXPECT_FALSE(s.d.getControl("m0")->isVisible());
    f.montrerKP();
    EXPECT_TRUE(s.d.getControl("m0")->isVisible());
    f.supprimerDernierKP();
    EXPECT_EQ(s.d.getControl("m2"), nullptr) << "the last marker leaves the dialog";
    EXPECT_EQ(f.keyPoints.size(), 2u);
    f.supprimerKP();
    EXPECT_TRUE(f.keyPoints.empty());
    EXPECT_EQ(s.d.getControl("m0"), nullptr);

    // One key point: nothing to follow, no pause counted.
    f.ajouterKP(&s.d, s.image, 50, 30, 3, "m");
    f.creer(2, 0.f, 0.f, 1.f, 0, 0.f);
    f.compteurPause = 3;
    f.simuler(true, true);
    EXPECT_EQ(f.compteurPause, 3);
    EXPECT_EQ(f.numKPActif, 1) << "indices untouched";
    EXPECT_FLOAT_EQ(f.noeudsSuivants[0].x, 0.f) << "the handle did not move";
}
