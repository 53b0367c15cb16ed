// Menu files: what a ".mnu" file makes of the menu's lines, background, cursor and level names.
#include "OutilsMenus.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>

namespace {

std::string texte(const std::unique_ptr<sf::Text>& t)
{
    if (!t)
        return "<none>";
    const auto u = t->getString().toUtf8();
    return std::string(u.begin(), u.end());
}

// Everything a line shows, in one string, to compare two loads.
std::string resume(const CJeuMenus& m)
{
    std::ostringstream o;
    o << m.nbLignes << " active " << m.ligneActive << "\n";
    for (const auto& l : m.lignes) {
        o << l->x << "," << l->y << " sel " << l->bSelectionnable << " img " << (l->pSprite != nullptr) << " ["
          << texte(l->pTexte1) << "] [" << texte(l->pTexte2) << "] " << int(l->couleur.r) << "/" << int(l->couleur.g)
          << "/" << int(l->couleur.b);
        for (const auto* t : {l->pTexte1.get(), l->pTexte2.get()})
            if (t)
                o << " size " << t->getCharacterSize() << " rgb " << int(t->getFillColor().r) << "/"
                  << int(t->getFillColor().g) << "/" << int(t->getFillColor().b);
        o << "\n";
    }
    return o.str();
}

} // namespace

TEST(FichiersMenu, LignesDeCinqDixEtQuinzeValeurs)
{
    BancMenus b;
    b.ouvrir("m.mnu",
             "# lines of every length\n"
             "LIGNE=10;20;1;;\n"
             "LIGNE=10;60;0;;Un;0;24;10;20;30\n"
             "LIGNE=10;100;1;;Deux;1;20;1;2;3;Trois;2;18;4;5;6\n"
             "LIGNE=10;140;1;;Quatre;0;24;7;8;9;\n"
             "LIGNE=5;5;1;absente.png;;Ignore;0;24;1;1;1");  // no final line end
    CJeuMenus& m = b.menus();
    ASSERT_EQ(m.nbLignes, 5) << "the last line without a line end must be read";
    ASSERT_EQ(m.lignes.size(), 5u);
    EXPECT_EQ(m.ligneActive, 0) << "the first selectable line is the active one";

    const LigneMenu& cinq = *m.lignes[0];
    EXPECT_EQ(cinq.x, 10);
    EXPECT_EQ(cinq.y, 20);
    EXPECT_TRUE(cinq.bSelectionnable);
    EXPECT_FALSE(cinq.pSprite || cinq.pTexte1 || cinq.pTexte2) << "five values: no image, no text";
    EXPECT_EQ(cinq.couleur, sf::Color()) << "no text: opaque black";

    const LigneMenu& dix = *m.lignes[1];
    EXPECT_FALSE(dix.bSelectionnable);
    ASSERT_TRUE(dix.pTexte1);
    EXPECT_EQ(texte(dix.pTexte1), "Un");
    EXPECT_EQ(dix.pTexte1->getFont(), &m.polices[0]);
    EXPECT_EQ(dix.pTexte1->getCharacterSize(), 24u);
    EXPECT_EQ(dix.pTexte1->getFillColor(), sf::Color(10, 20, 30));
    EXPECT_EQ(dix.couleur, sf::Color(10, 20, 30));
    EXPECT_FALSE(dix.pTexte2) << "ten values without a final ';' have exactly one text";

    const LigneMenu& quinze = *m.lignes[2];
    ASSERT_TRUE(quinze.pTexte1 && quinze.pTexte2);
    EXPECT_EQ(texte(quinze.pTexte2), "Trois");
    EXPECT_EQ(quinze.pTexte2->getFont(), &m.polices[2]);
    EXPECT_EQ(quinze.pTexte2->getCharacterSize(), 18u);
    EXPECT_EQ(quinze.pTexte2->getFillColor(), sf::Color(4, 5, 6));
    EXPECT_EQ(quinze.couleur, sf::Color(1, 2, 3)) << "the line's colour is text 1's";

    EXPECT_TRUE(m.lignes[3]->pTexte1);
    EXPECT_FALSE(m.lignes[3]->pTexte2) << "an empty eleventh value means no text 2";

    const LigneMenu& image = *m.lignes[4];
    EXPECT_EQ(image.x, 5);
    EXPECT_TRUE(image.pTexture && image.pSprite) << "a named image makes a sprite, even unreadable";
    EXPECT_EQ(image.pTexture->getSize().x, 0u);
    EXPECT_FALSE(image.pTexte1 || image.pTexte2) << "an empty text 1 ends the line";
}

