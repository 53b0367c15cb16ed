#include "core/Dec.h"
#include "core/FichierDec.h"
#include "core/Hasard.h"
#include "core/Particules.h"
#include "core/Sprite.h"
#include "core/TuvFile.h"
#include "support/Outils.h"
#include "SpriteTestBanque.h"

#include <cmath>
#include <limits>

namespace {

using Particules = ServicesSauves;

// An emitter whose 49 values are all different from the defaults.
CParticules emetteurRempli()
{
    CParticules p;
    p.velX = 1.5f;
    p.velY = -2.25f;
    p.largeurEmetteur = 30;
    p.hauteurEmetteur = 4;
    p.forcesX = 0.1f;
    p.forcesY = 0.3f;
    p.nbParticules = 77;
    p.dureeVie = 90;
    p.aleaDureeVie = 12;
    p.forme = 1;
    p.tailleParticule = 3.5f;
    p.couleur = sf::Color(1, 2, 3, 4);
    p.amplitudeDegradeCouleur = 9;
    p.strCheminTexture = "effets/etincelle.png";
    p.nbCycles = 3;
    p.angle1 = -45;
    p.angle2 = 45.5f;
    p.bAngleAlea = true;
    p.acceleration = 0.01f;
    p.bAlphaDec = true;
    p.alphaAgeDec = 20;
    p.alphaValDec = 5;
    p.bEmetteurVisible = true;
    p.bRotDirection = true;
    p.variationRotation = 2.5f;
    p.bVariationTaille = true;
    p.variationTaille = -0.1f;
    p.borneVariationTaille = 0.5f;
    p.bTailleAlea = true;
    p.tailleMin = 1.25f;
    p.tailleMax = 6;
    p.modeCollision = 2;
    p.initLargeur = 7;
    p.initHauteur = 8;
    p.bPauseEmission = true;
    p.decPosX = -3;
    p.decPosY = 11;
    p.bForcesExterieures = true;
    p.bNoCalcCollision = true;
    p.bNoDrawPause = true;
    p.bNoCalcPause = true;
    p.aleaVitX = 0.7f;
    p.aleaVitY = 0.8f;
    p.aleaForceX = 0.05f;
    p.aleaForceY = 0.06f;
    p.aleaAccel = 0.001f;
    return p;
}

CParticules relire(const DossierTemp& d, const std::string& ligne)
{
    ecrireTexte(d / "p.txt", "PARTICULESD=" + ligne + "\n");
    CTUVFile f;
    EXPECT_TRUE(f.open(d / "p.txt", false));
    EXPECT_EQ(f.getKey(), "PARTICULESD");
    CParticules lu;
    lu.lire49(f);
    return lu;
}

TEST_F(Particules, Ligne49RelueEgale)
{
    DossierTemp d;
    CParticules p = emetteurRempli();
    std::string ligne = p.texte49();
    int separateurs = 0;
    for (char c : ligne)
        separateurs += c == ';';
    EXPECT_EQ(separateurs, 48);
    CParticules lu = relire(d, ligne);
    EXPECT_EQ(lu.texte49(), ligne);
    EXPECT_FLOAT_EQ(lu.forcesRefY, 0.3f);
    EXPECT_TRUE(lu.bPauseEmission);
    EXPECT_FALSE(lu.bPause);  // the readers decide what the stored pause means

    // The ".dec" reader makes the emitter from the same line.
    ecrireTexte(d / "f.dec", "ID=FEU\nPARTICULESD=" + ligne + "\n");
    CDEC banque;
    ASSERT_TRUE(banque.pFichierDEC->chargerDEC(d / "f.dec", &banque));
    ASSERT_NE(banque.pFichierDEC->pParticules, nullptr);
    EXPECT_EQ(banque.pFichierDEC->pParticules->texte49(), ligne);
}

TEST_F(Particules, ValeursAbsurdesBornees)
{
    DossierTemp d;
    // Short line (older files), negative count, zero size and lifetime, NaN speeds.
    CParticules lu = relire(d, "nan;inf;-5;0;1;1;-100;0;-3;9;0;300;-4;2;2;0;x;1;0;0;0;nan");
    EXPECT_EQ(lu.nbParticules, 0);
    EXPECT_GT(lu.tailleParticule, 0);
    EXPECT_GE(lu.dureeVie, 1);
    EXPECT_EQ(lu.aleaDureeVie, 0);
    EXPECT_EQ(lu.forme, 2);
    EXPECT_EQ(lu.couleur.r, 255);
    EXPECT_EQ(lu.couleur.g, 0);
    EXPECT_FALSE(std::isnan(lu.velX));
    EXPECT_FALSE(std::isnan(lu.aleaAccel));

    CParticules p;
    p.nbParticules = std::numeric_limits<int>::max();
    p.velX = std::numeric_limits<float>::quiet_NaN();
    p.bTailleAlea = true;
    p.tailleMin = 7;  // reversed bounds are kept, and born in order
    p.tailleMax = 3;
    p.demarrer(0, 0, 1);
    EXPECT_EQ(int(p.getParticules().size()), CParticules::NB_PARTICULES_MAX);
    EXPECT_TRUE(p.tailleMin == 7 && p.tailleMax == 3);
    for (const auto& q : p.getParticules())
        ASSERT_TRUE(q.taille >= 3 && q.taille <= 7) << q.taille;
    p.majTout();
    for (const auto& q : p.getParticules())
        ASSERT_FALSE(std::isnan(q.x));
}

TEST_F(Particules, UnCycleFinitEtLaCopieEstIndependante)
{
    tuv::srand(7);
    CParticules p;
    p.nbParticules = 20;
    p.dureeVie = 5;
    p.aleaDureeVie = 3;
    p.nbCycles = 1;
    p.demarrer(50, 60, 0);
    CParticules copie(p);

    int frames = 0;
    while (!p.bFini && frames < 100) {
        p.majTout();
        frames++;
    }
    EXPECT_TRUE(p.bFini);
    EXPECT_EQ(p.nbVivantes(), 0);
    EXPECT_EQ(p.nbFinies, 20);

    // The copy has not moved with its model, and changing it leaves the model alone.
    EXPECT_FALSE(copie.bFini);
    EXPECT_EQ(copie.getParticules().size(), 20u);
    copie.nbParticules = 3;
    copie.reset();
    EXPECT_EQ(copie.getParticules().size(), 3u);
    EXPECT_EQ(p.getParticules().size(), 20u);

    // Unlimited cycles never finish; a paused emitter lets its particles die out.
    CParticules sansFin;
    sansFin.nbParticules = 5;
    sansFin.dureeVie = 2;
    sansFin.demarrer(0, 0, 1);
    for (int i = 0; i < 50; ++i)
        sansFin.majTout();
    EXPECT_FALSE(sansFin.bFini);
    sansFin.bPause = true;
    for (int i = 0; i < 10; ++i)
        sansFin.majTout();
    EXPECT_EQ(sansFin.nbVivantes(), 0);
}

TEST_F(Particules, AttacheSuitLeSpriteEtDessine)
{
    CSPRITE sd;
    sd.placer(0, 20, 20);
    CParticules p;
    p.nbParticules = 1;
    p.dureeVie = 1;
    p.velX = p.velY = 0;
    p.forcesX = p.forcesY = 0;
    p.tailleParticule = 4;
    p.forme = 1;
    p.couleur = sf::Color::Red;
    p.bAttache = true;
    p.pElementAttache = &sd;
    p.demarrer(0, 0, 0);
    sd.x = 10;
    sd.y = 12;
    for (int i = 0; i < 3; ++i)
        p.majTout();
    ASSERT_EQ(p.nbVivantes(), 1);
    EXPECT_NEAR(p.getParticules()[0].x, 10, 1);
    EXPECT_NEAR(p.getParticules()[0].y, 12, 1);

    sf::RenderTexture rt;
    rt.create(24, 24);
    rt.clear(sf::Color::Black);
    p.dessiner(rt);
    rt.display();
    EXPECT_EQ(rt.getTexture().copyToImage().getPixel(10, 12), sf::Color::Red);
}

} // namespace

