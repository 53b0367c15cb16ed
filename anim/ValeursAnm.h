#pragma once
// The values of one ".anm" line as its reader takes them.
#include "core/NotesLecture.h"
#include "core/Texte.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

// Values of one line, split on ";", as views into the file's current line (read before the
// next line is). A missing value reads as the field's default; numbers are brought into
// ranges the sprite can compute with (a hand-edited file may hold anything). Each value read
// otherwise than written is named in the notes given to suivre, as the line of its file: one
// that is no number or out of range as it is read, missing ones and those no field asked for
// by finir.
namespace anm {

class Valeurs {
public:
    void suivre(tuv::RecueilNotes* recueil, const CTUVFile* fichier)
    {
        notes = recueil;
        f = fichier;
    }
    // The values of a line read by CTUVFile::getKey: what follows its first "=".
    void decouper(std::string_view ligne)
    {
        n = 0;
        nDemandees = 0;
        premiereManquante = 0;
        manques.clear();
        bIgnoree = false;
        const size_t egal = ligne.find('=');
        const char* debut = ligne.data() + (egal == std::string_view::npos ? ligne.size() : egal + 1);
        const char* const fin = ligne.data() + ligne.size();
        // One pass over the values: most are a few characters, shorter than a search call.
        for (const char* c = debut;; ++c) {
            if (c != fin && *c != ';')
                continue;
            if (n == v.size())
                v.emplace_back();
            v[n++] = std::string_view(debut, static_cast<size_t>(c - debut));
            if (c == fin)
                break;
            debut = c + 1;
        }
    }
    size_t taille() const { return n; }
    std::string texte(size_t i) const { return present(i) ? std::string(v[i]) : manquante(i, "", std::string()); }
    std::string_view vue(size_t i) const { return i < n ? v[i] : std::string_view(); }
    int entier(size_t i, int defaut = 0, int mini = -BORNE, int maxi = BORNE) const
    {
        if (!present(i))
            return manquante(i, tuv::itos(defaut), defaut);
        const int lu = tuv::stoi(v[i]);
        const int garde = std::clamp(lu, mini, maxi);
        if (!tuv::commeNombre(v[i]))
            noter(i, "pas un nombre", tuv::itos(garde));
        else if (garde != lu)
            noter(i, maxi == BORNE ? "inférieure à " + tuv::itos(mini)
                                   : "hors de " + tuv::itos(mini) + " à " + tuv::itos(maxi),
                  tuv::itos(garde));
        return garde;
    }
    float reel(size_t i, float defaut = 0) const
    {
        if (!present(i))
            return manquante(i, tuv::ftos(defaut), defaut);
        // A short decimal filling the value (what the writer makes) is read straight away;
        // anything else goes through the general reader.
        float x = 0;
        const char* const fin = v[i].data() + v[i].size();
        if (tuv::lireDecimalCourt(v[i].data(), fin, x) == fin)
            return std::clamp(x, -1e9f, 1e9f);
        x = tuv::stof(v[i]);
        x = std::isfinite(x) ? std::clamp(x, -1e9f, 1e9f) : 0.0f;
        if (!tuv::commeNombre(v[i]))
            noter(i, "pas un nombre", tuv::ftos(x));
        return x;
    }
    bool booleen(size_t i, bool defaut = false) const
    {
        if (!present(i))
            return manquante(i, defaut ? "1" : "0", defaut);
        const bool b = tuv::stoi(v[i]) != 0;
        if (!tuv::commeNombre(v[i]))
            noter(i, "pas un nombre", b ? "1" : "0");
        return b;
    }
    unsigned char octet(size_t i, unsigned char defaut = 0) const { return booleen(i, defaut != 0) ? 1 : 0; }
    sf::Color couleur(size_t i) const
    {
        // In order: each channel's note follows the one before.
        auto c = [&](size_t k) { return static_cast<sf::Uint8>(entier(k, 255, 0, 255)); };
        const sf::Uint8 r = c(i), g = c(i + 1), b = c(i + 2);
        return sf::Color(r, g, b, c(i + 3));
    }
    sf::Vector2f point(size_t i, float defaut = 0) const { return sf::Vector2f(reel(i, defaut), reel(i + 1, defaut)); }
    sf::FloatRect rect(size_t i) const { return sf::FloatRect(reel(i), reel(i + 1), reel(i + 2), reel(i + 3)); }

    // Frame numbers, counts and indexes: differences of two must not overflow.
    static constexpr int BORNE = 100000000;

    // Every value of the line is taken (a record read whole by another reader).
    void toutLu() const { nDemandees = std::max(nDemandees, n); }
    // The line is dropped: nothing more of it is named.
    void ignorer() { bIgnoree = true; }
    // The values the line lacked, and those no field asked for.
    void finir() const
    {
        if (!notes || !f || bIgnoree)
            return;
        using Ecart = CTUVFile::Ecart;
        if (premiereManquante > 0)
            notes->noterEcart(*f, {Ecart::Type::ValeursAbsentes, premiereManquante, static_cast<int>(nDemandees),
                                   {}, manques});
        size_t fin = n;
        while (fin > nDemandees && v[fin - 1].find_first_not_of(" \t\r") == std::string_view::npos)
            --fin;
        if (fin > nDemandees) {
            const char* debut = v[nDemandees].data();
            const std::string_view reste(debut, static_cast<size_t>(v[fin - 1].data() + v[fin - 1].size() - debut));
            notes->noterEcart(*f, {Ecart::Type::ValeursEnTrop, static_cast<int>(nDemandees + 1), static_cast<int>(fin),
                                   reste, {}});
        }
    }

private:
    // Value i asked for: false when the line lacks it.
    bool present(size_t i) const
    {
        nDemandees = std::max(nDemandees, i + 1);
        return i < n;
    }
    // Value i, missing, read as defaut (written lu): counted for finir.
    template <class T>
    T manquante(size_t i, const std::string& lu, T defaut) const
    {
        if (premiereManquante == 0)
            premiereManquante = static_cast<int>(i + 1);
        manques += (manques.empty() ? "" : ";") + lu;
        return defaut;
    }
    void noter(size_t i, const std::string& pourquoi, const std::string& lu) const
    {
        if (notes && f && !bIgnoree)
            notes->noterValeur(*f, static_cast<int>(i + 1), v[i], pourquoi, lu);
    }

    std::vector<std::string_view> v;  // kept from line to line: no allocation per line
    size_t n = 0;
    // What the reader asked for: how many values, the first missing one (from 1, 0: none) and
    // what the missing ones were read as.
    mutable size_t nDemandees = 0;
    mutable int premiereManquante = 0;
    mutable std::string manques;
    bool bIgnoree = false;
    tuv::RecueilNotes* notes = nullptr;
    const CTUVFile* f = nullptr;
};

} // namespace anm
