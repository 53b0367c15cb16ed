#include "gui/CPLUXControl.h"

#include "core/Fichiers.h"
#include "core/Media.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlTab.h"
#include "gui/CPLUXDialog.h"

#include <map>

namespace {
// Check-button pictures, loaded once per path; a missing file is remembered as null.
sf::Texture* textureCase(const std::string& chemin)
{
    static auto* cache = new std::map<std::string, sf::Texture*>;
    if (chemin.empty())
        return nullptr;
    auto it = cache->find(chemin);
    if (it != cache->end())
        return it->second;
    auto* t = new sf::Texture;
    if (!tuv::chargerMedia(*t, chemin)) {
        delete t;
        t = nullptr;
    }
    (*cache)[chemin] = t;
    return t;
}
} // namespace

CPLUXControl::CPLUXControl() = default;

CPLUXControl::~CPLUXControl()
{
    oublierLibelle();
    CPLUX::controleRetire(this);
}

void CPLUXControl::setVisible(bool v)
{
    visible_ = v;
    if (libelle_)
        libelle_->visible_ = v;
}

void CPLUXControl::setLibelle(CPLUXControl* libelle)
{
    oublierLibelle();
    if (!libelle || libelle == this)
        return;
    libelle->oublierLibelle();
    libelle_ = libelle;
    libelle->libelleDe_ = this;
    libelle->visible_ = visible_;
}

void CPLUXControl::oublierLibelle()
{
    if (libelle_)
        libelle_->libelleDe_ = nullptr;
    if (libelleDe_)
        libelleDe_->libelle_ = nullptr;
    libelle_ = libelleDe_ = nullptr;
}

int CPLUXControl::getLeftScreen() const
{
    return (parent_ ? parent_->getLeft() : 0) + static_cast<int>(rect_.left);
}

int CPLUXControl::getTopScreen() const
{
    return (parent_ ? parent_->getTop() : 0) + static_cast<int>(rect_.top);
}

sf::Vector2f CPLUXControl::getPositionScreen() const
{
    return {static_cast<float>(getLeftScreen()), static_cast<float>(getTopScreen())};
}

void CPLUXControl::setPosition(float x, float y)
{
    x = plux::bornerPosition(x);
    y = plux::bornerPosition(y);
    const float dx = x - rect_.left, dy = y - rect_.top;
    rect_.left = x;
    rect_.top = y;
    // Contained controls move with their container.
    if (parent_ && (dx != 0 || dy != 0))
        for (CPLUXControl* c : parent_->getControls())
            if (c->getParentCtrl() == this)
                c->setPosition(c->getLeft() + dx, c->getTop() + dy);
}

void CPLUXControl::setVisibleDimension(float w, float h)
{
    rect_.width = plux::bornerTaille(w);
    rect_.height = plux::bornerTaille(h);
}

void CPLUXControl::setTab(CPLUXControlTab* tab, int page)
{
    // A tab control on its own page could never be shown (and asking would never end).
    if (tab == this)
        return;
    onglet_ = tab;
    pageOnglet_ = page;
}

void CPLUXControl::setAnchors(bool left, bool top, bool right, bool bottom)
{
    ancres_[0] = left;
    ancres_[1] = top;
    ancres_[2] = right;
    ancres_[3] = bottom;
}

int CPLUXControl::modeRedimension(float x, float y) const
{
    return (x >= getWidth() - 6 ? 1 : 0) | (y >= getHeight() - 6 ? 2 : 0);
}

void CPLUXControl::setText(const std::string& t) { appliquerTexte(tuv::utf8toWStr(t)); }
void CPLUXControl::setText(const char* t) { appliquerTexte(tuv::utf8toWStr(t ? t : "")); }
void CPLUXControl::setText(const std::wstring& t) { appliquerTexte(t); }
void CPLUXControl::setText(const wchar_t* t) { appliquerTexte(t ? t : L""); }
void CPLUXControl::setText(int v) { setText(tuv::itos(v)); }
void CPLUXControl::setText(unsigned v) { setText(std::to_string(v)); }
void CPLUXControl::setText(long v) { setText(std::to_string(v)); }
void CPLUXControl::setText(float v) { setText(tuv::ftos(v)); }
void CPLUXControl::setText(double v) { setText(tuv::ftos(static_cast<float>(v))); }
std::string CPLUXControl::getText() const { return tuv::wstrToUtf8(texte_); }

void CPLUXControl::appliquerTexte(const std::wstring& t) { texte_ = t; }

void CPLUXControl::sendUserEvent(const std::string& ev, void* data)
{
    if (parent_)
        parent_->onCtrlUserChange(this, ev, data);
}

