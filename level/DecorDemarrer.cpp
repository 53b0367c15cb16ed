// Level start and restart: a loaded level back to its starting state. Decor sprites rewound,
// players revived, AIs brought back or left dead by the respawn rules, meteors launched anew,
// the game's per-level counters, pads, camera, HUD and music reset.
#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/Perso.h"
#include "core/Chemin.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Manettes.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControl.h"
#include "level/CalqueSD.h"
#include "level/ContexteNiveau.h"
#include "level/Decor.h"
#include "level/Vue.h"
#include "script/ScriptEngine.h"

#include <SFML/Window/Joystick.hpp>

#include <algorithm>
#include <vector>

namespace {

constexpr int TYPE_AVENTURE = 0, TYPE_CHRONO = 1, TYPE_MULTI = 2;
constexpr int SLOT_AVENTURE = 9, SLOT_CHRONO = 0;
constexpr int NB_MANETTES = 4;
constexpr int RECUL_VUE_GROUPE = 200;   // it starts this far left of the respawn point
constexpr int ATTENTE_METEORES = 200;   // frames at 30 per second before the first shower
constexpr int COMPTE_DEPART = 90;       // the HUD's round countdown, frames at 30 per second
const char* const ID_RESPAWN = "RESPAWN";
const char* const DIALOGUE_MENU_EDITEUR = "JeuDialogMenuEditeur";

} // namespace

bool CDecor::respawnActif(const std::string& id) const
{
    for (const CSPRITE* sd : pPlans[PLAN_PRINCIPAL]->sprites)
        if (sd && sd->getIdDEC() == ID_RESPAWN && sd->getID() == id)
            return sd->getNumAnim() == 1;
    return false;
}

int CDecor::armeDeDepart() const
{
    const MondeJeu* jeu = faceJeu::monde();
    const int type = jeu ? faceJeu::partie()->typeJeu : TYPE_AVENTURE;
    if (type == TYPE_AVENTURE)
        return SLOT_AVENTURE;
    if (type == TYPE_CHRONO)
        return SLOT_CHRONO;
    return jeu && jeu->pscriptEngine ? jeu->pscriptEngine->choisirArmeAuHasard() : SLOT_CHRONO;
}

int CDecor::slotDeDepart(const CPerso& p, int arme)
{
    const PartieJeu* jeu = faceJeu::partie();
    const bool aventure = !jeu || jeu->typeJeu == TYPE_AVENTURE;
    return aventure && arme == SLOT_AVENTURE && arme >= p.nbSlots() && p.nbSlots() > 0 ? 0 : arme;
}

void CDecor::affecterManettes()
{
    PartieJeu* jeu = faceJeu::partie();
    if (!jeu)
        return;
    jeu->manetteJoueur1 = 0;
    jeu->manetteJoueur2 = 1;
    const bool xinput = jeu->bXInput && !CSFMLJeuGlobal::bModeTest;
    auto connectee = [xinput](int m) {
        return xinput ? joystickConnecte(static_cast<unsigned>(m)) : sf::Joystick::isConnected(static_cast<unsigned>(m));
    };
    int premiere = -1;
    for (int m = 0; m < NB_MANETTES && premiere < 0; ++m)
        if (connectee(m))
            premiere = m;
    if (premiere >= 0)
        jeu->manetteJoueur1 = premiere;
    for (int m = 0; m < NB_MANETTES; ++m)
        if (m != jeu->manetteJoueur1 && connectee(m)) {
            jeu->manetteJoueur2 = m;
            break;
        }
}

void CDecor::echangerPositionsMulti()
{
    const std::vector<CPerso*> joueurs(persos.begin(), persos.end());
    const size_t h = joueurs.size() / 2;
    if (joueurs.size() < 2)
        return;
    for (size_t i = 0; i < h; ++i) {
        CPerso* a = joueurs[i];
        CPerso* b = joueurs[i + h];
        if (!a || !b || !a->sprite || !b->sprite)
            continue;
        CSPRITE3& sa = *a->sprite;
        CSPRITE3& sb = *b->sprite;
        const int ax = tuv::floatVersInt(sb.x), ay = tuv::floatVersInt(sb.y);
        const int bx = tuv::floatVersInt(sa.x), by = tuv::floatVersInt(sa.y);
        for (auto [s, x, y] : {std::tuple{&sa, ax, ay}, std::tuple{&sb, bx, by}}) {
            s->setPosInit(x, y, -1, -1);
            s->placer(1, x, y);
        }
    }
}

