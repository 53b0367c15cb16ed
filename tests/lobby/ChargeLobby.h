#pragma once
// A load on a lobby server: clients on threads of their own, each with its own client, each
// adding itself, then asking lists, addresses and edits, then removing itself. The clients'
// deadlines are out of reach: an error is an answer other than 200, never a slow machine.
#include "lobby/ClientHttpLobby.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

struct ResultatCharge {
    std::vector<double> millisecondes;  // each request's time, sorted
    double secondes = 0;               // the whole load
    int erreurs = 0;                   // answers other than 200
    double centile(double p) const { return millisecondes[size_t(double(millisecondes.size() - 1) * p)]; }
};

inline ResultatCharge chargerServeur(const std::string& url, int clients, int requetes)
{
    std::vector<std::vector<double>> durees(static_cast<size_t>(clients));
    std::atomic<int> erreurs{0};
    const auto debut = std::chrono::steady_clock::now();
    std::vector<std::thread> fils;
    for (int c = 0; c < clients; ++c)
        fils.emplace_back([&, c] {
            CClientHttpLobby client;
            client.limites.total = client.limites.connexion = sf::seconds(600);
            const std::string port = std::to_string(c + 1);
            const std::string corps = "pseudo=c" + port + "&groupe=&niveau=0&iplan=10.0.0.1&port=" + port;
            for (int r = 0; r < requetes; ++r) {
                const auto t = std::chrono::steady_clock::now();
                ReponseHttp rep;
                if (r == 0)
                    rep = client.post(url, "/duelix/addjoueur.php", corps);
                else if (r == requetes - 1)
                    rep = client.post(url, "/duelix/deconnexionjoueur.php", "iplan=10.0.0.1&port=" + port);
                else if (r % 3 == 0)
                    rep = client.post(url, "/duelix/editjoueur.php", corps + "&etat=1");
                else
                    rep = client.get(url, r % 3 == 1 ? "/duelix/sendlistjoueurs.php" : "/duelix/giveip.php");
                if (rep.statut != 200)
                    ++erreurs;
                durees[size_t(c)].push_back(
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t).count());
            }
        });
    for (auto& f : fils)
        f.join();
    ResultatCharge r;
    r.secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    for (const auto& v : durees)
        r.millisecondes.insert(r.millisecondes.end(), v.begin(), v.end());
    std::sort(r.millisecondes.begin(), r.millisecondes.end());
    r.erreurs = erreurs;
    return r;
}
