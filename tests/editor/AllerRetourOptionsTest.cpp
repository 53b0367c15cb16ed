// Behaviours set up only through the dialogs, saved with the level and read back: every value
// the level file holds comes back, and a second load and save gives the same bytes.
#include "OutilsOptions.h"

#include "level/OutilsSauvegarde.h"
#include "script/ScriptEngine.h"

namespace {

namespace idc = IdSprite::Chemin;

class AllerRetour : public DialoguesOptions {
protected:
    void SetUp() override
    {
        DialoguesOptions::SetUp();
        jeu->pscriptEngineJeu = jeu->pscriptEngine = decor->pMoteur = new CScriptEngine();
        peindre("decors/dalle.png", 64, 16);
        ecrireFichier("decors/dalle.dec", "ID=DALLE\nPLANCHE=./decors/dalle.png;\nSPRITE=0;0;1;64;16;0;0\n");
        ecrireScript("scripts/force.scp");
        ecrireScript("scripts/fermeture.scp");
        std::string niveau = "TEXTURE_DEC=./decors/dalle.dec;DALLE\n";
        for (int i = 0; i < 7; ++i)
            niveau += "SD=DALLE;" + std::to_string(100 + 150 * i) + ";300;2;0;0;0;0;1;1;1;1;0;0;0;0;0;0;0\n";
        ecrireFichier("n.niv", niveau);
        decor->chargerNiveau("n.niv", 0);
    }
    void TearDown() override
    {
        fermerBoites();
        DialoguesOptions::TearDown();
    }
    // Sprite i of the main plane, selected, with the behaviour of that check switched on.
    CSPRITE& choisir(int i, const char* comportement)
    {
        auto it = plan(2).sprites.begin();
        std::advance(it, i);
        decor->pSDSelection = *it;
        dlg().init();
        cliquerDans(dlg(), comportement);  // its options dialog follows at once
        return **it;
    }
    void saisirTout(CPLUXDialog& d, const std::vector<std::pair<const char*, const char*>>& saisies)
    {
        for (const auto& [id, texte] : saisies)
            saisirDans(d, id, texte);
    }
    DossierDeTravail dossier;
};

} // namespace

