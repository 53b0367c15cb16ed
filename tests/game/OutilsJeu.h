#pragma once
// Helpers of the game tests: a temporary working folder, small WAV files, a game object.
#include "support/Outils.h"

#include <SFML/Audio/SoundBuffer.hpp>

#include <cstdint>
#include <string>
#include <vector>

#include <unistd.h>

// Runs the test inside a fresh folder: the game reads and writes relative paths.
class DossierDeTravail {
public:
    DossierDeTravail()
    {
        char tampon[4096];
        ancien_ = ::getcwd(tampon, sizeof tampon) ? tampon : ".";
        if (::chdir(dossier_.str().c_str()) != 0)
            ancien_.clear();
    }
    ~DossierDeTravail()
    {
        if (!ancien_.empty() && ::chdir(ancien_.c_str()) != 0)
            return;
    }
    std::string operator/(const std::string& nom) const { return dossier_ / nom; }

private:
    DossierTemp dossier_;
    std::string ancien_;
};

// A mono 16-bit WAV of `echantillons` samples.
inline bool ecrireWav(const std::string& chemin, std::size_t echantillons)
{
    std::vector<int16_t> s(echantillons);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<int16_t>((i % 40) * 500 - 10000);
    sf::SoundBuffer b;
    return b.loadFromSamples(s.data(), s.size(), 1, 22050) && b.saveToFile(chemin);
}
