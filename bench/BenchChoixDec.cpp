// The decor picker listing a folder of 2,000 ".dec" files (each read for its ID, then the
// first one's preview built) against the plainest listing: the folder walked with
// directory_iterator, each file opened with ifstream and its lines scanned for "ID=",
// keeping the last as the ID reader does.
#include "editor/SFMLJeuChoixDec.h"
#include "support/Outils.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int NB_FICHIERS = 2000;

// ID on the first line, then 19 other lines, as the game's definitions run.
const DossierTemp& dossier()
{
    static DossierTemp d = [] {
        DossierTemp t;
        for (int i = 0; i < NB_FICHIERS; ++i) {
            std::string texte = "ID=DECOR" + std::to_string(i) + "\n# decor de banc\n";
            for (int l = 0; l < 9; ++l)
                texte += "ECHELLE=1;1\nCOLLISIONS=" + std::to_string(l) + "\n";
            ecrireTexte(t / ("decor" + std::to_string(i) + ".dec"), texte);
        }
        return t;
    }();
    return d;
}

void BM_ChargerListeChoixDec(benchmark::State& state)
{
    const std::string d = dossier().str();
    static CSFMLJeuChoixDec* choix = new CSFMLJeuChoixDec();
    for (auto _ : state) {
        choix->chargerListe(d);
        benchmark::DoNotOptimize(choix->nbFichiers);
    }
    state.counters["fichiers"] = choix->nbFichiers;
}
BENCHMARK(BM_ChargerListeChoixDec)->Unit(benchmark::kMillisecond);

void BM_ListeBrute(benchmark::State& state)
{
    const std::string d = dossier().str();
    for (auto _ : state) {
        std::vector<std::string> fichiers;
        for (const auto& e : std::filesystem::directory_iterator(d)) {
            std::ifstream in(e.path());
            std::string ligne, id;
            while (std::getline(in, ligne))
                if (ligne.compare(0, 3, "ID=") == 0)
                    id = ligne.substr(3);
            if (!id.empty())
                fichiers.push_back(e.path().string());
        }
        benchmark::DoNotOptimize(fichiers.data());
    }
}
BENCHMARK(BM_ListeBrute)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
