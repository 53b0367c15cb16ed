// The camera (reading, zoom, shake, world to screen), sounds, the players' control, explosions
// of characters, the sway of plants, the veil, the screen effect, weapon refills and level
// changes.
#include "script/ScriptEngine.h"

#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/Vue.h"
#include "script/CommandesOutils.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// PLAYSON modes.
constexpr int SON_SI_LIBRE = 1;
constexpr int SON_EN_BOUCLE = 2;
constexpr int SON_ARRET = -1;
constexpr int SON_JOUE = 2;  // what sonEnCours answers for a sound that plays
// RUNFUNCTION "zoom": one step out and aside.
constexpr float ZOOM_FONCTION = 0.08f;
constexpr float MARGE_ZOOM_FONCTION = 0.02f;
constexpr float DECALAGE_ZOOM_FONCTION = 32.0f;
constexpr int SECOUSSE_FONCTION = 8;
// RELOAD.
constexpr int MUNITIONS_MAX = 99;
constexpr float DUREE_MESSAGE_ARME = 150.0f;
// CHARGERNIV.
constexpr int FONDU_DEPART = 255;
const char* const DOSSIER_NIVEAUX = "./niveaux/";
constexpr int ETAT_FONDU = 1;
// EXPLOSION: the character's death sequence.
constexpr int COMPTEUR_EXPLOSION = 8;

CVue* vueDuJeu()
{
    const MondeJeu* jeu = faceJeu::monde();
    return jeu ? jeu->pvue : nullptr;
}

} // namespace

void CScriptEngine::enregistrerVue(TableCommandes& t)
{
    t["GETVUEX"] = &CScriptEngine::cmdGETVUEX;
    t["GETVUEY"] = &CScriptEngine::cmdGETVUEY;
    t["GETVUEZOOM"] = &CScriptEngine::cmdGETVUEZOOM;
    t["WORLDTOSCREEN"] = &CScriptEngine::cmdWORLDTOSCREEN;
    t["SCROLL"] = &CScriptEngine::cmdSCROLL;
    t["ZOOMVUE"] = &CScriptEngine::cmdZOOMVUE;
    t["CMD_ZOOM"] = &CScriptEngine::cmdCMD_ZOOM;
    t["RUNFUNCTION"] = &CScriptEngine::cmdRUNFUNCTION;
    t["VIBRATION"] = &CScriptEngine::cmdVIBRATION;
    t["JOUE"] = &CScriptEngine::cmdJOUE;
    t["PLAYSON"] = &CScriptEngine::cmdPLAYSON;
    t["EXPLOSION"] = &CScriptEngine::cmdEXPLOSION;
    t["EFFET_PLANTE_BOOST"] = &CScriptEngine::cmdEFFET_PLANTE_BOOST;
    t["VOILEACTIF"] = &CScriptEngine::cmdVOILEACTIF;
    t["VOILE"] = &CScriptEngine::cmdVOILE;
    t["INITSHADERGLOBAL"] = &CScriptEngine::cmdINITSHADERGLOBAL;
    t["RELOAD"] = &CScriptEngine::cmdRELOAD;
    t["CHARGERNIV"] = &CScriptEngine::cmdCHARGERNIV;
}

// ---------------------------------------------------------------- the camera

void CScriptEngine::cmdGETVUEX(CScript* s)
{
    marquerFait(s);
    const CVue* v = vueDuJeu();
    ajouterRetourFloat(s, v ? v->x : 0.0f);
    ++s->numCmdCour;
}

void CScriptEngine::cmdGETVUEY(CScript* s)
{
    marquerFait(s);
    const CVue* v = vueDuJeu();
    ajouterRetourFloat(s, v ? v->y : 0.0f);
    ++s->numCmdCour;
}

void CScriptEngine::cmdGETVUEZOOM(CScript* s)
{
    marquerFait(s);
    const CVue* v = vueDuJeu();
    ajouterRetourFloat(s, v ? v->zoom : 1.0f);
    ++s->numCmdCour;
}

// A zoom of 0 or less gives the differences unscaled.
void CScriptEngine::cmdWORLDTOSCREEN(CScript* s)
{
    marquerFait(s);
    const CVue* v = vueDuJeu();
    const float zoom = v && v->zoom > 0 ? v->zoom : 1.0f;
    ajouterRetourFloat(s, (static_cast<float>(getArgInt(s, 0)) - (v ? v->x : 0.0f)) / zoom);
    ajouterRetourFloat(s, (static_cast<float>(getArgInt(s, 1)) - (v ? v->y : 0.0f)) / zoom);
    ++s->numCmdCour;
}

