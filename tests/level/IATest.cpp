// AI characters made from the level's models and copied from characters, their purge, meteor
// showers and the revival of a player.
#include "OutilsNiveau.h"

#include "characters/Armes.h"
#include "characters/PersoDef.h"
#include "core/Particules.h"

#include <algorithm>

namespace {

class IA : public AvecJeu {
protected:
    void SetUp() override
    {
        AvecJeu::SetUp();
        installerHooksPersoDef();  // every bank owns a character definition
    }
    // A level model of a 20x40 sheet character.
    CPersoDef& modele(const std::string& nom, int directionPlanche = 0)
    {
        auto* b = new CDEC();
        b->nom = nom;
        b->planche.create(20, 40, sf::Color::White);
        b->ajouterAnimDec(0, 0, 1, 20, 40, 1.0f, 0);
        b->pPersoDef->id = nom;
        b->pPersoDef->directionPlanche = directionPlanche;
        decor->modelesPersos[nom] = b;
        return *b->pPersoDef;
    }
    // An attached character: model, offset, facing, scale, floating and stored values, in front.
    void attacher(const std::string& parent, const std::string& enfant, int x, int y, int facing, float ex, float ey,
                  int flottant = 0, int valeur = 0, bool devant = true)
    {
        decor->modelesPersos[parent]->ajouterFrames(enfant, "", x, y, facing, ex, ey, 0, 0, 0, flottant, valeur);
        decor->modelesPersos[parent]->frames.back().bAvantPlan = devant;
    }
    // The game's preloaded meteor model, a layered character of AI mode 103.
    CPerso* modeleMeteore()
    {
        auto* m = new CPerso();
        m->sprite->ID = "METEORE_FEU";
        m->sprite->bAnime = true;
        m->modeIA = CDecor::MODE_IA_METEORE;
        m->vieMax = 30;
        jeu->iasPrechargees.push_back(m);
        return m;
    }
    std::vector<CPerso*> meteores() const
    {
        std::vector<CPerso*> r;
        for (CPerso* p : decor->ias)
            if (p->modeIA == CDecor::MODE_IA_METEORE)
                r.push_back(p);
        return r;
    }
};

} // namespace

TEST_F(IA, CreationDepuisUnModele)
{
    EXPECT_EQ(decor->creerIA("INCONNU", 0, 0, 0, 1, 1, 0, 0, 0, false), nullptr);
    ASSERT_EQ(decor->modelesPersos.count("INCONNU"), 1u) << "the lookup leaves an empty entry";
    EXPECT_EQ(decor->modelesPersos["INCONNU"], nullptr);

    CPersoDef& def = modele("GARDE", 0);
    def.modeIA = 4;
    def.vieMax = 70;
    def.patrouille = 120;
    decor->ias.push_back(new CPerso());
    CPerso* ia = decor->creerIA("GARDE", 300, 400, 1, 1.5f, 2.0f, 99, 0, 2, false);
    ASSERT_NE(ia, nullptr);
    EXPECT_EQ(decor->ias.back(), ia);
    EXPECT_EQ(ia->vieMax, 70) << "the model's settings";
    EXPECT_EQ(ia->compteurDetection, 1) << "the size of ias when it was made";
    EXPECT_EQ(ia->mode, 7) << "falling";
    EXPECT_EQ(sf::Vector2f(ia->sprite->ox, ia->sprite->oy), sf::Vector2f(10, 40)) << "feet at the middle bottom";
    EXPECT_EQ(ia->sprite->flipH, -1) << "facing left, drawn from a sheet facing right";
    EXPECT_FALSE(ia->sprite->bTailleFixe) << "no ready-made model: a sheet character";

    CPerso* vaisseau = decor->creerIA("GARDE", 0, 0, 0, 1, 1, 0, 1, 0, true);
    ASSERT_NE(vaisseau, nullptr);
    EXPECT_EQ(std::count(decor->ias.begin(), decor->ias.end(), vaisseau), 0) << "attached: not in ias";
    EXPECT_EQ(vaisseau->visee, 1);
    EXPECT_EQ(vaisseau->sprite->oy, 20) << "floating: held at half height";
    delete vaisseau;
}

