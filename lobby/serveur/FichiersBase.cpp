#include "lobby/serveur/FichiersBase.h"

#include "lobby/serveur/CheminsBase.h"

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Enough for years of restored copies; past it something is wrong with the folder.
constexpr int NOMS_A_ESSAYER = 1000;
// Opens of the lock file, each undone by a start that gave up and removed it meanwhile.
constexpr int ESSAIS_VERROU = 100;

bool memeFichier(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Renames `de` to `vers` unless something is there already (errno EEXIST then). A rename moves
// whatever is at `de`: a folder, a link itself, a file of another user (a hard link would be
// refused for the last two under protected hard links).
bool deplacerSansEcraser(const std::string& de, const std::string& vers)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, de.c_str(), AT_FDCWD, vers.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    // A file system without it says so: the name is then looked at first.
    if (errno != EINVAL && errno != ENOSYS)
        return false;
#endif
    struct stat st {};
    if (::lstat(vers.c_str(), &st) == 0) {
        errno = EEXIST;
        return false;
    }
    return errno == ENOENT && ::rename(de.c_str(), vers.c_str()) == 0;
}

// `de` renamed to the first free name "<prefixe>N": that name, or empty with why not.
std::string deplacerVersLibre(const std::string& de, const std::string& prefixe, std::string& pourquoi)
{
    for (int n = 1; n <= NOMS_A_ESSAYER; ++n) {
        const std::string nom = prefixe + std::to_string(n);
        if (deplacerSansEcraser(de, nom))
            return nom;
        if (errno != EEXIST) {
            pourquoi = std::string(" (") + std::strerror(errno) + ")";
            return {};
        }
    }
    pourquoi = " : " + std::to_string(NOMS_A_ESSAYER) + " noms déjà pris";
    return {};
}

// The lock's hold that no file carries: a name of the abstract socket namespace, made of the lock
// file's path (resolved: one name for every path to it), held as long as the process lives.
// Removing the base's folder and making it again takes the lock file with it, not this: a second
// server started then is refused all the same. -1 with errno EADDRINUSE when another process
// holds it.
int prendreNomVerrou(const std::string& fichier)
{
    // FNV-1a: any path fits the address.
    uint64_t h = 14695981039346656037ULL;
    for (const char c : fichier)
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    // sun_path[0] left 0: a name of the abstract namespace, gone with the last descriptor.
    const int n = std::snprintf(a.sun_path + 1, sizeof a.sun_path - 1, "serveur_lobby %016llx",
                                static_cast<unsigned long long>(h));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const auto taille = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + static_cast<size_t>(n));
    if (fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&a), taille) != 0) {
        const int e = errno;
        ::close(fd);
        errno = e;
        return -1;
    }
    return fd;
}

} // namespace

CFichiersBase::CFichiersBase(const std::string& chemin, const std::string& montre) : montre_(montre)
{
    base_.chemin = nom_.chemin = chemin;
    wal_.chemin = chemin + "-wal";
}

CFichiersBase::~CFichiersBase()
{
    oublier();
    if (verrou_ >= 0)
        ::close(verrou_);
    if (nomVerrou_ >= 0)
        ::close(nomVerrou_);
}

std::string CFichiersBase::refusVerrou() const
{
    return "un autre serveur s'en sert (il tient le verrou " + montreVerrou_ + ") ; arrêtez-le d'abord";
}

