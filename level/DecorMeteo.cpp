// The weather switches: the level reader and the editor's option dialogs turn each effect on
// (made anew at the level size) or off (freed).
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "level/Decor.h"
#include "level/EffetBrouillard.h"
#include "level/EffetEtoiles.h"
#include "level/EffetLucioles.h"
#include "level/EffetNeige.h"
#include "level/EffetNuagePoussiere.h"
#include "level/EffetNuages.h"
#include "level/EffetOrage.h"
#include "level/EffetPluie.h"

namespace {

// The slot takes the new effect (or none) and the old one is freed.
template <class T>
void remplacer(T*& slot, T* nouveau)
{
    delete slot;
    slot = nouveau;
}

} // namespace

void CDecor::activerPluie(bool actif)
{
    remplacer(pPluie, actif ? new CEffetPluie(NB_GOUTTES, tailleJeuX, tailleJeuY) : nullptr);
    bPluie = actif;
}

void CDecor::activerNeige(bool actif, int nbFlocons, float zoom, int hauteur)
{
    CEffetNeige* neige = actif ? new CEffetNeige() : nullptr;
    if (neige)
        neige->creer(nbFlocons, CHUTE_NEIGE, DERIVE_NEIGE, tailleJeuX, hauteur, zoom);
    remplacer(pNeige, neige);
    bNeige = actif;
}

void CDecor::activerLucioles(bool actif, int nbLucioles)
{
    remplacer(pLucioles, actif ? new CEffetLucioles(nbLucioles, tailleJeuX, tailleJeuY) : nullptr);
    bLucioles = actif;
}

void CDecor::activerBrouillard(bool actif)
{
    remplacer(pBrouillard, actif ? new CEffetBrouillard(tailleJeuX, tailleJeuY) : nullptr);
    bBrouillard = actif;
}

void CDecor::activerNuages(bool actif)
{
    remplacer(pNuages, actif ? new CEffetNuages(NB_GROUPES_NUAGES, tailleJeuX, tailleJeuY) : nullptr);
    bNuages = actif;
}

void CDecor::activerEtoiles(bool actif, int nbEtoiles)
{
    CEffetEtoiles* etoiles = actif ? new CEffetEtoiles() : nullptr;
    if (etoiles) {
        etoiles->charger(tailleJeuX, tailleJeuY, scrollPlans[NIVEAU_FOND][0]);
        etoiles->nbEtoiles = nbEtoiles;
        etoiles->creerEtoiles();
    }
    remplacer(pEtoiles, etoiles);
    bEtoiles = actif;
}

void CDecor::activerNuagePoussiere(bool actif)
{
    CEffetNuagePoussiere* nuage = actif ? new CEffetNuagePoussiere() : nullptr;
    if (nuage)
        nuage->charger(*this);
    // The tint goes with the cloud, unless a player's power holds the filter.
    const PartieJeu* jeu = faceJeu::partie();
    if (!actif && pNuagePoussiere && pNuagePoussiere->pSprite && !(jeu && jeu->bFiltrePouvoir))
        bFiltre = false;
    remplacer(pNuagePoussiere, nuage);
    bNuagePoussiere = actif;
}

void CDecor::activerOrage(bool actif)
{
    CEffetOrage* orage = actif ? new CEffetOrage() : nullptr;
    if (orage)
        orage->charger(*this, 50, 0, tailleJeuX, tailleJeuY);
    remplacer(pOrage, orage);
    bOrage = actif;
}
