// Drawing of CSPRITE3: the sprite tree of an animation (anim elements with their mesh,
// colour, shader, sub-sprite and emitter, the daughter animation), its shadow, the
// editor's markers, the hit box and the mouse events of anim elements.
#include "anim/Sprite3.h"

#include "anim/InterpreteurAnm.h"
#include "anim/MaillageTriangles.h"
#include "anim/Sprite3Interne.h"
#include "core/Globals.h"
#include "core/LotFormes.h"
#include "core/Services.h"
#include "core/ShaderManager.h"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <memory>
#include <vector>

namespace {

// Consecutive elements sharing a texture and drawn without shader go out in one draw call.
// Vertex buffers are kept from one drawing to the next (growing them is what costs), one
// per Lot alive at a time.
class Lot {
public:
    explicit Lot(sf::RenderTarget& c) : cible(c), sommets(prendreTampon()) {}
    ~Lot()
    {
        vider();
        --s_enCours;
    }
    Lot(const Lot&) = delete;
    Lot& operator=(const Lot&) = delete;

    void ajouter(const sf::Texture* t, const sf::VertexArray& quads, const sf::Vector2f* decalages, size_t nb,
                 const sf::Transform& tr, sf::Color couleur, sf::Vector2f decalageTex)
    {
        if (t != texture)
            vider();
        texture = t;
        maillage::ajouterTriangles(sommets, quads, decalages, nb, tr, couleur, decalageTex);
    }
    void vider()
    {
        if (sommets.getVertexCount() == 0)
            return;
        sf::RenderStates etats;
        etats.texture = texture;
        cible.draw(sommets, etats);
        sommets.clear();
    }

    sf::RenderTarget& cible;

private:
    static sf::VertexArray& prendreTampon()
    {
        thread_local std::vector<std::unique_ptr<sf::VertexArray>> tampons;
        if (s_enCours == tampons.size())
            tampons.push_back(std::make_unique<sf::VertexArray>(sf::Triangles));
        sf::VertexArray& t = *tampons[s_enCours++];
        t.clear();
        return t;
    }
    static inline thread_local size_t s_enCours = 0;

    const sf::Texture* texture = nullptr;
    sf::VertexArray& sommets;
};

// Levels of sub-sprites a drawing follows. Each level multiplies the copies drawn by its
// links: a sprite met again on its own chain would draw copies without end, and eight levels
// of ten links would be a hundred million; what real sprites link stays within two levels.
constexpr int LIENS_MAX = 4;

// The sprites of the chain being drawn, from the drawn one down to the current one.
struct Chaine {
    const CSPRITE3* sprite = nullptr;
    const Chaine* parent = nullptr;
    int liens = 0;  // levels of links above the current sprite

    bool contient(const CSPRITE3* s) const
    {
        for (const Chaine* c = this; c; c = c->parent)
            if (c->sprite == s)
                return true;
        return false;
    }
};

// What a sprite's tree drawing shares: the batch, the chain above the sprite, the tint
// (black for the shadow) and whether shaders and emitters take part.
struct Contexte {
    Lot& lot;
    const Chaine& chaine;
    sf::Color teinte = sf::Color::White;
    bool bEffets = true;
};

const std::string& nomSprite(const CSPRITE3& s)
{
    return !s.strFichier.empty() ? s.strFichier : s.nom.empty() ? s.ID : s.nom;
}

// Whether the drawing follows s's link to ss; the console hears of a cut once per sprite.
bool lienSuivi(const CSPRITE3& s, const Chaine& chaine, const CSPRITE3& ss)
{
    const bool boucle = chaine.contient(&ss);
    if (!boucle && chaine.liens < LIENS_MAX)
        return true;
    if (!s.bCoupeSignalee)
        std::cerr << "Animated sprite " << nomSprite(s) << ": sub-sprite " << nomSprite(ss)
                  << (boucle ? " holds it already" : " past " + std::to_string(LIENS_MAX) + " levels of sub-sprites")
                  << ", not drawn" << std::endl;
    s.bCoupeSignalee = true;
    return false;
}

// Where an animation stands in this drawing: its keyframe in force and the ticks since it,
// found once per animation instead of once per AE and value.
struct Instant {
    const CSPRITE3_ANIMATION* an = nullptr;
    const CSPRITE3_KEYFRAME* kf = nullptr;  // null: the animation has no keyframe
    float ticks = 0;                        // of the interpolated values
    float ticksMaillage = 0;                // of the mesh offsets

