#pragma once
// The anim-script editor ("JeuDialogScriptAnm"): the lines of one anim script of the edited
// sprite, either the script of a keyframe (keyframe mode) or the script bound to one mouse
// event of one anim element (AE mode). The list is the working copy: every change is written
// back into the script at once; the script reaches the ".anm" file when the sprite is saved.
//
// The script is looked up afresh at every use from the recorded target, never kept: a
// keyframe that went, an AE or animation that was deleted, or an event whose script was
// removed leaves nothing targeted, and nothing is written anywhere.
#include "gui/CPLUXDialog.h"

#include <string>

class CScriptAnm;
class CSPRITE3;

class CJeuDialogScriptAnm : public CPLUXDialog {
public:
    static constexpr const char* ID = "JeuDialogScriptAnm";
    static constexpr const char* TITRE_FRAME = "Script de la frame";
    static constexpr const char* TITRE_AE = "Script de l'AE";
    // The lines, and the command catalogue.
    static constexpr const char* LISTE = "myListScript";
    static constexpr const char* COMBO = "myComboBoxScpCmds";
    // Widths of the second columns at creation, and how much narrower than the dialog they
    // are once it is wider than LARGEUR_MIN_COLONNES.
    static constexpr int LARGEUR_COL2_LISTE = 300;
    static constexpr int LARGEUR_COL2_COMBO = 350;
    static constexpr int LARGEUR_MIN_COLONNES = 599;

    // Targets the script of the keyframe in force at the sprite's current animation and
    // frame; null: nothing. Nothing happens when that is already the target shown: the editor
    // calls it on every refill of its keyframe panel, and refilling would drop the selected
    // row and close the argument editor.
    void editScriptFrame(CSPRITE3* sprite);
    // Targets the script of event `event` of AE numAnimElem of animation numAnimation; the
    // indexes -1 leave nothing targeted.
    void editScriptAE(CSPRITE3* sprite, int numAnimation, int numAnimElem, const std::string& event);
    // The list's rows into the targeted script (nothing when none is targeted).
    void sauverLignes();
    // The script the dialog edits now; null when nothing is targeted.
    CScriptAnm* getScriptCible() const;

    void onCreate() override;
    bool onResize(int w, int h) override;
    void onCtrlListChange(CPLUXControlList* c) override;
    void onCtrlComboChange(CPLUXControlComboBox* c) override;
    void onCtrlInputEnterPress(CPLUXControlTextInput* c) override;
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    bool onPressRight(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;

    CSPRITE3* pSprite = nullptr;
    bool bScriptAE = false;
    int numAnimation = -1;
    int numAnimElem = -1;
    std::string strEvent;
    // Keyframe mode: the animation and the frame of the keyframe shown (-1: none).
    int animationKeyframe = -1;
    int frameKeyframe = -1;

private:
    // Empties the list and fills it from the target; the three line buttons are active only
    // while a script is targeted.
    void remplirListe();
    // The combo's command as a new row after the selected one (at the end without one).
    bool insererCommande();
    void insererLigne(const std::string& commande, const std::string& arguments);
    void supprimerLigne();
    void remplacerCommande();
    void ecrireArguments(CPLUXControlTextInput* saisie);
    void deplacerLigne(bool monter);

    bool cibleFrameConnue_ = false;
};
