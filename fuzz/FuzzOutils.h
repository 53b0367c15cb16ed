#pragma once
// What the fuzz targets share: the input as a file of this process (the readers read
// files), and the set-up every run needs once.
#include <SFML/System/Err.hpp>
#include <SFML/Window/Context.hpp>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include <unistd.h>

namespace fuzz {

// "/tmp/fuzz_<pid>_<nom>": a file of this process.
inline std::string chemin(const std::string& nom) { return "/tmp/fuzz_" + std::to_string(::getpid()) + "_" + nom; }

// Writes the input to chemin(nom) and gives that path.
inline std::string ecrireEntree(const std::string& nom, const uint8_t* donnees, std::size_t taille)
{
    const std::string chemin = fuzz::chemin(nom);
    std::ofstream out(chemin, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(donnees), static_cast<std::streamsize>(taille));
    return chemin;
}

// Once per process: a GL context kept for the whole run (textures need one, and making one
// per input is slow), and SFML's console messages silenced (bad input makes thousands).
inline void preparer()
{
    static const bool fait = [] {
        new sf::Context;
        sf::err().rdbuf(nullptr);
        return true;
    }();
    (void)fait;
}

} // namespace fuzz
