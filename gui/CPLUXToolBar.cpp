#include "gui/CPLUXToolBar.h"

#include "gui/CPLUX.h"

#include <algorithm>
#include <cmath>

namespace {
// One row of buttons; rows are added while the buttons do not fit the window's width.
constexpr int HAUTEUR_RANGEE = 25, HAUTEUR_BOUTON = 22, MARGE = 3;
constexpr int MARGE_TEXTE = 8, LARGEUR_MIN = 48;
constexpr unsigned TAILLE_TEXTE = 12;

// Each button as wide as its whole label.
float largeurBouton(const std::wstring& titre)
{
    const float texte = std::ceil(plux::largeurTexte(titre, TAILLE_TEXTE));
    return std::max(static_cast<float>(LARGEUR_MIN), texte + 2 * MARGE_TEXTE);
}
} // namespace

CPLUXToolBar::CPLUXToolBar()
{
    setId("PLUXToolBar");
    setSansTitre(true);
    setDeplacable(false);
    setVisibleInTB(false);
    setColorFond(plux::couleur::barreOutils);
    visible_ = false;
    minimise_ = false;
}

void CPLUXToolBar::actualiser(sf::Vector2u taille)
{
    std::vector<int> handles;
    for (CPLUXDialog* d : CPLUX::getDialogs())
        if (d->isVisibleInTB() && d != this)
            handles.push_back(d->getHwnd());
    // The registry's order changes with focus: compare as sets so buttons stay in place.
    std::vector<int> tries = handles, actuels = handles_;
    std::sort(tries.begin(), tries.end());
    std::sort(actuels.begin(), actuels.end());
    if (tries != actuels) {
        for (int h : handles_)
            delControl("tb" + std::to_string(h));
        handles_ = tries;
        for (int h : handles_) {
            CPLUXDialog* d = CPLUX::getDialog(h);
            const std::wstring titre = d->getTitleW().empty() ? CPLUX::utf8toWStr(d->getId()) : d->getTitleW();
            auto* b = addControlButton("tb" + std::to_string(h), "", 0, 0, static_cast<int>(largeurBouton(titre)),
                                       HAUTEUR_BOUTON);
            if (b) {
                b->setText(titre);
                b->setData(std::to_string(h));
                b->setTextSize(TAILLE_TEXTE);
            }
        }
    }
    // Every button whole and within the window: as many rows as the labels need.
    const float largeurFenetre = static_cast<float>(taille.x);
    float x = MARGE, y = MARGE;
    for (int h : handles_) {
        CPLUXDialog* d = CPLUX::getDialog(h);
        auto* b = ctrlButton("tb" + std::to_string(h));
        if (!b)
            continue;
        const float l = std::min(static_cast<float>(b->getWidth()), largeurFenetre - 2 * MARGE);
        if (x > MARGE && x + l > largeurFenetre - MARGE) {
            x = MARGE;
            y += HAUTEUR_RANGEE;
        }
        b->setColor(d && d->estAffiche() ? sf::Color(120, 160, 215) : plux::couleur::bouton);
        b->setPosition(x, y);
        b->setVisibleDimension(l, HAUTEUR_BOUTON);
        x += l + MARGE;
    }
    const int hauteur = static_cast<int>(y) + HAUTEUR_RANGEE;
    Size(static_cast<int>(taille.x), hauteur);
    setPosition(0, static_cast<int>(taille.y) - hauteur);
}

bool CPLUXToolBar::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    if (!c)
        return true;
    CPLUXDialog* d = CPLUX::getDialog(CPLUX::stoi(c->getData()));
    if (!d)
        return true;
    if (d->estAffiche())
        d->hide();
    else
        d->show();
    return true;
}

void CPLUXToolBar::draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy)
{
    plux::Peintre& p = plux::peintre();
    p.rect({static_cast<float>(x_), static_cast<float>(y_), static_cast<float>(l_), static_cast<float>(h_)},
           couleurFond_);
    dessinerControles(w, p);
    if (w)
        p.vider(*w);
}
