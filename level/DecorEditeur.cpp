// The editor's mouse over the running level: Ctrl+click selects the decor sprite under the
// mouse (planes asked from the nearest), a drag moves it, a right click places the picker's
// definition or character, or a copy of the selected sprite or character.
#include "anim/Sprite3.h"
#include "characters/IABehaviours.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/FichierDec.h"
#include "core/Fichiers.h"
#include "core/Globals.h"
#include "core/Services.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXDialog.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/MenuImage.h"
#include "level/Vue.h"

#include <SFML/Window/Window.hpp>

#include <algorithm>

namespace {

const char* const CHOIX_DEC = "SFMLJeuChoixDec";
const char* const CHOIX_PER = "SFMLJeuChoixPer";

// Shown on screen: a minimised dialog (every declared one starts so) is not.
bool dialogueVisible(const char* id) { return CPLUX::isDialogVisible(id); }

const CVue* cameraJeu()
{
    const MondeJeu* jeu = faceJeu::monde();
    if (!jeu)
        return nullptr;
    return jeu->pvue ? jeu->pvue : jeu->pvueJeu;
}

} // namespace

sf::Vector2i CDecor::pointSouris(const sf::Window* fenetre, int camX, int camY) const
{
    const EtatSouris e = SourisJeu::lire(*fenetre);
    const CVue* vue = cameraJeu();
    const float zoom = vue ? vue->zoom : 1.0f;
    const float cx = vue ? vue->cx : 0.0f, cy = vue ? vue->cy : 0.0f;
    return {tuv::floatVersInt(static_cast<float>(camX) + static_cast<float>(e.position.x) * zoom + cx),
            tuv::floatVersInt(static_cast<float>(camY) + static_cast<float>(e.position.y) * zoom + cy)};
}

// What a right click places, first that applies: the decor picker's definition, a copy of the
// selected sprite, the character picker's character, a copy of the selected character.
bool CDecor::placerClicDroit(int mx, int my)
{
    MondeJeu* jeu = faceJeu::monde();
    if (dialogueVisible(CHOIX_DEC)) {
        const ChoixEditeur choix = g_services.choixEditeur();
        if (choix.nomDecor.empty())
            return false;
        CDEC transitoire;
        transitoire.nom = choix.nomDecor;
        transitoire.pFichierDEC->chemin = choix.fichierDecor;
        return creerSD(&transitoire, mx, my, pPlanTravail) != nullptr;
    }
    // A character's own sprite, selected for its dialogs, is in no plane and no model.
    if (pSDSelection && pPlanSelection)
        return dupliquerSD(dynamic_cast<CSPRITE3*>(pSDSelection), mx, my, pPlanSelection) != nullptr;
    if (dialogueVisible(CHOIX_PER))
        return placerPersoChoisi(mx, my) != nullptr;
    // A selected player is no model for AIs.
    CPerso* modele = jeu ? jeu->pPersoSelection.get() : nullptr;
    if (modele && std::find(ias.begin(), ias.end(), modele) != ias.end())
        return copierIAEditeur(modele, mx, my) != nullptr;
    return false;
}

// The model is read into the level's models once, as a "TEXTURE_PER" line reads it: reading it
// again would add its pictures and attached parts a second time.
CPerso* CDecor::placerPersoChoisi(int x, int y)
{
    const ChoixEditeur choix = g_services.choixEditeur();
    const std::string& nom = choix.nomPerso;
    if (nom.empty() || signalerNomPris(nom))
        return nullptr;
    auto it = modelesPersos.find(nom);
    if (it == modelesPersos.end() || !it->second) {
        if (!tuv::fichierExiste(choix.fichierPerso))
            return nullptr;
        CDEC*& banque = modelesPersos[nom];
        banque = new CDEC();
        banque->nom = nom;
        if (CPersoDef* def = banque->pPersoDef) {
            def->id = def->cleDefinition = nom;
            def->charger(choix.fichierPerso, false, this);
        }
        it = modelesPersos.find(nom);
    }
    const CPersoDef* def = it->second->pPersoDef;
    if (!def)
        return nullptr;
    // As the shipped levels write it: the erratic flyers are ships (they do not fall) and the
    // shadow takes no height correction.
    const bool vaisseau = def->modeIA == TypeIA::VOLANT || def->modeIA == TypeIA::VOLANT_RAPIDE;
    CPerso* cree = creerIA(nom, x, y, def->directionPlanche, def->echelleX, def->echelleY, def->poids, vaisseau ? 1 : 0,
                           def->collisions, false);
    if (cree)
        cree->correctionY = 0;
    return cree;
}

