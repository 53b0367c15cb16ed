#pragma once
// Helpers shared by the AI controller's files: the active level, the frame-rate rule and the
// two kinds of character sprite (a plain sprite drawn from its image bank, or a layered
// animated sprite) seen through one set of accessors.
#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/Services.h"
#include "core/SetTextures.h"
#include "core/Texte.h"

#include <algorithm>
#include <cmath>

namespace ia {

inline CDecor* decor() { return faceJeu::monde() ? faceJeu::monde()->pdecor : nullptr; }

// The time coefficient: 1 at 30 frames per second, 0.5 at 60.
inline float coeff() { return coefficientTemps(); }
// A count of n frames at 30 per second as frames at the current rate: trunc(n / coefficient),
// at least 1.
inline int frames(int n) { return std::max(1, tuv::floatVersInt(static_cast<float>(n) / coeff())); }
// A per-frame chance of 1 in n at 30 frames per second, as often per second at any rate.
inline bool chance(int n) { return tuv::randModulo(frames(n)) == 0; }

// The sprite's current animation, frame and loop count, whichever kind it is.
inline int animation(const CSPRITE3& s) { return s.bAnime ? s.getAnimation() : s.numAnim; }
inline int frame(const CSPRITE3& s) { return s.bAnime ? s.getFrameCourante() : s.numFrame; }
inline int boucles(const CSPRITE3& s) { return s.bAnime ? s.getNbBoucles(s.getAnimation()) : s.nbanimtotale; }
inline int nbFrames(const CSPRITE3& s, int a)
{
    if (s.bAnime)
        return s.getNbFrames(a);
    const CSetTextures* set = s.getSet(a);
    if (!set)
        return 0;
    return set->nbTextures > 0 ? set->nbTextures : static_cast<int>(set->textures.size());
}

// One step of the sprite's current animation. A layered sprite moves on when the character is
// drawn; a plain one only when a step animates it.
inline void continuerAnimation(CPerso& p)
{
    if (p.sprite && !p.sprite->bAnime)
        p.sprite->animer(-1);
}

inline bool vivant(const CPerso& p) { return p.mode != EtatPerso::MORT; }

} // namespace ia
