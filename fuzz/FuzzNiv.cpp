// Arbitrary bytes as a ".niv" level file, read into the game's world holding two preloaded
// decor definitions and a character model; its sprites, characters, effects and scripts are
// then freed, as a level load does, and the next input reads into the same world.
#include "FuzzOutils.h"

#include "characters/Armes.h"
#include "characters/Explosions.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Chemin.h"
#include "core/Dec.h"
#include "core/Globals.h"
#include "core/Services.h"
#include "core/Sprite.h"
#include "game/Jeu.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/FichierNiveau.h"
#include "level/Vue.h"
#include "script/ScriptEngine.h"

#include <SFML/Graphics/Texture.hpp>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// A game with its two worlds' engines and cameras and a texture cache, made once.
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
        faceJeu::installer(nouveau->facettes());
        installerHooksPersoDef();
        installerServicesScripts(*nouveau);
        // The game's texture cache: a character's icon menu takes its image there.
        static sf::Texture* feuille = new sf::Texture;
        feuille->create(64, 64);
        g_services.textureCache = [](const std::string&, const std::string&) { return feuille; };
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

// The game's world, made once as the game makes it (a world loads its planes' fonts: most of
// an input's time if made at each), holding two preloaded decor definitions and a character
// model.
CDecor& monde()
{
    static CDecor* d = [] {
        CSFMLJeu& j = jeu();
        auto* m = new CDecor();
        j.pdecorJeu = j.pdecor = m;
        m->pCamera = j.pvueJeu;
        m->pMoteur = j.pscriptEngineJeu;
        m->modelesDEC["BLOC"] = banque("BLOC", 32, 16, 4);
        m->modelesDEC["HERBE"] = banque("HERBE", 20, 10, 3);
        m->modelesPersos["GARDE"] = banque("GARDE", 30, 50, 2);
        return m;
    }();
    return *d;
}

// The models an input added go with it; the preloaded ones stay, as in the game.
void oublierModeles(CDecor& d)
{
    for (auto* modeles : {&d.modelesPersos, &d.modelesDEC})
        for (auto it = modeles->begin(); it != modeles->end();) {
            if (it->first == "BLOC" || it->first == "HERBE" || it->first == "GARDE") {
                ++it;
                continue;
            }
            delete it->second;
            it = modeles->erase(it);
        }
}

// What a level load frees before the reader runs.
void vider(CDecor& d)
{
    d.viderEffets();
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
    CDecor& m = monde();
    CFichierNiveau f;
    f.horloge = [] { return 0.0; };
    f.chargerNiveau(chemin, m);
    verifier(m);
    vider(m);
    oublierModeles(m);
    return 0;
}
