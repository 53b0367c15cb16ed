// The whip editor on its real model, driven like a user: markers, frames, masses, strikes,
// typed parameters, drags and the file buttons.
#include "OutilsOutils.h"

#include "core/Services.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlTextInput.h"
#include "tools/CSEFouet.h"

namespace {

const char* ID = "CSEFouet";

std::string texte(const char* id) { return CPLUX::getControl(ID, id)->getText(); }

void saisir(const char* id, const std::string& t) { ::saisir(ID, id, t); }

sf::Vector2f pos(const NoeudFouet& n) { return {n.x, n.y}; }

class EditeurFouet : public OutilTest {
protected:
    void SetUp() override
    {
        OutilTest::SetUp();
        e = dialogueOutil<CCSEFouet>(ID);
    }
    CFouet& f() { return *e->ssFouet.pFouet; }
    // Three markers with pauses 3, 2 and 4.
    void troisKP()
    {
        for (int pause : {3, 2, 4}) {
            ASSERT_TRUE(CPLUXTest::click(ID, "myButtonAjoute"));
            f().keyPoints.back().pause = pause;
        }
    }
    std::unique_ptr<CCSEFouet> e;
};

} // namespace

TEST_F(EditeurFouet, MarkersAreAddedSelectedAndRemoved)
{
    ASSERT_NE(e->pImageFouet, nullptr) << "the picture is taken at creation";
    EXPECT_FALSE(e->isRedimensionnable()) << "made smaller, it would draw its controls past its frame";
    troisKP();
    const CPLUXControl* m = e->getControl("__KP__0");
    ASSERT_NE(m, nullptr);
    // Centred on the picture: (8 + 300, 33 + 210) in the dialog.
    EXPECT_EQ(m->getRect(), sf::FloatRect(301, 236, 14, 14));
    EXPECT_EQ(m->getText(), "0");

    ASSERT_TRUE(CPLUXTest::click(ID, "__KP__2"));  // the last one lies on top
    EXPECT_EQ(e->numKPCour, 2);
    EXPECT_EQ(e->numFrame, 5) << "pauses 3 + 2 before it";
    EXPECT_EQ(texte("myTextNumFrame"), "Frame : 6");
    EXPECT_EQ(texte("myTextInputKPPause"), "4");
    EXPECT_EQ(e->getControl("__KP__2")->getColorCadre(), sf::Color(0, 0, 255, 255));
    ASSERT_TRUE(CPLUXTest::drag(ID, "__KP__2", -400, -300, 4));
    EXPECT_EQ(e->getControl("__KP__2")->getRect(), sf::FloatRect(1, 26, 14, 14))
        << "dragged off the picture: centred on its corner (8, 33)";
    const int frames[][2] = {{-1, -1}, {0, 0}, {2, 0}, {3, 1}, {4, 1}, {5, 2}, {8, 2}, {9, 2}, {50, 2}};
    for (const auto& c : frames)
        EXPECT_EQ(e->kpDeFrame(c[0]), c[1]) << "key point of frame " << c[0];

    // A typed pause is at least 1; then the key point of the current frame is selected. A
    // pause that is no number is refused: the key point keeps its own.
    for (const char* t : {"0", "-4", "3a"}) {
        saisir("myTextInputKPPause", t);
        ASSERT_TRUE(CPLUXTest::click(ID, "myButtonKPCourPauseInit"));
        EXPECT_EQ(f().keyPoints[2].pause, 1) << "typed " << t;
    }
    EXPECT_EQ(textesBoites(), "Éditeur de fouet: « 3a » n'est pas un nombre entier : la valeur reste 1.\n");
    CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes()[0]->getHwnd(), 0);
    EXPECT_EQ(texte("myTextInputKPPause"), "1");
    EXPECT_EQ(e->numKPCour, 2) << "frame 5 is now past every pause: the last key point";

    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonSupprime"));
    EXPECT_EQ(e->getControl("__KP__2"), nullptr);
    EXPECT_EQ(f().keyPoints.size(), 2u);
    EXPECT_EQ(e->numKPCour, -1) << "no selection of a removed key point";
    EXPECT_EQ(texte("myTextNumFrame") + "|" + texte("myTextInputKPPause"), "Frame : 1|") << "nor its frame and pause";
    saisir("myTextInputKPPause", "5");
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonKPCourPauseInit"));
    EXPECT_NE(textesBoites().find("Aucun point clé choisi"), std::string::npos) << "a pause taken by none is refused";
    EXPECT_EQ(f().keyPoints[0].pause + f().keyPoints[1].pause, 5) << "pauses 3 and 2 as they were";
}

