// The frame ruler: markers, selection and scrolling as tables, the mouse, bounded drawing of
// absurd settings, and chosen pixels of what it draws under Xvfb.
#include "OutilsEditeur.h"

#include <climits>

namespace {
class DialogueRegle : public CPLUXDialog {
public:
    void onCtrlUserChange(CPLUXControl* c, std::string ev, void* data) override { evenements.push_back(ev); }
    std::vector<std::string> evenements;
};

// A ruler 300 x 60 at (10, 40) of a dialog at the window's corner, cells of 10 pixels.
class RegleTest : public EditeurTest {
protected:
    void SetUp() override
    {
        EditeurTest::SetUp();
        dialogue.setPosition(0, 0);
        dialogue.Size(400, 200);
        regle = new CControlTimeline;
        regle->setPosition(10, 40);
        regle->setVisibleDimension(300, 60);
        dialogue.addControlUser(regle, IdAnm::maTimelineSpriteAnimation);
        regle->setLargeurFrame(10);
    }
    // The window x of the middle of frame f's cell.
    int xCellule(int f) const { return 10 + (f - regle->getPremiereFrame()) * regle->getLargeurFrame() + 5; }
    std::vector<int> marqueurs() const
    {
        std::vector<int> r;
        for (const auto& m : regle->getMarqueurs())
            r.push_back(m->frame);
        return r;
    }

    DialogueRegle dialogue;
    CControlTimeline* regle = nullptr;
};

class RegleDessinTest : public RegleTest {
protected:
    void SetUp() override
    {
        RegleTest::SetUp();
        fenetre.create(sf::VideoMode(400, 200), "regle", sf::Style::None);
    }
    sf::Image dessiner()
    {
        fenetre.clear(sf::Color::Black);
        regle->draw(&fenetre, 0, 0, &dialogue);
        sf::Texture t;
        t.create(400, 200);
        t.update(fenetre);
        return t.copyToImage();
    }
    sf::RenderWindow fenetre;
};

// Within 2 of each channel: blending rounds differently from one driver to another.
::testing::AssertionResult proche(sf::Color lu, sf::Color attendu)
{
    auto ecart = [](int a, int b) { return std::abs(a - b) <= 2; };
    if (ecart(lu.r, attendu.r) && ecart(lu.g, attendu.g) && ecart(lu.b, attendu.b))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "read (" << int(lu.r) << "," << int(lu.g) << "," << int(lu.b)
                                         << ") expected (" << int(attendu.r) << "," << int(attendu.g) << ","
                                         << int(attendu.b) << ")";
}
// A vertical line drawn at an integer x lands in the pixel column on either side of it.
sf::Color colonne(const sf::Image& i, int x, int y, sf::Color fond)
{
    const sf::Color a = i.getPixel(x, y), b = i.getPixel(x - 1, y);
    return a == fond ? b : a;
}
} // namespace

TEST_F(RegleTest, MarkersKeepOnePerFrameAndTheSelectionFollowsItsMarker)
{
    regle->setNbFrames(20);
    regle->ajouterMarqueur(3, false, false);
    regle->ajouterMarqueur(12, true, false);
    regle->ajouterMarqueur(7, false, true);
    regle->ajouterMarqueur(12, false, true);
    EXPECT_EQ(marqueurs(), (std::vector<int>{3, 12, 7})) << "a second marker on frame 12 changes nothing";
    EXPECT_TRUE(regle->getMarqueurs()[1]->bAction && !regle->getMarqueurs()[1]->bScript);

    regle->selectionnerFrame(7);
    ASSERT_EQ(regle->getFrameMarqueurSel(), 7);
    regle->setNbFrames(10);
    EXPECT_EQ(marqueurs(), (std::vector<int>{3, 7})) << "markers at or beyond the count leave";
    EXPECT_EQ(regle->getNumMarqueurSel(), 1);
    EXPECT_EQ(regle->getFrameMarqueurSel(), 7) << "the selection still names its marker";
    regle->setNbFrames(7);
    EXPECT_EQ(regle->getNumMarqueurSel(), -1) << "the selected marker left with its frame";
    EXPECT_EQ(regle->getFrameMarqueurSel(), -1);

    regle->setNbFrames(20);
    regle->ajouterMarqueur(9, false, false);
    regle->ajouterMarqueur(15, false, false);
    regle->selectionnerFrame(15);
    regle->supprimerMarqueur(3);
    EXPECT_EQ(regle->getFrameMarqueurSel(), 15);
    regle->deplacerMarqueur(9, 15);
    EXPECT_EQ(marqueurs(), (std::vector<int>{15})) << "one marker per frame: the moved one leaves";
    EXPECT_EQ(regle->getFrameMarqueurSel(), 15);
    regle->deplacerMarqueur(15, 16);
    EXPECT_EQ(marqueurs(), (std::vector<int>{16}));

    regle->selectionnerFrame(4);
    EXPECT_FALSE(regle->isMarqueurSel());
    EXPECT_EQ(regle->getFrameSel(), 4);
    regle->viderMarqueurs();
    EXPECT_TRUE(marqueurs().empty());
    EXPECT_EQ(regle->getFrameSel(), -1);
}

