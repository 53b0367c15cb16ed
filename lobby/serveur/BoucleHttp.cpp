#include "lobby/serveur/BoucleHttp.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr uint64_t ID_ECOUTE = 0;
constexpr uint64_t ID_REVEIL = 1;
// Deadlines are looked at this often: a connection goes at most this much past its own.
constexpr auto PAS = std::chrono::milliseconds(50);
// After the system refused a socket (too many open), accepting waits this long.
constexpr auto PAUSE_ECOUTE = std::chrono::milliseconds(100);
constexpr int EVENEMENTS_MAX = 256;
constexpr int ACCEPTATIONS_PAR_TOUR = 128;
constexpr size_t LECTURE = 16 * 1024;
// Reads per wake-up of one connection: no client keeps the thread to itself.
constexpr int LECTURES_PAR_TOUR = 4;
constexpr int FILE_ECOUTE = 1024;

enum class Etat { LECTURE, TRAITEMENT, ECRITURE, FERMETURE };

} // namespace

struct CBoucleHttp::Connexion {
    explicit Connexion(CDecoupeRequete::Limites l) : decoupe(l) {}
    int fd = -1;
    uint64_t id = 0;
    Etat etat = Etat::LECTURE;
    uint32_t surveille = 0;  // the events asked of epoll; 0: not registered
    std::string ip;
    int port = 0;
    std::string lu;  // from the start of the request under way
    bool enRequete = false;
    CDecoupeRequete decoupe;
    std::string reponse;
    size_t envoye = 0;
    int requetes = 0;
    bool fermerApres = false;
    Horloge::time_point echeance;
};

CBoucleHttp::CBoucleHttp(Config config, Traiteur traiteur) : config_(config), traiteur_(std::move(traiteur)) {}

CBoucleHttp::~CBoucleHttp()
{
    arreter();
    if (ecoute_ >= 0)
        ::close(ecoute_);
}

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
        ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(fd, FILE_ECOUTE) != 0 ||
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
    reveil_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    epoll_event e{};
    e.events = EPOLLIN;
    e.data.u64 = ID_ECOUTE;
    bool ok = epoll_ >= 0 && reveil_ >= 0 && ::epoll_ctl(epoll_, EPOLL_CTL_ADD, ecoute_, &e) == 0;
    e.data.u64 = ID_REVEIL;
    ok = ok && ::epoll_ctl(epoll_, EPOLL_CTL_ADD, reveil_, &e) == 0;
    if (!ok) {
        erreur = std::string("epoll : ") + std::strerror(errno);
        for (int* fd : {&epoll_, &reveil_})
            if (*fd >= 0)
                ::close(std::exchange(*fd, -1));
        return false;
    }
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
    {
        std::lock_guard<std::mutex> verrou(mutex_);
        arret_ = true;
    }
    signal_.notify_all();
    const uint64_t un = 1;
    (void)!::write(reveil_, &un, sizeof un);
    fil_.join();
    for (std::thread& t : travailleurs_)
        t.join();
    travailleurs_.clear();
    for (auto& [id, c] : connexions_)
        ::close(c->fd);
    connexions_.clear();
    taches_.clear();
    faits_.clear();
    ::close(std::exchange(epoll_, -1));
    ::close(std::exchange(reveil_, -1));
}

void CBoucleHttp::travailler()
{
    for (;;) {
        std::pair<uint64_t, RequeteHttp> t;
        {
            std::unique_lock<std::mutex> verrou(mutex_);
            signal_.wait(verrou, [this] { return arret_ || !taches_.empty(); });
            if (arret_)
                return;
            t = std::move(taches_.front());
            taches_.pop_front();
        }
        Fait f{t.first, {}, true};
        try {
            traiteur_(t.second, f.reponse, f.fermer);
        } catch (...) {
            f.reponse.clear();  // closed without an answer
        }
        {
            std::lock_guard<std::mutex> verrou(mutex_);
            faits_.push_back(std::move(f));
        }
        const uint64_t un = 1;
        (void)!::write(reveil_, &un, sizeof un);
    }
}

