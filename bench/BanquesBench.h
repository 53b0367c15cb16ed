#pragma once
// Image banks made in code for the benchmarks' levels.
#include "core/Dec.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>

// A bank of nb animations of one frame l x h; with a mask, all solid (green).
inline CDEC* banqueBench(const char* nom, int l, int h, bool masque, int nb = 1)
{
    auto* b = new CDEC();
    b->nom = nom;
    b->planche.create(unsigned(l), unsigned(h), sf::Color::White);
    if (masque) {
        b->pMasquePlanche = new sf::Image();
        b->pMasquePlanche->create(unsigned(l), unsigned(h), sf::Color(0, 255, 0, 255));
    }
    for (int a = 0; a < nb; ++a)
        b->ajouterAnimDec(0, 0, 1, l, h, 1.0f, 0);
    return b;
}
