#include "gui/plux_theme.h"

#include "core/Fichiers.h"

#include <SFML/Window/Clipboard.hpp>

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
            if (!r->chargee && tuv::fichierExiste(chemin))
                r->chargee = r->font.loadFromFile(chemin);
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

sf::String versSf(const std::wstring& texte)
{
    sf::String s;
    for (wchar_t c : texte)
        s += static_cast<sf::Uint32>(c);
    return s;
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
    }
    if (taille != taille_) {
        taille_ = taille;
        texte_.setCharacterSize(taille);
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

float TexteCache::positionCaractere(size_t i)
{
    if (i > contenu_.size())
        i = contenu_.size();
    return texte_.findCharacterPos(i).x - texte_.getPosition().x;
}

void Peintre::rect(sf::FloatRect r, sf::Color c)
{
    if (r.width <= 0 || r.height <= 0 || c.a == 0)
        return;
    const sf::Vector2f a(r.left, r.top), b(r.left + r.width, r.top), d(r.left, r.top + r.height),
        e(r.left + r.width, r.top + r.height);
    sommets_.append(sf::Vertex(a, c));
    sommets_.append(sf::Vertex(b, c));
    sommets_.append(sf::Vertex(d, c));
    sommets_.append(sf::Vertex(b, c));
    sommets_.append(sf::Vertex(e, c));
    sommets_.append(sf::Vertex(d, c));
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
    if (n <= 0.f)
        return;
    sf::Vector2f p(-d.y / n * ep / 2, d.x / n * ep / 2);
    sommets_.append(sf::Vertex(a + p, c));
    sommets_.append(sf::Vertex(b + p, c));
    sommets_.append(sf::Vertex(a - p, c));
    sommets_.append(sf::Vertex(b + p, c));
    sommets_.append(sf::Vertex(b - p, c));
    sommets_.append(sf::Vertex(a - p, c));
}

void Peintre::texte(sf::Text& t, sf::Vector2f p, sf::FloatRect clip)
{
    t.setPosition(std::round(p.x), std::round(p.y));
    textes_.push_back({&t, clip});
}

void Peintre::vider(sf::RenderTarget& cible)
{
    if (sommets_.getVertexCount() > 0)
        cible.draw(sommets_);
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
    textes_.clear();
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
