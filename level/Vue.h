#pragma once
// A camera over a level world: which rectangle of the level the scene shows. It follows
// the player by one of nine view modes chosen by the level, eases its zoom, shakes on
// request and hands its rectangle to the scene's view.
#include <SFML/Graphics/View.hpp>

#include <functional>

class CPerso;
class CDecor;
namespace sf { class RenderTarget; }

// What one camera update reads of the game (the player, the level and the clock).
struct ContexteVue {
    CPerso* joueur = nullptr;
    CDecor* decor = nullptr;
    float framerateCoeff = 1.0f;
    int modeJeu = 1;  // 0 menu, 1 game, 2 editor
    int compteurMultiPause = 0;
    sf::RenderTarget* scene = nullptr;  // receives the view when set
    // One walk step of a character towards the group (mode 4); none when unset.
    std::function<void(CPerso&, int direction)> marcher;
};

class CVue {
public:
    CVue(int largeur, int hauteur);

    // Per-frame update from the game; -1, with nothing changed, without a player.
    int maj();
    int maj(const ContexteVue& c);
    // Adds pas to the zoom; with limiter, refuses a zoom-out that would show the whole
    // level in both directions.
    void zoomer(float pas, bool limiter);
    // One notch of the mouse wheel (sens +1 or -1): 0.1 straight onto the zoom, and in
    // the development mode a limited 0.025 step too. Never below ZOOM_MOLETTE_MIN: a zoom
    // of 0 shows nothing and a negative one turns the view over.
    void molette(float sens, bool devMode);
    static constexpr float ZOOM_MOLETTE_MIN = 0.1f;
    // Moves the zoom towards cible by pas; true once it is there.
    bool zoomVers(float cible, float pas);
    void tremblement(int duree, int amplitude);
    // The view at its zoom around the point (px, py) of a level largeurNiveau by
    // hauteurNiveau: the point in the middle across and two thirds down, so that what it
    // stands on shows under it, the view held within the level (at its left or top edge
    // when the level is smaller than the view).
    void placerAutour(float px, float py, float largeurNiveau, float hauteurNiveau);
    bool tremblementActif() const { return compteurTremblement > 0; }
    // The editor takes the level over: an auto-scrolling view stops where it is, so that the
    // author edits what he sees; the other modes go on. Play resumes with the level's mode.
    void arreterDefilement()
    {
        if (vuemode == MODE_DEFILEMENT)
            vuemode = MODE_FIXE;
    }
    static constexpr int MODE_DEFILEMENT = 1;  // scrolls right by itself; a level's default
    static constexpr int MODE_GROUPE = 4;      // frames every player
    static constexpr int MODE_FIXE = 6;        // stays where it is
    static constexpr int MODE_DIAGNOSTIC = 8;  // zooms to the characters' spread, its values on the console
    // The zoom mode 8 takes for the characters of the level: their horizontal spread over the
    // level's width, within 0.2 under the level's zoom. A start in mode 8 places the view at it.
    float zoomDiagnostic(const CDecor& decor) const;
    static constexpr int NB_MODES = 9;         // 0 to 8
    static bool modeConnu(int mode) { return mode >= 0 && mode < NB_MODES; }
    // Its rectangle, as it stands, becomes the scene's view (nothing without a scene).
    void poserSurScene(sf::RenderTarget* scene);

    // Where maj() takes the game from: the game object by default, a fixture in tests.
    static std::function<ContexteVue()> contexte;

    float x = 0;
    float y = 0;
    float hauteur;
    float largeur;
    sf::View vue;
    float zoomBase = 1.0f;
    float zoom = 1.0f;
    int vuemode = 1;
    float vitesseScroll = 18.0f;
    int phaseTremblement = 0;
    int compteurTremblement = 0;
    int amplitudeTremblement = 2;
    float sx, sy;
    float cx = 0, cy = 0;
    float decalageBaisse = 0;
    float retard = 600.0f;
    float centreX = 0, centreY = 0;
    float ecartMax = 0;
    int distanceMax = 700;
    // The point the adventure player's link line runs to: x, y, the fade value and the count
    // that chooses its colours. Nothing sets them yet: the line stays invisible.
    float pointShader[4] = {0, 0, 0, 0};

private:
    void tailleVue();
    void majDecalageBaisse(int etat);
    void garderJoueur(const ContexteVue& c, bool pousser);
    void easingZoom(bool saut, bool accroupi, float coeff);
    void suivreX(float ecart, float sens, int vitesse, float diviseur, float coeff);
    void suivreY(float v, float seuil, float Y, float coeff);
    void garderEnVue(float gauche, float droite, float heros);
    void bornerAuGroupe(const CDecor& decor);
    void mode0(const ContexteVue& c);
    void mode2(const ContexteVue& c);
    void mode3(const ContexteVue& c);
    void mode4(const ContexteVue& c);
    void mode5(const ContexteVue& c);
    void mode7(const ContexteVue& c);
    void mode8(const ContexteVue& c);
    void cadrerNiveauEntier(const ContexteVue& c);
    void trembler();
    // Mode 8's lines are on the program's one console: any camera that runs another mode
    // takes them off.
    static void effacerDiagnostic();
    static inline bool diagnosticAffiche = false;
};
