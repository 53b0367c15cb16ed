// Menu input and navigation, frame by frame through the scripted input source.
#include "OutilsMenus.h"

#include "characters/Perso.h"
#include "game/Vue.h"
#include "gui/CPLUX.h"

#include <gtest/gtest.h>

using K = sf::Keyboard;

TEST(NavigationMenus, RepetitionEtSonAuxQuatreImages)
{
    for (bool son : {true, false}) {
        BancMenus b;
        b.jeu.bSonMenu = son;
        int sons = 0;
        b.jeu.espionSons = [&](const std::string& nom) { sons += nom == "MENU"; };
        b.ouvrir("m.mnu", lignesSelectionnables(12));
        CJeuMenus& m = b.menus();
        std::vector<int> lignes;
        std::vector<int> sonsApres;
        b.stick(0, 100);  // held down on the pad, no event
        for (int i = 1; i <= 9; ++i) {
            b.image();
            lignes.push_back(m.ligneActive);
            sonsApres.push_back(sons);
        }
        EXPECT_EQ(lignes, (std::vector<int>{1, 1, 1, 1, 2, 2, 2, 2, 3})) << "moves at frames 1, 5 and 9";
        if (son)
            EXPECT_EQ(sonsApres, (std::vector<int>{0, 0, 0, 1, 1, 1, 1, 2, 2})) << "MENU after frames 4 and 8";
        else
            EXPECT_EQ(sons, 0) << "SONMENU off: silent";
        b.stick(0, 0);
        b.image();
        EXPECT_EQ(m.compteurRepetition, 0) << "no direction: the count restarts";
    }
}

TEST(NavigationMenus, AppuiPendantUneRepetitionEtFlechesContreManette)
{
    BancMenus b;
    b.ouvrir("m.mnu", lignesSelectionnables(12));
    CJeuMenus& m = b.menus();
    b.stick(0, 100);
    b.image();  // moves at once: line 1
    b.image();
    b.image({appui(K::Down)});  // a key press moves whatever the count
    EXPECT_EQ(m.ligneActive, 2);
    b.image({relache(K::Down)});  // an event, no arrow held: the keyboard says "no direction"
    EXPECT_EQ(m.compteurRepetition, 0);
    EXPECT_EQ(m.ligneActive, 2);

    // Pad up, Down held on the keyboard: the keys decide in a frame with events, the stick
    // in a frame without.
    sf::Event souris;
    souris.type = sf::Event::MouseMoved;
    souris.mouseMove = {5, 5};
    b.stick(0, -100);
    b.image({{souris, {K::Down}}});
    EXPECT_EQ(m.ligneActive, 3);
    EXPECT_FALSE(m.entreesDerniereImage.bToucheFrappee) << "a mouse move is no key press";
    b.stick(0, 0);
    b.image();
    b.stick(0, -100);
    b.image({}, {K::Down});
    EXPECT_EQ(m.ligneActive, 2);
}

TEST(NavigationMenus, SeuilsDeLaManette)
{
    BancMenus b;
    b.ouvrir("m.mnu", lignesSelectionnables(3));
    CJeuMenus& m = b.menus();
    const struct {
        int x, y;
        bool gauche, droite, haut, bas;
    } cas[] = {
        {0, 31, false, false, false, true},   {0, 30, false, false, false, false},
        {0, -31, false, false, true, false},  {0, -30, false, false, false, false},
        {71, 0, false, true, false, false},   {70, 0, false, false, false, false},
        {-71, 0, true, false, false, false},  {-70, 50, false, false, false, true},
    };
    for (const auto& c : cas) {
        b.stick(c.x, c.y);
        b.image();
        const EntreesMenu& e = m.entreesDerniereImage;
        EXPECT_EQ(e.bGauche, c.gauche) << c.x << "," << c.y;
        EXPECT_EQ(e.bDroite, c.droite) << c.x << "," << c.y;
        EXPECT_EQ(e.bHaut, c.haut) << c.x << "," << c.y;
        EXPECT_EQ(e.bBas, c.bas) << c.x << "," << c.y;
    }
}

