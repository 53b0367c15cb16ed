#pragma once
// The two files of a base in write-ahead-log mode, the base and its "-wal", as the server
// opened them: each known by its device and inode, so that one deleted, or another file put in
// its place, is seen at the next look. A name is looked at without following a symbolic link:
// a link put at it, even to the very file opened, is another file (the base moved away behind
// a link would be opened at the link's target after a restart, its log left behind). The name
// the server was given is watched too when it is itself a link: once it leads elsewhere, the
// next start would open another file, so the base is written again at that name. Whatever is
// found where the base is written (a file, a folder, a link, someone else's) is moved aside
// under a name of its own first, never written over. A lock file beside the base keeps a
// second server off it, even once the base's file was deleted; a name the system holds for the
// process keeps it off while that file is gone with the base's folder. Both are those of the file
// the name leads to, its links followed: every name of one base meets the same lock. A start
// that refuses the base removes what it made there: the base's file or log it made, and the
// lock file it made.
#include <cstdint>
#include <string>
#include <vector>

class CFichiersBase {
public:
    // `chemin`: the base's name as the server was given it, made absolute at start (the
    // server's working folder may be removed and made again while it runs); `montre`: that
    // name as the operator typed it, for the lines that name the lock.
    CFichiersBase(const std::string& chemin, const std::string& montre);
    ~CFichiersBase();
    CFichiersBase(const CFichiersBase&) = delete;
    CFichiersBase& operator=(const CFichiersBase&) = delete;

    // What became of one of the files since noter().
    enum class Etat { INTACT, SUPPRIME, REMPLACE };
    struct Constat {
        Etat base = Etat::INTACT;
        Etat wal = Etat::INTACT;
        Etat nom = Etat::INTACT;  // the name given, a link, no longer leading to the base
        bool intact() const { return base == Etat::INTACT && wal == Etat::INTACT && nom == Etat::INTACT; }
    };

    // Takes "<base>.verrou", the base being the file the name given leads to (chemin() from
    // then on), held until this object goes (the server's life) or the start gives up, with a
    // name the system keeps for that file's path while the process holds it: false with the
    // reason when another server holds either or the file cannot be made. The file is never
    // replaced; only the start that made it removes it, while it holds it, when it refuses the
    // base. So a server checks, once it holds a lock, that the name still leads to the file it
    // locked: every server asks the same one.
    bool verrouiller(std::string& erreur);
    // At each look, the lock following the base, and its file held again when it is no longer
    // the one held (deleted, its folder removed and made again, another put back): made when
    // missing.
    void refaireVerrou();

    // Which of the base and its log are at their paths, once locked, before a start opens
    // anything.
    struct Presents {
        bool base = false, wal = false;
    };
    Presents presents() const;
    // The start refused the base: the regular files it made at the base's and the log's names
    // since `avant` removed, and the lock let go, its file removed when this start made it.
    void renoncer(const Presents& avant);

    // Remembers what the paths name now, the base just opened at `ouvert` (its path once the
    // system's links are followed); a log or link that names nothing then is not watched, and a
    // base that does is already deleted.
    void noter(const std::string& ouvert);
    // The base's path: the file the name given leads to once locked, then as noter() last had it.
    const std::string& chemin() const { return base_.chemin; }
    // Where the base is written again after `c`: the name given when that no longer leads to
    // the base, else the base's path.
    const std::string& cible(const Constat& c) const;
    // Nothing watched (a base in memory, or closed).
    void oublier();
    // Also notes the base's permission bits while it is at its path.
    Constat constater();
    // The permission bits of the base the server has open, read now, even when it was deleted
    // from its path since a chmod (else as last seen at its path; 0 before any look): a base
    // written again keeps them.
    unsigned droits() const;
    // Before a copy of the open base takes cible(c): whatever is found there, or at its log's
    // path, and is not the server's own is moved aside (its new name added to `apartes`), and
    // the server's own log there is unlinked, since a log left beside the new base would be
    // replayed into it. The open base keeps the descriptors it has. false with the reason when
    // a file could not be moved aside: nothing has then been written over.
    bool degager(const Constat& c, std::vector<std::string>& apartes, std::string& erreur);

    // While the base cannot be written again at `cible`: the whole copy `copie`, already on
    // the disk, is kept as "<cible>.secours", over the one kept before. A file there that is
    // not that one (left by an earlier run, or put there) is moved aside first, its new name
    // added to `apartes`; when it cannot be, the copy takes a free name "<cible>.secours-N"
    // instead. Its name, or empty with the reason when it cannot be kept: the copy is then left
    // where it is.
    std::string garderSecours(const std::string& copie, const std::string& cible, std::vector<std::string>& apartes,
                              std::string& erreur);
    // The copy kept by garderSecours() removed, the base written again holding all it held:
    // its name, or empty when none was kept or the file at its name is no longer the one kept.
    std::string retirerSecours();

    // Why no base can be made or written at the path: its folder, when this process may not
    // create files there, with the system's reason; else empty.
    std::string dossierRefuse() const;

private:
    struct Fichier {
        std::string chemin;
        bool suivi = false;
        uint64_t peripherique = 0, inode = 0;
        unsigned droits = 0;
        void noter();
        // Refreshes `droits` when the file is still the one noted.
        Etat etat();
    };
    Etat etatNom();
    // Gives the file at `chemin` a free name "<chemin>.remplacee-N" and frees its path: the new
    // name, or empty with the reason.
    static std::string mettreDeCote(const std::string& chemin, std::string& erreur);
    // The lock of the base at `cle` taken, the one held so far let go: false with why.
    bool prendreVerrou(const std::string& cle, std::string& erreur);
    // The lock moved to the base noted when that is another file than the one locked (written
    // again at the name given, a link no longer leading to it). Held by another server, the new
    // one is tried again at the next look, the one held so far kept.
    void suivreBase();
    // The lock file at `nom` opened or made (`cree`), and held: its descriptor, else -1 with why.
    int prendreFichierVerrou(const std::string& nom, const std::string& montre, bool& cree, std::string& erreur) const;
    std::string refusVerrou() const;

    Fichier base_, wal_, nom_, secours_;
    std::string montre_;
    std::string cle_;           // the base locked, its links followed
    std::string montreVerrou_;  // its lock, in the lines: the name given's, unless that is a link
    // The base noted, held by a descriptor that reads only its state (O_PATH: closing it lets
    // go of none of SQLite's locks on the file).
    int baseTenue_ = -1;
    int verrou_ = -1;
    bool verrouCree_ = false;  // the lock file made by this start
    int nomVerrou_ = -1;       // the socket holding the lock's name
};
