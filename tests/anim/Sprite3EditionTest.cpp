#include "Sprite3Outils.h"

#include <algorithm>
#include <climits>

namespace {

class Edition : public Sprite3Test {
protected:
    void SetUp() override
    {
        Sprite3Test::SetUp();
        avecFeuille(s);
        s.ajouterElement("a", 0, 0, 10, 10, 5, 5, 2, 2, -1, -1, false);
        s.ajouterElement("b", 10, 0, 10, 10, 1, 2, 3, 3, -1, 0, false);
        s.ajouterElement("c", 20, 0, 10, 10, 0, 0, 2, 4, 1, -1, false);
        for (int a = 0; a < 2; ++a) {
            s.ajouterAnimation("anim" + std::to_string(a), true);
            s.setNbFrames(a, 10);
            s.ajouterAnimElem(a, 0, "tronc", 0, 1);
            s.ajouterAnimElem(a, 1, "", 0, 1, 0);
            s.ajouterAnimElem(a, 2, "bras", 0, 1, 1);
            s.ajouterAnimElem(a, 1, "", 0, 1, 0);
            s.ajouterKeyframe(a, 5);
            s.ajouterKeyframe(a, 9);
        }
    }

    // Every keyframe has one key per AE, each key as many mesh offsets as its AE's element
    // has vertices, and children lists name AEs of the animation.
    void verifierInvariants()
    {
        for (const auto& anim : s.animations) {
            const size_t n = anim->animElems.size();
            for (const auto& ae : anim->animElems)
                for (int enfant : ae->enfants)
                    EXPECT_TRUE(enfant >= 0 && enfant < static_cast<int>(n)) << enfant;
            for (const auto& kf : anim->keyframes) {
                ASSERT_EQ(kf->cles.size(), n);
                for (size_t i = 0; i < n; ++i) {
                    const sf::Vector2i m = s.getMaillageElement(anim->animElems[i]->element);
                    const size_t attendu = m.x ? static_cast<size_t>(4 * (m.x - 1) * (m.y - 1)) : 0u;
                    EXPECT_EQ(kf->cles[i].maillage.size(), attendu);
                }
            }
        }
    }

    std::string photo()
    {
        s.sauver(dossier / "photo.anm");
        return lireTexte(dossier / "photo.anm");
    }

