// The script editor, the events dialog and the editor's inputs as the user sees them, drawn
// under Xvfb at the game's size into "animeditor/saisies_<name>.png" of the working folder.
#include "OutilsManip.h"

#include "animeditor/JeuDialogEventsAnm.h"
#include "animeditor/JeuDialogScriptAnm.h"
#include "core/Services.h"
#include "gui/CPLUXMessageBox.h"

#include <filesystem>
#include <functional>

namespace {
class CapturesSaisiesTest : public ManipTest {
protected:
    void SetUp() override
    {
        dossier = std::filesystem::absolute("animeditor").string();
        std::filesystem::create_directories(dossier);
        ManipTest::SetUp();
        // The game tells the sprite drawings where the view lies on the window.
        ancienRect = g_services.rectControle;
        g_services.rectControle = rectEcran;
        // A sheet of coloured blocks, so that the sprite shows.
        sf::Image image;
        image.create(64, 64, sf::Color(40, 120, 200));
        for (unsigned x = 0; x < 30; ++x)
            for (unsigned y = 10; y < 40; ++y)
                image.setPixel(x, y, sf::Color(220, 140, 40));
        planche.texture.loadFromImage(image);
        // Both AEs shown on both keyframes, so the captures show the sprite at frame 5.
        for (int f : {0, 5}) {
            s().setKeyAnimElemValeurs(0, f, 0, 0, true, 0, -12, 0, 0, 2, 2, 0, false);
            s().setKeyAnimElemValeurs(0, f, 1, 1, true, 0, 12, 0, 0, 2, 2, 0, false);
        }
        s().getKeyframeEnForce(0, 5)->scp.commandes = {"#", "setElementAnimationLink", "playSound", "setFrame"};
        s().getKeyframeEnForce(0, 5)->scp.arguments = {" ouverture de la bouche", "( tete ; 1 )", "( pas )", "( 2 )"};
        CScriptAnm& clic = s().getAnimElem(0, 1)->evenements["onMouseClickLeft"];
        clic.commandes = {"shoot", "stopAllSounds"};
        clic.arguments = {"( 90 )", "( )"};
        s().getAnimElem(0, 1)->evenements["onMouseOut"].commandes = {"setAnimation"};
        s().getAnimElem(0, 1)->evenements["onMouseOut"].arguments = {"( 0 )"};
        sc = dialogueModele<CJeuDialogScriptAnm>(CJeuDialogScriptAnm::ID);
        ev = dialogueModele<CJeuDialogEventsAnm>(CJeuDialogEventsAnm::ID);
        sc->setPosition(820, 36);
        ev->setPosition(820, 430);
    }
    void TearDown() override
    {
        ev.reset();
        sc.reset();
        g_services.rectControle = ancienRect;
        ManipTest::TearDown();
    }
    void capturer(const std::string& nom)
    {
        fenetre.clear(sf::Color(90, 96, 104));
        CPLUXTest::frame(&fenetre);
        EXPECT_TRUE(CPLUXTest::screenshot(&fenetre, dossier + "/saisies_" + nom + ".png")) << nom;
    }

    std::string dossier;
    std::function<sf::FloatRect(CPLUXControl*)> ancienRect;
    std::unique_ptr<CJeuDialogScriptAnm> sc;
    std::unique_ptr<CJeuDialogEventsAnm> ev;
};
} // namespace

TEST_F(CapturesSaisiesTest, ScriptDialogsQuestionsAndStatusTexts)
{
    DansDossier donnees(dossierData());
    animation(0);
    frame(5);
    sc->show();
    ASSERT_TRUE(CPLUXTest::selectRow(CJeuDialogScriptAnm::ID, "myListScript", 1));
    capturer("script_frame");

    animElem(1);
    ev->show();
    sc->show();
    capturer("script_ae_evenements");

    sc->hide();
    ev->hide();
    touche(sf::Keyboard::Numpad3, true);
    capturer("vue_message_maillage");

    saisir(IdAnm::myTextInputAnimFrameNb, "4");
    ASSERT_EQ(CPLUX::getMessageBoxes().size(), 1u);
    capturer("question_nbframes");
    CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes().back()->getHwnd(), 1);

    s().play();
    ASSERT_TRUE(CPLUXTest::click(IdAnm::DIALOGUE, IdAnm::ZmyTab2));
    capturer("apercu");

    page(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
    ASSERT_TRUE(CPLUXTest::click(IdAnm::DIALOGUE, IdAnm::myComboBoxAnimationFille));
    capturer("combo_ouvert");
}
