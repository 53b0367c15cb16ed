// The lobby's HTTP client against a raw responder that answers as badly as it is told to:
// the status it reports, the memory it keeps, the deadline it holds. Each case is decided by
// what the responder did, never by which of two clocks runs out first: a responder that is to
// outlast the client's deadline holds its connection until the client has returned.
#include "lobby/ClientHttpLobby.h"

#include "support/ChienDeGarde.h"

#include <SFML/Network/TcpListener.hpp>
#include <SFML/Network/TcpSocket.hpp>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>
#include <thread>

namespace {

// Ready once the client returned: what a responder that outlasts the client waits for.
using Retour = std::shared_future<void>;
using Reponse = std::function<void(sf::TcpSocket&, Retour)>;

// Accepts one connection, reads the request, then plays `reponse` on the socket; the client
// has returned once the responder is destroyed.
class Repondeur {
public:
    explicit Repondeur(Reponse reponse) : reponse_(std::move(reponse))
    {
        ecoute_.listen(sf::Socket::AnyPort, sf::IpAddress::LocalHost);
        fil_ = std::thread([this] {
            sf::TcpSocket s;
            if (ecoute_.accept(s) != sf::Socket::Done)
                return;
            std::string requete;
            char t[4096];
            std::size_t n = 0;
            while (requete.find("\r\n\r\n") == std::string::npos && s.receive(t, sizeof t, n) == sf::Socket::Done)
                requete.append(t, n);
            recu = requete;
            reponse_(s, retour_);
        });
    }
    ~Repondeur()
    {
        client_.set_value();
        fil_.join();
    }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(ecoute_.getLocalPort()); }
    std::string recu;

private:
    Reponse reponse_;
    std::promise<void> client_;
    Retour retour_ = client_.get_future().share();
    sf::TcpListener ecoute_;
    std::thread fil_;
};

void ecrire(sf::TcpSocket& s, const std::string& t) { s.send(t.data(), t.size()); }

// Writes until the client goes, at most `octets`.
void inonder(sf::TcpSocket& s, const std::string& entete, size_t octets)
{
    ecrire(s, entete);
    const std::string bloc(64 * 1024, 'x');
    for (size_t envoye = 0; envoye < octets; envoye += bloc.size())
        if (s.send(bloc.data(), bloc.size()) != sf::Socket::Done)
            return;
}

} // namespace

TEST(ClientHttpLobby, BadAnswersGiveTheirStatusWithinTheDeadline)
{
    const std::string ok = "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello";
    // The client's deadline: short where the case is that it runs out (the responder then never
    // ends its answer nor closes before the client returns), else out of reach.
    const auto delai = [](int statut) { return statut == CClientHttpLobby::SANS_REPONSE ? 700 : 600000; };
    const struct {
        const char* quoi;
        Reponse reponse;
        int statut;
        const char* corps;
    } cas[] = {
        {"a good answer", [&](sf::TcpSocket& s, Retour) { ecrire(s, ok); }, 200, "hello"},
        {"HTTP/1.0 up to the close", [](sf::TcpSocket& s, Retour) { ecrire(s, "HTTP/1.0 200 OK\r\n\r\nIP=1.2.3.4\n"); }, 200,
         "IP=1.2.3.4\n"},
        {"garbage", [](sf::TcpSocket& s, Retour) { ecrire(s, "SSH-2.0-OpenSSH\r\n\r\n"); }, 1000, ""},
        {"500", [](sf::TcpSocket& s, Retour) { ecrire(s, "HTTP/1.1 500 Oops\r\nContent-Length: 0\r\n\r\n"); }, 500, ""},
        {"302 is not followed",
         [](sf::TcpSocket& s, Retour) {
             ecrire(s, "HTTP/1.1 302 Found\r\nLocation: http://1.2.3.4/\r\nContent-Length: 0\r\n\r\n");
         },
         302, ""},
        {"silence", [](sf::TcpSocket&, Retour client) { client.wait(); }, 1001, ""},
        // A byte every 50 ms, never the hundredth: every read gets something, only the
        // request's whole deadline can end it.
        {"a dripping body",
         [](sf::TcpSocket& s, Retour client) {
             ecrire(s, "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n");
             const auto pause = std::chrono::milliseconds(50);
             for (int i = 0; i < 99 && client.wait_for(pause) != std::future_status::ready; ++i)
                 ecrire(s, "x");
             client.wait();
         },
         1001, ""},
        {"100 MB", [](sf::TcpSocket& s, Retour) { inonder(s, "HTTP/1.1 200 OK\r\n\r\n", 100u << 20); }, 1000, ""},
        {"100 MB announced",
         [](sf::TcpSocket& s, Retour) { ecrire(s, "HTTP/1.1 200 OK\r\nContent-Length: 104857600\r\n\r\n"); }, 1000,
         ""},
        {"a short body", [](sf::TcpSocket& s, Retour) { ecrire(s, "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nabc"); }, 1000,
         ""},
        {"chunked",
         [](sf::TcpSocket& s, Retour) {
             ecrire(s, "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4\r\nJ=1;\r\n");
             ecrire(s, "3;ext=1\r\nabc\r\n0\r\n\r\n");
         },
         200, "J=1;abc"},
        {"bad chunk size",
         [](sf::TcpSocket& s, Retour) { ecrire(s, "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n"); }, 1000,
         ""},
        {"a 1 MB header", [](sf::TcpSocket& s, Retour) { inonder(s, "HTTP/1.1 200 OK\r\nX: ", 1u << 20); }, 1000, ""},
        {"closed at once", [](sf::TcpSocket& s, Retour) { s.disconnect(); }, 1000, ""},
    };
    for (const auto& c : cas) {
        Repondeur r(c.reponse);
        CClientHttpLobby client;
        client.limites.total = client.limites.connexion = sf::milliseconds(delai(c.statut));
        const auto debut = std::chrono::steady_clock::now();
        ReponseHttp rep;
        {
            ChienDeGarde garde(ChienDeGarde::BLOCAGE, std::string("the client against ") + c.quoi);
            rep = client.post(r.url(), "/duelix/addjoueur.php", "pseudo=a%26b");
        }
        const auto duree = std::chrono::steady_clock::now() - debut;
        EXPECT_EQ(rep.statut, c.statut) << c.quoi;
        EXPECT_EQ(rep.corps, c.corps) << c.quoi;
        // A responder that never ends lets only the deadline end the request: not before it.
        if (c.statut == CClientHttpLobby::SANS_REPONSE) {
            EXPECT_GE(duree, std::chrono::milliseconds(delai(c.statut))) << c.quoi << ": given up before the deadline";
        }
        EXPECT_LE(rep.corps.capacity(), (1u << 20) + 64 * 1024) << c.quoi << ": memory bounded";
        if (std::string(c.quoi) == "a good answer") {
            EXPECT_NE(r.recu.find("POST /duelix/addjoueur.php HTTP/1.1\r\n"), std::string::npos) << r.recu;
            EXPECT_NE(r.recu.find("Host: 127.0.0.1:"), std::string::npos);
            EXPECT_EQ(r.recu.find("Connection: close"), std::string::npos) << "the connection may serve another";
            EXPECT_NE(r.recu.find("Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 12\r\n"),
                      std::string::npos);
        }
    }
}

