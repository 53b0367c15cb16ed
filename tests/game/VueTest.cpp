#include "game/Vue.h"

#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "level/Decor.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A level of 3000 x 1500 seen through a 1280 x 720 camera, with one player.
class VueTest : public ::testing::TestWithParam<float> {
protected:
    VueTest() : vue(1280, 720)
    {
        decor.tailleJeuX = 3000;
        decor.tailleJeuY = 1500;
        joueur = ajouterPerso(100, 100);
        contexte.joueur = joueur;
        contexte.decor = &decor;
        contexte.framerateCoeff = 1.0f;
    }
    ~VueTest() override { decor.persos.clear(); }

    CPerso* ajouterPerso(float px, float py, int direction = 0)
    {
        sprites.push_back(std::make_unique<CSPRITE3>());
        persos.push_back(std::make_unique<CPerso>());
        CPerso* p = persos.back().get();
        p->sprite = sprites.back().get();
        p->sprite->x = px;
        p->sprite->y = py;
        p->direction = direction;
        decor.persos.push_back(p);
        return p;
    }
    void placer(float px, float py) { joueur->sprite->x = px, joueur->sprite->y = py; }
    int maj() { return vue.maj(contexte); }

    std::vector<std::unique_ptr<CSPRITE3>> sprites;
    std::vector<std::unique_ptr<CPerso>> persos;
    CDecor decor;
    CPerso* joueur;
    ContexteVue contexte;
    CVue vue;
};

TEST_F(VueTest, DefaultsAndNoPlayer)
{
    EXPECT_EQ(vue.vuemode, 1);
    EXPECT_FLOAT_EQ(vue.zoomBase, 1.0f);
    EXPECT_FLOAT_EQ(vue.sx, 1280);
    EXPECT_FLOAT_EQ(vue.sy, 720);
    EXPECT_FLOAT_EQ(vue.vitesseScroll, 18);
    contexte.joueur = nullptr;
    EXPECT_EQ(maj(), -1);
    EXPECT_FLOAT_EQ(vue.x, 0);
    // No game at all: the default context has no player.
    EXPECT_EQ(vue.maj(), -1);

    contexte.joueur = joueur;
    vue.vuemode = 42;
    vue.x = 7;
    EXPECT_EQ(maj(), 0);
    EXPECT_FLOAT_EQ(vue.x, 7);
    EXPECT_EQ(vue.vue.getSize(), sf::Vector2f(1280, 720));
}

TEST_F(VueTest, Mode0FollowsAndClamps)
{
    vue.vuemode = 0;
    struct Cas { float px, py, x, y; } cas[] = {
        {100, 100, 0, 0}, {2900, 1400, 1720, 780}, {1500, 800, 860, 440}, {640, 360, 0, 0}};
    for (const Cas& c : cas) {
        placer(c.px, c.py);
        maj();
        EXPECT_FLOAT_EQ(vue.x, c.x) << c.px;
        EXPECT_FLOAT_EQ(vue.y, c.y) << c.py;
    }
    // A level narrower than the view: the clamp gives a negative left edge.
    decor.tailleJeuX = 1000;
    placer(700, 100);
    maj();
    EXPECT_FLOAT_EQ(vue.x, -280);

    // Crouching near the top pushes the view down 10 pixels a frame.
    joueur->mode = 2;
    placer(700, 100);
    maj();
    EXPECT_FLOAT_EQ(vue.y, 10);
    maj();
    EXPECT_FLOAT_EQ(vue.y, 20);
    joueur->mode = 0;
    maj();
    EXPECT_FLOAT_EQ(vue.decalageBaisse, 0);
}

