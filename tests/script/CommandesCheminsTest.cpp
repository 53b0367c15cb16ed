// Key-point paths built and read by scripts, groups pushed against a wall at both frame
// rates, doors with their switches, teleporters and walks.
#include "script/OutilsCommandes.h"

#include "characters/EtatsPerso.h"
#include "core/Chemin.h"
#include "core/SpriteSimple.h"

namespace {

class CommandesChemins : public Commandes {
protected:
    void SetUp() override
    {
        Commandes::SetUp();
        ia = perso(0, 0, true);
        ia->id = "patrouille";
    }

    // A one-shot script whose current AI is the patrol, run to its first step.
    CScript* surIA(const std::string& texte)
    {
        CScript* s = lancer(texte);
        s->pIACourante = ia;
        images(1);
        return s;
    }

    // A path of n key points 100 pixels apart on x, on the AI's sprite.
    CScript* construireChemin(int n)
    {
        std::string texte = "{\nKP_INIT(1)\nKPG(0;10;0;0;0;0;-1)\n";
        for (int i = 0; i < n; ++i)
            texte += "KP(" + std::to_string(100 * (i + 1)) + ";50;1;1;0;255;255;255;255;0;0;-1;-1;-1;-1)\n";
        return surIA(texte + "}");
    }

    // The level's one-shot effects need the step-dust bank.
    void avecEffets()
    {
        CDEC*& b = decor->modelesDEC["poussiere"];
        b = new CDEC();
        b->anim(0);
        decor->pPoussierePas = new CSPRITE_SIMPLE();
        decor->pPoussierePas->setDEC(b);
    }

    CPerso* ia = nullptr;
};

} // namespace

TEST_F(CommandesChemins, ConstructionEtLecture)
{
    EXPECT_EQ(lire("GETKPNB(patrouille)"), "-|-") << "no path: nothing pushed";
    CScript* s = lancer("{\nKP_INIT(1)\nKPG(2;3.5;1;0.5;20;1;4)\n"
                        "KP(120.7;-40.2;2;0.5;30;300;-8;20;255;1;0;-1;-1;-1;-1)\n"
                        "KP(400;60;1;1;0;255;255;255;255;0;0;2;-1;-1;-1)\n}");
    s->pIACourante = ia;
    images(1);
    CChemin* c = ia->sprite->pChemin;
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->nbKP, 2);
    // The first key point placed the sprite and gave it its look; the second only appended.
    EXPECT_EQ(ia->sprite->x, 120);
    EXPECT_FLOAT_EQ(ia->sprite->rotangle, 30);
    EXPECT_EQ(ia->sprite->couleur, sf::Color(255, 0, 20, 255)) << "KP colours are clamped to 0..255";
    EXPECT_EQ(ia->sprite->flipH, -1);

    EXPECT_EQ(lire("GETKPNUM(patrouille)"), "i1|-") << "index -1 reads 1";
    EXPECT_EQ(lire("GETKPPOS(patrouille)"), "f120.7|f-40.2") << "index -1: the first key point";
    c->numKP = 1;
    c->numKPCible = 0;
    EXPECT_EQ(lire("GETKPNUM(patrouille)"), "i2|-");
    EXPECT_EQ(lire("GETKPPOS(patrouille)"), "f400|f60");
    EXPECT_EQ(lire("ISKPPAUSE(patrouille)"), "i1|-");
    // The empty target is the current AI's sprite; SETKPPAUSE and SETKPSTEPBYSTEP switch.
    surIA("{\nSETKPPAUSE(0)\nSETKPSTEPBYSTEP(1)\n}");
    EXPECT_FALSE(c->bPause);
    EXPECT_TRUE(c->bPasAPas);
    // An empty path answers the "NULL" pair; KP_INIT(0) removes the path.
    surIA("{\nKP_INIT(1)\n}");
    EXPECT_EQ(lire("GETKPNEXTPOS(patrouille)"), "sNULL|sNULL");
    surIA("{\nKP_INIT(0)\n}");
    EXPECT_EQ(ia->sprite->pChemin, nullptr);
    EXPECT_FALSE(ia->sprite->bPhysC);
    // Without a current AI the path commands only advance.
    s = executer("{\nKP_INIT(1)\nKPG(0;1;1;1;1;0;1)\nKP(1;2;1;1;0;0;0;0;0;0;0;0;0;0;0)\n}");
    EXPECT_FALSE(s->bEnCours);
}

