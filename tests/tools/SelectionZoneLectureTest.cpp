// The slicer's playback (the images it shows, frame by frame), its step buttons, the preview
// "Aperçu" and the folder picker.
#include "DecoupeOutils.h"

#include "core/Texte.h"
#include "gui/CPLUXControlTextInput.h"
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
    sequence("seq/", "n", ".png", 10, 14, 16, 16);
    charger("seq/", 10, 14, "n");
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
    // The picture shows the 128-pixel images at 256: real size is a zoom of 2.
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonTailleReelle"));
    EXPECT_FLOAT_EQ(s->zoom, 2.f);
    EXPECT_EQ(texte("myTextInputZoom"), "2");
    CPLUXDialog* apercu = s->pDialogApercu.get();
    ASSERT_NE(apercu, nullptr);
    EXPECT_EQ(apercu->getTitleW(), L"Aperçu");
    EXPECT_TRUE(apercu->estAffiche());
    EXPECT_EQ(sf::Vector2i(apercu->getWidth(), apercu->getHeight()), sf::Vector2i(200, 400)) << "zone 100 x 200";
    // The preview shows the cut of the current image: zone at (32, 32) on screen, half in image pixels.
    EXPECT_EQ(s->spriteZone.getTextureRect(), sf::IntRect(16, 16, 50, 100));
    const CPLUXControlImage* image = apercu->ctrlImage("myImageVETailleReelle");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->getRect(), sf::FloatRect(0, 25, 200, 400));

    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonTailleReelle05"));
    EXPECT_FLOAT_EQ(s->zoom, 1.f);
    EXPECT_EQ(apercu->getWidth(), 100);
    saisir(ID, "myTextInputZoom", "0");
    EXPECT_FLOAT_EQ(s->zoom, 1.f) << "a zoom of 0 is ignored";
    saisir(ID, "myTextInputZoom", "1.5");
    apercu->close();
    EXPECT_FALSE(apercu->estAffiche());
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonApercu"));
    EXPECT_EQ(s->pDialogApercu.get(), apercu) << "the same preview comes back";
    EXPECT_TRUE(apercu->estAffiche());
    EXPECT_EQ(sf::Vector2i(apercu->getWidth(), apercu->getHeight()), sf::Vector2i(150, 300)) << "trunc(zone x 1.5)";

    // The zone resized by the user: the preview follows.
    geometrie(256, 256, 32, 32, 61, 41);
    EXPECT_EQ(sf::Vector2i(apercu->getWidth(), apercu->getHeight()), sf::Vector2i(91, 61));
    saisir(ID, "myTextInputZoom", "1000000000");
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonApercu"));
    EXPECT_EQ(apercu->getWidth(), CCSESelectionZone::TAILLE_APERCU_MAX) << "bounded";
}

TEST_F(Apercu, RealSizeNeedsAnImage)
{
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonTailleReelle"));
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonTailleReelle05"));
    EXPECT_EQ(s->pDialogApercu, nullptr) << "nothing without a texture";
    EXPECT_FLOAT_EQ(s->zoom, 1.f);
    std::filesystem::create_directory("vide");
    ecrireTexte("vide/0001.png", "");
    charger("vide/", 1, 1);
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonTailleReelle"));
    EXPECT_EQ(s->pDialogApercu, nullptr) << "nor with an empty first texture";
    EXPECT_NE(texte("myTextStatut").find("taille nulle"), std::string::npos);
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
