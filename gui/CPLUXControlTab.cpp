#include "gui/CPLUXControlTab.h"

#include "gui/CPLUX.h"
#include "gui/CPLUXDialog.h"

#include <algorithm>

bool CPLUXControlTabHeader::onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d)
{
    if (tab)
        tab->choisir(page, d);
    return true;
}

void CPLUXControlTabHeader::dessiner(plux::Peintre& p, float ox, float oy)
{
    namespace c = plux::couleur;
    const sf::FloatRect r = rectEcran(ox, oy);
    const bool actifPage = tab && tab->getNumTabElemActif() == page;
    sf::Color fond = couleurPerso_ ? couleur_ : (actifPage ? c::ongletActif : c::onglet);
    if (couleurPerso_ && !actifPage)
        fond = sf::Color(fond.r * 4 / 5, fond.g * 4 / 5, fond.b * 4 / 5, fond.a);
    const float haut = actifPage ? 0.f : 2.f;
    p.rect({r.left, r.top + haut, r.width, r.height - haut + (actifPage ? 1.f : 0.f)}, c::bord);
    p.rect({r.left + 1, r.top + haut + 1, r.width - 2, r.height - haut - (actifPage ? 0.f : 1.f)}, fond);
    if (actifPage)
        p.rect({r.left + 1, r.top + 1, r.width - 2, 2}, c::titreActif);
    texteCentreV(p, cache_, {r.left, r.top + haut, r.width, r.height - haut}, 0, true);
}

CPLUXControlTabHeader* CPLUXControlTab::ajouterPage(const std::string& headerId, const std::wstring& caption)
{
    auto* h = new CPLUXControlTabHeader;
    h->setId(headerId);
    h->setText(caption);
    h->tab = this;
    // Shown only while the tab control is (a tab control may itself lie on another's page).
    h->setParentCtrl(this);
    h->page = static_cast<int>(entetes_.size());
    h->setAnchors(true, true, false, false);
    if (parent_ && !parent_->addControl(h)) {
        delete h;
        return nullptr;
    }
    entetes_.push_back(h);
    couleursPage_.push_back(plux::couleur::ongletActif);
    placerEntetes();
    return h;
}

void CPLUXControlTab::setNumTabElemActif(int n)
{
    if (n >= 0 && n < getNbPages())
        actif_ = n;
    lacherClavierCache();
}

void CPLUXControlTab::lacherClavierCache()
{
    // Keys must not go on editing an input of a page that is no longer shown.
    CPLUXControl* c = CPLUX::getKeyboardFocus();
    if (c && c->getParent() == parent_ && !c->estAffiche())
        CPLUX::setKeyboardFocus(nullptr);
}

void CPLUXControlTab::setVisibleTabElem(bool v)
{
    entetesVisibles_ = v;
    for (CPLUXControlTabHeader* h : entetes_)
        h->setVisible(v);
}

CPLUXControl* CPLUXControlTab::getTabElem(int i) const
{
    return i >= 0 && i < getNbPages() ? entetes_[static_cast<size_t>(i)] : nullptr;
}

void CPLUXControlTab::setColorPanel(int page, sf::Color c)
{
    if (page >= 0 && page < getNbPages())
        couleursPage_[static_cast<size_t>(page)] = c;
}

sf::FloatRect CPLUXControlTab::rectPage() const
{
    const float haut = entetesVisibles_ ? plux::HAUTEUR_ENTETE_ONGLET : 0.f;
    return {rect_.left, rect_.top + haut, rect_.width, std::max(0.f, rect_.height - haut)};
}

void CPLUXControlTab::setPosition(float x, float y)
{
    // Controls of the pages follow the tab (by what it really moved: positions are bounded).
    const sf::Vector2f avant = getPosition();
    CPLUXControl::setPosition(x, y);
    const float dx = rect_.left - avant.x, dy = rect_.top - avant.y;
    if (parent_ && (dx != 0 || dy != 0))
        for (CPLUXControl* c : parent_->getControls())
            if (c->getTab() == this && c->getParentCtrl() != this)
                c->setPosition(c->getLeft() + dx, c->getTop() + dy);
    placerEntetes();
}

void CPLUXControlTab::setVisibleDimension(float w, float h)
{
    CPLUXControl::setVisibleDimension(w, h);
    placerEntetes();
}

void CPLUXControlTab::placerEntetes()
{
    float x = rect_.left + 2;
    for (CPLUXControlTabHeader* h : entetes_) {
        const float l = std::max(50.f, std::min(160.f, 18.f + 7.5f * static_cast<float>(h->getTextW().size())));
        h->setPosition(x, rect_.top);
        h->setVisibleDimension(l, plux::HAUTEUR_ENTETE_ONGLET);
        x += l + 1;
    }
}

void CPLUXControlTab::choisir(int page, CPLUXDialog* d)
{
    if (page == actif_ || page < 0 || page >= getNbPages())
        return;
    actif_ = page;
    lacherClavierCache();
    if (d)
        d->signalerChangement(this);
}

void CPLUXControlTab::leverChangement(CPLUXDialog* d) { d->onCtrlTabChange(this); }

void CPLUXControlTab::oublierEntete(CPLUXControl* c)
{
    entetes_.erase(std::remove(entetes_.begin(), entetes_.end(), c), entetes_.end());
}

void CPLUXControlTab::dessiner(plux::Peintre& p, float ox, float oy)
{
    const sf::FloatRect r = rectPage();
    const sf::FloatRect e(ox + r.left, oy + r.top, r.width, r.height);
    const sf::Color fond = actif_ < static_cast<int>(couleursPage_.size())
                               ? couleursPage_[static_cast<size_t>(actif_)]
                               : plux::couleur::ongletActif;
    p.cadre(e, plux::couleur::bord);
    p.rect({e.left + 1, e.top + 1, e.width - 2, e.height - 2}, fond);
}
