#include "OutilsNiveau.h"

#include "core/SpriteSimple.h"
#include "game/OutilsJeu.h"
#include "level/FondImage.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

namespace {

class Effets : public AvecJeu {
protected:
    // The step dust: six frames at one frame per tick, played once.
    void chargerPoussiere()
    {
        CDEC* b = banque(*decor, "POUSSIERE", 48, 32, nullptr, 6);
        decor->pPoussierePas = new CSPRITE_SIMPLE();
        decor->pPoussierePas->setDEC(b);
    }
    // Draws the footprints until none is left; the number of draws.
    int fondu()
    {
        int n = 0;
        while (!decor->tracesPas.empty() && n < 100000) {
            decor->afficherTracesPas(scene());
            ++n;
        }
        return n;
    }
};

} // namespace

TEST_F(Effets, TracesDePas)
{
    for (int n = 0; n < 21; ++n)
        decor->ajouterTracePas(10 * n, 5, 0.5f);
    EXPECT_EQ(decor->tracesPas.size(), 20u) << "the 21st footprint is ignored";

    // About 5 x 255 draws to fade out at 30 frames per second, twice that at 60.
    decor->tracesPas.remove_if([](sf::Sprite* s) { return supprimerSprite(s); });
    decor->ajouterTracePas(0, 0, 1);
    tuv::srand(7);
    const int a30 = fondu();
    EXPECT_GT(a30, 1000);
    EXPECT_LT(a30, 1600);
    jeu->framerateCoeff = 0.5f;
    decor->ajouterTracePas(0, 0, 1);
    tuv::srand(7);
    const int a60 = fondu();
    EXPECT_NEAR(double(a60) / a30, 2.0, 0.2) << a30 << " draws at 30 per second, " << a60 << " at 60";
}

TEST_F(Effets, EffetsUniques)
{
    decor->ajouterEffet(10, 10, 1, 1);
    EXPECT_TRUE(decor->effets.empty()) << "no step dust loaded yet";
    chargerPoussiere();
    for (int n = 0; n < 11; ++n)
        decor->ajouterEffet(100.7f, 50.2f, 2, 2);
    ASSERT_EQ(decor->effets.size(), 10u) << "the 11th effect is ignored";
    CSPRITE* premier = decor->effets[0]->getSprite();
    EXPECT_EQ(premier->x, 100) << "at the point, truncated";
    EXPECT_EQ(premier->ox, 24) << "origin at the centre of the first image";

    CSPRITE_SIMPLE* second = decor->effets[1];
    second->pSprite->nbanimtotale = 1;  // a later effect has finished
    decor->afficherEffets(scene());
    EXPECT_EQ(decor->effets.size(), 10u) << "nothing goes before the first has finished";
    EXPECT_EQ(decor->effets[1], second);
    for (int n = 0; n < 4; ++n)
        decor->afficherEffets(scene());
    EXPECT_EQ(decor->effets.size(), 10u) << "five of its six frames shown";
    decor->afficherEffets(scene());
    EXPECT_EQ(decor->effets.size(), 9u) << "the first has looped: removed, and the bank kept";
    EXPECT_EQ(decor->effets[0], second);
    sf::RenderWindow fenetre(sf::VideoMode(64, 64), "effets");
    decor->afficherEffetsFenetre(fenetre);
    EXPECT_EQ(decor->effets.size(), 8u) << "the finished one, now first, goes at the next call";
    decor->viderEffets();
    EXPECT_TRUE(decor->effets.empty());
}

TEST_F(Effets, ImageDeFond)
{
    DossierDeTravail dossier;
    sf::Image rouge, vert;
    rouge.create(4, 2, ROUGE);
    vert.create(3, 3, VERT);
    ASSERT_TRUE(rouge.saveToFile("rouge.png") && vert.saveToFile("vert.png"));
    CFondImage fond;
    sf::RenderTexture& cible = scene();
    auto dessiner = [&] {
        cible.setView(cible.getDefaultView());
        cible.clear(sf::Color::Black);
        fond.afficher(100, 50);
        cible.display();
        return cible.getTexture().copyToImage();
    };
    EXPECT_EQ(dessiner().getPixel(100, 50), sf::Color::Black) << "nothing before a load";

    fond.charger("rouge.png");
    fond.x0 = 10;
    fond.y0 = -5;
    fond.s = 2;
    sf::Image image = dessiner();
    EXPECT_EQ(image.getPixel(110, 45), ROUGE);
    EXPECT_EQ(image.getPixel(117, 48), ROUGE) << "scaled twice: 8 x 4 pixels";
    EXPECT_EQ(image.getPixel(118, 45), sf::Color::Black);
    EXPECT_EQ(image.getPixel(110, 49), sf::Color::Black);

    fond.charger("vert.png");
    EXPECT_EQ(dessiner().getPixel(115, 50), VERT) << "the second picture replaces the first";

    fond.charger("absent.png");
    EXPECT_EQ(fond.strFichierFond, "absent.png") << "kept, so that the level is saved back unchanged";
    EXPECT_EQ(fond.largeur, 0u);
    EXPECT_EQ(dessiner().getPixel(115, 50), sf::Color::Black);
}
