#include "lobby/serveur/BoucleHttp.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <utility>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>
#include <linux/sockios.h>

namespace {

constexpr uint64_t ID_ECOUTE = 0;
constexpr uint64_t ID_REVEIL = 1;
// Deadlines are looked at this often: a connection goes at most this much past its own.
constexpr auto PAS = std::chrono::milliseconds(50);
// After the system refused a socket (out of memory), accepting waits this long.
constexpr auto PAUSE_ECOUTE = std::chrono::milliseconds(100);
// Descriptors running short close no connection accepted less than this long ago that has not
// completed a request: its request may be on its way, or half read. Short, since meanwhile
// accepting waits.
constexpr auto ACCUEIL = std::chrono::milliseconds(20);
constexpr int ACCEPTATIONS_PAR_TOUR = 128;
constexpr size_t LECTURE = 16 * 1024;
// Reads per event of one connection: no client keeps a worker to itself.
constexpr int LECTURES_PAR_TOUR = 4;
// Connections waiting to be accepted (the system caps it): under a flood, a newcomer waits in
// the queue rather than having its opening dropped and retried a second later.
constexpr int FILE_ECOUTE = 4096;
// The system hands a connection over once its first byte came, or after this many seconds
// without (it then answers the handshake once more): one that says nothing holds no
// descriptor meanwhile, and a newcomer that speaks is not queued behind silent ones.
constexpr int PREMIER_OCTET_S = 1;
constexpr uint32_t EN_LECTURE = EPOLLIN | EPOLLRDHUP;
// The system's send buffer of one connection (it doubles it for its own use): a client that
// asks and never reads holds this and the answer under way, not megabytes of the system's
// memory; an honest client takes a whole list answer in a couple of round trips.
constexpr int TAMPON_ENVOI = 128 * 1024;
// How long, and how many, addresses that sent requests are remembered.
constexpr auto DUREE_PARLEURS = std::chrono::minutes(5);
constexpr size_t PARLEURS_MAX = 65536;

enum class Etat { LECTURE, ECRITURE, FERMETURE };

} // namespace

struct CBoucleHttp::Connexion {
    explicit Connexion(CDecoupeRequete::Limites l) : decoupe(l) {}
    int fd = -1;
    uint64_t id = 0;
    // Written by the worker that holds the connection; read by the sweep when none does.
    Etat etat = Etat::LECTURE;
    uint32_t surveille = EN_LECTURE;  // the events it waits for
    bool tenue = false;               // a worker has it (under mutex_)
    std::string ip;
    int port = 0;
    std::string lu;  // from the start of the request under way
    bool enRequete = false;
    // Accepted, or its last answer taken whole: how long it has held a descriptor without
    // completing a request.
    Horloge::time_point depuis;
    bool abouti = false;  // an answer of it was taken whole (under mutex_)
    bool connue = false;  // its address had completed a request lately when it was accepted
    CDecoupeRequete decoupe;
    std::string reponse;
    size_t envoye = 0;
    int requetes = 0;
    bool fermerApres = false;
    Horloge::time_point echeance;

    // Waiting for a request to begin: nothing of it read, nothing to write.
    bool inactive() const { return !tenue && etat == Etat::LECTURE && !enRequete; }
};

CBoucleHttp::CBoucleHttp(Config config, Traiteur traiteur) : config_(config), traiteur_(std::move(traiteur)) {}

CBoucleHttp::~CBoucleHttp()
{
    arreter();
    if (ecoute_ >= 0)
        ::close(ecoute_);
}

namespace {

int limiteDescripteurs(int configuree)
{
    rlimit l{};
    if (configuree > 0 || ::getrlimit(RLIMIT_NOFILE, &l) != 0)
        return configuree > 0 ? configuree : 1024;
    return static_cast<int>(std::min<rlim_t>(l.rlim_cur, std::numeric_limits<int>::max()));
}

std::string reponseRefus(int parAdresse)
{
    const std::string corps = "trop de connexions pour cette adresse : " + std::to_string(parAdresse) + " au plus\n";
    return "HTTP/1.1 429 Too Many Requests\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: " +
           std::to_string(corps.size()) + "\r\nConnection: close\r\n\r\n" + corps;
}

} // namespace

