#pragma once
// Light sprite: one sprite instance on a definition, for the HUD, menus, one-shot effects
// and overlays. It owns the definition only when it read it itself (charger); a definition
// lent through setDEC stays its lender's.
#include <string>

class CDEC;
class CSPRITE;
namespace sf { class RenderTarget; class RenderWindow; }

class CSPRITE_SIMPLE {
public:
    CSPRITE_SIMPLE() = default;
    CSPRITE_SIMPLE(const CSPRITE_SIMPLE& autre);
    CSPRITE_SIMPLE& operator=(const CSPRITE_SIMPLE& autre);
    ~CSPRITE_SIMPLE();

    // Reads a ".dec" into a definition of its own, the sprite placed by the definition's
    // "ORIGINE" when it names one; an unreadable file leaves it empty.
    bool charger(const std::string& fichierDec);
    // Uses a definition that is already loaded, without taking it over.
    void setDEC(CDEC* banque);
    void placer(int x, int y);
    void setScale(float sx, float sy);
    float getSX() const;
    float getSY() const;
    void setFlip(bool h, bool v);
    // Draws the current image, then advances the animation; nothing without instance.
    void dessiner(sf::RenderWindow& f);
    void dessiner(sf::RenderTarget& f);
    bool estAnimee() const;
    CSPRITE* getSprite() const { return pSprite; }

    CDEC* pDEC = nullptr;
    CSPRITE* pSprite = nullptr;
    bool bCharge = false;
    bool bProprioDEC = false;

private:
    void liberer();
    void copierDe(const CSPRITE_SIMPLE& autre);
};