    const CSPRITE3_KEYANIMELEM* cle(int ae) const
    {
        return kf && ae >= 0 && ae < static_cast<int>(kf->cles.size()) ? &kf->cles[static_cast<size_t>(ae)]
                                                                        : nullptr;
    }
};

Instant instantCourant(const CSPRITE3& s, int a)
{
    Instant i;
    i.an = s.animations[a].get();
    i.kf = s.getKeyframeEnForce(a, i.an->frame);
    if (!i.kf)
        return i;
    const int f = i.an->frame, fk = i.kf->frame;
    i.ticks = sprite3::ticksInterpolation(*i.an, f, fk, s.bPlay);
    i.ticksMaillage = static_cast<float>(f - fk) * std::max(1, i.an->vitesse) + (s.bPlay ? i.an->compteurTick : 0.0f);
    return i;
}

// Values of an AE at the animation's current frame.
struct EtatAE {
    const CSPRITE3_KEYANIMELEM* cle = nullptr;
    sf::Transform pivot;      // the AE's frame: its position, turned and scaled
    sf::Transform transform;  // element pixels -> animation coordinates (pivot, less the origin)
    sf::Color couleur = sf::Color::White;
    // Mesh offsets, one per vertex: the key's own, or computed into a buffer while they move.
    const sf::Vector2f* decalages = nullptr;
    size_t nbDecalages = 0;
};

// translate(position) * rotate(angle) * scale(echelle), then the same translated by
// -origine, written out at once: the very products the chained SFML calls make, without
// their multiplications by 0 and 1.
void transformsAE(sf::Vector2f position, float angle, sf::Vector2f echelle, sf::Vector2f origine, EtatAE& etat)
{
    const float rad = angle * 3.141592654f / 180.f;
    const float c = std::cos(rad), s = std::sin(rad);
    const float a00 = c * echelle.x, a01 = -s * echelle.y, a10 = s * echelle.x, a11 = c * echelle.y;
    etat.pivot = sf::Transform(a00, a01, position.x, a10, a11, position.y, 0, 0, 1);
    etat.transform = sf::Transform(a00, a01, a00 * -origine.x + a01 * -origine.y + position.x, a10, a11,
                                   a10 * -origine.x + a11 * -origine.y + position.y, 0, 0, 1);
}

// tampon: where moving mesh offsets are computed; null when they are not needed.
bool lireEtatAE(const Instant& i, int ae, EtatAE& etat, std::vector<sf::Vector2f>* tampon = nullptr)
{
    const CSPRITE3_KEYANIMELEM* cle = i.cle(ae);
    if (!cle)
        return false;
    const float t = i.ticks;
    etat.cle = cle;
    transformsAE(cle->position + t * cle->pentePosition, cle->rotation + t * cle->penteRotation,
                 cle->echelle + t * cle->penteEchelle, cle->origine, etat);
    etat.couleur = sprite3::couleurInterpolee(*cle, t) * i.kf->couleur;

    // Mesh offsets move along their slopes like the other values.
    etat.decalages = cle->maillage.data();
    etat.nbDecalages = cle->maillage.size();
    const float ticks = i.ticksMaillage;
    if (tampon && i.an->bInterpolation && ticks != 0 && cle->penteMaillage.size() == cle->maillage.size()) {
        tampon->resize(cle->maillage.size());
        for (size_t n = 0; n < cle->maillage.size(); ++n)
            (*tampon)[n] = cle->maillage[n] + cle->penteMaillage[n] * ticks;
        etat.decalages = tampon->data();
    }
    return true;
}

// Whether AE ae of animation a (whose key at the current frame is cle) is drawn at all: a
// valid element of the current weapon (or of every weapon), visible at the current frame.
bool aeAffiche(const CSPRITE3& s, int a, int ae, const CSPRITE3_KEYANIMELEM* cle)
{
    const CSPRITE3_ANIMELEM* el = s.getAnimElem(a, ae);
    const CSPRITE3_ELEMENT* e = el ? s.getElement(el->element) : nullptr;
    if (!e || (e->arme != -1 && e->arme != s.armeCourante))
        return false;
    return cle && cle->visible;
}

sf::Shader* shaderAE(const CSPRITE3& s, const CSPRITE3_ANIMELEM& el)
{
    if (!s.bShadersTous || !el.bShaderActif || (el.strShaderVert.empty() && el.strShaderFrag.empty()) ||
        !g_services.shadersActifs())
        return nullptr;
    CShaderManager* mgr = g_services.shaderManager();
    sf::Shader* shader = mgr ? mgr->getShader(el.strShaderFrag, el.strShaderVert) : nullptr;
    if (shader)
        CShaderManager::appliquerUniforms(*shader, el.uniformsVert, el.uniformsFrag, g_services.secondesHorloge());
    return shader;
}

void dessinerArbre(const CSPRITE3& s, Contexte& ctx, int a, const sf::Transform& base, int niveau);

void dessinerAE(const CSPRITE3& s, Contexte& ctx, const Instant& i, int a, int ae, const sf::Transform& base,
                int niveau)
{
    // One offsets buffer per tree level: a sub-sprite is drawn while its parent's AE is.
    thread_local std::vector<sf::Vector2f> tampons[sprite3::PROFONDEUR_MAX + 2];
    EtatAE etat;
    if (!lireEtatAE(i, ae, etat, &tampons[std::clamp(niveau, 0, sprite3::PROFONDEUR_MAX + 1)]))
        return;
    const CSPRITE3_ANIMELEM& el = *s.animations[a]->animElems[ae];
    const CSPRITE3_ELEMENT& e = *s.elements[el.element];
    const sf::Transform t = base * etat.transform;
    sf::Color couleur = etat.couleur * s.couleur * ctx.teinte;
    if (e.bCouleurGlobale)
        couleur = couleur * s.couleurGlobale;

    if (e.pSpriteLie) {
        // The element stands for its sub-sprite: the sub-sprite's global origin sits on the
        // AE's position.
        const int lien = sprite3::animLiee(s, a, ae);
        const CSPRITE3& ss = *e.pSpriteLie;
        if (lien >= 0 && lienSuivi(s, ctx.chaine, ss)) {
            const Chaine maillon{&ss, &ctx.chaine, ctx.chaine.liens + 1};
            Contexte sous{ctx.lot, maillon, couleur, ctx.bEffets};
            // ANMDIRLIEN: the sub-sprite faces the way its parent does, whatever its own mirror.
            sf::Transform ts = base * etat.pivot;
            ts.scale(e.bAnmDirLien ? 1.0f : static_cast<float>(ss.miroir), 1.0f);
            ts.translate(-ss.animations[lien]->origineGlobale);
            dessinerArbre(ss, sous, lien, ts, niveau + 1);
        }
    } else {
        // The mesh is textured in sheet pixels; the element's own image starts at its corner.
        const sf::Texture* texture = e.pTexture ? e.pTexture.get() : s.pTextureFeuille;
        const sf::Vector2f decalageTex = e.pTexture ? -sf::Vector2f(e.rect.left, e.rect.top) : sf::Vector2f();
        sf::Shader* shader = ctx.bEffets ? shaderAE(s, el) : nullptr;
        if (shader) {
            ctx.lot.vider();
            sf::VertexArray sommets(sf::Triangles);
            maillage::ajouterTriangles(sommets, e.vertices, etat.decalages, etat.nbDecalages, t, couleur,
                                       decalageTex);
            sf::RenderStates etats;
            etats.texture = texture;
            etats.shader = shader;
            ctx.lot.cible.draw(sommets, etats);
        } else {
            ctx.lot.ajouter(texture, e.vertices, etat.decalages, etat.nbDecalages, t, couleur, decalageTex);
        }
    }
    CParticules* emetteur = el.bEmetteurActif ? el.pParticules.get() : nullptr;
    if (ctx.bEffets && emetteur && !emetteur->bFini && g_services.particulesActives()) {
        ctx.lot.vider();
        const sf::Vector2f p = t.transformPoint(etat.cle->origine);
        emetteur->setPosition(p.x, p.y);
        emetteur->dessiner(ctx.lot.cible);
    }
}

void dessinerPasse(const CSPRITE3& s, Contexte& ctx, const Instant& i, int a, const sf::Transform& base, int niveau,
                   bool avantPlan)
{
    const int nb = static_cast<int>(i.an->animElems.size());
    for (int ae = 0; ae < nb; ++ae) {
        const CSPRITE3_KEYANIMELEM* cle = i.cle(ae);
        if (aeAffiche(s, a, ae, cle) && static_cast<bool>(cle->avantPlan) == avantPlan)
            dessinerAE(s, ctx, i, a, ae, base, niveau);
    }
}

void dessinerArbre(const CSPRITE3& s, Contexte& ctx, int a, const sf::Transform& base, int niveau)
{
    if (niveau > sprite3::PROFONDEUR_MAX || !s.getAnim(a))
        return;
    const Instant i = instantCourant(s, a);
    const CSPRITE3_ANIMATION& an = *i.an;
    sf::Transform t = base;
    t.translate(0, sprite3::soubresaut(s, a));

    const CSPRITE3_KEYFRAME* kf = i.kf;
    const bool fille = s.bDessinerFille && s.getAnim(an.fille) && an.fille != a && kf && kf->bFille;
    sf::Transform tFille = t;
    // The daughter carries the flag that lets the mother's KF_DELTA move it, as the editor's
    // check and origin marker read it.
    if (fille && s.getAnim(an.fille)->bDeltaActif)
        tFille.translate(kf->delta);
    auto dessinerFille = [&](int mode) {
        if (fille && an.modeFille == mode)
            dessinerArbre(s, ctx, an.fille, tFille, niveau + 1);
    };
    dessinerFille(0);
    if (s.bDessinerMere)
        dessinerPasse(s, ctx, i, a, t, niveau, false);
    dessinerFille(1);
    if (s.bDessinerMere)
        dessinerPasse(s, ctx, i, a, t, niveau, true);
    dessinerFille(2);
}

// Animation coordinates -> target: at (x, y), zoomed and mirrored about the global origin.
sf::Transform transformBase(const CSPRITE3& s, int a, float x, float y, float zoom, int miroir)
{
    sf::Transform t;
    t.translate(x, y);
    t.scale(zoom * miroir, zoom);
    t.translate(-s.animations[a]->origineGlobale);
    return t;
}

// With a dialog control: coordinates relative to it and drawing clipped to it. Restores
// the target's view when done.
class Cadrage {
public:
    Cadrage(sf::RenderTarget& c, CPLUXControl* ctrl) : cible(c), ancienne(c.getView())
    {
        if (!ctrl)
            return;
        const sf::FloatRect r = g_services.rectControle(ctrl);
        const sf::Vector2u taille = c.getSize();
        if (r.width <= 0 || r.height <= 0 || taille.x == 0 || taille.y == 0)
            return;
        decalage = sf::Vector2f(r.left, r.top);
        const sf::Vector2f hg = c.mapPixelToCoords(sf::Vector2i(int(r.left), int(r.top)), ancienne);
        const sf::Vector2f bd =
            c.mapPixelToCoords(sf::Vector2i(int(r.left + r.width), int(r.top + r.height)), ancienne);
        sf::View v(sf::FloatRect(hg.x, hg.y, bd.x - hg.x, bd.y - hg.y));
        v.setViewport(sf::FloatRect(r.left / taille.x, r.top / taille.y, r.width / taille.x, r.height / taille.y));
        c.setView(v);
        bVue = true;
    }
    ~Cadrage()
    {
        if (bVue)
            cible.setView(ancienne);
    }
    Cadrage(const Cadrage&) = delete;
    Cadrage& operator=(const Cadrage&) = delete;

