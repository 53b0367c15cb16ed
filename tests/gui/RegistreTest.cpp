// Declared dialogs, the model folder, show/hide state and who deletes what (run under ASan).
#include "DialogueEssai.h"
#include "support/Outils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

// onCreate reads a control of a dialog declared after it: all models are applied first.
class DialogueLecteur : public DialogueEssai {
public:
    void onCreate() override
    {
        DialogueEssai::onCreate();
        CPLUXControl* c = CPLUX::getControl("Dernier", "txtValeur");
        controleVuAuCreate = c ? c->getText() : "absent";
    }
};

class Registre : public ::testing::Test {
protected:
    void SetUp() override { CPLUXTest::reset(); }
    void TearDown() override { CPLUXTest::reset(); }
};

TEST_F(Registre, ReadingTheModelFolderCreatesEveryDeclaredDialog)
{
    for (int i = 0; i < 19; ++i)
        CPLUX::declareDialog<DialogueEssai>("Dialogue" + std::to_string(i), "CDialogue" + std::to_string(i));
    CPLUX::declareDialog<DialogueLecteur>("Lecteur", "CLecteur");
    CPLUX::declareDialog<DialogueEssai>("Dernier", "CDernier");
    ASSERT_EQ(CPLUX::getDeclaredDialogs().size(), 21u);
    EXPECT_EQ(CPLUX::getDeclaredDialogs()[19], std::make_pair(std::string("Lecteur"), std::string("CLecteur")));

    DossierTemp dossier;
    ecrireTexte(dossier / "Dernier.mod", "DIALOGUE=Dernier\nTITRE=Dernier\n{\nCONTROLE=SAISIE;txtValeur\nTEXTE=7\n}\n");
    ecrireTexte(dossier / "Dialogue3.mod", "TITRE=Trois\n{\nCONTROLE=BOUTON;btnX\n}\n");
    std::filesystem::create_directory(dossier / "Dialogue5.mod");
    CPLUX::applyTabs();
    CPLUX::pModeleDef->readFile(dossier.str());

    std::vector<DialogueEssai*> crees;
    for (const auto& p : CPLUX::getDeclaredDialogs()) {
        auto* d = dynamic_cast<DialogueEssai*>(CPLUX::getDialog(p.first));
        ASSERT_NE(d, nullptr) << p.first;
        EXPECT_EQ(d->nbCreate, 1);
        EXPECT_TRUE(d->isCreate());
        // Declared dialogs start hidden: visible, minimised.
        EXPECT_TRUE(d->isVisible());
        EXPECT_TRUE(d->isMinimize());
        EXPECT_FALSE(CPLUX::isDialogVisible(p.first));
        crees.push_back(d);
    }
    auto* lecteur = static_cast<DialogueEssai*>(CPLUX::getDialog("Lecteur"));
    EXPECT_EQ(lecteur->controleVuAuCreate, "7");
    EXPECT_EQ(CPLUX::getDialog("Dialogue3")->getTitle(), "Trois");
    EXPECT_NE(CPLUX::getControl("Dialogue3", "btnX"), nullptr);
    // A missing model leaves a bare dialog titled with its id, and a note.
    EXPECT_EQ(CPLUX::getDialog("Dialogue0")->getTitle(), "Dialogue0");
    const auto& erreurs = CPLUX::pModeleDef->getErreurs();
    EXPECT_EQ(std::count_if(erreurs.begin(), erreurs.end(),
                            [](const std::string& e) { return e.find("Dialogue5.mod") != std::string::npos; }),
              1);

    // Unknown ids: null and no-ops.
    EXPECT_EQ(CPLUX::getDialog("Inconnu"), nullptr);
    EXPECT_EQ(CPLUX::getDialog(9999), nullptr);
    EXPECT_EQ(CPLUX::getControl("Inconnu", "btnX"), nullptr);
    EXPECT_EQ(CPLUX::getControl("Dialogue3", "inconnu"), nullptr);
    CPLUX::show("Inconnu");
    CPLUX::hide("Inconnu");
    CPLUX::refresh("Inconnu");
    EXPECT_FALSE(CPLUX::isDialogVisible("Inconnu"));

    // The program deletes the dialogs made from its classes; each unregisters itself, and
    // the library's own shutdown then leaves them alone.
    for (DialogueEssai* d : crees)
        delete d;
    EXPECT_EQ(CPLUX::getDialog("Lecteur"), nullptr);
    EXPECT_TRUE(CPLUX::getDialogs().empty());
    CPLUX::shutdown();
}

