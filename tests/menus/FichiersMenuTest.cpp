// Menu files: what a ".mnu" file makes of the lines, background, cursor and level names.
#include "OutilsMenus.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// The lines as text: "x,y", "sel", "img", each text as [string font size r/g/b] or "-",
// then the line's colour.
std::vector<std::string> decrire(const CJeuMenus& m)
{
    std::vector<std::string> r;
    for (int i = 0; i < m.nbLignes; ++i) {
        const LigneMenu& l = *m.lignes[i];
        std::ostringstream o;
        o << l.x << "," << l.y << (l.bSelectionnable ? " sel" : "") << (l.pSprite ? " img" : "");
        for (const sf::Text* t : {l.pTexte1.get(), l.pTexte2.get()}) {
            if (!t) {
                o << " -";
                continue;
            }
            const auto u = t->getString().toUtf8();
            const sf::Color c = t->getFillColor();
            o << " [" << std::string(u.begin(), u.end()).substr(0, 12) << " " << (t->getFont() - m.polices) << " "
              << t->getCharacterSize() << " " << +c.r << "/" << +c.g << "/" << +c.b << "]";
        }
        o << " " << +l.couleur.r << "/" << +l.couleur.g << "/" << +l.couleur.b;
        r.push_back(o.str());
    }
    return r;
}

} // namespace

TEST(FichiersMenu, LignesTextesPolicesEtCouleurs)
{
    BancMenus b;
    b.ouvrir("m.mnu", "# lines of 5, 10 and 15 values, then values out of range\n"
                      "LIGNE=10;20;0;;\n"
                      "LIGNE=10;60;1;;Un;0;24;10;20;3\n"
                      "LIGNE=1;2;1;;Deux;1;20;1;2;3;Trois;2;18;4;5;6\n"
                      "LIGNE=1;2;0;;Quatre;0;24;7;8;9;\n"
                      "LIGNE=5;5;1;absente.png;;Ignore;0;24;1;1;1\n"
                      "LIGNE=0;0;1;;A;-1;20;1;2;3\nLIGNE=0;0;1;;B;3;20;1;2;3\nLIGNE=0;0;1;;C;9;0;1;1;1\n"
                      "LIGNE=0;0;1;;D;10;20;1;2;3;E;0;-3;1;1;1\nLIGNE=0;0;1;;F;0;5000;300;-1;256\n"
                      "LIGNE=-3;4;1;;" + std::string(300000, 'x') + ";0;20;1;1;1");  // no final line end
    const std::vector<std::string> attendu = {
        "10,20 - - 0/0/0",  // five values: no text, opaque black
        "10,60 sel [Un 0 24 10/20/3] - 10/20/3",  // ten values, no final ";": one text
        "1,2 sel [Deux 1 20 1/2/3] [Trois 2 18 4/5/6] 1/2/3",
        "1,2 [Quatre 0 24 7/8/9] - 7/8/9",  // an empty eleventh value: no text 2
        "5,5 sel img - - 0/0/0",            // an empty text 1 ends the line
        "0,0 sel - - 1/2/3",                // font -1: no text, the line keeps its colour
        "0,0 sel [B 3 20 1/2/3] - 1/2/3",   // fonts 3-9 exist, empty
        "0,0 sel - - 1/1/1",                // size 0: no text
        "0,0 sel - - 1/2/3",                // font 10 and size -3: neither text
        "0,0 sel [F 0 1000 44/255/0] - 44/255/0",  // size held to 1000, colours modulo 256
        "-3,4 sel [xxxxxxxxxxxx 0 20 1/1/1] - 1/1/1",
    };
    EXPECT_EQ(decrire(b.menus()), attendu);
    EXPECT_EQ(b.menus().ligneActive, 1) << "the first selectable line";
    EXPECT_EQ(b.menus().lignes[10]->pTexte1->getString().getSize(), 300000u);

    // The same menu in CR LF with a BOM, and a line of 5,000 values.
    std::string crlf = "\xEF\xBB\xBF";
    for (char c : lireTexte("menus/fr_m.mnu"))
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    b.ouvrir("crlf.mnu", crlf);
    EXPECT_EQ(decrire(b.menus()), attendu);
    std::string longue = "LIGNE=1;2;1;;T;0;20;1;1;1;U;0;20;1;1;1";
    for (int i = 0; i < 5000; ++i)
        longue += ";" + std::to_string(i);
    b.ouvrir("l.mnu", longue + "\nLIGNE=3;4;1;;\n");
    EXPECT_EQ(decrire(b.menus()), (std::vector<std::string>{"1,2 sel [T 0 20 1/1/1] [U 0 20 1/1/1] 1/1/1",
                                                             "3,4 sel - - 0/0/0"}));
}

