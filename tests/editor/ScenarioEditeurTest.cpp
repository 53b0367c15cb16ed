// The author's road through the editor, on a copy of data/ started as `./run.sh --dev` with
// "EDITEUR=./niveaux/atelier.niv": frames through etape(), dialogs through CPLUXTest, keys
// through touchesProgrammees, the level's mouse through SourisJeu. Screenshots of what the
// author sees go to "editor/" beside the test binary.
#include "OutilsEditeurNiveau.h"

#include "editor/IdsSprite.h"
#include "editor/SFMLJeuChoixDec.h"
#include "editor/SFMLJeuChoixPer.h"
#include "editor/SFMLJeuEditeurOptions.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXMessageBox.h"
#include "level/Vue.h"
#include "menus/JeuMenus.h"
#include "script/Script.h"
#include "support/Outils.h"
#include "support/SourceSansFocus.h"

#include <SFML/Graphics/Sprite.hpp>

#include <cmath>
#include <regex>

namespace {

const char* const BARRE = editeur::id::MENU_EDITEUR;
const char* const MENU = editeur::id::MENU;
const char* const NIV = editeur::id::OPTIONS_NIV;
const char* const OPTIONS = editeur::id::OPTIONS_EDITEUR;
const char* const PLANS = editeur::id::PLANS;

const std::string DOSSIER_CAPTURES = (dossierDuBinaire() / "editor").string();

class Scenario : public ::testing::Test {
protected:
    void SetUp() override
    {
        CPLUXTest::reset();
        copierDonnees("./niveaux/atelier.niv");
        CSFMLJeuGlobal::bModeTest = true;
        SourisJeu::lire = [this](const sf::Window&) { return souris; };
        SourisJeu::ctrlGauche = [] { return true; };
        SourisJeu::shiftGauche = [] { return false; };
        jeu = std::make_unique<CSFMLJeu>();
        jeu->pSourceEntrees = std::make_unique<SourceSansFocus>(*jeu);
        faceJeu::installer(jeu->facettes());
    }
    void TearDown() override
    {
        jeu.reset();
        CSFMLJeuChoix::libererSelecteurs();  // as main does, after the game
        faceJeu::installer({});
        CSFMLJeuGlobal::bModeTest = false;
        SourisJeu::reinitialiser();
        CPLUXTest::reset();
    }
    void image() { ASSERT_TRUE(jeu->etape()); }
    void touche(sf::Keyboard::Key k)
    {
        CPLUX::setKeyboardFocus(nullptr);  // the keys go to the game, not to a text input
        jeu->touchesProgrammees[jeu->compteurImages] = k;
        image();
    }
    void bouton(const char* dlg, const char* id)
    {
        ASSERT_TRUE(CPLUXTest::click(dlg, id)) << dlg << " " << id;
    }
    // The text of an input replaced as the author types it.
    void taper(const char* dlg, const char* id, const std::string& texte)
    {
        ASSERT_TRUE(CPLUXTest::click(dlg, id)) << id;
        CPLUXTest::key(sf::Keyboard::A, true);
        CPLUXTest::type(texte);
    }
    std::string texte(const char* dlg, const char* id) { return CPLUX::getControl(dlg, id)->getText(); }
    bool coche(const char* dlg, const char* id)
    {
        auto* c = dynamic_cast<CPLUXControlButtonCheck*>(CPLUX::getControl(dlg, id));
        return c && c->isChecked();
    }
    // A left or right click of the level at a level point, one frame down and one up; the
    // GUI's pointer rests where no dialog is.
    void clicNiveau(float x, float y, bool droit)
    {
        CPLUXTest::mouseMove(1275, 5);
        const CVue& vue = *jeu->pvue;
        const sf::Vector2i p(static_cast<int>((x - std::trunc(vue.x) - vue.cx) / vue.zoom),
                             static_cast<int>((y - std::trunc(vue.y) - vue.cy) / vue.zoom));
        souris = {!droit, droit, p};
        image();
        souris = {false, false, p};
        image();
    }
    // The empty level with one AI of the hero's model instead of the hero (who would draw the
    // AI away from the click) and a view mode no camera knows, which the game starts in the
    // editor; the doors opened over the load's message.
    void ouvrirNiveauIA()
    {
        const std::regex heros("(PERSO3|NUMJOUEUR|PERSO_COLOR)=[^\n]*\n|SCROLLVUE=[^\n]*");
        const std::string vide = std::regex_replace(lireTexte("niveaux/niveau-vide.niv"), heros, "") + "\nSCROLLVUE=9;18;1\n";
        ecrireTexte("niveaux/ia.niv", vide + "TEXTURE_PER=./personnages/heros.per;HEROS\nIA=HEROS;640;500;1;1;1;1;0;1\n");
        ecrireTexte("jeu.ini", lireTexte("jeu.ini") + "EDITEUR=./niveaux/ia.niv\n");
        ASSERT_EQ(jeu->init("jeu.ini"), 0);
        image();
        for (int i = 0; i < 100 && jeu->pMenus->bOuverturePortes; ++i)
            image();
    }
    std::wstring message() const { return jeu->texteMessage.getString().toWideString(); }
    // The white pixels (the letters) of the timed message's box in the window.
    int lettresMessage()
    {
        sf::Texture t;
        if (!t.create(1280, 720))
            return -1;
        t.update(*jeu->fenetre);
        const sf::Image fenetre = t.copyToImage();
        const sf::IntRect r(jeu->texteMessage.getGlobalBounds());
        int lettres = 0;
        for (int y = std::max(r.top, 0); y < std::min(r.top + r.height, 720); ++y)
            for (int x = std::max(r.left, 0); x < std::min(r.left + r.width, 1280); ++x)
                lettres += fenetre.getPixel(x, y) == sf::Color::White;
        return lettres;
    }
    void capturer(const std::string& nom)
    {
        sf::RenderWindow& f = *jeu->fenetre;
        f.clear(sf::Color(150, 150, 150));
        f.draw(sf::Sprite(CSFMLJeuGlobal::prenderTexture->getTexture()));
        CPLUX::refreshSurface();
        std::filesystem::create_directories(DOSSIER_CAPTURES);
        EXPECT_TRUE(CPLUXTest::screenshot(&f, DOSSIER_CAPTURES + "/" + nom + ".png")) << nom;
    }

