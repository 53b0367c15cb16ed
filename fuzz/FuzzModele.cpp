// Arbitrary bytes as a GUI model (".mod"): read onto a dialog, which is laid out, shown
// and drawn; then every control is clicked, typed into and drawn again, and the dialog
// takes a few keys, is resized and hidden. Nothing a model says may crash the library.
#include "gui/CPLUX.h"
#include "gui/CPLUXControl.h"
#include "gui/CPLUXDialog.h"
#include "gui/CPLUXModeleDef.h"
#include "gui/CPLUXTest.h"

#include "FuzzOutils.h"

#include <SFML/Graphics/RenderWindow.hpp>

#include <memory>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    fuzz::preparer();
    // A small window: the dialog is placed as in the library's default 800x600 and the library
    // draws all of it all the same; only the renderer's pixels, which nothing here looks at,
    // are fewer (filling them was a tenth of a run at 320x240).
    static sf::RenderWindow* fenetre = new sf::RenderWindow(sf::VideoMode(160, 120), "fuzz", sf::Style::None);
    static CPLUX* bibliotheque = new CPLUX(fenetre);
    (void)bibliotheque;
    CPLUXTest::reset();
    const std::string texte(reinterpret_cast<const char*>(donnees), taille);
    {
        auto d = std::make_unique<CPLUXDialog>();
        CPLUX::pModeleDef->appliquerTexte(d.get(), texte, "fuzz.mod");
        CPLUX::pModeleDef->viderErreurs();
        CPLUX::addDialog(nullptr, d.get(), nullptr, 0);
        d->show();
        CPLUXTest::frame(fenetre);
        // Where the controls stand once laid out: clicking may move or hide them.
        std::vector<sf::Vector2i> centres;
        for (const CPLUXControl* c : d->getControls())
            if (c && centres.size() < 24)
                centres.push_back({c->getLeftScreen() + static_cast<int>(c->getWidth() / 2),
                                   c->getTopScreen() + static_cast<int>(c->getHeight() / 2)});
        for (const sf::Vector2i& p : centres) {
            CPLUXTest::clickAt(p.x, p.y);
            CPLUXTest::type("fuzz 12,5");
            CPLUXTest::key(sf::Keyboard::Down);
            CPLUXTest::pressRightAt(p.x, p.y);
            CPLUXTest::releaseRight();
        }
        CPLUXTest::frame(fenetre);
        for (sf::Keyboard::Key k : {sf::Keyboard::Tab, sf::Keyboard::Return, sf::Keyboard::Escape})
            CPLUXTest::key(k);
        d->redimensionnerUtilisateur(d->getWidth() / 2 + 1, d->getHeight() / 2 + 1);
        CPLUXTest::frame(fenetre);
        d->hide();
        CPLUXTest::frame(fenetre);
    }
    CPLUXTest::reset();
    fuzz::finirRendu(*fenetre);
    return 0;
}
