// Every one-player level won by a new player at the keyboard alone, in French and in English
// by turns: from the language menu, a player made, the level chosen in its list (the levels
// before it open, as their wins leave the scores) and played toward its exit. The HUD is
// seen during play, and the level-won panel shows its title inside the panel.
#include "support/Partie.h"

#include "core/Physique.h"

#include <gtest/gtest.h>

namespace {

using Langue = Partie::Langue;

struct Niveau {
    int ligneMenu;       // line of the main menu that opens the list
    int menuListe;
    const char* scores;  // the list's scores file
    int nbNiveaux;
    int niveau;          // from 1
    Langue langue;
    const wchar_t* titre;
};

// The level won; false with what went wrong in p.echec.
bool gagner(Partie& p, const Niveau& n, int maximum)
{
    p.ouvrirJusquA(n.scores, n.niveau, n.nbNiveaux);
    if (!p.demarrer() || !p.jusquAuNiveau(n.ligneMenu, n.menuListe, n.niveau, n.langue))
        return false;
    if (!p.courirVersLaSortie([&] { return p.jeu->pdecor->niveauFini; }, maximum))
        return false;
    if (p.jeu->bPersoIAdcd)
        return p.echouer("the hero died at " + p.ou());
    return p.menu(IdMenu::VICTOIRE, 600);
}

void verifierVictoire(Partie& p, const Niveau& n, const std::string& capture)
{
    EXPECT_TRUE(p.hudVu) << "the HUD during play";
    const auto textes = p.textesDessines();
    p.dernierImage.saveToFile((p.ancien / capture).string());
    EXPECT_EQ(p.dessineDans(textes, n.titre, p.panneau(IdMenu::VICTOIRE)), "");
}

const int ADVENTURE = 3, CHRONO = 4;

} // namespace

// The caves in English, then on to the snow pass through "Next level".
TEST(Partie, LesGrottesGagneesEnAnglais)
{
    const Niveau n{ADVENTURE, IdMenu::CHOIX_AVENTURE, "niveaux/scores_aventure.scr", 3, 2, Langue::ANGLAIS,
                   L"The caves done!"};
    Partie p;
    ASSERT_TRUE(gagner(p, n, 4000)) << p.echec;
    verifierVictoire(p, n, "victoire_aventure02.png");
    ASSERT_TRUE(p.choisir(2) && p.menu(1000)) << p.echec;
    EXPECT_EQ(p.menus().titreNiveau(), sf::String(L"The snowy pass")) << "menu 1000 names level 3";
}

// The caves in English after a death: the two crates on the ground shot down, the hero lost on
// the spikes past them, "Restart from the last flag" (none reached: the start), the crates
// whole again and breakable again, and the level won.
TEST(Partie, LesGrottesGagneesApresUneChute)
{
    const Niveau n{ADVENTURE, IdMenu::CHOIX_AVENTURE, "niveaux/scores_aventure.scr", 3, 2, Langue::ANGLAIS,
                   L"The caves done!"};
    Partie p;
    p.ouvrirJusquA(n.scores, n.niveau, n.nbNiveaux);
    ASSERT_TRUE(p.demarrer() && p.jusquAuNiveau(n.ligneMenu, n.menuListe, n.niveau, n.langue)) << p.echec;
    std::vector<CSPRITE*> caisses;
    for (CSPRITE* sd : p.jeu->pdecor->pPlans[CDecor::PLAN_PRINCIPAL]->sprites)
        if (sd->getIdDEC() == "MECA_CAISSE" && sd->y0 > 780)
            caisses.push_back(sd);
    ASSERT_EQ(caisses.size(), 2u) << "the crates on the ground";
    const auto cassees = [&] { return caisses[0]->pPhysDestruction->bDetruit && caisses[1]->pPhysDestruction->bDetruit; };
    const auto capture = [&](const char* nom) { p.image(); p.imageFenetre().saveToFile((p.ancien / nom).string()); };
    ASSERT_TRUE(p.courirVersLaSortie(cassees, 1500)) << p.echec;
    p.tenir(sf::Keyboard::Right, true);
    ASSERT_TRUE(p.etape("the spikes", [&] { return p.jeu->bPersoIAdcd; }, 600)) << p.echec;
    p.tenir(sf::Keyboard::Right, false);
    ASSERT_TRUE(p.menu(IdMenu::ECHEC_AVENTURE, 300)) << p.echec;
    p.attendre([] { return false; }, 20);
    ASSERT_TRUE(p.choisir(2) && p.etape("the level again", [&] { return p.jeu->mode == 1; }, 300)) << p.echec;
    EXPECT_FALSE(caisses[0]->pPhysDestruction->bDetruit || caisses[1]->pPhysDestruction->bDetruit) << "whole again";
    capture("grottes_reprise.png");
    ASSERT_TRUE(p.courirVersLaSortie(cassees, 1500)) << "the crates again: " << p.echec;
    capture("grottes_caisses_cassees_encore.png");
    ASSERT_TRUE(p.courirVersLaSortie([&] { return p.jeu->pdecor->niveauFini; }, 4000)) << p.echec;
    ASSERT_FALSE(p.jeu->bPersoIAdcd) << "the hero died at " << p.ou();
    ASSERT_TRUE(p.menu(IdMenu::VICTOIRE, 600)) << p.echec;
    verifierVictoire(p, n, "victoire_aventure02_reprise.png");
}

