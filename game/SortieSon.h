#pragma once
// Where the game's sounds go, chosen once at start-up before any sound object exists, and
// the close of the sound device at the end, which a stalled device must not hold.
//
// Without a sound device SFML keeps calling OpenAL, every call fails and is written to one
// error stream shared by the main thread and each music's streaming thread: a music thread
// retries without pause (a failed status reads as stopped), the output never ends and the
// threads' writes into that stream corrupt memory. OpenAL's silent output instead plays
// everything as a device would, unheard, which is also what the tests play through.

#include <chrono>
#include <functional>
#include <memory>

namespace sf {
class SoundBuffer;
}

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

// How long the end waits for the sound device to close: a usual one closes in milliseconds,
// one whose output stalled (a sound server that stopped reading) would never let the ended
// game go.
constexpr std::chrono::milliseconds FERMETURE_MAX{2000};
// What standard error says when the device did not close in time.
constexpr const char* LIGNE_FERMETURE = "the sound device does not answer; the game ends without waiting for it";

// Runs `fermeture` on a thread of its own and returns once it is done, if within `limite`.
// Past it, writes LIGNE_FERMETURE on standard error, flushes the standard output and error
// and ends the process at once with `statut`: the stuck thread can never be joined, and no
// handler of a normal exit may wait for it.
void fermerOuTerminer(std::function<void()> fermeture, std::chrono::milliseconds limite, int statut);

// The sound library closes its device with its last sound object, which would otherwise be
// whichever of the game's goes last, deep in the game's teardown and without a bound. This
// one is made before the game's first sound object and goes after all of them, at fermer().
class TenuePeripherique {
public:
    TenuePeripherique();
    ~TenuePeripherique();
    TenuePeripherique(const TenuePeripherique&) = delete;
    TenuePeripherique& operator=(const TenuePeripherique&) = delete;

    // Closes the device within FERMETURE_MAX, or ends the process with `statut` past it.
    // Call once everything the game writes is written and every other sound object is gone.
    void fermer(int statut);

private:
    std::unique_ptr<sf::SoundBuffer> dernier;
};

} // namespace sortieSon