TEST_F(CommandesChemins, AttendreFinAnimKP)
{
    construireChemin(2);
    CChemin* c = ia->sprite->pChemin;
    CScript* s = lancer("ATTENDRE_FIN_ANIMKP()");
    s->pIACourante = ia;
    int attente = 0;
    while (s->bEnCours && attente < 100) {
        c->maj(0, 0, ia->sprite);
        images(1);
        ++attente;
    }
    EXPECT_EQ(c->nbLegsFaits, 1);
    EXPECT_EQ(attente, 10) << "100 pixels at 10 a frame; the step of the last one sees the leg done";
    // A one-point path can never finish a leg; nor can a limit of 0 legs.
    construireChemin(1);
    EXPECT_FALSE(surIA("ATTENDRE_FIN_ANIMKP()")->bEnCours) << "one key point";
    construireChemin(3);
    ia->sprite->pChemin->nbChemin = 0;
    EXPECT_FALSE(surIA("ATTENDRE_FIN_ANIMKP()")->bEnCours) << "no legs allowed";
    // A paused path keeps waiting: another script may resume it.
    construireChemin(3);
    ia->sprite->pChemin->bPause = true;
    s = surIA("ATTENDRE_FIN_ANIMKP()");
    images(4);
    EXPECT_TRUE(s->bEnCours);
}

TEST_F(CommandesChemins, AnimKPOnOffAuRang)
{
    CSPRITE* plate = spriteDeType(0, 0, "PLATE");
    plate->pChemin = new CChemin();
    plate->idSon = "MOTEUR";
    CSPRITE* interrupteur = spriteDeType(500, 0, "LEVIER");
    executer("ANIMKP_ONOFF(PLATE;2)");
    EXPECT_FALSE(plate->pChemin->bPause) << "rank 2 as the first call of the pass does nothing";
    script("ANIMKP_ONOFF(AUTRE;1)", declencheur::IMMEDIAT, 1);
    script("ANIMKP_ONOFF(PLATE;2)", declencheur::IMMEDIAT, 1, interrupteur);
    images(2);
    EXPECT_TRUE(plate->pChemin->bPause) << "as the second call it toggles the path";
    EXPECT_EQ(interrupteur->getNumAnim(), 1) << "the switch shows it";
    executer("ANIMKP_ONOFF(PLATE;0)");
    EXPECT_FALSE(plate->pChemin->bPause);
    EXPECT_EQ(compterSons("MOTEUR"), 1) << "running again: its sound plays";
}

namespace {

class BougeGroupe : public CommandesChemins {
protected:
    void SetUp() override
    {
        CommandesChemins::SetUp();
        avecEffets();
        mur = sprite(100, 0, 100, 500);
        mur->collision = 1;
        a = sprite(300, 100);
        b = sprite(300, 300);
        a->groupe = b->groupe = 5;
    }
    CSPRITE* mur = nullptr;
    CSPRITE* a = nullptr;
    CSPRITE* b = nullptr;
};

} // namespace

TEST_F(BougeGroupe, VersLeMurAuxDeuxTaux)
{
    for (const float coeff : {1.0f, 0.5f}) {
        taux(coeff);
        a->x = b->x = 300;
        jeu->sons.clear();
        CSPRITE* levier = spriteAnime(900, 0);
        CScript* s = lancer("BOUGE_GROUPE(5;2)", levier);
        images(1);
        EXPECT_FLOAT_EQ(a->x, 300 - 12 * coeff) << "12 pixels a frame at 30 per second";
        EXPECT_EQ(levier->getNumAnim(), 1) << "its lever shows the move";
        EXPECT_EQ(jusquALaFin(s), coeff == 1.0f ? 8 : 16) << coeff;
        EXPECT_FLOAT_EQ(a->x, 200) << "crept against the wall";
        EXPECT_FLOAT_EQ(b->x, 200);
        EXPECT_EQ(compterSons("CHOC"), 2) << "one per member";
        EXPECT_FALSE(a->bImpact || b->bImpact) << "cleared once the group stops";
        EXPECT_EQ(levier->getNumAnim(), 0);
    }
}

