#pragma once
// Base of every dialog of the program: state (visible / minimised), geometry, the controls
// it owns (looked up by id), bound variables, callbacks and the virtual slots the library
// calls. Constructing a dialog has no side effect: it is registered by CPLUX.
#include "gui/CPLUXControl.h"

#include <SFML/Graphics.hpp>

#include <cstddef>
#include <fstream>
#include <map>
#include <string>
#include <vector>

class CPLUXDialog;
class CPLUXDialogFile;
class CPLUXControlTextInput;
class CPLUXControlTextArea;
class CPLUXControlList;
class CPLUXControlComboBox;
class CPLUXControlTab;
class CPLUXControlImage;
class CPLUXControlZone;
class CPLUXControlColor;
class CPLUXControlSliderH;

// The second argument is declared both ways by the program; both kinds are accepted.
typedef bool (*PLUXCallback)(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code);
typedef bool (*PLUXFileCallback)(void* owner, CPLUXDialogFile* dlg, CPLUXControl* ctrl, int code);

class CPLUXDialog {
public:
    CPLUXDialog();
    // Unregisters the dialog and forgets every reference the library holds to it.
    virtual ~CPLUXDialog();
    CPLUXDialog(const CPLUXDialog&) = delete;
    CPLUXDialog& operator=(const CPLUXDialog&) = delete;

    // State -------------------------------------------------------------------------------
    void show();
    // Shown directly above the dialog whose handle is given.
    void show(int handle);
    void hide();
    void setVisible(bool v);
    bool isVisible() const { return visible_; }
    void setMinimize(bool m);
    bool isMinimize() const { return minimise_; }
    bool estAffiche() const { return visible_ && !minimise_; }
    void close(int code = 0);
    void setCloseMode(int m) { modeFermeture_ = m; }
    int getCloseMode() const { return modeFermeture_; }
    int getHwnd() const { return handle_; }
    bool isCreate() const { return cree_; }

    // Geometry (window pixels; height below the title bar) --------------------------------
    void setTitle(const std::string& t);
    void setTitle(const char* t) { setTitle(std::string(t)); }
    void setTitle(const std::wstring& t);
    void setTitle(const wchar_t* t) { setTitle(std::wstring(t)); }
    std::string getTitle() const;
    std::wstring getTitleW() const { return titre_; }
    void setPosition(int x, int y);
    int getLeft() const { return x_; }
    int getTop() const { return y_; }
    sf::Vector2i getPosition() const { return {x_, y_}; }
    void Size(int w, int h);
    int getWidth() const { return l_; }
    int getHeight() const { return h_; }
    int getOuterHeight() const { return h_ + hauteurTitre(); }
    int hauteurTitre() const { return sansTitre_ ? 0 : plux::HAUTEUR_TITRE; }
    bool contient(int x, int y) const;
    void setId(const std::string& id) { id_ = id; }
    const std::string& getId() const { return id_; }

    // Window options (model "OPTIONS") ------------------------------------------------------
    void setDeplacable(bool b) { deplacable_ = b; }
    void setRedimensionnable(bool b) { redimensionnable_ = b; }
    void setFermable(bool b);
    void setMinimisable(bool b);
    void setSansTitre(bool b);
    void setPleinEcran(bool b) { pleinEcran_ = b; }
    bool isDeplacable() const { return deplacable_; }
    bool isRedimensionnable() const { return redimensionnable_; }
    bool isPleinEcran() const { return pleinEcran_; }
    void setColorFond(sf::Color c) { couleurFond_ = c; }
    sf::Color getColorFond() const { return couleurFond_; }

    void setDialogCallback(PLUXCallback cb);
    void setDialogCallback(PLUXFileCallback cb);
    void setOwner(void* owner) { owner_ = owner; }
    void* getOwner() const { return owner_; }
    // The file dialogs answer with themselves; the plain dialog is not one.
    virtual CPLUXDialogFile* commeDialogFile() { return nullptr; }

    // Controls -----------------------------------------------------------------------------
    CPLUXControl* getControl(const std::string& id) const;
    CPLUXControlButton* ctrlButton(const std::string& id) const;
    CPLUXControlButtonCheck* ctrlButtonCheck(const std::string& id) const;
    CPLUXControlText* ctrlText(const std::string& id) const;
    CPLUXControlTextInput* ctrlTextInput(const std::string& id) const;
    CPLUXControlList* ctrlList(const std::string& id) const;
    CPLUXControlComboBox* ctrlComboBox(const std::string& id) const;
    CPLUXControlTab* ctrlTab(const std::string& id) const;
    // Defined with their controls (image, zone and colour kinds).
    CPLUXControlImage* ctrlImage(const std::string& id) const;
    CPLUXControlZone* ctrlZone(const std::string& id) const;
    CPLUXControlColor* ctrlColor(const std::string& id) const;
    bool isCtrlIdExist(const std::string& id) const { return getControl(id) != nullptr; }
    void disableControl(const std::string& id);
    void enableControl(const std::string& id);
    static bool isInRect(int x, int y, int rx, int ry, int w, int h);
    void setCheckGroup(const std::string& id);

