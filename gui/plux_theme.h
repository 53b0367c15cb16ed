#pragma once
// The library's one look: font, colours, sizes, and the batch every dialog draws through.
// Rectangles of a dialog go into one vertex array and its texts are drawn after them, so a
// dialog of fifty controls costs a handful of draw calls instead of hundreds.
#include "core/LotFormes.h"

#include <SFML/Graphics.hpp>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace plux {

// "./PLUX_Res/polices/arial.ttf" in the working folder, else DejaVu Sans; loaded once.
// When neither loads the font is empty: texts draw nothing but nothing fails.
const sf::Font& police();
bool policeChargee();

constexpr int HAUTEUR_TITRE = 25;
constexpr unsigned TAILLE_TEXTE = 13;
// Larger glyphs would not fit the font's texture (SFML then fails inside the font).
constexpr unsigned TAILLE_TEXTE_MAX = 200;
constexpr float HAUTEUR_LIGNE = 18.f;
constexpr float HAUTEUR_ENTETE_ONGLET = 22.f;

// Geometry, whoever gives it (a model file, the program), stays far inside the int range so
// that sums of positions and sizes cannot overflow; NaN counts as 0. Wide enough for the
// editors' views (a 4096-pixel sheet at the largest zoom reaches about 200000).
constexpr int LIMITE_GEOMETRIE = 10000000;
int bornerPosition(int v);
int bornerTaille(int v);
float bornerPosition(float v);
float bornerTaille(float v);

namespace couleur {
const sf::Color fond(242, 243, 245);
const sf::Color bord(150, 156, 166);
const sf::Color titreActif(52, 101, 164);
const sf::Color titreInactif(112, 128, 150);
const sf::Color texteTitre(255, 255, 255);
const sf::Color texte(28, 30, 34);
const sf::Color texteInactif(150, 152, 158);
const sf::Color bouton(226, 229, 234);
const sf::Color boutonSurvol(235, 240, 248);
const sf::Color boutonEnfonce(196, 206, 222);
const sf::Color champ(255, 255, 255);
const sf::Color champInactif(236, 237, 239);
const sf::Color selection(51, 153, 255);
const sf::Color texteSelection(255, 255, 255);
const sf::Color survol(220, 232, 248);
const sf::Color focus(255, 160, 40);
const sf::Color onglet(214, 219, 226);
const sf::Color ongletActif(242, 243, 245);
const sf::Color console(0, 0, 0, 150);
const sf::Color texteConsole(230, 255, 230);
const sf::Color barreOutils(40, 44, 52);
} // namespace couleur

// dessus drawn over fond, as one opaque colour (opaque shapes draw faster).
sf::Color melange(sf::Color fond, sf::Color dessus);

// UTF-32 wide text to SFML text without any locale.
sf::String versSf(const std::wstring& texte);

// The width of the bounds that sf::Text::getLocalBounds gives for this text in the library's
// font at that size (regular style), found without laying out the glyphs' vertices.
float largeurTexte(const std::wstring& texte, unsigned taille);

// texte broken into lines no wider than largeur as largeurDe measures them: after the last
// space that fits, or, in a word wider than a line (a long path), after its last character
// that fits; never after an opening "«". Its own line breaks are kept.
std::wstring couperLignes(const std::wstring& texte, float largeur,
                          const std::function<float(const std::wstring&)>& largeurDe);

// A cached text: the glyph layout is redone only when the content or size changes; a
// colour change only recolours. The glyph quads are what the batch draws; the sf::Text is
// kept for measuring and for callers that want to style a label themselves.
class TexteCache {
public:
    void definir(const std::wstring& contenu, unsigned taille, sf::Color couleur);
    sf::Text& texte() { return texte_; }
    const std::wstring& contenu() const { return contenu_; }
    unsigned taille() const { return taille_; }
    sf::Color couleur() const { return couleur_; }
    float largeur();
    // Left offset in pixels of character i (i may equal the length).
    float positionCaractere(size_t i);
    // The offsets of every character, 0 to the length, found in one walk of the text.
    std::vector<float> positionsCaracteres();

    // One glyph: its box relative to the text's origin and its place in the font texture.
    using Quad = CLotFormes::QuadGlyphe;
    const std::vector<Quad>& quads();

private:
    sf::Text texte_;
    std::wstring contenu_;
    unsigned taille_ = 0;
    sf::Color couleur_ = sf::Color::Transparent;
    bool pret_ = false;
    float largeur_ = -1.f;
    std::vector<Quad> quads_;
    bool quadsPrets_ = false;
};

// Rectangles and texts of one dialog (or popup) collected and drawn in two passes.
class Peintre {
public:
    void rect(sf::FloatRect r, sf::Color c);
    void cadre(sf::FloatRect r, sf::Color c, float epaisseur = 1.f);
    void ligne(sf::Vector2f a, sf::Vector2f b, sf::Color c, float epaisseur = 1.f);
    // The text is drawn at p, clipped to clip when clip has a size. The cached form joins the
    // batch (one draw call per character size); a plain sf::Text is drawn on its own.
    void texte(TexteCache& t, sf::Vector2f p, sf::FloatRect clip = sf::FloatRect());
    void texte(sf::Text& t, sf::Vector2f p, sf::FloatRect clip = sf::FloatRect());
    // Draws what was collected into the target, then empties the batch.
    void vider(sf::RenderTarget& cible);
    bool estVide() const;
    // Forgets what was collected without drawing it (measuring the library's own work).
    void abandonner();
    // Window rectangles of whole pixels that later draws of the frame paint over with opaque
    // pixels: rectangles keep only their parts outside them, and lines and glyphs wholly inside
    // one are left out, which changes no pixel of the frame.
    void definirCaches(std::vector<sf::FloatRect> caches) { caches_ = std::move(caches); }

private:
    struct Texte {
        sf::Text* texte;
        sf::FloatRect clip;
    };
    void ajouterQuad(const sf::Vertex (&coins)[4], bool opaque);
    void rectVisible(sf::FloatRect r, sf::Color c, size_t premierCache);
    bool cache(sf::FloatRect r) const;
    // Shapes in drawing order, cut into runs of opaque and translucent ones: opaque runs are
    // drawn without blending, which a software rasteriser does several times faster.
    std::vector<sf::Vertex> sommets_;
    std::vector<std::pair<size_t, bool>> series_;
    std::vector<Texte> textes_;
    // Glyph batches by character size (each size has its own font texture).
    std::vector<std::pair<unsigned, sf::VertexArray>> glyphes_;
    std::vector<sf::FloatRect> caches_;
};

// The one batch the library draws through (drawing runs on the main thread only).
Peintre& peintre();

// Text clipboard: sf::Clipboard, or a private string while the test driver asks for it.
void ecrirePressePapier(const std::wstring& texte);
std::wstring lirePressePapier();
void simulerPressePapier(bool oui);

} // namespace plux
