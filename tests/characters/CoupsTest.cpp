// The hit handler: messages in both languages with their sounds and flags, push back and
// camera kick at both frame rates, the rules of life and death in each game, the two-player
// paralysis cycle and the spirit that leaves a body.
#include "OutilsCombat.h"

#include "core/Particules.h"

namespace {

using namespace EtatPerso;

class Coups : public Combat {};

struct LigneMessage {
    const char* cas;
    bool mort;
    const char* arme;
    int attaquant;  // 0 gone, 1 itself, 2 another
    bool tete, jambes;
    int reglage;    // reglageJ1 of player 0
    const char* francais;
    const char* anglais;
    const char* son;  // "" none
    bool blast, toucheTete, genou;
};

const LigneMessage LIGNES[] = {
    {"dead, spirit of another", true, "FANTOME", 2, false, false, 0, "Esprit revenchard !", "Esprit revenchard!",
     "FUREUR", false, false, false},
    {"dead, own spirit", true, "FANTOME", 1, false, false, 0, "Esprit frappeur !", "poltergeist!", "FUREUR", false,
     false, false},
    {"dead, a weapon", true, "ARME 2", 2, false, false, 0, " ", " ", "", false, false, false},
    {"kick", false, "COUP DE PIED", 2, false, false, 0, "Bottage de cul !", "KickAss!", "KICKASS", true, false, false},
    {"spirit of a gone attacker", false, "FANTOME", 0, false, false, 0, "Vengeance spiritique !", "Spirit Revenge!",
     "FUREUR", true, false, false},
    {"own spirit", false, "FANTOME", 1, false, false, 0, "", "", "", true, false, false},
    {"head shot on a helmet", false, "ARME 2", 2, true, false, 4, "", "", "TIRDANSCASQUE", false, false, false},
    {"head shot", false, "ARME 2", 2, true, false, 0, "Headshot !", "Headshot!", "HEADSHOT", false, true, false},
    {"arrow in the knee", false, "ARME 8", 2, false, true, 0, "Fleche dans le genou !", "Arrow in the knee!", "",
     false, false, true},
    {"leg shot", false, "ARME 2", 2, false, true, 0, "", "", "", false, false, true},
    {"plain hit", false, "ARME 2", 2, false, false, 0, "", "", "", false, false, false},
};

} // namespace

TEST_F(Coups, TableDesMessagesEnFrancaisEtEnAnglais)
{
    for (const char* langue : {"fr_", "en_"})
        for (const LigneMessage& l : LIGNES) {
            jeu->langueMenus = langue;
            moteur();
            CPerso* p = surLeSol();
            CPerso* autre = ia(300, 500);
            p->mode = l.mort ? MORT : ARRET;
            p->derniereArme = l.arme;
            p->dernierAttaquant = l.attaquant == 1 ? p : l.attaquant == 2 ? autre : nullptr;
            p->bTirTete = l.tete;
            p->bTirJambes = l.jambes;
            jeu->pOptionsMulti->reglageJ1 = l.reglage;
            p->prendreCoup(10, 0, 0, 0);
            const std::string cas = std::string(l.cas) + " in " + langue;
            ASSERT_EQ(p->messages.size(), 1u) << cas;
            const MessagePerso& m = *p->messages.back();
            EXPECT_EQ(m.texte, langue == std::string("fr_") ? l.francais : l.anglais) << cas;
            for (const char* son : {"FUREUR", "KICKASS", "TIRDANSCASQUE", "HEADSHOT"})
                EXPECT_EQ(joues(son), std::string(l.son) == son ? 1 : 0) << cas << ": sound " << son;
            EXPECT_EQ(moteur().getScriptNom("PERSO_COUP_0") != nullptr, l.blast) << cas << ": blast shader";
            EXPECT_EQ(p->bToucheTete, l.toucheTete) << cas;
            EXPECT_EQ(p->bFlecheGenou, l.genou) << cas;
            EXPECT_FALSE(p->bTirTete || p->bTirJambes) << cas << ": the shot's zone is consumed";
            TearDown();
            SetUp();
        }
}

TEST_F(Coups, LeShaderDuCoupEstUnScriptDUneCommande)
{
    moteur();
    CPerso* p = surLeSol();
    p->numJoueur = 1;
    p->derniereArme = "COUP DE PIED";
    p->prendreCoup(25, 1, 0, 0);
    const CScript* s = moteur().getScriptNom("PERSO_COUP_1");
    ASSERT_NE(s, nullptr) << "the blast script is named after the player";
    // x 100; y 500 plus half the 64-pixel sprite.
    EXPECT_EQ(s->listing(), "INITSHADERGLOBAL 0 [SHADER_BLAST_COUP_1] [1] [30] [100] [532] [1] [1] [10]\n");
    EXPECT_TRUE(s->nbRunMax == 1 && s->bDetruireFin) << "runs once and is destroyed when done";
    jeu->pscriptEngine = nullptr;  // without an engine: no script, no crash
    p->prendreCoup(25, 1, 0, 0);
    EXPECT_EQ(p->messages.size(), 2u);
}