    sf::Vector2f decalage;

private:
    sf::RenderTarget& cible;
    sf::View ancienne;
    bool bVue = false;
};

} // namespace

void CSPRITE3::dessiner(sf::RenderTarget* cible, int niveau, float dx, float dy, CPLUXControl* ctrl, float zoom,
                        float x, float y, int anim)
{
    const int a = getAnim(anim) ? anim : animCourante;
    if (!cible || !getAnim(a) || !bVisible)
        return;
    Cadrage cadrage(*cible, ctrl);
    Lot lot(*cible);
    const Chaine racine{this};
    Contexte ctx{lot, racine};
    dessinerArbre(*this, ctx, a,
                  transformBase(*this, a, x + dx + cadrage.decalage.x, y + dy + cadrage.decalage.y, zoom, miroir),
                  niveau);
}

void CSPRITE3::dessiner(CPLUXControl* ctrl, float zoom, float x, float y, int anim)
{
    dessiner(CSFMLJeuGlobal::prenderTexture, 0, 0, 0, ctrl, zoom, x, y, anim);
}

void CSPRITE3::dessinerElement(sf::RenderTarget& cible, int a, int ae, const sf::Transform& t)
{
    if (!getAnim(a))
        return;
    const Instant i = instantCourant(*this, a);
    if (!aeAffiche(*this, a, ae, i.cle(ae)))
        return;
    Lot lot(cible);
    const Chaine racine{this};
    Contexte ctx{lot, racine};
    dessinerAE(*this, ctx, i, a, ae, t, 0);
}

