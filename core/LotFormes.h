#pragma once
// Many small shapes, lines and texts collected into a few vertex arrays and drawn together:
// drawn one by one through SFML, each costs a draw call, and an invisible fill costs its
// triangles all the same (editor overlays draw hundreds a frame). The pixels are those SFML's
// own shapes and texts would give: a shape's fill is the same fan and its outline the same
// extruded strip (or, for an upright rectangle's outline or a small shape clear of the pixel
// centres, the pixels they cover as upright rectangles), a text the same glyph quads; a fully
// transparent part is left out.
//
// What is collected is drawn by vider(), shapes first, then lines, then texts: a caller whose
// layers must overlap in another order empties the batch between them.
#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Shape.hpp>
#include <SFML/Graphics/Transform.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/String.hpp>

#include <vector>

class CLotFormes {
public:
    // A convex polygon of n points, placed by t, filled and outlined as an sf::ConvexShape of
    // those points with that transform. Fewer than 3 points draw nothing, as in SFML.
    void polygone(const sf::Vector2f* points, size_t n, const sf::Transform& t, sf::Color fond, sf::Color contour,
                  float epaisseur);
    // Any SFML shape (circle, rectangle, convex shape), as it would draw itself.
    void forme(const sf::Shape& s);
    // An axis-aligned rectangle of one colour without outline (a sf::RectangleShape's pixels).
    void rectangle(const sf::FloatRect& r, sf::Color c);
    // A one-pixel line, as CPLUX::drawLine draws it.
    void ligne(sf::Vector2f a, sf::Vector2f b, sf::Color c);
    // A text laid out as an sf::Text of that font, size and colour (regular style) at p.
    void texte(const sf::Font& police, unsigned taille, sf::Color c, const sf::String& s, sf::Vector2f p);
    void texte(const sf::Text& modele, const sf::String& s, sf::Vector2f p);

    // The point count of a circle drawn at a fixed size of rayon pixels (outline included):
    // the fewest, up to SFML's 30, whose polygon strays from the circle by a fraction of a
    // pixel. The software renderer's cost goes by triangles, and a handle of 4 pixels drawn
    // with 30 points is 90 triangles that mostly cover no pixel centre.
    static size_t pointsCercle(float rayon);

    // mode: sf::BlendNone for a batch of opaque shapes and lines only, which gives the same
    // pixels and spares the renderer reading back what lies under them.
    void vider(sf::RenderTarget& cible, const sf::BlendMode& mode = sf::BlendAlpha);
    bool estVide() const;

    // One glyph of a text laid out as sf::Text lays it (regular style): its box from the
    // text's origin, padded by a pixel as SFML pads it, and its place in the font's texture.
    struct QuadGlyphe {
        float gauche, haut, droite, bas;
        float u1, v1, u2, v2;
    };
    // Appends the glyphs of s to quads.
    static void disposer(const sf::Font& police, unsigned taille, const sf::String& s, std::vector<QuadGlyphe>& quads);

private:
    struct LotGlyphes {
        const sf::Font* police;
        unsigned taille;
        sf::VertexArray sommets;
    };
    LotGlyphes& lot(const sf::Font& police, unsigned taille);
    const std::vector<sf::Vector2f>& extruder(const sf::Vector2f* p, size_t n, sf::Vector2f centre, float epaisseur);

    // A small polygon's triangles in triangles_ [debut, fin), its n points and (with an
    // outline) their n extruded places in pointsPetits_ from points, its fan's centre.
    struct Petit {
        size_t debut, fin, points, n;
        sf::Vector2f centre;
        sf::Color fond, contour;
    };
    static constexpr size_t PETIT_POINTS_MAX = 64;
    static constexpr float PETIT_COTE_MAX = 16;
    void noterPetit(size_t debut, sf::Vector2f centre, sf::Color fond, sf::Color contour);
    void enRangees(sf::Vector2f decalage);
    bool rangees(const Petit& f, sf::Vector2f decalage, std::vector<sf::Vertex>& sortie);
    // A run of pixels of one colour over rows j0 to j1, columns debut to fin (excluded).
    struct Plage {
        int debut, fin, j0, j1;
        sf::Color c;
    };
    std::vector<Plage> plages_, ligne_;  // kept between shapes
    void prolongerPlages(int j);
    std::vector<size_t> ouvertes_, suivantes_;

    // The triangles to draw: triangles_ pruned, or those kept from the same batch drawn before.
    const std::vector<sf::Vertex>& elaguerTriangles(sf::Vector2f decalage);
    // The outline of the last polygon placed, when an upright rectangle, as four bands.
    bool bandes(sf::Color c);

    std::vector<sf::Vertex> triangles_, rangees_;
    std::vector<Petit> petits_;
    std::vector<sf::Vector2f> pointsPetits_;
    sf::VertexArray lignes_{sf::Lines};
    std::vector<LotGlyphes> glyphes_;
    std::vector<sf::Vector2f> points_;  // a shape's points, kept between calls
    std::vector<QuadGlyphe> quads_;     // a text's glyphs, likewise
    std::vector<sf::Vector2f> dedans_, dehors_;  // a polygon's points placed, and extruded
    // The outline points last extruded, from which points, by which thickness.
    std::vector<sf::Vector2f> extrudes_, extrudesDe_;
    float epaisseurExtrudee_ = 0;
    // The last batches' triangles as collected and as kept, for the pixels' place decalage;
    // the most recently used first.
    struct Elagage {
        sf::Vector2f decalage;
        std::vector<sf::Vertex> avant, apres;
    };
    static constexpr size_t ELAGAGES_GARDES = 4, SOMMETS_GARDES_MAX = 30000;
    std::vector<Elagage> elagages_;
};
