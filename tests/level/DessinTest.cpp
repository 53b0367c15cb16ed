// The level frame: drawing order and parallax, slices of rain and fireflies, the veil, and
// what the editor and the menus leave out.
#include "OutilsNiveau.h"

#include "core/SpriteSimple.h"
#include "level/EffetLucioles.h"
#include "level/EffetOrage.h"
#include "level/EffetPluie.h"
#include "level/FondImage.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <vector>

namespace {

class Image : public AvecJeu {
protected:
    // The background picture, a square of that colour drawn at (x0, y0) plus its offset.
    void fond(sf::Color c, int x0, int y0)
    {
        CFondImage& f = *decor->pFondImage;
        sf::Image image;
        image.create(200, 200, c);
        f.pTexture = std::make_unique<sf::Texture>();
        f.pTexture->loadFromImage(image);
        f.pSprite = std::make_unique<sf::Sprite>(*f.pTexture);
        f.strFichierFond = "fond.png";
        f.x0 = x0;
        f.y0 = y0;
    }
    CSPRITE* carre(int n, sf::Color c, float x, float y, int cote = 200)
    {
        return spriteDecor(plan(n), banqueCouleur(*decor, "C" + std::to_string(n) + std::to_string(x), cote, cote, c),
                           x, y, 0);
    }
    void image(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            decor->dessiner(nullptr);
    }
};

const sf::Color FOND(200, 0, 0), P4(0, 200, 0), P3(0, 0, 200), P2(200, 200, 0), P1(0, 200, 200),
    P0(200, 0, 200), DEVANT(255, 128, 0), FILTRE(255, 255, 0), VOILE(10, 20, 30);

} // namespace

// Six squares of 200 pixels, one per level of the drawing order, each drawn 40 pixels right
// of and 30 below the previous one: at each square's top-left corner the square must be on
// top, and just left of it or just above it the previous one shows.
TEST_F(Image, OrdreEtParallaxe)
{
    camera(300, 120);
    struct Niveau {
        int n;  // 5: the background
        float fx, fy;
        int dx, dy;  // worked out by hand: trunc(x fx), trunc(y fy); negated for planes 1 and 0
        sf::Color c;
    } niveaux[] = {{5, 0.5f, 0.25f, 150, 30, FOND}, {4, 0.5f, -0.5f, 150, -60, P4}, {3, -0.2f, 0.1f, -60, 12, P3},
                   {2, 0.1f, -0.25f, 30, -30, P2}, {1, 0.1f, 0.5f, -30, -60, P1}, {0, -0.3f, -0.1f, 90, 12, P0}};
    for (int k = 0; k < 6; ++k) {
        const Niveau& v = niveaux[k];
        decor->scrollPlans[v.n][0] = v.fx;
        decor->scrollPlans[v.n][1] = v.fy;
        const int x = 400 + 40 * k - v.dx, y = 200 + 30 * k - v.dy;
        if (v.n == 5)
            fond(v.c, x, y);
        else
            carre(v.n, v.c, float(x), float(y));
    }
    // In front of the characters on the main plane, under plane 1.
    carre(2, DEVANT, 650 - 30, 300 + 30, 60)->bPosDansLePlan = true;
    auto* ia = new CPerso();
    ia->numPlanIA = 3;
    decor->ias.push_back(ia);
    perso();
    decor->couleurFond = sf::Color(1, 2, 3);
    image();
    const sf::Image p = photo();

    for (int k = 0; k < 6; ++k) {
        const unsigned x = unsigned(100 + 40 * k), y = unsigned(80 + 30 * k);
        EXPECT_EQ(p.getPixel(x + 2, y + 2), niveaux[k].c) << "level " << niveaux[k].n << " on top at its corner";
        if (k > 0) {
            EXPECT_EQ(p.getPixel(x - 1, y + 2), niveaux[k - 1].c) << "level " << niveaux[k].n << " starts at x " << x;
            EXPECT_EQ(p.getPixel(x + 2, y - 1), niveaux[k - 1].c) << "level " << niveaux[k].n << " starts at y " << y;
        }
    }
    EXPECT_EQ(p.getPixel(355, 185), DEVANT) << "the in-front sprite covers the main plane";
    EXPECT_EQ(p.getPixel(355, 205), P1) << "plane 1 covers the in-front sprite";
    EXPECT_EQ(p.getPixel(1200, 700), sf::Color(1, 2, 3)) << "cleared to the level's colour";

    // Factors of 0: everything at its level coordinates.
    for (auto& f : decor->scrollPlans)
        f[0] = f[1] = 0;
    image();
    const sf::Image q = photo();
    EXPECT_EQ(q.getPixel(2, 52), FOND) << "the background at its own position, (250, 170)";
    EXPECT_EQ(q.getPixel(242, 130), P3) << "plane 3 at its level position, (540, 248)";
}

