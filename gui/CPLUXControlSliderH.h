#pragma once
// Horizontal slider: a value in [min, max] set by pressing or dragging along its track.
#include "gui/CPLUXControl.h"

class CPLUXControlSliderH : public CPLUXControl {
public:
    Genre getGenre() const override { return GENRE_CURSEUR; }
    bool isFocusable() const override { return true; }

    // A reversed range is put in order; the value is kept inside the new range.
    void setRange(float min, float max);
    float getMin() const { return min_; }
    float getMax() const { return max_; }
    // Silent; clamped to the range (NaN gives the minimum).
    void setValue(float v);
    float getValue() const { return valeur_; }

    bool onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) override;
    void onMouseDrag(int x, int y) override;
    void leverChangement(CPLUXDialog* d) override;
    void dessiner(plux::Peintre& p, float ox, float oy) override;

private:
    // The value under window x; true when it changed (then reported to the dialog).
    bool suivre(int x);
    float borner(float v) const;

    float min_ = 0.f;
    float max_ = 100.f;
    float valeur_ = 0.f;
};