int CBoucleHttp::ecouter(const std::string& adresse, int port, std::string& erreur)
{
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    int un = 1;
    socklen_t l = sizeof a;
    if (fd < 0 || ecoute_ >= 0 || ::inet_pton(AF_INET, adresse.c_str(), &a.sin_addr) != 1 ||
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &un, sizeof un) != 0 ||
        ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        ::setsockopt(fd, IPPROTO_TCP, TCP_DEFER_ACCEPT, &PREMIER_OCTET_S, sizeof PREMIER_OCTET_S) != 0 ||
        ::listen(fd, FILE_ECOUTE) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &l) != 0) {
        erreur = "impossible d'écouter sur " + adresse + ":" + std::to_string(port) +
                 " (port occupé ou adresse invalide)";
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    ecoute_ = fd;
    adresse_ = adresse;
    port_ = ntohs(a.sin_port);
    return port_;
}

bool CBoucleHttp::demarrer(std::string& erreur)
{
    if (ecoute_ < 0 || fil_.joinable()) {
        erreur = ecoute_ < 0 ? "pas d'écoute" : "déjà démarré";
        return false;
    }
    epoll_ = ::epoll_create1(EPOLL_CLOEXEC);
    epollConnexions_ = ::epoll_create1(EPOLL_CLOEXEC);
    reveil_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    epoll_event e{};
    e.events = EPOLLIN;
    e.data.u64 = ID_ECOUTE;
    bool ok = epoll_ >= 0 && epollConnexions_ >= 0 && reveil_ >= 0 &&
              ::epoll_ctl(epoll_, EPOLL_CTL_ADD, ecoute_, &e) == 0;
    // Never read: once written, it wakes the thread and every worker until they are gone.
    e.data.u64 = ID_REVEIL;
    ok = ok && ::epoll_ctl(epoll_, EPOLL_CTL_ADD, reveil_, &e) == 0 &&
         ::epoll_ctl(epollConnexions_, EPOLL_CTL_ADD, reveil_, &e) == 0;
    if (!ok) {
        erreur = std::string("epoll : ") + std::strerror(errno);
        for (int* fd : {&epoll_, &epollConnexions_, &reveil_})
            if (*fd >= 0)
                ::close(std::exchange(*fd, -1));
        return false;
    }
    seuilDescripteurs_ = static_cast<int>(int64_t{limiteDescripteurs(config_.descripteursMax)} * 8 / 10);
    refusAdresse_ = reponseRefus(config_.connexionsParAdresse);
    arret_ = false;
    for (int i = 0; i < config_.travailleurs; ++i)
        travailleurs_.emplace_back([this] { travailler(); });
    fil_ = std::thread([this] { boucle(); });
    return true;
}

void CBoucleHttp::arreter()
{
    if (!fil_.joinable())
        return;
    arret_ = true;
    const uint64_t un = 1;
    (void)!::write(reveil_, &un, sizeof un);
    fil_.join();
    for (std::thread& t : travailleurs_)
        t.join();
    travailleurs_.clear();
    for (auto it = connexions_.begin(); it != connexions_.end();)
        it = oter(it, false);
    for (int* fd : {&epoll_, &epollConnexions_, &reveil_})
        if (*fd >= 0)
            ::close(std::exchange(*fd, -1));
}

void CBoucleHttp::boucle()
{
    epoll_event evenements[2];
    auto prochainBalayage = Horloge::now() + PAS;
    while (!arret_) {
        // While accepting waits, the listening socket is not watched: wake when it resumes.
        Duree attente = PAS;
        if (ecouteSuspendue_)
            attente = std::clamp(std::chrono::ceil<Duree>(repriseEcoute_ - Horloge::now()), Duree(0), attente);
        const int n = ::epoll_wait(epoll_, evenements, 2, static_cast<int>(attente.count()));
        const auto maintenant = Horloge::now();
        if (ecouteSuspendue_ && maintenant >= repriseEcoute_) {
            epoll_event e{};
            e.events = EPOLLIN;
            e.data.u64 = ID_ECOUTE;
            ::epoll_ctl(epoll_, EPOLL_CTL_MOD, ecoute_, &e);
            ecouteSuspendue_ = false;
        }
        for (int i = 0; i < n; ++i)
            if (evenements[i].data.u64 == ID_ECOUTE)
                accepter(maintenant);
        if (maintenant >= prochainBalayage) {
            balayer(maintenant);
            prochainBalayage = maintenant + PAS;
        }
    }
}

