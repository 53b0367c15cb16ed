// The animation view's grids (checkerboard and rulers), its aim dial, its status message, and
// the rectangles of the selected animation (global rectangle, global origin, hitbox) with
// their handles and the shadow marker, which a drag of the view moves.
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"
#include "core/LotFormes.h"

#include "anim/Sprite3.h"
#include "core/Services.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/OutilsControles.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

using tuv::floatVersInt;

namespace {
const sf::Color CASE_PAIRE(50, 50, 50, 50);
const sf::Color CASE_IMPAIRE(150, 150, 150, 50);
// The view's own plain fill, which the dialog draws under it.
const sf::Color FOND_VUE(200, 203, 208);
// Below this the cells are too small to see, and their number too large to draw.
constexpr double CASE_MIN = 2.0;
const sf::Color COULEUR_REGLE(50, 50, 50, 150);
constexpr float DEMI_GRADUATION = 10.f;
// Past the view's edges, a tick's number still shows this far.
constexpr double MARGE_GRADUATION = 20.0;
const sf::Color COULEUR_AIGUILLE(0, 0, 255, 200);
constexpr float EPAISSEUR_CADRAN = 2.f;
const sf::Color FOND_TRANSPARENT(255, 255, 255, 0);
const sf::Color CONTOUR_RECT_GLOBAL(0, 200, 100, 200);
const sf::Color CONTOUR_HITBOX(0, 0, 180, 200);
constexpr float EPAISSEUR_RECTS = 3.f;
constexpr float PORTEE_OMBRE = 5.f;

// The grab flags of bDragPoigneesHitbox, in order, and the handle each names.
enum PoigneeRect { HG, HD, BG, BD, O, HG_HB, HD_HB, BG_HB, BD_HB, OMBRE, NB_POIGNEES_RECT };
const char* const CLES_RECT[] = {"HG", "HD", "BG", "BD", "O", "HG_HB", "HD_HB", "BG_HB", "BD_HB"};

bool estHitbox(const std::string& cle) { return cle.find("_HB") != std::string::npos; }

// A rectangle's corner moved by d, the opposite corner staying.
void deplacerCoin(sf::FloatRect& r, int coin, sf::Vector2f d)
{
    const bool gauche = coin == HG || coin == BG, haut = coin == HG || coin == HD;
    r.width += gauche ? -d.x : d.x;
    r.height += haut ? -d.y : d.y;
    if (gauche)
        r.left += d.x;
    if (haut)
        r.top += d.y;
}
} // namespace

double CJeuDialogAnimationsSprites::pasRegle(float z)
{
    if (z >= 6)
        return 5;
    if (z >= 4)
        return 25;
    if (z >= 2)
        return 50;
    return 100;
}

// The first cell to the left of (or above) the origin and the count to the right (or below),
// made odd or even so that the colours alternate from the origin's cell.
std::pair<long long, long long> CJeuDialogAnimationsSprites::casesDamier(double origine, double cote, double taille)
{
    long long i0 = static_cast<long long>(std::trunc(origine / cote + 1));
    if (i0 % 2 == 0)
        ++i0;
    long long i1 = std::max(0LL, static_cast<long long>(std::trunc((taille - origine) / cote + 1)));
    if (i1 % 2 != 0)
        ++i1;
    return {-i0, i1 - 1};
}

// Checkerboard -------------------------------------------------------------------------------------------
//
// Cells of tailleQuadrillage sprite pixels with a corner on the sprite's origin, over the whole
// view and a cell beyond. Only the cells that meet the view are made: a view panned far away
// would otherwise ask for millions.

void CJeuDialogAnimationsSprites::dessinerDamier(sf::RenderWindow* w)
{
    collecterDamier();
    if (w)
        lot_->vider(*w);
}

