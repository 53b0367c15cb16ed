// Tabs, the wheel, hover and the toolbar: what the mouse does beyond presses.
#include "DialogueEssai.h"

#include "gui/plux_theme.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class Survol : public DialogueEssai {
public:
    int entrees = 0, sorties = 0, dansControle = 0, horsControle = 0, molettes = 0, images = 0;
    bool onDialogIn(sf::RenderWindow*, int, int) override { return ++entrees; }
    bool onDialogOut() override { return ++sorties; }
    bool onMouseIn(sf::RenderWindow*, int, int, CPLUXControl*) override { return ++dansControle; }
    bool onMouseOut(sf::RenderWindow*, int, int, CPLUXControl*) override { return ++horsControle; }
    bool onMouseWheel(int delta, CPLUXControl* c) override
    {
        molettes += delta;
        return true;
    }
    void onFrame() override { ++images; }
};

class Navigation : public ::testing::Test {
protected:
    void SetUp() override { CPLUXTest::reset(); }
    void TearDown() override { CPLUXTest::reset(); }
};

TEST_F(Navigation, TabsShowTheirPagesAndReportUserChanges)
{
    Survol d;
    CPLUX::pModeleDef->appliquerTexte(&d, "DIALOGUE=Onglets\nRECT=10;10;300;200\n"
                                         "{\nCONTROLE=ONGLETS;tab\nELEMENTS=Z0:Un;Z1:Deux\nRECT=5;30;290;160\n}\n"
                                         "{\nCONTROLE=SAISIE;s0\nONGLET=tab;0\n}\n{\nCONTROLE=SAISIE;s1\nONGLET=tab;1\n}\n");
    CPLUX::addDialog(nullptr, &d, nullptr, 0);
    d.show();
    CPLUXControlTab* tab = d.ctrlTab("tab");
    CPLUXTest::click("Onglets", "s0");
    EXPECT_TRUE(CPLUX::isInput());
    d.vider();
    CPLUXTest::click("Onglets", "Z1");
    EXPECT_EQ(d.journal, (std::vector<std::string>{"tab:tab", "press:Z1"}));
    EXPECT_EQ(tab->getNumTabElemActif(), 1);
    // The input of the hidden page lost the keyboard and can no longer be hit.
    EXPECT_FALSE(CPLUX::isInput());
    EXPECT_EQ(d.controleSous(d.getControl("s0")->getLeftScreen() + 3, d.getControl("s0")->getTopScreen() + 3),
              d.getControl("s1"));
    d.vider();
    CPLUXTest::click("Onglets", "Z1");
    tab->setNumTabElemActif(0);
    EXPECT_EQ(d.journal, (std::vector<std::string>{"press:Z1"}));
    tab->setVisibleTabElem(false);
    EXPECT_FALSE(d.getControl("Z0")->estAffiche());
    EXPECT_GT(tab->rectPage().height, 155.f);
}

TEST_F(Navigation, WheelHoverAndFrames)
{
    Survol d;
    CPLUX::pModeleDef->appliquerTexte(&d, MODELE_ESSAI);
    CPLUX::addDialog(nullptr, &d, nullptr, 0);
    d.show();
    CPLUXControlList* liste = d.ctrlList("lstItems");
    for (int i = 0; i < 30; ++i)
        liste->AddElement("ligne " + std::to_string(i));
    const sf::Vector2i p = CPLUXTest::centre("Essai", "lstItems");
    CPLUXTest::mouseMove(p.x, p.y);
    CPLUXTest::mouseMove(p.x, p.y + 1);
    EXPECT_EQ(d.entrees, 2);
    EXPECT_EQ(d.dansControle, 2);
    EXPECT_GE(liste->getMouseOnLine(), 0);

    sf::Event e;
    e.type = sf::Event::MouseWheelScrolled;
    e.mouseWheelScroll.wheel = sf::Mouse::VerticalWheel;
    e.mouseWheelScroll.delta = -2.f;
    e.mouseWheelScroll.x = p.x;
    e.mouseWheelScroll.y = p.y;
    EXPECT_TRUE(CPLUX::pushEvent(e));
    CPLUX::update(nullptr);
    EXPECT_EQ(d.molettes, -2);
    EXPECT_EQ(liste->getScrollPosition(), 6);
    liste->setScrollPosition(1000);
    EXPECT_EQ(liste->getScrollPosition(), liste->getNbElements() - liste->lignesVisibles());

    EXPECT_EQ(CPLUX::pCtrlFocus, liste);
    // A dialog driving its focus with the pad keeps it where it is.
    d.setFocusMouseOn(false);
    CPLUXTest::mouseMove(CPLUXTest::centre("Essai", "btnOk").x, CPLUXTest::centre("Essai", "btnOk").y);
    EXPECT_EQ(CPLUX::pCtrlFocus, liste);
    d.onJoystickUp(0);
    EXPECT_EQ(CPLUX::pCtrlFocus, d.getControl("btnOk"));

    CPLUXTest::mouseMove(2, 2);
    EXPECT_EQ(d.sorties, 1);
    EXPECT_EQ(d.horsControle, 2);
    EXPECT_FALSE(CPLUX::isMouseOverDialog());
    const int avant = d.images;
    CPLUXTest::frame();
    d.hide();
    CPLUXTest::frame();
    EXPECT_EQ(d.images, avant + 1);
}

