#pragma once
// HTTP/1.1 requests to the lobby server, each bounded in time and size: connects within 1 s,
// finishes within 3 s, reads at most 16 KiB of headers and 1 MiB of body (by length, chunks
// or up to the close), follows no redirect. It never waits longer than 50 ms without looking
// at its cancellation flag. Not sf::Http: its time-out covers only the connection, and it
// reads whatever the server sends, in memory, until the server closes.
//
// The connection stays open after an answer whose end was known (by length or chunks) and
// serves the next request to the same server, for as long as the client lives: a lobby's
// requests share one. A kept connection idle for a second (`limites.inactivite`) is not used
// again (the server closes idle ones after a short time), and one that turns out closed
// before answering is replaced once by a new one.
#include <SFML/System/Clock.hpp>
#include <SFML/System/Time.hpp>

#include <atomic>
#include <cstddef>
#include <memory>
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
        // A kept connection idle longer than this is closed rather than used: the server
        // closes its idle ones after two seconds.
        sf::Time inactivite = sf::seconds(1);
    };

    explicit CClientHttpLobby(const std::atomic<bool>* annulation = nullptr);
    ~CClientHttpLobby();
    CClientHttpLobby(const CClientHttpLobby&) = delete;
    CClientHttpLobby& operator=(const CClientHttpLobby&) = delete;

    // url: the base address "http://host[:port]"; uri: the path from "/".
    ReponseHttp get(const std::string& url, const std::string& uri);
    // The body is a form (application/x-www-form-urlencoded).
    ReponseHttp post(const std::string& url, const std::string& uri, const std::string& formulaire);

    Limites limites;

private:
    struct Connexion;
    ReponseHttp executer(const std::string& url, const std::string& methode, const std::string& uri,
                         const std::string* formulaire);
    // The request over connexion_ (closed after it unless it can serve another); `muette`: a
    // kept connection (gardee) that closed before a byte of answer.
    ReponseHttp echanger(const std::string& requete, const sf::Clock& horloge, bool gardee, bool& muette);
    bool annule() const { return annulation_ && annulation_->load(); }

    const std::atomic<bool>* annulation_;
    std::unique_ptr<Connexion> connexion_;
};
