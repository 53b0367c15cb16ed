#include "lobby/ProtocoleLobby.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

namespace lobby {

namespace {

bool nonReserve(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

int valeurHexa(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool decoderValeur(const std::string& texte, size_t debut, size_t fin, std::string& sortie)
{
    sortie.clear();
    for (size_t i = debut; i < fin; ++i) {
        const char c = texte[i];
        if (c == '+') {
            sortie += ' ';
        } else if (c == '%') {
            if (i + 2 >= fin)
                return false;
            const int h = valeurHexa(texte[i + 1]), l = valeurHexa(texte[i + 2]);
            if (h < 0 || l < 0)
                return false;
            sortie += static_cast<char>(h * 16 + l);
            i += 2;
        } else {
            sortie += c;
        }
    }
    return true;
}

void ecrireMot(unsigned char* p, uint32_t v)
{
    p[0] = static_cast<unsigned char>(v >> 24);
    p[1] = static_cast<unsigned char>(v >> 16);
    p[2] = static_cast<unsigned char>(v >> 8);
    p[3] = static_cast<unsigned char>(v);
}

uint32_t lireMot(const unsigned char* p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

bool hoteValide(const std::string& hote)
{
    if (hote.empty())
        return false;
    // Only digits and dots: it must then be a dotted address ("1.2.3" is no name).
    if (hote.find_first_not_of("0123456789.") == std::string::npos)
        return estIpv4(hote);
    if (hote.front() == '.' || hote.front() == '-' || hote.back() == '-')
        return false;
    for (unsigned char c : hote)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.'))
            return false;
    return hote.find("..") == std::string::npos;
}

} // namespace

std::string encoderValeur(const std::string& valeur)
{
    static const char hexa[] = "0123456789ABCDEF";
    std::string r;
    r.reserve(valeur.size() * 3);
    for (unsigned char c : valeur) {
        if (nonReserve(c)) {
            r += static_cast<char>(c);
        } else if (c == ' ') {
            r += '+';
        } else {
            r += '%';
            r += hexa[c >> 4];
            r += hexa[c & 15];
        }
    }
    return r;
}

std::string encoderFormulaire(const ChampsFormulaire& champs)
{
    std::string r;
    for (const auto& [cle, valeur] : champs) {
        if (!r.empty())
            r += '&';
        r += encoderValeur(cle) + '=' + encoderValeur(valeur);
    }
    return r;
}

bool decoderFormulaire(const std::string& corps, ChampsFormulaire& champs)
{
    champs.clear();
    size_t debut = 0;
    while (debut < corps.size()) {
        size_t fin = corps.find('&', debut);
        if (fin == std::string::npos)
            fin = corps.size();
        if (fin > debut) {
            const size_t egal = corps.find('=', debut);
            if (egal == std::string::npos || egal > fin)
                return false;
            std::string cle, valeur;
            if (!decoderValeur(corps, debut, egal, cle) || !decoderValeur(corps, egal + 1, fin, valeur))
                return false;
            champs.emplace_back(std::move(cle), std::move(valeur));
        }
        debut = fin + 1;
    }
    return true;
}

bool decoderUtf8(const std::string& texte, std::u32string& points)
{
    points.clear();
    const size_t n = texte.size();
    for (size_t i = 0; i < n;) {
        const unsigned char c = static_cast<unsigned char>(texte[i]);
        int suite;
        char32_t cp, minimum;
        if (c < 0x80) {
            points += c;
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            suite = 1, cp = c & 0x1F, minimum = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            suite = 2, cp = c & 0x0F, minimum = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            suite = 3, cp = c & 0x07, minimum = 0x10000;
        } else {
            return false;
        }
        if (i + static_cast<size_t>(suite) >= n)
            return false;
        for (int k = 1; k <= suite; ++k) {
            const unsigned char s = static_cast<unsigned char>(texte[i + k]);
            if ((s & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (s & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        points += cp;
        i += suite + 1;
    }
    return true;
}

bool texteValide(const std::u32string& points, size_t min, size_t max, bool sansPointVirgule)
{
    if (points.size() < min || points.size() > max)
        return false;
    for (char32_t c : points)
        if (c < 0x20 || c == 0x7F || (sansPointVirgule && c == U';') || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
    return true;
}

bool caractereInvisible(char32_t c)
{
    // Sorted, inclusive.
    static const char32_t plages[][2] = {
        {0x0080, 0x009F},   {0x00AD, 0x00AD},   {0x034F, 0x034F},   {0x0600, 0x0605},   {0x061C, 0x061C},
        {0x06DD, 0x06DD},   {0x070F, 0x070F},   {0x08E2, 0x08E2},   {0x115F, 0x1160},   {0x17B4, 0x17B5},
        {0x180B, 0x180F},   {0x200B, 0x200F},   {0x2028, 0x202E},   {0x2060, 0x206F},   {0x3164, 0x3164},
        {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},   {0xFFA0, 0xFFA0},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD},
        {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
    };
    for (const auto& p : plages) {
        if (c < p[0])
            return false;
        if (c <= p[1])
            return true;
    }
    return false;
}

bool nonCaractere(char32_t c) { return (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE; }

namespace {

// Unicode 14's categories Mn, Mc and Me, sorted, inclusive.
const char32_t MARQUES[][2] = {
    {0x300, 0x36F}, {0x483, 0x489}, {0x591, 0x5BD}, {0x5BF, 0x5BF}, {0x5C1, 0x5C2}, {0x5C4, 0x5C5}, {0x5C7, 0x5C7},
    {0x610, 0x61A}, {0x64B, 0x65F}, {0x670, 0x670}, {0x6D6, 0x6DC}, {0x6DF, 0x6E4}, {0x6E7, 0x6E8}, {0x6EA, 0x6ED},
    {0x711, 0x711}, {0x730, 0x74A}, {0x7A6, 0x7B0}, {0x7EB, 0x7F3}, {0x7FD, 0x7FD}, {0x816, 0x819}, {0x81B, 0x823},
    {0x825, 0x827}, {0x829, 0x82D}, {0x859, 0x85B}, {0x898, 0x89F}, {0x8CA, 0x8E1}, {0x8E3, 0x903}, {0x93A, 0x93C},
    {0x93E, 0x94F}, {0x951, 0x957}, {0x962, 0x963}, {0x981, 0x983}, {0x9BC, 0x9BC}, {0x9BE, 0x9C4}, {0x9C7, 0x9C8},
    {0x9CB, 0x9CD}, {0x9D7, 0x9D7}, {0x9E2, 0x9E3}, {0x9FE, 0x9FE}, {0xA01, 0xA03}, {0xA3C, 0xA3C}, {0xA3E, 0xA42},
    {0xA47, 0xA48}, {0xA4B, 0xA4D}, {0xA51, 0xA51}, {0xA70, 0xA71}, {0xA75, 0xA75}, {0xA81, 0xA83}, {0xABC, 0xABC},
    {0xABE, 0xAC5}, {0xAC7, 0xAC9}, {0xACB, 0xACD}, {0xAE2, 0xAE3}, {0xAFA, 0xAFF}, {0xB01, 0xB03}, {0xB3C, 0xB3C},
    {0xB3E, 0xB44}, {0xB47, 0xB48}, {0xB4B, 0xB4D}, {0xB55, 0xB57}, {0xB62, 0xB63}, {0xB82, 0xB82}, {0xBBE, 0xBC2},
    {0xBC6, 0xBC8}, {0xBCA, 0xBCD}, {0xBD7, 0xBD7}, {0xC00, 0xC04}, {0xC3C, 0xC3C}, {0xC3E, 0xC44}, {0xC46, 0xC48},
    {0xC4A, 0xC4D}, {0xC55, 0xC56}, {0xC62, 0xC63}, {0xC81, 0xC83}, {0xCBC, 0xCBC}, {0xCBE, 0xCC4}, {0xCC6, 0xCC8},
    {0xCCA, 0xCCD}, {0xCD5, 0xCD6}, {0xCE2, 0xCE3}, {0xD00, 0xD03}, {0xD3B, 0xD3C}, {0xD3E, 0xD44}, {0xD46, 0xD48},
    {0xD4A, 0xD4D}, {0xD57, 0xD57}, {0xD62, 0xD63}, {0xD81, 0xD83}, {0xDCA, 0xDCA}, {0xDCF, 0xDD4}, {0xDD6, 0xDD6},
    {0xDD8, 0xDDF}, {0xDF2, 0xDF3}, {0xE31, 0xE31}, {0xE34, 0xE3A}, {0xE47, 0xE4E}, {0xEB1, 0xEB1}, {0xEB4, 0xEBC},
    {0xEC8, 0xECD}, {0xF18, 0xF19}, {0xF35, 0xF35}, {0xF37, 0xF37}, {0xF39, 0xF39}, {0xF3E, 0xF3F}, {0xF71, 0xF84},
    {0xF86, 0xF87}, {0xF8D, 0xF97}, {0xF99, 0xFBC}, {0xFC6, 0xFC6}, {0x102B, 0x103E}, {0x1056, 0x1059},
    {0x105E, 0x1060}, {0x1062, 0x1064}, {0x1067, 0x106D}, {0x1071, 0x1074}, {0x1082, 0x108D}, {0x108F, 0x108F},
    {0x109A, 0x109D}, {0x135D, 0x135F}, {0x1712, 0x1715}, {0x1732, 0x1734}, {0x1752, 0x1753}, {0x1772, 0x1773},
    {0x17B4, 0x17D3}, {0x17DD, 0x17DD}, {0x180B, 0x180D}, {0x180F, 0x180F}, {0x1885, 0x1886}, {0x18A9, 0x18A9},
    {0x1920, 0x192B}, {0x1930, 0x193B}, {0x1A17, 0x1A1B}, {0x1A55, 0x1A5E}, {0x1A60, 0x1A7C}, {0x1A7F, 0x1A7F},
    {0x1AB0, 0x1ACE}, {0x1B00, 0x1B04}, {0x1B34, 0x1B44}, {0x1B6B, 0x1B73}, {0x1B80, 0x1B82}, {0x1BA1, 0x1BAD},
    {0x1BE6, 0x1BF3}, {0x1C24, 0x1C37}, {0x1CD0, 0x1CD2}, {0x1CD4, 0x1CE8}, {0x1CED, 0x1CED}, {0x1CF4, 0x1CF4},
    {0x1CF7, 0x1CF9}, {0x1DC0, 0x1DFF}, {0x20D0, 0x20F0}, {0x2CEF, 0x2CF1}, {0x2D7F, 0x2D7F}, {0x2DE0, 0x2DFF},
    {0x302A, 0x302F}, {0x3099, 0x309A}, {0xA66F, 0xA672}, {0xA674, 0xA67D}, {0xA69E, 0xA69F}, {0xA6F0, 0xA6F1},
    {0xA802, 0xA802}, {0xA806, 0xA806}, {0xA80B, 0xA80B}, {0xA823, 0xA827}, {0xA82C, 0xA82C}, {0xA880, 0xA881},
    {0xA8B4, 0xA8C5}, {0xA8E0, 0xA8F1}, {0xA8FF, 0xA8FF}, {0xA926, 0xA92D}, {0xA947, 0xA953}, {0xA980, 0xA983},
    {0xA9B3, 0xA9C0}, {0xA9E5, 0xA9E5}, {0xAA29, 0xAA36}, {0xAA43, 0xAA43}, {0xAA4C, 0xAA4D}, {0xAA7B, 0xAA7D},
    {0xAAB0, 0xAAB0}, {0xAAB2, 0xAAB4}, {0xAAB7, 0xAAB8}, {0xAABE, 0xAABF}, {0xAAC1, 0xAAC1}, {0xAAEB, 0xAAEF},
    {0xAAF5, 0xAAF6}, {0xABE3, 0xABEA}, {0xABEC, 0xABED}, {0xFB1E, 0xFB1E}, {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F},
    {0x101FD, 0x101FD}, {0x102E0, 0x102E0}, {0x10376, 0x1037A}, {0x10A01, 0x10A03}, {0x10A05, 0x10A06},
    {0x10A0C, 0x10A0F}, {0x10A38, 0x10A3A}, {0x10A3F, 0x10A3F}, {0x10AE5, 0x10AE6}, {0x10D24, 0x10D27},
    {0x10EAB, 0x10EAC}, {0x10F46, 0x10F50}, {0x10F82, 0x10F85}, {0x11000, 0x11002}, {0x11038, 0x11046},
    {0x11070, 0x11070}, {0x11073, 0x11074}, {0x1107F, 0x11082}, {0x110B0, 0x110BA}, {0x110C2, 0x110C2},
    {0x11100, 0x11102}, {0x11127, 0x11134}, {0x11145, 0x11146}, {0x11173, 0x11173}, {0x11180, 0x11182},
    {0x111B3, 0x111C0}, {0x111C9, 0x111CC}, {0x111CE, 0x111CF}, {0x1122C, 0x11237}, {0x1123E, 0x1123E},
    {0x112DF, 0x112EA}, {0x11300, 0x11303}, {0x1133B, 0x1133C}, {0x1133E, 0x11344}, {0x11347, 0x11348},
    {0x1134B, 0x1134D}, {0x11357, 0x11357}, {0x11362, 0x11363}, {0x11366, 0x1136C}, {0x11370, 0x11374},
    {0x11435, 0x11446}, {0x1145E, 0x1145E}, {0x114B0, 0x114C3}, {0x115AF, 0x115B5}, {0x115B8, 0x115C0},
    {0x115DC, 0x115DD}, {0x11630, 0x11640}, {0x116AB, 0x116B7}, {0x1171D, 0x1172B}, {0x1182C, 0x1183A},
    {0x11930, 0x11935}, {0x11937, 0x11938}, {0x1193B, 0x1193E}, {0x11940, 0x11940}, {0x11942, 0x11943},
    {0x119D1, 0x119D7}, {0x119DA, 0x119E0}, {0x119E4, 0x119E4}, {0x11A01, 0x11A0A}, {0x11A33, 0x11A39},
    {0x11A3B, 0x11A3E}, {0x11A47, 0x11A47}, {0x11A51, 0x11A5B}, {0x11A8A, 0x11A99}, {0x11C2F, 0x11C36},
    {0x11C38, 0x11C3F}, {0x11C92, 0x11CA7}, {0x11CA9, 0x11CB6}, {0x11D31, 0x11D36}, {0x11D3A, 0x11D3A},
    {0x11D3C, 0x11D3D}, {0x11D3F, 0x11D45}, {0x11D47, 0x11D47}, {0x11D8A, 0x11D8E}, {0x11D90, 0x11D91},
    {0x11D93, 0x11D97}, {0x11EF3, 0x11EF6}, {0x16AF0, 0x16AF4}, {0x16B30, 0x16B36}, {0x16F4F, 0x16F4F},
    {0x16F51, 0x16F87}, {0x16F8F, 0x16F92}, {0x16FE4, 0x16FE4}, {0x16FF0, 0x16FF1}, {0x1BC9D, 0x1BC9E},
    {0x1CF00, 0x1CF2D}, {0x1CF30, 0x1CF46}, {0x1D165, 0x1D169}, {0x1D16D, 0x1D172}, {0x1D17B, 0x1D182},
    {0x1D185, 0x1D18B}, {0x1D1AA, 0x1D1AD}, {0x1D242, 0x1D244}, {0x1DA00, 0x1DA36}, {0x1DA3B, 0x1DA6C},
    {0x1DA75, 0x1DA75}, {0x1DA84, 0x1DA84}, {0x1DA9B, 0x1DA9F}, {0x1DAA1, 0x1DAAF}, {0x1E000, 0x1E006},
    {0x1E008, 0x1E018}, {0x1E01B, 0x1E021}, {0x1E023, 0x1E024}, {0x1E026, 0x1E02A}, {0x1E130, 0x1E136},
    {0x1E2AE, 0x1E2AE}, {0x1E2EC, 0x1E2EF}, {0x1E8D0, 0x1E8D6}, {0x1E944, 0x1E94A}, {0xE0100, 0xE01EF},
};

} // namespace

bool marqueCombinante(char32_t c)
{
    if (c < MARQUES[0][0])
        return false;
    const auto* p = std::upper_bound(std::begin(MARQUES), std::end(MARQUES), c,
                                     [](char32_t v, const char32_t(&plage)[2]) { return v < plage[0]; });
    return c <= (*(p - 1))[1];
}

namespace {

// One step of premierRefuse: `marques` counts the marks since the last other character.
Defaut defautPoint(char32_t c, size_t& marques)
{
    if (caractereInvisible(c))
        return Defaut::INVISIBLE;
    if (nonCaractere(c))
        return Defaut::NON_CARACTERE;
    marques = marqueCombinante(c) ? marques + 1 : 0;
    return marques > MARQUES_MAX ? Defaut::MARQUES : Defaut::AUCUN;
}

} // namespace

PointRefuse premierRefuse(const std::u32string& points)
{
    size_t marques = 0;
    for (char32_t c : points)
        if (const Defaut d = defautPoint(c, marques); d != Defaut::AUCUN)
            return {d, c};
    return {};
}

namespace {

// The field rule straight on UTF-8: decodes as decoderUtf8 does, checks as texteValide does,
// and refuses what premierRefuse finds.
bool champValide(std::string_view utf8, size_t min, size_t max)
{
    // Most names are printable ASCII: eight bytes checked at a time, then counted by length.
    constexpr uint64_t UNS = 0x0101010101010101ULL, HAUTS = 0x8080808080808080ULL;
    auto egaux = [](uint64_t mot, unsigned char c) {
        const uint64_t x = mot ^ (UNS * c);
        return ~(((x & ~HAUTS) + ~HAUTS) | x) & HAUTS;
    };
    bool ascii = true;
    size_t k = 0;
    for (; k + 8 <= utf8.size() && ascii; k += 8) {
        uint64_t mot;
        std::memcpy(&mot, utf8.data() + k, 8);
        // Below 0x20 (no false alarm when no byte is), 0x80 and above, DEL, ";".
        const uint64_t refus = ((mot - UNS * 0x20) & ~mot) | mot | egaux(mot, 0x7F) | egaux(mot, ';');
        ascii = (refus & HAUTS) == 0;
    }
    for (; k < utf8.size() && ascii; ++k) {
        const unsigned char c = static_cast<unsigned char>(utf8[k]);
        ascii = c >= 0x20 && c < 0x7F && c != ';';
    }
    if (ascii)
        return utf8.size() >= min && utf8.size() <= max;
    size_t points = 0, marques = 0;
    for (size_t i = 0; i < utf8.size(); ++points) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            if (c < 0x20 || c == 0x7F || c == ';')
                return false;
            marques = 0;
            ++i;
            continue;
        }
        // Rare: a multibyte character is checked by the full decoder.
        size_t fin = i + 1;
        while (fin < utf8.size() && (static_cast<unsigned char>(utf8[fin]) & 0xC0) == 0x80)
            ++fin;
        std::u32string p;
        if (!decoderUtf8(std::string(utf8.substr(i, fin - i)), p) || p.size() != 1 || !texteValide(p, 1, 1) ||
            defautPoint(p[0], marques) != Defaut::AUCUN)
            return false;
        i = fin;
    }
    return points >= min && points <= max;
}

// Unicode's space separators: a name of them only would be listed as an empty line.
bool espace(char32_t c)
{
    return c == 0x20 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

bool aUnVisible(const std::u32string& points)
{
    return std::any_of(points.begin(), points.end(), [](char32_t c) { return !espace(c); });
}

// A text that passed the field rule holds a character other than a space.
bool unVisible(std::string_view utf8)
{
    // Any ASCII byte but a space is a character to see.
    for (const char c : utf8)
        if (c != ' ' && static_cast<unsigned char>(c) < 0x80)
            return true;
    std::u32string points;
    return decoderUtf8(std::string(utf8), points) && aUnVisible(points);
}

} // namespace

bool pseudoValide(std::string_view utf8) { return champValide(utf8, 1, PSEUDO_MAX) && unVisible(utf8); }

// A group of spaces would read as none in the list, yet hide everyone from its player.
bool groupeValide(std::string_view utf8)
{
    return champValide(utf8, 0, GROUPE_MAX) && (utf8.empty() || unVisible(utf8));
}

bool pseudoValide(const std::wstring& texte)
{
    std::u32string p;
    for (wchar_t c : texte)
        p += static_cast<char32_t>(c);
    return texteValide(p, 1, PSEUDO_MAX) && premierRefuse(p).defaut == Defaut::AUCUN && aUnVisible(p);
}

bool lireEntier(std::string_view texte, long long min, long long max, long long& valeur)
{
    // More than 12 digits cannot be within any bound used here, and cannot overflow below.
    if (texte.empty() || texte.size() > 12)
        return false;
    long long v = 0;
    for (char c : texte) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    if (v < min || v > max)
        return false;
    valeur = v;
    return true;
}

bool lireIpv4(std::string_view texte, uint32_t& adresse)
{
    const size_t n = texte.size();
    // Past the end: no digit.
    auto chiffre = [&](size_t i) { return i < n ? static_cast<unsigned>(static_cast<unsigned char>(texte[i]) - '0') : 10u; };
    uint32_t r = 0;
    size_t i = 0;
    for (int partie = 0; partie < 4; ++partie) {
        if (partie > 0 && (i >= n || texte[i++] != '.'))
            return false;
        // One to three digits, no leading zero, at most 255.
        unsigned v = chiffre(i);
        if (v > 9)
            return false;
        if (const unsigned d1 = chiffre(++i); d1 <= 9) {
            if (v == 0)
                return false;
            v = v * 10 + d1;
            if (const unsigned d2 = chiffre(++i); d2 <= 9) {
                v = v * 10 + d2;
                if (v > 255 || chiffre(++i) <= 9)
                    return false;
            }
        }
        r = (r << 8) | v;
    }
    if (i != n)
        return false;
    adresse = r;
    return true;
}

std::string texteIpv4(uint32_t a)
{
    return std::to_string(a >> 24) + '.' + std::to_string((a >> 16) & 255) + '.' + std::to_string((a >> 8) & 255) +
           '.' + std::to_string(a & 255);
}

bool ficheDepuisValeurs(const std::string_view* v, size_t n, FicheJoueur& f)
{
    long long id, niveau, etat, port;
    if (n != 8 || !lireEntier(v[0], 0, 999999999999LL, id) || !pseudoValide(v[1]) || !groupeValide(v[2]) ||
        !lireEntier(v[3], 0, NIVEAU_MAX, niveau) || !lireEntier(v[4], 0, 1, etat) || !estIpv4(v[5]) ||
        !estIpv4(v[6]) || !lireEntier(v[7], 1, 65535, port))
        return false;
    // Appended to emptied strings: a record reused line after line keeps its buffers, and an
    // append is cheaper than a general assignment.
    auto copier = [](std::string& s, std::string_view t) {
        s.clear();
        s.append(t.data(), t.size());
    };
    f.id = id;
    copier(f.pseudo, v[1]);
    copier(f.groupe, v[2]);
    f.niveau = static_cast<int>(niveau);
    f.etat = static_cast<int>(etat);
    copier(f.ipwan, v[5]);
    copier(f.iplan, v[6]);
    f.port = static_cast<int>(port);
    return true;
}

std::string ligneListe(const FicheJoueur& f)
{
    return "J=" + std::to_string(f.id) + ';' + f.pseudo + ';' + f.groupe + ';' + std::to_string(f.niveau) + ';' +
           std::to_string(f.etat) + ';' + f.ipwan + ';' + f.iplan + ';' + std::to_string(f.port) + '\n';
}

bool lireAdresseBase(const std::string& url, std::string& hote, int& port)
{
    static const std::string schema = "http://";
    if (url.size() > 255 || url.compare(0, schema.size(), schema) != 0)
        return false;
    const std::string reste = url.substr(schema.size());
    const size_t deuxPoints = reste.find(':');
    std::string h = reste.substr(0, deuxPoints);
    long long p = 80;
    if (deuxPoints != std::string::npos && !lireEntier(reste.substr(deuxPoints + 1), 1, 65535, p))
        return false;
    if (!hoteValide(h))
        return false;
    hote = h;
    port = static_cast<int>(p);
    return true;
}

bool cheminServiceValide(const std::string& chemin)
{
    if (chemin.empty() || chemin.size() > 64 || chemin[0] != '/')
        return false;
    for (unsigned char c : chemin)
        if (!nonReserve(c) && c != '/')
            return false;
    return true;
}

std::array<unsigned char, TAILLE_SONDE> encoderSonde(GenreSonde genre, uint32_t sequence)
{
    std::array<unsigned char, TAILLE_SONDE> s{};
    ecrireMot(s.data(), 0xFFFFFFFFu);
    ecrireMot(s.data() + 4, static_cast<uint32_t>(genre));
    ecrireMot(s.data() + 8, sequence);
    return s;
}

bool marqueSonde(const void* donnees, size_t taille)
{
    return taille >= 4 && lireMot(static_cast<const unsigned char*>(donnees)) == 0xFFFFFFFFu;
}

bool lireSonde(const void* donnees, size_t taille, GenreSonde& genre, uint32_t& sequence)
{
    if (taille != TAILLE_SONDE || !marqueSonde(donnees, taille))
        return false;
    const auto* p = static_cast<const unsigned char*>(donnees);
    const uint32_t g = lireMot(p + 4);
    if (g != static_cast<uint32_t>(GenreSonde::QUESTION) && g != static_cast<uint32_t>(GenreSonde::REPONSE))
        return false;
    genre = static_cast<GenreSonde>(g);
    sequence = lireMot(p + 8);
    return true;
}

} // namespace lobby
