// A small level of our own, built with the real classes and scripts from tests/script/scp/niveau:
// a door and its lever, a group of crates pushed against a wall, a guard on a key-point round,
// a weapon fountain and a welcome message. 900 frames at 30 per second (1,800 at 60) with
// scripted input: every frame ends, the door opens, the crates stop on the wall, the message
// closes on B, at both rates alike.
#include "script/OutilsCommandes.h"

#include "characters/Armes.h"
#include "core/Chemin.h"
#include "core/SpriteSimple.h"

#include <SFML/Graphics/RenderWindow.hpp>

namespace {

class Scenario : public Commandes, public ::testing::WithParamInterface<float> {
protected:
    void SetUp() override
    {
        Commandes::SetUp();
        jeu->mode = 1;
        taux(GetParam());
        jeu->fenetre = new sf::RenderWindow(sf::VideoMode(320, 200), "scenario", sf::Style::None);
        jeu->parmes = new CArmes();
        auto* arme = new CArme();
        arme->munitions = 40;
        jeu->parmes->armes.push_back(arme);
        jeu->parmes->nbArmes = 1;

        joueur = perso(200, 500);
        jeu->pPerso = joueur;
        joueur->armes.push_back(new SlotArme());
        joueur->armeCourante = 0;
        joueur->nbarmesperso = 1;

        levier = spriteDeType(150, 420, "LEVIER");
        porte = spriteDeType(600, 300, "PORTE", 100, 300);
        porte->collision = 2;
        porte->bPorteFermee = true;
        for (int y : {100, 200}) {
            CSPRITE* caisse = sprite(800, static_cast<float>(y));
            caisse->groupe = 3;
            caisses.push_back(caisse);
        }
        CSPRITE* mur = sprite(1200, 0, 100, 400);
        mur->collision = 1;
        moteurCaisses = spriteDeType(900, 600, "MOTEUR");
        fontaine = spriteDeType(180, 430, "FONTAINE");
        garde = perso(0, 0, true);
        garde->id = "garde";

        charger("porte.scp", levier, declencheur::BOUTON_A, -1);
        charger("groupe.scp", moteurCaisses, declencheur::IMMEDIAT, 1);
        CScript* ronde = charger("ronde.scp", nullptr, declencheur::IMMEDIAT, 1);
        ronde->pIAPropre = ronde->pIACourante = garde;  // as the level starts a character's script
        charger("fontaine.scp", fontaine, declencheur::ZONE_JOUEUR, -1);
        message = charger("message.scp", nullptr, declencheur::IMMEDIAT, 1);
    }

    CScript* charger(const std::string& fichier, CSPRITE* sd, int declencheur, int nbRunMax)
    {
        CScript* s = moteur->creerScript(std::string(TUV_SCP_DIR) + "/niveau/" + fichier, sd, declencheur, nbRunMax,
                                         false, false);
        EXPECT_GT(s->nbCommandes, 0) << fichier;
        return s;
    }

    // One frame: the input of the first player, the scripts, then what the level's update
    // does for these objects (the guard's round).
    void image(int n)
    {
        CommandesJoueur& c = jeu->commandes[0];
        c = CommandesJoueur();
        c.bA = n == enImages(100);
        c.bRelB = n == enImages(400);
        images(1);
        if (CChemin* chemin = garde->sprite->pChemin)
            chemin->maj(0, 0, garde->sprite);
        if (porte->getNumAnim() == 1 && porteOuverte < 0)
            porteOuverte = n;
    }

    int enImages(int a30) const { return static_cast<int>(a30 / GetParam()); }

    CPerso* joueur = nullptr;
    CPerso* garde = nullptr;
    CSPRITE* levier = nullptr;
    CSPRITE* porte = nullptr;
    CSPRITE* moteurCaisses = nullptr;
    CSPRITE* fontaine = nullptr;
    std::vector<CSPRITE*> caisses;
    CScript* message = nullptr;
    int porteOuverte = -1;
};

} // namespace

TEST_P(Scenario, NeufCentsImages)
{
    const int total = enImages(900);
    for (int n = 0; n < total; ++n) {
        image(n);
        if (HasFatalFailure())
            return;
        if (n == enImages(300)) {
            EXPECT_TRUE(moteur->bMessageAffiche) << "the message waits for B";
        }
    }
    EXPECT_EQ(porteOuverte, enImages(100) + 1) << "the lever opens the door in the frame after A";
    EXPECT_FALSE(porte->bPorteFermee);
    EXPECT_EQ(levier->getNumAnim(), 1) << "and shows it";
    for (const CSPRITE* c : caisses)
        EXPECT_FLOAT_EQ(c->x, 1100) << "the crates stop against the wall";
    EXPECT_EQ(compterSons("CHOC"), 2);
    EXPECT_EQ(moteur->variablesGlobales["groupe"], "arrete");
    EXPECT_EQ(moteur->variablesGlobales["ronde"], "faite") << "the guard walked its first leg";
    EXPECT_EQ(moteur->variablesGlobales["message"], "lu") << "the message closed on B";
    EXPECT_FALSE(message->bEnCours);
    EXPECT_EQ(fontaine->getNumAnim(), 1) << "the fountain was taken";
    EXPECT_EQ(joueur->armes[0]->munitions, 40);
    EXPECT_TRUE(joueur->armes[0]->bPossedee);
}

INSTANTIATE_TEST_SUITE_P(AuxDeuxTaux, Scenario, ::testing::Values(1.0f, 0.5f));
