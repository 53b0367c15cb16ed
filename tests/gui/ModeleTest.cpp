// Model files: every key, reported problems, auto layout and anchors.
#include "DialogueEssai.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class Modele : public ::testing::Test {
protected:
    void SetUp() override { CPLUXTest::reset(); }
    void TearDown() override { CPLUXTest::reset(); }
};

TEST_F(Modele, EveryKeyIsRead)
{
    const char* texte = R"(# Every key once
DIALOGUE=Complet
TITRE=Complet é
RECT=30;20;400;300
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE
MODE_FERMETURE=1
COLONNES=2;180
COULEUR_FOND=200;210;220;255
{
CONTROLE=ONGLETS;myTab
ELEMENTS=ZmyTab:Général;ZmyTab1:Avancé
RECT=10;30;380;200
ANCRES=1;1;1;1
}
{
CONTROLE=SAISIE;txtA
LIBELLE=Vitesse
ONGLET=myTab;1
RECT=90;70;100;20
VAR=vitesse;FLOAT
TEXTE=1.5
INFO=En pixels par image
TAILLE_TEXTE=12
LECTURE_SEULE=1
}
{
CONTROLE=CASE;chkA
GROUPE=g1
IMAGE=absent_on.png;absent_off.png
ACTIF=0
VISIBLE=0
}
{
CONTROLE=COMBO;cmbA
ELEMENTS=a;b;c
COL2=1;40
HAUTEUR=24
}
{
CONTROLE=BOUTON;btnA
COULEUR=10;20;30;255
DONNEE=cle
DEPLACABLE=1
REDIMENSIONNABLE=1
}
{
CONTROLE=PANNEAU;pnlA
COULEUR=1;2;3
}
{
CONTROLE=LISTE;lstA
}
{
CONTROLE=TEXTE;lblA
TEXTE=Bonjour
}
)";
    DialogueEssai d;
    ASSERT_TRUE(CPLUX::pModeleDef->appliquerTexte(&d, texte));
    EXPECT_TRUE(CPLUX::pModeleDef->getErreurs().empty());
    EXPECT_EQ(d.getId(), "Complet");
    EXPECT_EQ(d.getTitle(), "Complet é");
    EXPECT_EQ(d.getLeft(), 30);
    EXPECT_EQ(d.getWidth(), 400);
    EXPECT_EQ(d.getHeight(), 300);
    EXPECT_TRUE(d.isRedimensionnable());
    EXPECT_EQ(d.getCloseMode(), 1);
    EXPECT_FALSE(d.getControl("btnMinimize")->isVisible());

    CPLUXControlTab* tab = d.ctrlTab("myTab");
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->getNbPages(), 2);
    EXPECT_EQ(tab->getTabElem(1), d.getControl("ZmyTab1"));
    EXPECT_EQ(tab->getTabElem(1)->getText(), "Avancé");
    CPLUXControlTextInput* s = d.ctrlTextInput("txtA");
    EXPECT_EQ(s->getTab(), tab);
    EXPECT_EQ(s->getTabPage(), 1);
    EXPECT_FALSE(s->estAffiche());
    tab->setNumTabElemActif(1);
    EXPECT_TRUE(s->estAffiche());
    EXPECT_EQ(s->getText(), "1.5");
    EXPECT_EQ(s->varNom, "vitesse");
    EXPECT_EQ(s->getInfo(), L"En pixels par image");
    EXPECT_EQ(s->getTextSize(), 12u);
    EXPECT_TRUE(s->isReadOnly());
    EXPECT_FLOAT_EQ(s->getLeft(), 90);

    CPLUXControlButtonCheck* chk = d.ctrlButtonCheck("chkA");
    EXPECT_EQ(chk->getGroup(), "g1");
    EXPECT_FALSE(chk->isActive());
    EXPECT_FALSE(chk->isVisible());
    CPLUXControlComboBox* combo = d.ctrlComboBox("cmbA");
    EXPECT_EQ(combo->getNbElements(), 3);
    EXPECT_TRUE(combo->isVisibleCol2());
    EXPECT_EQ(combo->getLargeurCol2(), 40);
    EXPECT_FLOAT_EQ(combo->getHeight(), 24);
    EXPECT_EQ(d.getControl("btnA")->getData(), "cle");
    EXPECT_TRUE(d.getControl("btnA")->isMovable());
    EXPECT_TRUE(d.getControl("btnA")->isResizable());
    EXPECT_FLOAT_EQ(d.getControl("lstA")->getHeight(), 100);
    EXPECT_EQ(d.ctrlText("lblA")->getText(), "Bonjour");
    // Typed accessors refuse another kind.
    EXPECT_EQ(d.ctrlList("cmbA"), nullptr);
    EXPECT_EQ(d.ctrlTextInput("btnA"), nullptr);
}

