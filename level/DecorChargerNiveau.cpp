// Level load: the world emptied (sprites, dig holes, weather, characters, AIs, shots and
// scripts), the level file read into it, then what playing it needs: per-level counters, the
// players' facing and weapons, footprints and step dust, music, weapon fountains, menus.
#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Media.h"
#include "core/Services.h"
#include "core/SpriteSimple.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXDialog.h"
#include "level/CalqueSD.h"
#include "level/ContexteNiveau.h"
#include "level/Creusement.h"
#include "level/Decor.h"
#include "level/FichierNiveau.h"
#include "script/ScriptEngine.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int TYPE_AVENTURE = 0, TYPE_CHRONO = 1;
constexpr int SLOT_AVENTURE = 9;
constexpr int ATTENTE_METEORES = 200;
constexpr int COMPTE_DEPART = 90;
const char* const DIALOGUE_OPTIONS = "JeuDialogOptionsNiv";
// The background fields the level dialog edits in place: unbound before the background is
// emptied, bound again by the reader.
const char* const VARIABLES_FOND[] = {
    "CSFMLJeuGlobal::pmonjeu->pdecor->pFondImage->strFichierFond",
    "CSFMLJeuGlobal::pmonjeu->pdecor->pFondImage->shader_blur_radius",
    "CSFMLJeuGlobal::pmonjeu->pdecor->pFondImage->x0",
    "CSFMLJeuGlobal::pmonjeu->pdecor->pFondImage->y0",
    "CSFMLJeuGlobal::pmonjeu->pdecor->pFondImage->s",
};

bool estMondeActif(const MondeJeu* jeu, const CDecor* d) { return jeu && (!jeu->pdecor || jeu->pdecor == d); }

} // namespace

// Everything of the previous level goes; the meteor count, a game setting, comes back at once.
void CDecor::viderNiveau()
{
    MondeJeu* jeu = faceJeu::monde();
    stopApplaudissements();
    // The shader variables dialog edits the maps of a sprite about to go.
    if (CSFMLJeuGlobal::bModeTest)
        g_services.detacherDialogueShader();
    affecterManettes();
    if (CPLUXDialog* d = CPLUX::getDialog(DIALOGUE_OPTIONS))
        for (const char* nom : VARIABLES_FOND)
            d->setMapVar(nom, nullptr);
    viderPlans();
    for (CCreusement* c : creusements)
        delete c;
    creusements.clear();
    libererEffetsMeteo();
    // Characters go through the world's one deletion: the game's references to them read null.
    libererIAsRetirees();
    while (!ias.empty())
        detruirePerso(ias.back());
    while (!persos.empty())
        detruirePerso(persos.back());
    ias.clear();
    persos.clear();
    if (nbMeteores > 0)
        lancerMeteores(nbMeteores);
    compteurMeteores = niveau::images(ATTENTE_METEORES);
    if (jeu && jeu->parmes)
        jeu->parmes->viderTirs();
    if (CScriptEngine* e = jeu ? jeu->pscriptEngine : nullptr) {
        e->bMessageAffiche = false;
        e->viderScripts();
    }
}

// The players as the game type starts them: facing the middle of the level, aiming, with the
// start weapon (adventure: only slot 9 owned).
void CDecor::armerJoueursCharges()
{
    const PartieJeu* jeu = faceJeu::partie();
    const int type = jeu ? jeu->typeJeu : TYPE_AVENTURE;
    const int arme = armeDeDepart();
    for (CPerso* p : persos) {
        if (!p || !p->sprite)
            continue;
        p->setDirection(p->sprite->x <= static_cast<float>(tailleJeuX / 2) ? 0 : 1);
        p->visee = type == TYPE_CHRONO ? -1 : 1;
        p->selectArme(slotDeDepart(*p, arme));
        if (type != TYPE_AVENTURE || static_cast<int>(p->armes.size()) <= SLOT_AVENTURE)
            continue;
        for (size_t k = 0; k < p->armes.size(); ++k)
            if (p->armes[k])
                p->armes[k]->bPossedee = k == static_cast<size_t>(SLOT_AVENTURE);
    }
}

void CDecor::preparerNiveau(const std::string& fichier, int calque)
{
    PartieJeu* jeu = faceJeu::partie();
    checkpointX = checkpointY = -1;
    reprendreJeu(true);
    // Under the editor the reader held the view: it shows the level where a start would, the
    // hero and the ground under him, and M plays on from there.
    if (jeu && jeu->mode == PartieJeu::MODE_EDITEUR)
        placerCamera();
    if (estMondeActif(faceJeu::monde(), this))
        std::fill(std::begin(jeu->manchesGagnees), std::end(jeu->manchesGagnees), 0);
    viderTracesPas();
    if (!strTracePas.empty())
        tuv::chargerMedia(textureTracePas, strTracePas);
    viderEffets();
    delete pPoussierePas;
    pPoussierePas = new CSPRITE_SIMPLE();
    if (pPoussierePas->charger(strPoussierePas))
        if (CSPRITE* s = pPoussierePas->getSprite())
            s->setOrigine(static_cast<float>(s->getLargeur() / 2), static_cast<float>(s->getHauteur() / 2));
    if (CSFMLJeuGlobal::bModeTest) {
        CPLUX::refresh("JeuDialogScripts");
        // The character dialog may show one of the characters just freed.
        CPLUX::refresh("JeuDialogPerso");
    }
    musiqueFin.stop();
    jouerMusiques(true);
    if (estMondeActif(faceJeu::monde(), this))
        faceJeu::services()->armerCompteDepart(niveau::images(COMPTE_DEPART));
    armerJoueursCharges();
    if (CScriptEngine* e = jeu ? faceJeu::monde()->pscriptEngine : nullptr)
        for (const auto& s : e->scripts)
            if (s)
                e->preparerFontaines(*s);
    for (CCalqueSD* plan : pPlans)
        plan->afficherCalque(calqueVisible);
    if (jeu)
        faceJeu::services()->appliquerVolumes();
    cacherMenusEditeur();
    // "Restart", and choosing this level again, act on the level the game world holds.
    if (jeu && this == faceJeu::monde()->pdecorJeu)
        faceJeu::services()->niveauCharge(fichier, calque);
}

int CDecor::chargerNiveau(const std::string& fichier, int calque)
{
    ++appels.chargerNiveau;
    appels.fichierCharge = fichier;
    appels.numeroCharge = calque;
    optionChargement = calque;
    calqueVisible = calque;
    viderNiveau();
    messageChargementTenu[0].clear();
    messageChargementTenu[1].clear();
    bool lu = false;
    {
        CFichierNiveau lecteur;
        lu = lecteur.chargerNiveau(fichier, *this);
    }
    if (!lu)
        CPLUX::MessageBoxW(std::string("Erreur !"), "Impossible de charger le niveau : " + fichier);
    preparerNiveau(fichier, calque);
    return 0;
}

void CDecor::montrerMessageChargementTenu()
{
    const std::wstring message = messageChargementTenu[faceJeu::enAnglais() ? 0 : 1];
    messageChargementTenu[0].clear();
    messageChargementTenu[1].clear();
    if (ServicesJeu* jeu = faceJeu::services(); jeu && !message.empty())
        jeu->afficherMessage(message, imagesAuTaux(CFichierNiveau::DUREE_MESSAGE_CHARGEMENT));
}
