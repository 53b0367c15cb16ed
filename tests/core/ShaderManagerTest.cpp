#include "core/ShaderManager.h"
#include "support/Outils.h"
#include "SpriteTestBanque.h"

#include <SFML/Graphics/Shader.hpp>

namespace {

using Shaders = ServicesSauves;

TEST_F(Shaders, LireUniformsGardeLesValeursDesNomsRestes)
{
    DossierTemp d;
    ecrireTexte(d / "eau.frag",
                "uniform sampler2D texture;\n"
                "uniform float temps;\n"
                "uniform vec2 centre = vec2(0.5);\n"
                "  uniform vec4  teinte[2];\n"
                "uniform int mode,autre;\n"
                "// uniform vec3 ancien;\n"
                "void main() {}\n");
    CSPRITE::Uniforms vert, frag;
    frag["temps"].strType = "float";
    frag["temps"].fValeur = 3;
    frag["temps"].fPhaseDiviseur = 2;
    frag["disparu"].strType = "float";
    vert["v"].fValeur = 9;
    CShaderManager m;
    m.lireUniforms(d / "eau.frag", vert, frag, 1);

    std::vector<std::string> noms;
    for (const auto& [nom, u] : frag)
        noms.push_back(nom + ":" + u.strType);
    // A commented declaration is still a line holding the text: kept, as the editor expects.
    EXPECT_EQ(noms, (std::vector<std::string>{"ancien:vec3", "centre:vec2", "mode:int", "teinte:vec4",
                                              "temps:float"}));
    EXPECT_FLOAT_EQ(frag["temps"].fValeur, 3);
    EXPECT_FLOAT_EQ(frag["temps"].fPhaseDiviseur, 2);
    EXPECT_FLOAT_EQ(frag["centre"].fVec2X, 0);
    EXPECT_EQ(vert.size(), 1u);

    // A file that does not open keeps the map as it is.
    m.lireUniforms(d / "absent.frag", vert, frag, 1);
    EXPECT_EQ(frag.size(), 5u);
}

TEST_F(Shaders, ValeursSelonLaFormule)
{
    CSPRITE::Uniform u;
    u.fValeur = 1;
    u.iValeur = 4;
    u.fVec2X = 2;
    u.fVec2Y = 3;
    u.fVec3X = 5;
    u.fVec3Y = 6;
    u.fVec3Z = 7;
    u.fVec4X = 8;
    u.fVec4Y = 9;
    u.fVec4Z = 10;
    struct Cas {
        const char* type;
        int n;
        std::vector<float> attendu;
    };
    // Period 4 at 6 seconds: every component gets + 1.5.
    u.fPhaseDiviseur = 4;
    for (const Cas& c : {Cas{"float", 1, {2.5f}}, Cas{"int", 1, {5.5f}}, Cas{"vec2", 2, {3.5f, 4.5f}},
                         Cas{"vec3", 3, {6.5f, 7.5f, 8.5f}}, Cas{"vec4", 4, {9.5f, 10.5f, 11.5f, 2.5f}},
                         Cas{"sampler2D", 0, {}}}) {
        u.strType = c.type;
        CShaderManager::ValeurUniform v = CShaderManager::valeurUniform(u, 6);
        ASSERT_EQ(v.n, c.n) << c.type;
        for (int i = 0; i < c.n; ++i)
            EXPECT_FLOAT_EQ(v.v[i], c.attendu[i]) << c.type << " " << i;
    }
    u.strType = "float";
    u.fPhaseDiviseur = 0;
    EXPECT_FLOAT_EQ(CShaderManager::valeurUniform(u, 1000).v[0], 1);
}

TEST_F(Shaders, LigneShaderSDRelueEgale)
{
    CSPRITE a;
    a.strShaderFrag = "eau.frag";
    a.uniformsFrag["temps"].strType = "float";
    a.uniformsFrag["temps"].fValeur = 0.25f;
    a.uniformsFrag["temps"].fPhaseDiviseur = 3;
    a.uniformsFrag["teinte"].strType = "vec4";
    a.uniformsFrag["teinte"].fVec4Z = 7;
    a.uniformsFrag["teinte"].fValeur = 0.5f;
    a.uniformsFrag["mode"].strType = "int";
    a.uniformsFrag["mode"].iValeur = -2;
    a.bShader = true;
    a.valeursShader[4] = 1.5f;
    std::string ligne = texteShaderSD(a, true);
    CSPRITE b;
    lireShaderSD(ligne, b);
    EXPECT_EQ(texteShaderSD(b, true), ligne);
    EXPECT_TRUE(b.strShaderVert.empty());
    EXPECT_FLOAT_EQ(b.valeursShader[4], 1.5f);

    // A count larger than the line holds stops at the end of the line.
    CSPRITE c;
    lireShaderSD("x.frag;1000000;a;float;1;0", c);
    EXPECT_EQ(c.uniformsFrag.size(), 1u);
}

TEST_F(Shaders, ShaderIllisibleSignaleUneFoisEtSpriteDessineSans)
{
    if (!sf::Shader::isAvailable())
        GTEST_SKIP() << "no shader support here";
    DossierTemp d;
    ecrireTexte(d / "casse.frag", "void main() { ceci ne compile pas }\n");
    // Red only when the int uniform really arrives as an int.
    ecrireTexte(d / "rouge.frag", "uniform int mode;\n"
                                  "void main() { gl_FragColor = mode == 3 ? vec4(1.0, 0.0, 0.0, 1.0)"
                                  " : vec4(0.0, 0.0, 1.0, 1.0); }\n");
    int messages = 0;
    g_services.messageBox = [&](const std::string&, const std::string&, const std::string&) { messages++; };
    CShaderManager m;
    m.dossier = d.str() + "/";
    EXPECT_EQ(m.getShader("", ""), nullptr);
    EXPECT_EQ(m.getShader("casse.frag", ""), nullptr);
    EXPECT_EQ(m.getShader("casse.frag", ""), nullptr);
    EXPECT_EQ(messages, 1);
    sf::Shader* s = m.getShader("rouge.frag", "");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(m.getShader("rouge.frag", ""), s);

    CDEC banque;
    mettreImage(banque, 0, 0, imageUnie(4, 4, sf::Color::Green));
    CSPRITE sd;
    sd.pDEC = &banque;
    sd.placer(0, 2, 2);
    sd.uniformsFrag["mode"].strType = "int";
    sd.uniformsFrag["mode"].iValeur = 3;
    g_services.shadersActifs = [] { return true; };
    g_services.shaderManager = [&]() -> CShaderManager* { return &m; };
    auto dessine = [&](const std::string& frag) {
        sd.strShaderFrag = frag;
        sf::RenderTexture rt;
        rt.create(8, 8);
        rt.clear(sf::Color::Black);
        sd.afficher(&rt, 0, 0, false);
        rt.display();
        return rt.getTexture().copyToImage().getPixel(3, 3);
    };
    EXPECT_EQ(dessine("casse.frag"), sf::Color::Green);
    EXPECT_EQ(dessine("rouge.frag"), sf::Color::Red);
    EXPECT_EQ(messages, 1);
}

} // namespace