// One client's requests share a connection while the server keeps it; one the server closed
// is replaced without the caller seeing it. The client's deadlines are out of reach: a kept
// connection is used again however late the next request comes.
TEST(ClientHttpLobby, ConnectionKeptBetweenRequests)
{
    sf::TcpListener ecoute;
    ecoute.listen(sf::Socket::AnyPort, sf::IpAddress::LocalHost);
    std::thread serveur([&] {
        // Connection k answers "k" to two requests, then closes.
        for (int k = 1; k <= 2; ++k) {
            sf::TcpSocket s;
            if (ecoute.accept(s) != sf::Socket::Done)
                return;
            std::string lu;
            char t[4096];
            std::size_t n = 0;
            for (int requetes = 0; requetes < 2 && s.receive(t, sizeof t, n) == sf::Socket::Done;) {
                lu.append(t, n);
                for (size_t fin; (fin = lu.find("\r\n\r\n")) != std::string::npos; ++requetes) {
                    lu.erase(0, fin + 4);
                    ecrire(s, "HTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\n" + std::to_string(k));
                }
            }
        }
    });
    CClientHttpLobby client;
    client.limites.total = client.limites.connexion = client.limites.inactivite = sf::seconds(3600);
    const std::string url = "http://127.0.0.1:" + std::to_string(ecoute.getLocalPort());
    std::string corps;
    for (int i = 0; i < 4; ++i)
        corps += client.get(url, "/liste").corps;
    EXPECT_EQ(corps, "1122") << "two requests per connection, the closed one replaced";
    serveur.join();
}

TEST(ClientHttpLobby, ClosedPortAndBadAddressGiveNoAnswer)
{
    sf::TcpListener l;
    l.listen(sf::Socket::AnyPort, sf::IpAddress::LocalHost);
    const std::string url = "http://127.0.0.1:" + std::to_string(l.getLocalPort());
    l.close();
    CClientHttpLobby client;
    EXPECT_EQ(client.get(url, "/").statut, 1001) << "closed port";
    EXPECT_EQ(client.get("https://127.0.0.1", "/").statut, 1001) << "not an address it can reach";
}

// The responder says nothing and holds its connection until the client returns; the client's
// deadline is out of reach: only the cancellation, set once the request is read, ends it.
TEST(ClientHttpLobby, CancellationEndsARequestLeftWaiting)
{
    std::atomic<bool> annule{false};
    Repondeur r([&annule](sf::TcpSocket&, Retour client) {
        annule = true;
        client.wait();
    });
    CClientHttpLobby client(&annule);
    client.limites.total = sf::seconds(3600);
    ChienDeGarde garde(ChienDeGarde::BLOCAGE, "the client after its cancellation");
    EXPECT_EQ(client.get(r.url(), "/").statut, 1001);
}