    DossierDeTravail dossier;
    EtatSouris souris;
    std::unique_ptr<CSFMLJeu> jeu;
};

} // namespace

TEST_F(Scenario, EditTheWorkshopSaveItReloadItAndKeepAnotherLevelSafe)
{
    ASSERT_EQ(jeu->init("jeu.ini"), 0);
    ASSERT_TRUE(jeu->pPerso) << "the workshop's hero";
    image();
    CDecor& monde = *jeu->pdecor;

    // The toolbar shows the flags.
    ASSERT_TRUE(CPLUX::isDialogVisible(BARRE));
    EXPECT_TRUE(coche(BARRE, "myButtonCheckAfficheIAs"));
    EXPECT_FALSE(coche(BARRE, "myButtonCheckModePerso")) << "the hero stands on the decor: no character mode";
    EXPECT_FALSE(coche(BARRE, "myButtonCheckAfficheGrille"));
    capturer("barre");
    bouton(BARRE, "myButtonCheckVieInfinie");
    bouton(BARRE, "myButtonCheckAfficheGrille");
    capturer("barre_cochee");

    // Unchecking "Menu masqué" shows the main menu; its buttons and the keys open the dialogs.
    bouton(BARRE, "myButtonCheckMenuVisible");
    ASSERT_TRUE(CPLUX::isDialogVisible(MENU));
    bouton(MENU, "myButtonOptionsEditeur");
    touche(sf::Keyboard::F6);
    bouton(MENU, "myButtonPlans");
    for (const char* id : {OPTIONS, NIV, PLANS})
        EXPECT_TRUE(CPLUX::isDialogVisible(id)) << id;
    capturer("menu_et_dialogues");
    touche(sf::Keyboard::F5);
    EXPECT_FALSE(CPLUX::isDialogVisible(PLANS)) << "F5 closes what the button opened";

    // Ctrl+click selects a box, a right click copies it.
    CCalqueSD& principal = *monde.pPlans[CDecor::PLAN_PRINCIPAL];
    ASSERT_EQ(principal.sprites.size(), 7u);
    clicNiveau(552, 540, false);
    ASSERT_NE(monde.pSDSelection, nullptr) << "Ctrl+click selects the box";
    EXPECT_EQ(monde.pSDSelection->getIdDEC(), "CAISSE");
    clicNiveau(300, 300, true);
    EXPECT_EQ(principal.sprites.size(), 8u) << "a right click copies it";

    // Level options: zone, game type, view mode, map and rain.
    bouton(NIV, "myButtonCheckZonePersos");
    const std::pair<const char*, const char*> zone[] = {
        {"myTextInputXHG", "100"}, {"myTextInputYHG", "50"}, {"myTextInputXBD", "900"}, {"myTextInputYBD", "600"},
        {"myTextInputTypeJeu", "1"}};
    for (const auto& [id, valeur] : zone)
        taper(NIV, id, valeur);
    ASSERT_TRUE(CPLUXTest::chooseEntry(NIV, "myComboBox", 2));
    if (!coche(NIV, "myButtonCheckCarteJeu"))
        bouton(NIV, "myButtonCheckCarteJeu");
    bouton(NIV, "myButtonCheckPGPluie");
    EXPECT_TRUE(monde.bZone && monde.bPluie && monde.pPluie && monde.bCarte && jeu->bCarteJeu);
    EXPECT_EQ((std::vector<int>{monde.zone[0], monde.zone[1], monde.zone[2], monde.zone[3]}),
              (std::vector<int>{100, 50, 900, 600}));
    EXPECT_EQ(jeu->typeJeu, 1);
    EXPECT_EQ(jeu->vuemode_save, 2);
    image();
    capturer("options_niveau_pluie");

    // Plane 3 hidden, then shown.
    bouton(MENU, "myButtonPlans");
    bouton(PLANS, "chkPlanV3");
    EXPECT_FALSE(monde.pPlans[3]->bVisible);
    capturer("plans_plan3_cache");
    bouton(PLANS, "chkPlanV3");
    EXPECT_TRUE(monde.pPlans[3]->bVisible);

    // A new path, "Sauvegarde" writes it; the reload reads it back into the same values.
    taper(NIV, "myTextInputCheminFichierNiv", "./niveaux/essai.niv");
    bouton(BARRE, "myButtonSauvegarde");
    ASSERT_TRUE(std::filesystem::exists("niveaux/essai.niv")) << "a new path saves at once";
    bouton(OPTIONS, "myButtonChargeNiv");
    image();
    EXPECT_EQ(principal.sprites.size(), 8u) << "the copied box came back";
    EXPECT_FALSE(CPLUX::isDialogVisible(BARRE) || CPLUX::isDialogVisible(MENU)) << "a load hides them";
    for (const auto& [id, valeur] : zone)
        EXPECT_EQ(texte(NIV, id), valeur) << id;
    EXPECT_EQ(texte(NIV, "myTextInputCheminFichierNiv"), "./niveaux/essai.niv");
    EXPECT_EQ(CPLUX::getDialog(NIV)->ctrlComboBox("myComboBox")->getNumSel(), 2);
    EXPECT_TRUE(coche(NIV, "myButtonCheckZonePersos") && coche(NIV, "myButtonCheckPGPluie") &&
                coche(NIV, "myButtonCheckCarteJeu"));

    // The library toolbar brings the editor toolbar back.
    touche(sf::Keyboard::LSystem);
    ASSERT_TRUE(CPLUX::pTB->estAffiche());
    CPLUXTest::frame(jeu->fenetre);
    auto* barre = dynamic_cast<CJeuDialogMenuEditeur*>(CPLUX::getDialog(BARRE));
    ASSERT_NE(barre, nullptr);
    for (const CPLUXDialog* d : {static_cast<CPLUXDialog*>(barre), barre->getOptions()->pDialog}) {
        const CPLUXControl* b = CPLUX::pTB->getControl("tb" + std::to_string(d->getHwnd()));
        ASSERT_NE(b, nullptr) << "a button for " << d->getTitle();
        CPLUXTest::clickAt(b->getLeftScreen() + static_cast<int>(b->getWidth() / 2),
                           b->getTopScreen() + static_cast<int>(b->getHeight() / 2));
        EXPECT_TRUE(d->estAffiche()) << d->getTitle() << " shown from the library toolbar";
    }
    image();
    EXPECT_TRUE(barre->getOptions()->pDialog->ctrlButtonCheck("chkPluie")->isChecked())
        << "the \"Options\" window shows the rain that F6 set and the load read back";
    bouton(BARRE, "myButtonCheckMenuVisible");
    bouton(MENU, "myButtonListeSD");
    capturer("liste_sd");
    barre->getOptions()->pDialog->show();  // above the others
    capturer("options_autonomes");
    barre->getOptions()->pDialog->hide();

    // Written again from the editor options: the same bytes as the copy the first save left.
    bouton(OPTIONS, "myButtonSauveNiv");
    EXPECT_EQ(lireTexte("niveaux/essai.niv"), lireTexte("niveaux/essai.niv.save"));

    // Another level's file typed back: the save asks, and "Non" leaves it untouched.
    const std::string atelier = lireTexte("niveaux/atelier.niv");
    taper(NIV, "myTextInputCheminFichierNiv", "./niveaux/atelier.niv");
    bouton(BARRE, "myButtonSauvegarde");
    ASSERT_EQ(CPLUX::getMessageBoxes().size(), 1u) << "asked first";
    capturer("question_remplacer");
    CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes()[0]->getHwnd(), 1);
    EXPECT_EQ(lireTexte("niveaux/atelier.niv"), atelier);
}

