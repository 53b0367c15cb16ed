// Characters in the level editor, with a scripted mouse: the icon menu's cells, held scaling
// and rotation at both frame rates, dragging an AI with its children, and placing new AIs.
#include "OutilsIA.h"

#include "characters/EtatsPerso.h"
#include "level/MenuImage.h"

#include <SFML/Graphics/RenderWindow.hpp>

namespace {

class Editeur : public TestIA {
protected:
    void SetUp() override
    {
        TestIA::SetUp();
        grille.create(320, 32);
        SourisJeu::lire = [this](const sf::Window&) { return souris; };
        SourisJeu::ctrlGauche = [this] { return ctrl; };
        SourisJeu::shiftGauche = [this] { return shift; };
        jeu->mode = 2;
        a = ia(500, 400);
        jeu->pPersoSelection = a;
        menu(*a);
    }
    void TearDown() override
    {
        SourisJeu::reinitialiser();
        TestIA::TearDown();
    }
    // The character's icon menu at (100, 100), shown.
    void menu(CPerso& p)
    {
        p.menuPerso->charger(grille, 32, 32, 100, 100);
        p.menuPerso->setActif(true);
    }
    // The mouse over cell i of the menu.
    void surCase(int i) { souris.position = sf::Vector2i(100 + 32 * i + 16, 116); }
    // A left click with left Control held on cell i: pressed one frame, released the next.
    void clic(CPerso& p, int i)
    {
        surCase(i);
        ctrl = true;
        souris.gauche = true;
        p.dialoguePerso(fenetre, 0, 0);
        souris.gauche = false;
        p.dialoguePerso(fenetre, 0, 0);
        ctrl = false;
    }

