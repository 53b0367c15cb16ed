// Keyframes made at the current frame (interpolated or copied), the channels of the selected
// AE applied to other keyframes, and the AE panel written into its keyframe. Animation 0
// interpolates AE 0 from (0, 0), scale (1, 1), 0 degrees at frame 0 to (20, 10), (2, 1), 30
// degrees at frame 10, one tick a frame: at frame 5 it stands half way.
#include "OutilsEdition.h"

namespace {
class KeyframesTest : public EditionTest {
protected:
    int nbKeyframes(int a) { return static_cast<int>(s().getAnim(a)->keyframes.size()); }
    sf::Vector2f point(int f, int ae, int j) { return s().getKeyAnimElemPoint(0, f, ae, s().getSommetPointMaillage(0, ae, j)); }
    void canaux(std::initializer_list<const char*> coches)
    {
        appuyer(IdAnm::myButtonCopieAESelRien);
        for (const char* id : coches)
            d().ctrlButtonCheck(id)->setCheck(true);
    }
    void panneau(const char* id, const char* texte) { e->ctrl(id)->setText(texte); }
};
} // namespace

TEST_F(KeyframesTest, ANewKeyframeHoldsTheInterpolatedValuesOrThoseOfTheKeyframeBefore)
{
    s().setKeyAnimElemOrigine(0, 0, 0, 3, 4);
    s().setKeyAnimElemAvantPlan(0, 0, 0, true);
    s().setPointMaillage(0, 10, 0, 3, 10, -6);
    d().allerAFrame(5);
    appuyer(IdAnm::myButtonAjouterKeyAnim);
    ASSERT_TRUE(s().isKeyframe(0, 5));
    const CSPRITE3_KEYANIMELEM& k5 = cle(0, 5, 0);
    EXPECT_TRUE(proche(k5.position, {10, 5})) << "half way from (0, 0) to (20, 10)";
    EXPECT_TRUE(proche(k5.echelle, {1.5f, 1}));
    EXPECT_FLOAT_EQ(k5.rotation, 15);
    EXPECT_TRUE(proche(k5.origine, {3, 4})) << "the origin of the keyframe before";
    EXPECT_EQ(k5.avantPlan, 1) << "and its in-front flag";
    EXPECT_TRUE(proche(point(5, 0, 3), {5, -3})) << "the mesh half way too";
    EXPECT_TRUE(proche(s().getPositionInterpolee(0, 7, 0), {14, 7})) << "frame 7 now runs from the new keyframe";
    EXPECT_EQ(d().numKeyFrameSel, 5);
    EXPECT_TRUE(d().pTimeline->isMarqueurSel()) << "the timeline shows the new keyframe chosen";
    EXPECT_EQ(e->texte(IdAnm::myTextInputAnimCourX), "10");
    EXPECT_FALSE(e->ctrl(IdAnm::myTextInputAnimCourX)->isReadOnly());

    appuyer(IdAnm::myButtonAjouterKeyAnim);
    appuyer(IdAnm::myButtonCopyKeyAnim);
    EXPECT_EQ(nbKeyframes(0), 3) << "nothing is made on a keyframe";

    // A copy after the last keyframe: its values as they are, flags included.
    s().setKeyAnimElemVisible(0, 10, 1, false, false);
    s().setKeyAnimElemAvantPlan(0, 10, 2, true);
    d().allerAFrame(15);
    appuyer(IdAnm::myButtonCopyKeyAnim);
    ASSERT_TRUE(s().isKeyframe(0, 15));
    EXPECT_TRUE(proche(cle(0, 15, 0).position, {20, 10}));
    EXPECT_TRUE(proche(cle(0, 15, 0).echelle, {2, 1}));
    EXPECT_FLOAT_EQ(cle(0, 15, 0).rotation, 30);
    EXPECT_EQ(cle(0, 15, 1).visible, 0) << "the hidden AE stays hidden";
    EXPECT_EQ(cle(0, 15, 2).avantPlan, 1);
    EXPECT_TRUE(proche(point(15, 0, 3), {10, -6}));
    EXPECT_EQ(d().numKeyFrameSel, 15);
}

TEST_F(KeyframesTest, WithoutAKeyframeBeforeTheNewOneKeepsTheDefaults)
{
    // An aim animation may lose its keyframe 0.
    s().setVisee(1, true);
    s().supprimerKeyframe(1, 0);
    ASSERT_EQ(nbKeyframes(1), 0);
    e->liste(IdAnm::myListAnimations)->setNumSel(1);
    choisirAE(0);
    d().allerAFrame(0);
    appuyer(IdAnm::myButtonAjouterKeyAnim);
    ASSERT_TRUE(s().isKeyframe(1, 0));
    const CSPRITE3_KEYANIMELEM& k = cle(1, 0, 0);
    EXPECT_TRUE(proche(k.position, {0, 0}));
    EXPECT_TRUE(proche(k.echelle, {1, 1}));
    EXPECT_EQ(k.visible, 1);
    // Before the first keyframe there is nothing to copy either.
    s().setKeyAnimElemValeurs(1, 0, 0, 0, true, 50, 50, 0, 0, 3, 3, 90, false);
    s().supprimerKeyframe(1, 0);
    s().ajouterKeyframe(1, 20);
    s().setKeyAnimElemValeurs(1, 20, 0, 0, true, 50, 50, 0, 0, 3, 3, 90, false);
    d().allerAFrame(8);
    appuyer(IdAnm::myButtonCopyKeyAnim);
    ASSERT_TRUE(s().isKeyframe(1, 8));
    EXPECT_TRUE(proche(cle(1, 8, 0).position, {0, 0}));
    EXPECT_FLOAT_EQ(cle(1, 8, 0).rotation, 0);

    d().numAnimationSel = -1;
    appuyer(IdAnm::myButtonAjouterKeyAnim);
    EXPECT_EQ(nbKeyframes(0), 2) << "no animation chosen: nothing";
}

