#include "core/LotFormes.h"

#include <SFML/Graphics/Text.hpp>

#include <algorithm>
#include <cmath>

namespace {

sf::Vector2f normale(sf::Vector2f a, sf::Vector2f b)
{
    sf::Vector2f n(a.y - b.y, b.x - a.x);
    const float l = std::sqrt(n.x * n.x + n.y * n.y);
    if (l != 0.f)
        n /= l;
    return n;
}

float scalaire(sf::Vector2f a, sf::Vector2f b) { return a.x * b.x + a.y * b.y; }

void triangle(sf::VertexArray& v, sf::Vector2f a, sf::Vector2f b, sf::Vector2f c, sf::Color couleur)
{
    v.append(sf::Vertex(a, couleur));
    v.append(sf::Vertex(b, couleur));
    v.append(sf::Vertex(c, couleur));
}

} // namespace

void CLotFormes::polygone(const sf::Vector2f* p, size_t n, const sf::Transform& t, sf::Color fond,
                          sf::Color contour, float epaisseur)
{
    if (n < 3)
        return;
    // The centre of the points' bounds: SFML's fan centre, and the inside for the outline.
    sf::Vector2f mini = p[0], maxi = p[0];
    for (size_t i = 1; i < n; ++i) {
        mini.x = std::min(mini.x, p[i].x);
        mini.y = std::min(mini.y, p[i].y);
        maxi.x = std::max(maxi.x, p[i].x);
        maxi.y = std::max(maxi.y, p[i].y);
    }
    const sf::Vector2f centre((mini.x + maxi.x) / 2, (mini.y + maxi.y) / 2);
    if (fond.a != 0) {
        const sf::Vector2f c = t.transformPoint(centre);
        for (size_t i = 0; i < n; ++i)
            triangle(triangles_, c, t.transformPoint(p[i]), t.transformPoint(p[(i + 1) % n]), fond);
    }
    if (epaisseur == 0.f || contour.a == 0)
        return;
    // Each point extruded along the mean of its two edges' outward normals, as SFML does; the
    // strip joins them, closed on the first point.
    sf::Vector2f premierDedans, premierDehors, dedans, dehors;
    for (size_t i = 0; i <= n; ++i) {
        const size_t k = i % n;
        sf::Vector2f a, b;
        if (i < n) {
            const sf::Vector2f p0 = p[(k + n - 1) % n], p1 = p[k], p2 = p[(k + 1) % n];
            sf::Vector2f n1 = normale(p0, p1), n2 = normale(p1, p2);
            if (scalaire(n1, centre - p1) > 0)
                n1 = -n1;
            if (scalaire(n2, centre - p1) > 0)
                n2 = -n2;
            const float facteur = 1.f + scalaire(n1, n2);
            // Two edges folding back on each other: SFML would divide by zero.
            const sf::Vector2f m = facteur != 0.f ? (n1 + n2) / facteur : n1;
            a = t.transformPoint(p1);
            b = t.transformPoint(p1 + m * epaisseur);
            if (i == 0) {
                premierDedans = a;
                premierDehors = b;
            }
        } else {
            a = premierDedans;
            b = premierDehors;
        }
        if (i > 0) {
            triangle(triangles_, dedans, dehors, a, contour);
            triangle(triangles_, dehors, a, b, contour);
        }
        dedans = a;
        dehors = b;
    }
}

void CLotFormes::forme(const sf::Shape& s)
{
    const size_t n = s.getPointCount();
    points_.resize(n);
    for (size_t i = 0; i < n; ++i)
        points_[i] = s.getPoint(i);
    polygone(points_.data(), n, s.getTransform(), s.getFillColor(), s.getOutlineColor(), s.getOutlineThickness());
}

void CLotFormes::rectangle(const sf::FloatRect& r, sf::Color c)
{
    if (c.a == 0)
        return;
    const sf::Vector2f hg(r.left, r.top), hd(r.left + r.width, r.top), bg(r.left, r.top + r.height),
        bd(r.left + r.width, r.top + r.height);
    triangle(triangles_, hg, hd, bg, c);
    triangle(triangles_, bg, hd, bd, c);
}

