// The layers dialog, the stand-alone "Options" window and the editor icon menu.
#include "OutilsEditeurNiveau.h"

#include "editor/MenuEditeurImage.h"
#include "editor/SFMLJeuEditeurOptions.h"
#include "level/EffetNeige.h"
#include "level/EffetPluie.h"
#include "level/Vue.h"
#include "support/FaceTest.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

namespace {
const char* const PLANS = editeur::id::PLANS;
} // namespace

using Plans = EditeurNiveauTest;

TEST_F(Plans, FilledAtCreationAndAtEveryShow)
{
    EXPECT_EQ(CPLUX::getControl(PLANS, "myTextInputCalqueVisible")->getText(), "1") << "at creation";
    EXPECT_TRUE(coche(PLANS, "chkPlan2")) << "the working plane of a new world";
    decor().calqueTravail = 4;
    decor().calqueVisible = 2;
    decor().numPlanTravail = 3;
    decor().pPlans[1]->bVisible = false;
    CPLUX::show(PLANS);
    EXPECT_EQ(CPLUX::getControl(PLANS, "myTextInputCalqueTravail")->getText(), "4");
    EXPECT_EQ(CPLUX::getControl(PLANS, "myTextInputCalqueVisible")->getText(), "2");
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(coche(PLANS, "chkPlan" + std::to_string(n)), n == 3) << "working plane " << n;
        EXPECT_EQ(coche(PLANS, "chkPlanV" + std::to_string(n)), n != 1) << "plane shown " << n;
    }
    EXPECT_EQ(decor().calqueVisible, 2) << "the fill is not taken for a typed change";
}

TEST_F(Plans, PlanesAndLayers)
{
    presser(PLANS, "chkPlan4");
    EXPECT_EQ(decor().numPlanTravail, 4);
    EXPECT_EQ(decor().pPlanTravail, decor().pPlans[4]);
    for (int n = 0; n < 5; ++n)
        EXPECT_EQ(coche(PLANS, "chkPlan" + std::to_string(n)), n == 4) << "only one of the group";
    presser(PLANS, "chkPlanV2");
    EXPECT_FALSE(decor().pPlans[2]->bVisible);
    EXPECT_FALSE(coche(PLANS, "chkPlanV2")) << "the check stays in step";
    presser(PLANS, "chkPlanV2");
    EXPECT_TRUE(decor().pPlans[2]->bVisible) << "twice: as it was";

    CSPRITE* un = sprite(2, "DEC", 1);
    CSPRITE* deux = sprite(3, "DEC", 2);
    CSPRITE* zero = sprite(0, "DEC", 0);
    zero->bVisible = false;
    saisir(PLANS, "myTextInputCalqueVisible", "-3");
    EXPECT_EQ(decor().calqueVisible, 0) << "a negative layer is 0";
    EXPECT_TRUE(!un->bVisible && !deux->bVisible) << "every positive layer hidden";
    EXPECT_FALSE(zero->bVisible) << "layer 0 keeps its state";
    un->bVisible = true;
    saisir(PLANS, "myTextInputCalqueVisible", "0");
    EXPECT_TRUE(un->bVisible) << "the stored layer again: no sprite changes";
    saisir(PLANS, "myTextInputCalqueVisible", "2147483647");
    EXPECT_EQ(decor().calqueVisible, 2147483647);

    // A decor sprite created now carries the working layer.
    saisir(PLANS, "myTextInputCalqueTravail", "3");
    sf::Image image;
    image.create(8, 8, sf::Color::Red);
    ASSERT_TRUE(image.saveToFile("p.png"));
    ecrireTexte("p.dec", "ID=P\nPLANCHE=./p.png;\nSPRITE=0;0;1;8;8;0;0\n");
    CSPRITE3* nouveau = decor().creerSDFichier("p.dec", decor().pPlans[2]);
    ASSERT_NE(nouveau, nullptr);
    EXPECT_EQ(nouveau->calque, 3);
}

class OptionsAutonomes : public EditeurNiveauTest {
protected:
    CSFMLJeuEditeurOptions& options() { return *dialogue<CJeuDialogMenuEditeur>(editeur::id::MENU_EDITEUR)->getOptions(); }
    CPLUXControl* controle(const char* id) { return options().pDialog->getControl(id); }
    void presserCase(const char* id)
    {
        CPLUXDialog& d = *options().pDialog;
        if (!d.estAffiche())
            d.show();
        const CPLUXControl* c = d.getControl(id);
        CPLUXTest::clickAt(c->getLeftScreen() + 5, c->getTopScreen() + static_cast<int>(c->getHeight() / 2));
    }
};

TEST_F(OptionsAutonomes, TheWindowTheToolbarOwns)
{
    CPLUXDialog* d = options().pDialog;
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(options().pjeu, jeu.get());
    EXPECT_EQ(d->getTitleW(), L"Options");
    EXPECT_EQ(d->getPosition(), sf::Vector2i(100, 100));
    EXPECT_EQ(sf::Vector2i(d->getWidth(), d->getHeight()), sf::Vector2i(200, 250));
    EXPECT_TRUE(d->isVisible() && d->isMinimize()) << "in the library toolbar, not open";
    EXPECT_EQ(d->getCloseMode(), 2);
    for (const char* id : {"chkMasque", "chkGrille", "chkLumieres", "chkPluie", "chkNeige", "chkLucioles",
                           "chkBrouillard", "chkNuages"})
        EXPECT_NE(d->ctrlButtonCheck(id), nullptr) << id;
    EXPECT_TRUE(d->ctrlButtonCheck("chkLumieres")->isChecked()) << "lights on in a new world";
}

