// The views' pixels under Xvfb. Each overlay is checked where only it lies, against the same
// drawing without it: the pixel must be the overlay's colour blended over what was there.
#include "OutilsVues.h"

#include "animeditor/Ciseaux.h"

#include <SFML/OpenGL.hpp>

#include <functional>

namespace {
sf::Color px(const sf::Image& i, float x, float y)
{
    return i.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
}

// Pixels of a rectangle of the window that differ between two drawings.
int differences(const sf::Image& a, const sf::Image& b, sf::FloatRect r)
{
    int n = 0;
    for (int x = static_cast<int>(r.left); x < r.left + r.width; ++x)
        for (int y = static_cast<int>(r.top); y < r.top + r.height; ++y)
            n += a.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)) !=
                 b.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
    return n;
}

// A one-pixel line at an integer place lights the pixel on either side of it: either may
// hold the blend.
::testing::AssertionResult surLigne(const sf::Image& avec, const sf::Image& sans, sf::Vector2f p, sf::Vector2f pas,
                                    std::initializer_list<sf::Color> couleurs)
{
    ::testing::AssertionResult r = ::testing::AssertionFailure();
    for (sf::Vector2f q : {p, p - pas}) {
        sf::Color attendu = px(sans, q.x, q.y);
        for (sf::Color c : couleurs)
            attendu = melange(attendu, c);
        r = procheDe(px(avec, q.x, q.y), attendu);
        if (r)
            return r;
    }
    return r;
}
const sf::Vector2f VERTICALE(1, 0), HORIZONTALE(0, 1);

class VuesPixelsTest : public VuesTest {
protected:
    void SetUp() override
    {
        VuesTest::SetUp();
        v = std::make_unique<EditeurVues>(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
        // Bare: each test turns on what it looks at.
        d().bQuadrillage = d().bGrilleAnimation = d().bAfficheRectGlobal = d().bAfficheRectHitbox = false;
        d().bDrawHierarchie = false;
    }
    void TearDown() override
    {
        v.reset();
        g_services.framerateCoeff = [] { return 1.0f; };
        VuesTest::TearDown();
    }
    CJeuDialogAnimationsSprites& d() { return *v->e.d; }
    CSPRITE3& s() { return *d().pSprite; }
    std::unique_ptr<EditeurVues> v;
};
} // namespace

TEST_F(VuesPixelsTest, SheetOutlinesMeshLabelsAndTheNextElementsOfARow)
{
    d().pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_PLANCHE);
    const CPLUXControlImage& i = *d().pImagePlanche;
    const float X = static_cast<float>(i.getLeftScreen()), Y = static_cast<float>(i.getTopScreen());
    d().pZonePlanche->setPosition(i.getLeft() + 300, i.getTop() + 200);
    d().elementSel = 0;
    const sf::Image avec = image();
    s().viderElements();
    const sf::Image sans = image();
    // Just right of each element's right edge: only its outline, 2 pixels wide, out of its mesh.
    struct Cas {
        const char* quoi;
        sf::Vector2f point;
        sf::Color couleur;
    } table[] = {{"selected element", {X + 41, Y + 7}, {200, 100, 100, 180}},
                 {"plain element", {X + 125, Y + 20}, {100, 250, 100, 180}},
                 {"element showing an animation", {X + 149, Y + 25}, {250, 250, 100, 180}},
                 {"mesh line inside the first element", {X + 20, Y + 7}, {100, 220, 100, 100}}};
    for (const Cas& c : table)
        EXPECT_TRUE(procheDe(px(avec, c.point.x, c.point.y), melange(px(sans, c.point.x, c.point.y), c.couleur)))
            << c.quoi;

    SpriteVues remis(s());
    d().elementSel = -1;
    const sf::Image sansNoms = image();
    d().bNomsVisibles = true;
    const sf::Image avecNoms = image();
    EXPECT_GT(differences(sansNoms, avecNoms, {X + 128, Y + 1, 40, 14}), 10)
        << "the third name at its element's corner";
    EXPECT_EQ(differences(sansNoms, avecNoms, {X + 160, Y + 60, 100, 30}), 0) << "and nowhere else there";

    // A zone of 100 x 50 ending 150 pixels before the view's right edge: the next element of
    // the row fits, the one after it would leave the view.
    d().bNomsVisibles = false;
    const float droite = i.getLeft() + i.getWidth();
    d().pZonePlanche->setPosition(droite - 250, i.getTop() + 200);
    d().pZonePlanche->setVisibleDimension(100, 50);
    const sf::Image seule = image();
    d().nombreElements = 3;
    const sf::Image rangee = image();
    const float haut = static_cast<float>(d().getTop()) + i.getTop() + 200 - 2;
    const float x1 = static_cast<float>(d().getLeft()) + droite - 120;
    EXPECT_TRUE(procheDe(px(rangee, x1, haut), melange(px(seule, x1, haut), {50, 250, 50, 200}))) << "the next one";
    EXPECT_EQ(px(rangee, x1 + 100, haut), px(seule, x1 + 100, haut)) << "not the one leaving the view";

    // A zone reaching past the view's right edge is cut there.
    d().nombreElements = 1;
    d().pZonePlanche->setPosition(droite - 50, i.getTop() + 200);
    d().pZonePlanche->setVisibleDimension(400, 50);
    const sf::Image debordante = image();
    d().pZonePlanche->setVisible(false);
    const float bord = static_cast<float>(d().getLeft()) + droite;
    EXPECT_GT(differences(debordante, image(), {bord - 50, haut - 10, 48, 70}), 10) << "the zone shows in the view";
    EXPECT_EQ(differences(debordante, image(), {bord + 1, haut - 10, 300, 70}), 0) << "and nowhere past it";
}

