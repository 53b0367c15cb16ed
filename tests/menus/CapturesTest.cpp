// Every menu screen drawn in a 1280 x 720 window with the shipped data and small test menus,
// saved as pictures (into $TUV_CAPTURES_MENUS when set) to be looked at; no text may start
// off the screen.
#include "DonneesEcrans.h"

#include "characters/OptionsMulti.h"
#include "characters/Perso.h"

#include <SFML/Graphics/RenderWindow.hpp>

#include <gtest/gtest.h>

#include <cstdlib>

TEST(CapturesMenus, ChaqueEcran)
{
    const char* donnees = std::getenv("TUV_DATA_DIR");
    ASSERT_NE(donnees, nullptr);
    DossierDeTravail d;
    std::filesystem::copy(donnees, ".", std::filesystem::copy_options::recursive);
    ecrans::ecrireIconesEcrans();
    ecrans::ecrireMenusEcrans();
    const char* captures = std::getenv("TUV_CAPTURES_MENUS");
    const std::string dossier = captures ? captures : "captures";
    std::filesystem::create_directories(dossier);

    CPLUXTest::reset();
    CSFMLJeu jeu;
    CSFMLJeuGlobal::pmonjeu = &jeu;
    ASSERT_EQ(jeu.init("jeu.ini"), 0);
    CJeuMenus& m = *jeu.pMenus;
    std::vector<CJeuMenus::TexteDessine> journal;
    m.journalTextes = &journal;
    std::fill(std::begin(jeu.armesFontaine), std::end(jeu.armesFontaine), 1);
    jeu.armesFontaine[4] = 0;
    jeu.pOptionsMulti->optionMenu = 4;
    jeu.pOptionsMulti->reglageJ1 = 3;
    jeu.pOptionsMulti->choixJ2 = 2;
    jeu.tempsNiveau = 58;
    jeu.nbEtoiles = 2;
    jeu.bSansFaute = jeu.bNouveauRecord = true;
    jeu.manchesGagnees[0] = 2;
    jeu.manchesGagnees[1] = 1;
    jeu.paralysie[1] = 2;
    jeu.volumeEffets = 80;
    jeu.volumeMusique = 35;
    m.nomsNiveaux = {"La forêt d'été"};
    m.indexNiveau = 0;
    // Menu, with the typing of a name on (menu 30) and the ones that need the level lists.
    for (int id : {0, 1, 6, 60, 7, 10, 20, 21, 210, 30, 33, 100, 320, 330, 340, 400, 410, 420, 430, 1000}) {
        m.ouvrirMenu(id);
        if (id == 20 || id == 410 || id == 420 || id == 430 || id == 1000) {
            m.nomsNiveaux = {"La forêt d'été"};
            m.indexNiveau = 0;
        }
        if (id == 30) {
            m.ligneActive = 1;
            m.bSaisieTerminee = false;
            m.strNouveauJoueur = "Nina";
        }
        if (id >= 320 && id <= 340)
            m.ligneActive = 2;
        if (id == 410)
            m.gagnant = 0;
        for (int image = 0; image < 70; ++image) {
            journal.clear();
            jeu.fenetre->clear(sf::Color(150, 150, 150));
            m.afficher(jeu.fenetre);
        }
        const std::string fichier = dossier + "/menu" + std::to_string(id) + ".png";
        EXPECT_TRUE(ecran(*jeu.fenetre).saveToFile(fichier)) << fichier;
        EXPECT_FALSE(journal.empty()) << "menu " << id << " shows texts";
        for (const auto& t : journal)
            EXPECT_TRUE(t.position.x >= 0 && t.position.x < 1200 && t.position.y >= 0 && t.position.y < 700)
                << "menu " << id << ": \"" << sf::String(t.chaine).toAnsiString() << "\" at " << t.position.x << ", "
                << t.position.y;
    }
    m.journalTextes = nullptr;
    CSFMLJeuGlobal::pmonjeu = nullptr;
}
