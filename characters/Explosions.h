#pragma once
// The explosions of "./explosions/explos.ini": named animations, each with its sound, shown by
// characters and vehicles that blow up when they die.
#include "characters/FichierValeurs.h"

#include <map>
#include <string>

class CDEC;

class CExplosions : public CFichierValeurs {
public:
    CExplosions() = default;
    ~CExplosions() override;
    CExplosions(const CExplosions&) = delete;
    CExplosions& operator=(const CExplosions&) = delete;

    // Reads the file; 0 in every case. A file that does not open leaves the list as it was.
    int charger(const std::string& fichier);
    // The bank of an explosion and its sound; null and "" for a name the file does not define
    // (a lookup never adds a name).
    CDEC* banque(const std::string& nom) const;
    const std::string& son(const std::string& nom) const;

    // By name: the bank an explosion sprite is bound to (owned), and the sound it plays.
    std::map<std::string, CDEC*> explosions;
    std::map<std::string, std::string> sonsExplosions;

private:
    void lireSequence(CDEC& banque);
};
