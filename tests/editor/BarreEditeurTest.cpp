// The editor toolbar: each check button writes its flag, refreshChecks shows them, the main
// menu follows "Menu masqué", the frame-rate text.
#include "OutilsEditeurNiveau.h"

#include <functional>

namespace {

using Lecteur = std::function<bool(CSFMLJeu&, CPerso& joueur, CPerso& ia)>;
struct Ligne {
    const char* id;
    Lecteur drapeau;
};

const char* const BARRE = editeur::id::MENU_EDITEUR;

} // namespace

class BarreEditeur : public EditeurNiveauTest {
protected:
    void SetUp() override
    {
        EditeurNiveauTest::SetUp();
        ia = perso(true, 600, 400);
        barre = dialogue<CJeuDialogMenuEditeur>(BARRE);
        ASSERT_NE(barre, nullptr);
        CPLUX::show(BARRE);
    }
    CPerso* ia = nullptr;
    CJeuDialogMenuEditeur* barre = nullptr;
};

TEST_F(BarreEditeur, EachCheckWritesItsFlagBothWays)
{
    // What each press must have changed; the AI only takes the flags of every character.
    const Ligne lignes[] = {
        {"myButtonCheckVieInfinie", [](CSFMLJeu&, CPerso& j, CPerso& i) { return j.bVieInfinie && i.bVieInfinie; }},
        {"myButtonCheckMunitionsInfinie",
         [](CSFMLJeu&, CPerso& j, CPerso& i) { return j.bMunitionsInfinies && i.bMunitionsInfinies; }},
        {"myButtonCheckBoostInfinie", [](CSFMLJeu&, CPerso& j, CPerso& i) { return j.bBoostInfini && !i.bBoostInfini; }},
        {"myButtonCheckModeFantome", [](CSFMLJeu& g, CPerso&, CPerso&) { return g.bModeFantome; }},
        {"myButtonCheckModePerso", [](CSFMLJeu& g, CPerso& j, CPerso&) { return !j.bCollisions && g.bModePerso; }},
        {"myButtonCheckSizeX", [](CSFMLJeu& g, CPerso&, CPerso&) { return g.bSizeX; }},
        {"myButtonCheckSizeY", [](CSFMLJeu& g, CPerso&, CPerso&) { return g.bSizeY; }},
        {"myButtonCheckLocksSelect", [](CSFMLJeu& g, CPerso&, CPerso&) { return g.bLocksSelect; }},
        {"myButtonCheckScriptsActifs", [](CSFMLJeu& g, CPerso&, CPerso&) { return !g.bScriptsActifs; }},
        {"myButtonCheckAfficheIAs", [](CSFMLJeu& g, CPerso&, CPerso&) { return !g.bAfficheIAs; }},
        {"myButtonCheckAfficheHitboxes", [](CSFMLJeu& g, CPerso&, CPerso&) { return g.bAfficheHitboxes; }},
        {"myButtonCheckAfficheGrille", [](CSFMLJeu& g, CPerso&, CPerso&) { return g.bAfficheGrille; }},
    };
    for (const Ligne& l : lignes) {
        SCOPED_TRACE(l.id);
        ASSERT_TRUE(presser(BARRE, l.id)) << "the model has the check";
        EXPECT_TRUE(l.drapeau(*jeu, *joueur, *ia)) << "the first press switches the flag";
        presser(BARRE, l.id);
        EXPECT_FALSE(l.drapeau(*jeu, *joueur, *ia)) << "the second press switches it back";
        EXPECT_TRUE(jeu->bModePerso != joueur->bCollisions) << "character mode is the collisions' opposite";
    }
    // Every change has the editor options show the flags again.
    presser(BARRE, "myButtonCheckSizeX");
    EXPECT_TRUE(coche(editeur::id::OPTIONS_EDITEUR, "myButtonCheckSizeX")) << "the options follow the toolbar";
}

