// The fixed AI behaviours, the ambient flyer and the rotating cannon, on levels built in code
// with the camera at (0, 0) over a 1280 x 720 view.
#include "OutilsIA.h"

#include "characters/EtatsPerso.h"
#include "characters/IAOutils.h"
#include "core/SpriteSimple.h"

#include <string>
#include <vector>

namespace {

using namespace EtatPerso;

// The same second of play at both frame rates gives the same path, within a pixel.
TEST_F(TestIA, TrajetsParSecondeAuxDeuxCadences)
{
    struct Cas {
        int type;
        float x, y, xApres, yApres;
    } cas[] = {
        {TypeIA::TIREUR_SOL, 100, 300, 280, 300},
        {TypeIA::TRAVERSEUR, 100, 300, 280, 300},
        {TypeIA::ONDULANT_H, 100, 150, 280, 240},  // below the band: steps of 3 down
        {TypeIA::ONDULANT_V, 100, 100, 100, 340},  // steps of 8, no horizontal move
        {TypeIA::ONDULANT_V, 100, 130, 100, 160},  // within 250 of the middle (360): steps of 1
    };
    for (float c : COEFFICIENTS)
        for (const Cas& k : cas) {
            coefficient(c);
            vider();
            CPerso* a = ia(k.x, k.y, k.type);
            tours(images(30));
            EXPECT_NEAR(x(a), k.xApres, 1.0f) << "type " << k.type << " at " << c;
            EXPECT_NEAR(y(a), k.yApres, 1.0f) << "type " << k.type << " at " << c;
        }
}

TEST_F(TestIA, HorsDeLaVueRienNeBouge)
{
    struct Cas {
        int type;
        float x;
    } cas[] = {{TypeIA::TIREUR_SOL, 1781}, {TypeIA::TRAVERSEUR, 2560}, {TypeIA::VOLANT, 1430},
               {TypeIA::ONDULANT_H, 5120}};
    for (const Cas& c : cas) {
        vider();
        CPerso* a = ia(c.x, 300, c.type);
        tours(5);
        EXPECT_EQ(x(a), c.x) << "type " << c.type;
        EXPECT_EQ(y(a), 300) << "type " << c.type;
    }
    // The shooters stop shooting too.
    for (int type : {TypeIA::TIREUR_SOL, TypeIA::TIREUR_HASARD}) {
        vider();
        CPerso* a = ia(type == TypeIA::TIREUR_SOL ? 1781 : 5120, 300, type);
        armer(*a);
        tours(300);
        EXPECT_EQ(a->nbTirs, 0) << "type " << type;
    }
}

TEST_F(TestIA, TireursAuHasard)
{
    // One chance in 30 (type 100) or 10 (type 111) per frame at 30 fps, as often per second at 60.
    struct Cas {
        int type, minimum, maximum;
    } cas[] = {{TypeIA::TIREUR_SOL, 4, 20}, {TypeIA::TIREUR_HASARD, 15, 50}};
    for (float c : COEFFICIENTS)
        for (const Cas& k : cas) {
            coefficient(c);
            vider();
            tuv::srand(7);
            CPerso* a = ia(100, 300, k.type);
            armer(*a);
            tours(images(300));
            EXPECT_GE(a->nbTirs, k.minimum) << "type " << k.type << " at " << c;
            EXPECT_LE(a->nbTirs, k.maximum) << "type " << k.type << " at " << c;
        }
}

TEST_F(TestIA, TraverseurSautantEtCulbuteur)
{
    CPerso* a = ia(100, 300, TypeIA::TRAVERSEUR_SAUTANT);
    int sauts = 0;
    for (int i = 0; i < 30; ++i) {
        const float y0 = y(a);
        tours(1);
        if (y(a) > y0) {
            ++sauts;
            EXPECT_EQ(y(a) - y0, 6) << "a hop is the speed";
        }
    }
    EXPECT_GT(sauts, 3);
    EXPECT_LT(sauts, 20);

    // The tumbler drifts back and down until it meets the decor, which kills it.
    vider();
    bloc(-500, 600, 2000, 40);
    CPerso* t = ia(300, 100, TypeIA::CULBUTEUR);
    int n = 0;
    while (t->mode != MORT && n++ < 500) {
        const float x0 = x(t), y0 = y(t);
        tours(1);
        if (t->mode != MORT) {
            EXPECT_LT(x(t), x0) << "facing right, it drifts left";
            EXPECT_GT(y(t), y0);
        }
    }
    EXPECT_EQ(t->mode, MORT) << "the decor kills the tumbler";
    EXPECT_GE(y(t), 600);
    EXPECT_LT(y(t), 600 + 13);
}

TEST_F(TestIA, VolantsErratiques)
{
    CPerso* a = ia(300, 300, TypeIA::VOLANT);
    tours(1);
    EXPECT_TRUE(a->bNoDegats) << "a flyer takes no decor damage";
    const float dx = x(a) - 300, dy = y(a) - 300;
    EXPECT_TRUE(dx >= 5 && dx <= 14 && dy >= -14 && dy <= 14) << "moved by " << dx << ", " << dy;
    // A wall just ahead turns it around without moving it.
    bloc(x(a) + 4, 0, 100, 700);
    const float xAvant = x(a);
    tours(1);
    EXPECT_EQ(a->direction, 1);
    EXPECT_EQ(x(a), xAvant);

    // One flyer dies: the others of its kind turn fast and tough, once.
    vider();
    CPerso* volants[3];
    for (int i = 0; i < 3; ++i) {
        volants[i] = ia(100.0f + 50 * i, 300, TypeIA::VOLANT);
        volants[i]->vie = volants[i]->vieMax = 20;
        volants[i]->degats[0] = 5;
    }
    CPerso* autre = ia(500, 300, TypeIA::TRAVERSEUR);
    volants[2]->bDel = true;
    volants[0]->mode = MORT;
    tours(3);
    EXPECT_EQ(volants[0]->modeIA, TypeIA::VOLANT) << "the dead flyer is left as it is";
    EXPECT_EQ(volants[1]->modeIA, TypeIA::VOLANT_RAPIDE);
    EXPECT_EQ(volants[1]->vie, 80) << "life x 4 once, not once per frame";
    EXPECT_EQ(volants[1]->degats[0], 20);
    EXPECT_EQ(volants[2]->modeIA, TypeIA::VOLANT) << "one being removed is left out";
    EXPECT_EQ(autre->modeIA, TypeIA::TRAVERSEUR);
    const float x1 = x(volants[1]);
    tours(1);
    EXPECT_GE(std::fabs(x(volants[1]) - x1), 10) << "105 moves by 10 to 29";
}

TEST_F(TestIA, AnimesImmobilesEtEnfants)
{
    // 200 plays only near the view.
    CPerso* pres = ia(1900, 300, TypeIA::ANIME_PRES);
    CPerso* loin = ia(1930, 300, TypeIA::ANIME_PRES);
    tours(1);
    EXPECT_EQ(pres->sprite->numFrame, 1);
    EXPECT_EQ(loin->sprite->numFrame, 0);

    // 500 stands, a hit frame only plays the hit.
    CPerso* debout = ia(300, 300, TypeIA::IMMOBILE);
    debout->visee = 5;
    tours(1);
    EXPECT_EQ(debout->visee, -1);
    debout->visee = 5;
    debout->mode = TOUCHE;
    tours(1);
    EXPECT_EQ(debout->visee, 5);
    EXPECT_EQ(debout->mode, TOUCHE);

    // Children are driven after their carrier, whatever their type, and move with it.
    vider();
    CPerso* parent = ia(100, 300, TypeIA::TRAVERSEUR);
    CPerso* enfant = ia(100, 250, TypeIA::IMMOBILE);
    decor->ias.remove(enfant);
    parent->enfants.push_back(enfant);
    parent->nbEnfants = 1;
    enfant->porteur = parent;
    enfant->visee = 3;
    tours(1);
    EXPECT_EQ(x(enfant), 106) << "moved with its carrier";
    EXPECT_EQ(enfant->visee, -1) << "and driven by its own type";
}

TEST_F(TestIA, VolantAmbiant)
{
    // Out of the band on the side it flies away from: it turns back some time, rising a little.
    CPerso* a = ia(1400, 300, TypeIA::VOLANT_AMBIANT);
    int n = 0;
    float yAvant = 300;
    while (a->direction == 0 && n++ < 3000) {
        yAvant = y(a);
        tours(1);
    }
    ASSERT_EQ(a->direction, 1) << "turned back";
    EXPECT_TRUE(yAvant - y(a) >= 0 && yAvant - y(a) <= 39) << "rising a little: " << yAvant - y(a);
    const float xTour = x(a);
    tours(1);
    EXPECT_EQ(x(a), xTour - 6) << "then flies toward the view";

    // Risen 200 or more above its start, the turn brings it back to its start height.
    vider();
    a = ia(-100, 50, TypeIA::VOLANT_AMBIANT);
    a->setDirection(1);
    a->sprite->y0 = 300;
    while (a->direction == 1 && n++ < 10000)
        tours(1);
    EXPECT_EQ(y(a), 300);

    // In the band: it hovers, then glides down for 25 loops of its animation, then hovers.
    vider();
    a = ia(600, 300, TypeIA::VOLANT_AMBIANT);
    a->mode = ARRET;
    n = 0;
    while (a->mode == ARRET && n++ < 2000)
        tours(1);
    ASSERT_EQ(a->mode, MARCHE);
    const float x0 = x(a), y0 = y(a);
    n = 0;
    while (a->mode == MARCHE && n++ < 2000)
        tours(1);
    EXPECT_EQ(n, 51) << "a frame to take up its animation, then 25 loops of two frames";
    EXPECT_EQ(x(a) - x0, 5 * 51) << "trunc(0.9 x 6) per frame";
    EXPECT_TRUE(y(a) - y0 >= 50 && y(a) - y0 <= 100) << "gliding down: " << y(a) - y0;
    // It never dies.
    a->mode = MORT;
    tours(1);
    EXPECT_EQ(a->mode, MORT);
}

class Canon : public TestIA {
protected:
    void SetUp() override
    {
        TestIA::SetUp();
        base = ia(1000, 600, TypeIA::INERTE_2);
        poserBase(8);
        canon = ia(900, 500, TypeIA::CANON_ROTATIF);
        decor->ias.remove(canon);
        canon->sprite->setPosInit(900, 500, -1, -1);
        canon->porteur = base;
        base->enfants.push_back(canon);
        base->nbEnfants = 1;
        joueur = perso(500, Y_JOUEUR);
    }
    // The base turns over an animation 0 of nb frames.
    void poserBase(int nb)
    {
        base->sprite->pDEC = banque(*decor, "BASE" + std::to_string(nb), 64, 32, nullptr, nb);
        base->sprite->placer(0, 1000, 600);
    }
    // The cannon's eye is at (900, 440): a player whose feet are at this height is level with it.
    static constexpr float Y_JOUEUR = 473.3333f;
    int nbTourelle() const { return static_cast<int>(std::count(jeu->sons.begin(), jeu->sons.end(), "TOURELLE")); }

