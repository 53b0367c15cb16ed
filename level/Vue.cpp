#include "level/Vue.h"

#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "level/Decor.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

bool persoSaisi(const CDecor& decor)
{
    for (const auto* liste : {&decor.persos, &decor.ias})
        for (const CPerso* p : *liste)
            if (p && p->bSaisiSouris)
                return true;
    return false;
}

// The active level and player of the game; no player when there is no game.
ContexteVue contexteJeu()
{
    ContexteVue c;
    PartieJeu* jeu = faceJeu::partie();
    if (!jeu)
        return c;
    c.joueur = faceJeu::monde()->pPerso;
    c.decor = faceJeu::monde()->pdecor;
    c.framerateCoeff = jeu->framerateCoeff;
    c.modeJeu = jeu->mode;
    c.compteurMultiPause = jeu->compteurMultiPause;
    c.scene = CSFMLJeuGlobal::prenderTexture;
    // Mode 4 walks a straggler one step back toward the group; it keeps facing its way.
    c.marcher = [](CPerso& p, int direction) {
        const int avant = p.direction;
        p.marcher(direction, 1);
        p.setDirection(avant);
    };
    return c;
}

CSPRITE* spriteDe(const CPerso& p) { return p.sprite; }

// Sign of a gap, 0 when the gap is below one scroll step.
int signeEcart(int d, float pas)
{
    if (std::abs(static_cast<float>(d)) < pas)
        return 0;
    return d >= 0 ? 1 : -1;
}

void replacer(CSPRITE& s) { s.placer(-1, tuv::floatVersInt(s.x), tuv::floatVersInt(s.y)); }

constexpr int MODE_JEU_EDITEUR = 2;

// Where mode 8 writes on the console, in the order of its values.
constexpr int LIGNES_DIAGNOSTIC[] = {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16};

// The smallest and largest positions of the characters mode 8 looks at: those neither
// mounted nor kept out of the view.
struct Etendue {
    float xMin = 9999999, yMin = 9999999, xMax = 0, yMax = 0;
    // The horizontal spread; 1 for none, so that the zoom it gives stays a number.
    float ecartX() const { return xMax - xMin == 0 ? 1 : xMax - xMin; }
};

Etendue etendueDiagnostic(const CDecor& decor)
{
    Etendue e;
    for (const CPerso* k : decor.persos) {
        if (!k || !k->sprite || k->bMonte || k->bHorsVue)
            continue;
        const CSPRITE& s = *spriteDe(*k);
        e.xMin = std::min(e.xMin, s.x);
        e.xMax = std::max(e.xMax, s.x);
        e.yMin = std::min(e.yMin, s.y);
        e.yMax = std::max(e.yMax, s.y);
    }
    return e;
}

// The zoom mode 8 aims at before the level's bounds: 15 times the spread over the width.
float cibleDiagnostic(const CDecor& decor, const Etendue& e)
{
    const float X = decor.tailleJeuX > 0 ? static_cast<float>(decor.tailleJeuX) : 1.0f;
    return 15 * e.ecartX() / X;
}

} // namespace

std::function<ContexteVue()> CVue::contexte = contexteJeu;

CVue::CVue(int l, int h)
    : hauteur(static_cast<float>(h)), largeur(static_cast<float>(l)), sx(largeur), sy(hauteur)
{
}

void CVue::tailleVue()
{
    sx = largeur * zoom;
    sy = hauteur * zoom;
    cx = 0;
    cy = 0;
}

int CVue::maj() { return maj(contexte()); }

int CVue::maj(const ContexteVue& c)
{
    if (vuemode != MODE_DIAGNOSTIC)
        effacerDiagnostic();
    if (!c.joueur || !spriteDe(*c.joueur) || !c.decor)
        return -1;
    // A character dragged in the editor stays under the mouse: the view does not follow it.
    if (c.modeJeu == MODE_JEU_EDITEUR && persoSaisi(*c.decor)) {
        poserSurScene(c.scene);
        return 0;
    }
    switch (vuemode) {
    case 0: mode0(c); break;
    case 1: garderJoueur(c, true); break;
    case 2: mode2(c); break;
    case 3: mode3(c); break;
    case 4: mode4(c); break;
    case 5: mode5(c); break;
    case 6:
        garderJoueur(c, false);
        tailleVue();
        cx = (largeur - sx) / 2;
        cy = (hauteur - sy) / 2;
        break;
    case 7: mode7(c); break;
    case 8: mode8(c); break;
    default: break;  // an unknown mode keeps the stored rectangle
    }
    cadrerNiveauEntier(c);
    trembler();
    poserSurScene(c.scene);
    return 0;
}

