#include "anim/InterpreteurAnm.h"

#include "LectureOutilsTest.h"

#include <functional>

using VS = std::vector<std::string>;

TEST(InterpreteurAnm, CatalogueEtDecoupage)
{
    const auto& c = CInterpreteurAnm::catalogue();
    ASSERT_EQ(c.size(), 24u);
    EXPECT_STREQ(c.front().commande, "#");
    EXPECT_STREQ(c.back().commande, "_disable_NextCmdsOnlyIfPlaying");
    for (size_t i = 0; i < c.size(); ++i) {
        EXPECT_EQ(CInterpreteurAnm::trouverCommande(c[i].commande), c[i].code) << c[i].commande;
        EXPECT_EQ(static_cast<size_t>(c[i].code), i);
    }
    // The " [global]" suffix is part of the name; a "#" start makes a comment.
    EXPECT_EQ(CInterpreteurAnm::trouverCommande("initElementAnimationLinkViseeAuto"), CommandeAnm::Inconnue);
    EXPECT_EQ(CInterpreteurAnm::trouverCommande("#playSound"), CommandeAnm::Commentaire);

    EXPECT_EQ(CInterpreteurAnm::decouperArguments("( bras ; 3 )"), (VS{"bras", "3"}));
    EXPECT_EQ(CInterpreteurAnm::decouperArguments("(a;;2.5)"), (VS{"a", "", "2.5"}));
    EXPECT_TRUE(CInterpreteurAnm::decouperArguments("( )").empty());
    EXPECT_TRUE(CInterpreteurAnm::decouperArguments("(").empty());
}

namespace {

// A sprite whose animation shows "corps" (no sub-sprite) and "bras" (AE named "arme"),
// linked to a shared global animation of three animations with a state and a shot script.
class Script : public AvecServices {
protected:
    void SetUp() override
    {
        ecouter();
        for (const char* nom : {"repos", "tir", "visee"})
            ajouterAnim(global, nom, 20);
        global.etats["TIR"] = 1;
        global.scriptTir = "tir.scp";
        global.setAnimation2(0, 0);
        ajouterElementSansFeuille(s, "corps");
        const int bras = ajouterElementSansFeuille(s, "bras");
        s.elements[bras]->pSpriteLie = &global;
        s.elements[bras]->lienAnim[2] = 1;
        a = ajouterAnim(s, "a", 10);
        ajouterAnim(s, "b", 10);
        s.ajouterAnimElem(a, 0, "", 0, 1);
        s.ajouterAnimElem(a, bras, "arme", 0, 1);
        s.setAnimation2(a, 0);
        g_services.creerScript = [this](const std::string& chemin, CSPRITE*, int declencheur, int, bool, bool) {
            scripts.push_back(chemin + "@" + std::to_string(declencheur));
            return nullptr;
        };
    }
    void lancer(const std::string& commande, const std::string& arguments)
    {
        CInterpreteurAnm::executer(s, VS{commande}, VS{arguments});
    }

    CSPRITE3 global, s;
    int a = -1;
    VS scripts;
};

} // namespace

TEST_F(Script, CommandesSurLeSousSpriteNommeParSonAE)
{
    const std::vector<std::tuple<const char*, const char*, std::function<bool()>>> cas = {
        {"setElementAnimationLink", "( arme ; 2 )", [&] { return global.getAnimation() == 2; }},
        {"setElementAnimationLink2", "( arme ; TIR )", [&] { return global.getAnimation() == 1; }},
        {"setElementAnimationLink2", "( arme ; AUCUN )", [&] { return global.getAnimation() == 1; }},
        {"setElementAnimationLinkFrame", "( arme ; 7 )", [&] { return global.getFrameCourante() == 7; }},
        {"setElementAnimationLinkArme", "( arme ; 3 )", [&] { return global.armeCourante == 3; }},
        {"setElementAnimationLinkDirection", "( arme ; -1 )", [&] { return global.miroir == -1; }},
        {"setElementAnimationLinkShadersOn", "( arme ; 0 )", [&] { return !global.bShadersTous; }},
        {"setElementAnimationLinkLoopAnimation", "( arme ; 0 )", [&] { return !global.bBoucle; }},
        {"initElementAnimationLinkViseeAuto [global]", "( arme ; 10 ; 30 ; 2.5 ; 1 )",
         [&] { return global.viseeAuto.bActif && global.viseeAuto.vitesse == 2.5f && global.viseeAuto.bBoucle; }},
        {"stopElementAnimationLinkViseeAuto [global]", "( arme )", [&] { return !global.viseeAuto.bActif; }},
        // Without an AE name the element's name stands for it; "corps" has no sub-sprite.
        {"setElementAnimationLinkArme", "( bras ; 5 )", [&] { return global.armeCourante == 3; }},
        {"setElementAnimationLinkArme", "( corps ; 5 )", [&] { return global.armeCourante == 3; }},
    };
    for (const auto& [commande, arguments, verifier] : cas) {
        lancer(commande, arguments);
        EXPECT_TRUE(verifier()) << commande << arguments;
    }
    s.animations[a]->animElems[1]->nom.clear();
    lancer("setElementAnimationLinkArme", "( bras ; 5 )");
    EXPECT_EQ(global.armeCourante, 5);

    global.setAnimation2(0, 0);
    lancer("setElementAnimationLinkShoot", "( bras ; 45 )");
    EXPECT_EQ(global.getAnimation(), 1);  // the element's third link
    EXPECT_FLOAT_EQ(global.paramsScript[0], 45);
    EXPECT_EQ(scripts, VS{"tir.scp@13"});
}

