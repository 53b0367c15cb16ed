#include "level/Vue.h"

#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "gui/CPLUX.h"
#include "level/Decor.h"

#include <gtest/gtest.h>

#include <cmath>
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
        persos.push_back(std::make_unique<CPerso>());
        CPerso* p = persos.back().get();
        p->sprite->x = px;
        p->sprite->y = py;
        p->direction = direction;
        decor.persos.push_back(p);
        return p;
    }
    void placer(float px, float py) { joueur->sprite->x = px, joueur->sprite->y = py; }
    int maj() { return vue.maj(contexte); }

    std::vector<std::unique_ptr<CPerso>> persos;
    CDecor decor;
    CPerso* joueur;
    ContexteVue contexte;
    CVue vue;
};

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

    // Without a player, in an unknown mode, or while the editor drags a character, nothing moves.
    contexte.joueur = nullptr;
    EXPECT_EQ(maj(), -1);
    EXPECT_EQ(vue.maj(), -1);  // no game at all
    contexte.joueur = joueur;
    vue.vuemode = 42;
    vue.x = 7;
    EXPECT_EQ(maj(), 0);
    EXPECT_FLOAT_EQ(vue.x, 7);
    vue.vuemode = 0;
    contexte.modeJeu = 2;
    joueur->bSaisiSouris = true;
    maj();
    EXPECT_FLOAT_EQ(vue.x, 7) << "a dragged hero stays under the mouse";
}

TEST_P(VueTest, Mode1ScrollsAndPushesThePlayer)
{
    const float k = contexte.framerateCoeff = GetParam();
    vue.vuemode = 1;
    placer(-50, 900);
    maj();
    EXPECT_FLOAT_EQ(vue.x, 18 * k);
    EXPECT_EQ(joueur->sprite->x, std::trunc(18 * k - 30));  // left bound, origin 0
    EXPECT_FLOAT_EQ(joueur->sprite->y, 720);                 // bottom of the view
    placer(2000, 300);
    maj();
    EXPECT_EQ(joueur->sprite->x, std::trunc(36 * k + 1280));
    vue.x = 1719;
    maj();
    maj();
    EXPECT_FLOAT_EQ(vue.x, 1719 + 18 * k);  // stops at the right edge
    EXPECT_FLOAT_EQ(vue.y, 0);
}

TEST_F(VueTest, Mode3LagsAndSnapsToTheMaximumLag)
{
    vue.vuemode = 3;
    vue.y = 340;
    // Gap from the view centre: 860 snaps to 600, 10 waits, 100 and -518 step by 18.
    struct Cas { float px, x; } cas[] = {{1500, 260}, {900 + 10, 260}, {1000, 278}, {400, 260}};
    for (const Cas& c : cas) {
        placer(c.px, 700);
        maj();
        EXPECT_FLOAT_EQ(vue.x, c.x) << c.px;
        EXPECT_FLOAT_EQ(vue.y, 340);
    }
}

TEST_P(VueTest, Mode4FramesTheGroupAndWalksStraysBack)
{
    const float k = contexte.framerateCoeff = GetParam();
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
    EXPECT_FLOAT_EQ(vue.ecartMax, 500);
    EXPECT_EQ(pas, (std::vector<std::pair<CPerso*, int>>{{joueur, 0}, {autre, 1}}));
    EXPECT_EQ(autre->direction, 0);  // former facing restored
    EXPECT_FLOAT_EQ(autre->ecartGroupeX, -500);
    // Both face right: the lead would put the view at 25; both kept in view with 100 pixels
    // to spare it starts at 2000 + 100 - 1280. Vertical gap 20: one pixel.
    EXPECT_FLOAT_EQ(vue.x, 820);
    EXPECT_FLOAT_EQ(vue.y, 1 * k);

    pas.clear();
    autre->bMonte = true;  // left out of the group
    decor.bZone = true;
    decor.zone[0] = 300;
    vue.x = 0;
    maj();
    EXPECT_FLOAT_EQ(vue.centreX, 1000);
    EXPECT_TRUE(pas.empty());
    EXPECT_FLOAT_EQ(vue.x, 300);  // clamped to the zone
}

