#include "lobby/serveur/ServeurLobby.h"

#include <httplib.h>

#include <chrono>
#include <map>
#include <vector>

#include <sys/socket.h>

using lobby::ChampsFormulaire;
using lobby::FicheJoueur;

// cpp-httplib listens with a backlog of 5: at a burst of connections the kernel drops SYNs,
// and clients retry after 1, 3, 7 s. Listening again on the bound socket widens the queue.
class CServeurLobby::Http : public httplib::Server {
public:
    bool elargirFile() { return ::listen(svr_sock_, 1024) == 0; }
};

namespace {

constexpr size_t CORPS_MAX = 4096;
constexpr int64_t INTERVALLE_BALAYAGE = 10;

void refuser(httplib::Response& res, int statut, const std::string& raison)
{
    res.status = statut;
    res.set_content(raison + "\n", "text/plain; charset=utf-8");
}

// Each expected field exactly once and nothing else: the value by name, or the reason.
bool lireChamps(const std::string& corps, const std::vector<const char*>& noms, std::map<std::string, std::string>& v,
                std::string& raison)
{
    ChampsFormulaire champs;
    if (!lobby::decoderFormulaire(corps, champs)) {
        raison = "formulaire illisible";
        return false;
    }
    for (const auto& [cle, valeur] : champs) {
        bool attendu = false;
        for (const char* n : noms)
            attendu = attendu || cle == n;
        if (!attendu) {
            raison = "champ inconnu : " + lobby::encoderValeur(cle);
            return false;
        }
        if (!v.emplace(cle, valeur).second) {
            raison = "champ répété : " + cle;
            return false;
        }
    }
    for (const char* n : noms)
        if (!v.count(n)) {
            raison = std::string("champ manquant : ") + n;
            return false;
        }
    return true;
}

bool lirePort(const std::string& t, int& port)
{
    long long p;
    if (!lobby::lireEntier(t, 1, 65535, p))
        return false;
    port = static_cast<int>(p);
    return true;
}

} // namespace

CServeurLobby::CServeurLobby(ConfigServeurLobby config, CStockJoueurs& stock, Horloge horloge)
    : config_(std::move(config)), stock_(stock), horloge_(horloge ? std::move(horloge) : Horloge(&horlogeSysteme))
{
}

CServeurLobby::~CServeurLobby() { arreter(); }

int64_t CServeurLobby::horlogeSysteme()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void CServeurLobby::balayer(bool forcer)
{
    const int64_t maintenant = horloge_();
    {
        std::lock_guard<std::mutex> verrou(mutex_);
        if (!forcer && balaye_ && maintenant - dernierBalayage_ < INTERVALLE_BALAYAGE)
            return;
        balaye_ = true;
        dernierBalayage_ = maintenant;
    }
    stock_.expirer(maintenant - config_.expiration);
}

