// The game's set-up and frames with the editor: no editor, animation-editor, tool or
// decor-sprite dialog without the development switch; with it, each made from its model, the
// library toolbar's buttons for the animation editor and the tools, the pickers left to main
// after the game, the toolbar at the editor start, its frame-rate text in editor mode only,
// and the editor keys; the engine's requests reach a shown script monitor and the icon menu's
// hook toggles the character dialog.
#include "OutilsEditeurNiveau.h"

#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"
#include "animeditor/JeuDialogEventsAnm.h"
#include "animeditor/JeuDialogScriptAnm.h"
#include "editor/IdsScripts.h"
#include "editor/IdsSprite.h"
#include "editor/JeuDialogPerso.h"
#include "editor/JeuDialogPhysBasculeOptions.h"
#include "editor/JeuDialogPhysCheminOptions.h"
#include "editor/JeuDialogPhysEffondrementOptions.h"
#include "editor/JeuDialogPhysForceOptions.h"
#include "editor/JeuDialogPhysParticulesOptions.h"
#include "editor/JeuDialogScripts.h"
#include "editor/JeuDialogShaderVERT.h"
#include "editor/JeuDialogSprite.h"
#include "editor/SFMLJeuChoixDec.h"
#include "editor/SFMLJeuChoixPer.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXMessageBox.h"
#include "script/ScriptEngine.h"
#include "support/SourceSansFocus.h"
#include "tools/CSEFouet.h"
#include "tools/CSEOpenDossier.h"
#include "tools/CSESelectionZone.h"

#include <set>
#include <sstream>

