#pragma once
// One plane of decor sprites: the ordered list the plane owns (first drawn at the back),
// its visibility, an optional private render texture for a blurred plane, and the editor's
// picking of the sprite under the mouse. A level world owns five of them.
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Text.hpp>

#include "level/IndexSD.h"

#include <functional>
#include <list>
#include <memory>

class CSPRITE;
class CSPRITE3;
namespace sf { class RenderTarget; class RenderTexture; class RenderWindow; }

class CCalqueSD {
public:
    CCalqueSD();
    ~CCalqueSD();
    CCalqueSD(const CCalqueSD&) = delete;
    CCalqueSD& operator=(const CCalqueSD&) = delete;

    // The private render texture of that size; on success it becomes the current target.
    bool creerTexture(unsigned largeur, unsigned hauteur);
    // Draws the plane for one pass, its sprites outside vue (level coordinates; empty: none)
    // skipped; false when the plane is hidden.
    bool dessiner(float dx, float dy, bool passe, const sf::FloatRect& vue = sf::FloatRect());
    // Sprites of a positive sub-layer are shown when it is n, hidden otherwise.
    void afficherCalque(int n);
    // Moves the sprite to the end of the list (drawn in front); the number of sprites.
    int mettreDevant(CSPRITE* sd);
    // Moves the sprite to the front of the list; the sprite now first (null when empty).
    CSPRITE* mettreDerriere(CSPRITE* sd);
    // Called with each sprite just before the plane frees it.
    using Detacheur = std::function<void(CSPRITE*)>;
    // Frees the sprites marked for deletion.
    void purger(const Detacheur& avantLiberation = {});
    // Frees every sprite.
    void vider(const Detacheur& avantLiberation = {});
    // Picks the sprite under the level point (x, y) for a plane drawn at offset (dx, dy).
    bool choisirSprite(sf::RenderWindow* fenetre, int x, int y, float dx, float dy);
    // Whether the level point (x, y) lies on that sprite of a plane drawn at (dx, dy).
    static bool spriteSousPoint(CSPRITE& sd, float x, float y, float dx, float dy);

    std::list<CSPRITE*> sprites;  // owned, in drawing order
    // Where the sprites lie, for the queries by place (collisions, overlaps, picking). Whoever
    // adds, removes, reorders or moves sprites in the middle of a frame invalidates it.
    CIndexSD index{sprites};
    CSPRITE* pSDTrouve = nullptr;
    bool bVisible = true;
    sf::Font police;
    sf::Text texte;
    std::unique_ptr<sf::RenderTexture> pRenderTexture;  // private target of a blurred plane
    sf::RenderTarget* pCible = nullptr;  // where the plane draws now; not owned
    float rayonFlou = 0;                 // blur radius; not 0: drawn blurred when shaders are on

private:
    // The target of this frame: the scene, or the private texture of a blurred plane.
    sf::RenderTarget* choisirCible();
    void dessinerSprites(sf::RenderTarget* cible, float dx, float dy, bool passe, const sf::FloatRect& vue);
    void dessinerAnime(CSPRITE3& sd, sf::RenderTarget* cible, float dx, float dy, bool passe);
    // Puts the private texture onto the scene through the blur shader.
    void composer();
};