TEST_F(VuesPixelsTest, EveryFrameStyleOfTheTable)
{
    // Left edge of "tete" (40 x 30, origin (20, 15), at (0, -60)); right edge of "bras" (turned
    // back to 0: 20 x 50 from (30, -20)).
    s().setKeyAnimElemRotation(0, 0, 2, 0, false, false);
    s().setKeyAnimElemRotation(0, 10, 2, 0, false, false);
    const sf::Vector2f tete = v->ecran(-20, -60), bras = v->ecran(50, 0);
    struct Cas {
        const char* quoi;
        std::function<void()> preparer;
        sf::Vector2f point;
        sf::Color couleur;
    } table[] = {
        {"locked", [&] { s().setAnimElemVerrou(0, 0, true); }, tete - sf::Vector2f(1, 0), {250, 250, 50, 100}},
        {"showing another animation", [] {}, bras + sf::Vector2f(2, 0), {250, 250, 50, 180}},
        {"selected on a keyframe", [&] { v->choisirAE(0); }, tete - sf::Vector2f(2, 0), {0, 255, 0, 200}},
        {"selected between keyframes", [&] { v->choisirAE(0); s().setFrameCourante(5); }, tete - sf::Vector2f(2, 0),
         {50, 50, 50, 200}},
        {"selected while playing", [&] { v->choisirAE(0); s().bPlay = true; }, tete - sf::Vector2f(2, 0),
         {250, 250, 250, 100}},
        {"any other", [] {}, tete - sf::Vector2f(2, 0), {250, 250, 250, 100}},
    };
    for (const Cas& c : table) {
        v->choisirAE(1);
        s().setFrameCourante(0);
        s().bPlay = false;
        s().setAnimElemVerrou(0, 0, false);
        c.preparer();
        d().bCadreTousElements = false;
        d().bCadreSurSelection = false;
        const bool joue = s().bPlay;
        const int frame = s().getFrameCourante();
        const sf::Image sans = image();
        s().bPlay = joue;
        s().setFrameCourante(frame);
        d().bCadreTousElements = true;
        d().bCadreSurSelection = true;
        const sf::Image avec = image();
        EXPECT_TRUE(procheDe(px(avec, c.point.x, c.point.y), melange(px(sans, c.point.x, c.point.y), c.couleur)))
            << c.quoi;
    }
}

