// A whole two-player game against the computer ("IA_JOUEUR2=1") in each arena, played from the
// language menu at the keyboard, in French then in English, with the shipped data and the
// options screen left as it opens: the computer's hero comes to fight a player who stands
// still, and what the player sees is checked at each round's end.
#include "support/Partie.h"

#include "core/SpriteSimple.h"
#include "game/JeuHUD.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The copy's "jeu.ini" gives the second player to the computer; then the arena's line of the
// two-player list, its options screen as it opens, and the round started.
bool jusquALArene(Partie& p, Partie::Langue langue, int arene)
{
    if (!p.remplacer("jeu.ini", "\nIA_JOUEUR2=0", "\nIA_JOUEUR2=1"))
        return p.echouer("jeu.ini has no IA_JOUEUR2=0 line");
    return p.demarrer() && p.jusquAuNiveau(5, IdMenu::CHOIX_MULTI, arene, langue) &&
           p.etape("the countdown", [&] { return p.jeu->pHUD->compteurDepart < 0; }, 300);
}

bool finDeManche(Partie& p)
{
    const int id = p.menus().idMenu;
    return p.jeu->mode == 0 &&
           (id == IdMenu::VICTOIRE_MANCHE || id == IdMenu::VICTOIRE_PARTIE || id == IdMenu::EXAEQUO_MANCHE);
}

// Both players' HUD panels, light grey on the sky, fill the top corners of the frame.
bool hudPresent(const sf::Image& i)
{
    int gris = 0, total = 0;
    for (unsigned x0 : {20u, 980u})
        for (unsigned y = 6; y < 36; y += 3)
            for (unsigned x = x0; x < x0 + 270; x += 6, ++total) {
                const sf::Color c = i.getPixel(x, y);
                gris += c.r > 150 && c.r >= c.b + 4 && std::abs(c.r - c.g) < 20;
            }
    return gris * 10 > total * 7;
}

// The texts of the frame drawn after the panel opened lie inside the panel's picture, clear
// of its frame, or in the level's banner above it; the headline names the winner (both
// players have the same hero, told apart as "(J2)" or "(P2)").
void titreDansLePanneau(Partie& p, const std::wstring& gagnant)
{
    const auto textes = p.textesDessines();
    sf::FloatRect panneau = p.menus().pSpriteFond->getGlobalBounds(), commun;
    panneau = {panneau.left + 9, panneau.top + 9, panneau.width - 18, panneau.height - 18};
    const sf::FloatRect banniere = p.menus().spriteMulti.getSprite()->getSprite().getGlobalBounds();
    bool nomme = false;
    for (const auto& t : textes) {
        nomme = nomme || t.chaine.find(gagnant) != std::wstring::npos;
        const auto dans = [&](sf::FloatRect cadre) { return cadre.intersects(t.bornes, commun) && commun == t.bornes; };
        EXPECT_TRUE(t.bornes.width == 0 || dans(panneau) || dans(banniere))
            << "menu " << p.menus().idMenu << ": \"" << sf::String(t.chaine).toAnsiString() << "\" leaves its panel";
    }
    EXPECT_TRUE(nomme) << "menu " << p.menus().idMenu << ": no text names the winner";
}

// A whole game against the computer, the player holding no key while a round is played: each
// round ends within 100 seconds of play with the HUD drawn; on each panel, once it listens, X
// shows the end again over the whole window, then Y starts the next round, until the
// computer has won the game.
void partieContreLOrdinateur(Partie::Langue langue, int arene)
{
    Partie p;
    ASSERT_TRUE(jusquALArene(p, langue, arene)) << p.echec;
    CSFMLJeu& j = *p.jeu;
    for (int manche = 1; manche <= 5; ++manche) {
        const long debut = p.images;
        bool hud = false;
        ASSERT_TRUE(p.attendre([&] {
            hud = hud || (p.images - debut == 60 && hudPresent(p.imageFenetre()));
            return finDeManche(p);
        }, 3000)) << "arena " << arene << ", round " << manche << ": no end within 3,000 frames";
        std::printf("arena %d, round %d: ended after %ld frames\n", arene, manche, p.images - debut);
        EXPECT_TRUE(hud) << "arena " << arene << ", round " << manche << ": the HUD while playing";
        const bool partie = p.menus().idMenu == IdMenu::VICTOIRE_PARTIE;
        titreDansLePanneau(p, langue == Partie::Langue::FRANCAIS ? L"(J2)" : L"(P2)");
        p.attendre([] { return false; }, 20);  // the panel listens after half a second
        p.appuyer(sf::Keyboard::X);
        int vides = 0, images = 0;
        EXPECT_TRUE(p.attendre([&] {
            vides += !Partie::quartsPleins(p.imageFenetre());
            ++images;
            return !p.menus().bRevoirKillcam;
        }, 200)) << "the end shown again comes to its end";
        EXPECT_GT(images, 10) << "X shows the end again";
        EXPECT_EQ(vides, 0) << "arena " << arene << ", round " << manche << ": frames of the end shown again with a flat quarter";
        if (partie) {
            EXPECT_EQ(j.manchesGagnees[1], 3) << "the computer has won three rounds";
            return;
        }
        p.appuyer(sf::Keyboard::Y);
        ASSERT_TRUE(p.attendre([&] { return j.mode == 1 && j.pHUD->compteurDepart < 0; }, 300))
            << "Y: the next round";
    }
    ADD_FAILURE() << "arena " << arene << ": no end of the game in five rounds";
}

} // namespace

TEST(Duel, PremiereArene) { partieContreLOrdinateur(Partie::Langue::FRANCAIS, 1); }
TEST(Duel, SecondeArene) { partieContreLOrdinateur(Partie::Langue::ANGLAIS, 2); }
