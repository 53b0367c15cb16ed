#include "core/LotFormes.h"

#include <SFML/Graphics/Text.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>

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

// Room for k more triangles at the end of v, written in place by triangle(): SFML's vertex
// constructors are not inline, and overlays append thousands of vertices a frame.
sf::Vertex* place(std::vector<sf::Vertex>& v, size_t k)
{
    static const sf::Vertex vierge;
    const size_t n = v.size();
    v.insert(v.end(), 3 * k, vierge);
    return v.data() + n;
}

// Writes a triangle of one colour at s, and moves s past it.
void triangle(sf::Vertex*& s, sf::Vector2f a, sf::Vector2f b, sf::Vector2f c, sf::Color couleur)
{
    s[0].position = a;
    s[1].position = b;
    s[2].position = c;
    s[0].color = s[1].color = s[2].color = couleur;
    s += 3;
}

// How far a circle's polygon may stray inside the circle, in pixels (at the middle of a side).
// A tenth also leaves the handles' and markers' polygons, centred on a pixel corner (at zoom
// 1), clear of the pixel centres, so that they are drawn by pixel rows (see enRangees).
constexpr float ECART_CERCLE = 0.1f;
constexpr size_t POINTS_CERCLE_MAX = 30, POINTS_CERCLE_MIN = 8;

} // namespace

// The animation editor's handles and mesh circles and the hierarchy markers take this count,
// 8 to 30 points by their size on screen, instead of a fixed 30: a choice made for the
// software renderer's sake, which lets their outline stray from the true circle by up to an
// eighth of a pixel (ECART_CERCLE keeps it to a tenth).
size_t CLotFormes::pointsCercle(float rayon)
{
    // A side of a regular n-gon of radius r lies r * (1 - cos(pi / n)) inside the circle.
    if (!(rayon > ECART_CERCLE))
        return POINTS_CERCLE_MIN;
    const double pi = 3.14159265358979323846;
    const double n = std::ceil(pi / std::acos(1.0 - static_cast<double>(ECART_CERCLE) / rayon));
    return n >= static_cast<double>(POINTS_CERCLE_MAX) ? POINTS_CERCLE_MAX
                                                        : std::max(POINTS_CERCLE_MIN, static_cast<size_t>(n));
}

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
    dedans_.resize(n);
    for (size_t i = 0; i < n; ++i)
        dedans_[i] = t.transformPoint(p[i]);
    const size_t debut = triangles_.size();
    const sf::Vector2f c = t.transformPoint(centre);
    if (fond.a != 0) {
        sf::Vertex* s = place(triangles_, n);
        for (size_t i = 0; i < n; ++i)
            triangle(s, c, dedans_[i], dedans_[(i + 1) % n], fond);
    }
    if (epaisseur == 0.f || contour.a == 0) {
        noterPetit(debut, c, fond, sf::Color::Transparent);
        return;
    }
    const std::vector<sf::Vector2f>& extrudes = extruder(p, n, centre, epaisseur);
    dehors_.resize(n);
    for (size_t i = 0; i < n; ++i)
        dehors_[i] = t.transformPoint(extrudes[i]);
    if (n == 4 && bandes(contour))
        return;
    // The strip joins the points to their extruded places, closed on the first point.
    sf::Vertex* s = place(triangles_, 2 * n);
    for (size_t i = 1; i <= n; ++i) {
        const size_t u = i - 1, v = i % n;
        triangle(s, dedans_[u], dehors_[u], dedans_[v], contour);
        triangle(s, dehors_[u], dedans_[v], dehors_[v], contour);
    }
    noterPetit(debut, c, fond, contour);
}

// Small shapes (handles, markers) are kept aside as well, to be drawn by pixel rows where
// the pixels they cover are known for certain (see enRangees).
void CLotFormes::noterPetit(size_t debut, sf::Vector2f centre, sf::Color fond, sf::Color contour)
{
    const size_t n = dedans_.size();
    if (triangles_.size() == debut || n > PETIT_POINTS_MAX)
        return;
    const std::vector<sf::Vector2f>& bord = contour.a != 0 ? dehors_ : dedans_;
    const auto [mx, Mx] = std::minmax_element(bord.begin(), bord.end(), [](auto a, auto b) { return a.x < b.x; });
    const auto [my, My] = std::minmax_element(bord.begin(), bord.end(), [](auto a, auto b) { return a.y < b.y; });
    if (!(Mx->x - mx->x <= PETIT_COTE_MAX && My->y - my->y <= PETIT_COTE_MAX))
        return;
    petits_.push_back({debut, triangles_.size(), pointsPetits_.size(), n, centre, fond, contour});
    pointsPetits_.insert(pointsPetits_.end(), dedans_.begin(), dedans_.end());
    if (contour.a != 0)
        pointsPetits_.insert(pointsPetits_.end(), dehors_.begin(), dehors_.end());
}

