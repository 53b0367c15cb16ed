// The editor's keyboard shortcuts: on each page and with each modifier, frame copy and paste,
// undo, the edit mode, the mesh-selection modes and the three saved mesh selections.
#include "OutilsManip.h"

#include <functional>

namespace {
using Touche = sf::Keyboard::Key;
using D = CJeuDialogAnimationsSprites;

class ClavierTest : public ManipTest {
protected:
    void SetUp() override
    {
        ManipTest::SetUp();
        animation(0);
        animElem(1);
    }
    sf::Vector2f position(int frame, int ae) { return s().getCle(0, frame, ae)->position; }
    // Points of the mesh selection shown red.
    std::vector<int> choisis()
    {
        std::vector<int> r;
        for (const auto& [p, c] : d().selectionMaillage)
            if (c.getFillColor().r == 255)
                r.push_back(p);
        return r;
    }
};
} // namespace

TEST_F(ClavierTest, EachShortcutOnEachPage)
{
    struct Cas {
        const char* quoi;
        int page;
        Touche touche;
        bool ctrl, shift;
        std::function<void()> verifier;
    };
    auto aeChoisi = [this](int ae) {
        return [this, ae] {
            EXPECT_EQ(d().numAnimElemSel, ae);
            EXPECT_EQ(e->liste(IdAnm::myListAnimationElements)->getNumSel(), ae);
        };
    };
    const Cas table[] = {
        {"Escape on the sheet", D::ONGLET_PLANCHE, Touche::Escape, false, false, aeChoisi(1)},
        {"Escape on the preview", D::ONGLET_APERCU, Touche::Escape, false, false, aeChoisi(1)},
        {"Escape on the view", D::ONGLET_ANIMATION, Touche::Escape, false, false,
         [&] {
             aeChoisi(-1)();
             EXPECT_EQ(d().numAnimElemSelPrec, -1);
         }},
        {"Left Shift on the sheet", D::ONGLET_PLANCHE, Touche::LShift, false, true,
         [&] { EXPECT_FALSE(d().pZonePlanche->isVisible()); }},
        {"Left Shift on the view", D::ONGLET_ANIMATION, Touche::LShift, false, true,
         [&] { EXPECT_TRUE(d().pZonePlanche->isVisible()); }},
        {"Right Shift on the sheet", D::ONGLET_PLANCHE, Touche::RShift, false, true,
         [&] {
             EXPECT_TRUE(d().bLockAnimElemSel);
             EXPECT_TRUE(e->coche(IdAnm::myButtonCheckLockAnimElemSel));
         }},
        {"Right Shift on the preview", D::ONGLET_APERCU, Touche::RShift, false, true,
         [&] { EXPECT_TRUE(d().bLockAnimElemSel); }},
        {"Control+D on the sheet", D::ONGLET_PLANCHE, Touche::D, true, false,
         [&] {
             EXPECT_TRUE(d().bModeMaillage);
             EXPECT_TRUE(e->coche(IdAnm::myButtonCheckModeMaillage));
             EXPECT_FALSE(e->coche(IdAnm::myButtonCheckModeSizeMoveRot));
         }},
        {"Control+D on the preview", D::ONGLET_APERCU, Touche::D, true, false,
         [&] { EXPECT_TRUE(d().bModeMaillage && e->coche(IdAnm::myButtonCheckModeMaillage)); }},
        {"Control+C on the sheet", D::ONGLET_PLANCHE, Touche::C, true, false, [&] { EXPECT_FALSE(d().bCopieFrame); }},
        {"Control+C on the view", D::ONGLET_ANIMATION, Touche::C, true, false,
         [&] {
             EXPECT_TRUE(d().bCopieFrame);
             EXPECT_EQ(d().numAnimationCopie, 0);
             EXPECT_EQ(d().numAnimElemCopie, 1);
         }},
        {"Control+Z on the sheet", D::ONGLET_PLANCHE, Touche::Z, true, false,
         [&] { EXPECT_EQ(d().listeAnnulations.size(), 1u) << "nothing taken back"; }},
        {"Control+Z on the preview", D::ONGLET_APERCU, Touche::Z, true, false,
         [&] { EXPECT_EQ(d().listeAnnulations.size(), 1u) << "nothing taken back"; }},
        {"Control+Z on the view", D::ONGLET_ANIMATION, Touche::Z, true, false,
         [&] { EXPECT_TRUE(d().listeAnnulations.empty()) << "the record was taken back"; }},
    };
    for (const Cas& c : table) {
        SCOPED_TRACE(c.quoi);
        // The same start each time: AE 1 chosen, zone shown, no lock, size mode, one record.
        page(D::ONGLET_ANIMATION);
        animElem(1);
        d().pZonePlanche->setVisible(true);
        d().bLockAnimElemSel = false;
        d().setModeMaillage(false);
        d().bCopieFrame = false;
        d().listeAnnulations.clear();
        AnmUndoRecord& r = d().listeAnnulations.emplace_back();
        r.type = AnmUndoRecord::FAE_MOVE;
        r.animation = 0;
        r.animElem = 1;
        page(c.page);
        touche(c.touche, c.ctrl, c.shift);
        c.verifier();
    }
}

