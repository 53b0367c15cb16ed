// The character drawing, read back from the scene's pixels: return codes, life bars,
// messages, reload, shield, weapon images and the editor overlay.
#include "OutilsCombat.h"
#include "OutilsPersos.h"

#include "characters/Armes.h"
#include "level/Decor.h"
#include "core/Media.h"
#include "support/Outils.h"

#include <cstdlib>

namespace {

using namespace EtatPerso;

// Alpha 180 of 255: the background (0, 0, 0, 180) over white gives 75; a value's colour c
// over that background gives c x 0.706 + 22.
const sf::Color FOND_BARRE(75, 75, 75);

class Dessin : public Combat {
protected:
    void SetUp() override
    {
        Combat::SetUp();
        bloc(0, 500, 2000, 40);
        scene().clear(sf::Color::White);
    }
    sf::RenderTexture& scene() { return *CSFMLJeuGlobal::prenderTexture; }
    sf::Color pixel(unsigned x, unsigned y)
    {
        scene().display();
        return scene().getTexture().copyToImage().getPixel(x, y);
    }
    // A weapon list of one weapon of full load 10, and a current slot of that weapon.
    SlotArme& slot(CPerso& p, int munitions, int rechargeAuto = -1)
    {
        if (!jeu->parmes) {
            jeu->parmes = new CArmes();
            jeu->parmes->armes.push_back(new CArme());
            jeu->parmes->armes.back()->munitions = 10;
            jeu->parmes->nbArmes = 1;
        }
        auto* s = new SlotArme();
        s->munitions = munitions;
        s->rechargeAuto = rechargeAuto;
        p.armes.push_back(s);
        p.nbarmesperso = 1;
        p.armeCourante = 0;
        return *s;
    }
};

bool proche(sf::Color a, sf::Color b) { return std::abs(a.r - b.r) <= 3 && std::abs(a.g - b.g) <= 3 && std::abs(a.b - b.b) <= 3; }

} // namespace

TEST_F(Dessin, CodesDeRetour)
{
    CPerso* supprime = ia(100, 500);
    supprime->bDel = true;
    CPerso* sansImage = ia(100, 500);
    sansImage->sprite->pDEC = nullptr;
    CPerso* cache = ia(100, 500);
    cache->sprite->setVisible(false);
    CPerso* presDeLaVue = ia(1500, 500);   // the view is 1280 wide: half a view more is 1920
    CPerso* loinDeLaVue = ia(2000, 500);
    CPerso* joueurLoin = perso(2000, 500);
    CPerso* vu = ia(300, 500);
    const std::pair<CPerso*, int> cas[] = {{supprime, 10}, {sansImage, 0},    {cache, 9},     {presDeLaVue, 1},
                                           {loinDeLaVue, 8}, {joueurLoin, 1}, {vu, 1}};
    for (const auto& [p, code] : cas)
        EXPECT_EQ(p->dessiner(scene()), code) << "AI at x " << p->sprite->x;
}

TEST_F(Dessin, BarresDeVie)
{
    struct Cas {
        const char* cas;
        int modeIA, numJoueur, vie, vieMax;
        bool paralyse;
        int typeJeu;
        bool barre;
        sf::Color avant;  // at the bar's left end
    } cas[] = {
        {"AI above 200", 0, 1, 150, 300, false, 0, true, sf::Color(22, 202, 22)},
        {"AI of 200", 0, 1, 100, 200, false, 0, true, sf::Color(202, 22, 22)},
        {"AI of 0", 0, 1, -5, 0, false, 0, false, sf::Color::White},
        {"player 0", -1, 0, 50, 100, false, 0, true, sf::Color(202, 22, 22)},
        {"player 1", -1, 1, 50, 100, false, 0, true, sf::Color(22, 22, 202)},
        {"paralysed player 0", -1, 0, 100, 100, true, 2, true, sf::Color(131, 22, 22)},
        {"full life, adventure", -1, 0, 100, 100, false, 0, false, sf::Color::White},
    };
    for (const Cas& k : cas) {
        CPerso* p = perso(100, 500);
        p->modeIA = k.modeIA;
        p->numJoueur = k.numJoueur;
        p->vie = k.vie;
        p->vieMax = k.vieMax;
        p->bParalyse = k.paralyse;
        p->vieParalysie = 50;
        jeu->typeJeu = k.typeJeu;
        EXPECT_EQ(p->dessiner(scene()), 1) << k.cas;
        // The sprite's top is 500 - 64: the bar lies from y 434, x 60 to 140.
        EXPECT_TRUE(proche(pixel(61, 436), k.avant)) << k.cas;
        const sf::Color fin = pixel(139, 436);
        EXPECT_TRUE(proche(fin, k.barre ? FOND_BARRE : sf::Color::White) || proche(fin, k.avant))
            << k.cas << ": " << int(fin.r) << "," << int(fin.g) << "," << int(fin.b);
        TearDown();
        SetUp();
    }
    CPerso* p = ia(100, 500);
    p->vie = 10;
    decor->bInfosVie = false;
    p->dessiner(scene());
    EXPECT_EQ(pixel(61, 436), sf::Color::White) << "the level hides life bars";
}

