#pragma once
// The GUI manager: registry of dialogs, event routing, drawing, message boxes, console and
// the text helpers. Everything is static; the manager object only creates the toolbar.
// The library never polls the window: the program passes each event to pushEvent, then calls
// refreshSurface() and update(window) once per frame.
#include "gui/CPLUXDialog.h"

#include <SFML/Graphics.hpp>

#include <map>
#include <string>
#include <utility>
#include <vector>

class CPLUXModeleDef;
class CPLUXMessageBox;
class CPLUXControlComboBox;

typedef CPLUXDialog* (*PLUXFactory)();

class CPLUX {
public:
    explicit CPLUX(sf::RenderWindow* w = nullptr);
    ~CPLUX();

    static std::string pathSources;
    static std::string strQtPro;
    static CPLUXModeleDef* pModeleDef;
    static sf::RenderWindow* surface;
    static CPLUXDialog* pTB;
    static CPLUXDialog* dialogfocus;
    static CPLUXControl* pCtrlFocus;
    // Handle -> dialog, for the dialogs made or registered by addDialog. Read-only.
    static std::map<int, CPLUXDialog*> dialoglist;

    // Text and numbers (forwarding to core/Texte) ------------------------------------------------
    static std::string itos(int v);
    static std::wstring itows(int v);
    // In plain decimals (tuv::ftos), as the number fields show them.
    static std::string ftos(float v);
    static std::wstring ftows(float v);
    static int stoi(const std::string& t);
    static float stof(const std::string& t);
    static std::string delspaces(const std::string& t);
    static std::wstring delspaces(const std::wstring& t);
    static std::wstring utf8toWStr(const std::string& t);
    static std::string wstrToUtf8(const std::wstring& t);
    static bool isFileExist(const std::string& path);
    static bool isDir(const std::string& path);

    // Registry ---------------------------------------------------------------------------------
    static void declareDialog(const std::string& id, const std::string& className, PLUXFactory f);
    template <class T>
    static void declareDialog(const std::string& id, const std::string& className)
    {
        declareDialog(id, className, []() -> CPLUXDialog* { return new T; });
    }
    static const std::vector<std::pair<std::string, std::string>>& getDeclaredDialogs();
    static PLUXFactory getDeclaredFactory(size_t i);
    // Registers a dialog under its id with a new handle (used by the model reader).
    static int enregistrer(CPLUXDialog* d);
    static void applyTabs();
    static CPLUXDialog* getDialog(const std::string& id);
    static CPLUXDialog* getDialog(int handle);
    // Registered dialogs, bottom to top.
    static const std::vector<CPLUXDialog*>& getDialogs();
    static void show(const std::string& id);
    static void hide(const std::string& id);
    static bool isDialogVisible(const std::string& id);
    static void refresh(const std::string& id);
    static void minimizeAll();
    static CPLUXControl* getControl(const std::string& dialogId, const std::string& controlId);
    static CPLUXDialog* addDialog(int* pId, CPLUXDialog* pDlg, void* owner, int kind, bool bCallback = false,
                                  PLUXCallback cb = nullptr);
    static CPLUXDialog* addDialog(int* pId, CPLUXDialog* pDlg, void* owner, int kind, bool bCallback,
                                  PLUXFileCallback cb);
    // Deletes the dialogs the library made (addDialog without a dialog, message boxes) and the
    // toolbar; the program's dialogs are left alone (each unregistered itself or stays alive).
    static void shutdown();