TEST_P(VueTest, Mode1ScrollsAndPushesThePlayer)
{
    const float k = GetParam();
    contexte.framerateCoeff = k;
    vue.vuemode = 1;
    placer(-50, 900);
    maj();
    EXPECT_FLOAT_EQ(vue.x, 18 * k);
    EXPECT_FLOAT_EQ(joueur->sprite->x, 18 * k - 30);  // left bound with origin 0
    EXPECT_FLOAT_EQ(joueur->sprite->y, 720);          // bottom of the view
    EXPECT_FLOAT_EQ(vue.y, 0);

    placer(2000, 300);
    maj();
    EXPECT_FLOAT_EQ(vue.x, 36 * k);
    EXPECT_FLOAT_EQ(joueur->sprite->x, 36 * k + 1280);
    EXPECT_FLOAT_EQ(joueur->sprite->y, 300);

    vue.x = 1719;
    placer(2000, 300);
    maj();
    EXPECT_FLOAT_EQ(vue.x, 1719 + 18 * k);
    maj();
    EXPECT_FLOAT_EQ(vue.x, 1719 + 18 * k);  // stops once the right edge is reached
}

TEST_F(VueTest, Mode3LagsAndSnapsToTheMaximumLag)
{
    vue.vuemode = 3;
    joueur->hauteurHitbox = 0;
    placer(1500, 700);
    vue.y = 340;
    maj();
    EXPECT_FLOAT_EQ(vue.x, 1500 - 640 - 600);  // gap 860 > 600
    EXPECT_FLOAT_EQ(vue.y, 340);               // centred already

    placer(1500 + 10, 700);
    vue.x = 860;
    maj();
    EXPECT_FLOAT_EQ(vue.x, 860);  // gap under one step
    placer(1600, 700);
    maj();
    EXPECT_FLOAT_EQ(vue.x, 878);
    placer(1000, 700);
    maj();
    EXPECT_FLOAT_EQ(vue.x, 860);
}

TEST_P(VueTest, Mode4FramesTheGroupAndWalksStraysBack)
{
    const float k = GetParam();
    contexte.framerateCoeff = k;
    decor.zone[0] = 0;
    decor.zone[2] = 3000;
    vue.vuemode = 4;
    vue.distanceMax = 80;
    placer(1000, 500);
    CPerso* autre = ajouterPerso(2000, 500);
    std::vector<std::pair<CPerso*, int>> pas;
    contexte.marcher = [&](CPerso& p, int d) {
        pas.push_back({&p, d});
        p.direction = d;
    };
    maj();
    EXPECT_FLOAT_EQ(vue.centreX, 1500);
    EXPECT_FLOAT_EQ(vue.centreY, 500);
    EXPECT_FLOAT_EQ(vue.ecartMax, 500);
    EXPECT_FLOAT_EQ(vue.retard, 400);
    ASSERT_EQ(pas.size(), 2u);
    EXPECT_EQ(pas[0], std::make_pair(joueur, 0));
    EXPECT_EQ(pas[1], std::make_pair(autre, 1));
    EXPECT_EQ(joueur->direction, 0);
    EXPECT_EQ(autre->direction, 0);  // former facing restored
    EXPECT_FLOAT_EQ(joueur->ecartGroupeX, 500);
    EXPECT_FLOAT_EQ(autre->ecartGroupeX, -500);
    // Both face right: gap 1500 from the left edge, step max(speed, 1500 / 60) = 25.
    EXPECT_FLOAT_EQ(vue.x, 25 * k);
    // Vertical gap 500 - 0 - 480 = 20: one pixel per frame.
    EXPECT_FLOAT_EQ(vue.y, 1 * k);

    // A mounted character is left out of the group.
    pas.clear();
    autre->bMonte = true;
    maj();
    EXPECT_FLOAT_EQ(vue.centreX, 1000);
    EXPECT_TRUE(pas.empty());

    // The zone clamps the left edge.
    decor.zone[0] = 300;
    maj();
    EXPECT_FLOAT_EQ(vue.x, 300);
}

