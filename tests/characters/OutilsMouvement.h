#pragma once
// Levels built in code for the movement tests: ground, walls and platforms are decor sprites
// of the main plane whose masks are green rectangles; the character is a plain sprite of 32 x 64
// pixels standing on its feet (origin at the bottom middle), with 47 numbered animations of
// two frames each. Every scenario can run at coefficient 1.0 and at 0.5. The game's own tests of
// its command step stand on the game built without init instead of the face.
#include "core/FichierDec.h"
#include "core/Physique.h"
#include "core/SpriteSimple.h"
#include "level/OutilsNiveau.h"

#include <cmath>
#include <string>

template <class Jeu>
class MouvementDe : public AvecJeuDe<Jeu> {
protected:
    using AvecJeuDe<Jeu>::jeu;
    using AvecJeuDe<Jeu>::decor;

    static constexpr int NB_ANIMS = 47;

    void SetUp() override
    {
        AvecJeuDe<Jeu>::SetUp();
        banquePerso = nullptr;  // the last world freed it
        nbBlocs = 0;
        coefficient(1.0f);
        // The step dust of the level: footprints and effects are counted in its lists.
        CDEC* poussiere = banque(*decor, "POUSSIERE", 8, 8, nullptr);
        decor->pPoussierePas = new CSPRITE_SIMPLE();
        decor->pPoussierePas->setDEC(poussiere);
    }

    // The frame rate of the game: 1.0 at 30 frames per second, 0.5 at 60.
    void coefficient(float c)
    {
        coeff = c;
        jeu->framerateCoeff = c;
        g_services.framerateCoeff = [c] { return c; };
    }
    // Frames at 30 fps as frames at the current rate.
    int images(int n) const { return static_cast<int>(std::lround(n / coeff)); }

    // A solid block (green mask, collision type 1) with its top-left corner at (x, y).
    CSPRITE* bloc(float x, float y, int largeur, int hauteur, int collision = 1)
    {
        const std::string nom = "BLOC" + std::to_string(++nbBlocs);
        CDEC* b = banque(*decor, nom, largeur, hauteur, [](int, int) { return VERT; });
        return spriteDecor(this->plan(2), b, x, y, collision);
    }
    // Soft ground: its definition has a dig texture, so it takes footprints and holes.
    CSPRITE* blocMeuble(float x, float y, int largeur, int hauteur)
    {
        CSPRITE* s = bloc(x, y, largeur, hauteur);
        for (unsigned n = 0; n < 2; ++n) {
            s->pDEC->pFichierDEC->pTextureCreuse[n] = new sf::Texture();
            s->pDEC->pFichierDEC->pTextureCreuse[n]->create(90, 40);
        }
        return s;
    }

    // A player standing with its feet at (x, y), facing right (the world owns it).
    CPerso* perso(float x, float y)
    {
        auto* p = new CPerso();
        if (!banquePerso) {
            banquePerso = new CDEC();
            banquePerso->nom = "PERSO";
            banquePerso->planche.create(64, 64, sf::Color::White);
            for (int i = 0; i < NB_ANIMS; ++i)
                banquePerso->ajouterAnimDec(0, 0, 2, 32, 64, 1.0f, 0);
            decor->modelesDEC["PERSO"] = banquePerso;
        }
        p->sprite->pDEC = banquePerso;
        p->sprite->placer(0, 0, 0);
        p->sprite->setOrigine(16, 64);
        p->sprite->x = x;
        p->sprite->y = y;
        p->sprite->x0 = x;
        p->bVaisseau = false;
        p->posTete[0] = 60;
        p->posTete[1] = 40;
        p->direction = 0;  // the sheet faces right: unmirrored
        p->sprite->miroir = 1;
        decor->persos.push_back(p);
        return p;
    }

    static float x(const CPerso* p) { return p->sprite->x; }
    static float y(const CPerso* p) { return p->sprite->y; }

    float coeff = 1.0f;
    int nbBlocs = 0;
    CDEC* banquePerso = nullptr;
};

using Mouvement = MouvementDe<FaceTest>;

// The two frame rates each scenario runs at.
constexpr float COEFFICIENTS[] = {1.0f, 0.5f};
