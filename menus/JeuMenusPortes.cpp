// The doors that close over the game when a menu interrupts it and open again over the game,
// and the banner that names the level while they are closed.
#include "menus/JeuMenus.h"

#include "core/EtatJeu.h"
#include "core/Fichiers.h"
#include "core/Globals.h"
#include "core/Sprite.h"
#include "level/Decor.h"

#include <SFML/Graphics/RenderWindow.hpp>

namespace {

constexpr int LARGEUR_ECRAN = 1280;
constexpr int PORTES_OUVERTES = -640;
constexpr int PORTES_FERMEES = 0;
// Whole pixels per frame, not scaled by the frame rate: a transition takes 65 frames.
constexpr int PAS_PORTES = 10;

void jouer(const char* son)
{
    if (ServicesJeu* j = faceJeu::services())
        j->jouerSon(son);
}

} // namespace

// The left half at x unmirrored, the right half mirrored at 1280 - x: with a 640-wide image
// they meet in the middle at 0 and both lie off the screen at -640.
void CJeuMenus::dessinerPortes(sf::RenderWindow* fenetre, int x)
{
    if (!fenetre)
        return;
    spritePortes.setFlip(false, false);
    spritePortes.placer(x, portesY);
    spritePortes.dessiner(*fenetre);
    spritePortes.setFlip(true, false);
    spritePortes.placer(LARGEUR_ECRAN - x, portesY);
    spritePortes.dessiner(*fenetre);
    spritePortes.setFlip(false, false);
}

void CJeuMenus::ouvrirPortes(sf::RenderWindow* fenetre)
{
    if (portesX == PORTES_FERMEES)
        jouer("PORTES");
    dessinerPortes(fenetre, portesX);
    if (portesX > PORTES_OUVERTES) {
        portesX -= PAS_PORTES;
        return;
    }
    bOuverturePortes = false;
    portesX = PORTES_OUVERTES;
}

void CJeuMenus::fermerPortes(sf::RenderWindow* fenetre)
{
    if (portesX == PORTES_OUVERTES)
        jouer("PORTES");
    dessinerPortes(fenetre, portesX);
    afficherTitreNiveau(fenetre);
    if (portesX < PORTES_FERMEES) {
        portesX += PAS_PORTES;
        return;
    }
    bFermeturePortes = false;
    portesX = PORTES_FERMEES;
    jouer("PORTES_FERMETURE");
    // A puff of dust where the doors meet, shown over them until it has played once.
    if (MondeJeu* j = faceJeu::monde(); j && j->pdecor)
        j->pdecor->ajouterEffet(550, 360, 0.5f, 4.0f);
}

void CJeuMenus::portesFermees(sf::RenderWindow* fenetre)
{
    dessinerPortes(fenetre, PORTES_FERMEES);
    afficherTitreNiveau(fenetre);
    MondeJeu* j = faceJeu::monde();
    if (fenetre && j && j->pdecor)
        j->pdecor->afficherEffetsFenetre(*fenetre);
}

std::string CJeuMenus::nomNiveauJoue() const
{
    const MondeJeu* j = faceJeu::monde();
    const std::string fichier = j && j->pdecor ? j->pdecor->fichierNiveau : strNiveauCharge;
    if (fichier.empty())
        return std::string();
    const int taille = static_cast<int>(listeNiveaux.size());
    // The level the choice menu started, named as its line showed it.
    if (static_cast<unsigned>(indexNiveau) < nomsNiveaux.size() &&
        tuv::memeFichier(fichierNiveauListe(indexNiveau), fichier))
        return nomsNiveaux[static_cast<size_t>(indexNiveau)];
    // "Next level" after the last one: the demo is over, the last level still loaded.
    if (taille > 0 && indexNiveau >= taille && tuv::memeFichier(fichierNiveauListe(taille - 1), fichier))
        return std::string();
    // Loaded another way (the editor, "Charger", a level script): found in the lists.
    return nomsListes.nom(fichier, langue);
}

sf::String CJeuMenus::titreNiveau() const
{
    const bool francais = langue == "fr_";
    // Level names are UTF-8: decoded as such, never byte by byte through the locale.
    if (const std::string nom = nomNiveauJoue(); !nom.empty())
        return sf::String::fromUtf8(nom.begin(), nom.end());
    if (faceJeu::partie() && faceJeu::partie()->mode == 2)
        return francais ? L"Editeur" : L"Editor";
    return francais ? L"Fin de la démo :(" : L"End of the demo :(";
}

void CJeuMenus::afficherTitreNiveau(sf::RenderWindow* fenetre)
{
    if (fenetre) {
        spriteMulti.placer(415, 10);
        if (CSPRITE* s = spriteMulti.getSprite())
            s->setScale(1.5f, 1.0f);
        spriteMulti.dessiner(*fenetre);
    }
    texte(fenetre, titreNiveau(), 480, 38, 25, sf::Color(58, 27, 0, 255));
}