TEST_F(Scenario, EditAnAIAndANewScriptThenSaveAndReloadThem)
{
    // A script for the monitor to run.
    ecrireTexte("niveaux/scripts/essai.scp", "SETVARIABLE(a;1)\nSETVARIABLE(b;2)\nPAUSE(100)\n");
    ouvrirNiveauIA();
    EXPECT_EQ(message().rfind(L"Niveau « ./niveaux/ia.niv » :\n« SCROLLVUE=9;18;1 » : mode de vue inconnu", 0), 0u);
    EXPECT_GT(lettresMessage(), 1000) << "the corrected view mode is not said in the window";
    const char* const PERSO = editeur::id::PERSO;
    const char* const SCRIPTS = editeur::id::SCRIPTS;
    ASSERT_EQ(jeu->pdecor->ias.size(), 1u);
    CPerso* ia = jeu->pdecor->ias.front();

    // Shift and a click on the AI fill the character dialog; the author edits what levels keep.
    SourisJeu::shiftGauche = [] { return true; };
    clicNiveau(ia->sprite->x, ia->sprite->y - 20, false);
    SourisJeu::shiftGauche = [] { return false; };
    ASSERT_EQ(jeu->pPersoSelection.get(), ia);
    CPLUX::show(PERSO);
    EXPECT_EQ(texte(PERSO, "myTextInputXi"), "640") << "the dialog shows the AI";
    taper(PERSO, "myTextInputId", "garde 7");
    taper(PERSO, "myTextInputDistancePatrouille", " 8 0");
    taper(PERSO, "myTextInputOmbreEchelle", "0.5");
    taper(PERSO, "myTextInputXi", "700");
    taper(PERSO, "myTextInputSx", "2");
    taper(PERSO, "myTextInputSy", "2");
    capturer("dialogue_perso");

    // A variable of its sprite's shader, chosen, stays chosen when the AI is taken again after
    // a play (which lets the taken character go), as a decor sprite's picked again does.
    ia->sprite->uniformsFrag["teinte"].strType = "vec3";
    bouton(PERSO, "myButtonPropSpriteIA");
    CPLUX::show(IdSprite::DIALOGUE_SHADER);
    ASSERT_TRUE(CPLUXTest::chooseEntry(IdSprite::DIALOGUE_SHADER, IdSprite::myComboBoxVarFrag, 0));
    touche(sf::Keyboard::M);
    touche(sf::Keyboard::M);
    SourisJeu::shiftGauche = [] { return true; };
    clicNiveau(ia->sprite->x, ia->sprite->y - 20, false);
    SourisJeu::shiftGauche = [] { return false; };
    EXPECT_EQ(texte(IdSprite::DIALOGUE_SHADER, IdSprite::myTextNomVar), "teinte") << "taken again, it let it go";
    CPLUX::hide(IdSprite::DIALOGUE_SHADER);
    CPLUX::hide(IdSprite::DIALOGUE);
    CPLUX::hide(PERSO);

    // F7: a new script on an empty sprite, set up, read again from its file and stepped once.
    touche(sf::Keyboard::F7);
    bouton(SCRIPTS, "myButtonNew");
    ASSERT_NE(jeu->pdecor->pSDSelection, nullptr);
    taper(SCRIPTS, "myTextInputScript", "./niveaux/scripts/essai.scp");
    ASSERT_TRUE(CPLUXTest::chooseEntry(SCRIPTS, "myComboBox", declencheur::CHRONO));
    taper(SCRIPTS, "myTextInputChrono", "5");
    taper(SCRIPTS, "myTextInputNbRun", "1");
    bouton(SCRIPTS, "myButtonReload");
    CPLUXControlList* commandes = CPLUX::getDialog(SCRIPTS)->ctrlList("myListCommandes");
    ASSERT_EQ(commandes->getNbElements(), 3) << "its file's commands";
    EXPECT_EQ(commandes->getTextCol2(2), "PAUSE(100)");
    bouton(SCRIPTS, "myButtonCmdRun");
    image();
    EXPECT_EQ(texte(SCRIPTS, "myTextInputNumCmdCour"), "1") << "one command run";
    capturer("moniteur");
    touche(sf::Keyboard::F7);

    // Saved under a new path, then loaded back: the AI and the script as they were edited.
    touche(sf::Keyboard::F6);
    taper(NIV, "myTextInputCheminFichierNiv", "./niveaux/essai2.niv");
    bouton(BARRE, "myButtonSauvegarde");
    EXPECT_NE(lireTexte("niveaux/essai2.niv").find("SCRIPTRUN=./niveaux/scripts/essai.scp;12;0;1\n"
                                                   "SCRIPT_DECLENCHEUR_CHRONO=5\n"),
              std::string::npos);
    touche(sf::Keyboard::F1);
    bouton(OPTIONS, "myButtonChargeNiv");
    image();
    ASSERT_EQ(jeu->pdecor->ias.size(), 1u);
    ia = jeu->pdecor->ias.front();
    EXPECT_EQ(ia->id, "garde7") << "typed with a blank, stored without";
    EXPECT_EQ(ia->distancePatrouille, 80);
    EXPECT_EQ(ia->ombreEchelle, 0.5f);
    EXPECT_EQ(ia->sprite->x0, 700.f);
    EXPECT_TRUE(ia->sprite->getSX() == 2 && ia->sprite->getSY() == 2) << "the scale typed";
    for (CSPRITE* sd : jeu->pdecor->pPlans[CDecor::PLAN_PRINCIPAL]->sprites)
        if (sd->getIdDEC() == "SDVIDE")
            jeu->pdecor->pSDSelection = sd;
    touche(sf::Keyboard::F7);
    EXPECT_EQ(texte(SCRIPTS, "myTextInputScript"), "./niveaux/scripts/essai.scp") << "the empty sprite's script";
    EXPECT_EQ(texte(SCRIPTS, "myTextInputChrono"), "5");
    EXPECT_EQ(texte(SCRIPTS, "myTextInputNbRun"), "1");
    EXPECT_EQ(CPLUX::getDialog(SCRIPTS)->ctrlComboBox("myComboBox")->getNumSel(), declencheur::CHRONO);
    touche(sf::Keyboard::F7);
    bouton(OPTIONS, "myButtonSauveNiv");
    EXPECT_EQ(lireTexte("niveaux/essai2.niv"), lireTexte("niveaux/essai2.niv.save"));
}

