// Colour picker and slider: silent setters, the editor a press opens, the changes it
// reports, and its closing when the focus goes elsewhere or the picker disappears.
#include "gui/CPLUX.h"
#include "gui/CPLUXControlColor.h"
#include "gui/CPLUXControlSliderH.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/CPLUXTest.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
class DialogueCouleur : public CPLUXDialog {
public:
    void onCtrlColorChange(CPLUXControlColor* c) override
    {
        ++changements;
        derniere = c->getColor();
    }
    void onCtrlSliderChange(CPLUXControlSliderH* c) override { ++curseurs; }
    int changements = 0, curseurs = 0;
    sf::Color derniere;
};

struct CouleurFixture : ::testing::Test {
    void SetUp() override
    {
        CPLUXTest::reset();
        dlg = new DialogueCouleur;
        dlg->setId("dlgCouleur");
        dlg->setPosition(10, 10);
        dlg->Size(300, 200);
        couleur = new CPLUXControlColor;
        couleur->setId("maCouleur");
        couleur->setPosition(20, 40);
        couleur->setVisibleDimension(100, 20);
        dlg->addControl(couleur);
        curseur = new CPLUXControlSliderH;
        curseur->setId("monCurseur");
        curseur->setPosition(20, 100);
        curseur->setVisibleDimension(112, 20);
        dlg->addControl(curseur);
        CPLUX::addDialog(nullptr, dlg, nullptr, 0);
        dlg->show();
    }
    void TearDown() override
    {
        delete dlg;
        CPLUXTest::reset();
    }
    DialogueCouleur* dlg = nullptr;
    CPLUXControlColor* couleur = nullptr;
    CPLUXControlSliderH* curseur = nullptr;
};
} // namespace

TEST_F(CouleurFixture, TheEditorReportsEveryChangeAndTheProgramsSettersStaySilent)
{
    couleur->setColor(sf::Color(1, 2, 3, 4));
    couleur->initColor(sf::Color(10, 20, 30, 255));
    EXPECT_EQ(dlg->changements, 0);

    ASSERT_TRUE(CPLUXTest::click("dlgCouleur", "maCouleur"));
    CPLUXDialogCouleur* e = CPLUXDialogCouleur::getOuvert();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->getCible(), couleur);
    EXPECT_EQ(e->ctrlTextInput("saisieG")->getText(), "20");

    // The red slider pressed in its middle.
    ASSERT_TRUE(CPLUXTest::click("PLUX_Couleur", "curseurR"));
    EXPECT_EQ(dlg->changements, 1);
    EXPECT_NEAR(couleur->getColor().r, 128, 1);
    EXPECT_EQ(e->ctrlTextInput("saisieR")->getText(), CPLUX::itos(couleur->getColor().r));
    // A value typed into a field, kept within 0..255.
    e->ctrlTextInput("saisieA")->setText("300");
    EXPECT_EQ(dlg->changements, 2);
    EXPECT_EQ(dlg->derniere, sf::Color(couleur->getColor().r, 20, 30, 255));

    // A press elsewhere (beside the editor, which lies under the picker) closes it.
    CPLUXTest::clickAt(dlg->getLeft() + 295, dlg->getTop() + 35);
    CPLUXTest::frame();
    EXPECT_EQ(CPLUXDialogCouleur::getOuvert(), nullptr);
    EXPECT_EQ(CPLUX::getDialog("PLUX_Couleur"), nullptr);
    // So does a press outside every dialog, like for any popup.
    CPLUXTest::click("dlgCouleur", "maCouleur");
    ASSERT_NE(CPLUXDialogCouleur::getOuvert(), nullptr);
    CPLUXTest::clickAt(790, 590);
    EXPECT_EQ(CPLUXDialogCouleur::getOuvert(), nullptr);
}

TEST_F(CouleurFixture, TheEditorOutlivesNoPicker)
{
    CPLUXTest::click("dlgCouleur", "maCouleur");
    ASSERT_NE(CPLUXDialogCouleur::getOuvert(), nullptr);
    dlg->delControl("maCouleur");
    CPLUXTest::frame();
    EXPECT_EQ(CPLUXDialogCouleur::getOuvert(), nullptr);
    // Opened again and left open: freed with the library.
    auto* autre = new CPLUXControlColor;
    autre->setId("autre");
    autre->setPosition(150, 40);
    autre->setVisibleDimension(60, 20);
    dlg->addControl(autre);
    CPLUXTest::click("dlgCouleur", "autre");
    EXPECT_NE(CPLUXDialogCouleur::getOuvert(), nullptr);
}

TEST_F(CouleurFixture, SliderClampsItsValueAndReportsOnlyTheUser)
{
    curseur->setRange(10, -10);
    EXPECT_FLOAT_EQ(curseur->getMin(), -10.f);
    EXPECT_FLOAT_EQ(curseur->getMax(), 10.f);
    curseur->setValue(50.f);
    EXPECT_FLOAT_EQ(curseur->getValue(), 10.f);
    curseur->setValue(std::nanf(""));
    EXPECT_FLOAT_EQ(curseur->getValue(), -10.f);
    EXPECT_EQ(dlg->curseurs, 0);

    CPLUXTest::click("dlgCouleur", "monCurseur");
    EXPECT_EQ(dlg->curseurs, 1);
    EXPECT_NEAR(curseur->getValue(), 0.f, 0.5f);
    // Dragged to the far right end, and beyond.
    CPLUXTest::drag("dlgCouleur", "monCurseur", 200, 0, 4);
    EXPECT_FLOAT_EQ(curseur->getValue(), 10.f);
}
