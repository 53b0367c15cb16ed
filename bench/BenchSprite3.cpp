// Cost of a frame of animated sprites: 200 sprites of 20 elements (a 4x4 deformation mesh
// on half of the elements) updated and drawn into a 1280x720 render texture, against the
// same textured quads (one per mesh cell, same sizes) drawn by a plain vertex-array loop,
// one draw per sprite. A second baseline draws one quad per element: the extra cells of a
// mesh cost the software rasteriser of Xvfb more than anything the sprite does.
// The same sprites with 30 and 120 keyframes show that the cost does not grow with them.
// Both sides wait for the rendering to finish (glFinish).
// Run under Xvfb: xvfb-run -a build/<release>/bench/bench_BenchSprite3; compare cpu_time.
#include "anim/Sprite3.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/OpenGL.hpp>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <vector>

namespace {

constexpr int NB_SPRITES = 200;
constexpr int NB_ELEMENTS = 20;
constexpr float COTE = 16;

struct Scene {
    // Two keyframes (0 and 20 of 30 frames), or nbKeyframes spread over 120 frames that
    // go back and forth between the same two poses.
    explicit Scene(int nbKeyframes)
    {
        sf::Image img;
        img.create(512, 32, sf::Color(200, 120, 40));
        feuille.loadFromImage(img);
        rt.create(1280, 720);
        modele.pTextureFeuille = &feuille;
        modele.ajouterAnimation("marche", true);
        const int nbFrames = nbKeyframes <= 2 ? 30 : 120;
        modele.setNbFrames(0, nbFrames);
        std::vector<int> frames{0};
        for (int k = 1; k < nbKeyframes; ++k)
            frames.push_back(nbKeyframes <= 2 ? 20 : k * nbFrames / nbKeyframes);
        for (size_t k = 1; k < frames.size(); ++k)
            modele.ajouterKeyframe(0, frames[k]);
        for (int e = 0; e < NB_ELEMENTS; ++e) {
            const int mesh = e % 2 == 0 ? 4 : 2;
            modele.ajouterElement("e" + std::to_string(e), COTE * e, 0, COTE, COTE, COTE / 2, COTE / 2, mesh, mesh, -1,
                                  -1, false);
            modele.ajouterAnimElem(0, e, "", 0, 1);
            for (size_t k = 0; k < frames.size(); ++k) {
                const bool poseB = k % 2 == 1;
                modele.setKeyAnimElemValeurs(0, frames[k], e, e, true, (e % 5) * COTE + (poseB ? 4 : 0),
                                             (e / 5) * COTE, COTE / 2, COTE / 2, 1, 1, poseB ? 30.0f : 0.0f, false);
                if (mesh == 4 && poseB)
                    modele.setPointMaillage(0, frames[k], e, 5, 2, 3);
            }
        }
        modele.setAnimation2(0, 0);
        modele.play();
        for (int i = 0; i < NB_SPRITES; ++i) {
            sprites.push_back(std::make_unique<CSPRITE3>(modele));
            sprites.back()->setFrameCourante(i % nbFrames);
        }
    }

    sf::Vector2f place(int i) const { return sf::Vector2f(40.0f + (i % 20) * 60.0f, 40.0f + (i / 20) * 65.0f); }

    void finir()
    {
        rt.display();
        glFinish();  // include the rasterising, not only the submission
    }

    sf::Texture feuille;
    sf::RenderTexture rt;
    CSPRITE3 modele;
    std::vector<std::unique_ptr<CSPRITE3>> sprites;
};

Scene& scene(int nbKeyframes = 2)
{
    static std::map<int, std::unique_ptr<Scene>> scenes;
    auto& s = scenes[nbKeyframes];
    if (!s)
        s = std::make_unique<Scene>(nbKeyframes);
    s->rt.setActive(true);
    return *s;
}

// Appends the cells of an n x n grid covering the element's square.
void ajouterCellules(sf::VertexArray& va, float x, float y, float u, int n)
{
    const float c = COTE / (n - 1);
    for (int j = 0; j < n - 1; ++j)
        for (int i = 0; i < n - 1; ++i) {
            const float px = x + i * c, py = y + j * c, pu = u + i * c, pv = j * c;
            va.append(sf::Vertex({px, py}, {pu, pv}));
            va.append(sf::Vertex({px + c, py}, {pu + c, pv}));
            va.append(sf::Vertex({px + c, py + c}, {pu + c, pv + c}));
            va.append(sf::Vertex({px, py + c}, {pu, pv + c}));
        }
}

void quadsVertexArray(benchmark::State& state, bool cellules)
{
    Scene& s = scene();
    sf::VertexArray va(sf::Quads);
    sf::RenderStates etats(&s.feuille);
    for (auto _ : state) {
        s.rt.clear();
        for (int i = 0; i < NB_SPRITES; ++i) {
            const sf::Vector2f p = s.place(i);
            va.clear();
            for (int e = 0; e < NB_ELEMENTS; ++e)
                ajouterCellules(va, p.x + (e % 5) * COTE, p.y + (e / 5) * COTE, COTE * e,
                                cellules && e % 2 == 0 ? 4 : 2);
            s.rt.draw(va, etats);
        }
        s.finir();
    }
    state.SetItemsProcessed(state.iterations() * NB_SPRITES * NB_ELEMENTS);
}

void BM_QuadsVertexArray(benchmark::State& state) { quadsVertexArray(state, true); }
BENCHMARK(BM_QuadsVertexArray)->Unit(benchmark::kMicrosecond);

void BM_QuadsUnParElement(benchmark::State& state) { quadsVertexArray(state, false); }
BENCHMARK(BM_QuadsUnParElement)->Unit(benchmark::kMicrosecond);

void sprites3MajEtDessin(benchmark::State& state, int nbKeyframes)
{
    Scene& s = scene(nbKeyframes);
    for (auto _ : state) {
        s.rt.clear();
        for (int i = 0; i < NB_SPRITES; ++i) {
            const sf::Vector2f p = s.place(i);
            CSPRITE3& sp = *s.sprites[i];
            sp.dessiner(&s.rt, 0, 0, 0, nullptr, 1.0f, p.x, p.y, 0);
            sp.update(nullptr, 1.0f, p.x, p.y, 0);
        }
        s.finir();
    }
    state.SetItemsProcessed(state.iterations() * NB_SPRITES * NB_ELEMENTS);
}

void BM_Sprites3MajEtDessin(benchmark::State& state) { sprites3MajEtDessin(state, 2); }
BENCHMARK(BM_Sprites3MajEtDessin)->Unit(benchmark::kMicrosecond);

void BM_Sprites3MajEtDessin30Keyframes(benchmark::State& state) { sprites3MajEtDessin(state, 30); }
BENCHMARK(BM_Sprites3MajEtDessin30Keyframes)->Unit(benchmark::kMicrosecond);

void BM_Sprites3MajEtDessin120Keyframes(benchmark::State& state) { sprites3MajEtDessin(state, 120); }
BENCHMARK(BM_Sprites3MajEtDessin120Keyframes)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
