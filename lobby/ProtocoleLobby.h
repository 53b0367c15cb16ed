#pragma once
// What the lobby's client and server agree on, with the standard library only so that both
// build it: form bodies, the rule of names and groups, dotted IPv4 addresses, the player list
// lines, the server's base address and the UDP probe that measures the delay between peers.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lobby {

// Bounds shared by the two sides.
constexpr size_t PSEUDO_MAX = 32;
constexpr size_t GROUPE_MAX = 32;
constexpr int NIVEAU_MAX = 1000;
constexpr size_t LIGNES_LISTE_MAX = 10000;
constexpr size_t MESSAGE_CHAT_MAX = 200;

// One player as the server stores and lists it.
struct FicheJoueur {
    long long id = 0;
    std::string pseudo;  // UTF-8
    std::string groupe;  // UTF-8
    int niveau = 0;
    int etat = 0;
    std::string ipwan;
    std::string iplan;
    int port = 0;
};

using ChampsFormulaire = std::vector<std::pair<std::string, std::string>>;

// Space as "+", every byte outside A-Z, a-z, 0-9 and "-._~" as %XX.
std::string encoderValeur(const std::string& valeur);
std::string encoderFormulaire(const ChampsFormulaire& champs);
// false on a malformed escape ("%G1", "%4") or a pair without "=".
bool decoderFormulaire(const std::string& corps, ChampsFormulaire& champs);

// UTF-8 to code points; false on any invalid sequence (overlong, surrogate, past U+10FFFF).
bool decoderUtf8(const std::string& texte, std::u32string& points);
// The field rule: between min and max code points, none below U+0020 nor U+007F, and (when
// sansPointVirgule) no ";", the separator of the list lines.
bool texteValide(const std::u32string& points, size_t min, size_t max, bool sansPointVirgule = true);
// Characters that show nothing or change how the text around them is laid out: C1 controls,
// bidirectional controls and marks (U+202E...), zero-width characters, line and paragraph
// separators, fillers, variation selectors, tags and the other format characters. A name
// holding one could pass for another player's in the lists.
bool caractereInvisible(char32_t c);
// U+FDD0-U+FDEF and the last two code points of every plane: set aside, never characters.
bool nonCaractere(char32_t c);
// Unicode's combining marks (accents and vowel signs, categories Mn, Mc and Me).
bool marqueCombinante(char32_t c);
// Marks stacked on one character at most: more spill over the lines above and below.
constexpr size_t MARQUES_MAX = 4;

// Why a character of a name cannot be shown as it is.
enum class Defaut { AUCUN, INVISIBLE, NON_CARACTERE, MARQUES };
struct PointRefuse {
    Defaut defaut = Defaut::AUCUN;
    char32_t point = 0;
};
// The first invisible character, noncharacter, or mark past MARQUES_MAX in one run of marks.
PointRefuse premierRefuse(const std::u32string& points);
// Names and groups: the field rule, and nothing premierRefuse finds; a name, and a group that
// is not empty, also hold a character other than a space.
bool pseudoValide(std::string_view utf8);
bool groupeValide(std::string_view utf8);
bool pseudoValide(const std::wstring& texte);

// Decimal digits only, within [min, max].
bool lireEntier(std::string_view texte, long long min, long long max, long long& valeur);
// Four decimal parts 0-255 separated by "." and nothing else (no leading zero, no sign, no
// host name): the address as a number in host order.
bool lireIpv4(std::string_view texte, uint32_t& adresse);
inline bool estIpv4(std::string_view texte)
{
    uint32_t a;
    return lireIpv4(texte, a);
}
std::string texteIpv4(uint32_t adresse);

// The values of one "J" line after its key, checked: exactly eight values, a name and group
// passing the rule, niveau 0-1000 and etat 0-1 in decimal, dotted addresses, a port 1-65535.
// The texts are copied into the record when they pass.
bool ficheDepuisValeurs(const std::string_view* valeurs, size_t n, FicheJoueur& fiche);
// "J=<id>;<pseudo>;<groupe>;<niveau>;<etat>;<ipwan>;<iplan>;<port>\n".
std::string ligneListe(const FicheJoueur& fiche);

// "http://" then a host (dotted IPv4 or a name) and an optional ":" port 1-65535, at most
// 255 characters. The port is 80 when none is given.
bool lireAdresseBase(const std::string& url, std::string& hote, int& port);
// "/" then letters, digits and "-._~/", at most 64 characters.
bool cheminServiceValide(const std::string& chemin);

// The delay probe: 0xFFFFFFFF, a kind and a sequence number, three big-endian 32-bit words.
// Every game packet begins with a wide string's length, which can never be 0xFFFFFFFF in a
// datagram, so a peer reading it as a game packet drops it.
enum class GenreSonde : uint32_t { QUESTION = 1, REPONSE = 2 };
constexpr size_t TAILLE_SONDE = 12;
std::array<unsigned char, TAILLE_SONDE> encoderSonde(GenreSonde genre, uint32_t sequence);
bool lireSonde(const void* donnees, size_t taille, GenreSonde& genre, uint32_t& sequence);
// True when the datagram begins with the probe's mark, whatever its length.
bool marqueSonde(const void* donnees, size_t taille);

} // namespace lobby
