#pragma once
// The values of one ".anm" line as its reader takes them.
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
// ranges the sprite can compute with (a hand-edited file may hold anything).
namespace anm {

class Valeurs {
public:
    // The values of a line read by CTUVFile::getKey: what follows its first "=".
    void decouper(std::string_view ligne)
    {
        n = 0;
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
    std::string texte(size_t i) const { return i < n ? std::string(v[i]) : std::string(); }
    std::string_view vue(size_t i) const { return i < n ? v[i] : std::string_view(); }
    int entier(size_t i, int defaut = 0, int mini = -BORNE, int maxi = BORNE) const
    {
        return i < n ? std::clamp(tuv::stoi(v[i]), mini, maxi) : defaut;
    }
    float reel(size_t i, float defaut = 0) const
    {
        if (i >= n)
            return defaut;
        // A short decimal filling the value (what the writer makes) is read straight away;
        // anything else goes through the general reader.
        float x = 0;
        const char* const fin = v[i].data() + v[i].size();
        if (tuv::lireDecimalCourt(v[i].data(), fin, x) != fin)
            x = tuv::stof(v[i]);
        return std::isfinite(x) ? std::clamp(x, -1e9f, 1e9f) : 0.0f;
    }
    bool booleen(size_t i, bool defaut = false) const { return i < n ? tuv::stoi(v[i]) != 0 : defaut; }
    unsigned char octet(size_t i, unsigned char defaut = 0) const
    {
        return i < n ? static_cast<unsigned char>(tuv::stoi(v[i]) != 0) : defaut;
    }
    sf::Color couleur(size_t i) const
    {
        auto c = [&](size_t k) { return static_cast<sf::Uint8>(entier(k, 255, 0, 255)); };
        return sf::Color(c(i), c(i + 1), c(i + 2), c(i + 3));
    }
    sf::Vector2f point(size_t i, float defaut = 0) const { return sf::Vector2f(reel(i, defaut), reel(i + 1, defaut)); }
    sf::FloatRect rect(size_t i) const { return sf::FloatRect(reel(i), reel(i + 1), reel(i + 2), reel(i + 3)); }

    // Frame numbers, counts and indexes: differences of two must not overflow.
    static constexpr int BORNE = 100000000;

private:
    std::vector<std::string_view> v;  // kept from line to line: no allocation per line
    size_t n = 0;
};

} // namespace anm
