// The mouse in the editor's views, driven through the library: drags of the selected AE's
// handles and body at zoom 1 and 2 with and without modifiers, a turned AE and an element of
// no width, the lock, right presses on the timeline and the lists, right drags of the aim
// circle and the view, and the sheet's zone.
#include "OutilsEdition.h"

namespace {
using R = AnmUndoRecord;

class SourisTest : public EditionTest {
protected:
    void glisserDroit(sf::Vector2i p, int dx, int dy, int pas)
    {
        CPLUXTest::pressRightAt(p.x, p.y);
        for (int i = 1; i <= pas; ++i)
            CPLUXTest::mouseMove(p.x + dx * i / pas, p.y + dy * i / pas);
        CPLUXTest::releaseRight();
    }
    void appuyerDroit(const char* id) { d().onPressRight(nullptr, 0, 0, e->ctrl(id)); }
    int nbFrames() { return s().getNbFrames(0); }
};
} // namespace

// Corps: 100 x 50, origin (0, 0), at (0, 0); its child bras at (100, 0), grandchild main at
// (140, 0). Handles from its position: HG (0, 0), BD (100, 50), R (50, 0), O (0, 0).
TEST_F(SourisTest, HandleDragsScaleTurnAndMoveAsTheTableSays)
{
    struct Cas {
        const char* quoi;
        float zoom;
        bool ctrl, alt;
        sf::Vector2f depart;
        int dx, dy;
        const char* type;
        sf::Vector2f echelle, position, origine;
        float rotation;
        sf::Vector2f bras, echelleBras;
    };
    const Cas table[] = {
        {"BD 10 right", 1, false, false, {100, 50}, 10, 0, R::FAE_SCALE, {1.1f, 1}, {0, 0}, {0, 0}, 0, {110, 0}, {1.1f, 1}},
        {"BD 20 right at zoom 2", 2, false, false, {100, 50}, 20, 0, R::FAE_SCALE, {1.1f, 1}, {0, 0}, {0, 0}, 0, {110, 0}, {1.1f, 1}},
        {"BD 10 down", 1, false, false, {100, 50}, 0, 10, R::FAE_SCALE, {1, 1.2f}, {0, 0}, {0, 0}, 0, {100, 0}, {1, 1.2f}},
        {"HG 10 right", 1, false, false, {0, 0}, 10, 0, R::FAE_SCALE, {0.9f, 1}, {10, 0}, {0, 0}, 0, {100, 0}, {0.9f, 1}},
        {"Alt, BD 10 right", 1, false, true, {100, 50}, 10, 0, R::FAE_SCALE, {1.1f, 1}, {0, 0}, {0, 0}, 0, {110, 0}, {1, 1}},
        {"Control, BD 10 right: a move", 1, true, false, {100, 50}, 10, 0, R::FAE_MOVE, {1, 1}, {10, 0}, {0, 0}, 0, {100, 0}, {1, 1}},
        {"R 400 right in one step", 1, false, false, {50, 0}, 400, 0, R::FAE_ROT, {1, 1}, {0, 0}, {0, 0}, 40, {76.6044f, 64.2788f}, {1, 1}},
        {"R 800 right at zoom 2", 2, false, false, {50, 0}, 800, 0, R::FAE_ROT, {1, 1}, {0, 0}, {0, 0}, 40, {76.6044f, 64.2788f}, {1, 1}},
        {"Control, O at zoom 2", 2, true, false, {0, 0}, 10, 4, R::FAE_ORIGIN, {1, 1}, {0, 0}, {5, 2}, 0, {100, 0}, {1, 1}},
        {"body at zoom 2", 2, false, false, {50, 25}, 10, 5, R::FAE_MOVE, {1, 1}, {5, 2.5f}, {0, 0}, 0, {105, 2.5f}, {1, 1}},
    };
    const Instantane depart(s(), 0);
    for (const Cas& c : table) {
        d().listeAnnulations.clear();
        d().zoom = c.zoom;
        d().majPoigneesAE(0, 0, 0);
        CPLUXTest::setModifiers(c.ctrl, false, c.alt);
        glisserDepuis(c.depart, c.dx, c.dy, 1);
        CPLUXTest::setModifiers(false, false, false);
        const CSPRITE3_KEYANIMELEM& k = cle(0, 0, 0);
        EXPECT_TRUE(proche(k.echelle, c.echelle)) << c.quoi << ": scale " << k.echelle.x << ", " << k.echelle.y;
        EXPECT_TRUE(proche(k.position, c.position)) << c.quoi << ": position " << k.position.x << ", " << k.position.y;
        EXPECT_TRUE(proche(k.origine, c.origine)) << c.quoi << ": origin " << k.origine.x << ", " << k.origine.y;
        EXPECT_FLOAT_EQ(k.rotation, c.rotation) << c.quoi;
        EXPECT_TRUE(proche(cle(0, 0, 1).position, c.bras)) << c.quoi << ": child at " << cle(0, 0, 1).position.x << ", "
                                                         << cle(0, 0, 1).position.y;
        EXPECT_TRUE(proche(cle(0, 0, 1).echelle, c.echelleBras)) << c.quoi << ": child's scale";
        ASSERT_EQ(d().listeAnnulations.size(), 1u) << c.quoi;
        EXPECT_EQ(d().listeAnnulations.back().type, c.type) << c.quoi;
        d().annulerDerniereAction();
        ASSERT_TRUE(memesCles(Instantane(s(), 0), depart)) << c.quoi;
    }
}