sf::Vector2f CSPRITE3::dessinerOmbre(sf::RenderTarget* cible, int niveau, sf::RenderTexture* rtOmbre, float ox,
                                     float oy, CPLUXControl* ctrl, float echelle, float x, float y, int anim, int r,
                                     const sf::Transform& t)
{
    const int a = getAnim(anim) ? anim : animCourante;
    const CSPRITE3_ANIMATION* an = getAnim(a);
    if (!an)
        return sf::Vector2f(x, y);
    const sf::Vector2f place(x + an->ombreDecalage.x * echelle, y + an->ombreDecalage.y * echelle);
    if (!cible || !rtOmbre || !an->bOmbre || !bVisible)
        return place;

    // The silhouette, unmirrored, with the global origin at (ox, oy) of the render texture.
    rtOmbre->clear(sf::Color::Transparent);
    {
        Lot lot(*rtOmbre);
        const Chaine racine{this};
        Contexte ctx{lot, racine, sf::Color(0, 0, 0, 128), false};
        dessinerArbre(*this, ctx, a, transformBase(*this, a, ox, oy, echelle, 1), niveau);
    }
    rtOmbre->display();

    Cadrage cadrage(*cible, ctrl);
    sf::Sprite ombre(rtOmbre->getTexture());
    ombre.setOrigin(ox, oy);
    ombre.setPosition(place + cadrage.decalage);
    ombre.setScale(an->ombreEcrasement.x * miroir, an->ombreEcrasement.y);
    ombre.setRotation(static_cast<float>(an->ombreRotation + r));
    sf::RenderStates etats(t);
    cible->draw(ombre, etats);
    return place;
}

