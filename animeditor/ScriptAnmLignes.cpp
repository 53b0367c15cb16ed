// Line operations of the anim-script editor: insert a command or a comment, delete a line,
// replace its command, type its arguments, move it up or down. Each acts on the selected row
// of the list; all but the moves change the list and then write it back whole, the moves
// change the script and refill the list from it.
#include "animeditor/JeuDialogScriptAnm.h"

#include "anim/ScriptAnm.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTextInput.h"

namespace {
constexpr const char* SAISIE_COL2 = "saisieCol2";
constexpr const char* COMMENTAIRE = "#";
// A new line's argument text: a comment gets one blank, a command empty parentheses.
constexpr const char* ARGUMENTS_COMMENTAIRE = " ";
constexpr const char* ARGUMENTS_COMMANDE = "()";
} // namespace

bool CJeuDialogScriptAnm::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    if (!c)
        return true;
    const std::string& id = c->getId();
    if (id == "myButtonAddInstruction") {
        if (insererCommande())
            sauverLignes();
    } else if (id == "myButtonDelInstruction") {
        supprimerLigne();
    } else if (id == "myButtonEditInstruction") {
        remplacerCommande();
    } else if (id == "myButtonCmdHaut") {
        deplacerLigne(true);
    } else if (id == "myButtonCmdBas") {
        deplacerLigne(false);
    }
    return true;
}

bool CJeuDialogScriptAnm::onPressRight(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressRight(w, x, y, c);
    if (!c)
        return true;
    if (c->getId() == LISTE) {
        insererLigne(COMMENTAIRE, ARGUMENTS_COMMENTAIRE);
        sauverLignes();
    } else if (c->getId() == COMBO) {
        if (!insererCommande())
            return true;
        if (CPLUXControlComboBox* combo = ctrlComboBox(COMBO))
            combo->setRoll(true);
        sauverLignes();
    }
    return true;
}

void CJeuDialogScriptAnm::onCtrlInputEnterPress(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputEnterPress(c);
    if (c && c->getId() == SAISIE_COL2)
        ecrireArguments(c);
}

bool CJeuDialogScriptAnm::insererCommande()
{
    const CPLUXControlComboBox* combo = ctrlComboBox(COMBO);
    const std::string commande = combo ? combo->getTextSel() : std::string();
    if (commande.empty())
        return false;
    insererLigne(commande, commande == COMMENTAIRE ? ARGUMENTS_COMMENTAIRE : ARGUMENTS_COMMANDE);
    return true;
}

// After the selected row, at the end without one; the list closes its argument editor, so
// that none stays open over the rows that moved.
void CJeuDialogScriptAnm::insererLigne(const std::string& commande, const std::string& arguments)
{
    if (CPLUXControlList* l = ctrlList(LISTE))
        l->insertText(commande, arguments, l->getNumSel());
}

// The unchanged list is written back even without a selected row.
void CJeuDialogScriptAnm::supprimerLigne()
{
    if (CPLUXControlList* l = ctrlList(LISTE); l && l->getNumSel() != -1)
        l->delLine(l->getNumSel());
    sauverLignes();
}

// The argument text stays; an empty command would make a line without one.
void CJeuDialogScriptAnm::remplacerCommande()
{
    CPLUXControlList* l = ctrlList(LISTE);
    const CPLUXControlComboBox* combo = ctrlComboBox(COMBO);
    const std::string commande = combo ? combo->getTextSel() : std::string();
    if (!l || commande.empty() || l->getNumSel() == -1)
        return;
    l->editElement(commande, l->getNumSel());
    sauverLignes();
}

void CJeuDialogScriptAnm::ecrireArguments(CPLUXControlTextInput* saisie)
{
    CPLUXControlList* l = ctrlList(LISTE);
    if (!l || l->getNumSel() == -1)
        return;
    l->setSendEventOnChange(false);
    l->editElement2(saisie->getText(), l->getNumSel());
    l->setSendEventOnChange(true);
    sauverLignes();
}

// Only a row the script has: the list may hold rows inserted while nothing was targeted.
void CJeuDialogScriptAnm::deplacerLigne(bool monter)
{
    const CPLUXControlList* l = ctrlList(LISTE);
    const int n = l ? l->getNumSel() : -1;
    CScriptAnm* script = getScriptCible();
    if (n == -1 || !script || n >= script->getNbLignes())
        return;
    if (monter)
        script->monterLigne(n);
    else
        script->descendreLigne(n);
    remplirListe();
}
