// The lobby server under clients that dawdle, say nothing, or flood it from one address.
// Bounds are generous: they prove a deadline exists, not how fast it is kept.
#include "OutilsLobby.h"

#include "lobby/serveur/BoucleHttp.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <numeric>
#include <sstream>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const int ATTENTE_MAX_MS = 10000;

// A raw connection to the test server, from one of the loopback addresses.
struct Brute {
    explicit Brute(int port, const std::string& source = "127.0.0.1") : fd(::socket(AF_INET, SOCK_STREAM, 0))
    {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        ::inet_pton(AF_INET, source.c_str(), &a.sin_addr);
        EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0) << source;
        a.sin_port = htons(static_cast<uint16_t>(port));
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        EXPECT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    }
    ~Brute() { ::close(fd); }
    void envoyer(const std::string& t) { ::send(fd, t.data(), t.size(), MSG_NOSIGNAL); }
    // Reset by the server: seen without reading anything.
    bool coupee()
    {
        pollfd p{fd, 0, 0};
        return ::poll(&p, 1, 0) == 1 && (p.revents & (POLLERR | POLLHUP));
    }
    // Reads for at most `ms`: true when the server closed; what it sent goes to `recu`.
    bool fermee(int ms, std::string* recu = nullptr)
    {
        char b[4096];
        for (pollfd p{fd, POLLIN, 0}; ::poll(&p, 1, ms) > 0;) {
            const ssize_t n = ::recv(fd, b, sizeof b, 0);
            if (n <= 0)
                return true;
            if (recu)
                recu->append(b, static_cast<size_t>(n));
        }
        return false;
    }
    // Reads until `n` whole answers came (each as long as its Content-Length says), the server
    // closed, or it said nothing for long: what came.
    std::string reponses(int n)
    {
        std::string recu;
        for (size_t debut = 0; n > 0;) {
            const size_t fin = recu.find("\r\n\r\n", debut), longueur = recu.find("Content-Length: ", debut);
            const size_t suite = fin == std::string::npos || longueur > fin
                                     ? std::string::npos
                                     : fin + 4 + std::stoul(recu.substr(longueur + 16));
            if (suite <= recu.size()) {
                debut = suite;
                --n;
                continue;
            }
            char b[4096];
            pollfd p{fd, POLLIN, 0};
            const ssize_t lu = ::poll(&p, 1, ATTENTE_MAX_MS) > 0 ? ::recv(fd, b, sizeof b, 0) : 0;
            if (lu <= 0)
                break;
            recu.append(b, static_cast<size_t>(lu));
        }
        return recu;
    }
    // Asks for "/" on the kept connection: true once answered "ok", false when closed or
    // silent for long first.
    bool demander()
    {
        envoyer("GET / HTTP/1.1\r\nHost: x\r\n\r\n");
        std::string recu;
        char b[64];
        while (recu.size() < 2 || recu.compare(recu.size() - 2, 2, "ok") != 0) {
            pollfd p{fd, POLLIN, 0};
            const ssize_t n = ::poll(&p, 1, ATTENTE_MAX_MS) > 0 ? ::recv(fd, b, sizeof b, 0) : 0;
            if (n <= 0)
                return false;
            recu.append(b, static_cast<size_t>(n));
        }
        return true;
    }
    int fd;
};

// A form posted from `source` on a connection of its own: the answer's status.
int poster(int port, const std::string& source, const std::string& corps, const char* script = "addjoueur.php")
{
    Brute b(port, source);
    b.envoyer(std::string("POST /duelix/") + script + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\nContent-Length: " +
              std::to_string(corps.size()) + "\r\n\r\n" + corps);
    std::string recu;
    b.fermee(ATTENTE_MAX_MS, &recu);
    return recu.size() > 12 ? std::atoi(recu.c_str() + 9) : 0;
}

// The bytes the system still has to send on each connection of 127.0.0.1:port, its server's
// side (those the server closed and the system still pushes included).
std::vector<size_t> filesEnvoi(int port)
{
    char local[16];
    std::snprintf(local, sizeof local, "0100007F:%04X", port);
    std::ifstream f("/proc/net/tcp");
    std::vector<size_t> r;
    std::string ligne, n, adresse, distante, etat, files;
    for (std::getline(f, ligne); std::getline(f, ligne);) {
        std::istringstream(ligne) >> n >> adresse >> distante >> etat >> files;
        if (adresse == local && etat != "0A")  // not the listening socket
            r.push_back(std::stoul(files.substr(0, files.find(':')), nullptr, 16));
    }
    return r;
}

