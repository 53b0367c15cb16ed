// The animation view (tab 1): grids, the sprite at its frame with its path, shadow and
// hierarchy markers, the frames, mesh and handles of the anim elements, the rectangles, the
// aim dial, the playback and the aim following, the status message and the mode buttons.
#include "animeditor/Ciseaux.h"
#include "animeditor/ControlTimeline.h"
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"
#include "core/LotFormes.h"

#include "anim/Sprite3.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Services.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/plux_theme.h"

#include <SFML/OpenGL.hpp>

#include <cmath>
#include <vector>

using tuv::floatVersInt;

namespace {
struct StyleCadre {
    sf::Color contour;
    float epaisseur;
    sf::Color fond;
};
const StyleCadre CADRE_VERROUILLE{{250, 250, 50, 100}, 1, sf::Color::Transparent};
const StyleCadre CADRE_LIE{{250, 250, 50, 180}, 5, {250, 250, 50, 50}};
const StyleCadre CADRE_SEL_KEYFRAME{{0, 255, 0, 200}, 2, sf::Color::Transparent};
const StyleCadre CADRE_SEL{{50, 50, 50, 200}, 2, sf::Color::Transparent};
const StyleCadre CADRE_AUTRE{{250, 250, 250, 100}, 2, sf::Color::Transparent};
const sf::Color CONTOUR_MAILLE_AE(250, 250, 250, 80);
// A selection of more circles than this is not drawn (nor kept, see basculerPointMaillage).
constexpr size_t MAX_CERCLES_MAILLAGE = 1000;
// The aim following needs a frame for every degree from 0 to 180.
constexpr int FRAMES_VISEE_MIN = 180;
// The path of an animation draws at most this many points per AE, however fine its step.
constexpr int MAX_POINTS_CHEMIN = 2000;
// The status message's place from the view's corner; it keeps as far from the right edge.
constexpr int MESSAGE_DX = 60, MESSAGE_DY = 4;
// 120 drawings at 30 frames per second.
constexpr float DUREE_MESSAGE = 120.f;
const char* const BOUTONS_MODE[] = {IdAnm::myButtonCheckModeSizeMoveRot, IdAnm::myButtonCheckModeMaillage,
                                    IdAnm::myButtonCheckDrawHierarchie};

// The border points of a rows x columns mesh, in the order of the sheet outline: the top row
// from left to right, the last column down, the last row back, the first column up.
std::vector<int> pointsBord(int colonnes, int lignes)
{
    std::vector<int> p;
    for (int c = 0; c < colonnes; ++c)
        p.push_back(c);
    for (int l = 0; l < lignes; ++l)
        p.push_back(l * colonnes + colonnes - 1);
    for (int c = colonnes - 1; c >= 0; --c)
        p.push_back((lignes - 1) * colonnes + c);
    for (int l = lignes - 1; l >= 0; --l)
        p.push_back(l * colonnes);
    return p;
}
} // namespace

// The view ------------------------------------------------------------------------------------------------

void CJeuDialogAnimationsSprites::dessinerVue(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy)
{
    if (!w || !pImageAnimation)
        return;
    CCiseaux ciseaux(*w, CCiseaux::rectangle(*w, *this, *pImageAnimation, ox, oy));
    if (!ciseaux.actif())
        return;
    // Over the view's plain fill the cells are opaque, and need no blending.
    const sf::BlendMode fusion = lot_->estVide() && fondVueUni() ? sf::BlendNone : sf::BlendAlpha;
    if (bQuadrillage)
        collecterDamier();
    if (!lot_->estVide()) {
        lot_->vider(*w, fusion);
        // The software renderer fills the tiles that hold nothing but rectangles along a fast
        // path, twice as cheap: sent on their own, the cells share no tile with the sprite.
        glFlush();
    }
    if (bGrilleAnimation)
        collecterRegles();
    lot_->vider(*w);
    const int a = numAnimationSel;
    if (!pSprite->getAnim(a))
        return;
    dessinerSpriteVue(*w, ciseaux);
    if (pTimeline)
        pTimeline->setFrameLecture(pSprite->getFrame(a));
    collecterSurSprite(a);
    lot_->vider(*w);

    if (pSprite->bPlay) {
        majPanneauAE();
        majPanneauKeyFrame();
        if (pSprite->bPlay)
            colorerListeAnimElems(pSprite->getFrameCourante());
    }
    pSprite->update(pImageAnimation, zoom, static_cast<float>(centreVueX), static_cast<float>(centreVueY),
                    numAnimationMere);
    // The playback may have gone to another animation, or to none that exists.
    const int courante = pSprite->getAnimation();
    numAnimationSel = pSprite->getAnim(courante) ? courante : -1;
    if (numAnimElemSel >= pSprite->getNbAnimElems(numAnimationSel))
        numAnimElemSel = -1;
    suivreSourisVisee();

    if (dureeMessage > 0) {
        --dureeMessage;
        texteMessage.setPosition(static_cast<float>(floatVersInt(getLeft() + pImageAnimation->getLeft()) + MESSAGE_DX),
                                 static_cast<float>(floatVersInt(getTop() + pImageAnimation->getTop()) + MESSAGE_DY));
        w->draw(texteMessage);
    }
    redessinerBoutonsMode(*w, ox, oy);
}

