// Key-point paths of AI sprites, groups of decor sprites pushed until they hit something,
// doors with their switches, teleporters, and characters walked to a point.
#include "script/ScriptEngine.h"

#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "core/Chemin.h"
#include "core/EtatJeu.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "script/CommandesOutils.h"

#include <algorithm>
#include <cmath>

namespace {

// BOUGE_GROUPE's directions (screen y grows downward) and its step at 30 frames per second.
enum Direction { BAS = 0, HAUT = 1, GAUCHE = 2, DROITE = 3 };
constexpr float PAS_GROUPE = 12.0f;
// How far a group member may leave a level without size before it counts as blocked.
constexpr float MARGE_SANS_TAILLE = 10000.0f;
// TELEPORTEVERS refuses a new jump for two seconds.
constexpr float ATTENTE_TELEPORT = 60.0f;

// A zone number the level shows: 0 (every zone) or the level's own.
bool zoneActive(const CSPRITE& sd, const CDecor& d) { return sd.calque == 0 || sd.calque == d.calqueVisible; }

CChemin* cheminDe(CSPRITE* sd) { return sd ? sd->pChemin : nullptr; }

} // namespace

void CScriptEngine::enregistrerChemins(TableCommandes& t)
{
    t["KP_INIT"] = &CScriptEngine::cmdKP_INIT;
    t["KPG"] = &CScriptEngine::cmdKPG;
    t["KP"] = &CScriptEngine::cmdKP;
    t["ATTENDRE_FIN_ANIMKP"] = &CScriptEngine::cmdATTENDRE_FIN_ANIMKP;
    t["ANIMKP_ONOFF"] = &CScriptEngine::cmdANIMKP_ONOFF;
    t["SETKPPAUSE"] = &CScriptEngine::cmdSETKPPAUSE;
    t["SETKPSTEPBYSTEP"] = &CScriptEngine::cmdSETKPSTEPBYSTEP;
    t["ISKPPAUSE"] = &CScriptEngine::cmdISKPPAUSE;
    t["GETKPNUM"] = &CScriptEngine::cmdGETKPNUM;
    t["GETKPNB"] = &CScriptEngine::cmdGETKPNB;
    t["GETKPPOS"] = &CScriptEngine::cmdGETKPPOS;
    t["GETKPNEXTPOS"] = &CScriptEngine::cmdGETKPNEXTPOS;
    t["BOUGE_GROUPE"] = &CScriptEngine::cmdBOUGE_GROUPE;
    t["PORTE_ONOFF"] = &CScriptEngine::cmdPORTE_ONOFF;
    t["TELEPORTEVERS"] = &CScriptEngine::cmdTELEPORTEVERS;
    t["DEPLACE"] = &CScriptEngine::cmdDEPLACE;
}

CSPRITE* CScriptEngine::spriteCible(const CScript* s, int k) const
{
    const std::string id = getArgString(s, k);
    if (id.empty()) {
        if (CPerso* ia = s->pIACourante.get())
            return ia->sprite;
        return s->pSD;
    }
    if (CPerso* ia = chercherIA(id))
        return ia->sprite;
    return chercherSD(id);
}

// ---------------------------------------------------------------- building a path

void CScriptEngine::cmdKP_INIT(CScript* s)
{
    marquerFait(s);
    if (CPerso* ia = s->pIACourante.get(); ia && ia->sprite) {
        CSPRITE3& sp = *ia->sprite;
        delete sp.pChemin;
        sp.pChemin = nullptr;
        sp.bPhysC = false;
        if (getArgInt(s, 0) == 1) {
            sp.pChemin = new CChemin();
            sp.bPhysC = true;
        }
    }
    ++s->numCmdCour;
}

