#include "anim/InterpreteurAnm.h"

#include <gtest/gtest.h>

TEST(InterpreteurAnm, CatalogueDansLOrdreDuCombo)
{
    const auto& c = CInterpreteurAnm::catalogue();
    ASSERT_EQ(c.size(), 24u);
    EXPECT_STREQ(c.front().commande, "#");
    EXPECT_STREQ(c.back().commande, "_disable_NextCmdsOnlyIfPlaying");
    EXPECT_STREQ(c[9].commande, "initElementAnimationLinkViseeAuto [global]");
    // Every entry is found back by its exact text.
    for (const auto& e : c)
        EXPECT_EQ(CInterpreteurAnm::trouverCommande(e.commande), e.code) << e.commande;
}

TEST(InterpreteurAnm, CommandesReconnues)
{
    EXPECT_EQ(CInterpreteurAnm::trouverCommande("# un commentaire"), CommandeAnm::Commentaire);
    EXPECT_EQ(CInterpreteurAnm::trouverCommande("  setFrame "), CommandeAnm::SetFrame);
    // The suffix is part of the name.
    EXPECT_EQ(CInterpreteurAnm::trouverCommande("initElementAnimationLinkViseeAuto"), CommandeAnm::Inconnue);
    EXPECT_EQ(CInterpreteurAnm::trouverCommande("setframe"), CommandeAnm::Inconnue);
    EXPECT_EQ(CInterpreteurAnm::trouverCommande(""), CommandeAnm::Inconnue);
}

TEST(InterpreteurAnm, DecoupageDesArguments)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(CInterpreteurAnm::decouperArguments("( bras ; 3 )"), (V{"bras", "3"}));
    EXPECT_EQ(CInterpreteurAnm::decouperArguments("(a;;2.5)"), (V{"a", "", "2.5"}));
    EXPECT_EQ(CInterpreteurAnm::decouperArguments("  7  "), (V{"7"}));
    EXPECT_TRUE(CInterpreteurAnm::decouperArguments("()").empty());
    EXPECT_TRUE(CInterpreteurAnm::decouperArguments("( )").empty());
    EXPECT_TRUE(CInterpreteurAnm::decouperArguments("").empty());
    EXPECT_EQ(CInterpreteurAnm::decouperArguments("("), V{});
}

// ------------------------------------------------------------------------------ running scripts

#include "LectureOutilsTest.h"
#include "core/TuvFile.h"
#include "support/Outils.h"

namespace {

// A sprite whose animation shows two elements: "bras" (AE named "arme") linked to a shared
// global animation with three animations and a state, and "corps" without sub-sprite.
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

        const int bras = ajouterElementSansFeuille(s, "bras");
        ajouterElementSansFeuille(s, "corps");
        s.elements[bras]->pSpriteLie = &global;
        s.elements[bras]->lienAnim[2] = 1;
        a = ajouterAnim(s, "a", 10);
        ajouterAnim(s, "b", 10);
        s.ajouterAnimElem(a, 1, "", 0, 1);
        s.ajouterAnimElem(a, bras, "arme", 0, 1);
        s.setAnimation2(a, 0);
        g_services.creerScript = [this](const std::string& chemin, CSPRITE*, int declencheur, int, bool, bool) {
            scripts.push_back(chemin + "@" + std::to_string(declencheur));
            return nullptr;
        };
    }
    void lancer(const std::string& commande, const std::string& arguments)
    {
        CInterpreteurAnm::executer(s, std::vector<std::string>{commande}, std::vector<std::string>{arguments});
    }

    CSPRITE3 global, s;
    int a = -1;
    std::vector<std::string> scripts;
};

} // namespace

