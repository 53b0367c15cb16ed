#pragma once
// Shared by the playback, drawing and interpreter tests of CSPRITE3: services restored after
// each test, and quick ways to build animations.
#include "anim/Sprite3.h"
#include "core/Services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class AvecServices : public ::testing::Test {
protected:
    void TearDown() override { g_services = sauvegarde; }

    // Records every dialog notification and sound the sprite asks for.
    void ecouter()
    {
        g_services.notifierDialogue = [this](void* d, const std::string& m) { notifications.push_back({d, m}); };
        g_services.jouerSon = [this](const std::string& s) { sons.push_back(s); };
    }

    std::vector<std::pair<void*, std::string>> notifications;
    std::vector<std::string> sons;

private:
    ServicesFondation sauvegarde = g_services;
};

// Adds an animation of n frames at the given speed with a keyframe at 0; returns its index.
inline int ajouterAnim(CSPRITE3& s, const std::string& nom, int nbFrames, int vitesse = 1)
{
    s.ajouterAnimation(nom, true);
    const int a = s.getNbAnimations() - 1;
    s.setNbFrames(a, nbFrames);
    s.setVitesseAnim(a, vitesse);
    return a;
}

// An element without sheet texture (playback needs no GL context); returns its index.
inline int ajouterElementSansFeuille(CSPRITE3& s, const std::string& nom)
{
    s.elements.push_back(std::make_unique<CSPRITE3_ELEMENT>());
    s.elements.back()->nom = nom;
    return s.getNbElements() - 1;
}

// Frames shown after each of n updates.
inline std::vector<int> frames(CSPRITE3& s, int n)
{
    std::vector<int> r;
    for (int i = 0; i < n; ++i) {
        s.update(nullptr, 1.0f, 0, 0, s.getAnimation());
        r.push_back(s.getFrameCourante());
    }
    return r;
}
