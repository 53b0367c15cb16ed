// The events dialog of an anim element: its six events marked where the AE has a script, new
// and deleted scripts, and the script editor it targets.
#include "OutilsEditeur.h"

#include "animeditor/JeuDialogEventsAnm.h"
#include "animeditor/JeuDialogScriptAnm.h"

#include <functional>

namespace {
const sf::Color BLEU(0, 0, 255, 255);
const sf::Color GRIS(40, 40, 40, 255);

// Both dialogs shown side by side in a 1280 x 720 window, over the test sprite.
class EvenementsAnmTest : public EditeurTest {
protected:
    void SetUp() override
    {
        EditeurTest::SetUp();
        fenetre.create(sf::VideoMode(1280, 720), "evenements", sf::Style::None);
        CPLUX::setSurface(&fenetre);
        spriteEssai(s, planche);
        sc = dialogueModele<CJeuDialogScriptAnm>(CJeuDialogScriptAnm::ID);
        ev = dialogueModele<CJeuDialogEventsAnm>(CJeuDialogEventsAnm::ID);
        ev->setPosition(40, 300);
        ev->show();
    }
    void TearDown() override
    {
        ev.reset();
        sc.reset();
        CPLUX::setSurface(nullptr);
        EditeurTest::TearDown();
    }
    CPLUXControlList* liste() { return ev->ctrlList("myListEvents"); }
    void ecrire(int ae, const char* evenement, const char* commande)
    {
        CScriptAnm& script = s.getAnimElem(0, ae)->evenements[evenement];
        script.commandes = {commande};
        script.arguments = {"()"};
    }
    // One letter a line: S "script" in blue, . a blank and no blue, ? anything else.
    std::string marques()
    {
        std::string r;
        for (int i = 0; i < liste()->getNbElements(); ++i) {
            const bool bleu = liste()->getColor(i) == BLEU;
            const std::string t = liste()->getTextCol2(i);
            r += t == "script" && bleu ? 'S' : t == " " && !bleu ? '.' : '?';
        }
        return r;
    }
    void bouton(const char* id) { ASSERT_TRUE(CPLUXTest::click(CJeuDialogEventsAnm::ID, id)) << id; }
    std::string cibleScript()
    {
        if (!sc->bScriptAE)
            return "frame";
        return std::to_string(sc->numAnimation) + "/" + std::to_string(sc->numAnimElem) + "/" + sc->strEvent;
    }

    sf::RenderWindow fenetre;
    Planche planche;
    CSPRITE3 s;
    std::unique_ptr<CJeuDialogScriptAnm> sc;
    std::unique_ptr<CJeuDialogEventsAnm> ev;
};
} // namespace

TEST_F(EvenementsAnmTest, BindingMarksTheEventsWithAScriptAndTargetsTheLastOne)
{
    const std::string SIX = "onMouseClickLeft onMouseClickRight onMouseReleaseLeft onMouseReleaseRight onMouseOn onMouseOut ";
    struct Cas {
        const char* quoi;
        std::function<void()> preparer;
        int animation, animElem;
        std::string marques;
        int ligne;
        std::string cible;
    } table[] = {
        {"no script", [] {}, 0, 1, "......", -1, "-1/-1/"},
        {"click left and out",
         [&] {
             ecrire(1, "onMouseClickLeft", "setFrame");
             ecrire(1, "onMouseOut", "stopAllSounds");
         },
         0, 1, "S....S", 5, "0/1/onMouseOut"},
        {"an unknown key besides", [&] { ecrire(1, "zzz", "setFrame"); }, 0, 1,
         "S....S", 5, "0/1/onMouseOut"},
        {"an unknown key alone", [&] { ecrire(0, "aaa", "setFrame"); }, 0, 0, "......", -1, "-1/-1/"},
        {"the AE -1", [] {}, 0, -1, "......", -1, "-1/-1/"},
        {"an AE out of range", [] {}, 0, 9, "......", -1, "-1/-1/"},
    };
    for (const Cas& c : table) {
        SCOPED_TRACE(c.quoi);
        c.preparer();
        sc->editScriptFrame(&s);
        ev->setElement(&s, c.animation, c.animElem, true);
        std::string noms;
        for (int i = 0; i < liste()->getNbElements(); ++i)
            noms += liste()->getText(i) + " ";
        EXPECT_EQ(noms, SIX) << "the six events in their order";
        EXPECT_EQ(marques(), c.marques);
        EXPECT_EQ(liste()->getNumSel(), c.ligne);
        EXPECT_EQ(cibleScript(), c.cible) << "the script editor's target";
        EXPECT_EQ(sc->pSprite, &s);
    }
    // The script editor shows the targeted event's lines.
    ev->setElement(&s, 0, 1);
    ASSERT_EQ(sc->ctrlList("myListScript")->getNbElements(), 1);
    EXPECT_EQ(sc->ctrlList("myListScript")->getText(0), "stopAllSounds");
    EXPECT_EQ(s.getAnimElem(0, 1)->evenements.size(), 3u) << "binding made no entry";

    ev->setElement(&s, -1, 0);
    EXPECT_EQ(liste()->getNbElements(), 0) << "an animation out of range leaves the list empty";
    EXPECT_EQ(cibleScript(), "-1/-1/");
    ev->setElement(nullptr, 0, 0);
    EXPECT_EQ(liste()->getNbElements(), 6) << "no sprite: six lines, none marked";
}

