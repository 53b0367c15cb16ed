#include "level/IndexSD.h"

#include "core/Dec.h"
#include "core/Services.h"
#include "core/SetTextures.h"
#include "core/Sprite.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>

namespace {

using Releve = CIndexSD::Releve;

// Every zone is widened by this share of the magnitudes it was computed from, and a little
// more: the queries compute in float and in another order, and the grid must never miss a
// sprite by a rounding (a float rounds by 6e-8 of the value).
constexpr double MARGE_RELATIVE = 1e-5;
constexpr double MARGE_ABSOLUE = 0.5;
// Cells of half the common zone's size: a zone covers a few of them.
constexpr float CELLULES_PAR_ZONE = 2;
// A zone over more cells than this is kept in the short list (a sky, a huge scale).
constexpr long MAX_CELLULES_PAR_ZONE = 64;
// Cells per sprite at most: a sparse level gets larger cells, not a huge grid.
constexpr std::size_t CELLULES_PAR_SPRITE = 8;
constexpr std::size_t CELLULES_MIN = 64;
// Sprites moved since the grid was built, beyond which it is built again.
constexpr std::size_t DEPLACES_MIN = 32;
constexpr std::size_t PART_DEPLACES = 16;
// The share of sprites at either end of the level whose centres may lie far out (a sprite
// parked at a million pixels): they go to the short list rather than stretch the grid.
constexpr double QUANTILE_BORD = 0.01;
// Zones beyond this many pixels from the origin stay in the short list.
constexpr double LIMITE_COORDONNEES = 1e9;
constexpr int TAILLE_FIXE = 1, BOUGE_SEUL = 2;

// Frame sizes of the bank and animation met last: sprites mostly share a few banks.
struct Tailles {
    const CDEC* banque = nullptr;
    int anim = -1;
    int frame[2] = {0, 0}, base[2] = {0, 0};

    void lire(const CSPRITE& sd)
    {
        if (banque && sd.pDEC == banque && sd.numAnim == anim)
            return;
        const CSetTextures* s = sd.getSet(sd.numAnim);
        const CSetTextures* s0 = sd.getSet(0);
        frame[0] = s ? s->largeur : 0;
        frame[1] = s ? s->hauteur : 0;
        base[0] = s0 ? s0->largeur : 0;
        base[1] = s0 ? s0->hauteur : 0;
        banque = sd.pDEC;
        anim = sd.numAnim;
    }
};

// Sprites that move or change by themselves within a frame.
bool bougeSeul(const CSPRITE& sd)
{
    return sd.bAnime || sd.pChemin || sd.pPhysE || sd.pPhysB || sd.pPhysG || sd.pPhysR || sd.pForce ||
           sd.pPhysDestruction;
}

Releve relever(const CSPRITE* sd, Tailles& tailles)
{
    Releve r{};
    if (!sd)
        return r;
    r = {sd->pDEC, sd->x, sd->y, sd->sx, sd->sy, sd->ox, sd->oy, {sd->hitbox[0], sd->hitbox[1], sd->hitbox[2], sd->hitbox[3]},
         sd->flipH, sd->flipV, sd->numAnim, sd->largeurFixe, sd->hauteurFixe, 0, 0, 0, 0,
         (sd->bTailleFixe ? TAILLE_FIXE : 0) | (bougeSeul(*sd) ? BOUGE_SEUL : 0)};
    if (sd->bTailleFixe) {
        r.frameX = r.baseX = sd->largeurFixe;
        r.frameY = r.baseY = sd->hauteurFixe;
    } else {
        tailles.lire(*sd);
        r.frameX = tailles.frame[0];
        r.frameY = tailles.frame[1];
        r.baseX = tailles.base[0];
        r.baseY = tailles.base[1];
    }
    return r;
}

// The collision query's nearness radius, computed as the query computes it.
float rayon(const Releve& r) { return std::max(float(r.frameX) * r.sx, float(r.frameY) * r.sy); }

// Where a sprite can answer a query: nothing (no query can ever find it), a rectangle, or no
// bound at all (the short list).
struct Zone {
    enum { Vide, Bornee, Infinie } sorte = Vide;
    double gauche = 0, haut = 0, droite = 0, bas = 0;

