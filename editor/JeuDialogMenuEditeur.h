#pragma once
// The editor toolbar ("JeuDialogMenuEditeur"): the frame-rate text, twelve check buttons
// mirroring the cheats and editing aids of the game and its characters, one that shows or
// hides the editor main menu, and the quick save of the level. It keeps no copy of the
// flags: every change is written into the game or the characters at once, and refreshChecks
// shows them again. It owns the stand-alone "Options" window.
#include "gui/CPLUXDialog.h"

#include <memory>
#include <string>

class CSFMLJeuEditeurOptions;

class CJeuDialogMenuEditeur : public CPLUXDialog {
public:
    static constexpr const char* TEXTE_FPS = "myTextFPS";
    static constexpr const char* BOUTON_SAUVEGARDE = "myButtonSauvegarde";
    static constexpr const char* CASE_MENU_VISIBLE = "myButtonCheckMenuVisible";
    // The message box that asks before a quick save replaces another level.
    static constexpr const char* BOITE_REMPLACER = "EDITEUR_REMPLACER";

    CJeuDialogMenuEditeur();
    ~CJeuDialogMenuEditeur() override;

    // The game's frame-rate text into "myTextFPS" when it changed.
    void setFPS();
    // The check buttons from their flags, then the main menu shown or hidden by
    // "myButtonCheckMenuVisible" (checked: hidden).
    void refreshChecks();
    // Asks whether the level may replace that file; "Oui" writes it. One question at a time.
    void demanderRemplacement(const std::string& fichier);

    void onCreate() override;
    void onShow() override;
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    void onCtrlCheckChange(CPLUXControlButtonCheck* c) override;
    void onMBClose(int handle, std::string id, bool answer1, bool answer2, bool answer3,
                   std::string text) override;

    // The stand-alone options window, made at creation; null before.
    CSFMLJeuEditeurOptions* getOptions() const { return pOptions.get(); }

private:
    std::unique_ptr<CSFMLJeuEditeurOptions> pOptions;
    int boiteRemplacer = 0;
    std::string fichierARemplacer;
};