void CBoucleHttp::travailler()
{
    while (!arret_) {
        // One event at a time: the others stay for the other workers. No time-out: deadlines
        // are the thread's, and the stop wakes every worker through reveil_; a wait without
        // one arms no timer at each request.
        epoll_event e;
        if (::epoll_wait(epollConnexions_, &e, 1, -1) != 1 || e.data.u64 == ID_REVEIL)
            continue;
        Connexion* c = nullptr;
        {
            std::lock_guard<std::mutex> verrou(mutex_);
            const auto it = connexions_.find(e.data.u64);
            if (it == connexions_.end())
                continue;  // closed by the sweep meanwhile
            c = it->second.get();
            c->tenue = true;
        }
        if (!servir(*c, Horloge::now()))
            continue;
        // Handed back and watched again together: the sweep never closes a socket that a
        // worker still uses, nor one whose number could be reused before it is watched.
        std::lock_guard<std::mutex> verrou(mutex_);
        c->tenue = false;
        epoll_event r{};
        r.events = c->surveille | EPOLLONESHOT;
        r.data.u64 = c->id;
        ::epoll_ctl(epollConnexions_, EPOLL_CTL_MOD, c->fd, &r);
    }
}

void CBoucleHttp::accepter(Horloge::time_point maintenant)
{
    for (int k = 0; k < ACCEPTATIONS_PAR_TOUR; ++k) {
        sockaddr_in a{};
        socklen_t l = sizeof a;
        const int fd = ::accept4(ecoute_, reinterpret_cast<sockaddr*>(&a), &l, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            const bool aucun = errno == EMFILE || errno == ENFILE;
            if (aucun && liberer(maintenant) > 0)
                continue;
            if (aucun || errno == ENOBUFS || errno == ENOMEM) {
                // The waiting connection stays queued, rather than refused: stop asking until
                // the connections just accepted had their first byte's time.
                epoll_event e{};
                ::epoll_ctl(epoll_, EPOLL_CTL_MOD, ecoute_, &e);
                ecouteSuspendue_ = true;
                repriseEcoute_ = maintenant + (aucun ? Duree(ACCUEIL) : Duree(PAUSE_ECOUTE));
                return;
            }
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return;
        }
        // Descriptors are numbered from the lowest free one: a high number means few are left.
        if (fd >= seuilDescripteurs_)
            liberer(maintenant);
        char texte[INET_ADDRSTRLEN] = {};
        ::inet_ntop(AF_INET, &a.sin_addr, texte, sizeof texte);
        admettre(fd, texte, ntohs(a.sin_port), maintenant);
    }
}

void CBoucleHttp::admettre(int fd, const std::string& ip, int port, Horloge::time_point maintenant)
{
    std::lock_guard<std::mutex> verrou(mutex_);
    int& ouvertes = parAdresse_[ip];
    if (config_.connexionsParAdresse > 0 && ouvertes >= config_.connexionsParAdresse) {
        (void)!::send(fd, refusAdresse_.data(), refusAdresse_.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        ::close(fd);
        return;
    }
    int un = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &un, sizeof un);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &TAMPON_ENVOI, sizeof TAMPON_ENVOI);
    auto c = std::make_unique<Connexion>(config_.limites);
    c->fd = fd;
    c->ip = ip;
    c->port = port;
    c->echeance = maintenant + config_.delaiInactif;
    c->depuis = maintenant;
    c->connue = parleurs_.count(ip) > 0;
    c->id = prochainId_++;
    epoll_event e{};
    e.events = EN_LECTURE | EPOLLONESHOT;
    e.data.u64 = c->id;
    if (::epoll_ctl(epollConnexions_, EPOLL_CTL_ADD, fd, &e) != 0) {
        ::close(fd);
        if (ouvertes == 0)
            parAdresse_.erase(ip);
        return;
    }
    ++ouvertes;
    nouvelles_[c->connue].insert(c->id);
    connexions_.emplace(c->id, std::move(c));
}

