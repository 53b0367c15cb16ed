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
        tourelle = perso(500, 380, true);
        tourelle->id = "tourelle";
        tourelle->vie = 7;
        auto* canon = new CPerso();
        canon->id = "canon";
        tourelle->enfants.push_back(canon);
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
        {"GETIALIFE", "i40|-", "sNULL|-"},
        {"GETIALIFEMAX", "i80|-", "sNULL|-"},
        {"GETIAPOSX", "f300|-", "sNULL|-"},
        {"GETIAPOSY", "f400|-", "sNULL|-"},
        {"GETIAPOS", "f300|f400", "sNULL|sNULL"},
        {"GETIASHOOTANGLE", "f45|-", "sNULL|-"},
        {"ISIAVISIBLE", "i1|-", "sNULL|-"},
        {"ISIADETECTPERSO", "i0|-", "i0|-"},
        {"ISIAALERT", "i0|-", "i0|-"},
        {"INITIASHOOTANGLE", "i0|-", "i0|-"},
    };
    for (const auto& c : cas) {
        const std::string arg = std::string(c.commande) == "INITIASHOOTANGLE" ? "45;" : "";
        EXPECT_EQ(lire(std::string(c.commande) + "(" + arg + "garde)"), c.trouve) << c.commande;
        EXPECT_EQ(lire(std::string(c.commande) + "(" + arg + "personne)"), c.inconnu) << c.commande << " unknown";
    }
    garde->compteurAlerte = 3;
    garde->pPersoDetecte = joueur;
    EXPECT_EQ(lire("ISIAALERT(garde)"), "i1|-");
    EXPECT_EQ(lire("ISIADETECTPERSO(garde)"), "i1|-");
    EXPECT_EQ(lire("GETIDIA()", nullptr, garde), "sgarde|-");
    EXPECT_EQ(lire("GETIDIA()"), "sNULL|-") << "a script without its own AI";
    jeu->pvue->centreX = 12.5f;
    jeu->pvue->centreY = -3;
    EXPECT_EQ(lire("GETZEPHGRAVPOS()"), "f12.5|f-3");
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
    EXPECT_EQ(garde->modeIA, -1) << "IAMODE has no shortcut: the empty id is an id like another";
    EXPECT_EQ(tourelle->modeIA, -1);
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

TEST_F(CommandesIA, ReglagesEtOmbre)
{
    CScript* s = lancer("{\nSETIADETECTDIR(1)\nSETIACHANGEDIRAUTO(7)\nSETIASHIP(0)\nSETIADUST(1)\n"
                        "INITIADETECTPERSO(1)\nIADESTROYONRELOAD(;2)\nIADESTROYONRELOAD(tourelle;1)\n"
                        "IA_POSITION(640;360)\nIA_VISIBLE(0)\nOMBREIA(0;1;12;0.5;0.25;200)\nIAANIM(garde;3)\n"
                        "INFOS_VIE(2)\nSETINFOSVISIBLE(5)\n}");
    s->pIACourante = garde;
    s->pIAPropre = tourelle;
    jeu->pHUD = new CSFMLJeuHUD();
    jeu->pHUD->bInfosVisible = false;
    images(1);
    EXPECT_TRUE(garde->bDetectionDevant);
    EXPECT_TRUE(garde->bDemiTourAuto) << "any value but 0 is on";
    EXPECT_FALSE(garde->bVaisseau);
    EXPECT_TRUE(garde->bPoussiere);
    EXPECT_TRUE(tourelle->bDetection) << "INITIADETECTPERSO: own";
    EXPECT_FALSE(tourelle->bDetection && garde->bDetection);
    EXPECT_TRUE(tourelle->bDetruireAuRechargement) << "only 1 sets it, the second call";
    EXPECT_EQ(garde->sprite->x, 640);
    EXPECT_EQ(garde->sprite->y, 360);
    EXPECT_FALSE(garde->sprite->bVisible);
    EXPECT_FALSE(garde->bOmbre);
    EXPECT_TRUE(garde->bOmbreDynamique);
    EXPECT_EQ(garde->ombreYFixe, 12);
    EXPECT_FLOAT_EQ(garde->ombreEchelle, 0.5f);
    EXPECT_FLOAT_EQ(garde->ombreMinScale, 0.25f);
    EXPECT_FLOAT_EQ(garde->ombreHmax, 200);
    EXPECT_EQ(garde->sprite->getNumAnim(), 3);
    EXPECT_FALSE(decor->bInfosVie) << "INFOS_VIE: only 1 switches it on";
    EXPECT_TRUE(jeu->pHUD->bInfosVisible);
}

