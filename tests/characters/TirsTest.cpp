// Shots in flight on small levels: sub-steps and range at both frame rates, mines, bounces,
// arrows, friendly fire, head and knee zones, fragments, lost shooters, detonation, boxes.
#include "OutilsTirs.h"

#include <cmath>
#include <set>

namespace {

enum Arme { PISTOLET, RAPIDE, MINE, GRENADE, ARC, MISSILE, FEU, FUSIL, ECLATS, LASER, ROCKER };

const std::vector<std::string> ARMES = {
    "ARME=ARME 2;Pistolet;10;10;60;300",   "ARME=ARME 12;Rapide;15;10;60;300", "ARME=ARME 4;Mine;0;60;6;1",
    "ARME=ARME 9;Grenade;9;80;8;500",      "ARME=ARME 8;Arc;20;40;20;900",     "ARME=ARME 10;Missile;6;100;4;1200",
    "ARME=ARME 1;Feu;8;4;300;260",         "ARME=ARME 3;Fusil;16;25;24;900",   "ARME=ARME 9-1;Eclats;12;20;0;200",
    "ARME=ARME 5;Laser;20;15;40;1000",     "ARME=ARME 6;Rocker;10;30;10;600",
};

class Tirs : public TirsTest {
protected:
    void SetUp() override
    {
        TirsTest::SetUp();
        armes(ARMES, 22);
        tireur = perso(2000, 2000);
    }
    void viderPersos()
    {
        for (CPerso* p : decor->persos)
            if (p != tireur)
                delete p;
        for (CPerso* p : decor->ias)
            delete p;
        decor->persos.assign(1, tireur);
        decor->ias.clear();
    }
    CPerso* tireur = nullptr;
};

TEST_F(Tirs, SubStepsAndRange)
{
    struct Cas {
        Arme arme;
        int portee;     // -999: the weapon's
        float vitesse;  // -999: the weapon's
        int mur;        // x of a wall 2 pixels thick; 0: none
        int xApres;     // after one frame; -1: the shot is gone
        int etat;
    };
    const Cas cas[] = {
        {PISTOLET, -999, -999, 0, 110, CTir::VOL},      {PISTOLET, -999, -999, 105, 105, CTir::IMPACT_DECOR},
        {RAPIDE, -999, -999, 0, 118, CTir::VOL},        {RAPIDE, -999, -999, 106, 106, CTir::IMPACT_DECOR},
        {PISTOLET, 10, -999, 0, -1, 0},                 {PISTOLET, -999, -5, 0, -1, 0},
    };
    for (const Cas& c : cas) {
        liste().viderTirs();
        plan().vider();
        jeu->sons.clear();
        if (c.mur)
            mur(float(c.mur), 290, 2, 20);
        CTir* t = enVol(c.arme, 100, 300, 0, 90, tireur);
        if (c.portee != -999)
            t->porteeRestante = c.portee;
        if (c.vitesse != -999)
            t->vitesse = c.vitesse;
        liste().majTirs();
        const std::string nom = "weapon " + std::to_string(c.arme) + " range " + std::to_string(c.portee) +
                                " speed " + std::to_string(c.vitesse) + " wall " + std::to_string(c.mur);
        if (c.xApres < 0) {
            EXPECT_TRUE(liste().tirs.empty()) << nom << ": finished before moving";
            EXPECT_TRUE(jeu->sons.empty()) << nom << ": without a sound";
            continue;
        }
        ASSERT_EQ(liste().tirs.size(), 1u) << nom;
        EXPECT_EQ(t->x, c.xApres) << nom;
        EXPECT_EQ(t->y, 300) << nom;
        EXPECT_EQ(t->etat, c.etat) << nom;
        EXPECT_EQ(nbSons("EXPLOSION"), c.etat == CTir::IMPACT_DECOR ? 1 : 0) << nom;
    }
    liste().viderTirs();
    enVol(PISTOLET, 100, 300, 0, 90, tireur)->porteeRestante = 15;
    liste().majTirs();
    EXPECT_EQ(liste().tirs.size(), 1u) << "range 15 at speed 10: one frame of flight";
    liste().majTirs();
    EXPECT_TRUE(liste().tirs.empty()) << "then the range is spent";
}

// The same shot at 30 and at 60 frames per second: when it stops flying and where.
TEST_F(Tirs, SameFlightAtBothFrameRates)
{
    // A shot ending in frame N at 30 per second (at the moment N - 1) ends in frame 2N - 1 at 60.
    struct Cas {
        Arme arme;
        float angle;
        int decalageFrames;  // frames at 60 minus 2N - 1
        int ecart;           // pixels
    };
    const Cas cas[] = {
        {PISTOLET, 90, 0, 0}, {RAPIDE, 270, 0, 0}, {PISTOLET, 45, 0, 0}, {FUSIL, 135, 0, 0}, {GRENADE, 60, 0, 4},
        // Curving shots turn a little in each frame, so they follow a slightly finer curve; the
        // missile ignites when its timer, counted in frames, runs out. They end within a
        // 30-per-second frame's time and travel.
        {FEU, 90, 0, 8}, {ARC, 100, -2, 24}, {MISSILE, 90, 2, 60},
    };
    for (const Cas& c : cas) {
        int frames[2] = {0, 0};
        sf::Vector2i fin[2];
        for (int i = 0; i < 2; ++i) {
            coeff = i == 0 ? 1.0f : 0.5f;
            liste().viderTirs();
            CTir* t = enVol(c.arme, 1000, 1000, 0, c.angle, tireur);
            ASSERT_NE(t, nullptr);
            while (frames[i] < 2000 && liste().tirs.size() == 1 && t->etat == CTir::VOL) {
                fin[i] = {t->x, t->y};
                liste().majTirs();
                ++frames[i];
            }
            if (liste().tirs.size() == 1 && t->etat != CTir::VOL)
                fin[i] = {t->x, t->y};
        }
        EXPECT_EQ(frames[1], 2 * frames[0] - 1 + c.decalageFrames) << "weapon " << c.arme << " at " << c.angle;
        EXPECT_LE(std::abs(fin[1].x - fin[0].x), c.ecart) << "weapon " << c.arme << " at " << c.angle;
        EXPECT_LE(std::abs(fin[1].y - fin[0].y), c.ecart) << "weapon " << c.arme << " at " << c.angle;
        EXPECT_GT(frames[0], 5) << "weapon " << c.arme << " flew";
    }
}

TEST_F(Tirs, MineFallsRestsAndArms)
{
    mur(0, 300, 400, 40);
    CPerso* joueur = perso(100, 300);
    ASSERT_EQ(liste().tirer(MINE, 100, 200, 0, 30, false, joueur), 1);
    CTir* m = liste().tirs.back();
    EXPECT_EQ(m->angle, 90) << "a mine ignores the angle asked";
    m->etat = CTir::VOL;
    for (int f = 1; f <= 60; ++f) {
        liste().majTirs();
        if (f == 1) {
            EXPECT_EQ(m->y, 205) << "nothing within 10 pixels: 5 per probe";
        }
        if (f == 19) {
            EXPECT_EQ(m->y, 291) << "the floor within 10 pixels: 1 per probe";
        }
        if (f == 30) {
            EXPECT_EQ(m->y, 298) << "rests on the floor";
        }
        if (f < 60) {
            ASSERT_EQ(joueur->vie, 100) << "harmless while arming, frame " << f;
        }
    }
    EXPECT_EQ(joueur->vie, 40) << "armed, it hurts its own shooter";
    EXPECT_EQ(m->etat, CTir::IMPACT_PERSO);
}

TEST_F(Tirs, GrenadeBouncesAndArrowQuivers)
{
    mur(90, 290, 20, 20);
    struct Cas {
        float angle;
        int contacts;
        float attendu;
    };
    for (const Cas& c : {Cas{45, 0, 135}, Cas{200, 0, 290}, Cas{135, 1, 315}, Cas{10, 2, 280}, Cas{370, 0, 10}}) {
        CTir* t = enVol(GRENADE, 100, 300, 0, c.angle, tireur);
        t->nbContacts = c.contacts;
        EXPECT_EQ(liste().testerImpact(t), 6) << c.angle;
        EXPECT_EQ(t->angle, c.attendu) << "heading " << c.angle << " after " << c.contacts << " contacts";
        EXPECT_EQ(t->nbContacts, c.contacts + 1);
    }
    CTir* t = enVol(GRENADE, 100, 300, 0, 45, tireur);
    t->minuterie2 = 0;
    EXPECT_EQ(liste().testerImpact(t), 1) << "its countdown over, it explodes";
    t = enVol(GRENADE, 10, 10, 0, 45, tireur);
    t->nbContacts = 3;
    EXPECT_EQ(liste().testerImpact(t), 0);
    EXPECT_EQ(t->nbContacts, 0) << "out of the decor";
    EXPECT_FLOAT_EQ(t->vitesse, 8.95f) << "the air slows it";

    // An arrow sticks, quivers ten frames and ends at the angle it stuck at.
    liste().viderTirs();
    mur(130, 200, 20, 200);
    CTir* f = enVol(ARC, 100, 300, 0, 90, tireur);
    for (int i = 0; i < 5 && f->etat == CTir::VOL; ++i)
        liste().majTirs();
    ASSERT_EQ(f->etat, CTir::IMPACT_DECOR);
    EXPECT_EQ(nbSons("IMPACT_FLECHE"), 1);
    const float planteA = f->angle - 20;  // the impact already made the first swing
    std::set<float> vus;
    for (int i = 0; i < 9; ++i) {
        liste().majTirs();
        vus.insert(f->angle);
    }
    EXPECT_GT(vus.size(), 5u) << "it swings";
    for (int i = 0; i < 40; ++i) {
        liste().majTirs();
        liste().afficherTirs(ecran());
    }
    EXPECT_FLOAT_EQ(f->angle, planteA) << "and stays at the angle it stuck at";
    EXPECT_EQ(liste().tirs.size(), 1u) << "an arrow stays in the decor";
}

TEST_F(Tirs, FriendlyFireAndProtection)
{
    enum Tireur { JOUEUR0, IA, TOURELLE_J1 };
    struct Cas {
        bool victimeIA;
        int numVictime;
        bool paralyse, morte;
        Arme arme;
        Tireur qui;
        bool protege;
        int modeCollisions;
        int attendu;
    };
    const Cas cas[] = {
        {false, 1, false, false, PISTOLET, JOUEUR0, false, 0, 4},
        {false, 0, false, false, PISTOLET, JOUEUR0, false, 0, 0},
        {false, 0, true, false, PISTOLET, JOUEUR0, false, 0, 4},
        {false, 1, true, false, PISTOLET, JOUEUR0, false, 0, 0},
        {false, 0, false, true, PISTOLET, JOUEUR0, false, 0, 4},
        {false, 0, false, false, GRENADE, JOUEUR0, false, 0, 4},
        {false, 0, false, false, ECLATS, JOUEUR0, false, 0, 4},
        {false, 0, false, false, MINE, JOUEUR0, false, 0, 4},
        {true, 0, false, false, PISTOLET, JOUEUR0, false, 1, 2},
        {true, 0, false, false, PISTOLET, JOUEUR0, false, 0, 0},
        {false, 0, false, false, PISTOLET, IA, false, 0, 2},
        {true, 0, false, false, PISTOLET, IA, false, 1, 0},
        {false, 0, false, false, PISTOLET, TOURELLE_J1, false, 0, 4},
        {false, 1, false, false, PISTOLET, JOUEUR0, true, 0, 0},
    };
    int n = 0;
    for (const Cas& c : cas) {
        viderPersos();
        tireur->modeIA = c.qui == JOUEUR0 ? -1 : 1;
        tireur->id = c.qui == TOURELLE_J1 ? "TOURELLE_CONTROLABLE" : "";
        tireur->numJoueur = c.qui == TOURELLE_J1 ? 1 : 0;
        CPerso* v = perso(100, 100, c.numVictime, c.victimeIA);
        v->modeCollisions = c.modeCollisions;
        v->bParalyse = c.paralyse;
        v->mode = c.morte ? EtatPerso::MORT : 0;
        v->sprite->ID = "ZADIRIREZI_J1";
        jeu->commandes[c.numVictime].bSuperPouvoir = c.protege;
        CTir* t = enVol(c.arme, 100, 80, 0, 90, tireur);
        t->minuterie = 0;
        EXPECT_EQ(liste().testerImpact(t), c.attendu) << "case " << n;
        const int degats = liste().arme(c.arme)->degats;
        // A body takes no more damage, only a message.
        EXPECT_EQ(v->vie + v->vieParalysie, c.attendu && !c.morte ? 200 - degats : 200) << "case " << n;
        if (c.attendu) {
            EXPECT_EQ(v->dernierAttaquant, tireur) << "case " << n;
        }
        jeu->commandes[c.numVictime].bSuperPouvoir = false;
        ++n;
    }
    // Whom nothing hurts: removed, finished dying, hidden; and a shot still arming.
    viderPersos();
    tireur->modeIA = -1;
    tireur->numJoueur = 0;
    for (int i = 0; i < 4; ++i) {
        CPerso* v = perso(100, 100, 1);
        v->bDel = i == 0;
        v->bMortLancee = i == 1;
        v->sprite->bVisible = i != 2;
        CTir* t = enVol(PISTOLET, 100, 80, 0, 90, tireur);
        t->minuterie = i == 3 ? 1 : 0;
        EXPECT_EQ(liste().testerImpact(t), 0) << "case " << i;
        viderPersos();
    }
}

TEST_F(Tirs, HeadAndKneeZonesOfPlayers)
{
    // The 40-pixel player standing on y 100: head above 32 pixels, knee below 16.
    struct Cas {
        Arme arme;
        int reglage, y, perte;
        bool tete, genou;
    };
    const Cas cas[] = {
        {ARC, 0, 62, 100, true, false},   {ARC, 0, 80, 40, false, false},  {ARC, 0, 95, 5, false, true},
        {ARC, 1, 62, 0, true, false},     {ARC, 1, 80, 40, false, false},  {ARC, 1, 95, 5, false, true},
        {ARC, 3, 62, 150, true, false},   {ARC, 4, 95, 2, false, true},
        {LASER, 0, 62, 100, true, false}, {PISTOLET, 0, 62, 10, false, false},
    };
    for (const Cas& c : cas) {
        viderPersos();
        CPerso* v = perso(100, 100, 1);
        v->vie = v->vieMax = 1000;  // the losses are read whole: nobody dies of them
        jeu->pOptionsMulti->reglageJ2 = c.reglage;
        CTir* t = enVol(c.arme, 104, c.y, 0, 90, tireur);
        EXPECT_EQ(liste().testerImpact(t), 4);
        const std::string nom = "weapon " + std::to_string(c.arme) + " setting " + std::to_string(c.reglage) +
                                " at y " + std::to_string(c.y);
        EXPECT_EQ(1000 - v->vie, c.perte) << nom;
        // The hit's message consumes the zone: a head shot leaves its mark unless a helmet
        // stopped it, a knee shot its arrow.
        EXPECT_EQ(v->bToucheTete, c.tete && c.reglage != 1 && c.reglage != 4) << nom;
        EXPECT_EQ(v->bFlecheGenou, c.genou) << nom;
        EXPECT_EQ(v->derniereArme, liste().arme(c.arme)->nom) << nom;
    }
    viderPersos();
    CPerso* v = perso(100, 100, 1);
    v->derniereArme = "FANTOME";
    liste().testerImpact(enVol(PISTOLET, 100, 80, 0, 90, tireur));
    EXPECT_EQ(v->derniereArme, "FANTOME") << "the spirit's blow keeps its name";
    EXPECT_EQ(v->dernierAttaquant, nullptr);
}

TEST_F(Tirs, FragmentsOfGrenadesAndMissiles)
{
    auto eclatsApres = [&](Arme arme, float angle, bool avecMur) {
        liste().viderTirs();
        plan().vider();
        if (avecMur)
            mur(100, 0, 50, 600);
        CTir* t = enVol(arme, 95, 300, 0, angle, tireur);
        t->minuterie = 0;
        t->minuterie2 = 0;
        liste().majTirs();
        std::vector<CTir*> eclats;
        for (CTir* e : liste().tirs)
            if (e != t)
                eclats.push_back(e);
        return eclats;
    };
    struct Cas {
        Arme arme;
        float angle;
        int nombre, pas, direction;
    };
    for (const Cas& c : {Cas{GRENADE, 90, 18, 20, 0}, Cas{GRENADE, 200, 18, 20, 1}, Cas{MISSILE, 90, 36, 10, 0}}) {
        jeu->sons.clear();
        const std::vector<CTir*> eclats = eclatsApres(c.arme, c.angle, c.arme == MISSILE);
        ASSERT_EQ(int(eclats.size()), c.nombre) << "weapon " << c.arme;
        for (int i = 0; i < c.nombre; ++i) {
            EXPECT_EQ(eclats[size_t(i)]->angle, float(i * c.pas)) << "weapon " << c.arme << " fragment " << i;
            EXPECT_EQ(eclats[size_t(i)]->direction, c.direction) << "weapon " << c.arme << " fragment " << i;
        }
        EXPECT_EQ(nbSons("EXPLOSION"), 1);
    }
    armes(ARMES, 21);
    EXPECT_TRUE(eclatsApres(GRENADE, 90, false).empty()) << "no weapon 21, no fragments";

    // Fragments that are grenades themselves never burst: one grenade makes at most 19 shots.
    std::vector<std::string> avecGrenade(ARMES);
    avecGrenade.resize(21, "ARME=ARME Y;Autre;12;7;10;400");
    avecGrenade.push_back("ARME=ARME 9;Grenade;9;80;8;500");
    armes(avecGrenade);
    ASSERT_EQ(eclatsApres(GRENADE, 90, false).size(), 18u);
    size_t plus = 0;
    for (int f = 0; f < 200; ++f) {
        liste().afficherTirs(ecran());
        liste().majTirs();
        plus = std::max(plus, liste().tirs.size());
    }
    EXPECT_LE(plus, 19u);

    liste().viderTirs();
    while (liste().tirer(PISTOLET, 0, 0, 0, 90, false, tireur))
        ASSERT_LE(liste().tirs.size(), CArmes::NB_TIRS_MAX);
    EXPECT_EQ(liste().tirs.size(), CArmes::NB_TIRS_MAX) << "the list takes 4,096 shots at most";
    EXPECT_EQ(liste().tirer(99, 0, 0, 0, 90, false, tireur), 0) << "an unknown weapon fires nothing";
}

TEST_F(Tirs, ShooterFreedInFlight)
{
    CPerso* s = perso(0, 100, 0);
    liste().tirer(PISTOLET, 20, 80, 0, 90, false, s);
    CTir* flash = liste().tirs.back();
    CTir* vol = enVol(PISTOLET, 20, 80, 0, 90, s);
    CTir* grenade = enVol(GRENADE, 500, 500, 0, 90, s);
    decor->persos.remove(s);
    delete s;
    EXPECT_TRUE(flash->bFini) << "a freed character's muzzle flashes end";
    EXPECT_FALSE(vol->bFini) << "its flying shots fly on";
    EXPECT_EQ(vol->pTireur, nullptr);

    CPerso* ia = perso(60, 100, 0, true);
    CPerso* allie = perso(100, 100, 0);
    grenade->minuterie = grenade->minuterie2 = 0;
    for (int f = 0; f < 10; ++f)
        liste().majTirs();
    EXPECT_EQ(ia->vie, 100) << "as an AI's shot it passes AIs";
    EXPECT_EQ(allie->vie, 90) << "and hurts players, of any side";
    int eclats = 0;
    for (const CTir* t : liste().tirs)
        if (t->bFragment) {
            ++eclats;
            EXPECT_EQ(t->pTireur, nullptr);
        }
    EXPECT_EQ(eclats, 18) << "a lost shooter's grenade still bursts";
}

TEST_F(Tirs, MinesDetonateTogether)
{
    CTir* m1 = enVol(MINE, 10, 10, 0, 90, tireur);
    liste().tirer(MINE, 50, 10, 0, 90, false, tireur);
    CTir* m2 = liste().tirs.back();
    CTir* balle = enVol(PISTOLET, 90, 10, 0, 90, tireur);
    liste().declencherExplosions();
    EXPECT_EQ(m1->etat, CTir::IMPACT_PERSO);
    EXPECT_EQ(m2->etat, CTir::IMPACT_PERSO) << "whatever its state";
    EXPECT_EQ(balle->etat, CTir::VOL);
    EXPECT_EQ(nbSons("EXPLOSION"), 2);
}

TEST_F(Tirs, BoxesOfHitAndThreat)
{
    CPerso* p = perso(100, 100);
    struct Cas {
        float rotation;
        int x, y;
        bool touche;
    };
    // Turned by 90 degrees about its feet the 20 x 40 box lies over x 100..140, y 90..110.
    for (const Cas& c : {Cas{0, 100, 70, true}, Cas{0, 120, 100, false}, Cas{90, 120, 100, true},
                         Cas{90, 100, 70, false}}) {
        p->sprite->setRotation(c.rotation);
        CTir t;
        t.x = c.x;
        t.y = c.y;
        EXPECT_EQ(liste().toucheTir(p, &t), c.touche) << "turned " << c.rotation << " at " << c.x << "," << c.y;
    }
    p->sprite->setRotation(0);
    CPerso* fixe = perso(300, 300);
    fixe->sprite->bTailleFixe = true;
    fixe->sprite->largeurFixe = 30;
    fixe->sprite->hauteurFixe = 50;
    CTir t;
    for (const auto& [x, y, touche] : {std::tuple{284, 260, true}, std::tuple{216, 260, false},
                                       std::tuple{300, 246, false}, std::tuple{300, 252, true}}) {
        t.x = x;
        t.y = y;
        EXPECT_EQ(liste().toucheTir(fixe, &t), touche) << "fixed size, centred on its feet: " << x << "," << y;
    }

    struct Menace {
        int x;
        float angle;
        int distance;
        bool vol, attendu;
    };
    for (const Menace& m : {Menace{-100, 90, 250, true, true}, Menace{-100, 90, 150, true, false},
                            Menace{-100, 270, 250, true, false}, Menace{-100, 90, 250, false, false}}) {
        liste().viderTirs();
        CTir* tir = enVol(PISTOLET, m.x, 80, 0, m.angle, tireur);
        if (!m.vol)
            tir->etat = CTir::CANON;
        EXPECT_EQ(liste().tirMenace(p, m.distance), m.attendu)
            << "from " << m.x << " heading " << m.angle << " within " << m.distance;
    }
}

// The super power's damage divisor of each character (the other rules of a hit: CoupsTest).
TEST_F(Tirs, SuperPowerDamageByCharacter)
{
    struct Cas {
        std::string idSprite, id;
        bool sansDegats;
        int degats, vie;
    };
    const Cas cas[] = {
        {"TEUZJ2", "", false, 30, 95},          {"VEVIDIZv3", "", false, 30, 85},
        {"", "RERODEZPERSO_MULTI", false, 30, 85}, {"AUTRE", "", false, 30, 93},
        {"", "", true, 30, 100},
    };
    jeu->typeJeu = 2;
    for (const Cas& c : cas) {
        CPerso* v = perso(0, 0);
        v->sprite->ID = c.idSprite;
        v->id = c.id;
        jeu->commandes[0].bSuperPouvoir = !c.sansDegats;
        v->bSansDegats = c.sansDegats;
        v->prendreCoup(c.degats, 0, 0, 0);
        EXPECT_EQ(v->vie, c.vie) << "sprite " << c.idSprite << " id " << c.id << " without damage " << c.sansDegats;
    }
    jeu->commandes[0].bSuperPouvoir = false;
}

} // namespace