// A player's ring after a hit: counter 11 draws radius 5 x 10 around the head (100, 440),
// in the player's colour at alpha 70 over the white scene.
TEST_F(Dessin, AnneauDeClignotementParJoueur)
{
    const std::pair<int, sf::Color> cas[] = {
        {0, sf::Color(255, 185, 185)}, {1, sf::Color(185, 185, 255)}, {2, sf::Color::White}};
    for (const auto& [numJoueur, couleur] : cas) {
        CPerso* p = perso(100, 500);
        p->modeIA = -1;
        p->numJoueur = numJoueur;
        p->vie = p->vieMax = 100;
        p->compteurClignote = 11;
        p->dessiner(scene());
        EXPECT_EQ(p->compteurClignote, 10);
        EXPECT_TRUE(proche(pixel(130, 410), couleur)) << "player number " << numJoueur;
        EXPECT_EQ(pixel(100, 385), sf::Color::White) << "no further than 50 from the head";
        TearDown();
        SetUp();
    }
}

TEST_F(Dessin, MessagesFlottantsAuxDeuxCadences)
{
    for (float c : COEFFICIENTS) {
        coefficient(c);
        CPerso* p = perso(100, 500);
        p->prendreCoup(25, 0, 0, 1);
        ASSERT_EQ(p->messages.size(), 1u);
        MessagePerso& m = *p->messages.front();
        m.decalageX = m.decalageY = 0;
        m.derive = 3;
        p->dessiner(scene());
        EXPECT_EQ(p->texteFeu.getString().toAnsiString(), "25") << "an empty text shows the damage";
        EXPECT_FLOAT_EQ(p->texteFeu.getRotation(), 9) << "three times the drift";
        for (int i = 1; i < images(10); ++i)
            p->dessiner(scene());
        EXPECT_EQ(m.decalageX, 30) << "drift 3 per frame at 30 fps, at " << c;
        EXPECT_EQ(m.decalageY, 100) << "10 per frame at 30 fps, at " << c;
        const int vie = c == 1.0f ? 45 : 75;
        for (int i = images(10); i < vie - 1; ++i)
            p->dessiner(scene());
        EXPECT_EQ(p->messages.size(), 1u) << "alive until its last frame at " << c;
        p->dessiner(scene());
        EXPECT_TRUE(p->messages.empty()) << "gone after " << vie << " frames at " << c;
        TearDown();
        SetUp();
    }
}

// "Headshot !" over a character at the view's top right corner rises and drifts right for a
// second and a half: it is drawn inside the view all along, below the top twelfth (the
// killcam's film band) and above the bottom one, its text unchanged. The message of a
// character out of view is left where its course puts it.
TEST_F(Dessin, UnMessageResteDansLaVue)
{
    sf::Font police;
    ASSERT_TRUE(tuv::chargerMedia(police, (dossierDonnees() / "polices" / "arial.ttf").string()));
    const sf::Vector2f vue = scene().getView().getSize();
    // Less the bands of a twelfth, give or take the rounding of the moves.
    const sf::FloatRect dedans(-0.01f, vue.y / 12 - 0.01f, vue.x + 0.02f, vue.y * 5 / 6 + 0.02f);
    CPerso* vu = perso(vue.x - 30, 150);
    CPerso* horsVue = perso(vue.x + 300, 150);
    for (CPerso* p : {vu, horsVue}) {
        p->texteFeu.setFont(police);
        p->messages.push_back(new MessagePerso{45, 100, 0, 0, 4, "Headshot !"});
    }
    for (int i = 0; i < 44; ++i) {
        vu->dessiner(scene());
        const sf::FloatRect b = vu->texteFeu.getGlobalBounds();
        ASSERT_TRUE(dedans.contains(b.left, b.top) && dedans.contains(b.left + b.width, b.top + b.height)) << i;
    }
    EXPECT_EQ(vu->texteFeu.getString(), sf::String(L"Headshot !"));
    horsVue->dessiner(scene());
    EXPECT_FLOAT_EQ(horsVue->texteFeu.getPosition().x, vue.x + 300) << "drawn at its character, out of view";
}

TEST_F(Dessin, RechargementAutomatiqueAuxDeuxCadences)
{
    struct Cas {
        int rechargeAuto, images30, munitions;
    } cas[] = {{0, 5, 5}, {2, 9, 3}, {0, 20, 10}, {-1, 10, 0}};
    for (float c : COEFFICIENTS)
        for (const Cas& k : cas) {
            coefficient(c);
            CPerso* p = perso(100, 500);
            SlotArme& s = slot(*p, 0, k.rechargeAuto);
            for (int i = 0; i < images(k.images30); ++i)
                p->dessiner(scene());
            EXPECT_EQ(s.munitions, k.munitions) << "every " << k.rechargeAuto << " + 1 frames at 30 fps, at " << c;
            TearDown();
            SetUp();
        }
}

