// A character's weapons: slots, firing positions, refusals, patterns, turrets, loot.
#include "OutilsTirs.h"

#include <set>

namespace {

class PersoTir : public TirsTest {
protected:
    void SetUp() override
    {
        TirsTest::SetUp();
        armes({"ARME=ARME 2;Pistolet;10;10;60;300\nSON=PAN"}, 22);
        p = perso(100, 200);
    }
    // Angles of the shots made, in order.
    std::vector<float> angles() const
    {
        std::vector<float> a;
        for (const CTir* t : jeu->parmes->tirs)
            a.push_back(t->angle);
        return a;
    }
    CPerso* p = nullptr;
};

TEST_F(PersoTir, SlotSwitching)
{
    struct Cas {
        std::vector<std::pair<bool, int>> slots;  // owned, ammunition
        int courant;
        bool suivante;
        int attendu, resultat, valeurSprite;  // valeurSprite -5: untouched
    };
    const Cas cas[] = {
        {{{true, 5}, {false, 5}, {true, 5}}, 0, true, 2, 1, 12},
        {{{true, 5}, {false, 5}, {true, 0}}, 0, true, 0, 1, 10},
        {{{true, 5}, {true, -1}, {true, 5}}, 0, true, 1, 1, 11},
        {{{true, 5}, {true, 0}, {true, 5}}, 2, true, 0, 1, 10},
        {{{true, 5}, {true, 5}, {true, 5}}, 0, false, 2, 1, 12},
        {{{false, 5}, {false, 5}, {false, 5}}, 1, false, 1, 0, 11},
        {{{false, 5}, {true, 5}}, -1, false, 0, 1, 10},
        {{}, -1, true, -1, 0, -5},
        {{{true, 5}}, 0, true, 0, 0, -5},
    };
    int n = 0;
    for (const Cas& c : cas) {
        CPerso* q = perso(0, 0);
        for (size_t i = 0; i < c.slots.size(); ++i)
            donnerArme(*q, 10 + int(i), c.slots[i].second)->bPossedee = c.slots[i].first;
        q->armeCourante = c.courant;
        q->sprite->armeCourante = -5;
        EXPECT_EQ(c.suivante ? q->armeSuivante() : q->armePrecedente(), c.resultat) << "case " << n;
        EXPECT_EQ(q->armeCourante, c.attendu) << "case " << n;
        EXPECT_EQ(q->sprite->armeCourante, c.valeurSprite) << "case " << n << ": the sprite's weapon value";
        ++n;
    }
    p->selectArme(0);
    EXPECT_EQ(p->armeCourante, -1) << "no slot 0 to select";

    // The weapon name shows as long at 60 frames per second as at 30.
    donnerArme(*p, 0);
    donnerArme(*p, 1);
    p->numJoueur = 1;
    for (float c : {1.0f, 0.5f}) {
        coeff = c;
        jeu->nomsArme.clear();
        p->armePrecedente();
        EXPECT_TRUE(jeu->nomsArme.empty()) << "the previous weapon shows no name";
        p->armeSuivante();
        EXPECT_EQ(jeu->nomsArme, (std::vector<std::pair<int, int>>{{1, c == 1.0f ? 150 : 300}})) << "at coefficient " << c;
    }
}

TEST_F(PersoTir, FiringPositionOfEachAimAndStance)
{
    int x = -7, y = -7;
    p->visee = 3;
    p->getPositionTir(x, y, 1);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(0, 0)) << "no current slot";

    SlotArme* s = donnerArme(*p, 0);
    for (int k = 0; k < SlotArme::NB_POSITIONS; ++k) {
        s->positionsTir[k][0] = k + 1;
        s->positionsTir[k][1] = -(k + 1) * 10;
    }
    struct Cas {
        int mode, visee, signe;
        float angle;
        int x, y;
    };
    const Cas cas[] = {
        {0, 3, 1, 0, 1, -10},     {1, 4, 1, 0, 2, -20},     {5, 0, 1, 0, 3, -30},    {14, 1, 1, 0, 4, -40},
        {8, 10, 1, 0, 6, -60},    {0, 13, 1, 0, 9, -90},    {4, 13, 1, 0, 18, -180}, {10, 1, 1, 0, 13, -130},
        {3, 1, 1, 0, 22, -220},   {3, 0, -1, 0, -21, -210}, {3, 10, 1, 0, 0, 0},     {9, 1, 1, 0, 0, 0},
        {0, -1, 1, 0, 0, 0},      {0, 14, 1, 0, 0, 0},      {0, 3, -1, 0, -1, -10},
        // Free aim: the standing 0-degree pair (1, -10) turned, whatever the state.
        {3, 6, 1, 90, 10, -1},    {9, 6, 1, 180, 1, 10},    {0, 6, -1, 270, -10, -1},
    };
    for (const Cas& c : cas) {
        p->mode = c.mode;
        p->visee = c.visee;
        p->angleVisee = c.angle;
        p->getPositionTir(x, y, c.signe);
        EXPECT_EQ(std::make_pair(x, y), std::make_pair(c.x, c.y))
            << "state " << c.mode << " aim " << c.visee << " sign " << c.signe << " angle " << c.angle;
    }
    p->modeIA = 1;
    p->mode = 0;
    p->visee = -1;
    p->getPositionTir(x, y, -1);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(-4, -40)) << "an AI without aim fires straight ahead, standing";
}

