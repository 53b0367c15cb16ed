// The shader variables dialog: the choice of a variable by type, typed values into the chosen
// map, the detached dialog, and what a typed value does to the drawn sprite.
#include "OutilsSprite.h"

#include <SFML/Graphics/Shader.hpp>

#include <iostream>

namespace {

using U = CSPRITE::Uniform;
const char* const V[4] = {ids::myTextInputV1, ids::myTextInputV2, ids::myTextInputV3, ids::myTextInputV4};

class Variables : public DialoguesSprite {
protected:
    void SetUp() override
    {
        DialoguesSprite::SetUp();
        dialShader->show();
        for (const char* t : {"float", "int", "vec2", "vec3", "vec4"})
            vert[t].strType = t;  // rows 0 to 4
        vert["z"].strType = "mat4";
        vert["float"].fValeur = 1.5f;
        vert["int"].iValeur = 7;
        vert["vec2"].fVec2X = 1, vert["vec2"].fVec2Y = 2;
        vert["vec3"].fVec3X = 1, vert["vec3"].fVec3Y = 2, vert["vec3"].fVec3Z = 3;
        vert["vec4"].fVec4X = 1, vert["vec4"].fVec4Y = 2, vert["vec4"].fVec4Z = 3, vert["vec4"].fValeur = 4;
        frag["float"].strType = "float";
        dialShader->pUniformsVert = &vert;
        dialShader->pUniformsFrag = &frag;
        dialShader->init();
    }
    void choisir(int ligne, const char* combo = ids::myComboBoxVarVert)
    {
        ASSERT_TRUE(CPLUXTest::chooseEntry(ids::DIALOGUE_SHADER, combo, ligne)) << ligne;
    }
    void taper(const char* id, const std::string& t) { saisir(ids::DIALOGUE_SHADER, id, t); }
    CPLUXControl* c(const char* id) const { return dialShader->getControl(id); }

    CSPRITE::Uniforms vert, frag;
};

} // namespace

TEST_F(Variables, TheChoiceShowsTheInputsOfItsType)
{
    const std::vector<std::string> montres[] = {{"1.5"}, {"7"}, {"1", "2"}, {"1", "2", "3"}, {"1", "2", "3", "4"}};
    for (int ligne = 0; ligne < 5; ++ligne) {
        choisir(ligne);
        const std::string type = c(ids::myTextVType)->getText();
        EXPECT_EQ(c(ids::myTextNomVar)->getText(), type) << ligne;
        for (size_t i = 0; i < 4; ++i) {
            const bool visible = i < montres[ligne].size();
            EXPECT_EQ(c(V[i])->isVisible(), visible) << type << " V" << i + 1;
            EXPECT_EQ(c(V[i])->getLibelle()->isVisible(), visible) << type << " caption of V" << i + 1;
            if (visible) {
                EXPECT_EQ(c(V[i])->getText(), montres[ligne][i]) << type << " V" << i + 1;
            }
        }
    }
    EXPECT_FLOAT_EQ(vert["vec4"].fValeur, 4) << "showing a value changed it";

    // A type the dialog does not know: name, type and period; the inputs as they were.
    vert["z"].fPhaseDiviseur = 3;
    choisir(5);
    EXPECT_EQ(c(ids::myTextVType)->getText(), "mat4");
    EXPECT_EQ(c(ids::myTextInputPhaseDiviseur)->getText(), "3");
    EXPECT_TRUE(c(ids::myTextInputV4)->isVisible() && c(ids::myTextInputV4)->getText() == "4");
    taper(ids::myTextInputV1, "9");
    EXPECT_TRUE(vert["z"].fValeur == 0 && vert["z"].fVec4X == 0) << "an unknown type took a value";
}

TEST_F(Variables, TypedValuesGoIntoTheChosenVariable)
{
    const struct {
        int ligne;
        const char* saisie;
        const char* tape;
        float (*lire)(const U&);
        float attendu;
    } cas[] = {
        {3, ids::myTextInputV3, "0.5", [](const U& u) { return u.fVec3Z; }, 0.5f},
        {4, ids::myTextInputV4, "-3", [](const U& u) { return u.fValeur; }, -3},
        {1, ids::myTextInputV1, "2.9", [](const U& u) { return float(u.iValeur); }, 2},
        {1, ids::myTextInputV1, "-2.9", [](const U& u) { return float(u.iValeur); }, -2},
        {0, ids::myTextInputV1, "1 .5", [](const U& u) { return u.fValeur; }, 1.5f},
        {0, ids::myTextInputV1, "1,5", [](const U& u) { return u.fValeur; }, 1},
        {2, ids::myTextInputV2, "abc", [](const U& u) { return u.fVec2Y; }, 2},
        {0, ids::myTextInputV1, "", [](const U& u) { return u.fValeur; }, 1},
    };
    int refusees = 0;
    for (const auto& k : cas) {
        choisir(k.ligne);
        taper(k.saisie, k.tape);
        const std::string nom = c(ids::myTextNomVar)->getText();
        EXPECT_FLOAT_EQ(k.lire(vert[nom]), k.attendu) << nom << " <- \"" << k.tape << "\"";
        refusees += refus();
    }
    EXPECT_EQ(refusees, 2) << "\"1,5\" at the \",\" and \"abc\"";
    for (int ligne = 0; ligne < 5; ++ligne) {
        choisir(ligne);
        taper(ids::myTextInputPhaseDiviseur, "2");
        EXPECT_FLOAT_EQ(vert[c(ids::myTextNomVar)->getText()].fPhaseDiviseur, 2) << "period of row " << ligne;
    }
    // A fragment choice edits the fragment map, though the vertex map has the same name.
    choisir(0, ids::myComboBoxVarFrag);
    EXPECT_EQ(dialShader->iListeCourante, 1);
    taper(ids::myTextInputV1, "8");
    EXPECT_TRUE(frag["float"].fValeur == 8 && vert["float"].fValeur == 1);
}