void CVue::poserSurScene(sf::RenderTarget* scene)
{
    vue.reset(sf::FloatRect(x + cx, y + cy, sx, sy));
    if (scene)
        scene->setView(vue);
}

void CVue::majDecalageBaisse(int etat)
{
    if (etat == 2)
        decalageBaisse += 10.0f;
    else if (etat == 0 || etat == 1 || (etat >= 5 && etat <= 9))
        decalageBaisse = 0;
}

void CVue::mode0(const ContexteVue& c)
{
    const CPerso& p = *c.joueur;
    const CSPRITE& s = *spriteDe(p);
    majDecalageBaisse(p.mode);
    const float X = static_cast<float>(c.decor->tailleJeuX);
    const float Y = static_cast<float>(c.decor->tailleJeuY);
    if (s.x <= largeur / 2)
        x = 0;
    else if (s.x > X - largeur / 2)
        x = X - largeur;
    else
        x = s.x - (largeur * zoom) / 2;
    const float pos = s.y + decalageBaisse;
    if (pos <= hauteur / 2)
        y = decalageBaisse;
    else if (pos > Y - hauteur / 2)
        y = Y - hauteur;
    else
        y = pos - zoom * hauteur / 2;
    tailleVue();
}

// Modes 1, 2 and 6: the player stays inside the view. Mode 1 scrolls right and pushes the
// player back in; modes 2 and 6 only place the sprite again where it stands.
void CVue::garderJoueur(const ContexteVue& c, bool pousser)
{
    CSPRITE& s = *spriteDe(*c.joueur);
    const float X = static_cast<float>(c.decor->tailleJeuX);
    if (pousser && x + largeur < X)
        x += vitesseScroll * c.framerateCoeff;
    const float gauche = x + s.ox * s.sx - 30;
    const float droite = x + largeur;
    if (s.x < gauche || s.x > droite) {
        if (pousser)
            s.x = s.x < gauche ? gauche : droite;
        replacer(s);
    }
    if (s.y < y || s.y > y + hauteur) {
        if (pousser)
            s.y = s.y < y ? y : y + hauteur;
        replacer(s);
    }
    tailleVue();
}

void CVue::mode2(const ContexteVue& c)
{
    garderJoueur(c, false);
    if (c.modeJeu != 1 || c.compteurMultiPause != 0)
        return;
    if (zoom > zoomBase + 0.02f) {
        zoom -= 0.02f;
        x += 8;
        y += 8;
    } else if (zoom < zoomBase - 0.02f) {
        zoom += 0.02f;
        x -= 8;
        y -= 8;
    }
}

void CVue::mode3(const ContexteVue& c)
{
    const CPerso& p = *c.joueur;
    const CSPRITE& s = *spriteDe(p);
    majDecalageBaisse(p.mode);
    tailleVue();
    const float X = static_cast<float>(c.decor->tailleJeuX);
    const float Y = static_cast<float>(c.decor->tailleJeuY);

    const float demiX = sx / 2;
    if (s.x <= demiX) {
        if (x > 0)
            x -= vitesseScroll;
    } else if (s.x > X - demiX) {
        if (x < X - sx)
            x += vitesseScroll;
    } else {
        const int d = tuv::floatVersInt(s.x - (x + demiX));
        const int signe = signeEcart(d, vitesseScroll);
        if (std::abs(static_cast<float>(d)) > retard)
            x = s.x - demiX - retard * signe;
        else
            x += signe * vitesseScroll;
    }

    const float milieu = s.y - p.hauteurHitbox * s.sx / 2;
    const float pos = milieu + decalageBaisse;
    const float demiY = sy / 2;
    if (pos <= demiY) {
        if (y > 0)
            y -= vitesseScroll;
    } else if (pos > Y - demiY) {
        if (y < Y - sy)
            y += vitesseScroll;
    } else {
        const int d = tuv::floatVersInt(pos - (y + demiY));
        const int signe = signeEcart(d, vitesseScroll);
        if (std::abs(static_cast<float>(d)) > retard)
            y = milieu - demiY - retard * signe;
        else
            y += signe * vitesseScroll;
    }
}

