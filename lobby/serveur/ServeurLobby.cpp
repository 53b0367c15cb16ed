#include "lobby/serveur/ServeurLobby.h"

#include "lobby/serveur/BoucleHttp.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <vector>

using lobby::ChampsFormulaire;
using lobby::FicheJoueur;

namespace {

constexpr size_t CORPS_MAX = 4096;
constexpr int64_t INTERVALLE_BALAYAGE = 10;
// Requests per connection (announced as Keep-Alive max): enough that a lobby refreshing its
// list keeps its connection instead of opening a new one every few refreshes.
constexpr int REQUETES_PAR_CONNEXION = 100;
constexpr int DELAI_INACTIF_S = 2;

// One whole request already read, as the library's input; its answer, as its output.
class FluxMemoire : public httplib::Stream {
public:
    FluxMemoire(const RequeteHttp& q, std::string& sortie) : q_(q), sortie_(sortie) {}
    bool is_readable() const override { return true; }
    bool is_writable() const override { return true; }
    ssize_t read(char* p, size_t n) override
    {
        n = std::min(n, q_.octets.size() - lu_);
        q_.octets.copy(p, n, lu_);
        lu_ += n;
        return static_cast<ssize_t>(n);
    }
    ssize_t write(const char* p, size_t n) override
    {
        sortie_.append(p, n);
        return static_cast<ssize_t>(n);
    }
    void get_remote_ip_and_port(std::string& ip, int& port) const override
    {
        ip = q_.ip;
        port = q_.port;
    }
    void get_local_ip_and_port(std::string& ip, int& port) const override
    {
        ip = q_.ipLocale;
        port = q_.portLocal;
    }
    socket_t socket() const override { return INVALID_SOCKET; }

private:
    const RequeteHttp& q_;
    std::string& sortie_;
    size_t lu_ = 0;
};

// Set by the list's handler on the worker that runs it: the list state its answer shows.
struct ListeServie {
    bool servie = false;
    uint64_t generation = 0;
    int64_t instant = 0;
};
thread_local ListeServie listeServie;

} // namespace

// The library parses, routes and writes the answers; the connections are the loop's.
class CServeurLobby::Http : public httplib::Server {
public:
    void repondre(const RequeteHttp& q, std::string& reponse, bool& fermer)
    {
        FluxMemoire flux(q, reponse);
        bool fermee = false;
        const bool ecrite = process_request(flux, q.derniere, fermee, nullptr);
        fermer = !ecrite || fermee || q.derniere;
    }
};

namespace {

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

// The record an add or edit asks for, each field checked: false with the reason.
bool ficheDemandee(const httplib::Request& req, bool avecEtat, FicheJoueur& f, std::string& raison)
{
    std::map<std::string, std::string> v;
    std::vector<const char*> noms = {"pseudo", "groupe", "niveau", "iplan", "port"};
    if (avecEtat)
        noms.push_back("etat");
    if (!lireChamps(req.body, noms, v, raison))
        return false;
    long long niveau = 0, etat = 0;
    const char* mauvais = nullptr;
    if (!lobby::pseudoValide(v["pseudo"]))
        mauvais = "pseudo invalide";
    else if (!lobby::groupeValide(v["groupe"]))
        mauvais = "groupe invalide";
    else if (!lobby::lireEntier(v["niveau"], 0, lobby::NIVEAU_MAX, niveau))
        mauvais = "niveau invalide";
    else if (!lobby::estIpv4(v["iplan"]))
        mauvais = "iplan invalide";
    else if (!lirePort(v["port"], f.port))
        mauvais = "port invalide";
    else if (avecEtat && !lobby::lireEntier(v["etat"], 0, 1, etat))
        mauvais = "etat invalide";
    else if (!lobby::estIpv4(req.remote_addr))
        mauvais = "adresse du client non IPv4";
    if (mauvais) {
        raison = mauvais;
        return false;
    }
    f.pseudo = v["pseudo"];
    f.groupe = v["groupe"];
    f.niveau = static_cast<int>(niveau);
    f.etat = static_cast<int>(etat);
    f.ipwan = req.remote_addr;
    f.iplan = v["iplan"];
    return true;
}

} // namespace

CServeurLobby::CServeurLobby(ConfigServeurLobby config, CStockJoueurs& stock, Horloge horloge)
    : config_(std::move(config)), stock_(stock), horloge_(horloge ? std::move(horloge) : Horloge(&horlogeSysteme)),
      limiteur_(config_.ajoutsParMinute), limiteurReseaux_(config_.ajoutsParReseau)
{
}

CServeurLobby::~CServeurLobby() { arreter(); }

int64_t CServeurLobby::horlogeSysteme()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

