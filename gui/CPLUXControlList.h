#pragma once
// Rows of two columns: the text area (a list with an in-place editor for column 2),
// the list, and the combo box with its drop-down.
#include "gui/CPLUXControl.h"

#include <deque>
#include <memory>
#include <string_view>
#include <vector>

class CPLUXControlTextInput;

class CPLUXControlTextArea : public CPLUXControl {
public:
    CPLUXControlTextArea();
    ~CPLUXControlTextArea() override;
    Genre getGenre() const override { return GENRE_ZONE_TEXTE; }
    bool isFocusable() const override { return true; }

    void initFont(int size, sf::Color c);
    void setUnselectIfNotOnLines(bool b) { deselectionHorsLignes_ = b; }
    // Inserts (c, a) after row n (at the end when n is -1); the new row becomes the
    // selection, silently.
    void insertText(const std::string& c, const std::string& a, int n);
    void insertText(const std::wstring& c, const std::wstring& a, int n);
    CPLUXControlTextInput* getInputCol2() { return editeur_.get(); }

    void reset();
    // A row refilled after reset() reuses a row the reset kept, its texts' storage with it.
    void AddElement(const std::string& t) { ajouterUtf8(t); }
    void AddElement(const char* t) { ajouterUtf8(t); }
    void AddElement(const std::wstring& t);
    void AddElement(std::wstring&& t);
    void AddElement(const wchar_t* t) { AddElement(std::wstring(t)); }
    void AddElementCol2(const std::string& t) { ajouterCol2Utf8(t); }
    void AddElementCol2(const char* t) { ajouterCol2Utf8(t); }
    void AddElementCol2(const std::wstring& t);
    void AddElementCol2(std::wstring&& t);
    void AddElementCol2(const wchar_t* t) { AddElementCol2(std::wstring(t)); }
    void setVisibleCol2(bool v) { col2Visible_ = v; }
    bool isVisibleCol2() const { return col2Visible_; }
    void setLargeurCol2(int l) { largeurCol2_ = l < 0 ? 0 : l; }
    int getLargeurCol2() const { return largeurCol2_; }
    // The width a column-2 text has before the column clips it, its margins taken off.
    float largeurTexteCol2() const;

    // The list raises onCtrlListChange, even for the current row; the combo is silent.
    virtual void setNumSel(int n);
    int getNumSel() const { return sel_; }
    void setStrSel(const std::string& t) { setStrSel(plux_utf8(t)); }
    void setStrSel(const char* t) { setStrSel(plux_utf8(t)); }
    void setStrSel(const std::wstring& t);
    void setStrSel(const wchar_t* t) { setStrSel(std::wstring(t)); }
    std::string getTextSel() const;
    std::string getTextSelCol2() const;
    std::wstring getTextSelW() const;
    using CPLUXControl::getText;
    std::string getText(int row) const;
    std::string getTextCol2(int row) const;
    std::wstring getTextW(int row) const;
    std::wstring getTextCol2W(int row) const;
    int getNbElements() const { return static_cast<int>(lignes_.size()); }
    void editElement(const std::string& t, int row) { editElement(plux_utf8(t), row); }
    void editElement(const std::wstring& t, int row);
    void editElement2(const std::string& t, int row) { editElement2(plux_utf8(t), row); }
    void editElement2(const std::wstring& t, int row);
    void delLine(int row);
    int getLine(const std::string& t) const { return getLine(plux_utf8(t)); }
    int getLine(const std::wstring& t) const;
    int getMouseOnLine() const;
    void setScrollPosition(int row);
    int getScrollPosition() const { return premiere_; }
    void setColor(sf::Color c, int row);
    // The row's own colour; transparent for a row without one (or no such row).
    sf::Color getColor(int row) const;
    void setColorMouseOver(sf::Color c) { couleurSurvol_ = c; }
    void setColorSelection(sf::Color c) { couleurSelection_ = c; }
    CPLUXControlTextArea* getTextArea() { return this; }

