// The main loop hands each player's commands to its character after sampling its input.
#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "game/Jeu.h"
#include "game/JeuHUD.h"
#include "game/SourceEntrees.h"
#include "level/Decor.h"
#include "OutilsJeu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

TEST(JeuCommandes, ChaqueJoueurAgitApresSesEntrees)
{
    DossierDeTravail d;
    ecrireTexte("jeu.ini", "VIEWPORT=160;120\nFRAMERATE=30\n");
    fichiersPersos();
    CSFMLJeu jeu;
    ASSERT_EQ(jeu.init("jeu.ini"), 0);
    jeu.fenetre->setFramerateLimit(0);
    auto source = std::make_unique<SourceScriptee>(jeu.fenetre);
    SourceScriptee& entrees = *source;
    jeu.pSourceEntrees = std::move(source);
    jeu.mode = 1;
    jeu.pdecor = jeu.pdecorJeu;
    jeu.bJoue = jeu.bControleJoueurs = true;

    // Two characters in mid-air: a held direction moves them while they fall.
    CPerso* joueurs[2];
    deuxJoueurs(*jeu.pdecor, joueurs);
    jeu.pPerso = joueurs[0];

    // Player 1 holds right (arrow), player 2 left (J): one player game, one mover.
    entrees.ajouterImage({sf::Keyboard::Right, sf::Keyboard::J});
    entrees.ajouterImage({sf::Keyboard::Right, sf::Keyboard::J});
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
