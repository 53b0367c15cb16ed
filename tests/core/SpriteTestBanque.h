#pragma once
// Helpers of the sprite tests: image banks built in memory, a kept GL context, and
// g_services put back after each test.
#include "core/Dec.h"
#include "core/Services.h"
#include "core/SetTextures.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <gtest/gtest.h>

// Animation n of the bank: nbFrames frames at vitesse, without textures.
inline CSetTextures& setSansImages(CDEC& banque, int n, int nbFrames, float vitesse, bool allerRetour = false,
                                   int nbBoucles = 0)
{
    CSetTextures& s = banque.anim(n);
    s.nbTextures = nbFrames;
    s.vitesse = vitesse;
    s.bAllerRetour = allerRetour;
    s.nbBoucles = nbBoucles;
    s.largeur = 8;
    s.hauteur = 4;
    if (banque.nbAnims <= n)
        banque.nbAnims = n + 1;
    return s;
}

// Frame k of animation n becomes this image (the set owns the texture).
inline void mettreImage(CDEC& banque, int n, int k, const sf::Image& image)
{
    CSetTextures& s = banque.anim(n);
    auto* t = new sf::Texture;
    t->loadFromImage(image);
    delete s.textures[k];
    s.textures[k] = t;
    s.nbTextures = std::max(s.nbTextures, k + 1);
    s.largeur = int(image.getSize().x);
    s.hauteur = int(image.getSize().y);
}

inline sf::Image imageUnie(unsigned l, unsigned h, sf::Color c)
{
    sf::Image i;
    i.create(l, h, c);
    return i;
}

class ServicesSauves : public ::testing::Test {
protected:
    void SetUp() override
    {
        sauvegarde = g_services;
    }
    void TearDown() override { g_services = sauvegarde; }
    ServicesFondation sauvegarde;
};
