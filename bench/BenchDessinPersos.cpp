// The per-frame drawing of characters (CPerso::dessiner) beside a plain baseline:
// - 300 characters (150 layered ".anm" heroes, 150 plain-sprite blocks), life bars hidden,
//   no messages, into a 1280 x 720 render texture, against drawing the same sprites directly
//   (CSPRITE3::dessiner and update, sf::Sprite) without the character logic: within 1.3 times;
// - the same with 300 life bars shown, and with one floating message per character: the
//   difference with the first is the cost of the bars and of the messages.
// Run under Xvfb (textures need a GL context): xvfb-run -a build/<release>/bench/bench_BenchDessinPersos
#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/Globals.h"
#include "core/Services.h"
#include "game/Jeu.h"
#include "level/Decor.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Window/Context.hpp>

#include <benchmark/benchmark.h>

#include <climits>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int NB_PERSOS = 300;

struct Monde {
    Monde()
    {
        std::filesystem::current_path(TUV_DATA_DIR_SOURCE);  // the fonts, sheets and ".anm" files
        g_services.textureCache = [this](const std::string&, const std::string& chemin) -> sf::Texture* {
            auto& t = textures[chemin];
            if (!t) {
                t = std::make_unique<sf::Texture>();
                t->loadFromFile(chemin);
            }
            return t.get();
        };
        faceJeu::installer(jeu.facettes());
        jeu.pdecor = &decor;
        jeu.typeJeu = 1;  // no link line, no rounds' bars
        cible.create(1280, 720);
        modele.charger(nullptr, &cible, "./personnages/heros.anm", false);
        blocs.chargerPlanche("./personnages/bloc.png", "");
        blocs.ajouterAnimDec(0, 0, 3, 32, 48, 0.25f, 0);
        for (int i = 0; i < NB_PERSOS; ++i) {
            auto* p = new CPerso();
            if (i % 2 == 0) {
                delete p->sprite;
                p->sprite = new CSPRITE3(modele);
                p->sprite->setAnimation(p->sprite->getEtat("ARRET_VISEE"), 0, true);
                p->sprite->play();
            } else {
                p->sprite->pDEC = &blocs;
                p->sprite->placer(0, 0, 0);
                p->sprite->setOrigine(16, 48);
            }
            p->sprite->x = float(40 + (i * 53) % 1200);
            p->sprite->y = float(80 + (i * 31) % 620);
            p->bOmbre = false;
            p->bVaisseau = false;
            decor.persos.push_back(p);
        }
    }
    ~Monde()
    {
        jeu.pdecor = nullptr;
        faceJeu::installer({});
    }
    void regler(bool barres, bool messages)
    {
        for (CPerso* p : decor.persos) {
            p->vie = barres ? p->vieMax / 2 : p->vieMax;
            for (MessagePerso* m : p->messages)
                delete m;
            p->messages.clear();
            if (messages) {
                auto* m = new MessagePerso();
                m->compteur = INT_MAX / 2;  // lives for the whole run
                m->valeur = 25;
                p->messages.push_back(m);
            }
        }
    }

    sf::Context contexte;
    std::map<std::string, std::unique_ptr<sf::Texture>> textures;
    sf::RenderTexture cible;
    CSPRITE3 modele;
    CDEC blocs;  // outlives the sprites bound to it
    CSFMLJeu jeu;
    CDecor decor;
};

Monde& monde()
{
    static Monde m;
    return m;
}

void dessinerTous(benchmark::State& state, bool barres, bool messages)
{
    Monde& m = monde();
    m.regler(barres, messages);
    for (auto _ : state) {
        m.cible.clear();
        for (CPerso* p : m.decor.persos)
            p->dessiner(m.cible);
        m.cible.display();
    }
    m.regler(false, false);
    state.SetItemsProcessed(state.iterations() * NB_PERSOS);
}

void BM_DessinerPersos(benchmark::State& state) { dessinerTous(state, false, false); }
BENCHMARK(BM_DessinerPersos)->Unit(benchmark::kMillisecond);

void BM_DessinerPersosBarres(benchmark::State& state) { dessinerTous(state, true, false); }
BENCHMARK(BM_DessinerPersosBarres)->Unit(benchmark::kMillisecond);

void BM_DessinerPersosMessages(benchmark::State& state) { dessinerTous(state, false, true); }
BENCHMARK(BM_DessinerPersosMessages)->Unit(benchmark::kMillisecond);

// The same sprites drawn as they are, without the characters' steps.
void BM_DessinDirect(benchmark::State& state)
{
    Monde& m = monde();
    for (auto _ : state) {
        m.cible.clear();
        for (CPerso* p : m.decor.persos) {
            CSPRITE3& s = *p->sprite;
            if (s.bAnime) {
                s.dessiner(&m.cible, 0, 0, 0, nullptr, s.getSX(), s.x, s.y, -1);
                s.update(nullptr, s.getSX(), s.x, s.y, -1);
            } else if (const sf::Texture* t = s.getTexture(s.getNumAnim(), s.numFrame)) {
                sf::Sprite image(*t);
                image.setOrigin(s.ox, s.oy);
                image.setPosition(s.x, s.y);
                m.cible.draw(image);
            }
        }
        m.cible.display();
    }
    state.SetItemsProcessed(state.iterations() * NB_PERSOS);
}
BENCHMARK(BM_DessinDirect)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
