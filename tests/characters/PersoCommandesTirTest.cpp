// The firing part of a player's command step: cadence at both frame rates, aim, weapon keys
// and buttons, the turret held. The character stands in the air of an empty level.
#include "OutilsTirs.h"

namespace {

class CommandesTir : public TirsTest {
protected:
    void SetUp() override
    {
        TirsTest::SetUp();
        armes({"ARME=ARME 2;Pistolet;10;10;60;300"}, 22);
        p = perso(100, 200);
        for (int i = 0; i < 3; ++i)
            donnerArme(*p, i, -1, 10);
    }
    void etape(const CommandesJoueur& c) { p->appliquerCommandes(c); }
    // The frames (from 0) at which holding fire with `tenu(frame)` made a shot.
    std::vector<int> framesDeTir(int nbFrames, const std::function<bool(int)>& tenu)
    {
        std::vector<int> frames;
        for (int f = 0; f < nbFrames; ++f) {
            const size_t avant = liste().tirs.size();
            CommandesJoueur c{};
            c.bTirMaintenu = tenu(f);
            etape(c);
            if (liste().tirs.size() > avant)
                frames.push_back(f);
        }
        return frames;
    }
    CPerso* p = nullptr;
};

TEST_F(CommandesTir, CadenceAtBothFrameRates)
{
    EXPECT_EQ(framesDeTir(30, [](int) { return true; }), (std::vector<int>{0, 10, 20})) << "at 30 per second";
    coeff = 0.5f;
    p->compteurCadence = 0;
    EXPECT_EQ(framesDeTir(60, [](int) { return true; }), (std::vector<int>{0, 20, 40})) << "at 60 per second";
    coeff = 1;
    p->compteurCadence = 0;
    EXPECT_EQ(framesDeTir(15, [](int f) { return f == 0 || f >= 5; }), (std::vector<int>{0, 10}))
        << "pressing again during the cooldown fires nothing";
}

TEST_F(CommandesTir, AimFromKeysAndRightStick)
{
    struct Cas {
        bool haut, bas, gauche, droite;
        int direction;
        float stickX, stickY;
        int visee;
        float angle;
        int directionApres;
    };
    const Cas cas[] = {
        {true, false, false, true, 0, 0, 0, 0, 45, 0},      {false, false, false, false, 1, 0, 0, 1, 270, 1},
        {false, true, true, false, 1, 0, 0, 2, 225, 1},     {false, true, false, false, 1, 0, 0, 4, 180, 1},
        {true, false, false, false, 1, 0, 0, 3, 360, 1},    {true, true, false, false, 0, 0, 0, 3, 0, 0},
        // The right stick: up is the negative side, as for the left stick's up command.
        {false, false, false, false, 1, 100, 0, 6, 90, 0},  {false, false, false, false, 0, 0, -100, 6, 0, 0},
        {false, false, false, false, 0, 30, 30, 6, 135, 0}, {true, false, false, false, 0, 20, 20, 3, 0, 0},
        // The side held turns the character this frame, and the aim with it.
        {true, false, true, false, 0, 0, 0, 0, 315, 1},      {false, true, false, true, 1, 0, 0, 2, 135, 0},
    };
    for (const Cas& c : cas) {
        p->setDirection(c.direction);
        CommandesJoueur cmd{};
        cmd.bHautClavier = c.haut;
        cmd.bBasClavier = c.bas;
        cmd.bGauche = c.gauche;
        cmd.bDroite = c.droite;
        cmd.stickDX = c.stickX;
        cmd.stickDY = c.stickY;
        etape(cmd);
        EXPECT_EQ(p->visee, c.visee) << "up " << c.haut << " down " << c.bas << " sides " << c.gauche << c.droite
                                     << " stick " << c.stickX << "," << c.stickY;
        EXPECT_NEAR(p->angleVisee, c.angle, 1e-3) << "stick " << c.stickX << "," << c.stickY;
        EXPECT_EQ(p->direction, c.directionApres) << "stick " << c.stickX << "," << c.stickY;
    }
    jeu->typeJeu = 1;
    p->visee = -1;
    p->angleVisee = -1;
    CommandesJoueur haut{};
    haut.bHautClavier = true;
    etape(haut);
    EXPECT_EQ(p->visee, -1) << "chrono levels keep the aim level start set";
    EXPECT_EQ(p->angleVisee, -1);
}

TEST_F(CommandesTir, WeaponButtonsAndKeysSwitchOnce)
{
    struct Cas {
        bool CommandesJoueur::*commande;
        int nbFrames;
        int attendu;
    };
    const Cas cas[] = {
        {&CommandesJoueur::bRelRB, 1, 1},
        {&CommandesJoueur::bArmeSuivante, 10, 1},
        {&CommandesJoueur::bRelLB, 1, 2},
        {&CommandesJoueur::bArmePrecedente, 10, 2},
    };
    for (const Cas& c : cas) {
        p->armeCourante = 0;
        for (int f = 0; f < c.nbFrames; ++f) {
            CommandesJoueur cmd{};
            cmd.*c.commande = true;
            etape(cmd);
        }
        etape(CommandesJoueur{});
        EXPECT_EQ(p->armeCourante, c.attendu) << "held for " << c.nbFrames << " frames: one switch";
    }
}

TEST_F(CommandesTir, TurretHeldAimsAndFires)
{
    CPerso* t = perso(300, 200, 5, true);
    t->id = "TOURELLE_CONTROLABLE";
    t->direction = 0;
    donnerArme(*t, 0, -1);
    auto* canon = new CPerso();
    t->enfants.push_back(canon);
    t->nbEnfants = 1;
    p->tourelle = t;
    p->mode = EtatPerso::CONTROLE_TOURELLE;
    CommandesJoueur c{};
    c.stickDX = 100;
    c.stickDY = 60;  // down and right: 121 degrees
    etape(c);
    EXPECT_EQ(canon->sprite->rotangle, 30) << "the barrel turns with the aim";
    EXPECT_TRUE(liste().tirs.empty()) << "no fire held";
    c.bTirMaintenu = true;
    etape(c);
    ASSERT_EQ(liste().tirs.size(), 1u);
    EXPECT_EQ(liste().tirs.front()->pTireur, t) << "the turret fires, not its gunner";
    EXPECT_NEAR(liste().tirs.front()->angle, 120.96f, 0.01f);
}

} // namespace