int CServeurLobby::demarrer(std::string& erreur)
{
    if (http_) {
        erreur = "serveur déjà démarré";
        return -1;
    }
    balayer(true);
    http_ = std::make_unique<Http>();
    http_->set_payload_max_length(CORPS_MAX);
    http_->set_read_timeout(5, 0);
    http_->set_write_timeout(5, 0);
    http_->set_keep_alive_timeout(5);
    installerRoutes();
    int port = config_.port;
    if (port == 0) {
        port = http_->bind_to_any_port(config_.adresse);
        if (port <= 0)
            port = -1;
    } else if (!http_->bind_to_port(config_.adresse, port)) {
        port = -1;
    }
    if (port < 0) {
        erreur = "impossible d'écouter sur " + config_.adresse + ":" + std::to_string(config_.port) +
                 " (port occupé ou adresse invalide)";
        http_.reset();
        return -1;
    }
    http_->elargirFile();
    fil_ = std::thread([this] { http_->listen_after_bind(); });
    // stop() is lost on a server not yet running: wait until it runs.
    while (!http_->is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return port;
}

void CServeurLobby::arreter()
{
    if (!http_)
        return;
    http_->stop();
    if (fil_.joinable())
        fil_.join();
    http_.reset();
}

void CServeurLobby::installerRoutes()
{
    const std::string& c = config_.chemin;
    // Known paths answer 405 to another method; the rest is 404.
    const std::map<std::string, std::string> methodes = {
        {c + "/addjoueur.php", "POST"},        {c + "/editjoueur.php", "POST"},
        {c + "/deconnexionjoueur.php", "POST"}, {c + "/sendlistjoueurs.php", "GET"},
        {c + "/giveip.php", "GET"}};
    http_->set_pre_routing_handler([methodes](const httplib::Request& req, httplib::Response& res) {
        const auto it = methodes.find(req.path);
        if (it == methodes.end()) {
            refuser(res, 404, "introuvable");
            return httplib::Server::HandlerResponse::Handled;
        }
        if (req.method != it->second) {
            res.set_header("Allow", it->second);
            refuser(res, 405, "méthode non permise");
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    http_->Post(c + "/addjoueur.php", [this](const httplib::Request& q, httplib::Response& r) { ajouter(q, r, false); });
    http_->Post(c + "/editjoueur.php", [this](const httplib::Request& q, httplib::Response& r) { ajouter(q, r, true); });
    http_->Post(c + "/deconnexionjoueur.php",
                [this](const httplib::Request& q, httplib::Response& r) { deconnecter(q, r); });
    http_->Get(c + "/sendlistjoueurs.php", [this](const httplib::Request& q, httplib::Response& r) { lister(q, r); });
    http_->Get(c + "/giveip.php", [this](const httplib::Request& q, httplib::Response& r) {
        balayer();
        r.set_content("IP=" + q.remote_addr + "\n", "text/plain; charset=utf-8");
    });
}

void CServeurLobby::ajouter(const httplib::Request& req, httplib::Response& res, bool avecEtat)
{
    balayer();
    std::map<std::string, std::string> v;
    std::string raison;
    std::vector<const char*> noms = {"pseudo", "groupe", "niveau", "iplan", "port"};
    if (avecEtat)
        noms.push_back("etat");
    if (!lireChamps(req.body, noms, v, raison))
        return refuser(res, 400, raison);
    FicheJoueur f;
    long long niveau = 0, etat = 0;
    if (!lobby::pseudoValide(v["pseudo"]))
        return refuser(res, 400, "pseudo invalide");
    if (!lobby::groupeValide(v["groupe"]))
        return refuser(res, 400, "groupe invalide");
    if (!lobby::lireEntier(v["niveau"], 0, lobby::NIVEAU_MAX, niveau))
        return refuser(res, 400, "niveau invalide");
    if (!lobby::estIpv4(v["iplan"]))
        return refuser(res, 400, "iplan invalide");
    if (!lirePort(v["port"], f.port))
        return refuser(res, 400, "port invalide");
    if (avecEtat && !lobby::lireEntier(v["etat"], 0, 1, etat))
        return refuser(res, 400, "etat invalide");
    if (!lobby::estIpv4(req.remote_addr))
        return refuser(res, 400, "adresse du client non IPv4");
    f.pseudo = v["pseudo"];
    f.groupe = v["groupe"];
    f.niveau = static_cast<int>(niveau);
    f.etat = static_cast<int>(etat);
    f.ipwan = req.remote_addr;
    f.iplan = v["iplan"];
    if (!stock_.enregistrer(f, horloge_()))
        return refuser(res, 503, "salon complet");
    res.set_content("OK\n", "text/plain; charset=utf-8");
}

void CServeurLobby::deconnecter(const httplib::Request& req, httplib::Response& res)
{
    balayer();
    std::map<std::string, std::string> v;
    std::string raison;
    if (!lireChamps(req.body, {"iplan", "port"}, v, raison))
        return refuser(res, 400, raison);
    int port = 0;
    if (!lobby::estIpv4(v["iplan"]))
        return refuser(res, 400, "iplan invalide");
    if (!lirePort(v["port"], port))
        return refuser(res, 400, "port invalide");
    // Absent or not: the player is gone either way.
    stock_.retirer(req.remote_addr, v["iplan"], port);
    res.set_content("OK\n", "text/plain; charset=utf-8");
}

void CServeurLobby::lister(const httplib::Request&, httplib::Response& res)
{
    balayer();
    res.set_content(texteListe(), "text/plain; charset=utf-8");
}

std::string CServeurLobby::texteListe()
{
    const uint64_t g = stock_.generation();
    std::lock_guard<std::mutex> verrou(mutex_);
    if (cacheValide_ && g == generationCache_)
        return cache_;
    std::string texte;
    for (const FicheJoueur& f : stock_.lister(horloge_() - config_.expiration))
        texte += lobby::ligneListe(f);
    cache_ = std::move(texte);
    generationCache_ = g;
    cacheValide_ = true;
    return cache_;
}
