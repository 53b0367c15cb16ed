#include "Sprite3Outils.h"

#include <cmath>

namespace {

class Interpolation : public Sprite3Test {
protected:
    void SetUp() override
    {
        Sprite3Test::SetUp();
        avecFeuille(s);
        s.ajouterElement("parent", 0, 0, 8, 8, 0, 0, 2, 2, -1, -1, false);
        s.ajouterElement("enfant", 0, 0, 8, 8, 0, 0, 2, 2, -1, -1, false);
        s.ajouterAnimation("a", true);
        s.setNbFrames(0, 20);
        s.ajouterAnimElem(0, 0, "", 0, 1);
        s.ajouterAnimElem(0, 1, "", 0, 1, 0);
        s.ajouterKeyframe(0, 10);
        s.setKeyAnimElemPosition(0, 10, 0, 100, -20, false);
    }
    CSPRITE3 s;
};

TEST_F(Interpolation, ValeursEntreDeuxKeyframes)
{
    EXPECT_EQ(s.getPositionInterpolee(0, 5, 0), sf::Vector2f(50, -10));
    EXPECT_EQ(s.getPositionInterpolee(0, 10, 0), sf::Vector2f(100, -20));
    EXPECT_EQ(s.getPositionInterpolee(0, 15, 0), sf::Vector2f(100, -20));  // after the last: held

    // Ticks per frame change the slope, not the value at a frame; the tick counter adds
    // the part of a frame already played.
    s.setVitesseAnim(0, 2);
    EXPECT_EQ(s.getPositionInterpolee(0, 5, 0), sf::Vector2f(50, -10));
    s.animations[0]->compteurTick = 1;
    EXPECT_FLOAT_EQ(s.getXInterpole(0, 0, 0, 5, 0, true), 55);
    EXPECT_FLOAT_EQ(s.getXInterpole(0, 0, 0, 5, 0, false), 50);

    s.setInterpolation(0, false);
    EXPECT_EQ(s.getPositionInterpolee(0, 5, 0), sf::Vector2f(0, 0));
    s.setInterpolation(0, true);

    s.setKeyAnimElemCouleur(0, 0, 0, sf::Color(0, 0, 0, 0));
    EXPECT_EQ(s.getCouleurInterpolee(0, 0, 0, 5, 0, false), sf::Color(128, 128, 128, 128));
    s.setPointMaillage(0, 10, 0, 3, 4, 8);  // the last point of a 2x2 mesh is one vertex
    const int v = s.getSommetPointElement(0, 3);
    EXPECT_EQ(s.getPointMaillageInterpole(0, 5, 0, v), sf::Vector2f(2, 4));
    EXPECT_EQ(s.getPointMaillageInterpole(0, 5, 0, 0), sf::Vector2f(0, 0));
}

TEST_F(Interpolation, EchelleDepuisZeroSansNaN)
{
    s.setKeyAnimElemPosition(0, 0, 1, 10, 10, false);
    s.setKeyAnimElemEchelle(0, 0, 0, 0, 1, false, false);
    s.setKeyAnimElemEchelle(0, 0, 0, 2, 2, true, true);
    const sf::Vector2f p = s.getPositionInterpolee(0, 0, 1);
    EXPECT_EQ(p, sf::Vector2f(10, 20));  // x had no ratio from 0; y doubled about the parent
    EXPECT_EQ(s.getKeyAnimElemEchelle(0, 0, 1), sf::Vector2f(3, 2));
    s.setKeyAnimElemEchelle(0, 10, 0, 0, 0, false, false);
    EXPECT_FALSE(std::isnan(s.getSXInterpole(0, 0, 0, 5, 0, false)));
    EXPECT_FLOAT_EQ(s.getSXInterpole(0, 0, 0, 5, 0, false), 1);
}

TEST_F(Interpolation, RotationDesEnfantsSelonLesDrapeaux)
{
    s.setKeyAnimElemPosition(0, 0, 1, 10, 0, false);
    s.setKeyAnimElemRotation(0, 0, 0, 90, false, false);
    EXPECT_EQ(s.getPositionInterpolee(0, 0, 1), sf::Vector2f(10, 0));
    EXPECT_EQ(s.getKeyAnimElemRotation(0, 0, 1), 0);

    s.setKeyAnimElemRotation(0, 0, 0, 180, true, false);
    const sf::Vector2f p = s.getPositionInterpolee(0, 0, 1);
    EXPECT_NEAR(p.x, 0, 1e-4);
    EXPECT_NEAR(p.y, 10, 1e-4);
    EXPECT_EQ(s.getKeyAnimElemRotation(0, 0, 1), 0);

    s.setKeyAnimElemRotation(0, 0, 0, 200, false, true);
    EXPECT_FLOAT_EQ(s.getKeyAnimElemRotation(0, 0, 1), 20);
    s.setKeyAnimElemRotation(0, 0, 0, 200, true, true);  // no change, nothing turns
    EXPECT_FLOAT_EQ(s.getKeyAnimElemRotation(0, 0, 1), 20);
}

TEST_F(Interpolation, CopierFrameEcritLEtatInterpole)
{
    s.setKeyAnimElemAvantPlan(0, 0, 0, true);
    s.setPointMaillage(0, 10, 0, 0, 8, 8);
    EXPECT_EQ(s.copierFrame(0, 5, 0, 15), 1);
    EXPECT_TRUE(s.isKeyframe(0, 15));
    EXPECT_EQ(s.getPositionInterpolee(0, 15, 0), sf::Vector2f(50, -10));
    const int sommet = s.getSommetPointMaillage(0, 0, 0);
    EXPECT_EQ(s.getCle(0, 15, 0)->avantPlan, 1) << "the in-front flag of the keyframe in force at 5";
    EXPECT_EQ(s.getKeyAnimElemPoint(0, 15, 0, sommet), sf::Vector2f(4, 4)) << "the mesh half way";
    EXPECT_EQ(s.getPositionInterpolee(0, 12, 0), sf::Vector2f(80, -16));  // slopes recomputed

    s.ajouterAnimation("b", true);
    s.setNbFrames(1, 20);
    EXPECT_EQ(s.copierFrame(0, 5, 1, 3), 0);  // fewer AEs in the target
    s.ajouterAnimElem(1, 0, "", 0, 1);
    s.ajouterAnimElem(1, 1, "", 0, 1);
    EXPECT_EQ(s.copierFrame(0, 5, 1, 3), 1);
    EXPECT_EQ(s.getPositionInterpolee(1, 3, 0), sf::Vector2f(50, -10));

    EXPECT_EQ(s.appliquerInterpolationKeyframe(0, 5, 1, 4, 0), 0);  // no keyframe at 4
    EXPECT_EQ(s.appliquerInterpolationKeyframe(0, 7, 1, 3, 0), 1);
    EXPECT_EQ(s.getPositionInterpolee(1, 3, 0), sf::Vector2f(70, -14));
}

} // namespace
