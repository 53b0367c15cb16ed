#pragma once
// Tab control: a row of header controls (each with its own id) over a page area; controls
// given setTab(tab, page) are shown only while that page is active.
#include "gui/CPLUXControl.h"

#include <vector>

class CPLUXControlTab;

class CPLUXControlTabHeader : public CPLUXControl {
public:
    Genre getGenre() const override { return GENRE_ENTETE_ONGLET; }
    void setColor(sf::Color c) { couleur_ = c; couleurPerso_ = true; }
    sf::Color getColor() const { return couleur_; }
    bool isFocusable() const override { return true; }
    bool onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) override;
    void dessiner(plux::Peintre& p, float ox, float oy) override;

    CPLUXControlTab* tab = nullptr;
    int page = 0;

private:
    sf::Color couleur_ = plux::couleur::onglet;
    bool couleurPerso_ = false;
};

class CPLUXControlTab : public CPLUXControl {
public:
    Genre getGenre() const override { return GENRE_ONGLETS; }
    // Adds a page whose header control (id headerId) is added to the tab's dialog.
    CPLUXControlTabHeader* ajouterPage(const std::string& headerId, const std::wstring& caption);
    int getNbPages() const { return static_cast<int>(entetes_.size()); }
    int getNumTabElemActif() const { return actif_; }
    // Silent.
    void setNumTabElemActif(int n);
    void setVisibleTabElem(bool v);
    bool isVisibleTabElem() const { return entetesVisibles_; }
    CPLUXControl* getTabElem(int i) const;
    void setColorPanel(int page, sf::Color c);
    // The page area, dialog coordinates.
    sf::FloatRect rectPage() const;
    void setPosition(float x, float y) override;
    void setVisibleDimension(float w, float h) override;
    void placerEntetes();
    // A header was pressed: change page and report it.
    void choisir(int page, CPLUXDialog* d);
    void leverChangement(CPLUXDialog* d) override;
    void dessiner(plux::Peintre& p, float ox, float oy) override;
    void oublierEntete(CPLUXControl* c);

private:
    void lacherClavierCache();

    std::vector<CPLUXControlTabHeader*> entetes_;
    std::vector<sf::Color> couleursPage_;
    int actif_ = 0;
    bool entetesVisibles_ = true;
};
