// The editor's buttons, group by group: elements, animations and AEs, keyframes, frames and
// the timeline, AE copies, states and the dialogs bound to an AE; deletions and moves that
// leave no index pointing elsewhere; names stored as the file reads them back; and every
// control pressed with stale selections.
#include "OutilsEdition.h"

#include "animeditor/JeuDialogEventsAnm.h"
#include "animeditor/JeuDialogScriptAnm.h"
#include "editor/JeuDialogPhysParticulesOptions.h"
#include "editor/JeuDialogShaderVERT.h"

namespace {
using R = AnmUndoRecord;

class BoutonsTest : public EditionTest {
protected:
    void saisir(const char* id, const std::string& texte) { e->ctrl(id)->setText(texte); }
    std::vector<std::string> lignes(const char* id) { return textesDe(e->liste(id)); }
    // The element chosen, in the editor and in its list.
    std::pair<int, int> elementChoisi() { return {d().elementSel, e->liste(IdAnm::myListElementsPlanche)->getNumSel()}; }
};
} // namespace

TEST_F(BoutonsTest, ElementButtons)
{
    d().pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_PLANCHE);
    const int avant = s().getNbElements();
    for (const auto& [id, t] : {std::pair{IdAnm::myTextInputNomElement, "pied"}, {IdAnm::myTextInputElementX, "10"},
                                {IdAnm::myTextInputElementY, "90"}, {IdAnm::myTextInputElementL, "20"},
                                {IdAnm::myTextInputElementH, "8"}, {IdAnm::myTextInputElementOx, "2.5"},
                                {IdAnm::myTextInputElementOy, "1"}})
        saisir(id, t);
    d().nombreElements = 3;
    d().espacementElements = 4;
    appuyer(IdAnm::myButtonAjouterElement);
    ASSERT_EQ(s().getNbElements(), avant + 3);
    const float x[] = {10, 34, 58};
    for (int i = 0; i < 3; ++i) {
        const CSPRITE3_ELEMENT& el = *s().getElement(avant + i);
        EXPECT_EQ(el.nom, "pied_" + std::to_string(i + 1));
        EXPECT_EQ(el.rect, sf::FloatRect(x[i], 90, 20, 8)) << el.nom;
        EXPECT_TRUE(proche(el.origine, {2.5f, 1})) << el.nom;
    }
    EXPECT_EQ(elementChoisi(), std::pair(avant + 2, avant + 2)) << "the last one is chosen";
    d().nombreElements = 2000000000;
    appuyer(IdAnm::myButtonAjouterElement);
    EXPECT_EQ(s().getNbElements(), avant + 3 + 1000) << "at most 1,000 a press";
    d().nombreElements = -4;
    saisir(IdAnm::myTextInputElementOx, "");
    appuyer(IdAnm::myButtonAjouterElement);
    EXPECT_EQ(d().elementSel, s().getNbElements() - 1);
    EXPECT_TRUE(CPLUX::getMessageBoxes().empty()) << "an empty origin field asks nothing";

    // Centring: 15 x 9 gives (7.5, 4.5), shown whole, so that "Modifier" keeps the halves.
    s().setElement(0, "corps", 0, 0, 15, 9, 0, 0, -1, -1, false);
    e->liste(IdAnm::myListElementsPlanche)->setNumSel(0);
    appuyer(IdAnm::myButtonElementCentreO);
    EXPECT_TRUE(proche(s().getOrigineElement(0), {7.5f, 4.5f}));
    EXPECT_EQ(e->texte(IdAnm::myTextInputElementOx) + " " + e->texte(IdAnm::myTextInputElementOy), "7.5 4.5");
    appuyer(IdAnm::myButtonModifierElement);
    EXPECT_TRUE(proche(s().getOrigineElement(0), {7.5f, 4.5f})) << "the origin kept through Modifier";
    // Its origin into every key that shows it.
    appuyer(IdAnm::myButtonAppliquerOrigineTous);
    EXPECT_TRUE(proche(cle(0, 10, 0).origine, {7.5f, 4.5f}));
    EXPECT_TRUE(proche(cle(1, 0, 0).origine, {7.5f, 4.5f}));

    // No link chosen: the linked keys are not copied.
    s().getElement(0)->elementLie = 1;
    const Instantane liens(s(), 0);
    appuyer(IdAnm::myButtonInitLienElement);
    EXPECT_TRUE(memesCles(Instantane(s(), 0), liens));

    // A press on empty sheet: no element, the zone starts at the press.
    const CPLUXControlImage* planche = d().pImagePlanche;
    const int px = planche->getLeftScreen() + static_cast<int>(planche->getWidth()) - 5;
    const int py = planche->getTopScreen() + static_cast<int>(planche->getHeight()) - 5;
    d().onPressLeft(nullptr, px, py, e->ctrl(IdAnm::myImagePlancheSprites));
    EXPECT_EQ(elementChoisi(), std::pair(-1, -1));
    EXPECT_EQ(d().pZonePlanche->getPosition(), sf::Vector2f(px - d().getLeft(), py - d().getTop()));
    // A press on an element chooses it.
    const float z = planche->getScale();
    d().onPressLeft(nullptr, planche->getLeftScreen() + static_cast<int>(150 * z), planche->getTopScreen() + 2,
                    e->ctrl(IdAnm::myImagePlancheSprites));
    EXPECT_EQ(elementChoisi(), std::pair(2, 2)) << "main, (140, 0, 20, 10)";

    // A sheet typed in "Planche" then "Recharger": loaded, or refused with a box naming it.
    const std::string avantPlanche = s().strTexture;
    const std::string feuille = std::string(std::getenv("TUV_DATA_DIR")) + "/personnages/garde.png";
    for (const std::string& chemin : {std::string("absente.png"), feuille}) {
        saisir(IdAnm::myTextInputNomPlanche, chemin);
        appuyer(IdAnm::myButtonReloadPlanche);
        EXPECT_EQ(s().strTexture, chemin == feuille ? feuille : avantPlanche) << chemin;
    }
    ASSERT_EQ(CPLUX::getMessageBoxes().size(), 1u);
    EXPECT_NE(texteBoite(*CPLUX::getMessageBoxes().back()).find("absente.png"), std::string::npos);
}

