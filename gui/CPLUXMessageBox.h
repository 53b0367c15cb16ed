#pragma once
// A message box: a small library dialog drawn above every dialog, centred in the window.
// Kinds: 0 and 1 "OK"; 2 "Oui"/"Non"; 3 "Oui"/"Non"/"Annuler"; 4 an entry field with
// "OK"/"Annuler". Enter is the first button, Escape the last.
#include "gui/CPLUXDialog.h"

#include <cstdint>
#include <string>
#include <vector>

class CPLUXMessageBox : public CPLUXDialog {
public:
    CPLUXMessageBox(const std::wstring& title, const std::wstring& text, const std::string& idBox,
                    CPLUXDialog* owner, int kind);

    int getKind() const { return genre_; }
    const std::string& getBoxId() const { return idBoite_; }
    CPLUXDialog* getOwnerDialog() const { return proprietaire_; }
    void oublierProprietaire() { proprietaire_ = nullptr; }
    // Button 0 is the first (OK / Oui), the last is Annuler where there is one.
    int getNbButtons() const { return static_cast<int>(boutons_.size()); }
    CPLUXControlButton* getButton(int i) const;
    CPLUXControlTextInput* getEntry() const { return saisie_; }
    // Closes the box with the answer of button i (-1: closed without a choice).
    void repondre(int bouton);
    // Centres the box in a window of that size, shifted by the stacking rank.
    void centrer(sf::Vector2u taille, int rang);
    // The number of the first event pushed after the box opened: the events before it (the
    // press that chose the action, its release) are not answers.
    void setPremierEvenement(uint64_t numero) { premierEvenement_ = numero; }
    bool estAnterieur(uint64_t numeroEvenement) const { return numeroEvenement < premierEvenement_; }

    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    void onCtrlInputEnterPress(CPLUXControlTextInput* c) override;
    void onKeyPress(const sf::Event::KeyEvent& k) override;
    void onClose() override;

protected:
    // A waiting question always looks active.
    bool titreActif() const override { return true; }

private:
    std::string idBoite_;
    CPLUXDialog* proprietaire_;
    int genre_;
    std::vector<CPLUXControlButton*> boutons_;
    CPLUXControlTextInput* saisie_ = nullptr;
    bool repondu_ = false;
    uint64_t premierEvenement_ = 0;
};
