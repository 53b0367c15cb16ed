// The editor's text inputs: validated ones acting on Enter (frames, speeds, play counts, zoom,
// grid, aim frames, anim-element values with their undo), live ones acting on every change
// (the sheet zone, the sheet zoom and grid, the batch of elements, the bounce, the path).
#include "OutilsEdition.h"
#include "OutilsManip.h"

#include "gui/CPLUXMessageBox.h"

#include <climits>
#include <functional>

namespace {
class SaisiesTest : public ManipTest {
protected:
    void SetUp() override
    {
        ManipTest::SetUp();
        animation(0);
    }
    // The newest message box, answered by its button (0 "Oui", 1 "Non"); false without one.
    bool repondre(int bouton)
    {
        const auto& boites = CPLUX::getMessageBoxes();
        return !boites.empty() && CPLUXTest::answerMessageBox(boites.back()->getHwnd(), bouton);
    }
};
} // namespace

TEST_F(SaisiesTest, ValidatedInputsOnEnter)
{
    struct Cas {
        const char* id;
        const char* texte;
        std::function<void()> verifier;
    };
    const CSPRITE3_ANIMATION& an = *s().getAnim(0);
    DossierTemp scripts;  // a frame script must be there to be taken
    ecrireTexte(scripts / "saut.scp", "BASCULE()\n");
    const DansDossier ici(scripts.str());
    const auto zoomVu = [&] { return tuv::ftos(d().zoom) + " " + texte(IdAnm::myTextInputZoomAnimation); };
    const Cas table[] = {
        {IdAnm::myTextInputNbLecturesAvantNouvelleAnim, "1", [&] { EXPECT_EQ(an.nbLecturesGoto, 0); }},
        {IdAnm::myTextInputNumAnimACharger, "1", [&] { EXPECT_EQ(an.animGoto, 0); }},
        {IdAnm::myTextInputNumAnimACharger, "-2147483648", [&] { EXPECT_EQ(an.animGoto, INT_MIN); }},
        {IdAnm::myTextInputZoomAnimation, "2.5", [&] { EXPECT_EQ(d().zoom, 2.5f); }},
        {IdAnm::myTextInputZoomAnimation, "0", [&] { EXPECT_EQ(zoomVu(), "2.5 2.5") << "ignored, shown again"; }},
        {IdAnm::myTextInputZoomAnimation, "20", [&] { EXPECT_EQ(zoomVu(), "10 10") << "within the wheel's bounds"; }},
        {IdAnm::myTextInputZoomAnimation, "abc",
         [&] { EXPECT_EQ(zoomVu(), "10 10") << "no number: refused"; EXPECT_TRUE(repondre(0)) << "with a box"; }},
        {IdAnm::myTextInputZoomAnimation, "0.05", [&] { EXPECT_EQ(d().zoom, 0.1f); }},
        {IdAnm::myTextInputOptionTailleQuadrillage, "0", [&] { EXPECT_EQ(d().tailleQuadrillage, 50) << "ignored"; }},
        {IdAnm::myTextInputOptionTailleQuadrillage, "12", [&] { EXPECT_EQ(d().tailleQuadrillage, 12); }},
        {IdAnm::myTextInputNbFramesVisee, "0",
         [&] { EXPECT_EQ(std::to_string(an.nbFramesVisee) + " " + texte(IdAnm::myTextInputNbFramesVisee), "1 1")
                   << "kept and shown at 1"; }},
        {IdAnm::myTextInputNbFramesVisee, "2.9",
         [&] {
             EXPECT_EQ(an.nbFramesVisee, 2);
             EXPECT_EQ(texte(IdAnm::myTextInputNbFramesVisee), "2");
             EXPECT_EQ(an.nbFrames, 10) << "not an aim animation: the count stays";
             EXPECT_EQ(d().pTimeline->getNbFramesParDegre(), 2);
         }},
        {IdAnm::myTextInputMoveAnimDx, "4",
         [&] { EXPECT_EQ(s().getCle(0, 5, 1)->position, sf::Vector2f(4, -1)) << "by (Dx, Dy)"; }},
        {IdAnm::myTextInputDxMere, "6", [&] { EXPECT_EQ(s().getKeyframeDelta(0, 5), sf::Vector2f(6, 2)); }},
        {IdAnm::myTextInputDxMere, "1e3",
         [&] {
             EXPECT_EQ(s().getKeyframeDelta(0, 5), sf::Vector2f(6, 2)) << "no exponent";
             EXPECT_EQ(texte(IdAnm::myTextInputDxMere), "6");
             EXPECT_TRUE(repondre(0));
         }},
        {IdAnm::myTextInputGotoFrameAnim, "3",
         [&] { EXPECT_EQ(s().getKeyframeGoto(0, 5), sf::Vector2i(3, 4)) << "target and count read together"; }},
        {IdAnm::myTextInputOmbreEcraseY, "0.5", [&] { EXPECT_EQ(an.ombreEcrasement, sf::Vector2f(1.5f, 0.5f)); }},
        {IdAnm::myTextInputAnimFrameNb, "15",
         [&] { EXPECT_EQ(an.nbFrames, 15); EXPECT_EQ(d().pTimeline->getNbFrames(), 15) << "the timeline's"; }},
        {IdAnm::myTextInputAnimFrameNb, "24a",
         [&] { EXPECT_EQ(an.nbFrames, 15) << "refused"; EXPECT_TRUE(repondre(0)) << "with a box"; }},
        {IdAnm::myTextInputAnimFrameNb, "2000000000",
         [&] {
             EXPECT_EQ(an.nbFrames, 100000000) << "the sprite's own limit";
             EXPECT_EQ(d().pTimeline->getNbFrames(), 100000000);
             EXPECT_EQ(texte(IdAnm::myTextInputAnimFrameNb), "100000000") << "the count stored";
         }},
        {IdAnm::myTextInputScriptFrame, "saut.scp", [&] {
             const CSPRITE3_KEYFRAME& k = *s().getKeyframeEnForce(0, 5);
             EXPECT_EQ(k.script + "*" + std::to_string(k.nbExecutions), "saut.scp*-1") << "taken, to run at each play";
         }},
        {IdAnm::myTextInputNbRunScript, "2", [&] { EXPECT_EQ(s().getKeyframeEnForce(0, 5)->nbExecutions, 2); }},
    };
    // Values the rows above read beside the one typed.
    frame(5);
    e->ctrl(IdAnm::myTextInputMoveAnimDy)->setText("-1");
    e->ctrl(IdAnm::myTextInputDyMere)->setText("2");
    e->ctrl(IdAnm::myTextInputNbGotoFrameAnim)->setText("4");
    e->ctrl(IdAnm::myTextInputOmbreEcraseX)->setText("1.5");
    for (const Cas& c : table) {
        SCOPED_TRACE(std::string(c.id) + " = " + c.texte);
        saisir(c.id, c.texte);
        c.verifier();
    }
    // Off a keyframe its values are refused with a box: the keyframe before keeps its own.
    frame(7);
    for (const char* id : {IdAnm::myTextInputDxMere, IdAnm::myTextInputGotoFrameAnim}) {
        saisir(id, "9");
        EXPECT_TRUE(repondre(0)) << id << " refused";
    }
    EXPECT_EQ(s().getKeyframeDelta(0, 5), sf::Vector2f(6, 2));
    EXPECT_EQ(s().getKeyframeGoto(0, 5), sf::Vector2i(3, 4));
    DossierTemp dossier;
    d().sauverAnmSous(dossier / "s.anm");
    CSPRITE3 relu;
    ASSERT_TRUE(relu.charger(nullptr, nullptr, dossier / "s.anm", true));
    const CSPRITE3_KEYFRAME& kf = *relu.getKeyframeEnForce(0, 5);
    EXPECT_EQ(kf.script + "*" + std::to_string(kf.nbExecutions), "saut.scp*2") << "the frame's script and count, read back";
    // No animation chosen: its fields show nothing, and what is typed or ticked there goes.
    e->liste(IdAnm::myListAnimations)->setNumSel(-1);
    EXPECT_EQ(texte(IdAnm::myTextInputOmbreEcraseX), "");
    saisir(IdAnm::myTextInputOmbreRot, "45");
    basculer(IdAnm::myButtonCheckOmbreActive);
    EXPECT_EQ(texte(IdAnm::myTextInputOmbreRot) + (e->coche(IdAnm::myButtonCheckOmbreActive) ? "x" : ""), "");
}