TEST_F(BoutonsTest, AnimationAndAEButtons)
{
    // Control and a press on the AE list: the AE chosen becomes a child of the one before.
    choisirAE(2);
    choisirAE(0);
    CPLUXTest::setModifiers(true, false, false);
    appuyer(IdAnm::myListAnimationElements);
    EXPECT_EQ(s().getAnimElem(0, 2)->enfants, std::vector<int>{0}) << "corps under main";
    EXPECT_TRUE(s().getAnimElem(0, 1)->enfants.empty()) << "main left bras, corps's child: no loop";
    EXPECT_EQ(d().numAnimElemSel, 2) << "the list chose the parent's line";
    choisirAE(0);
    choisirAE(0);
    appuyer(IdAnm::myListAnimationElements);
    EXPECT_TRUE(s().isAnimElemRacine(0)) << "the same AE twice: a root";
    EXPECT_TRUE(s().getAnimElem(0, 2)->enfants.empty());
    CPLUXTest::setModifiers(false, false, false);

    // Order: the first cannot go up nor the last down; in tree style neither moves.
    choisirAE(0);
    appuyer(IdAnm::myButtonMonterAnimElem);
    EXPECT_EQ(s().getElementAnimElem(0, 0), 0);
    choisirAE(2);
    appuyer(IdAnm::myButtonDescendreAnimElem);
    EXPECT_EQ(s().getElementAnimElem(0, 2), 2);
    appuyer(IdAnm::myButtonMonterAnimElem);
    EXPECT_EQ(s().getElementAnimElem(0, 1), 2);
    EXPECT_EQ(d().numAnimElemSel, 1) << "the moved AE stays chosen";
    d().styleAE = 1;
    appuyer(IdAnm::myButtonDescendreAnimElem);
    EXPECT_EQ(s().getElementAnimElem(0, 1), 2);
    d().styleAE = 0;

    // Renamed as its element, an AE keeps no name of its own.
    saisir(IdAnm::myTextInputNomAnimElem, "main");
    appuyer(IdAnm::myButtonModifierNomAnimElem);
    EXPECT_EQ(s().getNomAnimElem(0, 1), "");
    saisir(IdAnm::myTextInputNomAnimElem, "gauche");
    appuyer(IdAnm::myButtonModifierNomAnimElem);
    EXPECT_EQ(s().getNomAnimElem(0, 1), "gauche");

    // Copy keeps the source chosen; delete leaves none.
    appuyer(IdAnm::myButtonCopieAnimation);
    ASSERT_EQ(s().getNbAnimations(), 3);
    EXPECT_EQ(d().numAnimationSel, 0);
    EXPECT_EQ(e->liste(IdAnm::myListAnimations)->getNumSel(), 0);
    e->liste(IdAnm::myListAnimations)->setNumSel(2);
    appuyer(IdAnm::myButtonSupprimerAnimation);
    EXPECT_EQ(s().getNbAnimations(), 2);
    EXPECT_EQ(d().numAnimationSel, -1);
    EXPECT_EQ(e->liste(IdAnm::myListAnimations)->getNumSel(), -1);
    saisir(IdAnm::myTextInputNomAnimation, "course");
    appuyer(IdAnm::myButtonAjouterAnimation);
    EXPECT_EQ(d().numAnimationSel, 2);
    EXPECT_EQ(s().getAnim(2)->nom, "course");
    EXPECT_TRUE(s().isKeyframe(2, 0)) << "with its keyframe 0";

    // Centring: the origin to the middle (odd sizes rounded down), or the chosen AE.
    d().pImageAnimation->setVisibleDimension(441, 361);
    ASSERT_EQ(d().numAnimElemSel, -1);
    appuyer(IdAnm::myButtonRazAxeAnimation);
    EXPECT_EQ(sf::Vector2i(d().centreVueX, d().centreVueY), sf::Vector2i(220, 180));
    e->liste(IdAnm::myListAnimations)->setNumSel(0);
    choisirAE(0);
    d().allerAFrame(10);
    d().zoom = 2;
    appuyer(IdAnm::myButtonRazAxeAnimation);
    EXPECT_EQ(sf::Vector2i(d().centreVueX, d().centreVueY), sf::Vector2i(180, 160)) << "corps at (20, 10), zoom 2";

    // An AE added shows its key at once: a value typed then changes that value only.
    e->liste(IdAnm::myListAnimations)->setNumSel(2);
    d().allerAFrame(0);
    e->liste(IdAnm::myListElementsPlanche)->setNumSel(1);
    appuyer(IdAnm::myButtonAjouterElementAnimation);
    ASSERT_EQ(d().numAnimElemSel, 0);
    saisir(IdAnm::myTextInputAnimCourX, "5");
    d().onCtrlInputEnterPress(d().ctrlTextInput(IdAnm::myTextInputAnimCourX));
    EXPECT_TRUE(cle(2, 0, 0).position.x == 5.f && cle(2, 0, 0).visible && s().getKeyframeFlag(2, 0))
        << "the value typed, without hiding the AE or clearing the keyframe's flag";
}