TEST_F(Modele, ProblemsAreReportedAndSkipped)
{
    DialogueEssai d;
    CPLUX::pModeleDef->appliquerTexte(&d, "TITRE=X\nFORME=ronde\n{\nCONTROLE=BOUTON;b1\nCLIGNOTE=1\n}\n"
                                          "{\nCONTROLE=SAISIE;b1\n}\n{\nCONTROLE=FUSEE;f1\n}\n{\nTEXTE=sans genre\n}\n"
                                          "RECT=1;2\n{\nCONTROLE=ONGLETS;t\nONGLET=t;0\n}\n{\nCONTROLE=BOUTON;b2\n");
    const auto& e = CPLUX::pModeleDef->getErreurs();
    ASSERT_EQ(e.size(), 8u);
    EXPECT_NE(e[6].find("propre page"), std::string::npos);
    // Shown as a tab control of the dialog itself (asking used to recurse for ever).
    EXPECT_TRUE(d.getControl("t")->estAffiche());
    EXPECT_NE(e[0].find("FORME"), std::string::npos);
    EXPECT_NE(e[1].find("CLIGNOTE"), std::string::npos);
    EXPECT_NE(e[2].find("double"), std::string::npos);
    EXPECT_NE(e[3].find("FUSEE"), std::string::npos);
    // The first b1 stays a button; the duplicate was dropped.
    EXPECT_NE(d.ctrlButton("b1"), nullptr);
    EXPECT_EQ(d.getControl("f1"), nullptr);
    EXPECT_EQ(d.getControl("b2"), nullptr);

    // Absurd geometry from a file or the program is bounded: hit tests and screen positions
    // stay defined.
    DialogueEssai g;
    CPLUX::pModeleDef->appliquerTexte(&g, "DIALOGUE=Geante\nRECT=2147483647;-2147483647;2147483647;2147483647\n"
                                          "{\nCONTROLE=BOUTON;b\nRECT=2147483647;2147483647;2147483647;9\n}\n");
    g.addControlButton("btnNaN", "", 0, 0, 10, 10)->setPosition(NAN, NAN);
    CPLUX::addDialog(nullptr, &g, nullptr, 0);
    g.show();
    CPLUXTest::clickAt(10, 10);
    CPLUXTest::click("Geante", "b");
    EXPECT_GT(g.getControl("b")->getLeftScreen(), 0);
    EXPECT_LE(g.getControl("b")->getLeftScreen(), 100000000);
    EXPECT_EQ(g.getControl("btnNaN")->getLeftScreen(), g.getLeft());
    EXPECT_FALSE(CPLUXDialog::isInRect(0, 0, 2147483647, 0, 2147483647, 10));

    // So is the text size: a glyph larger than the font texture used to crash inside SFML.
    CPLUX::pModeleDef->appliquerTexte(&g, "{\nCONTROLE=BOUTON;btnGrand\nTEXTE=Grand\nTAILLE_TEXTE=1000000\n}\n");
    g.draw(nullptr, 0, 0, 0, 0);
    plux::peintre().abandonner();
}