    CSPRITE3 s;
};

TEST_F(Edition, LesOperationsGardentLesInvariants)
{
    verifierInvariants();
    EXPECT_EQ(s.getSommetPointElement(1, 4), 12);  // centre of a 3x3 mesh: first corner of the last cell
    s.setMaillage(1, 4, 3);
    EXPECT_EQ(s.getMaillageElement(1), sf::Vector2i(4, 3));
    EXPECT_EQ(s.elements[1]->getNbSommets(), 4 * 3 * 2);
    verifierInvariants();

    s.setKeyAnimElemPosition(0, 5, 2, 7, 8, false);
    s.monterAnimElem(0, 2);  // "bras" goes before the second AE, its key and child link with it
    EXPECT_EQ(s.getNomAnimElem(0, 1), "bras");
    EXPECT_EQ(s.getPositionInterpolee(0, 5, 1), sf::Vector2f(7, 8));
    EXPECT_EQ(s.animations[0]->animElems[2]->enfants, std::vector<int>{1});
    verifierInvariants();
    s.descendreAnimElem(0, 1);
    EXPECT_EQ(s.getNomAnimElem(0, 2), "bras");
    verifierInvariants();

    s.supprimerAnimElem(0, 1);  // the child of 0 and parent of 2 (now 1)
    EXPECT_EQ(s.getNbAnimElems(0), 3);
    EXPECT_EQ(s.animations[0]->animElems[0]->enfants, std::vector<int>{2});
    verifierInvariants();

    s.supprimerElement(0);  // AE 0 of each animation goes, later elements move down
    EXPECT_EQ(s.getNbElements(), 2);
    EXPECT_EQ(s.getElementAnimElem(0, 0), 1);
    EXPECT_EQ(s.elements[0]->elementLie, -1);
    verifierInvariants();

    s.insererFrame(0, 3);
    EXPECT_EQ(s.getNbFrames(0), 11);
    EXPECT_TRUE(s.isKeyframe(0, 6));
    s.supprimerFrame(0, 6);  // a keyframe stands there
    EXPECT_EQ(s.getNbFrames(0), 11);
    s.supprimerFrame(0, 2);
    EXPECT_TRUE(s.isKeyframe(0, 5));
    EXPECT_TRUE(s.isKeyframe(0, 9));
    s.setNbFrames(0, 5);  // the keyframe at 9 goes, the one at 5 stays
    EXPECT_FALSE(s.isKeyframe(0, 9));
    EXPECT_TRUE(s.isKeyframe(0, 5));
    verifierInvariants();

    s.ajouterKeyframe(0, 5);  // one already stands there
    EXPECT_EQ(s.animations[0]->keyframes.size(), 2u);
    s.supprimerKeyframe(0, 0);  // the first keyframe stays
    EXPECT_TRUE(s.isKeyframe(0, 0));

    s.supprimerAnimation(0);
    EXPECT_EQ(s.getNbAnimations(), 1);
    verifierInvariants();

    // Whatever the editor's fields hold, frame numbers stay countable.
    s.setNbFrames(0, INT_MAX);
    s.ajouterKeyframe(0, INT_MAX);
    s.insererFrame(0, 0);
    EXPECT_FALSE(s.isKeyframe(0, INT_MAX));
}

// What each copy of a key leaves out. A new keyframe takes the pose of the one before but
// starts behind with its mesh at rest; a linked element takes its model's place, size, turn
// and depth, and keeps its own visibility, pivot and mesh.
TEST_F(Edition, CeQueChaqueCopieDUneCleLaisse)
{
    auto auRepos = [](const CSPRITE3_KEYANIMELEM& c) {
        return std::all_of(c.maillage.begin(), c.maillage.end(), [](sf::Vector2f p) { return p == sf::Vector2f(); });
    };
    s.setKeyAnimElemValeurs(0, 5, 0, 0, false, 7, 8, 2, 3, 2, 0.5f, 30, true);
    s.setPointMaillage(0, 5, 0, 0, 4, -4);
    s.ajouterKeyframe(0, 7);
    const CSPRITE3_KEYANIMELEM& neuve = *s.getCle(0, 7, 0);
    EXPECT_EQ(neuve.visible, 0);
    EXPECT_TRUE(neuve.position == sf::Vector2f(7, 8) && neuve.origine == sf::Vector2f(2, 3)) << "place and pivot";
    EXPECT_TRUE(neuve.echelle == sf::Vector2f(2, 0.5f) && neuve.rotation == 30) << "size and turn";
    EXPECT_EQ(neuve.avantPlan, 0) << "a new key starts behind";
    EXPECT_TRUE(auRepos(neuve)) << "and its mesh at rest";

    // Element 1 is linked to element 0: AE 1 follows AE 0.
    s.setKeyAnimElemValeurs(0, 5, 1, 1, true, 0, 0, 1, 1, 1, 1, 0, false);
    s.setPointMaillage(0, 5, 1, 0, -2, 2);
    s.copierKeysElementLie(1);
    const CSPRITE3_KEYANIMELEM& lie = *s.getCle(0, 5, 1);
    EXPECT_TRUE(lie.position == sf::Vector2f(7, 8) && lie.echelle == sf::Vector2f(2, 0.5f) && lie.rotation == 30);
    EXPECT_EQ(lie.avantPlan, 1);
    EXPECT_EQ(lie.visible, 1) << "its own visibility";
    EXPECT_EQ(lie.origine, sf::Vector2f(1, 1)) << "its own pivot";
    EXPECT_FALSE(auRepos(lie)) << "its own mesh";
}

// Which keyframe is in force at each frame: at the frame, else the last before, else the
// first. Keyframes added out of order, the first one removed (an aim animation allows it).
TEST_F(Edition, KeyframeEnForceSelonLaFrame)
{
    s.ajouterAnimation("visee", true);
    const int a = s.getNbAnimations() - 1;
    s.setVisee(a, true);
    s.setNbFrames(a, 40);
    for (int f : {30, 3, 12})
        s.ajouterKeyframe(a, f);
    s.supprimerKeyframe(a, 0);  // keyframes now at 3, 12, 30
    struct Cas {
        int frame, enForce, avant;
        bool estKeyframe;
    };
    const Cas cas[] = {{-5, 0, 0, false}, {0, 0, 0, false},  {3, 0, 0, true},   {4, 0, 0, false},
                       {11, 0, 0, false}, {12, 1, 0, true},  {13, 1, 1, false}, {30, 2, 1, true},
                       {31, 2, 2, false}, {INT_MAX, 2, 2, false}, {INT_MIN, 0, 0, false}};
    for (const Cas& c : cas) {
        EXPECT_EQ(s.getKeyframe(a, c.frame), c.enForce) << "keyframe in force at " << c.frame;
        EXPECT_EQ(s.getKeyframeAvant(a, c.frame), c.avant) << "keyframe before " << c.frame;
        EXPECT_EQ(s.isKeyframe(a, c.frame), c.estKeyframe) << "keyframe at " << c.frame;
    }
    EXPECT_EQ(s.getKeyframeEnForce(a, 20)->frame, 12);
    EXPECT_EQ(s.getKeyframeEnForce(a, 1)->frame, 3) << "before the first: the first";
}

TEST_F(Edition, LesMauvaisIndexNeChangentRienEtDonnentLesDefauts)
{
    const std::string avant = photo();
    for (int bad : {-1, 2, 7}) {
        const int badE = bad == 2 ? 3 : bad;
        s.setElement(badE, "x", 1, 1, 1, 1, 1, 1, 1, 1, true);
        s.supprimerElement(badE);
        s.setOrigineElement(badE, 3, 3);
        s.appliquerOrigineElement(badE);
        s.copierKeysElementLie(badE);
        s.setMaillage(badE, 5, 5);
        s.setTexCoordsPointMaillage(badE, 0, 1, 1);
        s.setTexCoordsPointMaillage(0, bad == -1 ? -1 : 4 + bad, 1, 1);
        s.copierAnimation(bad);
        s.supprimerAnimation(bad);
        s.setNomAnimation(bad, "x");
        s.deplacerAnimation(bad, 1, 1);
        s.setNbFrames(bad, 3);
        s.insererFrame(bad, 0);
        s.supprimerFrame(bad, 0);
        s.supprimerFrame(0, bad == -1 ? -1 : 10 + bad);
        s.setVitesseAnim(bad, 4);
        s.setCercleViseeRayon(bad, 4);
        s.setOmbreDecalage(bad, 1, 1);
        s.ajouterAnimElem(bad, 0, "x", 0, 1);
        s.collerAnimElem(bad, 0, 0, 0);
        s.collerAnimElem(0, 0, bad == 2 ? 4 : bad, 0);
        for (int a : {bad, 0}) {
            const int ae = a == 0 ? (bad == 2 ? 4 : bad) : 0;
            s.supprimerAnimElem(a, ae);
            s.monterAnimElem(a, ae);
            s.descendreAnimElem(a, ae);
            s.setNomAnimElem(a, ae, "x");
            s.setShaderFrag(a, ae, "x");
            s.ajouterEmetteur(nullptr, nullptr, a, ae);
            s.setKeyAnimElemPosition(a, 5, ae, 1, 1, true);
            s.setKeyAnimElemEchelle(a, 5, ae, 2, 2, true, true);
            s.setKeyAnimElemRotation(a, 5, ae, 9, true, true);
            s.setKeyAnimElemVisible(a, 5, ae, false, true);
            s.setKeyAnimElemValeurs(a, 5, ae, 0, false, 1, 1, 1, 1, 1, 1, 1, true);
            s.setPointMaillage(a, 5, ae, 0, 1, 1);
            s.copierMaillageToutesKeyframes(a, ae, 5);
            EXPECT_EQ(s.getElementAnimElem(a, ae), -1);
            EXPECT_EQ(s.getKeyAnimElemEchelle(a, 5, ae), sf::Vector2f(1, 1));
            EXPECT_EQ(s.getKeyAnimElemLienAnim(a, 5, ae), -1);
            EXPECT_EQ(s.getPositionInterpolee(a, 5, ae), sf::Vector2f());
            EXPECT_EQ(s.getXInterpole(a, ae, 0, 5, 0, false), 0.0f);
            EXPECT_EQ(s.copierFrame(a == 0 ? bad : a, 0, 0, 3), 0);
            EXPECT_EQ(s.appliquerInterpolationKeyframe(a, 0, 1, 5, ae), 0);
        }
        s.setPointMaillage(0, 5, 0, bad == 2 ? 4 : bad, 1, 1);
        s.setKeyframeGoto(bad, 5, 1, 1);
        s.supprimerKeyframe(bad, 5);
        s.supprimerKeyframes(bad);
        s.setFrame(bad, 2);
        s.appliquerAnimElems(bad, "tronc", false, true);

        EXPECT_EQ(s.getRectElement(badE), sf::FloatRect());
        EXPECT_EQ(s.getSommetPointElement(badE, 0), 0);
        EXPECT_EQ(s.getSommetPointElement(0, bad == 2 ? 4 : bad), 0);
        EXPECT_EQ(s.getNbFrames(bad), 0);
        EXPECT_EQ(s.getVitesseAnim(bad), 0);
        EXPECT_TRUE(s.getInterpolation(bad));
        EXPECT_FALSE(s.isVisee(bad));
        EXPECT_EQ(s.getCercleViseeRayon(bad), 0);
        EXPECT_EQ(s.getNbAnimElems(bad), -1);
        EXPECT_EQ(s.getNomAnimElem(bad, 0), "NULL");
        EXPECT_EQ(s.getKeyframe(bad, 5), 0);
        EXPECT_EQ(s.getKeyframeGoto(bad, 5), sf::Vector2i(-1, 0));
        EXPECT_EQ(s.getKeyframeSensChange(bad, 5), 1);
        EXPECT_EQ(s.getKeyframeCouleur(bad, 5), sf::Color::White);
        EXPECT_EQ(s.getEtatAnimation(bad), "");
        EXPECT_EQ(s.getNbBoucles(bad), 0);
        EXPECT_EQ(s.getFrame(bad), 0);
        EXPECT_EQ(s.getAnimationParNom("anim0", "inconnu"), nullptr);
    }
    EXPECT_EQ(photo(), avant);
    EXPECT_EQ(s.getEtat("ARRET"), -1);
    EXPECT_TRUE(s.etats.empty());
}

TEST_F(Edition, AnimationCouranteEtEtats)
{
    s.animations[1]->rectGlobal = sf::FloatRect(-10, -40, 20, 50);
    s.animations[1]->rectHitbox = sf::FloatRect(-6, -30, 12, 30);
    s.animations[1]->origineGlobale = sf::Vector2f(10, 40);
    s.setAnimation(1, 4, true);
    EXPECT_EQ(s.getAnimation(), 1);
    EXPECT_EQ(s.getFrameCourante(), 4);
    EXPECT_EQ(s.numAnim, 1);
    EXPECT_EQ(s.getOrigineGlobaleCourante(), sf::Vector2f(10, 40));
    EXPECT_TRUE(s.bTailleFixe);
    EXPECT_EQ(s.largeurFixe, 20);
    EXPECT_EQ(s.hitbox[0], 4);
    EXPECT_EQ(s.hitbox[1], 10);
    EXPECT_EQ(s.hitbox[2], 4);
    EXPECT_EQ(s.hitbox[3], 10);
    s.setAnimation(1, 10, false);  // frame beyond the count: the position stays
    EXPECT_EQ(s.getFrameCourante(), 4);
    s.setFrameCourante(-3);
    EXPECT_EQ(s.getFrameCourante(), 0);
    s.setFrameCourante(12);
    EXPECT_EQ(s.getFrameCourante(), 0);
    s.setAnimation2(-1, -1);
    EXPECT_EQ(s.getAnimation(), -1);
    EXPECT_EQ(s.getOrigineGlobaleCourante(), sf::Vector2f());

    s.setEtatAnimation("COURSE", 1, 1);
    EXPECT_EQ(s.getEtat("COURSE"), 1);
    EXPECT_EQ(s.getEtatAnimation(1), "COURSE");
    s.setEtatAnimation("COURSE", 1, -1);
    EXPECT_EQ(s.getEtatAnimation(1), "");
    EXPECT_EQ(s.getEtat("COURSE"), -1);
    EXPECT_EQ(s.getEtat("ABSENT"), -1);
    EXPECT_EQ(s.etats.count("ABSENT"), 0u);

    s.armeCourante = 2;
    s.animations[0]->cercleViseeRayonArmes[2] = 70;
    s.setCercleViseeRayon(0, 75);
    EXPECT_EQ(s.getCercleViseeRayon(0), 75);
    EXPECT_EQ(s.animations[0]->cercleViseeRayon, 100);

    s.animations[0]->fille = 1;
    s.etats["SAUT"] = 1;
    // Links to this sprite's animations follow (AE 0, element a); a sub-sprite's stay (AE 2, c).
    CSPRITE3 sous;
    s.elements[2]->pSpriteLie = &sous;
    s.setKeyAnimElemLienAnim(1, 5, 0, 1);
    s.setKeyAnimElemLienAnim(1, 5, 2, 1);
    s.elements[0]->lienAnim[2] = s.elements[2]->lienAnim[2] = 1;
    s.supprimerAnimation(0);
    s.elements[2]->pSpriteLie = nullptr;
    EXPECT_EQ(s.getEtat("SAUT"), 0);
    EXPECT_EQ(std::vector<int>({s.getKeyAnimElemLienAnim(0, 5, 0), s.getKeyAnimElemLienAnim(0, 5, 2),
                                s.elements[0]->lienAnim[2], s.elements[2]->lienAnim[2]}),
              std::vector<int>({0, 1, 0, 1}));
    s.ajouterAnimation("x", false);
    s.animations[1]->animGoto = 0;
    s.supprimerAnimation(0);
    EXPECT_EQ(s.animations[0]->animGoto, -1);
    EXPECT_EQ(s.getEtat("SAUT"), -1);
}

TEST_F(Edition, AnimElemsParNomEtRacines)
{
    s.setAnimation2(0, 0);
    EXPECT_TRUE(s.isAnimElemRacine(0));
    EXPECT_FALSE(s.isAnimElemRacine(2));
    s.appliquerAnimElemsParNom("tronc", false, true);  // with its whole tree
    for (int a = 0; a < 2; ++a)
        for (int ae = 0; ae < 4; ++ae)
            EXPECT_FALSE(s.isKeyAnimElemVisible(a, 9, ae)) << a << ae;
    s.appliquerAnimElems(1, "b", true, false);  // an AE without name answers to its element's
    EXPECT_TRUE(s.isKeyAnimElemVisible(1, 0, 1));
    EXPECT_TRUE(s.isKeyAnimElemVisible(1, 0, 3));
    EXPECT_FALSE(s.isKeyAnimElemVisible(1, 0, 2));
    EXPECT_EQ(s.getAnimationParNom("anim1", "bras"), s.animations[1]->animElems[2].get());

    s.retirerDescendant(0, 2);  // 2 hangs under 1, itself under 0
    EXPECT_TRUE(s.isAnimElemRacine(2));
    s.detacherAnimElem(1);
    EXPECT_TRUE(s.isAnimElemRacine(1));

    CSPRITE3 copie(s);
    copie.setNomAnimElem(0, 0, "autre");
    EXPECT_EQ(s.getNomAnimElem(0, 0), "tronc");
    s.collerAnimElem(0, 1, 0, 3);
    EXPECT_EQ(s.getNbAnimElems(1), 5);
    EXPECT_EQ(s.getNomAnimElem(1, 4), "");
    EXPECT_TRUE(s.getAnimElemOption(1, 4));
}

} // namespace