// Each point moved along the mean of its two edges' outward normals, as SFML does. Kept for
// the next polygon of the same points (markers and handles are many copies of one circle).
const std::vector<sf::Vector2f>& CLotFormes::extruder(const sf::Vector2f* p, size_t n, sf::Vector2f centre,
                                                      float epaisseur)
{
    if (epaisseurExtrudee_ == epaisseur && extrudesDe_.size() == n &&
        std::memcmp(p, extrudesDe_.data(), n * sizeof(sf::Vector2f)) == 0)
        return extrudes_;
    extrudesDe_.assign(p, p + n);
    epaisseurExtrudee_ = epaisseur;
    extrudes_.resize(n);
    for (size_t k = 0; k < n; ++k) {
        const sf::Vector2f p0 = p[(k + n - 1) % n], p1 = p[k], p2 = p[(k + 1) % n];
        sf::Vector2f n1 = normale(p0, p1), n2 = normale(p1, p2);
        if (scalaire(n1, centre - p1) > 0)
            n1 = -n1;
        if (scalaire(n2, centre - p1) > 0)
            n2 = -n2;
        const float facteur = 1.f + scalaire(n1, n2);
        // Two edges folding back on each other: SFML would divide by zero.
        const sf::Vector2f m = facteur != 0.f ? (n1 + n2) / facteur : n1;
        extrudes_[k] = p1 + m * epaisseur;
    }
    return extrudes_;
}

void CLotFormes::forme(const sf::Shape& s)
{
    const size_t n = s.getPointCount();
    points_.resize(n);
    for (size_t i = 0; i < n; ++i)
        points_[i] = s.getPoint(i);
    polygone(points_.data(), n, s.getTransform(), s.getFillColor(), s.getOutlineColor(), s.getOutlineThickness());
}

// An upright rectangle's outline as four upright bands from the same corners: the same pixel
// centres, one band each, but the software renderer fills upright rectangles along a path
// several times cheaper than the strip's long slanted triangles (the animation's frames are
// hundreds of pixels long). False, drawing nothing, for any other polygon of four points.
bool CLotFormes::bandes(sf::Color c)
{
    const sf::Vector2f *i = dedans_.data(), *o = dehors_.data();
    // Points from the top left, clockwise, and their extruded places, all on the axes.
    const bool droit = i[0].y == i[1].y && i[1].x == i[2].x && i[2].y == i[3].y && i[3].x == i[0].x &&
                       o[0].y == o[1].y && o[1].x == o[2].x && o[2].y == o[3].y && o[3].x == o[0].x &&
                       o[0].x < i[0].x && i[0].x < i[1].x && i[1].x < o[1].x && o[0].y < i[0].y &&
                       i[0].y < i[3].y && i[3].y < o[3].y;
    if (!droit)
        return false;
    sf::Vertex* s = place(triangles_, 8);
    auto bande = [&](float x0, float y0, float x1, float y1) {
        triangle(s, {x0, y0}, {x1, y0}, {x0, y1}, c);
        triangle(s, {x0, y1}, {x1, y0}, {x1, y1}, c);
    };
    bande(o[0].x, o[0].y, o[1].x, i[0].y);
    bande(o[3].x, i[3].y, o[2].x, o[3].y);
    bande(o[0].x, i[0].y, i[0].x, i[3].y);
    bande(i[1].x, i[1].y, o[1].x, i[2].y);
    return true;
}

