// The menu screen: pixels probed in a 1280 x 720 window and the texts from the log.
#include "OutilsMenus.h"

#include "characters/OptionsMulti.h"
#include "characters/Perso.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

#include <gtest/gtest.h>

namespace {

const sf::Color JAUNE(255, 255, 0), GRIS(90, 90, 90), BLEU(0, 0, 255), VERT(0, 255, 0);
const sf::Color NOIR = sf::Color::Black;

// The menu icons in plain colours (full star yellow, empty star grey, shield blue, clock
// green), the shipped frame of the volume bars, and a window to draw into.
struct BancDessin {
    BancDessin()
    {
        ecrireIcone("niveaux/star.dec", JAUNE);
        ecrireIcone("niveaux/star-vide.dec", GRIS);
        ecrireIcone("niveaux/bouclier.dec", BLEU);
        ecrireIcone("niveaux/temps.dec", VERT);
        ecrireIcone("niveaux/mort.dec", sf::Color(120, 0, 0));
        for (const char* f : {"menus/barre_progression.dec", "menus/barre_progression.png"})
            std::filesystem::copy_file(std::string(std::getenv("TUV_DATA_DIR")) + "/" + f, f);
        b.creerMenus().journalTextes = &journal;
        b.jeu.pOptionsMulti = new COptionsMulti(b.jeu.armesFontaine);
    }
    CJeuMenus& m() { return b.menus(); }
    // Writes and opens menu `id` from its lines.
    void ouvrir(int id, const std::string& contenu)
    {
        ecrireTexte(std::string("menus/fr_") + IdMenu::fichier(id), contenu);
        m().ouvrirMenu(id);
    }
    sf::Image dessiner()
    {
        journal.clear();
        fenetre.clear(NOIR);
        m().afficherMenu(&fenetre);
        return ecran(fenetre);
    }
    const CJeuMenus::TexteDessine* texte(const std::wstring& s) const { return texteDessine(journal, s); }

    BancMenus b;
    std::vector<CJeuMenus::TexteDessine> journal;
    sf::RenderWindow fenetre{sf::VideoMode(1280, 720), "menus", sf::Style::None};
};

// The colour of a translucent fill drawn `fois` times over black.
sf::Color surNoir(sf::Color c, int fois = 1)
{
    float r = 0, g = 0, b = 0;
    const float a = c.a / 255.0f;
    for (int k = 0; k < fois; ++k) {
        r = c.r * a + r * (1 - a);
        g = c.g * a + g * (1 - a);
        b = c.b * a + b * (1 - a);
    }
    return sf::Color(static_cast<sf::Uint8>(r), static_cast<sf::Uint8>(g), static_cast<sf::Uint8>(b));
}

bool proche(sf::Color a, sf::Color b)
{
    return std::abs(a.r - b.r) <= 2 && std::abs(a.g - b.g) <= 2 && std::abs(a.b - b.b) <= 2;
}

std::string lignesImages(int n, int y0)
{
    std::string s = "CURSEUR=./curseur.png\n";
    for (int i = 0; i < n; ++i)
        s += "LIGNE=100;" + std::to_string(y0 + 100 * i) + ";1;./image.png;\n";
    return s;
}

} // namespace

TEST(DessinMenus, CurseurImageActiveEtVerrou)
{
    BancDessin t;
    ecrireImage("curseur.png", 6, 6, sf::Color::Cyan);
    ecrireImage("image.png", 20, 20, sf::Color(255, 128, 0));
    ecrireTexte("niveaux/niveaux_aventure.ini", "NIV=./a/;1\nNIV=./b/;2\nNIV=./c/;3\n");
    ecrireTexte("niveaux/scores_aventure.scr", "SCORE=1;999;---;0;0\nSCORE=0;999;---;0;0\nSCORE=0;999;---;0;0\n");
    t.ouvrir(320, lignesImages(3, 100));
    t.m().ligneActive = 1;
    sf::Image i = t.dessiner();
    // Line 1 at (100, 200): cursor from (100, 197), picture 22 wide from (133, 196).
    EXPECT_TRUE(i.getPixel(101, 198) == sf::Color::Cyan && i.getPixel(101, 196) == NOIR)
        << "the cursor stands 3 pixels above the line";
    EXPECT_TRUE(i.getPixel(154, 217) == sf::Color(255, 128, 0) && i.getPixel(155, 218) == NOIR)
        << "active picture at 1.1 from (x + 33, y - 4)";
    // Line 0 (no record) and line 2 (locked, red at alpha 50), both from (x + 40, y).
    EXPECT_EQ(i.getPixel(141, 101), sf::Color(255, 128, 0)) << "line 0 is never tinted";
    EXPECT_TRUE(proche(i.getPixel(141, 301), sf::Color(50, 0, 0))) << "locked: (255, 0, 0, 50)";
    t.m().scores[1]->bDebloque = true;
    i = t.dessiner();
    EXPECT_EQ(i.getPixel(141, 301), sf::Color(255, 128, 0)) << "unlocked: untinted";
}

