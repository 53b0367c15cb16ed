// Image control: zoom limits, drag steps and deltas, the dialog taking over the view,
// drag scrolling, and the zone and movable controls driven by the dialog's base drag.
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXTest.h"
#include "gui/plux_theme.h"
#include "support/Outils.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <limits>

namespace {
class DialogueGlisse : public CPLUXDialog {
public:
    bool onClicLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override
    {
        ++pas;
        somme += c->getDragDelta();
        return sauterBase ? true : CPLUXDialog::onClicLeft(w, x, y, c);
    }
    void onCtrlMove(CPLUXControl* c) override { ++deplacements; }
    void onCtrlSizeChange(CPLUXControl* c) override { ++tailles; }

    int pas = 0, deplacements = 0, tailles = 0;
    sf::Vector2f somme;
    bool sauterBase = false;
};

struct ImageFixture : ::testing::Test {
    void SetUp() override
    {
        CPLUXTest::reset();
        dlg.setId("dlgImage");
        dlg.setPosition(10, 10);
        dlg.Size(400, 300);
        image = new CPLUXControlImage;
        image->setId("img");
        image->setPosition(20, 40);
        image->setVisibleDimension(200, 150);
        dlg.addControl(image);
        CPLUX::addDialog(nullptr, &dlg, nullptr, 0);
        dlg.show();
        texture.create(400, 300);
        sprite.setTexture(texture);
    }
    void TearDown() override { CPLUXTest::reset(); }

    void molette(float delta, sf::Vector2i p)
    {
        sf::Event e;
        e.type = sf::Event::MouseWheelScrolled;
        e.mouseWheelScroll.wheel = sf::Mouse::VerticalWheel;
        e.mouseWheelScroll.delta = delta;
        e.mouseWheelScroll.x = p.x;
        e.mouseWheelScroll.y = p.y;
        CPLUX::pushEvent(e);
        CPLUXTest::frame();
    }

    DialogueGlisse dlg;
    CPLUXControlImage* image = nullptr;
    sf::Texture texture;
    sf::Sprite sprite;
};
} // namespace

TEST_F(ImageFixture, ZoomStaysWithinLimits)
{
    image->setScale(0.f);
    EXPECT_FLOAT_EQ(image->getScale(), CPLUXControlImage::ZOOM_MIN);
    image->setScale(std::numeric_limits<float>::quiet_NaN());
    EXPECT_FLOAT_EQ(image->getScale(), CPLUXControlImage::ZOOM_MIN);
    image->setScale(-3.f);
    EXPECT_FLOAT_EQ(image->getScale(), CPLUXControlImage::ZOOM_MIN);
    image->setScale(1e9f);
    EXPECT_FLOAT_EQ(image->getScale(), CPLUXControlImage::ZOOM_MAX);

    const sf::Vector2i centre = CPLUXTest::centre("dlgImage", "img");
    image->setScale(1.f);
    molette(1, centre);
    EXPECT_NEAR(image->getScale(), 1.1f, 1e-5f);
    image->setScale(CPLUXControlImage::ZOOM_MIN);
    molette(-1, centre);
    EXPECT_FLOAT_EQ(image->getScale(), CPLUXControlImage::ZOOM_MIN);
    image->setScale(49.f);
    molette(1, centre);
    molette(1, centre);
    EXPECT_FLOAT_EQ(image->getScale(), CPLUXControlImage::ZOOM_MAX);

    // The dialog takes over the view: the wheel leaves the zoom alone.
    image->setZoomMove(true);
    image->setScale(2.f);
    molette(1, centre);
    EXPECT_FLOAT_EQ(image->getScale(), 2.f);
}

TEST_F(ImageFixture, WheelZoomKeepsThePointUnderTheMouse)
{
    image->setImage(&sprite);
    image->setDimensionImage(true);
    image->setScale(2.f);
    image->setScroll(50, 40);
    const sf::Vector2i souris(image->getLeftScreen() + 60, image->getTopScreen() + 30);
    const float avantX = 60 / image->getScale() + image->getScrollX();
    molette(1, souris);
    const float apresX = 60 / image->getScale() + image->getScrollX();
    EXPECT_NEAR(apresX, avantX, 1.f);
    // The scroll never leaves the picture.
    image->setScroll(-10, 100000);
    EXPECT_EQ(image->getScrollX(), 0);
    EXPECT_EQ(image->getScrollY(), static_cast<int>(std::ceil(300 - 150 / image->getScale())));
}

TEST_F(ImageFixture, HeldPressGivesOneStepPerUpdateAndTheDeltasAddUp)
{
    const sf::Vector2i c = CPLUXTest::centre("dlgImage", "img");
    CPLUXTest::mouseMove(c.x, c.y);
    CPLUXTest::pressLeftAt(c.x, c.y);
    const int avant = dlg.pas;
    const sf::Vector2i pas[] = {{3, 1}, {0, 0}, {-7, 4}, {12, -2}};
    sf::Vector2i p = c;
    for (const sf::Vector2i& d : pas) {
        p += d;
        CPLUXTest::mouseMove(p.x, p.y);
        CPLUXTest::frame();
    }
    CPLUXTest::releaseLeft();
    // One step per update while held (moving the mouse runs one, then the frame another,
    // where the mouse did not move).
    EXPECT_EQ(dlg.pas - avant, 8);
    EXPECT_EQ(dlg.somme, sf::Vector2f(p - c));
}

