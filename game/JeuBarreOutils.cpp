#include "game/JeuBarreOutils.h"

#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/Services.h"
#include "core/Texte.h"
#include "game/HUD.h"
#include "game/Jeu.h"
#include "gui/CPLUX.h"
#include "level/Decor.h"
#include "level/MenuImage.h"
#include "level/Vue.h"

#include <SFML/Graphics/RenderWindow.hpp>

int CSFMLJeuBarreOutils::dessiner(sf::RenderWindow& fenetre, int camX, int camY)
{
    return dessiner(static_cast<sf::RenderTarget&>(fenetre), camX, camY);
}

int CSFMLJeuBarreOutils::dessiner(sf::RenderTarget& cible, int camX, int camY)
{
    if (!jeu || !jeu->pdecor)
        return 0;
    CDecor& d = *jeu->pdecor;
    // The strip acts on decor sprites: a character's own sprite selected for the dialogs
    // (in no plane) has the character's strip.
    if (d.pSDSelection && d.pPlanSelection && d.pMenuSD)
        d.pMenuSD->dessiner(cible);
    dessinerMenuPerso(cible, jeu->pPerso.get(), camX, camY);
    dessinerMenuPerso(cible, jeu->pPersoSelection.get(), camX, camY);
    return 0;
}

void CSFMLJeuBarreOutils::dessinerMenuPerso(sf::RenderTarget& cible, CPerso* perso, int camX, int camY)
{
    const CVue* vue = jeu->pvue ? jeu->pvue : jeu->pvueJeu;
    if (!perso || !perso->menuPerso || !perso->sprite || !vue || !jeu->pdecor->pMenuSD)
        return;
    // A zoom of 0 or less cannot be divided by: the grid is not placed this frame.
    if (vue->zoom <= 0.0f)
        return;
    const float h = static_cast<float>(jeu->pdecor->pMenuSD->getHauteurCase());
    const float x = (perso->sprite->x - static_cast<float>(camX) - vue->cx) / vue->zoom;
    const float y = (perso->sprite->y - static_cast<float>(camY) - vue->cy - h) / vue->zoom;
    perso->menuPerso->setPosition(tuv::floatVersInt(x), tuv::floatVersInt(y));
    perso->menuPerso->dessiner(cible);
}

int CSFMLJeuBarreOutils::souris(sf::RenderWindow& fenetre, int camX, int camY)
{
    if (!jeu || !jeu->pdecor)
        return 0;
    CDecor& d = *jeu->pdecor;
    if (d.pMenuSD)
        d.pMenuSD->setIndex(-1);
    lacherPerso(fenetre, camX, camY);
    const bool shift = SourisJeu::shiftGauche();
    bool picking = false;  // on to the level's picking and placing
    if (jeu->pHUD && jeu->pHUD->clicEditeur(fenetre)) {
        if (!d.bGlisser && !shift)
            return 0;
        picking = d.bGlisser;
    } else if (!shift) {
        CPerso* joueur = jeu->pPerso.get();
        if ((joueur && joueur->dialoguePerso(fenetre, camX, camY)) || d.gererMenuSD(&fenetre, camX, camY) ||
            !d.bGlisser)
            return 0;
        picking = true;
    } else if (CPerso* choisi = jeu->pPersoSelection.get()) {
        if (choisi->dialoguePerso(fenetre, camX, camY))
            return 0;
        picking = d.bGlisser;
    } else {
        picking = d.bGlisser;
    }
    if (picking)
        d.souris(&fenetre, camX, camY);
    if (shift)
        choisirIA(fenetre, camX, camY);
    return 0;
}

void CSFMLJeuBarreOutils::choisirIA(sf::RenderWindow& fenetre, int camX, int camY)
{
    CDecor& d = *jeu->pdecor;
    CPerso* choisi = jeu->pPersoSelection.get();
    if (!(choisi && choisi->dialogueChoixPer(fenetre, camX, camY))) {
        // An AI standing in front of the hero is the one taken.
        auto prendre = [&](const std::list<CPerso*>& liste) {
            for (CPerso* p : liste)
                if (p && p->dialogueChoixPer(fenetre, camX, camY)) {
                    jeu->pPersoSelection = p;
                    // Its own sprite, which "Propriétés sprite IA" made the selection, stays
                    // the sprite dialogs' subject, as a decor sprite picked again does.
                    if (d.pSDSelection != p->sprite)
                        d.deselectionner();
                    return true;
                }
            return false;
        };
        if (!prendre(d.ias))
            prendre(d.persos);
    }
    CPerso* selection = jeu->pPersoSelection.get();
    if (!selection)
        return;
    // The character dialog and the script monitor show the selected character when they exist.
    if (CPLUX::getDialog("JeuDialogPerso"))
        g_services.editerPerso(selection, false);
    CPLUX::refresh("JeuDialogScripts");
}

// A grab left over from a Shift+click shorter than a frame would otherwise carry the character
// off at the next Shift+click, wherever it is.
void CSFMLJeuBarreOutils::lacherPerso(sf::RenderWindow& fenetre, int camX, int camY)
{
    CPerso* choisi = jeu->pPersoSelection.get();
    if (choisi && !SourisJeu::lire(fenetre).gauche)
        choisi->dialogueChoixPer(fenetre, camX, camY);
}
