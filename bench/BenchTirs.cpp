// Two costs of the shots, each beside its plain baseline:
// - one update (CArmes::majTirs) of 2,000 flying shots on a level of 2,000 rectangular decor
//   sprites with 2 players and 200 AIs, against a plain loop making the same decor probes
//   (CDecor::testCollision) and box tests (CDecor::collisionRectTourne on boxes computed
//   beforehand): within 1.5 times. The shots fly level at speed 10 (two sub-steps a frame)
//   between the decor and the characters, so that every frame makes the same work: per frame
//   4,000 probes, and box tests for each sub-step of an AI's shot against the 2 players and of a
//   player's shot against the other player and the 200 AIs (406,000);
// - drawing 2,000 shots into a 1280 x 720 render texture (CArmes::afficherTirs) against 2,000
//   sf::Sprite draws of the same textures: within 1.3 times.
// Run under Xvfb (textures need a GL context): xvfb-run -a build/<release>/bench/bench_BenchTirs
#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/Sprite.h"
#include "game/Jeu.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Window/Context.hpp>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr int NB_TIRS = 2000;
constexpr int NB_DECORS = 2000;
constexpr int NB_IAS = 200;
constexpr int Y_TIRS = 2000;    // the band the shots fly along
constexpr int Y_PERSOS = 3000;  // the characters stand below it

struct Boite {
    float gauche, haut, droite, bas, x, y;
};

struct Monde {
    Monde()
    {
        sf::Image planche;
        planche.create(64, 16, sf::Color(255, 220, 80));
        planche.saveToFile(dossier + ".png");
        const std::string images = "PLANCHE=" + dossier + ".png\nSPRITETIR=0;0;1;16;16;0.5;0\n"
                                   "SPRITETIRCANON=16;0;1;16;16;0.5;1\nSPRITETIRIMPACTMUR=32;0;1;16;16;0.5;1\n"
                                   "SPRITETIRIMPACTPERSO=48;0;1;16;16;0.5;1\n";
        std::ofstream(dossier + ".arm") << "ARME=ARME 2;Banc;10;1;10;2000000000\n" << images;
        faceJeu::installer(jeu.facettes());
        jeu.parmes = new CArmes();
        jeu.parmes->charger(fichierArmes());
        jeu.pdecor = &decor;
        creerDecor();
        creerPersos();
        tuv::srand(1);
        for (int i = 0; i < NB_TIRS; ++i) {
            CPerso* tireur = i % 2 ? decor.persos.front() : decor.ias.front();
            jeu.parmes->tirer(0, (i * 37) % 6400, Y_TIRS + i % 50, 0, i % 4 < 2 ? 90.0f : 270.0f, false, tireur);
            jeu.parmes->tirs.back()->etat = CTir::VOL;
        }
    }
    ~Monde()
    {
        jeu.parmes->viderTirs();
        jeu.pdecor = nullptr;
    }
    static std::string fichierArmes() { return dossier + ".arm"; }
    void creerDecor()
    {
        murs.nom = "MUR";
        murs.planche.create(32, 32, sf::Color::White);
        murs.ajouterAnimDec(0, 0, 1, 32, 32, 0, 0);
        for (int i = 0; i < NB_DECORS; ++i) {
            auto* sd = new CSPRITE3();
            sd->pDEC = &murs;
            sd->placer(0, (i % 100) * 64, (i / 100) * 64);
            sd->collision = 2;
            decor.pPlans[CDecor::PLAN_PRINCIPAL]->sprites.push_back(sd);
        }
    }
    void creerPersos()
    {
        corps.nom = "CORPS";
        corps.planche.create(20, 40, sf::Color::White);
        corps.ajouterAnimDec(0, 0, 1, 20, 40, 0, 0);
        for (int i = 0; i < NB_IAS + 2; ++i) {
            auto* p = new CPerso();
            p->sprite->pDEC = &corps;
            p->sprite->placer(0, 30 * i, Y_PERSOS);
            p->sprite->setOrigine(10, 40);
            p->bVaisseau = false;
            if (i < 2) {
                p->numJoueur = i;
                decor.persos.push_back(p);
            } else {
                p->modeIA = 1;
                p->modeCollisions = 1;
                decor.ias.push_back(p);
            }
            const CSPRITE3& s = *p->sprite;
            boites.push_back({s.x - 10, s.y - 40, s.x + 10, s.y, s.x, s.y});
        }
    }

