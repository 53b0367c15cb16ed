// The two-player panel of the HUD: the round countdown, then one panel per player along
// the top edge with its label, rounds won, weapon and power gauge.
#include "game/HUD.h"

#include "characters/OptionsMulti.h"
#include "characters/Perso.h"
#include "core/Globals.h"
#include "core/Texte.h"
#include "game/Jeu.h"
#include "level/Decor.h"
#include "menus/JeuMenus.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>

namespace {

std::string nomIconeMulti(int slot) { return slot >= 0 && slot <= 8 ? "ARME" + tuv::itos(slot + 1) : ""; }

float largeurPanneau(int nbJoueurs)
{
    switch (nbJoueurs) {
    case 3: return 420;
    case 4: return 310;
    default: return 950;
    }
}

const sf::Color COULEURS_JOUEURS[4] = {
    sf::Color(200, 0, 0, 255), sf::Color(0, 0, 200, 255), sf::Color(0, 200, 0, 255), sf::Color(200, 200, 0, 255)};

// Rounds beyond this many would run under the power gauge.
constexpr int MANCHES_AFFICHEES = 9;

} // namespace

std::string CSFMLJeuHUD::etiquetteJoueur(int joueur, bool francais)
{
    return (francais ? "J" : "P") + tuv::itos(joueur + 1) + (francais ? " :" : ":");
}

// 3, 2, 1, go. The count is armed in frames of the running rate; its steps are compared in
// frames of 30 per second (the count scaled by the rate coefficient), so that the sequence
// lasts three seconds at 30 and at 60 frames per second.
void CSFMLJeuHUD::compteARebours(sf::RenderTarget& f)
{
    CSFMLJeu& jeu = *CSFMLJeuGlobal::pmonjeu;
    const float k = jeu.framerateCoeff > 0 ? jeu.framerateCoeff : 1.0f;
    auto echelle = [k](int n) { return static_cast<int>(std::floor(n * k)); };
    const int c = echelle(compteurDepart);
    if (c < -29)
        return;
    // At 60 frames per second a step spans two frames: it happens on the last of them.
    const bool nouveau = echelle(compteurDepart - 1) != c;
    CSPRITE_SIMPLE* chiffres[3] = {&sprite1, &sprite2, &sprite3};
    if (c == 90 || c == 60 || c == 30) {
        if (nouveau) {
            CSPRITE_SIMPLE& s = *chiffres[c / 30 - 1];
            s.setScale(1, 1);
            s.placer(640, 360);
            jeu.secouerCamera(6, 2);
        }
    } else if (c >= 1 && c <= 89) {
        CSPRITE_SIMPLE& s = *chiffres[(c - 1) / 30];
        const float pas = 0.025f * k;
        dessinerSprite(f, s, 640, 360, s.getSX() - pas, s.getSY() - pas);
    } else if (c == 0) {
        if (nouveau) {
            spriteGo.placer(640, 360);
            jeu.secouerCamera(6, 2);
        }
    } else if (c < 0) {
        const float e = (1 - c) * 0.07f;
        dessinerSprite(f, spriteGo, 640, 360, e, e);
    }
    --compteurDepart;
}

int CSFMLJeuHUD::dessinerMulti(sf::RenderTarget& f)
{
    CSFMLJeu& jeu = *CSFMLJeuGlobal::pmonjeu;
    CDecor& decor = *jeu.pdecor;
    compteARebours(f);
    pTexte->setCharacterSize(14);

    const int nbJoueurs = std::clamp(jeu.pOptionsMulti ? jeu.pOptionsMulti->nbJoueurs[0] : 2, 1, 4);
    const int manches = std::clamp(jeu.pOptionsMulti ? jeu.pOptionsMulti->manches : 3, 0, MANCHES_AFFICHEES);
    const float largeur = largeurPanneau(nbJoueurs);
    const bool francais = jeu.pMenus && jeu.pMenus->langue == "fr_";

    for (int n = 0; n < nbJoueurs; ++n) {
        const float x0 = 8 + n * (largeur + 7);
        const std::string label = etiquetteJoueur(n, francais);
        pTexte->setFillColor(sf::Color::White);
        texte(f, label, x0 + 19, 7, 1.3f);
        pTexte->setFillColor(COULEURS_JOUEURS[n]);
        if (compteurArme[n] >= 1)
            dessinerSprite(f, spriteFondExt, x0 + 10, 31, 0.9f, 0.5f);
        dessinerSprite(f, spriteFond, x0, 0, 1, 0.5f);
        texte(f, label, x0 + 20, 12);

        if (jeu.pMenus) {
            const int gagnees = std::clamp(jeu.manchesGagnees[n], 0, MANCHES_AFFICHEES);
            for (int i = 0; i < gagnees; ++i)
                dessinerSprite(f, jeu.pMenus->spriteEtoile, x0 + 65 + 16 * i, 18, 0.5f, 0.5f);
            for (int i = gagnees; i < manches; ++i)
                dessinerSprite(f, jeu.pMenus->spriteEtoileVide, x0 + 65 + 16 * i, 18, 0.5f, 0.5f);
        }

        for (const CPerso* k : decor.persos) {
            if (!k || k->numJoueur != n || k->mode == 12)
                continue;
            const std::string icone = nomIconeMulti(k->armeCourante);
            if (compteurArme[n] >= 1) {
                dessinerDetailsArme(f, *k, icone, x0 - 8);
                --compteurArme[n];
            } else {
                dessinerIcone(f, icone, x0 + 155, 18, 0.5f);
                if (slotValide(*k)) {
                    pTexte->setScale(1, 1);
                    texte(f, tuv::itos(k->armes[k->armeCourante]->munitions), x0 + 170, 12);
                }
            }
            const ManetteJoueur& manette = jeu.manettes[std::clamp(k->numManette, 0, 3)];
            sf::RectangleShape jauge(sf::Vector2f(0.54f * manette.jauge, 10));
            if (manette.jauge >= 100)
                jauge.setFillColor(sf::Color(50, 200, 50, 200));
            else if (manette.bPouvoirActif)
                jauge.setFillColor(sf::Color(200, 50, 50, 200));
            else
                jauge.setFillColor(sf::Color(50, 50, 200, 200));
            jauge.setPosition(x0 + 218, 15);
            f.draw(jauge);
            if (jeu.pMenus)
                dessinerSprite(f, jeu.pMenus->spriteBarreProgression, x0 + 245, 20, 0.1f, 0.25f);
        }
    }
    return 0;
}