    CPLUXControlButtonCheck* addControlButtonCheck(const std::string& id, const std::string& label,
                                                   const std::string& imgOn, const std::string& imgOff,
                                                   int x, int y, int w, int h, bool checked);
    CPLUXControlText* addControlText(const std::string& id, const std::string& text, int x, int y, int w,
                                     int h);
    CPLUXControlText* addControlText(const std::string& id, const std::wstring& text, int x, int y, int w,
                                     int h);
    CPLUXControlButton* addControlButton(const std::string& id, const std::string& text, int x, int y,
                                         int w, int h);
    CPLUXControlTextInput* addControlTextInput(const std::string& id, const std::string& text, int x,
                                               int y, int w, int h);
    // A new image control at (0, 0), size 0 x 0, placed by the caller; null when the id is taken.
    CPLUXControlImage* addControlImage(const std::string& id);
    // Takes ownership. A control whose id is already used is refused: false, and the caller
    // keeps it (freeing it here would leave the caller's pointer dangling).
    bool addControl(CPLUXControl* c);
    void addControlUser(CPLUXControl* c, const std::string& id);
    // Leaves the map at once; the object is freed after the current update.
    void delControl(const std::string& id);
    const std::vector<CPLUXControl*>& getControls() const { return controles_; }
    std::vector<CPLUXControl*> getTabOrder() const;
    void appliquerOrdreTab();

    // Bound variables --------------------------------------------------------------------------
    void setMapVar(const std::string& name, std::string* v);
    void setMapVar(const std::string& name, float* v);
    void setMapVar(const std::string& name, int* v);
    void setMapVar(const std::string& name, bool* v);
    void setMapVar(const std::string& name, std::nullptr_t);
    bool estLiee(const std::string& name) const { return variables_.count(name) != 0; }
    // Shows every bound variable in its control, silently.
    void afficherVariables();

    // true (default): the control under the mouse becomes CPLUX::pCtrlFocus.
    void setFocusMouseOn(bool b) { focusSouris_ = b; }
    bool isFocusMouseOn() const { return focusSouris_; }
    void setDrawCadreFocus(bool b) { cadreFocus_ = b; }
    const sf::Font& getFont() const;
    bool isVisibleInTB() const { return dansBarre_; }

