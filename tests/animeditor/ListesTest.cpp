// The editor's lists and combos over sprites built in code: elements, anim elements flat and
// as a tree (cycles included), their colours, animations, daughters, links, global animations,
// the timeline's markers, and the element inputs written back.
#include "OutilsEditeur.h"

namespace {
struct Ligne {
    std::string col1, col2;
    bool operator==(const Ligne& o) const { return col1 == o.col1 && col2 == o.col2; }
};
std::ostream& operator<<(std::ostream& o, const Ligne& l) { return o << "[" << l.col1 << "|" << l.col2 << "]"; }

std::vector<Ligne> lignes(const CPLUXControlTextArea* c)
{
    std::vector<Ligne> r;
    for (int i = 0; i < c->getNbElements(); ++i)
        r.push_back({c->getText(i), c->getTextCol2(i)});
    return r;
}

const sf::Color VERT(0, 130, 0, 255), GRIS(150, 150, 150, 255);

class ListesTest : public EditeurTest {
protected:
    void SetUp() override
    {
        EditeurTest::SetUp();
        e = std::make_unique<Editeur>();
    }
    void TearDown() override
    {
        e.reset();
        EditeurTest::TearDown();
    }
    CJeuDialogAnimationsSprites& d() { return *e->d; }
    CSPRITE3& s() { return *d().pSprite; }
    // Animations named A0, A1, ... of the edited sprite.
    void animations(int n)
    {
        for (int i = 0; i < n; ++i)
            s().ajouterAnimation("A" + std::to_string(i), true);
    }

    JeuEssai jeu;
    Planche planche;
    std::unique_ptr<Editeur> e;
};
} // namespace

TEST_F(ListesTest, ElementListAndLinkCombos)
{
    d().majListeElements();
    EXPECT_TRUE(lignes(e->liste(IdAnm::myListElementsPlanche)).empty());
    EXPECT_EQ(textesDe(e->combo(IdAnm::myComboBoxLienElement)), std::vector<std::string>{"(aucun)"});

    jeu.armes({"Pistolet"});
    spriteEssai(s(), planche);
    animations(1);
    d().majListeElements();
    EXPECT_EQ(lignes(e->liste(IdAnm::myListElementsPlanche)), (std::vector<Ligne>{{"1", "tete"}, {"2", "corps"}}));
    EXPECT_EQ(textesDe(e->combo(IdAnm::myComboBoxLienElement)),
              (std::vector<std::string>{"(aucun)", "(1) tete", "(2) corps"}));
    EXPECT_EQ(textesDe(e->combo(IdAnm::myComboBoxArmeElement)), (std::vector<std::string>{"(aucune)", "Pistolet"}));

    // The animation links list the element's sub-sprite when it has one, else the sprite's own.
    CSPRITE3 sousSprite;
    for (const char* n : {"marche", "saut", "tir"})
        sousSprite.ajouterAnimation(n, false);
    CSPRITE3_ELEMENT& el = *s().getElement(1);
    el.pSpriteLie = &sousSprite;
    el.lienAnim[0] = 2;
    el.lienAnim[2] = 1;  // the shot combo shows the third slot
    for (const int element : {1, 0, -1}) {
        d().elementSel = element;
        d().majCombosLienElementAnim();
        const CPLUXControlComboBox* lien = e->combo(IdAnm::myComboBoxLienElementAnim);
        EXPECT_EQ(textesDe(lien), element == 1 ? (std::vector<std::string>{"(aucune)", "marche", "saut", "tir"})
                                               : (std::vector<std::string>{"(aucune)", "marche", "A0"}))
            << element;
        EXPECT_EQ(lien->getTextCol2(0), "-1");
        EXPECT_EQ(lien->getColor(1), VERT);
        EXPECT_EQ(lien->getNumSel(), element == 1 ? 3 : 0) << element;
        EXPECT_EQ(e->combo(IdAnm::myComboBoxLienElementAnimTir)->getNumSel(), element == 1 ? 2 : 0) << element;
    }
}

