// The level reader against a bare parse of the same file:
// - reading a generated level of 5,000 decor sprites of 20 definitions (every fifth with a
//   shader, every seventh on a key-point path of three points, every twentieth with a particle
//   emitter, and ids, colours, shadows and groups here and there) into a world, headless;
// - walking the same file with CTUVFile alone: every key and every value of every line.
// The load must stay within 3 times the walk. Run under Xvfb (the definitions' images make
// textures): xvfb-run -a build/<release>/bench/bench_BenchNiveau; compare cpu_time.
#include "characters/PersoDef.h"
#include "core/Globals.h"
#include "core/Services.h"
#include "core/TuvFile.h"
#include "game/Jeu.h"
#include "game/Vue.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/FichierNiveau.h"
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

constexpr int NB_SPRITES = 5000;
constexpr int NB_DEFINITIONS = 20;
const char* const PARTICULES = "0.5;-1.5;12;6;0.25;0.125;40;50;10;1;3.5;200;100;50;255;20;;-1;10;80;1;0.5;1;20;5;0;"
                               "1;2.5;1;0.1;4;1;1;6;1;2;3;0;7;-8;1;0;1;0;0.5;0.25;0.125;0.0625;0.75";

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
        for (int d = 0; d < NB_DEFINITIONS; ++d) {
            const std::string nom = "D" + std::to_string(d);
            sf::Image image;
            image.create(4 * 32, 32, sf::Color(10 * d, 100, 200));
            image.saveToFile("decors/" + nom + ".png");
            std::ofstream dec("decors/" + nom + ".dec");
            dec << "ID=" << nom << "\nPLANCHE=./decors/" << nom << ".png;\nSPRITE=0;0;4;32;32;0.2;0\n"
                << "ORIGINE=-1;-1\nHITBOX=1;2;3;4\nCOLLISIONS=" << (d % 3) << "\nCOLOR=255;255;255;255\n";
            niv << "TEXTURE_DEC=./decors/" << nom << ".dec;" << nom << "\n";
        }
        for (int i = 0; i < NB_SPRITES; ++i) {
            const int chemin = i % 7 == 0, emetteur = i % 20 == 0;
            niv << "SD=D" << i % NB_DEFINITIONS << ";" << (i * 37) % 20000 << ";" << (i * 13) % 2000 << ";" << i % 5
                << ";16;16;" << (i % 4) * 15 << ";0;1;" << (i % 2 ? -1 : 1) << ";1;1;0;0;0;0;" << emetteur << ";"
                << chemin << ";0\n";
            if (i % 3 == 0)
                niv << "IDSD=sprite" << i << "\nGROUPESD=" << i % 9 << "\n";
            if (i % 5 == 0)
                niv << "SHADERSD=./shaders/ondes.frag;2;amp;float;0.5;2;dir;vec2;1;0;0;;0\n";
            if (i % 4 == 0)
                niv << "COLSD=255;" << i % 256 << ";128;255\nOMBRESD=1;0.5;4;-4;0;0\n";
            if (emetteur)
                niv << "PARTICULESD=" << PARTICULES << "\n";
            if (chemin)
                niv << "KPG=0;0.9;0.1;0.1;10;0;-1\nKP=" << i << ";100;1;1;0;255;255;255;255;0;0;-1;-1;-1;-1\n"
                    << "KP=" << i + 200 << ";150;1;1;0;255;255;255;255;0;0;-1;-1;-1;-1\nKP=" << i + 400
                    << ";100;1;1;0;255;255;255;255;0;0;-1;-1;-1;-1\n";
        }
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
        installerHooksPersoDef();
        jeu = std::make_unique<CSFMLJeu>();
        CSFMLJeuGlobal::pmonjeu = jeu.get();
        jeu->pdecorJeu = jeu->pdecor = new CDecor();
        jeu->pscriptEngineJeu = jeu->pscriptEngine = new CScriptEngine();
        jeu->pvueJeu = jeu->pvue = new CVue(1280, 720);
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