void CVue::easingZoom(bool saut, bool accroupi, float coeff)
{
    if (saut)
        zoomVers(zoomBase + 0.025f, 0.005f * coeff);
    else if (accroupi)
        zoomVers(zoomBase - 0.1f, 0.01f * coeff);
    else
        zoomVers(zoomBase, 0.005f * coeff);
}

void CVue::mode4(const ContexteVue& c)
{
    const CPerso& joueur = *c.joueur;
    const CSPRITE& sj = *spriteDe(joueur);
    if (c.modeJeu == MODE_JEU_EDITEUR) {
        tailleVue();
        x = tuv::floatVersInt(sj.x) - sx / 2;
        y = tuv::floatVersInt(sj.y) - sy / 2;
        return;
    }
    centreX = centreY = 0;
    retard = 400.0f;
    const float coeff = c.framerateCoeff;
    const float Y = static_cast<float>(c.decor->tailleJeuY);

    int nombre = 0;
    int orientation = 0;
    bool saut = false, accroupi = false;
    float gaucheGroupe = sj.x, droiteGroupe = sj.x;
    auto compte = [](const CPerso* k) {
        return k && k->sprite && !k->bMonte && !k->bHorsVue && spriteDe(*k)->estVisible();
    };
    for (const CPerso* k : c.decor->persos) {
        if (!compte(k))
            continue;
        const CSPRITE& s = *spriteDe(*k);
        centreX += s.x;
        centreY += s.y;
        gaucheGroupe = std::min(gaucheGroupe, s.x);
        droiteGroupe = std::max(droiteGroupe, s.x);
        ++nombre;
        orientation += k->direction == 1 ? 1 : -1;
        if (joueur.mode >= 5 && joueur.mode <= 8)
            saut = true;
        else if (joueur.mode >= 2 && joueur.mode <= 4)
            accroupi = true;
    }
    if (nombre > 0) {
        centreX /= nombre;
        centreY /= nombre;
        ecartMax = 0;
        for (CPerso* k : c.decor->persos) {
            if (!compte(k))
                continue;
            const CSPRITE& s = *spriteDe(*k);
            const float dx = centreX - s.x, dy = centreY - s.y;
            const float d = std::sqrt(dx * dx + dy * dy);
            ecartMax = std::max(ecartMax, d);
            if (d > distanceMax && std::abs(dx) > distanceMax && c.marcher) {
                const int ancienne = k->direction;
                c.marcher(*k, centreX > s.x ? 0 : 1);
                k->direction = ancienne;
            }
            k->ecartGroupeX = dx;
            k->ecartGroupeY = dy;
        }
    }

    tailleVue();
    easingZoom(saut, accroupi, coeff);

    if (nombre > 0) {
        float ecart, sens;
        if (orientation > 0) {
            ecart = largeur * zoom + x - centreX;
            sens = -1;
        } else {
            ecart = centreX - x;
            sens = 1;
        }
        suivreX(ecart, sens, joueur.vitesse, 60, coeff);
    }
    garderEnVue(gaucheGroupe, droiteGroupe, sj.x);
    bornerAuGroupe(*c.decor);

    if (nombre > 0)
        suivreY(centreY - y - sy / 1.5f, 2.0f, Y, coeff);
}

// The lead towards the side the group faces must not push anyone out of the view: the whole
// group stays in it while it fits, else player 1's hero does.
void CVue::garderEnVue(float gauche, float droite, float heros)
{
    constexpr float MARGE = 100;
    const float l = largeur * zoom;
    if (droite - gauche + 2 * MARGE > l)
        gauche = droite = heros;
    x = std::max(droite + MARGE - l, std::min(x, gauche - MARGE));
}

