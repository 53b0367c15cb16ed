// The link line: the values its uniforms pass, when it is drawn and with what program, and the
// adventure player's line to the camera's shader point.
#include "OutilsCombat.h"
#include "OutilsPersos.h"

#include "characters/PersoDef.h"
#include "core/ShaderManager.h"
#include "support/Outils.h"

#include <SFML/Graphics/Shader.hpp>

#include <fstream>
#include <iostream>

namespace {

class Lien : public Combat {
protected:
    void SetUp() override
    {
        Combat::SetUp();
        installerHooksPersoDef();
        cible.create(200, 200);
        cible.clear(sf::Color::Black);
    }
    // A plain-sprite player whose definition has a link sprite with these shader names.
    CPerso* avecLien(const std::string& frag, const std::string& vert)
    {
        CPerso* p = perso(100, 150);
        auto* banque = new CDEC();
        decor->modelesDEC["LIEN" + frag] = banque;
        banque->pPersoDef->spriteShaderLien = std::make_unique<CSPRITE>();
        banque->pPersoDef->spriteShaderLien->strShaderFrag = frag;
        banque->pPersoDef->spriteShaderLien->strShaderVert = vert;
        p->sprite->pDEC = banque;
        return p;
    }
    void ligne(CPerso& p, bool avecShader = true)
    {
        p.appliquerShader(cible, 20, 100, 180, 100, sf::Color(255, 0, 0), sf::Color(200, 0, 0), 6, avecShader);
        cible.display();
    }
    sf::Color pixel(unsigned x, unsigned y) { return cible.getTexture().copyToImage().getPixel(x, y); }

    sf::RenderTexture cible;
};

CSPRITE::Uniform uniform(const char* type, float periode)
{
    CSPRITE::Uniform u;
    u.strType = type;
    u.fValeur = 7;
    u.iValeur = 2;
    u.fVec2X = 1, u.fVec2Y = 2;
    u.fVec3X = 3, u.fVec3Y = 4, u.fVec3Z = 5;
    u.fVec4X = 6, u.fVec4Y = 8, u.fVec4Z = 9;
    u.fPhaseDiviseur = periode;
    return u;
}

} // namespace

TEST(LienUniforms, ValeursParTypePeriodeEtHorloge)
{
    struct Cas {
        const char* type;
        float periode, secondes;
        bool entieres;
        std::vector<float> attendu;
    } cas[] = {
        {"float", 0, 1.2f, true, {7}},
        {"float", 0.5f, 1.2f, true, {9}},           // two whole half-seconds
        {"float", 0.5f, 1.2f, false, {9.4f}},       // decor sprites: the clock over the period
        {"float", 0.5f, 0.4f, true, {7}},
        {"float", -1, 5, true, {7}},                // no step for a period below 0
        {"int", 0.5f, 1.2f, true, {4}},
        {"vec2", 0.5f, 1.0f, true, {3, 4}},
        {"vec3", 0, 3, true, {3, 4, 5}},
        {"vec4", 0.5f, 1.0f, true, {8, 10, 11, 9}},  // the fourth component is the float value
        {"mat4", 0.5f, 1.0f, true, {}},
    };
    for (const Cas& k : cas) {
        const CShaderManager::ValeurUniform v =
            CShaderManager::valeurUniform(uniform(k.type, k.periode), k.secondes, k.entieres);
        ASSERT_EQ(v.n, int(k.attendu.size())) << k.type;
        for (int i = 0; i < v.n; ++i)
            EXPECT_NEAR(v.v[i], k.attendu[size_t(i)], 1e-4) << k.type << " period " << k.periode << " at "
                                                            << k.secondes << " component " << i;
    }
}

TEST_F(Lien, QuandLaLigneEstDessinee)
{
    CPerso* sansLien = perso(50, 150);
    ligne(*sansLien);
    EXPECT_EQ(pixel(100, 102), sf::Color(200, 0, 0)) << "without a link sprite: the plain outline";

    cible.clear(sf::Color::Black);
    CPerso* anime = perso(60, 150);
    Combat::anime(*anime, {"ARRET_VISEE"});
    ligne(*anime);
    EXPECT_EQ(pixel(100, 102), sf::Color::Black) << "a layered sprite draws no line";

    cible.clear(sf::Color::Black);
    CPerso* vide = avecLien("", "");
    ligne(*vide);
    EXPECT_EQ(pixel(100, 102), sf::Color::Black) << "both names empty: nothing";
    ligne(*vide, false);
    EXPECT_EQ(pixel(100, 102), sf::Color(200, 0, 0)) << "without the shader flag: the plain outline";

    cible.clear(sf::Color::Black);
    CPerso* absent = avecLien("absent.frag", "");
    ligne(*absent);
    EXPECT_TRUE(jeu->shaders.count("absent.frag-")) << "the shader map gains the key";
    EXPECT_EQ(pixel(100, 102), sf::Color(200, 0, 0)) << "no program: drawn without one";
}

TEST_F(Lien, LeProgrammeDuCacheColoreLaLigne)
{
    if (!sf::Shader::isAvailable()) {
        std::cout << "[  SKIPPED ] shaders are not available here: the line's program is not tested\n";
        return;
    }
    DossierTemp dossier;
    {
        std::ofstream f(dossier.str() + "/vert.frag");
        f << "uniform float bleu;\nvoid main() { gl_FragColor = vec4(0.0, 1.0, bleu, 1.0); }\n";
    }
    jeu->pShaderManager = new CShaderManager();
    jeu->pShaderManager->dossier = dossier.str() + "/";
    CPerso* p = avecLien("vert.frag", "");
    CSPRITE::Uniform u = uniform("float", 0);
    u.fValeur = 1;
    decor->modelesDEC["LIENvert.frag"]->pPersoDef->spriteShaderLien->uniformsFrag["bleu"] = u;
    ligne(*p);
    EXPECT_EQ(pixel(100, 102), sf::Color(0, 255, 255)) << "the line takes the program's colour and uniform";
    EXPECT_EQ(jeu->shaders.count("vert.frag-"), 1u);
    sf::Shader livre;
    EXPECT_TRUE(livre.loadFromFile((dossierDonnees() / "shaders/lien.frag").string(), sf::Shader::Fragment))
        << "the shipped link shader compiles";
}

TEST_F(Lien, LigneDuJoueurVersLePointDeLaCamera)
{
    struct Cas {
        float v, n;
        sf::Color attendu;
    } cas[] = {{10200, 0, sf::Color(200, 0, 0)}, {10200, 20000, sf::Color(200, 200, 200)}, {0, 0, sf::Color::Black}};
    for (const Cas& k : cas) {
        sf::RenderTexture& scene = *CSFMLJeuGlobal::prenderTexture;
        scene.clear(sf::Color::Black);
        CPerso* p = perso(100, 500);
        p->posTete[0] = 60;
        float point[4] = {600, 500, k.v, k.n};
        std::copy(point, point + 4, jeu->pvue->pointShader);
        p->dessiner(scene);
        scene.display();
        // From (100, 470) to (600, 470): the outline shows below the segment.
        EXPECT_EQ(scene.getTexture().copyToImage().getPixel(350, 472), k.attendu) << "v " << k.v << " n " << k.n;
        TearDown();
        SetUp();
    }
}
