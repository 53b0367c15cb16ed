#pragma once
// The single-machine store: one SQLite table keyed by (ipwan, iplan, port). Values are only
// ever bound to prepared statements. One mutex: the server's handlers run on its threads.
// The file is the server's alone: it is held locked while open, and its write-ahead log's
// index lives in memory (no "-shm" file that a fault could make unwritable under the server).
#include "lobby/serveur/StockJoueurs.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

class CStockJoueursSQLite : public CStockJoueurs {
public:
    // ":memory:" keeps the base in memory.
    CStockJoueursSQLite(std::string chemin, size_t maxJoueurs);
    ~CStockJoueursSQLite() override;
    CStockJoueursSQLite(const CStockJoueursSQLite&) = delete;
    CStockJoueursSQLite& operator=(const CStockJoueursSQLite&) = delete;

    // Opens or creates the base and its table; false with the reason when the file does not
    // open, is not a base, cannot be written or is another program's.
    bool ouvrir(std::string& erreur);

    using CStockJoueurs::enregistrer;
    Enregistrement enregistrer(const lobby::FicheJoueur& fiche, int64_t maintenant, PlafondAdresse plafond) override;
    bool retirer(const std::string& ipwan, const std::string& iplan, int port) override;
    std::vector<lobby::FicheJoueur> lister(int64_t depuis) override;
    int expirer(int64_t avant, int64_t maintenant) override;
    uint64_t generation() override;
    // A file deleted or replaced under the server is written again, whole, from the base
    // still open; while it cannot be, adds fail rather than be acknowledged and then lost.
    std::string surveiller() override;

private:
    // ouvrir() and the rewrite; the caller holds mutex_.
    bool ouvrirBase(std::string& erreur);
    bool preparer(const char* sql, sqlite3_stmt** st, std::string& erreur);
    bool preparerRequetes(std::string& erreur);
    // The open base copied to a file of its own, then renamed over chemin_ and opened.
    bool recrire(std::string& erreur);
    // A count from a statement whose parameters are bound; -1 on a storage error.
    static int64_t compter(sqlite3_stmt* st);
    // FAIT when a new key is within the limits, else why not.
    Enregistrement plafonds(const lobby::FicheJoueur& fiche, PlafondAdresse plafond);
    void fermer();

    std::string chemin_;
    size_t max_;
    std::mutex mutex_;
    sqlite3* base_ = nullptr;
    sqlite3_stmt* stCompter_ = nullptr;
    sqlite3_stmt* stExiste_ = nullptr;
    sqlite3_stmt* stCompterAdresse_ = nullptr;
    sqlite3_stmt* stCompterReseau_ = nullptr;
    sqlite3_stmt* stEnregistrer_ = nullptr;
    sqlite3_stmt* stRetirer_ = nullptr;
    sqlite3_stmt* stLister_ = nullptr;
    sqlite3_stmt* stExpirer_ = nullptr;
    sqlite3_stmt* stRamener_ = nullptr;
    // The file opened, while a file: what the path must still name.
    bool surveille_ = false;
    uint64_t peripherique_ = 0, inode_ = 0;
    bool horsService_ = false;  // the file could not be written again
    // Read by every list request without the lock.
    std::atomic<uint64_t> generation_{0};
};
