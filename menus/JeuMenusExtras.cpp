// The live values that menu files cannot hold, drawn beside the menu lines: the active
// player, volume bars, the victory summary, best times, the new-player box and the
// multiplayer options.
#include "menus/JeuMenus.h"

#include "characters/Inventaire.h"
#include "characters/OptionsMulti.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Sprite.h"
#include "core/Texte.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

#include <algorithm>

namespace {

const sf::Color ORANGE(255, 180, 0, 255);
const sf::Color JAUNE_TEMPS(200, 200, 100, 255);
const sf::Color BLANC(255, 255, 255, 255);
const sf::Color ROUGE(255, 0, 0, 255);
const sf::Color GRIS_CASE(200, 200, 200, 200);
const sf::Color TRANSPARENT(255, 255, 255, 0);
// Best times of 999 or more mean "no best time".
constexpr int SANS_TEMPS = SANS_MEILLEUR_TEMPS;

// An outline-only frame, or a filled square with its outline.
void cadre(sf::RenderWindow* f, float x, float y, float l, float h, sf::Color contour, float epaisseur,
           sf::Color fond = TRANSPARENT)
{
    if (!f)
        return;
    sf::RectangleShape r({l, h});
    r.setPosition(x, y);
    r.setFillColor(fond);
    r.setOutlineColor(contour);
    r.setOutlineThickness(epaisseur);
    f->draw(r);
}

// An icon at scale 1 (or the given scale) at (x, y); nothing while it is not loaded.
void icone(sf::RenderWindow* f, CSPRITE_SIMPLE& s, int x, int y, float sx = 1, float sy = 1)
{
    if (!f || !s.getSprite())
        return;
    s.setScale(sx, sy);
    s.placer(x, y);
    s.dessiner(*f);
}

sf::String depuisUtf8(const std::string& s)
{
    return sf::String::fromUtf8(s.begin(), s.end());
}

// The volume bars of the options and pause menus.
struct Barres {
    int menu;
    float facteur, hauteur;
    sf::Vector2f effets, musique;
    sf::Vector2f echelleIcone;
    sf::Vector2i iconeEffets, iconeMusique;
};
const Barres BARRES[] = {
    {IdMenu::OPTIONS, 5.2f, 16, {620, 198}, {620, 249}, {1, 0.5f}, {880, 206}, {880, 257}},
    {IdMenu::PAUSE, 2.6f, 8, {580, 353}, {580, 378}, {0.5f, 0.25f}, {710, 357}, {710, 382}},
    {IdMenu::PAUSE_AVENTURE, 2.6f, 8, {580, 363}, {580, 388}, {0.5f, 0.25f}, {710, 367}, {710, 392}},
};

// The shop lines of a hat: ammunition, head shots, damage.
struct Boutique {
    const char* munitions;
    bool tete;
    const char* blessures;
};
const Boutique BOUTIQUE[5] = {
    {"100%", true, "100%"}, {"100%", false, "100%"}, {"125%", true, "100%"}, {"150%", true, "150%"}, {" 50%", false, " 50%"},
};

} // namespace

void CJeuMenus::extraJoueurActif(sf::RenderWindow* fenetre)
{
    sf::String chaine;
    if (joueurActif >= 0 && joueurActif < static_cast<int>(joueurs.size()))
        chaine = "(" + depuisUtf8(joueurs[static_cast<size_t>(joueurActif)]) + ")";
    else
        chaine = langue == "fr_" ? L"(Créez un nouveau joueur...)" : L"(Create new player...)";
    texte(fenetre, chaine, 680, 240, 24, BLANC);
}

void CJeuMenus::extraVolumes(sf::RenderWindow* fenetre)
{
    OptionsJeu* j = faceJeu::options();
    if (!j)
        return;
    for (const Barres& b : BARRES) {
        if (b.menu != idMenu)
            continue;
        const float volumes[2] = {std::clamp(j->volumeEffets, 0.0f, 100.0f), std::clamp(j->volumeMusique, 0.0f, 100.0f)};
        const sf::Vector2f positions[2] = {b.effets, b.musique};
        const sf::Vector2i icones[2] = {b.iconeEffets, b.iconeMusique};
        for (int k = 0; k < 2; ++k) {
            if (fenetre) {
                sf::RectangleShape barre({b.facteur * volumes[k], b.hauteur});
                barre.setPosition(positions[k]);
                barre.setFillColor(sf::Color(200, 50, 50, 200));
                barre.setOutlineThickness(0);
                fenetre->draw(barre);
            }
            icone(fenetre, spriteBarreProgression, icones[k].x, icones[k].y, b.echelleIcone.x, b.echelleIcone.y);
        }
    }
}