std::string ajout(int port, const std::string& pseudo)
{
    return "pseudo=" + pseudo + "&groupe=&niveau=0&iplan=10.0.0.1&port=" + std::to_string(port);
}

} // namespace

TEST(ServeurHostile, DawdlersHoldNoWorkerAndAreClosedAtTheirDeadline)
{
    ServeurEssai s;
    // More of each kind than the server has workers: silent, half a request line, headers
    // without their end.
    std::vector<std::unique_ptr<Brute>> lents;
    for (int i = 0; i < 24; ++i) {
        lents.push_back(std::make_unique<Brute>(s.port, "127.0.3." + std::to_string(1 + i)));
        if (i % 3 == 1)
            lents.back()->envoyer("GET /duelix/giv");
        if (i % 3 == 2)
            lents.back()->envoyer("POST /duelix/addjoueur.php HTTP/1.1\r\nHost: x\r\n");
    }
    // Two requests in one segment: both answered, in order, on the kept connection.
    Brute gardee(s.port);
    gardee.envoyer("GET /duelix/giveip.php HTTP/1.1\r\nHost: x\r\n\r\nGET /duelix/nulle HTTP/1.1\r\nHost: x\r\n\r\n");
    CClientHttpLobby client;
    EXPECT_EQ(client.get(s.url(), "/duelix/giveip.php").statut, 200) << "answered beside 24 dawdlers";
    for (auto& l : lents)
        EXPECT_TRUE(l->fermee(ATTENTE_MAX_MS)) << "a dawdler closed by the server";
    std::string recu;
    EXPECT_TRUE(gardee.fermee(ATTENTE_MAX_MS, &recu)) << "a kept-open connection closed once idle";
    EXPECT_EQ(recu.substr(0, 15), "HTTP/1.1 200 OK") << "after its answers";
    const size_t seconde = recu.find("HTTP/1.1 ", 15);
    EXPECT_EQ(recu.substr(seconde == std::string::npos ? 0 : seconde, 12), "HTTP/1.1 404")
        << "the second request answered after the first";

    // A header line every 100 ms keeps a connection busy, never idle: the request's own
    // deadline closes it.
    Brute goutte(s.port);
    goutte.envoyer("POST /duelix/addjoueur.php HTTP/1.1\r\n");
    bool fermee = false;
    for (int i = 0; i < ATTENTE_MAX_MS / 100 && !fermee; ++i) {
        goutte.envoyer("X-" + std::to_string(i) + ": 1\r\n");
        fermee = goutte.fermee(100);
    }
    EXPECT_TRUE(fermee) << "a request that never ends is cut";
}

// The server keeps its last list answer whole: only the same request, on an unchanged list,
// gets it again; a connection's last request is answered as such.
TEST(ServeurHostile, ARepeatedListRequestGetsTheSameBytesUntilTheListChanges)
{
    ServeurEssai s;
    const std::string get = "GET /duelix/sendlistjoueurs.php HTTP/1.1\r\nHost: x\r\n\r\n";
    Brute b(s.port);
    std::string deux, trois, fin;
    b.envoyer(get + get);
    deux = b.reponses(2);
    ASSERT_TRUE(deux.size() % 2 == 0 && deux.substr(0, deux.size() / 2) == deux.substr(deux.size() / 2)) << deux;
    ASSERT_TRUE(s.stock.enregistrer({0, "Neuf", "", 0, 0, "203.0.113.9", "10.0.0.9", 9000}, s.maintenant));
    b.envoyer(get + "GET /duelix/sendlistjoueurs.php HTTP/1.1\r\nHost: x\r\nRange: bytes=0-1\r\n\r\n");
    trois = b.reponses(2);
    EXPECT_NE(trois.find(";Neuf;;0;0;203.0.113.9;10.0.0.9;9000\n"), std::string::npos) << "same second, changed list";
    EXPECT_NE(trois.find("206 Partial Content"), std::string::npos) << "another request, its own answer: " << trois;
    for (int i = 4; i < 100; ++i)
        b.envoyer(get);
    EXPECT_TRUE(b.fermee(ATTENTE_MAX_MS, &fin)) << "closed after its hundredth request";
    EXPECT_NE(fin.find("Connection: close"), std::string::npos) << "and its last answer says so";
}

