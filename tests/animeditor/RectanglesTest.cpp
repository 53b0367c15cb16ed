// The rectangles of an animation in the view: their handles' places and what a drag of the
// view grabs and moves (a corner, the global origin, the shadow).
#include "OutilsEditeur.h"

#include <functional>

namespace {
class RectanglesTest : public EditeurSeulTest {
protected:
    // Animation 0 with a global rectangle (0, 0, 100, 50), its origin on its top-left corner,
    // a hitbox (20, 10, 40, 30), at zoom 2.
    void SetUp() override
    {
        EditeurSeulTest::SetUp();
        spriteEssai(s(), planche);
        d().numAnimationSel = 0;
        d().zoom = 2;
        an().rectGlobal = {0, 0, 100, 50};
        an().rectHitbox = {20, 10, 40, 30};
        an().origineGlobale = {0, 0};
        d().placerPoigneesRect(0);
    }
    CSPRITE3_ANIMATION& an() { return *s().getAnim(0); }
    // A drag step from the point (x, y) of the animation (window pixels at zoom 2) by d.
    bool glisser(float x, float y, sf::Vector2f delta, bool premier = true)
    {
        d().bDebutDrag = premier;
        d().pImageAnimation->setDragDelta(delta);
        const sf::Vector2f p = d().pImageAnimation->getPositionScreen();
        return d().deplacerPoigneesRect(static_cast<int>(p.x) + d().centreVueX + static_cast<int>(2 * x),
                                        static_cast<int>(p.y) + d().centreVueY + static_cast<int>(2 * y));
    }
};
} // namespace

TEST_F(RectanglesTest, HandlesStoreMinusTheirPointAsOrigin)
{
    an().origineGlobale = {5, -3};
    d().placerPoigneesRect(0);
    const std::pair<const char*, sf::Vector2f> attendus[] = {
        {"HG", {0, 0}},        {"HD", {-100, 0}},     {"BG", {0, -50}},      {"BD", {-100, -50}},   {"O", {-5, 3}},
        {"HG_HB", {-20, -10}}, {"HD_HB", {-60, -10}}, {"BG_HB", {-20, -40}}, {"BD_HB", {-60, -40}}};
    for (const auto& [cle, o] : attendus)
        EXPECT_EQ(d().mapPoigneesHitbox.at(cle).getOrigin(), o) << cle;
}

TEST_F(RectanglesTest, ADragGrabsTheShownHandleUnderTheMouseAndMovesIt)
{
    struct Cas {
        const char* quoi;
        std::function<void()> preparer;
        sf::Vector2f point, delta;
        bool pris;
        sf::FloatRect global, hitbox;
        sf::Vector2f origine;
    };
    const sf::FloatRect G{0, 0, 100, 50}, B{20, 10, 40, 30};
    const Cas table[] = {
        {"BD by (10, 5) pixels at zoom 2", [] {}, {100, 50}, {10, 5}, true, {0, 0, 105, 52.5f}, B, {}},
        {"HG past the opposite corner", [] {}, {0, 0}, {220, 0}, true, {110, 0, -10, 50}, B, {}},
        {"hitbox BG", [] {}, {20, 40}, {-4, 6}, true, G, {18, 10, 42, 33}, {}},
        {"Control on a corner lying on the origin: the origin", [] { CPLUXTest::setModifiers(true, false, false); },
         {0, 0}, {4, 2}, true, G, B, {2, 1}},
        {"Control away from the origin: nothing", [] { CPLUXTest::setModifiers(true, false, false); }, {100, 50},
         {4, 2}, false, G, B, {}},
        {"a global corner on a hitbox corner: the global one",
         [&] {
             an().rectHitbox = {100, 50, 10, 10};
             d().placerPoigneesRect(0);
         },
         {100, 50}, {2, 2}, true, {0, 0, 101, 51}, {100, 50, 10, 10}, {}},
        {"the global rectangle hidden: its corner is not grabbed", [&] { d().bAfficheRectGlobal = false; }, {100, 50},
         {10, 5}, false, G, B, {}},
        {"the hitbox hidden: its corner is not grabbed", [&] { d().bAfficheRectHitbox = false; }, {20, 40}, {-4, 6},
         false, G, B, {}},
        {"beside every handle", [] {}, {50, 25}, {10, 5}, false, G, B, {}},
    };
    for (const Cas& c : table) {
        SetUp();
        c.preparer();
        EXPECT_EQ(glisser(c.point.x, c.point.y, c.delta), c.pris) << c.quoi;
        EXPECT_EQ(an().rectGlobal, c.global) << c.quoi;
        EXPECT_EQ(an().rectHitbox, c.hitbox) << c.quoi;
        EXPECT_EQ(an().origineGlobale, c.origine) << c.quoi;
        EXPECT_EQ(d().bDebutDrag, !c.pris) << c.quoi << ": the first step is over once something is grabbed";
        TearDown();
    }
    SetUp();
}

TEST_F(RectanglesTest, TheShadowMarkerMovesTheShadowOffsetWhileTheAnimationHasOne)
{
    s().setOmbreDecalage(0, 1, 1);
    const sf::Vector2f p = d().pImageAnimation->getPositionScreen();
    d().cercleRepere.setPosition(p.x + d().centreVueX + 60, p.y + d().centreVueY + 90);
    EXPECT_FALSE(glisser(30, 45, {6, 4})) << "no shadow, no marker to grab";
    s().setOmbre(0, true);
    EXPECT_TRUE(glisser(30, 45, {6, 4}));
    EXPECT_EQ(s().getOmbreDecalage(0), sf::Vector2f(4, 3)) << "(1, 1) + (6, 4) / 2";
    EXPECT_EQ(e->texte(IdAnm::myTextInputOmbreDx), "4");
    EXPECT_EQ(e->texte(IdAnm::myTextInputOmbreDy), "3");
    EXPECT_TRUE(glisser(500, 500, {-2, 0}, false)) << "later steps move what the first grabbed";
    EXPECT_EQ(s().getOmbreDecalage(0), sf::Vector2f(3, 3));
    d().zoom = 0;
    EXPECT_TRUE(glisser(500, 500, {-2, 0}, false));
    EXPECT_EQ(s().getOmbreDecalage(0), sf::Vector2f(3, 3)) << "a zoom of 0 moves nothing";
}