void CLotFormes::ligne(sf::Vector2f a, sf::Vector2f b, sf::Color c)
{
    lignes_.append(sf::Vertex(a, c));
    lignes_.append(sf::Vertex(b, c));
}

CLotFormes::LotGlyphes& CLotFormes::lot(const sf::Font& police, unsigned taille)
{
    for (LotGlyphes& l : glyphes_)
        if (l.police == &police && l.taille == taille)
            return l;
    glyphes_.push_back({&police, taille, sf::VertexArray(sf::Triangles)});
    return glyphes_.back();
}

// sf::Text's layout in regular style: kerning, blanks, line breaks, and each glyph's box
// padded by one pixel, from the baseline of the first line.
void CLotFormes::disposer(const sf::Font& police, unsigned taille, const sf::String& s, std::vector<QuadGlyphe>& quads)
{
    const float espace = police.getGlyph(L' ', taille, false).advance;
    const float interligne = police.getLineSpacing(taille);
    float x = 0.f, y = static_cast<float>(taille);
    sf::Uint32 precedent = 0;
    for (sf::Uint32 car : s) {
        if (car == L'\r')
            continue;
        x += police.getKerning(precedent, car, taille);
        precedent = car;
        if (car == L' ' || car == L'\t' || car == L'\n') {
            if (car == L' ')
                x += espace;
            else if (car == L'\t')
                x += espace * 4;
            else {
                y += interligne;
                x = 0;
            }
            continue;
        }
        const sf::Glyph& g = police.getGlyph(car, taille, false);
        const float marge = 1.f;
        quads.push_back({x + g.bounds.left - marge, y + g.bounds.top - marge,
                         x + g.bounds.left + g.bounds.width + marge, y + g.bounds.top + g.bounds.height + marge,
                         static_cast<float>(g.textureRect.left) - marge, static_cast<float>(g.textureRect.top) - marge,
                         static_cast<float>(g.textureRect.left + g.textureRect.width) + marge,
                         static_cast<float>(g.textureRect.top + g.textureRect.height) + marge});
        x += g.advance;
    }
}

void CLotFormes::texte(const sf::Font& police, unsigned taille, sf::Color c, const sf::String& s, sf::Vector2f p)
{
    if (s.isEmpty() || c.a == 0)
        return;
    quads_.clear();
    disposer(police, taille, s, quads_);
    sf::VertexArray& v = lot(police, taille).sommets;
    for (const QuadGlyphe& q : quads_) {
        const sf::Vertex hg({p.x + q.gauche, p.y + q.haut}, c, {q.u1, q.v1});
        const sf::Vertex hd({p.x + q.droite, p.y + q.haut}, c, {q.u2, q.v1});
        const sf::Vertex bg({p.x + q.gauche, p.y + q.bas}, c, {q.u1, q.v2});
        const sf::Vertex bd({p.x + q.droite, p.y + q.bas}, c, {q.u2, q.v2});
        v.append(hg);
        v.append(hd);
        v.append(bg);
        v.append(bg);
        v.append(hd);
        v.append(bd);
    }
}

void CLotFormes::texte(const sf::Text& modele, const sf::String& s, sf::Vector2f p)
{
    if (const sf::Font* f = modele.getFont())
        texte(*f, modele.getCharacterSize(), modele.getFillColor(), s, p);
}

