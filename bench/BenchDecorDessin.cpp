// One level frame (CDecor::dessiner) of a level 1,600 high with 2,000, 8,000 or 32,000 decor
// sprites over the five planes, 4 pixels of width per sprite (past x = 32,767 from 8,192
// sprites on: the same view, a longer level), and six weather effects over its first 8,000
// pixels; against a plain baseline that draws the same visible decor images as sf::Sprite
// one by one and the same weather quads with one vertex array per texture. Both sides wait
// for the rendering to finish (glFinish).
#include "anim/Sprite3.h"
#include "core/Dec.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/Services.h"
#include "core/SetTextures.h"
#include "game/Jeu.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/EffetBrouillard.h"
#include "level/EffetEtoiles.h"
#include "level/EffetLucioles.h"
#include "level/EffetNeige.h"
#include "level/EffetNuages.h"
#include "level/EffetPluie.h"
#include "level/LotSprites.h"
#include "level/Vue.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/OpenGL.hpp>
#include <SFML/Window/Context.hpp>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

constexpr int LARGEUR_METEO = 8000, HAUTEUR_NIVEAU = 1600;
constexpr int LARGEUR_PAR_SPRITE = 4;
constexpr float CAMERA_X = 3000, CAMERA_Y = 600;
const float SCROLL[6][2] = {{-0.2f, 0}, {-0.1f, 0}, {0, 0}, {0.2f, 0.1f}, {0.4f, 0.2f}, {0.6f, 0.3f}};

struct SpriteBrut {
    sf::Sprite sprite;
    int plan;
};

// A draw over the whole level: the game's generator gives 15 bits, two draws give 30.
int tirage(int borne) { return int(((long(tuv::rand()) << 15) | tuv::rand()) % borne); }

struct Niveau {
    int nbSprites;
    std::unique_ptr<CSFMLJeu> jeu;
    std::unique_ptr<CDecor> decor;
    std::vector<std::unique_ptr<CDEC>> banques;
    std::vector<SpriteBrut> bruts;  // planes 4 to 0, in drawing order
    std::map<const sf::Texture*, sf::VertexArray> meteo;  // the weather's quads by texture
    sf::FloatRect vue{CAMERA_X, CAMERA_Y, 1280, 720};

    explicit Niveau(int nb) : nbSprites(nb)
    {
        // The effects read their images from the game's data folder.
        if (chdir(TUV_DATA_DIR_SOURCE) != 0)
            return;
        jeu = std::make_unique<CSFMLJeu>();
        faceJeu::installer(jeu->facettes());
        CSFMLJeuGlobal::prenderTexture = new sf::RenderTexture();
        CSFMLJeuGlobal::prenderTexture->create(1280, 720);
        CSFMLJeuGlobal::prenderTexture->setView(sf::View(vue));
        jeu->pvueJeu = new CVue(1280, 720);
        jeu->pvue = jeu->pvueJeu;
        jeu->pvue->x = CAMERA_X;
        jeu->pvue->y = CAMERA_Y;
        jeu->largeurVue = 1280;
        jeu->mode = 1;
        decor = std::make_unique<CDecor>();
        jeu->pdecor = decor.get();
        // The world's camera: its rectangle culls the sprites.
        decor->pCamera = jeu->pvue;
        decor->tailleJeuX = LARGEUR_METEO;
        decor->tailleJeuY = HAUTEUR_NIVEAU;
        for (int n = 0; n < 6; ++n)
            for (int a = 0; a < 2; ++a)
                decor->scrollPlans[n][a] = SCROLL[n][a];
        creerDecor();
        decor->activerPluie(true);
        decor->activerNeige(true, 1000, 1.0f, decor->tailleJeuY + 100);
        decor->activerLucioles(true, 500);
        decor->activerNuages(true);
        decor->activerEtoiles(true, 1000);
        decor->activerBrouillard(true);
        decor->tailleJeuX = LARGEUR_PAR_SPRITE * nbSprites;
        preparerMeteoBrute();
    }
    ~Niveau()
    {
        if (jeu)
            jeu->pdecor = nullptr;
        decor.reset();
        jeu.reset();  // deletes the scene texture
        CSFMLJeuGlobal::prenderTexture = nullptr;
        faceJeu::installer({});
    }

