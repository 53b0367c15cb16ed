// Cost of the level's collision query along a character's path against a plain proximity
// cull over a vector of structs with one mask read per near sprite.
#include "anim/Sprite3.h"
#include "core/Dec.h"
#include "core/Hasard.h"
#include "core/SetTextures.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Window/Context.hpp>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr int NB_SPRITES = 5000;
constexpr int LARGEUR_NIVEAU = 20000;
constexpr int NB_POINTS = 100000;
constexpr int TAILLE = 64;
const sf::Color VERT(0, 255, 0, 255);

struct SpriteBrut {
    float x, y, r;
    const sf::Image* masque;
};

struct Niveau {
    sf::Context contexte;  // the banks' textures need one
    std::unique_ptr<CDecor> decor = std::make_unique<CDecor>();
    std::vector<SpriteBrut> bruts;
    std::vector<sf::Vector2f> chemin;

    Niveau()
    {
        auto* banque = new CDEC();
        banque->nom = "SOL";
        banque->planche.create(TAILLE, TAILLE, sf::Color::White);
        banque->pMasquePlanche = new sf::Image();
        banque->pMasquePlanche->create(TAILLE, TAILLE, sf::Color::Transparent);
        for (unsigned y = TAILLE / 2; y < TAILLE; ++y)
            for (unsigned x = 0; x < TAILLE; ++x)
                banque->pMasquePlanche->setPixel(x, y, VERT);
        banque->ajouterAnimDec(0, 0, 1, TAILLE, TAILLE, 1.0f, 0);
        decor->modelesDEC["SOL"] = banque;
        const sf::Image* masque = banque->anims[0]->images[0];

        tuv::srand(1);
        for (int n = 0; n < NB_SPRITES; ++n) {
            auto* sd = new CSPRITE3();
            sd->pDEC = banque;
            sd->placer(0, tuv::rand() % LARGEUR_NIVEAU, 400 + tuv::rand() % 300);
            sd->setOrigine(TAILLE / 2, TAILLE / 2);
            sd->collision = 1;
            decor->pPlans[CDecor::PLAN_PRINCIPAL]->sprites.push_back(sd);
            bruts.push_back({sd->x, sd->y, float(TAILLE), masque});
        }
        // The character walks the level's length with its feet bobbing over the ground.
        for (int i = 0; i < NB_POINTS; ++i)
            chemin.emplace_back(float(i) * LARGEUR_NIVEAU / NB_POINTS, 550 + 100 * std::sin(float(i) * 0.01f));
    }
};

Niveau& niveau()
{
    static Niveau n;
    return n;
}

const SpriteBrut* testBrut(const std::vector<SpriteBrut>& sprites, float px, float py)
{
    for (const SpriteBrut& s : sprites) {
        if (!(std::fabs(px - s.x) < s.r && std::fabs(py - s.y) < s.r))
            continue;
        const int u = int(px - s.x + TAILLE / 2), v = int(py - s.y + TAILLE / 2);
        if (u >= 0 && v >= 0 && u < TAILLE && v < TAILLE && s.masque->getPixel(unsigned(u), unsigned(v)) == VERT)
            return &s;
    }
    return nullptr;
}

void BM_CollisionsStructsBruts(benchmark::State& etat)
{
    Niveau& n = niveau();
    for (auto _ : etat) {
        int touches = 0;
        for (const sf::Vector2f& p : n.chemin)
            touches += testBrut(n.bruts, p.x, p.y) != nullptr;
        benchmark::DoNotOptimize(touches);
    }
}
BENCHMARK(BM_CollisionsStructsBruts)->Unit(benchmark::kMillisecond);

void BM_CollisionsTestCollision(benchmark::State& etat)
{
    Niveau& n = niveau();
    for (auto _ : etat) {
        int touches = 0;
        for (const sf::Vector2f& p : n.chemin)
            touches += n.decor->testCollision(nullptr, p.x, p.y, p.x, p.y) != nullptr;
        benchmark::DoNotOptimize(touches);
    }
}
BENCHMARK(BM_CollisionsTestCollision)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
