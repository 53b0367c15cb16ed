// Mesh points in the views: selection by point, row, column or both, restored selections,
// the mesh size, picking and panning by a press of the animation view in mesh mode, and the
// drag of a texture coordinate on the sheet.
#include "OutilsEditeur.h"

#include <set>

namespace {
class MaillageTest : public EditeurSeulTest {
protected:
    // Elements "a" (0, 0, 40, 30) with a 3 x 3 mesh and "b" (0, 30, 40, 30); animation 0 of 10
    // frames, a keyframe at 0, AE 0 showing "a" at (0, 0) and AE 1 showing "b" at (10, 5),
    // over it; AE 0 selected, in mesh mode.
    void SetUp() override
    {
        EditeurSeulTest::SetUp();
        s().ajouterElement("a", 0, 0, 40, 30, 0, 0, 3, 3, -1, -1, false);
        s().ajouterElement("b", 0, 30, 40, 30, 0, 0, 2, 2, -1, -1, false);
        s().ajouterAnimation("marche", true);
        s().setNbFrames(0, 10);
        s().ajouterAnimElem(0, 0, "", 0, 1);
        s().ajouterAnimElem(0, 1, "", 0, 1);
        s().setKeyAnimElemValeurs(0, 0, 1, 1, true, 10, 5, 0, 0, 1, 1, 0, false);
        s().setAnimation(0, 0, true);
        d().majListeAnimations();
        d().numAnimationSel = 0;
        d().majListeAnimElems();
        d().bModeMaillage = true;
        choisir(0);
    }
    void choisir(int ae)
    {
        d().numAnimElemSel = ae;
        d().initSelectionMaillage();
        d().majPoigneesAE(0, 0, ae);
    }
    std::set<int> choisis() const
    {
        std::set<int> r;
        for (const auto& [p, c] : e->d->selectionMaillage)
            if (c.getFillColor() == sf::Color(255, 0, 0, 255))
                r.insert(p);
        return r;
    }
    // A first press step at (x, y) from the sprite's origin in the view.
    void presser(float x, float y)
    {
        d().bDebutDrag = true;
        const sf::Vector2f o = d().pImageAnimation->getPosition();
        d().selectionnerDansVue(nullptr, d().getLeft() + static_cast<int>(o.x + d().centreVueX + x),
                                d().getTop() + static_cast<int>(o.y + d().centreVueY + y), d().pImageAnimation);
    }
    std::string ligneChoisie() { return e->liste(IdAnm::myListAnimationElements)->getTextSel(); }
};
} // namespace

TEST_F(MaillageTest, TogglingAPointGivesItsRowOrColumnTheSameColour)
{
    struct Cas {
        const char* quoi;
        int colonnes, lignes, mode;
        std::vector<int> avant, bascules;
        std::set<int> apres;
    };
    const Cas table[] = {
        {"point alone", 3, 3, 0, {}, {4}, {4}},
        {"row of 6 in 4 columns", 4, 3, 1, {}, {6}, {4, 5, 6, 7}},
        {"column of 4 in 3 x 3", 3, 3, 2, {}, {4}, {1, 4, 7}},
        {"row and column of 4", 3, 3, 3, {}, {4}, {1, 3, 4, 5, 7}},
        {"row and column twice", 3, 3, 3, {}, {4, 4}, {}},
        {"the row takes 4's new colour, 5 included", 3, 3, 1, {5}, {4}, {3, 4, 5}},
        {"a point outside the mesh", 3, 3, 3, {}, {9}, {}},
    };
    for (const Cas& c : table) {
        s().setMaillage(0, c.colonnes, c.lignes);
        choisir(0);
        for (int p : c.avant)
            d().basculerPointMaillage(0, p);
        for (int p : c.bascules)
            d().basculerPointMaillage(c.mode, p);
        EXPECT_EQ(choisis(), c.apres) << c.quoi;
        EXPECT_EQ(d().selectionMaillage.size(), static_cast<size_t>(c.colonnes * c.lignes)) << c.quoi;
    }
}

