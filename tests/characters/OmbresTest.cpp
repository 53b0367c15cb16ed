// Shadows on the ground, snapshots of the scene and the lookup by id, drawn into the scene
// texture under Xvfb.
#include "OutilsMouvement.h"

#include "characters/EtatsPerso.h"
#include "level/Vue.h"

#include <cmath>

namespace {

class Ombres : public Mouvement {
protected:
    void SetUp() override
    {
        Mouvement::SetUp();
        bloc(0, 500, 1280, 40);
    }
    // The scene as an image, after clearing it and drawing the shadow of p.
    sf::Image ombre(CPerso* p)
    {
        sf::RenderTexture& scene = *CSFMLJeuGlobal::prenderTexture;
        scene.setView(scene.getDefaultView());
        scene.clear(sf::Color::Transparent);
        p->dessinerOmbreSprite();
        scene.display();
        return scene.getTexture().copyToImage();
    }
    static bool sombre(const sf::Image& i, unsigned x, unsigned y) { return i.getPixel(x, y).a > 0; }
};

} // namespace

TEST_F(Ombres, LesTroisBranchesDeLOmbreDUnSpriteSimple)
{
    // The shadow hangs below its anchor, flattened to 0.3 of the image: 19 pixels for 64.
    struct Cas {
        int etat;
        bool dynamique;
        float yPerso;
        int yAncre;  // where the shadow is anchored; -1: no shadow
        const char* quoi;
    };
    const Cas cas[] = {
        {EtatPerso::ARRET, true, 500, 475, "standing: under the feet, correctionY above them"},
        {EtatPerso::CHUTE, true, 300, 475, "falling: on the ground found 200 below"},
        {EtatPerso::CHUTE, true, -110, -1, "more than 600 above the ground: none"},
        {EtatPerso::CHUTE, false, 400, 450, "fixed: at its own height"},
    };
    for (const Cas& k : cas) {
        CPerso* p = perso(300, k.yPerso);
        p->mode = k.etat;
        p->bOmbreDynamique = k.dynamique;
        p->ombreYFixe = 450;
        p->ombreHmax = 100;
        const sf::Image i = ombre(p);
        const unsigned x = k.dynamique ? 300 : 306;  // a fixed shadow slides an eighth of its height
        if (k.yAncre < 0) {
            EXPECT_FALSE(sombre(i, 300, 475)) << k.quoi;
        } else {
            EXPECT_TRUE(sombre(i, x, unsigned(k.yAncre + 6))) << k.quoi;
            EXPECT_FALSE(sombre(i, x, unsigned(k.yAncre - 4))) << k.quoi << ": nothing above the anchor";
        }
        EXPECT_FALSE(p->bNoDegats) << "the ground search hurts nothing and ends";
    }
}

TEST_F(Ombres, OmbreFixeSansHauteurDeReference)
{
    CPerso* p = perso(300, 450);
    p->bOmbreDynamique = false;
    p->ombreYFixe = 450;
    p->ombreHmax = 0;
    const sf::Image i = ombre(p);
    EXPECT_EQ(p->ombreHmax, 0) << "height 0 is the first height met";
    EXPECT_TRUE(sombre(i, 300, 454)) << "drawn at full size, not with a NaN scale";

    CPerso* q = perso(300, 350);
    q->bOmbreDynamique = false;
    q->ombreYFixe = 450;
    q->ombreHmax = 0;
    ombre(q);
    EXPECT_EQ(q->ombreHmax, 100) << "the first height met becomes the reference";
}

TEST_F(Ombres, OmbreAnimeeChercheLeSolJusquA700)
{
    // A layered character's shadow looks for ground every 10 pixels down to 700 while falling.
    struct Cas {
        float hauteur;
        unsigned long sondes;
    };
    const Cas cas[] = {{690, 70}, {710, 71}};
    for (const Cas& k : cas) {
        CPerso* p = perso(300, 500 - k.hauteur);
        auto* s = new CSPRITE3();
        s->bAnime = true;
        s->ajouterAnimation("CHUTE", true);
        s->setOmbre(0, true);
        s->setAnimation(0, 0, true);
        s->x = 300;
        s->y = 500 - k.hauteur;
        delete p->sprite;
        p->sprite = s;
        p->mode = EtatPerso::CHUTE;
        const unsigned long avant = CPerso::nbSondes;
        p->dessinerOmbre();
        EXPECT_EQ(CPerso::nbSondes - avant, k.sondes) << k.hauteur << " above the ground";
        EXPECT_FALSE(p->bNoDegats);
        // Standing, the shadow is under the feet: no search.
        p->mode = EtatPerso::ARRET;
        const unsigned long debout = CPerso::nbSondes;
        p->dessinerOmbre();
        EXPECT_EQ(CPerso::nbSondes, debout);
    }
}

TEST_F(Ombres, CaptureDansLaVueEtRechercheParId)
{
    CVue vue(1280, 720);
    jeu->pvue = &vue;
    CPerso* p = perso(50, 60);
    // Asked during the frame, taken once its scene is whole.
    const auto capturer = [p] { p->capturerIcone(), p->prendreCapture(); };
    capturer();
    ASSERT_EQ(p->captures.size(), 1u);
    EXPECT_EQ(p->captures.back().texture.getSize(), sf::Vector2u(140, 200));
    p->sprite->x = 1270;
    p->sprite->y = 1000;
    capturer();
    EXPECT_EQ(p->captures.back().x, 1280 - 140) << "kept inside the view";
    EXPECT_EQ(p->captures.back().y, 720 - 200);
    // Centred on the character where the camera's view shows it.
    sf::RenderTexture& scene = *CSFMLJeuGlobal::prenderTexture;
    scene.setView(sf::View(sf::FloatRect(1000, 300, 1280, 720)));
    p->sprite->x = 1600;
    capturer();
    const sf::FloatRect b = p->sprite->getBoite();
    EXPECT_NEAR(p->captures.back().x, b.left + b.width / 2 - 1000 - 70, 1) << "the camera moved";
    scene.setView(scene.getDefaultView());

    // A view smaller than a capture: cut to the view, never read outside the scene.
    vue.largeur = 100;
    vue.hauteur = 150;
    capturer();
    EXPECT_EQ(p->captures.back().x, 0);
    EXPECT_EQ(p->captures.back().texture.getSize(), sf::Vector2u(100, 150));
    jeu->pvue = nullptr;

    for (const char* id : {"GARDE_2", "GARDE"}) {
        auto* ia = new CPerso();
        ia->id = id;
        decor->ias.push_back(ia);
    }
    ASSERT_NE(trouverPersoParId("GARDE"), nullptr);
    EXPECT_EQ(trouverPersoParId("GARDE")->id, "GARDE") << "ids match exactly";
    EXPECT_EQ(trouverPersoParId("GARD"), nullptr);
}
