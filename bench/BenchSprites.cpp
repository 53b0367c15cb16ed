// Drawing cost of decor sprites and particles against plain SFML draws. Ours draws the
// sprites as a level does, through the plane that holds them (its walk and per-sprite
// checks included); the baseline draws sf::Sprites from a vector.
#include "core/Dec.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/Particules.h"
#include "core/Services.h"
#include "core/SetTextures.h"
#include "core/Sprite.h"
#include "level/CalqueSD.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/OpenGL.hpp>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int NB_SPRITES = 5000;
constexpr unsigned LARGEUR = 1280, HAUTEUR = 720;

struct Scene {
    sf::RenderTexture rt;
    CDEC banque;
    CCalqueSD plan;  // owns the sprites
    std::vector<sf::Sprite> bruts;

    Scene()
    {
        rt.create(LARGEUR, HAUTEUR);
        CSFMLJeuGlobal::prenderTexture = &rt;  // the plane draws on the game's scene
        // One 32x32 frame, as the baseline: the animation step still runs (and loops) but
        // both sides draw with the same texture, so only our own overhead differs.
        CSetTextures& s = banque.anim(0);
        sf::Image i;
        i.create(32, 32, sf::Color::Red);
        auto* t = new sf::Texture;
        t->loadFromImage(i);
        s.textures[0] = t;
        s.nbTextures = 1;
        s.largeur = s.hauteur = 32;
        s.vitesse = 0.25f;
        banque.nbAnims = 1;

        tuv::srand(1);
        for (int n = 0; n < NB_SPRITES; ++n) {
            int x = tuv::rand() % int(LARGEUR), y = tuv::rand() % int(HAUTEUR);
            auto sd = std::make_unique<CSPRITE>();
            sd->pDEC = &banque;
            sd->placer(0, x, y);
            sd->setOrigine(-1, 0);
            sd->setRotation(float(n % 360));
            plan.sprites.push_back(sd.release());

            sf::Sprite b(*s.textures[0]);
            b.setPosition(float(x), float(y));
            b.setOrigin(16, 16);
            b.setRotation(float(n % 360));
            bruts.push_back(b);
        }
    }

    void finir()
    {
        rt.display();
        glFinish();  // include the rasterising, not only the submission
    }
};

Scene& scene()
{
    static Scene s;
    return s;
}

void BM_SpritesSFMLDirects(benchmark::State& etat)
{
    Scene& s = scene();
    s.rt.setActive(true);
    for (auto _ : etat) {
        s.rt.clear();
        for (const sf::Sprite& b : s.bruts)
            s.rt.draw(b);
        s.finir();
    }
    etat.SetItemsProcessed(etat.iterations() * NB_SPRITES);
}
BENCHMARK(BM_SpritesSFMLDirects)->Unit(benchmark::kMillisecond);

void BM_SpritesAfficher(benchmark::State& etat)
{
    Scene& s = scene();
    s.rt.setActive(true);
    for (auto _ : etat) {
        s.rt.clear();
        s.plan.dessiner(0, 0, false, sf::FloatRect(0, 0, float(LARGEUR), float(HAUTEUR)));
        s.finir();
    }
    etat.SetItemsProcessed(etat.iterations() * NB_SPRITES);
}
BENCHMARK(BM_SpritesAfficher)->Unit(benchmark::kMillisecond);

// Half the sprites out of the view: culling must make this cheaper than drawing them all.
void BM_SpritesAfficherMoitieHorsVue(benchmark::State& etat)
{
    Scene& s = scene();
    s.rt.setActive(true);
    for (auto _ : etat) {
        s.rt.clear();
        s.plan.dessiner(0, 0, false, sf::FloatRect(0, 0, LARGEUR / 2.0f, float(HAUTEUR)));
        s.finir();
    }
    etat.SetItemsProcessed(etat.iterations() * NB_SPRITES);
}
BENCHMARK(BM_SpritesAfficherMoitieHorsVue)->Unit(benchmark::kMillisecond);

void BM_Particules5000(benchmark::State& etat)
{
    Scene& s = scene();
    s.rt.setActive(true);
    CParticules p;
    p.nbParticules = 5000;
    p.dureeVie = 120;
    p.aleaDureeVie = 60;
    p.velY = -3;
    p.aleaVitX = 1;
    p.forcesY = 0.05f;
    p.tailleParticule = 4;
    p.bAngleAlea = true;
    p.angle1 = -30;
    p.angle2 = 30;
    p.demarrer(640, 600, 0);
    for (int i = 0; i < 200; ++i)  // steady state: every particle born
        p.majTout();
    for (auto _ : etat) {
        s.rt.clear();
        p.majTout();
        p.dessiner(s.rt);
        s.finir();
    }
    etat.SetItemsProcessed(etat.iterations() * 5000);
}
BENCHMARK(BM_Particules5000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
