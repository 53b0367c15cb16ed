// The editor's check buttons: view options, sprite, animation, keyframe, anim-element and
// element flags, the aim switch, the edit mode, the daughter's drawing mode and the AE list.
#include "OutilsManip.h"

#include "gui/CPLUXMessageBox.h"

#include <functional>

namespace {
class CasesTest : public ManipTest {
protected:
    void SetUp() override
    {
        ManipTest::SetUp();
        animation(0);
    }
};
} // namespace

TEST_F(CasesTest, EachCheckWritesItsFlag)
{
    struct Cas {
        const char* id;
        bool coche;
        std::function<bool()> valeur;  // the flag the check writes, as it should now read
    };
    // The rows whose flag lives elsewhere than its name says, or that refresh something.
    const Cas table[] = {
        {IdAnm::myButtonCheckGrillePlanche, false, [&] { return !s().bGrilleVisible && !d().pImagePlanche->isGrid(); }},
        {IdAnm::myButtonCheckGrillePlanche, true, [&] { return s().bGrilleVisible && d().pImagePlanche->isGrid(); }},
        {IdAnm::myButtonCheckDrawHierarchie, true, [&] { return !d().bDrawHierarchie; }},
        {IdAnm::myButtonCheckDrawHierarchie, false, [&] { return d().bDrawHierarchie; }},
        {IdAnm::myButtonCheckFrameSensLectureSansChangement, false,
         [&] { return s().getKeyframeSensChange(0, 0) == 0; }},
        {IdAnm::myButtonCheckSensLectureFrame, true,
         [&] { return s().isKeyframeSensInverse(0, 0) && d().pTimeline->getMarqueurs()[0]->bAction; }},
        {IdAnm::myButtonCheckLockAnimElem, true,
         [&] { return s().getAnimElemVerrou(0, 1) && e->liste(IdAnm::myListAnimationElements)->getColor(1).g == 170; }},
        {IdAnm::myButtonCheckVisibleAnimElem, false, [&] { return s().getAnimElem(0, 1)->option == 0; }},
        {IdAnm::myButtonCheckUseSpriteColor, true, [&] { return s().getElement(1)->bCouleurGlobale; }},
        // The two edit-mode checks always show opposite states.
        {IdAnm::myButtonCheckModeMaillage, true,
         [&] { return d().bModeMaillage && !e->coche(IdAnm::myButtonCheckModeSizeMoveRot); }},
        {IdAnm::myButtonCheckModeSizeMoveRot, true,
         [&] { return !d().bModeMaillage && !e->coche(IdAnm::myButtonCheckModeMaillage); }},
        // No sub-sprite: only the flag is stored.
        {IdAnm::myButtonCheckLienTailleElemAnim, true,
         [&] { return s().getElement(1)->bTailles && s().getElement(1)->rect == sf::FloatRect(0, 10, 30, 30); }},
    };
    animElem(1);
    ASSERT_EQ(d().elementSel, 1) << "the AE's element is chosen with it";
    for (const Cas& c : table) {
        cocherCase(c.id, c.coche);
        EXPECT_TRUE(c.valeur()) << c.id << (c.coche ? " ticked" : " unticked");
    }
    // The emitter's flag needs an emitter (refused with a box); the AE's flags an AE.
    basculer(IdAnm::myButtonCheckEmetteurParticules);
    ASSERT_EQ(CPLUX::getMessageBoxes().size(), 1u);
    CPLUX::getMessageBoxes()[0]->repondre(0);
    touche(sf::Keyboard::Escape);
    basculer(IdAnm::myButtonCheckShaderActif);
    for (const char* id : {IdAnm::myButtonCheckEmetteurParticules, IdAnm::myButtonCheckShaderActif,
                           IdAnm::myButtonCheckLockAnimElem})
        EXPECT_FALSE(e->coche(id)) << id;
}

