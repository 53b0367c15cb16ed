#pragma once
// One HTTP/1.1 request to the lobby server, bounded in time and size: connects within 1 s,
// finishes within 3 s, reads at most 16 KiB of headers and 1 MiB of body (by length, chunks
// or up to the close), follows no redirect. It never waits longer than 50 ms without looking
// at its cancellation flag. Not sf::Http: its time-out covers only the connection, and it
// reads whatever the server sends, in memory, until the server closes.
#include <SFML/System/Time.hpp>

#include <atomic>
#include <cstddef>
#include <string>

struct ReponseHttp {
    // The HTTP status, or CClientHttpLobby::SANS_REPONSE / REPONSE_INVALIDE.
    int statut = 1001;
    std::string corps;
};

class CClientHttpLobby {
public:
    // No connection, or no complete answer in time (also when cancelled).
    static constexpr int SANS_REPONSE = 1001;
    // Not HTTP/1.x, too large, or cut short.
    static constexpr int REPONSE_INVALIDE = 1000;

    struct Limites {
        sf::Time connexion = sf::seconds(1);
        sf::Time total = sf::seconds(3);
        size_t entetes = 16 * 1024;
        size_t corps = 1024 * 1024;
    };

    explicit CClientHttpLobby(const std::atomic<bool>* annulation = nullptr) : annulation_(annulation) {}

    // url: the base address "http://host[:port]"; uri: the path from "/".
    ReponseHttp get(const std::string& url, const std::string& uri);
    // The body is a form (application/x-www-form-urlencoded).
    ReponseHttp post(const std::string& url, const std::string& uri, const std::string& formulaire);

    Limites limites;

private:
    ReponseHttp executer(const std::string& url, const std::string& methode, const std::string& uri,
                         const std::string* formulaire);
    bool annule() const { return annulation_ && annulation_->load(); }

    const std::atomic<bool>* annulation_;
};
