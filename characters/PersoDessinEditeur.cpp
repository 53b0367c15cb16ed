// What is drawn over a character: the life bar, the floating messages, and in the editor its
// boxes, points, patrol bar and the ghosts of its path's key points; and the console lines of
// one debug sprite.
#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "core/Chemin.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Services.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "level/Decor.h"
#include "level/GeometrieSD.h"
#include "level/Vue.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Vertex.hpp>

#include <algorithm>
#include <cmath>

namespace {

using namespace EtatPerso;

constexpr int TYPE_MULTI = 2;
constexpr float LARGEUR_BARRE = 80, HAUTEUR_BARRE = 5;
const sf::Color FOND_BARRE(0, 0, 0, 180);
constexpr unsigned TAILLE_NOMBRE = 30, TAILLE_TEXTE = 60, TAILLE_KP = 40;
constexpr float MONTEE_MESSAGE = 10;
// The killcam's replay lays its film's bands over the top and bottom twelfths of the window,
// where the HUD's panels stand too: the floating messages are kept clear of them.
constexpr float BANDE_VUE = 1.0f / 12;
const sf::Color FANTOME_KP(255, 255, 255, 80);

// What the scene's view shows, in level coordinates.
sf::FloatRect rectangleVue(const sf::RenderTarget& cible)
{
    const sf::View& v = cible.getView();
    return {v.getCenter() - v.getSize() / 2.0f, v.getSize()};
}

// The shift that brings [debut, debut + longueur] inside [bord, bord + place]; 0 when it is
// inside or cannot fit.
float dansLIntervalle(float debut, float longueur, float bord, float place)
{
    if (longueur > place)
        return 0;
    return std::max(bord - debut, std::min(0.0f, bord + place - (debut + longueur)));
}

float zoomCamera()
{
    const MondeJeu* jeu = faceJeu::monde();
    return jeu && jeu->pvue ? jeu->pvue->zoom : 1.0f;
}

// An outlined rectangle of the editor overlay.
void cadre(sf::RenderTarget& cible, sf::Vector2f pos, sf::Vector2f taille, sf::Vector2f origine, float rotation,
           sf::Color contour, float epaisseur, sf::Color fond = sf::Color::Transparent)
{
    sf::RectangleShape r(taille);
    r.setOrigin(origine);
    r.setPosition(pos);
    r.setRotation(rotation);
    r.setFillColor(fond);
    r.setOutlineColor(contour);
    r.setOutlineThickness(epaisseur);
    cible.draw(r);
}

void quad(sf::Vertex* v, float x, float y, float l, float h, sf::Color c)
{
    v[0] = sf::Vertex(sf::Vector2f(x, y), c);
    v[1] = sf::Vertex(sf::Vector2f(x + l, y), c);
    v[2] = sf::Vertex(sf::Vector2f(x + l, y + h), c);
    v[3] = sf::Vertex(sf::Vector2f(x, y + h), c);
}

// The bar's value and colour: paralysis life, a player's life in its colour, an AI's in red
// up to 200 and in green above.
std::pair<int, sf::Color> valeurBarre(const CPerso& p)
{
    if (p.bParalyse)
        return {p.vieParalysie, p.numJoueur == 0   ? sf::Color(155, 0, 0, 180)
                                : p.numJoueur == 1 ? sf::Color(0, 0, 155, 180)
                                                   : FOND_BARRE};
    if (p.modeIA == -1)
        return {p.vie, p.numJoueur == 0   ? sf::Color(255, 0, 0, 180)
                       : p.numJoueur == 1 ? sf::Color(0, 0, 255, 180)
                                          : FOND_BARRE};
    return {p.vie, p.vieMax <= 200 ? sf::Color(255, 0, 0, 180) : sf::Color(0, 255, 0, 180)};
}

// What one frame of a message adds to a per-frame motion: the whole units of pas x age, so
// that at 60 fps the drift per second matches 30 fps with integer offsets.
int pasEntier(float pas, int age) { return tuv::floatVersInt(pas * float(age + 1)) - tuv::floatVersInt(pas * float(age)); }

} // namespace

sf::Vector2f CPerso::taillePixels() const
{
    if (!sprite->bAnime)
        return {static_cast<float>(sprite->getLargeurPx()), static_cast<float>(sprite->getHauteurPx())};
    sf::FloatRect r;
    sprite->getRectGlobal(r, sprite->getAnimation());
    return {r.width, r.height};
}