void CLotFormes::rectangle(const sf::FloatRect& r, sf::Color c)
{
    if (c.a == 0)
        return;
    const sf::Vector2f hg(r.left, r.top), hd(r.left + r.width, r.top), bg(r.left, r.top + r.height),
        bd(r.left + r.width, r.top + r.height);
    sf::Vertex* s = place(triangles_, 2);
    triangle(s, hg, hd, bg, c);
    triangle(s, bg, hd, bd, c);
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
    // Room for every glyph at once (growing by doubling when callers append texts in turn).
    if (quads.capacity() < quads.size() + s.getSize())
        quads.reserve(std::max(2 * quads.capacity(), quads.size() + s.getSize()));
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
    // The pixel centres the bounds hold, with the margin: often none for a sliver.
    const float dx = decalage.x + 0.5f, dy = decalage.y + 0.5f;
    const float i0 = std::ceil(x0 - dx - MARGE), i1 = std::floor(x1 - dx + MARGE);
    const float j0 = std::ceil(y0 - dy - MARGE), j1 = std::floor(y1 - dy + MARGE);
    // Far from the origin a float's step of one may round back to where it was, and the
    // loops below would never end: such a triangle is kept without a look.
    constexpr float LOIN = 1 << 22;
    if (!(std::fabs(i0) < LOIN && std::fabs(i1) < LOIN && std::fabs(j0) < LOIN && std::fabs(j1) < LOIN))
        return false;
    if (i0 > i1 || j0 > j1)
        return true;
    const float aire = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    if (aire == 0)
        return true;
    const float sens = aire > 0 ? 1.f : -1.f;
    // Each edge as u x + v y + w, the signed distance to it times its length, positive inside;
    // a point within the margin outside counts as inside. A point edge excludes nothing.
    struct Bord {
        float u, v, w, seuil;
    };
    auto bord = [sens](sf::Vector2f p0, sf::Vector2f p1) {
        const float ex = p1.x - p0.x, ey = p1.y - p0.y;
        const float l = std::sqrt(ex * ex + ey * ey);
        const float u = -sens * ey, v = sens * ex;
        return l == 0 ? Bord{0, 0, 0, 0} : Bord{u, v, -(u * p0.x + v * p0.y), -MARGE * l};
    };
    const Bord bords[3] = {bord(a, b), bord(b, c), bord(c, a)};
    for (float i = i0; i <= i1; ++i)
        for (float j = j0; j <= j1; ++j) {
            const float px = i + dx, py = j + dy;
            bool dedans = true;
            for (const Bord& e : bords)
                dedans = dedans && e.u * px + e.v * py + e.w >= e.seuil;
            if (dedans)
                return false;
        }
    return true;
}

// Removes the triangles that draw nothing (outlines of small circles are mostly such slivers).
void elaguer(std::vector<sf::Vertex>& t, sf::Vector2f decalage)
{
    const size_t n = t.size() / 3 * 3;
    size_t garde = 0;
    for (size_t i = 0; i < n; i += 3) {
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

bool memesSommets(const std::vector<sf::Vertex>& a, const std::vector<sf::Vertex>& b)
{
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(sf::Vertex)) == 0);
}

// A small polygon as profondeur() reads it: its turn and its sides' lengths, found once per
// shape rather than again at each of its pixels.
constexpr size_t COTES_MAX = 64;
struct Convexe {
    Convexe(const sf::Vector2f* points, size_t nb) : p(points), n(nb)
    {
        float aire = 0;
        for (size_t k = 0; k < n; ++k) {
            const sf::Vector2f a = p[k], b = p[(k + 1) % n];
            aire += a.x * b.y - b.x * a.y;
        }
        sens = aire > 0 ? 1.f : -1.f;
        valide = n <= COTES_MAX;
        for (size_t k = 0; valide && k < n; ++k) {
            const sf::Vector2f a = p[k], b = p[(k + 1) % n], c = p[(k + 2) % n];
            const float ex = b.x - a.x, ey = b.y - a.y;
            l[k] = std::sqrt(ex * ex + ey * ey);
            valide = sens * (ex * (c.y - b.y) - ey * (c.x - b.x)) > 0 && l[k] != 0;
        }
    }

    // How far inside the polygon q lies: the least of its signed distances to the sides'
    // lines, positive inside. NaN for a polygon that is not strictly convex.
    float profondeur(sf::Vector2f q) const
    {
        if (!valide)
            return std::numeric_limits<float>::quiet_NaN();
        float d = std::numeric_limits<float>::infinity();
        for (size_t k = 0; k < n; ++k) {
            const sf::Vector2f a = p[k], b = p[(k + 1) % n];
            const float ex = b.x - a.x, ey = b.y - a.y;
            d = std::min(d, sens * (ex * (q.y - a.y) - ey * (q.x - a.x)) / l[k]);
        }
        return d;
    }

    const sf::Vector2f* p;
    size_t n;
    float sens = 1;
    bool valide = false;
    std::array<float, COTES_MAX> l{};
};

} // namespace