TEST(ServeurHostile, AFloodFromOneAddressIsRefusedWith429AndChangesNothing)
{
    ServeurEssai s;  // the defaults: 8 players and 60 adds or edits a minute per address
    CClientHttpLobby c;
    std::map<int, int> statuts;
    std::string raison;
    for (int port = 1; port <= 1000; ++port) {
        const ReponseHttp r = c.post(s.url(), "/duelix/addjoueur.php", ajout(port, "p" + std::to_string(port)));
        ++statuts[r.statut];
        if (r.statut == 429)
            raison = r.corps;
    }
    EXPECT_EQ(statuts, (std::map<int, int>{{200, 8}, {429, 992}}));
    EXPECT_EQ(raison, "trop de joueurs pour cette adresse : 8 au plus\n");
    const std::string liste = c.get(s.url(), "/duelix/sendlistjoueurs.php").corps;
    EXPECT_EQ(std::count(liste.begin(), liste.end(), '\n'), 8);
    EXPECT_EQ(liste.substr(liste.size() - 33), "J=8;p8;;0;0;127.0.0.1;10.0.0.1;8\n") << "the first eight kept";

    // Edits count with the adds: 52 more in this minute, then refused and not applied.
    int faites = 0;
    for (int k = 1; k <= 100; ++k) {
        const std::string corps = ajout(1, "e" + std::to_string(k)) + "&etat=0";
        faites += c.post(s.url(), "/duelix/editjoueur.php", corps).statut == 200;
    }
    EXPECT_EQ(faites, 52);
    EXPECT_EQ(c.get(s.url(), "/duelix/sendlistjoueurs.php").corps.substr(0, 36),
              "J=1;e52;;0;0;127.0.0.1;10.0.0.1;1\nJ=")
        << "the 52nd edit is the last applied";
    s.maintenant += 60;
    EXPECT_EQ(c.post(s.url(), "/duelix/editjoueur.php", ajout(1, "neuf") + "&etat=0").statut, 200)
        << "a minute later the address may edit again";
}

// The loop alone, answering "ok" and keeping the connection, its deadlines ten minutes long:
// only the limits under test close anything.
TEST(ServeurHostile, ConnectionsAreLimitedPerAddressAndUnfinishedOnesGoFirstWhenDescriptorsRunShort)
{
    const int libre = ::dup(0);  // descriptors are numbered from the lowest free one
    ::close(libre);
    CBoucleHttp::Config c;
    c.delaiInactif = c.delaiRequete = std::chrono::seconds(600);
    c.connexionsParAdresse = 8;
    c.descripteursMax = libre + 150;
    CBoucleHttp boucle(c, [](const RequeteHttp&, std::string& r, bool& fermer) {
        r = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok";
        fermer = false;
    });
    std::string erreur;
    const int port = boucle.ecouter("127.0.0.1", 0, erreur);
    ASSERT_TRUE(port > 0 && boucle.demarrer(erreur)) << erreur;

    Brute parlante(port, "127.0.5.9");
    ASSERT_TRUE(parlante.demander());
    // Each begins a request and never ends it (the system hands a connection over once it
    // speaks, in that order).
    const auto goutte = [port](const std::string& source) {
        auto b = std::make_unique<Brute>(port, source);
        b->envoyer("GET / HTTP/1.1\r\n");
        return b;
    };
    std::vector<std::unique_ptr<Brute>> lentes;
    for (int i = 0; i < 8; ++i)
        lentes.push_back(goutte("127.0.5.1"));
    std::string recu;
    EXPECT_TRUE(goutte("127.0.5.1")->fermee(ATTENTE_MAX_MS, &recu)) << "the ninth of one address closed at once";
    EXPECT_EQ(recu.substr(0, 12) + recu.substr(recu.find("\r\n\r\n") + 4),
              "HTTP/1.1 429trop de connexions pour cette adresse : 8 au plus\n");
    EXPECT_TRUE(Brute(port, "127.0.5.2").demander()) << "another address is served";

    // Each costs two descriptors of this process, the client's and the server's: past 80 %
    // of the limit, those that never completed a request go, the longest held first, none in
    // its first moments: past those, the next one accepted makes room.
    for (int i = 0; i < 80; ++i)
        lentes.push_back(goutte("127.0.7." + std::to_string(1 + i / 8)));
    bool place = false;
    for (int i = 0; i < ATTENTE_MAX_MS / 100 && !(place = lentes.front()->fermee(100)); ++i)
        lentes.push_back(goutte("127.0.7." + std::to_string(11 + i / 8)));
    EXPECT_TRUE(place) << "the oldest unfinished request closed";
    EXPECT_FALSE(lentes.back()->fermee(0)) << "the newest kept";
    EXPECT_TRUE(parlante.demander()) << "a connection that completed a request outlives the others";
    EXPECT_TRUE(Brute(port, "127.0.5.1").demander()) << "the address may connect again once some of its own went";
}