void CScriptEngine::cmdKPG(CScript* s)
{
    marquerFait(s);
    CPerso* ia = s->pIACourante.get();
    if (CChemin* c = ia ? cheminDe(ia->sprite) : nullptr) {
        c->typeAnimation = 0;
        c->modeParcours = getArgInt(s, 0);
        c->vGlobale = getArgFloat(s, 1);
        c->vGlobaleR = getArgFloat(s, 2);
        c->vGlobaleS = getArgFloat(s, 3);
        c->vGlobaleC = getArgFloat(s, 4);
        c->bPause = c->bPauseDepart = getArgInt(s, 5) != 0;
        c->nbChemin = getArgInt(s, 6);
        c->nbLegsFaits = 0;
    }
    ++s->numCmdCour;
}

// Appends a key point; the first one also gives the AI's sprite its place and look.
void CScriptEngine::cmdKP(CScript* s)
{
    marquerFait(s);
    CPerso* ia = s->pIACourante.get();
    CChemin* c = ia ? cheminDe(ia->sprite) : nullptr;
    if (!c) {
        ++s->numCmdCour;
        return;
    }
    auto* kp = new CAncrageKP();
    kp->pAncre->x = getArgFloat(s, 0);
    kp->pAncre->y = getArgFloat(s, 1);
    kp->sx = getArgFloat(s, 2);
    kp->sy = getArgFloat(s, 3);
    kp->pAncre->setRotation(getArgFloat(s, 4));
    kp->r = commandes::canalBorne(getArgInt(s, 5));
    kp->g = commandes::canalBorne(getArgInt(s, 6));
    kp->b = commandes::canalBorne(getArgInt(s, 7));
    kp->a = commandes::canalBorne(getArgInt(s, 8));
    kp->flipH = getArgInt(s, 9);
    kp->flipV = getArgInt(s, 10);
    kp->v = getArgFloat(s, 11);
    kp->vs = getArgFloat(s, 12);
    kp->vr = getArgFloat(s, 13);
    kp->vc = getArgFloat(s, 14);
    c->listeKP.push_back(kp);
    c->nbKP = static_cast<int>(c->listeKP.size());
    if (c->nbKP == 1) {
        CSPRITE3& sp = *ia->sprite;
        sp.placer(-1, tuv::floatVersInt(kp->pAncre->x), tuv::floatVersInt(kp->pAncre->y));
        sp.setColor(sf::Color(sf::Uint8(kp->r), sf::Uint8(kp->g), sf::Uint8(kp->b), sf::Uint8(kp->a)));
        sp.setScale(kp->sx, kp->sy);
        sp.setRotation(kp->pAncre->rotangle);
        sp.setFlip(kp->flipH != 0, kp->flipV != 0);
    }
    c->nbLegsFaits = 0;
    ++s->numCmdCour;
}

// Waits for the current AI's path to finish one leg. A path that can never finish one (fewer
// than two key points, or a limit of 0 legs) does not hold the script; a paused one does, as
// another script may resume it.
void CScriptEngine::cmdATTENDRE_FIN_ANIMKP(CScript* s)
{
    marquerFait(s);
    CPerso* ia = s->pIACourante.get();
    const CChemin* c = ia ? cheminDe(ia->sprite) : nullptr;
    if (!c || c->listeKP.size() < 2 || c->nbChemin == 0 || c->nbLegsFaits >= 1)
        ++s->numCmdCour;
}

// ---------------------------------------------------------------- switches and getters

void CScriptEngine::cmdANIMKP_ONOFF(CScript* s)
{
    marquerFait(s);
    ++nbAnimKPImage;
    ServicesJeu* jeu = faceJeu::services();
    CDecor* d = monde();
    CCalqueSD* plan = d ? d->getPlan(CDecor::PLAN_PRINCIPAL) : nullptr;
    if (getArgInt(s, 1) > nbAnimKPImage || !plan) {
        ++s->numCmdCour;
        return;
    }
    const std::string id = getArgString(s, 0);
    for (CSPRITE* sd : plan->sprites) {
        if (!sd || !sd->bVisible || !sd->pChemin || sd->getIdDEC() != id)
            continue;
        sd->pChemin->bPause = !sd->pChemin->bPause;
        if (!jeu)
            continue;
        if (sd->pChemin->bPause) {
            jeu->arreterSon(sd->idSon);
        } else {
            jeu->bouclerSon(sd->idSon, true);
            jeu->jouerSon(sd->idSon);
        }
    }
    // Switch sprites of one kind show one state.
    if (s->pSD) {
        const std::string type = s->pSD->getIdDEC();
        for (const auto& autre : scripts) {
            CSPRITE* sd = autre->pSD;
            if (!sd || sd->getIdDEC() != type)
                continue;
            sd->animer(sd->getNumAnim() == 0 ? 1 : 0);
            jouerSonSD(sd);
        }
    }
    ++s->numCmdCour;
}

