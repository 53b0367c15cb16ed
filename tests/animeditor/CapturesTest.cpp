// The editor drawn under Xvfb at the game's size into "animeditor/<name>.png" of the working
// folder, for a look by eye: each page after creation, a sprite with its lists and panels, the
// timeline in both modes, and the box of a failed save.
#include "OutilsEditeur.h"

#include "gui/CPLUXDialogFile.h"

#include <filesystem>

namespace {
class CapturesTest : public EditeurTest {
protected:
    void SetUp() override
    {
        EditeurTest::SetUp();
        // Resolved now: the test then works in the data folder (the timeline reads its font there).
        dossier = std::filesystem::absolute("animeditor").string();
        std::filesystem::create_directories(dossier);
        fenetre.create(sf::VideoMode(1280, 720), "captures", sf::Style::None);
        CPLUX::setSurface(&fenetre);
    }
    void TearDown() override
    {
        CPLUX::setSurface(nullptr);
        EditeurTest::TearDown();
    }
    void capturer(const std::string& nom)
    {
        fenetre.clear(sf::Color(90, 96, 104));
        CPLUXTest::frame(&fenetre);
        EXPECT_TRUE(CPLUXTest::screenshot(&fenetre, dossier + "/" + nom + ".png")) << nom;
    }
    sf::RenderWindow fenetre;
    std::string dossier;
};
} // namespace

TEST_F(CapturesTest, TheEditorAsTheUserSeesIt)
{
    DansDossier donnees(dossierData());
    JeuEssai jeu;
    jeu.armes({"Pistolet", "Fusil"});
    jeu.jeu.buffersSons["pas"];
    Editeur e;
    e->show();
    for (int page = 0; page < 3; ++page) {
        e->pTab->setNumTabElemActif(page);
        capturer("page" + std::to_string(page));
    }

    Planche planche;
    CSPRITE3& s = *e->pSprite;
    spriteEssai(s, planche);
    s.ajouterAnimElem(0, 0, "oeil", 0, 1);
    s.getAnimElem(0, 0)->enfants = {1, 2};
    s.setAnimElemVerrou(0, 1, true);
    s.setKeyAnimElemVisible(0, 5, 2, false, false);
    s.ajouterKeyframe(0, 8);
    s.getAnim(0)->keyframes[2]->son = "pas";
    s.getAnim(0)->keyframes[1]->script = "frame.scp";
    s.etats = {{"MARCHE", 0}, {"ARRET", -1}};
    e->numAnimationSel = 0;
    e->majListeElements();
    e->majListeAnimations();
    e->majListeAnimElems();
    e->majMarqueursTimeline(&s, e->pTimeline);
    e->pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
    const CControlTimeline* t = e->pTimeline;
    CPLUXTest::clickAt(t->getLeftScreen() + 5 * t->getLargeurFrame() + 2, t->getTopScreen() + 10);
    e->numAnimElemSel = 1;
    e->majPanneauAE();
    e->pTimeline->setFrameLecture(3);
    CPLUXTest::mouseMove(t->getLeftScreen() + 7 * t->getLargeurFrame() + 2, t->getTopScreen() + 10);
    capturer("sprite_plat_keyframe");
    CPLUXTest::clickAt(t->getLeftScreen() + 6 * t->getLargeurFrame() + 2, t->getTopScreen() + 10);
    e->styleAE = 1;
    e->majListeAnimElems();
    e->majPanneauAE();
    capturer("sprite_arbre_entre_keyframes");

    e->pTimeline->setLargeurFrame(4);
    e->pTimeline->setNbFramesParDegre(2);
    e->pTimeline->setNbFrames(360);
    e->pTimeline->setModeVisee(true);
    capturer("timeline_visee");

    auto* sauver = static_cast<CPLUXDialogFile*>(CPLUX::addDialog(
        nullptr, nullptr, e.d.get(), 3, true, &CJeuDialogAnimationsSprites::callbackSauverEtats));
    sauver->InitDossiers("/dossier/absent");
    sauver->getControl("txtFichier")->setText("etats.eta");
    CJeuDialogAnimationsSprites::callbackSauverEtats(e.d.get(), sauver, sauver->getControl("save"), 0);
    capturer("echec_sauvegarde");
}
