// What the end-of-round menus 410, 420 and 430 show over their lines: the headline, the two
// players' victory animations, one line per player with rounds won and clones lost, and the
// icons of the eliminated players.
#include "menus/JeuMenus.h"

#include "characters/OptionsMulti.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"

#include <SFML/Graphics/RenderWindow.hpp>

#include <algorithm>

namespace {

// Player lines are 28 pixels apart; more marks than these would leave the screen.
constexpr int ETOILES_MAX = 5;
constexpr int CLONES_PERDUS_MAX = 10;
constexpr int NB_JOUEURS_MAX = 4;

bool herosValide(int h)
{
    return h >= 0 && h <= 3;
}

} // namespace

void CJeuMenus::messageFinPartie(sf::RenderWindow* fenetre)
{
    MondeJeu* j = faceJeu::monde();
    if (!j || !j->pOptionsMulti)
        return;
    const COptionsMulti& o = *j->pOptionsMulti;
    const float fx = static_cast<float>(fondX), fy = static_cast<float>(fondY);
    const bool francais = langue == "fr_";
    const int heros[2] = {o.choixJ1, o.choixJ2};
    // Two players on the same hero are told apart as the HUD names them.
    const bool memeHeros = heros[0] == heros[1];
    auto nom = [&](int joueur) {
        if (!herosValide(heros[joueur]))
            return sf::String();
        sf::String n = nomsPersos[heros[joueur]];
        if (memeHeros)
            n += (francais ? L" (J" : L" (P") + std::to_wstring(joueur + 1) + L")";
        return n;
    };
    const sf::String gagnantNom = nom(gagnant == 0 ? 0 : 1);
    sf::String titre;
    if (idMenu == IdMenu::VICTOIRE_PARTIE)
        titre = francais ? L"Partie gagnée par " + gagnantNom + L" !" : gagnantNom + L" won the game!";
    else if (idMenu == IdMenu::VICTOIRE_MANCHE)
        titre = francais ? L"Manche gagnée par " + gagnantNom + L" !" : L"Round win by " + gagnantNom + L"!";
    else
        titre = francais ? L"Tout le monde est mort !" : L"Everybody is dead!";
    texte(fenetre, titre, fx + 40, fy + 30, 20, sf::Color(255, 180, 0, 255));

    // The winner in front on the right, the other player on the left; in a draw both play
    // their third animation facing each other (hero 2 is drawn the other way round).
    const bool egalite = idMenu == IdMenu::EXAEQUO_MANCHE;
    const int premier = gagnant == 1 ? 1 : 0;
    const struct {
        int joueur;
        float x, y;
        int anim;
        int miroir;
    } poses[2] = {
        {premier, fx + 800, fy + 320, egalite ? 2 : 0, egalite && heros[premier] == 2 ? -1 : 1},
        {1 - premier, fx - 60, fy + 290, egalite ? 2 : 1, !egalite || heros[1 - premier] == 2 ? 1 : -1},
    };
    for (const auto& p : poses) {
        if (!herosValide(heros[p.joueur]))
            continue;
        CSPRITE3& a = animsVictoire[2 * heros[p.joueur] + p.joueur];
        a.miroir = p.miroir;
        a.play();
        a.bBoucle = true;
        if (fenetre) {
            const sf::Vector2f origine = a.getOrigineGlobaleCourante();
            a.dessinerOmbre(fenetre, 0, faceJeu::affichage()->pRenderTextureOmbre, origine.x, origine.y, nullptr, 1.0f, p.x, p.y, p.anim,
                            0, sf::Transform());
            a.dessiner(fenetre, 0, 0, 0, nullptr, 1.0f, p.x, p.y, p.anim);
        }
        a.update(nullptr, 1.0f, p.x, p.y, p.anim);
    }

    // One line per player; players beyond the second have no hero of their own and repeat
    // the line before.
    const int nbJoueurs = std::clamp(o.nbJoueurs[0], 0, NB_JOUEURS_MAX);
    const int manches = std::clamp(o.manches, 0, ETOILES_MAX);
    sf::String ligne;
    sf::Color couleur;
    for (int i = 0; i < nbJoueurs; ++i) {
        if (i < 2) {
            ligne = nom(i) + (francais ? L" :" : L":");
            couleur = i == 0 ? sf::Color(200, 100, 100, 255) : sf::Color(100, 100, 200, 255);
        }
        const float y = fy + 80 + 28.0f * i;
        texte(fenetre, ligne, fx + 70, y, 16, couleur);
        const int gagnees = std::clamp(faceJeu::partie()->manchesGagnees[i], 0, ETOILES_MAX);
        const int yIcone = fondY + 86 + 28 * i;
        for (int k = 0; k < std::max(gagnees, manches); ++k)
            if (fenetre) {
                CSPRITE_SIMPLE& etoile = k < gagnees ? spriteEtoile : spriteEtoileVide;
                etoile.setScale(1, 1);
                etoile.placer(fondX + 280 + 34 * k, yIcone);
                etoile.dessiner(*fenetre);
            }
        const int perdus = std::clamp(faceJeu::partie()->paralysie[i], 0, CLONES_PERDUS_MAX);
        for (int k = 0; k < perdus && fenetre; ++k) {
            spriteMort.setScale(1, 1);
            spriteMort.placer(fondX + 470 + 32 * k, yIcone);
            spriteMort.dessiner(*fenetre);
        }
    }
    if (fenetre)
        faceJeu::services()->dessinerIconesJoueurs(*fenetre);
}