TEST_F(MaillageTest, CirclesComeFromTheSavedSelectionAndTheMeshSize)
{
    CSPRITE3_ELEMENT& a = *s().getElement(0);
    a.selections[1] = {1, 4, 12};
    a.derniereSelection = 2;
    choisir(0);
    EXPECT_EQ(d().selectionMaillage.size(), 9u) << "a circle for every point of the 3 x 3 mesh";
    EXPECT_EQ(choisis(), (std::set<int>{1, 4})) << "the saved points, 12 being no point";
    for (const auto& [p, c] : d().selectionMaillage)
        EXPECT_EQ(c.getRadius(), 3.f) << "point " << p;

    // The inputs count cells: 3 x 2 cells are 4 x 3 points.
    d().elementSel = 0;
    e->ctrl(IdAnm::myTextInputMaillageNbCols)->setText("3");
    e->ctrl(IdAnm::myTextInputMaillageNbLignes)->setText("2");
    a.derniereSelection = 0;
    d().appliquerTailleMaillage();
    EXPECT_EQ(s().getMaillageElement(0), sf::Vector2i(4, 3));
    EXPECT_EQ(d().selectionMaillage.size(), 12u) << "the AE's circles follow the mesh";
    EXPECT_EQ(d().mapCerclesMaillage.size(), 12u) << "and the sheet's";

    s().setMaillage(0, 32, 32);
    choisir(0);
    EXPECT_TRUE(d().selectionMaillage.empty()) << "1024 points get no circle";
    CPLUXTest::setModifiers(true, false, false);
    presser(5, 2);
    EXPECT_TRUE(d().selectionMaillage.empty()) << "and a Control press selects nothing";
    EXPECT_EQ(d().numAnimElemSel, 0) << "the press hit the selected AE";
}

TEST_F(MaillageTest, APressGrabsTheCircleUnderTheMouseAndControlTogglesIt)
{
    // Point 4 of AE 0 is the middle of its 40 x 30 element, (20, 15) from its origin.
    presser(20, 15);
    EXPECT_EQ(d().numCercleMaillageAESel, 4) << "circle within reach";
    EXPECT_EQ(d().numAnimElemSel, 0) << "a press on a circle keeps the AE, though AE 1 lies over it";
    EXPECT_TRUE(choisis().empty()) << "without Control nothing toggles";
    CPLUXTest::setModifiers(true, false, false);
    presser(22, 17);
    EXPECT_EQ(choisis(), (std::set<int>{4})) << "Control toggles the grabbed point";
    presser(30, 22);
    EXPECT_EQ(d().numCercleMaillageAESel, -1) << "no circle there";
    EXPECT_EQ(d().numAnimElemSel, 1) << "the AE on top is picked instead";
    EXPECT_FALSE(d().bDebutDrag) << "every step ends the first one";
}

TEST_F(MaillageTest, PickingTakesTheTopmostPickableAnimElementOnItsListLine)
{
    struct Cas {
        const char* quoi;
        std::function<void()> preparer;
        sf::Vector2f souris;
        int attendu;
        const char* ligne;
    };
    const Cas table[] = {
        {"the later of two", [] {}, {15, 10}, 1, "2"},
        {"only the first there", [] {}, {5, 2}, 0, "1"},
        {"mirrored: it lies to the left of its place", [&] { s().setKeyAnimElemEchelle(0, 0, 1, -1, 1, false, false); },
         {-15, 10}, 1, "2"},
        {"mirrored: not where it was", [&] { s().setKeyAnimElemEchelle(0, 0, 1, -1, 1, false, false); },
         {35, 10}, 0, "1"},
        {"locked: passed over", [&] { s().setAnimElemVerrou(0, 1, true); }, {15, 10}, 0, "1"},
        {"another weapon's: passed over", [&] { s().getElement(1)->arme = 1; }, {15, 10}, 0, "1"},
        {"tree style: the line that reads its number",
         [&] {
             s().getAnimElem(0, 1)->enfants = {0};
             d().styleAE = 1;
             d().majListeAnimElems();
         },
         {5, 2}, 0, "1"},
    };
    for (const Cas& c : table) {
        SetUp();
        c.preparer();
        d().numAnimElemSel = -1;
        presser(c.souris.x, c.souris.y);
        EXPECT_EQ(d().numAnimElemSel, c.attendu) << c.quoi;
        EXPECT_EQ(ligneChoisie(), c.ligne) << c.quoi;
        e.reset();
    }
}