size_t CBoucleHttp::liberer(Horloge::time_point maintenant)
{
    std::lock_guard<std::mutex> verrou(mutex_);
    // An eighth of the connections at a time: the numbers freed serve the next accepts.
    const size_t n = connexions_.size() / 8 + 1;
    size_t fermees = 0;
    // Those that never completed a request go first: a silence, a dripping header and an
    // answer never taken alike, since an honest client completes its request within
    // milliseconds. Strangers before known addresses, then the longest held: the order of
    // acceptance.
    for (std::set<uint64_t>& ids : nouvelles_) {
        for (auto id = ids.begin(); id != ids.end() && fermees < n;) {
            const auto it = connexions_.find(*id++);
            const Connexion& c = *it->second;
            if (c.tenue)
                continue;
            // None in its first moments, its request may be on its way or half read; nor
            // those ranked after it: accepting waits for them.
            if (maintenant - c.depuis < ACCUEIL)
                return fermees;
            // A request that came since the last look waits for a worker: not idle after all.
            char octet;
            if (c.inactive() && ::recv(c.fd, &octet, 1, MSG_PEEK | MSG_DONTWAIT) > 0)
                continue;
            oter(it, true);
            ++fermees;
        }
    }
    if (fermees > 0 || !nouvelles_[0].empty() || !nouvelles_[1].empty())
        return fermees;
    // Only players keeping their connections are left: the longest idle go.
    std::vector<std::pair<Horloge::time_point, Connexions::iterator>> abouties;
    for (auto it = connexions_.begin(); it != connexions_.end(); ++it)
        if (!it->second->tenue)
            abouties.emplace_back(it->second->depuis, it);
    const size_t m = std::min(abouties.size(), n);
    std::partial_sort(abouties.begin(), abouties.begin() + static_cast<std::ptrdiff_t>(m), abouties.end(),
                      [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < m; ++i) {
        char octet;
        if (!abouties[i].second->second->inactive() ||
            ::recv(abouties[i].second->second->fd, &octet, 1, MSG_PEEK | MSG_DONTWAIT) <= 0) {
            oter(abouties[i].second, true);
            ++fermees;
        }
    }
    return fermees;
}

bool CBoucleHttp::servir(Connexion& c, Horloge::time_point maintenant)
{
    if (c.etat == Etat::FERMETURE)
        return vider(c);
    if (c.etat == Etat::ECRITURE) {
        if (!ecrire(c, maintenant))
            return false;
        // The answer still waits for the socket, or the connection closes: nothing to read.
        if (c.etat != Etat::LECTURE)
            return true;
    }
    return lire(c, maintenant);
}

bool CBoucleHttp::lire(Connexion& c, Horloge::time_point maintenant)
{
    char tampon[LECTURE];
    for (int lectures = 0;;) {
        // What came already may hold whole requests: each is answered before reading on.
        if (!c.lu.empty()) {
            const CDecoupeRequete::Resultat r = c.decoupe.avancer(c.lu);
            if (r.complet) {
                if (!repondre(c, r.taille, r.fermer))
                    return false;
                // Once answered, a connection with nothing left is watched again rather than
                // read: its next bytes wake a worker.
                if (c.etat != Etat::LECTURE || c.lu.empty())
                    return true;
                continue;
            }
        }
        if (lectures == LECTURES_PAR_TOUR)
            return true;
        const ssize_t n = ::recv(c.fd, tampon, sizeof tampon, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return true;
        if (n <= 0) {
            // Closed, or reset, whatever was under way.
            std::lock_guard<std::mutex> verrou(mutex_);
            fermer(c);
            return false;
        }
        ++lectures;
        if (!c.enRequete) {
            c.enRequete = true;
            c.echeance = maintenant + config_.delaiRequete;
        }
        c.lu.append(tampon, static_cast<size_t>(n));
    }
}

bool CBoucleHttp::repondre(Connexion& c, size_t taille, bool fermerApres)
{
    RequeteHttp q;
    q.octets = c.lu.substr(0, taille);
    c.lu.erase(0, taille);
    q.ip = c.ip;
    q.port = c.port;
    q.ipLocale = adresse_;
    q.portLocal = port_;
    q.derniere = fermerApres || ++c.requetes >= config_.requetesParConnexion;
    c.decoupe.recommencer();
    c.enRequete = false;
    bool fermerReponse = true;
    c.reponse.clear();
    try {
        traiteur_(q, c.reponse, fermerReponse);
    } catch (...) {
        c.reponse.clear();  // closed without an answer
    }
    if (c.reponse.empty()) {
        std::lock_guard<std::mutex> verrou(mutex_);
        fermer(c);
        return false;
    }
    c.envoye = 0;
    c.fermerApres = q.derniere || fermerReponse;
    c.etat = Etat::ECRITURE;
    // From the answer's end: the time a handler took is not the client's.
    const auto maintenant = Horloge::now();
    c.echeance = maintenant + config_.delaiEcriture;
    return ecrire(c, maintenant);
}

bool CBoucleHttp::ecrire(Connexion& c, Horloge::time_point maintenant)
{
    while (c.envoye < c.reponse.size()) {
        const ssize_t n = ::send(c.fd, c.reponse.data() + c.envoye, c.reponse.size() - c.envoye, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            c.surveille = EPOLLOUT;
            return true;
        }
        if (n <= 0) {
            std::lock_guard<std::mutex> verrou(mutex_);
            fermer(c);
            return false;
        }
        c.envoye += static_cast<size_t>(n);
    }
    c.reponse.clear();
    c.reponse.shrink_to_fit();
    c.surveille = EN_LECTURE;
    c.echeance = maintenant + config_.delaiInactif;
    c.depuis = maintenant;
    if (!c.abouti) {
        std::lock_guard<std::mutex> verrou(mutex_);
        c.abouti = true;
        nouvelles_[c.connue].erase(c.id);
        if (parleurs_.size() < PARLEURS_MAX || parleurs_.count(c.ip))
            parleurs_[c.ip] = maintenant;
    }
    if (!c.fermerApres) {
        c.etat = Etat::LECTURE;
        if (!c.lu.empty()) {
            // The next request came with the last one.
            c.enRequete = true;
            c.echeance = maintenant + config_.delaiRequete;
        }
        return true;
    }
    // The answer leaves before the close: what the client still sends is read and dropped
    // for a while, so that the close does not reset the connection under the answer.
    ::shutdown(c.fd, SHUT_WR);
    c.lu.clear();
    c.etat = Etat::FERMETURE;
    return true;
}

bool CBoucleHttp::vider(Connexion& c)
{
    char tampon[LECTURE];
    for (int k = 0; k < LECTURES_PAR_TOUR; ++k) {
        const ssize_t n = ::recv(c.fd, tampon, sizeof tampon, 0);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
            return true;
        if (n <= 0) {
            std::lock_guard<std::mutex> verrou(mutex_);
            fermer(c);
            return false;
        }
    }
    return true;
}

void CBoucleHttp::fermer(Connexion& c) { oter(connexions_.find(c.id), false); }

CBoucleHttp::Connexions::iterator CBoucleHttp::oter(Connexions::iterator it, bool couper)
{
    Connexion& c = *it->second;
    // An answer the client has not taken by then is dropped with the connection (a reset),
    // rather than left to the system to push for minutes after the close.
    int enAttente = 0;
    if (couper && ::ioctl(c.fd, SIOCOUTQ, &enAttente) == 0 && enAttente > 0) {
        const linger sec{1, 0};
        ::setsockopt(c.fd, SOL_SOCKET, SO_LINGER, &sec, sizeof sec);
    }
    // close() also takes the socket out of epoll.
    ::close(c.fd);
    if (!c.abouti)
        nouvelles_[c.connue].erase(c.id);
    const auto a = parAdresse_.find(c.ip);
    if (a != parAdresse_.end() && --a->second <= 0)
        parAdresse_.erase(a);
    return connexions_.erase(it);
}

void CBoucleHttp::balayer(Horloge::time_point maintenant)
{
    std::lock_guard<std::mutex> verrou(mutex_);
    for (auto it = connexions_.begin(); it != connexions_.end();) {
        const Connexion& c = *it->second;
        if (!c.tenue && maintenant >= c.echeance)
            it = oter(it, true);
        else
            ++it;
    }
    if (maintenant < prochainOubli_)
        return;
    prochainOubli_ = maintenant + std::chrono::seconds(1);
    for (auto it = parleurs_.begin(); it != parleurs_.end();)
        it = maintenant - it->second > DUREE_PARLEURS ? parleurs_.erase(it) : std::next(it);
}