// The extras of every line are drawn again before each line, at the same place.
TEST(DessinMenus, BarresDeVolumeEtExtrasAChaqueLigne)
{
    BancDessin t;
    t.b.jeu.volumeEffets = 50;
    t.b.jeu.volumeMusique = 0;
    const sf::Color barre = surNoir(sf::Color(200, 50, 50, 200), 2), cadre(60, 30, 10);  // a bar layer per line
    // Menu, end of the effects bar, its y, where the music bar would start and end (the
    // frame's dark sides) and its middle row.
    const struct {
        int menu, finBarre, yBarre, debutMusique, finMusique, yMusique;
    } cas[] = {{7, 620 + 260, 200, 620, 1139, 257},
               {6, 580 + 130, 356, 580, 839, 382},
               {60, 580 + 130, 366, 580, 839, 392}};
    for (const auto& c : cas) {
        t.ouvrir(c.menu, "LIGNE=10;10;1;;\nLIGNE=10;50;1;;\n");
        const sf::Image i = t.dessiner();
        EXPECT_TRUE(proche(i.getPixel(c.finBarre - 2, c.yBarre), barre)) << "menu " << c.menu << ": factor x 50";
        const unsigned y = c.yMusique;
        EXPECT_TRUE(i.getPixel(c.debutMusique, y) == cadre && i.getPixel(c.finMusique, y) == cadre &&
                    i.getPixel(c.debutMusique - 1, y) == NOIR && i.getPixel(c.finMusique + 1, y) == NOIR)
            << "menu " << c.menu << ": the frame at volume 0 spans the whole bar";
        EXPECT_EQ(i.getPixel(c.debutMusique + 8, y), NOIR) << "menu " << c.menu << ": no bar at 0";
    }
    t.ouvrir(1, "LIGNE=10;10;1;;\nLIGNE=10;50;1;;\nLIGNE=10;90;1;;\n");
    t.dessiner();
    int noms = 0;
    for (const auto& e : t.journal)
        noms += e.chaine == L"(Créez un nouveau joueur...)" && e.position == sf::Vector2f(680, 240);
    EXPECT_EQ(noms, 3) << "the active player's name before each of the three lines";
}

TEST(DessinMenus, MeilleursTempsEtVictoire)
{
    BancDessin t;
    ecrireTexte("niveaux/niveaux_chrono.ini", "NIV=./a/;1\nNIV=./b/;2\nNIV=./c/;3\nNIV=./d/;4\n");
    ecrireTexte("niveaux/scores.scr",
                "SCORE=1;998;Zo;3;1\nSCORE=1;999;Al;3;1\nSCORE=1;50;Bo;0;0\nSCORE=1;-7;Cy;2;0\n");
    std::string lignes = "LIGNE=0;0;0;;Chrono;0;20;200;200;200\n";
    for (int i = 1; i <= 4; ++i)
        lignes += "LIGNE=100;" + std::to_string(100 * i) + ";1;;\n";
    t.ouvrir(330, lignes);
    sf::Image i = t.dessiner();
    EXPECT_TRUE(t.texte(L"998") && t.texte(L"998")->position == sf::Vector2f(335, 128)) << "998 is a best time";
    EXPECT_FALSE(t.texte(L"999") || t.texte(L"(Al)")) << "999 is none";
    EXPECT_TRUE(t.texte(L"0") && t.texte(L"(Cy)")) << "a negative time is drawn as 0";
    // Stars of line k at (x + 216 + 32 (k - 1), y + 61); shield at (x + 296, y + 45).
    auto etoiles = [&](int ligne) {
        std::string r;
        for (int k = 0; k < 3; ++k) {
            const sf::Color c = i.getPixel(316 + 32 * k + 2, 100 * ligne + 63);
            r += c == JAUNE ? 'J' : c == GRIS ? 'G' : '.';
        }
        return r;
    };
    EXPECT_EQ(etoiles(1) + etoiles(2) + etoiles(3) + etoiles(4), "JJJ...GGGJJG") << "3, no time, 0, 2 stars";
    EXPECT_TRUE(i.getPixel(398, 147) == BLEU && i.getPixel(398, 347) == NOIR) << "a shield on line 1 only";

    // Menu 20: title, clock, time, stars earned, shield, record; relative to FOND.
    ecrireImage("f.png", 2, 2, NOIR);
    t.m().nomsNiveaux = {"Été"};
    t.m().listeNiveaux = {"./niveaux/ete/"};
    t.m().indexNiveau = 0;
    t.b.jeu.pdecor->fichierNiveau = "./niveaux/ete/niveau.niv";
    for (bool riche : {true, false}) {
        t.b.jeu.tempsNiveau = 42;
        t.b.jeu.nbEtoiles = riche ? 3 : 0;
        t.b.jeu.bSansFaute = t.b.jeu.bNouveauRecord = riche;
        t.m().langue = riche ? "fr_" : "en_";
        ecrireTexte(std::string("menus/") + (riche ? "fr_" : "en_") + "menu_victoire.mnu",
                    "FOND=./f.png;100;50;0;0\nLIGNE=0;0;1;;\n");
        t.m().ouvrirMenu(20);
        t.m().bPortesFermees = false;
        i = t.dessiner();
        const std::string nom = riche ? "3 stars, shield, record" : "nothing earned";
        EXPECT_TRUE(t.texte(riche ? L"Été terminé avec succès !" : L"Été done!")) << nom;
        EXPECT_TRUE(t.texte(L"42") && t.texte(L"42")->position == sf::Vector2f(202, 125)) << nom;
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(i.getPixel(288 + 32 * k, 133), riche ? JAUNE : NOIR) << nom << " star " << k;
        EXPECT_EQ(i.getPixel(368, 117), riche ? BLEU : NOIR) << nom;
        EXPECT_EQ(t.texte(L"Record battu !") != nullptr, riche) << nom;
    }
}

