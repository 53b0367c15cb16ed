// How a user reaches the tools: with the development switch the GUI set-up declares them, and
// in editor mode the toolbar (key LSystem, code 40) shows them under their models' titles.
#include "OutilsOutils.h"

#include "core/Globals.h"
#include "game/Jeu.h"
#include "tools/CSEFouet.h"
#include "tools/CSEOpenDossier.h"
#include "tools/CSESelectionZone.h"

#include <filesystem>

namespace {

struct Interrupteur {
    explicit Interrupteur(bool dev) { CSFMLJeuGlobal::bModeTest = dev; }
    ~Interrupteur() { CSFMLJeuGlobal::bModeTest = false; }
};

CPLUXControl* boutonBarre(const std::wstring& titre)
{
    for (CPLUXControl* c : CPLUX::pTB->getControls())
        if (c->getTextW() == titre)
            return c;
    return nullptr;
}

} // namespace

TEST_F(OutilTest, DevSwitchDeclaresTheToolsAndTheToolbarShowsThem)
{
    std::filesystem::copy(std::filesystem::path(dossierModeles()).parent_path().parent_path(), "PLUX_Modeles",
                          std::filesystem::copy_options::recursive);
    ecrireTexte("jeu.ini", "VIEWPORT=1280;720\nEDITEUR=./niveaux/absent.niv\n");
    {
        CSFMLJeu jeu;
        ASSERT_EQ(jeu.init("jeu.ini"), 0);
        for (const char* id : {"CSEFouet", "CSESelectionZone", "CSEOpenDossier"})
            EXPECT_EQ(CPLUX::getDialog(id), nullptr) << id << " without the switch";
    }
    Interrupteur dev(true);
    CSFMLJeu jeu;
    ASSERT_EQ(jeu.init("jeu.ini"), 0);
    EXPECT_NE(dynamic_cast<CCSEFouet*>(CPLUX::getDialog("CSEFouet")), nullptr);
    EXPECT_NE(dynamic_cast<CCSEOpenDossier*>(CPLUX::getDialog("CSEOpenDossier")), nullptr);
    auto* slicer = dynamic_cast<CCSESelectionZone*>(CPLUX::getDialog("CSESelectionZone"));
    ASSERT_NE(slicer, nullptr);
    EXPECT_FALSE(slicer->estAffiche()) << "declared dialogs start hidden";

    EXPECT_EQ(jeu.mode, 2);
    jeu.touchesEditeur(sf::Keyboard::LSystem);
    EXPECT_EQ(static_cast<int>(sf::Keyboard::LSystem), 40);
    ASSERT_TRUE(CPLUX::pTB && CPLUX::pTB->estAffiche()) << "the toolbar shows";
    CPLUX::update(jeu.fenetre);
    ASSERT_NE(boutonBarre(L"Éditeur de fouet"), nullptr);
    const CPLUXControl* b = boutonBarre(L"Découpe d'images");
    ASSERT_NE(b, nullptr);
    CPLUXTest::clickAt(b->getLeftScreen() + static_cast<int>(b->getWidth() / 2),
                       b->getTopScreen() + static_cast<int>(b->getHeight() / 2));
    EXPECT_TRUE(slicer->estAffiche()) << "a press on its button shows the slicer";
}