// Counted in drawings of the view: as many more at 60 frames per second as it takes to stay
// the same time on screen. Broken into lines that stay inside the view, as drawn.
void CJeuDialogAnimationsSprites::afficherMessage(const std::wstring& message)
{
    const float largeur = pImageAnimation ? pImageAnimation->getWidth() - 2.f * MESSAGE_DX : 0.f;
    sf::Text essai = texteMessage;
    const auto mesure = [&essai](const std::wstring& ligne) {
        essai.setString(sf::String(ligne));
        return essai.findCharacterPos(ligne.size()).x - essai.findCharacterPos(0).x;
    };
    texteMessage.setString(sf::String(largeur > 0 ? plux::couperLignes(message, largeur, mesure) : message));
    dureeMessage = imagesAuTaux(DUREE_MESSAGE);
}

// Over the sprite: the frames, the selection's mesh and handles, the rectangles, the hovered
// AE's frame and the aim dial.
void CJeuDialogAnimationsSprites::collecterSurSprite(int a)
{
    if (bCadreTousElements) {
        for (int ae = 0; ae < pSprite->getNbAnimElems(a); ++ae)
            collecterCadreAE(ae);
    } else if (bCadreSurSelection) {
        collecterCadreAE(numAnimElemSel);
    }
    if (bCadreSurSelection) {
        collecterMaillageAE(numAnimElemSel);
        collecterPoigneesAE(numAnimElemSel);
    }
    collecterRectsAnimation();
    // The hover test sets it again at the next mouse move.
    if (numAnimElemSurvol != -1) {
        collecterCadreAE(numAnimElemSurvol);
        numAnimElemSurvol = -1;
    }
    if (bGrilleAnimation && pSprite->isVisee(a))
        collecterRepereOrigine();
}

// The sprite, its global origin on the view's centre: its path, its shadow and the shadow's
// marker, and the hierarchy of the selected AE. The sprite's drawings take away the global
// origin; placed at the sprite's position they meet the AEs' frames and handles.
void CJeuDialogAnimationsSprites::dessinerSpriteVue(sf::RenderWindow& w, CCiseaux& ciseaux)
{
    const int a = numAnimationSel;
    const sf::Vector2f g = pSprite->getOrigineGlobaleCourante();
    pSprite->x = static_cast<float>(centreVueX) + zoom * g.x;
    pSprite->y = static_cast<float>(centreVueY) + zoom * g.y;
    const float x = pSprite->x, y = pSprite->y;
    if (bAfficheCheminAnimation) {
        const int nb = pSprite->getNbFrames(numAnimationMere);
        const int pas = std::max(precisionCheminAnimation, nb / MAX_POINTS_CHEMIN);
        pSprite->dessinerAnimation(w, pImageAnimation, zoom, x, y, numAnimationMere, pas);
    }
    if (pSprite->bDessinerMere) {
        const AffichageJeu* jeu = faceJeu::affichage();
        // The silhouette goes through a render texture, which may share the window's context.
        ciseaux.suspendre();
        const sf::Vector2f ombre =
            pSprite->dessinerOmbre(&w, 0, jeu ? jeu->pRenderTextureOmbre : nullptr, zoom * g.x, zoom * g.y,
                                   pImageAnimation, zoom, x, y, numAnimationMere, 0, sf::Transform::Identity);
        ciseaux.reprendre();
        pSprite->dessiner(&w, 0, 0, 0, pImageAnimation, zoom, x, y, numAnimationMere);
        if (pSprite->hasOmbre(a)) {
            cercleRepere.setPosition(pImageAnimation->getPositionScreen() + ombre);
            w.draw(cercleRepere);
        }
    }
    if (bDrawHierarchie && numAnimElemSel >= 0)
        pSprite->dessinerMarqueursAnimElems(w, pImageAnimation, zoom, x, y, numAnimationMere, numAnimElemSel);
}

