#pragma once
// The mouse events of one anim element ("JeuDialogEventsAnm"): the six events, marked where
// the AE has a script for them; scripts are made and deleted here and edited in the
// anim-script editor ("JeuDialogScriptAnm"), which this dialog targets at the chosen event.
// The animation editor binds it to its selected AE whenever that selection changes.
#include "gui/CPLUXDialog.h"

#include <string>

class CSPRITE3;
struct CSPRITE3_ANIMELEM;

class CJeuDialogEventsAnm : public CPLUXDialog {
public:
    static constexpr const char* ID = "JeuDialogEventsAnm";
    // The events, in list order: the keys of the AE's map of event scripts.
    static constexpr const char* EVENEMENTS[] = {"onMouseClickLeft",   "onMouseClickRight", "onMouseReleaseLeft",
                                                 "onMouseReleaseRight", "onMouseOn",         "onMouseOut"};

    // Binds the dialog to AE animElem of animation `animation` of the sprite (-1: none) and
    // refills the list. The script editor is targeted at the selected event when asked
    // (cibler) or when it already shows an AE's script; one on a frame's script stays there.
    void setElement(CSPRITE3* sprite, int animation, int animElem, bool cibler = false);

    void onCreate() override;
    void onCtrlListChange(CPLUXControlList* c) override;
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;

    // Not owned: the animation editor's sprite.
    CSPRITE3* pSprite = nullptr;
    int numAnimation = -1;
    int numAnimElem = -1;

private:
    // The AE bound, null when the sprite, the animation or the AE is missing.
    CSPRITE3_ANIMELEM* animElem() const;
    // The script editor on the selected event's script; cleared when it has none.
    void retargeterScript();
    void effacerScript();
    void marquerLigne(int ligne, bool script);
    void nouveauScript();
    void supprimerScript();
    void basculerDialogueScript();
};
