#pragma once
// Helpers of the command tests: scripts run once from their text, their return values read
// back with their types, sprites whose bank has numbered (empty) animations, the sound spy.
#include "script/OutilsScript.h"

#include "core/FichierDec.h"
#include "game/HUD.h"

#include <cmath>
#include <sstream>
#include <vector>

class Commandes : public AvecMoteur {
protected:
    void SetUp() override
    {
        AvecMoteur::SetUp();
        jeu->espionSons = [this](const std::string& nom) { sons.push_back(nom); };
    }

    // A script that runs once, fired by the first frame; its first command runs on the next.
    CScript* lancer(const std::string& texte, CSPRITE* sd = nullptr)
    {
        CScript* s = script(texte, declencheur::IMMEDIAT, 1, sd);
        images(1);
        return s;
    }

    // A variable with its type: "i5", "f1.5", "sNULL"; "-" when it holds nothing.
    static std::string valeur(const CScript* s, const std::string& nom)
    {
        const auto it = s->variables.find(nom);
        if (it == s->variables.end())
            return "-";
        const Variable& v = it->second;
        std::ostringstream o;
        switch (v.type) {
        case Variable::Entier: o << "i" << v.i; break;
        case Variable::Flottant: o << "f" << v.f; break;
        case Variable::Texte: o << "s" << v.s; break;
        default: o << "-"; break;
        }
        return o.str();
    }

    // The first two values a reading command pushes, as "r0|r1", run in one frame; the
    // script's current and own AIs and its sprite are set first.
    std::string lire(const std::string& commande, CPerso* courante = nullptr, CPerso* propre = nullptr,
                     CSPRITE* sd = nullptr)
    {
        CScript* s = script("{\nr0 ; r1 = " + commande + "\n}", declencheur::IMMEDIAT, 1, sd);
        s->pIACourante = courante;
        s->pIAPropre = propre;
        images(2);
        return valeur(s, "r0") + "|" + valeur(s, "r1");
    }

    // A decor sprite of the main plane whose bank has animations 0 to 3 (no images), 100 x 100.
    CSPRITE* spriteAnime(float x, float y, const std::string& id = "")
    {
        CSPRITE* sd = sprite(x, y);
        for (int a = 0; a < 4; ++a)
            sd->pDEC->anim(a);
        sd->strID = id;
        return sd;
    }

    // The definition id ("ID" of its ".dec") that doors, switches and paths are found by.
    CSPRITE* spriteDeType(float x, float y, const std::string& type, int largeur = 100, int hauteur = 100)
    {
        CDEC*& banque = decor->modelesDEC["type_" + type + std::to_string(largeur) + "x" + std::to_string(hauteur)];
        if (!banque) {
            banque = new CDEC();
            banque->pFichierDEC->id = type;
            for (int a = 0; a < 4; ++a)
                banque->anim(a);
        }
        CSPRITE* sd = sprite(x, y, largeur, hauteur);
        sd->pDEC = banque;
        return sd;
    }

    void taux(float coeff) { jeu->framerateCoeff = coeff; }

    int compterSons(const std::string& nom) const
    {
        int n = 0;
        for (const std::string& s : sons)
            n += s == nom ? 1 : 0;
        return n;
    }

    std::vector<std::string> sons;
};