bool CFichiersBase::verrouiller(std::string& erreur)
{
    if (verrou_ >= 0)
        return true;
    // A server given the base through a link, and one given the file it leads to, or a name
    // whose folder is a link, ask the same lock. A link leading to no file yet leads to the file
    // SQLite makes.
    const std::string cle = chemins::cheminResolu(nom_.chemin);
    struct stat st {};
    const bool lien = ::lstat(nom_.chemin.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
    // The lock beside a link's name would be no file: the one beside the base is named in full.
    montreVerrou_ = (lien ? cle : montre_) + ".verrou";
    base_.chemin = cle;
    wal_.chemin = cle + "-wal";
    return prendreVerrou(cle, erreur);
}

bool CFichiersBase::prendreVerrou(const std::string& cle, std::string& erreur)
{
    const std::string nom = cle + ".verrou";
    const int tenu = prendreNomVerrou(nom);
    if (tenu < 0) {
        erreur = errno == EADDRINUSE ? refusVerrou() : "verrou " + montreVerrou_ + " : " + std::strerror(errno);
        return false;
    }
    bool cree = false;
    const int fd = prendreFichierVerrou(nom, montreVerrou_, cree, erreur);
    if (fd < 0) {
        ::close(tenu);
        return false;
    }
    // The new lock held before the old one goes: the base is never left without one.
    if (verrou_ >= 0)
        ::close(verrou_);
    if (nomVerrou_ >= 0)
        ::close(nomVerrou_);
    verrou_ = fd;
    nomVerrou_ = tenu;
    verrouCree_ = cree;
    cle_ = cle;
    return true;
}

void CFichiersBase::suivreBase()
{
    if (verrou_ < 0 || base_.chemin == cle_)
        return;
    const std::string cle = chemins::cheminResolu(base_.chemin);
    std::string pourquoi;
    if (cle != cle_)
        prendreVerrou(cle, pourquoi);
}

int CFichiersBase::prendreFichierVerrou(const std::string& nom, const std::string& montre, bool& cree,
                                        std::string& erreur) const
{
    for (int essai = 0; essai < ESSAIS_VERROU; ++essai) {
        // Read only: a lock file another user left locks as well. Never through a link put there.
        cree = true;
        int fd = ::open(nom.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
        if (fd < 0 && errno == EEXIST) {
            cree = false;
            fd = ::open(nom.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0 && errno == ENOENT)
                continue;  // removed by a start that gave up meanwhile
        }
        if (fd < 0) {
            const std::string raison = std::strerror(errno), dossier = dossierRefuse();
            erreur = dossier.empty() ? "verrou " + montre + " : " + raison : dossier;
            return -1;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            erreur = errno == EWOULDBLOCK ? refusVerrou() : "verrou " + montre + " : " + std::strerror(errno);
            ::close(fd);
            return -1;
        }
        // A start that gave up may have removed the file between our open and our lock.
        struct stat tenu {}, nomme {};
        if (::fstat(fd, &tenu) == 0 && ::lstat(nom.c_str(), &nomme) == 0 && memeFichier(tenu, nomme))
            return fd;
        ::close(fd);
    }
    erreur = "verrou " + montre + " : retiré à chaque essai";
    return -1;
}

CFichiersBase::Presents CFichiersBase::presents() const
{
    struct stat st {};
    Presents p;
    p.base = ::lstat(base_.chemin.c_str(), &st) == 0;
    p.wal = ::lstat(wal_.chemin.c_str(), &st) == 0;
    return p;
}

void CFichiersBase::renoncer(const Presents& avant)
{
    struct stat st {};
    const auto retirerFait = [&st](bool present, const std::string& chemin) {
        if (!present && ::lstat(chemin.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            ::unlink(chemin.c_str());
    };
    retirerFait(avant.base, base_.chemin);
    retirerFait(avant.wal, wal_.chemin);
    if (verrou_ < 0)
        return;
    // Removed while still held, and only when the name still leads to it.
    const std::string nom = cle_ + ".verrou";
    struct stat tenu {};
    if (verrouCree_ && ::fstat(verrou_, &tenu) == 0 && ::lstat(nom.c_str(), &st) == 0 && memeFichier(tenu, st))
        ::unlink(nom.c_str());
    ::close(verrou_);
    verrou_ = -1;
    verrouCree_ = false;
    ::close(nomVerrou_);
    nomVerrou_ = -1;
}

void CFichiersBase::refaireVerrou()
{
    if (verrou_ < 0)
        return;
    suivreBase();
    const std::string nom = cle_ + ".verrou";
    struct stat tenu {}, st {};
    // The file held is at its name, or the folder is out of reach.
    if (::lstat(nom.c_str(), &st) == 0 ? ::fstat(verrou_, &tenu) == 0 && memeFichier(tenu, st) : errno != ENOENT)
        return;
    // Made or taken (a copy put back with the folder), else tried again at the next look.
    bool cree = false;
    std::string pourquoi;
    const int fd = prendreFichierVerrou(nom, montreVerrou_, cree, pourquoi);
    if (fd < 0)
        return;
    // The file held so far is no longer at the name: its lock kept nobody off.
    ::close(verrou_);
    verrou_ = fd;
}

void CFichiersBase::Fichier::noter()
{
    struct stat st {};
    suivi = ::lstat(chemin.c_str(), &st) == 0;
    peripherique = st.st_dev;
    inode = st.st_ino;
    droits = st.st_mode & 07777;
}

CFichiersBase::Etat CFichiersBase::Fichier::etat()
{
    if (!suivi)
        return Etat::INTACT;
    struct stat st {};
    if (::lstat(chemin.c_str(), &st) != 0)
        // Only a path that names nothing is a loss: a folder we may no longer search says
        // nothing about the file.
        return errno == ENOENT ? Etat::SUPPRIME : Etat::INTACT;
    if (st.st_dev != peripherique || st.st_ino != inode)
        return Etat::REMPLACE;
    // An operator's chmod while the server runs is what a base written again must keep.
    droits = st.st_mode & 07777;
    return Etat::INTACT;
}

void CFichiersBase::noter(const std::string& ouvert)
{
    oublier();
    base_.chemin = ouvert;
    wal_.chemin = ouvert + "-wal";
    base_.noter();
    // The base was just opened or written there: missing now, it was deleted since (its folder
    // removed while the server started), which the next look must see rather than watch nothing.
    if (!base_.suivi && errno == ENOENT)
        base_.suivi = true;
    struct stat tenu {};
    baseTenue_ = base_.suivi ? ::open(ouvert.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC) : -1;
    if (baseTenue_ >= 0 && (::fstat(baseTenue_, &tenu) != 0 || tenu.st_dev != base_.peripherique ||
                            tenu.st_ino != base_.inode)) {
        ::close(baseTenue_);
        baseTenue_ = -1;
    }
    wal_.noter();
    nom_.noter();
    // The name given is watched on its own only when it is another entry than the base's: a link.
    if (nom_.suivi && nom_.peripherique == base_.peripherique && nom_.inode == base_.inode)
        nom_.suivi = false;
}

void CFichiersBase::oublier()
{
    base_.suivi = wal_.suivi = nom_.suivi = false;
    if (baseTenue_ >= 0)
        ::close(baseTenue_);
    baseTenue_ = -1;
}

unsigned CFichiersBase::droits() const
{
    struct stat st {};
    return baseTenue_ >= 0 && ::fstat(baseTenue_, &st) == 0 ? st.st_mode & 07777 : base_.droits;
}

CFichiersBase::Etat CFichiersBase::etatNom()
{
    const Etat lien = nom_.etat();
    if (!nom_.suivi || lien != Etat::INTACT)
        return lien;
    // The same link, or one made anew at its place: where it leads now. To nothing at the base's
    // path is the base deleted, which its own look sees (written again there, the link leads to
    // it again); to nothing elsewhere, it leads to another file a restart would make.
    struct stat mene {}, base {};
    if (::stat(nom_.chemin.c_str(), &mene) != 0)
        return chemins::cheminResolu(nom_.chemin) == base_.chemin ? Etat::INTACT : Etat::REMPLACE;
    return ::stat(base_.chemin.c_str(), &base) == 0 && memeFichier(mene, base) ? Etat::INTACT : Etat::REMPLACE;
}

CFichiersBase::Constat CFichiersBase::constater() { return {base_.etat(), wal_.etat(), etatNom()}; }

const std::string& CFichiersBase::cible(const Constat& c) const
{
    return c.nom == Etat::INTACT ? base_.chemin : nom_.chemin;
}

std::string CFichiersBase::mettreDeCote(const std::string& chemin, std::string& erreur)
{
    std::string pourquoi;
    const std::string nom = deplacerVersLibre(chemin, chemin + ".remplacee-", pourquoi);
    if (nom.empty())
        erreur = "impossible de mettre " + chemin + " de côté" + pourquoi;
    return nom;
}

bool CFichiersBase::degager(const Constat& c, std::vector<std::string>& apartes, std::string& erreur)
{
    const auto aparte = [&](const std::string& chemin) {
        const std::string nom = mettreDeCote(chemin, erreur);
        if (!nom.empty())
            apartes.push_back(nom);
        return !nom.empty();
    };
    if (c.nom != Etat::INTACT) {
        // The base goes at the name given; the file the name led to is left as it is, the old
        // base or someone else's.
        struct stat st {};
        for (const std::string& chemin : {nom_.chemin, nom_.chemin + "-wal"})
            if (::lstat(chemin.c_str(), &st) == 0 && !aparte(chemin))
                return false;
        return true;
    }
    for (const auto& [etat, chemin] : {std::make_pair(c.base, base_.chemin), std::make_pair(c.wal, wal_.chemin)})
        if (etat == Etat::REMPLACE && !aparte(chemin))
            return false;
    if (c.wal == Etat::INTACT)
        ::unlink(wal_.chemin.c_str());
    return true;
}

std::string CFichiersBase::garderSecours(const std::string& copie, const std::string& cible,
                                         std::vector<std::string>& apartes, std::string& erreur)
{
    const std::string usuel = cible + ".secours";
    const bool notre = secours_.suivi && secours_.etat() == Etat::INTACT;
    std::string nom = usuel;
    struct stat st {};
    if (!(notre && secours_.chemin == usuel) && ::lstat(usuel.c_str(), &st) == 0) {
        std::string refus;
        const std::string aparte = mettreDeCote(usuel, refus);
        if (!aparte.empty())
            apartes.push_back(aparte);
        else
            // A name the server cannot free (someone else's file in a folder with the sticky
            // bit): the copy goes where it went before, or under a free name of its own.
            nom = notre ? secours_.chemin : std::string();
    }
    std::string pourquoi;
    if (nom.empty()) {
        nom = deplacerVersLibre(copie, usuel + "-", pourquoi);
    } else if (::rename(copie.c_str(), nom.c_str()) != 0) {
        pourquoi = std::string(" (") + std::strerror(errno) + ")";
        nom.clear();
    }
    if (nom.empty()) {
        erreur = "impossible de garder la copie " + usuel + pourquoi;
        return {};
    }
    if (notre && secours_.chemin != nom)
        ::unlink(secours_.chemin.c_str());
    secours_.chemin = nom;
    secours_.noter();
    return nom;
}

std::string CFichiersBase::retirerSecours()
{
    const bool notre = secours_.suivi && secours_.etat() == Etat::INTACT;
    secours_.suivi = false;
    if (!notre || ::unlink(secours_.chemin.c_str()) != 0)
        return {};
    return secours_.chemin;
}

std::string CFichiersBase::dossierRefuse() const
{
    const size_t barre = base_.chemin.rfind('/');
    const std::string dossier = barre == std::string::npos ? "." : barre == 0 ? "/" : base_.chemin.substr(0, barre);
    if (::access(dossier.c_str(), W_OK | X_OK) == 0)
        return {};
    return "dossier " + dossier + " : le serveur ne peut pas y créer de fichier (" + std::strerror(errno) +
           ") ; il y crée le journal " + base_.chemin.substr(barre + 1) + "-wal à côté de la base";
}
