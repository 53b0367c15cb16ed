// The dialogs as the game's set-up makes them, over the shipped workshop level in editor mode,
// at 1280 x 720, saved as pictures into "editor/<name>.png" of the working folder, to be
// looked at.
#include "OutilsSprite.h"

#include "core/Chemin.h"
#include "core/ForceSD.h"
#include "core/Particules.h"
#include "core/Physique.h"
#include "gui/CPLUXControlColor.h"
#include "gui/CPLUXMessageBox.h"
#include "level/MenuImage.h"
#include "support/SourceSansFocus.h"

#include <SFML/Audio/Sound.hpp>

TEST(CapturesDialoguesSprite, OverTheWorkshopLevel)
{
    const std::string dossier = std::filesystem::absolute("editor").string();
    std::filesystem::create_directories(dossier);
    DossierDeTravail d;
    std::filesystem::copy(dossierData(), ".", std::filesystem::copy_options::recursive);
    ecrireTexte("jeu.ini", lireTexte("jeu.ini") + "EDITEUR=./niveaux/atelier.niv\n");
    CPLUXTest::reset();
    CSFMLJeuGlobal::bModeTest = true;
    {
        CSFMLJeu jeu;
        jeu.pSourceEntrees = std::make_unique<SourceSansFocus>(jeu);
        faceJeu::installer(jeu.facettes());
        ASSERT_EQ(jeu.init("jeu.ini"), 0);
        auto* dlg = dynamic_cast<CJeuDialogSprite*>(CPLUX::getDialog(ids::DIALOGUE));
        auto* shader = dynamic_cast<CJeuDialogShaderVERT*>(CPLUX::getDialog(ids::DIALOGUE_SHADER));
        ASSERT_TRUE(dlg && shader);
        CPLUX::hide("JeuDialogMenuEditeur");
        auto capturer = [&](const std::string& nom) {
            // The workshop level names a shader by a path this folder does not have.
            for (CPLUXMessageBox* b : std::vector<CPLUXMessageBox*>(CPLUX::getMessageBoxes()))
                delete b;
            for (int i = 0; i < 3; ++i)
                jeu.etape();
            EXPECT_TRUE(CPLUXTest::screenshot(jeu.fenetre, dossier + "/" + nom + ".png")) << nom;
        };
        // The box on top of the pile, with every behaviour, a shader and a playing sound.
        CSPRITE* sd = nullptr;
        for (CSPRITE* s : jeu.pdecor->pPlans[CDecor::PLAN_PRINCIPAL]->sprites)
            if (s->getIdDEC() == "CAISSE" && (!sd || s->y < sd->y))
                sd = s;
        ASSERT_NE(sd, nullptr);
        capturer("niveau_avant");
        jeu.pdecor->pSDSelection = sd;
        sd->bSelectionne = true;
        sd->strID = "caisse_haute";
        sd->bPhysB = sd->bPhysG = sd->bPhysR = sd->bPhysE = sd->bPhysP = sd->bPhysC = true;
        sd->bPhysDestruction = sd->bPhysForce = true;
        sd->pPhysB = new CPhysBascule();
        sd->pPhysG = new CPhysG();
        sd->pPhysR = new CPhysRebond();
        sd->pPhysE = new CPhysEffondrement();
        sd->pParticules = new CParticules();
        sd->pChemin = new CChemin();
        sd->pPhysDestruction = new CPhysDestruction();
        sd->pForce = new CForceSD();
        sd->idSon = "MENU";
        sd->modeSon = 3;
        jeu.attacherSon("MENU", sd);
        dlg->show();
        dlg->init();
        auto choisir = [&](const char* combo, const char* nom) {
            const int ligne = dlg->ctrlComboBox(combo)->getLine(nom);
            ASSERT_TRUE(CPLUXTest::chooseEntry(ids::DIALOGUE, combo, ligne)) << nom;
        };
        choisir(ids::myComboBoxShaderFrag, "teinte.frag");
        choisir(ids::myComboBoxShader, "ondulation.vert");
        dlg->init();
        capturer("dialogue_sprite");

        // The level after a colour and a shadow edit.
        dlg->ctrlColor(ids::myColor)->changerParUtilisateur(sf::Color(255, 120, 120, 255));
        ASSERT_TRUE(CPLUXTest::click(ids::DIALOGUE, ids::myButtonCheckOmbre));
        for (int i = 0; i < 6; ++i)
            ASSERT_TRUE(CPLUXTest::click(ids::DIALOGUE, ids::myButtonOmbreOfXPlus));
        dlg->hide();
        capturer("niveau_apres");

        dlg->show();
        ASSERT_TRUE(CPLUXTest::click(ids::DIALOGUE, ids::myColor));
        capturer("editeur_couleur");
        CPLUXTest::key(sf::Keyboard::Escape);
        CPLUXTest::clickAt(1200, 700);

        dlg->hide();
        shader->show();
        const std::pair<const char*, int> choix[] = {{"float", 1}, {"vec3", 2}};
        for (const auto& [type, ligne] : choix) {
            ASSERT_TRUE(CPLUXTest::chooseEntry(ids::DIALOGUE_SHADER, ids::myComboBoxVarFrag, ligne));
            capturer(std::string("variables_") + type);
        }
        ASSERT_TRUE(CPLUXTest::chooseEntry(ids::DIALOGUE_SHADER, ids::myComboBoxVarVert, 0));
        capturer("variables_vec4");
        jeu.pdecor->deselectionner();
        capturer("variables_sans_selection");
        dlg->show();
        capturer("dialogue_sans_selection");
        jeu.pdecor->chargerNiveau("./niveaux/atelier.niv", 0);
        jeu.pdecor->pSDSelection = jeu.pdecor->pPlans[CDecor::PLAN_PRINCIPAL]->sprites.front();
        dlg->init();
        capturer("variables_apres_chargement");
        jeu.arreterSons();
    }
    CSFMLJeuGlobal::bModeTest = false;
    faceJeu::installer({});
    CPLUXTest::reset();
}
