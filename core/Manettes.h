#pragma once
// Gamepads 0 to 3. Each call reads the pad afresh; nothing is kept here.
// Values keep the pad layout the game was tuned for: a 16-bit button word,
// triggers 0..1 and sticks -100..100 with up positive.
#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <functional>

// Button word masks.
constexpr uint16_t MANETTE_HAUT = 0x0001;
constexpr uint16_t MANETTE_BAS = 0x0002;
constexpr uint16_t MANETTE_START = 0x0010;
constexpr uint16_t MANETTE_BACK = 0x0020;
constexpr uint16_t MANETTE_LS = 0x0040;
constexpr uint16_t MANETTE_RS = 0x0080;
constexpr uint16_t MANETTE_LB = 0x0100;
constexpr uint16_t MANETTE_RB = 0x0200;
constexpr uint16_t MANETTE_A = 0x1000;
constexpr uint16_t MANETTE_B = 0x2000;
constexpr uint16_t MANETTE_X = 0x4000;
constexpr uint16_t MANETTE_Y = 0x8000;

// One raw reading: sticks -32768..32767 (up positive), triggers 0..255.
struct EtatManette {
    bool bConnecte = false;
    uint16_t boutons = 0;
    uint8_t gachetteG = 0, gachetteD = 0;
    int16_t gaucheX = 0, gaucheY = 0, droitX = 0, droitY = 0;
};

using LecteurManette = std::function<EtatManette(unsigned int)>;

// Replaces the reader (tests feed readings through it); an empty function
// restores the window library's joystick reader.
void setLecteurManette(LecteurManette lecteur);
// The window library's joystick state in the raw form above.
EtatManette lireManetteSFML(unsigned int manette);

bool joystickConnecte(unsigned int manette);
bool joystickBouton(unsigned int manette, uint16_t masque);
void joystickGachettes(unsigned int manette, float& gauche, float& droite);
void joystickSticks(unsigned int manette, sf::Vector2f& gauche, sf::Vector2f& droit);

// The left stick's raw reading, up positive, without dead zone or scaling; (0, 0) when
// the pad is not connected. The menus compare it with their thresholds in raw units.
sf::Vector2i joystickStickGaucheBrut(unsigned int manette);
// A position of the window library's -100..100 scale in raw units, rounded.
int16_t positionVersBrut(float position);

// One stick: (0, 0) when both axes lie in the dead zone, else raw / 327 truncated.
sf::Vector2f convertirStick(int rawX, int rawY);
