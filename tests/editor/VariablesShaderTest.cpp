// The shader variables dialog: the choice of a variable by type, typed values into the chosen
// map, the detached dialog, and what a typed value does to the drawn sprite.
#include "OutilsSprite.h"

#include <SFML/Graphics/Shader.hpp>

#include <iostream>

namespace {

const char* const V[4] = {ids::myTextInputV1, ids::myTextInputV2, ids::myTextInputV3, ids::myTextInputV4};

class Variables : public DialoguesSprite {
protected:
    void SetUp() override
    {
        DialoguesSprite::SetUp();
        dialShader->show();
        U& f = vert["f"];
        f.strType = "float";
        f.fValeur = 1.5f;
        f.fPhaseDiviseur = 4;
        vert["i"].strType = "int";
        vert["i"].iValeur = 7;
        U& v2 = vert["v2"];
        v2.strType = "vec2";
        v2.fVec2X = 1, v2.fVec2Y = 2;
        U& v3 = vert["v3"];
        v3.strType = "vec3";
        v3.fVec3X = 1, v3.fVec3Y = 2, v3.fVec3Z = 3;
        U& v4 = vert["v4"];
        v4.strType = "vec4";
        v4.fVec4X = 1, v4.fVec4Y = 2, v4.fVec4Z = 3, v4.fValeur = 4;
        vert["x"].strType = "mat4";
        frag["f"].strType = "float";
        attacher();
    }
    using U = CSPRITE::Uniform;
    void attacher()
    {
        dialShader->pUniformsVert = &vert;
        dialShader->pUniformsFrag = &frag;
        dialShader->init();
    }
    // Rows of "myComboBoxVarVert": f, i, v2, v3, v4, x.
    void choisir(int ligne, const char* combo = ids::myComboBoxVarVert)
    {
        ASSERT_TRUE(CPLUXTest::chooseEntry(ids::DIALOGUE_SHADER, combo, ligne)) << ligne;
    }
    void taper(const char* id, const std::string& t) { saisir(ids::DIALOGUE_SHADER, id, t); }
    CPLUXControl* s(const char* id) const { return dialShader->getControl(id); }

    CSPRITE::Uniforms vert, frag;
};

} // namespace

TEST_F(Variables, TheChoiceShowsTheInputsOfItsType)
{
    const struct {
        int ligne;
        const char* type;
        std::vector<std::string> valeurs;  // the shown inputs, V1 first
    } cas[] = {
        {0, "float", {"1.5"}},
        {1, "int", {"7"}},
        {2, "vec2", {"1", "2"}},
        {3, "vec3", {"1", "2", "3"}},
        {4, "vec4", {"1", "2", "3", "4"}},
    };
    for (const auto& c : cas) {
        choisir(c.ligne);
        EXPECT_EQ(s(ids::myTextVType)->getText(), c.type);
        for (size_t i = 0; i < 4; ++i) {
            const bool visible = i < c.valeurs.size();
            EXPECT_EQ(s(V[i])->isVisible(), visible) << c.type << " V" << i + 1;
            EXPECT_EQ(s(V[i])->getLibelle()->isVisible(), visible) << c.type << " caption of V" << i + 1;
            if (visible)
                EXPECT_EQ(s(V[i])->getText(), c.valeurs[i]) << c.type << " V" << i + 1;
        }
    }
    EXPECT_EQ(s(ids::myTextNomVar)->getText(), "v4");
    EXPECT_FLOAT_EQ(vert["v4"].fValeur, 4) << "showing a value wrote it";

    // A type the dialog does not know: name, type and period, and the inputs as they were.
    choisir(5);
    EXPECT_EQ(s(ids::myTextNomVar)->getText(), "x");
    EXPECT_EQ(s(ids::myTextVType)->getText(), "mat4");
    EXPECT_EQ(s(ids::myTextInputPhaseDiviseur)->getText(), "0");
    EXPECT_TRUE(s(ids::myTextInputV4)->isVisible());
    taper(ids::myTextInputV1, "9");
    EXPECT_FLOAT_EQ(vert["x"].fValeur, 0);
    EXPECT_FLOAT_EQ(vert["x"].fVec4X, 0);
}

