#include "core/EcritureSure.h"

#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr char SUFFIXE[] = ".tmp";
constexpr size_t LONGUEUR_SUFFIXE = sizeof SUFFIXE - 1;
constexpr size_t LONGUEUR_UNIQUE = 6;  // the "XXXXXX" that mkostemps fills

std::string dossierDe(const std::string& chemin)
{
    fs::path parent = fs::path(chemin).parent_path();
    return parent.empty() ? "." : parent.string();
}

// The mode a new file gets from the user's umask, or the one of the file it replaces.
mode_t modeFinal(const std::string& cible)
{
    struct stat st {};
    if (::stat(cible.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return 0666 & ~masque;
}

// A temporary file is in use while its writer holds the lock on it: a killed writer
// loses the lock with its process, so a file whose lock can be taken is a leftover.
bool estReste(const std::string& chemin)
{
    const int f = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (f < 0)
        return false;
    struct stat st {};
    bool reste = ::fstat(f, &st) == 0 && S_ISREG(st.st_mode) && ::flock(f, LOCK_EX | LOCK_NB) == 0;
    if (reste)
        ::unlink(chemin.c_str());
    ::close(f);
    return reste;
}

bool estNomTemporaire(const std::string& nom, const std::string& prefixe)
{
    if (nom.size() != prefixe.size() + LONGUEUR_UNIQUE + LONGUEUR_SUFFIXE || nom.compare(0, prefixe.size(), prefixe) != 0 ||
        nom.compare(nom.size() - LONGUEUR_SUFFIXE, LONGUEUR_SUFFIXE, SUFFIXE) != 0)
        return false;
    for (size_t i = prefixe.size(); i < prefixe.size() + LONGUEUR_UNIQUE; ++i)
        if (!std::isalnum(static_cast<unsigned char>(nom[i])))
            return false;
    return true;
}

// Removes what saves of `cible` killed before their commit left beside it.
void retirerRestes(const std::string& cible)
{
    const std::string prefixe = fs::path(cible).filename().string() + ".";
    std::error_code ec;
    std::vector<std::string> restes;
    for (fs::directory_iterator it(dossierDe(cible), ec), fin; !ec && it != fin; it.increment(ec)) {
        const std::string nom = it->path().filename().string();
        if (estNomTemporaire(nom, prefixe))
            restes.push_back(it->path().string());
    }
    for (const std::string& chemin : restes)
        estReste(chemin);
}

void synchroniserDossier(const std::string& dossier)
{
    // Makes the rename itself durable; some file systems refuse it, which changes nothing.
    const int d = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d < 0)
        return;
    ::fsync(d);
    ::close(d);
}

} // namespace

CEcritureSure::~CEcritureSure() { abandonner(); }

bool CEcritureSure::ouvrir(const std::string& cible)
{
    abandonner();
    std::error_code ec;
    if (cible.empty() || fs::is_directory(cible, ec))
        return false;
    // A cleaner of another save may take the lock of a file just made before its maker
    // does, and remove it: then the maker tries another name.
    for (int essai = 0; essai < 8 && fd < 0; ++essai) {
        std::string modele = cible + ".XXXXXX" + SUFFIXE;
        std::vector<char> nom(modele.begin(), modele.end());
        nom.push_back('\0');
        const int f = ::mkostemps(nom.data(), static_cast<int>(LONGUEUR_SUFFIXE), O_CLOEXEC);
        if (f < 0)
            return false;
        struct stat st {};
        if (::flock(f, LOCK_EX | LOCK_NB) == 0 && ::fstat(f, &st) == 0 && st.st_nlink > 0) {
            fd = f;
            cheminTemp = nom.data();
        } else {
            ::close(f);
        }
    }
    if (fd < 0)
        return false;
    cheminCible = cible;
    out.clear();
    out.open(cheminTemp, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!out.is_open()) {
        abandonner();
        return false;
    }
    return true;
}

bool CEcritureSure::valider()
{
    if (!ouverte())
        return false;
    out.flush();
    bool ok = out.good();
    out.close();
    ok = ok && !out.fail() && ::fsync(fd) == 0;
    if (ok) {
        // mkostemps makes the file readable by its owner alone; the file it replaces, or the
        // umask for a new one, says who may read it. A file system without modes refuses this.
        ::fchmod(fd, modeFinal(cheminCible));
        ok = ::rename(cheminTemp.c_str(), cheminCible.c_str()) == 0;
    }
    if (ok) {
        synchroniserDossier(dossierDe(cheminCible));
        retirerRestes(cheminCible);
    } else {
        ::unlink(cheminTemp.c_str());
    }
    fermer();
    return ok;
}

void CEcritureSure::abandonner()
{
    if (!ouverte())
        return;
    if (out.is_open())
        out.close();
    // Removed while the lock is held, so that no cleaner sees it free meanwhile.
    ::unlink(cheminTemp.c_str());
    fermer();
}

void CEcritureSure::fermer()
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
    out.clear();
    cheminCible.clear();
    cheminTemp.clear();
}