TEST(NavigationMenus, ValidationAuRelachementEtMasque)
{
    BancMenus b;
    b.ouvrir("m.mnu", lignesSelectionnables(3));
    CJeuMenus& m = b.menus();
    auto valide = [&](uint16_t boutons) {
        b.stick(0, 0, boutons);
        b.image();
        return m.entreesDerniereImage.bValider;
    };
    EXPECT_FALSE(valide(MANETTE_A)) << "held: not yet";
    EXPECT_TRUE(valide(0)) << "released: validation";
    EXPECT_FALSE(valide(0));

    // The button still held from the game when the menu opened: its release is masked.
    m.boutonsPrecedents[0] = true;
    EXPECT_FALSE(valide(MANETTE_A));
    EXPECT_FALSE(valide(0)) << "the masked release";
    EXPECT_FALSE(m.boutonsPrecedents[0]) << "the release lowers the mask";
    EXPECT_FALSE(valide(MANETTE_A));
    EXPECT_TRUE(valide(0));

    // Mask raised while the button is up: the first frame lowers it, the next press counts.
    m.boutonsPrecedents[0] = true;
    EXPECT_FALSE(valide(0));
    EXPECT_FALSE(m.boutonsPrecedents[0]);
    EXPECT_FALSE(valide(MANETTE_A));
    EXPECT_TRUE(valide(0));

    // Buttons 1-7 on release; keys.
    b.stick(0, 0, MANETTE_B | MANETTE_START | MANETTE_LB);
    b.image();
    b.stick(0, 0);
    b.image();
    EXPECT_TRUE(m.entreesDerniereImage.bRetour && m.entreesDerniereImage.bRelache7 &&
                m.entreesDerniereImage.bRelache4);
    b.manette.bConnecte = false;
    b.image({appui(K::A), appui(K::RShift)});
    EXPECT_TRUE(m.entreesDerniereImage.bValider && m.entreesDerniereImage.bRelache5);
    b.image({appui(K::B)});
    EXPECT_TRUE(m.entreesDerniereImage.bRetour);
}

TEST(NavigationMenus, LignesNonSelectionnablesEtBouts)
{
    BancMenus b;
    b.ouvrir("m.mnu", "LIGNE=0;0;1;;\nLIGNE=0;0;0;;\nLIGNE=0;0;1;;\nLIGNE=0;0;1;;\nLIGNE=0;0;0;;\n");
    CJeuMenus& m = b.menus();
    const struct {
        sf::Keyboard::Key touche;
        int ligne;
    } pas[] = {{K::Up, 0}, {K::Down, 2}, {K::Down, 3}, {K::Down, 3}, {K::Up, 2}, {K::Up, 0}, {K::Up, 0}};
    for (const auto& p : pas) {
        b.image({appui(p.touche)});
        b.image({relache(p.touche)});
        EXPECT_EQ(m.ligneActive, p.ligne) << (p.touche == K::Up ? "up" : "down");
    }
}

