// The anim-script editor: its command catalogue, its two kinds of target, the line operations
// written back into the script in the list's order, the ".anm" round trip, and targets that
// moved or went.
#include "OutilsEditeur.h"

#include "anim/InterpreteurAnm.h"
#include "animeditor/JeuDialogScriptAnm.h"
#include "gui/CPLUXControlTextInput.h"

#include <functional>

namespace {
using Lignes = std::vector<std::pair<std::string, std::string>>;

Lignes lignesDe(const CScriptAnm& s)
{
    Lignes r;
    for (size_t i = 0; i < s.commandes.size(); ++i)
        r.emplace_back(s.commandes[i], i < s.arguments.size() ? s.arguments[i] : "?");
    return r;
}

// Long arguments shown by their start and length.
std::string texte(const Lignes& l)
{
    std::string r;
    for (const auto& [c, a] : l)
        r += "[" + c + "|" + (a.size() > 40 ? a.substr(0, 20) + "...(" + std::to_string(a.size()) + ")" : a) + "]";
    return r;
}

// The script dialog shown in a 1280 x 720 window over the test sprite; keyframe 5 of "marche"
// and the "onMouseClickLeft" event of its AE 1 each hold two lines.
class ScriptAnmTest : public EditeurTest {
protected:
    void SetUp() override
    {
        EditeurTest::SetUp();
        fenetre.create(sf::VideoMode(1280, 720), "script", sf::Style::None);
        CPLUX::setSurface(&fenetre);
        spriteEssai(s, planche);
        const Lignes deux = {{"setFrame", "( 2 )"}, {"playSound", "( pas )"}};
        for (const auto& [c, a] : deux) {
            s.getAnim(0)->keyframes[1]->scp.commandes.push_back(c);
            s.getAnim(0)->keyframes[1]->scp.arguments.push_back(a);
            s.getAnimElem(0, 1)->evenements["onMouseClickLeft"].commandes.push_back(c);
            s.getAnimElem(0, 1)->evenements["onMouseClickLeft"].arguments.push_back(a);
        }
        sc = dialogueModele<CJeuDialogScriptAnm>(CJeuDialogScriptAnm::ID);
        sc->show();
    }
    void TearDown() override
    {
        sc.reset();
        CPLUX::setSurface(nullptr);
        EditeurTest::TearDown();
    }
    // Keyframe 5, or the AE event.
    void cibler(bool ae)
    {
        if (ae) {
            sc->editScriptAE(&s, 0, 1, "onMouseClickLeft");
        } else {
            s.setFrameCourante(5);
            sc->editScriptFrame(&s);
        }
    }
    CScriptAnm& script(bool ae) { return ae ? s.getAnimElem(0, 1)->evenements["onMouseClickLeft"] : kf(5); }
    CScriptAnm& kf(int frame) { return s.getKeyframeEnForce(0, frame)->scp; }
    CPLUXControlList* liste() { return sc->ctrlList("myListScript"); }
    CPLUXControlComboBox* combo() { return sc->ctrlComboBox("myComboBoxScpCmds"); }
    Lignes lignesListe()
    {
        Lignes r;
        for (int i = 0; i < liste()->getNbElements(); ++i)
            r.emplace_back(liste()->getText(i), liste()->getTextCol2(i));
        return r;
    }
    void bouton(const char* id) { ASSERT_TRUE(CPLUXTest::click(CJeuDialogScriptAnm::ID, id)) << id; }
    void droit(const char* id)
    {
        ASSERT_TRUE(CPLUXTest::pressRight(CJeuDialogScriptAnm::ID, id)) << id;
        CPLUXTest::releaseRight();
    }
    void ligne(int n) { ASSERT_TRUE(CPLUXTest::selectRow(CJeuDialogScriptAnm::ID, "myListScript", n)); }
    // Below the last row: the list then has no selection.
    void aucuneLigne()
    {
        CPLUXControlList* l = liste();
        CPLUXTest::clickAt(l->getLeftScreen() + 6, l->getTopScreen() + static_cast<int>(l->getHeight()) - 4);
    }
    void commande(int n) { ASSERT_TRUE(CPLUXTest::chooseEntry(CJeuDialogScriptAnm::ID, "myComboBoxScpCmds", n)); }
    // A press on column 2 of the selected row opens the list's own input; Enter validates it.
    void arguments(int n, const std::string& t)
    {
        ligne(n);
        CPLUXControlList* l = liste();
        const float h = l->hauteurLigne();
        CPLUXTest::clickAt(l->getLeftScreen() + static_cast<int>(l->getWidth()) - 30,
                           l->getTopScreen() + 1 + static_cast<int>((n - l->getScrollPosition()) * h + h / 2));
        ASSERT_TRUE(l->editeurOuvert()) << "the argument input opens on column 2 of the selected row";
        // A long text is put in at once: typing lays the whole line out again at each character.
        CPLUXTest::key(sf::Keyboard::A, true);
        if (t.size() <= 100)
            CPLUXTest::type(t);
        else
            l->getInputCol2()->setText(t);
        CPLUXTest::key(sf::Keyboard::Return);
    }

