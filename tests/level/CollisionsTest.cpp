#include "OutilsNiveau.h"

#include "core/Texte.h"
#include "level/Creusement.h"

#include <limits>

namespace {

// A 64x64 sprite anchored at (100, 100) by its top-left corner. Its mask: in the top half
// green left (x < 20), blue in the middle, red right (x >= 40); the bottom half all green.
sf::Color masqueTrois(int x, int y)
{
    if (y >= 32)
        return VERT;
    return x < 20 ? VERT : x < 40 ? BLEU : ROUGE;
}

class Collisions : public AvecJeu {
protected:
    void SetUp() override
    {
        AvecJeu::SetUp();
        b = banque(*decor, "TROIS", 64, 64, masqueTrois);
        sd = spriteDecor(plan(2), b, 100, 100);
    }
    CSPRITE* tester(CPerso* p, float x, float y) { return decor->testCollision(p, x, y, x, y); }

    CDEC* b = nullptr;
    CSPRITE* sd = nullptr;
};

// Points of the sprite: over green, blue, red, and inside its box but far from the masks.
const sf::Vector2f G(105, 110), B(125, 110), R(145, 110);

} // namespace

TEST_F(Collisions, ChaqueTypePourUnPersoEtPourUnTir)
{
    struct Cas {
        int type;
        int etat;       // state of the character; -1: a shot (no character)
        bool solide;    // solid-while-rising flag
        sf::Vector2f point;
        bool attendu;
    };
    const Cas cas[] = {
        {1, 0, false, G, true},   {1, 0, false, B, false},  {1, 5, false, G, false}, {1, 5, true, G, true},
        {1, 8, false, G, false},  {1, -1, false, G, true},  {1, -1, false, B, true}, {1, -1, false, R, false},
        {2, 0, false, R, true},   {2, -1, false, B, true},  {2, 0, false, {170, 110}, false},
        {3, 5, false, G, false},  {3, 5, true, G, true},    {3, 8, false, G, true},  {3, -1, false, R, true},
        {4, 0, false, G, true},   {4, 0, false, B, false},  {4, 0, false, R, false}, {4, 12, false, B, true},
        {4, -1, false, B, true},  {5, 0, false, G, false},  {5, -1, false, G, false},
        {6, 5, false, G, true},   {6, 0, false, B, false},  {6, -1, false, B, true}, {6, -1, false, R, false},
        {7, 0, false, G, false},  {0, -1, false, G, false},
    };
    for (const Cas& c : cas) {
        sd->collision = c.type;
        CPerso* p = nullptr;
        if (c.etat >= 0) {
            p = perso(c.etat);
            p->bSolideEnMontee = c.solide;
        }
        CSPRITE* attendu = c.attendu ? sd : nullptr;
        EXPECT_EQ(tester(p, c.point.x, c.point.y), attendu)
            << "type " << c.type << " state " << c.etat << " flag " << c.solide << " at " << c.point.x << ","
            << c.point.y;
    }
    sd->collision = 1;
    sd->bCollisionsActives = false;
    EXPECT_EQ(tester(nullptr, G.x, G.y), nullptr) << "collisions switched off by a script";
}