TEST(NavigationMenus, GrillesDeNiveauxEtLignesMemorisees)
{
    BancMenus b;
    ecrireTexte("niveaux/niveaux_aventure.ini", "NIV=./niveaux/a/;1\n");
    CJeuMenus& m = b.menus();
    b.ouvrir("menu320_choixniveau_aventure.mnu", lignesSelectionnables(13), 320);
    EXPECT_EQ(m.listeNiveaux.size(), 1u) << "entering 320 reads the adventure list";
    const struct {
        sf::Keyboard::Key touche;
        int ligne;
    } pas[] = {{K::Right, 5}, {K::Right, 10}, {K::Right, 10} /* 15 does not exist */,
               {K::Left, 5},  {K::Left, 5} /* not above 5 */, {K::Down, 6}};
    for (const auto& p : pas) {
        b.image({appui(p.touche)});
        b.image({relache(p.touche)});
        EXPECT_EQ(m.ligneActive, p.ligne) << "key " << p.touche;
    }
    EXPECT_EQ(m.lignesMemorisees[3], 6) << "menu 320 remembers its line";
    m.ligneActive = 12;
    b.image({appui(K::Left)});
    EXPECT_EQ(m.ligneActive, 12) << "the last line moves not sideways";

    b.ouvrir("menu330_choixniveau_chrono.mnu", lignesSelectionnables(8), 330);
    EXPECT_EQ(m.ligneActive, 0) << "330 remembers nothing yet";
    b.image({appui(K::Down)});
    b.image({appui(K::Down)});
    b.ouvrir("menu320_choixniveau_aventure.mnu", lignesSelectionnables(13), 320);
    EXPECT_EQ(m.ligneActive, 6);
    b.ouvrir("menu330_choixniveau_chrono.mnu", lignesSelectionnables(8), 330);
    EXPECT_EQ(m.ligneActive, 2);
    EXPECT_EQ(m.lignesMemorisees[3], 6);

    b.ouvrir("menu1.mnu", lignesSelectionnables(10), 1);
    b.image({appui(K::Down)});
    b.image({relache(K::Down)});
    b.ouvrir("menu0.mnu", lignesSelectionnables(2), 0);
    b.ouvrir("menu1.mnu", lignesSelectionnables(10), 1);
    EXPECT_EQ(m.ligneActive, 1) << "menu 1 remembers its line";
    EXPECT_EQ(m.lignesMemorisees[4], 1);
    b.ouvrir("menu1.mnu", lignesSelectionnables(1), 1);
    EXPECT_EQ(m.ligneActive, 0) << "a remembered line past the menu's end is not taken";
}

TEST(NavigationMenus, SaisieDuNom)
{
    BancMenus b;
    CJeuMenus& m = b.menus();
    b.ouvrir("menu30_changerjoueur.mnu", lignesSelectionnables(3), 30);
    m.ligneActive = 1;
    m.bSaisieTerminee = false;
    std::vector<Evenement> texte;
    for (sf::Uint32 c : std::u32string(U"Ab\u00e9_ c-1.2 3xyz"))
        texte.push_back({SourceScriptee::texte(c), {}});
    b.image(texte);
    EXPECT_EQ(m.strNouveauJoueur, "Ab c-1.2") << "accented letters and _ are refused; 8 characters at most";
    b.image({{SourceScriptee::texte(8), {}}});
    EXPECT_EQ(m.strNouveauJoueur, "Ab c-1.");
    b.image({appui(K::A)});
    EXPECT_FALSE(m.entreesDerniereImage.bValider) << "while typing, A is a letter";
    EXPECT_TRUE(m.entreesDerniereImage.bToucheFrappee);
    b.image({appui(K::Return)});
    EXPECT_TRUE(m.entreesDerniereImage.bValider);
    b.image({appui(K::Escape)});
    EXPECT_TRUE(m.entreesDerniereImage.bRetour);
    m.strNouveauJoueur.clear();
    b.image({{SourceScriptee::texte(8), {}}});
    EXPECT_EQ(m.strNouveauJoueur, "") << "backspace on an empty name";

    m.bSaisieTerminee = true;
    b.image({{SourceScriptee::texte('z'), {}}});
    EXPECT_EQ(m.strNouveauJoueur, "") << "no typing once the name is done";
}

namespace {

std::vector<std::string> joueurs(int n)
{
    std::vector<std::string> j;
    for (int i = 0; i < n; ++i)
        j.push_back("J" + std::to_string(i));
    return j;
}

} // namespace

