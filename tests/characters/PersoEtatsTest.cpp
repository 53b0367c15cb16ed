// A character's states and the animations they play.
#include "OutilsPersos.h"

#include "characters/EtatsPerso.h"
#include "core/Hasard.h"

#include <set>

namespace {

// One animation per name, in this order; the death ones carry the four death overlays.
const char* const NOMS[] = {"ARRET_VISEE", "MARCHE_VISEE", "BAISSE", "BAISSE_MARCHE_VISEE", "ARRET_BAISSE_VISEE",
                            "SAUT_MONTE", "CHUTE", "TOUCHE", "SAUT_RECEPTION", "ACTION", "DASH", "PARALYSE",
                            "VICTOIRE", "COUP_0", "MORT", "MORT_2", "MORT_4", "MORT_5_EXPLO"};
const char* const SURIMPRESSIONS[] = {"mort_feu", "mort_fleche", "mort_fleche_tete", "mort_piques"};
constexpr int NB_NOMS = sizeof(NOMS) / sizeof(NOMS[0]);

int indexDe(const std::string& nom)
{
    for (int i = 0; i < NB_NOMS; ++i)
        if (nom == NOMS[i])
            return i;
    return -1;
}

class PersoEtatsTest : public PersosTest {
protected:
    void SetUp() override
    {
        PersosTest::SetUp();
        feuille("f.png", 64, 64);
        CSPRITE3& s = *perso.sprite;
        ASSERT_TRUE(s.chargerTexture("test", "f.png"));
        s.ajouterElement("corps", 0, 0, 16, 32, 0, 0, 2, 2, -1, -1, false);
        for (const char* nom : SURIMPRESSIONS)
            s.ajouterElement(nom, 16, 0, 8, 8, 0, 0, 2, 2, -1, -1, false);
        for (int a = 0; a < NB_NOMS; ++a) {
            s.ajouterAnimation(NOMS[a], true);
            s.setNbFrames(a, 6);
            s.ajouterAnimElem(a, 0, "", 0, 1);
            if (std::string(NOMS[a]).rfind("MORT", 0) == 0)
                for (int e = 1; e <= 4; ++e) {
                    s.ajouterAnimElem(a, e, "", 0, 1);
                    s.setKeyAnimElemVisible(a, 0, e, false, false);
                }
            s.getAnim(a)->rectHitbox = sf::FloatRect(0, 0, 10, 20.0f + a);
            s.setEtatAnimation(NOMS[a], a, a);
        }
        s.bAnime = true;
        s.setAnimation(0, 0, true);
    }
    CSPRITE3& sprite() { return *perso.sprite; }
    // The death overlays shown in the current animation.
    static std::set<std::string> surimpressions(const CSPRITE3& s)
    {
        std::set<std::string> r;
        const int a = s.getAnimation();
        for (int e = 1; e <= 4 && e < s.getNbAnimElems(a); ++e)
            if (s.isKeyAnimElemVisible(a, 0, e))
                r.insert(SURIMPRESSIONS[e - 1]);
        return r;
    }

