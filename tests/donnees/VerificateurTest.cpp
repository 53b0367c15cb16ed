// The checker catches each kind of fault it is there for, with a message that says where:
// one small data folder per fault, the fault's message expected among those it gives.
#include "donnees/Verificateur.h"
#include "support/Outils.h"

#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

namespace {

struct Cas {
    const char* nom;
    std::map<std::string, std::string> fichiers;  // path in the folder, content
    std::function<void(donnees::Verificateur&)> regle;
    const char* message;  // expected in one of the faults
};

void ecrire(const DossierTemp& d, const std::string& chemin, const std::string& contenu)
{
    std::filesystem::create_directories(std::filesystem::path(d / chemin).parent_path());
    ecrireTexte(d / chemin, contenu);
}

const std::string SD_SIMPLE = "SD=ROC;0;0;2;0;0;0;0;1;1;1;1;0;0;0;0;0;0;0\n";

} // namespace

TEST(Verificateur, ChaqueFauteDonneSonMessage)
{
    const Cas cas[] = {
        {"missing image", {{"menus/fr_a.mnu", "FOND=./menus/absent.png;0;0;1;1\n"}},
         [](auto& v) { v.verifierMenu("menus/fr_a.mnu"); }, "menus/fr_a.mnu: 1: FOND: missing file ./menus/absent.png"},
        {"name of another case", {{"menus/fr_a.mnu", "\nCURSEUR=./Menus/c.png\n"}, {"menus/c.png", "x"}},
         [](auto& v) { v.verifierMenu("menus/fr_a.mnu"); }, "menus/fr_a.mnu: 2: CURSEUR: missing file ./Menus/c.png"},
        {"unknown key", {{"menus/fr_a.mnu", "LIGNEX=1\n"}}, [](auto& v) { v.verifierMenu("menus/fr_a.mnu"); },
         "menus/fr_a.mnu: 1: unknown key LIGNEX"},
        {"values missing", {{"menus/fr_a.mnu", "LIGNE=1;2;3\n"}}, [](auto& v) { v.verifierMenu("menus/fr_a.mnu"); },
         "LIGNE: 3 values, expected 5, 10, 11 or 16"},
        {"font of no slot", {{"menus/fr_a.mnu", "LIGNE=1;2;1;;t;3;20;1;2;3\n"}},
         [](auto& v) { v.verifierMenu("menus/fr_a.mnu"); }, "LIGNE: font 3 outside 0-2"},
        {"seesaw without its values",
         {{"n.niv", "TEXTURE_DEC=./roc.dec;ROC\nSD=ROC;0;0;2;0;0;0;0;1;1;1;1;1;0;0;0;0;0;0\n"}, {"roc.dec", "ID=ROC\n"}},
         [](auto& v) { v.verifierNiveau("n.niv"); }, "n.niv: 2: SD: 19 values, its flags ask for 27"},
        {"model not declared", {{"n.niv", SD_SIMPLE}}, [](auto& v) { v.verifierNiveau("n.niv"); },
         "n.niv: 1: SD: model ROC is not declared by the level"},
        {"definition of another ID", {{"n.niv", "TEXTURE_DEC=./roc.dec;ROC\n"}, {"roc.dec", "ID=PIERRE\n"}},
         [](auto& v) { v.verifierNiveau("n.niv"); }, "TEXTURE_DEC: ./roc.dec has not the ID ROC"},
        {"unknown command", {{"s.scp", "# x\nPAUSE(3)\nFOO(1)\n"}}, [](auto& v) { v.verifierScript("s.scp"); },
         "s.scp: 3: keyword FOO is not known to the script engine"},
        {"arguments of a command", {{"s.scp", "PAUSE(1;2)\n"}}, [](auto& v) { v.verifierScript("s.scp"); },
         "s.scp: 1: PAUSE: 2 arguments, expected 1"},
        {"short weapon list", {{"armes.arm", "ARME=A;a;1;1;1;1\nARME=B;b;1;1;1;1\n"}},
         [](auto& v) { v.verifierArmes("armes.arm"); }, "armes.arm: 0: 2 weapons, at least 22 expected"},
        {"shader missing", {{"d.dec", "ID=D\nSHADERSD=vague.frag;1;t;float;0;1;;0\n"}},
         [](auto& v) { v.verifierDefinition("d.dec"); }, "d.dec: 2: SHADERSD: missing shader ./shaders/vague.frag"},
        {"sound never declared", {{"d.dec", "ID=D\nPLAYSON=GRONDEMENT;0;0\n"}},
         [](auto& v) {
             v.verifierDefinition("d.dec");
             v.verifierSons();
         },
         "the sound GRONDEMENT played by d.dec is not declared"},
        {"level line over a hint",
         {{"menus/en_menu330_choixniveau_chrono.mnu", "LIGNE=40;20;0;;T;1;40;1;1;1\nLIGNE=40;510;1;;A;0;17;1;1;1\n"
                                                      "LIGNE=40;75;0;;Rules;2;16;1;1;1\nLIGNE=40;590;0;;Keys;2;16;1;1;1\n"}},
         [](auto& v) { v.verifierListesEtMenus(); },
         "menus/en_menu330_choixniveau_chrono.mnu: 2: LIGNE: a level line at y 510 runs into line 4 at y 590"},
    };
    for (const Cas& c : cas) {
        DossierTemp d;
        for (const auto& [chemin, contenu] : c.fichiers)
            ecrire(d, chemin, contenu);
        donnees::Verificateur v(d.str());
        c.regle(v);
        std::string liste;
        bool trouve = false;
        for (const std::string& e : v.erreurs()) {
            liste += "\n  " + e;
            trouve |= e.find(c.message) != std::string::npos;
        }
        EXPECT_TRUE(trouve) << c.nom << ": expected \"" << c.message << "\" among:" << liste;
    }
}

