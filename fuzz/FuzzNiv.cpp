// Arbitrary bytes as a ".niv" level file, read into a game world holding two preloaded decor
// definitions and a character model, then read again into the same world once its sprites,
// characters and scripts are freed (as a level load does), and freed.
#include "FuzzOutils.h"

#include "characters/Armes.h"
#include "characters/Explosions.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Chemin.h"
#include "core/Dec.h"
#include "core/Globals.h"
#include "core/Sprite.h"
#include "game/Jeu.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/FichierNiveau.h"
#include "level/Vue.h"
#include "script/ScriptEngine.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// A game with its two worlds' engines and cameras, made once.
CSFMLJeu& jeu()
{
    static CSFMLJeu* j = [] {
        auto* nouveau = new CSFMLJeu;
        nouveau->parmes = new CArmes;
        nouveau->pExplosions = new CExplosions;
        nouveau->pscriptEngineJeu = new CScriptEngine;
        nouveau->pscriptEngineMenu = new CScriptEngine;
        nouveau->pscriptEngine = nouveau->pscriptEngineJeu;
        nouveau->pvueJeu = new CVue(1280, 720);
        nouveau->pvueMenu = new CVue(1280, 720);
        nouveau->pvue = nouveau->pvueJeu;
        CSFMLJeuGlobal::pmonjeu = nouveau;
        installerHooksPersoDef();
        installerServicesScripts(*nouveau);
        return nouveau;
    }();
    return *j;
}

CDEC* banque(const std::string& nom, unsigned largeur, unsigned hauteur, int nbFrames)
{
    auto* b = new CDEC();
    b->nom = nom;
    b->planche.create(largeur * static_cast<unsigned>(nbFrames), hauteur, sf::Color::Green);
    b->ajouterAnimDec(0, 0, nbFrames, static_cast<int>(largeur), static_cast<int>(hauteur), 0.5f, 0);
    return b;
}

// What a level load frees before the reader runs.
void vider(CDecor& d)
{
    d.viderPlans();
    for (auto* liste : {&d.ias, &d.persos}) {
        for (CPerso* p : *liste)
            delete p;
        liste->clear();
    }
    jeu().pscriptEngineJeu->viderScripts();
}

void verifier(const CDecor& d)
{
    for (const CCalqueSD* plan : d.pPlans)
        for (const CSPRITE* sd : plan->sprites)
            if (!sd || (sd->pChemin && sd->pChemin->nbKP != static_cast<int>(sd->pChemin->listeKP.size())))
                std::abort();
    if (d.pPlanTravail != d.pPlans[0] && d.pPlanTravail != d.pPlans[1] && d.pPlanTravail != d.pPlans[2] &&
        d.pPlanTravail != d.pPlans[3] && d.pPlanTravail != d.pPlans[4])
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    fuzz::preparer();
    const std::string chemin = fuzz::ecrireEntree("niveau.niv", donnees, taille);
    CSFMLJeu& j = jeu();
    auto* monde = new CDecor();
    j.pdecorJeu = j.pdecor = monde;
    monde->modelesDEC["BLOC"] = banque("BLOC", 32, 16, 4);
    monde->modelesDEC["HERBE"] = banque("HERBE", 20, 10, 3);
    monde->modelesPersos["GARDE"] = banque("GARDE", 30, 50, 2);
    for (int passe = 0; passe < 2; ++passe) {
        CFichierNiveau f;
        f.horloge = [] { return 0.0; };
        f.chargerNiveau(chemin, *monde);
        verifier(*monde);
        vider(*monde);
    }
    j.pdecorJeu = j.pdecor = nullptr;
    delete monde;
    return 0;
}
