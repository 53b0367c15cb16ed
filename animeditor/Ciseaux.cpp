#include "animeditor/Ciseaux.h"

#include "core/Texte.h"
#include "gui/CPLUXDialog.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/OpenGL.hpp>

sf::IntRect CCiseaux::rectangle(const sf::RenderTarget& cible, const CPLUXDialog& d, const CPLUXControl& c, int ox,
                                int oy)
{
    const sf::View& v = cible.getView();
    const int a = tuv::floatVersInt(v.getSize().x * 0.5f - v.getCenter().x);
    const int b = tuv::floatVersInt(v.getSize().y * 0.5f - v.getCenter().y);
    const sf::FloatRect r = c.getRect();
    const float hauteur = static_cast<float>(cible.getSize().y);
    const int x = tuv::floatVersInt(static_cast<float>(a + ox + d.getLeft()) + r.left);
    const int y = tuv::floatVersInt(hauteur - (static_cast<float>(b + oy + d.getTop()) + r.top + r.height));
    return {x, y, tuv::floatVersInt(r.width), tuv::floatVersInt(r.height)};
}

CCiseaux::CCiseaux(sf::RenderWindow& fenetre, const sf::IntRect& r) : fenetre_(fenetre), rect_(r)
{
    if (r.width <= 0 || r.height <= 0)
        return;
    actif_ = true;
    reprendre();
}

CCiseaux::~CCiseaux() { suspendre(); }

void CCiseaux::suspendre()
{
    if (!actif_ || !fenetre_.setActive(true))
        return;
    glDisable(GL_SCISSOR_TEST);
}

void CCiseaux::reprendre()
{
    if (!actif_ || !fenetre_.setActive(true))
        return;
    glEnable(GL_SCISSOR_TEST);
    glScissor(rect_.left, rect_.top, rect_.width, rect_.height);
}