    void unir(const Zone& z)
    {
        if (z.sorte == Vide || sorte == Infinie)
            return;
        if (z.sorte == Infinie || sorte == Vide) {
            *this = z;
            return;
        }
        gauche = std::min(gauche, z.gauche);
        haut = std::min(haut, z.haut);
        droite = std::max(droite, z.droite);
        bas = std::max(bas, z.bas);
    }
};

Zone borner(double gauche, double haut, double droite, double bas, double marge)
{
    Zone z{Zone::Bornee, gauche - marge, haut - marge, droite + marge, bas + marge};
    const double loin = std::max({std::fabs(z.gauche), std::fabs(z.haut), std::fabs(z.droite), std::fabs(z.bas)});
    if (!(loin < LIMITE_COORDONNEES))
        z.sorte = Zone::Infinie;
    return z;
}

// The collision query's nearness: |p - (x, y)| < r on both axes.
Zone zoneProche(const Releve& s, float r)
{
    if (!(r > 0) || std::isnan(s.x) || std::isnan(s.y))
        return {};
    const double x = s.x, y = s.y;
    return borner(x - r, y - r, x + r, y + r, MARGE_RELATIVE * (std::fabs(x) + std::fabs(y) + r) + MARGE_ABSOLUE);
}

// The hit box the box-overlap query compares (image less the HITBOX margins, scaled); a box
// of negative width still overlaps what covers both its ends.
Zone zoneBoite(const Releve& s)
{
    const double sx = s.sx, sy = s.sy;
    const double g = double(s.hitbox[0]) * sx + s.x - sx * s.ox;
    const double h = double(s.hitbox[1]) * sy + s.y - sy * s.oy;
    const double l = (double(s.baseX) - double(s.hitbox[0]) - double(s.hitbox[2])) * sx;
    const double t = (double(s.baseY) - double(s.hitbox[1]) - double(s.hitbox[3])) * sy;
    if (std::isnan(g + l) || std::isnan(h + t))
        return {};  // no comparison with it holds
    const double ampleur = std::fabs(g) + std::fabs(h) + std::fabs(l) + std::fabs(t) + std::fabs(sx * s.ox) +
                           std::fabs(sy * s.oy) + std::fabs(double(s.x)) + std::fabs(double(s.y));
    return borner(std::min(g, g + l), std::min(h, h + t), std::max(g, g + l), std::max(h, h + t),
                  MARGE_RELATIVE * ampleur + MARGE_ABSOLUE);
}

// The image under the mouse: the frame turned about its anchor, scaled and flipped, lies
// within this distance of the anchor.
Zone zoneImage(const Releve& s)
{
    if (s.sx == 0 || s.sy == 0 || !std::isfinite(s.x) || !std::isfinite(s.y))
        return {};
    const double a = std::max(std::fabs(double(s.ox)), std::fabs(s.frameX - double(s.ox))) * std::fabs(s.sx) /
                     std::fabs(double(s.flipH));
    const double b = std::max(std::fabs(double(s.oy)), std::fabs(s.frameY - double(s.oy))) * std::fabs(s.sy) /
                     std::fabs(double(s.flipV));
    const double rayon = std::sqrt(a * a + b * b);
    const double x = s.x, y = s.y;
    // The point is brought back through the anchor: its rounding grows with the scale.
    const double echelle = std::max({1.0, std::fabs(double(s.sx)), std::fabs(double(s.sy))});
    const double marge = MARGE_RELATIVE * (rayon + (std::fabs(x) + std::fabs(y) + 1) * echelle) + MARGE_ABSOLUE;
    return borner(x - rayon, y - rayon, x + rayon, y + rayon, marge);
}

Zone zoneSprite(const Releve& s, float r)
{
    if (s.drapeaux & BOUGE_SEUL)
        return {Zone::Infinie};
    Zone z = zoneProche(s, r);
    z.unir(zoneBoite(s));
    z.unir(zoneImage(s));
    return z;
}

// The value below which a share q of the values lies, from a sample of them (reordered).
constexpr std::size_t ECHANTILLON = 1024;
float quantile(std::vector<float>& v, double q)
{
    const std::size_t pas = std::max<std::size_t>(1, v.size() / ECHANTILLON);
    std::size_t n = 0;
    for (std::size_t i = 0; i < v.size(); i += pas)
        v[n++] = v[i];
    v.resize(n);
    const auto k = static_cast<std::ptrdiff_t>(double(n - 1) * q);
    std::nth_element(v.begin(), v.begin() + k, v.end());
    return v[std::size_t(k)];
}

} // namespace