TEST_F(OptionsAutonomes, EachPressInvertsItsFlagAndTheCheckFollows)
{
    decor().tailleJeuX = 1500;
    decor().tailleJeuY = 800;
    CSPRITE* lux = sprite(1, "LUX");
    CSPRITE* lux2 = sprite(1, "LUX2");
    presserCase("chkLumieres");
    EXPECT_FALSE(decor().bLuxVisibles);
    EXPECT_TRUE(!lux->bVisible && lux2->bVisible) << "only the type LUX exactly";
    presserCase("chkPluie");
    ASSERT_TRUE(decor().bPluie && decor().pPluie);
    EXPECT_EQ(decor().pPluie->nbGouttes, 200);
    presserCase("chkNeige");
    ASSERT_TRUE(decor().pNeige);
    EXPECT_EQ(decor().pNeige->hauteur, 900) << "the level's height plus 100";
    presserCase("chkPluie");
    EXPECT_FALSE(decor().bPluie || decor().pPluie) << "freed, slot empty";
    for (const char* id : {"chkMasque", "chkMasque", "chkGrille"})
        presserCase(id);
    EXPECT_FALSE(decor().bMasques) << "twice: as it was";
    EXPECT_TRUE(jeu->bAfficheGrille);
    const std::pair<const char*, bool> cases[] = {{"chkLumieres", false}, {"chkPluie", false}, {"chkNeige", true},
                                                  {"chkMasque", false},   {"chkGrille", true}};
    for (const auto& [id, attendu] : cases)
        EXPECT_EQ(options().pDialog->ctrlButtonCheck(id)->isChecked(), attendu) << id << " shows its flag";
}

TEST_F(OptionsAutonomes, CallbackActsOnlyOnAPressWithAGameAndALevel)
{
    CPLUXControl* grille = controle("chkGrille");
    EXPECT_TRUE(CSFMLJeuEditeurOptions::callback(&options(), nullptr, nullptr, 0)) << "no control";
    EXPECT_TRUE(CSFMLJeuEditeurOptions::callback(&options(), nullptr, grille, 1)) << "another code";
    EXPECT_TRUE(CSFMLJeuEditeurOptions::callback(nullptr, nullptr, grille, 0)) << "no owner";
    jeu->pdecor = nullptr;
    CSFMLJeuEditeurOptions::callback(&options(), nullptr, grille, 0);
    jeu->pdecor = jeu->pdecorJeu;
    options().pjeu = nullptr;
    CSFMLJeuEditeurOptions::callback(&options(), nullptr, grille, 0);
    EXPECT_FALSE(jeu->bAfficheGrille) << "nothing acted";
    options().pjeu = jeu.get();
    EXPECT_TRUE(CSFMLJeuEditeurOptions::callback(&options(), nullptr, grille, 0));
    EXPECT_TRUE(jeu->bAfficheGrille);
}

TEST(MenuEditeurImage, FollowsTheCameraAndSwitchesTheMasksOnAControlClickOfCell5)
{
    DossierDeTravail dossier;
    sf::Image image;
    image.create(320, 32, sf::Color::Blue);  // ten cells of 32 x 32
    std::filesystem::create_directories("menus");
    ASSERT_TRUE(image.saveToFile("menus/menusediteur.png"));
    FaceTest jeu;  // the menu reads the world facet alone
    jeu.pdecor = jeu.pdecorJeu = new CDecor();
    jeu.pvue = jeu.pvueJeu = new CVue(1280, 720);
    jeu.pvue->x = 35.8f;
    jeu.pvue->y = -10.5f;
    CMenuEditeurImage menu;
    menu.pjeu = &jeu;
    EXPECT_EQ(sf::Vector2i(menu.largeurCase, menu.hauteurCase), sf::Vector2i(32, 32));
    sf::RenderTexture cible;
    ASSERT_TRUE(cible.create(64, 64));
    menu.dessiner(cible);
    EXPECT_EQ(sf::Vector2i(menu.pMenu->x, menu.pMenu->y), sf::Vector2i(435, -10)) << "at (400, 0) from the camera";
    EXPECT_EQ(sf::Vector2i(menu.pMenu->valeurs[0], menu.pMenu->valeurs[1]), sf::Vector2i(35, -10));

    EtatSouris souris;
    bool ctrl = false;
    SourisJeu::lire = [&](const sf::Window&) { return souris; };
    SourisJeu::ctrlGauche = [&] { return ctrl; };
    // A press then a release over a cell, with or without Control.
    auto clic = [&](int cellule, bool avecCtrl) {
        ctrl = avecCtrl;
        souris.position = {menu.pMenu->x + cellule * 32 + 16, menu.pMenu->y + 16};
        souris.gauche = true;
        EXPECT_TRUE(menu.gerer(fenetreEditeur(), 0, 0)) << "over the grid";
        souris.gauche = false;
        menu.gerer(fenetreEditeur(), 0, 0);
    };
    clic(5, false);
    clic(4, true);
    EXPECT_FALSE(jeu.pdecor->bMasques) << "a plain click, or another cell, changes nothing";
    clic(5, true);
    EXPECT_TRUE(jeu.pdecor->bMasques);
    clic(5, true);
    EXPECT_FALSE(jeu.pdecor->bMasques) << "each Control-click on cell 5 switches the masks";
    SourisJeu::reinitialiser();
}