// Children of a parent facing either way, in the world that makes them, and cycles of models.
TEST_F(IA, PersonnagesAttaches)
{
    modele("TANK");
    modele("CANON");
    attacher("TANK", "CANON", 10, -20, 0, 2.0f, 1.0f, 1, 3, false);
    struct Cas {
        int direction;
        int x, facing;
    } cas[] = {{0, 515, 0}, {1, 485, 1}};
    for (const Cas& c : cas) {
        CPerso* tank = decor->creerIA("TANK", 500, 500, c.direction, 1.5f, 2.0f, 0, 0, 0, false);
        ASSERT_NE(tank, nullptr);
        ASSERT_EQ(tank->nbEnfants, 1);
        CPerso* canon = tank->enfants[0];
        EXPECT_EQ(canon->sprite->x, c.x) << "carrier x plus offset 10 x 1.5, negated under a flipped parent";
        EXPECT_EQ(canon->sprite->y, 460) << "carrier y plus offset -20 x 2";
        EXPECT_EQ(canon->direction, c.facing);
        EXPECT_EQ(canon->sprite->sx, 3.0f) << "the child's scale times the carrier's";
        EXPECT_EQ(canon->porteur, tank);
        EXPECT_EQ(std::count(decor->ias.begin(), decor->ias.end(), canon), 0) << "owned by its carrier";
    }

    // Made in the world asked, not in the active one.
    CDecor autre;
    jeu->pdecor = &autre;
    EXPECT_EQ(decor->creerIA("TANK", 0, 0, 0, 1, 1, 0, 0, 0, false)->nbEnfants, 1);
    EXPECT_TRUE(autre.ias.empty());
    jeu->pdecor = decor.get();

    modele("BOUCLE");
    attacher("BOUCLE", "BOUCLE", 0, 0, 0, 1, 1);
    modele("A");
    modele("B");
    attacher("A", "B", 0, 0, 0, 1, 1);
    attacher("B", "A", 0, 0, 0, 1, 1);
    CPerso* boucle = decor->creerIA("BOUCLE", 0, 0, 0, 1, 1, 0, 0, 0, false);
    ASSERT_NE(boucle, nullptr);
    EXPECT_EQ(boucle->nbEnfants, 0) << "a model naming itself is not made again";
    CPerso* a = decor->creerIA("A", 0, 0, 0, 1, 1, 0, 0, 0, false);
    ASSERT_EQ(a->nbEnfants, 1);
    EXPECT_EQ(a->enfants[0]->nbEnfants, 0) << "A -> B -> A stops at B";
}

TEST_F(IA, AjoutParCopie)
{
    EXPECT_EQ(decor->ajouterIA(nullptr, 0, 0), nullptr);
    CPerso sansImage;
    EXPECT_EQ(decor->ajouterIA(&sansImage, 0, 0), nullptr) << "neither layered nor from a bank";

    CPerso anime;
    anime.sprite->bAnime = true;
    CPerso* copie = decor->ajouterIA(&anime, 70, 80);
    ASSERT_NE(copie, nullptr);
    EXPECT_EQ(sf::Vector2f(copie->sprite->x0, copie->sprite->y0), sf::Vector2f(70, 80));

    modele("SOLDAT");
    CPerso soldat;
    soldat.sprite->pDEC = decor->modelesPersos["SOLDAT"];
    EXPECT_NE(decor->ajouterIA(&soldat, 0, 0), nullptr) << "a bank the level knows";
    CDEC etrangere;
    etrangere.nom = "ETRANGER";
    CPerso etranger;
    etranger.sprite->pDEC = &etrangere;
    EXPECT_EQ(decor->ajouterIA(&etranger, 0, 0), nullptr) << "a bank the level does not know";
    EXPECT_EQ(decor->ias.size(), 2u);
}

// FREE_IAS_MEMORY's purge: finished AIs go, a carrier keeps a null slot, the editor's selection
// reads null.
TEST_F(IA, Purge)
{
    modele("TANK");
    modele("CANON");
    attacher("TANK", "CANON", 0, 0, 0, 1, 1);
    CPerso* tank = decor->creerIA("TANK", 0, 0, 0, 1, 1, 0, 0, 0, false);
    CPerso* canon = tank->enfants[0];
    decor->ias.push_back(canon);  // a child that also stands in the list
    auto* vivant = new CPerso();
    auto* fini = new CPerso();
    fini->bDel = true;
    decor->ias.push_back(vivant);
    decor->ias.push_back(fini);
    jeu->pPersoSelection = fini;
    canon->bDel = true;
    EXPECT_EQ(decor->purgerIAs(), 2);
    EXPECT_EQ(decor->ias, (std::list<CPerso*>{tank, vivant}));
    ASSERT_EQ(tank->enfants.size(), 1u);
    EXPECT_EQ(tank->enfants[0], nullptr) << "a null hole in the carrier";
    EXPECT_EQ(tank->nbEnfants, 1) << "the count is unchanged";
    EXPECT_EQ(jeu->pPersoSelection, nullptr) << "the selected AI was freed";

    CPerso* retire = perso();
    retire->bSupprime = true;
    CPerso* joueur = perso();
    EXPECT_EQ(decor->purgerPersos(), 1);
    EXPECT_EQ(decor->persos, (std::list<CPerso*>{joueur}));
}

