// The hit timer that the drawing runs, and the death step of every frame after a death.
#include "OutilsCombat.h"

#include "characters/Explosions.h"
#include "characters/PersoDef.h"
#include "support/Outils.h"

namespace {

using namespace EtatPerso;

class Mort : public Combat {
protected:
    sf::RenderTexture& scene() { return *CSFMLJeuGlobal::prenderTexture; }
};

} // namespace

TEST_F(Mort, MinuterieDuCoupAuxDeuxCadences)
{
    struct Cas {
        float coeff;
        int chute;   // the draw that brings state 7
        int fin;     // the draw after which a new hit state is possible
    } cas[] = {{1.0f, 5, 41}, {0.5f, 9, 81}};
    for (const Cas& k : cas) {
        coefficient(k.coeff);
        CPerso* p = surLeSol();
        p->couleur = sf::Color(255, 0, 0);
        p->prendreCoup(1, 0, 0, 0);
        EXPECT_EQ(p->mode, TOUCHE) << "at " << k.coeff;
        EXPECT_EQ(p->sprite->sprite.getColor(), sf::Color(255, 0, 0)) << "tinted";
        for (int i = 1; i <= k.fin; ++i) {
            p->dessiner(scene());
            if (i == k.chute - 1) {
                EXPECT_EQ(p->mode, TOUCHE) << "the hit animation replays until draw " << i << " at " << k.coeff;
            }
            if (i == k.chute) {
                EXPECT_EQ(p->mode, CHUTE) << "draw " << i << " at " << k.coeff;
            }
            if (i == k.fin - 1) {
                p->prendreCoup(1, 0, 0, 0);
                EXPECT_NE(p->mode, TOUCHE) << "still recovering at draw " << i;
            }
        }
        EXPECT_EQ(p->compteurTouche, -1);
        EXPECT_EQ(p->sprite->sprite.getColor(), sf::Color::White) << "the sprite's own colour is back";
        p->prendreCoup(1, 0, 0, 0);
        EXPECT_EQ(p->mode, TOUCHE) << "a new hit state after " << k.fin << " draws";
        TearDown();
        SetUp();
    }
}

TEST_F(Mort, CodesDeLEtapeDeMort)
{
    CPerso* p = surLeSol();
    p->mode = MORT;
    p->compteurTouche = 12;
    p->nbTirs = 3;
    p->sprite->Over("Alerte", "EXCLAMATION", 0, 0, -70, 1, 1, 0, true, -1);
    EXPECT_EQ(p->mourir(), 1) << "a player";
    EXPECT_TRUE(jeu->bPersoIAdcd) << "the level is lost";
    EXPECT_FALSE(p->sprite->overs.count("Alerte")) << "the alert mark goes";
    p->bMortTerminee = true;
    EXPECT_EQ(p->mourir(), 2) << "a finished death";

    CPerso* a = ia(300, 500);
    a->mode = MORT;
    a->bMortLancee = true;
    EXPECT_EQ(a->mourir(), 0) << "an AI whose death is taken over";

    CPerso* b = ia(400, 500);
    b->mode = MORT;
    b->animMort = 60;  // beyond the 47 animations of the bank
    EXPECT_EQ(b->mourir(), 1);
    EXPECT_TRUE(b->bMortTerminee) << "a missing death animation ends at once";
    EXPECT_EQ(b->mourir(), 2);

    CPerso* c = ia(500, 500);
    c->mode = MORT;
    int n = 0;
    while (!c->bMortTerminee && n < 10) {
        c->mourir();
        ++n;
    }
    EXPECT_EQ(n, 3) << "the death animation starts, then its two frames at speed 1 loop once";
}

TEST_F(Mort, MortDUnSpriteAnime)
{
    for (bool supprimer : {true, false}) {
        CPerso* a = ia(300, 500);
        anime(*a, {"ARRET", "MORT", "MARCHE_VISEE"});
        a->mode = MORT;
        a->bSupprimerMort = supprimer;
        CSPRITE3& s = *a->sprite;
        EXPECT_EQ(a->mourir(), 1);
        EXPECT_EQ(s.getAnimation(), 1) << "ARRET switches to MORT";
        s.update(nullptr, 1, s.x, s.y, -1);
        s.update(nullptr, 1, s.x, s.y, -1);
        EXPECT_EQ(a->mourir(), 1);
        EXPECT_TRUE(a->bMortTerminee) << "once MORT has looped";
        EXPECT_EQ(s.getAnimation(), 0) << "back to ARRET";
        EXPECT_EQ(a->bDel, supprimer);
    }
    CPerso* sansEtats = ia(500, 500);
    anime(*sansEtats, {"MARCHE_VISEE"});
    sansEtats->mode = MORT;
    for (int i = 0; i < 3 && !sansEtats->bMortTerminee; ++i) {
        sansEtats->mourir();
        sansEtats->sprite->update(nullptr, 1, 0, 0, -1);
    }
    EXPECT_TRUE(sansEtats->bMortTerminee) << "without ARRET and MORT: animation 0 plays out";
}

