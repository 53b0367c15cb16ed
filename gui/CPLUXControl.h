#pragma once
// Base of every control, and the simple kinds: button, check button, static text, panel.
// Geometry is relative to the dialog's outer top-left corner (title bar included).
#include "gui/plux_theme.h"

#include <SFML/Graphics.hpp>

#include <algorithm>
#include <string>
#include <vector>

class CPLUXDialog;
class CPLUXControlTab;
namespace plux { class Peintre; }

class CPLUXControl {
public:
    // What the dialog needs to know to route changes; later kinds add their own values.
    enum Genre {
        GENRE_AUTRE,
        GENRE_BOUTON,
        GENRE_CASE,
        GENRE_TEXTE,
        GENRE_SAISIE,
        GENRE_ZONE_TEXTE,
        GENRE_LISTE,
        GENRE_COMBO,
        GENRE_ONGLETS,
        GENRE_ENTETE_ONGLET,
        GENRE_PANNEAU,
        GENRE_IMAGE,
        GENRE_ZONE,
        GENRE_COULEUR,
        GENRE_CURSEUR
    };

    CPLUXControl();
    virtual ~CPLUXControl();
    CPLUXControl(const CPLUXControl&) = delete;
    CPLUXControl& operator=(const CPLUXControl&) = delete;

    virtual Genre getGenre() const { return GENRE_AUTRE; }

    const std::string& getId() const { return id_; }
    void setId(const std::string& id) { id_ = id; }
    std::string getData() const { return data_; }
    void setData(const std::string& d) { data_ = d; }

    float getLeft() const { return rect_.left; }
    float getTop() const { return rect_.top; }
    float getWidth() const { return rect_.width; }
    float getHeight() const { return rect_.height; }
    sf::Vector2f getPosition() const { return {rect_.left, rect_.top}; }
    sf::FloatRect getRect() const { return rect_; }
    int getLeftScreen() const;
    int getTopScreen() const;
    sf::Vector2f getPositionScreen() const;
    // Programmatic geometry: never reported to the dialog.
    virtual void setPosition(float x, float y);
    virtual void setVisibleDimension(float w, float h);

    // A caption linked to the control (setLibelle) is shown and hidden with it.
    void setVisible(bool v);
    bool isVisible() const { return visible_; }
    // The caption a model gives the control; the link goes when either of them leaves.
    void setLibelle(CPLUXControl* libelle);
    CPLUXControl* getLibelle() const { return libelle_; }
    void oublierLibelle();
    void setActive(bool a) { actif_ = a; }
    bool isActive() const { return actif_; }
    void setSendEventOnChange(bool s) { envoi_ = s; }
    bool isSendEventOnChange() const { return envoi_; }
    void setColorCadre(sf::Color c) { couleurCadre_ = c; }
    sf::Color getColorCadre() const { return couleurCadre_; }
    void setCadre(bool c) { cadre_ = c; }
    bool isCadre() const { return cadre_; }

    void setTab(CPLUXControlTab* tab, int page);
    CPLUXControlTab* getTab() const { return onglet_; }
    int getTabPage() const { return pageOnglet_; }
    void setAnchors(bool left, bool top, bool right, bool bottom);
    bool getAnchor(int i) const { return ancres_[i]; }

    void setUserCtrl(bool u) { user_ = u; }
    bool isUserCtrl() const { return user_; }
    void setMovable(bool m) { deplacable_ = m; }
    bool isMovable() const { return deplacable_; }
    void setResizable(bool r) { redimensionnable_ = r; }
    bool isResizable() const { return redimensionnable_; }
    // The smallest width and height a user's drag leaves a resizable control.
    void setTailleMinimale(float t) { tailleMin_ = t; }
    float getTailleMinimale() const { return tailleMin_; }
    void setParentCtrl(CPLUXControl* p) { parentCtrl_ = p; }
    CPLUXControl* getParentCtrl() const { return parentCtrl_; }

    void setText(const std::string& t);
    void setText(const char* t);
    void setText(const std::wstring& t);
    void setText(const wchar_t* t);
    void setText(int v);
    void setText(unsigned v);
    void setText(long v);
    void setText(float v);
    void setText(double v);
    std::string getText() const;
    std::wstring getTextW() const { return texte_; }

