#pragma once
// Parts of tests that run in a child process: what a test must not do to itself (die in
// the middle of a save, fill a disk, lower its own file-size limit) and two writers at once.
#include <cerrno>
#include <csignal>
#include <functional>
#include <string>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Exit code of the child, 1000 + the signal number when it was killed, -1 on error.
inline int attendreProcessus(pid_t pid)
{
    int etat = 0;
    while (::waitpid(pid, &etat, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(etat) ? WEXITSTATUS(etat) : 1000 + WTERMSIG(etat);
}

// Runs f in a forked child, whose exit code is f's result (0 to 255). Returns that code,
// 1000 + the signal number when the child was killed, -1 when no child could be made.
inline int dansUnProcessus(const std::function<int()>& f)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        int code = 255;
        try {
            code = f();
        } catch (...) {
        }
        ::_exit(code);  // no test framework, no leak check, no destructor of the parent's objects
    }
    return pid < 0 ? -1 : attendreProcessus(pid);
}

// In a child process only: writes past `octets` under `dossier` then fail as on a full
// disk. A private tmpfs of that size is mounted over the folder where the process may
// mount one; otherwise the process's file-size limit is lowered, SIGXFSZ ignored.
// Returns "tmpfs" or "limite".
inline std::string limiterDisque(const std::string& dossier, unsigned long octets)
{
    const std::string options = "size=" + std::to_string(octets);
    if (::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
        ::mount("tuv_test", dossier.c_str(), "tmpfs", 0, options.c_str()) == 0)
        return "tmpfs";
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite{octets, octets};
    ::setrlimit(RLIMIT_FSIZE, &limite);
    return "limite";
}
