// The main loop's side of the AI: a frame of the two-player game with "IA_JOUEUR2" hands the
// pilot's commands to the second player's character, and the discovery message is drawn after
// the HUD, with or without the menu object.
#include "anim/Sprite3.h"
#include "characters/IABehaviours.h"
#include "characters/Inventaire.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "game/Jeu.h"
#include "game/JeuHUD.h"
#include "game/SourceEntrees.h"
#include "level/Decor.h"
#include "menus/JeuMenus.h"
#include "OutilsJeu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

TEST(JeuIA, UneImageAvecLeSecondJoueurPilote)
{
    DossierDeTravail d;
    ecrireTexte("jeu.ini", "VIEWPORT=160;120\nFRAMERATE=30\nIA_JOUEUR2=1\n");
    fichiersPersos();
    CSFMLJeu jeu;
    ASSERT_EQ(jeu.init("jeu.ini"), 0);
    jeu.fenetre->setFramerateLimit(0);
    jeu.pSourceEntrees = std::make_unique<SourceScriptee>(jeu.fenetre);
    jeu.mode = 1;
    jeu.typeJeu = 2;
    jeu.bIAJoueur2 = true;
    jeu.pdecor = jeu.pdecorJeu;
    jeu.bJoue = jeu.bControleJoueurs = true;
    jeu.pHUD->compteurDepart = -1;

    CPerso* joueurs[2];
    deuxJoueurs(*jeu.pdecor, joueurs);
    jeu.pPerso = joueurs[0];
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