TEST_F(BoutonsTest, KeyframeFrameAndTimelineButtons)
{
    d().allerAFrame(10);
    appuyer(IdAnm::myButtonFlipH);
    EXPECT_TRUE(proche(cle(0, 10, 0).echelle, {-2, 1}));
    EXPECT_TRUE(proche(cle(0, 10, 1).echelle, {-3, 1})) << "the children's scales change as much";
    EXPECT_TRUE(proche(cle(0, 10, 1).position, {-60, 0})) << "mirrored about corps at (20, 10)";
    appuyer(IdAnm::myButtonFlipH);
    EXPECT_TRUE(proche(cle(0, 10, 0).echelle, {2, 1})) << "twice: as before";
    EXPECT_TRUE(proche(cle(0, 10, 1).position, {100, 0}));
    appuyer(IdAnm::myButtonFlipV);
    ASSERT_EQ(d().listeAnnulations.size(), 3u);
    EXPECT_TRUE(proche({d().listeAnnulations.back().valeur1, d().listeAnnulations.back().valeur2}, {2, 1}))
        << "x then y, for both kinds";
    d().annulerDerniereAction();
    EXPECT_TRUE(proche(cle(0, 10, 0).echelle, {2, 1}));

    // Scale 1 with Control: the children keep theirs.
    CPLUXTest::setModifiers(true, false, false);
    appuyer(IdAnm::myButtonTailleUn);
    CPLUXTest::setModifiers(false, false, false);
    EXPECT_TRUE(proche(cle(0, 10, 0).echelle, {1, 1}));
    EXPECT_TRUE(proche(cle(0, 10, 1).echelle, {1, 1}));
    EXPECT_TRUE(proche(cle(0, 10, 1).position, {100, 0}));

    // Off a keyframe the deletion does nothing; the AE buttons are refused with a box each.
    d().allerAFrame(5);
    const Instantane entre(s(), 0);
    for (const char* id : {IdAnm::myButtonFlipH, IdAnm::myButtonFlipV, IdAnm::myButtonTailleUn,
                           IdAnm::myButtonOriginCenter, IdAnm::myButtonRazMaillageElement})
        appuyer(id);
    appuyer(IdAnm::myButtonSupprimerKeyAnim);
    EXPECT_TRUE(memesCles(Instantane(s(), 0), entre));
    ASSERT_EQ(CPLUX::getMessageBoxes().size(), 5u) << "one box a refused button";
    EXPECT_NE(texteBoite(*CPLUX::getMessageBoxes()[0]).find("la frame 5 n'est pas une keyframe"), std::string::npos);
    while (!CPLUX::getMessageBoxes().empty())
        CPLUX::getMessageBoxes().back()->repondre(0);
    d().allerAFrame(10);
    appuyer(IdAnm::myButtonSupprimerKeyAnim);
    EXPECT_FALSE(s().isKeyframe(0, 10));
    EXPECT_EQ(d().numKeyFrameSel, -1) << "frame 10 holds no keyframe any more";
    EXPECT_TRUE(d().listeAnnulations.empty()) << "no record of the animation is left";

    // Mesh reset on every keyframe writes 0 at each keyframe.
    for (int f : {5, 10, 15})
        s().ajouterKeyframe(0, f);
    for (int f : {0, 5, 10, 15})
        s().setPointMaillage(0, f, 0, 1, 4, 4);
    d().allerAFrame(5);
    appuyer(IdAnm::myButtonRazMaillageElement);
    EXPECT_TRUE(proche(s().getKeyAnimElemPoint(0, 5, 0, s().getSommetPointMaillage(0, 0, 1)), {0, 0})) << "the keyframe shown";
    EXPECT_TRUE(proche(s().getKeyAnimElemPoint(0, 10, 0, s().getSommetPointMaillage(0, 0, 1)), {4, 4}));
    appuyer(IdAnm::myButtonRazMaillageElementToutesFrames);
    for (int f : {0, 10, 15})
        EXPECT_TRUE(proche(s().getKeyAnimElemPoint(0, f, 0, s().getSommetPointMaillage(0, 0, 1)), {0, 0})) << f;

    // Frames: the last one goes and the current frame steps back; a keyframe's stays.
    d().allerAFrame(19);
    appuyer(IdAnm::myButtonSupprimerFrameInterpolation);
    EXPECT_EQ(s().getNbFrames(0), 19);
    EXPECT_EQ(s().getFrameCourante(), 18);
    d().allerAFrame(15);
    appuyer(IdAnm::myButtonSupprimerFrameInterpolation);
    EXPECT_EQ(s().getNbFrames(0), 19);
    appuyer(IdAnm::myButtonInsererFrameInterpolation);
    EXPECT_EQ(s().getNbFrames(0), 20);
    EXPECT_EQ(e->texte(IdAnm::myTextInputAnimFrameNb), "20");

    // The timeline's cell width stays within 4 and 14.
    CControlTimeline& t = *d().pTimeline;
    const char *moins = IdAnm::myButtonTLMoins, *plus = IdAnm::myButtonTLPlus;
    const std::tuple<const char*, int, int> largeurs[] = {{moins, 5, 4},  {moins, 4, 4},  {moins, 2, 2},
                                                          {plus, 13, 14}, {plus, 14, 14}, {plus, 20, 20}};
    for (const auto& [bouton, avant, apres] : largeurs) {
        t.setLargeurFrame(avant);
        appuyer(bouton);
        EXPECT_EQ(t.getLargeurFrame(), apres) << bouton << " from " << avant;
    }
    t.setLargeurFrame(4);
    t.setNbFrames(1000);
    appuyer(IdAnm::myButtonTLDroite);
    EXPECT_EQ(t.getPremiereFrame(), t.getPasDefilement());
    EXPECT_EQ(t.getPosition(), e->ctrl(IdAnm::myImageTimeLine)->getPosition()) << "kept over its placeholder";
    appuyer(IdAnm::myButtonTLGauche);
    EXPECT_EQ(t.getPremiereFrame(), 0);

    appuyer(IdAnm::myButtonCreerAnimSimpleAuto);
    ASSERT_EQ(CPLUX::getMessageBoxes().size(), 1u);
    EXPECT_EQ(std::tuple(CPLUX::getMessageBoxes().front()->getBoxId(), CPLUX::getMessageBoxes().front()->getKind()),
              std::tuple("IDMBANIMAUTO", 2)) << "the automatic animation's box";
}

