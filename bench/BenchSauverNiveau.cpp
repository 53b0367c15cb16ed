// The level writer against a plain write of the same lines:
// - saving a world of 5,000 decor sprites of 20 definitions (every fifth with a shader, every
//   seventh on a key-point path, every twentieth with an emitter, every fiftieth with a force
//   zone, every tenth with a level-file script) and 200 AIs: the ".save" copy, the lines
//   formatted from the live objects, the safe write (temporary file, sync, rename);
// - writing the lines of that very file, already formatted, with a plain std::ofstream
//   through the same ".save" copy, sync and rename: on this machine those alone cost some
//   three times the plain write (BM_EcrireLignesSeules against BM_EcritureSureSeule), so the
//   baseline pays them too.
// The save must stay within 2 times the baseline. Run under Xvfb (the definitions' images
// make textures): xvfb-run -a build/<release>/bench/bench_BenchSauverNiveau; compare cpu_time.
#include "NiveauGenere.h"
#include "characters/PersoDef.h"
#include "core/Fichiers.h"
#include "core/Globals.h"
#include "core/Services.h"
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
#include <vector>

#include <unistd.h>

namespace {

using banc::NB_SPRITES;
constexpr int NB_IAS = 200;
const char* const FORCE = "120;60;40;20;1.5;-2.5;;2;1;1;1;;1;0;5;6;50;60;1;1;0.05;300;40;15;0.5;0;1;1";

void ecrireModeles(std::ofstream& niv)
{
    banc::ecrireDefinitions(niv);
    sf::Image garde;
    garde.create(60, 50, sf::Color::Red);
    garde.saveToFile("garde.png");
    std::ofstream("garde.per") << "ID=GARDE\nPLANCHE=./garde.png;\nSPRITE=0;0;30;50;2;0.2;0\nIA=4\nVITESSE=7\n";
    niv << "TEXTURE_PER=./garde.per;GARDE\n";
}

// The shared sprite, with a force zone every fiftieth and a level-file script every tenth.
void ecrireSprite(std::ofstream& niv, int i)
{
    banc::ecrireSprite(niv, i);
    if (i % 50 == 0)
        niv << "FORCESD=" << FORCE << "\n";
    if (i % 10 == 0)
        niv << "SCRIPTRUN=./scripts/s" << i % 4 << ".scp;0;0;-1\n";
}

// The level and its definitions in a folder of their own, made once, and loaded into the
// game world of a game without window.
struct Monde {
    sf::Context contexte;
    std::filesystem::path dossier;
    std::unique_ptr<CSFMLJeu> jeu;
    std::vector<std::string> lignes;  // the saved file's lines, for the baseline
    Monde()
    {
        dossier = std::filesystem::temp_directory_path() / ("bench_sauver_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dossier / "decors");
        std::filesystem::create_directories(dossier / "scripts");
        std::filesystem::current_path(dossier);
        for (int s = 0; s < 4; ++s)
            std::ofstream("scripts/s" + std::to_string(s) + ".scp") << "PRINT(\"x\";10;10)\n";
        {
            std::ofstream niv("niveau.niv");
            niv << "NOM=Banc;1\nTAILLEJEU=20000;2000\nSCROLLVUE=1;18;1\n";
            ecrireModeles(niv);
            for (int a = 0; a < NB_IAS; ++a)
                niv << "IA=GARDE;" << a * 90 << ";500;" << a % 2 << ";1;1;80;1;0\nOMBREIA=1;1;0;0.3;0.15;350;25\n";
            for (int i = 0; i < NB_SPRITES; ++i)
                ecrireSprite(niv, i);
        }
        jeu = banc::jeuSansFenetre();
        CFichierNiveau().chargerNiveau("niveau.niv", *jeu->pdecorJeu);
        sauver();
        std::ifstream in("sortie.niv");
        for (std::string l; std::getline(in, l);)
            lignes.push_back(l);
    }
    ~Monde()
    {
        jeu.reset();
        std::filesystem::remove_all(dossier);
    }
    bool sauver() { return CFichierNiveau().sauverNiveau("sortie.niv", *jeu->pdecorJeu); }
};

Monde& monde()
{
    static Monde m;
    return m;
}

void BM_SauverNiveau(benchmark::State& state)
{
    Monde& m = monde();
    if (m.lignes.size() < NB_SPRITES + NB_IAS)
        state.SkipWithError("the level did not load");
    for (auto _ : state)
        if (!m.sauver())
            state.SkipWithError("the save failed");
}

// The baseline: the same lines written with a plain std::ofstream (the commit point's
// stream), through the same ".save" copy, sync and rename as the save.
void BM_EcrireLignesOfstream(benchmark::State& state)
{
    const Monde& m = monde();
    for (auto _ : state) {
        const bool ok = tuv::copierSauvegarde("simple.niv") && tuv::ecrireFichierSur("simple.niv", [&](std::ostream& out) {
            for (const std::string& l : m.lignes)
                out << l << '\n';
            return out.good();
        });
        if (!ok)
            state.SkipWithError("the write failed");
    }
}

// The two halves of the baseline: the lines alone into a plain file, and the ".save" copy
// and safe write alone of the same bytes, already in one string.
void BM_EcrireLignesSeules(benchmark::State& state)
{
    const Monde& m = monde();
    for (auto _ : state) {
        std::ofstream out("seul.niv");
        for (const std::string& l : m.lignes)
            out << l << '\n';
        out.close();
        benchmark::DoNotOptimize(out.good());
    }
}

void BM_EcritureSureSeule(benchmark::State& state)
{
    const Monde& m = monde();
    std::string texte;
    for (const std::string& l : m.lignes)
        texte += l + '\n';
    for (auto _ : state) {
        const bool ok = tuv::copierSauvegarde("sure.niv") &&
                        tuv::ecrireFichierSur("sure.niv", [&](std::ostream& out) { return bool(out << texte); });
        benchmark::DoNotOptimize(ok);
    }
}

} // namespace

BENCHMARK(BM_SauverNiveau)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EcrireLignesOfstream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EcrireLignesSeules)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EcritureSureSeule)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
