#include "LectureOutilsTest.h"

#include "anim/MaillageTriangles.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

namespace {

const sf::Color ROUGE(255, 0, 0), VERT(0, 255, 0), NOIR(0, 0, 0);

// A sheet with a red square (0..16) and a green one (16..32); a sprite with one element of
// each colour, both shown by the animation "a" at their key positions.
class Dessin : public AvecServices {
protected:
    void SetUp() override
    {
        sf::Image img;
        img.create(32, 16, ROUGE);
        for (unsigned x = 16; x < 32; ++x)
            for (unsigned y = 0; y < 16; ++y)
                img.setPixel(x, y, VERT);
        ASSERT_TRUE(feuille.loadFromImage(img));
        s.pTextureFeuille = &feuille;
        s.ajouterElement("rouge", 0, 0, 16, 16, 0, 0, 2, 2, -1, -1, false);
        s.ajouterElement("vert", 16, 0, 16, 16, 0, 0, 3, 3, -1, -1, false);
        a = ajouterAnim(s, "a", 4);
        s.ajouterAnimElem(a, 0, "", 0, 1);
        s.ajouterAnimElem(a, 1, "", 0, 1);
        placer(0, 10, 10);
        placer(1, 40, 20);
        s.setAnimation2(a, 0);
        ASSERT_TRUE(rt.create(80, 60));
    }
    void placer(int ae, float x, float y, bool avantPlan = false)
    {
        s.setKeyAnimElemValeurs(a, 0, ae, s.getElementAnimElem(a, ae), true, x, y, 0, 0, 1, 1, 0, avantPlan);
    }
    sf::Image dessiner(float x = 0, float y = 0, CPLUXControl* ctrl = nullptr)
    {
        rt.clear(NOIR);
        s.dessiner(&rt, 0, 0, 0, ctrl, 1.0f, x, y, a);
        rt.display();
        return rt.getTexture().copyToImage();
    }

    static void pixels(const sf::Image& img, std::initializer_list<std::tuple<unsigned, unsigned, sf::Color>> attendus)
    {
        for (const auto& [x, y, c] : attendus)
            EXPECT_EQ(img.getPixel(x, y), c) << x << "," << y;
    }

    sf::Texture feuille;
    CSPRITE3 s;
    int a = -1;
    sf::RenderTexture rt;
};

} // namespace

TEST_F(Dessin, QuadsASesPositionsDeCleEtMiroir)
{
    pixels(dessiner(), {{11, 11, ROUGE}, {25, 25, ROUGE}, {41, 21, VERT}, {55, 35, VERT}, {9, 9, NOIR},
                        {27, 15, NOIR}, {56, 36, NOIR}});
    // Mirrored about the call position: x -> 80 - x.
    s.miroir = -1;
    pixels(dessiner(80, 0), {{55, 11, ROUGE}, {69, 25, ROUGE}, {25, 21, VERT}, {11, 11, NOIR}, {71, 11, NOIR}});
    // Offset by the call position less the global origin.
    s.miroir = 1;
    s.animations[a]->origineGlobale = sf::Vector2f(10, 10);
    pixels(dessiner(5, 0), {{5, 0, ROUGE}, {4, 0, NOIR}, {35, 10, VERT}});
}

TEST_F(Dessin, OrdreAvantPlanArmeVisibiliteEtCouleur)
{
    placer(1, 10, 10);
    EXPECT_EQ(dessiner().getPixel(12, 12), VERT);  // later AE over the earlier one
    placer(0, 10, 10, true);
    EXPECT_EQ(dessiner().getPixel(12, 12), ROUGE);  // in-front pass after the others
    s.elements[0]->arme = 2;                        // shown with weapon 2 only
    EXPECT_EQ(dessiner().getPixel(12, 12), VERT);
    s.armeCourante = 2;
    s.setKeyAnimElemVisible(a, 0, 0, false, false);
    EXPECT_EQ(dessiner().getPixel(12, 12), VERT);

    // Key colour x global colour (when the element uses it) x keyframe colour x sprite colour.
    s.elements[1]->bCouleurGlobale = true;
    s.setCouleurGlobale(sf::Color(255, 255, 255, 255));
    s.setKeyframeCouleur(a, 0, sf::Color(255, 128, 255));
    EXPECT_NEAR(dessiner().getPixel(12, 12).g, 128, 1);
    s.setCouleurGlobale(sf::Color(0, 0, 255));
    EXPECT_EQ(dessiner().getPixel(12, 12), NOIR);
}

TEST_F(Dessin, CadreParLeControle)
{
    // The control sits at (20, 0), 20 wide: coordinates are relative to it and clipped to it.
    const sf::FloatRect cadre(20, 0, 20, 60);
    g_services.rectControle = [cadre](CPLUXControl* c) { return c ? cadre : sf::FloatRect(); };
    int jeton = 0;  // the sprite never looks inside a control: any address stands for one
    CPLUXControl* ctrl = reinterpret_cast<CPLUXControl*>(&jeton);
    const sf::View avant = rt.getView();
    // Red runs to 46 but the control ends at 40.
    pixels(dessiner(0, 0, ctrl), {{31, 11, ROUGE}, {39, 25, ROUGE}, {42, 15, NOIR}, {61, 21, NOIR}, {11, 11, NOIR}});
    EXPECT_EQ(rt.getView().getCenter(), avant.getCenter());
}

