// The main loop hands each player's commands to its character after sampling its input (a
// computer second player's from its pilot); the command step decides which character obeys
// and when, and a computer second player's input is its pilot's bytes.
#include "characters/OutilsMouvement.h"

#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/EtatsPerso.h"
#include "characters/IABehaviours.h"
#include "characters/Inventaire.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/Globals.h"
#include "game/HUD.h"
#include "game/Jeu.h"
#include "game/JeuHUD.h"
#include "game/SourceEntrees.h"
#include "level/Decor.h"
#include "menus/JeuMenus.h"
#include "menus/OutilsMenus.h"
#include "OutilsJeu.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

namespace {

// The game started with these lines of "jeu.ini", playing over two characters in mid-air,
// player 1 followed by the camera, its input scripted.
class DeuxJoueursEnJeu : public ::testing::Test {
protected:
    void demarrer(const std::string& options)
    {
        ecrireTexte("jeu.ini", "VIEWPORT=160;120\nFRAMERATE=30\n" + options);
        fichiersPersos();
        ASSERT_EQ(jeu.init("jeu.ini"), 0);
        jeu.fenetre->setFramerateLimit(0);
        auto source = std::make_unique<SourceScriptee>(jeu.fenetre);
        entrees = source.get();
        jeu.pSourceEntrees = std::move(source);
        jeu.mode = 1;
        jeu.pdecor = jeu.pdecorJeu;
        jeu.bJoue = jeu.bControleJoueurs = true;
        deuxJoueurs(*jeu.pdecor, joueurs);
        jeu.pPerso = joueurs[0];
    }

    DossierDeTravail d;
    CSFMLJeu jeu;
    SourceScriptee* entrees = nullptr;
    CPerso* joueurs[2] = {};
};

} // namespace

TEST_F(DeuxJoueursEnJeu, ChaqueJoueurAgitApresSesEntrees)
{
    ASSERT_NO_FATAL_FAILURE(demarrer(""));
    // Player 1 holds right (arrow), player 2 left (J): one player game, one mover.
    entrees->ajouterImage({sf::Keyboard::Right, sf::Keyboard::J});
    entrees->ajouterImage({sf::Keyboard::Right, sf::Keyboard::J});
    jeu.etape();
    EXPECT_EQ(joueurs[0]->sprite->x, 101) << "player 1's walk step";
    EXPECT_EQ(joueurs[1]->sprite->x, 300) << "no second player outside the two-player game";
    EXPECT_TRUE(jeu.bGoChrono) << "the first command starts the chrono";

    jeu.typeJeu = 2;
    ASSERT_NE(jeu.pHUD, nullptr);
    jeu.pHUD->compteurDepart = -1;  // the round has started
    jeu.etape();
    EXPECT_GT(joueurs[0]->sprite->x, 101);
    EXPECT_LT(joueurs[1]->sprite->x, 300) << "the second player's step in the two-player game";
}

// A frame of the two-player game with "IA_JOUEUR2" hands the pilot's commands to the second
// player's character, and the discovery message is drawn after the HUD, with or without the
// menu object.
TEST_F(DeuxJoueursEnJeu, UneImageAvecLeSecondJoueurPilote)
{
    ASSERT_NO_FATAL_FAILURE(demarrer("IA_JOUEUR2=1\n"));
    jeu.typeJeu = 2;
    jeu.bIAJoueur2 = true;
    jeu.pHUD->compteurDepart = -1;
    jeu.etape();
    EXPECT_TRUE(jeu.commandes[1].bGauche) << "the pilot chases the first player, on the left";
    EXPECT_LT(joueurs[1]->sprite->x, 300);
    EXPECT_TRUE(joueurs[1]->bViseePilotee);
    EXPECT_EQ(joueurs[1]->direction, jeu.pIABehaviours->directionJ2);

    // The discovery message runs one frame per frame, after the HUD.
    ASSERT_TRUE(jeu.pMenus && jeu.pMenus->pInventaire);
    jeu.pMenus->pInventaire->compteurDecouverte = 50;
    jeu.etape();
    EXPECT_EQ(jeu.pMenus->pInventaire->compteurDecouverte, 49);
    // And a frame without a menu object runs.
    CJeuMenus* menus = jeu.pMenus;
    jeu.pMenus = nullptr;
    EXPECT_TRUE(jeu.etape());
    jeu.pMenus = menus;
}

