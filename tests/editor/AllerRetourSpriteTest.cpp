// A main-plane sprite edited only through the dialogs, saved and loaded back: every value the
// level file keeps comes back, and a further load and save writes the same bytes.
#include "animeditor/OutilsEditeur.h"
#include "level/OutilsSauvegarde.h"

#include "core/Particules.h"
#include "core/Physique.h"
#include "core/ShaderManager.h"
#include "editor/IdsSprite.h"
#include "editor/JeuDialogShaderVERT.h"
#include "editor/JeuDialogSprite.h"
#include "editor/LiensDialogues.h"
#include "gui/CPLUXControlColor.h"

namespace {

namespace ids = IdSprite;

class AllerRetourSprite : public NiveauTest {
protected:
    void SetUp() override
    {
        NiveauTest::SetUp();
        CPLUXTest::reset();
        ecrireAssetsSauvegarde();
        std::filesystem::create_directories("shaders");
        for (const char* f : {"ondulation.vert", "teinte.frag"})
            std::filesystem::copy_file(dossierData() + "/shaders/" + f, std::string("shaders/") + f);
        jeu->pShaderManager = new CShaderManager();
        installerLiensDialogues();
        ecrireFichier("decors/boite.dec", "ID=BOITE\nPLANCHE=./decors/boite.png;\nSPRITE=0;0;1;32;32;0;0\nORIGINE=16;32\n"
                                          "COLLISIONS=1\nPLAYSON=SON_BOITE;0;0\nPHYSDESTRUCTION=1;12;1;0;0;0;0;200;40;30;255\n");
        sprite = dialogueModele<CJeuDialogSprite>(ids::DIALOGUE);
        shader = dialogueModele<CJeuDialogShaderVERT>(ids::DIALOGUE_SHADER);
    }
    void TearDown() override
    {
        sprite.reset();
        shader.reset();
        NiveauTest::TearDown();
        CPLUXTest::reset();
    }
    static void taper(const char* dialogue, const char* id, const std::string& t)
    {
        ASSERT_TRUE(CPLUXTest::click(dialogue, id)) << id;
        CPLUXTest::key(sf::Keyboard::A, true);
        CPLUXTest::type(t);
    }
    void cocher(const char* id, bool etat)
    {
        if (sprite->ctrlButtonCheck(id)->isChecked() != etat) {
            ASSERT_TRUE(CPLUXTest::click(ids::DIALOGUE, id)) << id;
        }
    }
    // A uniform of the shader dialog: chosen in its list, then its inputs typed, V1 first.
    void uniforme(const char* liste, int ligne, std::vector<std::string> valeurs, const char* periode = nullptr)
    {
        shader->show();
        ASSERT_TRUE(CPLUXTest::chooseEntry(ids::DIALOGUE_SHADER, liste, ligne)) << ligne;
        const char* saisies[] = {ids::myTextInputV1, ids::myTextInputV2, ids::myTextInputV3, ids::myTextInputV4};
        for (size_t i = 0; i < valeurs.size(); ++i)
            taper(ids::DIALOGUE_SHADER, saisies[i], valeurs[i]);
        if (periode)
            taper(ids::DIALOGUE_SHADER, ids::myTextInputPhaseDiviseur, periode);
    }
    CSPRITE* charger(const std::string& fichier)
    {
        monde().chargerNiveau(fichier, 0);
        return plan(2).sprites.empty() ? nullptr : plan(2).sprites.front();
    }

    std::unique_ptr<CJeuDialogSprite> sprite;
    std::unique_ptr<CJeuDialogShaderVERT> shader;
};

} // namespace