    static inline const std::string dossier = "/tmp/bench_tirs_" + std::to_string(::getpid());
    sf::Context contexte;
    CDEC murs, corps;  // outlive the sprites bound to them
    CSFMLJeu jeu;
    CDecor decor;
    std::vector<Boite> boites;  // the players', then the AIs'
};

Monde& monde()
{
    static Monde m;
    return m;
}

void BM_MajTirs(benchmark::State& state)
{
    CArmes& liste = *monde().jeu.parmes;
    for (auto _ : state)
        liste.majTirs();
    state.SetItemsProcessed(state.iterations() * NB_TIRS);
}
BENCHMARK(BM_MajTirs)->Unit(benchmark::kMillisecond);

// The same probes and box tests, on plain records.
void BM_SondesBrutes(benchmark::State& state)
{
    Monde& m = monde();
    struct Tir {
        float x, y, dx;
        bool parIA;
    };
    std::vector<Tir> tirs;
    for (const CTir* t : m.jeu.parmes->tirs)
        tirs.push_back({float(t->x), float(t->y), t->angle == 90 ? 5.0f : -5.0f, t->pTireur->modeIA != -1});
    long long sondes = 0, tests = 0;
    for (auto _ : state) {
        int touches = 0;
        for (Tir& t : tirs)
            for (int k = 0; k < 2; ++k) {
                t.x += t.dx;
                touches += m.decor.testCollision(nullptr, t.x, t.y, t.x, t.y) != nullptr;
                ++sondes;
                // An AI's shot tries both players; a player's shot the other player and the AIs.
                const size_t debut = t.parIA ? 0 : 1, fin = t.parIA ? 2 : m.boites.size();
                for (size_t i = debut; i < fin; ++i) {
                    const Boite& b = m.boites[i];
                    touches += CDecor::collisionRectTourne(t.x, t.y, t.x + 2, t.y + 2, b.gauche, b.haut, b.droite,
                                                           b.bas, 0, b.x, b.y);
                    ++tests;
                }
            }
        benchmark::DoNotOptimize(touches);
    }
    state.counters["probes_per_frame"] = double(sondes) / double(state.iterations());
    state.counters["box_tests_per_frame"] = double(tests) / double(state.iterations());
    state.SetItemsProcessed(state.iterations() * NB_TIRS);
}
BENCHMARK(BM_SondesBrutes)->Unit(benchmark::kMillisecond);

struct Scene {
    Scene()
    {
        CPerso* tireur = monde().decor.persos.front();  // the world writes the weapon file
        cible.create(1280, 720);
        liste = std::make_unique<CArmes>();
        liste->charger(Monde::fichierArmes());
        for (int i = 0; i < NB_TIRS; ++i) {
            liste->tirer(0, (i * 97) % 1280, (i * 53) % 720, 0, float(i % 360), false, tireur);
            liste->tirs.back()->etat = CTir::VOL;
        }
        texture = liste->armes[0]->pSpriteTir->getTexture(0, 0);
    }
    sf::RenderTexture cible;
    std::unique_ptr<CArmes> liste;
    const sf::Texture* texture = nullptr;
};

Scene& scene()
{
    static Scene s;
    return s;
}

void BM_AfficherTirs(benchmark::State& state)
{
    Scene& s = scene();
    for (auto _ : state) {
        s.cible.clear();
        s.liste->afficherTirs(s.cible);
        s.cible.display();
    }
    state.SetItemsProcessed(state.iterations() * NB_TIRS);
}
BENCHMARK(BM_AfficherTirs)->Unit(benchmark::kMillisecond);

void BM_SpritesBruts(benchmark::State& state)
{
    Scene& s = scene();
    for (auto _ : state) {
        s.cible.clear();
        for (const CTir* t : s.liste->tirs) {
            sf::Sprite image(*s.texture);
            image.setOrigin(8, 8);
            image.setPosition(float(t->x), float(t->y));
            image.setRotation(t->angle - 90);
            image.setColor(sf::Color::White);
            s.cible.draw(image);
        }
        s.cible.display();
    }
    state.SetItemsProcessed(state.iterations() * NB_TIRS);
}
BENCHMARK(BM_SpritesBruts)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