TEST_F(EvenementsAnmTest, NewThenDeleteOnOneLineLeavesTheMapAsItWas)
{
    ecrire(1, "onMouseOn", "setFrame");
    ev->setElement(&s, 0, 1);
    ASSERT_TRUE(CPLUXTest::selectRow(CJeuDialogEventsAnm::ID, "myListEvents", 1));
    EXPECT_EQ(cibleScript(), "-1/-1/") << "an event without script clears the script editor";
    bouton("myButtonNouveauScp");
    EXPECT_EQ(liste()->getTextCol2(1), "script");
    EXPECT_EQ(liste()->getColor(1), BLEU);
    ASSERT_EQ(s.getAnimElem(0, 1)->evenements.count("onMouseClickRight"), 1u);
    EXPECT_EQ(s.getAnimElem(0, 1)->evenements["onMouseClickRight"].getNbLignes(), 0) << "a new, empty script";
    bouton("myButtonNouveauScp");
    EXPECT_EQ(s.getAnimElem(0, 1)->evenements.size(), 2u) << "a second press makes nothing";
    bouton("myButtonDelScp");
    EXPECT_EQ(liste()->getTextCol2(1), " ");
    EXPECT_EQ(liste()->getColor(1), GRIS);
    bouton("myButtonDelScp");
    ASSERT_EQ(s.getAnimElem(0, 1)->evenements.size(), 1u);
    EXPECT_EQ(s.getAnimElem(0, 1)->evenements.begin()->first, "onMouseOn") << "the other script stays";

    // Unbound, or bound to an AE that was deleted since: nothing is made or deleted.
    ev->setElement(&s, 0, -1);
    ASSERT_TRUE(CPLUXTest::selectRow(CJeuDialogEventsAnm::ID, "myListEvents", 4));
    bouton("myButtonDelScp");
    bouton("myButtonNouveauScp");
    ev->setElement(&s, 0, 1);
    s.supprimerAnimElem(0, 1);
    ASSERT_TRUE(CPLUXTest::selectRow(CJeuDialogEventsAnm::ID, "myListEvents", 0));
    bouton("myButtonNouveauScp");
    bouton("myButtonDelScp");
    bouton("myButtonDialogAnmScp");
    EXPECT_EQ(s.getNbAnimElems(0), 1);
    EXPECT_TRUE(s.getAnimElem(0, 0)->evenements.empty());
}

TEST_F(EvenementsAnmTest, TheScriptButtonShowsAndTargetsThenHidesTheScriptEditor)
{
    ecrire(1, "onMouseReleaseLeft", "playSound");
    sc->hide();
    ev->setElement(&s, 0, 1);
    sc->editScriptFrame(&s);
    bouton("myButtonDialogAnmScp");
    EXPECT_TRUE(CPLUX::isDialogVisible(CJeuDialogScriptAnm::ID));
    EXPECT_EQ(cibleScript(), "0/1/onMouseReleaseLeft") << "shown and targeted at the selected event";
    bouton("myButtonDialogAnmScp");
    EXPECT_FALSE(CPLUX::isDialogVisible(CJeuDialogScriptAnm::ID));

    // No line selected: shown, nothing targeted.
    ev->setElement(&s, 0, 0);
    bouton("myButtonDialogAnmScp");
    EXPECT_TRUE(CPLUX::isDialogVisible(CJeuDialogScriptAnm::ID));
    EXPECT_EQ(cibleScript(), "-1/-1/");
}