    // Virtual slots ----------------------------------------------------------------------------
    virtual bool events(const sf::Event& e) { return false; }
    virtual bool onMouseWheel(int delta, CPLUXControl* under) { return true; }
    virtual bool onFocusOn() { return true; }
    virtual bool onFocusOff() { return true; }
    virtual void onCreate() {}
    virtual void onShow() {}
    virtual void onHide() {}
    virtual void onRefresh() {}
    virtual void onClose() {}
    virtual void onCloseCB(std::string id) {}
    virtual void onMove(int dx, int dy) {}
    virtual void draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy);
    virtual bool onDialogIn(sf::RenderWindow* w, int x, int y) { return true; }
    virtual bool onDialogOut() { return true; }
    // A left press anywhere in the dialog, before its title bar and controls: false keeps
    // the press from going further.
    virtual bool onDialogPressLeft(sf::RenderWindow* w, int x, int y) { return true; }
    virtual bool onDialogPressRight(sf::RenderWindow* w, int x, int y) { return true; }
    virtual bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) { return true; }
    virtual bool onPressRight(sf::RenderWindow* w, int x, int y, CPLUXControl* c) { return true; }
    virtual bool onPressMiddle(sf::RenderWindow* w, int x, int y, CPLUXControl* c) { return true; }
    // Moves / resizes a movable / resizable control by its drag delta.
    virtual bool onClicLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c);
    virtual bool onClicRight(sf::RenderWindow* w, int x, int y, CPLUXControl* c) { return true; }
    virtual bool onClicMiddle(sf::RenderWindow* w, int x, int y, CPLUXControl* c) { return true; }
    virtual bool onMouseIn(sf::RenderWindow* w, int x, int y, CPLUXControl* c) { return true; }
    virtual bool onMouseOut(sf::RenderWindow* w, int x, int y, CPLUXControl* c) { return true; }
    virtual bool onResize(int w, int h) { return true; }
    virtual void onCtrlMove(CPLUXControl* c) {}
    virtual void onMBClose(int handle, std::string id, bool answer1, bool answer2, bool answer3,
                           std::string text) {}
    // Writes a bound variable.
    virtual void onCtrlInputChange(CPLUXControlTextInput* c) {}
    virtual void onCtrlInputEnterPress(CPLUXControlTextInput* c) {}
    // The input lost the keyboard (a press elsewhere, Tab, Escape, a box, the dialog hidden).
    virtual void onCtrlInputLeave(CPLUXControlTextInput* c) {}
    virtual void onCtrlCheckChange(CPLUXControlButtonCheck* c) {}
    virtual void onCtrlSliderChange(CPLUXControlSliderH* c) {}
    virtual void onCtrlColorChange(CPLUXControlColor* c) {}
    virtual void onCtrlSizeChange(CPLUXControl* c) {}
    virtual void onCtrlListChange(CPLUXControlList* c) {}
    virtual void onCtrlAreaChange(CPLUXControlTextArea* c) {}
    virtual void onCtrlComboChange(CPLUXControlComboBox* c) {}
    virtual void onCtrlTabChange(CPLUXControlTab* c) {}
    virtual void onCtrlUserChange(CPLUXControl* c, std::string event, void* data) {}
    virtual void onKeyPress(const sf::Event::KeyEvent& k) {}
    virtual void onFrame() {}
    virtual bool save(std::wofstream* f) { return true; }
    virtual void initProperties() {}
    virtual void setProperties() {}
    virtual void setVisibleInTB(bool b) { dansBarre_ = b; }
    virtual void onJoystickBtnARelease(int pad) {}
    virtual void onJoystickBtnBRelease(int pad) {}
    virtual void onJoystickBtnXRelease(int pad) {}
    virtual void onJoystickBtnYRelease(int pad) {}
    virtual void onJoystickBtnLBRelease(int pad) {}
    virtual void onJoystickBtnRBRelease(int pad) {}
    virtual void onJoystickBtnStartRelease(int pad) {}
    virtual void onJoystickBtnBackRelease(int pad) {}
    virtual void onJoystickLeft(int pad);
    virtual void onJoystickRight(int pad);
    virtual void onJoystickUp(int pad);
    virtual void onJoystickDown(int pad);

    // Library internals --------------------------------------------------------------------------
    // Reports a change of c to the dialog (bound variable first, then the slot of its kind),
    // unless c's send flag is off or c's own handler is already running.
    void signalerChangement(CPLUXControl* c);
    void signalerEntree(CPLUXControlTextInput* c);
    void signalerSortie(CPLUXControlTextInput* c);
    // Calls the dialog's callback, if any, with the given control and code.
    void appelerCallback(CPLUXControl* c, int code);
    bool aCallback() const { return callback_ || callbackFichier_; }
    // Topmost shown control under (x, y) in window pixels, children first.
    CPLUXControl* controleSous(int x, int y) const;
    // The title-bar button under (x, y), or null.
    CPLUXControlButton* boutonTitreSous(int x, int y) const;
    bool dansTitre(int x, int y) const;
    bool aTitreActif() const { return titreActif(); }
    bool dansPoignee(int x, int y) const;
    // A user resize: applies anchors then onResize.
    void redimensionnerUtilisateur(int w, int h);
    void marquerCree() { cree_ = true; }
    // Made by the library (addDialog without a dialog, message boxes): close mode 0 frees it.
    void setBibliotheque(bool b) { estBibliotheque_ = b; }
    bool isBibliotheque() const { return estBibliotheque_; }
    void setHandle(int h) { handle_ = h; }

protected:
    // Library-made dialogs may be deleted by close mode 0; the program's never are.
    friend class CPLUX;
    friend class CPLUXModeleDef;
    bool estBibliotheque_ = false;

    void dessinerCadre(plux::Peintre& p);
    // Title bar in the active colour: the focused dialog.
    virtual bool titreActif() const;
    void dessinerControles(sf::RenderWindow* w, plux::Peintre& p);
    CPLUXControl* ajouter(CPLUXControl* c, const std::string& id, float x, float y, float w, float h);
    void placerBoutonsTitre();
    void ecrireVariable(CPLUXControl* c);
    // Tells the dialog it was shown or hidden when its state changed since `etait`.
    void signalerAffichage(bool etait);

    std::string id_;
    std::wstring titre_;
    plux::TexteCache cacheTitre_;
    int x_ = 40, y_ = 40, l_ = 300, h_ = 200;
    bool visible_ = true;
    bool minimise_ = true;
    bool cree_ = false;
    int handle_ = 0;
    int modeFermeture_ = 2;
    bool deplacable_ = true;
    bool redimensionnable_ = false;
    bool sansTitre_ = false;
    bool pleinEcran_ = false;
    bool focusSouris_ = true;
    bool cadreFocus_ = false;
    bool dansBarre_ = true;
    sf::Color couleurFond_ = plux::couleur::fond;
    void* owner_ = nullptr;
    PLUXCallback callback_ = nullptr;
    PLUXFileCallback callbackFichier_ = nullptr;

    std::vector<CPLUXControl*> controles_;
    std::map<std::string, CPLUXControl*> parId_;
    std::vector<CPLUXControl*> aSupprimer_;
    CPLUXControlButton* btnClose_ = nullptr;
    CPLUXControlButton* btnMinimize_ = nullptr;

    struct Variable {
        enum Type { STRING, FLOAT, INT, BOOL } type;
        void* ptr;
    };
    std::map<std::string, Variable> variables_;
};
