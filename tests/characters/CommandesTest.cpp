// The player's command step: the character's branch by state, the jump and dash rules, and
// the game's side (which character obeys, the stop while the level does not run, the go).
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
        std::vector<std::string> sons;
        g_services.jouerSon = [&](const std::string& s) { sons.push_back(s); };
        if (k.plafond)
            bloc(0, 250, 400, 20, 2);
        CPerso* p = perso(100, 300);
        p->bDashPossible = k.possible;
        p->compteurDash = k.compteur;
        p->mode = k.etat;
        p->bCoup = k.coup;
        p->appliquerCommandes(avec(&CommandesJoueur::bSautMaintenu));
        EXPECT_EQ(sons.size(), k.dash ? 1u : 0u) << k.quoi;
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

TEST_F(Commandes, CoteJeuQuiObeitEtQuand)
{
    jeu->mode = 1;
    jeu->bJoue = true;
    jeu->bControleJoueurs = true;
    CPerso* j1 = perso(100, 500);
    CPerso* autre = perso(300, 500);  // a second player character of a chrono level
    CPerso* j2 = perso(500, 500);
    j2->numJoueur = 1;
    for (CPerso* p : {j1, autre, j2})
        p->vitesse = 4;
    jeu->pPerso = j1;
    jeu->commandes[0].bDroite = true;
    jeu->commandes[1].bGauche = true;
    jeu->commandesJoueur(0);
    jeu->commandesJoueur(1);
    EXPECT_EQ(x(j1), 104) << "player 0 moves the game's player";
    EXPECT_EQ(x(autre), 300) << "the other player characters wait";
    EXPECT_EQ(x(j2), 496) << "player 1 moves the first character of player 1";

    // Without control the record is empty: nothing walks, but a fall still lands.
    jeu->bControleJoueurs = false;
    j2->vitesseChute = 10;
    j2->sprite->y = 492;
    j2->setEtat(EtatPerso::CHUTE);
    jeu->commandesJoueur(0);
    jeu->commandesJoueur(1);
    EXPECT_EQ(x(j1), 104);
    EXPECT_EQ(j2->mode, EtatPerso::RECEPTION_CHUTE);

    // While the level does not run, player 0's step stops every character once.
    jeu->bJoue = false;
    j1->mode = EtatPerso::MARCHE;
    autre->sprite->y = 300;
    autre->setEtat(EtatPerso::CHUTE);
    autre->vitesseChute = 8;
    jeu->commandesJoueur(0);
    jeu->commandesJoueur(1);
    EXPECT_EQ(j1->mode, EtatPerso::ARRET);
    EXPECT_EQ(y(autre), 316) << "one fall step, not two";
}

TEST_F(Commandes, TourelleDUnJoueurPasPriseParLAutreDansLaMemeImage)
{
    jeu->mode = 1;
    jeu->bJoue = jeu->bControleJoueurs = true;
    auto* t = new CPerso();
    t->id = "TOURELLE_CONTROLABLE";
    decor->ias.push_back(t);
    CPerso* j1 = perso(100, 500);
    CPerso* j2 = perso(100, 500);
    j2->numJoueur = 1;
    jeu->pPerso = j1;
    t->bActionTourelle = true;  // left over from the last frame
    jeu->commandesJoueur(0);
    EXPECT_FALSE(t->bActionTourelle) << "cleared once per frame, by player 0's step";
    j1->utiliserTourelle(t);
    ASSERT_EQ(t->tourelle, j1);
    jeu->commandesJoueur(1);
    EXPECT_TRUE(t->bActionTourelle) << "player 1's step does not clear it";
    j2->utiliserTourelle(t);
    EXPECT_EQ(t->tourelle, j1);
    EXPECT_FALSE(j2->bTourelle);
}

TEST_F(Commandes, LePremierOrdreDonneLeDepartDuChrono)
{
    jeu->mode = 1;
    jeu->bJoue = jeu->bControleJoueurs = true;
    jeu->pPerso = perso(100, 500);
    for (bool CommandesJoueur::*pause : {&CommandesJoueur::bPause, &CommandesJoueur::bStart,
                                         &CommandesJoueur::bRelStart}) {
        jeu->commandes[0] = avec(pause);
        jeu->commandesJoueur(0);
        EXPECT_FALSE(jeu->bGoChrono) << "pause alone is no start";
    }
    jeu->bControleJoueurs = false;
    jeu->commandes[0] = avec(&CommandesJoueur::bDroite);
    jeu->commandesJoueur(0);
    EXPECT_FALSE(jeu->bGoChrono) << "not before the player has control";
    jeu->bControleJoueurs = true;
    jeu->commandesJoueur(0);
    EXPECT_TRUE(jeu->bGoChrono);
}

TEST_F(Commandes, ToucheMDuJeuEtRetourDeLaCameraEnMode4)
{
    CSFMLJeuGlobal::bModeTest = true;
    jeu->mode = 1;
    CPerso* p = perso(100, 500);
    p->mode = EtatPerso::MARCHE;
    jeu->pPerso = p;
    jeu->touchesJeu(sf::Keyboard::M);
    CSFMLJeuGlobal::bModeTest = false;
    EXPECT_EQ(jeu->mode, 2);
    EXPECT_EQ(p->mode, EtatPerso::ARRET) << "the player stands when the editor opens";

    // Camera mode 4: a character too far from the group walks one step back toward it and
    // keeps facing its way.
    jeu->mode = 1;
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
