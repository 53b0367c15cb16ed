// Saving a 2 MB ".anm" with CSPRITE3::sauver (the ".save" copy of the old file, then the
// new file through the commit point: temporary file, fsync, rename, folder fsync) against
// the plainest write of the same bytes (one ofstream, then a rename, nothing synced).
#include "anim/Sprite3.h"
#include "core/Services.h"
#include "support/Outils.h"

#include <SFML/Graphics/Texture.hpp>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

DossierTemp& dossier()
{
    static DossierTemp d;
    return d;
}

// About 2 MB once written: 36 elements, 28 animations of 28 keyframes with mesh offsets.
CSPRITE3& spriteTest()
{
    static CSPRITE3* s = [] {
        static sf::Texture feuille;
        g_services.textureCache = [](const std::string&, const std::string&) { return &feuille; };
        ecrireTexte(dossier() / "feuille.png", "sheet");
        auto* sp = new CSPRITE3;
        sp->chargerTexture("bench", dossier() / "feuille.png");
        constexpr int elements = 30, animations = 22, keyframes = 23;
        for (int e = 0; e < elements; ++e)
            sp->ajouterElement("el" + std::to_string(e), e * 8.0f, 0, 8, 16, 4, 8, 3, 3, -1, -1, false);
        for (int a = 0; a < animations; ++a) {
            sp->ajouterAnimation("anim" + std::to_string(a), true);
            sp->setNbFrames(a, keyframes * 3);
            for (int e = 0; e < elements; ++e)
                sp->ajouterAnimElem(a, e, "", 0, 1, e - 1);
            for (int k = 1; k < keyframes; ++k)
                sp->ajouterKeyframe(a, k * 3);
            for (auto& kf : sp->animations[static_cast<size_t>(a)]->keyframes)
                for (size_t i = 0; i < kf->cles.size(); ++i) {
                    kf->cles[i].position = sf::Vector2f(i * 0.75f, a - 0.5f * i);
                    kf->cles[i].maillage[2] = sf::Vector2f(0.125f * i, -1.5f);
                }
        }
        return sp;
    }();
    return *s;
}

void BM_SauverAnm(benchmark::State& state)
{
    CSPRITE3& s = spriteTest();
    const std::string p = dossier() / "grand.anm";
    s.sauver(p);
    for (auto _ : state)
        s.sauver(p);
    state.counters["octets"] = static_cast<double>(lireTexte(p).size());
}

void BM_EcrireOctetsSansSync(benchmark::State& state)
{
    CSPRITE3& s = spriteTest();
    const std::string p = dossier() / "brut.anm";
    s.sauver(p);
    const std::string octets = lireTexte(p);
    for (auto _ : state) {
        {
            std::ofstream out(p + ".tmp", std::ios::binary | std::ios::trunc);
            out.write(octets.data(), static_cast<std::streamsize>(octets.size()));
        }
        std::rename((p + ".tmp").c_str(), p.c_str());
    }
    state.counters["octets"] = static_cast<double>(octets.size());
}

} // namespace

BENCHMARK(BM_SauverAnm)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_EcrireOctetsSansSync)->Unit(benchmark::kMillisecond)->MinTime(2.0);

BENCHMARK_MAIN();