TEST_F(SaisiesTest, FrameCountsAimFramesAndTheCurrentFrame)
{
    // A smaller count is asked for: "Non" keeps the animation, "Oui" drops the keyframes beyond.
    s().ajouterKeyframe(0, 8);
    saisir(IdAnm::myTextInputAnimFrameNb, "10");
    EXPECT_TRUE(CPLUX::getMessageBoxes().empty()) << "the same count asks nothing";
    saisir(IdAnm::myTextInputAnimFrameNb, "6");
    ASSERT_EQ(CPLUX::getMessageBoxes().size(), 1u);
    EXPECT_EQ(CPLUX::getMessageBoxes().back()->getBoxId(), "IDMB_CHANGE_NBFRAMES");
    EXPECT_EQ(CPLUX::getMessageBoxes().back()->getTitleW(), L"ATTENTION !");
    ASSERT_TRUE(repondre(1));
    EXPECT_EQ(s().getNbFrames(0), 10);
    EXPECT_EQ(texte(IdAnm::myTextInputAnimFrameNb), "10") << "Non: the count kept is shown again";
    EXPECT_TRUE(s().isKeyframe(0, 8));
    saisir(IdAnm::myTextInputAnimFrameNb, "6");
    ASSERT_TRUE(repondre(0));
    EXPECT_EQ(s().getNbFrames(0), 6);
    EXPECT_FALSE(s().isKeyframe(0, 8)) << "dropped with the frames beyond";
    EXPECT_TRUE(s().isKeyframe(0, 5));
    EXPECT_EQ(d().pTimeline->getNbFrames(), 6);
    EXPECT_EQ(texte(IdAnm::myTextInputAnimFrameNb), "6");

    // Aim animations: a frame per degree of a half turn.
    s().setVisee(0, true);
    saisir(IdAnm::myTextInputNbFramesVisee, "3");
    EXPECT_EQ(std::tuple(s().getNbFrames(0), d().pTimeline->getNbFrames(), texte(IdAnm::myTextInputAnimFrameNb)),
              std::tuple(540, 540, "540")) << "the sprite's count, the timeline's, the field's";
    saisir(IdAnm::myTextInputNbFramesVisee, "1000000000");
    EXPECT_EQ(s().getNbFrames(0), 100000000) << "within the sprite's limit";
    saisir(IdAnm::myTextInputNbFramesVisee, "1");
    EXPECT_EQ(s().getNbFrames(0), 180);
    EXPECT_TRUE(s().isKeyframe(0, 5));

    // The current frame: the timeline, the panels and the selected keyframe follow it.
    saisir(IdAnm::myTextInputAnimFrameCour, "5");
    EXPECT_EQ(std::tuple(s().getFrameCourante(), d().numKeyFrameSel, d().pTimeline->getFrameSel()), std::tuple(5, 5, 5))
        << "the frame, the keyframe chosen, the timeline's";
    for (const char* t : {"179", "7"}) {
        saisir(IdAnm::myTextInputAnimFrameCour, t);
        EXPECT_EQ(s().getFrameCourante(), std::stoi(t));
        EXPECT_EQ(d().numKeyFrameSel, -1) << t << " is no keyframe";
    }
    for (const char* t : {"180", "-4", "abc"}) {
        saisir(IdAnm::myTextInputAnimFrameCour, t);
        EXPECT_EQ(std::tuple(s().getFrameCourante(), d().numKeyFrameSel, texte(IdAnm::myTextInputAnimFrameCour)),
                  std::tuple(0, 0, "0")) << t << ": frame 0, keyframe 0, shown";
    }
    EXPECT_TRUE(repondre(0)) << "\"abc\" refused, the frame kept";
}

