#include "game/SortieSon.h"

#include <SFML/Audio/SoundBuffer.hpp>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <iostream>
#include <mutex>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace sortieSon {

namespace {

using Horloge = std::chrono::steady_clock;

bool ouvrirPeripherique()
{
    // The sound libraries write their own complaints about a missing device.
    const int nul = ::open("/dev/null", O_WRONLY);
    if (nul >= 0) {
        ::dup2(nul, STDOUT_FILENO);
        ::dup2(nul, STDERR_FILENO);
    }
    using Ouvrir = void* (*)(const char*);
    using Fermer = char (*)(void*);
    void* openal = ::dlopen("libopenal.so.1", RTLD_NOW | RTLD_LOCAL);
    auto ouvrir = openal ? reinterpret_cast<Ouvrir>(::dlsym(openal, "alcOpenDevice")) : nullptr;
    auto fermer = openal ? reinterpret_cast<Fermer>(::dlsym(openal, "alcCloseDevice")) : nullptr;
    void* peripherique = ouvrir ? ouvrir(nullptr) : nullptr;
    if (peripherique && fermer)
        fermer(peripherique);
    return peripherique != nullptr;
}

// The child's whole work: no return, no handler of the parent's exit runs there. Its answer
// is one byte on `ecriture`, written before it leaves: a helper the sound library started
// may keep the pipe open after the child is gone.
[[noreturn]] void sonderDansLEnfant(bool (*sonde)(), pid_t parent, int ecriture)
{
    // A game killed while it waits takes its probe along; one already gone leaves none.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(1);
    const char reponse = sonde() ? 1 : 0;
    while (::write(ecriture, &reponse, 1) < 0 && errno == EINTR) {
    }
    ::_exit(reponse ? 0 : 1);
}

// Whether the child answered (or died) before `limite`. Sleeps in poll: the usual answer,
// a few milliseconds away, costs the start nothing more.
bool attendreReponse(int lecture, std::chrono::milliseconds limite)
{
    const Horloge::time_point fin = Horloge::now() + limite;
    for (;;) {
        const auto reste = std::chrono::ceil<std::chrono::milliseconds>(fin - Horloge::now());
        pollfd attente{lecture, POLLIN, 0};
        const int n = ::poll(&attente, 1, static_cast<int>(std::max<long long>(0, reste.count())));
        if (n > 0)
            return true;
        if (n == 0 || errno != EINTR)
            return false;
    }
}

} // namespace

bool sonderDansUnEnfant(bool (*sonde)(), std::chrono::milliseconds limite)
{
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    int tube[2];
    // Nobody to ask: OpenAL is left to open its device itself, as it always did.
    if (::pipe2(tube, O_CLOEXEC) != 0)
        return true;
    const pid_t parent = ::getpid();
    const pid_t enfant = ::fork();
    if (enfant == 0) {
        ::close(tube[0]);
        sonderDansLEnfant(sonde, parent, tube[1]);
    }
    ::close(tube[1]);
    if (enfant < 0) {
        ::close(tube[0]);
        return true;
    }
    const bool repondu = attendreReponse(tube[0], limite);
    // A device that blocks its opening holds the child, never the game.
    if (!repondu)
        ::kill(enfant, SIGKILL);
    ::close(tube[0]);
    int statut = 0;
    while (::waitpid(enfant, &statut, 0) < 0)
        if (errno != EINTR)
            return repondu;
    // A child that crashed in the sound library would crash the game there too.
    return repondu && WIFEXITED(statut) && WEXITSTATUS(statut) == 0;
}

bool peripheriqueDisponible()
{
    return sonderDansUnEnfant(ouvrirPeripherique, ATTENTE_MAX);
}

bool choisir()
{
    if (peripheriqueDisponible())
        return true;
    ::setenv("ALSOFT_DRIVERS", "null", 1);
    std::cerr << "jeu: no sound device could be opened; the game plays without sound.\n";
    return false;
}

void fermerOuTerminer(std::function<void()> fermeture, std::chrono::milliseconds limite, int statut)
{
    // Shared with the thread, which outlives this call when it is stuck.
    struct Attente {
        std::mutex m;
        std::condition_variable fini;
        bool ferme = false;
    };
    auto attente = std::make_shared<Attente>();
    std::thread fil;
    try {
        fil = std::thread([attente, &fermeture] {
            fermeture();
            std::lock_guard<std::mutex> verrou(attente->m);
            attente->ferme = true;
            attente->fini.notify_all();
        });
    } catch (const std::system_error&) {
        // No thread to spare: the device is closed here, unbounded, as it always was.
        fermeture();
        return;
    }
    bool ferme = false;
    {
        std::unique_lock<std::mutex> verrou(attente->m);
        ferme = attente->fini.wait_for(verrou, limite, [&] { return attente->ferme; });
    }
    if (ferme) {
        fil.join();
        return;
    }
    std::cerr << LIGNE_FERMETURE << '\n';
    // The standard streams only: flushing every open file would wait for the one a stalled
    // output is writing into, whose lock the stuck thread holds.
    std::cout.flush();
    std::fflush(stdout);
    std::fflush(stderr);
    ::_exit(statut);
}

// The first sound object opens the device.
TenuePeripherique::TenuePeripherique() : dernier(std::make_unique<sf::SoundBuffer>()) {}

TenuePeripherique::~TenuePeripherique() = default;

void TenuePeripherique::fermer(int statut)
{
    fermerOuTerminer([this] { dernier.reset(); }, FERMETURE_MAX, statut);
}

} // namespace sortieSon