TEST_F(CasesTest, PlaybackModeDaughterAimAndListStyle)
{
    // Unticking the play check pauses a playing sprite where it is; a stopped one goes back to 0.
    frame(5);
    cocherCase(IdAnm::myButtonCheckPlayPauseAnim, true);
    EXPECT_TRUE(s().bPlay);
    cocherCase(IdAnm::myButtonCheckPlayPauseAnim, false);
    EXPECT_EQ(s().getFrameCourante(), 5) << "paused on its frame";
    s().bPlay = false;
    e->d->ctrlButtonCheck(IdAnm::myButtonCheckPlayPauseAnim)->setCheck(true);
    cocherCase(IdAnm::myButtonCheckPlayPauseAnim, false);
    EXPECT_EQ(s().getFrameCourante(), 0) << "stopped: rewound";

    // The daughter's drawing mode: a tick chooses it, an untick changes nothing.
    const std::pair<const char*, int> modes[] = {{IdAnm::myButtonCheckAfficheFilleApres, 2},
                                                 {IdAnm::myButtonCheckAfficheFilleEntre, 1}};
    for (const auto& [id, mode] : modes) {
        cocherCase(id, true);
        EXPECT_EQ(s().getModeAnimationFille(0), mode) << id;
        EXPECT_FALSE(e->coche(IdAnm::myButtonCheckAfficheFilleAvant)) << "one mode shown";
    }
    basculer(IdAnm::myButtonCheckAfficheFilleEntre);
    EXPECT_EQ(s().getModeAnimationFille(0), 1) << "unticked: the mode stays";

    // The aim switch: at least a frame per degree of a half turn.
    const std::tuple<int, int, int> visees[] = {{12, 2, 360}, {200, 2, 200}, {12, 0, 180}};
    for (const auto& [frames, parDegre, attendu] : visees) {
        s().setNbFrames(0, frames);
        s().setNbFramesVisee(0, parDegre);
        cocherCase(IdAnm::myButtonCheckTimelineVisee, true);
        EXPECT_EQ(s().getNbFrames(0), attendu) << frames << " frames, " << parDegre << " per degree";
        EXPECT_EQ(d().pTimeline->getNbFrames(), attendu);
        EXPECT_TRUE(s().isVisee(0) && d().pTimeline->isModeVisee());
        EXPECT_EQ(texte(IdAnm::myTextInputAnimFrameNb), std::to_string(attendu));
        EXPECT_TRUE(s().isKeyframe(0, 5)) << "no keyframe dropped";
        cocherCase(IdAnm::myButtonCheckTimelineVisee, false);
        EXPECT_FALSE(s().isVisee(0));
        EXPECT_EQ(s().getNbFrames(0), attendu) << "unticked, the count stays";
    }

    // The AE list: flat with its five buttons, or the tree without them.
    s().getAnimElem(0, 0)->enfants = {1};
    cocherCase(IdAnm::myButtonCheckAEStyle, false);
    EXPECT_EQ(d().styleAE, 1);
    EXPECT_FALSE(e->ctrl(IdAnm::myButtonMonterAnimElem)->isVisible());
    EXPECT_FALSE(e->ctrl(IdAnm::myButtonSupprimerElementAnimation)->isVisible());
    EXPECT_NE(e->liste(IdAnm::myListAnimationElements)->getTextCol2(1).find("|__"), std::string::npos)
        << "the tree";
    cocherCase(IdAnm::myButtonCheckAEStyle, true);
    EXPECT_TRUE(e->ctrl(IdAnm::myButtonColleAE)->isVisible());
    EXPECT_EQ(d().styleAE, 0);
}

TEST_F(CasesTest, TheDaughtersOffsetFlagAndKeyframeFlags)
{
    // The daughter carries the flag that lets its mother's KF_DELTA move it.
    s().ajouterAnimation("fille", true);
    s().getAnim(0)->fille = 1;
    d().majListeAnimations();
    animation(1);
    animation(0);
    cocherCase(IdAnm::myButtonCheckDecalageMere, true);
    EXPECT_EQ(s().getAnim(1)->bDeltaActif, 1);
    EXPECT_EQ(s().getAnim(0)->bDeltaActif, 0);
    cocherCase(IdAnm::myButtonCheckDecalageMere, false);
    EXPECT_EQ(s().getAnim(1)->bDeltaActif, 0);

    // The sound-if-stopped flag of a keyframe, only on a keyframe.
    frame(5);
    cocherCase(IdAnm::myButtonCheckPlaySonSiStop, true);
    EXPECT_EQ(s().getKeyframeEnForce(0, 5)->bSonSiStop, 1);
    frame(7);
    cocherCase(IdAnm::myButtonCheckPlaySonSiStop, false);
    EXPECT_EQ(s().getKeyframeEnForce(0, 5)->bSonSiStop, 1) << "off a keyframe nothing is written";
}

TEST_F(CasesTest, VisibleAndInFrontRecordUndoThatLeavesTheChildren)
{
    s().getAnimElem(0, 0)->enfants = {1};
    frame(5);
    animElem(0);
    const std::pair<const char*, const char*> table[] = {
        {IdAnm::myButtonCheckElemAnimCourVisible, AnmUndoRecord::FAE_VISIBLE},
        {IdAnm::myButtonCheckAnimElementAvantPlan, AnmUndoRecord::FAE_AVP},
    };
    for (const auto& [id, type] : table) {
        SCOPED_TRACE(id);
        const CSPRITE3_KEYANIMELEM avant = *s().getCle(0, 5, 0);
        basculer(id);
        ASSERT_EQ(d().listeAnnulations.size(), 1u);
        EXPECT_EQ(d().listeAnnulations.back().type, type);
        EXPECT_EQ(d().listeAnnulations.back().enfants, 0);
        EXPECT_NE(s().getCle(0, 5, 0)->visible + 2 * s().getCle(0, 5, 0)->avantPlan,
                  avant.visible + 2 * avant.avantPlan)
            << "the keyframe took the check";
        touche(sf::Keyboard::Z, true);
        EXPECT_EQ(s().getCle(0, 5, 0)->visible, avant.visible);
        EXPECT_EQ(s().getCle(0, 5, 0)->avantPlan, avant.avantPlan);
        EXPECT_EQ(s().getCle(0, 5, 1)->visible, 1) << "the child was never hidden";
        d().majPanneauAE();
    }
    basculer(IdAnm::myButtonCheckAnimElementFilleVisible);
    EXPECT_TRUE(d().listeAnnulations.empty()) << "the daughter's flag records nothing";
    EXPECT_FALSE(s().getKeyframeFlag(0, 5)) << "it is written into the keyframe";
}