TEST_P(VueTest, Mode5LooksAheadAndZoomEases)
{
    const float k = GetParam();
    contexte.framerateCoeff = k;
    vue.vuemode = 5;
    joueur->vitesse = 4;
    placer(900, 480);
    maj();
    EXPECT_FLOAT_EQ(vue.retard, 200);
    EXPECT_FLOAT_EQ(vue.x, 900.0f / 50 * k);  // gap 900 >= 400
    EXPECT_FLOAT_EQ(vue.y, 0);                // v = 0 < 4 with y at the top

    joueur->mode = 5;  // jumping: zoom out to base + 0.025
    vue.zoom = 1.0f;
    maj();
    EXPECT_FLOAT_EQ(vue.zoom, 1.0f + 0.005f * k);
    joueur->mode = 2;  // crouching
    vue.zoom = 1.0f;
    maj();
    EXPECT_FLOAT_EQ(vue.zoom, 1.0f - 0.01f * k);
}

TEST_F(VueTest, Mode8WithoutCharactersClampsTheZoom)
{
    vue.vuemode = 8;
    vue.zoomBase = 1.5f;
    decor.persos.clear();
    maj();
    EXPECT_FLOAT_EQ(vue.zoom, 1.3f);
    EXPECT_FLOAT_EQ(vue.sx, 1280 * 1.3f);
    EXPECT_FLOAT_EQ(vue.cx, 1280 - 1280 * 1.3f);
}

TEST_F(VueTest, ZoomHelpers)
{
    EXPECT_TRUE(vue.zoomVers(1.0f, 0.1f));
    EXPECT_FALSE(vue.zoomVers(1.25f, 0.1f));
    EXPECT_FALSE(vue.zoomVers(1.25f, 0.1f));
    EXPECT_TRUE(vue.zoomVers(1.25f, 0.1f));
    EXPECT_FLOAT_EQ(vue.zoom, 1.25f);
    EXPECT_TRUE(vue.zoomVers(1.0f, 1.0f));
    EXPECT_FLOAT_EQ(vue.zoom, 1.0f);

    const auto contexteJeu = CVue::contexte;
    CVue::contexte = [this] { return contexte; };
    // 3000 x 2000 level: zoom 2.4 covers the width (3072) but not the height (1728).
    decor.tailleJeuY = 2000;
    vue.zoomer(1.4f, true);
    EXPECT_FLOAT_EQ(vue.zoom, 2.4f);
    // zoom 2.8 covers both: refused with the limit, taken without.
    vue.zoomer(0.4f, true);
    EXPECT_FLOAT_EQ(vue.zoom, 2.4f);
    vue.zoomer(0.4f, false);
    EXPECT_FLOAT_EQ(vue.zoom, 2.8f);
    // The other way about: the height fits only.
    vue.zoom = 1;
    decor.tailleJeuX = 5000;
    decor.tailleJeuY = 700;
    vue.zoomer(0.5f, true);
    EXPECT_FLOAT_EQ(vue.zoom, 1.5f);
    CVue::contexte = contexteJeu;
}

TEST_F(VueTest, ShakeSwingsAndFades)
{
    vue.vuemode = 6;
    vue.y = 100;
    vue.tremblement(6, 4);
    std::vector<float> ecarts;
    std::vector<bool> actif;
    float avant = vue.y;
    for (int i = 0; i < 15; ++i) {
        maj();
        ecarts.push_back(vue.y - avant);
        avant = vue.y;
        actif.push_back(vue.tremblementActif());
    }
    const std::vector<float> attendu = {-24, 24, -20, 20, -16, 16, -12, 12, -8, 8, -4, 4, 0, 0, 0};
    EXPECT_EQ(ecarts, attendu);
    EXPECT_TRUE(actif[10]);
    EXPECT_FALSE(actif[11]);  // counter at 0 two updates before the end
    EXPECT_EQ(vue.compteurTremblement, -1);
    EXPECT_FLOAT_EQ(vue.y, 100);
    EXPECT_EQ(vue.vue.getCenter(), sf::Vector2f(640, 460));
}

INSTANTIATE_TEST_SUITE_P(Cadence, VueTest, ::testing::Values(1.0f, 0.5f));

} // namespace