TEST_F(Script, CommandesSurLeSousSpriteNommeParSonAE)
{
    lancer("setElementAnimationLink", "( arme ; 2 )");
    EXPECT_EQ(global.getAnimation(), 2);
    lancer("setElementAnimationLink2", "( arme ; TIR )");
    EXPECT_EQ(global.getAnimation(), 1);
    lancer("setElementAnimationLink2", "( arme ; INCONNU )");  // no such state: left as it is
    EXPECT_EQ(global.getAnimation(), 1);
    lancer("setElementAnimationLinkFrame", "( arme ; 7 )");
    EXPECT_EQ(global.getFrameCourante(), 7);
    lancer("setElementAnimationLinkArme", "( arme ; 3 )");
    EXPECT_EQ(global.armeCourante, 3);
    lancer("setElementAnimationLinkDirection", "( arme ; -1 )");
    EXPECT_EQ(global.miroir, -1);
    lancer("setElementAnimationLinkShadersOn", "( arme ; 0 )");
    EXPECT_FALSE(global.bShadersTous);
    lancer("setElementAnimationLinkLoopAnimation", "( arme ; 0 )");
    EXPECT_FALSE(global.bBoucle);

    global.setAnimation2(0, 0);
    lancer("setElementAnimationLinkShoot", "( arme ; 45 )");
    EXPECT_EQ(global.getAnimation(), 1);  // the element's third link
    EXPECT_FLOAT_EQ(global.paramsScript[0], 45);
    EXPECT_EQ(scripts, std::vector<std::string>{"tir.scp@13"});

    lancer("initElementAnimationLinkViseeAuto [global]", "( arme ; 10 ; 30 ; 2.5 ; 1 )");
    EXPECT_TRUE(global.viseeAuto.bActif);
    EXPECT_FLOAT_EQ(global.viseeAuto.vitesse, 2.5f);
    EXPECT_FLOAT_EQ(global.viseeAuto.angleArrivee, 30);
    EXPECT_TRUE(global.viseeAuto.bBoucle);
    lancer("stopElementAnimationLinkViseeAuto [global]", "( arme )");
    EXPECT_FALSE(global.viseeAuto.bActif);
}

TEST_F(Script, ElementTrouveParSonNomSansNomDAE)
{
    s.animations[a]->animElems[1]->nom.clear();
    lancer("setElementAnimationLink", "( bras ; 2 )");
    EXPECT_EQ(global.getAnimation(), 2);
    // An element without sub-sprite, or a name nobody has: nothing happens.
    lancer("setElementAnimationLinkArme", "( corps ; 4 )");
    lancer("setElementAnimationLinkArme", "( personne ; 4 )");
    EXPECT_EQ(global.armeCourante, -1);
    EXPECT_EQ(s.armeCourante, -1);
}

TEST_F(Script, CommandesSurLeSpriteLuiMeme)
{
    lancer("setAnimation", "( 1 )");
    EXPECT_EQ(s.getAnimation(), 1);
    lancer("setFrame", "( 4 )");
    EXPECT_EQ(s.getFrameCourante(), 4);
    lancer("setDirection", "( -1 )");
    EXPECT_EQ(s.miroir, -1);
    lancer("setArme", "( 2 )");
    EXPECT_EQ(s.armeCourante, 2);
    lancer("setShadersOn", "( 0 )");
    EXPECT_FALSE(s.bShadersTous);
    lancer("setLoopAnimation", "( 0 )");
    EXPECT_FALSE(s.bBoucle);
    s.scriptTir = "mien.scp";
    lancer("shoot", "( 90 )");
    lancer("runScript", "( scripts/porte.scp )");
    EXPECT_EQ(scripts, (std::vector<std::string>{"mien.scp@13", "scripts/porte.scp@13"}));
    EXPECT_FLOAT_EQ(s.paramsScript[0], 90);

    int arrets = 0;
    std::vector<std::string> arretes;
    g_services.arreterSon = [&](const std::string& id) { arretes.push_back(id); };
    g_services.arreterSons = [&] { arrets++; };
    lancer("playSound", "( boum )");
    lancer("stopSound", "( boum )");
    lancer("stopAllSounds", "( )");
    EXPECT_EQ(sons, std::vector<std::string>{"boum"});
    EXPECT_EQ(arretes, std::vector<std::string>{"boum"});
    EXPECT_EQ(arrets, 1);
}