    void setReadOnly(bool r) { lectureSeule_ = r; }
    bool isReadOnly() const { return lectureSeule_; }
    void setTextSize(int t)
    {
        tailleTexte_ = t <= 0 ? plux::TAILLE_TEXTE : std::min(static_cast<unsigned>(t), plux::TAILLE_TEXTE_MAX);
    }
    unsigned getTextSize() const { return tailleTexte_; }
    void setTextColor(sf::Color c) { couleurTexte_ = c; }
    sf::Color getTextColor() const { return couleurTexte_; }
    // Tooltip text from the model ("INFO"); kept for the dialogs that show it.
    void setInfo(const std::wstring& i) { info_ = i; }
    const std::wstring& getInfo() const { return info_; }

    CPLUXDialog* getParent() const { return parent_; }
    void setParent(CPLUXDialog* d) { parent_ = d; }
    void sendUserEvent(const std::string& ev, void* data);

    // Movement of the current drag step, in dialog pixels.
    sf::Vector2f getDragDelta() const { return dragDelta_; }
    void setDragDelta(sf::Vector2f d) { dragDelta_ = d; }

    // Slots: the library's own reaction of each kind lives here; an override calls the base.
    virtual void draw(sf::RenderWindow* w, int dialogLeft, int dialogTop, CPLUXDialog* d);
    virtual bool onMouseWheel(int delta, CPLUXDialog* d) { return false; }
    virtual bool onMouseOn(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) { return true; }
    virtual bool onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) { return true; }
    virtual bool onMousePressRight(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) { return true; }
    virtual bool onMouseClickLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) { return true; }
    virtual bool onMouseClickRight(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) { return true; }
    virtual void onFocusOut() {}

    // Library internals shared by every kind ------------------------------------------------
    // The mouse moved (window pixels) while a left press that began on this control is held.
    virtual void onMouseDrag(int x, int y) {}
    // The left button was released, wherever the mouse is.
    virtual void onMouseRelease() {}
    // Keyboard, for the control that holds it (text inputs); true when the key was used.
    virtual bool onKey(const sf::Event::KeyEvent& k) { return false; }
    virtual void onTextEntered(sf::Uint32 c) {}
    virtual void onKeyboardFocus(bool f) {}
    virtual bool isTextInput() const { return false; }
    // A model key this kind understands beyond the common ones (IMAGE for pictures...);
    // true when it was used.
    virtual bool appliquerCle(const std::string& cle, const std::vector<std::string>& valeurs) { return false; }
    // Calls the dialog's change slot of this kind (the dialog has checked the send flag).
    virtual void leverChangement(CPLUXDialog* d) {}
    // Takes part in keyboard/pad focus.
    virtual bool isFocusable() const { return false; }
    // Hit test in window pixels.
    virtual bool contient(int x, int y) const;
    // A child drawn over this control that takes presses (the list's in-place editor).
    virtual CPLUXControl* enfantSous(int x, int y) { return nullptr; }
    // Collects the library drawing of this kind; (ox, oy) is the dialog's corner.
    virtual void dessiner(plux::Peintre& p, float ox, float oy) {}
    // Drawn and hit only when visible and its tab page is the active one.
    bool estAffiche() const;

    // Model order and original rectangle, used by the tab order and anchors.
    int indexModele = -1;
    std::string varNom;
    std::string varType;
    std::string groupe;
    bool enChangement = false;
    bool estAnonyme = false;
    // Resize mode chosen by the press that started a user drag: 0 move, 1 right, 2 bottom, 3 both.
    int modeGlisse = 0;
    // The mode of a press at (x, y) from the control's corner, for a resizable control: its right
    // and bottom 6-pixel bands resize it.
    virtual int modeRedimension(float x, float y) const;

