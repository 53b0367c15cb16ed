// Arbitrary bytes as "sons.ini": the sound list is read (paths that name no regular file
// must load nothing and never hang), then every name is looped or not, played and asked
// about, more names than there are voices included.
#include "game/Jeu.h"

#include "FuzzOutils.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    fuzz::preparer();
    const std::string chemin = fuzz::ecrireEntree("sons.ini", donnees, taille);
    // One game for the run: each input starts from no sound at all.
    static CSFMLJeu* partie = new CSFMLJeu;
    CSFMLJeu& jeu = *partie;
    jeu.arreterSons();
    jeu.buffersSons.clear();
    jeu.chargerSons(chemin);
    int n = 0;
    for (const auto& [nom, buffer] : jeu.buffersSons) {
        jeu.bouclerSon(nom, n % 3 == 0);
        jeu.jouerSon(nom);
        if (buffer.getSampleCount() == 0 && jeu.sonEnCours(nom) != 0)
            std::abort();
        if (++n % 50 == 0)
            jeu.arreterSon(nom);
    }
    if (jeu.voixSons.nbVoix() > CVoixSons::NB_VOIX)
        std::abort();
    jeu.appliquerVolumes();
    jeu.arreterSons();
    return 0;
}
