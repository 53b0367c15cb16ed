// A character in the level editor: its icon menu (overlay, collisions, scale, rotation,
// properties, mirrors, removal) and the mouse gestures that drag an AI and place new ones.
// The mouse and the left Control and Shift keys are read through SourisJeu, so that tests
// script a gesture.
#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Services.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "level/Decor.h"
#include "level/MenuImage.h"
#include "level/Vue.h"

#include <algorithm>
#include <cmath>

namespace {

// Cells of the icon menu ("./menus/menusperso.png").
enum CaseMenu {
    CASE_OVERLAY = 0,
    CASE_COLLISIONS = 1,
    CASE_ECHELLE = 2,
    CASE_ROTATION = 3,
    CASE_PROPRIETES = 5,
    CASE_MIROIR_H = 6,
    CASE_MIROIR_V = 7,
    CASE_SUPPRIMER = 9,
};

constexpr float PAS_ECHELLE = 0.1f, ECHELLE_MIN = 0.1f, ECHELLE_MAX = 10;  // per frame at 30 fps
constexpr float PAS_ROTATION = 1;                                         // degrees per frame at 30 fps
const char* const DIALOGUE_PERSO = "JeuDialogPerso";
const char* const CHOIX_PERSO = "SFMLJeuChoixPer";

// The mouse in level pixels: the camera's corner plus the window position through the zoom.
sf::Vector2f sourisNiveau(const EtatSouris& souris, int camX, int camY)
{
    const MondeJeu* jeu = faceJeu::monde();
    const CVue* vue = jeu ? jeu->pvue : nullptr;
    const float zoom = vue ? vue->zoom : 1.0f;
    const float cx = vue ? vue->cx : 0.0f, cy = vue ? vue->cy : 0.0f;
    return {std::round(static_cast<float>(camX) + static_cast<float>(souris.position.x) * zoom + cx),
            std::round(static_cast<float>(camY) + static_cast<float>(souris.position.y) * zoom + cy)};
}

// A character of the level's AI list, or one with an AI behaviour (a carried part): a model
// without an "IA" line (the hero's, a turret's) placed from the picker is an AI without a
// behaviour, which the author drags and deletes like any other.
bool estIA(const CPerso& p)
{
    if (p.modeIA != -1)
        return true;
    const MondeJeu* jeu = faceJeu::monde();
    const CDecor* decor = jeu ? jeu->pdecor : nullptr;
    return decor && std::find(decor->ias.begin(), decor->ias.end(), &p) != decor->ias.end();
}

bool choixPersoAffiche() { return CPLUX::getFocusId() == CHOIX_PERSO && CPLUX::isDialogVisible(CHOIX_PERSO); }

} // namespace

bool CPerso::dialoguePerso(sf::RenderWindow& fenetre, int camX, int camY)
{
    OptionsJeu* jeu = faceJeu::options();
    if (!sprite || !menuPerso || !jeu)
        return false;
    CMenuImage& menu = *menuPerso;
    if (menu.survol(fenetre)) {
        const int i = menu.getIndex();
        if (menu.clicGaucheCtrl())
            actionMenuPerso(i);
        if (menu.clicGaucheEnCoursCtrl()) {
            if (i == CASE_ECHELLE)
                modifierEchelle(-PAS_ECHELLE);
            else if (i == CASE_ROTATION)
                tournerEditeur(-PAS_ROTATION);
        }
        if (menu.clicDroitEnCoursCtrl()) {
            if (i == CASE_ECHELLE)
                modifierEchelle(PAS_ECHELLE);
            else if (i == CASE_ROTATION)
                tournerEditeur(PAS_ROTATION);
        }
        return true;
    }
    const bool ia = estIA(*this);
    if (ia)
        placerPersoEditeur(fenetre, camX, camY);
    // The editor's two character switches are its character mode and its show-AIs flag: the
    // AIs' menus while not in character mode, the player's while the AIs are hidden.
    const bool modePerso = jeu->bModePerso, iasAffichees = jeu->bAfficheIAs;
    const bool joueur = faceJeu::monde()->pPerso == this;
    menu.setActif(faceJeu::monde()->pPersoSelection != nullptr &&
                  ((modePerso && !iasAffichees && joueur) || (!modePerso && (ia || !iasAffichees))));
    return false;
}

// A left click with left Control on a cell of the menu.
void CPerso::actionMenuPerso(int index)
{
    MondeJeu* jeu = faceJeu::monde();
    switch (index) {
    case CASE_OVERLAY: bOverlayEditeur = !bOverlayEditeur; break;
    case CASE_COLLISIONS:
        bCollisions = !bCollisions;
        if (bCollisions)
            tomber();
        break;
    case CASE_PROPRIETES:
        if (CPLUX::getDialog(DIALOGUE_PERSO))
            g_services.editerPerso(this, true);
        break;
    case CASE_MIROIR_H:
        sprite->flipH = -sprite->flipH;
        sprite->setScale(sprite->getSX(), sprite->getSY());
        direction = direction == 0 ? 1 : 0;
        directionInitiale = direction;
        break;
    case CASE_MIROIR_V:
        sprite->flipV = -sprite->flipV;
        sprite->setScale(sprite->getSX(), sprite->getSY());
        break;
    case CASE_SUPPRIMER:
        // Out of the level at once; this very character may be the one removed, so it is freed
        // at the next frame's start, not here.
        if (estIA(*this) && jeu && jeu->pdecor && jeu->pdecor->retirerIA(jeu->pPersoSelection.get()))
            jeu->pPersoSelection = nullptr;
        break;
    default: break;
    }
}