namespace {

// Where the target's pixel centres lie in drawing coordinates, when its view maps coordinates
// to pixels one to one (no zoom, no rotation): their offset from the half-integers.
bool pixelsUnPourUn(const sf::RenderTarget& cible, sf::Vector2f& decalage)
{
    const sf::View& v = cible.getView();
    const sf::Vector2u t = cible.getSize();
    const sf::FloatRect vp = v.getViewport();
    const sf::Vector2f taille(vp.width * static_cast<float>(t.x), vp.height * static_cast<float>(t.y));
    if (v.getRotation() != 0 || std::fabs(v.getSize().x - taille.x) > 1e-3f || std::fabs(v.getSize().y - taille.y) > 1e-3f)
        return false;
    decalage = v.getCenter() - v.getSize() / 2.f - sf::Vector2f(vp.left * static_cast<float>(t.x), vp.top * static_cast<float>(t.y));
    return true;
}

// Whether a small triangle holds no pixel centre, by a margin wider than the rasteriser's
// rounding of its corners. Such a triangle draws nothing: leaving it out changes no pixel.
// Larger triangles are kept without a look.
bool videDePixels(sf::Vector2f a, sf::Vector2f b, sf::Vector2f c, sf::Vector2f decalage)
{
    constexpr float MARGE = 1.f / 64, COTE_MAX = 4.f;
    const float x0 = std::min({a.x, b.x, c.x}), x1 = std::max({a.x, b.x, c.x});
    const float y0 = std::min({a.y, b.y, c.y}), y1 = std::max({a.y, b.y, c.y});
    if (!(x1 - x0 <= COTE_MAX && y1 - y0 <= COTE_MAX))
        return false;
    const float aire = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    if (aire == 0)
        return true;
    const float sens = aire > 0 ? 1.f : -1.f;
    // Signed distance of p to an edge, positive inside; each edge's length once, not per pixel.
    struct Bord {
        sf::Vector2f p0, e;
        float l;
    };
    auto bord = [](sf::Vector2f p0, sf::Vector2f p1) {
        const sf::Vector2f e = p1 - p0;
        return Bord{p0, e, std::sqrt(e.x * e.x + e.y * e.y)};
    };
    const Bord bords[3] = {bord(a, b), bord(b, c), bord(c, a)};
    auto dedans = [sens](const Bord& d, sf::Vector2f p) {
        if (d.l == 0)
            return true;
        return sens * (d.e.x * (p.y - d.p0.y) - d.e.y * (p.x - d.p0.x)) / d.l >= -MARGE;
    };
    const float dx = decalage.x + 0.5f, dy = decalage.y + 0.5f;
    for (float i = std::floor(x0 - dx - MARGE); i <= x1 - dx + MARGE; ++i)
        for (float j = std::floor(y0 - dy - MARGE); j <= y1 - dy + MARGE; ++j) {
            const sf::Vector2f p(i + dx, j + dy);
            if (dedans(bords[0], p) && dedans(bords[1], p) && dedans(bords[2], p))
                return false;
        }
    return true;
}

// Removes the triangles that draw nothing (outlines of small circles are mostly such slivers).
void elaguer(sf::VertexArray& t, sf::Vector2f decalage)
{
    size_t garde = 0;
    for (size_t i = 0; i + 2 < t.getVertexCount(); i += 3) {
        if (videDePixels(t[i].position, t[i + 1].position, t[i + 2].position, decalage))
            continue;
        if (garde != i) {
            t[garde] = t[i];
            t[garde + 1] = t[i + 1];
            t[garde + 2] = t[i + 2];
        }
        garde += 3;
    }
    t.resize(garde);
}

} // namespace

void CLotFormes::vider(sf::RenderTarget& cible)
{
    sf::Vector2f decalage;
    if (pixelsUnPourUn(cible, decalage))
        elaguer(triangles_, decalage);
    if (triangles_.getVertexCount() > 0)
        cible.draw(triangles_);
    if (lignes_.getVertexCount() > 0)
        cible.draw(lignes_);
    for (LotGlyphes& l : glyphes_) {
        if (l.sommets.getVertexCount() == 0)
            continue;
        sf::RenderStates etats;
        etats.texture = &l.police->getTexture(l.taille);
        cible.draw(l.sommets, etats);
        l.sommets.clear();
    }
    triangles_.clear();
    lignes_.clear();
}

bool CLotFormes::estVide() const
{
    if (triangles_.getVertexCount() > 0 || lignes_.getVertexCount() > 0)
        return false;
    for (const LotGlyphes& l : glyphes_)
        if (l.sommets.getVertexCount() > 0)
            return false;
    return true;
}
