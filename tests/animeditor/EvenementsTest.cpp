// The editor's general events: the wheel's zoom of the views and of the sheet, the timeline's
// and the sprite's user events, and the hover test over the anim elements.
#include "OutilsEditeur.h"

#include "core/Services.h"

#include <cmath>
#include <functional>

namespace {
// An editor shown in a 1280 x 720 window with the test sprite, on the animation page.
class EvenementsTest : public EditeurTest {
protected:
    void SetUp() override
    {
        EditeurTest::SetUp();
        fenetre.create(sf::VideoMode(1280, 720), "editeur", sf::Style::None);
        CPLUX::setSurface(&fenetre);
        e = std::make_unique<Editeur>();
        spriteEssai(*(*e)->pSprite, planche);
        (*e)->numAnimationSel = 0;
        (*e)->show();
        (*e)->pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
    }
    void TearDown() override
    {
        e.reset();
        CPLUX::setSurface(nullptr);
        EditeurTest::TearDown();
    }
    CJeuDialogAnimationsSprites& d() { return *e->d; }

    sf::RenderWindow fenetre;
    Planche planche;
    std::unique_ptr<Editeur> e;
};

// Records the user events a dialog hears.
class DialogueEcoute : public CPLUXDialog {
public:
    void onCtrlUserChange(CPLUXControl* c, std::string ev, void* data) override
    {
        evenements.push_back(ev);
        controles.push_back(c);
    }
    std::vector<std::string> evenements;
    std::vector<CPLUXControl*> controles;
};
} // namespace

TEST_F(EvenementsTest, WheelZoomsTheAnimationViewAndThePreviewBetweenTheirBounds)
{
    struct Cas {
        float zoom;
        int delta;
        const char* controle;
        float attendu;
    };
    const Cas table[] = {
        {1.0f, -1, IdAnm::myImageAnimation, 1.1f}, {10.f, -1, IdAnm::myImageAnimation, 10.f},
        {0.1f, 1, IdAnm::myImageAnimation, 0.1f},  {0.15f, 1, IdAnm::myImageAnimation, 0.1f},
        {1.0f, 0, IdAnm::myImageAnimation, 0.9f},  {9.95f, -1, IdAnm::myImageEtats, 10.f},
        {1.0f, -1, IdAnm::myImageEtats, 1.1f},     {1.0f, -1, IdAnm::myListAnimations, 1.0f},
    };
    for (const Cas& c : table) {
        d().zoom = c.zoom;
        d().onMouseWheel(c.delta, e->ctrl(c.controle));
        EXPECT_EQ(d().zoom, c.attendu) << c.zoom << " and " << c.delta << " over " << c.controle;
    }
    d().zoom = 1.0f;
    d().onMouseWheel(-1, e->ctrl(IdAnm::myImageEtats));
    EXPECT_EQ(e->texte(IdAnm::myTextInputZoomAnimation), "1.1") << "the input shows the one zoom";
}

TEST_F(EvenementsTest, WheelOverTheSheetOrItsZoneKeepsTheZoneOnTheSameSheetPixels)
{
    CPLUXControlImage* planche = d().pImagePlanche;
    CPLUXControlZone* zone = d().pZonePlanche;
    const sf::FloatRect avant = d().rectZonePlanche;
    // The zone of the model lies 36 and 40 pixels into the sheet view, at zoom 1.
    EXPECT_EQ(avant, sf::FloatRect(zone->getLeft() - planche->getLeft(), zone->getTop() - planche->getTop(), 64, 64));

    for (CPLUXControl* sous : {static_cast<CPLUXControl*>(planche), static_cast<CPLUXControl*>(zone)}) {
        const float zoom = planche->getScale();
        // The library hands the wheel to the control under the mouse first, then to the dialog.
        sous->onMouseWheel(1, &d());
        d().onMouseWheel(1, sous);
        EXPECT_FLOAT_EQ(planche->getScale(), zoom * CPLUXControlImage::PAS_ZOOM) << "the sheet zooms";
        const sf::FloatRect z = zone->getRect();
        EXPECT_NEAR(z.left, planche->getLeft() + avant.left * planche->getScale(), 1e-3);
        EXPECT_NEAR(z.top, planche->getTop() + avant.top * planche->getScale(), 1e-3);
        EXPECT_NEAR(z.width, 64 * planche->getScale(), 1e-3);
        EXPECT_EQ(e->texte(IdAnm::myTextInputZoomImagePlanche), CPLUX::ftos(planche->getScale()));
        EXPECT_EQ(d().rectZonePlanche, avant) << "the zone's sheet rectangle does not move";
    }
}

