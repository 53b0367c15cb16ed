#include "core/Dec.h"
#include "core/SetTextures.h"
#include "support/Outils.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Context.hpp>

#include <gtest/gtest.h>

namespace {

// SFML drops its shared GL context whenever the last texture goes and makes a new one on
// the next; each round leaks an X connection in Mesa, and Xvfb refuses clients after a
// few hundred. One context kept for the whole run avoids that.
void garderContexteGL()
{
    static sf::Context* contexte = new sf::Context;
    (void)contexte;
}

// A frame whose left half is transparent and right half a colour with partial alpha.
sf::Image frameDemiTransparente(unsigned l, unsigned h, sf::Color couleur)
{
    sf::Image image;
    image.create(l, h, sf::Color::Transparent);
    for (unsigned y = 0; y < h; ++y)
        for (unsigned x = l / 2; x < l; ++x)
            image.setPixel(x, y, couleur);
    return image;
}

sf::Image motif(unsigned l, unsigned h, int graine)
{
    sf::Image image;
    image.create(l, h);
    for (unsigned y = 0; y < h; ++y)
        for (unsigned x = 0; x < l; ++x)
            image.setPixel(x, y, sf::Color(x & 255, (y * 4 + graine) & 255, (x * 7 + y + graine) & 255, 255));
    return image;
}

bool memesPixels(const sf::Image& a, const sf::Image& b, sf::IntRect zoneDeB)
{
    if (a.getSize() != sf::Vector2u(zoneDeB.width, zoneDeB.height))
        return false;
    for (int y = 0; y < zoneDeB.height; ++y)
        for (int x = 0; x < zoneDeB.width; ++x)
            if (a.getPixel(x, y) != b.getPixel(zoneDeB.left + x, zoneDeB.top + y))
                return false;
    return true;
}

} // namespace

TEST(SetTextures, SequenceFileNames)
{
    EXPECT_EQ(CSetTextures::nomFichierFrame("P", 8, 3), "P0008.png");
    EXPECT_EQ(CSetTextures::nomFichierFrame("P", 10, 3), "P0010.png");
    EXPECT_EQ(CSetTextures::nomFichierFrame("P", 999, 3), "P0999.png");
    EXPECT_EQ(CSetTextures::nomFichierFrame("P", 10000, 2), "P10000.png");
    EXPECT_EQ(CSetTextures::nomFichierMasque("P", 9, 3), "Pmasque_0009.png");
    EXPECT_EQ(CSetTextures::nomFichierFrame("seul.png", 0, 1), "seul.png");
    EXPECT_EQ(CSetTextures::nomFichierMasque("seul.png", 0, 1), "");
}

TEST(SetTextures, VideChangesNothing)
{
    CSetTextures set;
    set.largeur = 7;
    set.nbTextures = 2;
    set.vitesse = 0.5f;
    EXPECT_EQ(set.chargerSequence("VIDE", 3, 10, 10, 4, 2.0f, 3, 0, true), 1);
    EXPECT_EQ(set.largeur, 7);
    EXPECT_EQ(set.nbTextures, 2);
    EXPECT_FLOAT_EQ(set.vitesse, 0.5f);
    EXPECT_FALSE(set.bAllerRetour);
    EXPECT_TRUE(set.textures.empty());
}

TEST(SetTextures, SequenceWithMaskFilesFromNumberEight)
{
    garderContexteGL();
    DossierTemp d;
    const std::string p = d / "P";
    for (int n = 8; n <= 10; ++n) {
        ASSERT_TRUE(motif(4, 3, n).saveToFile(CSetTextures::nomFichierFrame(p, n, 3)));
        ASSERT_TRUE(motif(4, 3, 100 + n).saveToFile(CSetTextures::nomFichierMasque(p, n, 3)));
    }
    CSetTextures set;
    EXPECT_EQ(set.chargerSequence(p, 3, 4, 3, 4, 0.25f, 2, 8, true), 0);
    ASSERT_EQ(set.nbTextures, 3);
    ASSERT_EQ(set.nbImages, 3);
    for (int k = 0; k < 3; ++k) {
        ASSERT_EQ(set.textures.count(k), 1u);
        EXPECT_TRUE(memesPixels(set.textures[k]->copyToImage(), motif(4, 3, 8 + k), {0, 0, 4, 3}));
        EXPECT_TRUE(memesPixels(*set.images[k], motif(4, 3, 108 + k), {0, 0, 4, 3}));
    }
    EXPECT_EQ(set.largeur, 4);
    EXPECT_EQ(set.hauteur, 3);
    EXPECT_FLOAT_EQ(set.vitesse, 0.25f);
    EXPECT_EQ(set.nbBoucles, 2);
    EXPECT_TRUE(set.bAllerRetour);

    // vider frees the frames but the counts stay until the next fill.
    set.vider();
    EXPECT_TRUE(set.textures.empty());
    EXPECT_TRUE(set.images.empty());
    EXPECT_EQ(set.nbTextures, 3);
}

TEST(SetTextures, SequenceNumbersAndSingleFrame)
{
    garderContexteGL();
    DossierTemp d;
    const std::string p = d / "grand";
    ASSERT_TRUE(motif(2, 2, 0).saveToFile(p + "10000.png"));
    ASSERT_TRUE(motif(2, 2, 1).saveToFile(p + "10001.png"));
    CSetTextures set;
    set.chargerSequence(p, 2, 2, 2, 0, 1.0f, 0, 10000, false);
    ASSERT_EQ(set.nbTextures, 2);
    EXPECT_EQ(set.nbImages, 0); // mask mode 0
    EXPECT_TRUE(memesPixels(set.textures[1]->copyToImage(), motif(2, 2, 1), {0, 0, 2, 2}));

    // One frame: the name is the file itself, nothing added to it.
    const std::string seul = d / "seul.image";
    ASSERT_TRUE(motif(3, 2, 5).saveToFile(d / "seul.png"));
    std::filesystem::rename(d / "seul.png", seul);
    CSetTextures unique;
    unique.chargerSequence(seul, 1, 3, 2, 0, 1.0f, 0, 0, false);
    ASSERT_EQ(unique.nbTextures, 1);
    EXPECT_EQ(unique.textures[0]->getSize(), sf::Vector2u(3, 2));
}

