#pragma once
// One player as the lobby knows it: a line of the server's list, or the body of a game
// request. A player is the triple (ipwan, iplan, port); the name plays no part in identity.
#include <string>

struct JoueurEnLigne {
    std::wstring pseudo;
    std::string ipwan;
    std::string iplan;
    int port = 0;
    // In a list: 0 waiting, 1 in a game. In a game request: the packet's code.
    int etat = 0;
};
