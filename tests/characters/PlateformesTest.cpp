// What the ground under the feet does to a character: bounce pads, moving, sliding and
// collapsing platforms, and digging.
#include "OutilsMouvement.h"

#include "characters/EtatsPerso.h"
#include "core/Chemin.h"
#include "core/Commandes.h"
#include "level/Creusement.h"

#include <algorithm>

namespace {

class Plateformes : public Mouvement {
protected:
    // A pad 200 pixels wide whose top row is 500, with a character standing on it.
    CSPRITE* tremplin()
    {
        CSPRITE* pad = bloc(0, 500, 200, 40);
        pad->bPhysR = true;
        pad->pPhysR = new CPhysRebond();
        return pad;
    }
    // Frames of an idle player (the drawing runs the bounce check), until its first fall after
    // the bounce; the highest point of the feet.
    float rebondir(CPerso* p, bool sautTenu)
    {
        CommandesJoueur c{};
        float haut = y(p);
        for (int i = 0; i < 400 && !(p->mode == EtatPerso::CHUTE_SAUT); ++i) {
            c.bSautMaintenu = sautTenu && p->mode == EtatPerso::REBOND;
            p->appliquerCommandes(c);
            p->testRebond();
            haut = std::min(haut, y(p));
        }
        return haut;
    }
    bool liste(const CPerso* p, const CSPRITE* sd) const
    {
        return std::find(p->plateformes.begin(), p->plateformes.end(), sd) != p->plateformes.end();
    }
};

} // namespace

TEST_F(Plateformes, UnTremplinEnEtat2LanceEtEstRemisAZero)
{
    CSPRITE* pad = tremplin();
    pad->pPhysR->etat = 2;
    CPerso* p = perso(100, 500);
    p->poserAuSol(nullptr);
    EXPECT_TRUE(liste(p, pad)) << "the pad under the feet is listed";
    p->testRebond();
    EXPECT_EQ(p->mode, EtatPerso::REBOND);
    EXPECT_EQ(y(p), 488) << "lifted 12 pixels at once";
    EXPECT_EQ(pad->pPhysR->etat, 0) << "the launch is taken";
    EXPECT_FALSE(liste(p, pad)) << "an idle pad leaves the list";

    // Launched while the character has left it: the pad is reset, nobody rises.
    pad->pPhysR->etat = 2;
    CPerso* loin = perso(400, 300);
    loin->plateformes.push_back(pad);
    loin->testRebond();
    EXPECT_EQ(loin->mode, EtatPerso::ARRET);
    EXPECT_EQ(pad->pPhysR->etat, 0);
}

TEST_F(Plateformes, UnSautTenuDoubleLaMonteeUneFoisParRebond)
{
    // Standing on an idle pad: pressed on the first frame, launched on the second; the rise
    // lasts maxSautAuto frames at vitesseSaut (16 x 9), twice as long with jump held.
    for (float c : COEFFICIENTS)
        for (bool tenu : {false, true}) {
            coefficient(c);
            tremplin();
            CPerso* p = perso(100, 500);
            p->vitesseSaut = 9;
            p->maxSautAuto = 16;
            const float montee = 500 - rebondir(p, tenu);
            EXPECT_NEAR(montee, 12 + (tenu ? 2 : 1) * 16 * 9, c < 1 ? 4.5f : 0.0f)
                << "jump held " << tenu << " at " << c;
            EXPECT_EQ(p->compteurSautAuto, tenu ? 3 + images(32) : images(16)) << "extended once at most";
            TearDown();
            SetUp();
        }
}

