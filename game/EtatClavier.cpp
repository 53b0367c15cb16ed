#include "game/EtatClavier.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {

constexpr short INCONNU = 0, HORS_TABLE = 1, DECALAGE_CODE = 2;

// The X name SFML gives the key, for the keys the game reads; NoSymbol for the others.
KeySym symbole(sf::Keyboard::Key k)
{
    if (k >= sf::Keyboard::A && k <= sf::Keyboard::Z)
        return XK_a + (k - sf::Keyboard::A);
    switch (k) {
    case sf::Keyboard::Left: return XK_Left;
    case sf::Keyboard::Right: return XK_Right;
    case sf::Keyboard::Up: return XK_Up;
    case sf::Keyboard::Down: return XK_Down;
    case sf::Keyboard::Space: return XK_space;
    case sf::Keyboard::Escape: return XK_Escape;
    case sf::Keyboard::Tab: return XK_Tab;
    case sf::Keyboard::Pause: return XK_Pause;
    case sf::Keyboard::LShift: return XK_Shift_L;
    case sf::Keyboard::RShift: return XK_Shift_R;
    case sf::Keyboard::LControl: return XK_Control_L;
    case sf::Keyboard::RControl: return XK_Control_R;
    default: return NoSymbol;
    }
}

} // namespace

EtatClavier::~EtatClavier()
{
    if (affichage)
        XCloseDisplay(affichage);
}

unsigned char EtatClavier::code(sf::Keyboard::Key k)
{
    short& c = codes[static_cast<size_t>(k)];
    if (c == INCONNU) {
        if (!bOuvert) {
            bOuvert = true;
            affichage = XOpenDisplay(nullptr);
        }
        const KeySym s = symbole(k);
        const KeyCode n = affichage && s != NoSymbol ? XKeysymToKeycode(affichage, s) : 0;
        c = n == 0 ? HORS_TABLE : static_cast<short>(DECALAGE_CODE + n);
    }
    return c == HORS_TABLE ? 0 : static_cast<unsigned char>(c - DECALAGE_CODE);
}

bool EtatClavier::enfoncee(sf::Keyboard::Key k)
{
    if (k < 0 || k >= sf::Keyboard::KeyCount)
        return sf::Keyboard::isKeyPressed(k);
    const unsigned char n = code(k);
    if (n == 0)
        return sf::Keyboard::isKeyPressed(k);
    if (!bLu) {
        XQueryKeymap(affichage, touches);
        bLu = true;
    }
    return (touches[n / 8] & (1 << (n % 8))) != 0;
}
