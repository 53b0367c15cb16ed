#pragma once
// Small steps the editors repeat on a control found by id: each does nothing when the model
// lacks that control.
#include "gui/CPLUXControlColor.h"
#include "gui/CPLUXDialog.h"

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

// Silent: filling a colour reports no change.
inline void colorer(const CPLUXDialog& d, const char* id, sf::Color c)
{
    if (CPLUXControlColor* col = d.ctrlColor(id))
        col->setColor(c);
}

} // namespace editeur
