#pragma once
// Levels built in code for the AI tests: the movement tests' plain characters, some of them
// moved into the level's AI list, and the game's AI controller. The camera looks at (0, 0)
// with a 1280 x 720 view.
#include "OutilsMouvement.h"

#include "characters/IABehaviours.h"

class TestIA : public Mouvement {
protected:
    void SetUp() override
    {
        Mouvement::SetUp();
        camera(0, 0);
        jeu->pIABehaviours = new CIABehaviours();
    }
    CIABehaviours& ctrl() { return *jeu->pIABehaviours; }
    // An AI of that type with its feet at (x, y), facing right, speed 6.
    CPerso* ia(float x, float y, int type = 1)
    {
        CPerso* p = perso(x, y);
        decor->persos.remove(p);
        decor->ias.push_back(p);
        p->modeIA = type;
        p->vitesse = 6;
        p->compteurAlerte = -1;
        p->bCollisions = true;
        return p;
    }
    // A current slot with unlimited ammunition: nbTirs counts the shots fired.
    static void armer(CPerso& p)
    {
        auto* s = new SlotArme();
        s->munitions = -1;
        s->bPossedee = true;
        s->cadence = 10;
        p.armes.push_back(s);
        p.nbarmesperso = 1;
        p.armeCourante = 0;
    }
    // Frees every character of the level.
    void vider()
    {
        for (auto* liste : {&decor->persos, &decor->ias}) {
            for (CPerso* p : *liste)
                delete p;
            liste->clear();
        }
    }
    // n frames of the controller.
    void tours(int n)
    {
        for (int i = 0; i < n; ++i)
            ctrl().majIA();
    }
};