void CPerso::dessinerBarreVie(sf::RenderTarget& cible)
{
    const MondeJeu* jeu = faceJeu::monde();
    const bool infos = !jeu || !jeu->pdecor || jeu->pdecor->bInfosVie;
    const bool manches = jeu && faceJeu::partie()->typeJeu == TYPE_MULTI;
    if (!infos || !(vie < vieMax || manches) || bDel || !bVieVisible || bMortLancee || mode == MORT ||
        (modeIA == -1 && bVaisseau) || vieMax <= 0)
        return;
    const float origineY = sprite->bAnime ? sprite->getOrigineGlobaleCourante().y : sprite->oy;
    const float haut = sprite->y - origineY * sprite->getSY() - 2;
    const float gauche = sprite->x - LARGEUR_BARRE / 2;
    const auto [valeur, couleur] = valeurBarre(*this);
    const double part = static_cast<double>(valeur) / static_cast<double>(vieMax);
    const float largeur = static_cast<float>(std::clamp(part * LARGEUR_BARRE, 0.0, double(LARGEUR_BARRE)));
    // Both rectangles in one draw, without an allocation.
    sf::Vertex v[8];
    quad(v, gauche, haut, LARGEUR_BARRE, HAUTEUR_BARRE, FOND_BARRE);
    quad(v + 4, gauche, haut, largeur, HAUTEUR_BARRE, couleur);
    cible.draw(v, 8, sf::Quads);
}

void CPerso::dessinerMessages(sf::RenderTarget& cible)
{
    if (messages.empty())
        return;
    const float coeff = coefficientTemps();
    const int duree = static_cast<int>(30.0f / coeff + 15.0f);
    const float x = sprite->x, y = sprite->y - taillePixels().y * sprite->getSY();
    // A message rises and drifts for a second and a half, turning: above a character near the
    // top or a side of the view it would leave it. Where the character is seen, its messages
    // are drawn inside the view, clear of its top and bottom bands; their course is unchanged.
    const sf::FloatRect vue = rectangleVue(cible);
    const bool enVue = vue.contains(x, y);
    const float bande = vue.height * BANDE_VUE;
    for (MessagePerso* m : messages) {
        if (!m || m->compteur <= 0)
            continue;
        const int vert = std::clamp((100 - m->valeur) * 2, 0, 255);
        texteFeu.setFillColor(sf::Color(255, static_cast<sf::Uint8>(vert), 0, 200));
        texteFeu.setPosition(x + static_cast<float>(m->decalageX), y - static_cast<float>(m->decalageY));
        if (m->texte.empty()) {
            texteFeu.setString(CPLUX::itos(m->valeur));
            texteFeu.setRotation(static_cast<float>(m->derive) * 3);
            texteFeu.setCharacterSize(TAILLE_NOMBRE);
        } else {
            texteFeu.setString(CPLUX::utf8toWStr(m->texte));
            texteFeu.setRotation(static_cast<float>(m->compteur * m->derive) * 0.5f * coeff);
            texteFeu.setCharacterSize(TAILLE_TEXTE);
        }
        if (enVue) {
            const sf::FloatRect b = texteFeu.getGlobalBounds();
            texteFeu.move(dansLIntervalle(b.left, b.width, vue.left, vue.width),
                          dansLIntervalle(b.top, b.height, vue.top + bande, vue.height - 2 * bande));
        }
        cible.draw(texteFeu);
        const int age = std::max(0, duree - m->compteur);
        m->compteur -= 1;
        m->decalageX += pasEntier(static_cast<float>(m->derive) * coeff, age);
        m->decalageY += pasEntier(MONTEE_MESSAGE * coeff, age);
    }
    messages.remove_if([](MessagePerso* m) { return !m || (messageTermine(m) && supprimerMessage(m)); });
}

void CPerso::dessinerOverlayEditeur(sf::RenderTarget& cible)
{
    const MondeJeu* jeu = faceJeu::monde();
    const float zoom = zoomCamera();
    const CSPRITE3& s = *sprite;
    const float sx = s.getSX(), sy = s.getSY();
    const float patrouille = static_cast<float>(distancePatrouille);
    cadre(cible, {s.x0 - patrouille, s.y0 - static_cast<float>(posPieds) * sy}, {2 * patrouille, 3}, {0, 0}, 0,
          sf::Color(200, 200, 200, 200), 2 * zoom, sf::Color(200, 200, 200, 100));
    const bool selectionne = jeu && jeu->pPersoSelection.get() == this;
    const sf::Vector2f t = taillePixels();
    if (selectionne) {
        if (!s.bAnime)
            cadre(cible, {s.x, s.y}, {t.x * sx, t.y * sy}, {s.ox * sx, s.oy * sy}, s.getAngleTotal(), sf::Color::Red,
                  zoom);
        else
            cadre(cible, {s.x - t.x * sx * 0.5f, s.y - t.y * sy}, {t.x * sx, t.y * sy}, {0, 0}, s.getAngleTotal(),
                  sf::Color::Red, zoom);
    }
    if (selectionne || (jeu && faceJeu::options()->bAfficheHitboxes))
        dessinerHitbox(cible, zoom);
    cadre(cible, {s.x, s.y}, {1, 1}, {0, 0}, 0, sf::Color::Red, 3 * zoom, sf::Color::Red);
    const bool accroupi = mode == BAISSE_MARCHE || mode == ARRET_BAISSE;
    const float tete = static_cast<float>(posTete[accroupi ? 1 : 0]);
    cadre(cible, {s.x, s.y - tete * sy}, {1, 1}, {0, 0}, 0, sf::Color::Blue, 2 * zoom, sf::Color::Red);
    cadre(cible, {s.x, s.y - static_cast<float>(posPieds) * sy}, {1, 1}, {0, 0}, 0, sf::Color::Blue, 2 * zoom,
          sf::Color::Red);
}

