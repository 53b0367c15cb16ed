// The game's set-up and frames with the editor: no editor dialog without the development
// switch; with it, the toolbar at the editor start, its frame-rate text in editor mode only,
// and the editor keys; the engine's requests reach a shown script monitor and the icon menu's
// hook toggles the character dialog.
#include "OutilsEditeurNiveau.h"

#include "editor/IdsScripts.h"
#include "editor/JeuDialogPerso.h"
#include "editor/JeuDialogScripts.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXMessageBox.h"
#include "script/ScriptEngine.h"
#include "support/SourceSansFocus.h"

namespace {

struct Interrupteur {
    explicit Interrupteur(bool dev) { CSFMLJeuGlobal::bModeTest = dev; }
    ~Interrupteur() { CSFMLJeuGlobal::bModeTest = false; }
};

const char* const EDITEUR[] = {"JeuDialogMenuEditeur", "JeuDialogMenu", "JeuDialogOptionsEditeur",
                               "JeuDialogOptionsNiv", "JeuDialogPlans", "JeuDialogListeSD",
                               "JeuDialogScripts",     "JeuDialogPerso"};

// The last row of the script monitor's list.
std::string derniereLigne(CJeuDialogScripts& mon)
{
    CPLUXControlList* l = mon.ctrlList(IdScripts::LISTE_SCRIPTS);
    return l && l->getNbElements() > 0 ? l->getTextCol2(l->getNbElements() - 1) : "";
}

} // namespace

TEST(CablageEditeur, WithoutTheSwitchNoEditorDialogExists)
{
    CPLUXTest::reset();
    DossierDeTravail dossier;
    copierDonnees("./niveaux/atelier.niv");
    CSFMLJeu jeu;
    jeu.pSourceEntrees = std::make_unique<SourceSansFocus>(jeu);
    ASSERT_EQ(jeu.init("jeu.ini"), 0);
    EXPECT_EQ(jeu.mode, 2);
    for (const char* id : EDITEUR)
        EXPECT_EQ(CPLUX::getDialog(id), nullptr) << id;
    const sf::Keyboard::Key touches[] = {sf::Keyboard::F1, sf::Keyboard::F4, sf::Keyboard::F5, sf::Keyboard::F6,
                                         sf::Keyboard::M, sf::Keyboard::R, sf::Keyboard::C};
    for (int i = 0; i < 7; ++i)
        jeu.touchesProgrammees[10 * i + 5] = touches[i];
    // The engine's refresh requests and the icon menu's hook find no dialog.
    jeu.pscriptEngine->creerScript("fin.scp", nullptr, declencheur::IMMEDIAT, 1, false, false);
    CPerso perso;
    g_services.editerPerso(&perso, true);
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(jeu.etape()) << "frame " << i;
    EXPECT_EQ(jeu.mode, 2) << "M needs the switch";
    CPLUXTest::reset();
}

