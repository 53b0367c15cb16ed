#include "gui/plux_theme.h"

#include "core/Fichiers.h"
#include "core/Media.h"

#include <SFML/Window/Clipboard.hpp>

#include <algorithm>
#include <cmath>

namespace plux {

namespace {
struct Police {
    sf::Font font;
    bool chargee = false;
};

Police& policeChargeeUneFois()
{
    static Police* p = [] {
        auto* r = new Police;
        // Tested first so that SFML does not complain about a file that is simply absent.
        for (const char* chemin : {"./PLUX_Res/polices/arial.ttf", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"})
            if (!r->chargee)
                r->chargee = tuv::chargerMedia(r->font, chemin);
        return r;
    }();
    return *p;
}

bool g_pressePapierSimule = false;
std::wstring& pressePapierSimule()
{
    static std::wstring* t = new std::wstring;
    return *t;
}
} // namespace

const sf::Font& police() { return policeChargeeUneFois().font; }
bool policeChargee() { return policeChargeeUneFois().chargee; }

int bornerPosition(int v) { return std::clamp(v, -LIMITE_GEOMETRIE, LIMITE_GEOMETRIE); }
int bornerTaille(int v) { return std::clamp(v, 0, LIMITE_GEOMETRIE); }
float bornerPosition(float v)
{
    return std::isnan(v) ? 0.f : std::clamp(v, -static_cast<float>(LIMITE_GEOMETRIE), static_cast<float>(LIMITE_GEOMETRIE));
}
float bornerTaille(float v) { return std::isnan(v) ? 0.f : std::clamp(v, 0.f, static_cast<float>(LIMITE_GEOMETRIE)); }

sf::Color melange(sf::Color fond, sf::Color dessus)
{
    auto canal = [&](sf::Uint8 a, sf::Uint8 b) {
        return static_cast<sf::Uint8>((a * (255 - dessus.a) + b * dessus.a + 127) / 255);
    };
    return sf::Color(canal(fond.r, dessus.r), canal(fond.g, dessus.g), canal(fond.b, dessus.b), 255);
}

sf::String versSf(const std::wstring& texte)
{
    return sf::String(std::basic_string<sf::Uint32>(texte.begin(), texte.end()));
}

std::wstring couperLignes(const std::wstring& texte, float largeur,
                          const std::function<float(const std::wstring&)>& largeurDe)
{
    std::wstring coupe;
    for (size_t debut = 0; debut <= texte.size();) {
        const size_t fin = std::min(texte.find(L'\n', debut), texte.size());
        std::wstring ligne = texte.substr(debut, fin - debut);
        while (ligne.size() > 1 && largeurDe(ligne) > largeur) {
            size_t tient = 1, deborde = ligne.size();  // one character at least, to move on
            while (deborde - tient > 1) {
                const size_t milieu = (tient + deborde) / 2;
                (largeurDe(ligne.substr(0, milieu)) <= largeur ? tient : deborde) = milieu;
            }
            size_t espace = ligne.rfind(L' ', tient);
            // An opening quote stays with what it quotes: the cut goes before it, or into the
            // word after it.
            if (espace != std::wstring::npos && espace > 0 && ligne[espace - 1] == L'\u00AB')
                espace = espace > 1 ? ligne.rfind(L' ', espace - 2) : std::wstring::npos;
            const size_t n = espace != std::wstring::npos && espace > 0 ? espace : tient;
            coupe += ligne.substr(0, n) + L'\n';
            ligne.erase(0, ligne[n] == L' ' ? n + 1 : n);
        }
        coupe += ligne;
        if (fin < texte.size())
            coupe += L'\n';
        debut = fin + 1;
    }
    return coupe;
}

float largeurTexte(const std::wstring& texte, unsigned taille)
{
    if (texte.empty())
        return 0.f;
    // SFML's own walk: kerning first, whitespace moves the pen and widens the bounds, each
    // glyph widens them by its box.
    const sf::Font& f = police();
    const float espace = f.getGlyph(L' ', taille, false).advance;
    float x = 0.f, gauche = static_cast<float>(taille), droite = 0.f;
    sf::Uint32 precedent = 0;
    for (wchar_t c : texte) {
        const auto car = static_cast<sf::Uint32>(c);
        if (car == L'\r')
            continue;
        x += f.getKerning(precedent, car, taille);
        precedent = car;
        if (car == L' ' || car == L'\t' || car == L'\n') {
            gauche = std::min(gauche, x);
            if (car == L'\n')
                x = 0.f;
            else
                x += car == L' ' ? espace : espace * 4;
            droite = std::max(droite, x);
            continue;
        }
        const sf::Glyph& g = f.getGlyph(car, taille, false);
        gauche = std::min(gauche, x + g.bounds.left);
        droite = std::max(droite, x + g.bounds.left + g.bounds.width);
        x += g.advance;
    }
    return droite - gauche;
}

void TexteCache::definir(const std::wstring& contenu, unsigned taille, sf::Color couleur)
{
    if (pret_ && contenu == contenu_ && taille == taille_ && couleur == couleur_)
        return;
    if (!pret_) {
        texte_.setFont(police());
        pret_ = true;
    }
    if (contenu != contenu_ || texte_.getString().isEmpty() != contenu.empty()) {
        contenu_ = contenu;
        texte_.setString(versSf(contenu));
        quadsPrets_ = false;
    }
    if (taille != taille_) {
        taille_ = taille;
        texte_.setCharacterSize(taille);
        quadsPrets_ = false;
    }
    if (couleur != couleur_) {
        couleur_ = couleur;
        texte_.setFillColor(couleur);
    }
    largeur_ = -1.f;
}

float TexteCache::largeur()
{
    if (largeur_ < 0.f)
        largeur_ = contenu_.empty() ? 0.f : texte_.findCharacterPos(contenu_.size()).x - texte_.getPosition().x;
    return largeur_;
}

const std::vector<TexteCache::Quad>& TexteCache::quads()
{
    if (quadsPrets_)
        return quads_;
    // The same layout as sf::Text (regular style), done once per content and size.
    quads_.clear();
    quadsPrets_ = true;
    const sf::Font& f = police();
    if (!policeChargee() || contenu_.empty())
        return quads_;
    CLotFormes::disposer(f, taille_, versSf(contenu_), quads_);
    // The layout gives each glyph a one-pixel margin of the font texture's transparent padding
    // (for filtering at fractional places). Ours are drawn at whole pixels, where that margin
    // changes no pixel: dropping it spares the renderer a third of the glyphs' blended area.
    for (Quad& q : quads_) {
        q.gauche += 1.f, q.haut += 1.f, q.droite -= 1.f, q.bas -= 1.f;
        q.u1 += 1.f, q.v1 += 1.f, q.u2 -= 1.f, q.v2 -= 1.f;
    }
    return quads_;
}

float TexteCache::positionCaractere(size_t i)
{
    if (i > contenu_.size())
        i = contenu_.size();
    return texte_.findCharacterPos(i).x - texte_.getPosition().x;
}

std::vector<float> TexteCache::positionsCaracteres()
{
    // sf::Text::findCharacterPos's walk, each step kept.
    const float x0 = texte_.getPosition().x;
    const sf::Font* f = texte_.getFont();
    if (!f)
        return std::vector<float>(contenu_.size() + 1, -x0);
    const unsigned t = texte_.getCharacterSize();
    const bool gras = (texte_.getStyle() & sf::Text::Bold) != 0;
    float espace = f->getGlyph(L' ', t, gras).advance;
    const float lettres = (espace / 3.f) * (texte_.getLetterSpacing() - 1.f);
    espace += lettres;
    const float interligne = f->getLineSpacing(t) * texte_.getLineSpacing();
    const sf::Transform& tr = texte_.getTransform();
    std::vector<float> r;
    r.reserve(contenu_.size() + 1);
    sf::Vector2f p;
    r.push_back(tr.transformPoint(p).x - x0);
    sf::Uint32 precedent = 0;
    for (wchar_t c : contenu_) {
        const auto car = static_cast<sf::Uint32>(c);
        p.x += f->getKerning(precedent, car, t);
        precedent = car;
        if (car == L' ')
            p.x += espace;
        else if (car == L'\t')
            p.x += espace * 4;
        else if (car == L'\n')
            p = {0.f, p.y + interligne};
        else
            p.x += f->getGlyph(car, t, gras).advance + lettres;
        r.push_back(tr.transformPoint(p).x - x0);
    }
    return r;
}

void Peintre::ajouterQuad(const sf::Vertex (&q)[4], bool opaque)
{
    if (series_.empty() || series_.back().second != opaque)
        series_.emplace_back(sommets_.size(), opaque);
    sommets_.push_back(q[0]);
    sommets_.push_back(q[1]);
    sommets_.push_back(q[2]);
    sommets_.push_back(q[1]);
    sommets_.push_back(q[3]);
    sommets_.push_back(q[2]);
}

bool Peintre::cache(sf::FloatRect r) const
{
    for (const sf::FloatRect& o : caches_)
        if (r.left >= o.left && r.top >= o.top && r.left + r.width <= o.left + o.width &&
            r.top + r.height <= o.top + o.height)
            return true;
    return false;
}

void Peintre::rect(sf::FloatRect r, sf::Color c)
{
    if (r.width <= 0 || r.height <= 0 || c.a == 0)
        return;
    rectVisible(r, c, 0);
}

// Cut along a hidden rectangle's whole-pixel edges, the pieces cover the very pixels that the
// whole shape covered outside it.
void Peintre::rectVisible(sf::FloatRect r, sf::Color c, size_t premierCache)
{
    for (size_t i = premierCache; i < caches_.size(); ++i) {
        const sf::FloatRect& o = caches_[i];
        const float d = r.left + r.width, b = r.top + r.height, od = o.left + o.width, ob = o.top + o.height;
        if (r.left >= od || d <= o.left || r.top >= ob || b <= o.top)
            continue;
        // The bands above and below o, then the parts beside it.
        if (r.top < o.top)
            rectVisible({r.left, r.top, r.width, o.top - r.top}, c, i + 1);
        if (b > ob)
            rectVisible({r.left, ob, r.width, b - ob}, c, i + 1);
        const float haut = std::max(r.top, o.top), bas = std::min(b, ob);
        if (r.left < o.left)
            rectVisible({r.left, haut, o.left - r.left, bas - haut}, c, i + 1);
        if (d > od)
            rectVisible({od, haut, d - od, bas - haut}, c, i + 1);
        return;
    }
    const sf::Vertex q[4] = {sf::Vertex({r.left, r.top}, c), sf::Vertex({r.left + r.width, r.top}, c),
                             sf::Vertex({r.left, r.top + r.height}, c),
                             sf::Vertex({r.left + r.width, r.top + r.height}, c)};
    ajouterQuad(q, c.a == 255);
}

void Peintre::cadre(sf::FloatRect r, sf::Color c, float ep)
{
    rect({r.left, r.top, r.width, ep}, c);
    rect({r.left, r.top + r.height - ep, r.width, ep}, c);
    rect({r.left, r.top + ep, ep, r.height - 2 * ep}, c);
    rect({r.left + r.width - ep, r.top + ep, ep, r.height - 2 * ep}, c);
}

void Peintre::ligne(sf::Vector2f a, sf::Vector2f b, sf::Color c, float ep)
{
    sf::Vector2f d = b - a;
    float n = std::sqrt(d.x * d.x + d.y * d.y);
    if (n <= 0.f || c.a == 0)
        return;
    sf::Vector2f p(-d.y / n * ep / 2, d.x / n * ep / 2);
    const float g = std::min(a.x, b.x) - std::fabs(p.x), h = std::min(a.y, b.y) - std::fabs(p.y);
    if (cache({g, h, std::fabs(d.x) + 2 * std::fabs(p.x), std::fabs(d.y) + 2 * std::fabs(p.y)}))
        return;
    const sf::Vertex q[4] = {sf::Vertex(a + p, c), sf::Vertex(b + p, c), sf::Vertex(a - p, c),
                             sf::Vertex(b - p, c)};
    ajouterQuad(q, c.a == 255);
}

void Peintre::texte(TexteCache& t, sf::Vector2f p, sf::FloatRect clip)
{
    const std::vector<TexteCache::Quad>& quads = t.quads();
    if (quads.empty() || t.couleur().a == 0)
        return;
    sf::VertexArray* lot = nullptr;
    for (auto& g : glyphes_)
        if (g.first == t.taille())
            lot = &g.second;
    if (!lot) {
        glyphes_.emplace_back(t.taille(), sf::VertexArray(sf::Triangles));
        lot = &glyphes_.back().second;
    }
    const float ox = std::round(p.x), oy = std::round(p.y);
    const bool clipper = clip.width > 0 && clip.height > 0;
    const float cg = clip.left, ch = clip.top, cd = clip.left + clip.width, cb = clip.top + clip.height;
    const sf::Color c = t.couleur();
    for (const TexteCache::Quad& q0 : quads) {
        TexteCache::Quad q = q0;
        q.gauche += ox;
        q.droite += ox;
        q.haut += oy;
        q.bas += oy;
        if (clipper) {
            if (q.droite <= cg || q.gauche >= cd || q.bas <= ch || q.haut >= cb)
                continue;
            // Cut the glyph box and its texture box by the same fractions.
            const float du = (q.u2 - q.u1) / (q.droite - q.gauche), dv = (q.v2 - q.v1) / (q.bas - q.haut);
            if (q.gauche < cg) {
                q.u1 += (cg - q.gauche) * du;
                q.gauche = cg;
            }
            if (q.droite > cd) {
                q.u2 -= (q.droite - cd) * du;
                q.droite = cd;
            }
            if (q.haut < ch) {
                q.v1 += (ch - q.haut) * dv;
                q.haut = ch;
            }
            if (q.bas > cb) {
                q.v2 -= (q.bas - cb) * dv;
                q.bas = cb;
            }
        }
        if (!caches_.empty() && cache({q.gauche, q.haut, q.droite - q.gauche, q.bas - q.haut}))
            continue;
        const sf::Vertex a({q.gauche, q.haut}, c, {q.u1, q.v1}), b({q.droite, q.haut}, c, {q.u2, q.v1}),
            d({q.gauche, q.bas}, c, {q.u1, q.v2}), e({q.droite, q.bas}, c, {q.u2, q.v2});
        lot->append(a);
        lot->append(b);
        lot->append(d);
        lot->append(b);
        lot->append(e);
        lot->append(d);
    }
}

void Peintre::texte(sf::Text& t, sf::Vector2f p, sf::FloatRect clip)
{
    t.setPosition(std::round(p.x), std::round(p.y));
    textes_.push_back({&t, clip});
}

void Peintre::vider(sf::RenderTarget& cible)
{
    for (size_t i = 0; i < series_.size(); ++i) {
        const size_t debut = series_[i].first;
        const size_t fin = i + 1 < series_.size() ? series_[i + 1].first : sommets_.size();
        cible.draw(&sommets_[debut], fin - debut, sf::Triangles,
                   series_[i].second ? sf::RenderStates(sf::BlendNone) : sf::RenderStates::Default);
    }
    for (auto& g : glyphes_) {
        if (g.second.getVertexCount() == 0)
            continue;
        // Our glyphs lie on whole pixels over whole texels: the nearest texel is what the
        // smooth filter gives there, at a fraction of the software renderer's cost. The font's
        // own setting comes back for sf::Text, which may draw at fractional places.
        auto& page = const_cast<sf::Texture&>(police().getTexture(g.first));
        const bool lisse = page.isSmooth();
        page.setSmooth(false);
        sf::RenderStates etats;
        etats.texture = &page;
        cible.draw(g.second, etats);
        page.setSmooth(lisse);
        g.second.clear();
    }
    const sf::View vue = cible.getView();
    const sf::Vector2u taille = cible.getSize();
    bool vueChangee = false;
    for (const Texte& t : textes_) {
        if (t.clip.width > 0 && t.clip.height > 0 && taille.x > 0 && taille.y > 0) {
            // Clip through a view whose viewport is the clip box: SFML 2 has no scissor.
            sf::View v(t.clip);
            v.setViewport({t.clip.left / taille.x, t.clip.top / taille.y, t.clip.width / taille.x,
                           t.clip.height / taille.y});
            cible.setView(v);
            vueChangee = true;
        } else if (vueChangee) {
            cible.setView(vue);
            vueChangee = false;
        }
        cible.draw(*t.texte);
    }
    if (vueChangee)
        cible.setView(vue);
    sommets_.clear();
    series_.clear();
    textes_.clear();
}

void Peintre::abandonner()
{
    sommets_.clear();
    series_.clear();
    textes_.clear();
    for (auto& g : glyphes_)
        g.second.clear();
}

bool Peintre::estVide() const
{
    for (const auto& g : glyphes_)
        if (g.second.getVertexCount() > 0)
            return false;
    return sommets_.empty() && textes_.empty();
}

Peintre& peintre()
{
    static Peintre* p = new Peintre;
    return *p;
}

void ecrirePressePapier(const std::wstring& texte)
{
    if (g_pressePapierSimule)
        pressePapierSimule() = texte;
    else
        sf::Clipboard::setString(versSf(texte));
}

std::wstring lirePressePapier()
{
    if (g_pressePapierSimule)
        return pressePapierSimule();
    sf::String s = sf::Clipboard::getString();
    std::wstring r;
    for (sf::Uint32 c : s)
        r += static_cast<wchar_t>(c);
    return r;
}

void simulerPressePapier(bool oui) { g_pressePapierSimule = oui; }

} // namespace plux
