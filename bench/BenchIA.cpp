// One frame of the AI controller for 500 generic AIs that look for two players every frame
// (detection period 1) on a level of 2,000 rectangular decor sprites, against a plain loop
// that asks the level the very same line-of-sight points (recorded in a first frame). The
// difference is what the controller costs beyond its probes.
#include "BanquesBench.h"
#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/IABehaviours.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/Globals.h"
#include "game/Jeu.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"

#include <SFML/Window/Context.hpp>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int NB_SPRITES = 2000;
constexpr int NB_IAS = 500;
constexpr int BLOC_L = 64, BLOC_H = 32;

struct Monde {
    sf::Context contexte;
    std::unique_ptr<CSFMLJeu> jeu = std::make_unique<CSFMLJeu>();
    CDecor* decor = new CDecor();
    CIABehaviours* ctrl = new CIABehaviours();
    std::vector<float> sondes;  // x, y of every probe of one frame

    Monde()
    {
        faceJeu::installer(jeu->facettes());
        jeu->pdecor = decor;
        jeu->pIABehaviours = ctrl;
        // A floor, and every tenth block a wall tall enough to hide a player from some AIs.
        CDEC* sol = banqueBench("SOL", BLOC_L, BLOC_H, true);
        decor->modelesDEC["SOL"] = sol;
        for (int n = 0; n < NB_SPRITES; ++n) {
            auto* sd = new CSPRITE3();
            sd->pDEC = sol;
            sd->placer(0, (n % 1000) * BLOC_L, n < 1000 ? 500 : 400 + (n % 10 == 0 ? 0 : 10000));
            sd->collision = 1;
            decor->pPlans[CDecor::PLAN_PRINCIPAL]->sprites.push_back(sd);
        }
        CDEC* corps = banqueBench("PERSO", 32, 64, false, 47);
        decor->modelesDEC["PERSO"] = corps;
        for (int i = 0; i < 2 + NB_IAS; ++i) {
            auto* p = new CPerso();
            p->sprite->pDEC = corps;
            p->sprite->placer(0, 0, 0);
            p->sprite->setOrigine(16, 64);
            p->bVaisseau = false;
            p->posTete[0] = 60;
            p->posTete[1] = 40;
            if (i < 2) {
                p->sprite->x = 1500.0f + 2000.0f * float(i);
                p->sprite->y = 500;
                decor->persos.push_back(p);
                continue;
            }
            p->sprite->x = float(i - 2) * 10.0f;
            p->sprite->y = 500;
            p->modeIA = 1;
            p->mode = EtatPerso::LIBRE_15;  // no movement: the state step only plays on
            p->bDetection = true;
            p->periodeDetection = 1;
            decor->ias.push_back(p);
        }
        CIABehaviours::journalSondes = &sondes;
        image();
        CIABehaviours::journalSondes = nullptr;
    }
    ~Monde()
    {
        jeu->pdecor = nullptr;
        delete decor;
        jeu.reset();
        faceJeu::installer({});
    }
    // Every AI calm, facing right, detecting this frame.
    void remettre()
    {
        for (CPerso* p : decor->ias) {
            p->compteurDetection = 0;
            p->compteurAlerte = -1;
            p->direction = 0;
        }
    }
    void image()
    {
        remettre();
        ctrl->majIA();
    }
};

Monde& monde()
{
    static Monde m;
    return m;
}

void compter(benchmark::State& etat, const Monde& m)
{
    etat.counters["sondes_par_ia"] = double(m.sondes.size() / 2) / NB_IAS;
}

void BM_MajIA(benchmark::State& etat)
{
    Monde& m = monde();
    for (auto _ : etat)
        m.image();
    compter(etat, m);
}
BENCHMARK(BM_MajIA)->Unit(benchmark::kMillisecond);

void BM_SondesSeules(benchmark::State& etat)
{
    Monde& m = monde();
    for (auto _ : etat) {
        m.remettre();  // as the frame does, so that both sides pay it
        int touches = 0;
        for (size_t k = 0; k + 1 < m.sondes.size(); k += 2)
            touches += m.decor->testCollision(nullptr, m.sondes[k], m.sondes[k + 1], m.sondes[k], m.sondes[k + 1]) != nullptr;
        benchmark::DoNotOptimize(touches);
    }
    compter(etat, m);
}
BENCHMARK(BM_SondesSeules)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
