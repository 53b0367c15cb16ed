#pragma once
// The in-game HUD drawn over the scene in game and editor modes: a panel per game type
// (adventure, chrono, two-player rounds), the countdowns and start signs, and the map of
// the whole level, which also answers the editor's mouse.
#include "characters/MessagePerso.h"
#include "core/SpriteSimple.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Text.hpp>

#include <cstdint>
#include <string>

class CPerso;
struct SlotArme;
namespace sf { class RenderTarget; class RenderWindow; class Window; }

class CSFMLJeuHUD {
public:
    CSFMLJeuHUD();
    ~CSFMLJeuHUD();
    CSFMLJeuHUD(const CSFMLJeuHUD&) = delete;
    CSFMLJeuHUD& operator=(const CSFMLJeuHUD&) = delete;

    // (Re)loads the font and images and resets the panels; run at every level start and load.
    void charger();
    // The panel of the level's game type; drawing goes to the window in window pixels.
    int dessiner(sf::RenderTarget& fenetre);
    int dessinerChrono(sf::RenderTarget& fenetre);
    int dessinerAventure(sf::RenderTarget& fenetre);
    int dessinerMulti(sf::RenderTarget& fenetre);
    // The level map.
    void dessinerOverlay(sf::RenderTarget& fenetre);
    // The editor's mouse on the map; true when the mouse is over it.
    bool clicEditeur(sf::RenderWindow& fenetre);
    bool clicEditeur(const sf::Window& souris, sf::RenderTarget& cible);
    // A two-player panel's label, player from 0: French puts a blank before the colon.
    static std::string etiquetteJoueur(int joueur, bool francais);

    int32_t sourisX = 0, sourisY = 0;
    float carteX = 5, carteY = 5;
    float carteLargeur = 0, carteHauteur = 0;
    float echelleCarte = 20;
    sf::RectangleShape rectangle;
    bool bInfosVisible = true;
    bool bAttenteVisible = true;
    bool bSourisSurCarte = false;
    int32_t panneauX = 50, panneauY = 10;
    sf::Font police;
    sf::Text* pTexte = nullptr;
    int32_t compteurPulsation = 0;
    int32_t armePulsation = -1;
    float phasePulsation = 0;
    float pasPulsation = 0.08f;
    CSPRITE_SIMPLE spriteFond;
    CSPRITE_SIMPLE spriteDegats;
    CSPRITE_SIMPLE spriteFondExt;
    int32_t compteurArme[4] = {0, 0, 0, 0};
    CSPRITE_SIMPLE spriteClone;
    int32_t dernierChrono = 0;
    sf::Text texteCompteARebours;
    CSPRITE_SIMPLE spriteGo;
    CSPRITE_SIMPLE sprite1, sprite2, sprite3;
    CSPRITE_SIMPLE spritePret;
    // Round countdown in frames, armed by level start and load; below -29 once the round runs.
    int32_t compteurDepart = -30;

private:
    static bool slotValide(const CPerso& p);
    void texteOmbre(sf::RenderTarget& f, const std::string& chaine, float x, float y, unsigned taille);
    // A text from (x, y); one wider than `largeurMax` (when given) is drawn smaller to fit it.
    void texte(sf::RenderTarget& f, const std::string& chaine, float x, float y, float echelleY = 1,
               float largeurMax = 0);
    void dessinerIcone(sf::RenderTarget& f, const std::string& nom, float x, float y, float echelle);
    void dessinerSprite(sf::RenderTarget& f, CSPRITE_SIMPLE& s, float x, float y, float ex, float ey);
    // Weapon name, damage and ammunition of a slot, shifted by dx.
    void dessinerDetailsArme(sf::RenderTarget& f, const CPerso& p, const std::string& icone, float dx);
    void compteARebours(sf::RenderTarget& f);
    void deplacerPerso(CPerso& p, float dx, float dy);
    void entrerModePerso();
};