TEST_F(SaisiesTest, EachAnimElemInputRecordsOneUndoThatLeavesTheChildrenAndThePicture)
{
    // AE 0 has AE 1 as its child; the panel moves AE 0 alone. AE 0's own picture is element 0,
    // its key at frame 5 shows element 1 (a hop's second picture).
    s().getAnimElem(0, 0)->enfants = {1};
    s().setKeyAnimElemValeurs(0, 5, 0, 1, true, 10, 20, 1, 2, 1, 1, 30, false);
    s().setKeyAnimElemValeurs(0, 5, 1, 1, true, 50, 60, 0, 0, 1, 1, 0, false);
    frame(5);
    animElem(0);
    struct Cas {
        const char* id;
        const char* texte;
        const char* type;
    } table[] = {
        {IdAnm::myTextInputAnimCourX, "15", AnmUndoRecord::FAE_MOVE},
        {IdAnm::myTextInputAnimCourY, "25", AnmUndoRecord::FAE_MOVE},
        {IdAnm::myTextInputAnimCourOx, "3", AnmUndoRecord::FAE_ORIGIN},
        {IdAnm::myTextInputAnimCourSy, "2", AnmUndoRecord::FAE_SCALE},
        {IdAnm::myTextInputAnimCourAngle, "90", AnmUndoRecord::FAE_ROT},
    };
    for (const auto& c : table) {
        SCOPED_TRACE(c.id);
        const CSPRITE3_KEYANIMELEM avant = *s().getCle(0, 5, 0);
        saisir(c.id, c.texte);
        ASSERT_EQ(d().listeAnnulations.size(), 1u) << "one record";
        EXPECT_EQ(std::tuple(d().listeAnnulations.back().type, d().listeAnnulations.back().enfants), std::tuple(c.type, 0));
        EXPECT_NE(s().getCle(0, 5, 0)->position + s().getCle(0, 5, 0)->origine +
                      s().getCle(0, 5, 0)->echelle + sf::Vector2f(s().getCle(0, 5, 0)->rotation, 0),
                  avant.position + avant.origine + avant.echelle + sf::Vector2f(avant.rotation, 0))
            << "the keyframe took the input";
        EXPECT_EQ(s().getCle(0, 5, 0)->element, 1) << "the key keeps its picture";
        touche(sf::Keyboard::Z, true);
        const CSPRITE3_KEYANIMELEM& apres = *s().getCle(0, 5, 0);
        EXPECT_EQ(std::tie(apres.element, apres.position, apres.origine, apres.echelle, apres.rotation),
                  std::tie(avant.element, avant.position, avant.origine, avant.echelle, avant.rotation)) << "undone";
        EXPECT_EQ(s().getCle(0, 5, 1)->position, sf::Vector2f(50, 60)) << "the child never moved";
        d().majPanneauAE();
    }
    // A value that is no number is refused: nothing is written, nor recorded.
    saisir(IdAnm::myTextInputAnimCourX, "1e3");
    EXPECT_TRUE(repondre(0));
    EXPECT_TRUE(d().listeAnnulations.empty());
    EXPECT_EQ(s().getCle(0, 5, 0)->position, sf::Vector2f(10, 20));
    EXPECT_EQ(texte(IdAnm::myTextInputAnimCourX), "10");
    // Off a keyframe: refused with a box, nothing written nor recorded.
    frame(7);
    saisir(IdAnm::myTextInputAnimCourX, "99");
    EXPECT_TRUE(repondre(0)) << "refused with a box";
    EXPECT_TRUE(d().listeAnnulations.empty());
    EXPECT_EQ(s().getCle(0, 5, 0)->position, sf::Vector2f(10, 20));

    frame(5);
    saisir(IdAnm::myTextInputAnimCourX, "40");
    DossierTemp dossier;
    d().sauverAnmSous(dossier / "saut.anm");
    CSPRITE3 relu;
    ASSERT_TRUE(relu.charger(nullptr, nullptr, dossier / "saut.anm", true));
    ASSERT_NE(relu.getCle(0, 5, 0), nullptr);
    EXPECT_EQ(relu.getCle(0, 5, 0)->element, 1) << "the file keeps the key's picture";
    EXPECT_EQ(relu.getCle(0, 5, 0)->position, sf::Vector2f(40, 20));

    // Chosen in its list after an open, no frame clicked: the keyframe shown takes X.
    d().numKeyFrameSel = -1;  // as an open leaves it
    animation(0);
    animElem(0);
    saisir(IdAnm::myTextInputAnimCourX, "20");
    EXPECT_EQ(s().getCle(0, 5, 0)->position.x, 20.f) << "the keyframe shown, frame 5, took X";
}

