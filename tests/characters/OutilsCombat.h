#pragma once
// Shared set-up of the hit, death, melee and drawing tests: the movement tests' level with a
// camera, the multiplayer options, a script engine and the game mode (the face records the sounds).
#include "OutilsMouvement.h"

#include "characters/EtatsPerso.h"
#include "characters/OptionsMulti.h"
#include "level/Vue.h"
#include "script/ScriptEngine.h"

#include <algorithm>
#include <initializer_list>
#include <string>

class Combat : public Mouvement {
protected:
    void SetUp() override
    {
        Mouvement::SetUp();
        jeu->pOptionsMulti = new COptionsMulti();
        jeu->pvueJeu = jeu->pvue = new CVue(1280, 720);
        jeu->mode = 1;  // in the game
        jeu->typeJeu = 0;
    }

    // A player standing on the ground of the level, its feet at (x, 500).
    CPerso* surLeSol(float x = 100)
    {
        bloc(0, 500, 2000, 40);
        return perso(x, 500);
    }
    int joues(const std::string& nom) const { return int(std::count(jeu->sons.begin(), jeu->sons.end(), nom)); }
    CScriptEngine& moteur()
    {
        if (!jeu->pscriptEngine)
            jeu->pscriptEngine = jeu->pscriptEngineJeu = new CScriptEngine();
        return *jeu->pscriptEngine;
    }
    // An AI of the level (plain sprite) standing at (x, y).
    CPerso* ia(float x, float y, int numJoueur = 1)
    {
        CPerso* p = perso(x, y);
        decor->persos.remove(p);
        decor->ias.push_back(p);
        p->modeIA = 0;
        p->numJoueur = numJoueur;
        return p;
    }
    // Turns a character's sprite into a layered one: one animation per name, nb frames each at
    // speed 1, every state mapped to its animation, hit box 20 x 60 above the feet.
    static void anime(CPerso& p, std::initializer_list<const char*> noms, int nb = 2)
    {
        CSPRITE3& s = *p.sprite;
        s.pDEC = nullptr;
        s.bAnime = true;
        int a = 0;
        for (const char* nom : noms) {
            s.ajouterAnimation(nom, true);
            s.setNbFrames(a, nb);
            s.setVitesseAnim(a, 1);
            s.getAnim(a)->rectHitbox = sf::FloatRect(-10, -60, 20, 60);
            s.etats[nom] = a;
            ++a;
        }
        s.setAnimation(0, 0, true);
        s.play();
    }
};
