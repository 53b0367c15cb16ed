#pragma once
// The lobby's server requests, off the frame: one worker thread per lobby, started by the
// first request, runs them in order; the frame picks up the answers and applies them. The
// worker never touches the dialog: a request's work fills its own result, its continuation
// (run on the frame) applies it.
#include "lobby/ClientHttpLobby.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class CReseauLobby {
public:
    using Travail = std::function<void(CClientHttpLobby&)>;
    using Suite = std::function<void()>;

    CReseauLobby() = default;
    // Cancels the request under way (seen within 50 ms) and drops the others.
    ~CReseauLobby();
    CReseauLobby(const CReseauLobby&) = delete;
    CReseauLobby& operator=(const CReseauLobby&) = delete;

    // Queues a request: `travail` runs on the worker, then `suite` (may be empty) on the
    // thread that calls appliquer().
    void poster(Travail travail, Suite suite);
    // Runs, in order, the continuations of the requests done so far; never waits.
    void appliquer();
    // Waits until every queued request has its answer, at most `millisecondes`: true when
    // they all have. The answers are applied by the next appliquer().
    bool attendre(int millisecondes);
    // Requests queued whose continuation has not run yet.
    size_t enCours() const;

private:
    struct Entree {
        Travail travail;
        Suite suite;
        bool fait = false;
    };
    void boucle();

    mutable std::mutex mutex_;
    std::condition_variable signal_;
    std::condition_variable faits_;
    std::deque<std::shared_ptr<Entree>> aFaire_;
    std::deque<std::shared_ptr<Entree>> reponses_;
    std::atomic<bool> arret_{false};
    std::thread fil_;
};