TEST_F(Dessin, BouclierQuiSEteint)
{
    for (float c : COEFFICIENTS) {
        coefficient(c);
        CPerso* p = perso(100, 500);
        p->bBouclier = p->bBouclierActif = true;
        p->reserveBouclier = 0.5f;
        p->usureBouclier = 0.25f;
        for (int i = 1; i < images(2); ++i)
            p->dessiner(scene());
        EXPECT_TRUE(p->bBouclierActif) << "at " << c;
        p->dessiner(scene());
        EXPECT_FALSE(p->bBouclierActif) << "spent in two frames at 30 fps, at " << c;
        EXPECT_FLOAT_EQ(p->reserveBouclier, 0);
        TearDown();
        SetUp();
    }
}

TEST_F(Dessin, ImagesDArmeDerriereEtDevant)
{
    // Body (white, 32 x 64), weapon in front (red, 8 x 8), weapon behind (blue, 64 x 64).
    auto* b = new CDEC();
    b->planche.create(128, 64, sf::Color::White);
    for (unsigned y = 0; y < 64; ++y)
        for (unsigned x = 32; x < 128; ++x)
            b->planche.setPixel(x, y, x < 40 ? sf::Color::Red : x >= 64 ? sf::Color::Blue : sf::Color::Black);
    b->ajouterAnimDec(0, 0, 1, 32, 64, 1, 0);
    b->ajouterAnimDec(32, 0, 1, 8, 8, 1, 0);
    b->ajouterAnimDec(64, 0, 1, 64, 64, 1, 0);
    decor->modelesDEC["ARMES"] = b;
    CPerso* p = perso(100, 500);
    p->sprite->pDEC = b;
    p->sprite->placer(0, 100, 500);
    SlotArme& s = slot(*p, 5);
    s.premierSprite[0] = 2;
    s.premierSprite[1] = 1;
    p->dessiner(scene());
    EXPECT_EQ(pixel(130, 470), sf::Color::Blue) << "the weapon behind shows past the body";
    EXPECT_EQ(pixel(110, 470), sf::Color::White) << "and is hidden by it";
    EXPECT_EQ(pixel(86, 440), sf::Color::Red) << "the weapon in front covers the body";
    p->armeCourante = 3;
    scene().clear(sf::Color::White);
    p->dessiner(scene());
    EXPECT_EQ(pixel(130, 470), sf::Color::White) << "a slot index outside the list: no weapon image";
}

TEST_F(Dessin, OverlayDeLEditeur)
{
    jeu->mode = 2;
    CPerso* p = perso(100, 500);
    p->posTete[0] = 60;
    p->sprite->hitbox[0] = p->sprite->hitbox[2] = 4;
    p->sprite->hitbox[1] = 6;
    p->sprite->y0 = 500;
    p->distancePatrouille = 50;
    jeu->pPersoSelection = p;
    p->dessiner(scene());
    EXPECT_EQ(pixel(83, 470), sf::Color::Red) << "the sprite's box: 84 to 116, outlined outside";
    EXPECT_EQ(pixel(87, 470), sf::Color::Blue) << "the hit box: 4 pixels in from each side";
    EXPECT_EQ(pixel(100, 440), sf::Color::Red) << "the head point";
    const sf::Color barre = pixel(55, 501);
    EXPECT_TRUE(barre.r == barre.g && barre.g == barre.b && barre.r < 255) << "the grey patrol bar";

    CPerso* anime = perso(300, 500);
    Combat::anime(*anime, {"ARRET_VISEE"});
    anime->sprite->getAnim(0)->rectHitbox = sf::FloatRect(-5, -60, 20, 60);
    jeu->bAfficheHitboxes = true;
    anime->dessiner(scene());
    EXPECT_EQ(pixel(294, 470), sf::Color::Blue) << "a layered hit box from its rectangle: 295 to 315";
    anime->sprite->miroir = -1;
    scene().clear(sf::Color::White);
    anime->dessiner(scene());
    EXPECT_EQ(pixel(284, 470), sf::Color::Blue) << "mirrored: 285 to 305";
    anime->sprite->miroir = 1;
    // As the ".anm" files give it: in the frame, whose global origin stands at the feet.
    anime->sprite->getAnim(0)->origineGlobale = sf::Vector2f(16, 64);
    anime->sprite->getAnim(0)->rectHitbox = sf::FloatRect(6, 8, 20, 56);
    scene().clear(sf::Color::White);
    anime->dessiner(scene());
    EXPECT_EQ(pixel(289, 470), sf::Color::Blue) << "300 - 16 + 6: the box stands on the body";

    jeu->mode = 1;
    scene().clear(sf::Color::White);
    p->dessiner(scene());
    EXPECT_EQ(pixel(83, 470), sf::Color::White) << "no overlay in the game";
}
