#pragma once
// Number and text conversions shared by every file reader, writer and dialog.
// Everything here works in the "C" conventions whatever the process locale:
// data files must read the same on every machine.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

// In a namespace: unqualified stoi/stof would be ambiguous with std:: ones through ADL.
namespace tuv {


std::string itos(int valeur);
// Shortest text that reads back to the very same float, in plain decimals, never with an
// exponent ("1000000000", not "1e+09"): what the data files hold and the number fields show,
// so that a field takes back every value a file or a field gives it.
std::string ftos(float valeur);
// The texts of itos and ftos written from p, which has room for TAILLE_NOMBRE_MAX bytes; the
// end of the text. For writers that format many numbers. The longest text is the smallest
// subnormal's: "-0." and 44 more digits.
constexpr size_t TAILLE_NOMBRE_MAX = 64;
char* ecrireEntierLong(char* p, int valeur);
inline char* ecrireEntier(char* p, int valeur)
{
    // Most values of a data file are a digit or two.
    if (valeur >= 0 && valeur < 10) {
        *p = static_cast<char>('0' + valeur);
        return p + 1;
    }
    if (valeur >= 10 && valeur < 100) {
        p[0] = static_cast<char>('0' + valeur / 10);
        p[1] = static_cast<char>('0' + valeur % 10);
        return p + 2;
    }
    return ecrireEntierLong(p, valeur);
}
char* ecrireReel(char* p, float valeur);
// The same texts added at the end of s.
void ajouterEntier(std::string& s, int valeur);
void ajouterReel(std::string& s, float valeur);
// Like atoi/strtod but defined for every input: no digits gives 0, never throws,
// overflow clamps. Leading blanks and a sign are accepted; parsing stops at the
// first other character ("12x" -> 12, "3.7" -> 3 for the integer reader).
int stoi(std::string_view texte);
float stof(std::string_view texte);
// The same as stoi(delspaces(texte)) and stof(delspaces(texte)), without the copy: what
// the typed readers of CTUVFile give.
int stoiSansBlancs(std::string_view texte);
float stofSansBlancs(std::string_view texte);
// Whether a text starts as a number does, past blanks and a sign: with a digit or a point. The
// readers above read any other text ("nan", "inf", a word, nothing) as 0, which a file's
// reader may then name as no number.
bool commeNombre(std::string_view texte);
// The fast path of stof: short decimals ("-12.375", "0.5"), the form every writer of the game
// uses, read without the general parser. At most 7 digits make an exact float, and at most 7
// decimals a power of ten that is exact too, so one float division rounds the value correctly,
// as from_chars does. Gives the end of the number, or null (and nothing read) for any other
// text (exponent, long numbers); `fin` may stop at any character after the number. Inline:
// the readers of a level or an animation call it for thousands of numbers.
inline const char* lireDecimalCourt(const char* debut, const char* fin, float& resultat)
{
    const char* c = debut;
    const bool negatif = c < fin && *c == '-';
    c += negatif;
    // The whole part, then the decimals: one tight loop each, the digits counted at the end.
    uint32_t chiffres = 0;
    const char* const entiers = c;
    for (; c < fin && static_cast<unsigned char>(*c - '0') < 10; ++c)
        chiffres = chiffres * 10 + static_cast<uint32_t>(*c - '0');
    const long nbEntiers = c - entiers;
    long nbDecimales = 0;
    if (c < fin && *c == '.') {
        const char* const decimales = ++c;
        for (; c < fin && static_cast<unsigned char>(*c - '0') < 10; ++c)
            chiffres = chiffres * 10 + static_cast<uint32_t>(*c - '0');
        nbDecimales = c - decimales;
    }
    // Beyond 7 digits the sum above may have wrapped: the general parser reads those.
    const long nbChiffres = nbEntiers + nbDecimales;
    if (nbChiffres == 0 || nbChiffres > 7 || (c < fin && (*c == 'e' || *c == 'E')))
        return nullptr;
    static constexpr float puissances[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f};
    const float v = static_cast<float>(chiffres) / puissances[nbDecimales];
    resultat = negatif ? -v : v;
    return c;
}

// Copy without spaces and tabs.
std::string delspaces(const std::string& texte);
std::wstring delspaces(const std::wstring& texte);
// UTF-8 <-> UTF-32 wide strings; malformed input becomes U+FFFD.
std::wstring utf8toWStr(std::string_view texte);
// The same into sortie, whose storage is reused: a list refilled row by row allocates nothing.
void utf8versWStr(std::string_view texte, std::wstring& sortie);
std::string wstrToUtf8(const std::wstring& texte);
// The first octets of texte, at most max, cut before a character rather than inside one: a
// quoted line or a list shortened for a message shows no broken letter at its end.
std::string debutUtf8(std::string_view texte, size_t max);
// Float to int toward zero, clamped to +-2,000,000,000 so that sums such as x + width stay
// inside int; NaN and infinities give 0. Every position or size taken to an integer goes
// through it: a sprite thrown far away must not make the conversion undefined. Inline: the
// characters' and the collision query's steps convert every coordinate they probe.
constexpr float FLOAT_VERS_INT_MAX = 2e9f;
inline int floatVersInt(float valeur)
{
    if (valeur > -FLOAT_VERS_INT_MAX && valeur < FLOAT_VERS_INT_MAX)  // false for NaN too
        return static_cast<int>(valeur);
    if (!std::isfinite(valeur))
        return 0;
    return valeur > 0 ? 2000000000 : -2000000000;
}
// The bound of an integer that a data file gives for a size, margin, offset, position, speed
// or amount, applied where the file is read: no shipped file comes near it, and sums and
// differences of a few such values, or of one with a position that floatVersInt gave, stay
// inside int. Identifiers, modes, flags and times are not held: they keep the value read.
constexpr int VALEUR_FICHIER_MAX = 1000000;
inline int bornerValeurFichier(int valeur)
{
    return valeur < -VALEUR_FICHIER_MAX ? -VALEUR_FICHIER_MAX : valeur > VALEUR_FICHIER_MAX ? VALEUR_FICHIER_MAX : valeur;
}

} // namespace tuv
