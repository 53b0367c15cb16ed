#pragma once
// Image control (a picture from a file or a program sprite, with zoom, scroll, grid and the
// drag delta the editors read) and zone control (a user-movable, user-resizable outline).
//
// View mapping of the image control when the picture keeps its own size
// (setDimensionImage(true)): the control point (x, y), relative to its top-left corner,
// shows the image point (x / zoom + scrollX, y / zoom + scrollY). Otherwise the picture is
// stretched over the control (uniformly with setKeepRatio) and the zoom is not applied.
#include "gui/CPLUXControl.h"

#include <SFML/Graphics.hpp>

#include <string>

class CPLUXControlImage : public CPLUXControl {
public:
    static constexpr float ZOOM_MIN = 0.05f;
    static constexpr float ZOOM_MAX = 50.f;
    static constexpr float PAS_ZOOM = 1.1f;

    Genre getGenre() const override { return GENRE_IMAGE; }

    // Loads the picture through the shared texture cache; a missing file shows nothing.
    void setImage(const std::string& path);
    // Draws the program's sprite (its texture and texture rectangle); not owned.
    void setImage(sf::Sprite* sprite);
    // Remembers the path for refresh(); "" forgets it.
    void setPathImage(const std::string& path) { chemin_ = path; }
    const std::string& getPathImage() const { return chemin_; }
    void removeImage();
    // Reloads the picture from the remembered path (the file may have changed on disk).
    void refresh();
    void setDimensionImage(bool keepOwnSize = true) { tailleReelle_ = keepOwnSize; }
    bool isDimensionImage() const { return tailleReelle_; }
    void setKeepRatio(bool k) { garderRatio_ = k; }
    bool isKeepRatio() const { return garderRatio_; }
    bool hasImage() const;
    // Size of the picture in image pixels, (0, 0) without one.
    sf::Vector2f getImageSize() const;

    // Zoom, clamped to [ZOOM_MIN, ZOOM_MAX]; NaN keeps the lower bound.
    void setScale(float s);
    float getScale() const { return zoom_; }
    int getScrollX() const { return scrollX_; }
    int getScrollY() const { return scrollY_; }
    // Scroll offset in image pixels, kept inside the picture.
    void setScroll(int x, int y);

    void setGrid(bool g) { grille_ = g; }
    bool isGrid() const { return grille_; }
    void setGridCellSize(float s) { if (s > 0.f) tailleCase_ = s; }
    float getGridCellSize() const { return tailleCase_; }
    // True: neither the wheel nor a drag changes the view (the dialog does it).
    void setZoomMove(bool z) { zoomMove_ = z; }
    bool isZoomMove() const { return zoomMove_; }

    void setColorFond(sf::Color c) { couleurFond_ = c; }

    // Screen size of one image pixel, horizontally and vertically.
    sf::Vector2f facteurAffichage() const;

    void draw(sf::RenderWindow* w, int dialogLeft, int dialogTop, CPLUXDialog* d) override;
    void dessiner(plux::Peintre& p, float ox, float oy) override;
    bool onMouseWheel(int delta, CPLUXDialog* d) override;
    bool onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) override;
    void onMouseDrag(int x, int y) override;

    // Zoom by one wheel step about a control point (control pixels).
    void zoomerAutour(int delta, sf::Vector2f pointControle);

private:
    const sf::Texture* texture() const;
    sf::IntRect rectSource() const;
    void dessinerImage(sf::RenderWindow& w, sf::FloatRect ecran);
    void dessinerGrille(sf::RenderWindow& w, sf::FloatRect ecran);
    void dessinerBarres(plux::Peintre& p, sf::FloatRect ecran);
    void bornerScroll();

    std::string chemin_;
    const sf::Texture* textureFichier_ = nullptr;
    sf::Sprite* spriteProgramme_ = nullptr;
    bool tailleReelle_ = false;
    bool garderRatio_ = false;
    float zoom_ = 1.f;
    int scrollX_ = 0;
    int scrollY_ = 0;
    // Sub-pixel remainder of drag scrolling, so slow drags still scroll.
    sf::Vector2f resteScroll_;
    bool grille_ = false;
    float tailleCase_ = 16.f;
    bool zoomMove_ = false;
    sf::Vector2i dernierGlisse_;
    sf::Color couleurFond_ = sf::Color(200, 203, 208);
};

class CPLUXControlZone : public CPLUXControl {
public:
    // Side of the corner square, the only place a drag resizes the zone. It lies inside the
    // zone's bottom right corner when the zone is more than twice as wide and high, so that the
    // zone's middle still moves it; a smaller zone has it just past that corner.
    static constexpr int BORD_SAISIE = 6;

    CPLUXControlZone();
    Genre getGenre() const override { return GENRE_ZONE; }
    // The pixels the zone is drawn on, from its dialog's corner: its rectangle's edges rounded
    // to the nearest pixel, one pixel at least (a rectangle may be smaller than a pixel). A
    // press on any of them takes it.
    sf::IntRect pixels() const;
    // The corner square, in the same pixels (drawn and taken only when the zone is resizable).
    sf::IntRect poignee() const;
    bool contient(int x, int y) const override;
    int modeRedimension(float x, float y) const override;
    void setLineThickness(float e) { epaisseur_ = e < 0.f ? 0.f : e; }
    float getLineThickness() const { return epaisseur_; }
    void setColor(sf::Color c) { couleur_ = c; }
    sf::Color getColor() const { return couleur_; }

    void dessiner(plux::Peintre& p, float ox, float oy) override;

private:
    float epaisseur_ = 1.f;
    sf::Color couleur_ = sf::Color(255, 60, 60, 230);
};
