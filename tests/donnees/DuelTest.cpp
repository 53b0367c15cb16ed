// Whole two-player games against the computer ("IA_JOUEUR2=1") in each arena, played from the
// language menu at the keyboard with the shipped data and the options screen left as it opens.
// An arena's games follow each other in one game process, each from the end panel of the one
// before with a seed of its own for the game's random numbers: the player stands still, waits
// at the far side against the end wall with an emptied weapon, or holds the middle of the arena.
// Every round must end; what the player sees is checked at each round's end. At every countdown
// each hero stands at his own start and both are seen whole; each is seen whole at the middle
// (arena 1's boulder, arena 2's bounce pad), where scenery once hid him, and against a wall.
// At every countdown each hero holds, and owns, a weapon ticked in the options' "Fountain
// weapons" row: the default two, or weapon 5 alone.
#include "support/Partie.h"

#include "characters/OptionsMulti.h"
#include "core/Globals.h"
#include "core/SpriteSimple.h"
#include "game/JeuHUD.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// The copy's "jeu.ini" gives the second player to the computer; then the arena's line of the
// two-player list, its options screen as it opens but for the weapons `armes` (counted from 1)
// ticked alone when given, and the round started (its countdown to come).
bool jusquALArene(Partie& p, Partie::Langue langue, int arene, std::initializer_list<int> armes)
{
    if (!p.remplacer("jeu.ini", "\nIA_JOUEUR2=0", "\nIA_JOUEUR2=1"))
        return p.echouer("jeu.ini has no IA_JOUEUR2=0 line");
    if (!p.demarrer())
        return false;
    if (armes.size() > 0)
        std::fill(std::begin(p.jeu->armesFontaine), std::end(p.jeu->armesFontaine), 0);
    for (int a : armes)
        p.jeu->armesFontaine[a - 1] = 1;
    return p.jusquAuNiveau(5, IdMenu::CHOIX_MULTI, arene, langue);
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
// players have the same hero, told apart as "(J2)" or "(P2)"), unless nobody won.
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
    EXPECT_TRUE(gagnant.empty() || nomme) << "menu " << p.menus().idMenu << ": no text names the winner";
}

// The skulls drawn on a player's line of the panel: the lost-clone mark at its places one after
// the other, from the first, each found when most of its opaque pixels are on the frame.
int cranesDessines(Partie& p, const sf::Image& image, const sf::Image& crane, int ligne)
{
    const int x0 = p.menus().fondX + 470, y0 = p.menus().fondY + 86 + 28 * ligne;
    int n = 0;
    for (;; ++n) {
        int opaques = 0, vus = 0;
        for (unsigned y = 0; y < crane.getSize().y; ++y)
            for (unsigned x = 0; x < crane.getSize().x; ++x) {
                const sf::Color c = crane.getPixel(x, y);
                if (c.a < 255)
                    continue;
                const sf::Color f = image.getPixel(static_cast<unsigned>(x0 + 32 * n) + x, static_cast<unsigned>(y0) + y);
                ++opaques;
                vus += std::abs(f.r - c.r) + std::abs(f.g - c.g) + std::abs(f.b - c.b) < 40;
            }
        if (vus * 10 < opaques * 8)
            return n;
    }
}

enum class Joueur { IMMOBILE, VIDE_AU_LOIN, AU_MILIEU };

// The player of the second game walks to the end of the arena away from the computer's hero
// and, against the wall, fires until his weapon is empty, then waits there.
void auLoinPuisVider(Partie& p, bool& vide, int& cote)
{
    CPerso* j1 = heros(p, 0);
    if (!j1)
        return;
    const float X = static_cast<float>(p.jeu->pdecor->tailleJeuX), x = j1->sprite->x;
    if (cote == 0)
        cote = x < X / 2 ? -1 : 1;
    p.tenir(sf::Keyboard::Left, cote < 0);
    p.tenir(sf::Keyboard::Right, cote > 0);
    const SlotArme* s = j1->slotCourant();
    vide = vide || !s || s->munitions == 0;
    const bool auMur = cote < 0 ? x < BOUT : x > X - BOUT;
    p.tenir(sf::Keyboard::X, auMur && !vide && p.images % 4 < 2);
}

