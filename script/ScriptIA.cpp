// The AI and character commands: create, find, steer, question and kill the level's AIs and
// the player's character. No handler keeps a character between two frames: each step finds
// it again by id, or through the script's checked references.
#include "script/ScriptEngine.h"

#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/IABehaviours.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Texte.h"
#include "level/Decor.h"
#include "level/Vue.h"

#include <SFML/System/Lock.hpp>

#include <algorithm>
#include <cmath>

namespace {

// State names of SETIASTATE; any other text stops the AI.
int etatNomme(const std::string& nom)
{
    if (nom == "WALK")
        return EtatPerso::MARCHE;
    if (nom == "JUMP")
        return EtatPerso::SAUT_MONTE;
    return EtatPerso::ARRET;
}

constexpr float DEMI_TOUR = 180.0f;
constexpr float TOUR = 360.0f;

} // namespace

void CScriptEngine::enregistrerIA(TableCommandes& t)
{
    t["SETIASTATE"] = &CScriptEngine::cmdSETIASTATE;
    t["IAPATROL"] = &CScriptEngine::cmdIAPATROL;
    t["SETIDIA"] = &CScriptEngine::cmdSETIDIA;
    t["IASHOOT"] = &CScriptEngine::cmdIASHOOT;
    t["INITIADEF"] = &CScriptEngine::cmdINITIADEF;
    t["ISIADETECTPERSO"] = &CScriptEngine::cmdISIADETECTPERSO;
    t["ISIAALERT"] = &CScriptEngine::cmdISIAALERT;
    t["GETIDIA"] = &CScriptEngine::cmdGETIDIA;
    t["GETIALIFE"] = &CScriptEngine::cmdGETIALIFE;
    t["GETIALIFEMAX"] = &CScriptEngine::cmdGETIALIFEMAX;
    t["GETIAPOSX"] = &CScriptEngine::cmdGETIAPOSX;
    t["GETIAPOSY"] = &CScriptEngine::cmdGETIAPOSY;
    t["GETIAPOS"] = &CScriptEngine::cmdGETIAPOS;
    t["GETIASHOOTANGLE"] = &CScriptEngine::cmdGETIASHOOTANGLE;
    t["ISIAVISIBLE"] = &CScriptEngine::cmdISIAVISIBLE;
    t["INITIADETECTPERSO"] = &CScriptEngine::cmdINITIADETECTPERSO;
    t["SETIADETECTDIR"] = &CScriptEngine::cmdSETIADETECTDIR;
    t["SETIACHANGEDIRAUTO"] = &CScriptEngine::cmdSETIACHANGEDIRAUTO;
    t["SETIASHIP"] = &CScriptEngine::cmdSETIASHIP;
    t["SETIADUST"] = &CScriptEngine::cmdSETIADUST;
    t["SETIASPEED"] = &CScriptEngine::cmdSETIASPEED;
    t["SETIASHOOTANGLE"] = &CScriptEngine::cmdSETIASHOOTANGLE;
    t["SETIAFACTION"] = &CScriptEngine::cmdSETIAFACTION;
    t["IAGENERALALERT"] = &CScriptEngine::cmdIAGENERALALERT;
    t["INITIASHOOTANGLE"] = &CScriptEngine::cmdINITIASHOOTANGLE;
    t["IADESTROYONRELOAD"] = &CScriptEngine::cmdIADESTROYONRELOAD;
    t["IAMODE"] = &CScriptEngine::cmdIAMODE;
    t["IAANIM"] = &CScriptEngine::cmdIAANIM;
    t["IA_POSITION"] = &CScriptEngine::cmdIA_POSITION;
    t["IA_VISIBLE"] = &CScriptEngine::cmdIA_VISIBLE;
    t["OMBREIA"] = &CScriptEngine::cmdOMBREIA;
    t["IA"] = &CScriptEngine::cmdIA;
    t["SCALEIA"] = &CScriptEngine::cmdSCALEIA;
    t["TEXTURE_PER"] = &CScriptEngine::cmdTEXTURE_PER;
    t["CHANGEDIRPERSO"] = &CScriptEngine::cmdCHANGEDIRPERSO;
    t["TUE_PERSO"] = &CScriptEngine::cmdTUE_PERSO;
    t["IAEXIT"] = &CScriptEngine::cmdIAEXIT;
    t["GETZEPHGRAVPOS"] = &CScriptEngine::cmdGETZEPHGRAVPOS;
    t["PERSO_VISIBLE"] = &CScriptEngine::cmdPERSO_VISIBLE;
    t["INFOS_VIE"] = &CScriptEngine::cmdINFOS_VIE;
    t["SETINFOSVISIBLE"] = &CScriptEngine::cmdSETINFOSVISIBLE;
}

