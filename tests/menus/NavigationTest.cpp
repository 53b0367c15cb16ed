// Menu input and navigation, frame by frame through the scripted input source.
#include "OutilsMenus.h"

#include "characters/Perso.h"
#include "gui/CPLUX.h"
#include "level/Vue.h"

#include <gtest/gtest.h>

using K = sf::Keyboard;

TEST(NavigationMenus, RepetitionSonEtClavierContreManette)
{
    for (bool son : {true, false}) {
        BancMenus b;
        b.jeu.bSonMenu = son;
        std::string sons;
        b.jeu.espionSons = [&](const std::string& nom) { sons += nom + " "; };
        b.ouvrir("m.mnu", lignesSelectionnables(12));
        std::vector<int> lignes;
        std::vector<size_t> sonsApres;
        b.stick(0, 100);  // held down on the pad
        for (int i = 1; i <= 9; ++i) {
            b.image(i == 7 ? std::vector<Evenement>{appui(K::Down)} : std::vector<Evenement>{});
            lignes.push_back(b.menus().ligneActive);
            sonsApres.push_back(sons.size() / 5);
        }
        EXPECT_EQ(lignes, (std::vector<int>{1, 1, 1, 1, 2, 2, 3, 3, 4}))
            << "moves at frames 1, 5 and 9, and at once on the key press of frame 7";
        EXPECT_EQ(sonsApres, (son ? std::vector<size_t>{0, 0, 0, 1, 1, 1, 1, 2, 2} : std::vector<size_t>(9, 0)))
            << "MENU after every fourth frame held, with SONMENU on: " << sons;
    }
    // Pad up, Down held on the keyboard: the keys decide in frames with events, the pad
    // in frames without.
    BancMenus b;
    b.ouvrir("m.mnu", lignesSelectionnables(12));
    sf::Event souris;
    souris.type = sf::Event::MouseMoved;
    souris.mouseMove = {5, 5};
    b.menus().ligneActive = 5;
    b.stick(0, -100);
    b.image({{souris, {K::Down}}});
    EXPECT_EQ(b.menus().ligneActive, 6);
    EXPECT_FALSE(b.menus().entreesDerniereImage.bToucheFrappee) << "a mouse move is no key press";
    b.stick(0, 0);
    b.image();
    EXPECT_EQ(b.menus().compteurRepetition, 0) << "no direction: the count restarts";
    b.stick(0, -100);
    b.image({}, {K::Down});
    EXPECT_EQ(b.menus().ligneActive, 5);
}

TEST(NavigationMenus, ManetteSeuilsBoutonsEtMasque)
{
    BancMenus b;
    b.ouvrir("m.mnu", lignesSelectionnables(3));
    const EntreesMenu& e = b.menus().entreesDerniereImage;
    // Stick x, y, then the directions read: left, right, up, down. Above the thresholds,
    // not at them: 30.5 is no whole number, yet beyond 30.
    const float seuils[][6] = {{0, 30.5f, 0, 0, 0, 1}, {0, 30, 0, 0, 0, 0},   {0, -30.5f, 0, 0, 1, 0},
                               {0, -30, 0, 0, 0, 0},   {70.5f, 0, 0, 1, 0, 0}, {70, 0, 0, 0, 0, 0},
                               {-70.5f, 0, 1, 0, 0, 0}, {-70, 50, 0, 0, 0, 1}};
    for (const auto& s : seuils) {
        b.stick(s[0], s[1]);
        b.image();
        EXPECT_EQ((std::vector<bool>{e.bGauche, e.bDroite, e.bHaut, e.bBas}),
                  (std::vector<bool>{s[2] != 0, s[3] != 0, s[4] != 0, s[5] != 0}))
            << "stick " << s[0] << "," << s[1];
    }
    // Button A held, then up, frame by frame; the mask raised before some frames.
    const struct {
        uint16_t boutons;
        bool masque;
        bool valide;
    } a[] = {{MANETTE_A, false, false}, {0, false, true},  {0, false, false},  // validation on release
             {MANETTE_A, true, false},  {0, false, false}, {MANETTE_A, false, false}, {0, false, true},
             {0, true, false},          {MANETTE_A, false, false}, {0, false, true}};  // mask lowered while up
    for (const auto& p : a) {
        if (p.masque)
            b.menus().boutonsPrecedents[0] = true;
        b.stick(0, 0, p.boutons);
        b.image();
        EXPECT_EQ(e.bValider, p.valide) << "buttons " << p.boutons << (p.masque ? " masked" : "");
    }
    EXPECT_FALSE(b.menus().boutonsPrecedents[0]);
    b.stick(0, 0, MANETTE_B | MANETTE_START | MANETTE_LB);
    b.image();
    b.stick(0, 0);
    b.image();
    EXPECT_TRUE(e.bRetour && e.bRelache7 && e.bRelache4 && !e.bRelache2) << "buttons 1-7 act on release";
    b.image({appui(K::A), appui(K::RShift), appui(K::B)});
    EXPECT_TRUE(e.bValider && e.bRelache5 && e.bRetour && e.bToucheFrappee);
}

