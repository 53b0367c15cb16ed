#include "lobby/serveur/DecoupeRequete.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr size_t LIGNE_MORCEAU_MAX = 1024;

bool memeNom(const std::string& t, size_t debut, size_t fin, const char* nom)
{
    size_t i = debut;
    for (; i < fin && *nom; ++i, ++nom)
        if (std::tolower(static_cast<unsigned char>(t[i])) != *nom)
            return false;
    return i == fin && !*nom;
}

std::string valeurSansBlancs(const std::string& t, size_t debut, size_t fin)
{
    while (debut < fin && (t[debut] == ' ' || t[debut] == '\t'))
        ++debut;
    while (fin > debut && (t[fin - 1] == ' ' || t[fin - 1] == '\t'))
        --fin;
    return t.substr(debut, fin - debut);
}

bool sansCasse(const std::string& a, const char* b)
{
    return memeNom(a, 0, a.size(), b);
}

} // namespace

void CDecoupeRequete::recommencer() { *this = CDecoupeRequete(limites_); }

CDecoupeRequete::Resultat CDecoupeRequete::avancer(const std::string& tampon)
{
    switch (phase_) {
    case Phase::ENTETES: return lireEntetes(tampon);
    case Phase::LONGUEUR: return tampon.size() >= finRequete_ ? fin(finRequete_, false) : Resultat{};
    default: return lireMorceaux(tampon);
    }
}

CDecoupeRequete::Resultat CDecoupeRequete::lireEntetes(const std::string& tampon)
{
    const size_t vide = tampon.find("\r\n\r\n", vu_ >= 3 ? vu_ - 3 : 0);
    if (vide == std::string::npos) {
        vu_ = tampon.size();
        // Too long: the library answers what it can of it (414, 400) and the connection closes.
        return tampon.size() > limites_.entetes ? fin(tampon.size(), true) : Resultat{};
    }
    debutCorps_ = vide + 4;
    if (debutCorps_ > limites_.entetes)
        return fin(debutCorps_, true);
    std::string longueur, codage;
    bool aLongueur = false, aCodage = false;
    for (size_t l = tampon.find("\r\n") + 2; l < vide + 2;) {
        const size_t eol = tampon.find("\r\n", l);
        const size_t dp = tampon.find(':', l);
        if (dp < eol) {
            // The first of each header counts, as for the library.
            if (!aLongueur && memeNom(tampon, l, dp, "content-length")) {
                aLongueur = true;
                longueur = valeurSansBlancs(tampon, dp + 1, eol);
            } else if (!aCodage && memeNom(tampon, l, dp, "transfer-encoding")) {
                aCodage = true;
                codage = valeurSansBlancs(tampon, dp + 1, eol);
            }
        }
        l = eol + 2;
    }
    if (aCodage) {
        if (!sansCasse(codage, "chunked"))
            return fin(debutCorps_, true);
        phase_ = Phase::MORCEAUX;
        pos_ = debutCorps_;
        return lireMorceaux(tampon);
    }
    if (!aLongueur)
        return fin(debutCorps_, false);
    const bool chiffres = !longueur.empty() && longueur.size() <= 9 &&
                          std::all_of(longueur.begin(), longueur.end(), [](char c) { return c >= '0' && c <= '9'; });
    // A body too large is not waited for: the library refuses it from its length alone.
    if (!chiffres || std::stoul(longueur) > limites_.corps)
        return fin(debutCorps_, true);
    phase_ = Phase::LONGUEUR;
    finRequete_ = debutCorps_ + std::stoul(longueur);
    return avancer(tampon);
}

CDecoupeRequete::Resultat CDecoupeRequete::lireMorceaux(const std::string& tampon)
{
    for (;;) {
        const size_t eol = tampon.find("\r\n", pos_);
        if (eol == std::string::npos)
            return tampon.size() - pos_ > LIGNE_MORCEAU_MAX ? fin(tampon.size(), true) : Resultat{};
        if (phase_ == Phase::FIN_MORCEAUX) {
            // Trailer lines up to an empty one, within the body's bound.
            if (eol == pos_)
                return fin(eol + 2, false);
            pos_ = eol + 2;
            if (pos_ - debutCorps_ > 2 * limites_.corps + LIGNE_MORCEAU_MAX)
                return fin(pos_, true);
            continue;
        }
        size_t chiffres = 0, taille = 0;
        for (; pos_ + chiffres < eol && chiffres < 8; ++chiffres) {
            const int c = std::tolower(static_cast<unsigned char>(tampon[pos_ + chiffres]));
            if (!std::isxdigit(c))
                break;
            taille = taille * 16 + static_cast<size_t>(c <= '9' ? c - '0' : c - 'a' + 10);
        }
        if (chiffres == 0 || eol - pos_ > LIGNE_MORCEAU_MAX || corpsLu_ + taille > limites_.corps)
            return fin(tampon.size(), true);
        if (taille == 0) {
            phase_ = Phase::FIN_MORCEAUX;
            pos_ = eol + 2;
            continue;
        }
        const size_t finDonnees = eol + 2 + taille;
        if (tampon.size() < finDonnees + 2)
            return {};
        if (tampon.compare(finDonnees, 2, "\r\n") != 0)
            return fin(tampon.size(), true);
        corpsLu_ += taille;
        pos_ = finDonnees + 2;
    }
}