bool CPLUXControl::contient(int x, int y) const
{
    if (!parent_)
        return false;
    const float lx = static_cast<float>(x - parent_->getLeft());
    const float ly = static_cast<float>(y - parent_->getTop());
    if (!rect_.contains(lx, ly))
        return false;
    // A contained control is clipped to its container.
    return !parentCtrl_ || parentCtrl_->getRect().contains(lx, ly);
}

bool CPLUXControl::estAffiche() const
{
    if (!visible_)
        return false;
    if (onglet_ && (!onglet_->estAffiche() || onglet_->getNumTabElemActif() != pageOnglet_))
        return false;
    return !parentCtrl_ || parentCtrl_->estAffiche();
}

void CPLUXControl::draw(sf::RenderWindow* w, int dialogLeft, int dialogTop, CPLUXDialog* d)
{
    dessiner(plux::peintre(), static_cast<float>(dialogLeft), static_cast<float>(dialogTop));
}

sf::Color CPLUXControl::couleurTexteEffective() const
{
    return actif_ ? couleurTexte_ : plux::couleur::texteInactif;
}

void CPLUXControl::texteCentreV(plux::Peintre& p, plux::TexteCache& t, sf::FloatRect r, float marge,
                                bool centreH)
{
    t.definir(texte_, tailleTexte_, couleurTexteEffective());
    if (texte_.empty())
        return;
    const float hLigne = static_cast<float>(tailleTexte_) * 1.2f;
    float x = r.left + marge;
    if (centreH)
        x = r.left + (r.width - t.largeur()) / 2.f;
    const float y = r.top + (r.height - hLigne) / 2.f;
    p.texte(t, {x, y}, r);
}

// Button ------------------------------------------------------------------------------------

bool CPLUXControlButton::onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d)
{
    enfonce_ = true;
    return true;
}

void CPLUXControlButton::dessiner(plux::Peintre& p, float ox, float oy)
{
    namespace c = plux::couleur;
    const sf::FloatRect r = rectEcran(ox, oy);
    if (symbole != 0) {
        // Title-bar buttons: a glyph on the title colour, lit while pressed.
        if (enfonce_ && CPLUX::estPresse(this))
            p.rect(r, plux::melange(parent_ && parent_->aTitreActif() ? c::titreActif : c::titreInactif,
                                    sf::Color(255, 255, 255, 60)));
        const sf::Color g = actif_ ? c::texteTitre : sf::Color(255, 255, 255, 90);
        const float cx = r.left + r.width / 2, cy = r.top + r.height / 2;
        if (symbole == 1) {
            p.ligne({cx - 4.5f, cy - 4.5f}, {cx + 4.5f, cy + 4.5f}, g, 2.f);
            p.ligne({cx - 4.5f, cy + 4.5f}, {cx + 4.5f, cy - 4.5f}, g, 2.f);
        } else {
            p.rect({cx - 5, cy + 3, 10, 2}, g);
        }
        return;
    }
    const bool enfonce = enfonce_ && CPLUX::estPresse(this);
    sf::Color fond = couleurPerso_ ? couleur_ : c::bouton;
    if (!actif_)
        fond = c::champInactif;
    else if (enfonce)
        fond = c::boutonEnfonce;
    p.cadre(r, actif_ ? c::bord : sf::Color(190, 193, 198));
    if (actif_ && !enfonce) {
        p.rect({r.left + 1, r.top + 1, r.width - 2, 1}, plux::melange(fond, sf::Color(255, 255, 255, 170)));
        p.rect({r.left + 1, r.top + 2, r.width - 2, r.height - 3}, fond);
    } else {
        p.rect({r.left + 1, r.top + 1, r.width - 2, r.height - 2}, fond);
    }
    const float decalage = enfonce ? 1.f : 0.f;
    texteCentreV(p, cache_, {r.left + decalage, r.top + decalage, r.width, r.height}, 0, true);
}

// Check button --------------------------------------------------------------------------------

sf::Text& CPLUXControlButtonCheck::getLabelText()
{
    // The caller may recolour the label: from then on the library keeps its colour.
    cache_.definir(texte_, tailleTexte_, couleurTexte_);
    couleurLabelPerso_ = true;
    return cache_.texte();
}

void CPLUXControlButtonCheck::appliquerTexte(const std::wstring& t)
{
    texte_ = t;
    if (couleurLabelPerso_) {
        const sf::Color garde = cache_.texte().getFillColor();
        cache_.definir(texte_, tailleTexte_, couleurTexte_);
        cache_.texte().setFillColor(garde);
    }
}

void CPLUXControlButtonCheck::setImages(const std::string& on, const std::string& off)
{
    imageOn_ = textureCase(on);
    imageOff_ = textureCase(off);
}