    CPerso perso;
};

TEST_F(PersoEtatsTest, EachStatePlaysItsAnimationWithItsFrameRule)
{
    struct Cas {
        int etat;
        const char* nom;  // null: the animation stays
        bool premiere;    // starts at frame 0; otherwise the frame is kept
    } cas[] = {
        {EtatPerso::ARRET, "ARRET_VISEE", false}, {EtatPerso::MARCHE, "MARCHE_VISEE", false},
        {EtatPerso::BAISSE, "BAISSE", true}, {EtatPerso::BAISSE_MARCHE, "BAISSE_MARCHE_VISEE", true},
        {EtatPerso::ARRET_BAISSE, "ARRET_BAISSE_VISEE", false}, {EtatPerso::SAUT_MONTE, "SAUT_MONTE", false},
        {EtatPerso::CHUTE_SAUT, "CHUTE", false}, {EtatPerso::CHUTE, "CHUTE", false},
        {EtatPerso::REBOND, nullptr, false}, {EtatPerso::TOUCHE, "TOUCHE", true},
        {EtatPerso::RECEPTION_CHUTE, "SAUT_RECEPTION", true}, {EtatPerso::RECEPTION, "SAUT_RECEPTION", true},
        {EtatPerso::ACTION, "ACTION", true}, {EtatPerso::DASH, "DASH", false},
        {EtatPerso::LIBRE_15, nullptr, false}, {EtatPerso::LIBRE_16, nullptr, false},
        {EtatPerso::PARALYSE, "PARALYSE", true}, {EtatPerso::VICTOIRE, "VICTOIRE", true},
        {EtatPerso::CONTROLE_TOURELLE, nullptr, false}, {25, nullptr, false},
    };
    for (const Cas& c : cas) {
        sprite().setAnimation(NB_NOMS - 1, 0, true);  // start on an animation no state plays here
        const int avant = sprite().getAnimation();
        const int cible = c.nom ? indexDe(c.nom) : avant;
        sprite().setFrame(cible, 3);
        sprite().getAnim(cible)->nbLectures = 5;
        sprite().nbanimtotale = 4;
        perso.visee = 7;
        EXPECT_EQ(perso.setEtat(c.etat), 1) << c.etat;
        EXPECT_EQ(perso.visee, 0) << c.etat;
        EXPECT_EQ(sprite().getAnimation(), cible) << "state " << c.etat;
        EXPECT_EQ(sprite().getFrame(cible), c.premiere ? 0 : 3) << "state " << c.etat;
        if (c.nom) {
            EXPECT_EQ(sprite().getAnim(cible)->nbLectures, 0) << "state " << c.etat << ": loop count not reset";
        }
        EXPECT_EQ(sprite().nbanimtotale, 0);
        EXPECT_EQ(perso.posTete[0], 20 + cible) << "the head follows the hit box of " << c.etat;
    }
}

TEST_F(PersoEtatsTest, DeathAnimationAndOverlayFollowTheWeapon)
{
    struct Cas {
        const char* arme;
        bool tete;
        const char* surimpression;  // "" none
        bool explosive;
    } cas[] = {
        {"ARME 4", false, "", true},        {"ARME 9", true, "", true},  {"ARME 10", false, "", true},
        {"ARME 8", true, "mort_fleche_tete", false}, {"ARME 8", false, "mort_fleche", false},
        {"ARME 6", false, "mort_piques", false},     {"ARME 1", false, "mort_feu", false},
        {"ARME 3", false, "", false},
    };
    for (const Cas& c : cas) {
        std::set<std::string> morts;
        for (unsigned graine = 1; graine <= 12; ++graine) {
            tuv::srand(graine);
            CPerso p;
            delete p.sprite;
            p.sprite = new CSPRITE3(sprite());
            p.derniereArme = c.arme;
            p.bToucheTete = c.tete;
            ASSERT_EQ(p.setEtat(EtatPerso::MORT), 1);
            morts.insert(NOMS[p.sprite->getAnimation()]);
            EXPECT_EQ(surimpressions(*p.sprite), c.surimpression[0] ? std::set<std::string>{c.surimpression} : std::set<std::string>{})
                << c.arme;
            // A dead character changes state and facing no more.
            EXPECT_EQ(p.setEtat(EtatPerso::ARRET), 0);
            EXPECT_EQ(p.mode, EtatPerso::MORT);
            const int face = p.direction;
            p.setDirection(1 - face);
            EXPECT_EQ(p.direction, face) << "a dead character keeps its facing";
        }
        if (c.explosive)
            EXPECT_EQ(morts, std::set<std::string>{"MORT_5_EXPLO"}) << c.arme;
        else
            EXPECT_EQ(morts, (std::set<std::string>{"MORT", "MORT_2", "MORT_4"})) << c.arme << ": every random death";
    }
}

TEST_F(PersoEtatsTest, MissingNamesPlayAnimationZero)
{
    sprite().etats.erase("VICTOIRE");
    sprite().etats["ACTION"] = -1;  // a state list's unassigned state
    sprite().setAnimation(3, 0, true);
    perso.setEtat(EtatPerso::VICTOIRE);
    EXPECT_EQ(sprite().getAnimation(), 0);
    ASSERT_TRUE(sprite().etats.count("VICTOIRE")) << "a missing name is added to the state map";
    EXPECT_EQ(sprite().etats["VICTOIRE"], 0);
    sprite().setAnimation(3, 0, true);
    perso.setEtat(EtatPerso::ACTION);
    EXPECT_EQ(sprite().getAnimation(), 0);
}

TEST_F(PersoEtatsTest, AMeleeBlowPlaysOnUntilAHit)
{
    const int coup = indexDe("COUP_0");
    perso.bCoup = true;
    sprite().setFrame(coup, 2);
    sprite().getAnim(coup)->nbLectures = 3;
    perso.visee = 6;
    perso.setEtat(EtatPerso::MARCHE);
    EXPECT_EQ(sprite().getAnimation(), coup);
    EXPECT_EQ(sprite().getFrame(coup), 2);
    EXPECT_EQ(sprite().getAnim(coup)->nbLectures, 3) << "the blow's loop count is not reset";
    EXPECT_EQ(perso.visee, 6) << "the aim stays while the blow runs";
    perso.setEtat(EtatPerso::TOUCHE);
    EXPECT_EQ(sprite().getAnimation(), indexDe("TOUCHE"));
}

TEST_F(PersoEtatsTest, SetAnimationMovesEveryChild)
{
    auto* enfant = new CPerso();
    perso.enfants = {enfant, nullptr};
    perso.nbEnfants = 2;
    enfant->sprite->x = 100;
    sprite().x = 10;
    perso.setAnimation(-1, 5, -3);
    EXPECT_EQ(sf::Vector2f(sprite().x, sprite().y), sf::Vector2f(15, -3));
    EXPECT_EQ(sf::Vector2f(enfant->sprite->x, enfant->sprite->y), sf::Vector2f(105, -3));
}

TEST_F(PersoEtatsTest, AHitBlinksAsLongAtBothRatesAndUnlinksATurret)
{
    struct Cas {
        float coefficient;
        int modeIA;
        int clignote;  // expected blink counter
        bool sansFaute;
    } cas[] = {{1.0f, -1, 30, false}, {0.5f, -1, 60, false}, {1.0f, 2, 0, true}};
    for (const Cas& c : cas) {
        g_services.framerateCoeff = [&c] { return c.coefficient; };
        jeu->bSansFaute = true;
        perso.modeIA = c.modeIA;
        perso.compteurClignote = 0;
        perso.bTourelle = true;  // with no turret linked
        perso.tourelle = nullptr;
        perso.animerTouche();
        EXPECT_EQ(perso.compteurClignote, c.clignote) << c.coefficient << " " << c.modeIA;
        EXPECT_EQ(jeu->bSansFaute, c.sansFaute) << "a player's hit spoils the flawless run";
        EXPECT_FALSE(perso.bTourelle);
    }
    CPerso tourelle;
    perso.tourelle = &tourelle;
    tourelle.tourelle = &perso;
    perso.bTourelle = true;
    perso.animerTouche();
    EXPECT_EQ(perso.tourelle, nullptr);
    EXPECT_EQ(tourelle.tourelle, nullptr);
}

} // namespace
