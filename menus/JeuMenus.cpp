#include "menus/JeuMenus.h"

int CJeuMenus::chargerMenu(const std::string& dossier, const std::string& fichier)
{
    return 0;
}

void CJeuMenus::entrerMenu(int id)
{
    idMenu = id;
}

void CJeuMenus::afficher(sf::RenderWindow* fenetre)
{
}

void CJeuMenus::gererMenu()
{
}
