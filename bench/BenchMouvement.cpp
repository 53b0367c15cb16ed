// One frame of 500 characters walking, jumping and falling on a level of 2,000 rectangular
// decor sprites, against a plain loop that asks the level the very same collision questions
// (recorded in a first frame) with no character logic around them. The difference is what
// the movement steps cost beyond their probes.
#include "BanquesBench.h"
#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "core/Commandes.h"
#include "core/Dec.h"
#include "core/Globals.h"
#include "core/Services.h"
#include "game/Jeu.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Window/Context.hpp>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int NB_SPRITES = 2000;
constexpr int NB_PERSOS = 500;
constexpr int BLOC_L = 64, BLOC_H = 32;

enum class Role { Marche, Saut, Chute };

// The game's frame clock, one tick per measured frame: the level's index looks at the plane
// once per frame.
unsigned long imageCourante = 1;

// Where a character starts each measured frame.
struct Depart {
    float x, y;
    int mode, compteurSaut, direction, flipH;
};

struct Acteur {
    CPerso* perso;
    Role role;
    Depart depart;
    std::vector<sf::FloatRect> sondes;  // its probes of one frame
};

struct Monde {
    sf::Context contexte;  // the banks' textures need one
    std::unique_ptr<CSFMLJeu> jeu = std::make_unique<CSFMLJeu>();
    CDecor* decor = new CDecor();
    std::vector<Acteur> acteurs;
    CommandesJoueur commandes[3] = {};
    unsigned long sondesParRole[3] = {0, 0, 0};
    unsigned long sondesOmbre[3] = {0, 0, 0};

    Monde()
    {
        faceJeu::installer(jeu->facettes());
        jeu->pdecor = decor;
        g_services.numeroFrame = [] { return imageCourante; };
        // A floor of blocks, every third one a step of 8 pixels.
        CDEC* sol = banqueBench("SOL", BLOC_L, BLOC_H, true);
        decor->modelesDEC["SOL"] = sol;
        for (int n = 0; n < NB_SPRITES; ++n) {
            auto* sd = new CSPRITE3();
            sd->pDEC = sol;
            sd->placer(0, n * BLOC_L, n % 3 == 0 ? 492 : 500);
            sd->collision = 1;
            decor->pPlans[CDecor::PLAN_PRINCIPAL]->sprites.push_back(sd);
        }
        CDEC* corps = banqueBench("PERSO", 32, 64, false, 47);  // the numbered animations of a character
        decor->modelesDEC["PERSO"] = corps;
        commandes[int(Role::Marche)].bDroite = true;
        commandes[int(Role::Saut)].bSautMaintenu = true;
        for (int i = 0; i < NB_PERSOS; ++i) {
            auto* p = new CPerso();
            p->sprite->pDEC = corps;
            p->sprite->placer(0, 0, 0);
            p->sprite->setOrigine(16, 64);
            p->bVaisseau = false;
            p->posTete[0] = 60;
            p->posTete[1] = 40;
            p->vitesse = 6;
            p->vitesseSaut = 9;
            p->vitesseChute = 10;
            p->maxEscalier = 16;
            const Role r = Role(i % 3);
            const float x = 100.0f + float(i) * (BLOC_L * NB_SPRITES - 200) / NB_PERSOS;
            const float y = r == Role::Chute ? 300.0f : (int(x) / BLOC_L) % 3 == 0 ? 492.0f : 500.0f;
            p->sprite->x = x;
            p->sprite->y = y;
            p->mode = r == Role::Chute ? EtatPerso::CHUTE : r == Role::Saut ? EtatPerso::SAUT_MONTE : EtatPerso::ARRET;
            p->compteurSaut = 3;
            p->bSautEnCours = r == Role::Saut;
            decor->persos.push_back(p);
            acteurs.push_back({p, r, {x, y, p->mode, p->compteurSaut, p->direction, p->sprite->flipH}, {}});
        }
        enregistrer();
    }
    ~Monde()
    {
        jeu->pdecor = nullptr;
        delete decor;
        jeu.reset();
        faceJeu::installer({});
    }

    void remettre(Acteur& a)
    {
        CPerso& p = *a.perso;
        p.sprite->x = a.depart.x;
        p.sprite->y = a.depart.y;
        p.mode = a.depart.mode;
        p.compteurSaut = a.depart.compteurSaut;
        p.direction = a.depart.direction;
        p.sprite->flipH = a.depart.flipH;
    }
    // One frame of every character, from its start.
    void image()
    {
        ++imageCourante;
        for (Acteur& a : acteurs) {
            remettre(a);
            a.perso->appliquerCommandes(commandes[int(a.role)]);
        }
    }
    // The probes of one frame, per character, and their counts by role; then the shadows' ground
    // searches, which the drawing runs (not part of the measured frame).
    void enregistrer()
    {
        for (Acteur& a : acteurs) {
            remettre(a);
            CPerso::journalSondes = &a.sondes;
            a.perso->appliquerCommandes(commandes[int(a.role)]);
            sondesParRole[int(a.role)] += a.sondes.size();
        }
        CPerso::journalSondes = nullptr;
        sf::RenderTexture scene;
        scene.create(64, 64);
        CSFMLJeuGlobal::prenderTexture = &scene;
        for (Acteur& a : acteurs) {
            remettre(a);
            const unsigned long avant = CPerso::nbSondes;
            a.perso->dessinerOmbreSprite();
            sondesOmbre[int(a.role)] += CPerso::nbSondes - avant;
        }
        CSFMLJeuGlobal::prenderTexture = nullptr;
    }
};

Monde& monde()
{
    static Monde m;
    return m;
}

void compter(benchmark::State& etat, const Monde& m)
{
    const double parRole = NB_PERSOS / 3.0;
    etat.counters["sondes_marche"] = double(m.sondesParRole[int(Role::Marche)]) / parRole;
    etat.counters["sondes_saut"] = double(m.sondesParRole[int(Role::Saut)]) / parRole;
    etat.counters["sondes_chute"] = double(m.sondesParRole[int(Role::Chute)]) / parRole;
    etat.counters["ombre_marche"] = double(m.sondesOmbre[int(Role::Marche)]) / parRole;
    etat.counters["ombre_saut"] = double(m.sondesOmbre[int(Role::Saut)]) / parRole;
    etat.counters["ombre_chute"] = double(m.sondesOmbre[int(Role::Chute)]) / parRole;
}

void BM_MouvementPersos(benchmark::State& etat)
{
    Monde& m = monde();
    const unsigned long avant = CPerso::nbSondes;
    m.image();
    const unsigned long parImage = CPerso::nbSondes - avant;
    unsigned long enregistrees = 0;
    for (const Acteur& a : m.acteurs)
        enregistrees += a.sondes.size();
    if (parImage != enregistrees)
        etat.SkipWithError("the frame asks other probes than the recorded ones");
    for (auto _ : etat)
        m.image();
    compter(etat, m);
}
BENCHMARK(BM_MouvementPersos)->Unit(benchmark::kMillisecond);

void BM_SondesSeules(benchmark::State& etat)
{
    Monde& m = monde();
    for (auto _ : etat) {
        ++imageCourante;
        int touches = 0;
        for (Acteur& a : m.acteurs) {
            m.remettre(a);  // as the frame does, so that both sides pay it
            for (const sf::FloatRect& s : a.sondes)
                touches += m.decor->testCollision(a.perso, s.left, s.top, s.width, s.height) != nullptr;
        }
        benchmark::DoNotOptimize(touches);
    }
    compter(etat, m);
}
BENCHMARK(BM_SondesSeules)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