protected:
    virtual void appliquerTexte(const std::wstring& t);
    sf::FloatRect rectEcran(float ox, float oy) const
    {
        return {ox + rect_.left, oy + rect_.top, rect_.width, rect_.height};
    }
    sf::Color couleurTexteEffective() const;
    // Appends the control's text, vertically centred in r, clipped to r.
    void texteCentreV(plux::Peintre& p, plux::TexteCache& t, sf::FloatRect r, float marge,
                      bool centreH = false);

    std::string id_;
    std::string data_;
    sf::FloatRect rect_;
    std::wstring texte_;
    plux::TexteCache cache_;
    std::wstring info_;
    bool visible_ = true;
    bool actif_ = true;
    bool envoi_ = true;
    bool cadre_ = false;
    sf::Color couleurCadre_ = plux::couleur::bord;
    CPLUXControlTab* onglet_ = nullptr;
    int pageOnglet_ = 0;
    bool ancres_[4] = {true, true, false, false};
    bool user_ = false;
    bool deplacable_ = false;
    bool redimensionnable_ = false;
    float tailleMin_ = 4.f;
    CPLUXControl* parentCtrl_ = nullptr;
    CPLUXControl* libelle_ = nullptr;    // this control's caption
    CPLUXControl* libelleDe_ = nullptr;  // the control this caption belongs to
    bool lectureSeule_ = false;
    unsigned tailleTexte_ = plux::TAILLE_TEXTE;
    sf::Color couleurTexte_ = plux::couleur::texte;
    CPLUXDialog* parent_ = nullptr;
    sf::Vector2f dragDelta_;
};

class CPLUXControlButton : public CPLUXControl {
public:
    Genre getGenre() const override { return GENRE_BOUTON; }
    void setButtonText(const std::string& t) { setText(t); }
    void setButtonText(const std::wstring& t) { setText(t); }
    void setButtonText(const char* t) { setText(t); }
    void setButtonText(const wchar_t* t) { setText(t); }
    std::string getButtonText() const { return getText(); }
    void setColor(sf::Color c) { couleur_ = c; couleurPerso_ = true; }
    bool isFocusable() const override { return true; }
    bool onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) override;
    void onMouseRelease() override { enfonce_ = false; }
    void dessiner(plux::Peintre& p, float ox, float oy) override;
    // Title-bar glyphs: 1 close cross, 2 minimise bar.
    int symbole = 0;

private:
    bool enfonce_ = false;
    sf::Color couleur_ = plux::couleur::bouton;
    bool couleurPerso_ = false;
};

class CPLUXControlButtonCheck : public CPLUXControl {
public:
    Genre getGenre() const override { return GENRE_CASE; }
    // Silent: only the user's toggle is reported.
    void setCheck(bool c) { coche_ = c; }
    bool isChecked() const { return coche_; }
    void setGroup(const std::string& g) { groupe = g; }
    const std::string& getGroup() const { return groupe; }
    sf::Text& getLabelText();
    // Optional on/off pictures; a missing file keeps the drawn box.
    void setImages(const std::string& on, const std::string& off);
    bool isFocusable() const override { return true; }
    bool onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) override;
    void leverChangement(CPLUXDialog* d) override;
    void dessiner(plux::Peintre& p, float ox, float oy) override;
    void draw(sf::RenderWindow* w, int dialogLeft, int dialogTop, CPLUXDialog* d) override;

protected:
    void appliquerTexte(const std::wstring& t) override;

private:
    void preparerLabel();

    bool coche_ = false;
    bool couleurLabelPerso_ = false;
    sf::Texture* imageOn_ = nullptr;
    sf::Texture* imageOff_ = nullptr;
};

class CPLUXControlText : public CPLUXControl {
public:
    Genre getGenre() const override { return GENRE_TEXTE; }
    void dessiner(plux::Peintre& p, float ox, float oy) override;
    // Right-aligned text (labels placed at the left of a control).
    bool alignerDroite = false;
    // Text longer than the control's width drawn on as many lines as it takes (a status line):
    // getText() stays the text as set.
    bool aLaLigne = false;

private:
    // The lines drawn for `coupeDe_` at the width `coupeA_`.
    std::wstring coupeDe_, coupe_;
    float coupeA_ = 0.f;
};

class CPLUXControlPanel : public CPLUXControl {
public:
    Genre getGenre() const override { return GENRE_PANNEAU; }
    void setColor(sf::Color c) { couleur_ = c; }
    void dessiner(plux::Peintre& p, float ox, float oy) override;

private:
    sf::Color couleur_ = sf::Color(232, 234, 238);
};