TEST_F(VuesPixelsTest, HiddenSelectionHoverAndNoAnimation)
{
    const sf::Vector2f gauche = v->ecran(-22, -60), milieu = v->ecran(0, -70), coin = v->ecran(-20, -75);
    v->choisirAE(0);
    s().setKeyAnimElemVisible(0, 0, 0, false, false);
    d().bCadreSurSelection = false;
    const sf::Image sans = image();
    d().bCadreSurSelection = true;
    const sf::Image cache = image();
    EXPECT_EQ(px(cache, gauche.x, gauche.y), px(sans, gauche.x, gauche.y)) << "hidden: no frame";
    EXPECT_EQ(px(cache, coin.x - 3, coin.y + 1), px(sans, coin.x - 3, coin.y + 1)) << "hidden: no handle";
    EXPECT_TRUE(procheDe(px(cache, milieu.x, milieu.y), melange(px(sans, milieu.x, milieu.y), {250, 250, 250, 80})))
        << "but its mesh cells";

    // The hover frame shows once per hover event.
    s().setKeyAnimElemVisible(0, 0, 0, true, false);
    v->choisirAE(1);
    const sf::Image rien = image();
    d().numAnimElemSurvol = 0;
    const sf::Image survol = image();
    EXPECT_TRUE(procheDe(px(survol, gauche.x, gauche.y), melange(px(rien, gauche.x, gauche.y), {250, 250, 250, 100})));
    EXPECT_EQ(d().numAnimElemSurvol, -1);
    EXPECT_EQ(px(image(), gauche.x, gauche.y), px(rien, gauche.x, gauche.y)) << "not again without a hover event";

    // No animation: the grids only, no sprite, no message, the mode buttons not drawn again
    // (they are, over the view, with an animation).
    CPLUXControl* mode = v->e.ctrl(IdAnm::myButtonCheckModeMaillage);
    mode->setPosition(d().pImageAnimation->getLeft() + 10, d().pImageAnimation->getTop() + 300);
    d().bQuadrillage = d().bGrilleAnimation = true;
    const sf::Image avecAnimation = image();
    d().afficherMessage(L"message");
    v->e.liste(IdAnm::myListAnimations)->setNumSel(-1);
    const sf::Image grilles = image();
    EXPECT_EQ(d().dureeMessage, 120) << "the message waits for an animation";
    const sf::Vector2f corps = v->ecran(0, 0);
    EXPECT_NE(px(grilles, corps.x, corps.y), px(avecAnimation, corps.x, corps.y)) << "no sprite";
    const sf::FloatRect r(static_cast<float>(mode->getLeftScreen()), static_cast<float>(mode->getTopScreen()),
                          mode->getWidth(), mode->getHeight());
    EXPECT_GT(differences(grilles, avecAnimation, r), 0) << "with an animation the mode buttons are drawn again";
}

TEST_F(VuesPixelsTest, RectanglesHandlesAndTheScissor)
{
    // The global rectangle (-50, -90, 100, 150) and its handles; the hitbox inside it.
    s().getAnim(0)->rectGlobal = {-50, -90, 100, 150};
    s().getAnim(0)->rectHitbox = {-30, -40, 60, 80};
    d().placerPoigneesRect(0);
    const sf::Vector2f bord = v->ecran(-52, 0), bordHitbox = v->ecran(-32, 0), poignee = v->ecran(-50, -90);
    const sf::Image sans = image();
    d().bAfficheRectGlobal = d().bAfficheRectHitbox = true;
    const sf::Image avec = image();
    EXPECT_TRUE(procheDe(px(avec, bord.x, bord.y), melange(px(sans, bord.x, bord.y), {0, 200, 100, 200})));
    EXPECT_TRUE(procheDe(px(avec, bordHitbox.x, bordHitbox.y),
                         melange(px(sans, bordHitbox.x, bordHitbox.y), {0, 0, 180, 200})));
    EXPECT_NE(px(avec, poignee.x, poignee.y), px(sans, poignee.x, poignee.y)) << "a handle on the corner";
    d().bAfficheRectGlobal = false;
    const sf::Image cache = image();
    EXPECT_EQ(px(cache, bord.x, bord.y), px(sans, bord.x, bord.y)) << "hidden rectangle";
    EXPECT_EQ(px(cache, poignee.x, poignee.y), px(sans, poignee.x, poignee.y)) << "and its handles";
    EXPECT_NE(px(cache, bordHitbox.x, bordHitbox.y), px(sans, bordHitbox.x, bordHitbox.y)) << "the hitbox stays";
    s().bPlay = true;
    EXPECT_EQ(px(image(), bordHitbox.x, bordHitbox.y), px(sans, bordHitbox.x, bordHitbox.y)) << "nothing while playing";
    s().bPlay = false;

    // A corner on the view's left edge: its handle is cut there, the window beside unchanged.
    const CPLUXControl& vue = *d().pImageAnimation;
    d().bAfficheRectGlobal = true;
    s().getAnim(0)->rectGlobal = {-static_cast<float>(d().centreVueX), -90, 100, 150};
    d().placerPoigneesRect(0);
    const sf::Image coupe = image();
    const float gx = static_cast<float>(vue.getLeftScreen()), hy = v->ecran(0, -90).y;
    EXPECT_NE(px(coupe, gx + 1, hy), px(sans, gx + 1, hy)) << "inside the view";
    for (float dx : {2.f, 3.f, 5.f})
        EXPECT_EQ(px(coupe, gx - dx, hy), px(sans, gx - dx, hy)) << dx << " pixels left of the view";
}