// In play, Escape and the pad's START open the pause menu, BACK and Tab the inventory.
TEST(JeuCommandes, PauseEtInventaireEnJeu)
{
    EtatManette pad;
    pad.bConnecte = true;
    setLecteurManette([&](unsigned n) { return n == 0 ? pad : EtatManette(); });
    for (int type : {0, 1, 2}) {
        DossierDeTravail d;
        CPLUXTest::reset();
        std::filesystem::create_directories("menus");
        ecrireMenus();
        ecrireTexte("jeu.ini", "VIEWPORT=64;48\n");
        CSFMLJeu jeu;
        faceJeu::installer(jeu.facettes());
        ASSERT_EQ(jeu.init("jeu.ini"), 0);
        auto s = std::make_unique<SourceScriptee>();
        SourceScriptee& source = *s;
        jeu.pSourceEntrees = std::move(s);
        jeu.bXInput = true;
        jeu.typeJeu = type;
        jeu.mode = 1;
        const int pause = type == 0 ? 60 : 6;
        auto image = [&](Touches touches, uint16_t boutons = 0) {
            pad.boutons = boutons;
            source.ajouterImage(touches);
            jeu.etape();
        };
        const std::string nom = "game type " + std::to_string(type);
        image({});
        image({sf::Keyboard::Escape});
        EXPECT_TRUE(jeu.mode == 0 && jeu.pMenus->idMenu == pause) << nom << ": Escape as it goes down";
        // Escape again, in the menu: back, the game resumes with the key still held.
        source.ajouterImage(SourceScriptee::toucheAppuyee(sf::Keyboard::Escape), {sf::Keyboard::Escape});
        jeu.etape();
        ASSERT_EQ(jeu.mode, 1) << nom;
        image({sf::Keyboard::Escape});
        image({sf::Keyboard::Escape});
        EXPECT_EQ(jeu.mode, 1) << nom << ": a key still held does not open the pause again";
        image({});
        image({}, MANETTE_START);
        EXPECT_EQ(jeu.mode, 1) << nom << ": START acts on its release";
        image({});
        EXPECT_TRUE(jeu.mode == 0 && jeu.pMenus->idMenu == pause) << nom << ": START released";
        jeu.mode = 1;
        image({}, MANETTE_BACK);
        image({});
        EXPECT_EQ(jeu.mode == 0 && jeu.pMenus->idMenu == 10, type != 2) << nom << ": BACK opens the inventory";
        jeu.mode = 1;
        image({sf::Keyboard::Tab});
        EXPECT_EQ(jeu.mode == 0 && jeu.pMenus->idMenu == 10, type != 2) << nom << ": so does Tab";
    }
    setLecteurManette({});
    faceJeu::installer({});
}

namespace {

// The game built without init over the movement tests' level: a floor at y 500.
class Commandes : public MouvementDe<CSFMLJeu> {
protected:
    void SetUp() override
    {
        MouvementDe<CSFMLJeu>::SetUp();
        bloc(0, 500, 2000, 40);
    }
    static CommandesJoueur avec(bool CommandesJoueur::*champ)
    {
        CommandesJoueur c{};
        c.*champ = true;
        return c;
    }
};

// A second player at (100, 600) carrying a pistol, the game's AI controller as its pilot.
class PiloteDuJeu : public MouvementDe<CSFMLJeu> {
protected:
    void SetUp() override
    {
        MouvementDe<CSFMLJeu>::SetUp();
        camera(0, 0);
        jeu->pIABehaviours = new CIABehaviours();
        jeu->parmes = new CArmes();
        ecrireTexte(dossier / "armes.arm", "ARME=ARME 2;Pistolet;10;10;60;300\n");
        jeu->parmes->charger(dossier / "armes.arm");
        j2 = perso(100, 600);
        j2->numJoueur = j2->numJoueurBis = 1;
        j2->armes.push_back(new SlotArme{0, -1, true});
        j2->armes[0]->cadence = 10;
        j2->nbarmesperso = 1;
        j2->armeCourante = 0;
    }
    void TearDown() override
    {
        jeu->parmes->viderTirs();
        MouvementDe<CSFMLJeu>::TearDown();
    }
    CIABehaviours& ctrl() { return *jeu->pIABehaviours; }

