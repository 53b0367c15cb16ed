// Set-up of the GUI library: the dialog classes by id and the model folder.
#include "game/Jeu.h"

#include "gui/CPLUX.h"
#include "gui/CPLUXModeleDef.h"

void listerDialogues();
void listerDialoguesAnnexes();

// The editor and tool dialogs are declared here as their classes are written; an id with
// no class yet has no dialog, and CPLUX::getDialog gives null for it.
void listerDialogues()
{
}

void listerDialoguesAnnexes()
{
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