// The player of the third game walks to the middle of the arena and holds it.
void tenirLeMilieu(Partie& p)
{
    const CPerso* j1 = heros(p, 0);
    const float milieu = static_cast<float>(p.jeu->pdecor->tailleJeuX) / 2, x = j1 ? j1->sprite->x : milieu;
    p.tenir(sf::Keyboard::Left, x > milieu + 6);
    p.tenir(sf::Keyboard::Right, x < milieu - 6);
}

// Each hero's own pixels where nothing of the arena may hide him. At the countdown's "2", "1"
// and "GO!" he stands at his own start (a start marker, not the other's) and is seen whole,
// once the doors that open a game's first round have left the frame.
// In play, whenever the camera shows him whole and no hit has him flashing, he is looked at
// once a round on the ground at the arena's middle and stopped against an end wall, the other
// hero clear of him. Over an arena's games the player who holds the middle must have been looked
// at there, and the one who waits at the far side against the wall.
struct HerosVus {
    enum Lieu { MILIEU, MUR };
    CouleursPropres propres;
    float milieu = 0;
    bool vuIci[2][2] = {};  // in this round, by place and player
    float xAvant[2] = {0, 0};  // where each stood at the frame before
    int departs[2] = {0, 0}, lieux[2] = {0, 0};  // how many times each was looked at

    void compte(Partie& p, const std::string& ou)
    {
        const int n = p.jeu->pHUD->compteurDepart;
        if (p.jeu->mode != 1 || n < 0 || n > 2 * p.framerate || n % p.framerate != 0)
            return;
        const sf::Image image = p.imageFenetre();
        const std::string quand = ou + ", countdown " + (n > 0 ? std::to_string(n / p.framerate) : "GO");
        int depart[2] = {-1, -1};
        for (int j = 0; j < 2; ++j) {
            const CPerso* h = heros(p, j);
            ASSERT_TRUE(h) << quand << ": player " << j + 1 << " has no hero";
            const std::vector<CSPRITE*>& marques = p.jeu->pdecor->positionsDepart;
            for (size_t i = 0; i < marques.size(); ++i)
                if (std::fabs(marques[i]->x - h->sprite->x) < 2)
                    depart[j] = static_cast<int>(i);
            EXPECT_GE(depart[j], 0) << quand << ": player " << j + 1 << " at x " << h->sprite->x << ", not at a start";
            armeTiree(p, *h, j, quand);
            if (p.menus().bOuverturePortes)
                continue;
            const int vus = propres.vus(image, *h, j);
            EXPECT_GE(vus, SEUIL) << quand << ": player " << j + 1 << " shows " << vus
                                  << " of his own pixels (-1: not whole in view)";
            ++departs[j];
        }
        EXPECT_NE(depart[0], depart[1]) << quand << ": both heroes at one start";
    }

    // Slot k of a hero holds weapon k of the options' row.
    static void armeTiree(Partie& p, const CPerso& h, int j, const std::string& quand)
    {
        const SlotArme* s = h.slotCourant();
        const int k = h.armeCourante;
        const bool cochee = k >= 0 && k < COptionsMulti::NB_ARMES_FONTAINE && p.jeu->armesFontaine[k] == 1;
        const bool sienne = s && s->bPossedee;
        EXPECT_TRUE(cochee && sienne) << quand << ": player " << j + 1 << " holds weapon " << k + 1
                                      << (cochee ? "" : ", not ticked") << (sienne ? "" : ", not his");
        if (p.jeu->pHUD->compteurDepart == 0)
            std::printf("%s: player %d holds weapon %d\n", quand.c_str(), j + 1, k + 1);
    }

