#pragma once
// A clickable icon grid: one image cut into equal cells, drawn in window pixels over
// the scene. The editor places one above the selected decor sprite and one above each
// character; their owners ask it which cell the mouse is on and whether it was clicked.
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>

#include <functional>
#include <string>

namespace sf { class RenderTarget; class Window; }

// The mouse as the editor gestures see it. The real mouse by default; tests replace
// the readers to script a gesture without a pointer.
struct EtatSouris {
    bool gauche = false;
    bool droit = false;
    sf::Vector2i position;  // relative to the window
};

struct SourisJeu {
    // The real reader answers from the window's events as the frame took them, as the
    // dialogs see the mouse: the device runs ahead of them (a press the dialogs have not yet
    // seen would reach the level under them). A button is down in the frame whose events
    // pressed it, even when it was let go before the frame read it: a short click is not lost.
    static std::function<EtatSouris(const sf::Window&)> lire;
    // Each event of the window, in order; pris: the dialogs took it (a press they took holds
    // nothing for the level, a release always lets go).
    static void evenement(const sf::Event& e, bool pris);
    static bool bGaucheAppuye, bDroitAppuye;  // pressed by an event of this frame
    // Left Control and left Shift held when a button of this frame went down: a gesture whose
    // keys were let go before the frame read them still counts.
    static bool bCtrlAuClic, bShiftAuClic;
    static void debutImage() { bGaucheAppuye = bDroitAppuye = bCtrlAuClic = bShiftAuClic = false; }
    // The game's left Control and left Shift flags, sampled once per frame by its input, or
    // held at a press of this frame.
    static std::function<bool()> ctrlGauche;
    static std::function<bool()> shiftGauche;
    // Back to the real mouse (forgetting its events) and the game's flags.
    static void reinitialiser();
};

class CMenuImage {
public:
    CMenuImage();

    // Reads the grid's own copy of the image.
    int charger(const std::string& fichier, int largeurCase, int hauteurCase, int x, int y);
    // The same grid on an image shared by many menus (every character's menu shows one
    // image); the texture must outlive the menu.
    int charger(const sf::Texture& partagee, int largeurCase, int hauteurCase, int x, int y);
    void setPosition(int x, int y);
    void setActif(bool actif) { bActif = actif; }
    void setIndex(int i) { index = i; }
    int getIndex() const { return index; }
    int getHauteurCase() const { return hauteurCase; }
    int getLargeurCase() const { return largeurCase; }
    // Two values the owner keeps with its grid (the editor's menu stores the camera there).
    void setValeurs(int a, int b)
    {
        valeurs[0] = a;
        valeurs[1] = b;
    }

    // Samples the mouse once: true when it lies over the image.
    bool survol(const sf::Window& fenetre);
    // Draws onto the window (any target in window pixels).
    int dessiner(sf::RenderTarget& fenetre);

    bool clicGaucheCtrl() const;
    bool clicGaucheEnCoursCtrl() const;
    bool clicDroitEnCoursCtrl() const;

    int largeurCase = 0;
    int hauteurCase = 0;
    bool bGaucheEnfonce = false;
    bool bGaucheRelache = false;
    bool bDroitEnfonce = false;
    int index = -1;
    int ligne = 0;
    int colonne = 0;
    int x = 0, y = 0;
    bool bActif = false;
    sf::Texture texture;                          // the file form's own image
    const sf::Texture* pTexturePartagee = nullptr;  // the shared form's image, not owned
    sf::Sprite sprite;
    int valeurs[2] = {0, 0};

private:
    const sf::Texture& image() const { return pTexturePartagee ? *pTexturePartagee : texture; }
    void placerGrille(int largeur, int hauteur, int px, int py);
};
