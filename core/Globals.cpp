#include "core/Globals.h"

sf::Mutex CSFMLJeuGlobal::mutex;
sf::RenderTexture* CSFMLJeuGlobal::prenderTexture = nullptr;
bool CSFMLJeuGlobal::bChargement = false;
bool CSFMLJeuGlobal::bModeTest = false;
CSFMLJeuChoixDec* CSFMLJeuGlobal::pChoixDec = nullptr;
CSFMLJeuChoixPer* CSFMLJeuGlobal::pChoixPer = nullptr;
