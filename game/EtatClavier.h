#pragma once
// The keyboard's keys as the X server holds them: asking SFML for one key asks the server
// for its whole keymap, a round trip each. The keys whose X name is known here are answered
// from one keymap read at the first question after oublier(); any other key, or everything
// when no display opens, is asked of SFML.
#include <SFML/Window/Keyboard.hpp>

#include <array>

struct _XDisplay;

class EtatClavier {
public:
    EtatClavier() = default;
    ~EtatClavier();
    EtatClavier(const EtatClavier&) = delete;
    EtatClavier& operator=(const EtatClavier&) = delete;

    // Whether the key is held, as the last keymap read says.
    bool enfoncee(sf::Keyboard::Key k);
    // The next question reads the keymap again.
    void oublier() { bLu = false; }

private:
    // The key's code on this server; 0 when the key is not in the table or has no code.
    unsigned char code(sf::Keyboard::Key k);

    _XDisplay* affichage = nullptr;
    bool bOuvert = false;  // the display was tried
    bool bLu = false;      // the keymap of this frame is read
    char touches[32] = {};
    // Per key: 0 not looked up yet, 1 not answered here, else 2 + its code.
    std::array<short, sf::Keyboard::KeyCount> codes{};
};