// With the option on, an aim animation of a frame per degree or more shows the frame of the
// mouse's angle about its aim circle: 0 up, 90 to the side, 180 down, either side alike.
void CJeuDialogAnimationsSprites::suivreSourisVisee()
{
    const int a = numAnimationSel;
    if (!bSuiviSourisVisee || !pImageAnimation || !pSprite->isVisee(a) ||
        pSprite->getNbFrames(a) < FRAMES_VISEE_MIN)
        return;
    const sf::Vector2f c = pSprite->getCercleViseePos(a);
    const sf::Vector2i m = CPLUX::getMousePosition();
    const double angle =
        std::atan2(static_cast<double>(centreVueY) + pImageAnimation->getTopScreen() + zoom * c.y - m.y,
                   static_cast<double>(centreVueX) + pImageAnimation->getLeftScreen() + zoom * c.x - m.x);
    int d = floatVersInt(static_cast<float>(57.3 * angle + 270.0)) % 360;
    if (d >= 181)
        d = 360 - d;
    pSprite->setFrame(a, d);
    majPoigneesAE(a, pSprite->getFrame(a), numAnimElemSel);
}

// Drawn again over the view, which covers them; one lying beside the view would be cut away.
void CJeuDialogAnimationsSprites::redessinerBoutonsMode(sf::RenderWindow& w, int ox, int oy)
{
    const sf::FloatRect vue = pImageAnimation->getRect();
    for (const char* id : BOUTONS_MODE)
        if (CPLUXControlButtonCheck* b = ctrlButtonCheck(id); b && b->estAffiche() && vue.intersects(b->getRect()))
            b->draw(&w, ox + getLeft(), oy + getTop(), this);
    plux::peintre().vider(w);
}

// Anim elements on the view ---------------------------------------------------------------------------------
//
// An AE is drawn at its place (its position zoomed from the view's centre, plus the daughter's
// KF_DELTA), turned by its rotation about its origin; each mesh point stands at its texture
// coordinates from the element's corner plus its offset at the frame, scaled and zoomed.

namespace {
sf::Transform transformAE(sf::Vector2f place, float rotation, sf::Vector2f origine)
{
    sf::Transform t;
    t.translate(place);
    t.rotate(rotation);
    t.translate(-origine);
    return t;
}
} // namespace

void CJeuDialogAnimationsSprites::dessinerCadreAE(sf::RenderTarget& cible, int animElem)
{
    collecterCadreAE(animElem);
    lot_->vider(cible);
}

void CJeuDialogAnimationsSprites::dessinerMaillageAE(sf::RenderTarget& cible, int animElem)
{
    collecterMaillageAE(animElem);
    lot_->vider(cible);
}

void CJeuDialogAnimationsSprites::dessinerPoigneesAE(sf::RenderTarget& cible, int animElem)
{
    collecterPoigneesAE(animElem);
    lot_->vider(cible);
}

