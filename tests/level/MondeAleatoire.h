#pragma once
// Random levels for the differential check of the planes' index: the collision query, the
// box overlap and the editor's picking must answer exactly as a walk over the whole list,
// while sprites move, appear and go in the middle of frames and between them. Used by the
// level tests (a few hundred levels) and by bench_BenchCollisions (many more).
#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/ForceSD.h"
#include "core/Hasard.h"
#include "core/Services.h"
#include "core/Texte.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/GeometrieSD.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Window/Context.hpp>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace mondeAleatoire {

// ------------------------------------------------------------------ the walks over the list

inline CSPRITE* collisionLineaire(CDecor& d, CPerso* p, float x1, float y1, float x2, float y2)
{
    CCalqueSD& plan = *d.pPlans[CDecor::PLAN_PRINCIPAL];
    if (!plan.bVisible || (p && !p->bCollisions))
        return nullptr;
    for (CSPRITE* sd : plan.sprites) {
        if (!sd || !sd->bVisible || sd->collision == 0)
            continue;
        const sf::Vector2i t = geometrie::tailleFrame(*sd);
        const float r = std::max(float(t.x) * sd->sx, float(t.y) * sd->sy);
        const bool pres = (std::fabs(x1 - sd->x) < r && std::fabs(y1 - sd->y) < r) ||
                          (std::fabs(x2 - sd->x) < r && std::fabs(y2 - sd->y) < r);
        if (pres && d.degats(p, sd, x1, y1, x2, y2))
            return sd;
    }
    return nullptr;
}

// The sub-layer shown is the active world's.
inline int calqueActif(const CDecor& d, int sansJeu)
{
    const MondeJeu* jeu = faceJeu::monde();
    return jeu && jeu->pdecor ? jeu->pdecor->calqueVisible : sansJeu == 0 ? d.calqueVisible : sansJeu;
}

inline bool chevauchementLineaire(CDecor& d, CSPRITE* s, bool groupe, int dx1, int dy1, int dx2, int dy2)
{
    const int calque = calqueActif(d, 0);
    for (CSPRITE* t : d.pPlans[CDecor::PLAN_PRINCIPAL]->sprites)
        if (t && t != s && t->bVisible && (t->calque == 0 || t->calque == calque) && t->collision != 0 &&
            t->getAngleTotal() == 0 && !(groupe && t->groupe == s->groupe) &&
            d.collisionSpritesDecales(s, t, dx1, dy1, dx2, dy2))
            return true;
    return false;
}

inline CSPRITE* choixLineaire(const CDecor& d, CCalqueSD& plan, int x, int y)
{
    const OptionsJeu* options = faceJeu::options();
    const int calque = calqueActif(d, 1);
    for (auto it = plan.sprites.rbegin(); plan.bVisible && it != plan.sprites.rend(); ++it) {
        CSPRITE* sd = *it;
        if (sd && !(options && options->bLocksSelect && sd->bLock) && (sd->calque == 0 || sd->calque == calque) &&
            CCalqueSD::spriteSousPoint(*sd, float(x), float(y), 0, 0))
            return sd;
    }
    return nullptr;
}

// ------------------------------------------------------------------ random levels

inline float entre(float a, float b) { return a + (b - a) * float(tuv::rand()) / float(tuv::RAND_MAX_JEU); }
inline bool une(int sur) { return tuv::rand() % sur == 0; }
inline float aberrant()
{
    const float v[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), -1e30f,
                       1e8f, -4e9f, 0};
    return v[tuv::rand() % 6];
}

// A coordinate of the level, now and then absurd.
inline float coordonnee(float etendue) { return une(25) ? aberrant() : entre(-100, etendue); }

// Place, size and look, as the editor's dialogs, a script or a level file may set them.
inline void remanier(CSPRITE& sd, const std::vector<CDEC*>& banques)
{
    sd.pDEC = banques[size_t(tuv::rand()) % banques.size()];
    sd.numAnim = une(4) ? tuv::rand() % 3 : 0;
    sd.x = coordonnee(2000);
    sd.y = coordonnee(1000);
    sd.sx = une(12) ? aberrant() : une(10) ? -entre(0.5f, 2) : entre(0.25f, 2.5f);
    sd.sy = une(12) ? aberrant() : entre(0.25f, 2.5f);
    sd.ox = entre(-20, 80);
    sd.oy = entre(-20, 80);
    for (int& h : sd.hitbox)
        h = tuv::rand() % 12;
    sd.flipH = une(2) ? 1 : une(20) ? 0 : -1;
    sd.flipV = une(2) ? 1 : -1;
    sd.bTailleFixe = une(15);
    sd.largeurFixe = tuv::rand() % 100;
    sd.hauteurFixe = tuv::rand() % 100;
}