TEST_F(ClavierTest, MeshSelectionModesShowTheirTextForFourSeconds)
{
    const std::pair<Touche, const wchar_t*> table[] = {
        {Touche::Numpad1, L"Sélection maillage : toute la ligne"},
        {Touche::Numpad2, L"Sélection maillage : toute la colonne"},
        {Touche::Numpad3, L"Sélection maillage : ligne et colonne"},
        {Touche::Numpad0, L"Sélection maillage : point simple"},
    };
    int mode = 1;
    for (const auto& [t, texte] : table) {
        d().dureeMessage = 0;
        page(mode % 3);  // any page
        touche(t, true);
        EXPECT_EQ(d().modeSelectionMaillage, mode % 4) << CPLUX::wstrToUtf8(texte);
        EXPECT_EQ(message(), texte);
        EXPECT_EQ(d().dureeMessage, 120);
        ++mode;
    }
}

TEST_F(ClavierTest, AFrameCopiedWholeOrOneAnimElemIsPastedOnAnotherFrame)
{
    s().setKeyAnimElemValeurs(0, 0, 0, 0, true, 10, 20, 0, 0, 1, 1, 0, false);
    s().setKeyAnimElemValeurs(0, 0, 1, 1, true, 30, 40, 0, 0, 1, 1, 0, false);
    // The whole frame: no AE chosen at the copy; pasted between keyframes, it makes one.
    frame(0);
    touche(Touche::Escape);
    touche(Touche::C, true);
    frame(8);
    touche(Touche::V, true);
    ASSERT_TRUE(s().isKeyframe(0, 8)) << "the pasted frame is a keyframe";
    EXPECT_EQ(position(8, 0), sf::Vector2f(10, 20));
    EXPECT_EQ(position(8, 1), sf::Vector2f(30, 40));
    EXPECT_EQ(texte(IdAnm::myTextInputAnimFrameNb), "10");
    EXPECT_EQ(d().pTimeline->getMarqueurs().size(), 3u) << "the timeline marks the new keyframe";

    // One AE: the one chosen at the copy, whichever is chosen at the paste, onto a keyframe only.
    frame(0);
    animElem(1);
    touche(Touche::C, true);
    frame(7);
    const size_t boites = CPLUX::getMessageBoxes().size();
    touche(Touche::V, true);
    EXPECT_FALSE(s().isKeyframe(0, 7)) << "one AE is not pasted between keyframes";
    EXPECT_EQ(CPLUX::getMessageBoxes().size(), boites + 1) << "the refusal is said in a box";
    frame(5);
    animElem(0);
    touche(Touche::V, true);
    EXPECT_EQ(position(5, 1), sf::Vector2f(30, 40)) << "AE 1, copied";
    EXPECT_EQ(position(5, 0), sf::Vector2f(0, 0)) << "AE 0, chosen at the paste, unchanged";
    frame(8);
    touche(Touche::V, true);
    EXPECT_EQ(position(8, 1), sf::Vector2f(30, 40)) << "a copy pastes as often as wanted";

    // The copied animation went: nothing is pasted.
    s().ajouterAnimation("autre", true);
    d().numAnimationCopie = 1;
    s().supprimerAnimation(1);
    frame(5);
    touche(Touche::V, true);
    EXPECT_EQ(s().getAnim(0)->keyframes.size(), 3u);
}

