#pragma once
// The editor's views under Xvfb: a 1280 x 720 window, the editor shown at (0, 0), the sprite
// drawing placed in controls as the game places it, and a sprite with a sheet made in code.
#include "OutilsEditeur.h"

#include "core/Services.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

#include <cstdlib>

// The window's pixels as the last drawing left them.
inline sf::Image pixelsDe(sf::RenderWindow& f)
{
    sf::Texture t;
    t.create(f.getSize().x, f.getSize().y);
    t.update(f);
    return t.copyToImage();
}

// c drawn over fond with c's alpha, as the window blends it.
inline sf::Color melange(sf::Color fond, sf::Color c)
{
    auto canal = [&](int f, int v) { return static_cast<sf::Uint8>((v * c.a + f * (255 - c.a) + 127) / 255); };
    return sf::Color(canal(fond.r, c.r), canal(fond.g, c.g), canal(fond.b, c.b), 255);
}

// Channel by channel within tol: the rasteriser rounds blends its own way.
inline ::testing::AssertionResult procheDe(sf::Color a, sf::Color b, int tol = 3)
{
    if (std::abs(a.r - b.r) <= tol && std::abs(a.g - b.g) <= tol && std::abs(a.b - b.b) <= tol)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << int(a.r) << "," << int(a.g) << "," << int(a.b) << ") vs ("
                                        << int(b.r) << "," << int(b.g) << "," << int(b.b) << ")";
}

// Sheet 256 x 128: a dark red block under element 0, a blue one under 1, a yellow one under 2.
// Elements: "tete" (0, 0, 40, 30), origin (20, 15), mesh 3 x 3; "corps" (64, 0, 60, 80),
// origin (30, 40); "bras" (128, 0, 20, 50) showing animation 1. Animation 0 "marche" of 20
// frames, keyframes 0 and 10, an AE per element (tete at (0, -60), corps at (0, 0), bras at
// (40, -20) turned by 30), the current animation. Animation 1 "visee": aim, 1 frame per degree,
// 181 frames, a keyframe at 0 with the same AEs.
struct SpriteVues {
    explicit SpriteVues(CSPRITE3& s)
    {
        sf::Image img;
        img.create(256, 128, sf::Color(240, 240, 240));
        for (unsigned x = 0; x < 40; ++x)
            for (unsigned y = 0; y < 30; ++y)
                img.setPixel(x, y, sf::Color(150, 30, 30));
        for (unsigned x = 64; x < 124; ++x)
            for (unsigned y = 0; y < 80; ++y)
                img.setPixel(x, y, sf::Color(30, 30, 150));
        for (unsigned x = 128; x < 148; ++x)
            for (unsigned y = 0; y < 50; ++y)
                img.setPixel(x, y, sf::Color(200, 200, 30));
        feuille.loadFromImage(img);
        s.pTextureFeuille = &feuille;
        s.ajouterElement("tete", 0, 0, 40, 30, 20, 15, 3, 3, -1, -1, false);
        s.ajouterElement("corps", 64, 0, 60, 80, 30, 40, 2, 2, -1, -1, false);
        s.ajouterElement("bras", 128, 0, 20, 50, 10, 0, 2, 2, -1, -1, false);
        s.getElement(2)->lienAnim[0] = 1;
        s.ajouterAnimation("marche", true);
        s.setNbFrames(0, 20);
        s.ajouterKeyframe(0, 10);
        s.ajouterAnimation("visee", true);
        s.setNbFrames(1, 181);
        s.setVisee(1, true);
        s.setNbFramesVisee(1, 1);
        for (int a = 0; a < 2; ++a) {
            for (int e = 0; e < 3; ++e)
                s.ajouterAnimElem(a, e, "", 0, 1);
            for (int f : {0, 10}) {
                if (!s.isKeyframe(a, f))
                    continue;
                s.setKeyAnimElemValeurs(a, f, 0, 0, true, 0, -60, 20, 15, 1, 1, 0, false);
                s.setKeyAnimElemValeurs(a, f, 1, 1, true, 0, 0, 30, 40, 1, 1, 0, false);
                s.setKeyAnimElemValeurs(a, f, 2, 2, true, 40, -20, 10, 0, 1, 1, 30, false);
            }
        }
        s.setAnimation(0, 0, true);
    }
    sf::Texture feuille;
};

class VuesTest : public EditeurTest {
protected:
    void SetUp() override
    {
        EditeurTest::SetUp();
        fenetre.create(sf::VideoMode(1280, 720), "vues", sf::Style::None);
        CPLUX::setSurface(&fenetre);
        ancienRect = g_services.rectControle;
        g_services.rectControle = rectEcran;
    }
    void TearDown() override
    {
        g_services.rectControle = ancienRect;
        CPLUX::setSurface(nullptr);
        EditeurTest::TearDown();
    }
    // One frame of the library (the editor's draw included); the pixels it left.
    sf::Image image()
    {
        fenetre.clear(FOND);
        CPLUXTest::frame(&fenetre);
        return pixelsDe(fenetre);
    }
    static inline const sf::Color FOND{90, 96, 104};
    sf::RenderWindow fenetre;
    std::function<sf::FloatRect(CPLUXControl*)> ancienRect;
};

// The editor on a tab, its sprite the one above, animation 0 and AE 1 selected through the
// lists as a user would choose them.
struct EditeurVues {
    explicit EditeurVues(int onglet) : sprite(*e->pSprite)
    {
        e->show();
        e->pTab->setNumTabElemActif(onglet);
        e->majListeElements();
        e->majListeAnimations();
        e.liste(IdAnm::myListAnimations)->setNumSel(0);
    }
    void choisirAE(int ae) { e.liste(IdAnm::myListAnimationElements)->setNumSel(ae); }
    // Window pixels of a point of the animation view given in sprite pixels.
    sf::Vector2f ecran(float x, float y) const
    {
        const sf::Vector2f c = e->pImageAnimation->getPositionScreen();
        return {c.x + e->centreVueX + e->zoom * x, c.y + e->centreVueY + e->zoom * y};
    }
    Editeur e;
    SpriteVues sprite;
};
