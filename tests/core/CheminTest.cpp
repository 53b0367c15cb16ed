#include "core/Chemin.h"
#include "core/Sprite.h"
#include "SpriteTestBanque.h"

#include <vector>

namespace {

using Chemin = ServicesSauves;

// Selection steps with 3 key points, from each start index, for both directions.
TEST_F(Chemin, TablesDeSelection)
{
    struct Cas {
        int sens;
        int depart;
        int suivant;    // KPsuivant
        int precedent;  // KPprecedent
    };
    const Cas cas[] = {
        {0, 0, 2, 1}, {0, 1, 0, 2}, {0, 2, 1, 0}, {0, -1, 2, 0},
        {1, 0, 1, 2}, {1, 1, 2, 0}, {1, 2, 0, 1},  // the last key point is reachable forward
    };
    for (const Cas& c : cas) {
        CChemin ch;
        ch.nbKP = 3;
        ch.sens = c.sens;
        ch.numKP = c.depart;
        ch.KPsuivant(nullptr);
        EXPECT_EQ(ch.numKP, c.suivant) << "sens " << c.sens << " from " << c.depart;
        EXPECT_EQ(ch.numKPCible, c.suivant);
        ch.numKP = c.depart;
        ch.KPprecedent(nullptr);
        EXPECT_EQ(ch.numKP, c.precedent) << "sens " << c.sens << " from " << c.depart;
    }
}

TEST_F(Chemin, AjouterMajSupprimer)
{
    int definitions = 0;
    g_services.definitionJeu = [&](const std::string& nom, const std::string& fichier) -> CDEC* {
        EXPECT_EQ(nom, "SPRITE_ANCRAGE_KP");
        EXPECT_EQ(fichier, "./effets/ancrage_kp.dec");
        definitions++;
        return nullptr;
    };
    CSPRITE sd;
    sd.placer(0, 40, 50);
    sd.setRotation(15);
    sd.setScale(2, 3);
    sd.setFlip(true, false);
    sd.setColor(sf::Color(10, 20, 30, 40));

    CChemin ch;
    EXPECT_FALSE(ch.ajouterKP(nullptr));
    ch.numKP = 0;
    EXPECT_TRUE(ch.ajouterKP(&sd));
    EXPECT_EQ(definitions, 1);
    EXPECT_EQ(ch.nbKP, 1);
    EXPECT_EQ(ch.numKP, -1);  // selection cleared
    CAncrageKP* kp = ch.getKP(0);
    ASSERT_NE(kp, nullptr);
    EXPECT_TRUE(kp->pAncre->bAncreKP);
    EXPECT_FLOAT_EQ(kp->pAncre->x, 40);
    EXPECT_FLOAT_EQ(kp->pAncre->y0, 50);
    EXPECT_FLOAT_EQ(kp->pAncre->rotangle, 15);
    EXPECT_EQ(kp->sx, 2);
    EXPECT_EQ(kp->flipH, 1);
    EXPECT_EQ(kp->flipV, 0);
    EXPECT_EQ(kp->a, 40);
    EXPECT_EQ(kp->v, -1);
    EXPECT_FLOAT_EQ(sd.x, 40);  // the sprite does not move

    EXPECT_FALSE(ch.majKP(&sd, 1, 2, 3, 4));  // nothing selected
    ch.numKP = 0;
    EXPECT_FALSE(ch.majKP(nullptr, 1, 2, 3, 4));
    sd.setScale(5, 6);
    sd.setFlip(false, true);
    EXPECT_TRUE(ch.majKP(&sd, 1, 2, 3, 4));
    EXPECT_EQ(kp->sx, 5);
    EXPECT_EQ(kp->flipH, 0);
    EXPECT_EQ(kp->flipV, 1);
    EXPECT_EQ(kp->vc, 4);
    EXPECT_EQ(ch.numKP, -1);

    ch.ajouterKP(&sd);
    ch.numKP = 1;
    ch.sens = 1;
    EXPECT_TRUE(ch.supprimerKP(5));
    EXPECT_EQ(ch.nbKP, 2);
    EXPECT_EQ(ch.sens, 0);
    EXPECT_TRUE(ch.supprimerKP(0));
    EXPECT_EQ(ch.nbKP, 1);
    EXPECT_EQ(ch.listeKP.size(), 1u);
}

TEST_F(Chemin, AllerRetourSurTroisPointsAVitesseDeux)
{
    int departs = 0;
    g_services.devMode = [] { return true; };
    g_services.rafraichirDialogueChemin = [&] { departs++; };
    CSPRITE sd;
    CChemin ch;
    const float points[3][2] = {{0, 0}, {10, 0}, {10, 20}};
    for (auto& p : points) {
        sd.placer(0, int(p[0]), int(p[1]));
        ch.ajouterKP(&sd);
    }
    ch.vGlobale = 2;
    sd.placer(0, 300, 300);

    // Legs of 10, 20, 20 and 10 pixels at 2 per frame.
    std::vector<int> arrivees;
    for (int frame = 1; frame <= 30; ++frame) {
        int avant = ch.numKP;
        ch.maj(0, 0, &sd);
        if (ch.numKP != avant && frame > 1)
            arrivees.push_back(frame);
    }
    EXPECT_EQ(arrivees, (std::vector<int>{5, 15, 25, 30}));
    EXPECT_FLOAT_EQ(sd.x, 0);
    EXPECT_FLOAT_EQ(sd.y, 0);
    EXPECT_EQ(ch.nbLegsFaits, 4);
    EXPECT_EQ(departs, 4);
    EXPECT_FLOAT_EQ(ch.decalageX, -2);

    // Step by step: pauses at the next key point; the leg limit stops the path.
    ch.bPasAPas = true;
    for (int i = 0; i < 10; ++i)
        ch.maj(0, 0, &sd);
    EXPECT_TRUE(ch.bPause);
    EXPECT_EQ(ch.numKP, 1);
    ch.reinitialiser();
    EXPECT_FALSE(ch.bPause);
    EXPECT_EQ(ch.numKP, -1);
    ch.bPasAPas = false;
    ch.nbChemin = 1;
    for (int i = 0; i < 40; ++i)
        ch.maj(0, 0, &sd);
    EXPECT_EQ(ch.nbLegsFaits, 1);
    EXPECT_FLOAT_EQ(sd.x, 10);
}

TEST_F(Chemin, PlateformeAllerRetour)
{
    CSPRITE sd;
    sd.placer(0, 5, 5);
    sd.setPosInit(5, 5, -1, -1);
    CChemin ch;
    ch.typeAnimation = 1;
    ch.depH = 0;
    ch.depV = 6;
    ch.depVitesse = 2;
    ch.bPause = true;  // the platform kind ignores the pause
    std::vector<float> ys;
    for (int i = 0; i < 6; ++i) {
        ch.maj(0, 0, &sd);
        ys.push_back(sd.y);
    }
    EXPECT_EQ(ys, (std::vector<float>{7, 9, 11, 9, 7, 5}));
    EXPECT_FLOAT_EQ(ch.decalageY, -2);
}

} // namespace