// An editor draws the same overlays frame after frame: the triangles kept from a batch already
// looked at are taken again rather than looked at anew. Large batches are not kept.
const std::vector<sf::Vertex>& CLotFormes::elaguerTriangles(sf::Vector2f decalage)
{
    for (size_t k = 0; k < elagages_.size(); ++k) {
        const Elagage& e = elagages_[k];
        if (e.decalage == decalage && memesSommets(e.avant, triangles_)) {
            std::rotate(elagages_.begin(), elagages_.begin() + static_cast<std::ptrdiff_t>(k),
                        elagages_.begin() + static_cast<std::ptrdiff_t>(k + 1));
            return elagages_.front().apres;
        }
    }
    if (triangles_.size() > SOMMETS_GARDES_MAX) {
        enRangees(decalage);
        elaguer(triangles_, decalage);
        return triangles_;
    }
    if (elagages_.size() < ELAGAGES_GARDES)
        elagages_.emplace_back();
    std::rotate(elagages_.begin(), elagages_.end() - 1, elagages_.end());
    Elagage& e = elagages_.front();
    e.decalage = decalage;
    e.avant = triangles_;
    enRangees(decalage);
    elaguer(triangles_, decalage);
    e.apres = triangles_;
    return triangles_;
}

// A small shape's triangles replaced by its pixels, in runs of rows, as upright rectangles on the
// pixels' edges, when every pixel centre about it lies clearly inside its fill, clearly inside
// its outline or clearly outside, by a margin wider than the rasteriser's rounding of the
// corners: the same pixels, each drawn once, from a few rectangles the software renderer
// fills along its fast path rather than dozens of small slanted triangles. A shape with a
// pixel centre too near one of its edges keeps its triangles.
void CLotFormes::enRangees(sf::Vector2f decalage)
{
    if (petits_.empty())
        return;
    std::vector<sf::Vertex>& sortie = rangees_;
    sortie.clear();
    size_t copie = 0;
    for (const Petit& f : petits_) {
        sortie.insert(sortie.end(), triangles_.begin() + static_cast<std::ptrdiff_t>(copie),
                      triangles_.begin() + static_cast<std::ptrdiff_t>(f.debut));
        copie = f.debut;
        if (rangees(f, decalage, sortie))
            copie = f.fin;
    }
    sortie.insert(sortie.end(), triangles_.begin() + static_cast<std::ptrdiff_t>(copie), triangles_.end());
    triangles_.swap(sortie);
}

// The runs of row j (ligne_) into the shape's runs: a run alike (same ends, same colour) to one
// reaching the row above lengthens that one down, any other starts a new run.
void CLotFormes::prolongerPlages(int j)
{
    std::vector<Plage>& plages = plages_;
    size_t k = 0, n = 0;
    for (const Plage& p : ligne_) {
        while (k < ouvertes_.size() && plages[ouvertes_[k]].debut < p.debut)
            ++k;
        const bool pareille = k < ouvertes_.size() && plages[ouvertes_[k]].debut == p.debut &&
                              plages[ouvertes_[k]].fin == p.fin && plages[ouvertes_[k]].c == p.c;
        if (pareille) {
            plages[ouvertes_[k]].j1 = j;
            ouvertes_[n++] = ouvertes_[k++];
        } else {
            plages.push_back(p);
            suivantes_.push_back(plages.size() - 1);
        }
    }
    // Those lengthened (kept in front, in x order) and the new ones, in x order too.
    ouvertes_.resize(n);
    ouvertes_.insert(ouvertes_.end(), suivantes_.begin(), suivantes_.end());
    suivantes_.clear();
    std::inplace_merge(ouvertes_.begin(), ouvertes_.begin() + static_cast<std::ptrdiff_t>(n), ouvertes_.end(),
                       [&](size_t a, size_t b) { return plages[a].debut < plages[b].debut; });
}

