#include "game/SortieSon.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <iostream>
#include <sys/wait.h>
#include <unistd.h>

namespace sortieSon {

namespace {

// The child's whole work: no return, no handler of the parent's exit runs there.
[[noreturn]] void sonderDansLEnfant()
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
    ::_exit(peripherique ? 0 : 1);
}

} // namespace

bool peripheriqueDisponible()
{
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    const pid_t enfant = ::fork();
    if (enfant == 0)
        sonderDansLEnfant();
    // Nobody to ask: OpenAL is left to open its device itself, as it always did.
    if (enfant < 0)
        return true;
    int statut = 0;
    while (::waitpid(enfant, &statut, 0) < 0)
        if (errno != EINTR)
            return true;
    // A child that crashed in the sound library would crash the game there too.
    return WIFEXITED(statut) && WEXITSTATUS(statut) == 0;
}

bool choisir()
{
    if (peripheriqueDisponible())
        return true;
    ::setenv("ALSOFT_DRIVERS", "null", 1);
    std::cerr << "jeu: no sound device could be opened; the game plays without sound.\n";
    return false;
}

} // namespace sortieSon
