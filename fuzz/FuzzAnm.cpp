// Arbitrary bytes as an ".anm" file. In editor mode the animation reader must load what it
// can without crashing or hanging, and what it loaded must save and load back to the same
// bytes, take edits, play, draw and answer the mouse. In game mode, with the game's hooks
// given (a texture cache, global animations for ANMREF, one of which is the sprite itself),
// what it loaded must play and draw.
#include "anim/Sprite3.h"
#include "core/Services.h"
#include "core/TuvFile.h"

#include "FuzzOutils.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string lire(const std::string& fichier)
{
    std::ifstream in(fichier, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

sf::RenderTexture& cible()
{
    static sf::RenderTexture* rt = [] {
        auto* r = new sf::RenderTexture;
        r->create(16, 16);
        return r;
    }();
    return *rt;
}

sf::RenderTexture& cibleOmbre()
{
    static sf::RenderTexture* rt = [] {
        auto* r = new sf::RenderTexture;
        r->create(16, 16);
        return r;
    }();
    return *rt;
}

// Playback and drawing of what was read, at its first frames and at its last one.
void jouerEtDessiner(CSPRITE3& s)
{
    sf::RenderTexture* rt = &cible();
    sf::RenderTexture* rtOmbre = &cibleOmbre();
    for (int n = 0; n < s.getNbAnimations() && n < 4; ++n) {
        s.setAnimation2(n, 0);
        s.play();
        // Drawn once its frames ran: a draw costs far more than a step.
        for (int t = 0; t < 6; ++t) {
            s.update(nullptr, 1, 0, 0, n);
            s.gererSouris(sf::Vector2f(t * 4.0f, t * 4.0f), t & 1, t & 2);
            s.collisionHitbox(t, t);
        }
        s.dessiner(rt, 0, 0, 0, nullptr, 1, 32, 32, n);
        s.bBoucle = false;
        s.bStopFin = true;
        s.setFrameCourante(s.getNbFrames(n) - 1);
        s.update(nullptr, 1, 0, 0, n);
        s.dessiner(rt, 0, 0, 0, nullptr, 1, 32, 32, n);
        s.dessinerOmbre(rt, 0, rtOmbre, 0, 0, nullptr, 1, 0, 0, n, 0, sf::Transform());
        s.dessinerMarqueursAnimElems(*rt, nullptr, 1, 0, 0, n, 0);
    }
}

// The game's hooks: one sheet for every texture key, and for ANMREF a small global
// animation or, for half of the names, the sprite being read (a link to itself).
void chargerEnJeu(const std::string& entree)
{
    static sf::Texture* feuille = [] {
        auto* t = new sf::Texture;
        t->create(64, 64);
        return t;
    }();
    g_services.textureCache = [](const std::string&, const std::string&) { return feuille; };
    static CSPRITE3* globale = [] {
        auto* g = new CSPRITE3;
        g->chargerTexture("globale", "globale.png");
        g->ajouterElement("e", 0, 0, 16, 16, 8, 8, 2, 2, -1, -1, false);
        g->ajouterAnimation("a", true);
        g->ajouterAnimElem(0, 0, "", 0, 1);
        return g;
    }();
    CSPRITE3 s;
    g_services.animGlobale = [&s](const std::string& nom) { return nom.size() % 2 ? &s : globale; };
    if (s.charger(nullptr, &cible(), entree, false))
        jouerEtDessiner(s);
    g_services = ServicesFondation();
}

// The editor's reading: what was read saves and reads back to the same bytes, takes edits,
// plays and draws.
void lireEnEditeur(const std::string& entree)
{
    const std::string a = fuzz::chemin("a.anm"), b = fuzz::chemin("b.anm");
    CSPRITE3 s;
    if (!s.charger(nullptr, nullptr, entree, true))
        return;
    if (!s.sauver(a))
        std::abort();
    CSPRITE3 relu;
    if (!relu.charger(nullptr, nullptr, a, true))
        std::abort();
    if (!relu.sauver(b) || lire(a) != lire(b))
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
    jouerEtDessiner(relu);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    fuzz::preparer();
    const std::string entree = fuzz::ecrireEntree("entree.anm", donnees, taille);
    chargerEnJeu(entree);
    lireEnEditeur(entree);
    fuzz::finirRendu(cible());
    fuzz::finirRendu(cibleOmbre());
    return 0;
}
