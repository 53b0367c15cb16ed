// Buttons of the sprite properties dialog: shadow steps, volume, play and pause, the dialogs
// it shows; and the choice of the sprite's shaders.
#include "OutilsSprite.h"

#include <SFML/Audio/Sound.hpp>

namespace {

class Boutons : public DialoguesSprite {
protected:
    void SetUp() override
    {
        DialoguesSprite::SetUp();
        dlg().init();
    }
};

} // namespace

TEST_F(Boutons, ShadowStepsAndVolume)
{
    const struct {
        const char* bouton;
        float* champ;
        float depart;
        int fois;
        const char* saisie;
        const char* montre;
    } cas[] = {
        {ids::myButtonOmbreOfXPlus, &sd->ombreDX, 0, 3, ids::myTextInputOmbreOfX, "6"},
        {ids::myButtonOmbreOfXMoins, &sd->ombreDX, 1, 1, ids::myTextInputOmbreOfX, "-1"},
        {ids::myButtonOmbreOfYPlus, &sd->ombreDY, -4, 1, ids::myTextInputOmbreOfY, "-2"},
        {ids::myButtonOmbreOfYMoins, &sd->ombreDY, 0, 2, ids::myTextInputOmbreOfY, "-4"},
        {ids::myButtonOmbreSXPlus, &sd->ombreSX, 1, 1, ids::myTextInputOmbreSX, "1.01"},
        {ids::myButtonOmbreSXMoins, &sd->ombreSX, 0.005f, 1, ids::myTextInputOmbreSX, "-0.005"},
        {ids::myButtonOmbreSYPlus, &sd->ombreSY, 0.5f, 1, ids::myTextInputOmbreSY, "0.51"},
        {ids::myButtonOmbreSYMoins, &sd->ombreSY, 0.5f, 1, ids::myTextInputOmbreSY, "0.49"},
        {ids::myButtonOmbreRotPlus, &sd->ombreRotation, 0, 1, ids::myTextInputOmbreRotation, "0.1"},
        {ids::myButtonOmbreRotMoins, &sd->ombreRotation, 0, 1, ids::myTextInputOmbreRotation, "-0.1"},
    };
    for (const auto& c : cas) {
        *c.champ = c.depart;
        for (int i = 0; i < c.fois; ++i)
            cliquer(c.bouton);
        EXPECT_EQ(texte(c.saisie), c.montre) << c.bouton;
        EXPECT_EQ(*c.champ, tuv::stof(c.montre)) << c.bouton;
    }

    sd->idSon = "cloche";
    for (const auto& [tape, volume] : {std::pair<const char*, float>{"abc", 100}, {"150", 100}, {" 42.5", 42.5f}}) {
        saisir(ids::myTextInputVolumeSon, tape);
        cliquer(ids::myButtonVolume);
        EXPECT_FLOAT_EQ(sd->volumeSon, volume) << tape;
        EXPECT_EQ(refus(), *tape == 'a') << tape << " refused or not";
    }
    sd->idSon = "";
    saisir(ids::myTextInputVolumeSon, "10");
    cliquer(ids::myButtonVolume);
    EXPECT_FLOAT_EQ(sd->volumeSon, 10) << "a sprite without a sound takes it too, for the level file";
}

TEST_F(Boutons, PlayPauseStopsAndStartsTheGamesSound)
{
    brancherSons();
    sd->idSon = "cloche";
    sd->modeSon = 1;
    jeu->jouerSon("cloche");
    dlg().init();
    for (bool lecture : {false, true}) {
        cliquer(ids::myButtonPlayPauseSon);
        EXPECT_EQ(dlg().bSonEnLecture, lecture);
        EXPECT_EQ(jeu->sonEnCours("cloche"), lecture ? sf::Sound::Playing : sf::Sound::Stopped);
        EXPECT_EQ(ctrl(ids::myTextStatusSon)->getTextW(), lecture ? L"(lecture en cours)" : L"(son stoppé)");
    }
    sd->idSon = "";
    cliquer(ids::myButtonPlayPauseSon);
    EXPECT_TRUE(dlg().bSonEnLecture) << "without a sound id nothing happens";
    jeu->arreterSons();
}