// ---------------------------------------------------------------- shared lookups


std::vector<CPerso*> CScriptEngine::persosDuNiveau()
{
    std::vector<CPerso*> r;
    if (const CDecor* d = monde()) {
        r.assign(d->persos.begin(), d->persos.end());
        r.insert(r.end(), d->ias.begin(), d->ias.end());
    }
    return r;
}

void CScriptEngine::debutPasseCommandes()
{
    nbAnimKPImage = 0;
    nbPorteImage = 0;
    bMessageAffiche = false;
    bZoomVueImage = false;
}

CPerso* CScriptEngine::iaOuEnfant(const std::string& id, const std::string& enfant) const
{
    CPerso* cible = nullptr;
    if (const CDecor* d = monde())
        for (CPerso* ia : d->ias) {
            if (!ia || ia->id != id)
                continue;
            if (enfant.empty())
                cible = ia;
            else
                for (CPerso* e : ia->enfants)
                    if (e && e->id == enfant)
                        cible = e;
        }
    return cible;
}

CPerso* CScriptEngine::iaArg(const CScript* s, int k, SiVide siVide) const
{
    const std::string id = getArgString(s, k);
    if (id.empty() && siVide == SiVide::Courante)
        return s->pIACourante.get();
    if (id.empty() && siVide == SiVide::Propre)
        return s->pIAPropre.get();
    return chercherIA(id);
}

// The reading commands: what lire pushes for the AI, or "NULL" without one.
void CScriptEngine::pousserIA(CScript* s, SiVide siVide, void (*lire)(CScript*, CPerso*))
{
    marquerFait(s);
    CPerso* ia = iaArg(s, 0, siVide);
    if (ia && ia->sprite)
        lire(s, ia);
    else
        ajouterRetourString(s, "NULL");
    ++s->numCmdCour;
}

// The switches "on (int); AI id": the flag becomes on != 0.
void CScriptEngine::drapeauIA(CScript* s, SiVide siVide, bool CPerso::*champ)
{
    marquerFait(s);
    if (CPerso* ia = iaArg(s, 1, siVide))
        ia->*champ = getArgInt(s, 0) != 0;
    ++s->numCmdCour;
}

// ---------------------------------------------------------------- states and steering

void CScriptEngine::cmdSETIASTATE(CScript* s)
{
    marquerFait(s);
    if (CPerso* ia = iaArg(s, 1, SiVide::Courante))
        ia->setEtat(etatNomme(getArgString(s, 0)));
    ++s->numCmdCour;
}

void CScriptEngine::cmdIAPATROL(CScript* s)
{
    marquerFait(s);
    const PartieJeu* jeu = faceJeu::partie();
    if (CPerso* ia = iaArg(s, 0, SiVide::Courante); ia && !(jeu && jeu->mode == 2))
        ia->demiTour();
    ++s->numCmdCour;
}

void CScriptEngine::cmdSETIDIA(CScript* s)
{
    marquerFait(s);
    if (CPerso* ia = iaArg(s, 1, SiVide::Courante))
        ia->id = getArgString(s, 0);
    ++s->numCmdCour;
}

