#include "core/FichierDec.h"
#include "core/Sprite.h"
#include "support/Outils.h"
#include "SpriteTestBanque.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

const sf::Color FOND = sf::Color::Black;

struct Cible {
    sf::RenderTexture rt;
    Cible() { rt.create(200, 200); rt.clear(FOND); }
    sf::Image image()
    {
        rt.display();
        return rt.getTexture().copyToImage();
    }
};

int pixelsAllumes(const sf::Image& i)
{
    int n = 0;
    for (unsigned y = 0; y < i.getSize().y; ++y)
        for (unsigned x = 0; x < i.getSize().x; ++x)
            n += i.getPixel(x, y) != FOND;
    return n;
}

using SpriteBase = ServicesSauves;

class SpriteDessin : public ServicesSauves {
protected:
    void SetUp() override
    {
        ServicesSauves::SetUp();
        // 4x2 green frame whose texel (3, 0) is red.
        sf::Image img = imageUnie(4, 2, sf::Color::Green);
        img.setPixel(3, 0, sf::Color::Red);
        mettreImage(banque, 0, 0, img);
        sd.pDEC = &banque;
        sd.placer(0, 100, 100);
    }
    CDEC banque;
    CSPRITE sd;
};

TEST_F(SpriteDessin, MarqueurAuPixelCalcule)
{
    // Origin (0, 0), scale (2, 1) flipped horizontally, then 90 degrees: texel (3, 0)
    // covers x in [-8, -6] after scale and flip, and the rotation (x, y) -> (-y, x)
    // sends it to x in [99, 100], y in [92, 94].
    sd.setOrigine(0, 0);
    sd.setScale(2, 1);
    sd.setFlip(true, false);
    sd.setRotation(90);
    Cible c;
    sd.afficher(&c.rt, 0, 0, false);
    sf::Image i = c.image();
    EXPECT_EQ(i.getPixel(99, 92), sf::Color::Red);
    EXPECT_EQ(i.getPixel(99, 93), sf::Color::Red);
    EXPECT_EQ(i.getPixel(99, 94), sf::Color::Green);
    EXPECT_EQ(i.getPixel(100, 92), FOND);
    EXPECT_EQ(pixelsAllumes(i), 16);  // 4x2 texels, each 2 pixels

    // A move and a new scale after a draw show in the next one: scale 1 puts the texel in
    // x [-1, 0], y [-4, -3] around the place, now (110, 120).
    sd.deplacer(-1, 10, 20);
    sd.setScale(1, 1);
    Cible d;
    sd.afficher(&d.rt, 0, 0, false);
    i = d.image();
    EXPECT_EQ(i.getPixel(109, 116), sf::Color::Red) << "the drawn sprite is not where it moved";
    EXPECT_EQ(pixelsAllumes(i), 8) << "the drawn sprite kept its old scale";

    // The centre origin rule uses whole-pixel halves of the frame.
    sd.setOrigine(-1, 0);
    EXPECT_EQ(sd.ox, 2);
    EXPECT_EQ(sd.oy, 1);
}

TEST_F(SpriteDessin, RienHorsDeLaVueEtPasseSelonLePlan)
{
    {
        Cible c;
        sd.afficher(&c.rt, 0, 0, false, sf::FloatRect(0, 0, 50, 50));
        EXPECT_EQ(pixelsAllumes(c.image()), 0);
    }
    const sf::FloatRect vue(90, 90, 50, 50);
    {
        Cible c;
        sd.afficher(&c.rt, 0, 0, false, vue);
        EXPECT_EQ(pixelsAllumes(c.image()), 8);
    }
    // The drawing offset counts: the same sprite shifted out of the view is skipped.
    {
        Cible c;
        sd.afficher(&c.rt, -80, 0, false, vue);
        EXPECT_EQ(pixelsAllumes(c.image()), 0);
    }

    struct Cas {
        int plan;
        bool posDansLePlan;
        bool passeQuiDessine;
    };
    for (Cas cas : {Cas{2, true, true}, Cas{2, false, false}, Cas{1, true, false}, Cas{3, true, false}}) {
        sd.plan = cas.plan;
        sd.bPosDansLePlan = cas.posDansLePlan;
        for (bool passe : {false, true}) {
            Cible c;
            sd.afficher(&c.rt, 0, 0, passe);
            EXPECT_EQ(pixelsAllumes(c.image()) > 0, passe == cas.passeQuiDessine)
                << "plan " << cas.plan << " flag " << cas.posDansLePlan << " pass " << passe;
        }
    }
}