TEST_F(Registre, ShowHideAndMinimiseSequences)
{
    CPLUX::declareDialog<DialogueEssai>("Etat", "CEtat");
    CPLUX::pModeleDef->readFile("/chemin/qui/n/existe/pas/");
    auto* d = static_cast<DialogueEssai*>(CPLUX::getDialog("Etat"));
    ASSERT_NE(d, nullptr);
    d->vider();

    CPLUX::show("Etat");
    CPLUX::show("Etat");
    EXPECT_TRUE(CPLUX::isDialogVisible("Etat"));
    EXPECT_FALSE(d->isMinimize());
    EXPECT_EQ(CPLUX::dialogfocus, d);
    EXPECT_EQ(CPLUX::getFocusId(), "Etat");
    CPLUX::hide("Etat");
    CPLUX::hide("Etat");
    EXPECT_TRUE(d->isMinimize());
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(CPLUX::isDialogVisible("Etat"));
    EXPECT_EQ(d->journal, (std::vector<std::string>{"show", "hide"}));

    // Raw flags as code-built dialogs use them; minimizeAll hides what is shown.
    d->vider();
    d->setMinimize(false);
    EXPECT_TRUE(CPLUX::isDialogVisible("Etat"));
    d->setVisible(false);
    EXPECT_FALSE(CPLUX::isDialogVisible("Etat"));
    d->setVisible(true);
    CPLUX::minimizeAll();
    EXPECT_TRUE(d->isMinimize());
    EXPECT_EQ(d->journal, (std::vector<std::string>{"show", "hide", "show", "hide"}));

    // Bound variables are shown by refresh and written back by user changes.
    CPLUX::pModeleDef->appliquerTexte(d, "{\nCONTROLE=SAISIE;txtV\nVAR=vitesse;FLOAT\nRECT=10;40;100;20\n}\n"
                                         "{\nCONTROLE=CASE;chkV\nVAR=actif;BOOL\nRECT=10;70;100;20\n}\n");
    float vitesse = 2.5f;
    bool actif = true;
    d->setMapVar("vitesse", &vitesse);
    d->setMapVar("actif", &actif);
    d->vider();
    CPLUX::refresh("Etat");
    EXPECT_EQ(d->ctrlTextInput("txtV")->getText(), "2.5");
    EXPECT_TRUE(d->ctrlButtonCheck("chkV")->isChecked());
    EXPECT_TRUE(d->journal.empty());
    CPLUX::show("Etat");
    CPLUXTest::click("Etat", "chkV");
    EXPECT_FALSE(actif);
    CPLUXTest::typeText("Etat", "txtV", "5");
    EXPECT_FLOAT_EQ(vitesse, 2.55f);
    d->setMapVar("vitesse", nullptr);
    CPLUXTest::type("0");
    EXPECT_FLOAT_EQ(vitesse, 2.55f);
    delete d;
}

TEST_F(Registre, LibraryMadeDialogsAreFreedByTheLibraryOnly)
{
    DialogueEssai proprietaire;
    int id = 0;
    CPLUXDialog* fait = CPLUX::addDialog(&id, nullptr, &proprietaire, 0, true, rappelEssai);
    ASSERT_NE(fait, nullptr);
    EXPECT_NE(id, 0);
    EXPECT_EQ(CPLUX::dialoglist[id], fait);
    EXPECT_TRUE(fait->estAffiche());
    EXPECT_TRUE(fait->isCreate());
    fait->setId("ID_CB_ESSAI");
    fait->setCloseMode(0);
    fait->Size(200, 100);
    fait->addControlButton("open", "Ouvrir", 10, 40, 80, 24);
    // A callback closing the dialog during its own press: freed after the update.
    nbCallbacks = 0;
    auto fermer = [](void*, CPLUXDialog* d, CPLUXControl*, int) {
        ++nbCallbacks;
        d->close(0);
        return true;
    };
    fait->setDialogCallback(static_cast<PLUXCallback>(fermer));
    CPLUXTest::click("ID_CB_ESSAI", "open");
    EXPECT_EQ(nbCallbacks, 1);
    EXPECT_EQ(CPLUX::dialoglist.count(id), 0u);
    EXPECT_EQ(CPLUX::getDialog("ID_CB_ESSAI"), nullptr);

    // A program dialog registered through addDialog keeps its flags and its owner.
    auto* programme = new DialogueEssai;
    programme->setCloseMode(0);
    CPLUX::addDialog(&id, programme, nullptr, 0);
    EXPECT_FALSE(programme->estAffiche());
    programme->show();
    programme->close(0);
    EXPECT_FALSE(programme->estAffiche());
    EXPECT_EQ(CPLUX::getDialog(id), programme);
    CPLUX::shutdown();
    EXPECT_EQ(CPLUX::getDialog(id), programme);
    delete programme;
    EXPECT_EQ(CPLUX::getDialog(id), nullptr);
}

TEST_F(Registre, HandlersMayDeleteTheirOwnDialog)
{
    struct Suicidaire : DialogueEssai {
        bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override
        {
            delete this;
            return true;
        }
    };
    auto* d = new Suicidaire;
    CPLUX::pModeleDef->appliquerTexte(d, MODELE_ESSAI);
    CPLUX::addDialog(nullptr, d, nullptr, 0, true, rappelEssai);
    d->show();
    nbCallbacks = 0;
    CPLUXTest::click("Essai", "btnOk");
    CPLUXTest::frame();
    EXPECT_EQ(CPLUX::getDialog("Essai"), nullptr);
    EXPECT_EQ(nbCallbacks, 0);

    // A change handler may remove the very control that changed, while it is clicked or typed in.
    struct Retireur : DialogueEssai {
        void onCtrlCheckChange(CPLUXControlButtonCheck* c) override { delControl(c->getId()); }
        void onCtrlInputChange(CPLUXControlTextInput* c) override { delControl(c->getId()); }
    };
    auto* r = new Retireur;
    CPLUX::pModeleDef->appliquerTexte(r, MODELE_ESSAI);
    CPLUX::addDialog(nullptr, r, nullptr, 0);
    r->show();
    CPLUXTest::click("Essai", "chkSeul");
    CPLUXTest::typeText("Essai", "txtNom", "ab");
    CPLUXTest::frame();
    EXPECT_EQ(r->getControl("chkSeul"), nullptr);
    EXPECT_EQ(r->getControl("txtNom"), nullptr);
    EXPECT_FALSE(CPLUX::isInput());
    delete r;
}

} // namespace