    sf::RenderWindow fenetre;
    Planche planche;
    CSPRITE3 s;
    std::unique_ptr<CJeuDialogScriptAnm> sc;
};
} // namespace

TEST_F(ScriptAnmTest, TheComboOffersTheInterpretersCatalogueAndNothingTargetedDisablesTheLineButtons)
{
    CPLUXControlComboBox* c = combo();
    ASSERT_EQ(c->getNbElements(), 24);
    const std::tuple<int, const char*, const char*> lignes[] = {
        {0, "#", "commentaires"},
        {9, "initElementAnimationLinkViseeAuto [global]",
         "( string nomElement ; int angleDepart ; int angleArrivee ; float vitesse ; bool bLoop )"},
        {18, "playSound", "( string idSon )"},
        {23, "_disable_NextCmdsOnlyIfPlaying", "( [annule l'effet de _enable_NextCmdsOnlyIfPlaying] )"}};
    for (const auto& [n, commande, signature] : lignes) {
        EXPECT_EQ(c->getText(n), commande) << "row " << n;
        EXPECT_EQ(c->getTextCol2(n), signature) << "row " << n;
    }
    for (int n = 0; n < 24; ++n)
        EXPECT_EQ(c->getText(n), CInterpreteurAnm::catalogue()[static_cast<size_t>(n)].commande)
            << "row " << n << ": the editor offers what the interpreter runs, in its order";
    EXPECT_TRUE(c->isRoll());
    EXPECT_EQ(c->getLargeurCol2(), 300 + 50);
    EXPECT_EQ(liste()->getLargeurCol2(), 300);

    s.ajouterAnimation("vide", false);
    const std::size_t evenements = s.getAnimElem(0, 0)->evenements.size();
    const char* const FRAME = "Script de la frame";
    const char* const AE = "Script de l'AE";
    const std::tuple<const char*, std::function<void()>, const char*> cibles[] = {
        {"no sprite", [&] { sc->editScriptFrame(nullptr); }, FRAME},
        {"an animation without keyframes",
         [&] {
             s.setAnimation(1, 0, true);
             sc->editScriptFrame(&s);
         },
         FRAME},
        {"AE -1", [&] { sc->editScriptAE(&s, -1, -1, ""); }, AE},
        {"an event without script", [&] { sc->editScriptAE(&s, 0, 0, "onMouseOut"); }, AE},
        {"an AE out of range", [&] { sc->editScriptAE(&s, 0, 7, "onMouseClickLeft"); }, AE}};
    for (const auto& [quoi, cibler_, titre] : cibles) {
        cibler(true);  // something shown first
        cibler_();
        EXPECT_EQ(liste()->getNbElements(), 0) << quoi;
        for (const char* b : {"myButtonAddInstruction", "myButtonDelInstruction", "myButtonEditInstruction"})
            EXPECT_FALSE(sc->getControl(b)->isActive()) << quoi << ": " << b;
        for (const char* b : {"myButtonCmdHaut", "myButtonCmdBas"})
            EXPECT_TRUE(sc->getControl(b)->isActive()) << quoi << ": " << b << " is never disabled";
        EXPECT_EQ(sc->getTitle(), titre) << quoi;
        EXPECT_EQ(sc->getScriptCible(), nullptr) << quoi;
    }
    EXPECT_EQ(s.getAnimElem(0, 0)->evenements.size(), evenements) << "looking an event up made no entry";
}

