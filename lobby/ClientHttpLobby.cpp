#include "lobby/ClientHttpLobby.h"

#include "lobby/ProtocoleLobby.h"

#include <SFML/Network/IpAddress.hpp>
#include <SFML/Network/TcpSocket.hpp>
#include <SFML/System/Clock.hpp>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/time.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const sf::Time TRANCHE = sf::milliseconds(50);
// A player list of a thousand lines comes in one or two reads.
constexpr size_t TAILLE_LECTURE = 64 * 1024;

// sf::TcpSocket connects with one blocking wait; this one connects in slices so that a
// cancellation is seen at once, then hands the connected descriptor to SFML.
class SocketLobby : public sf::TcpSocket {
public:
    bool connecter(const sf::IpAddress& ip, unsigned short port, sf::Time delai, const std::atomic<bool>* annulation)
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return false;
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        a.sin_addr.s_addr = htonl(ip.toInteger());
        int r = ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        sf::Clock horloge;
        while (r != 0) {
            if (errno != EINPROGRESS && errno != EINTR) {
                ::close(fd);
                return false;
            }
            const sf::Time reste = delai - horloge.getElapsedTime();
            if (reste <= sf::Time::Zero || (annulation && annulation->load())) {
                ::close(fd);
                return false;
            }
            pollfd p{fd, POLLOUT, 0};
            const int n = ::poll(&p, 1, std::min(reste, TRANCHE).asMilliseconds() + 1);
            if (n > 0) {
                int erreur = 0;
                socklen_t l = sizeof erreur;
                ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &erreur, &l);
                if (erreur != 0) {
                    ::close(fd);
                    return false;
                }
                r = 0;
            } else {
                errno = EINPROGRESS;
            }
        }
        create(fd);
        setBlocking(true);
        return limiterLecture(TRANCHE);
    }

    // A read waits at most `delai` (at least a millisecond) for the first byte.
    bool limiterLecture(sf::Time delai)
    {
        const sf::Int64 us = std::max<sf::Int64>(delai.asMicroseconds(), 1000);
        if (us == delaiLecture_)
            return true;
        const timeval t{static_cast<time_t>(us / 1000000), static_cast<suseconds_t>(us % 1000000)};
        if (::setsockopt(descripteur(), SOL_SOCKET, SO_RCVTIMEO, &t, sizeof t) != 0)
            return false;
        delaiLecture_ = us;
        return true;
    }

    int descripteur() const { return static_cast<int>(getHandle()); }

private:
    sf::Int64 delaiLecture_ = 0;
};

// The body read as it comes, by Content-Length, chunks, or up to the close.
class LecteurCorps {
public:
    enum Mode { LONGUEUR, MORCEAUX, FERMETURE };
    enum Etat { INCOMPLET, COMPLET, INVALIDE };

    LecteurCorps(Mode m, size_t longueur, size_t max) : mode_(m), longueur_(longueur), max_(max)
    {
        if (m == LONGUEUR)
            corps.reserve(longueur);
    }

    // Takes what came after the headers; INVALIDE when too large or malformed.
    Etat ajouter(const char* d, size_t n, bool ferme)
    {
        if (mode_ == LONGUEUR) {
            const size_t pris = std::min(n, longueur_ - corps.size());
            corps.append(d, pris);
            surplus = surplus || pris < n;
            if (corps.size() >= longueur_)
                return COMPLET;
            return ferme ? INVALIDE : INCOMPLET;
        }
        if (mode_ == FERMETURE) {
            corps.append(d, n);
            if (corps.size() > max_)
                return INVALIDE;
            return ferme ? COMPLET : INCOMPLET;
        }
        brut_.append(d, n);
        const Etat e = decouper();
        surplus = e == COMPLET && pos_ < brut_.size();
        return (e == INCOMPLET && ferme) ? INVALIDE : e;
    }

    // Whether the connection can serve another request: the end of the body was known and
    // nothing came after it.
    bool reutilisable() const { return mode_ != FERMETURE && !surplus; }

    std::string corps;
    bool surplus = false;  // bytes past the end of the answer

private:
    Etat decouper()
    {
        for (;;) {
            if (reste_ == 0) {
                const size_t fin = brut_.find("\r\n", pos_);
                if (fin == std::string::npos)
                    return brut_.size() - pos_ > 1024 ? INVALIDE : INCOMPLET;
                const std::string ligne = brut_.substr(pos_, fin - pos_);
                if (finChunks_) {
                    // Trailer lines up to an empty one.
                    pos_ = fin + 2;
                    if (ligne.empty())
                        return COMPLET;
                    continue;
                }
                size_t taille = 0;
                const size_t chiffres = ligne.find_first_not_of("0123456789abcdefABCDEF");
                const size_t n = chiffres == std::string::npos ? ligne.size() : chiffres;
                if (n == 0 || n > 8)
                    return INVALIDE;
                taille = std::stoul(ligne.substr(0, n), nullptr, 16);
                pos_ = fin + 2;
                if (taille == 0) {
                    finChunks_ = true;
                    continue;
                }
                if (corps.size() + taille > max_)
                    return INVALIDE;
                reste_ = taille + 2;  // the data, then its CR LF
            }
            const size_t dispo = brut_.size() - pos_;
            if (dispo == 0)
                return INCOMPLET;
            const size_t pris = std::min(dispo, reste_);
            const size_t donnees = reste_ > 2 ? std::min(pris, reste_ - 2) : 0;
            corps.append(brut_, pos_, donnees);
            pos_ += pris;
            reste_ -= pris;
            if (pos_ > 64 * 1024) {
                brut_.erase(0, pos_);
                pos_ = 0;
            }
        }
    }