TEST_F(MaillageTest, APressOnNothingDeselectsAndPansUnlessTheSelectionIsLocked)
{
    const int x = d().centreVueX, y = d().centreVueY;
    d().pImageAnimation->setDragDelta({7, -3});
    presser(150, 150);
    EXPECT_EQ(d().numAnimElemSel, -1) << "deselected";
    EXPECT_EQ(e->liste(IdAnm::myListAnimationElements)->getNumSel(), -1);
    EXPECT_EQ(d().centreVueX, x + 7) << "panned by the drag";
    EXPECT_EQ(d().centreVueY, y - 3);
    d().selectionnerDansVue(nullptr, 0, 0, d().pImageAnimation);
    EXPECT_EQ(d().centreVueX, x + 14) << "and again at every later step";

    e->liste(IdAnm::myListAnimationElements)->setNumSel(0);
    d().bLockAnimElemSel = true;
    for (sf::Vector2f p : {sf::Vector2f(150, 150), sf::Vector2f(15, 10)}) {
        presser(p.x, p.y);
        EXPECT_EQ(d().numAnimElemSel, 0) << "locked, a press at " << p.x << "," << p.y << " keeps AE 0";
    }
    EXPECT_EQ(d().centreVueX, x + 14) << "nor does it pan";
}

TEST_F(MaillageTest, DraggingASheetCircleMovesItsTextureCoordinatesByTheMouseOverTheZoom)
{
    s().setMaillage(0, 2, 2);
    d().elementSel = 0;
    d().pImagePlanche->setScale(2);
    d().creerPoigneesMaillagePlanche();
    d().placerPoigneesMaillagePlanche(0);
    // Point 3, the bottom-right corner, is at sheet pixel (40, 30): (80, 60) into the view.
    const CPLUXControlImage& i = *d().pImagePlanche;
    d().pImagePlanche->setDragDelta({6, -4});
    d().bChercherCercleMaillage = true;
    d().finDragCercleMaillagePlanche(nullptr, d().getLeft() + static_cast<int>(i.getLeft()) + 81,
                                     d().getTop() + static_cast<int>(i.getTop()) + 59, d().pImagePlanche);
    EXPECT_EQ(d().numCercleMaillageElementSel, 3);
    const CSPRITE3_ELEMENT& a = *s().getElement(0);
    EXPECT_EQ(a.vertices[static_cast<size_t>(s().getSommetPointElement(0, 3))].texCoords, sf::Vector2f(43, 28))
        << "(40, 30) + (6, -4) / 2";
    EXPECT_EQ(d().mapCerclesMaillage[3].getPosition(), sf::Vector2f(86, 56)) << "the circle follows";
    EXPECT_FALSE(d().bChercherCercleMaillage);
    const std::pair<int, const char*> lignes[] = {{7, "zoom = 2"},
                                                   {8, "numCercleMaillageElementSel = 3"},
                                                   {9, "elementSel = 0"},
                                                   {10, "Souris dx,dy = 6 , -4"}};
    for (const auto& [n, texte] : lignes)
        EXPECT_EQ(CPLUX::wstrToUtf8(CPLUX::getConsoleText(n)), texte) << "console line " << n;
    // The next step keeps the grabbed point wherever the mouse is.
    d().finDragCercleMaillagePlanche(nullptr, 0, 0, d().pImagePlanche);
    EXPECT_EQ(a.vertices[static_cast<size_t>(s().getSommetPointElement(0, 3))].texCoords, sf::Vector2f(46, 26));
}
