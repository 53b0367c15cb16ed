// The weapon file "armes.arm" and the weapon list.
#include "OutilsPersos.h"

#include "core/Dec.h"
#include "core/Particules.h"
#include "core/SetTextures.h"
#include "core/Sprite.h"

#include <set>

namespace {

class ArmesTest : public PersosTest {
protected:
    CArmes& liste() { return *jeu->parmes; }
    const CArme& arme(int i) { return *liste().arme(i); }
};

TEST_F(ArmesTest, EveryKeyOfTheFile)
{
    feuille("armes.png", 64, 64);
    ecrireTexte("armes.arm",
                "# banner\nRECUL=9;9\nCOLOR=1;2;3;4\nSPRITETIR=0;0;1;8;8;0;0\n"
                "ARME=ARME 8;Arc;14;40;20;900\n"
                "NOM_EN=Bow\nPLANCHE=armes.png\n"
                "ORIGINE_SPRITETIR=1;1\n"
                "SPRITETIR=0;0;2;31;17;0.5;0\n"
                "SPRITETIRCANON=0;32;1;16;16;1;1\n"
                "ORIGINE_SPRITETIR_IMPACT=12.9;3.2\n"
                "SPRITETIRIMPACTMUR=32;0;1;10;10;1;1\n"
                "SPRITETIRIMPACTPERSO=32;32;1;20;6;1;1\n"
                "CADENCETIR=7\nSON=FLECHE\nRECUL=3;2\nCOLOR=10;300;-5;128\n"
                "PARTICULE_TIR=" + particules(12, 1) + "\n"
                "ARME=ARME 9;Grenade\n"
                "PARTICULE_TIR=" + particules(5, 0) + "\nPARTICULE_TIR=" + particules(7, 1) + "\n"
                "PARTICULE_TIR2=" + particules(3, 0) + "\n"
                "ORIGINE_SPRITETIR=12.9;-3.7\n");
    EXPECT_EQ(liste().charger("armes.arm"), 0);
    ASSERT_EQ(liste().nbArmes, 2);
    ASSERT_EQ(liste().armes.size(), 2u);

    const CArme& arc = arme(0);
    EXPECT_EQ(arc.portee, 900);
    EXPECT_EQ(arc.nomPour(false) + "/" + arc.nomPour(true), "Arc/Bow") << "the French and English names";
    EXPECT_EQ(arc.dureeRecul, 3) << "a RECUL line before the first ARME must be ignored";
    EXPECT_EQ(arc.couleur, sf::Color(10, 255, 0, 128)) << "channels are clamped to 0..255";
    // An origin line before the cut is overridden by the cut's centre, one after it wins.
    EXPECT_EQ(sf::Vector2f(arc.pSpriteTir->ox, arc.pSpriteTir->oy), sf::Vector2f(15, 8)) << "31 x 17 -> (15, 8)";
    EXPECT_EQ(sf::Vector2f(arc.pSpriteImpactMur->ox, arc.pSpriteImpactMur->oy), sf::Vector2f(5, 5))
        << "the wall impact's cut comes after its origin line";
    // ".dec" order: x; y; frames; width; height; speed; loops.
    ASSERT_NE(arc.pDecTir->trouverAnim(0), nullptr);
    EXPECT_EQ(arc.pDecTir->nbFramesAnim(0), 2);
    EXPECT_EQ(arc.pDecTir->trouverAnim(0)->largeur, 31);
    EXPECT_EQ(arc.pSpriteImpactPerso->pDEC, arc.pDecImpactPerso.get()) << "each sprite is bound to its own bank";
    ASSERT_NE(arc.pParticulesTir, nullptr);
    EXPECT_TRUE(arc.pParticulesTir->bPause) << "a weapon's emitter takes its pause from value 38";
    EXPECT_FLOAT_EQ(arc.pParticulesTir->forcesY, -0.25f);

    // A short ARME line and its defaults; two PARTICULE_TIR lines leave the second one.
    const CArme& grenade = arme(1);
    EXPECT_EQ(grenade.vitesse, 0.0f) << "missing values read 0, not the line's last value again";
    EXPECT_EQ(grenade.nomPour(true), "Grenade") << "without NOM_EN, English shows the French name";
    EXPECT_EQ(grenade.portee, 0);
    ASSERT_NE(grenade.pParticulesTir, nullptr);
    EXPECT_EQ(grenade.pParticulesTir->nbParticules, 7);
    ASSERT_NE(grenade.pParticulesTir2, nullptr);
    EXPECT_EQ(sf::Vector2f(grenade.pSpriteTir->ox, grenade.pSpriteTir->oy), sf::Vector2f(12, -3))
        << "origins are truncated toward zero";
    EXPECT_EQ(grenade.pDecTir->trouverAnim(0), nullptr) << "a weapon without cut lines has empty banks";
}

TEST_F(ArmesTest, FilesThatGiveNoWeapon)
{
    struct Cas {
        const char* nom;
        const char* contenu;  // null: no file
    } cas[] = {
        {"missing", nullptr},
        {"empty", ""},
        {"comments only", "# one\n#two\n\n"},
        {"keys before any weapon", "PLANCHE=x.png\nSPRITETIR=0;0;1;4;4;0;0\nCOLOR=1;1;1;1\n"},
        {"lower-case key", "arme=ARME 1;x;1;1;1;1\n"},
    };
    for (const Cas& c : cas) {
        std::filesystem::remove("armes.arm");
        if (c.contenu)
            ecrireTexte("armes.arm", c.contenu);
        CArmes l;
        EXPECT_EQ(l.charger("armes.arm"), 0) << c.nom;
        EXPECT_EQ(l.nbArmes, 0) << c.nom;
        EXPECT_TRUE(l.armes.empty()) << c.nom;
        EXPECT_EQ(l.arme(0), nullptr) << c.nom;
    }
    EXPECT_TRUE(messages.empty()) << "a missing weapon file is not reported";
}

TEST_F(ArmesTest, IndexesOutsideTheListGiveNoWeapon)
{
    armesSimples(3);
    for (int i : {-1, 3, 1000})
        EXPECT_EQ(liste().arme(i), nullptr) << i;
    EXPECT_EQ(liste().arme(2)->nom, "ARME 3");
    // A second reading replaces the list rather than doubling it.
    liste().charger("armes.arm");
    EXPECT_EQ(liste().nbArmes, 3);
    EXPECT_EQ(liste().armes.size(), 3u);
}

TEST(ArmesLivrees, TheShippedFileHasEveryWeaponTheRulesName)
{
    const std::filesystem::path donnees = dossierDonnees();
    ASSERT_FALSE(donnees.empty());
    const auto ancien = std::filesystem::current_path();
    std::filesystem::current_path(donnees);
    CArmes liste;
    liste.charger("./personnages/armes.arm");
    std::filesystem::current_path(ancien);

    ASSERT_GE(liste.nbArmes, 22);
    std::set<std::string> noms;
    for (int i = 0; i < liste.nbArmes; ++i) {
        const CArme& a = *liste.arme(i);
        noms.insert(a.nom);
        EXPECT_FALSE(a.nomAfficheEn.empty()) << a.nom << " has no English name (NOM_EN)";
        for (const CDEC* banque : {a.pDecTir.get(), a.pDecCanon.get(), a.pDecImpactMur.get(), a.pDecImpactPerso.get()}) {
            ASSERT_NE(banque->trouverAnim(0), nullptr) << a.nom;
            EXPECT_GT(banque->nbFramesAnim(0), 0) << a.nom << ": animation 0 has no frame (sheet missing?)";
        }
        const bool explosif = a.nom == "ARME 9" || a.nom == "ARME 10";
        EXPECT_EQ(a.pParticulesTir2 != nullptr, explosif) << a.nom;
    }
    for (const char* n : {"ARME 1", "ARME 3", "ARME 4", "ARME 5", "ARME 6", "ARME 8", "ARME 9", "ARME 9-1", "ARME 10"})
        EXPECT_TRUE(noms.count(n)) << n;
    const std::string fragment = liste.arme(21)->nom;
    EXPECT_TRUE(fragment != "ARME 9" && fragment != "ARME 10" && fragment != "ARME 4")
        << "the fragments' weapon must fly straight: " << fragment;
}

} // namespace
