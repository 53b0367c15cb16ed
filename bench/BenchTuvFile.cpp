// Reading a large key-and-values file with CTUVFile against the plainest reader that
// does the same work: std::getline, split on "=" and ";", values as strings; then the
// same file read as numbers (the typed readers against std::from_chars).
#include "core/Texte.h"
#include "core/TuvFile.h"
#include "support/Outils.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <fstream>
#include <string>
#include <string_view>

namespace {

constexpr int NB_LIGNES = 50000;
constexpr int NB_VALEURS = 8;

// Lines shaped like a level file: a key, then ints, floats and a name.
const std::string& fichierTest()
{
    static DossierTemp dossier;
    static const std::string chemin = [] {
        const std::string p = dossier / "grand.niv";
        std::ofstream out(p);
        out << "# level\n\n";
        for (int i = 0; i < NB_LIGNES; ++i) {
            out << "SPRITE" << (i % 7) << "=";
            for (int v = 0; v < NB_VALEURS - 1; ++v)
                out << (v % 2 ? tuv::ftos(i * 0.25f + v) : tuv::itos(i * 3 + v)) << ";";
            out << "nom_" << i << "\n";
        }
        return p;
    }();
    return chemin;
}

void BM_CTUVFile(benchmark::State& state)
{
    const std::string& chemin = fichierTest();
    for (auto _ : state) {
        CTUVFile f;
        f.open(chemin, false);
        size_t total = 0;
        for (std::string cle = f.getKey(); !cle.empty(); cle = f.getKey()) {
            total += cle.size();
            for (int v = 0; v < NB_VALEURS; ++v) {
                std::string valeur = f.getValue();
                total += valeur.size();
                benchmark::DoNotOptimize(valeur.data());
            }
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * NB_LIGNES);
}

// The plainest reader's loop: each line holding a key, with the position of its "=".
template <class Traiter>
void lignesAvecCle(const std::string& chemin, Traiter&& traiter)
{
    std::ifstream in(chemin);
    std::string ligne;
    while (std::getline(in, ligne)) {
        if (ligne.empty() || ligne[0] == '#')
            continue;
        const size_t egal = ligne.find('=');
        if (egal != std::string::npos)
            traiter(ligne, egal);
    }
}

void BM_GetlineSplit(benchmark::State& state)
{
    const std::string& chemin = fichierTest();
    for (auto _ : state) {
        size_t total = 0;
        lignesAvecCle(chemin, [&total](const std::string& ligne, size_t egal) {
            std::string cle = ligne.substr(0, egal);
            total += cle.size();
            size_t debut = egal + 1;
            for (int v = 0; v < NB_VALEURS; ++v) {
                const size_t fin = ligne.find(';', debut);
                std::string valeur = ligne.substr(debut, fin == std::string::npos ? fin : fin - debut);
                total += valeur.size();
                benchmark::DoNotOptimize(valeur.data());
                if (fin != std::string::npos)
                    debut = fin + 1;
            }
        });
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * NB_LIGNES);
}

// Keys compared as views, the numbers converted, the name kept as a string: what a loader does.
void BM_CTUVFileNombres(benchmark::State& state)
{
    const std::string& chemin = fichierTest();
    for (auto _ : state) {
        CTUVFile f;
        f.open(chemin, false);
        double total = 0;
        for (std::string_view cle = f.getKeyView(); !cle.empty(); cle = f.getKeyView()) {
            total += cle.size();
            for (int v = 0; v < NB_VALEURS - 1; ++v)
                total += v % 2 ? f.getValueFloat() : f.getValueInt();
            const std::string nom = f.getValue();
            total += nom.size();
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * NB_LIGNES);
}

void BM_GetlineFromChars(benchmark::State& state)
{
    const std::string& chemin = fichierTest();
    for (auto _ : state) {
        double total = 0;
        lignesAvecCle(chemin, [&total](const std::string& ligne, size_t egal) {
            total += std::string_view(ligne.data(), egal).size();
            size_t debut = egal + 1;
            for (int v = 0; v < NB_VALEURS - 1; ++v) {
                const size_t fin = ligne.find(';', debut);
                const char* p = ligne.data() + debut;
                const char* e = ligne.data() + (fin == std::string::npos ? ligne.size() : fin);
                if (v % 2) {
                    float x = 0;
                    std::from_chars(p, e, x);
                    total += x;
                } else {
                    int x = 0;
                    std::from_chars(p, e, x);
                    total += x;
                }
                debut = fin == std::string::npos ? ligne.size() : fin + 1;
            }
            const std::string nom = ligne.substr(debut, ligne.find(';', debut) - debut);
            total += nom.size();
        });
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * NB_LIGNES);
}

} // namespace

BENCHMARK(BM_CTUVFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetlineSplit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CTUVFileNombres)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetlineFromChars)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
