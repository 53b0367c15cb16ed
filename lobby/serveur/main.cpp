// The lobby server program: options, start, and a clean stop on SIGINT or SIGTERM (status 1
// when the base could not be written again before the end).
#include "lobby/serveur/ServeurLobby.h"
#include "lobby/serveur/StockJoueursSQLite.h"

#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>

#include <pthread.h>
#include <sys/resource.h>

namespace {

// French, each line followed by its English.
const char* USAGE =
    "usage : serveur_lobby [--adresse A] [--port P] [--chemin C] [--base F] [--expiration S] [--max-joueurs N]\n"
    "                      [--joueurs-par-adresse N] [--ajouts-par-minute N] [--connexions-par-adresse N]\n"
    "                      [--joueurs-par-reseau N] [--ajouts-par-reseau N]\n"
    "  --adresse      adresse IPv4 d'écoute (127.0.0.1 : cette machine seulement ; 0.0.0.0 : le réseau)\n"
    "                 IPv4 address to listen on (127.0.0.1: this machine only; 0.0.0.0: the network)\n"
    "  --port         port TCP (8080 ; 0 : un port libre)\n"
    "                 TCP port (8080; 0: a free port)\n"
    "  --chemin       chemin du service (/duelix)\n"
    "                 the service's path (/duelix)\n"
    "  --base         fichier SQLite (lobby.sqlite ; :memory: : en mémoire), au serveur seul : il le garde\n"
    "                 verrouillé tant qu'il tourne (fichier F.verrou) ; celui d'un autre programme est refusé\n"
    "                 SQLite file (lobby.sqlite; :memory:: in memory), the server's alone: it keeps it locked\n"
    "                 while it runs (file F.verrou); another program's is refused\n"
    "  --expiration   secondes sans nouvelle avant qu'un joueur disparaisse (600)\n"
    "                 seconds without news before a player leaves the list (600)\n"
    "  --max-joueurs  nombre de joueurs au plus (10000) ; un réseau /16 en a un quart au plus ; salon plein, un\n"
    "                 nouveau joueur prend la place du plus ancien du /16 qui en a le plus si le sien en a au\n"
    "                 moins deux de moins, sinon la réponse est 503\n"
    "                 most players at once (10000); a /16 network holds a quarter of them at most; when full,\n"
    "                 a new player takes the place of the oldest of the /16 holding the most if its own /16\n"
    "                 holds at least two fewer, else the answer is 503\n"
    "  --joueurs-par-adresse    joueurs au plus par adresse de client (8)\n"
    "                           most players of one client address (8)\n"
    "  --ajouts-par-minute      ajouts et modifications au plus par adresse de client et par minute (60)\n"
    "                           most adds and edits of one client address in a minute (60)\n"
    "  --connexions-par-adresse connexions ouvertes au plus par adresse de client (16)\n"
    "                           most open connections of one client address (16)\n"
    "  --joueurs-par-reseau     joueurs au plus par réseau /24 (un seizième de --max-joueurs, 64 au moins)\n"
    "                           most players of one /24 network (a sixteenth of --max-joueurs, 64 or more)\n"
    "  --ajouts-par-reseau      ajouts au plus par réseau /24 et par minute (120)\n"
    "                           most adds of one /24 network in a minute (120)\n"
    "  --help         cette aide\n"
    "                 this help\n";

int usage(const std::string& raison)
{
    std::cerr << "serveur_lobby : " << raison << "\n" << USAGE;
    return 2;
}

bool lireOptions(int argc, char** argv, ConfigServeurLobby& c, std::string& base, std::string& raison)
{
    for (int i = 1; i < argc; ++i) {
        const std::string o = argv[i];
        if (i + 1 >= argc) {
            raison = "option sans valeur ou inconnue : " + o;
            return false;
        }
        const std::string v = argv[++i];
        long long n = 0;
        if (o == "--adresse" && lobby::estIpv4(v))
            c.adresse = v;
        else if (o == "--port" && lobby::lireEntier(v, 0, 65535, n))
            c.port = static_cast<int>(n);
        else if (o == "--chemin" && lobby::cheminServiceValide(v) && v.back() != '/')
            c.chemin = v;
        else if (o == "--base" && !v.empty())
            base = v;
        else if (o == "--expiration" && lobby::lireEntier(v, 1, 86400 * 365, n))
            c.expiration = n;
        else if (o == "--max-joueurs" && lobby::lireEntier(v, 1, 100000000, n))
            c.maxJoueurs = static_cast<size_t>(n);
        else if (o == "--joueurs-par-adresse" && lobby::lireEntier(v, 1, 100000000, n))
            c.joueursParAdresse = static_cast<size_t>(n);
        else if (o == "--ajouts-par-minute" && lobby::lireEntier(v, 1, 100000000, n))
            c.ajoutsParMinute = static_cast<int>(n);
        else if (o == "--connexions-par-adresse" && lobby::lireEntier(v, 1, 100000000, n))
            c.connexionsParAdresse = static_cast<int>(n);
        else if (o == "--joueurs-par-reseau" && lobby::lireEntier(v, 1, 100000000, n))
            c.joueursParReseau = static_cast<size_t>(n);
        else if (o == "--ajouts-par-reseau" && lobby::lireEntier(v, 1, 100000000, n))
            c.ajoutsParReseau = static_cast<int>(n);
        else {
            raison = "option inconnue ou valeur invalide : " + o + " " + v;
            return false;
        }
    }
    return true;
}

// Each connection is a descriptor: take all the system allows, not the shell's default.
void leverLimiteDescripteurs()
{
    rlimit l{};
    if (::getrlimit(RLIMIT_NOFILE, &l) == 0 && l.rlim_cur < l.rlim_max) {
        l.rlim_cur = l.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &l);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "--help") {
        std::cout << USAGE;
        return 0;
    }
    ConfigServeurLobby config;
    std::string base = "lobby.sqlite", raison;
    if (!lireOptions(argc, argv, config, base, raison))
        return usage(raison);
    leverLimiteDescripteurs();

    // The signals are taken by sigwait below: block them before any thread starts.
    sigset_t signaux;
    sigemptyset(&signaux);
    sigaddset(&signaux, SIGINT);
    sigaddset(&signaux, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signaux, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    // A file size limit makes the base's writes fail (503), not the server die.
    std::signal(SIGXFSZ, SIG_IGN);

    CStockJoueursSQLite stock(base, config.maxJoueurs);
    std::string erreur;
    if (!stock.ouvrir(erreur)) {
        std::cerr << "serveur_lobby : base " << base << " : " << erreur << "\n";
        return 1;
    }
    CServeurLobby serveur(config, stock);
    const int port = serveur.demarrer(erreur);
    if (port < 0) {
        std::cerr << "serveur_lobby : " << erreur << "\n";
        return 1;
    }
    std::cout << "Serveur du salon : http://" << config.adresse << ":" << port << config.chemin << " (base " << base
              << ")" << std::endl;
    int recu = 0;
    sigwait(&signaux, &recu);
    serveur.arreter();
    return stock.terminer() ? 0 : 1;
}