TEST_F(CommandesIA, TexturePerPuisIA)
{
    installerHooksPersoDef();
    DossierTemp dossier;
    const std::string per = dossier / "gardien.per";
    ecrireTexte(per, "ID=GARDIEN_TEST\n");
    CScript* s = lancer("{\na = TEXTURE_PER(" + per + ";gardien)\n}");
    images(1);
    EXPECT_EQ(valeur(s, "a"), "i1");
    ASSERT_TRUE(decor->modelesPersos.count("gardien"));
    CPersoDef* def = decor->modelesPersos["gardien"]->pPersoDef;
    ASSERT_NE(def, nullptr);
    EXPECT_EQ(def->id, "GARDIEN_TEST") << "the file was read into the model";
    EXPECT_EQ(def->cleDefinition, "gardien");
    ecrireTexte(per, "ID=AUTRE\n");
    CScript* second = lancer("{\na = TEXTURE_PER(" + per + ";gardien)\n}");
    images(1);
    EXPECT_EQ(valeur(second, "a"), "i2");
    EXPECT_EQ(def->id, "GARDIEN_TEST") << "the file is read once";

    // IA makes an AI from that model, which becomes the current one.
    CScript* ia = lancer("IA(gardien;250;300;1;1.5;2;0;1;2)\n{\nx ; y = GETIAPOS(GARDIEN_TEST)\n}");
    images(2);
    CPerso* cree = ia->pIACourante.get();
    ASSERT_NE(cree, nullptr) << "made from the model";
    EXPECT_EQ(std::count(decor->ias.begin(), decor->ias.end(), cree), 1);
    EXPECT_EQ(valeur(ia, "x"), "f250");
    EXPECT_EQ(valeur(ia, "y"), "f300");
    EXPECT_TRUE(cree->bCreeParScript);
    EXPECT_EQ(cree->fichierScriptIA, ia->strFichier);
    EXPECT_TRUE(cree->bVaisseau);
    EXPECT_EQ(cree->modeCollisions, 2);
    EXPECT_FLOAT_EQ(cree->sprite->getSY(), 2);
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
    s = lancer("SCALEIA(garde;1;1;0.25)");
    int images_ = 0;
    while (s->bEnCours && images_ < 20) {
        images(1);
        ++images_;
    }
    EXPECT_EQ(images_, 8) << "shrinking 1 by 0.125 per frame at 60 frames per second";
    EXPECT_FLOAT_EQ(garde->sprite->getSX(), 1);

    for (const char* pas : {"0", "-0.5"})
        for (const char* cible : {"3", "0.5"}) {
            s = lancer(std::string("SCALEIA(garde;") + cible + ";" + cible + ";" + pas + ")");
            images(1);
            EXPECT_FALSE(s->bEnCours) << "step " << pas << " to " << cible << " ends at once";
            EXPECT_FLOAT_EQ(garde->sprite->getSX(), std::stof(cible));
        }
    // A step too small to change the scale ends at the target.
    s = lancer("SCALEIA(garde;4;4;0.0000001)");
    garde->sprite->setScale(1000, 1000);
    images(1);
    EXPECT_FALSE(s->bEnCours);
    // Without an AI of that id: the player; without either it only advances.
    s = lancer("SCALEIA(personne;2;2;5)");
    images(1);
    EXPECT_FLOAT_EQ(joueur->sprite->getSX(), 2);
    jeu->pPerso = nullptr;
    s = lancer("SCALEIA(personne;7;7;5)");
    images(1);
    EXPECT_FALSE(s->bEnCours);
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
        EXPECT_EQ(moteur->fCumulTourne, 0);
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
    lancer("{\nPERSO_VISIBLE(1;0)\n}");
    images(1);
    EXPECT_TRUE(joueur->sprite->bVisible);
    EXPECT_FALSE(second->sprite->bVisible) << "counted from 0";
    lancer("{\nPERSO_VISIBLE(-1;0)\nPERSO_VISIBLE(2;1)\nPERSO_VISIBLE(-7;1)\n}");
    images(1);
    EXPECT_FALSE(joueur->sprite->bVisible || second->sprite->bVisible) << "numbers out of range change nothing";
    EXPECT_FALSE(garde->sprite->bVisible == false) << "AIs are not players";
    lancer("TUE_PERSO()");
    images(1);
    EXPECT_EQ(joueur->vie, 0);
    EXPECT_EQ(joueur->mode, EtatPerso::MORT);
    jeu->pPerso = nullptr;
    lancer("TUE_PERSO()");
    images(1);
}