void CJeuDialogAnimationsSprites::collecterCadreAE(int ae)
{
    const int a = numAnimationSel, f = pSprite->getFrameCourante();
    if (!pSprite->getAnim(a) || ae < 0 || f < 0 || f >= pSprite->getNbFrames(a) ||
        !pSprite->isKeyAnimElemVisible(a, f, ae))
        return;
    const ValeursAE v = valeursAE(a, f, ae);
    const CSPRITE3_ELEMENT* e = v.valide ? pSprite->getElement(v.element) : nullptr;
    if (!e)
        return;
    const bool lie = (e->lienAnim[0] >= 0 && e->lienAnim[0] != a) || e->pSpriteLie || !e->strImage.empty();
    const bool choisi = ae == numAnimElemSel && !pSprite->bPlay;
    const StyleCadre& style = pSprite->getAnimElemVerrou(a, ae) ? CADRE_VERROUILLE
                              : lie                              ? CADRE_LIE
                              : choisi && pSprite->isKeyframe(a, f) ? CADRE_SEL_KEYFRAME
                              : choisi                           ? CADRE_SEL
                                                                 : CADRE_AUTRE;
    const sf::Vector2f k(v.echelle.x * zoom, v.echelle.y * zoom);
    std::vector<sf::Vector2f> points;
    for (int j : pointsBord(e->nbColonnes, e->nbLignes)) {
        const sf::Vector2f p = pointAE(a, f, ae, j);
        points.emplace_back(p.x * k.x, p.y * k.y);
    }
    const sf::Transform t = transformAE(placeEcranAE(v.position, true) + decalageFille(a, f), v.rotation,
                                        {k.x * v.origine.x, k.y * v.origine.y});
    lot_->polygone(points.data(), points.size(), t, style.fond, style.contour, style.epaisseur);
}

void CJeuDialogAnimationsSprites::collecterMaillageAE(int ae)
{
    const int a = numAnimationSel, f = pSprite->getFrameCourante();
    if (ae < 0 || ae >= pSprite->getNbAnimElems(a) || f < 0 || f >= pSprite->getNbFrames(a))
        return;
    const ValeursAE v = valeursAE(a, f, ae);
    const CSPRITE3_ELEMENT* e = v.valide ? pSprite->getElement(v.element) : nullptr;
    if (!e)
        return;
    const int C = e->nbColonnes, R = e->nbLignes;
    const sf::Vector2f k(v.echelle.x * zoom, v.echelle.y * zoom);
    std::vector<sf::Vector2f> points(static_cast<size_t>(C * R));
    for (int j = 0; j < C * R; ++j) {
        const sf::Vector2f p = pointAE(a, f, ae, j);
        points[static_cast<size_t>(j)] = {p.x * k.x, p.y * k.y};
    }
    const sf::Transform t = transformAE(placeEcranAE(v.position, true) + decalageFille(a, f), v.rotation,
                                        {k.x * v.origine.x, k.y * v.origine.y});
    for (int r = 0; r + 1 < R; ++r)
        for (int c = 0; c + 1 < C; ++c) {
            const size_t i = static_cast<size_t>(r * C + c), n = static_cast<size_t>(C);
            const sf::Vector2f cellule[] = {points[i], points[i + 1], points[i + n + 1], points[i + n]};
            lot_->polygone(cellule, 4, t, sf::Color::Transparent, CONTOUR_MAILLE_AE, 1);
        }
}

// The six handles, or in mesh mode the mesh circles, at the AE's place; each circle is drawn
// with its origin zoomed (and its radius added) and put back.
void CJeuDialogAnimationsSprites::collecterPoigneesAE(int ae)
{
    const int a = numAnimationSel, f = pSprite->getFrameCourante();
    if (pSprite->bPlay || !pSprite->getAnim(a) || ae < 0 || f < 0 || f >= pSprite->getNbFrames(a) ||
        !pSprite->isKeyAnimElemVisible(a, f, numAnimElemSel))
        return;
    const ValeursAE v = valeursAE(a, f, ae);
    if (!v.valide)
        return;
    const sf::Vector2f place = placeEcranAE(v.position, true) + decalageFille(a, f);
    auto dessiner = [&](sf::CircleShape& c, int rayon) {
        const sf::Vector2f p = c.getPosition(), o = c.getOrigin();
        const float r = static_cast<float>(rayon);
        c.setOrigin(zoom * o.x + r, zoom * o.y + r);
        c.setPosition(place);
        lot_->forme(c);
        c.setOrigin(o);
        c.setPosition(p);
    };
    if (!bModeMaillage) {
        for (auto& [cle, c] : mapPoignees)
            dessiner(c, rayonPoignee);
    } else if (!selectionMaillage.empty() && selectionMaillage.size() <= MAX_CERCLES_MAILLAGE) {
        for (auto& [point, c] : selectionMaillage)
            dessiner(c, rayonCercleMaillageSel);
    }
}
