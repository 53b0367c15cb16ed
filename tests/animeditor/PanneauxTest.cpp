// The keyframe panel and the anim-element panel over a sprite built in code, and the run count
// of a keyframe's script taken back through the script hooks.
#include "OutilsEditeur.h"

#include "core/Services.h"

namespace {
// The test sprite with a keyframe at 4 as well, whose values for AE 0 are set below.
class PanneauxTest : public EditeurTest {
protected:
    void SetUp() override
    {
        EditeurTest::SetUp();
        jeu.jeu.buffersSons["pas"];
        jeu.jeu.buffersSons["bruit"];
        e = std::make_unique<Editeur>();
        CSPRITE3& s = sprite();
        spriteEssai(s, planche);
        s.ajouterKeyframe(0, 4);
        s.setKeyAnimElemValeurs(0, 4, 0, 0, true, 8, 16, 4, 6, 3, 5, 40, true);
        s.setKeyAnimElemCouleur(0, 4, 0, sf::Color(10, 20, 30, 40));
        s.setKeyframeDelta(0, 0, 1, 1);
        CSPRITE3_KEYFRAME& kf = *s.getAnim(0)->keyframes[2];  // frame 5
        kf.delta = {3, -2};
        kf.gotoCible = 1;
        kf.gotoMax = 4;
        kf.sensLecture = -1;
        kf.sensChange = 0;
        kf.couleur = sf::Color(50, 60, 70, 80);
        kf.son = "pas";
        kf.bSonSiStop = 1;
        kf.script = "s.scp";
        kf.nbExecutions = 7;
        s.ajouterAnimation("vide", false);
        (*e)->numAnimationSel = 0;
        (*e)->majComboSonFrame();
    }
    void TearDown() override
    {
        e.reset();
        EditeurTest::TearDown();
    }
    CSPRITE3& sprite() { return *(*e)->pSprite; }
    void allerA(int animation, int frame)
    {
        (*e)->numAnimationSel = animation;
        sprite().setAnimation(animation, 0, true);
        sprite().setFrameCourante(frame);
    }

    JeuEssai jeu;
    Planche planche;
    std::unique_ptr<Editeur> e;
};
} // namespace

TEST_F(PanneauxTest, KeyframePanelShowsTheKeyframeInForceAndItsFrameOnlyOnIt)
{
    struct Cas {
        const char* quoi;
        int animation, frame;
        const char *dx, *aller, *nbAller;
        bool inverse, sansChangement;
        int son;
        bool sonSiStop;
        const char *script, *executions;
        sf::Color couleur;
    };
    const sf::Color blanc = sf::Color::White;
    const Cas table[] = {
        {"on the keyframe", 0, 5, "3", "1", "4", true, false, 2, true, "s.scp", "7", {50, 60, 70, 80}},
        {"between keyframes: the one before", 0, 6, "3", "1", "4", true, false, 0, false, "", "0", {50, 60, 70, 80}},
        {"between 0 and 4", 0, 2, "1", "-1", "0", false, true, 0, false, "", "0", blanc},
        {"an animation without keyframe", 1, 0, "0", "-1", "0", false, true, 0, false, "", "0", blanc},
        {"no animation", -1, 0, "0", "-1", "0", false, true, 0, false, "", "0", blanc},
    };
    for (const Cas& c : table) {
        allerA(c.animation, c.frame);
        (*e)->majPanneauKeyFrame();
        EXPECT_EQ(e->texte(IdAnm::myTextInputDxMere), c.dx) << c.quoi;
        EXPECT_EQ(e->texte(IdAnm::myTextInputGotoFrameAnim), c.aller) << c.quoi;
        EXPECT_EQ(e->texte(IdAnm::myTextInputNbGotoFrameAnim), c.nbAller) << c.quoi;
        EXPECT_EQ(e->coche(IdAnm::myButtonCheckSensLectureFrame), c.inverse) << c.quoi;
        EXPECT_EQ(e->coche(IdAnm::myButtonCheckFrameSensLectureSansChangement), c.sansChangement) << c.quoi;
        EXPECT_EQ(e->combo(IdAnm::myComboBoxSonFrame)->getNumSel(), c.son) << c.quoi;
        EXPECT_EQ(e->coche(IdAnm::myButtonCheckPlaySonSiStop), c.sonSiStop) << c.quoi;
        EXPECT_EQ(e->texte(IdAnm::myTextInputScriptFrame), c.script) << c.quoi;
        EXPECT_EQ(e->texte(IdAnm::myTextInputNbRunScript), c.executions) << c.quoi;
        EXPECT_EQ((*e)->ctrlColor(IdAnm::myColorFrameElements)->getColor(), c.couleur) << c.quoi;
    }
    // A sound the game did not load shows as none, never as the previous keyframe's.
    sprite().getAnim(0)->keyframes[2]->son = "inconnu";
    allerA(0, 5);
    (*e)->majPanneauKeyFrame();
    EXPECT_EQ(e->combo(IdAnm::myComboBoxSonFrame)->getNumSel(), 0);
}

