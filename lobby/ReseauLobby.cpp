#include "lobby/ReseauLobby.h"

#include <chrono>
#include <vector>

CReseauLobby::~CReseauLobby()
{
    {
        std::lock_guard<std::mutex> verrou(mutex_);
        arret_ = true;
    }
    signal_.notify_all();
    if (fil_.joinable())
        fil_.join();
}

void CReseauLobby::poster(Travail travail, Suite suite)
{
    auto e = std::make_shared<Entree>();
    e->travail = std::move(travail);
    e->suite = std::move(suite);
    {
        std::lock_guard<std::mutex> verrou(mutex_);
        aFaire_.push_back(e);
        reponses_.push_back(e);
        if (!fil_.joinable())
            fil_ = std::thread([this] { boucle(); });
    }
    signal_.notify_one();
}

void CReseauLobby::boucle()
{
    CClientHttpLobby client(&arret_);
    for (;;) {
        std::shared_ptr<Entree> e;
        {
            std::unique_lock<std::mutex> verrou(mutex_);
            signal_.wait(verrou, [this] { return arret_ || !aFaire_.empty(); });
            if (arret_)
                return;
            e = aFaire_.front();
            aFaire_.pop_front();
        }
        if (e->travail)
            e->travail(client);
        {
            std::lock_guard<std::mutex> verrou(mutex_);
            e->fait = true;
        }
        faits_.notify_all();
    }
}

void CReseauLobby::appliquer()
{
    std::vector<std::shared_ptr<Entree>> prets;
    {
        std::lock_guard<std::mutex> verrou(mutex_);
        while (!reponses_.empty() && reponses_.front()->fait) {
            prets.push_back(reponses_.front());
            reponses_.pop_front();
        }
    }
    // Outside the lock: a continuation may queue the next request.
    for (const auto& e : prets)
        if (e->suite)
            e->suite();
}

bool CReseauLobby::attendre(int millisecondes)
{
    std::unique_lock<std::mutex> verrou(mutex_);
    return faits_.wait_for(verrou, std::chrono::milliseconds(millisecondes), [this] {
        for (const auto& e : reponses_)
            if (!e->fait)
                return false;
        return true;
    });
}

size_t CReseauLobby::enCours() const
{
    std::lock_guard<std::mutex> verrou(mutex_);
    return reponses_.size();
}