bool CLotFormes::rangees(const Petit& f, sf::Vector2f decalage, std::vector<sf::Vertex>& sortie)
{
    // The rasteriser rounds the corners to 1/256 of a pixel, which moves a side by less than
    // 1/256 (the sliver test above takes a wider margin, being cheap to miss).
    constexpr float MARGE = 1.f / 128;
    static_assert(PETIT_POINTS_MAX <= COTES_MAX, "a small shape's sides fit a Convexe");
    const sf::Vector2f* dedans = pointsPetits_.data() + f.points;
    const sf::Vector2f* dehors = f.contour.a != 0 ? dedans + f.n : nullptr;
    const Convexe fond(dedans, f.n), contour(dehors ? dehors : dedans, f.n);
    // The fan's centre inside, the points inside the outline: else the triangles overlap.
    if (!(fond.profondeur(f.centre) >= MARGE))
        return false;
    for (size_t k = 0; dehors && k < f.n; ++k)
        if (!(contour.profondeur(dedans[k]) >= MARGE))
            return false;
    const sf::Vector2f* bord = dehors ? dehors : dedans;
    float x0 = bord[0].x, x1 = x0, y0 = bord[0].y, y1 = y0;
    for (size_t k = 1; k < f.n; ++k) {
        x0 = std::min(x0, bord[k].x), x1 = std::max(x1, bord[k].x);
        y0 = std::min(y0, bord[k].y), y1 = std::max(y1, bord[k].y);
    }
    // Far from the origin, the floats' rounding nears the margin (and ints overflow): left
    // to the triangles.
    constexpr float LOIN = 8192;
    if (!(std::fabs(x0) < LOIN && std::fabs(x1) < LOIN && std::fabs(y0) < LOIN && std::fabs(y1) < LOIN))
        return false;
    const float dx = decalage.x + 0.5f, dy = decalage.y + 0.5f;
    const int i0 = static_cast<int>(std::ceil(x0 - dx - MARGE)), i1 = static_cast<int>(std::floor(x1 - dx + MARGE));
    const int j0 = static_cast<int>(std::ceil(y0 - dy - MARGE)), j1 = static_cast<int>(std::floor(y1 - dy + MARGE));
    // The runs of one colour, row by row; a run alike (same ends, same colour) to one of the
    // row above lengthens that one down. The runs are disjoint: their order changes no pixel.
    std::vector<Plage>& plages = plages_;
    plages.clear();
    ouvertes_.clear();  // the runs reaching the row above, in x order
    suivantes_.clear();
    for (int j = j0; j <= j1; ++j) {
        ligne_.clear();
        sf::Color courante = sf::Color::Transparent;
        int debut = i0;
        for (int i = i0; i <= i1 + 1; ++i) {
            sf::Color c = sf::Color::Transparent;
            if (i <= i1) {
                const sf::Vector2f q(static_cast<float>(i) + dx, static_cast<float>(j) + dy);
                const float d = fond.profondeur(q);
                const float e = dehors && d <= -MARGE ? contour.profondeur(q) : -1.f;
                if (std::fabs(d) < MARGE || std::fabs(e) < MARGE)
                    return false;
                c = d > 0 ? f.fond : e > 0 ? f.contour : sf::Color::Transparent;
            }
            if (c == courante)
                continue;
            if (courante.a != 0)
                ligne_.push_back({debut, i, j, j, courante});
            courante = c;
            debut = i;
        }
        prolongerPlages(j);
    }
    sf::Vertex* s = place(sortie, 2 * plages.size());
    for (const Plage& p : plages) {
        const float g = static_cast<float>(p.debut) + decalage.x, d = static_cast<float>(p.fin) + decalage.x;
        const float h = static_cast<float>(p.j0) + decalage.y, b = static_cast<float>(p.j1 + 1) + decalage.y;
        triangle(s, {g, h}, {d, h}, {g, b}, p.c);
        triangle(s, {g, b}, {d, h}, {d, b}, p.c);
    }
    return true;
}

void CLotFormes::vider(sf::RenderTarget& cible, const sf::BlendMode& mode)
{
    sf::Vector2f decalage;
    const std::vector<sf::Vertex>& dessin =
        !triangles_.empty() && pixelsUnPourUn(cible, decalage) ? elaguerTriangles(decalage) : triangles_;
    if (!dessin.empty())
        cible.draw(dessin.data(), dessin.size(), sf::Triangles, mode);
    if (lignes_.getVertexCount() > 0)
        cible.draw(lignes_, mode);
    for (LotGlyphes& l : glyphes_) {
        if (l.sommets.getVertexCount() == 0)
            continue;
        sf::RenderStates etats;
        etats.texture = &l.police->getTexture(l.taille);
        cible.draw(l.sommets, etats);
        l.sommets.clear();
    }
    triangles_.clear();
    petits_.clear();
    pointsPetits_.clear();
    lignes_.clear();
}

bool CLotFormes::estVide() const
{
    if (!triangles_.empty() || lignes_.getVertexCount() > 0)
        return false;
    for (const LotGlyphes& l : glyphes_)
        if (l.sommets.getVertexCount() > 0)
            return false;
    return true;
}
