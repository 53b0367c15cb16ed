// One frame of the menu screen: the live level behind it, the scene, the doors, the
// background, the cursor, then each line after the extras its menu draws for it.
#include "menus/JeuMenus.h"

#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "level/Decor.h"
#include "level/Vue.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Lock.hpp>

namespace {

bool estChoixNiveau(int id)
{
    return id == IdMenu::CHOIX_AVENTURE || id == IdMenu::CHOIX_CHRONO || id == IdMenu::CHOIX_MULTI;
}

const sf::Color VERROU(255, 0, 0, 50);

// The pad buttons that have a key of the same letter in the menus.
bool boutonAvecTouche(sf::Uint32 c)
{
    return c == 'A' || c == 'B' || c == 'X' || c == 'Y';
}

} // namespace

// "~A" (a pad button's picture followed by its letter) becomes "[A]": the key a keyboard
// player presses for it. Other marks keep their picture.
sf::String CJeuMenus::touchesClavier(const sf::String& s)
{
    sf::String r;
    for (std::size_t i = 0; i < s.getSize(); ++i) {
        if (s[i] == '~' && i + 1 < s.getSize() && boutonAvecTouche(s[i + 1])) {
            r += sf::String("[") + s[i + 1] + sf::String("]");
            ++i;
        } else {
            r += s[i];
        }
    }
    return r;
}

void CJeuMenus::afficher(sf::RenderWindow* fenetre)
{
    if (bRevoirKillcam)
        revoirKillcam(fenetre);
    // The frame on which the replay ends shows the menu again rather than an empty window.
    if (!bRevoirKillcam)
        afficherMenu(fenetre);
}

void CJeuMenus::dessinerTexte(sf::RenderWindow* fenetre, sf::Text& t)
{
    // The keyboard's reading and the game's drawing both change the text itself (the drawing
    // replaces the "~" markers by blanks where it draws their pictures); menu lines are drawn
    // from the same text every frame and keep their markers.
    const sf::String chaine = t.getString();
    if (bClavierUtilise)
        t.setString(touchesClavier(chaine));
    const sf::String lu = t.getString();
    ServicesJeu* j = faceJeu::services();
    if (fenetre && j)
        j->dessinerTexteIcone(*fenetre, &t);
    else if (fenetre)
        fenetre->draw(t);
    if (journalTextes)
        journalTextes->push_back(
            {lu.toWideString(), t.getPosition(), t.getCharacterSize(), t.getFillColor(), t.getGlobalBounds()});
    t.setString(chaine);
}

void CJeuMenus::texte(sf::RenderWindow* fenetre, const sf::String& chaine, float x, float y, unsigned taille,
                      sf::Color couleur, float largeurMax)
{
    sf::Text t(chaine, polices[0], taille);
    t.setFillColor(couleur);
    t.setPosition(x, y);
    const sf::FloatRect bornes = t.getLocalBounds();
    if (largeurMax > 0 && bornes.left + bornes.width > largeurMax) {
        const float k = largeurMax / (bornes.left + bornes.width);
        t.setScale(k, k);
    }
    dessinerTexte(fenetre, t);
}

void CJeuMenus::afficherMenu(sf::RenderWindow* fenetre)
{
    dessinerNiveauVivant(fenetre);
    dessinerScene(fenetre);
    if (bPortesFermees) {
        if (bFermeturePortes)
            fermerPortes(fenetre);
        else
            portesFermees(fenetre);
    }
    if (fenetre && pSpriteFond)
        fenetre->draw(*pSpriteFond);
    if (fenetre && bCurseur && pSpriteCurseur && ligneActive >= 0 && ligneActive < nbLignes) {
        const LigneMenu& active = *lignes[static_cast<size_t>(ligneActive)];
        pSpriteCurseur->setPosition(static_cast<float>(active.x), static_cast<float>(active.y) - 3);
        fenetre->draw(*pSpriteCurseur);
    }
    for (int i = 0; i < nbLignes; ++i) {
        dessinerExtras(fenetre, i);
        dessinerLigne(fenetre, i);
    }
}

