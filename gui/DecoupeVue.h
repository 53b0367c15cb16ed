#pragma once
// Draws into a window clipped to a rectangle of window pixels: a view on that rectangle for
// as long as the object lives, the previous view restored on leaving.
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/View.hpp>

class CDecoupeVue {
public:
    CDecoupeVue(sf::RenderWindow& w, sf::FloatRect r) : w_(w), ancienne_(w.getView())
    {
        const sf::Vector2u t = w.getSize();
        if (t.x == 0 || t.y == 0)
            return;
        sf::View v(r);
        v.setViewport({r.left / t.x, r.top / t.y, r.width / t.x, r.height / t.y});
        w.setView(v);
    }
    ~CDecoupeVue() { w_.setView(ancienne_); }
    CDecoupeVue(const CDecoupeVue&) = delete;
    CDecoupeVue& operator=(const CDecoupeVue&) = delete;

private:
    sf::RenderWindow& w_;
    sf::View ancienne_;
};