// The hit box: a plain sprite's image less its margins; a layered sprite's box of its current
// animation, where the characters' collisions take it.
void CPerso::dessinerHitbox(sf::RenderTarget& cible, float zoom)
{
    const CSPRITE3& s = *sprite;
    const float sx = s.getSX(), sy = s.getSY();
    if (!s.bAnime) {
        const sf::Vector2f t = taillePixels();
        const float g = static_cast<float>(s.hitbox[0]), h = static_cast<float>(s.hitbox[1]);
        const float d = static_cast<float>(s.hitbox[2]), b = static_cast<float>(s.hitbox[3]);
        cadre(cible, {s.x, s.y}, {(t.x - g - d) * sx, (t.y - h - b) * sy}, {(s.ox - g) * sx, (s.oy - h) * sy},
              s.getAngleTotal(), sf::Color::Blue, zoom);
        return;
    }
    const sf::FloatRect r = geometrie::boiteAnimee(s);
    cadre(cible, {r.left, r.top}, {r.width, r.height}, {0, 0}, s.getAngleTotal(), sf::Color::Blue, zoom);
}

// The path of the character's sprite: its rectangle, or a ghost of the character at each key
// point with the lines between them and their labels.
void CPerso::dessinerCheminEditeur(sf::RenderTarget& cible)
{
    ServicesJeu* jeu = faceJeu::services();
    CSPRITE3& s = *sprite;
    const CChemin* c = s.bPhysC ? s.pChemin : nullptr;
    if (!jeu || !c || !c->bAfficherChemin)
        return;
    if (c->type == 1) {
        cadre(cible, {s.x0, s.y0}, {static_cast<float>(c->depH + 4), static_cast<float>(c->depV + 4)}, {0, 0}, 0,
              sf::Color::White, 1, sf::Color(200, 200, 200, 128));
        return;
    }
    if (c->type != 0)
        return;
    const float zoom = std::round(zoomCamera());
    sf::Sprite fantome = s.getSprite();
    fantome.setColor(FANTOME_KP);
    sf::Vector2f precedent, premier;
    int n = 0;
    for (const CAncrageKP* kp : c->listeKP) {
        if (!kp || !kp->pAncre)
            continue;
        ++n;
        const sf::Vector2f p(kp->pAncre->x, kp->pAncre->y);
        fantome.setPosition(p);
        fantome.setRotation(kp->pAncre->getAngleTotal());
        fantome.setScale(kp->sx * (kp->flipH ? -1.0f : 1.0f), kp->sy * (kp->flipV ? -1.0f : 1.0f));
        cible.draw(fantome);
        if (n > 1)
            CPLUX::drawLine(&cible, precedent, p, FANTOME_KP, zoom);
        else
            premier = p;
        sf::Text& texte = *jeu->texteJeu();
        texte.setString("KP " + std::to_string(n));
        texte.setCharacterSize(TAILLE_KP);
        texte.setFillColor(n - 1 == c->numKP ? sf::Color(255, 0, 0, 255) : sf::Color::White);
        texte.setPosition(p);
        cible.draw(texte);
        precedent = p;
    }
    if (c->modeParcours == 2 && n > 1)
        CPLUX::drawLine(&cible, precedent, premier, FANTOME_KP, zoom);
}

void CPerso::afficherConsole()
{
    if (sprite->ID != "VEVIDIZv3")
        return;
    CPLUX::setConsoleText("numanimation=" + CPLUX::itos(sprite->getAnimation()), 10);
    CPLUX::setConsoleText("visee=" + CPLUX::itos(visee), 11);
    CPLUX::setConsoleText("anglevisee=" + CPLUX::ftos(angleVisee), 12);
}
