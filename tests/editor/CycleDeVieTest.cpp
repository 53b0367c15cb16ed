// The pickers' lifetime: made by the GUI set-up of a game started with the development
// switch, left alive by the game object's teardown and deleted after it as main does; a
// missing font is said once per picker.
#include "OutilsDialoguesNiveau.h"

#include "gui/CPLUXMessageBox.h"

namespace fs = std::filesystem;

TEST(CycleDeVieChoix, MadeByTheSetUpAndDeletedAfterTheGame)
{
    DossierDeTravail dossier;
    const char* donnees = std::getenv("TUV_DATA_DIR");
    ASSERT_NE(donnees, nullptr);
    fs::copy(donnees, ".", fs::copy_options::recursive);
    CSFMLJeuGlobal::bModeTest = true;
    auto* jeu = new CSFMLJeu();
    faceJeu::installer(jeu->facettes());
    ASSERT_EQ(jeu->init("jeu.ini"), 0);
    ASSERT_NE(CSFMLJeuGlobal::pChoixDec, nullptr) << "the set-up made the decor picker";
    ASSERT_NE(CSFMLJeuGlobal::pChoixPer, nullptr) << "and the character picker";
    EXPECT_EQ(CPLUX::getDialog(CSFMLJeuChoixDec::ID), CSFMLJeuGlobal::pChoixDec);
    EXPECT_EQ(CPLUX::getDialog(CSFMLJeuChoixPer::ID), CSFMLJeuGlobal::pChoixPer);
    EXPECT_GT(CSFMLJeuGlobal::pChoixDec->nbFichiers, 0) << "listing \"./decors/\"";
    EXPECT_GT(CSFMLJeuGlobal::pChoixPer->nbFichiers, 0) << "listing \"./personnages/\"";
    delete jeu;
    faceJeu::installer({});
    ASSERT_NE(CSFMLJeuGlobal::pChoixDec, nullptr) << "the game's teardown leaves the pickers to main";
    EXPECT_EQ(CSFMLJeuGlobal::pChoixDec->getId(), CSFMLJeuChoixDec::ID) << "alive";
    CSFMLJeuChoix::libererSelecteurs();
    EXPECT_EQ(CSFMLJeuGlobal::pChoixDec, nullptr);
    EXPECT_EQ(CSFMLJeuGlobal::pChoixPer, nullptr);
    CSFMLJeuGlobal::bModeTest = false;
    CPLUXTest::reset();
}

TEST_F(DialoguesNiveauTest, AMissingFontIsSaidOncePerPicker)
{
    CSFMLJeuChoix::libererSelecteurs();
    fs::remove("polices/arial.ttf");
    CPLUX::addDialog(nullptr, new CSFMLJeuChoixDec, nullptr, 0);
    CPLUX::addDialog(nullptr, new CSFMLJeuChoixPer, nullptr, 0);
    for (int i = 0; i < 3; ++i)
        image();
    std::vector<std::string> titres;
    for (const CPLUXMessageBox* b : CPLUX::getMessageBoxes())
        titres.push_back(b->getTitle());
    EXPECT_EQ(titres, (std::vector<std::string>{"Erreur dans CSFMLJeuChoixDec", "Erreur !"}));
    EXPECT_GT(choixDec().nbFichiers, 0) << "the picker works without its text";
}
