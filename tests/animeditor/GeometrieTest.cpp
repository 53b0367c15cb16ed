// Geometry of the editor without a window: point rotation, the handles of an anim element
// and of the sheet's mesh, the image controls' mappings and hit tests, the checkerboard's
// cells and the rulers' step, and the hover test on a turned and mirrored element.
#include "OutilsEditeur.h"

#include <cmath>
#include <cstring>

namespace {
class GeometrieTest : public EditeurSeulTest {
protected:
    // A sheet of 2048 x 2048 in the sheet view, at zoom 2 scrolled by (10, 20).
    void feuilleZoomee()
    {
        grande.create(2048, 2048);
        image.setTexture(grande, true);
        d().pImagePlanche->setImage(&image);
        d().pImagePlanche->setScale(2);
        d().pImagePlanche->setScroll(10, 20);
    }
    // One animation of 20 frames, keyframes 0 and 10, one AE showing element 0 (40 x 30).
    void animation()
    {
        s().ajouterElement("e", 0, 0, 40, 30, 0, 0, 2, 2, -1, -1, false);
        s().ajouterAnimation("a", true);
        s().setNbFrames(0, 20);
        s().ajouterAnimElem(0, 0, "", 0, 1);
        s().ajouterKeyframe(0, 10);
        s().setAnimation(0, 0, true);
        d().numAnimationSel = 0;
        d().numAnimElemSel = 0;
    }
    static float angle(const sf::CircleShape& c) { return std::fmod(c.getRotation() + 360.f, 360.f); }

    sf::Texture grande;
    sf::Sprite image;
};

bool memesBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }
} // namespace

TEST_F(GeometrieTest, TurningAPointByZeroChangesNoBit)
{
    for (float v : {0.1f, -3.7e12f, 1e-30f}) {
        const sf::Vector2f p = CJeuDialogAnimationsSprites::tournerPoint(v, -v, 0, 5, 7);
        EXPECT_TRUE(memesBits(p.x, v) && memesBits(p.y, -v)) << "angle 0 must return its input, got " << p.x;
    }
}

TEST_F(GeometrieTest, HandlesSitOnTheScaledCornersAndTurnWithTheElementPlusAHalfTurn)
{
    animation();
    s().setKeyAnimElemValeurs(0, 0, 0, 0, true, 5, 5, 10, 20, 2, 0.5f, 0, false);
    d().majPoigneesAE(0, 0, 0);
    // 40 x 30 scaled (2, 0.5) is 80 x 15; the origin (10, 20) scaled is (20, 10).
    const std::pair<const char*, sf::Vector2f> attendus[] = {{"HG", {-20, -10}}, {"HD", {60, -10}}, {"BG", {-20, 5}},
                                                              {"BD", {60, 5}},    {"O", {0, 0}},     {"R", {20, -10}}};
    for (const auto& [cle, o] : attendus) {
        const sf::CircleShape& c = d().mapPoignees.at(cle);
        EXPECT_NEAR(c.getOrigin().x, o.x, 1e-4) << cle;
        EXPECT_NEAR(c.getOrigin().y, o.y, 1e-4) << cle;
        EXPECT_EQ(c.getPosition(), sf::Vector2f()) << cle;
        EXPECT_EQ(angle(c), 180.f) << cle << ": rotation 0 plus the half-turn";
    }
    const std::pair<float, float> rotations[] = {{-30.7f, 150}, {200, 20}, {-250, 290 /* -70 */}};
    for (const auto& [r, attendu] : rotations) {
        s().setKeyAnimElemRotation(0, 0, 0, r, false, false);
        d().majPoigneesAE(0, 0, 0);
        EXPECT_EQ(angle(d().mapPoignees.at("HD")), attendu) << "element turned by " << r;
    }
}

TEST_F(GeometrieTest, BetweenKeyframesHandlesFollowTheInterpolationButTheKeyOrigin)
{
    animation();
    s().setKeyAnimElemValeurs(0, 0, 0, 0, true, 0, 0, 10, 20, 1, 1, 0, false);
    s().setKeyAnimElemValeurs(0, 10, 0, 0, true, 0, 0, 0, 0, 3, 3, 90, false);
    s().recalculerPentes(0);
    s().setFrameCourante(5);
    // Half-way: scale 2, rotation 45; the origin stays the one of keyframe 0.
    d().majPoigneesAE(0, 5, 0);
    EXPECT_NEAR(d().mapPoignees["BD"].getOrigin().x, 40 * 2 - 10 * 2, 1e-3) << "interpolated scale 2";
    EXPECT_NEAR(d().mapPoignees["BD"].getOrigin().y, 30 * 2 - 20 * 2, 1e-3) << "interpolated scale 2";
    EXPECT_EQ(angle(d().mapPoignees["BD"]), 225.f) << "45 degrees plus the half-turn";
    s().setInterpolation(0, false);
    d().majPoigneesAE(0, 5, 0);
    EXPECT_NEAR(d().mapPoignees["BD"].getOrigin().x, 40 - 10, 1e-4) << "keyframe 0's scale without interpolation";
    EXPECT_EQ(angle(d().mapPoignees["BD"]), 180.f) << "keyframe 0's rotation without interpolation";
    // An animation without keyframe places nothing.
    s().supprimerKeyframes(0);
    d().mapPoignees["BD"].setOrigin(7, 7);
    d().majPoigneesAE(0, 5, 0);
    EXPECT_EQ(d().mapPoignees["BD"].getOrigin(), sf::Vector2f(7, 7)) << "no keyframe, no handle moved";
}