// A Ctrl+click: the sprite under the mouse, asked from plane 0 (nearest) to 4.
bool CDecor::selectionner(int mx, int my, int camX, int camY)
{
    MondeJeu* jeu = faceJeu::monde();
    if (pSDSelection)
        pSDSelection->bSelectionne = false;
    numPlanSelection = 0;
    CSPRITE* trouve = nullptr;
    for (int i = 0; i < NB_PLANS && !trouve; ++i) {
        const float dx = static_cast<float>(tuv::floatVersInt(decalagePlanX(i)));
        const float dy = static_cast<float>(tuv::floatVersInt(decalagePlanY(i)));
        if (!pPlans[i]->choisirSprite(nullptr, mx, my, dx, dy))
            continue;
        trouve = pPlans[i]->pSDTrouve;
        pPlanSelection = pPlans[i];
        numPlanSelection = i;
    }
    if (!trouve) {
        pSDSelection = nullptr;
        pPlanSelection = nullptr;
        bSourisEnfoncee = false;
        g_services.rafraichirDialogueSprite();
        return false;
    }
    pSDSelection = trouve;
    trouve->bSelectionne = true;
    bSourisEnfoncee = true;
    decalageSelectionX = static_cast<float>(mx) - trouve->x;
    decalageSelectionY = static_cast<float>(my) - trouve->y;
    // The strip is anchored under the click, in the hit plane's scrolled frame.
    const int ox = tuv::floatVersInt(decalagePlanX(numPlanSelection));
    const int oy = tuv::floatVersInt(decalagePlanY(numPlanSelection));
    ancreMenuSDX = camX != 0 ? mx + ox / camX : mx;
    ancreMenuSDY = camY != 0 ? my + oy / camY : my;
    pMenuSD->setActif(true);
    CPLUX::refresh("JeuDialogScripts");
    g_services.rafraichirDialogueSprite();
    if (jeu)
        jeu->pPersoSelection = nullptr;
    return true;
}

bool CDecor::souris(sf::Window* fenetre, int camX, int camY)
{
    const ServicesJeu* jeu = faceJeu::services();
    if (!fenetre || (jeu && jeu->sourisSurCarte()))
        return false;
    // The dialogs may have changed sprites since the frame began, and a drag moves one.
    invaliderIndex();
    const EtatSouris e = SourisJeu::lire(*fenetre);
    const sf::Vector2i m = pointSouris(fenetre, camX, camY);
    bool resultat = true;
    if (e.droit) {
        if (!bSourisEnfoncee) {
            clicX = m.x;
            clicY = m.y;
            placerClicDroit(m.x, m.y);
            bSourisEnfoncee = true;
        }
    } else if (!e.gauche) {
        bSourisEnfoncee = false;
        pMenuSD->setActif(true);
        resultat = false;
    } else if (bSourisEnfoncee) {
        if (pSDSelection && !pSDSelection->bLock) {
            pMenuSD->setActif(false);
            const int x = tuv::floatVersInt(static_cast<float>(m.x) - decalageSelectionX);
            const int y = tuv::floatVersInt(static_cast<float>(m.y) - decalageSelectionY);
            pSDSelection->placer(0, x, y);
            // A collapsing sprite falls from where it was put down, not from where it is dragged.
            if (!pSDSelection->bPhysE)
                pSDSelection->setPosInit(x, y, -1, -1);
        }
    } else if (SourisJeu::ctrlGauche()) {
        clicX = m.x;
        clicY = m.y;
        resultat = selectionner(m.x, m.y, camX, camY);
    } else {
        resultat = false;
    }
    bGlisser = bSourisEnfoncee && pSDSelection != nullptr;
    invaliderIndex();
    return resultat;
}
