#pragma once
// The game's face without a game, for the tests of the world (levels, characters, scripts):
// the four facets and services that record what the world asks of the game. It installs itself
// while it lives and frees what the game would free of the world's parts: the worlds, their
// cameras and engines, the weapons, explosions, AI, the preloaded characters and the window.
#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/Explosions.h"
#include "characters/IABehaviours.h"
#include "characters/OptionsMulti.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Services.h"
#include "core/ShaderManager.h"
#include "core/SpriteSimple.h"
#include "level/Decor.h"
#include "level/Vue.h"
#include "script/ScriptEngine.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Shader.hpp>

#include <string>
#include <utility>
#include <vector>

// What the world asked of the game, in order (sounds, shakes, the HUD's weapon names and pulses,
// the countdown, status, message, pause menu, the level loaded and chosen); the answers are the harmless defaults except
// the level that was loaded, which reads back as the game's menus would keep it.
class ServicesEnregistres : public ServicesJeu {
public:
    void jouerSon(const std::string& nom) override { sons.push_back(nom); }
    void arreterSon(const std::string& nom) override { sonsArretes.push_back(nom); }
    void secouerCamera(int duree, int amplitude) override { secousses.emplace_back(duree, amplitude); }
    void armerCompteDepart(int images) override { compteDepart = images; }
    void afficherNomArme(int joueur, int images) override { nomsArme.emplace_back(joueur, images); }
    void pulserArme(int slot, int images) override { pulsations.emplace_back(slot, images); }
    void niveauCharge(const std::string& fichier, int calque) override
    {
        niveau = fichier;
        calqueNiveau = calque;
    }
    std::string fichierNiveauCharge() const override { return niveau; }
    void niveauChoisi(const std::string& dossier, const std::string& chemin) override
    {
        dossierChoisi = dossier;
        cheminChoisi = chemin;
    }
    std::string langue() const override { return langueMenus; }
    const sf::Font* policeJeu() const override { return &police; }
    void menuPause() override { ++pausesMenu; }
    void afficherStatut(const std::wstring& texte) override { statut = texte; }
    void afficherMessage(const std::wstring& texte, int dureeFrames) override
    {
        message = texte;
        dureeMessage = dureeFrames;
    }

    std::vector<std::string> sons, sonsArretes;
    std::vector<std::pair<int, int>> secousses;  // (frames, amplitude)
    int compteDepart = -1;                       // -1: never armed
    std::vector<std::pair<int, int>> nomsArme;   // (player, frames) of each weapon name shown
    std::vector<std::pair<int, int>> pulsations; // (slot, frames)
    std::string niveau;
    int calqueNiveau = -1;
    std::string dossierChoisi, cheminChoisi;
    std::string langueMenus = "fr_";  // the menus' language, as the game answers it
    sf::Font police;                  // the game's text font
    int pausesMenu = 0;
    std::wstring statut, message;
    int dureeMessage = -1;
};

class FaceTest : public MondeJeu,
                 public PartieJeu,
                 public OptionsJeu,
                 public AffichageJeu,
                 public ServicesEnregistres {
public:
    FaceTest()
    {
        faceJeu::installer(facettes());
        // As the game does, the sprites' own sounds reach the same recording.
        g_services.jouerSon = [this](const std::string& nom) { jouerSon(nom); };
        g_services.arreterSon = [this](const std::string& nom) { arreterSon(nom); };
    }
    ~FaceTest() override
    {
        g_services = ServicesFondation();
        installerHooksPersoDef();
        for (auto* liste : {&persosPrecharges, &iasPrechargees})
            for (CPerso* p : *liste)
                delete p;
        // The worlds own their characters and were drawn through the shaders; their scripts
        // leave the engines as their sprites go.
        delete pdecorMenu;
        delete pdecorJeu;
        delete pShaderManager;
        delete pscriptEngineMenu;
        delete pscriptEngineJeu;
        delete parmes;
        delete pExplosions;
        delete pIABehaviours;
        delete pOptionsMulti;
        delete pvueMenu;
        delete pvueJeu;
        delete pAnimFeu;
        delete pAnimLapin;
        for (auto& [nom, s] : shaders)
            delete s;
        for (auto& [nom, over] : overs)
            delete over;
        for (auto& [nom, t] : imagesInfo)
            delete t;
        delete iconeInverse;
        delete iconeSansSaut;
        delete CSFMLJeuGlobal::prenderTexture;
        CSFMLJeuGlobal::prenderTexture = nullptr;
        delete pRenderTextureOmbre;
        CPerso::libererRessourcesPartagees();
        delete fenetre;
        if (faceJeu::installees().monde == this)
            faceJeu::installer({});
    }
    FacettesJeu facettes() { return {this, this, this, this, this, nullptr}; }

    // As the game does: a sprite about to be freed leaves the screen effects and the scripts
    // of both engines; the dead join their list.
    void poserEffetEcran(int slot, CSPRITE* sd) override { effetsEcran[slot != 0 ? 1 : 0] = sd; }
    void spriteSupprime(CSPRITE* sd) override
    {
        for (CSPRITE*& effet : effetsEcran)
            if (effet == sd)
                effet = nullptr;
        for (CScriptEngine* e : {pscriptEngineMenu, pscriptEngineJeu})
            if (e)
                e->supprimerScriptsSD(sd);
    }
    void ajouterPersoMort(CPerso* perso) override { persosMorts.push_back(perso); }

    CSPRITE* effetsEcran[2] = {nullptr, nullptr};
};