TEST_F(PanneauxTest, AnimElemPanelShowsTheKeyOrTheInterpolatedValues)
{
    struct Cas {
        const char* quoi;
        int frame;
        bool interpolation;
        std::vector<std::string> valeurs;  // X, Y, Sx, Sy, Ox, Oy, angle
        bool avantPlan;
        sf::Color couleur;
    };
    const Cas table[] = {
        {"on keyframe 4", 4, true, {"8", "16", "3", "5", "4", "6", "40"}, true, {10, 20, 30, 40}},
        {"halfway, interpolated", 2, true, {"4", "8", "2", "3", "0", "0", "20"}, false, {133, 138, 143, 148}},
        {"halfway, without interpolation", 2, false, {"0", "0", "1", "1", "0", "0", "0"}, false, sf::Color::White},
    };
    const char* const ids[] = {IdAnm::myTextInputAnimCourX,  IdAnm::myTextInputAnimCourY,
                               IdAnm::myTextInputAnimCourSx, IdAnm::myTextInputAnimCourSy,
                               IdAnm::myTextInputAnimCourOx, IdAnm::myTextInputAnimCourOy,
                               IdAnm::myTextInputAnimCourAngle};
    (*e)->numAnimElemSel = 0;
    for (const Cas& c : table) {
        sprite().setInterpolation(0, c.interpolation);
        allerA(0, c.frame);
        (*e)->numAnimElemSel = 0;
        (*e)->majPanneauAE();
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(e->texte(ids[i]), c.valeurs[static_cast<size_t>(i)]) << c.quoi << ", " << ids[i];
        EXPECT_TRUE(e->coche(IdAnm::myButtonCheckElemAnimCourVisible)) << c.quoi;
        EXPECT_EQ(e->coche(IdAnm::myButtonCheckAnimElementAvantPlan), c.avantPlan) << c.quoi;
        const sf::Color lu = (*e)->ctrlColor(IdAnm::myColorFrameAE)->getColor();
        EXPECT_NEAR(lu.r, c.couleur.r, 1) << c.quoi;
        EXPECT_NEAR(lu.a, c.couleur.a, 1) << c.quoi;
    }
    for (const int ae : {-1, 2}) {
        (*e)->numAnimElemSel = ae;
        (*e)->majPanneauAE();
        EXPECT_EQ(e->texte(IdAnm::myTextInputAnimCourX), "") << "no AE " << ae << ": an empty panel";
        EXPECT_FALSE(e->coche(IdAnm::myButtonCheckElemAnimCourVisible));
        EXPECT_EQ((*e)->ctrlColor(IdAnm::myColorFrameAE)->getColor(), sf::Color::White);
    }
}

TEST_F(PanneauxTest, RunCountRemakesTheFrameScriptThroughTheHooks)
{
    const ServicesFondation sauvegarde = g_services;
    std::vector<std::string> appels;
    int ancien = 0, nouveau = 0;
    CScript* const scriptAncien = reinterpret_cast<CScript*>(&ancien);
    CScript* const scriptNouveau = reinterpret_cast<CScript*>(&nouveau);
    g_services.supprimerScript = [&](CScript* s) { appels.push_back(s == scriptAncien ? "supprimer ancien" : "?"); };
    g_services.creerScript = [&](const std::string& f, CSPRITE*, int declencheur, int max, bool a, bool b) {
        appels.push_back("creer " + f + " " + std::to_string(declencheur) + " " + std::to_string(max) + " " +
                         std::to_string(a) + std::to_string(b));
        return scriptNouveau;
    };
    g_services.pauserScript = [&](CScript* s) { appels.push_back(s == scriptNouveau ? "pauser nouveau" : "?"); };
    CSPRITE3_KEYFRAME& kf = *sprite().getAnim(0)->keyframes[2];
    e->ctrl(IdAnm::myTextInputNbRunScript)->setText("12");

    allerA(0, 6);
    (*e)->majNbExecutionsScript();
    EXPECT_EQ(kf.nbExecutions, 7) << "not on a keyframe: nothing";
    allerA(0, 5);
    (*e)->majNbExecutionsScript();
    EXPECT_EQ(kf.nbExecutions, 12);
    EXPECT_TRUE(appels.empty()) << "a script not made yet: only the count";

    kf.pScript = scriptAncien;
    e->ctrl(IdAnm::myTextInputNbRunScript)->setText("3");
    (*e)->majNbExecutionsScript();
    EXPECT_EQ(kf.nbExecutions, 3);
    EXPECT_EQ(appels, (std::vector<std::string>{"supprimer ancien", "creer s.scp 13 3 01", "pauser nouveau"}));
    EXPECT_EQ(kf.pScript, scriptNouveau);
    kf.pScript = nullptr;
    g_services = sauvegarde;
}