// Without a current weapon slot nothing is written and nothing is fired.
void CScriptEngine::cmdIASHOOT(CScript* s)
{
    marquerFait(s);
    CPerso* ia = iaArg(s, 0, SiVide::Propre);
    if (ia && ia->sprite && ia->armeCourante >= 0 && ia->armeCourante < static_cast<int>(ia->armes.size()) &&
        ia->armes[static_cast<size_t>(ia->armeCourante)]) {
        ia->armes[static_cast<size_t>(ia->armeCourante)]->munitions = -1;
        const float angle = ia->angleVisee + ia->sprite->rotangle;
        if (std::isfinite(angle))
            ia->angleVisee = angle;
        ia->tirer(0);
    }
    ++s->numCmdCour;
}

void CScriptEngine::cmdINITIADEF(CScript* s)
{
    marquerFait(s);
    CPerso* ia = chercherIA(getArgString(s, 0));
    s->pIACourante = ia ? ia : s->pIAPropre.get();
    ++s->numCmdCour;
}

void CScriptEngine::cmdSETIASPEED(CScript* s)
{
    marquerFait(s);
    if (CPerso* ia = iaArg(s, 1, SiVide::Courante))
        ia->vitesse = getArgInt(s, 0);
    ++s->numCmdCour;
}

void CScriptEngine::cmdSETIASHOOTANGLE(CScript* s)
{
    marquerFait(s);
    if (CPerso* ia = iaArg(s, 1, SiVide::Propre))
        ia->angleVisee = static_cast<float>(getArgInt(s, 0));
    ++s->numCmdCour;
}

void CScriptEngine::cmdSETIAFACTION(CScript* s)
{
    marquerFait(s);
    if (CPerso* ia = iaArg(s, 1, SiVide::Propre))
        ia->faction = getArgInt(s, 0);
    ++s->numCmdCour;
}

void CScriptEngine::cmdIAGENERALALERT(CScript* s)
{
    marquerFait(s);
    const MondeJeu* jeu = faceJeu::monde();
    CPerso* ia = iaArg(s, 2, SiVide::Courante);
    if (ia && ia->sprite && jeu && jeu->pIABehaviours)
        jeu->pIABehaviours->alerteGenerale(ia, tuv::floatVersInt(ia->sprite->x), tuv::floatVersInt(ia->sprite->y),
                                           getArgInt(s, 0), getArgInt(s, 1));
    ++s->numCmdCour;
}

void CScriptEngine::cmdINITIASHOOTANGLE(CScript* s)
{
    marquerFait(s);
    const MondeJeu* jeu = faceJeu::monde();
    CPerso* ia = iaArg(s, 1, SiVide::Propre);
    ajouterRetourInt(s, ia && jeu && jeu->pIABehaviours ? jeu->pIABehaviours->initAngleTir(ia, getArgInt(s, 0)) : 0);
    ++s->numCmdCour;
}

void CScriptEngine::cmdIADESTROYONRELOAD(CScript* s)
{
    marquerFait(s);
    if (CPerso* ia = iaArg(s, 0, SiVide::Propre))
        ia->bDetruireAuRechargement = getArgInt(s, 1) == 1;
    ++s->numCmdCour;
}

void CScriptEngine::cmdIAMODE(CScript* s)
{
    marquerFait(s);
    if (CPerso* ia = iaArg(s, 0, SiVide::Chercher))
        ia->modeIA = getArgInt(s, 1);
    ++s->numCmdCour;
}

void CScriptEngine::cmdIAANIM(CScript* s)
{
    marquerFait(s);
    if (CPerso* ia = iaArg(s, 0, SiVide::Chercher); ia && ia->sprite)
        ia->sprite->animer(getArgInt(s, 1));
    ++s->numCmdCour;
}

// ---------------------------------------------------------------- switches