TEST_F(BougeGroupe, AutresScriptsSurLeGroupe)
{
    // The first script to step moves the group and moves on the others standing on the same
    // group; one standing on the last command of its run closes the run, counted.
    CScript* meneur = script("BOUGE_GROUPE(5;2)", declencheur::IMMEDIAT, 1);
    CScript* suiveur = script("BOUGE_GROUPE(5;2)\nPAUSE(50)", declencheur::IMMEDIAT, 1);
    CScript* fin = script("BOUGE_GROUPE(5;2)", declencheur::IMMEDIAT, 1);
    CScript* autreGroupe = script("BOUGE_GROUPE(6;2)", declencheur::IMMEDIAT, 1);
    images(2);
    EXPECT_EQ(suiveur->numCmdCour, 1);
    EXPECT_EQ(fin->nbRunFaits, 1);
    EXPECT_EQ(meneur->numCmdCour, 0);
    EXPECT_FLOAT_EQ(a->x, 288) << "moved once, by the leader";
    EXPECT_EQ(autreGroupe->numCmdCour, 0) << "another group is not moved on";
}

TEST_F(BougeGroupe, Ecrasement)
{
    // A character under the wall (collision 2 crushes) dies when the group stops.
    mur->collision = 2;
    CPerso* victime = perso(150, 450);
    victime->posPieds = 0;
    CPerso* loin = perso(1000, 450);
    a->x = b->x = 212;
    lancer("BOUGE_GROUPE(5;2)");
    images(3);
    EXPECT_EQ(victime->mode, EtatPerso::MORT);
    EXPECT_EQ(loin->vie, 100);
}

TEST_F(BougeGroupe, DirectionsInvalidesEtVide)
{
    for (const char* d : {"7", "-1", "2.5", "1e9"}) {
        EXPECT_FALSE(executer(std::string("BOUGE_GROUPE(5;") + d + ")")->bEnCours) << "direction " << d;
        EXPECT_FLOAT_EQ(a->x, 300);
    }
    // Pushed into empty space: blocked once far out of the level (10,000 pixels without a
    // size), silently.
    EXPECT_LT(jusquALaFin(lancer("BOUGE_GROUPE(5;1)")), 1000);
    EXPECT_LT(a->y, -720);
    EXPECT_EQ(compterSons("CHOC"), 0);
    decor->tailleJeuX = decor->tailleJeuY = 0;
    EXPECT_LT(jusquALaFin(lancer("BOUGE_GROUPE(5;3)"), 2000), 2000);
    EXPECT_GT(a->x, 10000);
    // A script declared by a definition reads group and direction from its sprite.
    CSPRITE* porteur = spriteAnime(0, 600);
    porteur->paramsScript[0] = 5;
    porteur->paramsScript[1] = 7;
    CScript* dec = moteur->creerScript("", porteur, declencheur::IMMEDIAT, 1, false, true);
    std::istringstream flux("BOUGE_GROUPE(9;2)");
    moteur->chargerScriptFlux(dec, flux);
    images(2);
    EXPECT_FALSE(dec->bEnCours) << "direction 7 from the sprite's parameters";
}

TEST_F(CommandesChemins, PortesEtInterrupteurs)
{
    CSPRITE* porte = spriteDeType(400, 0, "PORTE", 100, 300);
    porte->collision = 2;
    porte->setAnim(1);  // open
    CSPRITE* porte2 = spriteDeType(800, 0, "PORTE", 100, 300);
    porte2->bPorteFermee = true;
    CSPRITE* levier = spriteDeType(0, 0, "LEVIER");
    levier->idSon = "CLIC";
    CSPRITE* levier2 = spriteDeType(200, 0, "LEVIER");
    moteur->creerScript("", levier2, declencheur::ZONE_JOUEUR, -1, false, false);
    std::istringstream flux("PORTE_ONOFF(PORTE;1)");
    moteur->chargerScriptFlux(moteur->scripts.back().get(), flux);

    CPerso* dedans = perso(450, 250);
    dedans->posPieds = 0;
    CScript* s = executer("PORTE_ONOFF(PORTE;1)", levier);
    EXPECT_FALSE(s->bEnCours) << "it still ends";
    EXPECT_TRUE(porte->getNumAnim() == 1 && porte2->getNumAnim() == 0)
        << "someone stands in the open door: nothing switches";
    moteur->supprimerScriptPtr(s);  // one script per switch

    dedans->sprite->x = 2000;
    executer("PORTE_ONOFF(PORTE;1)", levier);
    EXPECT_TRUE(porte->getNumAnim() == 0 && porte->bPorteFermee) << "closed";
    EXPECT_TRUE(porte2->getNumAnim() == 1 && !porte2->bPorteFermee) << "opened";
    EXPECT_TRUE(levier->getNumAnim() == 1 && levier2->getNumAnim() == 1) << "the switches whose script drives these doors";
    EXPECT_EQ(compterSons("CLIC"), 2) << "the running script's sound, once per switch";
}

