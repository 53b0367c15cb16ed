// Jumps, falls and landings, at 30 and 60 frames per second.
#include "OutilsMouvement.h"

#include "characters/EtatsPerso.h"
#include "core/Commandes.h"

#include <algorithm>
#include <vector>

namespace {

class Saut : public Mouvement {
protected:
    // A jumper on a floor whose top row is 500: maxSaut 14, vitesseSaut 9, vitesseChute 10.
    CPerso* sauteur()
    {
        bloc(0, 500, 2000, 40);
        CPerso* p = perso(100, 500);
        p->maxSaut = 14;
        p->vitesseSaut = 9;
        p->vitesseChute = 10;
        return p;
    }
    // The highest the feet get while jump is held for `tenu` frames (at 30 fps) and then
    // released, over two seconds.
    float sommet(CPerso* p, int tenu)
    {
        CommandesJoueur c{};
        float haut = y(p);
        for (int i = 0; i < images(60); ++i) {
            c.bSautMaintenu = i < images(tenu);
            p->appliquerCommandes(c);
            haut = std::min(haut, y(p));
        }
        return haut;
    }
};

// A layered sprite of four looping two-frame animations named for the states it plays.
CSPRITE3* spriteAnime()
{
    auto* s = new CSPRITE3();
    s->bAnime = true;
    const char* noms[] = {"ARRET_VISEE", "CHUTE", "SAUT_RECEPTION", "VICTOIRE"};
    for (int a = 0; a < 4; ++a) {
        s->ajouterAnimation(noms[a], true);
        s->setNbFrames(a, 2);
        s->setVitesseAnim(a, 1);
        s->getAnim(a)->rectHitbox = sf::FloatRect(-10, -60, 20, 60);
        s->etats[noms[a]] = a;
    }
    s->setAnimation(0, 0, true);
    s->play();
    return s;
}

} // namespace

TEST_F(Saut, SommetDuSautTenuEtSautMinimum)
{
    for (float c : COEFFICIENTS) {
        coefficient(c);
        CPerso* p = sauteur();
        EXPECT_NEAR(500 - sommet(p, 60), 14 * 9, 9) << "held to the top, at " << c;
        TearDown();
        SetUp();
        coefficient(c);
        p = sauteur();
        const float minimum = 500 - sommet(p, 3);
        EXPECT_GE(minimum, 14 * 9 / 1.5f) << "released after three frames, at " << c;
        EXPECT_LT(minimum, 14 * 9) << "but not to the full height, at " << c;
        TearDown();
        SetUp();
    }
}

TEST_F(Saut, UnPlafondArreteLaMontee)
{
    for (float c : COEFFICIENTS) {
        coefficient(c);
        CPerso* p = sauteur();
        bloc(60, 400, 100, 20, 2);  // a box: its whole body column collides
        const float haut = sommet(p, 60);
        EXPECT_EQ(haut, 482) << "the head would reach the ceiling one more rise up, at " << c;
        TearDown();
        SetUp();
    }
}

TEST_F(Saut, ChutesEtReceptions)
{
    // Falling at vitesseChute 10: probes at 0 and 8; nothing: 16 pixels; ground at 8: 15 and lands.
    CPerso* p = perso(100, 300);
    p->vitesseChute = 10;
    const unsigned long avant = CPerso::nbSondes;
    p->tomber();
    EXPECT_EQ(CPerso::nbSondes - avant, 2u);
    EXPECT_EQ(y(p), 316);
    EXPECT_EQ(p->mode, EtatPerso::CHUTE);
    bloc(0, 324, 300, 40);
    p->tomber();
    EXPECT_EQ(y(p), 331) << "ground met at offset 8";
    EXPECT_EQ(p->mode, EtatPerso::RECEPTION_CHUTE);

    // The same landing height at both rates, once the landing is over.
    for (float c : COEFFICIENTS) {
        TearDown();
        SetUp();
        coefficient(c);
        bloc(0, 500, 2000, 40);
        CPerso* q = perso(100, 283);
        q->vitesseChute = 10;
        q->setEtat(EtatPerso::CHUTE);
        for (int i = 0; i < images(40); ++i)
            q->appliquerCommandes(CommandesJoueur{});
        EXPECT_EQ(y(q), 500) << "at " << c;
        EXPECT_EQ(q->mode, EtatPerso::ARRET) << "at " << c;
    }
}

TEST_F(Saut, ReceptionDixOnzeZeroQuandLAnimationABoucle)
{
    bloc(0, 500, 2000, 40);
    CPerso* p = perso(100, 500);
    delete p->sprite;
    p->sprite = spriteAnime();
    p->sprite->x = 100;
    p->sprite->y = 500;
    p->setEtat(EtatPerso::RECEPTION_CHUTE);
    std::vector<int> etats;
    for (int i = 0; i < 4; ++i) {
        p->appliquerCommandes(CommandesJoueur{});
        p->sprite->update(nullptr, 1, 0, 0, -1);  // the drawing plays the animation
        etats.push_back(p->mode);
    }
    EXPECT_EQ(etats, (std::vector<int>{10, 10, 11, 0})) << "landing lasts until its two frames have looped";
    EXPECT_EQ(p->getNomAnimation(), "ARRET_VISEE");
}

TEST_F(Saut, MortsEtVainqueursTombentPixelParPixel)
{
    struct Cas {
        int etat;
        float sol;     // top row of the ground below the feet at 300 (0: none)
        float yFinal;
        int etatFinal;
    };
    const Cas cas[] = {
        {EtatPerso::MORT, 0, 311, EtatPerso::MORT},        // first step beyond 10: 11
        {EtatPerso::MORT, 305, 305, EtatPerso::MORT},      // stops at the ground, still dead
        {EtatPerso::VICTOIRE, 0, 311, EtatPerso::VICTOIRE},
        {EtatPerso::VICTOIRE, 305, 305, EtatPerso::RECEPTION_CHUTE},  // victoire() sets 18 again
    };
    for (const Cas& k : cas) {
        if (k.sol > 0)
            bloc(0, k.sol, 300, 40);
        CPerso* p = perso(100, 300);
        p->vitesseChute = 10;
        p->mode = k.etat;
        const unsigned long avant = CPerso::nbSondes;
        p->tomber();
        EXPECT_EQ(y(p), k.yFinal) << "state " << k.etat << " ground " << k.sol;
        EXPECT_EQ(p->mode, k.etatFinal) << "state " << k.etat << " ground " << k.sol;
        if (k.sol == 0) {
            EXPECT_EQ(CPerso::nbSondes - avant, 11u) << "one probe per pixel, 0 to 10";
        }
        if (k.etat == EtatPerso::MORT) {
            EXPECT_EQ(p->sprite->getNumAnim(), p->animMort) << "the dead fall in their death pose";
        }
        TearDown();
        SetUp();
    }

    // A winner on the ground lands and is back in its pose each frame; the pose plays on.
    bloc(0, 500, 2000, 40);
    CPerso* p = perso(100, 500);
    delete p->sprite;
    p->sprite = spriteAnime();
    p->sprite->x = 100;
    p->sprite->y = 500;
    std::vector<int> frames;
    for (int i = 0; i < 4; ++i) {
        p->victoire();
        EXPECT_EQ(p->mode, EtatPerso::VICTOIRE);
        frames.push_back(p->sprite->getFrameCourante());
        p->sprite->update(nullptr, 1, 0, 0, -1);
    }
    EXPECT_EQ(p->getNomAnimation(), "VICTOIRE");
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 0, 1})) << "the victory animation is not restarted by each landing";
}