// The same level in an English game: the load's message drawn in English. Then, opened as
// "Charger" does in each language, a long-named level with thirty corrected view lines (one
// in three with two reasons) and twelve unknown sprites: every line of its message is cut.
TEST_F(Scenario, AnEnglishGameSaysTheLoadInEnglish)
{
    ecrireTexte("langue.ini", "LANGUE=en_\n");
    ouvrirNiveauIA();
    EXPECT_EQ(message().rfind(L"Level \"./niveaux/ia.niv\":\n\"SCROLLVUE=9;18;1\": unknown view mode", 0), 0u);
    EXPECT_GT(lettresMessage(), 1000) << "the load's message is not drawn in the window";
    std::string niveau = std::regex_replace(lireTexte("niveaux/niveau-vide.niv"), std::regex("SCROLLVUE=[^\n]*"), "");
    for (int i = 0; i < 30; ++i)
        niveau += i % 3 ? "SCROLLVUE=9;18;1\n" : "SCROLLVUE=9;18;nan\n";
    for (int i = 10; i < 22; ++i)
        niveau += "SD=ROCHER_MOUSSU_" + std::to_string(i) + ";0;600;2;0;0;0;0;1;1;1;1;0;0;0;0;0;0;0\n";
    const std::string chemin = "./niveaux/" + std::string(120, 'n') + ".niv";
    ecrireTexte(chemin, niveau);
    for (const auto& [langue, reste] : {std::pair{"en_", L"\n... and 27 more corrected lines (console)\n"},
                                        std::pair{"fr_", L"\n... et 27 autres lignes corrigées (console)\n"}}) {
        jeu->pMenus->langue = langue;
        jeu->pdecor->chargerNiveau(chemin, 1);
        for (int i = 0; i < 100 && (i == 0 || jeu->pMenus->bOuverturePortes); ++i)
            image();
        EXPECT_NE(message().find(reste), std::wstring::npos) << langue << ": lines counted, not reasons";
        const sf::FloatRect r = jeu->texteMessage.getGlobalBounds();
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.left + r.width <= 1280 && r.top + r.height <= 720)
            << langue << ": the message leaves the window, at x " << r.left << ":\n" << tuv::wstrToUtf8(message());
    }
}