    CPerso* base = nullptr;
    CPerso* canon = nullptr;
    CPerso* joueur = nullptr;
};

TEST_F(Canon, ViseEtSouffle)
{
    tours(1);
    EXPECT_EQ(canon->angleVisee, 270);
    EXPECT_EQ(canon->sprite->rotangle, 360) << "aim angle + 90 on the left side";
    ASSERT_EQ(decor->effets.size(), 1u) << "the blast";
    const CSPRITE* souffle = decor->effets[0]->getSprite();
    EXPECT_EQ(sf::Vector2f(souffle->x, souffle->y), sf::Vector2f(700, 800));
    EXPECT_EQ(base->distanceRecul, 10) << "the base recoils";
    tours(89);
    EXPECT_EQ(decor->effets.size(), 1u) << "the next blast comes 90 frames later";
    decor->viderEffets();
    tours(1);
    EXPECT_EQ(decor->effets.size(), 1u);

    // Too near: neither aimed at nor turned to.
    for (CSPRITE_SIMPLE* e : decor->effets)
        delete e;
    decor->effets.clear();
    joueur->sprite->x = 650;
    canon->compteurAlerte = 0;
    tours(16);
    EXPECT_EQ(canon->visee, -1);
    EXPECT_TRUE(decor->effets.empty());
    joueur->sprite->x = 1150;
    tours(16);
    EXPECT_EQ(ia::frame(*base->sprite), 0) << "no turn within 299 pixels";
    EXPECT_EQ(nbTourelle(), 0);
}

TEST_F(Canon, TourneQuandLeJoueurChangeDeCote)
{
    for (float c : COEFFICIENTS) {
        coefficient(c);
        jeu->sons.clear();
        canon->setDirection(0);
        canon->sprite->x = 900;
        base->sprite->placer(0, 1000, 600);
        joueur->sprite->x = 500;
        canon->compteurDetection = 0;
        tours(1);
        joueur->sprite->x = 1400;  // to the right, 500 from the cannon
        canon->compteurDetection = 0;
        int n = 0;
        bool cache = false;
        do {
            tours(1);
            ++n;
            cache = cache || !canon->sprite->bVisible;
        } while (!(canon->sprite->bVisible && ia::frame(*base->sprite) == 7) && n < 100);
        EXPECT_TRUE(cache) << "hidden while the base turns, at " << c;
        EXPECT_EQ(n, images(7)) << "seven frames of the base at " << c;
        EXPECT_GE(nbTourelle(), 1) << c;
        EXPECT_EQ(canon->direction, 1);
        EXPECT_EQ(canon->sprite->x, 1170) << "shown 270 further right";
        // And back.
        joueur->sprite->x = 500;
        canon->compteurDetection = 0;
        n = 0;
        while (canon->direction == 1 && n++ < 100)
            tours(1);
        EXPECT_EQ(canon->sprite->x, 900) << "and back";
        EXPECT_EQ(ia::frame(*base->sprite), 0);
    }
    // A hit on the base plays its turn too, and can carry it to its end between two steps.
    canon->sprite->setVisible(false);
    base->sprite->numFrame = 7;
    tours(1);
    EXPECT_TRUE(canon->sprite->bVisible && canon->direction == 1 && canon->sprite->x == 1170)
        << "the turn ends where the base stands: shown on its right side";
}

TEST_F(Canon, SansBaseNiArmeNiHuitImages)
{
    // A base whose turn has four frames turns to its last one.
    poserBase(4);
    joueur->sprite->x = 1400;
    int n = 0;
    while (canon->direction == 0 && n++ < 100)
        tours(1);
    EXPECT_EQ(canon->direction, 1);
    EXPECT_TRUE(canon->sprite->bVisible);
    EXPECT_EQ(ia::frame(*base->sprite), 3);
    // No slot: it blasts all the same; no base: it does nothing.
    joueur->sprite->x = 1700;
    canon->compteurCadence = 0;
    tours(1);
    EXPECT_EQ(decor->effets.size(), 1u);
    canon->porteur = nullptr;
    canon->sprite->setRotation(33);
    tours(20);
    EXPECT_EQ(canon->sprite->rotangle, 33);
}

} // namespace
