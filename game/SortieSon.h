#pragma once
// Where the game's sounds go, chosen once at start-up before any sound object exists.
//
// Without a sound device SFML keeps calling OpenAL, every call fails and is written to one
// error stream shared by the main thread and each music's streaming thread: a music thread
// retries without pause (a failed status reads as stopped), the output never ends and the
// threads' writes into that stream corrupt memory. OpenAL's silent output instead plays
// everything as a device would, unheard, which is also what the tests play through.

#include <chrono>

namespace sortieSon {

// How long the start waits for a device to open: a usual one answers in a few milliseconds,
// one that blocks (a sound server that accepts and never answers) would hold the window back.
constexpr std::chrono::milliseconds ATTENTE_MAX{2500};

// Whether `sonde`, run in a child process, returns true within `limite`. A child still at
// work then is killed and reaped and counts as no device, as does one that crashed; the
// child also dies with the calling thread (the game's main one). True when no child can be made.
bool sonderDansUnEnfant(bool (*sonde)(), std::chrono::milliseconds limite);

// Whether OpenAL opens its default device within ATTENTE_MAX. Asked in a child process: OpenAL
// picks its drivers once, at its first call, and this process must still be free to pick the
// silent one.
bool peripheriqueDisponible();

// Without a device, sends every sound to OpenAL's silent output and says so in one line on
// standard error; returns whether a device plays the sounds. Call before any sf::Sound,
// sf::SoundBuffer or sf::Music is made, while the process has one thread.
bool choisir();

} // namespace sortieSon
