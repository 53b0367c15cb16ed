#include "lobby/serveur/CheminsBase.h"

#include <cstring>
#include <filesystem>

namespace chemins {

std::string cheminUri(const std::string& chemin)
{
    static const char* HEX = "0123456789ABCDEF";
    std::string r;
    for (const char o : chemin) {
        const unsigned char c = static_cast<unsigned char>(o);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || std::strchr("/-._~", c))
            r += o;
        else
            r += {'%', HEX[c >> 4], HEX[c & 15]};
    }
    return r;
}

std::string pourLeShell(const std::string& t)
{
    if (!t.empty() && t.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/-._") ==
                          std::string::npos)
        return t;
    std::string r = "'";
    for (const char c : t)
        r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
}

// Not normalised: "lien/.." is where the link leads, not beside the link's name.
std::string cheminAbsolu(const std::string& chemin)
{
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::absolute(chemin, ec);
    return ec || chemin == ":memory:" ? chemin : p.string();
}

std::string cheminResolu(const std::string& chemin)
{
    namespace fs = std::filesystem;
    // As many links as the system follows in one path.
    constexpr int LIENS_SUIVIS = 40;
    fs::path nom = cheminAbsolu(chemin);
    std::error_code ec;
    for (int lien = 0; lien <= LIENS_SUIVIS; ++lien) {
        if (!nom.has_filename() || nom.filename() == "." || nom.filename() == "..") {
            const fs::path dossier = fs::weakly_canonical(nom, ec);
            return ec ? cheminComplet(nom) : dossier.string();
        }
        // Its folder resolved as far as it exists, then its last part followed while a link. A
        // relative link leads from the folder it is in, once that folder is resolved.
        const fs::path plein = fs::weakly_canonical(nom.parent_path(), ec) / nom.filename();
        if (ec)
            return cheminComplet(nom);
        const fs::path mene = fs::read_symlink(plein, ec);
        if (ec)
            return plein.string();
        nom = plein.parent_path() / mene;
    }
    return nom.string();
}

std::string cheminComplet(const std::string& chemin) { return std::filesystem::path(chemin).lexically_normal(); }

std::string mettreLeJournalDeCote(const std::string& journal, const char* suffixe)
{
    const std::string plein = cheminComplet(journal);
    return "mv " + pourLeShell(plein) + " " + pourLeShell(plein + suffixe);
}

} // namespace chemins
