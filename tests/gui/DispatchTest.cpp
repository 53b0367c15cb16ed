// Event round trips without a window: what the user does and what the dialog hears, in order.
#include "DialogueEssai.h"

#include <gtest/gtest.h>

namespace {

class Dispatch : public ::testing::Test {
protected:
    void SetUp() override
    {
        CPLUXTest::reset();
        d = creerEssai();
    }
    void TearDown() override
    {
        journalCallbacks = nullptr;
        delete d;
        CPLUXTest::reset();
    }
    DialogueEssai* d = nullptr;
    using J = std::vector<std::string>;
};

TEST_F(Dispatch, UserActionsReachTheDialogInOrder)
{
    ASSERT_TRUE(CPLUXTest::click("Essai", "btnOk"));
    EXPECT_EQ(d->journal, (J{"press:btnOk", "cb:btnOk:0"}));

    d->vider();
    ASSERT_TRUE(CPLUXTest::selectRow("Essai", "lstItems", 1));
    EXPECT_EQ(d->journal, (J{"list:lstItems", "press:lstItems", "cb:lstItems:0"}));
    EXPECT_EQ(d->ctrlList("lstItems")->getNumSel(), 1);
    EXPECT_EQ(d->ctrlList("lstItems")->getTextSel(), "deux");

    // Exclusive group: pressing the checked member changes nothing.
    d->setCheckGroup("chkA");
    d->vider();
    CPLUXTest::click("Essai", "chkA");
    EXPECT_EQ(d->journal, (J{"press:chkA", "cb:chkA:0"}));
    EXPECT_TRUE(d->ctrlButtonCheck("chkA")->isChecked());
    EXPECT_FALSE(d->ctrlButtonCheck("chkB")->isChecked());
    EXPECT_FALSE(d->ctrlButtonCheck("chkC")->isChecked());
    d->vider();
    CPLUXTest::click("Essai", "chkB");
    EXPECT_EQ(d->journal, (J{"check:chkB", "press:chkB", "cb:chkB:0"}));
    EXPECT_FALSE(d->ctrlButtonCheck("chkA")->isChecked());
    EXPECT_TRUE(d->ctrlButtonCheck("chkB")->isChecked());

    // A check outside any group toggles both ways.
    CPLUXTest::click("Essai", "chkSeul");
    CPLUXTest::click("Essai", "chkSeul");
    EXPECT_FALSE(d->ctrlButtonCheck("chkSeul")->isChecked());

    d->vider();
    ASSERT_TRUE(CPLUXTest::chooseEntry("Essai", "cmbType", 2));
    EXPECT_EQ(std::count(d->journal.begin(), d->journal.end(), "combo:cmbType"), 1);
    EXPECT_EQ(d->ctrlComboBox("cmbType")->getNumSel(), 2);
    EXPECT_TRUE(d->ctrlComboBox("cmbType")->isRoll());
    d->vider();
    CPLUXTest::chooseEntry("Essai", "cmbType", 2);
    EXPECT_EQ(std::count(d->journal.begin(), d->journal.end(), "combo:cmbType"), 0);

    d->vider();
    CPLUXTest::click("Essai", "btnOff");
    EXPECT_TRUE(d->journal.empty());
}

TEST_F(Dispatch, ProgrammaticChangesRaiseOnlyWhereTheProgramReliesOnIt)
{
    CPLUXControlTextInput* saisie = d->ctrlTextInput("txtNom");
    saisie->setText("abc");
    EXPECT_EQ(d->journal, (J{"input:txtNom"}));
    d->vider();
    saisie->setSendEventOnChange(false);
    saisie->setText(12);
    saisie->setSendEventOnChange(true);
    EXPECT_TRUE(d->journal.empty());
    EXPECT_EQ(saisie->getText(), "12");

    // A handler writing into its own input does not recurse.
    d->reecrire = "propre";
    CPLUX::setTextTI(d, "txtNom", "sale");
    d->reecrire.clear();
    EXPECT_EQ(d->journal, (J{"input:txtNom"}));
    EXPECT_EQ(saisie->getText(), "propre");

    d->vider();
    CPLUXControlList* liste = d->ctrlList("lstItems");
    liste->setNumSel(1);
    EXPECT_EQ(d->journal, (J{"list:lstItems"}));
    liste->setNumSel(1);
    liste->setStrSel("quatre");
    liste->setStrSel("absent");
    EXPECT_EQ(d->journal.size(), 3u);
    EXPECT_EQ(liste->getNumSel(), 3);

    d->vider();
    d->ctrlButtonCheck("chkSeul")->setCheck(true);
    d->setCheckGroup("chkC");
    d->ctrlComboBox("cmbType")->setNumSel(3);
    d->ctrlComboBox("cmbType")->setStrSel("un");
    d->getControl("btnOk")->setPosition(20, 40);
    d->getControl("btnOk")->setVisibleDimension(60, 20);
    d->Size(400, 320);
    EXPECT_TRUE(d->journal.empty());
    EXPECT_EQ(d->ctrlComboBox("cmbType")->getNumSel(), 1);

    // Rows and second columns pair up whichever is added first; reset forgets the rest.
    liste->reset();
    EXPECT_EQ(liste->getNumSel(), -1);
    liste->AddElement("a");
    liste->AddElementCol2("1");
    liste->AddElementCol2("2");
    liste->AddElementCol2("3");
    liste->AddElement("b");
    liste->AddElement("c");
    liste->AddElement("d");
    EXPECT_EQ(liste->getTextCol2(0), "1");
    EXPECT_EQ(liste->getTextCol2(1), "2");
    EXPECT_EQ(liste->getTextCol2(2), "3");
    EXPECT_EQ(liste->getTextCol2(3), "");
    EXPECT_EQ(liste->getText(7), "");
    EXPECT_EQ(liste->getLine("c"), 2);
    liste->delLine(99);
    liste->editElement("x", -1);
    EXPECT_EQ(liste->getNbElements(), 4);
    EXPECT_TRUE(d->journal.empty());
    // Rows refilled after a reset carry nothing of the rows they replace.
    for (int r = 0; r < 4; ++r)
        liste->setColor(sf::Color::Red, r);
    liste->reset();
    liste->AddElement("z");
    liste->AddElementCol2("2e");
    liste->AddElement(std::wstring(L"y"));
    EXPECT_EQ(liste->getText(0), "z");
    EXPECT_EQ(liste->getTextCol2(0), "2e");
    EXPECT_EQ(liste->getTextCol2(1), "") << "an old row's second column came back";
    EXPECT_EQ(liste->getColor(0), sf::Color::Transparent) << "a refilled row has no colour of its own";
    EXPECT_EQ(liste->getColor(1), sf::Color::Transparent);

    // A second control under a used id is refused and stays the caller's.
    auto* doublon = new CPLUXControlButton;
    doublon->setId("btnOk");
    EXPECT_FALSE(d->addControl(doublon));
    EXPECT_NE(d->getControl("btnOk"), doublon);
    delete doublon;
}

TEST_F(Dispatch, InPlaceEditorOfTheSecondColumn)
{
    CPLUXControlList* liste = d->ctrlList("lstItems");
    liste->editElement2("10", 0);
    CPLUXTest::selectRow("Essai", "lstItems", 0);
    const int x = liste->getLeftScreen() + static_cast<int>(liste->getWidth()) - 20;
    const int y = liste->getTopScreen() + 8;
    CPLUXTest::clickAt(x, y);
    ASSERT_TRUE(liste->editeurOuvert());
    EXPECT_TRUE(CPLUX::isInput());
    d->vider();
    CPLUXTest::type("42");
    CPLUXTest::key(sf::Keyboard::Return);
    EXPECT_NE(std::find(d->journal.begin(), d->journal.end(), "enter:saisieCol2:42"), d->journal.end());
    EXPECT_FALSE(liste->editeurOuvert());
    // The dialog writes the cell itself; Escape closes without writing.
    EXPECT_EQ(liste->getTextCol2(0), "10");
    CPLUXTest::clickAt(x, y);
    ASSERT_TRUE(liste->editeurOuvert());
    CPLUXTest::key(sf::Keyboard::Escape);
    EXPECT_FALSE(liste->editeurOuvert());
    EXPECT_FALSE(CPLUX::isInput());
    // The program may hide the editor itself: it then takes no more keys.
    CPLUXTest::clickAt(x, y);
    liste->getInputCol2()->setVisible(false);
    EXPECT_FALSE(CPLUX::isInput());
    CPLUXTest::type("9");
    CPLUXTest::key(sf::Keyboard::Return);
    EXPECT_EQ(liste->getInputCol2()->getText(), "10");
    // Nor while the program hides the list itself.
    CPLUXTest::clickAt(x, y);
    ASSERT_TRUE(liste->editeurOuvert());
    liste->setVisible(false);
    EXPECT_FALSE(CPLUX::isInput());
    liste->setVisible(true);
    // A right press never changes the selection.
    d->vider();
    CPLUXTest::pressRight("Essai", "lstItems", 0, 30);
    CPLUXTest::releaseRight();
    EXPECT_EQ(liste->getNumSel(), 0);
}

TEST_F(Dispatch, SecondColumnTakesItsWidthWhileTheFirstKeepsFortyPixels)
{
    // The in-place editor covers exactly the second column.
    struct Cas {
        float largeurListe;
        int demandee, attendue;
    };
    const Cas cas[] = {{200, 70, 70}, {200, 390, 149}, {450, 390, 390}, {30, 390, 0}};
    CPLUXControlList* liste = d->ctrlList("lstItems");
    d->Size(480, 300);
    for (const Cas& c : cas) {
        liste->setVisibleDimension(c.largeurListe, 110);
        liste->setLargeurCol2(c.demandee);
        CPLUXTest::selectRow("Essai", "lstItems", 0);
        const int x = liste->getLeftScreen() + static_cast<int>(c.largeurListe) - 2;
        CPLUXTest::clickAt(x, liste->getTopScreen() + 8);
        if (c.attendue == 0) {
            EXPECT_FALSE(liste->editeurOuvert()) << "a list of " << c.largeurListe << " has no second column";
            continue;
        }
        ASSERT_TRUE(liste->editeurOuvert()) << c.largeurListe;
        EXPECT_EQ(liste->getInputCol2()->getWidth(), c.attendue)
            << "list " << c.largeurListe << " wide, column asked " << c.demandee;
        CPLUXTest::key(sf::Keyboard::Escape);
    }
}

TEST_F(Dispatch, DragsMoveDialogsAndControls)
{
    // Title bar drag moves the dialog; onMove gets old minus new position.
    const int x0 = d->getLeft(), y0 = d->getTop();
    CPLUXTest::pressLeftAt(x0 + 40, y0 + 10);
    CPLUXTest::mouseMove(x0 + 70, y0 + 30);
    CPLUXTest::releaseLeft();
    EXPECT_EQ(d->getLeft(), x0 + 30);
    EXPECT_EQ(d->getTop(), y0 + 20);
    EXPECT_EQ(d->journal, (J{"onmove:-30:-20"}));

    // A movable control follows the drag steps through the base onClicLeft.
    CPLUXControl* b = d->getControl("btnOk");
    b->setMovable(true);
    const float bx = b->getLeft();
    d->vider();
    CPLUXTest::drag("Essai", "btnOk", 12, 0, 3);
    EXPECT_FLOAT_EQ(b->getLeft(), bx + 12);
    EXPECT_EQ(std::count(d->journal.begin(), d->journal.end(), "move:btnOk"), 3);

    // Closing through the title-bar cross (close mode 2 keeps the object).
    CPLUXControl* croix = d->getControl("btnClose");
    CPLUXTest::clickAt(croix->getLeftScreen() + 5, croix->getTopScreen() + 5);
    EXPECT_FALSE(CPLUX::isDialogVisible("Essai"));
    EXPECT_EQ(CPLUX::getDialog("Essai"), d);
}

TEST_F(Dispatch, PushEventTellsWhatTheGuiTakes)
{
    sf::Event e;
    e.type = sf::Event::MouseButtonPressed;
    e.mouseButton.button = sf::Mouse::Left;
    e.mouseButton.x = d->getLeft() + 5;
    e.mouseButton.y = d->getTop() + 60;
    EXPECT_TRUE(CPLUX::pushEvent(e));
    e.type = sf::Event::MouseButtonReleased;
    EXPECT_TRUE(CPLUX::pushEvent(e));
    EXPECT_TRUE(CPLUX::update(nullptr));
    e.type = sf::Event::MouseButtonPressed;
    e.mouseButton.x = 5;
    e.mouseButton.y = 5;
    EXPECT_FALSE(CPLUX::pushEvent(e));
    e.type = sf::Event::MouseButtonReleased;
    EXPECT_FALSE(CPLUX::pushEvent(e));
    EXPECT_FALSE(CPLUX::update(nullptr));
    EXPECT_FALSE(CPLUX::isMouseOverDialog());

    // A key typed with no input focused is left to the game and reaches onKeyPress.
    sf::Event k;
    k.type = sf::Event::KeyPressed;
    k.key.code = sf::Keyboard::C;
    k.key.control = k.key.shift = k.key.alt = k.key.system = false;
    EXPECT_FALSE(CPLUX::pushEvent(k));
    d->vider();
    CPLUX::update(nullptr);
    EXPECT_EQ(d->journal, (J{"key"}));
}

} // namespace
