// The player's command step: the character's branch by state, the jump and dash rules, and the
// camera's call back of a straggler.
#include "OutilsMouvement.h"

#include "characters/EtatsPerso.h"
#include "core/Commandes.h"
#include "level/Vue.h"

namespace {

class Commandes : public Mouvement {
protected:
    void SetUp() override
    {
        Mouvement::SetUp();
        bloc(0, 500, 2000, 40);
    }
    static CommandesJoueur avec(bool CommandesJoueur::*champ)
    {
        CommandesJoueur c{};
        c.*champ = true;
        return c;
    }
};

} // namespace

TEST_F(Commandes, ChaqueEtatVaASaBranche)
{
    using C = CommandesJoueur;
    struct Cas {
        int etat;
        bool C::*commande;  // null: none
        int etatAttendu;
        const char* quoi;
    };
    const Cas cas[] = {
        {EtatPerso::BAISSE_MARCHE, &C::bAccroupi, EtatPerso::ARRET_BAISSE, "crouch-walk without a direction: crouched"},
        {EtatPerso::ARRET_BAISSE, nullptr, EtatPerso::ARRET, "crouch released: stands up"},
        {EtatPerso::RECEPTION, &C::bAccroupi, EtatPerso::ARRET_BAISSE, "end of landing with crouch: crouched"},
        {EtatPerso::MARCHE, nullptr, EtatPerso::ARRET, "no direction: the walk stops"},
        {EtatPerso::MARCHE, &C::bDroite, EtatPerso::MARCHE, "a direction walks"},
        {EtatPerso::ARRET, &C::bAccroupi, EtatPerso::BAISSE, "crouch: crouching down"},
        {EtatPerso::ARRET, &C::bSautMaintenu, EtatPerso::SAUT_MONTE, "jump: the rise starts"},
        {EtatPerso::CONTROLE_TOURELLE, &C::bDroite, EtatPerso::CONTROLE_TOURELLE, "at a turret nothing walks"},
    };
    for (const Cas& k : cas) {
        CPerso* p = perso(100, 500);
        p->mode = k.etat;
        p->appliquerCommandes(k.commande ? avec(k.commande) : CommandesJoueur{});
        EXPECT_EQ(p->mode, k.etatAttendu) << k.quoi;
    }

    // A crouch-walk with a direction moves at the rise speed, crouched.
    CPerso* p = perso(100, 500);
    p->vitesseSaut = 3;
    p->mode = EtatPerso::ARRET_BAISSE;
    CommandesJoueur c = avec(&C::bAccroupi);
    c.bGauche = true;
    p->appliquerCommandes(c);
    EXPECT_EQ(p->mode, EtatPerso::BAISSE_MARCHE);
    EXPECT_EQ(x(p), 97);
    // Swapped controls walk the other way.
    CPerso* q = perso(100, 500);
    q->bInversionGD = true;
    q->vitesse = 4;
    q->appliquerCommandes(avec(&C::bGauche));
    EXPECT_EQ(x(q), 104);
}

TEST_F(Commandes, ConditionsDuDash)
{
    struct Cas {
        bool possible;
        int compteur, etat;
        bool coup, plafond;
        bool dash;
        const char* quoi;
    };
    const Cas cas[] = {
        {true, 0, EtatPerso::SAUT_MONTE, false, false, true, "rising, granted: dashes"},
        {true, 0, EtatPerso::REBOND, false, false, true, "from a bounce too"},
        {false, 0, EtatPerso::SAUT_MONTE, false, false, false, "not granted"},
        {true, 1, EtatPerso::SAUT_MONTE, false, false, false, "a dash still counting"},
        {true, 0, EtatPerso::CHUTE, false, false, false, "falling"},
        {true, 0, EtatPerso::SAUT_MONTE, true, false, false, "during a blow"},
        {true, 0, EtatPerso::SAUT_MONTE, false, true, false, "no room above"},
    };
    for (const Cas& k : cas) {
        TearDown();
        SetUp();
        if (k.plafond)
            bloc(0, 250, 400, 20, 2);
        CPerso* p = perso(100, 300);
        p->bDashPossible = k.possible;
        p->compteurDash = k.compteur;
        p->mode = k.etat;
        p->bCoup = k.coup;
        p->appliquerCommandes(avec(&CommandesJoueur::bSautMaintenu));
        EXPECT_EQ(jeu->sons.size(), k.dash ? 1u : 0u) << k.quoi;
        EXPECT_EQ(p->bnodash, k.dash) << k.quoi;
        if (k.plafond) {
            EXPECT_EQ(p->compteurDash, 0) << "a blocked start clears the count";
        }
    }
}

