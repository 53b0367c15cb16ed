// Arbitrary bytes as a state-list file (".eta"): read into the animation editor (its real
// model applied once), which fills its state lists; saved, the saved file reads back to the
// same bytes.
#include "anim/Sprite3.h"
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXModeleDef.h"

#include "FuzzOutils.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    fuzz::preparer();
    static CJeuDialogAnimationsSprites* editeur = [] {
        auto* d = new CJeuDialogAnimationsSprites;
        d->setId(IdAnm::DIALOGUE);
        CPLUX::pModeleDef->appliquerFichier(d, "./PLUX_Modeles/Mod2/JeuDialogAnimationsSprites.mod");
        CPLUX::pModeleDef->viderErreurs();
        CPLUX::addDialog(nullptr, d, nullptr, 0);
        return d;
    }();
    CJeuDialogAnimationsSprites& d = *editeur;
    const std::string entree = fuzz::ecrireEntree("etats.eta", donnees, taille);
    const std::string a = fuzz::chemin("a.eta"), b = fuzz::chemin("b.eta");
    d.pSprite->etats.clear();
    d.chargerEtats(entree);
    if (!d.sauverEtats(a))
        std::abort();
    // Saving may merge names that differed only by a character a file cannot hold: the file
    // it writes reads back to itself.
    d.pSprite->etats.clear();
    d.chargerEtats(a);
    d.sauverEtats(a);
    d.pSprite->etats.clear();
    d.chargerEtats(a);
    if (!d.sauverEtats(b) || fuzz::lire(a) != fuzz::lire(b))
        std::abort();
    return 0;
}
