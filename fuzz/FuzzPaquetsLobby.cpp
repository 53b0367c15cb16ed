// Arbitrary bytes as UDP datagrams reaching a connected lobby: the first byte chooses the
// lobby's state (waiting for requests, or paired with the sender, as master or not), the rest
// is cut at each "|D|" into datagrams that a loopback socket sends to the lobby's port; the
// lobby then runs its frames (reading its socket, the requests or the partner's options and
// chat, the delay probes) and what it sends back is drained.
#include "lobby/JeuDialogInternet.h"
#include "lobby/ProtocoleLobby.h"

#include <SFML/Network/IpAddress.hpp>
#include <SFML/Network/UdpSocket.hpp>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Banc {
    Banc()
    {
        lobby.socketUDP.bind(sf::Socket::AnyPort, sf::IpAddress::LocalHost);
        lobby.socketUDP.setBlocking(false);
        lobby.bConnecte = true;
        envoi.bind(sf::Socket::AnyPort, sf::IpAddress::LocalHost);
        envoi.setBlocking(false);
    }
    void vider()
    {
        char tampon[2048];
        std::size_t n = 0;
        sf::IpAddress ip;
        unsigned short port = 0;
        while (envoi.receive(tampon, sizeof tampon, n, ip, port) == sf::Socket::Done) {
        }
    }
    CJeuDialogInternet lobby;
    sf::UdpSocket envoi;
};

std::vector<std::string> datagrammes(const std::string& texte)
{
    std::vector<std::string> r;
    for (size_t debut = 0;;) {
        const size_t fin = texte.find("|D|", debut);
        r.push_back(texte.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut));
        if (fin == std::string::npos || r.size() >= 40)
            return r;
        debut = fin + 3;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    static Banc* banc = new Banc;
    if (taille == 0)
        return 0;
    CJeuDialogInternet& l = banc->lobby;
    const int etat = donnees[0] % 3;
    l.modeLobby = etat == 0 ? 0 : 1;
    l.bMaitre = etat == 1;
    l.listeJoueurs.clear();
    l.demandesEnvoyees.clear();
    l.demandesRecues.clear();
    l.adversaire = {L"B", "127.0.0.1", "127.0.0.1", banc->envoi.getLocalPort(), 1};
    l.nbEchecsReception = 0;
    const unsigned short port = l.socketUDP.getLocalPort();
    for (const std::string& d : datagrammes(std::string(reinterpret_cast<const char*>(donnees) + 1, taille - 1)))
        banc->envoi.send(d.data(), d.size(), sf::IpAddress::LocalHost, port);
    for (int i = 0; i < 3; ++i) {
        l.compteurFrame = 1000;  // the requests or options are read at this frame
        l.compteurPing = 0;      // no probe of its own
        l.onFrame();
    }
    banc->vider();
    if (l.nbClonesAdv < 1 || l.nbClonesAdv > 4 || l.numImageNiveauAdv < 0 || l.numImageNiveauAdv > 3)
        std::abort();
    for (const JoueurEnLigne& j : l.demandesRecues)
        if (!lobby::pseudoValide(j.pseudo) || (j.ipwan != "127.0.0.1" && j.iplan != "127.0.0.1"))
            std::abort();
    return 0;
}