TEST_F(SaisiesTest, TheSheetZoneFollowsTheElementInputsAtEachZoom)
{
    page(CJeuDialogAnimationsSprites::ONGLET_PLANCHE);
    const CPLUXControlImage* planche = d().pImagePlanche;
    for (const float z : {1.f, 2.f}) {
        SCOPED_TRACE("sheet zoom " + std::to_string(z));
        saisir(IdAnm::myTextInputZoomImagePlanche, z == 1.f ? "1" : "2", false);
        ASSERT_EQ(planche->getScale(), z);
        for (const auto& [id, t] : {std::pair{IdAnm::myTextInputElementX, "10"}, {IdAnm::myTextInputElementY, "6"},
                                    {IdAnm::myTextInputElementL, "30"}, {IdAnm::myTextInputElementH, "12.5"}})
            saisir(id, t, false);
        EXPECT_EQ(d().rectZonePlanche, sf::FloatRect(10, 6, 30, 12.5f));
        EXPECT_EQ(d().pZonePlanche->getRect(),
                  sf::FloatRect(planche->getLeft() + 10 * z, planche->getTop() + 6 * z, 30 * z, 12.5f * z));
    }
    // A half-typed zoom is no zoom; cells below a pixel are none either.
    for (const char* t : {"0", "0.", "-1", ""})
        saisir(IdAnm::myTextInputZoomImagePlanche, t, false);
    EXPECT_EQ(planche->getScale(), 2.f);
    saisir(IdAnm::myTextInputTailleCaseGrillePlanche, "24", false);
    for (const char* t : {"0", "0.5"}) {
        saisir(IdAnm::myTextInputTailleCaseGrillePlanche, t, false);
        EXPECT_TRUE(repondre(0)) << t << " refused with a box";
    }
    EXPECT_EQ(planche->getGridCellSize(), 24.f);
    EXPECT_EQ(s().grilleCase, 24) << "the sprite's, which its file keeps";
}