TEST(FichiersMenu, FondCurseurEtCeQuiSeReporte)
{
    BancMenus b;
    ecrireImage("menus/f.png", 4, 3, sf::Color::Red);
    CJeuMenus& m = b.menus();
    b.ouvrir("a.mnu", "LIGNE=1;2;1;;\nFOND=./menus/f.png;100;50;640;480\nLIGNE=1;2;1;;\n"
                      "CURSEUR=./menus/f.png\nLIGNEACTIVECOULEUR=1;2;3\n");
    EXPECT_EQ(decrire(m), (std::vector<std::string>{"1,2 sel - - 0/0/0", "101,52 sel - - 0/0/0"}))
        << "FOND moves the lines after it";
    ASSERT_TRUE(m.pSpriteFond && m.pSpriteCurseur);
    EXPECT_EQ(m.pTextureFond->getSize(), sf::Vector2u(4, 3)) << "shown at its own size";
    EXPECT_EQ(m.pSpriteFond->getPosition(), sf::Vector2f(100, 50));
    const sf::Texture* curseur = m.pTextureCurseur.get();

    b.ouvrir("b.mnu", "NOCURSEUR=\nLIGNE=1;2;1;;\n");
    EXPECT_EQ(decrire(m), (std::vector<std::string>{"101,52 sel - - 0/0/0"})) << "the offset carries over";
    EXPECT_FALSE(m.pSpriteFond) << "the background does not";
    EXPECT_FALSE(m.bCurseur);
    EXPECT_EQ(m.pTextureCurseur.get(), curseur) << "NOCURSEUR keeps the image";
    b.ouvrir("c.mnu", "FOND=;2147483647;-100;1;1\nLIGNE=2147483647;-2147483648;1;;\n");
    EXPECT_FALSE(m.bCurseur) << "a menu without cursor keys keeps the state of the one before";
    EXPECT_EQ(m.couleurLigneActive, sf::Color(1, 2, 3));
    EXPECT_EQ(m.fondX, 1000000) << "the offset, added to the extras' places, is held";
    EXPECT_EQ(decrire(m), (std::vector<std::string>{"2000000,-1000100 sel - - 0/0/0"}))
        << "numbers held to 1,000,000 either way: their sums never overflow";
    b.ouvrir("d.mnu", "CURSEUR=./menus/f.png\nLIGNEACTIVECOULEUR=300;-1;256\n");
    EXPECT_TRUE(m.bCurseur);
    EXPECT_EQ(m.couleurLigneActive, sf::Color(44, 255, 0));

    // Unreadable files give an empty menu; the cursor stays; any load stops the replay.
    std::filesystem::create_directories("menus/fr_dossier.mnu");
    for (const char* nom : {"absent.mnu", "dossier.mnu"}) {
        m.bRevoirKillcam = true;
        m.indexKillcam = 4;
        m.chargerMenu("./menus/", nom);
        EXPECT_TRUE(m.nbLignes == 0 && m.lignes.empty() && m.ligneActive == -1 && !m.pSpriteFond) << nom;
        EXPECT_TRUE(m.pSpriteCurseur && !m.bRevoirKillcam && m.indexKillcam == -1) << nom;
    }
}

TEST(FichiersMenu, NomsDesNiveaux)
{
    BancMenus b;
    CJeuMenus& m = b.menus();
    const std::string choix = "LIGNE=0;0;0;;Titre;0;20;1;1;1\nLIGNE=0;0;1;;Niv 1;0;20;1;1;1\nLIGNE=0;0;1;;\n"
                              "LIGNE=0;0;1;;\xC3\x89t\xC3\xA9;0;20;1;1;1\n";
    const std::vector<std::string> attendus = {"Niv 1", "", "\xC3\x89t\xC3\xA9"};
    for (const char* nom : {"menu320_choixniveau_aventure.mnu", "menu330_choixniveau_chrono.mnu",
                            "menu340_choixniveau_multi.mnu"}) {
        m.nomsNiveaux = {"ancien"};
        b.ouvrir(nom, choix);
        EXPECT_EQ(m.nomsNiveaux, attendus) << nom << ": text 1 of the selectable lines";
    }
    b.ouvrir("menu1.mnu", "LIGNE=0;0;1;;Autre;0;20;1;1;1\n");
    EXPECT_EQ(m.nomsNiveaux, attendus) << "other menus keep the names";
}

TEST(FichiersMenu, FondNivNeRechargeQueSurUneAutreValeur)
{
    BancMenus b;
    CJeuMenus& m = b.menus();
    CDecor& menu = *b.jeu.pdecorMenu;
    const struct {
        const char* valeur;
        int chargements;
        const char* dernier;
    } cas[] = {
        {"./niveaux/menu.niv", 1, "./niveaux/menu.niv"},
        {"./niveaux/menu.niv", 1, "./niveaux/menu.niv"},   // the same: the level runs on
        {"./niveaux/menu.niv2", 1, "./niveaux/menu.niv"},  // it extends the old one: runs on
        {"./niveaux/autre.niv", 2, "./niveaux/autre.niv"},
        {"./niveaux/aut", 3, "./niveaux/aut"},  // shorter: another level
    };
    b.ouvrir("f.mnu", "FOND=;30;40;1;1\n");
    for (const auto& c : cas) {
        b.jeu.pdecor = b.jeu.pdecorJeu;
        b.ouvrir("f.mnu", std::string("FONDNIV=") + c.valeur + "\nLIGNE=1;2;1;;\n");
        EXPECT_EQ(b.jeu.pdecor, &menu) << c.valeur << ": the menu world becomes the active one";
        EXPECT_EQ(menu.appels.chargerNiveau, c.chargements) << c.valeur;
        EXPECT_EQ(menu.appels.fichierCharge, c.dernier) << c.valeur;
        EXPECT_EQ(menu.appels.numeroCharge, 1) << c.valeur;
        EXPECT_EQ(m.lignes[0]->x, 1) << c.valeur << ": FONDNIV sets the offset to 0";
    }
    EXPECT_EQ(b.jeu.pdecorJeu->appels.chargerNiveau, 0);
}