TEST(FichiersMenu, FondDeplaceLesLignesSuivantesEtSonDecalageSeReporte)
{
    BancMenus b;
    ecrireImage("menus/fond.png", 4, 3, sf::Color::Red);
    b.ouvrir("a.mnu", "LIGNE=1;2;1;;\nFOND=./menus/fond.png;100;50;640;480\nLIGNE=1;2;1;;\n");
    CJeuMenus& m = b.menus();
    ASSERT_EQ(m.nbLignes, 2);
    EXPECT_EQ(m.lignes[0]->x, 1) << "a line before FOND is not moved";
    EXPECT_EQ(m.lignes[1]->x, 101);
    EXPECT_EQ(m.lignes[1]->y, 52);
    ASSERT_TRUE(m.pTextureFond && m.pSpriteFond);
    EXPECT_EQ(m.pTextureFond->getSize(), sf::Vector2u(4, 3)) << "shown at its own size";
    EXPECT_EQ(m.pSpriteFond->getPosition(), sf::Vector2f(100, 50));

    b.ouvrir("b.mnu", "LIGNE=1;2;1;;\n");
    EXPECT_EQ(m.lignes[0]->x, 101) << "the offset carries over to the next menu";
    EXPECT_FALSE(m.pTextureFond || m.pSpriteFond) << "the image does not";

    // A position can be any int: the offset never overflows it.
    b.ouvrir("c.mnu", "FOND=;-100;10;1;1\nLIGNE=-2147483647;2147483647;1;;\n");
    EXPECT_EQ(m.lignes[0]->x, INT_MIN);
    EXPECT_EQ(m.lignes[0]->y, INT_MAX);
}

TEST(FichiersMenu, CurseurEtCouleurActiveSeReportent)
{
    BancMenus b;
    ecrireImage("menus/c.png", 5, 6, sf::Color::Green);
    CJeuMenus& m = b.menus();
    b.ouvrir("a.mnu", "CURSEUR=./menus/c.png\nLIGNEACTIVECOULEUR=1;2;3\n");
    ASSERT_TRUE(m.pTextureCurseur && m.pSpriteCurseur);
    const sf::Texture* curseur = m.pTextureCurseur.get();
    EXPECT_EQ(curseur->getSize(), sf::Vector2u(5, 6));
    EXPECT_TRUE(m.bCurseur);
    EXPECT_EQ(m.couleurLigneActive, sf::Color(1, 2, 3));

    b.ouvrir("b.mnu", "NOCURSEUR=\n");
    EXPECT_FALSE(m.bCurseur);
    EXPECT_EQ(m.pTextureCurseur.get(), curseur) << "NOCURSEUR keeps the image";

    b.ouvrir("c.mnu", "LIGNE=0;0;1;;\n");
    EXPECT_FALSE(m.bCurseur) << "the on/off state of the menu before stands";
    EXPECT_EQ(m.couleurLigneActive, sf::Color(1, 2, 3));

    b.ouvrir("d.mnu", "CURSEUR=./menus/c.png\nLIGNEACTIVECOULEUR=300;-1;256\n");
    EXPECT_TRUE(m.bCurseur);
    EXPECT_EQ(m.couleurLigneActive, sf::Color(44, 255, 0)) << "components are taken modulo 256";
}

TEST(FichiersMenu, NomsDesNiveauxDesTroisMenusDeChoix)
{
    BancMenus b;
    CJeuMenus& m = b.menus();
    const std::string choix = "LIGNE=0;0;0;;Titre;0;20;1;1;1\nLIGNE=0;0;1;;Niv 1;0;20;1;1;1\n"
                              "LIGNE=0;0;1;;\nLIGNE=0;0;1;;\xC3\x89t\xC3\xA9;0;20;1;1;1\n";
    const std::vector<std::string> attendus = {"Niv 1", "", "\xC3\x89t\xC3\xA9"};
    for (const char* nom : {"menu320_choixniveau_aventure.mnu", "menu330_choixniveau_chrono.mnu",
                            "menu340_choixniveau_multi.mnu"}) {
        m.nomsNiveaux = {"ancien"};
        b.ouvrir(nom, choix);
        EXPECT_EQ(m.nomsNiveaux, attendus) << nom << ": the selectable lines' text 1, in file order";
    }
    b.ouvrir("menu1.mnu", choix);
    b.ouvrir("menu_choixniveau.mnu", choix);
    EXPECT_EQ(m.nomsNiveaux, attendus) << "other menus keep the names";
}

