// The editor on the shipped workshop level, in a copy of data/: the game started with the
// development switch opens it, a scripted Ctrl+click selects a box, a right click copies it,
// the editor's save key writes a file that loads back and saves to the same bytes, and does
// nothing behind the animation editor. The shipped levels are in the writer's exact form.
#include "characters/Perso.h"
#include "core/Globals.h"
#include "core/Sprite.h"
#include "editor/Editeur.h"
#include "editor/SFMLJeuChoix.h"
#include "game/Jeu.h"
#include "game/JeuBarreOutils.h"
#include "level/MenuImage.h"
#include "level/Vue.h"
#include "gui/CPLUXTest.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "OutilsJeu.h"
#include "support/PiloteJeu.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(EditeurAtelier, OuvrirChoisirCopierSauver)
{
    DossierDeTravail d;
    std::filesystem::copy(TUV_DATA_DIR_SOURCE, ".", std::filesystem::copy_options::recursive);
    ecrireTexte("jeu.ini", lireTexte("jeu.ini") + "EDITEUR=./niveaux/atelier.niv\n");
    CSFMLJeuGlobal::bModeTest = true;
    EtatSouris souris;
    SourisJeu::lire = [&souris](const sf::Window&) { return souris; };
    SourisJeu::ctrlGauche = [] { return true; };
    SourisJeu::shiftGauche = [] { return false; };
    {
        CSFMLJeu jeu;
        faceJeu::installer(jeu.facettes());
        ASSERT_EQ(jeu.init("jeu.ini"), 0);
        ASSERT_TRUE(jeu.mode == 2 && jeu.pdecor == jeu.pdecorJeu);
        EXPECT_EQ(jeu.fichierJeu, "./niveaux/atelier.niv");
        CDecor& monde = *jeu.pdecor;
        CCalqueSD& principal = *monde.pPlans[CDecor::PLAN_PRINCIPAL];
        ASSERT_EQ(principal.sprites.size(), 7u) << "ground, boxes and platform";
        EXPECT_TRUE(jeu.pPerso) << "the hero";

        // Saved as it was opened: the shipped file is in the writer's form.
        monde.fichierSaisi = "tel_quel.niv";
        jeu.touchesEditeur(sf::Keyboard::R);
        EXPECT_EQ(lireTexte("tel_quel.niv"), lireTexte("niveaux/atelier.niv"));

        // The box on top of the pile, in window pixels through the game camera.
        const CVue& vue = *jeu.pvue;
        const int cx = static_cast<int>(vue.x), cy = static_cast<int>(vue.y);
        auto fenetre = [&](float x, float y) {
            return sf::Vector2i(static_cast<int>((x - cx - vue.cx) / vue.zoom), static_cast<int>((y - cy - vue.cy) / vue.zoom));
        };
        auto image = [&](sf::Vector2i p, bool gauche, bool droit) {
            souris = {gauche, droit, p};
            jeu.pBarreOutils->souris(*jeu.fenetre, cx, cy);
        };
        image(fenetre(552, 540), true, false);
        image(fenetre(552, 540), false, false);
        ASSERT_NE(monde.pSDSelection, nullptr) << "Ctrl+click selects the box";
        EXPECT_EQ(monde.pSDSelection->getIdDEC(), "CAISSE");
        image(fenetre(300, 300), false, true);
        image(fenetre(300, 300), false, false);
        EXPECT_EQ(principal.sprites.size(), 8u) << "a right click copies it";

        // Behind the animation editor, which fills the window, R, C, F and M do nothing.
        ASSERT_TRUE(editeur::basculerDialogue(editeur::id::ANIMATIONS));
        auto pilote = std::make_unique<SourcePilote>();
        sf::Event touche{};
        touche.type = sf::Event::KeyPressed;
        for (sf::Keyboard::Key k : {sf::Keyboard::R, sf::Keyboard::C, sf::Keyboard::F, sf::Keyboard::M})
            touche.key.code = k, pilote->file.push_back(touche);
        jeu.pSourceEntrees = std::move(pilote);
        jeu.traiterEvenementsFenetre();
        EXPECT_TRUE(lireTexte("tel_quel.niv") == lireTexte("niveaux/atelier.niv") && principal.sprites.size() == 8u &&
                    !jeu.bModeFantome && jeu.mode == 2) << "the level behind saved, reloaded, ghosted or played";
        editeur::basculerDialogue(editeur::id::ANIMATIONS);

        monde.fichierSaisi = "copie.niv";
        jeu.touchesEditeur(sf::Keyboard::R);
        monde.chargerNiveau("copie.niv", 0);
        EXPECT_EQ(principal.sprites.size(), 8u) << "the copy is in the file";
        ASSERT_TRUE(monde.sauverNiveau("copie2.niv"));
        EXPECT_EQ(lireTexte("copie2.niv"), lireTexte("copie.niv")) << "and saves again to the same bytes";

        monde.chargerNiveau("./niveaux/niveau-vide.niv", 0);
        ASSERT_TRUE(monde.sauverNiveau("vide.niv"));
        EXPECT_EQ(lireTexte("vide.niv"), lireTexte("niveaux/niveau-vide.niv")) << "the empty level too";
        faceJeu::installer({});
    }
    // As main does: the editor's pickers outlive the game.
    CSFMLJeuChoix::libererSelecteurs();
    SourisJeu::reinitialiser();
    CSFMLJeuGlobal::bModeTest = false;
    // The development switch set the GUI up: its dialogs would keep the keyboard.
    CPLUXTest::reset();
}