TEST_F(Script, CommandesSurLeSpriteLuiMeme)
{
    lancer("setAnimation", "( 1 )");
    lancer("setFrame", "( 4 )");
    lancer("setDirection", "( -7 )");
    EXPECT_EQ(s.getAnimation(), 1);
    EXPECT_EQ(s.getFrameCourante(), 4);
    EXPECT_EQ(s.miroir, -1);

    s.scriptTir = "mien.scp";
    lancer("shoot", "( 90 )");
    lancer("runScript", "( scripts/porte.scp )");
    EXPECT_EQ(scripts, (VS{"mien.scp@13", "scripts/porte.scp@13"}));

    VS arretes;
    g_services.arreterSon = [&](const std::string& id) { arretes.push_back(id); };
    g_services.arreterSons = [&] { arretes.push_back("*"); };
    lancer("playSound", "( boum )");
    lancer("stopSound", "( boum )");
    lancer("stopAllSounds", "( )");
    EXPECT_EQ(sons, VS{"boum"});
    EXPECT_EQ(arretes, (VS{"boum", "*"}));
}

TEST_F(Script, CommentairesArgumentsManquantsEtSeulementEnLecture)
{
    const VS commandes = {"#", "# playSound", "playSound", "setArme", "inconnue", "_enable_NextCmdsOnlyIfPlaying",
                          "playSound", "_disable_NextCmdsOnlyIfPlaying", "playSound"};
    const VS arguments = {" ", "( a )", "()", "( )", "( x )", "()", "( b )", "()", "( c )"};
    CInterpreteurAnm::executer(s, commandes, arguments);
    EXPECT_EQ(sons, VS{"c"});
    EXPECT_EQ(s.armeCourante, -1);

    sons.clear();
    s.play();
    CInterpreteurAnm::executer(s, commandes, arguments);
    EXPECT_EQ(sons, (VS{"b", "c"}));

    // The switch does not outlive its run; fewer argument texts than commands is no fault.
    sons.clear();
    s.bPlay = false;
    CInterpreteurAnm::executer(s, VS{"_enable_NextCmdsOnlyIfPlaying"}, {});
    CInterpreteurAnm::executer(s, VS{"playSound", "playSound"}, VS{"( d )"});
    EXPECT_EQ(sons, VS{"d"});
}

TEST_F(Script, BalayageDeViseeAutomatique)
{
    // One frame per degree, 0 -> 3 at one degree a tick, then playback takes over again.
    global.animations[2]->nbFramesVisee = 1;
    s.play();
    lancer("setElementAnimationLink", "( arme ; 2 )");
    lancer("initElementAnimationLinkViseeAuto [global]", "( arme ; 0 ; 3 ; 1 ; 0 )");
    std::vector<int> vues;
    for (int i = 0; i < 5; ++i) {
        s.update(nullptr, 1, 0, 0, a);
        vues.push_back(global.getFrame(2));
    }
    EXPECT_EQ(vues, (std::vector<int>{1, 2, 3, 3, 4}));

    // Looping backwards, two degrees a tick, two frames per degree.
    global.animations[2]->nbFramesVisee = 2;
    lancer("initElementAnimationLinkViseeAuto [global]", "( arme ; 4 ; 0 ; 2 ; 1 )");
    vues.clear();
    for (int i = 0; i < 4; ++i) {
        s.update(nullptr, 1, 0, 0, a);
        vues.push_back(global.getFrame(2));
    }
    EXPECT_EQ(vues, (std::vector<int>{4, 0, 8, 4}));

    // An angle far beyond the frames shows the last one.
    lancer("initElementAnimationLinkViseeAuto [global]", "( arme ; 0 ; 1e30 ; 1e30 ; 0 )");
    s.update(nullptr, 1, 0, 0, a);
    EXPECT_EQ(global.getFrame(2), 19);
}
