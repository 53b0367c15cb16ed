// Melee blows: when they start, the two animations of plain sprites, the strike and its
// victims, and the named states of layered sprites.
#include "OutilsCombat.h"

namespace {

using namespace EtatPerso;

class Melee : public Combat {
protected:
    // Runs the blow until it ends (at most 50 frames); the frames it took.
    static int jusquAuBout(CPerso& p)
    {
        int n = 0;
        while (p.bCoup && n < 50) {
            p.coup(0, 0);
            if (p.sprite->bAnime)
                p.sprite->update(nullptr, 1, p.sprite->x, p.sprite->y, -1);
            ++n;
        }
        return n;
    }
};

} // namespace

TEST_F(Melee, LeCoupNeCommencePasPartout)
{
    struct Cas {
        const char* cas;
        int typeJeu, etat;
        bool message, enCours, commence;
    } cas[] = {{"adventure, standing", 0, ARRET, false, false, true}, {"rounds, walking", 2, MARCHE, false, false, true},
               {"hit", 0, TOUCHE, false, false, true},           {"chrono", 1, ARRET, false, false, false},
               {"rising", 0, SAUT_MONTE, false, false, false},   {"falling", 0, CHUTE, false, false, false},
               {"bounce", 0, REBOND, false, false, false},       {"action", 0, ACTION, false, false, false},
               {"script message", 0, ARRET, true, false, false}, {"blow running", 0, ARRET, false, true, false}};
    for (const Cas& k : cas) {
        CPerso* p = surLeSol();
        jeu->typeJeu = k.typeJeu;
        p->mode = k.etat;
        moteur().bMessageAffiche = k.message;
        p->bCoup = k.enCours;
        p->tempsCoup = 0.5f;
        EXPECT_EQ(p->commencerCoup(), k.commence) << k.cas;
        EXPECT_FLOAT_EQ(p->tempsCoup, 0.5f) << k.cas << ": starting touches nothing else";
        TearDown();
        SetUp();
    }
    CPerso* p = surLeSol();
    anime(*p, {"ARRET_VISEE", "COUP_0"});
    CommandesJoueur c = {};
    c.bCorpsACorps = true;
    p->appliquerCommandes(c);
    EXPECT_TRUE(p->bCoup) << "the melee command starts it";
    EXPECT_EQ(p->sprite->getAnimation(), 1) << "a layered sprite plays COUP_0";
}

TEST_F(Melee, SpriteSimpleAnimations45Et46AuxDeuxCadences)
{
    for (float c : COEFFICIENTS) {
        coefficient(c);
        CPerso* p = surLeSol();
        ASSERT_TRUE(p->commencerCoup());
        p->coup(3, 0);
        EXPECT_EQ(p->sprite->getNumAnim(), 45) << "first blow";
        EXPECT_FLOAT_EQ(x(p), 103) << "moved by the caller's displacement";
        // Two frames at speed 1: the animation runs 2 / c calls, then the strike ends it.
        EXPECT_EQ(jusquAuBout(*p), images(2)) << "at " << c;
        EXPECT_FALSE(p->bCoup);
        p->commencerCoup();
        p->coup(0, 0);
        EXPECT_EQ(p->sprite->getNumAnim(), 46) << "the next blow plays the other animation";
        jusquAuBout(*p);
        EXPECT_EQ(p->etapeCoup, 0);
        TearDown();
        SetUp();
    }
}

TEST_F(Melee, SpriteSimpleFrappeLesEnnemisQuIlTouche)
{
    CPerso* p = surLeSol();
    CPerso* ennemi = ia(100, 500, 1);
    CPerso* loin = ia(600, 500, 1);
    CPerso* equipier = perso(100, 500);
    CPerso* paralyse = ia(100, 500, 1);
    paralyse->bParalyse = true;
    CPerso* mort = ia(100, 500, 1);
    mort->mode = MORT;
    CPerso* cache = ia(100, 500, 1);
    cache->sprite->setVisible(false);
    CPerso* garde = ia(100, 500, 0);  // a level's guard that shots hit carries the hero's number
    garde->modeCollisions = 1;
    p->degatsCoup = 30;
    p->commencerCoup();
    jusquAuBout(*p);
    EXPECT_EQ(ennemi->vie, 70) << "the enemy touched";
    EXPECT_EQ(ennemi->derniereArme, "COUP DE PIED");
    for (const CPerso* q : {loin, equipier, paralyse, mort, cache, garde})
        EXPECT_EQ(q->vie, 100) << "far, team-mate, paralysed, dead, hidden or the level's guard: spared";
    EXPECT_EQ(p->mode, ARRET) << "a plain sprite's blow keeps the state";
}