void CBoucleHttp::boucle()
{
    epoll_event evenements[EVENEMENTS_MAX];
    auto prochainBalayage = Horloge::now() + PAS;
    while (!arret_) {
        const int n = ::epoll_wait(epoll_, evenements, EVENEMENTS_MAX, static_cast<int>(PAS.count()));
        const auto maintenant = Horloge::now();
        for (int i = 0; i < n; ++i) {
            const uint64_t id = evenements[i].data.u64;
            if (id == ID_ECOUTE) {
                accepter(maintenant);
            } else if (id == ID_REVEIL) {
                uint64_t compte;
                (void)!::read(reveil_, &compte, sizeof compte);
                prendreFaits(maintenant);
            } else if (auto it = connexions_.find(id); it != connexions_.end()) {
                Connexion& c = *it->second;
                if (c.etat == Etat::ECRITURE)
                    ecrire(c, maintenant);
                else if (c.etat == Etat::FERMETURE)
                    vider(c);
                else if (c.etat == Etat::LECTURE)
                    lire(c, maintenant);
            }
        }
        if (maintenant >= prochainBalayage) {
            balayer(maintenant);
            prochainBalayage = maintenant + PAS;
        }
    }
}

void CBoucleHttp::surveiller(Connexion& c, uint32_t evenements)
{
    if (evenements == c.surveille)
        return;
    epoll_event e{};
    e.events = evenements;
    e.data.u64 = c.id;
    const int op = evenements == 0 ? EPOLL_CTL_DEL : c.surveille == 0 ? EPOLL_CTL_ADD : EPOLL_CTL_MOD;
    ::epoll_ctl(epoll_, op, c.fd, &e);
    c.surveille = evenements;
}

void CBoucleHttp::accepter(Horloge::time_point maintenant)
{
    for (int k = 0; k < ACCEPTATIONS_PAR_TOUR; ++k) {
        sockaddr_in a{};
        socklen_t l = sizeof a;
        const int fd = ::accept4(ecoute_, reinterpret_cast<sockaddr*>(&a), &l, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
                // The waiting connection stays queued: stop asking until sockets are freed.
                epoll_event e{};
                ::epoll_ctl(epoll_, EPOLL_CTL_MOD, ecoute_, &e);
                ecouteSuspendue_ = true;
                repriseEcoute_ = maintenant + PAUSE_ECOUTE;
                return;
            }
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return;
        }
        int un = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &un, sizeof un);
        auto c = std::make_unique<Connexion>(config_.limites);
        c->fd = fd;
        c->id = prochainId_++;
        char texte[INET_ADDRSTRLEN] = {};
        ::inet_ntop(AF_INET, &a.sin_addr, texte, sizeof texte);
        c->ip = texte;
        c->port = ntohs(a.sin_port);
        c->echeance = maintenant + config_.delaiInactif;
        surveiller(*c, EPOLLIN | EPOLLRDHUP);
        connexions_.emplace(c->id, std::move(c));
    }
}