TEST(FichiersMenu, FondNivNeRechargeQueSurUneAutreValeur)
{
    BancMenus b;
    CJeuMenus& m = b.menus();
    CDecor& menu = *b.jeu.pdecorMenu;
    CDecor& jeu = *b.jeu.pdecorJeu;
    // Value of FONDNIV, then the loads expected so far and the file last loaded.
    const struct {
        const char* valeur;
        int chargements;
        const char* dernier;
    } cas[] = {
        {"./niveaux/menu.niv", 1, "./niveaux/menu.niv"},
        {"./niveaux/menu.niv", 1, "./niveaux/menu.niv"},   // the same: the level runs on
        {"./niveaux/menu.niv2", 1, "./niveaux/menu.niv"},  // extends it: runs on
        {"./niveaux/autre.niv", 2, "./niveaux/autre.niv"},
        {"./niveaux/aut", 3, "./niveaux/aut"},  // shorter: another level
    };
    b.ouvrir("f.mnu", "FOND=;30;40;1;1\n");
    for (const auto& c : cas) {
        b.jeu.pdecor = &jeu;
        b.ouvrir("f.mnu", std::string("FONDNIV=") + c.valeur + "\nLIGNE=1;2;1;;\n");
        EXPECT_EQ(b.jeu.pdecor, &menu) << c.valeur << ": the menu world is the active one";
        EXPECT_EQ(menu.appels.chargerNiveau, c.chargements) << c.valeur;
        EXPECT_EQ(menu.appels.fichierCharge, c.dernier) << c.valeur;
        EXPECT_EQ(menu.appels.numeroCharge, 1) << c.valeur;
        EXPECT_EQ(m.lignes[0]->x, 1) << c.valeur << ": FONDNIV sets the offset to 0";
    }
    EXPECT_EQ(m.strFondNiv, "./niveaux/aut");
    EXPECT_EQ(jeu.appels.chargerNiveau, 0) << "the game world is never loaded by a menu";
}

TEST(FichiersMenu, FichierIlisibleDonneUnMenuVide)
{
    BancMenus b;
    ecrireImage("menus/f.png", 2, 2, sf::Color::Blue);
    CJeuMenus& m = b.menus();
    b.ouvrir("a.mnu", "CURSEUR=./menus/f.png\nFOND=./menus/f.png;1;1;1;1\n" + lignesSelectionnables(3));
    m.bRevoirKillcam = true;
    m.indexKillcam = 4;
    std::filesystem::create_directories("menus/fr_dossier.mnu");
    for (const char* nom : {"absent.mnu", "dossier.mnu"}) {
        m.chargerMenu("./menus/", nom);
        EXPECT_EQ(m.nbLignes, 0) << nom;
        EXPECT_TRUE(m.lignes.empty()) << nom;
        EXPECT_EQ(m.ligneActive, -1) << nom;
        EXPECT_FALSE(m.pSpriteFond) << nom;
        EXPECT_TRUE(m.pSpriteCurseur) << nom << ": the cursor stays";
        EXPECT_FALSE(m.bRevoirKillcam) << nom << ": any load stops the replay";
        EXPECT_EQ(m.indexKillcam, -1) << nom;
    }
    b.ouvrir("b.mnu", "LIGNE=0;0;0;;Titre;0;20;1;1;1\n");
    EXPECT_EQ(m.ligneActive, -1) << "no selectable line";
}