void CScriptEngine::cmdSCROLL(CScript* s)
{
    marquerFait(s);
    if (CVue* v = vueDuJeu())
        v->vuemode = getArgInt(s, 0);
    ++s->numCmdCour;
}

// Sets the zoom, or moves it by the step (scaled) each frame until it reaches the target.
// The first ZOOMVUE of a pass moves on the other scripts standing on a ZOOMVUE.
void CScriptEngine::cmdZOOMVUE(CScript* s)
{
    marquerFait(s);
    if (!bZoomVueImage) {
        bZoomVueImage = true;
        for (size_t i = 0; i < scripts.size(); ++i) {
            CScript* autre = scripts[i].get();
            const CScriptCommand* c = commandeCourante(autre);
            if (autre != s && autre->bEnCours && !autre->bSupprime && c && c->strMotCle == "ZOOMVUE")
                avancerScript(autre);
        }
    }
    CVue* v = vueDuJeu();
    const float cible = getArgFloat(s, 0);
    if (!v || !std::isfinite(cible) || cible <= 0) {
        ++s->numCmdCour;
        return;
    }
    const float z = v->zoom;
    if (getArgInt(s, 1) == 0 || cible == z) {
        v->zoom = cible;
        ++s->numCmdCour;
        return;
    }
    const float pas = getArgFloat(s, 2) * coefficient();
    const float d = cible > z ? pas : -pas;
    const float nz = z + d;
    const bool arrive = nz == z || !std::isfinite(nz) || (d >= 0 ? cible <= nz : !(cible < nz));
    if (arrive) {
        v->zoom = cible;
        ++s->numCmdCour;
        return;
    }
    v->zoom = nz;
}

void CScriptEngine::cmdCMD_ZOOM(CScript* s)
{
    marquerFait(s);
    if (PartieJeu* jeu = faceJeu::partie())
        jeu->bZoomEntree = getArgInt(s, 0) == 1;
    ++s->numCmdCour;
}

void CScriptEngine::cmdRUNFUNCTION(CScript* s)
{
    marquerFait(s);
    ServicesJeu* jeu = faceJeu::services();
    CVue* v = vueDuJeu();
    const std::string nom = getArgString(s, 0);
    if (nom == "vibration" && jeu) {
        jeu->secouerCamera(SECOUSSE_FONCTION, SECOUSSE_FONCTION);
    } else if (nom == "zoom" && v && v->zoom >= v->zoomBase - MARGE_ZOOM_FONCTION &&
               v->zoom - ZOOM_FONCTION > 0) {
        // Never down to a zoom of 0 or less, which shows nothing or turns the view over.
        v->zoom -= ZOOM_FONCTION;
        v->x += DECALAGE_ZOOM_FONCTION;
        v->y += DECALAGE_ZOOM_FONCTION;
    }
    ++s->numCmdCour;
}

// Jumps the camera up and back by amplitude x n, n counting down from the count to 0; each
// offset is held trunc(1 / coefficient) frames (nCompteur: n, nEtat: phase, nAux: started,
// fTemps1: frames of the hold left).
void CScriptEngine::cmdVIBRATION(CScript* s)
{
    CScriptCommand* c = commandeCourante(s);
    c->bFait = 1;
    if (c->nAux == 0) {
        c->nAux = 1;
        c->nEtat = 0;
        c->nCompteur = getArgInt(s, 1);
        c->fTemps1 = 0;
    }
    if (c->fTemps1 > 0) {
        c->fTemps1 -= 1;
        return;
    }
    if (c->nCompteur < 0) {
        c->nAux = 0;
        c->nEtat = 0;
        ++s->numCmdCour;
        return;
    }
    c->nEtat = c->nEtat == 1 ? 0 : 1;
    const float decalage = getArgFloat(s, 0) * static_cast<float>(c->nCompteur);
    if (CVue* v = vueDuJeu(); v && std::isfinite(v->y + decalage))
        v->y += c->nEtat == 1 ? -decalage : decalage;
    if (c->nEtat == 0)
        --c->nCompteur;
    c->fTemps1 = static_cast<float>(imagesAuTaux(1) - 1);
}

// ---------------------------------------------------------------- sounds and control

void CScriptEngine::cmdJOUE(CScript* s)
{
    marquerFait(s);
    if (PartieJeu* jeu = faceJeu::partie())
        jeu->bControleJoueurs = getArgInt(s, 0) != 0;
    ++s->numCmdCour;
}

void CScriptEngine::cmdPLAYSON(CScript* s)
{
    marquerFait(s);
    ServicesJeu* jeu = faceJeu::services();
    const std::string son = getArgString(s, 0);
    const int mode = getArgInt(s, 1);
    if (jeu && !(mode == SON_SI_LIBRE && jeu->sonEnCours(son) == SON_JOUE)) {
        if (mode != SON_SI_LIBRE)
            jeu->arreterSon(son);
        if (mode != SON_ARRET) {
            jeu->bouclerSon(son, mode == SON_EN_BOUCLE);
            jeu->jouerSon(son);
        }
    }
    ++s->numCmdCour;
}