void CJeuDialogAnimationsSprites::collecterDamier()
{
    const double s = static_cast<double>(tailleQuadrillage) * zoom;
    if (!pImageAnimation || !(s >= CASE_MIN) || !std::isfinite(s))
        return;
    const double L = pImageAnimation->getLeftScreen(), T = pImageAnimation->getTopScreen();
    const double W = floatVersInt(pImageAnimation->getWidth()), H = floatVersInt(pImageAnimation->getHeight());
    const double ox = centreVueX, oy = centreVueY;
    const auto [colonne0, colonne1] = casesDamier(ox, s, W);
    const auto [ligne0, ligne1] = casesDamier(oy, s, H);
    if (colonne1 < colonne0)
        return;
    const long long iMin = std::max(colonne0, static_cast<long long>(std::floor(-ox / s)) - 1);
    const long long iMax = std::min(colonne1, static_cast<long long>(std::ceil((W - ox) / s)));
    const long long jMin = std::max(ligne0, static_cast<long long>(std::floor(-oy / s)) - 1);
    const long long jMax = std::min(ligne1, static_cast<long long>(std::ceil((H - oy) / s)));
    // Cut to the view: the scissor would cut them there anyway, at the cost of their pixels.
    const sf::FloatRect vue(static_cast<float>(L), static_cast<float>(T), static_cast<float>(W), static_cast<float>(H));
    const float cote = static_cast<float>(s);
    // Over the plain fill the cells are drawn opaque in the colour their blending gives, the
    // same pixels at a fraction of the software renderer's cost.
    const bool uni = fondVueUni();
    const sf::Color paire = uni ? melange(CASE_PAIRE, FOND_VUE) : CASE_PAIRE;
    const sf::Color impaire = uni ? melange(CASE_IMPAIRE, FOND_VUE) : CASE_IMPAIRE;
    sf::FloatRect cellule;
    for (long long i = iMin; i <= iMax; ++i)
        for (long long j = jMin; j <= jMax; ++j)
            if (vue.intersects({static_cast<float>(L + ox + i * s), static_cast<float>(T + oy + j * s), cote, cote},
                               cellule))
                lot_->rectangle(cellule, (i + j) % 2 == 0 ? paire : impaire);
}

// A translucent colour blended over an opaque one, rounded as the software renderer rounds:
// each of the two products on its own.
sf::Color CJeuDialogAnimationsSprites::melange(sf::Color dessus, sf::Color dessous)
{
    const auto canal = [a = dessus.a](sf::Uint8 h, sf::Uint8 b) {
        return static_cast<sf::Uint8>((h * a + 127) / 255 + (b * (255 - a) + 127) / 255);
    };
    return {canal(dessus.r, dessous.r), canal(dessus.g, dessous.g), canal(dessus.b, dessous.b), 255};
}

void CJeuDialogAnimationsSprites::colorerFondVue()
{
    if (pImageAnimation)
        pImageAnimation->setColorFond(FOND_VUE);
}

// The view's plain fill lies under the cells when nothing else shows there: no picture (nor
// its scroll bars), no frame, no greying of a disabled control.
bool CJeuDialogAnimationsSprites::fondVueUni() const
{
    return pImageAnimation && !pImageAnimation->hasImage() && !pImageAnimation->isCadre() &&
           pImageAnimation->isActive();
}

// Rulers --------------------------------------------------------------------------------------------------
//
// The two axes through the sprite's origin, and ticks with their numbers every step, to the
// view's far edges even when the origin lies outside the view. Only the ticks that can show
// are made.

void CJeuDialogAnimationsSprites::dessinerRegles(sf::RenderWindow* w)
{
    collecterRegles();
    if (w)
        lot_->vider(*w);
}

