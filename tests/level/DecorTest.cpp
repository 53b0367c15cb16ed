#include "OutilsNiveau.h"

#include "core/ShaderManager.h"
#include "core/SpriteSimple.h"
#include "game/OutilsJeu.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXTest.h"
#include "level/Creusement.h"
#include "level/EffetEtoiles.h"
#include "level/EffetLucioles.h"
#include "level/EffetNuagePoussiere.h"
#include "level/EffetNuages.h"
#include "level/EffetOrage.h"
#include "level/EffetPluie.h"
#include "level/FondImage.h"
#include "level/MenuImage.h"

#include <SFML/Graphics/RenderTexture.hpp>

// Built without any of its files: empty where a file is missing, planes apart.
TEST(Decor, ConstructionSansFichiers)
{
    DossierDeTravail dossier;
    CDecor d;
    EXPECT_EQ(d.pPlanTravail, d.pPlans[2]);
    for (int n = 1; n < CDecor::NB_PLANS; ++n)
        EXPECT_TRUE(d.pPlans[n] && d.pPlans[n] != d.pPlans[n - 1]) << "plane " << n;
    EXPECT_TRUE(d.pFiltre && !d.pFiltre->getSprite()) << "the missing filter is left empty";
    EXPECT_EQ(d.musiqueFin.getDuration(), sf::Time::Zero);
    EXPECT_EQ(d.getPlan(-1), nullptr);
    EXPECT_EQ(d.getPlan(5), nullptr);
}

TEST(Decor, FichiersDuJeuCharges)
{
    DossierDeTravail dossier;
    const std::string data = TUV_DATA_DIR_SOURCE;
    for (const char* f : {"effets/filtre.dec", "effets/filtre.png", "effets/poussiere.dec", "effets/poussiere.png",
                          "menus/menusdec.png",
                          "musiques/blockbuster_orchestral.wav", "polices/arial.ttf"}) {
        std::filesystem::create_directories(std::filesystem::path(f).parent_path());
        std::filesystem::copy_file(data + "/" + f, f);
    }
    CDecor d;
    ASSERT_NE(d.pFiltre->getSprite(), nullptr);
    const sf::Texture* blanc = d.pFiltre->getSprite()->getTexture(0, 0);
    ASSERT_NE(blanc, nullptr);
    EXPECT_EQ(blanc->copyToImage().getPixel(0, 0), sf::Color::White) << "the filter's one white pixel";
    CSPRITE_SIMPLE poussiere;
    ASSERT_TRUE(poussiere.charger("./effets/poussiere.dec"));
    EXPECT_EQ(poussiere.getSprite()->getTexture(0, 5)->getSize(), sf::Vector2u(48, 32));
    ASSERT_NE(poussiere.pDEC->trouverAnim(0), nullptr);
    EXPECT_EQ(poussiere.pDEC->trouverAnim(0)->nbBoucles, 1) << "played once";
    EXPECT_EQ(d.pMenuSD->texture.getSize(), sf::Vector2u(384, 32)) << "twelve 32x32 icons";
    EXPECT_GT(d.musiqueFin.getDuration(), sf::seconds(1));
}

class Monde : public AvecJeu {};

TEST_F(Monde, DestructionDeToutCeQuIlPossede)
{
    CDEC* b = banque(*decor, "B", 8, 8, [](int, int) { return VERT; });
    for (int n = 0; n < CDecor::NB_PLANS; ++n)
        spriteDecor(plan(n), b, float(10 * n), 0);
    CSPRITE* sol = plan(2).sprites.front();
    decor->ajouterCreusement(sol, 4, 4);
    decor->ajouterTracePas(1, 2, 1.0f);
    decor->pPoussierePas = new CSPRITE_SIMPLE();
    decor->pPoussierePas->setDEC(b);
    decor->ajouterEffet(5, 5, 1, 1);
    CPerso* p = perso();
    p->support = sol;
    decor->ias.push_back(new CPerso());
    decor->modelesPersos["P"] = new CDEC();
    decor->texturesSprites3["t.png"] = new sf::Texture();
    decor->pPluie = new CEffetPluie(0, 0, 0);
    decor->pLucioles = new CEffetLucioles(0, 0, 0);
    decor->pLucioles->lucioles.push_back(std::make_unique<Luciole>());
    decor->pNuages = new CEffetNuages(0, 0, 0);
    decor->pNuages->nuages.push_back(std::make_unique<sf::Sprite>());
    decor->pEtoiles = new CEffetEtoiles();
    decor->pEtoiles->etoiles.push_back(std::make_unique<Etoile>());
    decor->pNuagePoussiere = new CEffetNuagePoussiere();
    decor->pNuagePoussiere->pSprite = std::make_unique<CSPRITE_SIMPLE>();
    decor->pOrage = new CEffetOrage();
    decor->pOrage->pEclair = std::make_unique<CSPRITE_SIMPLE>();
    jeu->effetsEcran[1] = sol;
    decor.reset();  // AddressSanitizer and LeakSanitizer watch this
    EXPECT_EQ(jeu->effetsEcran[1], nullptr) << "no screen effect left on a freed sprite";
}

TEST_F(Monde, SpriteLibereDetacheDeTout)
{
    CDEC* b = banque(*decor, "B", 8, 8, nullptr);
    CSPRITE* marque = spriteDecor(plan(2), b, 0, 0);
    CSPRITE* autre = spriteDecor(plan(2), b, 50, 0);
    CSPRITE* choisi = spriteDecor(plan(3), b, 0, 0);
    decor->positionsDepart = {marque, autre};
    jeu->effetsEcran[0] = marque;
    CPerso* p = perso();
    p->support = marque;
    p->plateformes = {marque, autre};
    decor->pSDSelection = choisi;
    decor->pPlanSelection = &plan(3);
    choisi->bSelectionne = true;
    plan(3).pSDTrouve = choisi;

    marque->bASupprimer = true;
    decor->purgerPlans();
    EXPECT_EQ(plan(2).sprites, std::list<CSPRITE*>{autre}) << "only the marked sprite goes";
    EXPECT_EQ(decor->positionsDepart, std::vector<CSPRITE*>{autre});
    EXPECT_EQ(jeu->effetsEcran[0], nullptr);
    EXPECT_EQ(p->support, nullptr);
    EXPECT_EQ(p->plateformes, std::list<CSPRITE*>{autre});

    decor->viderPlans();
    EXPECT_TRUE(plan(3).sprites.empty());
    EXPECT_EQ(decor->pSDSelection, nullptr);
    EXPECT_EQ(decor->pPlanSelection, nullptr);
    EXPECT_EQ(plan(3).pSDTrouve, nullptr);
    decor->deselectionner();  // reads no freed sprite
    EXPECT_TRUE(decor->positionsDepart.empty());

    CSPRITE* restant = spriteDecor(plan(1), b, 0, 0);
    restant->bSelectionne = true;
    decor->pSDSelection = restant;
    decor->deselectionner();
    EXPECT_FALSE(restant->bSelectionne);
    EXPECT_EQ(decor->pSDSelection, nullptr);
    EXPECT_TRUE(supprimerPerso(nullptr)) << "the predicate accepts null";
}
