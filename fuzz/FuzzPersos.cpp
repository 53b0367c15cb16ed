// Arbitrary bytes as a ".per" character file and as the weapon file: the weapon list reads
// them, then three definitions read them (for a level's bank, into a character being built,
// in the picker's preview), the character is made from the definition in each maker's way,
// copied, and everything is freed. The same bytes are then read as explosions and as
// multiplayer options.
#include "characters/Armes.h"
#include "characters/Explosions.h"
#include "characters/OptionsMulti.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "core/Globals.h"
#include "game/Jeu.h"
#include "level/Decor.h"

#include <SFML/Window/Context.hpp>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

const std::string& cheminEntree()
{
    static const std::string chemin = "/tmp/fuzz_perso_" + std::to_string(::getpid()) + ".per";
    return chemin;
}

// A game holding only a weapon list, so that weapon lines meet real weapons.
CSFMLJeu& jeu()
{
    static CSFMLJeu* j = [] {
        auto* nouveau = new CSFMLJeu;
        nouveau->parmes = new CArmes;
        CSFMLJeuGlobal::pmonjeu = nouveau;
        installerHooksPersoDef();
        return nouveau;
    }();
    return *j;
}

void verifier(const CPerso& p)
{
    if (static_cast<size_t>(p.nbEnfants) > p.enfants.size() || !p.sprite)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    // Textures need a GL context; keeping one avoids making a new one for every input.
    static sf::Context* contexte = new sf::Context;
    (void)contexte;
    {
        std::ofstream out(cheminEntree(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(donnees), static_cast<std::streamsize>(taille));
    }
    CArmes& armes = *jeu().parmes;
    armes.charger(cheminEntree());
    if (armes.nbArmes != static_cast<int>(armes.armes.size()))
        std::abort();

    CDecor decor;
    const std::string cle = CPersoDef().lireNom(cheminEntree());
    decor.modelesPersos[cle] = new CDEC();
    {
        CPersoDef& banque = *decor.modelesPersos[cle]->pPersoDef;
        banque.cleDefinition = cle;
        banque.charger(cheminEntree(), false, &decor);
        banque.charger(cheminEntree(), false, &decor);
        if (banque.nbArmes != static_cast<int>(banque.armes.size()))
            std::abort();
    }
    for (CPersoDef::Usage usage : {CPersoDef::Usage::Prechargement, CPersoDef::Usage::Perso3,
                                   CPersoDef::Usage::CreationIA}) {
        CPerso p;
        CPersoDef def;
        def.pPerso = &p;
        def.charger(cheminEntree(), false, &decor);
        def.appliquer(p, usage);
        const CPerso copie(p);
        verifier(p);
        verifier(copie);
    }
    CDEC apercu;
    CPersoDef::banqueApercu = [&apercu] { return &apercu; };
    {
        CPersoDef def;
        def.charger(cheminEntree(), true, &decor);
    }
    CPersoDef::banqueApercu = [] { return static_cast<CDEC*>(nullptr); };

    // The same bytes as explosions (read twice: names defined again) and as multiplayer options.
    {
        CExplosions explosions;
        explosions.charger(cheminEntree());
        explosions.charger(cheminEntree());
        for (const auto& [nom, banque] : explosions.explosions)
            if (!banque || explosions.sonsExplosions.count(nom) != 1)
                std::abort();
    }
    COptionsMulti options;
    options.charger(cheminEntree());
    return 0;
}
