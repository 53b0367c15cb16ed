// Arbitrary bytes as a replay file (JEU_REJOUER): the records are read, then the replay is
// played frame by frame as the game takes it (events, held keys, the pad, captures asked
// for, the closing), up to its last record or 2,000 frames.
#include "game/SourceRejouee.h"

#include "FuzzOutils.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const std::string entree = fuzz::ecrireEntree("rejeu.txt", donnees, taille);
    int captures = 0, fermetures = 0;
    SourceRejouee s([&](const std::string& f) { return !f.empty() && ++captures > 0; }, [&] { ++fermetures; });
    if (!s.charger(entree))
        std::abort();
    const auto& actions = s.actions();
    long image = 0;
    for (auto it = actions.begin(); it != actions.end() && image < 2000; it = actions.upper_bound(it->first), ++image) {
        s.debutImage(it->first);
        sf::Event e;
        while (s.evenementSuivant(e))
            if (e.type == sf::Event::Closed)
                s.fermerFenetre();
        for (int k = sf::Keyboard::Unknown; k < sf::Keyboard::KeyCount; ++k)
            s.toucheEnfoncee(static_cast<sf::Keyboard::Key>(k));
        s.manette();
        s.finImage();
    }
    return 0;
}
