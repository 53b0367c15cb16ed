#pragma once
// Editing in the animation editor: the editor shown at (0, 0) of a 1280 x 720 window on its
// animation page, a sprite with a tree of anim elements chosen through the lists as a user
// chooses them, and the helpers the editing tests share (a snapshot of every key, a drag
// that starts on a handle, a press of a button).
#include "OutilsVues.h"

#include "gui/CPLUXMessageBox.h"

#include <cmath>
#include <vector>

// Sheet 256 x 128 of plain grey. Elements: "corps" (0, 0, 100, 50), "bras" (100, 0, 40, 20),
// "main" (140, 0, 20, 10), all with origin (0, 0) and a 2 x 2 mesh; "maille" (0, 60, 40, 30)
// with a 3 x 3 mesh. Animation 0 "marche" of 20 frames, keyframes at 0 and 10: AE 0 corps at
// (0, 0) is the parent of AE 1 bras at (100, 0), itself the parent of AE 2 main at (140, 0);
// at keyframe 10 corps stands at (20, 10), scaled (2, 1), turned by 30. Animation 1 "saut" of
// 10 frames: a keyframe at 0 and AE 0 corps.
struct SpriteEdition {
    explicit SpriteEdition(CSPRITE3& s)
    {
        sf::Image img;
        img.create(256, 128, sf::Color(200, 200, 200));
        feuille.loadFromImage(img);
        s.pTextureFeuille = &feuille;
        s.ajouterElement("corps", 0, 0, 100, 50, 0, 0, 2, 2, -1, -1, false);
        s.ajouterElement("bras", 100, 0, 40, 20, 0, 0, 2, 2, -1, -1, false);
        s.ajouterElement("main", 140, 0, 20, 10, 0, 0, 2, 2, -1, -1, false);
        s.ajouterElement("maille", 0, 60, 40, 30, 0, 0, 3, 3, -1, -1, false);
        s.ajouterAnimation("marche", true);
        s.setNbFrames(0, 20);
        for (int e = 0; e < 3; ++e)
            s.ajouterAnimElem(0, e, "", 0, 1, e - 1);
        s.ajouterKeyframe(0, 10);
        s.setKeyAnimElemValeurs(0, 0, 1, 1, true, 100, 0, 0, 0, 1, 1, 0, false);
        s.setKeyAnimElemValeurs(0, 0, 2, 2, true, 140, 0, 0, 0, 1, 1, 0, false);
        s.setKeyAnimElemValeurs(0, 10, 0, 0, true, 20, 10, 0, 0, 2, 1, 30, false);
        s.setKeyAnimElemValeurs(0, 10, 1, 1, true, 100, 0, 0, 0, 1, 1, 0, false);
        s.setKeyAnimElemValeurs(0, 10, 2, 2, true, 140, 0, 0, 0, 1, 1, 0, false);
        s.ajouterAnimation("saut", true);
        s.setNbFrames(1, 10);
        s.ajouterAnimElem(1, 0, "", 0, 1);
        s.setAnimation(0, 0, true);
    }
    sf::Texture feuille;
};

// Every key of an animation, to compare before and after an edit and its undo.
struct Instantane {
    std::vector<CSPRITE3_KEYANIMELEM> cles;
    std::vector<int> frames;
    Instantane(const CSPRITE3& s, int a)
    {
        if (const CSPRITE3_ANIMATION* anim = s.getAnim(a))
            for (const auto& kf : anim->keyframes) {
                frames.push_back(kf->frame);
                cles.insert(cles.end(), kf->cles.begin(), kf->cles.end());
            }
    }
};

inline bool proche(float a, float b) { return std::fabs(a - b) < 1e-3f; }
inline bool proche(sf::Vector2f a, sf::Vector2f b) { return proche(a.x, b.x) && proche(a.y, b.y); }