void CScriptEngine::cmdSETKPPAUSE(CScript* s)
{
    marquerFait(s);
    if (CChemin* c = cheminDe(spriteCible(s, 1)))
        c->bPause = getArgInt(s, 0) != 0;
    ++s->numCmdCour;
}

void CScriptEngine::cmdSETKPSTEPBYSTEP(CScript* s)
{
    marquerFait(s);
    if (CChemin* c = cheminDe(spriteCible(s, 1)))
        c->bPasAPas = getArgInt(s, 0) != 0;
    ++s->numCmdCour;
}

void CScriptEngine::cmdISKPPAUSE(CScript* s)
{
    marquerFait(s);
    if (const CChemin* c = cheminDe(spriteCible(s, 0)))
        ajouterRetourInt(s, c->bPause ? 1 : 0);
    ++s->numCmdCour;
}

void CScriptEngine::cmdGETKPNUM(CScript* s)
{
    marquerFait(s);
    if (const CChemin* c = cheminDe(spriteCible(s, 0)))
        ajouterRetourInt(s, c->numKP < 0 ? 1 : c->numKP + 1);
    ++s->numCmdCour;
}

void CScriptEngine::cmdGETKPNB(CScript* s)
{
    marquerFait(s);
    if (const CChemin* c = cheminDe(spriteCible(s, 0)))
        ajouterRetourInt(s, static_cast<int>(c->listeKP.size()));
    ++s->numCmdCour;
}

// The anchor of the current (or the next) key point; index -1 reads the first.
void CScriptEngine::lireKP(CScript* s, bool suivant)
{
    marquerFait(s);
    if (const CChemin* c = cheminDe(spriteCible(s, 0))) {
        const int indice = suivant ? c->numKPCible : c->numKP;
        const CAncrageKP* kp = c->getKP(std::max(indice, 0));
        if (kp && kp->pAncre) {
            ajouterRetourFloat(s, kp->pAncre->x);
            ajouterRetourFloat(s, kp->pAncre->y);
        } else {
            ajouterRetourString(s, "NULL");
            ajouterRetourString(s, "NULL");
        }
    }
    ++s->numCmdCour;
}

void CScriptEngine::cmdGETKPPOS(CScript* s) { lireKP(s, false); }
void CScriptEngine::cmdGETKPNEXTPOS(CScript* s) { lireKP(s, true); }

// ---------------------------------------------------------------- BOUGE_GROUPE

