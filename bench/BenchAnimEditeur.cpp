// One undo record pushed by the animation editor while it edits the large sprite of the
// benchmarks (40 elements, 30 animations of 30 keyframes), its list already holding its 25
// records so that the push also drops the oldest, against copying that sprite's records
// (CSPRITE3's copy constructor). A record holds the values it puts back, never sprite data.
#include "GrandSprite.h"

#include "anim/Sprite3.h"
#include "animeditor/JeuDialogAnimationsSprites.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Editeur {
    Editeur()
    {
        banc::construireGrandSprite(*editeur.pSprite);
        for (size_t i = 0; i < CJeuDialogAnimationsSprites::MAX_ANNULATIONS; ++i)
            editeur.ajouterAnnulation(AnmUndoRecord::FAE_SCALE, 3, 8, 12, 1.5f, 1, 20, -4);
    }
    CJeuDialogAnimationsSprites editeur;
};

void BM_AjouterAnnulation(benchmark::State& state)
{
    Editeur e;
    float x = 0;
    for (auto _ : state) {
        e.editeur.ajouterAnnulation(AnmUndoRecord::FAE_MOVE, 3, 8, 12, x, 2, 1, 0, AnmUndoRecord::ENFANTS_POSITIONS);
        x += 1;
        benchmark::DoNotOptimize(e.editeur.listeAnnulations.back());
    }
    if (e.editeur.listeAnnulations.size() != CJeuDialogAnimationsSprites::MAX_ANNULATIONS)
        state.SkipWithError("the list grew past its cap");
}

void BM_CopierSprite(benchmark::State& state)
{
    Editeur e;
    for (auto _ : state) {
        auto copie = std::make_unique<CSPRITE3>(*e.editeur.pSprite);
        benchmark::DoNotOptimize(copie->animations.data());
        state.PauseTiming();
        copie.reset();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_AjouterAnnulation);
BENCHMARK(BM_CopierSprite)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