// With 7 fireflies the slices are (0, 1), (1, 1), (1, 7); with 10 drops (0, 3), (3, 5), (5, 10),
// the last without the collision test.
TEST_F(Image, TranchesDePluieEtDeLucioles)
{
    camera(300, 120);
    decor->scrollPlans[3][0] = -0.2f;  // plane 3 offset (-60, 12)
    decor->scrollPlans[3][1] = 0.1f;
    decor->scrollPlans[0][0] = -0.3f;  // plane 0 offset (90, 12)
    decor->scrollPlans[0][1] = -0.1f;
    decor->pPluie = new CEffetPluie(10, 1000, 1000);
    decor->bPluie = true;
    decor->pLucioles = new CEffetLucioles(7, 1000, 1000);
    decor->bLucioles = true;
    std::vector<sf::Vector2f> avant;
    for (const sf::Sprite& g : decor->pPluie->gouttes)
        avant.push_back(g.getPosition());
    int tests = 0;
    g_services.estCollision = [&](float, float, float, float) {
        ++tests;
        return true;
    };
    image();

    for (int i = 0; i < 7; ++i) {
        const Luciole& l = *decor->pLucioles->lucioles[size_t(i)];
        const sf::Vector2f decalage = l.sprite.getPosition() - sf::Vector2f(l.x + l.decalage, l.y + l.decalage);
        const sf::Vector2f attendu = i == 0 ? sf::Vector2f(-60, 12) : sf::Vector2f(90, 12);
        EXPECT_NEAR(decalage.x, attendu.x, 0.01) << "firefly " << i << " drawn with plane " << (i == 0 ? 3 : 0);
        EXPECT_NEAR(decalage.y, attendu.y, 0.01) << "firefly " << i << " drawn with plane " << (i == 0 ? 3 : 0);
    }
    int eclaboussures = 0;
    for (int i = 0; i < 10; ++i) {
        const int etat = decor->pPluie->etats[size_t(i)];
        if (i >= 5) {
            EXPECT_EQ(etat, CEffetPluie::TOMBE) << "drop " << i << " is never tested";
            EXPECT_NE(decor->pPluie->gouttes[size_t(i)].getPosition(), avant[size_t(i)]) << "drop " << i << " moved";
        } else if (etat == CEffetPluie::ECLABOUSSURE) {
            ++eclaboussures;
        } else {
            EXPECT_NE(decor->pPluie->gouttes[size_t(i)].getPosition(), avant[size_t(i)]) << "drop " << i << " moved";
        }
    }
    EXPECT_EQ(eclaboussures, tests) << "each tested drop of the first five hits and splashes";
    EXPECT_GT(tests, 0);
}

// Each rule of the veil, frame by frame; at 60 frames per second the same steps come at twice
// the frame counts.
TEST_F(Image, Voile)
{
    camera(0, 0);
    struct Cas {
        const char* nom;
        int alpha, pas, periode, cible;
        bool arretFin;
        float coeff;
        std::vector<int> alphas;  // after each frame; -1: switched off
        bool fini;
    } cas[] = {
        {"steps to the target and holds", 0, 50, 2, 100, false, 1.0f, {0, 0, 50, 50, 50, 100, 100, 100}, true},
        {"steps to the target and goes", 0, 50, 2, 100, true, 1.0f, {0, 0, 50, 50, 50, -1}, false},
        {"the same at 60 per second", 0, 50, 2, 100, false, 0.5f,
         {0, 0, 0, 0, 0, 50, 50, 50, 50, 50, 50, 100, 100}, true},
        {"rising stops at 255 below a higher target", 100, 100, 0, 300, false, 1.0f, {200, 255, 255}, true},
        {"fading out to 0 switches off", 250, -100, 0, 10, false, 1.0f, {150, 50, -1}, false},
    };
    for (const Cas& c : cas) {
        jeu->framerateCoeff = c.coeff;
        decor->voile = CVoile();
        decor->voile.bActif = true;
        decor->voile.plan = 0;
        decor->voile.couleur = sf::Color(10, 20, 30, sf::Uint8(c.alpha));
        decor->voile.pas = c.pas;
        decor->voile.periode = c.periode;
        decor->voile.alphaCible = c.cible;
        decor->voile.bArretFin = c.arretFin;
        for (size_t f = 0; f < c.alphas.size(); ++f) {
            image();
            const int obtenu = decor->voile.bActif ? decor->voile.couleur.a : -1;
            EXPECT_EQ(obtenu, c.alphas[f]) << c.nom << ", after frame " << f + 1;
        }
        EXPECT_EQ(decor->voile.bFini, c.fini) << c.nom;
    }
}

