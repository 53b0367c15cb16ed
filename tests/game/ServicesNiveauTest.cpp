// What the game hands the level world once init has run: the seesaw's and the force zone's
// hooks, and the "FREE_IAS_MEMORY" purge of the main loop.
#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/ForceSD.h"
#include "core/Globals.h"
#include "core/Physique.h"
#include "core/Services.h"
#include "game/Jeu.h"
#include "level/Decor.h"
#include "OutilsJeu.h"
#include "support/SourceSansFocus.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A game whose init read a minimal "jeu.ini", playing its game world.
struct JeuLance {
    explicit JeuLance(const std::string& ini)
    {
        ecrireTexte("jeu.ini", "VIEWPORT=320;200\n" + ini);
        jeu.pSourceEntrees = std::make_unique<SourceSansFocus>(jeu);
        ok = jeu.init("jeu.ini") == 0;
        if (!ok)
            return;
        jeu.fenetre->setFramerateLimit(0);
        jeu.mode = 1;
        jeu.pdecor = jeu.pdecorJeu;
    }
    DossierDeTravail dossier;
    CSFMLJeu jeu;
    bool ok = false;
};

// A bank of one white frame of that size.
std::unique_ptr<CDEC> banque(int l, int h)
{
    auto b = std::make_unique<CDEC>();
    b->planche.create(unsigned(l), unsigned(h), sf::Color::White);
    b->ajouterAnimDec(0, 0, 1, l, h, 1.0f, 0);
    return b;
}

// A character of a 20x40 bank, its feet at (x, y), in the list.
CPerso* perso(std::list<CPerso*>& liste, CDEC& b, float x, float y)
{
    auto* p = new CPerso();
    p->sprite->pDEC = &b;
    p->sprite->placer(0, int(x), int(y));
    p->sprite->setOrigine(10, 40);
    liste.push_back(p);
    return p;
}

} // namespace

TEST(ServicesNiveau, PurgeDesIAs)
{
    for (bool cle : {true, false}) {
        JeuLance l(cle ? "FREE_IAS_MEMORY=1\n" : "");
        ASSERT_TRUE(l.ok);
        CDecor& d = *l.jeu.pdecor;
        auto* vivant = new CPerso();
        auto* fini = new CPerso();
        fini->bDel = true;
        d.ias = {vivant, fini};
        l.jeu.pPersoSelection = fini;
        EXPECT_TRUE(l.jeu.etape());
        if (cle) {
            EXPECT_EQ(d.ias, (std::list<CPerso*>{vivant})) << "the finished AI left and was freed";
            EXPECT_EQ(l.jeu.pPersoSelection, nullptr);
        } else {
            EXPECT_EQ(d.ias.size(), 2u) << "without the key nothing leaves";
        }
        l.jeu.pdecor = nullptr;
        EXPECT_TRUE(l.jeu.etape()) << "a frame without a world";
    }
}

// Two characters left of a seesaw's pivot tilt it to the left; a force zone pushes the
// character it meets and not the other.
TEST(ServicesNiveau, BasculeEtZoneDeForce)
{
    JeuLance l("");
    ASSERT_TRUE(l.ok);
    CDecor& d = *l.jeu.pdecor;
    auto planche = banque(200, 20), corps = banque(20, 40);

    CSPRITE bascule;
    bascule.pDEC = planche.get();
    bascule.placer(0, 100, 300);  // pivot in the middle, at x 200
    CPerso* a = perso(d.persos, *corps, 120, 300);
    CPerso* b = perso(d.ias, *corps, 150, 300);
    CPerso* ailleurs = perso(d.ias, *corps, 360, 300);
    a->support = b->support = &bascule;
    a->poids = b->poids = 10;
    std::vector<Charge> charges;
    g_services.chargesSurSprite(&bascule, charges);
    ASSERT_EQ(charges.size(), 2u);
    EXPECT_EQ(charges[0].x, 120);
    EXPECT_EQ(charges[0].poids, 10);
    CPhysBascule phys(30, 30, -1, 5, 1.0f, 0, 0, 0);
    phys.maj(&bascule);
    EXPECT_LT(bascule.angleDynamique, 0) << "tilts to the left";

    CSPRITE zone;
    zone.pDEC = planche.get();
    zone.placer(0, 100, 240);  // (100, 240) to (300, 260): meets a and b, whose boxes span y 260-300
    zone.setOrigine(0, 0);
    zone.plan = 2;
    CForceSD force;
    force.ForceX = 3;
    force.ForceY = -2;
    force.maj(&zone);
    EXPECT_EQ(a->vitesseForceX, 0) << "its box, (110, 260) to (130, 300), only touches the zone's edge";
    zone.placer(0, 100, 250);
    force.maj(&zone);
    EXPECT_EQ(sf::Vector2f(a->vitesseForceX, a->vitesseForceY), sf::Vector2f(3, -2));
    EXPECT_EQ(sf::Vector2f(b->vitesseForceX, b->vitesseForceY), sf::Vector2f(3, -2));
    EXPECT_EQ(sf::Vector2f(ailleurs->vitesseForceX, ailleurs->vitesseForceY), sf::Vector2f(0, 0))
        << "its box, (350, 260) to (370, 300), lies outside";
    force.modeForce = 2;  // added while below the drawn limit, here 0: never
    force.maj(&zone);
    EXPECT_EQ(a->vitesseForceX, 3);
    const float xAvant = a->sprite->x;
    EXPECT_TRUE(l.jeu.etape());
    EXPECT_GT(a->sprite->x, xAvant) << "the game's frame moves the character by the zone's push";
    EXPECT_LT(a->vitesseForceX, 3) << "and the push fades once used";

    l.jeu.pdecor = nullptr;
    charges.clear();
    g_services.chargesSurSprite(&bascule, charges);
    force.maj(&zone);
    EXPECT_TRUE(charges.empty()) << "no world, no charge";
}