TEST_F(Coups, PousseeEtSecousseAuxDeuxCadences)
{
    struct Cas {
        const char* arme;
        bool tete, jambes;
        int images;  // at 30 fps
    } cas[] = {{"ARME 2", true, false, 40}, {"ARME 2", false, true, 40}, {"ARME 4", false, false, 4},
               {"FANTOME", false, false, 4}, {"ARME 2", false, false, 20}};
    for (float c : COEFFICIENTS)
        for (const Cas& k : cas) {
            coefficient(c);
            CPerso* p = surLeSol();
            p->derniereArme = k.arme;
            p->bTirTete = k.tete;
            p->bTirJambes = k.jambes;
            p->prendreCoup(1, 1, 0, 0);
            EXPECT_EQ(p->compteurDash2, images(k.images)) << k.arme << " at " << c;
            EXPECT_FLOAT_EQ(jeu->pvue->zoom, 0.92f) << "the kick is not scaled";
            p->prendreCoup(1, 1, 0, 0);
            EXPECT_FLOAT_EQ(jeu->pvue->zoom, 0.92f) << "no second kick while zoomed out";
            jeu->pvue->zoom = 1;
            p->prendreCoup(1, 1, 0, 1);
            EXPECT_FLOAT_EQ(jeu->pvue->zoom, 1) << "indirect hits leave the camera";
            TearDown();
            SetUp();
        }
}

TEST_F(Coups, CasLimites)
{
    CPerso* p = surLeSol();
    p->bVieInfinie = true;
    p->prendreCoup(500, 0, 0, 0);
    EXPECT_EQ(p->vie, 100) << "infinite life: no damage";
    EXPECT_EQ(p->mode, TOUCHE) << "but the hit state";
    EXPECT_EQ(p->mourir(), -2) << "and the death step refuses at once";

    p = perso(200, 500);
    jeu->typeJeu = 2;
    jeu->commandes[0].bSuperPouvoir = true;
    p->sprite->ID = "TEUZJ1";
    p->prendreCoup(5, 0, 0, 0);
    EXPECT_EQ(p->vie, 100) << "5 / 6 is 0 during the super power";
    p->sprite->ID = "ZADIRIREZI_J1";
    p->prendreCoup(50, 0, 0, 0);
    EXPECT_EQ(p->messages.size(), 1u) << "the super-power shield ignores the hit entirely";
    jeu->typeJeu = 0;
    jeu->commandes[0].bSuperPouvoir = false;

    p = perso(300, 500);
    jeu->mode = 2;
    p->prendreCoup(100, 0, 0, 0);
    EXPECT_EQ(p->vie, 1) << "nobody dies in the editor";
    EXPECT_NE(p->mode, MORT);
    jeu->mode = 1;

    p = perso(400, 500);
    p->mode = MORT;
    jeu->typeJeu = 1;
    jeu->sons.clear();
    p->prendreCoup(10, 1, 0, 0);
    EXPECT_TRUE(jeu->sons.empty() && p->messages.empty()) << "chrono: a dead body only takes the push back";
    EXPECT_EQ(p->compteurDash2, 20);
    jeu->typeJeu = 0;

    p = perso(500, 500);
    p->bParalyse = true;
    p->vieParalysie = 50;
    p->prendreCoup(10, 1, 0, 1);
    EXPECT_EQ(p->compteurDash2, 0) << "an indirect hit on a paralysed character is ignored";
    EXPECT_EQ(p->vieParalysie, 50);
    p->prendreCoup(10, 1, 0, 0);
    EXPECT_EQ(p->vieParalysie, 40) << "a direct one wears down the paralysis";
    EXPECT_EQ(p->vie, 100);
    p->prendreCoup(-10, 1, 0, 0);
    EXPECT_EQ(p->vieParalysie, 50) << "negative damage is used as read";
}