TEST(DessinMenus, NouveauJoueurEtOptionsMulti)
{
    BancDessin t;
    for (int nb : {10, 11}) {
        t.m().joueurs.assign(static_cast<size_t>(nb), "j");
        t.ouvrir(30, "LIGNE=100;100;1;;\nLIGNE=100;150;1;;\n");
        t.m().ligneActive = 1;
        t.m().bSaisieTerminee = false;
        t.m().strNouveauJoueur = "Zo";
        const sf::Image i = t.dessiner();
        EXPECT_EQ(t.texte(L"Zo") != nullptr, nb == 10) << nb << " players: the name box";
        EXPECT_EQ(t.texte(L"Liste des joueurs pleine...") != nullptr, nb == 11) << nb << " players";
        EXPECT_EQ(i.getPixel(500, 139), nb == 10 ? sf::Color::White : NOIR) << "the box's frame";
    }

    COptionsMulti& o = *t.b.jeu.pOptionsMulti;
    o.nbClones[1] = 1;
    o.optionMenu = 4;
    o.reglageJ1 = 4;
    o.reglageJ2 = 9;  // out of range by hand: drawn as 4
    int* armes = t.b.jeu.armesFontaine;
    std::fill(armes, armes + 9, 1);
    armes[4] = 0;
    std::string lignes;
    for (int l = 0; l <= 12; ++l)
        lignes += "LIGNE=10;" + std::to_string(60 + 50 * l) + ";1;;\n";
    t.ouvrir(400, lignes);
    const sf::Image i = t.dessiner();
    const float yClones = 60 + 50 * 4, yArmes = 60 + 50 * 10;
    EXPECT_FALSE(t.texte(L"2") && t.texte(L"2")->position.y == yClones) << "clone maximum 1: only \"1\"";
    EXPECT_EQ(i.getPixel(934, static_cast<unsigned>(yArmes) + 20), sf::Color::Red) << "cursor on a disabled weapon";
    EXPECT_EQ(i.getPixel(960, static_cast<unsigned>(yArmes) + 20), NOIR) << "a disabled weapon has no square";
    int boutiques = 0;
    for (const auto& e : t.journal)
        boutiques += e.chaine == L"Munitions :  50%" && e.position.x == 1100 && e.taille == 10u;
    EXPECT_EQ(boutiques, 2 * 13) << "hat 4 for both players, the second clamped; before each of the 13 lines";
    EXPECT_TRUE(t.texte(L"Tir à la tête : non") && t.texte(L"non") && t.texte(L"oui")) << "yes/no options in French";
}

