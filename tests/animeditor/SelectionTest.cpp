// The three selection lists: choosing an element, an animation or an anim element sets the
// selection and fills the panels that show it.
#include "OutilsEditeur.h"

namespace {
class SelectionTest : public EditeurTest {
protected:
    void SetUp() override
    {
        EditeurTest::SetUp();
        jeu.armes({"Pistolet", "Fusil"});
        e = std::make_unique<Editeur>();
        spriteEssai(s(), planche);
        s().ajouterAnimation("visee", true);
        s().ajouterAnimElem(1, 0, "", 0, 1);
        s().ajouterAnimElem(1, 1, "bras", 0, 1);
        d().majListeElements();
        d().majListeAnimations();
    }
    void TearDown() override
    {
        e.reset();
        EditeurTest::TearDown();
    }
    CJeuDialogAnimationsSprites& d() { return *e->d; }
    CSPRITE3& s() { return *d().pSprite; }
    void animation(int a) { e->liste(IdAnm::myListAnimations)->setNumSel(a); }
    void animElem(int ae) { e->liste(IdAnm::myListAnimationElements)->setNumSel(ae); }

    JeuEssai jeu;
    Planche planche;
    std::unique_ptr<Editeur> e;
};
} // namespace

TEST_F(SelectionTest, AnAimAnimationGetsAFramePerDegreeAndTheTimelineFollowsIt)
{
    struct Cas {
        int frames, parDegre;
        int attendues, parDegreAttendu;
    } table[] = {{100, 2, 360, 2}, {200, 2, 200, 2}, {100, 0, 180, 1}, {179, 1, 180, 1}};
    for (const Cas& c : table) {
        s().setVisee(1, true);
        s().setNbFrames(1, c.frames);
        s().setNbFramesVisee(1, c.parDegre);
        s().ajouterKeyframe(1, 50);
        animation(1);
        const std::string quoi = std::to_string(c.frames) + " frames, " + std::to_string(c.parDegre) + " per degree";
        EXPECT_EQ(s().getNbFrames(1), c.attendues) << quoi;
        EXPECT_TRUE(s().isKeyframe(1, 50)) << quoi << ": keyframes are kept";
        EXPECT_EQ(d().pTimeline->getNbFrames(), c.attendues) << quoi;
        EXPECT_TRUE(d().pTimeline->isModeVisee()) << quoi;
        EXPECT_EQ(d().pTimeline->getNbFramesParDegre(), c.parDegreAttendu) << quoi;
        EXPECT_EQ(e->texte(IdAnm::myTextInputAnimFrameNb), std::to_string(c.attendues)) << quoi;
        EXPECT_TRUE(e->coche(IdAnm::myButtonCheckTimelineVisee)) << quoi;
    }
    animation(0);
    EXPECT_FALSE(d().pTimeline->isModeVisee()) << "a plain animation's timeline counts frames";
    EXPECT_EQ(d().pTimeline->getNbFrames(), 10);
}

TEST_F(SelectionTest, ChoosingAnAnimationDropsTheAnimElemAndFillsItsPanel)
{
    animation(0);
    animElem(1);
    ASSERT_EQ(d().numAnimElemSel, 1);
    s().getAnim(1)->bOmbre = true;
    s().getAnim(1)->ombreDecalage = {4, -2};
    s().getAnim(1)->modeFille = 2;
    s().setEtatAnimation("SAUT", 1, 1);
    if (CPLUXControlComboBox* c = e->combo(IdAnm::myComboBoxEtatJeu))
        c->AddElement("SAUT");
    animation(1);
    EXPECT_EQ(d().numAnimationSel, 1);
    EXPECT_EQ(d().numAnimElemSel, -1) << "no AE of the new animation is chosen";
    EXPECT_EQ(e->liste(IdAnm::myListAnimationElements)->getNumSel(), -1) << "and no line shows one";
    EXPECT_EQ(s().getAnimation(), 1);
    EXPECT_EQ(d().numAnimationMere, 1) << "a new mother";
    EXPECT_EQ(e->texte(IdAnm::myTextInputNomAnimation), "visee");
    EXPECT_TRUE(e->coche(IdAnm::myButtonCheckOmbreActive));
    EXPECT_EQ(e->texte(IdAnm::myTextInputOmbreDx), "4");
    EXPECT_EQ(e->texte(IdAnm::myTextInputOmbreDy), "-2");
    EXPECT_TRUE(e->coche(IdAnm::myButtonCheckAfficheFilleApres));
    EXPECT_FALSE(e->coche(IdAnm::myButtonCheckAfficheFilleAvant));
    EXPECT_EQ(e->combo(IdAnm::myComboBoxEtatJeu)->getTextSel(), "SAUT");

    s().setEtatAnimation("ABSENT", 1, 1);
    animation(1);
    EXPECT_EQ(e->combo(IdAnm::myComboBoxEtatJeu)->getNumSel(), 0) << "a state no line reads";

    // On the preview page the animation starts over, unless it aims.
    d().pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_APERCU);
    s().setFrame(0, 7);
    animation(0);
    EXPECT_EQ(s().getFrameCourante(), 0) << "preview: back to frame 0";
    s().setVisee(0, true);
    s().setNbFrames(0, 200);
    s().setFrame(0, 7);
    animation(0);
    EXPECT_EQ(s().getFrameCourante(), 7) << "an aim animation keeps its frame";

    e->liste(IdAnm::myListAnimations)->setNumSel(-1);
    EXPECT_EQ(d().numAnimationSel, -1);
    EXPECT_EQ(s().getAnimation(), -1) << "no current animation";
    EXPECT_EQ(e->texte(IdAnm::myTextInputNomAnimation), "");
}

