// Arbitrary bytes as a ".dec" definition: the key-and-values reader walks every key and
// value, then the definition reader fills an image bank from it.
#include "core/Dec.h"
#include "core/FichierDec.h"
#include "core/TuvFile.h"

#include <SFML/Window/Context.hpp>

#include <cstdint>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

const std::string& cheminEntree()
{
    static const std::string chemin = "/tmp/fuzz_dec_" + std::to_string(::getpid()) + ".dec";
    return chemin;
}

void parcourir(const std::string& chemin)
{
    CTUVFile f;
    if (!f.open(chemin, false))
        return;
    for (std::string cle = f.getKey(); !cle.empty(); cle = f.getKey()) {
        f.getValue();
        f.getValueInt();
        f.getValueFloat();
        f.getValueW();
        f.getValueBetween("=", ",");
    }
    f.skipLines(2);
    f.getValue();
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
    parcourir(cheminEntree());
    CDEC dec;
    dec.pFichierDEC->chargerDEC(cheminEntree(), &dec);
    dec.pFichierDEC->chargerDEC(cheminEntree(), &dec);
    dec.pFichierDEC->lireIdDEC(cheminEntree());
    return 0;
}