// Moves one member by the step, or, when the step collides, creeps it to the obstacle; true
// when the member is blocked.
bool CScriptEngine::bougerMembre(CSPRITE* sd, float dx, float dy, int direction)
{
    CDecor* d = monde();
    // A member pushed into empty space far out of the level stops there, silently.
    const float largeur = d->tailleJeuX > 0 ? static_cast<float>(d->tailleJeuX) : 0.0f;
    const float hauteur = d->tailleJeuY > 0 ? static_cast<float>(d->tailleJeuY) : 0.0f;
    const float margeX = largeur > 0 ? largeur : MARGE_SANS_TAILLE;
    const float margeY = hauteur > 0 ? hauteur : MARGE_SANS_TAILLE;
    if (sd->x < -margeX || sd->x > largeur + margeX || sd->y < -margeY || sd->y > hauteur + margeY)
        return true;
    const int ix = tuv::floatVersInt(dx), iy = tuv::floatVersInt(dy);
    if (!d->collisionSD(sd, true, ix, iy, 0, 0)) {
        sd->deplacer(-1, dx, dy);
        if (sd->pChemin) {
            sd->pChemin->bPause = false;
            sd->pChemin->decalageX = dx;
            sd->pChemin->decalageY = dy;
        }
        return false;
    }
    const int ux = (ix > 0) - (ix < 0), uy = (iy > 0) - (iy < 0);
    for (int k = std::max(std::abs(ix), std::abs(iy)); k > 0 && !d->collisionSD(sd, true, ux, uy, 0, 0); --k) {
        sd->x += static_cast<float>(ux);
        sd->y += static_cast<float>(uy);
    }
    if (!sd->bImpact) {
        const int px = tuv::floatVersInt(sd->x), py = tuv::floatVersInt(sd->y);
        const int l = sd->getLargeur(), h = sd->getHauteur();
        int ex = px, ey = py;
        if (direction == BAS || direction == HAUT) {
            ex = px - tuv::floatVersInt(static_cast<float>(l) * sd->sx / 2);
            ey = direction == BAS ? py + h / 2 : py - h / 2;
        } else {
            ex = direction == GAUCHE ? px - l / 2 : px + l / 2;
        }
        d->ajouterEffet(static_cast<float>(ex), static_cast<float>(ey), 1.0f, 1.0f);
        if (ServicesJeu* jeu = faceJeu::services())
            jeu->jouerSon("CHOC");
        sd->bImpact = true;
    }
    if (sd->pChemin) {
        sd->pChemin->bPause = true;
        sd->pChemin->decalageX = 0;
        sd->pChemin->decalageY = 0;
    }
    return true;
}

// The characters under a crushing sprite (collision value 2) when a group stops.
void CScriptEngine::ecraserPersos()
{
    CDecor* d = monde();
    constexpr int COLLISION_ECRASE = 2;
    for (CPerso* p : persosDuNiveau()) {
        if (!p || p->bDel || !p->sprite)
            continue;
        const CSPRITE3& sp = *p->sprite;
        const float y1 = sp.y - static_cast<float>(p->posPieds) * sp.sy - 1;
        const float y2 = y1 - static_cast<float>(p->posTete[0]) * sp.sy + 1;
        const CSPRITE* sd = d->testCollision(p, sp.x, y1, sp.x, y2);
        if (sd && sd->collision == COLLISION_ECRASE) {
            p->vie = 0;
            p->setEtat(EtatPerso::MORT);
        }
    }
}

// Pushes every member of a group of the main plane by 12 pixels a frame (scaled) until each
// one is blocked; other scripts waiting on the same group are moved on.
void CScriptEngine::cmdBOUGE_GROUPE(CScript* s)
{
    marquerFait(s);
    const bool parametres = s->bDeclareDEC && s->pSD;
    const float groupe = parametres ? s->pSD->paramsScript[0] : getArgFloat(s, 0);
    const float direction = parametres ? s->pSD->paramsScript[1] : getArgFloat(s, 1);
    CDecor* d = monde();
    if (s->pSD && s->pSD->getNumAnim() == 0)
        s->pSD->setAnim(1);
    for (size_t i = 0; d && i < scripts.size(); ++i) {
        CScript* autre = scripts[i].get();
        const CScriptCommand* c = commandeCourante(autre);
        if (autre == s || !autre->bEnCours || autre->bSupprime || !c || c->strMotCle != "BOUGE_GROUPE" ||
            (autre->pSD && !zoneActive(*autre->pSD, *d)))
            continue;
        const bool p = autre->bDeclareDEC && autre->pSD;
        if ((p ? autre->pSD->paramsScript[0] : getArgFloat(autre, 0)) == groupe)
            avancerScript(autre);
    }
    const float pas = PAS_GROUPE * coefficient();
    const bool directionValide = direction == BAS || direction == HAUT || direction == GAUCHE || direction == DROITE;
    CCalqueSD* plan = d ? d->getPlan(CDecor::PLAN_PRINCIPAL) : nullptr;
    if (directionValide && plan && !plan->sprites.empty()) {
        const int dir = static_cast<int>(direction);
        const float dx = dir == GAUCHE ? -pas : dir == DROITE ? pas : 0.0f;
        const float dy = dir == BAS ? pas : dir == HAUT ? -pas : 0.0f;
        int membres = 0, bloques = 0;
        for (CSPRITE* sd : plan->sprites) {
            if (!sd || !sd->bVisible || !zoneActive(*sd, *d) || static_cast<float>(sd->groupe) != groupe)
                continue;
            ++membres;
            bloques += bougerMembre(sd, dx, dy, dir) ? 1 : 0;
        }
        if (bloques != membres)
            return;
        for (CSPRITE* sd : plan->sprites)
            if (sd && sd->bVisible && zoneActive(*sd, *d) && static_cast<float>(sd->groupe) == groupe)
                sd->bImpact = false;
    }
    ++s->numCmdCour;
    if (s->pSD)
        s->pSD->setAnim(0);
    // The members' own overlap tests skip their group, so the moves above needed no new look
    // at the plane until now.
    if (d) {
        d->invaliderIndex();
        ecraserPersos();
    }
}

