#pragma once
// The slicer on its real model, with image sequences made by the test.
#include "OutilsOutils.h"

#include "gui/CPLUXControlImage.h"
#include "tools/CSESelectionZone.h"

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

// Image i of a test sequence: pixel (x, y) is (x, y, 20 i), opaque, and transparent where
// (x + y) is a multiple of 7.
inline sf::Image motif(unsigned l, unsigned h, int i)
{
    sf::Image img;
    img.create(l, h);
    for (unsigned y = 0; y < h; ++y)
        for (unsigned x = 0; x < l; ++x)
            img.setPixel(x, y, sf::Color(static_cast<sf::Uint8>(x), static_cast<sf::Uint8>(y),
                                         static_cast<sf::Uint8>(20 * i), (x + y) % 7 == 0 ? 0 : 255));
    return img;
}

// What the cut shows of the source pixel at (x, y): black over transparency, black outside.
inline sf::Color attendu(const sf::Image& source, int x, int y)
{
    if (x < 0 || y < 0 || x >= static_cast<int>(source.getSize().x) || y >= static_cast<int>(source.getSize().y))
        return sf::Color::Black;
    const sf::Color c = source.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
    return c.a == 0 ? sf::Color::Black : sf::Color(c.r, c.g, c.b, 255);
}

template <class T = CCSESelectionZone>
class DecoupeTest : public OutilTest {
protected:
    static constexpr const char* ID = "CSESelectionZone";

    void SetUp() override
    {
        OutilTest::SetUp();
        s = dialogueOutil<T>(ID);
    }
    // numbers debut..fin of l x h images in dossier, named prefixe + number + ext.
    static void sequence(const std::string& dossier, const std::string& prefixe, const std::string& ext, int debut,
                         int fin, unsigned l, unsigned h, int chiffres = 4)
    {
        std::filesystem::create_directories(dossier);
        for (int n = debut; n <= fin; ++n)
            ASSERT_TRUE(
                motif(l, h, n - debut).saveToFile(dossier + prefixe + CCSESelectionZone::numero(n, chiffres) + ext));
    }
    // "myImage" of the given size, showing images of that size at their own; the zone l x h
    // typed, then moved to (x, y) from the picture's corner.
    void geometrie(float largeurImage, float hauteurImage, int x, int y, int l, int h)
    {
        CPLUXControlImage* image = s->ctrlImage("myImage");
        image->setVisibleDimension(largeurImage, hauteurImage);
        saisir(ID, "myTextInputZoneL", std::to_string(l));
        saisir(ID, "myTextInputZoneH", std::to_string(h));
        CPLUXControlZone* z = s->ctrlZone("myZone");
        z->setPosition(image->getLeft() + static_cast<float>(x), image->getTop() + static_cast<float>(y));
        s->onCtrlMove(z);
    }
    // The zone dragged a pixel at a time by its middle, or by its corner grip (which resizes it).
    void glisserZone(bool coin, int dx, int dy)
    {
        const CPLUXControl* z = s->getControl("myZone");
        glisser(CPLUXTest::centre(ID, "myZone") +
                    (coin ? sf::Vector2i(z->getWidth() / 2 - 2, z->getHeight() / 2 - 2) : sf::Vector2i()),
                dx, dy);
    }
    // A press at p (window pixels), the mouse moved a pixel at a time by (dx, dy), released.
    static void glisser(sf::Vector2i p, int dx, int dy)
    {
        CPLUXTest::pressLeftAt(p.x, p.y);
        for (int i = 1, n = std::max({std::abs(dx), std::abs(dy), 1}); i <= n; ++i)
            CPLUXTest::mouseMove(p.x + dx * i / n, p.y + dy * i / n);
        CPLUXTest::releaseLeft();
    }
    // The sequence typed into the dialog, then "Charger séquence".
    void charger(const std::string& dossier, int debut, int fin, const std::string& prefixe = "",
                 const std::string& ext = ".png", int chiffres = 4)
    {
        saisir(ID, "myTextInputDossier", dossier);
        saisir(ID, "myTextInputNumDebut", std::to_string(debut));
        saisir(ID, "myTextInputNumFin", std::to_string(fin));
        saisir(ID, "myTextInputNbDigit", std::to_string(chiffres));
        saisir(ID, "myTextInputPrefixe", prefixe);
        saisir(ID, "myTextInputExt", ext);
        ASSERT_TRUE(CPLUXTest::click(ID, "myButtonOpenAnimation"));
    }
    std::string texte(const char* id) const { return s->getControl(id)->getText(); }

    std::unique_ptr<T> s;
};