TEST_F(Coups, MortEnAventureEtMortDUneIA)
{
    CPerso* p = surLeSol();
    CPerso* a = ia(300, 500);
    CPerso* cachee = ia(400, 500);
    cachee->sprite->setVisible(false);
    CPerso* b = ia(500, 500);
    b->particuleFin = new CParticules();
    p->prendreCoup(150, 0, 0, 0);
    EXPECT_EQ(p->vie, 0);
    for (CPerso* q : {p, a, cachee, b})
        EXPECT_EQ(q->mode, MORT) << "a player's death takes the whole level with it";
    EXPECT_TRUE(a->sprite->overs.count("SANG1")) << "visible: blood over";
    EXPECT_FALSE(cachee->sprite->overs.count("SANG1")) << "hidden: nothing";
    EXPECT_FALSE(b->sprite->overs.count("SANG1")) << "its end emitter instead";
    EXPECT_EQ(joues("SPLASH"), 1);

    TearDown();
    SetUp();
    p = surLeSol();
    a = ia(300, 500);
    a->bChuteVaisseauMort = true;
    a->bVaisseau = true;
    a->prendreCoup(150, 0, 0, 0);
    EXPECT_FALSE(a->bVaisseau) << "a dead ship falls";
    EXPECT_NE(p->mode, MORT) << "an AI dies alone";
}

TEST_F(Coups, CycleDuJeuADeux)
{
    jeu->typeJeu = 2;
    COptionsMulti& o = *jeu->pOptionsMulti;
    o.drapeauxPartie[0] = true;
    o.nbClones[0] = 3;
    CPerso* p = surLeSol();
    p->vie = 10;
    p->prendreCoup(20, 0, 0, 0);
    EXPECT_TRUE(p->bParalyse) << "paralysed at 0 life";
    EXPECT_EQ(p->vieParalysie, 100);
    EXPECT_EQ(jeu->paralysie[0], 1);
    p->compteurTouche = -1;
    jeu->compteurMultiPause = 5;
    p->prendreCoup(100, 0, 0, 0);
    EXPECT_TRUE(p->bParalyse) << "not freed during the pause";
    p->prendreCoup(1, 0, 0, 0);
    jeu->compteurMultiPause = 0;
    p->prendreCoup(1, 0, 0, 0);
    EXPECT_FALSE(p->bParalyse) << "freed once its paralysis life is spent";
    EXPECT_EQ(jeu->paralysie[0], 0);

    o.drapeauxPartie[0] = false;
    o.nbClones[0] = 2;
    CPerso* equipier = perso(300, 500);
    CPerso* adversaire = perso(500, 500);
    adversaire->numJoueur = 1;
    p->vie = 5;
    p->prendreCoup(20, 0, 0, 0);
    EXPECT_EQ(p->mode, MORT) << "without paralysis: dead";
    EXPECT_EQ(p->compteurMort, 30) << "handed over in one second";
    EXPECT_EQ(joues("FANTOME"), 1) << "its spirit leaves";
    EXPECT_EQ(jeu->nbJoueursMultiDcd, 0) << "one clone left";
    equipier->vie = 5;
    equipier->prendreCoup(20, 0, 0, 0);
    EXPECT_EQ(jeu->nbJoueursMultiDcd, 1) << "the count reached nbClones: eliminated";
    EXPECT_EQ(equipier->mode, MORT);
    EXPECT_NE(adversaire->mode, MORT) << "the other player's characters live on";

    CPerso* ia2 = ia(700, 500);
    ia2->prendreCoup(500, 0, 0, 0);
    EXPECT_EQ(ia2->mode, MORT) << "an AI of the two-player game dies at 0";
}

TEST_F(Coups, EspritLibere)
{
    struct Cas {
        bool drapeau;
        const char* arme;
        bool elimine;
        int anim;  // -1: random among the first three
        float y0;
    } cas[] = {{false, "ARME 2", false, 3, 0}, {true, "ARME 2", false, -1, -10}, {true, "FANTOME", false, 3, 0},
               {false, "ARME 2", true, 0, 0}, {true, "FANTOME", true, -1, -10}};
    for (const Cas& k : cas) {
        CPerso* p = surLeSol();
        CSPRITE3& e = *p->spriteEsprit;
        while (e.getNbAnimations() < 4)
            e.ajouterAnimation("ESPRIT", true);
        for (int a = 0; a < 4; ++a)
            e.getAnim(a)->origineGlobale = sf::Vector2f(10, 20);
        p->sprite->setScale(2, 2);
        p->derniereArme = k.arme;
        jeu->pOptionsMulti->drapeauxMenu[0] = k.drapeau;
        tuv::srand(7);
        const int hasard = tuv::rand() % 3;
        tuv::srand(7);
        p->libererEsprit(k.elimine);
        EXPECT_EQ(e.getAnimation(), k.anim < 0 ? hasard : k.anim) << k.arme << " flag " << k.drapeau;
        EXPECT_FLOAT_EQ(e.y0, k.y0);
        EXPECT_FLOAT_EQ(e.x, 100 - 10 * 2) << "at the body less its origin times the body's scale";
        EXPECT_FLOAT_EQ(e.y, 500 - 20 * 2);
        TearDown();
        SetUp();
    }
}
