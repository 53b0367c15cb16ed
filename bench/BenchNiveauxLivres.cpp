// The shipped levels, in a private copy of data/ with the game made there (its 1280x720
// window, the scene render texture the levels draw into):
// - the load time of every shipped ".niv" (one benchmark each; the slowest must stay under 1 s);
// - one game frame of the level with the most decor sprites (AIs, player input, physics,
//   scripts, the level drawn into the 1280x720 scene, the scene shown), against drawing the
//   same number of decor sprites as raw sf::Sprite into a 1280x720 render texture. Target:
//   within 3 times the baseline and under 8 ms. Both sides wait for the rendering (glFinish).
// Run under Xvfb: xvfb-run -a build/bench/bench/bench_BenchNiveauxLivres; compare real_time.
#include "core/Globals.h"
#include "core/Sprite.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/EffetBrouillard.h"
#include "level/FondImage.h"
#include "support/PiloteJeu.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/OpenGL.hpp>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Every level the data set ships, as the game names them ("./niveaux/...").
std::vector<std::string> niveauxLivres()
{
    std::vector<std::string> r;
    for (const auto& e : fs::recursive_directory_iterator("niveaux"))
        if (e.path().extension() == ".niv")
            r.push_back("./" + e.path().generic_string());
    std::sort(r.begin(), r.end());
    return r;
}

size_t nbSpritesDecor(const CDecor& d)
{
    size_t n = 0;
    for (const CCalqueSD* plan : d.pPlans)
        if (plan)
            n += plan->sprites.size();
    return n;
}

// The game started in its copy of the data set, made once.
struct Banc {
    std::unique_ptr<PiloteJeu> pilote;
    Banc()
    {
        ::setenv("TUV_DATA_DIR", TUV_DATA_DIR_SOURCE, 0);
        pilote = std::make_unique<PiloteJeu>(60);
        if (!pilote->demarrer())
            pilote.reset();
        else
            pilote->jeu->bRejeu = true;  // no frame limit: only the work is measured
    }
    CSFMLJeu* jeu() { return pilote ? pilote->jeu.get() : nullptr; }
};

Banc& banc()
{
    static Banc b;
    return b;
}

void BM_ChargerNiveau(benchmark::State& state, const std::string& fichier)
{
    CSFMLJeu* jeu = banc().jeu();
    if (!jeu) {
        state.SkipWithError("the game did not start");
        return;
    }
    for (auto _ : state)
        jeu->pdecorJeu->chargerNiveau(fichier, 0);
    state.counters["sprites"] = static_cast<double>(nbSpritesDecor(*jeu->pdecorJeu));
    if (!CPLUX::getMessageBoxes().empty())
        state.SkipWithError(("a message box opened " + PiloteJeu::boitesOuvertes()).c_str());
}

// The level with the most decor sprites, loaded and started in the game world.
std::string niveauLePlusLourd(CSFMLJeu& jeu)
{
    std::string lourd;
    size_t plus = 0;
    for (const std::string& f : niveauxLivres()) {
        jeu.pdecorJeu->chargerNiveau(f, 0);
        if (nbSpritesDecor(*jeu.pdecorJeu) > plus) {
            plus = nbSpritesDecor(*jeu.pdecorJeu);
            lourd = f;
        }
    }
    jeu.pdecorJeu->chargerNiveau(lourd, 1);
    jeu.pdecorJeu->demarrerNiveau(1);
    return lourd;
}

void BM_ImageNiveauLePlusLourd(benchmark::State& state)
{
    CSFMLJeu* jeu = banc().jeu();
    if (!jeu) {
        state.SkipWithError("the game did not start");
        return;
    }
    const std::string lourd = niveauLePlusLourd(*jeu);
    jeu->pdecor = jeu->pdecorJeu;
    jeu->mode = 1;
    for (auto _ : state) {
        jeu->etape();
        glFinish();
    }
    state.SetLabel(lourd);
    state.counters["sprites"] = static_cast<double>(nbSpritesDecor(*jeu->pdecorJeu));
    jeu->mode = 0;
}

void BM_SpritesBruts(benchmark::State& state)
{
    CSFMLJeu* jeu = banc().jeu();
    if (!jeu) {
        state.SkipWithError("the game did not start");
        return;
    }
    niveauLePlusLourd(*jeu);
    std::vector<sf::Sprite> bruts;
    for (const CCalqueSD* plan : jeu->pdecorJeu->pPlans)
        if (plan)
            for (const CSPRITE* sd : plan->sprites)
                bruts.push_back(sd->getSprite());
    // Seen from where the game's camera stands at the level's start.
    jeu->pdecor = jeu->pdecorJeu;
    jeu->mode = 1;
    jeu->etape();
    jeu->mode = 0;
    sf::RenderTexture cible;
    cible.create(1280, 720);
    if (CSFMLJeuGlobal::prenderTexture)
        cible.setView(CSFMLJeuGlobal::prenderTexture->getView());
    for (auto _ : state) {
        cible.setActive(true);
        cible.clear();
        for (const sf::Sprite& s : bruts)
            cible.draw(s);
        cible.display();
        glFinish();
    }
    state.counters["sprites"] = static_cast<double>(bruts.size());
}

// The baseline of the frame's CPU time in the game's own thread: what the level's frame
// draws, by plain SFML calls with the same textures: the scene cleared to the level's colour,
// the background image, every decor sprite of the five planes as last placed (planes 4 to 0,
// none culled), the fog's two sprites, then the scene copied into the cleared window, shown.
void BM_ImageSFMLSimple(benchmark::State& state)
{
    CSFMLJeu* jeu = banc().jeu();
    sf::RenderTexture* scene = CSFMLJeuGlobal::prenderTexture;
    if (!jeu || !scene || !jeu->fenetre) {
        state.SkipWithError("the game did not start");
        return;
    }
    niveauLePlusLourd(*jeu);
    jeu->pdecor = jeu->pdecorJeu;
    jeu->mode = 1;
    jeu->etape();
    jeu->mode = 0;
    const CDecor& d = *jeu->pdecorJeu;
    std::vector<sf::Sprite> sprites;
    if (d.pFondImage && d.pFondImage->pSprite)
        sprites.push_back(*d.pFondImage->pSprite);
    for (int k = CDecor::NB_PLANS - 1; k >= 0; --k)
        for (const CSPRITE* sd : d.pPlans[k]->sprites)
            sprites.push_back(sd->getSprite());
    if (d.bBrouillard && d.pBrouillard) {
        sprites.push_back(d.pBrouillard->sprite1);
        sprites.push_back(d.pBrouillard->sprite2);
    }
    sf::RenderWindow& fenetre = *jeu->fenetre;
    for (auto _ : state) {
        scene->clear(d.couleurFond);
        for (const sf::Sprite& s : sprites)
            scene->draw(s);
        scene->display();
        fenetre.clear(sf::Color(150, 150, 150));
        fenetre.draw(sf::Sprite(scene->getTexture()));
        fenetre.display();
        glFinish();
    }
    state.counters["sprites"] = static_cast<double>(sprites.size());
}

// One load benchmark per shipped level, named after it.
bool enregistrer()
{
    Banc& b = banc();
    if (!b.jeu())
        return false;
    for (const std::string& f : niveauxLivres())
        benchmark::RegisterBenchmark(("BM_ChargerNiveau/" + f.substr(2)).c_str(), BM_ChargerNiveau, f)
            ->Unit(benchmark::kMillisecond);
    return true;
}

} // namespace

BENCHMARK(BM_ImageNiveauLePlusLourd)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SpritesBruts)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImageSFMLSimple)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    enregistrer();
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