void CServeurLobby::balayer(bool forcer)
{
    const int64_t maintenant = horloge_();
    {
        std::lock_guard<std::mutex> verrou(mutex_);
        // A clock set back sweeps at once, and from its new time on.
        const bool recent = maintenant >= dernierBalayage_ && maintenant - dernierBalayage_ < INTERVALLE_BALAYAGE;
        if (!forcer && balaye_ && recent)
            return;
        balaye_ = true;
        dernierBalayage_ = maintenant;
    }
    stock_.expirer(maintenant - config_.expiration, maintenant);
    limiteur_.oublier(maintenant);
    limiteurReseaux_.oublier(maintenant);
    stock_.surveiller();
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
    // What the answers announce; the loop holds to it.
    http_->set_keep_alive_max_count(REQUETES_PAR_CONNEXION);
    http_->set_keep_alive_timeout(DELAI_INACTIF_S);
    installerRoutes();
    CBoucleHttp::Config c;
    c.delaiInactif = std::chrono::seconds(DELAI_INACTIF_S);
    c.requetesParConnexion = REQUETES_PAR_CONNEXION;
    c.limites.corps = CORPS_MAX;
    c.connexionsParAdresse = config_.connexionsParAdresse;
    boucle_ = std::make_unique<CBoucleHttp>(
        c, [this](const RequeteHttp& q, std::string& r, bool& fermer) { repondre(q, r, fermer); });
    const int port = boucle_->ecouter(config_.adresse, config_.port, erreur);
    if (port < 0 || !boucle_->demarrer(erreur)) {
        boucle_.reset();
        http_.reset();
        return -1;
    }
    return port;
}

void CServeurLobby::arreter()
{
    if (!http_)
        return;
    boucle_.reset();
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
    FicheJoueur f;
    std::string raison;
    if (!ficheDemandee(req, avecEtat, f, raison))
        return refuser(res, 400, raison);
    const int64_t maintenant = horloge_();
    const std::string reseau = reseauAdresse(f.ipwan);
    if (!limiteur_.prendre(f.ipwan, maintenant))
        return refuser(res, 429,
                       "trop de requêtes : " + std::to_string(limiteur_.parMinute()) +
                           " ajouts ou modifications par minute et par adresse au plus");
    if (!avecEtat && !limiteurReseaux_.prendre(reseau, maintenant)) {
        limiteur_.rendre(f.ipwan);
        return refuser(res, 429, "trop d'ajouts pour ce réseau /24 : " +
                                     std::to_string(limiteurReseaux_.parMinute()) + " par minute au plus");
    }
    const PlafondAdresse plafond{config_.joueursParAdresse, maintenant - config_.expiration, config_.plafondReseau(),
                                 config_.plafondReseau16()};
    const Enregistrement e = stock_.enregistrer(f, maintenant, plafond);
    if (e != Enregistrement::FAIT) {
        limiteur_.rendre(f.ipwan);
        if (!avecEtat)
            limiteurReseaux_.rendre(reseau);
    }
    if (e == Enregistrement::ADRESSE_PLEINE)
        return refuser(res, 429, "trop de joueurs pour cette adresse : " +
                                     std::to_string(config_.joueursParAdresse) + " au plus");
    if (e == Enregistrement::RESEAU_PLEIN)
        return refuser(res, 429, "trop de joueurs pour ce réseau /24 : " +
                                     std::to_string(config_.plafondReseau()) + " au plus");
    if (e == Enregistrement::RESEAU16_PLEIN)
        return refuser(res, 429, "trop de joueurs pour ce réseau /16 : " +
                                     std::to_string(config_.plafondReseau16()) + " au plus");
    if (e == Enregistrement::COMPLET)
        return refuser(res, 503, "salon complet");
    if (e == Enregistrement::ERREUR)
        return refuser(res, 503, "base indisponible");
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
    res.set_content("", 0, "text/plain; charset=utf-8");
    texteListe(res.body);
}

void CServeurLobby::repondre(const RequeteHttp& q, std::string& reponse, bool& fermer)
{
    if (reponseGardee(q, reponse, fermer))
        return;
    listeServie = {};
    http_->repondre(q, reponse, fermer);
    if (!listeServie.servie || reponse.empty())
        return;
    auto r = std::make_shared<ReponseListe>();
    r->requete = q.octets;
    r->derniere = q.derniere;
    r->generation = listeServie.generation;
    r->instant = listeServie.instant;
    r->octets = reponse;
    r->fermer = fermer;
    std::lock_guard<std::mutex> verrou(mutex_);
    reponseListe_ = std::move(r);
}

bool CServeurLobby::reponseGardee(const RequeteHttp& q, std::string& reponse, bool& fermer)
{
    std::shared_ptr<const ReponseListe> r;
    {
        std::lock_guard<std::mutex> verrou(mutex_);
        r = reponseListe_;
    }
    if (!r || r->derniere != q.derniere || r->requete != q.octets)
        return false;
    // As the list's handler does, before it looks at the list.
    balayer();
    if (r->generation != stock_.generation() || r->instant != horloge_())
        return false;
    reponse = r->octets;
    fermer = r->fermer;
    return true;
}

void CServeurLobby::texteListe(std::string& sortie)
{
    const uint64_t g = stock_.generation();
    const int64_t maintenant = horloge_();
    std::lock_guard<std::mutex> verrou(mutex_);
    // The list depends on the second as well as on the records: a record leaves it at its
    // expiry, up to ten seconds before the sweep removes it from the store.
    if (!cacheValide_ || g != generationCache_ || maintenant != instantCache_) {
        std::string texte;
        for (const FicheJoueur& f : stock_.lister(maintenant - config_.expiration))
            texte += lobby::ligneListe(f);
        cache_ = std::move(texte);
        generationCache_ = g;
        instantCache_ = maintenant;
        cacheValide_ = true;
    }
    // Copied once, straight into the answer: the list is the largest thing the server sends.
    sortie = cache_;
    listeServie = {true, g, maintenant};
}
