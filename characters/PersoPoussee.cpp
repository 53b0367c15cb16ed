// The push of force zones. A zone writes its force into vitesseForceX/Y (pixels per frame at
// 30 frames per second) while the character stands in it; this step moves the character by
// it where the decor leaves room, then lets it fade. So a zone that sets the push carries a
// character at a steady speed, one that adds to it speeds it up to its limit, one that
// multiplies it brakes or speeds up what is left, and a character that leaves a zone drifts
// a little further instead of stopping dead.
#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "core/Services.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr float AMORTI_PAR_IMAGE = 0.8f;  // part of the push left after one frame at 30 fps
constexpr float POUSSEE_NULLE = 0.05f;    // below this the push stops
constexpr float PAS_SONDE = 8.0f;         // pixels between two probes of the way

float borner(float v)
{
    if (!std::isfinite(v))
        return 0.0f;
    const float limite = static_cast<float>(CPerso::LIMITE_VITESSE);
    return std::clamp(v, -limite, limite);
}

float amortir(float v, float facteur) { return std::fabs(v * facteur) < POUSSEE_NULLE ? 0.0f : v * facteur; }

// Moves the character and the children it carries without touching their animations.
void deplacer(CPerso& p, float dx, float dy)
{
    constexpr int SANS_ANIMATION = std::numeric_limits<int>::min();
    if (p.sprite)
        p.sprite->deplacerAnime(-1, dx, dy, SANS_ANIMATION);
    const size_t nb = std::min(p.enfants.size(), static_cast<size_t>(std::max(0, p.nbEnfants)));
    for (size_t i = 0; i < nb; ++i)
        if (p.enfants[i])
            deplacer(*p.enfants[i], dx, dy);
}

} // namespace

void CPerso::subirPoussee()
{
    vitesseForceX = borner(vitesseForceX);
    vitesseForceY = borner(vitesseForceY);
    if (vitesseForceX == 0 && vitesseForceY == 0)
        return;
    const float coeff = coefficientTemps();
    if (peutBouger() && mode != EtatPerso::MORT && !bTourelle) {
        const float x = sprite->x, pieds = piedsY(), h = tete(0);
        // Sideways the body meets walls at the feet, as a walk does; upwards the head meets
        // ceilings, downwards the feet meet the ground.
        auto libre = [&](float ox, float oy) {
            if (!bCollisions)
                return true;
            const float px = std::trunc(x + ox);
            const float py = std::trunc(oy < 0 ? pieds + oy - h : oy > 0 ? pieds + oy : pieds - 1);
            return segment(px, py, px, py - 1) == nullptr;
        };
        // Probed every few pixels, so that a strong push does not cross a thin wall.
        auto parcours = [&](float d, bool horizontal) {
            float fait = 0;
            while (fait != d) {
                const float pas = std::clamp(d - fait, -PAS_SONDE, PAS_SONDE);
                if (!(horizontal ? libre(fait + pas, 0) : libre(0, fait + pas)))
                    break;
                fait += pas;
            }
            return fait;
        };
        const float dx = parcours(vitesseForceX * coeff, true);
        const float dy = parcours(vitesseForceY * coeff, false);
        deplacer(*this, dx, dy);
        // Lifted off the ground, the character falls back through its own steps.
        if (dy < 0 && bCollisions && (mode == EtatPerso::ARRET || mode == EtatPerso::MARCHE)) {
            support = nullptr;
            passerEtat(EtatPerso::CHUTE);
        }
    }
    const float facteur = std::pow(AMORTI_PAR_IMAGE, coeff);
    vitesseForceX = amortir(vitesseForceX, facteur);
    vitesseForceY = amortir(vitesseForceY, facteur);
}