namespace {

// Floats compared by their bits: a NaN read again is the same NaN.
std::uint32_t bits(float v)
{
    std::uint32_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

} // namespace

bool CIndexSD::Releve::operator==(const Releve& r) const
{
    return banque == r.banque && bits(x) == bits(r.x) && bits(y) == bits(r.y) && bits(sx) == bits(r.sx) &&
           bits(sy) == bits(r.sy) && bits(ox) == bits(r.ox) && bits(oy) == bits(r.oy) && hitbox[0] == r.hitbox[0] &&
           hitbox[1] == r.hitbox[1] && hitbox[2] == r.hitbox[2] && hitbox[3] == r.hitbox[3] && flipH == r.flipH &&
           flipV == r.flipV && numAnim == r.numAnim && largeurFixe == r.largeurFixe &&
           hauteurFixe == r.hauteurFixe && frameX == r.frameX && frameY == r.frameY && baseX == r.baseX &&
           baseY == r.baseY && drapeaux == r.drapeaux;
}

CIndexSD::CIndexSD(const std::list<CSPRITE*>& s) : sprites(s) {}

CIndexSD::Etat CIndexSD::etat() const
{
    Etat e;
    e.courte = courte.size();
    e.grille = ordre.size() - courte.size();
    e.cellules = std::size_t(grille.nx) * std::size_t(grille.ny);
    e.reconstructions = reconstructions;
    return e;
}

// ------------------------------------------------------------------------------ upkeep

bool CIndexSD::structureInchangee() const
{
    if (sprites.size() != ordre.size())
        return false;
    return ordre.empty() || (sprites.front() == ordre.front() && sprites.back() == ordre.back());
}

bool CIndexSD::pret()
{
    const unsigned long maintenant = g_services.numeroFrame();
    if (maintenant == 0)
        return false;
    if (aJour && maintenant == image && structureInchangee())
        return true;
    // A query under way reads the arrays: the one asked from inside it walks the list.
    if (profondeur > 0)
        return false;
    // At a new frame the list is followed again only when its ends or length changed: every
    // other change of it (reorder, removal) goes through the plane or the level, which say so.
    rafraichir(!aJour);
    image = maintenant;
    aJour = true;
    return true;
}

// What moved, and what was added at the end, joins the short list; too many of them, or any
// other change of the list (a sprite gone, an order changed), build the grid again.
void CIndexSD::rafraichir(bool suivreListe)
{
    if (sprites.size() < ordre.size() || ordre.empty()) {
        reconstruire();
        return;
    }
    std::vector<std::uint32_t> nouveaux;
    const std::size_t connus = ordre.size();
    bool memeListe = true;
    if (suivreListe)
        memeListe = relireListe(nouveaux);
    else if (!structureInchangee())
        memeListe = lireAjouts(nouveaux) || relireListe(nouveaux);
    if (!memeListe) {
        reconstruire();
        return;
    }
    comparer(connus, nouveaux);
    if (nouveaux.empty())
        return;
    deplaces += nouveaux.size();
    if (deplaces > std::max(DEPLACES_MIN, ordre.size() / PART_DEPLACES)) {
        reconstruire();
        return;
    }
    std::sort(nouveaux.begin(), nouveaux.end());
    const std::size_t avant = courte.size();
    courte.insert(courte.end(), nouveaux.begin(), nouveaux.end());
    std::inplace_merge(courte.begin(), courte.begin() + std::ptrdiff_t(avant), courte.end());
}

// The same sprites in the same order as the grid was built from, then those added since.
bool CIndexSD::relireListe(std::vector<std::uint32_t>& nouveaux)
{
    Tailles tailles;
    std::uint32_t rang = 0;
    const std::size_t connus = ordre.size();
    for (CSPRITE* sd : sprites) {
        if (rang >= connus) {
            ordre.push_back(sd);
            releves.push_back(relever(sd, tailles));
            mobiles.push_back(true);
            nouveaux.push_back(rang);
        } else if (ordre[rang] != sd) {
            return false;
        }
        ++rang;
    }
    return true;
}

// Sprites appended to the list since, found from its end: the list ends with the grid's last
// sprite followed by them, and begins with its first.
bool CIndexSD::lireAjouts(std::vector<std::uint32_t>& nouveaux)
{
    if (sprites.front() != ordre.front())
        return false;
    auto it = sprites.end();
    for (std::size_t n = sprites.size() - ordre.size(); n > 0; --n)
        --it;
    if (*std::prev(it) != ordre.back())
        return false;
    Tailles tailles;
    for (; it != sprites.end(); ++it) {
        nouveaux.push_back(std::uint32_t(ordre.size()));
        ordre.push_back(*it);
        releves.push_back(relever(*it, tailles));
        mobiles.push_back(true);
    }
    return true;
}

// Each sprite of the grid read again: one whose place changed goes to the short list. The
// sprites are read from the grid's own array, their fields fetched a few sprites ahead.
void CIndexSD::comparer(std::size_t connus, std::vector<std::uint32_t>& changes)
{
    constexpr std::size_t AVANCE = 8;
    Tailles tailles;
    for (std::size_t i = 0; i < connus; ++i) {
        if (i + AVANCE < connus)
            if (const CSPRITE* s = ordre[i + AVANCE]) {
                __builtin_prefetch(&s->pDEC);
                __builtin_prefetch(&s->numAnim);
                __builtin_prefetch(&s->hitbox);
                __builtin_prefetch(&s->pPhysB);
                __builtin_prefetch(&s->pForce);
            }
        if (!mobiles[i] && !(relever(ordre[i], tailles) == releves[i])) {
            mobiles[i] = true;
            changes.push_back(std::uint32_t(i));
        }
    }
}

void CIndexSD::reconstruire()
{
    ++reconstructions;
    deplaces = 0;
    ordre.assign(sprites.begin(), sprites.end());
    releves.clear();
    mobiles.assign(ordre.size(), false);
    courte.clear();
    // Per rank: the zone's four sides (NaN: no zone), the nearness radius.
    std::vector<float> zones(ordre.size() * 4, NAN), rayons(ordre.size());
    Tailles tailles;
    for (std::size_t i = 0; i < ordre.size(); ++i) {
        releves.push_back(relever(ordre[i], tailles));
        rayons[i] = rayon(releves.back());
        const Zone z = ordre[i] ? zoneSprite(releves.back(), rayons[i]) : Zone();
        mobiles[i] = ordre[i] && z.sorte == Zone::Infinie;
        if (z.sorte == Zone::Bornee) {
            zones[4 * i] = float(z.gauche);
            zones[4 * i + 1] = float(z.haut);
            zones[4 * i + 2] = float(z.droite);
            zones[4 * i + 3] = float(z.bas);
        }
    }
    choisirGrille(zones);
    remplirGrille(zones, rayons);
}

// Bounds from the zones' centres without the farthest few, cells about half the size of the
// common zone, and no more cells than a few per sprite.
void CIndexSD::choisirGrille(const std::vector<float>& zones)
{
    grille = Grille();
    std::vector<float> cx, cy, tailles;
    for (std::size_t i = 0; i < zones.size(); i += 4) {
        if (std::isnan(zones[i]))
            continue;
        cx.push_back(zones[i] / 2 + zones[i + 2] / 2);
        cy.push_back(zones[i + 1] / 2 + zones[i + 3] / 2);
        tailles.push_back(std::max(zones[i + 2] - zones[i], zones[i + 3] - zones[i + 1]));
    }
    if (cx.empty())
        return;
    const float commune = std::max(1.0f, quantile(tailles, 0.5));
    auto bornes = [commune](std::vector<float>& v, float& debut, float& fin) {
        const float bas = quantile(v, QUANTILE_BORD), haut = quantile(v, 1 - QUANTILE_BORD);
        const float ecart = (haut - bas) / 2 + 2 * commune;
        debut = bas - ecart;
        fin = haut + ecart;
    };
    float x1 = 0, y1 = 0;
    bornes(cx, grille.x0, x1);
    bornes(cy, grille.y0, y1);
    const double largeur = double(x1) - grille.x0, hauteur = double(y1) - grille.y0;
    const double maxCellules = double(std::max(CELLULES_MIN, CELLULES_PAR_SPRITE * cx.size()));
    const double cote = std::max({double(commune / CELLULES_PAR_ZONE), std::sqrt(largeur * hauteur / maxCellules),
                                  largeur / maxCellules, hauteur / maxCellules});
    grille.cote = float(cote);
    grille.inverse = float(1 / cote);
    grille.nx = int(std::ceil(largeur / cote)) + 1;
    grille.ny = int(std::ceil(hauteur / cote)) + 1;
    grille.x1 = grille.x0 + float(grille.nx) * grille.cote;
    grille.y1 = grille.y0 + float(grille.ny) * grille.cote;
}

// Each sprite in the cells its zone covers, in list order (a counting sort); a zone out of
// the grid's bounds or over too many cells goes to the short list instead.
void CIndexSD::remplirGrille(const std::vector<float>& zones, const std::vector<float>& rayons)
{
    const std::size_t nb = std::size_t(grille.nx) * std::size_t(grille.ny);
    std::vector<int> plages(ordre.size() * 4, -1);
    grille.debuts.assign(nb + 1, 0);
    for (std::size_t i = 0; i < ordre.size(); ++i) {
        const float* z = &zones[4 * i];
        int* p = &plages[4 * i];
        if (mobiles[i] || std::isnan(z[0]))
            continue;
        if (!grille.contient(z[0], z[1], z[2], z[3]) || !grille.plage(z[0], z[2], true, p[0], p[1]) ||
            !grille.plage(z[1], z[3], false, p[2], p[3]) ||
            long(p[1] - p[0] + 1) * long(p[3] - p[2] + 1) > MAX_CELLULES_PAR_ZONE) {
            mobiles[i] = true;
            p[0] = -1;
            continue;
        }
        for (int y = p[2]; y <= p[3]; ++y)
            for (int x = p[0]; x <= p[1]; ++x)
                ++grille.debuts[std::size_t(y) * std::size_t(grille.nx) + std::size_t(x) + 1];
    }
    for (std::size_t c = 0; c < nb; ++c)
        grille.debuts[c + 1] += grille.debuts[c];
    grille.contenu.resize(grille.debuts[nb]);
    std::vector<std::uint32_t> curseur(grille.debuts.begin(), grille.debuts.end() - 1);
    for (std::size_t i = 0; i < ordre.size(); ++i) {
        if (mobiles[i])
            courte.push_back(std::uint32_t(i));
        const int* p = &plages[4 * i];
        const Case c{ordre[i], std::uint32_t(i), releves[i].x, releves[i].y, rayons[i]};
        for (int y = p[2]; p[0] >= 0 && y <= p[3]; ++y)
            for (int x = p[0]; x <= p[1]; ++x)
                grille.contenu[curseur[std::size_t(y) * std::size_t(grille.nx) + std::size_t(x)]++] = c;
    }
}

// ------------------------------------------------------------------------------ grid

// The cell of a coordinate within [debut, fin): monotonic in it, so that a point within a
// zone falls within the zone's cells.
int CIndexSD::Grille::index(float v, float debut, int n) const
{
    if (!(v > debut))
        return 0;
    return int(std::min((v - debut) * inverse, float(n - 1)));
}

int CIndexSD::Grille::cellule(float x, float y) const
{
    if (!(x >= x0 && x < x1 && y >= y0 && y < y1))
        return -1;
    return index(y, y0, ny) * nx + index(x, x0, nx);
}

// A point outside the grid finds no cell: only zones wholly within it are put in.
bool CIndexSD::Grille::contient(float gauche, float haut, float droite, float bas) const
{
    return gauche >= x0 && droite < x1 && haut >= y0 && bas < y1;
}

// The cells from a to b on one axis, clipped to the grid; false when none.
bool CIndexSD::Grille::plage(float a, float b, bool horizontal, int& premiere, int& derniere) const
{
    const float debut = horizontal ? x0 : y0, fin = horizontal ? x1 : y1;
    const int n = horizontal ? nx : ny;
    if (n == 0 || !(a <= b) || !(b >= debut) || !(a < fin))
        return false;
    premiere = index(a, debut, n);
    derniere = index(b, debut, n);
    return true;
}

// ------------------------------------------------------------------------------ queries

CIndexSD::Parcours CIndexSD::pres(float x1, float y1, float x2, float y2)
{
    const bool pretEtGrille = pret();
    Parcours p(*this, pretEtGrille, false);
    if (!pretEtGrille)
        return p;
    p.filtrePoints = true;
    p.deuxPoints = x1 != x2 || y1 != y2;
    p.px[0] = x1;
    p.py[0] = y1;
    p.px[1] = x2;
    p.py[1] = y2;
    const int a = grille.cellule(x1, y1);
    p.ajouterCellule(a);
    if (p.deuxPoints) {
        const int b = grille.cellule(x2, y2);
        if (b != a)
            p.ajouterCellule(b);
    }
    p.rangs[0] = courte.data();
    p.rangs[1] = courte.data() + courte.size();
    return p;
}

CIndexSD::Parcours CIndexSD::chevauchant(float gauche, float haut, float droite, float bas)
{
    const bool fini = std::isfinite(gauche) && std::isfinite(haut) && std::isfinite(droite) && std::isfinite(bas);
    const bool pretEtGrille = fini && pret();
    Parcours p(*this, pretEtGrille, false);
    if (!pretEtGrille)
        return p;
    const double marge = MARGE_RELATIVE * (std::fabs(double(gauche)) + std::fabs(double(haut)) +
                                           std::fabs(double(droite)) + std::fabs(double(bas))) +
                         MARGE_ABSOLUE;
    int x1 = 0, x2 = -1, y1 = 0, y2 = -1;
    if (grille.plage(float(gauche - marge), float(droite + marge), true, x1, x2) &&
        grille.plage(float(haut - marge), float(bas + marge), false, y1, y2)) {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) {
                const std::size_t c = std::size_t(y) * std::size_t(grille.nx) + std::size_t(x);
                for (std::uint32_t k = grille.debuts[c]; k < grille.debuts[c + 1]; ++k)
                    p.tampon.push_back(grille.contenu[k].rang);
            }
    }
    p.tampon.insert(p.tampon.end(), courte.begin(), courte.end());
    std::sort(p.tampon.begin(), p.tampon.end());
    p.tampon.erase(std::unique(p.tampon.begin(), p.tampon.end()), p.tampon.end());
    p.rangs[0] = p.tampon.data();
    p.rangs[1] = p.tampon.data() + p.tampon.size();
    return p;
}

