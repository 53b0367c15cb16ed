#include "tools/CSEOpenDossier.h"

#include "gui/CPLUX.h"
#include "gui/CPLUXControlTextInput.h"
#include "tools/CSESelectionZone.h"

bool CCSEOpenDossier::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialogFile::onPressLeft(w, x, y, c);
    if (!c || c->getId() != "open")
        return true;
    // Without a slicer the picker has no one to give the folder to: it stays as it is.
    auto* slicer = dynamic_cast<CCSESelectionZone*>(CPLUX::getDialog("CSESelectionZone"));
    if (!slicer)
        return true;
    slicer->strDossier = GetPath();
    if (CPLUXControlTextInput* t = slicer->ctrlTextInput("myTextInputDossier"))
        t->setText(slicer->strDossier);
    close();
    return true;
}
