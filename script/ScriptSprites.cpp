// Decor-sprite commands: visibility, place, colour, animation, particle emitters, overlays on
// characters, falls, and the three pickups (weapon fountain, inverted controls, no jump).
#include "script/ScriptEngine.h"

#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Particules.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "level/Decor.h"
#include "script/CommandesOutils.h"

#include <cmath>

namespace {

// Pickup sprites hold their state in their animation number.
constexpr int DISPONIBLE = 0;
constexpr int PRIS = 1;
constexpr int MODE_PRENDRE = 1;
constexpr int MODE_REARMER = 2;
// PHYSPARTICULE modes.
constexpr int PARTICULES_ARRET = 0;
constexpr int PARTICULES_RELANCE = 1;
constexpr int PARTICULES_REPRISE = 2;
// The HUD shows the name of a weapon taken for five seconds.
constexpr float DUREE_NOM_ARME = 150.0f;
constexpr int NB_JOUEURS_HUD = 4;

// A full load of the weapon of slot s, adjusted by the player's weapon-load option.
int chargePleine(const SlotArme& slot, int numJoueur, const MondeJeu& monde, const PartieJeu& partie)
{
    const CArme* arme = monde.parmes && slot.numero >= 0 && slot.numero < monde.parmes->nbArmes
                            ? monde.parmes->arme(slot.numero)
                            : nullptr;
    const int charge = arme ? arme->munitions : 0;
    const int option = numJoueur == 0 ? partie.chargementArmesJoueur1
                       : numJoueur == 1 ? partie.chargementArmesJoueur2
                                        : 0;
    switch (option) {
    case 2: return static_cast<int>(charge * 1.25);
    case 3: return static_cast<int>(charge * 1.5);
    case 4: return charge / 2;
    default: return charge;
    }
}

SlotArme* slotCourant(CPerso& p)
{
    if (p.armeCourante < 0 || p.armeCourante >= static_cast<int>(p.armes.size()))
        return nullptr;
    return p.armes[static_cast<size_t>(p.armeCourante)];
}

} // namespace

void CScriptEngine::enregistrerSprites(TableCommandes& t)
{
    t["SETSDVISIBLE"] = &CScriptEngine::cmdSETSDVISIBLE;
    t["SETSDPOS"] = &CScriptEngine::cmdSETSDPOS;
    t["SETSDCOLOR"] = &CScriptEngine::cmdSETSDCOLOR;
    t["ISSDVISIBLE"] = &CScriptEngine::cmdISSDVISIBLE;
    t["GETSDPOS"] = &CScriptEngine::cmdGETSDPOS;
    t["GETIDSD"] = &CScriptEngine::cmdGETIDSD;
    t["SDANIM"] = &CScriptEngine::cmdSDANIM;
    t["CHANGE_ANIM"] = &CScriptEngine::cmdCHANGE_ANIM;
    t["PHYSPARTICULE"] = &CScriptEngine::cmdPHYSPARTICULE;
    t["SETETATPARTICULESSP3"] = &CScriptEngine::cmdSETETATPARTICULESSP3;
    t["ADD_OVER"] = &CScriptEngine::cmdADD_OVER;
    t["CHUTE"] = &CScriptEngine::cmdCHUTE;
    t["FONTAINEDARMES"] = &CScriptEngine::cmdFONTAINEDARMES;
    t["INVERTOLITE"] = &CScriptEngine::cmdINVERTOLITE;
    t["PADSOTOLITE"] = &CScriptEngine::cmdPADSOTOLITE;
}

CSPRITE* CScriptEngine::sdArg(const CScript* s, int k, bool propre) const
{
    const std::string id = getArgString(s, k);
    if (id.empty() && propre)
        return s->pSD;
    return chercherSD(id);
}

// ---------------------------------------------------------------- look and place

void CScriptEngine::cmdSETSDVISIBLE(CScript* s)
{
    marquerFait(s);
    if (CSPRITE* sd = sdArg(s, 1, true)) {
        const int on = getArgInt(s, 0);
        sd->bVisible = on == 1 || (on != 0 && !sd->bVisible);
    }
    ++s->numCmdCour;
}

void CScriptEngine::cmdSETSDPOS(CScript* s)
{
    marquerFait(s);
    if (CSPRITE* sd = getArgString(s, 0).empty() ? nullptr : sdArg(s, 0, false)) {
        sd->x = static_cast<float>(getArgInt(s, 1));
        sd->y = static_cast<float>(getArgInt(s, 2));
    }
    ++s->numCmdCour;
}