CIndexSD::Parcours CIndexSD::sous(float x, float y)
{
    const bool pretEtGrille = pret();
    Parcours p(*this, pretEtGrille, true);
    if (!pretEtGrille)
        return p;
    p.ajouterCellule(grille.cellule(x, y));
    p.rangs[0] = courte.data();
    p.rangs[1] = courte.data() + courte.size();
    return p;
}

// ------------------------------------------------------------------------------ walk

CIndexSD::Parcours::Parcours(CIndexSD& i, bool g, bool inv)
    : index(&i), grille(g), inverse(inv), it(i.sprites.begin()), itInverse(i.sprites.rbegin())
{
    ++index->profondeur;
}

CIndexSD::Parcours::Parcours(Parcours&& autre) noexcept
    : index(autre.index), grille(autre.grille), inverse(autre.inverse), it(autre.it), itInverse(autre.itInverse),
      nbCellules(autre.nbCellules), tampon(std::move(autre.tampon)), filtrePoints(autre.filtrePoints),
      deuxPoints(autre.deuxPoints)
{
    // The moved vector keeps its buffer: ranges into it stay valid.
    autre.index = nullptr;
    std::copy(&autre.cases[0][0], &autre.cases[0][0] + 4, &cases[0][0]);
    std::copy(autre.rangs, autre.rangs + 2, rangs);
    std::copy(autre.px, autre.px + 2, px);
    std::copy(autre.py, autre.py + 2, py);
}

