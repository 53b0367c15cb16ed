#include "lobby/serveur/StockJoueursSQLite.h"

#include "lobby/serveur/CheminsBase.h"

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <iostream>

#include <sys/stat.h>
#include <unistd.h>

using chemins::cheminAbsolu;
using chemins::cheminComplet;
using chemins::cheminUri;
using chemins::mettreLeJournalDeCote;
using chemins::pourLeShell;

namespace {

// The base's `user_version` since times are calendar seconds; the first version's is 0.
constexpr int VERSION_BASE = 1;
// The columns of the table `joueurs` as the server makes it (both versions): name, type, NOT
// NULL, key.
constexpr const char* COLONNES = "id INTEGER PK, pseudo TEXT NOT NULL, groupe TEXT NOT NULL, niveau INTEGER NOT NULL,"
                                 " etat INTEGER NOT NULL, ipwan TEXT NOT NULL, iplan TEXT NOT NULL,"
                                 " port INTEGER NOT NULL, vu INTEGER NOT NULL";

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

// SQLite's message, and the system's when a system call failed.
std::string raison(sqlite3* base)
{
    std::string r = sqlite3_errmsg(base);
    if (const int e = sqlite3_system_errno(base))
        r += std::string(" (") + std::strerror(e) + ")";
    return r;
}

// The range of the addresses of a network as text: from "a.b.c." up to "a.b.c/", the next
// character.
void lierPrefixe(sqlite3_stmt* st, const std::string& prefixe)
{
    lier(st, 1, prefixe);
    lier(st, 2, prefixe.substr(0, prefixe.size() - 1) + "/");
}

// A line followed by the names under which what was found in a file's place is kept.
std::string avecApartes(std::string ligne, const std::vector<std::string>& noms)
{
    for (const std::string& a : noms)
        ligne += " ; le fichier trouvé à sa place est gardé sous le nom " + a;
    return ligne;
}

} // namespace

CStockJoueursSQLite::CStockJoueursSQLite(std::string chemin, size_t maxJoueurs)
    : chemin_(std::move(chemin)), absolu_(cheminAbsolu(chemin_)), max_(maxJoueurs), fichiers_(absolu_, chemin_)
{
}

CStockJoueursSQLite::~CStockJoueursSQLite() { fermer(); }

void CStockJoueursSQLite::echanger(Ouverte& o)
{
    std::swap(base_, o.base);
    sqlite3_stmt** const requetes[] = {&stCompter_, &stExiste_,       &stCompterAdresse_, &stCompterReseau_,
                                       &stEnregistrer_, &stRetirer_,  &stLister_,         &stExpirer_,
                                       &stRamener_,     &stPlusAncien_, &stEvincer_,      &stAdresses_};
    static_assert(std::size(requetes) == NB_REQUETES, "every statement moves with its base");
    for (size_t i = 0; i < NB_REQUETES; ++i)
        std::swap(*requetes[i], o.requetes[i]);
}

void CStockJoueursSQLite::fermer(Ouverte& o)
{
    for (sqlite3_stmt*& st : o.requetes) {
        sqlite3_finalize(st);
        st = nullptr;
    }
    if (o.base)
        sqlite3_close(o.base);
    o.base = nullptr;
}

void CStockJoueursSQLite::fermer()
{
    Ouverte o;
    echanger(o);
    fermer(o);
    fichiers_.oublier();
    comptesValides_ = false;
}

void CStockJoueursSQLite::journaliser(const std::string& ligne)
{
    std::cerr << "serveur_lobby : " << ligne << std::endl;
}