    sf::Texture grille;
    sf::RenderWindow fenetre;  // never opened: the mouse is scripted
    EtatSouris souris;
    bool ctrl = false, shift = false;
    CPerso* a = nullptr;
};

TEST_F(Editeur, CasesDuMenu)
{
    clic(*a, 6);
    EXPECT_EQ(a->direction, 1) << "the horizontal mirror turns the character";
    clic(*a, 6);
    EXPECT_TRUE(a->direction == 0 && a->directionInitiale == 0) << "and back, as the level file keeps it";
    a->bCollisions = false;
    const float y0 = a->sprite->y;
    a->vitesseChute = 10;
    a->mode = EtatPerso::CHUTE;
    clic(*a, 1);
    EXPECT_GT(a->sprite->y, y0) << "a floating character drops as soon as its collisions are on";
    int editions = 0;
    g_services.editerPerso = [&](CPerso*, bool) { ++editions; };
    clic(*a, 5);
    EXPECT_EQ(editions, 0) << "no character dialog: the properties cell does nothing";
    // The player's menu: cell 9 does nothing.
    CPerso* joueur = perso(300, 400);
    joueur->modeIA = -1;
    jeu->pPerso = joueur;
    menu(*joueur);
    clic(*joueur, 9);
    EXPECT_EQ(jeu->pPersoSelection, a);
    EXPECT_EQ(decor->ias.size(), 1u) << "the player's cross removes nothing";
    // An AI's: the selected AI leaves the level's AIs at once, without FREE_IAS_MEMORY, and is
    // freed by the next frame's call.
    // One from a model without an "IA" line (the hero's, a turret's) is an AI all the same.
    a->modeIA = -1;
    const RefPerso retiree = a;
    clic(*a, 9);
    EXPECT_EQ(jeu->pPersoSelection, nullptr);
    EXPECT_TRUE(decor->ias.empty()) << "out of the level's AIs";
    decor->libererIAsRetirees();
    EXPECT_EQ(retiree, nullptr) << "freed";
    a = nullptr;
}

TEST_F(Editeur, EchelleEtRotationTenues)
{
    for (float c : COEFFICIENTS) {
        coefficient(c);
        jeu->bSizeX = true;
        jeu->bSizeY = false;
        a->sprite->setScale(1, 1);
        a->sprite->setRotation(0);
        surCase(2);
        ctrl = true;
        souris.gauche = true;
        for (int i = 0; i < images(5); ++i)
            EXPECT_TRUE(a->dialoguePerso(fenetre, 0, 0)) << "the menu takes the mouse";
        EXPECT_NEAR(a->sprite->sx, 0.5f, 0.001f) << "0.1 per frame at 30 fps, at " << c;
        EXPECT_EQ(a->sprite->sy, 1) << "only the axes switched on";
        for (int i = 0; i < images(20); ++i)
            a->dialoguePerso(fenetre, 0, 0);
        EXPECT_NEAR(a->sprite->sx, 0.1f, 0.001f) << "not below 0.1";
        souris.gauche = false;
        souris.droit = true;
        jeu->bSizeY = true;
        for (int i = 0; i < images(200); ++i)
            a->dialoguePerso(fenetre, 0, 0);
        EXPECT_NEAR(a->sprite->sx, 10, 0.001f) << "not above 10";
        EXPECT_NEAR(a->sprite->sy, 10, 0.001f);
        EXPECT_TRUE(a->sprite->sxMax == a->sprite->sx && a->sprite->syMax == a->sprite->sy)
            << "the scale the level file keeps";
        // Rotation: -1 degree per frame from 0 wraps to 359; +1 brings it back.
        surCase(3);
        souris.droit = false;
        souris.gauche = true;
        for (int i = 0; i < images(2); ++i)
            a->dialoguePerso(fenetre, 0, 0);
        EXPECT_NEAR(a->sprite->rotangle, 358, 0.001f) << c;
        souris.gauche = false;
        souris.droit = true;
        for (int i = 0; i < images(3); ++i)
            a->dialoguePerso(fenetre, 0, 0);
        EXPECT_NEAR(a->sprite->rotangle, 1, 0.001f) << c;
        souris.droit = false;
        ctrl = false;
        a->dialoguePerso(fenetre, 0, 0);
    }
}

TEST_F(Editeur, GlisserUneIA)
{
    CPerso* enfant = perso(520, 350);
    decor->persos.remove(enfant);
    a->enfants.push_back(enfant);
    a->nbEnfants = 1;
    enfant->porteur = a;
    enfant->modeIA = 421;
    a->modeIA = -1;  // a model without an "IA" line: its start follows all the same
    // Camera at (1000, 0) with zoom 1: window x 10 is level x 1010.
    a->sprite->x = 1010;
    enfant->sprite->x = 1030;
    souris.position = sf::Vector2i(30, 400);  // 20 right of the sprite: outside its 16 half-width
    souris.gauche = true;
    EXPECT_FALSE(a->dialogueChoixPer(fenetre, 1000, 0));
    souris.gauche = false;
    a->dialogueChoixPer(fenetre, 1000, 0);
    souris.position = sf::Vector2i(20, 380);
    souris.gauche = true;
    EXPECT_TRUE(a->dialogueChoixPer(fenetre, 1000, 0)) << "grabbed 10 right of and 20 above its feet";
    EXPECT_EQ(sf::Vector2f(a->sprite->x0, a->sprite->y0), sf::Vector2f(500, 0)) << "a press alone leaves its start";
    souris.position = sf::Vector2i(120, 480);
    EXPECT_TRUE(a->dialogueChoixPer(fenetre, 1000, 0));
    EXPECT_EQ(sf::Vector2f(a->sprite->x0, a->sprite->y0), sf::Vector2f(1110, 500)) << "moved with its start";
    EXPECT_EQ(sf::Vector2f(enfant->sprite->x0, enfant->sprite->y0), sf::Vector2f(1130, 450)) << "its child follows";
    souris.gauche = false;
    EXPECT_FALSE(a->dialogueChoixPer(fenetre, 1000, 0));

    // A carried character is held but stays on its carrier.
    souris.position = sf::Vector2i(130, 440);
    souris.gauche = true;
    EXPECT_TRUE(enfant->dialogueChoixPer(fenetre, 1000, 0));
    souris.position = sf::Vector2i(300, 300);
    EXPECT_TRUE(enfant->dialogueChoixPer(fenetre, 1000, 0));
    EXPECT_EQ(enfant->sprite->x, 1130);
    // A character whose menu is gone ignores the mouse.
    delete a->menuPerso;
    a->menuPerso = nullptr;
    EXPECT_FALSE(a->dialoguePerso(fenetre, 1000, 0));
}

TEST_F(Editeur, PlacerDepuisLeModele)
{
    CPerso* modele = ia(100, 100);
    modele->sprite->bTailleFixe = true;
    decor->ias.remove(modele);
    jeu->pPersoModele = modele;
    souris.position = sf::Vector2i(700, 300);
    shift = true;
    const size_t avant = decor->ias.size();
    souris.droit = true;
    for (int i = 0; i < 5; ++i)
        a->dialoguePerso(fenetre, 0, 0);
    ASSERT_EQ(decor->ias.size(), avant + 1) << "one AI per press, however long it is held";
    EXPECT_EQ(sf::Vector2f(decor->ias.back()->sprite->x, decor->ias.back()->sprite->y), sf::Vector2f(700, 300));
    souris.droit = false;
    a->dialoguePerso(fenetre, 0, 0);
    souris.droit = true;
    a->dialoguePerso(fenetre, 0, 0);
    EXPECT_EQ(decor->ias.size(), avant + 2);
    shift = false;
    souris.droit = false;
    a->dialoguePerso(fenetre, 0, 0);
    souris.droit = true;
    a->dialoguePerso(fenetre, 0, 0);
    EXPECT_EQ(decor->ias.size(), avant + 2) << "Shift is needed";
    // Without a model nothing is placed.
    jeu->pPersoModele = nullptr;
    shift = true;
    souris.droit = false;
    a->dialoguePerso(fenetre, 0, 0);
    souris.droit = true;
    a->dialoguePerso(fenetre, 0, 0);
    EXPECT_EQ(decor->ias.size(), avant + 2);
    delete modele;
}

} // namespace