// Each random-angle mode draws on its own: uniform, squared toward angle1, or turned by half
// a turn about half the time; without any, the angles are spread by particle index.
TEST_F(Particules, ModesDAngleAleatoire)
{
    // 1000 births of velocity (1, 0) turned by an angle drawn between 0 and 90 degrees.
    auto angles = [](bool alea, bool carre, bool direction) {
        tuv::srand(7);
        CParticules p;
        p.velX = 1;
        p.velY = 0;
        p.angle2 = 90;
        p.nbParticules = 1000;
        p.bAngleAlea = alea;
        p.bAngleAleaCarre = carre;
        p.bAngleAleaDirection = direction;
        p.demarrer(0, 0, 0);
        std::vector<float> r;
        for (const auto& q : p.getParticules())
            r.push_back(std::atan2(q.vy, q.vx) * 180 / 3.14159265f);
        return r;
    };
    struct Cas {
        const char* nom;
        bool alea, carre, direction;
        int sousMilieu;  // births below 45 degrees (of 1000), within 60
        int retournees;  // births turned into 180..270, within 60
    };
    // Uniform: half below the middle. Squared: t^2 < 1/2 for t < 0.707.
    const Cas cas[] = {
        {"alea", true, false, false, 500, 0},
        {"carre", false, true, false, 707, 0},
        {"direction", false, false, true, 500, 500},
    };
    for (const Cas& c : cas) {
        int sous = 0, retournees = 0;
        for (float a : angles(c.alea, c.carre, c.direction)) {
            if (a < -1)
                a += 360;
            if (a >= 179) {
                retournees++;
                a -= 180;
            }
            ASSERT_TRUE(a > -0.01f && a < 90.01f) << c.nom << ": angle " << a << " outside its range";
            sous += a < 45 ? 1 : 0;
        }
        EXPECT_NEAR(sous, c.sousMilieu, 60) << c.nom << ": births below 45 degrees";
        EXPECT_NEAR(retournees, c.retournees, 60) << c.nom << ": births turned by 180 degrees";
    }
    const std::vector<float> parIndice = angles(false, false, false);
    for (size_t i : {size_t(0), size_t(333), size_t(999)})
        EXPECT_NEAR(parIndice[i], 90.0f * i / 999, 0.01f) << "particle " << i << " without random mode";
}
