#include "core/Physique.h"
#include "core/Sprite.h"
#include "SpriteTestBanque.h"

#include <cmath>
#include <limits>

namespace {

using Physique = ServicesSauves;

class Effondrement : public ServicesSauves {
protected:
    void SetUp() override
    {
        ServicesSauves::SetUp();
        for (int n = 0; n < 3; ++n)
            setSansImages(banque, n, 2, 1.0f);
        sd.pDEC = &banque;
        sd.placer(0, 100, 100);
        sd.setPosInit(100, 100, -1, -1);
        sd.bPhysE = true;
    }
    // Frames until the collapse reports state 2, then until it is finished (-2).
    std::pair<int, int> jusquAuBout(CPhysEffondrement& e)
    {
        int frames = 0, tombe = -1;
        for (; frames < 1000; ++frames) {
            int etat = e.maj(&sd);
            if (etat == 2 && tombe < 0)
                tombe = frames;
            if (etat == -2)
                break;
        }
        return {tombe, frames};
    }
    CDEC banque;
    CSPRITE sd;
};

TEST_F(Effondrement, HauteurFixePuisTermine)
{
    CPhysEffondrement e(10, 2, false);
    EXPECT_EQ(e.maj(&sd), 0);  // waits until a character clears bEnAttente
    e.bEnAttente = false;
    auto [tombe, fin] = jusquAuBout(e);
    EXPECT_GT(tombe, 0);
    EXPECT_LT(fin, 1000);
    EXPECT_TRUE(e.bTermine);
    EXPECT_TRUE(e.bEnAttente);
    EXPECT_GE(e.parcouru, 10);
    EXPECT_FLOAT_EQ(sd.y - 100, float(e.parcouru + 2));  // the first frame moves too
    EXPECT_EQ(sd.y0, 100);
    sd.bPhysE = false;
    EXPECT_EQ(e.maj(&sd), -1);
}

TEST_F(Effondrement, HauteurAutoSArreteSurLeSol)
{
    g_services.estCollision = [](float, float, float, float y2) { return y2 >= 130; };
    CPhysEffondrement e(0, 3, true);
    e.bEnAttente = false;
    auto [tombe, fin] = jusquAuBout(e);
    EXPECT_GT(tombe, 0);
    EXPECT_LT(fin, 1000);
    EXPECT_GE(sd.y, 130);
    EXPECT_LE(sd.y, 133);
}

TEST_F(Effondrement, VitesseUnTombeAussiAMoitieDeCoefficient)
{
    g_services.framerateCoeff = [] { return 0.5f; };
    CPhysEffondrement e(1000, 1, false);
    e.bEnAttente = false;
    for (int i = 0; i < 10; ++i)
        e.maj(&sd);
    EXPECT_FLOAT_EQ(sd.y, 105);
    // A speed of 0 read from a file still falls instead of hanging in mid-air.
    CPhysEffondrement zero(5, 0, false);
    zero.bEnAttente = false;
    EXPECT_LT(jusquAuBout(zero).second, 1000);
    // An absurd speed falls down too, by a bounded step.
    g_services.framerateCoeff = [] { return 1.0f; };
    const float avant = sd.y;
    CPhysEffondrement enorme(1 << 30, std::numeric_limits<int>::max(), false);
    enorme.bEnAttente = false;
    enorme.maj(&sd);
    enorme.maj(&sd);
    EXPECT_GT(sd.y, avant);
    EXPECT_LT(sd.y - avant, 1e6f);
    EXPECT_GT(enorme.parcouru, 0);
}

TEST_F(Physique, BasculePencheVersLeCotePlusLourdDansLesButees)
{
    CDEC banque;
    setSansImages(banque, 0, 1, 0).largeur = 100;
    CSPRITE sd;
    sd.pDEC = &banque;
    sd.placer(0, 0, 0);
    CPhysBascule b(10, 20, -1, 5, 2.0f, 3, 0, 0);
    std::vector<Charge> charges{{20, 10}};
    g_services.chargesSurSprite = [&](CSPRITE*, std::vector<Charge>& c) { c = charges; };
    for (int i = 0; i < 20; ++i)
        b.maj(&sd);
    EXPECT_FLOAT_EQ(sd.angleDynamique, -10);  // left stop
    charges = {{80, 10}, {52, 50}};           // 52 lies within the pivot zone
    for (int i = 0; i < 20; ++i)
        b.maj(&sd);
    EXPECT_FLOAT_EQ(sd.angleDynamique, 20);
    charges = {{80, 2}};  // below poidsBascule: back toward level
    b.maj(&sd);
    EXPECT_FLOAT_EQ(sd.angleDynamique, 18);
    EXPECT_FLOAT_EQ(sd.getAngleTotal(), 18);
}

TEST_F(Physique, GlissementEtDestruction)
{
    CDEC banque;
    setSansImages(banque, 0, 1, 0);
    setSansImages(banque, 1, 1, 0);
    CSPRITE sd;
    sd.pDEC = &banque;
    sd.placer(0, 0, 0);  // box 8x4 at the origin
    sd.setRotation(30);
    CPhysG g;
    EXPECT_EQ(g.maj(500, 500, &sd), 0);
    sd.setRotation(90);
    EXPECT_EQ(g.maj(0, 2, &sd), 8);

    CPhysDestruction d(true, 5, 1, 0, 0, 0, false, 255, 0, 0, 255);
    d.toucher(&sd, 3);
    EXPECT_EQ(sd.sprite.getColor(), sf::Color::Red);
    for (int i = 0; i < CPhysDestruction::DUREE_TEINTE; ++i)
        d.maj(&sd);
    EXPECT_EQ(sd.sprite.getColor(), sd.couleur);
    d.toucher(&sd, 3);
    EXPECT_TRUE(d.bDetruit);
    EXPECT_EQ(sd.getNumAnim(), 1);
    // Damage piled up past the int range still breaks the sprite.
    CPhysDestruction solide(true, std::numeric_limits<int>::max(), 0, 0, 0, 0, true, 0, 0, 0, 255);
    solide.toucher(&sd, 1);
    solide.toucher(&sd, std::numeric_limits<int>::max());
    EXPECT_TRUE(solide.bDetruit);
}

} // namespace
