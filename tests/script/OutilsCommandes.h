#pragma once
// Helpers of the command tests: scripts run once from their text, their return values read
// back with their types, sprites whose bank has numbered (empty) animations, the sounds played.
#include "script/OutilsScript.h"

#include "characters/Armes.h"
#include "core/FichierDec.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

template <class Jeu>
class CommandesDe : public AvecMoteurDe<Jeu> {
protected:
    using AvecMoteurDe<Jeu>::jeu;
    using AvecMoteurDe<Jeu>::moteur;
    using AvecMoteurDe<Jeu>::decor;
    using AvecMoteurDe<Jeu>::script;
    using AvecMoteurDe<Jeu>::images;
    using AvecMoteurDe<Jeu>::sprite;
    using AvecMoteurDe<Jeu>::perso;

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

    // lancer, then the frame of its first command.
    CScript* executer(const std::string& texte, CSPRITE* sd = nullptr)
    {
        CScript* s = lancer(texte, sd);
        images(1);
        return s;
    }

    // executer, the script fired by that character.
    CScript* executerPar(CPerso* p, const std::string& texte, CSPRITE* sd = nullptr)
    {
        CScript* s = lancer(texte, sd);
        s->pPersoDeclencheur = p;
        images(1);
        return s;
    }

    // A frame in which the first player releases that button.
    void relacher(bool CommandesJoueur::*bouton)
    {
        jeu->commandes[0].*bouton = true;
        images(1);
        jeu->commandes[0].*bouton = false;
    }

    // Frames until the script's run is over (at most `max`).
    int jusquALaFin(CScript* s, int max = 1000)
    {
        int n = 0;
        for (; s->bEnCours && n < max; ++n)
            images(1);
        return n;
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

    // The game's weapon list, one weapon per load given.
    void listeArmes(std::initializer_list<int> charges)
    {
        jeu->parmes = new CArmes();
        for (int c : charges) {
            auto* a = new CArme();
            a->munitions = c;
            jeu->parmes->armes.push_back(a);
        }
        jeu->parmes->nbArmes = static_cast<int>(charges.size());
    }

    // A slot of weapon `numero` added to the character's, counted among his slots.
    static SlotArme* slot(CPerso* p, int numero, int munitions = 0)
    {
        auto* s = new SlotArme();
        s->numero = numero;
        s->munitions = munitions;
        p->armes.push_back(s);
        p->nbarmesperso = static_cast<int>(p->armes.size());
        return s;
    }

    // An AI of that id holding one child character.
    CPerso* iaAvecEnfant(const std::string& id, const std::string& idEnfant, float x = 0, float y = 0)
    {
        CPerso* p = perso(x, y, true);
        p->id = id;
        auto* e = new CPerso();
        e->id = idEnfant;
        p->enfants.push_back(e);
        return p;
    }

    void taux(float coeff) { jeu->framerateCoeff = coeff; }

    int compterSons(const std::string& nom) const
    {
        return static_cast<int>(std::count(jeu->sons.begin(), jeu->sons.end(), nom));
    }
};
using Commandes = CommandesDe<FaceTest>;