TEST_F(Melee, BanqueSansAnimationDeCoup)
{
    CPerso* p = surLeSol();
    auto* banque = new CDEC();
    banque->planche.create(32, 64, sf::Color::White);
    for (int i = 0; i < 45; ++i)
        banque->ajouterAnimDec(0, 0, 1, 32, 64, 1.0f, 0);
    decor->modelesDEC["QUARANTE_CINQ"] = banque;
    p->sprite->pDEC = banque;
    p->commencerCoup();
    EXPECT_EQ(p->coup(0, 0), -1) << "45 animations: 45 is missing";
    EXPECT_FALSE(p->bCoup) << "and the blow ends at once";
    EXPECT_EQ(p->etapeCoup, 1);
    p->sprite->pDEC = nullptr;
    p->bCoup = true;
    EXPECT_EQ(p->coup(0, 0), 0) << "no bank at all";
}

TEST_F(Melee, SpriteAnimeTouchePersonneOuPlusieurs)
{
    CPerso* p = surLeSol();
    anime(*p, {"ARRET_VISEE", "COUP_0", "COUP_0_TOUCHE", "COUP_0_RETOUR"});
    p->commencerCoup();
    EXPECT_EQ(jusquAuBout(*p), 5) << "COUP_0 loops in two frames, strikes, COUP_0_RETOUR loops";
    EXPECT_EQ(p->mode, ARRET) << "the layered blow ends standing";

    CPerso* a = ia(105, 500, 1);
    CPerso* b = ia(95, 500, 1);
    CPerso* loin = ia(400, 500, 1);
    CPerso* equipier = perso(100, 500);
    equipier->bParalyse = true;
    equipier->vieParalysie = 50;
    CPerso* mort = ia(100, 500, 1);
    mort->mode = MORT;
    CPerso* garde = ia(100, 500, 0);  // shots hit it, but it carries the hero's number
    garde->modeCollisions = 1;
    for (CPerso* q : {a, b, loin, equipier, mort, garde})
        anime(*q, {"ARRET_VISEE"});
    p->degatsCoup = 25;
    p->commencerCoup();
    p->coup(0, 0);
    p->sprite->update(nullptr, 1, 0, 0, -1);
    p->sprite->update(nullptr, 1, 0, 0, -1);
    p->coup(0, 0);
    EXPECT_EQ(a->vie, 75) << "every overlapping enemy takes the full damage";
    EXPECT_EQ(b->vie, 75);
    EXPECT_EQ(loin->vie, 100);
    EXPECT_EQ(equipier->vieParalysie, 25) << "a paralysed team-mate is struck directly";
    EXPECT_EQ(mort->messages.size(), 1u) << "a body only gets a message";
    EXPECT_EQ(garde->vie, 100) << "a live team-mate is spared, whatever its contact mode";
    EXPECT_EQ(p->sprite->getAnimation(), 2) << "COUP_0_TOUCHE after a strike";
    EXPECT_TRUE(p->bCoup);
    jusquAuBout(*p);
    EXPECT_EQ(p->mode, ARRET);
}

TEST_F(Melee, SpriteAnimeSansEtatsDeCoup)
{
    CPerso* p = surLeSol();
    anime(*p, {"ARRET_VISEE", "MARCHE_VISEE"});
    p->mode = MARCHE;
    p->commencerCoup();
    EXPECT_EQ(jusquAuBout(*p), 1) << "without COUP_0 the blow ends at the next call";
    EXPECT_EQ(p->mode, MARCHE) << "without a state change";
    EXPECT_EQ(p->etapeCoup, 1);
}
