#include "lobby/ProtocoleLobby.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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

char32_t premierInvisible(const std::u32string& points)
{
    for (char32_t c : points)
        if (caractereInvisible(c))
            return c;
    return 0;
}

namespace {

// The field rule straight on UTF-8: decodes as decoderUtf8 does, checks as texteValide does,
// and refuses invisible characters.
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
    size_t points = 0;
    for (size_t i = 0; i < utf8.size(); ++points) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            if (c < 0x20 || c == 0x7F || c == ';')
                return false;
            ++i;
            continue;
        }
        // Rare: a multibyte character is checked by the full decoder.
        size_t fin = i + 1;
        while (fin < utf8.size() && (static_cast<unsigned char>(utf8[fin]) & 0xC0) == 0x80)
            ++fin;
        std::u32string p;
        if (!decoderUtf8(std::string(utf8.substr(i, fin - i)), p) || p.size() != 1 || !texteValide(p, 1, 1) ||
            caractereInvisible(p[0]))
            return false;
        i = fin;
    }
    return points >= min && points <= max;
}

} // namespace

bool pseudoValide(std::string_view utf8) { return champValide(utf8, 1, PSEUDO_MAX); }

bool groupeValide(std::string_view utf8) { return champValide(utf8, 0, GROUPE_MAX); }

bool pseudoValide(const std::wstring& texte)
{
    std::u32string p;
    for (wchar_t c : texte)
        p += static_cast<char32_t>(c);
    return texteValide(p, 1, PSEUDO_MAX) && premierInvisible(p) == 0;
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