TEST_F(ListesTest, AnimElemTreeListsSharedChildrenUnderEachParentAndSurvivesCycles)
{
    planche.donner(s());
    s().ajouterElement("tete", 0, 0, 20, 10, 0, 0, 2, 2, -1, -1, false);
    s().ajouterElement("corps", 0, 10, 30, 30, 0, 0, 2, 2, -1, -1, false);
    animations(2);
    for (int e : {0, 1, 1, 0, 1})
        s().ajouterAnimElem(0, e, "", 0, 1);
    s().setNomAnimElem(0, 1, "bras");
    // 0 -> 1 and 2; 1 -> 3 -> 1 (a cycle); 2 -> 3 and itself; 4 lists itself only.
    const std::vector<std::vector<int>> enfants = {{1, 2}, {3}, {3, 2}, {1}, {4}};
    for (size_t i = 0; i < enfants.size(); ++i)
        s().getAnimElem(0, static_cast<int>(i))->enfants = enfants[i];
    d().numAnimationSel = 0;
    // The preview may play another animation: the tree is the selected one's.
    s().setAnimation(1, 0, true);

    d().styleAE = 1;
    d().numAnimElemSel = 3;
    d().majListeAnimElems();
    const CPLUXControlList* l = e->liste(IdAnm::myListAnimationElements);
    const std::vector<Ligne> arbre = {{"1", "tete (1)"},
                                      {"2", "    |__bras (2)"},
                                      {"4", "        |__tete (1)"},
                                      {"3", "    |__corps (2)"},
                                      {"4", "        |__tete (1)"},
                                      {"2", "            |__bras (2)"},
                                      {"5", "corps (2)"}};
    EXPECT_EQ(lignes(l), arbre);
    EXPECT_EQ(l->getNumSel(), 2) << "the first line reading AE 4";

    d().styleAE = 0;
    d().majListeAnimElems();
    EXPECT_EQ(lignes(l).size(), 5u);
    EXPECT_EQ(l->getNumSel(), 3);
    d().numAnimElemSel = 7;
    d().majListeAnimElems();
    EXPECT_EQ(d().numAnimElemSel, -1) << "an AE beyond the count is no selection";
    EXPECT_EQ(l->getNumSel(), -1);
}

TEST_F(ListesTest, AnimElemLinesTakeTheColourOfTheirStateAtTheFrame)
{
    spriteEssai(s(), planche);
    s().ajouterAnimElem(0, 0, "", 0, 1);
    s().ajouterAnimElem(0, 1, "", 0, 1);
    s().getAnimElem(0, 0)->option = 0;
    s().setKeyAnimElemVisible(0, 5, 1, false, false);
    s().setAnimElemVerrou(0, 3, true);
    d().numAnimationSel = 0;
    d().majListeAnimElems();
    const CPLUXControlList* l = e->liste(IdAnm::myListAnimationElements);
    d().colorerListeAnimElems(5);
    const std::vector<sf::Color> attendues = {
        {200, 0, 0, 150}, {100, 0, 0, 100}, {0, 0, 200, 255}, {200, 170, 0, 255}};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(l->getColor(i), attendues[static_cast<size_t>(i)]) << "line " << i << " at frame 5";
    d().colorerListeAnimElems(2);
    EXPECT_EQ(l->getColor(1), sf::Color(0, 0, 200, 255)) << "visible at the keyframe in force at 2";
    d().setPanneauAELectureSeule(true);
    EXPECT_TRUE(e->ctrl(IdAnm::myTextInputAnimCourSy)->isReadOnly());
}

