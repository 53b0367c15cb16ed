// Cost of one empty frame of the main loop (menu mode with no menu, game mode with an
// empty level), against the bare window frame (clear + display) as the baseline.
// The frame-rate limit is off so that only the work is measured; compare cpu_time.
// Run under Xvfb: xvfb-run -a build/bench/bench/bench_BenchBoucle
#include "core/Globals.h"
#include "game/Jeu.h"
#include "support/Outils.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {

struct Banc {
    Banc()
    {
        char tampon[4096];
        ancien = ::getcwd(tampon, sizeof tampon) ? tampon : ".";
        if (::chdir(dossier.str().c_str()) != 0)
            return;
        ecrireTexte("jeu.ini", "VIEWPORT=1280;720\nFRAMERATE=60\n");
        jeu.init("jeu.ini");
        if (jeu.fenetre)
            jeu.fenetre->setFramerateLimit(0);
    }
    ~Banc()
    {
        if (::chdir(ancien.c_str()) != 0)
            return;
    }
    DossierTemp dossier;
    std::string ancien;
    CSFMLJeu jeu;
};

Banc& banc()
{
    static Banc b;
    return b;
}

void BM_FenetreNue(benchmark::State& state)
{
    sf::RenderWindow* f = banc().jeu.fenetre;
    for (auto _ : state) {
        sf::Event e;
        while (f->pollEvent(e)) {
        }
        f->clear(sf::Color(150, 150, 150));
        f->display();
    }
}
BENCHMARK(BM_FenetreNue)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

// The least a game frame draws: the scene texture cleared and shown in the window.
void BM_SceneNue(benchmark::State& state)
{
    sf::RenderWindow* f = banc().jeu.fenetre;
    sf::RenderTexture* scene = CSFMLJeuGlobal::prenderTexture;
    for (auto _ : state) {
        sf::Event e;
        while (f->pollEvent(e)) {
        }
        f->clear(sf::Color(150, 150, 150));
        scene->clear(sf::Color(0, 0, 64, 128));
        scene->display();
        f->draw(sf::Sprite(scene->getTexture()));
        f->display();
    }
}
BENCHMARK(BM_SceneNue)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_ImageMenuVide(benchmark::State& state)
{
    CSFMLJeu& jeu = banc().jeu;
    jeu.mode = 0;
    for (auto _ : state)
        jeu.etape();
}
BENCHMARK(BM_ImageMenuVide)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_ImageJeuNiveauVide(benchmark::State& state)
{
    CSFMLJeu& jeu = banc().jeu;
    jeu.mode = 1;
    for (auto _ : state)
        jeu.etape();
    jeu.mode = 0;
}
BENCHMARK(BM_ImageJeuNiveauVide)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

} // namespace

BENCHMARK_MAIN();
