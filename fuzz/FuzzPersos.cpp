// Arbitrary bytes as a ".per" character file and as the weapon file: the weapon list reads
// them, then three definitions read them (for a level's bank, into a character being built,
// in the picker's preview); copies of the character are made from the definition in each
// maker's way, their hit boxes taken standing and crouching, and everything is freed. The
// same bytes are then read as multiplayer options.
#include "characters/Armes.h"
#include "characters/OptionsMulti.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "core/Globals.h"
#include "core/Services.h"
#include "game/Jeu.h"
#include "level/Decor.h"

#include "FuzzOutils.h"

#include <SFML/Graphics/Texture.hpp>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// A game holding only a weapon list, so that weapon lines meet real weapons, and its texture
// cache (a character's icon menu takes its image there).
CSFMLJeu& jeu()
{
    static CSFMLJeu* j = [] {
        auto* nouveau = new CSFMLJeu;
        nouveau->parmes = new CArmes;
        faceJeu::installer(nouveau->facettes());
        installerHooksPersoDef();
        static sf::Texture* feuille = new sf::Texture;
        feuille->create(64, 64);
        g_services.textureCache = [](const std::string&, const std::string&) { return feuille; };
        return nouveau;
    }();
    return *j;
}

// The world whose banks the definitions fill, made once as the game makes its worlds (a world
// loads its planes' fonts: most of an input's time if made at each), emptied of the banks of
// the input before.
CDecor& monde()
{
    static CDecor* d = new CDecor();
    for (auto* modeles : {&d->modelesPersos, &d->modelesDEC}) {
        for (auto& [nom, banque] : *modeles)
            delete banque;
        modeles->clear();
    }
    return *d;
}

void verifier(const CPerso& p)
{
    if (static_cast<size_t>(p.nbEnfants) > p.enfants.size() || !p.sprite)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    fuzz::preparer();
    const std::string entree = fuzz::ecrireEntree("entree.per", donnees, taille);
    CArmes& armes = *jeu().parmes;
    armes.charger(entree);
    if (armes.nbArmes != static_cast<int>(armes.armes.size()))
        std::abort();

    CDecor& decor = monde();
    const std::string cle = CPersoDef().lireNom(entree);
    decor.modelesPersos[cle] = new CDEC();
    {
        CPersoDef& banque = *decor.modelesPersos[cle]->pPersoDef;
        banque.cleDefinition = cle;
        banque.charger(entree, false, &decor);
        banque.charger(entree, false, &decor);
        if (banque.nbArmes != static_cast<int>(banque.armes.size()))
            std::abort();
    }
    {
        // Read once into a character being built, then made in each maker's way from copies.
        CPerso p;
        CPersoDef def;
        def.pPerso = &p;
        def.charger(entree, false, &decor);
        for (CPersoDef::Usage usage : {CPersoDef::Usage::Prechargement, CPersoDef::Usage::Perso3,
                                       CPersoDef::Usage::CreationIA}) {
            CPerso copie(p);
            def.appliquer(copie, usage);
            verifier(copie);
            for (int mode : {0, 2}) {
                copie.mode = mode;
                decor.rectPerso(copie);
                decor.collisionPersos(&copie, &p);
            }
        }
        verifier(p);
    }
    CDEC apercu;
    CPersoDef::banqueApercu = [&apercu] { return &apercu; };
    {
        CPersoDef def;
        def.charger(entree, true, &decor);
    }
    CPersoDef::banqueApercu = [] { return static_cast<CDEC*>(nullptr); };

    COptionsMulti options;
    options.charger(entree);
    return 0;
}