    DossierTemp dossier;
    CPerso* j2 = nullptr;
};

} // namespace

TEST_F(Commandes, CoteJeuQuiObeitEtQuand)
{
    jeu->mode = 1;
    jeu->bJoue = true;
    jeu->bControleJoueurs = true;
    CPerso* j1 = perso(100, 500);
    CPerso* autre = perso(300, 500);  // a second player character of a chrono level
    CPerso* j2 = perso(500, 500);
    j2->numJoueur = 1;
    for (CPerso* p : {j1, autre, j2})
        p->vitesse = 4;
    jeu->pPerso = j1;
    jeu->commandes[0].bDroite = true;
    jeu->commandes[1].bGauche = true;
    jeu->commandesJoueur(0);
    jeu->commandesJoueur(1);
    EXPECT_EQ(x(j1), 104) << "player 0 moves the game's player";
    EXPECT_EQ(x(autre), 300) << "the other player characters wait";
    EXPECT_EQ(x(j2), 496) << "player 1 moves the first character of player 1";

    // Without control the record is empty: nothing walks, but a fall still lands.
    jeu->bControleJoueurs = false;
    j2->vitesseChute = 10;
    j2->sprite->y = 492;
    j2->setEtat(EtatPerso::CHUTE);
    jeu->commandesJoueur(0);
    jeu->commandesJoueur(1);
    EXPECT_EQ(x(j1), 104);
    EXPECT_EQ(j2->mode, EtatPerso::RECEPTION_CHUTE);

    // While the level does not run, player 0's step stops every character once.
    jeu->bJoue = false;
    j1->mode = EtatPerso::MARCHE;
    autre->sprite->y = 300;
    autre->setEtat(EtatPerso::CHUTE);
    autre->vitesseChute = 8;
    jeu->commandesJoueur(0);
    jeu->commandesJoueur(1);
    EXPECT_EQ(j1->mode, EtatPerso::ARRET);
    EXPECT_EQ(y(autre), 316) << "one fall step, not two";
}

TEST_F(Commandes, TourelleDUnJoueurPasPriseParLAutreDansLaMemeImage)
{
    jeu->mode = 1;
    jeu->bJoue = jeu->bControleJoueurs = true;
    auto* t = new CPerso();
    t->id = "TOURELLE_CONTROLABLE";
    decor->ias.push_back(t);
    CPerso* j1 = perso(100, 500);
    CPerso* j2 = perso(100, 500);
    j2->numJoueur = 1;
    jeu->pPerso = j1;
    t->bActionTourelle = true;  // left over from the last frame
    jeu->commandesJoueur(0);
    EXPECT_FALSE(t->bActionTourelle) << "cleared once per frame, by player 0's step";
    j1->utiliserTourelle(t);
    ASSERT_EQ(t->tourelle, j1);
    jeu->commandesJoueur(1);
    EXPECT_TRUE(t->bActionTourelle) << "player 1's step does not clear it";
    j2->utiliserTourelle(t);
    EXPECT_EQ(t->tourelle, j1);
    EXPECT_FALSE(j2->bTourelle);
}

TEST_F(Commandes, LePremierOrdreDonneLeDepartDuChrono)
{
    jeu->mode = 1;
    jeu->bJoue = jeu->bControleJoueurs = true;
    jeu->pPerso = perso(100, 500);
    for (bool CommandesJoueur::*pause : {&CommandesJoueur::bPause, &CommandesJoueur::bStart,
                                         &CommandesJoueur::bRelStart}) {
        jeu->commandes[0] = avec(pause);
        jeu->commandesJoueur(0);
        EXPECT_FALSE(jeu->bGoChrono) << "pause alone is no start";
    }
    jeu->bControleJoueurs = false;
    jeu->commandes[0] = avec(&CommandesJoueur::bDroite);
    jeu->commandesJoueur(0);
    EXPECT_FALSE(jeu->bGoChrono) << "not before the player has control";
    jeu->bControleJoueurs = true;
    jeu->commandesJoueur(0);
    EXPECT_TRUE(jeu->bGoChrono);
}

