// Decor sprites made from definitions by the editor, the path anchors, the scripts and the
// weapons (creerSD, creerSDFichier), and the default-definition flag of every new sprite.
#include "level/OutilsFichierNiveau.h"

#include "core/FichierDec.h"
#include "core/Particules.h"
#include "core/Physique.h"

#include <set>

namespace {

class CreationSD : public NiveauTest {
protected:
    // A definition object as the editor's picker holds one: a name and its ".dec" path.
    static std::unique_ptr<CDEC> definition(const std::string& nom, const std::string& chemin)
    {
        auto d = std::make_unique<CDEC>();
        d->nom = nom;
        d->pFichierDEC->chemin = chemin;
        return d;
    }
};

} // namespace

TEST_F(CreationSD, UneCopiePriveeParNom)
{
    peindre("a.png", 60, 20);
    ecrireFichier("a.dec", "ID=PORTE\nPLANCHE=./a.png;\nSPRITE=0;0;3;20;20;0;0\n");
    ecrireFichier("b.dec", "ID=PORTE\nPLANCHE=./a.png;\nSPRITE=0;0;2;30;20;0;0\n");
    auto a = definition("PORTE", "a.dec"), b = definition("PORTE", "b.dec");
    CSPRITE3* s1 = monde().creerSD(a.get(), 10, 10, &plan(2));
    ASSERT_NE(s1, nullptr);
    EXPECT_EQ(monde().modelesDEC["PORTE"]->nbFramesAnim(0), 3) << "read from the first caller's file";
    CSPRITE3* s2 = monde().creerSD(b.get(), 10, 10, &plan(2));
    ASSERT_NE(s2, nullptr);
    EXPECT_EQ(s1->pDEC, s2->pDEC) << "one private definition per name";
    EXPECT_NE(s1->pDEC, a.get()) << "never the caller's object";
    EXPECT_EQ(monde().modelesDEC["PORTE"]->nbFramesAnim(0), 2) << "read again from the second caller's file";
    EXPECT_EQ(s2->strSourceDEC, "b.dec") << "the source is the definition's file";
}

TEST_F(CreationSD, PlanEtDecalage)
{
    peindre("p.png", 65, 33);
    ecrireFichier("p.dec", "ID=P\nPLANCHE=./p.png;\nSPRITE=0;0;1;65;33;0;0\nORIGINE=-1;-1\nECHELLE=2;3\n"
                           "PLAYSON=BOUCLE;0;3\nPARTICULESD=1;1;1;1;1;1;5;10;0;0;1;255;255;255;255;0;;-1;0;0;0;0;0;0;0;0;0;"
                           "0;0;0;0;0;1;1;0;1;1;0;0;0;0;0;0;0;0;0;0;0;0\n"
                           "PHYSDESTRUCTION=1;2;3;4;5;6;0;300;2;3;4\nCOLLISIONS=4\n");
    jeu->pvue->x = 100;
    jeu->pvue->y = 50;
    monde().scrollPlans[0][0] = monde().scrollPlans[0][1] = 0.5f;
    monde().scrollPlans[3][0] = monde().scrollPlans[3][1] = 0.25f;
    monde().calqueTravail = 4;
    auto p = definition("P", "p.dec");
    // Planes 0 and 1 scroll against the camera, planes 2 to 4 with it.
    CSPRITE3* s3 = monde().creerSD(p.get(), 300, 200, &plan(3));
    ASSERT_NE(s3, nullptr);
    EXPECT_FLOAT_EQ(s3->x, 275) << "300 - 100 x 0.25";
    EXPECT_FLOAT_EQ(s3->y, 187) << "200 - 50 x 0.25, truncated";
    EXPECT_FLOAT_EQ(s3->x0, 275) << "the same point is the initial position";
    CCalqueSD autre;
    CSPRITE3* s0 = monde().creerSD(p.get(), 300, 200, &autre);
    ASSERT_NE(s0, nullptr);
    EXPECT_EQ(s0->plan, 0) << "a plane of no world counts as plane 0";
    EXPECT_FLOAT_EQ(s0->x, 350) << "with plane 0's offset: 300 + 100 x 0.5";
    EXPECT_EQ(autre.sprites.size(), 1u) << "still appended to the plane given";
    // What the definition gives.
    EXPECT_FLOAT_EQ(s3->ox, 32) << "ORIGINE -1 on a 65 x 33 frame";
    EXPECT_EQ(s3->calque, 4) << "the world's work sub-layer";
    EXPECT_EQ(jeu->sons, (std::vector<std::string>{"BOUCLE", "BOUCLE"})) << "PLAYSON mode 3 starts at once";
    ASSERT_TRUE(s3->bPhysP && s3->pParticules) << "a copy of the definition's emitter";
    EXPECT_NE(s3->pParticules, monde().modelesDEC["P"]->pFichierDEC->pParticules);
    EXPECT_EQ(s3->pParticules->pElementAttache, s3);
    ASSERT_TRUE(s3->bPhysDestruction && s3->pPhysDestruction);
    EXPECT_EQ(s3->pPhysDestruction->r, 44) << "colour values are bytes";
}

TEST_F(CreationSD, DepuisUnFichierAuJoueur)
{
    peindre("p.png", 10, 10);
    ecrireFichier("p.dec", "ID=TIR\nPLANCHE=./p.png;\nSPRITE=0;0;1;10;10;0;0\n");
    CSPRITE3* sans = monde().creerSDFichier("p.dec", &plan(2));
    ASSERT_NE(sans, nullptr);
    EXPECT_FLOAT_EQ(sans->x, 500) << "no player: (500, 500)";
    EXPECT_EQ(sans->pDEC, monde().modelesDEC["TIR"]) << "filed under the file's ID";
    auto* joueur = new CPerso();
    joueur->sprite->x = 123.9f;
    joueur->sprite->y = -7.5f;
    monde().persos.push_back(joueur);
    jeu->pPerso = joueur;
    jeu->pvue->x = 40;
    monde().scrollPlans[2][0] = 1;
    CSPRITE3* avec = monde().creerSDFichier("p.dec", &plan(2));
    EXPECT_FLOAT_EQ(avec->x, 83) << "at the player, truncated, less plane 2's offset";
    EXPECT_FLOAT_EQ(avec->y, -7);
}

TEST_F(CreationSD, ImageDeDepartEtBalancement)
{
    peindre("h.png", 40, 10);
    ecrireFichier("h.dec", "ID=H\nPLANCHE=./h.png;\nSPRITE=0;0;4;10;10;0;0\nNUM_ANIM_DEBUT=4\nPLANTE=1;1.1;0;0;0;0;0;0;0\n");
    std::set<float> angles;
    for (unsigned graine = 1; graine <= 20; ++graine) {
        tuv::srand(graine);
        vider(monde());
        ASSERT_TRUE(charger("TEXTURE_DEC=./h.dec;H\nSD=H;0;0;2;0;0;0;0;1;1;1;1;0;0;0;0;0;0;0\n"));
        ASSERT_EQ(plan(2).sprites.size(), 1u);
        EXPECT_EQ(plan(2).sprites.front()->numFrame, 0) << "NUM_ANIM_DEBUT equal to the frame count keeps frame 0";
        angles.insert(plan(2).sprites.front()->angleDynamique);
    }
    EXPECT_EQ(angles, (std::set<float>{-0.1f, 0.0f})) << "a 0.1 degree range: n = 2";
}
