#pragma once
// Shared set-up of the level-file tests: a private working folder holding the fonts and the
// assets each test writes, the game's face with both worlds, their script engines and
// cameras, and a reader run on a level text.
#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/Explosions.h"
#include "characters/IABehaviours.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/Services.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/FichierNiveau.h"
#include "level/Vue.h"
#include "script/ScriptEngine.h"
#include "support/FaceTest.h"
#include "support/Outils.h"

#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#ifndef TUV_DATA_DIR_SOURCE
#define TUV_DATA_DIR_SOURCE "data"
#endif

// A plain picture of that size, its folder made.
inline void peindre(const std::string& chemin, unsigned l, unsigned h, sf::Color c = sf::Color::Green)
{
    const std::filesystem::path p(chemin);
    if (p.has_parent_path())
        std::filesystem::create_directories(p.parent_path());
    sf::Image img;
    img.create(l, h, c);
    img.saveToFile(chemin);
}

inline void ecrireFichier(const std::string& chemin, const std::string& contenu)
{
    const std::filesystem::path p(chemin);
    if (p.has_parent_path())
        std::filesystem::create_directories(p.parent_path());
    ecrireTexte(chemin, contenu);
}

// A one-line script, so that scripts compile to something.
inline void ecrireScript(const std::string& chemin) { ecrireFichier(chemin, "PRINT(\"x\";10;10)\n"); }

// The 49 values of an emitter that every field of a "PARTICULESD" line changes.
inline const char* const PARTICULES_TEST =
    "0.5;-1.5;12;6;0.25;0.125;40;50;10;1;3.5;200;100;50;255;20;;-1;10;80;1;0.5;1;20;5;0;1;2.5;1;0.1;4;1;1;6;1;"
    "2;3;1;7;-8;1;0;1;0;0.5;0.25;0.125;0.0625;0.75";

// The values of a "FORCESD" line with both of its scripts.
inline const char* const FORCE_TEST = "120;60;40;20;1.5;-2.5;./scripts/force.scp;2;1;1;1;./scripts/fermeture.scp;1;0;5;"
                                      "6;50;60;1;1;0.05;300;40;15;0.5;0;1;1";

// The level options dialog's model: text fields "c0" to "c4" bound to these fields of the
// active world's background picture.
inline const char* const CHAMPS_FOND[5][2] = {{"strFichierFond", "STRING"}, {"shader_blur_radius", "FLOAT"},
                                              {"x0", "INT"}, {"y0", "INT"}, {"s", "FLOAT"}};
inline std::string modeleChampsFond()
{
    std::string modele;
    for (int i = 0; i < 5; ++i)
        modele += "{\nCONTROLE=SAISIE;c" + std::to_string(i) + "\nVAR=CSFMLJeuGlobal::pmonjeu->pdecor->pFondImage->" +
                  CHAMPS_FOND[i][0] + ";" + CHAMPS_FOND[i][1] + "\nRECT=10;" + std::to_string(10 + 30 * i) +
                  ";100;20\n}\n";
    return modele;
}

// The animated hero of "PERSO3" lines: one animation of 4 frames whose global rectangle is
// 24 x 40, and its character file.
inline void ecrireHeros()
{
    ecrireFichier("personnages/heros.per", "ID=HEROS\nSPRITE3=./personnages/heros.anm\nORIGINE=-1;-1\n"
                                           "VITESSE=6\nPOIDS=10\n");
    peindre("personnages/heros.png", 64, 64);
    CSPRITE3 heros;
    heros.ID = "HEROS";
    heros.strTexture = "./personnages/heros.png";
    heros.ajouterElement("corps", 0, 0, 24, 40, 0, 0, 2, 2, -1, -1, false);
    heros.ajouterAnimation("ARRET", true);
    heros.setNbFrames(0, 4);
    heros.getAnim(0)->rectGlobal = sf::FloatRect(-12, -40, 24, 40);
    heros.sauver("personnages/heros.anm");
}

class NiveauTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ancienDossier = std::filesystem::current_path();
        std::filesystem::current_path(dossier.str());
        std::filesystem::create_directories("polices");
        for (const char* f : {"arial.ttf", "chp-fire.ttf", "SF_Minced_Meat.ttf"})
            std::filesystem::copy_file(std::filesystem::path(TUV_DATA_DIR_SOURCE) / "polices" / f,
                                       std::string("polices/") + f,
                                       std::filesystem::copy_options::overwrite_existing);
        sauvegarde = g_services;
        installerHooksPersoDef();
        tuv::srand(1);
        CPerso::libererRessourcesPartagees();
        jeu = std::make_unique<FaceTest>();
        jeu->pdecorJeu = new CDecor();
        jeu->pdecorMenu = new CDecor();
        jeu->pdecor = jeu->pdecorJeu;
        jeu->pscriptEngineJeu = new CScriptEngine();
        jeu->pscriptEngineMenu = new CScriptEngine();
        jeu->pscriptEngine = jeu->pscriptEngineJeu;
        jeu->pvueJeu = new CVue(1280, 720);
        jeu->pvueMenu = new CVue(1280, 720);
        jeu->pvue = jeu->pvueJeu;
        jeu->pdecorJeu->pCamera = jeu->pvueJeu;
        jeu->pdecorJeu->pMoteur = jeu->pscriptEngineJeu;
        jeu->pdecorMenu->pCamera = jeu->pvueMenu;
        jeu->pdecorMenu->pMoteur = jeu->pscriptEngineMenu;
        jeu->pExplosions = new CExplosions();
        jeu->parmes = new CArmes();
        installerServicesScripts(*jeu);
    }
    void TearDown() override
    {
        jeu.reset();
        g_services = sauvegarde;
        std::filesystem::current_path(ancienDossier);
    }

    CDecor& monde() { return *jeu->pdecorJeu; }
    CScriptEngine& moteur() { return *jeu->pscriptEngineJeu; }
    CCalqueSD& plan(int n) { return *monde().pPlans[n]; }

    // Reads the level text into the world (the game world by default).
    bool charger(const std::string& niveau, CDecor* cible = nullptr)
    {
        ecrireFichier("niveau.niv", niveau);
        lecteur = std::make_unique<CFichierNiveau>();
        return lecteur->chargerNiveau("niveau.niv", cible ? *cible : monde());
    }
    // What a level load does before the reader runs: the world's sprites, characters and
    // scripts go.
    void vider(CDecor& d)
    {
        d.viderPlans();
        for (auto* liste : {&d.ias, &d.persos}) {
            for (CPerso* p : *liste)
                delete p;
            liste->clear();
        }
        for (CScriptEngine* e : {jeu->pscriptEngineJeu, jeu->pscriptEngineMenu})
            e->viderScripts();
    }

    std::vector<CSPRITE*> sprites(int n)
    {
        return std::vector<CSPRITE*>(plan(n).sprites.begin(), plan(n).sprites.end());
    }

    DossierTemp dossier;
    std::filesystem::path ancienDossier;
    ServicesFondation sauvegarde;
    std::unique_ptr<FaceTest> jeu;
    std::unique_ptr<CFichierNiveau> lecteur;
};
