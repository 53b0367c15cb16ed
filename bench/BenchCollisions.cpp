// Cost of the level's collision query along a character's path over the last 20,000 pixels
// of a level of 5,000, 20,000 or 80,000 masked sprites spread over 4 pixels of width per
// sprite (past x = 32,767 from 8,192 sprites on): the same walk, a longer level. Against a
// plain uniform grid over a vector of structs that calls the level's own per-sprite test
// (CDecor::degats) for the near ones. Also what the index costs per frame to stay exact (its
// look at the plane at a new frame, a build after a removal), and a long run of the
// differential check of the tests.
#include "anim/Sprite3.h"
#include "core/Dec.h"
#include "core/Hasard.h"
#include "core/Services.h"
#include "core/SetTextures.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/MondeAleatoire.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Window/Context.hpp>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr int LARGEUR_PAR_SPRITE = 4;
constexpr int LONGUEUR_CHEMIN = 20000;
constexpr int NB_POINTS = 100000;
constexpr int TAILLE = 64;
constexpr float CELLULE = 2 * TAILLE;
const sf::Color VERT(0, 255, 0, 255);

unsigned long imageCourante = 1;

// A draw over the whole level: the game's generator gives 15 bits, two draws give 30.
int tirage(int borne) { return int(((long(tuv::rand()) << 15) | tuv::rand()) % borne); }

struct SpriteBrut {
    float x, y, r;
    CSPRITE* sd;
};

// The plain grid: each struct in the cells its square of nearness covers.
struct GrilleBrute {
    int nx = 0, ny = 0;
    float y0 = 0;
    std::vector<std::vector<int>> cellules;

    void remplir(const std::vector<SpriteBrut>& bruts, int largeur, float haut, float bas)
    {
        y0 = haut;
        nx = int(largeur / CELLULE) + 2;
        ny = int((bas - haut) / CELLULE) + 2;
        cellules.assign(size_t(nx * ny), {});
        for (int i = 0; i < int(bruts.size()); ++i) {
            const SpriteBrut& s = bruts[size_t(i)];
            const int x1 = std::max(0, int((s.x - s.r) / CELLULE)), x2 = std::min(nx - 1, int((s.x + s.r) / CELLULE));
            const int y1 = std::max(0, int((s.y - s.r - y0) / CELLULE));
            const int y2 = std::min(ny - 1, int((s.y + s.r - y0) / CELLULE));
            for (int y = y1; y <= y2; ++y)
                for (int x = x1; x <= x2; ++x)
                    cellules[size_t(y * nx + x)].push_back(i);
        }
    }
    const std::vector<int>* cellule(float x, float y) const
    {
        const int cx = int(x / CELLULE), cy = int((y - y0) / CELLULE);
        if (x < 0 || y < y0 || cx >= nx || cy >= ny)
            return nullptr;
        return &cellules[size_t(cy * nx + cx)];
    }
};

struct Niveau {
    std::unique_ptr<CDecor> decor = std::make_unique<CDecor>();
    std::vector<SpriteBrut> bruts;
    GrilleBrute grille;
    std::vector<sf::Vector2f> chemin;
    int nbSprites;

    explicit Niveau(int nb) : nbSprites(nb)
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

        const int largeur = LARGEUR_PAR_SPRITE * nb;
        tuv::srand(1);
        for (int n = 0; n < nb; ++n) {
            auto* sd = new CSPRITE3();
            sd->pDEC = banque;
            sd->placer(0, tirage(largeur), 400 + tuv::rand() % 300);
            sd->setOrigine(TAILLE / 2, TAILLE / 2);
            sd->collision = 1;
            decor->pPlans[CDecor::PLAN_PRINCIPAL]->sprites.push_back(sd);
            bruts.push_back({sd->x, sd->y, float(TAILLE), sd});
        }
        grille.remplir(bruts, largeur, 400 - TAILLE, 700 + TAILLE);
        // The character walks to the level's end with its feet bobbing over the ground.
        for (int i = 0; i < NB_POINTS; ++i)
            chemin.emplace_back(float(largeur - LONGUEUR_CHEMIN) + float(i) * LONGUEUR_CHEMIN / NB_POINTS,
                                550 + 100 * std::sin(float(i) * 0.01f));
        g_services.numeroFrame = [] { return imageCourante; };
    }

    const SpriteBrut* testBrut(float px, float py) const
    {
        const std::vector<int>* c = grille.cellule(px, py);
        if (!c)
            return nullptr;
        for (int i : *c) {
            const SpriteBrut& s = bruts[size_t(i)];
            if (std::fabs(px - s.x) < s.r && std::fabs(py - s.y) < s.r &&
                decor->degats(nullptr, s.sd, px, py, px, py))
                return &s;
        }
        return nullptr;
    }
};

