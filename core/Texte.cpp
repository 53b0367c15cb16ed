#include "core/Texte.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace tuv {

std::string itos(int valeur) { return std::to_string(valeur); }

std::string ftos(float valeur)
{
    char tampon[TAILLE_NOMBRE_MAX];
    auto res = std::to_chars(tampon, tampon + sizeof(tampon), valeur, std::chars_format::fixed);
    return std::string(tampon, res.ptr);
}

namespace {

// "00" to "99", for writing two digits at once.
const char PAIRES[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                      "8081828384858687888990919293949596979899";

} // namespace

// Positions and sizes are mostly under 10,000: their digits are written directly, the text
// being that of to_chars.
char* ecrireEntierLong(char* p, int valeur)
{
    unsigned u = static_cast<unsigned>(valeur);
    if (valeur < 0) {
        *p++ = '-';
        u = 0u - u;
    }
    if (u >= 10000)
        return std::to_chars(p, p + TAILLE_NOMBRE_MAX - 1, u).ptr;
    if (u >= 1000) {
        std::memcpy(p, PAIRES + 2 * (u / 100), 2);
        std::memcpy(p + 2, PAIRES + 2 * (u % 100), 2);
        return p + 4;
    }
    if (u >= 100) {
        *p = static_cast<char>('0' + u / 100);
        std::memcpy(p + 1, PAIRES + 2 * (u % 100), 2);
        return p + 3;
    }
    if (u >= 10) {
        std::memcpy(p, PAIRES + 2 * u, 2);
        return p + 2;
    }
    *p = static_cast<char>('0' + u);
    return p + 1;
}

namespace {

// The last texts made by ecrireReel, by the float's bits: a level or an animation writes the
// same few fractions (scales, speeds, colours) thousands of times, and the shortest text
// costs some hundred instructions to find. Per thread, so that no writer waits for another.
struct TexteReel {
    uint32_t bits = 0;
    uint8_t taille = 0;  // 0: empty
    // The usual texts (a longer one is made each time): 27 keeps the entry at 32 bytes.
    char texte[27] = {};
};
thread_local TexteReel textesReels[256];

} // namespace

char* ecrireReel(char* p, float valeur)
{
    // A whole number an int holds has the same text as the integer; -0 keeps its sign.
    if (std::fabs(valeur) < 2147483648.0f && valeur == std::trunc(valeur) && !(valeur == 0.0f && std::signbit(valeur)))
        return ecrireEntier(p, static_cast<int>(valeur));
    uint32_t bits;
    std::memcpy(&bits, &valeur, sizeof bits);
    TexteReel& t = textesReels[(bits * 2654435761u) >> 24];
    if (t.taille != 0 && t.bits == bits) {
        std::memcpy(p, t.texte, t.taille);
        return p + t.taille;
    }
    char* fin = std::to_chars(p, p + TAILLE_NOMBRE_MAX, valeur, std::chars_format::fixed).ptr;
    const size_t taille = static_cast<size_t>(fin - p);
    if (taille <= sizeof t.texte) {
        t.bits = bits;
        t.taille = static_cast<uint8_t>(taille);
        std::memcpy(t.texte, p, taille);
    }
    return fin;
}

void ajouterEntier(std::string& s, int valeur)
{
    char tampon[TAILLE_NOMBRE_MAX];
    s.append(tampon, static_cast<size_t>(ecrireEntier(tampon, valeur) - tampon));
}

void ajouterReel(std::string& s, float valeur)
{
    char tampon[TAILLE_NOMBRE_MAX];
    s.append(tampon, static_cast<size_t>(ecrireReel(tampon, valeur) - tampon));
}

namespace {

bool estBlanc(char c) { return c == ' ' || c == '\t'; }

// The integer reader, over the text as it stands or (sansBlancs) as if its spaces and tabs
// had been taken out first: blanks are then stepped over by index, nothing is copied.
template <bool sansBlancs>
int lireEntier(std::string_view texte)
{
    const size_t n = texte.size();
    size_t i = 0;
    while (i < n && (estBlanc(texte[i]) || texte[i] == '\r' || texte[i] == '\n'))
        ++i;
    bool negatif = false;
    if (i < n && (texte[i] == '+' || texte[i] == '-')) {
        negatif = texte[i] == '-';
        ++i;
    }
    long long v = 0;
    bool chiffre = false;
    for (;; ++i) {
        if constexpr (sansBlancs)
            while (i < n && estBlanc(texte[i]))
                ++i;
        if (i >= n || texte[i] < '0' || texte[i] > '9')
            break;
        chiffre = true;
        if (v <= static_cast<long long>(INT_MAX) + 1)
            v = v * 10 + (texte[i] - '0');
    }
    if (!chiffre)
        return 0;
    if (negatif)
        v = -v;
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return static_cast<int>(v);
}

} // namespace

int stoi(std::string_view texte) { return lireEntier<false>(texte); }

int stoiSansBlancs(std::string_view texte) { return lireEntier<true>(texte); }

float stof(std::string_view texte)
{
    size_t i = 0;
    while (i < texte.size() && (estBlanc(texte[i]) || texte[i] == '\r' || texte[i] == '\n'))
        ++i;
    const char* debut = texte.data() + i;
    const char* fin = texte.data() + texte.size();
    if (debut < fin && *debut == '+')
        ++debut;
    // from_chars also reads "nan" and "inf": words that are no number in a data file, and
    // whose NaN or infinity no reader expects. A number starts with a digit or a point.
    const char* chiffre = (debut < fin && *debut == '-') ? debut + 1 : debut;
    if (chiffre == fin || !((*chiffre >= '0' && *chiffre <= '9') || *chiffre == '.'))
        return 0.0f;
    float v = 0.0f;
    if (lireDecimalCourt(debut, fin, v))
        return v;
    auto res = std::from_chars(debut, fin, v, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // from_chars leaves v untouched on overflow/underflow: give the clamped value.
        // (strtod needs its text ended by a NUL: a rare path, the copy does not matter.)
        double d = std::strtod(std::string(debut, fin).c_str(), nullptr);
        if (std::fabs(d) > 1.0)
            return d > 0 ? std::numeric_limits<float>::max() : -std::numeric_limits<float>::max();
        return 0.0f;
    }
    if (res.ec != std::errc())
        return 0.0f;
    return v;
}

bool commeNombre(std::string_view texte)
{
    const size_t i = texte.find_first_not_of(" \t\r\n");
    if (i == std::string_view::npos)
        return false;
    const size_t c = i + (texte[i] == '+' || texte[i] == '-');
    return c < texte.size() && ((texte[c] >= '0' && texte[c] <= '9') || texte[c] == '.');
}

float stofSansBlancs(std::string_view texte)
{
    // Qualified calls: with a std::string argument, ADL would pick std::stof, which throws.
    if (std::find_if(texte.begin(), texte.end(), estBlanc) == texte.end())
        return tuv::stof(texte);
    // Blanks inside a number are rare (hand-written files): read a copy without them.
    char tampon[64];
    size_t n = 0;
    for (char c : texte)
        if (!estBlanc(c)) {
            if (n == sizeof tampon)
                return tuv::stof(delspaces(std::string(texte)));
            tampon[n++] = c;
        }
    return tuv::stof(std::string_view(tampon, n));
}

std::string delspaces(const std::string& texte)
{
    std::string r;
    r.reserve(texte.size());
    for (char c : texte)
        if (c != ' ' && c != '\t')
            r += c;
    return r;
}

std::wstring delspaces(const std::wstring& texte)
{
    std::wstring r;
    r.reserve(texte.size());
    for (wchar_t c : texte)
        if (c != L' ' && c != L'\t')
            r += c;
    return r;
}

std::wstring utf8toWStr(std::string_view texte)
{
    std::wstring r;
    utf8versWStr(texte, r);
    return r;
}

void utf8versWStr(std::string_view texte, std::wstring& r)
{
    const auto* s = reinterpret_cast<const unsigned char*>(texte.data());
    const size_t n = texte.size();
    // Most texts are ASCII: widened in one pass that also tells whether any byte was not.
    r.resize(n);
    wchar_t* w = r.data();
    unsigned char hors = 0;
    for (size_t j = 0; j < n; ++j) {
        w[j] = static_cast<wchar_t>(s[j]);
        hors |= s[j];
    }
    if (hors < 0x80)
        return;
    size_t i = 0;
    while (s[i] < 0x80)
        ++i;
    r.resize(i);
    while (i < n) {
        unsigned char c = s[i];
        int suite;
        char32_t cp, mini;
        if (c < 0x80) { r += static_cast<wchar_t>(c); ++i; continue; }
        if ((c & 0xE0) == 0xC0) { suite = 1; cp = c & 0x1F; mini = 0x80; }
        else if ((c & 0xF0) == 0xE0) { suite = 2; cp = c & 0x0F; mini = 0x800; }
        else if ((c & 0xF8) == 0xF0) { suite = 3; cp = c & 0x07; mini = 0x10000; }
        else { r += L'\uFFFD'; ++i; continue; }
        int k = 1;
        for (; k <= suite && i + k < n && (s[i + k] & 0xC0) == 0x80; ++k)
            cp = (cp << 6) | (s[i + k] & 0x3F);
        if (k <= suite || cp < mini || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            // Malformed: replace the lead byte (and the continuation bytes seen) once.
            r += L'\uFFFD';
            i += k;
            continue;
        }
        r += static_cast<wchar_t>(cp);
        i += suite + 1;
    }
}

std::string debutUtf8(std::string_view texte, size_t max)
{
    if (texte.size() <= max)
        return std::string(texte);
    size_t n = max;
    while (n > 0 && (static_cast<unsigned char>(texte[n]) & 0xC0) == 0x80)
        --n;
    return std::string(texte.substr(0, n));
}

std::string wstrToUtf8(const std::wstring& texte)
{
    std::string r;
    r.reserve(texte.size());
    for (wchar_t wc : texte) {
        auto cp = static_cast<char32_t>(wc);
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            cp = 0xFFFD;
        if (cp < 0x80) {
            r += static_cast<char>(cp);
        } else if (cp < 0x800) {
            r += static_cast<char>(0xC0 | (cp >> 6));
            r += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            r += static_cast<char>(0xE0 | (cp >> 12));
            r += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            r += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            r += static_cast<char>(0xF0 | (cp >> 18));
            r += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            r += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            r += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return r;
}

} // namespace tuv
