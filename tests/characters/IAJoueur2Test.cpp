// The computer second player: aiming and firing, the jump sequence at both frame rates, the
// chase and the weapon fountains.
#include "OutilsIA.h"

#include "characters/Armes.h"
#include "characters/EtatsPerso.h"
#include "script/Script.h"
#include "script/ScriptEngine.h"
#include "support/Outils.h"

#include <set>

namespace {

using namespace EtatPerso;

enum Arme { ARME_2, ARME_4, ARME_5 };

class Pilote : public TestIA {
protected:
    void SetUp() override
    {
        TestIA::SetUp();
        jeu->parmes = new CArmes();
        ecrireTexte(dossier / "armes.arm", "ARME=ARME 2;Pistolet;10;10;60;300\nARME=ARME 4;Mine;0;60;6;1\n"
                                           "ARME=ARME 5;Laser;20;15;40;1000\n");
        jeu->parmes->charger(dossier / "armes.arm");
        j2 = joueur(100, 600, 1, ARME_2);
    }
    void TearDown() override
    {
        jeu->parmes->viderTirs();
        TestIA::TearDown();
    }
    CPerso* joueur(float x, float y, int numero, int arme)
    {
        CPerso* p = perso(x, y);
        p->numJoueur = p->numJoueurBis = numero;
        armer(*p);
        p->armes[0]->numero = arme;
        return p;
    }
    // One computation with the jump sequence running (c = 2): it aims, and no chasing jump
    // replaces the aim.
    void viser()
    {
        ctrl().compteurSaut = 2;
        ctrl().piloterJoueur2();
    }
    unsigned char octet(int i) const { return jeu->pIABehaviours->commandesPilote[i]; }
    // Frames in which the pilot pressed the byte, over n frames.
    std::set<int> appuis(int octetPilote, int n)
    {
        std::set<int> r;
        for (int i = 0; i < n; ++i) {
            ctrl().piloterJoueur2();
            if (octet(octetPilote))
                r.insert(i);
        }
        return r;
    }
    DossierTemp dossier;
    CPerso* j2 = nullptr;
};

// The second player's head is at (100, 540); the first player's target point at (600, 580):
// a slope of 40 / 500, angle 94, right.
TEST_F(Pilote, ViseEtTireSurLePremierJoueur)
{
    CPerso* j1 = joueur(600, 600, 0, ARME_2);
    std::set<int> tirs = appuis(CIABehaviours::PILOTE_TIR, 40);
    viser();
    EXPECT_EQ(ctrl().angleJ2, 94);
    EXPECT_EQ(ctrl().directionJ2, 0);
    EXPECT_GT(tirs.size(), 5u) << "fires half the time when ready";
    EXPECT_LT(tirs.size(), 35u);
    // Not ready: its cooldown has reached the slot's cadence.
    j2->compteurCadence = 10;
    EXPECT_TRUE(appuis(CIABehaviours::PILOTE_TIR, 20).empty());
    j2->compteurCadence = 0;
    j1->sprite->x = -400;
    viser();
    EXPECT_EQ(ctrl().directionJ2, 1) << "the first player on the left";
    EXPECT_EQ(ctrl().angleJ2, 265);

    // Behind a wall it is not aimed at; an empty definition hides nothing; "ARME 5" shoots
    // through walls.
    j1->sprite->x = 600;
    CSPRITE* mur = bloc(300, 0, 40, 1000);
    EXPECT_TRUE(appuis(CIABehaviours::PILOTE_TIR, 20).empty()) << "behind a wall";
    EXPECT_NE(ctrl().angleJ2, 94);
    mur->pDEC->nom = "DECVIDE";
    viser();
    EXPECT_EQ(ctrl().angleJ2, 94);
    mur->pDEC->nom = "MUR";
    j2->armes[0]->numero = ARME_5;
    viser();
    EXPECT_EQ(ctrl().angleJ2, 94);
    EXPECT_FALSE(appuis(CIABehaviours::PILOTE_TIR, 20).empty());

    // Aim steps either side of 113: slopes 220 / 500 (angle 113, level) and 230 / 500 (114,
    // diagonal down).
    const struct {
        float y;
        int angle, visee;
    } pentes[] = {{780, 113, 1}, {790, 114, 2}};
    for (const auto& p : pentes) {
        j1->sprite->y = p.y;
        viser();
        EXPECT_EQ(ctrl().angleJ2, p.angle);
        EXPECT_EQ(ctrl().viseeJ2, p.visee) << "angle " << p.angle;
    }
}

TEST_F(Pilote, LaMineNeViseJamais)
{
    j2->armes[0]->numero = ARME_4;
    joueur(600, 600, 0, ARME_2);
    std::set<int> angles;
    for (int i = 0; i < 60; ++i) {
        ctrl().piloterJoueur2();
        EXPECT_EQ(octet(CIABehaviours::PILOTE_TIR), 0) << "never fires";
        angles.insert(ctrl().angleJ2);
    }
    EXPECT_EQ(angles.count(94), 0u) << "never aims at the first player";
    EXPECT_GT(angles.size(), 3u) << "its aim wanders";
    // Without a slot it aims through the sight check but never fires.
    j2->armeCourante = -1;
    for (int i = 0; i < 20; ++i) {
        viser();
        EXPECT_EQ(octet(CIABehaviours::PILOTE_TIR), 0);
        EXPECT_EQ(ctrl().angleJ2, 94);
    }
}

// A shot heading in within 250 pixels: a jump, the second press five frames later at 30 fps and
// ten at 60, then four frames (eight) without aiming before the next threat test.
TEST_F(Pilote, SautParDessusUnTir)
{
    struct Cas {
        float coeff;
        int images;
        std::set<int> sauts;
    } cas[] = {{1.0f, 12, {0, 5, 10}}, {0.5f, 21, {0, 10, 19}}};
    for (const Cas& c : cas) {
        coefficient(c.coeff);
        ctrl().compteurSaut = -100;
        jeu->parmes->viderTirs();
        auto* t = new CTir();
        t->x = 250;
        t->y = 580;
        t->angle = 270;
        t->etat = CTir::VOL;
        jeu->parmes->tirs.push_back(t);
        EXPECT_EQ(appuis(CIABehaviours::PILOTE_SAUT, c.images), c.sauts)
            << "at " << c.coeff;
    }
    // A shot flying away is no threat.
    jeu->parmes->tirs.front()->angle = 90;
    ctrl().compteurSaut = -100;
    EXPECT_TRUE(appuis(CIABehaviours::PILOTE_SAUT, 10).empty());
}

TEST_F(Pilote, JoueurMortEtSansPremierJoueur)
{
    j2->mode = MORT;
    ctrl().piloterJoueur2();
    EXPECT_EQ(octet(CIABehaviours::PILOTE_MORT), 1) << "while its death has not played once";
    j2->sprite->nbanimtotale = 1;
    ctrl().piloterJoueur2();
    EXPECT_EQ(octet(CIABehaviours::PILOTE_MORT), 0);

    // Alive, alone: no target, so no move and no fountain.
    j2->mode = ARRET;
    for (int i = 0; i < 30; ++i) {
        ctrl().piloterJoueur2();
        EXPECT_EQ(octet(CIABehaviours::PILOTE_GAUCHE) + octet(CIABehaviours::PILOTE_DROITE), 0);
        EXPECT_FALSE(ctrl().bCibleFontaine);
    }
}

TEST_F(Pilote, PoursuiteEtZoneMorte)
{
    CPerso* j1 = joueur(300, 600, 0, ARME_2);
    struct Cas {
        float x;
        int gauche, droite;
    } cas[] = {{296, 0, 0}, {295, 0, 0}, {294, 0, 1}, {305, 0, 0}, {306, 1, 0}, {100, 0, 1}};
    for (const Cas& c : cas) {
        j2->sprite->x = c.x;
        ctrl().piloterJoueur2();
        EXPECT_EQ(octet(CIABehaviours::PILOTE_GAUCHE), c.gauche) << "at " << c.x;
        EXPECT_EQ(octet(CIABehaviours::PILOTE_DROITE), c.droite) << "at " << c.x;
    }
    // Close by it sometimes uses its close-range action, never at a fountain.
    j2->sprite->x = 290;
    j1->sprite->y = 640;
    EXPECT_FALSE(appuis(CIABehaviours::PILOTE_ACTION, 30).empty());
    // Chasing, it jumps now and then, with an aim of its own.
    j2->sprite->x = 100;
    j1->sprite->y = 300;
    bool saute = false;
    for (int i = 0; i < 200 && !saute; ++i) {
        ctrl().compteurSaut = -100;
        ctrl().piloterJoueur2();
        saute = octet(CIABehaviours::PILOTE_SAUT) != 0;
    }
    ASSERT_TRUE(saute);
    EXPECT_EQ(ctrl().compteurSaut, 4);
    EXPECT_TRUE((ctrl().viseeJ2 == 3 && ctrl().angleJ2 == 1) || (ctrl().viseeJ2 == 0 && ctrl().angleJ2 == 45))
        << "the first player above, facing right: " << ctrl().viseeJ2 << " " << ctrl().angleJ2;
}

TEST_F(Pilote, FontainesDArmes)
{
    auto moteur = std::make_unique<CScriptEngine>();
    jeu->pscriptEngine = moteur.get();
    CDEC* b = banque(*decor, "FONTAINE", 20, 20, nullptr);
    CSPRITE* sd = spriteDecor(plan(2), b, 200, 650, 0);
    auto script = std::make_unique<CScript>();
    script->ajouterCommande("FONTAINEDARMES", {L"2"});
    script->nbCommandes = 1;
    script->pSD = sd;
    jeu->pscriptEngine->scripts.push_back(std::move(script));
    jeu->pscriptEngine->nbScripts = 1;

    CPerso* j1 = joueur(900, 600, 0, ARME_2);
    struct Cas {
        const char* nom;
        int armeFontaine, munitionsJ1, animFontaine;
        bool fontaine;
        int munitionsJ2 = 10;
    } cas[] = {
        {"weapon 1 on offer", 1, 10, 0, true},   {"weapon 4 on offer", 4, 10, 0, true},
        {"weapon 3, first player armed", 3, 10, 0, false}, {"weapon 3, first player empty", 3, 0, 0, true},
        {"weapon 3, only the computer's gun empty", 3, 10, 0, false, 0}, {"nothing on offer", 1, 10, 1, false},
    };
    for (const Cas& c : cas) {
        sd->numArmeFontaine = c.armeFontaine;
        sd->numAnim = c.animFontaine;
        j1->armes[0]->munitions = c.munitionsJ1;
        j2->armes[0]->munitions = c.munitionsJ2;
        j2->sprite->x = 150;
        ctrl().piloterJoueur2();
        EXPECT_EQ(ctrl().bCibleFontaine, c.fontaine) << c.nom;
        EXPECT_EQ(octet(CIABehaviours::PILOTE_DROITE), 1) << c.nom << ": both targets are on the right";
        j2->sprite->x = 400;  // past the fountain, short of the player
        ctrl().piloterJoueur2();
        EXPECT_EQ(octet(CIABehaviours::PILOTE_GAUCHE), c.fontaine ? 1 : 0) << c.nom;
        EXPECT_EQ(octet(CIABehaviours::PILOTE_DROITE), c.fontaine ? 0 : 1) << c.nom;
    }
    j2->armes.push_back(new SlotArme{1, 5, true});
    j2->nbarmesperso = 2;
    j2->armes[0]->munitions = 0;
    ctrl().piloterJoueur2();
    EXPECT_EQ(j2->armeCourante, 0) << "the pilot presses keys; it never changes its own weapon";
    // Without a first player fountains are not considered.
    decor->persos.remove(j1);
    delete j1;
    sd->numArmeFontaine = 1;
    sd->numAnim = 0;
    ctrl().piloterJoueur2();
    EXPECT_FALSE(ctrl().bCibleFontaine);
    EXPECT_EQ(octet(CIABehaviours::PILOTE_GAUCHE), 0);
    jeu->pscriptEngine = nullptr;
}

} // namespace
