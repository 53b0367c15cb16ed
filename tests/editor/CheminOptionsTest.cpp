// The key-point path options: the fill with and without a selected key point, the checks,
// the six buttons, and the refresh that the running path asks for.
#include "OutilsOptions.h"

#include "gui/CPLUX.h"

namespace {

namespace idc = IdSprite::Chemin;

class Chemin : public DialoguesOptions {
protected:
    void SetUp() override
    {
        DialoguesOptions::SetUp();
        sd->bPhysC = true;
        sd->pChemin = new CChemin();
    }
    CChemin& c() { return *sd->pChemin; }
    // n key points at x = 100, 200, ... (the anchors have no bank: no definition hook).
    void points(int n)
    {
        const float x = sd->x;
        for (int i = 0; i < n; ++i) {
            sd->x = 100.0f * (i + 1);
            c().ajouterKP(sd);
        }
        sd->x = x;
    }
    std::string compteur() const { return texteDe(*dialChemin, idc::myTextNum); }
    void presser(const char* id) { cliquerDans(*dialChemin, id); }
};

} // namespace

TEST_F(Chemin, TheFillShowsThePathAndItsSelectedKeyPoint)
{
    points(3);
    CAncrageKP& kp = *c().getKP(1);
    kp.sx = 1.5f, kp.r = 7, kp.vc = 2.5f, kp.flipV = 1, kp.pAncre->rotangle = 30;
    c().numKP = 1, c().typeAnimation = 1, c().depH = 12, c().vGlobaleS = 0.25f, c().nbChemin = 4;
    c().modeParcours = 7, c().bAfficherChemin = false, c().bPause = true;
    dialChemin->init();
    const std::pair<const char*, const char*> textes[] = {
        {idc::myTextNum, "2 / 3"}, {idc::myTextInputSx, "1.5"}, {idc::myTextInputR, "30"},
        {idc::myTextInputCR, "7"}, {idc::myTextInputVC, "2.5"}, {idc::myTextInputV, "-1"},
        {idc::myTextInputDepH, "12"}, {idc::myTextInputDepV, "100"}, {idc::myTextInputVGlobaleS, "0.25"},
        {idc::myTextInputNBChemin, "4"},
    };
    for (const auto& [id, t] : textes)
        EXPECT_EQ(texteDe(*dialChemin, id), t) << id;
    const std::pair<const char*, bool> cases[] = {
        {idc::myButtonCheckAnimationKP, false}, {idc::myButtonCheckAnimationPlateforme, true},
        {idc::myButtonCheckFV, true}, {idc::myButtonCheckFH, false}, {idc::myButtonCheckB, true},
        {idc::myButtonCheckAR, false}, {idc::myButtonCheck, false}, {idc::myButtonCheckPause, true},
    };
    for (const auto& [id, coche] : cases)
        EXPECT_EQ(cocheDe(*dialChemin, id), coche) << id;

    // No key point selected: only the types, the platform, the display and the pause.
    c().numKP = -1, c().depV = 5, c().vGlobaleS = 9, c().typeAnimation = 0;
    dialChemin->init();
    EXPECT_EQ(texteDe(*dialChemin, idc::myTextInputDepV), "5");
    EXPECT_TRUE(cocheDe(*dialChemin, idc::myButtonCheckAnimationKP));
    EXPECT_EQ(texteDe(*dialChemin, idc::myTextInputVGlobaleS), "0.25");
    EXPECT_EQ(compteur(), "2 / 3");

    // The flag off or nothing selected: the reset, the global speeds as they were.
    for (bool selection : {true, false}) {
        sd->bPhysC = !selection;
        decor->pSDSelection = selection ? sd : nullptr;
        dialChemin->init();
        EXPECT_EQ(compteur(), IdSprite::COMPTEUR_INCONNU);
        EXPECT_EQ(texteDe(*dialChemin, idc::myTextInputVS), "-1");
        EXPECT_EQ(texteDe(*dialChemin, idc::myTextInputCA), "0");
        EXPECT_EQ(texteDe(*dialChemin, idc::myTextInputDepV), "0");
        EXPECT_EQ(texteDe(*dialChemin, idc::myTextInputVGlobaleS), "0.25");
        EXPECT_FALSE(cocheDe(*dialChemin, idc::myButtonCheckAnimationKP) || cocheDe(*dialChemin, idc::myButtonCheckB));
    }
}

TEST_F(Chemin, ChecksAndInputsWriteThePathAtOnce)
{
    points(2);
    c().numKP = 0;
    dialChemin->init();
    // Grouped boxes write their value whatever their new state.
    basculer(*dialChemin, idc::myButtonCheckAS, false);
    EXPECT_EQ(c().modeParcours, 1);
    basculer(*dialChemin, idc::myButtonCheckAnimationPlateforme, false);
    EXPECT_EQ(c().typeAnimation, 1);
    cliquerDans(*dialChemin, idc::myButtonCheckB);
    EXPECT_EQ(c().modeParcours, 2);
    cliquerDans(*dialChemin, idc::myButtonCheckFH);
    EXPECT_EQ(c().getKP(0)->flipH, 1);
    cliquerDans(*dialChemin, idc::myButtonCheck);
    EXPECT_FALSE(c().bAfficherChemin);
    saisirDans(*dialChemin, idc::myTextInputDepVitesse, "- 3x");
    EXPECT_EQ(c().depVitesse, -3);

    // "Pause tous" pauses every path of the five planes, flags off too, without a selection.
    std::vector<CSPRITE*> autres;
    CDEC* banqueK = banqueCouleur(*decor, "k", 4, 4, BLEU);
    for (int n = 0; n < 5; ++n) {
        autres.push_back(spriteDecor(plan(n), banqueK, 0, 0));
        autres.back()->pChemin = new CChemin();
    }
    decor->pSDSelection = nullptr;
    cliquerDans(*dialChemin, idc::myButtonCheckPauseAll);
    for (CSPRITE* s : autres)
        EXPECT_TRUE(s->pChemin->bPause) << "plane " << s->plan;
    EXPECT_TRUE(c().bPause);
    EXPECT_FALSE(cocheDe(*dialChemin, idc::myButtonCheckPause)) << "refreshed only by the next fill";
}

