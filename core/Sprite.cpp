#include "core/Sprite.h"

#include "core/Chemin.h"
#include "core/Dec.h"
#include "core/FichierDec.h"
#include "core/ForceSD.h"
#include "core/Media.h"
#include "core/Particules.h"
#include "core/Physique.h"
#include "core/Services.h"
#include "core/SetTextures.h"

#include <SFML/Audio/Sound.hpp>

#include <cmath>
#include <cstdlib>


const sf::Sprite& spriteVierge()
{
    static const sf::Sprite vierge;
    return vierge;
}

CSPRITE::CSPRITE() = default;

CSPRITE::CSPRITE(const CSPRITE& a) : DonneesSprite(a)
{
    // A copy shares no behaviour and no sound with its model: the caller gives it its own.
    bPhysB = bPhysG = bPhysR = bPhysE = bPhysP = bPhysC = bPhysDestruction = bPhysForce = false;
    pPhysB = nullptr;
    pPhysG = nullptr;
    pPhysR = nullptr;
    pPhysE = nullptr;
    pParticules = nullptr;
    pChemin = nullptr;
    pPhysDestruction = nullptr;
    pForce = nullptr;
    pSon = nullptr;
}

CSPRITE::~CSPRITE()
{
    delete pPhysB;
    delete pPhysG;
    delete pPhysR;
    delete pPhysE;
    delete pParticules;
    delete pChemin;
    delete pPhysDestruction;
    delete pForce;
    if (pSon)
        pSon->stop();
    delete pSon;
}

// ---------------------------------------------------------------- bank access

CSetTextures* CSPRITE::getSet(int anim) const
{
    if (!pDEC)
        return nullptr;
    auto it = pDEC->anims.find(anim);
    return it == pDEC->anims.end() ? nullptr : it->second;
}

const sf::Texture* CSPRITE::getTexture(int anim, int frame) const
{
    const CSetTextures* s = getSet(anim);
    if (!s)
        return nullptr;
    auto it = s->textures.find(frame);
    return it == s->textures.end() ? nullptr : it->second;
}

const sf::Image* CSPRITE::getMasque(int anim, int frame) const
{
    const CSetTextures* s = getSet(anim);
    if (!s)
        return nullptr;
    auto it = s->images.find(frame);
    return it == s->images.end() ? nullptr : it->second;
}

std::string CSPRITE::getIdDEC() const
{
    if (!pDEC || !pDEC->pFichierDEC)
        return "";
    return pDEC->pFichierDEC->id;
}

namespace {
// Animation 0 of the bank, which gives a sprite its size. Banks number their animations from
// 0, so it is the map's first entry, found without a search; a bank with negative numbers is
// searched.
const CSetTextures* setTaille(const CDEC* banque)
{
    if (!banque || banque->anims.empty())
        return nullptr;
    const auto premier = banque->anims.begin();
    if (premier->first >= 0)
        return premier->first == 0 ? premier->second : nullptr;
    const auto it = banque->anims.find(0);
    return it == banque->anims.end() ? nullptr : it->second;
}
} // namespace

int CSPRITE::getLargeur() const
{
    if (bTailleFixe)
        return largeurFixe;
    const CSetTextures* s = setTaille(pDEC);
    return s ? s->largeur : 0;
}

sf::Vector2i CSPRITE::getTaille() const
{
    if (bTailleFixe)
        return {largeurFixe, hauteurFixe};
    const CSetTextures* s = setTaille(pDEC);
    return s ? sf::Vector2i(s->largeur, s->hauteur) : sf::Vector2i(0, 0);
}

int CSPRITE::getHauteur() const
{
    if (bTailleFixe)
        return hauteurFixe;
    const CSetTextures* s = setTaille(pDEC);
    return s ? s->hauteur : 0;
}

// ---------------------------------------------------------------- state applied to sf::Sprite

void CSPRITE::appliquerEchelle() { sprite.setScale(sx * flipH, sy * flipV); }

const sf::Texture* CSPRITE::appliquerTexture() { return appliquerTexture(getTexture(numAnim, numFrame)); }

const sf::Texture* CSPRITE::appliquerTexture(const sf::Texture* t)
{
    if (t) {
        if (sprite.getTexture() != t || sprite.getTextureRect().width != int(t->getSize().x) ||
            sprite.getTextureRect().height != int(t->getSize().y))
            sprite.setTexture(*t, true);
    } else if (sprite.getTexture()) {
        // The bank no longer has that frame: forget the old texture, it may be freed.
        sf::Sprite vide;
        vide.setPosition(sprite.getPosition());
        vide.setOrigin(sprite.getOrigin());
        vide.setScale(sprite.getScale());
        vide.setRotation(sprite.getRotation());
        vide.setColor(sprite.getColor());
        sprite = vide;
    }
    return t;
}