TEST_F(VuesPixelsTest, TheStatusMessageLastsFourSecondsAtBothRates)
{
    const CPLUXControl& vue = *d().pImageAnimation;
    const sf::FloatRect zone(static_cast<float>(vue.getLeftScreen() + 60), static_cast<float>(vue.getTopScreen() + 4),
                             120, 18);
    const sf::Image sans = image();
    d().afficherMessage(L"Sélection 1");
    EXPECT_EQ(d().dureeMessage, 120);
    for (int i = 0; i < 119; ++i)
        d().dessinerVue(&fenetre, 0, 0, 0, 0);
    EXPECT_GT(differences(image(), sans, zone), 20) << "still there at the 120th drawing";
    EXPECT_EQ(differences(image(), sans, zone), 0) << "gone at the 121st";
    g_services.framerateCoeff = [] { return 0.5f; };
    d().afficherMessage(L"Sélection 1");
    EXPECT_EQ(d().dureeMessage, 240) << "60 frames per second: twice the drawings";
}

TEST_F(VuesPixelsTest, AimDialAndMouseFollowing)
{
    d().bGrilleAnimation = true;
    v->e.liste(IdAnm::myListAnimations)->setNumSel(1);
    s().setCercleViseePos(1, 60, 40);
    v->e.liste(IdAnm::myListAnimations)->setNumSel(1);
    const sf::Vector2f M = v->ecran(60, 40);
    const sf::Color croix(200, 0, 0, 100), aiguille(0, 0, 255, 200);
    s().setVisee(1, false);
    const sf::Image sans = image();
    s().setVisee(1, true);
    s().setFrame(1, 0);
    const sf::Image haut = image();
    EXPECT_TRUE(surLigne(haut, sans, {M.x, M.y - 80}, VERTICALE, {croix, aiguille}))
        << "frame 0: the hand points up, over the cross";
    s().setFrame(1, 90);
    const sf::Image droite = image();
    EXPECT_TRUE(surLigne(droite, sans, {M.x + 80, M.y}, HORIZONTALE, {croix, aiguille})) << "frame 90: right";
    EXPECT_TRUE(surLigne(droite, sans, {M.x, M.y - 80}, VERTICALE, {croix})) << "the cross alone";

    // A daughter taking the mother's KF_DELTA of (10, 0): 10 pixels right at any zoom.
    s().getAnim(1)->fille = 0;
    s().getAnim(0)->bDeltaActif = 1;
    s().setKeyframeDelta(0, 0, 10, 0);
    for (float zoom : {1.f, 2.f}) {
        d().zoom = zoom;
        const sf::Vector2f m = v->ecran(60, 40);
        s().setVisee(1, false);
        const sf::Image ref = image();
        s().setVisee(1, true);
        const sf::Image decale = image();
        EXPECT_TRUE(surLigne(decale, ref, {m.x + 10, m.y - 60}, VERTICALE, {croix}))
            << "zoom " << zoom << ": the cross 10 pixels right";
        EXPECT_EQ(px(decale, m.x - 2, m.y - 60), px(ref, m.x - 2, m.y - 60)) << "zoom " << zoom << ": not at its place";
        EXPECT_EQ(px(decale, m.x + 1, m.y - 60), px(ref, m.x + 1, m.y - 60)) << "zoom " << zoom << ": not at its place";
    }

    // Following the library's mouse, 0 up, 90 aside, 180 down; an animation of 179 frames does not.
    d().zoom = 1;
    d().bSuiviSourisVisee = true;
    struct Cas {
        int frames;
        sf::Vector2f souris;
        int attendue;
    } table[] = {{181, {0, -50}, 0},
                 {180, {50, 0}, 90},
                 {181, {0, 50}, 179 /* 57.3 is a little above 180 / pi */},
                 {181, {-50, 0}, 90},
                 {179, {50, 0}, 7}};
    for (const Cas& c : table) {
        s().setNbFrames(1, c.frames);
        s().setFrame(1, 7);
        CPLUXTest::mouseMove(static_cast<int>(M.x + c.souris.x), static_cast<int>(M.y + c.souris.y));
        d().dessinerVue(&fenetre, 0, 0, 0, 0);
        EXPECT_EQ(s().getFrame(1), c.attendue) << c.frames << " frames, mouse at " << c.souris.x << "," << c.souris.y;
    }
}

