#pragma once
// Small steps the editors repeat on a control found by id: each does nothing when the model
// lacks that control.
#include "gui/CPLUXControlColor.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/CPLUXDialog.h"

#include <string>

namespace editeur {

inline void cocher(const CPLUXDialog& d, const char* id, bool b)
{
    if (CPLUXControlButtonCheck* c = d.ctrlButtonCheck(id))
        c->setCheck(b);
}

// Any value a control's setText takes (text, integer, float).
template <class T>
void afficher(const CPLUXDialog& d, const char* id, const T& valeur)
{
    if (CPLUXControl* c = d.getControl(id))
        c->setText(valeur);
}

// The text of a control; empty when the model lacks it.
inline std::string texte(const CPLUXDialog& d, const char* id)
{
    const CPLUXControl* c = d.getControl(id);
    return c ? c->getText() : std::string();
}

// The number in field `id` once its text is validated (Return, a button), by the number
// fields' rule (CPLUXControlTextInput::lireNombre): true, with the value, when the text is a
// number, or `valeur` unchanged when the model lacks the field; any other text is refused and
// the field shows `valeur`, kept.
template <class T>
bool lireNombre(const CPLUXDialog& d, const char* id, T& valeur)
{
    CPLUXControlTextInput* c = d.ctrlTextInput(id);
    return !c || c->lireNombre(valeur, true);
}

// Silent: filling a colour reports no change.
inline void colorer(const CPLUXDialog& d, const char* id, sf::Color c)
{
    if (CPLUXControlColor* col = d.ctrlColor(id))
        col->setColor(c);
}

// Sends a combo to a line without reporting the change; line 0 (none) when it has no such line.
inline void choisirLigne(CPLUXControlComboBox* c, long long ligne)
{
    c->setSendEventOnChange(false);
    c->setNumSel(ligne >= 0 && ligne < c->getNbElements() ? static_cast<int>(ligne) : 0);
    c->setSendEventOnChange(true);
}

inline void choisirLigne(const CPLUXDialog& d, const char* id, long long ligne)
{
    if (CPLUXControlComboBox* c = d.ctrlComboBox(id))
        choisirLigne(c, ligne);
}

// The line reading the text; line 0 when the text is empty or no line reads it.
inline void choisirTexte(const CPLUXDialog& d, const char* id, const std::string& texte)
{
    if (CPLUXControlComboBox* c = d.ctrlComboBox(id))
        choisirLigne(c, texte.empty() ? 0 : c->getLine(texte));
}

} // namespace editeur
