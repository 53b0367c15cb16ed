// Undo in the animation editor: each kind of record pushed by the edit that makes it and
// taken back, the cap of 25, the children that an edit spared staying spared, records that
// name what is gone, and the drag of mesh points.
#include "OutilsEdition.h"

#include <functional>

namespace {
using R = AnmUndoRecord;

class AnnulationTest : public EditionTest {
protected:
    sf::Vector2f position(int ae) { return cle(0, 0, ae).position; }
};
} // namespace

TEST_F(AnnulationTest, EachEditIsRecordedOnceAndUndoneExactly)
{
    struct Cas {
        const char* quoi;
        const char* type;
        std::function<void()> editer;
    };
    const std::vector<Cas> table = {
        {"move, 1 step", R::FAE_MOVE, [&] { glisserDepuis({50, 25}, 12, 7, 1); }},
        {"move, 7 steps", R::FAE_MOVE, [&] { glisserDepuis({50, 25}, 14, -21, 7); }},
        {"BD corner, 1 step", R::FAE_SCALE, [&] { glisserDepuis({100, 50}, 10, 5, 1); }},
        {"BD corner, 7 steps", R::FAE_SCALE, [&] { glisserDepuis({100, 50}, 21, 14, 7); }},
        {"HG corner", R::FAE_SCALE, [&] { glisserDepuis({0, 0}, -8, 6, 3); }},
        {"rotation, 1 step", R::FAE_ROT, [&] { glisserDepuis({50, 0}, 30, 0, 1); }},
        {"rotation, 7 steps", R::FAE_ROT, [&] { glisserDepuis({50, 0}, 70, 7, 7); }},
        {"origin with Control",
         R::FAE_ORIGIN,
         [&] {
             CPLUXTest::setModifiers(true, false, false);
             glisserDepuis({0, 0}, 9, 4, 3);
         }},
        {"flip H", R::FAE_FLIPH, [&] { appuyer(IdAnm::myButtonFlipH); }},
        {"flip V", R::FAE_FLIPV, [&] { appuyer(IdAnm::myButtonFlipV); }},
        {"origin centred", R::FAE_ORIGIN, [&] { appuyer(IdAnm::myButtonOriginCenter); }},
        {"scale 1", R::FAE_SCALE, [&] { appuyer(IdAnm::myButtonTailleUn); }},
    };
    for (const Cas& c : table) {
        d().listeAnnulations.clear();
        CPLUXTest::setModifiers(false, false, false);
        d().zoom = 1;
        choisirAE(0);
        if (c.type == std::string(R::FAE_SCALE) && std::string(c.quoi) == "scale 1")
            s().setKeyAnimElemEchelle(0, 0, 0, 1.5f, 0.5f, false, false);  // so that it changes something
        const Instantane avant(s(), 0);
        c.editer();
        CPLUXTest::setModifiers(false, false, false);
        ASSERT_EQ(d().listeAnnulations.size(), 1u) << c.quoi << ": one record whatever the steps";
        EXPECT_EQ(d().listeAnnulations.back().type, c.type) << c.quoi;
        EXPECT_EQ(d().listeAnnulations.back().animElem, 0) << c.quoi;
        EXPECT_FALSE(memesCles(avant, Instantane(s(), 0))) << c.quoi << " changed nothing";
        d().annulerDerniereAction();
        EXPECT_TRUE(memesCles(Instantane(s(), 0), avant)) << c.quoi;
        EXPECT_TRUE(d().listeAnnulations.empty()) << c.quoi;
    }
}

TEST_F(AnnulationTest, TwentyFiveNewestRecordsComeBackInReverseOrder)
{
    for (int i = 1; i <= 30; ++i)
        glisserDepuis({50 + static_cast<float>(i - 1), 25}, 1, 0, 1);
    ASSERT_FLOAT_EQ(position(0).x, 30) << "30 moves of one pixel";
    ASSERT_EQ(d().listeAnnulations.size(), CJeuDialogAnimationsSprites::MAX_ANNULATIONS);
    for (int i = 1; i <= 25; ++i) {
        d().annulerDerniereAction();
        EXPECT_FLOAT_EQ(position(0).x, static_cast<float>(30 - i)) << "pop " << i;
        EXPECT_FLOAT_EQ(position(1).x, static_cast<float>(130 - i)) << "the child followed back, pop " << i;
    }
    EXPECT_TRUE(d().listeAnnulations.empty());
    d().annulerDerniereAction();
    EXPECT_FLOAT_EQ(position(0).x, 5) << "the five oldest were dropped; an empty list undoes nothing";
}

