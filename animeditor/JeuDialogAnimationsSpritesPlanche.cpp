// The sheet view (tab 0): every element's mesh and outline over the sheet with its name, the
// selection zone, the selected element's origin and mesh circles, and where the next elements
// of a row would be cut.
#include "animeditor/Ciseaux.h"
#include "animeditor/JeuDialogAnimationsSprites.h"
#include "core/LotFormes.h"

#include "anim/Sprite3.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"

#include <algorithm>
#include <cmath>
#include <string>

using tuv::floatVersInt;

namespace {
constexpr unsigned TAILLE_ETIQUETTE = 10;
const sf::Color COULEUR_ETIQUETTE(40, 40, 240, 255);
const sf::Color CONTOUR_MAILLE_PLANCHE(100, 220, 100, 100);
const sf::Color CONTOUR_ELEMENT_SEL(200, 100, 100, 180);
const sf::Color CONTOUR_ELEMENT(100, 250, 100, 180);
const sf::Color CONTOUR_ELEMENT_LIE(250, 250, 100, 180);
constexpr float EPAISSEUR_CONTOUR = 2.f;
const sf::Color CONTOUR_APERCU(50, 250, 50, 200);
constexpr float EPAISSEUR_APERCU = 2.f;
// The rectangles of a row to come: enough to cross any sheet several times.
constexpr long long MAX_APERCUS = 512;

// A mesh point's texture coordinates: those of its first vertex; (0, 0) without one.
sf::Vector2f texCoordsPoint(const CSPRITE3& s, int e, int point)
{
    const CSPRITE3_ELEMENT* el = s.getElement(e);
    const int v = s.getSommetPointElement(e, point);
    if (!el || v < 0 || v >= el->getNbSommets())
        return {};
    return el->vertices[static_cast<size_t>(v)].texCoords;
}

bool dansRect(const sf::FloatRect& r, int x, int y)
{
    return x >= r.left && x <= r.left + r.width && y >= r.top && y <= r.top + r.height;
}
} // namespace

void CJeuDialogAnimationsSprites::dessinerPlanche(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy)
{
    if (!w || !pImagePlanche)
        return;
    CCiseaux ciseaux(*w, CCiseaux::rectangle(*w, *this, *pImagePlanche, ox, oy));
    if (!ciseaux.actif())
        return;
    sf::Text etiquette;
    etiquette.setFont(getFont());
    etiquette.setCharacterSize(TAILLE_ETIQUETTE);
    etiquette.setFillColor(COULEUR_ETIQUETTE);
    for (int e = 0; e < pSprite->getNbElements(); ++e) {
        collecterMaillagePlanche(e);
        collecterContourElement(e);
        if (bNomsVisibles)
            collecterLabelElement(e, etiquette);
    }
    lot_->vider(*w);
    if (pZonePlanche && pZonePlanche->estAffiche()) {
        pZonePlanche->draw(w, getLeft(), getTop(), this);
        plux::peintre().vider(*w);
    }
    if (pSprite->getElement(elementSel) && pZonePlanche) {
        const float z = pImagePlanche->getScale();
        const sf::Vector2f o = pSprite->getOrigineElement(elementSel);
        sf::CircleShape repere = mapPoignees["O"];
        repere.setOrigin(static_cast<float>(rayonPoignee), static_cast<float>(rayonPoignee));
        repere.setPosition(static_cast<float>(getLeft()) + pZonePlanche->getLeft() + o.x * z,
                           static_cast<float>(getTop()) + pZonePlanche->getTop() + o.y * z);
        lot_->forme(repere);
        collecterPoigneesMaillagePlanche();
    }
    if (nombreElements > 1 && pZonePlanche)
        dessinerApercusElements(*w);
    lot_->vider(*w);
}

// The rectangles the element-adding button would cut to the right of the zone, each drawn
// only when it lies wholly on the sheet view.
void CJeuDialogAnimationsSprites::dessinerApercusElements(sf::RenderWindow& w)
{
    const sf::FloatRect zone = pZonePlanche->getRect(), image = pImagePlanche->getRect();
    const double pas = static_cast<double>(zone.width) + espacementElements * static_cast<double>(pImagePlanche->getScale());
    const sf::Vector2f taille(zone.width, zone.height);
    const sf::Vector2f coins[] = {{0, 0}, {taille.x, 0}, taille, {0, taille.y}};
    for (long long i = 1; i < nombreElements && i <= MAX_APERCUS; ++i) {
        const double x = zone.left + static_cast<double>(i) * pas;
        const int haut = floatVersInt(zone.top), bas = floatVersInt(zone.top + zone.height);
        const int gauche = floatVersInt(static_cast<float>(x)), droite = floatVersInt(static_cast<float>(x + zone.width));
        if (dansRect(image, gauche, haut) && dansRect(image, droite, bas)) {
            const sf::Vector2f p(static_cast<float>(getLeft() + x), static_cast<float>(getTop()) + zone.top);
            lot_->polygone(coins, 4, sf::Transform().translate(p), sf::Color::Transparent, CONTOUR_APERCU,
                               EPAISSEUR_APERCU);
        } else if ((pas > 0 && gauche > image.left + image.width) || (pas < 0 && droite < image.left) || pas == 0) {
            break;  // the next ones are further off the view
        }
    }
}

