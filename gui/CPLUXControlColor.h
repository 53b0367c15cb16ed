#pragma once
// Colour picker: a swatch; a press opens a small editor (R, G, B, A sliders and fields,
// a preview) above the dialogs. Every change made in the editor is reported to the
// picker's dialog; the program's own setters are silent.
#include "gui/CPLUXControl.h"
#include "gui/CPLUXDialog.h"

class CPLUXControlSliderH;

class CPLUXControlColor : public CPLUXControl {
public:
    ~CPLUXControlColor() override;
    Genre getGenre() const override { return GENRE_COULEUR; }
    bool isFocusable() const override { return true; }

    void setColor(sf::Color c) { couleur_ = c; }
    void initColor(sf::Color c) { couleur_ = c; }
    sf::Color getColor() const { return couleur_; }

    bool onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) override;
    void leverChangement(CPLUXDialog* d) override;
    void dessiner(plux::Peintre& p, float ox, float oy) override;

    // A user change from the editor: stores it and reports it.
    void changerParUtilisateur(sf::Color c);

private:
    sf::Color couleur_ = sf::Color::White;
    plux::TexteCache valeurs_;
};

// The editor opened by a picker. One at a time; it closes when it loses the focus, when
// "OK" is pressed, or when its picker goes away.
class CPLUXDialogCouleur : public CPLUXDialog {
public:
    explicit CPLUXDialogCouleur(CPLUXControlColor* cible);
    ~CPLUXDialogCouleur() override;

    // Opens the editor for c (closing any other) next to it; returns the editor.
    static CPLUXDialogCouleur* ouvrir(CPLUXControlColor* c);
    static CPLUXDialogCouleur* getOuvert();
    // The picker is being destroyed: the editor forgets it and closes.
    static void oublier(CPLUXControlColor* c);

    CPLUXControlColor* getCible() const { return cible_; }
    void onCtrlSliderChange(CPLUXControlSliderH* c) override;
    void onCtrlInputChange(CPLUXControlTextInput* c) override;
    bool onFocusOff() override;
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;

private:
    void afficher(sf::Color c, const CPLUXControl* source);
    void appliquer(sf::Color c);
    sf::Color lire() const;

    CPLUXControlColor* cible_;
    CPLUXControlSliderH* curseurs_[4] = {};
    CPLUXControlTextInput* champs_[4] = {};
    CPLUXControlPanel* apercu_ = nullptr;
    bool remplissage_ = false;
};