CIndexSD::Parcours::~Parcours()
{
    if (index)
        --index->profondeur;
}

void CIndexSD::Parcours::ajouterCellule(int c)
{
    if (c < 0)
        return;
    const Grille& g = index->grille;
    const Case* debut = g.contenu.data();
    cases[nbCellules][0] = debut + g.debuts[std::size_t(c)];
    cases[nbCellules][1] = debut + g.debuts[std::size_t(c) + 1];
    ++nbCellules;
}

// The collision query's own nearness test, on the values the grid was built from: a sprite
// that moved since is also in the short list, which is not filtered.
bool CIndexSD::Parcours::retenue(const Case& c) const
{
    if (!filtrePoints)
        return true;
    return (std::fabs(px[0] - c.x) < c.r && std::fabs(py[0] - c.y) < c.r) ||
           (deuxPoints && std::fabs(px[1] - c.x) < c.r && std::fabs(py[1] - c.y) < c.r);
}

const CIndexSD::Case* CIndexSD::Parcours::teteCellule(int k)
{
    const Case*& debut = cases[k][0];
    const Case*& fin = cases[k][1];
    if (inverse) {
        while (fin != debut && !retenue(*(fin - 1)))
            --fin;
        return fin != debut ? fin - 1 : nullptr;
    }
    while (debut != fin && !retenue(*debut))
        ++debut;
    return debut != fin ? debut : nullptr;
}