TEST_F(Plateformes, PlateformeMobileGlissanteEtEffondrement)
{
    // A path platform carries the character by its last step when the head space holds
    // nothing but the platform.
    struct Cas {
        bool obstacle, enMarche, enPause, boite;
        float xFinal;
    };
    const Cas cas[] = {
        {false, false, false, false, 105}, {true, false, false, false, 100},
        {false, true, false, false, 100},  {false, false, true, false, 100},
        {false, false, false, true, 105},  // the probe meets the platform itself
    };
    for (const Cas& k : cas) {
        CSPRITE* plat = k.boite ? bloc(0, 480, 200, 40, 2) : bloc(0, 500, 200, 40);
        plat->bPhysC = true;
        plat->pChemin = new CChemin();
        plat->pChemin->decalageX = 5;
        plat->pChemin->bPause = k.enPause;
        if (k.obstacle)
            bloc(90, 450, 20, 10, 2);
        CPerso* p = perso(100, 500);
        p->bMarche = k.enMarche;
        EXPECT_EQ(p->suivrePlateforme(100, 500, plat), 0);
        EXPECT_EQ(x(p), k.xFinal) << "obstacle " << k.obstacle << " walking " << k.enMarche << " paused "
                                  << k.enPause << " box " << k.boite;
        TearDown();
        SetUp();
    }

    // A collapsing platform is set off by the first character on it.
    CSPRITE* pont = bloc(0, 500, 200, 40);
    pont->bPhysE = true;
    pont->pPhysE = new CPhysEffondrement();
    CPerso* p = perso(100, 500);
    p->poserAuSol(nullptr);
    EXPECT_FALSE(pont->pPhysE->bEnAttente) << "the trigger is consumed";

    // Codes before anything else: to be removed, hidden.
    p->bDel = true;
    EXPECT_EQ(p->suivrePlateforme(100, 500, pont), 10);
    p->bDel = false;
    p->sprite->setVisible(false);
    EXPECT_EQ(p->suivrePlateforme(100, 500, pont), 9);
}

TEST_F(Plateformes, UnePlateformeInclineePousseLaMarche)
{
    for (float c : COEFFICIENTS) {
        coefficient(c);
        // Turned 45 degrees about its top-left corner at (0, 500): slide value trunc(8 sin 45) = 5.
        CSPRITE* pente = bloc(0, 500, 400, 40);
        pente->setRotation(45);
        pente->bPhysG = true;
        pente->pPhysG = new CPhysG();
        CPerso* p = perso(100, 600);  // the surface at x = 100 is at y = 600
        p->vitesse = 4;
        p->poserAuSol(nullptr);
        const float depart = x(p);
        EXPECT_EQ(p->decalagePlateforme, 5);
        p->vitesse = 4;
        for (int i = 0; i < images(1); ++i)
            p->marcher(0, 1);
        EXPECT_NEAR(x(p) - depart, 4 + 5, 0.01f) << "walk plus slide at " << c;
        TearDown();
        SetUp();
    }
}

TEST_F(Plateformes, CreuserSelonLeSol)
{
    CSPRITE* meuble = blocMeuble(0, 500, 400, 100);
    CSPRITE* dur = bloc(400, 500, 400, 100);
    CPerso* p = perso(100, 500);
    p->maxSaut = 14;
    p->vitesseSaut = 9;
    jeu->pPerso = p;  // holes get their maximum depth from the player

    p->support = dur;
    p->creuser();
    EXPECT_TRUE(decor->creusements.empty()) << "hard ground takes no hole";
    p->support = nullptr;
    p->creuser();
    EXPECT_TRUE(decor->creusements.empty()) << "nothing under the feet: no hole";
    p->support = meuble;
    p->creuser();
    ASSERT_EQ(decor->creusements.size(), 1u) << "soft ground: a hole at the feet";
    CCreusement& trou = *decor->creusements.front();
    EXPECT_EQ(trou.rectX, 55);

    // Standing on the floor of a hole digs it one step deeper, down to its maximum.
    const int profondeur = trou.profondeur;
    p->support = decor->pSDCreusement;
    p->creuser();
    EXPECT_EQ(trou.profondeur, profondeur + 10);
    for (int i = 0; i < 20; ++i)
        p->creuser();
    EXPECT_GE(float(trou.profondeur), trou.profondeurMax);
    EXPECT_LT(float(trou.profondeur), trou.profondeurMax + 10);
}

TEST_F(Plateformes, UnTremplinLibereParLeNiveauNEstPlusLu)
{
    CSPRITE* pad = tremplin();
    CPerso* p = perso(100, 500);
    CPerso* enfant = new CPerso();
    p->enfants.push_back(enfant);
    p->nbEnfants = 1;
    p->poserAuSol(nullptr);
    enfant->plateformes.push_back(pad);
    enfant->support = pad;
    ASSERT_TRUE(liste(p, pad));
    ASSERT_EQ(p->support, pad);
    pad->bASupprimer = true;
    decor->purgerPlans();
    EXPECT_TRUE(p->plateformes.empty());
    EXPECT_EQ(p->support, nullptr);
    EXPECT_TRUE(enfant->plateformes.empty()) << "children forget it too";
    EXPECT_EQ(enfant->support, nullptr);
    p->testRebond();  // under AddressSanitizer: the freed pad is never read
    EXPECT_EQ(p->mode, EtatPerso::ARRET);
}
