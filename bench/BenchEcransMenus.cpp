// One frame of two busy menu screens against drawing the same number of prebuilt texts,
// sprites and rectangles: the multiplayer options (every option, portraits, weapon squares,
// hats) and the chrono level list (15 levels with best times, stars and shields), each into
// the game's 1280 x 720 window. Both sides wait for the rendering to finish (glFinish).
// Run under Xvfb: xvfb-run -a build/bench/bench/bench_BenchEcransMenus
#include "menus/DonneesEcrans.h"

#include "characters/OptionsMulti.h"

#include <SFML/OpenGL.hpp>

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>

namespace {

struct Banc {
    Banc()
    {
        char tampon[4096];
        ancien = ::getcwd(tampon, sizeof tampon) ? tampon : ".";
        const char* env = std::getenv("TUV_DATA_DIR");
        std::filesystem::copy(env ? env : TUV_DATA_DIR_SOURCE, dossier.str(), std::filesystem::copy_options::recursive);
        if (::chdir(dossier.str().c_str()) != 0)
            return;
        ecrans::ecrireIconesEcrans(15);
        ecrans::ecrireMenusEcrans();
        faceJeu::installer(jeu.facettes());
        jeu.init("jeu.ini");
        std::fill(std::begin(jeu.armesFontaine), std::end(jeu.armesFontaine), 1);
        jeu.armesFontaine[4] = 0;
        jeu.pOptionsMulti->optionMenu = 4;
        jeu.pOptionsMulti->reglageJ1 = 3;
    }
    ~Banc()
    {
        if (::chdir(ancien.c_str()) != 0)
            return;
    }
    // Opens the menu and returns the texts one frame of it draws.
    std::vector<CJeuMenus::TexteDessine> ouvrir(int id)
    {
        jeu.pMenus->ouvrirMenu(id);
        jeu.pMenus->ligneActive = 2;
        std::vector<CJeuMenus::TexteDessine> journal;
        jeu.pMenus->journalTextes = &journal;
        jeu.pMenus->afficherMenu(jeu.fenetre);
        jeu.pMenus->journalTextes = nullptr;
        return journal;
    }

    DossierTemp dossier;
    std::string ancien;
    CSFMLJeu jeu;
};

Banc& banc()
{
    static Banc b;
    return b;
}

void dessinerMenu(benchmark::State& state, int id)
{
    Banc& b = banc();
    b.ouvrir(id);
    for (auto _ : state) {
        b.jeu.fenetre->clear();
        b.jeu.pMenus->afficherMenu(b.jeu.fenetre);
        glFinish();  // include the rasterising, not only the submission
    }
}

// The same number of draws, built once: texts as the menu logged them, sprites of the
// menu's picture sizes (scene and background, cursor, then the small ones), rectangles.
// extrasParLigne: the menu draws every line's pictures and squares again before each line.
void dessinerBase(benchmark::State& state, int id, int nbVignettes, sf::Vector2u tailleVignette, int nbIcones,
                  int nbRectangles, bool extrasParLigne = false)
{
    Banc& b = banc();
    std::vector<sf::Text> textes;
    for (const auto& t : b.ouvrir(id)) {
        textes.emplace_back(sf::String(t.chaine), b.jeu.pMenus->polices[0], t.taille);
        textes.back().setPosition(t.position);
        textes.back().setFillColor(t.couleur);
    }
    auto image = [](sf::Vector2u taille) {
        sf::Image i;
        i.create(taille.x, taille.y, sf::Color(90, 120, 150));
        auto t = std::make_unique<sf::Texture>();
        t->loadFromImage(i);
        return t;
    };
    const auto ecran = image({1280, 720}), vignette = image(tailleVignette), icone = image({24, 24});
    std::vector<sf::Sprite> sprites(2, sf::Sprite(*ecran));
    sprites.emplace_back(*icone);  // the cursor
    for (int i = 0; i < nbVignettes; ++i)
        sprites.emplace_back(*vignette).setPosition(60.0f * i, 100);
    for (int i = 0; i < nbIcones; ++i)
        sprites.emplace_back(*icone).setPosition(30.0f * (i % 40), 200.0f + 30 * (i / 40));
    std::vector<sf::RectangleShape> rectangles(static_cast<size_t>(nbRectangles), sf::RectangleShape({50, 50}));
    for (auto& r : rectangles) {
        r.setFillColor(sf::Color(200, 200, 200, 200));
        r.setOutlineThickness(2);
    }
    const int passes = extrasParLigne ? std::max(1, b.jeu.pMenus->nbLignes) : 1;
    for (auto _ : state) {
        b.jeu.fenetre->clear();
        for (size_t i = 0; i < 3; ++i)  // scene, background, cursor
            b.jeu.fenetre->draw(sprites[i]);
        for (int p = 0; p < passes; ++p) {
            for (size_t i = 3; i < sprites.size(); ++i)
                b.jeu.fenetre->draw(sprites[i]);
            for (const auto& r : rectangles)
                b.jeu.fenetre->draw(r);
        }
        for (const auto& t : textes)
            b.jeu.fenetre->draw(t);
        glFinish();
    }
}

// Menu 400: 8 portraits and 9 weapon pictures; 2 portrait frames, the clone and round frames,
// 8 weapon squares and the cursor, and two squares per hat; all of them again before each line.
void BM_MenuOptionsMulti(benchmark::State& state) { dessinerMenu(state, IdMenu::OPTIONS_MULTI); }
void BM_BaseOptionsMulti(benchmark::State& state) { dessinerBase(state, IdMenu::OPTIONS_MULTI, 8, {92, 100}, 9, 17, true); }
// Menu 330: 15 level pictures, and per level a clock, three stars and a shield; one frame.
void BM_MenuChrono(benchmark::State& state) { dessinerMenu(state, IdMenu::CHOIX_CHRONO); }
void BM_BaseChrono(benchmark::State& state) { dessinerBase(state, IdMenu::CHOIX_CHRONO, 15, {140, 80}, 75, 1); }

BENCHMARK(BM_MenuOptionsMulti)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_BaseOptionsMulti)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_MenuChrono)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_BaseChrono)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

} // namespace

BENCHMARK_MAIN();