// A new author's road: M on the language menu, "Nouveau niveau", two boxes and an AI placed
// through the pickers, saved under a new name with the save dialog, saved again with R, opened
// again with the open dialog and written again byte for byte; saving over it asks first; then
// played: the empty level's hero stands on its ground.
TEST_F(Scenario, FromTheMenuPlaceSaveAsOpenAgainAndPlay)
{
    const char* const CHARGER = editeur::id::CHARGER_NIV;
    const char* const SAUVER = editeur::id::SAUVER_NIV;
    const char* const CHOIX_DEC = editeur::id::CHOIX_DEC;
    const char* const CHOIX_PER = editeur::id::CHOIX_PER;
    ecrireTexte("jeu.ini", lireTexte("jeu.ini") + "EDITEUR=\n");
    ASSERT_EQ(jeu->init("jeu.ini"), 0);
    image();
    ASSERT_EQ(jeu->mode, 0) << "the language menu";
    touche(sf::Keyboard::M);
    ASSERT_EQ(jeu->mode, 2) << "M in a menu edits the menus' level";
    CDecor& monde = *jeu->pdecor;
    // The editor toolbar (from the library toolbar) and the main menu (unchecking "Menu
    // masqué"), brought back after a load hides them.
    const auto menu = [&] {
        if (!CPLUX::isDialogVisible(BARRE)) {
            if (!CPLUX::pTB->estAffiche())
                touche(sf::Keyboard::LSystem);
            CPLUXTest::frame(jeu->fenetre);
            const CPLUXControl* b = CPLUX::pTB->getControl("tb" + std::to_string(CPLUX::getDialog(BARRE)->getHwnd()));
            ASSERT_NE(b, nullptr);
            CPLUXTest::clickAt(b->getLeftScreen() + static_cast<int>(b->getWidth() / 2),
                               b->getTopScreen() + static_cast<int>(b->getHeight() / 2));
        }
        if (!CPLUX::isDialogVisible(MENU))
            bouton(BARRE, "myButtonCheckMenuVisible");
        ASSERT_TRUE(CPLUX::isDialogVisible(BARRE) && CPLUX::isDialogVisible(MENU));
    };
    menu();
    bouton(MENU, "myButtonCharger");
    bouton(CHARGER, "myButtonNouveau");
    image();
    ASSERT_EQ(jeu->pMenus->strCheminNiveau, "./niveaux/niveau-vide.niv");
    bouton(CHARGER, "annuler");
    ASSERT_FALSE(CPLUX::isDialogVisible(CHARGER));
    // Where the level shows on screen: clicks well inside the window, left of the pickers.
    const CVue& vue = *jeu->pvue;
    // A right click there, after a frame with the buttons up so that it is a new press.
    const auto clicDroit = [&](float dx, float dy) {
        image();
        clicNiveau(std::trunc(vue.x) + vue.cx + dx * vue.zoom, std::trunc(vue.y) + vue.cy + dy * vue.zoom, true);
    };
    touche(sf::Keyboard::F5);
    taper(PLANS, "myTextInputCalqueTravail", "3");
    touche(sf::Keyboard::F5);
    ASSERT_EQ(monde.calqueTravail, 3);

    touche(sf::Keyboard::F2);
    ASSERT_TRUE(CPLUX::isDialogVisible(CHOIX_DEC));
    CSFMLJeuChoixDec& decors = *CSFMLJeuGlobal::pChoixDec;
    for (int i = 0; i < decors.nbFichiers && decors.pDEC->nom != "CAISSE"; ++i)
        bouton(CHOIX_DEC, "btnRight");
    ASSERT_EQ(decors.fichiers[decors.numFichier], "./decors/caisse.dec");
    capturer("choix_decor_caisse");
    const size_t avant = monde.pPlanTravail->sprites.size();
    for (float dx : {200.f, 300.f})
        clicDroit(dx, 300);
    ASSERT_EQ(monde.pPlanTravail->sprites.size(), avant + 2) << "two boxes in the work plane";
    for (auto it = std::next(monde.pPlanTravail->sprites.begin(), avant); it != monde.pPlanTravail->sprites.end(); ++it)
        EXPECT_TRUE((*it)->getIdDEC() == "CAISSE" && (*it)->calque == 3) << "a box of the work layer";
    touche(sf::Keyboard::F2);

    touche(sf::Keyboard::F3);
    CSFMLJeuChoixPer& persos = *CSFMLJeuGlobal::pChoixPer;
    for (int i = 0; i < persos.nbFichiers && persos.fichiers[persos.numFichier] != "./personnages/heros.per"; ++i)
        bouton(CHOIX_PER, "btnRight");
    ASSERT_EQ(persos.fichiers[persos.numFichier], "./personnages/heros.per");
    capturer("choix_personnage_heros");
    clicDroit(400, 300);
    ASSERT_EQ(monde.ias.size(), 1u) << "an AI of heros.per";
    touche(sf::Keyboard::F3);
    touche(sf::Keyboard::F6);
    taper(NIV, "myTextInputTypeJeu", "1");
    touche(sf::Keyboard::F6);

    // Saved as "essai" with the save dialog, then opened again.
    menu();
    bouton(MENU, "myButtonSauver");
    taper(SAUVER, "txtFichier", "essai");
    bouton(SAUVER, "btnEnregistrer");
    ASSERT_TRUE(std::filesystem::exists("niveaux/essai.niv"));
    EXPECT_EQ(monde.fichierNiveau, "./niveaux/essai.niv");
    EXPECT_EQ(texte(NIV, "myTextInputCheminFichierNiv"), "./niveaux/essai.niv");
    bouton(SAUVER, "annuler");
    touche(sf::Keyboard::R);
    EXPECT_EQ(jeu->texteMessage.getString().toWideString().rfind(L"Sauvegarde du niveau effectuée", 0), 0u)
        << "R saves the level being edited";
    EXPECT_EQ(lireTexte("niveaux/essai.niv"), lireTexte("niveaux/essai.niv.save"));
    bouton(MENU, "myButtonCharger");
    auto* ouvrir = CPLUX::getDialog(CHARGER)->commeDialogFile();
    ouvrir->actualiser();
    ASSERT_TRUE(CPLUXTest::selectRow(CHARGER, "lstFichiers", ouvrir->ctrlList("lstFichiers")->getLine("essai.niv")));
    bouton(CHARGER, "open");
    image();
    size_t caisses = 0;
    for (const CSPRITE* s : monde.pPlans[CDecor::PLAN_PRINCIPAL]->sprites)
        caisses += s->getIdDEC() == "CAISSE" && s->calque == 3;
    EXPECT_EQ(caisses, 2u) << "both boxes of layer 3 read back";
    EXPECT_EQ(monde.ias.size(), 1u) << "the AI read back";
    EXPECT_EQ(monde.typeJeu, 1);
    EXPECT_EQ(jeu->pMenus->strCheminNiveau, "./niveaux/essai.niv");

    // "Sauvegarde" writes the same bytes; the save dialog asks before replacing, "Non" keeps it.
    menu();
    bouton(BARRE, "myButtonSauvegarde");
    EXPECT_EQ(lireTexte("niveaux/essai.niv"), lireTexte("niveaux/essai.niv.save"));
    const std::string ecrit = lireTexte("niveaux/essai.niv");
    bouton(MENU, "myButtonSauver");
    taper(SAUVER, "txtFichier", "essai");
    bouton(SAUVER, "btnEnregistrer");
    ASSERT_EQ(CPLUX::getMessageBoxes().size(), 1u) << "asked first";
    capturer("sauver_remplacer");
    CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes()[0]->getHwnd(), 1);
    EXPECT_EQ(lireTexte("niveaux/essai.niv"), ecrit);
    bouton(SAUVER, "annuler");

    // M plays it: the empty level's hero lands on its ground and is drawn there, over the sky.
    touche(sf::Keyboard::M);
    ASSERT_TRUE(jeu->mode == 1 && jeu->pPerso) << "playing, with a hero";
    EXPECT_TRUE(vue.vuemode == 5 && monde.tailleJeuX > 2 * 1280) << "a wide level whose view follows the hero";
    const CSPRITE& heros = *jeu->pPerso->sprite;
    for (int i = 0; i < 60 && std::fabs(heros.y - 836) > 2; ++i)
        image();
    EXPECT_NEAR(heros.y, 836, 2) << "standing on the ground";
    for (int i = 0; i < 30; ++i)  // the view follows him down to the level's bottom
        image();
    capturer("niveau_joue");
    const sf::Image scene = CSFMLJeuGlobal::prenderTexture->getTexture().copyToImage();
    const auto hx = unsigned((heros.x - std::trunc(vue.x) - vue.cx) / vue.zoom);
    const auto hy = unsigned((heros.y - std::trunc(vue.y) - vue.cy) / vue.zoom);
    ASSERT_TRUE(hx - 16 < 1200 && hy - 60 < 600) << "on screen: " << hx << "," << hy;
    int points = 0;
    for (unsigned y = hy - 60; y < hy; ++y)
        for (unsigned x = hx - 16; x < hx + 16; ++x)
            points += scene.getPixel(x, y) != scene.getPixel(hx, 10);
    EXPECT_GT(points, 300) << "the hero's pixels, where he stands";
}