    Mode mode_;
    size_t longueur_;
    size_t max_;
    std::string brut_;
    size_t pos_ = 0;
    size_t reste_ = 0;
    bool finChunks_ = false;
};

std::string minuscules(std::string t)
{
    for (char& c : t)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return t;
}

// Status, body mode and whether the server closes the connection after this answer (an
// HTTP/1.0 server, or "Connection: close"), from the header block without its final empty
// line.
bool lireEntetes(const std::string& entetes, size_t maxCorps, int& statut, LecteurCorps::Mode& mode, size_t& longueur,
                 bool& fermeture)
{
    if (entetes.size() < 12 || entetes.compare(0, 7, "HTTP/1.") != 0 || entetes[8] != ' ')
        return false;
    fermeture = entetes[7] != '1';
    long long s;
    if (!lobby::lireEntier(entetes.substr(9, 3), 100, 599, s) || (entetes.size() > 12 && entetes[12] != ' ' &&
                                                                   entetes[12] != '\r'))
        return false;
    statut = static_cast<int>(s);
    mode = LecteurCorps::FERMETURE;
    longueur = 0;
    size_t debut = entetes.find("\r\n");
    while (debut != std::string::npos && debut + 2 < entetes.size()) {
        const size_t fin = entetes.find("\r\n", debut + 2);
        const std::string ligne = entetes.substr(debut + 2, (fin == std::string::npos ? entetes.size() : fin) - debut - 2);
        debut = fin;
        const size_t dp = ligne.find(':');
        if (dp == std::string::npos)
            continue;
        const std::string nom = minuscules(ligne.substr(0, dp));
        std::string valeur = ligne.substr(dp + 1);
        valeur.erase(0, valeur.find_first_not_of(" \t"));
        valeur.erase(valeur.find_last_not_of(" \t") + 1);
        if (nom == "connection" && minuscules(valeur).find("close") != std::string::npos) {
            fermeture = true;
        } else if (nom == "transfer-encoding" && minuscules(valeur).find("chunked") != std::string::npos) {
            mode = LecteurCorps::MORCEAUX;
        } else if (nom == "content-length" && mode != LecteurCorps::MORCEAUX) {
            long long l;
            if (!lobby::lireEntier(valeur, 0, 999999999999LL, l) || static_cast<size_t>(l) > maxCorps)
                return false;
            mode = LecteurCorps::LONGUEUR;
            longueur = static_cast<size_t>(l);
        }
    }
    // No body for these, whatever the headers say.
    if (statut < 200 || statut == 204 || statut == 304) {
        mode = LecteurCorps::LONGUEUR;
        longueur = 0;
    }
    return true;
}

// The answer as it comes: the status line and headers, then the body.
class LecteurReponse {
public:
    LecteurReponse(size_t maxEntetes, size_t maxCorps) : maxEntetes_(maxEntetes), maxCorps_(maxCorps) {}

    LecteurCorps::Etat ajouter(const char* d, size_t n, bool ferme)
    {
        if (corps)
            return corps->ajouter(d, n, ferme);
        // Only what can still be headers is kept here; the body goes straight to its reader.
        const size_t avant = entetes_.size();
        entetes_.append(d, std::min(n, maxEntetes_ + 4 - std::min(avant, maxEntetes_ + 4)));
        // Refused as soon as the first bytes are not an HTTP/1.x status line.
        const size_t debut = std::min<size_t>(entetes_.size(), 7);
        if (entetes_.compare(0, debut, "HTTP/1.", 0, debut) != 0)
            return LecteurCorps::INVALIDE;
        // The empty line may straddle two reads.
        const size_t fin = entetes_.find("\r\n\r\n", avant >= 3 ? avant - 3 : 0);
        if (fin == std::string::npos)
            return entetes_.size() > maxEntetes_ || ferme ? LecteurCorps::INVALIDE : LecteurCorps::INCOMPLET;
        LecteurCorps::Mode mode;
        size_t longueur;
        if (fin + 4 > maxEntetes_ ||
            !lireEntetes(entetes_.substr(0, fin), maxCorps_, statut, mode, longueur, fermeture_))
            return LecteurCorps::INVALIDE;
        corps = std::make_unique<LecteurCorps>(mode, longueur, maxCorps_);
        entetes_.clear();
        const size_t debutCorps = fin + 4 - avant;  // in this read: the end was not in the earlier ones
        return corps->ajouter(d + debutCorps, n - debutCorps, ferme);
    }

    bool reutilisable() const { return corps && corps->reutilisable() && !fermeture_; }

