#pragma once
// The lobby server: the five scripts the game calls, under its service path, over HTTP/1.1.
// Players are keyed by the address of their connection, never by a field, so that a client
// edits and removes only its own records, and one address has only so many records and so
// many adds and edits a minute, and one network so many records and adds. The list text is
// cached until the store changes or the clock moves on to the next second; so is the last
// list answer whole, for the same request bytes.
#include "lobby/serveur/LimiteurAdresses.h"
#include "lobby/serveur/StockJoueurs.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace httplib { struct Request; struct Response; }
class CBoucleHttp;
struct RequeteHttp;

struct ConfigServeurLobby {
    std::string adresse = "127.0.0.1";
    int port = 8080;  // 0: a free port
    std::string chemin = "/duelix";
    int64_t expiration = 600;  // seconds without add or edit before a record goes
    size_t maxJoueurs = 10000;
    // Live records of one client address: two games on one machine, a few behind one router.
    size_t joueursParAdresse = 8;
    // Adds and edits of one client address in any 60 seconds; a game sends a few an hour.
    int ajoutsParMinute = 60;
    // Live records of one network (an IPv4 /24), so that one host with many addresses cannot
    // fill the lobby; 0: a sixteenth of maxJoueurs, and at least 64 so that a small server
    // still takes a local network's players.
    size_t joueursParReseau = 0;
    // Adds of one network in any 60 seconds.
    int ajoutsParReseau = 120;
    // Open connections of one client address.
    int connexionsParAdresse = 16;

    size_t plafondReseau() const { return joueursParReseau ? joueursParReseau : std::max<size_t>(64, maxJoueurs / 16); }
    // Live records of one /16 network, a quarter of maxJoueurs and at least one full /24: four
    // such networks fill the lobby. When it is full, a new player whose /16 holds fewer
    // players takes the place of the oldest of the /16 holding the most.
    size_t plafondReseau16() const { return std::max(plafondReseau(), maxJoueurs / 4); }
};

class CServeurLobby {
public:
    // Seconds of the calendar, kept in the base across reboots; injectable so that tests can
    // move time.
    using Horloge = std::function<int64_t()>;

    CServeurLobby(ConfigServeurLobby config, CStockJoueurs& stock, Horloge horloge = {});
    ~CServeurLobby();
    CServeurLobby(const CServeurLobby&) = delete;
    CServeurLobby& operator=(const CServeurLobby&) = delete;

    // Sweeps expired records, binds and serves on threads of its own: the port bound, or -1
    // with the reason in `erreur` (port in use, bad address).
    int demarrer(std::string& erreur);
    // Stops serving and joins; nothing when not started.
    void arreter();

    // Runs the sweep when the last one is 10 s old or more, or the clock went back since (also
    // called by each request): expired records go, and the store's files are looked at.
    void balayer(bool forcer = false);

    static int64_t horlogeSysteme();

private:
    class Http;
    void installerRoutes();
    void ajouter(const httplib::Request& req, httplib::Response& res, bool avecEtat);
    void deconnecter(const httplib::Request& req, httplib::Response& res);
    void lister(const httplib::Request& req, httplib::Response& res);
    // The list's text (the cache, remade when the store changed) into `sortie`.
    void texteListe(std::string& sortie);
    // On a worker: the answer to one whole request.
    void repondre(const RequeteHttp& q, std::string& reponse, bool& fermer);
    // The kept list answer, when q is the request it answered and the list has not changed.
    bool reponseGardee(const RequeteHttp& q, std::string& reponse, bool& fermer);

    // A list answer is a function of the request's bytes, whether it is the connection's
    // last, and the list: the same three give the same bytes, without the HTTP library.
    struct ReponseListe {
        std::string requete;
        bool derniere = false;
        uint64_t generation = 0;
        int64_t instant = 0;
        std::string octets;
        bool fermer = false;
    };

    ConfigServeurLobby config_;
    CStockJoueurs& stock_;
    Horloge horloge_;
    CLimiteurAdresses limiteur_;
    CLimiteurAdresses limiteurReseaux_;
    std::unique_ptr<Http> http_;
    std::unique_ptr<CBoucleHttp> boucle_;

    std::mutex mutex_;  // the cache and the sweep time
    int64_t dernierBalayage_ = 0;
    bool balaye_ = false;
    uint64_t generationCache_ = 0;
    int64_t instantCache_ = 0;  // the second the cache was made at
    bool cacheValide_ = false;
    std::string cache_;
    std::shared_ptr<const ReponseListe> reponseListe_;  // under mutex_
};
