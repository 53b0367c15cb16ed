// Per-frame work and drawing of the base sprite.
#include "core/Sprite.h"

#include "core/Chemin.h"
#include "core/ForceSD.h"
#include "core/Particules.h"
#include "core/Physique.h"
#include "core/Services.h"
#include "core/ShaderManager.h"
#include "core/SpriteSimple.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <algorithm>
#include <cmath>

namespace {

const sf::Color COULEUR_OMBRE(0, 0, 0, 128);

// sprite.getGlobalBounds() from the transform SFML keeps, with the products and sums of
// sf::Transform::transformRect, without its calls per corner.
sf::FloatRect boiteGlobale(const sf::Sprite& sprite)
{
    const sf::IntRect r = sprite.getTextureRect();
    const float l = static_cast<float>(std::abs(r.width)), h = static_cast<float>(std::abs(r.height));
    const float* m = sprite.getTransform().getMatrix();
    const float xs[4] = {m[0] * 0 + m[4] * 0 + m[12], m[0] * 0 + m[4] * h + m[12], m[0] * l + m[4] * 0 + m[12],
                         m[0] * l + m[4] * h + m[12]};
    const float ys[4] = {m[1] * 0 + m[5] * 0 + m[13], m[1] * 0 + m[5] * h + m[13], m[1] * l + m[5] * 0 + m[13],
                         m[1] * l + m[5] * h + m[13]};
    const auto [x0, x1] = std::minmax_element(xs, xs + 4);
    const auto [y0, y1] = std::minmax_element(ys, ys + 4);
    return sf::FloatRect(*x0, *y0, *x1 - *x0, *y1 - *y0);
}

// Position as an int even when a broken file put the sprite out of int range.
int entier(float v) { return std::isnan(v) ? 0 : int(std::clamp(v, -2e9f, 2e9f)); }

void cadre(sf::RenderTarget& cible, const sf::FloatRect& r, sf::Color c)
{
    sf::RectangleShape forme(sf::Vector2f(r.width, r.height));
    forme.setPosition(r.left, r.top);
    forme.setFillColor(sf::Color::Transparent);
    forme.setOutlineColor(c);
    forme.setOutlineThickness(1);
    cible.draw(forme);
}

} // namespace

void CSPRITE::majComportements()
{
    bAnimeCetteFrame = false;
    if (bPhysC && pChemin)
        pChemin->maj(entier(x), entier(y), this);
    if (bPhysE && pPhysE)
        pPhysE->maj(this);
    if (bPhysB && pPhysB)
        pPhysB->maj(this);
    if (bPhysForce && pForce)
        pForce->maj(this);
    if (bPhysDestruction && pPhysDestruction)
        pPhysDestruction->maj(this);
    if (bPlante && planteVitesse * planteMultVitesse != 0) {
        const float bas = planteAngleMin * planteMultAngleMin, haut = planteAngleMax * planteMultAngleMax;
        float mini = std::min(bas, haut), maxi = std::max(bas, haut);
        angleDynamique += planteSens * std::fabs(planteVitesse * planteMultVitesse) * coefficientTemps();
        if (angleDynamique >= maxi) {
            angleDynamique = maxi;
            planteSens = -1;
        } else if (angleDynamique <= mini) {
            angleDynamique = mini;
            planteSens = 1;
        }
    }
    // Beside the author's rotation, which the level file keeps.
    if (rotationPas != 0 && !std::isnan(rotationPas))
        angleTourne = std::fmod(angleTourne + rotationPas * coefficientTemps(), 360.0f);
    if (bPhysP && pParticules && !pParticules->bFini && g_services.particulesActives())
        pParticules->majTout();
    gererSon();
    // A behaviour that moved the sprite with deplacer has already advanced its animation.
    if (!bAnimeCetteFrame && !bAnime)
        animer(-1);
}

