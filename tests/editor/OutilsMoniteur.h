#pragma once
// The bench of the character dialog and the script monitor: the level editor's bench with the
// game's two script engines (the level's active) and both dialogs made from their models as
// the set-up makes them; scripts compiled from text, read back through the monitor's controls.
#include "OutilsEditeurNiveau.h"

#include "editor/IdsScripts.h"
#include "editor/JeuDialogPerso.h"
#include "editor/JeuDialogScripts.h"
#include "gui/CPLUXControlList.h"
#include "script/ScriptEngine.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace ids = IdScripts;

class MoniteurTest : public EditeurNiveauTest {
protected:
    void SetUp() override
    {
        EditeurNiveauTest::SetUp();
        jeu->pscriptEngine = jeu->pscriptEngineJeu = new CScriptEngine();
        jeu->pscriptEngineMenu = new CScriptEngine();
        moteur = jeu->pscriptEngine;
        installerServicesScripts(*jeu);
        CPLUX::declareDialog<CJeuDialogScripts>(editeur::id::SCRIPTS, "CJeuDialogScripts");
        CPLUX::declareDialog<CJeuDialogPerso>(editeur::id::PERSO, "CJeuDialogPerso");
        CPLUX::pModeleDef->readFile(dossierModeles());
        mon = dialogue<CJeuDialogScripts>(editeur::id::SCRIPTS);
        dlgPerso = dialogue<CJeuDialogPerso>(editeur::id::PERSO);
        ASSERT_TRUE(mon && dlgPerso);
    }

    // A script of the active engine, its commands compiled from the text.
    CScript* script(const std::string& fichier, const std::string& texte, CSPRITE* sd = nullptr,
                    int declencheur = declencheur::IMMEDIAT, int nbRunMax = -1)
    {
        CScript* s = moteur->creerScript(fichier, sd, declencheur, nbRunMax, false, false);
        std::istringstream flux(texte);
        moteur->chargerScriptFlux(s, flux);
        return s;
    }
    // The data file copied to the same place in the working folder.
    static void copierDonnee(const std::string& chemin)
    {
        namespace fs = std::filesystem;
        const char* data = std::getenv("TUV_DATA_DIR");
        ASSERT_NE(data, nullptr);
        fs::create_directories(fs::path(chemin).parent_path());
        fs::copy_file(std::string(data) + "/" + chemin, chemin, fs::copy_options::overwrite_existing);
    }

    // The dialog brought to the front, then the control pressed, as the author would.
    bool presser(const char* dlg, const std::string& id)
    {
        CPLUX::show(dlg);
        const bool trouve = CPLUXTest::pressLeft(dlg, id);
        CPLUXTest::releaseLeft();
        return trouve;
    }
    std::string texte(const char* id) const { return CPLUX::getControl(ids::DIALOGUE, id)->getText(); }
    // Rows of a list as "first column|second column".
    std::vector<std::string> lignes(const char* id) const
    {
        std::vector<std::string> r;
        CPLUXControlList* l = mon->ctrlList(id);
        for (int i = 0; l && i < l->getNbElements(); ++i)
            r.push_back(l->getText(i) + "|" + l->getTextCol2(i));
        return r;
    }
    // One frame of the GUI with the monitor shown.
    void image()
    {
        if (!mon->estAffiche())
            CPLUX::show(ids::DIALOGUE);
        CPLUXTest::frame(&fenetreEditeur());
    }

    CScriptEngine* moteur = nullptr;
    CJeuDialogScripts* mon = nullptr;
    CJeuDialogPerso* dlgPerso = nullptr;
};
