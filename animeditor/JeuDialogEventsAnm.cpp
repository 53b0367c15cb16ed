// The mouse events of one anim element: list, marks, new and deleted scripts, and the script
// editor targeted at the chosen event.
#include "animeditor/JeuDialogEventsAnm.h"

#include "anim/Sprite3.h"
#include "animeditor/JeuDialogScriptAnm.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlList.h"

namespace {
constexpr const char* LISTE = "myListEvents";
constexpr const char* MARQUE_SCRIPT = "script";
constexpr const char* SANS_SCRIPT = " ";
const sf::Color COULEUR_SCRIPT(0, 0, 255, 255);
const sf::Color COULEUR_SANS_SCRIPT(40, 40, 40, 255);
constexpr int LARGEUR_COL2 = 150;

CJeuDialogScriptAnm* dialogueScript()
{
    return dynamic_cast<CJeuDialogScriptAnm*>(CPLUX::getDialog(CJeuDialogScriptAnm::ID));
}
} // namespace

CSPRITE3_ANIMELEM* CJeuDialogEventsAnm::animElem() const
{
    return pSprite ? pSprite->getAnimElem(numAnimation, numAnimElem) : nullptr;
}

void CJeuDialogEventsAnm::setElement(CSPRITE3* sprite, int animation, int ae, bool cibler)
{
    const CJeuDialogScriptAnm* script = dialogueScript();
    const bool suivre = cibler || (script && script->bScriptAE);
    pSprite = sprite;
    numAnimation = animation;
    numAnimElem = ae;
    CPLUXControlList* l = ctrlList(LISTE);
    if (l) {
        l->setVisibleCol2(true);
        l->setLargeurCol2(LARGEUR_COL2);
        l->reset();
        for (const char* e : EVENEMENTS) {
            l->AddElement(e);
            l->AddElementCol2(SANS_SCRIPT);
        }
    }
    if (pSprite && !pSprite->getAnim(numAnimation)) {
        if (l)
            l->reset();
        if (suivre)
            effacerScript();
        return;
    }
    const CSPRITE3_ANIMELEM* lie = animElem();
    if (!lie || !l) {
        if (suivre)
            effacerScript();
        return;
    }
    // The selection ends on the last event marked; it is reported once, below.
    l->setSendEventOnChange(false);
    for (const auto& evenement : lie->evenements) {
        l->setStrSel(evenement.first);
        // A key that is none of the six selects no line: the previous one stays selected.
        if (l->getTextSel() == evenement.first)
            marquerLigne(l->getNumSel(), true);
    }
    l->setSendEventOnChange(true);
    if (suivre)
        retargeterScript();
}

void CJeuDialogEventsAnm::marquerLigne(int ligne, bool script)
{
    CPLUXControlList* l = ctrlList(LISTE);
    if (!l || ligne < 0)
        return;
    l->editElement2(script ? MARQUE_SCRIPT : SANS_SCRIPT, ligne);
    l->setColor(script ? COULEUR_SCRIPT : COULEUR_SANS_SCRIPT, ligne);
}

void CJeuDialogEventsAnm::retargeterScript()
{
    const CPLUXControlList* l = ctrlList(LISTE);
    const std::string evenement = l ? l->getTextSel() : std::string();
    const CSPRITE3_ANIMELEM* ae = animElem();
    if (!ae || ae->evenements.find(evenement) == ae->evenements.end()) {
        effacerScript();
        return;
    }
    if (CJeuDialogScriptAnm* d = dialogueScript())
        d->editScriptAE(pSprite, numAnimation, numAnimElem, evenement);
}

void CJeuDialogEventsAnm::effacerScript()
{
    if (CJeuDialogScriptAnm* d = dialogueScript())
        d->editScriptAE(pSprite, -1, -1, "");
}

// Events -------------------------------------------------------------------------------------------

void CJeuDialogEventsAnm::onCreate()
{
    CPLUXDialog::onCreate();
    if (CPLUXControlList* l = ctrlList(LISTE))
        l->reset();
}

void CJeuDialogEventsAnm::onCtrlListChange(CPLUXControlList* c)
{
    CPLUXDialog::onCtrlListChange(c);
    if (c && c->getId() == LISTE)
        retargeterScript();
}

bool CJeuDialogEventsAnm::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    if (!c)
        return true;
    const std::string& id = c->getId();
    if (id == "myButtonDialogAnmScp")
        basculerDialogueScript();
    else if (id == "myButtonNouveauScp")
        nouveauScript();
    else if (id == "myButtonDelScp")
        supprimerScript();
    return true;
}

void CJeuDialogEventsAnm::basculerDialogueScript()
{
    if (CPLUX::isDialogVisible(CJeuDialogScriptAnm::ID)) {
        CPLUX::hide(CJeuDialogScriptAnm::ID);
        return;
    }
    CPLUX::show(CJeuDialogScriptAnm::ID);
    const CPLUXControlList* l = ctrlList(LISTE);
    if (numAnimElem == -1 || !l || l->getTextSel().empty())
        effacerScript();
    else
        retargeterScript();
}

// A new, empty script for the selected event; the script editor shows it once the event is
// chosen again or the editor is opened from here.
void CJeuDialogEventsAnm::nouveauScript()
{
    CSPRITE3_ANIMELEM* ae = animElem();
    const CPLUXControlList* l = ctrlList(LISTE);
    const std::string evenement = l ? l->getTextSel() : std::string();
    if (!ae || evenement.empty() || ae->evenements.count(evenement) != 0)
        return;
    ae->evenements.emplace(evenement, CScriptAnm());
    marquerLigne(l->getNumSel(), true);
}

void CJeuDialogEventsAnm::supprimerScript()
{
    CSPRITE3_ANIMELEM* ae = animElem();
    const CPLUXControlList* l = ctrlList(LISTE);
    const std::string evenement = l ? l->getTextSel() : std::string();
    if (!ae || evenement.empty() || ae->evenements.erase(evenement) == 0)
        return;
    marquerLigne(l->getNumSel(), false);
}
