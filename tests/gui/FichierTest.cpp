// File dialogs on a private folder: listing, choosing and opening, closing from the
// callback, the save name and its confirmation, folder changes of the image dialog.
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/CPLUXDialogFile.h"
#include "gui/CPLUXMessageBox.h"
#include "gui/CPLUXTest.h"
#include "support/Outils.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {
struct Appel {
    std::string controle;
    int code;
    std::string chemin;
};
std::vector<Appel> appels;
bool fermerSurOpen = false;

bool rappel(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code)
{
    auto* f = dlg->commeDialogFile();
    auto* s = dynamic_cast<CPLUXDialogFileSave*>(f);
    appels.push_back({ctrl ? ctrl->getId() : "", code,
                      code == 20 ? ctrl->getData() : s ? s->getFullPathSave() : f->GetFullPath()});
    if (fermerSurOpen && ctrl && ctrl->getId() == "open")
        dlg->close(0);
    return true;
}

bool rappelFichier(void* owner, CPLUXDialogFile* dlg, CPLUXControl* ctrl, int code)
{
    appels.push_back({ctrl ? ctrl->getId() : "", code, code == 20 ? ctrl->getData() : dlg->GetFullPath()});
    return true;
}

std::vector<std::string> lignes(CPLUXDialog* d, const std::string& liste)
{
    std::vector<std::string> r;
    CPLUXControlList* l = d->ctrlList(liste);
    for (int i = 0; l && i < l->getNbElements(); ++i)
        r.push_back(l->getText(i));
    return r;
}

std::vector<Appel> appelsDe(const std::string& controle)
{
    std::vector<Appel> r;
    for (const Appel& a : appels)
        if (a.controle == controle)
            r.push_back(a);
    return r;
}

struct FichierFixture : ::testing::Test {
    void SetUp() override
    {
        CPLUXTest::reset();
        appels.clear();
        fermerSurOpen = false;
        ecrireTexte(tmp / "a.niv", "x");
        ecrireTexte(tmp / "b.txt", "x");
        std::filesystem::create_directories(tmp / "sub");
        dossier = CPLUXDialogFile::normaliserDossier(tmp.str());
    }
    void TearDown() override { CPLUXTest::reset(); }

    CPLUXDialogFile* creer(int kind, const std::string& id)
    {
        int h = 0;
        CPLUX::addDialog(&h, nullptr, this, kind, true, rappel);
        CPLUXDialogFile* f = CPLUX::dialoglist[h]->commeDialogFile();
        f->setCloseMode(0);
        f->setId(id);
        f->addExtension("niv");
        f->InitDossiers(tmp.str());
        handle = h;
        return f;
    }

    DossierTemp tmp;
    std::string dossier;
    int handle = 0;
};
} // namespace

TEST_F(FichierFixture, OpenListsFoldersAndMatchingFilesAndClosesFromItsCallback)
{
    CPLUXDialogFile* f = creer(1, "ID_CB_OUVRIR");
    EXPECT_EQ(f->GetPath(), dossier);
    EXPECT_EQ(lignes(f, "lstDossiers"), (std::vector<std::string>{"..", "sub"}));
    EXPECT_EQ(lignes(f, "lstFichiers"), (std::vector<std::string>{"a.niv"}));
    // A temporary folder lies outside the working folder, and says so.
    EXPECT_TRUE(f->isHorsDossierTravail());
    EXPECT_EQ(f->ctrlText("txtDossier")->getText().rfind("Hors du dossier de travail", 0), 0u);

    ASSERT_TRUE(CPLUXTest::selectRow("ID_CB_OUVRIR", "lstFichiers", 0));
    EXPECT_EQ(f->GetFile(), "a.niv");
    fermerSurOpen = true;
    ASSERT_TRUE(CPLUXTest::click("ID_CB_OUVRIR", "open"));
    const std::vector<Appel> open = appelsDe("open");
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0].code, 0);
    EXPECT_EQ(open[0].chemin, dossier + "a.niv");
    // Closed from its own callback: out of the list at once, freed after the update.
    EXPECT_EQ(CPLUX::dialoglist.count(handle), 0u);
    CPLUXTest::frame();
    EXPECT_EQ(CPLUX::getDialog("ID_CB_OUVRIR"), nullptr);
}

