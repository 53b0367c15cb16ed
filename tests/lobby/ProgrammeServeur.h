#pragma once
// The lobby server's program, started as an operator starts it: its first line, its log, its
// status.
#include "support/Processus.h"

#include <cstdio>
#include <string>
#include <vector>

#include <spawn.h>
#include <unistd.h>

struct Programme {
    // `avant`: the shell words before the program ("ulimit -f 0 && exec", "cd F && exec").
    explicit Programme(std::vector<std::string> args, const std::string& avant = "")
    {
        args.insert(args.begin(), TUV_SERVEUR_EXE);
        if (!avant.empty())
            args.insert(args.begin(), {"/bin/sh", "-c", avant + " \"$0\" \"$@\""});
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        int sortie[2], erreur[2];
        if (::pipe(sortie) != 0 || ::pipe(erreur) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, sortie[1], 1);
        posix_spawn_file_actions_adddup2(&actions, erreur[1], 2);
        posix_spawn_file_actions_addclose(&actions, sortie[0]);
        posix_spawn_file_actions_addclose(&actions, erreur[0]);
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(sortie[1]);
        ::close(erreur[1]);
        out = ::fdopen(sortie[0], "r");
        err = ::fdopen(erreur[0], "r");
    }
    ~Programme()
    {
        if (pid > 0 && ::waitpid(pid, nullptr, WNOHANG) == 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        if (out)
            std::fclose(out);
        if (err)
            std::fclose(err);
    }
    // The server's address from its first line; empty when it did not start.
    std::string url()
    {
        const std::string l = ligne(out), debut = "Serveur du salon : http://";
        return l.rfind(debut, 0) == 0 ? "http://" + l.substr(debut.size(), l.find("/duelix") - debut.size()) : "";
    }
    static std::string ligne(FILE* f)
    {
        char tampon[512] = {};
        return f && std::fgets(tampon, sizeof tampon, f) ? tampon : "";
    }
    static std::string tout(FILE* f)
    {
        std::string r;
        for (std::string l = ligne(f); !l.empty(); l = ligne(f))
            r += l;
        return r;
    }
    pid_t pid = -1;
    FILE* out = nullptr;
    FILE* err = nullptr;
};