    bool onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) override;
    bool onMouseWheel(int delta, CPLUXDialog* d) override;
    void onMouseDrag(int x, int y) override;
    void onMouseRelease() override { glisseBarre_ = false; }
    CPLUXControl* enfantSous(int x, int y) override;
    void dessiner(plux::Peintre& p, float ox, float oy) override;
    void draw(sf::RenderWindow* w, int dialogLeft, int dialogTop, CPLUXDialog* d) override;
    void setPosition(float x, float y) override;

    // Library internals.
    void fermerEditeur();
    bool editeurOuvert() const;
    float hauteurLigne() const { return static_cast<float>(tailleTexte_) + 6.f; }
    int lignesVisibles() const;
    // Row under window pixel y, -1 when none.
    int ligneSous(int yEcran) const;
    // Draws rows [premiere, premiere + n) into r (used by the combo's drop-down too).
    void dessinerLignes(plux::Peintre& p, sf::FloatRect r, int premiere, int n, int survol, bool barre);

protected:
    static std::wstring plux_utf8(const std::string& t);
    // Selects without reporting.
    void selectionner(int n);
    void signalerSelection();
    float largeurColonne2() const;
    sf::FloatRect rectBarre(float ox, float oy) const;
    void limiterDefilement();
    void ajouterUtf8(std::string_view t);
    void ajouterCol2Utf8(std::string_view t);

    struct Ligne {
        std::wstring c1, c2;
        bool aCol2 = false;
        bool couleurPerso = false;
        sf::Color couleur;
        // Made when the row is first drawn: long lists show only a few of their rows.
        struct Textes {
            plux::TexteCache t1, t2;
        };
        std::unique_ptr<Textes> textes;
        Textes& caches()
        {
            if (!textes)
                textes = std::make_unique<Textes>();
            return *textes;
        }
    };
    std::vector<std::unique_ptr<Ligne>> lignes_;
    // Rows the last reset emptied, reused by the next additions.
    std::vector<std::unique_ptr<Ligne>> libres_;
    std::unique_ptr<Ligne> ligneLibre();
    void ajouter(std::unique_ptr<Ligne> l);
    // The last row's column 2 when the next column-2 text is its own (then marked as given).
    std::wstring* col2Libre();
    std::deque<std::wstring> col2EnAttente_;
    int sel_ = -1;
    int premiere_ = 0;
    bool col2Visible_ = false;
    int largeurCol2_ = 80;
    bool deselectionHorsLignes_ = false;
    bool glisseBarre_ = false;
    sf::Color couleurSurvol_ = plux::couleur::survol;
    sf::Color couleurSelection_ = plux::couleur::selection;
    std::unique_ptr<CPLUXControlTextInput> editeur_;
    int ligneEditee_ = -1;
};

class CPLUXControlList : public CPLUXControlTextArea {
public:
    Genre getGenre() const override { return GENRE_LISTE; }
    void leverChangement(CPLUXDialog* d) override;
};

class CPLUXControlComboBox : public CPLUXControlList {
public:
    ~CPLUXControlComboBox() override;
    Genre getGenre() const override { return GENRE_COMBO; }
    void leverChangement(CPLUXDialog* d) override;
    void setNumSel(int n) override { selectionner(n); }
    void setEventOnChange(bool b) { setSendEventOnChange(b); }
    // true: the drop-down is closed.
    void setRoll(bool ferme);
    bool isRoll() const;

    bool onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) override;
    bool onMouseWheel(int delta, CPLUXDialog* d) override { return true; }
    CPLUXControl* enfantSous(int x, int y) override { return nullptr; }
    void dessiner(plux::Peintre& p, float ox, float oy) override;

    // The drop-down, in window pixels, and what it does with a press / the wheel / drawing.
    sf::FloatRect rectListe() const;
    void pressionListe(int x, int y);
    void molletteListe(int delta);
    void dessinerListe(plux::Peintre& p);

private:
    int premiereListe_ = 0;
    int nbListe() const;
};