TEST_F(PersoTir, RefusalsAndAmmunition)
{
    struct Cas {
        int modeIA, typeJeu, nbSlots, courant, munitions;
        bool possedee;
        int compteur;
        int resultat, nbTirs, nbVides, courantApres, munitionsApres, compteurHUD;
    };
    const Cas cas[] = {
        {-1, 0, 12, 3, 0, true, 0, 0, 0, 1, 9, 0, 150},  // empty: the adventure's slot 9
        {-1, 0, 12, 9, 0, true, 0, 0, 0, 1, 9, 0, 0},
        {-1, 0, 5, 3, 0, true, 0, 0, 0, 1, 3, 0, 0},
        {-1, 2, 12, 3, 0, true, 0, 0, 0, 1, 3, 0, 0},
        {1, 0, 1, 0, 0, true, 0, -1, 1, 0, 0, -1, 0},    // an adventure AI never runs dry
        {1, 1, 1, 0, 0, true, 0, 0, 0, 1, 0, 0, 0},
        {-1, 0, 1, 0, 5, false, 0, 5, 0, 0, 0, 5, 0},    // not owned: silent
        {-1, 0, 1, 0, 5, true, 10, 5, 0, 0, 0, 5, 0},    // cadence: silent
        {-1, 0, 1, 0, -3, true, 0, -3, 0, 0, 0, -3, 0},
        {-1, 0, 1, 0, 5, true, 0, 4, 1, 0, 0, 4, 0},
        {-1, 0, 1, 0, -1, true, 0, -1, 1, 0, 0, -1, 0},
    };
    int n = 0;
    for (const Cas& c : cas) {
        jeu->parmes->viderTirs();
        jeu->sons.clear();
        jeu->typeJeu = c.typeJeu;
        jeu->nomsArme.clear();
        CPerso* q = perso(0, 0);
        q->modeIA = c.modeIA;
        for (int i = 0; i < c.nbSlots; ++i)
            donnerArme(*q, i, c.munitions)->bPossedee = c.possedee;
        q->armeCourante = c.courant;
        q->compteurCadence = c.compteur;
        EXPECT_EQ(q->tirer(0), c.resultat) << "case " << n;
        EXPECT_EQ(int(jeu->parmes->tirs.size()), c.nbTirs) << "case " << n;
        EXPECT_EQ(nbSons("TIRVIDE"), c.nbVides) << "case " << n;
        EXPECT_EQ(q->armeCourante, c.courantApres) << "case " << n;
        EXPECT_EQ(q->armes[size_t(c.courant)]->munitions, c.munitionsApres) << "case " << n;
        EXPECT_EQ(jeu->nomsArme.empty() ? 0 : jeu->nomsArme.back().second, c.compteurHUD) << "case " << n;
        ++n;
    }
    jeu->typeJeu = 0;
    jeu->parmes->viderTirs();
    donnerArme(*p, 0, 5);
    p->armeCourante = 3;
    p->sprite->armeCourante = 0;
    EXPECT_EQ(p->tirer(0), 0);
    EXPECT_EQ(p->armeCourante, -1) << "an index outside the slots is dropped";
    EXPECT_EQ(p->sprite->armeCourante, -1);

    p->armeCourante = 0;
    p->bParalyse = true;
    EXPECT_EQ(p->tirer(0), 4) << "a paralysed character spends a unit";
    EXPECT_TRUE(jeu->parmes->tirs.empty()) << "but fires nothing";
    EXPECT_EQ(p->nbTirs, 0);
    p->bParalyse = false;

    p->sprite->ID = "ZADIRIREZI_J1";
    jeu->commandes[0].bSuperPouvoir = true;
    EXPECT_EQ(p->tirer(0), 0) << "no firing during the super power";
    EXPECT_EQ(p->armes[0]->munitions, 4);
    jeu->commandes[0].bSuperPouvoir = false;
    EXPECT_EQ(p->tirer(0), 3);
    EXPECT_EQ(jeu->parmes->tirs.size(), 1u);
    EXPECT_EQ(p->nbTirs, 1);
}