TEST_F(KeyframesTest, CheckedChannelsGoIntoTheTargetKeyframes)
{
    s().setPointMaillage(0, 10, 0, 3, 8, 8);
    // Every keyframe, rotation only: the mesh of keyframe 10 stays.
    canaux({IdAnm::myButtonCheckCAERotation});
    panneau(IdAnm::myTextInputAnimCourAngle, "45");
    appuyer(IdAnm::myButtonAppliquerMaillageToutesFrames);
    EXPECT_FLOAT_EQ(cle(0, 0, 0).rotation, 45);
    EXPECT_FLOAT_EQ(cle(0, 10, 0).rotation, 45);
    EXPECT_TRUE(proche(cle(0, 10, 0).position, {20, 10})) << "position unchecked";
    EXPECT_TRUE(proche(point(10, 0, 3), {8, 8})) << "mesh unchecked";
    EXPECT_FLOAT_EQ(cle(0, 0, 1).rotation, 0) << "no child follows";

    // One keyframe, mesh unchecked: its mesh is that of the current frame all the same.
    s().setPointMaillage(0, 0, 0, 3, -7, 2);
    canaux({});
    panneau(IdAnm::myTextInputNumFrameAppliquer, "10");
    appuyer(IdAnm::myButtonAppliquerFrame);
    EXPECT_TRUE(proche(point(10, 0, 3), {-7, 2}));
    EXPECT_FLOAT_EQ(cle(0, 10, 0).rotation, 45);

    // The interpolation follows the new values at once.
    canaux({IdAnm::myButtonCheckCAEPosition});
    panneau(IdAnm::myTextInputAnimCourX, "40");
    panneau(IdAnm::myTextInputAnimCourY, "0");
    appuyer(IdAnm::myButtonAppliquerMaillageToutesFrames);
    EXPECT_TRUE(proche(s().getPositionInterpolee(0, 5, 0), {40, 0}));

    // Targets that are no keyframe, or past the animation, take nothing: a box says so.
    const Instantane avant(s(), 0);
    canaux({IdAnm::myButtonCheckCAEPosition, IdAnm::myButtonCheckCAEEchelle});
    panneau(IdAnm::myTextInputAnimCourX, "-99");
    for (const char* n : {"3", "20", "-1"}) {
        panneau(IdAnm::myTextInputNumFrameAppliquer, n);
        appuyer(IdAnm::myButtonAppliquerFrame);
        EXPECT_TRUE(memesCles(Instantane(s(), 0), avant)) << "target " << n;
        ASSERT_EQ(CPLUX::getMessageBoxes().size(), 1u) << "target " << n;
        CPLUX::getMessageBoxes()[0]->repondre(0);
    }
    // No keyframe before the first nor after the last.
    appuyer(IdAnm::myButtonAppliquerMaillageFramePrec);
    d().allerAFrame(12);
    appuyer(IdAnm::myButtonAppliquerMaillageFrameSuiv);
    EXPECT_TRUE(memesCles(Instantane(s(), 0), avant));
    d().allerAFrame(3);
    panneau(IdAnm::myTextInputAnimCourX, "-99");
    appuyer(IdAnm::myButtonAppliquerMaillageFrameSuiv);
    EXPECT_FLOAT_EQ(cle(0, 10, 0).position.x, -99) << "from frame 3 the next keyframe is 10";
    d().allerAFrame(12);
    panneau(IdAnm::myTextInputAnimCourX, "-5");
    appuyer(IdAnm::myButtonAppliquerMaillageFramePrec);
    EXPECT_FLOAT_EQ(cle(0, 0, 0).position.x, -5) << "from frame 12 the previous keyframe is 0";
}

TEST_F(KeyframesTest, ThePanelGoesIntoTheChosenKeyframeOnly)
{
    d().allerAFrame(10);
    panneau(IdAnm::myTextInputAnimCourX, "-12.5");
    panneau(IdAnm::myTextInputAnimCourSx, "abc");
    const float echelle = cle(0, 10, 0).echelle.x;
    d().ctrlButtonCheck(IdAnm::myButtonCheckAnimElementFilleVisible)->setCheck(false);
    d().appliquerPanneauAE();
    EXPECT_FLOAT_EQ(cle(0, 10, 0).position.x, -12.5f);
    EXPECT_FLOAT_EQ(cle(0, 10, 0).echelle.x, echelle) << "a text that is no number is refused";
    ASSERT_EQ(CPLUX::getMessageBoxes().size(), 1u);
    CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes()[0]->getHwnd(), 0);
    EXPECT_FALSE(s().getKeyframeFlag(0, 10));
    EXPECT_TRUE(proche(cle(0, 0, 0).position, {0, 0}));
    // Between keyframes nothing is written: the key in force belongs to frame 0.
    d().allerAFrame(4);
    ASSERT_EQ(d().numKeyFrameSel, -1);
    panneau(IdAnm::myTextInputAnimCourX, "77");
    d().appliquerPanneauAE();
    EXPECT_TRUE(proche(cle(0, 0, 0).position, {0, 0}));
    d().numKeyFrameSel = 4;  // stale
    d().appliquerPanneauAE();
    EXPECT_TRUE(proche(cle(0, 0, 0).position, {0, 0}));
}
