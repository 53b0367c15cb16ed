// The two-player game against the computer ("IA_JOUEUR2=1"), played from the language menu at
// the keyboard with the shipped data and the options screen left as it opens: the computer's
// hero comes to fight a player who stands still, in each arena.
#include "support/PiloteJeu.h"

#include "game/JeuHUD.h"
#include "menus/JeuMenus.h"
#include "menus/MenuTypes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

class Duel : public PiloteJeu {
public:
    // The copy's "jeu.ini" gives the second player to the computer; the game then runs as a
    // replay does, each frame one frame of game time, without waiting.
    bool demarrerContreOrdinateur()
    {
        const std::string ini = lireTexte(dossier / "jeu.ini");
        ecrireTexte(dossier / "jeu.ini", std::regex_replace(ini, std::regex("\nIA_JOUEUR2=0"), "\nIA_JOUEUR2=1"));
        if (!demarrer())
            return false;
        jeu->bRejeu = true;
        jeu->fenetre->setFramerateLimit(0);
        return true;
    }

    CJeuMenus& menus() { return *jeu->pMenus; }
    bool menu(int id, int maximum = 300)
    {
        return attendre([&] { return menus().idMenu == id; }, maximum) || echouer("menu " + std::to_string(id));
    }
    void appuyer(sf::Keyboard::Key k)
    {
        frapper(k);
        tenir(k, true);
        image();
        tenir(k, false);
        image();
    }
    // The cursor brought to the line by taps of the arrows, then Return.
    bool choisir(int ligne)
    {
        for (int i = 0; i < 40 && menus().ligneActive != ligne; ++i) {
            frapper(menus().ligneActive < ligne ? sf::Keyboard::Down : sf::Keyboard::Up);
            image();
        }
        if (menus().ligneActive != ligne)
            return echouer("menu " + std::to_string(menus().idMenu) + ": line " + std::to_string(ligne));
        appuyer(sf::Keyboard::Return);
        return true;
    }

    // Language line 0 (French) or 1 (English), a new player, then the arena's line of the
    // two-player list, its options screen as it opens, and the round started.
    bool jusquALArene(int langue, int arene)
    {
        if (!(menu(IdMenu::LANGUE) && choisir(langue) && menu(IdMenu::PRINCIPAL) && choisir(1) &&
              menu(IdMenu::NOUVEAU_JOUEUR) && choisir(1)))
            return false;
        for (char c : std::string("DUEL"))
            taper(static_cast<sf::Uint32>(c));
        appuyer(sf::Keyboard::Return);
        appuyer(sf::Keyboard::Escape);
        if (!(menu(IdMenu::PRINCIPAL) && choisir(5) && menu(IdMenu::CHOIX_MULTI) && choisir(arene) &&
              menu(IdMenu::OPTIONS_MULTI) && choisir(1) && menu(IdMenu::ATTENTE)))
            return false;
        appuyer(sf::Keyboard::Return);
        return attendre([&] { return jeu->mode == 1 && jeu->pHUD->compteurDepart < 0; }, 300) ||
               echouer("the round does not start");
    }

    bool finDeManche() const
    {
        const int id = jeu->pMenus->idMenu;
        return jeu->mode == 0 &&
               (id == IdMenu::VICTOIRE_MANCHE || id == IdMenu::VICTOIRE_PARTIE || id == IdMenu::EXAEQUO_MANCHE);
    }

    bool echouer(const std::string& texte)
    {
        echec = texte;
        return false;
    }
    std::string echec;
};

// The player holds no key once the round has started: the computer comes, and the round ends
// within 100 seconds of play.
void contreLOrdinateur(int langue, int arene)
{
    Duel p;
    ASSERT_TRUE(p.demarrerContreOrdinateur());
    ASSERT_TRUE(p.jusquALArene(langue, arene)) << p.echec;
    const long debut = p.images;
    ASSERT_TRUE(p.attendre([&] { return p.finDeManche(); }, 3000))
        << "arena " << arene << ": no round's end within 3,000 frames";
    std::printf("arena %d: the round ended after %ld frames\n", arene, p.images - debut);
}

} // namespace

TEST(Duel, PremiereArene) { contreLOrdinateur(0, 1); }
TEST(Duel, SecondeArene) { contreLOrdinateur(1, 2); }