TEST_F(BoutonsTest, AECopyStatesAndTheDialogsBoundToAnAE)
{
    // Paste into another animation: appended at its end.
    choisirAE(1);
    appuyer(IdAnm::myButtonCopieAE);
    e->liste(IdAnm::myListAnimations)->setNumSel(1);
    appuyer(IdAnm::myButtonColleAE);
    ASSERT_EQ(s().getNbAnimElems(1), 2);
    EXPECT_EQ(s().getElementAnimElem(1, 1), 1);
    EXPECT_EQ(lignes(IdAnm::myListAnimationElements).size(), 2u);

    // The emitter twice: added, then removed; the button says what comes next.
    choisirAE(0);
    appuyer(IdAnm::myButtonNewDelEmetteur);
    EXPECT_TRUE(s().hasEmetteur(1, 0));
    EXPECT_EQ(e->texte(IdAnm::myButtonNewDelEmetteur), "Retirer émetteur");
    appuyer(IdAnm::myButtonNewDelEmetteur);
    EXPECT_FALSE(s().hasEmetteur(1, 0));
    EXPECT_EQ(e->texte(IdAnm::myButtonNewDelEmetteur), "Ajouter émetteur");

    // A state already there is refused, its link kept and named; one line per list.
    s().etats["COURSE"] = 1;
    d().remplirListesEtats();
    saisir(IdAnm::myTextInputNomEtat, "COURSE");
    appuyer(IdAnm::myButtonAddEtat);
    ASSERT_EQ(CPLUX::getMessageBoxes().size(), 1u) << "a name already there is refused";
    EXPECT_NE(texteBoite(*CPLUX::getMessageBoxes()[0]).find("L'état « COURSE » existe déjà : il reste lié à l'animation saut."),
              std::string::npos) << "the box names the link kept";
    CPLUX::getMessageBoxes()[0]->repondre(0);
    saisir(IdAnm::myTextInputNomEtat, "SAUT");
    appuyer(IdAnm::myButtonAddEtat);
    saisir(IdAnm::myTextInputNomEtat, "");
    appuyer(IdAnm::myButtonAddEtat);
    EXPECT_EQ(s().etats, (std::map<std::string, int>{{"COURSE", 1}, {"SAUT", -1}}));
    EXPECT_EQ(lignes(IdAnm::myListEtats), (std::vector<std::string>{"COURSE", "SAUT"}));
    EXPECT_EQ(textesDe(e->combo(IdAnm::myComboBoxEtatJeu)), (std::vector<std::string>{"(vide)", "COURSE", "SAUT"}));

    // The channel checks, all off and all on.
    appuyer(IdAnm::myButtonCopieAESelTout);
    EXPECT_TRUE(e->coche(IdAnm::myButtonCheckCAEMaillage) && e->coche(IdAnm::myButtonCheckCAEVisible));
    appuyer(IdAnm::myButtonCopieAESelRien);
    EXPECT_FALSE(e->coche(IdAnm::myButtonCheckCAEMaillage) || e->coche(IdAnm::myButtonCheckCAEPosition));

    // Without their dialogs the four buttons do nothing.
    for (const char* id : {IdAnm::myButtonShowOptionsShaders, IdAnm::myButtonShowOptionsParticules,
                           IdAnm::myButtonScriptAnmInterne, IdAnm::myButtonEventsAE})
        appuyer(id);
    EXPECT_EQ(CPLUX::getDialogs().size(), 1u) << "nothing but the editor";

    // With the shader dialog: pointed at the AE's tables, let go of when the AE goes.
    CJeuDialogShaderVERT shaders;
    shaders.setId("JeuDialogShader");
    CPLUX::addDialog(nullptr, &shaders, nullptr, 0);
    appuyer(IdAnm::myButtonShowOptionsShaders);
    EXPECT_TRUE(shaders.pUniformsVert == &s().getAnimElem(1, 0)->uniformsVert &&
                shaders.pUniformsFrag == &s().getAnimElem(1, 0)->uniformsFrag) << "pointed at the AE's tables";
    EXPECT_TRUE(shaders.estAffiche());
    // With the events and script dialogs: shown and bound, then hidden, at each press.
    auto evenements = dialogueModele<CJeuDialogEventsAnm>(CJeuDialogEventsAnm::ID);
    auto script = dialogueModele<CJeuDialogScriptAnm>(CJeuDialogScriptAnm::ID);
    evenements->hide();
    script->hide();
    appuyer(IdAnm::myButtonEventsAE);
    EXPECT_TRUE(CPLUX::isDialogVisible(CJeuDialogEventsAnm::ID));
    EXPECT_TRUE(evenements->pSprite == &s() && evenements->numAnimation == 1 && evenements->numAnimElem == 0)
        << "the events dialog bound to AE 0 of animation 1";
    s().getAnimElem(1, 0)->evenements["onMouseOn"];
    evenements->setElement(&s(), 1, 0, true);
    for (bool montre : {false, true}) {
        script->bScriptAE = true;
        if (montre)
            script->show();
        appuyer(IdAnm::myButtonScriptAnmInterne);
        EXPECT_TRUE(CPLUX::isDialogVisible(CJeuDialogScriptAnm::ID)) << montre;
        EXPECT_FALSE(script->bScriptAE) << montre << ": the frame's script, not the events dialog's";
    }
    choisirAE(0);
    EXPECT_FALSE(script->bScriptAE) << "another AE chosen: still the frame's";
    appuyer(IdAnm::myButtonScriptAnmInterne);
    EXPECT_FALSE(CPLUX::isDialogVisible(CJeuDialogScriptAnm::ID));

    // The AE goes: every dialog lets go of it.
    appuyer(IdAnm::myButtonSupprimerElementAnimation);
    EXPECT_TRUE(!shaders.pUniformsVert && !shaders.pUniformsFrag && shaders.iListeCourante == -1)
        << "the shader dialog still points at the AE's tables";
    EXPECT_EQ(evenements->numAnimElem, -1);
    appuyer(IdAnm::myButtonEventsAE);
    EXPECT_FALSE(CPLUX::isDialogVisible(CJeuDialogEventsAnm::ID));
}

