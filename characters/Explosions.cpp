#include "characters/Explosions.h"

int CExplosions::charger(const std::string& fichier)
{
    return 0;
}