TEST_F(ScriptAnmTest, EveryLineOperationLeavesTheScriptHoldingTheListsLinesInOrder)
{
    struct Etape {
        const char* quoi;
        std::function<void()> faire;
        Lignes attendu;
    };
    const Lignes depart = {{"setFrame", "( 2 )"}, {"playSound", "( pas )"}};
    for (const bool ae : {false, true}) {
        SCOPED_TRACE(ae ? "AE event" : "keyframe");
        script(ae).commandes = {"setFrame", "playSound"};
        script(ae).arguments = {"( 2 )", "( pas )"};
        sc->editScriptFrame(nullptr);
        cibler(ae);
        combo()->setNumSel(-1);
        const std::string longs(10000, 'x');
        const Etape etapes[] = {
            {"add without a command", [&] { bouton("myButtonAddInstruction"); }, depart},
            {"add setAnimation, no row selected: at the end",
             [&] {
                 aucuneLigne();
                 commande(11);
                 bouton("myButtonAddInstruction");
             },
             {{"setFrame", "( 2 )"}, {"playSound", "( pas )"}, {"setAnimation", "()"}}},
            {"add a comment after row 0",
             [&] {
                 ligne(0);
                 EXPECT_EQ(combo()->getTextSel(), "setFrame") << "choosing a row preselects its command";
                 commande(0);
                 bouton("myButtonAddInstruction");
             },
             {{"setFrame", "( 2 )"}, {"#", " "}, {"playSound", "( pas )"}, {"setAnimation", "()"}}},
            {"replace row 2 by a comment: its arguments stay",
             [&] {
                 ligne(2);
                 commande(0);
                 bouton("myButtonEditInstruction");
             },
             {{"setFrame", "( 2 )"}, {"#", " "}, {"#", "( pas )"}, {"setAnimation", "()"}}},
            {"replace without a row",
             [&] {
                 aucuneLigne();
                 commande(12);
                 bouton("myButtonEditInstruction");
             },
             {{"setFrame", "( 2 )"}, {"#", " "}, {"#", "( pas )"}, {"setAnimation", "()"}}},
            {"delete row 1",
             [&] {
                 ligne(1);
                 bouton("myButtonDelInstruction");
             },
             {{"setFrame", "( 2 )"}, {"#", "( pas )"}, {"setAnimation", "()"}}},
            {"delete without a row",
             [&] {
                 aucuneLigne();
                 bouton("myButtonDelInstruction");
             },
             {{"setFrame", "( 2 )"}, {"#", "( pas )"}, {"setAnimation", "()"}}},
            {"right press on the list: a comment after the row",
             [&] {
                 ligne(0);
                 droit("myListScript");
             },
             {{"setFrame", "( 2 )"}, {"#", " "}, {"#", "( pas )"}, {"setAnimation", "()"}}},
            {"right press on the combo: its command, the combo rolled up",
             [&] {
                 commande(15);
                 aucuneLigne();
                 droit("myComboBoxScpCmds");
                 EXPECT_TRUE(combo()->isRoll());
             },
             {{"setFrame", "( 2 )"}, {"#", " "}, {"#", "( pas )"}, {"setAnimation", "()"}, {"shoot", "()"}}},
            {"arguments typed into row 4, with ';', ',' and 10,000 characters",
             [&] { arguments(4, "( 45 ; 1,5 )" + longs); },
             {{"setFrame", "( 2 )"},
              {"#", " "},
              {"#", "( pas )"},
              {"setAnimation", "()"},
              {"shoot", "( 45 ; 1,5 )" + longs}}},
            {"the first row up, the last down: nothing moves",
             [&] {
                 ligne(0);
                 bouton("myButtonCmdHaut");
                 ligne(4);
                 bouton("myButtonCmdBas");
             },
             {{"setFrame", "( 2 )"},
              {"#", " "},
              {"#", "( pas )"},
              {"setAnimation", "()"},
              {"shoot", "( 45 ; 1,5 )" + longs}}},
            {"row 3 up, row 0 down, then an insertion after row 1",
             [&] {
                 ligne(3);
                 bouton("myButtonCmdHaut");
                 ligne(0);
                 bouton("myButtonCmdBas");
                 ligne(1);
                 commande(21);
                 bouton("myButtonAddInstruction");
             },
             {{"#", " "},
              {"setFrame", "( 2 )"},
              {"runScript", "()"},
              {"setAnimation", "()"},
              {"#", "( pas )"},
              {"shoot", "( 45 ; 1,5 )" + longs}}},
        };
        for (const Etape& e : etapes) {
            e.faire();
            EXPECT_EQ(texte(lignesListe()), texte(e.attendu)) << e.quoi << ": the list";
            EXPECT_EQ(texte(lignesDe(script(ae))), texte(e.attendu)) << e.quoi << ": the script";
        }
        EXPECT_FALSE(liste()->editeurOuvert()) << "no argument input stays open after an insertion";
    }
}