TEST_F(EvenementsTest, FrameChosenOnTheTimelineSetsTheKeyframeAndTheReadOnlyInputs)
{
    d().majMarqueursTimeline(d().pSprite, d().pTimeline);
    CPLUXTest::frame(&fenetre);
    const CControlTimeline* t = d().pTimeline;
    ASSERT_EQ(t->getNbFrames(), 10);
    struct Cas {
        int frame, keyframe;
        bool lectureSeule;
    };
    for (const Cas c : {Cas{5, 5, false}, Cas{3, -1, true}, Cas{0, 0, false}}) {
        const int x = t->getLeftScreen() + c.frame * t->getLargeurFrame() + 2;
        CPLUXTest::clickAt(x, t->getTopScreen() + 10);
        EXPECT_EQ(t->getFrameSel(), c.frame);
        EXPECT_EQ(d().numKeyFrameSel, c.keyframe) << "frame " << c.frame;
        EXPECT_EQ(e->texte(IdAnm::myTextInputAnimFrameCour), std::to_string(c.frame));
        EXPECT_EQ(d().pSprite->getFrameCourante(), c.frame);
        for (const char* id : {IdAnm::myTextInputAnimCourX, IdAnm::myTextInputAnimCourY, IdAnm::myTextInputAnimCourOx,
                               IdAnm::myTextInputAnimCourOy, IdAnm::myTextInputAnimCourSx,
                               IdAnm::myTextInputAnimCourSy, IdAnm::myTextInputAnimCourAngle})
            EXPECT_EQ(e->ctrl(id)->isReadOnly(), c.lectureSeule) << id << " at frame " << c.frame;
    }
}

TEST_F(EvenementsTest, PlaybackStoppingAtTheEndUnchecksPlayOnlyWhileTheDialogLives)
{
    CSPRITE3& s = *d().pSprite;
    const ServicesFondation sauvegarde = g_services;
    g_services.notifierDialogue = &CSFMLJeu::notifierDialogue;
    d().ctrlButtonCheck(IdAnm::myButtonCheckPlayPauseAnim)->setCheck(true);
    s.bBoucle = false;
    s.bStopFin = true;
    s.setFrameCourante(8);
    s.play();
    for (int i = 0; i < 100 && s.bPlay; ++i)
        s.update(nullptr, 1, 0, 0, -1);
    EXPECT_FALSE(s.bPlay) << "the animation stops at its end";
    EXPECT_FALSE(e->coche(IdAnm::myButtonCheckPlayPauseAnim)) << "the play check follows the sprite";

    // A listener that is gone hears nothing; a live one hears the event without a control.
    auto ecoute = std::make_unique<DialogueEcoute>();
    CPLUX::addDialog(nullptr, ecoute.get(), nullptr, 0);
    CSFMLJeu::notifierDialogue(static_cast<CPLUXDialog*>(ecoute.get()), "CSPRITE3_bPlay_changed");
    ASSERT_EQ(ecoute->evenements, std::vector<std::string>{"CSPRITE3_bPlay_changed"});
    EXPECT_EQ(ecoute->controles.front(), nullptr);
    CSPRITE3 copie(s);
    copie.pDialogue = static_cast<CPLUXDialog*>(ecoute.get());
    ecoute.reset();
    copie.setFrameCourante(8);
    copie.play();
    for (int i = 0; i < 100 && copie.bPlay; ++i)
        copie.update(nullptr, 1, 0, 0, -1);
    EXPECT_FALSE(copie.bPlay);
    g_services = sauvegarde;
}

