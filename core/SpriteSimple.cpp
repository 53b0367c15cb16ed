#include "core/SpriteSimple.h"

#include "core/Dec.h"
#include "core/FichierDec.h"
#include "core/Services.h"
#include "core/Sprite.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

CSPRITE_SIMPLE::CSPRITE_SIMPLE(const CSPRITE_SIMPLE& autre) { copierDe(autre); }

CSPRITE_SIMPLE& CSPRITE_SIMPLE::operator=(const CSPRITE_SIMPLE& autre)
{
    if (this != &autre) {
        liberer();
        copierDe(autre);
    }
    return *this;
}

CSPRITE_SIMPLE::~CSPRITE_SIMPLE() { liberer(); }

void CSPRITE_SIMPLE::copierDe(const CSPRITE_SIMPLE& autre)
{
    // Used by value (HUD, menu objects): a copy reads the same file again when it owned
    // its definition, or borrows the same one otherwise, so that no bank is freed twice.
    if (!autre.pSprite)
        return;
    if (autre.bProprioDEC && autre.pDEC && autre.pDEC->pFichierDEC) {
        charger(autre.pDEC->pFichierDEC->chemin);
    } else if (autre.pDEC) {
        setDEC(autre.pDEC);
    }
    if (pSprite) {
        pSprite->setScale(autre.pSprite->sx, autre.pSprite->sy);
        pSprite->setFlip(autre.pSprite->flipH != 1, autre.pSprite->flipV != 1);
        pSprite->placer(autre.pSprite->numAnim, int(autre.pSprite->x), int(autre.pSprite->y));
    }
}

void CSPRITE_SIMPLE::liberer()
{
    delete pSprite;
    pSprite = nullptr;
    if (bProprioDEC)
        delete pDEC;
    pDEC = nullptr;
    bProprioDEC = false;
    bCharge = false;
}

bool CSPRITE_SIMPLE::charger(const std::string& fichierDec)
{
    liberer();
    auto* banque = new CDEC();
    if (!banque->pFichierDEC || !banque->pFichierDEC->chargerDEC(fichierDec, banque)) {
        delete banque;
        g_services.messageBox("ATTENTION !", "Impossible de lire " + fichierDec, "");
        return false;
    }
    pDEC = banque;
    bProprioDEC = true;
    pSprite = new CSPRITE();
    pSprite->pDEC = pDEC;
    pSprite->placer(0, 0, 0);
    // The point the definition names ("ORIGINE") is where the sprite is placed; without it
    // the top-left corner is.
    const CFichierDEC& def = *pDEC->pFichierDEC;
    if (def.origineX >= 0 && def.origineY >= 0)
        pSprite->setOrigine(def.origineX, def.origineY);
    bCharge = true;
    return true;
}

void CSPRITE_SIMPLE::setDEC(CDEC* banque)
{
    liberer();
    if (!banque)
        return;
    pDEC = banque;
    bProprioDEC = false;
    pSprite = new CSPRITE();
    pSprite->pDEC = pDEC;
    if (pDEC->pFichierDEC)
        pSprite->tempsFrame = pDEC->pFichierDEC->tempsFrame;
    pSprite->placer(0, 0, 0);
    bCharge = true;
}

void CSPRITE_SIMPLE::placer(int x, int y)
{
    if (pSprite)
        pSprite->placer(-1, x, y);
}

void CSPRITE_SIMPLE::setScale(float sx, float sy)
{
    if (pSprite)
        pSprite->setScale(sx, sy);
}

float CSPRITE_SIMPLE::getSX() const { return pSprite ? pSprite->getSX() : 1.0f; }

float CSPRITE_SIMPLE::getSY() const { return pSprite ? pSprite->getSY() : 1.0f; }

void CSPRITE_SIMPLE::setFlip(bool h, bool v)
{
    if (pSprite)
        pSprite->setFlip(h, v);
}

void CSPRITE_SIMPLE::dessiner(sf::RenderWindow& f) { dessiner(static_cast<sf::RenderTarget&>(f)); }

void CSPRITE_SIMPLE::dessiner(sf::RenderTarget& f)
{
    if (!pSprite)
        return;
    pSprite->dessinerImage(f, 0, 0);
    pSprite->animer(-1);
}

bool CSPRITE_SIMPLE::estAnimee() const { return pSprite && pSprite->numFrame != 0; }
