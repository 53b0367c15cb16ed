#include "gui/CPLUXControlSliderH.h"

#include "gui/CPLUXDialog.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float MARGE = 6.f; // half the knob: the track ends this far inside the control
}

void CPLUXControlSliderH::setRange(float min, float max)
{
    if (std::isnan(min) || std::isnan(max))
        return;
    min_ = std::min(min, max);
    max_ = std::max(min, max);
    valeur_ = borner(valeur_);
}

float CPLUXControlSliderH::borner(float v) const
{
    if (std::isnan(v))
        return min_;
    return std::clamp(v, min_, max_);
}

void CPLUXControlSliderH::setValue(float v) { valeur_ = borner(v); }

bool CPLUXControlSliderH::suivre(int x)
{
    const float piste = getWidth() - 2 * MARGE;
    if (piste <= 0.f)
        return false;
    const float t = std::clamp((x - getLeftScreen() - MARGE) / piste, 0.f, 1.f);
    const float v = borner(min_ + t * (max_ - min_));
    if (v == valeur_)
        return false;
    valeur_ = v;
    if (getParent())
        getParent()->signalerChangement(this);
    return true;
}

bool CPLUXControlSliderH::onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d)
{
    CPLUXControl::onMousePressLeft(w, x, y, d);
    suivre(x);
    return true;
}

void CPLUXControlSliderH::onMouseDrag(int x, int y) { suivre(x); }

void CPLUXControlSliderH::leverChangement(CPLUXDialog* d) { d->onCtrlSliderChange(this); }

void CPLUXControlSliderH::dessiner(plux::Peintre& p, float ox, float oy)
{
    const sf::FloatRect r = rectEcran(ox, oy);
    const float cy = r.top + r.height / 2;
    const float piste = std::max(0.f, r.width - 2 * MARGE);
    const float t = max_ > min_ ? (valeur_ - min_) / (max_ - min_) : 0.f;
    const float kx = r.left + MARGE + t * piste;
    p.rect({r.left + MARGE, cy - 2, piste, 4}, plux::couleur::bord);
    const sf::Color rempli = actif_ ? plux::couleur::selection : plux::couleur::texteInactif;
    const sf::FloatRect bouton(kx - MARGE + 1, r.top + 2, 2 * MARGE - 2, r.height - 4);
    p.rect({r.left + MARGE, cy - 2, kx - r.left - MARGE, 4}, rempli);
    p.rect(bouton, actif_ ? plux::couleur::bouton : plux::couleur::champInactif);
    p.cadre(bouton, plux::couleur::bord);
}