TEST_F(FichierFixture, FolderNavigationAndDoublePressOnAFile)
{
    CPLUXDialogFile* f = creer(1, "ID_CB_NAV");
    ASSERT_TRUE(CPLUXTest::selectRow("ID_CB_NAV", "lstDossiers", 1));
    EXPECT_EQ(f->GetPath(), dossier + "sub/");
    EXPECT_TRUE(lignes(f, "lstFichiers").empty());
    ASSERT_TRUE(CPLUXTest::selectRow("ID_CB_NAV", "lstDossiers", 0));
    EXPECT_EQ(f->GetPath(), dossier);

    CPLUXTest::selectRow("ID_CB_NAV", "lstFichiers", 0);
    CPLUXTest::selectRow("ID_CB_NAV", "lstFichiers", 0);
    ASSERT_EQ(appelsDe("open").size(), 1u);
    EXPECT_EQ(appelsDe("open")[0].chemin, dossier + "a.niv");

    // A double press on a folder enters it once: the second press lands on the new list.
    std::filesystem::create_directories(tmp / "sub/deeper");
    f->actualiser();
    CPLUXTest::selectRow("ID_CB_NAV", "lstDossiers", 1);
    CPLUXTest::selectRow("ID_CB_NAV", "lstDossiers", 1);
    EXPECT_EQ(f->GetPath(), dossier + "sub/") << "not sub/deeper/";
    // A file made while the dialog waits shows once it is shown again.
    ecrireTexte(tmp / "sub/nouveau.niv", "x");
    f->hide();
    f->show();
    EXPECT_EQ(lignes(f, "lstFichiers"), (std::vector<std::string>{"nouveau.niv"}));

    EXPECT_EQ(CPLUXDialogFile::dossierParent("./niveaux/"), "./");
    EXPECT_EQ(CPLUXDialogFile::dossierParent("./"), "../");
    EXPECT_EQ(CPLUXDialogFile::dossierParent("../"), "../../");
    EXPECT_EQ(CPLUXDialogFile::dossierParent("/"), "/");
    EXPECT_EQ(CPLUXDialogFile::normaliserDossier("a\\b"), "a/b/");
}

TEST_F(FichierFixture, SaveAddsTheExtensionAndNeverReplacesAFileSilently)
{
    auto* f = static_cast<CPLUXDialogFileSave*>(creer(3, "ID_CB_SAUVER"));
    ASSERT_TRUE(CPLUXTest::typeText("ID_CB_SAUVER", "txtFichier", "x"));
    EXPECT_EQ(f->getFileSave(), "x.niv");
    EXPECT_EQ(f->getFullPathSave(), dossier + "x.niv");
    CPLUXTest::click("ID_CB_SAUVER", "save");
    ASSERT_EQ(appelsDe("save").size(), 1u);
    EXPECT_EQ(CPLUX::getMessageBoxes().size(), 0u);

    // A name cannot lead out of the folder; an empty one saves nothing.
    f->ctrlTextInput("txtFichier")->setText("../../ailleurs");
    EXPECT_EQ(f->getFileSave(), "ailleurs.niv");
    f->ctrlTextInput("txtFichier")->setText("..");
    EXPECT_EQ(f->getFileSave(), "");
    CPLUXTest::click("ID_CB_SAUVER", "save");
    EXPECT_EQ(appelsDe("save").size(), 1u);

    // An existing file: asked first; "Non" saves nothing, "Oui" saves.
    f->ctrlTextInput("txtFichier")->setText("a");
    CPLUXTest::click("ID_CB_SAUVER", "save");
    EXPECT_EQ(appelsDe("save").size(), 1u);
    ASSERT_EQ(CPLUX::getMessageBoxes().size(), 1u);
    CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes().back()->getHwnd(), 1);
    CPLUXTest::frame();
    EXPECT_EQ(appelsDe("save").size(), 1u);
    CPLUXTest::click("ID_CB_SAUVER", "save");
    ASSERT_EQ(CPLUX::getMessageBoxes().size(), 1u);
    CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes().back()->getHwnd(), 0);
    CPLUXTest::frame();
    ASSERT_EQ(appelsDe("save").size(), 2u);
    EXPECT_EQ(appelsDe("save")[1].chemin, dossier + "a.niv");

    // "Oui" about a.niv does not replace c.niv, typed in the meantime: c.niv is asked about.
    ecrireTexte(tmp / "c.niv", "x");
    CPLUXTest::click("ID_CB_SAUVER", "save");
    f->ctrlTextInput("txtFichier")->setText("c");
    CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes().back()->getHwnd(), 0);
    CPLUXTest::frame();
    EXPECT_EQ(appelsDe("save").size(), 2u);
    EXPECT_EQ(CPLUX::getMessageBoxes().size(), 1u);
}