// ------------------------------------------------------------------------------ editor markers

namespace {

sf::Vector2f positionAE(const CSPRITE3& s, int a, int ae, int f)
{
    const int k = s.getKeyframe(a, f);
    const CSPRITE3_KEYFRAME* kf = s.getKeyframeEnForce(a, f);
    if (!kf)
        return sf::Vector2f();
    return sf::Vector2f(s.getXInterpole(a, ae, k, f, kf->frame, false), s.getYInterpole(a, ae, k, f, kf->frame, false));
}

// An outlined circle of that radius centred on p: an sf::CircleShape's points, taken once per
// radius (a shape made per marker recomputes its points and outline at every setter).
void cercle(CLotFormes& lot, sf::Vector2f p, float rayon, sf::Color couleur)
{
    struct Contour {
        float rayon;
        std::vector<sf::Vector2f> points;
    };
    thread_local std::vector<Contour> contours;
    auto it = std::find_if(contours.begin(), contours.end(), [rayon](const Contour& c) { return c.rayon == rayon; });
    if (it == contours.end()) {
        const sf::CircleShape rond(rayon, CLotFormes::pointsCercle(rayon + 1));
        Contour c{rayon, {}};
        for (size_t i = 0; i < rond.getPointCount(); ++i)
            c.points.push_back(rond.getPoint(i));
        it = contours.insert(contours.end(), std::move(c));
    }
    sf::Transform t;
    t.translate(p.x - rayon, p.y - rayon);
    lot.polygone(it->points.data(), it->points.size(), t, sf::Color::Transparent, couleur, 1);
}

} // namespace

