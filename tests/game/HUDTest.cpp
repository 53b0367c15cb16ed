#include "game/HUD.h"

#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/OptionsMulti.h"
#include "characters/Perso.h"
#include "core/Services.h"
#include "core/Texte.h"
#include "editor/JeuDialogMenuEditeur.h"
#include "game/Jeu.h"
#include "level/MenuImage.h"
#include "level/Vue.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControl.h"
#include "level/Decor.h"
#include "menus/JeuMenus.h"

#include "support/Outils.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Window/Window.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

const sf::Color FOND(10, 20, 30);

// The game with a 3000 x 1500 level, run from the game's data folder so that the HUD
// finds its own font and images. Stars, shield and weapon icons are plain colours.
class HUDTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ancienDossier = std::filesystem::current_path();
        const char* dossiers[] = {std::getenv("TUV_DATA_DIR"), "../../data", "../data", "data"};
        for (const char* d : dossiers)
            if (d && std::filesystem::exists(std::filesystem::path(d) / "polices")) {
                std::filesystem::current_path(d);
                break;
            }
        ASSERT_TRUE(std::filesystem::exists("./menus/multi.dec"));
        ancienServices = g_services;
        g_services.messageBox = [this](const std::string&, const std::string& t, const std::string&) {
            messages.push_back(t);
        };
        faceJeu::installer(jeu.facettes());
        jeu.largeurVue = 1280;
        jeu.hauteurVue = 720;
        jeu.pdecor = jeu.pdecorJeu = new CDecor();
        jeu.pdecor->tailleJeuX = 3000;
        jeu.pdecor->tailleJeuY = 1500;
        jeu.pvue = jeu.pvueJeu = new CVue(1280, 720);
        jeu.pMenus = new CJeuMenus();
        jeu.parmes = new CArmes();
        jeu.pOptionsMulti = new COptionsMulti();
        jeu.pHUD = new CSFMLJeuHUD();
        jeu.pMenus->spriteEtoile.charger(image("etoile", 32, sf::Color::Yellow));
        jeu.pMenus->spriteEtoileVide.charger(image("vide", 32, sf::Color(128, 128, 128)));
        for (int i = 1; i <= 13; ++i)
            jeu.overs["ARME" + tuv::itos(i)] = icone(i == 7 ? sf::Color::Green : sf::Color(100, 0, 100 + i));
        for (int i = 0; i < 5; ++i) {
            auto* arme = new CArme();
            arme->nom = "ARME " + tuv::itos(i);
            arme->nomAffiche = "Arme" + tuv::itos(i);
            arme->degats = 10 * i;
            jeu.parmes->armes.push_back(arme);
        }
        jeu.parmes->nbArmes = 5;
        hud().charger();
        rendu.create(1280, 720);
    }
    void TearDown() override
    {
        faceJeu::installer({});
        g_services = ancienServices;
        SourisJeu::reinitialiser();
        std::filesystem::current_path(ancienDossier);
    }

    CSFMLJeuHUD& hud() { return *jeu.pHUD; }

    std::string image(const std::string& nom, int cote, sf::Color c)
    {
        sf::Image img;
        img.create(cote, cote, c);
        img.saveToFile(dossier / (nom + ".png"));
        ecrireTexte(dossier / (nom + ".dec"), "PLANCHE=" + dossier / (nom + ".png") + "\nSPRITE=0;0;1;" +
                                                 tuv::itos(cote) + ";" + tuv::itos(cote) + ";0;0\n");
        return dossier / (nom + ".dec");
    }
    CSPRITE_SIMPLE* icone(sf::Color c)
    {
        auto* s = new CSPRITE_SIMPLE();
        s->charger(image("icone" + tuv::itos(++nbIcones), 40, c));
        return s;
    }

    // A character of the level (owned by it).
    CPerso* perso(float x, float y)
    {
        auto* p = new CPerso();
        p->sprite->x = x;
        p->sprite->y = y;
        jeu.pdecor->persos.push_back(p);
        persos.push_back(p);
        return p;
    }
    void donnerArme(CPerso& p, int slot, int numero, int munitions, int etat = -1)
    {
        if (static_cast<int>(p.armes.size()) <= slot)
            p.armes.resize(slot + 1, nullptr);
        p.armes[slot] = new SlotArme{numero, munitions, true, etat};
        p.nbarmesperso = static_cast<int>(p.armes.size());
    }

    sf::Image frame()
    {
        rendu.clear(FOND);
        hud().dessiner(rendu);
        rendu.display();
        return rendu.getTexture().copyToImage();
    }
    static bool dessineDans(const sf::Image& img, int x0, int y0, int x1, int y1)
    {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (img.getPixel(x, y) != FOND)
                    return true;
        return false;
    }

    DossierTemp dossier;
    std::filesystem::path ancienDossier;
    ServicesFondation ancienServices;
    std::vector<std::string> messages;
    int nbIcones = 0;
    CSFMLJeu jeu;
    std::vector<CPerso*> persos;
    sf::RenderTexture rendu;
};

