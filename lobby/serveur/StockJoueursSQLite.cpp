#include "lobby/serveur/StockJoueursSQLite.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Resets a statement when the step is over, whatever the way out.
struct Etape {
    explicit Etape(sqlite3_stmt* s) : st(s) {}
    ~Etape()
    {
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
    }
    sqlite3_stmt* st;
};

void lier(sqlite3_stmt* st, int i, const std::string& t)
{
    sqlite3_bind_text(st, i, t.data(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
}

std::string colonne(sqlite3_stmt* st, int i)
{
    const unsigned char* t = sqlite3_column_text(st, i);
    return t ? std::string(reinterpret_cast<const char*>(t), static_cast<size_t>(sqlite3_column_bytes(st, i)))
             : std::string();
}

} // namespace

CStockJoueursSQLite::CStockJoueursSQLite(std::string chemin, size_t maxJoueurs)
    : chemin_(std::move(chemin)), max_(maxJoueurs)
{
}

CStockJoueursSQLite::~CStockJoueursSQLite() { fermer(); }

void CStockJoueursSQLite::fermer()
{
    for (sqlite3_stmt** st : {&stCompter_, &stExiste_, &stCompterAdresse_, &stCompterReseau_, &stEnregistrer_,
                              &stRetirer_, &stLister_, &stExpirer_, &stRamener_}) {
        sqlite3_finalize(*st);
        *st = nullptr;
    }
    if (base_)
        sqlite3_close(base_);
    base_ = nullptr;
    surveille_ = false;
}

bool CStockJoueursSQLite::preparer(const char* sql, sqlite3_stmt** st, std::string& erreur)
{
    if (sqlite3_prepare_v2(base_, sql, -1, st, nullptr) == SQLITE_OK)
        return true;
    erreur = sqlite3_errmsg(base_);
    return false;
}

bool CStockJoueursSQLite::preparerRequetes(std::string& erreur)
{
    return preparer("SELECT COUNT(*) FROM joueurs", &stCompter_, erreur) &&
           preparer("SELECT COUNT(*) FROM joueurs WHERE ipwan=?1 AND iplan=?2 AND port=?3", &stExiste_, erreur) &&
           preparer("SELECT COUNT(*) FROM joueurs WHERE ipwan=?1 AND vu>=?2", &stCompterAdresse_, erreur) &&
           preparer("SELECT COUNT(*) FROM joueurs WHERE ipwan>=?1 AND ipwan<?2 AND vu>=?3", &stCompterReseau_,
                    erreur) &&
           preparer("INSERT INTO joueurs (pseudo, groupe, niveau, etat, ipwan, iplan, port, vu)"
                    " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)"
                    " ON CONFLICT (ipwan, iplan, port) DO UPDATE SET pseudo=excluded.pseudo,"
                    " groupe=excluded.groupe, niveau=excluded.niveau, etat=excluded.etat, vu=excluded.vu",
                    &stEnregistrer_, erreur) &&
           preparer("DELETE FROM joueurs WHERE ipwan=?1 AND iplan=?2 AND port=?3", &stRetirer_, erreur) &&
           preparer("SELECT id, pseudo, groupe, niveau, etat, ipwan, iplan, port FROM joueurs"
                    " WHERE vu >= ?1 ORDER BY id",
                    &stLister_, erreur) &&
           preparer("DELETE FROM joueurs WHERE vu < ?1", &stExpirer_, erreur) &&
           preparer("UPDATE joueurs SET vu=?1 WHERE vu>?1", &stRamener_, erreur);
}

bool CStockJoueursSQLite::ouvrir(std::string& erreur)
{
    std::lock_guard<std::mutex> verrou(mutex_);
    fermer();
    horsService_ = false;
    return ouvrirBase(erreur);
}

bool CStockJoueursSQLite::ouvrirBase(std::string& erreur)
{
    if (sqlite3_open_v2(chemin_.c_str(), &base_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        erreur = base_ ? sqlite3_errmsg(base_) : "mémoire insuffisante";
        fermer();
        return false;
    }
    sqlite3_busy_timeout(base_, 2000);
    // A file the system will not let it write is opened for reading instead.
    if (sqlite3_db_readonly(base_, "main") == 1) {
        erreur = "fichier en lecture seule pour le serveur";
        fermer();
        return false;
    }
    // The first statement reads the file: a text file is refused here. The exclusive lock,
    // asked before the switch to the write-ahead log, keeps that log's index in memory. The
    // version is written at each start: a base that cannot be written is refused now, not at
    // the first add.
    const char* schema =
        "PRAGMA locking_mode=EXCLUSIVE;"
        "PRAGMA journal_mode=WAL;"
        "PRAGMA synchronous=NORMAL;"
        "CREATE TABLE IF NOT EXISTS joueurs ("
        " id INTEGER PRIMARY KEY AUTOINCREMENT, pseudo TEXT NOT NULL, groupe TEXT NOT NULL,"
        " niveau INTEGER NOT NULL, etat INTEGER NOT NULL, ipwan TEXT NOT NULL, iplan TEXT NOT NULL,"
        " port INTEGER NOT NULL, vu INTEGER NOT NULL, UNIQUE (ipwan, iplan, port));"
        "CREATE INDEX IF NOT EXISTS joueurs_vu ON joueurs (vu);"
        "PRAGMA user_version=1;";
    char* message = nullptr;
    if (sqlite3_exec(base_, schema, nullptr, nullptr, &message) != SQLITE_OK) {
        erreur = message ? message : sqlite3_errmsg(base_);
        if (const int e = sqlite3_system_errno(base_))
            erreur += std::string(" (") + std::strerror(e) + ")";
        if (sqlite3_errcode(base_) == SQLITE_BUSY)
            erreur += " (une autre instance du serveur s'en sert)";
        sqlite3_free(message);
        fermer();
        return false;
    }
    if (!preparerRequetes(erreur)) {
        fermer();
        return false;
    }
    struct stat st {};
    surveille_ = chemin_ != ":memory:" && ::stat(chemin_.c_str(), &st) == 0;
    peripherique_ = st.st_dev;
    inode_ = st.st_ino;
    return true;
}

int64_t CStockJoueursSQLite::compter(sqlite3_stmt* st)
{
    Etape e(st);
    return sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : -1;
}

Enregistrement CStockJoueursSQLite::plafonds(const lobby::FicheJoueur& f, PlafondAdresse plafond)
{
    const int64_t total = compter(stCompter_);
    if (total < 0)
        return Enregistrement::ERREUR;
    if (static_cast<size_t>(total) >= max_)
        return Enregistrement::COMPLET;
    if (plafond.max > 0) {
        lier(stCompterAdresse_, 1, f.ipwan);
        sqlite3_bind_int64(stCompterAdresse_, 2, plafond.depuis);
        const int64_t n = compter(stCompterAdresse_);
        if (n < 0)
            return Enregistrement::ERREUR;
        if (static_cast<size_t>(n) >= plafond.max)
            return Enregistrement::ADRESSE_PLEINE;
    }
    const std::string reseau = reseauAdresse(f.ipwan);
    if (plafond.maxReseau > 0 && !reseau.empty()) {
        // The network's addresses as text: from "a.b.c." up to "a.b.c/", the next character.
        lier(stCompterReseau_, 1, reseau);
        lier(stCompterReseau_, 2, reseau.substr(0, reseau.size() - 1) + "/");
        sqlite3_bind_int64(stCompterReseau_, 3, plafond.depuis);
        const int64_t n = compter(stCompterReseau_);
        if (n < 0)
            return Enregistrement::ERREUR;
        if (static_cast<size_t>(n) >= plafond.maxReseau)
            return Enregistrement::RESEAU_PLEIN;
    }
    return Enregistrement::FAIT;
}

Enregistrement CStockJoueursSQLite::enregistrer(const lobby::FicheJoueur& f, int64_t maintenant, PlafondAdresse plafond)
{
    std::lock_guard<std::mutex> verrou(mutex_);
    if (!base_ || horsService_)
        return Enregistrement::ERREUR;
    lier(stExiste_, 1, f.ipwan);
    lier(stExiste_, 2, f.iplan);
    sqlite3_bind_int(stExiste_, 3, f.port);
    const int64_t existe = compter(stExiste_);
    if (existe < 0)
        return Enregistrement::ERREUR;
    if (existe == 0) {
        const Enregistrement p = plafonds(f, plafond);
        if (p != Enregistrement::FAIT)
            return p;
    }
    Etape e(stEnregistrer_);
    lier(stEnregistrer_, 1, f.pseudo);
    lier(stEnregistrer_, 2, f.groupe);
    sqlite3_bind_int(stEnregistrer_, 3, f.niveau);
    sqlite3_bind_int(stEnregistrer_, 4, f.etat);
    lier(stEnregistrer_, 5, f.ipwan);
    lier(stEnregistrer_, 6, f.iplan);
    sqlite3_bind_int(stEnregistrer_, 7, f.port);
    sqlite3_bind_int64(stEnregistrer_, 8, maintenant);
    if (sqlite3_step(stEnregistrer_) != SQLITE_DONE)
        return Enregistrement::ERREUR;
    ++generation_;
    return Enregistrement::FAIT;
}

bool CStockJoueursSQLite::retirer(const std::string& ipwan, const std::string& iplan, int port)
{
    std::lock_guard<std::mutex> verrou(mutex_);
    if (!base_)
        return false;
    Etape e(stRetirer_);
    lier(stRetirer_, 1, ipwan);
    lier(stRetirer_, 2, iplan);
    sqlite3_bind_int(stRetirer_, 3, port);
    if (sqlite3_step(stRetirer_) != SQLITE_DONE || sqlite3_changes(base_) == 0)
        return false;
    ++generation_;
    return true;
}

std::vector<lobby::FicheJoueur> CStockJoueursSQLite::lister(int64_t depuis)
{
    std::lock_guard<std::mutex> verrou(mutex_);
    std::vector<lobby::FicheJoueur> r;
    if (!base_)
        return r;
    Etape e(stLister_);
    sqlite3_bind_int64(stLister_, 1, depuis);
    while (sqlite3_step(stLister_) == SQLITE_ROW) {
        lobby::FicheJoueur f;
        f.id = sqlite3_column_int64(stLister_, 0);
        f.pseudo = colonne(stLister_, 1);
        f.groupe = colonne(stLister_, 2);
        f.niveau = sqlite3_column_int(stLister_, 3);
        f.etat = sqlite3_column_int(stLister_, 4);
        f.ipwan = colonne(stLister_, 5);
        f.iplan = colonne(stLister_, 6);
        f.port = sqlite3_column_int(stLister_, 7);
        r.push_back(std::move(f));
    }
    return r;
}

int CStockJoueursSQLite::expirer(int64_t avant, int64_t maintenant)
{
    std::lock_guard<std::mutex> verrou(mutex_);
    if (!base_)
        return 0;
    {
        Etape e(stRamener_);
        sqlite3_bind_int64(stRamener_, 1, maintenant);
        sqlite3_step(stRamener_);
    }
    Etape e(stExpirer_);
    sqlite3_bind_int64(stExpirer_, 1, avant);
    if (sqlite3_step(stExpirer_) != SQLITE_DONE)
        return 0;
    const int n = sqlite3_changes(base_);
    if (n > 0)
        ++generation_;
    return n;
}

uint64_t CStockJoueursSQLite::generation() { return generation_; }

std::string CStockJoueursSQLite::surveiller()
{
    std::lock_guard<std::mutex> verrou(mutex_);
    if (!surveille_ || !base_)
        return {};
    struct stat st {};
    const bool present = ::stat(chemin_.c_str(), &st) == 0;
    if (present ? st.st_dev == peripherique_ && st.st_ino == inode_ && !horsService_ : errno != ENOENT)
        return {};
    const std::string quoi = "base " + chemin_ + (present ? " remplacée" : " supprimée") + " pendant le service : ";
    std::string erreur;
    if (!recrire(erreur)) {
        horsService_ = true;
        return quoi + "impossible de la récrire (" + erreur + "), les ajouts sont refusés";
    }
    horsService_ = false;
    return quoi + "récrite (joueurs : " + std::to_string(compter(stCompter_)) + ")";
}

bool CStockJoueursSQLite::recrire(std::string& erreur)
{
    std::string temp = chemin_ + ".XXXXXX.tmp";
    const int fd = ::mkstemps(temp.data(), 4);
    if (fd < 0) {
        erreur = std::strerror(errno);
        return false;
    }
    sqlite3_stmt* st = nullptr;
    bool ok = sqlite3_prepare_v2(base_, "VACUUM INTO ?1", -1, &st, nullptr) == SQLITE_OK;
    if (ok) {
        lier(st, 1, temp);
        ok = sqlite3_step(st) == SQLITE_DONE;
    }
    if (!ok)
        erreur = sqlite3_errmsg(base_);
    sqlite3_finalize(st);
    // On the disk before it takes the name.
    if (ok && (::fsync(fd) != 0 || ::rename(temp.c_str(), chemin_.c_str()) != 0)) {
        erreur = std::strerror(errno);
        ok = false;
    }
    ::close(fd);
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    fermer();
    return ouvrirBase(erreur);
}