TEST_F(GeometrieTest, AThreeByFourMeshGivesTwelveSheetCirclesOnItsPoints)
{
    s().ajouterElement("e", 8, 4, 40, 30, 0, 0, 3, 4, -1, -1, false);
    d().elementSel = 0;
    d().pImagePlanche->setScale(2);
    d().creerPoigneesMaillagePlanche();
    d().placerPoigneesMaillagePlanche(0);
    ASSERT_EQ(d().mapCerclesMaillage.size(), 12u) << "3 columns x 4 rows";
    EXPECT_EQ(d().rayonCercleMaillage, 2);
    for (int p = 0; p < 12; ++p) {
        // Point (row r, column c) at the sheet pixel (8 + 20c, 4 + 10r), zoomed twice.
        const int r = p / 3, c = p % 3;
        ASSERT_TRUE(d().mapCerclesMaillage.count(p)) << p;
        EXPECT_EQ(d().mapCerclesMaillage[p].getPosition(), sf::Vector2f(2.f * (8 + 20 * c), 2.f * (4 + 10 * r)))
            << "point " << p << " numbered row by row";
    }
}

TEST_F(GeometrieTest, ImageControlsMapTheirPixelsAndHitTestTheSheet)
{
    feuilleZoomee();
    const CPLUXControlImage* i = d().pImagePlanche;
    ASSERT_EQ(i->getScrollX(), 10);
    const float l = i->getLeft(), t = i->getTop();
    const sf::FloatRect img = d().ecranVersImage(IdAnm::myImagePlancheSprites, l + 100, t + 50, 40, 60);
    EXPECT_EQ(img, sf::FloatRect(60, 45, 20, 30)) << "(100 / 2 + 10, 50 / 2 + 20, 40 / 2, 60 / 2)";
    EXPECT_EQ(d().imageVersEcran(IdAnm::myImagePlancheSprites, 60, 45, 20, 30), sf::FloatRect(l + 100, t + 50, 40, 60))
        << "and back";

    const int W = static_cast<int>(i->getWidth()) / 2, H = static_cast<int>(i->getHeight()) / 2;
    struct Cas {
        int x, y, w, h;
        bool visible;
    } table[] = {{10, 20, W, H, true}, {9, 20, W, H, false}, {10, 19, W, H, false}, {10, 20, W + 1, H, false},
                 {10, 20, W, H + 1, false}};
    for (const Cas& c : table)
        EXPECT_EQ(d().isRectVisible(IdAnm::myImagePlancheSprites, c.x, c.y, c.w, c.h), c.visible)
            << c.x << "," << c.y << " " << c.w << "x" << c.h << " (visible part " << W << "x" << H << " from 10,20)";

    s().ajouterElement("a", 20, 30, 20, 10, 0, 0, 2, 2, -1, -1, false);
    s().ajouterElement("b", 30, 30, 30, 30, 0, 0, 2, 2, -1, -1, false);
    auto sous = [&](float ix, float iy) {
        return d().getElementSousSouris(IdAnm::myImagePlancheSprites, static_cast<int>(l + (ix - 10) * 2),
                                        static_cast<int>(t + (iy - 20) * 2));
    };
    EXPECT_EQ(sous(35, 35), 0) << "where both overlap, the lower index";
    EXPECT_EQ(sous(45, 50), 1);
    EXPECT_EQ(sous(15, 25), -1) << "off every element";
}

TEST_F(GeometrieTest, CheckerboardCellsAndRulerStepsFollowTheViewAndTheZoom)
{
    struct Cas {
        double origine, cote, taille;
        long long premiere, derniere;
    } table[] = {{0, 50, 200, -1, 5},     // i0 = 1, i1 = 5 raised to 6
                 {120, 50, 200, -3, 1},   // i0 = 3, i1 = 2: odd and even already
                 {-300, 50, 200, 5, 11}}; // the origin left of the view: i0 = -5, i1 = 11 raised to 12
    for (const Cas& c : table) {
        const auto [premiere, derniere] = CJeuDialogAnimationsSprites::casesDamier(c.origine, c.cote, c.taille);
        EXPECT_EQ(premiere, c.premiere) << "origin " << c.origine;
        EXPECT_EQ(derniere, c.derniere) << "origin " << c.origine;
    }
    const std::pair<float, double> pas[] = {{1.99f, 100}, {2.0f, 50}, {3.99f, 50}, {4.0f, 25}, {6.0f, 5}, {0.1f, 100}};
    for (const auto& [zoom, attendu] : pas)
        EXPECT_EQ(CJeuDialogAnimationsSprites::pasRegle(zoom), attendu) << "zoom " << zoom;
}

TEST_F(GeometrieTest, HoverFindsAnElementTurnedAndMirrored)
{
    animation();
    d().show();
    d().pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
    // A 40 x 30 element, origin (0, 0), at the view's centre, turned a quarter clockwise,
    // covers 30 pixels left of its place and 40 below; mirrored first, it lies above instead.
    struct Cas {
        float echelleX;
        sf::Vector2i point;
        int attendu;
    } table[] = {{1, {-10, 30}, 0}, {-1, {-10, -30}, 0}, {-1, {-10, 30}, -1}, {-1, {10, -30}, -1}};
    const sf::Vector2f place = d().pImageAnimation->getPosition() +
                               sf::Vector2f(static_cast<float>(d().centreVueX), static_cast<float>(d().centreVueY));
    for (const Cas& c : table) {
        s().setKeyAnimElemValeurs(0, 0, 0, 0, true, 0, 0, 0, 0, c.echelleX, 1, 90, false);
        d().numAnimElemSurvol = -1;
        d().onDialogIn(nullptr, d().getLeft() + static_cast<int>(place.x) + c.point.x,
                       d().getTop() + static_cast<int>(place.y) + c.point.y);
        EXPECT_EQ(d().numAnimElemSurvol, c.attendu)
            << "scale x " << c.echelleX << " at (" << c.point.x << ", " << c.point.y << ")";
    }
}