// All meteors of a shower come from one side, inert until the first relaunch; the timer gives
// 200 then 600 frames at 30 per second, 400 then 1200 at 60.
TEST_F(IA, PluieDeMeteores)
{
    decor->lancerMeteores(5);
    EXPECT_TRUE(decor->ias.empty()) << "no METEORE_FEU model: no meteors";
    modeleMeteore();
    decor->tailleJeuX = 1000;
    for (unsigned graine : {1u, 2u, 3u, 4u}) {
        tuv::srand(graine);
        for (CPerso* m : meteores())
            decor->detruirePerso(m);
        decor->lancerMeteores(5);
        const auto ms = meteores();
        ASSERT_EQ(ms.size(), 5u);
        const bool droite = ms[0]->sprite->x >= 500;
        for (CPerso* m : ms) {
            EXPECT_EQ(m->sprite->x >= 500, droite) << "one side for the whole shower, seed " << graine;
            EXPECT_TRUE(m->sprite->y <= -150 && m->sprite->y >= -749) << m->sprite->y;
            EXPECT_TRUE(m->bDel && m->bTemporaire) << "inert";
        }
    }
    for (float coeff : {1.0f, 0.5f}) {
        jeu->framerateCoeff = coeff;
        for (CPerso* m : meteores())
            decor->detruirePerso(m);
        decor->nbMeteores = 5;
        decor->lancerMeteores(5);
        const int premiere = coeff == 1.0f ? 200 : 400, suivante = coeff == 1.0f ? 600 : 1200;
        EXPECT_EQ(decor->compteurMeteores, premiere);
        for (int attendu : {premiere, suivante}) {
            int images = 0;
            while (meteores()[0]->bDel && images < 5000) {
                decor->majMeteores();
                ++images;
            }
            EXPECT_EQ(images, attendu + 1) << "frames to the relaunch at coefficient " << coeff;
            for (CPerso* m : meteores()) {
                EXPECT_EQ(m->vie, 30) << "relaunched alive";
                EXPECT_EQ(m->direction, meteores()[0]->direction) << "one facing for the shower";
                m->bDel = true;  // fallen
            }
        }
    }
    // The purge keeps waiting and fallen meteors; the next relaunch brings them all back.
    auto* fini = new CPerso();
    fini->bDel = true;
    decor->ias.push_back(fini);
    EXPECT_EQ(decor->purgerIAs(), 1);
    ASSERT_EQ(meteores().size(), 5u);
    for (CPerso* m : meteores())
        m->sprite->bScriptsKeyframesSuspendus = true;  // as a death played through leaves them
    decor->relancerMeteores();
    for (CPerso* m : meteores())
        EXPECT_TRUE(!m->bDel && !m->sprite->bScriptsKeyframesSuspendus) << "back, their keys' scripts running";

    decor->nbMeteores = 0;
    decor->compteurMeteores = 7;
    decor->dessiner(nullptr);
    EXPECT_EQ(decor->compteurMeteores, 7) << "no showers: the timer does not run";
}