void CJeuDialogAnimationsSprites::collecterRegles()
{
    if (!pImageAnimation || !(zoom > 0) || !std::isfinite(zoom))
        return;
    const float L = static_cast<float>(pImageAnimation->getLeftScreen());
    const float T = static_cast<float>(pImageAnimation->getTopScreen());
    const float W = static_cast<float>(floatVersInt(pImageAnimation->getWidth()));
    const float H = static_cast<float>(floatVersInt(pImageAnimation->getHeight()));
    const float Ox = L + static_cast<float>(centreVueX), Oy = T + static_cast<float>(centreVueY);
    lot_->ligne({L, Oy}, {L + W, Oy}, COULEUR_REGLE);
    lot_->ligne({Ox, T}, {Ox, T + H}, COULEUR_REGLE);

    const double z = zoom, g = pasRegle(zoom);
    // Ticks k = g, 2g ... below the bound, those whose place p from the origin (one way and
    // the other) falls between debut and fin.
    auto graduations = [&](double borne, double origine, double debut, double fin, auto&& dessiner) {
        for (int sens : {-1, 1}) {
            // Places p with debut <= origine + sens * p <= fin.
            const double a = sens * (debut - origine), b = sens * (fin - origine);
            const double pMin = std::min(a, b) - MARGE_GRADUATION, pMax = std::max(a, b) + MARGE_GRADUATION;
            const double kMin = std::max(g, std::floor(pMin / z / g) * g);
            for (double k = kMin; k < borne && k * z <= pMax + z * g; k += g)
                dessiner(sens, k, static_cast<float>(floatVersInt(static_cast<float>(k * z))));
        }
    };
    const auto nombre = [](int sens, double k) { return std::to_string(static_cast<long long>(sens * k)); };
    graduations((H + std::abs(centreVueY)) / z, Oy, T, T + H, [&](int sens, double k, float p) {
        const float y = Oy + static_cast<float>(sens) * p;
        lot_->ligne({Ox - DEMI_GRADUATION, y}, {Ox + DEMI_GRADUATION, y}, COULEUR_REGLE);
        lot_->texte(*texte.getFont(), texte.getCharacterSize(), COULEUR_REGLE, nombre(sens, k), {Ox + 1, y + 1});
    });
    graduations((W + std::abs(centreVueX)) / z, Ox, L, L + W, [&](int sens, double k, float p) {
        const float x = Ox + static_cast<float>(sens) * p;
        lot_->ligne({x, Oy - DEMI_GRADUATION}, {x, Oy + DEMI_GRADUATION}, COULEUR_REGLE);
        lot_->texte(*texte.getFont(), texte.getCharacterSize(), COULEUR_REGLE, nombre(sens, k), {x + 1, Oy + 1});
    });
}

// Aim dial ------------------------------------------------------------------------------------------------
//
// The aim circle of the selected animation around its place, with a cross and a hand that
// points up at frame 0 and turns clockwise one degree a frame. It follows the daughter
// animation's KF_DELTA when the daughter takes it and the keyframe shows the daughter.

void CJeuDialogAnimationsSprites::dessinerRepereOrigine(sf::RenderWindow* w)
{
    collecterRepereOrigine();
    if (w)
        lot_->vider(*w);
}

void CJeuDialogAnimationsSprites::collecterRepereOrigine()
{
    if (!pImageAnimation)
        return;
    const int f = pSprite->getFrameCourante();
    const sf::Vector2f d = decalageFille(numAnimationSel, f);
    const sf::Vector2f ecran = pImageAnimation->getPositionScreen();
    const sf::Vector2f vue(ecran.x + static_cast<float>(centreVueX), ecran.y + static_cast<float>(centreVueY));
    const float z = zoom;
    const sf::Vector2f P = cercleVisee.getPosition(), O = cercleVisee.getOrigin();
    const float r = static_cast<float>(floatVersInt(cercleVisee.getRadius()));
    cercleVisee.setOutlineThickness(EPAISSEUR_CADRAN);
    cercleVisee.setRadius(r * z);
    cercleVisee.setOrigin(O.x * z, O.y * z);
    const sf::Vector2f M(vue.x + P.x * z + d.x, vue.y + P.y * z + d.y);
    cercleVisee.setPosition(M);
    lot_->forme(cercleVisee);
    cercleVisee.setOrigin(O);
    cercleVisee.setRadius(r);
    cercleVisee.setPosition(P);

    const sf::Color c = cercleVisee.getOutlineColor();
    lot_->ligne({M.x - r * z, M.y}, {M.x + r * z, M.y}, c);
    lot_->ligne({M.x, M.y - r * z}, {M.x, M.y + r * z}, c);
    const sf::Vector2f h = tournerPoint(P.x + r, P.y, static_cast<float>(90 - f), P.x, P.y);
    lot_->ligne(M, {vue.x + h.x * z + d.x, vue.y + h.y * z + d.y}, COULEUR_AIGUILLE);
}