TEST(NavigationMenus, LignesDesJoueurs)
{
    BancMenus b;
    CJeuMenus& m = b.menus();
    const std::string fichier = "FOND=;20;10;1;1\nLIGNE=0;0;0;;\nLIGNE=0;40;1;;\n";
    // Players, active index, lines added, active line expected for menus 30 and 33.
    const struct {
        int nb, actif, ajoutees, active;
    } cas[] = {{0, -1, 0, 1}, {3, 1, 3, 3}, {12, 11, 12, 13}, {14, 13, 12, 1}, {14, 2, 12, 4}};
    for (int id : {30, 33}) {
        for (const auto& c : cas) {
            m.joueurs = joueurs(c.nb);
            m.joueurActif = c.actif;
            b.ouvrir(id == 30 ? "menu30_changerjoueur.mnu" : "menu_changejoueur.mnu", fichier, id);
            EXPECT_EQ(m.premiereLigneJoueur, 2) << id;
            EXPECT_EQ(m.nbLignes, 2 + c.ajoutees) << id << " with " << c.nb << " players";
            EXPECT_EQ(m.ligneActive, c.active) << id << " with " << c.nb << " players, active " << c.actif;
            EXPECT_EQ(m.bPortesFermees, id == 33);
        }
    }
    // Positions: menu 30 in one column; menu 33 in two, the second one row lower.
    m.joueurs = joueurs(12);
    b.ouvrir("menu30_changerjoueur.mnu", fichier, 30);
    EXPECT_EQ(m.lignes[2]->x, 200);
    EXPECT_EQ(m.lignes[2]->y, 190);
    EXPECT_EQ(m.lignes[13]->y, 190 + 40 * 11);
    ASSERT_TRUE(m.lignes[2]->pTexte1);
    EXPECT_EQ(m.lignes[2]->pTexte1->getCharacterSize(), 24u);
    EXPECT_EQ(m.lignes[2]->couleur, sf::Color(100, 100, 100));
    EXPECT_TRUE(m.lignes[2]->bSelectionnable);
    m.joueurs[0] = "\xC3\x89mile";
    b.ouvrir("menu_changejoueur.mnu", fichier, 33);
    EXPECT_EQ(m.lignes[2]->x, 120);
    EXPECT_EQ(m.lignes[2]->y, 85);
    EXPECT_EQ(m.lignes[7]->y, 10 + 75 + 125);
    EXPECT_EQ(m.lignes[8]->x, 370);
    EXPECT_EQ(m.lignes[8]->y, 10 - 50 + 150);
    EXPECT_EQ(m.lignes[2]->pTexte1->getCharacterSize(), 16u);
    EXPECT_EQ(m.lignes[2]->couleur, sf::Color(150, 150, 150));
    EXPECT_EQ(m.lignes[2]->pTexte1->getString(), sf::String(L"\u00c9mile")) << "names are UTF-8";
}

TEST(NavigationMenus, EntrerChaqueMenu)
{
    BancMenus b;
    CJeuMenus& m = b.menus();
    ecrireTexte("niveaux/progression.ini", "NIVEAU_COURANT=5\n");
    ecrireTexte("niveaux/niveaux_chrono.ini", "NIV=c;1\nNIV=d;2\n");
    ecrireTexte("niveaux/niveaux_multi.ini", "NIV=m;1\n");
    const std::string cinq = lignesSelectionnables(5);
    // Menus that close the doors over the level.
    for (int id : {6, 60, 20, 21, 210, 410, 420, 430}) {
        m.bFermeturePortes = false;
        b.ouvrir("m.mnu", cinq, id);
        EXPECT_EQ(m.idMenu, id);
        EXPECT_TRUE(m.bPortesFermees && m.bFermeturePortes) << id;
        EXPECT_EQ(m.nbLignes, id >= 410 ? 4 : 5) << id << ": without the killcam the last line goes";
    }
    for (int id : {0, 1, 7, 10, 100, 400, 401, 1000}) {
        b.ouvrir("m.mnu", cinq, id);
        EXPECT_FALSE(m.bPortesFermees) << id;
    }
    b.ouvrir("m.mnu", cinq, 1);
    EXPECT_EQ(m.niveauCourant, 5) << "menu 1 reads the progression";
    b.ouvrir("m.mnu", cinq, 330);
    EXPECT_EQ(m.listeNiveaux, (std::vector<std::string>{"c", "d"}));
    b.ouvrir("m.mnu", cinq, 340);
    EXPECT_EQ(m.numerosNiveaux, (std::vector<int>{1}));

    // The language menu points at the language; the active line always exists.
    m.langue = "en_";
    b.ouvrir("m.mnu", cinq, 0, "en_");
    EXPECT_EQ(m.ligneActive, 1);
    b.ouvrir("m.mnu", lignesSelectionnables(1), 0, "en_");
    EXPECT_EQ(m.ligneActive, 0);
    m.langue = "fr_";
    b.ouvrir("m.mnu", "", 0);
    EXPECT_EQ(m.ligneActive, -1) << "an empty menu has no active line";

    // Killcam off: the hidden last line hands the cursor to the last selectable one left.
    b.ouvrir("m.mnu", "LIGNE=0;0;1;;\nLIGNE=0;0;0;;\nLIGNE=0;0;1;;\n");
    m.ligneActive = 2;
    m.entrerMenu(410);
    EXPECT_EQ(m.nbLignes, 2);
    EXPECT_EQ(m.ligneActive, 0);
    b.jeu.optionKillcam = 30;
    b.ouvrir("m.mnu", cinq, 410);
    EXPECT_EQ(m.nbLignes, 5) << "killcam on: the replay line stays";
}