// After each deletion or move, pasting and undoing name no other AE than before.
TEST_F(BoutonsTest, DeletionsAndMovesLeaveNoIndexPointingElsewhere)
{
    struct Cas {
        const char* quoi;
        const char* bouton;
        int apres;  // the AE chosen afterwards
    };
    const Cas table[] = {
        {"delete an element", IdAnm::myButtonSupprimerElement, -1},
        {"delete an animation", IdAnm::myButtonSupprimerAnimation, -1},
        {"delete an AE", IdAnm::myButtonSupprimerElementAnimation, -1},
        {"move an AE up", IdAnm::myButtonMonterAnimElem, 0},
        {"move an AE down", IdAnm::myButtonDescendreAnimElem, 2},
    };
    for (const Cas& c : table) {
        e.reset();
        e = std::make_unique<Editeur>();
        sprite = std::make_unique<SpriteEdition>(s());
        d().majListeElements();
        d().majListeAnimations();
        e->liste(IdAnm::myListAnimations)->setNumSel(0);
        choisirAE(0);
        choisirAE(1);
        e->liste(IdAnm::myListElementsPlanche)->setNumSel(1);
        d().allerAFrame(0);
        appuyer(IdAnm::myButtonCopieAE);
        appuyer(IdAnm::myButtonOriginCenter);
        ASSERT_EQ(d().listeAnnulations.size(), 1u);
        appuyer(c.bouton);
        EXPECT_EQ(d().numAnimElemSel, c.apres) << c.quoi;
        EXPECT_TRUE(d().numAnimElemSelPrec == -1 && d().listeAnnulations.empty() && d().numAnimationCopieAE == -1)
            << c.quoi << ": an index, an undo or a copy left";
        const Instantane avant(s(), 0);
        const int nb = s().getNbAnimElems(0);
        appuyer(IdAnm::myButtonColleAE);
        d().annulerDerniereAction();
        EXPECT_EQ(s().getNbAnimElems(0), nb) << c.quoi << ": nothing pasted";
        EXPECT_NE(d().texteMessage.getString().find(L"rien de collé"), sf::String::InvalidPos) << c.quoi;
        EXPECT_TRUE(memesCles(Instantane(s(), 0), avant)) << c.quoi;
    }
}