void CSPRITE3::dessinerAnimation(CPLUXControl* ctrl, float zoom, float x, float y, int anim, int precision)
{
    if (CSFMLJeuGlobal::prenderTexture)
        dessinerAnimation(*CSFMLJeuGlobal::prenderTexture, ctrl, zoom, x, y, anim, precision);
}

void CSPRITE3::dessinerAnimation(sf::RenderTarget& cible, CPLUXControl* ctrl, float zoom, float x, float y, int anim,
                                 int precision)
{
    const CSPRITE3_ANIMATION* an = getAnim(anim);
    if (!an || an->nbFrames <= 0)
        return;
    Cadrage cadrage(cible, ctrl);
    const sf::Transform t = transformBase(*this, anim, x + cadrage.decalage.x, y + cadrage.decalage.y, zoom, miroir);
    const int pas = std::max(1, precision);
    for (size_t ae = 0; ae < an->animElems.size(); ++ae) {
        sf::VertexArray chemin(sf::LineStrip);
        for (int f = 0; f < an->nbFrames; f += pas)
            chemin.append(sf::Vertex(t.transformPoint(positionAE(*this, anim, int(ae), f)), sf::Color::Yellow));
        cible.draw(chemin);
    }
}

void CSPRITE3::dessinerMarqueursAnimElems(CPLUXControl* ctrl, float zoom, float x, float y, int anim, int ae)
{
    if (CSFMLJeuGlobal::prenderTexture)
        dessinerMarqueursAnimElems(*CSFMLJeuGlobal::prenderTexture, ctrl, zoom, x, y, anim, ae);
}

void CSPRITE3::dessinerMarqueursAnimElems(sf::RenderTarget& cible, CPLUXControl* ctrl, float zoom, float x, float y,
                                         int anim, int ae)
{
    const CSPRITE3_ANIMATION* an = getAnim(anim);
    if (!an)
        return;
    Cadrage cadrage(cible, ctrl);
    const sf::Transform t = transformBase(*this, anim, x + cadrage.decalage.x, y + cadrage.decalage.y, zoom, miroir);
    // One draw for all the circles and one for all the lines over them. The circles are
    // opaque: written without blending, the same pixels cost the renderer less.
    thread_local CLotFormes lot;
    thread_local std::vector<sf::Vector2f> places;
    places.clear();
    for (size_t i = 0; i < an->animElems.size(); ++i) {
        places.push_back(t.transformPoint(positionAE(*this, anim, int(i), an->frame)));
        const bool choisi = static_cast<int>(i) == ae;
        cercle(lot, places.back(), choisi ? 6.0f : 3.0f, choisi ? sf::Color::Red : sf::Color::White);
    }
    lot.vider(cible, sf::BlendNone);
    for (size_t i = 0; i < an->animElems.size(); ++i)
        for (int enfant : an->animElems[i]->enfants)
            if (getAnimElem(anim, enfant))
                lot.ligne(places[i], t.transformPoint(positionAE(*this, anim, enfant, an->frame)),
                          static_cast<int>(i) == ae ? sf::Color::Red : sf::Color(255, 255, 255, 128));
    lot.vider(cible);
}