void CStockJoueursSQLite::echec(const char* operation)
{
    // SQLite does not always keep the system's reason of a failed write (a file size limit):
    // the C library's, read before anything else, is then the one.
    const int systeme = errno;
    const int code = sqlite3_extended_errcode(base_);
    if (code == codeEchec_)
        return;
    codeEchec_ = code;
    raisonEchec_ = raison(base_);
    const int primaire = code & 0xff;
    if (!sqlite3_system_errno(base_) && systeme &&
        (primaire == SQLITE_IOERR || primaire == SQLITE_FULL || primaire == SQLITE_CANTOPEN))
        raisonEchec_ += std::string(" (") + std::strerror(systeme) + ")";
    journaliser("base " + chemin_ + " : échec (" + operation + ") : " + raisonEchec_ +
                " ; les échecs suivants du même genre ne sont pas signalés");
}

void CStockJoueursSQLite::reussite()
{
    if (codeEchec_ == 0)
        return;
    journaliser("base " + chemin_ + " : de nouveau écrite après l'échec « " + raisonEchec_ + " »");
    codeEchec_ = 0;
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
           preparer("UPDATE joueurs SET vu=?1 WHERE vu>?1", &stRamener_, erreur) &&
           preparer("SELECT id FROM joueurs WHERE ipwan>=?1 AND ipwan<?2 ORDER BY vu, id LIMIT 1", &stPlusAncien_,
                    erreur) &&
           preparer("DELETE FROM joueurs WHERE id=?1", &stEvincer_, erreur) &&
           preparer("SELECT ipwan FROM joueurs", &stAdresses_, erreur);
}

bool CStockJoueursSQLite::ouvrir(std::string& erreur)
{
    std::lock_guard<std::mutex> verrou(mutex_);
    fermer();
    horsService_ = false;
    if (chemin_ == ":memory:")
        return ouvrirBase(erreur);
    // Locked before SQLite opens anything: a second server makes no file at a deleted base's name.
    if (!fichiers_.verrouiller(erreur))
        return false;
    const CFichiersBase::Presents avant = fichiers_.presents();
    if (avant.wal && !avant.base) {
        // SQLite would start a new base beside it and drop it: the players it holds, with the
        // base it belongs to, would be lost for good.
        erreur = "journal " + nomJournal(false) + " sans base à côté de lui, laissé tel quel : sa base a été"
                 " supprimée ou déplacée ; remettez-la à côté de lui, ou mettez-le de côté (" +
                 mettreLeJournalDeCote(nomJournal(true), ".seul") +
                 ") pour partir d'une base neuve, puis relancez le serveur";
        fichiers_.renoncer(avant);
        return false;
    }
    if (ouvrirBase(erreur))
        return true;
    // A refusal leaves no file of its own: the base's file SQLite made, its log, the lock file.
    fichiers_.renoncer(avant);
    return false;
}