void CScriptEngine::cmdINITIADETECTPERSO(CScript* s) { drapeauIA(s, SiVide::Propre, &CPerso::bDetection); }
void CScriptEngine::cmdSETIADETECTDIR(CScript* s) { drapeauIA(s, SiVide::Courante, &CPerso::bDetectionDevant); }
void CScriptEngine::cmdSETIACHANGEDIRAUTO(CScript* s) { drapeauIA(s, SiVide::Courante, &CPerso::bDemiTourAuto); }
void CScriptEngine::cmdSETIASHIP(CScript* s) { drapeauIA(s, SiVide::Courante, &CPerso::bVaisseau); }
void CScriptEngine::cmdSETIADUST(CScript* s) { drapeauIA(s, SiVide::Courante, &CPerso::bPoussiere); }

// ---------------------------------------------------------------- reading commands

void CScriptEngine::cmdISIADETECTPERSO(CScript* s)
{
    marquerFait(s);
    CPerso* ia = iaArg(s, 0, SiVide::Courante);
    ajouterRetourInt(s, ia && ia->pPersoDetecte ? 1 : 0);
    ++s->numCmdCour;
}

void CScriptEngine::cmdISIAALERT(CScript* s)
{
    marquerFait(s);
    CPerso* ia = iaArg(s, 0, SiVide::Courante);
    ajouterRetourInt(s, ia && ia->compteurAlerte > 0 ? 1 : 0);
    ++s->numCmdCour;
}

void CScriptEngine::cmdGETIDIA(CScript* s)
{
    marquerFait(s);
    CPerso* propre = s->pIAPropre.get();
    ajouterRetourString(s, propre ? propre->id : "NULL");
    ++s->numCmdCour;
}

void CScriptEngine::cmdGETIALIFE(CScript* s)
{
    pousserIA(s, SiVide::Propre, [](CScript* x, CPerso* ia) { ajouterRetourInt(x, ia->vie); });
}

void CScriptEngine::cmdGETIALIFEMAX(CScript* s)
{
    pousserIA(s, SiVide::Propre, [](CScript* x, CPerso* ia) { ajouterRetourInt(x, ia->vieMax); });
}

void CScriptEngine::cmdGETIAPOSX(CScript* s)
{
    pousserIA(s, SiVide::Propre, [](CScript* x, CPerso* ia) { ajouterRetourFloat(x, ia->sprite->x); });
}

void CScriptEngine::cmdGETIAPOSY(CScript* s)
{
    pousserIA(s, SiVide::Propre, [](CScript* x, CPerso* ia) { ajouterRetourFloat(x, ia->sprite->y); });
}

void CScriptEngine::cmdGETIAPOS(CScript* s)
{
    marquerFait(s);
    CPerso* ia = iaArg(s, 0, SiVide::Propre);
    if (ia && ia->sprite) {
        ajouterRetourFloat(s, ia->sprite->x);
        ajouterRetourFloat(s, ia->sprite->y);
    } else {
        ajouterRetourString(s, "NULL");
        ajouterRetourString(s, "NULL");
    }
    ++s->numCmdCour;
}

void CScriptEngine::cmdGETIASHOOTANGLE(CScript* s)
{
    pousserIA(s, SiVide::Propre, [](CScript* x, CPerso* ia) { ajouterRetourFloat(x, ia->angleVisee); });
}

void CScriptEngine::cmdISIAVISIBLE(CScript* s)
{
    pousserIA(s, SiVide::Propre, [](CScript* x, CPerso* ia) { ajouterRetourInt(x, ia->sprite->bVisible ? 1 : 0); });
}

void CScriptEngine::cmdGETZEPHGRAVPOS(CScript* s)
{
    marquerFait(s);
    const MondeJeu* jeu = faceJeu::monde();
    const CVue* vue = jeu ? jeu->pvue : nullptr;
    ajouterRetourFloat(s, vue ? vue->centreX : 0.0f);
    ajouterRetourFloat(s, vue ? vue->centreY : 0.0f);
    ++s->numCmdCour;
}

