// Decor-sprite commands and pickups: visibility, place, colour, animation, particle emitters,
// overlays on characters, falls at both frame rates, the weapon fountain with every load
// option, and the two control-changing pickups.
#include "script/OutilsCommandes.h"

#include "core/Particules.h"

namespace {

class CommandesSprites : public Commandes {
protected:
    void SetUp() override
    {
        Commandes::SetUp();
        sd = spriteAnime(100, 200, "caisse");
    }
    CSPRITE* sd = nullptr;
};

} // namespace

TEST_F(CommandesSprites, VisibiliteCouleurPosition)
{
    lancer("SETSDVISIBLE(2)\nSETSDVISIBLE(2)\nSETSDVISIBLE(0;caisse)", sd);
    std::vector<bool> vues;
    for (int i = 0; i < 3; ++i) {
        images(1);
        vues.push_back(sd->bVisible);
    }
    EXPECT_EQ(vues, (std::vector<bool>{false, true, false})) << "2 toggles, then by id";
    executer("{\nSETSDCOLOR(-1;256;-257;300;caisse)\n}");
    EXPECT_EQ(sd->couleur, sf::Color(255, 0, 255, 44)) << "values wrap into 0..255";
    executer("{\nSETSDPOS(caisse;-30;40)\nSETSDPOS(;999;999)\n}", sd);
    spriteAnime(7, 8, "baisse");  // the same length and last byte
    EXPECT_EQ(lire("GETSDPOS(caisse)"), "f-30|f40") << "an empty id moves nothing, not even the own sprite";
    EXPECT_EQ(lire("GETSDPOS(baisse)"), "f7|f8") << "ids that differ in their first byte only";
    EXPECT_EQ(lire("GETSDPOS(absente)"), "sNULL|sNULL");
    EXPECT_EQ(lire("ISSDVISIBLE()", nullptr, nullptr, sd), "i0|-") << "the empty id reads the own sprite";
}

TEST_F(CommandesSprites, Animations)
{
    sd->setAnim(2);
    lancer("CHANGE_ANIM(2;3;0)\nCHANGE_ANIM(2;3;0)\nCHANGE_ANIM(2;3;1)\nCHANGE_ANIM(2;3;1)\nSDANIM(caisse;1)", sd);
    std::vector<int> vues;
    for (int i = 0; i < 5; ++i) {
        images(1);
        vues.push_back(sd->getNumAnim());
    }
    EXPECT_EQ(vues, (std::vector<int>{3, 2, 3, 3, 1})) << "mode 0 alternates, mode 1 switches once, SDANIM by id";
}

TEST_F(CommandesSprites, ChuteAuxDeuxTaux)
{
    for (const float coeff : {1.0f, 0.5f}) {
        taux(coeff);
        sd->y = 0;
        CScript* s = lancer("CHUTE(4;100)", sd);
        s->nbRunMax = 2;
        for (int passage = 0; passage < 2; ++passage) {
            const float depart = sd->y;
            EXPECT_EQ(jusquALaFin(s), coeff == 1.0f ? 25 : 50) << coeff << " run " << passage;
            EXPECT_FLOAT_EQ(sd->y - depart, 100) << "every run falls the whole distance";
            images(1);  // the second run fires
        }
    }
    EXPECT_FALSE(executer("CHUTE(0;100)", sd)->bEnCours) << "a speed of 0 ends at once";
    EXPECT_FALSE(executer("CHUTE(4;100)")->bEnCours) << "without a sprite: only advances";
}

