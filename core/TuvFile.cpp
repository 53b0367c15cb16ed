#include "core/TuvFile.h"

#include "core/Fichiers.h"
#include "core/NotesLecture.h"
#include "core/Texte.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// An unfinished write is dropped by its CEcritureSure, never committed.
CTUVFile::~CTUVFile() = default;

void CTUVFile::reinitialiser()
{
    ecritureSure.abandonner();
    close();
    bVerifier = bLigneAVerifier = false;
    pNotes = nullptr;
    ligneCourante.clear();
    pos = 0;
    bFinDeLigne = false;
    bDebutFichier = true;
    nLignes = 0;
    nouvelleLigne();
}

void CTUVFile::nouvelleLigne()
{
    nValeursLues = 0;
    nManquantes = 0;
    debutValeur = finValeur = 0;
}

bool CTUVFile::open(const std::string& fichier, bool ecriture)
{
    reinitialiser();
    // A folder opens as a stream on Linux, reads as an empty file and cannot be replaced:
    // an empty file name under a data folder must not pass for a readable or written file.
    // Nor is anything else but a regular file read: a FIFO blocks for ever, a device may
    // never end.
    // One stat of the name as given: no path object to build for each of a folder's files.
    struct stat etat;
    const bool existe = ::stat(fichier.c_str(), &etat) == 0;
    if (ecriture ? existe && S_ISDIR(etat.st_mode) : !(existe && S_ISREG(etat.st_mode)))
        return false;
    if (!ecriture) {
        in.open(fichier, std::ios::in | std::ios::binary);
        return in.is_open();
    }
    return ecritureSure.ouvrir(fichier);
}