// A mask may hold only the three colours of the collisions, and clear pixels.
TEST(Verificateur, MasquesDesTroisCouleurs)
{
    DossierTemp d;
    sf::Image masque;
    masque.create(4, 4, sf::Color::Transparent);
    masque.setPixel(0, 0, sf::Color(0, 255, 0));
    masque.setPixel(1, 0, sf::Color(0, 0, 255));
    masque.setPixel(2, 0, sf::Color(255, 0, 0));
    ASSERT_TRUE(masque.saveToFile(d / "bon.png"));
    masque.setPixel(3, 2, sf::Color(0, 250, 0));
    ASSERT_TRUE(masque.saveToFile(d / "mauvais.png"));
    donnees::Verificateur v(d.str());
    v.verifierMasque("./bon.png", "x.dec", 3);
    EXPECT_TRUE(v.erreurs().empty()) << v.erreurs().front();
    v.verifierMasque("./mauvais.png", "x.dec", 3);
    ASSERT_EQ(v.erreurs().size(), 1u);
    EXPECT_EQ(v.erreurs()[0], "x.dec: 3: mask ./mauvais.png has the colour (0, 250, 0, 255) at 3, 2");
}

// The selectable lines of a level-choice menu are lines 1 to n, one per level of its list; the
// lists whose levels open one after the other say so in a line that cannot be chosen.
TEST(Verificateur, MenusDeChoixEtListes)
{
    DossierTemp d;
    ecrire(d, "niveaux/niveaux_aventure.ini", "NIV=./niveaux/a/;1\nNIV=./niveaux/b/;2\n");
    ecrire(d, "niveaux/niveaux_chrono.ini", "NIV=./niveaux/a/;1\n");
    ecrire(d, "niveaux/a/niveau.niv", "");
    const std::string deux = "LIGNE=0;0;0;;Titre;0;20;1;1;1\nLIGNE=0;0;1;;A;0;20;1;1;1\nLIGNE=0;100;1;;B;0;20;1;1;1\n"
                             "LIGNE=0;190;0;;~A jouer   Un niveau s'ouvre quand le précédent est gagné.;2;16;1;1;1\n";
    ecrire(d, "menus/fr_menu320_choixniveau_aventure.mnu", deux);
    ecrire(d, "menus/en_menu320_choixniveau_aventure.mnu", "LIGNE=0;0;1;;A;0;20;1;1;1\n"
                                                          "LIGNE=0;0;0;;A level opens once the one before is won.;2;16;1;1;1\n");
    const std::string un = "LIGNE=0;0;0;;Titre;0;20;1;1;1\nLIGNE=0;0;1;;A;0;20;1;1;1\n";
    ecrire(d, "menus/fr_menu330_choixniveau_chrono.mnu", un + "LIGNE=0;0;0;;~A jouer;2;16;1;1;1\n");
    // Said only by a line that can be chosen: said nowhere.
    ecrire(d, "menus/en_menu330_choixniveau_chrono.mnu", un + "LIGNE=0;0;1;;A level opens once the one before is won.;0;20;1;1;1\n");
    donnees::Verificateur v(d.str());
    v.verifierListesEtMenus();
    std::string liste;
    for (const std::string& e : v.erreurs())
        liste += "\n  " + e;
    EXPECT_NE(liste.find("niveaux/niveaux_aventure.ini: 2: NIV: no level file ./niveaux/b/niveau.niv"), std::string::npos)
        << liste;
    EXPECT_NE(liste.find("menus/en_menu320_choixniveau_aventure.mnu: 0: its selectable lines"), std::string::npos) << liste;
    EXPECT_EQ(liste.find("fr_menu320"), std::string::npos) << "the French menu matches its list:" << liste;
    EXPECT_EQ(liste.find("en_menu320_choixniveau_aventure.mnu: 0: no line"), std::string::npos) << liste;
    EXPECT_NE(liste.find("menus/fr_menu330_choixniveau_chrono.mnu: 0: no line says \"Un niveau s'ouvre quand le "
                         "précédent est gagné.\""),
              std::string::npos)
        << liste;
    EXPECT_NE(liste.find("menus/en_menu330_choixniveau_chrono.mnu: 0: no line says"), std::string::npos) << liste;
    EXPECT_EQ(liste.find("menu340"), std::string::npos) << "the two-player levels are all open:" << liste;
}
