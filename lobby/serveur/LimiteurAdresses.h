#pragma once
// How many adds and edits each client address (or network) made in the last minute, so that
// one client cannot fill the lobby or churn it. Counted by whole seconds of the server's clock:
// at most 60 counters per address, whatever the limit.
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <unordered_map>
#include <utility>

class CLimiteurAdresses {
public:
    explicit CLimiteurAdresses(int parMinute) : parMinute_(parMinute) {}

    // Counts one for `adresse` at `maintenant` (seconds) when it made fewer than the limit in
    // the 60 seconds up to now; false, counting nothing, otherwise.
    bool prendre(const std::string& adresse, int64_t maintenant);
    // Takes back the count of a request that then changed nothing.
    void rendre(const std::string& adresse);
    // Forgets the addresses that made nothing in the last minute.
    void oublier(int64_t maintenant);

    int parMinute() const { return parMinute_; }

private:
    struct Compte {
        std::deque<std::pair<int64_t, int>> secondes;  // (second, count), oldest first
        int total = 0;
    };
    static void avancer(Compte& c, int64_t maintenant);

    int parMinute_;
    std::mutex mutex_;
    std::unordered_map<std::string, Compte> comptes_;
};