TEST_F(Boutons, ShowButtonsWorkWithAndWithoutSelection)
{
    auto chemin = dialogueCree<CJeuDialogPhysCheminOptions>(ids::DIALOGUE_CHEMIN);
    auto effondrement = dialogueCree<CJeuDialogPhysEffondrementOptions>(ids::DIALOGUE_EFFONDREMENT);
    auto bascule = dialogueCree<CJeuDialogPhysBasculeOptions>(ids::DIALOGUE_BASCULE);
    auto force = dialogueCree<CJeuDialogPhysForceOptions>(ids::DIALOGUE_FORCE);
    auto scripts = dialogueCree<CPLUXDialog>(ids::DIALOGUE_SCRIPTS);
    const std::pair<const char*, const char*> boutons[] = {
        {ids::myButtonOptC, ids::DIALOGUE_CHEMIN},    {ids::myButtonOptE, ids::DIALOGUE_EFFONDREMENT},
        {ids::myButtonOptB, ids::DIALOGUE_BASCULE},   {ids::myButtonOptP, ids::DIALOGUE_PARTICULES},
        {ids::myButtonOptForce, ids::DIALOGUE_FORCE}, {ids::myButtonScripts, ids::DIALOGUE_SCRIPTS},
        {ids::myButtonShaderOptions, ids::DIALOGUE_SHADER},
    };
    for (bool selection : {true, false}) {
        decor->pSDSelection = selection ? sd : nullptr;
        for (const auto& [bouton, dialogue] : boutons) {
            CPLUX::hide(dialogue);
            dialSprite->show();  // on top, under the mouse
            cliquer(bouton);
            EXPECT_TRUE(CPLUX::isDialogVisible(dialogue)) << bouton << (selection ? "" : " without a selection");
        }
    }
}

TEST_F(Boutons, ShaderChoiceReadsTheFileAndAttachesTheVariables)
{
    DossierDeTravail dossier;
    std::filesystem::create_directories("shaders");
    ecrireTexte("shaders/a.frag", "uniform vec3 foo;\nuniform float Amp;\nvoid main() {}\n");
    jeu->pShaderManager = new CShaderManager();
    sd->uniformsFrag["ancienne"].strType = "float";
    sd->uniformsFrag["foo"].fVec3X = 0.7f;
    dlg().init();
    ASSERT_TRUE(CPLUXTest::chooseEntry(ids::DIALOGUE, ids::myComboBoxShaderFrag, 1));
    EXPECT_EQ(sd->strShaderFrag, "a.frag");
    ASSERT_EQ(sd->uniformsFrag.size(), 2u) << "the map is the file's";
    EXPECT_FLOAT_EQ(sd->uniformsFrag["foo"].fVec3X, 0.7f) << "the value the sprite had is lost";
    EXPECT_TRUE(sd->uniformsFrag["foo"].strType == "vec3" && sd->uniformsFrag["Amp"].strType == "float");
    EXPECT_TRUE(dialShader->pUniformsVert == &sd->uniformsVert && dialShader->pUniformsFrag == &sd->uniformsFrag);
    auto* variables = dialShader->ctrlComboBox(ids::myComboBoxVarFrag);
    EXPECT_EQ(textesDe(variables), (std::vector<std::string>{"Amp", "foo"}));
    EXPECT_EQ(variables->getTextCol2(1), "(vec3)");
    // The variables edited follow the selection: another sprite's (read from a level), then none.
    CSPRITE* autre = spriteDecor(plan(2), sd->pDEC, 300, 50);
    autre->uniformsFrag["Amp"].strType = "float";
    decor->pSDSelection = autre;
    dlg().init();
    dialShader->show();
    ASSERT_TRUE(CPLUXTest::chooseEntry(ids::DIALOGUE_SHADER, ids::myComboBoxVarFrag, 0));
    saisir(ids::DIALOGUE_SHADER, ids::myTextInputV1, "0.5");
    EXPECT_TRUE(autre->uniformsFrag["Amp"].fValeur == 0.5f && sd->uniformsFrag["Amp"].fValeur == 0)
        << "typed into the sprite selected before";
    decor->deselectionner();  // refills through the hook
    EXPECT_EQ(variables->getNbElements(), 0) << "without a selection the variables dialog shows some";
    decor->pSDSelection = sd;
    dlg().init();
    ASSERT_TRUE(CPLUXTest::chooseEntry(ids::DIALOGUE, ids::myComboBoxShaderFrag, 0));
    EXPECT_TRUE(sd->strShaderFrag.empty() && sd->uniformsFrag.empty()) << "\"(sans shader)\" empties the stage";

    // Without a selection, then without a manager, the combos change nothing.
    decor->pSDSelection = nullptr;
    ASSERT_TRUE(CPLUXTest::chooseEntry(ids::DIALOGUE, ids::myComboBoxShaderFrag, 1));
    decor->pSDSelection = sd;
    delete jeu->pShaderManager;
    jeu->pShaderManager = nullptr;
    ASSERT_TRUE(CPLUXTest::chooseEntry(ids::DIALOGUE, ids::myComboBoxShaderFrag, 0));
    ASSERT_TRUE(CPLUXTest::chooseEntry(ids::DIALOGUE, ids::myComboBoxShaderFrag, 1));
    EXPECT_TRUE(sd->strShaderFrag.empty() && sd->uniformsFrag.empty());
}
