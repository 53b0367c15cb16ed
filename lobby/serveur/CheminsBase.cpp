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

std::string cheminComplet(const std::string& chemin) { return std::filesystem::path(chemin).lexically_normal(); }

std::string mettreLeJournalDeCote(const std::string& journal, const char* suffixe)
{
    const std::string plein = cheminComplet(journal);
    return "mv " + pourLeShell(plein) + " " + pourLeShell(plein + suffixe);
}

} // namespace chemins
