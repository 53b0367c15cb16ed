#pragma once
// The game window's own events without its focus changes. An X server may move the focus
// between windows at any moment (a window made by another test, a server shared with another
// binary), and a frame without the focus takes neither the GUI's nor the players' input:
// tests that drive a real window take its events through this source instead.
#include "game/SourceEntrees.h"

class SourceSansFocus : public SourceFenetre {
public:
    using SourceFenetre::SourceFenetre;
    bool evenementSuivant(sf::Event& e) override
    {
        while (SourceFenetre::evenementSuivant(e))
            if (e.type != sf::Event::LostFocus && e.type != sf::Event::GainedFocus)
                return true;
        return false;
    }
};