// Flags the queries read on the live sprite: they need no new look at the plane.
inline void basculer(CSPRITE& sd)
{
    sd.bVisible = !une(8);
    sd.bCollisionsActives = !une(10);
    sd.collision = tuv::rand() % 8;
    sd.rotangle = une(4) ? entre(0, 360) : 0;
    sd.calque = une(5) ? 1 + tuv::rand() % 2 : 0;
    sd.groupe = tuv::rand() % 3;
}

inline CSPRITE* nouveau(CCalqueSD& plan, const std::vector<CDEC*>& banques)
{
    auto* sd = new CSPRITE3();
    remanier(*sd, banques);
    basculer(*sd);
    if (une(6))
        sd->pForce = new CForceSD();  // moves by itself: kept out of the grid
    plan.sprites.push_back(sd);
    return sd;
}

// Banks: masked in three colours, unmasked, two animations of other sizes, the empty
// definition the picking takes whole, and a frame of no size.
inline std::vector<CDEC*> banques(CDecor& d)
{
    std::vector<CDEC*> v;
    auto creer = [&](const char* nom, int l, int h, bool masque) {
        auto* b = new CDEC();
        b->nom = nom;
        b->planche.create(unsigned(std::max(l, 1)) * 2, unsigned(std::max(h, 1)), sf::Color::White);
        if (masque) {
            b->pMasquePlanche = new sf::Image();
            b->pMasquePlanche->create(unsigned(l) * 2, unsigned(h), sf::Color::Transparent);
            const sf::Color couleurs[] = {sf::Color(0, 255, 0), sf::Color(0, 0, 255), sf::Color(255, 0, 0),
                                          sf::Color::Transparent};
            for (unsigned y = 0; y < unsigned(h); ++y)
                for (unsigned x = 0; x < unsigned(l) * 2; ++x)
                    b->pMasquePlanche->setPixel(x, y, couleurs[(x / 8 + y / 8) % 4]);
        }
        b->ajouterAnimDec(0, 0, 1, l, h, 1.0f, 0);
        d.modelesDEC[nom] = b;
        v.push_back(b);
        return b;
    };
    creer("CARRE", 64, 64, true);
    creer("HAUT", 24, 96, false);
    creer("DECVIDE", 48, 48, false);
    creer("RIEN", 0, 0, false);
    creer("DEUX", 40, 40, true)->ajouterAnimDec(40, 0, 1, 40, 20, 1.0f, 0);
    return v;
}

// ------------------------------------------------------------------ the check

struct Bilan {
    long requetes = 0;
    long enGrille = 0;  // sprites the grid held, summed over the probes: the grid was used
    std::vector<std::string> ecarts;
};

class Verification {
public:
    explicit Verification(Bilan& b) : bilan(b)
    {
        types = banques(*d);
        ancienneHorloge = g_services.numeroFrame;
        g_services.numeroFrame = [this] { return image; };
        p->bNoDegats = true;  // hit, it would differ from the other walk
    }
    ~Verification() { g_services.numeroFrame = ancienneHorloge; }

    void monde(unsigned graine, int actions)
    {
        tuv::srand(graine);
        d->viderPlans();
        CCalqueSD& plan = *d->pPlans[CDecor::PLAN_PRINCIPAL];
        plan.bVisible = !une(30);
        dernier = nullptr;
        for (int n = tuv::rand() % 150; n > 0; --n)
            nouveau(plan, types);
        for (int a = 0; a < actions; ++a)
            agir(graine, a);
    }

private:
    CSPRITE* auHasard()
    {
        auto& l = d->pPlans[CDecor::PLAN_PRINCIPAL]->sprites;
        if (l.empty())
            return nullptr;
        auto it = l.begin();
        std::advance(it, tuv::rand() % int(l.size()));
        return *it;
    }
    void ecart(unsigned graine, int a, const char* quoi)
    {
        bilan.ecarts.push_back(std::string(quoi) + " differs from the walk over the list: level " +
                               std::to_string(graine) + ", step " + std::to_string(a));
    }
    void agir(unsigned graine, int a);