TEST_F(SpriteBase, AnimationVitesseAllerRetourEtLimite)
{
    CDEC banque;
    setSansImages(banque, 0, 3, 0.5f);
    setSansImages(banque, 1, 3, 1.0f, true);
    setSansImages(banque, 2, 3, 1.0f, false, 2);
    CSPRITE sd;
    sd.pDEC = &banque;
    sd.placer(0, 0, 0);

    auto appelsParChangement = [&](float coeff) {
        g_services.framerateCoeff = [coeff] { return coeff; };
        sd.setAnim(0);
        int appels = 0;
        while (sd.numFrame == 0 && appels < 100) {
            sd.animer(-1);
            appels++;
        }
        return appels;
    };
    EXPECT_EQ(appelsParChangement(1.0f), 2);
    EXPECT_EQ(appelsParChangement(0.5f), 4);

    g_services.framerateCoeff = [] { return 1.0f; };
    sd.animer(1);
    std::vector<int> frames{sd.numFrame};
    for (int i = 0; i < 5; ++i) {
        sd.animer(-1);
        frames.push_back(sd.numFrame);
    }
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 2, 1, 0, 1}));

    sd.animer(2);
    for (int i = 0; i < 20; ++i)
        sd.animer(-1);
    EXPECT_EQ(sd.nbanimtotale, 2);
    EXPECT_EQ(sd.numFrame, 0);

    // Out-of-range animation numbers change nothing.
    EXPECT_EQ(sd.setAnim(7), 0);
    EXPECT_EQ(sd.setAnim(-3), 0);
    EXPECT_EQ(sd.getNumAnim(), 2);
}

// The set animer keeps follows the sprite's bank and number: another bank with the same number,
// or a number given a set only after the sprite asked for it.
TEST_F(SpriteBase, AnimationSuitBanqueEtNumero)
{
    CDEC a, b;
    setSansImages(a, 0, 1, 1.0f);
    setSansImages(b, 0, 3, 1.0f);
    CSPRITE sd;
    sd.pDEC = &a;
    sd.placer(0, 0, 0);
    sd.animer(-1);
    EXPECT_EQ(sd.numFrame, 0);
    sd.pDEC = &b;
    sd.animer(-1);
    EXPECT_EQ(sd.numFrame, 1);
    sd.numAnim = 5;
    sd.numFrame = 0;
    sd.animer(-1);
    EXPECT_EQ(sd.numFrame, 0);
    setSansImages(b, 5, 3, 1.0f);
    sd.animer(-1);
    EXPECT_EQ(sd.numFrame, 1);
}

TEST_F(SpriteBase, PlanPrincipalAvanceUneFoisParFrame)
{
    CDEC banque;
    setSansImages(banque, 0, 4, 1.0f);
    CSPRITE sd;
    sd.pDEC = &banque;
    sd.plan = 2;
    sd.placer(0, 0, 0);
    sd.afficher(nullptr, 0, 0, false);
    sd.afficher(nullptr, 0, 0, true);
    EXPECT_EQ(sd.numFrame, 1);
}

// On the heap, as a level makes them: each on a cache line of its own, and freed whole.
TEST_F(SpriteBase, CopieSansComportementNiSon)
{
    auto a = std::make_unique<CSPRITE>();
    a->bPhysE = true;
    a->pPhysE = nullptr;
    a->strID = "SD1";
    a->Over("Alerte", "", 0, 1, 2, 1, 1, 0, true);
    auto b = std::make_unique<CSPRITE>(*a);
    for (const CSPRITE* s : {a.get(), b.get()})
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(s) % 64, 0u) << "a sprite off its cache line";
    EXPECT_FALSE(b->bPhysE);
    EXPECT_EQ(b->pSon, nullptr);
    EXPECT_EQ(b->strID, "SD1");
    EXPECT_EQ(b->getOver("Alerte").y, 2);
    b->supprimerOver("absent");
    b->supprimerOver("Alerte");
    EXPECT_TRUE(b->overs.empty());
}

