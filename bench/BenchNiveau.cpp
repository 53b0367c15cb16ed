// The level reader against a bare parse of the same file:
// - reading a generated level of 5,000 decor sprites of 20 definitions (every fifth with a
//   shader, every seventh on a key-point path of three points, every twentieth with a particle
//   emitter, and ids, colours, shadows and groups here and there) into a world, headless;
// - walking the same file with CTUVFile alone: every key and every value of every line.
// The load must stay within 3 times the walk. Run under Xvfb (the definitions' images make
// textures): xvfb-run -a build/<release>/bench/bench_BenchNiveau; compare cpu_time.
#include "NiveauGenere.h"
#include "characters/PersoDef.h"
#include "core/Globals.h"
#include "core/Services.h"
#include "core/TuvFile.h"
#include "game/Jeu.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/FichierNiveau.h"
#include "level/Vue.h"
#include "script/ScriptEngine.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Window/Context.hpp>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

using banc::NB_SPRITES;

// The level and its definitions in a folder of their own, made once.
struct Niveau {
    std::filesystem::path dossier;
    Niveau()
    {
        dossier = std::filesystem::temp_directory_path() / ("bench_niveau_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dossier / "decors");
        std::filesystem::current_path(dossier);
        std::ofstream niv("niveau.niv");
        niv << "NOM=Banc;1\nTAILLEJEU=20000;2000\nSCROLLVUE=1;18;1\n";
        banc::ecrireDefinitions(niv);
        for (int i = 0; i < NB_SPRITES; ++i)
            banc::ecrireSprite(niv, i);
    }
    ~Niveau() { std::filesystem::remove_all(dossier); }
};

// A game without window holding the world the level is read into.
struct Monde {
    sf::Context contexte;
    Niveau niveau;
    std::unique_ptr<CSFMLJeu> jeu;
    Monde()
    {
        jeu = banc::jeuSansFenetre();
        charger();  // the definitions are read once, as by a level loaded before
        vider();
    }
    void charger()
    {
        CFichierNiveau f;
        f.chargerNiveau("niveau.niv", *jeu->pdecorJeu);
    }
    // What a level load frees before reading.
    void vider()
    {
        jeu->pdecorJeu->viderPlans();
        jeu->pscriptEngineJeu->viderScripts();
    }
};

Monde& monde()
{
    static Monde m;
    return m;
}

void BM_ChargerNiveau(benchmark::State& state)
{
    Monde& m = monde();
    for (auto _ : state) {
        m.charger();
        state.PauseTiming();
        if (m.jeu->pdecorJeu->pPlans[2]->sprites.size() != NB_SPRITES / 5)
            state.SkipWithError("the level did not load");
        m.vider();
        state.ResumeTiming();
    }
}

void BM_LireNiveauCTUVFile(benchmark::State& state)
{
    monde();
    for (auto _ : state) {
        CTUVFile f;
        f.open("niveau.niv", false);
        long n = 0;
        for (std::string cle = f.getKey(); !cle.empty(); cle = f.getKey()) {
            do
                n += static_cast<long>(f.getValue().size());
            while (!f.finDeLigne());
        }
        benchmark::DoNotOptimize(n);
    }
}

} // namespace

BENCHMARK(BM_ChargerNiveau)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LireNiveauCTUVFile)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