TEST(CablageEditeur, WithTheSwitchTheToolbarAndTheKeys)
{
    CPLUXTest::reset();
    DossierDeTravail dossier;
    copierDonnees("./niveaux/atelier.niv");
    Interrupteur dev(true);
    {
        CSFMLJeu jeu;
        jeu.pSourceEntrees = std::make_unique<SourceSansFocus>(jeu);
        ASSERT_EQ(jeu.init("jeu.ini"), 0);
        for (const char* id : EDITEUR)
            EXPECT_NE(CPLUX::getDialog(id), nullptr) << id << " declared and made";
        EXPECT_TRUE(CPLUX::getMessageBoxes().empty()) << "the shipped level and data load without a word";
        EXPECT_TRUE(CPLUX::isDialogVisible(editeur::id::MENU_EDITEUR)) << "the editor start shows the toolbar";
        EXPECT_FALSE(CPLUX::isDialogVisible(editeur::id::MENU)) << "\"Menu masqué\" keeps the menu hidden";
        CPLUXControl* fps = CPLUX::getControl(editeur::id::MENU_EDITEUR, CJeuDialogMenuEditeur::TEXTE_FPS);

        // The rate text follows texteFPS in editor mode only.
        jeu.texteFPS.setString("FPS : 12 / 30");
        ASSERT_TRUE(jeu.etape());
        EXPECT_EQ(fps->getTextW(), jeu.texteFPS.getString().toWideString());
        jeu.mode = 1;
        fps->setText("avant");
        ASSERT_TRUE(jeu.etape());
        EXPECT_EQ(fps->getText(), "avant") << "not while playing";
        jeu.mode = 2;

        // Keys, one per frame: F1, F5, F6 open their dialogs; M leaves the editor, M comes back.
        const long debut = jeu.compteurImages;
        const sf::Keyboard::Key touches[] = {sf::Keyboard::F1, sf::Keyboard::F5, sf::Keyboard::F6, sf::Keyboard::F4};
        for (int i = 0; i < 4; ++i)
            jeu.touchesProgrammees[debut + i] = touches[i];
        for (int i = 0; i < 4; ++i)
            ASSERT_TRUE(jeu.etape());
        for (const char* id : {"JeuDialogOptionsEditeur", "JeuDialogPlans", "JeuDialogOptionsNiv"})
            EXPECT_TRUE(CPLUX::isDialogVisible(id)) << id << " opened by its key";
        jeu.touchesProgrammees[jeu.compteurImages] = sf::Keyboard::M;
        ASSERT_TRUE(jeu.etape());
        EXPECT_EQ(jeu.mode, 1);
        EXPECT_FALSE(CPLUX::isDialogVisible(editeur::id::MENU_EDITEUR)) << "playing hides the toolbar";
        jeu.touchesProgrammees[jeu.compteurImages] = sf::Keyboard::M;
        ASSERT_TRUE(jeu.etape());
        EXPECT_EQ(jeu.mode, 2);
        EXPECT_TRUE(CPLUX::isDialogVisible(editeur::id::MENU_EDITEUR)) << "editing shows it again";
    }
    CPLUXTest::reset();
}

TEST(CablageEditeur, TheEngineAndTheIconMenuReachTheMonitorAndTheCharacterDialog)
{
    CPLUXTest::reset();
    DossierDeTravail dossier;
    copierDonnees("./niveaux/niveau-vide.niv");
    ecrireTexte("fin.scp", "SETVARIABLE(x;1)\n");
    Interrupteur dev(true);
    CSFMLJeu jeu;
    jeu.pSourceEntrees = std::make_unique<SourceSansFocus>(jeu);
    ASSERT_EQ(jeu.init("jeu.ini"), 0);
    auto* mon = dynamic_cast<CJeuDialogScripts*>(CPLUX::getDialog(IdScripts::DIALOGUE));
    auto* perso = dynamic_cast<CJeuDialogPerso*>(CPLUX::getDialog(editeur::id::PERSO));
    ASSERT_TRUE(mon && perso);
    CPLUX::show(IdScripts::DIALOGUE);
    ASSERT_TRUE(jeu.etape());

    // Made waiting for an AI in a level without any: listed at the next frame.
    CScript* s = jeu.pscriptEngine->creerScript("fin.scp", nullptr, declencheur::ZONE_IA, 1, false, false);
    ASSERT_TRUE(jeu.etape());
    EXPECT_EQ(derniereLigne(*mon), "fin.scp   (en attente...)") << "the new script is listed";
    // Fired at once, it soon ends its only run: the list's marker follows in that frame.
    s->setDeclencheur(declencheur::IMMEDIAT);
    for (int i = 0; i < 5 && s->nbRunFaits == 0; ++i)
        ASSERT_TRUE(jeu.etape());
    ASSERT_EQ(s->nbRunFaits, 1);
    EXPECT_EQ(derniereLigne(*mon), "fin.scp   (fini)") << "the end of the run rebuilt the list";

    // The icon menu's properties cell goes through the installed hook.
    auto* ia = new CPerso();  // the level frees it
    ia->sprite->x = 123.5f;
    jeu.pdecor->ias.push_back(ia);
    g_services.editerPerso(ia, true);
    EXPECT_TRUE(CPLUX::isDialogVisible(editeur::id::PERSO));
    EXPECT_EQ(perso->pPerso, ia);
    EXPECT_EQ(perso->getControl("myTextInputX")->getText(), "123.5");
    g_services.editerPerso(ia, true);
    EXPECT_FALSE(CPLUX::isDialogVisible(editeur::id::PERSO));
    CPLUXTest::reset();
}