TEST_F(SelectionTest, ChoosingAnAnimElemSelectsItsElementAndFillsItsPanels)
{
    animation(0);
    s().getElement(1)->arme = 1;
    s().setShaderFrag(0, 1, "onde.frag");
    s().setShaderVert(0, 1, "absent.vert");
    s().ajouterEmetteur(nullptr, nullptr, 0, 1);
    for (const char* id : {IdAnm::myComboBoxShadersFrag, IdAnm::myComboBoxShadersVert}) {
        e->combo(id)->reset();
        e->combo(id)->AddElement("(aucun)");
        e->combo(id)->AddElement("onde.frag");
    }
    animElem(1);
    EXPECT_EQ(d().numAnimElemSel, 1);
    EXPECT_EQ(d().elementSel, 1) << "its element is selected";
    EXPECT_EQ(e->liste(IdAnm::myListElementsPlanche)->getNumSel(), 1);
    EXPECT_EQ(e->texte(IdAnm::myTextInputNomElement), "corps") << "the element's panel follows";
    EXPECT_EQ(e->texte(IdAnm::myTextInputNomAnimElem), "corps") << "an AE without a name shows its element's";
    EXPECT_EQ(e->combo(IdAnm::myComboBoxArmes)->getNumSel(), 2) << "the element's weapon 1 is line 2";
    EXPECT_EQ(e->combo(IdAnm::myComboBoxEtatsListeArmes)->getNumSel(), 2);
    EXPECT_EQ(e->combo(IdAnm::myComboBoxArmeElement)->getNumSel(), 2);
    EXPECT_EQ(e->combo(IdAnm::myComboBoxShadersFrag)->getNumSel(), 1);
    EXPECT_EQ(e->combo(IdAnm::myComboBoxShadersVert)->getNumSel(), 0) << "a shader no line reads";
    EXPECT_EQ(e->texte(IdAnm::myButtonNewDelEmetteur), "Retirer émetteur");
    EXPECT_EQ(d().selectionMaillage.size(), 4u) << "circles of its 2 x 2 mesh";
    EXPECT_EQ(d().numAnimElemSelPrec, -1);

    animElem(0);
    EXPECT_EQ(d().numAnimElemSelPrec, 1);
    EXPECT_EQ(e->texte(IdAnm::myTextInputNomAnimElem), "tete");
    EXPECT_EQ(e->combo(IdAnm::myComboBoxArmes)->getNumSel(), 2) << "an element without weapon leaves them";
    EXPECT_EQ(e->combo(IdAnm::myComboBoxArmeElement)->getNumSel(), 0) << "but its own panel shows none";
    EXPECT_EQ(e->texte(IdAnm::myButtonNewDelEmetteur), "Ajouter émetteur");
    s().setNomAnimElem(0, 0, "crane");
    animElem(0);
    EXPECT_EQ(e->texte(IdAnm::myTextInputNomAnimElem), "crane");
}

TEST_F(SelectionTest, WithoutAnElementTheZoneStaysAndShowsItsSheetRectangle)
{
    CPLUXControlZone* zone = d().pZonePlanche;
    e->liste(IdAnm::myListElementsPlanche)->setNumSel(1);
    EXPECT_EQ(d().rectZonePlanche, sf::FloatRect(0, 10, 30, 30)) << "element 1's rectangle";
    EXPECT_EQ(zone->getLineThickness(), 2.f);
    EXPECT_EQ(zone->getLeft(), d().pImagePlanche->getLeft()) << "the zone on it";
    EXPECT_EQ(zone->getTop(), d().pImagePlanche->getTop() + 10);
    zone->setPosition(d().pImagePlanche->getLeft() + 12, d().pImagePlanche->getTop() + 7);
    e->liste(IdAnm::myListElementsPlanche)->setNumSel(-1);
    EXPECT_EQ(d().elementSel, -1);
    EXPECT_EQ(zone->getLineThickness(), 1.f);
    EXPECT_EQ(zone->getLeft(), d().pImagePlanche->getLeft() + 12) << "the zone stays";
    const std::pair<const char*, const char*> attendus[] = {{IdAnm::myTextInputElementX, "12"},
                                                             {IdAnm::myTextInputElementY, "7"},
                                                             {IdAnm::myTextInputElementL, "30"},
                                                             {IdAnm::myTextInputElementH, "30"},
                                                             {IdAnm::myTextInputNomElement, ""}};
    for (const auto& [id, texte] : attendus)
        EXPECT_EQ(e->texte(id), texte) << id;
}

TEST_F(SelectionTest, MissingPanelControlsAndNoEventsDialogAreSkipped)
{
    e.reset();
    e = std::make_unique<Editeur>(modeleSans({IdAnm::myTextInputNomAnimElem, IdAnm::myComboBoxShadersVert,
                                               IdAnm::myButtonNewDelEmetteur, IdAnm::myTextInputElementX,
                                               IdAnm::myButtonCheckTimelineVisee, IdAnm::myComboBoxEtatJeu}));
    spriteEssai(s(), planche);
    s().setVisee(0, true);
    d().majListeElements();
    d().majListeAnimations();
    ASSERT_EQ(CPLUX::getDialog("JeuDialogEventsAnm"), nullptr);
    animation(0);
    animElem(1);
    EXPECT_EQ(d().numAnimElemSel, 1);
    EXPECT_EQ(d().elementSel, 1);
    EXPECT_EQ(s().getNbFrames(0), 180) << "the aim animation still gets its frames";
}