// The group's view stays within the characters' zone when the level uses one ("ZONE" with a
// first value of 1), else within the level. A band narrower than the view keeps its left
// edge: clamping to both ends of it would flip the view between them every frame.
void CVue::bornerAuGroupe(const CDecor& decor)
{
    const bool zone = decor.bZone;
    const float gauche = zone ? static_cast<float>(decor.zone[0]) : 0.0f;
    const float droite = static_cast<float>(zone ? decor.zone[2] : decor.tailleJeuX);
    x = std::max(gauche, std::min(x, droite - zoom * largeur));
}

void CVue::mode5(const ContexteVue& c)
{
    const CPerso& p = *c.joueur;
    const CSPRITE& s = *spriteDe(p);
    const float coeff = c.framerateCoeff;
    const float Y = static_cast<float>(c.decor->tailleJeuY);
    retard = 200.0f;
    // While the level is edited the zoom stays where the author put it (zoom keys, wheel).
    if (c.modeJeu != MODE_JEU_EDITEUR)
        easingZoom(p.mode >= 5 && p.mode <= 8, p.mode >= 2 && p.mode <= 4, coeff);
    tailleVue();

    float ecart, sens;
    if (p.direction == 1) {
        ecart = sx + x - s.x;
        sens = -1;
    } else {
        ecart = s.x - x;
        sens = 1;
    }
    suivreX(ecart, sens, p.vitesse, 50, coeff);
    // The look-ahead only moves the way the player faces: a hero knocked back, or one that
    // takes over elsewhere (the next hero of a chrono level), is brought back into view.
    garderEnVue(s.x, s.x, s.x);
    suivreY(s.y - y - sy / 1.5f, 4.0f, Y, coeff);
    // A zoom that eased back out after a hit does not show below the level's bottom.
    y = std::min(y, std::max(0.0f, Y - sy));
}

// The following modes close a horizontal gap fast when it is twice the lag, one pixel a
// frame when it is past the lag, not at all below.
void CVue::suivreX(float ecart, float sens, int vitesse, float diviseur, float coeff)
{
    if (ecart >= 2 * retard)
        x += sens * std::max(static_cast<float>(vitesse), ecart / diviseur) * coeff;
    else if (ecart >= retard)
        x += sens * coeff;
}

// Vertical gap v between the followed point and two thirds down the view: up fast, down
// slowly unless far, never past the level's top or bottom.
void CVue::suivreY(float v, float seuil, float Y, float coeff)
{
    if (v < seuil) {
        if (y > 0)
            y -= 10 * coeff;
    } else if (v > seuil) {
        if (y < Y - sy)
            y += (v > 150 ? 10 : 1) * coeff;
    }
}

void CVue::mode7(const ContexteVue& c)
{
    const CPerso& p = *c.joueur;
    const CSPRITE& s = *spriteDe(p);
    const float X = static_cast<float>(c.decor->tailleJeuX);
    const float Y = static_cast<float>(c.decor->tailleJeuY);
    tailleVue();
    cx = (largeur - sx) / 2;
    cy = (hauteur - sy) / 2;
    x = s.x - sx / 2 - cx;
    if (sx < X) {
        if (x + cx < 0)
            x = -cx;
        else if (x + cx > X - sx)
            x = X - sx - cx;
    } else {
        x = 0;
    }
    y = (s.y - p.hauteurHitbox * s.sx / 2) - sy / 2 - cy;
    if (cy + y > Y - sy)
        y = Y - sy - cy;
}

