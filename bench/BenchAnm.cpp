// Loading a large ".anm" (40 elements, 30 animations of 30 keyframes, one AE per element)
// with CSPRITE3::charger, against reading the same bytes with CTUVFile alone (every key
// and every value taken as text). The load alone is timed: the sprite is destroyed
// outside the timed region.
#include "GrandSprite.h"

#include "anim/Sprite3.h"
#include "core/Services.h"
#include "core/TuvFile.h"
#include "support/Outils.h"

#include <SFML/Graphics/Texture.hpp>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

sf::Texture& feuille()
{
    static sf::Texture t;
    return t;
}

const std::string& fichierTest()
{
    static DossierTemp dossier;
    static const std::string chemin = [] {
        g_services.textureCache = [](const std::string&, const std::string&) { return &feuille(); };
        ecrireTexte(dossier / "feuille.png", "sheet");
        CSPRITE3 s;
        s.chargerTexture("bench", dossier / "feuille.png");
        banc::construireGrandSprite(s);
        const std::string p = dossier / "grand.anm";
        s.sauver(p);
        return p;
    }();
    return chemin;
}

void BM_ChargerAnm(benchmark::State& state)
{
    const std::string& chemin = fichierTest();
    for (auto _ : state) {
        auto s = std::make_unique<CSPRITE3>();
        benchmark::DoNotOptimize(s->charger(nullptr, nullptr, chemin, true));
        benchmark::DoNotOptimize(s->animations.data());
        state.PauseTiming();
        s.reset();
        state.ResumeTiming();
    }
}

void BM_LireOctetsCTUVFile(benchmark::State& state)
{
    const std::string& chemin = fichierTest();
    for (auto _ : state) {
        CTUVFile f;
        f.open(chemin, false);
        size_t total = 0;
        for (std::string cle = f.getKey(); !cle.empty(); cle = f.getKey()) {
            total += cle.size();
            // Every value of the line once: stop when the last one has been returned.
            size_t restant = f.getLigneCourante().size() - f.getLigneCourante().find('=') - 1;
            while (true) {
                const std::string valeur = f.getValue();
                total += valeur.size();
                if (valeur.size() >= restant)
                    break;
                restant -= valeur.size() + 1;
            }
        }
        benchmark::DoNotOptimize(total);
    }
}

BENCHMARK(BM_ChargerAnm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LireOctetsCTUVFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
