#pragma once
// A floating text of a character (damage figures and short messages); the character owns
// its list of them and the drawing step counts them down.
#include <cstdint>
#include <string>

struct MessagePerso {
    int32_t compteur = 0;   // frames left to live
    int32_t valeur = 0;     // the figure shown
    int32_t decalageX = 0;  // offset from the character
    int32_t decalageY = 0;
    int32_t derive = 0;     // sideways drift per frame
    std::string texte;      // UTF-8, often empty
};

// List predicates of the characters' messages.
inline bool messageTermine(MessagePerso* m) { return m && m->compteur < 1; }
inline bool supprimerMessage(MessagePerso* m)
{
    delete m;
    return true;
}