TEST_F(Collisions, PlanCacheSansCollisionsProcheEtTrous)
{
    plan(2).bVisible = false;
    EXPECT_FALSE(decor->estCollision(nullptr, G.x, G.y, G.x, G.y)) << "a hidden main plane lets all through";
    plan(2).bVisible = true;

    CPerso* p = perso();
    p->bCollisions = false;
    EXPECT_EQ(tester(p, G.x, G.y), nullptr) << "a character without collisions meets nothing";

    // A sprite whose image lies 200 pixels away from its anchor is beyond the proximity test.
    CSPRITE* loin = spriteDecor(plan(2), b, 500, 500, 1, -200, 0);
    EXPECT_TRUE(decor->collisionCouleur(loin, 705, 510, VERT)) << "its mask is green there";
    EXPECT_EQ(tester(nullptr, 705, 510), nullptr) << "a far sprite is not tested at all";

    // A hole over the green part: a character stands on its floor, a shot goes on to the decor.
    p->bCollisions = true;
    p->direction = 1;
    decor->ajouterCreusement(sd, 110, 140);  // rectangle (65, 110) 90 x 80
    EXPECT_EQ(tester(p, 100, 150), nullptr) << "the inside of a hole is free";
    EXPECT_EQ(tester(p, 100, 180), decor->pSDCreusement) << "10 pixels above the bottom edge: floor";
    EXPECT_EQ(tester(nullptr, 105, 150), sd) << "a shot is not stopped by a hole";
    p->direction = 0;
    EXPECT_EQ(tester(p, 154, 150), decor->pSDCreusement) << "last two columns: the far wall";
    decor->ajouterCreusement(sd, 200, 140);  // a neighbour from x = 155 on
    decor->creusements.back()->rectX = 150;
    EXPECT_EQ(tester(p, 154, 150), nullptr) << "a neighbouring hole continues the way";
    p->bCollisions = false;
    EXPECT_EQ(tester(p, 100, 180), nullptr) << "not even holes hold a character without collisions";
}

TEST_F(Collisions, DegatsDuDecor)
{
    sd->collision = 4;
    sd->degats[0] = 30;
    CPerso* p = perso();
    p->compteurTouche = 40;  // just hit
    const sf::Vector2f rougeAuDessus(145, 134);  // green there, red 5 pixels above
    EXPECT_EQ(tester(p, rougeAuDessus.x, rougeAuDessus.y), sd) << "the answer is the green test";
    EXPECT_EQ(p->derniereArme, "") << "no damage while the hit-recovery counter is not negative";

    p->compteurTouche = -1;
    EXPECT_EQ(tester(p, rougeAuDessus.x, rougeAuDessus.y), sd);
    EXPECT_EQ(p->derniereArme, "DECOR_DOMMAGES") << "red 5 pixels above the point hurts";
    EXPECT_EQ(p->dernierAttaquant, p) << "the character is its own last hitter";
    EXPECT_GE(p->compteurTouche, 0) << "the hit starts the recovery timer";
    // Still standing in red once the hit timer has run down: hurt again.
    p->derniereArme.clear();
    for (int i = 0; i < 100 && p->compteurTouche >= 0; ++i)
        p->majTouche();
    EXPECT_EQ(tester(p, R.x, R.y), nullptr) << "red hurts but never blocks";
    EXPECT_EQ(p->derniereArme, "DECOR_DOMMAGES") << "hurt again after the recovery";
    // Each hit below comes once the recovery is over.

    p->derniereArme = "FANTOME";
    p->dernierAttaquant = nullptr;
    p->compteurTouche = -1;
    tester(p, R.x, R.y);
    EXPECT_EQ(p->derniereArme, "FANTOME") << "the ghost's blow keeps its name";
    EXPECT_EQ(p->dernierAttaquant, nullptr);

    p->derniereArme.clear();
    p->bNoDegats = true;
    EXPECT_EQ(tester(p, G.x, G.y), sd) << "a shadow probe still finds the ground";
    tester(p, R.x, R.y);
    EXPECT_EQ(p->derniereArme, "") << "and hurts nobody";

    p->bNoDegats = false;
    p->compteurTouche = -1;
    EXPECT_TRUE(decor->degats(p, sd, 105, 150, 145, 110)) << "green at the first end";
    EXPECT_EQ(p->derniereArme, "DECOR_DOMMAGES") << "red at the far end of the segment hurts";
}