TEST_F(HUDTest, NoPanelDrawsNothingVisible)
{
    for (int cas = 0; cas < 3; ++cas) {
        jeu.typeJeu = cas == 0 ? 3 : 0;
        jeu.pdecor->niveauFini = cas == 1;
        hud().bInfosVisible = cas != 2;
        EXPECT_FALSE(dessineDans(frame(), 0, 0, 1280, 720)) << cas;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(HUDTest, ChronoPanelCountdownAndSigns)
{
    jeu.typeJeu = 1;
    jeu.pdecor->chrono = 11;
    jeu.pdecor->chronoRef = 60;
    sf::Image img = frame();
    EXPECT_FALSE(dessineDans(img, 560, 170, 600, 300));  // no big number above 10
    EXPECT_TRUE(dessineDans(img, 620, 340, 660, 380));   // ready sign before the player acts

    jeu.pdecor->chrono = 10;
    img = frame();
    EXPECT_EQ(hud().texteCompteARebours.getString(), "10");
    EXPECT_EQ(hud().texteCompteARebours.getPosition(), sf::Vector2f(590, 160));
    bool rouge = false;
    for (int y = 160; y < 500 && !rouge; y += 2)
        for (int x = 590; x < 1000 && !rouge; x += 2)
            rouge = img.getPixel(x, y) == sf::Color(200, 50, 50);
    EXPECT_TRUE(rouge);
    for (unsigned taille : {290u, 280u}) {
        frame();
        EXPECT_EQ(hud().texteCompteARebours.getCharacterSize(), taille);
    }
    jeu.pdecor->chrono = 9;
    frame();
    EXPECT_EQ(hud().texteCompteARebours.getCharacterSize(), 300u);

    // The go sign grows while no second has passed since the player acted.
    jeu.bGoChrono = true;
    jeu.pdecor->chrono = jeu.pdecor->chronoRef = 30;
    frame();
    frame();
    EXPECT_FLOAT_EQ(hud().spriteGo.getSX(), 1.1f);
    jeu.pdecor->chrono = 29;
    EXPECT_FALSE(dessineDans(frame(), 620, 340, 660, 380));

    // Stars of the chrono result: 2 draws the first two, an out-of-range count none.
    jeu.nbEtoiles = 2;
    img = frame();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(img.getPixel(320 + 32 * i, 26) == sf::Color::Yellow, i < 2) << i;
    jeu.nbEtoiles = 7;
    EXPECT_NE(frame().getPixel(320, 26), sf::Color::Yellow);
}

TEST_F(HUDTest, AdventureIconRowPulseDetailsAndShip)
{
    jeu.typeJeu = 0;
    CPerso& p = *perso(500, 500);
    donnerArme(p, 2, 1, 0, -1);  // no ammunition, negative reserve: not listed
    donnerArme(p, 13, 3, 5);
    p.armeCourante = 13;
    // Slot 13 is the first listed: the icon of "ARME7" at x 133.
    EXPECT_EQ(frame().getPixel(133, 18), sf::Color::Green);
    // A name of eight wide letters is drawn smaller, left of the row: from the row's frame
    // (x 124) on, the panel is as with a name of one letter.
    jeu.pMenus->joueurs = {"W", "WWWWWWWW"};
    const sf::Image court = frame();
    jeu.pMenus->joueurActif = 1;
    const sf::Image long8 = frame();
    for (unsigned x = 122; x < 300; ++x)
        for (unsigned y = 0; y < 40; ++y)
            ASSERT_EQ(court.getPixel(x, y), long8.getPixel(x, y)) << "the long name reaches (" << x << ", " << y << ")";
    EXPECT_TRUE(dessineDans(long8, 27, 5, 40, 30)) << "the name is drawn";

    hud().armePulsation = 13;
    hud().compteurPulsation = 2;
    for (float echelle : {0.58f, 0.66f}) {
        frame();
        EXPECT_FLOAT_EQ(jeu.overs["ARME7"]->getSX(), echelle);
    }
    EXPECT_NE(frame().getPixel(133, 18), sf::Color::Green);  // the pulse's last frame
    EXPECT_EQ(hud().armePulsation, -1);
    EXPECT_EQ(frame().getPixel(133, 18), sf::Color::Green);
    EXPECT_FLOAT_EQ(jeu.overs["ARME7"]->getSX(), 0.5f);

    // Weapon details while the counter runs: icon at (53, 57), damage icon centre (184, 68).
    hud().compteurArme[0] = 2;
    sf::Image img = frame();
    EXPECT_EQ(img.getPixel(184, 68), sf::Color(255, 210, 60));
    EXPECT_EQ(img.getPixel(53, 57), sf::Color::Green);
    frame();
    EXPECT_NE(frame().getPixel(184, 68), sf::Color(255, 210, 60));
    EXPECT_EQ(hud().compteurArme[0], 0);
    p.armes[13]->numero = 99;  // outside the weapon list
    hud().compteurArme[0] = 3;
    frame();

    // A ship shows its life bar instead: grey frame, red bar as long as the life.
    CPerso vaisseau;
    vaisseau.vie = 100;
    jeu.pPerso = &vaisseau;
    img = frame();
    EXPECT_EQ(img.getPixel(58, 40), sf::Color(128, 128, 128));
    EXPECT_NEAR(img.getPixel(100, 39).r, 200 * 180 / 255 + 6, 8);
    EXPECT_LT(img.getPixel(170, 39).r, 100);
    vaisseau.bVieInfinie = true;
    EXPECT_EQ(frame().getPixel(58, 40), sf::Color::White);
    jeu.pPerso = nullptr;
}

// The weapon's name beside its damage, in the adventure's panel and in a player's of two: in
// English its English name, in French (or where the weapon has none) the French one.
TEST_F(HUDTest, WeaponNameInThePlayersLanguage)
{
    CPerso& p = *perso(500, 500);
    donnerArme(p, 0, 3, 5);
    p.armeCourante = 0;
    CArme& arme = *jeu.parmes->armes[3];
    // The name's place, from its x to the damage icon's, as drawn.
    const auto nom = [&](int type, const char* langue, const char* francais, const char* anglais) {
        jeu.typeJeu = type;
        jeu.pMenus->langue = langue;
        arme.nomAffiche = francais;
        arme.nomAfficheEn = anglais;
        hud().compteurArme[0] = 1;
        const sf::Image i = frame();
        std::vector<sf::Uint32> v;
        for (unsigned y = 36; y < 62; ++y)
            for (unsigned x = 88; x < 166; ++x)
                v.push_back(i.getPixel(x, y).toInteger());
        return v;
    };
    for (int t : {0, 2}) {
        EXPECT_TRUE(nom(t, "en_", "Arme3", "Gun") == nom(t, "fr_", "Gun", "")) << t << ": in English, the English name";
        EXPECT_TRUE(nom(t, "fr_", "Arme3", "Gun") == nom(t, "en_", "Arme3", "")) << t << ": else the French one";
        EXPECT_TRUE(nom(t, "fr_", "Arme3", "") != nom(t, "fr_", "Gun", "")) << t << ": the name is drawn there";
    }
}

TEST_F(HUDTest, RoundCountdownAtBothRates)
{
    jeu.typeJeu = 2;
    for (float k : {1.0f, 0.5f}) {
        jeu.framerateCoeff = k;
        hud().compteurDepart = static_cast<int>(90 / k);
        int secousses = 0, visibles3 = 0, visiblesGo = 0;
        for (int i = 0; i < 200 / k; ++i) {
            jeu.pvue->compteurTremblement = 0;  // no camera update here: let every step shake
            const int c = static_cast<int>(std::floor(hud().compteurDepart * k));
            hud().dessiner(rendu);
            secousses += jeu.pvue->tremblementActif();
            visibles3 += c >= 61 && c <= 89;
            visiblesGo += c <= -1 && c >= -29;
        }
        EXPECT_EQ(secousses, 4) << k;
        EXPECT_EQ(visibles3, static_cast<int>(29 / k)) << k;
        EXPECT_NEAR(hud().sprite3.getSX(), 0.275f, 1e-4) << k;
        EXPECT_EQ(visiblesGo, static_cast<int>(29 / k)) << k;
        EXPECT_NEAR(hud().spriteGo.getSX(), 2.1f, 1e-4) << k;
        EXPECT_EQ(static_cast<int>(std::floor(hud().compteurDepart * k)), -30) << k;
    }
    jeu.framerateCoeff = 1;
    hud().compteurDepart = 45;
    EXPECT_TRUE(dessineDans(frame(), 600, 320, 680, 400));  // the digit, mid-screen
    hud().compteurDepart = 60;
    EXPECT_FALSE(dessineDans(frame(), 600, 320, 680, 400));
}

TEST_F(HUDTest, PlayerPanelsSideBySide)
{
    jeu.typeJeu = 2;
    jeu.pOptionsMulti->nbJoueurs[0] = 3;
    jeu.manchesGagnees[0] = 1;
    perso(100, 100)->numJoueur = 0;
    jeu.manettes[0].jauge = 100;
    sf::Image img = frame();
    const sf::Color bord(120, 90, 50);
    for (int x0 : {8, 435, 862}) {
        EXPECT_EQ(img.getPixel(x0, 5), bord) << x0;
        EXPECT_EQ(img.getPixel(x0 + 299, 5), bord) << x0;
        EXPECT_EQ(img.getPixel(x0 - 1, 5), FOND) << x0;
    }
    // One round won of three: a star, then two empty ones.
    const sf::Color etoiles[] = {sf::Color::Yellow, sf::Color(128, 128, 128), sf::Color(128, 128, 128)};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(img.getPixel(8 + 65 + 16 * i + 2, 20), etoiles[i]) << i;
    EXPECT_NE(img.getPixel(8 + 65 + 48 + 2, 20), etoiles[2]);
    EXPECT_GT(img.getPixel(8 + 220, 18).g, 150);  // full gauge in green
    EXPECT_NE(img.getPixel(435 + 220, 18), img.getPixel(8 + 220, 18));  // no character
    EXPECT_EQ(CSFMLJeuHUD::etiquetteJoueur(1, false), "P2:") << "English: no blank before the colon";
    EXPECT_EQ(CSFMLJeuHUD::etiquetteJoueur(1, true), "J2 :");

    // Seven players are drawn as four; absurd round counts stay in the panel.
    jeu.pOptionsMulti->nbJoueurs[0] = 7;
    jeu.pOptionsMulti->manches = 1000;
    jeu.manchesGagnees[1] = -5;
    img = frame();
    EXPECT_EQ(img.getPixel(959, 5), bord);
    EXPECT_EQ(img.getPixel(959 + 299, 5), bord);
}

TEST_F(HUDTest, MapViewBoxStaysInsideALowLevel)
{
    jeu.pdecor->tailleJeuY = 500;
    hud().charger();
    EXPECT_FLOAT_EQ(hud().carteLargeur, (3000 + 3 * 1280) / 20.0f);
    EXPECT_FLOAT_EQ(hud().carteHauteur, 25);
    rendu.clear(FOND);
    hud().dessinerOverlay(rendu);
    rendu.display();
    const sf::Image img = rendu.getTexture().copyToImage();
    EXPECT_NEAR(img.getPixel(60, 20).b, 128 * 250 / 255 + FOND.b * 5 / 255, 2);
    EXPECT_LT(img.getPixel(60, 1).b, 100);  // nothing above the map
}

TEST_F(HUDTest, MapClickTeleportsAndDragPans)
{
    sf::Window fenetre;
    EtatSouris souris;
    bool ctrl = false;
    SourisJeu::lire = [&](const sf::Window&) { return souris; };
    SourisJeu::ctrlGauche = [&] { return ctrl; };
    SourisJeu::shiftGauche = [] { return false; };
    auto clic = [&](int mx, int my, bool gauche) {
        souris = {gauche, false, {mx, my}};
        return hud().clicEditeur(fenetre, rendu);
    };
    CPerso joueur;
    jeu.pPerso = &joueur;
    CPerso& a = *perso(100, 100);
    CPerso& b = *perso(300, 200);

    // The editor toolbar with its character-mode button, checked while the player's collisions
    // are off.
    CJeuDialogMenuEditeur barre;
    barre.setId("JeuDialogMenuEditeur");
    CPLUX::enregistrer(&barre);
    CPLUXControlButtonCheck* modePerso =
        barre.addControlButtonCheck("myButtonCheckModePerso", "", "", "", 0, 0, 10, 10, true);

    EXPECT_FALSE(clic(55, 25, false));  // the level has no map
    jeu.pdecor->bCarte = true;
    EXPECT_TRUE(clic(55, 25, false));
    EXPECT_TRUE(joueur.bCollisions);
    EXPECT_TRUE(clic(55, 25, true));
    EXPECT_TRUE(hud().bSourisSurCarte);
    EXPECT_FALSE(joueur.bCollisions);  // character mode first: the player passes through the decor
    ASSERT_NE(modePerso, nullptr);
    EXPECT_TRUE(modePerso->isChecked());  // and the toolbar follows
    for (CPerso* p : {&a, &b})
        EXPECT_EQ(sf::Vector2f(p->sprite->x, p->sprite->y), sf::Vector2f(1000, 400));

    // Dragging outside the map pans the level under the mouse, not with Control; a carried
    // character (its carrier's, not the level's) goes with its carrier.
    auto* enfant = new CPerso();
    a.enfants.push_back(enfant);
    a.nbEnfants = 1;
    enfant->sprite->x = 1030;
    enfant->sprite->y = 400;
    EXPECT_FALSE(clic(410, 305, false));
    EXPECT_FALSE(hud().bSourisSurCarte);
    EXPECT_FALSE(clic(410, 305, true));
    EXPECT_FALSE(clic(400, 300, true));
    EXPECT_EQ(sf::Vector2f(a.sprite->x, a.sprite->y), sf::Vector2f(1020, 410));
    EXPECT_EQ(sf::Vector2f(enfant->sprite->x, enfant->sprite->y), sf::Vector2f(1050, 410));
    ctrl = true;
    EXPECT_FALSE(clic(390, 300, true));
    EXPECT_FLOAT_EQ(a.sprite->x, 1020);
    EXPECT_EQ(hud().sourisX, 390);
    jeu.pPerso = nullptr;
}

TEST_F(HUDTest, MissingFilesAreSaidOnceAndDrawNothing)
{
    DossierTemp vide;
    std::filesystem::current_path(vide.str());
    hud().charger();
    EXPECT_EQ(messages.size(), 10u);  // the font and nine images
    hud().charger();
    EXPECT_EQ(messages.size(), 10u);
    EXPECT_EQ(hud().pTexte, nullptr);
    jeu.typeJeu = 2;
    EXPECT_FALSE(dessineDans(frame(), 0, 0, 1280, 720));
}

} // namespace