TEST_F(SourisTest, ATurnedAEIsTakenByItsHandlesWhereTheyAreDrawn)
{
    s().setKeyAnimElemRotation(0, 0, 0, 90, false, false);
    d().majPoigneesAE(0, 0, 0);
    // Turned by 90 degrees (clockwise on screen), the BD corner (100, 50) is drawn at (-50, 100).
    glisserDepuis({100, 50}, 10, 0, 2);
    EXPECT_TRUE(d().listeAnnulations.empty()) << "where the corner would stand unturned, nothing is taken";
    choisirAE(0);
    glisserDepuis({-50, 100}, 0, 10, 2);
    ASSERT_EQ(d().listeAnnulations.size(), 1u);
    EXPECT_EQ(d().listeAnnulations.back().type, R::FAE_SCALE);
    // 10 down on screen is 10 along the AE's own x axis.
    EXPECT_TRUE(proche(cle(0, 0, 0).echelle, {1.1f, 1})) << cle(0, 0, 0).echelle.x << ", " << cle(0, 0, 0).echelle.y;
}

TEST_F(SourisTest, AnElementOfNoWidthKeepsFiniteValues)
{
    s().ajouterElement("plat", 200, 0, 0, 30, 0, 0, 2, 2, -1, -1, false);
    s().ajouterAnimElem(0, 4, "", 0, 1);
    s().setKeyAnimElemPosition(0, 0, 3, -100, 0, false);
    d().majListeAnimElems();
    choisirAE(3);
    glisserDepuis({-100, 30}, 25, 15, 3);
    const CSPRITE3_KEYANIMELEM& k = cle(0, 0, 3);
    EXPECT_FLOAT_EQ(k.echelle.x, 1) << "no width: its scale stays";
    EXPECT_FLOAT_EQ(k.echelle.y, 1.5f) << "30 high, 15 down";
    EXPECT_TRUE(proche(k.position, {-100, 0}));
    ASSERT_EQ(d().listeAnnulations.size(), 1u);
    // Absurd steps change nothing that is not a number.
    for (const sf::Vector2f delta : {sf::Vector2f(3e38f, 3e38f), sf::Vector2f(-3e38f, 1), sf::Vector2f(1, 3e38f)}) {
        for (PoigneeAE p : {PoigneeAE::BD, PoigneeAE::HG, PoigneeAE::O, PoigneeAE::R, PoigneeAE::Aucune}) {
            d().poigneeAE = p;
            d().pImageAnimation->setDragDelta(delta);
            d().bDebutDrag = false;
            d().bAnnulationDeplacement = true;
            d().onClicLeft(nullptr, 0, 0, d().pImageAnimation);
            const CSPRITE3_KEYANIMELEM& c = cle(0, 0, 3);
            for (float v : {c.position.x, c.position.y, c.echelle.x, c.echelle.y, c.origine.x, c.origine.y, c.rotation})
                ASSERT_TRUE(std::isfinite(v)) << static_cast<int>(p);
        }
    }
}