TEST_F(AnnulationTest, ChildrenSparedByTheEditAreSparedByItsUndo)
{
    struct Cas {
        const char* quoi;
        bool ctrl, alt;
        sf::Vector2f depart;
        int dx, dy;
        const char* type;
    };
    // With Control a press takes only the origin handle: elsewhere the drag moves the AE.
    const Cas table[] = {
        {"Control, from the BD corner", true, false, {100, 50}, 0, 20, R::FAE_MOVE},
        {"Control, from the rotation handle", true, false, {50, 0}, 40, 0, R::FAE_MOVE},
        {"Alt, rotation", false, true, {50, 0}, 40, 0, R::FAE_ROT},
        {"Alt, BD corner", false, true, {100, 50}, 30, 10, R::FAE_SCALE},
    };
    for (const Cas& c : table) {
        d().listeAnnulations.clear();
        const Instantane avant(s(), 0);
        CPLUXTest::setModifiers(c.ctrl, false, c.alt);
        glisserDepuis(c.depart, c.dx, c.dy, 3);
        CPLUXTest::setModifiers(false, false, false);
        for (int ae : {1, 2}) {
            if (c.ctrl) {
                EXPECT_TRUE(proche(position(ae), avant.cles[static_cast<size_t>(ae)].position)) << c.quoi << ": " << ae;
            }
            if (c.alt) {
                EXPECT_FLOAT_EQ(cle(0, 0, ae).rotation, 0) << c.quoi << ": child " << ae << " keeps its rotation";
                EXPECT_TRUE(proche(cle(0, 0, ae).echelle, {1, 1})) << c.quoi << ": and its scale";
            }
        }
        ASSERT_EQ(d().listeAnnulations.size(), 1u) << c.quoi;
        EXPECT_EQ(d().listeAnnulations.back().type, c.type) << c.quoi;
        d().annulerDerniereAction();
        EXPECT_TRUE(memesCles(Instantane(s(), 0), avant)) << c.quoi;
    }
    // An input's record (no child moved by the input) moves no child back.
    d().ajouterAnnulation(R::FAE_MOVE, 0, 0, 0, -20, 0, 0, 0, 0);
    d().ajouterAnnulation(R::FAE_VISIBLE, 0, 0, 0, 0, 0, 0, 0, 0);
    d().ajouterAnnulation(R::FAE_AVP, 0, 0, 0, 1, 0, 0, 0, 0);
    d().annulerDerniereAction();
    d().annulerDerniereAction();
    d().annulerDerniereAction();
    EXPECT_FLOAT_EQ(position(0).x, -20);
    EXPECT_FLOAT_EQ(position(1).x, 100) << "children where they were";
    EXPECT_EQ(cle(0, 0, 0).visible, 0);
    EXPECT_EQ(cle(0, 0, 1).visible, 1) << "the child stays visible";
    EXPECT_EQ(cle(0, 0, 0).avantPlan, 1);
}

TEST_F(AnnulationTest, RecordsNamingWhatIsGoneRestoreNothingAndGo)
{
    s().ajouterAnimation("vide", false);
    s().setNbFrames(2, 5);
    s().ajouterAnimElem(2, 0, "", 0, 1);
    const float NaN = std::nanf("");
    const R table[] = {
        {R::FAE_MOVE, 7, 0, 0, 5, 5, 0, 0},   {R::FAE_MOVE, 0, 0, 9, 5, 5, 0, 0},
        {R::FAE_MOVE, -1, 0, -1, 5, 5, 0, 0}, {R::FAE_SCALE, 2, 0, 0, 5, 5, 0, 0},
        {R::FAE_MAILLE, 0, 0, 0, 5, 5, 4, 0}, {R::FAE_MAILLE, 0, 0, 0, 5, 5, -3, 0},
        {R::FAE_MAILLE, 0, 0, 0, 5, 5, NaN, 0}, {R::FAE_MAILLE, 0, 0, 0, 5, 5, 3e38f, 0},
        {"FAE_INCONNU", 0, 0, 0, 5, 5, 0, 0},
    };
    const Instantane avant(s(), 0), vide(s(), 2);
    for (const R& r : table) {
        d().ajouterAnnulation(r.type, r.animation, r.frame, r.animElem, r.valeur1, r.valeur2, r.valeur3, r.valeur4);
        d().annulerDerniereAction();
        EXPECT_TRUE(d().listeAnnulations.empty()) << r.type << " " << r.animation << "/" << r.animElem << " is removed";
        EXPECT_TRUE(memesCles(Instantane(s(), 0), avant)) << r.type << " " << r.animation << "/" << r.animElem;
        EXPECT_TRUE(memesCles(Instantane(s(), 2), vide)) << "animation 2 has no keyframe";
    }
    // Point 2.9 of the 2 x 2 mesh is point 2.
    d().ajouterAnnulation(R::FAE_MAILLE, 0, 0, 0, 6, -4, 2.9f, 0);
    d().annulerDerniereAction();
    const int sommet = s().getSommetPointMaillage(0, 0, 2);
    EXPECT_TRUE(proche(s().getKeyAnimElemPoint(0, 0, 0, sommet), {6, -4}));
}

