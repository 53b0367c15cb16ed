#pragma once
// Shared set-up of the animated-sprite tests: the game hooks the sprite needs (texture
// cache, global animations, message boxes) replaced by test doubles.
#include "anim/Sprite3.h"
#include "core/Services.h"
#include "support/Outils.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <gtest/gtest.h>

#include <string>
#include <vector>

class Sprite3Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        sauvegarde = g_services;
        g_services.textureCache = [this](const std::string& cle, const std::string&) {
            clesTexture.push_back(cle);
            return &feuille;
        };
        g_services.animGlobale = [this](const std::string& cle) -> CSPRITE3* {
            return cle == "glob.anm" ? &globale : nullptr;
        };
        g_services.messageBox = [this](const std::string& titre, const std::string& texte, const std::string& id) {
            messages.push_back(titre + "|" + texte + "|" + id);
        };
        sf::Image image;
        image.create(8, 8, sf::Color::Red);
        image.saveToFile(dossier / "feuille.png");
    }
    void TearDown() override { g_services = sauvegarde; }

    // A sprite with a sheet texture, so that elements can be added.
    void avecFeuille(CSPRITE3& s) { ASSERT_TRUE(s.chargerTexture("test", dossier / "feuille.png")); }

    DossierTemp dossier;
    sf::Texture feuille;
    CSPRITE3 globale;
    std::vector<std::string> clesTexture;
    std::vector<std::string> messages;

private:
    ServicesFondation sauvegarde;
};
