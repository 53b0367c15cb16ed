#pragma once
// The single-machine store: one SQLite table keyed by (ipwan, iplan, port). Values are only
// ever bound to prepared statements. One mutex: the server's handlers run on its threads.
#include "lobby/serveur/StockJoueurs.h"

#include <atomic>
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
    // open or is not a base.
    bool ouvrir(std::string& erreur);

    using CStockJoueurs::enregistrer;
    Enregistrement enregistrer(const lobby::FicheJoueur& fiche, int64_t maintenant, PlafondAdresse plafond) override;
    bool retirer(const std::string& ipwan, const std::string& iplan, int port) override;
    std::vector<lobby::FicheJoueur> lister(int64_t depuis) override;
    int expirer(int64_t avant) override;
    uint64_t generation() override;

private:
    bool preparer(const char* sql, sqlite3_stmt** st, std::string& erreur);
    // A count from a statement whose parameters are bound; -1 on a storage error.
    static int64_t compter(sqlite3_stmt* st);
    void fermer();

    std::string chemin_;
    size_t max_;
    std::mutex mutex_;
    sqlite3* base_ = nullptr;
    sqlite3_stmt* stCompter_ = nullptr;
    sqlite3_stmt* stExiste_ = nullptr;
    sqlite3_stmt* stCompterAdresse_ = nullptr;
    sqlite3_stmt* stEnregistrer_ = nullptr;
    sqlite3_stmt* stRetirer_ = nullptr;
    sqlite3_stmt* stLister_ = nullptr;
    sqlite3_stmt* stExpirer_ = nullptr;
    // Read by every list request without the lock.
    std::atomic<uint64_t> generation_{0};
};