// Requests sent at once by clients that never read: the server holds the answer under way
// and a send buffer of a few hundred KB each (megabytes each before), until the write deadline
// resets the connection and the system drops what it still had to send. The queues are read
// under a deadline that cannot come first, the resets under one that comes soon.
TEST(ServeurHostile, AClientThatNeverReadsHoldsAboutOneAnswerUntilItsDeadline)
{
    const std::string liste(480 * 1024, 'J');
    std::string soixante;
    for (int i = 0; i < 60; ++i)
        soixante += "GET /l HTTP/1.1\r\nHost: x\r\n\r\n";
    // Eight deaf clients of a server with that write deadline, then the rest of the case.
    const auto sourds = [&](std::chrono::milliseconds delai, const std::function<void(int, std::vector<std::unique_ptr<Brute>>&)>& suite) {
        CBoucleHttp::Config c;
        c.delaiEcriture = delai;
        CBoucleHttp boucle(c, [&liste](const RequeteHttp& q, std::string& r, bool& fermer) {
            const std::string corps = q.octets.compare(0, 6, "GET /l") == 0 ? liste : "ok";
            r = "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(corps.size()) + "\r\n\r\n" + corps;
            fermer = false;
        });
        std::string erreur;
        const int port = boucle.ecouter("127.0.0.1", 0, erreur);
        ASSERT_TRUE(port > 0 && boucle.demarrer(erreur)) << erreur;
        std::vector<std::unique_ptr<Brute>> b;
        for (int i = 0; i < 8; ++i) {
            b.push_back(std::make_unique<Brute>(port, "127.0.6." + std::to_string(1 + i)));
            b.back()->envoyer(soixante);
        }
        suite(port, b);
    };
    const auto fin = [] { return std::chrono::steady_clock::now() + std::chrono::milliseconds(ATTENTE_MAX_MS); };

    sourds(std::chrono::seconds(600), [&](int port, std::vector<std::unique_ptr<Brute>>&) {
        EXPECT_TRUE(Brute(port, "127.0.6.100").demander()) << "an honest request answered beside them";
        size_t plusLongue = 0, pleines = 0;
        for (const auto t = fin(); pleines < 8 && std::chrono::steady_clock::now() < t; ::poll(nullptr, 0, 10)) {
            const std::vector<size_t> files = filesEnvoi(port);
            pleines = std::count_if(files.begin(), files.end(), [](size_t f) { return f > 0; });
            plusLongue = std::max(plusLongue, files.empty() ? 0 : *std::max_element(files.begin(), files.end()));
        }
        EXPECT_EQ(pleines, 8u) << "each one's answers under way";
        EXPECT_LT(plusLongue, 640u * 1024) << "one connection's send queue";
    });
    sourds(std::chrono::seconds(1), [&](int port, std::vector<std::unique_ptr<Brute>>& b) {
        long coupes = 0;
        for (const auto t = fin(); coupes < 8 && std::chrono::steady_clock::now() < t; ::poll(nullptr, 0, 10))
            coupes = std::count_if(b.begin(), b.end(), [](const auto& x) { return x->coupee(); });
        EXPECT_EQ(coupes, 8) << "each reset at its write deadline";
        const std::vector<size_t> restes = filesEnvoi(port);
        EXPECT_EQ(std::accumulate(restes.begin(), restes.end(), size_t{0}), 0u) << "nothing left for the system to push";
    });
}

