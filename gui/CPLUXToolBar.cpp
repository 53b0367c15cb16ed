#include "gui/CPLUXToolBar.h"

#include "gui/CPLUX.h"

#include <algorithm>

namespace {
constexpr int HAUTEUR_BARRE = 28;
}

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
        float x = 4;
        for (int h : handles_) {
            CPLUXDialog* d = CPLUX::getDialog(h);
            std::wstring titre = d->getTitleW().empty() ? CPLUX::utf8toWStr(d->getId()) : d->getTitleW();
            if (titre.size() > 22)
                titre = titre.substr(0, 21) + L"\u2026";
            auto* b = addControlButton("tb" + std::to_string(h), "", static_cast<int>(x), 3, 150, 22);
            if (b) {
                b->setText(titre);
                b->setData(std::to_string(h));
                b->setTextSize(12);
            }
            x += 154;
        }
    }
    Size(static_cast<int>(taille.x), HAUTEUR_BARRE);
    setPosition(0, static_cast<int>(taille.y) - HAUTEUR_BARRE);
    // Every button within the window: narrower ones when there are many dialogs.
    const float pas = handles_.empty() ? 154.f
                                       : std::min(154.f, (static_cast<float>(taille.x) - 4.f) / handles_.size());
    float x = 4;
    for (int h : handles_) {
        CPLUXDialog* d = CPLUX::getDialog(h);
        if (auto* b = ctrlButton("tb" + std::to_string(h))) {
            b->setColor(d && d->estAffiche() ? sf::Color(120, 160, 215) : plux::couleur::bouton);
            b->setPosition(x, 3);
            b->setVisibleDimension(std::max(4.f, pas - 4.f), 22);
        }
        x += pas;
    }
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
