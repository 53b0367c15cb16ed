#pragma once
// The single-machine store: one SQLite table keyed by (ipwan, iplan, port). Values are only
// ever bound to prepared statements. One mutex: the server's handlers run on its threads.
// The file is the server's alone: it is held locked while open, and its write-ahead log's
// index lives in memory (no "-shm" file that a fault could make unwritable under the server).
#include "lobby/serveur/FichiersBase.h"
#include "lobby/serveur/StockJoueurs.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

class CStockJoueursSQLite : public CStockJoueurs {
public:
    // ":memory:" keeps the base in memory. What fails and what is mended is said on standard
    // error, a line each.
    CStockJoueursSQLite(std::string chemin, size_t maxJoueurs);
    ~CStockJoueursSQLite() override;
    CStockJoueursSQLite(const CStockJoueursSQLite&) = delete;
    CStockJoueursSQLite& operator=(const CStockJoueursSQLite&) = delete;

    // Opens or creates the base and its table; false with the reason when another server holds
    // it, or the file does not open, is not a base, cannot be written or is another program's
    // (left byte for byte as it was). The rows of a base of the first version, whose times
    // counted from the machine's boot, are marked seen now.
    bool ouvrir(std::string& erreur);

    using CStockJoueurs::enregistrer;
    Enregistrement enregistrer(const lobby::FicheJoueur& fiche, int64_t maintenant, PlafondAdresse plafond) override;
    bool retirer(const std::string& ipwan, const std::string& iplan, int port) override;
    std::vector<lobby::FicheJoueur> lister(int64_t depuis) override;
    int expirer(int64_t avant, int64_t maintenant) override;
    uint64_t generation() override;
    // The base or its log deleted or replaced under the server: the base is written again,
    // whole, from the one still open, someone else's file first moved aside. While it cannot
    // be, adds fail rather than be acknowledged and then lost, and the whole copy made for it
    // is kept beside the base as "<base>.secours" (made again at each look, removed once the
    // base is written again). Also done before and after every write.
    void surveiller() override;
    // At the stop, once no request comes any more: the files looked at as a request does, so
    // that a base deleted or replaced since the last look is written again before the server
    // ends rather than lost with its open file. false when it could not be: its line says why,
    // and how many acknowledged players are lost with the base, or kept only in the copy.
    bool terminer();

private:
    // ouvrir() and the rewrite; the caller holds mutex_.
    bool ouvrirBase(std::string& erreur);
    bool preparer(const char* sql, sqlite3_stmt** st, std::string& erreur);
    bool preparerRequetes(std::string& erreur);
    bool executer(const std::string& sql, std::string& erreur);
    // What the file opened holds, read before anything is written to it. The server's base is
    // its version, application id 0 and its table `joueurs` (columns, types, NOT NULL, key,
    // the UNIQUE of an address); whatever else an operator added beside them (an index, a
    // trigger, a view, ANALYZE's statistics) is kept and served. Empty is no object, version 0
    // and application id 0: a file with a version or an application id set, and no table, is
    // another program's, as is one with any application id. ELARGIE: the server's base but for
    // columns added at the end of `joueurs`, which the server would not fill.
    enum class Contenu { NEUVE, PREMIERE, ACTUELLE, ELARGIE, ETRANGER, ILLISIBLE };
    // ETRANGER with what the file holds ("version 7, tables : t"), ELARGIE with the names of
    // the columns added (a line each), ILLISIBLE with the reason.
    static Contenu reconnaitre(sqlite3* base, std::string& description);
    // Why the file opened is refused. With a log beside it and the base's file read alone the
    // server's, the log is another base's: named, with what to do.
    std::string raisonRefus(Contenu contenu, const std::string& description, const std::string& fichier,
                            bool walAvant);
    // The base's log as a refusal names it: beside the name given (by its full path with
    // `plein`, for a command), unless that name is a link: beside the file it leads to.
    std::string nomJournal(bool plein) const;
    // The refusal of a base with columns added to `joueurs`: which, and how to undo it.
    std::string raisonElargie(const std::string& ajoutees) const;
    // Closes the base refused at open: false, with the folder's reason when this process may
    // not create files there (the log must be), else SQLite's.
    bool refuserOuverture(const std::string& raisonBase, std::string& erreur);
    // The files looked at, the base written again when they changed: false when it is out of
    // service. The caller holds mutex_. At the stop (`arret`) a base that cannot be written
    // again is said in a line of its own.
    bool controler(bool arret = false);
    // What the look found changed, as the log says it ("base … supprimée pendant le service").
    std::string changements(const CFichiersBase::Constat& c) const;
    // What a rewrite did: the base written at its name, opened there; the names given to
    // someone else's files moved aside; when the name could not be had, the copy kept as the
    // backup copy (`secours`), a file found at the copy's name moved aside first.
    struct Recriture {
        bool ecrite = false, rouverte = false;
        std::string erreur, secours;
        std::vector<std::string> apartes, apartesSecours;
    };
    // The open base copied to a file of its own, then renamed over the base and, with
    // `rouvrir`, opened there.
    void recrire(const CFichiersBase::Constat& c, bool rouvrir, Recriture& r);
    // A rewrite that left the server out of service, said once for each reason.
    void signalerHorsService(const std::string& quoi, const Recriture& r);
    // The open base and its statements, moved out while the base written again opens.
    static constexpr size_t NB_REQUETES = 12;
    struct Ouverte {
        sqlite3* base = nullptr;
        std::array<sqlite3_stmt*, NB_REQUETES> requetes{};
    };
    void echanger(Ouverte& o);
    static void fermer(Ouverte& o);
    // A count from a statement whose parameters are bound; -1 on a storage error.
    int64_t compter(sqlite3_stmt* st);
    // Steps a statement that returns no row: false on a storage error, logged as `operation`.
    bool aboutir(sqlite3_stmt* st, const char* operation);
    // Live rows whose ipwan begins with `prefixe` (a network's); -1 on a storage error.
    int64_t compterReseau(const std::string& prefixe, int64_t depuis);
    // The row a new key takes the place of in a full store, and its /16.
    struct Place {
        int64_t id = 0;
        std::string reseau16;
    };
    // FAIT when a new key is within the limits and the store has room or a place to take,
    // else why not.
    Enregistrement plafonds(const lobby::FicheJoueur& fiche, PlafondAdresse plafond, Place& place);
    // In a full store: the oldest row of the /16 holding the most rows, when the newcomer's
    // /16 would hold no more than that one after taking its place; COMPLET otherwise.
    Enregistrement faireDeLaPlace(const std::string& reseau16, Place& place);
    bool compterReseaux16();
    void decompter(const std::string& reseau16);
    // The row written, after the one whose place it takes if any, as one transaction.
    bool ecrire(const lobby::FicheJoueur& fiche, int64_t maintenant, const Place& place);
    // The first failure of a kind is logged with SQLite's reason, then the recovery.
    void echec(const char* operation);
    void reussite();
    void journaliser(const std::string& ligne);
    void fermer();

    std::string chemin_;  // as given, in the lines the log says
    std::string absolu_;  // made absolute at start: what is opened and watched
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
    sqlite3_stmt* stPlusAncien_ = nullptr;
    sqlite3_stmt* stEvincer_ = nullptr;
    sqlite3_stmt* stAdresses_ = nullptr;
    CFichiersBase fichiers_;
    bool horsService_ = false;  // the file could not be written again
    std::string raisonHorsService_;
    std::string secoursSignale_;  // the backup copy's name logged, until the base is written again
    int codeEchec_ = 0;         // SQLite's code of the failure last logged, until a success
    std::string raisonEchec_;
    // Rows of each /16 (all rows, as the store's maximum counts them), counted again when rows
    // went other than one at a time.
    std::unordered_map<std::string, size_t> parReseau16_;
    bool comptesValides_ = false;
    // Read by every list request without the lock.
    std::atomic<uint64_t> generation_{0};
};