TEST_F(Collisions, BoitesTourneesCommeDessinees)
{
    // The box of a 64x64 frame anchored by its corner is not symmetric about the anchor.
    // Turned by 90 degrees it is drawn over x in [36, 100], y in [100, 164]; by 180 degrees
    // over x in [36, 100], y in [36, 100].
    struct Cas {
        float angle;
        sf::Vector2f dedans, dehors;
    };
    for (const Cas& c : {Cas{90, {80, 130}, {120, 130}}, Cas{180, {80, 80}, {120, 120}}}) {
        sd->setRotation(c.angle);
        sf::FloatRect dessin = sd->getSprite().getGlobalBounds();
        ASSERT_TRUE(dessin.contains(c.dedans)) << "the drawn box at " << c.angle;
        ASSERT_FALSE(dessin.contains(c.dehors));
        for (int type : {2, 3}) {
            sd->collision = type;
            EXPECT_EQ(tester(nullptr, c.dedans.x, c.dedans.y), sd) << "type " << type << " at " << c.angle;
            EXPECT_EQ(tester(nullptr, c.dehors.x, c.dehors.y), nullptr) << "type " << type << " at " << c.angle;
        }
        sd->collision = 2;
        // Horizontal segments through the box's row: one crosses the drawn box, one does not.
        EXPECT_EQ(decor->testCollision(nullptr, 20, c.dedans.y, 60, c.dedans.y), sd) << c.angle;
        EXPECT_EQ(decor->testCollision(nullptr, 110, c.dedans.y, 150, c.dedans.y), nullptr) << c.angle;
    }
}

TEST_F(Collisions, MasquesIncompletsEtEntreesAberrantes)
{
    // The mask of the frame is smaller than the frame: points past it are no hit.
    CSetTextures& set = *b->anims[0];
    delete set.images[0];
    set.images[0] = new sf::Image();
    set.images[0]->create(16, 16, VERT);
    EXPECT_TRUE(decor->collisionCouleur(sd, 105, 105, VERT));
    EXPECT_FALSE(decor->collisionCouleur(sd, 140, 140, VERT)) << "maps outside the 16x16 mask";
    EXPECT_FALSE(decor->collisionPixel(sd, 140, 140, VERT));
    delete set.images[0];
    set.images.erase(0);
    EXPECT_FALSE(decor->collisionCouleur(sd, 105, 105, VERT)) << "a frame without mask";

    CDEC* sansMasque = banque(*decor, "SANS", 64, 64, nullptr);
    CSPRITE* nu = spriteDecor(plan(2), sansMasque, 300, 100);
    EXPECT_EQ(tester(nullptr, 305, 105), nullptr) << "a definition without mask sheet";

    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    for (float v : {nan, inf, -inf, 3e9f, -3e9f}) {
        EXPECT_EQ(tester(perso(), v, v), nullptr) << v;
        EXPECT_FALSE(decor->collisionPixel(nu, tuv::floatVersInt(v), 0, VERT)) << v;
    }
    nu->sx = 0;
    nu->collision = 2;
    EXPECT_FALSE(decor->collisionCouleur(nu, 300, 100, VERT)) << "a scale of 0 is never hit";
    EXPECT_FALSE(decor->collisionPixel(nu, 300, 100, VERT));
    nu->x = nan;
    EXPECT_EQ(tester(nullptr, 300, 100), nullptr) << "a sprite at no position";
}

TEST_F(Collisions, MasquePixelEntierEtTourne)
{
    // Turned by 90 degrees, the green bottom half lies left of the anchor.
    sd->setRotation(90);
    EXPECT_TRUE(decor->collisionPixel(sd, 90, 110, VERT)) << "turned back: local (10, 10)";
    EXPECT_TRUE(decor->collisionCouleur(sd, 60, 110, VERT)) << "local (10, 40): bottom half";
    EXPECT_FALSE(decor->collisionCouleur(sd, 110, 110, VERT)) << "right of the anchor is outside";
    sd->setRotation(0);
    sd->flipH = -1;  // mirrored about the anchor: the image lies left of it
    EXPECT_TRUE(decor->collisionPixel(sd, 95, 110, VERT));
    EXPECT_FALSE(decor->collisionPixel(sd, 105, 110, VERT));
    sd->flipH = 1;
    plan(2).bVisible = false;
    EXPECT_FALSE(decor->collisionPixel(sd, 105, 110, VERT)) << "hidden main plane";
}