TEST_F(PersoTir, SpreadOfTwoTPlusOneShots)
{
    SlotArme* s = donnerArme(*p, 0, -1, 10, 2);
    s->positionsTir[3][0] = 12;  // standing, 90 degrees
    s->positionsTir[3][1] = -30;
    p->visee = 1;
    struct Cas {
        int typeTir, direction;
        float angleVisee;
        std::vector<float> angles;
    };
    const Cas cas[] = {
        {2, 0, 30, {26, 28, 30, 32, 34}},
        {2, 1, -1, {266, 268, 270, 272, 274}},
        {2, 0, 359, {355, 357, 359, 1, 3}},
        {0, 0, 100, {100}},
        {1, 0, -1, {90}},  // one shot keeps -1: the weapon's own angle
        {-1, 0, 30, {}},
    };
    for (const Cas& c : cas) {
        jeu->parmes->viderTirs();
        s->typeTir = c.typeTir;
        p->direction = c.direction;
        p->angleVisee = c.angleVisee;
        p->tirer(0);
        EXPECT_EQ(angles(), c.angles) << "typeTir " << c.typeTir << " at " << c.angleVisee;
    }
    // The five shots of the first case: two pixels apart.
    jeu->parmes->viderTirs();
    s->typeTir = 2;
    p->direction = 0;
    p->angleVisee = 30;
    p->tirer(0);
    const std::vector<CTir*> t(jeu->parmes->tirs.begin(), jeu->parmes->tirs.end());
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[4]->xDepart - t[0]->xDepart, 8) << "two pixels apart";
    EXPECT_EQ(t[4]->yDepart - t[0]->yDepart, -8);
}

TEST_F(PersoTir, LayeredSpriteFiresFromItsAimCircle)
{
    CSPRITE3& s = *p->sprite;
    s.bAnime = true;
    s.ajouterAnimation("visee", true);
    s.setCercleViseePos(0, 30, -40);
    s.getAnim(0)->cercleViseeRayon = 20;
    s.getAnim(0)->origineGlobale = sf::Vector2f(10, 50);
    s.setAnimation(0, 0, true);
    s.setScale(2, 2);
    s.x = 300;
    s.y = 400;
    donnerArme(*p, 0, -1);
    struct Cas {
        float angle;
        int x, y;
    };
    // 90 degrees: the circle's point at 0, (50, -40); 45 degrees: at 315, (44.14, -54.14).
    for (const Cas& c : {Cas{90, 380, 220}, Cas{45, 368, 191}}) {
        jeu->parmes->viderTirs();
        p->angleVisee = c.angle;
        p->tirer(0);
        ASSERT_EQ(jeu->parmes->tirs.size(), 1u);
        const CTir& t = *jeu->parmes->tirs.front();
        EXPECT_EQ(std::make_pair(t.xDepart, t.yDepart), std::make_pair(c.x, c.y)) << "aim " << c.angle;
        EXPECT_EQ(t.angle, c.angle);
    }
}

TEST_F(PersoTir, VehiclePatterns)
{
    SlotArme* s = donnerArme(*p, 0, -1);
    s->positionsTir[21][0] = 7;  // crouch-walking, 90 degrees
    s->positionsTir[21][1] = -5;
    p->bVaisseau = true;
    p->angleVisee = 100;
    const std::multiset<float> etoile = {0, 45, 90, 135, 180, 225, 270, 315};
    auto avec = [&](std::multiset<float> a, std::initializer_list<float> plus) {
        a.insert(plus);
        return a;
    };
    struct Cas {
        int typeTir;
        std::multiset<float> angles;
        int sonsAllumes;
    };
    const Cas cas[] = {
        {1, {100}, 1},          {2, {100, 100}, 1},          {3, {100, 45, 135}, 1}, {8, etoile, 0},
        {9, avec(etoile, {100}), 1}, {10, avec(etoile, {100, 100}), 1}, {4, {}, 0},  {0, {}, 0},
    };
    for (const Cas& c : cas) {
        jeu->parmes->viderTirs();
        jeu->sons.clear();
        s->typeTir = c.typeTir;
        p->tirer(0);
        const std::vector<float> a = angles();
        EXPECT_EQ(std::multiset<float>(a.begin(), a.end()), c.angles) << "typeTir " << c.typeTir;
        EXPECT_EQ(nbSons("PAN"), c.sonsAllumes) << "only the first pattern plays the weapon's sound";
    }
    s->typeTir = 8;
    jeu->parmes->viderTirs();
    p->tirer(0);
    for (const CTir* t : jeu->parmes->tirs)
        EXPECT_EQ(std::make_pair(t->xDepart, t->yDepart), std::make_pair(107, 195)) << "the star leaves one point";
}