// "ZONE=0;..." says the level has no characters' zone: the view keeps to the level, and
// a zone narrower than the view holds its left edge instead of flipping between its ends.
TEST_F(VueTest, Mode4ZoneUnusedOrNarrowHoldsStill)
{
    vue.vuemode = 4;
    decor.zone[0] = decor.zone[2] = 0;
    struct Cas { bool zone; float px, depart, x; } cas[] = {
        {false, 200, -500, 0}, {false, 2900, 2900, 3000 - 1280}, {true, 2900, 2900, 0}};
    for (const Cas& c : cas) {
        decor.bZone = c.zone;
        placer(c.px, 500);
        vue.x = c.depart;
        for (int i = 0; i < 3; ++i) {
            maj();
            EXPECT_FLOAT_EQ(vue.x, c.x) << "zone " << c.zone << ", player at " << c.px << ", frame " << i;
        }
    }
}

TEST_P(VueTest, Mode5LooksAheadAndZoomEases)
{
    const float k = contexte.framerateCoeff = GetParam();
    vue.vuemode = 5;
    joueur->vitesse = 4;
    placer(900, 480);
    maj();
    EXPECT_FLOAT_EQ(vue.x, 900.0f / 50 * k);  // gap 900 >= 2 x 200
    EXPECT_FLOAT_EQ(vue.y, 0);
    for (auto [etat, zoom] : {std::pair(5, 1.0f + 0.005f * k), std::pair(2, 1.0f - 0.01f * k)}) {
        joueur->mode = etat;
        vue.zoom = 1.0f;
        maj();
        EXPECT_FLOAT_EQ(vue.zoom, zoom) << etat;
    }
    // A hero knocked back behind the view, or one taking over away from it, is shown at once;
    // the view never shows below the level's bottom.
    joueur->mode = 0;
    for (float px : {vue.x - 300, vue.x + 2500}) {
        placer(px, 1400);
        vue.y = 900;
        maj();
        EXPECT_TRUE(px > vue.x && px < vue.x + vue.largeur * vue.zoom) << px << " not in view from " << vue.x;
        EXPECT_LE(vue.y + vue.hauteur * vue.zoom, 1500.0f);
    }
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
    EXPECT_EQ(CPLUX::getConsoleText(16), L"ZoomVue=" + CPLUX::ftows(1.3f));
    EXPECT_EQ(CPLUX::getConsoleText(1).substr(0, 12), L"   Vue.x (ap");
    vue.vuemode = 6;
    maj();
    EXPECT_TRUE(CPLUX::getConsoleText(1).empty() && CPLUX::getConsoleText(16).empty()) << "gone with the mode";
}

TEST_F(VueTest, ZoomHelpers)
{
    EXPECT_TRUE(vue.zoomVers(1.0f, 0.1f));
    for (bool attendu : {false, false, true})
        EXPECT_EQ(vue.zoomVers(1.25f, 0.1f), attendu);
    EXPECT_FLOAT_EQ(vue.zoom, 1.25f);  // snapped
    EXPECT_TRUE(vue.zoomVers(1.0f, 1.0f));
    EXPECT_FLOAT_EQ(vue.zoom, 1.0f);

    const auto contexteJeu = CVue::contexte;
    CVue::contexte = [this] { return contexte; };
    // The limit refuses only a zoom that covers the level both ways.
    struct Cas { int X, Y; float pas; bool limite; float zoom; } cas[] = {
        {3000, 2000, 1.4f, true, 2.4f},  // covers the width only
        {3000, 2000, 1.8f, true, 1.0f},  // both
        {3000, 2000, 1.8f, false, 2.8f},
        {5000, 700, 0.5f, true, 1.5f},   // covers the height only
    };
    for (const Cas& c : cas) {
        vue.zoom = 1;
        decor.tailleJeuX = c.X;
        decor.tailleJeuY = c.Y;
        vue.zoomer(c.pas, c.limite);
        EXPECT_FLOAT_EQ(vue.zoom, c.zoom) << c.pas;
    }

    // The wheel zooms in by tenths but never to an empty or overturned view.
    vue.zoom = 1;
    for (int i = 0; i < 15; ++i)
        vue.molette(-1, false);
    EXPECT_FLOAT_EQ(vue.zoom, CVue::ZOOM_MOLETTE_MIN);
    vue.molette(1, false);
    EXPECT_NEAR(vue.zoom, 0.2f, 1e-6f);
    CVue::contexte = contexteJeu;
}

TEST_F(VueTest, ShakeSwingsAndFades)
{
    vue.vuemode = 6;
    vue.y = 100;
    vue.tremblement(6, 4);
    std::vector<float> ecarts;
    std::vector<bool> actif;
    for (float avant = vue.y; ecarts.size() < 15; avant = vue.y) {
        maj();
        ecarts.push_back(vue.y - avant);
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