TEST_F(Dessin, DecalageDeMaillageDeplaceLeSommetAttendu)
{
    // Unit check of the triangulation: only the copies of vertex 2 move.
    const CSPRITE3_ELEMENT& e = *s.elements[0];
    std::vector<sf::Vector2f> decalages(e.vertices.getVertexCount());
    decalages[2] = sf::Vector2f(8, 8);
    sf::VertexArray tri(sf::Triangles);
    maillage::ajouterTriangles(tri, e.vertices, decalages.data(), decalages.size(), sf::Transform(), sf::Color::White);
    ASSERT_EQ(tri.getVertexCount(), 6u);
    const sf::Vector2f attendu[6] = {{0, 0}, {16, 0}, {24, 24}, {0, 0}, {24, 24}, {0, 16}};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(tri[i].position, attendu[i]) << i;
    EXPECT_EQ(tri[2].texCoords, sf::Vector2f(16, 16));

    // In the sprite: the bottom-right point (8) of the green 3x3 mesh pulled by (8, 8).
    s.setPointMaillage(a, 0, 1, 8, 8, 8);
    pixels(dessiner(), {{40 + 21, 20 + 19, VERT}, {40 + 23, 20 + 17, NOIR}, {40 + 15, 20 + 1, VERT},
                        {40 + 1, 20 + 15, VERT}});

    // Ticks since the keyframe, and the jolt's, for any speed the editor accepts.
    s.setVitesseAnim(a, 1000000000);
    s.setFrameCourante(3);
    dessiner();
    CSPRITE3_ANIMATION& an = *s.animations[a];
    an.bSoubressaut = true;
    an.borneSup = 3;
    an.maxSoubressaut = 2;
    dessiner();
}

TEST_F(Dessin, AnimationFilleAvantEntreOuApres)
{
    // The daughter shows green where the mother shows red, and green alone at (70, 50).
    const int d = ajouterAnim(s, "fille", 4);
    s.ajouterAnimElem(d, 1, "", 0, 1);
    s.ajouterAnimElem(d, 1, "", 0, 1);
    s.setKeyAnimElemValeurs(d, 0, 0, 1, true, 10, 10, 0, 0, 1, 1, 0, false);
    s.setKeyAnimElemValeurs(d, 0, 1, 1, true, 70, 50, 0, 0, 1, 1, 0, false);
    s.animations[a]->fille = d;
    pixels(dessiner(), {{12, 12, ROUGE}, {72, 52, VERT}});  // mode 0: before the mother
    s.setModeAnimationFille(a, 2);
    pixels(dessiner(), {{12, 12, VERT}});
    // The mother's KF_DELTA moves the daughter only when the daughter carries the flag.
    s.setKeyframeDelta(a, 0, 5, 0);
    s.animations[a]->bDeltaActif = 1;
    pixels(dessiner(), {{12, 12, VERT}, {28, 12, NOIR}});
    s.animations[d]->bDeltaActif = 1;
    pixels(dessiner(), {{12, 12, ROUGE}, {28, 12, VERT}});
    s.setKeyframeFlag(a, 0, false);  // not shown at this keyframe
    pixels(dessiner(), {{12, 12, ROUGE}, {72, 52, NOIR}, {28, 12, NOIR}});
}

TEST_F(Dessin, SousSpriteEtImagePropre)
{
    // The green element becomes a sub-sprite: a global animation showing the red square at
    // (2, 0) of its own origin (1, 0), placed on the AE's position.
    CSPRITE3 global;
    global.pTextureFeuille = &feuille;
    global.ajouterElement("r", 0, 0, 16, 16, 0, 0, 2, 2, -1, -1, false);
    const int g = ajouterAnim(global, "g", 2);
    global.ajouterAnimElem(g, 0, "", 0, 1);
    global.setKeyAnimElemValeurs(g, 0, 0, 0, true, 2, 0, 0, 0, 1, 1, 0, false);
    global.animations[g]->origineGlobale = sf::Vector2f(1, 0);
    global.setAnimation2(g, 0);
    s.elements[1]->pSpriteLie = &global;
    pixels(dessiner(), {{41, 20, ROUGE}, {56, 35, ROUGE}, {40, 20, NOIR}});

    // The red element drawn from its own blue image instead of the sheet.
    sf::Image bleu;
    bleu.create(16, 16, sf::Color::Blue);
    s.elements[0]->pTexture = std::make_unique<sf::Texture>();
    ASSERT_TRUE(s.elements[0]->pTexture->loadFromImage(bleu));
    s.elements[1]->pSpriteLie = nullptr;
    pixels(dessiner(), {{11, 11, sf::Color::Blue}, {25, 25, sf::Color::Blue}, {41, 21, VERT}});
}