// Rectangles of the animation -----------------------------------------------------------------------------
//
// A handle keeps its position at the sprite's origin and minus the point it marks as its
// origin: drawn with that origin zoomed (plus its radius) at the origin's place in the view,
// its centre lands on the point at any zoom.

void CJeuDialogAnimationsSprites::placerPoigneesRect(int animation)
{
    const CSPRITE3_ANIMATION* an = pSprite->getAnim(animation);
    if (!an)
        return;
    const sf::FloatRect& R = an->rectGlobal;
    const sf::FloatRect& B = an->rectHitbox;
    const sf::Vector2f& G = an->origineGlobale;
    const sf::Vector2f points[] = {{R.left, R.top},
                                   {R.left + R.width, R.top},
                                   {R.left, R.top + R.height},
                                   {R.left + R.width, R.top + R.height},
                                   G,
                                   {B.left, B.top},
                                   {B.left + B.width, B.top},
                                   {B.left, B.top + B.height},
                                   {B.left + B.width, B.top + B.height}};
    for (size_t i = 0; i < std::size(CLES_RECT); ++i)
        mapPoigneesHitbox[CLES_RECT[i]].setOrigin(-points[i]);
}

void CJeuDialogAnimationsSprites::dessinerRectsAnimation(sf::RenderWindow* w)
{
    collecterRectsAnimation();
    if (w)
        lot_->vider(*w);
}

void CJeuDialogAnimationsSprites::collecterRectsAnimation()
{
    const CSPRITE3_ANIMATION* an = pSprite->getAnim(numAnimationSel);
    if (pSprite->bPlay || !an || !pImageAnimation)
        return;
    const float z = zoom;
    const sf::Vector2f ecran = pImageAnimation->getPositionScreen();
    const sf::Vector2f vue(ecran.x + static_cast<float>(centreVueX), ecran.y + static_cast<float>(centreVueY));
    auto rectangle = [&](const sf::FloatRect& r, sf::Color contour) {
        const sf::Vector2f p(vue.x + r.left * z, vue.y + r.top * z);
        const sf::Vector2f coins[] = {{0, 0}, {r.width * z, 0}, {r.width * z, r.height * z}, {0, r.height * z}};
        lot_->polygone(coins, 4, sf::Transform().translate(p), FOND_TRANSPARENT, contour, EPAISSEUR_RECTS);
    };
    if (bAfficheRectGlobal)
        rectangle(an->rectGlobal, CONTOUR_RECT_GLOBAL);
    if (bAfficheRectHitbox)
        rectangle(an->rectHitbox, CONTOUR_HITBOX);
    const float rayon = static_cast<float>(rayonPoignee);
    for (auto& [cle, c] : mapPoigneesHitbox) {
        if (!(estHitbox(cle) ? bAfficheRectHitbox : bAfficheRectGlobal))
            continue;
        const sf::Vector2f P = c.getPosition(), Or = c.getOrigin();
        c.setOrigin(Or.x * z + rayon, Or.y * z + rayon);
        c.setPosition(vue.x + P.x * z, vue.y + P.y * z);
        lot_->forme(c);
        c.setOrigin(Or);
        c.setPosition(P);
    }
}