    sf::Context contexte;  // the banks' textures need one
    Bilan& bilan;
    std::unique_ptr<CDecor> d = std::make_unique<CDecor>();
    std::unique_ptr<CPerso> p = std::make_unique<CPerso>();
    std::vector<CDEC*> types;
    std::function<unsigned long()> ancienneHorloge;
    unsigned long image = 1;
    CSPRITE* dernier = nullptr;  // moved or made by the last step
};

inline void Verification::agir(unsigned graine, int a)
{
    CCalqueSD& plan = *d->pPlans[CDecor::PLAN_PRINCIPAL];
    const int choix = tuv::rand() % 100;
    CSPRITE* sd = auHasard();
    // Half the queries aim at a sprite, often the one that moved or appeared last.
    CSPRITE* vise = une(3) && dernier ? dernier : auHasard();
    const bool viser = vise && une(2);
    const float x = viser ? vise->x + entre(-90, 90) : coordonnee(2000);
    const float y = viser ? vise->y + entre(-90, 90) : coordonnee(1000);
    if (choix < 40) {  // a probe of a character, a shot or a particle
        const float x2 = une(2) ? x : x + entre(-150, 150), y2 = une(2) ? y : y + entre(-150, 150);
        CPerso* qui = une(2) ? p.get() : nullptr;
        p->mode = tuv::rand() % 13;
        ++bilan.requetes;
        if (d->testCollision(qui, x, y, x2, y2) != collisionLineaire(*d, qui, x, y, x2, y2))
            ecart(graine, a, "testCollision");
        bilan.enGrille += long(plan.index.etat().grille);
    } else if (choix < 52 && sd) {  // a group member pushed by a script
        const bool groupe = une(2);
        const int dx1 = tuv::rand() % 41 - 20, dy1 = tuv::rand() % 41 - 20, dx2 = tuv::rand() % 9 - 4;
        ++bilan.requetes;
        if (d->collisionSD(sd, groupe, dx1, dy1, dx2, 0) != chevauchementLineaire(*d, sd, groupe, dx1, dy1, dx2, 0))
            ecart(graine, a, "collisionSD");
    } else if (choix < 57) {  // the editor's Ctrl+click
        const int ix = tuv::floatVersInt(x), iy = tuv::floatVersInt(y);
        ++bilan.requetes;
        CSPRITE* attendu = choixLineaire(*d, plan, ix, iy);
        plan.pSDTrouve = nullptr;
        plan.choisirSprite(nullptr, ix, iy, 0, 0);
        if (plan.pSDTrouve != attendu)
            ecart(graine, a, "choisirSprite");
    } else if (choix < 70 && sd && sd->pForce) {  // moved by its behaviour, mid-frame
        sd->x += entre(-200, 200);
        sd->sy = entre(0.1f, 3);
        dernier = sd;
    } else if (choix < 74 && sd) {  // the editor's copy and deletion
        if (auto* modele = dynamic_cast<CSPRITE3*>(sd); modele && une(2)) {
            dernier = d->dupliquerSD(modele, int(entre(0, 2000)), int(entre(0, 1000)), &plan);
        } else {
            plan.sprites.remove(sd);
            d->detacherSD(sd);
            dernier = dernier == sd ? nullptr : dernier;
            delete sd;
        }
    } else if (choix < 80 && sd) {  // a script command moves a sprite, adds one, or marks one for deletion
        remanier(*sd, types);
        dernier = sd;
        if (une(3))
            nouveau(plan, types);
        sd->bASupprimer = une(4);
        if (sd->bASupprimer) {
            plan.purger([this](CSPRITE* s) { d->detacherSD(s); });
            dernier = nullptr;
        }
        d->invaliderIndex();
    } else if (choix < 86 && sd) {
        basculer(*sd);
    } else if (choix < 89 && sd) {  // the editor's strip reorders the selection
        if (une(2))
            plan.mettreDevant(sd);
        else
            plan.mettreDerriere(sd);
    } else if (choix < 100) {  // a new frame; between frames anything may have changed
        ++image;
        for (int n = tuv::rand() % 4; n > 0 && sd; --n, sd = auHasard()) {
            remanier(*sd, types);
            dernier = sd;
        }
    }
}

// Levels graine0 .. graine0 + nb - 1, each with that many steps.
inline Bilan verifier(unsigned graine0, int nb, int actions)
{
    Bilan b;
    Verification v(b);
    for (int i = 0; i < nb; ++i)
        v.monde(graine0 + unsigned(i), actions);
    return b;
}

} // namespace mondeAleatoire
