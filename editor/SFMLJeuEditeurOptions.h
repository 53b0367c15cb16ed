#pragma once
// The stand-alone "Options" window: eight check buttons built in code that switch the
// masks, the grid, the light sprites and five weather effects of the running level. Its
// window is a library dialog that it owns; the events come through its callback.
#include "gui/CPLUXDialog.h"

struct MondeJeu;

class CSFMLJeuEditeurOptions : public CPLUXDialog {
public:
    // The window's geometry and its checks' pictures.
    static constexpr int X = 100, Y = 100, LARGEUR = 200, HAUTEUR = 250;
    static constexpr const char* IMAGE_COCHE = "./PLUX_Res/images/bouton_check_on.png";
    static constexpr const char* IMAGE_VIDE = "./PLUX_Res/images/bouton_check_off.png";

    CSFMLJeuEditeurOptions();
    ~CSFMLJeuEditeurOptions() override;

    // Each check shows its flag (nothing without a game or a level).
    void afficherDrapeaux();
    // Each frame of the editor: while the window is open its checks show the level as it is,
    // after a load, F6 or a script as well, so that a press inverts what the author sees.
    void suivreNiveau();

    // The window's callback: a press (code 0) on a check inverts its flag. Always true.
    static bool callback(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code);

    CPLUXDialog* pDialog = nullptr;  // owned
    MondeJeu* pjeu = nullptr;        // the game's world facet, not owned
};