// The veil's level: 5 lies over the background and under plane 4, 0 over everything with the
// filter; it follows the camera. The filter, stretched from its 10-pixel picture, covers the
// whole view over plane 0.
TEST_F(Image, NiveauDuVoile)
{
    camera(3000, 400);
    fond(FOND, 3000, 400);
    carre(4, P4, 3100, 400);
    carre(0, P0, 4180, 1020);
    decor->voile.bActif = true;
    decor->voile.couleur = VOILE;
    decor->voile.bFini = true;
    decor->voile.plan = 5;
    image();
    sf::Image p = photo();
    EXPECT_EQ(p.getPixel(50, 50), VOILE) << "over the background";
    EXPECT_EQ(p.getPixel(150, 50), P4) << "under plane 4";
    ASSERT_EQ(p.getPixel(1279, 719), P0) << "plane 0 at the view's corner";
    decor->pFiltre->setDEC(banqueCouleur(*decor, "FILTRE", 10, 10, FILTRE));
    decor->bFiltre = true;
    image();
    p = photo();
    for (sf::Vector2u px : {sf::Vector2u(0, 0), sf::Vector2u(50, 50), sf::Vector2u(1279, 719)})
        EXPECT_EQ(p.getPixel(px.x, px.y), FILTRE) << "the filter covers (" << px.x << ", " << px.y << ")";
    decor->voile.plan = 0;
    image();
    p = photo();
    for (sf::Vector2u px : {sf::Vector2u(2, 2), sf::Vector2u(150, 50), sf::Vector2u(1279, 719)})
        EXPECT_EQ(p.getPixel(px.x, px.y), VOILE) << "level 0 covers (" << px.x << ", " << px.y << ")";
    decor->voile.plan = 6;
    image();
    EXPECT_NE(photo().getPixel(1279, 719), VOILE) << "a level outside 0..5 is never drawn";
}

// The storm only in the game; in the editor no footprints, but the zone's outline.
TEST_F(Image, CeQueLeModeMontre)
{
    camera(0, 0);
    decor->pOrage = new CEffetOrage();
    decor->pOrage->pDecor = decor.get();
    decor->pOrage->pEclair = std::make_unique<CSPRITE_SIMPLE>();
    decor->pOrage->pEclair->setDEC(banqueCouleur(*decor, "ECLAIR", 4, 4, sf::Color::White));
    decor->bOrage = true;
    decor->ajouterTracePas(600, 600, 1);
    decor->tracesPas.front()->setColor(sf::Color(255, 255, 255, 200));
    decor->zone[0] = 100;
    decor->zone[1] = 100;
    decor->zone[2] = 300;
    decor->zone[3] = 300;
    decor->bZone = true;
    for (int mode : {0, 2, 1}) {
        jeu->mode = mode;
        decor->pOrage->compteurFlash = 30;
        const sf::Uint8 avant = decor->tracesPas.front()->getColor().a;
        image(20);
        EXPECT_EQ(decor->pOrage->compteurFlash, mode == 1 ? 10 : 30) << "storm counter in mode " << mode;
        const sf::Uint8 apres = decor->tracesPas.front()->getColor().a;
        const bool trait = photo().getPixel(100, 200) != decor->couleurFond;
        if (mode == 2) {
            EXPECT_EQ(apres, avant) << "footprints do not fade in the editor";
            EXPECT_TRUE(trait) << "the zone is outlined in the editor";
        } else {
            EXPECT_LT(apres, avant) << "footprints fade in mode " << mode;
            EXPECT_FALSE(trait) << "no zone outline in mode " << mode;
        }
    }
}
