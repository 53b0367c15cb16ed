#include "lobby/serveur/LimiteurAdresses.h"

namespace {

constexpr int64_t FENETRE = 60;

} // namespace

void CLimiteurAdresses::avancer(Compte& c, int64_t maintenant)
{
    // Counted before the clock was set back: as made now.
    if (!c.secondes.empty() && c.secondes.back().first > maintenant)
        c.secondes.assign(1, {maintenant, c.total});
    while (!c.secondes.empty() && c.secondes.front().first <= maintenant - FENETRE) {
        c.total -= c.secondes.front().second;
        c.secondes.pop_front();
    }
}

bool CLimiteurAdresses::prendre(const std::string& adresse, int64_t maintenant)
{
    std::lock_guard<std::mutex> verrou(mutex_);
    Compte& c = comptes_[adresse];
    avancer(c, maintenant);
    if (c.total >= parMinute_)
        return false;
    if (c.secondes.empty() || c.secondes.back().first != maintenant)
        c.secondes.emplace_back(maintenant, 0);
    ++c.secondes.back().second;
    ++c.total;
    return true;
}

void CLimiteurAdresses::rendre(const std::string& adresse)
{
    std::lock_guard<std::mutex> verrou(mutex_);
    const auto it = comptes_.find(adresse);
    if (it == comptes_.end() || it->second.secondes.empty())
        return;
    Compte& c = it->second;
    --c.total;
    if (--c.secondes.back().second == 0)
        c.secondes.pop_back();
}

void CLimiteurAdresses::oublier(int64_t maintenant)
{
    std::lock_guard<std::mutex> verrou(mutex_);
    for (auto it = comptes_.begin(); it != comptes_.end();) {
        avancer(it->second, maintenant);
        it = it->second.secondes.empty() ? comptes_.erase(it) : std::next(it);
    }
}