TEST(DessinMenus, FinsDeMancheEtIcones)
{
    BancDessin t;
    COptionsMulti& o = *t.b.jeu.pOptionsMulti;
    o.choixJ1 = 2;
    o.choixJ2 = 1;
    o.manches = 3;
    t.b.jeu.manchesGagnees[0] = 4;
    ecrireImage("f.png", 2, 2, NOIR);
    const struct {
        int menu, gagnant;
        const char* langue;
        const wchar_t* titre;
        const char* indice;       // a hint line of the file, UTF-8
        const wchar_t* auClavier;  // as a keyboard player reads it
    } cas[] = {{420, 0, "fr_", L"Partie gagnée par Rorezu !", "~Y : nouvelle partie", L"[Y] : nouvelle partie"},
               {410, 0, "en_", L"Round win by Rorezu!", "~X: watch the end again", L"[X]: watch the end again"},
               {430, -1, "fr_", L"Tout le monde est mort !", "~A ou Entrée ~B", L"[A] ou Entrée [B]"}};
    for (const auto& c : cas) {
        t.m().langue = c.langue;
        t.m().gagnant = c.gagnant;
        // The last line (the replay's) is hidden without the killcam.
        ecrireTexte(std::string("menus/") + c.langue + IdMenu::fichier(c.menu),
                    std::string("FOND=./f.png;100;50;0;0\nLIGNE=0;0;1;;") + c.indice + ";0;18;9;9;9\nLIGNE=0;0;1;;\n");
        t.m().ouvrirMenu(c.menu);
        t.m().bPortesFermees = false;
        const sf::Image i = t.dessiner();
        EXPECT_TRUE(t.texte(c.titre)) << c.menu << " " << c.langue;
        EXPECT_TRUE(t.texte(c.auClavier)) << c.menu << " " << c.langue << ": the hint names the keys";
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(i.getPixel(382 + 34 * k, 138), JAUNE) << "more rounds won than MANCHES: full stars only";
        EXPECT_EQ(i.getPixel(382 + 34 * 2, 166), GRIS) << "player 2: three empty places";
    }
    // In a draw hero 2 faces the other way.
    o.choixJ2 = 2;
    t.m().messageFinPartie(nullptr);
    EXPECT_EQ(t.m().animsVictoire[5].miroir, 1) << "hero 2 on the left in a draw";
    EXPECT_TRUE(t.texte(L"Rorezu (J1) :") && t.texte(L"Rorezu (J2) :")) << "both players on one hero, told apart";
    t.m().idMenu = 410;
    t.m().messageFinPartie(nullptr);
    EXPECT_TRUE(t.m().animsVictoire[4].miroir == 1 && t.m().animsVictoire[5].miroir == 1);

    // The eliminated players' last snapshots, 160 apart around the middle; a character
    // without one leaves its place empty.
    CPerso a, sans, c;
    for (auto [p, couleur] : {std::pair{&a, sf::Color::Red}, std::pair{&c, BLEU}}) {
        sf::Image image;
        image.create(140, 200, couleur);
        p->captures.emplace_back();
        p->captures.emplace_back();
        p->captures.back().texture.loadFromImage(image);
    }
    t.b.jeu.persosMorts = {&a, &sans, &c};
    t.fenetre.clear(NOIR);
    t.b.jeu.dessinerIconesJoueurs(t.fenetre);
    const sf::Image i = ecran(t.fenetre);
    EXPECT_TRUE(i.getPixel(480, 570) == sf::Color::Red && i.getPixel(640, 570) == NOIR && i.getPixel(800, 570) == BLEU);
    EXPECT_EQ(i.getPixel(409, 570), NOIR) << "140 wide, centred on 480";
    t.b.jeu.persosMorts.clear();
}

TEST(DessinMenus, NiveauVivantSeulementAvecFondNiv)
{
    BancDessin t;
    CSFMLJeu& jeu = t.b.jeu;
    CSFMLJeuGlobal::prenderTexture = new sf::RenderTexture();
    CSFMLJeuGlobal::prenderTexture->create(1280, 720);
    CSFMLJeuGlobal::prenderTexture->clear(sf::Color(0, 80, 0));
    CSFMLJeuGlobal::prenderTexture->display();
    jeu.pdecor = jeu.pdecorJeu;
    t.ouvrir(6, "LIGNE=10;10;1;;\n");
    sf::Image i = t.dessiner();
    EXPECT_EQ(i.getPixel(900, 600), sf::Color(0, 80, 0)) << "the last scene shows behind the menu";
    EXPECT_EQ(jeu.pdecorJeu->appels.dessiner, 0) << "the game world is left as it stands";
    t.ouvrir(1, "FONDNIV=./niveaux/fond.niv\nLIGNE=10;10;1;;\n");
    EXPECT_EQ(jeu.pdecor, jeu.pdecorMenu);
    t.dessiner();
    t.dessiner();
    EXPECT_EQ(jeu.pdecorMenu->appels.dessiner, 2) << "the live level plays on behind the menu";

    // Menu 10: the three tabs small, the current one larger.
    t.ouvrir(10, "LIGNE=10;10;0;;A;0;20;1;1;1\nLIGNE=10;40;0;;B;0;20;1;1;1\nLIGNE=10;70;0;;C;0;20;1;1;1\n");
    t.m().ongletInventaire = 1;
    t.dessiner();
    EXPECT_TRUE(t.texte(L"A")->taille == 10u && t.texte(L"B")->taille == 15u && t.texte(L"C")->taille == 10u);
    t.ouvrir(10, "LIGNE=10;10;0;;A;0;20;1;1;1\n");
    t.m().ongletInventaire = 2;
    t.dessiner();  // a shorter file: only the lines it has
}
