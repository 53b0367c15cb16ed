#include "characters/Armes.h"

int CArmes::charger(const std::string& fichier)
{
    return 0;
}

void CArmes::majTirs()
{
}

void CArmes::viderTirs()
{
    ++nbAppelsViderTirs;
}