// Without a frame both buttons stay on the first; the console line names the key point chosen,
// and goes with it.
TEST_F(EditeurFouet, FrameButtonsWithoutSpriteStayOnTheFirstFrame)
{
    for (const char* bouton : {"myButtonFrameSuiv", "myButtonFramePrec"}) {
        ASSERT_TRUE(CPLUXTest::click(ID, bouton));
        EXPECT_EQ(texte("myTextNumFrame") + "|" + std::to_string(e->numFrame), "Frame : 1|0") << bouton;
        EXPECT_FALSE(e->bLecture);
        EXPECT_EQ(CPLUX::getConsoleText(10), L"") << bouton << " with no key point chosen";
    }
    troisKP();
    ASSERT_TRUE(CPLUXTest::click(ID, "__KP__2"));
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonFramePrec"));
    EXPECT_EQ(CPLUX::getConsoleText(10), L"numKPCour=2");
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonSupprime"));
    EXPECT_EQ(CPLUX::getConsoleText(10), L"") << "the key point removed";
}

TEST_F(EditeurFouet, MassChecksAndStrikeChecks)
{
    EXPECT_TRUE(e->ctrlButtonCheck("myButtonCheckMasseCte")->isChecked()) << "a new whip's mode, from the start";
    f().creer(3, 0, 0, 1.f, CFouet::MASSE_CONSTANTE, 0.25f);
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonCheckMasseMoins"));
    EXPECT_EQ(e->numModeMasse, CFouet::MASSE_DECROISSANTE);
    EXPECT_EQ(f().modeMasse, CFouet::MASSE_DECROISSANTE) << "the mode checked is the one a save writes";
    EXPECT_FLOAT_EQ(f().noeuds[2].masse, 0.5f) << "the chain rebuilt with it: 1 - 2 x 0.25";
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonCheckMasseMoins"));
    EXPECT_EQ(e->numModeMasse, CFouet::MASSE_DECROISSANTE) << "a second press";
    CPLUXControlButtonCheck* plus = e->ctrlButtonCheck("myButtonCheckMassePlus");
    plus->setCheck(false);
    e->onCtrlCheckChange(plus);
    EXPECT_EQ(e->numModeMasse, CFouet::MASSE_DECROISSANTE) << "unchecking changes nothing";

    troisKP();
    f().creer(4, 0, 0, 1.f, 0, 0.f);
    const struct {
        const char* check;
        int mode;
    } frappes[] = {{"myButtonCheckFrappe1", 1}, {"myButtonCheckFrappe2", 2}, {"myButtonCheckRepos", 0}};
    for (const auto& c : frappes) {
        e->numFrame = 7;
        ASSERT_TRUE(CPLUXTest::click(ID, c.check));
        EXPECT_EQ(e->modeFrappe, c.mode) << c.check;
        EXPECT_FALSE(e->bFrappeEnCours) << c.check << ": prepared, not running";
        EXPECT_EQ(e->numFrame, 0) << c.check;
        EXPECT_EQ(f().compteurPause, 2) << c.check << ": key point 0's pause, one step counted";
        // The one step done placed the handle of the buffer that was current on key point 0.
        EXPECT_EQ(f().noeudsSuivants[0].x, CFouet::centreKP(f().keyPoints[0]).x) << c.check;
        EXPECT_EQ(e->getControl("__KP__1")->getColorCadre(), sf::Color(255, 255, 255, 128)) << c.check;
    }
    // A strike runs: each drawn frame follows the key points and counts their pauses.
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonFrappe"));
    EXPECT_TRUE(e->bFrappeEnCours && e->bLecture);
    EXPECT_EQ(e->modeFrappe, CCSEFouet::FRAPPE_1);
    for (int i = 0; i < 4; ++i)
        e->draw(nullptr, 0, 0, 0, 0);
    EXPECT_EQ(f().numKPActif, 2) << "pauses 3 and 2 run out after 5 steps";
    EXPECT_EQ(f().compteurPause, 4);
}

