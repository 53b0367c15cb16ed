// Arbitrary bytes as the whip file ("fouet0.ini"): read onto a dialog whose picture takes the
// key points' markers, simulated a few steps along its key points, then saved and read back:
// a second save must give the same bytes.
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXDialog.h"
#include "tools/Fouet.h"

#include "FuzzOutils.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// The whip editor's dialog with its picture, made once.
struct Scene {
    Scene()
    {
        d.setPosition(60, 40);
        image = d.addControlImage("img");
        image->setPosition(8, 33);
        image->setVisibleDimension(600, 420);
    }
    CPLUXDialog d;
    CPLUXControlImage* image = nullptr;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    static Scene* scene = new Scene;
    const std::string entree = fuzz::ecrireEntree("fouet.ini", donnees, taille);
    const std::string a = fuzz::chemin("a.ini"), b = fuzz::chemin("b.ini");
    {
        CFouet f;
        if (!f.charger(entree, &scene->d, scene->image, "__KP__") || !f.sauver(a, scene->image))
            std::abort();
        for (int i = 0; i < 4; ++i)
            f.simuler(true, true);
        f.supprimerKP();
    }
    CFouet relu;
    if (!relu.charger(a, &scene->d, scene->image, "__KP__") || !relu.sauver(b, scene->image) ||
        fuzz::lire(a) != fuzz::lire(b))
        std::abort();
    relu.supprimerKP();
    return 0;
}
