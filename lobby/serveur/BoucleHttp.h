#pragma once
// The lobby server's connections, on non-blocking sockets. One thread accepts them and closes
// those past their deadline; a few workers wait for the connections' events, read, answer and
// write. A worker takes a connection for one event only (EPOLLONESHOT): what it reads or writes
// is what the socket holds at once, never a wait, so a connection that dawdles or says nothing
// costs a socket, never a worker. The worker woken by a request answers it itself: one
// wake-up per request. Each connection has one deadline at a time: for its next request to
// begin (idle), for the request to arrive whole from its first byte, for its answer to be
// taken; past it the connection closes. Small answers leave at once (TCP_NODELAY on every
// connection).
// A connection's system send buffer is small (a few hundred KB): one that asks and never reads
// holds about one answer until its write deadline, which resets it and drops what was unsent.
// The system hands a connection over once its first byte came, or after a second of silence,
// so that silent ones hold no descriptor meanwhile and queue no newcomer behind them.
// One address holds only so many connections; more are refused as they are accepted. When
// descriptors run short (the one accepted is past 80 % of the limit, or none is left),
// connections go, an eighth at a time: those that never completed a request (silent,
// dripping a header, or never taking their answer) first, from addresses that completed none
// lately before the others, the longest held first; the others only once none of those is
// left, the longest since their last request. While the next to go is less than 20 ms old
// (its request may be on its way), none goes: accepting waits and newcomers stay queued.
#include "lobby/serveur/DecoupeRequete.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

struct RequeteHttp {
    std::string octets;  // one whole request, as received
    std::string ip;      // the client's address and port
    int port = 0;
    std::string ipLocale;  // the address and port listened on
    int portLocal = 0;
    // The connection closes after this answer (the request's framing or the count per
    // connection says so): the answer should say it.
    bool derniere = false;
};

class CBoucleHttp {
public:
    using Duree = std::chrono::milliseconds;
    struct Config {
        Duree delaiInactif{2000};   // from the connection or the last answer to a first byte
        Duree delaiRequete{2000};   // from the first byte to the whole request
        Duree delaiEcriture{5000};  // for the client to take the whole answer
        int travailleurs = 4;
        int requetesParConnexion = 5;
        CDecoupeRequete::Limites limites;
        int connexionsParAdresse = 0;  // 0: no limit
        int descripteursMax = 0;       // 0: the process's limit
    };
    // Runs on a worker: the answer's bytes, and `fermer` set when the connection must close
    // after it. An empty answer closes the connection at once.
    using Traiteur = std::function<void(const RequeteHttp&, std::string& reponse, bool& fermer)>;

    CBoucleHttp(Config config, Traiteur traiteur);
    ~CBoucleHttp();
    CBoucleHttp(const CBoucleHttp&) = delete;
    CBoucleHttp& operator=(const CBoucleHttp&) = delete;

    // Binds and listens on an IPv4 address (port 0: a free one): the port, or -1 with the
    // reason. Connections wait in the queue until demarrer().
    int ecouter(const std::string& adresse, int port, std::string& erreur);
    // Starts the thread and the workers; false when not listening or out of resources.
    bool demarrer(std::string& erreur);
    // Closes every connection and joins; nothing when not started.
    void arreter();

private:
    using Horloge = std::chrono::steady_clock;
    struct Connexion;
    using Connexions = std::unordered_map<uint64_t, std::unique_ptr<Connexion>>;

    void boucle();
    void travailler();
    void accepter(Horloge::time_point maintenant);
    // A socket just accepted becomes a connection, unless its address has its share.
    void admettre(int fd, const std::string& ip, int port, Horloge::time_point maintenant);
    // Descriptors run short: closes connections, the least useful first; how many.
    size_t liberer(Horloge::time_point maintenant);
    // On a worker, the connection taken: what its event allows, then false once closed.
    bool servir(Connexion& c, Horloge::time_point maintenant);
    bool lire(Connexion& c, Horloge::time_point maintenant);
    // The request of `taille` bytes at the start of c.lu answered here, then written.
    bool repondre(Connexion& c, size_t taille, bool fermerApres);
    bool ecrire(Connexion& c, Horloge::time_point maintenant);
    bool vider(Connexion& c);
    // The caller holds mutex_. A connection cut (past its deadline, or to free its
    // descriptor) drops what it still had to send.
    void fermer(Connexion& c);
    Connexions::iterator oter(Connexions::iterator it, bool couper);
    void balayer(Horloge::time_point maintenant);

    Config config_;
    Traiteur traiteur_;
    int ecoute_ = -1;
    int epoll_ = -1;            // the listening socket and reveil_: the thread's
    int epollConnexions_ = -1;  // the connections and reveil_: the workers'
    int reveil_ = -1;           // readable once stopping
    std::string adresse_;
    int port_ = 0;
    bool ecouteSuspendue_ = false;
    Horloge::time_point repriseEcoute_;
    int seuilDescripteurs_ = 0;  // 80 % of the limit
    std::string refusAdresse_;  // the answer of a connection past its address's share

    std::mutex mutex_;  // the maps, which connection a worker holds, and each one's watch
    Connexions connexions_;
    std::unordered_map<std::string, int> parAdresse_;  // open connections of each address
    // Connections that never completed a request, by age (their ids): from addresses that
    // had completed none lately when accepted, then from the others.
    std::set<uint64_t> nouvelles_[2];
    // Addresses that completed a request lately, and when.
    std::unordered_map<std::string, Horloge::time_point> parleurs_;
    Horloge::time_point prochainOubli_;  // the thread's
    uint64_t prochainId_ = 2;

    std::atomic<bool> arret_{false};
    std::thread fil_;
    std::vector<std::thread> travailleurs_;
};
