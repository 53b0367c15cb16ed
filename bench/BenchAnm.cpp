// Loading a large ".anm" (40 elements, 30 animations of 30 keyframes, one AE per element)
// with CSPRITE3::charger, against reading the same bytes with CTUVFile alone (every key
// and every value taken as text). The load alone is timed: the sprite is destroyed
// outside the timed region.
#include "anim/Sprite3.h"
#include "core/Services.h"
#include "core/TuvFile.h"
#include "support/Outils.h"

#include <SFML/Graphics/Texture.hpp>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr int NB_ELEMENTS = 40;
constexpr int NB_ANIMATIONS = 30;
constexpr int NB_KEYFRAMES = 30;

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
        for (int e = 0; e < NB_ELEMENTS; ++e)
            s.ajouterElement("element_" + std::to_string(e), e * 10.0f, 0, 10, 20, 5, 10, e % 4 ? 2 : 3,
                             e % 4 ? 2 : 3, -1, e > 0 ? e - 1 : -1, e % 2 == 0);
        for (int a = 0; a < NB_ANIMATIONS; ++a) {
            s.ajouterAnimation("animation_" + std::to_string(a), true);
            s.setNbFrames(a, NB_KEYFRAMES * 4);
            for (int e = 0; e < NB_ELEMENTS; ++e)
                s.ajouterAnimElem(a, e, e % 3 ? "" : "ae_" + std::to_string(e), 0, 1, e > 0 ? e - 1 : -1);
            for (int k = 1; k < NB_KEYFRAMES; ++k)
                s.ajouterKeyframe(a, k * 4);
            CSPRITE3_ANIMATION& anim = *s.animations[static_cast<size_t>(a)];
            for (size_t k = 0; k < anim.keyframes.size(); ++k)
                for (size_t i = 0; i < anim.keyframes[k]->cles.size(); ++i) {
                    CSPRITE3_KEYANIMELEM& cle = anim.keyframes[k]->cles[i];
                    cle.position = sf::Vector2f(i * 1.5f + k, k * 0.25f - i);
                    cle.rotation = static_cast<float>((k * 7 + i) % 360);
                    cle.echelle = sf::Vector2f(1 + k * 0.01f, 1);
                    if (i % 4 == 0)
                        cle.maillage[4] = sf::Vector2f(k * 0.5f, -0.25f);
                }
        }
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