    // Eight 64 to 176 pixel images, a fifth of the sprites per plane spread over the level.
    void creerDecor()
    {
        for (int i = 0; i < 8; ++i) {
            auto b = std::make_unique<CDEC>();
            const unsigned cote = unsigned(64 + 16 * i);
            b->planche.create(cote, cote, sf::Color(uint8_t(30 * i), 120, uint8_t(200 - 20 * i), 255));
            b->ajouterAnimDec(0, 0, 1, int(cote), int(cote), 0, 0);
            banques.push_back(std::move(b));
        }
        tuv::srand(5);
        const int largeur = LARGEUR_PAR_SPRITE * nbSprites;
        for (int n = 0; n < nbSprites; ++n) {
            const int plan = 4 - n / (nbSprites / 5);
            CDEC& b = *banques[size_t(tuv::rand() % 8)];
            auto* sd = new CSPRITE3();
            sd->pDEC = &b;
            sd->placer(0, tirage(largeur), tuv::rand() % HAUTEUR_NIVEAU);
            sd->plan = plan;
            decor->pPlans[plan]->sprites.push_back(sd);
            bruts.push_back({sf::Sprite(*b.anims[0]->textures[0]), plan});
            bruts.back().sprite.setPosition(sd->x, sd->y);
        }
    }

    void ajouterQuads(const sf::Sprite& s)
    {
        sf::VertexArray& va = meteo[s.getTexture()];
        va.setPrimitiveType(sf::Triangles);
        const sf::FloatRect r = s.getLocalBounds();
        const sf::IntRect t = s.getTextureRect();
        const sf::Transform& m = s.getTransform();
        const sf::Vector2f p[4] = {{0, 0}, {0, r.height}, {r.width, 0}, {r.width, r.height}};
        const sf::Vector2f u[4] = {{float(t.left), float(t.top)},
                                   {float(t.left), float(t.top + t.height)},
                                   {float(t.left + t.width), float(t.top)},
                                   {float(t.left + t.width), float(t.top + t.height)}};
        for (int i : {0, 1, 2, 1, 2, 3})
            va.append(sf::Vertex(m.transformPoint(p[i]), s.getColor(), u[i]));
    }

    void preparerMeteoBrute()
    {
        for (const sf::Sprite& g : decor->pPluie->gouttes)
            ajouterQuads(g);
        for (const sf::Sprite& f : decor->pNeige->flocons)
            ajouterQuads(f);
        for (const auto& l : decor->pLucioles->lucioles)
            ajouterQuads(l->sprite);
        for (const auto& n : decor->pNuages->nuages)
            ajouterQuads(*n);
        sf::Sprite etoile;
        for (const auto& e : decor->pEtoiles->etoiles) {
            etoile.setTexture(*decor->pEtoiles->textures[e->image], true);
            etoile.setScale(e->sx, e->sy);
            etoile.setPosition(e->x, e->y);
            ajouterQuads(etoile);
        }
        ajouterQuads(decor->pBrouillard->sprite1);
        ajouterQuads(decor->pBrouillard->sprite2);
    }

    // The same sprites a plane shows, culled against the view at the plane's offset, one draw
    // each; then the weather.
    void dessinerBrut()
    {
        sf::RenderTexture& rt = *CSFMLJeuGlobal::prenderTexture;
        rt.clear(decor->couleurFond);
        for (SpriteBrut& b : bruts) {
            const float signe = b.plan <= 1 ? -1.0f : 1.0f;
            const sf::Vector2f d(float(int(signe * CAMERA_X * SCROLL[b.plan][0])),
                                 float(int(signe * CAMERA_Y * SCROLL[b.plan][1])));
            sf::FloatRect boite = b.sprite.getGlobalBounds();
            boite.left += d.x;
            boite.top += d.y;
            if (!boite.intersects(vue))
                continue;
            sf::RenderStates etats;
            etats.transform.translate(d);
            rt.draw(b.sprite, etats);
        }
        for (const auto& [texture, va] : meteo)
            rt.draw(va, sf::RenderStates(texture));
        rt.display();
        glFinish();
    }
};

// One level at a time. The context kept between them keeps the display open.
Niveau& niveau(int nb)
{
    static sf::Context contexte;
    static std::unique_ptr<Niveau> n;
    if (!n || n->nbSprites != nb) {
        n.reset();
        n = std::make_unique<Niveau>(nb);
    }
    return *n;
}

void tailles(benchmark::internal::Benchmark* b) { b->Arg(2000)->Arg(8000)->Arg(32000); }

void BM_DessinerNiveau(benchmark::State& etat)
{
    Niveau& n = niveau(int(etat.range(0)));
    for (auto _ : etat) {
        n.decor->dessiner(nullptr);
        CSFMLJeuGlobal::prenderTexture->display();
        glFinish();
    }
}
BENCHMARK(BM_DessinerNiveau)->Apply(tailles)->Unit(benchmark::kMillisecond);

void BM_DessinBrut(benchmark::State& etat)
{
    Niveau& n = niveau(int(etat.range(0)));
    for (auto _ : etat)
        n.dessinerBrut();
}
BENCHMARK(BM_DessinBrut)->Apply(tailles)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