TEST_F(ClavierTest, ThreeSavedMeshSelectionsPerElement)
{
    s().setMaillage(1, 3, 3);
    animElem(0);
    animElem(1);  // the 9 points of the element's mesh
    ASSERT_EQ(d().selectionMaillage.size(), 9u);
    d().basculerPointMaillage(0, 1);
    d().basculerPointMaillage(0, 4);
    CSPRITE3_ELEMENT& el = *s().getElement(1);

    touche(Touche::Num1, false, true);
    EXPECT_EQ(el.selections[0], (std::vector<int>{1, 4}));
    EXPECT_EQ(el.derniereSelection, 1);
    EXPECT_EQ(message(), L"Sélection maillage n°1 sauvegardé : SHIFT+CTRL+1 pour appliquer cette sélection à nouveau");

    touche(Touche::Num2, true, true);
    EXPECT_EQ(message(), L"Sélection maillage n°2 vide : SHIFT+2 pour sauver une sélection pour un élément");
    EXPECT_EQ(el.derniereSelection, 2) << "the empty slot becomes the last one all the same";
    EXPECT_EQ(choisis(), (std::vector<int>{1, 4})) << "the selection stays";

    touche(Touche::Delete, true, true);
    EXPECT_EQ(message(), L"Sélection maillage n°2 supprimée !");
    EXPECT_EQ(el.derniereSelection, 0);
    EXPECT_TRUE(choisis().empty()) << "rebuilt with no point chosen";
    EXPECT_EQ(d().selectionMaillage.size(), 9u);
    touche(Touche::Delete, true, true);
    EXPECT_EQ(message(), L"Sélection maillage n°0 supprimée !");
    EXPECT_EQ(el.selections[0], (std::vector<int>{1, 4})) << "slot 1 is kept";

    // Saved in the file, read back, restored; a point the mesh no longer has is passed over.
    DossierTemp dossier;
    el.selections[2] = {8, 99, -3};
    ASSERT_TRUE(s().sauver(dossier / "s.anm"));
    CSPRITE3 relu;
    ASSERT_TRUE(relu.charger(nullptr, nullptr, dossier / "s.anm", false));
    // The editor's element takes the slots as read back, then restores them.
    for (int i = 0; i < 3; ++i)
        el.selections[i] = relu.getElement(1)->selections[i];
    EXPECT_EQ(el.selections[0], (std::vector<int>{1, 4})) << "read back";
    touche(Touche::Num1, true, true);
    EXPECT_EQ(message(), L"Sélection maillage n°1 restaurée");
    EXPECT_EQ(choisis(), (std::vector<int>{1, 4}));
    touche(Touche::Num3, true, true);
    EXPECT_EQ(choisis(), (std::vector<int>{8}));
    touche(Touche::Num0, true, true);
    EXPECT_EQ(message(), L"Pas de sélection");
    EXPECT_TRUE(choisis().empty());
    EXPECT_EQ(el.derniereSelection, 0);

    // Without control, Delete and 0 do nothing; without an AE no key does anything.
    d().dureeMessage = 0;
    touche(Touche::Delete, false, true);
    touche(Touche::Num0, false, true);
    page(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
    touche(Touche::Escape);
    for (Touche t : {Touche::Num1, Touche::Num2, Touche::Delete, Touche::Num0})
        for (bool ctrl : {false, true})
            touche(t, ctrl, true);
    EXPECT_EQ(d().dureeMessage, 0) << "no text shown";
    EXPECT_EQ(el.derniereSelection, 0);
}