void CScriptEngine::cmdSETSDCOLOR(CScript* s)
{
    marquerFait(s);
    if (CSPRITE* sd = sdArg(s, 4, true))
        sd->colorerEnJeu(sf::Color(commandes::canalModulo(getArgInt(s, 0)), commandes::canalModulo(getArgInt(s, 1)),
                                   commandes::canalModulo(getArgInt(s, 2)), commandes::canalModulo(getArgInt(s, 3))));
    ++s->numCmdCour;
}

void CScriptEngine::cmdISSDVISIBLE(CScript* s)
{
    marquerFait(s);
    if (const CSPRITE* sd = sdArg(s, 0, true))
        ajouterRetourInt(s, sd->bVisible ? 1 : 0);
    else
        ajouterRetourString(s, "NULL");
    ++s->numCmdCour;
}

void CScriptEngine::cmdGETSDPOS(CScript* s)
{
    marquerFait(s);
    const std::string id = getArgString(s, 0);
    const CSPRITE* sd = id.empty() ? nullptr : chercherSD(id);
    if (id.empty()) {
        ajouterRetourInt(s, 0);
        ajouterRetourInt(s, 0);
    } else if (sd) {
        ajouterRetourFloat(s, sd->x);
        ajouterRetourFloat(s, sd->y);
    } else {
        ajouterRetourString(s, "NULL");
        ajouterRetourString(s, "NULL");
    }
    ++s->numCmdCour;
}

void CScriptEngine::cmdGETIDSD(CScript* s)
{
    marquerFait(s);
    ajouterRetourString(s, s->pSD ? s->pSD->strID : "NULL");
    ++s->numCmdCour;
}

void CScriptEngine::cmdSDANIM(CScript* s)
{
    marquerFait(s);
    if (CSPRITE* sd = sdArg(s, 0, false))
        sd->animer(getArgInt(s, 1));
    ++s->numCmdCour;
}

// Mode 1 switches a to b once; mode 0 toggles between a and b.
void CScriptEngine::cmdCHANGE_ANIM(CScript* s)
{
    marquerFait(s);
    CSPRITE* sd = s->pSD;
    const int a = getArgInt(s, 0), b = getArgInt(s, 1), mode = getArgInt(s, 2);
    if (sd && sd->bVisible) {
        if (mode == 1 && sd->getNumAnim() == a)
            sd->setAnim(b);
        else if (mode == 0)
            sd->setAnim(sd->getNumAnim() == a ? b : a);
    }
    ++s->numCmdCour;
}

// ---------------------------------------------------------------- particles and overlays

void CScriptEngine::cmdPHYSPARTICULE(CScript* s)
{
    marquerFait(s);
    CSPRITE* sd = sdArg(s, 0, false);
    if (CParticules* e = sd ? sd->pParticules : nullptr) {
        switch (getArgInt(s, 1)) {
        case PARTICULES_ARRET:
            e->bStop = true;  // the live ones run to their end
            e->bPause = false;
            break;
        case PARTICULES_RELANCE:
            e->bFini = false;
            e->reset();
            e->bStop = false;
            break;
        case PARTICULES_REPRISE: e->bStop = false; break;
        default: break;
        }
    }
    ++s->numCmdCour;
}

void CScriptEngine::cmdSETETATPARTICULESSP3(CScript* s)
{
    marquerFait(s);
    CSPRITE3* sp = chercherSprite3(getArgString(s, 0));
    CSPRITE3_ANIMELEM* ae = sp ? sp->getAnimationParNom(getArgString(s, 1), getArgString(s, 2)) : nullptr;
    CParticules* e = ae ? ae->pParticules.get() : nullptr;
    if (!sp) {
        ajouterRetourInt(s, -1);
    } else if (!e) {
        ajouterRetourInt(s, -2);
    } else {
        e->nbCycles = getArgInt(s, 3);
        const bool relance = e->nbCycles != 0;
        if (relance) {
            e->bFini = false;
            e->reset();
        }
        e->bStop = !relance;
        ajouterRetourInt(s, relance ? 0 : 1);
    }
    ++s->numCmdCour;
}

// The overlay goes on the AI of that id, or on its child of that id.
void CScriptEngine::cmdADD_OVER(CScript* s)
{
    marquerFait(s);
    CPerso* cible = iaOuEnfant(getArgString(s, 2), getArgString(s, 3));
    if (cible && cible->sprite)
        cible->sprite->Over(getArgString(s, 0), getArgString(s, 1), 0, static_cast<float>(getArgInt(s, 4)),
                            static_cast<float>(getArgInt(s, 5)), getArgFloat(s, 6), getArgFloat(s, 7),
                            getArgFloat(s, 8), getArgInt(s, 9) != 0, getArgInt(s, 10));
    ++s->numCmdCour;
}