TEST(NavigationMenus, ToucheMEtInterrupteur)
{
    BancMenus b;
    b.ouvrir("m.mnu", lignesSelectionnables(3));
    CJeuMenus& m = b.menus();
    CVue* vue = new CVue(100, 100);
    b.jeu.pvueMenu = vue;
    b.jeu.pvue = vue;
    vue->vuemode = 3;
    b.jeu.pdecor->chronoRef = 60;
    b.jeu.pdecor->chrono = 12;
    CPerso joueur;
    b.jeu.pPerso = &joueur;
    b.image({appui(K::M)});
    EXPECT_EQ(b.jeu.mode, 0) << "no development switch: no editor";
    EXPECT_TRUE(m.entreesDerniereImage.bToucheFrappee);
    CSFMLJeuGlobal::bModeTest = true;
    b.image({appui(K::M)});
    EXPECT_EQ(b.jeu.mode, 2);
    EXPECT_FALSE(b.jeu.bHUDVisible);
    EXPECT_TRUE(b.jeu.bCarteJeu);
    EXPECT_EQ(b.jeu.vuemode_save, 3);
    EXPECT_EQ(vue->vuemode, 6);
    EXPECT_EQ(b.jeu.pdecor->chrono, 60);
    b.jeu.pPerso = nullptr;
}

TEST(NavigationMenus, BoiteDeMessageOuverteRetientLeClavier)
{
    BancMenus b;
    b.ouvrir("m.mnu", lignesSelectionnables(4), 0);
    CJeuMenus& m = b.menus();
    const int boite = CPLUX::MessageBoxW("Titre", "Texte");
    ASSERT_FALSE(CPLUX::getMessageBoxes().empty());
    b.stick(0, 100, MANETTE_A);
    b.image({appui(K::Down)});
    b.stick(0, 100);
    b.image({appui(K::Return)});
    EXPECT_EQ(m.ligneActive, 0) << "no move while the box holds the keyboard";
    EXPECT_EQ(m.idMenu, 0) << "no validation either";
    EXPECT_FALSE(m.entreesDerniereImage.bValider || m.entreesDerniereImage.bBas);
    // The box takes its keys; answered, it lets the menu have the input again.
    CPLUXTest::frame();
    if (!CPLUX::getMessageBoxes().empty()) {
        ASSERT_TRUE(CPLUXTest::answerMessageBox(boite, 0));
    }
    CPLUXTest::frame();
    ASSERT_TRUE(CPLUX::getMessageBoxes().empty());
    b.stick(0, 0);
    b.image({appui(K::Down)});
    EXPECT_EQ(m.ligneActive, 1);
}