TEST_F(IA, Reanimation)
{
    jeu->parmes = new CArmes();
    auto* arme = new CArme();
    arme->munitions = 40;
    jeu->parmes->armes.push_back(arme);
    jeu->parmes->nbArmes = 1;

    CPerso* p = perso();
    CSPRITE3& s = *p->sprite;
    sf::Texture feuille;
    s.pTextureFeuille = &feuille;
    s.ajouterElement("mort_feu", 0, 0, 8, 8, 0, 0, 2, 2, -1, -1, false);
    s.ajouterElement("corps", 0, 0, 8, 8, 0, 0, 2, 2, -1, -1, false);
    s.ajouterAnimation("MORT", true);
    s.ajouterAnimElem(0, 0, "", 0, 1);
    s.ajouterAnimElem(0, 1, "", 0, 1);
    s.setPosInit(120, 340, 1.5f, 1.5f);
    s.x = 900;
    s.y = 10;
    s.setScale(0.5f, 0.5f);
    s.rotangle = 45;
    for (const char* over : {"SANG", "OVER_FLECHE", "CRISTAL2", "LUX21", "CASQUE"})
        s.Over(over, "", 0, 0, 0, 1, 1, 0, true);
    p->directionInitiale = 0;
    p->direction = 1;
    p->mode = 12;
    p->bDel = p->bMortTerminee = p->bVaisseau = p->bParalyse = p->bCoup = true;
    p->vie = 0;
    p->vieMax = 80;
    p->vitesse = 6;
    p->vitesseCourante = 1;
    p->derniereArme = "ARME 1";
    p->compteurDash2 = 40;
    p->compteurRecul = 3;
    p->vitesseForceX = -7;  // a force zone's drift
    p->vitesseForceY = 3;
    p->armes.push_back(new SlotArme{0, 3, true});
    p->armes.push_back(new SlotArme{0, 0, true});  // spent, not in hand
    p->nbarmesperso = 2;
    p->armeCourante = 0;
    p->particuleTouche = new CParticules();
    p->particuleMort = new CParticules();
    p->particuleFin = new CParticules();
    jeu->manchesGagnees[1] = 2;

    decor->ranimerPerso(p, 7);  // a slot out of range is ignored
    EXPECT_EQ(sf::Vector2f(s.x, s.y), sf::Vector2f(120, 340)) << "no respawn point: its own start";
    EXPECT_EQ(p->vie, 80);
    EXPECT_FALSE(p->bDel || p->bMortTerminee || p->bVaisseau || p->bParalyse || p->bCoup);
    EXPECT_EQ(p->vitesseCourante, 6);
    EXPECT_EQ(p->compteurDash2 + p->compteurRecul, 0) << "the push of the killing blow does not outlive him";
    EXPECT_EQ(sf::Vector2f(p->vitesseForceX, p->vitesseForceY), sf::Vector2f(0, 0)) << "nor a force zone's drift";
    EXPECT_EQ(p->armes[0]->munitions + p->armes[1]->munitions, 80) << "every slot refilled from its weapon's stock";
    EXPECT_FALSE(s.isKeyAnimElemVisible(0, 0, 0)) << "the fire overlay is switched off";
    EXPECT_EQ(sf::Vector2f(s.sx, s.sy), sf::Vector2f(1.5f, 1.5f)) << "its default scale";
    EXPECT_EQ(p->direction, 0) << "its initial facing";
    EXPECT_EQ(s.overs.size(), 1u) << "only the helmet stays";
    EXPECT_TRUE(p->particuleTouche->bStop && p->particuleFin->bStop);
    EXPECT_FALSE(p->particuleMort->bStop) << "a round was won: the death emitter runs on";
    EXPECT_TRUE(s.bVisible);
    EXPECT_FALSE(s.bTailleFixe);

    decor->checkpointX = 60;
    decor->checkpointY = 70;
    jeu->typeJeu = 2;
    jeu->manchesGagnees[1] = 0;
    p->compteurDash2 = 40;
    p->compteurRecul = 3;
    p->vitesseForceY = 5;
    decor->ranimerPerso(p, 0);
    EXPECT_EQ(sf::Vector2f(s.x, s.y), sf::Vector2f(60, 70)) << "at the respawn point";
    EXPECT_EQ(p->compteurDash2 + p->compteurRecul + p->vitesseForceY, 0) << "two players: push and drift gone too";
    EXPECT_TRUE(p->particuleMort->bStop);
    EXPECT_FALSE(s.bVisible) << "the round's start shows it";
    EXPECT_TRUE(s.bTailleFixe);

    // Slot k holds weapon k of the options' row: the drawn one is his for the round only.
    p->armes.insert(p->armes.begin(), new SlotArme{2, 0, false});
    p->nbarmesperso = 3;
    p->armes[1]->bPossedeeDefinition = true;  // slot 2 came from a fountain
    p->armeCourante = -1;
    decor->ranimerPerso(p, 5);
    EXPECT_EQ(p->armeCourante, 1) << "a round's drawn weapon he lacks: his first own one, not none";
    EXPECT_FALSE(p->armes[2]->bPossedee) << "the fountain's weapon is taken back at the next round";
    decor->ranimerPerso(p, 0);
    EXPECT_EQ(p->armeCourante, 0) << "the drawn weapon is the one in his hand";
    EXPECT_TRUE(p->armes[0]->bPossedee) << "the drawn weapon is his for the round";
    decor->ranimerPerso(p, -1);
    EXPECT_EQ(p->armeCourante, 1) << "nothing drawn: his first own weapon, not the round before's";
    EXPECT_FALSE(p->armes[0]->bPossedee) << "the round before's weapon is taken back";
}
