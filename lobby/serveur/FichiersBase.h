#pragma once
// The two files of a base in write-ahead-log mode, the base and its "-wal", as the server
// opened them: each known by its device and inode, so that one deleted, or another file put in
// its place, is seen at the next look. A name is looked at without following a symbolic link:
// a link put at it, even to the very file opened, is another file (the base moved away behind
// a link would be opened at the link's target after a restart, its log left behind). Someone
// else's file is moved aside under a name of its own before the base is written again, never
// written over.
#include <cstdint>
#include <string>
#include <vector>

class CFichiersBase {
public:
    explicit CFichiersBase(const std::string& chemin);

    // What became of one of the files since noter().
    enum class Etat { INTACT, SUPPRIME, REMPLACE };
    struct Constat {
        Etat base = Etat::INTACT;
        Etat wal = Etat::INTACT;
        bool intact() const { return base == Etat::INTACT && wal == Etat::INTACT; }
    };

    // Remembers what the two paths name now, the base just opened at `ouvert` (its path once
    // the system's links are followed, where the base is then written again); a path that
    // names nothing then is not watched.
    void noter(const std::string& ouvert);
    // The base's path, as noter() last had it.
    const std::string& chemin() const { return base_.chemin; }
    // Nothing watched (a base in memory, or closed).
    void oublier();
    Constat constater() const;
    // Before a copy of the open base takes the base's name: a file of someone else's at either
    // path is moved aside (its new name added to `apartes`), and the server's own log is
    // unlinked, since a log left beside the new base would be replayed into it. The open base
    // keeps the descriptors it has. false with the reason when a file could not be moved aside:
    // nothing has then been written over.
    bool degager(const Constat& c, std::vector<std::string>& apartes, std::string& erreur);

    // While the base cannot be written again at its name: the whole copy `copie`, already on
    // the disk, takes the name "<base>.secours" in its place, over the one kept before. A file
    // there that is not that one (left by an earlier run, or put there) is moved aside first,
    // its new name added to `apartes`. false with the reason when it cannot: the copy is then
    // left where it is.
    bool garderSecours(const std::string& copie, std::vector<std::string>& apartes, std::string& erreur);
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
        void noter();
        Etat etat() const;
    };
    // Gives the file a free name "<path>.remplacee-N" (a hard link, so that no file already
    // there is replaced; a symbolic link is moved itself, not what it names) and frees its
    // path: the new name, or empty with the reason.
    static std::string mettreDeCote(const std::string& chemin, std::string& erreur);

    Fichier base_, wal_, secours_;
};
