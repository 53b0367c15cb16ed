// The selected decor sprite's icon strip in the editor (scale, rotate, lock, properties,
// plane moves, order, flips, delete), and the level save the editor's dialogs and keys call.
#include "anim/Sprite3.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Services.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXDialog.h"
#include "level/CalqueSD.h"
#include "level/ContexteNiveau.h"
#include "level/Decor.h"
#include "level/FichierNiveau.h"
#include "level/MenuImage.h"
#include "level/Vue.h"

#include <SFML/Window/Window.hpp>

#include <algorithm>

namespace {

// Cells of "./menus/menusdec.png", row by row.
enum IconeSD : int {
    ICONE_ECHELLE = 0,
    ICONE_ROTATION = 1,
    ICONE_VERROU = 2,
    ICONE_PROPRIETES = 3,
    ICONE_PLAN_SUIVANT = 4,
    ICONE_DEVANT = 5,
    ICONE_DERRIERE = 6,
    ICONE_PLAN_PRECEDENT = 7,
    ICONE_MIROIR_H = 8,
    ICONE_MIROIR_V = 9,
    ICONE_SUPPRIMER = 11,
};

constexpr float PAS_ECHELLE = 0.1f;  // per frame at 30 per second
constexpr float ECHELLE_MIN = 0.1f, ECHELLE_MAX = 50.0f;
constexpr float PAS_ROTATION = 1.0f;  // degrees per frame at 30 per second
const char* const DIALOGUE_SPRITE = "JeuDialogSprite";

float changerEchelle(float s, bool agrandir)
{
    const float pas = PAS_ECHELLE * niveau::coefficient();
    return agrandir ? std::min(s + pas, ECHELLE_MAX) : std::max(s - pas, ECHELLE_MIN);
}

// Above 360 the angle starts again at 0, below 0 at 359.
float tourner(float angle, bool positif)
{
    angle += (positif ? PAS_ROTATION : -PAS_ROTATION) * niveau::coefficient();
    if (angle >= 360.0f)
        return 0.0f;
    return angle < 0.0f ? 359.0f : angle;
}

} // namespace

// The held icons: scale on the axes the editor enables, or rotate; left up, right down.
static void tenirIcone(CSPRITE& sd, int index, bool gauche)
{
    const OptionsJeu* jeu = faceJeu::options();
    if (index == ICONE_ROTATION) {
        sd.setRotation(tourner(sd.rotangle, gauche));
        return;
    }
    if (index != ICONE_ECHELLE || !jeu)
        return;
    if (jeu->bSizeX)
        sd.planteEchelleBase[0] = sd.sxMax = sd.sx = changerEchelle(sd.sx, gauche);
    if (jeu->bSizeY)
        sd.planteEchelleBase[1] = sd.syMax = sd.sy = changerEchelle(sd.sy, gauche);
    sd.setScale(sd.sx, sd.sy);
}

// The same sprite moves to the neighbouring plane at the same place in the world; it keeps
// its behaviours, scripts and start-marker entry.
void CDecor::changerPlanSelection(int sens)
{
    const int vers = numPlanSelection + sens;
    if (vers < 0 || vers >= NB_PLANS || numPlanTravail + sens < 0 || numPlanTravail + sens >= NB_PLANS)
        return;
    CSPRITE* sd = pSDSelection;
    const float mondeX = static_cast<float>(tuv::floatVersInt(sd->x + decalagePlanX(numPlanSelection)));
    const float mondeY = static_cast<float>(tuv::floatVersInt(sd->y + decalagePlanY(numPlanSelection)));
    pPlanSelection->sprites.remove(sd);
    const int px = tuv::floatVersInt(mondeX - decalagePlanX(vers));
    const int py = tuv::floatVersInt(mondeY - decalagePlanY(vers));
    sd->placer(0, px, py);
    sd->setPosInit(px, py, -1, -1);
    sd->plan = vers;
    pPlans[vers]->sprites.push_back(sd);
    pPlanSelection = pPlans[vers];
    numPlanSelection = vers;
}

void CDecor::supprimerSelection()
{
    CSPRITE* sd = pSDSelection;
    pPlanSelection->sprites.remove(sd);
    // Nothing may keep pointing at it: selection, start markers, characters' ground,
    // screen effects, its scripts, the editor's dialogs.
    detacherSD(sd);
    g_services.detacherDialogueShader();
    delete sd;
    pSDSelection = nullptr;
    g_services.rafraichirDialogueSprite();
}