TEST_F(Commandes, ToucheMOuvreLEditeur)
{
    CSFMLJeuGlobal::bModeTest = true;
    jeu->mode = 1;
    CPerso* p = perso(100, 500);
    p->mode = EtatPerso::MARCHE;
    jeu->pPerso = p;
    jeu->touchesJeu(sf::Keyboard::M);
    CSFMLJeuGlobal::bModeTest = false;
    EXPECT_EQ(jeu->mode, 2);
    EXPECT_EQ(p->mode, EtatPerso::ARRET) << "the player stands when the editor opens";
}

// The input step of a computer second player copies the pilot's bytes field by field.
TEST_F(PiloteDuJeu, LEntreeCopieLePilote)
{
    jeu->pHUD = new CSFMLJeuHUD();
    jeu->pHUD->compteurDepart = -1;
    jeu->mode = 1;
    jeu->typeJeu = 2;
    using C = CommandesJoueur;
    struct Cas {
        int octet;
        std::vector<bool C::*> champs;
    } cas[] = {
        {0, {&C::bGauche}}, {3, {&C::bBasClavier, &C::bAccroupi}}, {4, {&C::bTir, &C::bTirMaintenu}},
        {5, {}},            {6, {&C::bSaut, &C::bSautMaintenu}},   {12, {&C::bRelX}},
        {11, {&C::bB, &C::bCorpsACorps}},
    };
    for (const Cas& c : cas) {
        std::fill(std::begin(ctrl().commandesPilote), std::end(ctrl().commandesPilote), 0);
        ctrl().commandesPilote[c.octet] = 1;
        jeu->commandes[1] = C();
        jeu->commandes[1].bA = true;  // last frame's key: replaced
        jeu->commandes[1].bSuperPouvoir = true;
        jeu->evenements(1, true, true);
        C attendu = C();
        for (bool C::*champ : c.champs)
            attendu.*champ = true;
        attendu.bSuperPouvoir = true;
        EXPECT_EQ(std::memcmp(&jeu->commandes[1], &attendu, sizeof(C)), 0) << "byte " << c.octet;
    }
    // During the round's countdown the record is empty, the super power kept.
    ctrl().commandesPilote[CIABehaviours::PILOTE_GAUCHE] = 1;
    jeu->pHUD->compteurDepart = 20;
    jeu->evenements(1, true, true);
    EXPECT_FALSE(jeu->commandes[1].bGauche);
    EXPECT_TRUE(jeu->commandes[1].bSuperPouvoir);
}

// The command step gives the piloted character the pilot's aim and facing.
TEST_F(PiloteDuJeu, LaCommandeViseEtTourne)
{
    bloc(-500, 600, 2000, 40);
    jeu->mode = 1;
    jeu->typeJeu = 2;
    jeu->bIAJoueur2 = true;
    jeu->bJoue = jeu->bControleJoueurs = true;
    ctrl().viseeJ2 = 0;
    ctrl().angleJ2 = 315;
    ctrl().directionJ2 = 1;
    jeu->commandes[1] = CommandesJoueur();
    jeu->commandesJoueur(1);
    EXPECT_EQ(j2->angleVisee, 315);
    EXPECT_EQ(j2->direction, 1);
    // Walking right, it still faces its target.
    jeu->commandes[1].bDroite = true;
    jeu->commandesJoueur(1);
    EXPECT_GT(x(j2), 100);
    EXPECT_EQ(j2->direction, 1);
    // A human second player aims with the keys.
    jeu->bIAJoueur2 = false;
    jeu->commandes[1] = CommandesJoueur();
    jeu->commandesJoueur(1);
    EXPECT_FALSE(j2->bViseePilotee);
    EXPECT_EQ(j2->angleVisee, 270) << "straight ahead on its side";
}
