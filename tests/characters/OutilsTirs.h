#pragma once
// Shared set-up of the weapon and shot tests: the face of the character tests with a level
// world built in code (rectangular decor sprites of real banks) and a weapon file written by
// the test.
#include "OutilsPersos.h"
#include "level/OutilsNiveau.h"

#include "characters/EtatsPerso.h"
#include "characters/OptionsMulti.h"
#include "core/Hasard.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <algorithm>
#include <string>
#include <vector>

class TirsTest : public PersosTest {
protected:
    void SetUp() override
    {
        PersosTest::SetUp();
        tuv::srand(1);
        decor = std::make_unique<CDecor>();
        jeu->pdecor = decor.get();
        jeu->pOptionsMulti = new COptionsMulti(jeu->armesFontaine);
        g_services.framerateCoeff = [this] { return coeff; };
    }
    void TearDown() override
    {
        jeu->parmes->viderTirs();
        decor.reset();
        PersosTest::TearDown();
    }

    CArmes& liste() { return *jeu->parmes; }

    // Writes and loads a weapon file: the given ARME lines (each with its keys), then plain
    // weapons "ARME X" up to `total` in all.
    void armes(const std::vector<std::string>& lignes, int total = 0)
    {
        std::string texte;
        for (const std::string& l : lignes)
            texte += l + "\n";
        for (int i = int(lignes.size()); i < total; ++i)
            texte += "ARME=ARME X" + std::to_string(i) + ";Autre;12;7;10;400\n";
        ecrireTexte("armes.arm", texte);
        liste().charger("armes.arm");
    }

    // A character drawn from a 20 x 40 frame standing on (x, y), in the level's player list
    // (ia: in its AI list).
    CPerso* perso(float x, float y, int numJoueur = 0, bool ia = false)
    {
        auto* p = new CPerso();
        p->sprite->pDEC = banqueUnique("PERSO", 20, 40);
        p->sprite->placer(0, 0, 0);
        p->sprite->setOrigine(10, 40);
        p->sprite->x = x;
        p->sprite->y = y;
        p->numJoueur = numJoueur;
        p->direction = 0;
        p->bVaisseau = false;
        if (ia) {
            p->modeIA = 1;
            p->modeCollisions = 1;
            decor->ias.push_back(p);
        } else {
            decor->persos.push_back(p);
        }
        return p;
    }
    // A slot of weapon numero, owned and loaded.
    static SlotArme* donnerArme(CPerso& p, int numero, int munitions = 10, int cadence = 10, int typeTir = 1)
    {
        auto* s = new SlotArme();
        s->numero = numero;
        s->munitions = munitions;
        s->bPossedee = true;
        s->cadence = cadence;
        s->typeTir = typeTir;
        p.armes.push_back(s);
        p.nbarmesperso = int(p.armes.size());
        if (p.armeCourante < 0)
            p.armeCourante = 0;
        return s;
    }
    // A solid box of the level's main plane, its corner at (x, y).
    CSPRITE* mur(float x, float y, int largeur, int hauteur)
    {
        return spriteDecor(plan(), banqueUnique("MUR" + std::to_string(largeur) + "x" + std::to_string(hauteur),
                                                largeur, hauteur),
                           x, y, 2);
    }
    // A plain bank of the world, made once per name (sprites keep pointing at it).
    CDEC* banqueUnique(const std::string& nom, int largeur, int hauteur)
    {
        auto it = decor->modelesDEC.find(nom);
        return it != decor->modelesDEC.end() ? it->second : banque(*decor, nom, largeur, hauteur, nullptr);
    }
    CCalqueSD& plan() { return *decor->pPlans[CDecor::PLAN_PRINCIPAL]; }

    // A shot already past its muzzle flash.
    CTir* enVol(int numArme, int x, int y, int direction, float angle, CPerso* tireur)
    {
        if (!liste().tirer(numArme, x, y, direction, angle, false, tireur))
            return nullptr;
        CTir* t = liste().tirs.back();
        t->etat = CTir::VOL;
        return t;
    }
    int nbSons(const std::string& nom) const { return int(std::count(jeu->sons.begin(), jeu->sons.end(), nom)); }
    // A small target for the frames whose drawing the test does not look at.
    sf::RenderTexture& ecran()
    {
        if (!petitEcran) {
            petitEcran = std::make_unique<sf::RenderTexture>();
            petitEcran->create(8, 8);
        }
        return *petitEcran;
    }

    std::unique_ptr<CDecor> decor;
    float coeff = 1.0f;
    std::unique_ptr<sf::RenderTexture> petitEcran;
};
