// The slicer's playback (the images it shows, frame by frame), its step buttons, the preview
// "Aperçu" and the folder picker.
#include "DecoupeOutils.h"

#include "core/Texte.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/plux_theme.h"
#include "tools/CSEOpenDossier.h"

namespace {

// Notes every index that playback or a button shows.
class SlicerJournal : public CCSESelectionZone {
public:
    void onCtrlInputChange(CPLUXControlTextInput* c) override
    {
        if (c->getId() == "myTextInputImageCourante")
            montres.push_back(tuv::stoi(c->getText()));
        CCSESelectionZone::onCtrlInputChange(c);
    }
    std::vector<int> montres;
};

class Lecture : public DecoupeTest<SlicerJournal> {
protected:
    void SetUp() override
    {
        DecoupeTest::SetUp();
        sequence("seq/", "", ".png", 1, 5, 128, 128);
        charger("seq/", 1, 5);
        s->montres.clear();
    }
    // Playback from index 0 for `frames` drawn frames.
    std::vector<int> jouer(int frames)
    {
        s->montres.clear();
        s->numImageCourante = 0;
        s->compteurAbandon = 0;
        s->sensLecture = 1;
        s->cumulVitesse = 0.f;
        s->bPlay = true;
        for (int i = 0; i < frames; ++i)
            s->draw(nullptr, 0, 0, 0, 0);
        return s->montres;
    }
};

using V = std::vector<int>;
using Apercu = DecoupeTest<>;

} // namespace

TEST_F(Lecture, PlaybackShowsTheseIndices)
{
    const struct {
        bool boucle, inverse;
        int abandon;
        float vitesse;
        int frames;
        V montres;
        int fin;
        bool enLecture;
    } cas[] = {
        {true, true, 0, 1.f, 13, {0, 1, 2, 3, 4, 4, 3, 2, 1, 0, 0, 1, 2}, 3, true},
        {true, false, 0, 1.f, 8, {0, 1, 2, 3, 4, 0, 1, 2}, 3, true},
        {false, false, 0, 1.f, 7, {0, 1, 2, 3, 4}, 5, false},
        {false, false, 1, 1.f, 7, {0, 2, 4}, 5, false},
        {false, false, 0, 0.5f, 6, {0, 1, 2}, 3, true},
        {false, false, 0, 3.f, 3, {0, 1, 2}, 3, true},
        {false, false, 0, 0.f, 5, {}, 0, true},
        {false, false, 0, -1.f, 5, {}, 0, true},
    };
    for (const auto& c : cas) {
        s->bBoucle = c.boucle;
        s->bBouclageSensInverse = c.inverse;
        s->abandonImage = c.abandon;
        s->vitesse = c.vitesse;
        const std::string nom = "loop " + std::to_string(c.boucle) + ", reverse " + std::to_string(c.inverse) +
                                ", drop " + std::to_string(c.abandon) + ", speed " + std::to_string(c.vitesse);
        EXPECT_EQ(jouer(c.frames), c.montres) << nom;
        EXPECT_EQ(s->numImageCourante, c.fin) << nom;
        EXPECT_EQ(s->bPlay, c.enLecture) << nom;
    }
    // A speed below 0 held playback still and owes nothing: speed 1 shows at the next frame.
    // Started again after the end without looping, the index is past the end: playback idles.
    s->vitesse = 1.f;
    s->montres.clear();
    s->draw(nullptr, 0, 0, 0, 0);
    EXPECT_EQ(s->montres, V{0}) << "speed 1 after 5 frames at -1";
    s->abandonImage = 0;
    jouer(7);
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonPause"));
    EXPECT_TRUE(s->bPlay);
    s->montres.clear();
    for (int i = 0; i < 3; ++i)
        s->draw(nullptr, 0, 0, 0, 0);
    EXPECT_EQ(s->montres, V{}) << "idle";
    EXPECT_EQ(s->numImageCourante, 5);
    EXPECT_TRUE(s->bPlay);
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonPause"));
    EXPECT_FALSE(s->bPlay);
}

TEST_F(Lecture, ButtonsWalkTheReadingRange)
{
    saisir(ID, "myTextInputImageCourante", "3");
    sequence("seq/", "n", ".png", 10, 14, 16, 16);
    charger("seq/", 10, 14, "n");
    EXPECT_EQ(texte("myTextInputImageCourante") + ", " + std::to_string(s->numImageCourante), "0, 0")
        << "a load goes back to the first image";
    saisir(ID, "myTextInputDebutLecture", "12");
    saisir(ID, "myTextInputFinLecture", "13");
    s->montres.clear();
    const struct {
        const char* bouton;
        int index;
    } pas[] = {{"myButtonPlay", 2}, {"myButtonArr", 2}, {"myButtonAv", 3}, {"myButtonAv", 3}, {"myButtonArr", 2}};
    for (const auto& p : pas) {
        ASSERT_TRUE(CPLUXTest::click(ID, p.bouton));
        EXPECT_EQ(s->numImageCourante, p.index) << p.bouton;
    }
    EXPECT_EQ(s->montres, (V{2, 3, 3, 2})) << "the step buttons show their index; play waits for a frame";
    EXPECT_FALSE(s->bPlay) << "a step stops playback";
    EXPECT_EQ(s->spriteImage.getTexture(), s->textures[2].get());
    // An index typed names one of the five images: 5 is refused, the field shows 2 again.
    saisir(ID, "myTextInputImageCourante", "5");
    EXPECT_EQ(textesBoites(), "Découpe d'images: « 5 » n'est pas une image chargée (0 à 4) : la valeur reste 2.\n");
    CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes()[0]->getHwnd(), 0);

    s->numImageCourante = 3;
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonCheckBoucle"));
    EXPECT_TRUE(s->bBoucle);
    EXPECT_EQ(s->numImageCourante, 0) << "ticking resets the index";
    s->numImageCourante = 3;
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonCheckBoucle"));
    EXPECT_EQ(s->numImageCourante, 0) << "unticking too";

    // A reading range outside the list: playback idles.
    saisir(ID, "myTextInputDebutLecture", "100");
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonPlay"));
    s->draw(nullptr, 0, 0, 0, 0);
    EXPECT_EQ(s->numImageCourante, 90);
    EXPECT_TRUE(s->bPlay);
}

