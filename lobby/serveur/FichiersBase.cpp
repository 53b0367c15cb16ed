#include "lobby/serveur/FichiersBase.h"

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Enough for years of restored copies; past it something is wrong with the folder.
constexpr int NOMS_A_ESSAYER = 1000;

} // namespace

CFichiersBase::CFichiersBase(const std::string& chemin)
{
    base_.chemin = chemin;
    wal_.chemin = chemin + "-wal";
}

void CFichiersBase::Fichier::noter()
{
    struct stat st {};
    suivi = ::lstat(chemin.c_str(), &st) == 0;
    peripherique = st.st_dev;
    inode = st.st_ino;
}

CFichiersBase::Etat CFichiersBase::Fichier::etat() const
{
    if (!suivi)
        return Etat::INTACT;
    struct stat st {};
    if (::lstat(chemin.c_str(), &st) != 0)
        // Only a path that names nothing is a loss: a folder we may no longer search says
        // nothing about the file.
        return errno == ENOENT ? Etat::SUPPRIME : Etat::INTACT;
    return st.st_dev == peripherique && st.st_ino == inode ? Etat::INTACT : Etat::REMPLACE;
}

void CFichiersBase::noter(const std::string& ouvert)
{
    base_.chemin = ouvert;
    wal_.chemin = ouvert + "-wal";
    base_.noter();
    wal_.noter();
}

void CFichiersBase::oublier() { base_.suivi = wal_.suivi = false; }

CFichiersBase::Constat CFichiersBase::constater() const { return {base_.etat(), wal_.etat()}; }

std::string CFichiersBase::mettreDeCote(const std::string& chemin, std::string& erreur)
{
    for (int n = 1; n <= NOMS_A_ESSAYER; ++n) {
        const std::string nom = chemin + ".remplacee-" + std::to_string(n);
        if (::link(chemin.c_str(), nom.c_str()) == 0) {
            ::unlink(chemin.c_str());
            return nom;
        }
        if (errno != EEXIST) {
            erreur = "impossible de mettre " + chemin + " de côté (" + std::strerror(errno) + ")";
            return {};
        }
    }
    erreur = "impossible de mettre " + chemin + " de côté : " + std::to_string(NOMS_A_ESSAYER) + " noms déjà pris";
    return {};
}

bool CFichiersBase::degager(const Constat& c, std::vector<std::string>& apartes, std::string& erreur)
{
    for (const auto& [etat, chemin] : {std::make_pair(c.base, base_.chemin), std::make_pair(c.wal, wal_.chemin)}) {
        if (etat != Etat::REMPLACE)
            continue;
        const std::string nom = mettreDeCote(chemin, erreur);
        if (nom.empty())
            return false;
        apartes.push_back(nom);
    }
    if (c.wal == Etat::INTACT)
        ::unlink(wal_.chemin.c_str());
    return true;
}

bool CFichiersBase::garderSecours(const std::string& copie, std::vector<std::string>& apartes, std::string& erreur)
{
    const bool notre = secours_.suivi && secours_.chemin == base_.chemin + ".secours" && secours_.etat() == Etat::INTACT;
    secours_.chemin = base_.chemin + ".secours";
    struct stat st {};
    if (!notre && ::lstat(secours_.chemin.c_str(), &st) == 0) {
        const std::string nom = mettreDeCote(secours_.chemin, erreur);
        if (nom.empty())
            return false;
        apartes.push_back(nom);
    }
    if (::rename(copie.c_str(), secours_.chemin.c_str()) != 0) {
        erreur = "impossible de garder la copie " + secours_.chemin + " (" + std::strerror(errno) + ")";
        return false;
    }
    secours_.noter();
    return true;
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
