// Arbitrary bytes as "anmglobaux.ini": the list of global animations is read and every
// ".anm" it names loaded in game mode (paths that name no regular file load nothing); each
// one is then looked up by its name, and the list read a second time over the first.
#include "anim/Sprite3.h"
#include "game/Jeu.h"

#include "FuzzOutils.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    fuzz::preparer();
    const std::string chemin = fuzz::ecrireEntree("anmglobaux.ini", donnees, taille);
    CSFMLJeu jeu;
    for (int passe = 0; passe < 2; ++passe) {
        jeu.chargerAnimsGlobales(chemin);
        for (const auto& [nom, anim] : jeu.animsGlobales)
            if (!anim || jeu.getAnimGlobale(nom) != anim || anim->strFichier != nom)
                std::abort();
    }
    return 0;
}
