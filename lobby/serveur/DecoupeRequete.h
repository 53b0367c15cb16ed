#pragma once
// Where one HTTP/1.1 request ends in the bytes a connection has received so far: the header
// block up to its empty line, then a body by Content-Length or by chunks. Only the framing:
// the request itself is read and answered by the HTTP library, from exactly these bytes.
// Each call looks only at what arrived since the last one, so a request sent a byte at a
// time costs no more than one sent whole.
#include <cstddef>
#include <string>

class CDecoupeRequete {
public:
    struct Limites {
        size_t entetes = 16 * 1024;  // the request line and headers, with their empty line
        size_t corps = 4096;
    };

    struct Resultat {
        bool complet = false;
        // The request's length from the start of the buffer (when complete).
        size_t taille = 0;
        // The bytes after it cannot be trusted to start the next request (a body too large
        // to wait for, an unreadable length or chunk): the connection closes after the answer.
        bool fermer = false;
    };

    explicit CDecoupeRequete(Limites limites) : limites_(limites) {}

    // `tampon` is what the connection received since the request began; it only grows
    // between two calls until recommencer().
    Resultat avancer(const std::string& tampon);
    // For the next request on the same connection.
    void recommencer();

private:
    enum class Phase { ENTETES, LONGUEUR, MORCEAUX, FIN_MORCEAUX };

    Resultat lireEntetes(const std::string& tampon);
    Resultat lireMorceaux(const std::string& tampon);
    static Resultat fin(size_t taille, bool fermer) { return {true, taille, fermer}; }

    Limites limites_;
    Phase phase_ = Phase::ENTETES;
    size_t vu_ = 0;           // bytes already searched for the end of a line or block
    size_t debutCorps_ = 0;   // just after the empty line
    size_t finRequete_ = 0;   // LONGUEUR: where the body ends
    size_t pos_ = 0;          // MORCEAUX: start of the next chunk line
    size_t corpsLu_ = 0;      // MORCEAUX: data bytes so far
};
