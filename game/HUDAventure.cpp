// The adventure panel of the HUD: the player's name, the current weapon's details for a
// while after it changes or fires, the row of owned weapons, the ammunition; or, for a
// ship, its name and life bar.
#include "game/HUD.h"

#include "characters/Armes.h"
#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Texte.h"
#include "game/Jeu.h"
#include "level/Decor.h"
#include "menus/JeuMenus.h"

#include <SFML/Graphics/RenderTarget.hpp>

namespace {

constexpr float LARGEUR_NOM = 93.0f;

// Slots 13 to 15 share the icons of slots 6 to 8.
std::string nomIconeAventure(int slot)
{
    if (slot >= 0 && slot <= 12)
        return "ARME" + tuv::itos(slot + 1);
    if (slot >= 13 && slot <= 15)
        return "ARME" + tuv::itos(slot - 6);
    return "";
}

const CArme* armeDuSlot(const SlotArme& slot)
{
    CSFMLJeu* jeu = CSFMLJeuGlobal::pmonjeu;
    if (!jeu || !jeu->parmes || slot.numero < 0 || slot.numero >= static_cast<int>(jeu->parmes->armes.size()))
        return nullptr;
    return jeu->parmes->armes[slot.numero];
}

} // namespace

// The current slot exists: the details and the ammunition of both panels need it.
bool CSFMLJeuHUD::slotValide(const CPerso& p)
{
    return p.armeCourante >= 0 && p.armeCourante < p.nbarmesperso &&
           p.armeCourante < static_cast<int>(p.armes.size()) && p.armes[p.armeCourante];
}

void CSFMLJeuHUD::dessinerDetailsArme(sf::RenderTarget& f, const CPerso& p, const std::string& icone, float dx)
{
    if (!slotValide(p))
        return;
    const SlotArme& slot = *p.armes[p.armeCourante];
    if (!icone.empty()) {
        dessinerIcone(f, icone, 53 + dx, 57, 1);
        // A weapon number outside the list has neither name nor damage to show.
        if (const CArme* arme = armeDuSlot(slot)) {
            texte(f, arme->nomPour(faceJeu::enAnglais()), 88 + dx, 40);
            dessinerSprite(f, spriteDegats, 168 + dx, 52, 0.5f, 0.5f);
            texte(f, tuv::itos(arme->degats), 208 + dx, 65);
        }
    }
    texte(f, "x " + tuv::itos(slot.munitions), 88 + dx, 65);
}

int CSFMLJeuHUD::dessinerAventure(sf::RenderTarget& f)
{
    CSFMLJeu& jeu = *CSFMLJeuGlobal::pmonjeu;
    CDecor& decor = *jeu.pdecor;
    const float px = static_cast<float>(panneauX), py = static_cast<float>(panneauY);

    if (jeu.pPerso && jeu.pPerso->bVaisseau) {
        const CPerso& vaisseau = *jeu.pPerso;
        pTexte->setCharacterSize(16);
        pTexte->setFillColor(sf::Color(119, 5, 21, 255));
        texte(f, "Le Dirirazid", px + 9, py, 1.2f);
        pTexte->setFillColor(sf::Color::White);
        texte(f, "Le Dirirazid", px + 10, py + 1);
        rectangle.setOutlineColor(vaisseau.bVieInfinie ? sf::Color::White : sf::Color(128, 128, 128, 255));
        rectangle.setOutlineThickness(1);
        rectangle.setFillColor(sf::Color(0, 0, 0, 100));
        rectangle.setPosition(px + 9, py + 26);
        rectangle.setSize(sf::Vector2f(202, 8));
        f.draw(rectangle);
        rectangle.setOutlineThickness(0);
        rectangle.setFillColor(sf::Color(200, 0, 0, 180));
        rectangle.setPosition(px + 10, py + 27);
        rectangle.setSize(sf::Vector2f(static_cast<float>(vaisseau.vie), 6));
        f.draw(rectangle);
        return 0;
    }

    if (compteurArme[0] >= 1)
        dessinerSprite(f, spriteFondExt, 18, 31, 0.9f, 0.5f);
    dessinerSprite(f, spriteFond, 8, 0, 1, 0.5f);

    std::string nom = "Zeph";
    if (jeu.pMenus && jeu.pMenus->joueurActif >= 0 &&
        jeu.pMenus->joueurActif < static_cast<int>(jeu.pMenus->joueurs.size()))
        nom = jeu.pMenus->joueurs[jeu.pMenus->joueurActif];
    // The name stays left of the weapon row, whose first frame starts at x = 124.
    pTexte->setFillColor(sf::Color::White);
    texte(f, nom, 27, 7, 1.3f, LARGEUR_NOM);
    pTexte->setFillColor(sf::Color(200, 0, 0, 255));
    texte(f, nom, 27, 8, 1.2f, LARGEUR_NOM);

    if (decor.persos.empty() || !decor.persos.front())
        return 0;
    const CPerso& p = *decor.persos.front();
    const std::string icone = nomIconeAventure(p.armeCourante);

    if (compteurArme[0] >= 1) {
        dessinerDetailsArme(f, p, icone, 0);
        --compteurArme[0];
    }

    float x = 133;
    const int nbSlots = std::min(p.nbarmesperso, static_cast<int>(p.armes.size()));
    for (int i = 0; i < nbSlots; ++i) {
        const SlotArme* slot = p.armes[i];
        if (!slot || !slot->bPossedee || !(slot->munitions > 0 || slot->etatSlot >= 0))
            continue;
        if (i == p.armeCourante) {
            sf::RectangleShape cadre(sf::Vector2f(19, 19));
            cadre.setOutlineColor(sf::Color(200, 10, 10, 180));
            cadre.setOutlineThickness(1);
            cadre.setFillColor(sf::Color(0, 0, 0, 60));
            cadre.setPosition(x - 9, 10);
            f.draw(cadre);
        }
        const std::string nomIcone = nomIconeAventure(i);
        if (!nomIcone.empty()) {
            if (i == armePulsation) {
                if (compteurPulsation < 1) {
                    armePulsation = -1;
                } else {
                    phasePulsation += pasPulsation;
                    if (phasePulsation >= 1 || phasePulsation <= 0)
                        pasPulsation = -pasPulsation;
                    dessinerIcone(f, nomIcone, x, 18, phasePulsation + 0.5f);
                    --compteurPulsation;
                }
            } else {
                dessinerIcone(f, nomIcone, x, 18, 0.5f);
            }
        }
        x += 20;
    }

    if (slotValide(p)) {
        pTexte->setScale(1, 1);
        texte(f, tuv::itos(p.armes[p.armeCourante]->munitions), 248, 12);
    }
    return 0;
}