TEST_F(RegleTest, ScrollingStepsWhileFramesAreLeftAndNeverBeforeZero)
{
    regle->setLargeurFrame(8);
    regle->setVisibleDimension(200, 60);
    regle->setNbFrames(40);
    regle->defiler(-1);
    EXPECT_EQ(regle->getPremiereFrame(), 0);
    std::vector<int> vus;
    for (int i = 0; i < 5; ++i) {
        regle->defiler(1);
        vus.push_back(regle->getPremiereFrame());
    }
    EXPECT_EQ(vus, (std::vector<int>{5, 10, 15, 15, 15})) << "stops once (40 - first) x 8 <= 200";
    regle->onMouseWheel(-1, &dialogue);
    EXPECT_EQ(regle->getPremiereFrame(), 10) << "the wheel scrolls back";
    regle->setPremiereFrame(3);
    regle->defiler(-1);
    EXPECT_EQ(regle->getPremiereFrame(), 3) << "an offset below one step stays";
}

TEST_F(RegleTest, ReleasesChooseTheCellUnderTheMouseAndReportOnlyAChange)
{
    regle->setNbFrames(20);
    regle->ajouterMarqueur(4, false, false);
    regle->setPremiereFrame(2);
    struct Cas {
        bool droit;
        int frame;
        int evenements, frameSel;
        bool marqueur;
    };
    const Cas table[] = {
        {false, 6, 1, 6, false}, {false, 6, 1, 6, false},  // the same frame: nothing new
        {false, 4, 2, 4, true},  {true, 9, 3, 9, false},
        {true, 25, 3, 9, false},  // beyond the count: ignored
    };
    for (const Cas& c : table) {
        const int x = xCellule(c.frame);
        c.droit ? regle->onMouseClickRight(nullptr, x, 60, &dialogue) : regle->onMouseClickLeft(nullptr, x, 60, &dialogue);
        EXPECT_EQ(dialogue.evenements.size(), static_cast<size_t>(c.evenements)) << "frame " << c.frame;
        EXPECT_EQ(regle->getFrameSel(), c.frameSel) << "frame " << c.frame;
        EXPECT_EQ(regle->isMarqueurSel(), c.marqueur) << "frame " << c.frame;
    }
    EXPECT_EQ(dialogue.evenements.back(), "framechanged");
    regle->onMouseOn(nullptr, xCellule(7), 60, &dialogue);
    EXPECT_EQ(regle->getFrameSurvol(), 7);
    regle->onMouseOn(nullptr, xCellule(30), 60, &dialogue);
    EXPECT_EQ(regle->getFrameSurvol(), -1) << "no frame there";
    regle->onMouseOn(nullptr, xCellule(7), 60, &dialogue);
    regle->onFocusOut();
    EXPECT_EQ(regle->getFrameSurvol(), -1) << "the mouse left";
}

TEST_F(RegleTest, LabelsReadFramesOrDegreesAndStopAtTheWidth)
{
    using Etiquettes = std::vector<std::pair<long long, long long>>;
    regle->setNbFrames(0);
    EXPECT_EQ(regle->etiquettes(), (Etiquettes{{0, 0}})) << "an empty ruler still reads 0";
    regle->setNbFrames(100);
    regle->setPremiereFrame(10);
    EXPECT_EQ(regle->etiquettes(), (Etiquettes{{0, 10}, {50, 15}, {100, 20}, {150, 25}, {200, 30}, {250, 35}}));

    regle->setModeVisee(true);
    regle->setNbFramesParDegre(2);
    regle->setLargeurFrame(1);
    regle->setNbFrames(360);
    regle->setPremiereFrame(0);
    const Etiquettes visee = regle->etiquettes();
    ASSERT_EQ(visee.size(), 30u) << "every fifth degree, ten frames apart, within 300 pixels";
    EXPECT_EQ(visee[1], (std::pair<long long, long long>{10, 5}));
    EXPECT_EQ(visee.back(), (std::pair<long long, long long>{290, 145}));
    regle->setPremiereFrame(40);
    EXPECT_EQ(regle->etiquettes()[1], (std::pair<long long, long long>{10, 25})) << "frame 50 is degree 25";
}