TEST_F(Lecture, PreviewFollowsZoomAndZone)
{
    // "Taille 1" shows the cut at its own size, the 128-pixel images being shown at 256.
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonTailleReelle"));
    EXPECT_FLOAT_EQ(s->zoom, 1.f);
    EXPECT_EQ(texte("myTextInputZoom"), "1");
    CPLUXDialog* apercu = s->pDialogApercu.get();
    ASSERT_NE(apercu, nullptr);
    EXPECT_EQ(apercu->getTitleW(), L"Aperçu");
    EXPECT_TRUE(apercu->estAffiche());
    const CPLUXControlImage* image = apercu->ctrlImage("myImageVETailleReelle");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->getRect(), sf::FloatRect(0, 25, 100, 200)) << "zone 100 x 200";

    // Half as large, the dialog stays as wide as its title bar needs: the title from 8 pixels
    // in, then 4 before the close (24) and minimise (22) buttons.
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonTailleReelle05"));
    EXPECT_FLOAT_EQ(s->zoom, 0.5f);
    EXPECT_EQ(image->getRect(), sf::FloatRect(0, 25, 50, 100));
    const float titre = plux::largeurTexte(L"Aperçu", plux::TAILLE_TEXTE);
    EXPECT_GE(static_cast<float>(apercu->getWidth()), 8 + titre + 4 + 24 + 22);
    saisir(ID, "myTextInputZoom", "0");
    EXPECT_FLOAT_EQ(s->zoom, 0.5f) << "a zoom of 0 is ignored";
    saisir(ID, "myTextInputZoom", "1.5");
    apercu->close();
    EXPECT_FALSE(apercu->estAffiche());
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonApercu"));
    EXPECT_EQ(s->pDialogApercu.get(), apercu) << "the same preview comes back";
    EXPECT_EQ(CPLUX::getDialogs().back(), apercu) << "over the slicer";
    EXPECT_TRUE(apercu->estAffiche());
    EXPECT_EQ(sf::Vector2i(apercu->getWidth(), apercu->getHeight()), sf::Vector2i(150, 300)) << "trunc(zone x 1.5)";

    // The zone, drawn 192 x 192 to the view's corner from (64, 64), made smaller with the mouse
    // by (60, 40) window pixels: 66 x 76 image pixels; the preview follows.
    glisserZone(true, -60, -40);
    EXPECT_EQ(CPLUX::getDialogs().back(), apercu) << "still over the slicer pressed";
    EXPECT_EQ(sf::Vector2i(s->zoneL, s->zoneH), sf::Vector2i(66, 76));
    EXPECT_EQ(image->getRect(), sf::FloatRect(0, 25, 99, 114));
    saisir(ID, "myTextInputZoom", "1000000000");
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonApercu"));
    EXPECT_EQ(apercu->getWidth(), CCSESelectionZone::TAILLE_APERCU_MAX) << "bounded";
    s->close();
    EXPECT_FALSE(apercu->estAffiche()) << "the preview goes with the slicer";
}

TEST_F(Apercu, RealSizeNeedsASequence)
{
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonTailleReelle05"));
    EXPECT_EQ(s->pDialogApercu, nullptr) << "nothing without a sequence";
    EXPECT_FLOAT_EQ(s->zoom, 1.f);
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonApercu"));
    EXPECT_NE(s->pDialogApercu, nullptr) << "the preview itself needs none";
}

TEST_F(Apercu, PickerGivesItsFolderToTheSlicer)
{
    std::filesystem::create_directories("images/run");
    auto picker = dialogueOutil<CCSEOpenDossier>("CSEOpenDossier");
    picker->InitDossiers("images/run");
    ASSERT_TRUE(CPLUXTest::click("CSEOpenDossier", "open"));
    EXPECT_EQ(s->strDossier, picker->GetPath());
    EXPECT_EQ(s->strDossier.back(), '/');
    EXPECT_EQ(texte("myTextInputDossier"), picker->GetPath());
    EXPECT_FALSE(picker->estAffiche()) << "the picker closes";
    EXPECT_TRUE(s->textures.empty()) << "it loads nothing";

    // Without a slicer the picker keeps its folder and stays open.
    s.reset();
    picker->show();
    ASSERT_TRUE(CPLUXTest::click("CSEOpenDossier", "open"));
    EXPECT_TRUE(picker->estAffiche());
}
