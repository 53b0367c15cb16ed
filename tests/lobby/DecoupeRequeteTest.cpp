// Where a request ends, its bytes arriving one at a time: a wrong end would answer half a
// request or read the next one as a body.
#include "lobby/serveur/DecoupeRequete.h"

#include <gtest/gtest.h>

TEST(DecoupeRequete, EachFramingEndsWhereItsBytesSay)
{
    const std::string post = "POST / HTTP/1.1\r\n";  // 17 bytes
    const struct {
        const char* quoi;
        std::string octets;
        size_t complet, taille;  // complete once this many bytes came, that long
        bool fermer;
    } cas[] = {
        {"no body", "GET / HTTP/1.1\r\nHost: x\r\n\r\nGET", 27, 27, false},
        {"by length", post + "Content-Length: 3\r\n\r\nabcGET", 41, 41, false},
        {"length over the body's bound", post + "content-length:  11\r\n\r\nabc", 40, 40, true},
        {"length not a number", post + "Content-Length: x1\r\n\r\nabc", 39, 39, true},
        {"chunks", post + "Transfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n0\r\n\r\nNEXT", 60, 60, false},
        {"a chunk over the bound", post + "Transfer-Encoding: chunked\r\n\r\nB\r\nabcdefghijk\r\n", 50, 50, true},
        {"another coding", post + "Transfer-Encoding: gzip\r\n\r\nabc", 44, 44, true},
        {"headers that never end", "GET /" + std::string(70, 'a'), 65, 65, true},
    };
    for (const auto& c : cas) {
        CDecoupeRequete d({64, 10});
        std::string recu;
        CDecoupeRequete::Resultat r;
        while (!r.complet && recu.size() < c.octets.size()) {
            recu += c.octets[recu.size()];
            r = d.avancer(recu);
        }
        EXPECT_TRUE(r.complet) << c.quoi;
        EXPECT_EQ(recu.size(), c.complet) << c.quoi << ": complete no sooner, no later";
        EXPECT_EQ(r.taille, c.taille) << c.quoi;
        EXPECT_EQ(r.fermer, c.fermer) << c.quoi;
    }
}