void CBoucleHttp::lire(Connexion& c, Horloge::time_point maintenant)
{
    char tampon[LECTURE];
    for (int k = 0; k < LECTURES_PAR_TOUR; ++k) {
        const ssize_t n = ::recv(c.fd, tampon, sizeof tampon, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        if (n <= 0)
            return fermer(c.id);  // closed, or reset, whatever was under way
        if (!c.enRequete) {
            c.enRequete = true;
            c.echeance = maintenant + config_.delaiRequete;
        }
        c.lu.append(tampon, static_cast<size_t>(n));
        decouper(c);
        if (c.etat != Etat::LECTURE)
            return;
    }
}

void CBoucleHttp::decouper(Connexion& c)
{
    const CDecoupeRequete::Resultat r = c.decoupe.avancer(c.lu);
    if (!r.complet)
        return;
    RequeteHttp q;
    q.octets = c.lu.substr(0, r.taille);
    c.lu.erase(0, r.taille);
    q.ip = c.ip;
    q.port = c.port;
    q.ipLocale = adresse_;
    q.portLocal = port_;
    q.derniere = r.fermer || ++c.requetes >= config_.requetesParConnexion;
    c.fermerApres = q.derniere;
    c.decoupe.recommencer();
    c.enRequete = false;
    c.etat = Etat::TRAITEMENT;
    // Nothing is read while a worker answers; a reset is seen when the answer is written.
    surveiller(c, 0);
    {
        std::lock_guard<std::mutex> verrou(mutex_);
        taches_.emplace_back(c.id, std::move(q));
    }
    signal_.notify_one();
}

void CBoucleHttp::prendreFaits(Horloge::time_point maintenant)
{
    std::deque<Fait> faits;
    {
        std::lock_guard<std::mutex> verrou(mutex_);
        faits.swap(faits_);
    }
    for (Fait& f : faits) {
        const auto it = connexions_.find(f.id);
        if (it == connexions_.end())
            continue;
        Connexion& c = *it->second;
        if (f.reponse.empty()) {
            fermer(c.id);
            continue;
        }
        c.reponse = std::move(f.reponse);
        c.envoye = 0;
        c.fermerApres = c.fermerApres || f.fermer;
        c.etat = Etat::ECRITURE;
        c.echeance = maintenant + config_.delaiEcriture;
        ecrire(c, maintenant);
    }
}

void CBoucleHttp::ecrire(Connexion& c, Horloge::time_point maintenant)
{
    while (c.envoye < c.reponse.size()) {
        const ssize_t n = ::send(c.fd, c.reponse.data() + c.envoye, c.reponse.size() - c.envoye, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return surveiller(c, EPOLLOUT);
        if (n <= 0)
            return fermer(c.id);
        c.envoye += static_cast<size_t>(n);
    }
    c.reponse.clear();
    c.reponse.shrink_to_fit();
    if (!c.fermerApres)
        return attendreRequete(c, maintenant);
    // The answer leaves before the close: what the client still sends is read and dropped
    // for a while, so that the close does not reset the connection under the answer.
    ::shutdown(c.fd, SHUT_WR);
    c.lu.clear();
    c.etat = Etat::FERMETURE;
    c.echeance = maintenant + config_.delaiInactif;
    surveiller(c, EPOLLIN | EPOLLRDHUP);
}

void CBoucleHttp::attendreRequete(Connexion& c, Horloge::time_point maintenant)
{
    c.etat = Etat::LECTURE;
    c.echeance = maintenant + config_.delaiInactif;
    surveiller(c, EPOLLIN | EPOLLRDHUP);
    if (c.lu.empty())
        return;
    // The next request came with the last one.
    c.enRequete = true;
    c.echeance = maintenant + config_.delaiRequete;
    decouper(c);
}

void CBoucleHttp::vider(Connexion& c)
{
    char tampon[LECTURE];
    for (int k = 0; k < LECTURES_PAR_TOUR; ++k) {
        const ssize_t n = ::recv(c.fd, tampon, sizeof tampon, 0);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
            return;
        if (n <= 0)
            return fermer(c.id);
    }
}

void CBoucleHttp::fermer(uint64_t id)
{
    const auto it = connexions_.find(id);
    if (it == connexions_.end())
        return;
    // close() also takes the socket out of epoll.
    ::close(it->second->fd);
    connexions_.erase(it);
}

void CBoucleHttp::balayer(Horloge::time_point maintenant)
{
    if (ecouteSuspendue_ && maintenant >= repriseEcoute_) {
        epoll_event e{};
        e.events = EPOLLIN;
        e.data.u64 = ID_ECOUTE;
        ::epoll_ctl(epoll_, EPOLL_CTL_MOD, ecoute_, &e);
        ecouteSuspendue_ = false;
    }
    std::vector<uint64_t> echues;
    for (const auto& [id, c] : connexions_)
        if (c->etat != Etat::TRAITEMENT && maintenant >= c->echeance)
            echues.push_back(id);
    for (uint64_t id : echues)
        fermer(id);
}