TEST(FichiersMenu, IndexDePoliceTaillesEtCouleursHorsLimites)
{
    BancMenus b;
    CJeuMenus& m = b.menus();
    b.ouvrir("p.mnu",
             "LIGNE=0;0;1;;A;-1;20;1;2;3\n"
             "LIGNE=0;0;1;;B;3;20;1;2;3\n"
             "LIGNE=0;0;1;;C;9;20;1;2;3\n"
             "LIGNE=0;0;1;;D;10;20;1;2;3;E;0;20;1;1;1\n"
             "LIGNE=0;0;1;;F;0;20;300;-1;256\n"
             "LIGNE=0;0;1;;G;0;0;1;1;1\n"
             "LIGNE=0;0;1;;H;0;-3;1;1;1\n"
             "LIGNE=0;0;1;;I;0;5000;1;1;1\n");
    ASSERT_EQ(m.nbLignes, 8);
    EXPECT_FALSE(m.lignes[0]->pTexte1) << "font -1: no text";
    EXPECT_EQ(m.lignes[0]->couleur, sf::Color(1, 2, 3)) << "the line keeps its other values";
    ASSERT_TRUE(m.lignes[1]->pTexte1);
    EXPECT_EQ(m.lignes[1]->pTexte1->getFont(), &m.polices[3]) << "fonts 3-9 exist, empty";
    ASSERT_TRUE(m.lignes[2]->pTexte1);
    EXPECT_EQ(m.lignes[2]->pTexte1->getFont(), &m.polices[9]);
    EXPECT_FALSE(m.lignes[3]->pTexte1) << "font 10: no text";
    EXPECT_EQ(texte(m.lignes[3]->pTexte2), "E") << "text 2 is still read";
    ASSERT_TRUE(m.lignes[4]->pTexte1);
    EXPECT_EQ(m.lignes[4]->pTexte1->getFillColor(), sf::Color(44, 255, 0));
    EXPECT_FALSE(m.lignes[5]->pTexte1) << "size 0: no text";
    EXPECT_FALSE(m.lignes[6]->pTexte1) << "negative size: no text";
    ASSERT_TRUE(m.lignes[7]->pTexte1);
    EXPECT_EQ(m.lignes[7]->pTexte1->getCharacterSize(), 1000u);
}

TEST(FichiersMenu, CrLfEtBomSeLisentCommeLf)
{
    BancMenus b;
    ecrireImage("menus/f.png", 2, 2, sf::Color::Blue);
    const std::string lf = "# menu\nFOND=./menus/f.png;10;20;1;1\n\nLIGNE=1;2;1;;Un;0;20;1;2;3\n"
                           "LIGNE=1;2;1;;\xC3\x89t\xC3\xA9;1;22;4;5;6;Deux;2;18;7;8;9\nLIGNE=1;2;0;;\n"
                           "LIGNE=1;2;1;;Dix;0;24;7;8;9\n";
    std::string crlf = "\xEF\xBB\xBF";
    for (char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    b.ouvrir("lf.mnu", lf);
    const std::string attendu = resume(b.menus());
    b.ouvrir("crlf.mnu", crlf);
    EXPECT_EQ(resume(b.menus()), attendu);
    EXPECT_EQ(attendu.find('\r'), std::string::npos) << attendu;
    EXPECT_NE(attendu.find("[Dix] [<none>]"), std::string::npos) << "a CR does not make a text 2: " << attendu;
}

// Hostile files load without a crash: garbage, a text of 300 kB, a line of 5,000 values.
TEST(FichiersMenu, FichiersHostiles)
{
    BancMenus b;
    CJeuMenus& m = b.menus();
    std::string dechets;
    for (int i = 0; i < 20000; ++i)
        dechets += static_cast<char>((i * 7919) % 256);
    b.ouvrir("d.mnu", dechets);
    EXPECT_LE(m.nbLignes, static_cast<int>(m.lignes.size()));
    b.ouvrir("t.mnu", "LIGNE=0;0;1;;" + std::string(300000, 'x') + ";0;20;1;1;1\n");
    ASSERT_EQ(m.nbLignes, 1);
    ASSERT_TRUE(m.lignes[0]->pTexte1);
    EXPECT_EQ(m.lignes[0]->pTexte1->getString().getSize(), 300000u);
    std::string longue = "LIGNE=1;2;1;;T;0;20;1;1;1;U;0;20;1;1;1";
    for (int i = 0; i < 5000; ++i)
        longue += ";" + std::to_string(i);
    b.ouvrir("l.mnu", longue + "\nLIGNE=3;4;1;;\n");
    ASSERT_EQ(m.nbLignes, 2);
    EXPECT_EQ(texte(m.lignes[0]->pTexte2), "U");
    EXPECT_EQ(m.lignes[1]->x, 3);
}