TEST_F(BarreEditeur, TogglesIgnoreAStaleCheck)
{
    // Scripts: whatever the check showed, two presses give the running state back.
    caseDe(BARRE, "myButtonCheckScriptsActifs")->setCheck(false);
    presser(BARRE, "myButtonCheckScriptsActifs");
    EXPECT_FALSE(jeu->bScriptsActifs) << "a press inverts the flag, even from a check that read off";
    EXPECT_FALSE(coche(BARRE, "myButtonCheckScriptsActifs")) << "and the check shows it";
    presser(BARRE, "myButtonCheckScriptsActifs");
    EXPECT_TRUE(jeu->bScriptsActifs);
    // Without a player the character rows change nothing.
    jeu->pPerso = nullptr;
    presser(BARRE, "myButtonCheckBoostInfinie");
    presser(BARRE, "myButtonCheckModePerso");
    EXPECT_FALSE(joueur->bBoostInfini || jeu->bModePerso) << "no player, nothing to switch";
}

TEST_F(BarreEditeur, RefreshChecksShowsTheFlagsAndTheMenuRule)
{
    joueur->bVieInfinie = joueur->bBoostInfini = true;
    joueur->bCollisions = false;
    jeu->bModeFantome = jeu->bSizeY = jeu->bAfficheGrille = true;
    jeu->bScriptsActifs = jeu->bAfficheIAs = false;
    barre->refreshChecks();
    const std::pair<const char*, bool> attendus[] = {
        {"myButtonCheckVieInfinie", true},   {"myButtonCheckMunitionsInfinie", false},
        {"myButtonCheckBoostInfinie", true}, {"myButtonCheckModeFantome", true},
        {"myButtonCheckModePerso", true},    {"myButtonCheckSizeX", false},
        {"myButtonCheckSizeY", true},        {"myButtonCheckLocksSelect", false},
        {"myButtonCheckScriptsActifs", false}, {"myButtonCheckAfficheIAs", false},
        {"myButtonCheckAfficheHitboxes", false}, {"myButtonCheckAfficheGrille", true},
    };
    for (const auto& [id, attendu] : attendus)
        EXPECT_EQ(coche(BARRE, id), attendu) << id << " (character mode: the player's collisions off)";

    // Without a player the first five rows, the ghost mode included, keep what they show.
    jeu->pPerso = nullptr;
    jeu->bModeFantome = false;
    jeu->bSizeY = false;
    barre->refreshChecks();
    EXPECT_TRUE(coche(BARRE, "myButtonCheckModeFantome")) << "ghost mode is left without a player";
    EXPECT_TRUE(coche(BARRE, "myButtonCheckVieInfinie"));
    EXPECT_FALSE(coche(BARRE, "myButtonCheckSizeY")) << "the game's own rows follow";

    // "Menu masqué": checked hides the main menu, unchecked shows it, by press and by refresh.
    EXPECT_TRUE(coche(BARRE, CJeuDialogMenuEditeur::CASE_MENU_VISIBLE)) << "the menu starts hidden";
    EXPECT_FALSE(CPLUX::isDialogVisible(editeur::id::MENU));
    presser(BARRE, CJeuDialogMenuEditeur::CASE_MENU_VISIBLE);
    EXPECT_TRUE(CPLUX::isDialogVisible(editeur::id::MENU)) << "unchecking shows the menu";
    CPLUX::hide(editeur::id::MENU);
    barre->refreshChecks();
    EXPECT_TRUE(CPLUX::isDialogVisible(editeur::id::MENU)) << "refreshChecks applies the same rule";
    presser(BARRE, CJeuDialogMenuEditeur::CASE_MENU_VISIBLE);
    EXPECT_FALSE(CPLUX::isDialogVisible(editeur::id::MENU)) << "checking hides it";
}

TEST_F(BarreEditeur, FrameRateTextShownAsItIs)
{
    jeu->texteFPS.setString(L"FPS : 29 / 30 é");
    barre->setFPS();
    EXPECT_EQ(CPLUX::getControl(BARRE, CJeuDialogMenuEditeur::TEXTE_FPS)->getTextW(), L"FPS : 29 / 30 é");
}
