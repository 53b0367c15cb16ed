#pragma once
// Small helpers shared by the tests: a private temporary folder and whole-file I/O.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

class DossierTemp {
public:
    DossierTemp()
    {
        static int compteur = 0;
        chemin_ = std::filesystem::temp_directory_path() /
                  ("tuv_test_" + std::to_string(::getpid()) + "_" + std::to_string(compteur++));
        std::filesystem::remove_all(chemin_);
        std::filesystem::create_directories(chemin_);
    }
    ~DossierTemp()
    {
        std::error_code ec;
        std::filesystem::permissions(chemin_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(chemin_, ec);
    }
    std::string operator/(const std::string& nom) const { return (chemin_ / nom).string(); }
    std::string str() const { return chemin_.string(); }

private:
    std::filesystem::path chemin_;
};

// The test binary's own folder (build/test/tests/), where the pictures kept for a look go,
// whatever the current folder (also while static objects are made).
inline std::filesystem::path dossierDuBinaire()
{
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

inline void ecrireTexte(const std::string& chemin, const std::string& contenu)
{
    std::ofstream out(chemin, std::ios::binary);
    out << contenu;
}

inline std::string lireTexte(const std::string& chemin)
{
    std::ifstream in(chemin, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// The files under the working folder with that extension, as "./dir/name" paths, sorted.
inline std::vector<std::string> fichiersDe(const std::string& extension)
{
    std::vector<std::string> liste;
    for (const auto& e : std::filesystem::recursive_directory_iterator("."))
        if (e.is_regular_file() && e.path().extension() == extension)
            liste.push_back(e.path().generic_string());
    std::sort(liste.begin(), liste.end());
    return liste;
}