TEST_F(AllerRetour, WhatTheDialogsSetComesBackFromTheFile)
{
    CSPRITE& emetteur = choisir(0, ids::myButtonCheckPhysP);
    for (const SaisieParticules& t : SAISIES_PARTICULES)
        saisirDans(*dialParticules, t.id, t.texte);
    for (const char* c : {idp::myButtonCheckTexture, idp::myButtonCheckCollisionAlea, idp::myButtonCheckAngleAlea,
                          idp::myButtonCheckAlphaDec, idp::myButtonCheckPause, idp::myButtonCheckEmetteurVisible,
                          idp::myButtonCheckVariationTaille, idp::myButtonCheckTailleAlea, idp::myButtonCheckRotDirection,
                          idp::myButtonCheckForcesExterieures, idp::myButtonCheckNoCalcCollision,
                          idp::myButtonCheckNoDrawPause, idp::myButtonCheckNoCalcPause})
        cliquerDans(*dialParticules, c);
    const std::string particules = emetteur.pParticules->texte49();

    choisir(1, ids::myButtonCheckPhysE);
    EXPECT_EQ(texteDe(*dialEffondrement, IdSprite::Effondrement::myTextInputVitesse), "4")
        << "shown once checked, with the speed a loaded platform falls at";
    saisirDans(*dialEffondrement, IdSprite::Effondrement::myTextInputHauteur, "75");
    choisir(2, ids::myButtonCheckPhysE);
    saisirDans(*dialEffondrement, IdSprite::Effondrement::myTextInputHauteur, "40");
    cliquerDans(*dialEffondrement, IdSprite::Effondrement::myButtonCheckHauteurAuto);

    // Three key points where the sprite is put; the second captured, the third applied.
    CSPRITE& kp = choisir(3, ids::myButtonCheckPhysC);
    for (float x : {100.0f, 180.0f, 260.0f}) {
        kp.x = x, kp.y = x / 2;
        cliquerDans(*dialChemin, idc::myButtonNouveau);
    }
    cliquerDans(*dialChemin, idc::myButtonD);
    cliquerDans(*dialChemin, idc::myButtonD);
    saisirTout(*dialChemin, {{idc::myTextInputV, "2"}, {idc::myTextInputVS, "0.5"}, {idc::myTextInputVR, "3"},
                             {idc::myTextInputVC, "4"}});
    kp.setFlip(true, false);
    cliquerDans(*dialChemin, idc::myButtonMAJ);
    for (int i = 0; i < 3; ++i)
        cliquerDans(*dialChemin, idc::myButtonD);
    saisirTout(*dialChemin, {{idc::myTextInputSx, "1.5"}, {idc::myTextInputCR, "20"}, {idc::myTextInputVGlobale, "1.25"},
                             {idc::myTextInputVGlobaleC, "7"}, {idc::myTextInputVGlobaleS, "0.25"},
                             {idc::myTextInputVGlobaleR, "0.375"}});
    cliquerDans(*dialChemin, idc::myButtonKPOK);
    cliquerDans(*dialChemin, idc::myButtonCheckB);

    choisir(4, ids::myButtonCheckPhysC);
    cliquerDans(*dialChemin, idc::myButtonCheckAnimationPlateforme);
    saisirTout(*dialChemin, {{idc::myTextInputDepH, "30"}, {idc::myTextInputDepV, "-60"}, {idc::myTextInputDepVitesse, "3"}});

    namespace idb = IdSprite::Bascule;
    choisir(5, ids::myButtonCheckPhysB);
    saisirTout(*dialBascule, {{idb::myTextInputPivot, "12"}, {idb::myTextInputLargeurPivot, "4"},
                              {idb::myTextInputButeeGauche, "20"}, {idb::myTextInputButeeDroite, "25"},
                              {idb::myTextInputVitesseRot, "2.5"}, {idb::myTextInputPoidsBascule, "6"},
                              {idb::myTextInputCPG, "7"}, {idb::myTextInputCPD, "8"}});
    cliquerDans(*dialBascule, idb::myButtonOk);

    namespace idf = IdSprite::Force;
    choisir(6, ids::myButtonCheckPhysForce);
    EXPECT_EQ(texteDe(*dialForce, idf::myTextInputRayonAttraction), "500") << "shown once checked";
    saisirTout(*dialForce, {{idf::myTextInputCycleMax, "90"}, {idf::myTextInputCycleMin, "30"},
                            {idf::myTextInputDureeMax, "20"}, {idf::myTextInputDureeMin, "10"},
                            {idf::myTextInputForceX, "1.5"}, {idf::myTextInputForceY, "-2.5"},
                            {idf::myTextInputScript, "scripts/force.scp"},
                            {idf::myTextInputScriptFermeture, "scripts/fermeture.scp"}, {idf::myTextInputButeeX, "3"},
                            {idf::myTextInputButeeY, "4"}, {idf::myTextInputMaxButeeX, "5"},
                            {idf::myTextInputMaxButeeY, "6"}, {idf::myTextInputModifAngleMax, "0.125"},
                            {idf::myTextInputRayonAttraction, "300"}, {idf::myTextInputRayonAttracteur, "40"},
                            {idf::myTextInputEcartAngle, "15"}, {idf::myTextInputAccelerationDistance, "0.5"}});
    for (const char* c : {idf::myButtonCheckCePlan, idf::myButtonCheckForceActive, idf::myButtonCheckSpriteVisible,
                          idf::myButtonCheckForceAjout, idf::myButtonCheckInvSensX, idf::myButtonCheckInvSensY,
                          idf::myButtonCheckAttracteur, idf::myButtonCheckAccelDistance, idf::myButtonCheckModForceActif,
                          idf::myButtonCheckDisparitionImpact})
        cliquerDans(*dialForce, c);

    ASSERT_TRUE(decor->sauverNiveau("A.niv"));
    decor->chargerNiveau("A.niv", 0);
    std::vector<CSPRITE*> s(plan(2).sprites.begin(), plan(2).sprites.end());
    ASSERT_EQ(s.size(), 7u);
    ASSERT_TRUE(s[0]->pParticules && s[1]->pPhysE && s[2]->pPhysE && s[3]->pChemin && s[4]->pChemin && s[5]->pPhysB &&
                s[6]->pForce);
    EXPECT_EQ(s[0]->pParticules->texte49(), particules);
    EXPECT_TRUE(s[1]->pPhysE->hauteur == 75 && s[1]->pPhysE->bHauteurAuto);
    EXPECT_TRUE(s[2]->pPhysE->hauteur == 40 && !s[2]->pPhysE->bHauteurAuto);
    const CChemin& c = *s[3]->pChemin;
    ASSERT_EQ(c.nbKP, 3);
    const CAncrageKP &k1 = *c.getKP(1), &k2 = *c.getKP(2);
    EXPECT_TRUE(c.modeParcours == 2 && c.vGlobale == 1.25f && c.vGlobaleC == 7 && c.vGlobaleS == 0.25f &&
                c.vGlobaleR == 0.375f);
    EXPECT_TRUE(k1.pAncre->x == 180 && k1.v == 2 && k1.vs == 0.5f && k1.vr == 3 && k1.vc == 4 && k1.flipH == 1);
    EXPECT_TRUE(k2.pAncre->y == 130 && k2.sx == 1.5f && k2.r == 20 && k2.v == -1);
    EXPECT_TRUE(s[4]->pChemin->typeAnimation == 1 && s[4]->pChemin->depH == 30 && s[4]->pChemin->depV == -60 &&
                s[4]->pChemin->depVitesse == 3);
    const CPhysBascule& b = *s[5]->pPhysB;
    EXPECT_TRUE(b.pivot == 12 && b.largeurPivot == 4 && b.buteeGauche == 20 && b.buteeDroite == 25 &&
                b.vitesseRot == 2.5f && b.poidsBascule == 6 && b.cpg == 7 && b.cpd == 8);
    const CForceSD& f = *s[6]->pForce;
    EXPECT_TRUE(f.CycleMax == 90 && f.CycleMin == 30 && f.DureeMax == 20 && f.DureeMin == 10 && f.ForceX == 1.5f &&
                f.ForceY == -2.5f && f.ButeeX == 3 && f.MaxButeeY == 6 && f.ModifAngleMax == 0.125f &&
                f.RayonAttraction == 300 && f.RayonAttracteur == 40 && f.EcartAngle == 15 &&
                f.AccelerationDistance == 0.5f);
    EXPECT_TRUE(f.portee == 2 && f.modeForce == 2 && f.ForceActive && f.SpriteVisible && f.InvSensX && f.InvSensY &&
                f.Attracteur && f.AccelDistance && !f.ModForceActif && f.DisparitionImpact);
    ASSERT_TRUE(f.pScript && f.pScriptFermeture);
    EXPECT_EQ(f.pScript->strFichier, "scripts/force.scp");
    EXPECT_EQ(f.pScriptFermeture->strFichier, "scripts/fermeture.scp");

    ASSERT_TRUE(decor->sauverNiveau("B.niv"));
    const std::string a = lireTexte("A.niv"), b2 = lireTexte("B.niv");
    EXPECT_EQ(a, b2) << premiereDifference(a, b2);
}
