#pragma once
// Helpers of the engine tests: the game's face (or, for the game's own tests, the game built
// without init) holding one level world and its engine, scripts compiled from text, decor
// sprites with a bank of a fixed size (no image needed) and player or AI characters with an
// animated sprite.
#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/Services.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXDialog.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/Vue.h"
#include "script/ScriptEngine.h"
#include "support/FaceTest.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

// The script monitor as the engine sees it: a dialog registered under its id, refreshed (with
// the development switch on) when a script is made and when a run ends.
class MoniteurEspion : public CPLUXDialog {
public:
    MoniteurEspion()
    {
        CSFMLJeuGlobal::bModeTest = true;
        setId("JeuDialogScripts");
        CPLUX::enregistrer(this);
    }
    ~MoniteurEspion() override { CSFMLJeuGlobal::bModeTest = false; }
    void onRefresh() override
    {
        if (action)
            action();
    }
    std::function<void()> action;
};

// The game's data folder as the working directory (the engines load their font from it).
class DansLesDonnees {
public:
    DansLesDonnees() : avant(std::filesystem::current_path())
    {
        const char* d = std::getenv("TUV_DATA_DIR");
        std::filesystem::current_path(d ? d : "../../data");
    }
    ~DansLesDonnees() { std::filesystem::current_path(avant); }

private:
    std::filesystem::path avant;
};

template <class Jeu>
class AvecMoteurDe : public ::testing::Test {
protected:
    void SetUp() override
    {
        tuv::srand(1);
        jeu = std::make_unique<Jeu>();
        jeu->pdecorJeu = new CDecor();
        jeu->pdecor = jeu->pdecorJeu;
        jeu->pscriptEngineJeu = new CScriptEngine();
        jeu->pscriptEngineMenu = new CScriptEngine();
        jeu->pscriptEngine = jeu->pscriptEngineJeu;
        jeu->pvueJeu = new CVue(1280, 720);
        jeu->pvue = jeu->pvueJeu;
        moteur = jeu->pscriptEngineJeu;
        decor = jeu->pdecor;
        decor->pCamera = jeu->pvueJeu;
        decor->pMoteur = moteur;
    }
    void TearDown() override
    {
        jeu.reset();
        g_services = ServicesFondation();
    }

    // A script of the engine whose commands are compiled from the text.
    CScript* script(const std::string& texte, int declencheur = declencheur::IMMEDIAT, int nbRunMax = -1,
                    CSPRITE* sd = nullptr)
    {
        CScript* s = moteur->creerScript("", sd, declencheur, nbRunMax, false, false);
        std::istringstream flux(texte);
        moteur->chargerScriptFlux(s, flux);
        return s;
    }

    // Frames of the run loop; every pass must stay within its bound of steps.
    void images(int n)
    {
        for (int i = 0; i < n; ++i) {
            moteur->lancerScripts();
            ASSERT_LE(moteur->nbEtapesPasse, moteur->borneEtapesPasse) << "frame " << i;
        }
    }

    // A decor sprite of the main plane, largeur x hauteur, from a bank that holds no image.
    CSPRITE* sprite(float x, float y, int largeur = 100, int hauteur = 100)
    {
        CDEC*& banque = decor->modelesDEC["banque_" + std::to_string(largeur) + "x" + std::to_string(hauteur)];
        if (!banque)
            banque = new CDEC();
        auto* sd = new CSPRITE();
        sd->pDEC = banque;
        sd->bTailleFixe = true;
        sd->largeurFixe = largeur;
        sd->hauteurFixe = hauteur;
        sd->x = x;
        sd->y = y;
        decor->pPlans[CDecor::PLAN_PRINCIPAL]->sprites.push_back(sd);
        return sd;
    }

    // A character standing at (x, y), 50 pixels tall, in the player or the AI list (which
    // owns it, and it its sprite).
    CPerso* perso(float x, float y, bool ia = false)
    {
        auto* p = new CPerso();
        p->sprite->x = x;
        p->sprite->y = y;
        p->posTete[0] = 50;
        (ia ? decor->ias : decor->persos).push_back(p);
        return p;
    }

    std::unique_ptr<Jeu> jeu;
    CScriptEngine* moteur = nullptr;
    CDecor* decor = nullptr;
};
using AvecMoteur = AvecMoteurDe<FaceTest>;
