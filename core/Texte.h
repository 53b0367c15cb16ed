#pragma once
// Number and text conversions shared by every file reader, writer and dialog.
// Everything here works in the "C" conventions whatever the process locale:
// data files must read the same on every machine.
#include <cmath>
#include <string>
#include <string_view>

// In a namespace: unqualified stoi/stof would be ambiguous with std:: ones through ADL.
namespace tuv {


std::string itos(int valeur);
// Shortest text that reads back to the very same float.
std::string ftos(float valeur);
// The texts of itos and ftos written from p, which has room for TAILLE_NOMBRE_MAX bytes; the
// end of the text. For writers that format many numbers.
constexpr size_t TAILLE_NOMBRE_MAX = 32;
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
// The fast path of stof: a sign, at most 7 digits and a point, read exactly; gives the end of
// the number, or null (and nothing read) for any other text. `fin` may stop at any character
// after the number.
const char* lireDecimalCourt(const char* debut, const char* fin, float& resultat);
// Copy without spaces and tabs.
std::string delspaces(const std::string& texte);
std::wstring delspaces(const std::wstring& texte);
// UTF-8 <-> UTF-32 wide strings; malformed input becomes U+FFFD.
std::wstring utf8toWStr(std::string_view texte);
std::string wstrToUtf8(const std::wstring& texte);
// Float to int toward zero, clamped to +-2,000,000,000 so that sums such as x + width stay
// inside int; NaN and infinities give 0. Every position or size taken to an integer goes
// through it: a sprite thrown far away must not make the conversion undefined. Inline: the
// characters' and the collision query's steps convert every coordinate they probe.
inline int floatVersInt(float valeur)
{
    constexpr float LIMITE = 2e9f;
    if (valeur > -LIMITE && valeur < LIMITE)  // false for NaN too
        return static_cast<int>(valeur);
    if (!std::isfinite(valeur))
        return 0;
    return valeur > 0 ? 2000000000 : -2000000000;
}
// The bound of an integer that a data file gives for a size, margin, offset, position, speed
// or amount, applied where the file is read: no shipped file comes near it, and sums and
// differences of a few such values, or of one with a position that floatVersInt gave, stay
// inside int.
constexpr int VALEUR_FICHIER_MAX = 1000000;
inline int bornerValeurFichier(int valeur)
{
    return valeur < -VALEUR_FICHIER_MAX ? -VALEUR_FICHIER_MAX : valeur > VALEUR_FICHIER_MAX ? VALEUR_FICHIER_MAX : valeur;
}

} // namespace tuv