TEST_F(FichierFixture, ImageDialogReportsFolderChangesWithCode20)
{
    CPLUXDialogImage picker;
    picker.setId("pickerEssai");
    picker.getDialogDossier()->InitDossiers(tmp.str());
    picker.getDialogDossier()->setDialogCallback(rappelFichier);
    CPLUX::addDialog(nullptr, &picker, nullptr, 0);
    picker.show();
    EXPECT_NE(picker.getImageControl(), nullptr);
    EXPECT_EQ(lignes(&picker, "lstDossiers"), (std::vector<std::string>{"..", "sub"}));

    ASSERT_TRUE(CPLUXTest::selectRow("pickerEssai", "lstDossiers", 1));
    ASSERT_EQ(appels.size(), 1u);
    EXPECT_EQ(appels[0].code, 20);
    EXPECT_EQ(appels[0].chemin, dossier + "sub/");
    EXPECT_EQ(picker.getFolder(), dossier + "sub/");

    // The image open dialog lists pictures only and previews the chosen one.
    sf::Image petite;
    petite.create(2, 2, sf::Color::Red);
    ASSERT_TRUE(petite.saveToFile(tmp / "c.png"));
    int h = 0;
    CPLUX::addDialog(&h, nullptr, nullptr, 4, true, rappel);
    auto* images = dynamic_cast<CPLUXDialogFileImages*>(CPLUX::dialoglist[h]);
    ASSERT_NE(images, nullptr);
    images->setId("ID_CB_IMAGES");
    images->InitDossiers(tmp.str());
    EXPECT_EQ(lignes(images, "lstFichiers"), (std::vector<std::string>{"c.png"}));
    CPLUXTest::selectRow("ID_CB_IMAGES", "lstFichiers", 0);
    EXPECT_EQ(images->getImageControl()->getImageSize(), sf::Vector2f(2, 2));
    // A picture changed on disk since is previewed as it is now.
    petite.create(3, 3, sf::Color::Blue);
    ASSERT_TRUE(petite.saveToFile(tmp / "c.png"));
    CPLUX::addDialog(&h, nullptr, nullptr, 4, true, rappel);
    auto* encore = static_cast<CPLUXDialogFileImages*>(CPLUX::dialoglist[h]);
    encore->setId("ID_CB_IMAGES2");
    encore->InitDossiers(tmp.str());
    CPLUXTest::selectRow("ID_CB_IMAGES2", "lstFichiers", 0);
    EXPECT_EQ(encore->getImageControl()->getImageSize(), sf::Vector2f(3, 3));

    // Within the working folder the folder is shown as it is.
    CPLUXDialogFile ici;
    ici.InitDossiers(".");
    EXPECT_FALSE(ici.isHorsDossierTravail());
    EXPECT_EQ(ici.ctrlText("txtDossier")->getText(), "./");
}