TEST_F(AnnulationTest, MeshPointsFollowTheMouseInTheElementsAxes)
{
    struct Cas {
        const char* quoi;
        sf::Vector2f echelle;
        float rotation, zoom;
        sf::Vector2f souris, attendu;
    };
    const Cas table[] = {
        {"plain", {1, 1}, 0, 1, {10, 4}, {10, 4}},
        {"mirrored", {-1, 1}, 0, 1, {10, 4}, {-10, 4}},
        {"turned by 90", {1, 1}, 90, 1, {10, 0}, {0, -10}},
        {"zoom 2", {1, 1}, 0, 2, {10, 0}, {5, 0}},
        {"larger scale, not divided", {3, 3}, 0, 1, {6, 0}, {6, 0}},
    };
    for (const Cas& c : table) {
        s().setKeyAnimElemValeurs(0, 0, 0, 0, true, 0, 0, 0, 0, c.echelle.x, c.echelle.y, c.rotation, false);
        std::fill(cle(0, 0, 0).maillage.begin(), cle(0, 0, 0).maillage.end(), sf::Vector2f());
        d().zoom = c.zoom;
        d().listeAnnulations.clear();
        d().pImageAnimation->setDragDelta(c.souris);
        d().bDebutDrag = true;
        d().deplacerPointMaillage(3);
        d().bDebutDrag = false;
        d().deplacerPointMaillage(3);
        const sf::Vector2f p = s().getKeyAnimElemPoint(0, 0, 0, s().getSommetPointMaillage(0, 0, 3));
        EXPECT_TRUE(proche(p, c.attendu * 2.f)) << c.quoi << ": (" << p.x << ", " << p.y << ") after two steps";
        ASSERT_EQ(d().listeAnnulations.size(), 1u) << c.quoi << ": the first step records";
        EXPECT_EQ(d().listeAnnulations.back().type, R::FAE_MAILLE);
        EXPECT_FLOAT_EQ(d().listeAnnulations.back().valeur3, 3) << c.quoi;
        d().annulerDerniereAction();
        EXPECT_TRUE(proche(s().getKeyAnimElemPoint(0, 0, 0, s().getSommetPointMaillage(0, 0, 3)), {0, 0})) << c.quoi;
    }
}

TEST_F(AnnulationTest, AMeshDragRecordsEachPointOnceWithItsOffsetBefore)
{
    // AE 3 shows "maille" (3 x 3): its middle point 4 is at (20, 15) from its origin.
    s().ajouterAnimElem(0, 3, "", 0, 1);
    s().setKeyAnimElemValeurs(0, 0, 3, 3, true, -200, 0, 0, 0, 1, 1, 0, false);
    s().setPointMaillage(0, 0, 3, 4, 2, 1);
    d().majListeAnimElems();
    choisirAE(3);
    d().bModeMaillage = true;
    d().majPoigneesAE(0, 0, 3);
    glisserDepuis({-200 + 22, 16}, 12, -6, 6);
    ASSERT_EQ(d().listeAnnulations.size(), 1u);
    const R& r = d().listeAnnulations.back();
    EXPECT_EQ(r.type, R::FAE_MAILLE);
    EXPECT_FLOAT_EQ(r.valeur3, 4);
    EXPECT_TRUE(proche({r.valeur1, r.valeur2}, {2, 1})) << "the offset before the drag";
    const int sommet = s().getSommetPointMaillage(0, 3, 4);
    EXPECT_TRUE(proche(s().getKeyAnimElemPoint(0, 0, 3, sommet), {14, -5})) << "moved by the whole drag";
    d().annulerDerniereAction();
    EXPECT_TRUE(proche(s().getKeyAnimElemPoint(0, 0, 3, sommet), {2, 1}));
}
