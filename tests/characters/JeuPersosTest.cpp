// What each maker copies from a definition, margins at the limits, and the shipped character
// files.
#include "OutilsPersos.h"

#include "characters/EtatsPerso.h"
#include "characters/Explosions.h"
#include "core/Dec.h"
#include "core/SetTextures.h"
#include "level/Decor.h"

#include <climits>

namespace {

class JeuPersosTest : public PersosTest {
protected:
    // The shipped data, copied: the game reads and may write relative paths.
    void avecDonnees()
    {
        std::filesystem::copy(dossierDonnees(), ".", std::filesystem::copy_options::recursive |
                                                         std::filesystem::copy_options::overwrite_existing);
    }
};

TEST_F(JeuPersosTest, EveryMakerCopiesTheDefinitionItsWay)
{
    std::filesystem::create_directories("p");
    feuille("p/perso.png", 64, 64);
    ecrireTexte("p/sans.per", "ID=PLAT\nPLANCHE=p/perso.png;\nSPRITE=0;0;20;40;1;0;0\nHITBOX=2;5;2;7\n"
                              "VITESSE=4\nORIGINE=-1;8.7\nSON_DEGATS=\nEXPLOSION=BOUM;1;2;3\n"
                              "ANIM_PERSO_MORT=9\nPATROUILLE=50\nADD_OVER=chapeau;chapeau.png;0;1;2;1;1;0;1\n");
    CDecor decor;
    decor.modelesPersos["PLAT"] = new CDEC();
    CPersoDef def;
    def.charger("p/sans.per", false, &decor);
    CDEC explosion;
    explosion.chargerPlanche("p/perso.png", "");
    explosion.ajouterAnim(0, 0, 30, 10, 1, 0, 0);
    jeu->pExplosions = new CExplosions();
    jeu->pExplosions->explosions["BOUM"] = &explosion;

    struct Cas {
        CPersoDef::Usage usage;
        int vitesseCourante, origineY, animMort, patrouille;
        bool explosion;
    } cas[] = {
        {CPersoDef::Usage::Prechargement, 4, 0, 14, 0, false},
        {CPersoDef::Usage::Perso3, 4, 0, 14, 0, false},
        {CPersoDef::Usage::CreationIA, 1, 8, 9, 50, true},
    };
    for (const Cas& c : cas) {
        CPerso p;
        p.sprite->pDEC = decor.modelesPersos["PLAT"];
        p.sprite->setOrigine(0, 0);
        p.direction = 1;  // the sheet faces right (DIRECTION_PLANCHE 0)
        def.appliquer(p, c.usage);
        const int u = static_cast<int>(c.usage);
        EXPECT_EQ(p.hauteurHitbox, 40 - 5 - 7) << u << ": the frame less the top and bottom margins";
        EXPECT_EQ(p.vitesseCourante, c.vitesseCourante) << u;
        EXPECT_EQ(p.sonDegats, "TOUCHE") << "an empty sound keeps the character's";
        EXPECT_EQ(p.sprite->ox, 10.0f) << u << ": -1 gives half the width";
        EXPECT_EQ(p.sprite->oy, static_cast<float>(c.origineY)) << u << ": a given y is the AI creation's only";
        EXPECT_EQ(p.animMort, c.animMort) << u;
        EXPECT_EQ(p.distancePatrouille, c.patrouille) << u;
        EXPECT_EQ(p.sprite->flipH, c.explosion ? -1 : 1) << u << ": mirrored when facing away from the sheet";
        EXPECT_EQ(p.sprite->overs.count("chapeau"), c.explosion ? 1u : 0u) << u;
        EXPECT_EQ(p.spriteBouclier->pDEC, c.explosion ? &explosion : nullptr) << u;
        if (c.explosion) {
            EXPECT_EQ(sf::Vector2f(p.spriteBouclier->getSX(), p.spriteBouclier->getSY()), sf::Vector2f(2, 3));
        }
    }
    jeu->pExplosions->explosions.clear();
}

// Margins of a ".per" at the limits of int are held where they are read, so that the hit box
// of a crouching character (frame less margins, less the head's drop) is a plain sum; an
// origin at the limits of float is held to +-2e9 as it becomes a pixel. The AI's kind is not
// a margin: it keeps the int read.
TEST_F(JeuPersosTest, MarginsAtTheLimitsOfIntGiveABoundedHitBox)
{
    std::filesystem::create_directories("p");
    feuille("p/perso.png", 64, 64);
    struct Cas {
        const char *haut, *bas, *origine;
        float marge;
    } cas[] = {{"2147483647", "-2147483648", "3.4028235e38;-3.4028235e38", 1e6f},
               {"99999999999999999999", "-99999999999999999999", "1e99;-1e99", 1e6f},
               {"-2147483648", "2147483647", "-1e99;1e99", -1e6f}};
    for (const Cas& c : cas) {
        const std::string h = c.haut, b = c.bas;
        ecrireTexte("p/l.per", "ID=PLAT\nPLANCHE=p/perso.png;\nSPRITE=0;0;20;40;1;0;0\nHITBOX=" + h + ";" + h + ";" + h +
                                   ";" + h + "\nPOSITIONTETE=" + h + ";" + b + "\nORIGINE=" + c.origine + "\nIA=" + h + "\n");
        CDecor decor;
        decor.modelesPersos["PLAT"] = new CDEC();
        CPersoDef def;
        def.charger("p/l.per", false, &decor);
        EXPECT_EQ(def.modeIA, c.marge > 0 ? INT_MAX : INT_MIN) << h;
        CPerso p;
        p.sprite->pDEC = decor.modelesPersos["PLAT"];
        def.appliquer(p, CPersoDef::Usage::CreationIA);
        EXPECT_EQ(p.hauteurHitbox, c.marge > 0 ? 0 : 2000040) << h << ": 40 less two margins, at least 0";
        EXPECT_EQ(sf::Vector2f(p.sprite->ox, p.sprite->oy), c.marge * sf::Vector2f(2000, -2000)) << c.origine;
        p.mode = EtatPerso::BAISSE;
        const sf::FloatRect r = decor.rectPerso(p);
        EXPECT_EQ(sf::Vector2f(r.width, r.height), sf::Vector2f(20 - 2 * c.marge, 40 - 4 * c.marge))
            << h << ": the crouching top margin is the margin and twice the head's drop";
    }
}

// The shipped characters: every state has its animation, the hero aims and casts a shadow, the
// plain-sprite character fills its bank, the turret shows its seat.
TEST_F(JeuPersosTest, TheShippedCharacterFiles)
{
    avecDonnees();
    const char* etats[] = {"ARRET_VISEE", "MARCHE_VISEE", "BAISSE", "BAISSE_MARCHE_VISEE", "ARRET_BAISSE_VISEE",
                           "SAUT_MONTE", "CHUTE", "TOUCHE", "SAUT_RECEPTION", "ACTION", "DASH", "PARALYSE",
                           "VICTOIRE", "MORT", "MORT_2", "MORT_4", "MORT_5_EXPLO"};
    for (const char* nom : {"./personnages/heros.anm", "./personnages/garde.anm"}) {
        CSPRITE3 s;
        ASSERT_TRUE(s.charger(nullptr, nullptr, nom, false)) << nom;
        for (const char* e : etats)
            EXPECT_TRUE(s.getEtat(e) >= 0 && s.getEtat(e) < s.getNbAnimations()) << nom << " " << e;
        const int mort = s.getEtat("MORT");
        for (const char* surimpression : {"mort_feu", "mort_fleche", "mort_fleche_tete", "mort_piques"})
            EXPECT_NE(s.getAnimationParNom(s.getAnim(mort)->nom, surimpression), nullptr) << nom << " " << surimpression;
    }
    CSPRITE3 s;
    ASSERT_TRUE(s.charger(nullptr, nullptr, "./personnages/heros.anm", false));
    for (const char* e : {"ARRET_VISEE", "MARCHE_VISEE"})
        EXPECT_EQ(s.getNbFrames(s.getEtat(e)), 181) << e << ": one frame per degree of aim";
    EXPECT_TRUE(s.hasOmbre(s.getEtat("ARRET_VISEE")));
    EXPECT_FALSE(s.hasOmbre(s.getEtat("CHUTE"))) << "in the air the character's code looks for the ground";

    CDecor decor;
    CDEC* bloc = new CDEC();
    decor.modelesPersos["BLOC"] = bloc;
    CPersoDef defBloc;
    defBloc.charger("./personnages/bloc.per", false, &decor);
    EXPECT_EQ(bloc->nbAnims, 47) << "the plain-sprite character's numbered animations";
    decor.modelesPersos["TOURELLE_CONTROLABLE"] = new CDEC();
    CPersoDef defTourelle;
    defTourelle.charger("./personnages/tourelle.per", false, &decor);
    ASSERT_EQ(defTourelle.overs.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(defTourelle.overs[0].fichier)) << "the turret's seat marker";
    EXPECT_TRUE(messages.empty()) << messages.front();
}

} // namespace