// ---------------------------------------------------------------- doors and teleporters

namespace {

// Whether a character stands in an open door of that definition.
bool porteOccupee(CDecor& d, CCalqueSD& plan, const std::string& id)
{
    for (CSPRITE* sd : plan.sprites) {
        if (!sd || !sd->bVisible || sd->getIdDEC() != id || sd->getNumAnim() < 1)
            continue;
        const bool avant = sd->bPorteFermee;
        sd->bPorteFermee = true;
        bool occupee = false;
        for (auto* liste : {&d.persos, &d.ias})
            for (CPerso* p : *liste) {
                if (occupee || !p || !p->sprite)
                    continue;
                const CSPRITE3& sp = *p->sprite;
                const bool accroupi = p->mode == EtatPerso::BAISSE || p->mode == EtatPerso::BAISSE_MARCHE ||
                                      p->mode == EtatPerso::ARRET_BAISSE || p->mode == EtatPerso::RECEPTION_CHUTE;
                const float x = static_cast<float>(tuv::floatVersInt(sp.x));
                const float y1 = static_cast<float>(tuv::floatVersInt(sp.y - static_cast<float>(p->posPieds) * sp.sy));
                const float y2 = y1 - static_cast<float>(p->posTete[accroupi ? 1 : 0]) * sp.sy;
                occupee = d.degats(p, sd, x, y1, x, y2);
            }
        sd->bPorteFermee = avant;
        if (occupee)
            return true;
    }
    return false;
}

} // namespace

// Switches the doors of that definition (nothing while someone stands in an open one) and
// the switch sprites of the scripts that drive them.
void CScriptEngine::cmdPORTE_ONOFF(CScript* s)
{
    marquerFait(s);
    ++nbPorteImage;
    CDecor* d = monde();
    CCalqueSD* plan = d ? d->getPlan(CDecor::PLAN_PRINCIPAL) : nullptr;
    const std::string id = getArgString(s, 0);
    if (getArgInt(s, 1) > nbPorteImage || !plan || porteOccupee(*d, *plan, id)) {
        ++s->numCmdCour;
        return;
    }
    for (CSPRITE* sd : plan->sprites) {
        if (!sd || sd->getIdDEC() != id)
            continue;
        const bool fermer = sd->getNumAnim() != 0;
        sd->animer(fermer ? 0 : 1);
        sd->bPorteFermee = fermer;
    }
    for (const auto& autre : scripts) {
        if (!autre->pSD || autre->commandes.empty() || autre->commandes.front()->strMotCle != "PORTE_ONOFF" ||
            getArgString(autre.get(), 0) != id)
            continue;
        autre->pSD->animer(autre->pSD->getNumAnim() != 0 ? 0 : 1);
        if (s->pSD)
            jouerSonSD(s->pSD);
    }
    ++s->numCmdCour;
}