TEST(NavigationMenus, LignesBoutsGrillesEtMemoires)
{
    BancMenus b;
    CJeuMenus& m = b.menus();
    // A tap: pressed and released between two frames, never seen held.
    auto presser = [&](sf::Keyboard::Key k) {
        b.image({appui(k), relache(k)});
        b.image();
        return m.ligneActive;
    };
    b.ouvrir("m.mnu", "LIGNE=0;0;1;;\nLIGNE=0;0;0;;\nLIGNE=0;0;1;;\nLIGNE=0;0;1;;\nLIGNE=0;0;0;;\n");
    std::vector<int> vues;
    for (auto k : {K::Up, K::Down, K::Down, K::Down, K::Up, K::Up})
        vues.push_back(presser(k));
    EXPECT_EQ(vues, (std::vector<int>{0, 2, 3, 3, 2, 0})) << "non-selectable lines skipped, no wrap";

    ecrireTexte("niveaux/niveaux_aventure.ini", "NIV=./niveaux/a/;1\n");
    b.ouvrir("g.mnu", lignesSelectionnables(13), 320);
    EXPECT_EQ(m.listeNiveaux.size(), 1u) << "entering 320 reads the adventure list";
    vues.clear();
    for (auto k : {K::Right, K::Right, K::Right, K::Left, K::Left, K::Down})
        vues.push_back(presser(k));
    EXPECT_EQ(vues, (std::vector<int>{5, 10, 10, 5, 5, 6})) << "+5 to line 15 of 13 is refused; -5 needs > 5";
    m.ligneActive = 12;
    EXPECT_EQ(presser(K::Left), 12) << "the last line does not move sideways";
    EXPECT_EQ(m.lignesMemorisees[3], 6);

    b.ouvrir("g.mnu", lignesSelectionnables(8), 330);
    EXPECT_EQ(m.ligneActive, 0) << "330 remembers nothing yet";
    presser(K::Down);
    presser(K::Down);
    b.ouvrir("g.mnu", lignesSelectionnables(10), 1);
    presser(K::Down);
    const struct {
        int id, lignes, active;
    } retours[] = {{320, 13, 6}, {330, 8, 2}, {1, 10, 1}, {1, 1, 0} /* past the end: not taken */};
    for (const auto& r : retours) {
        b.ouvrir("g.mnu", lignesSelectionnables(r.lignes), r.id);
        EXPECT_EQ(m.ligneActive, r.active) << "menu " << r.id << " remembers its own line";
    }
}

TEST(NavigationMenus, SaisieDuNom)
{
    BancMenus b;
    CJeuMenus& m = b.menus();
    b.ouvrir("n.mnu", lignesSelectionnables(3), 30);
    m.ligneActive = 1;
    m.bSaisieTerminee = false;
    std::vector<Evenement> texte;
    for (sf::Uint32 c : std::u32string(U"Ab\u00e9_ c-1.2 3xyz\b"))
        texte.push_back({SourceScriptee::texte(c), {}});
    b.image(texte);
    EXPECT_EQ(m.strNouveauJoueur, "Ab c-1.") << "é and _ refused, 8 characters at most, then Backspace";
    const struct {
        sf::Keyboard::Key k;
        bool valider, retour;
    } touches[] = {{K::A, false, false}, {K::Return, true, false}, {K::Escape, false, true}};
    for (const auto& t : touches) {
        b.image({appui(t.k)});
        EXPECT_EQ(m.entreesDerniereImage.bValider, t.valider) << "key " << t.k << " while typing";
        EXPECT_EQ(m.entreesDerniereImage.bRetour, t.retour) << "key " << t.k << " while typing";
    }
    m.strNouveauJoueur.clear();
    b.image({{SourceScriptee::texte(8), {}}});
    m.bSaisieTerminee = true;
    b.image({{SourceScriptee::texte('z'), {}}});
    EXPECT_EQ(m.strNouveauJoueur, "") << "Backspace on nothing; no typing once done";
}