// ---------------------------------------------------------------- effects

// The AI of that id (or its child of that id) starts exploding.
void CScriptEngine::cmdEXPLOSION(CScript* s)
{
    marquerFait(s);
    if (CPerso* cible = iaOuEnfant(getArgString(s, 0), getArgString(s, 1))) {
        cible->bMortLancee = true;
        if (cible->spriteBouclier)
            cible->spriteBouclier->nbanimtotale = 0;
        if (ServicesJeu* jeu = faceJeu::services())
            jeu->jouerSon("EXPLOSION");
        const CVue* v = vueDuJeu();
        cible->compteur5 = v ? tuv::floatVersInt(std::round(v->x)) : 0;
        cible->compteur6 = v ? tuv::floatVersInt(std::round(v->y)) : 0;
        cible->compteur8 = COMPTEUR_EXPLOSION;
        cible->compteur7 = 0;
        for (CPerso* e : cible->enfants)
            if (e)
                e->bMortLancee = true;
    }
    ++s->numCmdCour;
}

void CScriptEngine::cmdEFFET_PLANTE_BOOST(CScript* s)
{
    marquerFait(s);
    const float bas = static_cast<float>(getArgInt(s, 0)), haut = static_cast<float>(getArgInt(s, 1));
    const float vitesse = static_cast<float>(getArgInt(s, 2));
    if (CDecor* d = monde())
        for (CCalqueSD* plan : d->pPlans)
            if (plan)
                for (CSPRITE* sd : plan->sprites)
                    if (sd && sd->bVisible) {
                        sd->planteMultAngleMin = bas;
                        sd->planteMultAngleMax = haut;
                        sd->planteMultVitesse = vitesse;
                    }
    ++s->numCmdCour;
}

void CScriptEngine::cmdVOILEACTIF(CScript* s)
{
    marquerFait(s);
    if (CDecor* d = monde())
        d->voile.bActif = getArgInt(s, 0) == 1;
    ++s->numCmdCour;
}

void CScriptEngine::cmdVOILE(CScript* s)
{
    marquerFait(s);
    if (CDecor* d = monde()) {
        CVoile& v = d->voile;
        v.bActif = true;
        v.bFini = false;
        v.compteur = 0;
        v.plan = getArgInt(s, 0);
        v.couleur = sf::Color(commandes::canalBorne(getArgInt(s, 1)), commandes::canalBorne(getArgInt(s, 2)),
                              commandes::canalBorne(getArgInt(s, 3)), commandes::canalBorne(getArgInt(s, 4)));
        v.periode = getArgInt(s, 5);
        v.pas = getArgInt(s, 6);
        v.alphaCible = getArgInt(s, 7);
        v.bArretFin = getArgInt(s, 8) != 0;
        v.rectangle.setFillColor(v.couleur);
    }
    ++s->numCmdCour;
}

// The decor sprite of that id becomes the first (slot 0) or second screen effect with these
// values; a positive life is counted in frames at 30 per second.
void CScriptEngine::cmdINITSHADERGLOBAL(CScript* s)
{
    marquerFait(s);
    ServicesJeu* jeu = faceJeu::services();
    if (CSPRITE* sd = jeu ? chercherSD(getArgString(s, 0)) : nullptr) {
        jeu->poserEffetEcran(getArgInt(s, 6), sd);
        sd->bEffetEcran = getArgInt(s, 1) != 0;
        sd->effetTemps1 = sd->effetTemps2 = getArgInt(s, 2);
        sd->effetX = static_cast<float>(getArgInt(s, 3));
        sd->effetY = static_cast<float>(getArgInt(s, 4));
        sd->effetMode = getArgInt(s, 5);
        const int vie = getArgInt(s, 7);
        sd->effetVie = vie > 0 ? imagesAuTaux(vie) : vie;
    }
    ++s->numCmdCour;
}