// ---------------------------------------------------------------- the current AI

void CScriptEngine::cmdIA_POSITION(CScript* s)
{
    marquerFait(s);
    if (CPerso* ia = s->pIACourante.get(); ia && ia->sprite)
        ia->sprite->placer(-1, getArgInt(s, 0), getArgInt(s, 1));
    ++s->numCmdCour;
}

void CScriptEngine::cmdIA_VISIBLE(CScript* s)
{
    marquerFait(s);
    if (CPerso* ia = s->pIACourante.get(); ia && ia->sprite)
        ia->sprite->bVisible = getArgInt(s, 0) != 0;
    ++s->numCmdCour;
}

void CScriptEngine::cmdOMBREIA(CScript* s)
{
    marquerFait(s);
    if (CPerso* ia = s->pIACourante.get()) {
        ia->bOmbre = getArgInt(s, 0) != 0;
        ia->bOmbreDynamique = getArgInt(s, 1) != 0;
        ia->ombreYFixe = getArgInt(s, 2);
        ia->ombreEchelle = getArgFloat(s, 3);
        ia->ombreMinScale = getArgFloat(s, 4);
        ia->ombreHmax = getArgFloat(s, 5);
    }
    ++s->numCmdCour;
}

void CScriptEngine::cmdIA(CScript* s)
{
    marquerFait(s);
    CPerso* ia = nullptr;
    if (CDecor* d = monde())
        ia = d->creerIA(getArgString(s, 0), getArgInt(s, 1), getArgInt(s, 2), getArgInt(s, 3), getArgFloat(s, 4),
                        getArgFloat(s, 5), getArgInt(s, 6), getArgInt(s, 7), getArgInt(s, 8), false);
    s->pIACourante = ia;
    if (ia) {
        ia->bCreeParScript = true;
        ia->fichierScriptIA = s->strFichier;
    }
    rafraichirMoniteur();
    ++s->numCmdCour;
}

// ---------------------------------------------------------------- SCALEIA

// Grows or shrinks the sprite by the step (scaled to the frame rate) each frame until it
// reaches the target. A step of 0 or less, or one that no longer changes the scale, sets
// the target at once.
void CScriptEngine::cmdSCALEIA(CScript* s)
{
    marquerFait(s);
    MondeJeu* jeu = faceJeu::monde();
    CPerso* p = chercherIA(getArgString(s, 0));
    if (!p && jeu)
        p = jeu->pPerso.get();
    if (!p || !p->sprite) {
        ++s->numCmdCour;
        return;
    }
    CSPRITE3& sp = *p->sprite;
    const float cibleX = getArgFloat(s, 1), cibleY = getArgFloat(s, 2), pasArg = getArgFloat(s, 3);
    const float c = sp.getSX();
    const float pas = pasArg * coefficient();
    bool fini = pasArg <= 0 || cibleX == c;
    if (!fini) {
        const float nx = cibleX > c ? c + pas : c - pas;
        const float ny = cibleX > c ? sp.getSY() + pas : sp.getSY() - pas;
        const bool change = nx != c && std::isfinite(nx) && std::isfinite(ny);
        if (change)
            sp.setScale(nx, ny);
        fini = !change || (cibleX > c ? nx >= cibleX : nx <= cibleX);
    }
    if (fini) {
        sp.setScale(cibleX, cibleY);
        ++s->numCmdCour;
    }
}

// ---------------------------------------------------------------- TEXTURE_PER

