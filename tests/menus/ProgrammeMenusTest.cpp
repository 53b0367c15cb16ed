// The program in process on a copy of data/: its window, its real menus and the scripted
// keys of a player who picks English, goes back twice and leaves.
#include "OutilsMenus.h"

#include "gui/CPLUX.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

std::string sortieCommande(const std::string& commande)
{
    std::string sortie;
    if (FILE* f = ::popen(commande.c_str(), "r")) {
        char tampon[256];
        while (std::fgets(tampon, sizeof tampon, f))
            sortie += tampon;
        ::pclose(f);
    }
    return sortie;
}

} // namespace

TEST(ProgrammeMenus, AnglaisPuisRetoursJusquALaSortie)
{
    const char* donnees = std::getenv("TUV_DATA_DIR");
    ASSERT_NE(donnees, nullptr);
    DossierDeTravail d;
    std::filesystem::copy(donnees, ".", std::filesystem::copy_options::recursive);
    ASSERT_TRUE(std::filesystem::exists(".gitignore")) << "data/ lists the files the game writes";
    // A repository of the copy, to see that playing leaves the tracked files as they were.
    const bool git = std::system("git init -q . && git add -A && git -c user.name=t -c user.email=t@t "
                                 "commit -q -m copie >/dev/null 2>&1") == 0;

    CPLUXTest::reset();
    CSFMLJeu jeu;
    faceJeu::installer(jeu.facettes());
    ASSERT_EQ(jeu.init("jeu.ini"), 0);
    ASSERT_TRUE(jeu.pMenus && jeu.fenetre);
    EXPECT_EQ(jeu.pMenus->idMenu, 0);
    EXPECT_EQ(jeu.pMenus->ligneActive, 0) << "no langue.ini: French";

    auto s = std::make_unique<SourceScriptee>(jeu.fenetre);
    SourceScriptee& source = *s;
    jeu.pSourceEntrees = std::move(s);
    source.ajouterImage();
    for (auto k : {sf::Keyboard::Down, sf::Keyboard::Return, sf::Keyboard::Escape, sf::Keyboard::Escape}) {
        source.ajouterImage(appui(k).first, {k});
        source.ajouterImage(relache(k).first, {});
    }
    ASSERT_TRUE(jeu.etape());
    const std::string capture = jeu.capturerEcran();
    ASSERT_FALSE(capture.empty());
    std::vector<int> menus;
    for (int i = 0; i < 20 && jeu.etape(); ++i)
        menus.push_back(jeu.pMenus->idMenu);
    EXPECT_FALSE(jeu.fenetre->isOpen()) << "back on menu 0 closes the window";
    EXPECT_TRUE(source.bFermee);
    EXPECT_EQ(menus, (std::vector<int>{0, 0, 1, 1, 0, 0})) << "Down, Return, back, back";
    EXPECT_EQ(lireTexte("langue.ini"), "LANGUE=en_\n");

    // Menu 0 as it was first drawn: the live level's sky behind it, the panel's gold frame.
    sf::Image image;
    ASSERT_TRUE(image.loadFromFile(capture));
    const sf::Color ciel = image.getPixel(10, 10);
    EXPECT_GT(ciel.b, ciel.r + 50) << "the meadow's sky of the menus' level";
    const sf::Color cadre = image.getPixel(341, 300);
    EXPECT_GT(cadre.r, 200) << "the panel of fond_menu.png at (340, 80)";
    EXPECT_GT(cadre.g, 150);

    if (git) {
        EXPECT_EQ(sortieCommande("git status --porcelain"), "") << "what the game wrote is ignored by git";
    }
}