// Held with left Control: the scale of the axes the editor's switches allow, kept within
// 0.1 .. 10, as much per second at every frame rate.
void CPerso::modifierEchelle(float pas)
{
    const OptionsJeu* jeu = faceJeu::options();
    if (!jeu)
        return;
    const float p = pas * coefficientTemps();
    auto borner = [p](float e) {
        if (p < 0)
            return e > ECHELLE_MIN ? std::max(ECHELLE_MIN, e + p) : e;
        return e < ECHELLE_MAX ? std::min(ECHELLE_MAX, e + p) : e;
    };
    float sx = sprite->getSX(), sy = sprite->getSY();
    if (jeu->bSizeX)
        sx = borner(sx);
    if (jeu->bSizeY)
        sy = borner(sy);
    sprite->setScale(sx, sy);
    // The pair the level file keeps with the start.
    sprite->sxMax = sx;
    sprite->syMax = sy;
}

void CPerso::tournerEditeur(float pas)
{
    float angle = std::fmod(sprite->rotangle + pas * coefficientTemps(), 360.0f);
    if (angle < 0)
        angle += 360;
    sprite->setRotation(angle);
}

int CPerso::placerPersoEditeur(sf::RenderWindow& fenetre, int camX, int camY)
{
    MondeJeu* jeu = faceJeu::monde();
    if (!sprite || !jeu || !jeu->pdecor)
        return 0;
    const EtatSouris souris = SourisJeu::lire(fenetre);
    const sf::Vector2f m = sourisNiveau(souris, camX, camY);
    // One character per press of the right button, however long it is held.
    const bool pression = souris.droit && !bDroitPlacement;
    bDroitPlacement = souris.droit;
    if (pression && SourisJeu::shiftGauche() && !bSaisiSouris) {
        const int x = tuv::floatVersInt(m.x), y = tuv::floatVersInt(m.y);
        if (choixPersoAffiche()) {
            if (CPerso* ia = jeu->pdecor->placerPersoChoisi(x, y))
                jeu->pPersoModele = ia;
        } else if (CPerso* modele = jeu->pPersoModele) {
            jeu->pdecor->copierIAEditeur(modele, x, y);
            bSaisiSouris = true;
        }
    }
    return glisser(m, souris.gauche);
}

bool CPerso::dialogueChoixPer(sf::RenderWindow& fenetre, int camX, int camY)
{
    if (!sprite || !faceJeu::monde())
        return false;
    const EtatSouris souris = SourisJeu::lire(fenetre);
    return glisser(sourisNiveau(souris, camX, camY), souris.gauche) == 1;
}

// The drag: grabbed where the left button went down over the sprite, then following the mouse
// once it moves; a carried character stays on its carrier. An AI's start position follows it.
int CPerso::glisser(const sf::Vector2f& m, bool gauche)
{
    if (!gauche) {
        bSaisiSouris = false;
        if (menuPerso)
            menuPerso->setActif(true);
        return 0;
    }
    CSPRITE3& s = *sprite;
    if (!bSaisiSouris) {
        const sf::FloatRect cadre = cadreSaisie();
        if (m.x < cadre.left || m.x > cadre.left + cadre.width || m.y < cadre.top || m.y > cadre.top + cadre.height)
            return 0;
        bSaisiSouris = true;
        bSourisDeplacee = false;
        sourisSaisie = m;
        decalageSourisX = m.x - s.x;
        decalageSourisY = m.y - s.y;
    }
    bSourisDeplacee = bSourisDeplacee || m != sourisSaisie;
    if (porteur || !bSourisDeplacee)
        return 1;
    const float avantX = s.x, avantY = s.y;
    const int x = tuv::floatVersInt(m.x - decalageSourisX), y = tuv::floatVersInt(m.y - decalageSourisY);
    s.placer(0, x, y);
    const bool ia = estIA(*this);
    if (ia)
        s.setPosInit(x, y, -1, -1);
    deplacerEnfants(s.x - avantX, s.y - avantY, ia);
    return 1;
}

sf::FloatRect CPerso::cadreSaisie() const
{
    const CSPRITE3& s = *sprite;
    const sf::Vector2f t = taillePixels();
    const float l = t.x * s.getSX(), h = t.y * s.getSY();
    // A layered character stands on its origin, centred; a plain one hangs from its own.
    const float x = s.bAnime ? s.x - l / 2 : s.x - s.ox * s.getSX();
    const float y = s.bAnime ? s.y - h : s.y - s.oy * s.getSY();
    return {std::min(x, x + l), std::min(y, y + h), std::fabs(l), std::fabs(h)};
}

void CPerso::deplacerEnfants(float dx, float dy, bool depart)
{
    const size_t nb = std::min(enfants.size(), static_cast<size_t>(std::max(0, nbEnfants)));
    for (size_t i = 0; i < nb; ++i) {
        CPerso* e = enfants[i];
        if (!e || !e->sprite)
            continue;
        CSPRITE3& s = *e->sprite;
        s.x += dx;
        s.y += dy;
        s.sprite.setPosition(s.x, s.y);
        if (depart)
            s.setPosInit(tuv::floatVersInt(s.x), tuv::floatVersInt(s.y), -1, -1);
        e->deplacerEnfants(dx, dy, depart);
    }
}
