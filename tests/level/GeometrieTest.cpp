#include "OutilsNiveau.h"

#include "level/Vue.h"

#include <cmath>

namespace {

class Geometrie : public AvecJeu {
protected:
    void SetUp() override
    {
        AvecJeu::SetUp();
        b = banque(*decor, "B", 20, 10, nullptr);
    }
    CDEC* b = nullptr;
};

} // namespace

TEST_F(Geometrie, BoitesDeSprites)
{
    CSPRITE* a = spriteDecor(plan(1), b, 0, 0);
    CSPRITE* c = spriteDecor(plan(1), b, 20, 0);
    EXPECT_FALSE(decor->collisionSprites(a, c)) << "boxes sharing an edge do not collide";
    EXPECT_TRUE(decor->collisionSpritesDecales(a, c, 1, 0, 0, 0)) << "one pixel more does";
    c->hitbox[0] = 5;  // left margin of 5 pixels, scaled by 2
    c->sx = 2;
    EXPECT_FALSE(decor->collisionSpritesDecales(a, c, 10, 0, 0, 0)) << "its box starts at 30";
    EXPECT_TRUE(decor->collisionSpritesDecales(a, c, 11, 0, 0, 0));
    EXPECT_FALSE(decor->collisionSprites(a, nullptr));

    // collisionSD: only what lies in the main plane and counts there.
    CSPRITE* s = spriteDecor(plan(1), b, 100, 100);
    CSPRITE* t = spriteDecor(plan(2), b, 105, 102);
    s->groupe = t->groupe = 4;
    EXPECT_TRUE(decor->collisionSD(s, false, 0, 0, 0, 0));
    EXPECT_FALSE(decor->collisionSD(s, true, 0, 0, 0, 0)) << "same group";
    EXPECT_FALSE(decor->collisionSD(s, false, 0, 50, 0, 0)) << "moved away";
    const std::pair<std::function<void()>, const char*> ignores[] = {
        {[t] { t->setRotation(1); }, "turned"},     {[t] { t->bVisible = false; }, "hidden"},
        {[t] { t->calque = 7; }, "another sub-layer"}, {[t] { t->collision = 0; }, "no collision"}};
    for (const auto& [changer, quoi] : ignores) {
        changer();
        EXPECT_FALSE(decor->collisionSD(s, false, 0, 0, 0, 0)) << quoi;
        t->setRotation(0);
        t->bVisible = true;
        t->calque = 0;
        t->collision = 1;
    }
    plan(1).sprites.remove(s);
    plan(2).sprites.push_front(s);
    t->bVisible = false;
    EXPECT_FALSE(decor->collisionSD(s, false, 0, 0, 0, 0)) << "a sprite does not collide with itself";
}

TEST_F(Geometrie, BoitesDePersos)
{
    // A character drawn with a sprite of the test (its own is freed first).
    auto persoSur = [&](CSPRITE3* s) {
        CPerso* p = perso();
        delete p->sprite;
        p->sprite = s;
        return p;
    };
    // A plain character 20x10 at (0, 0); crouched its head comes down by 8 - 3 = 5 pixels.
    CSPRITE3 corps, autre;
    corps.pDEC = autre.pDEC = b;
    corps.placer(0, 0, 0);
    autre.placer(0, 0, 12);
    CPerso* p = persoSur(&corps);
    CPerso* q = persoSur(&autre);
    p->posTete[0] = 8;
    p->posTete[1] = 3;
    q->posTete[0] = 8;
    q->posTete[1] = 3;
    autre.y = 8;  // q's top at 8: overlaps p's box (0..10)
    EXPECT_TRUE(decor->collisionPersos(p, q));
    q->mode = 2;  // crouched: q's box now starts at 13
    EXPECT_FALSE(decor->collisionPersos(p, q));
    autre.y = 4;  // its box 9..14
    EXPECT_TRUE(decor->collisionPersos(p, q));

    // A layered sprite uses the hit rectangle of its animation, mirrored when facing left.
    CSPRITE3 calques;
    calques.ajouterAnimation("a", true);
    calques.animations[0]->rectHitbox = sf::FloatRect(5, 0, 10, 10);
    calques.setAnimation2(0, 0);
    calques.bAnime = true;
    calques.x = 40;
    CPerso* r = persoSur(&calques);
    corps.x = 50;  // p's box 50..70
    calques.miroir = 1;  // box 45..55
    EXPECT_TRUE(decor->collisionPersos(r, p));
    calques.miroir = -1;  // box 25..35
    EXPECT_FALSE(decor->collisionPersos(r, p));
    corps.x = 16;  // p's box 16..36
    EXPECT_TRUE(decor->collisionPersos(r, p));
    EXPECT_FALSE(decor->collisionPersos(r, nullptr));
    for (CPerso* x : decor->persos)
        x->sprite = nullptr;  // the sprites above belong to the test
}