TEST_F(CommandesChemins, TeleporteVersAuxDeuxTaux)
{
    jeu->mode = 1;
    CSPRITE* depart = spriteAnime(0, 0);
    CSPRITE* arrivee = spriteAnime(1000, 200);
    arrivee->hitbox[0] = 10;  // left
    arrivee->hitbox[1] = 20;  // top
    arrivee->hitbox[2] = 30;  // right
    arrivee->hitbox[3] = 0;   // bottom
    arrivee->setFlip(true, false);
    arrivee->setScale(2, 1);
    depart->idSon = "TELEPORT";
    constexpr int JAMAIS = 99;  // a trigger that never fires: the arrival only answers
    CScript* cible = moteur->creerScript("", arrivee, JAMAIS, -1, false, false);
    std::istringstream flux("TELEPORTEVERS(7;1)");
    moteur->chargerScriptFlux(cible, flux);
    CPerso* voyageur = perso(10, 10);
    auto teleporter = [&](const char* commande) {
        voyageur->sprite->x = 10;
        executerPar(voyageur, commande, depart);
        return voyageur->sprite->x;
    };

    for (const float coeff : {1.0f, 0.5f}) {
        taux(coeff);
        voyageur->sprite->y = 10;
        voyageur->tempsTeleportation = 0;
        // Flipped: the box starts W - left - w = 100 - 10 - 60 = 30 pixels in, scaled by 2.
        EXPECT_EQ(teleporter("TELEPORTEVERS(1;7)"), 1000 + 60 + 60) << coeff;
        EXPECT_EQ(voyageur->sprite->y, 200 + 20 + 40);
        const int attente = coeff == 1.0f ? 60 : 120;
        for (int i = 0; i < attente; ++i) {
            ASSERT_EQ(teleporter("TELEPORTEVERS(1;7)"), 10) << "refused during the countdown, frame " << i;
            EXPECT_EQ(moteur->variablesGlobales["var_compteurTeleportation"], std::to_string(attente - i));
            voyageur->tempsTeleportation -= 1;  // what the character's drawing does each frame
        }
        EXPECT_EQ(teleporter("TELEPORTEVERS(1;7)"), 1120) << "accepted once the countdown is over";
    }
    EXPECT_EQ(compterSons("TELEPORT"), 4);
    voyageur->tempsTeleportation = 0;
    EXPECT_EQ(teleporter("TELEPORTEVERS(1;8)"), 10) << "an unknown destination";
}

TEST_F(CommandesChemins, Deplace)
{
    CPerso* joueur = perso(100, 100);
    joueur->vitesse = 4;
    jeu->pPerso = joueur;
    ia->vitesse = 5;
    // Two scripts walk two characters to their own targets.
    CScript* s1 = lancer("DEPLACE(patrouille;30;40)");
    jusquALaFin(lancer("DEPLACE(;100;160)"));
    jusquALaFin(s1);
    EXPECT_NEAR(ia->sprite->x, 30, 0.01) << "3, 4, 5 steps of 5";
    EXPECT_NEAR(ia->sprite->y, 40, 0.01);
    EXPECT_NEAR(joueur->sprite->y, 160, 0.01);
    // At 60 frames per second the same walk takes twice the frames.
    for (const float coeff : {1.0f, 0.5f}) {
        taux(coeff);
        joueur->sprite->y = 0;
        EXPECT_EQ(jusquALaFin(lancer("DEPLACE(;100;40)")), coeff == 1.0f ? 11 : 21) << coeff;
    }
    // A speed of 0, or an AI that disappears during the walk, ends it.
    joueur->vitesse = 0;
    EXPECT_FALSE(executer("DEPLACE(;500;500)")->bEnCours) << "speed 0";
    CScript* s = lancer("DEPLACE(patrouille;500;0)");
    images(2);
    decor->ias.remove(ia);
    delete ia;
    images(1);
    EXPECT_FALSE(s->bEnCours);
    EXPECT_EQ(joueur->sprite->x, 100) << "the player does not take over its walk";
}