TEST_F(BoutonsTest, NamesAreStoredAsTheFileReadsThemBack)
{
    DossierTemp dossier;
    const std::string nom = "a;b\nc\rd";
    const std::string lu = "a,b c d";
    saisir(IdAnm::myTextInputNomAnimation, nom);
    appuyer(IdAnm::myButtonModifierAnimation);
    choisirAE(1);
    saisir(IdAnm::myTextInputNomAnimElem, nom);
    appuyer(IdAnm::myButtonModifierNomAnimElem);
    saisir(IdAnm::myTextInputNomEtat, nom);
    appuyer(IdAnm::myButtonAddEtat);
    e->liste(IdAnm::myListElementsPlanche)->setNumSel(2);
    saisir(IdAnm::myTextInputNomElement, nom);
    appuyer(IdAnm::myButtonModifierElement);
    saisir(IdAnm::myTextInputIDAnm, nom);
    d().sauverAnmSous(dossier / "noms.anm");
    CSPRITE3 relu;
    ASSERT_TRUE(relu.charger(nullptr, nullptr, dossier / "noms.anm", true));
    for (CSPRITE3* sp : {&s(), &relu}) {
        const char* quoi = sp == &relu ? "read back" : "stored";
        EXPECT_EQ(sp->getAnim(0)->nom, lu) << quoi;
        EXPECT_EQ(sp->getNomAnimElem(0, 1), lu) << quoi;
        EXPECT_EQ(sp->etats.count(lu), 1u) << quoi;
        EXPECT_EQ(sp->getElement(2)->nom, lu) << quoi;
        EXPECT_EQ(sp->ID, lu) << quoi;
    }
}