TEST_F(Geometrie, SegmentsRectanglesEtPoints)
{
    const struct {
        float x1, y1, x2, y2;
        bool attendu;
        const char* quoi;
    } segments[] = {
        {-10, 5, -1, 5, false, "both ends left"},
        {5, -20, 5, 5, true, "vertical, entering from above"},
        {5, -20, 5, -1, false, "vertical, both above"},
        {-5, -5, 15, 15, true, "diagonal across"},
        {-10, 20, 30, 21, false, "passes below"},
        {12, -5, 12, 25, false, "vertical beside"},
    };
    for (const auto& s : segments)
        EXPECT_EQ(CDecor::intersectionSegmentRect(s.x1, s.y1, s.x2, s.y2, 0, 0, 10, 10), s.attendu) << s.quoi;

    // A 20x4 rectangle right of its centre (0, 0), turned by 90 degrees, lies below it.
    EXPECT_TRUE(CDecor::collisionRectTourne(-5, 10, 5, 10, 0, -2, 20, 2, 90, 0, 0));
    EXPECT_FALSE(CDecor::collisionRectTourne(5, 1, 15, 1, 0, -2, 20, 2, 90, 0, 0));
    EXPECT_TRUE(CDecor::collisionRectTourne(5, 1, 15, 1, 0, -2, 20, 2, 0, 0, 0)) << "not turned";

    EXPECT_TRUE(CDecor::pointDansRect(0, 0, 0, 0, 10, 10)) << "left and top edges inside";
    EXPECT_FALSE(CDecor::pointDansRect(10, 5, 0, 0, 10, 10)) << "right edge outside";
    EXPECT_FALSE(CDecor::pointDansRect(5, 10, 0, 0, 10, 10)) << "bottom edge outside";
    EXPECT_TRUE(CDecor::pointDansRect(2147483600, 0, 2147483000, 0, 2000, 1)) << "no overflow near the limit";
}

TEST_F(Geometrie, DecalagesDesPlansEtCopies)
{
    CVue vue(1280, 720);
    vue.x = 100;
    vue.y = 40;
    jeu->pvue = &vue;
    decor->scrollPlans[0][0] = 0.5f;
    decor->scrollPlans[0][1] = 0.25f;
    decor->scrollPlans[3][0] = 0.5f;
    decor->scrollPlans[5][1] = 2;
    EXPECT_EQ(decor->decalagePlanX(0), -50) << "near planes move against the camera";
    EXPECT_EQ(decor->decalagePlanY(0), -10);
    EXPECT_EQ(decor->decalagePlanX(3), 50);
    EXPECT_EQ(decor->decalagePlanY(5), 80) << "the background";
    EXPECT_TRUE(std::isnan(decor->decalagePlanX(6)));
    EXPECT_TRUE(std::isnan(decor->decalagePlanY(-1)));

    CSPRITE3 modele;
    modele.pDEC = b;
    modele.placer(0, 0, 0);
    CSPRITE3* copie = decor->dupliquerSD(&modele, 300, 200, &plan(3));
    ASSERT_NE(copie, nullptr);
    EXPECT_EQ(plan(3).sprites.back(), copie);
    EXPECT_EQ(copie->x0, 250) << "the screen point less the plane's parallax";
    EXPECT_EQ(decor->dupliquerSD(&modele, 0, 0, nullptr), nullptr);
    jeu->pvue = nullptr;
}

TEST_F(Geometrie, DefinitionsEtModelesUtilises)
{
    spriteDecor(plan(4), b, 0, 0)->strID = "PORTE";
    EXPECT_TRUE(decor->definitionUtilisee("B"));
    EXPECT_TRUE(decor->definitionUtilisee("PORTE"));
    EXPECT_FALSE(decor->definitionUtilisee("AUTRE"));

    CDEC modele;
    modele.nom = "METEORE";
    CSPRITE3 s;
    s.pDEC = &modele;
    auto* ia = new CPerso();
    delete ia->sprite;
    ia->sprite = &s;
    ia->bTemporaire = true;
    decor->ias.push_back(ia);
    EXPECT_FALSE(decor->modelePersoUtilise("METEORE")) << "a temporary AI does not count";
    ia->bTemporaire = false;
    ia->bCreeParScript = true;
    EXPECT_FALSE(decor->modelePersoUtilise("METEORE")) << "nor one a script made";
    ia->bCreeParScript = false;
    EXPECT_TRUE(decor->modelePersoUtilise("METEORE"));
    ia->sprite = nullptr;
    CPerso* joueur = perso();
    delete joueur->sprite;
    joueur->sprite = &s;
    EXPECT_TRUE(decor->modelePersoUtilise("METEORE"));
    decor->persos.back()->sprite = nullptr;
}