// A death's key runs once per death whatever its count, though the body (ARRET, linked to the
// one-frame MORT as the guard's) comes round to it every other frame; again after a restart.
TEST_F(Mort, LaCleDeLaMortTourneUneFoisParMort)
{
    installerServicesScripts(*jeu);
    decor->pMoteur = jeu->pscriptEngine = &moteur();
    DossierTemp dossier;
    ecrireTexte(dossier / "mort.scp", "BASCULE()\n");
    for (const bool joueur : {false, true})
        for (const int nbExecutions : {-1, 1, 3}) {
            const std::string cas = (joueur ? "player, count " : "AI, count ") + std::to_string(nbExecutions);
            CPerso* p = joueur ? surLeSol() : ia(300, 500);
            anime(*p, {"MORT", "ARRET_VISEE", "TOUCHE", "CHUTE"}, 1);
            CSPRITE3& s = *p->sprite;
            s.etats["ARRET"] = 0;  // MORT_2 and MORT_4, not named, play animation 0 too
            s.setVitesseAnim(0, 2);
            CSPRITE3_KEYFRAME& cle = *s.getAnim(0)->keyframes[0];
            cle.nbExecutions = nbExecutions;
            cle.creerScript(dossier / "mort.scp", &s);
            for (int mort = 1; mort <= 2; ++mort) {
                p->prendreCoup(p->vie, 0, 0, 0);
                for (int image = 0; image < 300; ++image) {
                    p->mourir();
                    s.update(nullptr, 1, s.x, s.y, -1);
                    moteur().lancerScripts();
                }
                ASSERT_NE(cle.scriptVivant(), nullptr) << cas;
                EXPECT_EQ(cle.scriptVivant()->nbRunFaits, 1) << cas << ", death " << mort;
                EXPECT_TRUE(s.getAnimation() == 0 && s.getNbBoucles(0) > 100) << cas << ": the body lies as before";
                decor->demarrerNiveau(1);
                EXPECT_NE(p->mode, MORT) << cas << ": revived";
            }
        }
}

TEST_F(Mort, ExplosionEtEnfants)
{
    jeu->pExplosions = new CExplosions();
    auto* banque = new CDEC();
    jeu->pExplosions->explosions["BOUM"] = banque;
    jeu->pExplosions->sonsExplosions["BOUM"] = "EXPLOSION";
    CPerso* a = ia(300, 500);
    a->mode = MORT;
    a->spriteBouclier->pDEC = banque;  // bound to "BOUM" when the AI was made
    a->spriteBouclier->nbanimtotale = 4;
    auto* enfant = new CPerso();
    a->enfants.push_back(enfant);
    a->nbEnfants = 1;
    EXPECT_EQ(a->mourir(), 1);
    EXPECT_TRUE(a->bMortLancee);
    EXPECT_EQ(joues("EXPLOSION"), 1);
    EXPECT_EQ(a->spriteBouclier->nbanimtotale, 0) << "the explosion starts over";
    EXPECT_TRUE(enfant->bMortLancee) << "children are taken with it";
    EXPECT_EQ(a->mourir(), 0) << "once only";
    EXPECT_EQ(joues("EXPLOSION"), 1);

    // A definition naming an explosion the list lacks: nothing played, nothing added.
    installerHooksPersoDef();
    auto* def = new CDEC();
    decor->modelesDEC["DEF"] = def;
    ASSERT_NE(def->pPersoDef, nullptr);
    def->pPersoDef->explosion = "INCONNUE";
    CPerso* b = ia(400, 500);
    b->mode = MORT;
    b->sprite->pDEC = def;
    b->mourir();
    EXPECT_TRUE(b->bMortLancee);
    EXPECT_EQ(jeu->pExplosions->explosions.count("INCONNUE"), 0u);
    EXPECT_EQ(jeu->pExplosions->sonsExplosions.count("INCONNUE"), 0u);
    jeu->pExplosions->explosions.clear();
    a->spriteBouclier->pDEC = nullptr;
    delete banque;
}

TEST_F(Mort, JoueurEliminePasseAuJeu)
{
    jeu->typeJeu = 2;
    CPerso* p = surLeSol();
    p->mode = MORT;
    p->compteurMort = 12;
    for (int i = 0; i < 12; ++i, p->prendreCapture())  // the frame ends
        EXPECT_EQ(p->mourir(), 1);
    EXPECT_EQ(p->captures.size(), CPerso::NB_CAPTURES_MAX) << "the last captures only";
    EXPECT_TRUE(jeu->persosMorts.empty()) << "not yet handed over";
    p->mourir();
    ASSERT_EQ(jeu->persosMorts.size(), 1u);
    EXPECT_EQ(jeu->persosMorts[0], p);
    EXPECT_FALSE(jeu->bPersoIAdcd) << "a round is not an adventure lost";
    p->mourir();
    EXPECT_EQ(jeu->persosMorts.size(), 1u) << "handed over once";
}
