// AI and character commands on a small cast: a player, two AIs (the second with a child), a
// model ".per" of our own; reading commands with found and unknown ids, the empty id, the
// setting commands, SCALEIA and CHANGEDIRPERSO at both frame rates, kills and exits.
#include "script/OutilsCommandes.h"

#include "characters/EtatsPerso.h"
#include "characters/PersoDef.h"
#include "support/Outils.h"

#include <cmath>

namespace {

class CommandesIA : public Commandes {
protected:
    void SetUp() override
    {
        Commandes::SetUp();
        joueur = perso(100, 400);
        jeu->pPerso = joueur;
        garde = perso(300, 400, true);
        garde->id = "garde";
        garde->vie = 40;
        garde->vieMax = 80;
        garde->angleVisee = 45;
        tourelle = iaAvecEnfant("tourelle", "canon", 500, 380);
        tourelle->vie = 7;
    }

    CPerso* joueur = nullptr;
    CPerso* garde = nullptr;
    CPerso* tourelle = nullptr;
};

} // namespace

TEST_F(CommandesIA, LecturesAvecIdTrouveEtInconnu)
{
    const struct {
        const char* commande;
        const char* trouve;    // with id "garde"
        const char* inconnu;   // with id "personne"
    } cas[] = {
        {"GETIALIFEMAX", "i80|-", "sNULL|-"},
        {"GETIAPOS", "f300|f400", "sNULL|sNULL"},
        {"ISIAVISIBLE", "i1|-", "sNULL|-"},
        {"ISIADETECTPERSO", "i0|-", "i0|-"},
        {"ISIAALERT", "i0|-", "i0|-"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(lire(std::string(c.commande) + "(garde)"), c.trouve) << c.commande;
        EXPECT_EQ(lire(std::string(c.commande) + "(personne)"), c.inconnu) << c.commande << " unknown";
    }
    garde->compteurAlerte = 3;
    garde->pPersoDetecte = joueur;
    EXPECT_EQ(lire("ISIAALERT(garde)"), "i1|-");
    EXPECT_EQ(lire("ISIADETECTPERSO(garde)"), "i1|-");
    EXPECT_EQ(lire("GETIDIA()", nullptr, garde), "sgarde|-");
    EXPECT_EQ(lire("GETIDIA()"), "sNULL|-") << "a script without its own AI";
}

TEST_F(CommandesIA, IdVideCouranteOuPropre)
{
    // Empty = own for the life, position and angle getters; empty = current for detection
    // and alert.
    EXPECT_EQ(lire("GETIALIFE()", garde, tourelle), "i7|-");
    EXPECT_EQ(lire("GETIALIFE()", garde, nullptr), "sNULL|-") << "no own AI";
    tourelle->compteurAlerte = 1;
    EXPECT_EQ(lire("ISIAALERT()", garde, tourelle), "i0|-") << "the current AI, calm";
    EXPECT_EQ(lire("ISIAALERT()", tourelle, garde), "i1|-");

    CScript* s = lancer("SETIASPEED(9)\nSETIASHOOTANGLE(30)\nSETIAFACTION(2)\nIAMODE(;4)\nSETIDIA(chef)");
    s->pIACourante = garde;
    s->pIAPropre = tourelle;
    images(5);
    EXPECT_EQ(garde->vitesse, 9) << "SETIASPEED: current";
    EXPECT_EQ(tourelle->angleVisee, 30) << "SETIASHOOTANGLE: own";
    EXPECT_EQ(tourelle->faction, 2) << "SETIAFACTION: own";
    EXPECT_TRUE(garde->modeIA == -1 && tourelle->modeIA == -1) << "IAMODE: the empty id is an id like another";
    EXPECT_EQ(garde->id, "chef") << "SETIDIA with one argument renames the current AI";

    // With both arguments (as ajouterCommande can give them) the second one names the AI.
    CScript* deux = moteur->creerScript("", nullptr, declencheur::IMMEDIAT, 1, false, false);
    deux->ajouterCommande("SETIDIA", {L"grand", L"tourelle"});
    images(2);
    EXPECT_EQ(tourelle->id, "grand");
    EXPECT_EQ(garde->id, "chef");
}

TEST_F(CommandesIA, InitIADefEtEtats)
{
    CScript* s = lancer("INITIADEF(tourelle)\nSETIASTATE(WALK)\nINITIADEF(personne)\nSETIASTATE(JUMP)\n"
                        "SETIASTATE(WALK;tourelle)\nSETIASTATE(COURIR;tourelle)");
    s->pIAPropre = garde;
    images(2);
    EXPECT_EQ(s->pIACourante, tourelle);
    EXPECT_EQ(tourelle->mode, EtatPerso::MARCHE);
    images(2);
    EXPECT_EQ(s->pIACourante, garde) << "an unknown id makes the own AI current again";
    EXPECT_EQ(garde->mode, EtatPerso::SAUT_MONTE);
    images(1);
    EXPECT_EQ(tourelle->mode, EtatPerso::MARCHE);
    images(1);
    EXPECT_EQ(tourelle->mode, EtatPerso::ARRET) << "any other name stops the AI";
}

TEST_F(CommandesIA, Reglages)
{
    CScript* s = lancer("{\nSETIACHANGEDIRAUTO(7)\nINITIADETECTPERSO(1)\nIADESTROYONRELOAD(;2)\n"
                        "IADESTROYONRELOAD(tourelle;1)\nIA_VISIBLE(0)\nINFOS_VIE(2)\n}");
    s->pIACourante = garde;
    s->pIAPropre = tourelle;
    images(1);
    EXPECT_TRUE(garde->bDemiTourAuto) << "any value but 0 is on";
    EXPECT_TRUE(tourelle->bDetection && !garde->bDetection) << "INITIADETECTPERSO: own";
    EXPECT_TRUE(tourelle->bDetruireAuRechargement) << "only 1 sets it, the second call";
    EXPECT_FALSE(garde->sprite->bVisible) << "IA_VISIBLE: current";
    EXPECT_FALSE(decor->bInfosVie) << "INFOS_VIE: only 1 switches it on";
}

TEST_F(CommandesIA, TexturePerPuisIA)
{
    installerHooksPersoDef();
    DossierTemp dossier;
    const std::string per = dossier / "gardien.per";
    ecrireTexte(per, "ID=GARDIEN_TEST\n");
    CScript* s = executer("{\na = TEXTURE_PER(" + per + ";gardien)\n}");
    EXPECT_EQ(valeur(s, "a"), "i1");
    ASSERT_TRUE(decor->modelesPersos.count("gardien"));
    CPersoDef* def = decor->modelesPersos["gardien"]->pPersoDef;
    ASSERT_NE(def, nullptr);
    EXPECT_EQ(def->id, "GARDIEN_TEST") << "the file was read into the model";
    ecrireTexte(per, "ID=AUTRE\n");
    CScript* second = executer("{\na = TEXTURE_PER(" + per + ";gardien)\n}");
    EXPECT_EQ(valeur(second, "a"), "i2");
    EXPECT_EQ(def->id, "GARDIEN_TEST") << "the file is read once";

    // IA makes an AI from that model, which becomes the current one.
    CScript* ia = lancer("IA(gardien;250;300;1;1.5;2;0;1;2)\n{\nx ; y = GETIAPOS(GARDIEN_TEST)\n}");
    images(2);
    CPerso* cree = ia->pIACourante.get();
    ASSERT_NE(cree, nullptr) << "made from the model";
    EXPECT_EQ(std::count(decor->ias.begin(), decor->ias.end(), cree), 1);
    EXPECT_EQ(valeur(ia, "x"), "f250") << "at its place, under the model's id";
    CScript* rate = lancer("IA(inconnu;0;0;0;1;1;0;0;0)");
    rate->pIACourante = garde;
    images(1);
    EXPECT_EQ(rate->pIACourante, nullptr) << "nothing made: no current AI";
}

TEST_F(CommandesIA, ScaleIAImageParImage)
{
    garde->sprite->setScale(1, 1);
    CScript* s = lancer("SCALEIA(garde;2;3;0.25)");
    std::vector<float> echelles;
    for (int i = 0; i < 6 && s->bEnCours; ++i) {
        images(1);
        echelles.push_back(garde->sprite->getSX());
    }
    EXPECT_EQ(echelles, (std::vector<float>{1.25f, 1.5f, 1.75f, 2.0f})) << "ends in the frame it reaches 2";
    EXPECT_FLOAT_EQ(garde->sprite->getSY(), 3) << "the vertical target is set at the end";
    taux(0.5f);
    EXPECT_EQ(jusquALaFin(lancer("SCALEIA(garde;1;1;0.25)")), 8) << "shrinking by 0.125 per frame at 60 per second";

    const struct {
        const char* cible;
        const char* pas;
        float depart;
    } cas[] = {{"3", "0", 1}, {"3", "-0.5", 1}, {"0.5", "0", 1}, {"0.5", "-0.5", 1},
               {"4", "0.0000001", 1000}};  // too small a step to change the scale
    for (const auto& c : cas) {
        garde->sprite->setScale(c.depart, c.depart);
        s = executer(std::string("SCALEIA(garde;") + c.cible + ";" + c.cible + ";" + c.pas + ")");
        EXPECT_FALSE(s->bEnCours) << "step " << c.pas << " to " << c.cible << " ends at once";
        EXPECT_FLOAT_EQ(garde->sprite->getSX(), std::stof(c.cible)) << "at the target";
    }
    // Without an AI of that id: the player; without either it only advances.
    executer("SCALEIA(personne;2;2;5)");
    EXPECT_FLOAT_EQ(joueur->sprite->getSX(), 2);
    jeu->pPerso = nullptr;
    EXPECT_FALSE(executer("SCALEIA(personne;7;7;5)")->bEnCours);
}

TEST_F(CommandesIA, ChangeDirPersoAuxDeuxTaux)
{
    for (const float coeff : {1.0f, 0.5f}) {
        taux(coeff);
        const int attendu = coeff == 1.0f ? 36 : 72;
        joueur->direction = 1;
        joueur->sprite->setRotation(0);
        CScript* s = lancer("CHANGEDIRPERSO()");
        images(attendu);
        EXPECT_TRUE(s->bEnCours) << coeff;
        EXPECT_EQ(joueur->direction, 1) << "not swapped during the turn";
        EXPECT_FLOAT_EQ(joueur->sprite->rotangle, 180) << coeff;
        images(1);
        EXPECT_FALSE(s->bEnCours) << "the swap ends it, frame " << attendu + 1;
        EXPECT_EQ(joueur->direction, 0);
    }
    // Without a player it waits.
    jeu->pPerso = nullptr;
    CScript* s = lancer("CHANGEDIRPERSO()");
    images(100);
    EXPECT_TRUE(s->bEnCours);
    EXPECT_EQ(s->numCmdCour, 0);
}

TEST_F(CommandesIA, TuePersoEtVisibilite)
{
    CPerso* second = perso(200, 400);
    executer("{\nPERSO_VISIBLE(1;0)\n}");
    EXPECT_TRUE(joueur->sprite->bVisible);
    EXPECT_FALSE(second->sprite->bVisible) << "counted from 0";
    executer("{\nPERSO_VISIBLE(-1;0)\nPERSO_VISIBLE(2;1)\nPERSO_VISIBLE(-7;1)\n}");
    EXPECT_FALSE(joueur->sprite->bVisible || second->sprite->bVisible) << "numbers out of range change nothing";
    executer("TUE_PERSO()");
    EXPECT_EQ(joueur->mode, EtatPerso::MORT);
    jeu->pPerso = nullptr;
    executer("TUE_PERSO()");
}

TEST_F(CommandesIA, IAExit)
{
    jeu->mode = 1;
    CPerso* second = perso(200, 400);
    CSPRITE* porte = sprite(0, 0);
    porte->idSon = "SORTIE";
    executerPar(joueur, "IAEXIT()", porte);
    EXPECT_TRUE(joueur->bDel);
    EXPECT_EQ(jeu->compteurPexlon, 1);
    EXPECT_EQ(jeu->pPerso, second) << "the other player takes over";

    executerPar(second, "IAEXIT()");
    EXPECT_EQ(jeu->pPerso, nullptr) << "no player left";
    EXPECT_EQ(std::count(decor->persos.begin(), decor->persos.end(), second), 1) << "still listed";

    // In the editor, or without a triggering character: nothing.
    jeu->mode = 2;
    executerPar(garde, "IAEXIT()");
    EXPECT_FALSE(garde->bDel);
    jeu->mode = 1;
    executer("IAEXIT()");
    EXPECT_EQ(jeu->compteurPexlon, 2);
}

TEST_F(CommandesIA, IAShoot)
{
    garde->sprite->setRotation(10);
    SlotArme* s5 = slot(garde, 0, 5);
    garde->nbarmesperso = 1;
    garde->armeCourante = -1;
    executer("IASHOOT(garde)");
    EXPECT_EQ(s5->munitions, 5) << "no current slot: nothing written";
    EXPECT_FLOAT_EQ(garde->angleVisee, 45);
    garde->armeCourante = 3;
    executer("IASHOOT(garde)");
    EXPECT_EQ(s5->munitions, 5) << "a slot outside the list is no slot";
    garde->armeCourante = 0;
    CScript* s = lancer("IASHOOT()\nIASHOOT()");
    s->pIAPropre = garde;
    images(2);
    EXPECT_EQ(s5->munitions, -1) << "unlimited";
    EXPECT_FLOAT_EQ(garde->angleVisee, 65) << "the sprite's rotation is added at every use";
}