// Refills the weapon of the player's slot that holds it, in that slot of every character.
void CScriptEngine::cmdRELOAD(CScript* s)
{
    marquerFait(s);
    MondeJeu* jeu = faceJeu::monde();
    const int numero = getArgInt(s, 0);
    size_t slot = 0;
    if (CPerso* joueur = jeu ? jeu->pPerso.get() : nullptr; joueur && !joueur->armes.empty()) {
        slot = joueur->armes.size();
        for (size_t i = 0; i < joueur->armes.size(); ++i)
            if (joueur->armes[i] && joueur->armes[i]->numero == numero) {
                slot = i;
                break;
            }
    }
    const CPerso* dernier = nullptr;
    for (CPerso* p : persosDuNiveau()) {
        SlotArme* a = p && slot < p->armes.size() ? p->armes[slot] : nullptr;
        if (!a)
            continue;
        const CArme* arme = jeu && jeu->parmes && a->numero >= 0 && a->numero < jeu->parmes->nbArmes
                                ? jeu->parmes->arme(a->numero)
                                : nullptr;
        const long long total = static_cast<long long>(a->munitions) + (arme ? arme->munitions : 0);
        a->munitions = static_cast<int>(std::clamp<long long>(total, INT_MIN, MUNITIONS_MAX));
        a->bPossedee = true;
        dernier = p;
    }
    if (ServicesJeu* services = jeu ? faceJeu::services() : nullptr) {
        services->pulserArme(static_cast<int>(slot), tuv::floatVersInt(std::round(DUREE_MESSAGE_ARME / coefficient())));
        if (!dernier || dernier->armeCourante == static_cast<int>(slot))
            services->afficherNomArme(0, tuv::floatVersInt(DUREE_MESSAGE_ARME / coefficient()));
    }
    if (s->pSD) {
        s->pSD->supprimerOver("0-LUX21" + tuv::itos(numero));
        s->pSD->supprimerOver("1-CRISTAL" + tuv::itos(numero));
    }
    ++s->numCmdCour;
}

// ---------------------------------------------------------------- CHARGERNIV

std::function<void(CDecor&, const std::string&, int, bool)> CScriptEngine::changerMonde =
    [](CDecor& monde, const std::string& chemin, int zone, bool redemarrer) {
        if (redemarrer)
            monde.demarrerNiveau(zone);
        else
            monde.chargerNiveau(chemin, zone);
    };

// The change itself, after the pass: the menus learn the new folder and path, then the level
// restarts when it is the one loaded, or the new one is loaded.
void CScriptEngine::changerNiveau(const std::string& chemin, const std::string& dossier, int zone)
{
    const bool enAttente = changementNiveau != nullptr;
    if (!enAttente)
        changementNiveau = std::make_unique<ChangementNiveau>();
    changementNiveau->chemin = chemin;
    changementNiveau->dossier = dossier;
    changementNiveau->zone = zone;
    if (enAttente)
        return;  // the change already queued takes the new values
    apresPasse([this] {
        if (!changementNiveau)
            return;
        const ChangementNiveau c = *changementNiveau;
        changementNiveau.reset();
        ServicesJeu* jeu = faceJeu::services();
        CDecor* d = monde();
        if (!d)
            return;
        if (jeu)
            jeu->niveauChoisi(c.dossier, c.chemin);
        if (changerMonde)
            changerMonde(*d, c.chemin, c.zone, jeu && c.chemin == jeu->fichierNiveauCharge());
    });
}

// Loads a level or restarts the current one, at once or after a fade of 255 frames at 30
// per second; with hold set it never ends. It stays on its line: the change restarts or
// replaces the scripts.
void CScriptEngine::cmdCHARGERNIV(CScript* s)
{
    CScriptCommand* c = commandeCourante(s);
    c->bFait = 1;
    if (getArgInt(s, 2) != 0)
        return;
    MondeJeu* jeu = faceJeu::monde();
    CPerso* joueur = jeu ? jeu->pPerso.get() : nullptr;
    if (joueur)
        joueur->bSansDegats = true;
    if (getArgInt(s, 3) == 1) {
        if (c->nEtat != ETAT_FONDU) {
            c->nEtat = ETAT_FONDU;
            nCompteurFondu = tuv::floatVersInt(FONDU_DEPART / coefficient());
        }
        if (jeu)
            faceJeu::partie()->bControleJoueurs = false;
        --nCompteurFondu;
        const int t = std::clamp(tuv::floatVersInt(static_cast<float>(nCompteurFondu) * coefficient()), 0, 255);
        if (joueur && joueur->sprite)
            joueur->sprite->setColor(sf::Color(commandes::canalModulo(255 - t), commandes::canalModulo(255 - t),
                                               commandes::canalModulo(255 - t), commandes::canalModulo(t)));
        if (s->pSD)
            s->pSD->setColor(sf::Color(commandes::canalModulo(255 - t), 255, commandes::canalModulo(255 - t), 255));
        if (nCompteurFondu > 0)
            return;
        c->nEtat = 0;
    }
    const std::string dossier = DOSSIER_NIVEAUX + tuv::wstrToUtf8(getArgWString(s, 0));
    changerNiveau(dossier + getArgString(s, 1), dossier, getArgInt(s, 4));
}