void CSPRITE::choisirAnim(int numero)
{
    numAnim = numero;
    numFrame = 0;
    tempsFrame = 0;
    sensAnim = 1;
    nbanimtotale = 0;
    if (const CSetTextures* s = getSet(numero)) {
        largeurPx = s->largeur;
        hauteurPx = s->hauteur;
    }
}

// ---------------------------------------------------------------- placing

int CSPRITE::placer(int n, int px, int py)
{
    if (n >= 0) {
        numAnim = n;
        numFrame = 0;
        nbanimtotale = 0;
        if (const CSetTextures* s = getSet(n)) {
            largeurPx = s->largeur;
            hauteurPx = s->hauteur;
        }
    }
    appliquerEchelle();
    appliquerTexture();
    x = float(px);
    y = float(py);
    sprite.setPosition(x, y);
    sprite.setRotation(getAngleTotal());
    return 1;
}

void CSPRITE::placerImage(int anim, int frame, int px, int py)
{
    const sf::Texture* t = getTexture(anim, frame);
    if (t)
        sprite.setTexture(*t, true);
    // The sprite is put back there, not only its image: characters and decor are drawn and
    // collide from x and y.
    x = float(px);
    y = float(py);
    sprite.setPosition(x, y);
    sprite.setRotation(getAngleTotal());
    appliquerEchelle();
}

int CSPRITE::setAnim(int n)
{
    if (n < 0 || !getSet(n))
        return 0;
    choisirAnim(n);
    appliquerTexture();
    return 1;
}

CSetTextures* CSPRITE::setDuNumero()
{
    if (pDEC && pDEC->serie == serieSetAnime && numAnim == numSetAnime)
        return setAnime;
    CSetTextures* s = getSet(numAnim);
    if (s) {
        setAnime = s;
        serieSetAnime = pDEC->serie;
        numSetAnime = numAnim;
    }
    return s;
}

void CSPRITE::animer(int n)
{
    bAnimeCetteFrame = true;
    if (n >= 0 && n != numAnim) {
        choisirAnim(n);
        appliquerTexture();
        return;
    }
    const CSetTextures* s = setDuNumero();
    if (!s)
        return;
    int limite = s->nbBoucles > 0 ? s->nbBoucles : nbBouclesMax;
    if (limite > 0 && nbanimtotale >= limite)
        return;
    int nb = s->nbFrames();
    if (nb <= 0)
        return;
    // The time coefficient is asked only of a set that moves (a still one adds nothing).
    const float v = std::isnan(s->vitesse) ? 0.0f : s->vitesse;
    if (v != 0)
        tempsFrame += v * coefficientTemps();
    const int frameAvant = numFrame;
    // A set faster than one frame per tick moves several frames, never more than a loop.
    for (int i = 0; tempsFrame >= 1 && i <= nb; ++i) {
        tempsFrame -= 1;
        numFrame += sensAnim;
        if (numFrame >= nb) {
            if (s->bAllerRetour) {
                sensAnim = -1;
                numFrame = std::max(nb - 2, 0);
            } else {
                numFrame = 0;
            }
            nbanimtotale++;
            if (limite > 0 && nbanimtotale >= limite)
                break;
        } else if (numFrame < 0) {
            sensAnim = 1;
            numFrame = nb > 1 ? 1 : 0;
        }
    }
    if (tempsFrame >= 1 || tempsFrame < 0)
        tempsFrame = 0;
    // Outside afficher (a character's step moves it with deplacerAnime) nobody reads the
    // texture of a frame that stayed: the sprite already shows it.
    if (numFrame == frameAvant && !bTextureVoulue)
        return;
    // The frame's texture, found once in the set already at hand: a draw that follows in
    // the same afficher call uses it as it is.
    auto it = s->textures.find(numFrame);
    const sf::Texture* texture = it == s->textures.end() ? nullptr : it->second;
    if (bTextureVoulue)
        textureAnimee = texture;
    if (numFrame != frameAvant)
        appliquerTexture(texture);
}

// A move changes x and y only. The drawable takes its place from them when drawn
// (preparerSprite) or copied (getSprite): writing it on every move of every character would
// dirty three of its cache lines per step, for a value nobody reads before then.
void CSPRITE::deplacer(int n, float dx, float dy)
{
    if (!bTailleFixe)
        animer(n);
    x += dx;
    y += dy;
}

void CSPRITE::deplacerAnime(int n, float dx, float dy, int niveau)
{
    if (niveauAnimFixe < niveau)
        animer(n);
    x += dx;
    y += dy;
}

void CSPRITE::setPosInit(int px0, int py0, float maxSx, float maxSy)
{
    x0 = float(px0);
    y0 = float(py0);
    if (maxSx >= 0)
        sxMax = maxSx;
    if (maxSy >= 0)
        syMax = maxSy;
}

// As a move, a scale is taken by the drawable when drawn or copied: a character turning
// round sets it on every turn.
void CSPRITE::setScale(float nsx, float nsy)
{
    sx = std::isnan(nsx) ? 1.0f : nsx;
    sy = std::isnan(nsy) ? 1.0f : nsy;
}