TEST_F(CommandesIA, IAExit)
{
    jeu->mode = 1;
    CPerso* second = perso(200, 400);
    CSPRITE* porte = sprite(0, 0);
    porte->idSon = "SORTIE";
    CScript* s = lancer("IAEXIT()", porte);
    s->pPersoDeclencheur = joueur;
    images(1);
    EXPECT_TRUE(joueur->bDel);
    EXPECT_EQ(jeu->compteurPexlon, 1);
    EXPECT_EQ(jeu->compteurFinJeu, 2);
    EXPECT_EQ(compterSons("SORTIE"), 1);
    EXPECT_EQ(jeu->pPerso, second) << "the other player takes over";
    EXPECT_EQ(jeu->pPersoSorti, joueur);

    s = lancer("IAEXIT()");
    s->pPersoDeclencheur = second;
    images(1);
    EXPECT_EQ(jeu->pPerso, nullptr) << "no player left";
    EXPECT_EQ(jeu->pPersoSorti, second);
    EXPECT_EQ(std::count(decor->persos.begin(), decor->persos.end(), second), 1) << "still listed";
    EXPECT_EQ(jeu->compteurPexlon, 2);

    // In the editor, or without a triggering character: nothing.
    jeu->mode = 2;
    s = lancer("IAEXIT()");
    s->pPersoDeclencheur = garde;
    images(1);
    EXPECT_FALSE(garde->bDel);
    jeu->mode = 1;
    lancer("IAEXIT()");
    images(1);
    EXPECT_EQ(jeu->compteurPexlon, 2);
}

TEST_F(CommandesIA, IAShoot)
{
    garde->sprite->setRotation(10);
    auto* slot = new SlotArme();
    slot->munitions = 5;
    garde->armes.push_back(slot);
    garde->nbarmesperso = 1;
    garde->armeCourante = -1;
    lancer("IASHOOT(garde)");
    images(1);
    EXPECT_EQ(slot->munitions, 5) << "no current slot: nothing written";
    EXPECT_FLOAT_EQ(garde->angleVisee, 45);
    garde->armeCourante = 3;
    lancer("IASHOOT(garde)");
    images(1);
    EXPECT_EQ(slot->munitions, 5) << "a slot outside the list is no slot";
    garde->armeCourante = 0;
    CScript* s = lancer("IASHOOT()\nIASHOOT()");
    s->pIAPropre = garde;
    images(2);
    EXPECT_EQ(slot->munitions, -1) << "unlimited";
    EXPECT_FLOAT_EQ(garde->angleVisee, 65) << "the sprite's rotation is added at every use";
}