namespace {

// The whole of a regular file into texte: its size asked of the open file, then read straight
// into the string (no stream buffer, no copy). A file grown meanwhile is read to its end.
// Anything else is refused as open() refuses it; opened without waiting, a FIFO cannot block.
bool lireFichierRegulier(const std::string& fichier, std::string& texte)
{
    const int fd = ::open(fichier.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat etat;
    bool lu = ::fstat(fd, &etat) == 0 && S_ISREG(etat.st_mode);
    size_t n = 0;
    if (lu)
        texte.resize(static_cast<size_t>(etat.st_size) + 1);
    while (lu) {
        if (n == texte.size())
            texte.resize(2 * texte.size());
        const ssize_t r = ::read(fd, texte.data() + n, texte.size() - n);
        if (r > 0)
            n += static_cast<size_t>(r);
        else if (r == 0)
            break;
        else if (errno != EINTR)
            lu = false;
    }
    ::close(fd);
    texte.resize(lu ? n : 0);
    return lu;
}

} // namespace

bool CTUVFile::openEntier(const std::string& fichier)
{
    reinitialiser();
    bEntier = lireFichierRegulier(fichier, entier);
    return bEntier;
}

void CTUVFile::openTexte(const std::string& t)
{
    reinitialiser();
    texte.clear();
    texte.str(t);
    bTexte = true;
}

bool CTUVFile::close()
{
    if (bLigneAVerifier)
        finirLigne();
    bTexte = false;
    texte.str(std::string());
    bEntier = false;
    entier.clear();
    posEntier = 0;
    if (in.is_open())
        in.close();
    in.clear();
    // Nothing open for writing: nothing failed.
    return !ecritureSure.ouverte() || ecritureSure.valider();
}

bool CTUVFile::lireLigne(std::string& ligne)
{
    ++nLignes;
    nouvelleLigne();
    if (bEntier)
        return lireLigneEntier(ligne);
    if (bTexte)
        return tuv::lireLigneTexte(texte, ligne, bDebutFichier);
    return in.is_open() && tuv::lireLigneTexte(in, ligne, bDebutFichier);
}

// The next line of the file in memory, as tuv::lireLigneTexte takes it from a stream.
bool CTUVFile::lireLigneEntier(std::string& ligne)
{
    if (posEntier >= entier.size())
        return false;
    const char* const debut = entier.data() + posEntier;
    const size_t reste = entier.size() - posEntier;
    const char* const nl = static_cast<const char*>(std::memchr(debut, '\n', reste));
    size_t n = nl ? static_cast<size_t>(nl - debut) : reste;
    posEntier += nl ? n + 1 : n;
    size_t saut = 0;
    if (bDebutFichier) {
        bDebutFichier = false;
        if (n >= 3 && std::memcmp(debut, "\xEF\xBB\xBF", 3) == 0)
            saut = 3;
    }
    // Files written on Windows end their lines with CR LF.
    if (n > saut && debut[n - 1] == '\r')
        --n;
    ligne.assign(debut + saut, n - saut);
    return true;
}

std::string CTUVFile::getKey() { return std::string(getKeyView()); }

std::string_view CTUVFile::getKeyView()
{
    if (bLigneAVerifier)
        finirLigne();
    // The line is read straight into the current line: no copy per key.
    while (lireLigne(ligneCourante)) {
        const std::string& ligne = ligneCourante;
        if (ligne.empty() || ligne[0] == '#' || ligne[0] == '\r' || ligne[0] == '\n')
            continue;
        bFinDeLigne = false;
        if (ligne[0] == '{' || ligne[0] == '}') {
            pos = 1;
            bLigneAVerifier = false;
            return std::string_view(ligne.data(), 1);
        }
        // The "=" and the key's blanks found by memchr: keys are short, lines long.
        const char* const d = ligne.data();
        const char* const fin = static_cast<const char*>(std::memchr(d, '=', ligne.size()));
        // A line of blanks is an empty line; any other without "=" is dropped, and said.
        if (!fin) {
            if (bVerifier && ligne.find_first_not_of(" \t\r") != std::string::npos)
                signalerEcart({Ecart::Type::SansEgal, 0, 0, ligne, {}});
            continue;
        }
        const size_t egal = static_cast<size_t>(fin - d);
        const bool blancs = std::memchr(d, ' ', egal) || std::memchr(d, '\t', egal);
        std::string_view cle(ligne.data(), egal);
        if (blancs) {
            cleSansBlancs = tuv::delspaces(std::string(cle));
            cle = cleSansBlancs;
        }
        // An empty key would read as the end of the file to every reader loop.
        if (cle.empty()) {
            if (bVerifier)
                signalerEcart({Ecart::Type::SansEgal, 0, 0, ligne, {}});
            continue;
        }
        pos = egal + 1;
        bLigneAVerifier = bVerifier;
        bResteLu = false;
        return cle;
    }
    ligneCourante.clear();
    pos = 0;
    bFinDeLigne = false;
    nouvelleLigne();
    return std::string_view();
}

std::string CTUVFile::valeurJusqua(const std::string& separateur)
{
    bFinDeLigne = true;
    if (pos >= ligneCourante.size())
        return "";
    size_t fin = separateur.empty() ? std::string::npos : ligneCourante.find(separateur, pos);
    if (fin == std::string::npos)
        return ligneCourante.substr(pos);
    bFinDeLigne = false;
    std::string valeur = ligneCourante.substr(pos, fin - pos);
    pos = fin + separateur.size();
    return valeur;
}

std::string CTUVFile::getValue() { return std::string(getValueView()); }

std::string_view CTUVFile::getValueView()
{
    // The reader's hot path: a character search, no separator string, no copy.
    const bool manque = bFinDeLigne;
    bFinDeLigne = true;
    if (pos >= ligneCourante.size()) {
        noterValeur(pos, pos, manque);
        return std::string_view();
    }
    const char* debut = ligneCourante.data() + pos;
    const size_t reste = ligneCourante.size() - pos;
    const char* fin = static_cast<const char*>(std::memchr(debut, ';', reste));
    noterValeur(pos, fin ? pos + static_cast<size_t>(fin - debut) : ligneCourante.size(), manque);
    if (!fin)
        return std::string_view(debut, reste);
    bFinDeLigne = false;
    pos += static_cast<size_t>(fin - debut) + 1;
    return std::string_view(debut, static_cast<size_t>(fin - debut));
}

// A level holds some hundred thousand numbers, nearly all a few digits: those are read in
// place, as the general readers would read them; anything else (blanks, a sign "+", an
// exponent, long numbers, other characters) goes to the general readers.
int CTUVFile::getValueInt()
{
    const char* d = ligneCourante.data();
    const size_t n = ligneCourante.size();
    const size_t debut = pos + (pos < n && d[pos] == '-');
    size_t i = debut;
    int v = 0;
    for (; i < n && i - debut < 9 && d[i] >= '0' && d[i] <= '9'; ++i)
        v = v * 10 + (d[i] - '0');
    if (i == debut || (i < n && d[i] != ';'))
        return valeurIntGenerale();
    const bool negatif = debut != pos;
    noterValeur(pos, i, bFinDeLigne);
    passerValeur(i);
    return negatif ? -v : v;
}

// The short decimals every writer of the game makes are read in place, in one pass.
float CTUVFile::getValueFloat()
{
    const char* const d = ligneCourante.data();
    const char* const fin = d + ligneCourante.size();
    float v = 0;
    const char* const finNombre = tuv::lireDecimalCourt(d + pos, fin, v);
    if (!finNombre || (finNombre < fin && *finNombre != ';'))
        return valeurFloatGenerale();
    noterValeur(pos, static_cast<size_t>(finNombre - d), bFinDeLigne);
    passerValeur(static_cast<size_t>(finNombre - d));
    return v;
}

// A value given again for a missing one is named with the line's missing values, not twice.
[[gnu::noinline]] int CTUVFile::valeurIntGenerale()
{
    const int avant = nManquantes;
    const std::string_view texte = getValueView();
    const int v = tuv::stoiSansBlancs(texte);
    if (bLigneAVerifier && nManquantes == avant && !tuv::commeNombre(texte))
        signalerNonNombre(texte, tuv::itos(v));
    return v;
}

[[gnu::noinline]] float CTUVFile::valeurFloatGenerale()
{
    const int avant = nManquantes;
    const std::string_view texte = getValueView();
    const float v = tuv::stofSansBlancs(texte);
    if (bLigneAVerifier && nManquantes == avant && !tuv::commeNombre(texte))
        signalerNonNombre(texte, tuv::ftos(v));
    return v;
}

void CTUVFile::signalerNonNombre(std::string_view ecrit, const std::string& commeLu)
{
    signalerEcart({Ecart::Type::PasUnNombre, nValeursLues, nValeursLues, ecrit, commeLu});
}

void CTUVFile::signalerEcart(const Ecart& e)
{
    if (pNotes)
        pNotes->noterEcart(*this, e);
}

void CTUVFile::finirLigne()
{
    bLigneAVerifier = false;
    if (nManquantes > 0) {
        const std::string_view derniere = valeurEcrite();
        signalerEcart({Ecart::Type::ValeursAbsentes, nValeursLues - nManquantes + 1, nValeursLues, derniere,
                       manqueLuComme ? std::string(manqueLuComme) : std::string(derniere)});
    }
    const std::string_view reste = bResteLu ? std::string_view() : resteNonLu();
    if (!reste.empty()) {
        const int n = 1 + static_cast<int>(std::count(reste.begin(), reste.end(), ';'));
        signalerEcart({Ecart::Type::ValeursEnTrop, nValeursLues + 1, nValeursLues + n, reste, {}});
    }
}

std::string_view CTUVFile::resteNonLu() const
{
    if (bFinDeLigne || pos >= ligneCourante.size())
        return {};
    std::string_view reste(ligneCourante.data() + pos, ligneCourante.size() - pos);
    // Empty values at the end ("1;2;", a ";" a writer left) hold nothing past what was read.
    const size_t fin = reste.find_last_not_of("; \t\r");
    return fin == std::string_view::npos ? std::string_view() : reste.substr(0, fin + 1);
}

void CTUVFile::cleNonPrise()
{
    if (!bLigneAVerifier)
        return;
    bLigneAVerifier = false;
    signalerEcart({Ecart::Type::CleNonPrise, 0, 0, {}, {}});
}

void CTUVFile::ligneIgnoree(const std::string& pourquoi)
{
    if (!bLigneAVerifier)
        return;
    bLigneAVerifier = false;
    if (!pourquoi.empty())
        signalerEcart({Ecart::Type::LigneIgnoree, 0, 0, {}, pourquoi});
}

// What getValueView does after a value ending at fin: past its ";", or the position stays at
// the end of the line.
void CTUVFile::passerValeur(size_t fin)
{
    bFinDeLigne = fin >= ligneCourante.size();
    if (!bFinDeLigne)
        pos = fin + 1;
}

std::wstring CTUVFile::getValueW() { return tuv::utf8toWStr(getValueView()); }

std::string CTUVFile::getValueBetween(const std::string& prefixe, const std::string& separateur)
{
    if (!prefixe.empty()) {
        size_t p = ligneCourante.find(prefixe);
        if (p != std::string::npos)
            pos = p + prefixe.size();
    }
    return valeurJusqua(separateur);
}

void CTUVFile::skipLines(int n)
{
    std::string ligne;
    for (int i = 0; i < n; ++i) {
        if (!lireLigne(ligne))
            break;
        ligneCourante = ligne;
        pos = 0;
        bFinDeLigne = false;
        nouvelleLigne();
    }
}

void CTUVFile::write(const std::string& texte)
{
    if (ecritureSure.ouverte())
        ecritureSure.flux() << texte;
}

void CTUVFile::writeLine(const std::string& texte)
{
    if (ecritureSure.ouverte())
        ecritureSure.flux() << texte << '\n';
}

void CTUVFile::endLine()
{
    if (ecritureSure.ouverte())
        ecritureSure.flux() << '\n';
}
