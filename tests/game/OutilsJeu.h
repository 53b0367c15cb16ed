#pragma once
// Helpers of the game tests: a temporary working folder, small WAV files, a game object.
#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "level/Decor.h"
#include "support/Outils.h"

#include <SFML/Audio/SoundBuffer.hpp>

#include <cstdint>
#include <filesystem>
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

// What every character loads, copied into the working folder: a missing file would open a
// message box, which holds the keys. Only the game's test binary knows the data folder.
#ifdef TUV_DATA_DIR_SOURCE
inline void fichiersPersos()
{
    std::filesystem::create_directories("polices");
    for (const char* f : {"polices/arial.ttf", "polices/chp-fire.ttf", "zeph_esprit.anm", "zeph_esprit.png"})
        std::filesystem::copy_file(std::string(TUV_DATA_DIR_SOURCE) + "/" + f, f);
}
#endif

// Two players' characters in mid-air at x 100 and 300, drawn from one 8 x 8 bank of the
// level (the level owns them); player numbers 0 and 1.
inline void deuxJoueurs(CDecor& decor, CPerso* (&joueurs)[2])
{
    auto* banque = new CDEC();
    banque->planche.create(8, 8, sf::Color::White);
    banque->ajouterAnimDec(0, 0, 1, 8, 8, 1.0f, 0);
    decor.modelesDEC["PERSO"] = banque;
    for (int j = 0; j < 2; ++j) {
        auto* p = new CPerso();
        p->sprite->pDEC = banque;
        p->sprite->x = 100.0f + 200.0f * j;
        p->bVaisseau = false;
        p->vitesseChute = 5;
        p->numJoueur = p->numJoueurBis = j;
        decor.persos.push_back(p);
        joueurs[j] = p;
    }
}

// A mono 16-bit WAV of `echantillons` samples.
inline bool ecrireWav(const std::string& chemin, std::size_t echantillons)
{
    std::vector<int16_t> s(echantillons);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<int16_t>((i % 40) * 500 - 10000);
    sf::SoundBuffer b;
    return b.loadFromSamples(s.data(), s.size(), 1, 22050) && b.saveToFile(chemin);
}