    // Message boxes -----------------------------------------------------------------------------
    static int MessageBoxW(const std::wstring& title, const std::wstring& text);
    static int MessageBoxW(const std::string& title, const std::string& text);
    static int MessageBoxW(const char* title, const char* text);
    static int MessageBoxW(const wchar_t* title, const wchar_t* text);
    static int MessageBoxW(const std::wstring& title, const std::wstring& text, const std::string& id,
                           CPLUXDialog* owner, int kind);
    static int MessageBoxW(const std::string& title, const std::string& text, const std::string& id,
                           CPLUXDialog* owner, int kind);
    static int MessageBoxW(const char* title, const char* text, const std::string& id, CPLUXDialog* owner,
                           int kind);
    static int MessageBoxW(const wchar_t* title, const wchar_t* text, const std::string& id,
                           CPLUXDialog* owner, int kind);
    static const std::vector<CPLUXMessageBox*>& getMessageBoxes();
    static CPLUXMessageBox* getMessageBox(int handle);

    // Console -------------------------------------------------------------------------------------
    static void setConsoleText(const std::wstring& text, int line);
    static void setConsoleText(const std::string& text, int line);
    static void setConsoleText(const char* text, int line);
    static void setConsoleText(const wchar_t* text, int line);
    static std::wstring getConsoleText(int line);
    static void setConsoleVisible(bool v);
    static bool isConsoleVisible();

    static void drawLine(sf::RenderTarget* t, sf::Vector2f a, sf::Vector2f b, sf::Color c,
                         float thickness = 1.f);
    static bool isKeyCtrlPress();
    static bool isKeyShiftPress();
    static bool isKeyAltPress();
    static void setTextTI(CPLUXDialog* d, const std::string& id, const std::string& text);
    static void setTextTI(CPLUXDialog* d, const std::string& id, const char* text);
    static void setTextTI(CPLUXDialog* d, const std::string& id, const std::wstring& text);
    static void setTextTI(CPLUXDialog* d, const std::string& id, const wchar_t* text);
    static std::string getFocusId();

    // Frame loop ----------------------------------------------------------------------------------
    // Queues the event; true when the GUI takes it (the caller must then ignore it).
    static bool pushEvent(const sf::Event& e);
    // Processes the queued events; true when the GUI took the mouse this frame.
    static bool update(sf::RenderWindow* w);
    // Only the shown dialogs' per-frame step (onFrame), no input: for a window without the
    // focus, whose dialogs may still have work of their own (the lobby's network).
    static void updateSansEntrees();
    static void refreshSurface();
    static bool isInput();
    static bool isMouseOverDialog();
    static void setSurface(sf::RenderWindow* w) { surface = w; }

    // Library internals -----------------------------------------------------------------------------
    // Called by CPLUXDialog's constructor: the dialog's memory is valid from now on.
    static void dialogueCree(CPLUXDialog* d);
    // Called by ~CPLUXDialog: forgets every reference to d.
    static void dialogueDetruit(CPLUXDialog* d);
    // Called when a control leaves its dialog: forgets focus and drag references to it.
    static void controleRetire(CPLUXControl* c);
    // Frees c once no handler can be running on it.
    static void supprimerPlusTard(CPLUXControl* c);
    static void supprimerPlusTard(CPLUXDialog* d);
    // True while d is registered, a message box or the toolbar (not yet destroyed).
    static bool estVivant(const CPLUXDialog* d);
    static sf::Vector2i getMousePosition();
    static void setKeyboardFocus(CPLUXControl* c);
    static CPLUXControl* getKeyboardFocus();
    static void ouvrirCombo(CPLUXControlComboBox* c);
    static void fermerCombo();
    static CPLUXControlComboBox* getComboOuvert();
    static void setModifiersOverride(bool actif, bool ctrl, bool shift, bool alt);
    static bool estPresse(const CPLUXControl* c);
    static sf::Vector2u tailleSurface();
    // Empties the registry, the library's dialogs, focus, queue and console (test driver).
    static void reset();
    static void retirerBoite(CPLUXMessageBox* b);
    static void ajouterAuPremierPlan(CPLUXDialog* d, int dessusHandle = 0);
    static void changerFocusDialogue(CPLUXDialog* d);
    // Depth of handler calls in progress: deletions wait until it is zero.
    static void entrerDispatch();
    static void sortirDispatch();
};
