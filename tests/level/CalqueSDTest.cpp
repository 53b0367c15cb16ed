#include "OutilsNiveau.h"

#include <SFML/Graphics/RenderTexture.hpp>

namespace {

class Plans : public AvecJeu {
protected:
    // A 16x8 image, opaque red on its left half, transparent on its right half.
    CDEC* moitie()
    {
        CDEC* b = banque(*decor, "MOITIE", 16, 8, nullptr);
        sf::Image image;
        image.create(16, 8, VIDE);
        for (unsigned y = 0; y < 8; ++y)
            for (unsigned x = 0; x < 8; ++x)
                image.setPixel(x, y, ROUGE);
        b->anims[0]->textures[0]->loadFromImage(image);
        return b;
    }
    sf::Image dessiner(CCalqueSD& p, float dx, float dy, bool passe)
    {
        sf::RenderTexture& scene = *CSFMLJeuGlobal::prenderTexture;
        scene.setView(scene.getDefaultView());
        scene.clear(sf::Color::Black);
        p.dessiner(dx, dy, passe);
        scene.display();
        return scene.getTexture().copyToImage();
    }
    // An animated sprite of one 8x8 red element and an animation of three frames.
    CSPRITE3* anime(CCalqueSD& p, float x, float y)
    {
        auto* s = new CSPRITE3();
        sf::Image image;
        image.create(8, 8, ROUGE);
        feuille.loadFromImage(image);
        s->pTextureFeuille = &feuille;
        s->ajouterElement("carre", 0, 0, 8, 8, 0, 0, 2, 2, -1, -1, false);
        s->ajouterAnimation("a", true);
        s->setNbFrames(0, 3);
        s->setVitesseAnim(0, 1);
        s->ajouterAnimElem(0, 0, "", 0, 1);
        s->setAnimation2(0, 0);
        s->play();
        s->bAnime = true;
        s->x = x;
        s->y = y;
        p.sprites.push_back(s);
        return s;
    }
    sf::Texture feuille;
};

} // namespace

TEST_F(Plans, OrdreCalquesPurgeEtVidage)
{
    CDEC* b = banque(*decor, "B", 8, 8, nullptr);
    CCalqueSD& p = plan(1);
    EXPECT_EQ(p.mettreDerriere(nullptr), nullptr) << "an empty plane has no first sprite";
    CSPRITE* a = spriteDecor(p, b, 0, 0);
    CSPRITE* c = spriteDecor(p, b, 0, 0);
    CSPRITE* d = spriteDecor(p, b, 0, 0);
    EXPECT_EQ(p.mettreDevant(d), 3);
    EXPECT_EQ(p.mettreDerriere(a), a);
    EXPECT_EQ(p.sprites, (std::list<CSPRITE*>{a, c, d})) << "the last stays in front, the first behind";
    p.mettreDevant(a);
    EXPECT_EQ(p.mettreDerriere(d), d);
    CSPRITE etranger;
    EXPECT_EQ(p.mettreDerriere(&etranger), d) << "a sprite of another plane changes nothing";
    EXPECT_EQ(p.sprites, (std::list<CSPRITE*>{d, c, a}));

    c->calque = 1;
    d->calque = 2;
    p.afficherCalque(0);
    EXPECT_TRUE(a->bVisible && !c->bVisible && !d->bVisible) << "n = 0 hides every positive sub-layer";
    p.afficherCalque(2);
    EXPECT_TRUE(a->bVisible && !c->bVisible && d->bVisible);

    c->bASupprimer = true;
    p.pSDTrouve = c;
    p.purger();
    EXPECT_EQ(p.sprites, (std::list<CSPRITE*>{d, a}));
    EXPECT_EQ(p.pSDTrouve, nullptr);
    p.vider();
    EXPECT_TRUE(p.sprites.empty());
}

TEST_F(Plans, ChoixSousLaSouris)
{
    CDEC* b = moitie();
    CCalqueSD& p = plan(0);
    CSPRITE* sd = spriteDecor(p, b, 100, 100);  // image over x 100..116, y 100..108
    EXPECT_TRUE(p.choisirSprite(nullptr, 104, 104, 0, 0));
    EXPECT_TRUE(sd->bSelectionne);
    EXPECT_EQ(p.pSDTrouve, sd);
    const struct {
        int x, y;
        bool attendu;
        const char* quoi;
    } cas[] = {{112, 104, false, "transparent pixel inside the rectangle"},
               {100, 104, false, "left edge"},
               {104, 100, false, "top edge"},
               {101, 101, true, "first pixel inside"}};
    for (const auto& c : cas)
        EXPECT_EQ(p.choisirSprite(nullptr, c.x, c.y, 0, 0), c.attendu) << c.quoi;

    b->nom = "DECVIDE";
    EXPECT_TRUE(p.choisirSprite(nullptr, 112, 104, 0, 0)) << "an empty decor is hit by its rectangle";
    sd->bLock = true;
    jeu->bLocksSelect = true;
    EXPECT_FALSE(p.choisirSprite(nullptr, 104, 104, 0, 0)) << "locked while the lock option is on";
    jeu->bLocksSelect = false;
    EXPECT_TRUE(p.choisirSprite(nullptr, 104, 104, 0, 0));
    sd->calque = 3;
    EXPECT_FALSE(p.choisirSprite(nullptr, 104, 104, 0, 0)) << "another sub-layer than the visible one";
    decor->calqueVisible = 3;
    EXPECT_TRUE(p.choisirSprite(nullptr, 104, 104, 0, 0));
    p.bVisible = false;
    EXPECT_FALSE(p.choisirSprite(nullptr, 104, 104, 0, 0)) << "a hidden plane is not picked";
    EXPECT_FALSE(p.dessiner(0, 0, false)) << "nor drawn";
}