TEST_F(SourisTest, ADragOnEmptySpaceMovesTheLockedAEOrPans)
{
    d().bLockAnimElemSel = true;
    glisserDepuis({-150, -150}, 10, 20, 2);
    EXPECT_EQ(d().numAnimElemSel, 0);
    EXPECT_TRUE(proche(cle(0, 0, 0).position, {10, 20})) << "the locked AE follows";
    d().bLockAnimElemSel = false;
    glisserDepuis({-150, -150}, 10, 20, 2);
    EXPECT_EQ(d().numAnimElemSel, -1) << "deselected";
    EXPECT_EQ(e->liste(IdAnm::myListAnimationElements)->getNumSel(), -1);
    EXPECT_TRUE(proche(cle(0, 0, 0).position, {10, 20})) << "nothing moved";
    // The view was centred on (-150, -150) first.
    EXPECT_EQ(d().centreVueX, static_cast<int>(d().pImageAnimation->getWidth() / 2) + 150 + 10);
    EXPECT_EQ(d().centreVueY, static_cast<int>(d().pImageAnimation->getHeight() / 2) + 150 + 20);
    // A press on another AE takes it and moves it (bras followed corps to (110, 20)).
    glisserDepuis({120, 25}, 5, 0, 1);
    EXPECT_EQ(d().numAnimElemSel, 1);
    EXPECT_TRUE(proche(cle(0, 0, 1).position, {115, 20}));
    EXPECT_TRUE(proche(cle(0, 0, 2).position, {155, 20})) << "its child with it";
    // While playing, a drag pans.
    s().bPlay = true;
    glisserDepuis({125, 25}, 5, 0, 1);
    s().bPlay = false;
    EXPECT_EQ(d().numAnimElemSel, -1);
    EXPECT_TRUE(proche(cle(0, 0, 1).position, {115, 20}));
}

TEST_F(SourisTest, RightPressesInsertAndDeleteFramesToggleAndAppend)
{
    d().allerAFrame(5);
    appuyerDroit(IdAnm::maTimelineSpriteAnimation);
    EXPECT_EQ(nbFrames(), 21);
    EXPECT_TRUE(s().isKeyframe(0, 11)) << "the keyframe after the frame moves one later";
    EXPECT_EQ(e->texte(IdAnm::myTextInputAnimFrameNb), "21");
    EXPECT_EQ(d().pTimeline->getNbFrames(), 21);
    CPLUXTest::setModifiers(true, false, false);
    appuyerDroit(IdAnm::maTimelineSpriteAnimation);
    EXPECT_EQ(nbFrames(), 20);
    EXPECT_TRUE(s().isKeyframe(0, 10));
    d().allerAFrame(19);
    appuyerDroit(IdAnm::maTimelineSpriteAnimation);
    EXPECT_EQ(nbFrames(), 19) << "the last frame, no keyframe on it";
    EXPECT_EQ(s().getFrameCourante(), 18) << "the current frame steps back";
    EXPECT_EQ(d().pTimeline->getFrameSel(), 18);
    d().allerAFrame(10);
    appuyerDroit(IdAnm::maTimelineSpriteAnimation);
    EXPECT_EQ(nbFrames(), 19) << "a keyframe's frame stays";
    s().ajouterAnimation("une", false);
    s().setNbFrames(2, 1);
    e->liste(IdAnm::myListAnimations)->setNumSel(2);
    appuyerDroit(IdAnm::maTimelineSpriteAnimation);
    EXPECT_EQ(s().getNbFrames(2), 1);
    EXPECT_EQ(s().getFrameCourante(), 0);
    d().numAnimationSel = -1;
    appuyerDroit(IdAnm::maTimelineSpriteAnimation);
    CPLUXTest::setModifiers(false, false, false);
    appuyerDroit(IdAnm::maTimelineSpriteAnimation);
    EXPECT_EQ(s().getNbFrames(2), 1) << "no animation chosen: nothing";

    e->liste(IdAnm::myListAnimations)->setNumSel(0);
    choisirAE(1);
    appuyerDroit(IdAnm::myListAnimationElements);
    EXPECT_FALSE(s().getAnimElemOption(0, 1));
    EXPECT_FALSE(e->coche(IdAnm::myButtonCheckVisibleAnimElem));
    appuyerDroit(IdAnm::myListAnimationElements);
    EXPECT_TRUE(s().getAnimElemOption(0, 1));

    e->liste(IdAnm::myListElementsPlanche)->setNumSel(2);
    appuyerDroit(IdAnm::myListElementsPlanche);
    ASSERT_EQ(s().getNbAnimElems(0), 4);
    EXPECT_EQ(s().getElementAnimElem(0, 3), 2);
    EXPECT_EQ(s().getNomAnimElem(0, 3), "");
    EXPECT_EQ(d().numAnimElemSel, 3);
    EXPECT_EQ(e->liste(IdAnm::myListAnimationElements)->getTextSel(), "4");

    d().bChercherCercleMaillage = false;
    appuyerDroit(IdAnm::myImagePlancheSprites);
    EXPECT_TRUE(d().bChercherCercleMaillage);
}