TEST_F(ListesTest, AnimationListDaughterAndMotherDaughterCombos)
{
    animations(3);
    d().numAnimationSel = 1;
    d().majListeAnimations();
    EXPECT_EQ(lignes(e->liste(IdAnm::myListAnimations)), (std::vector<Ligne>{{"1", "A0"}, {"2", "A1"}, {"3", "A2"}}));
    d().majComboAnimationFille();
    const CPLUXControlComboBox* fille = e->combo(IdAnm::myComboBoxAnimationFille);
    ASSERT_EQ(fille->getNbElements(), 4);
    EXPECT_EQ(fille->getText(0), "(sans fille)");
    EXPECT_EQ(fille->getColor(1), VERT);
    EXPECT_EQ(fille->getColor(2), GRIS) << "the animation being edited";

    struct Cas {
        const char* quoi;
        std::vector<int> filles;  // ANIMATION_FILLE of A0, A1, A2
        int mere;
        size_t lignes;
    };
    const Cas table[] = {
        {"a chain", {1, 2, -1}, 0, 3},
        {"its own daughter: 19 repeats", {0, -1, -1}, 0, 20},
        {"a daughter out of range", {1, 9, -1}, 0, 2},
        {"a loop of two", {1, 0, -1}, 1, 20},
    };
    const CPLUXControlComboBox* chaine = e->combo(IdAnm::myComboBoxAnimationMereFilles);
    for (const Cas& c : table) {
        for (int i = 0; i < 3; ++i)
            s().getAnim(i)->fille = c.filles[static_cast<size_t>(i)];
        d().numAnimationMere = c.mere;
        d().numLigneMereFilles = 1;
        d().majComboAnimationMereFilles();
        ASSERT_EQ(static_cast<size_t>(chaine->getNbElements()), c.lignes) << c.quoi;
        EXPECT_EQ(chaine->getText(0), "A" + std::to_string(c.mere)) << c.quoi;
        EXPECT_EQ(chaine->getTextCol2(0), std::to_string(c.mere)) << c.quoi;
        EXPECT_EQ(chaine->getTextCol2(1), std::to_string(c.filles[static_cast<size_t>(c.mere)])) << c.quoi;
        EXPECT_EQ(chaine->getNumSel(), 1) << c.quoi;
    }
    d().numAnimationMere = 5;
    d().majComboAnimationMereFilles();
    EXPECT_EQ(chaine->getNbElements(), 20) << "an invalid mother leaves the combo";
}

TEST_F(ListesTest, LinkedAnimationOfTheSelectedAnimElem)
{
    spriteEssai(s(), planche);
    animations(2);
    s().ajouterAnimElem(1, 0, "", 0, 1);
    s().setKeyAnimElemLienAnim(0, 0, 0, 2);
    struct Cas {
        int animation, animElem, ligne;
    };
    // Animation 1 has one AE: AE 1 is below the element count (2) but no AE of it.
    for (const Cas c : {Cas{0, 0, 3}, Cas{0, 1, 0}, Cas{1, 1, 0}, Cas{-1, 0, 0}, Cas{0, -1, 0}}) {
        d().numAnimationSel = c.animation;
        d().numAnimElemSel = c.animElem;
        s().setAnimation(c.animation, 0, true);
        d().majComboAnimationLienAE();
        const CPLUXControlComboBox* lien = e->combo(IdAnm::myComboBoxAnimationLienAE);
        ASSERT_EQ(lien->getNbElements(), 4);
        EXPECT_EQ(lien->getNumSel(), c.ligne) << "animation " << c.animation << ", AE " << c.animElem;
    }
}

TEST_F(ListesTest, BaseAnimationComboSelectsByTheGlobalAnimationsKey)
{
    spriteEssai(s(), planche);
    for (const char* cle : {"./a.anm", "./b.anm", "./c.anm"}) {
        auto* g = new CSPRITE3;
        g->ID = std::string(cle) == "./c.anm" ? "AUTRE" : "PERSO";
        jeu.jeu.animsGlobales[cle] = g;
    }
    CSPRITE3_ELEMENT& el = *s().getElement(0);
    el.pSpriteLie = jeu.jeu.animsGlobales["./b.anm"];
    el.strAnmRef = "./b.anm";
    d().elementSel = 0;
    d().majComboAnmBase(true);
    const CPLUXControlComboBox* base = e->combo(IdAnm::Z_myComboBoxAnmBase);
    EXPECT_EQ(lignes(base), (std::vector<Ligne>{
                                {"(courant)", ""}, {"PERSO", "./a.anm"}, {"PERSO", "./b.anm"}, {"AUTRE", "./c.anm"}}));
    EXPECT_EQ(base->getNumSel(), 2) << "the second of two animations named alike";
    d().elementSel = 1;
    jeu.jeu.animsGlobales["./d.anm"] = new CSPRITE3;
    d().majComboAnmBase(false);
    EXPECT_EQ(base->getNbElements(), 4) << "without refill the entries stay";
    EXPECT_EQ(base->getNumSel(), 0) << "an element without sub-sprite: the current one";
}