TEST_F(Modele, AutoLayoutFillsColumnsWithoutOverlap)
{
    std::string texte = "DIALOGUE=Auto\nRECT=0;0;420;260\nCOLONNES=2\n";
    for (int i = 0; i < 12; ++i) {
        texte += "{\nCONTROLE=" + std::string(i % 3 == 0 ? "CASE" : "SAISIE") + ";c" + std::to_string(i) + "\n";
        if (i % 3)
            texte += "LIBELLE=Valeur " + std::to_string(i) + "\n";
        texte += "}\n";
    }
    texte += "{\nCONTROLE=LISTE;liste\n}\n";
    DialogueEssai d;
    CPLUX::pModeleDef->appliquerTexte(&d, texte);
    EXPECT_TRUE(CPLUX::pModeleDef->getErreurs().empty());
    std::vector<sf::FloatRect> rects;
    bool deuxiemeColonne = false;
    for (CPLUXControl* c : d.getControls()) {
        if (c->getId() == "btnClose" || c->getId() == "btnMinimize")
            continue;
        const sf::FloatRect r = c->getRect();
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, plux::HAUTEUR_TITRE);
        EXPECT_LE(r.left + r.width, d.getWidth()) << c->getId();
        EXPECT_LE(r.top + r.height, d.getOuterHeight()) << c->getId();
        deuxiemeColonne = deuxiemeColonne || r.left > d.getWidth() / 2;
        for (const sf::FloatRect& autre : rects)
            EXPECT_FALSE(r.intersects(autre)) << c->getId();
        rects.push_back(r);
    }
    EXPECT_TRUE(deuxiemeColonne);
    EXPECT_EQ(rects.size(), 13u + 8u);
}

TEST_F(Modele, ACaptionIsShownAndHiddenWithItsControl)
{
    DialogueEssai d;
    CPLUX::pModeleDef->appliquerTexte(&d, "{\nCONTROLE=SAISIE;txtA\nLIBELLE=Valeur\nVISIBLE=0\n}\n"
                                          "{\nCONTROLE=SAISIE;txtB\nLIBELLE=Autre\n}\n");
    CPLUXControl* a = d.getControl("txtA");
    CPLUXControl* libelle = a->getLibelle();
    ASSERT_NE(libelle, nullptr);
    EXPECT_NE(libelle, d.getControl("txtB")->getLibelle());
    EXPECT_FALSE(libelle->isVisible()) << "VISIBLE=0 left the caption shown";
    a->setVisible(true);
    EXPECT_TRUE(libelle->isVisible());
    a->setVisible(false);
    EXPECT_FALSE(libelle->isVisible());
    // The control goes; its caption stays, on its own (AddressSanitizer watches).
    d.delControl("txtA");
    CPLUXTest::frame();
    libelle->setVisible(true);
    EXPECT_TRUE(libelle->isVisible());
}

TEST_F(Modele, AnchorsFollowAUserResize)
{
    auto* d = new DialogueEssai;
    CPLUX::pModeleDef->appliquerTexte(d, "DIALOGUE=Ancres\nRECT=20;20;300;200\nOPTIONS=DEPLACABLE;REDIMENSIONNABLE\n"
                                         "{\nCONTROLE=LISTE;lst\nRECT=10;30;200;150\nANCRES=1;1;1;1\n}\n"
                                         "{\nCONTROLE=BOUTON;btn\nRECT=220;190;70;24\nANCRES=0;0;1;1\n}\n"
                                         "{\nCONTROLE=SAISIE;txt\nRECT=220;30;70;20\n}\n");
    CPLUX::addDialog(nullptr, d, nullptr, 0);
    d->show();
    // Drag the resize grip by (+50, +30).
    const int gx = d->getLeft() + d->getWidth() - 4, gy = d->getTop() + d->getOuterHeight() - 4;
    CPLUXTest::pressLeftAt(gx, gy);
    CPLUXTest::mouseMove(gx + 50, gy + 30);
    CPLUXTest::releaseLeft();
    EXPECT_EQ(d->getWidth(), 350);
    EXPECT_EQ(d->getHeight(), 230);
    EXPECT_FLOAT_EQ(d->getControl("lst")->getWidth(), 250);
    EXPECT_FLOAT_EQ(d->getControl("lst")->getHeight(), 180);
    EXPECT_FLOAT_EQ(d->getControl("btn")->getLeft(), 270);
    EXPECT_FLOAT_EQ(d->getControl("btn")->getTop(), 220);
    EXPECT_FLOAT_EQ(d->getControl("btn")->getWidth(), 70);
    EXPECT_FLOAT_EQ(d->getControl("txt")->getLeft(), 220);
    EXPECT_FLOAT_EQ(d->getControl("btnClose")->getLeft(), 350 - 24);
    delete d;
}

} // namespace
