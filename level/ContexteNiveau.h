#pragma once
// What the level's per-frame steps and its weather read of the game: the time coefficient,
// the scene, the active camera and the player. Each answers something usable without a game,
// so that effects can be made and stepped in tests and tools without a window.
class CPerso;
class CVue;
namespace sf { class RenderTexture; }

namespace niveau {

// Counts of flakes, fireflies and stars coming from a file, a dialog or a script are held
// to 0..NB_PARTICULES_MAX before anything is allocated.
constexpr int NB_PARTICULES_MAX = 10000;
int bornerCompte(long long n);

// The game's framerateCoeff (1.0 at 30 frames per second, 0.5 at 60); 1 without a game or
// with a value no step can run with.
float coefficient();
// A count of frames at 30 per second as frames at the current rate: trunc(n / coefficient),
// at least 1.
int images(long long n);
// The scene render texture everything of the level draws into; null without a window.
sf::RenderTexture* scene();
// The active camera; null without a game or before its window.
CVue* camera();
// The game's player character; null when there is none.
CPerso* joueur();

} // namespace niveau
