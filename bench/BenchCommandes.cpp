// Script commands: (a) 200 scripts that each read five decor-sprite positions by id per frame
// (GETSDPOS in a block) on a level of 5,000 decor sprites over the five planes, against a
// plain linear search for the same ids over the same lists; (b) one frame of a waiting
// DRAWMSG (background, speaker image, three lines, prompt) drawn into a window, against
// drawing the same sprites and texts directly with SFML.
#include "core/Dec.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/Media.h"
#include "core/Sprite.h"
#include "game/Jeu.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/Vue.h"
#include "script/ScriptEngine.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/OpenGL.hpp>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int NB_SPRITES = 5000;
constexpr int NB_SCRIPTS = 200;
constexpr int LECTURES = 5;

struct Niveau {
    CSFMLJeu jeu;
    std::vector<std::string> ids;  // the ids the scripts read, in their order

    Niveau()
    {
        faceJeu::installer(jeu.facettes());
        jeu.pdecorJeu = jeu.pdecor = new CDecor();
        jeu.pscriptEngineJeu = jeu.pscriptEngine = jeu.pdecorJeu->pMoteur = new CScriptEngine();
        for (int i = 0; i < NB_SPRITES; ++i) {
            auto* sd = new CSPRITE();
            sd->strID = "caisse_" + std::to_string(i);
            sd->x = float(i);
            jeu.pdecor->pPlans[i % CDecor::NB_PLANS]->sprites.push_back(sd);
        }
        tuv::srand(3);
        for (int s = 0; s < NB_SCRIPTS; ++s) {
            std::string texte = "{\n";
            for (int k = 0; k < LECTURES; ++k) {
                ids.push_back("caisse_" + std::to_string(tuv::rand() % NB_SPRITES));
                texte += "x ; y = GETSDPOS(" + ids.back() + ")\n";
            }
            CScript* script = jeu.pscriptEngine->creerScript("", nullptr, declencheur::IMMEDIAT, -1, false, false);
            std::istringstream flux(texte + "}\n");
            jeu.pscriptEngine->chargerScriptFlux(script, flux);
        }
    }
};

// A frame in which the blocks run: the pass that fires the scripts, then the one that runs them.
void BM_GetSDPosScripts(benchmark::State& etat)
{
    Niveau n;
    for (auto _ : etat) {
        n.jeu.pscriptEngine->lancerScripts();
        n.jeu.pscriptEngine->lancerScripts();
    }
    faceJeu::installer({});
}
BENCHMARK(BM_GetSDPosScripts)->Unit(benchmark::kMillisecond);

void BM_RechercheLineaire(benchmark::State& etat)
{
    Niveau n;
    for (auto _ : etat) {
        float somme = 0;
        for (const std::string& id : n.ids) {
            const CSPRITE* trouve = nullptr;
            for (CCalqueSD* plan : n.jeu.pdecor->pPlans) {
                for (const CSPRITE* sd : plan->sprites)
                    if (sd->strID == id) {
                        trouve = sd;
                        break;
                    }
                if (trouve)
                    break;
            }
            somme += trouve ? trouve->x + trouve->y : 0;
        }
        benchmark::DoNotOptimize(somme);
    }
    faceJeu::installer({});
}
BENCHMARK(BM_RechercheLineaire)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------- (b) a message frame

sf::Texture uni(unsigned l, unsigned h, sf::Color c)
{
    sf::Image i;
    i.create(l, h, c);
    sf::Texture t;
    t.loadFromImage(i);
    return t;
}

struct Message {
    CSFMLJeu jeu;
    CScript* script = nullptr;
    sf::Texture fond = uni(780, 150, sf::Color(20, 30, 60)), visage = uni(92, 100, sf::Color::Green),
                tilde = uni(28, 28, sf::Color::White), b = uni(28, 28, sf::Color::Red);
    const std::wstring lignes[3] = {L"Bienvenue au village !", L"Le levier ouvre la porte du nord,",
                                    L"la fontaine donne des munitions."};

    Message()
    {
        std::filesystem::current_path(TUV_DATA_DIR_SOURCE);  // the engine's font
        faceJeu::installer(jeu.facettes());
        jeu.fenetre = new sf::RenderWindow(sf::VideoMode(1280, 720), "bench", sf::Style::None);
        jeu.fenetre->setVerticalSyncEnabled(false);
        jeu.pdecorJeu = jeu.pdecor = new CDecor();
        jeu.pscriptEngineJeu = jeu.pscriptEngine = jeu.pdecorJeu->pMoteur = new CScriptEngine();
        jeu.pscriptEngine->textureFondMessage = fond;
        jeu.pscriptEngine->imagesParle["guide"] = std::make_unique<sf::Texture>(visage);
        jeu.imagesInfo["Tilde"] = new sf::Texture(tilde);
        jeu.imagesInfo["B"] = new sf::Texture(b);
        script = jeu.pscriptEngine->creerScript("", nullptr, declencheur::IMMEDIAT, -1, false, false);
        script->ajouterCommande("DRAWMSG", {L"guide", lignes[0], lignes[1], lignes[2]});
        jeu.pscriptEngine->lancerScripts();  // fires; every later pass draws and waits
    }
    ~Message() { faceJeu::installer({}); }

    void finir()
    {
        jeu.fenetre->display();
        glFinish();
    }
};

void BM_ImageDrawMsg(benchmark::State& etat)
{
    Message m;
    for (auto _ : etat) {
        m.jeu.fenetre->clear();
        m.jeu.pscriptEngine->lancerScripts();
        m.finir();
    }
}
BENCHMARK(BM_ImageDrawMsg)->Unit(benchmark::kMillisecond);

void BM_DessinSFML(benchmark::State& etat)
{
    Message m;
    sf::RenderWindow& f = *m.jeu.fenetre;
    sf::Sprite fond(m.fond), visage(m.visage), tilde1(m.tilde), b(m.b), tilde2(m.tilde);
    fond.setPosition(180, 50);
    fond.setColor(sf::Color(255, 255, 255, 230));
    visage.setPosition(180, 70);
    tilde1.setPosition(250, 115);
    b.setPosition(290, 115);
    tilde2.setPosition(330, 115);
    std::vector<sf::Text> textes;
    for (int k = 0; k < 3; ++k) {
        textes.emplace_back(m.lignes[k], m.jeu.pscriptEngine->police, 14);
        textes.back().setPosition(250, float(10 + 35 * k));
        textes.back().setFillColor(sf::Color(232, 232, 232));
    }
    for (auto _ : etat) {
        f.clear();
        for (const sf::Drawable* d : std::initializer_list<const sf::Drawable*>{&fond, &visage, &tilde1, &b, &tilde2})
            f.draw(*d);
        for (const sf::Text& t : textes)
            f.draw(t);
        m.finir();
    }
}
BENCHMARK(BM_DessinSFML)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
