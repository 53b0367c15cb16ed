// Cost of the GUI per frame: ten shown dialogs of fifty controls each, refreshSurface + update,
// against drawing the same number of texts and rectangles directly with SFML.
// Run under Xvfb: xvfb-run -a build/bench/bench/bench_BenchGui
#include "gui/PLUX.h"
#include "gui/CPLUXTest.h"

#include <SFML/OpenGL.hpp>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int NB_DIALOGUES = 10;
constexpr int NB_CONTROLES = 50;

sf::RenderWindow& fenetre()
{
    static sf::RenderWindow* w = new sf::RenderWindow(sf::VideoMode(1280, 800), "bench", sf::Style::Titlebar);
    return *w;
}

// Fifty controls of the usual mix, five columns of ten rows.
void remplir(CPLUXDialog* d, int n)
{
    for (int i = 0; i < NB_CONTROLES; ++i) {
        const int x = 8 + (i % 5) * 76, y = 32 + (i / 5) * 26;
        const std::string id = "c" + std::to_string(i);
        switch (i % 10) {
        case 0:
        case 1:
        case 2: d->addControlButton(id, "Bouton " + std::to_string(i), x, y, 72, 22); break;
        case 3:
        case 4: d->addControlButtonCheck(id, "Case " + std::to_string(i), "", "", x, y, 72, 20, i % 4 == 0); break;
        case 5:
        case 6: d->addControlTextInput(id, "valeur " + std::to_string(n * 100 + i), x, y, 72, 22); break;
        case 7: {
            auto* c = new CPLUXControlComboBox;
            c->setId(id);
            c->setPosition(static_cast<float>(x), static_cast<float>(y));
            c->setVisibleDimension(72, 22);
            for (int k = 0; k < 8; ++k)
                c->AddElement("choix " + std::to_string(k));
            c->setNumSel(i % 8);
            d->addControl(c);
            break;
        }
        default: d->addControlText(id, "Libellé " + std::to_string(i), x, y, 72, 20); break;
        }
    }
}

struct Scene {
    std::vector<std::unique_ptr<CPLUXDialog>> dialogues;
    Scene()
    {
        CPLUXTest::reset();
        CPLUX::setSurface(&fenetre());
        for (int n = 0; n < NB_DIALOGUES; ++n) {
            auto d = std::make_unique<CPLUXDialog>();
            d->setId("D" + std::to_string(n));
            d->setTitle("Dialogue " + std::to_string(n));
            d->setPosition(20 + (n % 3) * 400, 20 + (n / 3) * 190);
            d->Size(392, 290);
            remplir(d.get(), n);
            CPLUX::addDialog(nullptr, d.get(), nullptr, 0);
            d->show();
            dialogues.push_back(std::move(d));
        }
    }
};

Scene& scene()
{
    static Scene* s = new Scene;
    return *s;
}

void BM_GuiRefreshUpdate(benchmark::State& state)
{
    scene();
    sf::RenderWindow& w = fenetre();
    for (auto _ : state) {
        w.clear(sf::Color(24, 28, 40));
        CPLUX::refreshSurface();
        CPLUX::update(&w);
        // Count the rendering too, not only the queuing of commands.
        glFinish();
    }
}
BENCHMARK(BM_GuiRefreshUpdate)->Unit(benchmark::kMicrosecond);

// The library's own work without the rasteriser: update, then every dialog collects its
// shapes and glyphs as refreshSurface does, and the batch is dropped instead of drawn.
void BM_GuiSansRendu(benchmark::State& state)
{
    for (auto _ : state) {
        CPLUX::update(&fenetre());
        for (auto& d : scene().dialogues)
            d->draw(nullptr, 0, 0, 0, 0);
        plux::peintre().abandonner();
    }
}
BENCHMARK(BM_GuiSansRendu)->Unit(benchmark::kMicrosecond);

// The same amount drawn naively: one draw call per cached text and per rectangle
// (each control has a text and about two rectangles; each dialog a frame and a title).
void BM_BaselineDirect(benchmark::State& state)
{
    sf::RenderWindow& w = fenetre();
    std::vector<sf::Text> textes;
    std::vector<sf::RectangleShape> rects;
    for (int n = 0; n < NB_DIALOGUES; ++n) {
        for (int i = 0; i < NB_CONTROLES + 1; ++i) {
            const float x = 20.f + (n % 3) * 400 + 8 + (i % 5) * 76, y = 20.f + (n / 3) * 190 + 32 + (i / 5) * 26;
            const std::string libelle = "Libellé " + std::to_string(i);
            sf::Text t(sf::String::fromUtf8(libelle.begin(), libelle.end()), plux::police(), plux::TAILLE_TEXTE);
            t.setFillColor(sf::Color::Black);
            t.setPosition(x + 4, y + 3);
            textes.push_back(t);
            for (int k = 0; k < 2; ++k) {
                sf::RectangleShape r({72.f - 2 * k, 22.f - 2 * k});
                r.setPosition(x + k, y + k);
                r.setFillColor(k ? sf::Color(226, 229, 234) : sf::Color(150, 156, 166));
                rects.push_back(r);
            }
        }
    }
    for (auto _ : state) {
        w.clear(sf::Color(24, 28, 40));
        for (const auto& r : rects)
            w.draw(r);
        for (const auto& t : textes)
            w.draw(t);
        glFinish();
    }
}
BENCHMARK(BM_BaselineDirect)->Unit(benchmark::kMicrosecond);

// The floor: clearing the window and waiting for it.
void BM_ClearOnly(benchmark::State& state)
{
    sf::RenderWindow& w = fenetre();
    for (auto _ : state) {
        w.clear(sf::Color(24, 28, 40));
        glFinish();
    }
}
BENCHMARK(BM_ClearOnly)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
