// A batch of shapes, lines and texts draws the pixels SFML draws for each of them alone:
// fills, outlines, the triangles it leaves out, glyphs.
#include "core/LotFormes.h"

#include <SFML/Graphics.hpp>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

namespace {
const sf::Color FOND(40, 60, 80);

sf::Image dessin(const std::function<void(sf::RenderTarget&)>& f)
{
    sf::RenderTexture rt;
    rt.create(120, 90);
    rt.clear(FOND);
    f(rt);
    rt.display();
    return rt.getTexture().copyToImage();
}

// Pixels that differ, and by more than the rounding of a blend.
int differences(const sf::Image& a, const sf::Image& b)
{
    int n = 0;
    for (unsigned x = 0; x < a.getSize().x; ++x)
        for (unsigned y = 0; y < a.getSize().y; ++y) {
            const sf::Color p = a.getPixel(x, y), q = b.getPixel(x, y);
            n += std::abs(p.r - q.r) > 1 || std::abs(p.g - q.g) > 1 || std::abs(p.b - q.b) > 1;
        }
    return n;
}

sf::Font& police()
{
    static sf::Font f;
    const char* d = std::getenv("TUV_DATA_DIR");
    static const bool ok = f.loadFromFile(std::string(d ? d : "data") + "/PLUX_Res/polices/arial.ttf");
    EXPECT_TRUE(ok) << "the font of the GUI";
    return f;
}
} // namespace

TEST(LotFormes, ShapesLinesAndTextsDrawAsSfmlDrawsThem)
{
    sf::CircleShape poignee(3, 30);
    poignee.setFillColor({50, 50, 100, 200});
    poignee.setOutlineColor({255, 255, 255, 200});
    poignee.setOutlineThickness(1);
    poignee.setOrigin(-7.3f, 4.6f);
    poignee.setRotation(213);
    poignee.setPosition(30.4f, 20.7f);
    sf::CircleShape repere(6, 30);
    repere.setFillColor(sf::Color::Transparent);
    repere.setOutlineColor(sf::Color::Red);
    repere.setOutlineThickness(1);
    repere.setPosition(70.5f, 10);
    // Centred on a pixel corner, drawn by pixel runs: fill and outline side by side in a row,
    // runs alike from row to row joined.
    sf::CircleShape pleine(5, 13);
    pleine.setFillColor({50, 50, 100, 200});
    pleine.setOutlineColor({255, 255, 255, 200});
    pleine.setOutlineThickness(1);
    pleine.setPosition(100, 60);
    // Upright, its outline is drawn as four bands; upside down, as the extruded strip.
    sf::RectangleShape rect({60.5f, 30.25f}), envers({30.5f, -20.25f});
    rect.setFillColor({255, 255, 255, 0});
    rect.setOutlineColor({0, 200, 100, 200});
    rect.setOutlineThickness(3);
    rect.setPosition(20.3f, 48.6f);
    envers.setFillColor({255, 0, 0, 90});
    envers.setOutlineColor({0, 200, 100, 200});
    envers.setOutlineThickness(2);
    envers.setPosition(6.5f, 85.2f);
    sf::ConvexShape cadre(6);
    const sf::Vector2f points[] = {{0, 0}, {20, 0}, {40, 0}, {40, 20}, {20, 20}, {0, 20}};
    for (size_t i = 0; i < 6; ++i)
        cadre.setPoint(i, points[i]);
    cadre.setFillColor({250, 250, 50, 50});
    cadre.setOutlineColor({250, 250, 50, 180});
    cadre.setOutlineThickness(5);
    cadre.setOrigin(10, 5);
    cadre.setRotation(30);
    cadre.setPosition(75, 50);
    const std::vector<const sf::Shape*> formes = {&poignee, &repere, &pleine, &rect, &envers, &cadre};

    const sf::Image sfml = dessin([&](sf::RenderTarget& c) {
        for (const sf::Shape* f : formes)
            c.draw(*f);
    });
    // One batch drawn twice (the second time from the triangles kept), then with a handle moved.
    CLotFormes garde;
    const auto lot = [&] {
        return dessin([&](sf::RenderTarget& c) {
            for (const sf::Shape* f : formes)
                garde.forme(*f);
            garde.vider(c);
            EXPECT_TRUE(garde.estVide()) << "drawing empties the batch";
        });
    };
    EXPECT_EQ(differences(sfml, lot()), 0) << "shapes, the empty triangles left out";
    EXPECT_EQ(differences(sfml, lot()), 0) << "the same shapes again";
    poignee.move(0.3f, 0.6f);
    const sf::Image deplacee = dessin([&](sf::RenderTarget& c) {
        for (const sf::Shape* f : formes)
            c.draw(*f);
    });
    EXPECT_EQ(differences(deplacee, lot()), 0) << "a handle moved by less than a pixel";

    const sf::Image lignes = dessin([&](sf::RenderTarget& c) {
        const sf::Vertex l[] = {sf::Vertex({5, 5}, sf::Color::Yellow), sf::Vertex({100, 60}, sf::Color::Yellow)};
        c.draw(l, 2, sf::Lines);
        sf::Text t("-1250", police(), 8);
        t.setFillColor({50, 50, 50, 150});
        t.setPosition(11, 41);
        c.draw(t);
    });
    const sf::Image lotLignes = dessin([&](sf::RenderTarget& c) {
        CLotFormes l;
        l.ligne({5, 5}, {100, 60}, sf::Color::Yellow);
        l.texte(police(), 8, {50, 50, 50, 150}, "-1250", {11, 41});
        l.vider(c);
    });
    EXPECT_EQ(differences(lignes, lotLignes), 0) << "a line and a text";
}

// Far from the origin a float's step of one may round back to where it was (beyond 2^24
// pixels floats step by two): small outlines there draw as SFML draws them, and do not hang.
TEST(LotFormes, OutlinesFarOffDrawAsSfmlDrawsThem)
{
    for (float x : {16777216.f, 16777218.f, 16777220.f, 20000000.f}) {
        sf::CircleShape rond(3, 12);
        rond.setOutlineColor(sf::Color::Red);
        rond.setOutlineThickness(1);
        rond.setPosition(x, 10.3f);
        const sf::Image sfml = dessin([&](sf::RenderTarget& c) { c.draw(rond); });
        const sf::Image lot = dessin([&](sf::RenderTarget& c) {
            CLotFormes l;
            l.forme(rond);
            l.vider(c);
        });
        EXPECT_EQ(differences(sfml, lot), 0) << "a circle at x = " << x;
    }
}