TEST_F(PersoTir, TurretClampsAndBarrel)
{
    p->tirerTourelle(true);
    EXPECT_TRUE(jeu->parmes->tirs.empty()) << "no turret: nothing";

    CPerso* t = perso(300, 200, 5, true);
    t->id = "TOURELLE_CONTROLABLE";
    donnerArme(*t, 0, -1);
    auto* canon = new CPerso();
    t->enfants.push_back(canon);
    t->nbEnfants = 1;
    p->tourelle = t;
    struct Cas {
        int directionTourelle, direction;
        float demande, angle, rotation;
    };
    const Cas cas[] = {
        {0, 0, 20, 45, -45},  {0, 0, 300, 60, -30}, {0, 0, 100, 100, 10}, {0, 0, -1, 90, 0},
        {1, 0, 20, 315, 405}, {1, 0, 250, 250, 340}, {1, 1, -1, 270, 360}, {1, 0, 100, 260, 350},
    };
    for (const Cas& c : cas) {
        t->direction = c.directionTourelle;
        p->direction = c.direction;
        p->angleVisee = c.demande;
        p->tirerTourelle(false);
        EXPECT_EQ(p->angleVisee, c.angle) << "turret facing " << c.directionTourelle << " asked " << c.demande;
        EXPECT_EQ(canon->sprite->rotangle, c.rotation) << "asked " << c.demande;
    }
    EXPECT_TRUE(jeu->parmes->tirs.empty()) << "pointing fires nothing";

    // Firing: the turret aims freely and shoots; its gunner pays a unit of the weapon in hand.
    SlotArme* main = donnerArme(*p, 0, 5);
    t->direction = 0;
    p->angleVisee = 120;
    p->tirerTourelle(true);
    ASSERT_EQ(jeu->parmes->tirs.size(), 1u);
    EXPECT_EQ(t->visee, 6);
    EXPECT_EQ(t->angleVisee, 120);
    EXPECT_EQ(jeu->parmes->tirs.front()->angle, 120);
    EXPECT_EQ(jeu->parmes->tirs.front()->pTireur, t);
    EXPECT_EQ(main->munitions, 4);
    p->bMunitionsInfinies = true;
    p->tirerTourelle(true);
    EXPECT_EQ(main->munitions, 4) << "infinite ammunition";
}

TEST_F(PersoTir, TurretSearchAndLoot)
{
    auto tourelle = [&](float x) {
        CPerso* t = perso(x, 200, 0, true);
        t->id = "TOURELLE_CONTROLABLE";
        return t;
    };
    EXPECT_EQ(p->getTourelleProche(), nullptr);
    tourelle(105)->bDel = true;
    tourelle(105)->sprite->bVisible = false;
    perso(105, 200, 0, true)->id = "AUTRE";
    tourelle(400);  // out of reach
    CPerso* bonne = tourelle(110);
    tourelle(95);
    EXPECT_EQ(p->getTourelleProche(), bonne) << "the first live, visible turret touching";
    EXPECT_EQ(p->chercherTourelle(), 1);
    bonne->bDel = true;
    decor->ias.back()->bDel = true;
    EXPECT_EQ(p->chercherTourelle(), 0);

    // Loot: an overlay pair per owned slot worth dropping, scaled against the sprite's scale.
    struct Slot {
        int numero, munitions, recharge;
        bool possedee;
    };
    for (const Slot& s : {Slot{1, 5, -1, true}, Slot{2, 0, -1, true}, Slot{3, 5, -1, false}, Slot{7, 0, 2, true}}) {
        SlotArme* a = donnerArme(*p, s.numero, s.munitions);
        a->rechargeAuto = s.recharge;
        a->bPossedee = s.possedee;
    }
    p->sprite->setScale(0.5f, 0.5f);
    p->sprite->hitbox[1] = 4;
    p->lacherCristaux();
    std::set<std::string> cles;
    for (const auto& [cle, o] : p->sprite->overs)
        cles.insert(cle);
    EXPECT_EQ(cles, (std::set<std::string>{"0-LUX211", "1-CRISTAL1", "0-LUX217", "1-CRISTAL7"}));
    const auto& overs = p->sprite->overs;
    EXPECT_EQ(overs.at("1-CRISTAL7").fichier, "CRISTAL") << "weapons past 3 show the plain crystal";
    EXPECT_EQ(overs.at("0-LUX217").x, 2 * overs.at("1-CRISTAL7").x) << "one draw places both";
    EXPECT_FLOAT_EQ(overs.at("1-CRISTAL7").sy, 0.6f) << "scaled against the sprite's 0.5";
    EXPECT_EQ(p->sprite->hitbox[1], 12) << "the top margin tripled";
    CPerso* sans = perso(0, 0, 0, true);
    sans->lacherCristaux();
    EXPECT_TRUE(sans->sprite->overs.empty()) << "no weapon: no loot";
}

} // namespace