// Decor sprites back as a load of the level makes them: place, animation 0 on the frame the
// load chose, every behaviour's run state, a script's colour, collisions and visibility, in
// every kind of game; a sprite on a key-point path at its first key point with that point's
// look. Respawn points keep their animation while a checkpoint is set. Every plane: a
// background platform's path or a force zone of another plane starts its run anew as well.
void CDecor::rembobinerSD()
{
    const bool reprise = checkpointX != -1 || checkpointY != -1;
    for (CCalqueSD* plan : pPlans)
        for (CSPRITE* sd : plan->sprites) {
            if (!sd)
                continue;
            const bool garde = reprise && sd->getIdDEC() == ID_RESPAWN;
            if (!garde) {
                sd->setAnim(0);
                if (sd->pDEC && sd->numFrameDepart < sd->pDEC->nbFramesAnim(0))
                    sd->numFrame = sd->numFrameDepart;
                sd->placer(-1, tuv::floatVersInt(sd->x0), tuv::floatVersInt(sd->y0));
            }
            sd->reinitialiserComportements();
            if (!garde && sd->bPhysC && sd->pChemin)
                sd->pChemin->placerAuDepart(*sd);
            sd->bCollisionsActives = true;
            sd->bVisible = sd->bVisibleDepart;
        }
}

// Which AIs come back: one the scripts told not to is removed; one tied to a respawn point
// the player reached stays as it was when it had died before; every other one comes back.
void CDecor::ranimerIAs()
{
    static const char* const OVERS_CRISTAUX[] = {"LUX21", "CRISTAL", "CRISTAL1", "CRISTAL2", "CRISTAL3"};
    for (CPerso* ia : ias) {
        if (!ia)
            continue;
        if (ia->bDetruireAuRechargement) {
            ia->bDel = true;
            continue;
        }
        if (!respawnActif(ia->chaine2) || (!ia->bDel && !ia->bMortTerminee))
            ranimerIA(*ia);
        if (ia->sprite)
            for (const char* nom : OVERS_CRISTAUX)
                ia->sprite->supprimerOver(nom);
    }
}

// The previous run's meteors go; the level's count of new ones comes later in the start.
void CDecor::remplacerMeteores()
{
    std::vector<CPerso*> meteores;
    for (CPerso* ia : ias)
        if (ia && ia->modeIA == MODE_IA_METEORE)
            meteores.push_back(ia);
    for (CPerso* m : meteores)
        detruirePerso(m);
    compteurMeteores = niveau::images(ATTENTE_METEORES);
}

void CDecor::viderTracesPas()
{
    for (sf::Sprite* trace : tracesPas)
        supprimerSprite(trace);
    tracesPas.clear();
}

// The game's side of a start or a load: player, per-level flags and counters, pads, HUD. Only
// for the world the game shows: a level read behind the menus leaves the game as it was.
void CDecor::reprendreJeu(bool chargement)
{
    PartieJeu* jeu = faceJeu::partie();
    deselectionner();
    numPlanTravail = PLAN_PRINCIPAL;
    pPlanTravail = pPlans[PLAN_PRINCIPAL];
    compteurPersoTouche = 0;
    niveauFini = false;
    // The dust cloud tints the level through the filter: it stays on while the cloud is.
    bFiltre = bNuagePoussiere;
    voile.bActif = false;
    if (!jeu || (faceJeu::monde()->pdecor && faceJeu::monde()->pdecor != this))
        return;
    faceJeu::monde()->pPerso = persos.empty() ? faceJeu::monde()->pPersoDefaut : persos.front();
    faceJeu::monde()->pPersoSelection = nullptr;
    jeu->compteurPexlon = 0;
    jeu->bPersoIAdcd = jeu->bGoChrono = false;
    jeu->bSansFaute = true;
    jeu->bJoue = jeu->bControleJoueurs = jeu->bIA = true;
    if (chargement)
        jeu->bZoomEntree = true;
    jeu->compteurJeu = 0;
    jeu->compteurMultiPause = 0;
    jeu->nbJoueursMultiDcd = 0;
    std::fill(std::begin(jeu->tableCoups), std::end(jeu->tableCoups), 0);
    // Clones lost are counted per round: the round's end and its panel read this round's.
    std::fill(std::begin(jeu->paralysie), std::end(jeu->paralysie), 0);
    for (int j = 0; j < NB_MANETTES; ++j)
        faceJeu::services()->resetManette(j);
    faceJeu::services()->chargerHUD();
    faceJeu::services()->ouvrirPortes(chargement);
    faceJeu::monde()->persosMorts.clear();
    if (faceJeu::monde()->parmes)
        faceJeu::monde()->parmes->viderTirs();
}

