// The editor's answers to its questions, its page changes, colour pickers, the hover over the
// anim-element list and the resize of the dialog.
#include "OutilsManip.h"

#include "gui/CPLUXMessageBox.h"

namespace {
using D = CJeuDialogAnimationsSprites;

class DiversTest : public ManipTest {
protected:
    void SetUp() override
    {
        ManipTest::SetUp();
        animation(0);
    }
    // Asks as the editor's buttons ask, then answers (0 "Oui", 1 "Non").
    void question(const char* id, int bouton)
    {
        const int h = CPLUX::MessageBoxW(L"ATTENTION !", L"?", id, e->d.get(), 2);
        ASSERT_TRUE(CPLUXTest::answerMessageBox(h, bouton)) << id;
    }
    void couleur(const char* id, sf::Color c)
    {
        pageDe(id);
        d().ctrlColor(id)->changerParUtilisateur(c);
    }
};
} // namespace

TEST_F(DiversTest, TheSimpleAnimationAnswerShowsEachAnimElemAloneOnItsFrame)
{
    s().ajouterAnimElem(0, 0, "oeil", 0, 1);
    s().ajouterKeyframe(0, 8);
    question(D::IDMBANIMAUTO, 1);
    EXPECT_EQ(s().getNbFrames(0), 10) << "Non changes nothing";
    EXPECT_EQ(s().getAnim(0)->keyframes.size(), 3u);
    question(D::IDMBANIMAUTO, 0);
    const CSPRITE3_ANIMATION& an = *s().getAnim(0);
    ASSERT_EQ(an.keyframes.size(), 3u);
    EXPECT_EQ(s().getNbFrames(0), 3);
    for (int f = 0; f < 3; ++f)
        for (int ae = 0; ae < 3; ++ae) {
            const CSPRITE3_KEYANIMELEM& cle = *s().getCle(0, f, ae);
            EXPECT_EQ(cle.visible != 0, f == ae) << "frame " << f << ", AE " << ae;
            EXPECT_EQ(cle.position, sf::Vector2f(0, 0));
            EXPECT_EQ(cle.echelle, sf::Vector2f(1, 1));
            EXPECT_EQ(cle.element, s().getElementAnimElem(0, ae));
        }
    EXPECT_EQ(d().pTimeline->getNbFrames(), 3);
    EXPECT_EQ(texte(IdAnm::myTextInputAnimFrameNb), "3");
    // Without an animation the answer does nothing.
    e->liste(IdAnm::myListAnimations)->setNumSel(-1);
    question(D::IDMB_CHANGE_NBFRAMES, 0);
    question(D::IDMBANIMAUTO, 0);
    EXPECT_EQ(s().getNbFrames(0), 3);
}

TEST_F(DiversTest, PagesStopThePlaybackOnTheViewOnly)
{
    s().play();
    s().miroir = -1;
    e->d->ctrlButtonCheck(IdAnm::myButtonCheckPlayPauseAnim)->setCheck(true);
    page(D::ONGLET_APERCU);
    ASSERT_TRUE(CPLUXTest::click(IdAnm::DIALOGUE, IdAnm::ZmyTab));
    EXPECT_TRUE(s().bPlay) << "the sheet page changes nothing";
    EXPECT_EQ(s().miroir, -1);
    ASSERT_TRUE(CPLUXTest::click(IdAnm::DIALOGUE, IdAnm::ZmyTab1));
    EXPECT_FALSE(s().bPlay);
    EXPECT_TRUE(s().bStopFin);
    EXPECT_EQ(s().miroir, 1);
    EXPECT_FALSE(e->coche(IdAnm::myButtonCheckPlayPauseAnim));
    s().setFrameCourante(5);
    ASSERT_TRUE(CPLUXTest::click(IdAnm::DIALOGUE, IdAnm::ZmyTab2));
    EXPECT_FALSE(s().bStopFin);
    EXPECT_FALSE(s().bPlay) << "the preview leaves the play flag";
    EXPECT_EQ(s().getFrameCourante(), 5) << "the silent untick rewound nothing";
}