// The snow pass, past its fan, in French; after it the level banner says the demo is over.
TEST(Partie, LeColEnneigeGagneEnFrancais)
{
    const Niveau n{ADVENTURE, IdMenu::CHOIX_AVENTURE, "niveaux/scores_aventure.scr", 3, 3, Langue::FRANCAIS,
                   L"Le col enneigé terminé avec succès !"};
    Partie p;
    ASSERT_TRUE(gagner(p, n, 4000)) << p.echec;
    verifierVictoire(p, n, "victoire_aventure03.png");
    ASSERT_TRUE(p.choisir(2)) << p.echec;
    const auto textes = p.textesDessines();
    p.dernierImage.saveToFile((p.ancien / "fin_de_la_demo.png").string());
    const sf::FloatRect banniere = p.menus().spriteMulti.getSprite()->getSprite().getGlobalBounds();
    EXPECT_EQ(p.dessineDans(textes, L"Fin de la démo :(", banniere), "");
    // Escape: the main menu over its live level, whose ground runs along the window's bottom
    // (the sky's colour alone there means the scene still looks where the game's camera did).
    p.appuyer(sf::Keyboard::Escape);
    ASSERT_TRUE(p.menu(IdMenu::PRINCIPAL)) << p.echec;
    for (int i = 0; i < 30; ++i)
        ASSERT_TRUE(p.image());
    const sf::Image menu = p.imageFenetre();
    menu.saveToFile((p.ancien / "menu_apres_la_demo.png").string());
    const sf::Color ciel = p.jeu->pdecorMenu->couleurFond;
    int sol = 0;
    for (unsigned x = 0; x < menu.getSize().x; x += 4)
        sol += menu.getPixel(x, menu.getSize().y - 10) != ciel;
    EXPECT_GT(sol, 200) << "of 320 points along the bottom, so many are not the sky";
}

// The dunes in English: three heroes brought home one after the other.
TEST(Partie, LesDunesGagneesEnAnglais)
{
    const Niveau n{CHRONO, IdMenu::CHOIX_CHRONO, "niveaux/scores.scr", 2, 1, Langue::ANGLAIS, L"The dunes done!"};
    Partie p;
    ASSERT_TRUE(gagner(p, n, 4000)) << p.echec;
    verifierVictoire(p, n, "victoire_chrono01.png");
}

// The storm town in French: two heroes over the roofs and up the lifts.
TEST(Partie, LaCiteDeLOrageGagneeEnFrancais)
{
    const Niveau n{CHRONO, IdMenu::CHOIX_CHRONO, "niveaux/scores.scr", 2, 2, Langue::FRANCAIS,
                   L"La cité de l'orage terminé avec succès !"};
    Partie p;
    ASSERT_TRUE(gagner(p, n, 4000)) << p.echec;
    verifierVictoire(p, n, "victoire_chrono02.png");
}

