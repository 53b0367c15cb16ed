#pragma once
// Options of the selected decor sprite's key-point path ("JeuDialogPhysCheminOptions"): the
// animation type, the platform travel, the display and pause flags, the global speeds, the
// travel mode, and one key point at a time, the selected one, with its counter n / total.
#include "gui/CPLUXDialog.h"

#include <set>

class CAncrageKP;
class CChemin;
class CSPRITE;

class CJeuDialogPhysCheminOptions : public CPLUXDialog {
public:
    // Refills the dialog from the selected sprite's path (JeuDialogPhysCheminOptions.cpp).
    void init();
    // The refresh the running path asks for when it sets out for its next key point (any
    // path of the level): the text inputs typed into since the last fill, and the one that
    // holds the keyboard, keep their text until "OK point" or the next fill.
    void rafraichirEnMarche();

    void onCreate() override;
    void onCtrlInputChange(CPLUXControlTextInput* c) override;
    void onCtrlCheckChange(CPLUXControlButtonCheck* c) override;
    // The six key-point buttons (JeuDialogPhysCheminOptionsBoutons.cpp).
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;

    // True while init writes the controls.
    bool bRemplissage = false;

private:
    void reinitialiser();
    void remplirKP(const CChemin& chemin, const CAncrageKP& kp);
    // Writes a text input unless rafraichirEnMarche keeps it.
    template <class T>
    void afficher(const char* id, const T& valeur);
    // "myButtonKPOK": the typed values into the selected key point and the path.
    void appliquerKP(CChemin& chemin);
    float nombre(const char* id, float actuel) const;
    // The key point at numKP; null when numKP selects none (outside 0 to nbKP - 1).
    static CAncrageKP* kpSelectionne(const CChemin& chemin);
    // Every path of the world's five planes, the sprites' path flag not consulted.
    static void pauserTous(bool pause);

    bool gardee(const CPLUXControl* c) const;

    // The inputs typed into since the last fill.
    std::set<const CPLUXControl*> saisiesTapees;
    bool bEnMarche = false;
};
