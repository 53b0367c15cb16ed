#pragma once
// The key table of a file reader: keys looked up as views into the line (no string is built
// per line), in a table indexed by a cheap mix of the key's length and three of its
// characters and probed in turn: no hashing call, no division. Keys are string literals
// (their characters outlive the table).
#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <utility>

template <class Valeur, std::size_t TAILLE = 128>
class TableVues {
    static_assert(TAILLE > 0 && (TAILLE & (TAILLE - 1)) == 0, "a power of two, over twice the keys");

public:
    TableVues() = default;
    TableVues(std::initializer_list<std::pair<std::string_view, Valeur>> cles)
    {
        for (const auto& [cle, valeur] : cles)
            ajouter(cle, valeur);
    }
    // Adds the key, or gives it the new value; a full table takes nothing more.
    void ajouter(std::string_view cle, Valeur valeur)
    {
        std::size_t i = indice(cle);
        for (std::size_t n = 0; n < TAILLE; ++n, i = (i + 1) % TAILLE) {
            if (cases[i].cle.empty() || cases[i].cle == cle) {
                cases[i] = {cle, valeur};
                return;
            }
        }
    }
    // Null for a key the table does not hold (the empty key included).
    const Valeur* trouver(std::string_view cle) const
    {
        if (cle.empty())
            return nullptr;
        std::size_t i = indice(cle);
        for (std::size_t n = 0; n < TAILLE; ++n, i = (i + 1) % TAILLE) {
            if (cases[i].cle.empty())
                return nullptr;
            if (cases[i].cle == cle)
                return &cases[i].valeur;
        }
        return nullptr;
    }

private:
    static std::size_t indice(std::string_view cle)
    {
        const std::size_t n = cle.size();
        if (n == 0)
            return 0;
        auto car = [&](std::size_t i) { return static_cast<std::size_t>(static_cast<unsigned char>(cle[i])); };
        return (n * 31 + car(0) * 7 + car(n / 2) * 3 + car(n - 1)) % TAILLE;
    }
    struct Case {
        std::string_view cle;
        Valeur valeur{};
    };
    std::array<Case, TAILLE> cases{};
};