// The storm town as the plainest player plays it: the way to the exit held, and the jump key
// down for a few frames of each second, tapped (2 frames) and held (20) in turn, from eight
// starting phases of that second; the level started again from its end panel. Every roof, gap
// and lift lets him through, tapped or held.
TEST(Partie, LaCiteDeLOrageEnSautsOrdinaires)
{
    const int SECONDE = 30, PHASES = 8;
    const Niveau n{CHRONO, IdMenu::CHOIX_CHRONO, "niveaux/scores.scr", 2, 2, Langue::FRANCAIS, L""};
    Partie p;
    p.ouvrirJusquA(n.scores, n.niveau, n.nbNiveaux);
    ASSERT_TRUE(p.demarrer() && p.jusquAuNiveau(n.ligneMenu, n.menuListe, n.niveau, n.langue)) << p.echec;
    const sf::FloatRect sortie = p.marqueurs("SORTIE").at(0)->getBoite();
    int gagnees = 0;
    std::string pertes;
    for (int phase = 0; phase < PHASES; ++phase) {
        int i = phase * SECONDE / PHASES;
        const int tenue = phase % 2 == 0 ? 2 : 20;
        sf::Vector2f ou;
        ASSERT_TRUE(p.etape("play", [&] {
            if (p.jeu->pdecor->niveauFini)
                return true;
            const CPerso* h = p.jeu->pPerso;
            ou = h && h->sprite ? sf::Vector2f(h->sprite->x, h->sprite->y) : ou;
            p.tenir(sf::Keyboard::Right, ou.x < sortie.left + sortie.width / 2);
            p.tenir(sf::Keyboard::Left, ou.x >= sortie.left + sortie.width / 2);
            p.tenir(sf::Keyboard::Space, i++ % SECONDE < tenue);
            return false;
        }, 3000)) << p.echec;
        for (sf::Keyboard::Key k : {sf::Keyboard::Right, sf::Keyboard::Left, sf::Keyboard::Space})
            p.tenir(k, false);
        const auto panneau = [&] {
            return p.jeu->mode == 0 && (p.menus().idMenu == IdMenu::VICTOIRE || p.menus().idMenu == IdMenu::ECHEC);
        };
        ASSERT_TRUE(p.etape("the end panel", panneau, 600)) << p.echec;
        const bool gagnee = p.menus().idMenu == IdMenu::VICTOIRE;
        gagnees += gagnee;
        if (!gagnee)
            pertes += " phase " + std::to_string(phase) + (tenue == 2 ? " tapped" : " held") + " at (" + std::to_string(static_cast<int>(ou.x)) + ", " +
                      std::to_string(static_cast<int>(ou.y)) + ");";
        // "Recommencer", once the panel takes keys.
        p.attendre([] { return false; }, 20);
        ASSERT_TRUE(phase + 1 == PHASES ||
                    (p.choisir(gagnee ? 1 : 3) &&
                     p.etape("the level again", [&] { return p.jeu->mode == 1 && !p.jeu->pdecor->niveauFini; }, 300)))
            << p.echec;
    }
    EXPECT_GE(gagnees, 6) << "won from " << gagnees << " of " << PHASES << " phases; lost:" << pertes;
}

// The storm town in English, its first hero dropped into the first gap: the level is lost, and
// within a second and a half the failure panel says so in its frame, for a fall as for the time.
TEST(Partie, UneChuteDansLaCiteDeLOrage)
{
    const Niveau n{CHRONO, IdMenu::CHOIX_CHRONO, "niveaux/scores.scr", 2, 2, Langue::ANGLAIS, L"Failed!"};
    Partie p;
    p.ouvrirJusquA(n.scores, n.niveau, n.nbNiveaux);
    ASSERT_TRUE(p.demarrer() && p.jusquAuNiveau(n.ligneMenu, n.menuListe, n.niveau, n.langue)) << p.echec;
    p.appuyer(sf::Keyboard::Right);
    p.jeu->pPerso->sprite->placer(-1, 856, 560);
    ASSERT_TRUE(p.etape("the fall", [&] { return p.jeu->bPersoIAdcd; }, 200)) << p.echec;
    EXPECT_TRUE(p.menu(IdMenu::ECHEC, 45)) << p.echec;
    const auto textes = p.textesDessines();
    p.dernierImage.saveToFile((p.ancien / "echec_chrono02.png").string());
    EXPECT_EQ(p.dessineDans(textes, n.titre, p.panneau(IdMenu::ECHEC)), "");
    EXPECT_EQ(p.dessineDans(textes, L"The time ran out, or a hero was lost.", p.panneau(IdMenu::ECHEC)), "");
}
