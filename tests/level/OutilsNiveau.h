#pragma once
// Helpers of the level tests: the game's face holding a scene texture, a level world, image banks
// whose sheets and collision masks are painted in code, and the editor's mouse over that world.
#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/Services.h"
#include "core/SetTextures.h"
#include "level/CalqueSD.h"
#include "gui/CPLUXTest.h"
#include "level/Decor.h"
#include "level/MenuImage.h"
#include "level/Vue.h"
#include "support/FaceTest.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

const sf::Color VERT(0, 255, 0, 255);
const sf::Color BLEU(0, 0, 255, 255);
const sf::Color ROUGE(255, 0, 0, 255);
const sf::Color VIDE(0, 0, 0, 0);

// The game's face (or, for the game's own tests, the game built without init) drawing into a
// 1280x720 scene; its world.
template <class Jeu>
class AvecJeuDe : public ::testing::Test {
protected:
    void SetUp() override
    {
        tuv::srand(1);
        jeu = std::make_unique<Jeu>();
        faceJeu::installer(jeu->facettes());
        CSFMLJeuGlobal::prenderTexture = new sf::RenderTexture();
        ASSERT_TRUE(CSFMLJeuGlobal::prenderTexture->create(1280, 720));
        decor = std::make_unique<CDecor>();
        jeu->pdecor = decor.get();
    }
    void TearDown() override
    {
        decor.reset();
        jeu.reset();  // deletes the scene texture
        g_services = ServicesFondation();
    }

    CCalqueSD& plan(int n) { return *decor->pPlans[n]; }
    sf::RenderTexture& scene() { return *CSFMLJeuGlobal::prenderTexture; }
    // The active camera at (x, y) with a 1280x720 view, the scene looking where it looks.
    CVue& camera(float x, float y)
    {
        if (!jeu->pvueJeu)
            jeu->pvueJeu = new CVue(1280, 720);
        jeu->pvue = jeu->pvueJeu;
        jeu->largeurVue = 1280;
        jeu->hauteurVue = 720;
        jeu->pvue->x = x;
        jeu->pvue->y = y;
        decor->pCamera = jeu->pvue;
        scene().setView(sf::View(sf::FloatRect(x, y, 1280, 720)));
        return *jeu->pvue;
    }
    // What the scene shows now.
    sf::Image photo()
    {
        scene().display();
        return scene().getTexture().copyToImage();
    }
    // A living character, asking the query (owned by the world's list).
    CPerso* perso(int mode = 0)
    {
        auto* p = new CPerso();
        p->mode = mode;
        decor->persos.push_back(p);
        return p;
    }

    std::unique_ptr<Jeu> jeu;
    std::unique_ptr<CDecor> decor;
};
using AvecJeu = AvecJeuDe<FaceTest>;

// A bank of one animation of nb frames largeur x hauteur, opaque white, whose mask is
// painted by couleurMasque(x, y) in frame coordinates (the same for every frame). The
// world owns it through modelesDEC.
inline CDEC* banque(CDecor& decor, const std::string& nom, int largeur, int hauteur,
                    const std::function<sf::Color(int, int)>& couleurMasque, int nb = 1)
{
    auto* b = new CDEC();
    b->nom = nom;
    b->planche.create(unsigned(largeur * nb), unsigned(hauteur), sf::Color::White);
    if (couleurMasque) {
        b->pMasquePlanche = new sf::Image();
        b->pMasquePlanche->create(unsigned(largeur * nb), unsigned(hauteur), VIDE);
        for (int f = 0; f < nb; ++f)
            for (int y = 0; y < hauteur; ++y)
                for (int x = 0; x < largeur; ++x)
                    b->pMasquePlanche->setPixel(unsigned(f * largeur + x), unsigned(y), couleurMasque(x, y));
    }
    b->ajouterAnimDec(0, 0, nb, largeur, hauteur, 1.0f, 0);
    delete decor.modelesDEC[nom];
    decor.modelesDEC[nom] = b;
    return b;
}

// A bank of one frame painted in one colour.
inline CDEC* banqueCouleur(CDecor& decor, const std::string& nom, int largeur, int hauteur, sf::Color couleur)
{
    CDEC* b = banque(decor, nom, largeur, hauteur, nullptr);
    sf::Image image;
    image.create(unsigned(largeur), unsigned(hauteur), couleur);
    b->anims[0]->textures[0]->loadFromImage(image);
    return b;
}

// A decor sprite of that bank appended to the plane, anchored at (x, y) with its origin at
// (ox, oy) of the frame.
inline CSPRITE* spriteDecor(CCalqueSD& plan, CDEC* b, float x, float y, int collision = 1, float ox = 0,
                            float oy = 0)
{
    auto* sd = new CSPRITE3();  // decor sprites are animated sprites drawn from their bank
    sd->pDEC = b;
    sd->placer(0, 0, 0);
    sd->x = x;
    sd->y = y;
    sd->setOrigine(ox, oy);
    sd->collision = collision;
    plan.sprites.push_back(sd);
    return sd;
}

// The editor's mouse over that world in editor mode, the camera at the origin, scripted through
// SourisJeu; the selected sprite's strip of twelve 32 x 32 icons in one row; a 40 x 40 bank "B".
template <class Jeu>
class SourisEditeurDe : public AvecJeuDe<Jeu> {
protected:
    void SetUp() override
    {
        AvecJeuDe<Jeu>::SetUp();
        CPLUXTest::reset();
        this->camera(0, 0);
        this->jeu->mode = 2;
        SourisJeu::lire = [this](const sf::Window&) { return etat; };
        SourisJeu::ctrlGauche = [this] { return ctrl; };
        SourisJeu::shiftGauche = [this] { return shift; };
        icones.create(12 * 32, 32);
        this->decor->pMenuSD->charger(icones, 32, 32, 0, 0);
        b = banque(*this->decor, "B", 40, 40, nullptr);
    }
    void TearDown() override
    {
        SourisJeu::reinitialiser();
        AvecJeuDe<Jeu>::TearDown();
        CPLUXTest::reset();
    }

    EtatSouris etat;
    bool ctrl = false, shift = false;
    sf::Texture icones;
    CDEC* b = nullptr;
};