namespace {

struct Interrupteur {
    explicit Interrupteur(bool dev) { CSFMLJeuGlobal::bModeTest = dev; }
    ~Interrupteur() { CSFMLJeuGlobal::bModeTest = false; }
};

namespace ids = IdSprite;

const char* const EDITEUR[] = {"JeuDialogMenuEditeur", "JeuDialogMenu", "JeuDialogOptionsEditeur",
                               "JeuDialogOptionsNiv", "JeuDialogPlans", "JeuDialogListeSD",
                               "JeuDialogScripts",     "JeuDialogPerso",
                               // the decor sprite's dialogs
                               ids::DIALOGUE, ids::DIALOGUE_SHADER, ids::DIALOGUE_EFFONDREMENT,
                               ids::DIALOGUE_BASCULE, ids::DIALOGUE_CHEMIN, ids::DIALOGUE_PARTICULES,
                               ids::DIALOGUE_FORCE,
                               // the animation editor and the tools
                               IdAnm::DIALOGUE, "JeuDialogScriptAnm", "JeuDialogEventsAnm", "CSEFouet",
                               "CSESelectionZone", "CSEOpenDossier"};

// The last row of the script monitor's list.
std::string derniereLigne(CJeuDialogScripts& mon)
{
    CPLUXControlList* l = mon.ctrlList(IdScripts::LISTE_SCRIPTS);
    return l && l->getNbElements() > 0 ? l->getTextCol2(l->getNbElements() - 1) : "";
}

// The control ids a model file of the working folder declares.
std::set<std::string> controlesDuModele(const std::string& id)
{
    std::set<std::string> r;
    std::istringstream in(lireTexte("PLUX_Modeles/Mod2/" + id + ".mod"));
    for (std::string l; std::getline(in, l);)
        if (l.rfind("CONTROLE=", 0) == 0)
            r.insert(l.substr(l.find(';') + 1));
    return r;
}

// The library toolbar's button of that title.
CPLUXControl* boutonBarre(const std::wstring& titre)
{
    for (CPLUXControl* c : CPLUX::pTB->getControls())
        if (c->getTextW() == titre)
            return c;
    return nullptr;
}

void cliquerAuCentre(const CPLUXControl& b)
{
    CPLUXTest::clickAt(b.getLeftScreen() + static_cast<int>(b.getWidth() / 2),
                       b.getTopScreen() + static_cast<int>(b.getHeight() / 2));
}

// The dialogs the switch adds beside the level editor's: each of its class, hidden, with every
// control of its model; the script editor's catalogue filled; the pickers listing their files.
void dialoguesDeDeveloppement()
{
    for (const char* id : {ids::DIALOGUE, ids::DIALOGUE_SHADER, ids::DIALOGUE_EFFONDREMENT, ids::DIALOGUE_BASCULE,
                           ids::DIALOGUE_CHEMIN, ids::DIALOGUE_PARTICULES, ids::DIALOGUE_FORCE}) {
        CPLUXDialog* d = CPLUX::getDialog(id);
        ASSERT_NE(d, nullptr) << id;
        EXPECT_FALSE(CPLUX::isDialogVisible(id)) << id;
        for (const std::string& c : controlesDuModele(id))
            EXPECT_TRUE(d->isCtrlIdExist(c)) << id << ": " << c;
    }
    EXPECT_NE(dynamic_cast<CJeuDialogSprite*>(CPLUX::getDialog(ids::DIALOGUE)), nullptr);
    EXPECT_NE(dynamic_cast<CJeuDialogShaderVERT*>(CPLUX::getDialog(ids::DIALOGUE_SHADER)), nullptr);
    EXPECT_NE(dynamic_cast<CJeuDialogPhysEffondrementOptions*>(CPLUX::getDialog(ids::DIALOGUE_EFFONDREMENT)), nullptr);
    EXPECT_NE(dynamic_cast<CJeuDialogPhysBasculeOptions*>(CPLUX::getDialog(ids::DIALOGUE_BASCULE)), nullptr);
    EXPECT_NE(dynamic_cast<CJeuDialogPhysCheminOptions*>(CPLUX::getDialog(ids::DIALOGUE_CHEMIN)), nullptr);
    EXPECT_NE(dynamic_cast<CJeuDialogPhysParticulesOptions*>(CPLUX::getDialog(ids::DIALOGUE_PARTICULES)), nullptr);
    EXPECT_NE(dynamic_cast<CJeuDialogPhysForceOptions*>(CPLUX::getDialog(ids::DIALOGUE_FORCE)), nullptr);

    auto* script = dynamic_cast<CJeuDialogScriptAnm*>(CPLUX::getDialog("JeuDialogScriptAnm"));
    ASSERT_NE(script, nullptr);
    EXPECT_EQ(script->ctrlComboBox("myComboBoxScpCmds")->getNbElements(), 24) << "created: the catalogue filled";
    EXPECT_NE(dynamic_cast<CJeuDialogEventsAnm*>(CPLUX::getDialog("JeuDialogEventsAnm")), nullptr);
    CPLUXDialog* anm = CPLUX::getDialog(IdAnm::DIALOGUE);
    ASSERT_NE(dynamic_cast<CJeuDialogAnimationsSprites*>(anm), nullptr);
    EXPECT_FALSE(anm->estAffiche()) << "created hidden";
    EXPECT_TRUE(anm->isCreate());
    EXPECT_NE(dynamic_cast<CCSEFouet*>(CPLUX::getDialog("CSEFouet")), nullptr);
    EXPECT_NE(dynamic_cast<CCSEOpenDossier*>(CPLUX::getDialog("CSEOpenDossier")), nullptr);
    auto* slicer = dynamic_cast<CCSESelectionZone*>(CPLUX::getDialog("CSESelectionZone"));
    ASSERT_NE(slicer, nullptr);
    EXPECT_FALSE(slicer->estAffiche()) << "declared dialogs start hidden";

    ASSERT_NE(CSFMLJeuGlobal::pChoixDec, nullptr) << "the set-up made the decor picker";
    ASSERT_NE(CSFMLJeuGlobal::pChoixPer, nullptr) << "and the character picker";
    EXPECT_EQ(CPLUX::getDialog(CSFMLJeuChoixDec::ID), CSFMLJeuGlobal::pChoixDec);
    EXPECT_EQ(CPLUX::getDialog(CSFMLJeuChoixPer::ID), CSFMLJeuGlobal::pChoixPer);
    EXPECT_GT(CSFMLJeuGlobal::pChoixDec->nbFichiers, 0) << "listing \"./decors/\"";
    EXPECT_GT(CSFMLJeuGlobal::pChoixPer->nbFichiers, 0) << "listing \"./personnages/\"";
}

// In editor mode the key LSystem (code 40) shows the library toolbar: a press on the slicer's
// button shows it, then one on the animation editor's.
void boutonsDeLaBarre(CSFMLJeu& jeu)
{
    ASSERT_EQ(jeu.mode, 2);
    jeu.touchesEditeur(sf::Keyboard::LSystem);
    EXPECT_EQ(static_cast<int>(sf::Keyboard::LSystem), 40);
    ASSERT_TRUE(CPLUX::pTB && CPLUX::pTB->estAffiche()) << "the toolbar shows";
    CPLUXTest::frame(jeu.fenetre);
    ASSERT_NE(boutonBarre(L"Éditeur de fouet"), nullptr);
    const CPLUXControl* b = boutonBarre(L"Découpe d'images");
    ASSERT_NE(b, nullptr);
    cliquerAuCentre(*b);
    EXPECT_TRUE(CPLUX::getDialog("CSESelectionZone")->estAffiche()) << "a press on its button shows the slicer";
    CPLUXDialog* anm = CPLUX::getDialog(IdAnm::DIALOGUE);
    b = CPLUX::pTB->getControl("tb" + std::to_string(anm->getHwnd()));
    ASSERT_NE(b, nullptr) << "a toolbar button for the animation editor";
    cliquerAuCentre(*b);
    EXPECT_TRUE(anm->estAffiche()) << "the toolbar button shows it";
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

        ASSERT_NO_FATAL_FAILURE(dialoguesDeDeveloppement());
        ASSERT_NO_FATAL_FAILURE(boutonsDeLaBarre(jeu));
        CPLUX::hide(IdAnm::DIALOGUE);
        CPLUX::hide("CSESelectionZone");

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
    ASSERT_NE(CSFMLJeuGlobal::pChoixDec, nullptr) << "the game's teardown leaves the pickers to main";
    EXPECT_EQ(CSFMLJeuGlobal::pChoixDec->getId(), CSFMLJeuChoixDec::ID) << "alive";
    CSFMLJeuChoix::libererSelecteurs();
    EXPECT_EQ(CSFMLJeuGlobal::pChoixDec, nullptr);
    EXPECT_EQ(CSFMLJeuGlobal::pChoixPer, nullptr);
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
    g_services.editerPerso(ia, true);
    perso->close();  // its cross
    g_services.editerPerso(ia, true);
    EXPECT_TRUE(CPLUX::isDialogVisible(editeur::id::PERSO)) << "the first press after the cross shows it";
    CPLUXTest::reset();
}
