#pragma once
// Single-line text editor: caret, selection (Shift, mouse drag, double click, Ctrl+A),
// Home/End, Backspace/Delete, clipboard, horizontal scrolling; every change of the text is
// reported to the dialog, programmatic ones included.
#include "gui/CPLUXControl.h"

#include <SFML/System/Clock.hpp>

#include <algorithm>
#include <cmath>

class CPLUXControlTextInput : public CPLUXControl {
public:
    Genre getGenre() const override { return GENRE_SAISIE; }
    bool isTextInput() const override { return true; }
    bool isFocusable() const override { return true; }
    // Number fields, one rule for every dialog. A typed text is a number when, blanks aside, it
    // is a sign and digits (for a decimal, with one "." among them) whose value the field holds:
    // an int, or a decimal smaller in size than tuv::FLOAT_VERS_INT_MAX (beyond it a value
    // turned into whole pixels or frames would change). No exponent: "1e3" is no number.
    static bool estNombre(const std::string& texte, bool reel);
    // The value of a text that is a number; false, the value unchanged, for any other.
    static bool lireEntier(const std::string& texte, int& valeur);
    static bool lireReel(const std::string& texte, float& valeur);
    // Whether a typed text that is no number yet may become one as the user types on: blanks
    // aside, nothing, a sign alone, and for reel a "." after them ("." and "-." begin ".5").
    static bool nombreEnCours(const std::string& texte, bool reel);
    // This field's text as a number: true, with the value, when it is one. A text that may
    // still become one is let be (false, the value unchanged), unless `valide` (the text was
    // validated: Return, a button, the field left). So is a decimal too large while the value
    // kept is one too (read from a file): the author is on his way from it to a new one. Any
    // other text is refused: the field shows the value kept and a box titled as the field's
    // dialog says so; while such a box is open, further refusals open none, and the box goes
    // as soon as the field it tells of is edited again (it would name a value left behind).
    bool lireNombre(int& valeur, bool valide = false);
    bool lireNombre(float& valeur, bool valide = false);
    // A whole number from min to max; any other text is refused, the box naming the bounds,
    // except one that may still become a number, let be unless `valide` (as above).
    bool lireNombre(int& valeur, int min, int max, bool valide = false);
    // The refusal itself: the field shows `valeur` (silently; empty when nothing is kept).
    void refuserNombre(const std::string& valeur, bool reel);
    // The id of the refusal's box.
    static constexpr const char* BOITE_REFUS = "PLUX_NOMBRE_REFUSE";
    // A number its owner does not take: refused as above, the box saying the text is not
    // `description` ("un nombre supérieur à 0").
    void refuserHorsBornes(const std::string& valeur, const std::string& description);
    // After its owner bounded the value read (a floor, the whole part, a range): the field
    // shows the value kept when its text reads another number. A decimal text that reads 0
    // may still become the value kept ("0.5"): it is shown once the field is left.
    void montrerValeurGardee(int valeur);
    void montrerValeurGardee(float valeur);
    // The text set without telling the dialog (its owner shows what it kept).
    void afficherSansEnvoi(const std::string& texte);

    size_t getCaret() const { return caret_; }
    size_t getSelectionStart() const { return std::min(caret_, ancre_); }
    size_t getSelectionEnd() const { return std::max(caret_, ancre_); }
    bool hasFocus() const { return focus_; }
    void selectAll();
    float getScroll() const { return defilement_; }

    bool onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) override;
    void onMouseDrag(int x, int y) override;
    bool onKey(const sf::Event::KeyEvent& k) override;
    void onTextEntered(sf::Uint32 c) override;
    // Losing the keyboard is told to the dialog (CPLUXDialog::onCtrlInputLeave).
    void onKeyboardFocus(bool f) override;
    void leverChangement(CPLUXDialog* d) override;
    void dessiner(plux::Peintre& p, float ox, float oy) override;

    // Set by the list that owns this editor ("saisieCol2"): told when Enter or Escape closes it.
    class CPLUXControlTextArea* listeProprietaire = nullptr;

    ~CPLUXControlTextInput() override;

protected:
    void appliquerTexte(const std::wstring& t) override;

private:
    void remplacerSelection(const std::wstring& t);
    void effacer(bool avant);
    void deplacer(size_t pos, bool etendre);
    size_t caractereSous(int x);
    size_t motPrecedent(size_t p) const;
    size_t motSuivant(size_t p) const;
    void changer(const std::wstring& t, size_t caret);
    // A change made by the user's keys: first closes the refusal box that tells of this field.
    void editer(const std::wstring& t, size_t caret);
    // `description` completes "« texte » ..." ("n'est pas un nombre", "est trop grand (...)").
    void refuser(const std::string& valeur, const std::string& description);
    void suivreCaret();

    size_t caret_ = 0;
    size_t ancre_ = 0;
    bool focus_ = false;
    float defilement_ = 0.f;
    sf::Clock horloge_;
    sf::Clock clignote_;
    float dernierAppui_ = -10.f;

    // The value kept that the field shows once left; empty for none (montrerValeurGardee).
    std::string gardeeASortie_;

    // The field the open refusal box tells of (compared, never followed).
    static const CPLUXControlTextInput* champRefuse_;
};