    int statut = 0;
    std::unique_ptr<LecteurCorps> corps;

private:
    size_t maxEntetes_, maxCorps_;
    std::string entetes_;
    bool fermeture_ = false;
};

} // namespace

// A kept connection to one server.
struct CClientHttpLobby::Connexion {
    SocketLobby socket;
    std::vector<char> tampon;  // what one read takes
    std::string hote;
    int port = 0;
    sf::Clock inactive;

    // Still worth a request: recently used, and nothing waiting on it (an end of stream or
    // bytes no request asked for).
    bool utilisable(const std::string& h, int p, sf::Time inactiviteMax) const
    {
        if (h != hote || p != port || inactive.getElapsedTime() > inactiviteMax)
            return false;
        pollfd f{socket.descripteur(), POLLIN, 0};
        return ::poll(&f, 1, 0) == 0;
    }
};

CClientHttpLobby::CClientHttpLobby(const std::atomic<bool>* annulation) : annulation_(annulation) {}

CClientHttpLobby::~CClientHttpLobby() = default;

ReponseHttp CClientHttpLobby::get(const std::string& url, const std::string& uri)
{
    return executer(url, "GET", uri, nullptr);
}

ReponseHttp CClientHttpLobby::post(const std::string& url, const std::string& uri, const std::string& formulaire)
{
    return executer(url, "POST", uri, &formulaire);
}

ReponseHttp CClientHttpLobby::executer(const std::string& url, const std::string& methode, const std::string& uri,
                                       const std::string* formulaire)
{
    sf::Clock horloge;
    std::string hote;
    int port = 0;
    if (!lobby::lireAdresseBase(url, hote, port))
        return {};
    std::string requete = methode + " " + uri + " HTTP/1.1\r\nHost: " + hote + (port != 80 ? ":" + std::to_string(port) : "") +
                          "\r\nUser-Agent: tuv-salon\r\n";
    if (formulaire)
        requete += "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                   std::to_string(formulaire->size()) + "\r\n\r\n" + *formulaire;
    else
        requete += "\r\n";
    // A kept connection the server closed meanwhile gets the request a second time, over a
    // new one; a new connection's silence is the answer.
    for (int essai = 0; essai < 2; ++essai) {
        const bool gardee = connexion_ && connexion_->utilisable(hote, port, limites.inactivite);
        if (!gardee) {
            connexion_.reset();
            uint32_t ip4 = 0;
            // A dotted address is never handed to the resolver; a name is resolved here, off the frame.
            const sf::IpAddress ip = lobby::lireIpv4(hote, ip4) ? sf::IpAddress(ip4) : sf::IpAddress(hote);
            auto c = std::make_unique<Connexion>();
            const sf::Time delai = std::min(limites.connexion, limites.total - horloge.getElapsedTime());
            if (ip == sf::IpAddress::None || annule() ||
                !c->socket.connecter(ip, static_cast<unsigned short>(port), delai, annulation_))
                return {};
            c->hote = hote;
            c->port = port;
            connexion_ = std::move(c);
        }
        bool muette = false;
        ReponseHttp r = echanger(requete, horloge, gardee, muette);
        if (!muette)
            return r;
    }
    return {};
}

ReponseHttp CClientHttpLobby::echanger(const std::string& requete, const sf::Clock& horloge, bool gardee, bool& muette)
{
    SocketLobby& socket = connexion_->socket;
    muette = false;
    if (socket.send(requete.data(), requete.size()) != sf::Socket::Done) {
        muette = gardee;
        connexion_.reset();
        return {};
    }
    LecteurReponse lecteur(limites.entetes, limites.corps);
    std::vector<char>& tampon = connexion_->tampon;
    tampon.resize(TAILLE_LECTURE);
    bool recu = false;
    for (;;) {
        const sf::Time reste = limites.total - horloge.getElapsedTime();
        if (reste <= sf::Time::Zero || annule()) {
            connexion_.reset();
            return {SANS_REPONSE, {}};
        }
        // A read that waits for the answer, a slice at most (the socket's time-out), rather
        // than a wait then a read: one call where the answer is not there yet, as at first.
        if (!socket.limiterLecture(std::min(reste + sf::milliseconds(1), TRANCHE))) {
            connexion_.reset();
            return {SANS_REPONSE, {}};
        }
        const ssize_t lu = ::recv(socket.descripteur(), tampon.data(), tampon.size(), 0);
        if (lu < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
            continue;
        const std::size_t n = lu > 0 ? static_cast<std::size_t>(lu) : 0;
        const bool ferme = lu <= 0;
        if (ferme && n == 0 && !recu && gardee) {
            muette = true;
            connexion_.reset();
            return {};
        }
        recu = true;
        switch (lecteur.ajouter(tampon.data(), n, ferme)) {
        case LecteurCorps::COMPLET:
            if (ferme || !lecteur.reutilisable())
                connexion_.reset();
            else
                connexion_->inactive.restart();
            return {lecteur.statut, std::move(lecteur.corps->corps)};
        case LecteurCorps::INVALIDE: connexion_.reset(); return {REPONSE_INVALIDE, {}};
        case LecteurCorps::INCOMPLET: break;
        }
    }
}