void CDecor::actionMenuSD(int index, bool clic, bool gauche)
{
    CSPRITE* sd = pSDSelection;
    if (!sd)
        return;
    if (clic && index == ICONE_VERROU) {
        sd->bLock = !sd->bLock;
        return;
    }
    if (clic && index == ICONE_PROPRIETES) {
        if (CPLUXDialog* d = CPLUX::getDialog(DIALOGUE_SPRITE))
            d->estAffiche() ? CPLUX::hide(DIALOGUE_SPRITE) : CPLUX::show(DIALOGUE_SPRITE);
        g_services.rafraichirDialogueSprite();
        return;
    }
    if (sd->bLock)
        return;
    if (!clic) {
        tenirIcone(*sd, index, gauche);
        return;
    }
    if (index == ICONE_MIROIR_H || index == ICONE_MIROIR_V) {
        (index == ICONE_MIROIR_H ? sd->flipH : sd->flipV) *= -1;
        sd->setScale(sd->sx, sd->sy);
        if (auto* s3 = dynamic_cast<CSPRITE3*>(sd); s3 && index == ICONE_MIROIR_H)
            s3->miroir = sd->flipH;
        return;
    }
    // The rest moves the sprite within or out of its plane: only a sprite its plane holds.
    const bool dansPlan = pPlanSelection && std::find(pPlanSelection->sprites.begin(), pPlanSelection->sprites.end(),
                                                      sd) != pPlanSelection->sprites.end();
    if (!dansPlan)
        return;
    switch (index) {
    case ICONE_PLAN_SUIVANT: changerPlanSelection(1); break;
    case ICONE_PLAN_PRECEDENT: changerPlanSelection(-1); break;
    case ICONE_DEVANT: pPlanSelection->mettreDevant(sd); break;
    case ICONE_DERRIERE: pPlanSelection->mettreDerriere(sd); break;
    case ICONE_SUPPRIMER: supprimerSelection(); break;
    default: break;
    }
}

bool CDecor::gererMenuSD(sf::Window* fenetre, int camX, int camY)
{
    if (!fenetre)
        return false;
    CMenuImage& menu = *pMenuSD;
    // Not drawn for a character's own sprite (in no plane): it takes no click then.
    if (pPlanSelection && menu.survol(*fenetre)) {
        // The strip scales, turns, moves, reorders or deletes the selection.
        invaliderIndex();
        if (menu.clicGaucheCtrl())
            actionMenuSD(menu.getIndex(), true, true);
        else if (menu.clicGaucheEnCoursCtrl())
            actionMenuSD(menu.getIndex(), false, true);
        else if (menu.clicDroitEnCoursCtrl())
            actionMenuSD(menu.getIndex(), false, false);
        return true;
    }
    const CSPRITE* avant = pSDSelection;
    souris(fenetre, camX, camY);
    if (!pSDSelection) {
        menu.setActif(false);
        return false;
    }
    // One cell and one pixel below the anchor, in window pixels; not placed through a zoom
    // that cannot be divided by.
    const MondeJeu* jeu = faceJeu::monde();
    const CVue* vue = jeu ? (jeu->pvue ? jeu->pvue : jeu->pvueJeu) : nullptr;
    const float zoom = vue ? vue->zoom : 1.0f;
    const float cx = vue ? vue->cx : 0.0f, cy = vue ? vue->cy : 0.0f;
    if (zoom > 0.0f)
        menu.setPosition(
            tuv::floatVersInt((static_cast<float>(ancreMenuSDX - camX) - cx) / zoom),
            tuv::floatVersInt((static_cast<float>(ancreMenuSDY + 1 + menu.getHauteurCase() - camY) - cy) / zoom));
    if (pSDSelection != avant)
        g_services.rafraichirDialogueSprite();
    return false;
}

bool CDecor::sauverNiveau(const char* fichier)
{
    bool ecrit = false;
    std::wstring bilan;
    if (fichier) {
        CFichierNiveau f;
        ecrit = f.sauverNiveau(fichier, *this);
        bilan = f.bilanSauvegarde();
        if (!ecrit)
            bilan += L"\n« " + tuv::utf8toWStr(fichier) + L" » n'a pas pu être écrit";
    }
    if (ServicesJeu* jeu = faceJeu::services())
        jeu->afficherMessage(ecrit ? L"Sauvegarde du niveau effectuée" + bilan
                                   : L"Erreur : Sauvegarde du niveau non effectuée" + bilan,
                             200);
    return ecrit;
}
