// Arbitrary bytes as a ".dec" definition: the key-and-values reader walks every key and
// value, then the definition reader fills an image bank from it (and reads the layered
// animation its "SPRITE3" key names, as in the game).
#include "anim/Sprite3.h"
#include "core/Dec.h"
#include "core/FichierDec.h"
#include "core/Services.h"
#include "core/TuvFile.h"

#include "FuzzOutils.h"

#include <cstdint>
#include <string>

namespace {

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
    fuzz::preparer();
    g_services.lireSprite3 = &lireSprite3DEC;
    const std::string entree = fuzz::ecrireEntree("entree.dec", donnees, taille);
    parcourir(entree);
    CDEC dec;
    dec.pFichierDEC->chargerDEC(entree, &dec);
    dec.pFichierDEC->chargerDEC(entree, &dec);
    dec.pFichierDEC->lireIdDEC(entree);
    return 0;
}