TEST(NavigationMenus, EntrerLesMenus)
{
    BancMenus b;
    CJeuMenus& m = b.menus();
    const std::string fichier = "FOND=;20;10;1;1\nLIGNE=0;0;0;;\nLIGNE=0;40;1;;\n";
    // Players, active index, then lines added and active line expected, for 30 and 33.
    const int joueurs[][4] = {{0, -1, 0, 1}, {3, 1, 3, 3}, {12, 11, 12, 13}, {14, 13, 12, 1}, {14, 2, 12, 4}};
    for (int id : {30, 33})
        for (const auto& j : joueurs) {
            m.joueurs.clear();
            for (int i = 0; i < j[0]; ++i)
                m.joueurs.push_back(i == 0 ? "\xC3\x89mile" : "J" + std::to_string(i));
            m.joueurActif = j[1];
            b.ouvrir("j.mnu", fichier, id);
            EXPECT_EQ(m.nbLignes, 2 + j[2]) << id << " with " << j[0] << " players";
            EXPECT_EQ(m.ligneActive, j[3]) << id << " with " << j[0] << " players, active " << j[1];
        }
    // Menu 33 with 14 players: two columns of six over the background, the second lower.
    EXPECT_EQ(sf::Vector2i(m.lignes[13]->x, m.lignes[13]->y), sf::Vector2i(370, 235)) << "the last of 12 lines";
    EXPECT_EQ(m.lignes[2]->pTexte1->getString(), sf::String(L"\u00c9mile")) << "names are UTF-8";

    ecrireTexte("niveaux/progression.ini", "NIVEAU_COURANT=5\n");
    ecrireTexte("niveaux/niveaux_chrono.ini", "NIV=c;1\nNIV=d;2\n");
    for (int id : {0, 1, 6, 7, 10, 20, 21, 60, 100, 210, 330, 400, 401, 410, 420, 430, 1000}) {
        m.bFermeturePortes = false;
        b.ouvrir("m.mnu", lignesSelectionnables(5), id);
        const bool portes = id == 6 || id == 60 || id == 20 || id == 21 || id == 210 || (id >= 410 && id <= 430);
        EXPECT_TRUE(m.bPortesFermees == portes && m.bFermeturePortes == portes) << id;
        EXPECT_EQ(m.nbLignes, (id >= 410 && id <= 430) || id == 210 ? 4 : 5)
            << id << ": without the killcam, or without a raised flag, its line goes";
    }
    EXPECT_EQ(m.niveauCourant, 5) << "menu 1 reads the progression";
    EXPECT_EQ(m.listeNiveaux, (std::vector<std::string>{"c", "d"})) << "menu 330 reads the chrono list";

    // The language menu points at the language, on a line that exists.
    m.langue = "en_";
    b.ouvrir("m.mnu", lignesSelectionnables(5), 0, "en_");
    EXPECT_EQ(m.ligneActive, 1);
    b.ouvrir("m.mnu", lignesSelectionnables(1), 0, "en_");
    EXPECT_EQ(m.ligneActive, 0) << "a one-line menu 0";
    b.ouvrir("m.mnu", "LIGNE=0;0;1;;\nLIGNE=0;0;0;;\nLIGNE=0;0;1;;\n", -1, "en_");
    m.ligneActive = 2;
    m.entrerMenu(410);
    EXPECT_EQ(m.ligneActive, 0) << "killcam off: the last selectable line left";
    b.jeu.optionKillcam = 30;
    b.ouvrir("m.mnu", lignesSelectionnables(5), 410, "en_");
    EXPECT_EQ(m.nbLignes, 5) << "killcam on: the replay line stays";
}

TEST(NavigationMenus, ToucheMEtBoiteDeMessage)
{
    BancMenus b;
    b.ouvrir("m.mnu", lignesSelectionnables(4), 0);
    CJeuMenus& m = b.menus();
    const int boite = CPLUX::MessageBoxW("Titre", "Texte");
    b.stick(0, 100, MANETTE_A);
    b.image({appui(K::Down)});
    b.stick(0, 100);
    b.image({appui(K::Return)});
    EXPECT_TRUE(m.ligneActive == 0 && m.idMenu == 0) << "nothing moves or validates while a box is open";
    CPLUXTest::frame();
    if (!CPLUX::getMessageBoxes().empty()) {
        ASSERT_TRUE(CPLUXTest::answerMessageBox(boite, 0));
    }
    CPLUXTest::frame();
    ASSERT_TRUE(CPLUX::getMessageBoxes().empty());
    b.stick(0, 0);
    b.image({appui(K::Down)});
    EXPECT_EQ(m.ligneActive, 1) << "answered: the menu has the keys again";

    CVue* vue = new CVue(100, 100);
    b.jeu.pvueMenu = b.jeu.pvue = vue;
    vue->vuemode = 3;
    b.jeu.pdecor->chronoRef = 60;
    b.image({appui(K::M)});
    EXPECT_EQ(b.jeu.mode, 0) << "no development switch: no editor";
    CSFMLJeuGlobal::bModeTest = true;
    b.image({appui(K::M)});
    EXPECT_TRUE(b.jeu.mode == 2 && !b.jeu.bHUDVisible && b.jeu.bCarteJeu);
    EXPECT_TRUE(vue->vuemode == 6 && b.jeu.pdecor->chrono == 60) << "a fixed view, the chrono back";
    EXPECT_EQ(b.jeu.vuemode_save, -1) << "the game level's chosen view mode is not the menu camera's";
}