    void regarder(Partie& p, const std::string& ou)
    {
        if (p.jeu->mode != 1 || p.jeu->pdecor->niveauFini)
            return;
        const float X = static_cast<float>(p.jeu->pdecor->tailleJeuX);
        sf::Image image;
        for (int j = 0; j < 2; ++j) {
            const CPerso* h = heros(p, j);
            const CPerso* autre = heros(p, 1 - j);
            if (!h || h->compteurTouche >= 0 || h->compteurClignote > 0)
                continue;
            const float x = h->sprite->x;
            const bool immobile = x == std::exchange(xAvant[j], x);
            const bool debout = h->mode == EtatPerso::ARRET || h->mode == EtatPerso::MARCHE ||
                                h->mode == EtatPerso::RECEPTION || h->mode == EtatPerso::RECEPTION_CHUTE;
            const bool seul = !autre || std::fabs(autre->sprite->x - x) > CouleursPropres::HAUTEUR / 2;
            const bool auMur = (x < BOUT || x > X - BOUT) && immobile;
            const int lieu = std::fabs(x - milieu) < PRES ? MILIEU : auMur ? MUR : -1;
            if (lieu < 0 || vuIci[lieu][j] || !debout || !seul)
                continue;
            if (image.getSize().x == 0)
                image = p.imageFenetre();
            const int n = propres.vus(image, *h, j);
            if (n < 0)
                continue;
            const std::string nom = lieu == MILIEU ? " at the middle" : " against a wall";
            std::printf("%s: player %d%s (x %d): %d own pixels\n", ou.c_str(), j + 1, nom.c_str(),
                        static_cast<int>(x), n);
            EXPECT_GE(n, SEUIL) << ou << ": player " << j + 1 << nom << " (x " << x << ") shows " << n
                                << " of his own pixels";
            ++lieux[lieu];
            vuIci[lieu][j] = true;
        }
    }

    void bilan(int arene, bool milieuTenu, bool murAtteint) const
    {
        for (int j = 0; j < 2; ++j)
            EXPECT_GT(departs[j], 0) << "arena " << arene << ": player " << j + 1 << " never seen at his start";
        EXPECT_TRUE(!milieuTenu || lieux[MILIEU] > 0) << "arena " << arene << ": nobody seen at the middle";
        EXPECT_TRUE(!murAtteint || lieux[MUR] > 0) << "arena " << arene << ": nobody seen whole against a wall";
    }

    static constexpr float PRES = 24;
    // A hero in full view shows 180 to 280 of his own pixels at the arenas' zoom; behind arena
    // 1's bush or boulder he showed under 15.
    static constexpr int SEUIL = 120;
};

// Each player's clones that died since the round started: a character of his that goes into
// death or paralysis, counted once per fall.
struct Pertes {
    std::map<const CPerso*, bool> tombes;
    int parJoueur[2] = {0, 0};

    void noter(Partie& p)
    {
        for (const CPerso* c : p.jeu->pdecor->persos) {
            if (!c || c->numJoueur < 0 || c->numJoueur > 1)
                continue;
            const bool tombe = c->mode == EtatPerso::MORT || c->mode == EtatPerso::PARALYSE;
            parJoueur[c->numJoueur] += tombe && !tombes[c];
            tombes[c] = tombe;
        }
    }
};