TEST_F(ScriptAnmTest, ScriptsEditedInBothModesAreSavedWithTheSpriteAndReadBack)
{
    DossierTemp dossier;
    for (const bool ae : {false, true}) {
        cibler(ae);
        ligne(1);
        commande(20);
        bouton("myButtonAddInstruction");
        arguments(2, ae ? "( a;b ; 1,5 )" : "( x )");
    }
    const Lignes frame = {{"setFrame", "( 2 )"}, {"playSound", "( pas )"}, {"stopAllSounds", "( x )"}};
    const Lignes evenement = {{"setFrame", "( 2 )"}, {"playSound", "( pas )"}, {"stopAllSounds", "( a;b ; 1,5 )"}};
    ASSERT_EQ(texte(lignesDe(kf(5))), texte(frame));
    ASSERT_EQ(texte(lignesDe(script(true))), texte(evenement));
    ASSERT_TRUE(s.sauver(dossier / "s.anm"));
    CSPRITE3 relu;
    ASSERT_TRUE(relu.charger(nullptr, nullptr, dossier / "s.anm", false));
    EXPECT_EQ(texte(lignesDe(relu.getKeyframeEnForce(0, 5)->scp)), texte(frame));
    ASSERT_EQ(relu.getAnimElem(0, 1)->evenements.count("onMouseClickLeft"), 1u);
    // The file's own conversion: a decimal comma is read back as a point.
    EXPECT_EQ(texte(lignesDe(relu.getAnimElem(0, 1)->evenements["onMouseClickLeft"])),
              texte({{"setFrame", "( 2 )"}, {"playSound", "( pas )"}, {"stopAllSounds", "( a;b ; 1.5 )"}}));
}

TEST_F(ScriptAnmTest, EditsReachOnlyTheScriptShownWhileItStillStands)
{
    struct Cas {
        const char* quoi;
        bool ae;
        std::function<void()> changer;
        bool ecrit;  // the shown script takes the edit
    };
    const Cas table[] = {
        {"the preview moved the frame to 0", false, [&] { s.setFrameCourante(0); }, true},
        {"another animation plays", false,
         [&] {
             s.ajouterAnimation("autre", true);
             s.setAnimation(1, 0, true);
         },
         true},
        {"keyframe 5 deleted", false, [&] { s.supprimerKeyframe(0, 5); }, false},
        {"animation deleted", false, [&] { s.supprimerAnimation(0); }, false},
        {"the event's script deleted", true, [&] { s.getAnimElem(0, 1)->evenements.clear(); }, false},
        {"the AE deleted", true, [&] { s.supprimerAnimElem(0, 1); }, false},
        {"the animation deleted", true, [&] { s.supprimerAnimation(0); }, false},
    };
    for (const Cas& c : table) {
        SCOPED_TRACE(c.quoi);
        s.viderAnimations();
        s.viderElements();
        spriteEssai(s, planche);
        s.getAnimElem(0, 1)->evenements["onMouseClickLeft"].commandes = {"setFrame"};
        s.getAnimElem(0, 1)->evenements["onMouseClickLeft"].arguments = {"( 2 )"};
        kf(5).commandes = {"setFrame"};
        kf(5).arguments = {"( 2 )"};
        sc->editScriptFrame(nullptr);  // the sprite was rebuilt under the dialog
        cibler(c.ae);
        c.changer();
        ligne(0);
        droit("myListScript");
        commande(13);
        bouton("myButtonAddInstruction");
        ligne(0);
        bouton("myButtonCmdBas");
        bouton("myButtonDelInstruction");
        const CSPRITE3_ANIMATION* anim = s.getAnim(0);
        for (size_t k = 0; anim && k < anim->keyframes.size(); ++k) {
            const CScriptAnm& scp = anim->keyframes[k]->scp;
            const bool montre = !c.ae && anim->keyframes[k]->frame == 5;
            // Shown and still standing: a comment and a command were added, the first two swapped.
            const bool cinq = anim->keyframes[k]->frame == 5;
            const Lignes attendu = !cinq ? Lignes{}
                                   : montre && c.ecrit
                                       ? Lignes{{"#", " "}, {"setFrame", "( 2 )"}, {"setDirection", "()"}}
                                       : Lignes{{"setFrame", "( 2 )"}};
            EXPECT_EQ(texte(lignesDe(scp)), texte(attendu)) << "keyframe at " << anim->keyframes[k]->frame;
        }
        if (s.getAnimElem(0, 1) && c.ae) {
            const auto& ev = s.getAnimElem(0, 1)->evenements;
            EXPECT_EQ(ev.count("onMouseClickLeft"), c.ecrit ? 1u : 0u) << "no entry made by an edit";
        }
    }
}

