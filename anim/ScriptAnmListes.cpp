// The editor's list fillers of CScriptAnm: linked with the program, which has the GUI layer.
#include "anim/ScriptAnm.h"

#include "gui/CPLUXControlList.h"

void CScriptAnm::getLignes(CPLUXControlList* liste) const
{
    if (!liste)
        return;
    for (size_t i = 0; i < commandes.size(); ++i) {
        liste->AddElement(commandes[i]);
        liste->AddElementCol2(i < arguments.size() ? arguments[i] : std::string());
    }
}

void CScriptAnm::setLignes(CPLUXControlList* liste)
{
    commandes.clear();
    arguments.clear();
    if (!liste)
        return;
    for (int i = 0; i < liste->getNbElements(); ++i) {
        commandes.push_back(liste->getText(i));
        arguments.push_back(liste->getTextCol2(i));
    }
}