TEST_F(Navigation, ToolbarTogglesListedDialogs)
{
    CPLUX manager;
    DialogueEssai a, b;
    a.setId("A");
    a.setTitle("Alpha");
    b.setId("B");
    b.setVisibleInTB(false);
    CPLUX::addDialog(nullptr, &a, nullptr, 0);
    CPLUX::addDialog(nullptr, &b, nullptr, 0);
    ASSERT_NE(CPLUX::pTB, nullptr);
    EXPECT_FALSE(CPLUX::pTB->isVisible());
    a.show();
    // Shown the way the editor key does it: the toolbar never takes the dialog focus.
    CPLUX::pTB->show();
    EXPECT_EQ(CPLUX::dialogfocus, &a);
    CPLUXTest::frame();
    CPLUXControl* bouton = CPLUX::pTB->getControl("tb" + std::to_string(a.getHwnd()));
    ASSERT_NE(bouton, nullptr);
    EXPECT_EQ(bouton->getText(), "Alpha");
    EXPECT_EQ(CPLUX::pTB->getControl("tb" + std::to_string(b.getHwnd())), nullptr);
    const int x = bouton->getLeftScreen() + 5, y = bouton->getTopScreen() + 5;
    CPLUXTest::clickAt(x, y);
    EXPECT_FALSE(CPLUX::isDialogVisible("A"));
    CPLUXTest::clickAt(x, y);
    EXPECT_TRUE(CPLUX::isDialogVisible("A"));
    CPLUXTest::clickAt(x, y);
    EXPECT_TRUE(a.isMinimize());

    // With as many dialogs as the program declares, every button stays within the window and
    // shows its whole title.
    std::vector<std::unique_ptr<DialogueEssai>> autres;
    for (int i = 0; i < 26; ++i) {
        autres.push_back(std::make_unique<DialogueEssai>());
        autres.back()->setId("D" + std::to_string(i));
        autres.back()->setTitle("Options du comportement " + std::to_string(i));
        CPLUX::addDialog(nullptr, autres.back().get(), nullptr, 0);
    }
    CPLUXTest::frame();
    for (const auto& d : autres) {
        const CPLUXControl* b = CPLUX::pTB->getControl("tb" + std::to_string(d->getHwnd()));
        const sf::Text titre(plux::versSf(b->getTextW()), plux::police(), 12);
        EXPECT_TRUE(b->getWidth() >= titre.getLocalBounds().width && b->getLeftScreen() + b->getWidth() <= 800.f &&
                    b->getTopScreen() + b->getHeight() <= 600.f)
            << d->getTitle() << ": cut or off the window";
    }
    const CPLUXControl* dernier = CPLUX::pTB->getControl("tb" + std::to_string(autres.back()->getHwnd()));
    CPLUXTest::clickAt(dernier->getLeftScreen() + 2, dernier->getTopScreen() + 5);
    EXPECT_TRUE(CPLUX::isDialogVisible("D25"));
    autres.clear();
    CPLUXTest::frame();

    // The toolbar is drawn over everything: where it covers an open drop-down, a press
    // belongs to it and chooses no entry.
    a.show();
    a.setPosition(10, 370);
    auto* combo = new CPLUXControlComboBox;
    combo->setId("cmb");
    combo->setPosition(10, 108);
    combo->setVisibleDimension(200, 22);
    for (const char* e : {"a", "b", "c", "d"})
        combo->AddElement(e);
    a.addControl(combo);
    CPLUXTest::click("A", "cmb");
    ASSERT_FALSE(combo->isRoll());
    const sf::FloatRect liste = combo->rectListe();
    ASSERT_GT(liste.top + liste.height, CPLUX::pTB->getTop() + 2.f);
    a.vider();
    CPLUXTest::clickAt(static_cast<int>(liste.left) + 20, CPLUX::pTB->getTop() + 2);
    EXPECT_TRUE(combo->isRoll());
    EXPECT_EQ(combo->getNumSel(), -1);
    EXPECT_TRUE(a.journal.empty());
}

TEST_F(Navigation, AResizedWindowKeepsDialogsAndBoxesInside)
{
    DialogueEssai d;
    CPLUX::pModeleDef->appliquerTexte(&d, MODELE_ESSAI);
    CPLUX::addDialog(nullptr, &d, nullptr, 0);
    d.show();
    const int h = CPLUX::MessageBoxW("Info", "Texte");
    CPLUXTest::pressLeft("Essai", "lstItems");
    sf::Event e;
    e.type = sf::Event::Resized;
    e.size.width = 300;
    e.size.height = 200;
    CPLUX::pushEvent(e);
    CPLUX::update(nullptr);
    EXPECT_EQ(d.getLeft(), 0);
    EXPECT_EQ(d.getTop(), 0);
    const CPLUXMessageBox* b = CPLUX::getMessageBox(h);
    EXPECT_LE(b->getLeft() + b->getWidth(), 300);
    // The press in progress ended with the resize: no more drag steps.
    d.vider();
    CPLUXTest::mouseMove(50, 50);
    EXPECT_TRUE(d.journal.empty());
}

} // namespace
