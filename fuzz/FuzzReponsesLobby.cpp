// Arbitrary bytes as the lobby server's answer to an HTTP request: a server thread of this
// process sends them on a loopback connection and closes it, the lobby's client reads the
// status line, headers and body (by length, chunks or up to the close), and a body then goes
// through the player-list reader and the address reader, as the lobby takes its answers.
#include "lobby/ClientHttpLobby.h"
#include "lobby/JeuDialogInternet.h"
#include "lobby/ProtocoleLobby.h"

#include <SFML/Network/IpAddress.hpp>
#include <SFML/Network/TcpListener.hpp>
#include <SFML/Network/TcpSocket.hpp>

#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace {

// Answers every connection with the current input once the request has come whole.
class Serveur {
public:
    Serveur()
    {
        ecoute.listen(sf::Socket::AnyPort, sf::IpAddress::LocalHost);
        std::thread([this] { boucle(); }).detach();
    }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(ecoute.getLocalPort()); }
    void repondre(std::string r)
    {
        std::lock_guard<std::mutex> v(verrou);
        reponse = std::move(r);
    }

private:
    void boucle()
    {
        for (;;) {
            sf::TcpSocket s;
            if (ecoute.accept(s) != sf::Socket::Done)
                continue;
            std::string requete;
            char tampon[1024];
            std::size_t n = 0;
            while (requete.find("\r\n\r\n") == std::string::npos && requete.size() < 65536 &&
                   s.receive(tampon, sizeof tampon, n) == sf::Socket::Done)
                requete.append(tampon, n);
            std::string r;
            {
                std::lock_guard<std::mutex> v(verrou);
                r = reponse;
            }
            if (!r.empty())
                s.send(r.data(), r.size());
            s.disconnect();
        }
    }

    sf::TcpListener ecoute;
    std::mutex verrou;
    std::string reponse;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    static Serveur* serveur = new Serveur;
    serveur->repondre(std::string(reinterpret_cast<const char*>(donnees), taille));
    CClientHttpLobby client;
    client.limites.total = sf::seconds(2);
    const ReponseHttp r = client.get(serveur->url(), "/duelix/liste");
    if ((r.statut < 100 || r.statut > 599) && r.statut != CClientHttpLobby::REPONSE_INVALIDE &&
        r.statut != CClientHttpLobby::SANS_REPONSE)
        std::abort();
    if (r.corps.size() > client.limites.corps)
        std::abort();
    uint32_t ip = 0;
    lobby::lireIpv4(r.corps, ip);
    CJeuDialogInternet::lireListe(r.corps, [](lobby::FicheJoueur& f) {
        if (!lobby::pseudoValide(f.pseudo) || !lobby::groupeValide(f.groupe) || !lobby::estIpv4(f.ipwan) ||
            !lobby::estIpv4(f.iplan) || f.port < 1 || f.port > 65535)
            std::abort();
    });
    return 0;
}