// Every control pressed, on a fresh editor and with selections that name nothing.
TEST_F(BoutonsTest, EveryControlTakesStaleSelections)
{
    struct Etat {
        const char* quoi;
        int element, animation, animElem, keyframe, copieAnimation, copieAE;
    };
    const Etat etats[] = {
        {"nothing chosen", -1, -1, -1, -1, -1, -1},
        {"past every list", 99, 99, 99, 99, 99, 99},
        {"an AE of no animation", -1, -1, 0, 0, 0, 0},
        {"negative", -7, -7, -7, -7, -7, -7},
    };
    for (const Etat& etat : etats) {
        for (CPLUXControl* c : std::vector<CPLUXControl*>(d().getControls())) {
            if (c->getId() == IdAnm::myButtonNouveauAnm)
                continue;
            d().elementSel = etat.element;
            d().numAnimationSel = etat.animation;
            d().numAnimElemSel = d().numAnimElemSelPrec = etat.animElem;
            d().numKeyFrameSel = etat.keyframe;
            d().numAnimationCopieAE = d().numAnimElemCopieAE = etat.copieAE;
            d().numAnimationCopie = etat.copieAnimation;
            d().onPressLeft(nullptr, 0, 0, c);
            d().onPressRight(nullptr, 0, 0, c);
            c->setDragDelta({7, -3});
            d().onClicLeft(nullptr, 0, 0, c);
            d().onClicRight(nullptr, 0, 0, c);
            d().annulerDerniereAction();
        }
        for (CPLUXMessageBox* b : std::vector<CPLUXMessageBox*>(CPLUX::getMessageBoxes()))
            b->repondre(-1);
    }
    EXPECT_GE(s().getNbAnimations(), 2) << "stale selections deleted nothing";
    EXPECT_GE(s().getNbElements(), 4);
    // On a fresh sprite, pressed in the model's order: the selections stay true.
    appuyer(IdAnm::myButtonNouveauAnm);
    for (CPLUXControl* c : std::vector<CPLUXControl*>(d().getControls()))
        if (c->getId() != IdAnm::myButtonNouveauAnm) {
            d().onPressLeft(nullptr, 0, 0, c);
            ASSERT_TRUE(d().numAnimationSel == -1 || s().getAnim(d().numAnimationSel)) << c->getId();
            ASSERT_TRUE(d().numAnimElemSel == -1 || s().getAnimElem(d().numAnimationSel, d().numAnimElemSel))
                << c->getId();
            ASSERT_TRUE(d().elementSel == -1 || s().getElement(d().elementSel)) << c->getId();
        }
}
