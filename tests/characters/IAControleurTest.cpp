// The AI controller: the AI switch, contact damage, the generic AI's states, the detection of
// players with its ranges and line of sight, alerts and general alerts, and aim steps.
#include "OutilsIA.h"

#include "characters/EtatsPerso.h"
#include "characters/PersoDef.h"
#include "core/Chemin.h"

#include <functional>

namespace {

using namespace EtatPerso;

// The eye of an AI standing at (0, 1000) with a head at 60 is at (0, 940); a player whose feet
// are at y = 973.33 has its target point (feet minus 60 / 1.8) at the same height.
constexpr float Y_IA = 1000, Y_CIBLE = 973.3333f;

TEST_F(TestIA, InterrupteurCoupe)
{
    CPerso* a = ia(100, 500);
    a->mode = MARCHE;
    a->modeCollisions = 1;
    a->degats[0] = 7;
    a->sprite->placer(5, 100, 500);
    CPerso* j = perso(100, 500);
    jeu->bIA = false;
    tours(1);
    EXPECT_EQ(a->sprite->numAnim, 0) << "a stopped AI shows animation 0";
    EXPECT_EQ(a->sprite->x, 100) << "and does not walk";
    EXPECT_EQ(j->vie, 100) << "nor deal contact damage";
}

TEST_F(TestIA, DegatsDeContact)
{
    struct Cas {
        const char* nom;
        int modeCollisions, compteurDetection, etatIA, toucheJoueur;
        bool joueurVisible;
        int vieJoueur, vieIA;
    } cas[] = {
        {"detection frame, mode 1", 1, 0, ARRET, -1, true, 93, 97},
        {"mode 2", 2, 0, ARRET, -1, true, 100, 100},
        {"between detections", 1, 5, ARRET, -1, true, 100, 100},
        {"dead AI", 1, 0, MORT, -1, true, 100, 100},
        {"player already hit", 1, 0, ARRET, 3, true, 100, 100},
        {"hidden player", 1, 0, ARRET, -1, false, 100, 100},
    };
    for (const Cas& c : cas) {
        vider();
        CPerso* a = ia(300, 500);
        a->modeCollisions = c.modeCollisions;
        a->compteurDetection = c.compteurDetection;
        a->mode = c.etatIA;
        a->degats[0] = 7;
        a->degats[1] = 3;
        CPerso* j = perso(310, 500);
        j->compteurTouche = c.toucheJoueur;
        j->sprite->setVisible(c.joueurVisible);
        ctrl().majIA();
        EXPECT_EQ(j->vie, c.vieJoueur) << c.nom << ": the player takes the first DEGATS value";
        EXPECT_EQ(a->vie, c.vieIA) << c.nom << ": the AI takes the second";
        if (c.vieJoueur != 100) {
            EXPECT_EQ(j->dernierAttaquant, a) << c.nom;
            EXPECT_EQ(a->dernierAttaquant, j) << c.nom;
        }
    }
}

TEST_F(TestIA, EtatsDeLIAGenerique)
{
    bloc(-1000, 600, 3000, 40);  // the ground under feet at y = 600
    bloc(500, 300, 40, 300);     // a wall on the right
    struct Cas {
        const char* nom;
        int etat;
        float y;
        bool vaisseau, chuteMort, demiTour;
        float dx;
        int sensY;  // 1 falls, -1 rises
        int etatApres, directionApres;
    } cas[] = {
        {"dead falls", MORT, 400, false, false, false, 0, 1, MORT, 0},
        {"dead ship stays", MORT, 400, true, false, false, 0, 0, MORT, 0},
        {"dead ship that falls", MORT, 400, true, true, false, 0, 1, MORT, 0},
        {"rising jump", SAUT_MONTE, 600, false, false, false, 0, -1, SAUT_MONTE, 0},
        {"walking", MARCHE, 600, false, false, false, 6, 0, MARCHE, 0},
        {"walking into the wall turns", MARCHE, 600, false, false, true, 0, 0, MARCHE, 1},
    };
    for (const Cas& c : cas) {
        vider();
        CPerso* a = ia(c.demiTour ? 499 : 100, c.y);
        a->vitesseChute = 10;
        a->vitesseSaut = 8;
        a->maxSaut = 14;
        a->mode = c.etat;
        a->bVaisseau = c.vaisseau;
        a->bChuteVaisseauMort = c.chuteMort;
        a->bDemiTourAuto = c.demiTour;
        const float x0 = a->sprite->x;
        ctrl().majIA();
        EXPECT_NEAR(a->sprite->x - x0, c.dx, 0.01) << c.nom;
        const float dy = a->sprite->y - c.y;
        EXPECT_EQ((dy > 0) - (dy < 0), c.sensY) << c.nom << ": moved by " << dy;
        EXPECT_EQ(a->mode, c.etatApres) << c.nom;
        EXPECT_EQ(a->direction, c.directionApres) << c.nom;
    }

    // A hit plays until its animation has looped, then the AI stands; the hit alerts it.
    vider();
    CPerso* a = ia(100, 600);
    a->mode = TOUCHE;
    a->compteurTouche = 10;
    ctrl().majIA();
    EXPECT_EQ(a->mode, TOUCHE);
    EXPECT_EQ(a->compteurAlerte, 30) << "a hit AI is alerted";
    a->sprite->nbanimtotale = 1;
    ctrl().majIA();
    EXPECT_EQ(a->mode, ARRET);
    // An invisible generic AI does nothing.
    a->mode = MARCHE;
    a->sprite->setVisible(false);
    const float x = a->sprite->x;
    ctrl().majIA();
    EXPECT_EQ(a->sprite->x, x);
}

TEST_F(TestIA, PorteesDeDetection)
{
    struct Cas {
        int compteurAlerte;
        float distance;
        bool vu;
    } cas[] = {
        {-1, 1000.5f, true}, {-1, 1001.5f, false}, {15, 1333.5f, true},
        {15, 1334.5f, false}, {16, 2000.5f, true}, {16, 2001.5f, false},
    };
    for (const Cas& c : cas) {
        vider();
        CPerso* a = ia(0, Y_IA);
        a->compteurAlerte = c.compteurAlerte;
        CPerso* j = perso(c.distance, Y_CIBLE);
        CPerso* vu = ctrl().detecterPerso(a);
        EXPECT_EQ(vu, c.vu ? j : nullptr) << "alert " << c.compteurAlerte << ", distance " << c.distance;
        if (vu) {
            EXPECT_EQ(ctrl().distanceDetection, static_cast<int>(c.distance));
            EXPECT_EQ(a->angleVisee, 90) << "aimed straight right";
        } else {
            EXPECT_EQ(ctrl().distanceDetection, -1);
        }
    }
}

TEST_F(TestIA, RegardEtLigneDeVue)
{
    // Facing left, looking ahead only: a player on the right is seen only once alerted.
    CPerso* a = ia(0, Y_IA);
    a->setDirection(1);
    a->bDetectionDevant = true;
    CPerso* j = perso(400, Y_CIBLE);
    EXPECT_EQ(ctrl().detecterPerso(a), nullptr) << "calm, the player behind is not seen";
    a->compteurAlerte = 5;
    EXPECT_EQ(ctrl().detecterPerso(a), j) << "alerted, it sees behind";
    EXPECT_EQ(a->direction, 0) << "and turns to the player";
    EXPECT_EQ(a->angleVisee, 90);

    // A wall between them hides the player, unless empty or travelling on a path.
    a->bDetectionDevant = false;
    CSPRITE* mur = bloc(200, 800, 40, 300);
    EXPECT_EQ(ctrl().detecterPerso(a), nullptr) << "a solid sprite blocks the sight";
    mur->pDEC->nom = "DECVIDE";
    EXPECT_EQ(ctrl().detecterPerso(a), j) << "an empty definition does not";
    mur->pDEC->nom = "MUR";
    mur->bPhysC = true;
    mur->pChemin = new CChemin();
    EXPECT_EQ(ctrl().detecterPerso(a), j) << "nor a platform on a path";
    mur->bPhysC = false;

    // A player at the eye needs no line of sight.
    j->sprite->x = 0;
    j->sprite->y = 940 + 33.333f;
    EXPECT_EQ(ctrl().detecterPerso(a), j);
    EXPECT_EQ(ctrl().distanceDetection, 0);
}

TEST_F(TestIA, ChoixDuJoueur)
{
    CPerso* a = ia(0, Y_IA);
    CPerso* loin = perso(-600, Y_CIBLE);
    CPerso* pres = perso(300, Y_CIBLE);
    EXPECT_EQ(ctrl().detecterPerso(a), pres) << "the nearer of two players";
    EXPECT_EQ(a->direction, 0);
    EXPECT_EQ(a->angleVisee, 90);

    // A player right above, alone: the starting slope of 1.57 (no division by zero).
    pres->sprite->x = 0;
    pres->sprite->y = Y_CIBLE - 100;
    loin->sprite->setVisible(false);
    EXPECT_EQ(ctrl().detecterPerso(a), pres);
    EXPECT_EQ(a->angleVisee, 179);

    struct Cas {
        const char* nom;
        std::function<void(CPerso&)> regler;
    } ignores[] = {
        {"paralysed", [](CPerso& p) { p.bParalyse = true; }},
        {"dead", [](CPerso& p) { p.mode = MORT; }},
        {"hidden", [](CPerso& p) { p.sprite->setVisible(false); }},
    };
    loin->sprite->setVisible(true);
    for (const Cas& c : ignores) {
        c.regler(*loin);
        c.regler(*pres);
        EXPECT_EQ(ctrl().detecterPerso(a), nullptr) << c.nom << " players are ignored";
        for (CPerso* p : {loin, pres}) {
            p->bParalyse = false;
            p->mode = ARRET;
            p->sprite->setVisible(true);
        }
    }
    EXPECT_EQ(ctrl().detecterPerso(a), pres);
    jeu->bModeFantome = true;
    EXPECT_EQ(ctrl().detecterPerso(a), nullptr) << "ghost mode";
}

// The alert counter counts detections: it lasts as long in seconds at 30 and 60 frames per
// second, with its mark added once and removed once.
TEST_F(TestIA, CycleDeLAlerte)
{
    int durees[2] = {};
    for (int k = 0; k < 2; ++k) {
        coefficient(COEFFICIENTS[k]);
        vider();
        CPerso* a = ia(0, Y_IA);
        a->mode = LIBRE_15;
        a->bDetection = true;
        CPerso* j = perso(300, Y_CIBLE);
        ctrl().majIA();
        ASSERT_EQ(a->compteurAlerte, 30);
        ASSERT_EQ(a->sprite->overs.count("Alerte"), 1u) << "the mark shows";
        EXPECT_EQ(a->pPersoDetecte, j);
        j->sprite->setVisible(false);
        int n = 0;
        while (a->sprite->overs.count("Alerte") && n < 5000) {
            ctrl().majIA();
            ++n;
        }
        EXPECT_EQ(a->compteurAlerte, -1) << "calm again";
        EXPECT_EQ(a->pPersoDetecte, nullptr);
        durees[k] = n;
    }
    EXPECT_EQ(durees[0], 31 * 15) << "30 detections down to 0, one more removes the mark";
    EXPECT_EQ(durees[1], 2 * durees[0]) << "twice the frames at 60 per second";
}

TEST_F(TestIA, AlerteGenerale)
{
    struct Cas {
        const char* nom;
        float x, y;
        int faction, compteur;
        bool del, source;
        int compteurApres;
        bool marque;
        int direction;
    } cas[] = {
        {"in range, faction 2", 400, 500, 2, -1, false, false, 30, true, 1},
        {"other faction", 400, 500, 1, -1, false, false, -1, false, 0},
        {"too far on y", 400, 901, 2, -1, false, false, -1, false, 0},
        {"already alerted", 400, 500, 2, 10, false, false, 10, false, 0},
        {"removed", 400, 500, 2, -1, true, false, -1, false, 0},
        {"the source", 400, 500, 2, -1, false, true, -1, false, 0},
    };
    for (const Cas& c : cas) {
        vider();
        CPerso* a = ia(c.x, c.y);
        a->faction = c.faction;
        a->compteurAlerte = c.compteur;
        a->bDel = c.del;
        ctrl().alerteGenerale(c.source ? a : nullptr, 300, 500, 1, 400);
        EXPECT_EQ(a->compteurAlerte, c.compteurApres) << c.nom;
        EXPECT_EQ(a->sprite->overs.count("Alerte"), c.marque ? 1u : 0u) << c.nom;
        EXPECT_EQ(a->direction, c.direction) << c.nom << ": turned toward the point";
    }
    vider();
    CPerso* a = ia(350, 500);
    a->faction = 2;
    ctrl().alerteGenerale(nullptr, 300, 500, 1, 400);
    ctrl().alerteGenerale(nullptr, 300, 500, 0, 400);
    EXPECT_EQ(a->compteurAlerte, 0) << "mode 0 calms";
    EXPECT_EQ(a->sprite->overs.count("Alerte"), 0u);
    ctrl().alerteGenerale(nullptr, 300, 500, 3, 400);
    EXPECT_EQ(a->compteurAlerte, 0) << "other modes do nothing";
}

TEST_F(TestIA, AngleDeTirEnPasDeVisee)
{
    struct Cas {
        int max;
        float angle;
        float angleApres;
        int visee, retour;
    } cas[] = {
        // Clamped into the allowed sectors, row by row of the table.
        {30, 10, 15, 10, 1},   {30, 350, 345, 10, 1},  {30, 170, 165, 4, 1},   {30, 190, 195, 13, 1},
        {45, 20, 35, 0, 1},    {45, 340, 325, 0, 1},   {45, 180, 145, 13, 1},  {45, 200, 215, 13, 1},
        {70, 50, 55, 11, 1},   {70, 310, 305, 11, 1},  {70, 130, 120, 2, 1},   {70, 235, 240, 2, 1},
        {90, 70, 80, 1, 1},    {90, 300, 280, 1, 1},   {90, 110, 100, 12, 1},  {90, 250, 260, 12, 1},
        // Unclamped: only the step, by sector.
        {90, 90, 90, 1, 0},    {0, 350, 350, 3, 0},    {0, 5, 5, 3, 0},        {0, 20, 20, 10, 0},
        {0, 40, 40, 0, 0},     {0, 60, 60, 11, 0},     {0, 130, 130, 2, 0},    {0, 180, 180, 4, 0},
        {0, 215, 215, 13, 0},  {0, 250, 250, 12, 0},   {0, 310, 310, 0, 0},    {0, 345, 345, 10, 0},
        // -1 resets.
        {-1, 200, -1, -1, 1},
    };
    CPerso p;
    for (const Cas& c : cas) {
        p.angleVisee = c.angle;
        p.visee = 99;
        EXPECT_EQ(ctrl().initAngleTir(&p, c.max), c.retour) << "max " << c.max << ", angle " << c.angle;
        EXPECT_EQ(p.angleVisee, c.angleApres) << "max " << c.max << ", angle " << c.angle;
        EXPECT_EQ(p.visee, c.visee) << "max " << c.max << ", angle " << c.angle;
    }
    EXPECT_EQ(ctrl().initAngleTir(nullptr, 45), 0);
}

TEST_F(TestIA, UnIdDejaPrisNEstPasRefait)
{
    installerHooksPersoDef();  // every bank owns a character definition
    auto* b = new CDEC();
    b->nom = "GARDE";
    b->planche.create(20, 40, sf::Color::White);
    b->ajouterAnimDec(0, 0, 1, 20, 40, 1.0f, 0);
    b->pPersoDef->id = "GARDE";
    decor->modelesPersos["GARDE"] = b;
    EXPECT_FALSE(ctrl().persoExiste("GARDE"));
    CPerso* premier = decor->creerIA("GARDE", 100, 100, 0, 1, 1, 0, 0, 0, false);
    ASSERT_NE(premier, nullptr);
    EXPECT_TRUE(ctrl().persoExiste("GARDE"));
    EXPECT_EQ(decor->creerIA("GARDE", 200, 100, 0, 1, 1, 0, 0, 0, false), nullptr)
        << "a model whose id an AI of the level has is not made twice";
    premier->id = "GARDE_1";
    EXPECT_NE(decor->creerIA("GARDE", 200, 100, 0, 1, 1, 0, 0, 0, false), nullptr) << "once renamed it is";
}

} // namespace