// ------------------------------------------------------------------------------ hit test, mouse

bool CSPRITE3::collisionHitbox(float lx, float ly)
{
    const CSPRITE3_ANIMATION* an = getAnim(animCourante);
    if (!an)
        return false;
    const sf::Vector2f p(lx - x + an->origineGlobale.x, ly - y + an->origineGlobale.y);
    const sf::FloatRect& r = an->rectHitbox;
    return p.x >= r.left && p.x < r.left + r.width && p.y >= r.top && p.y < r.top + r.height;
}

namespace {

// Whether the point (animation coordinates) lies on the AE's element, mesh offsets aside.
bool pointSurAE(const CSPRITE3& s, const Instant& i, int a, int ae, sf::Vector2f p)
{
    EtatAE etat;
    if (!lireEtatAE(i, ae, etat))
        return false;
    const CSPRITE3_ELEMENT& e = *s.elements[s.animations[a]->animElems[ae]->element];
    const sf::Vector2f local = etat.transform.getInverse().transformPoint(p);
    return local.x >= 0 && local.y >= 0 && local.x < e.rect.width && local.y < e.rect.height;
}

void evenement(CSPRITE3& s, int a, int ae, const char* nom)
{
    const auto& evts = s.animations[a]->animElems[ae]->evenements;
    auto it = evts.find(nom);
    if (it != evts.end())
        CInterpreteurAnm::executer(s, it->second, a);
}

// The AE under the point, front to back: in-front AEs first, each pass from the last drawn.
int aeSousPoint(const CSPRITE3& s, int a, sf::Vector2f p)
{
    const Instant i = instantCourant(s, a);
    for (int passe = 1; passe >= 0; --passe) {
        for (int ae = static_cast<int>(i.an->animElems.size()) - 1; ae >= 0; --ae) {
            const CSPRITE3_KEYANIMELEM* cle = i.cle(ae);
            if (!aeAffiche(s, a, ae, cle) || static_cast<bool>(cle->avantPlan) != (passe == 1))
                continue;
            if (pointSurAE(s, i, a, ae, p))
                return ae;
        }
    }
    return -1;
}

} // namespace

void CSPRITE3::gererSouris(sf::Vector2f pointLocal, bool gauche, bool droit)
{
    const int a = animCourante;
    if (!getAnim(a)) {
        sourisGauche = gauche;
        sourisDroite = droit;
        return;
    }
    const int dessus = aeSousPoint(*this, a, pointLocal);
    // Scripts may change the animation: events go by index, checked again each time.
    const int nbAE = static_cast<int>(animations[a]->animElems.size());
    for (int ae = 0; ae < nbAE && getAnimElem(a, ae); ++ae) {
        CSPRITE3_ANIMELEM& el = *animations[a]->animElems[ae];
        const bool estDessus = ae == dessus;
        if (estDessus == el.bSourisDessus)
            continue;
        el.bSourisDessus = estDessus;
        evenement(*this, a, ae, estDessus ? "onMouseOn" : "onMouseOut");
    }
    if (dessus >= 0 && getAnimElem(a, dessus)) {
        if (gauche && !sourisGauche)
            evenement(*this, a, dessus, "onMouseClickLeft");
        if (!gauche && sourisGauche)
            evenement(*this, a, dessus, "onMouseReleaseLeft");
        if (droit && !sourisDroite)
            evenement(*this, a, dessus, "onMouseClickRight");
        if (!droit && sourisDroite)
            evenement(*this, a, dessus, "onMouseReleaseRight");
    }
    sourisGauche = gauche;
    sourisDroite = droit;
}