// Sheet elements ------------------------------------------------------------------------------------------
//
// An element's shapes go through its mesh points' texture coordinates, zoomed, from the
// sheet's corner as the image control scrolls it.

void CJeuDialogAnimationsSprites::dessinerMaillagePlanche(sf::RenderTarget& cible, int element)
{
    collecterMaillagePlanche(element);
    lot_->vider(cible);
}

void CJeuDialogAnimationsSprites::dessinerContourElement(sf::RenderTarget& cible, int element)
{
    collecterContourElement(element);
    lot_->vider(cible);
}

namespace {
sf::Transform coinPlanche(const CPLUXControlImage& i)
{
    const float z = i.getScale();
    return sf::Transform().translate(static_cast<float>(i.getLeftScreen()) - static_cast<float>(i.getScrollX()) * z,
                                     static_cast<float>(i.getTopScreen()) - static_cast<float>(i.getScrollY()) * z);
}
} // namespace

// One four-point shape per cell: each four consecutive vertices of the element's mesh.
void CJeuDialogAnimationsSprites::collecterMaillagePlanche(int element)
{
    const CSPRITE3_ELEMENT* e = pSprite->getElement(element);
    if (!e || !pImagePlanche)
        return;
    const float z = pImagePlanche->getScale();
    const sf::Transform t = coinPlanche(*pImagePlanche);
    for (size_t v = 0; v + 3 < e->vertices.getVertexCount(); v += 4) {
        const sf::Vector2f cellule[] = {e->vertices[v].texCoords * z, e->vertices[v + 1].texCoords * z,
                                        e->vertices[v + 2].texCoords * z, e->vertices[v + 3].texCoords * z};
        lot_->polygone(cellule, 4, t, sf::Color::Transparent, CONTOUR_MAILLE_PLANCHE, 1);
    }
}

// Through the border points; red for the selected element, green for a plain one, yellow for
// one that shows an animation, a sub-sprite or an image of its own.
void CJeuDialogAnimationsSprites::collecterContourElement(int element)
{
    const CSPRITE3_ELEMENT* e = pSprite->getElement(element);
    if (!e || !pImagePlanche)
        return;
    const float z = pImagePlanche->getScale();
    const int C = e->nbColonnes, R = e->nbLignes;
    std::vector<sf::Vector2f> points;
    auto ajouter = [&](int point) { points.push_back(texCoordsPoint(*pSprite, element, point) * z); };
    for (int c = 0; c < C; ++c)
        ajouter(c);
    for (int l = 0; l < R; ++l)
        ajouter(l * C + C - 1);
    for (int c = C - 1; c >= 0; --c)
        ajouter((R - 1) * C + c);
    for (int l = R - 1; l >= 0; --l)
        ajouter(l * C);
    const bool simple = e->lienAnim[0] == -1 && !e->pSpriteLie && e->strImage.empty();
    const sf::Color c = element == elementSel ? CONTOUR_ELEMENT_SEL : simple ? CONTOUR_ELEMENT : CONTOUR_ELEMENT_LIE;
    lot_->polygone(points.data(), points.size(), coinPlanche(*pImagePlanche), sf::Color::Transparent, c,
                       EPAISSEUR_CONTOUR);
}

// The name and number at the element's top-left corner (its outline's first point).
void CJeuDialogAnimationsSprites::collecterLabelElement(int element, const sf::Text& modele)
{
    const CSPRITE3_ELEMENT* e = pSprite->getElement(element);
    if (!e || !pImagePlanche)
        return;
    const sf::Vector2f p = coinPlanche(*pImagePlanche).transformPoint(
        texCoordsPoint(*pSprite, element, 0) * pImagePlanche->getScale());
    lot_->texte(modele, sf::String::fromUtf8(e->nom.begin(), e->nom.end()) + "   (" + std::to_string(element + 1) + ")",
                    p);
}