// One host with many addresses in one /24 network has a share of the players and of the adds.
TEST(ServeurHostile, ANetworksAddressesShareItsPlayersAndItsAdds)
{
    ServeurEssai s(":memory:", 10000, 8, 60, [](ConfigServeurLobby& c) {
        c.joueursParReseau = 10;
        c.ajoutsParReseau = 15;
    });
    const auto depuis = [](int i) { return "127.0.8." + std::to_string(i); };
    std::map<int, int> statuts;
    for (int i = 1; i <= 20; ++i)
        ++statuts[poster(s.port, depuis(i), ajout(8000, "r" + std::to_string(i)))];
    EXPECT_EQ(statuts, (std::map<int, int>{{200, 10}, {429, 10}})) << "ten players in the network";
    EXPECT_EQ(poster(s.port, "127.0.9.1", ajout(8000, "autre")), 200) << "another network adds";
    for (int i = 1; i <= 10; ++i)
        poster(s.port, depuis(i), "iplan=10.0.0.1&port=8000", "deconnexionjoueur.php");
    // Ten adds made, the refused ones given back: five more in this minute.
    statuts.clear();
    for (int i = 1; i <= 8; ++i)
        ++statuts[poster(s.port, depuis(i), ajout(8000, "n" + std::to_string(i)))];
    EXPECT_EQ(statuts, (std::map<int, int>{{200, 5}, {429, 3}})) << "fifteen adds a minute";
    const std::string liste = CClientHttpLobby().get(s.url(), "/duelix/sendlistjoueurs.php").corps;
    EXPECT_EQ(std::count(liste.begin(), liste.end(), '\n'), 6) << "the refused adds changed nothing";
}

// One host with addresses in a few /16 networks fills the lobby; a network holding fewer
// players still gets in, taking the places of the oldest players of the largest networks.
TEST(ServeurHostile, AFullLobbyStillTakesTheNewcomersOfAQuietNetwork)
{
    ServeurEssai s(":memory:", 1000);  // 64 players a /24, 250 a /16
    std::map<int, int> statuts;
    for (int i = 0; i < 4 * 4 * 8; ++i) {  // 4 /16s of 4 /24s of 8 addresses
        const std::string source = "127." + std::to_string(11 + i / 32) + "." + std::to_string(1 + i / 8 % 4) + "." +
                                   std::to_string(1 + i % 8);
        for (int j = 0; j < 8; ++j)
            ++statuts[poster(s.port, source, ajout(1 + j, "r"))];
    }
    EXPECT_EQ(statuts, (std::map<int, int>{{200, 1000}, {429, 24}})) << "250 players in each /16, the lobby full";
    statuts.clear();
    for (int i = 0; i < 25; ++i) {  // 25 addresses in 4 /24s of a fresh /16
        const std::string source = "127.20." + std::to_string(1 + i % 4) + "." + std::to_string(1 + i / 4);
        for (int j = 0; j < 8; ++j)
            ++statuts[poster(s.port, source, ajout(1 + j, "n"))];
    }
    EXPECT_EQ(statuts, (std::map<int, int>{{200, 200}})) << "a fresh network's 200 players";
    EXPECT_EQ(poster(s.port, "127.20.4.9", ajout(1, "n")), 503) << "no more than a full network's share";
    EXPECT_EQ(poster(s.port, "127.12.9.1", ajout(1, "r")), 503) << "nor a large network's";
    const std::string liste = CClientHttpLobby().get(s.url(), "/duelix/sendlistjoueurs.php").corps;
    for (const char* reseau : {";127.11.", ";127.12.", ";127.13.", ";127.14.", ";127.20."}) {
        size_t n = 0;
        for (size_t p = liste.find(reseau); p != std::string::npos; p = liste.find(reseau, p + 1))
            ++n;
        EXPECT_EQ(n, 200u) << reseau << ": the places taken evenly from the four";
    }
}