TEST_F(Variables, TypedValuesGoIntoTheChosenVariable)
{
    const struct {
        int ligne;
        const char* saisie;
        const char* texte;
        float (*lire)(const U&);
        const char* nom;
        float attendu;
    } cas[] = {
        {3, ids::myTextInputV3, "0.5", [](const U& u) { return u.fVec3Z; }, "v3", 0.5f},
        {4, ids::myTextInputV4, "-3", [](const U& u) { return u.fValeur; }, "v4", -3},
        {1, ids::myTextInputV1, "2.9", [](const U& u) { return float(u.iValeur); }, "i", 2},
        {1, ids::myTextInputV1, "-2.9", [](const U& u) { return float(u.iValeur); }, "i", -2},
        {0, ids::myTextInputV1, "1 .5", [](const U& u) { return u.fValeur; }, "f", 1.5f},
        {0, ids::myTextInputV1, "1,5", [](const U& u) { return u.fValeur; }, "f", 1},
        {0, ids::myTextInputV1, "", [](const U& u) { return u.fValeur; }, "f", 0},
        {2, ids::myTextInputV2, "abc", [](const U& u) { return u.fVec2Y; }, "v2", 0},
    };
    for (const auto& c : cas) {
        choisir(c.ligne);
        taper(c.saisie, c.texte);
        EXPECT_FLOAT_EQ(c.lire(vert[c.nom]), c.attendu) << c.nom << " <- \"" << c.texte << "\"";
    }
    for (int ligne = 0; ligne < 5; ++ligne) {
        choisir(ligne);
        taper(ids::myTextInputPhaseDiviseur, "2");
        const std::string nom = s(ids::myTextNomVar)->getText();
        EXPECT_FLOAT_EQ(vert[nom].fPhaseDiviseur, 2) << nom;
    }

    // The fragment choice edits the fragment map, though the vertex map has the same name.
    choisir(0, ids::myComboBoxVarFrag);
    EXPECT_EQ(dialShader->iListeCourante, 1);
    taper(ids::myTextInputV1, "8");
    EXPECT_FLOAT_EQ(frag["f"].fValeur, 8);
    EXPECT_FLOAT_EQ(vert["f"].fValeur, 0);
}

TEST_F(Variables, DetachedAndEmptyAndClosed)
{
    choisir(0);
    dialShader->pUniformsVert = dialShader->pUniformsFrag = nullptr;  // what a level load does
    choisir(2);
    EXPECT_EQ(s(ids::myTextNomVar)->getText(), "f") << "a detached choice showed something";
    EXPECT_EQ(dialShader->iListeCourante, 0);
    taper(ids::myTextInputV1, "5");
    EXPECT_FLOAT_EQ(vert["f"].fValeur, 1.5f) << "a detached dialog wrote";
    dialShader->init();
    EXPECT_EQ(dialShader->iListeCourante, -1);
    for (const char* id : {ids::myTextInputPhaseDiviseur, V[0], V[1], V[2], V[3]})
        EXPECT_EQ(s(id)->getText(), "") << id;

    // A shader without uniforms: an empty list with nothing selected.
    CSPRITE::Uniforms vide;
    dialShader->pUniformsVert = &vide;
    dialShader->pUniformsFrag = &frag;
    dialShader->init();
    auto* combo = dialShader->ctrlComboBox(ids::myComboBoxVarVert);
    EXPECT_EQ(combo->getNbElements(), 0);
    EXPECT_EQ(combo->getNumSel(), -1);
    EXPECT_EQ(dialShader->ctrlComboBox(ids::myComboBoxVarFrag)->getNbElements(), 1);

    ASSERT_TRUE(CPLUXTest::click(ids::DIALOGUE_SHADER, ids::myButtonFermer));
    EXPECT_FALSE(CPLUX::isDialogVisible(ids::DIALOGUE_SHADER));
    EXPECT_EQ(frag.size(), 1u);
    EXPECT_EQ(dialShader->pUniformsFrag, &frag) << "closing keeps the maps";
}

// The level's drawing passes what the dialog wrote: a tint typed into "luminosite" lights the
// next drawn pixel, and a period of 2 adds 0.5 per second of the game clock.
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
    ASSERT_EQ(sd->strShaderFrag, "teinte.frag");
    auto vert = [this] {
        sf::RenderTexture rt;
        rt.create(16, 16);
        rt.clear(sf::Color::Black);
        sd->afficher(&rt, 0, 0, false);
        rt.display();
        return rt.getTexture().copyToImage().getPixel(2, 2).g;
    };
    EXPECT_EQ(vert(), 0) << "red without a tint";
    dialShader->show();
    ASSERT_EQ(textesDe(dialShader->ctrlComboBox(ids::myComboBoxVarFrag)),
              (std::vector<std::string>{"inverser", "luminosite", "teinte"}));
    choisir(1, ids::myComboBoxVarFrag);
    taper(ids::myTextInputV1, "0.5");
    EXPECT_NEAR(vert(), 128, 2);
    taper(ids::myTextInputV1, "0");
    taper(ids::myTextInputPhaseDiviseur, "2");
    for (float t : {0.0f, 0.4f, 0.8f}) {
        secondes = t;
        EXPECT_NEAR(vert(), t * 0.5f * 255, 2) << t << " s";
    }
}
