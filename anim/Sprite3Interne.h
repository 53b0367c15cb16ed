#pragma once
// What playback and drawing of CSPRITE3 share, kept out of the class's interface.
#include "anim/Sprite3Types.h"

class CSPRITE3;

namespace sprite3 {

// A sprite tree deeper than this is a sub-sprite linking itself (directly or not).
constexpr int PROFONDEUR_MAX = 8;

// Frame counts and keyframe frames stay below this (the ".anm" reader's bound too), so
// that frame arithmetic never overflows whatever the editor's fields hold.
constexpr int FRAMES_MAX = 100000000;

// Animation the sub-sprite (ANMREF) of AE ae of animation a plays: the key's
// KEYANIMELEM_LIENANIM, else the sub-sprite's current animation (set by the frame
// scripts), else the element's first ELLIENANIM; -1 when none is valid.
int animLiee(const CSPRITE3& s, int a, int ae);

// Vertical offset of SOUBRESSAUT at the animation's current frame (0 outside its bounds).
float soubresaut(const CSPRITE3& s, int a);

// Ticks elapsed at frame f since the keyframe at frame fk, as interpolation counts them
// (bLecture: with the ticks of the frame being played): 0 when the animation does not
// interpolate, never below 0 (before the first keyframe: its own values).
float ticksInterpolation(const CSPRITE3_ANIMATION& an, int f, int fk, bool bLecture);

// The key's colour that many ticks after its keyframe, each channel kept in 0..255.
sf::Color couleurInterpolee(const CSPRITE3_KEYANIMELEM& cle, float ticks);

} // namespace sprite3
