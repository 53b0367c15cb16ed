#pragma once
// Where the game's sounds go, chosen once at start-up before any sound object exists.
//
// Without a sound device SFML keeps calling OpenAL, every call fails and is written to one
// error stream shared by the main thread and each music's streaming thread: a music thread
// retries without pause (a failed status reads as stopped), the output never ends and the
// threads' writes into that stream corrupt memory. OpenAL's silent output instead plays
// everything as a device would, unheard, which is also what the tests play through.

namespace sortieSon {

// Whether OpenAL opens its default device. Asked in a child process: OpenAL picks its
// drivers once, at its first call, and this process must still be free to pick the silent one.
bool peripheriqueDisponible();

// Without a device, sends every sound to OpenAL's silent output and says so in one line on
// standard error; returns whether a device plays the sounds. Call before any sf::Sound,
// sf::SoundBuffer or sf::Music is made, while the process has one thread.
bool choisir();

} // namespace sortieSon