// The node count is taken at Return or when its field is left (Tab), whole and within 0 ..
// NB_NOEUDS_MAX; the length and the stiffness as they are typed.
TEST_F(EditeurFouet, TypedParametersReachTheModel)
{
    using K = sf::Keyboard;
    const char* const NB = "myTextInputNbNoeuds";
    const struct {
        const char* input;
        const char* texte;
        K::Key fin;  // Unknown: taken as typed
        int nbNoeuds, rigidite;
        float longueur;
        const char* refuse;  // what the field shows again, for a refused text
        const char* quitte = nullptr;  // what it shows once left, for a value not kept as typed
    } cas[] = {
        {NB, "30", K::Return, 30, 2, 0.5f, nullptr},
        {NB, "2.75", K::Tab, 30, 2, 0.5f, "30"},
        {NB, "1e3", K::Return, 30, 2, 0.5f, "30"},
        {NB, "-1", K::Tab, 30, 2, 0.5f, "30"},
        {NB, "2001", K::Return, 30, 2, 0.5f, "30"},
        {NB, "24", K::Tab, 24, 2, 0.5f, nullptr},
        {"myTextInputLongueur", "2 .5", K::Unknown, 24, 2, 2.5f, nullptr},
        {"myTextInputLongueur", "-3", K::Unknown, 24, 2, 2.5f, nullptr, "2.5"},
        {"myTextInputLongueur", "abc", K::Unknown, 24, 2, 2.5f, "2.5"},
        {"myTextInputLongueur", "100000000000000000000", K::Unknown, 24, 2, 1e9f, "1000000000"},
        {"myTextInputRigidite", "-3", K::Unknown, 24, 0, 1e9f, nullptr, "0"},
        {"myTextInputRigidite", "99999999999", K::Unknown, 24, CFouet::RIGIDITE_MAX, 1e9f, "64"},
        {NB, "999999999999999999999", K::Return, 24, CFouet::RIGIDITE_MAX, 1e9f, "24"},
        {NB, "2000", K::Return, CFouet::NB_NOEUDS_MAX, CFouet::RIGIDITE_MAX, 1e9f, nullptr},
        {NB, "", K::Tab, CFouet::NB_NOEUDS_MAX, CFouet::RIGIDITE_MAX, 1e9f, "2000"},
        {"myTextInputLongueur", "2.5", K::Unknown, CFouet::NB_NOEUDS_MAX, CFouet::RIGIDITE_MAX, 2.5f, nullptr},
    };
    EXPECT_EQ(texte(NB), "0") << "the model's count, shown from the start";
    for (const auto& c : cas) {
        const size_t avant = f().noeuds.size();
        saisir(c.input, c.texte);
        if (c.fin != K::Unknown) {
            EXPECT_EQ(f().noeuds.size(), avant) << "\"" << c.texte << "\" typed: the chain waits";
            ASSERT_TRUE(CPLUX::getMessageBoxes().empty()) << "\"" << c.texte << "\" typed: no box yet";
            CPLUXTest::key(c.fin);
        }
        ASSERT_EQ(CPLUX::getMessageBoxes().size(), c.refuse ? 1u : 0u) << "\"" << c.texte << "\" refused or not";
        if (c.refuse) {
            EXPECT_EQ(texte(c.input), c.refuse) << "\"" << c.texte << "\" gives way to the value kept";
            CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes()[0]->getHwnd(), 0);
        }
        EXPECT_EQ(f().nbNoeuds, c.nbNoeuds) << c.input << " " << c.texte;
        EXPECT_EQ(f().noeuds.size(), static_cast<size_t>(c.nbNoeuds)) << c.input << " " << c.texte;
        EXPECT_EQ(f().rigidite, c.rigidite) << c.input << " " << c.texte;
        EXPECT_FLOAT_EQ(f().longueur, c.longueur) << c.input << " " << c.texte;
        if (c.quitte) {
            CPLUXTest::key(K::Tab);
            EXPECT_EQ(texte(c.input), c.quitte) << c.input << " " << c.texte << ", then left";
        }
        e->draw(nullptr, 0, 0, 0, 0);
    }
    saisir(NB, "3");
    CPLUXTest::key(K::Return);
    // Rebuilt from the dialog's corner + (10, 100) without key points, spaced by the length.
    EXPECT_FLOAT_EQ(f().noeuds[2].x, e->getLeft() + 10 + 2 * 2.5f);
    EXPECT_FLOAT_EQ(f().noeuds[2].y, e->getTop() + 100.f);
}