TEST_F(VuesPixelsTest, ThePreviewDrawsInItsViewAtTheCentre)
{
    d().pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_APERCU);
    const CPLUXControl& vue = *d().pImageAnimation;
    const sf::IntRect attendu(vue.getLeftScreen(), 720 - (vue.getTopScreen() + static_cast<int>(vue.getHeight())),
                              static_cast<int>(vue.getWidth()), static_cast<int>(vue.getHeight()));
    EXPECT_EQ(CCiseaux::rectangle(fenetre, d(), vue, 0, 0), attendu) << "the control's rectangle on screen";
    const sf::Image i = image();
    ASSERT_TRUE(fenetre.setActive(true));
    GLint boite[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_SCISSOR_BOX, boite);
    EXPECT_EQ(sf::IntRect(boite[0], boite[1], boite[2], boite[3]), attendu) << "the preview's scissor";
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST)) << "off again after the drawing";
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    // Vertical speed 0: "tete" (dark red) at (0, -60) from the view's centre.
    const sf::Vector2f tete = v->ecran(0, -60);
    EXPECT_TRUE(procheDe(px(i, tete.x, tete.y), sf::Color(150, 30, 30), 1));
}

TEST_F(VuesPixelsTest, GridsAnchoredOnTheOriginToTheFarEdges)
{
    v->e.liste(IdAnm::myListAnimations)->setNumSel(-1);
    const sf::Vector2f O = v->ecran(0, 0);
    const sf::Image sans = image();
    d().bQuadrillage = true;
    const sf::Image damier = image();
    EXPECT_TRUE(procheDe(px(damier, O.x + 1, O.y + 1), melange(px(sans, O.x + 1, O.y + 1), {50, 50, 50, 50})))
        << "the cell whose corner is the origin";
    EXPECT_TRUE(procheDe(px(damier, O.x - 2, O.y + 1), melange(px(sans, O.x - 2, O.y + 1), {150, 150, 150, 50})))
        << "its neighbour on the left";
    d().zoom = 0.1f;
    d().tailleQuadrillage = 19;
    EXPECT_EQ(px(image(), O.x + 1, O.y + 1), px(sans, O.x + 1, O.y + 1)) << "cells of 1.9 pixels are not drawn";
    d().tailleQuadrillage = 20;
    EXPECT_NE(px(image(), O.x + 1, O.y + 1), px(sans, O.x + 1, O.y + 1)) << "cells of 2 pixels are";

    // The origin 300 pixels left of the view: ticks every 100 still reach the right edge.
    d().zoom = 1;
    d().bQuadrillage = false;
    d().bGrilleAnimation = true;
    d().centreVueX = -300;
    const CPLUXControl& vue = *d().pImageAnimation;
    const float x = static_cast<float>(vue.getLeftScreen() - 300 + 700);
    ASSERT_LT(x, vue.getLeftScreen() + vue.getWidth());
    EXPECT_TRUE(surLigne(image(), sans, {x, v->ecran(0, 0).y + 5}, VERTICALE, {{50, 50, 50, 150}}))
        << "the tick of 700";
}