TEST_F(SourisTest, RightDragsMoveAndSizeTheAimCircleOrPan)
{
    const sf::Vector2i p = CPLUXTest::centre(IdAnm::DIALOGUE, IdAnm::myImageAnimation);
    CPLUXTest::setModifiers(false, true, false);
    glisserDroit(p, 30, -20, 2);
    EXPECT_TRUE(proche(d().cercleVisee.getPosition(), {30, -20}));
    EXPECT_TRUE(proche(s().getCercleViseePos(0), {30, -20}));
    CPLUXTest::setModifiers(true, false, false);
    glisserDroit(p, -25, 0, 1);
    EXPECT_EQ(d().rayonVisee, 75);
    EXPECT_EQ(s().getCercleViseeRayon(0), 75);
    EXPECT_FLOAT_EQ(d().cercleVisee.getRadius(), 75);
    glisserDroit(p, -600, 0, 6);
    EXPECT_EQ(d().rayonVisee, 1) << "never below 1";
    EXPECT_EQ(s().getCercleViseeRayon(0), 1);
    CPLUXTest::setModifiers(false, false, false);
    const int cx = d().centreVueX, cy = d().centreVueY;
    glisserDroit(p, 12, -7, 3);
    EXPECT_EQ(d().centreVueX, cx + 12);
    EXPECT_EQ(d().centreVueY, cy - 7);
    EXPECT_EQ(d().numAnimElemSel, 0) << "a right pan keeps the selection";
}

TEST_F(SourisTest, TheSheetZoneSetsTheOriginAndFollowsItsControl)
{
    d().pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_PLANCHE);
    e->liste(IdAnm::myListElementsPlanche)->setNumSel(1);
    CPLUXControlZone* zone = d().pZonePlanche;
    ASSERT_TRUE(zone);
    const float z = d().pImagePlanche->getScale();
    // Control: the zone stays and the element's origin goes under the mouse.
    CPLUXTest::setModifiers(true, false, false);
    const sf::FloatRect avant = zone->getRect();
    zone->setDragDelta({5, 5});
    d().onClicLeft(nullptr, d().getLeft() + static_cast<int>(avant.left) + 12,
                   d().getTop() + static_cast<int>(avant.top) + 6, zone);
    CPLUXTest::setModifiers(false, false, false);
    EXPECT_EQ(zone->getRect(), avant) << "the zone did not move";
    EXPECT_TRUE(proche(s().getOrigineElement(1), {12 / z, 6 / z}));
    EXPECT_EQ(e->texte(IdAnm::myTextInputElementOx), std::to_string(static_cast<int>(12 / z)));
    // Moved by the user, the zone's sheet rectangle follows and the inputs show it.
    zone->setPosition(d().pImagePlanche->getLeft() + 30 * z, d().pImagePlanche->getTop() + 20 * z);
    d().onCtrlMove(zone);
    EXPECT_TRUE(proche({d().rectZonePlanche.left, d().rectZonePlanche.top}, {30, 20}));
    EXPECT_EQ(e->texte(IdAnm::myTextInputElementX), "30");
    // A drag on the sheet lets the element go; a step without movement keeps it.
    d().pImagePlanche->setDragDelta({0, 0});
    d().onClicLeft(nullptr, 0, 0, d().pImagePlanche);
    EXPECT_EQ(d().elementSel, 1);
    d().pImagePlanche->setDragDelta({3, 0});
    d().onClicLeft(nullptr, 0, 0, d().pImagePlanche);
    EXPECT_EQ(d().elementSel, -1);
}