// ---------------------------------------------------------------- CHUTE

// The script's sprite falls by the speed (scaled) each frame until it has covered the
// distance; the distance done (fTemps1) starts again at 0 for the next run. A negative speed
// rises by the distance; a speed of 0 ends at once.
void CScriptEngine::cmdCHUTE(CScript* s)
{
    CScriptCommand* c = commandeCourante(s);
    c->bFait = 1;
    const int vitesse = getArgInt(s, 0);
    if (!s->pSD || vitesse == 0) {
        c->fTemps1 = 0;
        ++s->numCmdCour;
        return;
    }
    const float pas = static_cast<float>(vitesse) * coefficient();
    s->pSD->deplacer(-1, 0, pas);
    const float fait = c->fTemps1 + std::fabs(pas);
    // A distance beyond what a float can still count ends when the count stops growing.
    if (fait < static_cast<float>(getArgInt(s, 1)) && fait != c->fTemps1) {
        c->fTemps1 = fait;
        return;
    }
    c->fTemps1 = 0;
    ++s->numCmdCour;
}

// ---------------------------------------------------------------- pickups

// Takes (mode 1) or re-arms (mode 2) a weapon fountain, in the game only.
void CScriptEngine::cmdFONTAINEDARMES(CScript* s)
{
    marquerFait(s);
    PartieJeu* jeu = faceJeu::partie();
    CSPRITE* sd = s->pSD;
    CDecor* d = monde();
    const int mode = getArgInt(s, 0);
    if (!jeu || jeu->mode != 1 || !sd || !d) {
        ++s->numCmdCour;
        return;
    }
    CPerso* preneur = s->pPersoDeclencheur.get();
    const int arme = sd->numArmeFontaine;
    if (mode == MODE_REARMER && sd->getNumAnim() == PRIS) {
        allumerFontaine(*s, choisirArmeFontaine());  // out again when no weapon can be drawn
    } else if (mode == MODE_PRENDRE && sd->getNumAnim() == DISPONIBLE && preneur && armeDonnable(arme, *preneur)) {
        allumerFontaine(*s, -1);
        // Every character of that player's number, the AIs included (theirs is 0 unless set),
        // that has the weapon's slot: the one he holds is not refilled instead.
        std::vector<CPerso*> servis(d->persos.begin(), d->persos.end());
        servis.insert(servis.end(), d->ias.begin(), d->ias.end());
        for (CPerso* p : servis) {
            if (!p || p->numJoueur != preneur->numJoueur || arme >= p->nbSlots())
                continue;
            p->selectArme(arme);
            if (SlotArme* slot = slotCourant(*p)) {
                slot->munitions = chargePleine(*slot, p->numJoueur, *faceJeu::monde(), *faceJeu::partie());
                slot->bPossedee = true;
            }
        }
        jouerSonSD(sd);
        if (preneur->numJoueur >= 0 && preneur->numJoueur < NB_JOUEURS_HUD)
            faceJeu::services()->afficherNomArme(preneur->numJoueur, tuv::floatVersInt(DUREE_NOM_ARME / coefficient()));
    }
    ++s->numCmdCour;
}

// The pickups that swap left and right, or take the jump away: taking one toggles its flag
// on the character, clears the other one and heals it.
void CScriptEngine::pastille(CScript* s, bool CPerso::*drapeau, bool CPerso::*autre)
{
    marquerFait(s);
    const PartieJeu* jeu = faceJeu::partie();
    CSPRITE* sd = s->pSD;
    if (jeu && jeu->mode == 1 && sd && sd->bVisible) {
        const int mode = getArgInt(s, 0);
        CPerso* p = s->pPersoDeclencheur.get();
        if (mode == MODE_PRENDRE && sd->getNumAnim() == DISPONIBLE && p) {
            p->*drapeau = !(p->*drapeau);
            p->*autre = false;
            sd->setAnim(PRIS);
            p->vie = p->vieMax;
            jouerSonSD(sd);
        } else if (mode == MODE_REARMER && sd->getNumAnim() == PRIS) {
            sd->setAnim(DISPONIBLE);
        }
    }
    ++s->numCmdCour;
}

void CScriptEngine::cmdINVERTOLITE(CScript* s) { pastille(s, &CPerso::bInversionGD, &CPerso::bPasdesaut); }
void CScriptEngine::cmdPADSOTOLITE(CScript* s) { pastille(s, &CPerso::bPasdesaut, &CPerso::bInversionGD); }