// A drag step of the animation view. Its first step grabs the handle under the mouse (only
// the shown ones; with Control only the global origin) or the shadow marker; every step of
// the drag then moves what was grabbed by the mouse's movement in sprite pixels.
bool CJeuDialogAnimationsSprites::deplacerPoigneesRect(int x, int y)
{
    const int a = numAnimationSel;
    CSPRITE3_ANIMATION* an = pSprite->getAnim(a);
    if (!an || !pImageAnimation)
        return false;
    bool* saisie = bDragPoigneesHitbox;
    if (bDebutDrag) {
        if (!saisirPoigneeRect(x, y))
            return false;
        bDebutDrag = false;
    }
    // A zoom that no drag can divide by moves nothing.
    const float z = zoom;
    const sf::Vector2f delta = pImageAnimation->getDragDelta();
    const sf::Vector2f d = z > 0 && std::isfinite(z) ? sf::Vector2f(delta.x / z, delta.y / z) : sf::Vector2f();
    if (saisie[OMBRE]) {
        const sf::Vector2f o = pSprite->getOmbreDecalage(a) + d;
        pSprite->setOmbreDecalage(a, o.x, o.y);
        editeur::afficher(*this, IdAnm::myTextInputOmbreDx, o.x);
        editeur::afficher(*this, IdAnm::myTextInputOmbreDy, o.y);
        return true;
    }
    const int coin = static_cast<int>(std::find(saisie, saisie + OMBRE, true) - saisie);
    if (coin < O)
        deplacerCoin(an->rectGlobal, coin, d);
    else if (coin == O)
        an->origineGlobale += d;
    else if (coin < OMBRE)
        deplacerCoin(an->rectHitbox, coin - HG_HB, d);
    else
        return false;
    placerPoigneesRect(a);
    return true;
}

// Sets the grab flag of what lies under the mouse (window pixels); false when nothing does.
bool CJeuDialogAnimationsSprites::saisirPoigneeRect(int x, int y)
{
    bool* saisie = bDragPoigneesHitbox;
    std::fill(saisie, saisie + NB_POIGNEES_RECT, false);
    const float z = zoom;
    const sf::Vector2f m(static_cast<float>(x - getLeft()), static_cast<float>(y - getTop()));
    const sf::Vector2f vue(pImageAnimation->getLeft() + static_cast<float>(centreVueX),
                           pImageAnimation->getTop() + static_cast<float>(centreVueY));
    auto aPortee = [&](int i) {
        const sf::Vector2f o = mapPoigneesHitbox[CLES_RECT[i]].getOrigin();
        const sf::Vector2f d(m.x - (vue.x - o.x * z), m.y - (vue.y - o.y * z));
        return std::sqrt(d.x * d.x + d.y * d.y) <= static_cast<float>(rayonPoignee);
    };
    auto premiere = [&](int debut, bool montrees) {
        for (int i = debut; montrees && i < debut + 4; ++i)
            if (aPortee(i))
                return saisie[i] = true;
        return false;
    };
    if (CPLUX::isKeyCtrlPress()) {
        saisie[O] = bAfficheRectGlobal && aPortee(O);
    } else {
        premiere(HG, bAfficheRectGlobal);
        if (!premiere(HG_HB, bAfficheRectHitbox) && pSprite->hasOmbre(numAnimationSel)) {
            const sf::Vector2f r = cercleRepere.getPosition();
            const sf::Vector2f d(m.x - (r.x - static_cast<float>(getLeft())),
                                 m.y - (r.y - static_cast<float>(getTop())));
            saisie[OMBRE] = std::sqrt(d.x * d.x + d.y * d.y) <= PORTEE_OMBRE;
        }
    }
    return std::any_of(saisie, saisie + NB_POIGNEES_RECT, [](bool b) { return b; });
}