TEST_F(EditeurFouet, NodesFollowTheDialogAndTheMouse)
{
    f().gravite = 0.f;
    f().creer(5, 200, 200, 1.f, 0, 0.f);
    const sf::Vector2i avant = e->getPosition();
    const sf::Vector2i depart(avant.x + 200, avant.y + 10);  // on the title bar
    CPLUXTest::pressLeftAt(depart.x, depart.y);
    CPLUXTest::mouseMove(depart.x + 30, depart.y - 15);
    CPLUXTest::releaseLeft();
    EXPECT_EQ(e->getPosition(), avant + sf::Vector2i(30, -15)) << "the dialog moved";
    EXPECT_EQ(pos(f().noeuds[0]), sf::Vector2f(230, 185)) << "the handle moved with it";

    // A left drag on the picture puts the handle on the mouse.
    const sf::Vector2i c = CPLUXTest::centre(ID, "myImageFouet");
    ASSERT_TRUE(CPLUXTest::drag(ID, "myImageFouet", 40, -20, 4));
    EXPECT_EQ(pos(f().noeuds[0]), sf::Vector2f(c + sf::Vector2i(40, -20)));

    // A right drag holds the tip on the mouse; the tip is free again at the next right press.
    CPLUXTest::pressRightAt(c.x, c.y);
    CPLUXTest::mouseMove(c.x + 25, c.y + 5);
    CPLUXTest::releaseRight();
    EXPECT_EQ(pos(f().noeudsSuivants.back()), sf::Vector2f(c + sf::Vector2i(25, 5))) << "tip of the buffer it was put in";
    EXPECT_FALSE(f().bBoutTire);
    CPLUXTest::pressRightAt(c.x, c.y);
    EXPECT_TRUE(f().bBoutTire);
    CPLUXTest::releaseRight();
}