// One whole game, to its end panel: each round ends within 100 seconds of play, with the HUD
// drawn a second into it when it still runs; its panel names the winner and shows on each
// player's line as many skulls as he lost clones in that round; in the first game X on each
// panel shows the end again over the whole window. Y then starts the next round, or the next
// game from the end panel.
void partie(Partie& p, int arene, Joueur joueur, bool revoir, Partie::Langue langue, HerosVus& vus)
{
    CSFMLJeu& j = *p.jeu;
    sf::Image crane;
    ASSERT_TRUE(crane.loadFromFile("niveaux/mort.png"));
    const int limite = 3000 * p.framerate / 30;
    for (int manche = 1; manche <= 5; ++manche) {
        bool hud = true, vide = false;
        int cote = 0;
        Pertes pertes;
        const std::string ou = "arena " + std::to_string(arene) + ", round " + std::to_string(manche);
        ASSERT_TRUE(p.attendre([&] {
            vus.compte(p, ou);
            return j.mode == 1 && j.pHUD->compteurDepart < 0;
        }, 300 * p.framerate / 30)) << ou << ": the countdown";
        const long debut = p.images;
        for (bool* l : vus.vuIci)
            l[0] = l[1] = false;
        ASSERT_TRUE(p.attendre([&] {
            vus.regarder(p, ou);
            if (p.images - debut == p.framerate && !j.pdecor->niveauFini)
                hud = hudPresent(p.imageFenetre());
            if (joueur == Joueur::VIDE_AU_LOIN)
                auLoinPuisVider(p, vide, cote);
            if (joueur == Joueur::AU_MILIEU)
                tenirLeMilieu(p);
            pertes.noter(p);
            return finDeManche(p);
        }, limite)) << "arena " << arene << ", round " << manche << ": no end within " << limite << " frames";
        for (sf::Keyboard::Key k : {sf::Keyboard::X, sf::Keyboard::Left, sf::Keyboard::Right})
            p.tenir(k, false);
        std::printf("arena %d, round %d: ended after %ld frames\n", arene, manche, p.images - debut);
        EXPECT_TRUE(hud) << "arena " << arene << ", round " << manche << ": the HUD while playing";
        const bool finPartie = p.menus().idMenu == IdMenu::VICTOIRE_PARTIE;
        const int gagnant = p.menus().idMenu == IdMenu::EXAEQUO_MANCHE ? -1 : p.menus().gagnant;
        const std::wstring nom = langue == Partie::Langue::FRANCAIS ? L"(J" : L"(P";
        titreDansLePanneau(p, gagnant < 0 ? L"" : nom + std::to_wstring(gagnant + 1) + L")");
        for (int ligne = 0; ligne < 2; ++ligne)
            EXPECT_EQ(cranesDessines(p, p.dernierImage, crane, ligne), pertes.parJoueur[ligne])
                << "arena " << arene << ", round " << manche << ": skulls on player " << ligne + 1 << "'s line";
        p.attendre([] { return false; }, 20 * p.framerate / 30);  // the panel listens after two thirds of a second
        if (revoir) {
            p.appuyer(sf::Keyboard::X);
            int vides = 0, images = 0;
            EXPECT_TRUE(p.attendre([&] {
                vides += !Partie::quartsPleins(p.imageFenetre());
                ++images;
                return !p.menus().bRevoirKillcam;
            }, 200 * p.framerate / 30)) << "the end shown again comes to its end";
            EXPECT_GT(images, 10) << "X shows the end again";
            EXPECT_EQ(vides, 0) << "arena " << arene << ", round " << manche << ": frames of the end shown again with a flat quarter";
        }
        p.appuyer(sf::Keyboard::Y);
        ASSERT_TRUE(p.attendre([&] { return j.mode == 1; }, 300 * p.framerate / 30)) << "Y: the next round";
        if (finPartie) {
            EXPECT_EQ(j.manchesGagnees[0] + j.manchesGagnees[1], 0) << "Y on the end panel: a new game";
            return;
        }
    }
    ADD_FAILURE() << "arena " << arene << ": no end of the game in five rounds";
}

// One game per seed, the player standing still, waiting emptied at the far side and holding the
// middle in turn.
void duels(Partie::Langue langue, int arene, int framerate, std::initializer_list<unsigned> graines,
           std::initializer_list<int> armes = {})
{
    Partie p(framerate);
    ASSERT_TRUE(jusquALArene(p, langue, arene, armes)) << p.echec;
    HerosVus vus;
    vus.propres.apprendre(p);
    vus.milieu = static_cast<float>(p.jeu->pdecor->tailleJeuX) / 2;
    ASSERT_FALSE(vus.propres.couleurs[0].empty() || vus.propres.couleurs[1].empty()) << "the two heroes' colours";
    const Joueur joueurs[] = {Joueur::IMMOBILE, Joueur::VIDE_AU_LOIN, Joueur::AU_MILIEU};
    int n = 0;
    for (unsigned graine : graines) {
        std::printf("arena %d at %d frames a second, seed %u\n", arene, framerate, graine);
        tuv::srand(graine);
        partie(p, arene, joueurs[n % 3], n == 0, langue, vus);
        ++n;
        if (::testing::Test::HasFatalFailure())
            return;
    }
    vus.bilan(arene, n >= 3, n >= 2);
}

} // namespace

TEST(Duel, PremiereArene) { duels(Partie::Langue::FRANCAIS, 1, 30, {1, 2, 3}); }
TEST(Duel, SecondeArene) { duels(Partie::Langue::ANGLAIS, 2, 30, {1, 2, 3}); }
TEST(Duel, PremiereAreneA60Images) { duels(Partie::Langue::ANGLAIS, 1, 60, {4, 5}, {5}); }