bool CIndexSD::Parcours::suivant(CSPRITE*& sd)
{
    if (grille)
        return suivantGrille(sd);
    if (inverse ? itInverse == index->sprites.rend() : it == index->sprites.end())
        return false;
    sd = inverse ? *itInverse++ : *it++;
    return true;
}

// The first rank (the last going backwards) among the heads of the cells and of the short
// list, taken from each that holds it.
bool CIndexSD::Parcours::suivantGrille(CSPRITE*& sd)
{
    // One cell and an empty short list: the cell's order is the list's.
    if (nbCellules == 1 && rangs[0] == rangs[1]) {
        const Case* c = teteCellule(0);
        if (!c)
            return false;
        sd = c->sd;
        proche = filtrePoints;
        if (inverse)
            --cases[0][1];
        else
            ++cases[0][0];
        return true;
    }
    const Case* tetes[2] = {nullptr, nullptr};
    bool trouve = false;
    std::uint32_t rang = 0;
    auto retenir = [&](std::uint32_t r) {
        if (!trouve || (inverse ? r > rang : r < rang))
            rang = r;
        trouve = true;
    };
    for (int k = 0; k < nbCellules; ++k)
        if ((tetes[k] = teteCellule(k)))
            retenir(tetes[k]->rang);
    if (rangs[0] != rangs[1])
        retenir(inverse ? *(rangs[1] - 1) : *rangs[0]);
    if (!trouve)
        return false;
    sd = nullptr;
    proche = false;
    for (int k = 0; k < nbCellules; ++k)
        if (tetes[k] && tetes[k]->rang == rang) {
            sd = tetes[k]->sd;
            proche = filtrePoints;
            if (inverse)
                --cases[k][1];
            else
                ++cases[k][0];
        }
    if (rangs[0] != rangs[1] && (inverse ? *(rangs[1] - 1) : *rangs[0]) == rang) {
        sd = index->ordre[rang];
        proche = false;
        if (inverse)
            --rangs[1];
        else
            ++rangs[0];
    }
    return true;
}
