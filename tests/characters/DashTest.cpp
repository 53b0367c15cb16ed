// The dash, push back after a hit, and controllable turrets.
#include "OutilsMouvement.h"

#include "characters/EtatsPerso.h"
#include "core/Commandes.h"

namespace {

class Dash : public Mouvement {
protected:
    // A dasher in mid-air (nothing around it) at (500, 300), speed 3, dashing for 10 frames.
    CPerso* dasheur(int visee)
    {
        CPerso* p = perso(500, 300);
        p->vitesse = 3;
        p->visee = visee;
        p->mode = EtatPerso::DASH;
        p->compteurDash = 10;
        return p;
    }
};

} // namespace

TEST_F(Dash, DeplacementSelonLaVisee)
{
    struct Cas {
        int visee;
        float dx, dy;  // facing right, speed 3
        int anim;
    };
    const Cas cas[] = {
        {3, 0, -12, 29}, {0, 9, -9, 30}, {1, 12, 0, 31}, {2, 9, 9, 32}, {4, 0, 12, 33},
        {10, 0, 0, 0},   {-1, 0, 0, 0},  // no move, but the count still runs down
    };
    for (const Cas& k : cas)
        for (int d : {0, 1}) {
            CPerso* p = dasheur(k.visee);
            p->gererDash(d);
            const float sens = d == 0 ? 1.0f : -1.0f;
            EXPECT_EQ(x(p), 500 + sens * k.dx) << "aim " << k.visee << " direction " << d;
            EXPECT_EQ(y(p), 300 + k.dy) << "aim " << k.visee << " direction " << d;
            EXPECT_EQ(p->compteurDash, 9) << "aim " << k.visee;
            EXPECT_EQ(p->sprite->getNumAnim(), k.anim) << "aim " << k.visee;
        }
}

TEST_F(Dash, BloqueDevantPuisParLeHaut)
{
    bloc(505, 200, 20, 200, 2);  // a wall just ahead of the dasher
    CPerso* p = dasheur(1);
    p->gererDash(0);
    EXPECT_EQ(x(p), 500) << "blocked ahead at 90 degrees: straight up instead";
    EXPECT_EQ(y(p), 288);
    CPerso* q = dasheur(0);
    q->gererDash(0);
    EXPECT_EQ(x(q), 500);
    EXPECT_EQ(y(q), 288) << "the same at 45 degrees";

    bloc(450, 200, 100, 40, 2);  // and a ceiling: blocked twice
    CPerso* r = dasheur(1);
    r->gererDash(0);
    EXPECT_EQ(r->mode, EtatPerso::CHUTE);
    EXPECT_EQ(r->compteurDash, 0);
    EXPECT_EQ(x(r), 500);
}

TEST_F(Dash, MemeDistanceEtDureeAuxDeuxCadences)
{
    for (float c : COEFFICIENTS) {
        coefficient(c);
        CPerso* p = perso(500, 300);
        p->vitesse = 3;
        p->visee = 1;
        p->mode = EtatPerso::SAUT_MONTE;
        p->bDashPossible = true;
        CommandesJoueur saut{};
        saut.bSautMaintenu = true;
        int images14 = 0;
        for (int i = 0; i < images(20); ++i) {
            p->appliquerCommandes(saut);
            if (p->mode == EtatPerso::DASH)
                ++images14;
        }
        EXPECT_EQ(images14, images(10)) << "ten frames of dash at 30 fps (the first starts it), at " << c;
        EXPECT_EQ(p->mode, EtatPerso::CHUTE) << "then the fall";
        EXPECT_EQ(x(p), 500 + 10 * 12) << "the same distance at " << c;
        EXPECT_EQ(jeu->sons, std::vector<std::string>{"DASH"}) << "one sound per dash";
        EXPECT_FALSE(p->bDashPossible) << "one dash per jump";
        TearDown();
        SetUp();
    }
}

TEST_F(Dash, LaPousseeGardeLeRegardVersLeCoup)
{
    for (float c : COEFFICIENTS)
        for (int poussee : {0, 1}) {
            coefficient(c);
            bloc(0, 500, 2000, 40);
            CPerso* p = perso(500, 500);
            p->vitesse = 4;
            p->compteurDash2 = images(3);
            p->directionPoussee = poussee;
            for (int i = 0; i < images(5); ++i)
                p->appliquerCommandes(CommandesJoueur{});
            const float sens = poussee == 0 ? 1.0f : -1.0f;
            EXPECT_EQ(x(p), 500 + sens * 12) << "pushed three frames of 4 pixels, at " << c;
            EXPECT_EQ(p->compteurDash2, 0);
            EXPECT_EQ(p->direction, 1 - poussee) << "facing where the hit came from";
            EXPECT_EQ(p->sprite->miroir, poussee == 1 ? 1 : -1) << "and mirrored with it";
            TearDown();
            SetUp();
        }
}

TEST_F(Dash, PrendreQuitterEtRefuserUneTourelle)
{
    auto tourelle = [&](float tx) {
        auto* t = new CPerso();
        t->id = "TOURELLE_CONTROLABLE";
        t->sprite->x = tx;
        t->sprite->y = 500;
        t->direction = 1;
        t->sprite->setOverVisible("OVERXBAS", true);
        decor->ias.push_back(t);
        return t;
    };
    bloc(0, 500, 2000, 40);
    CPerso* t = tourelle(300);
    CPerso* h = perso(280, 500);
    h->posMitrailleuse[0] = 10;
    h->posMitrailleuse[1] = 20;
    h->numJoueur = 0;
    t->numJoueur = 5;

    h->utiliserTourelle(t);
    EXPECT_FALSE(t->sprite->getOver("OVERXBAS").bVisible) << "the seat is hidden while held";
    EXPECT_TRUE(h->tourelle == t && t->tourelle == h) << "linked both ways";
    EXPECT_EQ(t->numJoueur, 0) << "the turret takes its player's number";
    EXPECT_EQ(h->mode, EtatPerso::CONTROLE_TOURELLE);
    EXPECT_EQ(h->direction, 1) << "the character takes the turret's facing";
    EXPECT_EQ(x(h), 310) << "turret x - mirror sign (-1) x 10";
    EXPECT_EQ(y(h), 480);

    // Another player cannot take it; the same player's second character only frees it.
    CPerso* autre = perso(320, 500);
    autre->numJoueur = 1;
    t->bActionTourelle = false;
    autre->utiliserTourelle(t);
    EXPECT_EQ(t->tourelle, h) << "held by the other player: refused";
    EXPECT_EQ(autre->mode, EtatPerso::ARRET);
    CPerso* second = perso(320, 500);
    second->utiliserTourelle(t);
    EXPECT_EQ(t->tourelle, nullptr) << "held by the same player: freed";
    EXPECT_EQ(h->mode, EtatPerso::ARRET);
    EXPECT_FALSE(second->bTourelle) << "and not taken in the same step";
    EXPECT_TRUE(t->sprite->getOver("OVERXBAS").bVisible) << "the seat shows again";
    second->utiliserTourelle(t);
    EXPECT_FALSE(second->bTourelle) << "a turret taken or left this frame waits for the next";

    // Taken again, then freed by the level: the holder lets go of a turret that is gone.
    t->bActionTourelle = false;
    second->utiliserTourelle(t);
    ASSERT_TRUE(second->bTourelle);
    decor->ias.remove(t);
    delete t;
    EXPECT_EQ(second->tourelle, nullptr);
    second->utiliserTourelle();
    EXPECT_FALSE(second->bTourelle);
    EXPECT_EQ(second->mode, EtatPerso::ARRET);
}
