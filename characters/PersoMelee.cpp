// Melee blows: a kick that strikes the characters the body touches at the end of its
// animation. Plain sprites play animations 45 and 46 of their bank in turn; layered sprites
// play their "COUP_0" state, then "COUP_0_TOUCHE" after a strike or "COUP_0_RETOUR".
#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Services.h"
#include "core/SetTextures.h"
#include "level/Decor.h"
#include "script/ScriptEngine.h"

#include <cmath>
#include <functional>

namespace {

using namespace EtatPerso;

constexpr int TYPE_CHRONO = 1;
constexpr int ANIM_COUP[2] = {45, 46};  // plain sprites: the two blows, in turn
constexpr int INDIRECT = 1, DIRECT = 0;

// Every character of the active level (players, then AIs) but c.
void pourChaqueAutre(const CPerso& c, const std::function<void(CPerso&)>& f)
{
    pourChaquePerso([&](CPerso& p) {
        if (&p != &c)
            f(p);
    });
}

bool chevauche(CPerso& a, CPerso& b)
{
    MondeJeu* jeu = faceJeu::monde();
    return jeu && jeu->pdecor && jeu->pdecor->collisionPersos(&a, &b);
}

} // namespace

bool CPerso::commencerCoup()
{
    const MondeJeu* jeu = faceJeu::monde();
    if (!jeu || faceJeu::partie()->typeJeu == TYPE_CHRONO || bCoup)
        return false;
    // A script message on screen keeps the hands still.
    if (jeu->pscriptEngine && jeu->pscriptEngine->bMessageAffiche)
        return false;
    if ((mode >= SAUT_MONTE && mode <= REBOND) || mode == ACTION)
        return false;
    bCoup = true;
    // A sprite without a "COUP_0" state keeps its animation: the blow ends at its next step.
    if (sprite && sprite->bAnime && sprite->getEtat("COUP_0") >= 0) {
        sprite->setAnimation(sprite->getEtat("COUP_0"), 0, true);
        sprite->bAnimForcee = true;
    }
    return true;
}

int CPerso::coup(float dx, float dy)
{
    if (!sprite)
        return 0;
    return sprite->bAnime ? coupAnime() : coupSimple(dx, dy);
}

// The blow of a plain sprite: its animation moved by the caller's displacement, then the
// strike on every enemy touched.
int CPerso::coupSimple(float dx, float dy)
{
    const CDEC* banque = sprite->pDEC;
    if (!banque)
        return 0;
    const int a = ANIM_COUP[etapeCoup == 0 ? 0 : 1];
    // A bank without the blow animation ends the blow at once instead of never.
    if (a >= banque->nbAnims) {
        finCoup(false);
        return -1;
    }
    const CSetTextures* anim = banque->trouverAnim(a);
    if (anim && tempsCoup < static_cast<float>(anim->nbFrames())) {
        setAnimation(a, dx, dy);
        // A still animation (speed 0) counts one image per frame, so the blow still ends.
        const float v = anim->vitesse > 0 && std::isfinite(anim->vitesse) ? anim->vitesse : 1.0f;
        tempsCoup += v * coefficientTemps();
        return 0;
    }
    pourChaqueAutre(*this, [this](CPerso& p) {
        if (!p.bDel && p.numJoueur != numJoueur && p.estVisible() && !p.bParalyse && p.mode != MORT &&
            chevauche(*this, p))
            frapper(p, INDIRECT);
    });
    finCoup(false);
    return 0;
}

int CPerso::coupAnime()
{
    CSPRITE3& s = *sprite;
    const int coup0 = s.getEtat("COUP_0");
    const int touche = s.getEtat("COUP_0_TOUCHE");
    // Not added when missing: animation 0 taken for a return would catch any sprite standing
    // in it (the blow of a sprite without these states ends at its next step). A return that
    // would replay the blow itself would strike for ever: none either.
    int retour = s.getEtat("COUP_0_RETOUR");
    if (retour == coup0)
        retour = -1;
    const int c = s.getAnimation();
    if (coup0 >= 0 && c == coup0 && s.getAnim(coup0)) {
        if (s.getNbBoucles(coup0) < 1)
            return 0;
        int touches = 0;
        pourChaqueAutre(*this, [this, &touches](CPerso& p) {
            if (p.bDel || !chevauche(*this, p))
                return;
            if (p.bParalyse)
                touches += frapper(p, DIRECT);
            else if ((p.mode == MORT || p.numJoueur != numJoueur) && p.estVisible())
                touches += frapper(p, INDIRECT);
        });
        if (touches > 0 && s.getAnim(touche)) {
            s.setAnimation(touche, 0, true);
            s.bAnimForcee = true;
        } else if (touches > 0 || retour < 0 || !s.getAnim(retour)) {
            finCoup(true);
        } else {
            s.setAnimation(retour, 0, true);
        }
        return 0;
    }
    if ((c == touche || c == retour) && c >= 0) {
        if (s.getNbBoucles(c) > 0)
            finCoup(true);
        return 0;
    }
    finCoup(false);
    return 0;
}

// The victim records the blow, then takes it; 1.
int CPerso::frapper(CPerso& victime, int indirect)
{
    victime.derniereArme = "COUP DE PIED";
    victime.dernierAttaquant = this;
    victime.bTirTete = false;
    victime.bTirJambes = false;
    victime.prendreCoup(degatsCoup, direction, 0, indirect);
    return 1;
}

void CPerso::finCoup(bool arret)
{
    bCoup = false;
    tempsCoup = 0;
    etapeCoup = (etapeCoup + 1) % 2;
    if (arret)
        setEtat(ARRET);
}