TEST_F(CommandesSprites, ParticulesEtOvers)
{
    auto* e = new CParticules();
    e->nbParticules = 5;
    sd->pParticules = e;
    const struct {
        int mode;
        bool stopAvant, stop, pause, fini;
    } cas[] = {
        {0, false, true, false, true},   // stop: the live ones run to their end, unfrozen
        {1, true, false, true, false},   // reset and emit again
        {2, true, false, true, true},    // emit again, no reset
        {9, true, true, true, true},     // other modes: nothing
    };
    for (const auto& c : cas) {
        e->bStop = c.stopAvant;
        e->bPause = true;
        e->bFini = true;
        executer("{\nPHYSPARTICULE(caisse;" + std::to_string(c.mode) + ")\n}");
        EXPECT_EQ(e->bStop, c.stop) << "mode " << c.mode;
        EXPECT_EQ(e->bPause, c.pause) << "mode " << c.mode;
        EXPECT_EQ(e->bFini, c.fini) << "mode " << c.mode;
    }

    // SETETATPARTICULESSP3 on an AI's animated sprite.
    CPerso* golem = perso(0, 0, true);
    golem->sprite->nom = "golem";
    auto anim = std::make_unique<CSPRITE3_ANIMATION>();
    anim->nom = "marche";
    auto torche = std::make_unique<CSPRITE3_ANIMELEM>();
    torche->nom = "torche";
    torche->pParticules = std::make_unique<CParticules>();
    CParticules* f = torche->pParticules.get();
    anim->animElems.push_back(std::move(torche));
    auto nue = std::make_unique<CSPRITE3_ANIMELEM>();
    nue->nom = "nue";
    anim->animElems.push_back(std::move(nue));
    golem->sprite->animations.push_back(std::move(anim));
    EXPECT_EQ(lire("SETETATPARTICULESSP3(golem;marche;torche;0)"), "i1|-");
    EXPECT_TRUE(f->bStop) << "0 stops";
    EXPECT_EQ(lire("SETETATPARTICULESSP3(golem;marche;torche;3)"), "i0|-");
    EXPECT_TRUE(!f->bStop && f->nbCycles == 3) << "3 runs three cycles";
    EXPECT_EQ(lire("SETETATPARTICULESSP3(golem;marche;nue;3)"), "i-2|-") << "no emitter";
    EXPECT_EQ(lire("SETETATPARTICULESSP3(personne;marche;torche;3)"), "i-1|-");

    // ADD_OVER on an AI and on its child; the last match wins.
    CPerso* tourelle = iaAvecEnfant("tourelle", "canon");
    CPerso* canon = tourelle->enfants.front();
    CPerso* jumelle = perso(0, 0, true);
    jumelle->id = "tourelle";
    executer("{\nADD_OVER(marque;./x.png;tourelle;canon;5;-6;1.5;2;30;1;3)\nADD_OVER(halo;./h.png;tourelle;;1;2;1;1;0;0;-1)\n}");
    ASSERT_EQ(canon->sprite->overs.count("marque"), 1u) << "on the child";
    EXPECT_EQ(canon->sprite->overs["marque"].plan, 3);
    EXPECT_EQ(tourelle->sprite->overs.count("marque"), 0u);
    EXPECT_TRUE(jumelle->sprite->overs.count("halo") && !tourelle->sprite->overs.count("halo"))
        << "the last AI of that id";
}

namespace {

class Fontaine : public Commandes {
protected:
    void SetUp() override
    {
        Commandes::SetUp();
        jeu->mode = 1;
        listeArmes({60});
        fontaine = spriteAnime(0, 0);
        fontaine->idSon = "RECHARGE";
        joueur = avecArme(0, 0);
    }

    // A player of that number holding weapon `numero` in its current slot 0.
    CPerso* avecArme(int numJoueur, int numero)
    {
        CPerso* p = perso(0, 0);
        p->numJoueur = numJoueur;
        slot(p, numero);
        p->armeCourante = 0;
        return p;
    }

    // Takes the fountain, lit with that weapon, with that character; the ammunition of its slot 0.
    int prendre(CPerso* p, int arme = 0)
    {
        fontaine->setAnim(0);
        fontaine->numArmeFontaine = arme;
        p->armes[0]->munitions = 7;
        executerPar(p, "FONTAINEDARMES(1)", fontaine);
        return p->armes[0]->munitions;
    }

    CSPRITE* fontaine = nullptr;
    CPerso* joueur = nullptr;
};

} // namespace

TEST_F(Fontaine, OptionsDeChargement)
{
    const struct {
        int option, munitions;
    } cas[] = {{0, 60}, {2, 75}, {3, 90}, {4, 30}, {7, 60}};
    for (const auto& c : cas) {
        jeu->chargementArmesJoueur1 = c.option;
        jeu->chargementArmesJoueur2 = 0;
        EXPECT_EQ(prendre(joueur), c.munitions) << "player 1, option " << c.option;
        jeu->chargementArmesJoueur1 = 0;
        jeu->chargementArmesJoueur2 = c.option;
        CPerso* j2 = avecArme(1, 0);
        EXPECT_EQ(prendre(j2), c.munitions) << "player 2, option " << c.option;
    }
    jeu->chargementArmesJoueur1 = jeu->chargementArmesJoueur2 = 4;
    EXPECT_EQ(prendre(avecArme(2, 0)), 60) << "other players always take the full load";
    EXPECT_EQ(jeu->nomsArme.back(), std::make_pair(2, 150));

    // The AIs of the taker's number are served too; an AI's number is 0 unless set.
    CPerso* iaDuJoueur1 = perso(0, 0, true);
    CPerso* iaDuJoueur2 = perso(0, 0, true);
    iaDuJoueur2->numJoueur = 1;
    for (CPerso* ia : {iaDuJoueur1, iaDuJoueur2}) {
        slot(ia, 0, 7);
        ia->armeCourante = 0;
    }
    EXPECT_EQ(prendre(joueur), 30);
    EXPECT_EQ(iaDuJoueur1->armes[0]->munitions, 30) << "player 1's option applies to the AI";
    EXPECT_TRUE(iaDuJoueur1->armes[0]->bPossedee);
    EXPECT_EQ(iaDuJoueur2->armes[0]->munitions, 7) << "another number's AI is not served";

    // A weapon outside the list loads nothing; a player number past the HUD's four is
    // served without its counter.
    joueur->armes[0]->numero = 5;
    EXPECT_EQ(prendre(joueur), 0);
    taux(0.5f);
    EXPECT_EQ(prendre(avecArme(9, 0)), 60);
    EXPECT_EQ(prendre(joueur), 0);
    EXPECT_EQ(jeu->nomsArme.back(), std::make_pair(0, 300)) << "five seconds at 60 frames per second";
}