TEST_F(DiversTest, ColourPickers)
{
    const sf::Color rouge(200, 10, 10, 255), vert(10, 200, 10, 128);
    // Preview image not made yet: the other two views take the background.
    d().pImageEtats = nullptr;
    couleur(IdAnm::myColorFond, rouge);
    EXPECT_EQ(s().couleurFond, rouge);
    EXPECT_EQ(d().pImageAnimation->getColorCadre(), rouge);
    EXPECT_EQ(d().pImagePlanche->getColorCadre(), rouge);
    EXPECT_NE(e->d->ctrlImage(IdAnm::myImageEtats)->getColorCadre(), rouge);
    couleur(IdAnm::myColorGlobale, vert);
    EXPECT_EQ(s().couleurGlobale, vert);

    // The keyframe's colour only on a keyframe; the AE's at the current frame.
    frame(7);
    couleur(IdAnm::myColorFrameElements, vert);
    EXPECT_EQ(s().getKeyframeEnForce(0, 5)->couleur, sf::Color::White) << "off a keyframe nothing is written";
    EXPECT_EQ(s().getKeyframeEnForce(0, 0)->couleur, sf::Color::White);
    frame(5);
    couleur(IdAnm::myColorFrameElements, vert);
    EXPECT_EQ(s().getKeyframeEnForce(0, 5)->couleur, vert);
    animElem(1);
    couleur(IdAnm::myColorFrameAE, rouge);
    EXPECT_EQ(s().getCle(0, 5, 1)->couleur, rouge);
    EXPECT_EQ(s().getCle(0, 5, 0)->couleur, sf::Color::White);
}

TEST_F(DiversTest, HoverOverTheAnimElemListFramesItsAnimElem)
{
    s().getElement(1)->arme = 2;
    s().armeCourante = 1;
    CPLUXControlList* l = e->liste(IdAnm::myListAnimationElements);
    l->AddElement("x");  // a line whose number is no number
    auto survoler = [&](int ligne) {
        CPLUXTest::mouseMove(0, 0);
        const float h = l->hauteurLigne();
        CPLUXTest::mouseMove(l->getLeftScreen() + 6,
                             l->getTopScreen() + 1 + static_cast<int>((ligne - l->getScrollPosition()) * h + h / 2));
    };
    page(D::ONGLET_ANIMATION);
    d().numAnimElemSurvol = -1;
    survoler(0);
    EXPECT_EQ(d().numAnimElemSurvol, 0);
    survoler(1);
    EXPECT_EQ(d().numAnimElemSurvol, 0) << "an AE of weapon 2 while the sprite holds weapon 1";
    s().armeCourante = 2;
    survoler(1);
    EXPECT_EQ(d().numAnimElemSurvol, 1);
    survoler(2);
    EXPECT_EQ(d().numAnimElemSurvol, 1) << "no number: no AE";
}

TEST_F(DiversTest, AResizePutsTheTimelineOnItsPlaceAndTheZoneAtTheSheetsCorner)
{
    d().pZonePlanche->setPosition(400, 300);
    d().pTimeline->setPosition(0, 0);
    d().redimensionnerUtilisateur(d().getWidth(), d().getHeight());
    const CPLUXControl* place = e->ctrl(IdAnm::myImageTimeLine);
    EXPECT_EQ(d().pTimeline->getPosition(), place->getPosition());
    EXPECT_EQ(d().pTimeline->getWidth(), place->getWidth());
    const sf::FloatRect zone = d().pZonePlanche->getRect();
    EXPECT_EQ(zone, sf::FloatRect(d().pImagePlanche->getLeft() + 1, d().pImagePlanche->getTop() + 1, 100, 100));
    EXPECT_EQ(d().rectZonePlanche, sf::FloatRect(1, 1, 100, 100)) << "at sheet zoom 1, unscrolled";
}
