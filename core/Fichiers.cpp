#include "core/Fichiers.h"

#include "core/EcritureSure.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <istream>
#include <system_error>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tuv {

bool fichierExiste(const std::string& chemin)
{
    std::error_code ec;
    return !chemin.empty() && fs::is_regular_file(chemin, ec);
}

EmpreinteFichier empreinteFichier(const std::string& chemin)
{
    struct stat etat;
    if (chemin.empty() || ::stat(chemin.c_str(), &etat) != 0 || !S_ISREG(etat.st_mode))
        return {};
    return {static_cast<long long>(etat.st_mtim.tv_sec), static_cast<long long>(etat.st_mtim.tv_nsec),
            static_cast<long long>(etat.st_size)};
}

bool dossierExiste(const std::string& chemin)
{
    std::error_code ec;
    return !chemin.empty() && fs::is_directory(chemin, ec);
}

bool memeFichier(const std::string& a, const std::string& b)
{
    if (a == b)
        return true;
    std::error_code ea, eb;
    const fs::path ca = fs::weakly_canonical(a, ea);
    const fs::path cb = fs::weakly_canonical(b, eb);
    return !ea && !eb && ca == cb;
}

bool lireLigneTexte(std::istream& in, std::string& ligne, bool& debutFichier)
{
    if (!std::getline(in, ligne))
        return false;
    if (debutFichier) {
        debutFichier = false;
        if (ligne.compare(0, 3, "\xEF\xBB\xBF") == 0)
            ligne.erase(0, 3);
    }
    // Files written on Windows end their lines with CR LF.
    if (!ligne.empty() && ligne.back() == '\r')
        ligne.pop_back();
    return true;
}

bool copierFichier(const std::string& source, const std::string& destination)
{
    // A folder opens as a stream on Linux: only regular files are copied.
    if (!fichierExiste(source))
        return false;
    std::ifstream in(source, std::ios::binary);
    if (!in)
        return false;
    // Block by block, each write checked: inserting a whole stream buffer stops silently
    // at the first write that fails (a full disk) and would commit a cut copy.
    return ecrireFichierSur(destination, [&](std::ostream& out) {
        std::vector<char> bloc(64 * 1024);
        while (in) {
            in.read(bloc.data(), static_cast<std::streamsize>(bloc.size()));
            if (in.gcount() > 0 && !out.write(bloc.data(), in.gcount()))
                return false;
        }
        return in.eof() && !in.bad();
    });
}

bool lireFichier(const std::string& chemin, std::string& octets)
{
    octets.clear();
    if (!fichierExiste(chemin))
        return false;
    std::ifstream in(chemin, std::ios::binary);
    std::vector<char> bloc(64 * 1024);
    while (in) {
        in.read(bloc.data(), static_cast<std::streamsize>(bloc.size()));
        octets.append(bloc.data(), static_cast<size_t>(in.gcount()));
    }
    return in.eof() && !in.bad();
}

std::vector<EntreeDossier> listerDossier(const std::string& dossier)
{
    std::vector<EntreeDossier> entrees;
    std::error_code ec;
    fs::directory_iterator it(dossier.empty() ? "." : dossier, ec), fin;
    for (; !ec && it != fin; it.increment(ec)) {
        std::error_code ec2;
        // The entry's path is the folder, a separator and the name read from the folder.
        const std::string& chemin = it->path().native();
        entrees.push_back({chemin.substr(chemin.rfind('/') + 1), it->is_directory(ec2)});
    }
    std::sort(entrees.begin(), entrees.end(),
              [](const EntreeDossier& a, const EntreeDossier& b) { return a.nom < b.nom; });
    return entrees;
}

std::string creerFichierTemporaire(const std::string& chemin, const std::string& suffixe)
{
    const std::string modele = chemin + ".XXXXXX" + suffixe;
    std::vector<char> nom(modele.begin(), modele.end());
    nom.push_back('\0');
    const int fd = ::mkstemps(nom.data(), static_cast<int>(suffixe.size()));
    if (fd < 0)
        return "";
    ::close(fd);
    return nom.data();
}

bool ecrireFichierSur(const std::string& chemin, const std::function<bool(std::ostream&)>& ecrivain)
{
    CEcritureSure ecriture;
    // A writer that gives up or throws leaves `ecriture` unfinished: it drops its file.
    return ecriture.ouvrir(chemin) && ecrivain(ecriture.flux()) && ecriture.valider();
}

bool copierSauvegarde(const std::string& fichier)
{
    return !fichierExiste(fichier) || copierFichier(fichier, fichier + ".save");
}

} // namespace tuv