// The level's model of that key, read from the character file the first time.
void CScriptEngine::cmdTEXTURE_PER(CScript* s)
{
    marquerFait(s);
    CDecor* d = monde();
    const std::string fichierPer = getArgString(s, 0), cle = getArgString(s, 1);
    if (!d) {
        ++s->numCmdCour;
        return;
    }
    if (d->modelesPersos.count(cle)) {
        ajouterRetourInt(s, 2);
        ++s->numCmdCour;
        return;
    }
    sf::Lock verrou(CSFMLJeuGlobal::mutex);
    auto* banque = new CDEC();
    banque->nom = cle;
    d->modelesPersos[cle] = banque;
    if (CPersoDef* def = banque->pPersoDef) {
        def->cleDefinition = cle;
        def->charger(fichierPer, false, d);
    }
    ajouterRetourInt(s, 1);
    ++s->numCmdCour;
}

// ---------------------------------------------------------------- the player's character

// The player turns by the step (scaled) each frame; once the turn reaches 180 degrees its
// facing swaps and the command ends. Without a player it waits.
void CScriptEngine::cmdCHANGEDIRPERSO(CScript* s)
{
    marquerFait(s);
    MondeJeu* jeu = faceJeu::monde();
    CPerso* p = jeu ? jeu->pPerso.get() : nullptr;
    if (!p || !p->sprite)
        return;
    if (fCumulTourne >= DEMI_TOUR) {
        p->direction = p->direction == 1 ? 0 : 1;
        fCumulTourne = 0;
        ++s->numCmdCour;
        return;
    }
    const float pas = static_cast<float>(nPasTourne) * coefficient();
    fCumulTourne += pas;
    float rotation = p->sprite->rotangle + pas;
    if (rotation >= TOUR)
        rotation -= TOUR;
    p->sprite->setRotation(rotation);
}

void CScriptEngine::cmdTUE_PERSO(CScript* s)
{
    marquerFait(s);
    MondeJeu* jeu = faceJeu::monde();
    if (CPerso* p = jeu ? jeu->pPerso.get() : nullptr) {
        p->vie = 0;
        p->setEtat(EtatPerso::MORT);
    }
    ++s->numCmdCour;
}

// The triggering character escapes. It stays listed (marked) until the level restarts;
// when it was the player, the next player character still in play takes over, or none.
void CScriptEngine::cmdIAEXIT(CScript* s)
{
    marquerFait(s);
    PartieJeu* jeu = faceJeu::partie();
    CPerso* p = s->pPersoDeclencheur.get();
    if (!jeu || jeu->mode == 2 || !p) {
        ++s->numCmdCour;
        return;
    }
    p->bDel = true;
    ++jeu->compteurPexlon;
    jeu->compteurFinJeu = 2;
    if (s->pSD)
        jouerSonSD(s->pSD);
    CDecor* d = monde();
    if (d && std::find(d->persos.begin(), d->persos.end(), p) != d->persos.end())
        jeu->pPersoSorti = p;
    if (faceJeu::monde()->pPerso == p) {
        CPerso* suivant = nullptr;
        if (d)
            for (CPerso* q : d->persos)
                if (q && q != p && !q->bDel) {
                    suivant = q;
                    break;
                }
        faceJeu::monde()->pPerso = suivant;
    }
    ++s->numCmdCour;
}

void CScriptEngine::cmdPERSO_VISIBLE(CScript* s)
{
    marquerFait(s);
    const int n = getArgInt(s, 0);
    const bool visible = getArgInt(s, 1) != 0;
    if (CDecor* d = monde()) {
        int i = 0;
        for (CPerso* p : d->persos) {
            if (p && p->sprite && (n == -1 || n == i))
                p->sprite->bVisible = visible;
            ++i;
        }
    }
    ++s->numCmdCour;
}

void CScriptEngine::cmdINFOS_VIE(CScript* s)
{
    marquerFait(s);
    if (CDecor* d = monde())
        d->bInfosVie = getArgInt(s, 0) == 1;
    ++s->numCmdCour;
}

void CScriptEngine::cmdSETINFOSVISIBLE(CScript* s)
{
    marquerFait(s);
    if (ServicesJeu* jeu = faceJeu::services())
        jeu->montrerInfos(getArgInt(s, 0) != 0);
    ++s->numCmdCour;
}
