// Cost of the animation editor's views: the animation view with the options a user has after
// opening the editor (grid, rulers, the frame and handles of the selected anim element, the
// rectangles, the hierarchy markers) and the sheet view (outlines and meshes of every element,
// the selected one's mesh circles, a row of three), against the sprite alone drawn by the
// game's 9-argument drawing into the same window and control. Every side waits for the
// rendering to finish (glFinish).
// Run under Xvfb, the software renderer drawing in the calling thread as bench/ratios.sh runs
// it (its threads' CPU would weigh more than the view):
//     LP_NUM_THREADS=0 xvfb-run -a -s "-noreset" build/bench/bench/bench_BenchEditeurAnimations
#include "anim/Sprite3.h"
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"
#include "core/Services.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTab.h"
#include "gui/CPLUXModeleDef.h"
#include "gui/CPLUXTest.h"
#include "support/Outils.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/OpenGL.hpp>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int NB_ELEMENTS = 40;
constexpr float COTE = 48;

// A 1024 x 1024 sheet of 40 elements of 48 x 48 with 4 x 4 meshes; one interpolated
// animation of 30 frames whose 40 anim elements stand over the view in two keyframes (0
// and 20), shown at frame 10, zoom 1; anim element 5 selected.
struct Scene {
    Scene()
    {
        CPLUXTest::reset();
        fenetre.create(sf::VideoMode(1280, 720), "bench", sf::Style::None);
        CPLUX::setSurface(&fenetre);
        g_services.rectControle = [](CPLUXControl* c) {
            if (!c)
                return sf::FloatRect();
            const sf::Vector2f p = c->getPositionScreen();
            return sf::FloatRect(p.x, p.y, c->getWidth(), c->getHeight());
        };
        editeur = new CJeuDialogAnimationsSprites;
        editeur->setId(IdAnm::DIALOGUE);
        CPLUX::pModeleDef->appliquerTexte(
            editeur, lireTexte(std::string(TUV_DATA_DIR_SOURCE) + "/PLUX_Modeles/Mod2/JeuDialogAnimationsSprites.mod"),
            "JeuDialogAnimationsSprites.mod");
        CPLUX::addDialog(nullptr, editeur, nullptr, 0);
        editeur->show();
        construireSprite(*editeur->pSprite);
        editeur->majListeElements();
        editeur->majListeAnimations();
        editeur->ctrlList(IdAnm::myListAnimations)->setNumSel(0);
        editeur->pSprite->setFrameCourante(10);
        editeur->ctrlList(IdAnm::myListAnimationElements)->setNumSel(5);
    }

    void construireSprite(CSPRITE3& s)
    {
        sf::Image img;
        img.create(1024, 1024, sf::Color(230, 230, 230));
        for (unsigned x = 0; x < 1024; ++x)
            for (unsigned y = 0; y < 1024; ++y)
                if ((x / 48 + y / 48) % 2 == 0)
                    img.setPixel(x, y, sf::Color(static_cast<sf::Uint8>(x / 4), 80, static_cast<sf::Uint8>(y / 4)));
        feuille.loadFromImage(img);
        s.pTextureFeuille = &feuille;
        s.ajouterAnimation("marche", true);
        s.setNbFrames(0, 30);
        s.ajouterKeyframe(0, 20);
        for (int e = 0; e < NB_ELEMENTS; ++e) {
            s.ajouterElement("e" + std::to_string(e), (e % 20) * COTE, (e / 20) * COTE, COTE, COTE, COTE / 2,
                             COTE / 2, 4, 4, -1, -1, false);
            s.ajouterAnimElem(0, e, "", 0, 1);
            const float x = -180.f + (e % 8) * 50.f, y = -140.f + (e / 8) * 60.f;
            s.setKeyAnimElemValeurs(0, 0, e, e, true, x, y, COTE / 2, COTE / 2, 1, 1, 0, false);
            s.setKeyAnimElemValeurs(0, 20, e, e, true, x + 10, y - 8, COTE / 2, COTE / 2, 1.2f, 0.9f, 25, false);
            s.setPointMaillage(0, 20, e, 5, 3, -2);
        }
        s.getAnim(0)->rectGlobal = {-210, -170, 420, 330};
        s.getAnim(0)->rectHitbox = {-150, -120, 300, 240};
        s.recalculerPentes(0);
    }

    void finir() { glFinish(); }

    sf::RenderWindow fenetre;
    sf::Texture feuille;
    CJeuDialogAnimationsSprites* editeur = nullptr;  // the library keeps it
};

Scene& scene()
{
    static Scene* s = new Scene;
    return *s;
}

void BM_VueAnimation(benchmark::State& state)
{
    Scene& sc = scene();
    sc.editeur->pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
    for (auto _ : state) {
        sc.editeur->dessinerVue(&sc.fenetre, 0, 0, 0, 0);
        sc.finir();
    }
}
BENCHMARK(BM_VueAnimation)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_VuePlanche(benchmark::State& state)
{
    Scene& sc = scene();
    sc.editeur->pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_PLANCHE);
    sc.editeur->ctrlList(IdAnm::myListElementsPlanche)->setNumSel(5);
    sc.editeur->nombreElements = 3;
    for (auto _ : state) {
        sc.editeur->dessinerPlanche(&sc.fenetre, 0, 0, 0, 0);
        sc.finir();
    }
}
BENCHMARK(BM_VuePlanche)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

// The baseline: the same sprite, animation and frame drawn the way the game draws it.
void BM_SpriteSeul(benchmark::State& state)
{
    Scene& sc = scene();
    CJeuDialogAnimationsSprites& d = *sc.editeur;
    for (auto _ : state) {
        d.pSprite->dessiner(&sc.fenetre, 0, 0, 0, d.pImageAnimation, d.zoom, static_cast<float>(d.centreVueX),
                            static_cast<float>(d.centreVueY), 0);
        sc.finir();
    }
}
BENCHMARK(BM_SpriteSeul)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

// What each overlay of the animation view costs: the view without one of them.
void BM_VueAnimationSans(benchmark::State& state)
{
    Scene& sc = scene();
    CJeuDialogAnimationsSprites& d = *sc.editeur;
    d.pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
    const char* const noms[] = {"hierarchy", "checkerboard", "rulers", "selection", "rectangles"};
    const int sans = static_cast<int>(state.range(0));
    state.SetLabel(std::string("without the ") + noms[sans]);
    bool* options[] = {&d.bDrawHierarchie, &d.bQuadrillage, &d.bGrilleAnimation, &d.bCadreSurSelection,
                       &d.bAfficheRectGlobal};
    *options[sans] = false;
    d.bAfficheRectHitbox = sans != 4;
    for (auto _ : state) {
        d.dessinerVue(&sc.fenetre, 0, 0, 0, 0);
        sc.finir();
    }
    *options[sans] = true;
    d.bAfficheRectHitbox = true;
}
BENCHMARK(BM_VueAnimationSans)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

} // namespace

BENCHMARK_MAIN();