// Only a menu with a live level behind it ("FONDNIV") updates that level: the characters
// hold a still pose and the level plays on. Any other menu leaves the world as it stands.
void CJeuMenus::dessinerNiveauVivant(sf::RenderWindow* fenetre)
{
    MondeJeu* j = faceJeu::monde();
    if (!bFondNiv || !j || !j->pdecor)
        return;
    for (CPerso* p : j->pdecor->persos) {
        if (!p)
            continue;
        if (p->mode == EtatPerso::MORT)
            p->mourir();
        else if (p->mode == EtatPerso::VICTOIRE)
            p->victoire();
        else
            p->resetEtat();
    }
    j->pdecor->dessiner(fenetre);
    if (j->pvue)
        j->pvue->maj();
    if (CSFMLJeuGlobal::prenderTexture)
        CSFMLJeuGlobal::prenderTexture->display();
}

// Without a live level the window shows whatever the scene texture last held.
void CJeuMenus::dessinerScene(sf::RenderWindow* fenetre)
{
    sf::RenderTexture* scene = CSFMLJeuGlobal::prenderTexture;
    if (!fenetre || !scene)
        return;
    sf::Sprite image(scene->getTexture());
    sf::Lock verrou(CSFMLJeuGlobal::mutex);
    fenetre->draw(image);
}

// The picture (enlarged on the active line; in the level lists tinted red when locked),
// text 1 in the text column and text 2 400 pixels further.
void CJeuMenus::dessinerLigne(sf::RenderWindow* fenetre, int i)
{
    LigneMenu& l = *lignes[static_cast<size_t>(i)];
    const bool active = i == ligneActive;
    const float x = static_cast<float>(l.x), y = static_cast<float>(l.y);
    float colonne = x + 40;
    if (l.pSprite) {
        l.pSprite->setScale(active ? 1.1f : 1.0f, active ? 1.1f : 1.0f);
        l.pSprite->setPosition(active ? x + 33 : x + 40, active ? y - 4 : y);
        // Only the level lists' pictures stand for levels with a record.
        if (estChoixNiveau(idMenu) && i >= 1 && i - 1 < static_cast<int>(scores.size()) && scores[static_cast<size_t>(i - 1)])
            l.pSprite->setColor(scores[static_cast<size_t>(i - 1)]->bDebloque ? sf::Color::White : VERROU);
        if (fenetre)
            fenetre->draw(*l.pSprite);
        colonne = x + 200;
    }
    if (l.pTexte1) {
        l.pTexte1->setFillColor(active ? couleurLigneActive : l.couleur);
        l.pTexte1->setPosition(colonne, y);
        dessinerTexte(fenetre, *l.pTexte1);
        colonne += 400;
    }
    if (l.pTexte2) {
        l.pTexte2->setPosition(colonne, y);
        dessinerTexte(fenetre, *l.pTexte2);
    }
}

// What the menu shows besides its lines, before line i. An extra of every line is drawn
// again before each one, at the same place: it stays over the lines before it.
void CJeuMenus::dessinerExtras(sf::RenderWindow* fenetre, int i)
{
    switch (idMenu) {
    case IdMenu::PRINCIPAL:
        extraJoueurActif(fenetre);
        break;
    case IdMenu::OPTIONS:
    case IdMenu::PAUSE:
    case IdMenu::PAUSE_AVENTURE:
        extraVolumes(fenetre);
        break;
    case IdMenu::INVENTAIRE:
        extraInventaire(fenetre);
        break;
    case IdMenu::VICTOIRE:
        if (i == 0)
            extraVictoire(fenetre);
        break;
    case IdMenu::NOUVEAU_JOUEUR:
        if (ligneActive == 1 && !bSaisieTerminee)
            extraNouveauJoueur(fenetre);
        break;
    case IdMenu::ATTENTE:
        afficherTitreNiveau(fenetre);
        break;
    case IdMenu::CHOIX_AVENTURE:
    case IdMenu::CHOIX_CHRONO:
    case IdMenu::CHOIX_MULTI:
        extraChoixNiveau(fenetre, i);
        break;
    case IdMenu::OPTIONS_MULTI:
        for (int ligne = 0; ligne < nbLignes; ++ligne)
            extraOptionsMulti(fenetre, ligne);
        break;
    case IdMenu::VICTOIRE_MANCHE:
    case IdMenu::VICTOIRE_PARTIE:
    case IdMenu::EXAEQUO_MANCHE:
        if (i == 0)
            messageFinPartie(fenetre);
        break;
    default:
        break;
    }
}
