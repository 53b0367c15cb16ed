#include "level/Creusement.h"

#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/FichierDec.h"
#include "core/Globals.h"
#include "core/Texte.h"
#include "level/Decor.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cmath>

namespace {

const sf::Color VERT(0, 255, 0, 255);

bool modeEditeur()
{
    PartieJeu* jeu = faceJeu::partie();
    return jeu && jeu->mode == 2;
}

// The definition's hole image (0) or front-edge image (1); null without SPRITE_CREUSE.
const sf::Texture* imageCreuse(const CSPRITE& s, int n)
{
    if (!s.pDEC || !s.pDEC->pFichierDEC)
        return nullptr;
    return s.pDEC->pFichierDEC->pTextureCreuse[n];
}

void placerImage(sf::Sprite& image, const sf::Texture* texture, float sx, float sy, float x, float y)
{
    if (texture) {
        image.setTexture(*texture, true);
        const sf::Vector2u t = texture->getSize();
        image.setOrigin(float(t.x / 2), float(t.y));
    }
    image.setScale(sx, sy);
    image.setPosition(x, y);
}

void rectangle(sf::RenderTarget& cible, sf::Vector2f taille, sf::Vector2f origine, sf::Vector2f position,
               float rotation, sf::Color couleur)
{
    sf::RectangleShape r(taille);
    r.setOrigin(origine);
    r.setPosition(position);
    r.setRotation(rotation);
    r.setFillColor(couleur);
    cible.draw(r);
}

} // namespace

CCreusement::CCreusement()
{
    // The hole stops where a jump of the player could no longer get out of it.
    MondeJeu* jeu = faceJeu::monde();
    if (jeu && jeu->pPerso)
        profondeurMax = float(jeu->pPerso->maxSaut) * float(jeu->pPerso->vitesseSaut) - 10.0f;
}

void CCreusement::init(CDecor& decor, CSPRITE* s, int x, int y)
{
    pSDSol = decor.pSDCreusement;
    rectX = tuv::floatVersInt(float(x) - largeur * 0.5f);
    rectY = y - hauteurSurface;
    profondeur = hauteurSurface + profondeurDepart;
    rectLargeur = tuv::floatVersInt(largeur);
    if (!s)
        return;
    placerImages(*s, x, y);
    coinSDX = s->x - s->ox * s->sx;
    coinSDY = s->y - s->oy * s->sy;
    angle = s->rotangle + s->rotangle_virtuel;

    const float relX = float(x) - coinSDX;
    float colonne = relX - largeur / 2;
    if (colonne < 0) {
        // Left of the sprite: the right edge of the hole, when it lies on the hole image.
        const sf::Texture* trou = imageCreuse(*s, 0);
        colonne = relX + largeur / 2;
        if (!trou || !(colonne < float(trou->getSize().x)))
            return;
    }
    if (s->collision != 1)
        return;
    const float yRel = float(y) - coinSDY;
    const int decalage = chercherPente(decor, s, colonne, yRel);
    pointPenteX = colonne;
    pointPenteY = yRel + float(decalage);
    angle += (std::atan2(float(decalage), colonne - relX) + 1.570796f) * 57.29579f - 270.0f;
}

void CCreusement::placerImages(const CSPRITE& s, int x, int y)
{
    placerImage(spriteTrou, imageCreuse(s, 0), 0.3f, profondeur * 0.004f, float(x), float(y - 5));
    placerImage(spriteBord, imageCreuse(s, 1), 0.4f, profondeur * 0.007f, float(x + 10), float(y + 90));
}

int CCreusement::chercherPente(CDecor& decor, CSPRITE* s, float colonne, float yRel)
{
    const int px = tuv::floatVersInt(coinSDX + colonne);
    auto dansLeSol = [&](int dy) {
        return decor.collisionPixel(s, px, tuv::floatVersInt(coinSDY + yRel + float(dy)), VERT);
    };
    const bool depart = dansLeSol(0);
    const int sens = depart ? -1 : 1;
    const int hs = tuv::floatVersInt(float(s->getHauteur()) * s->sy);
    int limite;
    if (yRel + RECHERCHE_PENTE_MAX >= float(hs))
        limite = tuv::floatVersInt(float(hs) - yRel - 1);
    else if (yRel < RECHERCHE_PENTE_MAX)
        limite = tuv::floatVersInt(yRel);
    else
        limite = RECHERCHE_PENTE_MAX;
    if (limite <= 1)
        return 0;
    int k = 1;
    while (dansLeSol(sens * k) == depart && k < limite - 1)
        ++k;
    return sens * k;
}

void CCreusement::creuser()
{
    if (!(profondeurMax > float(profondeur)))
        return;
    profondeur = tuv::floatVersInt(float(profondeur) + pas);
    spriteTrou.scale(1.0f, 1.01f);
    spriteBord.scale(1.0f, 1.02f);
}

void CCreusement::dessiner(sf::RenderTarget& cible)
{
    if (modeEditeur())
        rectangle(cible, {float(rectLargeur), float(profondeur)}, {0, 0}, {float(rectX), float(rectY)}, 0,
                  sf::Color(0, 0, 0, 128));
    const sf::Vector2f taille(float(rectLargeur / 2), 60), origine(float(rectLargeur / 4), 30);
    const float y = float(rectY + hauteurSurface + 10);
    const sf::Color sombre(0, 0, 0, 240);
    rectangle(cible, taille, origine, {float(rectX - 5), y}, 20, sombre);
    rectangle(cible, taille, origine, {float(rectX + rectLargeur + 5), y}, 340, sombre);
    if (spriteTrou.getTexture())
        cible.draw(spriteTrou);
}

void CCreusement::dessinerDevant(sf::RenderTarget& cible)
{
    if (sf::RenderTexture* scene = CSFMLJeuGlobal::prenderTexture)
        if (spriteBord.getTexture())
            scene->draw(spriteBord);
    if (!modeEditeur())
        return;
    const sf::Vector2f pente(coinSDX + pointPenteX, coinSDY + pointPenteY);
    rectangle(cible, {3, 3}, {0, 0}, pente, 0, sf::Color(128, 0, 0, 128));
    rectangle(cible, {float(rectLargeur), 2}, {0, 0}, pente, angle, sf::Color(64, 64, 64, 64));
}

// ------------------------------------------------------------------------------ the world's holes

void CDecor::ajouterCreusement(CSPRITE* sd, int x, int y)
{
    if (!sd)
        return;
    auto* trou = new CCreusement();
    trou->init(*this, sd, x, y);
    creusements.push_back(trou);
}

CCreusement* CDecor::getCreusement(CCreusement* exclu, int x, int y) const
{
    for (CCreusement* c : creusements)
        if (c != exclu && pointDansRect(x, y, c->rectX, c->rectY, c->rectLargeur, c->profondeur))
            return c;
    return nullptr;
}