// Equal keys (within float rounding), or the first difference.
inline ::testing::AssertionResult memesCles(const Instantane& a, const Instantane& b)
{
    if (a.frames != b.frames || a.cles.size() != b.cles.size())
        return ::testing::AssertionFailure() << "keyframes differ";
    for (size_t i = 0; i < a.cles.size(); ++i) {
        const CSPRITE3_KEYANIMELEM &x = a.cles[i], &y = b.cles[i];
        bool pareil = proche(x.position, y.position) && proche(x.echelle, y.echelle) && proche(x.origine, y.origine) &&
                      proche(x.rotation, y.rotation) && x.visible == y.visible && x.avantPlan == y.avantPlan &&
                      x.maillage.size() == y.maillage.size();
        for (size_t j = 0; pareil && j < x.maillage.size(); ++j)
            pareil = proche(x.maillage[j], y.maillage[j]);
        if (!pareil)
            return ::testing::AssertionFailure()
                   << "key " << i << ": position (" << x.position.x << ", " << x.position.y << ") vs ("
                   << y.position.x << ", " << y.position.y << "), scale (" << x.echelle.x << ", " << x.echelle.y
                   << ") vs (" << y.echelle.x << ", " << y.echelle.y << "), rotation " << x.rotation << " vs "
                   << y.rotation;
    }
    return ::testing::AssertionSuccess();
}

class EditionTest : public VuesTest {
protected:
    void SetUp() override
    {
        VuesTest::SetUp();
        CPLUXTest::setModifiers(false, false, false);
        e = std::make_unique<Editeur>();
        sprite = std::make_unique<SpriteEdition>(s());
        d().show();
        d().pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
        d().majListeElements();
        d().majListeAnimations();
        e->liste(IdAnm::myListAnimations)->setNumSel(0);
        choisirAE(0);
        d().allerAFrame(0);
        // The animation's rectangles have their handles on the sprite's origin, where the
        // corner and origin handles of AE 0 are: hidden, they take no drag.
        d().bAfficheRectGlobal = d().bAfficheRectHitbox = false;
    }
    void TearDown() override
    {
        e.reset();
        CPLUXTest::setModifiers(false, false, false);
        VuesTest::TearDown();
    }
    CJeuDialogAnimationsSprites& d() { return *e->d; }
    CSPRITE3& s() { return *e->d->pSprite; }
    CSPRITE3_KEYANIMELEM& cle(int a, int f, int ae) { return *s().getCle(a, f, ae); }
    void choisirAE(int ae) { e->liste(IdAnm::myListAnimationElements)->setNumSel(ae); }
    // A left press on a control, as the library reports it.
    void appuyer(const char* id) { d().onPressLeft(nullptr, 0, 0, e->ctrl(id)); }
    // Window pixels of a point of the animation view given in sprite pixels.
    sf::Vector2i ecran(sf::Vector2f p) const
    {
        const sf::Vector2f c = e->d->pImageAnimation->getPositionScreen();
        return {static_cast<int>(std::lround(c.x + e->d->centreVueX + e->d->zoom * p.x)),
                static_cast<int>(std::lround(c.y + e->d->centreVueY + e->d->zoom * p.y))};
    }
    // A drag of the animation view from the window point p by (dx, dy) in that many steps.
    static void glisser(sf::Vector2i p, int dx, int dy, int pas)
    {
        CPLUXTest::pressLeftAt(p.x, p.y);
        for (int i = 1; i <= pas; ++i)
            CPLUXTest::mouseMove(p.x + dx * i / pas, p.y + dy * i / pas);
        CPLUXTest::releaseLeft();
    }
    // The view panned so that the sprite point p lies on the view's centre, then dragged
    // from there by CPLUXTest::drag.
    void glisserDepuis(sf::Vector2f p, int dx, int dy, int pas)
    {
        const CPLUXControlImage* vue = e->d->pImageAnimation;
        d().centreVueX = static_cast<int>(vue->getWidth() / 2) - static_cast<int>(std::lround(d().zoom * p.x));
        d().centreVueY = static_cast<int>(vue->getHeight() / 2) - static_cast<int>(std::lround(d().zoom * p.y));
        ASSERT_TRUE(CPLUXTest::drag(IdAnm::DIALOGUE, IdAnm::myImageAnimation, dx, dy, pas));
    }
    std::unique_ptr<Editeur> e;
    std::unique_ptr<SpriteEdition> sprite;
};