// Several plates' worth of sprites, half freed and made again: every sprite on its own cache
// lines, none sharing memory with a live one, and the survivors' fields intact.
TEST_F(SpriteBase, SpritesParPlaques)
{
    std::vector<std::unique_ptr<CSPRITE>> sprites;
    auto faire = [&](int n) {
        for (int i = 0; i < n; ++i) {
            sprites.push_back(std::make_unique<CSPRITE>());
            sprites.back()->strID = "SD" + std::to_string(sprites.size());
        }
    };
    faire(200);
    for (size_t i = 0; i < sprites.size(); i += 2)
        sprites[i].reset();
    faire(200);
    std::vector<std::uintptr_t> adresses;
    for (size_t i = 0; i < sprites.size(); ++i) {
        if (!sprites[i])
            continue;
        const auto a = reinterpret_cast<std::uintptr_t>(sprites[i].get());
        EXPECT_EQ(a % 64, 0u) << "sprite " << i << " off its cache line";
        EXPECT_EQ(sprites[i]->strID, "SD" + std::to_string(i + 1)) << "sprite " << i << " overwritten";
        adresses.push_back(a);
    }
    std::sort(adresses.begin(), adresses.end());
    for (size_t i = 1; i < adresses.size(); ++i)
        EXPECT_GE(adresses[i] - adresses[i - 1], sizeof(CSPRITE)) << "two live sprites overlap";
}

// A bank read again between two frames must give the sprite the new textures, not the
// freed ones.
TEST_F(SpriteBase, BanqueRelueEntreDeuxFrames)
{
    DossierTemp d;
    std::string dec = d / "bloc.dec";
    ecrireTexte(dec, "ID=BLOC\nPLANCHE=" + d / "planche.png" + ";\nSPRITE=0;0;2;4;4;0.5;0\n");
    imageUnie(8, 4, sf::Color::Red).saveToFile(d / "planche.png");
    CDEC banque;
    ASSERT_TRUE(banque.pFichierDEC->chargerDEC(dec, &banque));
    CSPRITE sd;
    sd.pDEC = &banque;
    sd.placer(0, 10, 10);

    auto couleurDessinee = [&] {
        Cible c;
        sd.afficher(&c.rt, 0, 0, false);
        return c.image().getPixel(11, 11);
    };
    EXPECT_EQ(couleurDessinee(), sf::Color::Red);
    imageUnie(8, 4, sf::Color::Blue).saveToFile(d / "planche.png");
    ASSERT_TRUE(banque.pFichierDEC->chargerDEC(dec, &banque));
    EXPECT_EQ(couleurDessinee(), sf::Color::Blue);
    EXPECT_NE(sd.getSprite().getTexture(), nullptr);
}

TEST_F(SpriteBase, SonSelonLeMode)
{
    std::vector<std::string> joues, boucles;
    g_services.jouerSon = [&](const std::string& n) { joues.push_back(n); };
    g_services.bouclerSon = [&](const std::string& n, bool) { boucles.push_back(n); };
    auto appels = [](CSPRITE& sd, int n) {
        for (int i = 0; i < n; ++i)
            sd.gererSon();
    };
    struct Cas {
        int mode;
        int delai;
        size_t joues;
        size_t boucles;
    };
    for (Cas c : {Cas{0, 1, 0, 0}, Cas{1, 3, 1, 0}, Cas{2, 3, 3, 0}, Cas{3, 0, 0, 1}, Cas{4, 5, 2, 0}}) {
        joues.clear();
        boucles.clear();
        CSPRITE sd;
        sd.idSon = "vent";
        sd.modeSon = c.mode;
        sd.delaiSon = c.delai;
        sd.compteurSon = c.delai;
        appels(sd, 10);
        EXPECT_EQ(joues.size(), c.joues) << "mode " << c.mode;
        EXPECT_EQ(boucles.size(), c.boucles) << "mode " << c.mode;
    }
    joues.clear();
    CSPRITE stoppe;
    stoppe.idSon = "vent";
    stoppe.modeSon = 2;
    stoppe.bSonStoppe = true;
    appels(stoppe, 10);
    EXPECT_TRUE(joues.empty());

    std::vector<std::string> arretes;
    g_services.arreterSon = [&](const std::string& n) { arretes.push_back(n); };
    CSPRITE sansId;
    sansId.setVolumeSon(20);
    sansId.stopSon();
    EXPECT_EQ(sansId.volumeSon, 20) << "kept for a sound given later";
    stoppe.setVolumeSon(150);
    EXPECT_EQ(stoppe.volumeSon, 100);
    stoppe.setVolumeSon(-4);
    EXPECT_EQ(stoppe.volumeSon, 0);
    stoppe.stopSon();
    EXPECT_EQ(arretes, std::vector<std::string>{"vent"});
}

} // namespace
