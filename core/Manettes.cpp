#include "core/Manettes.h"

#include <SFML/Window/Joystick.hpp>

#include <algorithm>
#include <cmath>

namespace {

LecteurManette& lecteur()
{
    static LecteurManette l;
    return l;
}

EtatManette lire(unsigned int manette)
{
    if (manette > 3)
        return EtatManette();
    if (lecteur())
        return lecteur()(manette);
    return lireManetteSFML(manette);
}

constexpr int ZONE_MORTE = 7848;

uint8_t versGachette(float position)
{
    float v = (position + 100.0f) / 200.0f * 255.0f;
    return static_cast<uint8_t>(std::clamp(std::round(v), 0.0f, 255.0f));
}

float axe(unsigned int manette, sf::Joystick::Axis a)
{
    return sf::Joystick::hasAxis(manette, a) ? sf::Joystick::getAxisPosition(manette, a) : 0.0f;
}

} // namespace

// -100..100 of the window library to the 16-bit range, so that the dead zone and the
// division keep their meaning.
int16_t positionVersBrut(float position)
{
    float v = std::round(position * 327.67f);
    return static_cast<int16_t>(std::clamp(v, -32768.0f, 32767.0f));
}

void setLecteurManette(LecteurManette l)
{
    lecteur() = std::move(l);
}

EtatManette lireManetteSFML(unsigned int manette)
{
    EtatManette e;
    if (!sf::Joystick::isConnected(manette))
        return e;
    e.bConnecte = true;
    // Usual layout of the pads' Linux driver.
    static const struct { unsigned int bouton; uint16_t masque; } boutons[] = {
        {0, MANETTE_A}, {1, MANETTE_B}, {2, MANETTE_X}, {3, MANETTE_Y},
        {4, MANETTE_LB}, {5, MANETTE_RB}, {6, MANETTE_BACK}, {7, MANETTE_START},
        {9, MANETTE_LS}, {10, MANETTE_RS}};
    for (const auto& b : boutons)
        if (sf::Joystick::isButtonPressed(manette, b.bouton))
            e.boutons |= b.masque;
    float pov = axe(manette, sf::Joystick::PovY);
    if (pov > 50)
        e.boutons |= MANETTE_HAUT;
    else if (pov < -50)
        e.boutons |= MANETTE_BAS;
    // The window library's y axes grow downwards; the raw form has up positive.
    e.gaucheX = positionVersBrut(axe(manette, sf::Joystick::X));
    e.gaucheY = positionVersBrut(-axe(manette, sf::Joystick::Y));
    e.droitX = positionVersBrut(axe(manette, sf::Joystick::U));
    e.droitY = positionVersBrut(-axe(manette, sf::Joystick::V));
    // A trigger axis rests at -100; a pad without one reads released.
    e.gachetteG = sf::Joystick::hasAxis(manette, sf::Joystick::Z) ? versGachette(axe(manette, sf::Joystick::Z)) : 0;
    e.gachetteD = sf::Joystick::hasAxis(manette, sf::Joystick::R) ? versGachette(axe(manette, sf::Joystick::R)) : 0;
    return e;
}

bool joystickConnecte(unsigned int manette)
{
    return lire(manette).bConnecte;
}

bool joystickBouton(unsigned int manette, uint16_t masque)
{
    EtatManette e = lire(manette);
    return e.bConnecte && (e.boutons & masque) != 0;
}

void joystickGachettes(unsigned int manette, float& gauche, float& droite)
{
    EtatManette e = lire(manette);
    if (!e.bConnecte)
        e = EtatManette();
    gauche = e.gachetteG / 255.0f;
    droite = e.gachetteD / 255.0f;
}

sf::Vector2f convertirStick(int rawX, int rawY)
{
    bool mortX = rawX >= -ZONE_MORTE && rawX <= ZONE_MORTE;
    bool mortY = rawY >= -ZONE_MORTE && rawY <= ZONE_MORTE;
    if (mortX && mortY)
        return sf::Vector2f(0, 0);
    return sf::Vector2f(static_cast<float>(rawX / 327), static_cast<float>(rawY / 327));
}

sf::Vector2i joystickStickGaucheBrut(unsigned int manette)
{
    const EtatManette e = lire(manette);
    return e.bConnecte ? sf::Vector2i(e.gaucheX, e.gaucheY) : sf::Vector2i(0, 0);
}

void joystickSticks(unsigned int manette, sf::Vector2f& gauche, sf::Vector2f& droit)
{
    EtatManette e = lire(manette);
    if (!e.bConnecte)
        e = EtatManette();
    gauche = convertirStick(e.gaucheX, e.gaucheY);
    droit = convertirStick(e.droitX, e.droitY);
}
