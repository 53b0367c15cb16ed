#include "level/Decor.h"

#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/Fichiers.h"
#include "core/Media.h"
#include "core/Services.h"
#include "core/SpriteSimple.h"
#include "level/CalqueSD.h"
#include "level/Creusement.h"
#include "level/EffetBrouillard.h"
#include "level/EffetEtoiles.h"
#include "level/EffetLucioles.h"
#include "level/EffetNeige.h"
#include "level/EffetNuagePoussiere.h"
#include "level/EffetNuages.h"
#include "level/EffetOrage.h"
#include "level/EffetPluie.h"
#include "level/FondImage.h"
#include "level/MenuImage.h"
#include "level/Vue.h"
#include "script/ScriptEngine.h"

#include <algorithm>

namespace {

const char* const MUSIQUE_FIN = "./musiques/blockbuster_orchestral.wav";
const char* const ICONES_SD = "./menus/menusdec.png";
const char* const FILTRE = "./effets/filtre.dec";
constexpr int TAILLE_ICONE = 32;

template <class T>
void supprimer(T*& p)
{
    delete p;
    p = nullptr;
}

} // namespace

// Two worlds are built at every start, often in a folder without the game's data: a missing
// file leaves its member empty without a word.
CDecor::CDecor()
{
    pFondImage = new CFondImage();
    for (CCalqueSD*& plan : pPlans)
        plan = new CCalqueSD();
    pPlanTravail = pPlans[PLAN_PRINCIPAL];
    tuv::chargerMedia(musiqueFin, MUSIQUE_FIN);
    pMenuSD = new CMenuImage();
    if (tuv::fichierExiste(ICONES_SD))
        pMenuSD->charger(ICONES_SD, TAILLE_ICONE, TAILLE_ICONE, 0, 0);
    pFiltre = new CSPRITE_SIMPLE();
    if (tuv::fichierExiste(FILTRE))
        pFiltre->charger(FILTRE);
    pSDCreusement = new CSPRITE3();
}

CDecor::~CDecor()
{
    // Sprites are detached as they go, so that nothing outside keeps pointing at them.
    viderPlans();
    for (CCalqueSD*& plan : pPlans)
        supprimer(plan);
    pPlanTravail = pPlanSelection = nullptr;
    supprimer(pMenuSD);
    for (CCreusement* c : creusements)
        delete c;
    creusements.clear();
    viderEffets();
    supprimer(pPoussierePas);
    for (sf::Sprite* trace : tracesPas)
        supprimerSprite(trace);
    tracesPas.clear();
    libererIAsRetirees();
    for (CPerso* p : persos)
        supprimerPerso(p);
    persos.clear();
    for (CPerso* p : ias)
        supprimerPerso(p);
    ias.clear();
    // The characters pointed into the models: these go after them.
    for (auto* modeles : {&modelesPersos, &modelesDEC}) {
        for (auto& [nom, banque] : *modeles)
            delete banque;
        modeles->clear();
    }
    for (auto& [nom, texture] : texturesSprites3)
        delete texture;
    texturesSprites3.clear();
    supprimer(pFondImage);
    libererEffetsMeteo();
    supprimer(pFiltre);
    supprimer(pSDCreusement);
}

void CDecor::libererEffetsMeteo()
{
    if (pEtoiles)
        pEtoiles->liberer();
    if (pNuagePoussiere)
        pNuagePoussiere->liberer();
    if (pOrage)
        pOrage->liberer();
    supprimer(pPluie);
    supprimer(pNeige);
    supprimer(pLucioles);
    supprimer(pBrouillard);
    supprimer(pNuages);
    supprimer(pEtoiles);
    supprimer(pNuagePoussiere);
    supprimer(pOrage);
    bPluie = bNeige = bLucioles = bBrouillard = bNuages = bEtoiles = bNuagePoussiere = bOrage = false;
}


CCalqueSD* CDecor::getPlan(int plan) const
{
    return plan >= 0 && plan < NB_PLANS ? pPlans[plan] : nullptr;
}

void CDecor::viderPlans()
{
    for (CCalqueSD* plan : pPlans)
        if (plan)
            plan->vider([this](CSPRITE* sd) { detacherSD(sd); });
}

void CDecor::purgerPlans()
{
    for (CCalqueSD* plan : pPlans)
        if (plan)
            plan->purger([this](CSPRITE* sd) { detacherSD(sd); });
}

void CDecor::invaliderIndex()
{
    for (CCalqueSD* plan : pPlans)
        if (plan)
            plan->index.invalider();
}

void CDecor::detacherSD(CSPRITE* sd)
{
    if (!sd)
        return;
    invaliderIndex();
    // The editor's dialogs may hold its maps or its emitter.
    g_services.oublierSpriteDialogues(sd);
    if (pSDSelection == sd) {
        pSDSelection = nullptr;
        pPlanSelection = nullptr;
        g_services.rafraichirDialogueSprite();
    }
    for (CCalqueSD* plan : pPlans)
        if (plan && plan->pSDTrouve == sd)
            plan->pSDTrouve = nullptr;
    positionsDepart.erase(std::remove(positionsDepart.begin(), positionsDepart.end(), sd), positionsDepart.end());
    for (auto* liste : {&persos, &ias})
        for (CPerso* p : *liste)
            if (p)
                p->oublierSprite(sd);
    // It leaves the game's screen effects; its scripts go with it, and what a restart kept of
    // its level-file scripts.
    if (ServicesJeu* jeu = faceJeu::services())
        jeu->spriteSupprime(sd);
}

bool supprimerPerso(CPerso* perso)
{
    delete perso;
    return true;
}

bool CDecor::estMondeJeu() const
{
    const MondeJeu* jeu = faceJeu::monde();
    return jeu && (this == jeu->pdecorJeu || (!jeu->pdecorJeu && this == jeu->pdecor));
}

int CDecor::modeVueChoisi() const
{
    const OptionsJeu* options = faceJeu::options();
    return estMondeJeu() && options->vuemode_save >= 0 ? options->vuemode_save : scrollVue;
}

void CDecor::choisirModeVue(int mode)
{
    if (estMondeJeu())
        faceJeu::options()->vuemode_save = mode;
    else
        scrollVue = mode;
}

void CDecor::reprendreModeVue()
{
    if (!pCamera)
        return;
    pCamera->vuemode = modeVueChoisi();
    // The editor's zoom (its zoom keys, the wheel) was for editing: play is seen at the level's.
    pCamera->zoom = pCamera->zoomBase;
}
