#pragma once
// Shared set-up of the character tests: a fresh working folder, the game's face holding a
// weapon list (the definitions read it), the definition hooks, a texture cache and the
// message boxes recorded. Files the tests need are written into the folder.
#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Globals.h"
#include "core/Media.h"
#include "core/Services.h"
#include "support/FaceTest.h"
#include "support/Outils.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The shipped data folder (the fonts and the files the game ships), found once from the
// folder the tests start in.
inline std::filesystem::path dossierDonnees()
{
    static const std::filesystem::path dossier = [] {
        const char* candidats[] = {std::getenv("TUV_DATA_DIR"), "../../data", "../data", "data"};
        for (const char* d : candidats)
            if (d && std::filesystem::exists(std::filesystem::path(d) / "polices"))
                return std::filesystem::absolute(d);
        return std::filesystem::path();
    }();
    return dossier;
}

// The 49 values of an emitter line: forces 0.5 and -0.25 (values 5 and 6), that count of
// particles (value 7) and that pause (value 38).
inline std::string particules(int nb, int pause)
{
    std::string v = "0;-1;4;4;0.5;-0.25;" + std::to_string(nb);
    for (int i = 8; i <= 49; ++i)
        v += ";" + std::string(i == 17 ? "" : i == 38 ? std::to_string(pause) : "1");
    return v;
}

class PersosTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ancienDossier = std::filesystem::current_path();
        dossierDonnees();  // before leaving the starting folder
        std::filesystem::current_path(dossier.str());
        sauvegarde = g_services;
        installerHooksPersoDef();
        g_services.messageBox = [this](const std::string& titre, const std::string& texte, const std::string&) {
            messages.push_back(titre + "|" + texte);
        };
        g_services.textureCache = [this](const std::string&, const std::string& chemin) -> sf::Texture* {
            auto it = textures.find(chemin);
            if (it != textures.end())
                return it->second.get();
            if (!std::filesystem::exists(chemin))
                return nullptr;
            auto& t = textures[chemin];
            if (!t) {
                t = std::make_unique<sf::Texture>();
                if (!tuv::chargerMedia(*t, chemin))
                    return nullptr;
            }
            return t.get();
        };
        CPerso::libererRessourcesPartagees();
        jeu = std::make_unique<FaceTest>();
        jeu->parmes = new CArmes();
    }
    void TearDown() override
    {
        jeu.reset();
        g_services = sauvegarde;
        std::filesystem::current_path(ancienDossier);
    }

    // Copies the shipped fonts, so that characters find them.
    void avecPolices()
    {
        std::filesystem::create_directories("polices");
        for (const char* f : {"arial.ttf", "chp-fire.ttf"})
            std::filesystem::copy_file(dossierDonnees() / "polices" / f, std::string("polices/") + f,
                                       std::filesystem::copy_options::overwrite_existing);
    }
    // A plain sheet of that size.
    static void feuille(const std::string& chemin, unsigned l, unsigned h, sf::Color c = sf::Color::Green)
    {
        if (std::filesystem::path(chemin).has_parent_path())
            std::filesystem::create_directories(std::filesystem::path(chemin).parent_path());
        sf::Image img;
        img.create(l, h, c);
        img.saveToFile(chemin);
    }
    // A weapon list of n plain weapons "ARME 1"... with ammunition 10 x (i + 1), cadence i + 2.
    void armesSimples(int n)
    {
        std::string texte;
        for (int i = 0; i < n; ++i)
            texte += "ARME=ARME " + std::to_string(i + 1) + ";Arme;10;5;" + std::to_string(10 * (i + 1)) +
                     ";300\nCADENCETIR=" + std::to_string(i + 2) + "\n";
        ecrireTexte("armes.arm", texte);
        jeu->parmes->charger("armes.arm");
    }

    std::map<std::string, std::unique_ptr<sf::Texture>> textures;  // outlives every sprite
    DossierTemp dossier;
    std::filesystem::path ancienDossier;
    ServicesFondation sauvegarde;
    std::vector<std::string> messages;
    std::unique_ptr<FaceTest> jeu;
};