// Sends the triggering character to the centre of the hit box of the teleporter whose
// number is the destination, then refuses a new jump for two seconds.
void CScriptEngine::cmdTELEPORTEVERS(CScript* s)
{
    marquerFait(s);
    CPerso* p = s->pPersoDeclencheur.get();
    PartieJeu* jeu = faceJeu::partie();
    CDecor* d = monde();
    if (!p || !p->sprite || !d) {
        ++s->numCmdCour;
        return;
    }
    setVariableGlobale("var_compteurTeleportation", tuv::itos(tuv::floatVersInt(p->tempsTeleportation)));
    if (p->tempsTeleportation > 0 || !jeu || jeu->mode != 1) {
        ++s->numCmdCour;
        return;
    }
    const int destination = getArgInt(s, 1);
    const CSPRITE* cible = nullptr;
    for (const auto& autre : scripts)
        if (autre->pSD && !autre->commandes.empty() && autre->commandes.front()->strMotCle == "TELEPORTEVERS" &&
            zoneActive(*autre->pSD, *d) && getArgInt(autre.get(), 0) == destination) {
            cible = autre->pSD;
            break;
        }
    if (cible) {
        const CSPRITE& c = *cible;
        const int W = c.getLargeur(), H = c.getHauteur();
        const int w = W - (c.hitbox[0] + c.hitbox[2]), h = H - (c.hitbox[1] + c.hitbox[3]);
        const int hx = c.flipH == -1 ? W - c.hitbox[0] - w : c.hitbox[0];
        const int hy = c.flipV == -1 ? H - c.hitbox[1] - h : c.hitbox[1];
        const int X = tuv::floatVersInt((static_cast<float>(hx) - c.ox) * c.sx + c.x) +
                      tuv::floatVersInt(c.sx * static_cast<float>(w)) / 2;
        const int Y = tuv::floatVersInt((static_cast<float>(hy) - c.oy) * c.sy + c.y) +
                      tuv::floatVersInt(c.sy * static_cast<float>(h)) / 2;
        p->sprite->placer(-1, X, Y);
        if (s->pSD)
            jouerSonSD(s->pSD);
        p->tempsTeleportation = ATTENTE_TELEPORT / coefficient();
    }
    ++s->numCmdCour;
}

// ---------------------------------------------------------------- DEPLACE

// Walks a character in a straight line to (x, y) at its speed. The move lives in the command
// (fTemps1, fTemps2: the step; fTemps3: the distance left; nEtat 1 while moving; nAux 1 when
// the character was an AI named by id), so that two scripts walk two characters.
void CScriptEngine::cmdDEPLACE(CScript* s)
{
    CScriptCommand* c = commandeCourante(s);
    c->bFait = 1;
    MondeJeu* jeu = faceJeu::monde();
    const std::string id = getArgString(s, 0);
    CPerso* p = chercherIA(id);
    const bool parId = p != nullptr;
    if (!p && !(c->nEtat == 1 && c->nAux == 1) && jeu)
        p = jeu->pPerso.get();
    auto finir = [&] {
        c->nEtat = 0;
        c->nAux = 0;
        ++s->numCmdCour;
    };
    if (!p || !p->sprite)
        return finir();
    if (c->nEtat == 0) {
        const float vitesse = static_cast<float>(p->vitesse) * coefficient();
        if (vitesse <= 0)
            return finir();
        const float ex = static_cast<float>(getArgInt(s, 1)) - p->sprite->x;
        const float ey = static_cast<float>(getArgInt(s, 2)) - p->sprite->y;
        const float distance = std::sqrt(ex * ex + ey * ey);
        c->fTemps1 = distance > 0 ? ex / distance * vitesse : 0.0f;
        c->fTemps2 = distance > 0 ? ey / distance * vitesse : 0.0f;
        c->fTemps3 = std::fabs(ex) != 0 ? std::fabs(ex) : std::fabs(ey);
        c->nEtat = 1;
        c->nAux = parId ? 1 : 0;
    }
    const float pas = std::fabs(c->fTemps1 != 0 ? c->fTemps1 : c->fTemps2);
    // A step too small to count any more ends the walk as well.
    if (!(c->fTemps3 > 0) || !std::isfinite(c->fTemps3) || c->fTemps3 - pas == c->fTemps3)
        return finir();
    c->fTemps3 -= pas;
    p->setAnimation(-1, c->fTemps1, c->fTemps2);
}