TEST_F(RegleDessinTest, AbsurdSettingsDrawInBoundedTime)
{
    struct Cas {
        int largeur, pas, parDegre, nbFrames, premiere;
    };
    const Cas table[] = {{0, 0, 0, 100000000, 0},     {-5, -3, -2, 100000000, 50000000},
                         {INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MIN}, {1, 1, 1, 100000000, 99999999},
                         {8, 5, 1, -20, 7}};
    for (const Cas& c : table) {
        for (const bool visee : {false, true}) {
            regle->setLargeurFrame(c.largeur);
            regle->setPasDefilement(c.pas);
            regle->setNbFramesParDegre(c.parDegre);
            regle->setNbFrames(c.nbFrames);
            regle->setPremiereFrame(c.premiere);
            regle->setFrameLecture(c.nbFrames);
            regle->setModeVisee(visee);
            regle->ajouterMarqueur(c.premiere, true, true);
            regle->onMouseOn(nullptr, 200, 60, &dialogue);
            regle->defiler(1);
            regle->defiler(-1);
            dessiner();
            EXPECT_LE(regle->etiquettes().size(), 301u) << c.largeur << " " << c.nbFrames;
        }
    }
}

TEST_F(RegleDessinTest, BlocksDotsHoverTicksAndPlayPositionHaveTheirColours)
{
    const sf::Color fond(200, 203, 208);
    regle->setNbFrames(25);
    regle->ajouterMarqueur(2, false, false);
    regle->ajouterMarqueur(4, false, false);
    regle->ajouterMarqueur(14, true, true);
    regle->onMouseClickLeft(nullptr, xCellule(4), 60, &dialogue);
    regle->onMouseOn(nullptr, xCellule(8), 60, &dialogue);
    regle->setFrameLecture(12);
    sf::Image i = dessiner();
    // Cells are 10 pixels from x = 10; blocks fill the lower half (y 70 to 100).
    EXPECT_TRUE(proche(i.getPixel(35, 80), {43, 201, 45})) << "a keyframe: green over the ruler";
    EXPECT_TRUE(proche(i.getPixel(55, 80), {200, 44, 45})) << "the selected keyframe: red";
    EXPECT_TRUE(proche(i.getPixel(95, 60), {211, 213, 217})) << "the frame under the mouse, full height";
    EXPECT_TRUE(proche(i.getPixel(135, 46), {239, 44, 45})) << "the play position";
    EXPECT_TRUE(proche(i.getPixel(155, 94), sf::Color::Black)) << "the action dot";
    EXPECT_TRUE(proche(i.getPixel(155, 74), {100, 100, 0})) << "the script dot, above it";
    EXPECT_TRUE(proche(colonne(i, 110, 80, fond), {229, 113, 115})) << "a long tick every fifth frame";
    EXPECT_TRUE(proche(colonne(i, 20, 80, fond), {220, 221, 225})) << "a short tick";
    EXPECT_TRUE(proche(colonne(i, 20, 50, fond), fond)) << "short ticks start 15 pixels down";

    regle->onMouseClickLeft(nullptr, xCellule(6), 60, &dialogue);
    i = dessiner();
    EXPECT_TRUE(proche(i.getPixel(75, 80), {122, 123, 205})) << "a chosen frame without keyframe: blue";
    EXPECT_TRUE(proche(i.getPixel(55, 80), {43, 201, 45})) << "frame 4's keyframe no longer selected";
}

TEST_F(RegleDessinTest, AimModeDrawsDegreeTicksLabelsAndAPlayLine)
{
    DansDossier donnees(dossierData());
    // The font is read from the working folder at construction.
    dialogue.delControl(IdAnm::maTimelineSpriteAnimation);
    regle = new CControlTimeline;
    regle->setPosition(10, 40);
    regle->setVisibleDimension(300, 60);
    dialogue.addControlUser(regle, "regle");
    const sf::Color fond(200, 203, 208);
    regle->setLargeurFrame(4);
    regle->setNbFramesParDegre(2);
    regle->setNbFrames(360);
    regle->setModeVisee(true);
    regle->setFrameLecture(20);
    regle->ajouterMarqueur(30, false, true);
    const sf::Image i = dessiner();
    EXPECT_TRUE(proche(colonne(i, 26, 49, fond), {229, 113, 115})) << "one long tick per degree, from 8 down";
    EXPECT_TRUE(proche(colonne(i, 22, 49, fond), fond)) << "short ticks start 10 down";
    EXPECT_TRUE(proche(colonne(i, 22, 60, fond), {220, 221, 225})) << "a short tick between degrees";
    EXPECT_TRUE(proche(i.getPixel(91, 70), {239, 44, 45}) || proche(i.getPixel(92, 70), {239, 44, 45}))
        << "the play position is a line two pixels wide";
    EXPECT_TRUE(proche(i.getPixel(132, 77), {43, 201, 45})) << "no script dot in aim mode";
    bool blanc = false;
    for (int x = 50; x < 62; ++x)
        for (int y = 40; y < 52; ++y)
            blanc = blanc || (i.getPixel(x, y).r > 235 && i.getPixel(x, y).b > 235);
    EXPECT_TRUE(blanc) << "the label of degree 5 at 40 pixels";
}