void CSPRITE::reinitialiserComportements()
{
    if (pPhysDestruction) {
        if (pPhysDestruction->bDetruit)
            bVisible = bVisibleDepart;
        pPhysDestruction->reinitialiser();
    }
    if (pPhysE)
        pPhysE->reinitialiser();
    if (pPhysR)
        pPhysR->reinitialiser();
    if (pForce)
        pForce->reinitialiser();
    if (pChemin)
        pChemin->reinitialiser();
    if (pParticules) {
        pParticules->bStop = pParticules->bStopDepart;
        pParticules->preparer();
    }
    // A seesaw starts level; a swaying sprite goes on from where it is, as its start is drawn.
    if (!bPlante)
        angleDynamique = 0;
    angleTourne = 0;
    if (couleurDuNiveau)
        couleur = *couleurDuNiveau;
    couleurDuNiveau.reset();
    sprite.setColor(couleur);
    bPorteFermee = bImpact = false;
    marqueTir = 0;
}

void CSPRITE::afficher(sf::RenderTarget* cible, float dx, float dy, bool passe, const sf::FloatRect& vue)
{
    // The main plane is drawn in two passes: behaviours and the animation run in the
    // sprite's own pass only, so once per frame.
    if (int(passe) != passeDessin())
        return;
    // The lines read below, one after another: all asked for now, they come together
    // instead of one wait per line (a plane's loop has usually asked already).
    prechargerDessin();
    textureAnimee = nullptr;
    bTextureVoulue = true;
    majComportements();
    bTextureVoulue = false;
    const sf::Texture* image = textureAnimee;
    textureAnimee = nullptr;
    if (!cible)
        return;

    // Fetched now (unless animer just did): a bank read again since the last frame has new
    // textures.
    const sf::Texture* texture =
        bVisible ? preparerSprite(image ? image : getTexture(numAnim, numFrame)) : nullptr;
    if (texture) {
        // The sprite's transform, computed once (SFML keeps it), serves the culling test
        // and the draw.
        bool dedans = true;
        if (vue.width > 0 && vue.height > 0) {
            sf::FloatRect boite = boiteGlobale(sprite);
            boite.left += dx;
            boite.top += dy;
            dedans = boite.intersects(vue);
        }
        if (dedans)
            dessinerVisible(*cible, dx, dy);
    }
    if (bPhysP && pParticules && !pParticules->bFini && g_services.particulesActives())
        pParticules->dessiner(*cible, dx, dy);
    // The mode is asked only of a sprite that has something to show in the editor.
    const bool extras = (bPhysC && pChemin && pChemin->bAfficherChemin) ||
                        (bPhysE && pPhysE && pPhysE->bHauteurVisible) ||
                        (bPhysForce && pForce && pForce->SpriteVisible) || bSelectionne;
    if (extras && g_services.modeJeu() == 2)
        dessinerExtrasEditeur(*cible, dx, dy);
}

void CSPRITE::dessinerVisible(sf::RenderTarget& cible, float dx, float dy)
{
    const sf::Shader* shader = nullptr;
    if ((!strShaderFrag.empty() || !strShaderVert.empty()) && g_services.shadersActifs()) {
        if (CShaderManager* gestion = g_services.shaderManager()) {
            if (sf::Shader* s = gestion->getShader(strShaderFrag, strShaderVert)) {
                CShaderManager::appliquerUniforms(*s, uniformsVert, uniformsFrag, g_services.secondesHorloge());
                shader = s;
            }
        }
    }
    if (bOmbre && !bOmbreAvantPlan)
        dessinerOmbre(cible, dx, dy);
    dessinerPrepare(cible, dx, dy, shader);
    if (bOmbre && bOmbreAvantPlan)
        dessinerOmbre(cible, dx, dy);
    afficherOvers(cible, -1, dx, dy);
}

const sf::Texture* CSPRITE::preparerSprite() { return preparerSprite(getTexture(numAnim, numFrame)); }

const sf::Texture* CSPRITE::preparerSprite(const sf::Texture* image)
{
    const sf::Texture* t = appliquerTexture(image);
    if (!t)
        return nullptr;
    // Each setter makes SFML compute the transform again: only touch what changed, so that
    // a still sprite costs no more than a plain sf::Sprite.
    const sf::Vector2f position(x, y), origine(ox, oy), echelle(sx * flipH, sy * flipV);
    if (sprite.getPosition() != position)
        sprite.setPosition(position);
    if (sprite.getOrigin() != origine)
        sprite.setOrigin(origine);
    if (sprite.getScale() != echelle)
        sprite.setScale(echelle);
    const float angle = getAngleTotal();
    if (sprite.getRotation() != angle && sprite.getRotation() != std::fmod(angle, 360.0f))
        sprite.setRotation(angle);
    return t;
}

