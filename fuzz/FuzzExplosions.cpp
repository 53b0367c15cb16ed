// Arbitrary bytes as "explos.ini": the explosions are read twice (a second reading replaces
// every name), each one keeps its bank and its sound, and each bank's frames are played and
// drawn as the game shows an explosion.
#include "characters/Explosions.h"
#include "core/Dec.h"
#include "core/Sprite.h"

#include "FuzzOutils.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    fuzz::preparer();
    static sf::RenderTexture* cible = [] {
        auto* r = new sf::RenderTexture;
        r->create(32, 32);
        return r;
    }();
    const std::string entree = fuzz::ecrireEntree("explos.ini", donnees, taille);
    CExplosions explosions;
    explosions.charger(entree);
    explosions.charger(entree);
    for (const auto& [nom, banque] : explosions.explosions) {
        if (!banque || explosions.sonsExplosions.count(nom) != 1 || explosions.banque(nom) != banque)
            std::abort();
        explosions.son(nom);
        CSPRITE s;
        s.pDEC = banque;
        for (int i = 0; i < 3; ++i) {
            s.animer(-1);
            s.dessinerImage(*cible, 0, 0);
        }
    }
    return 0;
}