// Seventy AEs standing for one sub-sprite are all drawn. AEs linking the sprite itself would
// draw copies without end (each level of links eight times the one above): the links are cut,
// the sprite's own square stays, and the console says so once.
TEST_F(Dessin, SousSpritesNombreuxEntiersEtBoucleCoupee)
{
    CSPRITE3 global;  // the red square at (1, 0) from the AE's position
    global.pTextureFeuille = &feuille;
    global.ajouterElement("r", 0, 0, 16, 16, 0, 0, 2, 2, -1, -1, false);
    const int g = ajouterAnim(global, "g", 2);
    global.ajouterAnimElem(g, 0, "", 0, 1);
    global.setKeyAnimElemValeurs(g, 0, 0, 0, true, 1, 0, 0, 0, 1, 1, 0, false);
    global.setAnimation2(g, 0);
    s.elements[1]->pSpriteLie = &global;
    for (int ae = 2; ae <= 70; ++ae) {
        s.ajouterAnimElem(a, 1, "", 0, 1);
        placer(ae, 60, 40);
    }
    placer(70, 0, 40);
    pixels(dessiner(), {{2, 42, ROUGE}, {62, 42, ROUGE}});

    s.strFichier = "s.anm";
    s.elements[1]->pSpriteLie = &s;
    testing::internal::CaptureStderr();
    dessiner();
    pixels(dessiner(), {{11, 11, ROUGE}, {25, 25, ROUGE}, {27, 27, NOIR}, {2, 42, NOIR}});
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Animated sprite s.anm: sub-sprite s.anm holds it already, not drawn\n");
}

TEST_F(Dessin, CollisionDansLaHitboxSeulement)
{
    s.animations[a]->rectHitbox = sf::FloatRect(5, 5, 10, 20);
    s.animations[a]->origineGlobale = sf::Vector2f(10, 30);
    s.x = 100;
    s.y = 200;
    // (lx - x + ox, ly - y + oy) in [5, 15) x [5, 25).
    EXPECT_TRUE(s.collisionHitbox(95, 175));
    EXPECT_TRUE(s.collisionHitbox(104.5f, 194.5f));
    EXPECT_FALSE(s.collisionHitbox(94.5f, 180));
    EXPECT_FALSE(s.collisionHitbox(105, 180));
    EXPECT_FALSE(s.collisionHitbox(100, 195));
    s.setAnimation2(-1, -1);
    EXPECT_FALSE(s.collisionHitbox(100, 180));
}

TEST_F(Dessin, OmbreEcraseeEtDecalee)
{
    s.setOmbre(a, true);
    s.setOmbreDecalage(a, 0, 10);
    s.setOmbreEcrasement(a, 1, 0.5f);
    sf::RenderTexture rtOmbre;
    ASSERT_TRUE(rtOmbre.create(64, 64));
    rt.clear(sf::Color::White);
    const sf::Vector2f place = s.dessinerOmbre(&rt, 0, &rtOmbre, 0, 0, nullptr, 1.0f, 0, 0, a, 0, sf::Transform());
    rt.display();
    EXPECT_EQ(place, sf::Vector2f(0, 10));
    // Red square 10..26 squashed to 10/2 + 10 = 15 .. 23, a grey half-black.
    const sf::Image img = rt.getTexture().copyToImage();
    EXPECT_NEAR(img.getPixel(12, 18).r, 127, 2);
    EXPECT_EQ(img.getPixel(12, 18).r, img.getPixel(12, 18).g);
    pixels(img, {{12, 13, sf::Color::White}, {12, 24, sf::Color::White}});

    s.setOmbre(a, false);
    rt.clear(sf::Color::White);
    s.dessinerOmbre(&rt, 0, &rtOmbre, 0, 0, nullptr, 1.0f, 0, 0, a, 0, sf::Transform());
    rt.display();
    EXPECT_EQ(rt.getTexture().copyToImage().getPixel(12, 18), sf::Color::White);
}

TEST_F(Dessin, EvenementsSourisDesElements)
{
    ecouter();
    CSPRITE3_ANIMELEM& rouge = *s.animations[a]->animElems[0];
    for (const char* evt : {"onMouseOn", "onMouseOut", "onMouseClickLeft", "onMouseReleaseLeft", "onMouseClickRight"}) {
        rouge.evenements[evt].commandes = {"playSound"};
        rouge.evenements[evt].arguments = {evt};
    }
    s.gererSouris(sf::Vector2f(12, 12), false, false);
    s.gererSouris(sf::Vector2f(13, 12), false, false);  // still over it: nothing new
    s.gererSouris(sf::Vector2f(13, 12), true, false);
    s.gererSouris(sf::Vector2f(13, 12), true, true);
    s.gererSouris(sf::Vector2f(13, 12), false, true);
    s.gererSouris(sf::Vector2f(45, 25), false, false);  // onto the green one
    EXPECT_EQ(sons, (std::vector<std::string>{"onMouseOn", "onMouseClickLeft", "onMouseClickRight",
                                              "onMouseReleaseLeft", "onMouseOut"}));
}
