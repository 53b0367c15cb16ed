// Arbitrary bytes as an ".anm" file: the animation reader must load what it can without
// crashing or hanging, and what it loaded must save and load back to the same bytes, play,
// draw and answer the mouse.
#include "anim/Sprite3.h"
#include "core/TuvFile.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/System/Err.hpp>
#include <SFML/Window/Context.hpp>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace {

std::string chemin(const char* nom)
{
    return "/tmp/fuzz_anm_" + std::to_string(::getpid()) + "_" + nom;
}

std::string lire(const std::string& fichier)
{
    std::ifstream in(fichier, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    // An element image that happens to exist needs a GL context; keep one for the run.
    static sf::Context* contexte = new sf::Context;
    (void)contexte;
    static const bool silence = [] {
        sf::err().rdbuf(nullptr);
        return true;
    }();
    (void)silence;

    const std::string entree = chemin("entree.anm"), a = chemin("a.anm"), b = chemin("b.anm");
    {
        std::ofstream out(entree, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(donnees), static_cast<std::streamsize>(taille));
    }
    CSPRITE3 s;
    if (!s.charger(nullptr, nullptr, entree, true))
        return 0;
    s.sauver(a);
    CSPRITE3 relu;
    if (!relu.charger(nullptr, nullptr, a, true))
        std::abort();
    relu.sauver(b);
    if (lire(a) != lire(b))
        std::abort();
    // A few editing calls on whatever was read: indexes from the file must stay safe.
    // (After the check: the reader brings absurd numbers back into range, edits need not.)
    for (int n = 0; n < s.getNbAnimations(); ++n) {
        s.setAnimation2(n, 0);
        for (int ae = 0; ae < s.getNbAnimElems(n) && ae < 8; ++ae) {
            s.setKeyAnimElemPosition(n, 0, ae, 1, 1, true);
            s.setKeyAnimElemRotation(n, 0, ae, 45, true, true);
            s.setKeyAnimElemEchelle(n, 0, ae, 2, 2, true, true);
            s.getPositionInterpolee(n, 1, ae);
        }
    }
    // Playback and drawing of what was read, at its first frames and at its last one.
    static sf::RenderTexture* rt = new sf::RenderTexture;
    static sf::RenderTexture* rtOmbre = new sf::RenderTexture;
    static const bool cibles = rt->create(64, 64) && rtOmbre->create(64, 64);
    (void)cibles;
    for (int n = 0; n < relu.getNbAnimations() && n < 4; ++n) {
        relu.setAnimation2(n, 0);
        relu.play();
        for (int t = 0; t < 6; ++t) {
            relu.update(nullptr, 1, 0, 0, n);
            relu.dessiner(rt, 0, 0, 0, nullptr, 1, 32, 32, n);
            relu.gererSouris(sf::Vector2f(t * 4.0f, t * 4.0f), t & 1, t & 2);
            relu.collisionHitbox(t, t);
        }
        relu.bBoucle = false;
        relu.bStopFin = true;
        relu.setFrameCourante(relu.getNbFrames(n) - 1);
        relu.update(nullptr, 1, 0, 0, n);
        relu.dessiner(rt, 0, 0, 0, nullptr, 1, 32, 32, n);
        relu.dessinerOmbre(rt, 0, rtOmbre, 0, 0, nullptr, 1, 0, 0, n, 0, sf::Transform());
        relu.dessinerMarqueursAnimElems(*rt, nullptr, 1, 0, 0, n, 0);
    }
    return 0;
}