bool CPLUXControlButtonCheck::onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d)
{
    if (lectureSeule_ || !d)
        return true;
    if (!groupe.empty()) {
        // A checked member of a group stays checked: pressing it changes nothing.
        if (coche_)
            return true;
        d->setCheckGroup(id_);
    } else {
        coche_ = !coche_;
    }
    d->signalerChangement(this);
    return true;
}

void CPLUXControlButtonCheck::leverChangement(CPLUXDialog* d) { d->onCtrlCheckChange(this); }

void CPLUXControlButtonCheck::draw(sf::RenderWindow* w, int dialogLeft, int dialogTop, CPLUXDialog* d)
{
    sf::Texture* t = coche_ ? imageOn_ : imageOff_;
    if (!t || !w) {
        CPLUXControl::draw(w, dialogLeft, dialogTop, d);
        return;
    }
    plux::peintre().vider(*w);
    sf::Sprite s(*t);
    s.setPosition(dialogLeft + rect_.left, dialogTop + rect_.top);
    const sf::Vector2u ts = t->getSize();
    if (ts.x > 0 && ts.y > 0)
        s.setScale(rect_.height / ts.y, rect_.height / ts.y);
    if (!actif_)
        s.setColor(sf::Color(255, 255, 255, 120));
    w->draw(s);
    const float cote = rect_.height;
    const sf::FloatRect r = rectEcran(static_cast<float>(dialogLeft), static_cast<float>(dialogTop));
    preparerLabel();
    if (!texte_.empty())
        plux::peintre().texte(cache_,
                              {r.left + cote + 6, r.top + (r.height - tailleTexte_ * 1.2f) / 2}, r);
}

// A label recoloured through getLabelText keeps that colour, with pictures or the drawn box.
void CPLUXControlButtonCheck::preparerLabel()
{
    if (couleurLabelPerso_) {
        const sf::Color garde = cache_.texte().getFillColor();
        cache_.definir(texte_, tailleTexte_, garde);
    } else {
        cache_.definir(texte_, tailleTexte_, couleurTexteEffective());
    }
}

void CPLUXControlButtonCheck::dessiner(plux::Peintre& p, float ox, float oy)
{
    namespace c = plux::couleur;
    const sf::FloatRect r = rectEcran(ox, oy);
    const float cote = 14.f;
    const sf::FloatRect boite(r.left + 1, r.top + (r.height - cote) / 2, cote, cote);
    const bool rond = !groupe.empty();
    p.cadre(boite, actif_ ? c::bord : sf::Color(190, 193, 198));
    p.rect({boite.left + 1, boite.top + 1, cote - 2, cote - 2}, actif_ ? c::champ : c::champInactif);
    if (coche_) {
        const sf::Color m = actif_ ? c::selection : c::texteInactif;
        if (rond) {
            p.rect({boite.left + 4, boite.top + 4, cote - 8, cote - 8}, m);
        } else {
            p.ligne({boite.left + 3, boite.top + 7}, {boite.left + 6, boite.top + 10.5f}, m, 2.2f);
            p.ligne({boite.left + 5.5f, boite.top + 10.5f}, {boite.left + 11, boite.top + 3.5f}, m, 2.2f);
        }
    }
    preparerLabel();
    if (!texte_.empty())
        p.texte(cache_, {r.left + cote + 6, r.top + (r.height - tailleTexte_ * 1.2f) / 2}, r);
}

// Static text and panel -----------------------------------------------------------------------

void CPLUXControlText::dessiner(plux::Peintre& p, float ox, float oy)
{
    const sf::FloatRect r = rectEcran(ox, oy);
    if (cadre_)
        p.cadre(r, couleurCadre_);
    const float largeur = r.width - (cadre_ ? 6.f : 0.f);
    if (aLaLigne && (coupeDe_ != texte_ || coupeA_ != largeur)) {
        coupeDe_ = texte_;
        coupeA_ = largeur;
        coupe_ = plux::couperLignes(texte_, largeur, [this](const std::wstring& l) {
            return plux::largeurTexte(l, tailleTexte_);
        });
    }
    cache_.definir(aLaLigne ? coupe_ : texte_, tailleTexte_, couleurTexteEffective());
    if (texte_.empty())
        return;
    const float hLigne = static_cast<float>(tailleTexte_) * 1.2f;
    float x = r.left + (cadre_ ? 3.f : 0.f);
    if (alignerDroite)
        x = r.left + r.width - cache_.largeur() - 2.f;
    const float y = r.height > hLigne ? r.top + (std::min(r.height, 24.f) - hLigne) / 2.f : r.top;
    p.texte(cache_, {x, y}, r);
}

void CPLUXControlPanel::dessiner(plux::Peintre& p, float ox, float oy)
{
    const sf::FloatRect r = rectEcran(ox, oy);
    p.rect(r, couleur_);
    if (cadre_)
        p.cadre(r, couleurCadre_);
}