void CSPRITE::setFlip(bool h, bool v)
{
    flipH = h ? -1 : 1;
    flipV = v ? -1 : 1;
    appliquerEchelle();
}

void CSPRITE::setRotation(float deg)
{
    rotangle = std::isnan(deg) ? 0.0f : deg;
    sprite.setRotation(getAngleTotal());
}

void CSPRITE::setOrigine(float nox, float noy)
{
    if (nox == -1) {
        // Centre of the current frame, in whole pixels as the definitions expect.
        nox = float(largeurPx / 2);
        noy = float(hauteurPx / 2);
    }
    ox = nox;
    oy = noy;
    appliquerOrigine();
}

void CSPRITE::appliquerOrigine() { sprite.setOrigin(ox, oy); }

void CSPRITE::setColor(sf::Color c)
{
    couleur = c;
    sprite.setColor(c);
}

void CSPRITE::colorerEnJeu(sf::Color c)
{
    if (!couleurDuNiveau)
        couleurDuNiveau = couleur;
    setColor(c);
}

sf::Sprite CSPRITE::getSprite() const
{
    sf::Sprite copie = sprite;
    if (const sf::Texture* t = getTexture(numAnim, numFrame))
        copie.setTexture(*t, true);
    else
        copie = sf::Sprite();
    copie.setPosition(x, y);
    copie.setOrigin(ox, oy);
    copie.setScale(sx * flipH, sy * flipV);
    copie.setRotation(getAngleTotal());
    copie.setColor(sprite.getColor());
    return copie;
}

sf::Transform CSPRITE::transformeDessin(float dx, float dy) const
{
    sf::Transform t;
    t.translate(x + dx, y + dy);
    t.rotate(getAngleTotal());
    t.scale(sx * flipH, sy * flipV);
    t.translate(-ox, -oy);
    return t;
}

sf::FloatRect CSPRITE::getBoite() const
{
    float w = float(largeurPx), h = float(hauteurPx);
    if (bTailleFixe) {
        w = float(largeurFixe);
        h = float(hauteurFixe);
    } else if (const sf::Texture* t = getTexture(numAnim, numFrame)) {
        w = float(t->getSize().x);
        h = float(t->getSize().y);
    }
    return transformeDessin(0, 0).transformRect(sf::FloatRect(0, 0, w, h));
}

// ---------------------------------------------------------------- overlays

void CSPRITE::Over(const std::string& nom, const std::string& fichier, int anim, float ovx, float ovy, float osx,
                   float osy, float rot, bool visible, int ovPlan)
{
    struct Over& o = overs[nom];
    o.fichier = fichier;
    o.anim = anim;
    o.x = ovx;
    o.y = ovy;
    o.sx = osx;
    o.sy = osy;
    o.rotation = rot;
    o.bVisible = visible;
    o.plan = ovPlan;
}

void CSPRITE::setOverVisible(const std::string& nom, bool visible) { overs[nom].bVisible = visible; }

void CSPRITE::setOverFichier(const std::string& nom, const std::string& fichier) { overs[nom].fichier = fichier; }

void CSPRITE::supprimerOver(const std::string& nom) { overs.erase(nom); }

struct CSPRITE::Over& CSPRITE::getOver(const std::string& nom) { return overs[nom]; }

void CSPRITE::chargerImageOver(struct Over& o)
{
    if (o.fichierCharge == o.fichier)
        return;
    o.fichierCharge = o.fichier;
    o.texture.reset();
    o.image.reset();
    if (o.fichier.empty())
        return;
    auto image = std::make_shared<sf::Image>();
    if (!tuv::chargerMedia(*image, o.fichier))
        return;
    auto texture = std::make_shared<sf::Texture>();
    if (!texture->loadFromImage(*image))
        return;
    o.image = image;
    o.texture = texture;
}

std::string CSPRITE::getIdOver(float px, float py)
{
    for (auto& [nom, o] : overs) {
        if (!o.bVisible)
            continue;
        chargerImageOver(o);
        if (!o.image || o.sx == 0 || o.sy == 0)
            continue;
        // Into the overlay's own pixels: undo its position, rotation and scale.
        sf::Transform t;
        t.translate(o.x, o.y);
        t.rotate(o.rotation);
        t.scale(o.sx, o.sy);
        sf::Vector2f p = t.getInverse().transformPoint(px, py);
        sf::Vector2u taille = o.image->getSize();
        if (p.x < 0 || p.y < 0 || p.x >= taille.x || p.y >= taille.y)
            continue;
        if (o.image->getPixel(unsigned(p.x), unsigned(p.y)).a != 0)
            return nom;
    }
    return "";
}

// ---------------------------------------------------------------- free functions

bool supprimerSD(CSPRITE* sd)
{
    delete sd;
    return true;
}

bool supprimerSprite(CSPRITE* sd) { return supprimerSD(sd); }

bool supprimerSprite(sf::Sprite* s)
{
    delete s;
    return true;
}