TEST_F(SaisiesTest, LiveInputsAndThePanelsThatFillThem)
{
    // A text that is no number is refused as typed, with a box: the value kept stays.
    const std::tuple<const char*, const char*, std::function<int()>, int, bool> table[] = {
        {IdAnm::myTextInputElementNombre, "0", [&] { return d().nombreElements; }, 1, false},
        {IdAnm::myTextInputElementNombre, "4", [&] { return d().nombreElements; }, 4, false},
        {IdAnm::myTextInputElementEspace, "-5", [&] { return d().espacementElements; }, 0, false},
        {IdAnm::myTextInputPrecisionCheminAnimation, "0", [&] { return d().precisionCheminAnimation; }, 1, false},
        {IdAnm::myTextInputSoubressautBorneInf, "2.9", [&] { return s().getAnim(0)->borneInf; }, 2, false},
        {IdAnm::myTextInputSoubressautBorneSup, "1e40", [&] { return s().getAnim(0)->borneSup; }, 1, true},
    };
    for (const auto& [id, t, valeur, attendu, refuse] : table) {
        saisir(id, t, false);
        EXPECT_EQ(valeur(), attendu) << id << " = " << t;
        EXPECT_EQ(repondre(0), refuse) << id << " = " << t;
    }
    saisir(IdAnm::myTextInputSoubressautMax, "1.25", false);
    EXPECT_EQ(s().getAnim(0)->maxSoubressaut, 1.25f);

    // Choosing an element and an animation fills these inputs, which report each change:
    // the element, the zone and the bounce stay exactly as they were.
    CSPRITE3_ELEMENT& el = *s().getElement(1);
    el.rect = {3.3f, 7.7f, 20.1f, 10.9f};
    CSPRITE3_ANIMATION& an = *s().getAnim(0);
    an.borneInf = 2;
    an.borneSup = 7;
    an.maxSoubressaut = 0.3f;
    an.vitesseSoubressaut = 1.7f;
    element(1);
    animation(0);
    EXPECT_EQ(el.rect, sf::FloatRect(3.3f, 7.7f, 20.1f, 10.9f));
    EXPECT_EQ(d().rectZonePlanche, el.rect);
    EXPECT_EQ(std::make_tuple(an.borneInf, an.borneSup, an.maxSoubressaut, an.vitesseSoubressaut),
              std::make_tuple(2, 7, 0.3f, 1.7f)) << "the bounce";
}

// Enter in either image input loads the picture at once: the view shows it in place of the
// sheet; an empty path gives the sheet back.
TEST_F(EditionTest, TheElementImageInputsShowThePictureInTheView)
{
    DossierTemp dossier;
    sf::Image vert;
    vert.create(100, 50, sf::Color(0, 200, 0));
    ASSERT_TRUE(vert.saveToFile(dossier / "vert.png"));
    d().zoom = 1;
    d().centreVueX = d().centreVueY = 100;
    d().bQuadrillage = d().bGrilleAnimation = d().bCadreSurSelection = false;
    const sf::Vector2i p = ecran({50, 25});
    const sf::Color feuille = image().getPixel(p.x, p.y);
    e->liste(IdAnm::myListElementsPlanche)->setNumSel(0);
    for (const char* id : {IdAnm::myTextInputElementImageExt, IdAnm::myTextInputElementImageExterne}) {
        SCOPED_TRACE(id);
        for (const std::string& chemin : {dossier / "vert.png", std::string()}) {
            d().pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_PLANCHE);
            ASSERT_TRUE(CPLUXTest::click(IdAnm::DIALOGUE, id));
            CPLUXTest::key(sf::Keyboard::A, true);
            CPLUXTest::key(sf::Keyboard::BackSpace);
            CPLUXTest::type(chemin);
            CPLUXTest::key(sf::Keyboard::Return);
            d().pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
            EXPECT_EQ(s().getElement(0)->strImage, chemin);
            EXPECT_TRUE(procheDe(image().getPixel(p.x, p.y), chemin.empty() ? feuille : sf::Color(0, 200, 0)))
                << (chemin.empty() ? "the sheet again" : "the element's own picture");
        }
    }
}
