// Reading and writing ".anm" files.
#include "anim/Sprite3.h"

bool CSPRITE3::charger(void*, sf::RenderTarget*, const std::string&, bool) { return false; }
void CSPRITE3::sauver(const std::string&) {}