// The three tabs small, the current one larger; its object list on the first tab.
void CJeuMenus::extraInventaire(sf::RenderWindow* fenetre)
{
    for (int i = 0; i < 3 && i < nbLignes; ++i)
        if (lignes[static_cast<size_t>(i)]->pTexte1)
            lignes[static_cast<size_t>(i)]->pTexte1->setCharacterSize(10);
    if (ongletInventaire >= 0 && ongletInventaire < std::min(3, nbLignes) &&
        lignes[static_cast<size_t>(ongletInventaire)]->pTexte1)
        lignes[static_cast<size_t>(ongletInventaire)]->pTexte1->setCharacterSize(15);
    if (ongletInventaire == 0 && fenetre && pInventaire)
        pInventaire->dessinerListe(*fenetre, [&](sf::Text& t) { dessinerTexte(fenetre, t); });
}

void CJeuMenus::extraVictoire(sf::RenderWindow* fenetre)
{
    PartieJeu* j = faceJeu::partie();
    const float fx = static_cast<float>(fondX), fy = static_cast<float>(fondY);
    const bool francais = langue == "fr_";
    sf::String titre;
    if (const std::string nom = nomNiveauJoue(); !nom.empty())
        titre = depuisUtf8(nom) + (francais ? L" terminé avec succès !" : L" done!");
    texte(fenetre, titre, fx + 40, fy + 35, 22, ORANGE);
    icone(fenetre, spriteTemps, fondX + 70, fondY + 65);
    texte(fenetre, tuv::itos(j ? std::max(0, j->tempsNiveau) : 0), fx + 102, fy + 75, 16, JAUNE_TEMPS);
    const int etoiles = j ? std::clamp(j->nbEtoiles, 0, 3) : 0;
    for (int k = 0; k < etoiles; ++k)
        icone(fenetre, spriteEtoile, fondX + 186 + 32 * k, fondY + 81);
    if (j && j->bSansFaute)
        icone(fenetre, spriteBouclier, fondX + 266, fondY + 65);
    if (j && j->bNouveauRecord)
        texte(fenetre, francais ? L"Record battu !" : L"New best score!", fx + 340, fy + 75, 16,
              sf::Color(200, 100, 0, 255));
}

void CJeuMenus::extraNouveauJoueur(sf::RenderWindow* fenetre)
{
    if (nbLignes < 2)
        return;
    const float x = static_cast<float>(lignes[1]->x), y = static_cast<float>(lignes[1]->y);
    if (static_cast<int>(joueurs.size()) < 11) {
        // The name is typed inside the frame, 10 pixels from each side.
        cadre(fenetre, x + 340, y - 10, 125, 35, BLANC, 2);
        texte(fenetre, depuisUtf8(strNouveauJoueur), x + 350, y, 16, sf::Color(200, 200, 200, 255), 105);
    } else {
        texte(fenetre, langue == "fr_" ? L"Liste des joueurs pleine..." : L"Player list full...", x + 340, y, 20,
              sf::Color(200, 100, 0, 255));
    }
}

// A level line of the chrono list shows its best time, stars and shield; the active line
// of any list is framed.
void CJeuMenus::extraChoixNiveau(sf::RenderWindow* fenetre, int i)
{
    const LigneMenu& l = *lignes[static_cast<size_t>(i)];
    const int x = l.x, y = l.y;
    const ScoreNiveau* record =
        i >= 1 && i - 1 < static_cast<int>(scores.size()) ? scores[static_cast<size_t>(i - 1)].get() : nullptr;
    if (idMenu == IdMenu::CHOIX_CHRONO && record && record->meilleurTemps < SANS_TEMPS) {
        icone(fenetre, spriteTemps, x + 200, y + 19);
        texte(fenetre, tuv::itos(std::max(0, record->meilleurTemps)), x + 235.0f, y + 28.0f, 16, JAUNE_TEMPS);
        texte(fenetre, "(" + depuisUtf8(record->strJoueur) + ")", x + 285.0f, y + 28.0f, 16,
              sf::Color(150, 150, 150, 255));
        for (int k = 1; k <= 3; ++k)
            icone(fenetre, std::clamp(record->etoiles, 0, 3) >= k ? spriteEtoile : spriteEtoileVide,
                  x + 216 + 32 * (k - 1), y + 61);
        if (record->bBouclier)
            icone(fenetre, spriteBouclier, x + 296, y + 45);
    }
    if (i == ligneActive && (idMenu != IdMenu::CHOIX_CHRONO || record))
        cadre(fenetre, x + 33.0f, y - 4.0f, 156, 88, BLANC, 2);
}