TEST_F(ListesTest, TimelineMarkersCarryTheKeyframesActionAndScriptFlags)
{
    jeu.jeu.buffersSons["pas"];
    spriteEssai(s(), planche);
    for (int f : {2, 3, 4, 6})
        s().ajouterKeyframe(0, f);
    auto kf = [&](int i) -> CSPRITE3_KEYFRAME& { return *s().getAnim(0)->keyframes[static_cast<size_t>(i)]; };
    kf(1).scp.commandes = {"SON"};
    kf(1).scp.arguments = {"pas"};
    kf(2).gotoCible = 0;
    kf(3).sensLecture = -1;
    kf(4).son = "pas";
    kf(5).script = "frame.scp";
    d().majMarqueursTimeline(&s(), d().pTimeline);
    struct Attendu {
        int frame;
        bool action, script;
    };
    const Attendu table[] = {{0, false, false}, {2, false, true}, {3, true, false},
                             {4, true, false},  {5, true, false}, {6, false, true}};
    const auto& marqueurs = d().pTimeline->getMarqueurs();
    ASSERT_EQ(marqueurs.size(), std::size(table));
    for (size_t i = 0; i < marqueurs.size(); ++i) {
        EXPECT_EQ(marqueurs[i]->frame, table[i].frame);
        EXPECT_EQ(marqueurs[i]->bAction, table[i].action) << "frame " << table[i].frame;
        EXPECT_EQ(marqueurs[i]->bScript, table[i].script) << "frame " << table[i].frame;
    }
    EXPECT_EQ(d().pTimeline->getNbFrames(), 10);
    EXPECT_EQ(e->combo(IdAnm::myComboBoxSonFrame)->getNbElements(), 2) << "the sound list filled on first need";

    s().setAnimation(-1, 0, true);
    d().majMarqueursTimeline(&s(), d().pTimeline);
    EXPECT_TRUE(d().pTimeline->getMarqueurs().empty());
    EXPECT_EQ(d().pTimeline->getNbFrames(), 0);
}

TEST_F(ListesTest, ElementInputsAreWrittenBackWithOrWithoutRefresh)
{
    spriteEssai(s(), planche);
    s().setKeyAnimElemPosition(0, 0, 0, 7, 9, false);
    d().majListeElements();
    d().elementSel = 1;
    const std::pair<const char*, const char*> saisies[] = {
        {IdAnm::myTextInputNomElement, "buste"}, {IdAnm::myTextInputElementX, "2"},
        {IdAnm::myTextInputElementY, "3"},       {IdAnm::myTextInputElementL, "12"},
        {IdAnm::myTextInputElementH, "14"},      {IdAnm::myTextInputElementOx, "6"},
        {IdAnm::myTextInputElementOy, "oops"}};
    for (const auto& [id, texte] : saisies)
        e->ctrl(id)->setText(texte);
    d().modifierElement(false);
    const CSPRITE3_ELEMENT& el = *s().getElement(1);
    EXPECT_EQ(el.nom, "buste");
    EXPECT_EQ(el.rect, sf::FloatRect(2, 3, 12, 14));
    EXPECT_EQ(el.origine, sf::Vector2f(6, 0)) << "a text without a number reads 0";
    EXPECT_EQ(el.elementLie, -1) << "line 0 of the link combo is none";
    EXPECT_EQ(s().getPositionInterpolee(0, 0, 1), sf::Vector2f(0, 0)) << "no link: no keys copied";
    EXPECT_EQ(e->liste(IdAnm::myListElementsPlanche)->getTextCol2(1), "corps") << "no refresh asked";

    e->combo(IdAnm::myComboBoxLienElement)->setNumSel(1);
    d().modifierElement(true);
    EXPECT_EQ(el.elementLie, 0);
    EXPECT_EQ(s().getPositionInterpolee(0, 0, 1), sf::Vector2f(0, 0)) << "the link stored, the keys left as posed";
    d().onPressLeft(nullptr, 0, 0, e->ctrl(IdAnm::myButtonInitLienElement));
    EXPECT_EQ(s().getPositionInterpolee(0, 0, 1), sf::Vector2f(7, 9)) << "Init lien copies the keys";
    EXPECT_EQ(e->liste(IdAnm::myListElementsPlanche)->getTextCol2(1), "buste");
    EXPECT_EQ(e->liste(IdAnm::myListElementsPlanche)->getNumSel(), 1);
    d().elementSel = -1;
    d().modifierElement(true);
    EXPECT_EQ(el.nom, "buste") << "no element selected: nothing";
}