TEST_F(Plans, ChoixDUnSpriteTourneRetourneAgrandiSurUnPlanDecale)
{
    CDEC* b = moitie();
    CCalqueSD& p = plan(3);
    CSPRITE* sd = spriteDecor(p, b, 200, 200, 1, 8, 4);
    sd->setRotation(90);
    sd->setFlip(true, false);
    sd->setScale(2, 2);
    // Local pixel (2, 3), left half: relative (-6, -1), flipped (6, -1), scaled (12, -2),
    // turned by 90 degrees (2, 12), plus the anchor and the plane's offset (40, 10).
    const sf::Vector2i opaque(242, 222), miroir(238, 198);
    EXPECT_TRUE(p.choisirSprite(nullptr, opaque.x, opaque.y, 40, 10));
    EXPECT_FALSE(p.choisirSprite(nullptr, miroir.x, miroir.y, 40, 10)) << "mirrored through the anchor";
    const sf::Image dessin = dessiner(p, 40, 10, false);
    EXPECT_EQ(dessin.getPixel(unsigned(opaque.x), unsigned(opaque.y)), ROUGE) << "picked where it is drawn";
    EXPECT_EQ(dessin.getPixel(unsigned(miroir.x), unsigned(miroir.y)), sf::Color::Black);
    sd->sy = 0;
    EXPECT_FALSE(p.choisirSprite(nullptr, opaque.x, opaque.y, 40, 10)) << "a scale of 0 is never picked";
}

TEST_F(Plans, DessinDecaleEtPasses)
{
    CDEC* b = banque(*decor, "B", 8, 8, nullptr);
    spriteDecor(plan(3), b, 100, 100);
    anime(plan(3), 300, 100);
    sf::Image image = dessiner(plan(3), 50, 20, false);
    EXPECT_EQ(image.getPixel(154, 124), sf::Color::White) << "plain sprite shifted by the offset";
    EXPECT_EQ(image.getPixel(104, 104), sf::Color::Black);
    EXPECT_EQ(image.getPixel(354, 124), ROUGE) << "animated sprite shifted by the offset";
    EXPECT_EQ(image.getPixel(304, 104), sf::Color::Black);

    CSPRITE* devant = spriteDecor(plan(2), b, 100, 100);
    devant->plan = 2;
    devant->bPosDansLePlan = true;
    CSPRITE* derriere = spriteDecor(plan(2), b, 200, 100);
    derriere->plan = 2;
    CSPRITE3* a = anime(plan(2), 300, 100);
    a->plan = 2;
    image = dessiner(plan(2), 0, 0, false);
    EXPECT_EQ(image.getPixel(104, 104), sf::Color::Black) << "in front of the characters: not in pass 0";
    EXPECT_EQ(image.getPixel(204, 104), sf::Color::White);
    EXPECT_EQ(image.getPixel(304, 104), ROUGE);
    const int frame = a->getFrameCourante();
    image = dessiner(plan(2), 0, 0, true);
    EXPECT_EQ(image.getPixel(104, 104), sf::Color::White) << "pass 1 draws the front sprites";
    EXPECT_EQ(image.getPixel(204, 104), sf::Color::Black);
    EXPECT_EQ(image.getPixel(304, 104), sf::Color::Black) << "an animated sprite is drawn once per frame";
    EXPECT_EQ(a->getFrameCourante(), frame) << "and advances once per frame";
    dessiner(plan(2), 0, 0, false);
    EXPECT_EQ(a->getFrameCourante(), (frame + 1) % 3);
}

TEST_F(Plans, PlanFlouSansTexturePrivee)
{
    g_services.shadersActifs = [] { return true; };
    CDEC* b = banque(*decor, "B", 8, 8, nullptr);
    spriteDecor(plan(4), b, 100, 100);
    plan(4).rayonFlou = 2;
    ASSERT_EQ(plan(4).pRenderTexture, nullptr);
    const sf::Image image = dessiner(plan(4), 0, 0, false);
    ASSERT_NE(plan(4).pRenderTexture, nullptr) << "made at the scene's size when first needed";
    EXPECT_EQ(plan(4).pRenderTexture->getSize(), sf::Vector2u(1280, 720));
    EXPECT_EQ(image.getPixel(104, 104), sf::Color::White) << "composed onto the scene (no blur shader here)";
    EXPECT_EQ(plan(4).pCible, CSFMLJeuGlobal::prenderTexture);
}
