// Set-up of the GUI library: the dialog classes by id and the model folder.
#include "game/Jeu.h"

#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"
#include "animeditor/JeuDialogEventsAnm.h"
#include "animeditor/JeuDialogScriptAnm.h"
#include "editor/Editeur.h"
#include "editor/IdsSprite.h"
#include "editor/JeuDialogChargerNiv.h"
#include "editor/JeuDialogListeSD.h"
#include "editor/JeuDialogMenu.h"
#include "editor/JeuDialogMenuEditeur.h"
#include "editor/JeuDialogOptionsEditeur.h"
#include "editor/JeuDialogOptionsNiv.h"
#include "editor/JeuDialogPerso.h"
#include "editor/JeuDialogPhysBasculeOptions.h"
#include "editor/JeuDialogPhysCheminOptions.h"
#include "editor/JeuDialogPhysEffondrementOptions.h"
#include "editor/JeuDialogPhysForceOptions.h"
#include "editor/JeuDialogPhysParticulesOptions.h"
#include "editor/JeuDialogPlans.h"
#include "editor/JeuDialogSauverNiv.h"
#include "editor/JeuDialogScripts.h"
#include "editor/JeuDialogShaderVERT.h"
#include "editor/JeuDialogSprite.h"
#include "editor/SFMLJeuChoixDec.h"
#include "editor/SFMLJeuChoixPer.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXModeleDef.h"
#include "lobby/JeuDialogInternet.h"
#include "tools/CSEFouet.h"
#include "tools/CSEOpenDossier.h"
#include "tools/CSESelectionZone.h"

void listerDialogues();
void listerDialoguesAnnexes();

// The editor and tool dialogs are declared here as their classes are written; an id with
// no class yet has no dialog, and CPLUX::getDialog gives null for it. The editors exist only
// with the development switch: without it nothing can show them. The order is that in which
// the library creates them, and so the order of their onCreate.
void listerDialogues()
{
    const bool dev = CSFMLJeuGlobal::bModeTest;
    if (dev) {
        CPLUX::declareDialog<CJeuDialogPhysEffondrementOptions>(IdSprite::DIALOGUE_EFFONDREMENT,
                                                                "CJeuDialogPhysEffondrementOptions");
        CPLUX::declareDialog<CJeuDialogPhysBasculeOptions>(IdSprite::DIALOGUE_BASCULE, "CJeuDialogPhysBasculeOptions");
        CPLUX::declareDialog<CJeuDialogSauverNiv>(CJeuDialogSauverNiv::ID, "CJeuDialogSauverNiv");
        CPLUX::declareDialog<CJeuDialogPhysCheminOptions>(IdSprite::DIALOGUE_CHEMIN, "CJeuDialogPhysCheminOptions");
        CPLUX::declareDialog<CJeuDialogChargerNiv>(CJeuDialogChargerNiv::ID, "CJeuDialogChargerNiv");
        CPLUX::declareDialog<CJeuDialogPhysParticulesOptions>(IdSprite::DIALOGUE_PARTICULES,
                                                              "CJeuDialogPhysParticulesOptions");
        CPLUX::declareDialog<CJeuDialogScripts>(editeur::id::SCRIPTS, "CJeuDialogScripts");
        CPLUX::declareDialog<CJeuDialogSprite>(IdSprite::DIALOGUE, "CJeuDialogSprite");
        CPLUX::declareDialog<CJeuDialogPhysForceOptions>(IdSprite::DIALOGUE_FORCE, "CJeuDialogPhysForceOptions");
        CPLUX::declareDialog<CJeuDialogListeSD>(editeur::id::LISTE_SD, "CJeuDialogListeSD");
        CPLUX::declareDialog<CJeuDialogShaderVERT>(IdSprite::DIALOGUE_SHADER, "CJeuDialogShaderVERT");
        CPLUX::declareDialog<CCSESelectionZone>("CSESelectionZone", "CCSESelectionZone");
        CPLUX::declareDialog<CSFMLJeuChoixPer>(CSFMLJeuChoixPer::ID, "CSFMLJeuChoixPer");
        CPLUX::declareDialog<CSFMLJeuChoixDec>(CSFMLJeuChoixDec::ID, "CSFMLJeuChoixDec");
        CPLUX::declareDialog<CJeuDialogOptionsNiv>(editeur::id::OPTIONS_NIV, "CJeuDialogOptionsNiv");
        CPLUX::declareDialog<CJeuDialogOptionsEditeur>(editeur::id::OPTIONS_EDITEUR, "CJeuDialogOptionsEditeur");
    }
    // Players open the lobby from the main menu: declared in every run.
    CPLUX::declareDialog<CJeuDialogInternet>("JeuDialogInternet", "CJeuDialogInternet");
    if (!dev)
        return;
    CPLUX::declareDialog<CJeuDialogMenuEditeur>(editeur::id::MENU_EDITEUR, "CJeuDialogMenuEditeur");
    CPLUX::declareDialog<CJeuDialogEventsAnm>(CJeuDialogEventsAnm::ID, "CJeuDialogEventsAnm");
    CPLUX::declareDialog<CJeuDialogAnimationsSprites>(IdAnm::DIALOGUE, "CJeuDialogAnimationsSprites");
    CPLUX::declareDialog<CJeuDialogScriptAnm>(CJeuDialogScriptAnm::ID, "CJeuDialogScriptAnm");
}

// Dialogs reached by id without a place in the editor's lists.
void listerDialoguesAnnexes()
{
    if (!CSFMLJeuGlobal::bModeTest)
        return;
    CPLUX::declareDialog<CJeuDialogMenu>(editeur::id::MENU, "CJeuDialogMenu");
    CPLUX::declareDialog<CJeuDialogPerso>(editeur::id::PERSO, "CJeuDialogPerso");
    CPLUX::declareDialog<CJeuDialogPlans>(editeur::id::PLANS, "CJeuDialogPlans");
    CPLUX::declareDialog<CCSEOpenDossier>("CSEOpenDossier", "CCSEOpenDossier");
    CPLUX::declareDialog<CCSEFouet>("CSEFouet", "CCSEFouet");
}

void CSFMLJeu::initPLUX()
{
    CPLUX::pathSources = "../Pexlon/";
    CPLUX::strQtPro = "pexlon.pro";
    listerDialogues();
    listerDialoguesAnnexes();
    CPLUX::applyTabs();
    if (CPLUX::pModeleDef)
        CPLUX::pModeleDef->readFile("./PLUX_Modeles/Mod2/");
    CPLUX::setConsoleVisible(CSFMLJeuGlobal::bModeTest);
}

void CSFMLJeu::libererDialogues()
{
    // A dialog's destructor unregisters it: an id declared twice is found only once. The two
    // pickers outlive the game: main deletes them after it.
    for (const auto& [id, classe] : CPLUX::getDeclaredDialogs()) {
        CPLUXDialog* d = CPLUX::getDialog(id);
        if (d && d != CSFMLJeuGlobal::pChoixDec && d != CSFMLJeuGlobal::pChoixPer)
            delete d;
    }
}
