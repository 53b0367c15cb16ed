#include "level/MenuImage.h"

#include "core/EtatJeu.h"
#include "core/Fichiers.h"
#include "core/Globals.h"
#include "core/Media.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Window/Window.hpp>
#include <SFML/Window/Mouse.hpp>

#include <algorithm>

namespace {

// The mouse as the window's events left it; before the first of them, where the device is.
struct SourisEvenements {
    bool gauche = false, droit = false;
    bool bPosition = false;
    sf::Vector2i position;
};
SourisEvenements souris;

EtatSouris lireVraieSouris(const sf::Window& fenetre)
{
    EtatSouris e;
    e.gauche = SourisJeu::bGaucheAppuye || souris.gauche;
    e.droit = SourisJeu::bDroitAppuye || souris.droit;
    e.position = souris.bPosition ? souris.position : sf::Mouse::getPosition(fenetre);
    return e;
}

bool ctrlGaucheJeu() { return SourisJeu::bCtrlAuClic || (faceJeu::partie() && faceJeu::partie()->bCtrlG); }
bool shiftGaucheJeu() { return SourisJeu::bShiftAuClic || (faceJeu::partie() && faceJeu::partie()->bShiftG); }

} // namespace

std::function<EtatSouris(const sf::Window&)> SourisJeu::lire = lireVraieSouris;
std::function<bool()> SourisJeu::ctrlGauche = ctrlGaucheJeu;
std::function<bool()> SourisJeu::shiftGauche = shiftGaucheJeu;
bool SourisJeu::bGaucheAppuye = false;
bool SourisJeu::bDroitAppuye = false;
bool SourisJeu::bCtrlAuClic = false;
bool SourisJeu::bShiftAuClic = false;

void SourisJeu::evenement(const sf::Event& e, bool pris)
{
    switch (e.type) {
    case sf::Event::MouseMoved:
        souris.position = {e.mouseMove.x, e.mouseMove.y};
        souris.bPosition = true;
        break;
    case sf::Event::MouseButtonPressed:
    case sf::Event::MouseButtonReleased: {
        souris.position = {e.mouseButton.x, e.mouseButton.y};
        souris.bPosition = true;
        const bool gauche = e.mouseButton.button == sf::Mouse::Left;
        if (!gauche && e.mouseButton.button != sf::Mouse::Right)
            break;
        bool& tenu = gauche ? souris.gauche : souris.droit;
        if (e.type == sf::Event::MouseButtonReleased) {
            tenu = false;
        } else if (!pris) {
            tenu = true;
            (gauche ? bGaucheAppuye : bDroitAppuye) = true;
        }
        break;
    }
    case sf::Event::LostFocus:
        // Its release goes to another window.
        souris.gauche = souris.droit = false;
        break;
    default:
        break;
    }
}

void SourisJeu::reinitialiser()
{
    souris = SourisEvenements();
    lire = lireVraieSouris;
    ctrlGauche = ctrlGaucheJeu;
    shiftGauche = shiftGaucheJeu;
}

CMenuImage::CMenuImage() = default;

int CMenuImage::charger(const std::string& fichier, int largeur, int hauteur, int px, int py)
{
    // A missing image leaves an empty texture: the grid then shows nothing and is never hovered.
    if (!tuv::chargerMedia(texture, fichier))
        texture = sf::Texture();
    pTexturePartagee = nullptr;
    placerGrille(largeur, hauteur, px, py);
    return 0;
}

int CMenuImage::charger(const sf::Texture& partagee, int largeur, int hauteur, int px, int py)
{
    pTexturePartagee = &partagee;
    placerGrille(largeur, hauteur, px, py);
    return 0;
}

void CMenuImage::placerGrille(int largeur, int hauteur, int px, int py)
{
    sprite.setTexture(image(), true);
    // Cells are divided by, so a size below one pixel is taken as one pixel.
    largeurCase = std::max(1, largeur);
    hauteurCase = std::max(1, hauteur);
    x = px;
    y = py;
}

void CMenuImage::setPosition(int px, int py)
{
    x = px;
    y = py;
}

bool CMenuImage::survol(const sf::Window& fenetre)
{
    if (!bActif)
        return false;
    const EtatSouris souris = SourisJeu::lire(fenetre);
    bGaucheRelache = bGaucheEnfonce && !souris.gauche;
    bGaucheEnfonce = souris.gauche;
    bDroitEnfonce = souris.droit;

    index = -1;
    // In 64 bits: a grid placed by a sprite thrown far away must not overflow the sums.
    const long long largeur = image().getSize().x;
    const long long hauteur = image().getSize().y;
    const long long mx = souris.position.x;
    const long long my = souris.position.y;
    if (!(x < mx && mx < x + largeur && y < my && my < y + hauteur))
        return false;
    if (largeurCase < 1 || hauteurCase < 1)
        return false;
    colonne = static_cast<int>((mx - x) / largeurCase);
    ligne = static_cast<int>((my - y) / hauteurCase);
    index = ligne * static_cast<int>(image().getSize().x / static_cast<unsigned>(largeurCase)) + colonne;
    return true;
}

int CMenuImage::dessiner(sf::RenderTarget& fenetre)
{
    if (!bActif)
        return 0;
    sprite.setPosition(static_cast<float>(x), static_cast<float>(y));
    fenetre.draw(sprite);
    if (index < 0)
        return 0;
    sf::RectangleShape cadre(sf::Vector2f(static_cast<float>(largeurCase - 1), static_cast<float>(hauteurCase - 1)));
    cadre.setPosition(static_cast<float>(colonne * largeurCase + x), static_cast<float>(ligne * hauteurCase + y));
    cadre.setOutlineThickness(1);
    if (bGaucheEnfonce || bDroitEnfonce) {
        cadre.setOutlineColor(sf::Color(255, 0, 0, 255));
        cadre.setFillColor(sf::Color(0, 0, 0, 128));
    } else {
        cadre.setOutlineColor(sf::Color(128, 128, 128, 128));
        cadre.setFillColor(sf::Color(0, 0, 0, 32));
    }
    fenetre.draw(cadre);
    return 0;
}

bool CMenuImage::clicGaucheCtrl() const { return bGaucheRelache && SourisJeu::ctrlGauche(); }
bool CMenuImage::clicGaucheEnCoursCtrl() const { return bGaucheEnfonce && SourisJeu::ctrlGauche(); }
bool CMenuImage::clicDroitEnCoursCtrl() const { return bDroitEnfonce && SourisJeu::ctrlGauche(); }
