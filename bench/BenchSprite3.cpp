// Cost of a frame of animated sprites: 200 sprites of 20 elements (a 4x4 deformation mesh
// on half of the elements) updated and drawn into a 1280x720 render texture, against the
// same textured quads (one per mesh cell, same sizes) drawn by a plain vertex-array loop,
// one draw per sprite. A second baseline draws one quad per element: the extra cells of a
// mesh cost the software rasteriser of Xvfb more than anything the sprite does.
// Run under Xvfb: xvfb-run -a build/<release>/bench/bench_BenchSprite3; compare cpu_time.
#include "anim/Sprite3.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int NB_SPRITES = 200;
constexpr int NB_ELEMENTS = 20;
constexpr float COTE = 16;

struct Scene {
    Scene()
    {
        sf::Image img;
        img.create(512, 32, sf::Color(200, 120, 40));
        feuille.loadFromImage(img);
        rt.create(1280, 720);
        modele.pTextureFeuille = &feuille;
        modele.ajouterAnimation("marche", true);
        modele.setNbFrames(0, 30);
        modele.ajouterKeyframe(0, 20);
        for (int e = 0; e < NB_ELEMENTS; ++e) {
            const int mesh = e % 2 == 0 ? 4 : 2;
            modele.ajouterElement("e" + std::to_string(e), COTE * e, 0, COTE, COTE, COTE / 2, COTE / 2, mesh, mesh, -1,
                                  -1, false);
            modele.ajouterAnimElem(0, e, "", 0, 1);
            modele.setKeyAnimElemValeurs(0, 0, e, e, true, (e % 5) * COTE, (e / 5) * COTE, COTE / 2, COTE / 2, 1, 1, 0,
                                         false);
            modele.setKeyAnimElemValeurs(0, 20, e, e, true, (e % 5) * COTE + 4, (e / 5) * COTE, COTE / 2, COTE / 2,
                                         1, 1, 30, false);
            if (mesh == 4)
                modele.setPointMaillage(0, 20, e, 5, 2, 3);
        }
        modele.setAnimation2(0, 0);
        modele.play();
        for (int i = 0; i < NB_SPRITES; ++i) {
            sprites.push_back(std::make_unique<CSPRITE3>(modele));
            sprites.back()->setFrameCourante(i % 30);
        }
    }

    sf::Vector2f place(int i) const { return sf::Vector2f(40.0f + (i % 20) * 60.0f, 40.0f + (i / 20) * 65.0f); }

    sf::Texture feuille;
    sf::RenderTexture rt;
    CSPRITE3 modele;
    std::vector<std::unique_ptr<CSPRITE3>> sprites;
};

Scene& scene()
{
    static Scene s;
    return s;
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
        s.rt.display();
    }
    state.SetItemsProcessed(state.iterations() * NB_SPRITES * NB_ELEMENTS);
}

void BM_QuadsVertexArray(benchmark::State& state) { quadsVertexArray(state, true); }
BENCHMARK(BM_QuadsVertexArray)->Unit(benchmark::kMicrosecond);

void BM_QuadsUnParElement(benchmark::State& state) { quadsVertexArray(state, false); }
BENCHMARK(BM_QuadsUnParElement)->Unit(benchmark::kMicrosecond);

void BM_Sprites3MajEtDessin(benchmark::State& state)
{
    Scene& s = scene();
    for (auto _ : state) {
        s.rt.clear();
        for (int i = 0; i < NB_SPRITES; ++i) {
            const sf::Vector2f p = s.place(i);
            CSPRITE3& sp = *s.sprites[i];
            sp.dessiner(&s.rt, 0, 0, 0, nullptr, 1.0f, p.x, p.y, 0);
            sp.update(nullptr, 1.0f, p.x, p.y, 0);
        }
        s.rt.display();
    }
    state.SetItemsProcessed(state.iterations() * NB_SPRITES * NB_ELEMENTS);
}
BENCHMARK(BM_Sprites3MajEtDessin)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
