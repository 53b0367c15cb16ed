#pragma once
// OpenGL scissor clipping of an editor view to its image control, for the time the view
// draws: enabled by the constructor, disabled by the destructor whatever way the drawing
// leaves. SFML knows nothing of it, so it also bounds what the view draws through SFML.
#include <SFML/Graphics/Rect.hpp>

class CPLUXControl;
class CPLUXDialog;
namespace sf { class RenderTarget; class RenderWindow; }

class CCiseaux {
public:
    // The rectangle of control c of dialog d drawn with the offsets (ox, oy) into cible, in
    // OpenGL's terms: x from the left, y from the bottom of the target, width, height.
    static sf::IntRect rectangle(const sf::RenderTarget& cible, const CPLUXDialog& d, const CPLUXControl& c, int ox,
                                 int oy);

    // An empty rectangle enables nothing: the view then draws nothing (actif() is false).
    CCiseaux(sf::RenderWindow& fenetre, const sf::IntRect& r);
    ~CCiseaux();
    CCiseaux(const CCiseaux&) = delete;
    CCiseaux& operator=(const CCiseaux&) = delete;

    bool actif() const { return actif_; }
    // Off and on again around drawing into another target that may share the window's
    // context (a render texture): its pixels must not be cut by the window's rectangle.
    void suspendre();
    void reprendre();

private:
    sf::RenderWindow& fenetre_;
    sf::IntRect rect_;
    bool actif_ = false;
};