std::string CStockJoueursSQLite::nomJournal(bool plein) const
{
    struct stat st {};
    const bool lien = ::lstat(absolu_.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
    return (lien ? fichiers_.chemin() : plein ? absolu_ : chemin_) + "-wal";
}

bool CStockJoueursSQLite::refuserOuverture(const std::string& raisonBase, std::string& erreur)
{
    const std::string dossier = chemin_ == ":memory:" ? std::string() : fichiers_.dossierRefuse();
    erreur = dossier.empty() ? raisonBase : dossier;
    fermer();
    return false;
}

bool CStockJoueursSQLite::executer(const std::string& sql, std::string& erreur)
{
    char* message = nullptr;
    if (sqlite3_exec(base_, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    erreur = message ? message : sqlite3_errmsg(base_);
    if (const int e = sqlite3_system_errno(base_))
        erreur += std::string(" (") + std::strerror(e) + ")";
    if (sqlite3_errcode(base_) == SQLITE_BUSY)
        erreur += " (un autre programme s'en sert)";
    sqlite3_free(message);
    return false;
}

bool CStockJoueursSQLite::ouvrirBase(std::string& erreur)
{
    if (sqlite3_open_v2(absolu_.c_str(), &base_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK)
        return refuserOuverture(base_ ? sqlite3_errmsg(base_) : "mémoire insuffisante", erreur);
    sqlite3_busy_timeout(base_, 2000);
    // A file the system will not let it write is opened for reading instead.
    if (sqlite3_db_readonly(base_, "main") == 1)
        return refuserOuverture("fichier en lecture seule pour le serveur", erreur);
    // Nothing is written before the file is known for the server's own: not even the log that
    // closing would copy into a base of another program in write-ahead-log mode. The exclusive
    // lock, asked before the first read, keeps such a log's index in memory.
    const std::string fichier = sqlite3_db_filename(base_, "main"), wal = fichier + "-wal";
    struct stat st {};
    const bool walAvant = ::lstat(wal.c_str(), &st) == 0;
    sqlite3_db_config(base_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    std::string raisonBase;
    const Contenu contenu =
        executer("PRAGMA locking_mode=EXCLUSIVE;", raisonBase) ? reconnaitre(base_, raisonBase) : Contenu::ILLISIBLE;
    if (contenu == Contenu::ILLISIBLE || contenu == Contenu::ETRANGER || contenu == Contenu::ELARGIE) {
        refuserOuverture(raisonRefus(contenu, raisonBase, fichier, walAvant), erreur);
        // The empty log SQLite made to read a base in write-ahead-log mode goes with it.
        if (!walAvant && ::lstat(wal.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size == 0)
            ::unlink(wal.c_str());
        return false;
    }
    if (!executer("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;", raisonBase))
        return refuserOuverture(raisonBase, erreur);
    sqlite3_db_config(base_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
    // The first version kept times since the machine's boot: its rows would all go at the
    // first sweep. They are marked seen now, once, with the version that says so. The
    // version is written at each start: a base that cannot be written is refused now, not at
    // the first add.
    const int64_t maintenant =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
    const std::string schema =
        "BEGIN;"
        "CREATE TABLE IF NOT EXISTS joueurs ("
        " id INTEGER PRIMARY KEY AUTOINCREMENT, pseudo TEXT NOT NULL, groupe TEXT NOT NULL,"
        " niveau INTEGER NOT NULL, etat INTEGER NOT NULL, ipwan TEXT NOT NULL, iplan TEXT NOT NULL,"
        " port INTEGER NOT NULL, vu INTEGER NOT NULL, UNIQUE (ipwan, iplan, port));"
        "CREATE INDEX IF NOT EXISTS joueurs_vu ON joueurs (vu);" +
        (contenu == Contenu::PREMIERE ? "UPDATE joueurs SET vu=" + std::to_string(maintenant) + ";" : std::string()) +
        "PRAGMA user_version=" + std::to_string(VERSION_BASE) + ";"
        "COMMIT;";
    if (!executer(schema, raisonBase))
        return refuserOuverture(raisonBase, erreur);
    if (!preparerRequetes(raisonBase))
        return refuserOuverture(raisonBase, erreur);
    if (chemin_ != ":memory:")
        fichiers_.noter(sqlite3_db_filename(base_, "main"));
    return true;
}

CStockJoueursSQLite::Contenu CStockJoueursSQLite::reconnaitre(sqlite3* base, std::string& description)
{
    // Types compared as SQLite does, whatever their case. The key's UNIQUE is the table's
    // first automatic index.
    const char* sql =
        "SELECT (SELECT user_version FROM pragma_user_version), (SELECT application_id FROM pragma_application_id),"
        " (SELECT COUNT(*) FROM sqlite_master),"
        " (SELECT group_concat(name || ' ' || upper(type) || CASE WHEN \"notnull\" THEN ' NOT NULL' ELSE '' END ||"
        "  CASE WHEN pk THEN ' PK' ELSE '' END, ', ') FROM pragma_table_info('joueurs')),"
        " (SELECT group_concat(name, ',') FROM pragma_index_info('sqlite_autoindex_joueurs_1')),"
        " (SELECT group_concat(name, ', ') FROM sqlite_master WHERE type='table'),"
        " (SELECT group_concat(name, char(10)) FROM pragma_table_info('joueurs') WHERE cid >= 9)";
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(base, sql, -1, &st, nullptr) != SQLITE_OK || sqlite3_step(st) != SQLITE_ROW) {
        description = raison(base);
        if (sqlite3_errcode(base) == SQLITE_BUSY)
            description += " (un autre programme s'en sert)";
        sqlite3_finalize(st);
        return Contenu::ILLISIBLE;
    }
    const int64_t version = sqlite3_column_int64(st, 0), application = sqlite3_column_int64(st, 1);
    const bool vide = sqlite3_column_int64(st, 2) == 0 && version == 0 && application == 0;
    // The server never sets an application id: a file that has one belongs to the program
    // that set it, whatever its tables.
    const bool entete = (version == 0 || version == VERSION_BASE) && application == 0 &&
                        colonne(st, 4) == "ipwan,iplan,port";
    const std::string colonnes = colonne(st, 3), tables = colonne(st, 5), ajoutees = colonne(st, 6);
    sqlite3_finalize(st);
    if (vide)
        return Contenu::NEUVE;
    if (entete && colonnes == COLONNES)
        return version == 0 ? Contenu::PREMIERE : Contenu::ACTUELLE;
    if (entete && colonnes.rfind(std::string(COLONNES) + ", ", 0) == 0) {
        description = ajoutees;
        return Contenu::ELARGIE;
    }
    description = "version " + std::to_string(version) +
                  (application ? ", application_id " + std::to_string(application) : std::string()) +
                  ", tables : " + (tables.empty() ? std::string("aucune") : tables);
    return Contenu::ETRANGER;
}

std::string CStockJoueursSQLite::raisonRefus(Contenu contenu, const std::string& description,
                                             const std::string& fichier, bool walAvant)
{
    const int code = sqlite3_errcode(base_) & 0xff;
    if (walAvant && (contenu == Contenu::ETRANGER || code == SQLITE_CORRUPT || code == SQLITE_NOTADB)) {
        // The base's file read alone: an immutable open looks at no log and writes nothing.
        sqlite3* seule = nullptr;
        std::string rien;
        const bool ouverte = sqlite3_open_v2(("file:" + cheminUri(fichier) + "?immutable=1").c_str(), &seule,
                                             SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) == SQLITE_OK;
        const Contenu sienne = ouverte ? reconnaitre(seule, rien) : Contenu::ILLISIBLE;
        sqlite3_close(seule);
        if (sienne == Contenu::PREMIERE || sienne == Contenu::ACTUELLE) {
            return "journal " + nomJournal(false) + " d'une autre base à côté d'elle (avec lui : " + description +
                   "), laissés tels quels : la base seule est celle du serveur ; mettez ce journal de côté (" +
                   mettreLeJournalDeCote(nomJournal(true), ".autre") +
                   ") puis relancez le serveur ; n'ouvrez pas la base avec sqlite3 avant : il y appliquerait ce journal";
        }
    }
    if (contenu == Contenu::ILLISIBLE)
        return description;
    if (contenu == Contenu::ELARGIE)
        return raisonElargie(description);
    return "base d'un autre programme (" + description +
           "), laissée telle quelle : le serveur n'ouvre que la sienne, un fichier vide ou un nom nouveau";
}

std::string CStockJoueursSQLite::raisonElargie(const std::string& ajoutees) const
{
    std::string noms, sql;
    size_t debut = 0;
    while (debut <= ajoutees.size()) {
        const size_t fin = std::min(ajoutees.find('\n', debut), ajoutees.size());
        const std::string nom = ajoutees.substr(debut, fin - debut);
        std::string cite = "\"";
        for (const char c : nom)
            cite += c == '"' ? std::string("\"\"") : std::string(1, c);
        cite += '"';
        noms += (noms.empty() ? "" : ", ") + nom;
        sql += "ALTER TABLE joueurs DROP COLUMN " + cite + ";";
        debut = fin + 1;
    }
    return "table joueurs différente de celle du serveur (colonnes en plus : " + noms +
           "), laissée telle quelle : le serveur arrêté, retirez-les (sqlite3 " + pourLeShell(cheminComplet(absolu_)) +
           " " + pourLeShell(sql) + ") ; pour garder ce qu'elles tiennent, copiez-le d'abord dans une table à vous"
           " avec l'id du joueur";
}

int64_t CStockJoueursSQLite::compter(sqlite3_stmt* st)
{
    Etape e(st);
    if (sqlite3_step(st) == SQLITE_ROW)
        return sqlite3_column_int64(st, 0);
    echec("lecture");
    return -1;
}

bool CStockJoueursSQLite::aboutir(sqlite3_stmt* st, const char* operation)
{
    if (sqlite3_step(st) == SQLITE_DONE)
        return true;
    echec(operation);
    return false;
}

int64_t CStockJoueursSQLite::compterReseau(const std::string& prefixe, int64_t depuis)
{
    lierPrefixe(stCompterReseau_, prefixe);
    sqlite3_bind_int64(stCompterReseau_, 3, depuis);
    return compter(stCompterReseau_);
}

Enregistrement CStockJoueursSQLite::plafonds(const lobby::FicheJoueur& f, PlafondAdresse plafond, Place& place)
{
    if (plafond.max > 0) {
        lier(stCompterAdresse_, 1, f.ipwan);
        sqlite3_bind_int64(stCompterAdresse_, 2, plafond.depuis);
        const int64_t n = compter(stCompterAdresse_);
        if (n < 0)
            return Enregistrement::ERREUR;
        if (static_cast<size_t>(n) >= plafond.max)
            return Enregistrement::ADRESSE_PLEINE;
    }
    const struct {
        size_t max;
        std::string prefixe;
        Enregistrement refus;
    } reseaux[] = {{plafond.maxReseau, reseauAdresse(f.ipwan), Enregistrement::RESEAU_PLEIN},
                   {plafond.maxReseau16, reseau16Adresse(f.ipwan), Enregistrement::RESEAU16_PLEIN}};
    for (const auto& r : reseaux) {
        if (r.max == 0 || r.prefixe.empty())
            continue;
        const int64_t n = compterReseau(r.prefixe, plafond.depuis);
        if (n < 0)
            return Enregistrement::ERREUR;
        if (static_cast<size_t>(n) >= r.max)
            return r.refus;
    }
    const int64_t total = compter(stCompter_);
    if (total < 0)
        return Enregistrement::ERREUR;
    return static_cast<size_t>(total) < max_ ? Enregistrement::FAIT : faireDeLaPlace(reseaux[1].prefixe, place);
}

bool CStockJoueursSQLite::compterReseaux16()
{
    parReseau16_.clear();
    Etape e(stAdresses_);
    int r;
    while ((r = sqlite3_step(stAdresses_)) == SQLITE_ROW)
        ++parReseau16_[reseau16Adresse(colonne(stAdresses_, 0))];
    if (r != SQLITE_DONE) {
        echec("lecture");
        return false;
    }
    comptesValides_ = true;
    return true;
}

void CStockJoueursSQLite::decompter(const std::string& reseau16)
{
    const auto it = parReseau16_.find(reseau16);
    if (it != parReseau16_.end() && --it->second == 0)
        parReseau16_.erase(it);
}

Enregistrement CStockJoueursSQLite::faireDeLaPlace(const std::string& reseau16, Place& place)
{
    if (!comptesValides_ && !compterReseaux16())
        return Enregistrement::ERREUR;
    const auto plus = std::max_element(parReseau16_.begin(), parReseau16_.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    const auto sien = parReseau16_.find(reseau16);
    const size_t n = sien == parReseau16_.end() ? 0 : sien->second;
    // Taking the place must leave the newcomer's network no larger than the one it takes from:
    // otherwise two networks would take it from each other in turn.
    if (plus == parReseau16_.end() || plus->first.empty() || n + 2 > plus->second)
        return Enregistrement::COMPLET;
    Etape e(stPlusAncien_);
    lierPrefixe(stPlusAncien_, plus->first);
    if (sqlite3_step(stPlusAncien_) != SQLITE_ROW) {
        echec("lecture");
        return Enregistrement::ERREUR;
    }
    place = {sqlite3_column_int64(stPlusAncien_, 0), plus->first};
    return Enregistrement::FAIT;
}

bool CStockJoueursSQLite::ecrire(const lobby::FicheJoueur& f, int64_t maintenant, const Place& place)
{
    const bool transaction = place.id != 0;
    if (transaction && sqlite3_exec(base_, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK) {
        echec("ajout");
        return false;
    }
    bool ok = true;
    if (place.id != 0) {
        Etape e(stEvincer_);
        sqlite3_bind_int64(stEvincer_, 1, place.id);
        ok = aboutir(stEvincer_, "ajout");
    }
    if (ok) {
        Etape e(stEnregistrer_);
        lier(stEnregistrer_, 1, f.pseudo);
        lier(stEnregistrer_, 2, f.groupe);
        sqlite3_bind_int(stEnregistrer_, 3, f.niveau);
        sqlite3_bind_int(stEnregistrer_, 4, f.etat);
        lier(stEnregistrer_, 5, f.ipwan);
        lier(stEnregistrer_, 6, f.iplan);
        sqlite3_bind_int(stEnregistrer_, 7, f.port);
        sqlite3_bind_int64(stEnregistrer_, 8, maintenant);
        ok = aboutir(stEnregistrer_, "ajout");
    }
    if (transaction && ok && sqlite3_exec(base_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        echec("ajout");
        ok = false;
    }
    if (transaction && !ok)
        sqlite3_exec(base_, "ROLLBACK", nullptr, nullptr, nullptr);
    return ok;
}

Enregistrement CStockJoueursSQLite::enregistrer(const lobby::FicheJoueur& f, int64_t maintenant, PlafondAdresse plafond)
{
    std::lock_guard<std::mutex> verrou(mutex_);
    // The files looked at first: a row is written only where the base's name gives it, and an
    // add refused is not listed.
    if (!base_ || horsService_ || !controler())
        return Enregistrement::ERREUR;
    lier(stExiste_, 1, f.ipwan);
    lier(stExiste_, 2, f.iplan);
    sqlite3_bind_int(stExiste_, 3, f.port);
    const int64_t existe = compter(stExiste_);
    if (existe < 0)
        return Enregistrement::ERREUR;
    Place place;
    if (existe == 0) {
        const Enregistrement p = plafonds(f, plafond, place);
        if (p != Enregistrement::FAIT)
            return p;
    }
    if (!ecrire(f, maintenant, place))
        return Enregistrement::ERREUR;
    reussite();
    if (existe == 0 && comptesValides_) {
        ++parReseau16_[reseau16Adresse(f.ipwan)];
        if (place.id != 0)
            decompter(place.reseau16);
    }
    ++generation_;
    // Acknowledged only once it is in the files the base's name gives.
    return controler() ? Enregistrement::FAIT : Enregistrement::ERREUR;
}

bool CStockJoueursSQLite::retirer(const std::string& ipwan, const std::string& iplan, int port)
{
    std::lock_guard<std::mutex> verrou(mutex_);
    if (!base_)
        return false;
    {
        Etape e(stRetirer_);
        lier(stRetirer_, 1, ipwan);
        lier(stRetirer_, 2, iplan);
        sqlite3_bind_int(stRetirer_, 3, port);
        if (!aboutir(stRetirer_, "retrait"))
            return false;
    }
    if (sqlite3_changes(base_) == 0)
        return false;
    reussite();
    if (comptesValides_)
        decompter(reseau16Adresse(ipwan));
    ++generation_;
    if (!horsService_)
        controler();
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
    int pas;
    while ((pas = sqlite3_step(stLister_)) == SQLITE_ROW) {
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
    if (pas != SQLITE_DONE)
        echec("lecture");
    return r;
}

int CStockJoueursSQLite::expirer(int64_t avant, int64_t maintenant)
{
    std::lock_guard<std::mutex> verrou(mutex_);
    if (!base_)
        return 0;
    int ramenes = 0;
    {
        Etape e(stRamener_);
        sqlite3_bind_int64(stRamener_, 1, maintenant);
        if (!aboutir(stRamener_, "expiration"))
            return 0;
        ramenes = sqlite3_changes(base_);
    }
    Etape e(stExpirer_);
    sqlite3_bind_int64(stExpirer_, 1, avant);
    if (!aboutir(stExpirer_, "expiration"))
        return 0;
    const int n = sqlite3_changes(base_);
    // A statement that changed nothing wrote nothing: it says nothing of the disk.
    if (ramenes + n > 0)
        reussite();
    if (n > 0) {
        comptesValides_ = false;
        ++generation_;
    }
    return n;
}

uint64_t CStockJoueursSQLite::generation() { return generation_; }

void CStockJoueursSQLite::surveiller()
{
    std::lock_guard<std::mutex> verrou(mutex_);
    if (base_)
        controler();
}

bool CStockJoueursSQLite::terminer()
{
    std::lock_guard<std::mutex> verrou(mutex_);
    return !base_ || controler(true);
}

std::string CStockJoueursSQLite::changements(const CFichiersBase::Constat& c) const
{
    using Etat = CFichiersBase::Etat;
    std::string quoi;
    if (c.base != Etat::INTACT)
        quoi = "base " + chemin_ + (c.base == Etat::SUPPRIME ? " supprimée" : " remplacée");
    if (c.wal != Etat::INTACT)
        quoi += (quoi.empty() ? "" : ", ") + std::string("journal ") + chemin_ + "-wal" +
                (c.wal == Etat::SUPPRIME ? " supprimé" : " remplacé");
    if (c.nom != Etat::INTACT)
        quoi += (quoi.empty() ? "" : ", ") + std::string("lien ") + chemin_ +
                (c.nom == Etat::SUPPRIME ? " supprimé" : " menant à un autre fichier");
    return quoi.empty() ? "base " + chemin_ + " hors service" : quoi + " pendant le service";
}

bool CStockJoueursSQLite::controler(bool arret)
{
    fichiers_.refaireVerrou();
    const CFichiersBase::Constat c = fichiers_.constater();
    if (c.intact() && !horsService_)
        return true;
    const std::string quoi = changements(c);
    Recriture r;
    recrire(c, !arret, r);
    // Written at the name given, no longer a link to the file locked: the lock goes with the base.
    if (r.ecrite)
        fichiers_.refaireVerrou();
    // At the stop the base written whole is all there is to do: nothing opens it again.
    if (r.ecrite && (r.rouverte || arret)) {
        horsService_ = false;
        secoursSignale_.clear();
        // Said of the base, whatever else the look found changed (its log, the link to it).
        std::string ligne = quoi + (c.base == CFichiersBase::Etat::INTACT ? " : base récrite" : " : récrite") +
                            " (joueurs : " + std::to_string(compter(stCompter_)) + ")";
        ligne = avecApartes(ligne, r.apartes);
        const std::string retiree = fichiers_.retirerSecours();
        if (!retiree.empty())
            ligne += " ; copie " + retiree + " retirée";
        journaliser(ligne);
        return true;
    }
    if (arret) {
        // No try comes after this one: where the acknowledged players are left is said
        // always, even when a sweep already said why the base could not be written.
        const int64_t n = compter(stCompter_);
        std::string ligne = quoi + " : impossible de la récrire avant l'arrêt (" + r.erreur +
                            ") ; joueurs acquittés : " + (n < 0 ? "nombre inconnu" : std::to_string(n));
        ligne += r.secours.empty() ? ", perdus avec elle"
                                   : ", gardés seulement dans la copie complète sous le nom " + r.secours +
                                         ", à remettre à la place de la base";
        r.apartes.insert(r.apartes.end(), r.apartesSecours.begin(), r.apartesSecours.end());
        journaliser(avecApartes(ligne, r.apartes));
        return false;
    }
    signalerHorsService(quoi, r);
    return false;
}

void CStockJoueursSQLite::signalerHorsService(const std::string& quoi, const Recriture& r)
{
    // Tried again at each sweep: said once for each reason, the copy's name once; a file
    // moved aside always.
    if (!horsService_ || r.erreur != raisonHorsService_ || !r.apartes.empty()) {
        const std::string ligne =
            r.ecrite ? quoi + " : récrite (joueurs : " + std::to_string(compter(stCompter_)) +
                           "), mais impossible de la rouvrir (" + r.erreur + "), les ajouts sont refusés"
                     : quoi + " : impossible de la récrire (" + r.erreur + "), les ajouts sont refusés";
        journaliser(avecApartes(ligne, r.apartes));
    }
    if (!r.secours.empty() && (r.secours != secoursSignale_ || !r.apartesSecours.empty()))
        journaliser(avecApartes("copie complète des joueurs gardée sous le nom " + r.secours +
                                    ", refaite à chaque essai tant que la base ne peut être récrite",
                                r.apartesSecours));
    if (!r.secours.empty())
        secoursSignale_ = r.secours;
    horsService_ = true;
    raisonHorsService_ = r.erreur;
}

void CStockJoueursSQLite::recrire(const CFichiersBase::Constat& c, bool rouvrir, Recriture& r)
{
    const std::string cible = fichiers_.cible(c);
    std::string temp = cible + ".XXXXXX.tmp";
    const int fd = ::mkstemps(temp.data(), 4);
    if (fd < 0) {
        r.erreur = std::strerror(errno);
        return;
    }
    sqlite3_stmt* st = nullptr;
    bool copie = sqlite3_prepare_v2(base_, "VACUUM INTO ?1", -1, &st, nullptr) == SQLITE_OK;
    if (copie) {
        lier(st, 1, temp);
        copie = sqlite3_step(st) == SQLITE_DONE;
    }
    if (!copie)
        r.erreur = raison(base_);
    sqlite3_finalize(st);
    // Made private, the copy takes the bits of the base it replaces once written (a base made
    // read-only is copied too): what the operator let others read stays readable. SQLite gives
    // the log the base's. On the disk before it takes a name.
    if (copie && fichiers_.droits() != 0)
        ::fchmod(fd, fichiers_.droits());
    if (copie && ::fsync(fd) != 0) {
        r.erreur = std::strerror(errno);
        copie = false;
    }
    ::close(fd);
    bool ok = copie && fichiers_.degager(c, r.apartes, r.erreur);
    if (ok && ::rename(temp.c_str(), cible.c_str()) != 0) {
        r.erreur = std::strerror(errno);
        ok = false;
    }
    if (!ok) {
        // The rows acknowledged so far are then only in the open file, deleted or hidden: the
        // copy stays beside it, where the operator can put it back.
        std::string pasGardee;
        if (copie)
            r.secours = fichiers_.garderSecours(temp, cible, r.apartesSecours, pasGardee);
        if (r.secours.empty())
            ::unlink(temp.c_str());
        if (copie && r.secours.empty())
            r.erreur += " ; " + pasGardee;
        return;
    }
    r.ecrite = true;
    // The file at the name holds everything from now on: the base open so far, once let go,
    // must not remove the log of the new one at that name.
    if (cible == sqlite3_db_filename(base_, "main"))
        sqlite3_db_config(base_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    if (!rouvrir)
        return;
    // The new file opened before the one open so far is let go: when it does not open, that
    // one is kept, with its statements, and the file written is watched as the base.
    Ouverte ancienne;
    echanger(ancienne);
    r.rouverte = ouvrirBase(r.erreur);
    if (!r.rouverte) {
        echanger(ancienne);
        fichiers_.noter(cible);
    }
    fermer(ancienne);
}