TEST_F(AllerRetourSprite, WhatTheDialogsWriteTheLevelFileKeeps)
{
    ecrireFichier("depart.niv", "TEXTURE_DEC=./decors/boite.dec;BOITE\n\nSD=BOITE;300;400;2;16;32;0;0;1;1;1;1;0;0;0;0;"
                                "0;0;0\n");
    CSPRITE* sd = charger("depart.niv");
    ASSERT_NE(sd, nullptr);
    monde().pSDSelection = sd;
    sprite->show();
    sprite->init();
    const std::pair<const char*, const char*> saisies[] = {
        {ids::myTextInputX, "310"},      {ids::myTextInputY, "420"},      {ids::myTextInputRot, "15"},
        {ids::myTextInputRotV, "2.5"},   {ids::myTextInputRotAnim, "0.5"}, {ids::myTextInputOx, "10"},
        {ids::myTextInputOy, "20"},      {ids::myTextInputCalque, "2"},   {ids::myTextInputGroupe, "5"},
        {ids::myTextInputParam1, "3"},   {ids::myTextInputParam2, "-4"},  {ids::myTextInputParam3, "7"},
        {ids::myTextInputID, "caisse"},  {ids::myTextInputCollision, "3"}, {ids::myTextInputOmbreSX, "1.5"},
        {ids::myTextInputOmbreSY, "0.5"}, {ids::myTextInputOmbreOfX, "4"}, {ids::myTextInputOmbreOfY, "-6"},
        {ids::myTextInputOmbreRotation, "30"},
    };
    for (const auto& [id, t] : saisies)
        taper(ids::DIALOGUE, id, t);
    for (const char* id : {ids::myButtonCheckOmbre, ids::myButtonCheckOmbreAVP, ids::myButtonCheckAvantPlan,
                           ids::myButtonCheckPhysB, ids::myButtonCheckPhysE, ids::myButtonCheckPhysR,
                           ids::myButtonCheckPhysG, ids::myButtonCheckPhysP, ids::myButtonCheckPhysC,
                           ids::myButtonCheckPhysDestruction, ids::myButtonCheckPhysForce})
        cocher(id, true);
    cocher(ids::myButtonCheckDECdefaut, false);
    // Checked, they play as the reader makes them: resistance and tint, fall speed, emitter on the sprite.
    const auto joue = [](const CSPRITE& s) {
        return std::tuple(s.pPhysDestruction->resistance, int(s.pPhysDestruction->g), s.pPhysE->vitesse,
                          s.pParticules->pElementAttache == &s);
    };
    ASSERT_TRUE(sd->pPhysDestruction && sd->pPhysE && sd->pParticules);
    const auto coches = joue(*sd);
    EXPECT_EQ(coches, std::tuple(12, 40, 4, true));
    sd->colorerEnJeu(sf::Color::Red);  // a script's in play: the author's colour replaces it in the file too
    sprite->ctrlColor(ids::myColor)->changerParUtilisateur(sf::Color(200, 100, 50, 255));
    ASSERT_TRUE(CPLUXTest::chooseEntry(ids::DIALOGUE, ids::myComboBoxShaderFrag, 1));
    ASSERT_TRUE(CPLUXTest::chooseEntry(ids::DIALOGUE, ids::myComboBoxShader, 1));
    uniforme(ids::myComboBoxVarVert, 0, {"0.1", "0.2", "0.3", "0.4"});  // couleurAjoutee, vec4
    uniforme(ids::myComboBoxVarVert, 1, {"3", "0.5"}, "4");               // onde, vec2
    uniforme(ids::myComboBoxVarFrag, 0, {"1"});                          // inverser, int
    uniforme(ids::myComboBoxVarFrag, 1, {"0.25"}, "2");                   // luminosite, float
    uniforme(ids::myComboBoxVarFrag, 2, {"0.1", "0.2", "0.3"});          // teinte, vec3
    ASSERT_TRUE(monde().sauverNiveau("a.niv"));

    sd = charger("a.niv");
    ASSERT_NE(sd, nullptr);
    EXPECT_EQ(sd->x0, 310);
    EXPECT_EQ(sd->y0, 420);
    EXPECT_FLOAT_EQ(sd->rotangle, 15);
    EXPECT_FLOAT_EQ(sd->rotangle_virtuel, 2.5f);
    EXPECT_FLOAT_EQ(sd->rotationPas, 0.5f);
    // The file writes the origin, but the reader gives the sprite its definition's (16, 32).
    EXPECT_TRUE(sd->ox == 16 && sd->oy == 32) << sd->ox << ", " << sd->oy;
    EXPECT_TRUE(sd->calque == 2 && sd->groupe == 5) << sd->calque << ", " << sd->groupe;
    EXPECT_TRUE(sd->paramsScript[0] == 3 && sd->paramsScript[1] == -4 && sd->paramsScript[2] == 7);
    EXPECT_EQ(sd->strID, "caisse");
    EXPECT_EQ(sd->couleur, sf::Color(200, 100, 50, 255));
    EXPECT_TRUE(sd->bOmbre && sd->bOmbreAvantPlan && sd->bPosDansLePlan);
    EXPECT_TRUE(sd->ombreSX == 1.5f && sd->ombreSY == 0.5f && sd->ombreDX == 4 && sd->ombreDY == -6 &&
                sd->ombreRotation == 30);
    EXPECT_FALSE(sd->bDecDefaut);
    EXPECT_EQ(sd->collision, 3);
    ASSERT_TRUE(sd->bPhysB && sd->pPhysB && sd->bPhysE && sd->pPhysE && sd->bPhysR && sd->pPhysR && sd->bPhysG &&
                sd->pPhysG && sd->bPhysP && sd->pParticules && sd->bPhysC && sd->pChemin && sd->bPhysDestruction &&
                sd->pPhysDestruction && sd->pForce);
    EXPECT_EQ(joue(*sd), coches);
    EXPECT_EQ(sd->strShaderFrag, "teinte.frag");
    EXPECT_EQ(sd->strShaderVert, "ondulation.vert");
    const auto& v = sd->uniformsVert;
    const auto& f = sd->uniformsFrag;
    ASSERT_TRUE(v.count("couleurAjoutee") && v.count("onde") && f.count("inverser") && f.count("luminosite") &&
                f.count("teinte"));
    const CSPRITE::Uniform& u = v.at("couleurAjoutee");
    EXPECT_TRUE(u.fVec4X == 0.1f && u.fVec4Y == 0.2f && u.fVec4Z == 0.3f && u.fValeur == 0.4f);
    EXPECT_TRUE(v.at("onde").fVec2X == 3 && v.at("onde").fVec2Y == 0.5f && v.at("onde").fPhaseDiviseur == 4);
    EXPECT_EQ(f.at("inverser").iValeur, 1);
    EXPECT_TRUE(f.at("luminosite").fValeur == 0.25f && f.at("luminosite").fPhaseDiviseur == 2);
    EXPECT_TRUE(f.at("teinte").fVec3X == 0.1f && f.at("teinte").fVec3Y == 0.2f && f.at("teinte").fVec3Z == 0.3f);

    // Saved again, loaded again and saved: the same bytes (the first save differs by the origin).
    ASSERT_TRUE(monde().sauverNiveau("b.niv"));
    charger("b.niv");
    ASSERT_TRUE(monde().sauverNiveau("c.niv"));
    const std::string b = lireTexte("b.niv"), c = lireTexte("c.niv");
    EXPECT_EQ(b, c) << premiereDifference(b, c);
}