// The active camera at its level zoom around the hero: at the respawn point when there is one,
// else at the first player's start, with the ground under him in view whatever the mode. The
// group's camera starts left of the respawn point, at the top. Mode 8 sets its own zoom and
// then holds still: the view is placed at that zoom from the start.
void CDecor::placerCamera()
{
    MondeJeu* jeu = faceJeu::monde();
    if (!jeu || !jeu->pvue || (jeu->pdecor && jeu->pdecor != this))
        return;
    CVue& vue = *jeu->pvue;
    vue.zoom = vue.vuemode == CVue::MODE_DIAGNOSTIC ? vue.zoomDiagnostic(*this) : vue.zoomBase;
    if (CSFMLJeuGlobal::bModeTest)
        CPLUX::refresh("JeuDialogScripts");
    const bool reprise = checkpointX != -1 || checkpointY != -1;
    const CPerso* heros = persos.empty() ? nullptr : persos.front();
    if (vue.vuemode == CVue::MODE_GROUPE) {
        vue.x = reprise ? static_cast<float>(checkpointX - RECUL_VUE_GROUPE) : 0;
        vue.y = 0;
    } else if (reprise) {
        vue.placerAutour(static_cast<float>(checkpointX), static_cast<float>(checkpointY),
                         static_cast<float>(tailleJeuX), static_cast<float>(tailleJeuY));
    } else if (heros && heros->sprite) {
        vue.placerAutour(heros->sprite->x, heros->sprite->y, static_cast<float>(tailleJeuX),
                         static_cast<float>(tailleJeuY));
    } else {
        vue.x = vue.y = 0;
    }
    vue.maj();
}

void CDecor::cacherMenusEditeur()
{
    CPLUX::hide(DIALOGUE_MENU_EDITEUR);
    if (auto* c = dynamic_cast<CPLUXControlButtonCheck*>(CPLUX::getControl(DIALOGUE_MENU_EDITEUR,
                                                                          "myButtonCheckMenuVisible"))) {
        c->setCheck(true);
        CPLUX::hide("JeuDialogMenu");
    }
}

int CDecor::demarrerNiveau(int calque)
{
    ++appels.demarrerNiveau;
    appels.calqueDemarre = calque;
    PartieJeu* jeu = faceJeu::partie();
    calqueVisible = calque;
    affecterManettes();
    purgerPlans();
    if (jeu)
        std::fill(std::begin(jeu->compteursNiveau), std::end(jeu->compteursNiveau), 0);
    viderTracesPas();
    rembobinerSD();
    // Every sprite went back to its start.
    invaliderIndex();
    // After the rewind, which lights every fountain: one with no weapon to give stays dark.
    if (CScriptEngine* e = jeu ? faceJeu::monde()->pscriptEngine : nullptr) {
        e->bMessageAffiche = false;
        e->initFontainesDArmes();
    }
    const int arme = armeDeDepart();
    for (CPerso* p : persos)
        ranimerPerso(p, p ? slotDeDepart(*p, arme) : arme);
    ranimerIAs();
    remplacerMeteores();
    chrono = chronoRef;
    reprendreJeu(false);
    placerCamera();
    if (nbMeteores > 0)
        lancerMeteores(nbMeteores);
    if (jeu && jeu->typeJeu == TYPE_MULTI)
        echangerPositionsMulti();
    musiqueFin.stop();
    jouerMusiques(false);
    if (jeu && (!faceJeu::monde()->pdecor || faceJeu::monde()->pdecor == this))
        faceJeu::services()->armerCompteDepart(niveau::images(COMPTE_DEPART));
    for (CPerso* p : persos)
        if (p && p->sprite)
            p->setDirection(p->sprite->x > static_cast<float>(tailleJeuX / 2) ? 1 : 0);
    for (CCalqueSD* plan : pPlans)
        plan->afficherCalque(calqueVisible);
    cacherMenusEditeur();
    return 1;
}