TEST_F(Fontaine, PriseEtReArmement)
{
    for (int& drapeau : jeu->armesFontaine)
        drapeau = 0;
    jeu->armesFontaine[0] = 1;  // the only weapon offered
    EXPECT_EQ(prendre(joueur), 60);
    // Taken: gives nothing until mode 2 re-arms it.
    joueur->armes[0]->munitions = 1;
    executerPar(joueur, "FONTAINEDARMES(1)", fontaine);
    EXPECT_EQ(joueur->armes[0]->munitions, 1);
    executer("FONTAINEDARMES(2)", fontaine);
    EXPECT_EQ(fontaine->getNumAnim(), 0);
    EXPECT_TRUE(fontaine->overs["FONTAINEDARMESLUX"].bVisible);
    EXPECT_EQ(fontaine->overs["FONTAINEDARMES_ARME"].fichier, "ARME1");
    // A weapon turned off since it was drawn, or past the taker's slots, gives nothing and does
    // not refill the one he holds; an AI of his number without that slot is not refilled either.
    jeu->armesFontaine[0] = 0;
    EXPECT_EQ(prendre(joueur), 7) << "weapon 1, turned off";
    jeu->armesFontaine[1] = 1;
    EXPECT_EQ(prendre(joueur, 1), 7) << "weapon 2, past his one slot";
    EXPECT_EQ(fontaine->getNumAnim(), 0) << "left for a player who can take it";
    slot(joueur, 0);
    CPerso* ia = perso(0, 0, true);
    slot(ia, 0, 7);
    ia->armeCourante = 0;
    prendre(joueur, 1);
    EXPECT_TRUE(joueur->armeCourante == 1 && joueur->armes[1]->munitions == 60) << "weapon 2, in his second slot";
    EXPECT_EQ(ia->armes[0]->munitions, 7) << "an AI with one slot";
    // Outside the game, without a sprite or a taker: only advances.
    jeu->mode = 2;
    EXPECT_EQ(prendre(joueur), 7);
    jeu->mode = 1;
    executer("FONTAINEDARMES(1)", fontaine);
    EXPECT_EQ(fontaine->getNumAnim(), 0);
}

TEST_F(Fontaine, Pastilles)
{
    CSPRITE* pastille = spriteAnime(0, 0);
    joueur->vie = 10;
    joueur->vieMax = 90;
    auto prendre = [&](const std::string& commande) { executerPar(joueur, commande, pastille); };
    prendre("PADSOTOLITE(1)");
    EXPECT_TRUE(joueur->bPasdesaut && joueur->vie == 90) << "no jumping, full life";
    EXPECT_EQ(pastille->getNumAnim(), 1);
    prendre("PADSOTOLITE(1)");
    EXPECT_TRUE(joueur->bPasdesaut) << "taken: nothing until re-armed";
    prendre("PADSOTOLITE(2)");
    prendre("PADSOTOLITE(1)");
    EXPECT_FALSE(joueur->bPasdesaut) << "taken again: jumping comes back";
    prendre("PADSOTOLITE(2)");
    prendre("PADSOTOLITE(1)");
    prendre("PADSOTOLITE(2)");
    prendre("INVERTOLITE(1)");
    EXPECT_TRUE(joueur->bInversionGD && !joueur->bPasdesaut) << "one pickup clears the other";
    pastille->bVisible = false;
    prendre("INVERTOLITE(2)");
    EXPECT_EQ(pastille->getNumAnim(), 1) << "a hidden pickup does nothing";
}
