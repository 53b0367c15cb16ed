#pragma once
// Options of the selected decor sprite's force zone ("JeuDialogPhysForceOptions"): every edit
// goes into the zone at once; two buttons make or reload the zone's scripts.
#include "gui/CPLUXDialog.h"

class CForceSD;
class CScript;
class CSPRITE;

class CJeuDialogPhysForceOptions : public CPLUXDialog {
public:
    // Refills the dialog from the selected sprite's force zone; empty without one.
    void refreshFromSprite();

    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    void onCtrlInputChange(CPLUXControlTextInput* c) override;
    void onCtrlCheckChange(CPLUXControlButtonCheck* c) override;

    // True while the dialog writes its own inputs: what they report then was not typed.
    bool bRemplissage = false;

private:
    void remplir(const CForceSD* zone);
    // Makes the script of that file for the sprite, or compiles it again when the active
    // engine still holds it.
    static void preparerScript(CScript*& script, const std::string& fichier, CSPRITE& sd);
};