void CJeuMenus::extraOptionsMulti(sf::RenderWindow* fenetre, int i)
{
    MondeJeu* j = faceJeu::monde();
    const COptionsMulti* o = j ? j->pOptionsMulti : nullptr;
    if (!o)
        return;
    const int y = lignes[static_cast<size_t>(i)]->y;
    const float fy = static_cast<float>(y);
    const int d = decalageOptionsMulti;
    const bool francais = langue == "fr_";
    auto ouiNon = [&](bool b) { return sf::String(b ? (francais ? "oui" : "yes") : (francais ? "non" : "no")); };
    auto valeur = [&](const sf::String& s, float x) { texte(fenetre, s, x, fy, 18, ORANGE); };
    if (i == 1 || i == 2) {
        extraPortraits(fenetre, y, i == 1 ? o->choixJ1 : o->choixJ2,
                       i == 1 ? sf::Color(255, 100, 100, 255) : sf::Color(100, 100, 255, 255));
    } else if (i == d + 1 || i == d + 4 || i == d + 5 || i == d + 7) {
        const int drapeau = i == d + 1 ? 0 : i == d + 4 ? 1 : i == d + 5 ? 2 : 3;
        valeur(ouiNon(o->drapeauxMenu[drapeau]), 700);
    } else if (i == d + 6) {
        valeur(ouiNon(o->invertolites[0]), 700);
    } else if (i == d + 2) {
        const int maximum = std::max(1, o->nbClones[1]);
        for (int k = 0; k < 4 && k < maximum; ++k)
            valeur(tuv::itos(k + 1), 700.0f + 50 * k);
        cadre(fenetre, 695.0f + 50 * (std::clamp(o->nbClones[0], 1, maximum) - 1), fy - 5, 30, 30, BLANC, 2);
    } else if (i == d + 3) {
        for (int k = 0; k < 5; ++k)
            valeur(tuv::itos(k + 1), 700.0f + 50 * k);
        cadre(fenetre, 695.0f + 50 * (std::clamp(o->manches, 1, 5) - 1), fy - 5, 30, 30, BLANC, 2);
    } else if (i == d + 8) {
        bool actives[COptionsMulti::NB_ARMES_FONTAINE];
        for (int k = 0; k < COptionsMulti::NB_ARMES_FONTAINE; ++k)
            actives[k] = o->armesFontaine[k] != 0;
        extraCases(fenetre, y, COptionsMulti::NB_ARMES_FONTAINE, actives, std::clamp(o->optionMenu, 0, 8));
    } else if (i == d + 9 || i == d + 10) {
        extraChapeau(fenetre, y, i == d + 9 ? o->reglageJ1 : o->reglageJ2);
    }
}

void CJeuMenus::extraPortraits(sf::RenderWindow* fenetre, int y, int choix, sf::Color couleurCadre)
{
    for (int k = 0; k < 4; ++k)
        icone(fenetre, vignettes[k], 695 + 120 * k, y - 50);
    cadre(fenetre, 695.0f + 120 * std::clamp(choix, 0, 3), y - 50.0f, 92, 100, couleurCadre, 4);
}

// The weapon squares: grey for an enabled weapon, red-outlined under the cursor (enabled or
// not), then the weapon pictures.
void CJeuMenus::extraCases(sf::RenderWindow* fenetre, int y, int nb, const bool* actives, int curseur)
{
    for (int k = 0; k < nb; ++k) {
        const float x = 695.0f + 60 * k;
        if (actives[k])
            cadre(fenetre, x, y - 5.0f, 50, 50, BLANC, 2, GRIS_CASE);
        if (k == curseur)
            cadre(fenetre, x, y - 5.0f, 50, 50, ROUGE, 2);
    }
    AffichageJeu* j = faceJeu::affichage();
    for (int k = 1; k <= nb && j; ++k) {
        // find, not []: a missing picture must not be added to the map as null.
        const auto it = j->overs.find("ARME" + tuv::itos(k));
        if (it == j->overs.end() || !it->second || !it->second->getSprite())
            continue;
        it->second->getSprite()->setOrigine(0, 0);
        icone(fenetre, *it->second, 700 + 60 * (k - 1), y);
    }
}

void CJeuMenus::extraChapeau(sf::RenderWindow* fenetre, int y, int chapeau)
{
    chapeau = std::clamp(chapeau, 0, 4);
    const float x = 695.0f + 60 * chapeau;
    cadre(fenetre, x, y - 5.0f, 50, 50, BLANC, 2, GRIS_CASE);
    cadre(fenetre, x, y - 5.0f, 50, 50, ROUGE, 2);
    AffichageJeu* j = faceJeu::affichage();
    for (int k = 0; k <= 4 && j; ++k) {
        const auto it = j->overs.find("CHAPEAU" + tuv::itos(k));
        if (it == j->overs.end() || !it->second || !it->second->getSprite())
            continue;
        it->second->getSprite()->setOrigine(0, 0);
        icone(fenetre, *it->second, 700 + 60 * k, y);
    }
    const bool francais = langue == "fr_";
    const Boutique& b = BOUTIQUE[chapeau];
    const sf::String oui = francais ? "oui" : "yes", non = francais ? "non" : "no";
    const float fy = static_cast<float>(y);
    texte(fenetre, sf::String(francais ? "Munitions : " : "Ammo: ") + b.munitions, 1100, fy, 10, ORANGE);
    texte(fenetre, sf::String(francais ? L"Tir à la tête : " : L"Headshot: ") + (b.tete ? oui : non), 1100, fy + 14, 10,
          ORANGE);
    texte(fenetre, sf::String(francais ? "Blessures : " : "Damage: ") + b.blessures, 1100, fy + 28, 10, ORANGE);
}