TEST_F(ScriptAnmTest, RowsInsertedWhileNothingIsTargetedReachNoScript)
{
    cibler(true);
    sc->editScriptFrame(nullptr);
    commande(3);
    droit("myComboBoxScpCmds");
    droit("myListScript");
    EXPECT_EQ(liste()->getNbElements(), 2) << "the rows stand in the list";
    ligne(0);
    bouton("myButtonCmdHaut");
    bouton("myButtonCmdBas");
    EXPECT_EQ(texte(lignesDe(kf(5))), texte({{"setFrame", "( 2 )"}, {"playSound", "( pas )"}}));
    EXPECT_EQ(texte(lignesDe(script(true))), texte({{"setFrame", "( 2 )"}, {"playSound", "( pas )"}}));
    EXPECT_EQ(kf(0).getNbLignes(), 0);
}

// The editor refills its keyframe panel at every drawing while the sprite plays: the row
// chosen in the script editor and its open argument input stay.
TEST_F(EditeurTest, DrawnFramesOfTheAnimationPageKeepTheScriptEditorsRow)
{
    sf::RenderWindow fenetre(sf::VideoMode(1280, 720), "script", sf::Style::None);
    CPLUX::setSurface(&fenetre);
    auto sc = dialogueModele<CJeuDialogScriptAnm>(CJeuDialogScriptAnm::ID);
    Editeur e;
    Planche planche;
    CSPRITE3& s = *e->pSprite;
    spriteEssai(s, planche);
    s.getKeyframeEnForce(0, 5)->scp.commandes = {"setFrame", "shoot"};
    s.getKeyframeEnForce(0, 5)->scp.arguments = {"( 2 )", "( 90 )"};
    s.setVitesseAnim(0, 1000);  // the frame stays while the sprite plays
    e->show();
    e->pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
    e->majListeAnimations();
    e.liste(IdAnm::myListAnimations)->setNumSel(0);
    const CControlTimeline* t = e->pTimeline;
    CPLUXTest::clickAt(t->getLeftScreen() + 5 * t->getLargeurFrame() + 2, t->getTopScreen() + 10);
    sc->show();
    CPLUXControlList* l = sc->ctrlList("myListScript");
    ASSERT_EQ(l->getNbElements(), 2) << "the editor targets keyframe 5";

    ASSERT_TRUE(CPLUXTest::selectRow(CJeuDialogScriptAnm::ID, "myListScript", 1));
    const float h = l->hauteurLigne();
    CPLUXTest::clickAt(l->getLeftScreen() + static_cast<int>(l->getWidth()) - 30,
                       l->getTopScreen() + 1 + static_cast<int>(h + h / 2));
    ASSERT_TRUE(l->editeurOuvert());
    s.play();
    for (int i = 0; i < 100; ++i)
        CPLUXTest::frame(&fenetre);
    for (int i = 0; i < 100; ++i)
        sc->editScriptFrame(&s);
    EXPECT_EQ(s.getFrameCourante(), 5);
    EXPECT_EQ(l->getNumSel(), 1) << "the row stays selected: the list was not emptied";
    EXPECT_TRUE(l->editeurOuvert()) << "the argument input stays open";
    CPLUXTest::type("( 45 )");
    CPLUXTest::key(sf::Keyboard::Return);
    EXPECT_EQ(s.getKeyframeEnForce(0, 5)->scp.arguments[1], "( 45 )");
    CPLUX::setSurface(nullptr);
}