TEST_F(Commandes, RelacherLeSautAccordeLeDashSaufEnChrono)
{
    for (int type : {0, 1}) {
        jeu->typeJeu = type;
        CPerso* p = perso(100, 300);
        p->maxSaut = 14;
        p->mode = EtatPerso::SAUT_MONTE;
        p->bSautEnCours = true;
        p->compteurSaut = 2;
        p->appliquerCommandes(CommandesJoueur{});
        EXPECT_EQ(p->bDashPossible, type == 0) << "game type " << type;
        EXPECT_EQ(p->mode, EtatPerso::SAUT_MONTE) << "still rising to the minimum height";
    }
    for (bool CPerso::*bloquant : {&CPerso::bPasdesaut, &CPerso::bTourelle}) {
        CPerso* p = perso(300, 500);
        p->*bloquant = true;
        p->appliquerCommandes(avec(&CommandesJoueur::bSautMaintenu));
        EXPECT_EQ(p->mode, EtatPerso::ARRET) << "no jump";
    }
}

TEST_F(Commandes, SansCollisionsLeDeplacementEstLibre)
{
    for (float c : COEFFICIENTS) {
        coefficient(c);
        CPerso* p = perso(100, 520);  // inside the ground
        p->bCollisions = false;
        p->vitesse = 6;
        CommandesJoueur h{};
        h.bDroite = h.bHautClavier = true;
        for (int i = 0; i < images(2); ++i)
            p->appliquerCommandes(h);
        EXPECT_EQ(x(p), 112) << "at " << c;
        EXPECT_EQ(y(p), 508) << "up and down too, through the ground, at " << c;
        EXPECT_EQ(p->mode, EtatPerso::ARRET);
    }
}

TEST_F(Commandes, ActionUneFoisParAppui)
{
    CPerso* p = perso(100, 500);
    const CommandesJoueur action = avec(&CommandesJoueur::bAction);
    p->appliquerCommandes(action);
    EXPECT_EQ(p->mode, EtatPerso::ACTION);
    // The action plays until its animation has looped, held or not, then the character stands.
    for (int i = 0; i < 3; ++i)
        p->appliquerCommandes(action);
    EXPECT_EQ(p->mode, EtatPerso::ARRET);
    // The command step aims straight ahead (step 1, the 90-degree entry) when no aim key is held.
    EXPECT_EQ(p->sprite->getNumAnim(), p->animArret[5]) << "back in its standing pose";
    p->appliquerCommandes(action);
    EXPECT_EQ(p->mode, EtatPerso::ARRET) << "held down, it does not start again";
    p->appliquerCommandes(CommandesJoueur{});
    p->appliquerCommandes(action);
    EXPECT_EQ(p->mode, EtatPerso::ACTION) << "pressed again";
}

// Camera mode 4: a character too far from the group walks one step back toward it and keeps
// facing its way.
TEST_F(Commandes, RetourDeLaCameraEnMode4)
{
    jeu->mode = 1;
    CPerso* p = perso(100, 500);
    p->mode = EtatPerso::ARRET;
    jeu->pPerso = p;
    CVue vue(1280, 720);
    vue.vuemode = 4;
    vue.distanceMax = 80;
    jeu->pvue = &vue;
    CPerso* loin = perso(1000, 500);  // faces right, the group is to its left
    loin->vitesse = 4;
    p->vitesse = 4;
    p->setDirection(1);  // faces left, the group is to its right
    vue.maj();
    jeu->pvue = nullptr;
    EXPECT_EQ(x(loin), 996) << "one step toward the group's centre";
    EXPECT_EQ(x(p), 104);
    EXPECT_EQ(loin->direction, 0) << "keeping its facing";
    EXPECT_EQ(p->sprite->miroir, -1) << "and its mirror sign";
}