TEST_F(Script, CommentairesArgumentsManquantsEtSeulementEnLecture)
{
    const std::vector<std::string> commandes = {"#",
                                                "# playSound",
                                                "playSound",
                                                "setArme",
                                                "inconnue",
                                                "_enable_NextCmdsOnlyIfPlaying",
                                                "playSound",
                                                "_disable_NextCmdsOnlyIfPlaying",
                                                "playSound"};
    const std::vector<std::string> arguments = {" ", "( a )", "()", "( )", "( x )", "()", "( b )", "()", "( c )"};
    s.bPlay = false;
    CInterpreteurAnm::executer(s, commandes, arguments);
    EXPECT_EQ(sons, std::vector<std::string>{"c"});
    EXPECT_EQ(s.armeCourante, -1);

    sons.clear();
    s.bPlay = true;
    CInterpreteurAnm::executer(s, commandes, arguments);
    EXPECT_EQ(sons, (std::vector<std::string>{"b", "c"}));

    // The switch does not outlive its run; fewer argument texts than commands is no fault.
    sons.clear();
    s.bPlay = false;
    CInterpreteurAnm::executer(s, std::vector<std::string>{"_enable_NextCmdsOnlyIfPlaying"}, {});
    CInterpreteurAnm::executer(s, std::vector<std::string>{"playSound", "playSound"}, {"( d )"});
    EXPECT_EQ(sons, std::vector<std::string>{"d"});
}

TEST_F(Script, VirgulesDecimalesRelues)
{
    DossierTemp dossier;
    const std::string chemin = dossier / "script.anm";
    CScriptAnm ecrit;
    ecrit.commandes = {"initElementAnimationLinkViseeAuto [global]"};
    ecrit.arguments = {"( arme ; 0 ; 90 ; 1,5 ; 0 )"};
    {
        CTUVFile f;
        ASSERT_TRUE(f.open(chemin, true));
        ecrit.ecrire(f, "KF_SCP");
        f.close();
    }
    CScriptAnm lu;
    CTUVFile f;
    ASSERT_TRUE(f.open(chemin, false));
    ASSERT_EQ(f.getKey(), "KF_SCP");
    lu.charger(f);
    CInterpreteurAnm::executer(s, lu);
    EXPECT_FLOAT_EQ(global.viseeAuto.vitesse, 1.5f);
    EXPECT_FLOAT_EQ(global.viseeAuto.angleArrivee, 90);
}

TEST_F(Script, BalayageDeViseeAutomatique)
{
    // The global sprite's aim animation: one frame per degree, swept 0 -> 3 at 1 degree a tick.
    global.setAnimation2(2, 0);
    global.animations[2]->nbFramesVisee = 1;
    s.play();
    lancer("initElementAnimationLinkViseeAuto [global]", "( arme ; 0 ; 3 ; 1 ; 0 )");
    lancer("setElementAnimationLink", "( arme ; 2 )");
    std::vector<int> vues;
    for (int i = 0; i < 5; ++i) {
        s.update(nullptr, 1, 0, 0, a);
        vues.push_back(global.getFrame(2));
    }
    EXPECT_EQ(vues, (std::vector<int>{1, 2, 3, 3, 4}));  // then playback takes over again
    EXPECT_FALSE(global.viseeAuto.bActif);

    // Looping, backwards, two degrees a tick over two frames per degree.
    global.animations[2]->nbFramesVisee = 2;
    lancer("initElementAnimationLinkViseeAuto [global]", "( arme ; 4 ; 0 ; 2 ; 1 )");
    vues.clear();
    for (int i = 0; i < 4; ++i) {
        s.update(nullptr, 1, 0, 0, a);
        vues.push_back(global.getFrame(2));
    }
    EXPECT_EQ(vues, (std::vector<int>{4, 0, 8, 4}));
}