TEST_F(ImageFixture, DraggingThePictureScrollsItUnlessTheDialogMovesTheView)
{
    image->setImage(&sprite);
    image->setDimensionImage(true);
    image->setScale(1.f);
    image->setScroll(100, 100);
    for (bool vueDuDialogue : {false, true}) {
        image->setZoomMove(vueDuDialogue);
        CPLUXTest::drag("dlgImage", "img", -30, -20, 3);
        EXPECT_EQ(sf::Vector2i(image->getScrollX(), image->getScrollY()), sf::Vector2i(130, 120))
            << (vueDuDialogue ? "the dialog moves the view: no scroll" : "the drag scrolls");
    }
}

TEST_F(ImageFixture, ZoneMovesAndResizesOnlyByTheUser)
{
    auto* zone = new CPLUXControlZone;
    zone->setId("zone");
    zone->setPosition(60, 60);
    zone->setVisibleDimension(40, 30);
    dlg.addControl(zone);

    // Programmatic geometry is silent.
    zone->setVisibleDimension(50, 40);
    zone->setPosition(50, 60);
    EXPECT_EQ(dlg.deplacements + dlg.tailles, 0);

    CPLUXTest::drag("dlgImage", "zone", 15, 10, 5);
    EXPECT_EQ(zone->getPosition(), sf::Vector2f(65, 70));
    EXPECT_TRUE(dlg.deplacements >= 5 && dlg.tailles == 0) << "moves told, no resize";

    // A drag from the corner grip resizes.
    const sf::Vector2i coin(zone->getLeftScreen() + 48, zone->getTopScreen() + 38);
    CPLUXTest::mouseMove(coin.x, coin.y);
    CPLUXTest::pressLeftAt(coin.x, coin.y);
    CPLUXTest::mouseMove(coin.x + 20, coin.y + 5);
    CPLUXTest::frame();
    CPLUXTest::frame();
    CPLUXTest::releaseLeft();
    EXPECT_EQ(zone->getRect(), sf::FloatRect(65, 70, 70, 45));
    EXPECT_GE(dlg.tailles, 1);

    // Only the grip resizes. A zone too small to hold it beside a part that moves it has it just
    // past its corner, and moves from anywhere on it, its right and bottom edges included.
    zone->setVisibleDimension(13, 6);
    EXPECT_EQ(zone->poignee(), sf::IntRect(65 + 13, 70 + 6, 6, 6));
    for (const sf::Vector2i p : {sf::Vector2i(0, 0), sf::Vector2i(12, 1), sf::Vector2i(1, 5)}) {
        zone->setPosition(65, 70);
        CPLUXTest::pressLeftAt(zone->getLeftScreen() + p.x, zone->getTopScreen() + p.y);
        CPLUXTest::mouseMove(zone->getLeftScreen() + p.x + 4, zone->getTopScreen() + p.y + 3);
        CPLUXTest::releaseLeft();
        EXPECT_EQ(zone->getRect(), sf::FloatRect(69, 73, 13, 6)) << "pressed at " << p.x << ", " << p.y;
    }
    zone->setPosition(65, 70);

    // A dialog whose onClicLeft skips the base keeps the zone still.
    dlg.sauterBase = true;
    CPLUXTest::drag("dlgImage", "zone", 15, 10, 5);
    EXPECT_EQ(zone->getPosition(), sf::Vector2f(65, 70));

    // Past the dialog's right edge (410) and bottom, only its part over the dialog is drawn.
    zone->setPosition(350, 250), zone->setVisibleDimension(200, 150), zone->setColor(sf::Color::Red);
    sf::RenderTexture cible;
    ASSERT_TRUE(cible.create(600, 500));
    cible.clear(sf::Color::Black);
    plux::Peintre p;
    zone->dessiner(p, 10, 10), p.vider(cible), cible.display();
    const sf::Image vu = cible.getTexture().copyToImage();
    EXPECT_EQ(vu.getPixel(380, 260), sf::Color::Red) << "its top edge over the dialog";
    EXPECT_EQ(vu.getPixel(500, 260), sf::Color::Black) << "its top edge past the dialog";
    EXPECT_EQ(vu.getPixel(360, 311 + dlg.hauteurTitre()), sf::Color::Black) << "its left edge below the dialog";
}

TEST_F(ImageFixture, MovableTextMarkerFollowsTheMouse)
{
    CPLUXControlText* marqueur = dlg.addControlText("__KP__0", "0", 250, 100, 20, 16);
    marqueur->setMovable(true);
    marqueur->setData("0");
    CPLUXTest::drag("dlgImage", "__KP__0", -40, 25, 4);
    EXPECT_EQ(marqueur->getPosition(), sf::Vector2f(210, 125));
    EXPECT_GE(dlg.deplacements, 4);
}

TEST_F(ImageFixture, APictureIsShownAsItIsOnDisk)
{
    DossierTemp dossier;
    const std::string chemin = dossier / "planche.png";
    image->setImage(chemin);
    EXPECT_FALSE(image->hasImage());
    // Created, then rewritten by another tool: showing the path again shows the file as it is.
    sf::Image png;
    png.create(2, 2, sf::Color::Red);
    ASSERT_TRUE(png.saveToFile(chemin));
    image->setImage(chemin);
    EXPECT_EQ(image->getImageSize(), sf::Vector2f(2, 2));
    png.create(3, 3, sf::Color::Green);
    ASSERT_TRUE(png.saveToFile(chemin));
    std::filesystem::last_write_time(chemin, std::filesystem::last_write_time(chemin) + std::chrono::seconds(2));
    image->setImage(chemin);
    EXPECT_EQ(image->getImageSize(), sf::Vector2f(3, 3));
}