TEST(SetTextures, SequenceMaskColoursAndMissingFiles)
{
    garderContexteGL();
    DossierTemp d;
    const std::string p = d / "f";
    const sf::Color teinte(10, 20, 30, 128);
    ASSERT_TRUE(frameDemiTransparente(4, 2, teinte).saveToFile(p + "0000.png"));
    ASSERT_TRUE(frameDemiTransparente(4, 2, teinte).saveToFile(p + "0001.png"));
    const sf::Color attendu[] = {sf::Color(0, 0, 255), sf::Color(0, 255, 0), sf::Color(255, 0, 0),
                                 sf::Color(10, 20, 30, 255)};
    for (int mode = 1; mode <= 5; ++mode) {
        CSetTextures set;
        set.chargerSequence(p, 2, 4, 2, mode == 4 ? 5 : mode, 1.0f, 0, 0, false);
        ASSERT_EQ(set.nbImages, 2);
        const sf::Image& masque = *set.images[1];
        EXPECT_EQ(masque.getPixel(0, 1), sf::Color::Transparent) << mode; // alpha 0 stays as loaded
        EXPECT_EQ(masque.getPixel(3, 1), attendu[std::min(mode, 4) - 1]) << mode;
    }
    // Missing frames and masks are still counted; a missing mask is the opaque black frame.
    CSetTextures absent;
    absent.chargerSequence(d / "absent", 2, 5, 3, 4, 1.0f, 0, 0, false);
    ASSERT_EQ(absent.nbTextures, 2);
    ASSERT_EQ(absent.nbImages, 2);
    EXPECT_EQ(absent.textures[0]->getSize(), sf::Vector2u(0, 0));
    EXPECT_EQ(absent.images[1]->getSize(), sf::Vector2u(5, 3));
    EXPECT_EQ(absent.images[1]->getPixel(4, 2), sf::Color::Black);
}

TEST(SetTextures, DecouperCutsFramesInARow)
{
    garderContexteGL();
    CDEC banque;
    banque.planche = motif(256, 64, 0);
    CSetTextures set;
    set.bAllerRetour = true;
    EXPECT_EQ(set.decouper(&banque, 64, 0, 4, 32, 48, 0.5f, 3), 0);
    ASSERT_EQ(set.nbTextures, 4);
    EXPECT_EQ(set.nbImages, 0); // no mask sheet
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(memesPixels(set.textures[k]->copyToImage(), banque.planche, {64 + 32 * k, 0, 32, 48})) << k;
    EXPECT_EQ(set.largeur, 32);
    EXPECT_EQ(set.hauteur, 48);
    EXPECT_EQ(set.nbBoucles, 3);
    EXPECT_TRUE(set.bAllerRetour); // kept
}

TEST(SetTextures, DecouperPastTheSheetEdges)
{
    garderContexteGL();
    CDEC banque;
    banque.planche = motif(64, 16, 0);
    banque.pMasquePlanche = new sf::Image(motif(64, 16, 50));
    CSetTextures set;
    // Frame 1 runs past the right edge, frame 2 lies wholly outside.
    set.decouper(&banque, 40, 8, 3, 16, 16, 1.0f, 0);
    ASSERT_EQ(set.nbTextures, 3);
    ASSERT_EQ(set.nbImages, 3);
    EXPECT_TRUE(memesPixels(set.textures[0]->copyToImage(), banque.planche, {40, 8, 16, 8}));
    EXPECT_EQ(set.textures[1]->getSize(), sf::Vector2u(8, 8));
    EXPECT_EQ(set.textures[2]->getSize(), sf::Vector2u(0, 0));
    // Masks keep the frame size; what the mask sheet lacks stays opaque black.
    const sf::Image& masque = *set.images[1];
    EXPECT_EQ(masque.getSize(), sf::Vector2u(16, 16));
    EXPECT_EQ(masque.getPixel(0, 0), banque.pMasquePlanche->getPixel(56, 8));
    EXPECT_EQ(masque.getPixel(8, 0), sf::Color::Black);
    EXPECT_EQ(masque.getPixel(0, 8), sf::Color::Black);

    // Zero-sized frames, a null bank and absurd counts make no frame and do not hang.
    set.vider();
    set.decouper(&banque, 0, 0, 2, 0, 16, 1.0f, 0);
    EXPECT_EQ(set.textures[0]->getSize(), sf::Vector2u(0, 0));
    set.vider();
    set.decouper(nullptr, 0, 0, 2, 8, 8, 1.0f, 0);
    EXPECT_EQ(set.nbTextures, 2);
    set.vider();
    set.decouper(&banque, 2147483000, 0, 1000, 4000, 8, 1.0f, 0);
    EXPECT_EQ(set.nbTextures, 1000);
    set.vider();
    set.decouper(&banque, 0, 0, 2000000000, 8, 8, 1.0f, 0);
    EXPECT_EQ(set.nbTextures, 0);
    EXPECT_EQ(set.chargerSequence("x", 3, 100000, 100000, 1, 1.0f, 0, 0, false), 0);
    EXPECT_EQ(set.nbTextures, 0);
}