TEST_F(EditeurFouet, ReadAndSaveFouet0)
{
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonLireFouet"));
    EXPECT_EQ(CPLUX::getConsoleText(2), L"fouet0.ini introuvable");
    ecrireTexte("fouet0.ini", "FOUET_NBNOEUDS=24\nFOUET_RIGIDITE=3\nFOUET_MASSE=1;2;0.5\nFOUET_KP=100;100;2\n"
                              "FOUET_KP=200;150;3\nFOUET_KP=300;100;4\n");
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonLireFouet"));
    EXPECT_EQ(CPLUX::getConsoleText(2), L"fouet0.ini lu");
    EXPECT_EQ(std::tuple(f().nbNoeuds, f().keyPoints.size()), std::tuple(24, 3u)) << "nodes and key points read";
    ASSERT_NE(e->getControl("__KP__2"), nullptr);
    EXPECT_EQ(texte("myTextInputNbNoeuds") + " " + texte("myTextInputRigidite"), "24 3") << "the controls show the model";
    ASSERT_TRUE(CPLUXTest::click(ID, "__KP__1"));
    EXPECT_EQ(texte("myTextNumFrame") + "|" + texte("myTextInputKPPause"), "Frame : 3|3");
    // The press on "Sauver fouet" leaves the node count's field: its text is read first.
    saisir("myTextInputNbNoeuds", "12");
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonSauverFouet"));
    EXPECT_EQ(CPLUX::getConsoleText(2), L"fouet0.ini enregistré");
    // 12 taken, then saved; the chain rebuilt with the mass mode read, which the checks show.
    for (const char* ligne : {"FOUET_KP=200;150;3\n", "FOUET_NBNOEUDS=12\n", "FOUET_MASSE=1;2;0.5\n"})
        EXPECT_NE(lireTexte("fouet0.ini").find(ligne), std::string::npos) << ligne << " not saved";

    saisir("myTextInputNbNoeuds", "0");
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonSauverFouet"));
    saisir("myTextInputNbNoeuds", "5");
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonLireFouet"));
    EXPECT_EQ(texte("myTextInputNbNoeuds"), "0") << "no node saved, none read back";
    EXPECT_EQ(texte("myTextNumFrame") + "|" + texte("myTextInputKPPause"), "Frame : 1|") << "key point 1 is another";
    // Values the whip cannot take are named; the next save writes what was read instead.
    ecrireTexte("fouet0.ini", "FOUET_LONGUEUR=-5\nFOUET_GRAVITE=abc\n");
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonLireFouet"));
    EXPECT_EQ(textesBoites(), "Éditeur de fouet: fouet0.ini : valeurs corrigées\nfouet0.ini:1: « FOUET_LONGUEUR=-5 » : "
                              "nul ou négatif, lu\ncomme 0.5\nfouet0.ini:2: « FOUET_GRAVITE=abc » : pas un nombre, "
                              "lu\ncomme 0.001\n");  // the box wraps
    EXPECT_EQ(CPLUX::getConsoleText(2), L"fouet0.ini lu, 2 valeurs corrigées");
    CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes()[0]->getHwnd(), 0);
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonSauverFouet"));
    EXPECT_NE(lireTexte("fouet0.ini").find("FOUET_LONGUEUR=0.5\nFOUET_GRAVITE=0.001\n"), std::string::npos);
    // A short line is named as a bad value is; a key the file lacks (the gravity read from the
    // file before) takes a new whip's value, which the save writes.
    ecrireTexte("fouet0.ini", "FOUET_GRAVITE=0.5\n");
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonLireFouet"));
    ecrireTexte("fouet0.ini", "FOUET_COULEUR=200;20\n");
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonLireFouet"));
    EXPECT_EQ(textesBoites(), "Éditeur de fouet: fouet0.ini : valeurs corrigées\nfouet0.ini:1: « FOUET_COULEUR=200;20 » "
                              ": valeurs 3 à 4\nabsentes, lu comme 200;20;20;20\n");
    CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes()[0]->getHwnd(), 0);
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonSauverFouet"));
    EXPECT_NE(lireTexte("fouet0.ini").find("FOUET_GRAVITE=0.001\n"), std::string::npos) << lireTexte("fouet0.ini");
    CPLUX::hide(ID);
    EXPECT_EQ(CPLUX::getConsoleText(2), L"") << "the line goes with the whip editor";
    CPLUX::show(ID);
    std::filesystem::remove("fouet0.ini.save");
    std::filesystem::create_directories("fouet0.ini.save/plein");
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonSauverFouet"));
    EXPECT_EQ(textesBoites(), "Erreur !: Impossible d'enregistrer fouet0.ini\n");
    EXPECT_EQ(CPLUX::getConsoleText(2), L"fouet0.ini non enregistré") << "no earlier success left on the line";
}

TEST(EditeurFouetTemps, SixtyFramesPerSecondStepAsThirty)
{
    const auto coefficient = g_services.framerateCoeff;
    CCSEFouet a, b;
    for (CCSEFouet* e : {&a, &b})
        e->ssFouet.pFouet->creer(12, 100, 100, 1.f, CFouet::MASSE_CROISSANTE, 0.5f);
    g_services.framerateCoeff = [] { return 0.5f; };
    for (int i = 0; i < 40; ++i)
        a.draw(nullptr, 0, 0, 0, 0);
    g_services.framerateCoeff = [] { return 1.0f; };
    for (int i = 0; i < 20; ++i)
        b.draw(nullptr, 0, 0, 0, 0);
    g_services.framerateCoeff = coefficient;
    for (size_t i = 0; i < 12; ++i)
        EXPECT_EQ(pos(a.ssFouet.pFouet->noeuds[i]), pos(b.ssFouet.pFouet->noeuds[i])) << "node " << i;
    EXPECT_NE(a.ssFouet.pFouet->noeuds[11].y, 100.f) << "the chain did move";
}
