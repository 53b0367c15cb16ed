#pragma once
// Small conversions shared by the command handlers.
#include <SFML/Config.hpp>

#include <algorithm>

namespace commandes {

// A colour channel taken modulo 256 into 0..255, also for negative values (-1 gives 255).
inline sf::Uint8 canalModulo(int v) { return static_cast<sf::Uint8>(((v % 256) + 256) % 256); }

// A colour channel held to 0..255.
inline sf::Uint8 canalBorne(int v) { return static_cast<sf::Uint8>(std::clamp(v, 0, 255)); }

} // namespace commandes