void CSPRITE::dessinerPrepare(sf::RenderTarget& cible, float dx, float dy, const sf::Shader* shader)
{
    // The move by (dx, dy) written out (what translate gives from the identity): the draw
    // then combines it with the sprite's transform once, as a plain sf::Sprite draw does.
    const sf::Transform decalage(1, 0, dx, 0, 1, dy, 0, 0, 1);
    cible.draw(sprite, sf::RenderStates(sf::BlendAlpha, decalage, nullptr, shader));
}

void CSPRITE::dessinerImage(sf::RenderTarget& cible, float dx, float dy) { dessinerAvec(cible, dx, dy, nullptr); }

void CSPRITE::dessinerAvec(sf::RenderTarget& cible, float dx, float dy, const sf::Shader* shader)
{
    if (preparerSprite())
        dessinerPrepare(cible, dx, dy, shader);
}

void CSPRITE::dessinerOmbre(sf::RenderTarget& cible, float dx, float dy)
{
    const sf::Texture* t = appliquerTexture();
    if (!t)
        return;
    sf::Sprite ombre(*t);
    ombre.setOrigin(ox, oy);
    ombre.setPosition(x + dx + ombreDX, y + dy + ombreDY);
    ombre.setScale(sx * flipH * ombreSX, sy * flipV * ombreSY);
    ombre.setRotation(getAngleTotal() + ombreRotation);
    ombre.setColor(COULEUR_OMBRE);
    cible.draw(ombre);
}

void CSPRITE::afficherOvers(sf::RenderTarget& cible, int ovPlan) { afficherOvers(cible, ovPlan, 0, 0); }

void CSPRITE::afficherOvers(sf::RenderTarget& cible, int ovPlan, float dx, float dy)
{
    if (overs.empty())
        return;
    // Overlays follow the sprite's position, rotation, scale and flips, but not its origin.
    sf::Transform base;
    base.translate(x + dx, y + dy);
    base.rotate(getAngleTotal());
    base.scale(sx * flipH, sy * flipV);
    for (auto& [nom, o] : overs) {
        if (!o.bVisible || o.plan != ovPlan)
            continue;
        if (CSPRITE_SIMPLE* simple = g_services.overJeu(o.fichier)) {
            CSPRITE* s = simple->getSprite();
            if (!s)
                continue;
            if (s->getNumAnim() != o.anim)
                s->setAnim(o.anim);
            sf::Transform t = base;
            t.translate(o.x, o.y);
            t.rotate(o.rotation);
            t.scale(o.sx, o.sy);
            sf::Sprite image = s->getSprite();
            image.setPosition(0, 0);
            image.setRotation(0);
            image.setScale(1, 1);
            cible.draw(image, sf::RenderStates(t));
            continue;
        }
        chargerImageOver(o);
        if (!o.texture)
            continue;
        sf::Sprite image(*o.texture);
        image.setPosition(o.x, o.y);
        image.setRotation(o.rotation);
        image.setScale(o.sx, o.sy);
        cible.draw(image, sf::RenderStates(base));
    }
}

void CSPRITE::dessinerExtrasEditeur(sf::RenderTarget& cible, float dx, float dy)
{
    if (bPhysC && pChemin && pChemin->bAfficherChemin)
        pChemin->dessiner(cible, dx, dy);
    if (bPhysE && pPhysE && pPhysE->bHauteurVisible) {
        sf::VertexArray ligne(sf::Lines, 2);
        ligne[0] = sf::Vertex(sf::Vector2f(x0 + dx, y0 + dy), sf::Color::Red);
        ligne[1] = sf::Vertex(sf::Vector2f(x0 + dx, y0 + dy + pPhysE->hauteur), sf::Color::Red);
        cible.draw(ligne);
    }
    sf::FloatRect boite = getBoite();
    boite.left += dx;
    boite.top += dy;
    if (bPhysForce && pForce && pForce->SpriteVisible)
        cadre(cible, boite, sf::Color::Cyan);
    if (bSelectionne)
        cadre(cible, boite, sf::Color::Green);
}
