// The script engine's run loop: (a) one pass over 2,000 idle zone scripts with 4 players
// against a plain loop over plain structs computing the same zones and segment tests;
// (b) 100,000 steps of BASCULE (found through the keyword table) against as many labels
// (tested before the table).
#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/SetTextures.h"
#include "game/Jeu.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "script/ScriptEngine.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int NB_SCRIPTS = 2000;
constexpr int NB_JOUEURS = 4;
constexpr int NB_ETAPES = 100000;
constexpr int TAILLE_SCRIPT = 1000;

struct ZoneBrute {
    float x, y, ox, oy, sx, sy;
    int flipH, flipV, largeur, hauteur, marges[4];
};
struct JoueurBrut {
    float x, y, hauteur;
};

struct Niveau {
    CSFMLJeu jeu;
    std::vector<ZoneBrute> zones;
    std::vector<JoueurBrut> joueurs;

    Niveau()
    {
        faceJeu::installer(jeu.facettes());
        jeu.pdecorJeu = jeu.pdecor = new CDecor();
        jeu.pscriptEngineJeu = jeu.pscriptEngine = jeu.pdecorJeu->pMoteur = new CScriptEngine();
        // Banks of several frame sizes (their images are not needed for zones).
        std::vector<CDEC*> banques;
        for (int b = 0; b < 8; ++b) {
            auto* banque = new CDEC();
            auto* set = new CSetTextures();
            set->largeur = 64 + 8 * b;
            set->hauteur = 128 - 8 * b;
            banque->anims[0] = set;
            jeu.pdecor->modelesDEC["ZONE" + std::to_string(b)] = banque;
            banques.push_back(banque);
        }
        tuv::srand(7);
        for (int i = 0; i < NB_SCRIPTS; ++i) {
            auto* sd = new CSPRITE();
            sd->pDEC = banques[tuv::rand() % banques.size()];
            sd->x = float(tuv::rand() % 20000);
            sd->y = float(tuv::rand() % 2000);
            sd->ox = sd->oy = 16;
            sd->sx = 0.5f + float(tuv::rand() % 10) / 10;
            sd->sy = 0.5f + float(tuv::rand() % 10) / 10;
            sd->flipH = tuv::rand() % 2 ? 1 : -1;
            sd->flipV = tuv::rand() % 2 ? 1 : -1;
            for (int& m : sd->hitbox)
                m = tuv::rand() % 16;
            jeu.pdecor->pPlans[CDecor::PLAN_PRINCIPAL]->sprites.push_back(sd);
            jeu.pscriptEngine->creerScript("", sd, declencheur::ZONE_JOUEUR, -1, false, false);
            zones.push_back({sd->x, sd->y, sd->ox, sd->oy, sd->sx, sd->sy, sd->flipH, sd->flipV, sd->getLargeur(),
                             sd->getHauteur(), {sd->hitbox[0], sd->hitbox[1], sd->hitbox[2], sd->hitbox[3]}});
        }
        // Players above the level: no zone fires, every script stays idle.
        for (int j = 0; j < NB_JOUEURS; ++j) {
            auto* p = new CPerso();
            p->sprite->x = float(j * 3000);
            p->sprite->y = -5000;
            p->posTete[0] = 60;
            jeu.pdecor->persos.push_back(p);
            joueurs.push_back({p->sprite->x, p->sprite->y, 60});
        }
    }
};

Niveau& niveau()
{
    static Niveau n;
    return n;
}

void BM_PasseScriptsZones(benchmark::State& state)
{
    CScriptEngine& m = *niveau().jeu.pscriptEngine;
    for (auto _ : state) {
        m.lancerScripts();
        benchmark::DoNotOptimize(m.nbEtapesPasse);
    }
}
BENCHMARK(BM_PasseScriptsZones);

// The same zones and segment tests over plain structs.
void BM_ZonesBrutes(benchmark::State& state)
{
    const Niveau& n = niveau();
    for (auto _ : state) {
        int dedans = 0;
        for (const ZoneBrute& z : n.zones) {
            const int w = z.largeur - z.marges[0] - z.marges[2], h = z.hauteur - z.marges[1] - z.marges[3];
            const int dx = z.flipH == -1 ? z.largeur - z.marges[0] - w : z.marges[0];
            const int dy = z.flipV == -1 ? z.hauteur - z.marges[1] - h : z.marges[1];
            const float x = float(int((float(dx) - z.ox) * z.sx + z.x)), y = float(int((float(dy) - z.oy) * z.sy + z.y));
            const float l = float(int(float(w) * z.sx)), ht = float(int(float(h) * z.sy));
            for (const JoueurBrut& j : n.joueurs)
                dedans += CDecor::intersectionSegmentRect(j.x, j.y, j.x, j.y - j.hauteur, x, y, x + l, y + ht);
        }
        benchmark::DoNotOptimize(dedans);
    }
}
BENCHMARK(BM_ZonesBrutes);

std::unique_ptr<CScriptEngine> moteurEtapes(const char* motCle, CScript*& s)
{
    auto m = std::make_unique<CScriptEngine>();
    s = m->creerScript("", nullptr, declencheur::IMMEDIAT, -1, false, false);
    for (int i = 0; i < TAILLE_SCRIPT; ++i)
        s->ajouterCommande(motCle, {});
    return m;
}

void etapes(benchmark::State& state, const char* motCle)
{
    CScript* s = nullptr;
    auto m = moteurEtapes(motCle, s);
    for (auto _ : state)
        for (int i = 0; i < NB_ETAPES; ++i)
            m->executerCommande(s);
    benchmark::DoNotOptimize(s->nbRunFaits);
}

void BM_EtapesBascule(benchmark::State& state) { etapes(state, "BASCULE"); }
BENCHMARK(BM_EtapesBascule);

void BM_EtapesLabels(benchmark::State& state) { etapes(state, ":"); }
BENCHMARK(BM_EtapesLabels);

} // namespace

BENCHMARK_MAIN();
