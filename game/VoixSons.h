#pragma once
// The voices that play the named sounds. Every sf::Sound holds one of OpenAL's sources,
// of which there are only a few hundred in all: rather than one sound per name, a pool of
// voices, each made on first need, plays whichever names are asked for. A name keeps its
// voice until another name needs it, so that playing a name again restarts it (or resumes
// it when paused) as a sound of its own would.
#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>

#include <cstddef>
#include <memory>
#include <set>
#include <string>
#include <vector>

class CVoixSons {
public:
    static constexpr std::size_t NB_VOIX = 64;

    // Plays `nom` from `buffer` at `volume`: on the voice it still holds, else on a free
    // voice, else on the voice that started longest ago. A looping voice is kept until
    // stopped: with every voice looping, nothing plays.
    void jouer(const std::string& nom, const sf::SoundBuffer& buffer, float volume);
    void arreter(const std::string& nom);
    void arreterTout();
    // Whether `nom` loops, now and whenever it plays later.
    void boucler(const std::string& nom, bool boucle);
    // 0 stopped (or holding no voice), 1 paused, 2 playing.
    int statut(const std::string& nom) const;
    void setVolume(float volume);

    std::size_t nbVoix() const { return voix.size(); }
    // The voice `nom` holds, null when it holds none.
    const sf::Sound* voixDe(const std::string& nom) const;

private:
    struct Voix {
        sf::Sound son;
        std::string nom;
        unsigned long debut = 0;  // order of the last start: the smallest is the oldest
    };
    Voix* trouver(const std::string& nom);
    const Voix* trouver(const std::string& nom) const;
    Voix* voixLibre();

    std::vector<std::unique_ptr<Voix>> voix;
    std::set<std::string> nomsEnBoucle;
    unsigned long departs = 0;
};