TEST_F(EvenementsTest, HoverFindsTheTopmostShownAnimElementUnderTheMouse)
{
    CSPRITE3& s = *d().pSprite;
    // AE 0 "tete" is 20 x 10 and AE 1 "corps" 30 x 30, both anchored at the view's centre.
    const sf::Vector2i centre(static_cast<int>(d().pImageAnimation->getLeft()) + d().centreVueX,
                              static_cast<int>(d().pImageAnimation->getTop()) + d().centreVueY);
    struct Cas {
        const char* quoi;
        std::function<void()> preparer;
        sf::Vector2i souris;  // from the centre
        int attendu;
    };
    const Cas table[] = {
        {"both under the mouse: the later one", [] {}, {5, 5}, 1},
        {"only the larger one", [] {}, {25, 25}, 1},
        {"nothing there", [] {}, {-5, -5}, -1},
        {"the later one hidden", [&] { s.setKeyAnimElemVisible(0, 0, 1, false, false); }, {5, 5}, 0},
        {"the later one's option off", [&] { s.getAnimElem(0, 1)->option = 0; }, {5, 5}, 0},
        {"the later one tied to another weapon", [&] { s.getElement(1)->arme = 2; }, {5, 5}, 0},
        {"tied to the current weapon", [&] { s.getElement(1)->arme = 2; s.armeCourante = 2; }, {5, 5}, 1},
        {"mirrored: the box grows to the left", [&] { s.setKeyAnimElemEchelle(0, 0, 1, -1, 1, false, false); },
         {-25, 5}, 1},
        {"turned a quarter: the box stands down", [&] { s.setKeyAnimElemRotation(0, 0, 1, 90, false, false); },
         {-5, 25}, 1},
        {"turned a quarter: not where it was", [&] { s.setKeyAnimElemRotation(0, 0, 1, 90, false, false); },
         {25, 5}, -1},
        {"zoom 2 doubles the box", [&] { d().zoom = 2; }, {55, 55}, 1},
        {"selection locked", [&] { d().bLockAnimElemSel = true; }, {5, 5}, -1},
        {"another page", [&] { d().pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_APERCU); }, {5, 5},
         -1},
        {"no animation selected", [&] { d().numAnimationSel = -1; }, {5, 5}, -1},
        {"no keyframe in force", [&] { s.supprimerKeyframes(0); }, {5, 5}, -1},
    };
    for (const Cas& c : table) {
        s.viderElements();
        s.viderAnimations();
        s.armeCourante = -1;
        spriteEssai(s, planche);
        d().zoom = 1;
        d().bLockAnimElemSel = false;
        d().numAnimationSel = 0;
        d().pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
        c.preparer();
        d().numAnimElemSurvol = -1;
        d().onDialogIn(&fenetre, d().getLeft() + centre.x + c.souris.x, d().getTop() + centre.y + c.souris.y);
        EXPECT_EQ(d().numAnimElemSurvol, c.attendu) << c.quoi;
    }
}

TEST(Geometrie, TurningAPointAboutACentre)
{
    struct Cas {
        sf::Vector2f p;
        float angle;
        sf::Vector2f centre, attendu;
    };
    const Cas table[] = {
        {{1, 0}, 90, {0, 0}, {0, -1}},     {{3, 7}, 0, {100, 100}, {3, 7}},
        {{12, 10}, 90, {10, 10}, {10, 8}}, {{10, 12}, 90, {10, 10}, {12, 10}},
        {{11, 10}, 180, {10, 10}, {9, 10}}, {{11, 10}, -90, {10, 10}, {10, 11}},
    };
    for (const Cas& c : table) {
        const sf::Vector2f r = CJeuDialogAnimationsSprites::tournerPoint(c.p.x, c.p.y, c.angle, c.centre.x, c.centre.y);
        EXPECT_NEAR(r.x, c.attendu.x, 1e-5) << c.p.x << "," << c.p.y << " by " << c.angle;
        EXPECT_NEAR(r.y, c.attendu.y, 1e-5) << c.p.x << "," << c.p.y << " by " << c.angle;
    }
}