TEST_F(Chemin, KeyPointButtons)
{
    presser(idc::myButtonD);
    EXPECT_EQ(c().numKP, 0) << "an empty path";
    EXPECT_EQ(compteur(), IdSprite::COMPTEUR_INCONNU);
    for (int i = 0; i < 4; ++i) {
        sd->x = 100.0f * (i + 1);
        presser(idc::myButtonNouveau);
        ASSERT_EQ(c().nbKP, i + 1);
        const CAncrageKP& kp = *c().getKP(i);
        EXPECT_TRUE(kp.pAncre->x == sd->x && kp.v == -1 && kp.vc == -1) << "key point " << i;
        EXPECT_TRUE(c().numKP == -1 && c().bPause) << "key point " << i;
    }

    // sens 0: "D" walks forward and wraps, "G" back from the first to the last.
    const struct {
        int sens, depuis;
        const char* bouton;
        int numKP;
        const char* compteur;
    } pas[] = {
        {0, 3, idc::myButtonD, 0, "1 / 4"}, {0, 0, idc::myButtonG, 3, "4 / 4"}, {0, -1, idc::myButtonG, 3, "4 / 4"},
        {1, 2, idc::myButtonG, 3, "4 / 4"}, {1, 3, idc::myButtonG, 0, "1 / 4"}, {1, 1, idc::myButtonD, 0, "1 / 4"},
        {5, 0, idc::myButtonD, 3, "4 / 4"},
    };
    for (const auto& p : pas) {
        c().sens = p.sens, c().numKP = p.depuis, c().bPause = false;
        presser(p.bouton);
        EXPECT_EQ(c().numKP, p.numKP) << p.bouton << " from " << p.depuis << " with sens " << p.sens;
        EXPECT_EQ(compteur(), p.compteur) << p.bouton << " from " << p.depuis;
        EXPECT_TRUE(c().bPause);
    }

    // Apply: typed values into key point 3 and the path; truncated colours; no refill.
    saisirDans(*dialChemin, idc::myTextInputCR, "12.9");
    saisirDans(*dialChemin, idc::myTextInputCG, "-0.5");
    saisirDans(*dialChemin, idc::myTextInputVGlobale, "2");
    presser(idc::myButtonKPOK);
    EXPECT_EQ(c().getKP(3)->r, 12);
    EXPECT_EQ(c().getKP(3)->g, 0);
    EXPECT_EQ(c().vGlobale, 2);
    EXPECT_EQ(c().numKP, -1);
    EXPECT_EQ(compteur(), "4 / 4");
    saisirDans(*dialChemin, idc::myTextInputVGlobale, "5");
    presser(idc::myButtonKPOK);
    EXPECT_EQ(c().vGlobale, 2) << "no key point selected";

    // Delete: the selected key point goes; with none selected nothing goes.
    c().numKP = 0;
    presser(idc::myButtonSuppr);
    presser(idc::myButtonSuppr);
    EXPECT_EQ(c().nbKP, 3);
    EXPECT_EQ(c().getKP(0)->pAncre->x, 200);
    cliquerDans(*dialChemin, idc::myButtonCheckFV);
    EXPECT_EQ(c().getKP(0)->flipV, 0) << "flip without a selected key point";

    // Without a path object every button does nothing.
    delete sd->pChemin;
    sd->pChemin = nullptr;
    for (const char* b : {idc::myButtonG, idc::myButtonD, idc::myButtonSuppr, idc::myButtonNouveau,
                          idc::myButtonMAJ, idc::myButtonKPOK})
        presser(b);
    EXPECT_EQ(sd->pChemin, nullptr);
}

TEST_F(Chemin, TheRunningPathRefreshesAroundTheTypedInputs)
{
    g_services.devMode = [] { return true; };
    points(3);
    c().getKP(1)->r = 40;
    dialChemin->show();
    // Shown only: no typing. Typed: kept while the path runs, until "OK point".
    for (const char* id : {idc::myTextInputNBChemin, idc::myTextInputX, idc::myTextInputY, idc::myTextInputR}) {
        saisirDans(*dialChemin, id, "77");
        EXPECT_EQ(texteDe(*dialChemin, id), "0") << id << " took typing, which changes nothing";
    }
    const std::pair<const char*, const char*> tapes[] = {
        {idc::myTextInputSx, "2"}, {idc::myTextInputVGlobale, "3"}, {idc::myTextInputV, "7"}};
    for (const auto& [id, t] : tapes)
        saisirDans(*dialChemin, id, t);
    ASSERT_EQ(CPLUX::getKeyboardFocus(), dialChemin->getControl(idc::myTextInputV));
    // The path sets out from key point 0 to 1, then, once there, to 2.
    for (int i = 0; i < 2000 && c().numKP < 1; ++i)
        c().maj(0, 0, sd);
    c().maj(0, 0, sd);
    EXPECT_EQ(compteur(), "2 / 3");
    EXPECT_EQ(texteDe(*dialChemin, idc::myTextInputCR), "40");
    for (const auto& [id, t] : tapes)
        EXPECT_EQ(texteDe(*dialChemin, id), t) << id << ": typed, then replaced by the running path";

    // Anchors without bank are drawn with the path.
    c().dessiner(scene(), 0, 0);
}