// One level at a time: 80,000 sprites weigh about 100 MB.
Niveau& niveau(int nb)
{
    static sf::Context contexte;  // the banks' textures need one
    static std::unique_ptr<Niveau> n;
    if (!n || n->nbSprites != nb) {
        n.reset();
        n = std::make_unique<Niveau>(nb);
    }
    return *n;
}

void tailles(benchmark::internal::Benchmark* b) { b->Arg(5000)->Arg(20000)->Arg(80000); }

void BM_CollisionsGrilleBrute(benchmark::State& etat)
{
    Niveau& n = niveau(int(etat.range(0)));
    for (auto _ : etat) {
        int touches = 0;
        for (const sf::Vector2f& p : n.chemin)
            touches += n.testBrut(p.x, p.y) != nullptr;
        benchmark::DoNotOptimize(touches);
    }
}
BENCHMARK(BM_CollisionsGrilleBrute)->Apply(tailles)->Unit(benchmark::kMillisecond);

// Each pass along the path is one frame: the index takes its walk of the plane once in it.
void BM_CollisionsTestCollision(benchmark::State& etat)
{
    Niveau& n = niveau(int(etat.range(0)));
    int touches = 0, attendues = 0;
    for (const sf::Vector2f& p : n.chemin)
        attendues += n.testBrut(p.x, p.y) != nullptr;
    for (auto _ : etat) {
        ++imageCourante;
        touches = 0;
        for (const sf::Vector2f& p : n.chemin)
            touches += n.decor->testCollision(nullptr, p.x, p.y, p.x, p.y) != nullptr;
        benchmark::DoNotOptimize(touches);
    }
    if (touches != attendues)
        etat.SkipWithError("the query and the plain grid disagree");
}
BENCHMARK(BM_CollisionsTestCollision)->Apply(tailles)->Unit(benchmark::kMillisecond);

// The walk the first query of each frame takes over the plane (nothing moved).
void BM_IndexNouvelleImage(benchmark::State& etat)
{
    Niveau& n = niveau(int(etat.range(0)));
    for (auto _ : etat) {
        ++imageCourante;
        benchmark::DoNotOptimize(n.decor->testCollision(nullptr, -1, -1, -1, -1));
    }
}
BENCHMARK(BM_IndexNouvelleImage)->Apply(tailles)->Unit(benchmark::kMicrosecond);

// A sprite added in the middle of a frame: the next query follows the list and compares.
void BM_IndexAjout(benchmark::State& etat)
{
    Niveau& n = niveau(int(etat.range(0)));
    std::list<CSPRITE*>& sprites = n.decor->pPlans[CDecor::PLAN_PRINCIPAL]->sprites;
    CSPRITE3 ajoute;
    for (auto _ : etat) {
        sprites.push_back(&ajoute);
        benchmark::DoNotOptimize(n.decor->testCollision(nullptr, -1, -1, -1, -1));
        etat.PauseTiming();
        sprites.pop_back();
        n.decor->testCollision(nullptr, -1, -1, -1, -1);
        etat.ResumeTiming();
    }
}
BENCHMARK(BM_IndexAjout)->Apply(tailles)->Unit(benchmark::kMicrosecond);

// A sprite removed in the middle of a frame: the next query builds the grid again.
void BM_IndexReconstruction(benchmark::State& etat)
{
    Niveau& n = niveau(int(etat.range(0)));
    std::list<CSPRITE*>& sprites = n.decor->pPlans[CDecor::PLAN_PRINCIPAL]->sprites;
    for (auto _ : etat) {
        CSPRITE* premier = sprites.front();
        sprites.pop_front();
        benchmark::DoNotOptimize(n.decor->testCollision(nullptr, -1, -1, -1, -1));
        etat.PauseTiming();
        sprites.push_front(premier);
        n.decor->testCollision(nullptr, -1, -1, -1, -1);
        etat.ResumeTiming();
    }
}
BENCHMARK(BM_IndexReconstruction)->Apply(tailles)->Unit(benchmark::kMicrosecond);

// The tests' differential check over many more random worlds (bench/ratios.sh does not run it).
void BM_DifferentielLong(benchmark::State& etat)
{
    for (auto _ : etat) {
        const mondeAleatoire::Bilan b = mondeAleatoire::verifier(1000, 3000, 40);
        if (!b.ecarts.empty()) {
            etat.SkipWithError(b.ecarts.front().c_str());
            return;
        }
        etat.counters["requetes"] = double(b.requetes);
    }
}
BENCHMARK(BM_DifferentielLong)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