TEST_F(Variables, DetachedEmptyAndClosed)
{
    choisir(0);
    dialShader->pUniformsVert = dialShader->pUniformsFrag = nullptr;  // as a level load leaves it
    choisir(2);
    EXPECT_TRUE(c(ids::myTextNomVar)->getText() == "float" && dialShader->iListeCourante == 0);
    taper(ids::myTextInputV1, "5");
    EXPECT_FLOAT_EQ(vert["float"].fValeur, 1.5f) << "a detached dialog wrote";
    dialShader->init();
    EXPECT_EQ(dialShader->iListeCourante, -1);
    for (const char* id : {ids::myTextInputPhaseDiviseur, V[0], V[1], V[2], V[3]})
        EXPECT_EQ(c(id)->getText(), "") << id;

    CSPRITE::Uniforms vide;  // a shader without uniforms
    dialShader->pUniformsVert = &vide;
    dialShader->pUniformsFrag = &frag;
    dialShader->init();
    auto* combo = dialShader->ctrlComboBox(ids::myComboBoxVarVert);
    EXPECT_TRUE(combo->getNbElements() == 0 && combo->getNumSel() == -1);
    EXPECT_EQ(dialShader->ctrlComboBox(ids::myComboBoxVarFrag)->getNbElements(), 1);
    ASSERT_TRUE(CPLUXTest::click(ids::DIALOGUE_SHADER, ids::myButtonFermer));
    EXPECT_FALSE(CPLUX::isDialogVisible(ids::DIALOGUE_SHADER));
    EXPECT_TRUE(frag.size() == 1 && dialShader->pUniformsFrag == &frag) << "closing changed the maps";
}

// The drawing passes what the dialog wrote: a value typed into "luminosite" lights the next
// drawn pixel, and a period of 2 adds 0.5 per second of the game clock.
TEST_F(Variables, ATypedValueShowsInTheNextDrawing)
{
    if (!sf::Shader::isAvailable()) {
        std::cout << "[  SKIPPED ] shaders are not available here\n";
        GTEST_SKIP();
    }
    DossierDeTravail dossier;
    std::filesystem::create_directories("shaders");
    ecrireTexte("shaders/teinte.frag", lireTexte(dossierData() + "/shaders/teinte.frag"));
    jeu->pShaderManager = new CShaderManager();
    float secondes = 0;
    g_services.shaderManager = [this] { return jeu->pShaderManager; };
    g_services.shadersActifs = [] { return true; };
    g_services.secondesHorloge = [&secondes] { return secondes; };
    sd->x = sd->y = 0;
    dlg().init();
    ASSERT_TRUE(CPLUXTest::chooseEntry(ids::DIALOGUE, ids::myComboBoxShaderFrag, 1));
    auto vertDessine = [this] {
        sf::RenderTexture rt;
        rt.create(16, 16);
        rt.clear(sf::Color::Black);
        sd->afficher(&rt, 0, 0, false);
        rt.display();
        return rt.getTexture().copyToImage().getPixel(2, 2).g;
    };
    EXPECT_EQ(vertDessine(), 0) << "red without a tint";
    dialShader->show();
    ASSERT_EQ(dialShader->ctrlComboBox(ids::myComboBoxVarFrag)->getText(1), "luminosite");
    choisir(1, ids::myComboBoxVarFrag);
    taper(ids::myTextInputV1, "0.5");
    EXPECT_NEAR(vertDessine(), 128, 2);
    taper(ids::myTextInputV1, "0");
    taper(ids::myTextInputPhaseDiviseur, "2");
    for (float t : {0.0f, 0.4f, 0.8f}) {
        secondes = t;
        EXPECT_NEAR(vertDessine(), t * 0.5f * 255, 2) << t << " s";
    }
}