// A diagnostic mode: the zoom follows the horizontal spread of the characters.
void CVue::mode8(const ContexteVue& c)
{
    const Etendue e = etendueDiagnostic(*c.decor);
    const float cible = cibleDiagnostic(*c.decor, e);
    zoom = std::clamp(cible, zoomBase - 0.2f, zoomBase);
    const float ancienSx = sx, ancienSy = sy;
    cx = ancienSx - largeur * zoom;
    cy = ancienSy - hauteur * zoom;
    sx = largeur * zoom;
    sy = hauteur * zoom;

    const std::pair<const wchar_t*, float> valeurs[] = {
        {L"   Vue.x (apr\u00e8s correction)=", x}, {L"   Vue.y (apr\u00e8s correction)=", y},
        {L"sx=", sx}, {L"sy=", sy}, {L"cx=", cx}, {L"cy=", cy}, {L"Xmin=", e.xMin}, {L"Xmax=", e.xMax},
        {L"Ymin=", e.yMin}, {L"Ymax=", e.yMax}, {L"diffX=", e.ecartX()}, {L"z=", cible}, {L"ZoomVue=", zoom}};
    static_assert(std::size(valeurs) == std::size(LIGNES_DIAGNOSTIC));
    for (size_t i = 0; i < std::size(valeurs); ++i)
        CPLUX::setConsoleText(std::wstring(valeurs[i].first) + CPLUX::ftows(valeurs[i].second), LIGNES_DIAGNOSTIC[i]);
    diagnosticAffiche = true;
}

float CVue::zoomDiagnostic(const CDecor& decor) const
{
    return std::clamp(cibleDiagnostic(decor, etendueDiagnostic(decor)), zoomBase - 0.2f, zoomBase);
}

void CVue::effacerDiagnostic()
{
    if (!diagnosticAffiche)
        return;
    for (int ligne : LIGNES_DIAGNOSTIC)
        CPLUX::setConsoleText(L"", ligne);
    diagnosticAffiche = false;
}

// While the level is edited, a view as wide as the level shows all of it: from its left edge
// and within its height (the zoom keys' whole width). The diagnostic's view stays as it is.
void CVue::cadrerNiveauEntier(const ContexteVue& c)
{
    const float X = static_cast<float>(c.decor->tailleJeuX);
    if (c.modeJeu != MODE_JEU_EDITEUR || vuemode == MODE_DIAGNOSTIC || X <= 0 || sx < X)
        return;
    const float Y = static_cast<float>(c.decor->tailleJeuY);
    x = -cx;
    y = std::max(0.0f, std::min(y + cy, Y - sy)) - cy;
}

void CVue::trembler()
{
    if (compteurTremblement < 0)
        return;
    phaseTremblement = (phaseTremblement + 1) % 2;
    const int decalage = compteurTremblement * amplitudeTremblement;
    if (phaseTremblement == 1) {
        y -= decalage;
    } else {
        y += decalage;
        --compteurTremblement;
    }
}

void CVue::zoomer(float pas, bool limiter)
{
    const float nouveau = zoom + pas;
    if (limiter) {
        const CDecor* decor = contexte().decor;
        if (decor && largeur * nouveau >= decor->tailleJeuX && hauteur * nouveau >= decor->tailleJeuY)
            return;
    }
    zoom = nouveau;
}

void CVue::molette(float sens, bool devMode)
{
    zoom += 0.1f * sens;
    if (devMode)
        zoomer(0.025f * sens, true);
    zoom = std::max(zoom, ZOOM_MOLETTE_MIN);
}

bool CVue::zoomVers(float cible, float pas)
{
    if (zoom == cible)
        return true;
    if (zoom < cible) {
        zoom += pas;
        if (zoom >= cible) {
            zoom = cible;
            return true;
        }
        return false;
    }
    zoom -= pas;
    if (zoom <= cible) {
        zoom = cible;
        return true;
    }
    return false;
}

void CVue::placerAutour(float px, float py, float largeurNiveau, float hauteurNiveau)
{
    tailleVue();
    // Modes 6 and 7 draw their zoomed rectangle centred on the unzoomed one.
    const bool centre = vuemode == 6 || vuemode == 7;
    const float ox = centre ? (largeur - sx) / 2 : 0;
    const float oy = centre ? (hauteur - sy) / 2 : 0;
    const float gauche = std::max(0.0f, std::min(px - sx / 2, largeurNiveau - sx));
    const float haut = std::max(0.0f, std::min(py - sy * 2 / 3, hauteurNiveau - sy));
    x = gauche - ox;
    y = haut - oy;
}

void CVue::tremblement(int duree, int amplitude)
{
    phaseTremblement = 0;
    compteurTremblement = duree;
    amplitudeTremblement = amplitude;
}
